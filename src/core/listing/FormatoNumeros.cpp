#include "core/listing/FormatoNumeros.h"

#include "core/listing/DigitosDecimales.h"
#include "core/model/TextoPlano.h"
#include "core/model/Utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

namespace dravek {

namespace {

using campo_numero::RedondeoDirecto;

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

// Bytes of the separator beyond its characters: none for the usual "." or ",".
std::size_t BytesDeMasSeparador(std::string_view separador)
{
    if (separador.size() == 1 && static_cast<unsigned char>(separador[0]) < 0x80U) {
        return 0;
    }
    return separador.size() - CuentaCaracteresUtf8(separador);
}

// The field of sNumeroDob laid out beside and appended in one go, its digits taken from the
// rounded whole number: the direct way, or through the 15 digits for a value on or next to a
// half. False, nothing written, when the field is of another kind (a value not finite or too
// large, too many decimals, too wide a field); the long way then writes it.
bool AnadeCampo(std::string &destino, const Conversion &convertida, int ancho,
                std::string_view separador, bool conUnidad)
{
    const int d = std::max(convertida.decimales, 0);
    if (ancho > campo_numero::AnchoMaximo || separador.size() > campo_numero::PiezaMaxima ||
        convertida.unidad.size() > campo_numero::PiezaMaxima) {
        return false;
    }
    const double magnitud = std::fabs(convertida.valor);
    std::uint64_t n = 0;
    if (!RedondeoDirecto(magnitud, d, n) &&
        !(std::isfinite(magnitud) && d <= campo_numero::DecimalesMaximos &&
          campo_numero::RedondeoQuinceDigitos(magnitud, d, n))) {
        return false;
    }
    std::array<char, campo_numero::BytesCampo> campo;
    const char *fin = campo_numero::EscribeCampo(
        campo.data(), n, std::signbit(convertida.valor) && n != 0, d, ancho, separador,
        BytesDeMasSeparador(separador), convertida.unidad, conUnidad);
    destino.append(campo.data(), static_cast<std::size_t>(fin - campo.data()));
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
    if (!AnadeCampo(resultado, convertida, ancho, ejecucion.SeparadorDecimalLocal, conUnidad)) {
        AnadeConvertido(resultado, convertida, ancho, ejecucion.SeparadorDecimalLocal, conUnidad);
    }
    return resultado;
}

namespace campo_numero {

bool RedondeoQuinceDigitos(double magnitud, int decimales, std::uint64_t &redondeado)
{
    if (magnitud == 0) {
        redondeado = 0;
        return true;
    }
    const DigitosDecimales quince = QuinceDigitos(magnitud);
    // Digits whose place is 10^-decimales or more.
    const int conservados = quince.exponente + decimales + 1;
    if (conservados <= 0) {
        redondeado = conservados == 0 && quince.digitos[0] >= '5' ? 1 : 0;
        return true;
    }
    constexpr int CifrasMaximas = 19;
    if (conservados > CifrasMaximas) {
        return false;
    }
    // The places from cuantos up to the 15th hold '0'; past the 15th there are no digits.
    std::uint64_t n = 0;
    for (int i = 0; i < conservados; ++i) {
        const char cifra =
            i < DigitosSignificativos ? quince.digitos[static_cast<std::size_t>(i)] : '0';
        n = n * 10 + static_cast<std::uint64_t>(cifra - '0');
    }
    if (conservados < quince.cuantos &&
        quince.digitos[static_cast<std::size_t>(conservados)] >= '5') {
        ++n;
    }
    redondeado = n;
    return true;
}

} // namespace campo_numero

ClaveNumero::ClaveNumero(const EstadoEjecucion &ejecucion, std::string_view ClaveConversion)
    : m_separador(ejecucion.SeparadorDecimalLocal),
      m_bytesDeMasSeparador(BytesDeMasSeparador(ejecucion.SeparadorDecimalLocal)),
      m_separadorCorto(ejecucion.SeparadorDecimalLocal.size() <= campo_numero::PiezaMaxima)
{
    const int numeroFila = BuscaClave(ClaveConversion);
    if (numeroFila < 0) {
        m_desconocida = true;
        return;
    }
    const ClaveUnidad &fila = ClavesConversion[static_cast<std::size_t>(numeroFila)];
    const bool enSI = ejecucion.SistemaUnidades == "SI";
    m_unidad = enSI ? fila.unidadSI : fila.unidadMKS;
    switch (enSI ? fila.decimalesSI : fila.decimalesMKS) {
    case AjusteDecimales::Iguales:
        break;
    case AjusteDecimales::UnoMas:
        m_decimalesDeMas = 1;
        break;
    case AjusteDecimales::DosMas:
        m_decimalesDeMas = 2;
        break;
    case AjusteDecimales::UnoMenosSiHay:
        m_decimalesDeMas = -1;
        m_soloSiHay = true;
        break;
    case AjusteDecimales::UnoMasSiHay:
        m_decimalesDeMas = 1;
        m_soloSiHay = true;
        break;
    }
    if (enSI) {
        m_factor = fila.factor;
        m_divide = fila.operacion == Operacion::Divide;
        m_multiplica = fila.operacion == Operacion::Multiplica;
    }
}

void ClaveNumero::Anade(std::string &destino, double valor, int ancho, int decimales,
                        bool conUnidad) const
{
    const Convertido c = Convierte(valor, decimales);
    const Conversion convertida{c.valor, m_unidad, c.decimales};
    if (!AnadeCampo(destino, convertida, ancho, m_separador, conUnidad)) {
        AnadeConvertido(destino, convertida, ancho, m_separador, conUnidad);
    }
}

void ClaveNumero::AnadeLargo(EscrituraTexto &destino, const Convertido &c, int ancho,
                             bool conUnidad) const
{
    std::string texto;
    const Conversion convertida{c.valor, m_unidad, c.decimales};
    if (!AnadeCampo(texto, convertida, ancho, m_separador, conUnidad)) {
        AnadeConvertido(texto, convertida, ancho, m_separador, conUnidad);
    }
    destino.Anade(texto);
}

} // namespace dravek
