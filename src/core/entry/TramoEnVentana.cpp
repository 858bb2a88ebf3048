#include "core/entry/TramoEnVentana.h"

#include "core/engine/PresionesCaso.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/DisposicionColocacion.h"
#include "core/entry/ListasDimensiones.h"
#include "core/entry/MenuPrincipal.h"
#include "core/model/CargaHorizontal.h"
#include "core/model/CodigosColocacion.h"

#include <cstddef>
#include <cstdint>

namespace dravek {

namespace {

void PonCaja(ControlTexto &caja, const CajaCargada &cargada, double &variable)
{
    ponTexto(caja, cargada.texto);
    variable = cargada.valor;
}

// A code list shows the entry of its code (code - 1); a code without an entry is no choice.
void PonCodigo(Lista &lista, std::int16_t posicion)
{
    ponIndice(lista, posicion >= 0 && posicion < lista.ListCount() ? posicion : -1);
}

// The typology and the layout it gives the window: tabs, pictures, the inner cover and the
// standard-geometry lists of its group.
void PonTipologia(CapturaDatos &v, const BloqueCargado &b)
{
    DatosTramo &t = v.estado().tramo;
    MenuPrincipal &menu = v.menu();
    t.Tipologia = b.Tipologia;
    const bool postesado = EsTipologiaPostesada(t.Tipologia);
    t.EsArmado = postesado ? Falso : Verdadero;
    t.TipoPostesado = postesado ? 1 : 0;
    t.ClaseFisuracion = postesado ? 0 : 3;
    ponPestana(v.TabTipologia, postesado ? 1 : 0);
    v.btAjustar.Visible = !postesado;
    menu.mnAjustarArmaduras.Enabled = !postesado;
    const bool revestida = t.Tipologia > 2211;
    if (postesado) {
        ponValor(v.TipoCamisa, revestida ? 1 : 0, true);
        DisponCamisa(v, revestida);
    } else {
        MuestraCaja(v.edReci0, v.lbEtiquetas(22), true);
    }
    // The lists of the group the run is laid out as: reinforced below 2211.
    CargaListasDimensiones(v, postesado ? (revestida ? 14 : 11) : 5);
}

// The reinforced-concrete materials.
void PonMaterialesArmado(CapturaDatos &v, const BloqueCargado &b)
{
    DatosTramo &t = v.estado().tramo;
    ponValor(v.edIcontes0, b.edIcontes0 ? EstadoCasilla::Marcada : EstadoCasilla::Vacia);
    t.FijaArmaduraExterior = b.edIcontes0 ? Verdadero : Falso;
    MuestraCaja(v.edAdato, v.lbEtiquetas(8), b.edIcontes0);
    PonCaja(v.edAdato, b.edAdato, t.ArmaduraExteriorMaxima);
    t.TipoControl = b.TipoControl;
    PonCodigo(v.edTipoControl, static_cast<std::int16_t>(b.TipoControl - 1));
    t.IndicadorCamisa = b.IndicadorCamisa;
    PonCodigo(v.edTipoCamisa, static_cast<std::int16_t>(b.IndicadorCamisa - 1));
    PonCaja(v.edCamMax, b.edCamMax, t.CAMMAX);
    PonCaja(v.edFck, b.edFck, t.FCK);
    PonCaja(v.edFct, b.edFct, t.Fct);
    PonCaja(v.edFyk, b.edFyk, t.Fyk);
    PonCaja(v.edFyd, b.edFyd, t.Fyd);
    PonCaja(v.edGamaB, b.edGamaB, t.GamaB);
    t.GamaY = 1.0;
    t.GamaF = 1.0;
}

// The post-tensioned materials.
void PonMaterialesPostesado(CapturaDatos &v, const BloqueCargado &b)
{
    DatosTramo &t = v.estado().tramo;
    ponValor(v.edIcontes1, b.edIcontes1 ? EstadoCasilla::Marcada : EstadoCasilla::Vacia);
    t.FijaPresionPrimario = b.edIcontes1 ? Verdadero : Falso;
    MuestraCaja(v.edCoepre1, v.lbEtiquetas(7), b.edIcontes1);
    PonCaja(v.edCoepre1, b.edCoepre1, t.CoefPresionPrimario);
    PonCaja(v.edDelca, b.edDelca, t.Delca);
    ponPestana(v.TabPostesados, 0);
    PonCaja(v.edEs, b.edEs, t.Es);
    PonCaja(v.edEp, b.edEp, t.Ep);
    PonCaja(v.edFckno, b.edFckno, t.Fckno);
    PonCaja(v.edFckn, b.edFckn, t.Fckn);
    PonCaja(v.edFckr, b.edFckr, t.Fckr);
    PonCaja(v.edSFck, b.edSFck, t.SFck);
    PonCaja(v.edSf, b.edSf, t.Sf);
    PonCaja(v.edRel, b.edRel, t.Rel);
    PonCaja(v.edFic, b.edFic, t.Fic);
    PonCaja(v.edFir, b.edFir, t.Fir);
    PonCaja(v.edEpsc, b.edEpsc, t.Epsc);
    PonCaja(v.edEpsr, b.edEpsr, t.Epsr);
}

// The section: diameters, thickness, covers and the concrete's weight.
void PonSeccion(CapturaDatos &v, const BloqueCargado &b)
{
    DatosTramo &t = v.estado().tramo;
    PonCaja(v.edDi0, b.edDi0, t.vDi);
    PonCaja(v.edEsp0, b.edEsp0, t.ESP);
    PonCaja(v.edDe0, b.edDe0, t.vDE);
    PonCaja(v.edReci0, b.edReci0, t.RECI);
    PonCaja(v.edRece0, b.edRece0, t.RECE);
    PonCaja(v.edGc0, b.edGc0, t.vGAMAB);
}

// The cradle, the installation with the boxes it uses, and its picture.
void PonColocacion(CapturaDatos &v, const BloqueCargado &b)
{
    DatosTramo &t = v.estado().tramo;
    t.vICUNA = b.vICUNA;
    PonCodigo(v.edTipoCuna0, static_cast<std::int16_t>(b.vICUNA - 1));
    t.CodigoColocacion = b.CodigoColocacion;
    const std::int16_t codigo = t.CodigoColocacion;
    if (codigo != 20 && codigo != 30) {
        const int indice = codigo < 20 ? 0 : (codigo < 30 ? 1 : 2);
        t.IndiceColocacion = static_cast<std::int16_t>(indice);
        ponValor(v.rdTipoColocacion, indice, true);
        DisponColocacion(v, indice, RotuloDistancia::Literal);
        // An embankment has no compaction choice: none is shown.
        const int compactacion = indice < 2 ? codigo % 10 : 0;
        PonCodigo(v.edTipoApoyo0, static_cast<std::int16_t>(compactacion - 1));
    }
    // Another cradle, or no installation, shows no picture.
    v.CargaFigura(v.ptColocacion, FiguraColocacion(t.vICUNA, v.rdTipoColocacion.Seleccionada()));
}

// The fill, and the settlement ratio only an embankment has.
void PonRelleno(CapturaDatos &v, const BloqueCargado &b)
{
    EstadoObra &e = v.estado();
    DatosTramo &t = e.tramo;
    PonCaja(v.edHr0, b.edHr0, t.AlturaInicialTramo);
    e.caso.AlturaActual = t.AlturaInicialTramo;
    PonCaja(v.edB0, b.edB0, t.AnchoZanja);
    PonCaja(v.edGr0, b.edGr0, t.vGAMAT);
    PonCaja(v.edFi0, b.edFi0, t.AnguloRozamiento);
    t.TipoRelleno = b.TipoRelleno;
    std::int16_t suelo = -1;
    for (std::int16_t p = 0; p < static_cast<std::int16_t>(CodigosRelleno.size()); ++p) {
        if (CodigosRelleno[static_cast<std::size_t>(p)] == t.TipoRelleno) {
            suelo = p;
        }
    }
    PonCodigo(v.edTipoRelleno0, suelo);
    PonCaja(v.edHr1, b.edHr1, t.DistanciaTerrenoNatural);

    // Settlement ratio: only an embankment has one.
    v.edIAs.Visible = false;
    v.edIAs.BackColor = ColorFondo::Cerrado;
    v.lbEtiquetas(53).Visible = false;
    ponTexto(v.edIAs, " ");
    t.IndiceAsentamiento = b.IndiceAsentamiento;
    if (t.IndiceAsentamiento >= 1) {
        PonCodigo(v.edIAs, static_cast<std::int16_t>(t.IndiceAsentamiento - 1));
        MuestraCaja(v.edIAs, v.lbEtiquetas(53), true);
    }
}

// The loads: a given total load presets vQ and vQH; the live load applies only when the loads
// are computed.
void PonCargas(CapturaDatos &v, const BloqueCargado &b)
{
    EstadoObra &e = v.estado();
    DatosTramo &t = e.tramo;
    PonCaja(v.edQDato0, b.edQDato0, t.CargaVerticalTotal);
    t.CalculoCargas = b.CalculoCargas;
    t.TipoCargaConcentrada = b.TipoCargaConcentrada < 0 ? std::int16_t{0} : b.TipoCargaConcentrada;
    PonCodigo(v.edICar0, b.TipoCargaConcentrada);
    e.caso.vQ = t.CargaVerticalTotal;
    e.caso.vQH = *CargaHorizontalDada(t, e.caso.AlturaActual, ReglaAnchoZanja::SoloMayorQueTres);
    if (t.CalculoCargas != 1) {
        t.CalculoCargas = 0;
        t.TipoCargaConcentrada = 0;
    }
    // The live load applies only when the loads are computed, as leaving the total load shows.
    MuestraCaja(v.edICar0, v.lbEtiquetas(34), t.CalculoCargas == 1);
}

// The run's own pressures and heights, with the boxes their leave handlers open or close.
void PonPresionesTramo(CapturaDatos &v, const BloqueCargado &b)
{
    DatosTramo &t = v.estado().tramo;
    PonCaja(v.edPrs1Tram, b.edPrs1Tram, t.DPInicialTramo);
    PonCaja(v.edPrs2Tram, b.edPrs2Tram, t.DPFinalTramo);
    if (t.DPFinalTramo > 0 && t.DPFinalTramo > t.DPInicialTramo) {
        v.edPrs3Tram.BackColor = ColorFondo::Editable;
        v.edPrs3Tram.Locked = false;
    } else if (t.DPFinalTramo > 0) {
        v.edPrs3Tram.Locked = true;
        v.edPrs3Tram.BackColor = ColorFondo::Cerrado;
    } else if (t.DPFinalTramo == 0) {
        v.edPrs3Tram.Locked = true;
        v.edPrs3Tram.BackColor = ColorFondo::Cerrado;
        ponTexto(v.edPrs3Tram, "");
    }
    PonCaja(v.edPrsM1Tram, b.edPrsM1Tram, t.MDPInicialTramo);
    PonCaja(v.edPrsM2Tram, b.edPrsM2Tram, t.MDPFinalTramo);
    v.edPrsM2Tram_LostFocus();
    PonCaja(v.edHr0Final, b.edHr0Final, t.AlturaFinalTramo);
    PonCaja(v.edHr0Delta, b.edHr0Delta, t.IncrementoAltura);
    v.edHr0Final_LostFocus();
    PonCaja(v.edPrs3Tram, b.edPrs3Tram, t.IncrementoPresionTramo);
}

} // namespace

void PonCabeceraEnVentana(CapturaDatos &v, const CabeceraCargada &c)
{
    EstadoObra &e = v.estado();
    e.ejecucion.SistemaUnidades = c.SistemaUnidades;
    ponValor(v.rdSistemaUnidades, c.SistemaUnidades == "MKS" ? 1 : 0, true);
    ponValor(v.rdGolpeAriete, c.GolpeArieteCalculado ? 0 : 1, true);
    e.obra.GolpeArieteCalculado = c.GolpeArieteCalculado ? Verdadero : Falso;
    ponTexto(v.edObra, c.Obra);
    e.obra.TIGEN = c.Obra;
    ponTexto(v.edCliente, c.Cliente);
    e.obra.Cliente = c.Cliente;
    PonCaja(v.edPrs1, c.Prs1, e.obra.DPInicialObra);
    PonCaja(v.edPrs2, c.Prs2, e.obra.DPFinalObra);
    PonCaja(v.edPrs3, c.Prs3, e.obra.IncrementoPresionObra);
    PonCaja(v.edPrsM1, c.PrsM1, e.obra.MDPInicialObra);
    PonCaja(v.edPrsM2, c.PrsM2, e.obra.MDPFinalObra);
    PonCaja(v.edAlt1, c.Alt1, e.obra.AlturaInicialObra);
    PonCaja(v.edAlt2, c.Alt2, e.obra.AlturaFinalObra);
    PonCaja(v.edAlt3, c.Alt3, e.obra.IncrementoAlturaObra);
    v.edTramo.Clear();
    for (const TramoEnFichero &t : c.Tramos) {
        v.edTramo.AddItem(t.numero);
    }
}

void PonTramoEnVentana(CapturaDatos &v, const BloqueCargado &b)
{
    EstadoObra &e = v.estado();
    DatosTramo &t = e.tramo;
    const CapturaDatos::Cargando cargando(v);

    ponTexto(v.edTramo, b.edTramo);
    ponTexto(v.edDescriTramo, b.edDescriTramo);
    // The installation page's copy shows this run's description, not the one left by the run
    // shown before.
    ponTexto(v.edDescriTramo2, b.edDescriTramo);

    // Typology first: it lays out the boxes and lists the later steps fill.
    PonTipologia(v, b);
    PonMaterialesArmado(v, b);
    PonMaterialesPostesado(v, b);
    PonSeccion(v, b);
    PonColocacion(v, b);
    PonRelleno(v, b);
    PonCargas(v, b);
    PonPresionesTramo(v, b);
    PonCaja(v.edFYKPost, b.edFYKPost, t.FykPost);

    RangoAlturas(e);
    // A stored run has the trench width it was saved with; only a diameter typed into it from
    // now on makes the width follow the diameter again.
    t.AnchoZanjaAutomatico = Falso;
    e.ejecucion.DatosModificados = false;
}

} // namespace dravek
