#include "core/reinforced/CalculaArmado.h"

#include "core/engine/HipotesisArmado.h"
#include "core/engine/ImprimeDatosCaso.h"
#include "core/listing/Depuracion.h"
#include "core/listing/TextosFijos.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/reinforced/AjustesGuardados.h"
#include "core/reinforced/ArmaduraPresion.h"
#include "core/reinforced/ArmaduraTubo.h"
#include "core/reinforced/ComprobacionesArmado.h"
#include "core/reinforced/DisponeArmadura.h"
#include "core/reinforced/FlexionCompuesta.h"
#include "core/reinforced/ListadoArmado.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace dravek {

namespace {

constexpr double Pi = 3.1415926535898;
constexpr std::int16_t SeccionesDisenadas = 3; // crown, haunch, invert
constexpr std::int16_t EstadoEspesorInsuficiente = 1;
constexpr double AreaPorMilimetroCamisa = 10.0; // cm2/m per mm of sheet
constexpr double CmCuadradosPorM2 = 100.0 * 100.0;
constexpr double TmPorAt = 10.0; // t/m2 per at

// Columns of ResultadosHipotesis.
enum Columna : std::size_t {
    ColInterior = 1,
    ColExterior = 2,
    ColTotal = 3,
    ColIESP = 4,
    ColNESPIN = 5,
    ColNEXPEX = 6,
    ColCAMISA = 7,
};

double AreaEspiras(double diametro, double espiras)
{
    return diametro * diametro * Pi / 400 * espiras;
}

// Inner face of the layout held: the inner spirals and the cylinder.
double AreaInterior(const ResultadosCaso &r)
{
    return AreaEspiras(r.FIIN, r.NESPIN) + r.CAMISA * AreaPorMilimetroCamisa;
}

double AreaExterior(const ResultadosCaso &r)
{
    return AreaEspiras(r.FIEX, r.NEXPEX);
}

void FijaArmadurasCalculadas(ResultadosCaso &r)
{
    r.ArmaduraCalculadaCamisa = r.CAMISA * AreaPorMilimetroCamisa;
    r.ArmaduraCalculadaRefuerzo = AreaEspiras(r.FIIN, r.NESPIN);
    r.ArmaduraCalculadaExterior = AreaExterior(r);
}

void PonDisposicion(ResultadosCaso &r, const DisposicionArmadura &interior,
                    const DisposicionArmadura &exterior)
{
    r.CAMISA = interior.Camisa;
    r.FIIN = interior.Diametro;
    r.NESPIN = static_cast<double>(interior.Espiras);
    r.FIEX = exterior.Diametro;
    r.NEXPEX = static_cast<double>(exterior.Espiras);
}

// The internal pressure whose ring tension the axial forces of hypothesis h include (at).
double PresionHipotesis(const DatosCaso &caso, std::int16_t h)
{
    switch (h) {
    case 1:
        return caso.PPNeta;
    case 3:
        return caso.STP;
    case 4:
        return caso.DP;
    case 5:
        return caso.MDP;
    default:
        return 0;
    }
}

// The band of CuantiaMaximaRetraccion that held, as the debug file names it.
const char *ReglaCuantia(double FCK)
{
    if (FCK <= 350) {
        return "FCK <= 350# and ASCR <= 0.096";
    }
    if (FCK <= 400) {
        return "350# < FCK And FCK <= 400# and ASCR <= ASC";
    }
    if (FCK <= 500) {
        return "400# < FCK And FCK <= 500# and ASCR <= ASC";
    }
    if (FCK <= 600) {
        return "500# < FCK And FCK <= 600# and ASCR <= ASC";
    }
    return "FCK > 600# and ASCR <= 0.33";
}

// The parts of the layout's debug lines that only the run decides, kept in fijas.
enum FijaDisposicion : std::size_t {
    FijaMuro,         // the first line's text, the wall thickness and the two covers
    FijaHipotesis,    // the third line's text and the count of hypotheses
    FijaCamisaMaxima, // the cylinder's maximum, as a number of a debug line
    NumeroFijasDisposicion
};

// Three debug lines of the wall and the layout, from the text of the first. What only the run
// decides is built at its first case and kept in fijas, a set for each place that writes them.
void DepuraDisposicion(ContextoCalculo &contexto, TextosFijos &fijas, std::int32_t primerTexto,
                       std::int16_t NSEC, std::int16_t IESP)
{
    const EstadoObra &estado = contexto.estado;
    const std::string &sep = estado.ejecucion.SeparadorDecimalLocal;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const DatosTramo &t = estado.tramo;
    const ResultadosCaso &r = estado.resultados;
    DepuracionCalculo &depuracion = contexto.depuracion;
    std::string &memoria = contexto.memoria.linea;
    if (!depuracion.Activa()) {
        return;
    }
    FirmaTextos firma;
    firma.Con(d)
        .Con(std::string_view(sep))
        .Con(primerTexto)
        .Con(t.ESP)
        .Con(t.RECI)
        .Con(t.RECE)
        .Con(t.CAMMAX);
    if (fijas.Renueva(firma, NumeroFijasDisposicion)) {
        // Written from the first column: a debug line appends them as they stand.
        constexpr int SinSangria = 1;
        fijas[FijaMuro] = LineaDepuracion(sep, SinSangria)
                              .Anade(Texto(d, primerTexto))
                              .Anade(t.ESP)
                              .Anade(t.RECI)
                              .Anade(t.RECE)
                              .Linea();
        // The count of hypotheses, not the one being designed.
        fijas[FijaHipotesis] = LineaDepuracion(sep, SinSangria)
                                   .Anade(Texto(d, primerTexto + 2))
                                   .Anade(std::int32_t{NumeroHipotesisArmado})
                                   .Linea();
        fijas[FijaCamisaMaxima] = LineaDepuracion(sep, SinSangria).Anade(t.CAMMAX).Linea();
    }
    depuracion.EscribeLinea(
        LineaDepuracion(memoria, sep).Anade(fijas[FijaMuro]).Anade(r.CAMISA).Linea());
    depuracion.EscribeLinea(LineaDepuracion(memoria, sep)
                                .Anade(Texto(d, primerTexto + 1))
                                .Anade(r.FIIN)
                                .Anade(r.NESPIN)
                                .Anade(r.FIEX)
                                .Anade(r.NEXPEX)
                                .Linea());
    depuracion.EscribeLinea(LineaDepuracion(memoria, sep)
                                .Anade(fijas[FijaHipotesis])
                                .Anade(std::int32_t{NSEC})
                                .Anade(std::int32_t{IESP})
                                .Anade(fijas[FijaCamisaMaxima])
                                .Linea());
}

// The stored override of the case, if the project has one. A file that cannot be read ends the
// calculation: designing without an override the engineer stored would list a wrong result as
// a right one.
ErrorCalculo LeeAjusteDelCaso(ContextoCalculo &contexto, std::optional<AjusteGuardado> &ajuste)
{
    ajuste.reset();
    AjustesGuardados *ajustes = contexto.ajustes;
    if (ajustes == nullptr) {
        return {};
    }
    const EstadoObra &estado = contexto.estado;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const std::int16_t k = ajustes->BuscaAjusteGuardado(estado.caso.DP, estado.tramo.TramoActual,
                                                        estado.caso.AlturaActual);
    if (k == AjustesIlegibles) {
        return FalloArmado(contexto, Texto(d, TextoError) + " " + Texto(d, TextoAlAbrirFichero) +
                                         " " + ajustes->NombreFicheroAjustes());
    }
    if (k <= 0) {
        return {};
    }
    ajuste = ajustes->LeeAjusteGuardado(k);
    if (!ajuste || !std::isfinite(ajuste->Camisa) || !std::isfinite(ajuste->Refuerzo) ||
        !std::isfinite(ajuste->Exterior)) {
        ajuste.reset();
        return FalloArmado(contexto, Texto(d, TextoError) + " " +
                                         Texto(d, TextoAlDecodificarFichero) + " " +
                                         ajustes->NombreFicheroAjustes());
    }
    return {};
}

// The case's heading, the ring forces of every hypothesis combined and listed.
ErrorCalculo EsfuerzosDelCaso(ContextoCalculo &contexto, std::int32_t numeroCaso, double RadioTubo,
                              TablaHipotesis &MomentosPorHipotesis,
                              TablaHipotesis &AxilesPorHipotesis)
{
    EstadoObra &estado = contexto.estado;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const std::string &sep = estado.ejecucion.SeparadorDecimalLocal;
    DepuracionCalculo &depuracion = contexto.depuracion;

    if (depuracion.Activa()) {
        depuracion.EscribeLinea(LineaDepuracion(sep).Anade(std::string(60, '=')).Linea());
    }
    ListaCabeceraArmado(contexto, numeroCaso);

    if (depuracion.Activa()) {
        depuracion.EscribeLinea(LineaDepuracion(sep)
                                    .Anade(Texto(d, 547))
                                    .Anade(std::int32_t{estado.tramo.IndicadorCamisa})
                                    .SiguienteZona()
                                    .Anade(RadioTubo)
                                    .SiguienteZona()
                                    .Anade(std::int32_t{0})
                                    .Linea());
    }

    if (CombinaHipotesis(estado, MomentosPorHipotesis, AxilesPorHipotesis, RadioTubo) !=
        ErrorHipotesis::Ninguno) {
        // Said here and the case ends: the case heading, which would say it again, is not
        // reached.
        return FalloArmado(contexto,
                           Texto(d, TextoError) + ": " + Texto(d, TextoEsfuerzosOvalizacion));
    }
    ListaEsfuerzosArmado(contexto, MomentosPorHipotesis, AxilesPorHipotesis);
    return {};
}

// What the sweep of the hypotheses leaves for the governing one.
struct BarridoHipotesis {
    std::int16_t IESP = 0;
    double ArmaduraInterior = 0; // cm2/m, of the last hypothesis designed
    double ArmaduraExterior = 0; // cm2/m
    // The pressure hypothesis laid out, for when it governs.
    DisposicionArmadura interiorPresion;
    DisposicionArmadura exteriorPresion;
};

// The pressure hypothesis: its steel shared between the faces, and laid out too: when it
// governs, the bars of the case are its own, never those the case before happened to leave. Its
// layer warning is the listing's own (Normal, outer face) and is not written here.
ErrorCalculo DisenaHipotesisPresion(ContextoCalculo &contexto, BarridoHipotesis &b)
{
    const DatosTramo &tramo = contexto.estado.tramo;
    if (ErrorCalculo error =
            ReparteArmaduraPresion(contexto, b.ArmaduraInterior, b.ArmaduraExterior)) {
        return error;
    }
    if (ErrorCalculo error =
            DisponeArmadura(contexto, b.ArmaduraInterior, tramo.IndicadorCamisa, tramo.CAMMAX,
                            b.interiorPresion, CaraInterior, AvisoCapas::Informar)) {
        return error;
    }
    if (ErrorCalculo error =
            DisponeArmadura(contexto, b.ArmaduraExterior, SoloEspiras, tramo.CAMMAX,
                            b.exteriorPresion, CaraExterior, AvisoCapas::Informar)) {
        return error;
    }
    PonDisposicion(contexto.estado.resultados, b.interiorPresion, b.exteriorPresion);
    return {};
}

// Sweep of the hypotheses: each designed and its total listed; the largest total governs, the
// later one on equal totals. A wall too thin for a hypothesis decides the case and ends the
// sweep.
ErrorCalculo BarreHipotesis(ContextoCalculo &contexto, const TablaHipotesis &MomentosPorHipotesis,
                            const TablaHipotesis &AxilesPorHipotesis, std::int16_t NSEC,
                            RegistrosTraccion &registros, BarridoHipotesis &b)
{
    ResultadosCaso &r = contexto.estado.resultados;
    const DatosTramo &tramo = contexto.estado.tramo;

    r.PasadaDefinitiva = false;
    ListaCabeceraTotales(contexto);

    r.HipotesisPesima = 0;
    r.ResultadosHipotesis = {};
    double MaximaArmaduraTotal = 0;
    // The combined-tension solutions of each hypothesis, replayed from the same pressure at
    // the height before as far as they are the same, and recorded for the pass of the governing
    // one below: it asks the same questions again, and solving them is most of a case's time.
    for (RegistroTraccion &registro : registros) {
        registro.Retoma();
    }
    for (std::int16_t NHIPO = 1; NHIPO <= NumeroHipotesisArmado; ++NHIPO) {
        auto &fila = r.ResultadosHipotesis[static_cast<std::size_t>(NHIPO)];
        if (NHIPO == 1) {
            if (ErrorCalculo error = DisenaHipotesisPresion(contexto, b)) {
                return error;
            }
        } else {
            ResultadoSeccion seccion =
                ArmaduraTubo(contexto, tramo.ESP, tramo.RECI, tramo.RECE, MomentosPorHipotesis,
                             AxilesPorHipotesis, tramo.IndicadorCamisa, NHIPO, NHIPO, NSEC,
                             tramo.CAMMAX, &registros[static_cast<std::size_t>(NHIPO)]);
            if (seccion.error) {
                return std::move(seccion.error);
            }
            b.IESP = seccion.IESP;
            if (b.IESP > 0) {
                // The wall is too thin for this hypothesis: it decides the case, which ends
                // without a design to compare.
                fila[ColIESP] = b.IESP;
                r.HipotesisPesima = NHIPO;
                break;
            }
            b.ArmaduraInterior = AreaInterior(r);
            b.ArmaduraExterior = AreaExterior(r);
            FijaArmadurasCalculadas(r);
        }
        const double ArmaduraTotal = b.ArmaduraInterior + b.ArmaduraExterior;
        fila[ColInterior] = b.ArmaduraInterior;
        fila[ColExterior] = b.ArmaduraExterior;
        fila[ColTotal] = ArmaduraTotal;
        fila[ColIESP] = b.IESP;
        fila[ColNESPIN] = r.NESPIN;
        fila[ColNEXPEX] = r.NEXPEX;
        fila[ColCAMISA] = r.CAMISA;
        if (MaximaArmaduraTotal <= ArmaduraTotal) {
            MaximaArmaduraTotal = ArmaduraTotal;
            r.HipotesisPesima = NHIPO;
        }
        ListaTotalHipotesis(contexto, NHIPO, ArmaduraTotal);
    }
    return {};
}

// The governing hypothesis once more, now that its warnings reach every listing: the pressure
// hypothesis's layout and steel ratio, or the section design run again. A wall too thin has
// nothing more to design: the case heading follows, then the failure.
ErrorCalculo DisenaHipotesisPesima(ContextoCalculo &contexto,
                                   const TablaHipotesis &MomentosPorHipotesis,
                                   const TablaHipotesis &AxilesPorHipotesis, std::int16_t NSEC,
                                   RegistrosTraccion &registros,
                                   const std::optional<AjusteGuardado> &ajuste,
                                   BarridoHipotesis &b)
{
    ResultadosCaso &r = contexto.estado.resultados;
    const DatosTramo &tramo = contexto.estado.tramo;
    const std::string &sep = contexto.estado.ejecucion.SeparadorDecimalLocal;
    DepuracionCalculo &depuracion = contexto.depuracion;

    const std::int16_t HipotesisPesima = r.HipotesisPesima;
    if (b.IESP == 0 && HipotesisPesima == 1) {
        const auto &fila = r.ResultadosHipotesis[1];
        b.ArmaduraInterior = fila[ColInterior];
        b.ArmaduraExterior = fila[ColExterior];
        PonDisposicion(r, b.interiorPresion, b.exteriorPresion);
        if (ajuste) {
            b.ArmaduraExterior = ajuste->Exterior;
            b.ArmaduraInterior = ajuste->Camisa + ajuste->Refuerzo;
        }
        const double ArmaduraTotal = b.ArmaduraInterior + b.ArmaduraExterior;
        if (r.CAMISA > 0) {
            // The section design of hypothesis 2 has refused any wall that is not positive,
            // so ESP divides safely here.
            const double ASCR = ArmaduraTotal / (tramo.ESP * CmCuadradosPorM2);
            if (ASCR <= CuantiaMaximaRetraccion(tramo.FCK)) {
                if (depuracion.Activa()) {
                    depuracion.EscribeLinea(
                        LineaDepuracion(sep).Anade(ReglaCuantia(tramo.FCK)).Linea());
                }
            } else {
                ListaCuantiaExcesiva(contexto, ASCR, PasadaNormal::Cualquiera);
                r.EstadoDiseno = EstadoCuantiaExcesiva;
            }
        }
    } else if (b.IESP == 0) {
        RegistroTraccion &registro = registros[static_cast<std::size_t>(HipotesisPesima)];
        registro.Repite();
        ResultadoSeccion seccion =
            ArmaduraTubo(contexto, tramo.ESP, tramo.RECI, tramo.RECE, MomentosPorHipotesis,
                         AxilesPorHipotesis, tramo.IndicadorCamisa, HipotesisPesima,
                         HipotesisPesima, NSEC, tramo.CAMMAX, &registro);
        if (seccion.error) {
            return std::move(seccion.error);
        }
        b.IESP = seccion.IESP;
    }
    return {};
}

// The ring forces of the governing hypothesis, its axial forces without the ring tension of
// its internal pressure.
void PonEsfuerzosPesimos(ContextoCalculo &contexto, const TablaHipotesis &MomentosPorHipotesis,
                         const TablaHipotesis &AxilesPorHipotesis, double RadioTubo)
{
    ResultadosCaso &r = contexto.estado.resultados;
    const auto h = static_cast<std::size_t>(r.HipotesisPesima);
    const double tension =
        PresionHipotesis(contexto.estado.caso, r.HipotesisPesima) * TmPorAt * RadioTubo; // t/m
    for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
        r.MomentosPesimos[s] = MomentosPorHipotesis[h][s];
        r.AxilesPesimos[s] = AxilesPorHipotesis[h][s] - tension;
    }
}

