#include "core/engine/CalculaCasos.h"

#include "core/engine/CompruebaCalculo.h"
#include "core/engine/DatosTramoListado.h"
#include "core/engine/Ovaliz.h"
#include "core/engine/PresionesCaso.h"
#include "core/engine/TablaCargas.h"
#include "core/engine/mdMarston.h"
#include "core/listing/EscrituraTexto.h"
#include "core/listing/FormatoNumeros.h"
#include "core/listing/TextosFijos.h"
#include "core/model/CargaHorizontal.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dravek {

namespace {

// Height and DP both at or below this: the run's whole ranges (the callers pass -1 and -1).
constexpr double LimiteLlamadaCompleta = -0.5;

// Pantalla listing, lines of its 72-line page: a case title takes 6, and it opens a new page
// unless the title and the case's first block (33 lines together) still fit. After a case the
// count stands at 60, which sends the next case's blocks to a new page.
constexpr std::int32_t LineasPaginaPantalla = 72;
constexpr std::int32_t LineasTituloPantalla = 6;
constexpr std::int32_t LineasTituloYBloque = 33;
constexpr std::int32_t LineasTrasCasoPantalla = 60;

constexpr std::int32_t LineasPorPaginaTabular = 50;
constexpr std::int32_t LineasEntreAlturasTabular = 2;

constexpr int AnchoSeparadorPantalla = 70;

constexpr std::int16_t CunaHormigon120Datos = 2;    // as the data-entry window stores it
constexpr std::int16_t CunaHormigon120Analisis = 3; // as the ring analysis numbers it

// The loop works on the run's geometry in calculation units; this keeps the values as entered
// (also in the state, where the adjustment window finds them) and puts them back, with the
// run's height range that a one-case call narrows, however the loop is left.
class GuardaGeometriaCalculo {
public:
    explicit GuardaGeometriaCalculo(EstadoObra &estado)
        : m_estado(estado), m_Delca(estado.tramo.Delca), m_ESP(estado.tramo.ESP),
          m_RECI(estado.tramo.RECI), m_RECE(estado.tramo.RECE), m_vICUNA(estado.tramo.vICUNA)
    {
        DatosTramo &tramo = estado.tramo;
        DatosCalculo &calculo = estado.calculo;
        calculo.EspesorCamisaTramo = m_Delca;
        tramo.Delca = m_Delca / 10; // mm -> cm
        calculo.TipoCunaTramo = m_vICUNA;
        if (tramo.vICUNA == CunaHormigon120Datos) {
            tramo.vICUNA = CunaHormigon120Analisis;
        }
        calculo.EspesorTramo = m_ESP;
        tramo.ESP = m_ESP / 100; // cm -> m
        calculo.RecubrimientoInteriorTramo = m_RECI;
        tramo.RECI = m_RECI / 100;
        calculo.RecubrimientoExteriorTramo = m_RECE;
        tramo.RECE = m_RECE / 100;
    }

    ~GuardaGeometriaCalculo()
    {
        DatosTramo &tramo = m_estado.tramo;
        tramo.Delca = m_Delca;
        tramo.ESP = m_ESP;
        tramo.RECI = m_RECI;
        tramo.RECE = m_RECE;
        tramo.vICUNA = m_vICUNA;
        RangoAlturas(m_estado);
    }

