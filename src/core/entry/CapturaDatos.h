#pragma once

// Logic of the data-entry window: every control of the window, named as the window names
// them, with the window's handlers. The procedures that clear, default and check the run
// (LimpiezaTramo, ValidacionTramo, ValidacionObra, beside this file) work on these controls and
// on the state.

#include "core/entry/ComandosCaptura.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Controles.h"
#include "core/plataforma/Mensajes.h"
#include "core/plataforma/VentanaLogica.h"

#include <cstdint>
#include <map>
#include <string>

namespace dravek {

class MenuPrincipal;

// The language the open project records: the one its file gave or the engineer chose in the
// language box, else the interface's.
std::int16_t IdiomaDeLaObra(const EstadoObra &estado);

// Voids the stored reinforcement overrides of the current run in the adjustments file.
class AnulacionAjustes {
public:
    virtual ~AnulacionAjustes() = default;
    virtual void AnulaAjustesTramo() = 0;
};

class AlmacenObra;

// The closing of the window itself (its unload), which its close button starts.
class CierreCaptura {
public:
    virtual ~CierreCaptura() = default;
    virtual void CierraVentana() = 0;
};

// What the language choice needs beyond the window: the main window's menus re-captioned, the
// help file of the language, and the language stored for the next start.
class EntornoIdioma {
public:
    virtual ~EntornoIdioma() = default;
    // The main window's menus in the language of Idioma.
    virtual void PonTextosMenu() = 0;
    // The help file the program and its help object now use.
    virtual void PonAyuda(const std::string &referencia) = 0;
    // Stores the language ("Idioma", the number as text).
    virtual void GrabaIdioma(std::int16_t Idioma) = 0;
};

// What the window works with besides the state.
struct ServiciosCaptura {
    Mensajes &mensajes;
    MenuPrincipal &menu; // the main window's menu, whose run commands the window sets
    AnulacionAjustes &ajustes;
    EntornoIdioma &entornoIdioma; // the shell's side of a language change
    AlmacenObra &almacen;         // the project's files
    // The commands of the other windows and the window's own closing. Tests of the window's
    // own handlers may leave them out: a button that needs one left out stops loudly.
    ComandosCaptura *comandos = nullptr;
    CierreCaptura *cierre = nullptr;
};

class CapturaDatos : public VentanaLogica {
public:
    CapturaDatos(EstadoObra &estado, ServiciosCaptura servicios);

    EstadoObra &estado() { return m_estado; }
    const EstadoObra &estado() const { return m_estado; }
    Mensajes &mensajes() { return m_servicios.mensajes; }
    MenuPrincipal &menu() { return m_servicios.menu; }
    AlmacenObra &almacen() { return m_servicios.almacen; }

    // The window's tab strips. TabPrincipal: 0 project data, 1 the run's typology and
    // materials, 2 the run's laying. TabTipologia: 0 reinforced concrete, 1 post-tensioned.
    // TabPostesados: 0 elastic moduli, 1 strengths, 2 stresses, 3 coefficients.
    // TabDatosColocacion: 0 pipe dimensions, 1 fill, 2 loads.
    Pestanas TabPrincipal{*this, "TabPrincipal", 3};
    Pestanas TabTipologia{*this, "TabTipologia", 2};
    Pestanas TabPostesados{*this, "TabPostesados", 4};
    Pestanas TabDatosColocacion{*this, "TabDatosColocacion", 3};

