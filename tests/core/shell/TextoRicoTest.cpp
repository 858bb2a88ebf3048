#include "core/listing/TextoRico.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dravek {
namespace {

// Looks written by hand for the expected runs.
AtributosTexto Normal()
{
    return {};
}

AtributosTexto Negrita()
{
    AtributosTexto a;
    a.negrita = true;
    return a;
}

AtributosTexto Con(bool negrita, bool cursiva, bool subrayado, double puntos = 12,
                   std::int32_t color = ColorPredeterminado)
{
    return {negrita, cursiva, subrayado, puntos, color};
}

using Parrafos = std::vector<std::vector<TramoTexto>>;

DocumentoRico Documento(const Parrafos &parrafos)
{
    DocumentoRico d;
    for (const auto &tramos : parrafos) {
        d.parrafos.push_back({tramos});
    }
    return d;
}

std::string Describe(const DocumentoRico &d)
{
    std::string s;
    for (const ParrafoTexto &p : d.parrafos) {
        s += "[";
        for (const TramoTexto &t : p.tramos) {
            const AtributosTexto &a = t.atributos;
            s += "(" + t.texto + " b" + std::to_string(a.negrita) + " i" +
                 std::to_string(a.cursiva) + " u" + std::to_string(a.subrayado) + " " +
                 std::to_string(a.puntos) + "pt c" + std::to_string(a.color) + ")";
        }
        s += "]";
    }
    return s;
}

// Every construct the notices use, one at a time, and groups inside groups.
TEST(TextoRico, CadaConstruccion)
{
    struct Caso {
        const char *nombre;
        std::string rtf;
        Parrafos esperado;
    };
    const std::vector<Caso> casos = {
        {"paragraphs, the last without \\par, an empty one between",
         "{\\rtf1 Uno\\par\\par Dos\\par Tres}",
         {{{"Uno", Normal()}}, {}, {{"Dos", Normal()}}, {{"Tres", Normal()}}}},
        {"bold, italic and underline on and off",
         "{\\rtf1 a\\b b\\b0 c\\i d\\i0\\ul e\\ulnone f\\ul0 g}",
         {{{"a", Normal()},
           {"b", Negrita()},
           {"c", Normal()},
           {"d", Con(false, true, false)},
           {"e", Con(false, false, true)},
           {"fg", Normal()}}}},
        {"font size in half-points",
         "{\\rtf1\\fs20 diez\\fs36 dieciocho}",
         {{{"diez", Con(false, false, false, 10)}, {"dieciocho", Con(false, false, false, 18)}}}},
        {"colours from the colour table, 0 and an entry beyond it the default",
         "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
         "\\cf1 rojo\\cf2 azul\\cf0 auto\\cf9 fuera}",
         {{{"rojo", Con(false, false, false, 12, 0xFF0000)},
           {"azul", Con(false, false, false, 12, 0x0080FF)},
           {"autofuera", Normal()}}}},
        {"tabs and a line break inside the paragraph",
         "{\\rtf1 a\\tab b\\line c}",
         {{{"a\tb\nc", Normal()}}}},
        {"Windows-1252 bytes, escaped and raw",
         "{\\rtf1 Espa\\'f1a \\'80 \\'93x\\'94 \\'E1\xf3}",
         {{{"España € “x” áó", Normal()}}}},
        {"Unicode with its fallback passed over, negative codes, a surrogate pair",
         "{\\rtf1 \\u8364?.\\uc2\\u20013 XY.\\uc1\\u-24000?.\\u-10179?\\u-8704?.\\u8220\\'93}",
         {{{"€.中.\xEA\x89\x80.😀.“", Normal()}}}},
        {"escaped braces and backslash", "{\\rtf1 \\{a\\}\\\\b}", {{{"{a}\\b", Normal()}}}},
        {"nested groups give their look back when they close",
         "{\\rtf1 a{\\b b{\\i c}d}e{\\ul\\fs16 f}g}",
         {{{"a", Normal()},
           {"b", Negrita()},
           {"c", Con(true, true, false)},
           {"d", Negrita()},
           {"e", Normal()},
           {"f", Con(false, false, true, 8)},
           {"g", Normal()}}}},
        {"\\plain goes back to the default look",
         "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\b\\i\\cf1\\fs40 x\\plain y}",
         {{{"x", Con(true, true, false, 20, 0x010203)}, {"y", Normal()}}}},
        {"line ends in the source are not text; a control word eats one blank",
         "{\\rtf1 uno\r\ndos\\b  tres}",
         {{{"unodos", Normal()}, {" tres", Negrita()}}}},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const std::optional<DocumentoRico> leido = LeeTextoRico(caso.rtf);
        ASSERT_TRUE(leido.has_value());
        EXPECT_EQ(Describe(*leido), Describe(Documento(caso.esperado)));
    }
}

// Destinations and control words that show nothing are passed over, whatever their content,
// braces and escapes included.
TEST(TextoRico, DestinosDesconocidosSeSaltan)
{
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1 Times \\{raro\\};}}"
        "{\\stylesheet{\\s0 Normal;}{\\s1\\b Titulo;}}"
        "{\\info{\\title El t\\'edtulo}{\\author Alguien}}"
        "{\\*\\generator Riched20 10.0;}{\\*\\desconocido {anidado} \\par xyz}"
        "{\\pict\\wmetafile8\\picw10 0a0b0c}"
        "\\viewkind4\\uc1\\pard\\sa200\\qc\\xyzzy12\\f0\\lang3082 Hola\\par}";
    const std::optional<DocumentoRico> leido = LeeTextoRico(rtf);
    ASSERT_TRUE(leido.has_value());
    EXPECT_EQ(Describe(*leido), Describe(Documento({{{"Hola", Normal()}}})));
}

