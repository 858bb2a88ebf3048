// The data-entry window as the main menu drives it: a project opened or started, a run chosen
// in the run-number box, and the offer to save a changed header or run before the project
// closes or the program ends.

#include "core/entry/ObraCapturaDatos.h"

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/CapturaPrueba.h"
#include "apoyo/CarpetaPrueba.h"
#include "apoyo/CerrojosEnMemoria.h"
#include "apoyo/ComandosCapturaGrabadora.h"
#include "apoyo/ObraPrueba.h"
#include "apoyo/ProgramaPrueba.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "apoyo/TramosTecleados.h"
#include "apoyo/VentanasNulas.h"
#include "apoyo/VistaCapturaNula.h"
#include "core/model/TextoRecurso.h"
#include "core/shell/FormaPrincipal.h"
#include "core/storage/RegistrosObra.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::AlmacenConfiguracionEnMemoria;
using pruebas::DialogosFicheroGuionizados;
using pruebas::FicherosEnMemoria;
using pruebas::Guion;
using pruebas::LeeFicheroPrueba;
using pruebas::MensajeMostrado;
using pruebas::MensajesGrabadora;

const std::string Ruta = "/obras/presa.dvk";
const std::string SistemaSI = ". Sistema unidades: Internacional(SI)";
const std::string SistemaMKS = ". Sistema unidades: MKS";

std::string T(std::int32_t n)
{
    return Texto(0, n);
}

MensajeMostrado Aviso(const std::string &texto)
{
    return {texto, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, ""};
}

const MensajeMostrado PreguntaCierre{T(1600), BotonesMensaje::SiNoCancelar, IconoMensaje::Pregunta,
                                     T(377)};

std::string Golden()
{
    return LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_coma.dvk");
}

// A project of three runs numbered 1, 2 and 5, typed and saved as an engineer would.
std::string ObraDeTresTramos()
{
    pruebas::ObraPrueba o;
    pruebas::Tecleo t(o, false);
    t.ObraNueva("Tres tramos");
    for (const char *descripcion : {"Primero", "Segundo", "Tercero"}) {
        pruebas::TramoTecleado tramo;
        tramo.descripcion = descripcion;
        t.Teclea(tramo);
        t.Graba(o.captura.edTramo.ListCount() == 0 ? std::optional<std::string>(Ruta)
                                                   : std::nullopt);
    }
    FicheroRegistros f(o.ficheros.Contenido(Ruta));
    f.Escribe(RegistroNumeroTramo(3), "5");
    return f.Bytes();
}

class VistaGrabadora final : public VistaCaptura {
public:
    explicit VistaGrabadora(std::vector<std::string> &sucesos) : m_sucesos(sucesos) {}
    void Muestra() override { m_sucesos.push_back("Muestra"); }
    void Cierra() override { m_sucesos.push_back("Cierra"); }
    void Refresca() override {}

private:
    std::vector<std::string> &m_sucesos;
};

class VentanasGrabadoras final : public pruebas::VentanasNulas {
public:
    void Termina() override { ++terminado; }
    int terminado = 0;
};

// The main window's menu over the real data-entry window, with files in memory.
class Banco {
public:
    Banco()
    {
        pruebas::PonGeometria(estado.tablas, {{600, {}, {20, 20, 70}, {}, {}, {}},
                                              {1200, {}, {30, 30, 120}, {}, {}, {}}});
        forma.Conecta(obra, ventanas, comandos);
        obra.PonComandos(comandos);
    }
    Banco(const Banco &) = delete;
    Banco &operator=(const Banco &) = delete;

    MenuPrincipal &menu() { return forma.menu(); }
    CapturaDatos &v() { return *obra.Captura(); }
    void abre(const std::string &ruta)
    {
        dialogos.responde(ruta);
        pulsa(menu().MnAbriFichero);
    }
    // Types a run number and leaves the box.
    bool eligeTramo(const std::string &numero)
    {
        ponTexto(v().edTramo, numero);
        bool Cancel = false;
        v().edTramo_Validate(Cancel);
        return !Cancel;
    }

    EstadoObra estado;
    MensajesGrabadora mensajes{Guion::Estricto};
    FicherosEnMemoria ficheros;
    DialogosFicheroGuionizados dialogos;
    AlmacenConfiguracionEnMemoria configuracion;
    pruebas::TextosPlataformaGrabadora textos;
    FormaPrincipal forma{estado, mensajes, configuracion, textos};
    VentanasGrabadoras ventanas;
    pruebas::CerrojosEnMemoria cerrojos;
    pruebas::ComandosCapturaGrabadora comandos;
    std::vector<std::string> vista;
    ObraCapturaDatos obra{
        estado,
        {mensajes, forma.menu(), ficheros, dialogos, configuracion, cerrojos, forma,
         [this](CapturaDatos &) { return std::make_unique<VistaGrabadora>(vista); }}};

private:
    pruebas::ProgramaPrueba m_programa{estado, "dravek_obra_captura"};
};

