// Handlers of the laying boxes: the pipe section, the installation and its trench, the fill, and
// the loads (a typed total vertical load, or the live load added to the earth load).

#include "core/engine/PresionesCaso.h"
#include "core/entry/AyudasManejadores.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/CamposSeccion.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/PatronCampos.h"
#include "core/model/CargaHorizontal.h"
#include "core/model/CodigosColocacion.h"
#include "core/model/TextosComunes.h"

#include <string>

namespace dravek {

using namespace manejadores;

namespace {

constexpr std::string_view MascaraAncho = "#####0.000";
constexpr std::int16_t CamisaRevestida = 2221;
constexpr double CargaMinima = 0.001; // t/m2 / MPa: a smaller total load means none

constexpr std::int32_t TextoDistanciaGeneratriz = 313;
constexpr std::int32_t TextoDistanciaClaveSuperficie = 314;
constexpr std::int32_t TextoMayorQueAlturaRelleno = 315;
constexpr std::int32_t TextoAnchoZanjaMayorQue = 513;
constexpr std::int32_t TextoVecesDiametroInterior = 514;
constexpr std::int32_t TextoAtencion = 515;
constexpr std::int32_t TextoDatoRequerido = 518;

// The automatic trench width: 1.4 x the outer diameter + 0.68 m.
double AnchoAutomatico(const DatosTramo &t)
{
    return AnchoZanjaAutomatico(t.vDE);
}

void PonAnchoAutomatico(CapturaDatos &v)
{
    DatosTramo &t = v.estado().tramo;
    t.AnchoZanja = AnchoAutomatico(t);
    Muestra(v, v.edB0, t.AnchoZanja, MascaraAncho);
}

bool EsZanja(const CapturaDatos &v)
{
    return v.rdTipoColocacion.Value(0) || v.rdTipoColocacion.Value(1);
}

// Position (from 0) of the last entry equal to the text, compared exactly; -1 when none is.
int PosicionEnLista(const Lista &lista)
{
    int posicion = -1;
    for (int p = 0; p < lista.ListCount(); ++p) {
        if (lista.Text() == lista.List(p)) {
            posicion = p;
        }
    }
    return posicion;
}

std::string SinDosPuntos(std::string texto)
{
    std::erase(texto, ':');
    return texto;
}

// The leave check of a unit weight or the friction angle: a refused text puts the entry value
// back.
bool SaleSuelo(CapturaDatos &v, std::string_view caja, double minimo, const std::string &caption,
               bool &Cancel)
{
    const CampoNumerico &campo = Campo(caja);
    double &variable = campo.variable.de(v.estado());
    const bool aceptado = Comprueba(v, campo.control(v), minimo, variable, caption);
    if (!aceptado) {
        Cancel = true;
        variable = *campo.defecto;
    }
    return aceptado;
}

void EntraSuelo(CapturaDatos &v, std::string_view caja)
{
    EntraCampoNumerico(v, Campo(caja));
}

// What a thickness or cover check tells its box: keep the focus, or send it to the diameter or
// to the outer cover. True when the box goes on to show its value.
bool AtiendeResultado(CapturaDatos &v, ResultadoCampo r, Control &caja, bool &Cancel)
{
    switch (r) {
    case ResultadoCampo::Aceptado:
        return true;
    case ResultadoCampo::MantieneFoco:
        Cancel = true;
        return false;
    case ResultadoCampo::VuelveAlDiametro:
        v.SetFocus(v.edDi0);
        return false;
    case ResultadoCampo::VaAlRecubrimientoExterior:
        if (&caja == &v.edRece0) {
            Cancel = true;
        } else {
            v.SetFocus(v.edRece0);
        }
        return false;
    }
    return false;
}

} // namespace

// Section.

void CapturaDatos::edDi0_GotFocus()
{
    if (TabDatosColocacion.Tab() != 0) {
        ponPestana(TabDatosColocacion, 0);
    }
}

void CapturaDatos::edDi0_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    const double anterior = t.vDi;
    t.AnchoZanjaAutomatico = Falso;
    if (!ValidaDiametro(*this, edDi0.Text())) {
        Cancel = true;
    }
    Muestra(*this, edDi0, t.vDi, "#####0.000");
    if (t.vDi != anterior) {
        t.AnchoZanjaAutomatico = Verdadero;
        MarcaModificado();
        PonAnchoAutomatico(*this);
    }
}

