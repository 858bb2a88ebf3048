#pragma once

#include <cstdint>
#include <functional>

namespace dravek {

// A one-shot timer: its action runs once, from the program's event loop, after the interval.
class Temporizador {
public:
    virtual ~Temporizador() = default;
    // Starts the timer, dropping an action still pending. The action runs once, milisegundos
    // after this call (0: as soon as the event loop is free).
    virtual void Programa(std::int32_t milisegundos, std::function<void()> accion) = 0;
    // Stops the timer: a pending action does not run.
    virtual void Detiene() = 0;
};

} // namespace dravek
