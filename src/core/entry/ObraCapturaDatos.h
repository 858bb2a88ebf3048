#pragma once

// The data-entry window as the main window uses it: the window's logic and the project's
// files behind it, loaded for a project and unloaded when the project closes, with the view
// that shows it.

#include <functional>
#include <memory>

#include "core/entry/AlmacenObra.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/ComandosCaptura.h"
#include "core/entry/MenuPrincipal.h"
#include "core/entry/ObraEnCaptura.h"
#include "core/entry/VistaCaptura.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/DialogosFichero.h"
#include "core/plataforma/Mensajes.h"
#include "core/storage/Ficheros.h"

namespace dravek {

struct ServiciosObraCaptura {
    Mensajes &mensajes;
    MenuPrincipal &menu; // the main window's menu
    SistemaFicheros &ficheros;
    DialogosFichero &dialogos;
};

class ObraCapturaDatos final : public ObraEnCaptura, private OrdenesCaptura {
public:
    // Makes the view of a window just created; the view lives until the next load or until
    // this object goes, never beyond the window it shows.
    using FabricaVista = std::function<std::unique_ptr<VistaCaptura>(CapturaDatos &)>;

    ObraCapturaDatos(EstadoObra &estado, ServiciosObraCaptura servicios);
    ~ObraCapturaDatos() override;
    ObraCapturaDatos(const ObraCapturaDatos &) = delete;
    ObraCapturaDatos &operator=(const ObraCapturaDatos &) = delete;

    // The collaborators that exist after this object: the view's maker, the calculation
    // commands of the window's buttons, the shell's side of a language change.
    void PonFabricaVista(FabricaVista fabrica) { m_fabrica = std::move(fabrica); }
    void PonComandos(ComandosCaptura *comandos) { m_comandos = comandos; }
    void PonEntornoIdioma(EntornoIdioma *entorno);

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
    // The window's command buttons.
    void CalculaTramo() override;
    void AjustaArmaduras() override;
    void ImprimeObra() override;
    void CierraVentana() override;
    void Refresca();

    EstadoObra &m_estado;
    ServiciosObraCaptura m_s;
    AlmacenObra m_almacen;
    FabricaVista m_fabrica;
    ComandosCaptura *m_comandos = nullptr;
    EntornoIdioma *m_entornoIdioma = nullptr;
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
