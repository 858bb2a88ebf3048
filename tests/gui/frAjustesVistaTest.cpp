#include "gui/adjustment/frAjustesVista.h"

#include "core/adjustment/AjustesPrueba.h"
#include "core/model/TextoRecurso.h"
#include "gui/comun/TextoQt.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextLayout>
#include <QTextOption>
#include <QToolTip>

#include <gtest/gtest.h>

#include <fstream>

namespace dravek::gui {
namespace {

// The view shows the rows of the first case, forwards a row chosen and a store, and closing it
// through its frame leaves as the exit button does.
TEST(frAjustesVista, MuestraLasFilasYReenviaLosActos)
{
    int argc = 1;
    char nombre[] = "frAjustesVistaTest";
    char *argv[] = {nombre, nullptr};
    QApplication app(argc, argv);

    pruebas::BancoAjustes<> b;
    ASSERT_TRUE(b.abre());
    frAjustesVista vista(b.v);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));

    auto *fila0 = vista.findChild<QRadioButton *>(QStringLiteral("obSeleccion(0)"));
    auto *fila5 = vista.findChild<QRadioButton *>(QStringLiteral("obSeleccion(5)"));
    auto *fila2 = vista.findChild<QRadioButton *>(QStringLiteral("obSeleccion(2)"));
    auto *camisa5 = vista.findChild<QLineEdit *>(QStringLiteral("txArmCamisa(5)"));
    auto *total0 = vista.findChild<QLineEdit *>(QStringLiteral("txArmTotal(0)"));
    auto *dispuesta = vista.findChild<QLineEdit *>(QStringLiteral("txArmDispuesta(0)"));
    auto *guardar = vista.findChild<QPushButton *>(QStringLiteral("btGuardar"));
    auto *anula = vista.findChild<QPushButton *>(QStringLiteral("btAnulaSeleccionDirecta"));
    ASSERT_TRUE(fila0 && fila5 && fila2 && camisa5 && total0 && dispuesta && guardar && anula);

    EXPECT_EQ(vista.windowTitle(), aQt(b.v.Caption));
    EXPECT_EQ(fila0->text(), aQt(b.v.obSeleccion[0].Caption));
    EXPECT_TRUE(fila0->isChecked());
    EXPECT_EQ(total0->text(), QStringLiteral("16.00"));
    EXPECT_EQ(camisa5->text(), QStringLiteral("20.00"));
    EXPECT_FALSE(fila2->isEnabled());
    EXPECT_FALSE(anula->isVisible());
    EXPECT_EQ(guardar->toolTip(), aQt(b.v.btGuardar.ToolTipText));
    EXPECT_TRUE(guardar->text().isEmpty());
    // A column head is cut between its words only, never inside its unit "(cm2/m)": laid out
    // at its width as the label lays it out, no line ends at a slash.
    for (int c = 0; c < 4; ++c) {
        SCOPED_TRACE(c);
        auto *cabecera = vista.findChild<QLabel *>(QStringLiteral("lbArmadura(%1)").arg(c));
        ASSERT_TRUE(cabecera);
        QString visible = cabecera->text();
        visible.remove(QChar(0x2060));
        EXPECT_EQ(visible, aQt(b.v.lbArmadura(c).Caption));
        QTextLayout capa(cabecera->text(), cabecera->font());
        QTextOption opcion;
        opcion.setWrapMode(QTextOption::WordWrap);
        capa.setTextOption(opcion);
        capa.beginLayout();
        for (QTextLine linea = capa.createLine(); linea.isValid(); linea = capa.createLine()) {
            linea.setLineWidth(cabecera->contentsRect().width());
        }
        capa.endLayout();
        for (int i = 0; i < capa.lineCount(); ++i) {
            const QTextLine linea = capa.lineAt(i);
            QString trozo = cabecera->text().mid(linea.textStart(), linea.textLength()).trimmed();
            trozo.remove(QChar(0x2060));
            EXPECT_FALSE(trozo.endsWith(u'/')) << trozo.toStdString();
        }
    }
    // A picture of the window for whoever reviews its layout.
    EXPECT_TRUE(vista.grab().toImage().save(QStringLiteral(DRAVEK_ARTEFACTOS "/ajustes.png")));

    // On its round button: the row's caption is a blank.
    QTest::mouseClick(fila5, Qt::LeftButton, {}, QPoint(6, fila5->height() / 2));
    EXPECT_EQ(b.v.obSeleccion.Seleccionada(), 5);
    EXPECT_TRUE(fila5->isChecked());
    EXPECT_FALSE(fila0->isChecked());
    EXPECT_EQ(dispuesta->text(), QStringLiteral("20.00"));
    QTest::mouseClick(guardar, Qt::LeftButton);
    EXPECT_TRUE(b.obra.Entrada(4, 3, 1).has_value());

    vista.close();
    EXPECT_TRUE(b.v.Descargada());
    EXPECT_FALSE(vista.isVisible());
    EXPECT_EQ(b.obra.grabaciones, 1);
    EXPECT_TRUE(b.mensajes.mostrados().empty());
}

