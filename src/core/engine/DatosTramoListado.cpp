#include "core/engine/DatosTramoListado.h"

#include "core/engine/PresionesCaso.h"
#include "core/engine/TablaCargas.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/model/Utf8.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace dravek {

namespace {

// Lines the Tabular block of a run needs free on the page, and the lines it takes.
constexpr std::int32_t LineasBloqueTabularArmado = 15;
constexpr std::int32_t LineasBloqueTabularPostesado = 20;
constexpr std::int32_t LineasBloqueTabular = 9;

// Width of a print zone of a listing line, characters.
constexpr std::size_t AnchoZona = 14;

// The first n characters of a text (all of it when shorter; never padded).
std::string Izquierda(const std::string &texto, std::size_t n)
{
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < texto.size(); ++k) {
        i += LongitudCaracterUtf8(texto, i);
    }
    return texto.substr(0, i);
}

// Blanks up to the next print zone, at least one.
std::string Zona(const std::string &linea)
{
    const std::size_t columna = CuentaCaracteresUtf8(linea);
    return std::string(AnchoZona - columna % AnchoZona, ' ');
}

template <std::size_t N>
std::string Etiqueta(const std::array<std::string, N> &tabla, std::int32_t indice)
{
    return indice >= 0 && static_cast<std::size_t>(indice) < N
               ? tabla[static_cast<std::size_t>(indice)]
               : std::string();
}

template <std::size_t F, std::size_t C>
std::string Etiqueta(const std::array<std::array<std::string, C>, F> &tabla, std::int32_t fila,
                     std::int32_t columna)
{
    return fila >= 0 && static_cast<std::size_t>(fila) < F
               ? Etiqueta(tabla[static_cast<std::size_t>(fila)], columna)
               : std::string();
}

std::string TextoTipoCamisa(std::int32_t d, std::int16_t Tipologia)
{
    switch (Tipologia) {
    case 2211:
    case 2212:
        return Texto(d, 350);
    case 2221:
    case 2222:
        return Texto(d, 351);
    default:
        return " ";
    }
}

// Paints one picture of the report. The printer's own error skips the picture; any other
// failure ends the printed listing.
ErrorCalculo PintaFigura(const EstadoObra &estado, Impresora &impresora,
                         const std::string &fichero, double x, double y)
{
    const int numero = impresora.DibujaImagen(fichero, x, y);
    if (numero == SinErrorImpresora || numero == ErrorPropioImpresora) {
        return {};
    }
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    return ErrorCalculo::Con(Texto(d, TextoError) + ":" + std::to_string(numero) + "\n" +
                             Texto(d, TextoAlImprimir));
}

// The report's lines, headings and pictures on the printer.
class Informe {
public:
    explicit Informe(ContextoCalculo &contexto)
        : m_estado(contexto.estado), m_salida(contexto.salida),
          m_impresora(contexto.salida.impresora())
    {
    }

    std::string F(double valor, int ancho, int decimales, const char *clave = "",
                  bool conUnidad = false) const
    {
        return sNumeroDob(m_estado.ejecucion, valor, ancho, decimales, clave, conUnidad);
    }

    void Linea(const std::string &linea) { m_salida.ImprimeLinea(linea); }
    void Dato(const std::string &linea) { Linea(Blancos(8) + linea); }
    void Salta(int n) { m_salida.SaltaLineas(m_estado, n); }

    // Bold at 10 points, then back to regular 10 points.
    void Encabezado(const std::string &linea)
    {
        m_impresora.PonNegrita(true);
        m_impresora.PonTamanoFuente(10);
        Linea(linea);
        m_impresora.PonNegrita(false);
        m_impresora.PonTamanoFuente(10);
    }

    ErrorCalculo Figura(const std::string &fichero, double x, double y)
    {
        return PintaFigura(m_estado, m_impresora, fichero, x, y);
    }

    Impresora &impresora() { return m_impresora; }

private:
    EstadoObra &m_estado;
    SalidaListado &m_salida;
    Impresora &m_impresora;
};

// What every step of a run's report reads: the state, the printer and the listing's kind.
struct PartesInforme {
    ContextoCalculo &contexto;
    EstadoObra &estado;
    Informe &informe;
    Impresora &impresora;
    EstadoListado &listado;
    const DatosTramo &tramo;
    const EtiquetasTramo &etiquetas;
    std::int32_t d;
    std::int32_t numeroCaso;
    bool imprimiendo;
    bool normal;
    bool tabular;
    bool esArmado;

