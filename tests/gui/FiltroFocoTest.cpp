#include "gui/comun/FiltroFoco.h"

#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/MensajesQt.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek::gui {
namespace {

// Real message boxes over the window, each closed as soon as it is up, as the engineer's OK
// would: they take the focus from the window, and the window system then activates the window
// again, which gives the focus back (the offscreen platform leaves that to the test). Neither
// is a move of the engineer's.
class MensajesQueSeCierran : public Mensajes {
public:
    RespuestaMensaje Muestra(const std::string &texto, BotonesMensaje botones, IconoMensaje icono,
                             const std::string &titulo) override
    {
        mostrados.push_back(texto);
        QTimer::singleShot(0, [] {
            if (QWidget *caja = QApplication::activeModalWidget()) {
                caja->close();
            }
        });
        const RespuestaMensaje respuesta = m_qt.Muestra(texto, botones, icono, titulo);
        // A prompt window system: the window is active again before the handler goes on.
        m_padre->activateWindow();
        QApplication::processEvents();
        return respuesta;
    }
    void PonPadre(QWidget *padre)
    {
        m_padre = padre;
        m_qt.PonPadre(padre);
    }
    std::vector<std::string> mostrados;

private:
    MensajesQt m_qt;
    QWidget *m_padre = nullptr;
};

// Where a click ticks the check box: its indicator and caption, not the whole width it is given.
QPoint PuntoDeLaCasilla(const QCheckBox *casilla)
{
    QStyleOptionButton opcion;
    opcion.initFrom(casilla);
    opcion.text = casilla->text();
    return casilla->style()
        ->subElementRect(QStyle::SE_CheckBoxClickRect, &opcion, casilla)
        .center();
}

// Two boxes, a check box and a button; the first box refuses to be left holding "mal".
class VentanaPrueba : public VentanaLogica {
public:
    explicit VentanaPrueba(Mensajes &mensajes) : m_mensajes(mensajes)
    {
        a.Validate = [this](bool &Cancel) {
            ++validacionesA;
            if (a.Text() == "mal") {
                m_mensajes.Muestra("Valor incorrecto", BotonesMensaje::Aceptar,
                                   IconoMensaje::Ninguno, "a");
                Cancel = true;
            }
        };
        b.Validate = [this](bool &) { ++validacionesB; };
        // A number box whose entry puts its default into it when empty.
        b.GotFocus = [this] {
            if (b.Text().empty()) {
                ponTexto(b, "0.000");
            }
        };
        cancelar.CausesValidation = false;
        cancelar.Click = [this] {
            ++cancelaciones;
            ponTexto(a, "");
        };
        boton.Click = [this] {
            ++clics;
            m_mensajes.Muestra("Hecho", BotonesMensaje::Aceptar, IconoMensaje::Informacion, "");
        };
    }

