// Marston earth loads and live loads per metre of pipe.
//
// Expected loads were computed by hand from the load formulas in a separate python3 script that
// finds the root of e^x - x = c by bisection (200 halvings), not by Newton, so the values below
// are independent of the routine; they are pasted with 12 significant digits. The routine stops
// Newton when a step is below 1e-5, which leaves the root within about 1e-10 for these
// quadratically converging cases, hence the 1e-6 t/m tolerance.

#include "core/engine/mdMarston.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace dravek {
namespace {

constexpr double ToleranciaCalculo = 1e-6; // t/m, against the hand calculation

// The fill and pipe of the worked examples: phi 30 degrees, 1.8 t/m3, Bc 1.2 m, B 2.36 m.
EntradaMarston EntradaBase()
{
    EntradaMarston e;
    e.Altura = 3.0;
    e.AnchoZanja = 2.36;
    e.DistanciaTerrenoNatural = 0.0;
    e.PesoEspecificoRelleno = 1.8;
    e.AnguloRozamiento = 30.0;
    e.CodigoColocacion = 12;
    e.CodigoRelleno = 11;
    e.RazonAsentamiento = 0;
    e.TipoCargaMovil = 0;
    e.DiametroExterior = 1.2;
    return e;
}

void EsperaSinError(const ResultadoMarston &r)
{
    ASSERT_EQ(r.Error, ErrorMarston::Ninguno);
    EXPECT_TRUE(std::isfinite(r.W));
    EXPECT_TRUE(std::isfinite(r.W2));
}

TEST(TanGradosTest, ThirtyDegreesGivesTheMarstonProductOfTheExamples)
{
    const double K = TanGrados(45.0 - 15.0) * TanGrados(45.0 - 15.0);
    EXPECT_NEAR(K, 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(TanGrados(30.0), 1.0 / std::sqrt(3.0), 1e-12);
    EXPECT_NEAR(2.0 * K * TanGrados(30.0), 0.3849, 1e-4);
    EXPECT_NEAR(TanGrados(45.0), 1.0, 1e-12);
}

// The root is chosen first and c derived from it, so the expected x needs no solver.
TEST(ResuelveNewtonTest, FindsTheRootOfTheStartValuesSign)
{
    struct Fila {
        double raiz;
        double x0;
    };
    const std::vector<Fila> filas = {
        {0.7, 0.1},   // start below the root: the first step overshoots, then comes down
        {2.5, 5.0},   // start above the root
        {10.0, 12.0}, // large root, e^x about 22000
        {-1.5, -0.3}, // negative root, as for a trench under an embankment
        {-0.2, -3.0},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE("root " + std::to_string(f.raiz) + " from " + std::to_string(f.x0));
        const double c = std::exp(f.raiz) - f.raiz;
        double x = 99.0;
        ASSERT_EQ(ResuelveNewton(x, c, f.x0), ErrorMarston::Ninguno);
        EXPECT_NEAR(x, f.raiz, 1e-8);
        EXPECT_NEAR(FuncionAsiento(x, c), 0.0, 1e-8 * c);
    }
}

TEST(ResuelveNewtonTest, ReturnsAnErrorInsteadOfLoopingOrDividingByZero)
{
    struct Fila {
        const char *caso;
        double c;
        double x0;
    };
    const std::vector<Fila> filas = {
        {"no root: e^x - x is never below 1", 0.5, 0.3},
        {"double root at 0, derivative zero at the start", 1.0, 0.0},
        {"start so far out that e^x overflows", 2.0, 800.0},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.caso);
        double x = 0.25;
        EXPECT_EQ(ResuelveNewton(x, f.c, f.x0), ErrorMarston::SinConvergencia);
        EXPECT_TRUE(std::isfinite(x));
    }
}

struct FilaTierras {
    const char *caso;
    std::int16_t codigo;
    double H;
    double hPrima;
    std::int16_t razon;
    std::int16_t relleno;
    double W;
    double W2;
    std::int16_t terraplen;
    double cargaNoAdoptada;
    double tolerancia;
};

void CompruebaTierras(const std::vector<FilaTierras> &filas)
{
    for (const FilaTierras &f : filas) {
        SCOPED_TRACE(f.caso);
        EntradaMarston e = EntradaBase();
        e.CodigoColocacion = f.codigo;
        e.Altura = f.H;
        e.DistanciaTerrenoNatural = f.hPrima;
        e.RazonAsentamiento = f.razon;
        e.CodigoRelleno = f.relleno;
        if (f.codigo > 30) {
            e.AnchoZanja = 0.0; // an embankment has no trench; the width is not read
        }
        const ResultadoMarston r = CalculaCargasMarston(e);
        EsperaSinError(r);
        EXPECT_NEAR(r.W, f.W, f.tolerancia);
        EXPECT_NEAR(r.W2, f.W2, f.tolerancia);
        EXPECT_EQ(r.TerraplenAdoptado, f.terraplen);
        EXPECT_NEAR(r.CargaNoAdoptada, f.cargaNoAdoptada, f.tolerancia);
        EXPECT_EQ(r.CoeficienteImpacto, 0.0);
        EXPECT_EQ(r.CargaMovil, 0.0);
    }
}

// The worked examples, at the precision they are quoted: two decimals (0.005), "about 10.1"
// (0.05). The embankment code leaves CargaNoAdoptada as given (0 here).
TEST(CalculaCargasMarstonTest, ReproducesTheWorkedExamples)
{
    CompruebaTierras({
        {.caso = "trench 12, trench load kept",
         .codigo = 12,
         .H = 3.0,
         .hPrima = 0.0,
         .razon = 0,
         .relleno = 11,
         .W = 5.13,
         .W2 = 5.13,
         .terraplen = Falso,
         .cargaNoAdoptada = 9.81,
         .tolerancia = 0.005},
        {.caso = "trench 11, embankment load adopted",
         .codigo = 11,
         .H = 3.0,
         .hPrima = 0.0,
         .razon = 0,
         .relleno = 11,
         .W = 9.81,
         .W2 = 6.48,
         .terraplen = Verdadero,
         .cargaNoAdoptada = 10.1,
         .tolerancia = 0.05},
        {.caso = "embankment, incomplete condition",
         .codigo = 31,
         .H = 3.0,
         .hPrima = 0.6,
         .razon = 2,
         .relleno = 0,
         .W = 9.01,
         .W2 = 6.48,
         .terraplen = Falso,
         .cargaNoAdoptada = 0.0,
         .tolerancia = 0.005},
        {.caso = "embankment, complete condition",
         .codigo = 31,
         .H = 1.0,
         .hPrima = 0.6,
         .razon = 2,
         .relleno = 0,
         .W = 2.55,
         .W2 = 2.16,
         .terraplen = Falso,
         .cargaNoAdoptada = 0.0,
         .tolerancia = 0.005},
    });
}

TEST(CalculaCargasMarstonTest, EarthLoadsOfEveryInstallationMatchTheHandCalculation)
{
    constexpr double t = ToleranciaCalculo;
    CompruebaTierras({
        // Trench: W on B for 11, on Bc for 12; compared with the projecting condition p = 1.
        {.caso = "11 H 3",
         .codigo = 11,
         .H = 3.0,
         .hPrima = 0.0,
         .razon = 0,
         .relleno = 11,
         .W = 9.80866051856,
         .W2 = 6.48,
         .terraplen = Verdadero,
         .cargaNoAdoptada = 10.0835090089,
         .tolerancia = t},
        {.caso = "12 H 3",
         .codigo = 12,
         .H = 3.0,
         .hPrima = 0.0,
         .razon = 0,
         .relleno = 11,
         .W = 5.12720797062,
         .W2 = 5.12720797062,
         .terraplen = Falso,
         .cargaNoAdoptada = 9.80866051856,
         .tolerancia = t},
        {.caso = "11 H 1 soil 21",
         .codigo = 11,
         .H = 1.0,
         .hPrima = 0.0,
         .razon = 0,
         .relleno = 21,
         .W = 2.54661829804,
         .W2 = 2.16,
         .terraplen = Verdadero,
         .cargaNoAdoptada = 3.98908614834,
         .tolerancia = t},
        {.caso = "12 H 6 soil 23",
         .codigo = 12,
         .H = 6.0,
         .hPrima = 0.0,
         .razon = 0,
         .relleno = 23,
         .W = 9.92649958301,
         .W2 = 9.92649958301,
         .terraplen = Falso,
         .cargaNoAdoptada = 21.1798395428,
         .tolerancia = t},
        {.caso = "11 H 8 soil 12, trench kept",
         .codigo = 11,
         .H = 8.0,
         .hPrima = 0.0,
         .razon = 0,
         .relleno = 12,
         .W = 20.4539253794,
         .W2 = 10.4003010404,
         .terraplen = Falso,
         .cargaNoAdoptada = 28.760625559,
         .tolerancia = t},
        // Trench under an embankment, one row per piece of the settlement ratio (p' = h'/B).
        {.caso = "21 p' 0.21, incomplete",
         .codigo = 21,
         .H = 3.0,
         .hPrima = 0.5,
         .razon = 0,
         .relleno = 0,
         .W = 8.82049829728,
         .W2 = 6.48,
         .terraplen = Verdadero,
         .cargaNoAdoptada = 11.3883822899,
         .tolerancia = t},
        {.caso = "21 p' 0.21, H 1",
         .codigo = 21,
         .H = 1.0,
         .hPrima = 0.5,
         .razon = 0,
         .relleno = 0,
         .W = 2.54661829804,
         .W2 = 2.16,
         .terraplen = Verdadero,
         .cargaNoAdoptada = 3.93170129849,
         .tolerancia = t},
        {.caso = "22 p' 0.85, incomplete",
         .codigo = 22,
         .H = 3.0,
         .hPrima = 2.0,
         .razon = 0,
         .relleno = 0,
         .W = 5.14336560105,
         .W2 = 5.14336560105,
         .terraplen = Falso,
         .cargaNoAdoptada = 10.4073614704,
         .tolerancia = t},
        {.caso = "21 p' 1.40, incomplete",
         .codigo = 21,
         .H = 12.0,
         .hPrima = 3.3,
         .razon = 0,
         .relleno = 0,
         .W = 27.9376395925,
         .W2 = 14.2055794538,
         .terraplen = Falso,
         .cargaNoAdoptada = 57.6477527346,
         .tolerancia = t},
        {.caso = "21 p' 1.69, complete",
         .codigo = 21,
         .H = 6.0,
         .hPrima = 4.0,
         .razon = 0,
         .relleno = 0,
         .W = 16.2568338497,
         .W2 = 8.26618670325,
         .terraplen = Falso,
         .cargaNoAdoptada = 27.708998741,
         .tolerancia = t},
        {.caso = "22 p' 2.12, incomplete",
         .codigo = 22,
         .H = 12.0,
         .hPrima = 5.0,
         .razon = 0,
         .relleno = 0,
         .W = 11.5092658542,
         .W2 = 11.5092658542,
         .terraplen = Falso,
         .cargaNoAdoptada = 66.206195522,
         .tolerancia = t},
        // Embankment by settlement ratio 1.0, 0.5, 0.3.
        {.caso = "31 r 0.5 H 3",
         .codigo = 31,
         .H = 3.0,
         .hPrima = 0.6,
         .razon = 2,
         .relleno = 0,
         .W = 9.01026462838,
         .W2 = 6.48,
         .terraplen = Falso,
         .cargaNoAdoptada = 0.0,
         .tolerancia = t},
        {.caso = "31 r 0.5 H 1",
         .codigo = 31,
         .H = 1.0,
         .hPrima = 0.6,
         .razon = 2,
         .relleno = 0,
         .W = 2.54661829804,
         .W2 = 2.16,
         .terraplen = Falso,
         .cargaNoAdoptada = 0.0,
         .tolerancia = t},
        {.caso = "31 r 0.3 H 3",
         .codigo = 31,
         .H = 3.0,
         .hPrima = 0.6,
         .razon = 3,
         .relleno = 0,
         .W = 8.50536606993,
         .W2 = 6.48,
         .terraplen = Falso,
         .cargaNoAdoptada = 0.0,
         .tolerancia = t},
        {.caso = "31 r 1.0 p 1.5",
         .codigo = 31,
         .H = 2.0,
         .hPrima = 1.8,
         .razon = 1,
         .relleno = 0,
         .W = 6.05626883697,
         .W2 = 4.32,
         .terraplen = Falso,
         .cargaNoAdoptada = 0.0,
         .tolerancia = t},
        {.caso = "31 r 1.0 p 2",
         .codigo = 31,
         .H = 5.0,
         .hPrima = 2.4,
         .razon = 1,
         .relleno = 0,
         .W = 22.9437977939,
         .W2 = 10.8,
         .terraplen = Falso,
         .cargaNoAdoptada = 0.0,
         .tolerancia = t},
    });
}

TEST(CalculaCargasMarstonTest, OtherFrictionAnglesMatchTheHandCalculation)
{
    struct Fila {
        double phi;
        std::int16_t codigo;
        double H;
        double hPrima;
        std::int16_t razon;
        std::int16_t relleno;
        double W;
        double cargaNoAdoptada;
    };
    const std::vector<Fila> filas = {
        {.phi = 20.0,
         .codigo = 12,
         .H = 2.0,
         .hPrima = 0.0,
         .razon = 0,
         .relleno = 12,
         .W = 3.76851692082,
         .cargaNoAdoptada = 5.88565691698},
        {.phi = 38.0,
         .codigo = 31,
         .H = 4.0,
         .hPrima = 1.2,
         .razon = 1,
         .relleno = 0,
         .W = 15.0384984294,
         .cargaNoAdoptada = 0.0},
        {.phi = 25.0,
         .codigo = 22,
         .H = 4.0,
         .hPrima = 1.0,
         .razon = 0,
         .relleno = 0,
         .W = 7.3866507191,
         .cargaNoAdoptada = 13.1590889812},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE("phi " + std::to_string(f.phi) + " code " + std::to_string(f.codigo));
        EntradaMarston e = EntradaBase();
        e.AnguloRozamiento = f.phi;
        e.CodigoColocacion = f.codigo;
        e.Altura = f.H;
        e.DistanciaTerrenoNatural = f.hPrima;
        e.RazonAsentamiento = f.razon;
        e.CodigoRelleno = f.relleno;
        const ResultadoMarston r = CalculaCargasMarston(e);
        EsperaSinError(r);
        EXPECT_NEAR(r.W, f.W, ToleranciaCalculo);
        EXPECT_NEAR(r.CargaNoAdoptada, f.cargaNoAdoptada, ToleranciaCalculo);
    }
}

TEST(CalculaCargasMarstonTest, TrenchHandsBackTheOuterDiameterAsProjection)
{
    EntradaMarston e = EntradaBase();
    e.DistanciaTerrenoNatural = 0.0; // what a trench run holds
    EXPECT_EQ(CalculaCargasMarston(e).DistanciaTerrenoNatural, 1.2);

    e.CodigoColocacion = 22;
    e.DistanciaTerrenoNatural = 2.0;
    EXPECT_EQ(CalculaCargasMarston(e).DistanciaTerrenoNatural, 2.0);
}

// The embankment-condition load of the trench comparison depends on H, Bc, phi and gamma only, so
// a trench code that computes no W of its own (13) compares the caller's W with it.
class ComparacionZanjaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_entrada = EntradaBase();
        m_entrada.CodigoColocacion = 13;
        m_entrada.W2Anterior = -1.0;
    }
    EntradaMarston m_entrada;
    static constexpr double m_cargaSaliente = 9.80866051856; // H 3, p 1, r 0.5, by hand
    static constexpr double m_cargaPrisma = 6.48;            // 1.8 x 3.0 x 1.2
    static constexpr double m_W2Zanja = 5.12720797062;       // Cd gamma H Bc, soil 11
};

