#pragma once

#include <cstdint>
#include <string>

namespace dravek {

// The sign of life of a long job: how far it has gone, and the engineer's wish to stop it.
class Progreso {
public:
    virtual ~Progreso() = default;
    // A job of total steps begins. texto says what the steps are and cancelar is the caption
    // of the button that stops it, both in the interface language.
    virtual void Empieza(const std::string &texto, const std::string &cancelar,
                         std::int64_t total) = 0;
    // hechos of the steps are done. Called once a calculated case: cheap while there is
    // nothing to show. False once the engineer has asked to stop, and from then on.
    [[nodiscard]] virtual bool Sigue(std::int64_t hechos) = 0;
    // The job has ended, whole or stopped.
    virtual void Termina() = 0;
};

} // namespace dravek