    CajaTexto a{*this, "a"};
    CajaTexto b{*this, "b"};
    Casilla c{*this, "c"};
    Boton boton{*this, "boton"};
    Boton cancelar{*this, "cancelar"};
    int cancelaciones = 0;
    int validacionesA = 0;
    int validacionesB = 0;
    int clics = 0;

private:
    Mensajes &m_mensajes;
};

// The smallest passive view: widgets named as the controls, the filter on them.
class VistaPrueba : public QDialog {
public:
    explicit VistaPrueba(VentanaPrueba &logica)
        : m_logica(logica), m_filtro(new FiltroFoco(
                                logica, [this] { Despues(); }, this))
    {
        auto *columna = new QVBoxLayout(this);
        for (QWidget *w : std::initializer_list<QWidget *>{a, b, c, boton, cancelar}) {
            columna->addWidget(w);
        }
        boton->setAutoDefault(false);
        m_filtro->Observa(a, logica.a);
        m_filtro->Observa(b, logica.b);
        m_filtro->Observa(c, logica.c);
        m_filtro->Observa(boton, logica.boton);
        m_filtro->Observa(cancelar, logica.cancelar);
        m_filtro->SeleccionaAlEntrar(a);
        m_filtro->SeleccionaAlEntrar(b);
        cancelar->setAutoDefault(false);
        for (QLineEdit *campo : {a, b}) {
            CajaTexto &caja = campo == a ? logica.a : logica.b;
            connect(campo, &QLineEdit::textEdited, this, [this, &caja](const QString &texto) {
                m_filtro->Ejecuta([&caja, &texto] { ponTexto(caja, deQt(texto)); });
            });
        }
        connect(c, &QCheckBox::clicked, this, [this](bool marcada) {
            if (m_filtro->Acepta(m_logica.c)) {
                m_filtro->Ejecuta([this, marcada] {
                    ponValor(m_logica.c, marcada ? EstadoCasilla::Marcada : EstadoCasilla::Vacia);
                });
            }
        });
        for (QPushButton *pulsador : {boton, cancelar}) {
            Boton &control = pulsador == boton ? logica.boton : logica.cancelar;
            connect(pulsador, &QPushButton::clicked, this, [this, &control] {
                if (m_filtro->Acepta(control)) {
                    m_filtro->Ejecuta([&control] { pulsa(control); });
                }
            });
        }
        m_filtro->Ejecuta([&logica] { logica.SetFocus(logica.a); });
    }

    QLineEdit *a = new QLineEdit(this);
    QLineEdit *b = new QLineEdit(this);
    QCheckBox *c = new QCheckBox(QStringLiteral("Casilla"), this);
    QPushButton *boton = new QPushButton(QStringLiteral("Aceptar"), this);
    QPushButton *cancelar = new QPushButton(QStringLiteral("Cancelar"), this);

private:
    void Despues()
    {
        m_logica.cumplePeticionFoco();
        const QSignalBlocker bloqueo(c);
        c->setChecked(m_logica.c.Value() == EstadoCasilla::Marcada);
        for (QLineEdit *campo : {a, b}) {
            const QString texto = aQt((campo == a ? m_logica.a : m_logica.b).Text());
            if (campo->text() != texto) {
                const QSignalBlocker bloqueoCampo(campo);
                campo->setText(texto);
            }
        }
        m_filtro->Enfoca(m_filtro->Widget(m_logica.Foco()));
    }

    VentanaPrueba &m_logica;
    FiltroFoco *m_filtro;
};

// The test window shown, with message boxes that close themselves.
class FiltroFoco : public ::testing::Test {
protected:
    FiltroFoco()
    {
        mensajes.PonPadre(&vista);
        vista.show();
    }

    int argc = 1;
    char nombre[15] = "FiltroFocoTest";
    char *argv[2] = {nombre, nullptr};
    QApplication app{argc, argv};
    MensajesQueSeCierran mensajes;
    VentanaPrueba logica{mensajes};
    VistaPrueba vista{logica};
};

// A refused leave vetoes the Tab, the click on a check box and the click on a button: the
// focus stays in the box, nothing is ticked or pressed, and the check ran once per attempt
// although a real message box took the focus away and gave it back each time. Once the box
// holds a good value the same moves go through.
TEST_F(FiltroFoco, LaComprobacionDeSalidaVetaElMovimiento)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    ASSERT_EQ(QApplication::focusWidget(), vista.a);
    ASSERT_EQ(logica.Foco(), &logica.a);

    QTest::keyClicks(vista.a, QStringLiteral("mal"));
    EXPECT_EQ(logica.a.Text(), "mal");

