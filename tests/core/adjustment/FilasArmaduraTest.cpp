// Rows 1 to 7 of the adjustment window against layouts and needs worked by hand.

#include "core/adjustment/FilasArmadura.h"

#include "core/adjustment/CasoReferencia.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

namespace dravek {
namespace {

TablasPredeterminadas Tabla(std::initializer_list<double> entradas)
{
    TablasPredeterminadas t;
    std::size_t j = 1;
    for (const double e : entradas) {
        t.ArmadurasInternasPredeterminadas[j++] = e;
    }
    t.NumeroArmadurasInternas = static_cast<std::int16_t>(entradas.size());
    return t;
}

struct CasoDisposicion {
    const char *nombre;
    double T;
    double X;
    std::int16_t filaValorMedio;
    std::array<double, 8> V;       // rows 1..7
    std::array<bool, 8> admisible; // rows 1..7
};

TEST(FilasArmadura, DisposicionDeLaTabla)
{
    const TablasPredeterminadas tabla = Tabla({5, 10, 15, 20, 25, 30, 35, 40});
    const CasoDisposicion casos[] = {
        {"trial between entries",
         12,
         5,
         4,
         {0, 0, 5, 10, 12, 15, 20, 25},
         {false, false, true, true, true, true, true, true}},
        // 15 is in the table: shown once, on the trial row; 10 = X is admissible, 5 is not.
        {"trial equal to an entry",
         15,
         10,
         4,
         {0, 0, 0, 10, 15, 20, 25, 30},
         {false, false, false, true, true, true, true, true}},
        {"trial at the last entry",
         40,
         15,
         4,
         {0, 0, 0, 0, 40, 0, 0, 0},
         {false, false, false, false, true, false, false, false}},
        {"trial above the table",
         41,
         15,
         4,
         {0, 0, 0, 0, 41, 0, 0, 0},
         {false, false, false, false, true, false, false, false}},
        {"trial row at the top",
         12,
         5,
         1,
         {0, 12, 15, 20, 25, 30, 35, 40},
         {false, true, true, true, true, true, true, true}},
        {"trial row at the bottom",
         12,
         5,
         7,
         {0, 0, 0, 0, 0, 5, 10, 12},
         {false, false, false, false, false, true, true, true}},
    };
    for (const CasoDisposicion &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        FilasTanteo filas;
        filas.T = caso.T;
        filas.X = caso.X;
        DisponeFilasTabla(filas, caso.filaValorMedio, tabla);
        for (std::size_t i = 1; i <= 7; ++i) {
            SCOPED_TRACE("row " + std::to_string(i));
            EXPECT_DOUBLE_EQ(filas.V[i], caso.V[i]);
            EXPECT_EQ(filas.Admisible[i], caso.admisible[i]);
            EXPECT_EQ(filas.EsTanteo[i], static_cast<int>(i) == caso.filaValorMedio);
        }
    }
}

// The check's reference case, with its table of areas.
EstadoObra EstadoConTabla()
{
    EstadoObra e = pruebas::EstadoReferencia();
    e.tablas = Tabla({5, 10, 15, 20, 25, 30, 35, 40});
    return e;
}

struct CasoTanteo {
    const char *nombre;
    double momentoSolera; // t.m/m
    double X;
    std::array<double, 8> V;
    std::array<double, 8> E;
};

TEST(FilasArmadura, TanteoYArmaduraExterior)
{
    // Share 0.5: crown (0.577/6 + 0.5) * 13 = 7.75, haunch (2.353/6 + 0.5) * 12.75 = 11.375.
    // Invert, large eccentricity, moment above 0: with 2.5 t.m it needs 14.5810, below 15, so
    // X stays 15 and T = X = 15, an entry of the table; with 3.0 t.m (e = 7.5, K1 = 0.5625,
    // K2 = 0.225) it needs (1 + 0.97*0.5625*1.225) * 10 = 16.6839, which becomes X and T.
    // Exterior need per row: the invert (interior, large) needs none; the crown (interior,
    // small) gives a negative need for every V above 14.25; the haunch (exterior, small) the
    // root of 24000 x^2 + (24000 V - 426000) x - 120000 V = 0, for V = 15:
    // (66000 + sqrt(66000^2 + 4*24000*15*120000)) / 48000 = 10.1437.
    const CasoTanteo casos[] = {
        {"trial on the least area",
         2.5,
         15.0,
         {0, 0, 0, 0, 15, 20, 25, 30},
         {0, 0, 0, 0, 10.1437, 8.9381, 8.1283, 7.5686}},
        {"least area raised by the invert",
         3.0,
         16.68390625,
         {0, 0, 0, 0, 16.68390625, 20, 25, 30},
         {0, 0, 0, 0, 9.6820, 8.9381, 8.1283, 7.5686}},
    };
    for (const CasoTanteo &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EstadoObra estado = EstadoConTabla();
        estado.resultados.MomentosPesimos[3] = caso.momentoSolera;
        const FilasTanteo f = CalculaFilasTanteo(estado, {2, 2}, 4);
        EXPECT_NEAR(f.X, caso.X, 1e-9);
        EXPECT_NEAR(f.T, caso.X, 1e-9);
        EXPECT_FALSE(f.TanteoIncompleto);
        for (std::size_t i = 1; i <= 7; ++i) {
            SCOPED_TRACE("row " + std::to_string(i));
            EXPECT_EQ(f.Admisible[i], i >= 4); // 15 and below under X in the second case
            EXPECT_NEAR(f.V[i], caso.V[i], 1e-9);
            EXPECT_NEAR(f.E[i], caso.E[i], 5e-5);
        }
    }
}

TEST(FilasArmadura, GranExcentricidadConInteriorTraccionadoNoPideExterior)
{
    // Hypothesis 2 (no pressure) and a haunch moment above 0: all three sections in large
    // eccentricity with the interior in tension. Their areas 8.958, 1.249, 4.315 stay below
    // 15, so T = X = 15 (equal to an entry): rows 4 to 7 hold 15, 20, 25, 30, none needs
    // exterior steel.
    EstadoObra estado = EstadoConTabla();
    estado.resultados.HipotesisPesima = 2;
    estado.resultados.MomentosPesimos[2] = 1.2;
    const FilasTanteo f = CalculaFilasTanteo(estado, {2, 2}, 4);
    EXPECT_DOUBLE_EQ(f.T, 15.0);
    const std::array<double, 8> V{0, 0, 0, 0, 15, 20, 25, 30};
    for (std::size_t i = 1; i <= 7; ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_DOUBLE_EQ(f.V[i], V[i]);
        EXPECT_DOUBLE_EQ(f.E[i], 0.0);
    }
}

TEST(FilasArmadura, SeccionSinValorNoDaNaN)
{
    // N = 0 at the crown: the trial value falls back to X (15), the crown adds no exterior need
    // and every number stays finite.
    EstadoObra estado = EstadoConTabla();
    estado.resultados.AxilesPesimos[1] = -50;
    const FilasTanteo f = CalculaFilasTanteo(estado, {2, 2}, 4);
    EXPECT_TRUE(f.TanteoIncompleto);
    EXPECT_DOUBLE_EQ(f.T, 15.0);
    EXPECT_NEAR(f.E[4], 10.1437, 5e-5);
    for (std::size_t i = 1; i <= 7; ++i) {
        EXPECT_TRUE(std::isfinite(f.V[i]) && std::isfinite(f.E[i]));
    }
}

} // namespace
} // namespace dravek
