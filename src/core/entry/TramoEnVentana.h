#pragma once

// The putting of a stored project on the data-entry window: its header, and a run read from
// its block, into the window's boxes and the project's variables, with the layout the run's
// typology and installation give the window.

#include "core/storage/RegistrosObra.h"

namespace dravek {

class CapturaDatos;

// The header read from a project file: units, water hammer, title, client, the project's
// pressures and heights and the run list.
void PonCabeceraEnVentana(CapturaDatos &ventana, const CabeceraCargada &cabecera);

// A run read from its block, as a load: no handler marks the run changed or voids its
// overrides, and the run is left unchanged, its trench width as it was stored.
void PonTramoEnVentana(CapturaDatos &ventana, const BloqueCargado &bloque);

} // namespace dravek
