#include "core/posttensioned/AnalizaHipotesis.h"

#include "core/posttensioned/CasoPostesadoPrueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::CasoPrueba;
using pruebas::EstadoCasoPrueba;
using pruebas::FallosGrabadora;
using pruebas::PreparaHipotesis;

const std::string Texto800 = "ESPESOR DE TUBO INSUFICIENTE";
const std::string Texto802 = "RESISTENCIA INICIAL INSUFICIENTE";
const std::string Texto804 =
    "SE SUPERA EL 60% de LA RESISTENCIA DEL HORMIGON. ESPESOR INSUFICIENTE";

struct Valor {
    const char *nombre;
    double calculado;
    double esperado;
};

// Relative 1e-12: the hand values carry 16 digits and only the order of the roundings differs.
void EsperaValores(const std::vector<Valor> &valores)
{
    for (const Valor &v : valores) {
        SCOPED_TRACE(v.nombre);
        EXPECT_NEAR(v.calculado, v.esperado, 1e-12 * std::max(1.0, std::abs(v.esperado)));
    }
}

// One analysis of hypothesis 4 of the shared case with the 5 mm wire at 20 turns per metre,
// which passes without a turn more. Expected values computed offline with python3 from the
// written formulas, typed in again (not this program's code). For instance t0 = 7.5 + (m - 1)
// x 0.15 with m = 2.1e6 / Ec, Ec = 39453.505 x 480^(1/3) x 1.175 = 362969.84; Ap = 20 x
// 3.141592 x 0.25 / 4 / 100; Cr = 57.5 / Ap. The wire's residual stress, 11900 - (181.81 +
// 506.52 + 884.82) = 10326.84, is held to 0.6 x 17000 = 10200.
TEST(AnalizaHipotesis, UnaPasadaDaLaSeccionHomogeneizadaLasPerdidasYLasTensiones)
{
    EstadoObra estado = EstadoCasoPrueba();
    PreparaHipotesis(estado, 4, 0.5, 20.0, 2);
    estado.resultados.EstadoDiseno =
        77; // left by an earlier step: the accepted analysis clears it
    FallosGrabadora fallos;

    ASSERT_EQ(AnalizaHipotesis(estado, fallos, CasoPrueba), FinAnalisis::Aceptada);

    const EstadoPostesado &p = estado.postesado;
    const SeccionPostesado &s = p.seccion;
    EXPECT_EQ(p.FIPR, 0.5);
    EXPECT_EQ(p.NESP, 20.0);
    EXPECT_EQ(p.IndiceAlambre, 2);
    EXPECT_EQ(estado.resultados.EstadoDiseno, 0);
    EXPECT_TRUE(fallos.escritos.empty());
    EsperaValores({
        {"SeparacionLibre", s.SeparacionLibre, 4.5},
        {"EspesorPrimarioHomogeneo", s.EspesorPrimarioHomogeneo, 8.217840705599777},
        {"DistanciaCentroPrimario", s.DistanciaCentroPrimario, 3.509783377274005},
        {"AreaPostesado", s.AreaPostesado, 0.039269899999999996},
        {"sro", s.sro, 10.804944687043413},
        {"yi", s.yi, 4.748093661213381},
        {"ye", s.ye, 2.751906338786619},
        {"yr", s.yr, 5.251906338786619},
        {"rco", s.rco, 58.21784070559978},
        {"rro", s.rro, 60.71784070559977},
        {"Io", s.Io, 94.15993579655027},
        {"A", s.A, 5.622292312593921},
        {"B", s.B, 6.622292312593921},
        {"C", s.C, 7.622292312593921},
        {"Ar", s.Ar, 22.797646164431498},
        {"Br", s.Br, 23.797646164431498},
        {"Cr", s.Cr, 1464.2257810689614},
        {"k", s.k, 0.2782750977486063},
        {"D", s.D, 45060.91918950503},
        {"PerdidaAcortamientoElastico", s.PerdidaAcortamientoElastico, 181.81428926508363},
        {"TensionAlambreInicial", s.TensionAlambreInicial, 11718.185710734917},
        {"TensionInicialIntPrimario", s.TensionInicialIntPrimario, -61.00113658378206},
        {"TensionInicialExtPrimario", s.TensionInicialExtPrimario, -52.99814560913878},
        {"RelajacionNominal", s.RelajacionNominal, 595.0},
        {"TensionPruebaIntPrimario", s.TensionPruebaIntPrimario, -57.90375639513219},
        {"PerdidaFluenciaRetraccion", s.PerdidaFluenciaRetraccion, 884.8249623450879},
        {"PresionInterfaz", s.PresionInterfaz, 0.697973721541308},
        {"PerdidaRelajacion", s.PerdidaRelajacion, 506.51750376549126},
        {"TensionResidualAcero", s.TensionResidualAcero, 10200.0},
        {"TensionFinalIntPrimario", s.TensionFinalIntPrimario, -47.77778635904375},
        {"TensionFinalExtPrimario", s.TensionFinalExtPrimario, -41.509621297976366},
        {"TensionFinalIntRevestimiento", s.TensionFinalIntRevestimiento, -16.610131657311488},
        {"TensionFinalExtRevestimiento", s.TensionFinalExtRevestimiento, -15.912157935770178},
        {"LimitePruebaPrimario", s.LimitePruebaPrimario, 5.0},
        {"PresionPruebaPrimario", s.PresionPruebaPrimario, 8.183172309899701},
        {"TensionOvalAcero(1)", s.TensionOvalAcero[1], -62.89935005984702},
        {"TensionOvalAcero(2)", s.TensionOvalAcero[2], 31.167752670029113},
        {"TensionOvalAcero(3)", s.TensionOvalAcero[3], -70.66278340520157},
        {"TensionOvalIntPrimario(1)", s.TensionOvalIntPrimario[1], 13.276746991144337},
        {"TensionOvalIntPrimario(2)", s.TensionOvalIntPrimario[2], -14.920214962257258},
        {"TensionOvalIntPrimario(3)", s.TensionOvalIntPrimario[3], 15.983139325781927},
        {"TensionOvalExtPrimario(1)", s.TensionOvalExtPrimario[1], -10.618766328464712},
        {"TensionOvalExtPrimario(2)", s.TensionOvalExtPrimario[2], 4.992712804083618},
        {"TensionOvalIntRevestimiento(3)", s.TensionOvalIntRevestimiento[3], -11.466706824537605},
        {"TensionOvalExtRevestimiento(2)", s.TensionOvalExtRevestimiento[2], 11.211629180169574},
        {"MaximoOvalIntPrimario", s.MaximoOvalIntPrimario, 15.983139325781927},
        {"MaximoOvalExtPrimario", s.MaximoOvalExtPrimario, 4.992712804083618},
        {"MaximoOvalIntRevestimiento", s.MaximoOvalIntRevestimiento, 4.812960797123695},
        {"MaximoOvalExtRevestimiento", s.MaximoOvalExtRevestimiento, 11.211629180169574},
        {"TensionUnitariaIntPrimario", s.TensionUnitariaIntPrimario, 5.155182317042706},
        {"TensionUnitariaExtPrimario", s.TensionUnitariaExtPrimario, 4.347658534876439},
        {"TensionUnitariaIntRevestimiento", s.TensionUnitariaIntRevestimiento, 4.191130335100702},
        {"TensionUnitariaExtRevestimiento", s.TensionUnitariaExtRevestimiento, 4.015015003939721},
        {"TensionUnitariaAcero", s.TensionUnitariaAcero, 23.956032067390847},
        {"PresionLimiteIntPrimario", s.PresionLimiteIntPrimario, 5.197613854447091},
        {"PresionLimiteExtPrimario", s.PresionLimiteExtPrimario, 7.249168314638229},
        {"PresionLimiteIntRevestimiento", s.PresionLimiteIntRevestimiento, 8.170943325420689},
        {"PresionLimiteExtRevestimiento", s.PresionLimiteExtRevestimiento, 6.761829359624397},
        {"PresionCapacidad", s.PresionCapacidad, 5.197613854447091},
        {"PresionHipotesis", s.PresionHipotesis, 5.0},
    });

    const TensionesHipotesisPostesado &t = p.aceptada;
    EXPECT_EQ(t.NumeroHipotesis, 4);
    EXPECT_EQ(t.FIPR, 0.5);
    EXPECT_EQ(t.NESP, 20.0);
    EsperaValores({
        {"TensionPresionIntPrimario", t.TensionPresionIntPrimario, 25.775911585213528},
        {"TensionPresionExtRevestimiento", t.TensionPresionExtRevestimiento, 20.07507501969861},
        {"TensionPresionAcero", t.TensionPresionAcero, 119.78016033695424},
        {"TensionOvalPostesadoExtPrimario(2)", t.TensionOvalPostesadoExtPrimario[2],
         -36.51690849389275},
        {"TensionOvalPostesadoAcero(1)", t.TensionOvalPostesadoAcero[1], 10137.100649940154},
        {"TensionTotalIntPrimario(1)", t.TensionTotalIntPrimario[1], -8.725127782685888},
        {"TensionTotalIntPrimario(2)", t.TensionTotalIntPrimario[2], -36.92208973608748},
        {"TensionTotalExtPrimario(3)", t.TensionTotalExtPrimario[3], -31.66628817068947},
        {"TensionTotalIntRevestimiento(2)", t.TensionTotalIntRevestimiento[2], 9.158480815315718},
        {"TensionTotalExtRevestimiento(3)", t.TensionTotalExtRevestimiento[3], -16.2619254768734},
        {"TensionTotalAcero(2)", t.TensionTotalAcero[2], 10350.947913006983},
    });
}

