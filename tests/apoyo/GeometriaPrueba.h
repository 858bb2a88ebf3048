#pragma once

// A standard-geometry table given row by row, as the default-data file would give it.

#include "core/model/EstadoObra.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace dravek::pruebas {

// Inner cover, outer cover and thickness of one typology group, mm.
struct Grupo {
    std::int32_t interior = 0;
    std::int32_t exterior = 0;
    std::int32_t espesor = 0;
};

// One row of the standard-geometry table: diameter (mm) and the groups of 1100, 1210, 2100,
// 2211 and 2221.
struct FilaGeometria {
    std::int32_t diametro = 0;
    Grupo g1100, g1210, g2100, g2211, g2221;
};

inline void PonGeometria(TablasPredeterminadas &tablas, const std::vector<FilaGeometria> &filas)
{
    tablas.DimensionesPredeterminadas = {};
    tablas.NumeroDimensiones = static_cast<std::int16_t>(filas.size());
    std::size_t i = 1;
    for (const FilaGeometria &f : filas) {
        auto &fila = tablas.DimensionesPredeterminadas[i++];
        fila[1] = f.diametro;
        std::size_t c = 2;
        for (const Grupo &g : {f.g1100, f.g1210, f.g2100, f.g2211, f.g2221}) {
            fila[c] = g.interior;
            fila[c + 1] = g.exterior;
            fila[c + 2] = g.espesor;
            c += 3;
        }
    }
}

} // namespace dravek::pruebas
