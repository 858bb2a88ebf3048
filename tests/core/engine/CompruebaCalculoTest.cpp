// Runs the calculation refuses before its first case: every value the loop and the designs read
// must be a number within generous physical bounds, codes within their lists, a fill-height
// range that calculates something, steps that end and not more cases than can be calculated.
// Whole runs with the real designs, on the screen and on every printed kind.

#include "core/engine/CompruebaCalculo.h"

#include "apoyo/ContextoPrueba.h"
#include "apoyo/DepuracionGrabadora.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/TextoPrueba.h"
#include "apoyo/TramoPrueba.h"
#include "core/design/DisenoTubo.h"
#include "core/engine/PresionesCaso.h"
#include "core/engine/UnidadesCalculo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::B;

const std::string Ruta = DRAVEK_DATOS_PROGRAMA "/";
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Infinito = std::numeric_limits<double>::infinity();

enum Tubos { Armado = 1, Postesado = 2, Ambos = 3 };

struct CasoHostil {
    const char *nombre;
    Tubos tubos;
    void (*estropea)(EstadoObra &);
    std::string mensaje;
};

// One faulty value each, on the run of the whole-run listings (entry units, MKS).
const std::vector<CasoHostil> &CasosHostiles()
{
    static const std::vector<CasoHostil> casos = {
        // Pressures, in at.
        {"DP inicial negativa", Ambos, [](EstadoObra &e) { e.tramo.DPInicialTramo = -4; },
         "ERROR: Presión inicial: -4.000"},
        {"DP final no numerica", Ambos, [](EstadoObra &e) { e.tramo.DPFinalTramo = NaN; },
         "ERROR: Presión final: no es un número"},
        {"paso de presion diminuto", Ambos,
         [](EstadoObra &e) { e.tramo.IncrementoPresionTramo = 1e-7; },
         "ERROR: Incremento de Presión: 1e-07 (mínimo 0.010)"},
        {"MDP final enorme", Ambos, [](EstadoObra &e) { e.tramo.MDPFinalTramo = 1e9; },
         "ERROR: Presión MDP final: 1000000000.000"},
        {"DP de la obra infinita", Ambos, [](EstadoObra &e) { e.obra.DPInicialObra = Infinito; },
         "ERROR: Presión inicial: infinito"},
        // A falling MDP law: the run validation's own message, without a field.
        {"MDP final bajo la inicial", Ambos,
         [](EstadoObra &e) {
             e.tramo.MDPInicialTramo = 12;
             e.tramo.MDPFinalTramo = 8;
         },
         "Presión Final MDP inferior a la Inicial"},
        // Typology and materials of the reinforced-concrete pipe.
        {"tipologia postesada en un tubo armado", Armado,
         [](EstadoObra &e) { e.tramo.Tipologia = 2211; }, "ERROR: Sin definir la Tipología: 2211"},
        {"armadura exterior maxima no numerica", Armado,
         [](EstadoObra &e) {
             e.tramo.FijaArmaduraExterior = Verdadero;
             e.tramo.ArmaduraExteriorMaxima = NaN;
         },
         "ERROR: Valor Máximo Armadura Exterior: no es un número"},
        {"nivel de control 0", Armado, [](EstadoObra &e) { e.tramo.TipoControl = 0; },
         "ERROR: Tipo de Control: 0"},
        {"indicador de camisa 3", Armado, [](EstadoObra &e) { e.tramo.IndicadorCamisa = 3; },
         "ERROR: Indicador de Camisa: 3"},
        {"camisa maxima 1e300", Armado, [](EstadoObra &e) { e.tramo.CAMMAX = 1e300; },
         "ERROR: Espesor Máximo de Camisa: 1e+300"},
        {"fck 0", Armado, [](EstadoObra &e) { e.tramo.FCK = 0; },
         "ERROR: Resist. del hormigón a compresión: 0.000"},
        {"fct no numerica", Armado, [](EstadoObra &e) { e.tramo.Fct = NaN; },
         "ERROR: Resistencia característica del hormigón a tracción: no es un número"},
        {"fyk 1e15", Armado, [](EstadoObra &e) { e.tramo.Fyk = 1e15; },
         "ERROR: Resistencia característica del acero: 1e+15"},
        {"fyd negativa", Armado, [](EstadoObra &e) { e.tramo.Fyd = -1; },
         "ERROR: Resistencia de cálculo del acero: -1.000"},
        {"gamma b 0", Armado, [](EstadoObra &e) { e.tramo.GamaB = 0; },
         "ERROR: Coeficiente de minoración de la resistencia del hormigón: 0.000"},
        {"gamma y 0", Armado, [](EstadoObra &e) { e.tramo.GamaY = 0; },
         "ERROR: Gamay: Coeficiente de Minoración del Acero: 0.000"},
        {"gamma y 1e6", Armado, [](EstadoObra &e) { e.tramo.GamaY = 1e6; },
         "ERROR: Gamay: Coeficiente de Minoración del Acero: 1000000.000"},
        {"gamma f no numerica", Armado, [](EstadoObra &e) { e.tramo.GamaF = NaN; },
         "ERROR: Gamaf: Coeficiente de Mayoración de Cargas: no es un número"},
        // Typology and materials of the post-tensioned pipe.
        {"tipologia armada en un tubo postesado", Postesado,
         [](EstadoObra &e) { e.tramo.Tipologia = 1210; }, "ERROR: Sin definir la Tipología: 1210"},
        {"coeficiente de presion 0", Postesado,
         [](EstadoObra &e) {
             e.tramo.FijaPresionPrimario = Verdadero;
             e.tramo.CoefPresionPrimario = 0;
         },
         "ERROR: Coeficiente de Presión: 0.000"},
        {"tipo de postesado 5", Postesado, [](EstadoObra &e) { e.tramo.TipoPostesado = 5; },
         "ERROR: Tipo de Camisa: 5"},
        {"chapa de 1e9 mm", Postesado, [](EstadoObra &e) { e.tramo.Delca = 1e9; },
         "ERROR: Espesor máximo (mm.): 1000000000.000"},
        {"modulo del acero no numerico", Postesado, [](EstadoObra &e) { e.tramo.Es = NaN; },
         "ERROR: Mod. Elasticidad Acero: no es un número"},
        {"modulo del alambre 0", Postesado, [](EstadoObra &e) { e.tramo.Ep = 0; },
         "ERROR: Mod. Elasticidad Alambre: 0.000"},
        {"primario al zunchar infinito", Postesado,
         [](EstadoObra &e) { e.tramo.Fckno = Infinito; },
         "ERROR: Resistencia Primario al zunchar: infinito"},
        {"primario final 1e300", Postesado, [](EstadoObra &e) { e.tramo.Fckn = 1e300; },
         "ERROR: Resistencia Primario al Final: 1e+300"},
        {"revestimiento negativo", Postesado, [](EstadoObra &e) { e.tramo.Fckr = -5; },
         "ERROR: Resistencia del revestimiento: -5.000"},
        {"rotura del alambre 0", Postesado, [](EstadoObra &e) { e.tramo.SFck = 0; },
         "ERROR: Tensión rotura alambre: 0.000"},
        {"tension de tesado no numerica", Postesado, [](EstadoObra &e) { e.tramo.Sf = NaN; },
         "ERROR: Tensión de tesado: no es un número"},
        {"relajacion 0", Postesado, [](EstadoObra &e) { e.tramo.Rel = 0; },
         "ERROR: Relajación Final (%): 0.000"},
        {"fluencia del primario 1e9", Postesado, [](EstadoObra &e) { e.tramo.Fic = 1e9; },
         "ERROR: Coeficiente fluencia del primario: 1000000000.000"},
        {"fluencia del revestimiento no numerica", Postesado,
         [](EstadoObra &e) { e.tramo.Fir = NaN; },
         "ERROR: Coeficiente fluencia del revestimiento: no es un número"},
        {"retraccion del primario 2", Postesado, [](EstadoObra &e) { e.tramo.Epsc = 2; },
         "ERROR: Coeficiente retracción primario: 2.000"},
        {"retraccion del revestimiento infinita", Postesado,
         [](EstadoObra &e) { e.tramo.Epsr = -Infinito; },
         "ERROR: Coeficiente retracción revestimiento: -infinito"},
        // The section, in m and cm.
        {"diametro interior no numerico", Ambos, [](EstadoObra &e) { e.tramo.vDi = NaN; },
         "ERROR: Diámetro Interior (mts): no es un número"},
        {"diametro interior 1e-300", Ambos, [](EstadoObra &e) { e.tramo.vDi = 1e-300; },
         "ERROR: Diámetro Interior (mts): 1e-300"},
        {"espesor 0", Ambos, [](EstadoObra &e) { e.tramo.ESP = 0; },
         "ERROR: Espesor (cm.): 0.000"},
        {"espesor infinito", Ambos, [](EstadoObra &e) { e.tramo.ESP = Infinito; },
         "ERROR: Espesor (cm.): infinito"},
        {"recubrimiento interior negativo", Ambos, [](EstadoObra &e) { e.tramo.RECI = -1; },
         "ERROR: Recubrimiento Interior (cm.): -1.000"},
        {"recubrimiento exterior mas grueso que la pared", Ambos,
         [](EstadoObra &e) { e.tramo.RECE = 15; }, "ERROR: Recubrimiento Exterior (cm.): 15.000"},
        {"diametro exterior menor que el interior", Ambos,
         [](EstadoObra &e) { e.tramo.vDE = 0.9; }, "ERROR: Diámetro Exterior (mts): 0.900"},
        {"densidad del tubo 1e9", Ambos, [](EstadoObra &e) { e.tramo.vGAMAB = 1e9; },
         "ERROR: Densidad del material del tubo: 1000000000.000"},
        {"cuna 7", Ambos, [](EstadoObra &e) { e.tramo.vICUNA = 7; },
         "ERROR: Valor Incorrecto del Tipo de Apoyo: 7"},
        {"colocacion 13", Ambos, [](EstadoObra &e) { e.tramo.CodigoColocacion = 13; },
         "ERROR: Valor Incorrecto del Tipo de Colocación: 13"},
        // The fill-height range, in m.
        {"altura inicial no numerica", Ambos,
         [](EstadoObra &e) { e.tramo.AlturaInicialTramo = NaN; },
         "ERROR: Altura de tierras inicial: no es un número"},
        {"altura final bajo la inicial", Ambos,
         [](EstadoObra &e) { e.tramo.AlturaFinalTramo = 0.5; },
         "ERROR: Alturas de cálculo del Relleno (mts.): 1.000 - 0.500"},
        {"altura final infinita", Ambos,
         [](EstadoObra &e) { e.tramo.AlturaFinalTramo = Infinito; },
         "ERROR: Alturas de cálculo del Relleno (mts.): 1.000 - infinito"},
        {"altura final 1e15", Ambos, [](EstadoObra &e) { e.tramo.AlturaFinalTramo = 1e15; },
         "ERROR: Altura de tierras final: 1e+15"},
        {"paso de altura que no mueve la altura", Ambos,
         [](EstadoObra &e) { e.tramo.IncrementoAltura = 1e-16; },
         "ERROR: Incremento de altura: 1e-16 (mínimo 0.010)"},
        {"paso de altura negativo", Ambos, [](EstadoObra &e) { e.tramo.IncrementoAltura = -1; },
         "ERROR: Incremento de altura: -1.000 (mínimo 0.010)"},
        // Installation, fill and loads.
        {"ancho de zanja no numerico", Ambos, [](EstadoObra &e) { e.tramo.AnchoZanja = NaN; },
         "ERROR: Anchura Zanja (m): no es un número"},
        {"densidad del relleno 0", Ambos, [](EstadoObra &e) { e.tramo.vGAMAT = 0; },
         "ERROR: Densidad del Terreno: 0.000"},
        {"rozamiento no numerico", Ambos, [](EstadoObra &e) { e.tramo.AnguloRozamiento = NaN; },
         "ERROR: Angulo de Rozamiento debe estar entre 0º y 90º"},
        {"rozamiento 90 con cargas de Marston", Ambos,
         [](EstadoObra &e) { e.tramo.AnguloRozamiento = 90; },
         "ERROR: Angulo de Rozamiento debe estar entre 0º y 90º"},
        {"relleno 99", Ambos, [](EstadoObra &e) { e.tramo.TipoRelleno = 99; },
         "ERROR: Valor Incorrecto del Tipo de Relleno: 99"},
        {"zanja terraplenada sin distancia al terreno", Ambos,
         [](EstadoObra &e) {
             e.tramo.CodigoColocacion = 22;
             e.tramo.DistanciaTerrenoNatural = 0;
         },
         "ERROR: Distancia de la Generatriz superior del Tubo a la superficie del terreno natural "
         "hr: 0.000"},
        {"terraplen con razon de asentamiento 5", Ambos,
         [](EstadoObra &e) {
             e.tramo.CodigoColocacion = 31;
             e.tramo.AnchoZanja = 0;
             e.tramo.DistanciaTerrenoNatural = 0.6;
             e.tramo.IndiceAsentamiento = 5;
         },
         "ERROR: Valor Incorrecto de Razón de Asentamiento: 5"},
        {"carga vertical dada infinita", Ambos,
         [](EstadoObra &e) {
             e.tramo.CalculoCargas = 0;
             e.tramo.CargaVerticalTotal = Infinito;
             e.tramo.TipoCargaConcentrada = 0;
         },
         "ERROR: Carga Vertical Total: infinito"},
        {"carga movil 9", Ambos, [](EstadoObra &e) { e.tramo.TipoCargaConcentrada = 9; },
         "ERROR: Valor Incorrecto de Tipos de Carga Concentrada: 9"},
    };
    return casos;
}

