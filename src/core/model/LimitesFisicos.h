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
// (FactorTensiones, FactorCargas). The hydraulic calculator's inputs are in its own units (m/m,
// m3/s, mm), and so are the protection adviser's (mg/l, mg/kg, ohm x m, mV).

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
    PendienteHidraulica,  // m/m, slope of the energy line given to the hydraulic calculator
    CaudalHidraulico,     // m3/s, flow given to the hydraulic calculator
    RugosidadHidraulica,  // mm, roughness Ks or Ka of the hydraulic calculator
    CoeficienteHazen,     // Hazen-Williams coefficient Cwh; 0 has it computed per diameter
    PHAgua,               // pH of the water
    ConcentracionAgua,    // mg/l, aggressive CO2, NH4+, Mg2+ and sulphates of the waters
    SulfatosTerreno,      // mg/kg, sulphates of the soil
    ResistividadTerreno,  // ohm x m
    CorrienteVagabunda,   // mV, stray current
};

struct LimiteFisico {
    Magnitud magnitud;
    double minimo;
    double maximo;
    bool ceroAdmitido; // 0 itself passes: a quantity the run may leave out (no sheet, no load)
};

// A quantity that must be positive starts at a generous physical minimum, never at an open 0:
// a 1e-300 strength, cover or safety factor is as much a mistake as a 1e15 one, and is
// calculated into overflows or listed as 0. Where 0 is a value the run may hold, only the
// values between 0 and a minimum below anything the window shows are refused.
inline constexpr std::array<LimiteFisico, 29> LimitesFisicos{{
    {Magnitud::DiametroTubo, 0.1, 10.0, false},
    {Magnitud::EspesorPared, 1.0, 100.0, false},
    // Half the cover field's last digit: a cover shown as 0.1 cm passes, and so does the
    // lined cylinder's inner cover derived as 12 - 11.9.
    {Magnitud::Recubrimiento, 0.05, 100.0, false},
    // 0 is no sheet or no limit; below the field's 0.1 mm a sheet is no sheet.
    {Magnitud::EspesorChapa, 0.1, 100.0, true},
    // The heights snap at 0.01 m.
    {Magnitud::AlturaRelleno, 0.01, 100.0, false},
    {Magnitud::PasoAltura, 0.01, 100.0, false},
    // 0 is a DP or MDP the run may hold; above it, the smallest step (0.001 MPa).
    {Magnitud::Presion, 0.01, 1000.0, true},
    {Magnitud::PasoPresion, 0.01, 1000.0, false},
    {Magnitud::PesoEspecifico, 0.5, 5.0, false},
    // 1 kp/cm2 (0.1 MPa): the field's last digit in either system.
    {Magnitud::Resistencia, 1.0, 1e7, false},
    // 0 only with a given load, where it sets the lateral pressure; the Marston theory needs
    // more, which the check asks of it.
    {Magnitud::AnguloRozamiento, 0.01, 90.0, true},
    // No trench is narrower than the smallest pipe.
    {Magnitud::AnchoZanja, 0.1, 100.0, false},
    {Magnitud::DistanciaTerreno, 0.01, 100.0, false},
    // 0 is no given load; a given load below 0.001 counts as none.
    {Magnitud::CargaVertical, 0.001, 10000.0, true},
    {Magnitud::CoeficienteSeguridad, 0.1, 10.0, false},
    // The listings show both with two decimals.
    {Magnitud::CoeficienteFluencia, 0.01, 10.0, false},
    {Magnitud::Relajacion, 0.01, 100.0, false},
    // 0 is no shrinkage; the listings show five decimals.
    {Magnitud::Retraccion, 0.00001, 0.1, true},
    // A test pressure below a tenth of the DP tests nothing.
    {Magnitud::CoeficientePresion, 0.1, 10.0, false},
    // The field's last digit.
    {Magnitud::ArmaduraMaxima, 0.001, 10000.0, false},
    // The calculator's fields start at their 0.0001. A slope of 100 m/m and 1000 m3/s lie far
    // beyond any pressure pipe of 600 to 2000 mm, and every law stays finite up to them.
    {Magnitud::PendienteHidraulica, 0.0001, 100.0, false},
    {Magnitud::CaudalHidraulico, 0.0001, 1000.0, false},
    // Far above any pipe material, and far below the 2 m or so where the logarithms of the
    // laws reach zero for the 600 mm pipe.
    {Magnitud::RugosidadHidraulica, 0.0001, 100.0, false},
    // Real pipes lie between about 40 and 160.
    {Magnitud::CoeficienteHazen, 1.0, 1000.0, true},
    // The adviser's inputs may all be 0, an input not given (the pH box is graded even then).
    {Magnitud::PHAgua, 0.0, 14.0, true},
    // Ten times the sulphates of sea water (about 2700 mg/l) and far beyond the strongest band
    // of any input (6000 mg/l).
    {Magnitud::ConcentracionAgua, 0.0, 100000.0, true},
    // A soil of pure gypsum holds about 560000 mg of sulphate a kg; no soil holds more than
    // its own weight.
    {Magnitud::SulfatosTerreno, 0.0, 1000000.0, true},
    // Dry rock reaches some 10000 ohm x m.
    {Magnitud::ResistividadTerreno, 0.0, 1000000.0, true},
    // 100 V, far beyond any stray current a pipe meets.
    {Magnitud::CorrienteVagabunda, 0.0, 100000.0, true},
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
    return valor >= limite.minimo || (limite.ceroAdmitido && valor == 0);
}

} // namespace dravek
