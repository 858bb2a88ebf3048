#include "core/entry/CapturaDatos.h"

#include <filesystem>
#include <system_error>

#include "core/entry/CambioTipologia.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/ListasDimensiones.h"
#include "core/entry/MenuPrincipal.h"
#include "core/model/TextoRecurso.h"
#include "core/validation/FuncionesGenerales.h"
#include "core/validation/GeometriaEstandar.h"

namespace dravek {

namespace {

// The caption items the window has, made up front so that a snapshot lists them in order.
constexpr int ItemsEtiquetas[] = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 13, 16, 19, 20, 21, 22, 23, 24, 25, 26,
    27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48,
    49, 50, 51, 52, 53, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83, 12, 14, 15, 84};

} // namespace

CapturaDatos::CapturaDatos(EstadoObra &estado, ServiciosCaptura servicios)
    : m_estado(estado), m_servicios(servicios)
{
    for (const int item : ItemsEtiquetas) {
        lbEtiquetas(item);
    }

    // The window's handlers on its controls.
    edAdato.Change = [this] { edAdato_Change(); };
    edCamMax.Change = [this] { edCamMax_Change(); };
    edFck.Change = [this] { edFck_Change(); };
    edFyk.Change = [this] { edFyk_Change(); };
    edFyd.Change = [this] { edFyd_Change(); };
    edGamaB.Change = [this] { edGamaB_Change(); };
    edTipoControl.Change = [this] { edTipoControl_Change(); };
    edTipoCamisa.Change = [this] { edTipoCamisa_Change(); };
    edHr0.Change = [this] { edHr0_Change(); };
    edB0.Change = [this] { edB0_Change(); };
    edGr0.Change = [this] { edGr0_Change(); };
    edFi0.Change = [this] { edFi0_Change(); };
    edHr1.Change = [this] { edHr1_Change(); };
    edQDato0.Change = [this] { edQDato0_Change(); };
    edIAs.Change = [this] { edIAs_Change(); };
    edICar0.Change = [this] { edICar0_Change(); };
    edTipoApoyo0.Change = [this] { edTipoApoyo0_Change(); };
    edTipoCuna0.Change = [this] { edTipoCuna0_Change(); };
    edTipoRelleno0.Change = [this] { edTipoRelleno0_Change(); };
    edFYKPost.Change = [this] { edFYKPost_Change(); };
    edDelca.Change = [this] { edDelca_Change(); };
    edCoepre1.Change = [this] { edCoepre1_Change(); };
    edEs.Change = [this] { edEs_Change(); };
    edEp.Change = [this] { edEp_Change(); };
    edFckno.Change = [this] { edFckno_Change(); };
    edFckn.Change = [this] { edFckn_Change(); };
    edFckr.Change = [this] { edFckr_Change(); };
    edSf.Change = [this] { edSf_Change(); };
    edRel.Change = [this] { edRel_Change(); };
    edFic.Change = [this] { edFic_Change(); };
    edFir.Change = [this] { edFir_Change(); };
    edEpsc.Change = [this] { edEpsc_Change(); };
    edEpsr.Change = [this] { edEpsr_Change(); };
    edDescriTramo.Change = [this] { edDescriTramo_Change(); };
    edEsp0.Change = [this] { edEsp0_Change(); };
    edReci0.Change = [this] { edReci0_Change(); };
    edRece0.Change = [this] { edRece0_Change(); };
    edGc0.Change = [this] { edGc0_Change(); };
    edSFck.Change = [this] { edSFck_Change(); };
    edDi0.Change = [this] { edDi0_Change(); };
    edCamMax.KeyPress = [this](std::int32_t &KeyAscii) { edCamMax_KeyPress(KeyAscii); };
    edFck.KeyPress = [this](std::int32_t &KeyAscii) { edFck_KeyPress(KeyAscii); };
    edFct.KeyPress = [this](std::int32_t &KeyAscii) { edFct_KeyPress(KeyAscii); };
    edFyk.KeyPress = [this](std::int32_t &KeyAscii) { edFyk_KeyPress(KeyAscii); };
    edFyd.KeyPress = [this](std::int32_t &KeyAscii) { edFyd_KeyPress(KeyAscii); };
    edEs.KeyPress = [this](std::int32_t &KeyAscii) { edEs_KeyPress(KeyAscii); };
    edEp.KeyPress = [this](std::int32_t &KeyAscii) { edEp_KeyPress(KeyAscii); };
    edFckno.KeyPress = [this](std::int32_t &KeyAscii) { edFckno_KeyPress(KeyAscii); };
    edFckn.KeyPress = [this](std::int32_t &KeyAscii) { edFckn_KeyPress(KeyAscii); };
    edFckr.KeyPress = [this](std::int32_t &KeyAscii) { edFckr_KeyPress(KeyAscii); };
    edSf.KeyPress = [this](std::int32_t &KeyAscii) { edSf_KeyPress(KeyAscii); };
    edRel.KeyPress = [this](std::int32_t &KeyAscii) { edRel_KeyPress(KeyAscii); };
    edFic.KeyPress = [this](std::int32_t &KeyAscii) { edFic_KeyPress(KeyAscii); };
    edFir.KeyPress = [this](std::int32_t &KeyAscii) { edFir_KeyPress(KeyAscii); };
    edEpsc.KeyPress = [this](std::int32_t &KeyAscii) { edEpsc_KeyPress(KeyAscii); };
    edEpsr.KeyPress = [this](std::int32_t &KeyAscii) { edEpsr_KeyPress(KeyAscii); };
    edSFck.KeyPress = [this](std::int32_t &KeyAscii) { edSFck_KeyPress(KeyAscii); };
    edPrs1.KeyPress = [this](std::int32_t &KeyAscii) { edPrs1_KeyPress(KeyAscii); };
    edPrs2.KeyPress = [this](std::int32_t &KeyAscii) { edPrs2_KeyPress(KeyAscii); };
    edPrsM2.KeyPress = [this](std::int32_t &KeyAscii) { edPrsM2_KeyPress(KeyAscii); };
    edPrs1Tram.KeyPress = [this](std::int32_t &KeyAscii) { edPrs1Tram_KeyPress(KeyAscii); };
    edPrs2Tram.KeyPress = [this](std::int32_t &KeyAscii) { edPrs2Tram_KeyPress(KeyAscii); };
    edPrsM2Tram.KeyPress = [this](std::int32_t &KeyAscii) { edPrsM2Tram_KeyPress(KeyAscii); };
    edAlt2.KeyPress = [this](std::int32_t &KeyAscii) { edAlt2_KeyPress(KeyAscii); };
    edHr0Final.KeyPress = [this](std::int32_t &KeyAscii) { edHr0Final_KeyPress(KeyAscii); };
    edPrs3.KeyPress = [this](std::int32_t &KeyAscii) { edPrs3_KeyPress(KeyAscii); };
    edPrsM1.KeyPress = [this](std::int32_t &KeyAscii) { edPrsM1_KeyPress(KeyAscii); };
    edPrsM1Tram.KeyPress = [this](std::int32_t &KeyAscii) { edPrsM1Tram_KeyPress(KeyAscii); };
    edAlt1.KeyPress = [this](std::int32_t &KeyAscii) { edAlt1_KeyPress(KeyAscii); };
    edAlt3.KeyPress = [this](std::int32_t &KeyAscii) { edAlt3_KeyPress(KeyAscii); };
    edHr0Delta.KeyPress = [this](std::int32_t &KeyAscii) { edHr0Delta_KeyPress(KeyAscii); };
    edHr0.KeyPress = [this](std::int32_t &KeyAscii) { edHr0_KeyPress(KeyAscii); };
    edDi0.KeyPress = [this](std::int32_t &KeyAscii) { edDi0_KeyPress(KeyAscii); };
    edEsp0.KeyPress = [this](std::int32_t &KeyAscii) { edEsp0_KeyPress(KeyAscii); };
    edReci0.KeyPress = [this](std::int32_t &KeyAscii) { edReci0_KeyPress(KeyAscii); };
    edRece0.KeyPress = [this](std::int32_t &KeyAscii) { edRece0_KeyPress(KeyAscii); };
    edDe0.KeyPress = [this](std::int32_t &KeyAscii) { edDe0_KeyPress(KeyAscii); };
    edB0.KeyPress = [this](std::int32_t &KeyAscii) { edB0_KeyPress(KeyAscii); };
    edGr0.KeyPress = [this](std::int32_t &KeyAscii) { edGr0_KeyPress(KeyAscii); };
    edFi0.KeyPress = [this](std::int32_t &KeyAscii) { edFi0_KeyPress(KeyAscii); };
    edHr1.KeyPress = [this](std::int32_t &KeyAscii) { edHr1_KeyPress(KeyAscii); };
    edQDato0.KeyPress = [this](std::int32_t &KeyAscii) { edQDato0_KeyPress(KeyAscii); };
    edGc0.KeyPress = [this](std::int32_t &KeyAscii) { edGc0_KeyPress(KeyAscii); };
    TabTipologia.Click = [this](int PreviousTab) { TabTipologia_Click(PreviousTab); };
    btNuevoTramo.Click = [this] { btNuevoTramo_Click(); };
    btCancelar.Click = [this] { btCancelar_Click(); };
    btGrabar.Click = [this] { btGrabar_Click(); };
    btCalcular.Click = [this] { btCalcular_Click(); };
    btAjustar.Click = [this] { btAjustar_Click(); };
    CommandButton2.Click = [this] { CommandButton2_Click(); };
    btGrabaObra.Click = [this] { btGrabaObra_Click(); };
    btCerrarObra.Click = [this] { btCerrarObra_Click(); };
    // Dropping the run and closing the project stay within reach while a box refuses what
    // was typed into it: they replace or keep nothing of it.
    btCancelar.CausesValidation = false;
    btCerrarObra.CausesValidation = false;
    TipoCamisa.Click = [this](int Index) { TipoCamisa_Click(Index); };
    ConectaManejadoresCampos();
    ConectaManejadoresVentana();
    ConectaManejadoresCarga();
}

