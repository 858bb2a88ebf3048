#include "core/listing/FormatoNumeros.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "core/listing/DigitosDecimales.h"
#include "core/model/TextoPlano.h"
#include "core/model/Utf8.h"

namespace dravek {

namespace {

// Exact powers of ten, for the decimals a listing asks (a handful at most).
constexpr std::array<double, 16> PotenciasDiez = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Above this the units of magnitud x 10^decimales may already lie past the 15th significant
// digit, and the product may not hold its fraction exactly.
constexpr double LimiteRedondeoDirecto = 4e12;

// The value is first taken to 15 significant digits and then rounded half away from zero on
// that decimal form, as the old runtime's formatting did: 2.675 (stored as 2.67499999...) gives
// 2.68 and 1.005 gives 1.01 with 2 decimals. Deliberate.
//
// The direct way: y = magnitud x 10^decimales in floating point. The 15-digit form and the
// rounded product both lie within 0.62 x 10^(e + decimales - 14) of the exact magnitud x
// 10^decimales (e the place of its first digit), which is below y x 1e-14; a fraction of y
// farther than y x 1e-13 from a half therefore rounds the same way as the 15-digit form would.
// False when that cannot be told, and the digits are then taken the long way.
bool RedondeoDirecto(double magnitud, int decimales, std::uint64_t &redondeado)
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

// The long way: the digits of magnitud x 10^decimales rounded on the 15-digit form, with no
// leading zeros ("0" for zero).
std::string DigitosRedondeados(double magnitud, int decimales)
{
    if (magnitud == 0) {
        return "0";
    }
    const DigitosDecimales quince = QuinceDigitos(magnitud);
    // Digits whose place is 10^-decimales or more.
    const int conservados = quince.exponente + decimales + 1;
    if (conservados <= 0) {
        return conservados == 0 && quince.digitos[0] >= '5' ? "1" : "0";
    }
    const auto n = static_cast<std::size_t>(conservados);
    const auto disponibles = static_cast<std::size_t>(quince.cuantos);
    std::string resultado(n, '0');
    std::copy_n(quince.digitos.begin(), std::min(n, disponibles), resultado.begin());
    if (n < disponibles && quince.digitos[n] >= '5') {
        std::size_t i = n;
        while (i > 0 && resultado[i - 1] == '9') {
            resultado[--i] = '0';
        }
        if (i == 0) {
            resultado.insert(0, 1, '1');
        } else {
            ++resultado[i - 1];
        }
    }
    return resultado;
}

// A finite value with a fixed count of decimals, its digits worked out once: the direct way
// into a small buffer, or the long way into a string.
class NumeroFijo {
public:
    NumeroFijo(double valor, int decimales, std::size_t minimoEnteros, std::string_view separador)
        : m_decimales(static_cast<std::size_t>(std::max(decimales, 0))), m_separador(separador)
    {
        const double magnitud = std::fabs(valor);
        std::uint64_t redondeado = 0;
        if (RedondeoDirecto(magnitud, decimales, redondeado)) {
            const auto escrito =
                std::to_chars(m_rapido.data(), m_rapido.data() + m_rapido.size(), redondeado);
            m_digitos = std::string_view(m_rapido.data(),
                                         static_cast<std::size_t>(escrito.ptr - m_rapido.data()));
        } else {
            m_lento = DigitosRedondeados(magnitud, decimales);
            m_digitos = m_lento;
        }
        // A negative value that rounds to zero is shown without its minus ("0.00", not
        // "-0.00"): an engineer reads a signed zero as a fault.
        m_menos = std::signbit(valor) && m_digitos != "0";
        const std::size_t minimo = m_decimales + std::max<std::size_t>(minimoEnteros, 1);
        m_ceros = m_digitos.size() < minimo ? minimo - m_digitos.size() : 0;
    }

    std::size_t Caracteres() const
    {
        return Cifras() + (m_menos ? 1 : 0) + (m_decimales > 0 ? CaracteresSeparador() : 0);
    }
    std::size_t Bytes() const
    {
        return Cifras() + (m_menos ? 1 : 0) + (m_decimales > 0 ? m_separador.size() : 0);
    }

