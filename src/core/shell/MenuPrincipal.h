#pragma once

#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"

namespace dravek {

// The main window's menu bar: the items whose state the other windows set. The main window
// owns it and its view shows it; the data-entry window enables and disables the run commands.
class MenuPrincipal : public VentanaLogica {
public:
    ElementoMenu MnSeleccionarImpresora{*this, "MnSeleccionarImpresora"};
    ElementoMenu MnImprimir{*this, "MnImprimir"};
    ElementoMenu mnNuevoTramo{*this, "mnNuevoTramo"};
    ElementoMenu mnCancelar{*this, "mnCancelar"};
    ElementoMenu mnGrabaTramo{*this, "mnGrabaTramo"};
    ElementoMenu mnAjustarArmaduras{*this, "mnAjustarArmaduras"};
    ElementoMenu mnCalculaTramo{*this, "mnCalculaTramo"};
};

} // namespace dravek
