#pragma once

// Listings of a post-tensioned case and run: the report of an accepted hypothesis, its head
// lines and its force table, the summary of a case, the row of the Tabular listing and the
// characteristics page of a run. They read the design state (estado.postesado, case pressures,
// MensajeFallo) in calculation units and write nothing of the design; the unit system only
// chooses the conversion and the unit texts. None of them can fail.

#include "core/engine/ContextoCalculo.h"
#include "core/listing/CamposTexto.h"

#include <array>
#include <cstdint>

namespace dravek {

// The hypothesis names (texts 888 to 893, in the order of HipotesisPostesado) in the force
// table of the Pantalla listing, and the cylinder word (TextoTipoCamisa: text 350, 351 or a
// blank) at the end of the materials row of the Tabular listing.
inline constexpr CampoTextos CampoHipotesisPostesado{888, 6, 26};
inline constexpr CampoTextos CampoTipoCamisa{350, 2, 10};
inline constexpr std::array CamposListadoPostesado{CampoHipotesisPostesado, CampoTipoCamisa};

// Head lines of a hypothesis on the Normal printed listing: PP and STP, the wire and its turns
// per metre, and, for h 1 to 6, the number and name of the hypothesis (h 0: no hypothesis
// line). Nothing on any other listing.
void ListaHipotesis(ContextoCalculo &contexto, std::int16_t h);

// Report of the accepted hypothesis estado.postesado.NumeroHipotesis: on the Normal printed
// listing a page of its own (and the Lame page when ListadoLame), on the screen and the
// Pantalla listing its force table alone. numeroCaso goes to the page headers.
void ListaInformeHipotesis(ContextoCalculo &contexto, std::int32_t numeroCaso);

// Ring moment and axial force of the hypothesis at crown, haunch and invert, on the screen and
// the Pantalla listing (heading above hypothesis 1 only there).
void ListaEsfuerzosHipotesis(ContextoCalculo &contexto);

// Wire, turns per metre and PP of the case, on the screen and the Pantalla listing.
void ListaResumenPostesado(ContextoCalculo &contexto);

// Row of the case in the Tabular listing, under the run's materials header and the table
// heading written at the run's first case (PrimerCaso, cleared here) and at every new page.
void ListaFilaTabularPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso);

// Characteristics page of the run on the Normal printed listing: geometry in mm and the
// materials, from the run's own data (it comes before the run's first design).
void ListaCaracteristicasPostesado(ContextoCalculo &contexto);

} // namespace dravek