    QTest::keyClick(vista.a, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), vista.a);
    EXPECT_EQ(logica.Foco(), &logica.a);
    EXPECT_EQ(logica.validacionesA, 1);

    QTest::mouseClick(vista.c, Qt::LeftButton, {}, PuntoDeLaCasilla(vista.c));
    QApplication::processEvents();
    EXPECT_FALSE(vista.c->isChecked());
    EXPECT_EQ(logica.c.Value(), EstadoCasilla::Vacia);
    EXPECT_EQ(QApplication::focusWidget(), vista.a);
    EXPECT_EQ(logica.validacionesA, 2);

    QTest::mouseClick(vista.boton, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(logica.clics, 0);
    EXPECT_EQ(QApplication::focusWidget(), vista.a);
    EXPECT_EQ(logica.validacionesA, 3);
    EXPECT_EQ(mensajes.mostrados, std::vector<std::string>(3, "Valor incorrecto"));
    EXPECT_EQ(logica.validacionesB, 0);

    vista.a->selectAll();
    QTest::keyClicks(vista.a, QStringLiteral("bien"));
    QTest::mouseClick(vista.c, Qt::LeftButton, {}, PuntoDeLaCasilla(vista.c));
    QApplication::processEvents();
    EXPECT_TRUE(vista.c->isChecked());
    EXPECT_EQ(logica.c.Value(), EstadoCasilla::Marcada);
    EXPECT_EQ(logica.Foco(), &logica.c);
    EXPECT_EQ(logica.validacionesA, 4);

    // The button's own message box gives the focus back to the button; that is no move.
    QTest::mouseClick(vista.boton, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(logica.clics, 1);
    EXPECT_EQ(logica.Foco(), &logica.boton);
    EXPECT_EQ(QApplication::focusWidget(), vista.boton);

    QTest::keyClick(vista.boton, Qt::Key_Backtab);
    QApplication::processEvents();
    EXPECT_EQ(logica.Foco(), &logica.c);
    vista.b->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(logica.Foco(), &logica.b);
    EXPECT_EQ(logica.validacionesA, 4);
    EXPECT_EQ(logica.validacionesB, 0);
    EXPECT_EQ(mensajes.mostrados.size(), 4U);
}

// Entering a number box, by a click anywhere in it or by the keyboard, selects its whole text,
// the default its entry just wrote included: what is typed next replaces the value instead of
// being added to it ("0.000" and a typed 1.5 gave 0.0001.5).
TEST_F(FiltroFoco, EntrarEnUnaCajaSeleccionaSuTexto)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    QTest::keyClicks(vista.a, QStringLiteral("12"));

    struct Clic {
        const char *caso;
        QPoint punto; // null: the middle of the box
    };
    for (const Clic clic : {Clic{"middle", {}}, Clic{"start", QPoint(3, 5)}}) {
        SCOPED_TRACE(clic.caso);
        vista.a->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        ASSERT_EQ(logica.Foco(), &logica.a);
        QTest::mouseClick(vista.b, Qt::LeftButton, {}, clic.punto);
        QApplication::processEvents();
        EXPECT_EQ(logica.Foco(), &logica.b);
        EXPECT_EQ(QApplication::focusWidget(), vista.b);
        EXPECT_EQ(vista.b->text(), QStringLiteral("0.000"));
        EXPECT_EQ(vista.b->selectedText(), QStringLiteral("0.000"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1.5"));
        EXPECT_EQ(vista.b->text(), QStringLiteral("1.5"));
        EXPECT_EQ(logica.b.Text(), "1.5");
        // A second click in the box the engineer is typing in places the caret as usual.
        QTest::mouseClick(vista.b, Qt::LeftButton, {}, QPoint(3, 5));
        EXPECT_FALSE(vista.b->hasSelectedText());
        QTest::mouseClick(vista.a, Qt::LeftButton);
        ponTexto(logica.b, "");
        vista.b->clear();
    }

    // By the keyboard, both ways.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), vista.b);
    EXPECT_EQ(vista.b->selectedText(), QStringLiteral("0.000"));
    QTest::keyClick(vista.b, Qt::Key_Backtab);
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), vista.a);
    EXPECT_EQ(vista.a->selectedText(), QStringLiteral("12"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    EXPECT_EQ(logica.a.Text(), "7");
    EXPECT_TRUE(mensajes.mostrados.empty());
}

// The first click into a number box that has the focus already (the window opened with it
// there) selects its whole text as entering it would: "6.5" typed after a click at its start
// replaced 7.00 instead of making it 657.00. The next click places the caret as usual.
TEST_F(FiltroFoco, ElPrimerClicEnLaCajaEnfocadaSeleccionaSuTexto)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    ASSERT_EQ(QApplication::focusWidget(), vista.a);
    ponTexto(logica.a, "7.00");
    vista.a->setText(QStringLiteral("7.00"));
    vista.a->setCursorPosition(0);
    ASSERT_FALSE(vista.a->hasSelectedText());

    QTest::mouseClick(vista.a, Qt::LeftButton, {}, QPoint(3, vista.a->height() / 2));
    QApplication::processEvents();
    EXPECT_EQ(vista.a->selectedText(), QStringLiteral("7.00"));
    QTest::keyClicks(vista.a, QStringLiteral("6.5"));
    EXPECT_EQ(vista.a->text(), QStringLiteral("6.5"));
    EXPECT_EQ(logica.a.Text(), "6.5");

    vista.a->selectAll();
    QTest::mouseClick(vista.a, Qt::LeftButton, {}, QPoint(3, vista.a->height() / 2));
    EXPECT_FALSE(vista.a->hasSelectedText());

    // The focus back in the box after another window had it: its first click selects again.
    vista.b->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    vista.a->setFocus(Qt::BacktabFocusReason);
    QApplication::processEvents();
    vista.a->setCursorPosition(0);
    QTest::mouseClick(vista.a, Qt::LeftButton, {}, QPoint(3, vista.a->height() / 2));
    EXPECT_EQ(vista.a->selectedText(), QStringLiteral("6.5"));
    EXPECT_TRUE(mensajes.mostrados.empty());
}

// A list the engineer may type in, with the focus already (the window or the page opened with
// it there, or Tab brought it): the first click on its arrow opens the list, as it does on any
// list; the first click in its text still selects the whole text.
TEST(FiltroFocoLista, ElPrimerClicEnLaFlechaAbreLaLista)
{
    int argc = 1;
    char nombre[] = "FiltroFocoTest";
    char *argv[] = {nombre, nullptr};
    QApplication app(argc, argv);
    struct Logica : VentanaLogica {
        CajaTexto edTramo{*this, "edTramo"};
        CajaTexto otra{*this, "otra"};
    } logica;
    QDialog vista;
    auto *lista = new QComboBox(&vista);
    lista->setEditable(true);
    lista->addItems({QStringLiteral("1"), QStringLiteral("2")});
    auto *otra = new QLineEdit(&vista);
    auto *columna = new QVBoxLayout(&vista);
    columna->addWidget(lista);
    columna->addWidget(otra);
    auto *filtro = new gui::FiltroFoco(
        logica, [] {}, &vista);
    filtro->Observa(lista, logica.edTramo);
    filtro->Observa(otra, logica.otra);
    filtro->SeleccionaAlEntrar(lista);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));

    QStyleOptionComboBox opcion;
    opcion.initFrom(lista);
    opcion.editable = true;
    const QPoint flecha =
        lista->style()
            ->subControlRect(QStyle::CC_ComboBox, &opcion, QStyle::SC_ComboBoxArrow, lista)
            .center();
    for (const Qt::FocusReason razon : {Qt::OtherFocusReason, Qt::TabFocusReason}) {
        SCOPED_TRACE(razon);
        otra->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        lista->setFocus(razon);
        QApplication::processEvents();
        ASSERT_EQ(logica.Foco(), &logica.edTramo);
        lista->lineEdit()->setCursorPosition(0);
        QTest::mouseClick(lista, Qt::LeftButton, {}, flecha);
        QApplication::processEvents();
        EXPECT_TRUE(lista->view()->isVisible());
        lista->hidePopup();
        QApplication::processEvents();
    }

    otra->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    lista->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    lista->lineEdit()->setCursorPosition(0);
    QTest::mouseClick(lista->lineEdit(), Qt::LeftButton, {}, QPoint(3, 5));
    QApplication::processEvents();
    EXPECT_FALSE(lista->view()->isVisible());
    EXPECT_EQ(lista->lineEdit()->selectedText(), lista->currentText());
}

