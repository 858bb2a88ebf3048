// The six hydraulic listings, on the screen and on the recording printer, line by line.
//
// The results are set by hand to values with few decimals, so that each field can be typed out
// here: velocities 0.5 + 0.1 i, flows 0.25 i, head losses i m/km, part-full 0.05 m/s more,
// half the flow and half the head loss; Reynolds numbers 100000 i except around the regime
// limits (rows 2 to 5). The user's separator is a comma. Blanks are counted with B(n).

#include "core/hydraulics/ListadosHidraulicos.h"

#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/TextoPrueba.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::B;
using pruebas::Lineas;
using pruebas::R;
using pruebas::TipoOperacion;

// Column texts of the fifteen rows.
const std::array<std::string, 16> Dm = {"",      "  600", "  700", "  800", "  900", " 1000",
                                        " 1100", " 1200", " 1300", " 1400", " 1500", " 1600",
                                        " 1700", " 1800", " 1900", " 2000"};
const std::array<std::string, 16> Vl = {"",      " 0,60", " 0,70", " 0,80", " 0,90", " 1,00",
                                        " 1,10", " 1,20", " 1,30", " 1,40", " 1,50", " 1,60",
                                        " 1,70", " 1,80", " 1,90", " 2,00"};
const std::array<std::string, 16> Vp = {"",      " 0,65", " 0,75", " 0,85", " 0,95", " 1,05",
                                        " 1,15", " 1,25", " 1,35", " 1,45", " 1,55", " 1,65",
                                        " 1,75", " 1,85", " 1,95", " 2,05"};
const std::array<std::string, 16> Ql = {"",       " 0,250", " 0,500", " 0,750", " 1,000", " 1,250",
                                        " 1,500", " 1,750", " 2,000", " 2,250", " 2,500", " 2,750",
                                        " 3,000", " 3,250", " 3,500", " 3,750"};
const std::array<std::string, 16> Qp = {"",       " 0,125", " 0,250", " 0,375", " 0,500", " 0,625",
                                        " 0,750", " 0,875", " 1,000", " 1,125", " 1,250", " 1,375",
                                        " 1,500", " 1,625", " 1,750", " 1,875"};
const std::array<std::string, 16> Jl = {"",          "    1,000", "    2,000", "    3,000",
                                        "    4,000", "    5,000", "    6,000", "    7,000",
                                        "    8,000", "    9,000", "   10,000", "   11,000",
                                        "   12,000", "   13,000", "   14,000", "   15,000"};
const std::array<std::string, 16> Jp = {"",          "    0,500", "    1,000", "    1,500",
                                        "    2,000", "    2,500", "    3,000", "    3,500",
                                        "    4,000", "    4,500", "    5,000", "    5,500",
                                        "    6,000", "    6,500", "    7,000", "    7,500"};
const std::array<std::string, 16> Re = {
    "",       "100000", "2400",    "2400",    "4000",    "4000",    "600000",  "700000",
    "800000", "900000", "1000000", "1100000", "1200000", "1300000", "1400000", "1500000"};
// Rows 2 (2400.4) and 5 (4000) are critical; 2400 itself and 4000.2 are not.
bool Critica(int i)
{
    return i == 2 || i == 5;
}

const std::string Visc = "0,000001310";
const std::string Rayas3 = "========    =========    ======";
const std::string RayasP = "========    =========    =========";
// The units under the heads, each ending where its column's figures end.
const std::string UnidadesQ = B(4) + "(mm)" + B(8) + "(m/s)" + B(4) + "(m3/s)";
const std::string UnidadesJ = B(4) + "(mm)" + B(8) + "(m/s)" + B(7) + "(m/km)";