void CapturaDatos::edDi0_Click()
{
    EligeEnLista(*this, edDi0);
}

void CapturaDatos::edEsp0_GotFocus() {}

void CapturaDatos::edEsp0_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    const double anterior = t.ESP;
    const ResultadoCampo r = ValidaEspesor(*this, edEsp0.Text());
    if (r == ResultadoCampo::MantieneFoco) {
        Cancel = true;
    } else if (!AtiendeResultado(*this, r, edEsp0, Cancel)) {
        return;
    }
    Muestra(*this, edEsp0, t.ESP, "#####0.0");
    // The trench width follows every change of the outer diameter.
    if (t.ESP != anterior) {
        MarcaModificado();
        PonAnchoAutomatico(*this);
    }
}

void CapturaDatos::edEsp0_Click()
{
    EligeEnLista(*this, edEsp0);
}

void CapturaDatos::edReci0_GotFocus() {}

void CapturaDatos::edReci0_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    // A lined cylinder's inner cover follows from the thickness and the outer cover.
    if (t.Tipologia == CamisaRevestida) {
        return;
    }
    const double anterior = t.RECI;
    if (!AtiendeResultado(*this, ValidaRecubrimientoInterior(*this, edReci0.Text()), edReci0,
                          Cancel)) {
        return;
    }
    Muestra(*this, edReci0, t.RECI, "#####0.0");
    if (t.RECI != anterior) {
        MarcaModificado();
    }
}

void CapturaDatos::edReci0_Click()
{
    EligeEnLista(*this, edReci0);
}

void CapturaDatos::edRece0_GotFocus() {}

void CapturaDatos::edRece0_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    const double anterior = t.RECE;
    if (!AtiendeResultado(*this, ValidaRecubrimientoExterior(*this, edRece0.Text()), edRece0,
                          Cancel)) {
        return;
    }
    Muestra(*this, edRece0, t.RECE, "#####0.0");
    if (t.RECE != anterior) {
        MarcaModificado();
    }
}

void CapturaDatos::edRece0_Click()
{
    EligeEnLista(*this, edRece0);
}

// Trench width.

void CapturaDatos::edB0_GotFocus()
{
    if (EsZanja(*this) && Vacio(edB0.Text())) {
        PonAnchoAutomatico(*this);
    }
}

void CapturaDatos::edB0_Validate(bool &Cancel)
{
    if (!EsZanja(*this)) {
        return;
    }
    DatosTramo &t = m_estado.tramo;
    const double anterior = t.AnchoZanja;
    if (!ValidaAnchoZanja(*this, edB0.Text())) {
        Cancel = true;
        t.AnchoZanja = AnchoAutomatico(t);
    }
    const std::int16_t limite = m_estado.tablas.LimiteAnchoZanja;
    if (limite > 0 && t.IndiceColocacion == 1 && t.AnchoZanja > limite * t.vDi &&
        t.AnchoZanja != anterior) {
        mensajes().Muestra(T(*this, TextoAnchoZanjaMayorQue) + " \n" + std::to_string(limite) +
                               " " + T(*this, TextoVecesDiametroInterior),
                           BotonesMensaje::Aceptar, IconoMensaje::Pregunta,
                           T(*this, TextoAtencion));
    }
    if (t.AnchoZanja != anterior) {
        t.AnchoZanjaAutomatico = Falso;
    }
    Muestra(*this, edB0, t.AnchoZanja, MascaraAncho);
}

// Fill.

void CapturaDatos::edGc0_GotFocus()
{
    EntraSuelo(*this, "edGc0");
}

void CapturaDatos::edGc0_Validate(bool &Cancel)
{
    SaleSuelo(*this, "edGc0", 0.001, SinDosPuntos(T(*this, TextoDensidadMaterialTubo)), Cancel);
    Muestra(*this, edGc0, m_estado.tramo.vGAMAB, "#####0.00");
}

