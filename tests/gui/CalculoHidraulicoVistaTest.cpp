#include "gui/hydraulics/CalculoHidraulicoVista.h"

#include "apoyo/MensajesGrabadora.h"
#include "apoyo/SeparadorPrueba.h"
#include "core/hydraulics/CalculoHidraulico.h"
#include "core/model/EstadoObra.h"
#include "gui/VentanaConListado.h"
#include "gui/comun/TextoQt.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace dravek::gui {
namespace {

// The window over its logic, shown, in a language and with the user's decimal separator (the
// other one is also accepted).
struct Banco : pruebas::VentanaConListado<CalculoHidraulico, CalculoHidraulicoVista> {
    Banco(std::int16_t idioma, char separador) : VentanaConListado(Estado(idioma, separador)) {}
    static EstadoObra Estado(std::int16_t idioma, char separador)
    {
        EstadoObra e;
        e.ejecucion.Idioma = idioma;
        e.ejecucion.DesplazamientoIdioma = (idioma - 1) * 5000;
        pruebas::PonSeparador(e.ejecucion, separador);
        return e;
    }
};

// The view carries the window's logic: captions from it, typing through its key filter, a leave
// refused by its check (the click on Calcular does not calculate and the focus stays in the
// field), a listing calculated, and closing.
TEST(CalculoHidraulicoVista, ReenviaLosActosYCopiaElEstado)
{
    Banco b(1, ',');
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.vista));
    pruebas::MensajesGrabadora &mensajes = b.mensajes;
    CalculoHidraulico &logica = b.logica;
    CalculoHidraulicoVista &vista = b.vista;
    auto *dato = vista.findChild<QLineEdit *>(QStringLiteral("txDatoOrigen"));
    auto *rugosidad = vista.findChild<QLineEdit *>(QStringLiteral("txRugosidad"));
    auto *darcy = vista.findChild<QRadioButton *>(QStringLiteral("rdTipoCalculo(1)"));
    auto *calcular = vista.findChild<QPushButton *>(QStringLiteral("btCalculoHidraulico"));
    auto *cerrar = vista.findChild<QPushButton *>(QStringLiteral("btCerrarHidraulico"));
    auto *pantalla = vista.findChild<QPlainTextEdit *>(QStringLiteral("edPantallaCh"));
    ASSERT_TRUE(dato && rugosidad && darcy && calcular && cerrar && pantalla);

    EXPECT_EQ(vista.windowTitle(), QStringLiteral("Cálculo hidráulico"));
    EXPECT_EQ(rugosidad->text(), QStringLiteral("0,050"));
    EXPECT_TRUE(darcy->isChecked());
    EXPECT_EQ(calcular->text(), aQt(logica.btCalculoHidraulico.Caption));

    // Entering the empty datum shows 0 with its text selected; typing replaces it, the point
    // becoming the user's comma.
    dato->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(logica.Foco(), &logica.txDatoOrigen);
    EXPECT_EQ(dato->selectedText(), QStringLiteral("0,000"));
    QTest::keyClicks(dato, QStringLiteral("0.00001"));
    EXPECT_EQ(dato->text(), QStringLiteral("0,00001"));
    EXPECT_EQ(logica.txDatoOrigen.Text(), "0,00001");

    // Below the smallest slope: the click on Calcular runs the leave check, which refuses.
    mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::mouseClick(calcular, Qt::LeftButton);
    EXPECT_EQ(mensajes.mostrados(),
              (std::vector<pruebas::MensajeMostrado>{{"Valor incorrecto (mínimo 0,0001)",
                                                      BotonesMensaje::Aceptar,
                                                      IconoMensaje::Ninguno, "Pendiente (m/m)"}}));
    EXPECT_TRUE(dato->hasFocus());
    EXPECT_EQ(dato->text(), QStringLiteral("0,000"));
    EXPECT_TRUE(pantalla->toPlainText().isEmpty());

    QTest::keyClicks(dato, QStringLiteral("0.001"));
    QTest::mouseClick(calcular, Qt::LeftButton);
    EXPECT_EQ(dato->text(), QStringLiteral("0,001"));
    EXPECT_FALSE(logica.edPantallaCh.Text().empty());
    EXPECT_EQ(pantalla->toPlainText(), aQt(logica.edPantallaCh.Text()));
    EXPECT_TRUE(
        pantalla->toPlainText().startsWith(QStringLiteral("Fórmula de DARCY - WEISSBACH")));

    QTest::mouseClick(cerrar, Qt::LeftButton);
    EXPECT_TRUE(logica.Descargada());
    EXPECT_FALSE(vista.isVisible());
}

