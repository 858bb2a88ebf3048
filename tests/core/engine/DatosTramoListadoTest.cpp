// The run data report and the load table.
//
// The run of most tests: a reinforced-concrete pipe (1210) of 1.0 m inside and 1.2 m outside in a
// compacted trench (code 12) 2.36 m wide, fill of 1.8 t/m3 at 30 degrees, soil 11, the axle of
// 13 t, fill heights 2 to 3 m in steps of 1 m. Expected loads (t/m2, already divided by Bc) were
// computed by hand from the Marston formulas in a separate python3 script that finds the plane of
// equal settlement by bisection, not by Newton; the trench load is the one adopted at every
// height (the embankment-condition loads are the CargaNoAdoptada values):
//   H 1 m, no live load: W/Bc 1.661189016067, other condition 2.122181915032
//   H 2 m, axle of 13 t: W/Bc 4.102541604923, live 1.029614325069 (q 0.89532 x impact 1.15),
//                        other condition 5.015222925396
//   H 3 m, axle of 13 t: W/Bc 4.769995420557, live 0.497322111706 (impact 1.0),
//                        other condition 8.173883765465
// The routine stops Newton when a step is below 1e-5, hence the 1e-6 tolerance.

#include "core/engine/DatosTramoListado.h"

#include "apoyo/ContextoPrueba.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/TextoPrueba.h"
#include "core/engine/TablaCargas.h"
#include "core/engine/mdMarston.h"
#include "core/model/TextoRecurso.h"
#include "core/model/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::B;
using pruebas::Fijo;
using pruebas::OperacionImpresora;
using pruebas::TipoOperacion;

constexpr double Tolerancia = 1e-6; // t/m2, against the hand calculation
constexpr double Testigo = 77.0;    // a load no step of the report can produce, t/m2

struct Carga {
    double vQ;
    double CargaMovil;
    double CargaNoAdoptada;
};
constexpr Carga CargaUnMetro{1.661189016067, 0.0, 2.122181915032};
constexpr Carga CargaDosMetros{4.102541604923, 1.029614325069, 5.015222925396};
constexpr Carga CargaTresMetros{4.769995420557, 0.497322111706, 8.173883765465};

std::string T(int n)
{
    return Texto(0, n);
}

// Fixed-point field right-aligned to a width, formatted apart from the listing's formatter.
std::string Num(double valor, int ancho, int decimales)
{
    char texto[64];
    std::snprintf(texto, sizeof texto, "%*.*f", ancho, decimales, valor);
    return texto;
}

class InformeTest : public ::testing::Test, protected pruebas::ContextoPrueba<> {
protected:
    InformeTest()
    {
        EstadoEjecucion &ejecucion = estado.ejecucion;
        ejecucion.DesplazamientoIdioma = 0;
        ejecucion.SistemaUnidades = "MKS";
        ejecucion.SeparadorDecimalLocal = ".";
        ejecucion.RutaAplicacion = "/programa/";

        estado.obra.TIGEN = "CONDUCCION DE AGUA";
        estado.obra.Cliente = "Ayuntamiento";
        estado.obra.GolpeArieteCalculado = Verdadero;
        estado.obra.DPInicialObra = 6.0;
        estado.obra.DPFinalObra = 10.0;

        DatosTramo &t = estado.tramo;
        t.TramoActual = 3;
        t.ITIT = "Tramo 3";
        t.Tipologia = 1210;
        t.EsArmado = Verdadero;
        t.TipoControl = 1;
        t.FCK = 350;                             // kp/cm2
        t.Fct = 0.45 * std::cbrt(350.0 * 350.0); // 22.35 kp/cm2
        t.Fyk = 5100;
        t.Fyd = 5100 / 1.15; // 4434.8 kp/cm2
        t.GamaB = 1.5;
        t.vDi = 1.0; // m
        t.ESP = 0.1; // m while the case loop runs
        t.RECI = 0.025;
        t.RECE = 0.03;
        t.vDE = 1.2;
        t.vGAMAB = 2.5;
        t.CodigoColocacion = 12;
        t.vICUNA = 3; // the concrete 120 degree cradle as the case loop analyses it
        t.AnchoZanja = 2.36;
        t.vGAMAT = 1.8;
        t.AnguloRozamiento = 30;
        t.TipoRelleno = 11;
        t.DistanciaTerrenoNatural = 0;
        t.IndiceAsentamiento = 0;
        t.TipoCargaConcentrada = 2;
        t.CalculoCargas = 1;
        t.IncrementoAltura = 1.0;

        estado.calculo.AlturaInicial = 2.0;
        estado.calculo.AlturaFinal = 3.0;
        estado.calculo.PresionCaso = 99;

        DatosCaso &c = estado.caso;
        c.PrimerCaso = true;
        c.NumeroCaso = 1;
        c.ContadorCasos = 1;
        c.DP = 6.0;
        c.MDP = 6.6;
        c.AlturaActual = 2.0;
        c.vQ = Testigo;
        c.vQH = Testigo;
        c.CargaMovil = Testigo;
        c.CargaNoAdoptada = Testigo;
        c.TextoTipoCamisa = "x";

        estado.listado.Imprimiendo = true;
        estado.listado.TipoListado = ClaseListado::Normal;
        estado.listado.NumeroPagina = 0;

        estado.frFiguras.ptArmado = "/programa/Lur2110.bmp";
        estado.frFiguras.ptColocacion = "/programa/Zanja2a.bmp";

        ConstruyeEtiquetas(estado);
    }

    // The impact coefficient the case loop got for the first height, 2 m.
    ErrorCalculo Informe() { return ListaDatosTramo(contexto, 1.15); }

    void EnPantalla() { estado.listado.Imprimiendo = false; }
    void Imprimiendo(ClaseListado clase)
    {
        estado.listado.Imprimiendo = true;
        estado.listado.TipoListado = clase;
    }

    // Another listing from its first page, as after the previous document was handed over.
    void NuevoDocumento()
    {
        EXPECT_EQ(impresora.FinDocumento(), SinErrorImpresora);
        impresora.olvida();
        estado.listado.NumeroPagina = 0;
    }

