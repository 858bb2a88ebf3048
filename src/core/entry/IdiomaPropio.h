#pragma once

// The interface language as a stored setting: read and written only here.

#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/Mensajes.h"

#include <cstdint>
#include <string>

namespace dravek {

// "LEELO": the stored language number as text, empty when none could be read. "GRABALO": stores
// valor and returns the empty text; a store that refuses the write is told (text 1480), and the
// language in use is not affected. Any other action is told and returns the empty text. The
// value lives under the program's key, where start-up reads it (the settings store keeps it in
// the user's own configuration folder).
std::string IdiomaPropio(AlmacenConfiguracion &almacen, Mensajes &mensajes,
                         std::int32_t DesplazamientoIdioma, const std::string &accion,
                         const std::string &valor = {});

} // namespace dravek
