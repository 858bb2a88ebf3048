// Listings of a post-tensioned case and run on the recording printer and the screen.
//
// The design state is set by hand to values with at most two decimals, so that every field can
// be written out here without rounding: MKS shows them as they are, SI divides stresses and
// moments by 10 (one more decimal) and multiplies axial forces by 10 (one decimal fewer). The
// stresses need not be those of a real pipe: the listings only place them. The expected lines
// follow the layouts column by column; blanks are counted with B(n).

#include "core/posttensioned/ListadoPostesado.h"

#include "apoyo/ContextoPrueba.h"
#include "apoyo/DepuracionGrabadora.h"
#include "apoyo/DisenoCasoGrabador.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/TextoPrueba.h"
#include "core/engine/ContextoCalculo.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/model/Utf8.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::B;
using pruebas::Fijo;
using pruebas::Guiones;
using pruebas::OperacionImpresora;
using pruebas::TipoOperacion;

constexpr std::int32_t Caso = 7;

class ListadoPostesadoTest : public ::testing::Test,
                             protected pruebas::ContextoPrueba<pruebas::DepuracionGrabadora,
                                                               pruebas::DisenoCasoGrabador> {
protected:
    ListadoPostesadoTest()
    {
        EstadoEjecucion &ejecucion = estado.ejecucion;
        ejecucion.DesplazamientoIdioma = 0;
        ejecucion.SistemaUnidades = "MKS";
        ejecucion.SeparadorDecimalLocal = ".";

        DatosTramo &t = estado.tramo;
        t.TramoActual = 2;
        t.ITIT = "Tramo postesado";
        t.Tipologia = 2211;
        t.EsArmado = Falso;
        t.TipoPostesado = 1;
        t.CalculoCargas = 1;
        // The run in calculation units: lengths in m, Delca in cm, stresses in kp/cm2.
        t.vDi = 1.0;
        t.vDE = 1.2;
        t.ESP = 0.1;
        t.RECI = 0.02;
        t.RECE = 0.025;
        t.Delca = 0.15;
        t.Es = 2.1e6;
        t.Ep = 2.0e6;
        t.Fckno = 250;
        t.Fckn = 500;
        t.Fckr = 350;
        t.SFck = 17000;
        t.Sf = 11900;
        t.Rel = 5;
        t.Fic = 2.0;
        t.Fir = 2.5;
        t.Epsc = 0.0002;
        t.Epsr = 0.0003;

        DatosCaso &c = estado.caso;
        c.DP = 4;
        c.MDP = 5;
        c.STP = 6;
        c.PP = 12;
        c.AlturaActual = 2.5;
        c.NumeroCaso = Caso;
        c.NuevaAltura = false;
        c.TextoTipoCamisa = "Embebida";

        estado.listado.Imprimiendo = true;
        estado.listado.TipoListado = ClaseListado::Normal;
        estado.listado.NumeroPagina = 3;

        EstadoPostesado &p = estado.postesado;
        p.NumeroHipotesis = 3;
        p.FIPR = 0.5; // cm
        p.NESP = 21;
        p.MomentoHipotesis = {0, 300, -250, 350};
        p.AxilHipotesis = {0, -20, -25, -18};

        DatosPostesado &d = p.datos;
        d.Fck0 = 250;
        d.Fckn = 500;
        d.Fckr = 350;
        d.FctkRevestimiento = 22.5;
        d.SFck = 17000;
        d.Sf = 11900;
        d.Ep = 2.0e6;
        d.Delca = 0.15;
        d.RadioInterior = 50;
        d.RadioCamisa = 51;
        d.RadioNucleo = 57.5;
        d.RadioExterior = 60;
        d.RelacionModulosCamisa = 7.5;
        d.ni = 6.25;
        d.n = 5.5;
        d.n1 = 6.75;
        d.n2 = 0.875;

        SeccionPostesado &s = p.seccion;
        s.PerdidaAcortamientoElastico = 412.5;
        s.PerdidaRelajacion = 380.25;
        s.PerdidaFluenciaRetraccion = 1500.75;
        s.TensionResidualAcero = 9606.5;
        s.TensionInicialIntPrimario = -120.4;
        s.TensionInicialExtPrimario = -105.6;
        s.TensionFinalIntPrimario = -95.25;
        s.TensionFinalExtPrimario = -80.5;
        s.TensionFinalIntRevestimiento = -10.75;
        s.TensionFinalExtRevestimiento = -9.5;
        s.A = 4.5;
        s.B = 5.5;
        s.C = 6.5;
        s.Ar = 10.25;
        s.Br = 11.25;
        s.Cr = 1250.125;
        s.k = 0.5;
        s.D = 9876.5;
        s.sro = 9.125;
        s.yi = 4.25;
        s.ye = 3.25;
        s.yr = 5.75;
        s.Io = 45.5;
        s.TensionOvalIntPrimario = {0, 12.5, -10.25, 14.75};
        s.TensionOvalExtPrimario = {0, -11.5, 9.75, -13.25};
        s.TensionOvalIntRevestimiento = {0, 1.5, -1.25, 1.75};
        s.TensionOvalExtRevestimiento = {0, -2.5, 2.25, -2.75};
        s.TensionOvalAcero = {0, -60.5, 50.25, -70.75};

        TensionesHipotesisPostesado &a = p.aceptada;
        a.NumeroHipotesis = 3;
        a.TensionPresionIntPrimario = 20.5;
        a.TensionPresionExtPrimario = 18.25;
        a.TensionPresionIntRevestimiento = 3.5;
        a.TensionPresionExtRevestimiento = 3.25;
        a.TensionPresionAcero = 110.75;
        a.TensionOvalPostesadoIntPrimario = {0, -82.75, -105.5, -80.5};
        a.TensionOvalPostesadoExtPrimario = {0, -92, -70.75, -93.75};
        a.TensionOvalPostesadoIntRevestimiento = {0, -9.25, -12, -9};
        a.TensionOvalPostesadoExtRevestimiento = {0, -12, -7.25, -12.25};
        a.TensionOvalPostesadoAcero = {0, 9546, 9656.75, 9535.75};
        a.TensionTotalIntPrimario = {0, -62.25, -85, -60};
        a.TensionTotalExtPrimario = {0, -73.75, -52.5, -75.5};
        a.TensionTotalIntRevestimiento = {0, -5.75, -8.5, -5.5};
        a.TensionTotalExtRevestimiento = {0, -8.75, -4, -9};
        a.TensionTotalAcero = {0, 9656.75, 9767.5, 9646.5};
    }

    void SI() { estado.ejecucion.SistemaUnidades = "SI"; }
    void EnPantalla() { estado.listado.Imprimiendo = false; }
    void Imprimiendo(ClaseListado clase)
    {
        estado.listado.Imprimiendo = true;
        estado.listado.TipoListado = clase;
    }

    // The lines of a page from the first one that starts with inicio.
    std::vector<std::string> Desde(int pagina, const std::string &inicio) const
    {
        const std::vector<std::string> todas = impresora.lineas(pagina);
        for (std::size_t i = 0; i < todas.size(); ++i) {
            if (todas[i].starts_with(inicio)) {
                return {todas.begin() + static_cast<std::ptrdiff_t>(i), todas.end()};
            }
        }
        ADD_FAILURE() << "no line starting |" << inicio << "| on page " << pagina;
        return {};
    }

    // Each expected line appears among the printed ones, in the order given.
    void ContieneEnOrden(const std::vector<std::string> &lineas,
                         const std::vector<std::string> &esperadas) const
    {
        std::size_t i = 0;
        for (const std::string &esperada : esperadas) {
            while (i < lineas.size() && lineas[i] != esperada) {
                ++i;
            }
            ASSERT_LT(i, lineas.size()) << "missing or out of order: |" << esperada << "|";
            ++i;
        }
    }

    // Whether the printed line was in bold.
    bool EnNegrita(const std::string &linea) const
    {
        for (const OperacionImpresora &op : impresora.operaciones()) {
            if (op.tipo == TipoOperacion::Linea && op.texto == linea) {
                return op.valores[1] != 0;
            }
        }
        ADD_FAILURE() << "line not printed: |" << linea << "|";
        return false;
    }

    bool HayNuevaPagina() const
    {
        for (const OperacionImpresora &op : impresora.operaciones()) {
            if (op.tipo == TipoOperacion::NuevaPagina) {
                return true;
            }
        }
        return false;
    }
};

