#include "core/engine/CalculaCasos.h"

#include "apoyo/ContextoPrueba.h"
#include "apoyo/DepuracionGrabadora.h"
#include "apoyo/DisenoCasoGrabador.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/TextoPrueba.h"
#include "core/engine/UnidadesCalculo.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Impresora.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::B;
using pruebas::DisenoCasoGrabador;
using pruebas::LlamadaDiseno;
using pruebas::OperacionImpresora;
using pruebas::TipoOperacion;

constexpr double Tolerancia = 1e-9;
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Infinito = std::numeric_limits<double>::infinity();

const std::string Separador = std::string(70, '=');

// A reinforced-concrete run as the run validation leaves it, in entry units (MKS): 1000 mm
// inside, a 100 mm wall, a trench with compacted fill, no live load; fill heights 1 to 3 m by
// 1 m, DP 4 to 10 at by 3 at with MDP = DP.
void PreparaTramo(EstadoObra &e)
{
    e.ejecucion.SistemaUnidades = "MKS";
    e.obra.TIGEN = "OBRA DE PRUEBA";
    DatosTramo &t = e.tramo;
    t.TramoActual = 3;
    t.ITIT = "CONDUCCION PRINCIPAL";
    t.Tipologia = 1210;
    t.EsArmado = Verdadero;
    t.TipoPostesado = 0;
    t.ClaseFisuracion = 3;
    t.TipoControl = 1;
    t.IndicadorCamisa = 1;
    t.FCK = 350;
    t.Fct = 22.3;
    t.Fyk = 5100;
    t.Fyd = 4435;
    t.GamaB = 1.5;
    t.GamaY = 1;
    t.GamaF = 1;
    t.Delca = 1.5;
    t.vDi = 1.0;
    t.ESP = 10;
    t.RECI = 2.5;
    t.RECE = 2.0;
    t.vDE = 1.2;
    t.vGAMAB = 2.5;
    t.IndiceColocacion = 0;
    t.CodigoColocacion = 12;
    t.vICUNA = 1;
    t.AnchoZanja = 2.36;
    t.vGAMAT = 1.8;
    t.AnguloRozamiento = 30;
    t.TipoRelleno = 21;
    t.DistanciaTerrenoNatural = 0.6;
    t.IndiceAsentamiento = 0;
    t.CargaVerticalTotal = 0;
    t.TipoCargaConcentrada = 0;
    t.CalculoCargas = 1;
    t.AlturaInicialTramo = 1;
    t.AlturaFinalTramo = 3;
    t.IncrementoAltura = 1;
    t.DPInicialTramo = 4;
    t.DPFinalTramo = 10;
    t.IncrementoPresionTramo = 3;
    t.MDPInicialTramo = 4;
    t.MDPFinalTramo = 10;
}

// The same run post-tensioned, with an embedded cylinder.
void PreparaPostesado(EstadoObra &e)
{
    DatosTramo &t = e.tramo;
    t.Tipologia = 2211;
    t.EsArmado = Falso;
    t.TipoPostesado = 1;
    t.ClaseFisuracion = 0;
    t.FijaPresionPrimario = Verdadero;
    t.CoefPresionPrimario = 1.2;
    t.FykPost = 2400;
    t.Es = 2100000;
    t.Ep = 2000000;
    t.Fckno = 250;
    t.Fckn = 400;
    t.Fckr = 350;
    t.SFck = 17000;
    t.Sf = 12000;
    t.Rel = 3;
    t.Fic = 2;
    t.Fir = 2.5;
    t.Epsc = 0.0002;
    t.Epsr = 0.0003;
}

// One calculation with its own state, printer, listing and designs.
struct Banco : pruebas::ContextoPrueba<pruebas::DepuracionGrabadora, DisenoCasoGrabador> {
    Banco() { PreparaTramo(estado); }

    void Alturas(double inicial, double final, double paso)
    {
        estado.tramo.AlturaInicialTramo = inicial;
        estado.tramo.AlturaFinalTramo = final;
        estado.tramo.IncrementoAltura = paso;
    }

    // DP range of the run with MDP = DP.
    void Presiones(double inicial, double final, double paso)
    {
        estado.tramo.DPInicialTramo = inicial;
        estado.tramo.DPFinalTramo = final;
        estado.tramo.IncrementoPresionTramo = paso;
        estado.tramo.MDPInicialTramo = inicial;
        estado.tramo.MDPFinalTramo = final;
    }

    // As every calculation command: calculation units around the loop.
    ErrorCalculo Calcula(double altura = -1, double dp = -1)
    {
        const GuardaUnidadesCalculo unidades(estado);
        if (pasoPresion) {
            estado.calculo.IncrementoPresion = *pasoPresion;
        }
        return CalculaCasos(contexto, numeroCaso, altura, dp);
    }

    std::vector<std::int32_t> NumerosCaso() const
    {
        std::vector<std::int32_t> numeros;
        for (const LlamadaDiseno &l : diseno.llamadas()) {
            numeros.push_back(l.numeroCaso);
        }
        return numeros;
    }

