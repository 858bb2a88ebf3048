#include "gui/comun/FiltroFoco.h"

#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/MensajesQt.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionButton>
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
        boton.Click = [this] {
            ++clics;
            m_mensajes.Muestra("Hecho", BotonesMensaje::Aceptar, IconoMensaje::Informacion, "");
        };
    }

    CajaTexto a{*this, "a"};
    CajaTexto b{*this, "b"};
    Casilla c{*this, "c"};
    Boton boton{*this, "boton"};
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
        for (QWidget *w : std::initializer_list<QWidget *>{a, b, c, boton}) {
            columna->addWidget(w);
        }
        boton->setAutoDefault(false);
        m_filtro->Observa(a, logica.a);
        m_filtro->Observa(b, logica.b);
        m_filtro->Observa(c, logica.c);
        m_filtro->Observa(boton, logica.boton);
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
        connect(boton, &QPushButton::clicked, this, [this] {
            if (m_filtro->Acepta(m_logica.boton)) {
                m_filtro->Ejecuta([this] { pulsa(m_logica.boton); });
            }
        });
        m_filtro->Ejecuta([&logica] { logica.SetFocus(logica.a); });
    }

    QLineEdit *a = new QLineEdit(this);
    QLineEdit *b = new QLineEdit(this);
    QCheckBox *c = new QCheckBox(QStringLiteral("Casilla"), this);
    QPushButton *boton = new QPushButton(QStringLiteral("Aceptar"), this);

private:
    void Despues()
    {
        m_logica.cumplePeticionFoco();
        const QSignalBlocker bloqueo(c);
        c->setChecked(m_logica.c.Value() == EstadoCasilla::Marcada);
        m_filtro->Enfoca(m_filtro->Widget(m_logica.Foco()));
    }

    VentanaPrueba &m_logica;
    FiltroFoco *m_filtro;
};

// A refused leave vetoes the Tab, the click on a check box and the click on a button: the
// focus stays in the box, nothing is ticked or pressed, and the check ran once per attempt
// although a real message box took the focus away and gave it back each time. Once the box
// holds a good value the same moves go through.
TEST(FiltroFoco, LaComprobacionDeSalidaVetaElMovimiento)
{
    int argc = 1;
    char nombre[] = "FiltroFocoTest";
    char *argv[] = {nombre, nullptr};
    QApplication app(argc, argv);

    MensajesQueSeCierran mensajes;
    VentanaPrueba logica(mensajes);
    VistaPrueba vista(logica);
    mensajes.PonPadre(&vista);
    vista.show();
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

} // namespace
} // namespace dravek::gui
