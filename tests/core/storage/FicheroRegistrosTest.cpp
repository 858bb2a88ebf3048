// The record file and the code page: 128-byte records with a length and Windows-1252 text.

#include "core/storage/FicheroRegistros.h"

#include "core/storage/CodigoPagina.h"

#include <gtest/gtest.h>

#include <string>

namespace dravek {
namespace {

// Length 2 bytes little-endian, the text, zeros to the end of the record.
std::string RegistroCrudo(const std::string &bytes)
{
    std::string r;
    r.push_back(static_cast<char>(bytes.size() & 0xFF));
    r.push_back(static_cast<char>(bytes.size() >> 8));
    r += bytes;
    r.resize(LongitudRegistro, '\0');
    return r;
}

TEST(CodigoPagina, CaracteresDeLosTextosDelPrograma)
{
    struct Caso {
        const char *utf8;
        std::string bytes;
    };
    const Caso casos[] = {
        {"RIÑONES", "RI\xD1ONES"},
        {"Conducción – Río", "Conducci\xF3n \x96 R\xEDo"},
        {"€ ‚ ƒ „ … † ‡ ˆ ‰ Š ‹ Œ Ž",
         "\x80 \x82 \x83 \x84 \x85 \x86 \x87 \x88 \x89 \x8A \x8B \x8C \x8E"},
        {"‘’“”•—˜™š›œžŸ", "\x91\x92\x93\x94\x95\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"},
        {"grd º ª ½ ÿ", "grd \xBA \xAA \xBD \xFF"},
        {"línea 1\r\nlínea 2", "l\xEDnea 1\r\nl\xEDnea 2"},
        {"", ""},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.utf8);
        const auto bytes = CodificaWindows1252(c.utf8);
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(*bytes, c.bytes);
        EXPECT_EQ(DecodificaWindows1252(c.bytes), c.utf8);
    }
}

TEST(CodigoPagina, RechazaLoQueNoCabe)
{
    for (const char *texto : {"Ω = 3", "管道", "tubo 🚰", "\xC3", "\xC3\x28", "\xE2\x82",
                              "\xED\xA0\x80", "\xC0\xAF", "\xF4\x90\x80\x80"}) {
        SCOPED_TRACE(texto);
        EXPECT_FALSE(CodificaWindows1252(texto).has_value());
    }
}

// Every byte reads as a character and goes back to the same byte, the five unassigned ones
// included: a file read and written again keeps its bytes.
TEST(CodigoPagina, CadaByteVuelveASuByte)
{
    std::string todos;
    for (int b = 0; b < 256; ++b) {
        todos.push_back(static_cast<char>(b));
    }
    const auto vuelta = CodificaWindows1252(DecodificaWindows1252(todos));
    ASSERT_TRUE(vuelta.has_value());
    EXPECT_EQ(*vuelta, todos);
}

TEST(FicheroRegistros, UnRegistroEsLongitudTextoYCeros)
{
    FicheroRegistros f;
    EXPECT_EQ(f.Escribe(2, "Año 2"), FalloRegistro::Ninguno);
    // Record 1 was never written: it exists as an empty record.
    EXPECT_EQ(f.Bytes(), std::string(128, '\0') + RegistroCrudo("A\xF1o 2"));
    EXPECT_EQ(f.LeeRegistro(1), std::string());
    EXPECT_EQ(f.LeeRegistro(2), std::string("Año 2"));
    // Beyond the end of the file a record reads as empty.
    EXPECT_EQ(f.LeeRegistro(3), std::string());
    EXPECT_EQ(f.LeeRegistro(32767), std::string());
}

TEST(FicheroRegistros, ReescribirUnRegistroBorraElResto)
{
    FicheroRegistros f;
    f.Escribe(1, "una descripción larga del tramo");
    f.Escribe(1, "corto");
    EXPECT_EQ(f.Bytes(), RegistroCrudo("corto"));
    // Records around it keep their bytes.
    f.Escribe(3, "tres");
    f.Escribe(2, "dos");
    f.Escribe(2, "");
    EXPECT_EQ(f.Bytes(), RegistroCrudo("corto") + RegistroCrudo("") + RegistroCrudo("tres"));
}

TEST(FicheroRegistros, TextosQueNoCaben)
{
    const std::string cabe(126, 'x');
    const std::string sobra(127, 'x');
    // 63 two-byte UTF-8 characters are 63 bytes in the code page: they fit.
    std::string enes;
    for (int i = 0; i < 126; ++i) {
        enes += "ñ";
    }
    FicheroRegistros f;
    f.Escribe(1, "antes");
    const std::string antes = f.Bytes();
    EXPECT_EQ(f.Escribe(1, sobra), FalloRegistro::DemasiadoLargo);
    EXPECT_EQ(f.Escribe(1, enes + "ñ"), FalloRegistro::DemasiadoLargo);
    EXPECT_EQ(f.Escribe(1, "Ω"), FalloRegistro::NoCodificable);
    EXPECT_EQ(f.Escribe(0, "x"), FalloRegistro::FueraDeRango);
    EXPECT_EQ(f.Escribe(32768, "x"), FalloRegistro::FueraDeRango);
    EXPECT_EQ(f.Bytes(), antes);
    EXPECT_EQ(CompruebaTextoRegistro(sobra), FalloRegistro::DemasiadoLargo);
    EXPECT_EQ(CompruebaTextoRegistro("Ω"), FalloRegistro::NoCodificable);
    EXPECT_EQ(CompruebaTextoRegistro(enes), FalloRegistro::Ninguno);

    EXPECT_EQ(f.Escribe(1, cabe), FalloRegistro::Ninguno);
    EXPECT_EQ(f.LeeRegistro(1), cabe);
    EXPECT_EQ(f.Escribe(1, enes), FalloRegistro::Ninguno);
    EXPECT_EQ(f.LeeRegistro(1), enes);
}

TEST(FicheroRegistros, RegistrosDanados)
{
    // A length above 126.
    std::string largo = RegistroCrudo("x");
    largo[0] = 127;
    EXPECT_FALSE(FicheroRegistros(largo).LeeRegistro(1).has_value());
    // A record cut short by the end of the file.
    EXPECT_FALSE(
        FicheroRegistros(RegistroCrudo("cortado").substr(0, 6)).LeeRegistro(1).has_value());
    // A lone length byte: the file ends inside the record's length.
    EXPECT_FALSE(FicheroRegistros(std::string(1, '\0')).LeeRegistro(1).has_value());
    // Numbers outside the 16-bit record numbers.
    EXPECT_FALSE(FicheroRegistros().LeeRegistro(0).has_value());
    EXPECT_FALSE(FicheroRegistros().LeeRegistro(32768).has_value());
}

TEST(FicheroRegistros, EscribirTrasUnFinalCortadoCompletaElRegistro)
{
    FicheroRegistros f(RegistroCrudo("uno").substr(0, 100));
    f.Escribe(2, "dos");
    EXPECT_EQ(f.Bytes().size(), 256u);
    EXPECT_EQ(f.LeeRegistro(2), std::string("dos"));
}

} // namespace
} // namespace dravek
