// The language choice end to end in the core: the language list, the window's captions and code
// lists, the menus, the help file, the stored setting, and the run's changed flag and stored
// overrides, which a change of language must leave alone.

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/CapturaPrueba.h"
#include "core/entry/CapturaDatos.h"
#include "core/model/TextoRecurso.h"
#include "core/shell/FormaPrincipal.h"
#include "core/storage/Registro.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::CapturaPrueba;
using pruebas::MensajeMostrado;

class Idioma : public ::testing::Test {
protected:
    Idioma()
    {
        for (const char *ayuda : {"Dravekesp.html", "Draveking.html", "Dravekfra.html"}) {
            std::ofstream(p.figura(ayuda)) << "ITSF";
        }
        entorno.PonTextosMenu();
        v.PonTextosCaptura();
        // A stored run shown in Spanish: its codes and their entries.
        DatosTramo &t = p.estado.tramo;
        t.vICUNA = 2;
        t.CodigoColocacion = 21;
        t.TipoRelleno = 22;
        t.IndiceAsentamiento = 3;
        t.TipoCargaConcentrada = 4;
        t.TipoControl = 2;
        t.IndicadorCamisa = 1;
        p.estado.ejecucion.Cargando = true;
        ponIndice(v.edTipoCuna0, 1);
        ponIndice(v.edTipoApoyo0, 0);
        ponIndice(v.edTipoRelleno0, 3);
        ponIndice(v.edIAs, 2);
        ponIndice(v.edICar0, 4);
        ponIndice(v.edTipoControl, 1);
        ponIndice(v.edTipoCamisa, 0);
        p.estado.ejecucion.Cargando = false;
        p.estado.ejecucion.DatosModificados = false;
        p.ajustes.olvida();
    }

    std::optional<std::string> idiomaGuardado()
    {
        const auto valor =
            almacen.valor(RaizRegistro::MaquinaLocal, ClaveRegistroPrograma, ValorRegistroIdioma);
        if (!valor) {
            return std::nullopt;
        }
        EXPECT_EQ(valor->tipo, TipoTexto);
        return valor->datos;
    }

    CapturaPrueba p;
    CapturaDatos &v = p.captura;
    // The main window is the shell's side of the change.
    FormaPrincipal &entorno = p.idioma.principal;
    pruebas::AlmacenConfiguracionEnMemoria &almacen = p.idioma.configuracion;
    MenuPrincipal &menu = entorno.menu();
};

TEST_F(Idioma, ElegirOtraLenguaRecaptionaTodoYLaGuarda)
{
    ASSERT_EQ(v.edIdioma.Text(), "Español");
    for (const bool modificados : {false, true}) {
        SCOPED_TRACE(modificados);
        p.estado.ejecucion.DatosModificados = modificados;
        ponIndice(v.edIdioma, modificados ? 0 : 1); // chosen with the mouse
        const int idioma = modificados ? 1 : 2;
        const std::int32_t d = (idioma - 1) * 5000;
        EXPECT_EQ(p.estado.ejecucion.Idioma, idioma);
        EXPECT_EQ(p.estado.ejecucion.DesplazamientoIdioma, d);
        EXPECT_EQ(idiomaGuardado(), std::to_string(idioma));
        EXPECT_EQ(entorno.FicheroAyuda(),
                  p.figura(idioma == 1 ? "Dravekesp.html" : "Draveking.html"));

        // The language list in the new language, showing the choice.
        const std::vector<std::string> lenguas =
            idioma == 1
                ? std::vector<std::string>{"Español", "Inglés", "Catalán", "Portugués", "Francés"}
                : std::vector<std::string>{"Spanish", "English", "Catalan", "Portuguese",
                                           "French"};
        ASSERT_EQ(v.edIdioma.ListCount(), 5);
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(v.edIdioma.List(i), lenguas[static_cast<std::size_t>(i)]);
        }
        EXPECT_EQ(v.edIdioma.Text(), lenguas[static_cast<std::size_t>(idioma - 1)]);

        // Every code list rewritten, and showing the entry of the run's code again.
        const auto muestra = [&](const Lista &lista, std::int32_t primero, int entradas, int k) {
            ASSERT_EQ(lista.ListCount(), entradas) << lista.Name();
            for (int i = 0; i < entradas; ++i) {
                EXPECT_EQ(lista.List(i), Texto(d, primero + i)) << lista.Name();
            }
            EXPECT_EQ(lista.Text(), Texto(d, primero + k - 1)) << lista.Name();
        };
        muestra(v.edTipoCuna0, 117, 2, 2);
        muestra(v.edTipoApoyo0, 119, 2, 1);
        muestra(v.edTipoRelleno0, 126, 5, 4);
        muestra(v.edIAs, 131, 3, 3);
        muestra(v.edICar0, 121, 5, 5);
        muestra(v.edTipoControl, 113, 2, 2);
        muestra(v.edTipoCamisa, 115, 2, 1);

        // Captions, tabs, buttons and menus.
        EXPECT_EQ(v.lbEtiquetas(22).Caption, Texto(d, 228));
        EXPECT_EQ(v.lbEtiquetas(34).Caption, Texto(d, 242));
        EXPECT_EQ(v.TabPrincipal.TabCaption[2], Texto(d, 153));
        EXPECT_EQ(v.TabDatosColocacion.TabCaption[0], Texto(d, 222));
        EXPECT_EQ(v.btGrabar.Caption, Texto(d, 215));
        EXPECT_EQ(v.btNuevoTramo.ToolTipText, Texto(d, 983));
        EXPECT_EQ(menu.mnNuevoTramo.Caption, Texto(d, 1055));
        EXPECT_EQ(menu.MnImprimir.Caption, Texto(d, 1050));

        // The run's data did not change: the flag is as it was, and no override is voided.
        EXPECT_EQ(p.estado.ejecucion.DatosModificados, modificados);
        EXPECT_EQ(p.ajustes.veces(), 0);
        EXPECT_EQ(p.estado.tramo.TipoCargaConcentrada, 4);
        EXPECT_EQ(p.estado.tramo.CodigoColocacion, 21);
        EXPECT_EQ(p.mensajes.mostrados(), std::vector<MensajeMostrado>{});
    }
}

