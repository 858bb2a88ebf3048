#pragma once

// Small helpers the project and run checks share: texts in the interface language, boxes shown
// through their masks, and the comparisons the checks make of what a box holds.

#include "core/entry/AyudasCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/plataforma/Controles.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dravek::validacion {

using captura::Muestra;
using captura::SinDosPuntos;
using captura::T;

// "ERROR" and a colon: the title of the run check's own messages.
inline std::string TituloError(const CapturaDatos &v)
{
    return T(v, TextoError) + ":";
}

} // namespace dravek::validacion
