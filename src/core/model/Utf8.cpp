#include "core/model/Utf8.h"

#include <cstdint>
#include <cstring>

namespace dravek {

std::size_t LongitudCaracterUtf8(std::string_view texto, std::size_t i)
{
    const auto primero = static_cast<unsigned char>(texto[i]);
    std::size_t largo = 1;
    if (primero >= 0xC2 && primero <= 0xDF) {
        largo = 2;
    } else if (primero >= 0xE0 && primero <= 0xEF) {
        largo = 3;
    } else if (primero >= 0xF0 && primero <= 0xF4) {
        largo = 4;
    }
    if (i + largo > texto.size()) {
        return 1;
    }
    for (std::size_t k = 1; k < largo; ++k) {
        if ((static_cast<unsigned char>(texto[i + k]) & 0xC0U) != 0x80U) {
            return 1;
        }
    }
    return largo;
}

std::size_t CuentaCaracteresUtf8(std::string_view texto)
{
    // Listing lines are mostly ASCII: one byte, one character. Eight bytes at a time while
    // none of them is above 127.
    constexpr std::uint64_t BitsAltos = 0x8080808080808080U;
    {
        // All of it ASCII, the usual case: told by one pass that gathers the high bits.
        std::uint64_t altos = 0;
        std::size_t j = 0;
        for (; j + sizeof(std::uint64_t) <= texto.size(); j += sizeof(std::uint64_t)) {
            std::uint64_t ocho = 0;
            std::memcpy(&ocho, texto.data() + j, sizeof ocho);
            altos |= ocho;
        }
        for (; j < texto.size(); ++j) {
            altos |= static_cast<unsigned char>(texto[j]);
        }
        if ((altos & BitsAltos) == 0) {
            return texto.size();
        }
    }
    std::size_t caracteres = 0;
    std::size_t i = 0;
    while (i < texto.size()) {
        if (texto.size() - i >= sizeof(std::uint64_t)) {
            std::uint64_t ocho = 0;
            std::memcpy(&ocho, texto.data() + i, sizeof ocho);
            if ((ocho & BitsAltos) == 0) {
                i += sizeof ocho;
                caracteres += sizeof ocho;
                continue;
            }
        }
        i += static_cast<unsigned char>(texto[i]) < 0x80U ? 1 : LongitudCaracterUtf8(texto, i);
        ++caracteres;
    }
    return caracteres;
}

std::int32_t CodigoCaracterUtf8(std::string_view texto, std::size_t i)
{
    const std::size_t largo = LongitudCaracterUtf8(texto, i);
    const auto primero = static_cast<unsigned char>(texto[i]);
    if (largo == 1) {
        return primero;
    }
    constexpr unsigned char BitsPrimero[] = {0, 0, 0x1F, 0x0F, 0x07};
    std::int32_t codigo = primero & BitsPrimero[largo];
    for (std::size_t k = 1; k < largo; ++k) {
        codigo = (codigo << 6) | (static_cast<unsigned char>(texto[i + k]) & 0x3F);
    }
    return codigo;
}

} // namespace dravek
