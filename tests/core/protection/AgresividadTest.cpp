#include "core/protection/Agresividad.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

struct CasoGrado {
    double valor;
    int grado;
};

void CompruebaGrados(int (*grado)(double), const std::vector<CasoGrado> &casos)
{
    for (const CasoGrado &c : casos) {
        SCOPED_TRACE(std::to_string(c.valor));
        EXPECT_EQ(grado(c.valor), c.grado);
    }
}

TEST(GradoAguas, PHEnCadaLimiteYJuntoAEl)
{
    CompruebaGrados(GradoPH, {{14.0, 0},
                              {7.0, 0},
                              {6.51, 0},
                              {6.5, 1},
                              {5.0, 1},
                              {4.5, 1},
                              {4.49, 2},
                              {4.0, 2},
                              {3.99, 3},
                              {1.0, 3},
                              {0.01, 3},
                              // An empty box reads 0: no pH given, not the strongest attack.
                              {0.0, 0},
                              {-1.0, 0}});
}

TEST(GradoAguas, CO2EnCadaLimiteYJuntoAEl)
{
    CompruebaGrados(GradoCO2, {{0.0, 0},
                               {14.99, 0},
                               {15.0, 1},
                               {60.0, 1},
                               {60.01, 2},
                               {100.0, 2},
                               {100.01, 3},
                               {5000.0, 3}});
}

TEST(GradoAguas, AmonioEnCadaLimiteYJuntoAEl)
{
    CompruebaGrados(
        GradoNH4, {{0.0, 0}, {14.99, 0}, {15.0, 1}, {30.0, 1}, {30.01, 2}, {60.0, 2}, {60.01, 3}});
}

TEST(GradoAguas, MagnesioEnCadaLimiteYJuntoAEl)
{
    CompruebaGrados(
        GradoMg,
        {{0.0, 0}, {299.99, 0}, {300.0, 1}, {1500.0, 1}, {1500.01, 2}, {3000.0, 2}, {3000.01, 3}});
}

ValoresAgresion Valores(double pH, double co2, double nh4, double mg)
{
    ValoresAgresion v{};
    v[ElementoPH] = pH;
    v[ElementoCO2] = co2;
    v[ElementoNH4] = nh4;
    v[ElementoMg] = mg;
    return v;
}

TEST(GradoAguas, ElMayorDeLosCuatro)
{
    struct Caso {
        std::string nombre;
        ValoresAgresion valores;
        int grado;
    };
    const std::vector<Caso> casos = {
        {"nada", Valores(0, 0, 0, 0), 0},
        {"pH neutro", Valores(7, 0, 0, 0), 0},
        {"pH debil", Valores(6, 0, 0, 0), 1},
        {"CO2 medio sobre pH debil", Valores(6, 80, 0, 0), 2},
        {"amonio fuerte", Valores(7, 20, 61, 400), 3},
        {"magnesio medio, resto debil", Valores(5, 20, 20, 2000), 2},
        {"sin pH, magnesio fuerte", Valores(0, 0, 0, 3500), 3},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(GradoAguas(c.valores), c.grado);
    }
}

// --- Measures ----------------------------------------------------------------------------------

struct Entrada {
    double pH = 7;
    double exterior = 0; // mg/l
    double interior = 0; // mg/l
    double terreno = 0;  // mg/kg
    bool ciclos = false;
};

struct Esperado {
    double dosificacion; // kg/m3
    double relacion;
    ClaseCemento cemento;
    bool adicionales;
    int gradoAguas;
    int gradoExterior;
};

struct CasoMedidas {
    std::string nombre;
    Entrada entrada;
    Esperado esperado;
};

constexpr ClaseCemento N = ClaseCemento::Normal;
constexpr ClaseCemento SR = ClaseCemento::SR;

