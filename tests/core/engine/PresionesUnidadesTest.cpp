#include "core/engine/PresionesCaso.h"
#include "core/engine/UnidadesCalculo.h"
#include "core/model/EstadoObra.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace dravek {
namespace {

constexpr double Tolerancia = 1e-12; // relative

void EsperaCasiIgual(double esperado, double obtenido, const std::string &que)
{
    EXPECT_NEAR(obtenido, esperado, Tolerancia * std::max(1.0, std::fabs(esperado))) << que;
}

// ---------------------------------------------------------------- fill-height range

struct FilaAlturas {
    const char *nombre;
    double inicialTramo, finalTramo, incrementoTramo; // m
    double inicialObra, finalObra, incrementoObra;    // m
    double alturaInicial, alturaFinal, incremento;    // m, expected
};

TEST(RangoAlturas, EligeElRangoDelTramoODeLaObra)
{
    const std::vector<FilaAlturas> filas = {
        {.nombre = "run heights 0 and 0: project range and step",
         .inicialTramo = 0,
         .finalTramo = 0,
         .incrementoTramo = 0.5,
         .inicialObra = 2,
         .finalObra = 6,
         .incrementoObra = 1,
         .alturaInicial = 2,
         .alturaFinal = 6,
         .incremento = 1},
        {.nombre = "run heights below 0: project range and step",
         .inicialTramo = -1,
         .finalTramo = -1,
         .incrementoTramo = 0.5,
         .inicialObra = 2,
         .finalObra = 6,
         .incrementoObra = 1,
         .alturaInicial = 2,
         .alturaFinal = 6,
         .incremento = 1},
        {.nombre = "run gives both heights: its range and its own step",
         .inicialTramo = 1,
         .finalTramo = 3,
         .incrementoTramo = 0.5,
         .inicialObra = 2,
         .finalObra = 6,
         .incrementoObra = 1,
         .alturaInicial = 1,
         .alturaFinal = 3,
         .incremento = 0.5},
        {.nombre = "run initial 2, final 0: run range kept as given",
         .inicialTramo = 2,
         .finalTramo = 0,
         .incrementoTramo = 0.5,
         .inicialObra = 2,
         .finalObra = 6,
         .incrementoObra = 1,
         .alturaInicial = 2,
         .alturaFinal = 0,
         .incremento = 0.5},
        {.nombre = "run final height only: run range",
         .inicialTramo = 0,
         .finalTramo = 4,
         .incrementoTramo = 0.25,
         .inicialObra = 2,
         .finalObra = 6,
         .incrementoObra = 1,
         .alturaInicial = 0,
         .alturaFinal = 4,
         .incremento = 0.25},
    };
    for (const FilaAlturas &f : filas) {
        SCOPED_TRACE(f.nombre);
        EstadoObra estado;
        estado.tramo.AlturaInicialTramo = f.inicialTramo;
        estado.tramo.AlturaFinalTramo = f.finalTramo;
        estado.tramo.IncrementoAltura = f.incrementoTramo;
        estado.obra.AlturaInicialObra = f.inicialObra;
        estado.obra.AlturaFinalObra = f.finalObra;
        estado.obra.IncrementoAlturaObra = f.incrementoObra;
        estado.caso.AlturaActual = 99;

        RangoAlturas(estado);

        EXPECT_DOUBLE_EQ(estado.calculo.AlturaInicial, f.alturaInicial);
        EXPECT_DOUBLE_EQ(estado.calculo.AlturaFinal, f.alturaFinal);
        EXPECT_DOUBLE_EQ(estado.caso.AlturaActual, f.alturaInicial);
        EXPECT_DOUBLE_EQ(estado.tramo.IncrementoAltura, f.incremento);
    }
}

// ---------------------------------------------------------------- DP->MDP law

struct Presiones {
    double dpInicial, dpFinal, mdpInicial, mdpFinal; // at
};

struct FilaLey {
    const char *nombre;
    Presiones tramo, obra;
    Presiones ley; // expected law points
    double pendiente;
    double dp, mdp; // one point of the law, at
};

TEST(PreparaLeyMDP, PuntosPendienteYMDP)
{
    const Presiones sinTramo{0, 0, 0, 0};
    const Presiones obra{5, 10, 6, 12};
    const std::vector<FilaLey> filas = {
        {"project law, slope 1.2", sinTramo, obra, obra, 1.2, 7.5, 9},
        {"run law wins over the project's", {2, 6, 3, 5}, obra, {2, 6, 3, 5}, 0.5, 4, 4},
        {"equal DP points: slope 1", sinTramo, {5, 5, 6, 8}, {5, 5, 6, 8}, 1.0, 7, 8},
        {"final DP 0: slope 1", {4, 0, 5, 0}, obra, {4, 0, 5, 0}, 1.0, 6, 7},
        {"only the run's initial MDP: run pair", {0, 0, 6, 0}, obra, {0, 0, 6, 0}, 1.0, 4, 10},
        {"run pressures below 0 count as not given", {-1, -2, -1, -2}, obra, obra, 1.2, 10, 12},
    };
    for (const FilaLey &f : filas) {
        SCOPED_TRACE(f.nombre);
        EstadoObra estado;
        estado.tramo.DPInicialTramo = f.tramo.dpInicial;
        estado.tramo.DPFinalTramo = f.tramo.dpFinal;
        estado.tramo.MDPInicialTramo = f.tramo.mdpInicial;
        estado.tramo.MDPFinalTramo = f.tramo.mdpFinal;
        estado.obra.DPInicialObra = f.obra.dpInicial;
        estado.obra.DPFinalObra = f.obra.dpFinal;
        estado.obra.MDPInicialObra = f.obra.mdpInicial;
        estado.obra.MDPFinalObra = f.obra.mdpFinal;

        PreparaLeyMDP(estado);
        CalculaMDP(estado, f.dp);

        EXPECT_DOUBLE_EQ(estado.calculo.DPInicialLey, f.ley.dpInicial);
        EXPECT_DOUBLE_EQ(estado.calculo.DPFinalLey, f.ley.dpFinal);
        EXPECT_DOUBLE_EQ(estado.calculo.MDPInicialLey, f.ley.mdpInicial);
        EXPECT_DOUBLE_EQ(estado.calculo.MDPFinalLey, f.ley.mdpFinal);
        EXPECT_DOUBLE_EQ(estado.calculo.PendienteLeyMDP, f.pendiente);
        EXPECT_DOUBLE_EQ(estado.caso.MDP, f.mdp);
    }
}

// ---------------------------------------------------------------- PP, STP, PP NETA

struct FilaPresionesCaso {
    const char *nombre;
    double vDi;           // m
    double mdp;           // at
    bool arieteCalculado; // water hammer calculated
    double pp, stp;       // at, expected
};

TEST(PresionesCaso, PPSTPyPPNetaDesdeMDP)
{
    const std::vector<FilaPresionesCaso> filas = {
        {.nombre = "1200 mm, MDP 8: PP = MDP + 2",
         .vDi = 1.2,
         .mdp = 8,
         .arieteCalculado = false,
         .pp = 10,
         .stp = 12},
        {.nombre = "1250 mm, MDP 8: PP = 1.2 MDP",
         .vDi = 1.25,
         .mdp = 8,
         .arieteCalculado = false,
         .pp = 9.6,
         .stp = 12},
        {.nombre = "MDP 12, estimated hammer: STP = MDP + 5",
         .vDi = 1.2,
         .mdp = 12,
         .arieteCalculado = false,
         .pp = 14.4,
         .stp = 17},
        {.nombre = "MDP 8, hammer calculated: STP = MDP + 1",
         .vDi = 1.2,
         .mdp = 8,
         .arieteCalculado = true,
         .pp = 10,
         .stp = 9},
        {.nombre = "MDP 12, hammer calculated: STP = MDP + 1",
         .vDi = 1.5,
         .mdp = 12,
         .arieteCalculado = true,
         .pp = 14.4,
         .stp = 13},
        {.nombre = "MDP 2, 600 mm: PP = MDP + 2, STP = 1.5 MDP",
         .vDi = 0.6,
         .mdp = 2,
         .arieteCalculado = false,
         .pp = 4,
         .stp = 3},
        {.nombre = "MDP 3, 1500 mm: PP = MDP + 1",
         .vDi = 1.5,
         .mdp = 3,
         .arieteCalculado = false,
         .pp = 4,
         .stp = 4.5},
    };
    for (const FilaPresionesCaso &f : filas) {
        SCOPED_TRACE(f.nombre);
        EstadoObra estado;
        estado.tramo.vDi = f.vDi;
        estado.obra.GolpeArieteCalculado = f.arieteCalculado ? Verdadero : Falso;
        // MDP = DP: the law 0 -> 0, 10 -> 10.
        estado.obra.DPFinalObra = 10;
        estado.obra.MDPFinalObra = 10;
        PreparaLeyMDP(estado);

        CalculaMDP(estado, f.mdp);
        CalculaPP(estado);
        CalculaSTP(estado);
        GuardaPP(estado);

        EXPECT_DOUBLE_EQ(estado.caso.MDP, f.mdp);
        EXPECT_DOUBLE_EQ(estado.caso.PP, f.pp);
        EXPECT_DOUBLE_EQ(estado.caso.STP, f.stp);
        EXPECT_DOUBLE_EQ(estado.caso.PPNeta, f.pp);
    }
}

// ---------------------------------------------------------------- calculation units

// Every unit-dependent field, its SI copy and its factor (MKS value / SI value).
struct Campo {
    const char *nombre;
    double DatosObra::*deObra;   // the working value, in the project...
    double DatosTramo::*deTramo; // ...or in the run
    double ValoresSI::*copiaSI;
    double factor;
    double entrada; // entry value used by the tests

