// Whole calculations of one reinforced-concrete run, as the commands run them: the screen
// listing and the three printed kinds, in MKS and in SI. The designs are stood in for by a design
// that lists a few lines per case by the real design's paging rules (tests/apoyo/TramoPrueba.h).

#include "apoyo/DepuracionGrabadora.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/TextoPrueba.h"
#include "apoyo/TramoPrueba.h"
#include "core/engine/CalculaCasos.h"
#include "core/engine/mdMarston.h"
#include "core/listing/FormatoNumeros.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/model/TextoRecurso.h"
#include "core/plataforma/Impresora.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Anade;
using pruebas::CasoListado;
using pruebas::OperacionImpresora;
using pruebas::TipoOperacion;

constexpr double Tolerancia = 1e-9;
const std::string Ruta = "/opt/dravek/";
const std::string Separador(70, '=');
const std::string ITIT = "TRAMO 3 - CRUCE DE LA CARRETERA";

std::string B(std::size_t n)
{
    return std::string(n, ' ');
}

// ASCII text padded to a width.
std::string Relleno(const std::string &texto, std::size_t ancho)
{
    return texto + B(ancho > texto.size() ? ancho - texto.size() : 0);
}

std::string Derecha(const std::string &texto, std::size_t ancho)
{
    return B(ancho > texto.size() ? ancho - texto.size() : 0) + texto;
}

std::vector<std::string> Renglones(const std::string &texto)
{
    std::vector<std::string> renglones;
    std::istringstream flujo(texto);
    for (std::string renglon; std::getline(flujo, renglon);) {
        renglones.push_back(renglon);
    }
    return renglones;
}

bool Tiene(const std::vector<std::string> &lineas, const std::string &linea)
{
    return std::find(lineas.begin(), lineas.end(), linea) != lineas.end();
}

std::size_t CuentaQueEmpiezan(const std::vector<std::string> &lineas, const std::string &inicio)
{
    return static_cast<std::size_t>(
        std::count_if(lineas.begin(), lineas.end(),
                      [&](const std::string &l) { return l.rfind(inicio, 0) == 0; }));
}