    std::int32_t numeroCaso = 1; // as the callers pass it
    // DP step handed to the loop in place of the one the unit switch derives (which never
    // passes on a step that is not a positive number).
    std::optional<double> pasoPresion;
};

void EsperaValores(const std::vector<double> &obtenidos, const std::vector<double> &esperados)
{
    ASSERT_EQ(obtenidos.size(), esperados.size());
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        EXPECT_NEAR(obtenidos[i], esperados[i], Tolerancia) << "posición " << i;
    }
}

// --- Fill heights ------------------------------------------------------------------------------

struct CasoAlturas {
    const char *nombre;
    double inicial, final, paso; // m
    std::vector<double> alturas; // m, one case each
};

TEST(CalculaCasos, RecorreLasAlturasDelTramo)
{
    const std::vector<CasoAlturas> casos = {
        {"paso 1", 1, 3, 1, {1, 2, 3}},
        // 3.1 is above 3 and not within 0.01 of it.
        {"paso 0.7", 1, 3, 0.7, {1, 1.7, 2.4}},
        // 2.995 is within 0.01 of 3 and becomes 3.
        {"paso 0.665", 1, 3, 0.665, {1, 1.665, 2.33, 3}},
        {"paso 0: una altura", 1, 3, 0, {1}},
        // Binary-exact step of 1/64 m: 1.0625 is within 0.01 of the final height 1.07 and
        // becomes it.
        {"paso que cae junto al final", 1, 1.07, 0.015625, {1, 1.015625, 1.03125, 1.046875, 1.07}},
        {"altura final 0: solo la inicial", 2, 0, 1, {2}},
        {"altura final negativa: solo la inicial", 2, -1, 1, {2}},
    };
    for (const CasoAlturas &c : casos) {
        SCOPED_TRACE(c.nombre);
        Banco b;
        b.Alturas(c.inicial, c.final, c.paso);
        b.Presiones(4, 4, 0);
        EXPECT_FALSE(b.Calcula());
        EsperaValores(b.diseno.alturas(), c.alturas);
        for (const LlamadaDiseno &l : b.diseno.llamadas()) {
            EXPECT_EQ(l.numeroCaso, 1);
            EXPECT_DOUBLE_EQ(l.DP, 4.0);
        }
        // The run's own range again after the loop, as entered.
        EXPECT_EQ(b.estado.calculo.AlturaInicial, c.inicial);
        EXPECT_EQ(b.estado.calculo.AlturaFinal, c.final);
    }
}

TEST(CalculaCasos, AlturaFinalCeroDeLaObraEsSoloLaPrimera)
{
    Banco b;
    b.Alturas(0, 0, 0);
    b.estado.obra.AlturaInicialObra = 1.5;
    b.estado.obra.AlturaFinalObra = 0;
    b.estado.obra.IncrementoAlturaObra = 0.5;
    b.Presiones(4, 4, 0);
    EXPECT_FALSE(b.Calcula());
    EsperaValores(b.diseno.alturas(), {1.5});
}

struct CasoPasoFino {
    const char *nombre;
    double paso;        // m
    std::size_t minimo; // heights, by the rounding of the sums
    std::size_t maximo;
};

// A step of 0.01 m, the finest taken, used to bring the height back to the final one for ever.
TEST(CalculaCasos, PasosDeAlturaFinosTerminanEnLaAlturaFinal)
{
    const std::vector<CasoPasoFino> casos = {
        {"paso 0.01", 0.01, 200, 201},
    };
    for (const CasoPasoFino &c : casos) {
        SCOPED_TRACE(c.nombre);
        Banco b;
        b.Alturas(1, 3, c.paso);
        b.Presiones(4, 4, 0);
        EXPECT_FALSE(b.Calcula());
        const std::vector<double> alturas = b.diseno.alturas();
        ASSERT_GE(alturas.size(), c.minimo);
        ASSERT_LE(alturas.size(), c.maximo);
        EXPECT_EQ(alturas.front(), 1.0);
        EXPECT_EQ(alturas.back(), 3.0); // the final height, once, last
        for (std::size_t i = 1; i < alturas.size(); ++i) {
            EXPECT_GT(alturas[i], alturas[i - 1]);
            // One step apart; the last may also take the snap to the final height (< 0.01 m).
            const double salto = i + 1 == alturas.size() ? c.paso + 0.01 : c.paso;
            EXPECT_LE(alturas[i] - alturas[i - 1], salto + Tolerancia);
        }
    }
}

// --- Design pressures --------------------------------------------------------------------------

struct CasoPresiones {
    const char *nombre;
    double inicial, final, paso; // at
    std::vector<double> presiones;
};