// What is not whole rich text gives nothing: the caller shows its own text instead.
TEST(TextoRico, TextoIncompletoNoDaNada)
{
    const std::vector<std::string> casos = {
        "",
        "Hola",
        "{\\rtf1 Hola\\par{\\b negrita",
        "{\\rtf1 Hola}}extra}" /* closed: what follows the document is ignored */,
        "{\\rtf1 Hola\\'f",
        "{\\rtf1 Hola\\",
        "{\\rtf1 {\\pict\\bin20 abc}}",
    };
    for (std::size_t i = 0; i < casos.size(); ++i) {
        SCOPED_TRACE(casos[i]);
        const bool completo = i == 3;
        EXPECT_EQ(LeeTextoRico(casos[i]).has_value(), completo);
    }
    EXPECT_EQ(LeeTextoRico("{\\rtf1 Hola}}extra}")->TextoPlano(), "Hola");
}

TEST(TextoRico, Ficheros)
{
    const std::string datos = DRAVEK_DATOS_PRUEBA;
    const std::optional<DocumentoRico> aviso = LeeFicheroTextoRico(datos + "/aviso.rtf");
    ASSERT_TRUE(aviso.has_value());
    EXPECT_EQ(Describe(*aviso),
              Describe(Documento({{{"AVISO", Con(true, false, false, 14, 0x0000FF)}},
                                  {{"Instrucción del Instituto ", Con(false, false, false, 10)},
                                   {"Eduardo Torroja", Con(false, true, false, 10)},
                                   {":\ttubos de hormigón.", Con(false, false, false, 10)}}})));
    EXPECT_EQ(aviso->TextoPlano(), "AVISO\nInstrucción del Instituto Eduardo Torroja:\ttubos de "
                                   "hormigón.");

    EXPECT_FALSE(LeeFicheroTextoRico(datos + "/aviso_cortado.rtf").has_value());
    EXPECT_FALSE(LeeFicheroTextoRico(datos + "/no_existe.rtf").has_value());
    EXPECT_FALSE(LeeFicheroTextoRico(datos).has_value()); // a folder
}

TEST(TextoRico, TextoPlanoIdaYVuelta)
{
    for (const std::string texto : {"", "una", "una\ndos", "una\n\ntres\n"}) {
        SCOPED_TRACE(texto);
        EXPECT_EQ(DocumentoRico::DeTextoPlano(texto).TextoPlano(), texto);
    }
    EXPECT_EQ(Describe(DocumentoRico::DeTextoPlano("a\n\nb")),
              Describe(Documento({{{"a", Normal()}}, {}, {{"b", Normal()}}})));
}

// Every notice and note installed beside the program reads whole, with its title in bold.
TEST(TextoRico, FicherosInstalados)
{
    int leidos = 0;
    for (const auto &entrada : std::filesystem::directory_iterator(DRAVEK_DATOS_PROGRAMA)) {
        std::string extension = entrada.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (extension != ".rtf") {
            continue;
        }
        SCOPED_TRACE(entrada.path().filename().string());
        const std::optional<DocumentoRico> documento =
            LeeFicheroTextoRico(entrada.path().string());
        ASSERT_TRUE(documento.has_value());
        ASSERT_FALSE(documento->parrafos.empty());
        ASSERT_FALSE(documento->parrafos.front().tramos.empty());
        EXPECT_TRUE(documento->parrafos.front().tramos.front().atributos.negrita);
        EXPECT_EQ(documento->TextoPlano().find('\\'), std::string::npos);
        ++leidos;
    }
    EXPECT_EQ(leidos, 25);
}

} // namespace
} // namespace dravek
