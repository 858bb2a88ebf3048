#include "core/shell/frmAboutBox.h"

#include "core/model/TextoRecurso.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

std::vector<std::string> Ventana(const std::string &caption, const std::string &programa,
                                 const std::string &version, const std::string &aceptar)
{
    return {
        "Caption=\"" + caption + "\"",
        "picIcon: Picture=\"\" Enabled=1 Visible=1",
        "cmdOK: Caption=\"" + aceptar + "\" Enabled=1 Visible=1 ToolTipText=\"\"",
        "lblLabels(0): Caption=\"" + programa + "\" Enabled=1 Visible=1",
        "lblLabels(1): Caption=\"" + version + "\" Enabled=1 Visible=1",
        "Foco=cmdOK",
    };
}

TEST(frmAboutBox, TextosDelIdioma)
{
    EstadoObra estado;
    frmAboutBox caja(estado);
    caja.Form_Load();
    caja.cumplePeticionFoco();
    EXPECT_EQ(caja.Instantanea(),
              Ventana("DRAVEK", "Programa de Calculo de Lurno de Hormigón Armado y Pretensado",
                      "Versión 12.01", "&Aceptar"));
    EXPECT_FALSE(caja.Descargada());

    estado.ejecucion.DesplazamientoIdioma = 5000;
    frmAboutBox ingles(estado);
    ingles.Form_Load();
    ingles.cumplePeticionFoco();
    EXPECT_EQ(ingles.Instantanea(), Ventana(TextoRecurso(5695), TextoRecurso(5696),
                                            TextoRecurso(5697), TextoRecurso(5700)));
}

// Any key, on the button or on the window, closes the box, as the click does.
TEST(frmAboutBox, CualquierTeclaCierra)
{
    EstadoObra estado;
    for (const std::int32_t tecla : {27, 13, int{'a'}, int{' '}}) {
        SCOPED_TRACE(tecla);
        frmAboutBox enBoton(estado);
        enBoton.Form_Load();
        enBoton.cumplePeticionFoco();
        pulsaTecla(enBoton.cmdOK, tecla);
        EXPECT_TRUE(enBoton.Descargada());

        frmAboutBox enVentana(estado);
        enVentana.Form_Load();
        std::int32_t KeyAscii = tecla;
        enVentana.Form_KeyPress(KeyAscii);
        EXPECT_TRUE(enVentana.Descargada());
    }
    frmAboutBox caja(estado);
    caja.Form_Load();
    pulsa(caja.cmdOK);
    EXPECT_TRUE(caja.Descargada());
}

} // namespace
} // namespace dravek
