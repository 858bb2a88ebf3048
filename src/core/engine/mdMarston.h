#pragma once

// Vertical load on a buried pipe per metre of its length for one fill height: the earth load by
// Marston's theory for a trench, a trench under an embankment or an embankment, plus the live
// load of a road or railway vehicle with its impact coefficient. Calculation units throughout:
// lengths in m, unit weights in t/m3, angles in degrees, loads in t per metre of pipe. Callers
// divide the loads by the outer diameter to obtain the pressures (t/m2) of the ring analysis.

#include "core/model/EstadoObra.h"

#include <cstdint>

namespace dravek {

// The value of pi the load formulas have always used; kept so that the loads do not move.
inline constexpr double PiMarston = 3.1415926535898;

// Newton steps allowed for the plane of equal settlement. Far from the root each step lowers x by
// about 1, and e^x overflows above x = 709, so any start that can converge does so well within
// this many steps.
inline constexpr int IteracionesMaximasNewton = 1000;

// Why no load could be computed. The routine prints nothing: the caller writes its own message
// into the listing and stops the calculation.
enum class ErrorMarston : std::int16_t {
    Ninguno = 0,
    AlturaNoValida,            // fill height H not above 0
    DiametroNoValido,          // outer diameter Bc not above 0
    AnchoZanjaNoValido,        // trench width B not above 0 (codes below 30)
    AnguloRozamientoNoValido,  // friction angle not strictly between 0 and 90 degrees
    DistanciaTerrenoNoValida,  // h' not above 0 (codes 21, 22 and 31)
    RellenoNoValido,           // trench with a fill soil code outside the table
    RazonAsentamientoNoValida, // settlement choice outside 1 to 3 (code 31)
    CargaMovilNoValida,        // live-load type outside 0 to 4
    SinConvergencia,           // Newton did not reach its stop rule
    ResultadoNoFinito,         // a load overflowed (an extreme projection ratio)
};

// What the caller gives. The three previous values are the caller's W, W2 and CargaNoAdoptada
// before the call: the routine leaves them as they were where it computes nothing for them.
//
// Caller's variables copied in (case loop, run data report, load table):
//   Altura = the case height, AlturaInicial or 1.0; AnchoZanja; DistanciaTerrenoNatural;
//   PesoEspecificoRelleno = vGAMAT; AnguloRozamiento; CodigoColocacion;
//   CodigoRelleno = TipoRelleno; RazonAsentamiento = IndiceAsentamiento;
//   TipoCargaMovil = TipoCargaConcentrada (or 0 for the loads of 1 m of fill);
//   DiametroExterior = vDE; WAnterior, W2Anterior, CargaNoAdoptadaAnterior = vQ, vQH,
//   CargaNoAdoptada times vDE (the case keeps them in t/m2; see CargasMarstonAltura).
struct EntradaMarston {
    double Altura = 0;                  // H, fill height over the pipe crown, m
    double AnchoZanja = 0;              // B, trench width, m
    double DistanciaTerrenoNatural = 0; // h', pipe crown to the natural ground surface, m
    double PesoEspecificoRelleno = 0;   // gamma, unit weight of the fill, t/m3
    double AnguloRozamiento = 0;        // phi, internal friction angle of the fill, degrees
    std::int16_t CodigoColocacion = 0;  // 11, 12 trench; 21, 22 under an embankment; 31
    std::int16_t CodigoRelleno = 0;     // 11, 12, 21, 22, 23; read by the trench codes
    std::int16_t RazonAsentamiento = 0; // 1, 2, 3 (r = 1.0, 0.5, 0.3); read by code 31
    std::int16_t TipoCargaMovil = 0;    // 0 none, 1 axle 7 t, 2 axle 13 t, 3 vehicle 60 t, 4 rail
    double DiametroExterior = 0;        // Bc, m
    double WAnterior = 0;               // t/m
    double W2Anterior = 0;              // t/m
    double CargaNoAdoptadaAnterior = 0; // t/m
};

// What the routine leaves, in t/m. Without error the caller copies back: W -> vQ, W2 -> vQH,
// CargaMovil -> CargaMovil, CargaNoAdoptada -> CargaNoAdoptada (the case loop then divides these
// four by vDE), TerraplenAdoptado -> TerraplenAdoptado, CoeficienteImpacto to its own variable,
// and DistanciaTerrenoNatural -> DistanciaTerrenoNatural (the trench codes hand back Bc; nothing
// later reads it for a trench). With an error every load and coefficient is 0, TerraplenAdoptado
// is Falso and DistanciaTerrenoNatural is the one given; the caller writes its own message.
struct ResultadoMarston {
    double W = 0;                           // total vertical load, t/m
    double W2 = 0;                          // second vertical load, t/m
    double CoeficienteImpacto = 0;          // of the live load; 0 without live load
    std::int16_t TerraplenAdoptado = Falso; // Verdadero: embankment load adopted
    double CargaNoAdoptada = 0;             // earth load of the condition not adopted, t/m
    double CargaMovil = 0;                  // live-load part of W, t/m
    double DistanciaTerrenoNatural = 0;     // h' after the call, m
    ErrorMarston Error = ErrorMarston::Ninguno;
};

ResultadoMarston CalculaCargasMarston(const EntradaMarston &entrada);

// Tangent of an angle given in degrees.
double TanGrados(double angulo);

// Root of e^x - x = c by Newton's method from x0, written into x; it reaches the root of the sign
// of x0 when c > 1. Stops when a step is below 0.00001. Returns SinConvergencia when a step is not
// finite (zero derivative, overflowing e^x) or IteracionesMaximasNewton steps do not reach the
// stop rule (c <= 1 has no root to reach); x then holds the last finite step, or is unchanged.
[[nodiscard]] ErrorMarston ResuelveNewton(double &x, double c, double x0);

// e^x - x - c, whose root is the plane of equal settlement.
double FuncionAsiento(double x, double c);

// e^x - 1, the derivative of FuncionAsiento.
double DerivadaAsiento(double x);

} // namespace dravek