TEST(CalculaCasos, RecorreLasPresionesDeCadaAltura)
{
    const std::vector<CasoPresiones> casos = {
        {"paso 3", 4, 10, 3, {4, 7, 10}},
        // 12 > 10.2 and 12 <= 10 + 4 - 0.1: a last case at exactly 10.
        {"paso 4: ultimo caso en la DP final", 4, 10, 4, {4, 8, 10}},
        // 7 > 0 + 3 - 0.1.
        {"DP final 0: solo la inicial", 4, 0, 3, {4}},
        // 10.15 is at most 0.2 above the final DP: calculated as it is.
        {"0.15 por encima de la final", 4.15, 10, 3, {4.15, 7.15, 10.15}},
        {"paso 0: una DP", 4, 10, 0, {4}},
        // The increment entered is never negative; a DP->MDP law whose MDP falls while DP rises
        // could make the DP step so.
        {"paso negativo: una DP", 4, 10, -1, {4}},
    };
    for (const CasoPresiones &c : casos) {
        SCOPED_TRACE(c.nombre);
        Banco b;
        b.Alturas(2, 2, 0);
        b.Presiones(c.inicial, c.final, std::abs(c.paso));
        b.pasoPresion = c.paso;
        EXPECT_FALSE(b.Calcula());
        EsperaValores(b.diseno.presiones(), c.presiones);
        for (const LlamadaDiseno &l : b.diseno.llamadas()) {
            EXPECT_NEAR(l.MDP, l.DP, Tolerancia); // the law MDP = DP
        }
    }
}

// A run's DP range without extent is one DP per height: a step the run keeps (typed for a
// wider range) adds no DP up to the margin above the final one.
TEST(CalculaCasos, UnaDPConUnPasoGuardado)
{
    for (const double final : {10.0, 0.0}) {
        SCOPED_TRACE(final);
        Banco b;
        b.Alturas(2, 2, 0);
        b.Presiones(10, final, 0.1);
        b.estado.tramo.MDPFinalTramo = 10;
        EXPECT_FALSE(b.Calcula());
        EsperaValores(b.diseno.presiones(), {10});
    }
}

TEST(CalculaCasos, SinPresionesDelTramoTomaLasDeLaObra)
{
    Banco b;
    b.Alturas(2, 2, 0);
    b.Presiones(0, 0, 0);
    b.estado.obra.DPInicialObra = 5;
    b.estado.obra.DPFinalObra = 9;
    b.estado.obra.IncrementoPresionObra = 2;
    b.estado.obra.MDPInicialObra = 5;
    b.estado.obra.MDPFinalObra = 9;
    EXPECT_FALSE(b.Calcula());
    EsperaValores(b.diseno.presiones(), {5, 7, 9});
}

TEST(CalculaCasos, NumeraLosCasosDeCadaAlturaDesdeUno)
{
    Banco b;
    b.Alturas(1, 2, 1);
    EXPECT_FALSE(b.Calcula());
    EXPECT_EQ(b.NumerosCaso(), (std::vector<std::int32_t>{1, 2, 3, 1, 2, 3}));
    EsperaValores(b.diseno.alturas(), {1, 1, 1, 2, 2, 2});
    EsperaValores(b.diseno.presiones(), {4, 7, 10, 4, 7, 10});
    const std::vector<LlamadaDiseno> &llamadas = b.diseno.llamadas();
    for (std::size_t i = 0; i < llamadas.size(); ++i) {
        EXPECT_EQ(llamadas[i].NumeroCaso, llamadas[i].numeroCaso);
        EXPECT_EQ(llamadas[i].ContadorCasos, static_cast<std::int32_t>(i + 1));
        EXPECT_EQ(llamadas[i].PrimerCaso, i == 0);
        EXPECT_FALSE(llamadas[i].NuevaAltura); // cleared once the ring analysis has run
    }
    EXPECT_EQ(b.numeroCaso, 4); // raised after the last case

    // The titles carry the case number of its height.
    std::string esperado;
    for (int altura = 1; altura <= 2; ++altura) {
        int numero = 1;
        for (const char *dp : {"4.00", "7.00", "10.00"}) {
            esperado += "  CALCULANDO EL CASO : " + std::to_string(numero++) + "/   3  DP: " + dp +
                        " at      MDP: " + dp + " at\n" + Separador + "\n\n";
        }
    }
    EXPECT_EQ(b.salida.TextoPantalla(), esperado);
    EXPECT_TRUE(b.impresora.operaciones().empty()); // the screen listing prints nothing
}

// The counters are wider than 16 bits: case 32768 and beyond are numbered as they are. DP 1/64
// to 515.625 at by 1/64 at, binary-exact: 33000 cases at one height (the next DP passes the
// final one, 515.425 at, by more than 0.2 at).
TEST(CalculaCasos, MasDe32767CasosSeCuentanBien)
{
    Banco b;
    b.Alturas(2, 2, 0);
    b.Presiones(1.0 / 64, 515.425, 1.0 / 64);
    EXPECT_FALSE(b.Calcula());
    ASSERT_EQ(b.diseno.llamadas().size(), 33000U);
    const LlamadaDiseno &ultima = b.diseno.llamadas().back();
    EXPECT_EQ(ultima.numeroCaso, 33000);
    EXPECT_EQ(ultima.ContadorCasos, 33000);
    EXPECT_NE(b.salida.TextoPantalla().find("  CALCULANDO EL CASO : 33000/   3  DP: 515.63 at"),
              std::string::npos);
}

