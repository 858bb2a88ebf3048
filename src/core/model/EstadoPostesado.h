#pragma once

// State of the post-tensioned design of a case: the values derived once per case, the wire in
// use, the quantities of the last section analysis and the stress state of the last hypothesis
// accepted. Data only. Stresses and pressures in kp/cm2, tension positive and compression
// negative; lengths in cm; moments in kp.cm/cm and axial forces in kp/cm.

#include <array>
#include <cstdint>
#include <string>

namespace dravek {

inline constexpr std::int16_t NumeroHipotesisPostesado = 6;
inline constexpr std::int16_t NumeroAlambres = 4;

// One value per section (1 crown, 2 haunch, 3 invert); position 0 unused.
using ValoresSeccion = std::array<double, 4>;
// One value per row of the wire table (1 to 4); position 0 unused.
using ValoresAlambre = std::array<double, NumeroAlambres + 1>;

// Values of EstadoDiseno that the post-tensioned design leaves.
struct CodigoPostesado {
    static constexpr std::int16_t Aceptado = 0;
    static constexpr std::int16_t EspesorInsuficiente = 5;       // no wire fits (text 800)
    static constexpr std::int16_t ResistenciaInicial = 6;        // initial core stress (text 802)
    static constexpr std::int16_t HormigonIntPrimario = 9;       // 60% fck, inner core face
    static constexpr std::int16_t HormigonExtPrimario = 10;      // 60% fck, outer core face
    static constexpr std::int16_t HormigonIntRevestimiento = 11; // 60% fck, inner coating face
    static constexpr std::int16_t HormigonExtRevestimiento = 12; // 60% fck, outer coating face
    static constexpr std::int16_t AlambreDistinto = 91;          // listing pass found another wire
    // The factory test pressure could not be set: no hypothesis 4 accepted with the fixed wire,
    // no face limits it, or it came out negative.
    static constexpr std::int16_t PresionPruebaNoValida = 92;
    // Geometry or materials the section cannot be computed with (a core or coating without
    // thickness, a result that is not a finite number): the case ends.
    static constexpr std::int16_t DatosNoValidos = 93;
};

// Values the design derives once per case from the run and the case, in calculation units.
struct DatosPostesado {
    // Geometry, cm.
    double RadioInterior = 0;
    double RadioCamisa = 0;
    double RadioNucleo = 0;
    double RadioExterior = 0;
    double Delca = 0; // cylinder thickness; 0 for a pipe without cylinder
    std::int16_t Tipologia = 0;
    std::int16_t TipoPostesado = 0; // 1 with steel cylinder, 2 without

    // Materials, kp/cm2 unless stated.
    double Fckn = 0;
    double Fckr = 0;
    double Fck0 = 0; // core strength at wrapping (Fckno)
    double Ep = 0;
    double Sf = 0;   // stressing tension of the wire
    double SFck = 0; // ultimate stress of the wire
    double Rel = 0;  // final relaxation, %
    double Fic = 0;
    double Fir = 0;
    // Shrinkage of core and coating, always negative here; the run's entered values are left
    // untouched.
    double Epsc = 0;
    double Epsr = 0;
    double FctkPrimario = 0;      // tensile strength of the final core
    double FctkRevestimiento = 0; // tensile strength of the coating
    double ModuloPrimarioInicial = 0;
    double ModuloPrimario = 0;
    double ModuloRevestimiento = 0;
    double ni = 0;                    // Ep / E core at wrapping
    double n = 0;                     // Ep / E final core
    double n1 = 0;                    // Ep / E coating
    double n2 = 0;                    // E coating / E final core
    double RelacionModulosCamisa = 0; // Es / E final core with a cylinder, else 0
    double RelacionModulosChapa = 0;  // Es / E final core whatever the cylinder

    // Case pressures, kp/cm2, and the primary test pressure asked for the run.
    double DP = 0;
    double MDP = 0;
    double STP = 0;
    std::int16_t FijaPresionPrimario = 0; // -1 true, 0 false
    double CoefPresionPrimario = 0;

    double FuerzaAnillo = 0; // t per m, ring tension of DP on the core's outer radius