void CapturaDatos::LlenaListasCodigos()
{
    const std::int32_t desplazamiento = m_estado.ejecucion.DesplazamientoIdioma;
    for (const CampoCodigo &campo : CamposCodigo()) {
        Lista &lista = campo.control(*this);
        lista.Clear();
        for (int p = 0; p < campo.entradas; ++p) {
            lista.AddItem(Texto(desplazamiento, campo.primerTexto + p));
        }
        ponIndice(lista, -1);
    }
}

void CapturaDatos::CargaFigura(Imagen &imagen, std::int32_t n)
{
    std::string fichero;
    if (n != 0) {
        fichero =
            m_estado.ejecucion.RutaAplicacion + Texto(m_estado.ejecucion.DesplazamientoIdioma, n);
        std::error_code error;
        if (!std::filesystem::is_regular_file(fichero, error)) {
            fichero.clear();
        }
    }
    imagen.Picture = fichero;
    if (&imagen == &ptPostesado) {
        m_estado.frFiguras.ptPostesado = fichero;
    } else if (&imagen == &ptColocacion) {
        m_estado.frFiguras.ptColocacion = fichero;
    } else if (&imagen == &ptArmado) {
        m_estado.frFiguras.ptArmado = fichero;
    }
}

void CapturaDatos::TabTipologia_Click(int /*PreviousTab*/)
{
    if (m_estado.ejecucion.Cargando) {
        return;
    }
    // The typology tab strip stands on the typology page.
    if (TabPrincipal.Tab() == 2) {
        ponPestana(TabPrincipal, 1);
    }
    // A switch the engineer declined leaves the run as it was, unchanged. An accepted one marks
    // the run changed: the defaults of the new typology end, as every default does, by marking
    // the run unchanged, and a switch left so would be closed or dropped without the offer to
    // save it, the stored run silently keeping its old typology and materials.
    const std::int16_t antes = m_estado.tramo.Tipologia;
    CambiaTipologia(*this, 1);
    if (m_estado.tramo.Tipologia != antes) {
        MarcaModificado();
    }
    MenuPrincipal &menu = m_servicios.menu;
    if (TabTipologia.Tab() == 0) {
        btAjustar.Visible = true;
        menu.mnAjustarArmaduras.Enabled = true;
    } else {
        // A post-tensioned run has no reinforcement to adjust, nor overrides to keep.
        ponPestana(TabPostesados, 0);
        btAjustar.Visible = false;
        menu.mnAjustarArmaduras.Enabled = false;
        AnulaAjustesTramo();
    }
}

