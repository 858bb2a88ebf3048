#include "gui/comun/CopiaControles.h"

#include "gui/comun/TextoQt.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace dravek::gui {

namespace {

void CopiaEstado(QWidget *widget, const Control &control)
{
    widget->setEnabled(control.Enabled);
    widget->setVisible(control.Visible);
}

} // namespace

void Copia(QLabel *etiqueta, const Etiqueta &control)
{
    etiqueta->setText(aQt(control.Caption));
    CopiaEstado(etiqueta, control);
}

void Copia(QGroupBox *marco, const Marco &control)
{
    const QSignalBlocker bloqueo(marco);
    marco->setTitle(aQt(control.Caption));
    CopiaEstado(marco, control);
}

void Copia(QGroupBox *marco, const Etiqueta &control)
{
    const QSignalBlocker bloqueo(marco);
    marco->setTitle(aQt(control.Caption));
    CopiaEstado(marco, control);
}

void Copia(QLineEdit *campo, const CajaTexto &caja)
{
    const QSignalBlocker bloqueo(campo);
    const QString texto = aQt(caja.Text());
    if (campo->text() != texto) {
        campo->setText(texto);
        // A text written by code leaves the caret at its start, so that Shift+End selects it.
        campo->setCursorPosition(0);
    }
    campo->setReadOnly(caja.Locked);
    CopiaEstado(campo, caja);
}

void Copia(QPlainTextEdit *campo, const CajaTexto &caja)
{
    const QSignalBlocker bloqueo(campo);
    const QString texto = aQt(caja.Text());
    if (campo->toPlainText() != texto) {
        campo->setPlainText(texto);
    }
    campo->setReadOnly(caja.Locked);
    CopiaEstado(campo, caja);
}

void Copia(QPushButton *boton, const Boton &control)
{
    const QSignalBlocker bloqueo(boton);
    boton->setText(aQt(control.Caption));
    boton->setToolTip(aQt(control.ToolTipText));
    CopiaEstado(boton, control);
}

void Copia(QCheckBox *casilla, const Casilla &control)
{
    const QSignalBlocker bloqueo(casilla);
    casilla->setText(aQt(control.Caption));
    casilla->setTristate(control.Value() == EstadoCasilla::Gris);
    casilla->setCheckState(control.Value() == EstadoCasilla::Marcada ? Qt::Checked
                           : control.Value() == EstadoCasilla::Gris  ? Qt::PartiallyChecked
                                                                     : Qt::Unchecked);
    CopiaEstado(casilla, control);
}

void Copia(QRadioButton *boton, const GrupoOpciones &grupo, int indice)
{
    const QSignalBlocker bloqueo(boton);
    const GrupoOpciones::Opcion &opcion = grupo[indice];
    boton->setText(aQt(opcion.Caption));
    boton->setEnabled(grupo.Enabled && opcion.Enabled);
    boton->setVisible(grupo.Visible && opcion.Visible);
    // Unchecking one of an exclusive group needs the group's exclusiveness off.
    boton->setAutoExclusive(false);
    boton->setChecked(grupo.Value(indice));
    boton->setAutoExclusive(true);
}

QPushButton *NuevoBoton(QWidget *padre)
{
    auto *boton = new QPushButton(padre);
    boton->setAutoDefault(false);
    return boton;
}

QFont FuenteListado()
{
    QFont fuente(QStringLiteral("Courier New"), 10);
    // Where Courier New is missing, another fixed-pitch font keeps the columns.
    fuente.setStyleHint(QFont::TypeWriter);
    fuente.setFixedPitch(true);
    return fuente;
}

} // namespace dravek::gui
