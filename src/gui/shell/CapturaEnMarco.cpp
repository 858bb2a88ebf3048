#include "gui/shell/CapturaEnMarco.h"

#include "gui/entry/CapturaDatosVista.h"
#include "gui/shell/FormaPrincipalVista.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace dravek::gui {

// A sub-window that closes only when the logic has decided to: its close control, and Ctrl+F4,
// hand the question to the view inside, whose logic may refuse. It fills the frame's area for as
// long as it is open: it offers no restore or minimise, and a change of state that comes from
// elsewhere (the area's own commands) is undone.
class SubventanaCaptura final : public QMdiSubWindow {
public:
    SubventanaCaptura()
    {
        setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    }

    // The logic has unloaded the window: the next close goes through.
    void Cerrar()
    {
        m_decidido = true;
        // Inside its own close event the event itself is accepted; a second close would be
        // refused there.
        if (!m_preguntando) {
            close();
        }
    }
    void Abrir() { m_decidido = false; }

protected:
    void closeEvent(QCloseEvent *evento) override
    {
        if (!m_decidido && widget()) {
            m_preguntando = true;
            widget()->close();
            m_preguntando = false;
        }
        if (m_decidido) {
            QMdiSubWindow::closeEvent(evento);
        } else {
            evento->ignore();
        }
    }

    void changeEvent(QEvent *evento) override
    {
        QMdiSubWindow::changeEvent(evento);
        if (evento->type() == QEvent::WindowStateChange && !m_decidido && isVisible() &&
            !isMaximized()) {
            QMetaObject::invokeMethod(this, &QWidget::showMaximized, Qt::QueuedConnection);
        }
    }

private:
    bool m_decidido = false;
    bool m_preguntando = false;
};

CapturaEnMarco::CapturaEnMarco(CapturaDatos &logica, FormaPrincipalVista &marco)
    : m_marco(marco), m_subventana(new SubventanaCaptura), m_vista(new CapturaDatosVista(logica))
{
    m_subventana->setObjectName(QStringLiteral("SubventanaCaptura"));
    m_subventana->setWidget(m_vista);
}

CapturaEnMarco::~CapturaEnMarco()
{
    delete m_subventana.data();
}

void CapturaEnMarco::Muestra()
{
    if (!m_subventana) {
        return;
    }
    m_subventana->Abrir();
    if (m_subventana->mdiArea() == nullptr) {
        m_marco.AbreHija(m_subventana);
    } else {
        m_subventana->showMaximized();
    }
    m_vista->Muestra();
    m_marco.Refresca();
}

void CapturaEnMarco::Cierra()
{
    m_vista->Cierra();
    if (m_subventana) {
        m_subventana->Cerrar();
    }
    // The menus of no project open, at once.
    m_marco.Refresca();
}

void CapturaEnMarco::Refresca()
{
    m_vista->Refresca();
    m_marco.Refresca();
}

} // namespace dravek::gui
