#include "core/entry/CapturaDatos.h"

#include "apoyo/AlmacenObraPrueba.h"
#include "apoyo/AnulacionAjustesGrabadora.h"
#include "apoyo/EntornoIdiomaPrueba.h"
#include "apoyo/MensajesGrabadora.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/ConexionManejadores.h"
#include "core/entry/MenuPrincipal.h"

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace dravek {
namespace {

struct Ventana {
    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes{pruebas::Guion::Estricto};
    MenuPrincipal menu;
    pruebas::AnulacionAjustesGrabadora ajustes;
    pruebas::EntornoIdiomaPrueba idioma{estado, mensajes};
    pruebas::AlmacenObraPrueba obra{estado, mensajes, idioma.configuracion};
    CapturaDatos captura{estado, {mensajes, menu, ajustes, idioma.principal, obra.almacen}};
};

// The controls the window's procedures read or set, by kind.
TEST(CapturaDatos, TieneTodosSusControles)
{
    Ventana v;
    const std::vector<std::string> cajas = {
        "edAlt1",      "edAlt2",         "edAlt3",        "edPrs1",     "edPrs2",     "edPrs3",
        "edPrsM1",     "edPrsM2",        "edDescriTramo", "edPrs1Tram", "edPrs2Tram", "edPrs3Tram",
        "edPrsM1Tram", "edPrsM2Tram",    "edAdato",       "edCamMax",   "edFck",      "edFct",
        "edFyk",       "edFyd",          "edGamaB",       "edGamaY",    "edGamaF",    "edCoepre1",
        "edDelca",     "edEs",           "edEp",          "edFYKPost",  "edFckno",    "edFckn",
        "edFckr",      "edSFck",         "edSf",          "edRel",      "edFic",      "edFir",
        "edEpsc",      "edEpsr",         "edGc0",         "edHr0",      "edHr0Final", "edHr0Delta",
        "edB0",        "edGr0",          "edFi0",         "edHr1",      "edQDato0",   "edObra",
        "edCliente",   "edDescriTramo2", "avCargas0",     "avCargas1"};
    const std::vector<std::string> listas = {
        "edTramo",     "edTramo2",     "edIdioma",       "edTipoControl", "edTipoCamisa",
        "edDi0",       "edEsp0",       "edDe0",          "edReci0",       "edRece0",
        "edTipoCuna0", "edTipoApoyo0", "edTipoRelleno0", "edIAs",         "edICar0"};
    for (const std::string &n : cajas) {
        SCOPED_TRACE(n);
        EXPECT_NE(dynamic_cast<CajaTexto *>(v.captura.BuscaControl(n)), nullptr);
    }
    for (const std::string &n : listas) {
        SCOPED_TRACE(n);
        EXPECT_NE(dynamic_cast<Lista *>(v.captura.BuscaControl(n)), nullptr);
    }
    EXPECT_EQ(v.captura.rdSistemaUnidades.Count(), 2);
    EXPECT_EQ(v.captura.rdGolpeAriete.Count(), 2);
    EXPECT_EQ(v.captura.rdTipoColocacion.Count(), 3);
    EXPECT_EQ(v.captura.TipoCamisa.Count(), 2);
    EXPECT_EQ(v.captura.TabPrincipal.Tabs(), 3);
    EXPECT_EQ(v.captura.TabTipologia.Tabs(), 2);
    EXPECT_EQ(v.captura.TabPostesados.Tabs(), 4);
    EXPECT_EQ(v.captura.TabDatosColocacion.Tabs(), 3);
    for (const int item : {7, 8, 21, 22, 23, 26, 29, 32, 34, 50, 53, 78}) {
        EXPECT_TRUE(v.captura.lbEtiquetas.Existe(item)) << item;
    }

    // Names are unique, so a control is found by its name.
    std::set<std::string> nombres;
    for (const Control *c : v.captura.Controles()) {
        EXPECT_TRUE(nombres.insert(c->Name()).second) << c->Name();
    }
}

// The table of handlers: a row that would leave a handler unwired (a name the window has not,
// an event its control does not raise) or silently replace one is refused, naming the control,
// in every build. The window's own table passes, since every window here was built from it.
TEST(ConexionManejadores, UnaFilaErroneaSeRechazaNombrandoSuControl)
{
    using C = CapturaDatos;
    const struct {
        ManejadoresControl fila;
        std::string error;
    } casos[] = {
        {{.control = "edFckk", .Validate = &C::edFck_Validate},
         "no control named \"edFckk\" on the window"},
        {{.control = "Label1", .Click = &C::btGrabar_Click}, "\"Label1\" raises no Click"},
        {{.control = "btGrabar", .Change = &C::edFck_Change}, "\"btGrabar\" raises no Change"},
        {{.control = "btGrabar", .ClickIndice = &C::TipoCamisa_Click},
         "\"btGrabar\" raises no Click with an index"},
        {{.control = "edFck", .Validate = &C::edFyk_Validate},
         "the Validate of \"edFck\" already has a handler"},
        {{.control = "TipoCamisa", .ClickIndice = &C::TipoCamisa_Click},
         "the Click of \"TipoCamisa\" already has a handler"},
    };
    for (const auto &c : casos) {
        SCOPED_TRACE(c.error);
        Ventana v;
        try {
            ConectaManejadores(v.captura, std::span(&c.fila, 1));
            ADD_FAILURE() << "the row was accepted";
        } catch (const std::logic_error &error) {
            EXPECT_EQ(error.what(), c.error);
        }
    }
    Ventana v;
    EXPECT_THROW(ConectaManejadores(v.captura, ManejadoresCaptura()), std::logic_error);
    EXPECT_THROW(
        ConectaManejadores(v.captura, {{{.control = "edNada", .Click = &C::btGrabar_Click}}}),
        ControlDesconocido);
}

// The table of boxes: each row names a text box or combo box of the window; the SI copies are
// the 23 of the state, each once, and exactly the unit-dependent boxes have one.
TEST(CamposCaptura, CadaFilaEsUnaCajaDeLaVentana)
{
    Ventana v;
    std::set<std::string> cajas;
    ValoresSI si;
    std::set<const double *> copias;
    for (const CampoNumerico &c : CamposNumericos()) {
        const std::string caja(c.caja);
        SCOPED_TRACE(caja);
        EXPECT_TRUE(cajas.insert(caja).second);
        EXPECT_EQ(&c.control(v.captura), v.captura.BuscaControl(caja));
        EXPECT_EQ(BuscaCampo(caja), &c);
        EXPECT_EQ(c.copiaSI != nullptr, c.dependeUnidades());
        if (c.copiaSI != nullptr) {
            EXPECT_TRUE(copias.insert(&(si.*c.copiaSI)).second);
        }
        EXPECT_FALSE(c.mascaraMKS.empty());
        EXPECT_FALSE(c.mascaraSI.empty());
        EXPECT_EQ(c.variable.obra != nullptr, c.limpieza == NivelLimpieza::Obra);
    }
    EXPECT_EQ(copias.size(), sizeof(ValoresSI) / sizeof(double));
    EXPECT_EQ(BuscaCampo("edTramo"), nullptr);

    // The variable a row names is the one the box edits.
    EstadoObra estado;
    BuscaCampo("edFck")->variable.de(estado) = 35;
    BuscaCampo("edPrs1")->variable.de(estado) = 1.5;
    EXPECT_EQ(estado.tramo.FCK, 35);
    EXPECT_EQ(estado.obra.DPInicialObra, 1.5);
}

TEST(CamposCaptura, DefectosEnCadaSistema)
{
    struct Caso {
        std::string caja;
        double mks;
        double si;
    };
    const std::vector<Caso> casos = {
        {"edFck", 350, 35},         {"edEs", 2100000, 210000},
        {"edSf", 12750, 1275},      {"edCamMax", 6, 6},
        {"edEpsr", 0.0003, 0.0003}, {"edGc0", 2.5, 2.5},
        {"edAlt1", 3, 3},           {"edDi0", 0, 0},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.caja);
        const CampoNumerico *campo = BuscaCampo(c.caja);
        ASSERT_NE(campo, nullptr);
        EXPECT_DOUBLE_EQ(campo->defectoEn(false), c.mks);
        EXPECT_DOUBLE_EQ(campo->defectoEn(true), c.si);
    }
    EXPECT_EQ(BuscaCampo("edFck")->mascara(false), "#####0");
    EXPECT_EQ(BuscaCampo("edFck")->mascara(true), "#####0.0");
    EXPECT_EQ(FactorUnidad(UnidadCampo::Carga), 100.0);
}

TEST(CapturaDatos, LasListasDeCodigosSeLlenanSinEleccion)
{
    Ventana v;
    v.captura.LlenaListasCodigos();
    EXPECT_EQ(v.captura.edTipoControl.Estado(),
              "edTipoControl: Text=\"\" ListIndex=-1 List=[Intenso|Normal] Locked=0 Enabled=1 "
              "Visible=1 BackColor=Editable");
    EXPECT_EQ(v.captura.edICar0.ListCount(), 5);
    EXPECT_EQ(v.captura.edICar0.List(2), "Eje de 13 Toneladas");
    EXPECT_EQ(v.captura.edTipoRelleno0.List(2), "Cohesivo, Arena Arcillosa");
    EXPECT_EQ(v.captura.edIAs.List(0), "Roca o suelo no asentable");
    EXPECT_EQ(v.captura.edTipoApoyo0.List(1), "Relleno Compactado");
    EXPECT_EQ(BuscaCampoCodigo("edTipoRelleno0")->codigos[2], 21);

    // Filling again keeps one set of entries.
    v.captura.LlenaListasCodigos();
    EXPECT_EQ(v.captura.edTipoControl.ListCount(), 2);
}

} // namespace
} // namespace dravek