// The pH picks the grade of the waters: 7 none, 6 weak, 4.2 medium, 3.5 strong.
std::vector<CasoMedidas> CasosMedidas()
{
    return {
        // Waters alone.
        {"aguas 0", {7}, {0, 0, N, false, 0, 0}},
        {"aguas 1", {6}, {350, 0.50, N, false, 1, 0}},
        {"aguas 2", {4.2}, {400, 0.45, N, false, 2, 0}},
        {"aguas 3", {3.5}, {400, 0.45, N, true, 3, 0}},
        {"pH 0 no dado", {0}, {0, 0, N, false, 0, 0}},
        // Outer-water sulphates against each grade of the waters.
        {"exterior 200 nada", {7, 200}, {0, 0, N, false, 0, 0}},
        {"exterior 200.01", {7, 200.01}, {350, 0.50, N, false, 0, 1}},
        {"exterior 600", {7, 600}, {350, 0.50, N, false, 0, 1}},
        {"exterior 600.01", {7, 600.01}, {350, 0.50, SR, false, 0, 2}},
        {"exterior 3000", {7, 3000}, {350, 0.50, SR, false, 0, 2}},
        {"exterior 3000.01", {7, 3000.01}, {400, 0.45, SR, false, 0, 3}},
        {"exterior 6000", {7, 6000}, {400, 0.45, SR, false, 0, 3}},
        {"exterior 6000.01", {7, 6000.01}, {400, 0.45, SR, true, 0, 4}},
        {"aguas 1 + exterior 400", {6, 400}, {350, 0.50, N, false, 1, 1}},
        {"aguas 1 + exterior 1000", {6, 1000}, {350, 0.50, SR, false, 1, 2}},
        {"aguas 1 + exterior 4000", {6, 4000}, {400, 0.45, SR, false, 1, 3}},
        // A content already at 400 neither lowers to 350 nor keeps the sulphate-resisting
        // cement and the grade away.
        {"aguas 2 + exterior 400", {4.2, 400}, {400, 0.45, N, false, 2, 1}},
        {"aguas 2 + exterior 1000", {4.2, 1000}, {400, 0.45, SR, false, 2, 2}},
        {"aguas 2 + exterior 4000", {4.2, 4000}, {400, 0.45, SR, false, 2, 3}},
        {"aguas 3 + exterior 1000", {3.5, 1000}, {400, 0.45, SR, true, 3, 2}},
        {"aguas 3 + exterior 7000", {3.5, 7000}, {400, 0.45, SR, true, 3, 4}},
        // Inner-water sulphates, alone and behind the outer water's grade.
        {"interior 200 nada", {7, 0, 200}, {0, 0, N, false, 0, 0}},
        {"interior 400", {7, 0, 400}, {350, 0.50, SR, false, 0, 0}},
        {"interior 1000", {7, 0, 1000}, {350, 0.50, SR, false, 0, 0}},
        {"interior 4000", {7, 0, 4000}, {400, 0.45, SR, false, 0, 0}},
        {"interior 7000", {7, 0, 7000}, {400, 0.45, SR, true, 0, 0}},
        {"aguas 2 + interior 1000", {4.2, 0, 1000}, {400, 0.45, SR, false, 2, 0}},
        {"aguas 1 + interior 7000", {6, 0, 7000}, {400, 0.45, SR, true, 1, 0}},
        {"exterior 400 + interior 400", {7, 400, 400}, {350, 0.50, SR, false, 0, 1}},
        {"exterior 400 + interior 1000", {7, 400, 1000}, {350, 0.50, SR, false, 0, 1}},
        {"aguas 2 + exterior 400 + interior 400", {4.2, 400, 400}, {400, 0.45, SR, false, 2, 1}},
        {"exterior 1000 salta interior 400", {7, 1000, 400}, {350, 0.50, SR, false, 0, 2}},
        {"exterior 1000 + interior 4000", {7, 1000, 4000}, {400, 0.45, SR, false, 0, 2}},
        {"exterior 4000 salta interior 2000", {7, 4000, 2000}, {400, 0.45, SR, false, 0, 3}},
        {"exterior 4000 + interior 4000", {7, 4000, 4000}, {400, 0.45, SR, false, 0, 3}},
        {"exterior 4000 + interior 7000", {7, 4000, 7000}, {400, 0.45, SR, true, 0, 3}},
        {"exterior 7000 salta interior 4000", {7, 7000, 4000}, {400, 0.45, SR, true, 0, 4}},
        // Soil sulphates, with and without wet and dry cycles.
        {"terreno 2000 nada", {7, 0, 0, 2000}, {0, 0, N, false, 0, 0}},
        {"terreno 2000.01", {7, 0, 0, 2000.01}, {350, 0.50, N, false, 0, 0}},
        {"terreno 3000", {7, 0, 0, 3000}, {350, 0.50, N, false, 0, 0}},
        {"terreno 3000.01", {7, 0, 0, 3000.01}, {350, 0.50, SR, false, 0, 0}},
        {"terreno 12000", {7, 0, 0, 12000}, {350, 0.50, SR, false, 0, 0}},
        {"terreno 12000.01", {7, 0, 0, 12000.01}, {400, 0.45, SR, false, 0, 0}},
        {"terreno 20000 con ciclos", {7, 0, 0, 20000, true}, {400, 0.45, SR, true, 0, 0}},
        {"ciclos sin sulfatos altos", {7, 0, 0, 5000, true}, {350, 0.50, SR, false, 0, 0}},
        {"aguas 2 + terreno 2500", {4.2, 0, 0, 2500}, {400, 0.45, N, false, 2, 0}},
        {"aguas 2 + terreno 5000", {4.2, 0, 0, 5000}, {400, 0.45, SR, false, 2, 0}},
        {"aguas 1 + terreno 20000 con ciclos",
         {6, 0, 0, 20000, true},
         {400, 0.45, SR, true, 1, 0}},
    };
}

