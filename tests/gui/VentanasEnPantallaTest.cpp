// Every window and dialog of the program on the smallest screen it is used on (1280x800), in
// every language: whole, its window manager's frame included, and centred over the main window.
// The offscreen platform is given a screen of that size. The pictures are left beside the test.

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/ComandosCapturaGrabadora.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/ServicioImpresorasEnMemoria.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "apoyo/TrabajoFalso.h"
#include "core/adjustment/AjustesPrueba.h"
#include "core/entry/ObraEnCaptura.h"
#include "core/listing/SalidaListado.h"
#include "core/shell/FormaPrincipal.h"
#include "core/shell/frEscribePantalla.h"
#include "gui/adjustment/frAjustesVista.h"
#include "gui/comun/ColocaVentana.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/ImpresoraQt.h"
#include "gui/shell/FormaPrincipalVista.h"
#include "gui/shell/VentanasPrincipalQt.h"
#include "gui/shell/frEscribePantallaVista.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace dravek::gui {
namespace {

// No project open: the menu's windows need none.
class ObraSinAbrir final : public ObraEnCaptura {
public:
    void CargaCaptura() override {}
    void DescargaCaptura() override {}
    bool PermiteCerrar() override { return true; }
    CapturaDatos *Captura() override { return nullptr; }
    bool ValidaPresionesAlturasObra() override { return false; }
    bool ValidaDatosTramo(bool) override { return false; }
    void GrabaObra() override {}
    void NuevoTramo() override {}
    void CancelaCapturaTramo() override {}
    void ConfirmaGrabaTramo() override {}
    bool CargaTramo(int) override { return false; }
    AjustesGuardados *Ajustes() override { return nullptr; }
    bool GrabaUnTramoPresion(double, std::int16_t, double,
                             const std::optional<AjusteGuardado> &) override
    {
        return false;
    }
};

// The offscreen platform with one 1280x800 screen, set before the application starts.
QString PantallaDePrueba()
{
    const QString fichero = QStringLiteral(DRAVEK_ARTEFACTOS "/pantalla_1280x800.json");
    QFile json(fichero);
    if (json.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        json.write(R"({"screens":[{"name":"p","x":0,"y":0,"width":1280,"height":800,)"
                   R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
    }
    return fichero;
}

class VentanasEnPantalla : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("QT_QPA_PLATFORM",
                (QStringLiteral("offscreen:configfile=") + PantallaDePrueba()).toUtf8());
    }

    // The whole window on the screen, its frame included, and room for the frame any window
    // manager gives it; its frame centred over the main window's.
    static void CompruebaColocada(const QWidget &ventana, const QWidget &principal,
                                  bool centrada = true)
    {
        SCOPED_TRACE(ventana.metaObject()->className());
        const QRect pantalla(QPoint(0, 0), PantallaMinima);
        const QRect marco = ventana.frameGeometry();
        EXPECT_TRUE(pantalla.contains(marco))
            << marco.x() << "," << marco.y() << " " << marco.width() << "x" << marco.height();
        const QSize conMarco = ventana.size().grownBy(MarcoGestor);
        EXPECT_LE(conMarco.width(), PantallaMinima.width());
        EXPECT_LE(conMarco.height(), PantallaMinima.height());
        if (centrada) {
            const QPoint desvio = marco.center() - principal.frameGeometry().center();
            EXPECT_LE(desvio.manhattanLength(), 2) << desvio.x() << "," << desvio.y();
        }
    }

    // The main window shown where a window manager puts it: centred across, its title bar on
    // the screen. False when it was not shown.
    static bool MuestraSituada(QWidget &principal)
    {
        principal.move((PantallaMinima.width() - principal.width()) / 2, MarcoGestor.top());
        principal.show();
        return QTest::qWaitForWindowExposed(&principal);
    }

    // The main window's logic, not started, and its view.
    struct Principal {
        explicit Principal(TextosPlataforma &deLaPlataforma)
            : forma(estado, mensajes, almacen, deLaPlataforma)
        {
        }

        EstadoObra estado;
        pruebas::MensajesGrabadora mensajes;
        pruebas::AlmacenConfiguracionEnMemoria almacen;
        FormaPrincipal forma;
        FormaPrincipalVista vista{forma};
    };

    int argc = 1;
    char nombre[19] = "VentanasEnPantalla";
    char *argv[2] = {nombre, nullptr};
    QApplication app{argc, argv};
    pruebas::TextosPlataformaGrabadora textos;
};

