#pragma once

#include <memory>
#include <string>

class QWidget;

namespace dravek::gui {

// The whole program wired together: the state, the Qt side of every platform interface, the
// main window's logic and view, the data-entry window, the calculation commands. One place,
// so that the program and whatever measures its start-up build exactly the same objects.
// A QApplication must exist first and outlive it.
class Programa {
public:
    Programa();
    ~Programa();
    Programa(const Programa &) = delete;
    Programa &operator=(const Programa &) = delete;

    // Starts the program from its own folder and shows the main window; false when the
    // start-up cannot go on, which has already told the engineer why. A project file given
    // (the program's command line) is then opened as the main menu's "open" opens one.
    bool Arranca(const std::string &carpetaPrograma, const std::string &obra = {});

    // The main window, once started.
    QWidget *VentanaPrincipal();

private:
    struct Base;
    struct Ventanas;
    std::unique_ptr<Base> m_base;
    std::unique_ptr<Ventanas> m_ventanas;
};

} // namespace dravek::gui
