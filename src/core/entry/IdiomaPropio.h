#pragma once

// The interface language as a setting of the user: read and written only here.

#include <cstdint>
#include <string>

#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/Mensajes.h"

namespace dravek {

// "LEELO": the stored language number as text, empty when none could be read. "GRABALO": stores
// valor and returns the empty text; a store that refuses the write is told (text 1480), and the
// language in use is not affected. Any other action is told and returns the empty text. The
// setting is the user's, so that a user who may not write the machine's settings can keep it.
std::string IdiomaPropio(AlmacenConfiguracion &almacen, Mensajes &mensajes,
                         std::int32_t DesplazamientoIdioma, const std::string &accion,
                         const std::string &valor = {});

// The language the window starts in: the stored one when it is a language of the text table
// (1 to CuentaIdiomas()); otherwise Spanish, stored as "1", after text 526 when something else
// was stored.
std::int16_t IdiomaAlArrancar(AlmacenConfiguracion &almacen, Mensajes &mensajes,
                              std::int32_t DesplazamientoIdioma);

} // namespace dravek
