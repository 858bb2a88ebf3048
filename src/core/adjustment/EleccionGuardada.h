#pragma once

// Which row of the adjustment window a stored override is shown on: the first of rows 1 to 7
// that shows the same cylinder and exterior values with no reinforcing steel, else row 8 as a
// direct selection of the stored values.

#include "core/adjustment/FilasArmadura.h"
#include "core/model/EstadoObra.h"
#include "core/reinforced/AjustesGuardados.h"

#include <cstdint>

namespace dravek {

struct EleccionRestaurada {
    std::int16_t FilaSeleccionada = 0; // 1 to 7 when a row matches, else 0
    bool SeleccionDirectaActiva = false;
    ArmaduraElegida Directa; // the stored values when no row matches
};

// Rows are compared as they are shown, through "####0.00", admissible or not.
EleccionRestaurada RecuperaEleccion(const EstadoEjecucion &ejecucion,
                                    const AjusteGuardado &guardado, const FilasTanteo &filas);

} // namespace dravek
