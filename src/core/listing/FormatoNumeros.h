#pragma once

// Fixed-width fields of the listings (monospaced font) and the one number formatter shared by
// listings, data-entry fields and files. Nothing here depends on the C locale: the decimal
// separator is always given by the caller.

#include "core/listing/DigitosDecimales.h"
#include "core/listing/EscrituraTexto.h"
#include "core/model/EstadoObra.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace dravek {

// A number written plainly in its shortest exact form, with the user's separator: 275, 27,5.
std::string NumeroSimple(double valor, std::string_view separador);

// A whole number right-aligned to a width of characters: the digits with a leading minus sign
// when negative, blanks in front. A number wider than the column is returned whole.
std::string sNumeroEnt(std::int64_t valor, int ancho);

// A text left-aligned to a width counted in characters (UTF-8 code points, so "RIÑONES" is 7):
// padded with blanks, or cut to its first ancho characters.
std::string sTextoFijo(std::string_view texto, int ancho);

// The same appended to destino.
void AnadeTextoFijo(std::string &destino, std::string_view texto, int ancho);

// n blanks, none when n is 0 or less: the indents and gaps of the listing lines.
std::string Blancos(int n);

// A value through a Format-style mask: "#" an optional integer digit, "0" a required one, "."
// the decimal separator given (every place after it is a decimal printed). The "#" places
// never limit the integer part; at least one integer digit; no digit grouping; a minus sign in
// front of a negative number. "#####0.00" gives "0.50" for 0.5 and "1234567.00" for 1234567.
std::string FormateaMascara(double valor, std::string_view mascara, std::string_view separador);

// Value to show, its unit text and the decimals it is shown with.
struct UnidadConvertida {
    double valor = 0;
    std::string unidad;
    int decimales = 0;
};

// Converts a value in calculation units (MKS) for display by its conversion key: in SI
// (SistemaUnidades exactly "SI") the value is converted; in both systems the key gives the unit
// text and adjusts the decimals. Keys are matched exactly, case included. An unknown key gives
// -999999999 with no unit and the decimals unchanged, so the listing shows that number.
UnidadConvertida ConvierteUnidad(const EstadoEjecucion &ejecucion, double valor,
                                 std::string_view ClaveConversion, int decimales);

// A real number of a listing: converted by its key, formatted with the user's decimal separator
// (SeparadorDecimalLocal), right-aligned to a width (returned whole when wider), and, when
// conUnidad, followed by one blank and the unit text.
std::string sNumeroDob(const EstadoEjecucion &ejecucion, double valor, int ancho, int decimales,
                       std::string_view ClaveConversion, bool conUnidad);

