#pragma once

// The decimal digits every listed number is taken from: the value correctly rounded to 15
// significant digits, as the old runtime's formatting took it before any rounding of its own.
// Shared by the number formatter of the listings and the general format of the debug file.

#include <array>
#include <cstddef>

namespace dravek {

inline constexpr int DigitosSignificativos = 15;

// magnitud x 10^-exponente = d1.d2d3...: digits[0] is never '0' and the last digit kept is never
// '0' (trailing zeros are dropped), at most 15 of them. The places from cuantos up to the 15th
// hold '0' and the rest of the array is spare room, so that a writer may copy a fixed 16 bytes
// from any of the first 16 places and keep only what it needs.
struct DigitosDecimales {
    std::array<char, 2 * DigitosSignificativos + 2> digitos{};
    int cuantos = 0;
    int exponente = 0;
};

// magnitud finite and above 0. The result is the same as that of to_chars in scientific form
// with 14 decimals, with its trailing zeros dropped, but it is found from the shortest form of
// the value, several times cheaper; only the values whose shortest form ends exactly halfway
// between two 15-digit numbers take the long way.
DigitosDecimales QuinceDigitos(double magnitud);

// "00" to "99", two digits at a time.
inline constexpr std::array<char, 200> ParesDigitos = [] {
    std::array<char, 200> pares{};
    for (std::size_t i = 0; i < 100; ++i) {
        pares[2 * i] = static_cast<char>('0' + i / 10);
        pares[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pares;
}();

} // namespace dravek
