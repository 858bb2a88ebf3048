#include "apoyo/AjustesGuardadosEnMemoria.h"
#include "apoyo/CarpetaPrueba.h"
#include "apoyo/TemporizadorGrabador.h"
#include "core/listing/Depuracion.h"
#include "core/model/TextoRecurso.h"
#include "core/shell/ObraAjustesCaptura.h"
#include "core/shell/PrincipalPrueba.h"
#include "core/shell/frmTip.h"
#include "core/storage/Registro.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

namespace dravek {
namespace {

namespace fs = std::filesystem;
using pruebas::MensajeMostrado;

std::string T(std::int32_t n)
{
    return Texto(0, n);
}

// Enabled state of the project items and the run menu, in the order of the menu.
std::map<std::string, bool> EstadoMenu(const MenuPrincipal &m)
{
    return {{"MnAbriFichero", m.MnAbriFichero.Enabled},
            {"MnNuevaObra", m.MnNuevaObra.Enabled},
            {"MnSeleccionarImpresora", m.MnSeleccionarImpresora.Enabled},
            {"MnImprimir", m.MnImprimir.Enabled},
            {"mnGrabaObra", m.mnGrabaObra.Enabled},
            {"mnCerrarObra", m.mnCerrarObra.Enabled},
            {"mnTramos", m.mnTramos.Enabled},
            {"mnSalir", m.mnSalir.Enabled}};
}

std::map<std::string, bool> Esperado(bool abrir, bool nueva, bool impresora, bool imprimir,
                                     bool graba, bool cerrar, bool tramos)
{
    return {
        {"MnAbriFichero", abrir}, {"MnNuevaObra", nueva}, {"MnSeleccionarImpresora", impresora},
        {"MnImprimir", imprimir}, {"mnGrabaObra", graba}, {"mnCerrarObra", cerrar},
        {"mnTramos", tramos},     {"mnSalir", true}};
}

const auto SinObra = Esperado(true, true, false, false, false, false, false);

// A program folder of its own holding the Spanish program files and, when asked, the English
// help page and logo.
class Carpeta {
public:
    explicit Carpeta(bool ayudaInglesa) : m_ruta(pruebas::CarpetaPrueba("dravek_principal"))
    {
        for (const char *f : {"LUR#GM", "LUR#ES", "LUR#PM", "Anagrama2.bmp", "Anagrama2Ing.bmp",
                              "Dravekesp.html"}) {
            fs::copy_file(fs::path(DRAVEK_DATOS_PROGRAMA) / f, m_ruta / f);
        }
        if (ayudaInglesa) {
            std::ofstream(m_ruta / "Draveking.html") << "<html></html>";
        }
    }
    ~Carpeta() { fs::remove_all(m_ruta); }
    std::string ruta() const { return m_ruta.string(); }

private:
    fs::path m_ruta;
};

struct FilaIdioma {
    const char *nombre;
    const char *guardado; // nullptr: nothing stored
    bool ayudaInglesa;
    std::int16_t idioma; // in force after start-up
    const char *ayuda;   // help file name
    const char *guardadoDespues;
    bool aviso; // the message of text 526
};

TEST(FormaPrincipal, IdiomaDeArranque)
{
    const FilaIdioma filas[] = {
        {"nada guardado", nullptr, false, 1, "Dravekesp.html", "1", false},
        {"inglés con su ayuda", "2", true, 2, "Draveking.html", "2", false},
        {"inglés sin su ayuda", "2", false, 1, "Dravekesp.html", "2", false},
        {"sexto idioma", "6", true, 1, "Dravekesp.html", "1", true},
        {"cero", "0", false, 1, "Dravekesp.html", "1", true},
        {"siete", "7", false, 1, "Dravekesp.html", "1", true},
        {"blanco delante", " 1", false, 1, "Dravekesp.html", "1", true},
        {"cero delante", "01", false, 1, "Dravekesp.html", "1", true},
    };
    for (const FilaIdioma &f : filas) {
        SCOPED_TRACE(f.nombre);
        Carpeta carpeta(f.ayudaInglesa);
        pruebas::PrincipalPrueba p;
        if (f.guardado) {
            p.almacen.ponValor(RaizRegistro::MaquinaLocal, ClaveRegistroPrograma,
                               ValorRegistroIdioma, {TipoTexto, f.guardado});
        }
        if (f.aviso) {
            p.mensajes.responde(RespuestaMensaje::Aceptar);
        }
        pruebas::LocalUsuarioFijo local("");

        ASSERT_TRUE(p.forma.Arranca(carpeta.ruta(), local));
        std::vector<MensajeMostrado> esperados;
        if (f.aviso) {
            esperados.push_back({T(526), BotonesMensaje::Aceptar, IconoMensaje::Ninguno, ""});
        }
        EXPECT_EQ(p.mensajes.mostrados(), esperados);
        EXPECT_EQ(p.estado.ejecucion.Idioma, f.idioma);
        const std::int32_t d = (f.idioma - 1) * 5000;
        EXPECT_EQ(p.estado.ejecucion.DesplazamientoIdioma, d);
        EXPECT_EQ(p.forma.FicheroAyuda(), carpeta.ruta() + "/" + f.ayuda);
        EXPECT_EQ(p.forma.Picture(), carpeta.ruta() + "/" + Texto(d, 406));
        EXPECT_EQ(p.forma.menu().MnAbriFichero.Caption, Texto(d, 1047));
        EXPECT_EQ(p.forma.menu().mnAdvertencia.Caption, Texto(d, 1067));
        const auto guardado = p.almacen.valor(RaizRegistro::MaquinaLocal, ClaveRegistroPrograma,
                                              ValorRegistroIdioma);
        ASSERT_TRUE(guardado.has_value());
        EXPECT_EQ(guardado->datos, f.guardadoDespues);
        // A locale without a decimal separator leaves the point.
        EXPECT_EQ(p.estado.ejecucion.SeparadorDecimalLocal, ".");
        EXPECT_EQ(EstadoMenu(p.forma.menu()), SinObra);
        EXPECT_EQ(p.forma.Timer1Interval, 1000);
    }
}

TEST(FormaPrincipal, AvisoDeArranqueSegunElAjuste)
{
    struct Fila {
        const char *nombre;
        const char *ajuste; // nullptr: absent
        bool muestra;
    };
    for (const Fila &f : {Fila{"ausente", nullptr, true}, Fila{"uno", "1", true},
                          Fila{"cero", "0", false}, Fila{"no numérico", "sí", false}}) {
        SCOPED_TRACE(f.nombre);
        pruebas::PrincipalPrueba p;
        if (f.ajuste) {
            p.almacen.GrabaAjuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias,
                                  f.ajuste);
        }
        p.forma.Timer1Interval = 1000;
        p.forma.Timer1_Timer();
        EXPECT_EQ(p.forma.Timer1Interval, 0);
        EXPECT_EQ(p.ventanas.abiertas,
                  f.muestra ? std::vector<std::string>{"frmTip 1"} : std::vector<std::string>{});
    }
}

TEST(FormaPrincipal, EstadosDelMenuAlAbrirCrearYCerrar)
{
    pruebas::PrincipalPrueba p;
    pruebas::LocalUsuarioFijo local(",");
    ASSERT_TRUE(p.forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
    MenuPrincipal &m = p.forma.menu();

    // The open dialog cancelled: as after start-up, and no data-entry window.
    pulsa(m.MnAbriFichero);
    EXPECT_EQ(EstadoMenu(m), SinObra);
    EXPECT_FALSE(p.obra.cargada);

    p.obra.ficheroElegido = "/obras/presa.dvk";
    pulsa(m.MnAbriFichero);
    EXPECT_TRUE(p.obra.cargada);
    EXPECT_EQ(EstadoMenu(m), Esperado(false, false, true, true, true, true, true));

    // Closing and exit ask the data-entry window first; a refusal closes nothing.
    p.estado.ejecucion.DatosModificados = true;
    for (ElementoMenu *e : {&m.mnCerrarObra, &m.mnSalir}) {
        pulsa(*e);
    }
    EXPECT_FALSE(p.forma.MDIForm_QueryUnload());
    EXPECT_EQ(p.obra.preguntasCierre, 3);
    EXPECT_TRUE(p.obra.cargada);
    EXPECT_TRUE(p.ventanas.abiertas.empty());

    pulsa(m.mnCancelar);
    pulsa(m.mnCerrarObra);
    EXPECT_FALSE(p.obra.cargada);
    EXPECT_EQ(EstadoMenu(m), SinObra);

    pulsa(m.MnNuevaObra);
    EXPECT_TRUE(p.obra.cargada);
    EXPECT_EQ(p.estado.obra.AbrirObraExistente, Falso);
    EXPECT_EQ(EstadoMenu(m), Esperado(false, false, false, false, true, true, true));

    // New run from the project tab: the run tab first.
    EXPECT_EQ(p.captura.TabPrincipal.Tab(), 0);
    pulsa(m.mnNuevoTramo);
    EXPECT_EQ(p.captura.TabPrincipal.Tab(), 1);
    EXPECT_EQ(p.obra.nuevos, 1);

    // Saving the project goes through its range check.
    p.obra.obraValida = false;
    pulsa(m.mnGrabaObra);
    p.obra.obraValida = true;
    pulsa(m.mnGrabaObra);
    EXPECT_EQ(p.obra.grabaciones, 1);

    // A disabled item does nothing.
    m.mnTramos.Enabled = false;
    m.mnNuevoTramo.Enabled = false;
    pulsa(m.mnNuevoTramo);
    EXPECT_EQ(p.obra.nuevos, 1);

    pulsa(m.mnSalir);
    EXPECT_EQ(p.ventanas.abiertas, std::vector<std::string>{"Termina"});
}

TEST(FormaPrincipal, VentanasDelMenu)
{
    pruebas::PrincipalPrueba p;
    pruebas::LocalUsuarioFijo local(",");
    ASSERT_TRUE(p.forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
    MenuPrincipal &m = p.forma.menu();
    p.estado.ejecucion.ModoAdvertencia = 2;
    for (ElementoMenu *e : {&m.mnCalculoHidraulico, &m.mnMedidas, &m.mnAyudaSobreAyuda,
                            &m.mnAcercaDe, &m.mnAdvertencia}) {
        pulsa(*e);
    }
    const std::string ayuda = std::string("Ayuda ") + DRAVEK_DATOS_PROGRAMA + "/Dravekesp.html";
    EXPECT_EQ(p.ventanas.abiertas, (std::vector<std::string>{"CalculoHidraulico", "Protecciones",
                                                             ayuda, "frmAboutBox", "frmTip 2"}));
}

// The notice timer runs on the timer interface: programmed by start-up for one second, it
// shows the notice once when it fires, as the setting says.
TEST(FormaPrincipal, ElTemporizadorDelAvisoDeArranque)
{
    struct Fila {
        const char *ajuste; // nullptr: absent
        bool muestra;
    };
    for (const Fila &f : {Fila{nullptr, true}, Fila{"0", false}}) {
        SCOPED_TRACE(f.ajuste ? f.ajuste : "ausente");
        pruebas::PrincipalPrueba p;
        pruebas::TemporizadorGrabador temporizador;
        // Nothing to wait for before start-up has asked for it.
        p.forma.ArrancaTimer1(temporizador);
        EXPECT_FALSE(temporizador.pendiente());

        if (f.ajuste) {
            p.almacen.GrabaAjuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias,
                                  f.ajuste);
        }
        pruebas::LocalUsuarioFijo local(",");
        ASSERT_TRUE(p.forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
        p.forma.ArrancaTimer1(temporizador);
        EXPECT_EQ(temporizador.intervalo(), 1000);
        EXPECT_TRUE(p.ventanas.abiertas.empty());
        ASSERT_TRUE(temporizador.dispara());
        EXPECT_FALSE(temporizador.pendiente());
        EXPECT_EQ(p.forma.Timer1Interval, 0);
        EXPECT_EQ(p.ventanas.abiertas,
                  f.muestra ? std::vector<std::string>{"frmTip 1"} : std::vector<std::string>{});
        EXPECT_EQ(p.estado.ejecucion.ModoAdvertencia, f.muestra ? 1 : 0);
        // The menu's notice shows the same window, its kind unchanged.
        p.ventanas.abiertas.clear();
        pulsa(p.forma.menu().mnAdvertencia);
        EXPECT_EQ(p.ventanas.abiertas,
                  std::vector<std::string>{f.muestra ? "frmTip 1" : "frmTip 0"});
    }
}

// A language chosen on the data-entry window captions the whole menu, moves the help to the
// language's file and is stored; a store that refuses it says so and the language holds.
TEST(FormaPrincipal, ElCambioDeIdiomaRecaptionaElMenuYLaAyuda)
{
    pruebas::PrincipalPrueba p;
    pruebas::LocalUsuarioFijo local(",");
    ASSERT_TRUE(p.forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
    p.captura.PonTextosCaptura();
    const std::string datos = std::string(DRAVEK_DATOS_PROGRAMA) + "/";
    const auto guardado = [&] {
        std::string s;
        return LeeValorRegistro(p.almacen, RaizRegistro::MaquinaLocal, ClaveRegistroPrograma,
                                ValorRegistroIdioma, s)
                   ? s
                   : std::string("-");
    };
    const auto menuEn = [&](std::int32_t d) {
        const MenuPrincipal &m = p.forma.menu();
        const std::vector<std::pair<const ElementoMenu *, std::int32_t>> textos = {
            {&m.MnArchivo, 1046},         {&m.MnAbriFichero, 1047},
            {&m.MnNuevaObra, 1048},       {&m.MnSeleccionarImpresora, 1049},
            {&m.MnImprimir, 1050},        {&m.mnGrabaObra, 1051},
            {&m.mnCerrarObra, 1052},      {&m.mnSalir, 1053},
            {&m.mnTramos, 1054},          {&m.mnNuevoTramo, 1055},
            {&m.mnCancelar, 1056},        {&m.mnGrabaTramo, 1057},
            {&m.mnCalculaTramo, 1058},    {&m.mnAjustarArmaduras, 1059},
            {&m.mnOtras, 1060},           {&m.mnCalculoHidraulico, 1061},
            {&m.mnMedidas, 1062},         {&m.mnAyuda, 1063},
            {&m.mnAyudaSobreAyuda, 1065}, {&m.mnAcercaDe, 1066},
            {&m.mnAdvertencia, 1067}};
        for (const auto &[elemento, n] : textos) {
            EXPECT_EQ(elemento->Caption, Texto(d, n)) << elemento->Name();
        }
    };

    ponIndice(p.captura.edIdioma, 1);
    EXPECT_EQ(p.estado.ejecucion.Idioma, 2);
    menuEn(5000);
    EXPECT_EQ(p.forma.FicheroAyuda(), datos + "Draveking.html");
    EXPECT_EQ(guardado(), "2");
    pulsa(p.forma.menu().mnAyudaSobreAyuda);
    EXPECT_EQ(p.ventanas.abiertas, std::vector<std::string>{"Ayuda " + datos + "Draveking.html"});
    EXPECT_TRUE(p.mensajes.mostrados().empty());

    p.almacen.fallaEscritura(true);
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    ponIndice(p.captura.edIdioma, 4);
    EXPECT_EQ(p.estado.ejecucion.Idioma, 5);
    menuEn(20000);
    EXPECT_EQ(p.forma.FicheroAyuda(), datos + "Dravekfra.html");
    EXPECT_EQ(guardado(), "2");
    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {Texto(20000, 1480), BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, ""}}));
}

// A saved project of two runs numbered 3 and 7, the first one shown.
void ObraDeDosTramos(pruebas::PrincipalPrueba &p)
{
    p.obra.cargada = true;
    p.estado.obra.AbrirObraExistente = Verdadero;
    p.estado.obra.NombreFicheroObra = "/obras/presa.dvk";
    ponTexto(p.captura.edObra, "Presa de Itoiz");
    p.captura.edTramo.AddItem("3");
    p.captura.edTramo.AddItem("7");
    p.obra.CargaTramo(1);
    p.obra.cargas.clear();
}

TEST(ComandosCalculo, CalculaTramoRehusaUnaObraSinGrabar)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    p.estado.obra.AbrirObraExistente = Falso;
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(p.forma.menu().mnCalculaTramo);
    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {T(379), BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, T(377)}}));
    EXPECT_EQ(p.obra.validaciones, std::vector<bool>{true});
    EXPECT_TRUE(p.diseno.tramos.empty());
    EXPECT_TRUE(p.ventanas.abiertas.empty());
}

