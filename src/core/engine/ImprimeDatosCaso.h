#pragma once

// Heading of one calculation case in the screen listing and the Pantalla printed listing: the
// pipe (kind, cylinder, inner diameter, wall and covers), the cradle and the installation, the
// fill height, the internal pressure and the live load; for a reinforced-concrete run, then the
// moment and axial force of each design hypothesis at crown, haunch and invert.

#include "core/engine/ContextoCalculo.h"
#include "core/engine/HipotesisArmado.h"
#include "core/listing/CamposTexto.h"

#include <array>

namespace dravek {

// The label tables of the heading, each text padded with its own trailing blanks to the width
// of its field.
inline constexpr CampoTextos CampoTipoTubo{594, 2, 19};
inline constexpr CampoTextos CampoCamisa{596, 3, 16};
inline constexpr CampoTextos CampoHipotesis{599, 5, 26};
inline constexpr CampoTextos CampoCargaMovil{604, 5, 21};
inline constexpr CampoTextos CampoCuna{609, 4, 13};
inline constexpr CampoTextos CampoColocacion{613, 5, 41};
inline constexpr std::array CamposDatosCaso{CampoTipoTubo,   CampoCamisa, CampoHipotesis,
                                            CampoCargaMovil, CampoCuna,   CampoColocacion};

// One call per case, once AlturaActual, DP, the case pressures and the ring analysis of the case
// are set. Reads the run in calculation units (vDi, ESP, RECI, RECE in m). The Normal and
// Tabular printed listings get nothing from it, but a reinforced-concrete run still has its
// hypothesis forces combined, and a fault there is reported whatever the listing.
//
// Error: the hypothesis forces came out not finite. The heading has then been written and the
// message stands in the listing in place of the forces table (on every listing kind); the
// caller stops the calculation and need not write the message again.
[[nodiscard]] ErrorCalculo ImprimeDatosCaso(ContextoCalculo &contexto);

// The same for a reinforced-concrete case whose design has already combined its hypothesis
// forces, without a fault: M and N (rows 1 to 5) are listed as they are, not combined again.
[[nodiscard]] ErrorCalculo ImprimeDatosCaso(ContextoCalculo &contexto, const TablaHipotesis &M,
                                            const TablaHipotesis &N);

} // namespace dravek