class ListadosHidraulicosTest : public ::testing::Test {
protected:
    ListadosHidraulicosTest()
    {
        estado.ejecucion.DesplazamientoIdioma = 0;
        estado.ejecucion.SeparadorDecimalLocal = ",";
        CargaDiametros(d);
        for (int i = 1; i <= NumeroDiametros; ++i) {
            d.Velocidad[i] = 0.5 + 0.1 * i;
            d.VelocidadParcial[i] = 0.55 + 0.1 * i;
            d.Caudal[i] = 0.25 * i;
            d.CaudalParcial[i] = 0.125 * i;
            d.Pendiente[i] = 0.001 * i;
            d.PendienteParcial[i] = 0.0005 * i;
            d.Reynolds[i] = 100000.0 * i;
        }
        d.Reynolds[2] = 2400.4;
        d.Reynolds[3] = 2400;
        d.Reynolds[4] = 4000.2;
        d.Reynolds[5] = 4000;
        pantalla = "listado anterior";
    }

    std::vector<std::string> LineasPantalla() const { return Lineas(pantalla); }

    // The four blank lines and the bold title that open every printed listing.
    static std::vector<std::string> Apertura(const std::string &titulo)
    {
        return {" ", " ", " ", " ", B(20) + titulo};
    }

    // Only the title lines are bold, and every line is Courier New 10 on a portrait page.
    void CompruebaFormato(const std::vector<std::string> &titulos) const
    {
        std::vector<std::string> negritas;
        for (const pruebas::OperacionImpresora &o : impresora.operaciones()) {
            if (o.tipo == TipoOperacion::Linea) {
                EXPECT_EQ(o.valores[0], 10.0) << o.texto;
                if (o.valores[1] == 1.0) {
                    negritas.push_back(o.texto);
                }
            }
        }
        EXPECT_EQ(negritas, titulos);
        const std::vector<std::string> ops = impresora.descripciones();
        ASSERT_GE(ops.size(), 3U);
        EXPECT_EQ(ops[0], "Orientacion 1");
        EXPECT_EQ(impresora.nombreFuente(), "Courier New");
        EXPECT_EQ(ops.back(), "FinDocumento");
        EXPECT_TRUE(estado.listado.Imprimiendo);
    }

    EstadoObra estado;
    pruebas::RelojFijo reloj;
    pruebas::ImpresoraGrabadora impresora;
    SalidaListado listado{reloj, impresora};
    std::string pantalla;
    SalidaHidraulica salida{estado, listado, pantalla};
    DatosHidraulicos d;
};

TEST_F(ListadosHidraulicosTest, Sub3500EnPantallaYPapel)
{
    EXPECT_EQ(Sub3500(salida, d, 0.001, 0.05, true), SinErrorImpresora);

    std::vector<std::string> p = {
        "Fórmula de DARCY - WEISSBACH",
        "Viscosidad cinematica = " + Visc + " m2/sg",
        "Rugosidad absoluta Ks =  0,05000 mm.",
        "PENDIENTE             = 0,001000 m/m",
        "",
        "CALCULO A SECCION LLENA",
        "",
        "DIAMETRO    VELOCIDAD    CAUDAL    NUM. REYNOLDS",
        UnidadesQ,
        Rayas3 + B(4) + "=============",
        // The first two rows as they read: each figure ends under the end of its heading; the
        // critical row's Reynolds number ends one column short of the others'.
        "     600         0,60     0,250           100000",
        "     700    REGIMEN CRITICO                2400",
    };
    for (int i = 3; i <= 15; ++i) {
        p.push_back(Critica(i) ? B(3) + Dm[i] + B(4) + "REGIMEN CRITICO" + B(8) + R(Re[i], 12)
                               : B(3) + Dm[i] + B(8) + Vl[i] + B(4) + Ql[i] + B(5) + R(Re[i], 12));
    }
    p.push_back("");
    EXPECT_EQ(LineasPantalla(), p);

    std::vector<std::string> papel = Apertura("Fórmula de DARCY - WEISSBACH");
    pruebas::Anade(
        papel,
        {
            B(20) + "Viscosidad cinematica = " + Visc + " m2/sg",
            B(20) + "Rugosidad equivalente en arena Ka =  0,05000 mm.",
            " ",
            B(20) + "CALCULO A SECCION LLENA",
            " ",
            " ",
            B(15) + "PENDIENTE 0,001000 m/m",
            " ",
            " ",
            B(15) + "DIAMETRO" + B(7) + "VELOCIDAD" + B(5) + "CAUDAL" + B(8) + "NUM. REYNOLDS",
            B(19) + "(mm)" + B(11) + "(m/s)" + B(5) + "(m3/s)",
            B(15) + "========" + B(7) + "=========" + B(5) + "======" + B(8) + "=============",
            " ",
            // On paper too the first two rows as they read: the critical row starts three columns
            // left of the others and its Reynolds number, with one decimal, runs past its heading.
            "                    600            0,60      0,250               100000",
            " ",
            "                 700       REGIMEN CRITICO                                  2400,4",
            " ",
        });
    const std::array<std::string, 16> rePapel = {"", "", "2400,4", "", "", "4000,0"};
    for (int i = 3; i <= 15; ++i) {
        papel.push_back(Critica(i)
                            ? B(15) + Dm[i] + B(7) + "REGIMEN CRITICO" + B(28) + R(rePapel[i], 12)
                            : B(18) + Dm[i] + B(11) + Vl[i] + B(5) + Ql[i] + B(9) + R(Re[i], 12));
        papel.push_back(" ");
    }
    EXPECT_EQ(impresora.lineas(1), papel);
    EXPECT_TRUE(impresora.lineas(2).empty());
    CompruebaFormato({B(20) + "Fórmula de DARCY - WEISSBACH"});
}