// How the wire grows within one analysis. Every outcome computed offline with python3 by the
// same loop written from the rules (gap check, whole turns, section, acceptance).
struct FilaAlambre {
    const char *caso;
    std::function<void(EstadoObra &)> cambia; // on the shared case, before the data are derived
    std::int16_t hipotesis;
    double FIPR;
    double NESP;
    std::int16_t IndiceAlambre;
    std::int16_t fija;
    double coef;
    FinAnalisis fin;
    double FIPRFinal;
    double NESPFinal;
    std::int16_t IndiceFinal;
    std::int16_t EstadoDiseno;
    std::string texto; // failure written, "" none
};

// A core 120 mm thick (core radius 62, outer 64.5 cm) of 450 kp/cm2 at wrapping, 550 final,
// coating 400: strong enough for the 5 mm wire at its narrowest gap.
void NucleoGrueso(EstadoObra &e)
{
    e.calculo.RadioNucleo = 62.0;
    e.calculo.RadioExterior = 64.5;
    e.tramo.Fckno = 450;
    e.tramo.Fckn = 550;
    e.tramo.Fckr = 400;
}

TEST(AnalizaHipotesis, AnadeEspirasYCambiaDeAlambreHastaQueLaHipotesisPasa)
{
    using enum FinAnalisis;
    const auto nada = [](EstadoObra &) {};
    const std::vector<FilaAlambre> filas = {
        {"MDP 11: capacity 5.20 at 20 turns, 11.04 at 34", [](EstadoObra &e) { e.caso.MDP = 11; },
         4, 0.5, 20, 2, 0, 0, Aceptada, 0.5, 34, 2, 0, ""},
        {"hypothesis 1, DP 10", [](EstadoObra &e) { e.caso.DP = 10; }, 1, 0.5, 20, 2, 0, 0,
         Aceptada, 0.5, 32, 2, 0, ""},
        {"hypothesis 2 takes MDP + 1 and the core's tensile strength",
         [](EstadoObra &e) { e.caso.MDP = 11; }, 2, 0.5, 20, 2, 0, 0, Aceptada, 0.5, 38, 2, 0, ""},
        {"hypothesis 3, DP 10, no tension", [](EstadoObra &e) { e.caso.DP = 10; }, 3, 0.5, 20, 2,
         0, 0, Aceptada, 0.5, 31, 2, 0, ""},
        {"hypothesis 5, STP 14", [](EstadoObra &e) { e.caso.STP = 14; }, 5, 0.5, 20, 2, 0, 0,
         Aceptada, 0.5, 45, 2, 0, ""},
        {"core test 4 x 2.5 = 10 above 8.18: turns until it is reached", nada, 4, 0.5, 20, 2, -1,
         2.5, Aceptada, 0.5, 25, 2, 0, ""},
        {"core test coefficient without the flag does nothing", nada, 4, 0.5, 20, 2, 0, 2.5,
         Aceptada, 0.5, 20, 2, 0, ""},
        {"no cylinder, MDP 11",
         [](EstadoObra &e) {
             e.tramo.TipoPostesado = 2;
             e.caso.MDP = 11;
         },
         4, 0.5, 20, 2, 0, 0, Aceptada, 0.5, 36, 2, 0, ""},
        {"no cylinder allows 10 kp/cm2 of tension at the core test",
         [](EstadoObra &e) { e.tramo.TipoPostesado = 2; }, 4, 0.5, 20, 2, -1, 2.5, Aceptada, 0.5,
         21, 2, 0, ""},
        {"20.5 turns become 21", nada, 4, 0.5, 20.5, 2, 0, 0, Aceptada, 0.5, 21, 2, 0, ""},
        {"20 + 0.02 turns are kept", nada, 4, 0.5, 20.0 + 0.02, 2, 0, 0, Aceptada, 0.5,
         20.0 + 0.02, 2, 0, ""},
        {"gap exactly 5 mm keeps the 5 mm wire",
         [](EstadoObra &e) {
             NucleoGrueso(e);
             e.caso.MDP = 30;
         },
         4, 0.5, 100, 2, 0, 0, Aceptada, 0.5, 100, 2, 0, ""},
        {"gap 4.9 mm moves to the 6 mm wire at its widest gap", nada, 4, 0.5, 101, 2, 0, 0,
         Aceptada, 0.6, 20, 3, 0, ""},
        {"5 mm at 100 turns carries 32.78: the 6 mm wire restarts at 20 and needs 71",
         [](EstadoObra &e) {
             NucleoGrueso(e);
             e.caso.MDP = 33;
         },
         4, 0.5, 100, 2, 0, 0, Aceptada, 0.6, 71, 3, 0, ""},
        {"MDP 40: on to the 7 mm wire, whose 64 turns overstress the core at wrapping",
         [](EstadoObra &e) {
             NucleoGrueso(e);
             e.caso.MDP = 40;
         },
         4, 0.5, 100, 2, 0, 0, Rechazada, 0.7, 64, 4, 6, Texto802},
        {"7 mm wire below 6 mm of gap: no wider wire", nada, 4, 0.7, 77, 4, 0, 0, Rechazada, 0.7,
         77, 4, 5, Texto800},
        {"core at wrapping of 100: -61.0 beyond 55", [](EstadoObra &e) { e.tramo.Fckno = 100; }, 4,
         0.5, 20, 2, 0, 0, Rechazada, 0.5, 20, 2, 6, Texto802},
    };
    for (const FilaAlambre &f : filas) {
        SCOPED_TRACE(f.caso);
        EstadoObra estado = EstadoCasoPrueba();
        f.cambia(estado);
        PreparaHipotesis(estado, f.hipotesis, f.FIPR, f.NESP, f.IndiceAlambre, f.fija, f.coef);
        FallosGrabadora fallos;

        EXPECT_EQ(AnalizaHipotesis(estado, fallos, CasoPrueba), f.fin);

        EXPECT_DOUBLE_EQ(estado.postesado.FIPR, f.FIPRFinal);
        EXPECT_DOUBLE_EQ(estado.postesado.NESP, f.NESPFinal);
        EXPECT_EQ(estado.postesado.IndiceAlambre, f.IndiceFinal);
        EXPECT_EQ(estado.resultados.EstadoDiseno, f.EstadoDiseno);
        if (f.texto.empty()) {
            EXPECT_TRUE(fallos.escritos.empty());
            EXPECT_EQ(estado.postesado.aceptada.NumeroHipotesis, f.hipotesis);
            EXPECT_DOUBLE_EQ(estado.postesado.aceptada.NESP, f.NESPFinal);
        } else {
            ASSERT_EQ(fallos.escritos.size(), 1U);
            EXPECT_EQ(fallos.escritos[0].texto, f.texto);
            EXPECT_EQ(fallos.escritos[0].numeroCaso, CasoPrueba);
            EXPECT_EQ(fallos.escritos[0].hipotesis, f.hipotesis);
            EXPECT_EQ(fallos.escritos[0].pasada, 1);
            EXPECT_EQ(estado.postesado.aceptada.NumeroHipotesis, 0);
        }
    }
}

