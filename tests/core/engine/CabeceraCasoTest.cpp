#include "apoyo/ContextoPrueba.h"
#include "apoyo/TextoPrueba.h"
#include "core/engine/ContextoCalculo.h"
#include "core/engine/ImprimeDatosCaso.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::B;
using pruebas::Guiones;
using pruebas::Lineas;
using pruebas::R;

struct Banco : pruebas::ContextoPrueba<> {
    ErrorCalculo Imprime() { return ImprimeDatosCaso(contexto); }

    void Imprimiendo(ClaseListado clase)
    {
        estado.listado.Imprimiendo = true;
        estado.listado.TipoListado = clase;
    }
};

// A reinforced-concrete case of 1000 mm with a 125 mm wall, 2.50 m of fill and DP = 10 at, in
// calculation units. Self weight, fluid, earth, live load, 1 m of fill and the three parts of the
// MDP hypothesis each have their own values; the four load cases no hypothesis uses hold 99, so
// a wrong combination shows in the table.
void CasoArmado(EstadoObra &e, const std::string &sistema)
{
    e.ejecucion.SistemaUnidades = sistema;
    e.tramo.Tipologia = 1210;
    e.tramo.EsArmado = Verdadero;
    e.tramo.vDi = 1.0;
    e.tramo.ESP = 0.125;
    e.tramo.RECI = 0.02;
    e.tramo.RECE = 0.03;
    e.tramo.vICUNA = 3; // analysis code of the concrete 120 degree cradle
    e.tramo.CodigoColocacion = 22;
    e.tramo.TipoCargaConcentrada = 2;
    e.caso.AlturaActual = 2.5;
    // Ring tensions with R = 0.5 m: PP 60, STP 65, DP 50, MDP 55 t/m.
    e.caso.PPNeta = 12;
    e.caso.STP = 13;
    e.caso.DP = 10;
    e.caso.MDP = 11;
    auto &Mc = e.resultados.MomentosCaso;
    auto &Nc = e.resultados.AxilesCaso;
    for (std::size_t k : {5U, 6U, 7U, 12U}) {
        Mc[k] = {0, 99, 99, 99};
        Nc[k] = {0, 99, 99, 99};
    }
    Mc[1] = {0, 0.1, -0.05, 0.12};
    Nc[1] = {0, 0.02, 0.3, -0.04};
    Mc[2] = {0, 0.05, -0.02, 0.06};
    Nc[2] = {0, -0.3, 0.1, 0.2};
    Mc[3] = {0, 1.234, -1.5, 1.3};
    Nc[3] = {0, 0.5, 2.0, -0.25};
    Mc[4] = {0, 0.2, -0.1, 0.15};
    Nc[4] = {0, 0.1, 0.4, 0.05};
    Mc[8] = {0, 0.4, -0.45, 0.42};
    Nc[8] = {0, 0.15, 0.8, -0.1};
    Mc[9] = {0, 0.9, -1.0, 0.95};
    Nc[9] = {0, 0.35, 1.6, -0.2};
    Mc[10] = {0, 0.03, -0.03, 0.04};
    Nc[10] = {0, 0.01, 0.02, 0.03};
    Mc[11] = {0, 0.1, -0.12, 0.11};
    Nc[11] = {0, 0.05, 0.06, 0.07};
}

// M and N of each hypothesis at crown, haunch and invert, summed by hand from the load cases
// above: M1 N1 M2 N2 M3 N3.
using FilaFuerzas = std::vector<std::string>;

const std::vector<FilaFuerzas> FuerzasMKS = {
    {"0.000", "60.000", "0.000", "60.000", "0.000", "60.000"},
    {"1.534", "0.620", "-1.650", "2.700", "1.570", "-0.240"},
    {"0.550", "64.870", "-0.520", "66.200", "0.600", "65.060"},
    {"1.584", "50.320", "-1.670", "52.800", "1.630", "49.960"},
    {"1.180", "55.130", "-1.220", "57.080", "1.280", "55.060"},
};

// The same in m.kN/m and kN/m (x 10) with two decimals.
const std::vector<FilaFuerzas> FuerzasSI = {
    {"0.00", "600.00", "0.00", "600.00", "0.00", "600.00"},
    {"15.34", "6.20", "-16.50", "27.00", "15.70", "-2.40"},
    {"5.50", "648.70", "-5.20", "662.00", "6.00", "650.60"},
    {"15.84", "503.20", "-16.70", "528.00", "16.30", "499.60"},
    {"11.80", "551.30", "-12.20", "570.80", "12.80", "550.60"},
};

