#include "apoyo/ContextoPrueba.h"
#include "apoyo/TextoPrueba.h"
#include "core/reinforced/ComprobacionesArmado.h"
#include "core/reinforced/DisponeArmadura.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace dravek {
namespace {

using pruebas::B;

// A screen listing in Spanish, MKS, a 15 cm wall with 3 cm covers of FCK 300 (calculation
// units: lengths in m, stresses in kp/cm2).
class ArmadoTest : public ::testing::Test, protected pruebas::ContextoPrueba<> {
protected:
    ArmadoTest()
    {
        estado.ejecucion.DesplazamientoIdioma = 0;
        estado.ejecucion.SistemaUnidades = "MKS";
        estado.ejecucion.SeparadorDecimalLocal = ".";
        estado.listado.Imprimiendo = false;
        estado.tramo.FCK = 300;
        estado.tramo.Fct = 0.45 * std::cbrt(300.0 * 300.0); // 20.166
        estado.tramo.ClaseFisuracion = 3;
        estado.tramo.TipoControl = 2;
    }

    void Imprimiendo(ClaseListado clase, bool definitiva)
    {
        estado.listado.Imprimiendo = true;
        estado.listado.TipoListado = clase;
        estado.resultados.PasadaDefinitiva = definitiva;
    }

    ErrorCalculo Dispone(double A, std::int16_t modo, double CAMMAX, std::int16_t cara,
                         DisposicionArmadura &d, AvisoCapas aviso = AvisoCapas::Escribir)
    {
        return DisponeArmadura(contexto, A, modo, CAMMAX, d, cara, aviso);
    }

    ErrorCalculo Comprueba(std::int16_t IndicadorCamisa, double Afi, double Afe,
                           DisposicionArmadura &interior, DisposicionArmadura &exterior,
                           std::int16_t &IESP, std::int16_t NSEC = 3)
    {
        ResultadoSeccion r = CompruebaArmado(contexto, ESP, RECI, RECE, M, N, 2, 2, NSEC,
                                             IndicadorCamisa, Afi, Afe, interior, exterior, 6.0);
        IESP = r.IESP;
        return std::move(r.error);
    }