    std::string T(std::int32_t n) const { return Texto(d, n); }
    std::string F(double valor, int ancho, int decimales) const
    {
        return informe.F(valor, ancho, decimales);
    }
};

// Page start: every run of the Normal listing after the first starts a page.
void EmpiezaPagina(const PartesInforme &r)
{
    SalidaListado &salida = r.contexto.salida;
    EstadoListado &listado = r.listado;
    if (listado.NumeroPagina > 0 && r.normal) {
        r.impresora.NuevaPagina();
    }
    if (listado.TipoListado == ClaseListado::Normal) {
        ++listado.NumeroPagina;
    }
    if (r.imprimiendo) {
        r.impresora.PonNombreFuente("Courier New");
        if (r.normal) {
            salida.CabeceraPagina(r.estado, r.numeroCaso, true);
        } else if (r.tabular) {
            const std::int32_t necesarias =
                r.esArmado ? LineasBloqueTabularArmado : LineasBloqueTabularPostesado;
            if (listado.NumeroPagina == 0) {
                listado.NumeroPagina = 1;
                salida.CabeceraPagina(r.estado, r.numeroCaso, true);
            } else if (listado.LineasRestantes < necesarias) {
                ++listado.NumeroPagina;
                r.impresora.NuevaPagina();
                salida.CabeceraPagina(r.estado, r.numeroCaso, true);
            }
        }
    }
}

// The reinforced-concrete materials, on the Normal listing.
void ListaMateriales(const PartesInforme &r)
{
    Informe &informe = r.informe;
    const DatosTramo &tramo = r.tramo;
    informe.Encabezado(Blancos(14) + r.T(335));
    informe.Salta(1);
    informe.Dato(r.T(336) + informe.F(tramo.FCK, 9, 0, "Kp/cm2->MPa", true));
    // The tensile strength is shown as the calculation uses it (0.45 fck^(2/3) in kp/cm2,
    // converted), in the layout of the other strengths.
    informe.Dato(r.T(337) + informe.F(tramo.Fct, 9, 0, "Kp/cm2->MPa", true));
    informe.Dato(r.T(338) + informe.F(tramo.Fyk, 9, 0, "Kp/cm2->MPa", true));
    informe.Dato(r.T(339) + informe.F(tramo.Fyd, 9, 0, "Kp/cm2->MPa", true));
    informe.Salta(1);
    informe.Dato(r.T(340) + r.F(tramo.GamaB, 9, 2));
    informe.Salta(1);
    informe.Dato(r.T(343) +
                 sTextoFijo(Etiqueta(r.etiquetas.NombresNivelControl, tramo.TipoControl),
                            CampoNivelControl.ancho));
    const std::string EstadoGolpeAriete =
        TextoEnCampo(r.d, CampoGolpeAriete, r.estado.obra.GolpeArieteCalculado != Falso ? 1 : 2);
    informe.Dato(r.T(1069) + EstadoGolpeAriete);
}

// The pipe's kind, picture and geometry, on the Normal listing.
ErrorCalculo ListaTubo(const PartesInforme &r, const std::string &textoTipoTubo)
{
    Informe &informe = r.informe;
    const DatosTramo &tramo = r.tramo;
    // The pipe's picture stands level with the pipe-kind line, to its right.
    const double y0 = r.impresora.PosicionVertical();
    informe.Dato(r.T(352) + sTextoFijo(textoTipoTubo, AnchoTipoTubo));
    informe.Salta(2);
    const double y1 = r.impresora.PosicionVertical();
    const std::string &figuraTubo =
        r.esArmado ? r.estado.frFiguras.ptArmado : r.estado.frFiguras.ptPostesado;
    if (ErrorCalculo error = informe.Figura(figuraTubo, XFiguraTubo, y0)) {
        return error;
    }
    r.impresora.PonPosicionVertical(y1);

    informe.Encabezado(Blancos(14) + r.T(354));
    informe.Salta(1);
    informe.Dato(r.T(355) + r.F(1000 * tramo.vDi, 7, 0) + " mm");
    informe.Dato(r.T(356) + r.F(1000 * tramo.ESP, 7, 0) + " mm");
    informe.Dato(r.T(357) + r.F(1000 * tramo.RECI, 7, 0) + " mm");
    informe.Dato(r.T(358) + r.F(1000 * tramo.RECE, 7, 0) + " mm");
    informe.Salta(1);
    informe.Dato(r.T(359) + r.F(tramo.vGAMAB, 7, 3) + " t/m3");
    informe.Salta(2);
    informe.Encabezado(Blancos(14) + r.T(360));
    informe.Salta(1);
    return {};
}

