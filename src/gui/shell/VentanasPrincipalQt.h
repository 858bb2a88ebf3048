#pragma once

#include "core/shell/ObraEnCaptura.h"

namespace dravek {
class ComandosCalculo;
class Mensajes;
class SalidaListado;
struct EstadoObra;
} // namespace dravek

namespace dravek::gui {

class FormaPrincipalVista;

// The windows the main menu opens, each modal over the main window.
class VentanasPrincipalQt : public VentanasPrincipal {
public:
    VentanasPrincipalQt(FormaPrincipalVista &principal, EstadoObra &estado, Mensajes &mensajes,
                        SalidaListado &salida, ComandosCalculo *calculo);

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
    SalidaListado &m_salida;
    ComandosCalculo *m_calculo;
};

} // namespace dravek::gui