// Tab, either way, brings the focus to the chosen option of an option array, as on any
// desktop: it stopped on the array's first option, which Space then chose in its place.
TEST(FiltroFocoOpciones, ElTabuladorLlegaALaOpcionElegida)
{
    int argc = 1;
    char nombre[] = "FiltroFocoTest";
    char *argv[] = {nombre, nullptr};
    QApplication app(argc, argv);
    struct Logica : VentanaLogica {
        CajaTexto antes{*this, "antes"};
        GrupoOpciones rdMetodo{*this, "rdMetodo", 3};
        CajaTexto despues{*this, "despues"};
    } logica;
    QDialog vista;
    auto *columna = new QVBoxLayout(&vista);
    auto *antes = new QLineEdit(&vista);
    columna->addWidget(antes);
    std::vector<QRadioButton *> opciones;
    for (int i = 0; i < 3; ++i) {
        opciones.push_back(new QRadioButton(QStringLiteral("opcion %1").arg(i), &vista));
        columna->addWidget(opciones.back());
    }
    auto *despues = new QLineEdit(&vista);
    columna->addWidget(despues);
    auto *filtro = new gui::FiltroFoco(
        logica, [] {}, &vista);
    filtro->Observa(antes, logica.antes);
    for (QRadioButton *opcion : opciones) {
        filtro->Observa(opcion, logica.rdMetodo);
    }
    filtro->Observa(despues, logica.despues);
    ponValor(logica.rdMetodo, 1, true);
    opciones[1]->setChecked(true);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));

    antes->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    QTest::keyClick(antes, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), opciones[1]);
    EXPECT_EQ(logica.Foco(), &logica.rdMetodo);
    // And leaves it for the next control, not for another option of the array.
    QTest::keyClick(opciones[1], Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), despues);
    EXPECT_EQ(logica.Foco(), &logica.despues);

    despues->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    QTest::keyClick(despues, Qt::Key_Backtab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), opciones[1]);
    EXPECT_TRUE(opciones[1]->isChecked());
    QTest::keyClick(opciones[1], Qt::Key_Backtab);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), antes);
}