TEST_F(ComparacionZanjaTest, AnotherTrenchCodeKeepsTheCallersLoad)
{
    m_entrada.WAnterior = 4.0;
    const ResultadoMarston r = CalculaCargasMarston(m_entrada);
    EsperaSinError(r);
    EXPECT_EQ(r.W, 4.0);
    EXPECT_NEAR(r.W2, m_W2Zanja, ToleranciaCalculo);
    EXPECT_EQ(r.TerraplenAdoptado, Falso);
    EXPECT_NEAR(r.CargaNoAdoptada, m_cargaSaliente, ToleranciaCalculo);

    m_entrada.WAnterior = 100.0;
    const ResultadoMarston mayor = CalculaCargasMarston(m_entrada);
    EXPECT_EQ(mayor.TerraplenAdoptado, Verdadero);
    EXPECT_EQ(mayor.CargaNoAdoptada, 100.0);
    EXPECT_NEAR(mayor.W, m_cargaSaliente, ToleranciaCalculo);
    EXPECT_NEAR(mayor.W2, m_cargaPrisma, 1e-12);
}

TEST_F(ComparacionZanjaTest, EqualLoadsAdoptTheEmbankmentCondition)
{
    // The routine's own projecting load, taken from a code 12 call, fed back as the trench W.
    EntradaMarston zanja = EntradaBase();
    const double cargaSaliente = CalculaCargasMarston(zanja).CargaNoAdoptada;
    ASSERT_NEAR(cargaSaliente, m_cargaSaliente, ToleranciaCalculo);

    m_entrada.WAnterior = cargaSaliente;
    const ResultadoMarston igual = CalculaCargasMarston(m_entrada);
    EXPECT_EQ(igual.TerraplenAdoptado, Verdadero);
    EXPECT_EQ(igual.W, cargaSaliente);
    EXPECT_EQ(igual.CargaNoAdoptada, cargaSaliente);
    EXPECT_NEAR(igual.W2, m_cargaPrisma, 1e-12);

    m_entrada.WAnterior = std::nextafter(cargaSaliente, 0.0);
    const ResultadoMarston menor = CalculaCargasMarston(m_entrada);
    EXPECT_EQ(menor.TerraplenAdoptado, Falso);
    EXPECT_EQ(menor.W, m_entrada.WAnterior);
    EXPECT_EQ(menor.CargaNoAdoptada, cargaSaliente);
}

