#include "core/listing/SalidaListado.h"

#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/TextoPrueba.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::B;
using pruebas::ImpresoraGrabadora;
using pruebas::TipoOperacion;

std::string Repite(const std::string &texto, int veces)
{
    std::string resultado;
    for (int i = 0; i < veces; ++i) {
        resultado += texto;
    }
    return resultado;
}

// --- PartirTexto -------------------------------------------------------------------------------

struct CasoPartir {
    std::string nombre;
    std::string texto;
    int ancho;
    std::string linea;
    std::string resto;
};

TEST(PartirTexto, CortesDeLinea)
{
    const std::string a69(69, 'a');
    const std::vector<CasoPartir> casos = {
        {"texto corto entero", "HOLA.", 72, "HOLA.", ""},
        {"texto vacio", "", 72, "", ""},
        // 80 characters, the last blank at 70: line of 69, rest from 71.
        {"ultimo blanco en 70", a69 + " " + std::string(10, 'b'), 72, a69, std::string(10, 'b')},
        // The line keeps the blanks before the break; the rest loses its leading blanks.
        {"varios blancos", std::string(68, 'a') + "   " + std::string(20, 'b'), 72,
         std::string(68, 'a') + "  ", std::string(20, 'b')},
        {"CR LF en 10", "123456789\r\nresto del texto", 72, "123456789", "resto del texto"},
        {"CR solo", "abc\r  def  ", 72, "abc", "def"},
        {"CR al final", "abc\r", 72, "abc", ""},
        // A carriage return at w + 1 still breaks there.
        {"CR en w+1", std::string(72, 'a') + "\r\nz", 72, std::string(72, 'a'), "z"},
        // One beyond w + 1 is not looked at: the last blank breaks.
        {"CR pasado w+1", a69 + " bbbbbb\r\nz", 72, a69, "bbbbbb\r\nz"},
        {"palabra sin blancos", std::string(100, 'x'), 72, std::string(72, 'x'),
         std::string(28, 'x')},
        {"exacto al ancho", std::string(68, 'a') + " bcd", 72, std::string(68, 'a') + " bcd", ""},
        // Other control characters break a long text too.
        {"tabulador", std::string(60, 'a') + "\t" + std::string(20, 'b'), 72, std::string(60, 'a'),
         std::string(20, 'b')},
        // Widths count characters: 71 two-byte letters and a blank are 72 characters.
        {"caracteres de dos bytes", Repite("ñ", 71) + " fin", 72, Repite("ñ", 71), "fin"},
        {"palabra de dos bytes", Repite("Ñ", 80), 72, Repite("Ñ", 72), Repite("Ñ", 8)},
    };
    for (const CasoPartir &c : casos) {
        SCOPED_TRACE(c.nombre);
        std::string resto = c.texto;
        std::string linea = "basura";
        PartirTexto(resto, linea, c.ancho);
        EXPECT_EQ(linea, c.linea);
        EXPECT_EQ(resto, c.resto);
    }
}

// --- The sink ----------------------------------------------------------------------------------

class SalidaListadoTest : public ::testing::Test {
protected:
    SalidaListadoTest()
    {
        estado.ejecucion.DesplazamientoIdioma = 0;
        estado.ejecucion.SistemaUnidades = "MKS";
        estado.ejecucion.SeparadorDecimalLocal = ".";
        estado.listado.Imprimiendo = true;
        estado.listado.TipoListado = ClaseListado::Normal;
        estado.obra.TIGEN = "CONDUCCION DE AGUA";
        estado.obra.Cliente = "Ayuntamiento";
        estado.tramo.ITIT = "Tramo A";
        estado.tramo.TramoActual = 2;
        estado.tramo.EsArmado = Verdadero;
        estado.tramo.CalculoCargas = 1;
        estado.caso.DP = 6.0;
        estado.caso.MDP = 6.6;
        estado.caso.AlturaActual = 2.5;
    }

