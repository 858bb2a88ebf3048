#include "gui/comun/CopiaControles.h"

#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <gtest/gtest.h>

namespace dravek::gui {
namespace {

class Ventana : public VentanaLogica {
public:
    Etiqueta lbRotulo{*this, "lbRotulo"};
    Marco frMarco{*this, "frMarco"};
    CajaTexto txCaja{*this, "txCaja"};
    CajaTexto edListado{*this, "edListado"};
    Boton btBoton{*this, "btBoton"};
    Casilla chCasilla{*this, "chCasilla"};
    GrupoOpciones rdOpcion{*this, "rdOpcion", 2};
};

// Widgets of every kind, each copied from its control, with a count of the signals they send.
class CopiaControles : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (QWidget *w : std::initializer_list<QWidget *>{rotulo, marco, caja, listado, boton,
                                                           casilla, opcion0, opcion1}) {
            w->setParent(&ventana);
        }
        QObject::connect(caja, &QLineEdit::textChanged, [this] { ++senales; });
        QObject::connect(listado, &QPlainTextEdit::textChanged, [this] { ++senales; });
        QObject::connect(casilla, &QCheckBox::stateChanged, [this] { ++senales; });
        QObject::connect(opcion0, &QRadioButton::toggled, [this] { ++senales; });
        QObject::connect(opcion1, &QRadioButton::toggled, [this] { ++senales; });
        ventana.show();
    }

    void CopiaTodo()
    {
        Copia(rotulo, logica.lbRotulo);
        Copia(marco, logica.frMarco);
        Copia(caja, logica.txCaja);
        Copia(listado, logica.edListado);
        Copia(boton, logica.btBoton);
        Copia(casilla, logica.chCasilla);
        Copia(opcion0, logica.rdOpcion, 0);
        Copia(opcion1, logica.rdOpcion, 1);
    }

    int argc = 1;
    char nombre[16] = "CopiaControles";
    char *argv[2] = {nombre, nullptr};
    QApplication app{argc, argv};
    Ventana logica;
    QWidget ventana;
    QLabel *rotulo = new QLabel;
    QGroupBox *marco = new QGroupBox;
    QLineEdit *caja = new QLineEdit;
    QPlainTextEdit *listado = new QPlainTextEdit;
    QPushButton *boton = new QPushButton;
    QCheckBox *casilla = new QCheckBox;
    QRadioButton *opcion0 = new QRadioButton;
    QRadioButton *opcion1 = new QRadioButton;
    int senales = 0;
};

// Every kind takes its caption or text and its state, and the copy raises no signal, so that
// no handler runs twice.
TEST_F(CopiaControles, CopiaTextosYEstadoSinSenales)
{
    logica.lbRotulo.Caption = "Diámetro";
    logica.frMarco.Caption = "Tubo";
    ponTexto(logica.txCaja, "1200");
    logica.txCaja.Locked = true;
    ponTexto(logica.edListado, "linea 1\nlinea 2");
    logica.btBoton.Caption = "Calcular";
    logica.btBoton.ToolTipText = "Calcula el tramo";
    logica.chCasilla.Caption = "Sin agua";
    ponValor(logica.chCasilla, EstadoCasilla::Marcada);
    logica.rdOpcion[0].Caption = "Uno";
    logica.rdOpcion[1].Caption = "Dos";
    ponValor(logica.rdOpcion, 1, true);

    CopiaTodo();

    EXPECT_EQ(senales, 0);
    EXPECT_EQ(rotulo->text(), QStringLiteral("Diámetro"));
    EXPECT_EQ(marco->title(), QStringLiteral("Tubo"));
    EXPECT_EQ(caja->text(), QStringLiteral("1200"));
    EXPECT_EQ(caja->cursorPosition(), 0) << "a text written by code leaves the caret at its start";
    EXPECT_TRUE(caja->isReadOnly());
    EXPECT_EQ(listado->toPlainText(), QStringLiteral("linea 1\nlinea 2"));
    EXPECT_FALSE(listado->isReadOnly());
    EXPECT_EQ(boton->text(), QStringLiteral("Calcular"));
    EXPECT_EQ(boton->toolTip(), QStringLiteral("Calcula el tramo"));
    EXPECT_EQ(casilla->text(), QStringLiteral("Sin agua"));
    EXPECT_EQ(casilla->checkState(), Qt::Checked);
    EXPECT_EQ(opcion0->text(), QStringLiteral("Uno"));
    EXPECT_FALSE(opcion0->isChecked());
    EXPECT_TRUE(opcion1->isChecked());

    // Unchecking the whole group, and the gray state, also arrive.
    ponValor(logica.rdOpcion, 1, false);
    ponValor(logica.chCasilla, EstadoCasilla::Gris);
    CopiaTodo();
    EXPECT_EQ(senales, 0);
    EXPECT_FALSE(opcion0->isChecked());
    EXPECT_FALSE(opcion1->isChecked());
    EXPECT_EQ(casilla->checkState(), Qt::PartiallyChecked);
}

// A disabled or hidden control is drawn disabled or hidden, whatever its kind: a label as much
// as a box.
TEST_F(CopiaControles, EnabledYVisibleDeCadaTipo)
{
    const std::vector<std::pair<Control *, QWidget *>> pares = {
        {&logica.lbRotulo, rotulo},   {&logica.frMarco, marco}, {&logica.txCaja, caja},
        {&logica.edListado, listado}, {&logica.btBoton, boton}, {&logica.chCasilla, casilla},
        {&logica.rdOpcion, opcion0},
    };
    for (const auto &[control, widget] : pares) {
        SCOPED_TRACE(control->Name());
        control->Enabled = false;
        CopiaTodo();
        EXPECT_FALSE(widget->isEnabled());
        EXPECT_TRUE(widget->isVisible());
        control->Enabled = true;
        control->Visible = false;
        CopiaTodo();
        EXPECT_TRUE(widget->isEnabled());
        EXPECT_FALSE(widget->isVisible());
        control->Visible = true;
        CopiaTodo();
        EXPECT_TRUE(widget->isVisible());
    }
    // An option shows only while both it and its group do.
    logica.rdOpcion[1].Enabled = false;
    logica.rdOpcion[0].Visible = false;
    CopiaTodo();
    EXPECT_FALSE(opcion0->isVisible());
    EXPECT_TRUE(opcion0->isEnabled());
    EXPECT_FALSE(opcion1->isEnabled());
    EXPECT_TRUE(opcion1->isVisible());
}

// Buttons made here never act as the dialog's default for Enter; listings are fixed-pitch.
TEST_F(CopiaControles, BotonYFuenteListado)
{
    QPushButton *nuevo = NuevoBoton(&ventana);
    EXPECT_EQ(nuevo->parentWidget(), &ventana);
    EXPECT_FALSE(nuevo->autoDefault());
    const QFont fuente = FuenteListado();
    EXPECT_EQ(fuente.pointSize(), 10);
    EXPECT_TRUE(fuente.fixedPitch());
    EXPECT_EQ(fuente.styleHint(), QFont::TypeWriter);
}

} // namespace
} // namespace dravek::gui