TEST(ComandosCalculo, AjustaArmadurasRehusaCambiosSinGrabar)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    p.estado.ejecucion.DatosModificados = true;
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(p.forma.menu().mnAjustarArmaduras);
    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {T(380), BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, T(377)}}));
    EXPECT_TRUE(p.ventanas.abiertas.empty());

    p.estado.ejecucion.DatosModificados = false;
    pulsa(p.forma.menu().mnAjustarArmaduras);
    EXPECT_EQ(p.ventanas.abiertas, std::vector<std::string>{"frAjustes"});
    EXPECT_EQ(p.calculo.listado().Caption, std::string(9, ' ') + T(378));
    EXPECT_EQ(p.estado.tramo.TramoActual, 3);
    EXPECT_EQ(p.estado.obra.TIGEN, "Presa de Itoiz");
}

// The listing window left loaded and hidden behind the adjustment window takes a change of
// language with the rest of the interface: its caption, frame, tip, options and buttons.
TEST(ComandosCalculo, ElListadoCargadoCambiaDeIdioma)
{
    pruebas::PrincipalPrueba p;
    pruebas::LocalUsuarioFijo local(",");
    ASSERT_TRUE(p.forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
    p.captura.PonTextosCaptura();
    ObraDeDosTramos(p);
    pulsa(p.forma.menu().mnAjustarArmaduras);
    const frEscribePantalla &l = p.calculo.listado();
    ASSERT_TRUE(l.Cargada());
    ASSERT_EQ(l.btSalir.Caption, T(508));

    ponIndice(p.captura.edIdioma, 1);
    ASSERT_EQ(p.estado.ejecucion.Idioma, 2);
    const auto E = [](std::int32_t n) { return Texto(5000, n); };
    EXPECT_EQ(l.Caption, std::string(9, ' ') + E(378));
    EXPECT_EQ(l.frTipoListado.Caption, E(502));
    EXPECT_EQ(l.frTipoListadoToolTipText, E(958));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(l.rdTipoListado[i].Caption, E(503 + i));
    }
    EXPECT_EQ(l.btImprimeTramo.Caption, E(507));
    EXPECT_EQ(l.btSalir.Caption, E(508));
}