// No number that could not be formatted ("nan", "inf", or the asterisks a non-finite field is
// filled with) and no text missing from the table. The rule of asterisks of the Tabular table
// heading is the only run of asterisks a listing has.
void EsperaListadoLimpio(const std::vector<std::string> &lineas)
{
    const std::string reglaTabla = B(5) + std::string(69, '*');
    for (const std::string &linea : lineas) {
        EXPECT_EQ(linea.find("Falta Recurso"), std::string::npos) << linea;
        if (linea != reglaTabla) {
            EXPECT_EQ(linea.find('*'), std::string::npos) << linea;
        }
        std::istringstream palabras(linea);
        for (std::string palabra; palabras >> palabra;) {
            std::transform(palabra.begin(), palabra.end(), palabra.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            for (const char *malo : {"nan", "-nan", "inf", "-inf"}) {
                EXPECT_NE(palabra, malo) << linea;
            }
        }
    }
}

// --- The cases of the run, by hand ------------------------------------------------------------

// Fill heights 1, 2, 3 m; DP 4, 7, 10 at with MDP = 1.1 DP; Di 1000 mm, so PP = max(1.2 MDP,
// MDP + 2); water hammer estimated, so STP = min(1.5 MDP, MDP + 5).
struct CasoEsperado {
    std::int32_t numero;
    double altura;           // m
    double DP, MDP, PP, STP; // at
};

std::vector<CasoEsperado> CasosEsperados(int alturas)
{
    struct Presiones {
        double DP, MDP, PP, STP;
    };
    const std::vector<Presiones> presiones = {
        {4, 4.4, 6.4, 6.6},   // PP = 4.4 + 2; STP = 1.5 x 4.4
        {7, 7.7, 9.7, 11.55}, // PP = 7.7 + 2; STP = 1.5 x 7.7
        {10, 11, 13.2, 16},   // PP = 1.2 x 11; STP = 11 + 5
    };
    std::vector<CasoEsperado> casos;
    for (int h = 1; h <= alturas; ++h) {
        std::int32_t numero = 1;
        for (const Presiones &p : presiones) {
            casos.push_back({numero++, static_cast<double>(h), p.DP, p.MDP, p.PP, p.STP});
        }
    }
    return casos;
}

// What the listings show of the run in each unit system. "at->MPa" shows at with one decimal
// more in MKS and MPa, the value / 10, with two more in SI; "Kp/cm2->MPa" the strength / 10 with
// one more; the load table and the ring heading's Q show kN, the value x 10, in SI. Every SI
// text below is its MKS neighbour converted so.
struct Sistema {
    const char *nombre;
    bool enSI;
    std::vector<std::string> DP;         // titles and page headers (width 6, 1 decimal)
    std::vector<std::string> MDP;        // the same
    std::vector<std::string> DPDiseno;   // the design's pressure lines (width 6, 1 decimal)
    std::vector<std::string> STP;        // the same
    std::vector<std::string> PP;         // the same
    std::vector<std::string> DPCabecera; // the case heading's DP (width 7, 2 decimals)
    std::vector<std::string> DPTabla;    // the Tabular row (width 7, 1 decimal, no unit)
    std::string FCK;                     // materials line (width 9, 0 decimals)
    std::string FilaCargas2;             // load table row of 2 m (values in t or x 10 kN)
    std::string Q2;                      // ring heading Q of 2 m (t/m2, or x 10 kN/m2)
};

const std::vector<Sistema> &Sistemas()
{
    static const std::vector<Sistema> sistemas = {
        {"MKS",
         false,
         {"4.00 at", "7.00 at", "10.00 at"},
         {"4.40 at", "7.70 at", "11.00 at"},
         {"  4.00 at", "  7.00 at", " 10.00 at"},
         {"  6.60 at", " 11.55 at", " 16.00 at"},
         {"  6.40 at", "  9.70 at", " 13.20 at"},
         {"  4.000 at", "  7.000 at", " 10.000 at"},
         {"   4.00", "   7.00", "  10.00"},
         "      350 kp/cm2",
         // By hand at H = 2 m (B = 2.416 m, Bc = 1.24 m, K mu' = 0.15, 2K mu = 0.3849): trench
         // earth load 3.953 t/m (3.188 t/m2), embankment condition 6.165 t/m (4.972 t/m2), so
         // the trench load is adopted; axle of 13 t: q = 13 / (1.54 x 4 + 3.92 x 2 + 0.52) =
         // 0.8953 t/m2, impact 1.15, 1.277 t/m (1.030 t/m2); total 5.230 t/m, 4.217 t/m2.
         "         2.00     3.2     4.0     5.0     6.2     3.2     4.0     1.0     1.3     4.2"
         "     5.2",
         "     4.217"},
        {"SI",
         true,
         {"0.400 MPa", "0.700 MPa", "1.000 MPa"},
         {"0.440 MPa", "0.770 MPa", "1.100 MPa"},
         {" 0.400 MPa", " 0.700 MPa", " 1.000 MPa"},
         {" 0.660 MPa", " 1.155 MPa", " 1.600 MPa"},
         {" 0.640 MPa", " 0.970 MPa", " 1.320 MPa"},
         {" 0.4000 MPa", " 0.7000 MPa", " 1.0000 MPa"},
         {"  0.400", "  0.700", "  1.000"},
         "     35.0 MPa",
         "         2.00    31.9    39.5    49.7    61.7    31.9    39.5    10.3    12.8    42.2"
         "    52.3",
         "     42.17"},
    };
    return sistemas;
}

// --- One calculation ---------------------------------------------------------------------------

struct Listado {
    explicit Listado(bool enSI, std::int32_t lineasPantalla = 6) : diseno(lineasPantalla)
    {
        pruebas::PreparaTramoArmado(estado, enSI, Ruta);
        entrada = estado;
    }

    ErrorCalculo Imprime(ClaseListado tipo)
    {
        return pruebas::ImprimeTramo(contexto, tipo, finDocumento);
    }

    // Pages of the document the printer was handed (the end of the document counts on the last).
    int Paginas() const
    {
        const std::vector<OperacionImpresora> &ops = impresora.operaciones();
        return ops.empty() ? 0 : ops.back().pagina;
    }

    EstadoObra estado;
    EstadoObra entrada; // the run as entered, before any calculation
    pruebas::ImpresoraGrabadora impresora;
    pruebas::RelojFijo reloj;
    SalidaListado salida{reloj, impresora};
    pruebas::DepuracionGrabadora depuracion;
    pruebas::DisenoCasoBreve diseno;
    ContextoCalculo contexto{estado, salida, depuracion, diseno};
    int finDocumento = -1;
};

// The design saw every case of the run, in order, with the pressures of the hand calculation.
void EsperaCasos(const std::vector<CasoListado> &casos, int alturas)
{
    const std::vector<CasoEsperado> esperados = CasosEsperados(alturas);
    ASSERT_EQ(casos.size(), esperados.size());
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        SCOPED_TRACE("caso " + std::to_string(i + 1));
        const CasoEsperado &e = esperados[i];
        EXPECT_EQ(casos[i].numeroCaso, e.numero);
        EXPECT_DOUBLE_EQ(casos[i].AlturaActual, e.altura);
        EXPECT_NEAR(casos[i].DP, e.DP, Tolerancia);
        EXPECT_NEAR(casos[i].MDP, e.MDP, Tolerancia);
        EXPECT_NEAR(casos[i].PP, e.PP, Tolerancia);
        EXPECT_NEAR(casos[i].STP, e.STP, Tolerancia);
    }
}

