// The program's files on the disk: whole reads, and writes that replace a file at once or leave
// it as it was, whatever fails and wherever the writer is stopped.

#include "apoyo/CarpetaPrueba.h"
#include "core/storage/Ficheros.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace dravek {
namespace {

namespace fs = std::filesystem;

class FicherosDisco : public ::testing::Test {
protected:
    void SetUp() override { m_carpeta = pruebas::CarpetaPrueba("dravek-ficheros"); }
    void TearDown() override { fs::remove_all(m_carpeta); }

    std::string Ruta(const std::string &nombre) const { return (m_carpeta / nombre).string(); }

    static std::string Contenido(const std::string &ruta)
    {
        std::ifstream f(ruta, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

    fs::path m_carpeta;
    SistemaFicherosDisco disco;
};

TEST_F(FicherosDisco, EscribeYLeeElFicheroEntero)
{
    const std::string ruta = Ruta("Obra1.dvk");
    EXPECT_EQ(disco.Lee(ruta).estado, LecturaFichero::Estado::NoExiste);

    const std::string bytes("uno\0dos\xFF", 8);
    EXPECT_EQ(disco.EscribeEntero(ruta, bytes), "");
    LecturaFichero l = disco.Lee(ruta);
    EXPECT_EQ(l.estado, LecturaFichero::Estado::Leido);
    EXPECT_EQ(l.bytes, bytes);

    // A shorter content replaces the whole file: nothing of the old one is left at its end.
    EXPECT_EQ(disco.EscribeEntero(ruta, "x"), "");
    EXPECT_EQ(Contenido(ruta), "x");
    // No temporary file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_carpeta), fs::directory_iterator()), 1);
}

using Paso = SistemaFicherosDisco::Paso;

// The files of the folder, by name.
std::vector<std::string> Nombres(const fs::path &carpeta)
{
    std::vector<std::string> nombres;
    for (const fs::directory_entry &e : fs::directory_iterator(carpeta)) {
        nombres.push_back(e.path().filename().string());
    }
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

fs::perms Permisos(const std::string &ruta)
{
    return fs::status(ruta).permissions() & fs::perms::mask;
}

// A failure at each step of a write, as the system gives it in a disk that fills or a folder
// made read-only in the middle of the write: the write says why, the old file is byte for byte
// as it was (or, for a new name, no file is made), and the temporary is removed wherever the
// folder still allows it.
TEST_F(FicherosDisco, UnFalloEnCualquierPasoDejaElFicheroViejoEntero)
{
    struct Caso {
        const char *nombre;
        std::map<Paso, int> fallos;
        std::string error;
        bool quedaTemporal; // the folder no longer lets it be removed
    };
    const std::vector<Caso> casos = {
        {"no queda sitio para el temporal",
         {{Paso::Crea, ENOSPC}},
         "No space left on device",
         false},
        {"el disco se llena a mitad", {{Paso::Escribe, ENOSPC}}, "No space left on device", false},
        {"el disco falla al vaciarse", {{Paso::Vacia, EIO}}, "Input/output error", false},
        {"la carpeta pasa a solo lectura antes de renombrar",
         {{Paso::Renombra, EROFS}, {Paso::Borra, EROFS}},
         "Read-only file system",
         true},
        {"renombrar falla sin mas", {{Paso::Renombra, EACCES}}, "Permission denied", false},
    };
    const std::string viejo = std::string(5000, 'v') + std::string("\0\xFF", 2);
    const std::string nuevo(300000, 'n');
    for (const Caso &c : casos) {
        for (const bool existe : {true, false}) {
            SCOPED_TRACE(std::string(c.nombre) + (existe ? " sobre un fichero" : " nuevo"));
            fs::remove_all(m_carpeta);
            fs::create_directories(m_carpeta);
            const std::string ruta = Ruta("Obra1.dvk");
            if (existe) {
                ASSERT_EQ(disco.EscribeEntero(ruta, viejo), "");
            }
            SistemaFicherosDisco averiado([&](Paso paso, const std::string &fichero) {
                EXPECT_EQ(fichero, ruta);
                const auto it = c.fallos.find(paso);
                return it == c.fallos.end() ? 0 : it->second;
            });
            EXPECT_EQ(averiado.EscribeEntero(ruta, nuevo), c.error);
            if (existe) {
                EXPECT_EQ(Contenido(ruta), viejo);
            } else {
                EXPECT_FALSE(fs::exists(ruta));
            }
            EXPECT_EQ(Nombres(m_carpeta).size(), (existe ? 1u : 0u) + (c.quedaTemporal ? 1u : 0u));
        }
    }
}

// The new name is flushed to the disk with the folder, after the rename.
TEST_F(FicherosDisco, LaCarpetaSeVaciaTrasRenombrar)
{
    std::vector<Paso> pasos;
    SistemaFicherosDisco registrado([&](Paso paso, const std::string &) {
        pasos.push_back(paso);
        return 0;
    });
    EXPECT_EQ(registrado.EscribeEntero(Ruta("Obra1.dvk"), "abc"), "");
    EXPECT_EQ(pasos, (std::vector<Paso>{Paso::Crea, Paso::Escribe, Paso::Vacia, Paso::Renombra,
                                        Paso::VaciaCarpeta}));
    EXPECT_EQ(Nombres(m_carpeta), std::vector<std::string>{"Obra1.dvk"});
}

// A file marked read-only is not replaced, even by an administrator, and keeps its mark; a
// replaced file keeps its permissions.
TEST_F(FicherosDisco, PermisosDelFichero)
{
    const std::string ruta = Ruta("Obra1.dvk");
    ASSERT_EQ(disco.EscribeEntero(ruta, "viejo"), "");
    fs::permissions(ruta, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_TRUE(disco.SoloLectura(ruta));
    EXPECT_EQ(disco.EscribeEntero(ruta, "nuevo"), "Permission denied");
    EXPECT_EQ(Contenido(ruta), "viejo");
    EXPECT_EQ(Permisos(ruta),
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Nombres(m_carpeta), std::vector<std::string>{"Obra1.dvk"});

    const fs::perms propios =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(ruta, propios);
    EXPECT_FALSE(disco.SoloLectura(ruta));
    EXPECT_EQ(disco.EscribeEntero(ruta, "nuevo"), "");
    EXPECT_EQ(Contenido(ruta), "nuevo");
    EXPECT_EQ(Permisos(ruta), propios);
    EXPECT_FALSE(disco.SoloLectura(Ruta("no-existe.dvk")));
}

// A project file that is a link: the file it points to is replaced, in its own folder, and the
// link stays a link. So through a link to a link, a relative one, and one whose file is not
// there yet; a loop of links is refused.
TEST_F(FicherosDisco, SeGrabaAtravesDeLosEnlaces)
{
    const fs::path real = m_carpeta / "real";
    const fs::path obras = m_carpeta / "obras";
    fs::create_directories(real);
    fs::create_directories(obras);
    const fs::path fichero = real / "presa.dvk";
    ASSERT_EQ(disco.EscribeEntero(fichero.string(), "viejo"), "");
    fs::create_symlink(fichero, obras / "absoluto.dvk");
    fs::create_symlink("../real/presa.dvk", obras / "relativo.dvk");
    fs::create_symlink("absoluto.dvk", obras / "doble.dvk");
    for (const char *enlace : {"absoluto.dvk", "relativo.dvk", "doble.dvk"}) {
        SCOPED_TRACE(enlace);
        const std::string ruta = (obras / enlace).string();
        const std::string bytes = std::string("nuevo por ") + enlace;
        EXPECT_EQ(disco.EscribeEntero(ruta, bytes), "");
        EXPECT_TRUE(fs::is_symlink(ruta));
        EXPECT_EQ(Contenido(fichero.string()), bytes);
        EXPECT_EQ(Contenido(ruta), bytes);
        EXPECT_EQ(Nombres(real), std::vector<std::string>{"presa.dvk"});
        EXPECT_EQ(Nombres(obras),
                  (std::vector<std::string>{"absoluto.dvk", "doble.dvk", "relativo.dvk"}));
    }

    fs::create_symlink("../real/nueva.dvk", obras / "pendiente.dvk");
    EXPECT_EQ(disco.EscribeEntero((obras / "pendiente.dvk").string(), "primera"), "");
    EXPECT_TRUE(fs::is_symlink(obras / "pendiente.dvk"));
    EXPECT_EQ(Contenido((real / "nueva.dvk").string()), "primera");

    fs::permissions(fichero, fs::perms::owner_read);
    EXPECT_TRUE(disco.SoloLectura((obras / "doble.dvk").string()));
    EXPECT_EQ(disco.EscribeEntero((obras / "doble.dvk").string(), "x"), "Permission denied");
    EXPECT_EQ(Contenido(fichero.string()), "nuevo por doble.dvk");

    fs::create_symlink("bucle2.dvk", obras / "bucle1.dvk");
    fs::create_symlink("bucle1.dvk", obras / "bucle2.dvk");
    EXPECT_EQ(disco.EscribeEntero((obras / "bucle1.dvk").string(), "x"),
              "Too many levels of symbolic links");
    EXPECT_TRUE(fs::is_symlink(obras / "bucle1.dvk"));
}

// Two saves of one project at once (two programs): each writes a temporary of its own, so the
// one that renames last leaves its file whole and neither fails.
TEST_F(FicherosDisco, DosGrabacionesALaVezNoCompartenTemporal)
{
    const std::string ruta = Ruta("Obra1.dvk");
    SistemaFicherosDisco otro;
    std::string errorOtro = "sin grabar";
    SistemaFicherosDisco primero([&](Paso paso, const std::string &) {
        // The other program saves the whole file while the first is about to rename.
        if (paso == Paso::Renombra && errorOtro == "sin grabar") {
            errorOtro = otro.EscribeEntero(ruta, std::string(70000, 'b'));
            EXPECT_EQ(Contenido(ruta), std::string(70000, 'b'));
        }
        return 0;
    });
    EXPECT_EQ(primero.EscribeEntero(ruta, std::string(90000, 'a')), "");
    EXPECT_EQ(errorOtro, "");
    EXPECT_EQ(Contenido(ruta), std::string(90000, 'a'));
    EXPECT_EQ(Nombres(m_carpeta), std::vector<std::string>{"Obra1.dvk"});
}

// A writer killed at any moment leaves the old file or the new one, whole.
TEST_F(FicherosDisco, UnEscritorMatadoDejaUnFicheroEntero)
{
    const std::string ruta = Ruta("Obra1.dvk");
    const std::string a(200000, 'a');
    const std::string b(300000, 'b');
    ASSERT_EQ(disco.EscribeEntero(ruta, a), "");
    std::mt19937 azar(12345);
    for (int vez = 0; vez < 25; ++vez) {
        SCOPED_TRACE(vez);
        const pid_t hijo = ::fork();
        ASSERT_GE(hijo, 0);
        if (hijo == 0) {
            SistemaFicherosDisco escritor;
            for (int i = 0;; ++i) {
                if (!escritor.EscribeEntero(ruta, i % 2 == 0 ? b : a).empty()) {
                    ::_exit(1);
                }
            }
        }
        ::usleep(static_cast<useconds_t>(1000 + azar() % 20000));
        ::kill(hijo, SIGKILL);
        int estado = 0;
        ::waitpid(hijo, &estado, 0);
        EXPECT_TRUE(WIFSIGNALED(estado));
        const std::string leido = Contenido(ruta);
        EXPECT_TRUE(leido == a || leido == b) << leido.size();
    }
    // What the killed writers left goes at the next save, and nothing else.
    disco.LimpiaTemporales(ruta);
    EXPECT_EQ(Nombres(m_carpeta), std::vector<std::string>{"Obra1.dvk"});
}

// The id of a process that has ended.
long long ProcesoMuerto()
{
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        ::_exit(0);
    }
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    return hijo;
}

// Only this program's temporaries of the one file, of a writer that no longer runs, are removed:
// a live writer's, another file's and another program's names stay.
TEST_F(FicherosDisco, TemporalesDeEscritoresMuertos)
{
    const std::string muerto = std::to_string(ProcesoMuerto());
    ASSERT_FALSE(ProcesoVivo(std::stoll(muerto)));
    const std::string vivo = std::to_string(::getpid());
    ASSERT_TRUE(ProcesoVivo(::getpid()));
    const std::vector<std::string> borrados = {
        "Obra1.dvk.~" + muerto + "-1-48213.tmp",
        "Obra1.dvk.~" + muerto + "-17-0.tmp",
    };
    const std::vector<std::string> quedan = {
        "Obra1.dvk",
        "Obra1.dvk.~" + vivo + "-3-771.tmp",   // a save of this program under way
        "Otra.dvk.~" + muerto + "-1-5.tmp",    // another file's
        "Obra1.dvk.~" + muerto + "-x-5.tmp",   // not a name this program makes
        "Obra1.dvk.~" + muerto + "-1.tmp",     // nor this
        "Obra1.dvk.~" + muerto + "-1-5.tmp.1", // nor this
        "Obra1.dvk.bak",                       // another program's
        ".Obra1.dvk." + vivo + ".tmp",         // a PDF being printed by this program
        "xObra1.dvk.~" + muerto + "-1-5.tmp",  // another file's
    };
    for (const std::string &nombre : borrados) {
        std::ofstream(Ruta(nombre)) << "x";
    }
    for (const std::string &nombre : quedan) {
        std::ofstream(Ruta(nombre)) << "x";
    }
    EXPECT_EQ(BorraTemporalesHuerfanos(Ruta("Obra1.dvk")), 2);
    std::vector<std::string> esperados = quedan;
    std::sort(esperados.begin(), esperados.end());
    EXPECT_EQ(Nombres(m_carpeta), esperados);

    // A PDF's temporary, hidden beside it and named by the pid alone.
    std::ofstream(Ruta(".Listado.pdf." + muerto + ".tmp")) << "%PDF";
    std::ofstream(Ruta(".Listado.pdf." + vivo + ".tmp")) << "%PDF";
    EXPECT_EQ(BorraTemporalesHuerfanos(Ruta("Listado.pdf")), 1);
    EXPECT_FALSE(fs::exists(Ruta(".Listado.pdf." + muerto + ".tmp")));
    EXPECT_TRUE(fs::exists(Ruta(".Listado.pdf." + vivo + ".tmp")));
}

// A file and its companion take their places together or not at all, whichever step of
// whichever of them fails; a companion that did not exist is not left behind.
TEST_F(FicherosDisco, UnParOcupaSuSitioEnteroONoLoOcupa)
{
    struct Caso {
        const char *nombre;
        bool enCompanero; // the step fails for the companion, else for the file
        Paso paso;
        int error;
    };
    const std::vector<Caso> casos = {
        {"sin fallo", false, Paso::Crea, 0},
        {"no hay sitio para el companero", true, Paso::Crea, ENOSPC},
        {"el disco se llena en el companero", true, Paso::Escribe, ENOSPC},
        {"el companero no se vacia", true, Paso::Vacia, EIO},
        {"el companero no ocupa su sitio", true, Paso::Renombra, EACCES},
        {"no hay sitio para el fichero", false, Paso::Crea, ENOSPC},
        {"el disco se llena en el fichero", false, Paso::Escribe, ENOSPC},
        {"el fichero no ocupa su sitio", false, Paso::Renombra, EACCES},
    };
    const std::string viejo(3000, 'v');
    const std::string viejoCompanero(1500, 'w');
    const std::string nuevo(5000, 'n');
    const std::string nuevoCompanero(256, 'm');
    for (const Caso &c : casos) {
        for (const bool existia : {true, false}) {
            SCOPED_TRACE(std::string(c.nombre) + (existia ? "" : ", sin companero"));
            fs::remove_all(m_carpeta);
            fs::create_directories(m_carpeta);
            const std::string ruta = Ruta("Obra1.dvk");
            const std::string companero = Ruta("Obra1.dpe");
            ASSERT_EQ(disco.EscribeEntero(ruta, viejo), "");
            if (existia) {
                ASSERT_EQ(disco.EscribeEntero(companero, viejoCompanero), "");
            }
            SistemaFicherosDisco averiado([&](Paso paso, const std::string &fichero) {
                return paso == c.paso && fichero == (c.enCompanero ? companero : ruta) ? c.error
                                                                                       : 0;
            });
            const std::string error = averiado.EscribePar(ruta, nuevo, companero, nuevoCompanero);
            if (c.error == 0) {
                EXPECT_EQ(error, "");
                EXPECT_EQ(Contenido(ruta), nuevo);
                EXPECT_EQ(Contenido(companero), nuevoCompanero);
            } else {
                EXPECT_NE(error, "");
                EXPECT_EQ(Contenido(ruta), viejo);
                if (existia) {
                    EXPECT_EQ(Contenido(companero), viejoCompanero);
                } else {
                    EXPECT_FALSE(fs::exists(companero));
                }
            }
            // No temporary stays behind.
            EXPECT_EQ(Nombres(m_carpeta).size(), existia || c.error == 0 ? 2u : 1u);
        }
    }
}

TEST_F(FicherosDisco, NoSeEscribeSobreUnaCarpeta)
{
    const std::string ruta = Ruta("carpeta.dvk");
    fs::create_directory(ruta);
    EXPECT_NE(disco.EscribeEntero(ruta, "x"), "");
    EXPECT_TRUE(fs::is_directory(ruta));
    EXPECT_FALSE(fs::exists(ruta + ".~tmp"));

    const LecturaFichero l = disco.Lee(ruta);
    EXPECT_EQ(l.estado, LecturaFichero::Estado::Fallo);
    EXPECT_NE(l.error, "");
    EXPECT_NE(disco.CompruebaNombreNuevo(ruta), "");
}

TEST_F(FicherosDisco, NombresNuevos)
{
    EXPECT_EQ(disco.CompruebaNombreNuevo(Ruta("nueva.dvk")), "");
    EXPECT_NE(disco.CompruebaNombreNuevo(Ruta("no-existe/nueva.dvk")), "");
    EXPECT_EQ(disco.Lee(Ruta("no-existe/nueva.dvk")).estado, LecturaFichero::Estado::NoExiste);
    EXPECT_NE(disco.EscribeEntero(Ruta("no-existe/nueva.dvk"), "x"), "");
    EXPECT_FALSE(fs::exists(Ruta("no-existe")));
}

} // namespace
} // namespace dravek
