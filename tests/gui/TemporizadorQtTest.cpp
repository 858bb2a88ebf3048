#include "gui/plataforma/TemporizadorQt.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace dravek::gui {
namespace {

// The action runs once, from the event loop; a stopped timer runs nothing; an action may start
// the timer again. An interval of 0 keeps the test free of waiting.
TEST(TemporizadorQt, UnaSolaVezDesdeElBucleDeEventos)
{
    int argc = 1;
    char nombre[] = "TemporizadorQtTest";
    char *argv[] = {nombre, nullptr};
    QCoreApplication app(argc, argv);

    TemporizadorQt temporizador;
    int veces = 0;
    temporizador.Programa(0, [&veces] { ++veces; });
    EXPECT_EQ(veces, 0);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(veces, 1);

    temporizador.Programa(0, [&veces] { ++veces; });
    temporizador.Detiene();
    QCoreApplication::processEvents();
    EXPECT_EQ(veces, 1);

    temporizador.Programa(0, [&] {
        ++veces;
        if (veces < 3) {
            temporizador.Programa(0, [&veces] { veces += 10; });
        }
    });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(veces, 12);
}

} // namespace
} // namespace dravek::gui
