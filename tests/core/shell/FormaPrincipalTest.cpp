#include "core/shell/FormaPrincipal.h"

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/CarpetaPrueba.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "core/model/EstadoObra.h"
#include "core/model/TextoRecurso.h"
#include "core/storage/Registro.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace dravek {
namespace {

namespace fs = std::filesystem;

// A program folder of its own per test, holding only the files the row names.
class CarpetaPrograma {
public:
    explicit CarpetaPrograma(const std::string &nombre)
        : m_ruta(pruebas::CarpetaPrueba("dravek_arranque_" + nombre))
    {
    }
    ~CarpetaPrograma() { fs::remove_all(m_ruta); }

    void copia(const std::string &fichero)
    {
        fs::copy_file(fs::path(DRAVEK_DATOS_PROGRAMA) / fichero, m_ruta / fichero);
    }
    void escribe(const std::string &fichero, const std::string &contenido)
    {
        std::ofstream(m_ruta / fichero, std::ios::binary) << contenido;
    }
    // A folder where the file should be: it exists but cannot be read as one.
    void carpetaEnLugarDe(const std::string &fichero) { fs::create_directory(m_ruta / fichero); }
    const fs::path &ruta() const { return m_ruta; }

private:
    fs::path m_ruta;
};

// The main window's logic over recording fakes, the user's decimal separator given.
struct Arranque {
    explicit Arranque(const std::string &separador = ",",
                      pruebas::Guion guion = pruebas::Guion::Libre)
        : mensajes(guion), local(separador)
    {
    }
    bool Arranca(const fs::path &carpetaPrograma)
    {
        return forma.Arranca(carpetaPrograma.string(), local);
    }

    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes;
    pruebas::LocalUsuarioFijo local;
    pruebas::AlmacenConfiguracionEnMemoria almacen;
    pruebas::TextosPlataformaGrabadora textos;
    FormaPrincipal forma{estado, mensajes, almacen, textos};
};

TEST(FormaPrincipal, ArrancaConLosDatosDelPrograma)
{
    Arranque a;
    const EstadoObra &estado = a.estado;
    const FormaPrincipal &forma = a.forma;
    const pruebas::MensajesGrabadora &mensajes = a.mensajes;

    ASSERT_TRUE(a.Arranca(DRAVEK_DATOS_PROGRAMA));
    EXPECT_TRUE(mensajes.mostrados().empty());
    EXPECT_EQ(forma.Caption(), "DRAVEK");
    EXPECT_EQ(estado.ejecucion.RutaAplicacion, std::string(DRAVEK_DATOS_PROGRAMA) + "/");
    EXPECT_EQ(forma.Picture(), estado.ejecucion.RutaAplicacion + "Anagrama2.bmp");
    // The logo follows a change of language.
    a.estado.ejecucion.DesplazamientoIdioma = 5000;
    EXPECT_EQ(forma.Picture(), estado.ejecucion.RutaAplicacion + "Anagrama2Ing.bmp");
    a.estado.ejecucion.DesplazamientoIdioma = 0;
    EXPECT_EQ(estado.frFiguras.ptArmado, estado.ejecucion.RutaAplicacion + "Lur2110.bmp");
    EXPECT_EQ(estado.ejecucion.SeparadorDecimalLocal, ",");
    EXPECT_EQ(estado.ejecucion.CodigoOtroSeparador, '.');
    EXPECT_GT(estado.tablas.NumeroDimensiones, 0);
    EXPECT_GT(estado.tablas.NumeroArmadurasInternas, 0);
}

// Installed, the program's folder is bin/ of the prefix and its data is in share/dravek/: every
// file start-up opens comes from there, whatever folder the program was started from.
TEST(FormaPrincipal, ArrancaInstaladoConLosDatosDelPrefijo)
{
    const CarpetaPrograma prefijo("instalado");
    const fs::path datos = prefijo.ruta() / "share" / "dravek";
    fs::create_directories(prefijo.ruta() / "bin");
    fs::create_directories(datos);
    fs::copy(DRAVEK_DATOS_PROGRAMA, datos);
    Arranque a;

    ASSERT_TRUE(a.Arranca(prefijo.ruta() / "bin"));
    EXPECT_TRUE(a.mensajes.mostrados().empty());
    const std::string carpeta = datos.string() + "/";
    EXPECT_EQ(a.estado.ejecucion.RutaAplicacion, carpeta);
    EXPECT_EQ(a.forma.FicheroAyuda(), carpeta + "Dravekesp.html");
    EXPECT_EQ(a.forma.Picture(), carpeta + "Anagrama2.bmp");
    EXPECT_EQ(a.estado.frFiguras.ptArmado, carpeta + "Lur2110.bmp");
    EXPECT_GT(a.estado.tablas.NumeroDimensiones, 0);
}

// A program without its data folder says where it looked and goes no further, in the language
// the settings chose: no help file is there to confirm it, but the text table is compiled in.
TEST(FormaPrincipal, SinCarpetaDeDatosDiceDondeLaHaBuscado)
{
    struct Caso {
        const char *nombre;
        const char *guardado; // the stored language; none when null
        std::int16_t idioma;  // the language of the message and of its button
    };
    const Caso casos[] = {
        {"nada guardado", nullptr, 1},
        {"español", "1", 1},
        {"inglés", "2", 2},
        {"francés", "5", 5},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        const CarpetaPrograma prefijo("sin_datos");
        fs::create_directories(prefijo.ruta() / "bin");
        std::ofstream(prefijo.ruta() / "bin" / "dravek") << "x";
        Arranque a;
        if (c.guardado != nullptr) {
            a.almacen.ponValor(RaizRegistro::MaquinaLocal, ClaveRegistroPrograma,
                               ValorRegistroIdioma, {TipoTexto, c.guardado});
        }

        EXPECT_FALSE(a.Arranca(prefijo.ruta() / "bin"));
        const std::vector<pruebas::MensajeMostrado> &mensajes = a.mensajes.mostrados();
        ASSERT_EQ(mensajes.size(), 1u);
        const std::string raiz = prefijo.ruta().string() + "/";
        EXPECT_EQ(mensajes[0].texto, Texto((c.idioma - 1) * 5000, 1720) + "\n" + raiz +
                                         "share/dravek/\n" + raiz + "bin/");
        EXPECT_EQ(mensajes[0].botones, BotonesMensaje::Aceptar);
        ASSERT_FALSE(a.textos.idiomas.empty());
        EXPECT_EQ(a.textos.idiomas.back(), c.idioma);
        EXPECT_EQ(a.estado.tablas.NumeroDimensiones, 0);
    }
    // The Spanish wording itself, as the engineer reads it.
    EXPECT_EQ(Texto(0, 1720),
              "No se encuentran los ficheros de datos del programa. Se han buscado en:");
    EXPECT_EQ(Texto(5000, 1720), "The program's data files cannot be found. Looked in:");
}

// Each failure stops start-up with its own message, and nothing after it is read.
TEST(FormaPrincipal, UnFicheroQueFaltaDetieneElArranqueConSuMensaje)
{
    struct Caso {
        std::string nombre;
        std::vector<std::string> copiados;
        std::string gm; // written as LUR#GM when not empty
        std::string mensaje;
        std::string ilegible = {}; // a folder by that name
        std::string factor = {};   // written as LUR#PM when not empty
    };
    const std::vector<Caso> casos = {
        {"sin_logo", {"LUR#GM"}, "", "No existe el fichero Anagrama2.bmp"},
        {"sin_geometria", {"Anagrama2.bmp"}, "", "No existe el fichero LUR#GM"},
        {"geometria_mal",
         {"Anagrama2.bmp"},
         "a\nb\nc\nxx\n",
         "Error de Formato en el fichero LUR#GM"},
        {"geometria_ilegible",
         {"Anagrama2.bmp"},
         "",
         "Error:75\nal Abrir el fichero LUR#GM",
         "LUR#GM"},
        {"armaduras_ilegibles",
         {"Anagrama2.bmp", "LUR#GM"},
         "",
         "Error:75\nal Abrir el fichero LUR#ES",
         "LUR#ES"},
        {"factor_ilegible",
         {"Anagrama2.bmp", "LUR#GM", "LUR#ES"},
         "",
         "Error:75\nal Abrir el fichero LUR#PM",
         "LUR#PM"},
        {"factor_mal",
         {"Anagrama2.bmp", "LUR#GM", "LUR#ES"},
         "",
         "Error de Formato en el fichero LUR#PM",
         "",
         "ab\n"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        CarpetaPrograma carpeta(caso.nombre);
        for (const std::string &f : caso.copiados) {
            carpeta.copia(f);
        }
        if (!caso.gm.empty()) {
            carpeta.escribe("LUR#GM", caso.gm);
        }
        if (!caso.ilegible.empty()) {
            carpeta.carpetaEnLugarDe(caso.ilegible);
        }
        if (!caso.factor.empty()) {
            carpeta.escribe("LUR#PM", caso.factor);
        }

        Arranque a(".");

        EXPECT_FALSE(a.Arranca(carpeta.ruta()));
        const std::vector<pruebas::MensajeMostrado> &mensajes = a.mensajes.mostrados();
        ASSERT_EQ(mensajes.size(), 1u);
        EXPECT_EQ(mensajes[0].texto, caso.mensaje);
        EXPECT_EQ(mensajes[0].botones, BotonesMensaje::Aceptar);
        // The reinforcement list is read before the trench factor only.
        EXPECT_EQ(a.estado.tablas.NumeroArmadurasInternas > 0,
                  caso.nombre.rfind("factor", 0) == 0);
    }
}

// A menu command before the main window was wired to the rest of the program is a fault of the
// wiring: it stops loudly where it would have done nothing.
TEST(FormaPrincipal, UnaOrdenSinConectarNoPasaEnSilencio)
{
    Arranque a(",", pruebas::Guion::Estricto);
    MenuPrincipal &m = a.forma.menu();
    for (ElementoMenu *orden : {&m.MnAbriFichero, &m.mnCalculaTramo, &m.mnAcercaDe}) {
        SCOPED_TRACE(orden->Name());
        EXPECT_THROW(orden->Click(), std::logic_error);
    }
    EXPECT_THROW(a.forma.MDIForm_QueryUnload(), std::logic_error);
    EXPECT_TRUE(a.mensajes.mostrados().empty());
}

} // namespace
} // namespace dravek
