#pragma once

#include "core/entry/CapturaDatos.h"

#include <string>
#include <vector>

namespace dravek::pruebas {

// Records the commands of other windows that the data-entry window's buttons and the main
// menu start, and the window's own closing.
class ComandosCapturaGrabadora : public ComandosCaptura, public CierreCaptura {
public:
    void CalculaTramo() override { m_ordenes.push_back("CalculaTramo"); }
    void AjustaArmaduras() override { m_ordenes.push_back("AjustaArmaduras"); }
    void ImprimeObra() override { m_ordenes.push_back("ImprimeObra"); }
    void CierraVentana() override { m_ordenes.push_back("CierraVentana"); }

    const std::vector<std::string> &ordenes() const { return m_ordenes; }

private:
    std::vector<std::string> m_ordenes;
};

} // namespace dravek::pruebas
