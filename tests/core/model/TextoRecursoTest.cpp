#include "core/model/TextoRecurso.h"

#include "core/model/TablaTextos.h"
#include "tools/LectorTextos.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace dravek {
namespace {

constexpr std::array<std::int32_t, 5> Desplazamientos = {0, 5000, 10000, 15000, 20000};

struct CasoTexto {
    std::int32_t id;
    std::string esperado;
};

TEST(TextoRecurso, EntradasDeFicherosYMarcaDeFalta)
{
    const std::vector<CasoTexto> casos = {
        {5000 + 407, "TEXTOIET_Ing.RTF"},
        {433, "Dravekesp"},
        {20000 + 410, "Aguas puras_fra.rtf"}, // the one French name with a blank
        {20000 + 413, "ZanjaT1a_fra.bmp"},
        {10000 + 433, "Dravekc"},
        {106, "Falta Recurso 106"},
        {5434, "Falta Recurso 5434"},
        {25433, "Falta Recurso 25433"}, // text 433 of a sixth language
        {100, "Falta Recurso 100"},
        {1087, "Falta Recurso 1087"},
        {-1, "Falta Recurso -1"},
    };
    for (const CasoTexto &caso : casos) {
        SCOPED_TRACE(caso.id);
        EXPECT_EQ(TextoRecurso(caso.id), caso.esperado);
    }
}

TEST(TextoRecurso, NombresDeLosIdiomasEnCadaIdioma)
{
    const std::array<std::array<std::string, 5>, 5> nombres = {{
        {"Español", "Inglés", "Catalán", "Portugués", "Francés"},
        {"Spanish", "English", "Catalan", "Portuguese", "French"},
        {"Espanyol", "Inglès", "Català", "Portuguès", "Francès"},
        {"Espanhol", "Inglês", "Catalão", "Português", "Francês"},
        {"Espagnol", "Anglais", "Catalan", "Portugais", "Français"},
    }};
    for (std::size_t idioma = 0; idioma < 5; ++idioma) {
        for (std::int32_t n = 101; n <= 105; ++n) {
            SCOPED_TRACE("language " + std::to_string(idioma + 1) + ", text " + std::to_string(n));
            EXPECT_EQ(Texto(Desplazamientos[idioma], n),
                      nombres[idioma][static_cast<std::size_t>(n - 101)]);
        }
    }
}

TEST(TextoRecurso, ElDesplazamientoEligeElIdioma)
{
    const std::array<std::string, 5> avisoInicial = {"TEXTOIET.RTF", "TEXTOIET_Ing.RTF",
                                                     "TEXTOIET_Cat.RTF", "TEXTOIET_Por.RTF",
                                                     "TEXTOIET_fra.RTF"};
    for (std::size_t idioma = 0; idioma < 5; ++idioma) {
        SCOPED_TRACE(idioma + 1);
        EXPECT_EQ(Texto(Desplazamientos[idioma], 407), avisoInicial[idioma]);
        EXPECT_EQ(Texto(Desplazamientos[idioma], 407),
                  TextoRecurso(Desplazamientos[idioma] + 407));
    }
    // Before start-up sets the offset it is 0: every text read then is Spanish.
    EXPECT_EQ(Texto(0, 101), "Español");
    EXPECT_EQ(Texto(0, 286), "ERROR");
}

TEST(TextoRecurso, TextosEnEspanolConSusBlancos)
{
    const std::vector<CasoTexto> casos = {
        {693, "Seleccione un valor numérico "},
        {685, "Seleccione un valor mayor que 0 "},
        {688, " copias ?"},
        {722, "   Visualizar"},
        {1043, " Recomendado: "},
        {148, "Característica del hormigón a compresión  "},
        {315, "mayor que la Altura del Relleno "},
        {1045, "***  DATOS DIFERENTES DE LOS RECOMENDADOS  ***"},
        {151, "Datos de la &Obra"},
        {286, "ERROR"},
        {377, "AVISO"},
        {398, "No existe el fichero"},
        // Listing labels keep the blanks that line up the columns behind them.
        {330, "Zanja, relleno sin compactar             "}, // 41 characters
        {336, "Resistencia característica del hormigón a compresión :"},
        {629, "   HIPOTESIS : "},
        {630, "         CLAVE            RIÑONES           SOLERA     "}, // 55 characters
        {1036, "h''r: Distancia de la Generatriz superior del Tubo a la superficie del "
               "terreno natural en metros"},
    };
    for (const CasoTexto &caso : casos) {
        SCOPED_TRACE(caso.id);
        EXPECT_EQ(TextoRecurso(caso.id), caso.esperado);
    }
}

TEST(TextoRecurso, LosAnchosFijosCuentanCaracteresNoBytes)
{
    // "RIÑONES" and "Diámetro" carry two-byte characters: a width in characters is what the
    // listing layout relies on, the byte count is larger.
    const auto caracteres = [](const std::string &s) {
        std::size_t n = 0;
        for (const char c : s) {
            n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
        }
        return n;
    };
    EXPECT_EQ(caracteres(TextoRecurso(630)), 55u);
    EXPECT_EQ(caracteres(TextoRecurso(252)), 55u);
    EXPECT_EQ(caracteres(TextoRecurso(613)), 41u);
    EXPECT_EQ(caracteres(TextoRecurso(870)), 45u);
    EXPECT_EQ(caracteres(TextoRecurso(888)), 32u);
    EXPECT_EQ(TextoRecurso(101).size(), 8u); // "Español": seven characters, eight bytes
}

TEST(TextoRecurso, NumerosSinTextoDanLaMarcaEnTodosLosIdiomas)
{
    std::vector<std::int32_t> sinTexto = {200, 798, 799, 898, 899, 938, 939};
    for (std::int32_t n = 106; n <= 112; ++n) {
        sinTexto.push_back(n);
    }
    for (std::int32_t n = 434; n <= 500; ++n) {
        sinTexto.push_back(n);
    }
    for (std::int32_t n = 744; n <= 749; ++n) {
        sinTexto.push_back(n);
    }
    for (const std::int32_t n : sinTexto) {
        for (const std::int32_t desplazamiento : Desplazamientos) {
            const std::int32_t id = desplazamiento + n;
            SCOPED_TRACE(id);
            EXPECT_EQ(TextoRecurso(id), "Falta Recurso " + std::to_string(id));
        }
    }
}

TEST(TablaTextos, OrdenadaYDentroDeLosCincoIdiomas)
{
    const std::span<const EntradaTablaTextos> tabla = TablaTextos();
    ASSERT_FALSE(tabla.empty());
    std::int32_t anterior = 0;
    for (const EntradaTablaTextos &entrada : tabla) {
        SCOPED_TRACE(entrada.id);
        EXPECT_GT(entrada.id, anterior);
        anterior = entrada.id;
        const std::int32_t n = entrada.id % 5000;
        EXPECT_GE(n, 101);
        EXPECT_LE(n, 1999);
        EXPECT_LT(entrada.id / 5000, 5);
        EXPECT_NE(std::string(entrada.texto), "");
    }
}

TEST(CuentaIdiomas, CuentaHastaElPrimerHueco)
{
    EXPECT_EQ(CuentaIdiomas(), 5);

    const std::array<EntradaTablaTextos, 6> conSexto = {
        {{101, "a"}, {102, "b"}, {103, "c"}, {104, "d"}, {105, "e"}, {106, "f"}}};
    EXPECT_EQ(CuentaIdiomasEn(conSexto), 6);

    const std::array<EntradaTablaTextos, 3> conHueco = {{{101, "a"}, {102, "b"}, {104, "d"}}};
    EXPECT_EQ(CuentaIdiomasEn(conHueco), 2);

    // An empty name does not count, but it is no gap either.
    const std::array<EntradaTablaTextos, 3> conVacio = {{{101, "a"}, {102, ""}, {103, "c"}}};
    EXPECT_EQ(CuentaIdiomasEn(conVacio), 3);

    EXPECT_EQ(CuentaIdiomasEn({}), 0);
}

TEST(TablaTextos, ElIndiceDaLoQueLaBusqueda)
{
    // Every id of the five languages and a margin on both sides of the table.
    for (std::int32_t id = -1; id <= 5 * 5000 + 100; ++id) {
        ASSERT_EQ(TextoDeLaTabla(id), BuscaTexto(TablaTextos(), id)) << id;
    }
}

TEST(BuscaTexto, EnUnaTablaPropia)
{
    const std::array<EntradaTablaTextos, 3> tabla = {{{5, "cinco"}, {7, "siete"}, {9, "nueve"}}};
    EXPECT_EQ(BuscaTexto(tabla, 5), "cinco");
    EXPECT_EQ(BuscaTexto(tabla, 9), "nueve");
    EXPECT_FALSE(BuscaTexto(tabla, 4));
    EXPECT_FALSE(BuscaTexto(tabla, 6));
    EXPECT_FALSE(BuscaTexto(tabla, 10));
}

} // namespace

