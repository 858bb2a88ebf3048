#pragma once

// Whole-file reads and atomic whole-file writes of the program's own files (the project file and
// its adjustments file). A write goes to a temporary file of its own beside the target, is
// flushed to the disk and then renamed over the target, and the folder is flushed after the
// rename; a failure at any point leaves the old file whole. The interface lets the tests inject
// a failure at the write of their choosing.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

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

    // Replaces the file's whole contents, creating it when it does not exist. A symbolic link
    // is followed: the file it points to is replaced, in its own folder. A read-only file is
    // not replaced. Empty on success, else the system's description of the failure; the file
    // is then as it was.
    virtual std::string EscribeEntero(const std::string &ruta, std::string_view bytes) = 0;

    // Replaces a file and its companion (a project file and its adjustments file) as a pair:
    // both new contents are written and flushed beside their files before either takes its
    // place, the companion first; when the file then cannot take its place, the companion is put
    // back as it was. Empty on success, else the system's description of the failure; both
    // files are then as they were. Only a power cut between the two renames separates them.
    virtual std::string EscribePar(const std::string &ruta, std::string_view bytes,
                                   const std::string &companero,
                                   std::string_view bytesCompanero) = 0;

    // Removes the temporaries that this program's writers of the file left when they were
    // killed (BorraTemporalesHuerfanos).
    virtual void LimpiaTemporales(const std::string &ruta) = 0;

    // Why a file could not be created under that name (a missing folder, a name that is a
    // folder); empty when nothing stands in the way that can be seen before writing.
    virtual std::string CompruebaNombreNuevo(const std::string &ruta) = 0;

    // Whether the file (or the one a link points to) exists and is marked read-only for this
    // user: the engineer's mark is kept even where the system would let the file be replaced.
    virtual bool SoloLectura(const std::string &ruta) = 0;
};

// The files on the disk.
class SistemaFicherosDisco final : public SistemaFicheros {
public:
    // The steps of a write at which the system can fail.
    enum class Paso { Crea, Escribe, Vacia, Renombra, Borra, VaciaCarpeta };
    // The error number the system is to give at a step of the write of a file (the one a
    // link points to), 0 to let it run: a disk that fills or a folder made read-only in the
    // middle of a save, which no permission can make happen to a program run as root.
    using Averia = std::function<int(Paso, const std::string &fichero)>;

    SistemaFicherosDisco() = default;
    explicit SistemaFicherosDisco(Averia averia) : m_averia(std::move(averia)) {}

    LecturaFichero Lee(const std::string &ruta) override;
    std::string EscribeEntero(const std::string &ruta, std::string_view bytes) override;
    std::string EscribePar(const std::string &ruta, std::string_view bytes,
                           const std::string &companero, std::string_view bytesCompanero) override;
    void LimpiaTemporales(const std::string &ruta) override;
    std::string CompruebaNombreNuevo(const std::string &ruta) override;
    bool SoloLectura(const std::string &ruta) override;

private:
    // A new content written and flushed beside the file it is to replace (a link's target).
    struct Preparado {
        std::string destino;
        std::string temporal; // empty once it took the file's place or was removed
    };
    std::string Prepara(const std::string &ruta, std::string_view bytes, Preparado &p);
    // Renames the temporary over its file; a failure removes the temporary.
    std::string Coloca(Preparado &p);
    void Descarta(Preparado &p);
    void VaciaCarpeta(const std::string &destino);

    int Falla(Paso paso, const std::string &fichero) const
    {
        return m_averia ? m_averia(paso, fichero) : 0;
    }

    Averia m_averia;
    // Tells apart the temporary files of this program's writes.
    std::uint64_t m_escrituras = 0;
};

// Whether a process of this machine with that id still runs.
bool ProcesoVivo(long long pid);

// Removes, beside the file (a link is not followed), the temporaries this program's writers of
// that file left when they were killed: "<file>.~<pid>-<n>-<token>.tmp" of a whole-file write
// and ".<file>.<pid>.tmp" of a PDF, whose process no longer runs on this machine. A live
// writer's temporary and every other file are kept. The number removed.
int BorraTemporalesHuerfanos(const std::string &ruta);

} // namespace dravek