// The cradle, by its analysis code: the concrete 120 degree cradle is 3 here. Sets its
// picture and prints its line; returns its text for the Tabular line.
std::string ListaCuna(const PartesInforme &r)
{
    const DatosTramo &tramo = r.tramo;
    const EtiquetasTramo &etiquetas = r.etiquetas;
    std::string TextoCuna;
    std::int32_t figuraCuna = 0;
    switch (tramo.vICUNA) {
    case 1:
        TextoCuna = Izquierda(Etiqueta(etiquetas.NombresCuna, 1), CaracteresNombreCuna) +
                    sNumeroEnt(90, 4) + "º";
        figuraCuna = 430;
        break;
    case 2:
        TextoCuna = Izquierda(Etiqueta(etiquetas.NombresCuna, 2), CaracteresNombreCuna) +
                    sNumeroEnt(90, 4) + "º";
        figuraCuna = 431;
        break;
    case 3:
        TextoCuna = Izquierda(Etiqueta(etiquetas.NombresCuna, 2), CaracteresNombreCuna) +
                    sNumeroEnt(120, 4) + "º";
        figuraCuna = 432;
        break;
    case 4:
        TextoCuna = "menor de 90º";
        break;
    default:
        break;
    }
    if (figuraCuna != 0 && r.imprimiendo) {
        r.estado.frFiguras.ptCuna = r.estado.ejecucion.RutaAplicacion + r.T(figuraCuna);
    } else if (tramo.vICUNA == 4 && r.normal) {
        r.estado.frFiguras.ptCuna.clear();
    }
    if (r.normal && tramo.vICUNA >= 1 && tramo.vICUNA <= 4) {
        r.informe.Dato(r.T(361) + TextoCuna);
    }
    return TextoCuna;
}

// The installation's line and the cradle and installation pictures, which fill the rest of
// the first page of the Normal listing; the soil's weight and friction open the next.
ErrorCalculo ListaColocacion(const PartesInforme &r, const std::string &colocacion)
{
    Informe &informe = r.informe;
    const DatosTramo &tramo = r.tramo;
    EstadoObra &estado = r.estado;
    informe.Dato(r.T(362) + sTextoFijo(colocacion, AnchoColocacion));
    informe.Salta(1);
    const double y2 = r.impresora.PosicionVertical();
    if (ErrorCalculo error = informe.Figura(estado.frFiguras.ptCuna, XFiguraCuna, y2)) {
        return error;
    }
    if (ErrorCalculo error =
            informe.Figura(estado.frFiguras.ptColocacion, XFiguraColocacion, y2)) {
        return error;
    }
    // The pictures fill the rest of the first page.
    r.impresora.NuevaPagina();
    ++r.listado.NumeroPagina;
    r.contexto.salida.CabeceraPagina(estado, r.numeroCaso, false);
    informe.Encabezado(Blancos(14) + r.T(360) + " (" + r.T(363) + ")");
    informe.Salta(1);
    informe.Dato(r.T(364) + r.F(tramo.vGAMAT, 7, 3) + " t/m3");
    informe.Dato(r.T(365) + r.F(tramo.AnguloRozamiento, 3, 0) + "º");
    return {};
}

// The trench or embankment lines. k and l receive the tens and units digits of the fill soil
// code of a trench.
void ListaZanjaTerraplen(const PartesInforme &r, std::int32_t &k, std::int32_t &l)
{
    Informe &informe = r.informe;
    const DatosTramo &tramo = r.tramo;
    const bool normal = r.normal;
    if (tramo.CodigoColocacion < 20) {
        k = tramo.TipoRelleno / 10;
        l = tramo.TipoRelleno - 10 * k;
        if (normal) {
            informe.Dato(r.T(366) + r.F(tramo.AnchoZanja, 7, 3) + " m");
            informe.Dato(r.T(367) + sTextoFijo(Etiqueta(r.etiquetas.NombresRelleno, k, l),
                                               AnchoNombreRelleno));
        }
    }
    if (tramo.CodigoColocacion > 20 && normal) {
        informe.Dato(r.T(1086) + r.F(tramo.AnchoZanja, 7, 3) + " m");
        informe.Dato(r.T(368));
        informe.Dato(r.T(369) + r.F(tramo.DistanciaTerrenoNatural, 7, 3) + " m");
    }
    if (tramo.CodigoColocacion > 30 && normal) {
        informe.Dato(r.T(370) + sTextoFijo(Etiqueta(r.etiquetas.NombresAsentamiento,
                                                    tramo.IndiceAsentamiento),
                                           AnchoAsentamiento));
    }
}

