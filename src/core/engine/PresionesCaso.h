#pragma once

// Fill-height range of a run's calculation and the pressures of each case. Pressures in at
// (kp/cm2), heights in m; they work in whatever units the values are in when called (calculation
// units inside a calculation).

#include "core/model/EstadoObra.h"

namespace dravek {

// The run's own height range when it gives either height (its step is kept), else the project's
// range and step. Sets AlturaInicial, AlturaFinal, AlturaActual and maybe IncrementoAltura.
void RangoAlturas(EstadoObra &estado);

// The run gives its own DP range when either of its ends is above 0; otherwise the project's
// range and step apply.
bool RangoPresionesDelTramo(const DatosTramo &tramo);

// The DP the cases of every height start at: the run's initial DP when it gives its own range,
// else the project's.
double PresionInicialCasos(const EstadoObra &estado);

// The two points of the DP->MDP law: the run's pressures as soon as one of the four is above 0,
// else the project's; and its slope (1.0 when the DP points do not rise).
void PreparaLeyMDP(EstadoObra &estado);

// Per case, in this order: MDP from DP by the law, the factory test pressure PP, the system test
// pressure STP, and the copy of PP used as "PP NETA".
void CalculaMDP(EstadoObra &estado, double DP);
void CalculaPP(EstadoObra &estado);
void CalculaSTP(EstadoObra &estado);
void GuardaPP(EstadoObra &estado);

} // namespace dravek
