#pragma once

#include "core/entry/ObraCapturaDatos.h"

#include <memory>

namespace dravek::pruebas {

// The data-entry window shown nowhere, for the tests that drive its logic alone.
class VistaCapturaNula final : public VistaCaptura {
public:
    void Muestra() override {}
    void Cierra() override {}
    void Refresca() override {}
};

inline FabricaVistaCaptura SinVista()
{
    return [](CapturaDatos &) { return std::make_unique<VistaCapturaNula>(); };
}

} // namespace dravek::pruebas
