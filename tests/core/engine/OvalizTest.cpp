#include "core/engine/Ovaliz.h"

#include "apoyo/CarpetaPrueba.h"
#include "apoyo/ContextoPrueba.h"
#include "apoyo/DepuracionGrabadora.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/TextoPrueba.h"
#include "core/listing/Depuracion.h"
#include "core/listing/FormatoNumeros.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Anade;
using pruebas::B;
using pruebas::Cola;
using pruebas::DepuracionGrabadora;
using pruebas::OperacionImpresora;
using pruebas::TipoOperacion;

constexpr double PI = 3.1415926535898;

// A fresh calculation case: concrete 120 degree cradle, Di 1.0 m, De 1.2 m, a live load, and
// the loads of 1 m of fill without live load.
struct Entorno : pruebas::ContextoPrueba<DepuracionGrabadora> {
    static constexpr double vLANDA = 0.333;

    Entorno()
    {
        estado.ejecucion.SistemaUnidades = "MKS";
        estado.ejecucion.SeparadorDecimalLocal = ".";
        estado.obra.TIGEN = "Obra A";
        estado.tramo.ITIT = "Tramo 1";
        estado.tramo.TramoActual = 1;
        estado.tramo.EsArmado = Verdadero;
        estado.tramo.vDi = 1.0;
        estado.tramo.vDE = 1.2;
        estado.tramo.vGAMAB = 2.5;
        estado.tramo.vGAMAT = 2.0;
        estado.tramo.vICUNA = 3;
        estado.caso.vQ = 5.0;
        estado.caso.vQH = 4.8;
        estado.caso.CargaMovil = 0.7;
        estado.caso.vQUnMetro = 2.1;
        estado.caso.vQHUnMetro = 2.0;
        estado.caso.CargaMovilUnMetro = 0.0;
        estado.caso.AlturaActual = 3.0;
        estado.caso.DP = 6.0;
        estado.caso.MDP = 7.0;
        // Results of an earlier case, which the analysis must overwrite everywhere.
        for (auto &fila : estado.resultados.MomentosCaso) {
            fila.fill(999.0);
        }
        for (auto &fila : estado.resultados.AxilesCaso) {
            fila.fill(-999.0);
        }
    }

    void ListadoNormalNuevaAltura()
    {
        estado.listado.Imprimiendo = true;
        estado.listado.TipoListado = ClaseListado::Normal;
        estado.listado.NumeroPagina = 4;
        estado.caso.NuevaAltura = true;
    }

    ErrorCalculo Analiza() { return Ovaliz(contexto, vLANDA, 2); }
};

std::uint64_t Bits(double valor)
{
    return std::bit_cast<std::uint64_t>(valor);
}

// --- The arrays ---------------------------------------------------------------------------------