// ---------------------------------------------------------------------------------------------
// Head lines of a hypothesis

TEST_F(ListadoPostesadoTest, CabezaDeHipotesisConYSinHipotesis)
{
    const std::string presion = B(8) + "PRESION NETA PRUEBA FAB.(PP):" + B(1) + "12.00 at" + B(5) +
                                "STP:" + B(1) + "6.00 at";
    const std::string alambre = B(8) + "DIAMETRO DEL ALAMBRE:" + B(1) + "       5.0" + " mm" +
                                B(6) + "NUMERO DE ESPIRAS POR METRO:" + B(1) + "  21";

    ListaHipotesis(contexto, 0);
    EXPECT_EQ(impresora.lineas(), (std::vector<std::string>{presion, alambre, " "}));
    EXPECT_TRUE(EnNegrita(presion));
    EXPECT_FALSE(impresora.negrita());
    EXPECT_EQ(impresora.tamanoFuente(), 10);

    impresora.olvida();
    ListaHipotesis(contexto, 6);
    EXPECT_EQ(impresora.lineas(),
              (std::vector<std::string>{presion, alambre, " ",
                                        B(12) + "HIPOTESIS DE CALCULO:" + B(2) + "6.- " +
                                            "CARGAS FIJAS + MOVILES, Sin Pres",
                                        " "}));
}

TEST_F(ListadoPostesadoTest, CabezaDeHipotesisEnSI)
{
    SI();
    ListaHipotesis(contexto, 2);
    EXPECT_EQ(
        impresora.lineas(),
        (std::vector<std::string>{B(8) + "PRESION NETA PRUEBA FAB.(PP):" + B(1) + "1.200 MPa" +
                                      B(5) + "STP:" + B(1) + "0.600 MPa",
                                  B(8) + "DIAMETRO DEL ALAMBRE:" + B(1) + "       5.0" + " mm" +
                                      B(6) + "NUMERO DE ESPIRAS POR METRO:" + B(1) + "  21",
                                  " ",
                                  B(12) + "HIPOTESIS DE CALCULO:" + B(2) + "2.- " +
                                      "(MDP+0.1 MPa) + CARGAS FIJAS    ",
                                  " "}));
}

TEST_F(ListadoPostesadoTest, CabezaDeHipotesisSoloEnElListadoNormal)
{
    for (const ClaseListado clase : {ClaseListado::Tabular, ClaseListado::Pantalla}) {
        Imprimiendo(clase);
        ListaHipotesis(contexto, 1);
    }
    EnPantalla();
    ListaHipotesis(contexto, 1);
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_TRUE(salida.TextoPantalla().empty());
}

// ---------------------------------------------------------------------------------------------
// Report of a hypothesis, Normal printed listing