const std::vector<std::string> NombresHipotesis = {
    "PP" + B(24),
    "VACIO + TIERRAS + MOVILES ",
    "STP + 1 M TIERRAS" + B(9),
    "DP + TIERRAS + MOVILES" + B(4),
    "MDP + TIERRAS" + B(13),
};

std::vector<std::string> InstalacionArmado(const std::string &presion)
{
    return {
        "  Cuna : hormigón 120º  Colocación : zanja terraplenada, relleno compactado" + B(3),
        "  Altura del relleno :   2.50 m",
        "  Presión interior   :" + presion,
        "  Carga concentrada  : Eje de 13 t" + B(10),
    };
}

std::vector<std::string> PantallaArmado(const std::string &sistema)
{
    const bool si = sistema == "SI";
    std::vector<std::string> l = {
        "  TIPO: Hormigón armado" + B(7) + "Diámetro interior : 1000 mm",
        B(8) + "con camisa" + B(12) + "Espesor" + B(11) + ":125.0 mm",
        B(30) + "Recub. Interior   :   20 mm",
        B(30) + "Recub. Exterior   :   30 mm",
        "",
    };
    for (const std::string &linea : InstalacionArmado(si ? " 1.0000 MPa" : " 10.000 at")) {
        l.push_back(linea);
    }
    // The units of the values shown, in the places the caption text gives them.
    const std::string unidades = si ? "  (m.kN/m)  (kN/m)  (m.kN/m)  (kN/m)  (m.kN/m)  (kN/m) "
                                    : "    (t.m/m)  (t/m)    (t.m/m)  (t/m)    (t.m/m)  (t/m) ";
    const auto &fuerzas = si ? FuerzasSI : FuerzasMKS;
    for (std::size_t h = 0; h < 5; ++h) {
        l.push_back("");
        l.push_back("   HIPOTESIS : " + NombresHipotesis[h]);
        l.push_back("         CLAVE            RIÑONES           SOLERA     ");
        l.push_back("      M        N        M        N        M        N   ");
        l.push_back(unidades);
        l.push_back(" " + Guiones(17) + " " + Guiones(17) + " " + Guiones(17));
        std::string fila;
        for (const std::string &valor : fuerzas[h]) {
            fila += "  " + R(valor, 7);
        }
        l.push_back(fila);
    }
    l.push_back(""); // after the last line feed
    return l;
}

std::vector<std::string> ImpresoraArmado(const std::string &sistema)
{
    const bool si = sistema == "SI";
    std::vector<std::string> l = {
        " ",
        B(9) + "TIPO: Hormigón armado" + B(4) + B(5) + "Diámetro interior : 1000 mm",
        B(17) + "con camisa" + B(6) + B(6) + "Espesor           :  125 mm",
        B(39) + "Recub. Interior   :   20 mm",
        B(39) + "Recub. Exterior   :   30 mm",
        " ",
    };
    for (const std::string &linea : InstalacionArmado(si ? " 1.0000 MPa" : " 10.000 at")) {
        l.push_back(B(4) + linea);
    }
    l.push_back(" ");
    l.push_back(B(42) + "CLAVE              RIÑONES              SOLERA");
    l.push_back(B(39) + "M         N         M         N         M         N");
    l.push_back(B(11) + (si ? "TUBO" + B(20) + "(m.kN/m)" + B(3) + "(kN/m)" + B(3) + "(m.kN/m)" +
                                  B(3) + "(kN/m)" + B(3) + "(m.kN/m)" + B(3) + "(kN/m)"
                            : "TUBO" + B(22) + "(t.m/m)" + B(3) + "(t/m)" + B(5) + "(t.m/m)" +
                                  B(3) + "(t/m)" + B(5) + "(t.m/m)" + B(3) + "(t/m)"));
    l.push_back(B(6) + Guiones(26) + B(2) + Guiones(18) + B(2) + Guiones(18) + B(2) + Guiones(18));
    const auto &fuerzas = si ? FuerzasSI : FuerzasMKS;
    for (std::size_t h = 0; h < 5; ++h) {
        std::string fila = B(6) + NombresHipotesis[h];
        for (const std::string &valor : fuerzas[h]) {
            fila += R(valor, 10);
        }
        l.push_back(fila);
    }
    return l;
}