    GuardaGeometriaCalculo(const GuardaGeometriaCalculo &) = delete;
    GuardaGeometriaCalculo &operator=(const GuardaGeometriaCalculo &) = delete;
    GuardaGeometriaCalculo(GuardaGeometriaCalculo &&) = delete;
    GuardaGeometriaCalculo &operator=(GuardaGeometriaCalculo &&) = delete;

private:
    EstadoObra &m_estado;
    double m_Delca;
    double m_ESP;
    double m_RECI;
    double m_RECE;
    std::int16_t m_vICUNA;
};

// Writes why the calculation stops where the listing goes (screen or any printed kind) and
// hands the same text to the command.
ErrorCalculo DetieneCalculo(ContextoCalculo &contexto, const std::string &mensaje)
{
    EstadoObra &estado = contexto.estado;
    if (estado.listado.Imprimiendo) {
        contexto.salida.SaltaLineas(estado, 1);
        contexto.salida.ImprimeLinea(Blancos(8) + mensaje);
    } else {
        contexto.salida.EscribePantalla(0, mensaje, 2);
    }
    return ErrorCalculo::Con(mensaje);
}

// Loads of one fill height in t/m2, and the impact coefficient of its live load.
ErrorCalculo CargasAltura(ContextoCalculo &contexto, double H, double alturaInicialTramo,
                          double &coeficienteImpacto)
{
    EstadoObra &estado = contexto.estado;
    DatosTramo &tramo = estado.tramo;
    DatosCaso &caso = estado.caso;

    if (tramo.CalculoCargas == 1) {
        const ErrorMarston error =
            CargasMarstonAltura(estado, H, tramo.TipoCargaConcentrada, coeficienteImpacto);
        if (error != ErrorMarston::Ninguno) {
            return DetieneCalculo(contexto, MensajeErrorCargasCaso(estado, error, H));
        }
        return {};
    }

    // The run gives its total vertical load. In calculation units CargaVerticalTotal is in t/m2
    // (an SI entry in MPa has been multiplied by 100), so the loads are taken from it here rather
    // than from what the run validation left in vQ and vQH in the units of the screen. The load
    // that defines the lateral thrust follows the validation's rule for each installation.
    const double carga = tramo.CargaVerticalTotal;
    caso.vQ = carga;
    const std::optional<double> vQH =
        CargaHorizontalDada(tramo, alturaInicialTramo, ReglaAnchoZanja::Exigida);
    if (!vQH) {
        return DetieneCalculo(contexto,
                              MensajeErrorCargasCaso(estado, ErrorMarston::AnchoZanjaNoValido, H));
    }
    caso.vQH = *vQH;
    // No live load and no second condition with a typed load: nothing of a previous run stays.
    caso.CargaMovil = 0;
    caso.CargaNoAdoptada = 0;
    estado.calculo.TerraplenAdoptado = Falso;
    coeficienteImpacto = 0;
    return {};
}

// "DP: 0.4 MPa      MDP: 0.5 MPa", shared by the screen and the Pantalla titles.
// The number as sNumeroDob writes it with its unit, without the blanks at either end, appended.
void AnadeRecortado(std::string &linea, const ClaveNumero &clave, double valor)
{
    const std::size_t inicio = linea.size();
    clave.Anade(linea, valor, 6, 1, true);
    const std::string_view escrito = SinBlancos(std::string_view(linea).substr(inicio));
    const auto delante = static_cast<std::size_t>(escrito.data() - (linea.data() + inicio));
    const std::size_t largo = escrito.size();
    linea.erase(inicio, delante);
    linea.resize(inicio + largo);
}

// PresionesTitulo appended to linea, its numbers written in place.
void AnadePresionesTitulo(std::string &linea, const EstadoObra &estado)
{
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const ClaveNumero presion(estado.ejecucion, "at->MPa");
    linea += Texto(d, 166);
    linea += ' ';
    AnadeRecortado(linea, presion, estado.caso.DP);
    linea.append(6, ' ');
    linea += Texto(d, 165);
    linea += ' ';
    AnadeRecortado(linea, presion, estado.caso.MDP);
}

// AnadeRecortado written straight into the text. A finite value takes no blanks in front when
// laid out to no width, so it is written trimmed.
void AnadeRecortado(EscrituraTexto &texto, const ClaveNumero &clave, double valor)
{
    if (std::isfinite(valor)) {
        clave.Anade(texto, valor, 0, 1, true);
        return;
    }
    std::string recortado;
    AnadeRecortado(recortado, clave, valor);
    texto.Anade(recortado);
}

std::string PresionesTitulo(const EstadoObra &estado)
{
    std::string linea;
    AnadePresionesTitulo(linea, estado);
    return linea;
}

// The screen and the Pantalla listing open each case with its title; the Normal and Tabular
// listings carry the case in the designs' own headings.
void TituloCaso(ContextoCalculo &contexto, std::int32_t numeroCaso)
{
    EstadoObra &estado = contexto.estado;
    EstadoListado &listado = estado.listado;
    SalidaListado &salida = contexto.salida;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    if (!listado.Imprimiendo) {
        // Every case: written straight into the screen text, its texts kept for the run.
        TextosFijos &fijas = contexto.memoria.tituloCaso;
        FirmaTextos firma;
        firma.Con(d).Con(estado.tramo.TramoActual);
        if (fijas.Renueva(firma, 3)) {
            fijas[0] = "  " + Texto(d, 244) + " : ";
            fijas[1] = "/" + sNumeroEnt(estado.tramo.TramoActual, 4) + "  " + Texto(d, 166) + " ";
            fijas[2] = std::string(6, ' ') + Texto(d, 165) + " ";
        }
        constexpr std::size_t BytesNumeroCaso = 16;
        EscrituraTexto pantalla(salida.Pantalla(), fijas[0].size() + fijas[1].size() +
                                                       fijas[2].size() + BytesNumeroCaso +
                                                       2 * campo_numero::BytesCampo + 1);
        pantalla.Anade(fijas[0]);
        char *cifras = pantalla.Sitio(BytesNumeroCaso);
        pantalla.Avanza(std::to_chars(cifras, cifras + BytesNumeroCaso, numeroCaso).ptr);
        pantalla.Anade(fijas[1]);
        const ClaveNumero presion(estado.ejecucion, "at->MPa");
        AnadeRecortado(pantalla, presion, estado.caso.DP);
        pantalla.Anade(fijas[2]);
        AnadeRecortado(pantalla, presion, estado.caso.MDP);
        pantalla.Anade('\n');
        return;
    }
    if (listado.TipoListado != ClaseListado::Pantalla) {
        return;
    }
    if (listado.LineasImpresas + LineasTituloYBloque > LineasPaginaPantalla) {
        salida.impresora().NuevaPagina();
        listado.LineasImpresas = LineasTituloPantalla;
    } else {
        listado.LineasImpresas += LineasTituloPantalla;
    }
    salida.SaltaLineas(estado, 3);
    salida.impresora().PonTamanoFuente(10);
    salida.impresora().PonNegrita(true);
    salida.ImprimeLinea(
        Blancos(9) + Texto(d, 247) + ": " + Recorta(sNumeroEnt(estado.caso.NumeroCaso, 5)) + "/" +
        sNumeroEnt(estado.tramo.TramoActual, 4) + " : " + sTextoFijo(estado.tramo.ITIT, 40));
    salida.ImprimeLinea(Blancos(31) + PresionesTitulo(estado));
    salida.impresora().PonNegrita(false);
}

void SeparadorCaso(ContextoCalculo &contexto)
{
    EstadoObra &estado = contexto.estado;
    SalidaListado &salida = contexto.salida;
    if (!estado.listado.Imprimiendo) {
        salida.EscribePantalla(0, std::string(AnchoSeparadorPantalla, '='), 2);
        return;
    }
    if (estado.listado.TipoListado != ClaseListado::Pantalla) {
        return;
    }
    estado.listado.LineasImpresas = LineasTrasCasoPantalla;
    Impresora &impresora = salida.impresora();
    impresora.PonGrosorLapiz(5);
    const double y = impresora.PosicionVertical() + 3; // mm
    impresora.Linea(18, y, 190, y, 0);
    salida.SaltaLineas(estado, 1);
}

// One calculation case at PresionCaso and the current height.
ErrorCalculo CalculaUnCaso(ContextoCalculo &contexto, std::int32_t numeroCaso, double LANDA,
                           double coeficienteImpacto)
{
    EstadoObra &estado = contexto.estado;
    DatosCaso &caso = estado.caso;
    DatosTramo &tramo = estado.tramo;
    DatosCalculo &calculo = estado.calculo;

    caso.NumeroCaso = numeroCaso;
    caso.DP = calculo.PresionCaso;
    CalculaMDP(estado, caso.DP);
    CalculaPP(estado);
    CalculaSTP(estado);
    GuardaPP(estado);
    ++caso.ContadorCasos;
    caso.PrimerCaso = caso.ContadorCasos == 1;

    TituloCaso(contexto, numeroCaso);
    if (ErrorCalculo error = ListaDatosTramo(contexto, coeficienteImpacto)) {
        return error;
    }
    if (ErrorCalculo error = Ovaliz(contexto, LANDA, numeroCaso)) {
        return error;
    }
    caso.NuevaAltura = false;

    if (tramo.EsArmado != Falso) {
        return contexto.diseno.CalculaArmado(contexto, numeroCaso);
    }
    // Diameters and covers in m, radii in cm.
    calculo.RadioExterior = tramo.vDE * 50;
    calculo.RadioInterior = tramo.vDi * 50;
    calculo.RadioCamisa = tramo.RECI * 100 + calculo.RadioInterior;
    calculo.RadioNucleo = calculo.RadioExterior - tramo.RECE * 100;
    // The post-tensioned design turns the shrinkage values negative on its own copies only, so
    // Epsc and Epsr keep the values entered from one case to the next.
    return contexto.diseno.CalculaPostesado(contexto, numeroCaso, tramo.FijaPresionPrimario,
                                            tramo.CoefPresionPrimario);
}

// Moves PresionCaso to the next DP of the height; false when the height has no more cases.
bool SiguientePresion(EstadoObra &estado)
{
    DatosCalculo &calculo = estado.calculo;
    const double limite =
        RangoPresionesDelTramo(estado.tramo) ? estado.tramo.DPFinalTramo : estado.obra.DPFinalObra;
    double siguiente = 0;
    const bool otra =
        PresionSiguiente(calculo.PresionCaso, limite, calculo.IncrementoPresion, siguiente);
    calculo.PresionCaso = siguiente;
    return otra;
}

// Moves H to the next fill height; false after the last one.
bool SiguienteAltura(const EstadoObra &estado, double &H)
{
    double siguiente = 0;
    const bool otra =
        AlturaSiguiente(H, estado.calculo.AlturaFinal, estado.tramo.IncrementoAltura, siguiente);
    H = siguiente;
    return otra;
}

// Cases of the run: its heights times the DPs of a height, counted by the steps the loop takes.
std::int64_t CasosDelTramo(const EstadoObra &estado)
{
    std::int64_t alturas = 1;
    double H = estado.calculo.AlturaInicial;
    while (alturas <= MaximoCasosCalculo && SiguienteAltura(estado, H)) {
        ++alturas;
    }
    const double limite =
        RangoPresionesDelTramo(estado.tramo) ? estado.tramo.DPFinalTramo : estado.obra.DPFinalObra;
    std::int64_t presiones = 1;
    double DP = PresionInicialCasos(estado);
    while (presiones <= MaximoCasosCalculo &&
           PresionSiguiente(DP, limite, estado.calculo.IncrementoPresion, DP)) {
        ++presiones;
    }
    return alturas * presiones;
}

// The screen text of a run, once its second case shows what a case writes, is given room for
// all its cases at once: grown by doubling, the text of a long run would be copied a dozen times
// and touch twice the memory it needs, which costs the first command of a session (whose
// memory is all fresh) more than its calculation.
void ReservaPantalla(SalidaListado &salida, std::size_t trasPrimerCaso, std::int64_t casos)
{
    const std::size_t porCaso = salida.TextoPantalla().size() - trasPrimerCaso;
    const auto restantes = static_cast<std::size_t>(std::max<std::int64_t>(casos - 2, 0));
    // A case of a new height writes a little more than the second case.
    const std::size_t margen = porCaso * restantes / 16;
    salida.ReservaPantalla(porCaso * restantes + margen);
}

} // namespace

