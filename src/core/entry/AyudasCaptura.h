#pragma once

// The small helpers every part of the data-entry window uses: its texts in the interface
// language, the unit system shown, an empty box, and a value shown through a box's mask.

#include "core/entry/CapturaDatos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/plataforma/Controles.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dravek::captura {

// Text n of the table in the interface language.
inline std::string T(const CapturaDatos &v, std::int32_t n)
{
    return Texto(v.estado().ejecucion.DesplazamientoIdioma, n);
}

// The project's figures are shown in SI ("SI" in any letter case), otherwise in MKS.
inline bool EnSI(const EstadoEjecucion &ejecucion)
{
    const std::string &s = ejecucion.SistemaUnidades;
    return s.size() == 2 && (s[0] == 'S' || s[0] == 's') && (s[1] == 'I' || s[1] == 'i');
}

// A box holding only blanks is empty (tabs are not blanks here, as the boxes never type them).
inline bool Vacio(const std::string &texto)
{
    return texto.find_first_not_of(' ') == std::string::npos;
}

// The value through the mask, with the user's decimal separator.
inline std::string Formato(const CapturaDatos &v, double valor, std::string_view mascara)
{
    return FormateaMascara(valor, mascara, v.estado().ejecucion.SeparadorDecimalLocal);
}

// The box shows the value through the mask.
inline void Muestra(const CapturaDatos &v, ControlTexto &caja, double valor,
                    std::string_view mascara)
{
    ponTexto(caja, Formato(v, valor, mascara));
}

// A caption without its colons, as the messages that name a box show it.
inline std::string SinDosPuntos(std::string texto)
{
    std::erase(texto, ':');
    return texto;
}

} // namespace dravek::captura