// With a final core of 80 kp/cm2 the inner core face of hypothesis 6 carries -55.94 kp/cm2 at
// the haunch (python3, as above), beyond 0.6 x 80 = 48 of compression.
TEST(AnalizaHipotesis, LaCompresionExcesivaDeLaHipotesis6FallaConSuCara)
{
    EstadoObra estado = EstadoCasoPrueba();
    estado.tramo.Fckn = 80;
    PreparaHipotesis(estado, 6, 0.5, 20.0, 2);
    estado.postesado.NumeroPasada = 2;
    FallosGrabadora fallos;

    EXPECT_EQ(AnalizaHipotesis(estado, fallos, CasoPrueba), FinAnalisis::Rechazada);

    EXPECT_EQ(estado.resultados.EstadoDiseno, CodigoPostesado::HormigonIntPrimario);
    ASSERT_EQ(fallos.escritos.size(), 1U);
    EXPECT_EQ(fallos.escritos[0].texto, Texto804);
    EXPECT_EQ(fallos.escritos[0].hipotesis, 6);
    EXPECT_EQ(fallos.escritos[0].pasada, 2);
    EXPECT_EQ(estado.postesado.aceptada.NumeroHipotesis, 0);
    EXPECT_EQ(estado.postesado.NESP, 20.0); // the check adds no turn
}

