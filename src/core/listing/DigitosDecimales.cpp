#include "core/listing/DigitosDecimales.h"

#include <charconv>
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
    for (int i = 0; i < cuantos; ++i) {
        resultado.digitos[static_cast<std::size_t>(i)] =
            forma.digitos[static_cast<std::size_t>(i)];
    }
    resultado.cuantos = cuantos;
    resultado.exponente = forma.exponente;
    return resultado;
}

} // namespace

DigitosDecimales QuinceDigitos(double magnitud)
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

} // namespace dravek
