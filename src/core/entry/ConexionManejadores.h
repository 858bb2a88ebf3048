#pragma once

// The one table of the data-entry window's handlers: a row per control that raises events, by
// the control's name as the box tables name it, with the window's handler of each event it
// answers. The window hangs its handlers from this table alone, so a handler is wired where the
// control's other handlers are, and a name the window has not fails the window's construction
// in every build instead of leaving a handler silently unwired.

#include <cstdint>
#include <span>
#include <string_view>

namespace dravek {

class CapturaDatos;

struct ManejadoresControl {
    std::string_view control;
    void (CapturaDatos::*GotFocus)() = nullptr;
    void (CapturaDatos::*Validate)(bool &Cancel) = nullptr;
    void (CapturaDatos::*LostFocus)() = nullptr;
    void (CapturaDatos::*Change)() = nullptr; // text boxes and lists
    void (CapturaDatos::*KeyPress)(std::int32_t &KeyAscii) = nullptr;
    void (CapturaDatos::*Click)() = nullptr; // lists, check boxes and buttons
    // The click of an option array (the option's Index) or of a tab strip (PreviousTab).
    void (CapturaDatos::*ClickIndice)(int) = nullptr;
};

// The window's rows, in the order its controls are declared.
std::span<const ManejadoresControl> ManejadoresCaptura();

// Hangs the handlers of each row on the window's control of that name. Throws
// ControlDesconocido for a name the window has not, and std::logic_error for an event the
// control does not raise or one that already has a handler (two rows for one control would
// otherwise leave the first handler silently replaced).
void ConectaManejadores(CapturaDatos &ventana, std::span<const ManejadoresControl> filas);

} // namespace dravek
