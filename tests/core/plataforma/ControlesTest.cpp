#include "core/plataforma/Controles.h"

#include "apoyo/MensajesGrabadora.h"
#include "core/plataforma/VentanaLogica.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace dravek {
namespace {

using Registro = std::vector<std::string>;

// A window with one control of each kind whose handlers write down that they ran, with the
// value the control held then.
class VentanaPrueba : public VentanaLogica {
public:
    CajaTexto edA{*this, "edA"};
    CajaTexto edB{*this, "edB"};
    Lista edL{*this, "edL"};
    GrupoOpciones rdO{*this, "rdO", 3};
    Casilla chC{*this, "chC"};
    Pestanas tbP{*this, "tbP", 3};
    Boton btB{*this, "btB"};
    Etiqueta lbT{*this, "lbT"};
    Imagen ptI{*this, "ptI"};
    MatrizEtiquetas lbEtiquetas{*this, "lbEtiquetas"};

    Registro registro;
    bool Cargando = false;
    bool rechazaA = false;

    VentanaPrueba()
    {
        edA.Change = [this] { edA_Change(); };
        edA.Validate = [this](bool &Cancel) { edA_Validate(Cancel); };
        edA.GotFocus = [this] { registro.push_back("edA_GotFocus"); };
        edA.LostFocus = [this] { registro.push_back("edA_LostFocus"); };
        edB.Change = [this] { registro.push_back("edB_Change:" + edB.Text()); };
        edB.GotFocus = [this] { registro.push_back("edB_GotFocus"); };
        edL.Change = [this] { registro.push_back("edL_Change:" + edL.Text()); };
        edL.Click = [this] { edL_Click(); };
        rdO.Click = [this](int Index) { rdO_Click(Index); };
        chC.Click = [this] {
            registro.push_back("chC_Click:" + std::to_string(static_cast<int>(chC.Value())));
        };
        tbP.Click = [this](int PreviousTab) {
            registro.push_back("tbP_Click:" + std::to_string(PreviousTab) + "->" +
                               std::to_string(tbP.Tab()));
        };
        btB.Click = [this] { registro.push_back("btB_Click"); };
        lbEtiquetas(7).Caption = "siete";
        for (const char *e : {"uno", "dos", "tres"}) {
            edL.AddItem(e);
        }
    }