TEST_F(ListadosHidraulicosTest, Sub3500_PEnPantallaYPapel)
{
    EXPECT_EQ(Sub3500_P(salida, d, 0.0004, 0.05, true), SinErrorImpresora);

    std::vector<std::string> p = {
        "Fórmula de DARCY - WEISSBACH",
        "Viscosidad cinematica = " + Visc + " m2/sg",
        "Rugosidad absoluta Ks =  0,05000 mm.",
        "CAUDAL                = 0,000400 m3/sg.",
        "",
        "CALCULO A SECCION LLENA",
        "",
        "DIAMETRO    VELOCIDAD    PENDIENTE    NUM. REYNOLDS",
        UnidadesJ,
        RayasP + B(4) + "=============",
    };
    for (int i = 1; i <= 15; ++i) {
        p.push_back(Critica(i) ? B(3) + Dm[i] + B(4) + "REGIMEN CRITICO" + B(11) + R(Re[i], 12)
                               : B(3) + Dm[i] + B(8) + Vl[i] + B(4) + Jl[i] + B(5) + R(Re[i], 12));
    }
    p.push_back("");
    EXPECT_EQ(LineasPantalla(), p);

    std::vector<std::string> papel = Apertura("Fórmula de DARCY - WEISSBACH");
    pruebas::Anade(
        papel,
        {
            B(20) + "Viscosidad cinematica = " + Visc + " m2/sg",
            B(20) + "Rugosidad equivalente en arena Ka =  0,05000 mm.",
            " ",
            B(20) + "CALCULO A SECCION LLENA",
            " ",
            " ",
            B(15) + "CAUDAL 0,000400 m3/sg.",
            " ",
            " ",
            B(15) + "DIAMETRO" + B(7) + "VELOCIDAD" + B(6) + "PENDIENTE" + B(6) + "NUM. REYNOLDS",
            B(19) + "(mm)" + B(11) + "(m/s)" + B(8) + "(m/km)",
            B(15) + "========" + B(7) + "=========" + B(6) + "=========" + B(6) + "=============",
            " ",
        });
    const std::array<std::string, 16> rePapel = {"", "", "2400,4", "", "", "4000,0"};
    for (int i = 1; i <= 15; ++i) {
        papel.push_back(Critica(i)
                            ? B(15) + Dm[i] + B(7) + "REGIMEN CRITICO" + B(28) + R(rePapel[i], 12)
                            : B(18) + Dm[i] + B(11) + Vl[i] + B(5) + Jl[i] + " m/km." + B(1) +
                                  R(Re[i], 12));
        papel.push_back(" ");
    }
    EXPECT_EQ(impresora.lineas(1), papel);
    EXPECT_TRUE(impresora.lineas(2).empty());
    CompruebaFormato({B(20) + "Fórmula de DARCY - WEISSBACH"});
}

