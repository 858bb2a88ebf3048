#pragma once

// The case loop of one pipe run: every fill height of the run with every design pressure DP is
// one calculation case, listed the moment it is calculated. Expects the working values in
// calculation units (ConvierteUnidades "ParaCalculo"), the run validated and the listing sink
// chosen.

#include "core/engine/ContextoCalculo.h"
#include "core/listing/SalidaListado.h"

#include <cstddef>
#include <cstdint>

namespace dravek {

// altura (m) and dp (at) both at or below -0.5 (callers pass -1, -1): the run's whole height and
// pressure ranges. Otherwise one single case at that height and DP, as the reinforcement
// adjustment recalculates it; IncrementoPresion is 0 afterwards.
//
// numeroCaso is the case number within the current height: 1 at each new height, +1 after each
// case. The run's geometry is in calculation units while the loop runs (Delca in cm, ESP, RECI
// and RECE in m, the concrete 120 degree cradle as analysis code 3) and comes back as entered,
// with the run's height range, on every way out: an error or an exception included.
//
// Before the first case the run is checked (CompruebaDatosCalculo): a run that cannot be
// calculated, or one of more than MaximoCasosCalculo cases, calculates nothing. That, and a
// step that cannot go on (the Marston loads, the ring analysis, a design), ends the
// calculation: its message is already in the listing and is returned for the command to show.
ErrorCalculo CalculaCasos(ContextoCalculo &contexto, std::int32_t &numeroCaso, double altura,
                          double dp);

// Screen text the program makes ready at start-up: that of a run of some 2 000 cases. A larger
// run, whose calculation lasts long enough not to notice it, asks for its own after its second
// case.
inline constexpr std::size_t PantallaDeArranque = std::size_t{5} << 20; // bytes

// Gives the screen listing room for PantallaDeArranque more bytes and writes over it once, so
// that the first command of a session writes its text into memory the program already holds.
// On a virtual machine even memory the system has handed over costs a trap to the host at the
// program's first write to each page, tens of microseconds under load: for a run of a few
// hundred cases the first command would take several times as long as the next ones.
void PreparaMemoriaPantalla(SalidaListado &salida);

} // namespace dravek
