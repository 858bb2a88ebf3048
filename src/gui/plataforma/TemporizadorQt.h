#pragma once

#include "core/plataforma/Temporizador.h"

#include <QTimer>

#include <functional>

namespace dravek::gui {

// The one-shot timer on a single-shot QTimer of the program's event loop.
class TemporizadorQt : public Temporizador {
public:
    TemporizadorQt();

    void Programa(std::int32_t milisegundos, std::function<void()> accion) override;
    void Detiene() override;

private:
    QTimer m_timer;
    std::function<void()> m_accion;
};

} // namespace dravek::gui