// The adjustment window finds its run by the run's place in the list, and does not open
// without the project's overrides.
TEST(ComandosCalculo, VentanaDeAjustesSobreLaCaptura)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    ObraAjustesCaptura obra(p.obra);
    EXPECT_EQ(obra.PosicionTramo(3), 1);
    EXPECT_EQ(obra.PosicionTramo(7), 2);
    EXPECT_EQ(obra.PosicionTramo(2), 0);
    EXPECT_EQ(obra.TituloObra(), "Presa de Itoiz");

    p.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_EQ(p.calculo.CargaAjustes(), nullptr);
    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {T(1707), BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, T(689)}}));
    EXPECT_TRUE(p.diseno.tramos.empty());
}

// The window opened by the command: the run found by its place in the list, the opener's
// caption, and the check's debug file in the folder of the calculation's.
TEST(ComandosCalculo, VentanaDeAjustesAbiertaYSuDepuracion)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    pruebas::AjustesGuardadosEnMemoria ajustes;
    p.obra.ajustesGuardados = &ajustes;
    // A folder that does not exist yet: the command makes it.
    const std::filesystem::path carpeta =
        pruebas::CarpetaPrueba("dravek_depuracion_ajustes") / "depuracion";
    p.estado.ejecucion.CarpetaDepuracion = carpeta.string();
    p.estado.tramo.TramoActual = 7;
    const std::unique_ptr<frAjustes> v = p.calculo.CargaAjustes();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->Caption, std::string(9, ' ') + T(381));
    EXPECT_EQ(p.obra.cargas, std::vector<int>{2});
    EXPECT_EQ(p.diseno.tramos, std::vector<std::int16_t>{7});
    EXPECT_TRUE(std::filesystem::exists(carpeta / "Debug_cal.txt"));
    EXPECT_TRUE(p.mensajes.mostrados().empty());
    std::filesystem::remove_all(carpeta);
}

