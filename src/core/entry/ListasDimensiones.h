#pragma once

// The data-entry window's thickness and cover lists, from the standard geometry of commercial
// pipes.

namespace dravek {

class CapturaDatos;

// Fills the thickness and cover lists of the window from the group's columns: one thickness per
// row; covers with runs of equal consecutive values collapsed.
void CargaListasDimensiones(CapturaDatos &ventana, int grupo);

} // namespace dravek