TEST(Ovaliz, CadaCasoDeCargaConSusPresiones)
{
    Entorno e;
    const DatosCaso antes = e.estado.caso;
    ASSERT_FALSE(e.Analiza());

    const DatosTramo &t = e.estado.tramo;
    for (std::int16_t n = 1; n <= NumeroCasosCarga; ++n) {
        SCOPED_TRACE("caso de carga " + std::to_string(n));
        const auto k = static_cast<CasoCarga>(n);
        // Only the earth load of 1 m of fill takes the pressures of 1 m of fill.
        const bool unMetro = k == CasoCarga::CasoTierrasUnMetro;
        const double q = unMetro ? antes.vQUnMetro : antes.vQ;
        const double qh = unMetro ? antes.vQHUnMetro : antes.vQH;
        const double movil = unMetro ? antes.CargaMovilUnMetro : antes.CargaMovil;
        EsfuerzosSeccion M{};
        EsfuerzosSeccion N{};
        ASSERT_EQ(CalculaEsfuerzosCaso(t.vDi, t.vDE, t.vGAMAB, t.vGAMAT, Entorno::vLANDA, q, M, N,
                                       t.vICUNA, k, qh, movil),
                  ErrorEsfuerzos::Ninguno);
        for (std::size_t s = 1; s <= 3; ++s) {
            EXPECT_DOUBLE_EQ(e.estado.resultados.MomentosCaso[indice(k)][s], M[s]);
            EXPECT_DOUBLE_EQ(e.estado.resultados.AxilesCaso[indice(k)][s], N[s]);
        }
    }

    // By hand. Haunch axial forces carry no lateral thrust; the haunch fill gives -Wt/2 and the
    // vertical earth load -We/2, We = (q - live load) * De.
    const double Wt = (1.2 * 1.2 / 2 - PI * 1.2 * 1.2 / 8) * 2.0; // t/m
    const auto rinones = indice(Seccion::Rinones);
    EXPECT_NEAR(e.estado.resultados.AxilesCaso[indice(CasoCarga::CasoTierrasUnMetro)][rinones],
                -0.5 * Wt - 0.5 * 2.1 * 1.2, 1e-12);
    EXPECT_NEAR(e.estado.resultados.AxilesCaso[indice(CasoCarga::CasoVerticalPura)][rinones],
                -0.5 * (5.0 - 0.7) * 1.2, 1e-12);
    // Crown moment of the thrust of 1 m of fill: no live load, H = vQHUnMetro / gamma = 1 m.
    const double Dm = 1.1;
    const double x = 1.2 / Dm;
    const double Lambda = Entorno::vLANDA * 2.0 * 1.2;
    const double Me2 =
        (1.0 * (0.04707 * x - 0.10496) + 1.2 * (0.00743 * x - 0.02967)) * Lambda * Dm;
    const double Mt = (-0.02934 * x + 0.04853) * Wt * Dm;
    const double Mv = (-0.04069 * x + 0.09127) * 2.1 * 1.2 * Dm;
    EXPECT_NEAR(e.estado.resultados
                    .MomentosCaso[indice(CasoCarga::CasoTierrasUnMetro)][indice(Seccion::Clave)],
                Me2 + Mt + Mv, 1e-12);
    EXPECT_EQ(e.estado.resultados.MomentosCaso[indice(CasoCarga::CasoNulo)][1], 0.0);

    // The case's own pressures are back, bit for bit.
    EXPECT_EQ(Bits(e.estado.caso.vQ), Bits(antes.vQ));
    EXPECT_EQ(Bits(e.estado.caso.vQH), Bits(antes.vQH));
    EXPECT_EQ(Bits(e.estado.caso.CargaMovil), Bits(antes.CargaMovil));
    EXPECT_EQ(Bits(e.estado.caso.vQUnMetro), Bits(antes.vQUnMetro));
}

// --- Debug lines --------------------------------------------------------------------------------

TEST(NumeroGeneral, FormatoGeneral)
{
    struct Caso {
        double valor;
        const char *separador;
        std::string esperado;
    };
    const std::vector<Caso> casos = {
        {2.5, ".", "2.5"},
        {-2.5, ".", "-2.5"},
        {0.0, ".", "0"},
        {-0.0, ".", "0"},
        {100.0, ".", "100"},
        {0.25, ".", ".25"},
        {-0.25, ".", "-.25"},
        {0.1 + 0.2, ".", ".3"}, // 15 significant digits
        {1.0 / 3.0, ".", ".333333333333333"},
        {2.0 / 3.0, ".", ".666666666666667"},
        {123456789012345.0, ".", "123456789012345"},
        {1e15, ".", "1E+15"},
        {123456789012345678.0, ".", "1.23456789012346E+17"},
        {0.0001, ".", ".0001"},
        {1e-7, ".", "1E-07"},
        {-1.5e-7, ".", "-1.5E-07"},
        {2.5, ",", "2,5"},
        {-0.25, ",", "-,25"},
        {1.25e-7, ",", "1,25E-07"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.esperado);
        EXPECT_EQ(NumeroGeneral(c.valor, c.separador), c.esperado);
    }
}