TEST(ComandosCalculo, CalculaTramoMuestraSuListado)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    ponTexto(p.captura.edTramo, "7");
    const double ESP = p.estado.tramo.ESP;
    pulsa(p.forma.menu().mnCalculaTramo);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
    ASSERT_EQ(p.ventanas.abiertas, std::vector<std::string>{"frEscribePantalla"});
    // Three heights by three pressures, all of run 7.
    EXPECT_EQ(p.diseno.tramos, std::vector<std::int16_t>(9, 7));
    // The window holds the listing it showed: every pressure line of the run.
    const std::string &listado = p.calculo.listado().edPantalla.Text();
    EXPECT_EQ(p.ventanas.listados[0], listado);
    std::size_t presiones = 0;
    for (auto i = listado.find(T(548)); i != std::string::npos; i = listado.find(T(548), i + 1)) {
        ++presiones;
    }
    EXPECT_EQ(presiones, 9u);
    EXPECT_EQ(p.calculo.listado().Caption, std::string(9, ' ') + T(378));
    EXPECT_FALSE(p.calculo.ImprimeObraCompleta());
    // Back in the screen's units with the run's own geometry.
    EXPECT_FALSE(p.estado.ejecucion.EnUnidadesCalculo);
    EXPECT_DOUBLE_EQ(p.estado.tramo.ESP, ESP);
    // Reinforced concrete: no Lamé listing to choose.
    EXPECT_FALSE(p.calculo.listado().rdTipoListado[3].Visible);

    // A second command starts from an empty listing.
    pulsa(p.forma.menu().mnCalculaTramo);
    EXPECT_EQ(p.ventanas.listados[1], p.ventanas.listados[0]);
}