std::vector<std::string> ComoOperaciones(const std::vector<std::string> &lineas)
{
    std::vector<std::string> operaciones;
    for (const std::string &linea : lineas) {
        operaciones.push_back("Linea |" + linea + "|");
    }
    return operaciones;
}

TEST(ImprimeDatosCaso, ArmadoEnPantallaEnAmbosSistemas)
{
    for (const std::string sistema : {"MKS", "SI"}) {
        SCOPED_TRACE(sistema);
        Banco b;
        CasoArmado(b.estado, sistema);
        EXPECT_FALSE(b.Imprime());
        EXPECT_EQ(Lineas(b.salida.TextoPantalla()), PantallaArmado(sistema));
        EXPECT_TRUE(b.impresora.operaciones().empty());
    }
}

// The lines a heading keeps from one case to the next belong to the run, the language and the
// units they were built for: cases of one command in turn in either system, the first again,
// then another pipe, each shows its own.
TEST(ImprimeDatosCaso, CasosSeguidosDeUnMismoComando)
{
    Banco b;
    for (const std::string sistema : {"MKS", "SI", "MKS"}) {
        SCOPED_TRACE(sistema);
        b.salida.VaciaPantalla();
        CasoArmado(b.estado, sistema);
        EXPECT_FALSE(b.Imprime());
        EXPECT_EQ(Lineas(b.salida.TextoPantalla()), PantallaArmado(sistema));
    }
    b.salida.VaciaPantalla();
    b.estado.tramo.vDi = 0.8;
    b.estado.tramo.Tipologia = 2221;
    b.estado.tramo.vICUNA = 2;
    EXPECT_FALSE(b.Imprime());
    const std::vector<std::string> l = Lineas(b.salida.TextoPantalla());
    ASSERT_GE(l.size(), 6U);
    EXPECT_EQ(l[0], "  TIPO: Hormigón postesado    Diámetro interior :  800 mm");
    EXPECT_EQ(l[1], B(8) + "camisa revestida" + B(6) + "Espesor" + B(11) + ":125.0 mm");
    EXPECT_EQ(l[5], "  Cuna : hormigón 90º   Colocación : zanja terraplenada, relleno compactado" +
                        B(3));
}

TEST(ImprimeDatosCaso, ArmadoEnListadoPantallaImpreso)
{
    for (const std::string sistema : {"MKS", "SI"}) {
        SCOPED_TRACE(sistema);
        Banco b;
        CasoArmado(b.estado, sistema);
        b.Imprimiendo(ClaseListado::Pantalla);
        EXPECT_FALSE(b.Imprime());
        // Nothing but the lines: no font, page or picture operation.
        EXPECT_EQ(b.impresora.descripciones(), ComoOperaciones(ImpresoraArmado(sistema)));
        // 5 + 5 + 10 lines reserved on the page.
        EXPECT_EQ(b.estado.listado.LineasImpresas, 20);
        EXPECT_TRUE(b.salida.TextoPantalla().empty());
    }
}

// A post-tensioned run: the heading alone. Its load-case tables are left not finite to show
// that no hypothesis is combined.
void CasoPostesado(EstadoObra &e)
{
    e.ejecucion.SistemaUnidades = "SI";
    e.tramo.Tipologia = 2221;
    e.tramo.EsArmado = Falso;
    e.tramo.vDi = 1.2;
    e.tramo.ESP = 0.09;
    e.tramo.RECI = 0.015;
    e.tramo.RECE = 0.025;
    e.tramo.vICUNA = 1;
    e.tramo.CodigoColocacion = 31;
    e.tramo.TipoCargaConcentrada = 0;
    e.caso.AlturaActual = 4.25;
    e.caso.DP = 12.5;
    e.resultados.MomentosCaso[3][1] = std::numeric_limits<double>::quiet_NaN();
}

std::vector<std::string> CabeceraPostesado(int sangria)
{
    return {
        B(sangria) + "  Cuna : granular 90º   Colocación : terraplén" + B(32),
        B(sangria) + "  Altura del relleno :   4.25 m",
        B(sangria) + "  Presión interior   : 1.2500 MPa",
        B(sangria) + "  Carga concentrada  : No se considera" + B(6),
    };
}

