#pragma once

namespace dravek {

// The data-entry window's view as the glue that loads and unloads the window sees it. The view
// shows the controls of CapturaDatos and sends their events to it.
class VistaCaptura {
public:
    virtual ~VistaCaptura() = default;
    // Shows the window over the main window (its controls as the logic left them).
    virtual void Muestra() = 0;
    // Closes the window without asking anything: the logic has already decided.
    virtual void Cierra() = 0;
    // Shows again every control the logic has changed outside an event of the view.
    virtual void Refresca() = 0;
};

} // namespace dravek