TEST(CalculaCargasMarstonTest, EmbankmentLeavesTheCallersCargaNoAdoptada)
{
    EntradaMarston e = EntradaBase();
    e.CodigoColocacion = 31;
    e.DistanciaTerrenoNatural = 0.6;
    e.RazonAsentamiento = 2;
    e.CargaNoAdoptadaAnterior = 7.5;
    e.WAnterior = 50.0;
    const ResultadoMarston r = CalculaCargasMarston(e);
    EsperaSinError(r);
    EXPECT_EQ(r.CargaNoAdoptada, 7.5);
    EXPECT_EQ(r.TerraplenAdoptado, Falso);
    EXPECT_NEAR(r.W, 9.01026462838, ToleranciaCalculo);
}

TEST(CalculaCargasMarstonTest, CodeThirtyComputesNoEarthLoad)
{
    EntradaMarston e = EntradaBase();
    e.CodigoColocacion = 30;
    e.AnchoZanja = 0.0;       // not read by code 30
    e.AnguloRozamiento = 0.0; // nor is the friction angle
    e.WAnterior = 2.0;
    e.W2Anterior = 1.5;
    e.CargaNoAdoptadaAnterior = 0.75;
    const ResultadoMarston r = CalculaCargasMarston(e);
    EsperaSinError(r);
    EXPECT_EQ(r.W, 2.0);
    EXPECT_EQ(r.W2, 1.5);
    EXPECT_EQ(r.CargaNoAdoptada, 0.75);
    EXPECT_EQ(r.TerraplenAdoptado, Falso);
    EXPECT_EQ(r.CargaMovil, 0.0);
    EXPECT_EQ(r.CoeficienteImpacto, 0.0);
}

