#pragma once

// The project's files as the data-entry window uses them: opening a stored project, saving the
// header and the run shown, reading a stored run for the window (TramoEnVentana puts it
// there), and the run's reinforcement overrides in the adjustments file.
//
// The project file is read whole when the project is opened and kept in memory; every save
// checks every text first and then replaces the whole file at once, so a failure leaves the file
// on the disk and in memory as it was, and is told to the engineer. A file marked read-only is
// never replaced. A project saved over another one takes that project's place together with an
// emptied adjustments file, or not at all.
//
// With the program's locks given, the project is held open by this program while it is the
// project's: another copy of the program that tries to open it, or to save another project
// over it, is told so and does not.
//
// The stored overrides of a run are voided when a change that affects its design is saved, not
// when a box is edited: a change that is cancelled keeps them, and a calculation of the unsaved
// run ignores them.

#include "core/entry/CapturaDatos.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/CerrojosFichero.h"
#include "core/plataforma/DialogosFichero.h"
#include "core/plataforma/Mensajes.h"
#include "core/storage/FicheroAjustes.h"
#include "core/storage/FicheroRegistros.h"
#include "core/storage/Ficheros.h"
#include "core/storage/RegistrosObra.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace dravek {

// The project file's name as chosen: ".dvk" is added when the file's own name (not its folder)
// has no ending.
std::string ConExtensionObra(const std::string &nombre);

// The block a save writes for a run: b brings what only the data-entry window holds (the run's
// number and description, the two override ticks); the run's working values and their SI
// copies give the rest, and what belongs to the other typology is cleared.
BloqueTramo BloqueConValores(BloqueTramo b, const DatosTramo &tramo, const ValoresSI &si);

class AlmacenObra final : public AnulacionAjustes {
public:
    // configuracion: the settings that keep the last folder a file was chosen in; cerrojos: the
    // locks that keep a project open in one program at a time.
    AlmacenObra(EstadoObra &estado, Mensajes &mensajes, SistemaFicheros &ficheros,
                DialogosFichero &dialogos, AlmacenConfiguracion &configuracion,
                CerrojosFichero &cerrojos);

    // Whether the project is tied to a file (opened, or saved once).
    bool TieneFichero() const;
    // The adjustments file of the project file; empty without one.
    std::string NombreFicheroAjustes() const;

    // Opens a stored project: the file must exist and its header pass the format checks. On
    // success the file is the project's and its header is returned; otherwise the engineer has
    // been told why and nothing has changed.
    std::optional<CabeceraCargada> AbreObra(const std::string &ruta);
    // A new project: no file until its first save.
    void NuevaObra();
    // The project is closed (its window unloaded): another program may open it now.
    void CierraObra() { m_cerrojo.reset(); }
    // Asks for the project file to open; its name cut at a NUL and trimmed, or nothing when the
    // engineer cancelled or gave no name. A file chosen beforehand is taken without asking.
    std::optional<std::string> PideFicheroObra();
    // The file the next opening takes instead of asking: the project named when the program
    // was started (a file manager's or the desktop menu's "open with").
    void EligeFichero(std::string ruta) { m_elegido = std::move(ruta); }

    // The runs of the file in the order of the run list, and the blocks the file holds.
    const std::vector<TramoEnFichero> &Tramos() const { return m_tramos; }
    std::int16_t NumeroBloques() const { return m_bloques; }

    // Writes the header (a new project first asks for its file). True when written.
    bool GrabaObra(CapturaDatos &ventana);
    // Writes the header and the block of the run shown in one write; nuevo: the run is added at
    // the end of the file and of the run list, which happens only once the write succeeded.
    // When the change saved affects the run's design, its stored overrides are then voided.
    // True when the run was written.
    bool GrabaTramo(CapturaDatos &ventana, bool nuevo);

    // Loads the run at position k (from 1) of the run list into the window and its variables.
    // A damaged block is reported and leaves the window as it was. Cargando is always reset.
    bool CargaTramo(CapturaDatos &ventana, std::int16_t k);

    // A change that can affect the design of the run shown (AnulacionAjustes): the run is marked,
    // and its overrides are voided when the change is saved.
    void AnulaAjustesTramo() override;
    // The run shown is back to its stored values (loaded, saved, or its capture cancelled).
    void OlvidaCambios() { m_marcado = false; }

    // Stores the adjustment window's choice for a case (run TramoActual, DP in at, fill height
    // in m), or frees the case's entry when there is no choice. A full, unreadable or unwritable
    // adjustments file is told and changes nothing. True when the file holds the choice.
    bool GrabaUnTramoPresion(double DP, std::int16_t TramoActual, double AlturaActual,
                             const std::optional<AjusteGuardado> &eleccion);

    // The overrides a calculation of the run shown may use: none without a file, none while the
    // run has an unsaved change that affects its design. Null with permitido false when the run
    // must not be calculated: its overrides should have been voided and still cannot be (told).
    struct AjustesCalculo {
        bool permitido = true;
        std::unique_ptr<FicheroAjustes> ajustes;
    };
    AjustesCalculo AjustesParaCalcular(CapturaDatos &ventana);

private:
    struct Nombre {
        std::string ruta;
        bool reemplaza = false; // an existing file chosen and confirmed: it starts empty
    };
    // The lock of a file about to become the project's. libre false: another program has it
    // open, and the engineer has been told (what the save or the opening leaves as it was).
    struct CerrojoNuevo {
        bool libre = true;
        bool propio = false; // the project's own file, whose lock is already held
        std::unique_ptr<CerrojoFichero> cerrojo;
    };
    CerrojoNuevo TomaCerrojo(const std::string &ruta, bool grabando);
    void QuedaCerrojo(CerrojoNuevo &&cerrojo);
    std::optional<Nombre> PideNombre();
    // The folder the file dialogs start in, and their file types.
    std::string CarpetaDialogo() const;
    std::vector<FiltroFichero> FiltrosObra() const;
    bool EscribeObra(CapturaDatos &ventana, const std::optional<Nombre> &nuevo,
                     const FicheroRegistros &imagen);
    std::optional<CabeceraObra> CabeceraDeVentana(CapturaDatos &ventana);
    std::optional<BloqueTramo> BloqueDeVentana(CapturaDatos &ventana);
    bool MuestraFalloTextos(const FalloTextos &fallo, std::int32_t base);
    // Whether the run shown differs from block k of the file in what decides its design.
    bool CambiaDiseno(CapturaDatos &ventana, std::int16_t bloque);
    // Voids the overrides of a run; a failure is told and remembered.
    void AnulaAjustesGuardados(std::int16_t tramo);
    void MuestraError(const std::string &texto);
    // The overrides of the run could not be voided: the run is not calculated.
    void MuestraNoAnulados(std::int16_t tramo, const std::string &fichero,
                           const std::string &error);
    std::string T(std::int32_t n) const;

    EstadoObra &m_estado;
    Mensajes &m_mensajes;
    SistemaFicheros &m_ficheros;
    DialogosFichero &m_dialogos;
    FicheroRegistros m_imagen; // the project file as it is on the disk
    std::vector<TramoEnFichero> m_tramos;
    std::int16_t m_bloques = 0;
    bool m_marcado = false;
    // Runs whose overrides a saved change should have voided and could not.
    std::set<std::int16_t> m_anulacionesPendientes;
    CerrojosFichero &m_cerrojos;
    AlmacenConfiguracion &m_configuracion;
    std::unique_ptr<CerrojoFichero> m_cerrojo; // the lock of the project's file, when held
    std::optional<std::string> m_elegido;      // taken by the next PideFicheroObra
};

} // namespace dravek
