// The run-capture states: a new run started, saved and cancelled, a stored run re-read, with the
// buttons, the main menu's run commands, the run-number box, the caption, the unit options and
// the focus of each; and the window's command buttons.

#include "core/entry/CapturaTramo.h"

#include "apoyo/ObraPrueba.h"
#include "apoyo/TramosTecleados.h"
#include "core/entry/AlmacenObra.h"
#include "core/entry/LimpiezaTramo.h"
#include "core/storage/RegistrosObra.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::LeeFicheroPrueba;
using pruebas::MensajeMostrado;
using pruebas::ObraPrueba;

const std::string Ruta = "/obras/presa.dvk";

MensajeMostrado Pregunta(const std::string &texto, const std::string &titulo)
{
    return {texto, BotonesMensaje::SiNo, IconoMensaje::Ninguno, titulo};
}

// A new project as the window opens it: cleared, in MKS, with no file.
void ObraNueva(ObraPrueba &o)
{
    o.muestraSI(false);
    o.almacen.NuevaObra();
    ponTexto(o.captura.edAlt1, "3,00");
    o.estado.obra.AlturaInicialObra = 3;
    o.estado.ejecucion.Cargando = true;
    LimpiaDatosPantalla(o.captura, NivelLimpiezaTramo::Completa);
    o.estado.ejecucion.Cargando = false;
}

// The states of the commands, the run-number box and the unit options after a procedure.
struct Estado {
    bool btNuevoTramo;
    bool resto; // btCancelar, btGrabar, btAjustar, btCalcular
    bool mnNuevoTramo;
    bool menus; // mnCancelar, mnGrabaTramo, mnCalculaTramo
    bool mnAjustar;
    bool numeroLibre; // the run-number box unlocked, window colour
    bool unidades;    // both unit options enabled
    std::string btCancelar;
    std::string modo;
    std::string titulo;
};

void Comprueba(const ObraPrueba &o, const Estado &esperado)
{
    const CapturaDatos &v = o.captura;
    EXPECT_EQ(v.btNuevoTramo.Enabled, esperado.btNuevoTramo);
    for (const Boton *b : {&v.btCancelar, &v.btGrabar, &v.btAjustar, &v.btCalcular}) {
        EXPECT_EQ(b->Enabled, esperado.resto) << b->Name();
    }
    EXPECT_EQ(o.menu.mnNuevoTramo.Enabled, esperado.mnNuevoTramo);
    for (const ElementoMenu *m :
         {&o.menu.mnCancelar, &o.menu.mnGrabaTramo, &o.menu.mnCalculaTramo}) {
        EXPECT_EQ(m->Enabled, esperado.menus) << m->Name();
    }
    EXPECT_EQ(o.menu.mnAjustarArmaduras.Enabled, esperado.mnAjustar);
    EXPECT_EQ(v.edTramo.Locked, !esperado.numeroLibre);
    EXPECT_EQ(v.edTramo.BackColor,
              esperado.numeroLibre ? ColorFondo::Editable : ColorFondo::Cerrado);
    EXPECT_EQ(v.rdSistemaUnidades[0].Enabled, esperado.unidades);
    EXPECT_EQ(v.rdSistemaUnidades[1].Enabled, esperado.unidades);
    EXPECT_EQ(v.btCancelar.Caption, esperado.btCancelar);
    EXPECT_EQ(o.estado.ejecucion.ModoCaptura, esperado.modo);
    EXPECT_EQ(v.Caption, esperado.titulo);
}

const std::string UnidadesMKS = ". Sistema unidades: MKS";

TEST(NuevoTramo, EnUnaObraVacia)
{
    ObraPrueba o;
    ObraNueva(o);
    NuevoTramo(o.captura);
    EXPECT_TRUE(o.mensajes.mostrados().empty());
    EXPECT_EQ(o.captura.edTramo.Text(), "1");
    EXPECT_EQ(o.captura.edTramo2.Text(), "1");
    EXPECT_EQ(o.estado.tramo.TramoActual, 1);
    Comprueba(o, {false, true, false, true, true, false, false, "Cancelar", "ALTAS",
                  "Captura Datos (Alta de Tramo)" + UnidadesMKS});
    EXPECT_EQ(o.captura.PeticionFoco(), &o.captura.edDescriTramo);
    EXPECT_TRUE(o.estado.ejecucion.DatosModificados);
}

