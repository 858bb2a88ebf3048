#include "core/entry/LimpiezaTramo.h"

#include "core/entry/AyudasCaptura.h"
#include "core/entry/CambioTipologia.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/CodigosColocacion.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"

#include <string>

namespace dravek {

namespace {

constexpr std::int32_t TextoCapturaDeDatos = 184; // "Captura de datos"
constexpr std::int32_t TextoTesado = 390;         // "Tensión de tesado"
constexpr std::int32_t FiguraZanja = 412;         // trench installation
constexpr std::int32_t FiguraEmbebida = 418;      // post-tensioned, embedded cylinder

void Limpia(CapturaDatos &v, std::string_view caja)
{
    const CampoNumerico &campo = *BuscaCampo(caja);
    campo.variable.de(v.estado()) = 0;
    ponTexto(campo.control(v), "");
}

// Writes a value into a box's variable and shows it with the mask given.
void Pon(CapturaDatos &v, std::string_view caja, double valor, std::string_view mascara)
{
    const CampoNumerico &campo = *BuscaCampo(caja);
    campo.variable.de(v.estado()) = valor;
    ponTexto(campo.control(v),
             FormateaMascara(valor, mascara, v.estado().ejecucion.SeparadorDecimalLocal));
}

// A box that does not apply: hidden, closed and empty, and its caption hidden.
void Oculta(CapturaDatos &v, ControlTexto &caja, int etiqueta)
{
    v.lbEtiquetas(etiqueta).Visible = false;
    caja.Visible = false;
    caja.BackColor = ColorFondo::Cerrado;
    ponTexto(caja, "");
}

// The box of an optional value whose check box is clear: hidden, closed, empty, no caption.
void CierraOpcional(CapturaDatos &v, ControlTexto &caja, int etiqueta)
{
    caja.Visible = false;
    caja.BackColor = ColorFondo::Cerrado;
    ponTexto(caja, "");
    v.lbEtiquetas(etiqueta).Visible = false;
}

void Muestra(CapturaDatos &v, ControlTexto &caja, int etiqueta)
{
    caja.Visible = true;
    caja.BackColor = ColorFondo::Editable;
    v.lbEtiquetas(etiqueta).Visible = true;
}

using captura::T;
void LimpiaCabecera(CapturaDatos &v)
{
    EstadoObra &e = v.estado();
    e.ejecucion.ModoCaptura.assign(1, ' '); // no run captured
    v.btCancelar.Caption = T(v, TextoCancelar);
    v.Caption = T(v, TextoCapturaDeDatos) + TextoSistemaUnidades(v);
    ponTexto(v.edTramo, "");
    ponTexto(v.edDescriTramo, "");
    ponTexto(v.edTramo2, "");
    ponTexto(v.edDescriTramo2, "");

    // With no typology yet neither this change nor the one the tab strip raises asks anything;
    // both end in a reinforced-concrete run, whose default materials are cleared below.
    e.tramo.Tipologia = 0;
    ponPestana(v.TabTipologia, 0);
    CambiaTipologia(v, 0);

    for (const char *caja :
         {"edPrsM1Tram", "edPrsM2Tram", "edPrs1Tram", "edPrs2Tram", "edPrs3Tram"}) {
        Limpia(v, caja);
    }
    v.edPrsM2Tram.BackColor = ColorFondo::Editable;
    v.edPrsM2Tram.Locked = false;
    v.edPrsM2Tram.Enabled = true;
    v.edPrs3Tram.BackColor = ColorFondo::Cerrado;
    v.edPrs3Tram.Locked = true;
    v.edPrs3Tram.Enabled = false;
    v.edPrs2Tram.BackColor = ColorFondo::Cerrado;
    v.edPrs2Tram.Locked = false;
    v.edPrs2Tram.Enabled = true;
}

void LimpiaMateriales(CapturaDatos &v, NivelLimpiezaTramo nivel)
{
    DatosTramo &t = v.estado().tramo;
    t.FijaArmaduraExterior = Falso;
    ponValor(v.edIcontes0, EstadoCasilla::Vacia);
    t.ArmaduraExteriorMaxima = 0;
    CierraOpcional(v, v.edAdato, 8);

    t.TipoControl = 0;
    ponTexto(v.edTipoControl, "");
    t.IndicadorCamisa = 0;
    ponTexto(v.edTipoCamisa, "");

    for (const char *caja :
         {"edCamMax", "edFck", "edFct", "edFyk", "edFyd", "edGamaB", "edGamaY", "edGamaF"}) {
        Limpia(v, caja);
    }

    t.CoefPresionPrimario = 0;
    t.FijaPresionPrimario = Falso;
    ponValor(v.edIcontes1, EstadoCasilla::Vacia);
    CierraOpcional(v, v.edCoepre1, 7);

    Limpia(v, "edDelca");
    if (nivel != NivelLimpiezaTramo::MaterialesConCamisa) {
        ponValor(v.TipoCamisa, 0, false);
        ponValor(v.TipoCamisa, 1, false);
        v.CargaFigura(v.ptPostesado, 0);
    }
    ponPestana(v.TabPostesados, 0);
    // The cylinder steel's strength is left as it is: the post-tensioned defaults set it.
    for (const char *caja : {"edEs", "edEp", "edFckno", "edFckn", "edFckr", "edSFck", "edSf",
                             "edRel", "edFic", "edFir", "edEpsc", "edEpsr"}) {
        Limpia(v, caja);
    }
}

void LimpiaColocacion(CapturaDatos &v)
{
    EstadoObra &e = v.estado();
    DatosTramo &t = e.tramo;
    const auto mascara = [](std::string_view caja) { return BuscaCampo(caja)->mascaraMKS; };

    ponValor(v.rdTipoColocacion, 0, true);
    ponValor(v.rdTipoColocacion, 1, false);
    ponValor(v.rdTipoColocacion, 2, false);
    t.IndiceColocacion = 0;
    ponPestana(v.TabDatosColocacion, 0);

    Limpia(v, "edDi0");
    Limpia(v, "edEsp0");
    Limpia(v, "edDe0");
    Limpia(v, "edReci0");
    Muestra(v, v.edReci0, 22);
    Limpia(v, "edRece0");
    Pon(v, "edGc0", 2.5, mascara("edGc0"));

    ponTexto(v.edTipoCuna0, v.edTipoCuna0.List(0));
    t.vICUNA = 1;
    v.CargaFigura(v.ptColocacion, FiguraZanja);
    Muestra(v, v.edTipoApoyo0, 26);
    ponTexto(v.edTipoApoyo0, "");
    ponTexto(v.edTipoApoyo0, v.edTipoApoyo0.List(1));
    t.CodigoColocacion = ZanjaCompactada;

    // The run's own heights go with their boxes, so that a new run never inherits the last
    // run's heights.
    e.caso.AlturaActual = 0;
    Limpia(v, "edHr0");
    Limpia(v, "edHr0Final");
    Limpia(v, "edHr0Delta");

    Limpia(v, "edB0");
    v.edB0.Visible = true;
    v.edB0.BackColor = ColorFondo::Editable;
    Pon(v, "edGr0", 1.8, mascara("edGr0"));
    Pon(v, "edFi0", 30.0, mascara("edFi0"));
    Muestra(v, v.edTipoRelleno0, 32);
    ponTexto(v.edTipoRelleno0, "");
    ponTexto(v.edTipoRelleno0, v.edTipoRelleno0.List(2));
    t.TipoRelleno = RellenoArenaArcillosa;

    Limpia(v, "edHr1");
    Oculta(v, v.edHr1, 50);
    Oculta(v, v.edIAs, 53);
    t.IndiceAsentamiento = 0;
    v.avCargas1.BackColor = ColorFondo::Cerrado;
    ponTexto(v.avCargas1, "");
    e.caso.vQ = 0;
    Limpia(v, "edQDato0");
    // The total load is empty again, so the loads are computed with a live load: its choice is
    // shown, even when the run shown before had a typed load that hid it.
    Muestra(v, v.edICar0, 34);
    // The 13-tonne axle, in the box and in the variable alike: what the engineer sees is what
    // a language change shows again and what a save stores.
    ponTexto(v.edICar0, v.edICar0.List(EntradaCargaMovilInicial));
    t.TipoCargaConcentrada = EntradaCargaMovilInicial;
}

} // namespace

void LimpiaDatosPantalla(CapturaDatos &v, NivelLimpiezaTramo nivel)
{
    const CapturaDatos::SinAnularAjustes sinAnular(v);
    if (nivel == NivelLimpiezaTramo::Completa) {
        LimpiaCabecera(v);
    }
    LimpiaMateriales(v, nivel);
    if (nivel == NivelLimpiezaTramo::Completa) {
        LimpiaColocacion(v);
    }
    v.estado().ejecucion.DatosModificados = false;
}

void PonDefectosArmado(CapturaDatos &v)
{
    const CapturaDatos::SinAnularAjustes sinAnular(v);
    EstadoObra &e = v.estado();
    DatosTramo &t = e.tramo;
    ponTexto(v.edTipoControl, v.edTipoControl.List(0));
    t.TipoControl = 1;
    ponTexto(v.edTipoCamisa, v.edTipoCamisa.List(1));
    t.IndicadorCamisa = 2;
    t.GamaY = 1.1; // kept in the variable only: its box is never filled
    t.GamaF = 1.5;

    const bool si = v.MuestraSI();
    const std::string_view mascaraFck = si ? "####0.0" : "####0";
    const std::string_view mascara = si ? "#####0.0" : "#####0";
    const double F = si ? FactorTensiones : 1.0;
    Pon(v, "edFck", 350.0 / F, mascaraFck);
    Pon(v, "edFct", FctDeFck(t.FCK, si), mascara);
    Pon(v, "edFyk", 2100.0 / F, mascara);
    Pon(v, "edFyd", 2.0 * t.Fyk / 3.0, mascara);
    Pon(v, "edCamMax", 6.0, "#####0.0");
    Pon(v, "edGamaB", 1.5, "#####0.00");
    e.ejecucion.DatosModificados = false;
}

void PonDefectosPostesado(CapturaDatos &v)
{
    const CapturaDatos::SinAnularAjustes sinAnular(v);
    EstadoObra &e = v.estado();
    DatosTramo &t = e.tramo;
    t.CoefPresionPrimario = 0;
    t.FijaPresionPrimario = Falso;
    ponValor(v.edIcontes1, EstadoCasilla::Vacia);
    CierraOpcional(v, v.edCoepre1, 7);
    Pon(v, "edDelca", 1.5, "#####0.00");

    // The embedded cylinder: its click makes the run 2211 and loads its dimension lists.
    ponValor(v.TipoCamisa, 1, false);
    ponValor(v.TipoCamisa, 0, true);
    Muestra(v, v.edReci0, 22);
    v.CargaFigura(v.ptPostesado, FiguraEmbebida);
    ponPestana(v.TabPostesados, 0);

    Pon(v, "edRel", 2.0, "#####0.00");
    Pon(v, "edFic", 1.5, "#####0.000");
    Pon(v, "edFir", 0.75, "#####0.000");
    Pon(v, "edEpsc", 0.0002, "######0.0000");
    Pon(v, "edEpsr", 0.0003, "######0.0000");

    const bool si = v.MuestraSI();
    const double F = si ? FactorTensiones : 1.0;
    const std::string_view resistencia = si ? "#####0.0" : "#####0";
    const std::string_view hormigon = si ? "#####0.0" : "#####0.00";
    Pon(v, "edFYKPost", 2100.0 / F, resistencia);
    Pon(v, "edEs", 2100000.0 / F, "######0");
    Pon(v, "edEp", 2000000.0 / F, "######0");
    Pon(v, "edFckno", 300.0 / F, hormigon);
    Pon(v, "edFckn", 400.0 / F, hormigon);
    Pon(v, "edFckr", 350.0 / F, hormigon);
    Pon(v, "edSFck", 17000.0 / F, "#####0");
    Pon(v, "edSf", 0.75 * t.SFck, "######0");
    v.lbEtiquetas(78).Caption = T(v, TextoTesado) + " (" + Recorta(v.edSf.Text()) + ")";
    e.ejecucion.DatosModificados = false;
}

} // namespace dravek