TEST_F(ListadosHidraulicosTest, Sub3000_PEnPantallaYPapel)
{
    // The printed flow keeps six decimals: 0.0004 m3/s is not printed as 0.000.
    EXPECT_EQ(Sub3000_P(salida, d, 0.0004, 0.06, true), SinErrorImpresora);

    std::vector<std::string> p = {
        "Fórmula de PRANDTL-COLEBROOK",
        "Viscosidad cinematica = " + Visc + " m2/sg",
        "Rugosidad absoluta Ks =  0,06000 mm.",
        "CAUDAL                = 0,000400 m3/sg.",
        "",
        "CALCULO A SECCION LLENA",
        "",
        "DIAMETRO    VELOCIDAD    PENDIENTE",
        UnidadesJ,
        RayasP,
    };
    for (int i = 1; i <= 15; ++i) {
        p.push_back(B(3) + Dm[i] + B(8) + Vl[i] + B(4) + Jl[i] + " m/km.");
    }
    p.push_back("");
    EXPECT_EQ(LineasPantalla(), p);

    std::vector<std::string> papel = Apertura("Fórmula de PRANDTL-COLEBROOK");
    pruebas::Anade(papel, {
                              B(20) + "Viscosidad cinematica = " + Visc + " m2/sg",
                              B(20) + "Rugosidad absoluta Ks =  0,06000 mm.",
                              " ",
                              B(20) + "CALCULO A SECCION LLENA",
                              " ",
                              " ",
                              B(30) + "CAUDAL 0,000400 m3/sg.",
                              " ",
                              " ",
                              B(30) + "DIAMETRO" + B(12) + "VELOCIDAD" + B(6) + "PENDIENTE ",
                              B(34) + "(mm)" + B(16) + "(m/s)" + B(9) + "(m/km)",
                              B(30) + "========" + B(12) + "=========" + B(6) + "=========",
                              " ",
                          });
    for (int i = 1; i <= 15; ++i) {
        papel.push_back(B(33) + Dm[i] + B(16) + Vl[i] + B(6) + Jl[i] + " m/km.");
        papel.push_back(" ");
    }
    EXPECT_EQ(impresora.lineas(1), papel);
    EXPECT_TRUE(impresora.lineas(2).empty());
    CompruebaFormato({B(20) + "Fórmula de PRANDTL-COLEBROOK"});
}

// The printed table of velocities and flows of one section, indented by 30.
std::vector<std::string> TablaCaudalesPapel(bool parcial)
{
    std::vector<std::string> t = {
        B(30) + "DIAMETRO" + B(12) + "VELOCIDAD" + B(11) + "CAUDAL",
        B(34) + "(mm)" + B(16) + "(m/s)" + B(11) + "(m3/s)",
        B(30) + "========" + B(12) + "=========" + B(11) + "======",
        " ",
    };
    for (int i = 1; i <= 15; ++i) {
        t.push_back(B(33) + Dm[i] + B(16) + (parcial ? Vp[i] : Vl[i]) + B(11) +
                    (parcial ? Qp[i] : Ql[i]));
        t.push_back(" ");
    }
    return t;
}

// Screen rows of full and part-full flows side by side.
std::vector<std::string> TablaCaudalesPantalla()
{
    std::vector<std::string> t = {
        "DIAMETRO    VELOCIDAD    CAUDAL" + B(10) + "DIAMETRO    VELOCIDAD    CAUDAL",
        UnidadesQ + B(14) + "(mm)" + B(8) + "(m/s)" + B(4) + "(m3/s)",
        Rayas3 + B(10) + Rayas3,
    };
    for (int i = 1; i <= 15; ++i) {
        t.push_back(B(3) + Dm[i] + B(8) + Vl[i] + B(4) + Ql[i] + B(13) + Dm[i] + B(8) + Vp[i] +
                    B(4) + Qp[i]);
    }
    t.push_back("");
    return t;
}