    double &trabajo(EstadoObra &e) const { return deObra ? e.obra.*deObra : e.tramo.*deTramo; }
    double &copia(EstadoObra &e) const { return e.valoresSI.*copiaSI; }
};

Campo DeObra(const char *nombre, double DatosObra::*valor, double ValoresSI::*copia,
             double entrada)
{
    return {nombre, valor, nullptr, copia, 10, entrada};
}

Campo DeTramo(const char *nombre, double DatosTramo::*valor, double ValoresSI::*copia,
              double entrada, double factor = 10)
{
    return {nombre, nullptr, valor, copia, factor, entrada};
}

std::vector<Campo> Campos()
{
    static_assert(FactorTensiones == 10.0 && FactorCargas == 100.0);
    using O = DatosObra;
    using T = DatosTramo;
    using S = ValoresSI;
    return {
        DeObra("DPInicialObra", &O::DPInicialObra, &S::DPInicialObraSI, 0.6),
        DeObra("DPFinalObra", &O::DPFinalObra, &S::DPFinalObraSI, 1.3),
        DeObra("IncrementoPresionObra", &O::IncrementoPresionObra, &S::IncrementoPresionObraSI,
               0.1),
        DeObra("MDPInicialObra", &O::MDPInicialObra, &S::MDPInicialObraSI, 0.7),
        DeObra("MDPFinalObra", &O::MDPFinalObra, &S::MDPFinalObraSI, 1.43),
        DeTramo("DPInicialTramo", &T::DPInicialTramo, &S::DPInicialTramoSI, 0.55),
        DeTramo("DPFinalTramo", &T::DPFinalTramo, &S::DPFinalTramoSI, 0.95),
        DeTramo("IncrementoPresionTramo", &T::IncrementoPresionTramo, &S::IncrementoPresionTramoSI,
                0.15),
        DeTramo("MDPInicialTramo", &T::MDPInicialTramo, &S::MDPInicialTramoSI, 0.65),
        DeTramo("MDPFinalTramo", &T::MDPFinalTramo, &S::MDPFinalTramoSI, 1.05),
        DeTramo("FCK", &T::FCK, &S::FckSI, 40),
        DeTramo("Fyk", &T::Fyk, &S::FykSI, 510.3),
        DeTramo("Fyd", &T::Fyd, &S::FydSI, 434.78),
        DeTramo("Es", &T::Es, &S::EsSI, 210000.7),
        DeTramo("Ep", &T::Ep, &S::EpSI, 195000.3),
        DeTramo("Fckno", &T::Fckno, &S::FcknoSI, 35.1),
        DeTramo("Fckn", &T::Fckn, &S::FcknSI, 45.3),
        DeTramo("Fckr", &T::Fckr, &S::FckrSI, 30.7),
        DeTramo("SFck", &T::SFck, &S::SFckSI, 25.9),
        DeTramo("Sf", &T::Sf, &S::SfSI, 1860.1),
        DeTramo("FykPost", &T::FykPost, &S::FykPostSI, 1570.3),
        DeTramo("CargaVerticalTotal", &T::CargaVerticalTotal, &S::QDatoSI, 0.27, 100),
    };
}

// 0.45 x fck^(2/3) with fck in kp/cm2, as the calculation uses it, worked out by hand for the
// strengths used here; in SI the same value converted, / 10.
constexpr double FctDe400 = 24.42976; // kp/cm2, from FCK 400 kp/cm2 (40 MPa)
constexpr double FctDe40 = 2.442976;  // MPa, the value used for FCK 40 MPa
constexpr double FctDe350 = 22.34899; // kp/cm2
constexpr double FctDe35 = 2.234899;  // MPa, the value used for FCK 35 MPa
constexpr double FctSIDe20_5 = 2.05;  // MPa, an MKS Fct of 20.5 kp/cm2 converted

class UnidadesCalculo : public ::testing::Test {
protected:
    // Entry values in the system shown; SI copies holding something stale that must be replaced.
    void Prepara(const std::string &sistema)
    {
        estado.ejecucion.SistemaUnidades = sistema;
        for (const Campo &c : Campos()) {
            c.trabajo(estado) = c.entrada;
            c.copia(estado) = -12345;
        }
        estado.tramo.Fct = FctDe40;
        estado.valoresSI.FctSI = -12345;
    }

