#include "gui/shell/FormaPrincipalVista.h"

#include "core/shell/PrincipalPrueba.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace dravek::gui {
namespace {

// The program starts from the shipped data folder, shows its logo and closes.
TEST(FormaPrincipalVista, ArrancaConElLogoYSeCierra)
{
    int argc = 1;
    char nombre[] = "VistasTest";
    char *argv[] = {nombre, nullptr};
    QApplication app(argc, argv);

    // The main window's logic wired to the rest of the program, which the close asks.
    pruebas::PrincipalPrueba p;
    pruebas::LocalUsuarioFijo local(",");
    ASSERT_TRUE(p.forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
    EXPECT_TRUE(p.mensajes.mostrados().empty());

    FormaPrincipalVista vista(p.forma);
    vista.show();
    EXPECT_TRUE(vista.isVisible());
    EXPECT_EQ(vista.windowTitle(), QStringLiteral("DRAVEK"));
    EXPECT_TRUE(vista.TieneLogo());
    EXPECT_TRUE(vista.close());
    EXPECT_FALSE(vista.isVisible());
}

} // namespace
} // namespace dravek::gui