// A project opened: its header in the window, no run chosen, the menu of an open project.
TEST(AbreObra, CabeceraEnLaVentana)
{
    Banco b;
    b.ficheros.Pon(Ruta, Golden());
    b.abre(Ruta);
    ASSERT_NE(b.obra.Captura(), nullptr);
    EXPECT_TRUE(b.mensajes.mostrados().empty());
    EXPECT_EQ(b.vista, std::vector<std::string>{"Muestra"});
    CapturaDatos &v = b.v();
    EXPECT_EQ(v.edObra.Text(), "Conducción Río Ebro – Tramo Norte");
    EXPECT_EQ(v.edCliente.Text(), "Aguas del Norte, S.A.");
    EXPECT_EQ(v.edPrs1.Text(), "1,50");
    EXPECT_EQ(v.edPrsM2.Text(), "2,75");
    EXPECT_EQ(v.edAlt2.Text(), "6,00");
    EXPECT_DOUBLE_EQ(b.estado.obra.AlturaFinalObra, 6);
    EXPECT_DOUBLE_EQ(b.estado.obra.MDPFinalObra, 2.75);
    ASSERT_EQ(v.edTramo.ListCount(), 1);
    EXPECT_EQ(v.edTramo.List(0), "1");
    EXPECT_EQ(v.edDi0.ListCount(), 2);
    EXPECT_EQ(v.edDi0.List(1), "1,200");
    EXPECT_EQ(v.edIdioma.Text(), "Español");
    EXPECT_EQ(v.Caption, T(184) + SistemaSI);
    EXPECT_EQ(b.estado.ejecucion.ModoCaptura, " ");
    EXPECT_EQ(b.estado.tramo.TramoActual, 0);
    EXPECT_EQ(v.TabPrincipal.Tab(), 0);
    EXPECT_TRUE(v.btNuevoTramo.Enabled);
    EXPECT_FALSE(v.btGrabar.Enabled);
    EXPECT_FALSE(v.edFct.Enabled);
    EXPECT_FALSE(b.menu().mnGrabaTramo.Enabled);
    EXPECT_TRUE(b.menu().mnTramos.Enabled);
    EXPECT_FALSE(b.menu().MnAbriFichero.Enabled);
    EXPECT_EQ(b.estado.obra.NombreFicheroObra, Ruta);
    EXPECT_FALSE(b.estado.obra.CabeceraModificada);
    EXPECT_FALSE(b.estado.ejecucion.DatosModificados);
}

// Files that cannot be opened: the message, no window, and the previous project's values
// untouched; a name that names no file creates none.
TEST(AbreObra, FicherosQueNoSeAbren)
{
    struct Caso {
        const char *nombre;
        std::optional<std::string> elegido; // what the dialog gives
        std::int32_t registro;              // 0: the golden file as it is
        std::string texto;
        std::string mensaje;
    };
    const std::string version = " Version: 2009-Mar.02";
    const Caso casos[] = {
        {"cancelado", std::nullopt, 0, "", T(528)},
        {"inexistente", "/obras/presa_mal.dvk", 0, "",
         "No existe el fichero /obras/presa_mal.dvk"},
        {"version", Ruta, 1, "Version: 2009-Mar.02 ", T(529) + version},
        {"idioma", Ruta, 2, "IDIOMA:1 Español", T(530) + version},
        {"unidades", Ruta, 3, "Unidades: SI", T(532) + version},
        {"ariete", Ruta, 4, "Ariete: Si", T(533) + version},
        {"presion", Ruta, 8, "25,00", "Fichero de la obra dañado: /obras/presa.dvk (registro 8)"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Banco b;
        FicheroRegistros f(Golden());
        if (c.registro != 0) {
            f.Escribe(c.registro, c.texto);
        }
        b.ficheros.Pon(Ruta, f.Bytes());
        b.estado.obra.DPInicialObra = 7;
        b.estado.obra.AlturaFinalObra = 9;
        b.estado.obra.TIGEN = "Anterior";
        b.mensajes.responde(RespuestaMensaje::Aceptar);
        b.dialogos.responde(c.elegido);
        pulsa(b.menu().MnAbriFichero);
        EXPECT_EQ(b.mensajes.mostrados(), std::vector<MensajeMostrado>{Aviso(c.mensaje)});
        EXPECT_EQ(b.obra.Captura(), nullptr);
        EXPECT_TRUE(b.vista.empty());
        EXPECT_EQ(b.estado.obra.NombreFicheroObra, " ");
        EXPECT_DOUBLE_EQ(b.estado.obra.DPInicialObra, 7);
        EXPECT_DOUBLE_EQ(b.estado.obra.AlturaFinalObra, 9);
        EXPECT_EQ(b.estado.obra.TIGEN, "Anterior");
        EXPECT_TRUE(b.menu().MnAbriFichero.Enabled);
        EXPECT_FALSE(b.menu().mnTramos.Enabled);
        EXPECT_FALSE(b.ficheros.Existe("/obras/presa_mal.dvk"));
    }
}

// The project's language: a language of the table is taken (the window keeps its texts);
// any other is told and the language in force stays.
TEST(AbreObra, IdiomaDelFichero)
{
    struct Caso {
        std::string registro;
        bool avisa;
        std::int16_t idioma;
    };
    const Caso casos[] = {
        {"IDIOMA : 2 English", false, 2}, {"IDIOMA : 5 Français", false, 5},
        {"IDIOMA : 9 Otro", true, 1},     {"IDIOMA : 12 Otro", true, 1},
        {"IDIOMA : 0", true, 1},          {"IDIOMA : ", true, 1},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.registro);
        Banco b;
        FicheroRegistros f(Golden());
        f.Escribe(2, c.registro);
        b.ficheros.Pon(Ruta, f.Bytes());
        if (c.avisa) {
            b.mensajes.responde(RespuestaMensaje::Aceptar);
        }
        b.abre(Ruta);
        ASSERT_NE(b.obra.Captura(), nullptr);
        EXPECT_EQ(b.mensajes.mostrados(), c.avisa ? std::vector<MensajeMostrado>{Aviso(T(531))}
                                                  : std::vector<MensajeMostrado>{});
        // The project keeps its language for its file; the interface stays in the engineer's,
        // and the language box names the interface's.
        EXPECT_EQ(IdiomaDeLaObra(b.estado), c.idioma);
        EXPECT_EQ(b.estado.ejecucion.Idioma, 1);
        EXPECT_EQ(b.v().edIdioma.Text(), T(101));
        EXPECT_EQ(b.estado.ejecucion.DesplazamientoIdioma, 0);
        EXPECT_EQ(b.v().Caption, T(184) + SistemaSI);
    }
}

