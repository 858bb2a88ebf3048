#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/CerrojosEnMemoria.h"
#include "apoyo/ComandosCapturaGrabadora.h"
#include "apoyo/DialogosFicheroGuionizados.h"
#include "apoyo/FicherosEnMemoria.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/ObraPrueba.h"
#include "apoyo/VentanasNulas.h"
#include "core/entry/ObraCapturaDatos.h"
#include "core/model/TextoRecurso.h"
#include "core/shell/FormaPrincipal.h"
#include "gui/comun/TextoQt.h"
#include "gui/entry/CapturaDatosVista.h"
#include "gui/plataforma/MensajesQt.h"
#include "gui/plataforma/TraduccionesQt.h"
#include "gui/shell/CapturaEnMarco.h"
#include "gui/shell/FormaPrincipalVista.h"
#include "gui/shell/frmTipVista.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace dravek::gui {
namespace {

// The main window as the program wires it: the data-entry window opens inside its frame.
class MarcoVistaTest : public ::testing::Test {
protected:
    MarcoVistaTest()
    {
        EXPECT_TRUE(forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
        ficheros.Pon(ruta,
                     pruebas::LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_coma.dvk"));
        obra.PonComandos(comandos);
        forma.Conecta(obra, ventanas, comandos);
        principal.Refresca();
        principal.show();
    }

    bool Activa(const char *nombre) const
    {
        QAction *accion = principal.Accion(QString::fromLatin1(nombre));
        EXPECT_NE(accion, nullptr) << nombre;
        return accion && accion->isEnabled();
    }
    QMdiSubWindow *Subventana() const
    {
        return mostrada ? qobject_cast<QMdiSubWindow *>(mostrada->parentWidget()) : nullptr;
    }

    int m_argc = 1;
    char m_nombre[16] = "MarcoVistaTest";
    char *m_argv[2] = {m_nombre, nullptr};
    QApplication m_app{m_argc, m_argv};

    TraduccionesQt traducciones;
    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes{pruebas::Guion::Estricto};
    pruebas::AlmacenConfiguracionEnMemoria configuracion;
    pruebas::LocalUsuarioFijo local{","};
    FormaPrincipal forma{estado, mensajes, configuracion, traducciones};
    FormaPrincipalVista principal{forma};
    pruebas::FicherosEnMemoria ficheros;
    pruebas::DialogosFicheroGuionizados dialogos;
    const std::string ruta = "/obras/presa.dvk";
    pruebas::VentanasNulas ventanas;
    CapturaDatosVista *mostrada = nullptr;
    pruebas::CerrojosEnMemoria cerrojos;
    pruebas::ComandosCapturaGrabadora comandos;
    // Last: its window goes before the frame.
    ObraCapturaDatos obra{estado,
                          {mensajes, forma.menu(), ficheros, dialogos, configuracion, cerrojos,
                           forma, [this](CapturaDatos &captura) {
                               auto vista = std::make_unique<CapturaEnMarco>(captura, principal);
                               mostrada = &vista->vista();
                               return vista;
                           }}};
};

// An opened project shows the data-entry window inside the frame, whole, under the menus,
// which carry the states of an open project; closing its sub-window closes the project.
TEST_F(MarcoVistaTest, LaCapturaDentroDelMarco)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principal));
    dialogos.responde(ruta);
    principal.Accion(QStringLiteral("MnAbriFichero"))->trigger();
    ASSERT_NE(mostrada, nullptr);
    QMdiSubWindow *subventana = Subventana();
    ASSERT_NE(subventana, nullptr);
    EXPECT_EQ(mostrada->window(), &principal);
    EXPECT_FALSE(mostrada->isWindow());
    ASSERT_EQ(principal.area()->subWindowList().size(), 1);
    EXPECT_EQ(principal.area()->subWindowList()[0], subventana);
    EXPECT_TRUE(subventana->isVisible());
    EXPECT_TRUE(subventana->isMaximized());

    // Whole, in a frame within a 1280x800 screen, under the menu bar.
    EXPECT_GE(mostrada->width(), 1040);
    EXPECT_GE(mostrada->height(), 740);
    EXPECT_LE(principal.frameGeometry().width(), 1280);
    EXPECT_LE(principal.height(), 770);
    const QRect menus = principal.menuBar()->geometry();
    const QRect captura(mostrada->mapTo(&principal, QPoint(0, 0)), mostrada->size());
    EXPECT_FALSE(menus.intersects(captura));
    EXPECT_TRUE(QRect(QPoint(0, 0), principal.size()).contains(captura));

