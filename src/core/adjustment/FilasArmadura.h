#pragma once

// The rows 1 to 7 of the adjustment window: a trial value worked out from the three sections'
// necessary reinforcement, the entries of the table of reinforcement areas around it, which of
// them are admissible, and the exterior steel each admissible row needs.

#include "core/adjustment/ArmaduraNecesaria.h"
#include "core/model/EstadoObra.h"

#include <array>
#include <cstdint>

namespace dravek {

// The least admissible interior area, cm2/m, before the sections raise it.
inline constexpr double ArmaduraInteriorMinima = 15.0;

// Rows indexed 1 to 7 as the window numbers them; index 0 unused.
struct FilasTanteo {
    std::array<double, 8> V{};         // interior value, cm2/m; 0 for an inadmissible row
    std::array<double, 8> E{};         // exterior need, cm2/m
    std::array<bool, 8> Admisible{};   // the row's Tag: 1 admissible, 0 not
    std::array<bool, 8> EsTanteo{};    // the trial row
    double X = ArmaduraInteriorMinima; // least admissible interior area
    double T = 0;                      // trial value
    // A section's necessary area had no value (zero axial force, zero divisors): the trial
    // value is then the least admissible area and that section adds no exterior need.
    bool TanteoIncompleto = false;
};

// Lays the trial value T on row FilaValorMedio (1 to 7) and the table entries around it; an
// entry outside the table or below X leaves its row inadmissible with 0.
void DisponeFilasTabla(FilasTanteo &filas, std::int16_t FilaValorMedio,
                       const TablasPredeterminadas &tablas);

// The whole filling of rows 1 to 7 for the case's governing forces, in calculation units.
FilasTanteo CalculaFilasTanteo(const EstadoObra &estado,
                               const RecubrimientosComprobacion &recubrimientos,
                               std::int16_t FilaValorMedio);

} // namespace dravek
