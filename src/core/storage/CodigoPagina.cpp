#include "core/storage/CodigoPagina.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace dravek {

namespace {

// Characters of the bytes 80 to 9F; the unassigned ones keep their own number.
constexpr std::array<char32_t, 32> Tabla80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AnadeUtf8(std::string &salida, char32_t c)
{
    if (c < 0x80) {
        salida.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        salida.push_back(static_cast<char>(0xC0 | (c >> 6)));
        salida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        salida.push_back(static_cast<char>(0xE0 | (c >> 12)));
        salida.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        salida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The next code point of a UTF-8 text, strictly: no overlong forms, no surrogates, nothing
// beyond U+10FFFF. Nothing when the bytes at i are not such a sequence.
std::optional<char32_t> LeeCodigo(std::string_view texto, std::size_t &i)
{
    const auto b0 = static_cast<unsigned char>(texto[i]);
    std::size_t largo = 0;
    char32_t c = 0;
    char32_t minimo = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    if ((b0 & 0xE0) == 0xC0) {
        largo = 2;
        c = b0 & 0x1F;
        minimo = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        largo = 3;
        c = b0 & 0x0F;
        minimo = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        largo = 4;
        c = b0 & 0x07;
        minimo = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + largo > texto.size()) {
        return std::nullopt;
    }
    for (std::size_t j = 1; j < largo; ++j) {
        const auto b = static_cast<unsigned char>(texto[i + j]);
        if ((b & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    i += largo;
    return c;
}

std::optional<char> ByteDe(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(static_cast<unsigned char>(c));
    }
    for (std::size_t b = 0; b < Tabla80.size(); ++b) {
        if (Tabla80[b] == c) {
            return static_cast<char>(static_cast<unsigned char>(0x80 + b));
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> CodificaWindows1252(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const std::optional<char32_t> c = LeeCodigo(utf8, i);
        if (!c) {
            return std::nullopt;
        }
        const std::optional<char> b = ByteDe(*c);
        if (!b) {
            return std::nullopt;
        }
        bytes.push_back(*b);
    }
    return bytes;
}

std::string DecodificaWindows1252(std::string_view bytes)
{
    std::string utf8;
    utf8.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0) {
            AnadeUtf8(utf8, Tabla80[b - 0x80U]);
        } else {
            AnadeUtf8(utf8, b);
        }
    }
    return utf8;
}

} // namespace dravek