// After the calculation the run is as it was entered: geometry in cm, the cradle code of the
// data-entry window, pressures and strengths in the units of the screen, the run's range.
void EsperaValoresDeEntrada(const EstadoObra &e, const EstadoObra &entrada)
{
    EXPECT_FALSE(e.ejecucion.EnUnidadesCalculo);
    const DatosTramo &t = e.tramo;
    const DatosTramo &a = entrada.tramo;
    const DatosObra &o = e.obra;
    const DatosObra &p = entrada.obra;
    // Fct comes back as the calculation used it: 0.45 x fck^(2/3) with fck in kp/cm2, in SI
    // converted to MPa (2.23 MPa for 35 MPa).
    const bool enSI = e.ejecucion.SistemaUnidades == "SI";
    const double FctUsado =
        enSI ? 0.45 * std::cbrt(std::pow(a.FCK * FactorTensiones, 2)) / FactorTensiones : a.Fct;
    struct Valor {
        const char *nombre;
        double obtenido, esperado;
    };
    const std::vector<Valor> valores = {
        {"ESP", t.ESP, a.ESP},
        {"RECI", t.RECI, a.RECI},
        {"RECE", t.RECE, a.RECE},
        {"Delca", t.Delca, a.Delca},
        {"vDi", t.vDi, a.vDi},
        {"vDE", t.vDE, a.vDE},
        {"DPInicialTramo", t.DPInicialTramo, a.DPInicialTramo},
        {"DPFinalTramo", t.DPFinalTramo, a.DPFinalTramo},
        {"IncrementoPresionTramo", t.IncrementoPresionTramo, a.IncrementoPresionTramo},
        {"MDPInicialTramo", t.MDPInicialTramo, a.MDPInicialTramo},
        {"MDPFinalTramo", t.MDPFinalTramo, a.MDPFinalTramo},
        {"DPInicialObra", o.DPInicialObra, p.DPInicialObra},
        {"DPFinalObra", o.DPFinalObra, p.DPFinalObra},
        {"IncrementoPresionObra", o.IncrementoPresionObra, p.IncrementoPresionObra},
        {"MDPInicialObra", o.MDPInicialObra, p.MDPInicialObra},
        {"MDPFinalObra", o.MDPFinalObra, p.MDPFinalObra},
        {"FCK", t.FCK, a.FCK},
        {"Fct", t.Fct, FctUsado},
        {"Fyk", t.Fyk, a.Fyk},
        {"Fyd", t.Fyd, a.Fyd},
        {"CargaVerticalTotal", t.CargaVerticalTotal, a.CargaVerticalTotal},
        {"AlturaInicialTramo", t.AlturaInicialTramo, a.AlturaInicialTramo},
        {"AlturaFinalTramo", t.AlturaFinalTramo, a.AlturaFinalTramo},
        {"IncrementoAltura", t.IncrementoAltura, a.IncrementoAltura},
        {"AlturaInicial", e.calculo.AlturaInicial, a.AlturaInicialTramo},
        {"AlturaFinal", e.calculo.AlturaFinal, a.AlturaFinalTramo},
        {"AnchoZanja", t.AnchoZanja, a.AnchoZanja},
    };
    for (const Valor &v : valores) {
        EXPECT_DOUBLE_EQ(v.obtenido, v.esperado) << v.nombre;
    }
    EXPECT_EQ(t.vICUNA, a.vICUNA);
    EXPECT_EQ(t.CodigoColocacion, a.CodigoColocacion);
    EXPECT_EQ(t.TipoCargaConcentrada, a.TipoCargaConcentrada);
    // The geometry as entered stays where the adjustment window reads it.
    EXPECT_DOUBLE_EQ(e.calculo.EspesorTramo, a.ESP);
    EXPECT_DOUBLE_EQ(e.calculo.RecubrimientoInteriorTramo, a.RECI);
    EXPECT_DOUBLE_EQ(e.calculo.RecubrimientoExteriorTramo, a.RECE);
    EXPECT_EQ(e.calculo.TipoCunaTramo, a.vICUNA);
}

// --- Screen listing ----------------------------------------------------------------------------

std::string TituloPantalla(const Sistema &s, std::int32_t numero, std::size_t presion)
{
    return "  CALCULANDO EL CASO : " + std::to_string(numero) + "/   3  DP: " + s.DP[presion] +
           "      MDP: " + s.MDP[presion];
}

