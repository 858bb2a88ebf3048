#pragma once

// The shell's side of a change of interface language: the main window's menus in the new
// language, the help file the program uses, and the language stored in the settings store for
// the next start.

#include <string>

#include "core/entry/CapturaDatos.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/shell/MenuPrincipal.h"

namespace dravek {

// Recomputes DesplazamientoIdioma from Idioma and captions the menu items the core holds.
void PonTextosMenu(EstadoEjecucion &ejecucion, MenuPrincipal &menu);

class IdiomaPrograma final : public EntornoIdioma {
public:
    IdiomaPrograma(EstadoEjecucion &ejecucion, MenuPrincipal &menu, AlmacenConfiguracion &almacen)
        : m_ejecucion(ejecucion), m_menu(menu), m_almacen(almacen)
    {
    }

    void PonTextosMenu() override;
    void PonAyuda(const std::string &referencia) override { m_ayuda = referencia; }
    // "Idioma" under "Software\DRAVEK" of the machine's key, the number as text; a store that
    // refuses the write changes nothing and the language still applies to this session.
    void GrabaIdioma(std::int16_t Idioma) override;

    // The help file the program and its help object use; empty before a language change.
    const std::string &Ayuda() const { return m_ayuda; }

private:
    EstadoEjecucion &m_ejecucion;
    MenuPrincipal &m_menu;
    AlmacenConfiguracion &m_almacen;
    std::string m_ayuda;
};

} // namespace dravek