    // The lines of a page from the first one equal to desde.
    std::vector<std::string> LineasDesde(int pagina, const std::string &desde) const
    {
        const std::vector<std::string> todas = impresora.lineas(pagina);
        for (std::size_t i = 0; i < todas.size(); ++i) {
            if (todas[i] == desde) {
                return {todas.begin() + static_cast<std::ptrdiff_t>(i), todas.end()};
            }
        }
        ADD_FAILURE() << "no line |" << desde << "| on page " << pagina;
        return {};
    }

    std::vector<OperacionImpresora> Imagenes() const
    {
        std::vector<OperacionImpresora> imagenes;
        for (const OperacionImpresora &o : impresora.operaciones()) {
            if (o.tipo == TipoOperacion::Imagen) {
                imagenes.push_back(o);
            }
        }
        return imagenes;
    }

    void EsperaCargasCaso(const Carga &carga) const
    {
        EXPECT_NEAR(estado.caso.vQ, carga.vQ, Tolerancia);
        EXPECT_NEAR(estado.caso.vQH, carga.vQ, Tolerancia); // trench load retained: W2 = W
        EXPECT_NEAR(estado.caso.CargaMovil, carga.CargaMovil, Tolerancia);
        EXPECT_NEAR(estado.caso.CargaNoAdoptada, carga.CargaNoAdoptada, Tolerancia);
    }

    void EsperaCargasUnMetro() const
    {
        EXPECT_NEAR(estado.caso.vQUnMetro, CargaUnMetro.vQ, Tolerancia);
        EXPECT_NEAR(estado.caso.vQHUnMetro, CargaUnMetro.vQ, Tolerancia);
        EXPECT_DOUBLE_EQ(estado.caso.CargaMovilUnMetro, 0.0);
        EXPECT_NEAR(estado.caso.CargaNoAdoptadaUnMetro, CargaUnMetro.CargaNoAdoptada, Tolerancia);
    }

    void EsperaCargasIntactas() const
    {
        EXPECT_EQ(estado.caso.vQ, Testigo);
        EXPECT_EQ(estado.caso.vQH, Testigo);
        EXPECT_EQ(estado.caso.CargaMovil, Testigo);
        EXPECT_EQ(estado.caso.CargaNoAdoptada, Testigo);
    }
};

// --- Label tables -------------------------------------------------------------------------------

TEST_F(InformeTest, EtiquetasEnEspanol)
{
    const EtiquetasTramo &e = estado.etiquetas;
    EXPECT_EQ(e.NombresNivelControl[1], "Intenso");
    EXPECT_EQ(e.NombresNivelControl[2], "Normal");
    EXPECT_EQ(e.NombresCuna[1], "Granular, 90 grd");
    EXPECT_EQ(e.NombresCuna[2], "Hormigón, 120 grd");
    EXPECT_EQ(e.NombresCargaMovil[1], "No se considera");
    EXPECT_EQ(e.NombresCargaMovil[3], "Eje de 13 Toneladas");
    EXPECT_EQ(e.NombresCargaMovil[5], "Tráfico ferroviario");
    EXPECT_EQ(e.NombresAsentamiento[1], "1,0 - Roca o suelo no asentable");
    EXPECT_EQ(e.NombresAsentamiento[2], "0,5 - Suelo Ordinario");
    EXPECT_EQ(e.NombresAsentamiento[3], "0,3 - Suelo Asentable");

    EXPECT_EQ(e.NombresColocacion[1][1], T(330));
    EXPECT_EQ(e.NombresColocacion[1][2], T(333));
    EXPECT_EQ(e.NombresColocacion[2][1], T(331));
    EXPECT_EQ(e.NombresColocacion[2][2], T(334));
    EXPECT_EQ(e.NombresColocacion[3][1], "TERRAPLEN");
    EXPECT_EQ(e.NombresColocacion[3][2], B(41));

    // Every soil entry is 37 characters in Spanish, its K mu' at the end.
    struct Suelo {
        int k, l;
        std::string nombre;
        std::string kmu;
    };
    const std::vector<Suelo> suelos = {
        {1, 1, "No cohesivo, Rocas Machacadas (0,192)", "(0,192)"},
        {1, 2, "No cohesivo, Rocas con Gravas (0,165)", "(0,165)"},
        {1, 3, B(37), B(7)},
        {2, 1, "Cohesivo, Arena Arcillosa (0,150)    ", "(0,150)"},
        {2, 2, "Cohesivo, Arcillas ordinarias (0,130)", "(0,130)"},
        {2, 3, "Cohesivo, Arcillas plásticas (0,110) ", "(0,110)"},
    };
    for (const Suelo &s : suelos) {
        SCOPED_TRACE(10 * s.k + s.l);
        const auto k = static_cast<std::size_t>(s.k);
        const auto l = static_cast<std::size_t>(s.l);
        EXPECT_EQ(e.NombresRelleno[k][l], s.nombre);
        EXPECT_EQ(CuentaCaracteresUtf8(e.NombresRelleno[k][l]), 37U);
        EXPECT_EQ(e.KmuRelleno[k][l], s.kmu);
    }
}

TEST_F(InformeTest, EtiquetasEnElIdiomaDeLaInterfaz)
{
    estado.ejecucion.DesplazamientoIdioma = 5000;
    ConstruyeEtiquetas(estado);
    EXPECT_EQ(estado.etiquetas.NombresNivelControl[1], TextoRecurso(5113));
    EXPECT_EQ(estado.etiquetas.NombresCargaMovil[5], TextoRecurso(5125));
    EXPECT_EQ(estado.etiquetas.NombresAsentamiento[2], "0,5 - " + TextoRecurso(5132));
    EXPECT_EQ(estado.etiquetas.NombresColocacion[3][1], TextoRecurso(5159));
}

// --- Effects in every listing -------------------------------------------------------------------

TEST_F(InformeTest, SoloEnElPrimerCaso)
{
    estado.caso.PrimerCaso = false;
    EnPantalla();
    const EstadoObra antes = estado;
    ASSERT_FALSE(Informe());
    EsperaCargasIntactas();
    EXPECT_EQ(estado.caso.vQUnMetro, antes.caso.vQUnMetro);
    EXPECT_EQ(estado.caso.TextoTipoCamisa, "x");
    EXPECT_EQ(estado.listado.NumeroPagina, 0);
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_EQ(salida.TextoPantalla(), "");
}