// The windows of the main menu, opened from it as the engineer would, in the five languages.
TEST_F(VentanasEnPantalla, LasDelMenuEnCadaIdioma)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().size(), PantallaMinima);
    for (int idioma = 1; idioma <= 5; ++idioma) {
        SCOPED_TRACE(idioma);
        EstadoObra estado;
        pruebas::MensajesGrabadora mensajes;
        pruebas::AlmacenConfiguracionEnMemoria almacen;
        almacen.ponValor(RaizRegistro::MaquinaLocal, "Software\\DRAVEK", "Idioma",
                         {TipoTexto, std::to_string(idioma)});
        FormaPrincipal forma(estado, mensajes, almacen, textos);
        pruebas::LocalUsuarioFijo local(",");
        ASSERT_TRUE(forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
        ASSERT_EQ(estado.ejecucion.Idioma, idioma);
        FormaPrincipalVista vista(forma);
        pruebas::ServicioImpresorasEnMemoria impresoras({"Oficina", "Planta"}, "Oficina");
        ImpresoraQt impresora;
        pruebas::RelojFijo reloj;
        SalidaListado salida(reloj, impresora);
        pruebas::TrabajoFalso trabajo;
        VentanasPrincipalQt ventanas(vista, estado, mensajes, almacen, impresoras, salida,
                                     trabajo);
        ObraSinAbrir obra;
        pruebas::ComandosCapturaGrabadora comandos;
        forma.Conecta(obra, ventanas, comandos);
        ASSERT_TRUE(MuestraSituada(vista));
        MenuPrincipal &m = forma.menu();
        m.MnSeleccionarImpresora.Enabled = true; // as with a project open
        vista.Refresca();

        for (ElementoMenu *elemento :
             {&m.MnSeleccionarImpresora, &m.mnCalculoHidraulico, &m.mnMedidas,
              &m.mnAyudaSobreAyuda, &m.mnAcercaDe, &m.mnAdvertencia}) {
            int abiertas = 0;
            QTimer::singleShot(0, [&] {
                if (QWidget *w = QApplication::activeModalWidget()) {
                    ++abiertas;
                    CompruebaColocada(*w, vista);
                    w->grab().save(QStringLiteral(DRAVEK_ARTEFACTOS "/") + aQt(elemento->Name()) +
                                   QStringLiteral("_%1.png").arg(idioma));
                    w->close();
                }
            });
            vista.Accion(aQt(elemento->Name()))->trigger();
            EXPECT_EQ(abiertas, 1) << elemento->Name();
        }
    }
}

// The adjustment window and the listing window, opened over the main window, in the five
// languages.
TEST_F(VentanasEnPantalla, AjustesYListadoEnCadaIdioma)
{
    for (int idioma = 1; idioma <= 5; ++idioma) {
        SCOPED_TRACE(idioma);
        Principal p(textos);
        FormaPrincipalVista &principal = p.vista;
        ASSERT_TRUE(MuestraSituada(principal));

        pruebas::BancoAjustes<> b;
        b.estado().ejecucion.Idioma = static_cast<std::int16_t>(idioma);
        b.estado().ejecucion.DesplazamientoIdioma = (idioma - 1) * 5000;
        ASSERT_TRUE(b.abre());
        frAjustesVista ajustes(b.v, &principal);
        ajustes.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ajustes));
        CompruebaColocada(ajustes, principal);
        ajustes.grab().save(QStringLiteral(DRAVEK_ARTEFACTOS "/ajustes_%1.png").arg(idioma));
        ajustes.close();

        EstadoObra estadoListado;
        estadoListado.ejecucion.DesplazamientoIdioma = (idioma - 1) * 5000;
        frEscribePantalla listado(estadoListado);
        frEscribePantallaVista pantalla(listado, &principal);
        pantalla.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&pantalla));
        CompruebaColocada(pantalla, principal);
        pantalla.close();
    }
}

// A dialog larger than the smallest screen is brought within it.
TEST_F(VentanasEnPantalla, UnDialogoMayorQueLaPantallaSeAjusta)
{
    Principal p(textos);
    FormaPrincipalVista &principal = p.vista;
    ASSERT_TRUE(MuestraSituada(principal));
    QDialog grande(&principal);
    grande.resize(1600, 1000);
    grande.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grande));
    CompruebaColocada(grande, principal, false);
    EXPECT_EQ(grande.size(), PantallaMinima.shrunkBy(MarcoGestor));
}

} // namespace
} // namespace dravek::gui
