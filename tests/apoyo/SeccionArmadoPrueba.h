#pragma once

// The section of the worked examples of the reinforced-concrete section routines.

#include "core/model/EstadoObra.h"

namespace dravek::pruebas {

inline constexpr double EspesorEjemplo = 0.15;       // m
inline constexpr double RecubrimientoEjemplo = 0.03; // m, each face: d = 0.12 m

// Calculation units, MKS: FCK 300, GamaB 1.5, GamaF = GamaY = 1, Fyk 5100, Fyd 3400 (kp/cm2),
// control level 2, cracking class 3; the wall and covers above. The concrete never cracks
// (Fct 1e6 kp/cm2), so the cracking check of a pipe without cylinder lays the faces out as the
// bending gives them.
inline void PreparaSeccionEjemplo(EstadoObra &e)
{
    DatosTramo &t = e.tramo;
    t.FCK = 300;
    t.GamaB = 1.5;
    t.GamaF = 1.0;
    t.GamaY = 1.0;
    t.Fyk = 5100;
    t.Fyd = 3400;
    t.Fct = 1e6;
    t.ClaseFisuracion = 3;
    t.TipoControl = 2;
    t.ESP = EspesorEjemplo;
    t.RECI = RecubrimientoEjemplo;
    t.RECE = RecubrimientoEjemplo;
    e.ejecucion.SistemaUnidades = "MKS";
}

} // namespace dravek::pruebas
