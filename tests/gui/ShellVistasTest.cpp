#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/ServicioImpresorasEnMemoria.h"
#include "core/model/EstadoObra.h"
#include "core/shell/Impresoras.h"
#include "core/shell/frmAboutBox.h"
#include "core/shell/frmTip.h"
#include "core/storage/Registro.h"
#include "gui/comun/TextoQt.h"
#include "gui/shell/ImpresorasVista.h"
#include "gui/shell/frmAboutBoxVista.h"
#include "gui/shell/frmTipVista.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek::gui {
namespace {

// Where a click ticks a check box: its indicator and caption.
QPoint PuntoDeLaCasilla(const QCheckBox *casilla)
{
    QStyleOptionButton opcion;
    opcion.initFrom(casilla);
    opcion.text = casilla->text();
    return casilla->style()
        ->subElementRect(QStyle::SE_CheckBoxClickRect, &opcion, casilla)
        .center();
}

class ShellVistas : public ::testing::Test {
protected:
    int argc = 1;
    char nombre[16] = "ShellVistas";
    char *argv[2] = {nombre, nullptr};
    QApplication app{argc, argv};
};

// The notice shows the file of the language with its look; the check box starts from the
// setting and a click on it writes it; the button closes the window.
TEST_F(ShellVistas, AvisoConSuFichero)
{
    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    QFile aviso(carpeta.filePath(QStringLiteral("TEXTOIET.RTF")));
    ASSERT_TRUE(aviso.open(QIODevice::WriteOnly));
    aviso.write("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red0\\green0\\blue255;}"
                "\\cf1\\b\\fs28 AVISO\\cf0\\b0\\fs20\\par Instrucci\\'f3n\\tab del aviso.\\par}");
    aviso.close();
    EstadoObra estado;
    estado.ejecucion.RutaAplicacion = deQt(carpeta.path()) + "/";
    pruebas::AlmacenConfiguracionEnMemoria almacen;
    almacen.GrabaAjuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias, "0");

    frmTip logica(estado, almacen);
    frmTipVista vista(logica);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    EXPECT_TRUE(vista.grab().toImage().save(QStringLiteral(DRAVEK_ARTEFACTOS "/aviso.png")));
    auto *texto = vista.findChild<QTextEdit *>(QStringLiteral("rtBox1"));
    auto *casilla = vista.findChild<QCheckBox *>(QStringLiteral("chkLoadTipsAtStartup"));
    auto *aceptar = vista.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    ASSERT_TRUE(texto && casilla && aceptar);

    EXPECT_EQ(vista.windowTitle(), QStringLiteral("Advertencia de DRAVEK sobre el programa"));
    EXPECT_EQ(casilla->text(), QStringLiteral("&Mostrar esta Advertencia al iniciar"));
    EXPECT_FALSE(casilla->isChecked());
    EXPECT_EQ(aceptar->text(), QStringLiteral("Aceptar"));
    EXPECT_TRUE(texto->isReadOnly());
    EXPECT_EQ(texto->toPlainText(), aQt(logica.rtBox1.Text()));
    const QTextBlock titulo = texto->document()->firstBlock();
    EXPECT_EQ(titulo.text(), QStringLiteral("AVISO"));
    const QTextCharFormat formato = titulo.begin().fragment().charFormat();
    EXPECT_EQ(formato.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(formato.fontPointSize(), 14.0);
    EXPECT_EQ(formato.foreground().color(), QColor(0, 0, 255));

    QTest::mouseClick(casilla, Qt::LeftButton, {}, PuntoDeLaCasilla(casilla));
    EXPECT_TRUE(casilla->isChecked());
    EXPECT_EQ(almacen.ajuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias), "1");

    QTest::mouseClick(aceptar, Qt::LeftButton);
    EXPECT_FALSE(vista.isVisible());
    EXPECT_EQ(vista.result(), QDialog::Accepted);
}

// Any key closes the about box, on its button or on the window, as the click does.
TEST_F(ShellVistas, AcercaDeSeCierraConCualquierTecla)
{
    EstadoObra estado;
    struct Caso {
        const char *nombre;
        Qt::Key tecla;
    };
    for (const Caso caso : {Caso{"letter", Qt::Key_X}, Caso{"Escape", Qt::Key_Escape},
                            Caso{"Space", Qt::Key_Space}, Caso{"click", Qt::Key_unknown}}) {
        SCOPED_TRACE(caso.nombre);
        frmAboutBox logica(estado);
        frmAboutBoxVista vista(logica);
        vista.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
        EXPECT_TRUE(
            vista.grab().toImage().save(QStringLiteral(DRAVEK_ARTEFACTOS "/acerca_de.png")));
        auto *aceptar = vista.findChild<QPushButton *>(QStringLiteral("cmdOK"));
        auto *programa = vista.findChild<QLabel *>(QStringLiteral("lblLabels(0)"));
        auto *version = vista.findChild<QLabel *>(QStringLiteral("lblLabels(1)"));
        ASSERT_TRUE(aceptar && programa && version);
        EXPECT_EQ(vista.windowTitle(), QStringLiteral("DRAVEK"));
        EXPECT_EQ(programa->text(),
                  QStringLiteral("Programa de Calculo de Lurno de Hormigón Armado y Pretensado"));
        EXPECT_EQ(version->text(), QStringLiteral("Versión 12.01"));
        EXPECT_EQ(aceptar->text(), QStringLiteral("&Aceptar"));
        EXPECT_TRUE(aceptar->hasFocus());
        if (caso.tecla == Qt::Key_unknown) {
            QTest::mouseClick(aceptar, Qt::LeftButton);
        } else {
            QTest::keyClick(aceptar, caso.tecla);
        }
        EXPECT_TRUE(logica.Descargada());
        EXPECT_FALSE(vista.isVisible());
        EXPECT_EQ(vista.result(), QDialog::Accepted);
    }
}