    // Project data (page 0 of TabPrincipal).
    Etiqueta Label1{*this, "Label1"};
    Lista edIdioma{*this, "edIdioma"};
    Marco frDatosDescriptivos{*this, "frDatosDescriptivos"};
    CajaTexto edObra{*this, "edObra"};       // rich text
    CajaTexto edCliente{*this, "edCliente"}; // rich text
    Marco frDatosPresion{*this, "frDatosPresion"};
    CajaTexto edPrsM1{*this, "edPrsM1"};
    CajaTexto edPrsM2{*this, "edPrsM2"};
    CajaTexto edPrs1{*this, "edPrs1"};
    CajaTexto edPrs2{*this, "edPrs2"};
    CajaTexto edPrs3{*this, "edPrs3"};
    Marco frAlturaTierras{*this, "frAlturaTierras"};
    CajaTexto edAlt1{*this, "edAlt1"};
    CajaTexto edAlt2{*this, "edAlt2"};
    CajaTexto edAlt3{*this, "edAlt3"};
    Marco frGolpeAriete{*this, "frGolpeAriete"};
    GrupoOpciones rdGolpeAriete{*this, "rdGolpeAriete", 2}; // 0 calculated, 1 estimated
    Marco frSistemaUnidades{*this, "frSistemaUnidades"};
    GrupoOpciones rdSistemaUnidades{*this, "rdSistemaUnidades", 2}; // 0 SI, 1 MKS
    Boton CommandButton2{*this, "CommandButton2"};                  // prints the project
    Boton btGrabaObra{*this, "btGrabaObra"};
    Boton btCerrarObra{*this, "btCerrarObra"};

    // Run header, run pressures and typology (page 1).
    Lista edTramo{*this, "edTramo"};
    CajaTexto edDescriTramo{*this, "edDescriTramo"};
    CajaTexto edPrsM1Tram{*this, "edPrsM1Tram"};
    CajaTexto edPrsM2Tram{*this, "edPrsM2Tram"};
    CajaTexto edPrs1Tram{*this, "edPrs1Tram"};
    CajaTexto edPrs2Tram{*this, "edPrs2Tram"};
    CajaTexto edPrs3Tram{*this, "edPrs3Tram"};

    // Reinforced-concrete materials (tab 0 of TabTipologia).
    Casilla edIcontes0{*this, "edIcontes0"};
    CajaTexto edAdato{*this, "edAdato"};
    Lista edTipoControl{*this, "edTipoControl"};
    Lista edTipoCamisa{*this, "edTipoCamisa"};
    CajaTexto edCamMax{*this, "edCamMax"};
    Marco frResistenciasArmado{*this, "frResistenciasArmado"};
    CajaTexto edFck{*this, "edFck"};
    CajaTexto edFct{*this, "edFct"};
    CajaTexto edFyk{*this, "edFyk"};
    CajaTexto edFyd{*this, "edFyd"};
    Marco frDatosArmado{*this, "frDatosArmado"};
    CajaTexto edGamaB{*this, "edGamaB"};
    CajaTexto edGamaY{*this, "edGamaY"};
    CajaTexto edGamaF{*this, "edGamaF"};

    // Post-tensioned materials (tab 1 of TabTipologia).
    Casilla edIcontes1{*this, "edIcontes1"};
    CajaTexto edCoepre1{*this, "edCoepre1"};
    CajaTexto edDelca{*this, "edDelca"};
    Marco frTipoCamisa{*this, "frTipoCamisa"};
    GrupoOpciones TipoCamisa{*this, "TipoCamisa", 2}; // 0 embedded cylinder, 1 lined
    Imagen ptPostesado{*this, "ptPostesado"};
    Marco frElasticidadPostesado{*this, "frElasticidadPostesado"};
    CajaTexto edEs{*this, "edEs"};
    CajaTexto edEp{*this, "edEp"};
    Marco frResistenciasPostesado{*this, "frResistenciasPostesado"};
    CajaTexto edFYKPost{*this, "edFYKPost"};
    CajaTexto edFckno{*this, "edFckno"};
    CajaTexto edFckn{*this, "edFckn"};
    CajaTexto edFckr{*this, "edFckr"};
    Marco frTensionesPostesado{*this, "frTensionesPostesado"};
    CajaTexto edSFck{*this, "edSFck"};
    CajaTexto edSf{*this, "edSf"};
    CajaTexto edRel{*this, "edRel"};
    CajaTexto edFic{*this, "edFic"};
    CajaTexto edFir{*this, "edFir"};
    CajaTexto edEpsc{*this, "edEpsc"};
    CajaTexto edEpsr{*this, "edEpsr"};
    Imagen ptArmado{*this, "ptArmado"};

