#include "core/adjustment/PasosCaso.h"

#include <cmath>

namespace dravek {

std::optional<double> PasoAltura(double H, double IncrementoAltura, double AlturaInicial,
                                 double AlturaFinal, bool siguiente)
{
    if (siguiente ? H + IncrementoAltura > AlturaFinal : H - IncrementoAltura < AlturaInicial) {
        return std::nullopt;
    }
    const double cota = siguiente ? AlturaFinal : AlturaInicial;
    double nueva = siguiente ? H + IncrementoAltura : H - IncrementoAltura;
    if (std::abs(nueva - cota) < 0.01) {
        nueva = cota;
    }
    return nueva;
}

double IncrementoPresionVentana(const EstadoObra &estado)
{
    const DatosTramo &tramo = estado.tramo;
    double s = (tramo.DPInicialTramo > 0 || tramo.DPFinalTramo > 0)
                   ? tramo.IncrementoPresionTramo
                   : estado.obra.IncrementoPresionObra;
    const double pendiente = estado.calculo.PendienteLeyMDP;
    if (pendiente == 0 || !std::isfinite(pendiente)) {
        return 0.0;
    }
    s /= pendiente;
    if (estado.ejecucion.SistemaUnidades == "SI") {
        s *= FactorTensiones;
    }
    return std::isfinite(s) ? s : 0.0;
}

std::optional<double> PasoPresion(double P, double s, double b, bool siguiente)
{
    if (s == 0 || (siguiente ? P + s - 0.001 > b : P - s + 0.001 < b)) {
        return std::nullopt;
    }
    double nueva = siguiente ? P + s : P - s;
    if (std::abs(b - nueva) < 0.01) {
        nueva = b;
    }
    return nueva;
}

bool RecubrimientosCaben(double interior, double exterior, double espesor)
{
    return interior + exterior < espesor;
}

} // namespace dravek
