#pragma once

// Factory test pressure of a post-tensioned case and the two material checks of an accepted
// hypothesis. Stresses and pressures in kp/cm2, tension positive, compression negative.

#include "core/model/EstadoObra.h"
#include "core/model/EstadoPostesado.h"
#include "core/posttensioned/FallosPostesado.h"
#include "core/posttensioned/mdPreten.h"

#include <cstdint>

namespace dravek {

// Why no factory test pressure could be set.
enum class FalloPresionPrueba : std::int16_t {
    Ninguno = 0,
    SinHipotesis4, // the state given is not that of an accepted hypothesis 4 (or not with the
                   // fixed wire)
    SinLimite,     // no face limits the pressure: the 99999 left when MDP stresses nothing
    Negativa,      // a face is beyond its test limit before any pressure
};

// Texts of those failures (EstadoDiseno 92), in the style of the design's other failure texts.
inline constexpr std::int32_t TextoPresionPruebaNoDeterminada = 1100;
inline constexpr std::int32_t TextoPresionPruebaSinLimite = 1102;
inline constexpr std::int32_t TextoPresionPruebaNegativa = 1103;
std::int32_t TextoFalloPresionPrueba(FalloPresionPrueba fallo);

struct PresionPruebaPostesado {
    double PP = 0; // kp/cm2; 0 on a failure
    FalloPresionPrueba fallo = FalloPresionPrueba::Ninguno;
};

// Internal pressure at which a face reaches limite: (limite - tensionSinPresion) scaled by the
// face's stress per unit pressure, tensionPresion / MDP; 999999 when the pressure does not
// stress the face.
double PresionAdmisible(double tensionPresion, double tensionSinPresion, double limite,
                        double MDP);

// The smallest internal pressure at which a face of the pipe, at any section, reaches its test
// limit (-5 at the core, FctkRevestimiento / 1.5 at the coating) under the stress state that
// hypothesis 4 (pressure MDP) was accepted with.
[[nodiscard]] PresionPruebaPostesado
CalculaPPPostesado(const TensionesHipotesisPostesado &hipotesis4, double MDP,
                   double FctkRevestimiento);

// The case's PP from estado.postesado.aceptada, which must hold hypothesis 4 accepted with the
// fixed wire (FIPRDEFI, NESPDEFI) in this case's rerun of it. On a failure PP = 0, EstadoDiseno
// = CodigoPostesado::PresionPruebaNoValida, the text is kept in estado.postesado.FalloPP (for
// the listings to show in place of PP) and goes to the failure writer with hypothesis 4 and
// pass 0, so that every listing shows it. Returns true when PP was set.
[[nodiscard]] bool FijaPPPostesado(EstadoObra &estado, EscritorFallosPostesado &fallos,
                                   std::int32_t numeroCaso);

// Steel cylinder stress check: 0 when it passes.
std::int16_t CompruebaTensionChapa(const ValoresSeccion &TensionTotalExtPrimario,
                                   const ValoresSeccion &TensionTotalIntPrimario,
                                   double RelacionModulosChapa);

// Concrete compression of hypothesis 6 against 0.6 fck (Fckn at the core, Fckr at the coating):
// the code of the first face that fails (CodigoPostesado 9 to 12), 0 when none does and always
// for hypotheses 1 to 5.
std::int16_t CompruebaTensionHormigon(const ValoresSeccion &TensionTotalIntPrimario,
                                      const ValoresSeccion &TensionTotalExtPrimario,
                                      const ValoresSeccion &TensionTotalIntRevestimiento,
                                      const ValoresSeccion &TensionTotalExtRevestimiento,
                                      HipotesisPostesado hipotesis, double Fckn, double Fckr);

} // namespace dravek
