#include "gui/protection/ProteccionesVista.h"

#include "apoyo/MensajesGrabadora.h"
#include "core/protection/Protecciones.h"
#include "gui/VentanaConListado.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace dravek::gui {
namespace {

// The adviser's window over its logic, shown and active, and its pH and CO2 boxes.
class ProteccionesVistaTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
        ph = vista.findChild<QLineEdit *>(QStringLiteral("txpH(0)"));
        co2 = vista.findChild<QLineEdit *>(QStringLiteral("txpH(1)"));
        ASSERT_TRUE(ph && co2);
    }

    pruebas::VentanaConListado<Protecciones, ProteccionesVista> b;
    pruebas::MensajesGrabadora &mensajes = b.mensajes;
    Protecciones &logica = b.logica;
    ProteccionesVista &vista = b.vista;
    QLineEdit *ph = nullptr;
    QLineEdit *co2 = nullptr;
};

// The view forwards typing, focus moves and clicks to the logic and shows what the logic holds;
// a box whose leave check fails keeps the focus and the window does not close.
TEST_F(ProteccionesVistaTest, TecleaValidaVisualizaYCierra)
{
    auto *resultado = vista.findChild<QPlainTextEdit *>(QStringLiteral("edResultadoAgres"));
    auto *visualizar = vista.findChild<QPushButton *>(QStringLiteral("btCalculoAgres"));
    auto *cerrar = vista.findChild<QPushButton *>(QStringLiteral("btCerrarAgres"));
    ASSERT_TRUE(resultado && visualizar && cerrar);
    EXPECT_EQ(vista.windowTitle(), QStringLiteral("Medidas de protección"));
    EXPECT_EQ(visualizar->text(), QStringLiteral("   Visualizar"));
    EXPECT_EQ(ph->text(), QStringLiteral("7.00"));
    EXPECT_EQ(QApplication::focusWidget(), ph);
    EXPECT_EQ(ph->selectedText(), QStringLiteral("7.00"));

    // The selected 7.00 is typed over; letters are swallowed, the comma key types a point.
    QTest::keyClicks(ph, QStringLiteral("a6,5b"));
    EXPECT_EQ(ph->text(), QStringLiteral("6.5"));
    EXPECT_EQ(logica.txpH[0].Text(), "6.5");
    QTest::keyClick(ph, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), co2);
    EXPECT_EQ(ph->text(), QStringLiteral("6.50"));
    EXPECT_EQ(co2->text(), QStringLiteral("0.00"));

    QTest::mouseClick(visualizar, Qt::LeftButton);
    EXPECT_EQ(resultado->toPlainText().toStdString(), logica.edResultadoAgres.Text());
    EXPECT_TRUE(resultado->toPlainText().contains(QStringLiteral("  350.00 kg/m3")));

    // A pasted negative value: the leave check refuses naming the bound, the box shows again
    // what it held and keeps the focus; Cerrar closes all the same, without the box's check.
    co2->setFocus(Qt::MouseFocusReason);
    co2->setText(QStringLiteral("-5"));
    mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::keyClick(co2, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), co2);
    EXPECT_EQ(co2->text(), QStringLiteral("0.00"));
    ASSERT_EQ(mensajes.mostrados().size(), 1U);
    EXPECT_EQ(mensajes.mostrados()[0].texto, "Valor incorrecto (mínimo 0)");
    EXPECT_EQ(mensajes.mostrados()[0].titulo, "CO2 agresivo");

    co2->setText(QStringLiteral("-5"));
    QTest::mouseClick(cerrar, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_FALSE(vista.isVisible());
    EXPECT_EQ(vista.result(), QDialog::Accepted);
    EXPECT_EQ(mensajes.mostrados().size(), 1U);
}

// The window opens with the focus in the pH box, its 7.00 selected. A click into that box,
// which has the focus already, keeps the whole text selected, so "6.5" typed replaces it (it
// made 657.00, which was accepted). A pH of 657 typed is refused naming its bound.
TEST_F(ProteccionesVistaTest, UnClicEnElPHEnfocadoYLoTecleadoLoSustituye)
{
    ASSERT_EQ(QApplication::focusWidget(), ph);

    QTest::mouseClick(ph, Qt::LeftButton, {}, QPoint(4, ph->height() / 2));
    EXPECT_EQ(ph->selectedText(), QStringLiteral("7.00"));
    QTest::keyClicks(ph, QStringLiteral("6.5"));
    EXPECT_EQ(ph->text(), QStringLiteral("6.5"));
    QTest::keyClick(ph, Qt::Key_Tab);
    EXPECT_EQ(ph->text(), QStringLiteral("6.50"));
    EXPECT_EQ(logica.ValoresAgresividad()[0], 6.5);

    QTest::mouseClick(ph, Qt::LeftButton);
    EXPECT_EQ(ph->selectedText(), QStringLiteral("6.50"));
    QTest::keyClicks(ph, QStringLiteral("657"));
    mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::keyClick(ph, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(mensajes.mostrados(), (std::vector<pruebas::MensajeMostrado>{
                                        {"Valor incorrecto (máximo 14)", BotonesMensaje::Aceptar,
                                         IconoMensaje::Ninguno, "pH"}}));
    EXPECT_EQ(QApplication::focusWidget(), ph);
    EXPECT_EQ(ph->text(), QStringLiteral("6.50"));
    EXPECT_EQ(logica.ValoresAgresividad()[0], 6.5);
}

// A click into a value box, its default just written or a value typed before, selects the whole
// text: the value typed replaces it.
TEST_F(ProteccionesVistaTest, UnClicEnLaCajaYLoTecleadoLaSustituye)
{
    struct Caso {
        QLineEdit *caja;
        const char *antes;
        const char *tecleado;
        std::size_t indice;
    };
    for (const Caso c :
         {Caso{co2, "0.00", "12", 1}, Caso{ph, "7.00", "6.5", 0}, Caso{co2, "12.00", "3", 1}}) {
        SCOPED_TRACE(c.tecleado);
        QTest::mouseClick(c.caja, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), c.caja);
        EXPECT_EQ(c.caja->text(), QString::fromLatin1(c.antes));
        EXPECT_EQ(c.caja->selectedText(), QString::fromLatin1(c.antes));
        QTest::keyClicks(c.caja, QString::fromLatin1(c.tecleado));
        EXPECT_EQ(c.caja->text(), QString::fromLatin1(c.tecleado));
        EXPECT_EQ(logica.txpH[c.indice].Text(), c.tecleado);
    }
    EXPECT_TRUE(mensajes.mostrados().empty());
    EXPECT_TRUE(
        vista.grab().toImage().save(QStringLiteral(DRAVEK_ARTEFACTOS "/protecciones_tecleo.png")));
}

} // namespace
} // namespace dravek::gui