TEST_F(ListadoPostesadoTest, InformeNormalEnMKSEsUnaPaginaCompleta)
{
    ListaInformeHipotesis(contexto, Caso);

    EXPECT_EQ(estado.listado.NumeroPagina, 4);
    EXPECT_EQ(impresora.pagina(), 2);
    const auto P = [](const std::string &texto, const std::string &valor) {
        return B(8) + Fijo(texto, 44) + B(6) + valor;
    };
    const std::vector<std::string> esperadas{
        // Short page header of page 4 with this case's number.
        " ",
        " ",
        B(49) + "Pag.:" + "    4",
        " ",
        " ",
        B(8) + Fijo("Tramo postesado", 40) + B(24) + "HR=" + " 2.500" + " m",
        B(8) + "CASO NUMERO 7/   2 :      DP: 4.00 at" + B(5) + "MDP: 5.00 at",
        // Head lines.
        B(8) + "PRESION NETA PRUEBA FAB.(PP): 12.00 at" + B(5) + "STP: 6.00 at",
        B(8) + "DIAMETRO DEL ALAMBRE:        5.0 mm" + B(6) + "NUMERO DE ESPIRAS POR METRO:   21",
        " ",
        B(12) + "HIPOTESIS DE CALCULO:  3.- DP + CARGAS FIJAS + MOVILES     ",
        " ",
        // Losses and initial stresses: values in columns 59 to 68.
        " ",
        B(14) + "PERDIDAS DE  POSTESADO",
        " ",
        P("ACORTAMIENTO ELASTICO", "    412.50 kp/cm2"),
        P("RELAJACION", "    380.25 kp/cm2"),
        P("FLUENCIA Y RETRACCION", "   1500.75 kp/cm2"),
        " ",
        B(14) + "TENSIONES",
        " ",
        P("RESIDUAL EN EL ACERO DE POSTESADO", "   9606.50 kp/cm2"),
        " ",
        B(14) + "TENSIONES INICIALES EN EL PRIMARIO",
        " ",
        P("INTERIOR", "   -120.40 kp/cm2"),
        P("EXTERIOR", "   -105.60 kp/cm2"),
        B(8) + "0.55*FCK0" + B(41) + "   -137.50 kp/cm2",
        " ",
        B(14) + "TENSIONES FINALES",
        " ",
        B(8) + "INTERIOR PRIMARIO" + B(33) + "    -95.25 kp/cm2",
        B(8) + "EXTERIOR PRIMARIO" + B(33) + "    -80.50 kp/cm2",
        B(8) + "INTERIOR REVESTIMIENTO" + B(28) + "    -10.75 kp/cm2",
        B(8) + "EXTERIOR REVESTIMIENTO" + B(28) + "     -9.50 kp/cm2",
        // Ring forces: the three values end at columns 38, 53 and 68.
        " ",
        B(14) + "ESFUERZOS DE OVALIZACION",
        " ",
        B(33) + "CLAVE         RIÑONES         SOLERA",
        B(8) + "M kp.cm/cm     " + "         300.00" + "        -250.00" + "         350.00",
        B(8) + "N kp/cm        " + "         -20.00" + "         -25.00" + "         -18.00",
        // Ring stresses.
        " ",
        B(14) + "TENSIONES  kp/cm2  ",
        " ",
        B(8) + "INTERIOR PRIMARIO" + "        12.50" + "         -10.25" + "          14.75",
        B(8) + "EXTERIOR PRIMARIO" + "       -11.50" + "           9.75" + "         -13.25",
        B(8) + "INTERIOR REVESTIMIENTO" + "    1.50" + "          -1.25" + "           1.75",
        B(8) + "EXTERIOR REVESTIMIENTO" + "   -2.50" + "           2.25" + "          -2.75",
        B(8) + "ACERO DE POSTESADO " + "     -60.50" + "          50.25" + "         -70.75",
        // Pressure beside prestress plus ring stress: columns end at 39, 51, 65 and 77.
        " ",
        " ",
        B(24) + "T    E    N    S    I    O    N    E    S" + B(6) + "(kp/cm2)",
        " ",
        B(33) + "PRESION       OVALIZACION + POSTESADO FINAL",
        B(46) + "CLAVE       RIÑONES      SOLERA",
        B(8) + "INTERIOR PRIMARIO" + B(2) + "       20.50" + "      -82.75" + B(2) +
            "     -105.50" + "      -80.50",
        B(8) + "EXTERIOR PRIMARIO" + B(2) + "       18.25" + "      -92.00" + B(2) +
            "      -70.75" + "      -93.75",
        B(8) + "INTERIOR REVESTIMIENTO" + "     3.50" + "       -9.25" + B(2) + "      -12.00" +
            "       -9.00",
        B(8) + "EXTERIOR REVESTIMIENTO" + "     3.25" + "      -12.00" + B(2) + "       -7.25" +
            "      -12.25",
        B(8) + "ACERO DE POSTESADO " + "      110.75" + "     9546.00" + B(2) + "     9656.75" +
            "     9535.75",
        // Totals: columns end at 51, 65 and 77.
        " ",
        " ",
        B(54) + "TOTALES",
        B(46) + "CLAVE       RIÑONES      SOLERA",
        B(8) + "INTERIOR PRIMARIO" + B(14) + "      -62.25" + B(1) + "       -85.00" +
            "      -60.00",
        B(8) + "EXTERIOR PRIMARIO" + B(14) + "      -73.75" + B(1) + "       -52.50" +
            "      -75.50",
        B(8) + "INTERIOR REVESTIMIENTO" + B(9) + "       -5.75" + B(1) + "        -8.50" +
            "       -5.50",
        B(8) + "EXTERIOR REVESTIMIENTO" + B(9) + "       -8.75" + B(1) + "        -4.00" +
            "       -9.00",
        B(8) + "ACERO DE POSTESADO " + B(12) + "     9656.75" + B(1) + "      9767.50" +
            "     9646.50",
    };
    EXPECT_EQ(impresora.lineas(2), esperadas);
    EXPECT_TRUE(impresora.lineas(1).empty());

    // Headings bold, value lines not; the report leaves normal weight at 10 points.
    EXPECT_TRUE(EnNegrita(B(14) + "PERDIDAS DE  POSTESADO"));
    EXPECT_TRUE(EnNegrita(B(14) + "TENSIONES  kp/cm2  "));
    EXPECT_FALSE(EnNegrita(B(8) + "0.55*FCK0" + B(41) + "   -137.50 kp/cm2"));
    EXPECT_FALSE(impresora.negrita());
    EXPECT_EQ(impresora.tamanoFuente(), 10);
    // No force table of the screen and Pantalla listings.
    EXPECT_TRUE(salida.TextoPantalla().empty());
}

