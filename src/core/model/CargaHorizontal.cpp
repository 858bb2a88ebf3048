#include "core/model/CargaHorizontal.h"

namespace dravek {

std::optional<double> CargaHorizontalDada(const DatosTramo &t, double altura,
                                          ReglaAnchoZanja regla)
{
    const double carga = t.CargaVerticalTotal;
    if (t.CodigoColocacion == ZanjaCompactada) {
        return carga;
    }
    if (t.CodigoColocacion != ZanjaSinCompactar) {
        return t.vGAMAT * altura; // t/m3 x m
    }
    double ancho = t.AnchoZanja;
    switch (regla) {
    case ReglaAnchoZanja::SoloMayorQueTres:
        if (!(ancho > 3.0)) {
            return 0.0;
        }
        break;
    case ReglaAnchoZanja::AutomaticaSiFalta:
        if (!(ancho > 0)) {
            ancho = AnchoZanjaAutomatico(t.vDE);
        }
        break;
    case ReglaAnchoZanja::Exigida:
        if (!(ancho > 0)) {
            return std::nullopt;
        }
        break;
    }
    return t.vDE * carga / ancho;
}

} // namespace dravek
