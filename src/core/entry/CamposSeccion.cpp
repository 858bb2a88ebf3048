#include "core/entry/CamposSeccion.h"

#include "core/entry/AyudasCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/CodigosColocacion.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/validation/FuncionesGenerales.h"
#include "core/validation/GeometriaEstandar.h"

#include <cmath>

namespace dravek {

namespace {

constexpr std::int32_t TextoDiametro = 936;          // "Diámetro Interior (m)"
constexpr std::int32_t TextoNoComercial = 263;       // "Este Diametro no es Comercial"
constexpr std::int32_t TextoCambiarlo = 262;         // "¿ Desea Cambiarlo ?"
constexpr std::int32_t TextoInteriorAbreviado = 264; // "Recubrim. Interior (cm.)"
constexpr std::int32_t TextoExteriorAbreviado = 265; // "Recubrim. Exterior (cm.)"
constexpr std::int32_t TextoRecubrimientoInteriorMinimo = 1160;
constexpr std::int16_t CamisaRevestida = 2221;
constexpr double MinimoCampo = 0.001;
// Recommended covers lie between 2 and 4 cm whatever the diameter.
constexpr const char *RangoRecubrimientos = " (2 - 4)";

using captura::Formato;
using captura::T;
using captura::Vacio;
// Nearest whole number, a half to the even one.
std::int32_t Redondea(double x)
{
    const double r = std::nearbyint(x);
    if (!std::isfinite(r) || r > 2.0e9 || r < -2.0e9) {
        return 0;
    }
    return static_cast<std::int32_t>(r);
}

void MuestraDiametroExterior(CapturaDatos &v)
{
    DatosTramo &t = v.estado().tramo;
    t.vDE = t.vDi + 2.0 * t.ESP / 100.0;
    ponTexto(v.edDe0, Formato(v, t.vDE, "#####0.000"));
}

ResultadoGeometria Busca(CapturaDatos &v, ModoGeometria modo)
{
    DatosTramo &t = v.estado().tramo;
    return BuscaGeometriaRecomendada(v.estado().tablas, v.estado().ejecucion, v.mensajes(), t.ESP,
                                     t.RECI, t.RECE, t.Tipologia, t.vDi, modo);
}

// The lined cylinder's inner cover from the thickness and the outer cover. A cover below the
// minimum (a thickness not above the outer cover) is refused, not stored.
bool DeduceRecubrimientoInterior(CapturaDatos &v)
{
    DatosTramo &t = v.estado().tramo;
    const double interior = t.ESP - t.RECE;
    // The difference of two typed tenths carries rounding: 12 - 11.9 must still pass.
    if (!(interior >= RecubrimientoInteriorMinimo - 1e-9)) {
        v.mensajes().Muestra(T(v, TextoRecubrimientoInteriorMinimo), BotonesMensaje::Aceptar,
                             IconoMensaje::Ninguno, T(v, TextoRecubrimientoExterior));
        return false;
    }
    t.RECI = interior;
    ponTexto(v.edReci0, Formato(v, t.RECI, "#####0.0"));
    return true;
}

enum class PasoCamisaRevestida { Ninguno, SiHayExterior, Siempre };

ResultadoCampo ValidaCampoSeccion(CapturaDatos &v, const std::string &texto, double &variable,
                                  std::int32_t caption, ModoGeometria modo,
                                  PasoCamisaRevestida paso, bool recalculaExterior)
{
    EstadoObra &e = v.estado();
    const std::string titulo = T(v, caption);
    // A commercial diameter lets the field be left empty: it takes the recommended value.
    const bool comercial = e.tramo.DiametroComercial != Falso;
    if (!ValidaNumero(e.ejecucion, v.mensajes(), comercial ? 0.0 : MinimoCampo, texto, variable,
                      titulo, LecturaNumero::Estricta)) {
        return comercial ? ResultadoCampo::VuelveAlDiametro : ResultadoCampo::MantieneFoco;
    }
    ResultadoCampo resultado = ResultadoCampo::Aceptado;
    if (variable < MinimoCampo && Busca(v, modo) != ResultadoGeometria::Encontrado) {
        v.mensajes().Muestra(T(v, TextoNoComercial), BotonesMensaje::Aceptar,
                             IconoMensaje::Ninguno, titulo);
        resultado = ResultadoCampo::VuelveAlDiametro;
    }
    const bool deduce = e.tramo.Tipologia == CamisaRevestida &&
                        (paso == PasoCamisaRevestida::Siempre ||
                         (paso == PasoCamisaRevestida::SiHayExterior && !Vacio(v.edRece0.Text())));
    const bool interiorValido = !deduce || DeduceRecubrimientoInterior(v);
    if (recalculaExterior) {
        MuestraDiametroExterior(v);
    }
    if (!interiorValido) {
        return ResultadoCampo::VaAlRecubrimientoExterior;
    }
    return resultado;
}

} // namespace

bool ValidaDiametro(CapturaDatos &v, const std::string &texto)
{
    EstadoObra &e = v.estado();
    DatosTramo &t = e.tramo;
    const double anterior = t.vDi;
    if (!ValidaNumero(e.ejecucion, v.mensajes(), MinimoCampo, texto, t.vDi, T(v, TextoDiametro),
                      LecturaNumero::Estricta)) {
        return false;
    }
    t.DiametroComercial = Verdadero;
    if (Busca(v, ModoGeometria::Comercial) != ResultadoGeometria::Encontrado) {
        t.DiametroComercial = Falso;
        const RespuestaMensaje r =
            v.mensajes().Muestra(T(v, TextoCambiarlo), BotonesMensaje::SiNo, IconoMensaje::Ninguno,
                                 T(v, TextoNoComercial));
        if (r == RespuestaMensaje::Si) {
            return false;
        }
        t.RangoRecomendadoMin = 0;
        t.RangoRecomendadoMax = 0;
        v.lbEtiquetas(21).Caption = T(v, TextoEspesor);
        v.lbEtiquetas(22).Caption = T(v, TextoRecubrimientoInterior);
        v.lbEtiquetas(23).Caption = T(v, TextoRecubrimientoExterior);
    } else {
        // Fields are rewritten with the recommended values only for a new diameter or where
        // they are empty; the variables always take them.
        const bool nuevo = t.vDi != anterior;
        Busca(v, ModoGeometria::Espesor);
        const double banda = t.vDi * 0.02 * 100.0; // cm
        t.RangoRecomendadoMin = Redondea(t.ESP - banda);
        t.RangoRecomendadoMax = Redondea(t.ESP + banda);
        if (nuevo || Vacio(v.edEsp0.Text())) {
            ponTexto(v.edEsp0, Formato(v, t.ESP, "######0.0"));
        }
        v.lbEtiquetas(21).Caption = T(v, TextoEspesor) + " (" +
                                    std::to_string(t.RangoRecomendadoMin) + " - " +
                                    std::to_string(t.RangoRecomendadoMax) + ")";
        if (t.Tipologia != CamisaRevestida) {
            Busca(v, ModoGeometria::RecubrimientoInterior);
            if (nuevo || Vacio(v.edReci0.Text())) {
                ponTexto(v.edReci0, Formato(v, t.RECI, "######0.0"));
            }
            v.lbEtiquetas(22).Caption = T(v, TextoInteriorAbreviado) + RangoRecubrimientos;
        } else {
            v.lbEtiquetas(22).Caption = T(v, TextoRecubrimientoInterior);
        }
        Busca(v, ModoGeometria::RecubrimientoExterior);
        if (nuevo || Vacio(v.edRece0.Text())) {
            ponTexto(v.edRece0, Formato(v, t.RECE, "######0.0"));
        }
        v.lbEtiquetas(23).Caption = T(v, TextoExteriorAbreviado) + RangoRecubrimientos;
    }
    MuestraDiametroExterior(v);
    return true;
}

ResultadoCampo ValidaEspesor(CapturaDatos &v, const std::string &texto)
{
    return ValidaCampoSeccion(v, texto, v.estado().tramo.ESP, TextoEspesor, ModoGeometria::Espesor,
                              PasoCamisaRevestida::SiHayExterior, true);
}

ResultadoCampo ValidaRecubrimientoInterior(CapturaDatos &v, const std::string &texto)
{
    return ValidaCampoSeccion(v, texto, v.estado().tramo.RECI, TextoRecubrimientoInterior,
                              ModoGeometria::RecubrimientoInterior, PasoCamisaRevestida::Ninguno,
                              false);
}

ResultadoCampo ValidaRecubrimientoExterior(CapturaDatos &v, const std::string &texto)
{
    return ValidaCampoSeccion(v, texto, v.estado().tramo.RECE, TextoRecubrimientoExterior,
                              ModoGeometria::RecubrimientoExterior, PasoCamisaRevestida::Siempre,
                              false);
}

bool ValidaAnchoZanja(CapturaDatos &v, const std::string &texto)
{
    EstadoObra &e = v.estado();
    DatosTramo &t = e.tramo;
    if (!ValidaNumero(e.ejecucion, v.mensajes(), 0.0, texto, t.AnchoZanja, T(v, TextoAnchoZanja),
                      LecturaNumero::Estricta)) {
        return false;
    }
    if (t.AnchoZanja < MinimoCampo) {
        t.AnchoZanja = AnchoZanjaAutomatico(t.vDE);
        ponTexto(v.edB0, Formato(v, t.AnchoZanja, "#####0.000"));
    }
    return true;
}

} // namespace dravek
