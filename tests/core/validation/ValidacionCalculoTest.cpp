// From a new run to the engine's listing, as the calculate command goes: the clearing and the
// defaults, a few boxes typed, the project's ranges and the whole run checked, then the run
// calculated with the real designs.

#include "TramoCapturado.h"
#include "VentanaValidacion.h"
#include "apoyo/ContextoPrueba.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/TextoPrueba.h"
#include "apoyo/TramoPrueba.h"
#include "core/design/DisenoTubo.h"
#include "core/entry/ValidacionTramo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::VentanaValidacion;

const std::string Ruta = DRAVEK_DATOS_PROGRAMA "/";

// The calculation of a run as the calculate command makes it, on the window's own state.
struct Calculo {
    explicit Calculo(VentanaValidacion &p) : estado(p.estado) {}

    // The command: both checks, the project and run titles and the run number from the boxes,
    // then the screen listing of the whole run.
    ErrorCalculo Calcula(VentanaValidacion &p)
    {
        EXPECT_TRUE(ValidaObraYTramo(p.captura, true));
        estado.obra.TIGEN = p.captura.edObra.Text();
        estado.tramo.ITIT = p.captura.edDescriTramo.Text();
        estado.tramo.TramoActual = static_cast<std::int16_t>(std::stoi(p.captura.edTramo.Text()));
        return pruebas::CalculaEnPantalla(contexto);
    }

    ErrorCalculo Imprime(ClaseListado tipo)
    {
        int fin = 0;
        return pruebas::ImprimeTramo(contexto, tipo, fin);
    }

    EstadoObra &estado;
    pruebas::RelojFijo reloj;
    pruebas::ImpresoraGrabadora impresora;
    SalidaListado salida{reloj, impresora};
    pruebas::DepuracionNula depuracion;
    DisenoTubo diseno;
    ContextoCalculo contexto{estado, salida, depuracion, diseno};
};

// Nothing unreadable reaches the engineer.
void SinTextosIlegibles(const std::string &texto)
{
    for (const char *mal : {"nan", "inf", "NaN", "Falta Recurso", "-999999999"}) {
        EXPECT_EQ(texto.find(mal), std::string::npos) << mal;
    }
}

std::string Todo(const pruebas::ImpresoraGrabadora &impresora)
{
    std::string todo;
    for (const std::string &linea : impresora.lineas()) {
        todo += linea + "\n";
    }
    return todo;
}

// A reinforced-concrete run in MKS over the project's ranges: MDP 11 (so DP 10), fill 2 to 4 m
// by 1 m; the trench width left empty follows the outer diameter. Three cases, one per height,
// each at DP 10 at; the factory test pressure max(1.2 x 11, 11 + 2) = 13.2 at stretches the
// 1 m ring with 13.2 kp/cm2 x 50 cm = 66 t/m.
TEST(ValidaYCalcula, ArmadoEnMKSConLosRangosDelProyecto)
{
    VentanaValidacion p;
    p.estado.ejecucion.RutaAplicacion = Ruta;
    CapturaDatos &v = p.captura;
    LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
    PonDefectosArmado(v);
    ponTexto(v.edObra, "CONDUCCION NORTE");
    ponTexto(v.edPrsM1, "11");
    ponTexto(v.edAlt1, "2");
    ponTexto(v.edAlt2, "4");
    ponTexto(v.edAlt3, "1");
    ponTexto(v.edTramo, "7");
    ponTexto(v.edDescriTramo, "TRAMO 7");
    ponTexto(v.edDi0, "1");
    ponTexto(v.edEsp0, "12");
    ponTexto(v.edReci0, "2,5");
    ponTexto(v.edRece0, "2,5");
    pruebas::EmpiezaLimpio(p);

    Calculo c(p);
    ASSERT_FALSE(c.Calcula(p));

    EXPECT_TRUE(p.avisos().empty());
    EXPECT_EQ(v.edPrs1.Text(), "10,00");
    EXPECT_EQ(v.edB0.Text(), "2,416"); // 1.4 x 1.24 + 0.68 m
    const std::string &pantalla = c.salida.TextoPantalla();
    const std::string titulo = "  CALCULANDO EL CASO : 1/   7  DP: 10,00 at      MDP: 11,00 at";
    EXPECT_EQ(pruebas::Cuenta(pantalla, "CALCULANDO EL CASO"), 3U);
    EXPECT_EQ(pruebas::Cuenta(pantalla, titulo + "\n"), 3U);
    for (const char *altura : {"2,00", "3,00", "4,00"}) {
        EXPECT_EQ(
            pruebas::Cuenta(pantalla, std::string("  Altura del relleno :   ") + altura + " m\n"),
            1U)
            << altura;
    }
    EXPECT_EQ(pruebas::Cuenta(pantalla, "  Presión interior   : 10,000 at\n"), 3U);
    // The live-load box showed the axle of 13 t: its code reaches the calculation.
    EXPECT_EQ(pruebas::Cuenta(pantalla, "  Carga concentrada  : Eje de 13 t"), 3U);
    EXPECT_EQ(
        pruebas::Cuenta(pantalla, "    0,000   66,000    0,000   66,000    0,000   66,000\n"), 3U);
    SinTextosIlegibles(pantalla);

    ASSERT_FALSE(c.Imprime(ClaseListado::Normal));
    const std::string papel = Todo(c.impresora);
    EXPECT_EQ(pruebas::Cuenta(papel, "        Ancho de la zanja (b):   2,416 m\n"), 1U);
    SinTextosIlegibles(papel);
}