// In English the buttons read Calculate, Print and Close, and the flows table of a calculation
// shows its heads over their rules; the picture is left beside the test.
TEST(CalculoHidraulicoVista, EnIngles)
{
    Banco b(2, '.');
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.vista));
    pruebas::MensajesGrabadora &mensajes = b.mensajes;
    CalculoHidraulicoVista &vista = b.vista;
    auto *dato = vista.findChild<QLineEdit *>(QStringLiteral("txDatoOrigen"));
    auto *calcular = vista.findChild<QPushButton *>(QStringLiteral("btCalculoHidraulico"));
    auto *imprimir = vista.findChild<QPushButton *>(QStringLiteral("btImprimeCh"));
    auto *cerrar = vista.findChild<QPushButton *>(QStringLiteral("btCerrarHidraulico"));
    auto *pantalla = vista.findChild<QPlainTextEdit *>(QStringLiteral("edPantallaCh"));
    ASSERT_TRUE(dato && calcular && imprimir && cerrar && pantalla);

    EXPECT_EQ(calcular->text().trimmed(), QStringLiteral("Calculate"));
    EXPECT_EQ(imprimir->text().trimmed(), QStringLiteral("Print"));
    EXPECT_EQ(cerrar->text().trimmed(), QStringLiteral("Close"));

    dato->setFocus();
    QApplication::processEvents();
    QTest::keyClicks(dato, QStringLiteral("0.002"));
    QTest::mouseClick(calcular, Qt::LeftButton);
    EXPECT_TRUE(mensajes.mostrados().empty());
    EXPECT_TRUE(pantalla->toPlainText().contains(QStringLiteral("VELOCITY")));
    EXPECT_TRUE(vista.grab().toImage().save(
        QStringLiteral(DRAVEK_ARTEFACTOS "/calculo_hidraulico_ingles.png")));
}

// Entering the empty slope box and clicking Cerrar closes the window: the 0 the entry shows is
// no datum yet, and Cerrar runs no leave check anyway. So do Escape and the title bar's close
// from a box that refuses what it holds.
TEST(CalculoHidraulicoVista, CerrarEscapeYElMarcoCierranSiempre)
{
    enum class Cierre { Cerrar, Escape, Marco };
    for (const Cierre cierre : {Cierre::Cerrar, Cierre::Escape, Cierre::Marco}) {
        for (const bool rechazado : {false, true}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(cierre)) + (rechazado ? " 150" : ""));
            Banco b(1, '.');
            ASSERT_TRUE(QTest::qWaitForWindowActive(&b.vista));
            auto *dato = b.vista.findChild<QLineEdit *>(QStringLiteral("txDatoOrigen"));
            auto *cerrar = b.vista.findChild<QPushButton *>(QStringLiteral("btCerrarHidraulico"));
            ASSERT_TRUE(dato && cerrar);
            QTest::mouseClick(dato, Qt::LeftButton);
            EXPECT_EQ(dato->text(), QStringLiteral("0.000"));
            if (rechazado) {
                QTest::keyClicks(dato, QStringLiteral("150"));
            }
            switch (cierre) {
            case Cierre::Cerrar:
                QTest::mouseClick(cerrar, Qt::LeftButton);
                break;
            case Cierre::Escape:
                QTest::keyClick(dato, Qt::Key_Escape);
                break;
            case Cierre::Marco:
                b.vista.close();
                break;
            }
            QApplication::processEvents();
            EXPECT_FALSE(b.vista.isVisible());
            EXPECT_TRUE(b.mensajes.mostrados().empty());
        }
    }
}