// Code 30 adds no earth load, so with Bc = 1 m the live load is q x impact on top of the caller's
// W and W2. q and the impact coefficient by hand from the crown-pressure table.
TEST(CalculaCargasMarstonTest, LiveLoadsAndImpactCoefficientsByTypeAndHeight)
{
    struct Fila {
        const char *caso;
        std::int16_t tipo;
        double H;
        double impacto;
        double movil; // q x impact, t/m for Bc = 1
    };
    const std::vector<Fila> filas = {
        {"axle 7 t, shallow", 1, 0.5, 1.6, 7.04402515723},
        {"axle 7 t at 1.21 uses the 3.5 formula", 1, 1.21, 1.2479338843, 1.3814559429},
        {"axle 7 t above 1.21 uses the 7 formula", 1, 1.22, 1.24590163934, 1.24197416219},
        {"axle 7 t, impact 1.15 at 2 m", 1, 2.0, 1.15, 0.591042584435},
        {"axle 13 t below 1.0 uses the 6.5 formula", 2, 0.99, 1.30303030303, 3.09321424934},
        {"axle 13 t at 1.0 uses the 13 formula", 2, 1.0, 1.3, 2.82608695652},
        {"axle 13 t, impact exactly 1 at 3 m", 2, 3.0, 1.0, 0.497322111706},
        {"vehicle 60 t at 0.93 uses the 10 formula", 3, 0.93, 1.32258064516, 5.30401542687},
        {"vehicle 60 t between 0.93 and 1.0", 3, 0.95, 1.31578947368, 4.78477599114},
        {"vehicle 60 t at 1.0 uses the 60 formula", 3, 1.0, 1.3, 4.33815350389},
        {"vehicle 60 t deep", 3, 4.0, 1.0, 0.916870415648},
        {"railway, f 1.67", 4, 1.0, 1.3, 10.5599687857},
        {"railway, f 1.57", 4, 2.0, 1.15, 5.88630484429},
        {"railway, f reaches 1.0 at 7.7", 4, 7.7, 1.0, 1.01394796027},
        {"railway, f stays 1.0 below its formula", 4, 10.0, 1.0, 0.777708573386},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.caso);
        EntradaMarston e = EntradaBase();
        e.CodigoColocacion = 30;
        e.DiametroExterior = 1.0;
        e.Altura = f.H;
        e.TipoCargaMovil = f.tipo;
        e.WAnterior = 2.0;
        e.W2Anterior = 1.5;
        const ResultadoMarston r = CalculaCargasMarston(e);
        EsperaSinError(r);
        EXPECT_NEAR(r.CoeficienteImpacto, f.impacto, 1e-10);
        EXPECT_NEAR(r.CargaMovil, f.movil, 1e-10);
        EXPECT_NEAR(r.W, 2.0 + f.movil, 1e-10);
        EXPECT_NEAR(r.W2, 1.5 + f.movil, 1e-10);
    }
}

