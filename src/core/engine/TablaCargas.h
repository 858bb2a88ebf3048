#pragma once

// Loads of a fill height for the ring analysis, and the load table of a run whose loads are
// computed by Marston's theory. Calculation units: heights in m, loads in t/m2 once divided by
// the outer diameter vDE.

#include "core/engine/ContextoCalculo.h"
#include "core/engine/mdMarston.h"
#include "core/listing/CamposTexto.h"
#include "core/model/LimitesFisicos.h"

#include <cstdint>
#include <string>

namespace dravek {

// The live load's name (NombresCargaMovil: texts 121 to 125) on the load table's first line.
inline constexpr CampoTextos CampoCargaMovilTabla{121, 5, 21};

// The listing text of a load that could not be computed at fill height altura (m): which datum
// is wrong and its value, in the interface language.
std::string MensajeErrorCargas(const EstadoObra &estado, ErrorMarston error, double altura);

// Marston loads of one fill height with the run's installation data into the case loads vQ,
// vQH, CargaMovil and CargaNoAdoptada (t/m2, divided by vDE), TerraplenAdoptado and
// DistanciaTerrenoNatural; CoeficienteImpacto receives the live load's impact coefficient.
// The case loads before the call are the routine's previous loads, handed over in t/m (times
// vDE): a load the routine does not compute for the installation comes back as it was. On an
// error nothing is changed and the routine's error is returned for the caller to report.
// Shared by the case loop, the run data report and the load table.
[[nodiscard]] ErrorMarston CargasMarstonAltura(EstadoObra &estado, double altura,
                                               std::int16_t TipoCargaMovil,
                                               double &CoeficienteImpacto);

// CargasMarstonAltura for the run data report and the load table: on failure the message of
// MensajeErrorCargas is written to the listing and returned.
ErrorCalculo CalculaCargasAltura(ContextoCalculo &contexto, double altura,
                                 std::int16_t TipoCargaMovil, double &CoeficienteImpacto);

// The loads of 1 m of fill without live load into vQUnMetro, vQHUnMetro, CargaMovilUnMetro and
// CargaNoAdoptadaUnMetro (t/m2), for load case 8; the four case loads are left as they were.
ErrorCalculo CalculaCargasUnMetro(ContextoCalculo &contexto);

// On the Normal printed listing, the load table: 1 m of fill without live load, then every fill
// height of the run, each as pressure and load per metre (kN in SI). Its first row leaves the
// loads of 1 m of fill; the case loads then hold the last row's, so the caller computes those of
// its own height again. Any other listing gets no line, only the loads of 1 m of fill.
// CoeficienteImpacto is the one of the run's first fill height, shown in the heading. The range
// rows are FilasMaximasTablaCargas at most: as many heights as the physical bounds allow.
inline constexpr int FilasMaximasTablaCargas =
    static_cast<int>(Limite(Magnitud::AlturaRelleno).maximo /
                     Limite(Magnitud::PasoAltura).minimo) +
    1;
ErrorCalculo ListaCargas(ContextoCalculo &contexto, double CoeficienteImpacto);

} // namespace dravek