TEST_F(ListadosHidraulicosTest, Sub3000EnPantallaYDosPaginas)
{
    EXPECT_EQ(Sub3000(salida, d, 0.001, 0.06, true), SinErrorImpresora);

    std::vector<std::string> p = {
        "Fórmula de PRANDTL-COLEBROOK",
        "Viscosidad cinematica = " + Visc + " m2/sg",
        "Rugosidad absoluta Ks =  0,06000 mm.",
        "PENDIENTE             = 0,001000 m/m",
        "",
        "CALCULO A SECCION LLENA" + B(18) + "CALCULO A SECCION PARCIALMENTE LLENA",
        B(41) + "(Lámina libre, válido para colectores)",
        "",
    };
    pruebas::Anade(p, TablaCaudalesPantalla());
    EXPECT_EQ(LineasPantalla(), p);

    const std::string titulo = "Fórmula de PRANDTL-COLEBROOK";
    const std::string viscosidad = B(20) + "Viscosidad cinematica = " + Visc + " m2/sg";
    const std::string rugosidad = B(20) + "Rugosidad absoluta Ks =  0,06000 mm.";
    std::vector<std::string> pagina1 = Apertura(titulo);
    pruebas::Anade(pagina1, {viscosidad, rugosidad, " ", B(20) + "CALCULO A SECCION LLENA", " ",
                             " ", B(30) + "PENDIENTE 0,001000 m/m", " ", " "});
    pruebas::Anade(pagina1, TablaCaudalesPapel(false));
    EXPECT_EQ(impresora.lineas(1), pagina1);

    std::vector<std::string> pagina2 = {" ",
                                        " ",
                                        " ",
                                        B(20) + titulo,
                                        viscosidad,
                                        rugosidad,
                                        " ",
                                        B(20) + "CALCULO A SECCION PARCIALMENTE LLENA",
                                        B(20) + "(Lámina libre, válido para colectores)",
                                        " ",
                                        " ",
                                        B(30) + "PENDIENTE 0,001000",
                                        " ",
                                        " "};
    pruebas::Anade(pagina2, TablaCaudalesPapel(true));
    EXPECT_EQ(impresora.lineas(2), pagina2);
    EXPECT_TRUE(impresora.lineas(3).empty());
    CompruebaFormato({B(20) + titulo, B(20) + titulo});
}

TEST_F(ListadosHidraulicosTest, Sub3000_HazenConCoeficienteCalculado)
{
    d.Rugosidad = 0;
    EXPECT_EQ(Sub3000_Hazen(salida, d, 0.001, true), SinErrorImpresora);

    std::vector<std::string> p = {
        "Fórmula de HAZEN-WILLIAMS",
        "Coeficiente Cwh = 139.3 + 6.65 * DIAM. (M)",
        "PENDIENTE             = 0,001000 m/m",
        "",
        "CALCULO A SECCION LLENA" + B(18) + "CALCULO A SECCION PARCIALMENTE LLENA",
        B(41) + "(Lámina libre, válido para colectores)",
        "",
    };
    pruebas::Anade(p, TablaCaudalesPantalla());
    EXPECT_EQ(LineasPantalla(), p);

    const std::string titulo = "Fórmula de HAZEN-WILLIAMS";
    const std::string coeficiente = B(20) + "Coeficiente Cwh = 139.3 + 6.65 * DIAM. (M)";
    std::vector<std::string> pagina1 = Apertura(titulo);
    pruebas::Anade(pagina1, {coeficiente, " ", B(20) + "CALCULO A SECCION LLENA", " ", " ",
                             B(30) + "PENDIENTE 0,001000 m/m", " ", " "});
    pruebas::Anade(pagina1, TablaCaudalesPapel(false));
    EXPECT_EQ(impresora.lineas(1), pagina1);

    std::vector<std::string> pagina2 = {" ",
                                        " ",
                                        " ",
                                        B(20) + titulo,
                                        coeficiente,
                                        " ",
                                        B(20) + "CALCULO A SECCION PARCIALMENTE LLENA",
                                        B(20) + "(Lámina libre, válido para colectores)",
                                        " ",
                                        " ",
                                        B(30) + "PENDIENTE 0,001000",
                                        " ",
                                        " "};
    pruebas::Anade(pagina2, TablaCaudalesPapel(true));
    EXPECT_EQ(impresora.lineas(2), pagina2);
    CompruebaFormato({B(20) + titulo, B(20) + titulo});
}

