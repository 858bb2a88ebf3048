#pragma once

#include "core/reinforced/AjustesGuardados.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dravek::pruebas {

// One entry of the adjustments file: the key of its case and the areas stored.
struct EntradaAjuste {
    double DP = 0;          // at
    std::int16_t Tramo = 0; // run number
    double Altura = 0;      // m
    AjusteGuardado areas;   // cm2/m
    bool legible = true;    // false: a record of the entry is not a number
};

// What the design asked for.
struct BusquedaAjuste {
    double DP = 0;
    std::int16_t Tramo = 0;
    double Altura = 0;
};

// The adjustments file in memory, entries numbered from 1 in the order added. Finds an entry by
// the file's rule and records every question.
class AjustesGuardadosEnMemoria : public AjustesGuardados {
public:
    explicit AjustesGuardadosEnMemoria(std::string nombre = "obra.dpe")
        : m_nombre(std::move(nombre))
    {
    }

    void Anade(EntradaAjuste entrada) { m_entradas.push_back(entrada); }
    // The file exists but cannot be read.
    void Ilegible() { m_ilegible = true; }

    std::int16_t BuscaAjusteGuardado(double DP, std::int16_t TramoActual,
                                     double AlturaActual) override
    {
        m_busquedas.push_back({DP, TramoActual, AlturaActual});
        if (m_ilegible) {
            return AjustesIlegibles;
        }
        std::int16_t libre = 0;
        for (std::size_t i = 0; i < m_entradas.size(); ++i) {
            const EntradaAjuste &e = m_entradas[i];
            const auto k = static_cast<std::int16_t>(i + 1);
            if (std::abs(e.DP - DP) < 0.05 && e.Tramo == TramoActual &&
                std::abs(e.Altura - AlturaActual) < 0.05) {
                return k;
            }
            if (e.DP == 0 && e.Tramo == 0 && e.Altura == 0) {
                libre = k;
            }
        }
        return static_cast<std::int16_t>(-libre);
    }

    std::optional<AjusteGuardado> LeeAjusteGuardado(std::int16_t k) override
    {
        m_lecturas.push_back(k);
        if (k < 1 || static_cast<std::size_t>(k) > m_entradas.size()) {
            return std::nullopt;
        }
        const EntradaAjuste &e = m_entradas[static_cast<std::size_t>(k - 1)];
        if (!e.legible) {
            return std::nullopt;
        }
        return e.areas;
    }

    std::string NombreFicheroAjustes() const override { return m_nombre; }

    const std::vector<BusquedaAjuste> &busquedas() const { return m_busquedas; }
    const std::vector<std::int16_t> &lecturas() const { return m_lecturas; }

private:
    std::string m_nombre;
    std::vector<EntradaAjuste> m_entradas;
    bool m_ilegible = false;
    std::vector<BusquedaAjuste> m_busquedas;
    std::vector<std::int16_t> m_lecturas;
};

} // namespace dravek::pruebas