TEST_F(InformeTest, EnPantallaDejaLasCargasDeUnMetroYLasDeLaPrimeraAltura)
{
    EnPantalla();
    estado.caso.AlturaActual = 7;
    ASSERT_FALSE(Informe());

    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_EQ(salida.TextoPantalla(), "");
    EsperaCargasUnMetro();
    // The load table ran through 3 m; the first case gets the loads of 2 m again.
    EsperaCargasCaso(CargaDosMetros);
    EXPECT_EQ(estado.calculo.TerraplenAdoptado, Falso);
    EXPECT_DOUBLE_EQ(estado.caso.AlturaActual, 2.0);
    EXPECT_DOUBLE_EQ(estado.calculo.PresionCaso, 6.0);
    EXPECT_EQ(estado.caso.TextoTipoCamisa, " ");
    // The Normal kind counts its pages even when the listing goes to the screen.
    EXPECT_EQ(estado.listado.NumeroPagina, 1);
}

TEST_F(InformeTest, LasCargasCoincidenConLaRutinaDeMarston)
{
    EnPantalla();
    ASSERT_FALSE(Informe());
    const auto marston = [this](double H, std::int16_t tipo) {
        EntradaMarston e;
        e.Altura = H;
        e.AnchoZanja = 2.36;
        e.PesoEspecificoRelleno = 1.8;
        e.AnguloRozamiento = 30;
        e.CodigoColocacion = 12;
        e.CodigoRelleno = 11;
        e.TipoCargaMovil = tipo;
        e.DiametroExterior = 1.2;
        return CalculaCargasMarston(e);
    };
    const ResultadoMarston unMetro = marston(1.0, 0);
    const ResultadoMarston dosMetros = marston(2.0, 2);
    EXPECT_DOUBLE_EQ(estado.caso.vQUnMetro, unMetro.W / 1.2);
    EXPECT_DOUBLE_EQ(estado.caso.vQHUnMetro, unMetro.W2 / 1.2);
    EXPECT_DOUBLE_EQ(estado.caso.CargaNoAdoptadaUnMetro, unMetro.CargaNoAdoptada / 1.2);
    EXPECT_DOUBLE_EQ(estado.caso.vQ, dosMetros.W / 1.2);
    EXPECT_DOUBLE_EQ(estado.caso.CargaMovil, dosMetros.CargaMovil / 1.2);
    // The trench routine hands back Bc as the projection.
    EXPECT_DOUBLE_EQ(estado.tramo.DistanciaTerrenoNatural, 1.2);
}

TEST_F(InformeTest, ElTramoConPresionesPropiasEmpiezaEnSuDP)
{
    EnPantalla();
    estado.tramo.DPInicialTramo = 8.0;
    ASSERT_FALSE(Informe());
    EXPECT_DOUBLE_EQ(estado.calculo.PresionCaso, 8.0);
}

TEST_F(InformeTest, TextoTipoCamisaPorTipologia)
{
    const std::vector<std::pair<std::int16_t, std::string>> casos = {
        {1100, " "},         {1210, " "},         {1220, " "},
        {2100, " "},         {2211, "Embebida"},  {2212, "Embebida"},
        {2221, "Revestida"}, {2222, "Revestida"}, {9999, " "},
    };
    for (const auto &[tipologia, texto] : casos) {
        SCOPED_TRACE(tipologia);
        estado.tramo.Tipologia = tipologia;
        estado.caso.TextoTipoCamisa.clear();
        EnPantalla();
        ASSERT_FALSE(Informe());
        EXPECT_EQ(estado.caso.TextoTipoCamisa, texto);
    }
}

TEST_F(InformeTest, PantallaImpresaNoEscribeNiRecalculaLasCargas)
{
    Imprimiendo(ClaseListado::Pantalla);
    ASSERT_FALSE(Informe());
    EXPECT_TRUE(impresora.lineas().empty());
    EXPECT_EQ(impresora.descripciones(), std::vector<std::string>{"Fuente Courier New"});
    EsperaCargasUnMetro();
    EsperaCargasIntactas();
    EXPECT_EQ(estado.frFiguras.ptCuna, "/programa/CUNAH120.BMP");
    EXPECT_EQ(estado.listado.NumeroPagina, 0);
}

TEST_F(InformeTest, CargaTecleadaDejaSoloLasCargasDeUnMetro)
{
    estado.tramo.CalculoCargas = 0;
    estado.tramo.TipoCargaConcentrada = 0;
    for (const bool imprimiendo : {false, true}) {
        SCOPED_TRACE(imprimiendo);
        estado.listado.Imprimiendo = imprimiendo;
        estado.listado.NumeroPagina = 0;
        estado.caso.vQUnMetro = 0;
        ASSERT_FALSE(Informe());
        EsperaCargasUnMetro();
        EsperaCargasIntactas();
    }
}

// The typed load is listed as the analysis uses it, in t/m2 and t/m, in both unit systems.
TEST_F(InformeTest, CargaTecleadaEnElListado)
{
    estado.tramo.CalculoCargas = 0;
    estado.tramo.TipoCargaConcentrada = 0;
    for (const char *sistema : {"MKS", "SI"}) {
        SCOPED_TRACE(sistema);
        estado.ejecucion.SistemaUnidades = sistema;
        NuevoDocumento();
        estado.caso.vQ = 2.5;
        estado.caso.vQH = 2.5;
        ASSERT_FALSE(Informe());
        const std::vector<std::string> lineas = LineasDesde(2, B(14) + T(371));
        ASSERT_EQ(lineas.size(), 3U);
        EXPECT_EQ(lineas[2],
                  B(8) + "Carga vertical total (adoptada) :" + B(1) + "  2.500 t/m2 -  3.000 t/m");
        EXPECT_DOUBLE_EQ(estado.caso.vQ, 2.5);
    }
}

// --- The Normal report --------------------------------------------------------------------------

