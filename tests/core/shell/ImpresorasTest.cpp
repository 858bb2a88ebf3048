#include "core/shell/Impresoras.h"

#include "apoyo/MensajesGrabadora.h"
#include "apoyo/ServicioImpresorasEnMemoria.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Guion;
using pruebas::MensajeMostrado;
using pruebas::MensajesGrabadora;
using pruebas::ServicioImpresorasEnMemoria;

ImpresoraActual Actual(const std::string &nombre = "", bool pdf = false, std::int16_t copias = 1)
{
    ImpresoraActual actual;
    actual.DeviceName = nombre;
    actual.ArchivoPdf = pdf;
    actual.Copies = copias;
    return actual;
}

const std::vector<std::string> TresImpresoras = {"HP LaserJet 4", "Canon iR-ADV", "Oficina 2"};

// A window opened with the machine's printers; the engineer's moves go through the leave
// check as the view carries them.
struct Ventana {
    explicit Ventana(ServicioImpresorasEnMemoria servicioInicial,
                     const ImpresoraActual &actual = Actual())
        : servicio(std::move(servicioInicial))
    {
        estado.Printer = actual;
        ventana.Form_Load();
        ventana.cumplePeticionFoco();
    }

    // Types a number of copies into the box (the focus goes there first).
    void Copias(const std::string &texto)
    {
        ASSERT_TRUE(ventana.cambiaFoco(ventana.tbCopias));
        ponTexto(ventana.tbCopias, texto);
    }
    // Clicks "Aceptar": the box's leave check first.
    void Acepta()
    {
        if (ventana.cambiaFoco(ventana.btAceptar)) {
            pulsa(ventana.btAceptar);
        }
    }

    EstadoObra estado;
    MensajesGrabadora mensajes{Guion::Estricto};
    ServicioImpresorasEnMemoria servicio;
    Impresoras ventana{estado, mensajes, servicio};
};

std::string LineaLista(const std::vector<std::string> &entradas, int indice)
{
    std::string lista;
    for (std::size_t i = 0; i < entradas.size(); ++i) {
        lista += (i == 0 ? "" : "|") + entradas[i];
    }
    const std::string texto = indice >= 0 ? entradas[static_cast<std::size_t>(indice)] : "";
    return "ListaImpresoras: Text=\"" + texto + "\" ListIndex=" + std::to_string(indice) +
           " List=[" + lista + "] Locked=0 Enabled=1 Visible=1 BackColor=Editable";
}

std::vector<std::string> Abierta(const std::string &lista, const std::string &copias)
{
    return {
        "Caption=\"Impresoras del sistema\"",
        lista,
        "lbCopias: Caption=\"Nº de copias\" Enabled=1 Visible=1",
        "tbCopias: Text=\"" + copias + "\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "spCopias: Enabled=1 Visible=1",
        "btAceptar: Caption=\"Aceptar\" Enabled=1 Visible=1 ToolTipText=\"\"",
        "Foco=ListaImpresoras",
    };
}

// The list shows the installed printers in the platform's order and selects the current one:
// the one chosen before, else the system's default; with none installed, the PDF printer.
TEST(Impresoras, ListaYActual)
{
    struct Caso {
        const char *nombre;
        std::vector<std::string> instaladas;
        std::string predeterminada;
        ImpresoraActual actual;
        std::vector<std::string> lista;
        int seleccion;
    };
    const std::vector<Caso> casos = {
        {"three, the second chosen before", TresImpresoras, "Oficina 2",
         Actual("Canon iR-ADV", false, 4), TresImpresoras, 1},
        {"three, none chosen: the default", TresImpresoras, "Oficina 2", Actual(), TresImpresoras,
         2},
        {"one", {"HP LaserJet 4"}, "HP LaserJet 4", Actual(), {"HP LaserJet 4"}, 0},
        {"the chosen one has gone", TresImpresoras, "", Actual("Vieja"), TresImpresoras, -1},
        {"no default", TresImpresoras, "", Actual(), TresImpresoras, -1},
        {"none installed", {}, "", Actual(), {"Fichero PDF"}, 0},
        {"the PDF printer before, printers now", TresImpresoras, "HP LaserJet 4", Actual("", true),
         TresImpresoras, -1},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Ventana v({caso.instaladas, caso.predeterminada}, caso.actual);
        EXPECT_EQ(v.ventana.Instantanea(), Abierta(LineaLista(caso.lista, caso.seleccion),
                                                   std::to_string(caso.actual.Copies)));
        EXPECT_TRUE(v.mensajes.mostrados().empty());
    }
}