TEST_F(ListadosHidraulicosTest, Sub3000_Hazen_PConCoeficiente120)
{
    d.Rugosidad = 120;
    EXPECT_EQ(Sub3000_Hazen_P(salida, d, 0.5, true), SinErrorImpresora);

    std::vector<std::string> p = {
        "Fórmula de HAZEN-WILLIAMS",
        "Coeficiente Cwh =  120,00",
        "CAUDAL                = 0,500000 m3/sg.",
        "",
        "CALCULO A SECCION LLENA" + B(21) + "CALCULO A SECCION PARCIALMENTE LLENA",
        B(44) + "(Lámina libre, válido para colectores)",
        "",
        "DIAMETRO    VELOCIDAD    PENDIENTE" + B(10) + "DIAMETRO    VELOCIDAD    PENDIENTE",
        UnidadesJ + B(14) + "(mm)" + B(8) + "(m/s)" + B(7) + "(m/km)",
        RayasP + B(10) + RayasP,
    };
    for (int i = 1; i <= 15; ++i) {
        p.push_back(B(3) + Dm[i] + B(8) + Vl[i] + B(4) + Jl[i] + " m/km." + B(7) + Dm[i] + B(8) +
                    Vp[i] + B(4) + Jp[i] + " m/km.");
    }
    p.push_back("");
    EXPECT_EQ(LineasPantalla(), p);

    const auto bloque = [](bool parcial) {
        std::vector<std::string> t = {
            B(30) + "CAUDAL 0,500000 m3/sg.",
            " ",
            " ",
            B(30) + "DIAMETRO" + B(12) + "VELOCIDAD" + B(6) + "PENDIENTE ",
            B(34) + "(mm)" + B(16) + "(m/s)" + B(9) + "(m/km)",
            B(30) + "========" + B(12) + "=========" + B(6) + "=========",
            " ",
        };
        for (int i = 1; i <= 15; ++i) {
            t.push_back(B(33) + Dm[i] + B(16) + (parcial ? Vp[i] : Vl[i]) + B(6) +
                        (parcial ? Jp[i] : Jl[i]) + " m/km.");
            t.push_back(" ");
        }
        return t;
    };
    const std::string titulo = "Fórmula de HAZEN-WILLIAMS";
    std::vector<std::string> pagina1 = Apertura(titulo);
    pruebas::Anade(pagina1, {B(20) + "Coeficiente Cwh =  120,00", " ",
                             B(20) + "CALCULO A SECCION LLENA", " ", " "});
    pruebas::Anade(pagina1, bloque(false));
    EXPECT_EQ(impresora.lineas(1), pagina1);

    // The second page shows the coefficient without decimals.
    std::vector<std::string> pagina2 = {" ",
                                        " ",
                                        " ",
                                        B(20) + titulo,
                                        B(20) + "Coeficiente Cwh =  120",
                                        " ",
                                        B(20) + "CALCULO A SECCION PARCIALMENTE LLENA",
                                        B(20) + "(Lámina libre, válido para colectores)",
                                        " ",
                                        " "};
    pruebas::Anade(pagina2, bloque(true));
    EXPECT_EQ(impresora.lineas(2), pagina2);
    CompruebaFormato({B(20) + titulo, B(20) + titulo});
}

// On the screen alone nothing reaches the printer and Imprimiendo is not touched; the box holds
// the last listing only.
TEST_F(ListadosHidraulicosTest, SoloPantallaNoImprimeYReemplazaElTexto)
{
    using Listado = int (*)(SalidaHidraulica &, const DatosHidraulicos &, double, double, bool);
    for (const Listado sub :
         {Listado{Sub3000}, Listado{Sub3000_P}, Listado{Sub3500}, Listado{Sub3500_P}}) {
        pantalla = "listado anterior";
        EXPECT_EQ(sub(salida, d, 0.001, 0.05, false), SinErrorImpresora);
        EXPECT_EQ(pantalla.find("listado anterior"), std::string::npos);
        EXPECT_EQ(pantalla.rfind("Fórmula de ", 0), 0U);
    }
    EXPECT_EQ(Sub3000_Hazen(salida, d, 0.001, false), SinErrorImpresora);
    EXPECT_EQ(Sub3000_Hazen_P(salida, d, 0.001, false), SinErrorImpresora);
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_FALSE(estado.listado.Imprimiendo);
}

