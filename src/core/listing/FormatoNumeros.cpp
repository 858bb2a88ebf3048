#include "core/listing/FormatoNumeros.h"

#include "core/model/Utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace dravek {

namespace {

std::string AlineaDerecha(std::string texto, int ancho)
{
    const std::size_t caracteres = CuentaCaracteresUtf8(texto);
    if (ancho > 0 && caracteres < static_cast<std::size_t>(ancho)) {
        texto.insert(0, static_cast<std::size_t>(ancho) - caracteres, ' ');
    }
    return texto;
}

// The magnitud rounded to the given decimals, as the digits of magnitud x 10^decimales with no
// leading zeros ("0" for zero).
std::string DigitosRedondeados(double magnitud, int decimales)
{
    // The value is first taken to 15 significant digits and then rounded half away from zero on
    // that decimal form, as the old runtime's formatting did: 2.675 (stored as 2.67499999...)
    // gives 2.68 and 1.005 gives 1.01 with 2 decimals. Deliberate.
    constexpr int Significativas = 15;
    std::array<char, 40> texto{};
    const auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), magnitud,
                                       std::chars_format::scientific, Significativas - 1);
    // texto holds d.dddddddddddddde+XX
    std::string digitos;
    const char *p = texto.data();
    for (; p != escrito.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            digitos.push_back(*p);
        }
    }
    int exponente = 0;
    if (p != escrito.ptr) {
        ++p;
        if (p != escrito.ptr && *p == '+') {
            ++p;
        }
        std::from_chars(p, escrito.ptr, exponente);
    }

    // Digits whose place is 10^-decimales or more.
    const int conservados = exponente + decimales + 1;
    if (conservados <= 0) {
        return conservados == 0 && digitos.front() >= '5' ? "1" : "0";
    }
    std::string resultado;
    const auto nConservados = static_cast<std::size_t>(conservados);
    if (nConservados >= digitos.size()) {
        resultado = digitos + std::string(nConservados - digitos.size(), '0');
    } else {
        resultado = digitos.substr(0, nConservados);
        if (digitos[nConservados] >= '5') {
            std::size_t i = resultado.size();
            while (i > 0 && resultado[i - 1] == '9') {
                resultado[--i] = '0';
            }
            if (i == 0) {
                resultado.insert(0, 1, '1');
            } else {
                ++resultado[i - 1];
            }
        }
    }
    const std::size_t primero = resultado.find_first_not_of('0');
    return primero == std::string::npos ? "0" : resultado.substr(primero);
}

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

} // namespace

std::string sNumeroEnt(std::int64_t valor, int ancho)
{
    std::array<char, 24> texto{};
    const auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), valor);
    return AlineaDerecha(std::string(texto.data(), escrito.ptr), ancho);
}

std::string sTextoFijo(std::string_view texto, int ancho)
{
    const std::size_t columnas = ancho > 0 ? static_cast<std::size_t>(ancho) : 0;
    std::size_t i = 0;
    std::size_t caracteres = 0;
    while (i < texto.size() && caracteres < columnas) {
        i += LongitudCaracterUtf8(texto, i);
        ++caracteres;
    }
    std::string resultado(texto.substr(0, i));
    resultado.append(columnas - caracteres, ' ');
    return resultado;
}

std::string Blancos(int n)
{
    return std::string(static_cast<std::size_t>(std::max(n, 0)), ' ');
}

std::string QuitaBlancos(const std::string &texto)
{
    const std::size_t primero = texto.find_first_not_of(' ');
    if (primero == std::string::npos) {
        return {};
    }
    return texto.substr(primero, texto.find_last_not_of(' ') - primero + 1);
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
    const std::size_t minimoEnteros =
        std::max<std::size_t>(static_cast<std::size_t>(cerosEnteros), 1);
    const auto nDecimales = static_cast<std::size_t>(decimales);

    std::string digitos = DigitosRedondeados(std::fabs(valor), decimales);
    if (digitos.size() < nDecimales + minimoEnteros) {
        digitos.insert(0, nDecimales + minimoEnteros - digitos.size(), '0');
    }

    std::string resultado;
    // A negative value that rounds to zero is shown without its minus ("0.00", not "-0.00"):
    // an engineer reads a signed zero as a fault.
    if (std::signbit(valor) && digitos.find_first_not_of('0') != std::string::npos) {
        resultado.push_back('-');
    }
    const std::size_t enteros = digitos.size() - nDecimales;
    resultado.append(digitos, 0, enteros);
    if (nDecimales > 0) {
        resultado.append(separador);
        resultado.append(digitos, enteros, nDecimales);
    }
    return resultado;
}

UnidadConvertida ConvierteUnidad(const EstadoEjecucion &ejecucion, double valor,
                                 std::string_view ClaveConversion, int decimales)
{
    const bool enSI = ejecucion.SistemaUnidades == "SI";
    for (const ClaveUnidad &fila : ClavesConversion) {
        if (fila.clave != ClaveConversion) {
            continue;
        }
        UnidadConvertida convertida;
        convertida.valor = valor;
        if (enSI) {
            if (fila.operacion == Operacion::Divide) {
                convertida.valor = valor / fila.factor;
            } else if (fila.operacion == Operacion::Multiplica) {
                convertida.valor = valor * fila.factor;
            }
            convertida.unidad = fila.unidadSI;
            convertida.decimales = AjustaDecimales(decimales, fila.decimalesSI);
        } else {
            convertida.unidad = fila.unidadMKS;
            convertida.decimales = AjustaDecimales(decimales, fila.decimalesMKS);
        }
        return convertida;
    }
    return {ValorClaveDesconocida, std::string(), decimales};
}

std::string sNumeroDob(const EstadoEjecucion &ejecucion, double valor, int ancho, int decimales,
                       std::string_view ClaveConversion, bool conUnidad)
{
    const UnidadConvertida convertida =
        ConvierteUnidad(ejecucion, valor, ClaveConversion, decimales);
    const int d = std::max(convertida.decimales, 0);

    // The mask is one character shorter than the width when there are no decimals: the place
    // of the point stays reserved.
    std::string mascara;
    if (ancho - d - 2 >= 1) {
        mascara.assign(static_cast<std::size_t>(ancho - d - 2), '#');
    }
    mascara.push_back('0');
    if (d > 0) {
        mascara.push_back('.');
        mascara.append(static_cast<std::size_t>(d), '0');
    }

    std::string resultado = AlineaDerecha(
        FormateaMascara(convertida.valor, mascara, ejecucion.SeparadorDecimalLocal), ancho);
    if (conUnidad) {
        resultado.push_back(' ');
        resultado.append(convertida.unidad);
    }
    return resultado;
}

} // namespace dravek
