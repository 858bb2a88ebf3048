#pragma once

#include "core/plataforma/ServicioImpresoras.h"

namespace dravek::gui {

// The printers the print system (CUPS on Linux) reports, through QPrinterInfo.
class ServicioImpresorasQt : public ServicioImpresoras {
public:
    std::vector<std::string> Instaladas() override;
    std::string Predeterminada() override;
};

} // namespace dravek::gui
