#pragma once

// Section design of a reinforced-concrete pipe wall for a range of design hypotheses: every
// section of the ring is sorted by its axial force and eccentricity into combined tension (both
// faces in tension) or bending with axial force, the two faces are sized from the governing
// sections, the outer face is held under the run's maximum by raising the inner face, and both
// faces are laid out as cylinder, bars and turns per metre, then checked.

#include "core/engine/ContextoCalculo.h"
#include "core/engine/HipotesisArmado.h"
#include "core/reinforced/ComprobacionesArmado.h"
#include "core/reinforced/TraccionCompuesta.h"

#include <cstdint>

namespace dravek {

// Raising the inner face 0.5 cm2/m at a time, at most this many times, is how the outer face is
// brought under its maximum.
inline constexpr std::int32_t MaximoElevaciones = 10000;

// Rounds of the alternating design of both faces when tension sections with a positive and with
// a negative moment both govern. The rounds always settle, in a few steps for real sections;
// the cap only keeps an absurd input from looping for ever.
inline constexpr std::int32_t MaximoRepeticionesCaras = 1000;

// Hypotheses NHIPO to ultimaHipotesis (rows of the tables), sections 1 to NSEC; ESP, RECI and
// RECE the run's wall and covers (m), IndicadorCamisa the run's cylinder kind (0 none, 1
// cylinder and spirals, 2 cylinder only), CAMMAX (mm) the thickest sheet. Reads the run's
// materials, FijaArmaduraExterior with ArmaduraExteriorMaxima (cm2/m; 0 or less is no limit),
// the listing kind and PasadaDefinitiva.
//
// Writes EstadoDiseno (0, then 4 for a section refused by the limit moment, 2 for a steel ratio
// above the maximum), BRAZO = ESP - RECI - RECE, and the bar layout CAMISA, FIIN, NESPIN, FIEX,
// NEXPEX. Warnings are listing lines; a "more than one layer" warning is written for the
// layout kept, never for the trial layouts of a search. An outer maximum that the inner face
// could not bring the outer face down to within MaximoElevaciones raises is said at once
// (texts 661, 662) and the inner face is not raised: the faces keep the areas they had.
//
// IESP comes back in the result, 0 unless the wall is too thin: 1 for a wall no thicker than its
// covers, found before anything is divided by it, and 1 when the cracking check cannot settle.
// The case then ends as a wall too thin ("ESPESOR DE TUBO INSUFICIENTE").
//
// Error, with its message already in the listing: a material value that validation should have
// refused (CompruebaMaterialesSeccion), a combined-tension design that does not settle
// (texts 661, 662), or a layout or check that refused its input.
//
// registro, when given, records the combined-tension solutions of this pass or replays those
// of an earlier pass that asked the same (RegistroTraccion).
ResultadoSeccion ArmaduraTubo(ContextoCalculo &contexto, double ESP, double RECI, double RECE,
                              const TablaHipotesis &MomentosPorHipotesis,
                              const TablaHipotesis &AxilesPorHipotesis,
                              std::int16_t IndicadorCamisa, std::int16_t NHIPO,
                              std::int16_t ultimaHipotesis, std::int16_t NSEC, double CAMMAX,
                              RegistroTraccion *registro = nullptr);

} // namespace dravek
