#pragma once

// What the section routines of the reinforced-concrete design share: the check of the run's
// values they divide by, and the listing of their warnings.

#include "core/engine/ContextoCalculo.h"

#include <string>

namespace dravek {

// A warning of the section design that lets the design go on (texts 660, 661, 662): on the
// screen and the Pantalla listing at every call, on the Normal listing in the final pass only,
// never on the Tabular listing.
void AvisoSeccion(ContextoCalculo &contexto, const std::string &texto);

// The design strength of the steel, which the pressure steel divides by: positive, or the
// calculation ends with its caption and "Valor incorrecto" in the listing (FalloArmado).
[[nodiscard]] ErrorCalculo CompruebaFyd(ContextoCalculo &contexto);

// What the bending and tension routines divide by besides the wall: the concrete and steel
// strengths FCK, Fyk, Fyd and the partial factors GamaB and GamaF positive. Validation should
// have refused anything else; when it did not, the calculation ends here with the caption of
// the first faulty value and "Valor incorrecto".
[[nodiscard]] ErrorCalculo CompruebaMaterialesSeccion(ContextoCalculo &contexto);

} // namespace dravek
