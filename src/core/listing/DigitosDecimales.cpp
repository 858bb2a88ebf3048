#include "core/listing/DigitosDecimales.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace dravek {

namespace {

// Digits and exponent of to_chars' scientific form "d.ddde+XX", the point and sign left out.
// Up to 17 digits: the shortest form of a double never needs more.
struct FormaCientifica {
    std::array<char, 17> digitos{};
    int cuantos = 0;
    int exponente = 0;
};

FormaCientifica LeeCientifica(const char *p, const char *fin)
{
    FormaCientifica forma;
    for (; p != fin && *p != 'e'; ++p) {
        if (*p != '.' && forma.cuantos < static_cast<int>(forma.digitos.size())) {
            forma.digitos[static_cast<std::size_t>(forma.cuantos++)] = *p;
        }
    }
    if (p != fin) {
        ++p;
        if (p != fin && *p == '+') {
            ++p;
        }
        std::from_chars(p, fin, forma.exponente);
    }
    return forma;
}

DigitosDecimales SinCerosFinales(const FormaCientifica &forma, int cuantos)
{
    DigitosDecimales resultado;
    while (cuantos > 1 && forma.digitos[static_cast<std::size_t>(cuantos - 1)] == '0') {
        --cuantos;
    }
    for (int i = 0; i < DigitosSignificativos; ++i) {
        resultado.digitos[static_cast<std::size_t>(i)] =
            i < cuantos ? forma.digitos[static_cast<std::size_t>(i)] : '0';
    }
    resultado.cuantos = cuantos;
    resultado.exponente = forma.exponente;
    return resultado;
}

// Powers of ten a double holds exactly.
constexpr std::array<double, 23> PotenciasExactas = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr double MenorDeQuinceCifras = 1e14;
constexpr double MenorDeDieciseisCifras = 1e15;

// The 15 digits by arithmetic, for the magnitudes a calculation writes (1E-08 to below 1E+15):
// y = magnitud x 10^k, scaled by an exact power of ten into [1e14, 1e15), is the 15-digit
// number before its rounding. The product is rounded once; fma gives its error exactly, so the
// exact fraction of magnitud x 10^k is known and is rounded as to_chars rounds it. False when
// the scale needs an inexact power of ten or the exact product lies on a half (to_chars then
// rounds to even): those values take the way through the text.
bool QuinceDigitosDirectos(double magnitud, DigitosDecimales &resultado)
{
    // The decimal exponent from the binary one, off by one at most: log10(2) = 0.30103.
    constexpr int SesgoExponente = 1023;
    const auto binario =
        static_cast<int>(std::bit_cast<std::uint64_t>(magnitud) >> 52) - SesgoExponente;
    int k = DigitosSignificativos - 1 - (binario * 30103 / 100000);
    double y = 0;
    for (int intento = 0; intento < 3; ++intento) {
        if (k < 0 || k >= static_cast<int>(PotenciasExactas.size())) {
            return false;
        }
        y = magnitud * PotenciasExactas[static_cast<std::size_t>(k)];
        if (y < MenorDeQuinceCifras) {
            ++k;
        } else if (y >= MenorDeDieciseisCifras) {
            --k;
        } else {
            break;
        }
    }
    if (!(y >= MenorDeQuinceCifras && y < MenorDeDieciseisCifras)) {
        return false;
    }
    // y >= 2^46: its fraction and that less a half are exact; the error of the product is
    // below 2^-4 and exact too.
    // Dropping the fraction of y (positive, below 2^63) is its floor.
    const double error = std::fma(magnitud, PotenciasExactas[static_cast<std::size_t>(k)], -y);
    const auto entero = static_cast<std::uint64_t>(y);
    const double sobreMedio = (y - static_cast<double>(entero)) - 0.5;
    if (sobreMedio == -error) {
        return false;
    }
    auto cifras = entero + (sobreMedio > -error ? 1U : 0U);
    int exponente = DigitosSignificativos - 1 - k;
    if (cifras == static_cast<std::uint64_t>(MenorDeDieciseisCifras)) {
        // 9.99...95 went up to 10: one place higher.
        cifras = static_cast<std::uint64_t>(MenorDeQuinceCifras);
        ++exponente;
    }
    // The 15 digits written whole, seven of them and then eight, two at a time, in 32-bit
    // arithmetic; the trailing zeros are then dropped from the count only, and stay in place.
    constexpr std::uint64_t CienMillones = 100000000;
    const auto alto = static_cast<std::uint32_t>(cifras / CienMillones);
    const auto bajo = static_cast<std::uint32_t>(cifras % CienMillones);
    char *p = resultado.digitos.data();
    const auto par = [](char *destino, std::uint32_t n) {
        std::memcpy(destino, ParesDigitos.data() + 2 * n, 2);
    };
    constexpr std::uint32_t Millon = 1000000;
    constexpr std::uint32_t DiezMil = 10000;
    constexpr std::uint32_t Cien = 100;
    p[0] = static_cast<char>('0' + alto / Millon);
    const std::uint32_t restoAlto = alto % Millon;
    par(p + 1, restoAlto / DiezMil);
    par(p + 3, restoAlto / Cien % Cien);
    par(p + 5, restoAlto % Cien);
    par(p + 7, bajo / DiezMil / Cien);
    par(p + 9, bajo / DiezMil % Cien);
    par(p + 11, bajo % DiezMil / Cien);
    par(p + 13, bajo % Cien);
    // The trailing '0' of the last eight places written (the places 7 to 14, or 0 to 7 when the
    // last eight digits are all zeros) counted at once: each '0' leaves a zero byte once '0' is
    // taken off, at the high end of the word on a little-endian machine. digitos[0] is never
    // '0', so the word is never zero.
    const int desde = bajo == 0 ? 0 : 7;
    std::uint64_t ocho = 0;
    std::memcpy(&ocho, p + desde, sizeof ocho);
    ocho ^= 0x3030303030303030U;
    const int ceros = std::endian::native == std::endian::little ? std::countl_zero(ocho) / 8
                                                                 : std::countr_zero(ocho) / 8;
    const int cuantos = desde + 8 - ceros;
    resultado.cuantos = cuantos;
    resultado.exponente = exponente;
    return true;
}

} // namespace