// The loads: the load table of the heights, or the typed load of 1 m of fill.
ErrorCalculo ListaCargasTramo(const PartesInforme &r, double CoeficienteImpacto)
{
    ContextoCalculo &contexto = r.contexto;
    EstadoObra &estado = r.estado;
    const DatosTramo &tramo = r.tramo;
    if (tramo.CalculoCargas == 1) {
        if (ErrorCalculo error = ListaCargas(contexto, CoeficienteImpacto)) {
            return error;
        }
        // The load table left the loads of its last row; the first case is analysed with
        // those of its own height. The Tabular and Pantalla printed kinds had the table keep
        // the loads, so they need nothing. The lateral-pressure coefficient of the case loop
        // depends on the friction angle alone and is still right.
        if (!r.imprimiendo || r.normal) {
            DatosCalculo &calculo = estado.calculo;
            double coeficiente = CoeficienteImpacto;
            if (ErrorCalculo error = CalculaCargasAltura(
                    contexto, calculo.AlturaInicial, tramo.TipoCargaConcentrada, coeficiente)) {
                return error;
            }
            estado.caso.AlturaActual = calculo.AlturaInicial;
            calculo.PresionCaso = PresionInicialCasos(estado);
        }
    } else {
        // The typed load, as the ring analysis uses it: in t/m2, whatever the unit system.
        if (r.normal) {
            const std::string inicio = Blancos(8) + r.T(372);
            r.informe.Linea(inicio + Zona(inicio) + r.F(estado.caso.vQ, 7, 3) + " t/m2 -" +
                            r.F(estado.caso.vQ * tramo.vDE, 7, 3) + " t/m");
        }
        if (ErrorCalculo error = CalculaCargasUnMetro(contexto)) {
            return error;
        }
    }
    return {};
}

// The Tabular listing's block of the run: its heading and the one line of its data.
void ListaBloqueTabular(const PartesInforme &r, const std::string &textoTipoTubo,
                        const std::string &TextoCuna, const std::string &colocacion,
                        std::int32_t k, std::int32_t l)
{
    Informe &informe = r.informe;
    Impresora &impresora = r.impresora;
    const DatosTramo &tramo = r.tramo;
    impresora.PonNegrita(true);
    impresora.PonTamanoFuente(10);
    informe.Linea(Blancos(5) + r.T(352) + sTextoFijo(textoTipoTubo, AnchoTipoTubo));
    impresora.PonNegrita(false);
    informe.Salta(1);

    impresora.PonTamanoFuente(10);
    impresora.PonNegrita(true);
    informe.Linea(Blancos(5) + r.T(373));
    informe.Linea(Blancos(5) + r.T(374));
    informe.Linea(Blancos(5) + r.T(375));
    informe.Linea(Blancos(5) + std::string(127, '-'));
    impresora.PonNegrita(false);

    const std::string relleno = tramo.CodigoColocacion < 20
                                    ? sTextoFijo(Etiqueta(r.etiquetas.KmuRelleno, k, l), 7)
                                    : Blancos(7);
    const std::string cargaMovil =
        Etiqueta(r.etiquetas.NombresCargaMovil, tramo.TipoCargaConcentrada + 1);
    informe.Linea(
        Blancos(4) + sNumeroEnt(tramo.TramoActual, 4) + Blancos(3) + r.F(1000 * tramo.vDi, 7, 0) +
        r.F(1000 * tramo.ESP, 7, 0) + r.F(1000 * tramo.RECI, 7, 0) + Blancos(2) +
        r.F(1000 * tramo.RECE, 7, 0) + Blancos(4) + sTextoFijo(TextoCuna, 14) + Blancos(1) +
        sTextoFijo(colocacion, AnchoColocacionTabular) + Blancos(3) + r.F(tramo.AnchoZanja, 7, 3) +
        Blancos(1) + relleno + Blancos(1) + sTextoFijo(cargaMovil, CampoCargaMovilTabular.ancho));
    informe.Salta(2);
    r.listado.LineasRestantes -= LineasBloqueTabular;

    // The post-tensioned design prints its own table heading.
    if (r.esArmado) {
        r.contexto.salida.CabeceraTablaArmado(r.estado);
    }
}

} // namespace

