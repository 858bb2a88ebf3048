#include "gui/plataforma/ProgresoQt.h"

#include "core/plataforma/Mensajes.h"
#include "gui/comun/TextoQt.h"

#include <QApplication>
#include <QProgressDialog>

#include <algorithm>
#include <limits>

namespace dravek::gui {

namespace {

// How often a job that shows its progress lets the dialog's events through, ms: often enough
// for the button to answer at once, seldom enough to cost the job nothing.
constexpr qint64 IntervaloRepaso = 50;

int Acotado(std::int64_t n)
{
    return static_cast<int>(std::clamp<std::int64_t>(n, 0, std::numeric_limits<int>::max()));
}

} // namespace

ProgresoQt::ProgresoQt(QWidget *padre, std::chrono::milliseconds espera)
    : m_padre(padre), m_espera(espera)
{
}

ProgresoQt::~ProgresoQt()
{
    Termina();
}

void ProgresoQt::Empieza(const std::string &texto, const std::string &cancelar, std::int64_t total)
{
    m_texto = aQt(texto);
    m_cancelar = aQt(cancelar);
    m_total = Acotado(total);
    m_detenido = false;
    if (m_dialogo) {
        m_dialogo->setLabelText(m_texto);
        m_dialogo->setCancelButtonText(m_cancelar);
        m_dialogo->setRange(0, m_total);
        m_dialogo->setValue(0);
    }
    if (!m_enCurso) {
        m_enCurso = true;
        m_desdeInicio.start();
        m_desdeRepaso.start();
    }
}

bool ProgresoQt::Sigue(std::int64_t hechos)
{
    if (!m_enCurso || m_detenido) {
        return !m_detenido;
    }
    if (!m_dialogo) {
        if (m_desdeInicio.elapsed() < m_espera.count()) {
            // Till the dialog shows, the windows are still repainted (where a message box
            // answered just before stood, say); what the engineer does meanwhile waits for the
            // dialog, which is modal.
            if (m_desdeRepaso.elapsed() >= IntervaloRepaso) {
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                m_desdeRepaso.start();
            }
            return true;
        }
        Muestra();
    } else if (m_dialogo->wasCanceled()) {
        m_detenido = true;
        return false;
    } else if (m_desdeRepaso.elapsed() < IntervaloRepaso) {
        return true;
    }
    m_dialogo->setValue(std::min(Acotado(hechos), m_total));
    QCoreApplication::processEvents();
    m_desdeRepaso.start();
    m_detenido = m_dialogo->wasCanceled();
    return !m_detenido;
}

void ProgresoQt::Muestra()
{
    // Over the window the job was started from: the listing window when it prints.
    QWidget *sobre = QApplication::activeModalWidget();
    m_dialogo = new QProgressDialog(m_texto, m_cancelar, 0, m_total, sobre ? sobre : m_padre);
    m_dialogo->setObjectName(QStringLiteral("Progreso"));
    m_dialogo->setWindowTitle(aQt(TituloAplicacion));
    m_dialogo->setWindowModality(Qt::ApplicationModal);
    // It stays up till the job ends, the document's hand-over included.
    m_dialogo->setAutoReset(false);
    m_dialogo->setAutoClose(false);
    m_dialogo->setMinimumDuration(0);
    m_dialogo->setMinimumWidth(360);
    m_dialogo->show();
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_cursor = true;
}

void ProgresoQt::Termina()
{
    if (m_cursor) {
        QApplication::restoreOverrideCursor();
        m_cursor = false;
    }
    delete m_dialogo.data();
    m_enCurso = false;
}

} // namespace dravek::gui