TEST_F(ListadoPostesadoTest, InformeNormalEnSI)
{
    SI();
    ListaInformeHipotesis(contexto, Caso);

    ContieneEnOrden(
        Desde(2, B(8) + "PRESION NETA"),
        {
            B(8) + "PRESION NETA PRUEBA FAB.(PP): 1.200 MPa" + B(5) + "STP: 0.600 MPa",
            B(8) + Fijo("ACORTAMIENTO ELASTICO", 44) + B(6) + "    41.250 MPa",
            B(8) + Fijo("EXTERIOR", 44) + B(6) + "   -10.560 MPa",
            // -0.55 x 250 kp/cm2 = -137.5 kp/cm2 = -13.75 MPa.
            B(8) + "0.55*FCK0" + B(41) + "   -13.750 MPa",
            B(8) + "EXTERIOR REVESTIMIENTO" + B(28) + "    -0.950 MPa",
            // Moments divided by 10 with one more decimal, axial forces times 10 with one fewer.
            B(8) + "M N.m/cm       " + "         30.000" + "        -25.000" + "         35.000",
            B(8) + "N N/cm         " + "         -200.0" + "         -250.0" + "         -180.0",
            B(14) + "TENSIONES  MPa     ",
            B(8) + "ACERO DE POSTESADO " + "     -6.050" + "          5.025" + "         -7.075",
            B(24) + "T    E    N    S    I    O    N    E    S" + B(6) + "(MPa)",
            B(8) + "INTERIOR REVESTIMIENTO" + "    0.350" + "      -0.925" + B(2) +
                "      -1.200" + "      -0.900",
            B(8) + "INTERIOR PRIMARIO" + B(14) + "      -6.225" + B(1) + "       -8.500" +
                "      -6.000",
            B(8) + "ACERO DE POSTESADO " + B(12) + "     965.675" + B(1) + "      976.750" +
                "     964.650",
        });
}

TEST_F(ListadoPostesadoTest, PaginaLameEnElListadoNormal)
{
    estado.listado.ListadoLame = true;
    ListaInformeHipotesis(contexto, Caso);

    // One page for the report and one for the Lame coefficients, whose stress tables run past
    // the bottom onto a page the printer starts by itself, without header or number.
    EXPECT_EQ(estado.listado.NumeroPagina, 5);
    EXPECT_EQ(impresora.pagina(), 4);
    // The first page ends with the ring forces; the stress tables follow the Lame block.
    EXPECT_EQ(impresora.lineas(2).back(), B(8) + "N kp/cm        " + "         -20.00" +
                                              "         -25.00" + "         -18.00");
    EXPECT_EQ(impresora.lineas(3)[2], B(49) + "Pag.:" + "    5");

    // Values with 3 decimals, unconverted, in columns 82 to 91.
    const auto V = [](const std::string &texto, int blancos, const std::string &valor) {
        return B(8) + texto + B(blancos) + valor;
    };
    // rco = 57.5 + (7.5 - 1) x 0.15 = 58.475 cm; rro = 60 + 0.975 = 60.975 cm.
    const std::vector<std::string> lame{
        B(12) + "HIPOTESIS DE CALCULO:  3.- DP + CARGAS FIJAS + MOVILES     ",
        " ",
        " ",
        B(14) + "COEFICIENTES DE EQUIVALENCIA",
        " ",
        V("Inicial entre el Hormigón del núcleo y el alambre de pretensar .. (ni)", 3,
          "     6.250"),
        V("Entre el Hormigón del núcleo y el alambre de pretensar .......... (n) ", 3,
          "     5.500"),
        V("Entre el Hormigón del revestimiento y el alambre de pretensar ... (n1)", 3,
          "     6.750"),
        V("Entre el Hormigon del núcleo y el del revestimiento ............. (n2)", 3,
          "     0.875"),
        " ",
        " ",
        B(14) + "COEFICIENTES DE LAME",
        " ",
        V("Del núcleo ...................................................... (A) ", 3,
          "     4.500"),
        V("Del núcleo ...................................................... (B) ", 3,
          "     5.500"),
        V("Del núcleo ...................................................... (C) ", 3,
          "     6.500"),
        V("Del revestimiento ............................................... (Ar)", 3,
          "    10.250"),
        V("Del revestimiento ............................................... (Br)", 3,
          "    11.250"),
        B(8) + "Obtenido a partir de la sección de alambre de pretensado",
        V("transversal ..................................................... (Cr)", 3,
          "  1250.125"),
        B(8) + "Obtenido a partir de los coeficientes de LAME del núcleo y del",
        V("revestimiento ................................................... (k) ", 3,
          "     0.500"),
        B(8) + "Obtenido a partir de los coeficientes de LAME y de la sección de",
        V("armadura de pretensado transversal .............................. (D) ", 3,
          "  9876.500"),
        " ",
        " ",
        B(14) + "CARACTERISTICAS GEOMETRICAS",
        " ",
        V("Espesor homogeneizado del tubo revestido ........................ (sro)", 2,
          "     9.125"),
        V("Distancia de la fibra neutra a la cara interior del tubo ........ (yi) ", 2,
          "     4.250"),
        V("Distancia de la fibra neutra a la cara exterior del núcleo ...... (ye) ", 2,
          "     3.250"),
        V("Distancia de la fibra neutra a la cara exterior del revestimiento (yr) ", 2,
          "     5.750"),
        V("Momento de inercia de la sección homogeneizada del tubo ......... (Io) ", 2,
          "    45.500"),
        V("Radio exterior del núcleo, homogeneizado con la camisa de chapa . (rco)", 2,
          "    58.475"),
        B(8) + "Radio exterior del núcleo, homogeneizado con la camisa de chapa,",
        V("incluida el revestimiento ....................................... (rro)", 2,
          "    60.975"),
        " ",
        B(14) + "TENSIONES  kp/cm2  ",
    };
    const std::vector<std::string> pagina = Desde(3, B(12) + "HIPOTESIS DE CALCULO");
    ASSERT_GE(pagina.size(), lame.size());
    EXPECT_EQ(std::vector<std::string>(pagina.begin(),
                                       pagina.begin() + static_cast<std::ptrdiff_t>(lame.size())),
              lame);
    for (const std::string &linea : lame) {
        if (linea.ends_with("0") || linea.ends_with("5")) {
            EXPECT_EQ(CuentaCaracteresUtf8(linea), 91U) << linea;
        }
    }
    EXPECT_TRUE(EnNegrita(B(14) + "COEFICIENTES DE LAME"));
    EXPECT_EQ(impresora.lineas().back(), B(8) + "ACERO DE POSTESADO " + B(12) + "     9656.75" +
                                             B(1) + "      9767.50" + "     9646.50");
}

