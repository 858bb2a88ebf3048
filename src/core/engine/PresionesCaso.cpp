#include "core/engine/PresionesCaso.h"

#include <algorithm>

namespace dravek {

void RangoAlturas(EstadoObra &estado)
{
    const DatosObra &obra = estado.obra;
    DatosTramo &tramo = estado.tramo;
    DatosCalculo &calculo = estado.calculo;
    if (tramo.AlturaInicialTramo > 0 || tramo.AlturaFinalTramo > 0) {
        calculo.AlturaInicial = tramo.AlturaInicialTramo;
        calculo.AlturaFinal = tramo.AlturaFinalTramo;
    } else {
        calculo.AlturaInicial = obra.AlturaInicialObra;
        calculo.AlturaFinal = obra.AlturaFinalObra;
        tramo.IncrementoAltura = obra.IncrementoAlturaObra;
    }
    estado.caso.AlturaActual = calculo.AlturaInicial;
}

bool RangoPresionesDelTramo(const DatosTramo &tramo)
{
    return tramo.DPInicialTramo > 0 || tramo.DPFinalTramo > 0;
}

double PresionInicialCasos(const EstadoObra &estado)
{
    return RangoPresionesDelTramo(estado.tramo) ? estado.tramo.DPInicialTramo
                                                : estado.obra.DPInicialObra;
}

void PreparaLeyMDP(EstadoObra &estado)
{
    const DatosObra &obra = estado.obra;
    const DatosTramo &tramo = estado.tramo;
    DatosCalculo &calculo = estado.calculo;
    const bool leyDelTramo = tramo.DPInicialTramo > 0 || tramo.DPFinalTramo > 0 ||
                             tramo.MDPInicialTramo > 0 || tramo.MDPFinalTramo > 0;
    if (leyDelTramo) {
        calculo.DPInicialLey = tramo.DPInicialTramo;
        calculo.MDPInicialLey = tramo.MDPInicialTramo;
        calculo.DPFinalLey = tramo.DPFinalTramo;
        calculo.MDPFinalLey = tramo.MDPFinalTramo;
    } else {
        calculo.DPInicialLey = obra.DPInicialObra;
        calculo.MDPInicialLey = obra.MDPInicialObra;
        calculo.DPFinalLey = obra.DPFinalObra;
        calculo.MDPFinalLey = obra.MDPFinalObra;
    }
    const double tramoDP = calculo.DPFinalLey - calculo.DPInicialLey;
    if (tramoDP > 0) {
        calculo.PendienteLeyMDP = (calculo.MDPFinalLey - calculo.MDPInicialLey) / tramoDP;
    } else {
        calculo.PendienteLeyMDP = 1.0;
    }
}

void CalculaMDP(EstadoObra &estado, double DP)
{
    const DatosCalculo &calculo = estado.calculo;
    estado.caso.MDP =
        (DP - calculo.DPInicialLey) * calculo.PendienteLeyMDP + calculo.MDPInicialLey;
}

void CalculaPP(EstadoObra &estado)
{
    DatosCaso &caso = estado.caso;
    // Pipes up to 1200 mm inside are tested 2 at above MDP at least, larger ones 1 at.
    const double margen = estado.tramo.vDi * 1000 <= 1200 ? 2.0 : 1.0;
    caso.PP = std::max(1.2 * caso.MDP, caso.MDP + margen);
}

void CalculaSTP(EstadoObra &estado)
{
    DatosCaso &caso = estado.caso;
    if (estado.obra.GolpeArieteCalculado != Falso) {
        caso.STP = caso.MDP + 1;
    } else {
        caso.STP = std::min(1.5 * caso.MDP, caso.MDP + 5);
    }
}

void GuardaPP(EstadoObra &estado)
{
    estado.caso.PPNeta = estado.caso.PP;
}

} // namespace dravek
