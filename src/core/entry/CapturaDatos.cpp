#include "core/entry/CapturaDatos.h"

#include "core/entry/CambioTipologia.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/ConexionManejadores.h"
#include "core/entry/DisposicionColocacion.h"
#include "core/entry/ListasDimensiones.h"
#include "core/entry/MenuPrincipal.h"
#include "core/model/TextoRecurso.h"
#include "core/validation/FuncionesGenerales.h"
#include "core/validation/GeometriaEstandar.h"

#include <filesystem>
#include <initializer_list>
#include <system_error>

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

    // The window's handlers on its controls, from the one table of them.
    ConectaManejadores(*this, ManejadoresCaptura());
    // Dropping the run and closing the project stay within reach while a box refuses what
    // was typed into it: they replace or keep nothing of it.
    btCancelar.CausesValidation = false;
    btCerrarObra.CausesValidation = false;
    // The titles and the ranges belong to the header.
    for (ControlTexto *caja :
         std::initializer_list<ControlTexto *>{&edObra, &edCliente, &edPrs1, &edPrs2, &edPrs3,
                                               &edPrsM1, &edPrsM2, &edAlt1, &edAlt2, &edAlt3}) {
        caja->Change = [this] { MarcaCabecera(); };
    }
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
    if (TipoCamisa.Value(0)) {
        m_estado.tramo.Tipologia = 2211;
        DisponCamisa(*this, false);
        grupo = 11;
    }
    if (TipoCamisa.Value(1)) {
        m_estado.tramo.Tipologia = 2221;
        DisponCamisa(*this, true);
        ponTexto(edReci0, "");
        grupo = 14;
    }
    if (grupo == 0) {
        return;
    }
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