TEST(ListadoTramo, PantallaDelTramo)
{
    for (const Sistema &s : Sistemas()) {
        SCOPED_TRACE(s.nombre);
        Listado l(s.enSI);
        ASSERT_FALSE(pruebas::CalculaEnPantalla(l.contexto));

        EsperaCasos(l.diseno.casos(), 3);
        EXPECT_TRUE(l.impresora.operaciones().empty());
        EXPECT_EQ(l.depuracion.lineas().size(), 9U * 3U); // three lines per ring analysis

        // Nine cases, each its title first and its separator with two line ends last; nothing
        // of the run data report or the ring analysis before the first title.
        const std::string &texto = l.salida.TextoPantalla();
        std::vector<std::string> bloques;
        const std::string fin = Separador + "\n\n";
        for (std::size_t inicio = 0; inicio < texto.size();) {
            const std::size_t final = texto.find(fin, inicio);
            ASSERT_NE(final, std::string::npos) << texto.substr(inicio);
            bloques.push_back(texto.substr(inicio, final - inicio));
            inicio = final + fin.size();
        }
        const std::vector<CasoEsperado> casos = CasosEsperados(3);
        ASSERT_EQ(bloques.size(), casos.size());
        for (std::size_t i = 0; i < casos.size(); ++i) {
            SCOPED_TRACE("caso " + std::to_string(i + 1));
            const std::vector<std::string> lineas = Renglones(bloques[i]);
            ASSERT_FALSE(lineas.empty());
            EXPECT_EQ(lineas.front(), TituloPantalla(s, casos[i].numero, i % 3));
            EXPECT_EQ(CuentaQueEmpiezan(lineas, "  CALCULANDO EL CASO"), 1U);
            // The case heading with its height and pressure, the five hypotheses' forces, the
            // design's lines, in that order.
            const auto posicion = [&](const std::string &linea) {
                return std::find(lineas.begin(), lineas.end(), linea) - lineas.begin();
            };
            const std::string altura =
                "  Altura del relleno :   " + std::to_string(static_cast<int>(casos[i].altura)) +
                ".00 m";
            const std::string presion = "  Presión interior   :" + s.DPCabecera[i % 3];
            const std::string stp = B(23) + "STP   = " + s.STP[i % 3];
            ASSERT_TRUE(Tiene(lineas, altura));
            ASSERT_TRUE(Tiene(lineas, presion));
            ASSERT_TRUE(Tiene(lineas, stp));
            EXPECT_LT(posicion(altura), posicion(presion));
            EXPECT_EQ(CuentaQueEmpiezan(lineas, "   HIPOTESIS : "), 5U);
            EXPECT_LT(posicion(presion), posicion(stp));
            EXPECT_TRUE(Tiene(lineas, B(23) + "PP    = " + s.PP[i % 3]));
        }
        EsperaListadoLimpio(Renglones(texto));
        EsperaValoresDeEntrada(l.estado, l.entrada);
    }
}

// --- Normal printed listing --------------------------------------------------------------------

std::string LineaPagina(int pagina)
{
    return B(49) + "Pag.:" + Derecha(std::to_string(pagina), 5);
}

std::string LineaAltura(int altura)
{
    return B(8) + Relleno(ITIT, 40) + B(24) + "HR= " + std::to_string(altura) + ".000 m";
}

// Two pages of run data report; then for each fill height the two pages of the ring analysis
// and one page per case of the design.
struct PaginaNormal {
    enum Clase { Informe, Anillo, CasosCarga, Caso } clase;
    int altura = 0;
    std::size_t presion = 0; // index of the case's DP
};

std::vector<PaginaNormal> PaginasNormales()
{
    std::vector<PaginaNormal> paginas = {{PaginaNormal::Informe}, {PaginaNormal::Informe}};
    for (int h = 1; h <= 3; ++h) {
        paginas.push_back({PaginaNormal::Anillo, h});
        paginas.push_back({PaginaNormal::CasosCarga, h});
        for (std::size_t p = 0; p < 3; ++p) {
            paginas.push_back({PaginaNormal::Caso, h, p});
        }
    }
    return paginas;
}

std::vector<std::string> CasosCargaListados(const std::vector<std::string> &lineas)
{
    std::vector<std::string> nombres;
    const std::string inicio = B(15) + "HIPOTESIS   ";
    for (const std::string &linea : lineas) {
        if (linea.rfind(inicio, 0) == 0) {
            std::string nombre = linea.substr(inicio.size());
            nombre.erase(nombre.find_last_not_of(' ') + 1);
            nombres.push_back(nombre);
        }
    }
    return nombres;
}

