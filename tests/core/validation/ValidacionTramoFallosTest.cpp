// Every way the whole-run check refuses a run: the message with its title, the pages turned and
// the box given the focus when the command moves the focus (and nothing turned or moved when it
// does not), in the order the check does them, and what the refusal shows again.

#include "TramoCapturado.h"
#include "VentanaValidacion.h"
#include "core/entry/ValidacionTramo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace dravek {
namespace {

using pruebas::Aviso;
using pruebas::VentanaValidacion;
using pruebas::Vista;

enum class Base { Armado, Embebida, Revestida };

struct Fallo {
    const char *nombre;
    Base base;
    std::function<void(VentanaValidacion &)> prepara;
    std::vector<std::pair<std::string, std::string>> mensajes; // prompt, title
    // The pages asked for (-1: the strip is not touched) and the focus target.
    int principal;
    int tipologia;
    int postesados;
    int colocacion;
    std::string foco;
    // The pages and the focus come before the message (the fill-height checks).
    bool antes = false;
    // What the refusal does whether the focus moves or not.
    std::function<void(VentanaValidacion &)> comprueba = {};
};

void Escribe(VentanaValidacion &p, const char *caja, const std::string &texto)
{
    auto *control = dynamic_cast<ControlTexto *>(p.captura.BuscaControl(caja));
    ASSERT_NE(control, nullptr) << caja;
    ponTexto(*control, texto);
}

std::function<void(VentanaValidacion &)> Con(std::vector<std::pair<const char *, std::string>> t)
{
    return [t](VentanaValidacion &p) {
        for (const auto &[caja, texto] : t) {
            Escribe(p, caja, texto);
        }
    };
}

// A box hidden (and grey) before the check, with its caption label.
void Oculta(VentanaValidacion &p, ControlTexto &caja, int etiqueta)
{
    caja.Visible = false;
    caja.BackColor = ColorFondo::Cerrado;
    p.captura.lbEtiquetas(etiqueta).Visible = false;
}

const ControlTexto &Caja(const VentanaValidacion &p, const std::string &nombre)
{
    return dynamic_cast<const ControlTexto &>(*p.captura.BuscaControl(nombre));
}

// Shown again with the window colour, and its caption too.
std::function<void(VentanaValidacion &)> Reaparece(std::string caja, int etiqueta)
{
    return [caja, etiqueta](VentanaValidacion &p) {
        const ControlTexto &c = Caja(p, caja);
        EXPECT_TRUE(c.Visible) << c.Name();
        EXPECT_EQ(c.BackColor, ColorFondo::Editable) << c.Name();
        EXPECT_TRUE(p.captura.lbEtiquetas(etiqueta).Visible) << etiqueta;
    };
}

// Closed (grey, read-only, disabled) before the check, opened by it to take the value asked for.
std::function<void(VentanaValidacion &)> Abierta(std::string caja)
{
    return [caja](VentanaValidacion &p) {
        const ControlTexto &c = Caja(p, caja);
        EXPECT_FALSE(c.Locked) << c.Name();
        EXPECT_TRUE(c.Enabled) << c.Name();
        EXPECT_EQ(c.BackColor, ColorFondo::Editable) << c.Name();
    };
}

void Cierra(ControlTexto &caja)
{
    caja.Locked = true;
    caja.Enabled = false;
    caja.BackColor = ColorFondo::Cerrado;
}

const std::string Error = "ERROR:";
const std::string Incorrecto = "Valor incorrecto";
const std::string NoNumerico = "Seleccione un valor numérico ";

std::vector<Fallo> Casos()
{
    return {
        // Run number and pressures (page 1).
        {"SinNumeroDeTramo",
         Base::Armado,
         [](VentanaValidacion &p) {
             ponTexto(p.captura.edTramo, "  ");
             p.captura.edTramo.Locked = true;
             p.captura.edTramo.BackColor = ColorFondo::Cerrado;
         },
         {{"No tiene número de Tramo", Error}},
         1,
         -1,
         -1,
         -1,
         "edTramo",
         false,
         [](VentanaValidacion &p) {
             EXPECT_FALSE(p.captura.edTramo.Locked);
             EXPECT_EQ(p.captura.edTramo.BackColor, ColorFondo::Editable);
             EXPECT_EQ(p.estado.tramo.ITIT, "");
         }},
        {"DPNoNumerica",
         Base::Armado,
         Con({{"edPrs1Tram", "x"}}),
         {{NoNumerico, "Presión inicial"}},
         1,
         -1,
         -1,
         -1,
         "edPrs1Tram"},
        {"RangoDPSinPaso",
         Base::Armado,
         [](VentanaValidacion &p) {
             Con({{"edPrs1Tram", "4"}, {"edPrs2Tram", "10"}, {"edPrsM1Tram", "4,4"}})(p);
             Cierra(p.captura.edPrs3Tram);
         },
         {{Incorrecto, "Incremento de Presión"}},
         1,
         -1,
         -1,
         -1,
         "edPrs3Tram",
         false,
         Abierta("edPrs3Tram")},
        // A step that would make a run of millions of cases.
        {"PasoDePresionPequeno",
         Base::Armado,
         Con({{"edPrs1Tram", "4"}, {"edPrs2Tram", "10"}, {"edPrs3Tram", "0,005"}}),
         {{"Debe seleccionar un Incremento de Presión superior a 0", Error}},
         1,
         -1,
         -1,
         -1,
         "edPrs3Tram"},
        // An MDP range whose DP boxes are left to be derived needs its step as well.
        {"RangoMDPConDPDerivadas",
         Base::Armado,
         [](VentanaValidacion &p) {
             Con({{"edPrsM1Tram", "10"}, {"edPrsM2Tram", "14"}})(p);
             Cierra(p.captura.edPrs3Tram);
         },
         {{Incorrecto, "Incremento de Presión"}},
         1,
         -1,
         -1,
         -1,
         "edPrs3Tram",
         false,
         [](VentanaValidacion &p) {
             Abierta("edPrs3Tram")(p);
             EXPECT_EQ(p.captura.edPrs1Tram.Text(), "9,09");
             EXPECT_EQ(p.captura.edPrs2Tram.Text(), "12,73");
         }},
        {"MDPFinalInferior",
         Base::Armado,
         Con({{"edPrsM1Tram", "6"}, {"edPrsM2Tram", "5"}}),
         {{"Presión Final MDP inferior a la Inicial", ""}},
         1,
         -1,
         -1,
         -1,
         "edPrsM1Tram"},

        // Typology and reinforced-concrete materials (page 1, tab 0).
        {"SinTipologia",
         Base::Armado,
         [](VentanaValidacion &p) { p.estado.tramo.Tipologia = 1220; },
         {{"Sin definir la Tipología", Error}},
         1,
         0,
         -1,
         -1,
         "TabTipologia"},
        {"ArmaduraExteriorVacia",
         Base::Armado,
         [](VentanaValidacion &p) {
             ponValor(p.captura.edIcontes0, EstadoCasilla::Marcada);
             Oculta(p, p.captura.edAdato, 8);
         },
         {{Incorrecto, "Valor Máximo Armadura Exterior"}},
         1,
         0,
         -1,
         -1,
         "edAdato",
         false,
         [](VentanaValidacion &p) {
             Reaparece("edAdato", 8)(p);
             EXPECT_EQ(p.estado.tramo.ArmaduraExteriorMaxima, 0);
         }},
        {"SinTipoControl",
         Base::Armado,
         Con({{"edTipoControl", " "}}),
         {{"No ha capturado Tipo de Control", Error}},
         1,
         0,
         -1,
         -1,
         "edTipoControl"},
        {"TipoControlIncorrecto",
         Base::Armado,
         Con({{"edTipoControl", "Intensivo"}}),
         {{Incorrecto, "Tipo de Control"}},
         1,
         0,
         -1,
         -1,
         "edTipoControl"},
        {"SinIndicadorCamisa",
         Base::Armado,
         Con({{"edTipoCamisa", ""}}),
         {{"No ha capturado Indicador de Camisa", Error}},
         1,
         0,
         -1,
         -1,
         "edTipoCamisa"},
        {"IndicadorCamisaConBlanco",
         Base::Armado,
         Con({{"edTipoCamisa", " Sólo Camisa"}}),
         {{"Valor Incorrecto de Indicador de Camisa", Error}},
         1,
         0,
         -1,
         -1,
         "edTipoCamisa"},
        {"CamisaNoNumerica",
         Base::Armado,
         Con({{"edCamMax", "6,0,0"}}),
         {{NoNumerico, "Espesor Máximo de Camisa"}},
         1,
         0,
         -1,
         -1,
         "edCamMax"},
        {"SinFck",
         Base::Armado,
         Con({{"edFck", ""}}),
         {{Incorrecto, "Resist. del hormigón a compresión"}},
         1,
         0,
         -1,
         -1,
         "edFck"},
        {"SinFyk",
         Base::Armado,
         Con({{"edFyk", "0"}}),
         {{Incorrecto, "Resistencia característica del acero"}},
         1,
         0,
         -1,
         -1,
         "edFyk"},
        {"SinFyd",
         Base::Armado,
         Con({{"edFyd", ""}}),
         {{Incorrecto, "Resistencia de cálculo del acero"}},
         1,
         0,
         -1,
         -1,
         "edFyd"},
        {"SinGamaB",
         Base::Armado,
         Con({{"edGamaB", ""}}),
         {{Incorrecto, "Coeficiente Minoración del Hormigón"}},
         1,
         0,
         -1,
         -1,
         "edGamaB"},

        // Post-tensioned materials (page 1, tab 1, and the page of TabPostesados).
        {"CoeficientePresionVacio",
         Base::Embebida,
         [](VentanaValidacion &p) {
             ponValor(p.captura.edIcontes1, EstadoCasilla::Marcada);
             Oculta(p, p.captura.edCoepre1, 7);
         },
         {{Incorrecto, "Coeficiente de Presión"}},
         1,
         1,
         -1,
         -1,
         "edCoepre1",
         false,
         Reaparece("edCoepre1", 7)},
        {"SinEspesorChapa",
         Base::Embebida,
         Con({{"edDelca", ""}}),
         {{Incorrecto, "Espesor máximo (mm.)"}},
         1,
         1,
         -1,
         -1,
         "edDelca"},
        {"SinModuloAcero",
         Base::Embebida,
         Con({{"edEs", "0"}}),
         {{Incorrecto, "Mod. Elasticidad Acero"}},
         1,
         1,
         0,
         -1,
         "edEs"},
        {"SinResistenciaChapa",
         Base::Embebida,
         Con({{"edFYKPost", ""}}),
         {{Incorrecto, "Resistencia característica del acero"}},
         1,
         1,
         1,
         -1,
         "edFYKPost"},
        {"PrimarioFinalMenor",
         Base::Embebida,
         Con({{"edFckno", "400"}, {"edFckn", "399,99"}}),
         {{"Resistencia del Primario al final menor que al zunchar", Error}},
         1,
         1,
         1,
         -1,
         "edFckn"},
        {"SfNoNumerica",
         Base::Embebida,
         Con({{"edSf", "1,2,3"}}),
         {{NoNumerico, "Tensión de tesado"}},
         1,
         1,
         2,
         -1,
         "edSf"},
        {"RetraccionCero",
         Base::Embebida,
         Con({{"edEpsr", "0"}}),
         {{Incorrecto, "Coeficiente retracción revestimiento"}},
         1,
         1,
         3,
         -1,
         "edEpsr",
         false,
         [](VentanaValidacion &p) { EXPECT_EQ(p.estado.tramo.Epsr, 0); }},

        // Section (page 2, tab 0 of the laying).
        {"SinDiametro",
         Base::Armado,
         Con({{"edDi0", ""}}),
         {{Incorrecto, "Diámetro Interior (mts)"}},
         2,
         -1,
         -1,
         0,
         "edDi0"},
        {"SinEspesor",
         Base::Armado,
         Con({{"edEsp0", ""}}),
         {{Incorrecto, "Espesor (cm.)"}},
         2,
         -1,
         -1,
         0,
         "edEsp0"},
        {"SinRecubrimientoInterior",
         Base::Armado,
         [](VentanaValidacion &p) {
             ponTexto(p.captura.edReci0, "");
             Oculta(p, p.captura.edReci0, 22);
         },
         {{Incorrecto, "Recubrimiento Interior (cm.)"}},
         2,
         -1,
         -1,
         0,
         "edReci0",
         false,
         Reaparece("edReci0", 22)},
        {"SinRecubrimientoExterior",
         Base::Armado,
         Con({{"edRece0", ""}}),
         {{Incorrecto, "Recubrimiento Exterior (cm.)"}},
         2,
         -1,
         -1,
         0,
         "edRece0"},
        // A lined cylinder whose coating takes the whole wall has no inner cover left.
        {"RevestidaSinRecubrimientoInterior",
         Base::Revestida,
         Con({{"edRece0", "10"}}),
         {{"El recubrimiento interior (espesor menos recubrimiento exterior) resulta menor de "
           "0,1 cm",
           "Recubrimiento Exterior (cm.)"}},
         2,
         -1,
         -1,
         0,
         "edRece0"},
        {"SinDensidadTubo",
         Base::Armado,
         Con({{"edGc0", ""}}),
         {{Incorrecto, "Densidad del material del Tubo (T/m3): 2,5"}},
         2,
         -1,
         -1,
         0,
         "edGc0"},

        // Installation and fill (page 2, tab 1 of the laying).
        {"SinCuna",
         Base::Armado,
         Con({{"edTipoCuna0", ""}}),
         {{"No ha seleccionado Tipo de Apoyo", Error}},
         2,
         -1,
         -1,
         1,
         "edTipoCuna0"},
        {"CunaIncorrecta",
         Base::Armado,
         Con({{"edTipoCuna0", " Granular, 90 grd"}}),
         {{"Valor Incorrecto del Tipo de Apoyo", Error}},
         2,
         -1,
         -1,
         1,
         "edTipoCuna0"},
        {"SinColocacion",
         Base::Armado,
         [](VentanaValidacion &p) {
             ponTexto(p.captura.edTipoApoyo0, "");
             Oculta(p, p.captura.edTipoApoyo0, 26);
         },
         {{"No ha seleccionado Tipo de Colocación", Error}},
         2,
         -1,
         -1,
         1,
         "edTipoApoyo0",
         false,
         Reaparece("edTipoApoyo0", 26)},
        {"ColocacionIncorrecta",
         Base::Armado,
         Con({{"edTipoApoyo0", "Relleno"}}),
         {{"Valor Incorrecto del Tipo de Colocación", Error}},
         2,
         -1,
         -1,
         1,
         "edTipoApoyo0"},
        {"SinAlturas",
         Base::Armado,
         [](VentanaValidacion &p) {
             p.estado.obra.AlturaInicialObra = 0;
             p.estado.obra.AlturaFinalObra = 0;
         },
         {{"Debe teclear altura de tierras para toda la Obra o para el tramo en particular", ""}},
         2,
         -1,
         -1,
         1,
         "edHr0",
         true},
        {"AlturaDelProyectoBajoUnMetro",
         Base::Armado,
         [](VentanaValidacion &p) { p.estado.obra.AlturaInicialObra = 0.005; },
         {{"La altura de tierra no puede ser inferior a 1 m.", ""}},
         2,
         -1,
         -1,
         1,
         "edHr0",
         true},
        // Refused whatever the project gives: the load formulas need 1 m of fill.
        {"AlturaDelTramoBajoUnMetro",
         Base::Armado,
         Con({{"edHr0", "0,5"}, {"edHr0Final", "3"}, {"edHr0Delta", "0,5"}}),
         {{"La altura de tierra no puede ser inferior a 1 m.", ""}},
         2,
         -1,
         -1,
         1,
         "edHr0",
         true},
        {"AlturaNoNumerica",
         Base::Armado,
         Con({{"edHr0Final", "3,,"}}),
         {{NoNumerico, "Altura de tierras final"}},
         2,
         -1,
         -1,
         1,
         "edHr0Final"},
        {"AlturaFinalInferior",
         Base::Armado,
         Con({{"edHr0", "3"}, {"edHr0Final", "2"}}),
         {{"Altura de tierras Final Inferior a la Inicial", ""}},
         2,
         -1,
         -1,
         1,
         "edHr0",
         true},
        // The run's own range takes its step from its own box, never the project's.
        {"SinPasoDeAltura",
         Base::Armado,
         [](VentanaValidacion &p) {
             p.estado.tramo.IncrementoAltura = 1;
             Con({{"edHr0", "2"}, {"edHr0Final", "5"}})(p);
             Cierra(p.captura.edHr0Delta);
         },
         {{"Debe seleccionar un incremento de alturas", ""}},
         2,
         -1,
         -1,
         1,
         "edHr0Delta",
         true,
         Abierta("edHr0Delta")},
        // A lone decimal separator is a text like any other that is not a number.
        {"PasoDeAlturaSoloSeparador",
         Base::Armado,
         Con({{"edHr0", "2"}, {"edHr0Final", "5"}, {"edHr0Delta", ","}}),
         {{NoNumerico, "Incremento de Altura de tierras"}},
         2,
         -1,
         -1,
         1,
         "edHr0Delta"},
        {"PasoDeAlturaPequeno",
         Base::Armado,
         Con({{"edHr0", "2"}, {"edHr0Final", "5"}, {"edHr0Delta", "0,001"}}),
         {{"El incremento de altura de tierras no puede ser inferior a 0,01 m.", ""}},
         2,
         -1,
         -1,
         1,
         "edHr0Delta",
         true},
        {"SinAnchoZanja",
         Base::Armado,
         [](VentanaValidacion &p) {
             ponTexto(p.captura.edB0, "");
             Oculta(p, p.captura.edB0, 29);
             p.estado.tramo.AnchoZanjaAutomatico = Falso;
         },
         {{Incorrecto, "Ancho de Zanja (mts.)"}},
         2,
         -1,
         -1,
         1,
         "edB0",
         false,
         Reaparece("edB0", 29)},
        {"SinDensidadRelleno",
         Base::Armado,
         Con({{"edGr0", ""}}),
         {{Incorrecto, "Densidad del Terreno"}},
         2,
         -1,
         -1,
         1,
         "edGr0"},
        {"AnguloNoNumerico",
         Base::Armado,
         Con({{"edFi0", "3O"}}),
         {{NoNumerico, "Angulo de Rozamiento ..."}},
         2,
         -1,
         -1,
         1,
         "edFi0"},
        {"AnguloSobre90",
         Base::Armado,
         Con({{"edFi0", "90,5"}}),
         {{"Angulo de Rozamiento debe estar entre 0º y 90º", "ERROR"}},
         2,
         -1,
         -1,
         1,
         "edFi0"},
        {"SinRelleno",
         Base::Armado,
         [](VentanaValidacion &p) {
             ponTexto(p.captura.edTipoRelleno0, "");
             Oculta(p, p.captura.edTipoRelleno0, 32);
         },
         {{"No ha seleccionado Tipo de Relleno", Error}},
         2,
         -1,
         -1,
         1,
         "edTipoRelleno0",
         false,
         Reaparece("edTipoRelleno0", 32)},
        {"SinDistanciaAlTerreno",
         Base::Armado,
         [](VentanaValidacion &p) {
             ponValor(p.captura.rdTipoColocacion, 1, true);
             p.estado.tramo.IndiceColocacion = 1;
             Oculta(p, p.captura.edHr1, 50);
         },
         {{Incorrecto, "Distancia de la Generatriz ..."}},
         2,
         -1,
         -1,
         1,
         "edHr1",
         false,
         [](VentanaValidacion &p) {
             Reaparece("edHr1", 50)(p);
             EXPECT_EQ(p.captura.lbEtiquetas(50).Caption,
                       "Distancia de la Generatriz superior del Tubo a la superficie del "
                       "terreno natural hr' (m):");
         }},
        {"DistanciaSobreLaAltura",
         Base::Armado,
         [](VentanaValidacion &p) {
             p.estado.tramo.IndiceColocacion = 1;
             ponTexto(p.captura.edHr1, "3,001");
         },
         {{"Distancia de la generatriz superior a la superficie,\nmayor que la Altura del "
           "Relleno ",
           "ERROR"}},
         2,
         -1,
         -1,
         1,
         "edHr1",
         false,
         [](VentanaValidacion &p) {
             // The embankment option is not the one selected: the caption's other ending.
             EXPECT_EQ(p.captura.lbEtiquetas(50).Caption,
                       "Distancia de la Generatriz superior del Tubo a la superficie del "
                       "terreno natural hr'' (m):");
             EXPECT_EQ(p.estado.tramo.CodigoColocacion, 22);
         }},
        {"SinRazonDeAsentamiento",
         Base::Armado,
         [](VentanaValidacion &p) {
             p.estado.tramo.IndiceColocacion = 2;
             ponTexto(p.captura.edHr1, "1");
             Oculta(p, p.captura.edIAs, 53);
         },
         {{"No ha seleccionado Razón de Asentamiento", Error}},
         2,
         -1,
         -1,
         1,
         "edIAs",
         false,
         Reaparece("edIAs", 53)},
        {"RazonDeAsentamientoIncorrecta",
         Base::Armado,
         [](VentanaValidacion &p) {
             p.estado.tramo.IndiceColocacion = 2;
             Con({{"edHr1", "1"}, {"edIAs", "Suelo"}})(p);
         },
         {{"Valor Incorrecto de Razón de Asentamiento", Error}},
         2,
         -1,
         -1,
         1,
         "edIAs"},

        // Loads (page 2, tab 2 of the laying).
        {"CargaNoNumerica",
         Base::Armado,
         [](VentanaValidacion &p) {
             ponTexto(p.captura.edQDato0, "x");
             p.captura.edQDato0.Locked = true;
             p.captura.edQDato0.BackColor = ColorFondo::Cerrado;
         },
         {{NoNumerico, "Carga Vertical Total"}},
         2,
         -1,
         -1,
         2,
         "edQDato0",
         false,
         [](VentanaValidacion &p) {
             EXPECT_FALSE(p.captura.edQDato0.Locked);
             EXPECT_EQ(p.captura.edQDato0.BackColor, ColorFondo::Editable);
         }},
        {"SinCargaMovil",
         Base::Armado,
         [](VentanaValidacion &p) {
             ponTexto(p.captura.edICar0, "");
             Oculta(p, p.captura.edICar0, 34);
         },
         {{"No ha seleccionado Tipos de Carga Concentrada", Error}},
         2,
         -1,
         -1,
         2,
         "edICar0",
         false,
         Reaparece("edICar0", 34)},
        // A load too small to count: the live load is needed after all.
        {"CargaMinimaYCargaMovilIncorrecta",
         Base::Armado,
         Con({{"edQDato0", "0,0009"}, {"edICar0", "Eje de 20 Toneladas"}}),
         {{"Valor Incorrecto de Tipos de Carga Concentrada", Error}},
         2,
         -1,
         -1,
         2,
         "edICar0",
         false,
         [](VentanaValidacion &p) { EXPECT_EQ(p.estado.tramo.CalculoCargas, 1); }},
    };
}

// The strips a case turns start on another page, so that turning them shows.
void PaginasDePartida(CapturaDatos &v, const Fallo &c)
{
    ponPestana(v.TabPrincipal, 0);
    ponPestana(v.TabPostesados, c.postesados >= 0 ? (c.postesados + 1) % 4 : 0);
    ponPestana(v.TabDatosColocacion, c.colocacion >= 0 ? (c.colocacion + 1) % 3 : 0);
}

TEST(ValidaDatosTramo, CadaRechazo)
{
    for (const Fallo &c : Casos()) {
        for (const bool mover : {true, false}) {
            std::string traza = c.nombre;
            traza.append(mover ? " moving the focus" : " in place");
            SCOPED_TRACE(traza);
            VentanaValidacion p;
            switch (c.base) {
            case Base::Armado:
                pruebas::TramoArmado(p);
                break;
            case Base::Embebida:
            case Base::Revestida:
                pruebas::TramoPostesado(p, c.base == Base::Revestida);
                break;
            }
            c.prepara(p);
            PaginasDePartida(p.captura, c);
            pruebas::EmpiezaLimpio(p);
            const Vista inicial = pruebas::VistaDe(p.captura);
            Vista tras = inicial;
            if (mover) {
                tras.principal = c.principal;
                tras.tipologia = c.tipologia >= 0 ? c.tipologia : tras.tipologia;
                tras.postesados = c.postesados >= 0 ? c.postesados : tras.postesados;
                tras.colocacion = c.colocacion >= 0 ? c.colocacion : tras.colocacion;
                tras.foco = c.foco;
            }

            EXPECT_FALSE(ValidaDatosTramo(p.captura, mover));

            std::vector<Aviso> esperados;
            for (const auto &[texto, titulo] : c.mensajes) {
                esperados.push_back({texto, titulo, c.antes ? tras : inicial});
            }
            EXPECT_EQ(p.avisos(), esperados);
            EXPECT_EQ(pruebas::VistaDe(p.captura), tras);
            if (c.comprueba) {
                c.comprueba(p);
            }
            // A check that only reads what is shown leaves a stored run unchanged.
            if (!mover) {
                EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
            }
            EXPECT_EQ(p.ajustes.veces(), 0);
        }
    }
}

// The steel-strength question answered No: the question is the message; the pages and the
// focus go to the design strength only when the focus moves: a stored run checked in place (for
// a print) is not the one shown, and the focus must not be left in a box on a page not shown.
// The changed flag follows the mode, and the run can be saved or cancelled.
TEST(ValidaDatosTramo, ResistenciaDelAceroRechazada)
{
    for (const bool mover : {true, false}) {
        SCOPED_TRACE(mover ? "moving the focus" : "in place");
        VentanaValidacion p;
        pruebas::TramoArmado(p);
        ponTexto(p.captura.edFyd, "1400,5");
        // The laying page as the engineer left it, without the checks of turning to it.
        const auto manejador = std::exchange(p.captura.TabPrincipal.Click, nullptr);
        ponPestana(p.captura.TabPrincipal, 2);
        p.captura.TabPrincipal.Click = manejador;
        p.captura.btGrabar.Enabled = false;
        p.captura.btCancelar.Enabled = false;
        pruebas::EmpiezaLimpio(p);
        p.mensajes.grabadora.responde(RespuestaMensaje::No);

        EXPECT_FALSE(ValidaDatosTramo(p.captura, mover));

        const Vista inicial{2, 0, 0, 0, ""};
        EXPECT_EQ(p.avisos(), (std::vector<Aviso>{{"La Tensión de cálculo del acero supera el "
                                                   "valor 1400 Kp/cm2\n¿ Desea Continuar ?",
                                                   "AVISO", inicial}}));
        EXPECT_EQ(pruebas::VistaDe(p.captura),
                  (mover ? Vista{1, 0, 0, 0, "edFyd"} : Vista{2, 0, 0, 0, ""}));
        EXPECT_EQ(p.estado.ejecucion.DatosModificados, mover);
        EXPECT_TRUE(p.captura.btGrabar.Enabled);
        EXPECT_TRUE(p.captura.btCancelar.Enabled);
    }
}

} // namespace
} // namespace dravek