    EstadoObra estado;
};

TEST_F(UnidadesCalculo, SIIdaYVueltaDeCadaValor)
{
    Prepara("SI");

    ConvierteUnidades(estado, "ParaCalculo");

    EXPECT_TRUE(estado.ejecucion.EnUnidadesCalculo);
    for (const Campo &c : Campos()) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(c.copia(estado), c.entrada);
        EsperaCasiIgual(c.entrada * c.factor, c.trabajo(estado), "working value in MKS");
    }
    EXPECT_NEAR(estado.tramo.Fct, FctDe400, 1e-4);
    EXPECT_NEAR(estado.valoresSI.FctSI, FctDe40, 1e-4);

    ConvierteUnidades(estado, "ParaPantalla");

    EXPECT_FALSE(estado.ejecucion.EnUnidadesCalculo);
    for (const Campo &c : Campos()) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(c.trabajo(estado), c.entrada);
        EXPECT_EQ(c.copia(estado), c.entrada);
    }
    EXPECT_NEAR(estado.tramo.Fct, FctDe40, 1e-4);
}

TEST_F(UnidadesCalculo, MKSDejaLosValoresYLlenaLasCopiasSI)
{
    Prepara("MKS");
    estado.tramo.Fct = 20.5; // not the formula's value: Fct is left as entered in MKS

    ConvierteUnidades(estado, "ParaCalculo");

    EXPECT_TRUE(estado.ejecucion.EnUnidadesCalculo);
    for (const Campo &c : Campos()) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(c.trabajo(estado), c.entrada);
        EsperaCasiIgual(c.entrada / c.factor, c.copia(estado), "SI copy");
    }
    EXPECT_EQ(estado.tramo.Fct, 20.5);
    EXPECT_NEAR(estado.valoresSI.FctSI, FctSIDe20_5, 1e-12);

    ConvierteUnidades(estado, "ParaPantalla");

    EXPECT_FALSE(estado.ejecucion.EnUnidadesCalculo);
    for (const Campo &c : Campos()) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(c.trabajo(estado), c.entrada);
        EsperaCasiIgual(c.entrada / c.factor, c.copia(estado), "SI copy");
    }
    EXPECT_EQ(estado.tramo.Fct, 20.5);
}

