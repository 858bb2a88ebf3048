#pragma once

// Which running copy of the program has a project open: a project is open in one window of the
// program at a time, so that two windows never save over each other's work. A lock left by a
// program that ended without releasing it (killed, a power cut) must not keep the project
// closed for ever: taking it recognises such a lock and takes it over.

#include <memory>
#include <string>

namespace dravek {

// Held while it lives; released when destroyed.
class CerrojoFichero {
public:
    virtual ~CerrojoFichero() = default;
};

class CerrojosFichero {
public:
    struct Toma {
        enum class Estado {
            Tomado,     // the file is this program's until the lock is destroyed
            Ocupado,    // another running program holds it
            SinCerrojo, // no lock can be made beside the file (a read-only folder): none held
        };
        Estado estado = Estado::SinCerrojo;
        std::unique_ptr<CerrojoFichero> cerrojo; // only when Tomado
    };

    virtual ~CerrojosFichero() = default;

    // Takes the lock of the file (the one a link points to), at once, without waiting.
    virtual Toma TomaCerrojo(const std::string &ruta) = 0;
};

} // namespace dravek
