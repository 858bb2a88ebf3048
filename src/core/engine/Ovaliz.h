#pragma once

// Ring analysis of one calculation case: the twelve elementary load cases into MomentosCaso and
// AxilesCaso, their debug lines, and on the printed Normal listing the heading of the ring
// analysis and the table of load cases once per fill height.

#include "core/engine/ContextoCalculo.h"
#include "core/engine/mdOvaliz.h"
#include "core/listing/CamposTexto.h"

#include <array>
#include <cstdint>

namespace dravek {

// Fields of the Normal listing's ring analysis: the cradle word before its angle in the
// heading, the name of a load case after "HIPOTESIS" (cases 1 to 7, then 8 to 11), and the
// section names before the moment column.
inline constexpr CampoTextos CampoCunaAnillo{641, 3, 8};
inline constexpr CampoTextos CampoCasosCarga{644, 7, 60};
inline constexpr CampoTextos CampoCasosCargaAnadidos{1070, 4, 60};
inline constexpr CampoTextos CampoSeccionAnillo{651, 3, 8};
inline constexpr std::array CamposAnillo{CampoCunaAnillo, CampoCasosCarga, CampoCasosCargaAnadidos,
                                         CampoSeccionAnillo};

// vLANDA: lateral earth-pressure coefficient of the current fill height; vICASO: number of the
// case within its fill height. The other data of the analysis are the project-wide variables
// the case loop has set, read from contexto.estado: vDi, vDE (m), vGAMAB, vGAMAT (t/m3), vQ,
// vQH (t/m2), vICUNA (analysis code 1 to 4), TIGEN, ITIT, and for the earth load of 1 m of fill
// vQUnMetro, vQHUnMetro, CargaMovilUnMetro. None of them is changed.
// On data the ring analysis cannot take, both arrays are left all 0, the error is written to
// the listing and returned.
[[nodiscard]] ErrorCalculo Ovaliz(ContextoCalculo &contexto, double vLANDA, std::int32_t vICASO);

// Table of the load cases on the Normal listing at a new fill height: cases 1, 2, 8 and 11,
// a new page, cases 4, 5, 10 and 9. Nothing elsewhere.
void ImprimeEsfuerzos(ContextoCalculo &contexto, std::int32_t numeroCaso);

// One load case of that table: its name and its moment and axial force at the three sections.
void ImprimeCasoCarga(ContextoCalculo &contexto, CasoCarga k);

} // namespace dravek
