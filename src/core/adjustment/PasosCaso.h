#pragma once

// The steps of the adjustment window from one case to the next: fill heights and pressures,
// with their bounds and the snapping onto the end of the range.

#include "core/model/EstadoObra.h"

#include <optional>

namespace dravek {

// The next (or previous) fill height from H, m; nothing when it would leave the range (the
// comparison is exact). A height within 0.01 m of the end it moves towards takes the end.
std::optional<double> PasoAltura(double H, double IncrementoAltura, double AlturaInicial,
                                 double AlturaFinal, bool siguiente);

// The DP step of the case loop in calculation units: the run's increment when the run has
// pressures of its own, else the project's, over the slope of the DP-MDP law, times
// FactorTensiones in SI. A law without slope gives no finite step: 0, which the steps refuse.
double IncrementoPresionVentana(const EstadoObra &estado);

// The next (or previous) DP from P towards bound b with step s, calculation units; nothing for
// a step of 0 or one that passes the bound by 0.001 or more. Within 0.01 of b it takes b.
std::optional<double> PasoPresion(double P, double s, double b, bool siguiente);

// Alternative covers leave concrete between the layers: inner + outer below the thickness, cm.
bool RecubrimientosCaben(double interior, double exterior, double espesor);

} // namespace dravek
