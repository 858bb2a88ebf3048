#pragma once

// The necessary-reinforcement check of the adjustment window: for the crown, the haunch and the
// invert, the steel that the governing hypothesis of the case needs with the chosen
// reinforcement in place, beside the steel provided. Works in calculation units (kp, cm,
// kp/cm2, per metre of pipe). A quotient without a value (a zero axial force, zero areas, a
// zero lever arm or useful depth, a zero steel or concrete stress) makes its section "not
// checkable": no number is made up for it.

#include "core/adjustment/DepuracionAjuste.h"
#include "core/model/EstadoObra.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dravek {

// The reinforcement under check, cm2 per metre of pipe.
struct ArmaduraElegida {
    double Camisa = 0;   // steel cylinder
    double Refuerzo = 0; // inner reinforcing spirals
    double Exterior = 0; // exterior steel
};

// Covers the check works with, cm: the run's, or the alternative ones while they are in force.
struct RecubrimientosComprobacion {
    double Interior = 0;
    double Exterior = 0;
};

// The quantities every section shares.
struct CantidadesComprobacion {
    double s = 0;    // kp/cm2, admissible steel stress (Fyd), both layers
    double Fcad = 0; // kp/cm2, FCK / (GamaB GamaF); 0 when the factors give no value
    double t = 0;    // cm, wall thickness
    double ci = 0;   // cm, inner cover
    double ce = 0;   // cm, outer cover
    double z = 0;    // cm, lever arm between the layers, t - ci - ce
};

CantidadesComprobacion CalculaCantidades(const EstadoObra &estado,
                                         const RecubrimientosComprobacion &recubrimientos);

// Sections in the order the check treats them.
enum class SeccionComprobacion { Solera, Clave, Rinones };
inline constexpr std::array<SeccionComprobacion, 3> OrdenSecciones{
    SeccionComprobacion::Solera, SeccionComprobacion::Clave, SeccionComprobacion::Rinones};

// Element of MomentosPesimos / AxilesPesimos (1 crown, 2 haunch, 3 invert).
int ElementoSeccion(SeccionComprobacion seccion);
// Result row of the window (0 crown, 1 haunch, 2 invert).
int FilaSeccion(SeccionComprobacion seccion);
// The interior is the tension side: crown and invert for a moment of 0 or more, the haunch for
// a moment above 0.
bool TraccionInterior(SeccionComprobacion seccion, double momento);

// t.m per m to kp.cm per m, as a magnitude.
double CalculaM(double M);
// The pressure of the governing hypothesis: 1 PPNeta, 2 none, 3 STP, 5 MDP; 4 and any other
// keep the pressure passed (DP).
double PresionHipotesis(std::int16_t HipotesisPesima, double p, const DatosCaso &caso);
// The axial force in t per m with the ring tension of pressure p (kp/cm2) on an inner diameter
// D (m), in kp per m.
double CalculaN(double N, double p, double D);

// Large eccentricity; CasoExcentricidad := 0.
std::optional<double> Linea_5240(double M, double N, double z, double d, double Fcad, double s,
                                 double &CasoExcentricidad);
// Small eccentricity with the layers' share 0.5 (CasoExcentricidad := 1), otherwise
// Linea_5240.
std::optional<double> Linea_5050(double N, double M, double z, double s, double d, double Fcad,
                                 double &CasoExcentricidad);
// The tension-side area exactly sufficient with A2 = c in the other layer; called with
// (z, s, A2, N, M).
std::optional<double> Linea_6000(double a, double b, double c, double d, double e);
// The other layer's area with which a tension-side area A1 = c is exactly sufficient; called
// with (s, z, A1, N, M).
std::optional<double> Linea_6030(double a, double b, double c, double d, double e);

// The necessary area of the tension-side layer with A1 and A2 provided; its derivation goes to
// `lineas` (decimal separator `separador`).
std::optional<double> Lineas_1050(double A1, double A2, double M, double z, double N, double s,
                                  double d, double Fcad, std::vector<std::string> &lineas,
                                  const std::string &separador);

// One result row of the window.
struct FilaComprobacion {
    std::string Posicion;  // caption
    std::string Dispuesta; // provided amount, "####0.00"
    std::string Necesaria; // necessary amount, "####0.00", or the not-checkable text
    bool Alerta = false;   // warning picture shown
    bool Comprobable = true;
};

struct ResultadoComprobacion {
    std::array<FilaComprobacion, 3> filas{}; // 0 crown, 1 haunch, 2 invert
    bool DepuracionEscrita = false;          // the debug file was rewritten
    bool DepuracionFallida = false;          // it should have been and could not be
};

// The check, Calculo_Arm_Necesaria: the rows, and the debug file unless the governing hypothesis
// is pure tension (1), which fills the rows from that hypothesis's design instead.
ResultadoComprobacion Calculo_Arm_Necesaria(const EstadoObra &estado,
                                            const ArmaduraElegida &elegida,
                                            const RecubrimientosComprobacion &recubrimientos,
                                            DepuracionAjuste &depuracion);

} // namespace dravek