// Accepting makes the selected printer, with the copies of the box, the one every later print
// uses, and tells so; the window closes.
TEST(Impresoras, AceptarEstableceLaImpresora)
{
    {
        SCOPED_TRACE("one copy");
        Ventana v({TresImpresoras, "HP LaserJet 4"});
        ponIndice(v.ventana.ListaImpresoras, 1);
        v.mensajes.responde(RespuestaMensaje::Aceptar);
        v.Acepta();
        EXPECT_EQ(v.mensajes.mostrados(),
                  (std::vector<MensajeMostrado>{{"Se usará la impresora: Canon iR-ADV",
                                                 BotonesMensaje::Aceptar,
                                                 IconoMensaje::Informacion, ""}}));
        EXPECT_EQ(v.estado.Printer.DeviceName, "Canon iR-ADV");
        EXPECT_FALSE(v.estado.Printer.ArchivoPdf);
        EXPECT_EQ(v.estado.Printer.Copies, 1);
        EXPECT_TRUE(v.ventana.Descargada());
    }
    {
        SCOPED_TRACE("three copies, Yes");
        Ventana v({TresImpresoras, "HP LaserJet 4"});
        v.Copias("3");
        v.mensajes.responde(RespuestaMensaje::Si);
        v.mensajes.responde(RespuestaMensaje::Aceptar);
        v.Acepta();
        EXPECT_EQ(v.mensajes.mostrados(),
                  (std::vector<MensajeMostrado>{
                      {"¿ Quiere imprimir 3 copias ?", BotonesMensaje::SiNo,
                       IconoMensaje::Pregunta, "AVISO"},
                      {"Se imprimiran 3 por la impresora: HP LaserJet 4", BotonesMensaje::Aceptar,
                       IconoMensaje::Informacion, ""},
                  }));
        EXPECT_EQ(v.estado.Printer.DeviceName, "HP LaserJet 4");
        EXPECT_EQ(v.estado.Printer.Copies, 3);
        EXPECT_TRUE(v.ventana.Descargada());
    }
    {
        SCOPED_TRACE("the most copies a printer takes");
        Ventana v({TresImpresoras, "Oficina 2"});
        v.Copias("32767");
        v.mensajes.responde(RespuestaMensaje::Si);
        v.mensajes.responde(RespuestaMensaje::Aceptar);
        v.Acepta();
        EXPECT_EQ(v.estado.Printer.Copies, 32767);
        EXPECT_EQ(v.mensajes.mostrados().back().texto,
                  "Se imprimiran 32767 por la impresora: Oficina 2");
    }
    {
        SCOPED_TRACE("no printer installed: the PDF printer");
        Ventana v({{}, ""});
        v.mensajes.responde(RespuestaMensaje::Aceptar);
        v.Acepta();
        EXPECT_EQ(v.mensajes.mostrados(),
                  (std::vector<MensajeMostrado>{{"Se usará la impresora: Fichero PDF",
                                                 BotonesMensaje::Aceptar,
                                                 IconoMensaje::Informacion, ""}}));
        EXPECT_TRUE(v.estado.Printer.ArchivoPdf);
        EXPECT_EQ(v.estado.Printer.DeviceName, "");
        EXPECT_TRUE(v.ventana.Descargada());
    }
}

// Whatever refuses the acceptance leaves the window open and the printer as it was.
TEST(Impresoras, AceptarRechazado)
{
    const ImpresoraActual antes = Actual("Oficina 2", false, 2);
    struct Caso {
        const char *nombre;
        std::string copias;
        std::vector<RespuestaMensaje> respuestas;
        std::vector<MensajeMostrado> mensajes;
    };
    const MensajeMostrado mayorQueCero{"Seleccione un valor mayor que 0 ", BotonesMensaje::Aceptar,
                                       IconoMensaje::Ninguno, "Numero de copias"};
    const std::vector<Caso> casos = {
        {"three copies, No",
         "3",
         {RespuestaMensaje::No},
         {{"¿ Quiere imprimir 3 copias ?", BotonesMensaje::SiNo, IconoMensaje::Pregunta,
           "AVISO"}}},
        {"0", "0", {RespuestaMensaje::Aceptar}, {mayorQueCero}},
        {"-2", "-2", {RespuestaMensaje::Aceptar}, {mayorQueCero}},
        {"empty", "", {RespuestaMensaje::Aceptar}, {mayorQueCero}},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        Ventana v({TresImpresoras, ""}, antes);
        ponIndice(v.ventana.ListaImpresoras, 0);
        v.Copias(caso.copias);
        for (const RespuestaMensaje r : caso.respuestas) {
            v.mensajes.responde(r);
        }
        v.Acepta();
        EXPECT_EQ(v.mensajes.mostrados(), caso.mensajes);
        EXPECT_FALSE(v.ventana.Descargada());
        EXPECT_EQ(v.estado.Printer.DeviceName, "Oficina 2");
        EXPECT_EQ(v.estado.Printer.Copies, 2);
    }
    {
        SCOPED_TRACE("no row selected: nothing happens");
        Ventana v({TresImpresoras, ""});
        v.Acepta();
        EXPECT_TRUE(v.mensajes.mostrados().empty());
        EXPECT_FALSE(v.ventana.Descargada());
        EXPECT_EQ(v.estado.Printer.DeviceName, "");
    }
    {
        SCOPED_TRACE("the printer was removed while the window was open");
        Ventana v({TresImpresoras, ""}, antes);
        ponIndice(v.ventana.ListaImpresoras, 0);
        v.servicio.ponInstaladas({"Canon iR-ADV", "Oficina 2"});
        v.Copias("1");
        v.mensajes.responde(RespuestaMensaje::Aceptar);
        v.Acepta();
        EXPECT_EQ(v.mensajes.mostrados(),
                  (std::vector<MensajeMostrado>{
                      {"error: 482\nDescripción: La impresora ya no está instalada: HP LaserJet 4",
                       BotonesMensaje::Aceptar, IconoMensaje::Ninguno, ""}}));
        EXPECT_FALSE(v.ventana.Descargada());
        EXPECT_EQ(v.estado.Printer.DeviceName, "Oficina 2");
        EXPECT_EQ(v.estado.Printer.Copies, 2);
    }
}