    // The run's laying (page 2): section, installation and fill, loads.
    Lista edTramo2{*this, "edTramo2"};
    CajaTexto edDescriTramo2{*this, "edDescriTramo2"}; // rich text
    Marco frDatosSeccion{*this, "frDatosSeccion"};
    Lista edDi0{*this, "edDi0"};
    Lista edEsp0{*this, "edEsp0"};
    Lista edReci0{*this, "edReci0"};
    Lista edRece0{*this, "edRece0"};
    Lista edDe0{*this, "edDe0"};
    CajaTexto edGc0{*this, "edGc0"};
    Marco frColocacion{*this, "frColocacion"};
    Marco frTipoColocacion{*this, "frTipoColocacion"};
    GrupoOpciones rdTipoColocacion{*this, "rdTipoColocacion", 3}; // trench, under fill, fill
    Imagen ptColocacion{*this, "ptColocacion"};
    Lista edTipoCuna0{*this, "edTipoCuna0"};
    Lista edTipoApoyo0{*this, "edTipoApoyo0"};
    CajaTexto edHr0{*this, "edHr0"};
    CajaTexto edHr0Final{*this, "edHr0Final"};
    CajaTexto edHr0Delta{*this, "edHr0Delta"};
    CajaTexto edB0{*this, "edB0"};
    CajaTexto edGr0{*this, "edGr0"};
    CajaTexto edFi0{*this, "edFi0"};
    Lista edTipoRelleno0{*this, "edTipoRelleno0"};
    CajaTexto edHr1{*this, "edHr1"};
    Lista edIAs{*this, "edIAs"};
    CajaTexto edQDato0{*this, "edQDato0"};
    Lista edICar0{*this, "edICar0"};
    CajaTexto avCargas0{*this, "avCargas0"}; // rich-text notes about the loads
    CajaTexto avCargas1{*this, "avCargas1"};

    // Run commands.
    Boton btNuevoTramo{*this, "btNuevoTramo"};
    Boton btCancelar{*this, "btCancelar"};
    Boton btGrabar{*this, "btGrabar"};
    Boton btCalcular{*this, "btCalcular"};
    Boton btAjustar{*this, "btAjustar"};

    // Field captions, by item number (item 22 is the caption of edReci0, 78 of edSf...).
    MatrizEtiquetas lbEtiquetas{*this, "lbEtiquetas"};

    // Fills the code lists (control level, cylinder indicator, cradle, laying, live load, fill
    // soil, settlement) with their entries in the interface language, each with its choice left
    // empty.
    void LlenaListasCodigos();

    // Shows the picture whose file name is text n of the interface language, from the program's
    // folder, in a picture box of the window and in the one of the same name that the printed
    // listing paints (frFiguras). A file that is missing shows no picture; n = 0 empties both.
    void CargaFigura(Imagen &imagen, std::int32_t n);

    // Voids the run's stored reinforcement overrides; nothing while a run is being loaded, nor
    // while a SinAnularAjustes is alive.
    void AnulaAjustesTramo();

    // While alive, the boxes that the clearing and default procedures write void no stored
    // overrides: those procedures describe a run not entered yet, and the run number still
    // shown may be a stored run's, whose overrides must survive the start of a new one.
    class SinAnularAjustes {
    public:
        explicit SinAnularAjustes(CapturaDatos &ventana) : m_ventana(ventana)
        {
            ++m_ventana.m_sinAnular;
        }
        ~SinAnularAjustes() { --m_ventana.m_sinAnular; }
        SinAnularAjustes(const SinAnularAjustes &) = delete;
        SinAnularAjustes &operator=(const SinAnularAjustes &) = delete;

    private:
        CapturaDatos &m_ventana;
    };

    // While alive, the window is being loaded: its click handlers, the marks of changed data and
    // the voiding of stored overrides stand still. Loads do not nest: the flag is down again
    // when the guard goes, however the load ended.
    class Cargando {
    public:
        explicit Cargando(CapturaDatos &ventana) : m_ejecucion(ventana.m_estado.ejecucion)
        {
            m_ejecucion.Cargando = true;
        }
        ~Cargando() { m_ejecucion.Cargando = false; }
        Cargando(const Cargando &) = delete;
        Cargando &operator=(const Cargando &) = delete;

    private:
        EstadoEjecucion &m_ejecucion;
    };

