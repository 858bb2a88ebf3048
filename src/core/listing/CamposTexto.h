#pragma once

// Listing fields that hold a text of the table at a fixed width. The width is part of the
// layout: what follows the field on the line stands where it does because the field is that
// wide, so a text of any language must fit it or it is cut. Each listing declares its fields
// with the widths it prints them at, beside the code that prints them, and lists them for the
// text table's checks.

#include <cstdint>
#include <string>

namespace dravek {

// A run of consecutive texts shown in one field of a fixed width: entry n (from 1) is text
// primero + n - 1.
struct CampoTextos {
    std::int32_t primero = 0;
    std::int32_t cuantos = 0;
    int ancho = 0; // characters
};

// Entry n of the field in the language of the offset, padded with blanks or cut to the width.
// An entry outside 1..cuantos gives the blank field rather than a neighbouring table's text.
std::string TextoEnCampo(std::int32_t DesplazamientoIdioma, const CampoTextos &campo, int n);

// The same appended to destino.
void AnadeTextoEnCampo(std::string &destino, std::int32_t DesplazamientoIdioma,
                       const CampoTextos &campo, int n);

} // namespace dravek
