#include <string>

#include "core/entry/AyudasCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/CodigosColocacion.h"
#include "core/model/TextoRecurso.h"

namespace dravek {

namespace {

using captura::Vacio;
void Muestra(Control &control, Etiqueta &etiqueta)
{
    control.Visible = true;
    etiqueta.Visible = true;
    if (auto *caja = dynamic_cast<ControlTexto *>(&control)) {
        caja->BackColor = ColorFondo::Editable;
    }
}

void Oculta(ControlTexto &caja, Etiqueta &etiqueta, bool vacia)
{
    caja.Visible = false;
    caja.BackColor = ColorFondo::Cerrado;
    etiqueta.Visible = false;
    if (vacia) {
        ponTexto(caja, "");
    }
}

// Caption items of the laying fields.
constexpr int EtiquetaB0 = 29;
constexpr int EtiquetaRelleno = 32;
constexpr int EtiquetaHr1 = 50;
constexpr int EtiquetaApoyo = 26;
constexpr int EtiquetaAsentamiento = 53;

} // namespace

void CapturaDatos::CargaFiguraColocacion()
{
    const int k = rdTipoColocacion.Seleccionada();
    const std::int16_t cuna = m_estado.tramo.vICUNA;
    if (k < 0 || (cuna != 1 && cuna != 2)) {
        return;
    }
    // Texts 412-414 are the three installations with the granular cradle, 415-417 with the
    // concrete one.
    CargaFigura(ptColocacion, 412 + 3 * (cuna - 1) + k);
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
    const std::int32_t d = e.ejecucion.DesplazamientoIdioma;

    if (k == 2) {
        Oculta(edB0, lbEtiquetas(EtiquetaB0), true);
        t.AnchoZanja = 0;
    } else {
        Muestra(edB0, lbEtiquetas(EtiquetaB0));
        if (Vacio(edB0.Text()) && !Vacio(edDi0.Text())) {
            t.AnchoZanja = AnchoZanjaAutomatico(t.vDE);
            ponTexto(edB0, FormateaMascara(t.AnchoZanja, "#####0.000",
                                           e.ejecucion.SeparadorDecimalLocal));
        }
    }
    if (k == 0) {
        Muestra(edTipoRelleno0, lbEtiquetas(EtiquetaRelleno));
        Oculta(edHr1, lbEtiquetas(EtiquetaHr1), true);
        t.DistanciaTerrenoNatural = 0;
    } else {
        Oculta(edTipoRelleno0, lbEtiquetas(EtiquetaRelleno), true);
        t.TipoRelleno = 0;
        Muestra(edHr1, lbEtiquetas(EtiquetaHr1));
        // hr'' above a trench under an embankment, hr' beside an embankment.
        lbEtiquetas(EtiquetaHr1).Caption = Texto(d, 316) + (k == 1 ? "'' (m):" : "' (m):");
    }
    if (k == 2) {
        Oculta(edTipoApoyo0, lbEtiquetas(EtiquetaApoyo), true);
        t.CodigoColocacion = Terraplen;
    } else {
        Muestra(edTipoApoyo0, lbEtiquetas(EtiquetaApoyo));
        t.CodigoColocacion = 0;
        t.IndiceAsentamiento = 0;
        Oculta(edIAs, lbEtiquetas(EtiquetaAsentamiento), false);
    }

    if (!Vacio(edTipoCuna0.Text())) {
        CargaFiguraColocacion();
    }

    if (k == 2) {
        Muestra(edIAs, lbEtiquetas(EtiquetaAsentamiento));
        ponTexto(edIAs, edIAs.List(1));
        t.IndiceAsentamiento = 2;
        ponTexto(edTipoApoyo0, "");
    } else if (Vacio(edTipoApoyo0.Text())) {
        ponTexto(edTipoApoyo0, edTipoApoyo0.List(1));
    }
}

} // namespace dravek
