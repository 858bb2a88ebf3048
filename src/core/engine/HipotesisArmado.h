#pragma once

// Design hypotheses of a reinforced-concrete pipe: each combines the elementary load cases of the
// ring analysis and, in four of them, the ring tension of an internal pressure, into the design
// moment (t.m/m) and axial force (t/m, tension positive) at crown, haunch and invert.

#include "core/engine/mdOvaliz.h"
#include "core/model/EstadoObra.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace dravek {

// Fixed order: the design works through them 1 to 5 and reports the governing one by number.
enum class HipotesisArmado : std::int16_t {
    HipotesisPPNeta = 1, // factory test pressure PP alone, no external load (texts 541, 599)
    HipotesisVacio = 2,  // empty pipe under earth and live load (texts 542, 600)
    HipotesisSTP = 3,    // system test pressure, pipe full, under 1 m of fill (texts 543, 601)
    HipotesisDP = 4,     // design pressure, pipe full, earth and live load (texts 544, 602)
    HipotesisMDP = 5,    // maximum design pressure, pipe full, earth load only (texts 545, 603)
};

inline constexpr std::int16_t NumeroHipotesisArmado = 5;
// Rows of the callers' force tables; rows above NumeroHipotesisArmado belong to the caller.
inline constexpr std::int16_t FilasTablaHipotesis = 8;

constexpr std::size_t indice(HipotesisArmado hipotesis)
{
    return static_cast<std::size_t>(static_cast<std::int16_t>(hipotesis));
}

// One row per hypothesis (1 to 8), one value per section (1 to 3); position 0 of both unused.
using TablaHipotesis = std::array<EsfuerzosSeccion, FilasTablaHipotesis + 1>;

enum class ErrorHipotesis : std::int16_t {
    Ninguno = 0,
    ResultadoNoFinito, // R, a pressure or a load case used was not finite, or a sum overflowed
};

// Rows 1 to 5 of M (t.m/m) and N (t/m) from estado.resultados.MomentosCaso/AxilesCaso and the
// case pressures PPNeta, STP, DP, MDP (at) of estado.caso; R is the inner radius in m. Every
// other element of M and N is left as it was. On an error rows 1 to 5 are all 0.
[[nodiscard]] ErrorHipotesis CombinaHipotesis(const EstadoObra &estado, TablaHipotesis &M,
                                              TablaHipotesis &N, double R);

} // namespace dravek