    // The menus of an open project, the run menu with them.
    for (const char *activo : {"mnTramos", "mnNuevoTramo", "mnCerrarObra", "mnGrabaObra",
                               "MnImprimir", "MnSeleccionarImpresora", "mnOtras",
                               "mnCalculoHidraulico", "mnMedidas", "mnAyuda", "mnSalir"}) {
        SCOPED_TRACE(activo);
        EXPECT_TRUE(Activa(activo));
    }
    for (const char *inactivo : {"MnAbriFichero", "MnNuevaObra", "mnGrabaTramo"}) {
        SCOPED_TRACE(inactivo);
        EXPECT_FALSE(Activa(inactivo));
    }
    // The data-entry window's caption stays in sight, in the frame's.
    EXPECT_TRUE(principal.windowTitle().contains(aQt(obra.Captura()->Caption)));
    EXPECT_TRUE(principal.windowTitle().startsWith(QStringLiteral("DRAVEK")));
    EXPECT_TRUE(principal.grab().save(QStringLiteral(DRAVEK_ARTEFACTOS "/marco_captura.png")));

    // The sub-window's own close control is the close command: the project closes.
    subventana->close();
    EXPECT_EQ(obra.Captura(), nullptr);
    EXPECT_FALSE(subventana->isVisible());
    EXPECT_TRUE(Activa("MnAbriFichero"));
    EXPECT_TRUE(Activa("MnNuevaObra"));
    EXPECT_FALSE(Activa("mnTramos"));
    EXPECT_FALSE(Activa("mnCerrarObra"));
    EXPECT_EQ(principal.windowTitle(), QStringLiteral("DRAVEK"));