// Narrowest gaps no wire can fall below and a pressure the ring never carries: the search
// would never end. It stops after MaximoVueltasAnalisis turns with the wall-too-thin failure.
TEST(AnalizaHipotesis, UnaBusquedaSinSalidaTerminaEnElTopeDeVueltas)
{
    EstadoObra estado = EstadoCasoPrueba();
    estado.tramo.Fckno = 1e9;
    estado.caso.STP = 1e9;
    PreparaHipotesis(estado, 5, 0.5, 20.0, 2);
    estado.postesado.datos.SeparacionMinimaAlambres = {0, -1e9, -1e9, -1e9, -1e9};
    FallosGrabadora fallos;

    EXPECT_EQ(AnalizaHipotesis(estado, fallos, CasoPrueba), FinAnalisis::Rechazada);

    EXPECT_EQ(estado.resultados.EstadoDiseno, CodigoPostesado::EspesorInsuficiente);
    ASSERT_EQ(fallos.escritos.size(), 1U);
    EXPECT_EQ(fallos.escritos[0].texto, Texto800);
    EXPECT_EQ(estado.postesado.NESP, 20.0 + MaximoVueltasAnalisis);
    EXPECT_EQ(estado.postesado.IndiceAlambre, 2);
}

TEST(AnalizaHipotesis, DatosNoValidosEnElIdiomaDelPrograma)
{
    struct Fila {
        std::int32_t DesplazamientoIdioma;
        double RadioNucleo; // cm
        std::string texto;
    };
    // A core radius equal to the inner radius, or one that is not a number.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Fila> filas = {
        {5000, 50.0, "INVALID RADII: THE CORE OR THE COATING HAS NO THICKNESS"},
        {10000, 50.0, "RADIS NO VÀLIDS: EL NUCLI O EL REVESTIMENT NO TÉ GRUIX"},
        {20000, 50.0, "RAYONS NON VALIDES : LE NOYAU OU LE REVÊTEMENT N'A PAS D'ÉPAISSEUR"},
        {15000, nan, "RAIOS INVÁLIDOS: O NÚCLEO OU O REVESTIMENTO NÃO TEM ESPESSURA"},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.texto);
        EstadoObra estado = EstadoCasoPrueba();
        estado.ejecucion.DesplazamientoIdioma = f.DesplazamientoIdioma;
        PreparaHipotesis(estado, 1, 0.5, 20.0, 2);
        estado.postesado.datos.RadioNucleo = f.RadioNucleo;
        FallosGrabadora fallos;

        EXPECT_EQ(AnalizaHipotesis(estado, fallos, CasoPrueba), FinAnalisis::CasoAnulado);

        ASSERT_EQ(fallos.escritos.size(), 1U);
        EXPECT_EQ(fallos.escritos[0].texto, f.texto);
    }
    // The wire row outside the table: the data text, here in English.
    EstadoObra estado = EstadoCasoPrueba();
    estado.ejecucion.DesplazamientoIdioma = 5000;
    PreparaHipotesis(estado, 1, 0.5, 20.0, 0);
    FallosGrabadora fallos;
    EXPECT_EQ(AnalizaHipotesis(estado, fallos, CasoPrueba), FinAnalisis::CasoAnulado);
    ASSERT_EQ(fallos.escritos.size(), 1U);
    EXPECT_EQ(fallos.escritos[0].texto,
              "INVALID POST-TENSIONING DATA: RESULT CANNOT BE CALCULATED");
}