TEST(ComandosCalculo, ImprimeObraRehusaCambiosAntesDeValidar)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    p.estado.ejecucion.DatosModificados = true;
    p.obra.obraValida = false;
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(p.forma.menu().MnImprimir);
    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {T(376), BotonesMensaje::Aceptar, IconoMensaje::Ninguno, T(377)}}));
    EXPECT_TRUE(p.obra.cargas.empty());
}

TEST(ComandosCalculo, ImprimeObraCalculaCadaTramoConSuNumero)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    bool modal = false;
    p.ventanas.alMostrarListado = [&] { modal = p.estado.ejecucion.VentanaModalAbierta; };
    pulsa(p.forma.menu().MnImprimir);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
    EXPECT_TRUE(modal);
    EXPECT_FALSE(p.estado.ejecucion.VentanaModalAbierta);
    std::vector<std::int16_t> esperados(9, 3);
    esperados.insert(esperados.end(), 9, 7);
    EXPECT_EQ(p.diseno.tramos, esperados);
    // Each run loaded in list order, then the run that was shown comes back.
    EXPECT_EQ(p.obra.cargas, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(p.obra.validaciones, (std::vector<bool>{false, false}));
    ASSERT_EQ(p.ventanas.listados.size(), 1u);
    EXPECT_TRUE(p.calculo.ImprimeObraCompleta());

    // The listing window's print calculates both runs again onto the printer.
    p.diseno.tramos.clear();
    p.calculo.listado().Form_Load();
    ponValor(p.calculo.listado().rdTipoListado, 1, true);
    pulsa(p.calculo.listado().btImprimeTramo);
    EXPECT_EQ(p.diseno.tramos, esperados);
    EXPECT_EQ(p.trabajo.abortados, 0);
    EXPECT_EQ(p.impresora.orientacion(), Orientacion::Horizontal);
    ASSERT_FALSE(p.impresora.operaciones().empty());
    EXPECT_EQ(p.impresora.operaciones().back().tipo, pruebas::TipoOperacion::FinDocumento);
    EXPECT_FALSE(p.calculo.listado().Cargada());
}

