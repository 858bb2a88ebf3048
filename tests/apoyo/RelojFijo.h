#pragma once

#include "core/plataforma/Reloj.h"

#include <string>
#include <utility>

namespace dravek::pruebas {

// A clock that always reads the same date and time, so page headers are reproducible.
class RelojFijo final : public Reloj {
public:
    RelojFijo(std::string fecha = "05/03/2024", std::string hora = "09:41")
        : m_fecha(std::move(fecha)), m_hora(std::move(hora))
    {
    }
    std::string FechaCorta() const override { return m_fecha; }
    std::string HoraCorta() const override { return m_hora; }

private:
    std::string m_fecha;
    std::string m_hora;
};

} // namespace dravek::pruebas
