#pragma once

// Generous physical bounds of the quantities a pipe run is calculated from: far wider than any
// real pipe, so that no sensible run is refused, but narrow enough that a value typed or stored
// by mistake (1e-300, 1e15) is refused instead of being calculated into overflows or listed as
// a field of asterisks. One table, shared by the check before a calculation and by the run
// validation.
//
// Units are those of the data-entry window in MKS, which are the calculation units for
// pressures, stresses and loads: lengths in m, wall and covers in cm, steel sheet in mm,
// pressures in at (kp/cm2), strengths, stresses and moduli in kp/cm2, unit weights in t/m3,
// angles in degrees, the total vertical load in t/m2. An SI value is converted first
// (FactorTensiones, FactorCargas).

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace dravek {

enum class Magnitud : std::int16_t {
    DiametroTubo,         // m, inner and outer diameter
    EspesorPared,         // cm, wall thickness
    Recubrimiento,        // cm, inner and outer cover (below the wall thickness as well)
    EspesorChapa,         // mm, steel cylinder sheet and its maximum
    AlturaRelleno,        // m, fill height over the crown
    PasoAltura,           // m, fill-height step of a range: the heights snap at 0.01 m
    Presion,              // at, DP and MDP
    PasoPresion,          // at, pressure step of a range (0.001 MPa)
    PesoEspecifico,       // t/m3, unit weights of the pipe and of the fill
    Resistencia,          // kp/cm2, strengths, stresses and elastic moduli
    AnguloRozamiento,     // degrees; the Marston theory needs it strictly inside
    AnchoZanja,           // m
    DistanciaTerreno,     // m, pipe crown to the natural ground surface
    CargaVertical,        // t/m2, total vertical load given by the run (1000 at)
    CoeficienteSeguridad, // partial safety factors of the materials and the loads
    CoeficienteFluencia,  // creep coefficients
    Relajacion,           // %, final relaxation of the wire
    Retraccion,           // shrinkage strain, entered as a positive shortening
    CoeficientePresion,   // factor of the primary test pressure
    ArmaduraMaxima,       // cm2/m, outer reinforcement limit
};

struct LimiteFisico {
    Magnitud magnitud;
    double minimo;
    double maximo;
    bool minimoExcluido; // the minimum itself is refused (a divisor, a root, a logarithm)
};

inline constexpr std::array<LimiteFisico, 20> LimitesFisicos{{
    {Magnitud::DiametroTubo, 0.1, 10.0, false},
    {Magnitud::EspesorPared, 1.0, 100.0, false},
    {Magnitud::Recubrimiento, 0.0, 100.0, true},
    {Magnitud::EspesorChapa, 0.0, 100.0, false},
    {Magnitud::AlturaRelleno, 0.0, 100.0, true},
    {Magnitud::PasoAltura, 0.01, 100.0, false},
    {Magnitud::Presion, 0.0, 1000.0, false},
    {Magnitud::PasoPresion, 0.01, 1000.0, false},
    {Magnitud::PesoEspecifico, 0.5, 5.0, false},
    {Magnitud::Resistencia, 0.0, 1e7, true},
    {Magnitud::AnguloRozamiento, 0.0, 90.0, false},
    {Magnitud::AnchoZanja, 0.0, 100.0, true},
    {Magnitud::DistanciaTerreno, 0.0, 100.0, true},
    {Magnitud::CargaVertical, 0.0, 10000.0, false},
    {Magnitud::CoeficienteSeguridad, 0.0, 10.0, true},
    {Magnitud::CoeficienteFluencia, 0.0, 10.0, true},
    {Magnitud::Relajacion, 0.0, 100.0, true},
    {Magnitud::Retraccion, 0.0, 0.1, false},
    {Magnitud::CoeficientePresion, 0.0, 10.0, true},
    {Magnitud::ArmaduraMaxima, 0.0, 10000.0, true},
}};

// Each row sits at the place of its quantity.
constexpr bool LimitesEnOrden()
{
    for (std::size_t i = 0; i < LimitesFisicos.size(); ++i) {
        if (static_cast<std::size_t>(LimitesFisicos[i].magnitud) != i) {
            return false;
        }
    }
    return true;
}
static_assert(LimitesEnOrden());

constexpr const LimiteFisico &Limite(Magnitud magnitud)
{
    return LimitesFisicos[static_cast<std::size_t>(magnitud)];
}

// Finite and inside the bounds of its quantity.
inline bool DentroDeLimites(Magnitud magnitud, double valor)
{
    const LimiteFisico &limite = Limite(magnitud);
    if (!std::isfinite(valor) || valor > limite.maximo) {
        return false;
    }
    return limite.minimoExcluido ? valor > limite.minimo : valor >= limite.minimo;
}

} // namespace dravek
