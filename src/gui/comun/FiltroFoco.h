#pragma once

#include <QObject>
#include <Qt>

#include <functional>
#include <utility>
#include <vector>

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace dravek {
class Control;
class ControlTexto;
class VentanaLogica;
} // namespace dravek

namespace dravek::gui {

// The leave check of a window's logic on Qt's focus moves. The view names the widget of each
// control; when the focus moves to one of them (a click, Tab, a shortcut, code), the logic's
// focus moves first, through the leave check of the control it leaves. A refused move is
// undone: the focus goes back to the logic's control and the click that brought the move is
// swallowed, so the control clicked is neither pressed, ticked nor chosen. Focus changes while
// the logic works (a message box that takes the focus and gives it back) and the window's own
// activation are not the engineer's and are not checked.
class FiltroFoco : public QObject {
    Q_OBJECT
public:
    // despues runs after every move the filter carried to the logic, accepted or refused: the
    // view copies the logic's state back and puts the Qt focus where the logic has it.
    FiltroFoco(VentanaLogica &logica, std::function<void()> despues, QObject *padre);

    // The widget shows the control; an option array may have several widgets.
    void Observa(QWidget *widget, Control &control);
    // A number box, observed already (a line edit, or an editable list): entering it by the
    // mouse or the keyboard selects its whole text, so that the next key replaces the value.
    // The click that entered it does not put the caret back in place of the selection; nor
    // does the first click into the box that has the focus already (a window opened with it
    // there, a box the focus came back to): that click selects its whole text too. Later clicks
    // place the caret as usual.
    void SeleccionaAlEntrar(QWidget *widget);
    Control *ControlDe(const QObject *widget) const;
    // The first widget that shows the control; null for none.
    QWidget *Widget(const Control *control) const;

    // Runs an action of the engineer's on the logic (a click, typing, a key), followed by
    // despues, unless another is still running. Focus changes meanwhile are not checked.
    // False when it did not run.
    bool Ejecuta(const std::function<void()> &accion);
    bool Ocupado() const { return m_ocupado; }

    // Gives the Qt focus to a widget, unchecked: the logic's focus is already there.
    void Enfoca(QWidget *widget);

    // Whether a click on the control may act: the logic's focus is on it, moved there now if
    // needed (leave check included), and its last move was not refused.
    bool Acepta(Control &control);

    // A character key typed in a box goes through the logic's key filter first: true when the
    // filter consumed it (refused, or typed another key in its place), false when the line
    // edit should type it as it came.
    bool TecleaEnCaja(ControlTexto &control, QLineEdit &linea, const QKeyEvent &tecla);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    bool Mueve(QWidget *widget, Control &control);
    bool DentroDeRechazado(const QObject *objeto) const;
    // The chosen option of the option array whose unchosen option the widget is; null when
    // the widget is no such option or none of its array is chosen.
    QWidget *OpcionElegida(const QWidget *widget, const Control &control) const;
    void Entra(QWidget *widget, Qt::FocusReason razon);

    VentanaLogica &m_logica;
    std::function<void()> m_despues;
    std::vector<std::pair<QWidget *, Control *>> m_widgets;
    bool m_ocupado = false;
    // The widget whose focus move the leave check refused: the mouse press that brought it,
    // and its release, are swallowed; a click it still sends does not act.
    QWidget *m_rechazado = nullptr;
    std::vector<QLineEdit *> m_seleccionables;
    // The line edit just entered by a mouse press: that press and its release leave the
    // selection alone.
    QLineEdit *m_clicEntrada = nullptr;
    // The number box that has the focus and has not been clicked or typed in since it got it:
    // its first click selects its whole text.
    QLineEdit *m_sinClic = nullptr;
};

} // namespace dravek::gui
