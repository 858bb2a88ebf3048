#pragma once

// Fixed-width fields of the listings (monospaced font) and the one number formatter shared by
// listings, data-entry fields and files. Nothing here depends on the C locale: the decimal
// separator is always given by the caller.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/EstadoObra.h"

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

// A conversion key of sNumeroDob looked up once, with the units system and the decimal
// separator of the moment, for a listing that writes many numbers with it. It refers to the
// key's table and to ejecucion's separator, which must outlive it.
class ClaveNumero {
public:
    ClaveNumero(const EstadoEjecucion &ejecucion, std::string_view ClaveConversion);

    // What sNumeroDob gives for the same arguments, appended to destino.
    void Anade(std::string &destino, double valor, int ancho, int decimales,
               bool conUnidad = false) const;

private:
    int m_fila; // the key's row of the conversion table; -1 for an unknown key
    bool m_enSI;
    std::string_view m_separador;
};

} // namespace dravek