struct CasoRangoImposible {
    const char *nombre;
    double inicial, final, paso;       // m
    std::optional<double> pasoPresion; // at, the loop's DP step when given
    std::string mensaje;
};

// Ranges the loop cannot walk used to calculate nothing and report success, or never end:
// refused before the first case, naming the range or the step.
TEST(CalculaCasos, RangosQueNoSePuedenRecorrerSeRechazan)
{
    const std::vector<CasoRangoImposible> casos = {
        {.nombre = "final por debajo de la inicial",
         .inicial = 3,
         .final = 2,
         .paso = 1,
         .pasoPresion = {},
         .mensaje = "ERROR: Alturas de cálculo del Relleno (mts.): 3.000 - 2.000"},
        {.nombre = "final no numerico",
         .inicial = 1,
         .final = NaN,
         .paso = 1,
         .pasoPresion = {},
         .mensaje = "ERROR: Alturas de cálculo del Relleno (mts.): 1.000 - no es un número"},
        {.nombre = "paso negativo",
         .inicial = 1,
         .final = 3,
         .paso = -1,
         .pasoPresion = {},
         .mensaje = "ERROR: Incremento de altura: -1.000 (mínimo 0.010)"},
        {.nombre = "paso menor que 0.01",
         .inicial = 1,
         .final = 3,
         .paso = 0.005,
         .pasoPresion = {},
         .mensaje = "ERROR: Incremento de altura: 0.005 (mínimo 0.010)"},
        {.nombre = "paso no numerico",
         .inicial = 1,
         .final = 3,
         .paso = NaN,
         .pasoPresion = {},
         .mensaje = "ERROR: Incremento de altura: no es un número"},
        {.nombre = "paso de presion no numerico",
         .inicial = 1,
         .final = 3,
         .paso = 1,
         .pasoPresion = NaN,
         .mensaje = "ERROR: Incremento de Presión: no es un número"},
        {.nombre = "paso de presion infinito",
         .inicial = 1,
         .final = 3,
         .paso = 1,
         .pasoPresion = Infinito,
         .mensaje = "ERROR: Incremento de Presión: infinito"},
        // A DP step of 2^-20 at that the unit switch would never derive from the increment
        // entered: 6.2 at / 2^-20 at = 6501171.2, so 6501172 DPs at each of 3 heights, counted
        // from the range once far too many to follow.
        {.nombre = "paso de la DP de 2^-20 at",
         .inicial = 1,
         .final = 3,
         .paso = 1,
         .pasoPresion = 1.0 / 1048576,
         .mensaje = "ERROR: Número de casos de cálculo: 19503516 (máximo 100000)"},
    };
    for (const CasoRangoImposible &c : casos) {
        SCOPED_TRACE(c.nombre);
        Banco b;
        b.Alturas(c.inicial, c.final, c.paso);
        b.pasoPresion = c.pasoPresion;
        const ErrorCalculo error = b.Calcula();
        EXPECT_TRUE(error);
        EXPECT_EQ(error.mensaje, c.mensaje);
        EXPECT_TRUE(b.diseno.llamadas().empty());
        EXPECT_EQ(b.salida.TextoPantalla(), c.mensaje + "\n\n");
    }

    // The project's range when the run gives none.
    Banco b;
    b.Alturas(0, 0, 0);
    b.estado.obra.AlturaInicialObra = 3;
    b.estado.obra.AlturaFinalObra = 2;
    b.estado.obra.IncrementoAlturaObra = 1;
    const ErrorCalculo error = b.Calcula();
    EXPECT_EQ(error.mensaje,
              "ERROR: Datos por defecto de Altura de tierras (Metros): 3.000 - 2.000");
    EXPECT_TRUE(b.diseno.llamadas().empty());
}

// --- One case ----------------------------------------------------------------------------------

TEST(CalculaCasos, UnCasoSueltoYElRangoVuelve)
{
    Banco b; // run range 1 to 3 m, DP 4 to 10 at by 3
    EXPECT_FALSE(b.Calcula(2.5, 6));
    ASSERT_EQ(b.diseno.llamadas().size(), 1U);
    const LlamadaDiseno &l = b.diseno.llamadas().front();
    EXPECT_EQ(l.numeroCaso, 1);
    EXPECT_TRUE(l.PrimerCaso); // so the run data report is listed too
    EXPECT_DOUBLE_EQ(l.AlturaActual, 2.5);
    EXPECT_DOUBLE_EQ(l.DP, 6.0);
    EXPECT_EQ(b.estado.calculo.IncrementoPresion, 0.0);
    EXPECT_EQ(b.estado.calculo.AlturaInicial, 1.0);
    EXPECT_EQ(b.estado.calculo.AlturaFinal, 3.0);
    EXPECT_EQ(b.estado.caso.AlturaActual, 1.0);
    EXPECT_EQ(b.salida.TextoPantalla(),
              "  CALCULANDO EL CASO : 1/   3  DP: 6.00 at      MDP: 6.00 at\n" + Separador +
                  "\n\n");
}