void CapturaDatos::TipoCamisa_Click(int /*Index*/)
{
    if (m_estado.ejecucion.Cargando) {
        return;
    }
    int grupo = 0;
    std::int32_t figura = 0;
    if (TipoCamisa.Value(0)) {
        m_estado.tramo.Tipologia = 2211;
        edReci0.Visible = true;
        edReci0.BackColor = ColorFondo::Editable;
        lbEtiquetas(22).Visible = true;
        grupo = 11;
        figura = 418;
    }
    if (TipoCamisa.Value(1)) {
        // The lined cylinder's inner cover follows from the thickness and the outer cover.
        m_estado.tramo.Tipologia = 2221;
        edReci0.Visible = false;
        edReci0.BackColor = ColorFondo::Cerrado;
        ponTexto(edReci0, "");
        lbEtiquetas(22).Visible = false;
        grupo = 14;
        figura = 419;
    }
    if (grupo == 0) {
        return;
    }
    CargaFigura(ptPostesado, figura);
    MarcaModificado();
    CargaListasDimensiones(*this, grupo);
}

// Change handlers.

void CapturaDatos::edAdato_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edCamMax_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edFck_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edFyk_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edFyd_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edGamaB_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edTipoControl_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edTipoCamisa_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edHr0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edB0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edGr0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edFi0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edHr1_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edQDato0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edIAs_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edICar0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edTipoApoyo0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edTipoCuna0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edTipoRelleno0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edFYKPost_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edDelca_Change()
{
    MarcaModificado();
}

void CapturaDatos::edCoepre1_Change()
{
    MarcaModificado();
}

void CapturaDatos::edEs_Change()
{
    MarcaModificado();
}

