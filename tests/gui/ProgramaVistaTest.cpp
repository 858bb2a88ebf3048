#include "apoyo/CarpetaPrueba.h"
#include "app/Programa.h"
#include "core/storage/Registro.h"
#include "gui/entry/CapturaDatosVista.h"
#include "gui/plataforma/AlmacenConfiguracionQt.h"
#include "gui/shell/FormaPrincipalVista.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace dravek::gui {
namespace {

namespace fs = std::filesystem;

// The user's own folders (settings, the debug files) moved into a folder of the test's own
// before Qt first asks for them, so that the test neither reads nor changes the user's.
struct CasaPrueba {
    CasaPrueba() : carpeta(pruebas::CarpetaPrueba("dravek_programa"))
    {
        for (const char *variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
            setenv(variable, (carpeta / variable).c_str(), 1);
        }
    }
    ~CasaPrueba() { fs::remove_all(carpeta); }
    CasaPrueba(const CasaPrueba &) = delete;
    CasaPrueba &operator=(const CasaPrueba &) = delete;
    fs::path carpeta;
};

// The program wired and started as its main starts it.
class ProgramaVistaTest : public ::testing::Test {
protected:
    ProgramaVistaTest()
    {
        QApplication::setApplicationName(QStringLiteral("DRAVEK"));
        QApplication::setOrganizationName(QStringLiteral("DRAVEK"));
        // The start-up notice would open, modal, a second after start-up: it is not this
        // test's subject.
        AlmacenConfiguracionQt().GrabaAjuste(AplicacionAjustes, SeccionOpciones,
                                             ClaveMostrarSugerencias, "0");
    }

    CasaPrueba casa;
    int argc = 1;
    char nombre[8] = "dravek";
    char *argv[2] = {nombre, nullptr};
    QApplication app{argc, argv};
};

// A project file named on the command line (a file manager's "open with", the desktop menu's
// entry) is open when the main window shows: the data-entry window over it with the project's
// runs, and the main menu in the state of an open project.
TEST_F(ProgramaVistaTest, AbreLaObraDeLaLineaDeOrdenes)
{
    const fs::path obra = casa.carpeta / "obras" / "presa.dvk";
    fs::create_directories(obra.parent_path());
    // The project's numbers are written with the user's decimal separator.
    const char *fijo = QLocale::system().decimalPoint() == QStringLiteral(",") ? "obra_coma.dvk"
                                                                               : "obra_punto.dvk";
    fs::copy_file(fs::path(DRAVEK_FIJOS_OBRA) / fijo, obra);

    Programa programa;
    ASSERT_TRUE(programa.Arranca(DRAVEK_DATOS_PROGRAMA, obra.string()));
    auto *principal = dynamic_cast<FormaPrincipalVista *>(programa.VentanaPrincipal());
    ASSERT_NE(principal, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(principal));

    auto *captura = principal->findChild<CapturaDatosVista *>();
    ASSERT_NE(captura, nullptr);
    EXPECT_TRUE(captura->isVisible());
    auto *tramos = qobject_cast<QComboBox *>(captura->Widget("edTramo"));
    ASSERT_NE(tramos, nullptr);
    EXPECT_GT(tramos->count(), 0);
    EXPECT_FALSE(principal->Accion(QStringLiteral("MnAbriFichero"))->isEnabled());
    EXPECT_TRUE(principal->Accion(QStringLiteral("mnCerrarObra"))->isEnabled());
    EXPECT_TRUE(principal->Accion(QStringLiteral("MnImprimir"))->isEnabled());
    QApplication::processEvents();
    EXPECT_TRUE(principal->grab().save(
        QStringLiteral(DRAVEK_ARTEFACTOS "/programa_obra_linea_de_ordenes.png")));
}

} // namespace
} // namespace dravek::gui