    double ESP = 0.15;
    double RECI = 0.03;
    double RECE = 0.03;
    TablaHipotesis M{};
    TablaHipotesis N{};
};

const std::string AvisoExterior = "***  ARMADURA EXTERIOR EN MAS DE UNA CAPA  ***";
const std::string AvisoInterior = "***  ARMADURA INTERIOR EN MAS DE UNA CAPA  ***";

// --- Layout of one face ------------------------------------------------------------------------

struct CasoDisposicion {
    std::string nombre;
    double A; // cm2/m
    std::int16_t modo;
    double CAMMAX; // mm
    std::int32_t espiras;
    double diametro; // mm
    double camisa;   // mm
    double area;     // cm2/m
    bool variasCapas;
};

// Bar areas: 8 mm 0.502655, 10 mm 0.785398, 12 mm 1.130973 cm2.
TEST_F(ArmadoTest, DisposicionesDeUnaCara)
{
    const std::vector<CasoDisposicion> casos = {
        // Five turns are the least, whatever the area.
        {.nombre = "espiras, A 0",
         .A = 0,
         .modo = SoloEspiras,
         .CAMMAX = 6,
         .espiras = 5,
         .diametro = 8,
         .camisa = 0,
         .area = 2.513,
         .variasCapas = false},
        {.nombre = "espiras, A negativa",
         .A = -4,
         .modo = SoloEspiras,
         .CAMMAX = 6,
         .espiras = 5,
         .diametro = 8,
         .camisa = 0,
         .area = 2.513,
         .variasCapas = false},
        // 19.89 turns of 8 mm -> 20 (10.053); 10 mm 13 (10.210); 12 mm 9 (10.179); spacing 4.2 cm.
        {.nombre = "espiras, A 10",
         .A = 10,
         .modo = SoloEspiras,
         .CAMMAX = 6,
         .espiras = 20,
         .diametro = 8,
         .camisa = 0,
         .area = 10.053,
         .variasCapas = false},
        // 20.014 turns of 8 mm: the 0.014 turn short is accepted and the area made up to A.
        {.nombre = "falta admitida",
         .A = 10.06,
         .modo = SoloEspiras,
         .CAMMAX = 6,
         .espiras = 20,
         .diametro = 8,
         .camisa = 0,
         .area = 10.06,
         .variasCapas = false},
        // 18 x 8 mm and 8 x 12 mm both give 9.048 (10 mm: 12 turns, 9.425): the larger bar.
        {.nombre = "empate al mayor",
         .A = 9,
         .modo = SoloEspiras,
         .CAMMAX = 6,
         .espiras = 8,
         .diametro = 12,
         .camisa = 0,
         .area = 9.048,
         .variasCapas = false},
        // 8 mm: 40 turns, spacing 1.7 cm; the next bar, 10 mm, 26 turns at 2.846 cm.
        {.nombre = "espiras, A 20",
         .A = 20,
         .modo = SoloEspiras,
         .CAMMAX = 6,
         .espiras = 26,
         .diametro = 10,
         .camisa = 0,
         .area = 20.420,
         .variasCapas = false},
        // 35 turns of 8 mm leave exactly (100 - 28) / 35 = 2.057 cm.
        {.nombre = "separacion justa 8 mm",
         .A = 17.5,
         .modo = SoloEspiras,
         .CAMMAX = 6,
         .espiras = 35,
         .diametro = 8,
         .camisa = 0,
         .area = 17.593,
         .variasCapas = false},
        // 31 turns of 12 mm: 2.026 cm, one layer.
        {.nombre = "espiras, A 35.06",
         .A = 35.06,
         .modo = SoloEspiras,
         .CAMMAX = 6,
         .espiras = 31,
         .diametro = 12,
         .camisa = 0,
         .area = 35.060,
         .variasCapas = false},
        // 10 mm (46) least but 1.17 cm; 12 mm 32 turns at 1.925 cm: more than one layer.
        {.nombre = "espiras, A 36",
         .A = 36,
         .modo = SoloEspiras,
         .CAMMAX = 6,
         .espiras = 32,
         .diametro = 12,
         .camisa = 0,
         .area = 36.191,
         .variasCapas = true},
        // Far beyond the old 10000 start: 8 mm 39789 and 12 mm 17684 turns tie at 20000.133.
        {.nombre = "area enorme",
         .A = 20000,
         .modo = SoloEspiras,
         .CAMMAX = 6,
         .espiras = 17684,
         .diametro = 12,
         .camisa = 0,
         .area = 20000.133,
         .variasCapas = true},
        {.nombre = "camisa, A 12",
         .A = 12,
         .modo = CamisaYEspiras,
         .CAMMAX = 6,
         .espiras = 0,
         .diametro = 0,
         .camisa = 1.5,
         .area = 15,
         .variasCapas = false},
        {.nombre = "camisa, A 15",
         .A = 15,
         .modo = CamisaYEspiras,
         .CAMMAX = 6,
         .espiras = 0,
         .diametro = 0,
         .camisa = 1.5,
         .area = 15,
         .variasCapas = false},
        // 35 from the sheet, 2.3 left: five turns of 8 mm.
        {.nombre = "camisa, A 37.3, CAMMAX 6",
         .A = 37.3,
         .modo = CamisaYEspiras,
         .CAMMAX = 6,
         .espiras = 5,
         .diametro = 8,
         .camisa = 3.5,
         .area = 37.513,
         .variasCapas = false},
        // 20 from a 2 mm sheet, 17.3 left: 35 turns of 8 mm.
        {.nombre = "camisa, A 37.3, CAMMAX 2",
         .A = 37.3,
         .modo = CamisaYEspiras,
         .CAMMAX = 2,
         .espiras = 35,
         .diametro = 8,
         .camisa = 2,
         .area = 37.593,
         .variasCapas = false},
        // No sheet at all: 33 turns of 12 mm (37.322) at 1.83 cm.
        {.nombre = "camisa, CAMMAX 0",
         .A = 37.3,
         .modo = CamisaYEspiras,
         .CAMMAX = 0,
         .espiras = 33,
         .diametro = 12,
         .camisa = 0,
         .area = 37.322,
         .variasCapas = true},
        // A 6 mm sheet (60) and 17631 turns of 12 mm for the remaining 19940.
        {.nombre = "camisa, A 20000",
         .A = 20000,
         .modo = CamisaYEspiras,
         .CAMMAX = 6,
         .espiras = 17631,
         .diametro = 12,
         .camisa = 6,
         .area = 20000.191,
         .variasCapas = true},
        {.nombre = "solo camisa, A 21",
         .A = 21,
         .modo = 2,
         .CAMMAX = 6,
         .espiras = 0,
         .diametro = 0,
         .camisa = 2.5,
         .area = 25,
         .variasCapas = false},
        {.nombre = "solo camisa, A 20",
         .A = 20,
         .modo = 2,
         .CAMMAX = 6,
         .espiras = 0,
         .diametro = 0,
         .camisa = 2.0,
         .area = 20,
         .variasCapas = false},
        {.nombre = "solo camisa, A 20.01",
         .A = 20.01,
         .modo = 2,
         .CAMMAX = 6,
         .espiras = 0,
         .diametro = 0,
         .camisa = 2.5,
         .area = 25,
         .variasCapas = false},
        {.nombre = "solo camisa, A 7",
         .A = 7,
         .modo = 2,
         .CAMMAX = 6,
         .espiras = 0,
         .diametro = 0,
         .camisa = 1.5,
         .area = 15,
         .variasCapas = false},
        {.nombre = "solo camisa sin CAMMAX",
         .A = 62,
         .modo = 2,
         .CAMMAX = 2,
         .espiras = 0,
         .diametro = 0,
         .camisa = 6.5,
         .area = 65,
         .variasCapas = false},
        {.nombre = "otro modo es solo camisa",
         .A = 21,
         .modo = -1,
         .CAMMAX = 6,
         .espiras = 0,
         .diametro = 0,
         .camisa = 2.5,
         .area = 25,
         .variasCapas = false},
    };
    for (const CasoDisposicion &c : casos) {
        SCOPED_TRACE(c.nombre);
        DisposicionArmadura d;
        d.Espiras = 99;
        ASSERT_FALSE(Dispone(c.A, c.modo, c.CAMMAX, CaraExterior, d, AvisoCapas::Informar));
        EXPECT_EQ(d.Espiras, c.espiras);
        EXPECT_DOUBLE_EQ(d.Diametro, c.diametro);
        EXPECT_NEAR(d.Camisa, c.camisa, 1e-12);
        EXPECT_NEAR(d.AreaDispuesta, c.area, 0.0005);
        EXPECT_GE(d.AreaDispuesta, c.A);
        EXPECT_EQ(d.VariasCapas, c.variasCapas);
    }
    EXPECT_EQ(salida.TextoPantalla(), "");
}

struct CasoAjuste {
    std::string nombre;
    double A;
    double exteriorGuardada; // cm2/m
    std::int32_t espiras;
    double diametro;
    bool variasCapas;
};

// With a stored adjustment the least bar stands even when it does not fit; only a stored outer
// area above 35.06 warns, on either face.
TEST_F(ArmadoTest, ConAjusteGuardadoLaBarraElegidaSeQueda)
{
    estado.resultados.HayAjusteGuardado = true;
    const std::vector<CasoAjuste> casos = {
        {.nombre = "no cabe, exterior 30",
         .A = 20,
         .exteriorGuardada = 30,
         .espiras = 40,
         .diametro = 8,
         .variasCapas = false},
        {.nombre = "no cabe, exterior 35.06",
         .A = 20,
         .exteriorGuardada = 35.06,
         .espiras = 40,
         .diametro = 8,
         .variasCapas = false},
        {.nombre = "no cabe, exterior 35.07",
         .A = 20,
         .exteriorGuardada = 35.07,
         .espiras = 40,
         .diametro = 8,
         .variasCapas = true},
        {.nombre = "cabe, exterior 40",
         .A = 10,
         .exteriorGuardada = 40,
         .espiras = 20,
         .diametro = 8,
         .variasCapas = false},
        {.nombre = "12 mm no cabe, exterior 30",
         .A = 36,
         .exteriorGuardada = 30,
         .espiras = 46,
         .diametro = 10,
         .variasCapas = false},
        // The least of all three stands: 8 mm 39789 and 12 mm 17684 turns tie, the larger bar.
        {.nombre = "area enorme",
         .A = 20000,
         .exteriorGuardada = 30,
         .espiras = 17684,
         .diametro = 12,
         .variasCapas = false},
    };
    for (const std::int16_t cara : {CaraInterior, CaraExterior}) {
        for (const CasoAjuste &c : casos) {
            SCOPED_TRACE(c.nombre + (cara == CaraInterior ? ", interior" : ", exterior"));
            estado.resultados.ArmaduraCalculadaExterior = c.exteriorGuardada;
            DisposicionArmadura d;
            ASSERT_FALSE(Dispone(c.A, SoloEspiras, 6, cara, d, AvisoCapas::Informar));
            EXPECT_EQ(d.Espiras, c.espiras);
            EXPECT_DOUBLE_EQ(d.Diametro, c.diametro);
            EXPECT_EQ(d.VariasCapas, c.variasCapas);
        }
    }
}

// --- The "more than one layer" warning ---------------------------------------------------------

TEST_F(ArmadoTest, AvisoDeVariasCapasEnPantallaACadaLlamada)
{
    DisposicionArmadura d;
    ASSERT_FALSE(Dispone(36, SoloEspiras, 6, CaraExterior, d));
    ASSERT_FALSE(Dispone(36, SoloEspiras, 6, CaraInterior, d));
    ASSERT_FALSE(Dispone(35.06, SoloEspiras, 6, CaraInterior, d));
    EXPECT_EQ(salida.TextoPantalla(),
              "\n  " + AvisoExterior + "\n" + "\n  " + AvisoInterior + "\n");
}

TEST_F(ArmadoTest, AvisoDeVariasCapasSegunListado)
{
    const std::vector<std::string> bloque = {
        "Linea | |", "Negrita 1", "Linea |" + B(10) + AvisoExterior + "|",
        "Negrita 0", "Linea | |",
    };
    struct Caso {
        std::string nombre;
        ClaseListado clase;
        bool definitiva;
        std::vector<std::string> esperado;
        std::int32_t lineasPantalla;
    };
    const std::vector<Caso> casos = {
        {"normal, barrido", ClaseListado::Normal, false, {}, 0},
        {"normal, pasada definitiva", ClaseListado::Normal, true, bloque, 0},
        {"pantalla, barrido", ClaseListado::Pantalla, false, bloque, 3},
        {"pantalla, pasada definitiva", ClaseListado::Pantalla, true, bloque, 3},
        {"tabular", ClaseListado::Tabular, true, {}, 0},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        impresora.olvida();
        estado.listado.LineasImpresas = 0;
        Imprimiendo(c.clase, c.definitiva);
        DisposicionArmadura d;
        ASSERT_FALSE(Dispone(36, SoloEspiras, 6, CaraExterior, d));
        EXPECT_TRUE(d.VariasCapas);
        EXPECT_EQ(impresora.descripciones(), c.esperado);
        EXPECT_EQ(estado.listado.LineasImpresas, c.lineasPantalla);
    }
    EXPECT_EQ(salida.TextoPantalla(), "");
}

// A caller that lays a face out many times asks to be told and writes the warning once.
TEST_F(ArmadoTest, AvisoInformadoSeEscribeUnaSolaVez)
{
    DisposicionArmadura d;
    for (int paso = 0; paso < 50; ++paso) {
        ASSERT_FALSE(
            Dispone(36 + paso * 0.5, SoloEspiras, 6, CaraInterior, d, AvisoCapas::Informar));
        ASSERT_TRUE(d.VariasCapas);
    }
    EXPECT_EQ(salida.TextoPantalla(), "");
    EscribeAvisoVariasCapas(contexto, CaraInterior);
    EXPECT_EQ(salida.TextoPantalla(), "\n  " + AvisoInterior + "\n");
}

// --- Areas that cannot be laid out -------------------------------------------------------------

TEST_F(ArmadoTest, AreasImposiblesSeRechazanConMensaje)
{
    struct Caso {
        std::string nombre;
        double A;
        std::int16_t modo;
        double CAMMAX;
        std::int16_t cara;
        std::string mensaje;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<Caso> casos = {
        {"A no es un numero", nan, SoloEspiras, 6, CaraInterior,
         "ARMADURA INTERIOR: Valor incorrecto"},
        {"A infinita", inf, CamisaYEspiras, 6, CaraExterior,
         "ARMADURA EXTERIOR: Valor incorrecto"},
        {"A infinita, solo camisa", inf, 2, 6, CaraExterior,
         "ARMADURA EXTERIOR: Valor incorrecto"},
        // 2e12 turns of 8 mm cannot be counted.
        {"espiras incontables", 1e12, SoloEspiras, 6, CaraInterior,
         "ARMADURA INTERIOR: Valor incorrecto"},
        {"CAMMAX negativo", 40, CamisaYEspiras, -1, CaraInterior,
         "Espesor Máximo de Camisa: Valor incorrecto"},
        {"CAMMAX no es un numero", 40, CamisaYEspiras, nan, CaraInterior,
         "Espesor Máximo de Camisa: Valor incorrecto"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        salida.VaciaPantalla();
        DisposicionArmadura d{
            .Espiras = 12, .Diametro = 10, .Camisa = 3, .AreaDispuesta = 40, .VariasCapas = true};
        const ErrorCalculo e = Dispone(c.A, c.modo, c.CAMMAX, c.cara, d);
        EXPECT_TRUE(e);
        EXPECT_EQ(e.mensaje, c.mensaje);
        EXPECT_EQ(salida.TextoPantalla(), "\n  ** " + c.mensaje + " **\n");
        EXPECT_EQ(d.Espiras, 0);
        EXPECT_EQ(d.Diametro, 0);
        EXPECT_EQ(d.Camisa, 0);
        EXPECT_EQ(d.AreaDispuesta, 0);
        EXPECT_FALSE(d.VariasCapas);
    }
}

TEST_F(ArmadoTest, FalloEnListadoImpreso)
{
    Imprimiendo(ClaseListado::Normal, false);
    DisposicionArmadura d;
    EXPECT_TRUE(Dispone(std::nan(""), SoloEspiras, 6, CaraInterior, d));
    const std::vector<std::string> normal = {
        "Linea | |", "Linea |" + B(10) + "ARMADURA INTERIOR: Valor incorrecto|", "Linea | |",
        "Linea | |"};
    EXPECT_EQ(impresora.descripciones(), normal);

    impresora.olvida();
    Imprimiendo(ClaseListado::Tabular, true);
    EXPECT_TRUE(Dispone(std::nan(""), SoloEspiras, 6, CaraInterior, d));
    EXPECT_TRUE(impresora.descripciones().empty());
}

// --- Maximum steel ratio -----------------------------------------------------------------------

TEST(CuantiaMaximaRetraccion, PorResistenciaDelHormigon)
{
    struct Caso {
        double FCK; // kp/cm2
        double ASC;
    };
    const std::vector<Caso> casos = {
        {250, 0.096},   {350, 0.096}, {375, 0.10825}, {400, 0.1205}, {400.0001, 0.125},
        {401, 0.12575}, {500, 0.2},   {550, 0.265},   {600, 0.33},   {650, 0.33},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.FCK);
        EXPECT_NEAR(CuantiaMaximaRetraccion(c.FCK), c.ASC, 1e-6);
    }
}

TEST_F(ArmadoTest, CuantiaMaximaConCamisa)
{
    struct Caso {
        std::string nombre;
        double FCK;
        double Afi, Afe, Pi, Pe; // cm2/m
        bool excede;
    };
    // Strips of 2 x 3 cm x 100 cm = 600 cm2 for the faces, 1500 cm2 for the 15 cm wall.
    const std::vector<Caso> casos = {
        // 144 / 1500 = 0.096
        {.nombre = "total igual al limite pasa",
         .FCK = 300,
         .Afi = 10,
         .Afe = 5,
         .Pi = 100,
         .Pe = 44,
         .excede = false},
        // 0.0963
        {.nombre = "total sobre el limite",
         .FCK = 300,
         .Afi = 10,
         .Afe = 5,
         .Pi = 100,
         .Pe = 44.5,
         .excede = true},
        {.nombre = "interior igual al limite pasa",
         .FCK = 300,
         .Afi = 57.6,
         .Afe = 5,
         .Pi = 20,
         .Pe = 5,
         .excede = false},
        {.nombre = "interior sobre el limite",
         .FCK = 300,
         .Afi = 57.7,
         .Afe = 5,
         .Pi = 20,
         .Pe = 5,
         .excede = true},
        {.nombre = "exterior sobre el limite",
         .FCK = 300,
         .Afi = 10,
         .Afe = 57.7,
         .Pi = 20,
         .Pe = 5,
         .excede = true},
        // limit 0.1205
        {.nombre = "FCK 400 admite 0.12",
         .FCK = 400,
         .Afi = 10,
         .Afe = 5,
         .Pi = 150,
         .Pe = 30,
         .excede = false},
        {.nombre = "FCK 350 no",
         .FCK = 350,
         .Afi = 10,
         .Afe = 5,
         .Pi = 150,
         .Pe = 30,
         .excede = true},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        salida.VaciaPantalla();
        estado.tramo.FCK = c.FCK;
        estado.resultados.EstadoDiseno = 0;
        estado.resultados.TensionMaxima = 123;
        estado.resultados.TensionAdmisible = 45;
        DisposicionArmadura interior{
            .Espiras = 0, .Diametro = 0, .Camisa = 0, .AreaDispuesta = c.Pi, .VariasCapas = false};
        DisposicionArmadura exterior{
            .Espiras = 5, .Diametro = 8, .Camisa = 0, .AreaDispuesta = c.Pe, .VariasCapas = false};
        std::int16_t IESP = 0;
        ASSERT_FALSE(Comprueba(1, c.Afi, c.Afe, interior, exterior, IESP));
        EXPECT_EQ(estado.resultados.EstadoDiseno, c.excede ? 2 : 0);
        EXPECT_EQ(salida.TextoPantalla().empty(), !c.excede);
        // A pipe with a cylinder has no cracking check.
        EXPECT_EQ(estado.resultados.TensionMaxima, 123);
        EXPECT_EQ(estado.resultados.TensionAdmisible, 45);
        EXPECT_DOUBLE_EQ(interior.AreaDispuesta, c.Pi);
        EXPECT_DOUBLE_EQ(exterior.AreaDispuesta, c.Pe);
    }
}

TEST_F(ArmadoTest, MensajeDeCuantiaSegunListado)
{
    const std::string m672 =
        "** ARMADURA MAYOR QUE LA MAXIMA RECOMENDADA POR RETRACCION PARA ARMADURAS LISAS **";
    const std::string total = "As/Acr tot.=   0.0963"; // 144.5 / 1500
    struct Caso {
        std::string nombre;
        ClaseListado clase;
        bool definitiva;
        std::vector<std::string> esperado;
    };
    const std::vector<Caso> casos = {
        {"normal, barrido", ClaseListado::Normal, false, {}},
        {"normal, pasada definitiva",
         ClaseListado::Normal,
         true,
         {"Linea | |", "Linea | |",
          "Linea |" + B(10) + "ARMADURA MAYOR QUE LA MAXIMA RECOMENDADA|",
          "Linea |" + B(10) + "POR RETRACCION PARA ARMADURAS LISAS|", "Linea | |",
          "Linea |" + B(10) + total + "|"}},
        {"pantalla, barrido",
         ClaseListado::Pantalla,
         false,
         {"Linea | |", "Negrita 1", "Linea |" + B(9) + m672 + "|", "Negrita 0",
          "Linea |" + B(9) + total + "|"}},
        {"tabular", ClaseListado::Tabular, true, {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        impresora.olvida();
        Imprimiendo(c.clase, c.definitiva);
        estado.resultados.EstadoDiseno = 0;
        DisposicionArmadura interior{
            .Espiras = 0, .Diametro = 0, .Camisa = 0, .AreaDispuesta = 100, .VariasCapas = false};
        DisposicionArmadura exterior{
            .Espiras = 0, .Diametro = 0, .Camisa = 0, .AreaDispuesta = 44.5, .VariasCapas = false};
        std::int16_t IESP = 0;
        ASSERT_FALSE(Comprueba(2, 10, 5, interior, exterior, IESP));
        EXPECT_EQ(estado.resultados.EstadoDiseno, 2);
        EXPECT_EQ(impresora.descripciones(), c.esperado);
    }

    estado.listado.Imprimiendo = false;
    DisposicionArmadura interior{
        .Espiras = 0, .Diametro = 0, .Camisa = 0, .AreaDispuesta = 100, .VariasCapas = false};
    DisposicionArmadura exterior{
        .Espiras = 0, .Diametro = 0, .Camisa = 0, .AreaDispuesta = 44.5, .VariasCapas = false};
    std::int16_t IESP = 0;
    ASSERT_FALSE(Comprueba(1, 10, 5, interior, exterior, IESP));
    EXPECT_EQ(salida.TextoPantalla(), "\n" + m672 + "\n" + total + "\n");
}

// --- Cracking check ----------------------------------------------------------------------------

TEST(CoeficienteFisuracion, PorClaseYControl)
{
    EXPECT_DOUBLE_EQ(CoeficienteFisuracion(1, 2), 1.5);
    EXPECT_DOUBLE_EQ(CoeficienteFisuracion(2, 2), 1.6);
    EXPECT_DOUBLE_EQ(CoeficienteFisuracion(3, 2), 1.7);
    EXPECT_DOUBLE_EQ(CoeficienteFisuracion(3, 1), 1.6);
    EXPECT_DOUBLE_EQ(CoeficienteFisuracion(1, 1), 1.4);
    EXPECT_EQ(CoeficienteFisuracion(0, 2), 0);
    EXPECT_EQ(CoeficienteFisuracion(4, 2), 0);
}

// h 15 cm, covers 3 cm, Pi 10, Pe 5, M 0.3 t.m/m, N 2 t/m, Fct 20.166, c 1.7.
TEST(Fisuracion, SeccionHomogeneizadaYTensiones)
{
    const SeccionHomogeneizada s = Homogeneiza(15, 3, 3, 10, 5);
    EXPECT_NEAR(s.Ah, 1665, 1e-9);
    EXPECT_NEAR(s.yg, 7.3514, 1e-4);
    EXPECT_NEAR(s.I, 31429.46, 0.01);

    const double Fct = 0.45 * std::cbrt(300.0 * 300.0);
    const TensionesFisuracion t = TensionesSeccion(s, 15, 0.3, 2, Fct, 1.7);
    EXPECT_NEAR(t.sM, 7.017, 0.001);
    EXPECT_NEAR(t.sN, 1.201, 0.001);
    EXPECT_NEAR(t.f, 1.2753, 0.0001); // q = 5.842
    EXPECT_NEAR(t.sa, 15.128, 0.001);
    EXPECT_NEAR(t.s, 8.218, 0.001);

    struct Caso {
        std::string nombre;
        double M, N, f;
    };
    // sN = 2000 / 1665 = 1.2012; M > 0 bends the inner face (yg 7.3514), M <= 0 the outer
    // (h - yg = 7.6486): q = M / 0.0051446 or -M / 0.0049447.
    const std::vector<Caso> casos = {
        {"comprimida", 0.3, -2, 1.4},
        {"sin axil", 0.3, 0, 1.4},
        {"q 5 justo", 5 * 1.2012012 * 31429.459 / 7.3513514 / 100000, 2, 1.25},
        {"q 10 justo", 10 * 1.2012012 * 31429.459 / 7.3513514 / 100000, 2, 1.4},
        {"q 2, cara exterior", -2 * 1.2012012 * 31429.459 / 7.6486486 / 100000, 2, 1.1},
        {"sin momento", 0, 2, 1.0},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_NEAR(TensionesSeccion(s, 15, c.M, c.N, Fct, 1.7).f, c.f, 1e-6);
    }
}

struct CasoFisuracion {
    std::string nombre;
    std::vector<std::array<double, 2>> secciones; // M t.m/m, N t/m of hypothesis 2
    std::int32_t espirasInterior;
    std::int32_t espirasExterior;
    double Pi, Pe;        // cm2/m laid out in the end
    double tensionMaxima; // kp/cm2
    double tensionAdmisible;
    double admisibleMinima;
};

// Starting from 20 turns of 8 mm inside (10.053) and 10 outside (5.027), Fct 20.166, c 1.7
// (class 3, normal control). Hand calculation of each restart with the section formulas.
TEST_F(ArmadoTest, FisuracionAnadeAceroHastaQueNoFisura)
{
    const std::vector<CasoFisuracion> casos = {
        // Crown: s 16.628 > sa 16.608 (q >= 10); with 10.553 inside it passes; laid out again
        // as 21 turns (10.556). Pass 2: crown 16.543 under 16.608; the haunch (q 1.84) gives
        // the smallest admissible 14.271.
        {.nombre = "interior",
         .secciones = {{0.66, 2}, {-0.2, 2}, {0.1, -1}},
         .espirasInterior = 21,
         .espirasExterior = 10,
         .Pi = 10.5558,
         .Pe = 5.0265,
         .tensionMaxima = 16.5433,
         .tensionAdmisible = 16.6076,
         .admisibleMinima = 14.2705},
        // Haunch, outer face: s 16.647 > 16.608; 5.527 outside passes, laid out as 11 turns.
        {.nombre = "exterior",
         .secciones = {{-0.635, 2}},
         .espirasInterior = 20,
         .espirasExterior = 11,
         .Pi = 10.0531,
         .Pe = 5.5292,
         .tensionMaxima = 16.5541,
         .tensionAdmisible = 16.6076,
         .admisibleMinima = 16.6076},
        // No moment, N 20: sa = 20.166 / 1.7 = 11.863; s 12.006, then 11.927: both faces twice.
        {.nombre = "sin momento",
         .secciones = {{0, 20}},
         .espirasInterior = 22,
         .espirasExterior = 12,
         .Pi = 11.0584,
         .Pe = 6.0319,
         .tensionMaxima = 11.8492,
         .tensionAdmisible = 11.8625,
         .admisibleMinima = 11.8625},
    };
    for (const CasoFisuracion &c : casos) {
        SCOPED_TRACE(c.nombre);
        M = {};
        N = {};
        for (std::size_t s = 0; s < c.secciones.size(); ++s) {
            M[2][s + 1] = c.secciones[s][0];
            N[2][s + 1] = c.secciones[s][1];
        }
        DisposicionArmadura interior{.Espiras = 20,
                                     .Diametro = 8,
                                     .Camisa = 0,
                                     .AreaDispuesta = 10.0531,
                                     .VariasCapas = false};
        DisposicionArmadura exterior{.Espiras = 10,
                                     .Diametro = 8,
                                     .Camisa = 0,
                                     .AreaDispuesta = 5.0265,
                                     .VariasCapas = false};
        std::int16_t IESP = 3;
        ASSERT_FALSE(Comprueba(0, 1, 1, interior, exterior, IESP,
                               static_cast<std::int16_t>(c.secciones.size())));
        EXPECT_EQ(IESP, 0);
        EXPECT_EQ(interior.Espiras, c.espirasInterior);
        EXPECT_EQ(exterior.Espiras, c.espirasExterior);
        EXPECT_DOUBLE_EQ(interior.Diametro, 8);
        EXPECT_DOUBLE_EQ(exterior.Diametro, 8);
        EXPECT_NEAR(interior.AreaDispuesta, c.Pi, 1e-4);
        EXPECT_NEAR(exterior.AreaDispuesta, c.Pe, 1e-4);
        EXPECT_NEAR(estado.resultados.TensionMaxima, c.tensionMaxima, 1e-4);
        EXPECT_NEAR(estado.resultados.TensionAdmisible, c.tensionAdmisible, 1e-4);
        EXPECT_NEAR(estado.resultados.TensionAdmisibleMinima, c.admisibleMinima, 1e-4);
        EXPECT_EQ(estado.resultados.EstadoDiseno, 0);
    }
    EXPECT_EQ(salida.TextoPantalla(), "");
}

// The layout of the raised areas is final: its layer warning is reported, not written.
TEST_F(ArmadoTest, FisuracionInformaDelAvisoDeCapas)
{
    DisposicionArmadura interior{
        .Espiras = 0, .Diametro = 0, .Camisa = 0, .AreaDispuesta = 36, .VariasCapas = false};
    DisposicionArmadura exterior{
        .Espiras = 0, .Diametro = 0, .Camisa = 0, .AreaDispuesta = 20, .VariasCapas = false};
    std::int16_t IESP = 0;
    ASSERT_FALSE(Comprueba(0, 1, 1, interior, exterior, IESP, 0));
    EXPECT_EQ(interior.Espiras, 32);
    EXPECT_DOUBLE_EQ(interior.Diametro, 12);
    EXPECT_TRUE(interior.VariasCapas);
    EXPECT_EQ(exterior.Espiras, 26);
    EXPECT_DOUBLE_EQ(exterior.Diametro, 10);
    EXPECT_FALSE(exterior.VariasCapas);
    EXPECT_EQ(salida.TextoPantalla(), "");
    // No section looked at: the smallest admissible stress keeps its start.
    EXPECT_EQ(estado.resultados.TensionMaxima, 0);
    EXPECT_EQ(estado.resultados.TensionAdmisibleMinima, 1.0e20);
}

// 5000 t/m of tension on a 15 cm wall: after 10000 restarts (5000 cm2/m more on each face) the
// axial stress alone is still about 45 kp/cm2 against 11.86 admissible.
TEST_F(ArmadoTest, FisuracionSinSolucionTerminaElCaso)
{
    N[2][1] = 5000;
    for (const ClaseListado clase : {ClaseListado::Normal, ClaseListado::Pantalla}) {
        SCOPED_TRACE(static_cast<int>(clase));
        impresora.olvida();
        Imprimiendo(clase, false);
        DisposicionArmadura interior{.Espiras = 20,
                                     .Diametro = 8,
                                     .Camisa = 0,
                                     .AreaDispuesta = 10.0531,
                                     .VariasCapas = false};
        DisposicionArmadura exterior{.Espiras = 10,
                                     .Diametro = 8,
                                     .Camisa = 0,
                                     .AreaDispuesta = 5.0265,
                                     .VariasCapas = false};
        std::int16_t IESP = 0;
        ASSERT_FALSE(Comprueba(0, 1, 1, interior, exterior, IESP, 1));
        EXPECT_EQ(IESP, 1);
        EXPECT_EQ(interior.Espiras, 20);
        EXPECT_DOUBLE_EQ(interior.AreaDispuesta, 10.0531);
        EXPECT_DOUBLE_EQ(exterior.AreaDispuesta, 5.0265);
        const double maxima = estado.resultados.TensionMaxima;
        EXPECT_TRUE(std::isfinite(maxima));
        EXPECT_GT(maxima, 40);
        EXPECT_NEAR(estado.resultados.TensionAdmisible, 11.8625, 1e-4);
        const std::vector<std::string> lineas = impresora.lineas();
        ASSERT_GE(lineas.size(), 2U);
        EXPECT_EQ(lineas[1].substr(lineas[1].find_first_not_of(' ')),
                  "COMPROBACION A FISURACION: ESPESOR DE TUBO INSUFICIENTE");
    }
    estado.listado.Imprimiendo = false;
    DisposicionArmadura interior{
        .Espiras = 20, .Diametro = 8, .Camisa = 0, .AreaDispuesta = 10.0531, .VariasCapas = false};
    DisposicionArmadura exterior{
        .Espiras = 10, .Diametro = 8, .Camisa = 0, .AreaDispuesta = 5.0265, .VariasCapas = false};
    std::int16_t IESP = 0;
    ASSERT_FALSE(Comprueba(0, 1, 1, interior, exterior, IESP, 1));
    EXPECT_EQ(salida.TextoPantalla(),
              "\n  ** COMPROBACION A FISURACION: ESPESOR DE TUBO INSUFICIENTE **\n");
}

TEST_F(ArmadoTest, ListadoDeArmaduraSinFisuracion)
{
    Imprimiendo(ClaseListado::Normal, true);
    DisposicionArmadura interior{
        .Espiras = 20, .Diametro = 8, .Camisa = 0, .AreaDispuesta = 10.0531, .VariasCapas = false};
    DisposicionArmadura exterior{
        .Espiras = 10, .Diametro = 8, .Camisa = 0, .AreaDispuesta = 5.0265, .VariasCapas = false};
    std::int16_t IESP = 0;
    ASSERT_FALSE(Comprueba(0, 1, 1, interior, exterior, IESP, 0));
    const std::vector<std::string> esperado = {
        "Linea | |",
        "Linea | |",
        "Tamano 10.0",
        "Negrita 1",
        "Linea |" + B(8) + "ARMADURA SIN FISURACION|",
        "Tamano 10.0",
        "Negrita 0",
        "Linea | |",
        "Linea |" + B(8) + "INTERIOR :  DIAMETRO    8 mm|",
        "Linea |" + B(8) + B(12) + "ESPIRAS   20 por metro|",
        "Linea |" + B(8) + B(12) + "TOTAL     10.1 cm2|",
        "Linea | |",
        "Linea |" + B(8) + "EXTERIOR :  DIAMETRO    8 mm|",
        "Linea |" + B(8) + B(12) + "ESPIRAS   10 por metro|",
        "Linea |" + B(8) + B(12) + "TOTAL      5.0 cm2|",
    };
    EXPECT_EQ(impresora.descripciones(), esperado);

    for (const bool definitiva : {false, true}) {
        for (const ClaseListado clase : {ClaseListado::Pantalla, ClaseListado::Tabular}) {
            impresora.olvida();
            Imprimiendo(clase, definitiva);
            ASSERT_FALSE(Comprueba(0, 1, 1, interior, exterior, IESP, 0));
            EXPECT_TRUE(impresora.descripciones().empty());
        }
    }
    impresora.olvida();
    Imprimiendo(ClaseListado::Normal, false);
    ASSERT_FALSE(Comprueba(0, 1, 1, interior, exterior, IESP, 0));
    EXPECT_TRUE(impresora.descripciones().empty());
}

TEST_F(ArmadoTest, DatosQueLasComprobacionesRechazan)
{
    struct Caso {
        std::string nombre;
        std::int16_t IndicadorCamisa;
        double ESP, RECI, RECE, Fct;
        std::int16_t ClaseFisuracion;
        std::string mensaje;
    };
    const std::vector<Caso> casos = {
        {.nombre = "espesor 0",
         .IndicadorCamisa = 1,
         .ESP = 0,
         .RECI = 0.03,
         .RECE = 0.03,
         .Fct = 20,
         .ClaseFisuracion = 3,
         .mensaje = "Espesor (cm.): Valor incorrecto"},
        {.nombre = "recubrimiento interior 0",
         .IndicadorCamisa = 1,
         .ESP = 0.15,
         .RECI = 0,
         .RECE = 0.03,
         .Fct = 20,
         .ClaseFisuracion = 3,
         .mensaje = "Recubrimiento Interior (cm.): Valor incorrecto"},
        {.nombre = "recubrimiento exterior 0",
         .IndicadorCamisa = 0,
         .ESP = 0.15,
         .RECI = 0.03,
         .RECE = 0,
         .Fct = 20,
         .ClaseFisuracion = 3,
         .mensaje = "Recubrimiento Exterior (cm.): Valor incorrecto"},
        {.nombre = "Fct 0",
         .IndicadorCamisa = 0,
         .ESP = 0.15,
         .RECI = 0.03,
         .RECE = 0.03,
         .Fct = 0,
         .ClaseFisuracion = 3,
         .mensaje = "Caracteristica de Hormigón a Tracción Incorrecto"},
        {.nombre = "Fct no es un numero",
         .IndicadorCamisa = 0,
         .ESP = 0.15,
         .RECI = 0.03,
         .RECE = 0.03,
         .Fct = std::nan(""),
         .ClaseFisuracion = 3,
         .mensaje = "Caracteristica de Hormigón a Tracción Incorrecto"},
        {.nombre = "clase de fisuracion 0",
         .IndicadorCamisa = 0,
         .ESP = 0.15,
         .RECI = 0.03,
         .RECE = 0.03,
         .Fct = 20,
         .ClaseFisuracion = 0,
         .mensaje = "COMPROBACION A FISURACION: Valor incorrecto"},
    };
    M[2][1] = 0.3;
    N[2][1] = 2;
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        salida.VaciaPantalla();
        ESP = c.ESP;
        RECI = c.RECI;
        RECE = c.RECE;
        estado.tramo.Fct = c.Fct;
        estado.tramo.ClaseFisuracion = c.ClaseFisuracion;
        estado.resultados.EstadoDiseno = 0;
        estado.resultados.TensionMaxima = 0;
        DisposicionArmadura interior{.Espiras = 20,
                                     .Diametro = 8,
                                     .Camisa = 0,
                                     .AreaDispuesta = 10.0531,
                                     .VariasCapas = false};
        DisposicionArmadura exterior{.Espiras = 10,
                                     .Diametro = 8,
                                     .Camisa = 0,
                                     .AreaDispuesta = 5.0265,
                                     .VariasCapas = false};
        std::int16_t IESP = 0;
        const ErrorCalculo e = Comprueba(c.IndicadorCamisa, 1, 1, interior, exterior, IESP, 1);
        EXPECT_TRUE(e);
        EXPECT_EQ(e.mensaje, c.mensaje);
        EXPECT_EQ(salida.TextoPantalla(), "\n  ** " + c.mensaje + " **\n");
        EXPECT_EQ(estado.resultados.EstadoDiseno, 0);
        EXPECT_EQ(estado.resultados.TensionMaxima, 0);
    }
}

} // namespace
} // namespace dravek