TEST(CalculaCargasMarstonTest, LiveLoadIsAddedToBothEarthLoads)
{
    struct Fila {
        const char *caso;
        std::int16_t codigo;
        double H;
        double hPrima;
        std::int16_t razon;
        std::int16_t tipo;
        double W;
        double W2;
        double impacto;
        double movil;
    };
    const std::vector<Fila> filas = {
        {.caso = "trench 12, axle 13 t",
         .codigo = 12,
         .H = 3.0,
         .hPrima = 0.0,
         .razon = 0,
         .tipo = 2,
         .W = 5.72399450467,
         .W2 = 5.72399450467,
         .impacto = 1.0,
         .movil = 0.596786534047},
        {.caso = "trench 11 adopting the embankment, axle 7 t",
         .codigo = 11,
         .H = 3.0,
         .hPrima = 0.0,
         .razon = 0,
         .tipo = 1,
         .W = 10.1470972631,
         .W2 = 6.81843674456,
         .impacto = 1.0,
         .movil = 0.338436744561},
        {.caso = "embankment, vehicle 60 t",
         .codigo = 31,
         .H = 1.0,
         .hPrima = 0.6,
         .razon = 2,
         .tipo = 3,
         .W = 7.75240250271,
         .W2 = 7.36578420467,
         .impacto = 1.3,
         .movil = 5.20578420467},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.caso);
        EntradaMarston e = EntradaBase();
        e.CodigoColocacion = f.codigo;
        e.Altura = f.H;
        e.DistanciaTerrenoNatural = f.hPrima;
        e.RazonAsentamiento = f.razon;
        e.TipoCargaMovil = f.tipo;
        const ResultadoMarston r = CalculaCargasMarston(e);
        EsperaSinError(r);
        EXPECT_NEAR(r.W, f.W, ToleranciaCalculo);
        EXPECT_NEAR(r.W2, f.W2, ToleranciaCalculo);
        EXPECT_NEAR(r.CoeficienteImpacto, f.impacto, 1e-12);
        EXPECT_NEAR(r.CargaMovil, f.movil, ToleranciaCalculo);
    }
}