// --- Listings ----------------------------------------------------------------------------------

// The memory made ready at start-up changes no text: what is there stays, and a run lists into
// the room what it lists into a text without it.
TEST(CalculaCasos, LaMemoriaDeArranqueNoCambiaElListado)
{
    Banco sinPreparar;
    Banco preparado;
    preparado.salida.EscribePantalla(0, "ANTES", 1);
    PreparaMemoriaPantalla(preparado.salida);
    EXPECT_EQ(preparado.salida.TextoPantalla(), "ANTES\n");
    EXPECT_GE(preparado.salida.TextoPantalla().capacity(), PantallaDeArranque);

    preparado.salida.VaciaPantalla();
    EXPECT_FALSE(sinPreparar.Calcula());
    EXPECT_FALSE(preparado.Calcula());
    EXPECT_FALSE(sinPreparar.salida.TextoPantalla().empty());
    EXPECT_EQ(preparado.salida.TextoPantalla(), sinPreparar.salida.TextoPantalla());
}

struct CasoTitulo {
    const char *nombre;
    std::string sistema;
    double dp, mdp; // entry units
    std::string titulo;
};

TEST(CalculaCasos, TituloYSeparadorEnPantalla)
{
    const std::vector<CasoTitulo> casos = {
        {"MKS", "MKS", 4, 5, "  CALCULANDO EL CASO : 1/   3  DP: 4.00 at      MDP: 5.00 at"},
        {"SI", "SI", 0.4, 0.5, "  CALCULANDO EL CASO : 1/   3  DP: 0.400 MPa      MDP: 0.500 MPa"},
    };
    for (const CasoTitulo &c : casos) {
        SCOPED_TRACE(c.nombre);
        Banco b;
        b.estado.ejecucion.SistemaUnidades = c.sistema;
        b.Alturas(2, 2, 0);
        b.Presiones(c.dp, c.dp, 0);
        b.estado.tramo.MDPInicialTramo = c.mdp;
        b.estado.tramo.MDPFinalTramo = c.mdp;
        EXPECT_FALSE(b.Calcula());
        EXPECT_EQ(b.salida.TextoPantalla(), c.titulo + "\n" + Separador + "\n\n");
    }
}

TEST(CalculaCasos, TituloYSeparadorDelListadoPantalla)
{
    Banco b;
    b.estado.listado.Imprimiendo = true;
    b.estado.listado.TipoListado = ClaseListado::Pantalla;
    b.Alturas(2, 2, 0);
    b.Presiones(4, 7, 3);
    EXPECT_FALSE(b.Calcula());

    const std::string titulo1 = B(9) + "CASO NUMERO: 1/   3 : " + "CONDUCCION PRINCIPAL" + B(20);
    const std::string titulo2 = B(9) + "CASO NUMERO: 2/   3 : " + "CONDUCCION PRINCIPAL" + B(20);
    const std::string dp1 = B(31) + "DP: 4.00 at      MDP: 4.00 at";
    const std::string dp2 = B(31) + "DP: 7.00 at      MDP: 7.00 at";
    // The first title fits on the empty page (0 + 33 <= 72); after a case the count stands at
    // 60, so the second case starts a page.
    EXPECT_EQ(b.impresora.lineas(1), (std::vector<std::string>{" ", " ", " ", titulo1, dp1, " "}));
    EXPECT_EQ(b.impresora.lineas(2), (std::vector<std::string>{" ", " ", " ", titulo2, dp2, " "}));
    ASSERT_EQ(b.diseno.llamadas().size(), 2U);
    EXPECT_EQ(b.diseno.llamadas()[0].LineasImpresas, 6);
    EXPECT_EQ(b.diseno.llamadas()[1].LineasImpresas, 6);
    EXPECT_EQ(b.estado.listado.LineasImpresas, 60);
    EXPECT_TRUE(b.salida.TextoPantalla().empty());

    // From the separator of the first case on, only the loop writes on the printer.
    const std::vector<OperacionImpresora> &ops = b.impresora.operaciones();
    std::size_t desde = 0;
    while (desde < ops.size() && ops[desde].tipo != TipoOperacion::GrosorLapiz) {
        ++desde;
    }
    std::vector<std::string> descritas;
    for (std::size_t i = desde; i < ops.size(); ++i) {
        if (ops[i].tipo == TipoOperacion::Recta) {
            SCOPED_TRACE(i);
            // Across the page, 3 mm under the print position, black.
            EXPECT_EQ(ops[i].valores,
                      (std::array<double, 4>{18, ops[i].y + 3, 190, ops[i].y + 3}));
            EXPECT_EQ(ops[i].texto, "0");
            descritas.push_back("Recta");
        } else {
            descritas.push_back(ops[i].Describe());
        }
    }
    const std::vector<std::string> esperadas = {
        "Lapiz 5",
        "Recta",
        "Linea | |",
        "NuevaPagina",
        "Linea | |",
        "Linea | |",
        "Linea | |",
        "Tamano 10.0",
        "Negrita 1",
        "Linea |" + titulo2 + "|",
        "Linea |" + dp2 + "|",
        "Negrita 0",
        "Lapiz 5",
        "Recta",
        "Linea | |",
    };
    EXPECT_EQ(descritas, esperadas);
}