void CapturaDatos::edGr0_GotFocus()
{
    EntraSuelo(*this, "edGr0");
}

void CapturaDatos::edGr0_Validate(bool &Cancel)
{
    SaleSuelo(*this, "edGr0", 0.001, T(*this, TextoDensidadTerreno), Cancel);
    Muestra(*this, edGr0, m_estado.tramo.vGAMAT, "#####0.00");
}

void CapturaDatos::edFi0_GotFocus()
{
    EntraSuelo(*this, "edFi0");
}

void CapturaDatos::edFi0_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (SaleSuelo(*this, "edFi0", 0, T(*this, TextoAnguloRozamientoTerreno), Cancel) &&
        (t.AnguloRozamiento < 0 || t.AnguloRozamiento > 90)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoAnguloRozamientoFueraRango), T(*this, TextoError));
    }
    Muestra(*this, edFi0, t.AnguloRozamiento, "#####0.00");
}

void CapturaDatos::edHr1_GotFocus() {}

void CapturaDatos::edHr1_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (rdTipoColocacion.Value(1) || rdTipoColocacion.Value(2)) {
        if (!Comprueba(*this, edHr1, 0.001, t.DistanciaTerrenoNatural,
                       T(*this, TextoDistanciaGeneratriz))) {
            Cancel = true;
        }
        Muestra(*this, edHr1, t.DistanciaTerrenoNatural, "#####0.000");
    }
    RangoAlturas(m_estado);
    if (rdTipoColocacion.Value(1) && t.DistanciaTerrenoNatural > m_estado.caso.AlturaActual) {
        Cancel = true;
        Avisa(*this,
              T(*this, TextoDistanciaClaveSuperficie) + "\n" +
                  T(*this, TextoMayorQueAlturaRelleno) + " ",
              T(*this, TextoError));
    }
}

// Choice boxes.

void CapturaDatos::edIAs_GotFocus()
{
    if (rdTipoColocacion.Value(2) && Vacio(edIAs.Text())) {
        ponTexto(edIAs, edIAs.List(1));
        m_estado.tramo.IndiceAsentamiento = 2;
    }
}

void CapturaDatos::edIAs_Validate(bool &Cancel)
{
    // The settlement ratio applies to an embankment only.
    if (!rdTipoColocacion.Value(2)) {
        return;
    }
    DatosTramo &t = m_estado.tramo;
    const std::int16_t anterior = t.IndiceAsentamiento;
    const auto rechaza = [&](std::int32_t texto) {
        Avisa(*this, T(*this, texto), T(*this, TextoRazonAsentamiento));
        Cancel = true;
        ponTexto(edIAs, edIAs.List(1));
        t.IndiceAsentamiento = 2;
    };
    if (Vacio(edIAs.Text())) {
        rechaza(TextoDatoRequerido);
        return;
    }
    const int p = PosicionEnLista(edIAs);
    if (p < 0) {
        rechaza(TextoValorIncorrecto);
        return;
    }
    t.IndiceAsentamiento = static_cast<std::int16_t>(p + 1);
    if (t.IndiceAsentamiento != anterior) {
        MarcaConAjustes();
    }
}

void CapturaDatos::edIAs_Click()
{
    EligeEnLista(*this, edIAs);
}

void CapturaDatos::edICar0_GotFocus()
{
    // What a cleared run has: the 13-tonne axle, shown and held.
    if (Vacio(edICar0.Text())) {
        ponTexto(edICar0, edICar0.List(EntradaCargaMovilInicial));
        m_estado.tramo.TipoCargaConcentrada = EntradaCargaMovilInicial;
    }
}