TEST(NuevoTramo, NumeroTrasElMayorDeLaLista)
{
    ObraPrueba o;
    ObraNueva(o);
    for (const char *n : {"1", "2", "5"}) {
        o.captura.edTramo.AddItem(n);
    }
    NuevoTramo(o.captura);
    EXPECT_EQ(o.captura.edTramo.Text(), "6");
    // A list not in order never gives a number twice.
    ObraPrueba p;
    ObraNueva(p);
    for (const char *n : {"1", "9", "3"}) {
        p.captura.edTramo.AddItem(n);
    }
    NuevoTramo(p.captura);
    EXPECT_EQ(p.captura.edTramo.Text(), "10");
}

// With a run shown: Yes clears the window and writes the reinforced-concrete defaults; No keeps
// every box as the starting point of the new run.
TEST(NuevoTramo, ConUnTramoEnPantalla)
{
    for (const bool limpia : {true, false}) {
        SCOPED_TRACE(limpia);
        ObraPrueba o;
        ObraNueva(o);
        ponTexto(o.captura.edTramo, "4");
        o.captura.edTramo.AddItem("4");
        ponTexto(o.captura.edFck, "275");
        ponTexto(o.captura.edDescriTramo, "Cruce");
        o.mensajes.responde(limpia ? RespuestaMensaje::Si : RespuestaMensaje::No);
        NuevoTramo(o.captura);
        EXPECT_EQ(o.mensajes.mostrados(), std::vector<MensajeMostrado>{Pregunta(
                                              "¿ Limpia los datos actuales ?", "CONFIRMACION")});
        EXPECT_EQ(o.captura.edTramo.Text(), "5");
        EXPECT_EQ(o.captura.edFck.Text(), limpia ? "350" : "275");
        EXPECT_EQ(o.captura.edDescriTramo.Text(), limpia ? "" : "Cruce");
        EXPECT_EQ(o.estado.ejecucion.ModoCaptura, "ALTAS");
        EXPECT_TRUE(o.estado.ejecucion.DatosModificados);
    }
}