// Leaving the copies box: a number that is not whole, not a number, or more than the printer
// can count keeps the focus there with its text to be selected; a whole number passes, however
// small (acceptance refuses those).
TEST(Impresoras, ComprobacionDeLaCaja)
{
    struct Caso {
        std::string copias;
        std::string mensaje; // empty: it passes
    };
    const std::vector<Caso> casos = {
        {"2.5", "Seleccione un valor entero "},
        {"2,5", "Seleccione un valor entero "},
        {"-2.5", "Seleccione un valor entero "},
        {"abc", "Seleccione un valor numérico "},
        {"3x", "Seleccione un valor numérico "},
        {"32768", "El número de copias no puede pasar de 32767"},
        {"1e9", "El número de copias no puede pasar de 32767"},
        {"1e999", "Seleccione un valor numérico "},
        {"32767", ""},
        {"", ""},
        {"  ", ""},
        {"0", ""},
        {"-2", ""},
        {" 7 ", ""},
        {"2.0", ""},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE("\"" + caso.copias + "\"");
        Ventana v({TresImpresoras, "HP LaserJet 4"});
        v.Copias(caso.copias);
        if (!caso.mensaje.empty()) {
            v.mensajes.responde(RespuestaMensaje::Aceptar);
        }
        const bool movido = v.ventana.cambiaFoco(v.ventana.ListaImpresoras);
        EXPECT_EQ(movido, caso.mensaje.empty());
        if (caso.mensaje.empty()) {
            EXPECT_TRUE(v.mensajes.mostrados().empty());
            EXPECT_EQ(v.ventana.SeleccionPendiente(), nullptr);
        } else {
            EXPECT_EQ(v.mensajes.mostrados(),
                      (std::vector<MensajeMostrado>{{caso.mensaje, BotonesMensaje::Aceptar,
                                                     IconoMensaje::Ninguno, "Numero de copias"}}));
            EXPECT_EQ(v.ventana.Foco(), &v.ventana.tbCopias);
            EXPECT_EQ(v.ventana.SeleccionPendiente(), &v.ventana.tbCopias);
        }
        EXPECT_EQ(v.ventana.tbCopias.Text(), caso.copias);
    }
}

// The spin button steps the copies by one, never below 1 going down nor beyond what the
// printer counts going up, and its writes are not checked as the engineer's typing is.
TEST(Impresoras, BotonDeGiro)
{
    struct Caso {
        std::string antes;
        bool arriba;
        std::string despues;
    };
    const std::vector<Caso> casos = {
        {"", true, "1"},           {"abc", true, "1"},         {"1", false, "1"},
        {"0", false, "0"},         {"-3", false, "-3"},        {"5", false, "4"},
        {"5", true, "6"},          {"2.5", true, "3"},         {"3.5", true, "5"},
        {"32766", true, "32767"},  {"32767", true, "32767"},   {"99999", true, "99999"},
        {"99999", false, "32767"}, {"-99999", true, "-32768"}, {"1e300", false, "32767"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE("\"" + caso.antes + "\" " + (caso.arriba ? "up" : "down"));
        Ventana v({TresImpresoras, "HP LaserJet 4"});
        ponTexto(v.ventana.tbCopias, caso.antes);
        caso.arriba ? giraArriba(v.ventana.spCopias) : giraAbajo(v.ventana.spCopias);
        EXPECT_EQ(v.ventana.tbCopias.Text(), caso.despues);
        EXPECT_TRUE(v.ventana.ComprobarCopias);
        EXPECT_TRUE(v.mensajes.mostrados().empty());
    }
}

} // namespace
} // namespace dravek