    // The typology tab strip: applies the typology of the tab now selected (it may ask, and put
    // the tab back when the engineer declines), then shows the adjustment command only for
    // reinforced concrete.
    void TabTipologia_Click(int PreviousTab);
    // The cylinder options of a post-tensioned run: embedded (2211) or lined (2221).
    void TipoCamisa_Click(int Index);

    // ---- The window's load and unload, and the choice of a run (CargaVentana.cpp). ----

    // The window's load: the captions in the language in force (Spanish when none of the text
    // table's is), the diameter list; then a new project
    // (AbrirObraExistente False) or the opening of a project file asked for. A failed opening
    // leaves NombreFicheroObra " ", the project's values as they were, and is told.
    void Form_Load();
    // The window's unload: with the run or the header changed it asks whether to save them
    // first (Cancel keeps the window); then the main menu goes back to no project.
    void Form_Unload(bool &Cancel);
    // With the header or the run changed, asks whether to save them: Yes saves (false when the
    // save is refused or fails), No drops the changes, Cancel answers false. True otherwise.
    bool ConfirmaCierre();
    // The run-number box: choosing a listed run loads it; 0 offers a new run.
    void edTramo_Click();
    void edTramo_Change();
    void edTramo_GotFocus();
    void edTramo_Validate(bool &Cancel);
    // Loads the run at that position (from 1) of the run list as the run on the window: capture
    // state "MODIFICACIONES", TramoActual its number, the run commands enabled and the number
    // box locked. False when its block cannot be read (told): the window then has no run.
    bool CargaTramoElegido(int posicion);

    // The command buttons.
    void btNuevoTramo_Click();
    void btCancelar_Click();
    void btGrabar_Click();
    void btCalcular_Click();
    void btAjustar_Click();
    void CommandButton2_Click();
    void btGrabaObra_Click();
    void btCerrarObra_Click();

    // Change handlers: the run has unsaved changes; some also void the stored overrides.
    void edAdato_Change();
    void edCamMax_Change();
    void edFck_Change();
    void edFyk_Change();
    void edFyd_Change();
    void edGamaB_Change();
    void edTipoControl_Change();
    void edTipoCamisa_Change();
    void edHr0_Change();
    void edB0_Change();
    void edGr0_Change();
    void edFi0_Change();
    void edHr1_Change();
    void edQDato0_Change();
    void edIAs_Change();
    void edICar0_Change();
    void edTipoApoyo0_Change();
    void edTipoCuna0_Change();
    void edTipoRelleno0_Change();
    void edFYKPost_Change();
    void edDelca_Change();
    void edCoepre1_Change();
    void edEs_Change();
    void edEp_Change();
    void edFckno_Change();
    void edFckn_Change();
    void edFckr_Change();
    void edSf_Change();
    void edRel_Change();
    void edFic_Change();
    void edFir_Change();
    void edEpsc_Change();
    void edEpsr_Change();
    void edDescriTramo_Change();
    void edEsp0_Change();
    void edReci0_Change();
    void edRece0_Change();
    void edGc0_Change();
    void edSFck_Change();
    void edDi0_Change();
    // Key filters of the numeric boxes: digits, Backspace and one decimal separator.
    void edCamMax_KeyPress(std::int32_t &KeyAscii);
    void edFck_KeyPress(std::int32_t &KeyAscii);
    void edFct_KeyPress(std::int32_t &KeyAscii);
    void edFyk_KeyPress(std::int32_t &KeyAscii);
    void edFyd_KeyPress(std::int32_t &KeyAscii);
    void edEs_KeyPress(std::int32_t &KeyAscii);
    void edEp_KeyPress(std::int32_t &KeyAscii);
    void edFckno_KeyPress(std::int32_t &KeyAscii);
    void edFckn_KeyPress(std::int32_t &KeyAscii);
    void edFckr_KeyPress(std::int32_t &KeyAscii);
    void edSf_KeyPress(std::int32_t &KeyAscii);
    void edRel_KeyPress(std::int32_t &KeyAscii);
    void edFic_KeyPress(std::int32_t &KeyAscii);
    void edFir_KeyPress(std::int32_t &KeyAscii);
    void edEpsc_KeyPress(std::int32_t &KeyAscii);
    void edEpsr_KeyPress(std::int32_t &KeyAscii);
    void edSFck_KeyPress(std::int32_t &KeyAscii);
    void edPrs1_KeyPress(std::int32_t &KeyAscii);
    void edPrs2_KeyPress(std::int32_t &KeyAscii);
    void edPrsM2_KeyPress(std::int32_t &KeyAscii);
    void edPrs1Tram_KeyPress(std::int32_t &KeyAscii);
    void edPrs2Tram_KeyPress(std::int32_t &KeyAscii);
    void edPrsM2Tram_KeyPress(std::int32_t &KeyAscii);
    void edAlt2_KeyPress(std::int32_t &KeyAscii);
    void edHr0Final_KeyPress(std::int32_t &KeyAscii);
    void edPrs3_KeyPress(std::int32_t &KeyAscii);
    void edPrsM1_KeyPress(std::int32_t &KeyAscii);
    void edPrsM1Tram_KeyPress(std::int32_t &KeyAscii);
    void edAlt1_KeyPress(std::int32_t &KeyAscii);
    void edAlt3_KeyPress(std::int32_t &KeyAscii);
    void edHr0Delta_KeyPress(std::int32_t &KeyAscii);
    void edHr0_KeyPress(std::int32_t &KeyAscii);
    void edDi0_KeyPress(std::int32_t &KeyAscii);
    void edEsp0_KeyPress(std::int32_t &KeyAscii);
    void edReci0_KeyPress(std::int32_t &KeyAscii);
    void edRece0_KeyPress(std::int32_t &KeyAscii);
    void edDe0_KeyPress(std::int32_t &KeyAscii);
    void edB0_KeyPress(std::int32_t &KeyAscii);
    void edGr0_KeyPress(std::int32_t &KeyAscii);
    void edFi0_KeyPress(std::int32_t &KeyAscii);
    void edHr1_KeyPress(std::int32_t &KeyAscii);
    void edQDato0_KeyPress(std::int32_t &KeyAscii);
    void edGc0_KeyPress(std::int32_t &KeyAscii);

