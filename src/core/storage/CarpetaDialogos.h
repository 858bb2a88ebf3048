#pragma once

// The folder a file dialog (open, save, PDF) starts in: the open project's folder, else the last
// folder a file was chosen in, kept in the per-user settings, else the user's documents folder.

#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"

#include <string>

namespace dravek {

// The setting, in the section of the program's options, that keeps the last folder used.
inline constexpr const char *ClaveUltimaCarpeta = "Ultima carpeta";

// documentos: the user's documents folder, as the desktop names it; empty when it names none.
std::string CarpetaInicialDialogo(AlmacenConfiguracion &almacen, const DatosObra &obra,
                                  const std::string &documentos);

// The folder of a file the engineer chose becomes the last folder used.
void RecuerdaCarpetaDialogo(AlmacenConfiguracion &almacen, const std::string &fichero);

} // namespace dravek