    // A new project opens inside the frame again, alone; the close command closes it.
    principal.Accion(QStringLiteral("MnNuevaObra"))->trigger();
    ASSERT_NE(Subventana(), nullptr);
    EXPECT_EQ(mostrada->window(), &principal);
    EXPECT_TRUE(Subventana()->isVisible());
    int visibles = 0;
    for (QMdiSubWindow *s : principal.area()->subWindowList()) {
        visibles += s->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(visibles, 1);
    principal.Accion(QStringLiteral("mnCerrarObra"))->trigger();
    EXPECT_EQ(obra.Captura(), nullptr);
    EXPECT_FALSE(Subventana()->isVisible());
    EXPECT_TRUE(mensajes.mostrados().empty());
}

// A run with unsaved changes keeps the window open when its sub-window is closed and the
// engineer cancels the question.
TEST_F(MarcoVistaTest, CerrarLaSubventanaPreguntaALaLogica)
{
    principal.Accion(QStringLiteral("MnNuevaObra"))->trigger();
    ASSERT_NE(Subventana(), nullptr);
    principal.Accion(QStringLiteral("mnNuevoTramo"))->trigger();
    ASSERT_TRUE(estado.ejecucion.DatosModificados);
    mensajes.responde(RespuestaMensaje::Cancelar);
    Subventana()->close();
    ASSERT_EQ(mensajes.mostrados().size(), 1u);
    EXPECT_NE(obra.Captura(), nullptr);
    EXPECT_TRUE(Subventana()->isVisible());
    EXPECT_TRUE(Activa("mnCerrarObra"));
}

// What Qt writes itself: the buttons of a message box and the first item of a text box's menu.
struct TextosQt {
    QString si;
    QString no;
    QString cancelar;
    QString deshacer;
    bool operator==(const TextosQt &) const = default;
};

std::ostream &operator<<(std::ostream &os, const TextosQt &t)
{
    return os << deQt(t.si) << " / " << deQt(t.no) << " / " << deQt(t.cancelar) << " / "
              << deQt(t.deshacer);
}

TextosQt LeeTextosQt()
{
    QMessageBox caja(QMessageBox::Question, QStringLiteral("DRAVEK"), QStringLiteral("?"),
                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QLineEdit caja2;
    std::unique_ptr<QMenu> menu(caja2.createStandardContextMenu());
    return {caja.button(QMessageBox::Yes)->text(), caja.button(QMessageBox::No)->text(),
            caja.button(QMessageBox::Cancel)->text(),
            menu->actions().value(0)->text().section(QLatin1Char('\t'), 0, 0)};
}

// Qt's own buttons and menus speak the interface language from start-up on, and follow the
// language chosen on the data-entry window; Portuguese takes the Brazilian catalogue, the
// only one Qt has.
TEST_F(MarcoVistaTest, LosTextosDeQtEnElIdiomaDeLaInterfaz)
{
    const TextosQt espanol{QStringLiteral("&Sí"), QStringLiteral("&No"),
                           QStringLiteral("Cancelar"), QStringLiteral("&Deshacer")};
    EXPECT_EQ(LeeTextosQt(), espanol);

    principal.Accion(QStringLiteral("MnNuevaObra"))->trigger();
    CapturaDatos *captura = obra.Captura();
    ASSERT_NE(captura, nullptr);
    struct Fila {
        std::int16_t idioma;
        TextosQt textos;
    };
    const Fila filas[] = {
        {5,
         {QStringLiteral("&Oui"), QStringLiteral("&Non"), QStringLiteral("Annuler"),
          QStringLiteral("&Annuler")}},
        {3,
         {QStringLiteral("&Sí"), QStringLiteral("&No"), QStringLiteral("Cancel·la"),
          QStringLiteral("&Desfés")}},
        {4,
         {QStringLiteral("&Sim"), QStringLiteral("&Não"), QStringLiteral("Cancelar"),
          QStringLiteral("&Desfazer")}},
        {2,
         {QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("Cancel"),
          QStringLiteral("&Undo")}},
        {1, espanol},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.idioma);
        ponIndice(captura->edIdioma, f.idioma - 1);
        ASSERT_EQ(estado.ejecucion.Idioma, f.idioma);
        EXPECT_EQ(LeeTextosQt(), f.textos);
        principal.Refresca();
        EXPECT_EQ(principal.Accion(QStringLiteral("mnTramos"))->text(),
                  aQt(Texto(estado.ejecucion.DesplazamientoIdioma, 1054)));
    }
    EXPECT_TRUE(mensajes.mostrados().empty());
}

// The start-up notice opens over the frame at its first line, and the logo stays in sight
// beside it.
TEST_F(MarcoVistaTest, ElAvisoSobreElMarcoConElLogo)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principal));
    QImage pantalla;
    QRect aviso;
    int desplazamiento = -1;
    int largo = 0;
    QTimer::singleShot(0, [&] {
        QWidget *w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        aviso = w->frameGeometry();
        auto *texto = w->findChild<QTextEdit *>(QStringLiteral("rtBox1"));
        ASSERT_NE(texto, nullptr);
        desplazamiento = texto->verticalScrollBar()->value();
        largo = texto->verticalScrollBar()->maximum();
        pantalla = principal.grab().toImage();
        w->close();
    });
    MuestraAdvertencia(estado, configuracion, &principal);
    // A notice longer than its box, shown from its first line.
    EXPECT_GT(largo, 0);
    EXPECT_EQ(desplazamiento, 0);
    EXPECT_TRUE(pantalla.save(QStringLiteral(DRAVEK_ARTEFACTOS "/marco_aviso.png")));
    const QRect logo = principal.RectanguloLogo();
    EXPECT_FALSE(logo.isEmpty());
    EXPECT_FALSE(aviso.intersects(logo))
        << aviso.x() << "," << aviso.y() << " " << aviso.width() << "x" << aviso.height() << " / "
        << logo.x() << "," << logo.y() << " " << logo.width() << "x" << logo.height();
}

