#pragma once

// What the reinforcement adjustment window asks of the open project: the run it adjusts,
// reloaded from the project file before every recalculation, and the adjustments file, read by
// the design and written by the window.

#include "core/reinforced/AjustesGuardados.h"

#include <cstdint>
#include <optional>
#include <string>

namespace dravek {

class ObraAjustes {
public:
    virtual ~ObraAjustes() = default;

    // The position (from 1) in the project's run list of the run numbered `numero`; 0 when the
    // list holds no such run.
    virtual int PosicionTramo(std::int16_t numero) = 0;
    // Reloads the run at that list position into the data-entry window and the run variables;
    // false, told, when it cannot.
    virtual bool CargaTramo(int posicion) = 0;
    // Validates the whole run without moving the focus; false after its own messages.
    virtual bool ValidaDatosTramo() = 0;
    // The project title and the run description that head the listing.
    virtual std::string TituloObra() = 0;
    virtual std::string DescripcionTramo() = 0;
    // The stored overrides for one calculation of the run; null when the project has none to
    // offer (no project file, or they cannot be used now, told). Valid until the next call.
    virtual AjustesGuardados *Ajustes() = 0;
    // The last Ajustes refused the run, and said why (overrides dropped earlier that could not
    // be voided).
    virtual bool AjustesRehusados() const { return false; }
    // Stores the choice as the case's entry (a new one when the case has none), or frees the
    // case's entry when there is no choice. False, told, when the file could not be written.
    virtual bool GrabaUnTramoPresion(double DP, std::int16_t TramoActual, double AlturaActual,
                                     const std::optional<AjusteGuardado> &eleccion) = 0;
};

} // namespace dravek