// A post-tensioned run (embedded cylinder) with its own ranges: MDP 8.8 to 13.2 at by 2.2, the DP
// boxes left to be derived (8 to 12 at); fill 1.5 to 2.5 m by 1 m. The MDP step over the law's
// slope (4.4 / 4 = 1.1) is a DP step of 2 at: DP 8, 10, 12 at each height, six cases.
TEST(ValidaYCalcula, PostesadoConSusPropiosRangos)
{
    VentanaValidacion p;
    p.estado.ejecucion.RutaAplicacion = Ruta;
    CapturaDatos &v = p.captura;
    LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
    ponPestana(v.TabTipologia, 1);
    ASSERT_EQ(p.estado.tramo.Tipologia, 2211);
    ponTexto(v.edPrsM1, "10");
    ponTexto(v.edAlt1, "3");
    ponTexto(v.edTramo, "2");
    ponTexto(v.edDi0, "1");
    ponTexto(v.edEsp0, "10");
    ponTexto(v.edReci0, "1");
    ponTexto(v.edRece0, "2,5");
    ponTexto(v.edPrsM1Tram, "8,8");
    ponTexto(v.edPrsM2Tram, "13,2");
    ponTexto(v.edPrs3Tram, "2,2");
    ponTexto(v.edHr0, "1,5");
    ponTexto(v.edHr0Final, "2,5");
    ponTexto(v.edHr0Delta, "1");
    pruebas::EmpiezaLimpio(p);

    Calculo c(p);
    ASSERT_FALSE(c.Calcula(p));

    EXPECT_TRUE(p.avisos().empty());
    EXPECT_EQ(v.edPrs1Tram.Text(), "8,00");
    EXPECT_EQ(v.edPrs2Tram.Text(), "12,00");
    EXPECT_EQ(v.edSf.Text(), "12750"); // 0.75 x 17000 kp/cm2, the default kept
    const std::string &pantalla = c.salida.TextoPantalla();
    EXPECT_EQ(pruebas::Cuenta(pantalla, "CALCULANDO EL CASO"), 6U);
    EXPECT_EQ(pruebas::Cuenta(pantalla, "  TIPO: Hormigón postesado"), 6U);
    const std::vector<std::string> titulos = {
        "  CALCULANDO EL CASO : 1/   2  DP: 8,00 at      MDP: 8,80 at\n",
        "  CALCULANDO EL CASO : 2/   2  DP: 10,00 at      MDP: 11,00 at\n",
        "  CALCULANDO EL CASO : 3/   2  DP: 12,00 at      MDP: 13,20 at\n",
    };
    for (const std::string &t : titulos) {
        EXPECT_EQ(pruebas::Cuenta(pantalla, t), 2U) << t;
    }
    EXPECT_EQ(pruebas::Cuenta(pantalla, "  Altura del relleno :   1,50 m\n"), 3U);
    EXPECT_EQ(pruebas::Cuenta(pantalla, "  Altura del relleno :   2,50 m\n"), 3U);
    SinTextosIlegibles(pantalla);
}

// A total vertical load typed in SI: 0.03 MPa is 3 t/m2 (x 100), over the 1.24 m outer diameter
// 3.72 t/m, and 30 kN/m2 in the ring analysis; no live load. MDP 1 MPa (10 at) gives the test
// pressure 12 at and a ring force of 12 x 50 = 600 kp/cm, 600 kN/m.
TEST(ValidaYCalcula, CargaTotalTecleadaEnSI)
{
    VentanaValidacion p;
    p.muestraSI(true);
    p.estado.ejecucion.RutaAplicacion = Ruta;
    CapturaDatos &v = p.captura;
    LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
    PonDefectosArmado(v);
    ponTexto(v.edPrsM1, "1");
    ponTexto(v.edAlt1, "3");
    ponTexto(v.edTramo, "3");
    ponTexto(v.edDi0, "1");
    ponTexto(v.edEsp0, "12");
    ponTexto(v.edReci0, "2,5");
    ponTexto(v.edRece0, "2,5");
    ponTexto(v.edQDato0, "0,03");
    pruebas::EmpiezaLimpio(p);

    Calculo c(p);
    ASSERT_FALSE(c.Calcula(p));

    EXPECT_TRUE(p.avisos().empty());
    const std::string &pantalla = c.salida.TextoPantalla();
    EXPECT_EQ(pruebas::Cuenta(pantalla, "CALCULANDO EL CASO"), 1U);
    EXPECT_EQ(pruebas::Cuenta(
                  pantalla, "  CALCULANDO EL CASO : 1/   3  DP: 0,909 MPa      MDP: 1,000 MPa\n"),
              1U);
    EXPECT_EQ(pruebas::Cuenta(pantalla, "  Carga concentrada  : No se considera"), 1U);
    EXPECT_EQ(
        pruebas::Cuenta(pantalla, "     0,00   600,00     0,00   600,00     0,00   600,00\n"), 1U);
    SinTextosIlegibles(pantalla);

    ASSERT_FALSE(c.Imprime(ClaseListado::Normal));
    const std::string papel = Todo(c.impresora);
    EXPECT_EQ(pruebas::Cuenta(
                  papel, "        Carga vertical total (adoptada) :   3,000 t/m2 -  3,720 t/m\n"),
              1U);
    EXPECT_EQ(pruebas::Cuenta(papel, "     30,00 Granular  90º\n"), 1U);
    SinTextosIlegibles(papel);

    // The typed value is back as typed once the calculation is over.
    EXPECT_EQ(p.estado.tramo.CargaVerticalTotal, 0.03);
    EXPECT_EQ(v.edQDato0.Text(), "0,03");
    EXPECT_EQ(p.estado.tramo.CalculoCargas, 0);
}

} // namespace
} // namespace dravek