struct Listado {
    const char *nombre;
    bool imprimiendo;
    ClaseListado tipo;
};

const std::vector<Listado> Listados = {
    {"pantalla", false, ClaseListado::Normal},
    {"normal", true, ClaseListado::Normal},
    {"tabular", true, ClaseListado::Tabular},
    {"pantalla impresa", true, ClaseListado::Pantalla},
};

struct Tramo : pruebas::ContextoPrueba<pruebas::DepuracionGrabadora, DisenoTubo> {
    Tramo(bool armado, bool enSI)
    {
        pruebas::PreparaTramoArmado(estado, enSI, Ruta);
        if (!armado) {
            pruebas::HazTramoPostesado(estado, enSI, Ruta);
        }
    }

    ErrorCalculo Calcula(const Listado &listado)
    {
        if (listado.imprimiendo) {
            int fin = -1;
            return pruebas::ImprimeTramo(contexto, listado.tipo, fin);
        }
        return pruebas::CalculaEnPantalla(contexto);
    }
};

bool MismoValor(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || a == b;
}

// The message is all the listing holds, and the run is as it was entered.
void EsperaRechazo(const Tramo &t, const DatosTramo &entrada, const Listado &listado,
                   const ErrorCalculo &error, const std::string &mensaje)
{
    EXPECT_TRUE(error);
    EXPECT_EQ(error.mensaje, mensaje);
    EXPECT_EQ(t.estado.caso.ContadorCasos, 0); // no case calculated
    if (listado.imprimiendo) {
        EXPECT_EQ(t.impresora.lineas(), (std::vector<std::string>{" ", B(8) + mensaje}));
        EXPECT_TRUE(t.salida.TextoPantalla().empty());
    } else {
        EXPECT_EQ(t.salida.TextoPantalla(), mensaje + "\n\n");
        EXPECT_TRUE(t.impresora.lineas().empty());
    }
    const DatosTramo &d = t.estado.tramo;
    for (const auto &[obtenido, esperado] : {std::pair{d.ESP, entrada.ESP},
                                             {d.RECI, entrada.RECI},
                                             {d.RECE, entrada.RECE},
                                             {d.Delca, entrada.Delca},
                                             {d.FCK, entrada.FCK},
                                             {d.DPInicialTramo, entrada.DPInicialTramo},
                                             {d.CargaVerticalTotal, entrada.CargaVerticalTotal}}) {
        EXPECT_TRUE(MismoValor(obtenido, esperado)) << obtenido << " " << esperado;
    }
    EXPECT_EQ(d.vICUNA, entrada.vICUNA);
    EXPECT_FALSE(t.estado.ejecucion.EnUnidadesCalculo);
}