// An engineer working in English opens, twice, a project saved in Spanish: the window, its
// lists and the menus stay in English, the language box names the interface's "English",
// leaving the box untouched changes nothing, and saving writes the project's language back.
// A new project then records the interface's language.
TEST(AbreObra, LaLenguaDeLaObraNoCambiaLaDelInterfaz)
{
    Banco b;
    b.estado.ejecucion.Idioma = 2;
    b.forma.PonTextosMenu();
    constexpr std::int32_t Ingles = 5000;
    const auto E = [](std::int32_t n) { return Texto(Ingles, n); };
    FicheroRegistros f(Golden());
    f.Escribe(2, "IDIOMA : 1 Español");
    b.ficheros.Pon(Ruta, f.Bytes());
    for (int vez = 1; vez <= 2; ++vez) {
        SCOPED_TRACE(vez);
        b.abre(Ruta);
        ASSERT_NE(b.obra.Captura(), nullptr);
        CapturaDatos &v = b.v();
        EXPECT_EQ(b.estado.ejecucion.Idioma, 2);
        EXPECT_EQ(b.estado.ejecucion.DesplazamientoIdioma, Ingles);
        EXPECT_EQ(v.Caption, E(184) + ". " + E(267));
        EXPECT_EQ(v.TabPrincipal.TabCaption[0], E(151));
        EXPECT_EQ(v.edIdioma.Text(), E(102));
        EXPECT_EQ(b.menu().MnAbriFichero.Caption, E(1047));
        EXPECT_EQ(IdiomaDeLaObra(b.estado), 1);

        bool Cancel = false;
        v.edIdioma_Validate(Cancel);
        EXPECT_FALSE(Cancel);
        EXPECT_EQ(b.estado.ejecucion.Idioma, 2);
        EXPECT_EQ(v.edIdioma.Text(), E(102));
        EXPECT_FALSE(b.estado.obra.CabeceraModificada);

        // The header saved keeps the project's language.
        b.estado.obra.CabeceraModificada = true;
        pulsa(b.menu().mnGrabaObra);
        const std::optional<std::string> idioma =
            FicheroRegistros(b.ficheros.Contenido(Ruta)).LeeRegistro(2);
        ASSERT_TRUE(idioma.has_value());
        EXPECT_EQ(idioma->substr(0, 11), "IDIOMA : 1 ") << *idioma;
        pulsa(b.menu().mnCerrarObra);
        ASSERT_EQ(b.obra.Captura(), nullptr);
    }
    EXPECT_TRUE(b.mensajes.mostrados().empty());

    pulsa(b.menu().MnNuevaObra);
    ASSERT_NE(b.obra.Captura(), nullptr);
    EXPECT_EQ(b.v().edIdioma.Text(), E(102));
    EXPECT_EQ(IdiomaDeLaObra(b.estado), 2);
}

