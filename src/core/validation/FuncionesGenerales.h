#pragma once

#include "core/model/EstadoObra.h"
#include "core/model/LimitesFisicos.h"
#include "core/plataforma/Mensajes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dravek {

// Locale-aware reading of a number: the text as the user's separator writes it.
// Nothing when the text is not a number (or is not finite).
std::optional<double> ConvierteNumeroLocal(std::string_view texto, std::string_view separador);

// The number in a field's text, read as strictly as the field's key filter: blanks around,
// digits and at most one separator (the user's), nothing else: no sign, exponent or group
// separator. Nothing when the text is anything else, or empty.
std::optional<double> ConvierteNumeroCampo(std::string_view texto, std::string_view separador);

// Errors of the conversion of a text to a 16-bit integer, numbered as the old runtime did.
enum class ErrorConversion : std::int16_t { Ninguno = 0, Desbordamiento = 6, TipoIncorrecto = 13 };

struct Entero16 {
    std::int16_t valor = 0;
    ErrorConversion error = ErrorConversion::Ninguno;
};

// A text to a 16-bit signed integer: blanks around it and a sign allowed, a decimal value
// rounded; not a number -> TipoIncorrecto, outside -32768..32767 -> Desbordamiento.
Entero16 ConvierteEntero16(std::string_view texto, std::string_view separador);

// How a field's text is read on leaving.
enum class LecturaNumero {
    Local,    // the locale's number: a pasted sign or exponent is read (a negative value then
              // fails the minimum)
    Estricta, // only what the key filter lets be typed (ConvierteNumeroCampo): a pasted text
              // meets the same rule as typed keys
};

// The numeric-field helpers of every window.
bool ValidaNumero(const EstadoEjecucion &ejecucion, Mensajes &mensajes, double minimo,
                  const std::string &texto, double &valor, const std::string &titulo,
                  LecturaNumero lectura = LecturaNumero::Local);
void FiltraTeclaNumerica(const EstadoEjecucion &ejecucion, std::int32_t &tecla,
                         const std::string &texto);
// Nothing when the text, with either separator, is not a number.
std::optional<double> TextoANumero(const EstadoEjecucion &ejecucion, std::string_view texto);

// A bound as a message names it: the fewest decimals that read back as the bound, with the
// user's separator ("100", "0,0001").
std::string CotaEnMensaje(const EstadoEjecucion &ejecucion, double cota);

// "Valor incorrecto (máximo 100)" or "(mínimo 0,0001)": the refusal of a number beyond a bound,
// naming the bound it passed.
std::string MensajeCota(const EstadoEjecucion &ejecucion, bool porArriba, double cota);

// A number read from a box against the physical bounds of its quantity (in the box's unit):
// outside them, the refusal naming the bound passed, titled with the box's caption, and false.
bool CompruebaLimiteFisico(const EstadoEjecucion &ejecucion, Mensajes &mensajes, Magnitud magnitud,
                           double valor, const std::string &titulo);

} // namespace dravek
