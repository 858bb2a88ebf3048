// The check of the project's pressure and fill-height ranges: what it completes, what it refuses,
// and in which order a refusal shows its message, turns to the project page and moves the focus.

#include "VentanaValidacion.h"
#include "core/entry/ValidacionTramo.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace dravek {
namespace {

using pruebas::Aviso;
using pruebas::VentanaValidacion;
using pruebas::Vista;

// The eight boxes of the project page, in the order edPrs1, edPrs2, edPrs3, edPrsM1, edPrsM2,
// edAlt1, edAlt2, edAlt3.
using Cajas = std::array<std::string, 8>;

std::array<CajaTexto *, 8> CajasObra(CapturaDatos &v)
{
    return {&v.edPrs1,  &v.edPrs2, &v.edPrs3, &v.edPrsM1,
            &v.edPrsM2, &v.edAlt1, &v.edAlt2, &v.edAlt3};
}

// The window as the engineer left it: the run page shown, the step boxes closed.
void Prepara(VentanaValidacion &p, const Cajas &textos)
{
    CapturaDatos &v = p.captura;
    const auto cajas = CajasObra(v);
    for (std::size_t i = 0; i < cajas.size(); ++i) {
        ponTexto(*cajas[i], textos[i]);
        cajas[i]->Locked = true;
    }
    for (CajaTexto *paso : {&v.edPrs3, &v.edAlt3}) {
        paso->Enabled = false;
        paso->BackColor = ColorFondo::Cerrado;
    }
    // The page the engineer left the window on, without the checks of turning to it.
    const auto manejador = std::exchange(v.TabPrincipal.Click, nullptr);
    ponPestana(v.TabPrincipal, 1);
    v.TabPrincipal.Click = manejador;
}

Cajas Textos(CapturaDatos &v)
{
    Cajas textos;
    const auto cajas = CajasObra(v);
    for (std::size_t i = 0; i < cajas.size(); ++i) {
        textos[i] = cajas[i]->Text();
    }
    return textos;
}

const Vista PaginaTramo{1, 0, 0, 0, ""};

Vista ProyectoCon(const std::string &foco)
{
    return {0, 0, 0, 0, foco};
}

struct Aceptado {
    const char *nombre;
    Cajas escritas;
    Cajas mostradas;
    std::array<double, 8> valores; // DPI, DPF, step, MDPI, MDPF, HI, HF, height step
};

// The ranges the check completes and shows again through their masks.
TEST(ValidaPresionesAlturasObra, CompletaLosRangos)
{
    const std::vector<Aceptado> casos = {
        // The DP boxes are derived once the MDP values are complete: the final DP from the
        // final MDP that the single MDP gave, not from the 0 the box held before.
        {"UnaMDP",
         {"", "", "", "10", "", "3", "", ""},
         {"9,09", "9,09", "0,00", "10,00", "10,00", "3,00", "3,00", "0,00"},
         {10 / 1.1, 10 / 1.1, 0, 10, 10, 3, 3, 0}},
        {"RangoMDP",
         {"", "", "1", "11", "22", "2", "6", "0,5"},
         {"10,00", "20,00", "1,00", "11,00", "22,00", "2,00", "6,00", "0,50"},
         {10, 20, 1, 11, 22, 2, 6, 0.5}},
        // A 0 typed is a value: only an empty box takes the default.
        {"CeroTecleado",
         {"0", "", "", "10", "", "1", "", ""},
         {"0,00", "9,09", "0,00", "10,00", "10,00", "1,00", "1,00", "0,00"},
         {0, 10 / 1.1, 0, 10, 10, 1, 1, 0}},
        // A single height: the step box is not read at all.
        {"UnaAltura",
         {"9", "9", "", "10", "10", "4", "4", "x"},
         {"9,00", "9,00", "", "10,00", "10,00", "4,00", "4,00", "0,00"},
         {9, 9, 0, 10, 10, 4, 4, 0}},
        // The smallest steps there are: 0.01 at and 0.01 m.
        {"PasosMinimos",
         {"", "", "0,01", "10", "14", "1", "1,5", "0,01"},
         {"9,09", "12,73", "0,01", "10,00", "14,00", "1,00", "1,50", "0,01"},
         {10 / 1.1, 14 / 1.1, 0.01, 10, 14, 1, 1.5, 0.01}},
    };
    for (const Aceptado &c : casos) {
        SCOPED_TRACE(c.nombre);
        VentanaValidacion p;
        Prepara(p, c.escritas);
        EXPECT_TRUE(ValidaPresionesAlturasObra(p.captura));
        EXPECT_TRUE(p.avisos().empty());
        EXPECT_EQ(Textos(p.captura), c.mostradas);
        const DatosObra &o = p.estado.obra;
        const std::array<double, 8> valores = {
            o.DPInicialObra, o.DPFinalObra,       o.IncrementoPresionObra, o.MDPInicialObra,
            o.MDPFinalObra,  o.AlturaInicialObra, o.AlturaFinalObra,       o.IncrementoAlturaObra};
        for (std::size_t i = 0; i < valores.size(); ++i) {
            EXPECT_DOUBLE_EQ(valores[i], c.valores[i]) << i;
        }
        // Nothing moved: the run page stays and no focus is asked for.
        EXPECT_EQ(pruebas::VistaDe(p.captura), PaginaTramo);
    }
}

// Once the check has passed, what it stored passes it again unchanged: a project saved after
// the check reads back as the same ranges.
TEST(ValidaPresionesAlturasObra, LoCompletadoVuelveAPasar)
{
    VentanaValidacion p;
    Prepara(p, {"", "", "", "10", "", "3", "", ""});
    ASSERT_TRUE(ValidaPresionesAlturasObra(p.captura));
    const DatosObra primera = p.estado.obra;
    const Cajas mostradas = Textos(p.captura);
    Prepara(p, mostradas);
    ASSERT_TRUE(ValidaPresionesAlturasObra(p.captura));
    EXPECT_EQ(Textos(p.captura), mostradas);
    // The derived values come back as shown, to the hundredth.
    EXPECT_NEAR(p.estado.obra.DPInicialObra, primera.DPInicialObra, 0.005);
    EXPECT_NEAR(p.estado.obra.DPFinalObra, primera.DPFinalObra, 0.005);
    EXPECT_EQ(p.estado.obra.MDPFinalObra, primera.MDPFinalObra);
}

// A value the check derives or reformats is not the engineer's: an untouched project asks
// nothing when it closes, while a change typed before the check still counts.
TEST(ValidaPresionesAlturasObra, LoDerivadoNoEsUnCambio)
{
    for (const bool tecleado : {false, true}) {
        SCOPED_TRACE(tecleado ? "typed" : "untouched");
        VentanaValidacion p;
        Prepara(p, {"", "", "", "10", "", "3", "", ""});
        p.estado.obra.CabeceraModificada = tecleado;
        p.estado.ejecucion.DatosModificados = false;
        ASSERT_TRUE(ValidaPresionesAlturasObra(p.captura));
        EXPECT_EQ(p.captura.edPrs2.Text(), "9,09");
        EXPECT_EQ(p.estado.obra.CabeceraModificada, tecleado);
        if (!tecleado) {
            // Closing asks nothing.
            EXPECT_TRUE(p.captura.ConfirmaCierre());
            EXPECT_TRUE(p.avisos().empty());
        }
    }
    // Failing, the check marks nothing either.
    VentanaValidacion p;
    Prepara(p, {"", "", "", "", "", "3", "", ""});
    p.estado.obra.CabeceraModificada = false;
    EXPECT_FALSE(ValidaPresionesAlturasObra(p.captura));
    EXPECT_FALSE(p.estado.obra.CabeceraModificada);
}

struct Rechazado {
    const char *nombre;
    Cajas escritas;
    std::vector<Aviso> avisos; // each with the view at the moment it was shown
    std::string foco;
    bool desbloqueada; // the box at fault is unlocked
    bool abierta;      // and opened too (enabled, window colour): a step box to type into
    Cajas mostradas;   // the boxes afterwards
};

// Each refusal: its message, when the project page and the focus come, and the box at fault.
TEST(ValidaPresionesAlturasObra, Rechazos)
{
    const Vista antes = PaginaTramo;
    const auto tras = [](const std::string &foco) { return ProyectoCon(foco); };
    const std::vector<Rechazado> casos = {
        {"DPNoNumerica",
         {"x", "", "", "10", "", "3", "", ""},
         {{"Seleccione un valor numérico ", "Presión inicial", antes}},
         "edPrs1",
         true,
         false,
         {"x", "", "", "10", "", "3", "", ""}},
        {"SinMDPInicial",
         {"", "", "", "", "", "3", "", ""},
         {{"No ha capturado la Presión MDP Inicial", "ERROR:", antes}},
         "edPrsM1",
         false,
         false,
         {"", "", "", "0,00", "0,00", "3", "", ""}},
        {"DPInicialSobreMDP",
         {"9,5", "", "", "9", "", "3", "", ""},
         {{"La presión MDP no puede ser inferior a la DP", "", tras("edPrs1")}},
         "edPrs1",
         false,
         false,
         {"9,50", "8,18", "0,00", "9,00", "9,00", "3", "", ""}},
        {"DPFinalSobreMDP",
         {"", "13", "1", "10", "12", "3", "", ""},
         {{"La presión MDP no puede ser inferior a la DP", "", tras("edPrs2")}},
         "edPrs2",
         false,
         false,
         {"9,09", "13,00", "1,00", "10,00", "12,00", "3", "", ""}},
        {"PasoDemasiadoPequeno",
         {"", "", "0,005", "10", "14", "3", "", ""},
         {{"Debe seleccionar un Incremento de Presión superior a 0", "", tras("edPrs3")}},
         "edPrs3",
         true,
         true,
         {"9,09", "12,73", "0,01", "10,00", "14,00", "3", "", ""}},
        {"RangoMDPSinPaso",
         {"", "", "", "10", "14", "3", "", ""},
         {{"Debe seleccionar un Incremento de Presión superior a 0", "", tras("edPrs3")}},
         "edPrs3",
         true,
         true,
         {"9,09", "12,73", "", "10,00", "14,00", "3", "", ""}},
        {"PasoConUnaMDP",
         {"", "", "2", "10", "10", "3", "", ""},
         {{"Debe seleccionar un Incremento de Presión", "", tras("edPrs3")}},
         "edPrs3",
         true,
         true,
         {"9,09", "9,09", "2,00", "10,00", "10,00", "3", "", ""}},
        {"AlturaBajoUnMetro",
         {"", "", "", "10", "", "0,99", "", ""},
         {{"La altura de tierra no puede ser inferior a 1 m.", "", antes}},
         "edAlt1",
         true,
         false,
         {"9,09", "9,09", "0,00", "10,00", "10,00", "0,99", "", ""}},
        {"SinAltura",
         {"", "", "", "10", "", "", "", ""},
         {{"La altura de tierra no puede ser inferior a 1 m.", "", antes}},
         "edAlt1",
         true,
         false,
         {"9,09", "9,09", "0,00", "10,00", "10,00", "0,00", "", ""}},
        // A final height below the first one would calculate nothing: refused as for a run.
        {"AlturaFinalInferior",
         {"", "", "", "10", "", "5", "3", "1"},
         {{"Altura de tierras Final Inferior a la Inicial", "", antes}},
         "edAlt2",
         true,
         false,
         {"9,09", "9,09", "0,00", "10,00", "10,00", "5,00", "3,00", "1"}},
        {"SinPasoDeAltura",
         {"", "", "", "10", "", "2", "6", ""},
         {{"Valor incorrecto", "Incremento de Altura de tierras", antes}},
         "edAlt3",
         true,
         true,
         {"9,09", "9,09", "0,00", "10,00", "10,00", "2,00", "6,00", ""}},
        // A step that would make a run of thousands of heights.
        {"PasoDeAlturaPequeno",
         {"", "", "", "10", "", "2", "6", "0,005"},
         {{"El incremento de altura de tierras no puede ser inferior a 0,01 m.", "", antes}},
         "edAlt3",
         true,
         true,
         {"9,09", "9,09", "0,00", "10,00", "10,00", "2,00", "6,00", "0,005"}},
    };
    for (const Rechazado &c : casos) {
        SCOPED_TRACE(c.nombre);
        VentanaValidacion p;
        Prepara(p, c.escritas);
        EXPECT_FALSE(ValidaPresionesAlturasObra(p.captura));
        EXPECT_EQ(p.avisos(), c.avisos);
        EXPECT_EQ(pruebas::VistaDe(p.captura), tras(c.foco));
        EXPECT_EQ(Textos(p.captura), c.mostradas);
        const auto *caja = dynamic_cast<const CajaTexto *>(p.captura.BuscaControl(c.foco));
        ASSERT_NE(caja, nullptr);
        EXPECT_EQ(caja->Locked, !c.desbloqueada);
        if (c.abierta) {
            EXPECT_TRUE(caja->Enabled);
            EXPECT_EQ(caja->BackColor, ColorFondo::Editable);
        }
    }
}

} // namespace
} // namespace dravek