// Blank height records are empty boxes and heights of 0, whatever the previous project had.
TEST(AbreObra, AlturasEnBlanco)
{
    Banco b;
    FicheroRegistros f(Golden());
    for (std::int32_t r : {13, 14, 15}) {
        f.Escribe(r, "");
    }
    b.ficheros.Pon(Ruta, f.Bytes());
    b.estado.obra.AlturaInicialObra = 3;
    b.estado.obra.AlturaFinalObra = 6;
    b.estado.obra.IncrementoAlturaObra = 1;
    b.abre(Ruta);
    ASSERT_NE(b.obra.Captura(), nullptr);
    EXPECT_TRUE(b.mensajes.mostrados().empty());
    for (const ControlTexto *caja : {&b.v().edAlt1, &b.v().edAlt2, &b.v().edAlt3}) {
        EXPECT_EQ(caja->Text(), "") << caja->Name();
    }
    EXPECT_DOUBLE_EQ(b.estado.obra.AlturaInicialObra, 0);
    EXPECT_DOUBLE_EQ(b.estado.obra.AlturaFinalObra, 0);
    EXPECT_DOUBLE_EQ(b.estado.obra.IncrementoAlturaObra, 0);
    // No final height: the increment cannot be typed.
    EXPECT_TRUE(b.v().edAlt3.Locked);
}