// Fct is the value the calculation uses, 0.45 x fck^(2/3) with fck in kp/cm2, and FctSI that
// value converted; on the screen in SI the field shows its SI copy, like every other field.
TEST_F(UnidadesCalculo, FctYFctSITrasCadaConversion)
{
    struct Fila {
        const char *sistema;
        double FCK; // entry units
        double Fct; // entry units
        double FctCalculo;
        double FctSICalculo;
        double FctPantalla;
    };
    const std::vector<Fila> filas = {
        // FCK 40 MPa: 24.43 kp/cm2 used, 2.44 MPa on the screen.
        {"SI", 40, FctDe40, FctDe400, FctDe40, FctDe40},
        // Whatever the SI field held is not used: Fct comes from FCK.
        {"SI", 40, 7.5, FctDe400, FctDe40, FctDe40},
        {"SI", 35, FctDe35, FctDe350, FctDe35, FctDe35},
        // MKS: Fct stays as it is, its SI copy is it / 10.
        {"MKS", 350, FctDe350, FctDe350, FctDe35, FctDe350},
        {"MKS", 400, 20.5, 20.5, FctSIDe20_5, 20.5},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(std::string(f.sistema) + " " + std::to_string(f.FCK));
        EstadoObra e;
        e.ejecucion.SistemaUnidades = f.sistema;
        e.tramo.FCK = f.FCK;
        e.tramo.Fct = f.Fct;
        e.valoresSI.FctSI = -12345;

        ConvierteUnidades(e, "ParaCalculo");
        EXPECT_NEAR(e.tramo.Fct, f.FctCalculo, 1e-5);
        EXPECT_NEAR(e.valoresSI.FctSI, f.FctSICalculo, 1e-6);

        ConvierteUnidades(e, "ParaPantalla");
        EXPECT_DOUBLE_EQ(e.tramo.FCK, f.FCK);
        EXPECT_NEAR(e.tramo.Fct, f.FctPantalla, 1e-5);
        EXPECT_NEAR(e.valoresSI.FctSI, f.FctSICalculo, 1e-6);
    }
}

