#pragma once

// A collaborator given after construction, where two objects need each other and one of them
// must exist first. Using it before it was given is a fault of the program's wiring, never of
// the engineer's input: it stops loudly, in every build, instead of doing nothing.

#include <stdexcept>
#include <string>

namespace dravek {

template <class T> class Conexion {
public:
    // What the collaborator is, for the message of a wiring left undone.
    explicit Conexion(const char *que) : m_que(que) {}

    void Pon(T &objeto) { m_objeto = &objeto; }
    // Whether it was given: only for questions that have an answer without it ("is a project
    // open?": not before the glue exists).
    bool Dada() const { return m_objeto != nullptr; }

    T &operator*() const
    {
        if (m_objeto == nullptr) {
            throw std::logic_error(std::string(m_que) + " used before it was wired");
        }
        return *m_objeto;
    }
    T *operator->() const { return &**this; }

private:
    T *m_objeto = nullptr;
    const char *m_que;
};

// A collaborator given at construction that only some uses need: those uses stop loudly when it
// was left out.
template <class T> T &Conectado(T *objeto, const char *que)
{
    if (objeto == nullptr) {
        throw std::logic_error(std::string(que) + " used but not wired");
    }
    return *objeto;
}

} // namespace dravek