// The page header prints the client as its box shows it: typed into a new project, or changed
// after the project was opened, without the project being read again.
TEST(ComandosCalculo, ElClienteDeLaCajaEnLaCabeceraDePagina)
{
    for (const bool obraCompleta : {false, true}) {
        SCOPED_TRACE(obraCompleta ? "whole project" : "one run");
        pruebas::PrincipalPrueba p;
        ObraDeDosTramos(p);
        p.estado.obra.Cliente = "Cliente anterior";
        ponTexto(p.captura.edCliente, "Aguas del Norte");
        pulsa(obraCompleta ? p.forma.menu().MnImprimir : p.forma.menu().mnCalculaTramo);
        ASSERT_TRUE(p.mensajes.mostrados().empty());
        p.calculo.listado().Form_Load();
        ponValor(p.calculo.listado().rdTipoListado, 0, true);
        pulsa(p.calculo.listado().btImprimeTramo);
        const std::string esperada = std::string(10, ' ') + T(163) + " " + "Aguas del Norte" +
                                     std::string(40 - 15, ' ') + std::string(3, ' ') + T(250) +
                                     ": 05/03/2024 09:41";
        const std::vector<std::string> lineas = p.impresora.lineas(1);
        EXPECT_NE(std::find(lineas.begin(), lineas.end(), esperada), lineas.end());
    }
}