TEST_F(UnidadesCalculo, RangoSIEnMPaDaPasoDe1at)
{
    // Project range 0.6 to 1.0 MPa by 0.1 MPa, law 0.7 -> 1.1 MPa; the run gives no pressures.
    estado.ejecucion.SistemaUnidades = "SI";
    estado.obra.DPInicialObra = 0.6;
    estado.obra.DPFinalObra = 1.0;
    estado.obra.IncrementoPresionObra = 0.1;
    estado.obra.MDPInicialObra = 0.7;
    estado.obra.MDPFinalObra = 1.1;

    ConvierteUnidades(estado, "ParaCalculo");

    EsperaCasiIgual(6, estado.obra.DPInicialObra, "DPInicialObra");
    EsperaCasiIgual(10, estado.obra.DPFinalObra, "DPFinalObra");
    EsperaCasiIgual(6, estado.calculo.DPInicialLey, "DPInicialLey");
    EsperaCasiIgual(11, estado.calculo.MDPFinalLey, "MDPFinalLey");
    EsperaCasiIgual(1.0, estado.calculo.PendienteLeyMDP, "PendienteLeyMDP");
    EsperaCasiIgual(1.0, estado.calculo.IncrementoPresion, "IncrementoPresion");

    ConvierteUnidades(estado, "ParaPantalla");

    EXPECT_EQ(estado.obra.DPInicialObra, 0.6);
    EXPECT_EQ(estado.obra.DPFinalObra, 1.0);
    EXPECT_EQ(estado.obra.IncrementoPresionObra, 0.1);
    // The law and the step stay as the calculation set them.
    EsperaCasiIgual(1.0, estado.calculo.IncrementoPresion, "IncrementoPresion after");
    EsperaCasiIgual(6, estado.calculo.DPInicialLey, "DPInicialLey after");
}

struct FilaPaso {
    const char *nombre;
    Presiones obra, tramo;
    double incrementoObra, incrementoTramo; // at
    double paso;                            // at, expected DP step
};

