#include "gui/shell/FormaPrincipalVista.h"
#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/MensajesGrabadora.h"
#include "core/model/EstadoObra.h"
#include "core/shell/FormaPrincipal.h"

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

    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes;
    pruebas::AlmacenConfiguracionEnMemoria almacen;
    FormaPrincipal logica(estado, mensajes, almacen);
    pruebas::LocalUsuarioFijo local(",");
    ASSERT_TRUE(logica.Arranca(DRAVEK_DATOS_PROGRAMA, local));
    EXPECT_TRUE(mensajes.mostrados().empty());

    FormaPrincipalVista vista(logica);
    vista.show();
    EXPECT_TRUE(vista.isVisible());
    EXPECT_EQ(vista.windowTitle(), QStringLiteral("DRAVEK"));
    EXPECT_TRUE(vista.TieneLogo());
    EXPECT_TRUE(vista.close());
    EXPECT_FALSE(vista.isVisible());
}

} // namespace
} // namespace dravek::gui