TEST_F(InformeTest, InformeNormalDeHormigonArmado)
{
    ASSERT_FALSE(Informe());

    // First run of the listing: no page feed before it; a continuation page after the pictures.
    ASSERT_FALSE(impresora.operaciones().empty());
    EXPECT_EQ(impresora.operaciones().front().Describe(), "Fuente Courier New");
    EXPECT_EQ(impresora.pagina(), 2);
    EXPECT_EQ(estado.listado.NumeroPagina, 2);

    const std::vector<std::string> pagina1 = {
        B(14) + "CARACTERISTICAS DE LOS MATERIALES",
        " ",
        B(8) + T(336) + "      350 kp/cm2",
        B(8) + T(337) + "       22 kp/cm2",
        B(8) + T(338) + "     5100 kp/cm2",
        B(8) + T(339) + "     4435 kp/cm2",
        " ",
        B(8) + T(340) + "     1.50",
        " ",
        B(8) + "NIVEL DE CONTROL : Intenso       ",
        B(8) + "GOLPE DE ARIETE : CALCULADO      ",
        B(8) + "TIPO DE TUBO : " + Fijo("hormigón armado con camisa", 53),
        " ",
        " ",
        B(14) + "CARACTERISTICAS DEL TUBO",
        " ",
        B(8) + T(355) + "   1000 mm",
        B(8) + T(356) + "    100 mm",
        B(8) + T(357) + "     25 mm",
        B(8) + T(358) + "     30 mm",
        " ",
        B(8) + T(359) + "  2.500 t/m3",
        " ",
        " ",
        B(14) + "DATOS DEL RELLENO Y DE LA COLOCACION",
        " ",
        B(8) + "Tipo de cuna       :  Hormigón 120º",
        B(8) + "Tipo de colocación :  " + T(333),
        " ",
    };
    EXPECT_EQ(LineasDesde(1, pagina1.front()), pagina1);

    const std::string regla =
        "----- --------------- --------------- --------------- --------------- ---------------";
    const std::vector<std::string> cabeceraPagina2 = {
        B(14) + "DATOS DEL RELLENO Y DE LA COLOCACION (CONTINUACION)",
        " ",
        B(8) + T(364) + "  1.800 t/m3",
        B(8) + T(365) + " 30º",
        B(8) + "Ancho de la zanja (b):   2.360 m",
        B(8) + "Tipo de relleno      :  No cohesivo, Rocas Machacadas (0,192)",
        " ",
        " ",
        B(14) + "DATOS DE LAS HIPOTESIS DE CALCULO",
        " ",
        B(8) + "Carga          :  Eje de 13 Toneladas  ",
        B(8) + "Coeficiente de impacto :  1.15",
        " ",
        B(8) + T(393),
        B(8) + T(394),
        B(8) + regla,
        B(8) + "  M      T/m2     T/m    T/m2     T/m    T/m2     T/m    T/m2     T/m    T/m2     "
               "T/m",
        B(8) + regla,
    };
    const std::vector<std::string> pagina2 = LineasDesde(2, cabeceraPagina2.front());
    ASSERT_EQ(pagina2.size(), cabeceraPagina2.size() + 6);
    EXPECT_EQ(std::vector<std::string>(pagina2.begin(), pagina2.begin() + 18), cabeceraPagina2);

    // Rows: trench adopted, so trench group = adopted group = E, embankment group = O.
    const auto grupo = [](double p) { return Num(p, 7, 1) + " " + Num(p * 1.2, 7, 1); };
    const auto fila = [&](double H, const Carga &c) {
        const double E = c.vQ - c.CargaMovil;
        return B(8) + Num(H, 5, 2) + " " + grupo(E) + " " + grupo(c.CargaNoAdoptada) + " " +
               grupo(E) + " " + grupo(c.CargaMovil) + " " + grupo(c.vQ);
    };
    const std::vector<std::string> filas = {fila(1.0, CargaUnMetro),    " ",
                                            fila(2.0, CargaDosMetros),  " ",
                                            fila(3.0, CargaTresMetros), " "};
    EXPECT_EQ(std::vector<std::string>(pagina2.begin() + 18, pagina2.end()), filas);
    // At 3 m: earth 5.13 t/m, live 0.60 t/m, total 5.72 t/m.
    EXPECT_EQ(filas[4].substr(8), " 3.00     4.3     5.1     8.2     9.8     4.3     5.1     0.5"
                                  "     0.6     4.8     5.7");

    // The pictures: the pipe level with the pipe-kind line, cradle and installation side by side
    // under the installation line.
    const std::vector<OperacionImpresora> imagenes = Imagenes();
    ASSERT_EQ(imagenes.size(), 3U);
    double yTipoTubo = -1;
    double yBajoColocacion = -1;
    const std::vector<OperacionImpresora> &ops = impresora.operaciones();
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].tipo != TipoOperacion::Linea) {
            continue;
        }
        if (ops[i].texto.find("TIPO DE TUBO") != std::string::npos) {
            yTipoTubo = ops[i].y;
        }
        if (ops[i].texto.find("Tipo de colocación") != std::string::npos) {
            yBajoColocacion = ops[i + 1].y + AltoLineaFuente(10);
        }
    }
    EXPECT_EQ(imagenes[0].texto, "/programa/Lur2110.bmp");
    EXPECT_DOUBLE_EQ(imagenes[0].valores[0], 138.0);
    EXPECT_DOUBLE_EQ(imagenes[0].valores[1], yTipoTubo);
    EXPECT_EQ(imagenes[1].texto, "/programa/CUNAH120.BMP");
    EXPECT_DOUBLE_EQ(imagenes[1].valores[0], 17.0);
    EXPECT_DOUBLE_EQ(imagenes[1].valores[1], yBajoColocacion);
    EXPECT_EQ(imagenes[2].texto, "/programa/Zanja2a.bmp");
    EXPECT_DOUBLE_EQ(imagenes[2].valores[0], 81.0);
    EXPECT_DOUBLE_EQ(imagenes[2].valores[1], yBajoColocacion);
    for (const OperacionImpresora &imagen : imagenes) {
        EXPECT_EQ(imagen.pagina, 1);
    }

    // Headings in bold at 10 points, everything else regular: bold only around the four headings
    // of the report (and the page headers).
    for (const OperacionImpresora &o : ops) {
        if (o.tipo == TipoOperacion::Linea && o.texto.rfind(B(14), 0) == 0 &&
            o.texto.find_first_not_of(' ') == 14) {
            SCOPED_TRACE(o.texto);
            EXPECT_DOUBLE_EQ(o.valores[0], 10.0);
            EXPECT_DOUBLE_EQ(o.valores[1], 1.0);
        }
        if (o.tipo == TipoOperacion::Linea && o.texto.rfind(B(8) + T(336), 0) == 0) {
            EXPECT_DOUBLE_EQ(o.valores[1], 0.0);
        }
    }

    // The pipe's picture leaves the print position under the pipe-kind line and its blank lines.
    const auto posY = std::find_if(ops.begin(), ops.end(), [](const OperacionImpresora &o) {
        return o.tipo == TipoOperacion::PosicionVertical;
    });
    ASSERT_NE(posY, ops.end());
    EXPECT_DOUBLE_EQ(posY->valores[0], yTipoTubo + 3 * AltoLineaFuente(10));

    // The first case is analysed with the loads of its own height.
    EsperaCargasCaso(CargaDosMetros);
    EsperaCargasUnMetro();
}