// What belongs to the header marks it as changed; the run's boxes do not.
TEST(AbreObra, CambiosDeLaCabecera)
{
    struct Caso {
        const char *nombre;
        std::function<void(CapturaDatos &)> cambia;
        bool cabecera;
    };
    const Caso casos[] = {
        {"titulo", [](CapturaDatos &v) { ponTexto(v.edObra, "Otra"); }, true},
        {"cliente", [](CapturaDatos &v) { ponTexto(v.edCliente, "Otro"); }, true},
        {"DP inicial", [](CapturaDatos &v) { ponTexto(v.edPrs1, "1,60"); }, true},
        {"MDP final", [](CapturaDatos &v) { ponTexto(v.edPrsM2, "3,00"); }, true},
        {"incremento", [](CapturaDatos &v) { ponTexto(v.edPrs3, "0,40"); }, true},
        {"altura final", [](CapturaDatos &v) { ponTexto(v.edAlt2, "7,00"); }, true},
        {"unidades", [](CapturaDatos &v) { ponValor(v.rdSistemaUnidades, 1, true); }, true},
        {"golpe de ariete", [](CapturaDatos &v) { ponValor(v.rdGolpeAriete, 1, true); }, true},
        {"descripcion del tramo", [](CapturaDatos &v) { ponTexto(v.edDescriTramo, "D"); }, false},
        {"espesor", [](CapturaDatos &v) { ponTexto(v.edEsp0, "9,0"); }, false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Banco b;
        b.ficheros.Pon(Ruta, Golden());
        b.abre(Ruta);
        ASSERT_NE(b.obra.Captura(), nullptr);
        ASSERT_FALSE(b.estado.obra.CabeceraModificada);
        c.cambia(b.v());
        EXPECT_EQ(b.estado.obra.CabeceraModificada, c.cabecera);
        EXPECT_TRUE(b.mensajes.mostrados().empty());
    }
}

// A new project: SI, water hammer calculated, the default first height, and the previous
// project's ranges gone.
TEST(NuevaObra, ValoresIniciales)
{
    Banco b;
    b.estado.obra.DPInicialObra = 7;
    b.estado.obra.AlturaFinalObra = 9;
    pulsa(b.menu().MnNuevaObra);
    ASSERT_NE(b.obra.Captura(), nullptr);
    EXPECT_TRUE(b.mensajes.mostrados().empty());
    EXPECT_EQ(b.vista, std::vector<std::string>{"Muestra"});
    CapturaDatos &v = b.v();
    EXPECT_EQ(v.edAlt1.Text(), "3,00");
    EXPECT_DOUBLE_EQ(b.estado.obra.AlturaInicialObra, 3);
    EXPECT_DOUBLE_EQ(b.estado.obra.DPInicialObra, 0);
    EXPECT_DOUBLE_EQ(b.estado.obra.AlturaFinalObra, 0);
    EXPECT_TRUE(v.rdGolpeAriete.Value(0));
    EXPECT_TRUE(v.rdSistemaUnidades.Value(0));
    EXPECT_EQ(b.estado.ejecucion.SistemaUnidades, "SI");
    EXPECT_TRUE(v.edPrs3.Locked);
    EXPECT_EQ(v.Caption, T(184) + SistemaSI);
    EXPECT_EQ(v.edTramo.ListCount(), 0);
    EXPECT_EQ(b.estado.obra.AbrirObraExistente, Falso);
    EXPECT_FALSE(b.estado.obra.CabeceraModificada);
    EXPECT_EQ(v.PeticionFoco(), &v.edObra);
    // Closing an untouched new project asks nothing.
    pulsa(b.menu().mnCerrarObra);
    EXPECT_EQ(b.obra.Captura(), nullptr);
    EXPECT_EQ(b.vista, (std::vector<std::string>{"Muestra", "Cierra"}));
}

// The window loads in the language in force: captions, lists, tabs and pictures.
TEST(NuevaObra, TextosEnDosIdiomas)
{
    for (const std::int16_t idioma : {std::int16_t{1}, std::int16_t{2}}) {
        SCOPED_TRACE(idioma);
        Banco b;
        b.estado.ejecucion.Idioma = idioma;
        const std::int32_t d = (idioma - 1) * 5000;
        const auto t = [d](std::int32_t n) { return Texto(d, n); };
        std::ofstream(b.estado.ejecucion.RutaAplicacion + t(412)) << "BM";
        pulsa(b.menu().MnNuevaObra);
        ASSERT_NE(b.obra.Captura(), nullptr);
        CapturaDatos &v = b.v();
        EXPECT_EQ(b.estado.ejecucion.DesplazamientoIdioma, d);
        EXPECT_EQ(v.Caption, t(184) + ". " + t(267));
        EXPECT_EQ(v.edIdioma.Text(), t(100 + idioma));
        EXPECT_EQ(v.edIdioma.List(4), t(105));
        EXPECT_EQ(v.TabPrincipal.TabCaption, (std::vector<std::string>{t(151), t(152), t(153)}));
        EXPECT_EQ(v.btNuevoTramo.Caption, t(213));
        EXPECT_EQ(v.btCancelar.Caption, t(214));
        EXPECT_EQ(v.lbEtiquetas(20).Caption, t(225));
        EXPECT_EQ(v.edTipoCuna0.List(1), t(118));
        EXPECT_EQ(v.rdSistemaUnidades[1].Caption, t(177));
        // The installation picture of the language, here and for the printed listing.
        EXPECT_EQ(v.ptColocacion.Picture, b.estado.ejecucion.RutaAplicacion + t(412));
        EXPECT_EQ(b.estado.frFiguras.ptColocacion, v.ptColocacion.Picture);
    }
}

// A new project typed, saved, closed and opened again: its run comes back.
TEST(ObraCapturaDatos, NuevaGrabadaCerradaYAbierta)
{
    Banco b;
    pulsa(b.menu().MnNuevaObra);
    CapturaDatos &v = b.v();
    ponTexto(v.edObra, "Presa de Itoiz");
    ponTexto(v.edPrsM1, "1,10");
    EXPECT_TRUE(b.estado.obra.CabeceraModificada);
    pulsa(b.menu().mnNuevoTramo);
    EXPECT_EQ(v.edTramo.Text(), "1");
    PonDefectosArmado(v);
    ponTexto(v.edDescriTramo, "Cruce del río");
    ponTexto(v.edDi0, "1,200");
    ponTexto(v.edEsp0, "12,0");
    ponTexto(v.edReci0, "3,0");
    ponTexto(v.edRece0, "3,0");
    b.mensajes.responde(RespuestaMensaje::Si); // save the run?
    b.dialogos.responde(Ruta);
    pulsa(b.menu().mnGrabaTramo);
    ASSERT_TRUE(b.ficheros.Existe(Ruta));
    EXPECT_EQ(b.estado.ejecucion.ModoCaptura, "MODIFICACIONES");
    EXPECT_FALSE(b.estado.obra.CabeceraModificada);
    EXPECT_FALSE(b.estado.ejecucion.DatosModificados);

    pulsa(b.menu().mnCerrarObra);
    EXPECT_EQ(b.obra.Captura(), nullptr);
    EXPECT_TRUE(b.menu().MnAbriFichero.Enabled);
    EXPECT_EQ(b.mensajes.mostrados().size(), 1u);

    b.abre(Ruta);
    ASSERT_NE(b.obra.Captura(), nullptr);
    CapturaDatos &otra = b.v();
    EXPECT_EQ(otra.edObra.Text(), "Presa de Itoiz");
    EXPECT_EQ(otra.edPrsM1.Text(), "1,10");
    EXPECT_TRUE(b.eligeTramo("1"));
    EXPECT_EQ(otra.edDescriTramo.Text(), "Cruce del río");
    EXPECT_EQ(otra.edEsp0.Text(), "12,0");
    EXPECT_EQ(b.estado.tramo.TramoActual, 1);
    EXPECT_EQ(b.estado.ejecucion.ModoCaptura, "MODIFICACIONES");
    EXPECT_EQ(b.mensajes.mostrados().size(), 1u);
    EXPECT_EQ(b.vista, (std::vector<std::string>{"Muestra", "Cierra", "Muestra"}));
}

// Closing the project lets another program open it; opening it again holds it again.
TEST(ObraCapturaDatos, CerrarLaObraLaDejaParaOtroPrograma)
{
    // The locks outlive the project that holds one: it lets its lock go as it is destroyed.
    Banco b;
    pruebas::CerrojosEnMemoria &cerrojos = b.cerrojos;
    b.ficheros.Pon(Ruta, Golden());
    b.abre(Ruta);
    ASSERT_NE(b.obra.Captura(), nullptr);
    EXPECT_TRUE(cerrojos.Tomado(Ruta));
    pulsa(b.menu().mnCerrarObra);
    EXPECT_EQ(b.obra.Captura(), nullptr);
    EXPECT_FALSE(cerrojos.Tomado(Ruta));
    b.abre(Ruta);
    EXPECT_TRUE(cerrojos.Tomado(Ruta));
    EXPECT_TRUE(b.mensajes.mostrados().empty());
}

// Choosing a run by its number: loaded when listed; a number not listed only puts the previous
// one back, before any question about unsaved changes.
TEST(EligeTramo, NumerosYCambios)
{
    const MensajeMostrado noExiste = Aviso("No existe ese Tramo");
    const MensajeMostrado cambios{T(525) + " \n" + T(325), BotonesMensaje::SiNo,
                                  IconoMensaje::Ninguno, T(377)};
    struct Caso {
        const char *nombre;
        const char *previo;   // run loaded first ("": none)
        bool modificado;      // its description typed over
        const char *tecleado; // the number typed
        std::vector<RespuestaMensaje> respuestas;
        std::vector<MensajeMostrado> mensajes;
        bool aceptado;      // the focus may leave the box
        std::string caja;   // edTramo afterwards
        std::int16_t tramo; // TramoActual afterwards
        std::string modo;   // ModoCaptura afterwards
        std::string descripcion;
    };
    const std::vector<Caso> casos = {
        {"listado", "", false, "2", {}, {}, true, "2", 2, "MODIFICACIONES", "Segundo"},
        {"no listado sin tramo",
         "",
         false,
         "7",
         {RespuestaMensaje::Aceptar},
         {noExiste},
         false,
         "",
         0,
         " ",
         ""},
        {"redondeo al par", "", false, "2,5", {}, {}, true, "2", 2, "MODIFICACIONES", "Segundo"},
        {"redondeo arriba", "", false, "4,6", {}, {}, true, "5", 5, "MODIFICACIONES", "Tercero"},
        {"otro sin cambios", "2", false, "5", {}, {}, true, "5", 5, "MODIFICACIONES", "Tercero"},
        {"no listado con cambios",
         "2",
         true,
         "7",
         {RespuestaMensaje::Aceptar},
         {noExiste},
         false,
         "2",
         2,
         "MODIFICACIONES",
         "Cambiado"},
        {"cambios y No",
         "2",
         true,
         "5",
         {RespuestaMensaje::No},
         {cambios},
         true,
         "2",
         2,
         "MODIFICACIONES",
         "Cambiado"},
        {"cambios y Si",
         "2",
         true,
         "5",
         {RespuestaMensaje::Si},
         {cambios},
         true,
         "5",
         5,
         "MODIFICACIONES",
         "Tercero"},
        {"el mismo", "2", true, "2", {}, {}, true, "2", 2, "MODIFICACIONES", "Cambiado"},
        {"cero y No",
         "",
         false,
         "0",
         {RespuestaMensaje::No},
         {{T(524), BotonesMensaje::SiNo, IconoMensaje::Ninguno, T(377)}},
         true,
         "0",
         0,
         " ",
         ""},
        {"no numerico",
         "",
         false,
         "dos",
         {RespuestaMensaje::Aceptar},
         {{T(693), BotonesMensaje::Aceptar, IconoMensaje::Ninguno, T(523)}},
         false,
         "dos",
         0,
         " ",
         ""},
    };
    const std::string tres = ObraDeTresTramos();
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Banco b;
        b.ficheros.Pon(Ruta, tres);
        b.abre(Ruta);
        ASSERT_NE(b.obra.Captura(), nullptr);
        CapturaDatos &v = b.v();
        ASSERT_EQ(v.edTramo.ListCount(), 3);
        if (*c.previo != '\0') {
            ASSERT_TRUE(b.eligeTramo(c.previo));
        }
        if (c.modificado) {
            ponTexto(v.edDescriTramo, "Cambiado");
            ASSERT_TRUE(b.estado.ejecucion.DatosModificados);
        }
        for (RespuestaMensaje r : c.respuestas) {
            b.mensajes.responde(r);
        }
        EXPECT_EQ(b.eligeTramo(c.tecleado), c.aceptado);
        EXPECT_EQ(b.mensajes.mostrados(), c.mensajes);
        EXPECT_EQ(v.edTramo.Text(), c.caja);
        EXPECT_EQ(b.estado.tramo.TramoActual, c.tramo);
        EXPECT_EQ(b.estado.ejecucion.ModoCaptura, c.modo);
        EXPECT_EQ(v.edDescriTramo.Text(), c.descripcion);
        const bool conTramo = c.modo == "MODIFICACIONES";
        EXPECT_EQ(v.btGrabar.Enabled, conTramo);
        EXPECT_EQ(v.edTramo.Locked, conTramo);
        EXPECT_EQ(b.menu().mnGrabaTramo.Enabled, conTramo);
        if (conTramo) {
            EXPECT_EQ(v.btCancelar.Caption, T(383));
            EXPECT_EQ(v.Caption, T(384) + " " + T(386) + SistemaMKS);
            EXPECT_EQ(b.estado.ejecucion.DatosModificados, c.descripcion == "Cambiado");
        }
    }
}

