#include "core/entry/CambioTipologia.h"

#include "core/entry/AyudasCaptura.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/DisposicionColocacion.h"
#include "core/entry/LimitesCampos.h"
#include "core/entry/LimpiezaTramo.h"
#include "core/entry/ListasDimensiones.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/validation/GeometriaEstandar.h"

#include <cstdint>

namespace dravek {

namespace {

constexpr std::int16_t Armado = 1210;
constexpr std::int16_t CamisaEmbebida = 2211;
constexpr std::int16_t CamisaRevestida = 2221;
constexpr std::int32_t TextoUnidadMPa = 140;
constexpr std::int32_t TextoUnidadKpCm2 = 141;
constexpr std::int32_t TextoCambioTipologiaLimpia = 322;
constexpr std::int32_t TextoDatosPantalla = 323;
constexpr std::int32_t TextoTramosGrabadosIntactos = 324;
constexpr std::int32_t TextoDeseaContinuar = 325; // "¿ Desea Continuar ?"
constexpr std::int32_t TextoTensionAcero = 326;   // "La Tensión de cálculo del acero supera..."
constexpr double LimiteFyd = 1400.0;              // kp/cm2

using captura::T;
// Yes to go on with a change that clears the run's data.
bool Confirma(CapturaDatos &v)
{
    const std::string pregunta =
        T(v, TextoCambioTipologiaLimpia) + "\n" + T(v, TextoDatosPantalla) + "\n" +
        T(v, TextoTramosGrabadosIntactos) + "\n" + T(v, TextoDeseaContinuar);
    return v.mensajes().Muestra(pregunta, BotonesMensaje::SiNo, IconoMensaje::Ninguno,
                                T(v, TextoAviso)) == RespuestaMensaje::Si;
}

} // namespace

void CambiaTipologia(CapturaDatos &v, int bandera)
{
    EstadoObra &e = v.estado();
    DatosTramo &t = e.tramo;
    // Data would be lost: a stored run being edited, or changes not saved yet.
    const bool hayDatos = IgualSinMayusculas(e.ejecucion.ModoCaptura, "MODIFICACIONES") ||
                          e.ejecucion.DatosModificados;
    std::int16_t nuevo = 0;
    if (v.TabTipologia.Tab() == 0) {
        if (hayDatos && t.Tipologia != Armado && t.Tipologia != 0) {
            const bool sigue = Confirma(v);
            if (bandera != 0) {
                v.SetFocus(v.TabTipologia);
            }
            if (!sigue) {
                ponPestana(v.TabTipologia, 1);
                return;
            }
        }
        nuevo = Armado;
        v.CargaFigura(v.ptPostesado, 0);
    } else {
        if (hayDatos && t.Tipologia == Armado) {
            const bool sigue = Confirma(v);
            if (bandera != 0) {
                v.SetFocus(v.TabTipologia);
            }
            if (!sigue) {
                ponPestana(v.TabTipologia, 0);
                return;
            }
        }
        if (v.TipoCamisa.Value(0)) {
            nuevo = CamisaEmbebida;
            v.CargaFigura(v.ptPostesado, FiguraCamisa(false));
        }
        if (v.TipoCamisa.Value(1)) {
            nuevo = CamisaRevestida;
            v.CargaFigura(v.ptPostesado, FiguraCamisa(true));
        }
        if (nuevo == 0) {
            // The option's click would set the typology; it is set below.
            const std::int16_t anterior = t.Tipologia;
            ponValor(v.TipoCamisa, 0, true);
            t.Tipologia = anterior;
            nuevo = CamisaEmbebida;
            v.CargaFigura(v.ptPostesado, FiguraCamisa(false));
        }
    }
    if (nuevo == t.Tipologia) {
        return;
    }

    if (nuevo == Armado) {
        if (bandera != 0) {
            LimpiaDatosPantalla(v, NivelLimpiezaTramo::Materiales);
        }
        t.Tipologia = Armado;
        t.EsArmado = Verdadero;
        t.ClaseFisuracion = 3;
        t.TipoPostesado = 0;
        v.edReci0.Visible = true;
        v.edReci0.BackColor = ColorFondo::Editable;
        v.lbEtiquetas(22).Visible = true;
        PonDefectosArmado(v);
    } else {
        t.EsArmado = Falso;
        t.ClaseFisuracion = 0;
        t.TipoPostesado = 1;
        if (t.Tipologia < CamisaEmbebida) {
            LimpiaDatosPantalla(v, NivelLimpiezaTramo::MaterialesConCamisa);
        }
        t.Tipologia = nuevo;
        v.edReci0.Visible = true;
        v.edReci0.BackColor = ColorFondo::Editable;
        // Ends with the embedded cylinder (2211) selected.
        PonDefectosPostesado(v);
    }
    // The lists follow the typology the switch ended with, not the one it started from.
    CargaListasDimensiones(v, ColumnaGrupo(t.Tipologia));
}

int CompruebaTensionAcero(CapturaDatos &v, bool MoverFoco)
{
    const EstadoObra &e = v.estado();
    const bool si = v.MuestraSI();
    const double limite = si ? LimiteFyd / FactorTensiones : LimiteFyd;
    if (!(e.tramo.Fyd > limite)) {
        return 0;
    }
    // The limit as the box writes its values, a blank apart from the words before it.
    std::string pregunta = T(v, TextoTensionAcero);
    if (pregunta.empty() || pregunta.back() != ' ') {
        pregunta += ' ';
    }
    pregunta += CotaComoLaCaja(v, limite, BuscaCampo("edFyd")->mascara(si)) +
                EtiquetaUnidad(v, 1) + "\n" + T(v, TextoDeseaContinuar);
    if (v.mensajes().Muestra(pregunta, BotonesMensaje::SiNo, IconoMensaje::Ninguno,
                             T(v, TextoAviso)) == RespuestaMensaje::No) {
        // A stored run checked for printing need not be the one on the window, whose steel
        // box may lie on a page not shown: the focus stays where the engineer was.
        if (MoverFoco) {
            v.SetFocus(v.edFyd);
        }
        return 1;
    }
    return 0;
}

std::string TextoSistemaUnidades(const CapturaDatos &v)
{
    return ". " + T(v, v.MuestraSI() ? 267 : 268);
}

std::string TextoGolpeAriete(const CapturaDatos &v)
{
    return v.rdGolpeAriete.Value(0) ? "Si" : "No";
}

std::string EtiquetaUnidad(const CapturaDatos &v, int tipo)
{
    if (tipo != 1) {
        return {};
    }
    std::string unidad;
    for (const char c : T(v, v.MuestraSI() ? TextoUnidadMPa : TextoUnidadKpCm2)) {
        if (c != '(' && c != ')') {
            unidad.push_back(c);
        }
    }
    return " " + unidad;
}

} // namespace dravek