TEST_F(InformeTest, CadaTramoPosteriorEmpiezaPagina)
{
    estado.listado.NumeroPagina = 4;
    ASSERT_FALSE(Informe());
    EXPECT_EQ(impresora.operaciones().front().Describe(), "NuevaPagina");
    EXPECT_EQ(estado.listado.NumeroPagina, 6);
    EXPECT_EQ(impresora.pagina(), 3);
}

TEST_F(InformeTest, MaterialesEnSI)
{
    // fck 40 MPa: 400 kp/cm2 in the calculation, fct 0.45 x 400^(2/3) = 24.4 kp/cm2, shown as
    // the other strengths are, 2.4 MPa.
    estado.ejecucion.SistemaUnidades = "SI";
    estado.tramo.FCK = 400;
    estado.tramo.Fct = 0.45 * std::cbrt(400.0 * 400.0);
    estado.obra.GolpeArieteCalculado = Falso;
    estado.tramo.TipoControl = 2;
    ASSERT_FALSE(Informe());
    const std::vector<std::string> lineas = LineasDesde(1, B(14) + T(335));
    ASSERT_GE(lineas.size(), 11U);
    EXPECT_EQ(lineas[2], B(8) + T(336) + "     40.0 MPa");
    EXPECT_EQ(lineas[3], B(8) + T(337) + "      2.4 MPa");
    EXPECT_EQ(lineas[9], B(8) + "NIVEL DE CONTROL : Normal        ");
    EXPECT_EQ(lineas[10], B(8) + "GOLPE DE ARIETE : ESTIMADO       ");
    // The load table in kN.
    EXPECT_EQ(LineasDesde(2, B(8) + T(394)).at(2),
              B(8) + "  M     kN/m2    kN/m   kN/m2    kN/m   kN/m2    kN/m   kN/m2    kN/m   "
                     "kN/m2    kN/m");
}

TEST_F(InformeTest, PostesadoSinMaterialesConSuFigura)
{
    estado.tramo.Tipologia = 2221;
    estado.tramo.EsArmado = Falso;
    estado.frFiguras.ptPostesado = "/programa/Lur2221.bmp";
    ASSERT_FALSE(Informe());
    const std::vector<std::string> pagina1 = impresora.lineas(1);
    EXPECT_EQ(std::count(pagina1.begin(), pagina1.end(), B(14) + T(335)), 0);
    EXPECT_EQ(
        std::count(pagina1.begin(), pagina1.end(),
                   B(8) + "TIPO DE TUBO : " + Fijo("hormigón postesado con camisa revestida", 53)),
        1);
    ASSERT_FALSE(Imagenes().empty());
    EXPECT_EQ(Imagenes()[0].texto, "/programa/Lur2221.bmp");
    EXPECT_EQ(estado.caso.TextoTipoCamisa, "Revestida");
}

TEST_F(InformeTest, CunasYSusFiguras)
{
    struct Caso {
        std::int16_t cuna;
        std::string linea; // empty: no cradle line
        std::string figura;
    };
    const std::vector<Caso> casos = {
        {1, "Granular  90º", "/programa/CUNAA90.BMP"},
        {2, "Hormigón  90º", "/programa/CUNAH90.BMP"},
        {3, "Hormigón 120º", "/programa/CUNAH120.BMP"},
        {4, "menor de 90º", ""},
        {7, "", "anterior.bmp"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.cuna);
        estado.tramo.vICUNA = c.cuna;
        estado.frFiguras.ptCuna = "anterior.bmp";
        NuevoDocumento();
        ASSERT_FALSE(Informe());
        EXPECT_EQ(estado.frFiguras.ptCuna, c.figura);
        const std::vector<std::string> lineas = impresora.lineas();
        const std::string rotulo = B(8) + T(361);
        const auto linea = std::find_if(lineas.begin(), lineas.end(), [&](const std::string &l) {
            return l.rfind(rotulo, 0) == 0;
        });
        if (c.linea.empty()) {
            EXPECT_EQ(linea, lineas.end());
        } else {
            ASSERT_NE(linea, lineas.end());
            EXPECT_EQ(*linea, rotulo + c.linea);
        }
        ASSERT_EQ(Imagenes().size(), 3U);
        EXPECT_EQ(Imagenes()[1].texto, c.figura);
    }
}