TEST(ImprimeDatosCaso, PostesadoSinTablaDeFuerzas)
{
    Banco pantalla;
    CasoPostesado(pantalla.estado);
    EXPECT_FALSE(pantalla.Imprime());
    std::vector<std::string> esperado = {
        "  TIPO: Hormigón postesado    Diámetro interior : 1200 mm",
        B(8) + "camisa revestida" + B(6) + "Espesor           : 90.0 mm",
        B(30) + "Recub. Interior   :   15 mm",
        B(30) + "Recub. Exterior   :   25 mm",
        "",
    };
    for (const std::string &linea : CabeceraPostesado(0)) {
        esperado.push_back(linea);
    }
    esperado.push_back("");
    EXPECT_EQ(Lineas(pantalla.salida.TextoPantalla()), esperado);

    Banco impreso;
    CasoPostesado(impreso.estado);
    impreso.Imprimiendo(ClaseListado::Pantalla);
    EXPECT_FALSE(impreso.Imprime());
    esperado = {
        " ",
        B(9) + "TIPO: Hormigón postesado " + B(5) + "Diámetro interior : 1200 mm",
        B(17) + "camisa revestida" + B(6) + "Espesor           :   90 mm",
        B(39) + "Recub. Interior   :   15 mm",
        B(39) + "Recub. Exterior   :   25 mm",
        " ",
    };
    for (const std::string &linea : CabeceraPostesado(4)) {
        esperado.push_back(linea);
    }
    // The 10 lines of the forces table are reserved and the blank line printed all the same.
    esperado.push_back(" ");
    EXPECT_EQ(impreso.impresora.descripciones(), ComoOperaciones(esperado));
    EXPECT_EQ(impreso.estado.listado.LineasImpresas, 20);
}

TEST(ImprimeDatosCaso, ListadosNormalYTabularNoRecibenNada)
{
    for (const ClaseListado clase : {ClaseListado::Normal, ClaseListado::Tabular}) {
        for (const bool armado : {true, false}) {
            SCOPED_TRACE(static_cast<int>(clase) * 10 + (armado ? 1 : 0));
            Banco b;
            if (armado) {
                CasoArmado(b.estado, "MKS");
            } else {
                CasoPostesado(b.estado);
            }
            b.Imprimiendo(clase);
            b.estado.listado.LineasImpresas = 30;
            EXPECT_FALSE(b.Imprime());
            EXPECT_TRUE(b.impresora.operaciones().empty());
            EXPECT_TRUE(b.salida.TextoPantalla().empty());
            EXPECT_EQ(b.estado.listado.LineasImpresas, 30);
        }
    }
}

// The forces of a reinforced-concrete run are combined whatever the listing, so a fault in them
// stops the case even on the Normal listing; a NaN never reaches a listing line.
TEST(ImprimeDatosCaso, FuerzasNoFinitasDetienenElCaso)
{
    const std::string mensaje = "ERROR: ESFUERZOS DE OVALIZACION";
    struct Fila {
        std::string nombre;
        bool imprimiendo;
        ClaseListado clase;
    };
    const std::vector<Fila> filas = {
        {"pantalla", false, ClaseListado::Normal},
        {"Pantalla impreso", true, ClaseListado::Pantalla},
        {"Normal", true, ClaseListado::Normal},
        {"Tabular", true, ClaseListado::Tabular},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.nombre);
        Banco b;
        CasoArmado(b.estado, "MKS");
        b.estado.resultados.AxilesCaso[4][2] = std::numeric_limits<double>::quiet_NaN();
        b.estado.listado.Imprimiendo = f.imprimiendo;
        b.estado.listado.TipoListado = f.clase;

        const ErrorCalculo error = b.Imprime();
        EXPECT_TRUE(error);
        EXPECT_EQ(error.mensaje, mensaje);

        std::vector<std::string> lineas =
            f.imprimiendo ? b.impresora.lineas() : Lineas(b.salida.TextoPantalla());
        std::string todo;
        for (const std::string &linea : lineas) {
            todo += linea + "\n";
        }
        EXPECT_EQ(todo.find("nan"), std::string::npos);
        EXPECT_EQ(todo.find("HIPOTESIS"), std::string::npos);
        EXPECT_EQ(todo.find("TUBO"), std::string::npos);
        if (!f.imprimiendo) {
            // The heading, a blank line and the message.
            ASSERT_EQ(lineas.size(), 12U);
            EXPECT_EQ(lineas[9], "");
            EXPECT_EQ(lineas[10], mensaje);
        } else if (f.clase == ClaseListado::Pantalla) {
            ASSERT_EQ(lineas.size(), 12U);
            EXPECT_EQ(lineas[10], " ");
            EXPECT_EQ(lineas[11], B(4) + mensaje);
        } else {
            EXPECT_EQ(lineas, std::vector<std::string>{B(4) + mensaje});
        }
    }
}

