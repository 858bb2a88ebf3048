// The locks that keep a project open in one copy of the program at a time, as Qt's lock files:
// another program is refused while the first holds the project, through a link too; a program
// killed while it held it does not keep it locked.

#include "gui/plataforma/CerrojosFicheroQt.h"

#include "apoyo/CarpetaPrueba.h"
#include "gui/comun/TextoQt.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace dravek::gui {
namespace {

namespace fs = std::filesystem;
using Estado = CerrojosFichero::Toma::Estado;

// What another program gets when it tries to take the lock now.
Estado TomaOtroPrograma(const std::string &ruta)
{
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        CerrojosFicheroQt cerrojos;
        const CerrojosFichero::Toma toma = cerrojos.TomaCerrojo(ruta);
        ::_exit(static_cast<int>(toma.estado));
    }
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    return static_cast<Estado>(WEXITSTATUS(estado));
}

class CerrojosQt : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_carpeta = pruebas::CarpetaPrueba("dravek-cerrojos");
        obra = (m_carpeta / "presa.dvk").string();
        enlace = (m_carpeta / "enlace.dvk").string();
        std::ofstream(obra) << "obra";
        fs::create_symlink(obra, enlace);
    }
    void TearDown() override { fs::remove_all(m_carpeta); }

    fs::path m_carpeta;
    std::string obra, enlace;
    CerrojosFicheroQt cerrojos;
};

TEST_F(CerrojosQt, OtroProgramaNoTomaLaObraHastaQueSeSuelta)
{
    EXPECT_EQ(deQt(CerrojosFicheroQt::FicheroCerrojo(obra)),
              (m_carpeta / ".presa.dvk.lock").string());
    EXPECT_EQ(CerrojosFicheroQt::FicheroCerrojo(enlace), CerrojosFicheroQt::FicheroCerrojo(obra));

    CerrojosFichero::Toma toma = cerrojos.TomaCerrojo(obra);
    ASSERT_EQ(toma.estado, Estado::Tomado);
    ASSERT_NE(toma.cerrojo, nullptr);
    EXPECT_TRUE(fs::exists(m_carpeta / ".presa.dvk.lock"));
    EXPECT_EQ(TomaOtroPrograma(obra), Estado::Ocupado);
    EXPECT_EQ(TomaOtroPrograma(enlace), Estado::Ocupado);
    // Another window of this same program is refused as well.
    EXPECT_EQ(cerrojos.TomaCerrojo(enlace).estado, Estado::Ocupado);

    toma.cerrojo.reset();
    EXPECT_FALSE(fs::exists(m_carpeta / ".presa.dvk.lock"));
    EXPECT_EQ(TomaOtroPrograma(enlace), Estado::Tomado);
    // The project file itself is untouched by its lock.
    EXPECT_EQ(pruebas::LeeFicheroPrueba(obra), "obra");
}

// A program killed while it held the project leaves its lock file behind; the next program
// sees that its owner is gone and takes the project.
TEST_F(CerrojosQt, ElCerrojoDeUnProgramaMatadoNoBloquea)
{
    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        CerrojosFicheroQt suyos;
        const CerrojosFichero::Toma toma = suyos.TomaCerrojo(obra);
        const char hecho = toma.estado == Estado::Tomado ? 'S' : 'N';
        if (::write(tubo[1], &hecho, 1) != 1) {
            ::_exit(1);
        }
        for (;;) {
            ::pause();
        }
    }
    char hecho = 0;
    ASSERT_EQ(::read(tubo[0], &hecho, 1), 1);
    ASSERT_EQ(hecho, 'S');
    EXPECT_EQ(cerrojos.TomaCerrojo(obra).estado, Estado::Ocupado);

    ::kill(hijo, SIGKILL);
    ::waitpid(hijo, nullptr, 0);
    ::close(tubo[0]);
    ::close(tubo[1]);
    EXPECT_TRUE(fs::exists(m_carpeta / ".presa.dvk.lock"));
    const CerrojosFichero::Toma toma = cerrojos.TomaCerrojo(obra);
    EXPECT_EQ(toma.estado, Estado::Tomado);
    EXPECT_NE(toma.cerrojo, nullptr);
}

// No lock can be made where there is no folder: none is held, and none is pretended.
TEST_F(CerrojosQt, SinCarpetaNoHayCerrojo)
{
    const CerrojosFichero::Toma toma = cerrojos.TomaCerrojo((m_carpeta / "no" / "x.dvk").string());
    EXPECT_EQ(toma.estado, Estado::SinCerrojo);
    EXPECT_EQ(toma.cerrojo, nullptr);
}

} // namespace
} // namespace dravek::gui