    void edA_Change() { registro.push_back("edA_Change:" + edA.Text()); }
    void edA_Validate(bool &Cancel)
    {
        registro.push_back("edA_Validate");
        Cancel = rechazaA;
    }
    void edL_Click()
    {
        // Silenced by the handler itself while loading, as the window's handlers do.
        if (Cargando) {
            return;
        }
        registro.push_back("edL_Click:" + std::to_string(edL.ListIndex()) + "=" + edL.Text());
    }
    void rdO_Click(int Index)
    {
        if (Cargando) {
            return;
        }
        registro.push_back("rdO_Click:" + std::to_string(Index));
    }
};

struct Escritura {
    std::string nombre;
    std::function<void(VentanaPrueba &)> escribe;
    std::string manejador; // what the handler writes down
};

// Each kind of control: a write by code raises its handler once, synchronously, between what
// the writer does before and after; writing the same value again raises nothing.
TEST(Controles, UnaEscrituraDisparaSuManejadorUnaVezYEnElActo)
{
    const std::vector<Escritura> casos = {
        {"text box", [](VentanaPrueba &v) { ponTexto(v.edA, "12"); }, "edA_Change:12"},
        {"list text", [](VentanaPrueba &v) { ponTexto(v.edL, "dos"); }, "edL_Change:dos"},
        {"text box, exchanged",
         [](VentanaPrueba &v) {
             std::string texto = "12";
             cambiaTexto(v.edA, texto);
         },
         "edA_Change:12"},
        {"list text, exchanged",
         [](VentanaPrueba &v) {
             std::string texto = "dos";
             cambiaTexto(v.edL, texto);
         },
         "edL_Change:dos"},
        {"list index", [](VentanaPrueba &v) { ponIndice(v.edL, 2); }, "edL_Click:2=tres"},
        {"option", [](VentanaPrueba &v) { ponValor(v.rdO, 1, true); }, "rdO_Click:1"},
        {"check box", [](VentanaPrueba &v) { ponValor(v.chC, EstadoCasilla::Gris); },
         "chC_Click:2"},
        {"tab strip", [](VentanaPrueba &v) { ponPestana(v.tbP, 2); }, "tbP_Click:0->2"},
        {"button", [](VentanaPrueba &v) { pulsa(v.btB); }, "btB_Click"},
    };
    for (const Escritura &c : casos) {
        SCOPED_TRACE(c.nombre);
        VentanaPrueba v;
        v.registro.push_back("antes");
        c.escribe(v);
        v.registro.push_back("despues");
        EXPECT_EQ(v.registro, (Registro{"antes", c.manejador, "despues"}));

        if (c.nombre != "button") {
            v.registro.clear();
            c.escribe(v);
            EXPECT_TRUE(v.registro.empty()) << "the same value written again raised a handler";
        }
    }
}

// A text handed over by exchange: the control holds it, the caller gets the former one back,
// and a list chooses the entry it names as it would for a text written.
TEST(Controles, UnTextoCambiadoDevuelveElAnterior)
{
    VentanaPrueba v;
    ponTexto(v.edA, "anterior");
    std::string texto(4096, 'x');
    cambiaTexto(v.edA, texto);
    EXPECT_EQ(v.edA.Text(), std::string(4096, 'x'));
    EXPECT_EQ(texto, "anterior");
    std::string lista = "tres";
    cambiaTexto(v.edL, lista);
    EXPECT_EQ(v.edL.ListIndex(), 2);
    EXPECT_EQ(lista, "");
}

TEST(Controles, SinCambioNoHayManejador)
{
    VentanaPrueba v;
    ponTexto(v.edA, "");
    ponValor(v.rdO, 0, false); // deselecting an option that is not selected
    ponValor(v.chC, EstadoCasilla::Vacia);
    ponPestana(v.tbP, 0);
    ponIndice(v.edL, -1);
    ponPestana(v.tbP, 3);     // no such page
    ponIndice(v.edL, 3);      // no such entry
    ponValor(v.rdO, 5, true); // no such option
    EXPECT_TRUE(v.registro.empty());
    EXPECT_EQ(v.tbP.Tab(), 0);
    EXPECT_EQ(v.edL.ListIndex(), -1);
    EXPECT_EQ(v.rdO.Seleccionada(), -1);

    // Deselecting the selected option clears it silently; only a selection clicks.
    ponValor(v.rdO, 2, true);
    ponValor(v.rdO, 2, false);
    ponValor(v.rdO, 2, true);
    EXPECT_EQ(v.registro, (Registro{"rdO_Click:2", "rdO_Click:2"}));
}

TEST(Controles, UnaOpcionElegidaQuitaLasDemas)
{
    VentanaPrueba v;
    ponValor(v.rdO, 0, true);
    ponValor(v.rdO, 2, true);
    EXPECT_FALSE(v.rdO.Value(0));
    EXPECT_FALSE(v.rdO.Value(1));
    EXPECT_TRUE(v.rdO.Value(2));
    EXPECT_EQ(v.registro, (Registro{"rdO_Click:0", "rdO_Click:2"}));
}

TEST(Controles, ElTextoDeUnaListaEligeSuEntradaSinClick)
{
    VentanaPrueba v;
    ponTexto(v.edL, "tres");
    EXPECT_EQ(v.edL.ListIndex(), 2);
    ponTexto(v.edL, "otra");
    EXPECT_EQ(v.edL.ListIndex(), -1);
    ponIndice(v.edL, 0);
    EXPECT_EQ(v.edL.Text(), "uno");
    // Choosing from the list changes the text without a Change.
    EXPECT_EQ(v.registro, (Registro{"edL_Change:tres", "edL_Change:otra", "edL_Click:0=uno"}));

    // Emptying the list keeps what the box shows.
    v.edL.Clear();
    EXPECT_EQ(v.edL.Text(), "uno");
    EXPECT_EQ(v.edL.ListIndex(), -1);
    EXPECT_EQ(v.edL.ListCount(), 0);
    EXPECT_EQ(v.edL.List(0), "");
}

// A handler that writes another control runs that control's handler before it goes on.
TEST(Controles, LosManejadoresSeAnidanEnOrden)
{
    VentanaPrueba v;
    v.edA.Change = [&v] {
        v.registro.push_back("edA_Change:" + v.edA.Text());
        ponTexto(v.edB, v.edA.Text() + "!");
        v.registro.push_back("edA_Change fin");
    };
    ponTexto(v.edA, "x");
    EXPECT_EQ(v.registro, (Registro{"edA_Change:x", "edB_Change:x!", "edA_Change fin"}));
}

// A handler that keeps rewriting its own box changes it every time; it must still return.
TEST(Controles, UnManejadorQueSeReescribeTermina)
{
    VentanaPrueba v;
    int veces = 0;
    v.edA.Change = [&] {
        ++veces;
        ponTexto(v.edA, v.edA.Text() + "a");
    };
    ponTexto(v.edA, "a");
    EXPECT_GT(veces, 1);
    EXPECT_LT(veces, 100);
}

// The loading flag silences a click only because the handler looks at it.
TEST(Controles, CargandoLoSilencianLosManejadores)
{
    VentanaPrueba v;
    v.Cargando = true;
    ponIndice(v.edL, 1);
    ponValor(v.rdO, 1, true);
    ponTexto(v.edA, "3");
    EXPECT_EQ(v.registro, (Registro{"edA_Change:3"}));
    EXPECT_EQ(v.edL.Text(), "dos");
    EXPECT_TRUE(v.rdO.Value(1));

    v.Cargando = false;
    ponIndice(v.edL, 2);
    EXPECT_EQ(v.registro, (Registro{"edA_Change:3", "edL_Click:2=tres"}));
}

TEST(Foco, UnaSalidaRechazadaDejaElFoco)
{
    VentanaPrueba v;
    ASSERT_TRUE(v.cambiaFoco(v.edA));
    EXPECT_EQ(v.registro, (Registro{"edA_GotFocus"}));

    v.registro.clear();
    v.rechazaA = true;
    EXPECT_FALSE(v.cambiaFoco(v.edB));
    EXPECT_EQ(v.Foco(), &v.edA);
    EXPECT_EQ(v.registro, (Registro{"edA_Validate"}));

    v.registro.clear();
    v.rechazaA = false;
    EXPECT_TRUE(v.cambiaFoco(v.edB));
    EXPECT_EQ(v.Foco(), &v.edB);
    EXPECT_EQ(v.registro, (Registro{"edA_Validate", "edA_LostFocus", "edB_GotFocus"}));

    // Back to the box that has the focus: nothing runs.
    v.registro.clear();
    EXPECT_TRUE(v.cambiaFoco(v.edB));
    EXPECT_TRUE(v.registro.empty());
}

TEST(Foco, NoLoTomaUnControlCerradoOcultoOSinFoco)
{
    VentanaPrueba v;
    v.cambiaFoco(v.edA);
    v.registro.clear();
    v.edB.Enabled = false;
    EXPECT_FALSE(v.cambiaFoco(v.edB));
    v.edB.Enabled = true;
    v.edB.Visible = false;
    EXPECT_FALSE(v.cambiaFoco(v.edB));
    EXPECT_FALSE(v.cambiaFoco(v.lbT));
    EXPECT_FALSE(v.cambiaFoco(v.ptI));
    EXPECT_EQ(v.Foco(), &v.edA);
    EXPECT_TRUE(v.registro.empty()) << "the leave check ran for a move that could not happen";

    // A leave check that hides the control the engineer was going to keeps the focus.
    v.edB.Visible = true;
    v.edA.Validate = [&v](bool &) { v.edB.Visible = false; };
    EXPECT_FALSE(v.cambiaFoco(v.edB));
    EXPECT_EQ(v.Foco(), &v.edA);
}

// Code asks; the move is carried out afterwards, leave check included.
TEST(Foco, LasPeticionesSeCumplenDespuesConSuComprobacion)
{
    VentanaPrueba v;
    v.cambiaFoco(v.edA);
    v.registro.clear();

    pulsa(v.btB);
    v.SetFocus(v.edB);
    EXPECT_EQ(v.Foco(), &v.edA) << "a request moved the focus at once";
    EXPECT_EQ(v.PeticionFoco(), &v.edB);

    v.rechazaA = true;
    EXPECT_FALSE(v.cumplePeticionFoco());
    EXPECT_EQ(v.Foco(), &v.edA);
    EXPECT_EQ(v.PeticionFoco(), nullptr);

    v.rechazaA = false;
    v.SetFocus(v.edB);
    EXPECT_TRUE(v.cumplePeticionFoco());
    EXPECT_EQ(v.Foco(), &v.edB);

    // Two controls that keep sending the focus to each other do not hang the window.
    v.edA.GotFocus = [&v] { v.SetFocus(v.edB); };
    v.edB.GotFocus = [&v] { v.SetFocus(v.edA); };
    v.SetFocus(v.edA);
    v.cumplePeticionFoco();
    EXPECT_EQ(v.PeticionFoco(), nullptr);
}

TEST(Teclas, ElFiltroTragaTeclasYLoQueQuedaSeEscribe)
{
    VentanaPrueba v;
    v.edA.KeyPress = [](std::int32_t &KeyAscii) {
        if (KeyAscii != 8 && (KeyAscii < '0' || KeyAscii > '9')) {
            KeyAscii = 0;
        }
    };
    teclea(v.edA, "1a2-\b3");
    EXPECT_EQ(v.edA.Text(), "13");
    EXPECT_EQ(v.registro,
              (Registro{"edA_Change:1", "edA_Change:12", "edA_Change:1", "edA_Change:13"}));

    v.edA.Locked = true;
    teclea(v.edA, "4");
    EXPECT_EQ(v.edA.Text(), "13");
    EXPECT_EQ(pulsaTecla(v.edA, 'x'), 0);
    EXPECT_EQ(pulsaTecla(v.edB, 'x'), 'x'); // no filter
}

TEST(Controles, UnBotonCerradoOcultoNoSePulsa)
{
    VentanaPrueba v;
    v.btB.Enabled = false;
    pulsa(v.btB);
    v.btB.Enabled = true;
    v.btB.Visible = false;
    pulsa(v.btB);
    EXPECT_TRUE(v.registro.empty());
}

TEST(Ventana, LaInstantaneaMuestraTodoElEstado)
{
    VentanaPrueba v;
    v.Caption = "Prueba";
    ponTexto(v.edA, "1,5");
    v.edA.BackColor = ColorFondo::Cerrado;
    v.edA.Locked = true;
    ponIndice(v.edL, 1);
    v.edL.Visible = false;
    v.rdO[1].Caption = "MKS";
    v.rdO[2].Enabled = false;
    ponValor(v.rdO, 1, true);
    ponValor(v.chC, EstadoCasilla::Marcada);
    ponPestana(v.tbP, 1);
    v.btB.Caption = "Calcular";
    v.btB.ToolTipText = "Calcula";
    v.lbT.Caption = "Espesor";
    v.ptI.Picture = "/p/Lur2211.bmp";
    v.cambiaFoco(v.edB);
    const std::vector<std::string> esperada = {
        "Caption=\"Prueba\"",
        "edA: Text=\"1,5\" Locked=1 Enabled=1 Visible=1 BackColor=Cerrado",
        "edB: Text=\"\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edL: Text=\"dos\" ListIndex=1 List=[uno|dos|tres] Locked=0 Enabled=1 Visible=0 "
        "BackColor=Editable",
        "rdO: Value=1 Enabled=1 Visible=1 Opciones=[\"\"/1/1|\"MKS\"/1/1|\"\"/0/1]",
        "chC: Value=1 Enabled=1 Visible=1 Caption=\"\"",
        "tbP: Tab=1 Enabled=1 Visible=1",
        "btB: Caption=\"Calcular\" Enabled=1 Visible=1 ToolTipText=\"Calcula\"",
        "lbT: Caption=\"Espesor\" Enabled=1 Visible=1",
        "ptI: Picture=\"/p/Lur2211.bmp\" Enabled=1 Visible=1",
        "lbEtiquetas(7): Caption=\"siete\" Enabled=1 Visible=1",
        "Foco=edB",
    };
    EXPECT_EQ(v.Instantanea(), esperada);
    EXPECT_EQ(v.BuscaControl("lbEtiquetas(7)"), &v.lbEtiquetas(7));
    EXPECT_EQ(v.BuscaControl("nada"), nullptr);
}

// A name the window has not is a fault wherever code asks for the control by name: it is
// raised, naming the control, in every build (these tests run in the Release build too).
TEST(Ventana, UnControlLlamadoQueNoExisteSeNombraEnElError)
{
    VentanaPrueba v;
    EXPECT_EQ(&v.ControlLlamado("edB"), &v.edB);
    EXPECT_EQ(&v.ControlLlamado("lbEtiquetas(7)"), &v.lbEtiquetas(7));
    try {
        v.ControlLlamado("edZ");
        ADD_FAILURE() << "no error for an unknown control";
    } catch (const ControlDesconocido &error) {
        EXPECT_STREQ(error.what(), "no control named \"edZ\" on the window");
    }
}

TEST(MensajesGrabadora, EstrictaFallaConUnaCajaInesperada)
{
    EXPECT_NONFATAL_FAILURE(
        {
            pruebas::MensajesGrabadora m(pruebas::Guion::Estricto);
            m.Muestra("Valor incorrecto", BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "t");
        },
        "Unexpected message box");
    EXPECT_NONFATAL_FAILURE(
        {
            pruebas::MensajesGrabadora m(pruebas::Guion::Estricto);
            m.responde(RespuestaMensaje::No);
        },
        "left unused");

    pruebas::MensajesGrabadora m(pruebas::Guion::Estricto);
    m.responde(RespuestaMensaje::No);
    EXPECT_EQ(m.Muestra("¿?", BotonesMensaje::SiNo, IconoMensaje::Ninguno, "AVISO"),
              RespuestaMensaje::No);
    EXPECT_EQ(m.mostrados(), (std::vector<pruebas::MensajeMostrado>{
                                 {"¿?", BotonesMensaje::SiNo, IconoMensaje::Ninguno, "AVISO"}}));
}

} // namespace
} // namespace dravek
