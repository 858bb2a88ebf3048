#pragma once

// The two ways the reinforced-concrete design writes a warning or a fault of a case in every
// listing kind. They differ only in whether the Normal listing takes the line in any pass of the
// design or in its final pass alone (the sweep of the hypotheses would otherwise repeat it).

#include "core/engine/ContextoCalculo.h"

#include <cstdint>
#include <string>

namespace dravek {

// When the Normal listing takes the line.
enum class PasadaNormal : std::int8_t {
    Cualquiera, // in any pass: the case stops here, or the line must never be missed
    Definitiva, // in the final pass only (PasadaDefinitiva)
};

// Whether the Normal listing takes a line of this pass.
bool EscribeEnNormal(const EstadoObra &estado, PasadaNormal pasada);

// "  ** texto **" on the screen; on the Normal listing a blank line, the text after 10 blanks and
// two blank lines; on the Pantalla listing under the case heading (2 lines) a blank line and the
// text in bold after 9 blanks; nothing on the Tabular listing.
void ListaAvisoCaso(ContextoCalculo &contexto, const std::string &texto, PasadaNormal pasada);

// "  texto" on the screen; on the Normal and the Pantalla listings (this one under the case
// heading, 3 lines) a blank line, the text in bold after 10 blanks and a blank line; nothing on
// the Tabular listing.
void ListaAvisoResaltado(ContextoCalculo &contexto, const std::string &texto, PasadaNormal pasada);

} // namespace dravek