    // ---- Field handlers of the materials, pressures and heights, section, laying and loads,
    // and the language choice (ManejadoresMateriales.cpp, ManejadoresPresiones.cpp,
    // ManejadoresSeccion.cpp, ManejadoresIdioma.cpp). ----

    // Reinforced-concrete materials.
    void edFck_GotFocus();
    void edFck_Validate(bool &Cancel);
    void edFyk_GotFocus();
    void edFyk_Validate(bool &Cancel);
    void edFyd_GotFocus();
    void edFyd_Validate(bool &Cancel);
    void edGamaB_GotFocus();
    void edGamaB_Validate(bool &Cancel);
    void edCamMax_GotFocus();
    void edCamMax_Validate(bool &Cancel);
    void edAdato_GotFocus();
    void edAdato_Validate(bool &Cancel);
    void edIcontes0_Click();
    void edTipoControl_GotFocus();
    void edTipoControl_Validate(bool &Cancel);
    void edTipoControl_Click();
    void edTipoCamisa_GotFocus();
    void edTipoCamisa_Validate(bool &Cancel);
    void edTipoCamisa_Click();

    // Post-tensioned materials.
    void edDelca_GotFocus();
    void edDelca_Validate(bool &Cancel);
    void edEs_GotFocus();
    void edEs_Validate(bool &Cancel);
    void edEp_GotFocus();
    void edEp_Validate(bool &Cancel);
    void edFckno_GotFocus();
    void edFckno_Validate(bool &Cancel);
    void edFckn_GotFocus();
    void edFckn_Validate(bool &Cancel);
    void edFckr_GotFocus();
    void edFckr_Validate(bool &Cancel);
    void edSFck_GotFocus();
    void edSFck_Validate(bool &Cancel);
    void edSf_GotFocus();
    void edSf_Validate(bool &Cancel);
    void edRel_GotFocus();
    void edRel_Validate(bool &Cancel);
    void edFic_GotFocus();
    void edFic_Validate(bool &Cancel);
    void edFir_GotFocus();
    void edFir_Validate(bool &Cancel);
    void edEpsc_GotFocus();
    void edEpsc_Validate(bool &Cancel);
    void edEpsr_GotFocus();
    void edEpsr_Validate(bool &Cancel);
    void edCoepre1_GotFocus();
    void edCoepre1_Validate(bool &Cancel);
    void edIcontes1_Click();