// Zero offers a new run, numbered after the highest listed.
TEST(EligeTramo, CeroCreaUnTramo)
{
    Banco b;
    b.ficheros.Pon(Ruta, ObraDeTresTramos());
    b.abre(Ruta);
    b.mensajes.responde(RespuestaMensaje::Si); // create a run?
    b.mensajes.responde(RespuestaMensaje::No); // clear the data shown?
    EXPECT_TRUE(b.eligeTramo("0"));
    EXPECT_EQ(b.mensajes.mostrados().size(), 2u);
    EXPECT_EQ(b.v().edTramo.Text(), "6");
    EXPECT_EQ(b.estado.tramo.TramoActual, 6);
    EXPECT_EQ(b.estado.ejecucion.ModoCaptura, "ALTAS");
}

// The whole-project pass loads runs by position; the overrides go by the run's number.
TEST(ObraCapturaDatos, CargaTramoPorPosicionConSuNumero)
{
    Banco b;
    b.ficheros.Pon(Ruta, ObraDeTresTramos());
    b.abre(Ruta);
    ASSERT_TRUE(b.obra.CargaTramo(3));
    EXPECT_EQ(b.estado.tramo.TramoActual, 5);
    EXPECT_EQ(b.v().edTramo.Text(), "5");
    EXPECT_EQ(b.v().edTramo2.Text(), "5");
    EXPECT_EQ(b.v().edDescriTramo.Text(), "Tercero");
    EXPECT_EQ(b.estado.ejecucion.ModoCaptura, "MODIFICACIONES");
    EXPECT_FALSE(b.obra.CargaTramo(4));
    EXPECT_TRUE(b.mensajes.mostrados().empty());
}