TEST_F(ListadoPostesadoTest, SinCamisaLosRadiosHomogeneizadosSonLosDelTubo)
{
    estado.listado.ListadoLame = true;
    estado.postesado.datos.RelacionModulosCamisa = 1;
    ListaInformeHipotesis(contexto, Caso);
    ContieneEnOrden(
        impresora.lineas(3),
        {B(8) + "Radio exterior del núcleo, homogeneizado con la camisa de chapa . (rco)" + B(2) +
             "    57.500",
         B(8) + "incluida el revestimiento ....................................... (rro)" + B(2) +
             "    60.000"});
}

// ---------------------------------------------------------------------------------------------
// Report of a hypothesis on the screen and the Pantalla listing: its force table alone

TEST_F(ListadoPostesadoTest, InformeEnPantallaEsLaTablaDeEsfuerzos)
{
    struct Fila {
        const char *sistema;
        std::string unidades;
        std::string valores;
    };
    const std::vector<Fila> filas{
        {"MKS", " (kp.cm/cm)(kp/cm) (kp.cm/cm)(kp/cm) (kp.cm/cm)(kp/cm) ",
         B(1) + "  300.00" + B(1) + "  -20.00" + B(1) + " -250.00" + B(1) + "  -25.00" + B(1) +
             "  350.00" + B(1) + "  -18.00"},
        {"SI", "  (N.m/cm)  (N/cm)  (N.m/cm)  (N/cm)  (N.m/cm)  (N/cm) ",
         B(1) + "  30.000" + B(1) + "  -200.0" + B(1) + " -25.000" + B(1) + "  -250.0" + B(1) +
             "  35.000" + B(1) + "  -180.0"},
    };
    for (const Fila &fila : filas) {
        SCOPED_TRACE(fila.sistema);
        estado.ejecucion.SistemaUnidades = fila.sistema;
        salida.VaciaPantalla();
        EnPantalla();
        // Lame asked for: still no Lame block off the Normal printed listing.
        estado.listado.ListadoLame = true;
        ListaInformeHipotesis(contexto, Caso);

        EXPECT_EQ(salida.TextoPantalla(),
                  "\n   HIPOTESIS : DP + CARGAS FIJAS + MOVILES     \n"
                  "         CLAVE            RIÑONES           SOLERA     \n"
                  "      M        N        M        N        M        N   \n" +
                      fila.unidades + "\n" + B(1) + Guiones(17) + B(1) + Guiones(17) + B(1) +
                      Guiones(17) + "\n" + fila.valores + "\n");
        EXPECT_TRUE(impresora.operaciones().empty());
        EXPECT_EQ(estado.listado.NumeroPagina, 3);
    }
}

TEST_F(ListadoPostesadoTest, InformePantallaImpresoSoloCabeceraEnLaHipotesis1)
{
    Imprimiendo(ClaseListado::Pantalla);
    estado.listado.ListadoLame = true;
    estado.postesado.NumeroHipotesis = 1;
    ListaInformeHipotesis(contexto, Caso);
    estado.postesado.NumeroHipotesis = 2;
    estado.postesado.MomentoHipotesis = {0, -1234.5, 0, 0.25};
    ListaInformeHipotesis(contexto, Caso);

    // The names fill columns 12 to 37, the numbers end at 47, 57, ... 97.
    const std::vector<std::string> esperadas{
        B(47) + "CLAVE              RIÑONES              SOLERA",
        B(44) + "M         N         M         N         M         N",
        B(16) +
            "TUBO                   (kp.cm/cm) (kp/cm)  (kp.cm/cm) (kp/cm)  (kp.cm/cm) (kp/cm)",
        B(11) + Guiones(26) + B(2) + Guiones(18) + B(2) + Guiones(18) + B(2) + Guiones(18),
        B(11) + "DP + CARGAS FIJAS         " + "    300.00" + "    -20.00" + "   -250.00" +
            "    -25.00" + "    350.00" + "    -18.00",
        B(11) + "(MDP+0.1 MPa) + CARGAS FIJ" + "  -1234.50" + "    -20.00" + "      0.00" +
            "    -25.00" + "      0.25" + "    -18.00",
    };
    EXPECT_EQ(impresora.lineas(), esperadas);
    EXPECT_EQ(CuentaCaracteresUtf8(esperadas[4]), 97U);
    EXPECT_FALSE(HayNuevaPagina());
    EXPECT_EQ(estado.listado.NumeroPagina, 3);
    EXPECT_EQ(estado.listado.LineasImpresas, 0);
    EXPECT_TRUE(salida.TextoPantalla().empty());
}

TEST_F(ListadoPostesadoTest, InformePantallaImpresoEnSI)
{
    SI();
    Imprimiendo(ClaseListado::Pantalla);
    estado.postesado.NumeroHipotesis = 1;
    ListaEsfuerzosHipotesis(contexto);
    const std::vector<std::string> lineas = impresora.lineas();
    ASSERT_EQ(lineas.size(), 5U);
    EXPECT_EQ(lineas[2], B(16) + "TUBO                    (N.m/cm)   (N/cm)   (N.m/cm)   (N/cm)  "
                                 " (N.m/cm)   (N/cm)");
    EXPECT_EQ(lineas[4], B(11) + "DP + CARGAS FIJAS         " + "    30.000" + "    -200.0" +
                             "   -25.000" + "    -250.0" + "    35.000" + "    -180.0");
}

TEST_F(ListadoPostesadoTest, InformeTabularNoEscribeNada)
{
    Imprimiendo(ClaseListado::Tabular);
    ListaInformeHipotesis(contexto, Caso);
    ListaEsfuerzosHipotesis(contexto);
    ListaResumenPostesado(contexto);
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_TRUE(salida.TextoPantalla().empty());
    EXPECT_EQ(estado.listado.NumeroPagina, 3);
}

