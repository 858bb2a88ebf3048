#include "core/model/Utf8.h"

#include "core/model/TextoPlano.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

TEST(Utf8, CaracteresYCodigos)
{
    struct Caso {
        std::string texto;
        std::size_t caracteres;
        std::int32_t primerCodigo;
    };
    const std::vector<Caso> casos = {
        {"RIÑONES", 7, 'R'},
        {"ñ", 1, 0xF1},
        {"€1", 2, 0x20AC},
        {"\xF0\x9F\x94\xA7", 1, 0x1F527},
        // One-byte code pages and damaged texts: each stray byte is a character of its own.
        {"\xD1OL", 3, 0xD1},
        {"\xE2\x82", 2, 0xE2},
        {"\xC0\x80", 2, 0xC0},
        // Lines longer than eight bytes, counted eight at a time where all are ASCII: a
        // character of several bytes at either end of such a run, or across its edge.
        {"RECUBRIMIENTO INTERIOR", 22, 'R'},
        {"ABCDEFGHIJKLMNOP", 16, 'A'},
        {"ABCDEFGñHIJKLMNOP", 17, 'A'},
        {"ñABCDEFGHIJKLMNO€", 17, 0xF1},
        {"ABCDEFG\xE2\x82HIJKLMNOP", 18, 'A'},
        {"ABCDEFGHIJKLMNO\xE2\x82", 17, 'A'},
        // Told first by one pass over all of it: a character of several bytes only in the few
        // bytes after the last whole eight.
        {"ABCDEFGHIJñ", 11, 'A'},
        {"ABCDEFGHIJKLMNOPQRSTUVW€", 24, 'A'},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.texto);
        EXPECT_EQ(CuentaCaracteresUtf8(caso.texto), caso.caracteres);
        EXPECT_EQ(CodigoCaracterUtf8(caso.texto, 0), caso.primerCodigo);
    }
}

// Records pad with blanks and compare run numbers and capture modes in capitals: a tab or an
// accented letter is part of the text, never trimmed or changed, whatever the C locale.
TEST(TextoPlano, RecortaYMayusculas)
{
    struct Caso {
        std::string texto;
        std::string recortado;
        std::string mayusculas;
    };
    const std::vector<Caso> casos = {
        {"  altas  ", "altas", "  ALTAS  "},
        {"     ", "", "     "},
        {"", "", ""},
        {"\tx ", "\tx", "\tX "},
        {" riñones", "riñones", " RIñONES"},
        {"\xF1o ", "\xF1o", "\xF1O "},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.texto);
        EXPECT_EQ(SinBlancos(caso.texto), caso.recortado);
        EXPECT_EQ(Recorta(caso.texto), caso.recortado);
        EXPECT_EQ(Mayusculas(caso.texto), caso.mayusculas);
    }
}

// A box's text is found in a list whatever its case, accented capitals included; the sign ×
// (0xC3 0x97) is no capital, and a byte 0xC3 at the end is left as it stands.
TEST(TextoPlano, IgualSinMayusculas)
{
    struct Caso {
        std::string a;
        std::string b;
        bool iguales;
    };
    const std::vector<Caso> casos = {
        {"SI", "si", true},
        {"ParaCalculo", "PARACALCULO", true},
        {"MODIFICACIONES", "Modificaciones", true},
        {"SÓLO CAMISA", "Sólo Camisa", true},
        {"ÀÉÍÑÜÞ", "àéíñüþ", true},
        {"\xC3\x97", "\xC3\xB7", false},
        {"SI", "SÍ", false},
        {"SI ", "SI", false},
        {"A\xC3", "a\xC3", true},
        {"", "", true},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.a + " / " + caso.b);
        EXPECT_EQ(IgualSinMayusculas(caso.a, caso.b), caso.iguales);
        EXPECT_EQ(IgualSinMayusculas(caso.b, caso.a), caso.iguales);
    }
}

} // namespace
} // namespace dravek