namespace herramientas {
namespace {

TEST(DesescapaCelda, SaltosTabuladoresYBarras)
{
    struct Caso {
        std::string celda;
        std::string texto;
    };
    const std::vector<Caso> casos = {
        {"", ""},
        {"  Cuna : ", "  Cuna : "},
        {"Error:\\nal Abrir", "Error:\nal Abrir"},
        {"a\\tb", "a\tb"},
        {"C:\\\\DRAVEK\\\\", "C:\\DRAVEK\\"},
        {"\\\\n", "\\n"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.celda);
        EXPECT_EQ(DesescapaCelda(caso.celda), caso.texto);
    }
    EXPECT_FALSE(DesescapaCelda("\\x41"));
    EXPECT_FALSE(DesescapaCelda("acaba en \\"));
}

LecturaTextos Lee(const std::string &contenido)
{
    std::istringstream entrada(contenido);
    return LeeTablaTextos(entrada, 101, 103, 103);
}

TEST(LeeTablaTextos, AceptaUnaTablaCompleta)
{
    const LecturaTextos lectura = Lee("#n\tes\ten\tca\tpt\tfr\n"
                                      "103\tTres \t\t\t\tTrois\r\n"
                                      "101\tUno\\nDos\tOne\t\t\t\n"
                                      "102\t\t\t\t\t\n");
    ASSERT_EQ(lectura.error, "");
    ASSERT_EQ(lectura.entradas.size(), 4u);
    EXPECT_EQ(lectura.entradas[0].id, 101);
    EXPECT_EQ(lectura.entradas[0].texto, "Uno\nDos");
    EXPECT_EQ(lectura.entradas[1].id, 103);
    EXPECT_EQ(lectura.entradas[1].texto, "Tres "); // trailing blank kept, carriage return not
    EXPECT_EQ(lectura.entradas[2].id, 5101);
    EXPECT_EQ(lectura.entradas[3].id, 20103);
    EXPECT_EQ(lectura.entradas[3].texto, "Trois");
}

TEST(LeeTablaTextos, NumerosPropiosOpcionalesTrasLosHeredados)
{
    std::istringstream entrada("101\ta\t\t\t\t\n102\tb\t\t\t\t\n105\te\tE\t\t\t\n");
    const LecturaTextos lectura = LeeTablaTextos(entrada, 101, 102, 110);
    ASSERT_EQ(lectura.error, "");
    ASSERT_EQ(lectura.entradas.size(), 4u);
    EXPECT_EQ(lectura.entradas[2].id, 105);
    EXPECT_EQ(lectura.entradas[3].id, 5105);

    std::istringstream sinHeredado("101\ta\t\t\t\t\n105\te\t\t\t\t\n");
    EXPECT_EQ(LeeTablaTextos(sinHeredado, 101, 102, 110).error, "text number 102 has no row");
}

TEST(LeeTablaTextos, RechazaFilasDefectuosas)
{
    struct Caso {
        std::string nombre;
        std::string contenido;
        std::string error;
    };
    const std::string buenas = "101\ta\t\t\t\t\n102\tb\t\t\t\t\n";
    const std::vector<Caso> casos = {
        {"columns", buenas + "103\tc\t\t\t\n",
         "line 3: 5 columns, expected the text number and 5 languages"},
        {"too many", buenas + "103\tc\t\t\t\t\tx\n",
         "line 3: 7 columns, expected the text number and 5 languages"},
        {"number", buenas + "10x\tc\t\t\t\t\n",
         "line 3: text number \"10x\" is not a whole number"},
        {"signed", buenas + "+103\tc\t\t\t\t\n",
         "line 3: text number \"+103\" is not a whole number"},
        {"range", buenas + "104\tc\t\t\t\t\n", "line 3: text number 104 outside 101..103"},
        {"twice", buenas + "102\tc\t\t\t\t\n", "line 3: text number 102 appears twice"},
        {"missing", buenas, "text number 103 has no row"},
        {"escape", buenas + "103\t\t\tc\\q\t\t\n",
         "line 3: language 3: unknown escape (only \\n, \\t and \\\\ are allowed)"},
        {"utf8", buenas + "103\t\t\t\t\t\xC3\n", "line 3: language 5: not UTF-8"},
        {"empty", "101\t\t\t\t\t\n102\t\t\t\t\t\n103\t\t\t\t\t\n",
         "the table holds no text at all"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EXPECT_EQ(Lee(caso.contenido).error, caso.error);
    }
}

TEST(EscribeTablaCpp, LiteralesSeguros)
{
    const std::string fuente =
        EscribeTablaCpp({{101, "Espa\xC3\xB1ol"}, {102, "a\"b\\c?d\n1"}, {5101, "  x  "}});
    EXPECT_NE(fuente.find("{101, \"Espa\\303\\261ol\"},"), std::string::npos);
    EXPECT_NE(fuente.find("{102, \"a\\\"b\\\\c\\077d\\0121\"},"), std::string::npos);
    EXPECT_NE(fuente.find("{5101, \"  x  \"},"), std::string::npos);
    EXPECT_NE(fuente.find("std::span<const EntradaTablaTextos> TablaTextos()"), std::string::npos);
}

} // namespace
} // namespace herramientas
} // namespace dravek