TEST(CompruebaCalculo, ElTramoDeLosListadosSeCalcula)
{
    for (const bool armado : {true, false}) {
        for (const Listado &listado : Listados) {
            SCOPED_TRACE(std::string(armado ? "armado " : "postesado ") + listado.nombre);
            Tramo t(armado, false);
            EXPECT_FALSE(t.Calcula(listado));
            EXPECT_EQ(t.estado.caso.ContadorCasos, 9);
        }
    }
}

// Each case spoils one field of a sound run of the pipe kinds it names; each is refused in
// every listing kind before the first case.
void EsperaRechazos(const std::vector<CasoHostil> &casos)
{
    for (const CasoHostil &c : casos) {
        SCOPED_TRACE(c.nombre);
        for (const bool armado : {true, false}) {
            if ((c.tubos & (armado ? Armado : Postesado)) == 0) {
                continue;
            }
            SCOPED_TRACE(armado ? "armado" : "postesado");
            for (const Listado &listado : Listados) {
                SCOPED_TRACE(listado.nombre);
                Tramo t(armado, false);
                c.estropea(t.estado);
                const DatosTramo entrada = t.estado.tramo;
                const ErrorCalculo error = t.Calcula(listado);
                EsperaRechazo(t, entrada, listado, error, c.mensaje);
            }
        }
    }
}