TEST(CalculaCasos, ListadoTabularDejaDosLineasEntreAlturas)
{
    Banco b;
    b.estado.listado.Imprimiendo = true;
    b.estado.listado.TipoListado = ClaseListado::Tabular;
    b.Alturas(1, 20, 1); // more heights than the page's budget has pairs of lines
    b.Presiones(4, 7, 3);
    EXPECT_FALSE(b.Calcula());

    const std::vector<LlamadaDiseno> &llamadas = b.diseno.llamadas();
    ASSERT_EQ(llamadas.size(), 40U);
    // Two lines less per height while two are left; never below 0.
    std::int32_t esperado = llamadas.front().LineasRestantes;
    for (std::size_t i = 0; i < llamadas.size(); i += 2) {
        SCOPED_TRACE(i);
        EXPECT_EQ(llamadas[i].LineasRestantes, esperado);
        EXPECT_EQ(llamadas[i + 1].LineasRestantes, esperado);
        if (esperado >= 2) {
            esperado -= 2;
        }
    }
    EXPECT_EQ(b.estado.listado.LineasRestantes, esperado);
    EXPECT_TRUE(b.salida.TextoPantalla().empty());
}

TEST(CalculaCasos, ListadoTabularImprimeLasDosLineasTrasLaAltura)
{
    Banco b;
    b.estado.listado.Imprimiendo = true;
    b.estado.listado.TipoListado = ClaseListado::Tabular;
    b.Alturas(2, 2, 0);
    b.Presiones(4, 7, 3);
    EXPECT_FALSE(b.Calcula());
    ASSERT_EQ(b.diseno.llamadas().size(), 2U);
    const std::int32_t antes = b.diseno.llamadas().back().LineasRestantes;
    ASSERT_GE(antes, 2);
    EXPECT_EQ(b.estado.listado.LineasRestantes, antes - 2);
    const std::vector<std::string> lineas = b.impresora.lineas();
    ASSERT_GE(lineas.size(), 2U);
    EXPECT_EQ(std::vector<std::string>(lineas.end() - 2, lineas.end()),
              (std::vector<std::string>{" ", " "}));
    // Neither a case title nor a separator on the Tabular listing.
    for (const OperacionImpresora &op : b.impresora.operaciones()) {
        EXPECT_NE(op.tipo, TipoOperacion::Recta);
        EXPECT_EQ(op.texto.find("CASO NUMERO"), std::string::npos);
    }
}

// --- Loads -------------------------------------------------------------------------------------

struct CasoCargaDada {
    const char *nombre;
    std::string sistema;
    double carga; // t/m2 in MKS, MPa in SI
    std::int16_t colocacion;
    double vQ, vQH; // t/m2, by hand
};

// A typed total vertical load reaches the ring analysis in t/m2 whatever the screen shows,
// and nothing of the loads of a previous run stays.
TEST(CalculaCasos, CargaVerticalDadaEnToneladasPorMetroCuadrado)
{
    const std::vector<CasoCargaDada> casos = {
        {"MKS zanja compactada", "MKS", 5, 12, 5, 5},
        {"SI zanja compactada: 0.05 MPa x 100", "SI", 0.05, 12, 5, 5},
        // vQH = vDE x q / B = 1.2 x 5 / 2.4.
        {"SI zanja sin compactar", "SI", 0.05, 11, 5, 2.5},
        // vQH = vGAMAT x the run's initial height = 1.8 x 2, at every height.
        {"SI zanja terraplenada", "SI", 0.05, 22, 5, 3.6},
    };
    for (const CasoCargaDada &c : casos) {
        SCOPED_TRACE(c.nombre);
        Banco b;
        b.estado.ejecucion.SistemaUnidades = c.sistema;
        b.Alturas(2, 3, 1);
        const double f = c.sistema == "SI" ? 0.1 : 1.0; // pressures in MPa in SI
        b.Presiones(4 * f, 4 * f, 0);
        DatosTramo &t = b.estado.tramo;
        t.CargaVerticalTotal = c.carga;
        t.CalculoCargas = 0;
        t.CodigoColocacion = c.colocacion;
        t.AnchoZanja = 2.4;
        t.TipoRelleno = c.colocacion < 20 ? 21 : 0;
        t.DistanciaTerrenoNatural = 0.6;
        b.estado.caso.CargaMovil = 7; // what a previous run left
        b.estado.caso.CargaNoAdoptada = 9;
        EXPECT_FALSE(b.Calcula());
        ASSERT_EQ(b.diseno.llamadas().size(), 2U);
        for (const LlamadaDiseno &l : b.diseno.llamadas()) {
            EXPECT_NEAR(l.vQ, c.vQ, Tolerancia);
            EXPECT_NEAR(l.vQH, c.vQH, Tolerancia);
            EXPECT_EQ(l.CargaMovil, 0.0);
            EXPECT_EQ(l.CargaNoAdoptada, 0.0);
        }
        EXPECT_DOUBLE_EQ(t.CargaVerticalTotal, c.carga); // entry units again
    }
}

