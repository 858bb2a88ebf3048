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
        if (tambien) {
            tambien->Empieza(texto, cancelar, total);
        }
    }
    bool Sigue(std::int64_t hechos) override
    {
        sigues.push_back(hechos);
        if ((detenerEn && hechos >= *detenerEn) ||
            (detenerEnAviso && sigues.size() >= *detenerEnAviso)) {
            detenido = true;
        }
        // The other progress's Cancel stops this job only.
        const bool sigueTambien = tambien == nullptr || tambien->Sigue(hechos);
        return !detenido && sigueTambien;
    }
    void Termina() override
    {
        ++terminados;
        if (tambien) {
            tambien->Termina();
        }
    }

    // A progress the job is told of as well, such as a window test's real dialog; its Cancel
    // stops the job too.
    Progreso *tambien = nullptr;
    std::optional<std::int64_t> detenerEn;
    std::optional<std::size_t> detenerEnAviso;
    bool detenido = false;
    std::vector<Trabajo> trabajos;
    std::vector<std::int64_t> sigues; // the steps done at each report
    int terminados = 0;
};

} // namespace dravek::pruebas
