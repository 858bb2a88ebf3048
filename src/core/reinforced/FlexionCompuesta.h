#pragma once

// Steel of the tension face of a reinforced-concrete wall section under a ring moment and an
// axial force (bending with axial force): refused above the limit moment of the concrete,
// otherwise a closed formula with a fixed lever factor, raised to a minimum.

#include "core/engine/ContextoCalculo.h"
#include "core/reinforced/DisponeArmadura.h"

#include <cstdint>

namespace dravek {

// Code of EstadoDiseno for a section refused by the limit moment.
inline constexpr std::int16_t EstadoMomentoTope = 4;

// M (t.m/m, only |M| counts) and N (t/m, tension positive) of the section; h = ESP, RECI, RECE
// in m; cara CaraInterior when the inner face is in tension, any other value for the outer
// face. Reads FCK, Fyk, Fyd, GamaB, GamaF, GamaY of the run and BRAZO (m); ArmaduraTubo has
// checked that they and the effective depth are positive. An axial force of 0 is pure bending.
//
// Accepted: As (cm2/m) is written and the result is true. Refused (factored moment above the
// limit moment): As keeps its value, EstadoDiseno = 4, MomentoTopeSuperado is set, the warning
// "*** MOMENTO MAYOR QUE MOMENTO TOPE ***" is written at every call on the screen, the Normal
// and the Pantalla listing (not the Tabular one), and the result is false.
bool FlexionCompuesta(ContextoCalculo &contexto, double M, double N, double h, double RECI,
                      double RECE, double &As, std::int16_t cara);

} // namespace dravek