TEST(LineaDepuracion, BlancosYZonas)
{
    struct Caso {
        std::string nombre;
        std::string linea;
        std::string esperado;
    };
    const std::vector<Caso> casos = {
        {"positivo", LineaDepuracion(".").Anade(2.5).Linea(), B(9) + " 2.5 "},
        {"negativo", LineaDepuracion(".").Anade(-2.5).Linea(), B(9) + "-2.5 "},
        {"cero", LineaDepuracion(".").Anade(0.0).Linea(), B(9) + " 0 "},
        {"pequeno", LineaDepuracion(".").Anade(1e-7).Linea(), B(9) + " 1E-07 "},
        {"grande", LineaDepuracion(".").Anade(123456789012345678.0).Linea(),
         B(9) + " 1.23456789012346E+17 "},
        {"entero", LineaDepuracion(".").Anade(std::int32_t{-3}).Linea(), B(9) + "-3 "},
        // Column 10 + "ab" ends at 11; the next zone starts at column 15.
        {"zona", LineaDepuracion(".").Anade("ab").SiguienteZona().Anade("c").Linea(),
         B(9) + "ab" + B(3) + "c"},
        // A line already at the start of a zone moves on to the next one.
        {"al inicio de zona",
         LineaDepuracion(".").Anade("abcde").SiguienteZona().Anade("c").Linea(),
         B(9) + "abcde" + B(14) + "c"},
        // Widths count characters: "ñ" is one column.
        {"caracteres", LineaDepuracion(".").Anade("ññ").SiguienteZona().Anade(1.0).Linea(),
         B(9) + "ññ" + B(3) + " 1 "},
        {"desde la columna 1",
         LineaDepuracion(".", 1).Anade(1.0).SiguienteZona().Anade(2.0).Linea(),
         " 1 " + B(11) + " 2 "},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(c.linea, c.esperado);
    }
}

TEST(Ovaliz, TresLineasDeDepuracion)
{
    Entorno e;
    ASSERT_FALSE(e.Analiza());
    // Zones at columns 43, 57, 71 ... (0-based offsets 42, 56, 70 ...).
    const std::vector<std::string> esperadas = {
        B(9) + "Dentro de Ovaliz " + std::string(60, '='),
        B(9) + "vDi vDE vGAMAB vGAMAT " + " 1 " + B(8) + " 1.2 " + B(9) + " 2.5 " + B(9) + " 2 ",
        B(9) + "vLANDA vQ vICUNA vTIGEN vITIT vICASO vQH" + " .333 " + B(1) + " 5 " + B(11) +
            " 3 " + B(11) + "Obra A" + B(8) + "Tramo 1" + B(7) + " 2 " + B(11) + " 4.8 ",
    };
    EXPECT_EQ(e.depuracion.lineas(), esperadas);

    // The user's decimal separator, whatever the C locale.
    Entorno coma;
    coma.estado.ejecucion.SeparadorDecimalLocal = ",";
    ASSERT_FALSE(coma.Analiza());
    ASSERT_EQ(coma.depuracion.lineas().size(), 3U);
    EXPECT_NE(coma.depuracion.lineas()[1].find(" 1,2 "), std::string::npos);
    EXPECT_NE(coma.depuracion.lineas()[2].find(" ,333 "), std::string::npos);
}

// --- The printed listing ------------------------------------------------------------------------

std::string Fila(const EstadoEjecucion &ejecucion, const char *seccion, double M, double N)
{
    return B(20) + seccion + B(4) + sNumeroDob(ejecucion, M, 10, 3, "mT->mkN", false) + B(7) +
           sNumeroDob(ejecucion, N, 10, 3, "T->kN", false);
}

std::vector<std::string> Bloque(const EstadoObra &estado, CasoCarga k, const std::string &nombre,
                                const std::string &titulos)
{
    const auto &M = estado.resultados.MomentosCaso[indice(k)];
    const auto &N = estado.resultados.AxilesCaso[indice(k)];
    const EstadoEjecucion &ej = estado.ejecucion;
    return {" ",
            " ",
            B(15) + "HIPOTESIS   " + sTextoFijo(nombre, 60),
            " ",
            B(20) + titulos,
            Fila(ej, "CLAVE   ", M[1], N[1]),
            Fila(ej, "RIÑONES ", M[2], N[2]),
            Fila(ej, "SOLERA  ", M[3], N[3])};
}

bool Contiene(const std::vector<std::string> &lineas, const std::string &texto)
{
    return std::any_of(lineas.begin(), lineas.end(),
                       [&](const std::string &l) { return l.find(texto) != std::string::npos; });
}