    // Wire table, rows 1 to 4: diameter and widest and narrowest clear gap, mm.
    ValoresAlambre DiametrosAlambre{};
    ValoresAlambre SeparacionMaximaAlambres{};
    ValoresAlambre SeparacionMinimaAlambres{};
    // Ring-force range of each wire, t per m: min <= force < max.
    ValoresAlambre FuerzaMinimaAlambre{};
    ValoresAlambre FuerzaMaximaAlambre{};
};

// Everything one section analysis computes for the wire it ends with.
struct SeccionPostesado {
    double SeparacionLibre = 0;          // cm
    double EspesorPrimarioHomogeneo = 0; // cm
    double DistanciaCentroPrimario = 0;  // cm
    double AreaPostesado = 0;            // cm2 per cm
    double sro = 0;                      // cm
    double yi = 0;                       // cm
    double ye = 0;                       // cm
    double yr = 0;                       // cm
    double Io = 0;                       // cm4 per cm
    double rco = 0;                      // cm
    double rro = 0;                      // cm
    double A = 0;
    double B = 0;
    double C = 0;
    double Ar = 0;
    double Br = 0;
    double Cr = 0;
    double k = 0;
    double D = 0;
    double PerdidaAcortamientoElastico = 0;
    double TensionAlambreInicial = 0;
    double TensionInicialIntPrimario = 0;
    double TensionInicialExtPrimario = 0;
    double RelajacionNominal = 0;
    double TensionAlambreRelajada = 0;
    double TensionPruebaIntPrimario = 0;
    double PerdidaFluenciaRetraccion = 0;
    double PresionInterfaz = 0;
    double PerdidaRelajacion = 0;
    double TensionResidualAcero = 0;
    double TensionFinalIntPrimario = 0;
    double TensionFinalExtPrimario = 0;
    double TensionFinalIntRevestimiento = 0;
    double TensionFinalExtRevestimiento = 0;
    double LimitePruebaPrimario = 0;
    double PresionPruebaPrimario = 0;
    ValoresSeccion TensionOvalIntPrimario{};
    ValoresSeccion TensionOvalExtPrimario{};
    ValoresSeccion TensionOvalIntRevestimiento{};
    ValoresSeccion TensionOvalExtRevestimiento{};
    ValoresSeccion TensionOvalAcero{};
    double MaximoOvalIntPrimario = 0;
    double MaximoOvalExtPrimario = 0;
    double MaximoOvalIntRevestimiento = 0;
    double MaximoOvalExtRevestimiento = 0;
    double TensionUnitariaIntPrimario = 0; // per kp/cm2 of internal pressure
    double TensionUnitariaExtPrimario = 0;
    double TensionUnitariaIntRevestimiento = 0;
    double TensionUnitariaExtRevestimiento = 0;
    double TensionUnitariaAcero = 0;
    double PresionLimiteIntPrimario = 0;
    double PresionLimiteExtPrimario = 0;
    double PresionLimiteIntRevestimiento = 0;
    double PresionLimiteExtRevestimiento = 0;
    double PresionCapacidad = 0;
    double PresionHipotesis = 0;
};

// Stress state of an accepted hypothesis: what the factory test pressure and the hypothesis
// report read. Emptied when a section analysis starts, filled only when it accepts, so it can
// never hold another hypothesis' or another case's stresses.
struct TensionesHipotesisPostesado {
    std::int16_t NumeroHipotesis = 0; // the hypothesis accepted; 0 none
    double FIPR = 0;                  // cm, wire it was accepted with
    double NESP = 0;                  // turns per metre
    double PresionHipotesis = 0;
    double TensionPresionIntPrimario = 0;
    double TensionPresionExtPrimario = 0;
    double TensionPresionIntRevestimiento = 0;
    double TensionPresionExtRevestimiento = 0;
    double TensionPresionAcero = 0;
    ValoresSeccion TensionOvalPostesadoIntPrimario{};
    ValoresSeccion TensionOvalPostesadoExtPrimario{};
    ValoresSeccion TensionOvalPostesadoIntRevestimiento{};
    ValoresSeccion TensionOvalPostesadoExtRevestimiento{};
    ValoresSeccion TensionOvalPostesadoAcero{};
    ValoresSeccion TensionTotalIntPrimario{};
    ValoresSeccion TensionTotalExtPrimario{};
    ValoresSeccion TensionTotalIntRevestimiento{};
    ValoresSeccion TensionTotalExtRevestimiento{};
    ValoresSeccion TensionTotalAcero{};
};

// The cubes of the core and coating thicknesses that the section analysis takes, cm3, kept with
// the thicknesses they are of: every analysis of a case has the same radii, and a cube costs the
// analysis more than the rest of its arithmetic.
struct CubosEspesores {
    bool hechos = false;
    double primario = 0;          // cm, core thickness
    double revestimiento = 0;     // cm, coating thickness
    double cuboPrimario = 0;      // cm3
    double cuboRevestimiento = 0; // cm3
};

struct EstadoPostesado {
    DatosPostesado datos;

    // Wire in use, carried from one hypothesis to the next within a pass.
    double FIPR = 0;                // cm
    double NESP = 0;                // turns per metre
    std::int16_t IndiceAlambre = 0; // row of the wire table
    // Wire fixed by the search pass.
    double FIPRDEFI = 0; // cm
    double NESPDEFI = 0; // turns per metre

    std::int16_t NumeroHipotesis = 0;  // 1..6; 0 before the first
    std::int16_t NumeroPasada = 0;     // 0 before the passes, 1 search, 2 listing
    ValoresSeccion MomentoHipotesis{}; // kp.cm/cm
    ValoresSeccion AxilHipotesis{};    // kp/cm

    SeccionPostesado seccion;
    TensionesHipotesisPostesado aceptada;
    CubosEspesores cubos;

    // Failure text of a factory test pressure that could not be set (EstadoDiseno 92); empty
    // while PP holds a pressure. The listings show it where PP would stand.
    std::string FalloPP;
};

} // namespace dravek
