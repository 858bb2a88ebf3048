#pragma once

// The decimal digits every listed number is taken from: the value correctly rounded to 15
// significant digits, as the old runtime's formatting took it before any rounding of its own.
// Shared by the number formatter of the listings and the general format of the debug file.

#include <array>
#include <cstddef>

namespace dravek {

inline constexpr int DigitosSignificativos = 15;

// magnitud x 10^-exponente = d1.d2d3...: digits[0] is never '0' and the last digit kept is never
// '0' (trailing zeros are dropped), at most 15 of them.
struct DigitosDecimales {
    std::array<char, DigitosSignificativos> digitos{};
    int cuantos = 0;
    int exponente = 0;
};

// magnitud finite and above 0. The result is the same as that of to_chars in scientific form
// with 14 decimals, with its trailing zeros dropped, but it is found from the shortest form of
// the value, several times cheaper; only the values whose shortest form ends exactly halfway
// between two 15-digit numbers take the long way.
DigitosDecimales QuinceDigitos(double magnitud);

} // namespace dravek
