#pragma once

// Puts the data-entry window and the run into the state of a run not entered yet: the clearing
// of a run (whole, or its materials only for a change of typology) and the default materials of
// each typology. Each ends with the run marked as unchanged. The unit system is the one the
// window's option shows.

namespace dravek {

class CapturaDatos;

enum class NivelLimpiezaTramo : int {
    Completa = 0,            // header, pressures, heights, typology, materials, section,
                             // installation, fill and loads
    Materiales = 1,          // the materials only
    MaterialesConCamisa = 2, // the materials only, keeping the cylinder choice and picture
};

void LimpiaDatosPantalla(CapturaDatos &ventana, NivelLimpiezaTramo nivel);
void PonDefectosArmado(CapturaDatos &ventana);
void PonDefectosPostesado(CapturaDatos &ventana);

} // namespace dravek