// Each block of the Pantalla listing is kept on one page: the installation block that no longer
// fits starts a new page with its case header.
TEST(ImprimeDatosCaso, BloqueQueNoCabeEmpiezaPagina)
{
    Banco b;
    CasoArmado(b.estado, "MKS");
    b.Imprimiendo(ClaseListado::Pantalla);
    b.estado.caso.NumeroCaso = 7;
    b.estado.tramo.TramoActual = 2;
    b.estado.listado.LineasImpresas = 64; // 64 + 5 fit in 72 lines, 69 + 5 do not
    EXPECT_FALSE(b.Imprime());

    const std::vector<std::string> todas = ImpresoraArmado("MKS");
    EXPECT_EQ(b.impresora.lineas(1), std::vector<std::string>(todas.begin(), todas.begin() + 5));
    const std::vector<std::string> segunda = b.impresora.lineas(2);
    ASSERT_EQ(segunda.size(), 3 + todas.size() - 5);
    EXPECT_EQ(segunda[0], " ");
    EXPECT_EQ(segunda[1], " ");
    EXPECT_NE(segunda[2].find("CASO NUMERO: 7/"), std::string::npos);
    EXPECT_EQ(std::vector<std::string>(segunda.begin() + 3, segunda.end()),
              std::vector<std::string>(todas.begin() + 5, todas.end()));
    // The new page counts its installation block and the forces table.
    EXPECT_EQ(b.estado.listado.LineasImpresas, 15);
}

// The label of each table chosen by typology, cradle code, installation code and live load.
TEST(ImprimeDatosCaso, EtiquetasDelTuboYLaInstalacion)
{
    struct Fila {
        std::int16_t Tipologia;
        std::int16_t vICUNA;
        std::int16_t CodigoColocacion;
        std::int16_t TipoCargaConcentrada;
        std::string tipo;       // 19 characters
        std::string camisa;     // 16
        std::string cuna;       // 13
        std::string colocacion; // 41
        std::string cargaMovil; // 21
    };
    const std::vector<Fila> filas = {
        {1210, 1, 11, 0, "Hormigón armado    ", "con camisa      ", "granular 90º ",
         "zanja, relleno sin compactar" + B(13), "No se considera" + B(6)},
        {2221, 2, 12, 1, "Hormigón postesado ", "camisa revestida", "hormigón 90º ",
         "zanja, relleno compactado" + B(16), "Eje de 7 t" + B(11)},
        {2211, 3, 21, 3, "Hormigón postesado ", "camisa embebida ", "hormigón 120º",
         "zanja terraplenada, relleno sin compactar", "Carro de 60 t" + B(8)},
        {2212, 4, 31, 4, "Hormigón postesado ", "camisa embebida ", "menor de 90º ",
         "terraplén" + B(32), "Tráfico ferroviario  "},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.Tipologia);
        Banco b;
        b.estado.ejecucion.SistemaUnidades = "MKS";
        b.estado.tramo.Tipologia = f.Tipologia;
        b.estado.tramo.EsArmado = f.Tipologia < 2000 ? Verdadero : Falso;
        b.estado.tramo.vDi = 0.8;
        b.estado.tramo.vICUNA = f.vICUNA;
        b.estado.tramo.CodigoColocacion = f.CodigoColocacion;
        b.estado.tramo.TipoCargaConcentrada = f.TipoCargaConcentrada;
        EXPECT_FALSE(b.Imprime());
        const std::vector<std::string> l = Lineas(b.salida.TextoPantalla());
        ASSERT_GE(l.size(), 9U);
        EXPECT_EQ(l[0], "  TIPO: " + f.tipo + "   Diámetro interior :  800 mm");
        EXPECT_EQ(l[1], B(8) + f.camisa + B(6) + "Espesor           :  0.0 mm");
        EXPECT_EQ(l[5], "  Cuna : " + f.cuna + "  Colocación : " + f.colocacion);
        EXPECT_EQ(l[8], "  Carga concentrada  : " + f.cargaMovil);
    }
}

} // namespace
} // namespace dravek