TEST(ListadoTramo, ListadoNormal)
{
    const std::vector<PaginaNormal> paginas = PaginasNormales();
    for (const Sistema &s : Sistemas()) {
        SCOPED_TRACE(s.nombre);
        Listado l(s.enSI);
        ASSERT_FALSE(l.Imprime(ClaseListado::Normal));
        EXPECT_EQ(l.finDocumento, SinErrorImpresora);
        EsperaCasos(l.diseno.casos(), 3);

        const std::vector<OperacionImpresora> &ops = l.impresora.operaciones();
        ASSERT_FALSE(ops.empty());
        EXPECT_EQ(ops.front().Describe(), "Orientacion 1");
        EXPECT_EQ(ops.back().tipo, TipoOperacion::FinDocumento);
        ASSERT_EQ(l.Paginas(), static_cast<int>(paginas.size())); // 2 + 3 x (2 + 3) = 17
        EXPECT_EQ(l.estado.listado.NumeroPagina, 17);
        EXPECT_TRUE(l.salida.TextoPantalla().empty());

        const std::string titulo =
            B(10) + "ABASTECIMIENTO DE AGUA A LA COMARCA DEL CAMPO - CONDUCCIÓN PRINCIPAL" + B(4);
        const std::string cliente = B(10) + "Cliente: " + Relleno("MANCOMUNIDAD DE AGUAS", 40) +
                                    B(3) + "FECHA: 05/03/2024 09:41";
        for (std::size_t i = 0; i < paginas.size(); ++i) {
            const int pagina = static_cast<int>(i + 1);
            const PaginaNormal &p = paginas[i];
            SCOPED_TRACE("página " + std::to_string(pagina));
            const std::vector<std::string> lineas = l.impresora.lineas(pagina);

            // Every page has its header with its own number, in order.
            EXPECT_EQ(CuentaQueEmpiezan(lineas, B(49) + "Pag.:"), 1U);
            EXPECT_TRUE(Tiene(lineas, LineaPagina(pagina)));
            // The full header (title, client and date) on the first page only.
            EXPECT_EQ(Tiene(lineas, titulo), pagina == 1);
            EXPECT_EQ(Tiene(lineas, cliente), pagina == 1);
            // The context line: the run on the report pages, the fill height afterwards, and on
            // a design page the case with its pressures.
            EXPECT_EQ(Tiene(lineas, B(8) + Relleno(ITIT, 40)), p.clase == PaginaNormal::Informe);
            EXPECT_EQ(Tiene(lineas, LineaAltura(p.altura)), p.clase != PaginaNormal::Informe);
            const std::string caso = B(8) + "CASO NUMERO " + std::to_string(p.presion + 1) +
                                     "/   3 :      DP: " + s.DP[p.presion] +
                                     "     MDP: " + s.MDP[p.presion];
            EXPECT_EQ(Tiene(lineas, caso), p.clase == PaginaNormal::Caso);
            EXPECT_EQ(CuentaQueEmpiezan(lineas, B(8) + "CASO NUMERO"),
                      p.clase == PaginaNormal::Caso ? 1U : 0U);

            // The ring analysis of each height: its heading and load cases 1, 2, 8 and 11, then
            // on the next page load cases 4, 5, 10 and 9.
            const bool cabeceraAnillo = Tiene(lineas, B(9) + Texto(0, 654));
            EXPECT_EQ(cabeceraAnillo, p.clase == PaginaNormal::Anillo);
            std::vector<std::string> esperados;
            if (p.clase == PaginaNormal::Anillo) {
                esperados = {"Peso propio", "Peso del fluido", "Carga 1 metro de Tierras(total)",
                             "Esfuerzos por Carga vertical pura por tierras"};
            } else if (p.clase == PaginaNormal::CasosCarga) {
                esperados = {"Carga Móvil", "Empuje lateral con carga móvil",
                             "Empuje Lateral sin carga móvil", "Carga de tímpanos"};
            }
            EXPECT_EQ(CasosCargaListados(lineas), esperados);

            // The design's pressures on the page of its case.
            EXPECT_EQ(Tiene(lineas, B(23) + "STP   = " + s.STP[p.presion]),
                      p.clase == PaginaNormal::Caso);
            EXPECT_EQ(Tiene(lineas, B(23) + "PP    = " + s.PP[p.presion]),
                      p.clase == PaginaNormal::Caso);
        }

        // The page headers' page lines are bold at 14 points.
        for (const OperacionImpresora &op : ops) {
            if (op.tipo == TipoOperacion::Linea && op.texto.find("Pag.:") != std::string::npos) {
                EXPECT_EQ(op.valores[0], 14.0);
                EXPECT_EQ(op.valores[1], 1.0);
            }
        }

        // First page: the run data report, materials in the units of the project.
        const std::vector<std::string> pagina1 = l.impresora.lineas(1);
        EXPECT_TRUE(Tiene(pagina1, B(8) + Texto(0, 336) + s.FCK));
        EXPECT_TRUE(Tiene(pagina1, B(8) + "Tipo de cuna       :  Granular  90º"));
        // Its three pictures: the pipe level with the pipe-kind line, the cradle and the
        // installation side by side under the installation line.
        std::vector<const OperacionImpresora *> imagenes;
        for (const OperacionImpresora &op : ops) {
            if (op.tipo == TipoOperacion::Imagen || op.tipo == TipoOperacion::ImagenEnRectangulo) {
                imagenes.push_back(&op);
            }
        }
        ASSERT_EQ(imagenes.size(), 3U);
        EXPECT_EQ(imagenes[0]->texto, Ruta + "Lur2110.bmp");
        EXPECT_EQ(imagenes[1]->texto, Ruta + "CUNAA90.BMP");
        EXPECT_EQ(imagenes[2]->texto, Ruta + "Zanja2a.bmp");
        const std::vector<double> x = {138, 17, 81};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(imagenes[i]->pagina, 1);
            EXPECT_DOUBLE_EQ(imagenes[i]->valores[0], x[i]);
        }
        EXPECT_DOUBLE_EQ(imagenes[1]->valores[1], imagenes[2]->valores[1]);
        EXPECT_LT(imagenes[0]->valores[1], imagenes[1]->valores[1]);
        const auto tipoTubo =
            std::find_if(ops.begin(), ops.end(), [](const OperacionImpresora &o) {
                return o.texto.rfind(B(8) + "TIPO DE TUBO : ", 0) == 0;
            });
        ASSERT_NE(tipoTubo, ops.end());
        EXPECT_DOUBLE_EQ(imagenes[0]->valores[1], tipoTubo->y);

        // Second page: the load table, for 1 m without live load and the three heights.
        const std::vector<std::string> pagina2 = l.impresora.lineas(2);
        EXPECT_TRUE(Tiene(pagina2, B(8) + "Coeficiente de impacto :  1.30")); // 1 + 0.3 / 1
        std::vector<std::string> alturasTabla;
        for (const std::string &linea : pagina2) {
            if (linea.size() > 13 && linea.compare(0, 9, B(9)) == 0 && linea[10] == '.' &&
                linea.compare(13, 1, " ") == 0) {
                alturasTabla.push_back(linea.substr(9, 4));
            }
        }
        EXPECT_EQ(alturasTabla, (std::vector<std::string>{"1.00", "1.00", "2.00", "3.00"}));
        EXPECT_TRUE(Tiene(pagina2, s.FilaCargas2));

        // The ring analysis heading of 2 m carries that height's load.
        EXPECT_TRUE(Tiene(l.impresora.lineas(8), B(5) +
                                                     "      1000      1240     2.500     1.800" +
                                                     "  0.333" + s.Q2 + " Granular  90º"));

        EsperaListadoLimpio(l.impresora.lineas());
        EsperaValoresDeEntrada(l.estado, l.entrada);
    }
}

