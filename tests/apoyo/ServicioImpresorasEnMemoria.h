#pragma once

#include "core/plataforma/ServicioImpresoras.h"

#include <string>
#include <utility>
#include <vector>

namespace dravek::pruebas {

// The machine's printers as the test sets them: none, one or several, and which is the
// default. They may change while a window is open, as a printer removed meanwhile.
class ServicioImpresorasEnMemoria : public ServicioImpresoras {
public:
    ServicioImpresorasEnMemoria() = default;
    ServicioImpresorasEnMemoria(std::vector<std::string> instaladas, std::string predeterminada)
        : m_instaladas(std::move(instaladas)), m_predeterminada(std::move(predeterminada))
    {
    }

    std::vector<std::string> Instaladas() override { return m_instaladas; }
    std::string Predeterminada() override { return m_predeterminada; }

    void ponInstaladas(std::vector<std::string> instaladas)
    {
        m_instaladas = std::move(instaladas);
    }

private:
    std::vector<std::string> m_instaladas;
    std::string m_predeterminada;
};

} // namespace dravek::pruebas
