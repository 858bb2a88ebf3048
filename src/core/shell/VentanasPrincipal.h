#pragma once

#include <string>

namespace dravek {

// The windows that the main menu shows modally, and the end of the program: the view's side.
class VentanasPrincipal {
public:
    virtual ~VentanasPrincipal() = default;
    virtual void MuestraImpresoras() = 0;
    virtual void MuestraCalculoHidraulico() = 0;
    virtual void MuestraProtecciones() = 0;
    virtual void MuestraAcercaDe() = 0;
    // The notice window, showing the notice that ModoAdvertencia names.
    virtual void MuestraAviso(int ModoAdvertencia) = 0;
    // The help window on the help file's index.
    virtual void MuestraIndiceAyuda(const std::string &ficheroAyuda) = 0;
    // The listing window, modally; returns when it has been closed.
    virtual void MuestraListado() = 0;
    // The reinforcement adjustment window, modally.
    virtual void MuestraAjustes() = 0;
    // Closes the main window: the program ends.
    virtual void Termina() = 0;
};

} // namespace dravek