// The areas of the case, a stored override in place of the design's, its state and its
// results listed.
void ListaResultadoCaso(ContextoCalculo &contexto, std::int32_t numeroCaso,
                        const std::optional<AjusteGuardado> &ajuste, BarridoHipotesis &b)
{
    ResultadosCaso &r = contexto.estado.resultados;
    const std::int16_t HipotesisPesima = r.HipotesisPesima;
    if (HipotesisPesima > 1) {
        b.ArmaduraInterior = AreaInterior(r);
        b.ArmaduraExterior = AreaExterior(r);
    }
    FijaArmadurasCalculadas(r);
    if (ajuste) {
        b.ArmaduraInterior = ajuste->Camisa + ajuste->Refuerzo;
        b.ArmaduraExterior = ajuste->Exterior;
    }
    const double ArmaduraTotal = b.ArmaduraInterior + b.ArmaduraExterior;
    // A section refused in any hypothesis leaves the case undesigned, whichever governs.
    if (r.MomentoTopeSuperado) {
        r.EstadoDiseno = EstadoMomentoTope;
    }

    if (HipotesisPesima == 1 && b.ArmaduraExterior > ArmaduraMaximaUnaCapa) {
        ListaVariasCapasExterior(contexto);
    }

    ResultadoArmado resultado;
    resultado.ArmaduraInterior = b.ArmaduraInterior;
    resultado.ArmaduraExterior = b.ArmaduraExterior;
    resultado.ArmaduraTotal = ArmaduraTotal;
    resultado.hayAjuste = ajuste.has_value();
    resultado.ajuste = ajuste.value_or(AjusteGuardado{});
    ListaResultadosArmado(contexto, numeroCaso, resultado);
}

} // namespace