// ---------------------------------------------------------------------------------------------
// Summary of a case

TEST_F(ListadoPostesadoTest, ResumenEnPantalla)
{
    struct Fila {
        const char *sistema;
        std::string presion;
    };
    for (const Fila &fila : {Fila{"MKS", "  12.00 kp/cm2"}, Fila{"SI", "  1.200 MPa"}}) {
        SCOPED_TRACE(fila.sistema);
        estado.ejecucion.SistemaUnidades = fila.sistema;
        salida.VaciaPantalla();
        EnPantalla();
        ListaResumenPostesado(contexto);
        // The texts' own trailing blanks separate the first two numbers; a blank line before PP.
        EXPECT_EQ(salida.TextoPantalla(),
                  B(14) + "DIAMETRO DEL ALAMBRE          " + "  5.0" + "  mm\n" + B(14) +
                      "NUMERO DE ESPIRAS POR METRO " + "   21" + "\n\n" + B(14) +
                      "PRESION NETA PRUEBA FAB.(PP):" + B(5) + fila.presion + "\n");
        EXPECT_TRUE(impresora.operaciones().empty());
    }
}

TEST_F(ListadoPostesadoTest, ResumenPantallaImpreso)
{
    Imprimiendo(ClaseListado::Pantalla);
    estado.listado.LineasImpresas = 60;
    ListaResumenPostesado(contexto);
    EXPECT_EQ(impresora.lineas(),
              (std::vector<std::string>{
                  " ",
                  B(14) + "DIAMETRO DEL ALAMBRE          " + B(5) + "  5.0" + "  mm",
                  B(14) + "NUMERO DE ESPIRAS POR METRO " + B(5) + "   21",
                  B(14) + "PRESION NETA PRUEBA FAB.(PP):" + B(10) + "  12.00 kp/cm2",
              }));
    EXPECT_EQ(estado.listado.LineasImpresas, 66);

    // Six more lines would pass the 72 of the page: new page with the case header first.
    impresora.olvida();
    estado.listado.LineasImpresas = 67;
    ListaResumenPostesado(contexto);
    EXPECT_TRUE(HayNuevaPagina());
    EXPECT_EQ(estado.listado.LineasImpresas, 6);
    EXPECT_EQ(impresora.lineas().back(),
              B(14) + "PRESION NETA PRUEBA FAB.(PP):" + B(10) + "  12.00 kp/cm2");
}

// ---------------------------------------------------------------------------------------------
// Tabular listing

class TabularPostesadoTest : public ListadoPostesadoTest {
protected:
    TabularPostesadoTest()
    {
        Imprimiendo(ClaseListado::Tabular);
        estado.listado.NumeroPagina = 1;
        estado.listado.LineasRestantes = 33; // after the run's block
        estado.caso.PrimerCaso = true;
    }

    static std::string Fila(const std::string &altura, const std::string &DP,
                            const std::string &PP, const std::string &fallo = "")
    {
        // Height 33-38, DP 42-47, wire 53-57, turns 62-66, PP 75-80, failure from 85.
        return B(32) + altura + B(3) + DP + B(5) + "  5.0" + B(4) + "   21" + B(8) + PP + B(4) +
               fallo;
    }

    std::vector<std::string> CabeceraTabla(const std::string &unidades) const
    {
        return {
            B(31) + " Altura             Diámetro  Espiras/  Presión prueba ",
            B(31) + " relleno  Presión   Alambre    metro      Fabrica(PP)  ",
            B(31) + unidades,
            B(31) + std::string(55, '*'),
        };
    }
};

TEST_F(TabularPostesadoTest, CabeceraDeMaterialesYFilasEnMKSyEnSI)
{
    struct Sistema {
        const char *sistema;
        std::string unidadesMateriales;
        std::string materiales;
        std::string unidadesTabla;
        std::string DP1, DP2, PP;
    };
    const std::vector<Sistema> casos{
        {"MKS",
         B(1) +
             "(kp/cm2)   (kp/cm2)  (kp/cm2)  (kp/cm2)     (kp/cm2)    (kp/cm2)    (kp/cm2)  (mm)" +
             B(13),
         // Fckno, Fckn, Fckr, Fctk of the coating, Es (not Ep), SFck, Sf, cylinder in mm.
         B(9) + "       250" + B(1) + "       500" + "       350" + B(1) + "     22.50" + B(3) +
             "   2100000" + B(1) + "     17000" + B(2) + "     11900" + "     1.50" + B(2) +
             "Embebida  ",
         "   (m)     (at)      (mm)                   (at)", " 4.000", " 5.000", "12.000"},
        {"SI",
         B(3) +
             "(MPa)      (MPa)     (MPa)     (MPa)        (MPa)      (MPa)       (MPa)    (mm)" +
             B(13),
         B(9) + "      25.0" + B(1) + "      50.0" + "      35.0" + B(1) + "     2.250" + B(3) +
             "  210000.0" + B(1) + "    1700.0" + B(2) + "    1190.0" + "     1.50" + B(2) +
             "Embebida  ",
         "   (m)     (MPa)     (mm)                   (MPa)", "0.4000", "0.5000", "1.2000"},
    };
    for (const Sistema &c : casos) {
        SCOPED_TRACE(c.sistema);
        estado.ejecucion.SistemaUnidades = c.sistema;
        impresora.olvida();
        estado.caso.PrimerCaso = true;
        estado.caso.DP = 4;
        estado.listado.LineasRestantes = 33;
        estado.listado.UltimaAlturaListada = 0;

        ListaFilaTabularPostesado(contexto, Caso);
        estado.caso.DP = 5; // a second pressure at the same height
        ListaFilaTabularPostesado(contexto, Caso + 1);

        std::vector<std::string> esperadas{
            B(12) + " Fck Prim.  Fck Prim.   Fck       Fct     Módulo Elast. Tensión Rot. "
                    "Tensión  Espesor Tipo de   ",
            B(12) + "Al zunchar    Final   Revestim. Revestim. Acero camisa  Acero Post.  "
                    "Tesado   Camisa  Camisa    ",
            B(12) + c.unidadesMateriales,
            B(12) + Guiones(96),
            c.materiales,
            " ",
        };
        for (const std::string &linea : CabeceraTabla(c.unidadesTabla)) {
            esperadas.push_back(linea);
        }
        esperadas.push_back(Fila("  2.50", c.DP1, c.PP));
        esperadas.push_back(Fila(B(6), c.DP2, c.PP));
        EXPECT_EQ(impresora.lineas(), esperadas);
        EXPECT_EQ(CuentaCaracteresUtf8(esperadas[2]), 12U + 96U);

        // Headings and the table heading in bold, the materials line and the rows not.
        EXPECT_TRUE(EnNegrita(esperadas[0]));
        EXPECT_TRUE(EnNegrita(esperadas[3]));
        EXPECT_FALSE(EnNegrita(esperadas[4]));
        EXPECT_TRUE(EnNegrita(esperadas[6]));
        EXPECT_FALSE(EnNegrita(esperadas[10]));
        EXPECT_FALSE(impresora.negrita());

        EXPECT_FALSE(estado.caso.PrimerCaso);
        // 33 - 6 (materials) - 4 (table heading) - 2 rows.
        EXPECT_EQ(estado.listado.LineasRestantes, 21);
        EXPECT_EQ(estado.listado.UltimaAlturaListada, 2.5);
    }
}

