#pragma once

#include "core/plataforma/Controles.h"

#include <QFont>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace dravek::gui {

// The one copy of a control's state into its widget, for every view: caption, text, state,
// Enabled and Visible as the logic left them, with the widget's signals blocked so that a copy
// never runs a handler again. A disabled control is drawn disabled, whatever its kind.
void Copia(QLabel *etiqueta, const Etiqueta &control);
void Copia(QGroupBox *marco, const Marco &control);
// Some windows keep a frame's caption in a label control.
void Copia(QGroupBox *marco, const Etiqueta &control);
void Copia(QLineEdit *campo, const CajaTexto &caja);
void Copia(QPlainTextEdit *campo, const CajaTexto &caja);
void Copia(QPushButton *boton, const Boton &control);
void Copia(QCheckBox *casilla, const Casilla &control);
// One option of a group: it shows only while both the group and the option do.
void Copia(QRadioButton *boton, const GrupoOpciones &grupo, int indice);

// A push button that Enter in a field never presses behind the field's back.
QPushButton *NuevoBoton(QWidget *padre);

// The font of every listing shown on screen: its columns line up only in a fixed pitch.
QFont FuenteListado();

} // namespace dravek::gui
