#pragma once

// The project-wide variables, grouped by how long they live. Data only: services, sinks and
// windows are passed beside it. Names are kept as the rest of the program uses them; units
// are in the trailing comments. Later subsystems add their members to the group they belong to.

#include "core/model/CodigosColocacion.h"
#include "core/model/EstadoPostesado.h"

#include <array>
#include <cstdint>
#include <string>

namespace dravek {

// MKS value over SI value; whole numbers on purpose: 1 MPa is taken as 10 kp/cm2 and 100 t/m2.
inline constexpr double FactorTensiones = 10.0; // stresses, elastic moduli and pressures
inline constexpr double FactorCargas = 100.0;   // total vertical load
inline constexpr double FactorFuerzas = 10.0;   // forces and moments, t -> kN
inline constexpr double RelacionMDPDP = 1.1;    // a DP left at 0 is MDP / 1.1

// Booleans of the stored data are 16-bit integers.
inline constexpr std::int16_t Verdadero = -1;
inline constexpr std::int16_t Falso = 0;

// Titles, ranges and options of the project.
struct DatosObra {
    std::string TIGEN;                             // project title
    std::string Cliente;                           // client; a listing takes its box's
    std::int16_t GolpeArieteCalculado = Verdadero; // water hammer calculated (else estimated)
    double DPInicialObra = 0;                      // at / MPa
    double DPFinalObra = 0;                        // at / MPa
    double IncrementoPresionObra = 0;              // at / MPa
    double MDPInicialObra = 0;                     // at / MPa
    double MDPFinalObra = 0;                       // at / MPa
    double AlturaInicialObra = 0;                  // m
    double AlturaFinalObra = 0;                    // m; 0: the first height only
    double IncrementoAlturaObra = 0;               // m
    std::int16_t AbrirObraExistente = Falso;       // the project is tied to a project file
    std::string NombreFicheroObra = " ";           // its path, one blank when none
    // The header (titles, ranges, unit system, water hammer) changed since it was last read or
    // written: closing the project must offer to save it.
    bool CabeceraModificada = false;
    // The language the project records, shown in its language box and written back with it;
    // 0 for the interface's. Opening a project never changes the interface's language.
    std::int16_t IdiomaObra = 0; // 1 Spanish .. 5 French
};

// The current run: typology, geometry, installation, materials and loads, in the units shown
// on screen (lengths and covers as typed: ESP, RECI, RECE in cm).
struct DatosTramo {
    std::int16_t TramoActual = 0;
    std::string ITIT; // run description

    double DPInicialTramo = 0;         // at / MPa; 0: the project's value applies
    double DPFinalTramo = 0;           // at / MPa
    double IncrementoPresionTramo = 0; // at / MPa
    double MDPInicialTramo = 0;        // at / MPa
    double MDPFinalTramo = 0;          // at / MPa
    double AlturaInicialTramo = 0;     // m
    double AlturaFinalTramo = 0;       // m
    double IncrementoAltura = 0;       // m; the project step once the project range is chosen

    std::int16_t Tipologia = 0; // 1100, 1210, 1220, 2100, 2211, 2212, 2221, 2222
    std::int16_t EsArmado = Falso;
    std::int16_t TipoPostesado = 0;   // 0 reinforced concrete, 1 post-tensioned
    std::int16_t ClaseFisuracion = 0; // 3 reinforced concrete, 0 post-tensioned

    // Reinforced-concrete materials.
    std::int16_t FijaArmaduraExterior = Falso;
    double ArmaduraExteriorMaxima = 0; // cm2/m
    std::int16_t TipoControl = 1;      // 1 "Intenso", 2 "Normal"
    std::int16_t IndicadorCamisa = 2;  // 1 cylinder and spirals, 2 cylinder only
    double CAMMAX = 0;                 // mm, maximum cylinder sheet
    double FCK = 0;                    // kp/cm2 / MPa
    double Fct = 0;                    // kp/cm2 / MPa
    double Fyk = 0;                    // kp/cm2 / MPa
    double Fyd = 0;                    // kp/cm2 / MPa
    double GamaB = 0;
    double GamaY = 0;
    double GamaF = 0;