TEST(CompruebaCalculo, DatosHostilesSeRechazanAntesDelPrimerCaso)
{
    EsperaRechazos(CasosHostiles());
}

// --- Tiny values -------------------------------------------------------------------------------

const double Diminuto = 1e-300;

// The run's pressures cleared: the project's law and range apply.
void SinPresionesDelTramo(EstadoObra &e)
{
    e.tramo.DPInicialTramo = 0;
    e.tramo.DPFinalTramo = 0;
    e.tramo.MDPInicialTramo = 0;
    e.tramo.MDPFinalTramo = 0;
}

// The run's heights cleared: the project's range and step apply.
void SinAlturasDelTramo(EstadoObra &e)
{
    e.tramo.AlturaInicialTramo = 0;
    e.tramo.AlturaFinalTramo = 0;
}

// A total vertical load given by the run, in t/m2.
void CargaDada(EstadoObra &e, double carga)
{
    e.tramo.CalculoCargas = 0;
    e.tramo.CargaVerticalTotal = carga;
    e.tramo.TipoCargaConcentrada = 0;
}

// Every value the check reads, in the role the run gives it, holding 1e-300: each is a mistake,
// never a value to calculate with.
const std::vector<CasoHostil> &CasosDiminutos()
{
    static const std::vector<CasoHostil> casos = {
        // The run's pressures and the project's.
        {"DP inicial", Ambos, [](EstadoObra &e) { e.tramo.DPInicialTramo = Diminuto; },
         "ERROR: Presión inicial: 1e-300"},
        {"DP final", Ambos, [](EstadoObra &e) { e.tramo.DPFinalTramo = Diminuto; },
         "ERROR: Presión final: 1e-300"},
        // A step lost in the rounding of the first DP would cut the range to one DP.
        {"paso de presion", Ambos,
         [](EstadoObra &e) { e.tramo.IncrementoPresionTramo = Diminuto; },
         "ERROR: Incremento de Presión: 1e-300 (mínimo 0.010)"},
        {"MDP inicial", Ambos, [](EstadoObra &e) { e.tramo.MDPInicialTramo = Diminuto; },
         "ERROR: Presión MDP inicial: 1e-300"},
        {"MDP final", Ambos, [](EstadoObra &e) { e.tramo.MDPFinalTramo = Diminuto; },
         "ERROR: Presión MDP final: 1e-300"},
        {"DP inicial de la obra", Ambos,
         [](EstadoObra &e) {
             SinPresionesDelTramo(e);
             e.obra.DPInicialObra = Diminuto;
         },
         "ERROR: Presión inicial: 1e-300"},
        {"DP final de la obra", Ambos,
         [](EstadoObra &e) {
             SinPresionesDelTramo(e);
             e.obra.DPFinalObra = Diminuto;
         },
         "ERROR: Presión final: 1e-300"},
        {"paso de presion de la obra", Ambos,
         [](EstadoObra &e) {
             SinPresionesDelTramo(e);
             e.obra.IncrementoPresionObra = Diminuto;
         },
         "ERROR: Incremento de Presión: 1e-300 (mínimo 0.010)"},
        {"MDP inicial de la obra", Ambos,
         [](EstadoObra &e) {
             SinPresionesDelTramo(e);
             e.obra.MDPInicialObra = Diminuto;
         },
         "ERROR: Presión MDP inicial: 1e-300"},
        {"MDP final de la obra", Ambos,
         [](EstadoObra &e) {
             SinPresionesDelTramo(e);
             e.obra.MDPFinalObra = Diminuto;
         },
         "ERROR: Presión MDP final: 1e-300"},
        // Reinforced-concrete materials.
        {"armadura exterior maxima", Armado,
         [](EstadoObra &e) {
             e.tramo.FijaArmaduraExterior = Verdadero;
             e.tramo.ArmaduraExteriorMaxima = Diminuto;
         },
         "ERROR: Valor Máximo Armadura Exterior: 1e-300"},
        {"camisa maxima", Armado, [](EstadoObra &e) { e.tramo.CAMMAX = Diminuto; },
         "ERROR: Espesor Máximo de Camisa: 1e-300"},
        {"fck", Armado, [](EstadoObra &e) { e.tramo.FCK = Diminuto; },
         "ERROR: Resist. del hormigón a compresión: 1e-300"},
        {"fct", Armado, [](EstadoObra &e) { e.tramo.Fct = Diminuto; },
         "ERROR: Resistencia característica del hormigón a tracción: 1e-300"},
        {"fyk", Armado, [](EstadoObra &e) { e.tramo.Fyk = Diminuto; },
         "ERROR: Resistencia característica del acero: 1e-300"},
        {"fyd", Armado, [](EstadoObra &e) { e.tramo.Fyd = Diminuto; },
         "ERROR: Resistencia de cálculo del acero: 1e-300"},
        {"gamma b", Armado, [](EstadoObra &e) { e.tramo.GamaB = Diminuto; },
         "ERROR: Coeficiente de minoración de la resistencia del hormigón: 1e-300"},
        {"gamma y", Armado, [](EstadoObra &e) { e.tramo.GamaY = Diminuto; },
         "ERROR: Gamay: Coeficiente de Minoración del Acero: 1e-300"},
        {"gamma f", Armado, [](EstadoObra &e) { e.tramo.GamaF = Diminuto; },
         "ERROR: Gamaf: Coeficiente de Mayoración de Cargas: 1e-300"},
        // Post-tensioned materials.
        {"coeficiente de presion", Postesado,
         [](EstadoObra &e) {
             e.tramo.FijaPresionPrimario = Verdadero;
             e.tramo.CoefPresionPrimario = Diminuto;
         },
         "ERROR: Coeficiente de Presión: 1e-300"},
        {"chapa", Postesado, [](EstadoObra &e) { e.tramo.Delca = Diminuto; },
         "ERROR: Espesor máximo (mm.): 1e-300"},
        {"modulo del acero", Postesado, [](EstadoObra &e) { e.tramo.Es = Diminuto; },
         "ERROR: Mod. Elasticidad Acero: 1e-300"},
        {"modulo del alambre", Postesado, [](EstadoObra &e) { e.tramo.Ep = Diminuto; },
         "ERROR: Mod. Elasticidad Alambre: 1e-300"},
        {"primario al zunchar", Postesado, [](EstadoObra &e) { e.tramo.Fckno = Diminuto; },
         "ERROR: Resistencia Primario al zunchar: 1e-300"},
        {"primario final", Postesado, [](EstadoObra &e) { e.tramo.Fckn = Diminuto; },
         "ERROR: Resistencia Primario al Final: 1e-300"},
        {"revestimiento", Postesado, [](EstadoObra &e) { e.tramo.Fckr = Diminuto; },
         "ERROR: Resistencia del revestimiento: 1e-300"},
        {"rotura del alambre", Postesado, [](EstadoObra &e) { e.tramo.SFck = Diminuto; },
         "ERROR: Tensión rotura alambre: 1e-300"},
        {"tension de tesado", Postesado, [](EstadoObra &e) { e.tramo.Sf = Diminuto; },
         "ERROR: Tensión de tesado: 1e-300"},
        {"relajacion", Postesado, [](EstadoObra &e) { e.tramo.Rel = Diminuto; },
         "ERROR: Relajación Final (%): 1e-300"},
        {"fluencia del primario", Postesado, [](EstadoObra &e) { e.tramo.Fic = Diminuto; },
         "ERROR: Coeficiente fluencia del primario: 1e-300"},
        {"fluencia del revestimiento", Postesado, [](EstadoObra &e) { e.tramo.Fir = Diminuto; },
         "ERROR: Coeficiente fluencia del revestimiento: 1e-300"},
        {"retraccion del primario", Postesado, [](EstadoObra &e) { e.tramo.Epsc = Diminuto; },
         "ERROR: Coeficiente retracción primario: 1e-300"},
        {"retraccion del revestimiento", Postesado, [](EstadoObra &e) { e.tramo.Epsr = Diminuto; },
         "ERROR: Coeficiente retracción revestimiento: 1e-300"},
        // The section.
        {"diametro interior", Ambos, [](EstadoObra &e) { e.tramo.vDi = Diminuto; },
         "ERROR: Diámetro Interior (mts): 1e-300"},
        {"espesor", Ambos, [](EstadoObra &e) { e.tramo.ESP = Diminuto; },
         "ERROR: Espesor (cm.): 1e-300"},
        {"recubrimiento interior", Ambos, [](EstadoObra &e) { e.tramo.RECI = Diminuto; },
         "ERROR: Recubrimiento Interior (cm.): 1e-300"},
        {"recubrimiento exterior", Ambos, [](EstadoObra &e) { e.tramo.RECE = Diminuto; },
         "ERROR: Recubrimiento Exterior (cm.): 1e-300"},
        {"diametro exterior", Ambos, [](EstadoObra &e) { e.tramo.vDE = Diminuto; },
         "ERROR: Diámetro Exterior (mts): 1e-300"},
        {"densidad del tubo", Ambos, [](EstadoObra &e) { e.tramo.vGAMAB = Diminuto; },
         "ERROR: Densidad del material del tubo: 1e-300"},
        // The fill heights of the run and of the project.
        {"altura inicial", Ambos, [](EstadoObra &e) { e.tramo.AlturaInicialTramo = Diminuto; },
         "ERROR: Altura de tierras inicial: 1e-300"},
        {"altura final", Ambos, [](EstadoObra &e) { e.tramo.AlturaFinalTramo = Diminuto; },
         "ERROR: Alturas de cálculo del Relleno (mts.): 1.000 - 1e-300"},
        {"paso de altura", Ambos, [](EstadoObra &e) { e.tramo.IncrementoAltura = Diminuto; },
         "ERROR: Incremento de altura: 1e-300 (mínimo 0.010)"},
        {"altura inicial de la obra", Ambos,
         [](EstadoObra &e) {
             SinAlturasDelTramo(e);
             e.obra.AlturaInicialObra = Diminuto;
         },
         "ERROR: Altura de tierras inicial: 1e-300"},
        {"altura final de la obra", Ambos,
         [](EstadoObra &e) {
             SinAlturasDelTramo(e);
             e.obra.AlturaFinalObra = Diminuto;
         },
         "ERROR: Datos por defecto de Altura de tierras (Metros): 1.000 - 1e-300"},
        {"paso de altura de la obra", Ambos,
         [](EstadoObra &e) {
             SinAlturasDelTramo(e);
             e.obra.IncrementoAlturaObra = Diminuto;
         },
         "ERROR: Incremento de Altura de tierras: 1e-300 (mínimo 0.010)"},
        // Installation, fill and loads.
        {"ancho de zanja", Ambos, [](EstadoObra &e) { e.tramo.AnchoZanja = Diminuto; },
         "ERROR: Anchura Zanja (m): 1e-300"},
        {"densidad del relleno", Ambos, [](EstadoObra &e) { e.tramo.vGAMAT = Diminuto; },
         "ERROR: Densidad del Terreno: 1e-300"},
        {"rozamiento", Ambos, [](EstadoObra &e) { e.tramo.AnguloRozamiento = Diminuto; },
         "ERROR: Angulo de Rozamiento debe estar entre 0º y 90º"},
        {"rozamiento con la carga dada", Ambos,
         [](EstadoObra &e) {
             CargaDada(e, 20);
             e.tramo.AnguloRozamiento = Diminuto;
         },
         "ERROR: Angulo de Rozamiento debe estar entre 0º y 90º"},
        {"distancia al terreno natural", Ambos,
         [](EstadoObra &e) {
             e.tramo.CodigoColocacion = 22;
             e.tramo.DistanciaTerrenoNatural = Diminuto;
         },
         "ERROR: Distancia de la Generatriz superior del Tubo a la superficie del terreno natural "
         "hr: 1e-300"},
        {"carga vertical dada", Ambos, [](EstadoObra &e) { CargaDada(e, Diminuto); },
         "ERROR: Carga Vertical Total: 1e-300"},
    };
    return casos;
}

