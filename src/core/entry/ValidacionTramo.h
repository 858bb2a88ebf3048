#pragma once

// The checks every command makes before it calculates, adjusts, saves or prints: the project's
// pressure and fill-height ranges, then the whole current run. Each reads the data-entry window's
// boxes again in a fixed order, stores every value in its variable, completes the values that an
// empty box leaves open and stops at the first fault, which the engineer is told in a message
// box. On success the run variables and the fill-height range are ready for the calculation.

namespace dravek {

class CapturaDatos;

// The project's ranges on the project page: DP and MDP from an initial to a final value with the
// pressure step, and the fill height from an initial to a final value with its step. A refusal
// selects the project page and moves the focus to the box at fault.
bool ValidaPresionesAlturasObra(CapturaDatos &ventana);

// The whole current run: number, description, pressures, typology, materials, section,
// installation, fill heights, soil and loads. With MoverFoco a fault also selects the pages that
// hold the box at fault and gives it the focus (commands the engineer starts); without it only
// the message is shown (a stored run loaded for printing or recalculation).
bool ValidaDatosTramo(CapturaDatos &ventana, bool MoverFoco);

// What the calculate, adjust and save commands run before they go on: the project's ranges, and
// when they pass, the whole run.
bool ValidaObraYTramo(CapturaDatos &ventana, bool MoverFoco);

} // namespace dravek