TEST(ComandosCalculo, UnTramoInvalidoDetieneLaObraYConservaElListado)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    p.captura.edTramo.AddItem("9");
    p.obra.tramosInvalidos = {2};
    const MensajeMostrado detiene{T(1520) + " 7", BotonesMensaje::Aceptar,
                                  IconoMensaje::Exclamacion, ""};
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(p.forma.menu().MnImprimir);
    EXPECT_EQ(p.mensajes.mostrados(), std::vector<MensajeMostrado>{detiene});
    // Run 3 calculated and shown; run 9 never reached.
    EXPECT_EQ(p.diseno.tramos, std::vector<std::int16_t>(9, 3));
    ASSERT_EQ(p.ventanas.listados.size(), 1u);
    EXPECT_EQ(p.ventanas.listados[0], p.calculo.listado().edPantalla.Text());
    EXPECT_NE(p.ventanas.listados[0].find(T(548)), std::string::npos);
    EXPECT_EQ(p.obra.cargas, (std::vector<int>{1, 2, 1}));

    // Its print stops at the same run: the job is dropped and the window stays open.
    p.mensajes.olvida();
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(p.calculo.listado().btImprimeTramo);
    EXPECT_EQ(p.mensajes.mostrados(), std::vector<MensajeMostrado>{detiene});
    EXPECT_EQ(p.trabajo.abortados, 1);
    EXPECT_TRUE(p.calculo.listado().Cargada());
    for (const auto &op : p.impresora.operaciones()) {
        EXPECT_NE(op.tipo, pruebas::TipoOperacion::FinDocumento);
    }
}

// Overrides that could not be voided have been told where the store found it: the run is not
// calculated without them, alone or in the whole project's pass, and nothing more is said of
// it but where the pass stopped.
TEST(ComandosCalculo, AjustesSinAnularNoSeCalculan)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    p.obra.rehusaAjustes = true;
    ponTexto(p.captura.edTramo, "7");
    pulsa(p.forma.menu().mnCalculaTramo);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
    EXPECT_TRUE(p.diseno.tramos.empty());
    EXPECT_TRUE(p.ventanas.listados.empty());

    p.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(p.forma.menu().MnImprimir);
    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {T(1520) + " 3", BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, ""}}));
    EXPECT_TRUE(p.diseno.tramos.empty());
}

TEST(ComandosCalculo, UnErrorDelCalculoSeMuestraYLaObraSigue)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    p.diseno.fallaEnTramo = 7;
    const double ESP = p.estado.tramo.ESP;
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(p.forma.menu().MnImprimir);
    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {"fallo del tramo", BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, ""},
                  {T(1520) + " 7", BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, ""}}));
    EXPECT_FALSE(p.estado.ejecucion.EnUnidadesCalculo);
    EXPECT_DOUBLE_EQ(p.estado.tramo.ESP, ESP);
    EXPECT_EQ(p.captura.edTramo.Text(), "3");
}

// A fault inside the calculation, on screen or on paper, is told; the run, its geometry and
// its units are as before and the next command works.
TEST(ComandosCalculo, UnFalloInternoSeMuestraYNadaCambia)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    const double ESP = p.estado.tramo.ESP;
    const double RECI = p.estado.tramo.RECI;
    const std::string sistema = p.estado.ejecucion.SistemaUnidades;
    const MensajeMostrado fallo{T(1525) + " desbordamiento", BotonesMensaje::Aceptar,
                                IconoMensaje::Exclamacion, ""};
    const auto comoAntes = [&] {
        EXPECT_FALSE(p.estado.ejecucion.EnUnidadesCalculo);
        EXPECT_EQ(p.estado.ejecucion.SistemaUnidades, sistema);
        EXPECT_DOUBLE_EQ(p.estado.tramo.ESP, ESP);
        EXPECT_DOUBLE_EQ(p.estado.tramo.RECI, RECI);
        EXPECT_EQ(p.captura.edTramo.Text(), "3");
    };

    p.diseno.lanza = true;
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(p.forma.menu().mnCalculaTramo);
    EXPECT_EQ(p.mensajes.mostrados(), std::vector<MensajeMostrado>{fallo});
    EXPECT_EQ(p.ventanas.abiertas, std::vector<std::string>{"frEscribePantalla"});
    comoAntes();

    p.mensajes.olvida();
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(p.calculo.listado().btImprimeTramo);
    EXPECT_EQ(p.mensajes.mostrados(), std::vector<MensajeMostrado>{fallo});
    EXPECT_EQ(p.trabajo.abortados, 1);
    EXPECT_TRUE(p.calculo.listado().Cargada());
    comoAntes();

    p.mensajes.olvida();
    p.diseno.lanza = false;
    pulsa(p.forma.menu().mnCalculaTramo);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
    EXPECT_EQ(p.ventanas.listados.back(), p.calculo.listado().edPantalla.Text());
    EXPECT_NE(p.ventanas.listados.back().find(Texto(0, 548)), std::string::npos);
    comoAntes();
}