    // Writes the Bytes() of the number from texto on; returns the end.
    char *Escribe(char *texto) const
    {
        if (m_menos) {
            *texto++ = '-';
        }
        const std::size_t enteros = Cifras() - m_decimales;
        texto = CopiaCifras(texto, 0, enteros);
        if (m_decimales > 0) {
            texto = std::copy(m_separador.begin(), m_separador.end(), texto);
            texto = CopiaCifras(texto, enteros, Cifras());
        }
        return texto;
    }

private:
    // The usual separator, "." or ",", is one byte and one character: not counted each time.
    std::size_t CaracteresSeparador() const
    {
        return m_separador.size() == 1 && static_cast<unsigned char>(m_separador[0]) < 0x80U
                   ? 1
                   : CuentaCaracteresUtf8(m_separador);
    }

    // The digits with the leading zeros the count of decimals and integer places asks for.
    std::size_t Cifras() const { return m_ceros + m_digitos.size(); }

    char *CopiaCifras(char *texto, std::size_t desde, std::size_t hasta) const
    {
        if (desde < m_ceros) {
            texto = std::fill_n(texto, std::min(hasta, m_ceros) - desde, '0');
            desde = m_ceros;
        }
        if (desde < hasta) {
            texto = std::copy_n(m_digitos.data() + (desde - m_ceros), hasta - desde, texto);
        }
        return texto;
    }

    NumeroFijo(const NumeroFijo &) = delete;
    NumeroFijo &operator=(const NumeroFijo &) = delete;

