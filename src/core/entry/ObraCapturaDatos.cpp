#include "core/entry/ObraCapturaDatos.h"

#include "core/entry/CapturaTramo.h"
#include "core/entry/ValidacionTramo.h"

#include <optional>
#include <stdexcept>

namespace dravek {

ObraCapturaDatos::ObraCapturaDatos(EstadoObra &estado, ServiciosObraCaptura servicios)
    : m_estado(estado), m_s(servicios),
      m_almacen(estado, servicios.mensajes, servicios.ficheros, servicios.dialogos,
                servicios.configuracion, servicios.cerrojos)
{
    if (!m_s.fabricaVista) {
        throw std::logic_error("The data-entry window's view maker not wired");
    }
}

// The view goes before the window it shows.
ObraCapturaDatos::~ObraCapturaDatos()
{
    m_vista.reset();
    m_captura.reset();
}

void ObraCapturaDatos::CargaCaptura()
{
    if (m_cargada) {
        return;
    }
    m_vista.reset();
    m_captura = std::make_unique<CapturaDatos>(
        m_estado, ServiciosCaptura{m_s.mensajes, m_s.menu, m_almacen, m_s.entornoIdioma, m_almacen,
                                   &*m_comandos, this});
    m_cargada = true;
    m_captura->Form_Load();
    // A project that could not be opened is not shown: its caller unloads the window at once.
    if (m_estado.obra.AbrirObraExistente != Falso) {
        if (m_estado.obra.NombreFicheroObra == " ") {
            return;
        }
    } else {
        // A new project starts with its title.
        m_captura->SetFocus(m_captura->edObra);
    }
    m_vista = m_s.fabricaVista(*m_captura);
    Conectado(m_vista.get(), "The data-entry window's view").Muestra();
}

void ObraCapturaDatos::DescargaCaptura()
{
    if (!m_cargada) {
        return;
    }
    bool Cancel = false;
    m_captura->Form_Unload(Cancel);
    if (Cancel) {
        Refresca();
        return;
    }
    m_cargada = false;
    m_ajustes.reset();
    m_almacen.CierraObra();
    if (m_vista) {
        m_vista->Cierra();
    }
}

bool ObraCapturaDatos::PermiteCerrar()
{
    if (!m_cargada) {
        return true;
    }
    const bool permite = m_captura->ConfirmaCierre();
    Refresca();
    return permite;
}

void ObraCapturaDatos::Refresca()
{
    if (m_cargada && m_vista) {
        m_vista->Refresca();
    }
}

bool ObraCapturaDatos::ValidaPresionesAlturasObra()
{
    return m_cargada && dravek::ValidaPresionesAlturasObra(*m_captura);
}

bool ObraCapturaDatos::ValidaDatosTramo(bool MoverFoco)
{
    return m_cargada && dravek::ValidaDatosTramo(*m_captura, MoverFoco);
}

void ObraCapturaDatos::GrabaObra()
{
    if (m_cargada) {
        m_almacen.GrabaObra(*m_captura);
        Refresca();
    }
}

void ObraCapturaDatos::NuevoTramo()
{
    if (m_cargada) {
        dravek::NuevoTramo(*m_captura);
        Refresca();
    }
}

void ObraCapturaDatos::CancelaCapturaTramo()
{
    if (m_cargada) {
        dravek::CancelaCapturaTramo(*m_captura);
        Refresca();
    }
}

void ObraCapturaDatos::ConfirmaGrabaTramo()
{
    if (m_cargada) {
        dravek::ConfirmaGrabaTramo(*m_captura);
        Refresca();
    }
}

bool ObraCapturaDatos::CargaTramo(int posicion)
{
    if (!m_cargada) {
        return false;
    }
    const bool cargado = m_captura->CargaTramoElegido(posicion);
    Refresca();
    return cargado;
}

AjustesGuardados *ObraCapturaDatos::Ajustes()
{
    m_ajustes.reset();
    m_ajustesRehusados = false;
    if (!m_cargada) {
        return nullptr;
    }
    AlmacenObra::AjustesCalculo calculo = m_almacen.AjustesParaCalcular(*m_captura);
    m_ajustesRehusados = !calculo.permitido;
    m_ajustes = std::move(calculo.ajustes);
    return m_ajustes.get();
}

bool ObraCapturaDatos::GrabaUnTramoPresion(double DP, std::int16_t TramoActual,
                                           double AlturaActual,
                                           const std::optional<AjusteGuardado> &eleccion)
{
    return m_cargada && m_almacen.GrabaUnTramoPresion(DP, TramoActual, AlturaActual, eleccion);
}

void ObraCapturaDatos::CierraVentana()
{
    DescargaCaptura();
}

} // namespace dravek
