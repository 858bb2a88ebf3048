#pragma once

// The main window's other windows, none of which opens: for a test of what the main window does
// with the data-entry window. A test that watches one of them overrides it.

#include "core/shell/VentanasPrincipal.h"

#include <string>

namespace dravek::pruebas {

class VentanasNulas : public VentanasPrincipal {
public:
    void MuestraImpresoras() override {}
    void MuestraCalculoHidraulico() override {}
    void MuestraProtecciones() override {}
    void MuestraAcercaDe() override {}
    void MuestraAviso(int) override {}
    void MuestraIndiceAyuda(const std::string &) override {}
    void MuestraListado() override {}
    void MuestraAjustes() override {}
    void Termina() override {}
};

} // namespace dravek::pruebas
