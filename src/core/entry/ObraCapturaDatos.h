#pragma once

// The data-entry window as the main window uses it: the window's logic and the project's
// files behind it, loaded for a project and unloaded when the project closes, with the view
// that shows it.

#include "core/entry/AlmacenObra.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/ComandosCaptura.h"
#include "core/entry/MenuPrincipal.h"
#include "core/entry/ObraEnCaptura.h"
#include "core/entry/VistaCaptura.h"
#include "core/model/Conexion.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/CerrojosFichero.h"
#include "core/plataforma/DialogosFichero.h"
#include "core/plataforma/Mensajes.h"
#include "core/storage/Ficheros.h"

#include <functional>
#include <memory>

namespace dravek {

// Makes the view of a window just created; the view lives until the next load or until the
// ObraCapturaDatos goes, never beyond the window it shows.
using FabricaVistaCaptura = std::function<std::unique_ptr<VistaCaptura>(CapturaDatos &)>;

struct ServiciosObraCaptura {
    Mensajes &mensajes;
    MenuPrincipal &menu; // the main window's menu
    SistemaFicheros &ficheros;
    DialogosFichero &dialogos;
    AlmacenConfiguracion &configuracion; // keeps the folder the file dialogs last chose in
    CerrojosFichero &cerrojos;           // a project is open in one copy of the program at a time
    EntornoIdioma &entornoIdioma;        // the shell's side of a language change
    FabricaVistaCaptura fabricaVista;
};

class ObraCapturaDatos final : public ObraEnCaptura, private CierreCaptura {
public:
    ObraCapturaDatos(EstadoObra &estado, ServiciosObraCaptura servicios);
    ~ObraCapturaDatos() override;
    ObraCapturaDatos(const ObraCapturaDatos &) = delete;
    ObraCapturaDatos &operator=(const ObraCapturaDatos &) = delete;

    // The calculation commands of the window's buttons, which are made after this object
    // since they need it; given before the window is first loaded.
    void PonComandos(ComandosCaptura &comandos) { m_comandos.Pon(comandos); }

    void CargaCaptura() override;
    void DescargaCaptura() override;
    bool PermiteCerrar() override;
    CapturaDatos *Captura() override { return m_cargada ? m_captura.get() : nullptr; }

    bool ValidaPresionesAlturasObra() override;
    bool ValidaDatosTramo(bool MoverFoco) override;
    void GrabaObra() override;
    void NuevoTramo() override;
    void CancelaCapturaTramo() override;
    void ConfirmaGrabaTramo() override;
    bool CargaTramo(int posicion) override;
    AjustesGuardados *Ajustes() override;
    bool AjustesRehusados() const override { return m_ajustesRehusados; }
    bool GrabaUnTramoPresion(double DP, std::int16_t TramoActual, double AlturaActual,
                             const std::optional<AjusteGuardado> &eleccion) override;

    AlmacenObra &almacen() { return m_almacen; }
    VistaCaptura *vista() { return m_cargada ? m_vista.get() : nullptr; }

private:
    // The window's close button.
    void CierraVentana() override;
    void Refresca();

    EstadoObra &m_estado;
    ServiciosObraCaptura m_s;
    AlmacenObra m_almacen;
    Conexion<ComandosCaptura> m_comandos{"The data-entry window's calculation commands"};
    // The window of the last load. Kept after its unload, which may come from one of its own
    // buttons, until the next load replaces it.
    std::unique_ptr<CapturaDatos> m_captura;
    std::unique_ptr<VistaCaptura> m_vista;
    bool m_cargada = false;
    // The overrides of the calculation under way.
    std::unique_ptr<FicheroAjustes> m_ajustes;
    bool m_ajustesRehusados = false;
};

} // namespace dravek