// The warning beside a section says what it warns of, in the window's language: steel typed
// below the invert's need (0.50 against 0.84), and the haunch, which has no value to check.
TEST(frAjustesVista, AlertaConSuSugerencia)
{
    int argc = 1;
    char nombre[] = "frAjustesVistaTest";
    char *argv[] = {nombre, nullptr};
    QApplication app(argc, argv);

    for (const std::int32_t desplazamiento : {0, 5000}) {
        SCOPED_TRACE(desplazamiento);
        pruebas::BancoAjustes<> b;
        b.estado().ejecucion.Idioma = static_cast<std::int16_t>(desplazamiento / 5000 + 1);
        b.estado().ejecucion.DesplazamientoIdioma = desplazamiento;
        ASSERT_TRUE(b.abre());
        ponValor(b.v.obSeleccion, 8, true);
        ASSERT_TRUE(b.teclea(b.v.txArmCamisa[8], "20"));
        ASSERT_TRUE(b.teclea(b.v.txArmExterior[8], "0.5"));
        pulsa(b.v.btSeleccionDirecta);
        frAjustesVista vista(b.v);
        vista.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));

        auto *clave = vista.findChild<QLabel *>(QStringLiteral("imAlerta(0)"));
        auto *rinones = vista.findChild<QLabel *>(QStringLiteral("imAlerta(1)"));
        auto *solera = vista.findChild<QLabel *>(QStringLiteral("imAlerta(2)"));
        ASSERT_TRUE(clave && rinones && solera);
        EXPECT_FALSE(clave->isVisible());
        EXPECT_TRUE(rinones->isVisible());
        EXPECT_TRUE(solera->isVisible());
        EXPECT_EQ(solera->toolTip(), aQt(Texto(desplazamiento, 1708)));
        EXPECT_EQ(rinones->toolTip(), aQt(Texto(desplazamiento, 1560)));
        EXPECT_EQ(b.v.txArmNecesaria[2].Text(), "0.84");
        EXPECT_TRUE(b.mensajes.mostrados().empty());
        if (desplazamiento == 5000) {
            EXPECT_TRUE(vista.grab().toImage().save(
                QStringLiteral(DRAVEK_ARTEFACTOS "/ajustes_alerta.png")));
            // The tip as the engineer sees it when resting on the invert's warning.
            QToolTip::showText(solera->mapToGlobal(QPoint(4, 4)), solera->toolTip(), solera);
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (w->inherits("QTipLabel") && w->isVisible()) {
                    EXPECT_TRUE(w->grab().toImage().save(
                        QStringLiteral(DRAVEK_ARTEFACTOS "/ajustes_alerta_sugerencia.png")));
                }
            }
        }
    }
}

// The alternative covers in English: the notice shows while they are edited, and covers that
// leave no wall are refused with the editing still open.
TEST(frAjustesVista, RecubrimientosRechazadosEnIngles)
{
    int argc = 1;
    char nombre[] = "frAjustesVistaTest";
    char *argv[] = {nombre, nullptr};
    QApplication app(argc, argv);

    pruebas::BancoAjustes<> b;
    b.estado().ejecucion.Idioma = 2;
    b.estado().ejecucion.DesplazamientoIdioma = 5000;
    std::ofstream(b.carpeta / std::string(Texto(5000, 411)))
        << "{\\rtf1 Alternative covers are tried here.}";
    ASSERT_TRUE(b.abre());
    frAjustesVista vista(b.v);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));

    auto *cambia = vista.findChild<QPushButton *>(QStringLiteral("btCambiarRecubrimientos"));
    auto *acepta = vista.findChild<QPushButton *>(QStringLiteral("btAceptarRecubrimientos"));
    auto *interior = vista.findChild<QLineEdit *>(QStringLiteral("txRecInterior"));
    auto *exterior = vista.findChild<QLineEdit *>(QStringLiteral("txRecExterior"));
    ASSERT_TRUE(cambia && acepta && interior && exterior);
    EXPECT_EQ(vista.windowTitle(), aQt(Texto(5000, 900)));
    QTest::mouseClick(cambia, Qt::LeftButton);
    ASSERT_TRUE(interior->isEnabled());
    EXPECT_TRUE(vista.findChild<QWidget *>(QStringLiteral("tbAviso"))->isVisible());
    // A click into a cover selects it: the 6 typed replaces it.
    for (QLineEdit *recubrimiento : {interior, exterior}) {
        QTest::mouseClick(recubrimiento, Qt::LeftButton);
        EXPECT_TRUE(recubrimiento->hasFocus());
        EXPECT_FALSE(recubrimiento->text().isEmpty());
        EXPECT_EQ(recubrimiento->selectedText(), recubrimiento->text());
        QTest::keyClicks(recubrimiento, QStringLiteral("6"));
        EXPECT_EQ(recubrimiento->text(), QStringLiteral("6"));
    }
    b.mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::mouseClick(acepta, Qt::LeftButton);
    ASSERT_EQ(b.mensajes.mostrados().size(), 1u);
    EXPECT_EQ(b.mensajes.mostrados()[0].texto, Texto(5000, 1702));
    EXPECT_TRUE(interior->isEnabled());
    EXPECT_FALSE(b.v.UsaRecubrimientosAlternativos);
    EXPECT_TRUE(vista.grab().toImage().save(
        QStringLiteral(DRAVEK_ARTEFACTOS "/ajustes_recubrimientos.png")));
}

} // namespace
} // namespace dravek::gui