TEST(NuevoTramo, NoCabenMasTramos)
{
    ObraPrueba o;
    FicheroRegistros f(LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_coma.dvk"));
    f.Escribe(20, "545");
    o.ficheros.Pon(Ruta, f.Bytes());
    ASSERT_TRUE(o.abre(Ruta));
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    NuevoTramo(o.captura);
    EXPECT_EQ(o.mensajes.mostrados().size(), 1u);
    EXPECT_EQ(o.estado.ejecucion.ModoCaptura, " ");
}

// Leaving the run-number box of a new run changes nothing: no second new run can be started
// while this one is being captured.
TEST(NuevoTramo, SalirDelNumeroConservaElEstadoDeAlta)
{
    ObraPrueba o;
    ObraNueva(o);
    NuevoTramo(o.captura);
    bool Cancel = false;
    o.captura.edTramo_Validate(Cancel);
    EXPECT_FALSE(Cancel);
    EXPECT_TRUE(o.mensajes.mostrados().empty());
    Comprueba(o, {false, true, false, true, true, false, false, "Cancelar", "ALTAS",
                  "Captura Datos (Alta de Tramo)" + UnidadesMKS});
    EXPECT_EQ(o.estado.tramo.TramoActual, 1);
}

// A stored run with a typed total load hides the live load; a new run cleared after it has no
// load typed, so the live load it is calculated with is shown again.
TEST(NuevoTramo, TrasUnaCargaTecleadaMuestraLaSobrecarga)
{
    ObraPrueba o;
    FicheroRegistros f(LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_coma.dvk"));
    f.Escribe(BaseBloque(1) + 53, "25,000 // 0,250");
    f.Escribe(BaseBloque(1) + 54, "0");
    o.ficheros.Pon(Ruta, f.Bytes());
    ASSERT_TRUE(o.abre(Ruta));
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
    CapturaDatos &v = o.captura;
    ASSERT_FALSE(v.edICar0.Visible);
    ASSERT_FALSE(v.lbEtiquetas(34).Visible);

    o.mensajes.responde(RespuestaMensaje::Si);
    NuevoTramo(v);
    EXPECT_EQ(v.edQDato0.Text(), "");
    EXPECT_TRUE(v.edICar0.Visible);
    EXPECT_EQ(v.edICar0.BackColor, ColorFondo::Editable);
    EXPECT_TRUE(v.lbEtiquetas(34).Visible);
    EXPECT_EQ(v.edICar0.Text(), "Eje de 13 Toneladas");
}

TEST(CancelaCapturaTramo, SinTramoSoloOlvidaLosCambios)
{
    ObraPrueba o;
    ObraNueva(o);
    const std::vector<std::string> antes = o.captura.Instantanea();
    o.estado.ejecucion.DatosModificados = true;
    CancelaCapturaTramo(o.captura);
    EXPECT_FALSE(o.estado.ejecucion.DatosModificados);
    EXPECT_EQ(o.captura.Instantanea(), antes);
}

TEST(CancelaCapturaTramo, TramoNuevo)
{
    ObraPrueba o;
    ObraNueva(o);
    NuevoTramo(o.captura);
    ponTexto(o.captura.edDescriTramo, "Cruce");
    const std::vector<std::string> antes = o.captura.Instantanea();

    const MensajeMostrado pregunta = Pregunta("¿ Desea Cancelar la Captura del Tramo ?", "AVISO");
    o.mensajes.responde(RespuestaMensaje::No);
    CancelaCapturaTramo(o.captura);
    EXPECT_EQ(o.mensajes.mostrados(), std::vector<MensajeMostrado>{pregunta});
    EXPECT_EQ(o.captura.Instantanea(), antes);
    EXPECT_TRUE(o.estado.ejecucion.DatosModificados);

    o.mensajes.responde(RespuestaMensaje::Si);
    CancelaCapturaTramo(o.captura);
    EXPECT_EQ(o.captura.edTramo.Text(), "");
    EXPECT_EQ(o.captura.edDescriTramo.Text(), "");
    Comprueba(o, {true, false, true, false, false, true, true, "Cancelar", " ",
                  "Captura Datos" + UnidadesMKS});
    EXPECT_EQ(o.captura.TabPrincipal.Tab(), 1);
    EXPECT_EQ(o.captura.PeticionFoco(), &o.captura.edTramo);
    EXPECT_FALSE(o.estado.ejecucion.DatosModificados);
}

// A stored run is read again: without changes nothing is asked; with changes the engineer is
// asked first.
TEST(CancelaCapturaTramo, TramoGuardado)
{
    ObraPrueba o;
    o.ficheros.Pon(Ruta, LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_coma.dvk"));
    ASSERT_TRUE(o.abre(Ruta));
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
    o.estado.ejecucion.ModoCaptura = "MODIFICACIONES";

    CancelaCapturaTramo(o.captura);
    EXPECT_TRUE(o.mensajes.mostrados().empty());
    const std::string unidadesSI = ". Sistema unidades: Internacional(SI)";
    Comprueba(o, {true, true, true, true, true, true, false, "Releer", "MODIFICACIONES",
                  "Captura Datos (Modificación de Tramo)" + unidadesSI});

    ponTexto(o.captura.edFck, "40,0");
    o.mensajes.responde(RespuestaMensaje::Si);
    CancelaCapturaTramo(o.captura);
    EXPECT_EQ(o.mensajes.mostrados(), std::vector<MensajeMostrado>{Pregunta(
                                          "¿ Desea Cancelar la Captura del Tramo ?", "AVISO")});
    EXPECT_EQ(o.captura.edFck.Text(), "35,0");
    EXPECT_FALSE(o.estado.ejecucion.DatosModificados);

    // A run number no longer listed: the run stays unloaded and no run is in capture.
    ponTexto(o.captura.edTramo, "8");
    CancelaCapturaTramo(o.captura);
    Comprueba(o, {true, false, true, false, false, true, true, "Cancelar", "",
                  "Captura Datos" + unidadesSI});
}

// The buttons of the window start their operations.
TEST(BotonesCaptura, CadaBotonSuOrden)
{
    ObraPrueba o;
    ObraNueva(o);
    for (Boton *b : {&o.captura.btCalcular, &o.captura.btAjustar, &o.captura.CommandButton2,
                     &o.captura.btCerrarObra}) {
        b->Enabled = true;
        pulsa(*b);
    }
    EXPECT_EQ(o.comandos.ordenes(), (std::vector<std::string>{"CalculaTramo", "AjustaArmaduras",
                                                              "ImprimeObra", "CierraVentana"}));

    // With unsaved changes too: the unload offers to save them.
    o.estado.ejecucion.DatosModificados = true;
    pulsa(o.captura.btCerrarObra);
    EXPECT_TRUE(o.mensajes.mostrados().empty());
    EXPECT_EQ(o.comandos.ordenes().size(), 5u);
    o.estado.ejecucion.DatosModificados = false;

    pulsa(o.captura.btNuevoTramo);
    EXPECT_EQ(o.estado.ejecucion.ModoCaptura, "ALTAS");
}

// Saving the project header with an invalid project range writes nothing.
TEST(BotonesCaptura, GrabaObraConRangoIncorrecto)
{
    ObraPrueba o;
    ObraNueva(o);
    ponTexto(o.captura.edAlt1, "");
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(o.captura.btGrabaObra);
    EXPECT_EQ(o.mensajes.mostrados().size(), 1u);
    EXPECT_TRUE(o.dialogos.mostrados().empty());
    EXPECT_EQ(o.estado.obra.AbrirObraExistente, Falso);
}

// With no run in capture there is nothing to save: the live-load box's offer to save on
// leaving asks nothing and writes nothing.
TEST(ConfirmaGrabaTramo, SinTramoNoHaceNada)
{
    ObraPrueba o;
    ObraNueva(o);
    const std::vector<std::string> antes = o.captura.Instantanea();
    ConfirmaGrabaTramo(o.captura);
    EXPECT_TRUE(o.mensajes.mostrados().empty());
    EXPECT_EQ(o.captura.Instantanea(), antes);
}

// A save that does not reach the file leaves the run in capture, changed, and the run list as it
// was; the next save that succeeds adds the run once.
TEST(ConfirmaGrabaTramo, GrabacionQueNoLlegaAlFichero)
{
    ObraPrueba o;
    pruebas::Tecleo t(o, false);
    t.ObraNueva("Presa");
    pruebas::TramoTecleado tramo;
    tramo.descripcion = "Primero";
    t.Teclea(tramo);

    // The save dialog cancelled.
    o.mensajes.responde(RespuestaMensaje::Si);
    o.dialogos.responde(std::nullopt);
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    ConfirmaGrabaTramo(o.captura);
    EXPECT_EQ(o.captura.edTramo.ListCount(), 0);
    EXPECT_EQ(o.estado.ejecucion.ModoCaptura, "ALTAS");
    EXPECT_TRUE(o.estado.ejecucion.DatosModificados);
    EXPECT_TRUE(o.captura.edTramo.Locked);

    // The file cannot be written.
    o.ficheros.FallaEscritura("/obras/presa.dvk");
    o.mensajes.responde(RespuestaMensaje::Si);
    o.dialogos.responde("/obras/presa");
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    ConfirmaGrabaTramo(o.captura);
    EXPECT_EQ(o.captura.edTramo.ListCount(), 0);
    EXPECT_EQ(o.estado.ejecucion.ModoCaptura, "ALTAS");
    EXPECT_TRUE(o.estado.ejecucion.DatosModificados);
    EXPECT_FALSE(o.ficheros.Existe("/obras/presa.dvk"));
    EXPECT_EQ(o.estado.obra.AbrirObraExistente, Falso);

    o.ficheros.ArreglaEscritura("/obras/presa.dvk");
    t.Graba("/obras/presa");
    ASSERT_EQ(o.captura.edTramo.ListCount(), 1);
    EXPECT_EQ(o.captura.edTramo.List(0), "1");
    Comprueba(o, {true, true, true, true, true, true, false, "Cancelar", "MODIFICACIONES",
                  "Captura Datos (Modificación de Tramo)" + UnidadesMKS});
    EXPECT_EQ(o.captura.TabPrincipal.Tab(), 1);
    EXPECT_EQ(o.captura.PeticionFoco(), &o.captura.edTramo);
    EXPECT_FALSE(o.estado.ejecucion.DatosModificados);

    // Saved again: still one entry.
    o.mensajes.responde(RespuestaMensaje::Si);
    ConfirmaGrabaTramo(o.captura);
    EXPECT_EQ(o.captura.edTramo.ListCount(), 1);
}

// A refused validation leaves state, list and file untouched.
TEST(ConfirmaGrabaTramo, ValidacionRechazada)
{
    ObraPrueba o;
    pruebas::Tecleo t(o, false);
    t.ObraNueva("Presa");
    pruebas::TramoTecleado tramo;
    t.Teclea(tramo);
    ponTexto(o.captura.edFck, "");
    o.mensajes.responde(RespuestaMensaje::Si);
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    ConfirmaGrabaTramo(o.captura);
    ASSERT_EQ(o.mensajes.mostrados().size(), 2u);
    EXPECT_EQ(o.mensajes.mostrados()[1].texto, "Valor incorrecto");
    EXPECT_EQ(o.captura.edTramo.ListCount(), 0);
    EXPECT_EQ(o.estado.ejecucion.ModoCaptura, "ALTAS");
    EXPECT_TRUE(o.dialogos.mostrados().empty());

    // No to the question: nothing at all.
    o.mensajes.olvida();
    o.mensajes.responde(RespuestaMensaje::No);
    ConfirmaGrabaTramo(o.captura);
    EXPECT_EQ(o.mensajes.mostrados().size(), 1u);
    EXPECT_EQ(o.mensajes.mostrados()[0], Pregunta("¿ Salva el Tramo ?", "CONFIRMACION"));
}

} // namespace
} // namespace dravek