// The pieces of a listing's number written straight into the text; used by ClaveNumero, whose
// fields a case writes by the dozen.
namespace campo_numero {

// Exact powers of ten, for the decimals a listing asks (a handful at most).
inline constexpr std::array<double, 16> PotenciasDiez = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Above this the units of magnitud x 10^decimales may already lie past the 15th significant
// digit, and the product may not hold its fraction exactly.
inline constexpr double LimiteRedondeoDirecto = 4e12;

// The value is first taken to 15 significant digits and then rounded half away from zero on
// that decimal form, as the old runtime's formatting did: 2.675 (stored as 2.67499999...) gives
// 2.68 and 1.005 gives 1.01 with 2 decimals. Deliberate.
//
// The direct way: y = magnitud x 10^decimales in floating point. The 15-digit form and the
// rounded product both lie within 0.62 x 10^(e + decimales - 14) of the exact magnitud x
// 10^decimales (e the place of its first digit), which is below y x 1e-14; a fraction of y
// farther than y x 1e-13 from a half therefore rounds the same way as the 15-digit form would.
// False when that cannot be told (and for a value that is not finite).
inline bool RedondeoDirecto(double magnitud, int decimales, std::uint64_t &redondeado)
{
    if (decimales < 0 || decimales >= static_cast<int>(PotenciasDiez.size())) {
        return false;
    }
    const double y = magnitud * PotenciasDiez[static_cast<std::size_t>(decimales)];
    if (!(y < LimiteRedondeoDirecto)) {
        return false;
    }
    // 0 <= y < 4e12: dropping the fraction is the floor, and exact.
    const auto entero = static_cast<std::uint64_t>(y);
    const double fraccion = y - static_cast<double>(entero);
    if (std::abs(fraccion - 0.5) <= y * 1e-13) {
        return false;
    }
    redondeado = entero + (fraccion > 0.5 ? 1U : 0U);
    return true;
}

// The same the long way, through the 15 digits: for the values on or next to a half. False
// when the rounded number would not fit 19 digits.
bool RedondeoQuinceDigitos(double magnitud, int decimales, std::uint64_t &redondeado);

// Fields written this way: at most this wide, a separator and a unit at most this long, at
// most this many decimals.
inline constexpr int AnchoMaximo = 64;
inline constexpr std::size_t PiezaMaxima = 16;
inline constexpr int DecimalesMaximos = 19;
// Bytes a field may take from where it starts: its blanks, or 20 digits, a minus sign and a
// separator; a blank and a unit; the fixed-size fill of the blanks.
inline constexpr std::size_t BytesCampo = 128;

// Digits of n, at least one.
inline int CuentaCifras(std::uint64_t n)
{
    int cifras = 1;
    for (; n >= 10000; n /= 10000) {
        cifras += 4;
    }
    return cifras + (n >= 10 ? 1 : 0) + (n >= 100 ? 1 : 0) + (n >= 1000 ? 1 : 0);
}

// Writes the last two digits of n just before p and returns where they start.
inline char *ParAntes(char *p, std::uint64_t n)
{
    constexpr std::uint64_t Cien = 100;
    p -= 2;
    std::memcpy(p, ParesDigitos.data() + 2 * (n % Cien), 2);
    return p;
}

// The field of sNumeroDob for the rounded whole number n = magnitude x 10^decimales (0 <=
// decimales <= DecimalesMaximos), written from p on (BytesCampo bytes of room): blanks in front
// up to ancho characters, the minus sign, at least one integer digit, the separator and the
// decimals, then a blank and the unit when conUnidad. Returns its end.
inline char *EscribeCampo(char *p, std::uint64_t n, bool menos, int decimales, int ancho,
                          std::string_view separador, std::size_t bytesDeMasSeparador,
                          std::string_view unidad, bool conUnidad)
{
    const int cifras = CuentaCifras(n);
    const auto enteros = static_cast<std::size_t>(cifras > decimales ? cifras - decimales : 1);
    const auto d = static_cast<std::size_t>(decimales);
    const std::size_t bytesSeparador = d > 0 ? separador.size() : 0;
    const std::size_t bytesNumero = (menos ? 1 : 0) + enteros + bytesSeparador + d;
    const std::size_t caracteres = bytesNumero - (d > 0 ? bytesDeMasSeparador : 0);
    const std::size_t columnas = ancho > 0 ? static_cast<std::size_t>(ancho) : 0;
    const std::size_t blancos = caracteres < columnas ? columnas - caracteres : 0;
    // The blanks in one fixed-size fill, enough for the widest field.
    std::memset(p, ' ', static_cast<std::size_t>(AnchoMaximo));
    char *const inicio = p + blancos;
    char *const fin = inicio + bytesNumero;
    char *q = fin;
    std::size_t porEscribir = d;
    for (; porEscribir >= 2; porEscribir -= 2) {
        q = ParAntes(q, n);
        n /= 100;
    }
    if (porEscribir == 1) {
        *--q = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    if (d > 0) {
        if (separador.size() == 1) {
            *--q = separador[0];
        } else {
            q -= separador.size();
            std::memcpy(q, separador.data(), separador.size());
        }
    }
    while (n >= 100) {
        q = ParAntes(q, n);
        n /= 100;
    }
    if (n >= 10) {
        q = ParAntes(q, n);
    } else {
        *--q = static_cast<char>('0' + n);
    }
    if (menos) {
        *inicio = '-';
    }
    char *final = fin;
    if (conUnidad) {
        *final++ = ' ';
        // An empty unit may have no bytes at all, which memcpy may not be given.
        if (!unidad.empty()) {
            std::memcpy(final, unidad.data(), unidad.size());
            final += unidad.size();
        }
    }
    return final;
}

} // namespace campo_numero

// A conversion key of sNumeroDob looked up once, with the units system and the decimal
// separator of the moment, for a listing that writes many numbers with it. It refers to the
// key's table and to ejecucion's separator, which must outlive it.
class ClaveNumero {
public:
    ClaveNumero(const EstadoEjecucion &ejecucion, std::string_view ClaveConversion);

