#include "core/validation/FuncionesGenerales.h"

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace dravek {

namespace {

constexpr std::int32_t TeclaRetroceso = 8;

bool EsDigito(char c)
{
    return c >= '0' && c <= '9';
}

enum class Lectura { Correcta, NoNumerica, FueraDeRango };

struct NumeroLeido {
    Lectura lectura = Lectura::NoNumerica;
    double valor = 0;
};

// The numbers a field accepts: blanks around, an optional sign, digits with at most one decimal
// separator (the user's, given) and at least one digit, then an optional exponent ("1,5E3").
// Anything else is refused, which a pasted text shows the engineer at once: group separators,
// the other separator, a second separator, currency signs, "nan", "inf", hexadecimal. A number
// beyond the range of a Double ("1e999") is refused too, and so is one too small to hold.
NumeroLeido LeeNumero(std::string_view texto, std::string_view separador)
{
    texto = SinBlancosNiTabuladores(texto);
    // Rewritten with a point so that the reading does not depend on the C locale.
    std::string normalizado;
    std::size_t i = 0;
    if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
        if (texto[i] == '-') {
            normalizado.push_back('-');
        }
        ++i;
    }
    bool hayDigitos = false;
    bool haySeparador = false;
    while (i < texto.size()) {
        if (EsDigito(texto[i])) {
            normalizado.push_back(texto[i]);
            hayDigitos = true;
            ++i;
        } else if (!haySeparador && !separador.empty() && texto.substr(i).starts_with(separador)) {
            normalizado.push_back('.');
            haySeparador = true;
            i += separador.size();
        } else {
            break;
        }
    }
    if (!hayDigitos) {
        return {};
    }
    if (i < texto.size() && (texto[i] == 'e' || texto[i] == 'E')) {
        normalizado.push_back('e');
        ++i;
        if (i < texto.size() && (texto[i] == '+' || texto[i] == '-')) {
            normalizado.push_back(texto[i]);
            ++i;
        }
        bool hayDigitosExponente = false;
        while (i < texto.size() && EsDigito(texto[i])) {
            normalizado.push_back(texto[i]);
            hayDigitosExponente = true;
            ++i;
        }
        if (!hayDigitosExponente) {
            return {};
        }
    }
    if (i != texto.size()) {
        return {};
    }

    NumeroLeido leido;
    const char *fin = normalizado.data() + normalizado.size();
    const auto resultado = std::from_chars(normalizado.data(), fin, leido.valor);
    if (resultado.ec == std::errc::result_out_of_range || !std::isfinite(leido.valor)) {
        return {Lectura::FueraDeRango, 0};
    }
    if (resultado.ec != std::errc() || resultado.ptr != fin) {
        return {};
    }
    leido.lectura = Lectura::Correcta;
    return leido;
}

} // namespace

std::optional<double> ConvierteNumeroCampo(std::string_view texto, std::string_view separador)
{
    // Only what the key filter lets into a field: digits and one separator, with at least one
    // digit. A pasted sign, exponent, group separator or the other separator is refused here, as
    // the filter would have refused its key.
    const std::string_view limpio = SinBlancosNiTabuladores(texto);
    bool hayDigitos = false;
    bool haySeparador = false;
    for (std::size_t i = 0; i < limpio.size();) {
        if (EsDigito(limpio[i])) {
            hayDigitos = true;
            ++i;
        } else if (!haySeparador && !separador.empty() &&
                   limpio.substr(i).starts_with(separador)) {
            haySeparador = true;
            i += separador.size();
        } else {
            return std::nullopt;
        }
    }
    if (!hayDigitos) {
        return std::nullopt;
    }
    return ConvierteNumeroLocal(limpio, separador);
}

std::optional<double> ConvierteNumeroLocal(std::string_view texto, std::string_view separador)
{
    const NumeroLeido leido = LeeNumero(texto, separador);
    if (leido.lectura != Lectura::Correcta) {
        return std::nullopt;
    }
    return leido.valor;
}

Entero16 ConvierteEntero16(std::string_view texto, std::string_view separador)
{
    const NumeroLeido leido = LeeNumero(texto, separador);
    if (leido.lectura == Lectura::NoNumerica) {
        return {0, ErrorConversion::TipoIncorrecto};
    }
    if (leido.lectura == Lectura::FueraDeRango) {
        return {0, ErrorConversion::Desbordamiento};
    }
    // A decimal value is rounded half to even (2.5 -> 2, 3.5 -> 4), as the old runtime's integer
    // conversion did. Deliberate.
    const double suelo = std::floor(leido.valor);
    const double resto = leido.valor - suelo;
    double redondeado = suelo;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(suelo, 2.0) != 0.0)) {
        redondeado = suelo + 1.0;
    }
    if (redondeado < -32768.0 || redondeado > 32767.0) {
        return {0, ErrorConversion::Desbordamiento};
    }
    return {static_cast<std::int16_t>(redondeado), ErrorConversion::Ninguno};
}