// A slope and a roughness beyond their bounds are refused naming the bound in the box's unit,
// titled with the box's caption; the box keeps the focus and shows its reset value.
TEST(CalculoHidraulicoVista, FueraDeLimitesSeNombraElLimite)
{
    Banco b(1, ',');
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.vista));
    auto *dato = b.vista.findChild<QLineEdit *>(QStringLiteral("txDatoOrigen"));
    auto *rugosidad = b.vista.findChild<QLineEdit *>(QStringLiteral("txRugosidad"));
    auto *calcular = b.vista.findChild<QPushButton *>(QStringLiteral("btCalculoHidraulico"));
    auto *darcy = b.vista.findChild<QRadioButton *>(QStringLiteral("rdTipoCalculo(1)"));
    ASSERT_TRUE(dato && rugosidad && calcular && darcy);

    struct Caso {
        QLineEdit *caja;
        const char *tecleado;
        std::string mensaje;
        std::string titulo;
        const char *restaurado;
    };
    for (const Caso &c :
         {Caso{dato, "150", "Valor incorrecto (máximo 100)", "Pendiente (m/m)", "0,000"},
          Caso{dato, "99999999999999", "Valor incorrecto (máximo 100)", "Pendiente (m/m)",
               "0,000"},
          Caso{rugosidad, "250", "Valor incorrecto (máximo 100)",
               "Rugosidad equivalente en arena en mm (Ka)", "0,050"}}) {
        SCOPED_TRACE(c.tecleado);
        b.mensajes.olvida();
        QTest::mouseClick(c.caja, Qt::LeftButton);
        QTest::keyClicks(c.caja, QString::fromLatin1(c.tecleado));
        b.mensajes.responde(RespuestaMensaje::Aceptar);
        QTest::mouseClick(calcular, Qt::LeftButton);
        QApplication::processEvents();
        EXPECT_EQ(b.mensajes.mostrados(),
                  (std::vector<pruebas::MensajeMostrado>{
                      {c.mensaje, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, c.titulo}}));
        EXPECT_TRUE(c.caja->hasFocus());
        EXPECT_EQ(c.caja->text(), QString::fromLatin1(c.restaurado));
        EXPECT_TRUE(b.logica.edPantallaCh.Text().empty());
        // Away to the formula already chosen, for the next box's first click.
        QTest::mouseClick(darcy, Qt::LeftButton, {}, QPoint(6, darcy->height() / 2));
        EXPECT_FALSE(c.caja->hasFocus());
    }
}

} // namespace
// The engineer's way in: a click into the empty datum shows 0 with the whole text selected, so
// a slope of 0.002 and a flow of 1.5 are typed as such, not after the 0 (0.0000002, 0.00015);
// the roughness clicked is typed over the same way, and the table is calculated from them.
TEST(CalculoHidraulicoVista, UnClicEnLaCajaYLoTecleadoLaSustituye)
{
    Banco b(1, '.');
    ASSERT_TRUE(QTest::qWaitForWindowActive(&b.vista));
    pruebas::MensajesGrabadora &mensajes = b.mensajes;
    CalculoHidraulico &logica = b.logica;
    CalculoHidraulicoVista &vista = b.vista;
    auto *dato = vista.findChild<QLineEdit *>(QStringLiteral("txDatoOrigen"));
    auto *rugosidad = vista.findChild<QLineEdit *>(QStringLiteral("txRugosidad"));
    auto *caudal = vista.findChild<QRadioButton *>(QStringLiteral("rdTipoDato(1)"));
    auto *calcular = vista.findChild<QPushButton *>(QStringLiteral("btCalculoHidraulico"));
    auto *pantalla = vista.findChild<QPlainTextEdit *>(QStringLiteral("edPantallaCh"));
    ASSERT_TRUE(dato && rugosidad && caudal && calcular && pantalla);

    QTest::mouseClick(dato, Qt::LeftButton);
    EXPECT_EQ(dato->text(), QStringLiteral("0.000"));
    EXPECT_EQ(dato->selectedText(), QStringLiteral("0.000"));
    QTest::keyClicks(dato, QStringLiteral("0.002"));
    EXPECT_EQ(logica.txDatoOrigen.Text(), "0.002");

    QTest::mouseClick(rugosidad, Qt::LeftButton);
    EXPECT_TRUE(rugosidad->hasFocus());
    EXPECT_EQ(dato->text(), QStringLiteral("0.002"));
    EXPECT_EQ(rugosidad->selectedText(), QStringLiteral("0.050"));
    QTest::keyClicks(rugosidad, QStringLiteral("0.1"));
    EXPECT_EQ(logica.txRugosidad.Text(), "0.1");
    QTest::mouseClick(calcular, Qt::LeftButton);
    EXPECT_FALSE(pantalla->toPlainText().isEmpty());

    QTest::mouseClick(caudal, Qt::LeftButton, {}, QPoint(6, caudal->height() / 2));
    ASSERT_TRUE(caudal->isChecked());
    QTest::mouseClick(dato, Qt::LeftButton);
    EXPECT_EQ(dato->selectedText(), QStringLiteral("0.000"));
    QTest::keyClicks(dato, QStringLiteral("1.5"));
    EXPECT_EQ(dato->text(), QStringLiteral("1.5"));
    QTest::mouseClick(calcular, Qt::LeftButton);
    EXPECT_EQ(dato->text(), QStringLiteral("1.500"));
    EXPECT_DOUBLE_EQ(logica.DatoOrigen(), 1.5);
    EXPECT_TRUE(mensajes.mostrados().empty());
    EXPECT_TRUE(
        vista.grab().toImage().save(QStringLiteral(DRAVEK_ARTEFACTOS "/hidraulico_tecleo.png")));
}

} // namespace dravek::gui
