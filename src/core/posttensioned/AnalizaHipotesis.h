#pragma once

// Section analysis of a post-tensioned pipe under one hypothesis: the homogenised ring of core,
// steel cylinder, wire and coating, its Lame coefficients, the prestress losses, the stresses
// at the four faces (inner and outer core, inner and outer coating) and the pressure the ring
// can carry; turns, and then thicker wires, are added until the hypothesis passes.

#include "core/model/EstadoObra.h"
#include "core/model/EstadoPostesado.h"
#include "core/posttensioned/FallosPostesado.h"

#include <cstdint>

namespace dravek {

// Turns tried in one analysis before it gives up with text 800. The four wires go from their
// widest to their narrowest gap in well under 400 turns; only data that can never pass (a
// narrowest gap no wire reaches) runs into this.
inline constexpr int MaximoVueltasAnalisis = 1000;

// Texts of the data the section cannot be computed with (EstadoDiseno 93), in the style of the
// design's other failure texts.
inline constexpr std::int32_t TextoRadiosNoValidos = 1104;
inline constexpr std::int32_t TextoDatosNoValidos = 1101;

enum class FinAnalisis : std::int16_t {
    Aceptada,    // passes with the wire left in FIPR, NESP; its stresses are in aceptada
    Rechazada,   // the hypothesis fails (EstadoDiseno 5, 6, 9 to 12): the design goes on
    CasoAnulado, // the data cannot be analysed (EstadoDiseno 93, text written): the case ends
};

// Analyses hypothesis estado.postesado.NumeroHipotesis in pass NumeroPasada with the moments
// and axial forces of MomentoHipotesis and AxilHipotesis, starting from the wire in FIPR, NESP,
// IndiceAlambre and estado.postesado.datos. Sets estado.resultados.EstadoDiseno only on a
// failure or from the checks; failures go to fallos with the case number.
[[nodiscard]] FinAnalisis AnalizaHipotesis(EstadoObra &estado, EscritorFallosPostesado &fallos,
                                           std::int32_t numeroCaso);

} // namespace dravek