    // Post-tensioned materials.
    std::int16_t FijaPresionPrimario = Falso;
    double CoefPresionPrimario = 0;
    double Delca = 0;   // mm, cylinder sheet
    double FykPost = 0; // kp/cm2 / MPa
    double Es = 0;      // kp/cm2 / MPa
    double Ep = 0;      // kp/cm2 / MPa
    double Fckno = 0;   // kp/cm2 / MPa
    double Fckn = 0;    // kp/cm2 / MPa
    double Fckr = 0;    // kp/cm2 / MPa
    double SFck = 0;    // kp/cm2 / MPa
    double Sf = 0;      // kp/cm2 / MPa
    double Rel = 0;     // %
    double Fic = 0;
    double Fir = 0;
    double Epsc = 0;
    double Epsr = 0;

    // Section.
    double vDi = 0;    // m
    double ESP = 0;    // cm; m during a calculation
    double RECI = 0;   // cm; m during a calculation
    double RECE = 0;   // cm; m during a calculation
    double vDE = 0;    // m
    double vGAMAB = 0; // t/m3
    std::int16_t DiametroComercial = Falso;
    // Thickness range last written into the thickness caption; 0 after a diameter that is not
    // commercial.
    std::int32_t RangoRecomendadoMin = 0; // cm
    std::int32_t RangoRecomendadoMax = 0; // cm

    // Installation and fill.
    std::int16_t IndiceColocacion = 0; // 0 trench, 1 trench under an embankment, 2 embankment
    std::int16_t CodigoColocacion = ZanjaCompactada;
    std::int16_t vICUNA = 1; // 1 granular 90 degrees, 2 concrete 120 degrees
    double AnchoZanja = 0;   // m
    std::int16_t AnchoZanjaAutomatico = Falso;
    double vGAMAT = 0;           // t/m3
    double AnguloRozamiento = 0; // degrees
    std::int16_t TipoRelleno = RellenoArenaArcillosa;
    double DistanciaTerrenoNatural = 0; // m
    std::int16_t IndiceAsentamiento = 0;

