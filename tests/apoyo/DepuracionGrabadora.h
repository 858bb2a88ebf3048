#pragma once

#include "core/engine/ContextoCalculo.h"

#include <string>
#include <vector>

namespace dravek::pruebas {

// Records every debug line in order, as the debug file would receive them (without the line
// ends the file adds).
class DepuracionGrabadora : public DepuracionCalculo {
public:
    void EscribeLinea(const std::string &linea) override { m_lineas.push_back(linea); }

    const std::vector<std::string> &lineas() const { return m_lineas; }
    void olvida() { m_lineas.clear(); }

private:
    std::vector<std::string> m_lineas;
};

} // namespace dravek::pruebas