void PreparaMemoriaPantalla(SalidaListado &salida)
{
    salida.ReservaPantalla(PantallaDeArranque);
    std::string &texto = salida.Pantalla();
    const std::size_t longitud = texto.size();
    texto.resize(texto.capacity());
    texto.resize(longitud);
}

ErrorCalculo CalculaCasos(ContextoCalculo &contexto, std::int32_t &numeroCaso, double altura,
                          double dp)
{
    EstadoObra &estado = contexto.estado;
    DatosCalculo &calculo = estado.calculo;
    DatosCaso &caso = estado.caso;
    EstadoListado &listado = estado.listado;

    listado.LineasPorPagina = LineasPorPaginaTabular;
    ConstruyeEtiquetas(estado);
    listado.LineasImpresas = 0;
    caso.ContadorCasos = 0;

    RangoAlturas(estado);
    PreparaLeyMDP(estado);
    // Nothing is calculated of a run that cannot be calculated whole, nor of one that would
    // run for hours: the check reads the geometry as entered, before it is converted.
    if (const ErrorCalculo error = CompruebaDatosCalculo(estado, altura, dp)) {
        return DetieneCalculo(contexto, error.mensaje);
    }

    if (contexto.avance) {
        contexto.avance->Casos(altura > LimiteLlamadaCompleta || dp > LimiteLlamadaCompleta
                                   ? 1
                                   : CuentaCasos(estado));
    }

    const GuardaGeometriaCalculo guarda(estado);
    // A final height of 0 means the first height only.
    if (calculo.AlturaFinal <= 0) {
        calculo.AlturaFinal = calculo.AlturaInicial;
    }
    // The height the run validation takes for the thrust of a typed load, kept before a one-case
    // call narrows the range.
    const double alturaInicialTramo = calculo.AlturaInicial;
    const bool unSoloCaso = altura > LimiteLlamadaCompleta || dp > LimiteLlamadaCompleta;
    if (unSoloCaso) {
        calculo.AlturaInicial = altura;
        calculo.AlturaFinal = altura;
    }

    // The screen text after the run's first case, and the cases of the run.
    std::size_t trasPrimerCaso = 0;
    const std::int64_t casos = unSoloCaso ? 1 : CasosDelTramo(estado);

    // Of the live load at the current height, for the run data report.
    double coeficienteImpacto = 0;
    double H = calculo.AlturaInicial;
    bool otraAltura = H <= calculo.AlturaFinal;
    while (otraAltura) {
        if (ErrorCalculo error =
                CargasAltura(contexto, H, alturaInicialTramo, coeficienteImpacto)) {
            return error;
        }
        caso.AlturaActual = H;
        // tan^2(45 - phi/2), with phi in degrees.
        const double x = PiMarston / 4 - estado.tramo.AnguloRozamiento * PiMarston / 360;
        const double tangente = std::sin(x) / std::cos(x);
        const double LANDA = tangente * tangente;

        calculo.PresionCaso = PresionInicialCasos(estado);
        if (unSoloCaso) {
            calculo.PresionCaso = dp;
            calculo.IncrementoPresion = 0;
        }
        caso.NuevaAltura = true;
        numeroCaso = 1;

        bool otroCaso = true;
        while (otroCaso) {
            if (ErrorCalculo error =
                    CalculaUnCaso(contexto, numeroCaso, LANDA, coeficienteImpacto)) {
                return error;
            }
            if (!listado.Imprimiendo && casos > 2) {
                if (caso.ContadorCasos == 1) {
                    trasPrimerCaso = contexto.salida.TextoPantalla().size();
                } else if (caso.ContadorCasos == 2) {
                    ReservaPantalla(contexto.salida, trasPrimerCaso, casos);
                }
            }
            ++numeroCaso;
            otroCaso = SiguientePresion(estado);
            SeparadorCaso(contexto);
            // Stopped between two cases: what is listed is whole cases.
            if (contexto.avance && !contexto.avance->CasoHecho()) {
                return ErrorCalculo::YaAvisado();
            }
        }
        // Two blank lines between the heights of the summary table.
        if (listado.Imprimiendo && listado.TipoListado == ClaseListado::Tabular &&
            listado.LineasRestantes >= LineasEntreAlturasTabular) {
            contexto.salida.SaltaLineas(estado, LineasEntreAlturasTabular);
            listado.LineasRestantes -= LineasEntreAlturasTabular;
        }
        otraAltura = SiguienteAltura(estado, H);
    }
    return {};
}

} // namespace dravek
