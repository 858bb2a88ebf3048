#include "gui/plataforma/TemporizadorQt.h"

#include <algorithm>
#include <utility>

namespace dravek::gui {

TemporizadorQt::TemporizadorQt()
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        // Taken out first: the action may start the timer again.
        std::function<void()> accion = std::move(m_accion);
        m_accion = nullptr;
        if (accion) {
            accion();
        }
    });
}

void TemporizadorQt::Programa(std::int32_t milisegundos, std::function<void()> accion)
{
    m_accion = std::move(accion);
    m_timer.start(std::max(milisegundos, 0));
}

void TemporizadorQt::Detiene()
{
    m_timer.stop();
    m_accion = nullptr;
}

} // namespace dravek::gui