TEST(CalculaMedidas, CadaCombinacionDeGrados)
{
    for (const CasoMedidas &c : CasosMedidas()) {
        SCOPED_TRACE(c.nombre);
        ValoresAgresion v{};
        v[ElementoPH] = c.entrada.pH;
        v[ElementoSulfatosExterior] = c.entrada.exterior;
        v[ElementoSulfatosInterior] = c.entrada.interior;
        v[ElementoSulfatosTerreno] = c.entrada.terreno;
        const MedidasAgresividad m = CalculaMedidas(v, c.entrada.ciclos);
        EXPECT_EQ(m.DosificacionCemento, c.esperado.dosificacion);
        EXPECT_DOUBLE_EQ(m.RelacionAguaCemento, c.esperado.relacion);
        EXPECT_EQ(m.TipoCemento, c.esperado.cemento);
        EXPECT_EQ(m.NecesidadesAdicionales, c.esperado.adicionales);
        EXPECT_EQ(m.GradoAguas, c.esperado.gradoAguas);
        EXPECT_EQ(m.GradoAgresividad, c.esperado.gradoExterior);
    }
}

TEST(CalculaMedidas, ResistividadYCorrienteNoCambianElHormigon)
{
    ValoresAgresion v{};
    v[ElementoResistividad] = 5;
    v[ElementoCorriente] = 500;
    const MedidasAgresividad m = CalculaMedidas(v, true);
    EXPECT_EQ(m.DosificacionCemento, 0);
    EXPECT_EQ(m.RelacionAguaCemento, 0);
    EXPECT_EQ(m.TipoCemento, ClaseCemento::Normal);
    EXPECT_FALSE(m.NecesidadesAdicionales);
}

// Each input keeps the bounds of its own quantity; every band of the grading lies well inside
// them, so no value the grading tells apart is refused.
TEST(MagnitudAgresividad, CadaEntradaConLosLimitesDeSuMagnitud)
{
    struct Caso {
        int elemento;
        Magnitud magnitud;
        double mayorBanda; // the highest bound the grading or the measures compare it with
    };
    const std::vector<Caso> casos = {
        {ElementoPH, Magnitud::PHAgua, 6.5},
        {ElementoCO2, Magnitud::ConcentracionAgua, 100},
        {ElementoNH4, Magnitud::ConcentracionAgua, 60},
        {ElementoMg, Magnitud::ConcentracionAgua, 3000},
        {ElementoSulfatosExterior, Magnitud::ConcentracionAgua, 6000},
        {ElementoSulfatosInterior, Magnitud::ConcentracionAgua, 6000},
        {ElementoSulfatosTerreno, Magnitud::SulfatosTerreno, 20000},
        {ElementoResistividad, Magnitud::ResistividadTerreno, 15},
        {ElementoCorriente, Magnitud::CorrienteVagabunda, 200},
    };
    ASSERT_EQ(casos.size(), static_cast<std::size_t>(NumeroEntradasAgresividad));
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.elemento);
        EXPECT_EQ(MagnitudAgresividad(c.elemento), c.magnitud);
        EXPECT_TRUE(DentroDeLimites(c.magnitud, 0));
        EXPECT_TRUE(DentroDeLimites(c.magnitud, 2 * c.mayorBanda));
    }
}

} // namespace
} // namespace dravek