    // Project and run pressure and fill-height ranges, run description. The run's three
    // LostFocus handlers are public operations too: the run loader calls them to put the boxes
    // that depend on a range into the state the variables call for.
    void edPrsM1_GotFocus();
    void edPrsM1_Validate(bool &Cancel);
    void edPrsM2_GotFocus();
    void edPrsM2_Validate(bool &Cancel);
    void edPrsM2_LostFocus();
    void edPrs1_GotFocus();
    void edPrs1_Validate(bool &Cancel);
    void edPrs1_LostFocus();
    void edPrs2_GotFocus();
    void edPrs2_Validate(bool &Cancel);
    void edPrs2_LostFocus();
    void edPrs3_GotFocus();
    void edPrs3_Validate(bool &Cancel);
    void edPrsM1Tram_GotFocus();
    void edPrsM1Tram_Validate(bool &Cancel);
    void edPrsM2Tram_GotFocus();
    void edPrsM2Tram_Validate(bool &Cancel);
    void edPrsM2Tram_LostFocus();
    void edPrs1Tram_GotFocus();
    void edPrs1Tram_Validate(bool &Cancel);
    void edPrs1Tram_LostFocus();
    void edPrs2Tram_GotFocus();
    void edPrs2Tram_Validate(bool &Cancel);
    void edPrs2Tram_LostFocus();
    void edPrs3Tram_GotFocus();
    void edPrs3Tram_Validate(bool &Cancel);
    void edAlt1_GotFocus();
    void edAlt1_Validate(bool &Cancel);
    void edAlt2_GotFocus();
    void edAlt2_Validate(bool &Cancel);
    void edAlt2_LostFocus();
    void edAlt3_GotFocus();
    void edAlt3_Validate(bool &Cancel);
    void edHr0_GotFocus();
    void edHr0_Validate(bool &Cancel);
    void edHr0Final_GotFocus();
    void edHr0Final_Validate(bool &Cancel);
    void edHr0Final_LostFocus();
    void edHr0Delta_GotFocus();
    void edHr0Delta_Validate(bool &Cancel);
    void edDescriTramo_GotFocus();
    void edDescriTramo_Validate(bool &Cancel);

    // Section, installation, fill and loads.
    void edDi0_GotFocus();
    void edDi0_Validate(bool &Cancel);
    void edDi0_Click();
    void edEsp0_GotFocus();
    void edEsp0_Validate(bool &Cancel);
    void edEsp0_Click();
    void edReci0_GotFocus();
    void edReci0_Validate(bool &Cancel);
    void edReci0_Click();
    void edRece0_GotFocus();
    void edRece0_Validate(bool &Cancel);
    void edRece0_Click();
    void edB0_GotFocus();
    void edB0_Validate(bool &Cancel);
    void edGc0_GotFocus();
    void edGc0_Validate(bool &Cancel);
    void edGr0_GotFocus();
    void edGr0_Validate(bool &Cancel);
    void edFi0_GotFocus();
    void edFi0_Validate(bool &Cancel);
    void edHr1_GotFocus();
    void edHr1_Validate(bool &Cancel);
    void edIAs_GotFocus();
    void edIAs_Validate(bool &Cancel);
    void edIAs_Click();
    void edICar0_GotFocus();
    void edICar0_Validate(bool &Cancel);
    void edICar0_Click();
    void edTipoApoyo0_GotFocus();
    void edTipoApoyo0_Validate(bool &Cancel);
    void edTipoApoyo0_Click();
    void edQDato0_GotFocus();
    void edQDato0_Validate(bool &Cancel);