// Closing the project, ending the program or closing the window with the header or the run
// changed: Yes saves, No drops the changes, Cancel keeps everything.
TEST(ObraCapturaDatos, CierreConCambios)
{
    enum class Orden { CerrarObra, Salir, BotonCerrar };
    enum class Cambio { Cabecera, Tramo };
    struct Caso {
        Orden orden;
        Cambio cambio;
        RespuestaMensaje respuesta;
    };
    std::vector<Caso> casos;
    for (Orden o : {Orden::CerrarObra, Orden::Salir, Orden::BotonCerrar}) {
        for (Cambio c : {Cambio::Cabecera, Cambio::Tramo}) {
            for (RespuestaMensaje r :
                 {RespuestaMensaje::Si, RespuestaMensaje::No, RespuestaMensaje::Cancelar}) {
                casos.push_back({o, c, r});
            }
        }
    }
    const std::string tres = ObraDeTresTramos();
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.orden)) + " " +
                     std::to_string(static_cast<int>(c.cambio)) + " " +
                     std::to_string(static_cast<int>(c.respuesta)));
        Banco b;
        b.ficheros.Pon(Ruta, tres);
        b.abre(Ruta);
        ASSERT_NE(b.obra.Captura(), nullptr);
        if (c.cambio == Cambio::Cabecera) {
            ponTexto(b.v().edObra, "Título nuevo");
        } else {
            ASSERT_TRUE(b.eligeTramo("1"));
            ponTexto(b.v().edDescriTramo, "Descripción nueva");
        }
        b.mensajes.responde(c.respuesta);
        switch (c.orden) {
        case Orden::CerrarObra:
            pulsa(b.menu().mnCerrarObra);
            break;
        case Orden::Salir:
            pulsa(b.menu().mnSalir);
            break;
        case Orden::BotonCerrar:
            pulsa(b.v().btCerrarObra);
            break;
        }
        EXPECT_EQ(b.mensajes.mostrados(), std::vector<MensajeMostrado>{PreguntaCierre});
        const bool cierra = c.respuesta != RespuestaMensaje::Cancelar;
        const bool graba = c.respuesta == RespuestaMensaje::Si;
        EXPECT_EQ(b.ficheros.Escrituras(Ruta), graba ? 1 : 0);
        const FicheroRegistros f(b.ficheros.Contenido(Ruta));
        if (c.cambio == Cambio::Cabecera) {
            EXPECT_EQ(f.LeeRegistro(5).value_or(""), graba ? "Título nuevo" : "Tres tramos");
        } else {
            EXPECT_EQ(f.LeeRegistro(BaseBloque(1) + 8).value_or(""),
                      graba ? "Descripción nueva" : "Primero");
        }
        if (c.orden == Orden::Salir) {
            EXPECT_EQ(b.ventanas.terminado, cierra ? 1 : 0);
        } else {
            EXPECT_EQ(b.obra.Captura() == nullptr, cierra);
            EXPECT_EQ(b.menu().MnAbriFichero.Enabled, cierra);
        }
        if (!cierra) {
            EXPECT_TRUE(b.estado.obra.CabeceraModificada || b.estado.ejecucion.DatosModificados);
            ASSERT_NE(b.obra.Captura(), nullptr);
            EXPECT_EQ(b.vista, std::vector<std::string>{"Muestra"});
        }
    }
}