// The load the ring analysis gets at 2 m is the Marston routine's W / Bc for that height, which
// agrees with the hand calculation above.
TEST(ListadoTramo, CargaDeUnaAlturaComoLaDeMarston)
{
    Listado l(false);
    ASSERT_FALSE(pruebas::CalculaEnPantalla(l.contexto));
    const DatosTramo &t = l.entrada.tramo;
    EntradaMarston entrada;
    entrada.Altura = 2;
    entrada.AnchoZanja = t.AnchoZanja;
    entrada.DistanciaTerrenoNatural = t.DistanciaTerrenoNatural;
    entrada.PesoEspecificoRelleno = t.vGAMAT;
    entrada.AnguloRozamiento = t.AnguloRozamiento;
    entrada.CodigoColocacion = t.CodigoColocacion;
    entrada.CodigoRelleno = t.TipoRelleno;
    entrada.RazonAsentamiento = t.IndiceAsentamiento;
    entrada.TipoCargaMovil = t.TipoCargaConcentrada;
    entrada.DiametroExterior = t.vDE;
    const ResultadoMarston cargas = CalculaCargasMarston(entrada);
    ASSERT_EQ(cargas.Error, ErrorMarston::Ninguno);
    EXPECT_NEAR(cargas.W / t.vDE, 4.2174, 5e-4); // by hand
    for (const CasoListado &caso : l.diseno.casos()) {
        if (caso.AlturaActual == 2.0) {
            EXPECT_DOUBLE_EQ(caso.vQ, cargas.W / t.vDE);
        }
    }
}

// --- Tabular printed listing -------------------------------------------------------------------

std::vector<std::string> LineaPaginaTabular(int pagina)
{
    return {" ", " ", " ", " ", B(100) + "Pag.:" + Derecha(std::to_string(pagina), 5), " "};
}

std::vector<std::string> CabeceraTabla(bool enSI)
{
    return {B(5) + Texto(0, 256), B(5) + Texto(0, 257), B(5) + Texto(0, 258),
            B(5) + Texto(0, enSI ? 259 : 260), B(5) + std::string(69, '*')};
}

// The rows of one height: its height on the first only, then two blank lines.
std::vector<std::string> FilasAltura(const Sistema &s, int altura)
{
    std::vector<std::string> filas;
    for (std::size_t p = 0; p < 3; ++p) {
        const std::string campo = p == 0 ? Derecha(std::to_string(altura) + ".00", 6) : B(6);
        filas.push_back(B(5) + campo + B(2) + s.DPTabla[p]);
    }
    filas.push_back(" ");
    filas.push_back(" ");
    return filas;
}