TEST(CalculaCasos, CargasDeMarstonPorUnidadDeDiametro)
{
    // phi = 30, gamma = 1.8, Bc = 1.2, B = 2.36, H = 3, soil 11, compacted trench: W = W2 =
    // 5.13 t/m, the trench load retained; divided by Bc, 4.275 t/m2.
    Banco b;
    b.Alturas(3, 3, 0);
    b.Presiones(4, 4, 0);
    b.estado.tramo.TipoRelleno = 11;
    EXPECT_FALSE(b.Calcula());
    ASSERT_EQ(b.diseno.llamadas().size(), 1U);
    const LlamadaDiseno &l = b.diseno.llamadas().front();
    EXPECT_NEAR(l.vQ, 5.13 / 1.2, 0.005);
    EXPECT_NEAR(l.vQH, 5.13 / 1.2, 0.005);
    EXPECT_EQ(l.CargaMovil, 0.0);
    EXPECT_EQ(b.estado.calculo.TerraplenAdoptado, Falso);
}

struct CasoErrorCargas {
    const char *nombre;
    void (*prepara)(Banco &);
    double altura, dp; // the call's arguments
    std::string mensaje;
};

// Data the Marston theory cannot take stop the calculation with a message in the listing,
// never a NaN or a hang.
TEST(CalculaCasos, CargasImposiblesDetienenElCalculo)
{
    const std::vector<CasoErrorCargas> casos = {
        {"rozamiento 0", [](Banco &b) { b.estado.tramo.AnguloRozamiento = 0; }, -1, -1,
         "ERROR: Angulo de Rozamiento debe estar entre 0º y 90º"},
        {"rozamiento 90", [](Banco &b) { b.estado.tramo.AnguloRozamiento = 90; }, -1, -1,
         "ERROR: Angulo de Rozamiento debe estar entre 0º y 90º"},
        {"ancho de zanja 0", [](Banco &b) { b.estado.tramo.AnchoZanja = 0; }, -1, -1,
         "ERROR: Anchura Zanja (m): 0.000"},
        {"carga dada con ancho de zanja 0",
         [](Banco &b) {
             b.estado.tramo.CalculoCargas = 0;
             b.estado.tramo.CargaVerticalTotal = 5;
             b.estado.tramo.CodigoColocacion = 11;
             b.estado.tramo.AnchoZanja = 0;
         },
         -1, -1, "ERROR: Anchura Zanja (m): 0.000"},
        {"altura 0", [](Banco &) {}, 0, 4, "ERROR: Altura (m): 0.000"},
    };
    for (const CasoErrorCargas &c : casos) {
        SCOPED_TRACE(c.nombre);
        for (const bool imprimiendo : {false, true}) {
            SCOPED_TRACE(imprimiendo ? "impreso" : "pantalla");
            Banco b;
            b.estado.tramo.vICUNA = 2;
            b.estado.listado.Imprimiendo = imprimiendo;
            b.estado.listado.TipoListado = ClaseListado::Pantalla;
            c.prepara(b);
            const ErrorCalculo error = b.Calcula(c.altura, c.dp);
            EXPECT_TRUE(error);
            EXPECT_EQ(error.mensaje, c.mensaje);
            EXPECT_TRUE(b.diseno.llamadas().empty());
            if (imprimiendo) {
                EXPECT_EQ(b.impresora.lineas(), (std::vector<std::string>{" ", B(8) + c.mensaje}));
                EXPECT_TRUE(b.salida.TextoPantalla().empty());
            } else {
                EXPECT_EQ(b.salida.TextoPantalla(), c.mensaje + "\n\n");
            }
            // The run as entered again.
            EXPECT_EQ(b.estado.tramo.ESP, 10.0);
            EXPECT_EQ(b.estado.tramo.vICUNA, 2);
            EXPECT_EQ(b.estado.calculo.AlturaInicial, 1.0);
        }
    }
}

// --- Geometry in calculation units -------------------------------------------------------------

struct CasoSalida {
    const char *nombre;
    double altura, dp;
    std::size_t fallaEn; // call that returns an error, 0 none
    std::size_t lanzaEn; // call that throws, 0 none
    std::size_t llamadas;
};