TEST_F(InformeTest, DatosDeLaColocacion)
{
    struct Caso {
        std::int16_t colocacion;
        std::int16_t relleno;
        std::int16_t asentamiento;
        std::vector<std::string> lineas; // after the friction angle line, up to the blank lines
    };
    const std::vector<Caso> casos = {
        {11,
         23,
         0,
         {B(8) + "Ancho de la zanja (b):   2.360 m",
          B(8) + "Tipo de relleno      :  Cohesivo, Arcillas plásticas (0,110) "}},
        {21, 0, 0, {B(8) + T(1086) + "  2.360 m", B(8) + T(368), B(8) + T(369) + "  0.600 m"}},
        {31,
         0,
         3,
         {B(8) + T(1086) + "  2.360 m", B(8) + T(368), B(8) + T(369) + "  0.600 m",
          B(8) + "Razón de asentamiento : " + Fijo("0,3 - Suelo Asentable", 31)}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.colocacion);
        estado.tramo.CodigoColocacion = c.colocacion;
        estado.tramo.TipoRelleno = c.relleno;
        estado.tramo.IndiceAsentamiento = c.asentamiento;
        estado.tramo.DistanciaTerrenoNatural = 0.6;
        NuevoDocumento();
        ASSERT_FALSE(Informe());
        const std::vector<std::string> lineas = LineasDesde(2, B(8) + T(365) + " 30º");
        ASSERT_GT(lineas.size(), c.lineas.size() + 2);
        EXPECT_EQ(std::vector<std::string>(lineas.begin() + 1,
                                           lineas.begin() + 1 +
                                               static_cast<std::ptrdiff_t>(c.lineas.size())),
                  c.lineas);
        EXPECT_EQ(lineas[c.lineas.size() + 1], " ");
    }
}

TEST_F(InformeTest, TerraplenSinCargaMovilEnLaTabla)
{
    // Embankment, h' 0.6 m, r 0.5: 2.546618298039 t/m at 1 m and 9.010264628384 t/m at 3 m (by
    // hand as above; about 2.55 and 9.01 in the worked examples of the Marston loads).
    estado.tramo.CodigoColocacion = 31;
    estado.tramo.TipoRelleno = 0;
    estado.tramo.IndiceAsentamiento = 2;
    estado.tramo.DistanciaTerrenoNatural = 0.6;
    estado.tramo.TipoCargaConcentrada = 0;
    estado.calculo.AlturaInicial = 3.0;
    for (const char *sistema : {"MKS", "SI"}) {
        SCOPED_TRACE(sistema);
        const bool enSI = std::string(sistema) == "SI";
        estado.ejecucion.SistemaUnidades = sistema;
        NuevoDocumento();
        ASSERT_FALSE(Informe());
        const std::vector<std::string> lineas = LineasDesde(2, B(8) + T(394));
        ASSERT_EQ(lineas.size(), 8U);
        const double f = enSI ? 10.0 : 1.0;
        const auto grupo = [&](double porMetro) {
            return Num(porMetro / 1.2 * f, 7, 1) + " " + Num(porMetro * f, 7, 1);
        };
        const std::string movil = enSI ? B(15) : grupo(0.0);
        EXPECT_EQ(lineas[4], B(8) + " 1.00 " + B(15) + " " + grupo(2.546618298039) + " " + B(15) +
                                 " " + movil + " " + grupo(2.546618298039));
        EXPECT_EQ(lineas[6], B(8) + " 3.00 " + B(15) + " " + grupo(9.010264628384) + " " + B(15) +
                                 " " + movil + " " + grupo(9.010264628384));
    }
}

TEST_F(InformeTest, LaCargaQueLaRutinaNoCalculaVuelveComoEstaba)
{
    // The case loads are t/m2 and the routine's previous loads t/m: handed over without the
    // factor vDE, a load the routine leaves would come back divided by 1.2 at every height.
    DatosTramo &t = estado.tramo;
    t.TipoRelleno = 0;
    t.IndiceAsentamiento = 2;
    t.DistanciaTerrenoNatural = 0.6;
    DatosCaso &caso = estado.caso;
    double coeficiente = 0;

    // Embankment: no trench load, so CargaNoAdoptada is left; W is that of 3 m (as above).
    t.CodigoColocacion = 31;
    caso.CargaNoAdoptada = 3.5;
    ASSERT_EQ(CargasMarstonAltura(estado, 3.0, 0, coeficiente), ErrorMarston::Ninguno);
    EXPECT_NEAR(caso.CargaNoAdoptada, 3.5, Tolerancia);
    EXPECT_NEAR(caso.vQ, 9.010264628384 / 1.2, Tolerancia);

    // Code 30 computes no earth load at all: the three loads are left.
    t.CodigoColocacion = 30;
    caso.vQ = 2.0;
    caso.vQH = 1.5;
    caso.CargaNoAdoptada = 0.75;
    ASSERT_EQ(CargasMarstonAltura(estado, 2.0, 0, coeficiente), ErrorMarston::Ninguno);
    EXPECT_NEAR(caso.vQ, 2.0, Tolerancia);
    EXPECT_NEAR(caso.vQH, 1.5, Tolerancia);
    EXPECT_NEAR(caso.CargaNoAdoptada, 0.75, Tolerancia);
}

TEST_F(InformeTest, TerraplenAdoptadoEnZanja)
{
    // Code 11 at 3 m: trench 10.08 t/m, embankment condition 9.81 t/m adopted.
    estado.tramo.CodigoColocacion = 11;
    estado.tramo.TipoCargaConcentrada = 0;
    estado.calculo.AlturaInicial = 3.0;
    ASSERT_FALSE(Informe());
    const std::vector<std::string> lineas = LineasDesde(2, B(8) + T(394));
    ASSERT_EQ(lineas.size(), 8U);
    const auto grupo = [](double porMetro) {
        return Num(porMetro / 1.2, 7, 1) + " " + Num(porMetro, 7, 1);
    };
    EXPECT_EQ(lineas[6], B(8) + " 3.00 " + grupo(10.083509008887) + " " + grupo(9.808660518559) +
                             " " + grupo(9.808660518559) + " " + grupo(0.0) + " " +
                             grupo(9.808660518559));
    EXPECT_EQ(estado.calculo.TerraplenAdoptado, Verdadero);
    EXPECT_NEAR(estado.caso.vQH, 6.48 / 1.2, Tolerancia);
}

// --- Heights of the load table ------------------------------------------------------------------

