#pragma once

#include "core/entry/VistaCaptura.h"

#include <QPointer>

namespace dravek {
class CapturaDatos;
} // namespace dravek

namespace dravek::gui {

class CapturaDatosVista;
class FormaPrincipalVista;
class SubventanaCaptura;

// The data-entry window inside the main window's frame: its view in a sub-window of the
// frame's area, over the whole area, so that the menus and the run commands' states stay in
// sight. The sub-window's close control asks the logic, as the window's own close does.
class CapturaEnMarco final : public VistaCaptura {
public:
    CapturaEnMarco(CapturaDatos &logica, FormaPrincipalVista &marco);
    ~CapturaEnMarco() override;
    CapturaEnMarco(const CapturaEnMarco &) = delete;
    CapturaEnMarco &operator=(const CapturaEnMarco &) = delete;

    void Muestra() override;
    void Cierra() override;
    void Refresca() override;

    CapturaDatosVista &vista() const { return *m_vista; }

private:
    FormaPrincipalVista &m_marco;
    QPointer<SubventanaCaptura> m_subventana;
    CapturaDatosVista *m_vista;
};

} // namespace dravek::gui