TEST(Ovaliz, ListadoNormalEnNuevaAltura)
{
    Entorno e;
    e.ListadoNormalNuevaAltura();
    ASSERT_FALSE(e.Analiza());
    const EstadoObra &s = e.estado;
    const std::string titulos = "SECCION     MOMENTO (m.t)      AXIL (t)";

    // Two new pages, each with its page header and number.
    EXPECT_EQ(s.listado.NumeroPagina, 6);
    EXPECT_EQ(e.impresora.pagina(), 3);
    EXPECT_TRUE(Contiene(e.impresora.lineas(2), "Pag.:    5"));
    EXPECT_TRUE(Contiene(e.impresora.lineas(3), "Pag.:    6"));
    EXPECT_TRUE(e.impresora.lineas(1).empty());

    std::vector<std::string> pagina2 = {
        B(9) + "  di        de      GAMMAH    GAMMAT  LAMBDA     Q        CUNA",
        B(9) + " (mm)      (mm)     (t/m3)    (t/m3)           (t/m2)",
        " ",
        B(5) + "      1000      1200     2.500     2.000  0.333     5.000 Hormigón 120º",
    };
    Anade(pagina2, Bloque(s, CasoCarga::CasoPesoPropio, "Peso propio", titulos));
    Anade(pagina2, Bloque(s, CasoCarga::CasoPesoFluido, "Peso del fluido", titulos));
    Anade(pagina2,
          Bloque(s, CasoCarga::CasoTierrasUnMetro, "Carga 1 metro de Tierras(total)", titulos));
    Anade(pagina2, Bloque(s, CasoCarga::CasoVerticalPura,
                          "Esfuerzos por Carga vertical pura por tierras", titulos));
    EXPECT_EQ(Cola(e.impresora.lineas(2), pagina2.size()), pagina2);

    std::vector<std::string> pagina3;
    Anade(pagina3, Bloque(s, CasoCarga::CasoMovil, "Carga Móvil", titulos));
    Anade(pagina3,
          Bloque(s, CasoCarga::CasoEmpujeConMovil, "Empuje lateral con carga móvil", titulos));
    Anade(pagina3,
          Bloque(s, CasoCarga::CasoEmpujeSinMovil, "Empuje Lateral sin carga móvil", titulos));
    Anade(pagina3, Bloque(s, CasoCarga::CasoTimpanos, "Carga de tímpanos", titulos));
    EXPECT_EQ(Cola(e.impresora.lineas(3), pagina3.size()), pagina3);

    // Cases 3, 6, 7 and 12 are never listed.
    for (const char *nombre : {"Carga Tierras", "Peso propio + Peso del fluido"}) {
        EXPECT_FALSE(Contiene(e.impresora.lineas(), "HIPOTESIS   " + std::string(nombre) + " "))
            << nombre;
    }

    // The fluid weight by hand: Ww = pi/4 t/m, Dm = 1.1 m, the concrete 120 degree row.
    const std::vector<std::string> fluido =
        Cola(std::vector<std::string>(pagina2.begin(), pagina2.begin() + 4 + 16), 3);
    EXPECT_EQ(fluido[0], B(20) + "CLAVE   " + B(4) + "     0.013" + B(7) + "     0.106");
    EXPECT_EQ(fluido[1], B(20) + "RIÑONES " + B(4) + "    -0.015" + B(7) + "     0.054");
    EXPECT_EQ(fluido[2], B(20) + "SOLERA  " + B(4) + "    -0.010" + B(7) + "     0.064");

    // The load-case titles alone are bold, the column titles under them alone underlined (the
    // underline switched on for that line and off right after it); the rule under the units,
    // 2 mm below the print position, with pen width 5.
    const std::vector<OperacionImpresora> &ops = e.impresora.operaciones();
    const std::string unidades = pagina2[1];
    const std::string columnas = B(20) + titulos;
    std::size_t rectas = 0;
    std::size_t subrayadas = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const OperacionImpresora &op = ops[i];
        if (op.tipo == TipoOperacion::Recta) {
            ++rectas;
            ASSERT_GE(i, 2U);
            EXPECT_EQ(ops[i - 2].texto, unidades);
            EXPECT_EQ(ops[i - 1].Describe(), "Lapiz 5");
            EXPECT_DOUBLE_EQ(op.valores[0], 18.0);
            EXPECT_DOUBLE_EQ(op.valores[2], 165.0);
            EXPECT_DOUBLE_EQ(op.valores[1], op.y + 2.0);
            EXPECT_DOUBLE_EQ(op.valores[3], op.y + 2.0);
            EXPECT_EQ(op.texto, "0");
            ASSERT_LT(i + 1, ops.size());
            EXPECT_EQ(ops[i + 1].texto, " ");
        }
        if (op.tipo != TipoOperacion::Linea) {
            continue;
        }
        if (op.texto == columnas) {
            ++subrayadas;
            ASSERT_GE(i, 1U);
            ASSERT_LT(i + 1, ops.size());
            EXPECT_EQ(ops[i - 1].Describe(), "Subrayado 1");
            EXPECT_EQ(ops[i + 1].Describe(), "Subrayado 0");
        }
        EXPECT_EQ(op.valores[2], op.texto == columnas ? 1.0 : 0.0) << op.texto;
        const bool titulo = op.texto.rfind(B(15) + "HIPOTESIS", 0) == 0;
        // The table's lines start with exactly twenty blanks.
        const bool propia =
            (op.texto.rfind(B(20), 0) == 0 && op.texto.size() > 20 && op.texto[20] != ' ') ||
            std::find(pagina2.begin(), pagina2.begin() + 4, op.texto) != pagina2.begin() + 4;
        if (titulo || (propia && op.texto.size() > 1)) {
            EXPECT_EQ(op.valores[1], titulo ? 1.0 : 0.0) << op.texto;
            EXPECT_DOUBLE_EQ(op.valores[0], 10.0) << op.texto;
        }
    }
    EXPECT_EQ(rectas, 1U);
    EXPECT_EQ(subrayadas, 8U); // one per listed load case
    EXPECT_FALSE(e.impresora.negrita());
    EXPECT_FALSE(e.impresora.subrayado());

    // Nothing on the screen; the debug lines as always.
    EXPECT_TRUE(e.salida.TextoPantalla().empty());
    EXPECT_EQ(e.depuracion.lineas().size(), 3U);
}

