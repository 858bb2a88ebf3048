#pragma once

#include "core/plataforma/CerrojosFichero.h"

#include <memory>
#include <set>
#include <string>
#include <utility>

namespace dravek::pruebas {

// The locks of the running programs, shared by the windows of one test. A lock is held while
// the object it gave lives.
class CerrojosEnMemoria : public CerrojosFichero {
public:
    Toma TomaCerrojo(const std::string &ruta) override
    {
        Toma toma;
        if (m_sinCerrojos) {
            return toma;
        }
        if (m_tomados.count(ruta) != 0) {
            toma.estado = Toma::Estado::Ocupado;
            return toma;
        }
        m_tomados.insert(ruta);
        toma.estado = Toma::Estado::Tomado;
        toma.cerrojo = std::make_unique<Cerrojo>(m_tomados, ruta);
        return toma;
    }
    bool Tomado(const std::string &ruta) const { return m_tomados.count(ruta) != 0; }
    // No lock can be made (a read-only folder).
    void SinCerrojos() { m_sinCerrojos = true; }

private:
    class Cerrojo : public CerrojoFichero {
    public:
        Cerrojo(std::set<std::string> &tomados, std::string ruta)
            : m_tomados(tomados), m_ruta(std::move(ruta))
        {
        }
        ~Cerrojo() override { m_tomados.erase(m_ruta); }

    private:
        std::set<std::string> &m_tomados;
        std::string m_ruta;
    };
    std::set<std::string> m_tomados;
    bool m_sinCerrojos = false;
};

} // namespace dravek::pruebas
