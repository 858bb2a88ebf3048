#include "gui/shell/VentanasPrincipalQt.h"

#include "core/hydraulics/CalculoHidraulico.h"
#include "core/model/TextoRecurso.h"
#include "core/protection/Protecciones.h"
#include "core/shell/ComandosCalculo.h"
#include "gui/adjustment/frAjustesVista.h"
#include "gui/comun/TextoQt.h"
#include "gui/hydraulics/CalculoHidraulicoVista.h"
#include "gui/protection/ProteccionesVista.h"
#include "gui/shell/AyudaVista.h"
#include "gui/shell/FormaPrincipalVista.h"
#include "gui/shell/ImpresorasVista.h"
#include "gui/shell/frEscribePantallaVista.h"
#include "gui/shell/frmAboutBoxVista.h"
#include "gui/shell/frmTipVista.h"

#include <QApplication>

#include <memory>

namespace dravek::gui {

VentanasPrincipalQt::VentanasPrincipalQt(FormaPrincipalVista &principal, EstadoObra &estado,
                                         Mensajes &mensajes, AlmacenConfiguracion &almacen,
                                         ServicioImpresoras &impresoras, SalidaListado &salida,
                                         TrabajoImpresion &trabajo)
    : m_principal(principal), m_estado(estado), m_mensajes(mensajes), m_almacen(almacen),
      m_impresoras(impresoras), m_salida(salida), m_trabajo(trabajo)
{
}

void VentanasPrincipalQt::MuestraImpresoras()
{
    gui::MuestraImpresoras(m_estado, m_mensajes, m_impresoras, &m_principal);
}

void VentanasPrincipalQt::MuestraAcercaDe()
{
    gui::MuestraAcercaDe(m_estado, &m_principal);
}

// The notice window reads the notice kind from the state, which the caller has set.
void VentanasPrincipalQt::MuestraAviso(int)
{
    MuestraAdvertencia(m_estado, m_almacen, &m_principal);
}

// The window is loaded first: one that did not open has told why and shows nothing.
void VentanasPrincipalQt::MuestraAjustes()
{
    const std::unique_ptr<frAjustes> logica = m_calculo->CargaAjustes();
    if (!logica) {
        return;
    }
    frAjustesVista vista(*logica, &m_principal);
    vista.exec();
}

void VentanasPrincipalQt::MuestraCalculoHidraulico()
{
    CalculoHidraulico logica(m_estado, m_mensajes, m_salida, m_trabajo);
    CalculoHidraulicoVista vista(logica, &m_principal);
    vista.exec();
}

void VentanasPrincipalQt::MuestraProtecciones()
{
    Protecciones logica(m_estado, m_mensajes, m_salida, m_trabajo);
    ProteccionesVista vista(logica, &m_principal);
    vista.exec();
}

void VentanasPrincipalQt::MuestraIndiceAyuda(const std::string &ficheroAyuda)
{
    AyudaVista vista(aQt(ficheroAyuda), aQt(Texto(m_estado.ejecucion.DesplazamientoIdioma, 1524)),
                     &m_principal);
    vista.exec();
}

void VentanasPrincipalQt::MuestraListado()
{
    frEscribePantallaVista vista(m_calculo->listado(), &m_principal);
    vista.exec();
    // Closed with the window's own close control: unloaded as by its close button.
    m_calculo->listado().Unload();
}

void VentanasPrincipalQt::Termina()
{
    m_principal.m_terminando = true;
    m_principal.close();
    QApplication::quit();
}

} // namespace dravek::gui
