#pragma once

#include "core/plataforma/AlmacenConfiguracion.h"

namespace dravek::gui {

// The decimal separator of the user's system locale.
class LocalUsuarioQt : public LocalUsuario {
public:
    std::string SeparadorDecimal() override;
};

} // namespace dravek::gui
