#pragma once

// Checks of the two faces that the section design of a reinforced-concrete pipe has just laid
// out: the maximum steel ratio of a pipe with a steel cylinder, the cracking check of a pipe
// without one. Areas in cm2/m, lengths in m, moments in t.m/m, axial forces in t/m (tension
// positive), stresses in kp/cm2.

#include "core/engine/ContextoCalculo.h"
#include "core/engine/HipotesisArmado.h"
#include "core/reinforced/DisponeArmadura.h"

#include <cstdint>

namespace dravek {

// What a design of the section ends with: a fault that stops the calculation (its message already
// in the listing), or IESP, the wall's own failure, which ends the case but not the run: 0 none,
// 1 a wall too thin for the forces. Returned together so that no caller reads the one and drops
// the other.
struct [[nodiscard]] ResultadoSeccion {
    ErrorCalculo error;
    std::int16_t IESP = 0;
};

// The result code of a case whose steel ratio is above the limit.
inline constexpr std::int16_t EstadoCuantiaExcesiva = 2;

// Restarts of the cracking check, each adding 0.5 cm2/m, before the wall is declared too thin
// for the forces (the same bound as the section design's own raising of the inner face).
inline constexpr std::int32_t MaximoReiniciosFisuracion = 10000;

// Maximum steel ratio against shrinkage with smooth bars, by FCK (kp/cm2). Deliberately not
// continuous: the limit steps up from 0.1205 to 0.125 just above 400.
double CuantiaMaximaRetraccion(double FCK);

// Cracking coefficient: 1.5, 1.6, 1.7 for ClaseFisuracion 1, 2, 3, less 0.1 under intense control
// (TipoControl 1). 0 for a class outside 1 to 3, which has none.
double CoeficienteFisuracion(std::int16_t ClaseFisuracion, std::int16_t TipoControl);

// A metre of wall h cm thick with Pi and Pe cm2/m of steel at ri and re cm from the inner and the
// outer face, the steel counted 11 times.
struct SeccionHomogeneizada {
    double Ah = 0; // cm2
    double yg = 0; // cm, centroid depth from the inner face
    double I = 0;  // cm4
};
SeccionHomogeneizada Homogeneiza(double h, double ri, double re, double Pi, double Pe);

// Stresses of one section under M and N, Fct and c as the check uses them.
struct TensionesFisuracion {
    double sM = 0; // kp/cm2, bending stress at the tension face (inner when M > 0)
    double sN = 0; // kp/cm2, axial stress
    double f = 0;  // factor of the admissible stress
    double sa = 0; // kp/cm2, admissible tensile stress
    double s = 0;  // kp/cm2, stress of the section, sN + sM
};
TensionesFisuracion TensionesSeccion(const SeccionHomogeneizada &seccion, double h, double M,
                                     double N, double Fct, double c);

// Run by the section design after it has laid out both faces, for hypotheses NHIPO to
// ultimaHipotesis (rows of the tables) and sections 1 to NSEC. Afi and Afe are the largest
// bending areas of the two faces; interior and exterior the two layouts, whose AreaDispuesta are
// the areas provided.
//
// IndicadorCamisa above 0 (a cylinder): the inner, outer and total steel ratios are compared with
// CuantiaMaximaRetraccion; a breach is listed and sets EstadoDiseno to EstadoCuantiaExcesiva.
//
// Otherwise: the faces are listed (Normal listing, final pass), then steel is added half a square
// centimetre at a time until no section cracks, both faces are laid out again from the raised
// areas and checked once more. The two layouts are replaced by the new ones, whose VariasCapas
// say whether the caller owes the listing a layer warning (this check writes none).
// TensionMaxima, TensionAdmisible and TensionAdmisibleMinima are written. When the check has not
// settled after MaximoReiniciosFisuracion restarts the wall is too thin for the forces: the
// listing says so, IESP comes back as 1 (the case ends as a thickness failure), TensionMaxima and
// TensionAdmisible hold the stresses of the section that cracked last and the layouts stay as
// they were.
//
// A wall thickness or cover that is not positive, a Fct that is not positive or a
// ClaseFisuracion without coefficient is refused with a message in the listing.
ResultadoSeccion CompruebaArmado(ContextoCalculo &contexto, double ESP, double RECI, double RECE,
                                 const TablaHipotesis &MomentosPorHipotesis,
                                 const TablaHipotesis &AxilesPorHipotesis, std::int16_t NHIPO,
                                 std::int16_t ultimaHipotesis, std::int16_t NSEC,
                                 std::int16_t IndicadorCamisa, double Afi, double Afe,
                                 DisposicionArmadura &interior, DisposicionArmadura &exterior,
                                 double CAMMAX);

} // namespace dravek
