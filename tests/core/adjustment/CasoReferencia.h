#pragma once

// The reference case of the adjustment's tests: a 10 cm wall (z = 6 cm, d = 8 cm), Fyd 4000,
// Fcad 125 kp/cm2, hypothesis 4 governing, and the pressures of the case.

#include "core/model/EstadoObra.h"

namespace dravek::pruebas {

inline EstadoObra EstadoReferencia()
{
    EstadoObra e;
    e.tramo.Fyd = 4000;
    e.tramo.FCK = 300;
    e.tramo.GamaB = 1.5;
    e.tramo.GamaF = 1.6;
    e.tramo.vDi = 1.0;
    e.calculo.EspesorTramo = 10;
    e.caso.DP = 10;
    e.caso.STP = 12;
    e.caso.MDP = 11;
    e.caso.PPNeta = 9;
    e.caso.AlturaActual = 3;
    e.resultados.HipotesisPesima = 4;
    e.resultados.MomentosPesimos = {0, 0.3, -1.2, 2.5};
    e.resultados.AxilesPesimos = {0, 2, 1, -10};
    return e;
}

} // namespace dravek::pruebas