// The loads page's note that the arching of the soil is left out follows the language, and
// a page without it stays without it.
TEST_F(Idioma, LaNotaDelEfectoArcoCambiaDeLengua)
{
    for (const bool conNota : {true, false}) {
        SCOPED_TRACE(conNota);
        ponIndice(v.edIdioma, 0);
        ponTexto(v.avCargas1, "");
        if (conNota) {
            // A fill higher than five diameters and five metres.
            p.estado.tramo.AlturaInicialTramo = 1;
            p.estado.tramo.AlturaFinalTramo = 12;
            p.estado.tramo.vDE = 1.24;
            p.estado.tramo.AnchoZanja = 2;
            ponPestana(v.TabDatosColocacion, 2);
            ASSERT_EQ(v.avCargas1.Text(), Texto(0, 537) + " " + Texto(0, 538));
        }
        ponIndice(v.edIdioma, 1);
        EXPECT_EQ(v.avCargas1.Text(), conNota ? Texto(5000, 537) + " " + Texto(5000, 538) : "");
        EXPECT_EQ(p.mensajes.mostrados(), std::vector<MensajeMostrado>{});
    }
}

// The cancel button keeps what it does across languages: "Releer" for a stored run re-read,
// "Cancelar" otherwise, each in the new language.
TEST_F(Idioma, ElBotonCancelarConservaSuSentido)
{
    for (const std::int32_t texto : {383, 214}) {
        SCOPED_TRACE(texto);
        v.btCancelar.Caption = Texto(0, texto);
        ponIndice(v.edIdioma, 1);
        EXPECT_EQ(v.btCancelar.Caption, Texto(5000, texto));
        ponIndice(v.edIdioma, 4);
        EXPECT_EQ(v.btCancelar.Caption, Texto(20000, texto));
        ponIndice(v.edIdioma, 0);
        EXPECT_EQ(v.btCancelar.Caption, Texto(0, texto));
    }
}

TEST_F(Idioma, LaMismaLenguaNoCambiaNada)
{
    v.cambiaFoco(v.edIdioma);
    ponTexto(v.edIdioma, "Español");
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(idiomaGuardado(), std::nullopt);
    EXPECT_EQ(entorno.FicheroAyuda(), "");
}

TEST_F(Idioma, SinLaAyudaDeLaLenguaQuedaEnEspanol)
{
    std::filesystem::remove(p.figura("Draveking.html"));
    ponIndice(v.edIdioma, 1);
    EXPECT_EQ(p.estado.ejecucion.Idioma, 1);
    EXPECT_EQ(p.estado.ejecucion.DesplazamientoIdioma, 0);
    EXPECT_EQ(v.edIdioma.Text(), "Español");
    EXPECT_EQ(v.edIdioma.List(1), "Inglés");
    EXPECT_EQ(idiomaGuardado(), "1");
    EXPECT_EQ(entorno.FicheroAyuda(), p.figura("Dravekesp.html"));
    // French has its help file.
    ponIndice(v.edIdioma, 4);
    EXPECT_EQ(p.estado.ejecucion.Idioma, 5);
    EXPECT_EQ(v.edIdioma.Text(), "Français");
    EXPECT_EQ(idiomaGuardado(), "5");
}