std::string TextoTipoTubo(std::int32_t DesplazamientoIdioma, std::int16_t Tipologia)
{
    const std::int32_t d = DesplazamientoIdioma;
    switch (Tipologia) {
    case 1100:
        return Texto(d, 344) + " " + Texto(d, 346);
    case 1210:
    case 1220:
        return Texto(d, 344) + " " + Texto(d, 347);
    case 2100:
        return Texto(d, 345) + " " + Texto(d, 346);
    case 2211:
    case 2212:
        return Texto(d, 345) + " " + Texto(d, 347) + " " + Texto(d, 348);
    case 2221:
    case 2222:
        return Texto(d, 345) + " " + Texto(d, 347) + " " + Texto(d, 349);
    default:
        return {};
    }
}

void ConstruyeEtiquetas(EstadoObra &estado)
{
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const auto T = [d](std::int32_t n) { return Texto(d, n); };
    EtiquetasTramo &e = estado.etiquetas;

    e.NombresNivelControl = {"", T(113), T(114)};
    e.NombresCuna = {"", T(117), T(118)};
    e.NombresCargaMovil = {"", T(121), T(122), T(123), T(124), T(125)};
    // The settlement ratio r of each choice, written before its soil.
    e.NombresAsentamiento = {"", "1,0 - " + T(131), "0,5 - " + T(132), "0,3 - " + T(133)};

    e.NombresColocacion[1] = {"", T(330), T(333)};
    e.NombresColocacion[2] = {"", T(331), T(334)};
    e.NombresColocacion[3] = {"", T(159), Blancos(41)};

    // The Marston K mu' of each soil, padded so that the values end in one column.
    e.NombresRelleno[1] = {"", T(126) + " (0,192)", T(127) + " (0,165)", Blancos(37)};
    e.NombresRelleno[2] = {"", T(128) + " (0,150)" + Blancos(4), T(129) + " (0,130)",
                           T(130) + " (0,110)" + Blancos(1)};
    e.KmuRelleno[1] = {"", "(0,192)", "(0,165)", Blancos(7)};
    e.KmuRelleno[2] = {"", "(0,150)", "(0,130)", "(0,110)"};
}

ErrorCalculo ListaDatosTramo(ContextoCalculo &contexto, double CoeficienteImpacto)
{
    EstadoObra &estado = contexto.estado;
    if (!estado.caso.PrimerCaso) {
        return {};
    }

    Informe informe(contexto);
    EstadoListado &listado = estado.listado;
    const DatosTramo &tramo = estado.tramo;
    const bool imprimiendo = listado.Imprimiendo;
    const PartesInforme r{contexto,
                          estado,
                          informe,
                          informe.impresora(),
                          listado,
                          tramo,
                          estado.etiquetas,
                          estado.ejecucion.DesplazamientoIdioma,
                          estado.caso.NumeroCaso,
                          imprimiendo,
                          imprimiendo && listado.TipoListado == ClaseListado::Normal,
                          imprimiendo && listado.TipoListado == ClaseListado::Tabular,
                          tramo.EsArmado != Falso};

    EmpiezaPagina(r);
    if (r.esArmado && r.normal) {
        ListaMateriales(r);
    }

    const std::string textoTipoTubo = TextoTipoTubo(r.d, tramo.Tipologia);
    estado.caso.TextoTipoCamisa = TextoTipoCamisa(r.d, tramo.Tipologia);
    if (r.normal) {
        if (ErrorCalculo error = ListaTubo(r, textoTipoTubo)) {
            return error;
        }
    }

    const std::string TextoCuna = ListaCuna(r);

    // Tens and units digits of the installation code (11, 12, 21, 22, 31).
    const std::int32_t i = tramo.CodigoColocacion / 10;
    const std::int32_t j = tramo.CodigoColocacion - 10 * i;
    const std::string colocacion = Etiqueta(r.etiquetas.NombresColocacion, i, j);
    if (r.normal) {
        if (ErrorCalculo error = ListaColocacion(r, colocacion)) {
            return error;
        }
    }

    std::int32_t k = 0;
    std::int32_t l = 0;
    ListaZanjaTerraplen(r, k, l);

    if (r.normal) {
        informe.Salta(2);
        informe.Encabezado(Blancos(14) + r.T(371));
        informe.Salta(1);
    }

    if (ErrorCalculo error = ListaCargasTramo(r, CoeficienteImpacto)) {
        return error;
    }

    if (r.tabular) {
        ListaBloqueTabular(r, textoTipoTubo, TextoCuna, colocacion, k, l);
    }

    // A post-tensioned run's report goes on with its characteristics listing, which prints
    // only on the Normal kind.
    if (!r.esArmado) {
        contexto.diseno.ListaCaracteristicasPostesado(contexto);
    }
    return {};
}

} // namespace dravek