// Inputs that would divide by zero, overflow or never converge give an error code and finite
// zero loads, never NaN or a hang.
TEST(CalculaCargasMarstonTest, UnsoundInputGivesAnErrorAndNoNaN)
{
    struct Fila {
        const char *caso;
        std::function<void(EntradaMarston &)> cambia;
        ErrorMarston error;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto terraplen = [](EntradaMarston &e) {
        e.CodigoColocacion = 31;
        e.DistanciaTerrenoNatural = 0.6;
        e.RazonAsentamiento = 2;
    };
    const std::vector<Fila> filas = {
        {"phi 0", [](EntradaMarston &e) { e.AnguloRozamiento = 0.0; },
         ErrorMarston::AnguloRozamientoNoValido},
        {"phi 90", [](EntradaMarston &e) { e.AnguloRozamiento = 90.0; },
         ErrorMarston::AnguloRozamientoNoValido},
        {"phi 90, embankment",
         [&](EntradaMarston &e) {
             terraplen(e);
             e.AnguloRozamiento = 90.0;
         },
         ErrorMarston::AnguloRozamientoNoValido},
        {"phi 120", [](EntradaMarston &e) { e.AnguloRozamiento = 120.0; },
         ErrorMarston::AnguloRozamientoNoValido},
        {"B 0, trench 11", [](EntradaMarston &e) { e.AnchoZanja = 0.0; },
         ErrorMarston::AnchoZanjaNoValido},
        {"B 0, trench under an embankment",
         [](EntradaMarston &e) {
             e.CodigoColocacion = 21;
             e.DistanciaTerrenoNatural = 1.0;
             e.AnchoZanja = 0.0;
         },
         ErrorMarston::AnchoZanjaNoValido},
        {"H 0", [](EntradaMarston &e) { e.Altura = 0.0; }, ErrorMarston::AlturaNoValida},
        {"H 0, code 30 with a live load",
         [](EntradaMarston &e) {
             e.CodigoColocacion = 30;
             e.TipoCargaMovil = 1;
             e.Altura = 0.0;
         },
         ErrorMarston::AlturaNoValida},
        {"H negative", [](EntradaMarston &e) { e.Altura = -1.0; }, ErrorMarston::AlturaNoValida},
        {"H NaN", [&](EntradaMarston &e) { e.Altura = nan; }, ErrorMarston::AlturaNoValida},
        {"Bc 0", [](EntradaMarston &e) { e.DiametroExterior = 0.0; },
         ErrorMarston::DiametroNoValido},
        {"Bc 0, embankment",
         [&](EntradaMarston &e) {
             terraplen(e);
             e.DiametroExterior = 0.0;
         },
         ErrorMarston::DiametroNoValido},
        {"h' 0, trench under an embankment",
         [](EntradaMarston &e) {
             e.CodigoColocacion = 22;
             e.DistanciaTerrenoNatural = 0.0;
         },
         ErrorMarston::DistanciaTerrenoNoValida},
        {"h' 0, embankment",
         [&](EntradaMarston &e) {
             terraplen(e);
             e.DistanciaTerrenoNatural = 0.0;
         },
         ErrorMarston::DistanciaTerrenoNoValida},
        {"settlement choice 0",
         [&](EntradaMarston &e) {
             terraplen(e);
             e.RazonAsentamiento = 0;
         },
         ErrorMarston::RazonAsentamientoNoValida},
        {"settlement choice 4",
         [&](EntradaMarston &e) {
             terraplen(e);
             e.RazonAsentamiento = 4;
         },
         ErrorMarston::RazonAsentamientoNoValida},
        {"trench with a soil code outside the table",
         [](EntradaMarston &e) { e.CodigoRelleno = 0; }, ErrorMarston::RellenoNoValido},
        {"live-load type 5", [](EntradaMarston &e) { e.TipoCargaMovil = 5; },
         ErrorMarston::CargaMovilNoValida},
        {"projection so large that e^x overflows",
         [&](EntradaMarston &e) {
             terraplen(e);
             e.DistanciaTerrenoNatural = 3000.0;
         },
         ErrorMarston::SinConvergencia},
        {"NaN unit weight", [&](EntradaMarston &e) { e.PesoEspecificoRelleno = nan; },
         ErrorMarston::ResultadoNoFinito},
        {"code 30 with a NaN previous load",
         [&](EntradaMarston &e) {
             e.CodigoColocacion = 30;
             e.WAnterior = nan;
         },
         ErrorMarston::ResultadoNoFinito},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.caso);
        EntradaMarston e = EntradaBase();
        e.TipoCargaMovil = 2;
        e.WAnterior = 3.0;
        e.W2Anterior = 3.0;
        e.CargaNoAdoptadaAnterior = 3.0;
        f.cambia(e);
        const ResultadoMarston r = CalculaCargasMarston(e);
        EXPECT_EQ(r.Error, f.error);
        EXPECT_EQ(r.W, 0.0);
        EXPECT_EQ(r.W2, 0.0);
        EXPECT_EQ(r.CargaNoAdoptada, 0.0);
        EXPECT_EQ(r.CargaMovil, 0.0);
        EXPECT_EQ(r.CoeficienteImpacto, 0.0);
        EXPECT_EQ(r.TerraplenAdoptado, Falso);
    }
}

} // namespace
} // namespace dravek
