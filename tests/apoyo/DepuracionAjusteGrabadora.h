#pragma once

#include "core/adjustment/DepuracionAjuste.h"

#include <string>
#include <vector>

namespace dravek::pruebas {

// Keeps the lines of every rewrite of the check's debug file; can be told to fail.
class DepuracionAjusteGrabadora : public DepuracionAjuste {
public:
    bool Reescribe(const std::vector<std::string> &lineas) override
    {
        ++m_escrituras;
        if (m_falla) {
            return false;
        }
        m_lineas = lineas;
        return true;
    }

    void falla(bool f) { m_falla = f; }
    int escrituras() const { return m_escrituras; }
    const std::vector<std::string> &lineas() const { return m_lineas; }

private:
    bool m_falla = false;
    int m_escrituras = 0;
    std::vector<std::string> m_lineas;
};

} // namespace dravek::pruebas
