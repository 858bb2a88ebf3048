#pragma once

#include "core/entry/ObraEnCaptura.h"
#include "core/model/Conexion.h"
#include "core/plataforma/TrabajoImpresion.h"
#include "core/shell/VentanasPrincipal.h"

namespace dravek {
class AlmacenConfiguracion;
class ComandosCalculo;
class ServicioImpresoras;
class Mensajes;
class SalidaListado;
struct EstadoObra;
} // namespace dravek

namespace dravek::gui {

class FormaPrincipalVista;

// The windows the main menu opens, each modal over the main window.
class VentanasPrincipalQt : public VentanasPrincipal {
public:
    // All must outlive the windows. trabajo: the print job that readies the chosen printer for
    // the calculator's and adviser's prints.
    VentanasPrincipalQt(FormaPrincipalVista &principal, EstadoObra &estado, Mensajes &mensajes,
                        AlmacenConfiguracion &almacen, ServicioImpresoras &impresoras,
                        SalidaListado &salida, TrabajoImpresion &trabajo);

    // The commands that own the listing window; they need these windows to exist first, and
    // are given before the listing or the adjustment window is first shown.
    void PonCalculo(ComandosCalculo &calculo) { m_calculo.Pon(calculo); }

    void MuestraImpresoras() override;
    void MuestraCalculoHidraulico() override;
    void MuestraProtecciones() override;
    void MuestraAcercaDe() override;
    void MuestraAviso(int ModoAdvertencia) override;
    void MuestraIndiceAyuda(const std::string &ficheroAyuda) override;
    void MuestraListado() override;
    void MuestraAjustes() override;
    void Termina() override;

private:
    FormaPrincipalVista &m_principal;
    EstadoObra &m_estado;
    Mensajes &m_mensajes;
    AlmacenConfiguracion &m_almacen;
    ServicioImpresoras &m_impresoras;
    SalidaListado &m_salida;
    TrabajoImpresion &m_trabajo;
    Conexion<ComandosCalculo> m_calculo{"The calculation commands of the main window's windows"};
};

} // namespace dravek::gui