TEST(AnalizaHipotesis, DatosQueLaSeccionNoAdmiteTerminanElCasoSinNaN)
{
    struct Fila {
        const char *caso;
        std::function<void(EstadoObra &)> cambia;
        std::string texto;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<Fila> filas = {
        {"core radius equal to the inner radius",
         [](EstadoObra &e) { e.postesado.datos.RadioNucleo = 50.0; },
         pruebas::MensajeRadiosNoValidos},
        {"no outer cover", [](EstadoObra &e) { e.postesado.datos.RadioExterior = 57.5; },
         pruebas::MensajeRadiosNoValidos},
        {"no inner radius", [](EstadoObra &e) { e.postesado.datos.RadioInterior = 0.0; },
         pruebas::MensajeRadiosNoValidos},
        {"radius not a number", [nan](EstadoObra &e) { e.postesado.datos.RadioExterior = nan; },
         pruebas::MensajeRadiosNoValidos},
        {"no stressing tension: 0/0 in the relaxed wire",
         [](EstadoObra &e) { e.postesado.datos.Sf = 0.0; }, pruebas::MensajeDatosNoValidos},
        {"no turns", [](EstadoObra &e) { e.postesado.NESP = 0.0; },
         pruebas::MensajeDatosNoValidos},
        {"wire row outside the table", [](EstadoObra &e) { e.postesado.IndiceAlambre = 0; },
         pruebas::MensajeDatosNoValidos},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.caso);
        EstadoObra estado = EstadoCasoPrueba();
        PreparaHipotesis(estado, 1, 0.5, 20.0, 2);
        estado.postesado.aceptada.NumeroHipotesis = 4; // from an earlier analysis
        f.cambia(estado);
        FallosGrabadora fallos;

        EXPECT_EQ(AnalizaHipotesis(estado, fallos, CasoPrueba), FinAnalisis::CasoAnulado);

        EXPECT_EQ(estado.resultados.EstadoDiseno, CodigoPostesado::DatosNoValidos);
        ASSERT_EQ(fallos.escritos.size(), 1U);
        EXPECT_EQ(fallos.escritos[0].texto, f.texto);
        EXPECT_EQ(fallos.escritos[0].pasada, 0); // the case ends: written in every listing
        EXPECT_EQ(estado.postesado.aceptada.NumeroHipotesis, 0);
        const SeccionPostesado &s = estado.postesado.seccion;
        for (const double v : {s.A, s.Ar, s.Cr, s.D, s.Io, s.PerdidaAcortamientoElastico,
                               s.TensionPruebaIntPrimario, s.PerdidaFluenciaRetraccion,
                               s.TensionResidualAcero, s.PresionCapacidad}) {
            EXPECT_TRUE(std::isfinite(v));
        }
    }
}

TEST(AnalizaHipotesis, LaRetraccionCompartidaNoCambia)
{
    EstadoObra estado = EstadoCasoPrueba();
    estado.tramo.Epsr = -0.0003; // entered either way, used negative
    PreparaHipotesis(estado, 4, 0.5, 20.0, 2);
    FallosGrabadora fallos;

    ASSERT_EQ(AnalizaHipotesis(estado, fallos, CasoPrueba), FinAnalisis::Aceptada);

    EXPECT_EQ(estado.tramo.Epsc, 0.0002);
    EXPECT_EQ(estado.tramo.Epsr, -0.0003);
    // Same losses as with both entered positive.
    EXPECT_NEAR(estado.postesado.seccion.PerdidaFluenciaRetraccion, 884.8249623450879, 1e-9);
}

} // namespace
} // namespace dravek
