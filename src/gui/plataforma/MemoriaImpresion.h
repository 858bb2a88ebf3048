#pragma once

namespace dravek::gui {

// Called once at start-up, before any printing. Qt's PDF writer takes two blocks of 16 to 32 MB
// for every page it finishes and gives them back; with the C library's default limits that
// memory goes back to the system and is asked for again at the next page, which costs a
// printed page more than everything drawn on it. Keeping blocks up to 32 MB on the program's
// own heap, and up to 64 MB of free heap before returning any, ends the churn. Nothing on other
// C libraries.
void PreparaMemoriaImpresion();

} // namespace dravek::gui