bool ValidaNumero(const EstadoEjecucion &ejecucion, Mensajes &mensajes, double minimo,
                  const std::string &texto, double &valor, const std::string &titulo,
                  LecturaNumero lectura)
{
    const std::string_view limpio = SinBlancosNiTabuladores(texto);
    double numero = 0;
    if (!limpio.empty()) {
        const std::optional<double> leido =
            lectura == LecturaNumero::Estricta
                ? ConvierteNumeroCampo(limpio, ejecucion.SeparadorDecimalLocal)
                : ConvierteNumeroLocal(limpio, ejecucion.SeparadorDecimalLocal);
        if (!leido) {
            mensajes.Muestra(Texto(ejecucion.DesplazamientoIdioma, TextoValorNoNumerico),
                             BotonesMensaje::Aceptar, IconoMensaje::Ninguno, titulo);
            return false;
        }
        numero = *leido;
    }
    // A value below the minimum stays stored: the caller decides whether to restore a default.
    valor = numero;
    if (numero < minimo) {
        mensajes.Muestra(Texto(ejecucion.DesplazamientoIdioma, TextoValorIncorrecto),
                         BotonesMensaje::Aceptar, IconoMensaje::Ninguno, titulo);
        return false;
    }
    return true;
}

void FiltraTeclaNumerica(const EstadoEjecucion &ejecucion, std::int32_t &tecla,
                         const std::string &texto)
{
    if (tecla == ejecucion.CodigoOtroSeparador) {
        tecla = ejecucion.CodigoSeparadorLocal;
    }
    // One separator at most, even when the one already there lies in the selection the key
    // would replace.
    if (tecla == ejecucion.CodigoSeparadorLocal &&
        texto.find(ejecucion.SeparadorDecimalLocal) != std::string::npos) {
        tecla = 0;
        return;
    }
    const bool esDigito = tecla >= '0' && tecla <= '9';
    if (tecla != ejecucion.CodigoSeparadorLocal && !esDigito && tecla != TeclaRetroceso) {
        tecla = 0;
    }
}

std::optional<double> TextoANumero(const EstadoEjecucion &ejecucion, std::string_view texto)
{
    // The program's own files may have been written under the other separator.
    std::string local(texto);
    const auto otro = ejecucion.CodigoOtroSeparador;
    const auto propio = ejecucion.CodigoSeparadorLocal;
    if (otro > 0 && otro < 128 && propio > 0 && propio < 128) {
        for (char &c : local) {
            if (c == static_cast<char>(otro)) {
                c = static_cast<char>(propio);
            }
        }
    }
    // A damaged text gives nothing; the caller tells the engineer.
    return ConvierteNumeroLocal(local, ejecucion.SeparadorDecimalLocal);
}

std::string CotaEnMensaje(const EstadoEjecucion &ejecucion, double cota)
{
    constexpr int DecimalesMaximos = 15;
    const std::string &separador = ejecucion.SeparadorDecimalLocal;
    std::string texto;
    for (int d = 0; d <= DecimalesMaximos; ++d) {
        const std::string mascara =
            d == 0 ? std::string("0") : "0." + std::string(static_cast<std::size_t>(d), '0');
        texto = FormateaMascara(cota, mascara, separador);
        const std::optional<double> leido = ConvierteNumeroLocal(texto, separador);
        if (leido && *leido == cota) {
            break;
        }
    }
    return texto;
}

std::string MensajeCota(const EstadoEjecucion &ejecucion, bool porArriba, double cota)
{
    const std::int32_t d = ejecucion.DesplazamientoIdioma;
    return Recorta(Texto(d, TextoValorIncorrecto)) + " (" +
           Texto(d, porArriba ? TextoMaximo : TextoMinimo) + " " + CotaEnMensaje(ejecucion, cota) +
           ")";
}

bool CompruebaLimiteFisico(const EstadoEjecucion &ejecucion, Mensajes &mensajes, Magnitud magnitud,
                           double valor, const std::string &titulo)
{
    if (DentroDeLimites(magnitud, valor)) {
        return true;
    }
    const LimiteFisico &limite = Limite(magnitud);
    const bool porArriba = !std::isfinite(valor) || valor > limite.maximo;
    mensajes.Muestra(MensajeCota(ejecucion, porArriba, porArriba ? limite.maximo : limite.minimo),
                     BotonesMensaje::Aceptar, IconoMensaje::Ninguno, titulo);
    return false;
}

} // namespace dravek