TEST(ListadoTramo, ListadoTabular)
{
    for (const Sistema &s : Sistemas()) {
        SCOPED_TRACE(s.nombre);
        Listado l(s.enSI);
        // Eight heights: more rows than the first page's budget of 50 lines holds.
        l.estado.tramo.AlturaFinalTramo = 8;
        l.entrada.tramo.AlturaFinalTramo = 8;
        ASSERT_FALSE(l.Imprime(ClaseListado::Tabular));
        EXPECT_EQ(l.finDocumento, SinErrorImpresora);
        EsperaCasos(l.diseno.casos(), 8);

        // Landscape from the first operation on.
        const std::vector<OperacionImpresora> &ops = l.impresora.operaciones();
        ASSERT_FALSE(ops.empty());
        EXPECT_EQ(ops.front().Describe(), "Orientacion 2");
        ASSERT_EQ(l.Paginas(), 2);
        EXPECT_EQ(l.estado.listado.NumeroPagina, 2);

        // Page 1: the page line, the run's block, the table heading and six heights, which
        // spend the 50 lines exactly (6 + 9 + 5 + 6 x 5).
        std::vector<std::string> pagina1 = LineaPaginaTabular(1);
        Anade(pagina1,
              {B(5) + "TIPO DE TUBO : hormigón armado con camisa" + B(27), " ",
               B(5) + Texto(0, 373), B(5) + Texto(0, 374), B(5) + Texto(0, 375),
               B(5) + std::string(127, '-'),
               B(4) + "   3" + B(3) + "   1000" + "    120" + "     25" + B(2) + "     25" + B(4) +
                   "Granular  90º " + B(1) + Relleno("Zanja, relleno compactado", 38) + B(3) +
                   "  2.416" + B(1) + "(0,150)" + B(1) + "Eje de 13 Tonel",
               " ", " "});
        Anade(pagina1, CabeceraTabla(s.enSI));
        for (int h = 1; h <= 6; ++h) {
            Anade(pagina1, FilasAltura(s, h));
        }
        EXPECT_EQ(pagina1.size(), 50U);
        EXPECT_EQ(l.impresora.lineas(1), pagina1);

        // Page 2: the row of the seventh height found the budget spent: a page line and the
        // table heading again, the height shown on its first row.
        std::vector<std::string> pagina2 = LineaPaginaTabular(2);
        Anade(pagina2, CabeceraTabla(s.enSI));
        Anade(pagina2, FilasAltura(s, 7));
        Anade(pagina2, FilasAltura(s, 8));
        EXPECT_EQ(l.impresora.lineas(2), pagina2);
        // 50 - 6 - 5 for the headings, two rows and two blank lines per height after the
        // first row.
        EXPECT_EQ(l.estado.listado.LineasRestantes, 30);

        // One new page, no pictures, no rules (no case separators), nothing on the screen.
        std::size_t nuevas = 0;
        for (const OperacionImpresora &op : ops) {
            nuevas += op.tipo == TipoOperacion::NuevaPagina ? 1U : 0U;
            EXPECT_NE(op.tipo, TipoOperacion::Imagen);
            EXPECT_NE(op.tipo, TipoOperacion::Recta);
        }
        EXPECT_EQ(nuevas, 1U);
        EXPECT_TRUE(l.salida.TextoPantalla().empty());
        EsperaListadoLimpio(l.impresora.lineas());
        EsperaValoresDeEntrada(l.estado, l.entrada);
    }
}

// --- Pantalla printed listing ------------------------------------------------------------------

std::vector<std::string> TituloPantallaImpreso(const Sistema &s, std::int32_t numero,
                                               std::size_t presion)
{
    return {" ", " ", " ",
            B(9) + "CASO NUMERO: " + std::to_string(numero) + "/   3 : " + Relleno(ITIT, 40),
            B(31) + "DP: " + s.DP[presion] + B(6) + "MDP: " + s.MDP[presion]};
}

TEST(ListadoTramo, ListadoPantalla)
{
    for (const Sistema &s : Sistemas()) {
        SCOPED_TRACE(s.nombre);
        Listado l(s.enSI);
        ASSERT_FALSE(l.Imprime(ClaseListado::Pantalla));
        EXPECT_EQ(l.finDocumento, SinErrorImpresora);
        const std::vector<CasoEsperado> casos = CasosEsperados(3);
        EsperaCasos(l.diseno.casos(), 3);

        // The first case fits on the empty page; after a case the count stands at 60, so every
        // case opens a page of its own with its title.
        ASSERT_EQ(l.Paginas(), 9);
        EXPECT_EQ(l.estado.listado.LineasImpresas, 60);
        for (std::size_t i = 0; i < casos.size(); ++i) {
            const int pagina = static_cast<int>(i + 1);
            SCOPED_TRACE("página " + std::to_string(pagina));
            const std::vector<std::string> lineas = l.impresora.lineas(pagina);
            const std::vector<std::string> titulo =
                TituloPantallaImpreso(s, casos[i].numero, i % 3);
            ASSERT_GE(lineas.size(), titulo.size());
            EXPECT_EQ(std::vector<std::string>(lineas.begin(), lineas.begin() + 5), titulo);
            // The case heading with its height and DP, the forces of the five hypotheses.
            EXPECT_TRUE(Tiene(lineas, B(4) + "  Altura del relleno :   " +
                                          std::to_string(static_cast<int>(casos[i].altura)) +
                                          ".00 m"));
            EXPECT_TRUE(Tiene(lineas, B(4) + "  Presión interior   :" + s.DPCabecera[i % 3]));
            EXPECT_EQ(CuentaQueEmpiezan(lineas, B(6) + "MDP + TIERRAS "), 1U);
            // The design's block of the 6 lines it reserved, then the separator's line:
            // 5 + 20 + 6 + 1 lines.
            EXPECT_TRUE(Tiene(lineas, B(23) + "STP   = " + s.STP[i % 3]));
            EXPECT_EQ(lineas.back(), " ");
            EXPECT_EQ(lineas.size(), 32U);
        }

        // The separator of each case: a rule across the page 3 mm under the print position
        // with pen width 5, then one blank line; nothing else draws.
        const std::vector<OperacionImpresora> &ops = l.impresora.operaciones();
        std::vector<int> paginasRegla;
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const OperacionImpresora &op = ops[i];
            if (op.tipo != TipoOperacion::Recta) {
                continue;
            }
            paginasRegla.push_back(op.pagina);
            ASSERT_GE(i, 1U);
            ASSERT_LT(i + 1, ops.size());
            EXPECT_EQ(ops[i - 1].Describe(), "Lapiz 5");
            EXPECT_DOUBLE_EQ(op.valores[0], 18.0);
            EXPECT_DOUBLE_EQ(op.valores[2], 190.0);
            EXPECT_DOUBLE_EQ(op.valores[1], op.y + 3.0);
            EXPECT_DOUBLE_EQ(op.valores[3], op.y + 3.0);
            EXPECT_EQ(ops[i + 1].texto, " ");
        }
        EXPECT_EQ(paginasRegla, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        EsperaListadoLimpio(l.impresora.lineas());
        EsperaValoresDeEntrada(l.estado, l.entrada);
    }
}