TEST(PasoPresion, IncrementoDeMDPDivididoPorLaPendiente)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Presiones sinTramo{0, 0, 0, 0};
    const std::vector<FilaPaso> filas = {
        {"project law slope 0.5, increment 1", {4, 10, 4, 7}, sinTramo, 1, 9, 2},
        {"run range: run increment", {4, 10, 4, 7}, {2, 6, 2, 4}, 9, 1, 2},
        {"run gives MDP only: project increment", {4, 10, 4, 7}, {0, 0, 6, 0}, 3, 9, 3},
        {"slope 1.2", {5, 10, 6, 12}, sinTramo, 1.2, 0, 1},
        // No usable step: one DP per height.
        {"zero slope", {4, 10, 6, 6}, sinTramo, 1, 0, 0},
        {"negative slope", {4, 10, 8, 6}, sinTramo, 1, 0, 0},
        {"not finite slope", {4, 10, 6, nan}, sinTramo, 1, 0, 0},
        {"infinite slope", {4, 10, 6, inf}, sinTramo, 1, 0, 0},
        {"step overflows", {0, 1e300, 0, 1e-10}, sinTramo, 1e10, 0, 0},
        {"zero increment", {4, 10, 4, 7}, sinTramo, 0, 0, 0},
        {"negative increment", {4, 10, 4, 7}, sinTramo, -1, 0, 0},
        {"not finite increment", {4, 10, 4, 7}, sinTramo, nan, 0, 0},
        {"infinite increment", {4, 10, 4, 7}, sinTramo, inf, 0, 0},
    };
    for (const FilaPaso &f : filas) {
        SCOPED_TRACE(f.nombre);
        EstadoObra estado;
        estado.ejecucion.SistemaUnidades = "MKS";
        estado.obra.DPInicialObra = f.obra.dpInicial;
        estado.obra.DPFinalObra = f.obra.dpFinal;
        estado.obra.MDPInicialObra = f.obra.mdpInicial;
        estado.obra.MDPFinalObra = f.obra.mdpFinal;
        estado.obra.IncrementoPresionObra = f.incrementoObra;
        estado.tramo.DPInicialTramo = f.tramo.dpInicial;
        estado.tramo.DPFinalTramo = f.tramo.dpFinal;
        estado.tramo.MDPInicialTramo = f.tramo.mdpInicial;
        estado.tramo.MDPFinalTramo = f.tramo.mdpFinal;
        estado.tramo.IncrementoPresionTramo = f.incrementoTramo;
        estado.calculo.IncrementoPresion = 77; // must be replaced

        ConvierteUnidades(estado, "ParaCalculo");

        EXPECT_TRUE(std::isfinite(estado.calculo.IncrementoPresion));
        EXPECT_NEAR(estado.calculo.IncrementoPresion, f.paso, 1e-12);
    }
}

TEST(PasoPresion, PendienteCeroDaMDPConstanteYFinito)
{
    EstadoObra estado;
    estado.ejecucion.SistemaUnidades = "MKS";
    estado.obra.DPInicialObra = 4;
    estado.obra.DPFinalObra = 10;
    estado.obra.MDPInicialObra = 6;
    estado.obra.MDPFinalObra = 6;
    estado.obra.IncrementoPresionObra = 1;

    ConvierteUnidades(estado, "ParaCalculo");
    CalculaMDP(estado, 8);

    EXPECT_EQ(estado.calculo.PendienteLeyMDP, 0);
    EXPECT_EQ(estado.calculo.IncrementoPresion, 0);
    EXPECT_DOUBLE_EQ(estado.caso.MDP, 6);
}

TEST_F(UnidadesCalculo, ModoSinDistinguirMayusculas)
{
    const std::vector<std::string> modos = {"ParaCalculo", "paracalculo", "PARACALCULO",
                                            "pArAcAlCuLo"};
    for (const std::string &modo : modos) {
        SCOPED_TRACE(modo);
        estado = {};
        Prepara("SI");

        ConvierteUnidades(estado, modo);

        EXPECT_TRUE(estado.ejecucion.EnUnidadesCalculo);
        EXPECT_DOUBLE_EQ(estado.tramo.FCK, 400);
        EXPECT_DOUBLE_EQ(estado.valoresSI.FckSI, 40);
        // Run law 5.5 -> 6.5, 9.5 -> 10.5 at: slope 1, so the run's 1.5 at is the DP step.
        EsperaCasiIgual(1.5, estado.calculo.IncrementoPresion, "step");
    }
}

