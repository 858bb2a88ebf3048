#pragma once

#include "core/reinforced/AjustesGuardados.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dravek {

class CapturaDatos;

// What the main menu and the calculation commands ask of the data-entry window and of the
// project storage behind it. The data-entry window's glue implements it; the commands only
// read the state it leaves (NombreFicheroObra, DatosModificados, the window's fields).
class ObraEnCaptura {
public:
    virtual ~ObraEnCaptura() = default;

    // Loads the data-entry window: with AbrirObraExistente set its load asks for the project
    // file and reads it (NombreFicheroObra stays " " when no file was opened); otherwise it
    // starts a new project with the focus in the project title.
    virtual void CargaCaptura() = 0;
    // Unloads the window (it resets the run menu). With unsaved changes it asks first, as
    // PermiteCerrar does, and may stay loaded.
    virtual void DescargaCaptura() = 0;
    // Before the project is closed or the program ends: with the header or the run changed,
    // asks whether to save them. False when the engineer cancelled or the save failed (told):
    // the project stays open. True with no window loaded.
    virtual bool PermiteCerrar() = 0;
    // The loaded window; null when it is not loaded.
    virtual CapturaDatos *Captura() = 0;

    // The project ranges; a failure has shown its own message.
    virtual bool ValidaPresionesAlturasObra() = 0;
    // The whole run on the window; MoverFoco puts the focus on the failing field.
    virtual bool ValidaDatosTramo(bool MoverFoco) = 0;
    virtual void GrabaObra() = 0;
    virtual void NuevoTramo() = 0;
    virtual void CancelaCapturaTramo() = 0;
    virtual void ConfirmaGrabaTramo() = 0;
    // Loads the run at that position of the run list (from 1); false, told, when it cannot.
    virtual bool CargaTramo(int posicion) = 0;
    // The stored reinforcement overrides of the open project; null when it has none.
    virtual AjustesGuardados *Ajustes() = 0;
    // The last call to Ajustes refused the run: overrides the engineer dropped could not be
    // voided in the file, which has been told, and the run must not be calculated with them.
    virtual bool AjustesRehusados() const { return false; }
    // Stores the adjustment window's choice as the case's entry of the overrides, or frees the
    // entry without a choice; false, told, when it could not be written.
    virtual bool GrabaUnTramoPresion(double DP, std::int16_t TramoActual, double AlturaActual,
                                     const std::optional<AjusteGuardado> &eleccion) = 0;
};

} // namespace dravek
