#pragma once

// The six design hypotheses of a post-tensioned pipe and the small formulas of its design:
// turns of wire per metre, force of one wire, clear gap between turns, moduli and tensile
// strengths of concrete, the wire table and its force ranges. Calculation units: kp/cm2, t,
// cm (wire diameters in mm where the argument says so).

#include "core/engine/mdOvaliz.h"
#include "core/model/EstadoObra.h"
#include "core/model/EstadoPostesado.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace dravek {

// Always taken in this order; the names are texts 888 to 893.
enum class HipotesisPostesado : std::int16_t {
    HipotesisDPCargasFijas = 1,           // DP, fixed loads
    HipotesisMDPCargasFijas = 2,          // MDP + 0.1 MPa, fixed loads
    HipotesisDPCargasMoviles = 3,         // DP, fixed and live loads
    HipotesisMDPPesoPropioAgua = 4,       // MDP, self weight and water: the factory test pressure
    HipotesisSTPUnMetroTierras = 5,       // STP, 1 m of fill
    HipotesisCargasMovilesSinPresion = 6, // fixed and live loads, no pressure
};

constexpr std::size_t indice(HipotesisPostesado hipotesis)
{
    return static_cast<std::size_t>(static_cast<std::int16_t>(hipotesis));
}

// Text number of the hypothesis' name (32 characters in Spanish).
constexpr std::int32_t TextoHipotesisPostesado(HipotesisPostesado hipotesis)
{
    return 887 + static_cast<std::int16_t>(hipotesis);
}

// Rows 1 to 6 by hypothesis, one value per section; position 0 of both unused.
using TablaHipotesisPostesado = std::array<EsfuerzosSeccion, NumeroHipotesisPostesado + 1>;

// Moments (t.m/m) and axial forces (t/m) of every hypothesis at every section, summed from
// estado.resultados.MomentosCaso and AxilesCaso; every row 1..6 x section 1..3 is written.
void CargaHipotesis(const EstadoObra &estado, TablaHipotesisPostesado &MomentosHipotesisPostesado,
                    TablaHipotesisPostesado &AxilesHipotesisPostesado);

// Internal pressure the hypothesis is checked under, kp/cm2.
double PresionHipotesisPostesado(HipotesisPostesado hipotesis, double DP, double MDP, double STP);

// Stress the core faces may reach under the hypothesis, kp/cm2: -5 keeps 5 kp/cm2 of
// compression, 0 allows no tension, FctkPrimario allows tension up to the core's strength.
double LimiteTensionPrimario(HipotesisPostesado hipotesis, double FctkPrimario);

// Turns per metre of a wire of diametro mm at a clear gap of separacion cm; not rounded.
double EspirasPorMetro(double diametro, double separacion);

// Force in t of one wire of diametro mm stressed to 0.6 of its ultimate stress (kp/cm2).
double FuerzaAlambre(double diametro, double pi, double tensionRotura);

// Clear gap in cm between the turns of a wire of diametro cm at espiras turns per metre.
double SeparacionAlambres(double diametro, double espiras);

// The first of the largest; the first of the smallest.
double Maximo3(double a, double b, double c);
double Minimo4(double a, double b, double c, double d);

// Elastic modulus of a concrete of characteristic strength fck, both kp/cm2.
double ModuloElasticidadHormigon(double fck);

// Characteristic tensile strength of a concrete of strength fck, both kp/cm2.
double ResistenciaTraccionHormigon(double fck);

// The wire table (4, 5, 6, 7 mm) with its clear gaps, the narrow widest gaps of the 6 and 7 mm
// wires for typology 2221, and the contiguous ring-force ranges of the four wires.
void PreparaTablaAlambres(std::int16_t Tipologia, double SFck, DatosPostesado &datos);

// The values derived once per case from the run's geometry (radii and Delca in cm), its
// materials in calculation units and the case pressures.
DatosPostesado PreparaDatosPostesado(const EstadoObra &estado, std::int16_t FijaPresionPrimario,
                                     double CoefPresionPrimario);

} // namespace dravek