TEST_F(UnidadesCalculo, CualquierOtroModoVuelveALaPantalla)
{
    const std::vector<std::string> modos = {"ParaPantalla", "parapantalla", "", "Para Calculo",
                                            "ParaCalculo "};
    for (const std::string &modo : modos) {
        SCOPED_TRACE("[" + modo + "]");
        estado = {};
        Prepara("SI");
        ConvierteUnidades(estado, "ParaCalculo");

        ConvierteUnidades(estado, modo);

        EXPECT_FALSE(estado.ejecucion.EnUnidadesCalculo);
        EXPECT_EQ(estado.tramo.FCK, 40);
        EXPECT_EQ(estado.tramo.CargaVerticalTotal, 0.27);
    }
}

TEST_F(UnidadesCalculo, NuncaConvierteDosVeces)
{
    Prepara("SI");

    ConvierteUnidades(estado, "ParaCalculo");
    ConvierteUnidades(estado, "ParaCalculo");

    // Converted once; the SI copies still hold the SI values.
    EXPECT_DOUBLE_EQ(estado.tramo.FCK, 400);
    EXPECT_EQ(estado.valoresSI.FckSI, 40);
    EXPECT_DOUBLE_EQ(estado.tramo.CargaVerticalTotal, 27);
    EXPECT_EQ(estado.valoresSI.QDatoSI, 0.27);

    ConvierteUnidades(estado, "ParaPantalla");
    EXPECT_EQ(estado.tramo.FCK, 40);

    // Values edited after the calculation are not replaced by the old SI copies.
    estado.tramo.FCK = 45;
    ConvierteUnidades(estado, "ParaPantalla");
    EXPECT_EQ(estado.tramo.FCK, 45);
    EXPECT_FALSE(estado.ejecucion.EnUnidadesCalculo);
}

// ---------------------------------------------------------------- scope guard

static_assert(!std::is_copy_constructible_v<GuardaUnidadesCalculo>);
static_assert(!std::is_copy_assignable_v<GuardaUnidadesCalculo>);

TEST_F(UnidadesCalculo, GuardaRestauraAlLanzarseUnaExcepcion)
{
    Prepara("SI");

    EXPECT_THROW(
        {
            GuardaUnidadesCalculo guarda(estado);
            EXPECT_TRUE(estado.ejecucion.EnUnidadesCalculo);
            EXPECT_DOUBLE_EQ(estado.tramo.FCK, 400);
            throw std::runtime_error("fallo del calculo");
        },
        std::runtime_error);

    EXPECT_FALSE(estado.ejecucion.EnUnidadesCalculo);
    for (const Campo &c : Campos()) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(c.trabajo(estado), c.entrada);
    }
    EXPECT_NEAR(estado.tramo.Fct, FctDe40, 1e-4);
}

// A calculation that gives up half way with an error code; otherwise 0 when it saw FCK in
// kp/cm2.
int CalculoQueAbandona(EstadoObra &estado, bool abandona)
{
    GuardaUnidadesCalculo guarda(estado);
    if (abandona) {
        return 1;
    }
    return estado.tramo.FCK == 400 ? 0 : 2;
}

TEST_F(UnidadesCalculo, GuardaRestauraEnUnRetornoAnticipado)
{
    for (const bool abandona : {true, false}) {
        SCOPED_TRACE(abandona ? "early return" : "normal end");
        estado = {};
        Prepara("SI");

        EXPECT_EQ(CalculoQueAbandona(estado, abandona), abandona ? 1 : 0);

        EXPECT_FALSE(estado.ejecucion.EnUnidadesCalculo);
        EXPECT_EQ(estado.tramo.FCK, 40);
        EXPECT_EQ(estado.obra.DPInicialObra, 0.6);
    }
}

TEST_F(UnidadesCalculo, GuardaAnidadaNoRestauraAntesDeTiempo)
{
    Prepara("SI");
    {
        GuardaUnidadesCalculo exterior(estado);
        {
            GuardaUnidadesCalculo interior(estado);
            EXPECT_DOUBLE_EQ(estado.tramo.FCK, 400);
        }
        // The enclosing calculation still works in calculation units.
        EXPECT_TRUE(estado.ejecucion.EnUnidadesCalculo);
        EXPECT_DOUBLE_EQ(estado.tramo.FCK, 400);
        EXPECT_EQ(estado.valoresSI.FckSI, 40);
    }
    EXPECT_FALSE(estado.ejecucion.EnUnidadesCalculo);
    EXPECT_EQ(estado.tramo.FCK, 40);
}

} // namespace
} // namespace dravek