TEST_F(InformeTest, AlturasDeLaTablaDeCargas)
{
    struct Caso {
        std::string nombre;
        double inicial, final_, incremento;
        std::vector<std::string> alturas; // the first field of every row
    };
    std::vector<std::string> pasoFino = {" 1.00"};
    for (int k = 0; k <= 22; ++k) {
        pasoFino.push_back(Num(2.9 + 0.004 * k, 5, 2));
    }
    pasoFino.push_back(" 3.00");
    const std::vector<Caso> casos = {
        {"paso 1", 1, 3, 1, {" 1.00", " 1.00", " 2.00", " 3.00"}},
        {"paso 0.3 no llega al final", 2, 3, 0.3, {" 1.00", " 2.00", " 2.30", " 2.60", " 2.90"}},
        // 2.998 is within 0.01 m of the final height and is listed as 3.
        {"paso que cae junto al final",
         1,
         3,
         0.666,
         {" 1.00", " 1.00", " 1.67", " 2.33", " 3.00"}},
        {"sin incremento", 2, 3, 0, {" 1.00", " 2.00"}},
        {"final 0: una sola altura", 2.5, 0, 1, {" 1.00", " 2.50"}},
        {"inicial junto al final", 2.995, 3, 1, {" 1.00", " 3.00"}},
        // 0.004 m: 2.900 ... 2.988, then 2.992 is taken as 3 and the table ends there.
        {"paso de 0.004 m", 2.9, 3, 0.004, pasoFino},
        {"paso de 0.01 m", 2.971, 3, 0.01, {" 1.00", " 2.97", " 2.98", " 3.00"}},
        // A step lost in the rounding of the height, which used to print rows until memory ran
        // out: the height does not grow, and the table ends.
        {"paso que no mueve la altura", 9, 10, 1e-16, {" 1.00", " 9.00"}},
        {"paso de 1e-300 m", 9, 10, 1e-300, {" 1.00", " 9.00"}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        estado.calculo.AlturaInicial = c.inicial;
        estado.calculo.AlturaFinal = c.final_;
        estado.tramo.IncrementoAltura = c.incremento;
        impresora.olvida();
        ASSERT_FALSE(ListaCargas(contexto, 1.15));
        const std::vector<std::string> lineas = impresora.lineas();
        ASSERT_GE(lineas.size(), 8U);
        std::vector<std::string> alturas;
        for (std::size_t i = 8; i < lineas.size(); i += 2) {
            alturas.push_back(lineas[i].substr(8, 5));
            EXPECT_EQ(lineas[i + 1], " ");
        }
        EXPECT_EQ(alturas, c.alturas);
    }
}

// However far the range reaches (an endless one included), no more rows than a range within the
// physical bounds can have: 100 m by 0.01 m.
TEST_F(InformeTest, LaTablaDeCargasTieneUnFin)
{
    ASSERT_EQ(FilasMaximasTablaCargas, 10001);
    for (const double final_ : {1e6, std::numeric_limits<double>::infinity()}) {
        SCOPED_TRACE(final_);
        estado.calculo.AlturaInicial = 1;
        estado.calculo.AlturaFinal = final_;
        estado.tramo.IncrementoAltura = 1;
        impresora.olvida();
        ASSERT_FALSE(ListaCargas(contexto, 1.15));
        const std::vector<std::string> lineas = impresora.lineas();
        // The heading, the row of 1 m, then a row and a blank line per height.
        ASSERT_EQ(lineas.size(), 8U + 2U * (1 + 10001));
        EXPECT_EQ(lineas[10].substr(8, 5), " 1.00");
        EXPECT_EQ(lineas[lineas.size() - 2].substr(8, 8), "10001.00");
    }
}

TEST_F(InformeTest, ElUltimoRenglonEsLaAlturaFinalExacta)
{
    estado.calculo.AlturaInicial = 1.0;
    estado.calculo.AlturaFinal = 3.0;
    estado.tramo.IncrementoAltura = 0.665;
    ASSERT_FALSE(ListaCargas(contexto, 1.15));
    // The case loads hold the last row's, computed at 3 m itself.
    EsperaCargasCaso(CargaTresMetros);
}

// --- Failures -----------------------------------------------------------------------------------

TEST_F(InformeTest, FallosDeLasFiguras)
{
    struct Caso {
        std::string nombre;
        int cualFalla; // 0 pipe, 1 cradle, 2 installation
        int numero;
    };
    const std::vector<Caso> casos = {
        {"482 en el tubo", 0, 482}, {"482 en la cuna", 1, 482}, {"482 en la colocacion", 2, 482},
        {"481 en el tubo", 0, 481}, {"481 en la cuna", 1, 481}, {"7 en la colocacion", 2, 7},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        NuevoDocumento();
        for (int i = 0; i < c.cualFalla; ++i) {
            impresora.FallaSiguienteImagen(SinErrorImpresora);
        }
        impresora.FallaSiguienteImagen(c.numero);
        const ErrorCalculo error = Informe();
        const std::vector<OperacionImpresora> imagenes = Imagenes();
        if (c.numero == ErrorPropioImpresora) {
            // The failed picture is skipped and the report carries on to its end.
            EXPECT_FALSE(error);
            EXPECT_EQ(imagenes.size(), 3U);
            EXPECT_FALSE(LineasDesde(2, B(14) + T(371)).empty());
        } else {
            ASSERT_TRUE(error);
            EXPECT_EQ(error.mensaje, "ERROR:" + std::to_string(c.numero) + "\nal imprimir");
            // Nothing is printed after the failed picture.
            ASSERT_EQ(imagenes.size(), static_cast<std::size_t>(c.cualFalla + 1));
            const std::vector<OperacionImpresora> &ops = impresora.operaciones();
            const auto fallo = std::find_if(ops.begin(), ops.end(), [](const auto &o) {
                return o.error != SinErrorImpresora;
            });
            ASSERT_NE(fallo, ops.end());
            EXPECT_EQ(fallo + 1, ops.end());
        }
    }
}

TEST_F(InformeTest, CargasImposiblesDevuelvenUnErrorClaro)
{
    estado.tramo.AnchoZanja = 0;
    for (const bool imprimiendo : {false, true}) {
        SCOPED_TRACE(imprimiendo);
        estado.listado.Imprimiendo = imprimiendo;
        NuevoDocumento();
        salida.VaciaPantalla();
        const ErrorCalculo error = Informe();
        ASSERT_TRUE(error);
        EXPECT_EQ(error.mensaje,
                  "ERROR: Valor incorrecto - Anchura Zanja (m) = 0.000 (HR = 1.000 m)");
        if (imprimiendo) {
            EXPECT_EQ(impresora.lineas().back(), B(8) + error.mensaje);
        } else {
            EXPECT_EQ(salida.TextoPantalla(), error.mensaje + "\n");
        }
        for (const std::string &linea : impresora.lineas()) {
            EXPECT_EQ(linea.find("nan"), std::string::npos) << linea;
        }
        EXPECT_TRUE(std::isfinite(estado.caso.vQUnMetro));
    }
}

TEST_F(InformeTest, CargaTecleadaConDatosImposibles)
{
    estado.tramo.CalculoCargas = 0;
    estado.tramo.AnguloRozamiento = 0;
    EnPantalla();
    const ErrorCalculo error = Informe();
    ASSERT_TRUE(error);
    EXPECT_NE(error.mensaje.find("Angulo de Rozamiento = 0.000"), std::string::npos)
        << error.mensaje;
    EsperaCargasIntactas();
}

// --- The Tabular block --------------------------------------------------------------------------

TEST_F(InformeTest, BloqueTabular)
{
    Imprimiendo(ClaseListado::Tabular);
    ASSERT_FALSE(Informe());

    const std::string lineaTramo = B(4) + "   3" + B(3) + "   1000" + "    100" + "     25" +
                                   B(2) + "     30" + B(4) + "Hormigón 120º " + B(1) +
                                   Fijo("Zanja, relleno compactado", 38) + B(3) + "  2.360" +
                                   B(1) + "(0,192)" + B(1) + "Eje de 13 Tonel";
    EXPECT_EQ(CuentaCaracteresUtf8(lineaTramo), 132U);
    const std::vector<std::string> esperadas = {
        B(5) + "TIPO DE TUBO : " + Fijo("hormigón armado con camisa", 53),
        " ",
        B(5) + T(373),
        B(5) + T(374),
        B(5) + T(375),
        B(5) + std::string(127, '-'),
        lineaTramo,
        " ",
        " ",
        B(5) + T(256),
        B(5) + T(257),
        B(5) + T(258),
        B(5) + T(260),
        B(5) + T(261),
    };
    EXPECT_EQ(LineasDesde(1, esperadas.front()), esperadas);
    // The page line of the first page, then the block's 9 lines and the table heading's 5.
    EXPECT_EQ(estado.listado.NumeroPagina, 1);
    EXPECT_EQ(estado.listado.LineasRestantes, 50 - 6 - 9 - 5);
    EXPECT_TRUE(Imagenes().empty());
    // The Tabular listing has no load table: the loads are left for the case loop.
    EsperaCargasIntactas();
    EsperaCargasUnMetro();
}

TEST_F(InformeTest, BloqueTabularDeTerraplen)
{
    Imprimiendo(ClaseListado::Tabular);
    estado.tramo.CodigoColocacion = 31;
    estado.tramo.TipoRelleno = 0;
    estado.tramo.IndiceAsentamiento = 2;
    estado.tramo.DistanciaTerrenoNatural = 0.6;
    estado.tramo.TipoCargaConcentrada = 0;
    ASSERT_FALSE(Informe());
    const std::vector<std::string> lineas = impresora.lineas();
    const auto linea = std::find_if(lineas.begin(), lineas.end(), [](const std::string &l) {
        return l.rfind(B(4) + "   3", 0) == 0;
    });
    ASSERT_NE(linea, lineas.end());
    const std::string final_ =
        B(1) + Fijo("TERRAPLEN", 38) + B(3) + "  2.360" + B(1) + B(7) + B(1) + "No se considera";
    ASSERT_GT(linea->size(), final_.size());
    EXPECT_EQ(linea->substr(linea->size() - final_.size()), final_);
}

TEST_F(InformeTest, SaltoDePaginaDelBloqueTabular)
{
    struct Caso {
        bool armado;
        std::int32_t restantes;
        bool nuevaPagina;
    };
    const std::vector<Caso> casos = {
        {true, 14, true}, {true, 15, false}, {false, 19, true}, {false, 20, false}};
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::to_string(c.armado) + " " + std::to_string(c.restantes));
        Imprimiendo(ClaseListado::Tabular);
        estado.tramo.EsArmado = c.armado ? Verdadero : Falso;
        estado.tramo.Tipologia = c.armado ? 1210 : 2211;
        estado.listado.NumeroPagina = 1;
        estado.listado.LineasRestantes = c.restantes;
        impresora.olvida();
        ASSERT_FALSE(Informe());
        const std::vector<std::string> d = impresora.descripciones();
        EXPECT_EQ(std::count(d.begin(), d.end(), "NuevaPagina"), c.nuevaPagina ? 1 : 0);
        EXPECT_EQ(estado.listado.NumeroPagina, c.nuevaPagina ? 2 : 1);
        const std::int32_t cabecera = c.armado ? 5 : 0;
        EXPECT_EQ(estado.listado.LineasRestantes,
                  (c.nuevaPagina ? 44 : c.restantes) - 9 - cabecera);
    }
}

// --- The picture files --------------------------------------------------------------------------

// Every picture the report paints, in every language, lies among the program's files as an 8-bit
// BMP: the installation pictures, the pipe sections and the cradles.
TEST(FigurasDelInforme, EstanEnLosFicherosDelPrograma)
{
    const std::vector<int> textos = {412, 413, 414, 415, 416, 417, 418, 419, 420, 430, 431, 432};
    for (int idioma = 1; idioma <= 5; ++idioma) {
        for (const int n : textos) {
            const std::string nombre = TextoRecurso((idioma - 1) * 5000 + n);
            SCOPED_TRACE(nombre);
            std::ifstream fichero(std::string(DRAVEK_DATOS_PROGRAMA) + "/" + nombre,
                                  std::ios::binary);
            ASSERT_TRUE(fichero.is_open());
            unsigned char cabecera[30] = {};
            fichero.read(reinterpret_cast<char *>(cabecera), sizeof cabecera);
            ASSERT_TRUE(fichero.good());
            EXPECT_EQ(cabecera[0], 'B');
            EXPECT_EQ(cabecera[1], 'M');
            EXPECT_EQ(cabecera[28], 8); // bits per pixel
        }
    }
}

} // namespace
} // namespace dravek
