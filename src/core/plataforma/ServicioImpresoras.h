#pragma once

#include <string>
#include <vector>

namespace dravek {

// The printers installed on the machine. Asked afresh each time: a printer may come or go
// while the program runs.
class ServicioImpresoras {
public:
    virtual ~ServicioImpresoras() = default;
    // Device names of the installed printers, in the platform's order; empty when none is.
    virtual std::vector<std::string> Instaladas() = 0;
    // Device name of the system's default printer; empty when there is none.
    virtual std::string Predeterminada() = 0;
};

} // namespace dravek