// The loop analyses the run in calculation units and gives it back as entered on every way
// out: the end of the range, a design's error, a design's exception.
TEST(CalculaCasos, GeometriaEnUnidadesDeCalculoYDeVueltaSiempre)
{
    const std::vector<CasoSalida> casos = {
        {.nombre = "todo el rango",
         .altura = -1,
         .dp = -1,
         .fallaEn = 0,
         .lanzaEn = 0,
         .llamadas = 9},
        {.nombre = "error del diseno",
         .altura = -1,
         .dp = -1,
         .fallaEn = 2,
         .lanzaEn = 0,
         .llamadas = 2},
        {.nombre = "excepcion del diseno",
         .altura = -1,
         .dp = -1,
         .fallaEn = 0,
         .lanzaEn = 1,
         .llamadas = 1},
        {.nombre = "un caso con error del diseno",
         .altura = 2.5,
         .dp = 6,
         .fallaEn = 1,
         .lanzaEn = 0,
         .llamadas = 1},
    };
    for (const CasoSalida &c : casos) {
        SCOPED_TRACE(c.nombre);
        Banco b;
        b.estado.tramo.vICUNA = 2; // concrete 120 degrees as stored
        if (c.fallaEn > 0) {
            b.diseno.FallaEnLlamada(c.fallaEn, "fallo del armado");
        }
        if (c.lanzaEn > 0) {
            b.diseno.LanzaEnLlamada(c.lanzaEn);
            EXPECT_THROW(b.Calcula(c.altura, c.dp), std::runtime_error);
        } else {
            const ErrorCalculo error = b.Calcula(c.altura, c.dp);
            EXPECT_EQ(static_cast<bool>(error), c.fallaEn > 0);
            EXPECT_EQ(error.mensaje, c.fallaEn > 0 ? "fallo del armado" : "");
        }
        ASSERT_EQ(b.diseno.llamadas().size(), c.llamadas);
        for (const LlamadaDiseno &l : b.diseno.llamadas()) {
            EXPECT_DOUBLE_EQ(l.Delca, 0.15); // cm
            EXPECT_DOUBLE_EQ(l.ESP, 0.10);   // m
            EXPECT_DOUBLE_EQ(l.RECI, 0.025);
            EXPECT_DOUBLE_EQ(l.RECE, 0.020);
            EXPECT_EQ(l.vICUNA, 3); // analysed as the concrete 120 degree cradle
        }
        const DatosTramo &t = b.estado.tramo;
        EXPECT_EQ(t.Delca, 1.5);
        EXPECT_EQ(t.ESP, 10.0);
        EXPECT_EQ(t.RECI, 2.5);
        EXPECT_EQ(t.RECE, 2.0);
        EXPECT_EQ(t.vICUNA, 2);
        const DatosCalculo &calculo = b.estado.calculo;
        EXPECT_EQ(calculo.EspesorCamisaTramo, 1.5);
        EXPECT_EQ(calculo.EspesorTramo, 10.0);
        EXPECT_EQ(calculo.RecubrimientoInteriorTramo, 2.5);
        EXPECT_EQ(calculo.RecubrimientoExteriorTramo, 2.0);
        EXPECT_EQ(calculo.TipoCunaTramo, 2);
        EXPECT_EQ(calculo.AlturaInicial, 1.0);
        EXPECT_EQ(calculo.AlturaFinal, 3.0);
        EXPECT_EQ(b.estado.caso.AlturaActual, 1.0);
    }
}

TEST(CalculaCasos, PostesadoRecibeLosRadiosYConservaLasRetracciones)
{
    Banco b;
    PreparaPostesado(b.estado);
    b.Alturas(2, 2, 0);
    b.Presiones(4, 7, 3);
    EXPECT_FALSE(b.Calcula());
    ASSERT_EQ(b.diseno.llamadas().size(), 2U);
    for (const LlamadaDiseno &l : b.diseno.llamadas()) {
        EXPECT_FALSE(l.armado);
        EXPECT_EQ(l.FijaPresionPrimario, Verdadero);
        EXPECT_DOUBLE_EQ(l.CoefPresionPrimario, 1.2);
        // vDE 1.2 m and vDi 1.0 m; covers 2.5 and 2.0 cm.
        EXPECT_DOUBLE_EQ(l.RadioExterior, 60.0);
        EXPECT_DOUBLE_EQ(l.RadioInterior, 50.0);
        EXPECT_DOUBLE_EQ(l.RadioCamisa, 52.5);
        EXPECT_DOUBLE_EQ(l.RadioNucleo, 58.0);
        EXPECT_EQ(l.Epsc, 0.0002);
        EXPECT_EQ(l.Epsr, 0.0003);
    }
    EXPECT_EQ(b.estado.tramo.Epsc, 0.0002);
    EXPECT_EQ(b.estado.tramo.Epsr, 0.0003);
}

} // namespace
} // namespace dravek
