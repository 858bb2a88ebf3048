// A stored override shown again on the row that holds its values.

#include "core/adjustment/EleccionGuardada.h"

#include <gtest/gtest.h>

namespace dravek {
namespace {

FilasTanteo Filas()
{
    FilasTanteo f;
    f.V = {0, 0, 10, 12.345, 15, 20, 15, 30};
    f.E = {0, 0, 0, 8.1, 4, 3, 4, 2};
    f.Admisible = {false, false, true, true, true, true, true, true};
    return f;
}

struct CasoEleccion {
    const char *nombre;
    AjusteGuardado guardado;
    std::int16_t fila;
    bool directa;
};

TEST(EleccionGuardada, FilaODireccion)
{
    const CasoEleccion casos[] = {
        {"matches row 4 (the first of two equal rows)", {15, 0, 4}, 4, false},
        {"matches a row as shown, two decimals", {12.35, 0, 8.1}, 3, false},
        {"matches an inadmissible row", {0, 0, 0}, 1, false},
        {"reinforcing steel never matches a table row", {15, 2, 4}, 0, true},
        {"no row holds these values", {16, 0, 4}, 0, true},
    };
    EstadoEjecucion ejecucion;
    for (const CasoEleccion &c : casos) {
        SCOPED_TRACE(c.nombre);
        const EleccionRestaurada r = RecuperaEleccion(ejecucion, c.guardado, Filas());
        EXPECT_EQ(r.FilaSeleccionada, c.fila);
        EXPECT_EQ(r.SeleccionDirectaActiva, c.directa);
        if (c.directa) {
            EXPECT_DOUBLE_EQ(r.Directa.Camisa, c.guardado.Camisa);
            EXPECT_DOUBLE_EQ(r.Directa.Refuerzo, c.guardado.Refuerzo);
            EXPECT_DOUBLE_EQ(r.Directa.Exterior, c.guardado.Exterior);
        }
    }
}

} // namespace
} // namespace dravek
