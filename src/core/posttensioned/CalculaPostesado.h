#pragma once

// Design of the prestressing wire of a post-tensioned pipe for one calculation case, and its
// listing: the starting wire from the ring tension of DP, a search pass over the six hypotheses
// that adds turns (and thicker wires) until each passes, the wire so fixed, the factory test
// pressure from hypothesis 4 with that wire, and a listing pass over the six hypotheses with it.

#include "core/engine/ContextoCalculo.h"
#include "core/posttensioned/AnalizaHipotesis.h"
#include "core/posttensioned/FallosPostesado.h"

#include <cstdint>
#include <functional>

namespace dravek {

// The section analysis the design runs on each hypothesis (AnalizaHipotesis in the program).
using AnalisisHipotesisPostesado =
    std::function<FinAnalisis(EstadoObra &, EscritorFallosPostesado &, std::int32_t)>;

// Designs and lists the case set by the case loop: case pressures, MomentosCaso and AxilesCaso,
// the four radii in cm and the run in calculation units. Each call starts from scratch, so the
// result of a case does not depend on the cases before it. Leaves the wire in
// estado.postesado (FIPR, NESP, FIPRDEFI, NESPDEFI), PP, EstadoDiseno and MensajeFallo. The
// run's own values (Epsc, Epsr, Delca) are never changed.
//
// Every failure of the design is written to the listing and ends at most the case. The one
// error returned is that of the case heading (forces not finite), already written there.
[[nodiscard]] ErrorCalculo CalculaPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                                            std::int16_t FijaPresionPrimario,
                                            double CoefPresionPrimario);

// The same with the section analysis given, so that a test can make the listing pass meet a
// wire that no longer passes.
[[nodiscard]] ErrorCalculo CalculaPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                                            std::int16_t FijaPresionPrimario,
                                            double CoefPresionPrimario,
                                            const AnalisisHipotesisPostesado &analiza);

} // namespace dravek