TEST(Ovaliz, ListadoNormalEnSI)
{
    Entorno e;
    e.ListadoNormalNuevaAltura();
    e.estado.ejecucion.SistemaUnidades = "SI";
    ASSERT_FALSE(e.Analiza());
    const std::vector<std::string> lineas = e.impresora.lineas(2);
    // Q in kN/m2 with two decimals; diameters whole millimetres as in MKS.
    const std::vector<std::string> cabecera = {
        B(9) + "  di        de      GAMMAH    GAMMAT  LAMBDA     Q        CUNA",
        B(9) + " (mm)      (mm)     (t/m3)    (t/m3)           (kN/m2)",
        " ",
        B(5) + "      1000      1200     2.500     2.000  0.333     50.00 Hormigón 120º",
    };
    const auto inicio = std::find(lineas.begin(), lineas.end(), cabecera[0]);
    ASSERT_NE(inicio, lineas.end());
    ASSERT_GE(std::distance(inicio, lineas.end()), 4 + 16);
    EXPECT_EQ(std::vector<std::string>(inicio, inicio + 4), cabecera);
    // Fluid weight (second block): m.kN and kN, values x 10 with two decimals.
    const std::vector<std::string> fluido(inicio + 4 + 8, inicio + 4 + 16);
    EXPECT_EQ(fluido[2], B(15) + "HIPOTESIS   " + sTextoFijo("Peso del fluido", 60));
    EXPECT_EQ(fluido[4], B(20) + "SECCION     MOMENTO(m.kN)      AXIL(kN)");
    EXPECT_EQ(fluido[5], B(20) + "CLAVE   " + B(4) + "      0.13" + B(7) + "      1.06");
    EXPECT_EQ(fluido[6], B(20) + "RIÑONES " + B(4) + "     -0.15" + B(7) + "      0.54");
    EXPECT_EQ(fluido[7], B(20) + "SOLERA  " + B(4) + "     -0.10" + B(7) + "      0.64");
}

TEST(Ovaliz, NombreYAnguloDeLaCuna)
{
    struct Caso {
        std::int16_t vICUNA;
        std::string final;
    };
    const std::vector<Caso> casos = {
        {1, "Granular  90º"}, {2, "Hormigón  90º"}, {3, "Hormigón 120º"}, {4, "Menor de  90º"}};
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.vICUNA);
        Entorno e;
        e.ListadoNormalNuevaAltura();
        e.estado.tramo.vICUNA = c.vICUNA;
        ASSERT_FALSE(e.Analiza());
        EXPECT_TRUE(Contiene(e.impresora.lineas(2), "     5.000 " + c.final));
    }
}