    std::size_t m_decimales;
    std::string_view m_separador;
    std::array<char, 24> m_rapido{};
    std::string m_lento;
    std::string_view m_digitos;
    std::size_t m_ceros = 0;
    bool m_menos = false;
};

enum class Operacion { Ninguna, Divide, Multiplica };

enum class AjusteDecimales {
    Iguales,
    UnoMas,
    DosMas,
    UnoMenosSiHay, // one fewer, never below 0
    UnoMasSiHay,   // one more only when some were asked
};

struct ClaveUnidad {
    std::string_view clave;
    Operacion operacion;
    double factor;
    std::string_view unidadSI;
    AjusteDecimales decimalesSI;
    std::string_view unidadMKS;
    AjusteDecimales decimalesMKS;
};

// Matched in this order, exactly and case-sensitively ("Kp/cm2->MPa" with a capital K).
constexpr std::array<ClaveUnidad, 9> ClavesConversion{{
    {"", Operacion::Ninguna, 1.0, "", AjusteDecimales::Iguales, "", AjusteDecimales::Iguales},
    {"at->MPa", Operacion::Divide, FactorTensiones, "MPa", AjusteDecimales::DosMas, "at",
     AjusteDecimales::UnoMas},
    {"Kp/cm2->MPa", Operacion::Divide, FactorTensiones, "MPa", AjusteDecimales::UnoMas, "kp/cm2",
     AjusteDecimales::Iguales},
    {"T/M2->MPa", Operacion::Divide, FactorCargas, "MPa", AjusteDecimales::UnoMas, "T/M2",
     AjusteDecimales::Iguales},
    {"T/M2->kN/M2", Operacion::Multiplica, FactorFuerzas, "kN/M2", AjusteDecimales::UnoMenosSiHay,
     "T/M2", AjusteDecimales::Iguales},
    {"T->kN", Operacion::Multiplica, FactorFuerzas, "kN", AjusteDecimales::UnoMenosSiHay, "t",
     AjusteDecimales::Iguales},
    {"mT->mkN", Operacion::Multiplica, FactorFuerzas, "m.kN", AjusteDecimales::UnoMenosSiHay,
     "m.t", AjusteDecimales::Iguales},
    {"kp/cm->N/cm", Operacion::Multiplica, FactorFuerzas, "N/cm", AjusteDecimales::UnoMenosSiHay,
     "kp/cm", AjusteDecimales::Iguales},
    {"kp.cm/cm->N.m/cm", Operacion::Divide, FactorFuerzas, "N.m/cm", AjusteDecimales::UnoMasSiHay,
     "kp.cm/cm", AjusteDecimales::Iguales},
}};

int AjustaDecimales(int decimales, AjusteDecimales ajuste)
{
    switch (ajuste) {
    case AjusteDecimales::UnoMas:
        return decimales + 1;
    case AjusteDecimales::DosMas:
        return decimales + 2;
    case AjusteDecimales::UnoMenosSiHay:
        return decimales > 0 ? decimales - 1 : decimales;
    case AjusteDecimales::UnoMasSiHay:
        return decimales > 0 ? decimales + 1 : decimales;
    case AjusteDecimales::Iguales:
        break;
    }
    return decimales;
}

constexpr double ValorClaveDesconocida = -999999999.0;

// What a conversion key gives, the unit text left in the table.
struct Conversion {
    double valor = 0;
    std::string_view unidad;
    int decimales = 0;
};

// The row of a key in ClavesConversion; -1 when the key is unknown.
int BuscaClave(std::string_view ClaveConversion)
{
    for (std::size_t i = 0; i < ClavesConversion.size(); ++i) {
        if (ClavesConversion[i].clave == ClaveConversion) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

Conversion ConvierteConFila(int numeroFila, bool enSI, double valor, int decimales)
{
    if (numeroFila < 0) {
        return {ValorClaveDesconocida, {}, decimales};
    }
    const ClaveUnidad &fila = ClavesConversion[static_cast<std::size_t>(numeroFila)];
    if (!enSI) {
        return {valor, fila.unidadMKS, AjustaDecimales(decimales, fila.decimalesMKS)};
    }
    Conversion convertida{valor, fila.unidadSI, AjustaDecimales(decimales, fila.decimalesSI)};
    if (fila.operacion == Operacion::Divide) {
        convertida.valor = valor / fila.factor;
    } else if (fila.operacion == Operacion::Multiplica) {
        convertida.valor = valor * fila.factor;
    }
    return convertida;
}

Conversion Convierte(const EstadoEjecucion &ejecucion, double valor,
                     std::string_view ClaveConversion, int decimales)
{
    return ConvierteConFila(BuscaClave(ClaveConversion), ejecucion.SistemaUnidades == "SI", valor,
                            decimales);
}

// Writes the last two digits of n just before p and returns where they start.
char *ParAntes(char *p, std::uint64_t n)
{
    constexpr std::uint64_t Cien = 100;
    p -= 2;
    std::memcpy(p, ParesDigitos.data() + 2 * (n % Cien), 2);
    return p;
}

// Bytes of the separator beyond its characters: none for the usual "." or ",".
std::size_t BytesDeMasSeparador(std::string_view separador)
{
    if (separador.size() == 1 && static_cast<unsigned char>(separador[0]) < 0x80U) {
        return 0;
    }
    return separador.size() - CuentaCaracteresUtf8(separador);
}

// The usual field of sNumeroDob, written from its end backwards into a small buffer and appended
// in one go: the digits come straight from the rounded whole number of RedondeoDirecto, as
// NumeroFijo would lay them out. False, nothing written, when that number cannot be had directly
// (a value on or near a half, too large, not finite) or the field would not fit the buffer; the
// long way then writes it.
bool AnadeFijoDirecto(std::string &destino, const Conversion &convertida, int ancho,
                      std::string_view separador, bool conUnidad)
{
    constexpr int AnchoMaximo = 64;
    constexpr std::size_t PiezaMaxima = 16;
    const int d = std::max(convertida.decimales, 0);
    std::uint64_t n = 0;
    if (ancho > AnchoMaximo || separador.size() > PiezaMaxima ||
        convertida.unidad.size() > PiezaMaxima ||
        !RedondeoDirecto(std::fabs(convertida.valor), d, n)) {
        return false;
    }
    // Below 4e12 with at most 15 decimals: 16 digits at most, leading zeros included. The
    // room before the number is blanked beforehand in one fixed-size fill, enough for the
    // widest field: its digits and separator then overwrite part of it.
    constexpr std::size_t Blanqueado = AnchoMaximo + PiezaMaxima;
    std::array<char, Blanqueado + PiezaMaxima + 1> campo;
    char *const fin = campo.data() + campo.size();
    char *p = fin;
    if (conUnidad) {
        // An empty unit may have no bytes at all, which memcpy may not be given.
        if (!convertida.unidad.empty()) {
            p -= convertida.unidad.size();
            std::memcpy(p, convertida.unidad.data(), convertida.unidad.size());
        }
        *--p = ' ';
    }
    char *const finNumero = p;
    std::memset(finNumero - Blanqueado, ' ', Blanqueado);
    const bool menos = std::signbit(convertida.valor) && n != 0;
    int decimales = d;
    for (; decimales >= 2; decimales -= 2) {
        p = ParAntes(p, n);
        n /= 100;
    }
    if (decimales == 1) {
        *--p = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    std::size_t bytesDeMas = 0;
    if (d > 0) {
        if (separador.size() == 1) {
            *--p = separador[0];
        } else {
            p -= separador.size();
            std::memcpy(p, separador.data(), separador.size());
        }
        bytesDeMas = BytesDeMasSeparador(separador);
    }
    while (n >= 100) {
        p = ParAntes(p, n);
        n /= 100;
    }
    if (n >= 10) {
        p = ParAntes(p, n);
    } else {
        *--p = static_cast<char>('0' + n);
    }
    if (menos) {
        *--p = '-';
    }
    // Blanks in front up to the width: already there.
    const auto caracteres = static_cast<std::size_t>(finNumero - p) - bytesDeMas;
    const std::size_t columnas = ancho > 0 ? static_cast<std::size_t>(ancho) : 0;
    if (caracteres < columnas) {
        p -= columnas - caracteres;
    }
    destino.append(p, static_cast<std::size_t>(fin - p));
    return true;
}

// sNumeroDob of a value already converted, appended to destino in place, the long way.
void AnadeConvertido(std::string &destino, const Conversion &convertida, int ancho,
                     std::string_view separador, bool conUnidad)
{
    // Straight from the width and the decimals: the number takes at least one integer digit and
    // is right-aligned to the width, as the mask of ancho - decimales - 2 "#", a "0", the point
    // and the decimals would lay it out.
    const int d = std::max(convertida.decimales, 0);
    const std::size_t columnas = ancho > 0 ? static_cast<std::size_t>(ancho) : 0;
    const std::size_t unidad = conUnidad ? 1 + convertida.unidad.size() : 0;
    const std::size_t inicio = destino.size();

    if (!std::isfinite(convertida.valor)) {
        // As many stars as the mask has places: one fewer than the width when there are no
        // decimals, the place of the point staying reserved.
        const std::size_t almohadillas =
            ancho - d - 2 >= 1 ? static_cast<std::size_t>(ancho - d - 2) : 0;
        const std::size_t estrellas =
            almohadillas + 1 + (d > 0 ? 1 + static_cast<std::size_t>(d) : 0);
        const std::size_t blancos = estrellas < columnas ? columnas - estrellas : 0;
        destino.append(blancos + estrellas + unidad, ' ');
        std::fill_n(destino.begin() + static_cast<std::ptrdiff_t>(inicio + blancos), estrellas,
                    '*');
    } else {
        const NumeroFijo numero(convertida.valor, d, 1, separador);
        const std::size_t caracteres = numero.Caracteres();
        const std::size_t blancos = caracteres < columnas ? columnas - caracteres : 0;
        const std::size_t total = blancos + numero.Bytes() + unidad;
        std::array<char, 64> campo;
        if (total <= campo.size()) {
            // The usual field, laid out beside and appended in one go: a listing writes some
            // forty numbers a case.
            char *p = std::fill_n(campo.data(), blancos, ' ');
            p = numero.Escribe(p);
            if (conUnidad) {
                *p++ = ' ';
                p = std::copy(convertida.unidad.begin(), convertida.unidad.end(), p);
            }
            destino.append(campo.data(), total);
            return;
        }
        destino.append(total, ' ');
        numero.Escribe(destino.data() + inicio + blancos);
    }
    if (conUnidad) {
        // After the blank left for it at the end.
        std::copy(convertida.unidad.begin(), convertida.unidad.end(),
                  destino.end() - static_cast<std::ptrdiff_t>(convertida.unidad.size()));
    }
}

} // namespace

std::string NumeroSimple(double valor, std::string_view separador)
{
    std::array<char, 64> texto{};
    const auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), valor);
    std::string s(texto.data(), escrito.ptr);
    if (const std::size_t punto = s.find('.'); punto != std::string::npos) {
        s.replace(punto, 1, separador);
    }
    return s;
}

std::string sNumeroEnt(std::int64_t valor, int ancho)
{
    std::array<char, 24> texto{};
    const auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), valor);
    const auto cifras = static_cast<std::size_t>(escrito.ptr - texto.data());
    const std::size_t blancos = ancho > 0 && cifras < static_cast<std::size_t>(ancho)
                                    ? static_cast<std::size_t>(ancho) - cifras
                                    : 0;
    std::string resultado;
    resultado.reserve(blancos + cifras);
    resultado.append(blancos, ' ');
    resultado.append(texto.data(), cifras);
    return resultado;
}