    EstadoObra estado;
    pruebas::RelojFijo reloj{"05/03/2024", "09:41"};
    ImpresoraGrabadora impresora;
    SalidaListado salida{reloj, impresora};
};

TEST_F(SalidaListadoTest, PantallaCreceLineaALinea)
{
    salida.EscribePantalla(0, "  CALCULANDO", 1);
    salida.EscribePantalla(0, std::string(70, '='), 2);
    salida.EscribePantalla(2, "fin", 0);
    EXPECT_EQ(salida.TextoPantalla(), "  CALCULANDO\n" + std::string(70, '=') + "\n\n\n\nfin");
    EXPECT_TRUE(impresora.operaciones().empty());

    salida.VaciaPantalla();
    EXPECT_EQ(salida.TextoPantalla(), "");
}

// A whole project on screen is hundreds of thousands of lines; a sink that rewrote the text for
// every line would copy terabytes here and never finish.
TEST_F(SalidaListadoTest, PantallaLargaSeAnadeSinReescribir)
{
    const std::string linea(79, 'x');
    constexpr int Lineas = 200000;
    for (int i = 0; i < Lineas; ++i) {
        salida.EscribePantalla(0, linea, 1);
    }
    ASSERT_EQ(salida.TextoPantalla().size(), static_cast<std::size_t>(Lineas) * 80);
    EXPECT_EQ(salida.TextoPantalla().substr(0, 81), linea + "\n" + "x");
}

TEST_F(SalidaListadoTest, SaltaLineasEnPantallaNoHaceNada)
{
    estado.listado.Imprimiendo = false;
    salida.SaltaLineas(estado, 3);
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_EQ(salida.TextoPantalla(), "");

    estado.listado.Imprimiendo = true;
    salida.SaltaLineas(estado, 3);
    EXPECT_EQ(impresora.lineas(), std::vector<std::string>(3, " "));
}

TEST_F(SalidaListadoTest, CabeceraNormalConTituloEnOrden)
{
    estado.listado.NumeroPagina = 1;
    salida.CabeceraPagina(estado, 1, true);

    // Up to the rule: 7 lines at 10 points (3.996 mm) and one at 14 points (5.595 mm) = 33.57 mm.
    const std::vector<std::string> esperado = {
        "Linea | |",
        "Linea | |",
        "Negrita 1",
        "Tamano 14.0",
        "Linea |" + B(49) + "Pag.:    1|",
        "Negrita 0",
        "Tamano 10.0",
        "Linea | |",
        "Linea | |",
        "Negrita 1",
        "Linea |" + B(10) + "CONDUCCION DE AGUA" + B(54) + "|",
        "Linea | |",
        "Linea |" + B(10) + "Cliente: Ayuntamiento" + B(28) + B(3) + "FECHA: 05/03/2024 09:41|",
        "Negrita 0",
        "Lapiz 5",
        "Recta (18.0, 36.6)-(185.0, 36.6) 0",
        "Linea | |",
        "Linea | |",
        "Tamano 10.0",
        "Negrita 1",
        "Linea |" + B(8) + "Tramo A" + B(33) + "|",
        "Negrita 0",
        "Linea | |",
        "Linea | |",
    };
    EXPECT_EQ(impresora.descripciones(), esperado);
    EXPECT_EQ(impresora.pagina(), 1);
    EXPECT_EQ(estado.obra.TIGEN, "CONDUCCION DE AGUA");
}

