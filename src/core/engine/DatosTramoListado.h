#pragma once

// The run data report that opens the listing of a run: materials, pipe, cradle, installation,
// fill and the loads of the design hypotheses on the Normal printed listing, the run's block on
// the Tabular one. In every listing it also leaves the per-run values the calculation uses.

#include "core/engine/ContextoCalculo.h"
#include "core/listing/CamposTexto.h"

#include <array>
#include <cstdint>
#include <string>

namespace dravek {

// Left edges of the pictures of the report on the page, mm from the printable area's edge. Each
// picture is painted at its own size (its file's resolution), so the files must fit: the pipe
// section to the right edge, the cradle before the installation picture beside it.
inline constexpr double XFiguraTubo = 138.0;
inline constexpr double XFiguraCuna = 17.0;
inline constexpr double XFiguraColocacion = 81.0;

// Fields of the report, in characters. Texts of the table shown alone in a field:
inline constexpr CampoTextos CampoNivelControl{113, 2, 14};      // Normal: control level
inline constexpr CampoTextos CampoGolpeAriete{1084, 2, 15};      // Normal: water hammer state
inline constexpr CampoTextos CampoCargaMovilTabular{121, 5, 15}; // Tabular: live load
inline constexpr std::array CamposDatosTramo{CampoNivelControl, CampoGolpeAriete,
                                             CampoCargaMovilTabular};
// Label tables that join texts with a value or with each other (estado.etiquetas and the
// pipe-kind text):
inline constexpr int AnchoTipoTubo = 53;          // TextoTipoTubo
inline constexpr int AnchoColocacion = 41;        // NombresColocacion on the Normal report
inline constexpr int AnchoColocacionTabular = 38; // the same in the Tabular run line
inline constexpr int AnchoNombreRelleno = 37;     // NombresRelleno: soil, blank, its K mu'
inline constexpr int AnchoAsentamiento = 31;      // NombresAsentamiento: ratio, soil
// Only the first characters of a cradle name stand before its angle (NombresCuna).
inline constexpr int CaracteresNombreCuna = 8;

// The pipe kind of a typology in the interface language ("hormigón armado con camisa"); empty
// for a typology the program does not know.
std::string TextoTipoTubo(std::int32_t DesplazamientoIdioma, std::int16_t Tipologia);

// The label tables of the report and the load table, in the interface language, into
// estado.etiquetas; built at the start of every run calculation.
void ConstruyeEtiquetas(EstadoObra &estado);

// Acts only in the first case of the run (PrimerCaso), right after the case title. In every
// listing, the screen included, it sets TextoTipoCamisa, the loads of 1 m of fill for load case
// 8, and, after the load table (computed loads; not on the Tabular and Pantalla printed kinds),
// the loads of the first fill height again. CoeficienteImpacto is the one the Marston routine
// gave for the current fill height. The printer's own error 482 while painting a picture skips
// that picture; any other number ends the printed listing with the returned error. A
// post-tensioned run's report ends with its characteristics listing.
ErrorCalculo ListaDatosTramo(ContextoCalculo &contexto, double CoeficienteImpacto);

} // namespace dravek