// While a box refuses what it holds, a control that causes no validation (Cancelar, closing)
// is still reached and acts, without the box's message; the next move to a control that does
// validate runs the box's check, and a refusal then brings the focus, and the keys typed,
// back to the box.
TEST_F(FiltroFoco, CancelarQuedaAlAlcanceDeUnaCajaRechazada)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    QTest::keyClicks(vista.a, QStringLiteral("mal"));
    QTest::mouseClick(vista.b, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_EQ(logica.Foco(), &logica.a);
    ASSERT_EQ(mensajes.mostrados.size(), 1U);

    QTest::mouseClick(vista.cancelar, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(logica.cancelaciones, 1);
    EXPECT_EQ(logica.validacionesA, 1);
    EXPECT_EQ(mensajes.mostrados.size(), 1U);
    EXPECT_EQ(logica.a.Text(), "");

    // What Cancelar did not mend is checked on the next move.
    ponTexto(logica.a, "mal");
    QTest::mouseClick(vista.b, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(logica.validacionesA, 2);
    EXPECT_EQ(mensajes.mostrados.size(), 2U);
    EXPECT_EQ(logica.Foco(), &logica.a);
    EXPECT_EQ(QApplication::focusWidget(), vista.a);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    EXPECT_EQ(logica.b.Text(), "");
    EXPECT_EQ(vista.b->text(), QString());

    // Mended, the box lets the focus go.
    ponTexto(logica.a, "bien");
    QTest::mouseClick(vista.b, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(logica.Foco(), &logica.b);
    EXPECT_EQ(logica.validacionesA, 3);
}

} // namespace
} // namespace dravek::gui
