#pragma once

// The forms a value takes in a record of the program's files: a real through a mask with the
// user's decimal separator, an integer code, a check box, a text, and the MKS // SI pair; and
// their reading back, which accepts a file written under either decimal separator.

#include "core/model/EstadoObra.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dravek {

inline constexpr std::string_view SeparadorPar = " // ";

// Masks of the files.
inline constexpr std::string_view MascaraIdioma = "#0";
inline constexpr std::string_view MascaraEntera = "#####0";
inline constexpr std::string_view MascaraModulo = "#######0";
inline constexpr std::string_view Mascara1 = "#####0.0";
inline constexpr std::string_view Mascara2 = "#####0.00";
inline constexpr std::string_view Mascara3 = "#####0.000";
inline constexpr std::string_view Mascara4 = "#####0.0000";

// A value in both unit systems.
struct ParValores {
    double mks = 0;
    double si = 0;

    bool operator==(const ParValores &) const = default;
};

std::string TextoReal(double valor, std::string_view mascara, std::string_view separador);
std::string TextoEntero(std::int32_t valor);
std::string TextoPar(ParValores valor, std::string_view mascaraMKS, std::string_view mascaraSI,
                     std::string_view separador);

// The two elements of a pair record, split at the first " // " (the second keeps any later
// " // "). Nothing when the record holds no " // ".
struct ElementosPar {
    std::string mks;
    std::string si;
};
std::optional<ElementosPar> SeparaPar(std::string_view registro);

// Every occurrence of the other decimal separator replaced by the user's, as every numeric
// record is before it is converted.
std::string NormalizaSeparador(std::string_view texto, const EstadoEjecucion &ejecucion);

// Whether a pair element is the zero that the mask writes ("0", "0,0", "0,00"...), with either
// decimal separator: a file written under the other separator reads the same.
bool EsCeroDeMascara(std::string_view elemento, std::string_view mascara);

// Empty once the blanks at both ends are removed.
bool EstaVacio(std::string_view texto);

// The number in a record's text, either decimal separator; nothing when the text is empty or
// not a number.
std::optional<double> LeeReal(std::string_view texto, const EstadoEjecucion &ejecucion);
// The 16-bit integer in a record's text (a decimal value rounded as the old runtime did);
// nothing when the text is empty, not a number or out of range.
std::optional<std::int16_t> LeeEntero(std::string_view texto, const EstadoEjecucion &ejecucion);

} // namespace dravek