TEST(Ovaliz, NadaImpresoFueraDelListadoNormalEnNuevaAltura)
{
    struct Caso {
        std::string nombre;
        bool imprimiendo;
        ClaseListado tipo;
        bool nuevaAltura;
    };
    const std::vector<Caso> casos = {
        {"pantalla", false, ClaseListado::Normal, true},
        {"tabular", true, ClaseListado::Tabular, true},
        {"listado pantalla", true, ClaseListado::Pantalla, true},
        {"normal, no primer caso de la altura", true, ClaseListado::Normal, false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Entorno e;
        e.estado.listado.Imprimiendo = c.imprimiendo;
        e.estado.listado.TipoListado = c.tipo;
        e.estado.listado.NumeroPagina = 4;
        e.estado.caso.NuevaAltura = c.nuevaAltura;
        ASSERT_FALSE(e.Analiza());
        EXPECT_TRUE(e.impresora.operaciones().empty());
        EXPECT_TRUE(e.salida.TextoPantalla().empty());
        EXPECT_EQ(e.estado.listado.NumeroPagina, 4);
        EXPECT_EQ(e.depuracion.lineas().size(), 3U);
        EXPECT_NE(e.estado.resultados.MomentosCaso[1][1], 999.0);
        EXPECT_TRUE(e.estado.caso.NuevaAltura == c.nuevaAltura);
    }
}

// --- Data the ring analysis refuses -------------------------------------------------------------

TEST(Ovaliz, DatosNoValidosDevuelvenErrorSinNaN)
{
    struct Caso {
        std::string nombre;
        void (*prepara)(EstadoObra &);
    };
    const std::vector<Caso> datos = {
        {"relleno sin peso", [](EstadoObra &s) { s.tramo.vGAMAT = 0; }},
        {"cuna desconocida", [](EstadoObra &s) { s.tramo.vICUNA = 7; }},
        {"carga no numerica",
         [](EstadoObra &s) { s.caso.vQ = std::numeric_limits<double>::quiet_NaN(); }},
        {"exterior menor que interior", [](EstadoObra &s) { s.tramo.vDE = 0.9; }},
        {"carga de 1 m no numerica",
         [](EstadoObra &s) { s.caso.vQHUnMetro = std::numeric_limits<double>::infinity(); }},
    };
    struct Listado {
        std::string nombre;
        bool imprimiendo;
        ClaseListado tipo;
        bool nuevaAltura;
        bool impreso; // the message reaches the printer
    };
    const std::vector<Listado> listados = {
        {"pantalla", false, ClaseListado::Normal, true, false},
        {"normal nueva altura", true, ClaseListado::Normal, true, true},
        {"normal", true, ClaseListado::Normal, false, true},
        {"listado pantalla", true, ClaseListado::Pantalla, false, true},
        {"tabular", true, ClaseListado::Tabular, true, false},
    };
    for (const Caso &d : datos) {
        for (const Listado &l : listados) {
            SCOPED_TRACE(d.nombre + ", " + l.nombre);
            Entorno e;
            e.estado.listado.Imprimiendo = l.imprimiendo;
            e.estado.listado.TipoListado = l.tipo;
            e.estado.caso.NuevaAltura = l.nuevaAltura;
            d.prepara(e.estado);
            const DatosCaso antes = e.estado.caso;

            const ErrorCalculo error = e.Analiza();
            ASSERT_TRUE(error);
            EXPECT_EQ(error.mensaje.rfind("ERROR: Dentro de Ovaliz\n", 0), 0U) << error.mensaje;
            EXPECT_NE(error.mensaje.find("vDi vDE vGAMAB vGAMAT"), std::string::npos);

            for (std::size_t k = 1; k <= 12; ++k) {
                for (std::size_t s = 1; s <= 3; ++s) {
                    EXPECT_EQ(e.estado.resultados.MomentosCaso[k][s], 0.0);
                    EXPECT_EQ(e.estado.resultados.AxilesCaso[k][s], 0.0);
                }
            }
            EXPECT_EQ(Bits(e.estado.caso.vQ), Bits(antes.vQ));
            EXPECT_EQ(Bits(e.estado.caso.vQH), Bits(antes.vQH));
            EXPECT_EQ(Bits(e.estado.caso.CargaMovil), Bits(antes.CargaMovil));
            EXPECT_EQ(e.depuracion.lineas().size(), 3U);

            const std::vector<std::string> impresas = e.impresora.lineas();
            EXPECT_EQ(Contiene(impresas, B(9) + "ERROR: Dentro de Ovaliz"), l.impreso);
            EXPECT_FALSE(Contiene(impresas, "HIPOTESIS"));
            const bool enPantalla =
                e.salida.TextoPantalla().find("ERROR: Dentro de Ovaliz") != std::string::npos;
            EXPECT_EQ(enPantalla, !l.imprimiendo);
            if (l.tipo == ClaseListado::Tabular) {
                EXPECT_TRUE(e.impresora.operaciones().empty());
            }
        }
    }
}

// --- The debug file -----------------------------------------------------------------------------

class FicheroDepuracionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_carpeta = pruebas::CarpetaPrueba("dravek-depuracion");
        // The debug file makes its own folder.
        std::filesystem::remove(m_carpeta);
    }
    void TearDown() override { std::filesystem::remove_all(m_carpeta); }

    static std::string Lee(const std::string &ruta) { return pruebas::LeeFicheroPrueba(ruta); }

    std::filesystem::path m_carpeta;
};