// A design block that does not fit in what is left of the 72 lines goes to a new page that
// opens with the case header; the header lines are not counted.
TEST(ListadoTramo, ListadoPantallaConBloqueQueNoCabe)
{
    const Sistema &s = Sistemas().front();
    // Title 6, heading 5 + 5 + 10: 26 lines when the design reserves its block; 26 + 47 > 72.
    Listado l(false, 47);
    ASSERT_FALSE(l.Imprime(ClaseListado::Pantalla));
    const std::vector<CasoEsperado> casos = CasosEsperados(3);
    ASSERT_EQ(l.Paginas(), 18);
    for (std::size_t i = 0; i < casos.size(); ++i) {
        SCOPED_TRACE("caso " + std::to_string(i + 1));
        const int pagina = static_cast<int>(2 * i + 1);
        const std::vector<std::string> primera = l.impresora.lineas(pagina);
        ASSERT_GE(primera.size(), 5U);
        EXPECT_EQ(std::vector<std::string>(primera.begin(), primera.begin() + 5),
                  TituloPantallaImpreso(s, casos[i].numero, i % 3));
        EXPECT_EQ(primera.size(), 25U); // the title's 5 printed lines and the heading's 20

        const std::vector<std::string> segunda = l.impresora.lineas(pagina + 1);
        // The header's DP: width 6, 2 decimals (3 in at).
        const std::vector<std::string> dp = {" 4.000 at", " 7.000 at", "10.000 at"};
        const std::vector<std::string> cabecera = {
            " ", " ",
            B(9) + "CASO NUMERO: " + std::to_string(casos[i].numero) +
                "/   3 : " + Relleno(ITIT, 40) + B(7) + "DP:" + dp[i % 3]};
        ASSERT_EQ(segunda.size(), 3U + 47U + 1U); // header, the block, the separator's line
        EXPECT_EQ(std::vector<std::string>(segunda.begin(), segunda.begin() + 3), cabecera);
        EXPECT_EQ(segunda[4], B(9) + "HIPOTESIS:    DP    = " + s.DPDiseno[i % 3]);
    }
    // The block's 47 lines counted, the separator then set 60.
    EXPECT_EQ(l.estado.listado.LineasImpresas, 60);
}

// --- Entry values ------------------------------------------------------------------------------

TEST(ListadoTramo, ValoresDeEntradaTrasCadaListado)
{
    struct Caso {
        const char *nombre;
        bool enSI;
        std::int16_t vICUNA; // as the data-entry window stores it
        bool imprimiendo;
        ClaseListado tipo;
    };
    const std::vector<Caso> casos = {
        {"MKS pantalla", false, 1, false, ClaseListado::Normal},
        {"SI pantalla, hormigón 120", true, 2, false, ClaseListado::Normal},
        {"SI Normal, hormigón 120", true, 2, true, ClaseListado::Normal},
        {"SI Tabular, hormigón 120", true, 2, true, ClaseListado::Tabular},
        {"SI Pantalla, hormigón 120", true, 2, true, ClaseListado::Pantalla},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Listado l(c.enSI);
        l.estado.tramo.vICUNA = c.vICUNA;
        l.entrada.tramo.vICUNA = c.vICUNA;
        const ErrorCalculo error =
            c.imprimiendo ? l.Imprime(c.tipo) : pruebas::CalculaEnPantalla(l.contexto);
        ASSERT_FALSE(error) << error.mensaje;
        EXPECT_EQ(l.diseno.casos().size(), 9U);
        if (c.imprimiendo && c.tipo == ClaseListado::Normal) {
            // Analysed as the concrete 120 degree cradle (code 3) during the calculation.
            EXPECT_TRUE(
                Tiene(l.impresora.lineas(1), B(8) + "Tipo de cuna       :  Hormigón 120º"));
        }
        EsperaValoresDeEntrada(l.estado, l.entrada);
        if (c.enSI) {
            // Pressures in MPa again; the SI copies hold the same values.
            EXPECT_EQ(l.estado.tramo.DPInicialTramo, 0.4);
            EXPECT_EQ(l.estado.tramo.MDPFinalTramo, 1.1);
            EXPECT_EQ(l.estado.valoresSI.DPInicialTramoSI, 0.4);
            EXPECT_EQ(l.estado.tramo.FCK, 35.0);
        }
        EXPECT_EQ(l.estado.tramo.ESP, 12.0); // cm
    }
}

} // namespace
} // namespace dravek