namespace {

// Bytes of texto that make its first columnas characters (all of it when shorter), and how
// many characters they are.
std::pair<std::size_t, std::size_t> PrimerosCaracteres(std::string_view texto,
                                                       std::size_t columnas)
{
    // The usual text is ASCII: one byte, one character, told eight bytes at a time.
    const std::size_t tramo = std::min(texto.size(), columnas);
    constexpr std::uint64_t BitsAltos = 0x8080808080808080U;
    std::size_t i = 0;
    for (; i + sizeof(std::uint64_t) <= tramo; i += sizeof(std::uint64_t)) {
        std::uint64_t ocho = 0;
        std::memcpy(&ocho, texto.data() + i, sizeof ocho);
        if ((ocho & BitsAltos) != 0) {
            break;
        }
    }
    std::size_t caracteres = i;
    while (i < texto.size() && caracteres < columnas) {
        i += static_cast<unsigned char>(texto[i]) < 0x80U ? 1 : LongitudCaracterUtf8(texto, i);
        ++caracteres;
    }
    return {i, caracteres};
}

} // namespace

std::string sTextoFijo(std::string_view texto, int ancho)
{
    const std::size_t columnas = ancho > 0 ? static_cast<std::size_t>(ancho) : 0;
    const auto [bytes, caracteres] = PrimerosCaracteres(texto, columnas);
    std::string resultado;
    resultado.reserve(bytes + columnas - caracteres);
    resultado.append(texto.substr(0, bytes));
    resultado.append(columnas - caracteres, ' ');
    return resultado;
}