    // Language choice.
    void edIdioma_GotFocus();
    void edIdioma_Validate(bool &Cancel);
    void edIdioma_Click();
    // Captions of the window in the interface language: the language list (showing Idioma), the
    // code lists (each with its choice left empty), the field captions that follow the language,
    // the tabs and the command buttons; then the unit texts.
    void PonTextosCaptura();
    // The help file of the language whose offset is given, in the program's folder.
    std::string RutaAyuda(std::int32_t DesplazamientoIdioma) const;

    // ---- end of the field handlers ----

    // Whether the unit option shows SI (option 0 selected): the default and clearing
    // procedures read the unit system from here, not from SistemaUnidades.
    bool MuestraSI() const { return rdSistemaUnidades.Value(0); }

    // ---- Unit switch, installation layout, tab checks, cradle/fill/water-hammer/steel fields
    // ---- and the window's captions in the interface language.

    // Label stems and unit words in the interface language, which the unit switch joins.
    struct RotulosUnidades {
        std::string RotuloDatosPresion, UnidadPresionSI, UnidadPresionMKS, RotuloPresionDP,
            RotuloPresionMDP, RotuloResistenciasArmado, UnidadTensionSI, UnidadTensionMKS,
            RotuloElasticidadPostesado, RotuloResistenciasPostesado, RotuloTensionesPostesado,
            RotuloCargaVertical, UnidadCargaSI, UnidadCargaMKS, RotuloFck, RotuloFct, RotuloFyk,
            RotuloFyd, RotuloEs, RotuloEp, RotuloFckno, RotuloFckn, RotuloFckr, RotuloSFck;
    };
    RotulosUnidades Rotulos;
    // Tips of the controls other than push buttons, by control name ("TipoCamisa(0)" for an
    // option), for the view to show.
    std::map<std::string, std::string> TextosAyuda;

    // Caption items of the strength boxes whose captions carry the default of the unit system.
    static constexpr int EtiquetaFck = 12;
    static constexpr int EtiquetaFyk = 14;
    static constexpr int EtiquetaFyd = 15;
    static constexpr int EtiquetaFYKPost = 84;

    // Converts every unit-dependent box to the system asked for (0 SI, else MKS) and rewrites
    // the captions that name a unit; for the system in force it only rewrites the captions.
    void RevisaUnidades(int Index);
    void rdSistemaUnidades_Click(int Index);
    // Lays out the fields of the installation kind selected and shows its picture.
    void rdTipoColocacion_Click(int Index);
    // Tab changes and the checks of what the tab entered builds on.
    void TabPrincipal_Click(int PreviousTab);
    void TabDatosColocacion_Click(int PreviousTab);
    // The loads page's note that the arching of the soil is left out, in the language in force.
    void PonAvisoEfectoArco();
    void edTipoCuna0_GotFocus();
    void edTipoCuna0_Validate(bool &Cancel);
    void edTipoCuna0_Click();
    void edTipoRelleno0_GotFocus();
    void edTipoRelleno0_Validate(bool &Cancel);
    void edTipoRelleno0_Click();
    void rdGolpeAriete_Click(int Index);
    void edFYKPost_GotFocus();
    void edFYKPost_Validate(bool &Cancel);
    // The installation picture of the cradle and installation kind shown; nothing for another
    // cradle or with no kind selected.
    void CargaFiguraColocacion();

private:
    // A new project: no file, the default height and the SI unit system.
    void CargaObraNueva();
    // Asks for a project file and reads its header into the window; false when none was read.
    bool CargaObraExistente();
    // The run commands after a run was chosen, and edTramo locked.
    void HabilitaOrdenesTramo();
    // A project-level value changed (titles, ranges): the header must be saved.
    void MarcaCabecera()
    {
        if (!m_estado.ejecucion.Cargando) {
            m_estado.obra.CabeceraModificada = true;
        }
    }
    void MarcaModificado() { m_estado.ejecucion.DatosModificados = true; }
    void MarcaConAjustes()
    {
        MarcaModificado();
        AnulaAjustesTramo();
    }

    EstadoObra &m_estado;
    ServiciosCaptura m_servicios;
    int m_sinAnular = 0;
    // edFyk's value when it got the focus, kp/cm2 / MPa: Fyd follows Fyk only when it changed.
    double m_FykAnterior = 0;
};

} // namespace dravek
