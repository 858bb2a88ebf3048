#pragma once

// Whole-file reads and atomic whole-file writes of the program's own files (the project file and
// its adjustments file). A write goes to a temporary file beside the target, is flushed to the
// disk and then renamed over the target, so a failure at any point leaves the old file whole.
// The interface lets the tests inject a failure at the write of their choosing.

#include <string>
#include <string_view>

namespace dravek {

struct LecturaFichero {
    enum class Estado {
        Leido,    // bytes holds the whole file
        NoExiste, // there is no file (nor folder) of that name
        Fallo,    // it exists but cannot be read: a folder, no permission, a device error
    };
    Estado estado = Estado::NoExiste;
    std::string bytes;
    std::string error; // the system's description of a failure
};

class SistemaFicheros {
public:
    virtual ~SistemaFicheros() = default;

    virtual LecturaFichero Lee(const std::string &ruta) = 0;

    // Replaces the file's whole contents, creating it when it does not exist. Empty on success,
    // else the system's description of the failure; the file is then as it was.
    virtual std::string EscribeEntero(const std::string &ruta, std::string_view bytes) = 0;

    // Why a file could not be created under that name (a missing folder, a name that is a
    // folder); empty when nothing stands in the way that can be seen before writing.
    virtual std::string CompruebaNombreNuevo(const std::string &ruta) = 0;
};

// The files on the disk.
class SistemaFicherosDisco final : public SistemaFicheros {
public:
    LecturaFichero Lee(const std::string &ruta) override;
    std::string EscribeEntero(const std::string &ruta, std::string_view bytes) override;
    std::string CompruebaNombreNuevo(const std::string &ruta) override;
};

} // namespace dravek
