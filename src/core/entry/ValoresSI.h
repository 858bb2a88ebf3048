#pragma once

// The SI copies of the unit-dependent boxes, filled from the boxes just before a save so that
// the project file holds every such value in both systems, and the screen's system put back
// just after it.

#include "core/model/EstadoObra.h"

#include <optional>
#include <string>
#include <string_view>

namespace dravek {

class CapturaDatos;

// The number in a box's text: an empty text is 0; nothing when the text is not a number as the
// key filter writes them.
std::optional<double> ValorNumerico(const EstadoEjecucion &ejecucion, const std::string &texto);

// Reads the five project pressures (LeePresionesSI) or the eighteen run values (LeeDatosSI)
// from their boxes into the working variables, in MKS, and their SI copies. esSI: the boxes
// show SI. Returns the name of the first box whose text is not a number, and then changes
// nothing; an empty name when all were read.
std::string LeePresionesSI(CapturaDatos &ventana, bool esSI);
std::string LeeDatosSI(CapturaDatos &ventana, bool esSI);

// When SistemaUnidades is SI, the working variables take their SI copies back.
void RestauraPresionesSI(EstadoObra &estado);
void RestauraDatosSI(EstadoObra &estado);

} // namespace dravek
