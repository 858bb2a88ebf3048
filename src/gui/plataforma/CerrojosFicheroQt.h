#pragma once

#include "core/plataforma/CerrojosFichero.h"

#include <QString>

namespace dravek::gui {

// The locks of the projects as Qt's lock files: ".<file name>.lock" beside the file a name
// stands for (a link followed), holding the program's process and machine. A lock whose program
// no longer runs on this machine, or that was made before the machine last started, is taken
// over; a lock is never taken over for its age alone, since a project may stay open for days.
class CerrojosFicheroQt final : public CerrojosFichero {
public:
    Toma TomaCerrojo(const std::string &ruta) override;

    // The lock file of a project file.
    static QString FicheroCerrojo(const std::string &ruta);
};

} // namespace dravek::gui