TEST_F(SalidaListadoTest, TituloEnLineasDe72)
{
    struct Caso {
        std::string nombre;
        std::string titulo;
        std::vector<std::string> lineas;
    };
    const std::string a69(69, 'a');
    // 2000 words of 7 letters: 9 words to a line (71 characters, the 72nd a blank), and the
    // last two words on a line of their own.
    const std::string nuevePalabras = Repite("abcdefg ", 8) + "abcdefg";
    std::vector<std::string> muchasLineas(222, B(10) + nuevePalabras + B(1));
    muchasLineas.push_back(B(10) + "abcdefg abcdefg" + B(57));
    const std::vector<Caso> casos = {
        {"titulo vacio", "", {B(82)}},
        {"titulo de muchas lineas", Repite("abcdefg ", 2000), muchasLineas},
        {"titulo largo",
         a69 + " " + std::string(10, 'b'),
         {B(10) + a69 + B(3), B(10) + std::string(10, 'b') + B(62)}},
        {"dos parrafos", "OBRA\r\nFASE 2", {B(10) + "OBRA" + B(68), B(10) + "FASE 2" + B(66)}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        ImpresoraGrabadora grabadora;
        SalidaListado listado(reloj, grabadora);
        estado.obra.TIGEN = c.titulo;
        estado.listado.NumeroPagina = 1;
        listado.CabeceraPagina(estado, 1, true);
        const std::vector<std::string> lineas = grabadora.lineas();
        // Two blanks, the page line, two blanks, then the title.
        ASSERT_GE(lineas.size(), 5 + c.lineas.size() + 1);
        const std::vector<std::string> titulo(
            lineas.begin() + 5, lineas.begin() + 5 + static_cast<long>(c.lineas.size()));
        EXPECT_EQ(titulo, c.lineas);
        EXPECT_EQ(lineas[5 + c.lineas.size()], " ");
        EXPECT_EQ(estado.obra.TIGEN, c.titulo);
    }
}

// The line or lines that tell where the page is in the run, by page, kind of run, kind of load
// and whether the case opens a fill height.
TEST_F(SalidaListadoTest, LineasDeContextoDeLaCabeceraNormal)
{
    struct Caso {
        std::string nombre;
        std::int32_t pagina;
        bool armado;
        std::int16_t calculoCargas;
        bool nuevaAltura;
        std::string sistema;
        std::vector<std::string> contexto;
    };
    const std::string descripcion = B(8) + "Tramo A" + B(33);
    const std::string altura = descripcion + B(24) + "HR= 2.500 m";
    const std::string casoMKS =
        B(8) + "CASO NUMERO 3/   2 :      DP: 6.00 at" + B(5) + "MDP: 6.60 at";
    const std::string casoSI =
        B(8) + "CASO NUMERO 3/   2 :      DP: 0.600 MPa" + B(5) + "MDP: 0.660 MPa";
    const std::string casoCargaDada = B(8) + "CASO NUMERO 3/   2 : " + descripcion.substr(8) +
                                      B(6) + "DP: 6.00 at" + B(5) + "MDP: 6.60 at";
    const std::vector<Caso> casos = {
        {.nombre = "pagina 1",
         .pagina = 1,
         .armado = true,
         .calculoCargas = 1,
         .nuevaAltura = false,
         .sistema = "MKS",
         .contexto = {descripcion}},
        {.nombre = "pagina 2",
         .pagina = 2,
         .armado = true,
         .calculoCargas = 1,
         .nuevaAltura = false,
         .sistema = "MKS",
         .contexto = {descripcion}},
        {.nombre = "pagina 3 postesado",
         .pagina = 3,
         .armado = false,
         .calculoCargas = 1,
         .nuevaAltura = false,
         .sistema = "MKS",
         .contexto = {descripcion}},
        {.nombre = "cargas calculadas, nueva altura",
         .pagina = 3,
         .armado = true,
         .calculoCargas = 1,
         .nuevaAltura = true,
         .sistema = "MKS",
         .contexto = {altura}},
        {.nombre = "cargas calculadas, otro caso",
         .pagina = 4,
         .armado = false,
         .calculoCargas = 1,
         .nuevaAltura = false,
         .sistema = "MKS",
         .contexto = {altura, casoMKS}},
        {.nombre = "cargas calculadas, otro caso, SI",
         .pagina = 4,
         .armado = true,
         .calculoCargas = 1,
         .nuevaAltura = false,
         .sistema = "SI",
         .contexto = {altura, casoSI}},
        {.nombre = "carga dada, nueva altura",
         .pagina = 5,
         .armado = true,
         .calculoCargas = 0,
         .nuevaAltura = true,
         .sistema = "MKS",
         .contexto = {descripcion}},
        {.nombre = "carga dada, otro caso",
         .pagina = 5,
         .armado = false,
         .calculoCargas = 0,
         .nuevaAltura = false,
         .sistema = "MKS",
         .contexto = {casoCargaDada}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        ImpresoraGrabadora grabadora;
        SalidaListado listado(reloj, grabadora);
        estado.listado.NumeroPagina = c.pagina;
        estado.tramo.EsArmado = c.armado ? Verdadero : Falso;
        estado.tramo.CalculoCargas = c.calculoCargas;
        estado.caso.NuevaAltura = c.nuevaAltura;
        estado.ejecucion.SistemaUnidades = c.sistema;
        listado.CabeceraPagina(estado, 3, false);

        const std::string pagina =
            B(49) + "Pag.:" + std::string(c.pagina < 10 ? 4 : 3, ' ') + std::to_string(c.pagina);
        std::vector<std::string> esperado = {" ", " ", pagina, " ", " "};
        esperado.insert(esperado.end(), c.contexto.begin(), c.contexto.end());
        if (c.armado) {
            esperado.insert(esperado.end(), {" ", " "});
        }
        EXPECT_EQ(grabadora.lineas(), esperado);
        EXPECT_FALSE(grabadora.negrita());
        EXPECT_DOUBLE_EQ(grabadora.tamanoFuente(), 10.0);
    }
}

TEST_F(SalidaListadoTest, CabeceraTabularReiniciaElPresupuesto)
{
    estado.listado.TipoListado = ClaseListado::Tabular;
    estado.listado.NumeroPagina = 7;
    estado.listado.LineasRestantes = 3;
    salida.CabeceraPagina(estado, 1, true);

    const std::vector<std::string> esperado = {
        "Linea | |",
        "Linea | |",
        "Linea | |",
        "Linea | |",
        "Negrita 1",
        "Tamano 12.0",
        "Linea |" + B(100) + "Pag.:    7|",
        "Linea | |",
        "Negrita 0",
        "Tamano 10.0",
    };
    EXPECT_EQ(impresora.descripciones(), esperado);
    EXPECT_EQ(estado.listado.LineasRestantes, 44);
}

// Both printed listings label the page number with the language's own word and a colon, at
// the same place: the Spanish one keeps "Pag.:".
TEST_F(SalidaListadoTest, EtiquetaDePaginaEnCadaIdiomaYCadaListado)
{
    struct Caso {
        std::int32_t desplazamiento;
        const char *etiqueta;
    };
    const Caso casos[] = {
        {0, "Pag.:"}, {5000, "Page:"}, {10000, "Pàg.:"}, {15000, "Pág.:"}, {20000, "Page:"}};
    struct Listado {
        ClaseListado tipo;
        int blancos; // before the label
        const char *nombre;
    };
    const Listado listados[] = {{ClaseListado::Normal, 49, "Normal"},
                                {ClaseListado::Tabular, 100, "Tabular"}};
    for (const Listado &listado : listados) {
        for (const Caso &c : casos) {
            SCOPED_TRACE(std::string(listado.nombre) + ", " + c.etiqueta);
            ImpresoraGrabadora grabadora;
            SalidaListado sink{reloj, grabadora};
            estado.listado.TipoListado = listado.tipo;
            estado.ejecucion.DesplazamientoIdioma = c.desplazamiento;
            estado.listado.NumeroPagina = 12;
            sink.CabeceraPagina(estado, 1, false);
            const std::string linea = "Linea |" + B(listado.blancos) + c.etiqueta + "   12|";
            const std::vector<std::string> descripciones = grabadora.descripciones();
            EXPECT_EQ(std::count(descripciones.begin(), descripciones.end(), linea), 1);
        }
    }
}

TEST_F(SalidaListadoTest, CabeceraPaginaNadaEnPantallaNiEnPantallaImpresa)
{
    estado.listado.TipoListado = ClaseListado::Pantalla;
    salida.CabeceraPagina(estado, 1, true);
    estado.listado.TipoListado = ClaseListado::Normal;
    estado.listado.Imprimiendo = false;
    salida.CabeceraPagina(estado, 1, true);
    EXPECT_TRUE(impresora.operaciones().empty());
    EXPECT_EQ(salida.TextoPantalla(), "");
}

TEST_F(SalidaListadoTest, CabeceraCasoSoloCuandoElBloqueNoCabe)
{
    struct Caso {
        std::int32_t impresas;
        std::int32_t bloque;
        bool paginaNueva;
        std::int32_t contador;
    };
    estado.listado.TipoListado = ClaseListado::Pantalla;
    estado.caso.NumeroCaso = 4;
    const std::string cabecera =
        B(9) + "CASO NUMERO: 4/   2 : Tramo A" + B(33) + B(7) + "DP: 6.000 at";
    for (const Caso &c :
         std::vector<Caso>{{60, 13, true, 13}, {60, 12, false, 72}, {0, 5, false, 5}}) {
        SCOPED_TRACE(std::to_string(c.impresas) + " + " + std::to_string(c.bloque));
        ImpresoraGrabadora grabadora;
        SalidaListado listado(reloj, grabadora);
        estado.listado.LineasImpresas = c.impresas;
        listado.CabeceraCaso(estado, c.bloque);
        EXPECT_EQ(estado.listado.LineasImpresas, c.contador);
        if (c.paginaNueva) {
            EXPECT_EQ(grabadora.descripciones(),
                      (std::vector<std::string>{"NuevaPagina", "Linea | |", "Linea | |",
                                                "Linea |" + cabecera + "|"}));
            EXPECT_EQ(grabadora.pagina(), 2);
        } else {
            EXPECT_TRUE(grabadora.operaciones().empty());
        }
    }
}

TEST_F(SalidaListadoTest, CabeceraTablaArmado)
{
    struct Caso {
        std::string sistema;
        double ultimaAltura;
        std::string unidades;
        double ultimaDespues;
    };
    const std::vector<Caso> casos = {
        {"SI", 2.5, "   (m)   (MPa)     (cm2/m)  (cm2/m) (cm2/m)     (cm2/m)      (cm2/m) ", 999},
        {"MKS", 2.0, "   (m)    (at)     (cm2/m)  (cm2/m) (cm2/m)     (cm2/m)      (cm2/m) ", 2.0},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.sistema);
        ImpresoraGrabadora grabadora;
        SalidaListado listado(reloj, grabadora);
        estado.ejecucion.SistemaUnidades = c.sistema;
        estado.listado.TipoListado = ClaseListado::Tabular;
        estado.listado.LineasRestantes = 30;
        estado.listado.UltimaAlturaListada = c.ultimaAltura;
        estado.caso.AlturaActual = 2.5;
        listado.CabeceraTablaArmado(estado);

        const std::vector<std::string> esperado = {
            "Negrita 1",
            "Tamano 10.0",
            "Linea |" + B(5) + B(19) + "+------ Armadura ------+ +- Armadura -+" + B(11) + "|",
            "Linea |" + B(5) +
                " Altura            +       Interior       + +  Exterior  +   Armadura|",
            "Linea |" + B(5) +
                " relleno Presión   Camisa  Refuerzo  Total                    Total  |",
            "Linea |" + B(5) + c.unidades + "|",
            "Linea |" + B(5) + std::string(69, '*') + "|",
            "Negrita 0",
        };
        EXPECT_EQ(grabadora.descripciones(), esperado);
        EXPECT_EQ(estado.listado.LineasRestantes, 25);
        EXPECT_DOUBLE_EQ(estado.listado.UltimaAlturaListada, c.ultimaDespues);
    }
}

TEST_F(SalidaListadoTest, CabeceraTablaPostesado)
{
    struct Caso {
        std::string sistema;
        double ultimaAltura;
        double ultimaDespues;
    };
    // As under the reinforced-concrete heading, a first row at the height last listed shows it.
    for (const Caso &c : {Caso{"SI", 2.5, 999}, Caso{"MKS", 2.0, 2.0}}) {
        const std::string &sistema = c.sistema;
        SCOPED_TRACE(sistema);
        ImpresoraGrabadora grabadora;
        SalidaListado listado(reloj, grabadora);
        estado.ejecucion.SistemaUnidades = sistema;
        estado.listado.LineasRestantes = 30;
        estado.listado.UltimaAlturaListada = c.ultimaAltura;
        estado.caso.AlturaActual = 2.5;
        listado.CabeceraTablaPostesado(estado);

        const std::string unidades = sistema == "SI"
                                         ? "   (m)     (MPa)     (mm)                   (MPa)"
                                         : "   (m)     (at)      (mm)                   (at)";
        const std::vector<std::string> esperado = {
            B(31) + " Altura             Diámetro  Espiras/  Presión prueba ",
            B(31) + " relleno  Presión   Alambre    metro      Fabrica(PP)  ",
            B(31) + unidades,
            B(31) + std::string(55, '*'),
        };
        EXPECT_EQ(grabadora.lineas(), esperado);
        EXPECT_EQ(grabadora.operaciones().back().Describe(), "Negrita 0");
        EXPECT_EQ(estado.listado.LineasRestantes, 26);
        EXPECT_DOUBLE_EQ(estado.listado.UltimaAlturaListada, c.ultimaDespues);
    }
}

// The printer never breaks a page itself: a listing that runs past the bottom continues on a
// new page, with no header. 288.5 mm of portrait page hold 72 lines of 3.996 mm, 201.5 mm of
// landscape page hold 50.
TEST_F(SalidaListadoTest, PaginaLlenaContinuaEnLaSiguiente)
{
    struct Caso {
        Orientacion orientacion;
        int lineas;
        int primeraPagina;
    };
    for (const Caso &c :
         std::vector<Caso>{{Orientacion::Vertical, 80, 72}, {Orientacion::Horizontal, 60, 50}}) {
        SCOPED_TRACE(c.primeraPagina);
        ImpresoraGrabadora grabadora;
        SalidaListado listado(reloj, grabadora);
        grabadora.PonOrientacion(c.orientacion);
        listado.SaltaLineas(estado, c.lineas);
        EXPECT_EQ(grabadora.pagina(), 2);
        EXPECT_EQ(grabadora.lineas(1).size(), static_cast<std::size_t>(c.primeraPagina));
        EXPECT_EQ(grabadora.lineas(2).size(),
                  static_cast<std::size_t>(c.lineas - c.primeraPagina));
    }
    EXPECT_EQ(estado.listado.NumeroPagina, 0);
}

// A line at 14 points needs more room than one at 10: it goes to the next page where a line at
// 10 points would still fit.
TEST_F(SalidaListadoTest, LineaGrandeAlFinalDeLaPagina)
{
    salida.SaltaLineas(estado, 71); // 283.7 mm; 4.8 mm left
    impresora.PonTamanoFuente(14);  // 5.6 mm
    salida.ImprimeLinea("TITULO");
    EXPECT_EQ(impresora.lineas(2), std::vector<std::string>{"TITULO"});
}

TEST(RelojSistema, FechaYHoraCortas)
{
    const RelojSistema reloj;
    EXPECT_TRUE(std::regex_match(reloj.FechaCorta(), std::regex(R"(\d\d/\d\d/\d{4})")))
        << reloj.FechaCorta();
    EXPECT_TRUE(std::regex_match(reloj.HoraCorta(), std::regex(R"(\d\d:\d\d)")))
        << reloj.HoraCorta();
}

} // namespace
} // namespace dravek
