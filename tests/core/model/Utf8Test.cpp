#include "core/model/Utf8.h"

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
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.texto);
        EXPECT_EQ(CuentaCaracteresUtf8(caso.texto), caso.caracteres);
        EXPECT_EQ(CodigoCaracterUtf8(caso.texto, 0), caso.primerCodigo);
    }
}

} // namespace
} // namespace dravek
