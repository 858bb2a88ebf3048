#pragma once

// Flow in circular pipes of the fifteen standard inner diameters 600 to 2000 mm by
// Prandtl-Colebrook, Darcy-Weisbach or Hazen-Williams, for a given slope of the energy line or a
// given flow. SI throughout: m, m2, m/s, m3/s, m/m; only the roughness is typed in mm.

#include "core/model/LimitesFisicos.h"

#include <array>

namespace dravek {

inline constexpr int NumeroDiametros = 15;

inline constexpr double VISC = 1.31e-6; // m2/s, kinematic viscosity of water

// The largest roughness the calculator takes, mm.
inline constexpr double RugosidadMaxima = Limite(Magnitud::RugosidadHidraulica).maximo;

// Element i (1 to 15) belongs to diameter i; element 0 is never used.
using PorDiametro = std::array<double, NumeroDiametros + 1>;

// The calculator's values while its window is open. An array a calculation does not write keeps
// what an earlier one put there; each listing reads only what its own calculation wrote.
struct DatosHidraulicos {
    // Ks (Prandtl-Colebrook) or Ka (Darcy-Weisbach) in mm; for Hazen-Williams the coefficient
    // Cwh, where 0 means that it is computed per diameter.
    double Rugosidad = 0;
    double DatoOrigen = 0; // m/m when the datum is the slope, m3/s when it is the flow

    PorDiametro DiametroMm{};             // mm
    PorDiametro DiametroM{};              // m
    PorDiametro AreaLlena{};              // m2
    PorDiametro AreaParcial{};            // m2
    PorDiametro RadioHidraulico{};        // m
    PorDiametro RadioHidraulicoParcial{}; // m
    PorDiametro Velocidad{};              // m/s, full section
    PorDiametro VelocidadParcial{};       // m/s
    PorDiametro Caudal{};                 // m3/s, full section
    PorDiametro CaudalParcial{};          // m3/s
    PorDiametro Pendiente{};              // m/m, full section
    PorDiametro PendienteParcial{};       // m/m
    PorDiametro Reynolds{};               // full section
};

// Flow regimes by Reynolds number, in the order they are tested: laminar up to 2400, critical
// up to 4000, then turbulent smooth up to Re k / D = 23, transitional up to 560, rough above.
enum class RegimenFlujo { Laminar, Critico, Liso, Transicion, Rugoso };

// k in m, D in m.
RegimenFlujo Regimen(double Re, double D, double k);

// Darcy-Weisbach friction factor of a regime; none exists in the critical regime, where 1 is
// returned as the old routines did.
double FactorRegimen(RegimenFlujo regimen, double Re, double D, double k);

// Diameters, areas and hydraulic radii of the full section and of the part-full section (the
// circular segment of half angle 2.64 rad, water at 0.938 of the diameter).
void CargaDiametros(DatosHidraulicos &datos);

// The Prandtl-Colebrook velocity law written with the hydraulic radius R (m), so that it serves
// the part-full section too; J in m/m, k in m.
double VelocidadPrandtlColebrook(double J, double k, double R);

// Hazen-Williams coefficient of a diameter D (m): the one typed, or 139.3 + 6.65 D when 0.
double CoeficienteHazen(double Rugosidad, double D);

// Colebrook-White friction factor of diameter i for the velocity already in Velocidad(i).
double Calcula_CLANDA(const DatosHidraulicos &datos, int i, double k);

// Darcy-Weisbach velocity of diameter i for the slope J, by iteration from V0 (changed as it
// goes). Returns the friction factor (1 in the critical regime), the velocity in V and the
// Reynolds number of that velocity in Re.
double CalculaF(const DatosHidraulicos &datos, double J, double k, int i, double &V0, double &Re,
                double &V);

// Darcy-Weisbach friction factor of diameter i for the velocity already in Velocidad(i); its
// Reynolds number in Re.
double CalculaF_P(const DatosHidraulicos &datos, double k, int i, double &Re);

// The six calculations: each rebuilds the diameter table and fills its own arrays from
// Rugosidad and DatoOrigen, which they trust (the window has checked them).
void PrColeBrook_Pendiente(DatosHidraulicos &datos);
void PrColeBrook_Caudal(DatosHidraulicos &datos);
void DarcyWeiss_Pendiente(DatosHidraulicos &datos);
void DarcyWeiss_Caudal(DatosHidraulicos &datos);
void Hazen_Pendiente(DatosHidraulicos &datos);
void Hazen_Caudal(DatosHidraulicos &datos);

} // namespace dravek
