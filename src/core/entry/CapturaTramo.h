#pragma once

// The run-capture states of the data-entry window: no run, a new run being captured ("ALTAS"),
// a stored run shown ("MODIFICACIONES"); the procedures that move between them, each setting
// the window's buttons, the main menu's run commands, the run-number box, the caption and the
// focus. The command buttons of the window start them.

namespace dravek {

class CapturaDatos;

// Starts a new run: asks whether to clear the data shown (kept as the starting point otherwise)
// and numbers the run after the highest run of the list.
void NuevoTramo(CapturaDatos &ventana);

// Saves the run shown after asking, with the project's ranges and the whole run validated
// first. The run is written with the header in one piece; on any refusal or failure the state,
// the list and the file are as they were and the run keeps its unsaved changes.
void ConfirmaGrabaTramo(CapturaDatos &ventana);

// Abandons the changes: a new run is cleared away; a stored run is read again from the file.
void CancelaCapturaTramo(CapturaDatos &ventana);

// Frees or locks the choice of unit system (both options).
void HabilitaSistemaUnidades(CapturaDatos &ventana, bool &habilitar);

} // namespace dravek