void CapturaDatos::edEp_Change()
{
    MarcaModificado();
}

void CapturaDatos::edFckno_Change()
{
    MarcaModificado();
}

void CapturaDatos::edFckn_Change()
{
    MarcaModificado();
}

void CapturaDatos::edFckr_Change()
{
    MarcaModificado();
}

void CapturaDatos::edSf_Change()
{
    MarcaModificado();
}

void CapturaDatos::edRel_Change()
{
    MarcaModificado();
}

void CapturaDatos::edFic_Change()
{
    MarcaModificado();
}

void CapturaDatos::edFir_Change()
{
    MarcaModificado();
}

void CapturaDatos::edEpsc_Change()
{
    MarcaModificado();
}

void CapturaDatos::edEpsr_Change()
{
    MarcaModificado();
}

void CapturaDatos::edDescriTramo_Change()
{
    MarcaModificado();
}

void CapturaDatos::edEsp0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edReci0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edRece0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edGc0_Change()
{
    MarcaConAjustes();
}

void CapturaDatos::edSFck_Change()
{
    MarcaModificado();
    m_estado.ejecucion.SFckModificado = true;
}

void CapturaDatos::edDi0_Change()
{
    // The section decides the design as much as the materials: a new one marks the run's
    // stored overrides for voiding.
    MarcaConAjustes();
    // A new diameter brings the trench width with it, unless a stored run is being loaded.
    if (!m_estado.ejecucion.Cargando) {
        m_estado.tramo.AnchoZanjaAutomatico = Verdadero;
    }
}

// Key filters.

void CapturaDatos::edCamMax_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edCamMax.Text());
}

void CapturaDatos::edFck_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edFck.Text());
}

void CapturaDatos::edFct_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edFct.Text());
}

void CapturaDatos::edFyk_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edFyk.Text());
}

void CapturaDatos::edFyd_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edFyd.Text());
}

void CapturaDatos::edEs_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edEs.Text());
}

void CapturaDatos::edEp_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edEp.Text());
}

void CapturaDatos::edFckno_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edFckno.Text());
}

void CapturaDatos::edFckn_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edFckn.Text());
}

void CapturaDatos::edFckr_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edFckr.Text());
}

void CapturaDatos::edSf_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edSf.Text());
}

void CapturaDatos::edRel_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edRel.Text());
}

void CapturaDatos::edFic_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edFic.Text());
}

void CapturaDatos::edFir_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edFir.Text());
}

void CapturaDatos::edEpsc_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edEpsc.Text());
}

void CapturaDatos::edEpsr_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edEpsr.Text());
}

void CapturaDatos::edSFck_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edSFck.Text());
}

void CapturaDatos::edPrs1_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edPrs1.Text());
}

void CapturaDatos::edPrs2_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edPrs2.Text());
}

void CapturaDatos::edPrsM2_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edPrsM2.Text());
}

void CapturaDatos::edPrs1Tram_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edPrs1Tram.Text());
}

void CapturaDatos::edPrs2Tram_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edPrs2Tram.Text());
}

void CapturaDatos::edPrsM2Tram_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edPrsM2Tram.Text());
}

void CapturaDatos::edAlt2_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edAlt2.Text());
}

void CapturaDatos::edHr0Final_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edHr0Final.Text());
}

void CapturaDatos::edPrs3_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edPrs3.Text());
}

void CapturaDatos::edPrsM1_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edPrsM1.Text());
}

void CapturaDatos::edPrsM1Tram_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edPrsM1Tram.Text());
}

void CapturaDatos::edAlt1_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edAlt1.Text());
}

void CapturaDatos::edAlt3_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edAlt3.Text());
}

void CapturaDatos::edHr0Delta_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edHr0Delta.Text());
}

void CapturaDatos::edHr0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edHr0.Text());
}

void CapturaDatos::edDi0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edDi0.Text());
}

void CapturaDatos::edEsp0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edEsp0.Text());
}

void CapturaDatos::edReci0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edReci0.Text());
}

void CapturaDatos::edRece0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edRece0.Text());
}

void CapturaDatos::edDe0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edDe0.Text());
}

void CapturaDatos::edB0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edB0.Text());
}

void CapturaDatos::edGr0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edGr0.Text());
}

void CapturaDatos::edFi0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edFi0.Text());
}

void CapturaDatos::edHr1_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edHr1.Text());
}

void CapturaDatos::edQDato0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edQDato0.Text());
}

void CapturaDatos::edGc0_KeyPress(std::int32_t &KeyAscii)
{
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, edGc0.Text());
}

void CapturaDatos::AnulaAjustesTramo()
{
    if (!m_estado.ejecucion.Cargando && m_sinAnular == 0) {
        m_servicios.ajustes.AnulaAjustesTramo();
    }
}

} // namespace dravek