TEST_F(Idioma, TextoVacioOAjenoSeRechaza)
{
    ponIndice(v.edIdioma, 1);
    ASSERT_EQ(p.estado.ejecucion.Idioma, 2);
    const std::string caption = v.lbEtiquetas(22).Caption;
    for (const char *texto : {"", "Klingon"}) {
        SCOPED_TRACE(texto);
        p.estado.ejecucion.Idioma = 2;
        v.cambiaFoco(v.edIdioma);
        ponTexto(v.edIdioma, texto);
        p.mensajes.responde(RespuestaMensaje::Aceptar);
        EXPECT_FALSE(v.cambiaFoco(v.edObra));
        const MensajeMostrado rechazo{Texto(5000, *texto ? 287 : 518), BotonesMensaje::Aceptar,
                                      IconoMensaje::Ninguno, Texto(5000, 160)};
        EXPECT_EQ(p.mensajes.mostrados(), std::vector<MensajeMostrado>{rechazo});
        p.mensajes.olvida();
        // The box names the interface's language again; the project's language, the interface
        // and its captions stay as they were.
        EXPECT_EQ(v.edIdioma.Text(), "English");
        EXPECT_EQ(IdiomaDeLaObra(p.estado), 2);
        EXPECT_EQ(p.estado.ejecucion.Idioma, 2);
        EXPECT_EQ(p.estado.ejecucion.DesplazamientoIdioma, 5000);
        EXPECT_EQ(v.lbEtiquetas(22).Caption, caption);
    }
    EXPECT_EQ(idiomaGuardado(), "2");
}

// A project saved in Spanish, opened on a French interface: the box names French, the language
// the window is shown in, and the project keeps Spanish for its file. Choosing Spanish takes
// effect at once, French again as well, and the project then records French.
TEST_F(Idioma, LaCajaNombraLaLenguaDeLaVentana)
{
    p.estado.ejecucion.Idioma = 5;
    entorno.PonTextosMenu();
    v.PonTextosCaptura();
    p.estado.obra.IdiomaObra = 1;
    p.estado.obra.CabeceraModificada = false;
    EXPECT_EQ(v.edIdioma.Text(), "Français");

    // Leaving the box untouched changes nothing.
    v.cambiaFoco(v.edIdioma);
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(p.estado.ejecucion.Idioma, 5);
    EXPECT_EQ(IdiomaDeLaObra(p.estado), 1);
    EXPECT_FALSE(p.estado.obra.CabeceraModificada);

    ponIndice(v.edIdioma, 0); // "Espagnol", chosen with the mouse
    EXPECT_EQ(p.estado.ejecucion.Idioma, 1);
    EXPECT_EQ(p.estado.ejecucion.DesplazamientoIdioma, 0);
    EXPECT_EQ(v.edIdioma.Text(), "Español");
    EXPECT_EQ(v.TabPrincipal.TabCaption[0], Texto(0, 151));
    EXPECT_EQ(IdiomaDeLaObra(p.estado), 1);
    EXPECT_FALSE(p.estado.obra.CabeceraModificada);
    EXPECT_EQ(idiomaGuardado(), "1");

    ponIndice(v.edIdioma, 4); // "Francés"
    EXPECT_EQ(p.estado.ejecucion.Idioma, 5);
    EXPECT_EQ(v.edIdioma.Text(), "Français");
    EXPECT_EQ(IdiomaDeLaObra(p.estado), 5);
    EXPECT_TRUE(p.estado.obra.CabeceraModificada);
    EXPECT_EQ(idiomaGuardado(), "5");
    EXPECT_EQ(p.mensajes.mostrados(), std::vector<MensajeMostrado>{});
}

// The live load the box shows is the one kept across a change of language: a new run's
// 13-tonne axle stays the 13-tonne axle, and so does a load the engineer chose; a run with a
// given total load, whose live load is none, keeps the entry its hidden box showed.
TEST_F(Idioma, LaSobrecargaMostradaSeConserva)
{
    struct Caso {
        const char *nombre;
        int entrada;
        std::int16_t variable;
    };
    for (const Caso &c :
         {Caso{"new run", 2, 2}, Caso{"chosen", 3, 3}, Caso{"given total load", 3, 0}}) {
        SCOPED_TRACE(c.nombre);
        p.estado.ejecucion.Cargando = true;
        ponIndice(v.edICar0, c.entrada);
        p.estado.ejecucion.Cargando = false;
        p.estado.tramo.TipoCargaConcentrada = c.variable;
        const int destino = p.estado.ejecucion.Idioma == 1 ? 1 : 0;
        ponIndice(v.edIdioma, destino);
        const std::int32_t d = destino * 5000;
        EXPECT_EQ(v.edICar0.Text(), Texto(d, 121 + c.entrada));
        EXPECT_EQ(p.estado.tramo.TipoCargaConcentrada, c.variable);
    }
}

TEST(IdiomaDelPrograma, UnAlmacenQueNoEscribeNoImpideElCambioYLoDice)
{
    CapturaPrueba p;
    std::ofstream(p.figura("Draveking.html")) << "ITSF";
    pruebas::AlmacenConfiguracionEnMemoria &almacen = p.idioma.configuracion;
    almacen.fallaEscritura(true);
    FormaPrincipal &entorno = p.idioma.principal;
    p.captura.PonTextosCaptura();
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    ponIndice(p.captura.edIdioma, 1);
    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {Texto(5000, 1480), BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, ""}}));
    EXPECT_EQ(p.estado.ejecucion.Idioma, 2);
    EXPECT_EQ(entorno.menu().mnGrabaTramo.Caption, Texto(5000, 1057));
    EXPECT_EQ(
        almacen.valor(RaizRegistro::MaquinaLocal, ClaveRegistroPrograma, ValorRegistroIdioma),
        std::nullopt);
}

} // namespace
} // namespace dravek