void CapturaDatos::edICar0_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    const std::int16_t anterior = t.TipoCargaConcentrada;
    const auto rechaza = [&](std::int32_t texto) {
        Avisa(*this, T(*this, texto), T(*this, TextoTipoCargaConcentrada));
        Cancel = true;
        ponTexto(edICar0, edICar0.List(EntradaCargaMovilInicial));
        t.TipoCargaConcentrada = EntradaCargaMovilInicial;
    };
    if (Vacio(edICar0.Text())) {
        rechaza(TextoDatoRequerido);
        return;
    }
    const int p = PosicionEnLista(edICar0);
    if (p < 0) {
        rechaza(TextoValorIncorrecto);
        return;
    }
    t.TipoCargaConcentrada = static_cast<std::int16_t>(p);
    if (t.TipoCargaConcentrada != anterior) {
        MarcaConAjustes();
    }
    // Leaving the box offers to save the run; choosing from its list (which passes Cancel in
    // True) does not. The save runs only while the save button is enabled: with no run in
    // capture there is nothing to save.
    if (!Cancel) {
        pulsa(btGrabar);
    } else {
        Cancel = false;
    }
}

void CapturaDatos::edICar0_Click()
{
    if (m_estado.ejecucion.Cargando) {
        return;
    }
    bool Cancel = true;
    edICar0_Validate(Cancel);
}

void CapturaDatos::edTipoApoyo0_GotFocus()
{
    if (EsZanja(*this)) {
        if (Vacio(edTipoApoyo0.Text())) {
            ponTexto(edTipoApoyo0, edTipoApoyo0.List(1));
        }
    } else {
        ponTexto(edTipoApoyo0, "");
    }
}

void CapturaDatos::edTipoApoyo0_Validate(bool &Cancel)
{
    if (rdTipoColocacion.Value(2)) {
        return;
    }
    DatosTramo &t = m_estado.tramo;
    const std::string titulo = SinDosPuntos(T(*this, TextoTipoColocacion));
    const auto rechaza = [&](std::int32_t texto) {
        Avisa(*this, T(*this, texto), titulo);
        Cancel = true;
        ponTexto(edTipoApoyo0, edTipoApoyo0.List(1));
        t.CodigoColocacion = ZanjaCompactada;
    };
    if (Vacio(edTipoApoyo0.Text())) {
        rechaza(TextoDatoRequerido);
        return;
    }
    t.CodigoColocacion = 0;
    const int p = PosicionEnLista(edTipoApoyo0);
    if (p >= 0) {
        t.CodigoColocacion =
            static_cast<std::int16_t>((rdTipoColocacion.Value(0) ? 10 : 20) + p + 1);
    }
    if (t.CodigoColocacion == 0) {
        rechaza(TextoValorIncorrecto);
        return;
    }
    MarcaConAjustes();
}

void CapturaDatos::edTipoApoyo0_Click()
{
    EligeEnLista(*this, edTipoApoyo0);
}

// Loads.

void CapturaDatos::edQDato0_GotFocus()
{
    if (TabDatosColocacion.Tab() != 2) {
        ponPestana(TabDatosColocacion, 2);
    }
    if (Vacio(edQDato0.Text())) {
        m_estado.tramo.CargaVerticalTotal = 0;
        Muestra(*this, edQDato0, 0, "#####0.000");
    }
}

void CapturaDatos::edQDato0_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (!Comprueba(*this, edQDato0, 0, t.CargaVerticalTotal, T(*this, TextoCargaVerticalTotal))) {
        Cancel = true;
        t.CargaVerticalTotal = 0;
    }
    Muestra(*this, edQDato0, t.CargaVerticalTotal, "#####0.00");
    RangoAlturas(m_estado);
    DatosCaso &c = m_estado.caso;
    c.vQ = t.CargaVerticalTotal;
    // A cleared run whose width box was never visited has no width yet: the automatic width,
    // which the whole-run check would give it, is used instead of dividing by 0.
    c.vQH = *CargaHorizontalDada(t, c.AlturaActual, ReglaAnchoZanja::AutomaticaSiFalta);
    if (t.CargaVerticalTotal < CargaMinima) {
        t.CalculoCargas = 1;
    } else {
        t.CalculoCargas = 0;
        t.TipoCargaConcentrada = 0;
    }
    if (Cancel) {
        return;
    }
    if (t.CalculoCargas == 1) {
        edICar0.Visible = true;
        edICar0.BackColor = ColorFondo::Editable;
        lbEtiquetas(34).Visible = true;
    } else {
        edICar0.Visible = false;
        edICar0.BackColor = ColorFondo::Cerrado;
        lbEtiquetas(34).Visible = false;
    }
}

} // namespace dravek