RegistrosTraccion &RegistrosTraccionTramo::DelCaso(const EstadoObra &estado,
                                                   std::int32_t numeroCaso)
{
    const DatosTramo &t = estado.tramo;
    Firma firma{};
    std::size_t i = 0;
    for (const double valor : {t.ESP, t.RECI, t.RECE, t.FCK, t.Fyk, t.Fyd, t.GamaB, t.GamaY}) {
        firma[i++] = std::bit_cast<std::uint64_t>(valor);
    }
    if (firma != m_firma) {
        for (RegistrosTraccion &caso : m_casos) {
            for (RegistroTraccion &registro : caso) {
                registro.Empieza();
            }
        }
        m_firma = firma;
    }
    const std::size_t k =
        static_cast<std::size_t>(numeroCaso > 1 ? numeroCaso - 1 : 0) % MaximoCasosGuardados;
    if (k >= m_casos.size()) {
        m_casos.resize(k + 1);
    }
    return m_casos[k];
}

ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso)
{
    RegistrosTraccionTramo registros;
    return CalculaArmado(contexto, numeroCaso, registros);
}

ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                           RegistrosTraccionTramo &registrosTramo)
{
    EstadoObra &estado = contexto.estado;
    ResultadosCaso &r = estado.resultados;

    r.MomentoTopeSuperado = false;
    r.HayAjusteGuardado = false;

    std::optional<AjusteGuardado> ajuste;
    if (ErrorCalculo error = LeeAjusteDelCaso(contexto, ajuste)) {
        return error;
    }
    if (ajuste) {
        r.HayAjusteGuardado = true;
        r.ArmaduraCalculadaExterior = ajuste->Exterior;
    }

    r.EstadoDiseno = 0;
    const double RadioTubo = estado.tramo.vDi / 2; // m
    TablaHipotesis MomentosPorHipotesis{};
    TablaHipotesis AxilesPorHipotesis{};
    if (ErrorCalculo error = EsfuerzosDelCaso(contexto, numeroCaso, RadioTubo,
                                              MomentosPorHipotesis, AxilesPorHipotesis)) {
        return error;
    }
    const std::int16_t NSEC = SeccionesDisenadas;

    RegistrosTraccion &registros = registrosTramo.DelCaso(estado, numeroCaso);
    BarridoHipotesis barrido;
    if (ErrorCalculo error = BarreHipotesis(contexto, MomentosPorHipotesis, AxilesPorHipotesis,
                                            NSEC, registros, barrido)) {
        return error;
    }
    ListaFinBarrido(contexto);
    r.PasadaDefinitiva = true;
    DepuraDisposicion(contexto, contexto.memoria.depuracionDisposicion[0], 559, NSEC,
                      barrido.IESP);

    if (ErrorCalculo error =
            DisenaHipotesisPesima(contexto, MomentosPorHipotesis, AxilesPorHipotesis, NSEC,
                                  registros, ajuste, barrido)) {
        return error;
    }
    PonEsfuerzosPesimos(contexto, MomentosPorHipotesis, AxilesPorHipotesis, RadioTubo);
    DepuraDisposicion(contexto, contexto.memoria.depuracionDisposicion[1], 562, NSEC,
                      barrido.IESP);

    if (ErrorCalculo error =
            ImprimeDatosCaso(contexto, MomentosPorHipotesis, AxilesPorHipotesis)) {
        return error;
    }
    if (barrido.IESP > 0) {
        ListaEspesorInsuficiente(contexto, numeroCaso);
        r.EstadoDiseno = EstadoEspesorInsuficiente;
        return {};
    }
    ListaResultadoCaso(contexto, numeroCaso, ajuste, barrido);
    return {};
}

} // namespace dravek