// Listed from a real calculation, under a point separator.
TEST_F(ListadosHidraulicosTest, DarcyCalculadoConCaudalCritico)
{
    estado.ejecucion.SeparadorDecimalLocal = ".";
    DatosHidraulicos r;
    r.Rugosidad = 0.05;
    r.DatoOrigen = 0.0015;
    DarcyWeiss_Caudal(r);
    Sub3500_P(salida, r, r.DatoOrigen, r.Rugosidad, false);
    const std::vector<std::string> p = LineasPantalla();
    ASSERT_EQ(p.size(), 26U);
    EXPECT_EQ(p[3], "CAUDAL                = 0.001500 m3/sg.");
    // 600 mm: 5.3 mm/s, Re 2429.8; 700 mm: Re 2082.7, laminar: 0.00003 m/km.
    EXPECT_EQ(p[10], B(3) + "  600" + B(4) + "REGIMEN CRITICO" + B(11) + R("2430", 12));
    EXPECT_EQ(p[11], B(3) + "  700" + B(8) + " 0.00" + B(4) + "    0.000" + B(5) + R("2083", 12));
}

} // namespace
} // namespace dravek

namespace dravek {
namespace {

// Data at the ends of what the fields take, through every calculation and its listing: the
// listings finish and show no "nan", "inf" or negative number; a result beyond any number
// shows as asterisks.
TEST(ListadosHidraulicosExtremos, SinNaNNiInfinitos)
{
    EstadoObra estado;
    pruebas::RelojFijo reloj;
    pruebas::ImpresoraGrabadora impresora;
    SalidaListado listado{reloj, impresora};
    std::string pantalla;
    SalidaHidraulica salida{estado, listado, pantalla};
    for (const double dato : {0.0001, 1e6, 1e300}) {
        for (const double rugosidad : {0.0001, RugosidadMaxima, 0.0}) {
            SCOPED_TRACE(std::to_string(dato) + " / " + std::to_string(rugosidad));
            DatosHidraulicos d;
            d.DatoOrigen = dato;
            d.Rugosidad = rugosidad;
            std::string todo;
            if (rugosidad > 0) {
                PrColeBrook_Pendiente(d);
                Sub3000(salida, d, dato, rugosidad, true);
                todo += pantalla;
                PrColeBrook_Caudal(d);
                Sub3000_P(salida, d, dato, rugosidad, true);
                todo += pantalla;
                DarcyWeiss_Pendiente(d);
                Sub3500(salida, d, dato, rugosidad, true);
                todo += pantalla;
                DarcyWeiss_Caudal(d);
                Sub3500_P(salida, d, dato, rugosidad, true);
                todo += pantalla;
            }
            Hazen_Pendiente(d);
            Sub3000_Hazen(salida, d, dato, true);
            todo += pantalla;
            Hazen_Caudal(d);
            Sub3000_Hazen_P(salida, d, dato, true);
            todo += pantalla;
            for (const std::string &l : impresora.lineas()) {
                todo += l;
            }
            impresora.olvida();
            EXPECT_EQ(todo.find("nan"), std::string::npos);
            EXPECT_EQ(todo.find("inf"), std::string::npos);
            if (dato > 1e299) {
                EXPECT_NE(todo.find("*********"), std::string::npos);
            }
            // No negative number either.
            for (std::size_t i = todo.find('-'); i != std::string::npos;
                 i = todo.find('-', i + 1)) {
                EXPECT_FALSE(i + 1 < todo.size() && todo[i + 1] >= '0' && todo[i + 1] <= '9');
            }
        }
    }
}

} // namespace
} // namespace dravek
