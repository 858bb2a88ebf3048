#pragma once

// Fixed-width layouts count characters, not bytes: "RIÑONES" is 7 wide. Texts are UTF-8; a
// byte that starts no valid sequence (a file saved in a one-byte code page, a damaged text)
// counts as one character of its own, so a text is always measured and never cut mid-sequence.

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace dravek {

// Bytes of the character that starts at texto[i] (i < texto.size()).
std::size_t LongitudCaracterUtf8(std::string_view texto, std::size_t i);

std::size_t CuentaCaracteresUtf8(std::string_view texto);

// Code point of the character that starts at texto[i]; a lone byte gives its own value.
std::int32_t CodigoCaracterUtf8(std::string_view texto, std::size_t i);

} // namespace dravek
