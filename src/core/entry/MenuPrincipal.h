#pragma once

#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"

namespace dravek {

// The main window's menu bar, in display order. The main window owns it, captions it and hangs
// its commands on it; the data-entry window enables and disables the run commands.
class MenuPrincipal : public VentanaLogica {
public:
    ElementoMenu MnArchivo{*this, "MnArchivo"};
    ElementoMenu MnAbriFichero{*this, "MnAbriFichero"};
    ElementoMenu MnNuevaObra{*this, "MnNuevaObra"};
    ElementoMenu MnSeleccionarImpresora{*this, "MnSeleccionarImpresora"};
    ElementoMenu MnImprimir{*this, "MnImprimir"};
    ElementoMenu mnGrabaObra{*this, "mnGrabaObra"};
    ElementoMenu mnCerrarObra{*this, "mnCerrarObra"};
    ElementoMenu mnSalir{*this, "mnSalir"};
    ElementoMenu mnTramos{*this, "mnTramos"};
    ElementoMenu mnNuevoTramo{*this, "mnNuevoTramo"};
    ElementoMenu mnCancelar{*this, "mnCancelar"};
    ElementoMenu mnGrabaTramo{*this, "mnGrabaTramo"};
    ElementoMenu mnCalculaTramo{*this, "mnCalculaTramo"};
    ElementoMenu mnAjustarArmaduras{*this, "mnAjustarArmaduras"};
    ElementoMenu mnOtras{*this, "mnOtras"};
    ElementoMenu mnCalculoHidraulico{*this, "mnCalculoHidraulico"};
    ElementoMenu mnMedidas{*this, "mnMedidas"};
    ElementoMenu mnAyuda{*this, "mnAyuda"};
    ElementoMenu mnAyudaSobreAyuda{*this, "mnAyudaSobreAyuda"};
    ElementoMenu mnAcercaDe{*this, "mnAcercaDe"};
    ElementoMenu mnAdvertencia{*this, "mnAdvertencia"};
};

} // namespace dravek
