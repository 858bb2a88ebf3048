#pragma once

// The thrust load vQH of a run that gives its total vertical load.

#include "core/model/EstadoObra.h"

#include <optional>

namespace dravek {

// How an uncompacted trench treats its width when the load over it is given. Each place that
// works the load out has its own rule, and the saved projects were calculated with them:
enum class ReglaAnchoZanja {
    // Loading a stored run: a width of 3 m or less gives no thrust load (0).
    SoloMayorQueTres,
    // Leaving the load box: a width not yet set (0 after the run was cleared) is taken as the
    // automatic one, 1.4 x vDE + 0.68 m, rather than dividing by 0.
    AutomaticaSiFalta,
    // The case loop: a width not above 0 cannot be calculated; the caller reports it.
    Exigida,
};

// vQH of a run that gives its total vertical load CargaVerticalTotal: over the trench width
// (vDE x load / width) for an uncompacted trench, the load itself for a compacted trench, and
// the fill's own weight vGAMAT x altura for any other installation. Empty only under Exigida
// with a width not above 0.
std::optional<double> CargaHorizontalDada(const DatosTramo &t, double altura,
                                          ReglaAnchoZanja regla);

} // namespace dravek