TEST_F(TabularPostesadoTest, FilaDeUnCasoFallidoLlevaSuMensaje)
{
    estado.caso.PrimerCaso = false;
    estado.caso.PP = 0;
    estado.resultados.MensajeFallo = "ESPESOR DE TUBO INSUFICIENTE";
    ListaFilaTabularPostesado(contexto, Caso);

    const std::vector<std::string> lineas = impresora.lineas();
    ASSERT_EQ(lineas.size(), 1U);
    EXPECT_EQ(lineas[0], Fila("  2.50", " 4.000", " 0.000", "ESPESOR DE TUBO INSUFICIENTE"));
    EXPECT_EQ(lineas[0].find("ESPESOR"), 84U); // column 85
}

TEST_F(TabularPostesadoTest, LaPrimeraFilaDeUnaPaginaNuevaMuestraSuAltura)
{
    estado.caso.PrimerCaso = false;
    estado.listado.LineasRestantes = 2;
    estado.listado.UltimaAlturaListada = 0;
    ListaFilaTabularPostesado(contexto, Caso);
    estado.caso.DP = 5;
    ListaFilaTabularPostesado(contexto, Caso);

    EXPECT_EQ(estado.listado.NumeroPagina, 2);
    EXPECT_EQ(impresora.lineas(1), (std::vector<std::string>{Fila("  2.50", " 4.000", "12.000")}));
    std::vector<std::string> pagina2{" ", " ", " ", " ", B(100) + "Pag.:" + "    2", " "};
    for (const std::string &linea :
         CabeceraTabla("   (m)     (at)      (mm)                   (at)")) {
        pagina2.push_back(linea);
    }
    // Same height as the last row of the previous page, shown again under the new heading.
    pagina2.push_back(Fila("  2.50", " 5.000", "12.000"));
    EXPECT_EQ(impresora.lineas(2), pagina2);
    // 50 - 6 (page line) - 4 (table heading); the row that opened the page is not counted.
    EXPECT_EQ(estado.listado.LineasRestantes, 40);

    // The next row of the same height, on the same page, leaves it blank again.
    ListaFilaTabularPostesado(contexto, Caso);
    EXPECT_EQ(impresora.lineas(2).back(), Fila(B(6), " 5.000", "12.000"));
}

TEST_F(TabularPostesadoTest, UnTramoNuevoEmpiezaMostrandoSuAltura)
{
    // The previous run's last row was at this same height.
    estado.listado.UltimaAlturaListada = 2.5;
    ListaFilaTabularPostesado(contexto, Caso);
    EXPECT_EQ(impresora.lineas().back(), Fila("  2.50", " 4.000", "12.000"));
}

TEST_F(TabularPostesadoTest, FueraDelListadoTabularSoloBajaPrimerCaso)
{
    for (const ClaseListado clase : {ClaseListado::Normal, ClaseListado::Pantalla}) {
        Imprimiendo(clase);
        estado.caso.PrimerCaso = true;
        ListaFilaTabularPostesado(contexto, Caso);
        EXPECT_FALSE(estado.caso.PrimerCaso);
    }
    EnPantalla();
    ListaFilaTabularPostesado(contexto, Caso);
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_TRUE(salida.TextoPantalla().empty());
    EXPECT_EQ(estado.listado.LineasRestantes, 33);
}

// ---------------------------------------------------------------------------------------------
// Characteristics page of a run

class CaracteristicasTest : public ListadoPostesadoTest {
protected:
    CaracteristicasTest()
    {
        estado.listado.NumeroPagina = 2;
        // What the case loop left from the previous run: not this run's radii.
        estado.calculo.RadioInterior = 40;
        estado.calculo.RadioCamisa = 41;
        estado.calculo.RadioNucleo = 47;
        estado.calculo.RadioExterior = 50;
    }

    static std::string L(const std::string &texto, const std::string &valor)
    {
        return B(8) + Fijo(texto, 45) + B(5) + valor;
    }
    static inline const std::string mm = " mm     ";
};