TEST(ComandosCalculo, ImpresionCanceladaOFallida)
{
    pruebas::PrincipalPrueba p;
    ObraDeDosTramos(p);
    pulsa(p.forma.menu().mnCalculaTramo);
    p.diseno.tramos.clear();

    p.trabajo.acepta = false;
    pulsa(p.calculo.listado().btImprimeTramo);
    EXPECT_TRUE(p.diseno.tramos.empty());
    EXPECT_TRUE(p.calculo.listado().Cargada());

    EXPECT_EQ(p.trabajo.abortados, 0);

    p.trabajo.acepta = true;
    p.impresora.FallaFinDocumento(ErrorPropioImpresora);
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    pulsa(p.calculo.listado().btImprimeTramo);
    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {T(1521) + " 482", BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, ""}}));
    // The failed document is dropped, not left half on the printer or in a file.
    EXPECT_EQ(p.trabajo.abortados, 1);
    EXPECT_EQ(p.diseno.tramos, std::vector<std::int16_t>(9, 3));
    EXPECT_EQ(p.impresora.orientacion(), Orientacion::Vertical);
    EXPECT_TRUE(p.calculo.listado().Cargada());
}

TEST(frEscribePantalla, EleccionDelTipoDeListado)
{
    EstadoObra estado;
    frEscribePantalla ventana(estado);
    estado.tramo.Tipologia = 2211;
    estado.listado.TipoListado = ClaseListado::Normal;
    estado.listado.ListadoLame = true;
    ventana.Form_Load();
    EXPECT_TRUE(ventana.rdTipoListado[3].Visible);
    EXPECT_EQ(ventana.rdTipoListado.Seleccionada(), 3);
    EXPECT_EQ(ventana.frTipoListadoToolTipText, T(958));

    ponValor(ventana.rdTipoListado, 1, true);
    EXPECT_FALSE(estado.listado.ListadoLame);
    EXPECT_EQ(estado.listado.TipoListado, ClaseListado::Tabular);

    ponValor(ventana.rdTipoListado, 3, true);
    pulsa(ventana.btSalir);
    EXPECT_FALSE(ventana.Cargada());
    ventana.Form_Load();
    EXPECT_EQ(ventana.rdTipoListado.Seleccionada(), 3);
    EXPECT_TRUE(estado.listado.ListadoLame);
    EXPECT_EQ(estado.listado.TipoListado, ClaseListado::Normal);
}

TEST(ComandosCalculo, NumeroDeTramo)
{
    EXPECT_EQ(NumeroTramoDeTexto("12"), 12);
    EXPECT_EQ(NumeroTramoDeTexto("  7"), 7);
    EXPECT_EQ(NumeroTramoDeTexto(""), 0);
    EXPECT_EQ(NumeroTramoDeTexto("x"), 0);
    EXPECT_EQ(NumeroTramoDeTexto("99999"), 0);
}

// Every command starts the debug file empty, and it is whole on disk before the listing shows.
TEST(ComandosCalculo, CadaOrdenEmpiezaElFicheroDeDepuracion)
{
    const fs::path carpeta = pruebas::CarpetaPrueba("dravek_depuracion_ordenes");
    const fs::path ruta = carpeta / "Debugzuk_cal.txt";
    {
        pruebas::PrincipalPrueba p;
        ObraDeDosTramos(p);
        FicheroDepuracion fichero(carpeta.string() + "/");
        ComandosCalculo calculo(p.estado, {p.mensajes, p.salida, fichero, p.diseno, p.obra,
                                           p.ventanas, p.trabajo, p.progreso, &fichero});
        p.calculoPtr = &calculo;
        p.forma.Conecta(p.obra, p.ventanas, calculo);
        std::vector<std::uintmax_t> alMostrar;
        p.ventanas.alMostrarListado = [&] { alMostrar.push_back(fs::file_size(ruta)); };

        pulsa(p.forma.menu().mnCalculaTramo);
        pulsa(p.forma.menu().mnCalculaTramo);
        pulsa(p.forma.menu().MnImprimir);
        ASSERT_EQ(alMostrar.size(), 3u);
        EXPECT_GT(alMostrar[0], 0u);
        EXPECT_EQ(alMostrar[1], alMostrar[0]);
        // Two runs of the same data: twice the lines of one.
        EXPECT_EQ(alMostrar[2], 2 * alMostrar[0]);
        EXPECT_TRUE(p.mensajes.mostrados().empty());
    }
    fs::remove_all(carpeta);
}

} // namespace
} // namespace dravek
