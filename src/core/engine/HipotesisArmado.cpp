#include "core/engine/HipotesisArmado.h"

#include <cmath>
#include <initializer_list>

namespace dravek {

namespace {

// at (kp/cm2) to t/m2.
constexpr double AtATm2 = 10.0;

} // namespace

ErrorHipotesis CombinaHipotesis(const EstadoObra &estado, TablaHipotesis &M, TablaHipotesis &N,
                                double R)
{
    using enum CasoCarga;
    const TablaEsfuerzos &Mc = estado.resultados.MomentosCaso;
    const TablaEsfuerzos &Nc = estado.resultados.AxilesCaso;
    // Ring tension of an internal pressure, t/m: the same at every section and with no moment.
    const auto T = [R](double p) { return R * (p * AtATm2); };

    const std::size_t pp = indice(HipotesisArmado::HipotesisPPNeta);
    const std::size_t vacio = indice(HipotesisArmado::HipotesisVacio);
    const std::size_t stp = indice(HipotesisArmado::HipotesisSTP);
    const std::size_t dp = indice(HipotesisArmado::HipotesisDP);
    const std::size_t mdp = indice(HipotesisArmado::HipotesisMDP);

    for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
        M[pp][s] = 0;
        N[pp][s] = T(estado.caso.PPNeta);

        M[vacio][s] = SumaCasos(Mc, {CasoTierras, CasoPesoPropio, CasoMovil}, s);
        N[vacio][s] = SumaCasos(Nc, {CasoTierras, CasoPesoPropio, CasoMovil}, s);

        M[stp][s] = SumaCasos(Mc, {CasoPesoFluido, CasoPesoPropio, CasoTierrasUnMetro}, s);
        N[stp][s] = T(estado.caso.STP) +
                    SumaCasos(Nc, {CasoPesoFluido, CasoPesoPropio, CasoTierrasUnMetro}, s);

        M[dp][s] = SumaCasos(Mc, {CasoPesoFluido, CasoPesoPropio, CasoTierras, CasoMovil}, s);
        N[dp][s] = T(estado.caso.DP) +
                   SumaCasos(Nc, {CasoPesoFluido, CasoPesoPropio, CasoTierras, CasoMovil}, s);

        const auto casosMDP = {CasoPesoFluido, CasoPesoPropio, CasoVerticalPura, CasoTimpanos,
                               CasoEmpujeSinMovil};
        M[mdp][s] = SumaCasos(Mc, casosMDP, s);
        N[mdp][s] = T(estado.caso.MDP) + SumaCasos(Nc, casosMDP, s);
    }

    // A NaN or infinity here would pass silently through the whole reinforcement design.
    bool finito = true;
    for (std::size_t h = 1; h <= NumeroHipotesisArmado; ++h) {
        for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
            finito = finito && std::isfinite(M[h][s]) && std::isfinite(N[h][s]);
        }
    }
    if (finito) {
        return ErrorHipotesis::Ninguno;
    }
    for (std::size_t h = 1; h <= NumeroHipotesisArmado; ++h) {
        for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
            M[h][s] = 0;
            N[h][s] = 0;
        }
    }
    return ErrorHipotesis::ResultadoNoFinito;
}

} // namespace dravek