    // What sNumeroDob gives for the same arguments, appended to destino.
    void Anade(std::string &destino, double valor, int ancho, int decimales,
               bool conUnidad = false) const;

    // The same written straight into the text: the usual field, written from the rounded whole
    // number, costs no call.
    void Anade(EscrituraTexto &destino, double valor, int ancho, int decimales,
               bool conUnidad = false) const
    {
        const Convertido c = Convierte(valor, decimales);
        const int d = std::max(c.decimales, 0);
        std::uint64_t n = 0;
        if (ancho <= campo_numero::AnchoMaximo && m_separadorCorto &&
            campo_numero::RedondeoDirecto(std::fabs(c.valor), d, n)) {
            destino.Avanza(campo_numero::EscribeCampo(
                destino.Sitio(campo_numero::BytesCampo), n, std::signbit(c.valor) && n != 0, d,
                ancho, m_separador, m_bytesDeMasSeparador, m_unidad, conUnidad));
            return;
        }
        AnadeLargo(destino, c, ancho, conUnidad);
    }

private:
    // A value converted for display, its unit being m_unidad.
    struct Convertido {
        double valor;
        int decimales;
    };

    Convertido Convierte(double valor, int decimales) const
    {
        if (m_desconocida) {
            return {ValorClaveDesconocida, decimales};
        }
        if (!m_soloSiHay || decimales > 0) {
            decimales += m_decimalesDeMas;
        }
        if (m_divide) {
            return {valor / m_factor, decimales};
        }
        return {m_multiplica ? valor * m_factor : valor, decimales};
    }

    void AnadeLargo(EscrituraTexto &destino, const Convertido &c, int ancho, bool conUnidad) const;

    // What an unknown key shows.
    static constexpr double ValorClaveDesconocida = -999999999.0;

    bool m_desconocida = false;
    bool m_divide = false;
    bool m_multiplica = false;
    double m_factor = 1;
    // The decimals asked for change by this many; when m_soloSiHay, only when some are asked.
    int m_decimalesDeMas = 0;
    bool m_soloSiHay = false;
    std::string_view m_unidad;
    std::string_view m_separador;
    std::size_t m_bytesDeMasSeparador = 0; // bytes of the separator beyond its characters
    bool m_separadorCorto = true;          // short enough for the field written straight
};

// A field of a listing as last written, with its value: a field whose value has not changed
// since (a force of the case heading along the pressures of a fill height) is copied rather
// than written again. The caller keeps one for each place it writes, with the same key, width
// and decimals every time, and forgets them when the units or the separator change.
class CampoGuardado {
public:
    void Anade(EscrituraTexto &destino, const ClaveNumero &clave, double valor, int ancho,
               int decimales)
    {
        // Compared bit for bit: the same bits are written the same.
        const auto bits = std::bit_cast<std::uint64_t>(valor);
        if (m_largo != 0 && bits == m_bits) {
            char *p = destino.Sitio(m_texto.size());
            std::memcpy(p, m_texto.data(), m_texto.size());
            destino.Avanza(p + m_largo);
            return;
        }
        const std::size_t inicio = destino.Escrito();
        clave.Anade(destino, valor, ancho, decimales);
        const std::string_view escrito = destino.Desde(inicio);
        // A field longer than the copy is written every time.
        m_largo = escrito.size() <= m_texto.size() ? escrito.size() : 0;
        std::memcpy(m_texto.data(), escrito.data(), m_largo);
        m_bits = bits;
    }

    void Olvida() { m_largo = 0; }

private:
    std::uint64_t m_bits = 0;
    std::array<char, 16> m_texto{};
    std::size_t m_largo = 0; // 0: nothing kept
};

} // namespace dravek