TEST_F(CaracteristicasTest, PaginaDeCaracteristicasEnMKS)
{
    ListaCaracteristicasPostesado(contexto);

    EXPECT_EQ(estado.listado.NumeroPagina, 3);
    EXPECT_EQ(impresora.pagina(), 2);
    // Page 3 of a post-tensioned run: the short header shows the run's description.
    const std::vector<std::string> esperadas{
        " ",
        " ",
        B(49) + "Pag.:" + "    3",
        " ",
        " ",
        B(8) + Fijo("Tramo postesado", 40),
        " ",
        " ",
        " ",
        " ",
        B(14) + "CARACTERISTICAS DE POSTESADO",
        " ",
        // Inner diameter 1.0 m, outer 1.2 m, covers 2 and 2.5 cm: radii 50, 51, 57.5, 60 cm.
        L("RADIO INTERIOR", "     500.0" + mm),
        L("ESPESOR DEL PRIMARIO", "      75.0" + mm),
        L("RECUBRIMIENTO INTERIOR DE LA CAMISA", "      20.0" + mm),
        L("ESPESOR DE LA CAMISA", "      1.50" + mm),
        L("MODULO DE ELASTICIDAD ACERO CAMISA", "   2100000 kp/cm2"),
        L("ESPESOR DEL REVESTIMIENTO", "      25.0" + mm),
        L("FCK PRIMARIO AL ZUNCHAR", "       250 kp/cm2"),
        L("FCK PRIMARIO FINAL", "       500 kp/cm2"),
        // 0.452 x 500^(2/3) = 28.47 (the square-root rule would give 28.62, shown 29).
        L("FCT,K PRIMARIO FINAL", "        28 kp/cm2"),
        L("FCK REVESTIMIENTO", "       350 kp/cm2"),
        // 0.452 x 350^(2/3) = 22.448.
        L("FCT,K REVESTIMIENTO", "     22.45 kp/cm2"),
        L("COEFICIENTE DE FLUENCIA PRIMARIO", "      2.00"),
        L("COEFICIENTE DE FLUENCIA REVESTIMIENTO", "      2.50"),
        L("COEFICIENTE RETRACCION PRIMARIO", "   0.00020"),
        L("COEFICIENTE RETRACCION REVESTIMIENTO", "   0.00030"),
        L("TENSION DE ROTURA DEL ACERO DE POSTESAR", "     17000 kp/cm2"),
        L("MODULO DE ELASTICIDAD ACERO DE POSTESAR", "   2000000 kp/cm2"),
        L("RELAJACION FINAL", "      5.00 %"),
        L("TENSION DE TESADO", "  11900.00 kp/cm2"),
    };
    EXPECT_EQ(impresora.lineas(2), esperadas);
    EXPECT_TRUE(EnNegrita(B(14) + "CARACTERISTICAS DE POSTESADO"));
    EXPECT_FALSE(impresora.negrita());
    EXPECT_EQ(impresora.tamanoFuente(), 10);
}

TEST_F(CaracteristicasTest, PaginaDeCaracteristicasEnSI)
{
    SI();
    estado.tramo.Fckn = 510; // 1.28 x 510^(1/2) = 28.906 kp/cm2 = 2.89 MPa
    ListaCaracteristicasPostesado(contexto);
    ContieneEnOrden(impresora.lineas(2),
                    {
                        L("RADIO INTERIOR", "     500.0" + mm),
                        L("ESPESOR DE LA CAMISA", "      1.50" + mm),
                        L("MODULO DE ELASTICIDAD ACERO CAMISA", "  210000.0 MPa"),
                        L("FCK PRIMARIO AL ZUNCHAR", "      25.0 MPa"),
                        L("FCK PRIMARIO FINAL", "      51.0 MPa"),
                        L("FCT,K PRIMARIO FINAL", "       2.9 MPa"),
                        L("FCT,K REVESTIMIENTO", "     2.245 MPa"),
                        L("COEFICIENTE RETRACCION PRIMARIO", "   0.00020"),
                        L("MODULO DE ELASTICIDAD ACERO DE POSTESAR", "  200000.0 MPa"),
                        L("RELAJACION FINAL", "      5.00 %"),
                        L("TENSION DE TESADO", "  1190.000 MPa"),
                    });
}

TEST_F(CaracteristicasTest, SinCamisaSonDieciseisLineas)
{
    estado.tramo.TipoPostesado = 2;
    ListaCaracteristicasPostesado(contexto);
    const std::vector<std::string> lineas = Desde(2, B(8) + "RADIO INTERIOR");
    ASSERT_EQ(lineas.size(), 16U);
    EXPECT_EQ(lineas[1], L("ESPESOR DEL PRIMARIO", "      75.0" + mm));
    EXPECT_EQ(lineas[2], L("ESPESOR DEL REVESTIMIENTO", "      25.0" + mm));
}

TEST_F(CaracteristicasTest, SoloEnElListadoNormalImpreso)
{
    for (const ClaseListado clase : {ClaseListado::Tabular, ClaseListado::Pantalla}) {
        Imprimiendo(clase);
        ListaCaracteristicasPostesado(contexto);
    }
    EnPantalla();
    ListaCaracteristicasPostesado(contexto);
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_TRUE(salida.TextoPantalla().empty());
    EXPECT_EQ(estado.listado.NumeroPagina, 2);
}

// ---------------------------------------------------------------------------------------------
// A value that is not a number never reaches the paper as one

TEST_F(ListadoPostesadoTest, NingunListadoEscribeNaN)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    estado.listado.ListadoLame = true;
    estado.postesado.seccion.PerdidaRelajacion = nan;
    estado.postesado.seccion.k = std::numeric_limits<double>::infinity();
    estado.postesado.aceptada.TensionTotalAcero[2] = nan;
    estado.postesado.MomentoHipotesis[1] = nan;
    estado.tramo.Fckn = -1; // a strength no validated run has: its tensile strength is no number
    ListaInformeHipotesis(contexto, Caso);
    ListaCaracteristicasPostesado(contexto);
    EnPantalla();
    ListaInformeHipotesis(contexto, Caso);

    std::string todo = salida.TextoPantalla();
    for (const std::string &linea : impresora.lineas()) {
        todo += linea + "\n";
    }
    for (const char *palabra : {"nan", "NAN", "NaN", "inf", "INF"}) {
        EXPECT_EQ(todo.find(palabra), std::string::npos) << palabra;
    }
    EXPECT_NE(todo.find(B(8) + Fijo("RELAJACION", 44) + B(6) + "********** kp/cm2"),
              std::string::npos);
}

} // namespace
} // namespace dravek