// The printer choice: the list of the service with the default chosen, a refused number of
// copies keeps the focus in the box and the button does nothing, the spin button's arrows, a
// printer chosen with the mouse and three copies accepted.
TEST_F(ShellVistas, EleccionDeImpresora)
{
    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes{pruebas::Guion::Estricto};
    pruebas::ServicioImpresorasEnMemoria servicio({"HP LaserJet 4", "Canon iR-ADV", "Oficina 2"},
                                                  "Canon iR-ADV");
    Impresoras logica(estado, mensajes, servicio);
    ImpresorasVista vista(logica);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    EXPECT_TRUE(vista.grab().toImage().save(QStringLiteral(DRAVEK_ARTEFACTOS "/impresoras.png")));
    auto *lista = vista.findChild<QListWidget *>(QStringLiteral("ListaImpresoras"));
    auto *copias = vista.findChild<QLineEdit *>(QStringLiteral("tbCopias"));
    auto *arriba = vista.findChild<QToolButton *>(QStringLiteral("spCopias(arriba)"));
    auto *abajo = vista.findChild<QToolButton *>(QStringLiteral("spCopias(abajo)"));
    auto *aceptar = vista.findChild<QPushButton *>(QStringLiteral("btAceptar"));
    ASSERT_TRUE(lista && copias && arriba && abajo && aceptar);

    EXPECT_EQ(vista.windowTitle(), QStringLiteral("Impresoras del sistema"));
    ASSERT_EQ(lista->count(), 3);
    EXPECT_EQ(lista->item(2)->text(), QStringLiteral("Oficina 2"));
    EXPECT_EQ(lista->currentRow(), 1);
    EXPECT_EQ(copias->text(), QStringLiteral("1"));
    EXPECT_EQ(QApplication::focusWidget(), lista);

    // "2,5" is refused on the way to the button: the focus stays, nothing is accepted.
    QTest::mouseClick(copias, Qt::LeftButton);
    copias->selectAll();
    QTest::keyClicks(copias, QStringLiteral("2,5"));
    EXPECT_EQ(logica.tbCopias.Text(), "2,5");
    mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::mouseClick(aceptar, Qt::LeftButton);
    EXPECT_EQ(mensajes.mostrados(), (std::vector<pruebas::MensajeMostrado>{
                                        {"Seleccione un valor entero ", BotonesMensaje::Aceptar,
                                         IconoMensaje::Ninguno, "Numero de copias"}}));
    EXPECT_EQ(QApplication::focusWidget(), copias);
    EXPECT_TRUE(vista.isVisible());
    EXPECT_EQ(estado.Printer.DeviceName, "");
    // Nor can another printer be chosen with the mouse meanwhile.
    mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(lista->item(0)).center());
    EXPECT_EQ(lista->currentRow(), 1);
    EXPECT_EQ(logica.ListaImpresoras.ListIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), copias);
    mensajes.olvida();

    copias->selectAll();
    QTest::keyClicks(copias, QStringLiteral("4"));
    QTest::mouseClick(abajo, Qt::LeftButton);
    EXPECT_EQ(copias->text(), QStringLiteral("3"));
    QTest::mouseClick(arriba, Qt::LeftButton);
    QTest::mouseClick(abajo, Qt::LeftButton);
    EXPECT_EQ(copias->text(), QStringLiteral("3"));
    EXPECT_EQ(QApplication::focusWidget(), copias);

    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                      lista->visualItemRect(lista->item(2)).center());
    EXPECT_EQ(logica.ListaImpresoras.ListIndex(), 2);
    mensajes.responde(RespuestaMensaje::Si);
    mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::mouseClick(aceptar, Qt::LeftButton);
    EXPECT_EQ(mensajes.mostrados().back().texto, "Se imprimiran 3 por la impresora: Oficina 2");
    EXPECT_EQ(estado.Printer.DeviceName, "Oficina 2");
    EXPECT_EQ(estado.Printer.Copies, 3);
    EXPECT_FALSE(vista.isVisible());
}

// With no default printer nothing is chosen, and the list taking the focus chooses nothing.
TEST_F(ShellVistas, SinImpresoraPredeterminada)
{
    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes{pruebas::Guion::Estricto};
    pruebas::ServicioImpresorasEnMemoria servicio({"HP LaserJet 4", "Canon iR-ADV"}, "");
    Impresoras logica(estado, mensajes, servicio);
    ImpresorasVista vista(logica);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    auto *lista = vista.findChild<QListWidget *>(QStringLiteral("ListaImpresoras"));
    auto *aceptar = vista.findChild<QPushButton *>(QStringLiteral("btAceptar"));
    ASSERT_TRUE(lista && aceptar);
    EXPECT_EQ(QApplication::focusWidget(), lista);
    QTest::keyClick(lista, Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), lista);
    EXPECT_TRUE(lista->selectedItems().isEmpty());
    EXPECT_EQ(logica.ListaImpresoras.ListIndex(), -1);
    QTest::mouseClick(aceptar, Qt::LeftButton);
    EXPECT_TRUE(vista.isVisible());
    EXPECT_TRUE(mensajes.mostrados().empty());

    QTest::keyClick(lista, Qt::Key_Down);
    EXPECT_EQ(logica.ListaImpresoras.ListIndex(), 1);
}

} // namespace
} // namespace dravek::gui
