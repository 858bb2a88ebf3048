#pragma once

#include "core/plataforma/Temporizador.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace dravek::pruebas {

// A one-shot timer that fires when the test says so, whatever its interval: the test sees the
// interval asked for and runs the pending action as the event loop would once it passed.
class TemporizadorGrabador : public Temporizador {
public:
    void Programa(std::int32_t milisegundos, std::function<void()> accion) override
    {
        m_intervalo = milisegundos;
        m_accion = std::move(accion);
        ++m_programados;
    }
    void Detiene() override { m_accion = nullptr; }

    bool pendiente() const { return static_cast<bool>(m_accion); }
    std::int32_t intervalo() const { return m_intervalo; }
    int programados() const { return m_programados; }

    // Runs the pending action once; false when none was pending. The action may start the
    // timer again.
    bool dispara()
    {
        if (!m_accion) {
            return false;
        }
        std::function<void()> accion = std::move(m_accion);
        m_accion = nullptr;
        accion();
        return true;
    }

private:
    std::function<void()> m_accion;
    std::int32_t m_intervalo = 0;
    int m_programados = 0;
};

} // namespace dravek::pruebas