// The frame's title names the project file and marks its unsaved changes; the data-entry
// window fills the frame for as long as it is open, with no restore or minimise; the frame,
// the sub-window and the dialogs carry the program's icon.
TEST_F(MarcoVistaTest, TituloIconoYSubventanaQueLlenaElMarco)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&principal));
    EXPECT_EQ(principal.windowTitle(), QStringLiteral("DRAVEK"));
    dialogos.responde(ruta);
    principal.Accion(QStringLiteral("MnAbriFichero"))->trigger();
    QMdiSubWindow *subventana = Subventana();
    ASSERT_NE(subventana, nullptr);
    const QString caption = aQt(obra.Captura()->Caption);
    EXPECT_EQ(principal.windowTitle(),
              QStringLiteral("DRAVEK - presa.dvk[*] - [") + caption + QLatin1Char(']'));
    EXPECT_FALSE(principal.isWindowModified());

    // A change of the project's title is marked at once.
    auto *titulo = mostrada->findChild<QLineEdit *>(QStringLiteral("edObra"));
    ASSERT_NE(titulo, nullptr);
    titulo->setFocus();
    QTest::keyClicks(titulo, QStringLiteral(" bis"));
    QApplication::processEvents();
    EXPECT_TRUE(principal.isWindowModified());
    EXPECT_TRUE(principal.grab().save(QStringLiteral(DRAVEK_ARTEFACTOS "/marco_titulo.png")));

    // No restore or minimise is offered, and none takes the window out of the frame.
    const Qt::WindowFlags banderas = subventana->windowFlags();
    EXPECT_FALSE(banderas.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(banderas.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(banderas.testFlag(Qt::WindowCloseButtonHint));
    const QString restaurar = QCoreApplication::translate("QMdiSubWindow", "&Restore");
    const QString minimizar = QCoreApplication::translate("QMdiSubWindow", "Mi&nimize");
    int cerrar = 0;
    for (QAction *accion : subventana->systemMenu()->actions()) {
        if (accion->isVisible()) {
            SCOPED_TRACE(accion->text().toStdString());
            EXPECT_NE(accion->text(), restaurar);
            EXPECT_NE(accion->text(), minimizar);
            cerrar += accion->text() == QCoreApplication::translate("QMdiSubWindow", "&Close");
        }
    }
    EXPECT_EQ(cerrar, 1);
    subventana->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(subventana->isMaximized());
    subventana->showMinimized();
    QApplication::processEvents();
    EXPECT_TRUE(subventana->isMaximized());
    EXPECT_TRUE(subventana->isVisible());
    EXPECT_TRUE(mensajes.mostrados().empty());

    // The program's icon, the desktop menu's drawing at each of its sizes.
    const QIcon icono = QApplication::windowIcon();
    ASSERT_FALSE(icono.isNull());
    EXPECT_EQ(icono.availableSizes(),
              (QList<QSize>{QSize(48, 48), QSize(128, 128), QSize(256, 256)}));
    EXPECT_EQ(principal.windowIcon().cacheKey(), icono.cacheKey());
    EXPECT_EQ(subventana->windowIcon().cacheKey(), icono.cacheKey());
    QMessageBox caja(&principal);
    EXPECT_EQ(caja.windowIcon().cacheKey(), icono.cacheKey());
    const QImage imagen = icono.pixmap(64, 64).toImage();
    EXPECT_TRUE(imagen.save(QStringLiteral(DRAVEK_ARTEFACTOS "/icono_programa.png")));
    // Round: the corners are clear, the ring is drawn.
    EXPECT_EQ(qAlpha(imagen.pixel(1, 1)), 0);
    EXPECT_GT(qAlpha(imagen.pixel(6, 32)), 0);
}

// A message box is as wide as its title needs, whatever the length of its text.
TEST_F(MarcoVistaTest, LaCajaDeMensajeCabeConSuTitulo)
{
    MensajesQt qt(&principal);
    struct Caso {
        std::string titulo;
        std::string texto;
    };
    const std::vector<Caso> casos = {
        {"Espesor Mínimo de la Chapa de Camisa (mm)", "Valor incorrecto"},
        {"CONFIRMACION", "¿ Desea salir ?"},
        {"Distancia de la Generatriz superior del Tubo a la superficie del terreno natural",
         "Seleccione un valor númerico "},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.titulo);
        int ancho = 0;
        int necesario = 0;
        QTimer::singleShot(0, [&] {
            QWidget *caja = QApplication::activeModalWidget();
            ASSERT_NE(caja, nullptr);
            ancho = caja->width();
            necesario = AnchoParaTitulo(caja->windowTitle(), caja->font());
            if (c.titulo.size() > 40) {
                EXPECT_TRUE(caja->grab().save(
                    QStringLiteral(DRAVEK_ARTEFACTOS "/mensaje_titulo_largo.png")));
            }
            caja->close();
        });
        qt.Muestra(c.texto, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, c.titulo);
        EXPECT_GE(ancho, necesario);
        EXPECT_GT(necesario, QFontMetrics(principal.font()).horizontalAdvance(aQt(c.titulo)));
        EXPECT_LE(ancho, 1280);
    }
}

} // namespace
} // namespace dravek::gui
