#include "core/entry/DisposicionColocacion.h"

#include "core/entry/AyudasCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/CodigosColocacion.h"
#include "core/model/TextoRecurso.h"

#include <cstdint>
#include <string>

namespace dravek {

namespace {

using captura::Vacio;

// Caption items of the laying fields.
constexpr int EtiquetaB0 = 29;
constexpr int EtiquetaRelleno = 32;
constexpr int EtiquetaHr1 = 50;
constexpr int EtiquetaApoyo = 26;
constexpr int EtiquetaAsentamiento = 53;
constexpr int EtiquetaReci0 = 22;

constexpr std::int32_t TextoDistanciaTerreno = 316;
// The Spanish captions of the distance to the natural ground that a stored run shows.
constexpr const char *DistanciaTerrenoBajoTerraplen =
    "Distancia de la Generatriz superior del Tubo a la superficie del terreno natural hr'' (m):";
constexpr const char *DistanciaTerrenoTerraplen =
    "Distancia de la Generatriz superior del Tubo a la superficie del terreno natural hr' (m):";

// Texts 412-414 are the three installations with the granular cradle, 415-417 with the
// concrete one.
constexpr std::int32_t PrimeraFiguraColocacion = 412;
constexpr std::int32_t FiguraCamisaEmbebida = 418;
constexpr std::int32_t FiguraCamisaRevestida = 419;

} // namespace

void MuestraCaja(Control &caja, Etiqueta &etiqueta, bool visible)
{
    caja.Visible = visible;
    if (auto *texto = dynamic_cast<ControlTexto *>(&caja)) {
        texto->BackColor = visible ? ColorFondo::Editable : ColorFondo::Cerrado;
    }
    etiqueta.Visible = visible;
}

void DisponColocacion(CapturaDatos &v, int k, RotuloDistancia rotulo)
{
    MuestraCaja(v.edB0, v.lbEtiquetas(EtiquetaB0), k < 2);
    MuestraCaja(v.edTipoRelleno0, v.lbEtiquetas(EtiquetaRelleno), k == 0);
    MuestraCaja(v.edHr1, v.lbEtiquetas(EtiquetaHr1), k > 0);
    if (k > 0) {
        // hr'' above a trench under an embankment, hr' beside an embankment.
        std::string &caption = v.lbEtiquetas(EtiquetaHr1).Caption;
        if (rotulo == RotuloDistancia::Texto) {
            caption = Texto(v.estado().ejecucion.DesplazamientoIdioma, TextoDistanciaTerreno) +
                      (k == 1 ? "'' (m):" : "' (m):");
        } else {
            caption = k == 1 ? DistanciaTerrenoBajoTerraplen : DistanciaTerrenoTerraplen;
        }
    }
    MuestraCaja(v.edTipoApoyo0, v.lbEtiquetas(EtiquetaApoyo), k < 2);
}

std::int32_t FiguraColocacion(std::int16_t cuna, int k)
{
    if (k < 0 || k > 2 || (cuna != 1 && cuna != 2)) {
        return 0;
    }
    return PrimeraFiguraColocacion + 3 * (cuna - 1) + k;
}

std::int32_t FiguraCamisa(bool revestida)
{
    return revestida ? FiguraCamisaRevestida : FiguraCamisaEmbebida;
}

void DisponCamisa(CapturaDatos &v, bool revestida)
{
    MuestraCaja(v.edReci0, v.lbEtiquetas(EtiquetaReci0), !revestida);
    v.CargaFigura(v.ptPostesado, FiguraCamisa(revestida));
}

void CapturaDatos::CargaFiguraColocacion()
{
    const std::int32_t figura =
        FiguraColocacion(m_estado.tramo.vICUNA, rdTipoColocacion.Seleccionada());
    if (figura != 0) {
        CargaFigura(ptColocacion, figura);
    }
}

void CapturaDatos::rdTipoColocacion_Click(int /*Index*/)
{
    EstadoObra &e = m_estado;
    if (e.ejecucion.Cargando) {
        return;
    }
    int k = 0;
    while (k < rdTipoColocacion.Count() && !rdTipoColocacion.Value(k)) {
        ++k;
    }
    if (k >= rdTipoColocacion.Count()) {
        return;
    }
    DatosTramo &t = e.tramo;
    t.IndiceColocacion = static_cast<std::int16_t>(k);

    DisponColocacion(*this, k, RotuloDistancia::Texto);
    // What the boxes the installation hides held goes with them.
    if (k == 2) {
        ponTexto(edB0, "");
        t.AnchoZanja = 0;
    } else if (Vacio(edB0.Text()) && !Vacio(edDi0.Text())) {
        t.AnchoZanja = AnchoZanjaAutomatico(t.vDE);
        ponTexto(edB0,
                 FormateaMascara(t.AnchoZanja, "#####0.000", e.ejecucion.SeparadorDecimalLocal));
    }
    if (k == 0) {
        ponTexto(edHr1, "");
        t.DistanciaTerrenoNatural = 0;
    } else {
        ponTexto(edTipoRelleno0, "");
        t.TipoRelleno = 0;
    }
    if (k == 2) {
        ponTexto(edTipoApoyo0, "");
        t.CodigoColocacion = Terraplen;
    } else {
        t.CodigoColocacion = 0;
        t.IndiceAsentamiento = 0;
        MuestraCaja(edIAs, lbEtiquetas(EtiquetaAsentamiento), false);
    }

    if (!Vacio(edTipoCuna0.Text())) {
        CargaFiguraColocacion();
    }

    if (k == 2) {
        MuestraCaja(edIAs, lbEtiquetas(EtiquetaAsentamiento), true);
        ponTexto(edIAs, edIAs.List(1));
        t.IndiceAsentamiento = 2;
        ponTexto(edTipoApoyo0, "");
    } else if (Vacio(edTipoApoyo0.Text())) {
        ponTexto(edTipoApoyo0, edTipoApoyo0.List(1));
    }
}

} // namespace dravek