void AnadeTextoFijo(std::string &destino, std::string_view texto, int ancho)
{
    const std::size_t columnas = ancho > 0 ? static_cast<std::size_t>(ancho) : 0;
    const auto [bytes, caracteres] = PrimerosCaracteres(texto, columnas);
    destino.append(texto.substr(0, bytes));
    destino.append(columnas - caracteres, ' ');
}

std::string Blancos(int n)
{
    return std::string(static_cast<std::size_t>(std::max(n, 0)), ' ');
}

std::string FormateaMascara(double valor, std::string_view mascara, std::string_view separador)
{
    // A calculation never hands over a NaN or an infinity; should one arrive, the field is
    // filled with "*" (as long as the mask) rather than showing "nan", "inf" or a wrong digit.
    if (!std::isfinite(valor)) {
        return std::string(std::max<std::size_t>(mascara.size(), 1), '*');
    }

    const std::size_t punto = mascara.find('.');
    const std::string_view parteEntera = mascara.substr(0, punto);
    int decimales = 0;
    if (punto != std::string_view::npos) {
        for (const char c : mascara.substr(punto + 1)) {
            if (c == '0' || c == '#') {
                ++decimales;
            }
        }
    }
    const auto cerosEnteros = std::count(parteEntera.begin(), parteEntera.end(), '0');
    const NumeroFijo numero(valor, decimales, static_cast<std::size_t>(cerosEnteros), separador);
    std::string resultado(numero.Bytes(), '\0');
    numero.Escribe(resultado.data());
    return resultado;
}

UnidadConvertida ConvierteUnidad(const EstadoEjecucion &ejecucion, double valor,
                                 std::string_view ClaveConversion, int decimales)
{
    const Conversion convertida = Convierte(ejecucion, valor, ClaveConversion, decimales);
    return {convertida.valor, std::string(convertida.unidad), convertida.decimales};
}

std::string sNumeroDob(const EstadoEjecucion &ejecucion, double valor, int ancho, int decimales,
                       std::string_view ClaveConversion, bool conUnidad)
{
    std::string resultado;
    const Conversion convertida = Convierte(ejecucion, valor, ClaveConversion, decimales);
    if (!AnadeFijoDirecto(resultado, convertida, ancho, ejecucion.SeparadorDecimalLocal,
                          conUnidad)) {
        AnadeConvertido(resultado, convertida, ancho, ejecucion.SeparadorDecimalLocal, conUnidad);
    }
    return resultado;
}

ClaveNumero::ClaveNumero(const EstadoEjecucion &ejecucion, std::string_view ClaveConversion)
    : m_fila(BuscaClave(ClaveConversion)), m_enSI(ejecucion.SistemaUnidades == "SI"),
      m_separador(ejecucion.SeparadorDecimalLocal)
{
}

void ClaveNumero::Anade(std::string &destino, double valor, int ancho, int decimales,
                        bool conUnidad) const
{
    const Conversion convertida = ConvierteConFila(m_fila, m_enSI, valor, decimales);
    if (!AnadeFijoDirecto(destino, convertida, ancho, m_separador, conUnidad)) {
        AnadeConvertido(destino, convertida, ancho, m_separador, conUnidad);
    }
}

} // namespace dravek
