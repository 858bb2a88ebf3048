#pragma once

// Reinforcement of the pressure-only hypothesis ("PP NETA") of a reinforced-concrete pipe: the
// steel that the factory test pressure needs as hoop tension, split between the inner side of
// the wall (the cylinder with its inner spirals) and the outer side.

#include "core/engine/ContextoCalculo.h"

namespace dravek {

// Both areas in cm2 per metre of pipe, written on every path. Reads vDi (m), PP (at), Fyd
// (kp/cm2), FijaArmaduraExterior with ArmaduraExteriorMaxima (cm2/m; a maximum of 0 or less is
// no limit), CAMMAX (mm; 0 or less is no cap) and IndicadorCamisa. The exterior is never below
// 0: when the cylinder minimum of 15 cm2/m exceeds the pressure steel, the inner side carries
// more than is needed and the outer side nothing.
//
// Error: Fyd not positive; the message is in the listing and both areas are 0.
[[nodiscard]] ErrorCalculo ReparteArmaduraPresion(ContextoCalculo &contexto,
                                                  double &ArmaduraInterior,
                                                  double &ArmaduraExterior);

} // namespace dravek
