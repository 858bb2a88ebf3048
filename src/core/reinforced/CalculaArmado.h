#pragma once

// Reinforced-concrete design of one calculation case: the reinforcement that each of the five
// design hypotheses needs, the governing one (the largest total), a stored override of the case
// in its place, and the listing of all of it as it goes.

#include "core/engine/ContextoCalculo.h"
#include "core/engine/HipotesisArmado.h"
#include "core/reinforced/TraccionCompuesta.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace dravek {

// Called by the case loop once the ring analysis of the case has filled MomentosCaso and
// AxilesCaso; the run is in calculation units (ESP, RECI, RECE, vDi in m). numeroCaso only
// goes to the page headers. The case's listing is complete when it returns.
//
// Leaves for the adjustment window HipotesisPesima, MomentosPesimos, AxilesPesimos,
// ResultadosHipotesis and ArmaduraCalculadaCamisa, -Refuerzo, -Exterior; the bar layout
// (CAMISA, FIIN, NESPIN, FIEX, NEXPEX) is the governing hypothesis's own, whatever case came
// before. EstadoDiseno: 0 accepted, 1 wall too thin (the case ends without results),
// 2 steel ratio above its maximum, 4 a section refused by the limit moment in any hypothesis.
//
// Error, its message already in the listing: forces that are not finite, a value that
// validation should have refused, a section design that stopped, or an overrides file that
// cannot be read.
[[nodiscard]] ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso);

// The combined-tension solutions of each hypothesis of a case (RegistroTraccion), indexed by
// hypothesis from 1.
using RegistrosTraccion = std::array<RegistroTraccion, NumeroHipotesisArmado + 1>;

// The combined-tension records of the cases of a run, one set for each pressure of a fill
// height, kept for the same pressure at the next height: the test pressure under a metre of
// fill does not depend on the fill, so that hypothesis asks there the same questions again.
// Kept from one case to the next, so that their memory is asked for once a run.
class RegistrosTraccionTramo {
public:
    // The records of the case numeroCaso (from 1) of its height. When the run's wall or
    // materials are not those the records were made with, every record is emptied first: an
    // answer is only the same for the same ones.
    RegistrosTraccion &DelCaso(const EstadoObra &estado, std::int32_t numeroCaso);

private:
    // Pressures of a height beyond this share the sets of the first ones: their records are
    // replayed less often, never wrongly.
    static constexpr std::size_t MaximoCasosGuardados = 1024;
    // ESP, RECI, RECE, FCK, Fyk, Fyd, GamaB and GamaY to the bit.
    using Firma = std::array<std::uint64_t, 8>;

    std::vector<RegistrosTraccion> m_casos;
    Firma m_firma{};
};

// The same, its combined-tension solutions recorded in registros, which a caller keeps from one
// case to the next; the sweep of the hypotheses replays them as far as it asks the same.
[[nodiscard]] ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                                         RegistrosTraccionTramo &registros);

} // namespace dravek