namespace {

// The way through the text: the shortest form of the value, or to_chars with 14 decimals.
DigitosDecimales QuinceDigitosPorElTexto(double magnitud)
{
    std::array<char, 40> texto{};
    const auto larga = [&] {
        const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), magnitud,
                                       std::chars_format::scientific, DigitosSignificativos - 1);
        return SinCerosFinales(LeeCientifica(texto.data(), fin.ptr), DigitosSignificativos);
    };
    // A subnormal value holds fewer than 15 significant digits of its own: its shortest form
    // says nothing of the 15-digit one.
    if (magnitud < std::numeric_limits<double>::min()) {
        return larga();
    }
    const auto corta = std::to_chars(texto.data(), texto.data() + texto.size(), magnitud,
                                     std::chars_format::scientific);
    FormaCientifica forma = LeeCientifica(texto.data(), corta.ptr);

    // The shortest form S lies within half a unit in the last place of the double x, less than
    // a ninth of the step between 15-digit numbers. With 15 digits or fewer, S is therefore the
    // 15-digit number nearest to x. With more, no halfway point between two 15-digit numbers
    // lies strictly between x and S (it would be a shorter or a nearer form than S), so S rounds
    // as x does, unless S is that halfway point itself: 16 digits ending in 5 (a 17th digit is
    // never a trailing 0).
    const int n = forma.cuantos;
    if (n <= DigitosSignificativos) {
        return SinCerosFinales(forma, n);
    }
    const char siguiente = forma.digitos[DigitosSignificativos];
    if (n == DigitosSignificativos + 1 && siguiente == '5') {
        return larga();
    }
    if (siguiente >= '5') {
        int i = DigitosSignificativos - 1;
        while (i >= 0 && forma.digitos[static_cast<std::size_t>(i)] == '9') {
            forma.digitos[static_cast<std::size_t>(i--)] = '0';
        }
        if (i < 0) {
            // 9.99...9 went up to 10: one digit, one place higher.
            forma.digitos[0] = '1';
            ++forma.exponente;
            return SinCerosFinales(forma, 1);
        }
        ++forma.digitos[static_cast<std::size_t>(i)];
    }
    return SinCerosFinales(forma, DigitosSignificativos);
}

} // namespace

DigitosDecimales QuinceDigitos(double magnitud)
{
    // One object written in place and returned as it is: the digits are not copied again.
    DigitosDecimales resultado;
    if (magnitud >= std::numeric_limits<double>::min() &&
        QuinceDigitosDirectos(magnitud, resultado)) {
        return resultado;
    }
    resultado = QuinceDigitosPorElTexto(magnitud);
    return resultado;
}

} // namespace dravek
