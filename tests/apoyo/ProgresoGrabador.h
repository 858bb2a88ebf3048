#pragma once

#include "core/plataforma/Progreso.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dravek::pruebas {

// Records what a job tells of its progress; the engineer stops it the first time it reports
// detenerEn steps done, or at its report number detenerEnAviso (counted from 1).
class ProgresoGrabador final : public Progreso {
public:
    struct Trabajo {
        std::string texto;
        std::string cancelar;
        std::int64_t total;
        bool operator==(const Trabajo &) const = default;
    };

    void Empieza(const std::string &texto, const std::string &cancelar,
                 std::int64_t total) override
    {
        trabajos.push_back({texto, cancelar, total});
    }
    bool Sigue(std::int64_t hechos) override
    {
        sigues.push_back(hechos);
        if ((detenerEn && hechos >= *detenerEn) ||
            (detenerEnAviso && sigues.size() >= *detenerEnAviso)) {
            detenido = true;
        }
        return !detenido;
    }
    void Termina() override { ++terminados; }

    std::optional<std::int64_t> detenerEn;
    std::optional<std::size_t> detenerEnAviso;
    bool detenido = false;
    std::vector<Trabajo> trabajos;
    std::vector<std::int64_t> sigues; // the steps done at each report
    int terminados = 0;
};

} // namespace dravek::pruebas