// Saving on close runs the checks every save runs: a range left downwards (the project's MDP
// or DP, or the run's DP) is refused with its message, nothing is written and the window stays
// open, its focus on the range's first box; whether the close came from the menu or the button.
TEST(ObraCapturaDatos, CierreConRangoDesordenadoNoGraba)
{
    struct Caso {
        const char *nombre;
        bool tramo;
        std::vector<std::pair<CajaTexto CapturaDatos::*, const char *>> textos;
        std::int32_t mensaje;
        CajaTexto CapturaDatos::*foco;
    };
    const std::vector<Caso> casos = {
        {"project MDP", false, {{&CapturaDatos::edPrsM1, "12,00"}}, 282, &CapturaDatos::edPrsM1},
        {"project DP",
         false,
         {{&CapturaDatos::edPrsM2, "20,00"},
          {&CapturaDatos::edPrs1, "10,00"},
          {&CapturaDatos::edPrs2, "9,00"},
          {&CapturaDatos::edPrs3, "1,00"}},
         522,
         &CapturaDatos::edPrs1},
        {"run DP",
         true,
         {{&CapturaDatos::edPrs1Tram, "10,00"}, {&CapturaDatos::edPrs2Tram, "9,00"}},
         521,
         &CapturaDatos::edPrs1Tram},
    };
    const std::string tres = ObraDeTresTramos();
    for (const Caso &c : casos) {
        for (const bool boton : {false, true}) {
            SCOPED_TRACE(std::string(c.nombre) + (boton ? ", button" : ", menu"));
            Banco b;
            b.ficheros.Pon(Ruta, tres);
            b.abre(Ruta);
            ASSERT_NE(b.obra.Captura(), nullptr);
            if (c.tramo) {
                ASSERT_TRUE(b.eligeTramo("1"));
                ponTexto(b.v().edDescriTramo, "Descripción nueva");
            } else {
                b.estado.obra.CabeceraModificada = true;
            }
            for (const auto &[caja, texto] : c.textos) {
                ponTexto(b.v().*caja, texto);
            }
            b.mensajes.responde(RespuestaMensaje::Si);
            b.mensajes.responde(RespuestaMensaje::Aceptar);
            if (boton) {
                pulsa(b.v().btCerrarObra);
            } else {
                pulsa(b.menu().mnCerrarObra);
            }
            EXPECT_EQ(b.mensajes.mostrados(),
                      (std::vector<MensajeMostrado>{PreguntaCierre, Aviso(T(c.mensaje))}));
            EXPECT_EQ(b.ficheros.Escrituras(Ruta), 0);
            ASSERT_NE(b.obra.Captura(), nullptr);
            EXPECT_EQ(b.v().PeticionFoco(), &(b.v().*c.foco));
            EXPECT_TRUE(b.estado.obra.CabeceraModificada || b.estado.ejecucion.DatosModificados);
        }
    }
}

// The main window's close control asks the same question, and a failed save keeps the program.
TEST(ObraCapturaDatos, SalidaConGrabacionFallida)
{
    Banco b;
    b.ficheros.Pon(Ruta, Golden());
    b.abre(Ruta);
    ponTexto(b.v().edCliente, "Otro cliente");
    b.ficheros.FallaEscritura(Ruta);
    b.mensajes.responde(RespuestaMensaje::Si);
    b.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(b.forma.MDIForm_QueryUnload());
    ASSERT_EQ(b.mensajes.mostrados().size(), 2u);
    EXPECT_EQ(b.mensajes.mostrados()[0], PreguntaCierre);
    EXPECT_TRUE(b.estado.obra.CabeceraModificada);
    b.ficheros.ArreglaEscritura(Ruta);
    b.mensajes.responde(RespuestaMensaje::Si);
    EXPECT_TRUE(b.forma.MDIForm_QueryUnload());
    EXPECT_EQ(FicheroRegistros(b.ficheros.Contenido(Ruta)).LeeRegistro(6).value_or(""),
              "Otro cliente");
}

// A wiring left undone stops loudly where it would have done nothing: a window loaded before
// its calculation commands were given, whose buttons would then be dead, and a glue without a
// view maker, whose window would never show.
TEST(ObraCapturaDatos, UnaConexionOlvidadaNoPasaEnSilencio)
{
    Banco b;
    ObraCapturaDatos sinComandos{b.estado,
                                 {b.mensajes, b.forma.menu(), b.ficheros, b.dialogos,
                                  b.configuracion, b.cerrojos, b.forma, pruebas::SinVista()}};
    b.estado.obra.AbrirObraExistente = Falso;
    EXPECT_THROW(sinComandos.CargaCaptura(), std::logic_error);
    EXPECT_EQ(sinComandos.Captura(), nullptr);

    EXPECT_THROW((ObraCapturaDatos{b.estado,
                                   {b.mensajes, b.forma.menu(), b.ficheros, b.dialogos,
                                    b.configuracion, b.cerrojos, b.forma, FabricaVistaCaptura{}}}),
                 std::logic_error);
    EXPECT_TRUE(b.mensajes.mostrados().empty());
}

} // namespace
} // namespace dravek