TEST(CompruebaCalculo, UnValorDiminutoSeRechazaEnCadaCampo)
{
    EsperaRechazos(CasosDiminutos());
}

// Each bound is a value still taken, a little below it is refused; 0 passes only where the run
// may hold it (no sheet, no DP, no shrinkage, no given load, no angle with a given load).
TEST(CompruebaCalculo, ElMinimoDeCadaCampoSeAceptaYPorDebajoNo)
{
    struct Caso {
        const char *nombre;
        Tubos tubos;
        void (*pon)(EstadoObra &, double);
        double valor;
        bool aceptado;
    };
    const std::vector<Caso> casos = {
        {"fck 1", Armado, [](EstadoObra &e, double v) { e.tramo.FCK = v; }, 1, true},
        {"fck 0.99", Armado, [](EstadoObra &e, double v) { e.tramo.FCK = v; }, 0.99, false},
        {"modulo del acero 1", Postesado, [](EstadoObra &e, double v) { e.tramo.Es = v; }, 1,
         true},
        {"tesado 0.5", Postesado, [](EstadoObra &e, double v) { e.tramo.Sf = v; }, 0.5, false},
        {"gamma b 0.1", Armado, [](EstadoObra &e, double v) { e.tramo.GamaB = v; }, 0.1, true},
        {"gamma b 0.09", Armado, [](EstadoObra &e, double v) { e.tramo.GamaB = v; }, 0.09, false},
        {"recubrimiento 0.05", Ambos, [](EstadoObra &e, double v) { e.tramo.RECI = v; }, 0.05,
         true},
        {"recubrimiento 0.04", Ambos, [](EstadoObra &e, double v) { e.tramo.RECE = v; }, 0.04,
         false},
        {"recubrimiento 0", Ambos, [](EstadoObra &e, double v) { e.tramo.RECI = v; }, 0, false},
        // The lined cylinder's inner cover as the window derives it from 12 and 11.9.
        {"recubrimiento 12 - 11.9", Postesado,
         [](EstadoObra &e, double v) {
             e.tramo.ESP = 12;
             e.tramo.vDE = e.tramo.vDi + 0.24;
             e.tramo.RECE = 11.9;
             e.tramo.RECI = v;
         },
         12 - 11.9, true},
        {"camisa maxima 0", Armado, [](EstadoObra &e, double v) { e.tramo.CAMMAX = v; }, 0, true},
        {"camisa maxima 0.1", Armado, [](EstadoObra &e, double v) { e.tramo.CAMMAX = v; }, 0.1,
         true},
        {"camisa maxima 0.05", Armado, [](EstadoObra &e, double v) { e.tramo.CAMMAX = v; }, 0.05,
         false},
        {"chapa 0", Postesado, [](EstadoObra &e, double v) { e.tramo.Delca = v; }, 0, true},
        {"DP inicial 0", Ambos, [](EstadoObra &e, double v) { e.tramo.DPInicialTramo = v; }, 0,
         true},
        {"DP inicial 0.005", Ambos, [](EstadoObra &e, double v) { e.tramo.DPInicialTramo = v; },
         0.005, false},
        {"altura inicial 0.01", Ambos,
         [](EstadoObra &e, double v) { e.tramo.AlturaInicialTramo = v; }, 0.01, true},
        {"altura inicial 0.005", Ambos,
         [](EstadoObra &e, double v) { e.tramo.AlturaInicialTramo = v; }, 0.005, false},
        {"ancho de zanja 0.1", Ambos, [](EstadoObra &e, double v) { e.tramo.AnchoZanja = v; }, 0.1,
         true},
        {"ancho de zanja 0.09", Ambos, [](EstadoObra &e, double v) { e.tramo.AnchoZanja = v; },
         0.09, false},
        {"distancia al terreno 0.01", Ambos,
         [](EstadoObra &e, double v) {
             e.tramo.CodigoColocacion = 22;
             e.tramo.DistanciaTerrenoNatural = v;
         },
         0.01, true},
        {"distancia al terreno 0.005", Ambos,
         [](EstadoObra &e, double v) {
             e.tramo.CodigoColocacion = 22;
             e.tramo.DistanciaTerrenoNatural = v;
         },
         0.005, false},
        {"rozamiento 0.01", Ambos, [](EstadoObra &e, double v) { e.tramo.AnguloRozamiento = v; },
         0.01, true},
        {"rozamiento 0 con la carga dada", Ambos,
         [](EstadoObra &e, double v) {
             CargaDada(e, 20);
             e.tramo.AnguloRozamiento = v;
         },
         0, true},
        {"carga dada 0", Ambos, [](EstadoObra &e, double v) { CargaDada(e, v); }, 0, true},
        {"carga dada 0.0005", Ambos, [](EstadoObra &e, double v) { CargaDada(e, v); }, 0.0005,
         false},
        {"fluencia 0.01", Postesado, [](EstadoObra &e, double v) { e.tramo.Fic = v; }, 0.01, true},
        {"relajacion 0.005", Postesado, [](EstadoObra &e, double v) { e.tramo.Rel = v; }, 0.005,
         false},
        {"retraccion 0", Postesado, [](EstadoObra &e, double v) { e.tramo.Epsr = v; }, 0, true},
        {"retraccion 0.00001", Postesado, [](EstadoObra &e, double v) { e.tramo.Epsc = v; },
         0.00001, true},
        {"retraccion 0.000005", Postesado, [](EstadoObra &e, double v) { e.tramo.Epsc = v; },
         0.000005, false},
        {"coeficiente de presion 0.1", Postesado,
         [](EstadoObra &e, double v) {
             e.tramo.FijaPresionPrimario = Verdadero;
             e.tramo.CoefPresionPrimario = v;
         },
         0.1, true},
        {"armadura exterior maxima 0.001", Armado,
         [](EstadoObra &e, double v) {
             e.tramo.FijaArmaduraExterior = Verdadero;
             e.tramo.ArmaduraExteriorMaxima = v;
         },
         0.001, true},
        {"armadura exterior maxima 0.0005", Armado,
         [](EstadoObra &e, double v) {
             e.tramo.FijaArmaduraExterior = Verdadero;
             e.tramo.ArmaduraExteriorMaxima = v;
         },
         0.0005, false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        for (const bool armado : {true, false}) {
            if ((c.tubos & (armado ? Armado : Postesado)) == 0) {
                continue;
            }
            SCOPED_TRACE(armado ? "armado" : "postesado");
            Tramo t(armado, false);
            c.pon(t.estado, c.valor);
            const GuardaUnidadesCalculo unidades(t.estado);
            RangoAlturas(t.estado);
            PreparaLeyMDP(t.estado);
            const ErrorCalculo error = CompruebaDatosCalculo(t.estado, -1, -1);
            EXPECT_EQ(!error, c.aceptado) << error.mensaje;
        }
    }
}

// In SI the value is shown as the engineer typed it, in MPa; the bounds hold in MPa too.
TEST(CompruebaCalculo, ValoresEnLasUnidadesDeLaPantalla)
{
    struct Caso {
        const char *nombre;
        void (*estropea)(EstadoObra &);
        std::string mensaje;
    };
    const std::vector<Caso> casos = {
        {"DP inicial negativa", [](EstadoObra &e) { e.tramo.DPInicialTramo = -0.4; },
         "ERROR: Presión inicial: -0.400"},
        {"paso de presion diminuto", [](EstadoObra &e) { e.tramo.IncrementoPresionTramo = 1e-8; },
         "ERROR: Incremento de Presión: 1e-08 (mínimo 0.001)"},
        // 10^6 MPa is 10^7 kp/cm2, the largest strength; a little more is refused.
        {"fyk pasado el limite", [](EstadoObra &e) { e.tramo.Fyk = 1000001; },
         "ERROR: Resistencia característica del acero: 1000001.000"},
        {"carga vertical de 200 MPa",
         [](EstadoObra &e) {
             e.tramo.CalculoCargas = 0;
             e.tramo.CargaVerticalTotal = 200;
             e.tramo.TipoCargaConcentrada = 0;
         },
         "ERROR: Carga Vertical Total: 200.000"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Tramo t(true, true);
        c.estropea(t.estado);
        const DatosTramo entrada = t.estado.tramo;
        const ErrorCalculo error = t.Calcula(Listados.front());
        EsperaRechazo(t, entrada, Listados.front(), error, c.mensaje);
    }
    // The bound itself is a strength still taken.
    Tramo t(true, true);
    t.estado.tramo.Fyk = 1000000;
    const GuardaUnidadesCalculo unidades(t.estado);
    RangoAlturas(t.estado);
    EXPECT_FALSE(CompruebaDatosCalculo(t.estado, -1, -1));
}

// --- Ranges ------------------------------------------------------------------------------------

struct CasoRango {
    const char *nombre;
    double alturaInicial, alturaFinal, pasoAltura; // m
    double DPInicial, DPFinal, pasoPresion;        // at, MDP = DP
    std::string mensaje;                           // empty: calculated
};

// Ranges that would run for hours, or never end, are refused at once; the number of cases is
// that of the case loop: every height, and every DP of a height.
TEST(CompruebaCalculo, RangosDemasiadoGrandesSeRechazanDeUnaVez)
{
    const std::vector<CasoRango> casos = {
        {.nombre = "paso de altura de 1e-6 m",
         .alturaInicial = 0.5,
         .alturaFinal = 15,
         .pasoAltura = 1e-6,
         .DPInicial = 4,
         .DPFinal = 10,
         .pasoPresion = 3,
         .mensaje = "ERROR: Incremento de altura: 1e-06 (mínimo 0.010)"},
        {.nombre = "paso de presion de 1e-7 at",
         .alturaInicial = 1,
         .alturaFinal = 3,
         .pasoAltura = 1,
         .DPInicial = 4,
         .DPFinal = 10,
         .pasoPresion = 1e-7,
         .mensaje = "ERROR: Incremento de Presión: 1e-07 (mínimo 0.010)"},
        // A single DP takes no step: the one the run keeps for a wider range is not checked.
        {.nombre = "una DP con un paso de 0.001 at",
         .alturaInicial = 1,
         .alturaFinal = 3,
         .pasoAltura = 1,
         .DPInicial = 10,
         .DPFinal = 10,
         .pasoPresion = 0.001,
         .mensaje = ""},
        {.nombre = "altura final 1e300",
         .alturaInicial = 1,
         .alturaFinal = 1e300,
         .pasoAltura = 1,
         .DPInicial = 4,
         .DPFinal = 10,
         .pasoPresion = 3,
         .mensaje = "ERROR: Altura de tierras final: 1e+300"},
        {.nombre = "presion final 1e300",
         .alturaInicial = 1,
         .alturaFinal = 3,
         .pasoAltura = 1,
         .DPInicial = 4,
         .DPFinal = 1e300,
         .pasoPresion = 3,
         .mensaje = "ERROR: Presión final: 1e+300"},
        // 6337 heights (1 to 100 m by 1/64 m) by 25 DPs (4 to 10 at by 0.25 at).
        {.nombre = "158425 casos",
         .alturaInicial = 1,
         .alturaFinal = 100,
         .pasoAltura = 1.0 / 64,
         .DPInicial = 4,
         .DPFinal = 10,
         .pasoPresion = 0.25,
         .mensaje = "ERROR: Número de casos de cálculo: 158425 (máximo 100000)"},
        // 10 heights by 10000 DPs (1/64 to 156.25 at by 1/64 at; 156.265625 passes the final
        // DP 156.0625 by more than 0.2 at): the most a run may hold.
        {.nombre = "100000 casos",
         .alturaInicial = 1,
         .alturaFinal = 10,
         .pasoAltura = 1,
         .DPInicial = 1.0 / 64,
         .DPFinal = 156.0625,
         .pasoPresion = 1.0 / 64,
         .mensaje = ""},
        {.nombre = "110000 casos",
         .alturaInicial = 1,
         .alturaFinal = 11,
         .pasoAltura = 1,
         .DPInicial = 1.0 / 64,
         .DPFinal = 156.0625,
         .pasoPresion = 1.0 / 64,
         .mensaje = "ERROR: Número de casos de cálculo: 110000 (máximo 100000)"},
    };
    for (const CasoRango &c : casos) {
        SCOPED_TRACE(c.nombre);
        EstadoObra estado;
        pruebas::PreparaTramoArmado(estado, false, Ruta);
        DatosTramo &t = estado.tramo;
        t.AlturaInicialTramo = c.alturaInicial;
        t.AlturaFinalTramo = c.alturaFinal;
        t.IncrementoAltura = c.pasoAltura;
        t.DPInicialTramo = c.DPInicial;
        t.DPFinalTramo = c.DPFinal;
        t.MDPInicialTramo = c.DPInicial;
        t.MDPFinalTramo = c.DPFinal;
        t.IncrementoPresionTramo = c.pasoPresion;
        const GuardaUnidadesCalculo unidades(estado);
        RangoAlturas(estado);
        const ErrorCalculo error = CompruebaDatosCalculo(estado, -1, -1);
        EXPECT_EQ(static_cast<bool>(error), !c.mensaje.empty());
        EXPECT_EQ(error.mensaje, c.mensaje);
    }
}

// The whole loop on a refused range: the message at once, no case, no design.
TEST(CompruebaCalculo, PasoDiminutoNoCalculaNingunCaso)
{
    for (const Listado &listado : Listados) {
        SCOPED_TRACE(listado.nombre);
        Tramo t(true, false);
        t.estado.tramo.AlturaInicialTramo = 0.5;
        t.estado.tramo.AlturaFinalTramo = 15;
        t.estado.tramo.IncrementoAltura = 1e-6;
        const DatosTramo entrada = t.estado.tramo;
        const ErrorCalculo error = t.Calcula(listado);
        EsperaRechazo(t, entrada, listado, error,
                      "ERROR: Incremento de altura: 1e-06 (mínimo 0.010)");
    }
}

// --- One case ----------------------------------------------------------------------------------

TEST(CompruebaCalculo, UnCasoSueltoConAlturaOPresionImposibles)
{
    struct Caso {
        const char *nombre;
        double altura, dp;
        std::string mensaje;
    };
    const std::vector<Caso> casos = {
        {"altura no numerica", NaN, 4, "ERROR: Altura (m): no es un número"},
        {"altura de 1e9 m", 1e9, 4, "ERROR: Altura (m): 1000000000.000"},
        {"DP infinita", 2, Infinito, "ERROR: DP: infinito"},
        {"DP de 2000 at", 2, 2000, "ERROR: DP: 2000.000"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Tramo t(true, false);
        t.estado.listado.Imprimiendo = false;
        std::int32_t numeroCaso = 1;
        ErrorCalculo error;
        {
            const GuardaUnidadesCalculo unidades(t.estado);
            error = CalculaCasos(t.contexto, numeroCaso, c.altura, c.dp);
        }
        EXPECT_TRUE(error);
        EXPECT_EQ(error.mensaje, c.mensaje);
        EXPECT_EQ(t.estado.caso.ContadorCasos, 0);
        EXPECT_EQ(t.salida.TextoPantalla(), c.mensaje + "\n\n");
    }
}

// --- Values in messages ------------------------------------------------------------------------

TEST(CompruebaCalculo, ValoresDeLosMensajes)
{
    EstadoEjecucion ejecucion;
    ejecucion.SeparadorDecimalLocal = ",";
    struct Caso {
        double valor;
        std::string texto;
    };
    const std::vector<Caso> casos = {
        {0, "0,000"},
        {-2.5, "-2,500"},
        {1234.5678, "1234,568"},
        {0.0005, "0,001"}, // three decimals as the loop's messages
        {0.0004, "0,0004"},
        {1e-300, "1e-300"}, // too small for three decimals
        {1.5e15, "1,5e+15"},
        {NaN, "no es un número"},
        {Infinito, "infinito"},
        {-Infinito, "-infinito"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(ValorEnMensaje(ejecucion, c.valor), c.texto);
    }
    // Named in the interface language, never as "nan" or "inf".
    ejecucion.DesplazamientoIdioma = 5000;
    EXPECT_EQ(ValorEnMensaje(ejecucion, NaN), "not a number");
    EXPECT_EQ(ValorEnMensaje(ejecucion, Infinito), "infinite");
}

} // namespace
} // namespace dravek
