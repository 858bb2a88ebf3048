#pragma once

// Ring analysis of a buried pipe: moments and axial forces per metre of pipe at crown, haunch and
// invert for the twelve elementary load cases, from tabulated coefficients of the ring analysis
// on each bedding cradle. Calculation units throughout: m, t/m3, t/m2, t/m, t.m/m.

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace dravek {

// The twelve elementary load cases of the ring analysis.
enum class CasoCarga : std::int16_t {
    CasoPesoPropio = 1,               // self weight of the pipe
    CasoPesoFluido = 2,               // weight of the fluid filling the pipe
    CasoTierras = 3,                  // vertical earth, haunch fill, thrust with the live load
    CasoMovil = 4,                    // live load
    CasoEmpujeConMovil = 5,           // lateral thrust with the live load
    CasoPropioFluidoTierras = 6,      // cases 1 + 2 + 3
    CasoPropioFluidoTierrasMovil = 7, // cases 1 + 2 + 3 + 4
    CasoTierrasUnMetro = 8,           // earth load of 1 m of fill
    CasoTimpanos = 9,                 // haunch fill
    CasoEmpujeSinMovil = 10,          // lateral thrust without the live load
    CasoVerticalPura = 11,            // pure vertical earth load
    CasoNulo = 12,                    // zero, never listed
};

// The three sections of the ring.
enum class Seccion : std::int16_t { Clave = 1, Rinones = 2, Solera = 3 };

inline constexpr std::int16_t NumeroCasosCarga = 12;
inline constexpr std::int16_t NumeroSecciones = 3;

// Array positions of a load case and a section; position 0 of every array is unused so that
// the positions read as the cases and sections are numbered.
constexpr std::size_t indice(CasoCarga caso)
{
    return static_cast<std::size_t>(static_cast<std::int16_t>(caso));
}
constexpr std::size_t indice(Seccion seccion)
{
    return static_cast<std::size_t>(static_cast<std::int16_t>(seccion));
}

// One value per section (positions 1 to 3).
using EsfuerzosSeccion = std::array<double, 4>;
// One row per load case (1 to 12), one value per section (1 to 3): the shape of MomentosCaso
// and AxilesCaso.
using TablaEsfuerzos = std::array<EsfuerzosSeccion, 13>;

// Sum over the given load cases of one section s (1 to 3) of a table, added in the order given:
// the hypotheses of both designs are such sums, always taken in that order.
double SumaCasos(const TablaEsfuerzos &tabla, std::initializer_list<CasoCarga> casos,
                 std::size_t s);

// Why a ring analysis was refused. Whenever it is not Ninguno every result written is 0.
enum class ErrorEsfuerzos : std::int16_t {
    Ninguno = 0,
    DatosNoValidos,   // a value not finite, diameters not 0 <= Di < De, or fill weight not > 0
    CunaFueraDeRango, // cradle code outside 1 to 4
    CasoFueraDeRango, // load case outside 1 to 12
};

// a*x + b.
double CoefLineal(double a, double x, double b);

// p1*(a1*x + b1) + p2*(a2*x + b2): the lateral thrust, a uniform part and a part that grows with
// depth. Argument order as the coefficient tables give them.
double CoefEmpuje(double p1, double b1, double a1, double x, double p2, double a2, double b2);

// Moment M (t.m/m) and axial force N (t/m, tension positive) of load case k on cradle vICUNA
// (1 granular 90, 2 concrete 90, 3 concrete 120, 4 under 90 degrees) at each section. These are
// the analysis codes: the caller turns the stored concrete 120 degree cradle (2) into 3.
// vDi, vDE in m; vGAMAB, vGAMAT in t/m3; vLANDA the lateral-pressure coefficient; vQ the total
// vertical pressure and vQH the pressure that defines the lateral thrust, both with the live
// load, and CargaMovil the live-load part, all in t/m2.
[[nodiscard]] ErrorEsfuerzos CalculaEsfuerzosCaso(double vDi, double vDE, double vGAMAB,
                                                  double vGAMAT, double vLANDA, double vQ,
                                                  EsfuerzosSeccion &M, EsfuerzosSeccion &N,
                                                  std::int16_t vICUNA, CasoCarga k, double vQH,
                                                  double CargaMovil);

// Vertical pressures that one set of load cases is computed with, t/m2.
struct PresionesAnillo {
    double vQ = 0;
    double vQH = 0;
    double CargaMovil = 0;
};

// All twelve load cases into MomentosCaso and AxilesCaso: the case's own pressures for every
// load case except CasoTierrasUnMetro, which takes the pressures of 1 m of fill. Every element
// is rewritten; on an error both tables are left all 0.
[[nodiscard]] ErrorEsfuerzos
CalculaEsfuerzosCasos(double vDi, double vDE, double vGAMAB, double vGAMAT, double vLANDA,
                      std::int16_t vICUNA, const PresionesAnillo &presionesCaso,
                      const PresionesAnillo &presionesUnMetro, TablaEsfuerzos &MomentosCaso,
                      TablaEsfuerzos &AxilesCaso);

} // namespace dravek