    // Loads.
    double CargaVerticalTotal = 0; // t/m2 / MPa; 0: the loads are computed
    std::int16_t TipoCargaConcentrada = 1;
    std::int16_t CalculoCargas = 1;
};

// SI copies of the unit-dependent fields, always in SI whatever the screen shows.
struct ValoresSI {
    double DPInicialObraSI = 0;
    double DPFinalObraSI = 0;
    double IncrementoPresionObraSI = 0;
    double MDPInicialObraSI = 0;
    double MDPFinalObraSI = 0;
    double DPInicialTramoSI = 0;
    double DPFinalTramoSI = 0;
    double IncrementoPresionTramoSI = 0;
    double MDPInicialTramoSI = 0;
    double MDPFinalTramoSI = 0;
    double FckSI = 0;
    double FctSI = 0;
    double FykSI = 0;
    double FydSI = 0;
    double FykPostSI = 0;
    double EsSI = 0;
    double EpSI = 0;
    double FcknoSI = 0;
    double FcknSI = 0;
    double FckrSI = 0;
    double SFckSI = 0;
    double SfSI = 0;
    double QDatoSI = 0;
};

// The case being calculated.
struct DatosCaso {
    double DP = 0;           // at
    double MDP = 0;          // at
    double PP = 0;           // at
    double STP = 0;          // at
    double PPNeta = 0;       // at
    double AlturaActual = 0; // m
    std::int32_t NumeroCaso = 0;
    std::int32_t ContadorCasos = 0;
    bool PrimerCaso = false;
    bool NuevaAltura = false;
    double vQ = 0;              // t/m2
    double vQH = 0;             // t/m2
    double CargaMovil = 0;      // t/m2
    double CargaNoAdoptada = 0; // t/m2
    double vQUnMetro = 0;       // t/m2, loads of 1 m of fill
    double vQHUnMetro = 0;
    double CargaMovilUnMetro = 0;
    double CargaNoAdoptadaUnMetro = 0;
    // Cylinder arrangement word of a post-tensioned run ("Embebida", "Revestida"), one blank
    // otherwise; set by the run data report for the whole run.
    std::string TextoTipoCamisa = " ";
};

// Ranges, DP->MDP law and pressure step of the run being calculated; set around the case loop
// and kept until the next calculation sets them again.
struct DatosCalculo {
    double AlturaInicial = 0;               // m, first fill height of the calculation
    double AlturaFinal = 0;                 // m, last fill height of the calculation
    double DPInicialLey = 0;                // at, DP of the law's first point
    double DPFinalLey = 0;                  // at, DP of the law's second point
    double MDPInicialLey = 0;               // at, MDP of the law's first point
    double MDPFinalLey = 0;                 // at, MDP of the law's second point
    double PendienteLeyMDP = 1.0;           // dMDP/dDP, dimensionless
    double IncrementoPresion = 0;           // at, DP step of the case loop; 0: one DP per height
    double PresionCaso = 0;                 // at, DP of the case about to be calculated
    std::int16_t TerraplenAdoptado = Falso; // the embankment-condition load was adopted
    // The run's geometry as entered, saved by the case loop, which works in calculation units
    // meanwhile; the adjustment window restores the run from these.
    double EspesorCamisaTramo = 0;         // mm
    double EspesorTramo = 0;               // cm
    double RecubrimientoInteriorTramo = 0; // cm
    double RecubrimientoExteriorTramo = 0; // cm
    std::int16_t TipoCunaTramo = 0;
    // Radii handed to the post-tensioned design.
    double RadioExterior = 0; // cm
    double RadioInterior = 0; // cm
    double RadioCamisa = 0;   // cm
    double RadioNucleo = 0;   // cm
};

// What a design leaves behind.
struct ResultadosCaso {
    // Ring moment and axial force of each load case (1..12) at each section (1 crown, 2 haunch,
    // 3 invert); index 0 unused so that the numbers read as the load cases are numbered.
    std::array<std::array<double, 4>, 13> MomentosCaso{}; // t.m/m
    std::array<std::array<double, 4>, 13> AxilesCaso{};   // t/m
    std::int16_t EstadoDiseno = 0;                        // 0 accepted
    std::string MensajeFallo;
    // Bar layout of the reinforced-concrete design, kept from one case to the next.
    double CAMISA = 0; // mm
    double FIIN = 0;   // mm
    double FIEX = 0;   // mm
    double NESPIN = 0; // spirals per metre
    double NEXPEX = 0; // spirals per metre
    double BRAZO = 0;  // m
    bool PasadaDefinitiva = false;
    // A section of the case was refused by the limit moment; cleared by the case design.
    bool MomentoTopeSuperado = false;
    // A stored adjustment of the case, and the outer area the case design keeps with it.
    bool HayAjusteGuardado = false;
    double ArmaduraCalculadaExterior = 0; // cm2/m
    // What the reinforced-concrete design of the case chose, read back by the adjustment
    // window: the cylinder (CAMISA x 10) and the inner spirals of the layout kept.
    double ArmaduraCalculadaCamisa = 0;   // cm2/m
    double ArmaduraCalculadaRefuerzo = 0; // cm2/m
    // Governing hypothesis (1..5, the largest total reinforcement) and its forces at crown,
    // haunch and invert (index 0 unused); the axial forces without the ring tension of the
    // hypothesis's own pressure.
    std::int16_t HipotesisPesima = 0;
    std::array<double, 4> MomentosPesimos{}; // t.m/m
    std::array<double, 4> AxilesPesimos{};   // t/m
    // Per hypothesis 1..5: column 1 interior, 2 exterior, 3 total (cm2/m), 4 IESP, 5 NESPIN,
    // 6 NEXPEX, 7 CAMISA (mm) right after that hypothesis was designed; index 0, row 6 and
    // columns 8 to 10 unused.
    std::array<std::array<double, 11>, 7> ResultadosHipotesis{};
    // Cracking check of a pipe without cylinder.
    double TensionMaxima = 0;          // kp/cm2, largest tensile stress met
    double TensionAdmisible = 0;       // kp/cm2, admissible stress where it was met
    double TensionAdmisibleMinima = 0; // kp/cm2, smallest admissible stress met
};

// Listing kinds of the printed listing.
enum class ClaseListado : std::int16_t { Normal = 0, Tabular = 1, Pantalla = 2 };

// Where the listing goes and how far it has got.
struct EstadoListado {
    bool Imprimiendo = false; // printer (true) or the screen listing
    ClaseListado TipoListado = ClaseListado::Normal;
    bool ListadoLame = false;
    std::int32_t NumeroPagina = 0;
    std::int32_t LineasPorPagina = 50; // lines, page budget of the Tabular listing
    std::int32_t LineasRestantes = 0;  // lines left on the Tabular page
    std::int32_t LineasImpresas = 0;   // lines counted on the Pantalla page
    double UltimaAlturaListada = 0;    // m
};

// Run-time state of the program.
struct EstadoEjecucion {
    std::int16_t Idioma = 1;               // 1 Spanish .. 5 French; -1 before start-up settles it
    std::int32_t DesplazamientoIdioma = 0; // (Idioma - 1) * 5000
    std::string SistemaUnidades = "SI";    // "SI" or "MKS": the units shown on screen
    std::string SeparadorDecimalLocal = ".";
    std::int32_t CodigoSeparadorLocal = '.';
    std::int32_t CodigoOtroSeparador = ',';
    std::string RutaAplicacion;    // program folder, ending in the folder separator
    std::string CarpetaDepuracion; // the engineer's folder of the debug files
    std::string ModoCaptura = " "; // "ALTAS", "MODIFICACIONES" or " "
    bool DatosModificados = false;
    bool Cargando = false;
    bool SFckModificado = false; // the wire's ultimate stress was changed: Sf follows it
    // The comparison with the recommended geometry accepts without asking (a run checked
    // without moving the focus).
    bool OmitePreguntaGeometria = false;
    bool EnUnidadesCalculo = false;   // the working values are in calculation units (MKS)
    std::int16_t ModoAdvertencia = 0; // notice kind the notice window shows: 1 once shown
    bool VentanaModalAbierta = false; // the whole project's listing window is up
};

// The printer every print goes to, as the printer-choice window left it. Kept while the
// program runs; nothing is stored.
struct ImpresoraActual {
    std::string DeviceName;  // empty until one is chosen: the system's default printer
    bool ArchivoPdf = false; // the PDF printer (no printer installed): a file is written
    std::int16_t Copies = 1; // copies of every document, 1 to 32767
};

// Tables read at start-up from the default-data files. Rows and entries are numbered from 1
// as the files are; index 0 is unused.
struct TablasPredeterminadas {
    static constexpr int MaxFilas = 100;
    // Column 1 inner diameter, then inner cover, outer cover, thickness for five typology
    // groups (columns 2-16), all in mm; 0 where the file left the field blank.
    std::array<std::array<std::int32_t, 17>, MaxFilas + 1> DimensionesPredeterminadas{};
    std::array<std::array<std::string, 6>, MaxFilas + 1> MarcasDimensiones{};
    std::int16_t NumeroDimensiones = 0;
    std::array<double, MaxFilas + 1> ArmadurasInternasPredeterminadas{};
    std::int16_t NumeroArmadurasInternas = 0;
    std::int16_t LimiteAnchoZanja = 0; // trench-width warning factor; 0 switches it off
};

// Labels of the run data report and the load table, in the interface language; rebuilt at the
// start of every run calculation. Entries are numbered from 1 as the codes they are looked up
// by; index 0 is unused.
struct EtiquetasTramo {
    std::array<std::string, 3> NombresNivelControl{}; // by TipoControl 1..2
    std::array<std::string, 3> NombresCuna{};         // 1 granular, 2 concrete
    std::array<std::string, 6> NombresCargaMovil{};   // by TipoCargaConcentrada + 1
    std::array<std::string, 4> NombresAsentamiento{}; // by IndiceAsentamiento 1..3
    // By the tens digit (1 trench, 2 under an embankment, 3 embankment) and the units digit
    // (1 uncompacted, 2 compacted) of CodigoColocacion.
    std::array<std::array<std::string, 3>, 4> NombresColocacion{};
    // By the tens digit (1 non-cohesive, 2 cohesive) and the units digit of TipoRelleno: the
    // soil with its Marston K mu' in parentheses, and that value alone.
    std::array<std::array<std::string, 4>, 3> NombresRelleno{};
    std::array<std::array<std::string, 4>, 3> KmuRelleno{};
};

// The pictures the printed run data report paints, as full paths of their files (empty: no
// picture). The data-entry window and start-up set the first three in the interface language;
// the report sets the cradle picture itself.
struct FigurasListado {
    std::string ptArmado;     // section of a reinforced-concrete pipe
    std::string ptPostesado;  // section of a post-tensioned pipe for its cylinder arrangement
    std::string ptColocacion; // installation kind with its cradle
    std::string ptCuna;       // cradle
};

struct EstadoObra {
    DatosObra obra;
    DatosTramo tramo;
    ValoresSI valoresSI;
    DatosCaso caso;
    DatosCalculo calculo;
    ResultadosCaso resultados;
    EstadoListado listado;
    EstadoEjecucion ejecucion;
    TablasPredeterminadas tablas;
    EtiquetasTramo etiquetas;
    FigurasListado frFiguras;
    EstadoPostesado postesado; // post-tensioned design of the case
    ImpresoraActual Printer;
};

} // namespace dravek
