#pragma once

#include "core/entry/CapturaDatos.h"
#include "core/entry/ComandosCaptura.h"
#include "core/entry/MenuPrincipal.h"
#include "core/entry/ObraEnCaptura.h"
#include "core/model/Conexion.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/Mensajes.h"
#include "core/plataforma/Temporizador.h"
#include "core/plataforma/TextosPlataforma.h"
#include "core/shell/VentanasPrincipal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dravek {

class ComandosCalculo;

// Logic of the main window: start-up, the menu bar with its captions, states and commands, the
// one-shot timer of the start-up notice and the end of the program. It is also what a change
// of interface language on the data-entry window re-captions and stores through.
class FormaPrincipal final : public EntornoIdioma {
public:
    // textos: the desktop's own texts, put in the language of the menus whenever they are
    // captioned.
    FormaPrincipal(EstadoObra &estado, Mensajes &mensajes, AlmacenConfiguracion &almacen,
                   TextosPlataforma &textos);

    // The collaborators of the commands, which need this object first: given once the view,
    // the data-entry glue and the calculation commands exist, before any menu command runs.
    void Conecta(ObraEnCaptura &obra, VentanasPrincipal &ventanas, ComandosCaptura &comandos);
    // As the program wires it: the calculation commands also own the listing window, which a
    // change of language captions again.
    void Conecta(ObraEnCaptura &obra, VentanasPrincipal &ventanas, ComandosCalculo &calculo);

    // Start-up from the program's folder (MDIForm_Load). False when the program cannot go on;
    // the engineer has been told why (a missing logo, an unreadable default-data file).
    bool Arranca(const std::string &carpetaPrograma, LocalUsuario &local);

    // With the header or the run changed, asks whether to save them first: false, with nothing
    // closed, when the engineer cancels or the save fails. The close control of the window asks
    // this before the window goes.
    bool MDIForm_QueryUnload();

    // Start-up notice: a one-shot timer of Timer1Interval ms (0: none) that then calls
    // Timer1_Timer. ArrancaTimer1 starts it on the timer given, which must outlive the window.
    std::int32_t Timer1Interval = 0;
    void ArrancaTimer1(Temporizador &temporizador);
    void Timer1_Timer();

    void PonTextosMenu() override;
    // The help file the help window opens from now on.
    void PonAyuda(const std::string &referencia) override { m_ficheroAyuda = referencia; }
    // Stores the language for the next start; a store that refuses it is reported (text
    // 1480) and the language still holds for this session.
    void GrabaIdioma(std::int16_t Idioma) override;

    void MnAbriFichero_Click();
    void MnNuevaObra_Click();
    void MnSeleccionarImpresora_Click();
    void MnImprimir_Click();
    void mnGrabaObra_Click();
    void mnCerrarObra_Click();
    void mnSalir_Click();
    void mnNuevoTramo_Click();
    void mnCancelar_Click();
    void mnGrabaTramo_Click();
    void mnCalculaTramo_Click();
    void mnAjustarArmaduras_Click();
    void mnCalculoHidraulico_Click();
    void mnMedidas_Click();
    void mnAyudaSobreAyuda_Click();
    void mnAcercaDe_Click();
    void mnAdvertencia_Click();

    MenuPrincipal &menu() { return m_menu; }
    const MenuPrincipal &menu() const { return m_menu; }
    const std::string &Caption() const { return m_caption; }
    // The frame's title: the caption and, while a project with a file is open, the file's
    // name ("DRAVEK - presa.dvk").
    std::string TituloMarco() const;
    // Whether a project is open (its data-entry window loaded).
    bool ObraAbierta() const { return m_obra.Dada() && m_obra->Captura() != nullptr; }
    // Whether the open project has changes not yet saved: its header or the run shown.
    bool ObraModificada() const;
    // The logo file shown as the window's picture, in the language in force (the one start-up
    // showed when that language has none); empty before start-up.
    std::string Picture() const;
    // The program's icon drawn at the sizes the desktop menu has it (the same files), largest
    // last; empty before start-up.
    std::vector<std::string> FicherosIcono() const;
    // The help file of the language in force (AyudaHtml's HelpFile).
    const std::string &FicheroAyuda() const { return m_ficheroAyuda; }

private:
    // Settles the interface language; returns the one the settings chose, before the fallback
    // to Spanish for a language without its help file.
    std::int16_t ElIdioma();
    void MenuSinObra();
    bool PuedeCerrarObra();

    EstadoObra &m_estado;
    Mensajes &m_mensajes;
    AlmacenConfiguracion &m_almacen;
    Conexion<ObraEnCaptura> m_obra{"The main window's data-entry glue"};
    Conexion<VentanasPrincipal> m_ventanas{"The main window's windows"};
    Conexion<ComandosCaptura> m_comandos{"The main window's calculation commands"};
    // Given only with the program's own commands; the listing window exists only with them.
    Conexion<ComandosCalculo> m_calculo{"The main window's listing window"};
    TextosPlataforma &m_textosPlataforma;
    MenuPrincipal m_menu;
    std::string m_caption = "DRAVEK";
    std::string m_picture;
    std::string m_ficheroAyuda;
};

// The help file of a language: the program's folder, text 433 of the language and ".html".
std::string RutaAyuda(const std::string &rutaAplicacion, std::int32_t DesplazamientoIdioma);

} // namespace dravek