TEST_F(FicheroDepuracionTest, AnadeLineasYEmpiezaDeNuevo)
{
    FicheroDepuracion fichero(m_carpeta.string());
    EXPECT_EQ(std::filesystem::path(fichero.Ruta()), m_carpeta / "Debugzuk_cal.txt");
    // The folder is made when missing.
    ASSERT_TRUE(fichero.Reinicia());
    EXPECT_EQ(Lee(fichero.Ruta()), "");
    fichero.EscribeLinea("uno");
    fichero.EscribeLinea("  dos");
    EXPECT_EQ(Lee(fichero.Ruta()), "uno\r\n  dos\r\n");

    // Another writer on the same folder appends.
    FicheroDepuracion otro(m_carpeta.string());
    otro.EscribeLinea("tres");
    EXPECT_EQ(Lee(fichero.Ruta()), "uno\r\n  dos\r\ntres\r\n");

    // A new calculation command starts the file afresh.
    ASSERT_TRUE(fichero.Reinicia());
    fichero.EscribeLinea("cuatro");
    EXPECT_EQ(Lee(fichero.Ruta()), "cuatro\r\n");
    EXPECT_EQ(fichero.LineasPerdidas(), 0);
}

TEST_F(FicheroDepuracionTest, UnaRutaSinEscrituraNoDetieneElCalculo)
{
    // A folder that is a file: nothing can be written under it, whoever runs the test.
    std::filesystem::create_directories(m_carpeta);
    const std::filesystem::path noCarpeta = m_carpeta / "no-es-carpeta";
    std::ofstream(noCarpeta) << "x";
    FicheroDepuracion fichero(noCarpeta.string());
    EXPECT_FALSE(fichero.Reinicia());
    fichero.EscribeLinea("perdida");
    EXPECT_EQ(fichero.LineasPerdidas(), 1);

    Entorno e;
    e.ListadoNormalNuevaAltura();
    ContextoCalculo contexto{e.estado, e.salida, fichero, e.diseno};
    ASSERT_FALSE(Ovaliz(contexto, Entorno::vLANDA, 1));
    EXPECT_EQ(fichero.LineasPerdidas(), 4);
    EXPECT_NE(e.estado.resultados.MomentosCaso[1][1], 999.0);
    EXPECT_TRUE(Contiene(e.impresora.lineas(), B(15) + "HIPOTESIS   Peso propio"));

    // Starting afresh forgets the count even when the file still cannot be made.
    EXPECT_FALSE(fichero.Reinicia());
    EXPECT_EQ(fichero.LineasPerdidas(), 0);
}

TEST_F(FicheroDepuracionTest, OvalizEscribeEnElFichero)
{
    FicheroDepuracion fichero(m_carpeta.string());
    ASSERT_TRUE(fichero.Reinicia());
    Entorno e;
    ContextoCalculo contexto{e.estado, e.salida, fichero, e.diseno};
    ASSERT_FALSE(Ovaliz(contexto, Entorno::vLANDA, 1));
    ASSERT_FALSE(Ovaliz(contexto, Entorno::vLANDA, 2));
    const std::string texto = Lee(fichero.Ruta());
    // Three lines per case, appended.
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\n'), 6);
    EXPECT_EQ(std::count(texto.begin(), texto.end(), '\r'), 6);
    EXPECT_EQ(texto.rfind(B(9) + "Dentro de Ovaliz ", 0), 0U);
}

} // namespace
} // namespace dravek
