// Steps between the cases of the adjustment window.

#include "core/adjustment/PasosCaso.h"

#include <gtest/gtest.h>

#include <optional>

namespace dravek {
namespace {

struct CasoPaso {
    const char *nombre;
    double desde, paso;
    bool siguiente;
    std::optional<double> esperado;
};

TEST(PasosCaso, Alturas)
{
    // Range 1 to 3 m.
    const CasoPaso casos[] = {
        {"next inside", 1.0, 0.5, true, 1.5},
        {"previous inside", 2.0, 0.5, false, 1.5},
        {"next past the end", 3.0, 0.5, true, std::nullopt},
        {"previous below the start", 1.0, 0.5, false, std::nullopt},
        {"lands within 0.01 of the end", 2.495, 0.5, true, 3.0},
        {"zero step recalculates the same height", 2.0, 0.0, true, 2.0},
    };
    for (const CasoPaso &c : casos) {
        SCOPED_TRACE(c.nombre);
        const std::optional<double> h = PasoAltura(c.desde, c.paso, 1.0, 3.0, c.siguiente);
        ASSERT_EQ(h.has_value(), c.esperado.has_value());
        if (h) {
            EXPECT_DOUBLE_EQ(*h, *c.esperado);
        }
    }
}

TEST(PasosCaso, Presiones)
{
    // Towards the bound 10 (next) or 4 (previous), calculation units.
    const CasoPaso casos[] = {
        {"next inside", 6.0, 2.0, true, 8.0},
        {"next onto the bound", 8.0, 2.0, true, 10.0},
        {"next past by less than 0.001", 8.0005, 2.0, true, 10.0},
        {"next past by 0.002", 8.002, 2.0, true, std::nullopt},
        {"previous inside", 8.0, 2.0, false, 6.0},
        {"previous past the bound", 5.0, 2.0, false, std::nullopt},
        {"zero step", 6.0, 0.0, true, std::nullopt},
        {"zero step back", 6.0, 0.0, false, std::nullopt},
    };
    for (const CasoPaso &c : casos) {
        SCOPED_TRACE(c.nombre);
        const std::optional<double> p =
            PasoPresion(c.desde, c.paso, c.siguiente ? 10.0 : 4.0, c.siguiente);
        ASSERT_EQ(p.has_value(), c.esperado.has_value());
        if (p) {
            EXPECT_DOUBLE_EQ(*p, *c.esperado);
        }
    }
}

TEST(PasosCaso, IncrementoDePresion)
{
    EstadoObra e;
    e.obra.IncrementoPresionObra = 2.0;
    e.tramo.IncrementoPresionTramo = 3.0;
    e.calculo.PendienteLeyMDP = 1.25;
    e.ejecucion.SistemaUnidades = "MKS";
    EXPECT_DOUBLE_EQ(IncrementoPresionVentana(e), 1.6); // the project's 2 / 1.25
    e.tramo.DPFinalTramo = 12;
    EXPECT_DOUBLE_EQ(IncrementoPresionVentana(e), 2.4); // the run's 3 / 1.25
    e.ejecucion.SistemaUnidades = "SI";
    EXPECT_DOUBLE_EQ(IncrementoPresionVentana(e), 24.0); // MPa steps in kp/cm2
    // A law without slope: no step, never an infinite one.
    e.calculo.PendienteLeyMDP = 0;
    EXPECT_DOUBLE_EQ(IncrementoPresionVentana(e), 0.0);
    EXPECT_FALSE(PasoPresion(6.0, IncrementoPresionVentana(e), 10.0, true).has_value());
}

TEST(PasosCaso, RecubrimientosDentroDelEspesor)
{
    EXPECT_TRUE(RecubrimientosCaben(2, 3, 10));
    EXPECT_FALSE(RecubrimientosCaben(5, 5, 10));
    EXPECT_FALSE(RecubrimientosCaben(7, 4, 10));
}

} // namespace
} // namespace dravek
