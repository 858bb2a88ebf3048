#include "core/engine/DatosTramoListado.h"


#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/engine/PresionesCaso.h"
#include "core/engine/TablaCargas.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/model/Utf8.h"

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
    return ErrorCalculo::Con(Texto(d, 286) + ":" + std::to_string(numero) + "\n" + Texto(d, 937));
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

    SalidaListado &salida = contexto.salida;
    Informe informe(contexto);
    Impresora &impresora = informe.impresora();
    EstadoListado &listado = estado.listado;
    const DatosTramo &tramo = estado.tramo;
    const EtiquetasTramo &etiquetas = estado.etiquetas;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const std::int32_t numeroCaso = estado.caso.NumeroCaso;
    const bool imprimiendo = listado.Imprimiendo;
    const bool normal = imprimiendo && listado.TipoListado == ClaseListado::Normal;
    const bool tabular = imprimiendo && listado.TipoListado == ClaseListado::Tabular;
    const bool esArmado = tramo.EsArmado != Falso;
    const auto T = [d](std::int32_t n) { return Texto(d, n); };
    const auto F = [&informe](double valor, int ancho, int decimales) {
        return informe.F(valor, ancho, decimales);
    };

    // Page start: every run of the Normal listing after the first starts a page.
    if (listado.NumeroPagina > 0 && normal) {
        impresora.NuevaPagina();
    }
    if (listado.TipoListado == ClaseListado::Normal) {
        ++listado.NumeroPagina;
    }
    if (imprimiendo) {
        impresora.PonNombreFuente("Courier New");
        if (normal) {
            salida.CabeceraPagina(estado, numeroCaso, true);
        } else if (tabular) {
            const std::int32_t necesarias =
                esArmado ? LineasBloqueTabularArmado : LineasBloqueTabularPostesado;
            if (listado.NumeroPagina == 0) {
                listado.NumeroPagina = 1;
                salida.CabeceraPagina(estado, numeroCaso, true);
            } else if (listado.LineasRestantes < necesarias) {
                ++listado.NumeroPagina;
                impresora.NuevaPagina();
                salida.CabeceraPagina(estado, numeroCaso, true);
            }
        }
    }

    if (esArmado && normal) {
        informe.Encabezado(Blancos(14) + T(335));
        informe.Salta(1);
        informe.Dato(T(336) + informe.F(tramo.FCK, 9, 0, "Kp/cm2->MPa", true));
        // The tensile strength is shown as the calculation uses it (0.45 fck^(2/3) in kp/cm2,
        // converted), in the layout of the other strengths.
        informe.Dato(T(337) + informe.F(tramo.Fct, 9, 0, "Kp/cm2->MPa", true));
        informe.Dato(T(338) + informe.F(tramo.Fyk, 9, 0, "Kp/cm2->MPa", true));
        informe.Dato(T(339) + informe.F(tramo.Fyd, 9, 0, "Kp/cm2->MPa", true));
        informe.Salta(1);
        informe.Dato(T(340) + F(tramo.GamaB, 9, 2));
        informe.Salta(1);
        informe.Dato(T(343) +
                     sTextoFijo(Etiqueta(etiquetas.NombresNivelControl, tramo.TipoControl),
                                CampoNivelControl.ancho));
        const std::string EstadoGolpeAriete =
            TextoEnCampo(d, CampoGolpeAriete, estado.obra.GolpeArieteCalculado != Falso ? 1 : 2);
        informe.Dato(T(1069) + EstadoGolpeAriete);
    }

    const std::string textoTipoTubo = TextoTipoTubo(d, tramo.Tipologia);
    estado.caso.TextoTipoCamisa = TextoTipoCamisa(d, tramo.Tipologia);

    if (normal) {
        // The pipe's picture stands level with the pipe-kind line, to its right.
        const double y0 = impresora.PosicionVertical();
        informe.Dato(T(352) + sTextoFijo(textoTipoTubo, AnchoTipoTubo));
        informe.Salta(2);
        const double y1 = impresora.PosicionVertical();
        const std::string &figuraTubo =
            esArmado ? estado.frFiguras.ptArmado : estado.frFiguras.ptPostesado;
        if (ErrorCalculo error = informe.Figura(figuraTubo, XFiguraTubo, y0)) {
            return error;
        }
        impresora.PonPosicionVertical(y1);

        informe.Encabezado(Blancos(14) + T(354));
        informe.Salta(1);
        informe.Dato(T(355) + F(1000 * tramo.vDi, 7, 0) + " mm");
        informe.Dato(T(356) + F(1000 * tramo.ESP, 7, 0) + " mm");
        informe.Dato(T(357) + F(1000 * tramo.RECI, 7, 0) + " mm");
        informe.Dato(T(358) + F(1000 * tramo.RECE, 7, 0) + " mm");
        informe.Salta(1);
        informe.Dato(T(359) + F(tramo.vGAMAB, 7, 3) + " t/m3");
        informe.Salta(2);
        informe.Encabezado(Blancos(14) + T(360));
        informe.Salta(1);
    }

    // The cradle, by its analysis code: the concrete 120 degree cradle is 3 here.
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
    if (figuraCuna != 0 && imprimiendo) {
        estado.frFiguras.ptCuna = estado.ejecucion.RutaAplicacion + T(figuraCuna);
    } else if (tramo.vICUNA == 4 && normal) {
        estado.frFiguras.ptCuna.clear();
    }
    if (normal && tramo.vICUNA >= 1 && tramo.vICUNA <= 4) {
        informe.Dato(T(361) + TextoCuna);
    }

    // Tens and units digits of the installation code (11, 12, 21, 22, 31).
    const std::int32_t i = tramo.CodigoColocacion / 10;
    const std::int32_t j = tramo.CodigoColocacion - 10 * i;
    const std::string colocacion = Etiqueta(etiquetas.NombresColocacion, i, j);

    if (normal) {
        informe.Dato(T(362) + sTextoFijo(colocacion, AnchoColocacion));
        informe.Salta(1);
        const double y2 = impresora.PosicionVertical();
        if (ErrorCalculo error = informe.Figura(estado.frFiguras.ptCuna, XFiguraCuna, y2)) {
            return error;
        }
        if (ErrorCalculo error =
                informe.Figura(estado.frFiguras.ptColocacion, XFiguraColocacion, y2)) {
            return error;
        }
        // The pictures fill the rest of the first page.
        impresora.NuevaPagina();
        ++listado.NumeroPagina;
        salida.CabeceraPagina(estado, numeroCaso, false);
        informe.Encabezado(Blancos(14) + T(360) + " (" + T(363) + ")");
        informe.Salta(1);
        informe.Dato(T(364) + F(tramo.vGAMAT, 7, 3) + " t/m3");
        informe.Dato(T(365) + F(tramo.AnguloRozamiento, 3, 0) + "º");
    }

    // Tens and units digits of the fill soil code of a trench.
    std::int32_t k = 0;
    std::int32_t l = 0;
    if (tramo.CodigoColocacion < 20) {
        k = tramo.TipoRelleno / 10;
        l = tramo.TipoRelleno - 10 * k;
        if (normal) {
            informe.Dato(T(366) + F(tramo.AnchoZanja, 7, 3) + " m");
            informe.Dato(T(367) +
                         sTextoFijo(Etiqueta(etiquetas.NombresRelleno, k, l), AnchoNombreRelleno));
        }
    }
    if (tramo.CodigoColocacion > 20 && normal) {
        informe.Dato(T(1086) + F(tramo.AnchoZanja, 7, 3) + " m");
        informe.Dato(T(368));
        informe.Dato(T(369) + F(tramo.DistanciaTerrenoNatural, 7, 3) + " m");
    }
    if (tramo.CodigoColocacion > 30 && normal) {
        informe.Dato(T(370) +
                     sTextoFijo(Etiqueta(etiquetas.NombresAsentamiento, tramo.IndiceAsentamiento),
                                AnchoAsentamiento));
    }

    if (normal) {
        informe.Salta(2);
        informe.Encabezado(Blancos(14) + T(371));
        informe.Salta(1);
    }

    if (tramo.CalculoCargas == 1) {
        if (ErrorCalculo error = ListaCargas(contexto, CoeficienteImpacto)) {
            return error;
        }
        // The load table left the loads of its last row; the first case is analysed with
        // those of its own height. The Tabular and Pantalla printed kinds had the table keep
        // the loads, so they need nothing. The lateral-pressure coefficient of the case loop
        // depends on the friction angle alone and is still right.
        if (!imprimiendo || normal) {
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
        if (normal) {
            const std::string inicio = Blancos(8) + T(372);
            informe.Linea(inicio + Zona(inicio) + F(estado.caso.vQ, 7, 3) + " t/m2 -" +
                          F(estado.caso.vQ * tramo.vDE, 7, 3) + " t/m");
        }
        if (ErrorCalculo error = CalculaCargasUnMetro(contexto)) {
            return error;
        }
    }

    if (tabular) {
        impresora.PonNegrita(true);
        impresora.PonTamanoFuente(10);
        informe.Linea(Blancos(5) + T(352) + sTextoFijo(textoTipoTubo, AnchoTipoTubo));
        impresora.PonNegrita(false);
        informe.Salta(1);

        impresora.PonTamanoFuente(10);
        impresora.PonNegrita(true);
        informe.Linea(Blancos(5) + T(373));
        informe.Linea(Blancos(5) + T(374));
        informe.Linea(Blancos(5) + T(375));
        informe.Linea(Blancos(5) + std::string(127, '-'));
        impresora.PonNegrita(false);

        const std::string relleno = tramo.CodigoColocacion < 20
                                        ? sTextoFijo(Etiqueta(etiquetas.KmuRelleno, k, l), 7)
                                        : Blancos(7);
        const std::string cargaMovil =
            Etiqueta(etiquetas.NombresCargaMovil, tramo.TipoCargaConcentrada + 1);
        informe.Linea(Blancos(4) + sNumeroEnt(tramo.TramoActual, 4) + Blancos(3) +
                      F(1000 * tramo.vDi, 7, 0) + F(1000 * tramo.ESP, 7, 0) +
                      F(1000 * tramo.RECI, 7, 0) + Blancos(2) + F(1000 * tramo.RECE, 7, 0) +
                      Blancos(4) + sTextoFijo(TextoCuna, 14) + Blancos(1) +
                      sTextoFijo(colocacion, AnchoColocacionTabular) + Blancos(3) +
                      F(tramo.AnchoZanja, 7, 3) + Blancos(1) + relleno + Blancos(1) +
                      sTextoFijo(cargaMovil, CampoCargaMovilTabular.ancho));
        informe.Salta(2);
        listado.LineasRestantes -= LineasBloqueTabular;

        // The post-tensioned design prints its own table heading.
        if (esArmado) {
            salida.CabeceraTablaArmado(estado);
        }
    }

    // A post-tensioned run's report goes on with its characteristics listing, which prints
    // only on the Normal kind.
    if (!esArmado) {
        contexto.diseno.ListaCaracteristicasPostesado(contexto);
    }
    return {};
}

} // namespace dravek
