#pragma once

// Small helpers the project and run checks share: texts in the interface language, boxes shown
// through their masks, and the comparisons the checks make of what a box holds.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/entry/CapturaDatos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/plataforma/Controles.h"

namespace dravek::validacion {

inline std::string T(const CapturaDatos &v, std::int32_t n)
{
    return Texto(v.estado().ejecucion.DesplazamientoIdioma, n);
}

// Text 286 ("ERROR") and a colon: the title of the run check's own messages.
inline std::string TituloError(const CapturaDatos &v)
{
    return T(v, 286) + ":";
}

// A caption without its colons, as the messages that name a box show it.
inline std::string SinDosPuntos(std::string texto)
{
    std::erase(texto, ':');
    return texto;
}

// The text without blanks and tabs at either end.
inline std::string_view Recorta(std::string_view texto)
{
    while (!texto.empty() && (texto.front() == ' ' || texto.front() == '\t')) {
        texto.remove_prefix(1);
    }
    while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\t')) {
        texto.remove_suffix(1);
    }
    return texto;
}

// The box shows the value through the mask, with the user's decimal separator.
inline void Muestra(CapturaDatos &v, ControlTexto &caja, double valor, std::string_view mascara)
{
    ponTexto(caja, FormateaMascara(valor, mascara, v.estado().ejecucion.SeparadorDecimalLocal));
}

// Two texts equal but for letter case, accented capitals included ("SÓLO CAMISA" is "Sólo
// Camisa"), as the list entries are compared with what a box holds.
bool IgualSinMayusculas(std::string_view a, std::string_view b);

} // namespace dravek::validacion
