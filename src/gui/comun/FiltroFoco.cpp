#include "gui/comun/FiltroFoco.h"

#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"
#include "gui/comun/TextoQt.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace dravek::gui {

namespace {

// A window activated again (after a message box closed, or by the window system) and a popup
// closing give the focus back; the engineer did not move it.
bool EsDelUsuario(Qt::FocusReason razon)
{
    return razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason &&
           razon != Qt::NoFocusReason;
}

bool EsRaton(QEvent::Type tipo)
{
    return tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseButtonRelease ||
           tipo == QEvent::MouseButtonDblClick;
}

// The line edit that takes the typing of a widget: the widget itself or an editable list's.
QLineEdit *LineaDe(QObject *widget)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        return combo->lineEdit();
    }
    return qobject_cast<QLineEdit *>(widget);
}

} // namespace

FiltroFoco::FiltroFoco(VentanaLogica &logica, std::function<void()> despues, QObject *padre)
    : QObject(padre), m_logica(logica), m_despues(std::move(despues))
{
}

void FiltroFoco::Observa(QWidget *widget, Control &control)
{
    m_widgets.emplace_back(widget, &control);
    widget->installEventFilter(this);
    // The clicks of a list or a text area reach its viewport, not the widget that takes the
    // focus.
    if (auto *area = qobject_cast<QAbstractScrollArea *>(widget)) {
        area->viewport()->installEventFilter(this);
    }
}

void FiltroFoco::SeleccionaAlEntrar(QWidget *widget)
{
    QLineEdit *linea = LineaDe(widget);
    if (linea == nullptr) {
        return;
    }
    m_seleccionables.push_back(linea);
    if (linea != widget) {
        // The clicks of a list's text reach its line edit, not the list.
        linea->installEventFilter(this);
    }
}

void FiltroFoco::Entra(QWidget *widget, Qt::FocusReason razon)
{
    QLineEdit *linea = LineaDe(widget);
    if (linea == nullptr || linea->isReadOnly() ||
        std::find(m_seleccionables.cbegin(), m_seleccionables.cend(), linea) ==
            m_seleccionables.cend()) {
        return;
    }
    linea->selectAll();
    m_clicEntrada = razon == Qt::MouseFocusReason ? linea : nullptr;
}

Control *FiltroFoco::ControlDe(const QObject *widget) const
{
    for (const auto &[w, c] : m_widgets) {
        if (w == widget) {
            return c;
        }
    }
    return nullptr;
}

QWidget *FiltroFoco::Widget(const Control *control) const
{
    for (const auto &[w, c] : m_widgets) {
        if (c == control) {
            return w;
        }
    }
    return nullptr;
}

bool FiltroFoco::Ejecuta(const std::function<void()> &accion)
{
    if (m_ocupado) {
        return false;
    }
    m_ocupado = true;
    accion();
    if (m_despues) {
        m_despues();
    }
    m_ocupado = false;
    return true;
}

void FiltroFoco::Enfoca(QWidget *widget)
{
    if (widget == nullptr || widget->hasFocus()) {
        return;
    }
    const bool ocupado = m_ocupado;
    m_ocupado = true;
    widget->setFocus(Qt::OtherFocusReason);
    m_ocupado = ocupado;
}

bool FiltroFoco::Acepta(Control &control)
{
    if (m_ocupado) {
        return false;
    }
    QWidget *widget = Widget(&control);
    if (m_rechazado != nullptr && m_rechazado == widget) {
        // Asked and refused already: the widget only shows the logic's state again.
        m_rechazado = nullptr;
        Ejecuta([] {});
        return false;
    }
    if (m_logica.Foco() == &control) {
        return true;
    }
    // A click that brought no focus move of its own (a shortcut, a button that takes no
    // focus): the move is made now, and no mouse release follows to clear a refusal.
    const bool movido = Mueve(widget, control);
    m_rechazado = nullptr;
    return movido;
}

bool FiltroFoco::Mueve(QWidget *widget, Control &control)
{
    bool movido = false;
    Ejecuta([this, &control, &movido] { movido = m_logica.cambiaFoco(control); });
    m_rechazado = movido ? nullptr : widget;
    return movido;
}

QWidget *FiltroFoco::OpcionElegida(const QWidget *widget, const Control &control) const
{
    const auto *opcion = qobject_cast<const QAbstractButton *>(widget);
    if (opcion == nullptr || !opcion->autoExclusive() || opcion->isChecked()) {
        return nullptr;
    }
    for (const auto &[w, c] : m_widgets) {
        const auto *otra = qobject_cast<const QAbstractButton *>(w);
        if (c == &control && otra != nullptr && otra->isChecked() && otra->isEnabled() &&
            otra->isVisible()) {
            return w;
        }
    }
    return nullptr;
}

bool FiltroFoco::DentroDeRechazado(const QObject *objeto) const
{
    const auto *widget = qobject_cast<const QWidget *>(objeto);
    return m_rechazado != nullptr && widget != nullptr &&
           (widget == m_rechazado || m_rechazado->isAncestorOf(widget));
}

bool FiltroFoco::eventFilter(QObject *objeto, QEvent *evento)
{
    // The number box of the event: a line edit, or an editable list (whose own focus events
    // stand for its line edit's).
    QLineEdit *seleccionable = LineaDe(objeto);
    if (std::find(m_seleccionables.cbegin(), m_seleccionables.cend(), seleccionable) ==
        m_seleccionables.cend()) {
        seleccionable = nullptr;
    }
    if (seleccionable != nullptr) {
        if (evento->type() == QEvent::FocusIn) {
            // However the focus came, the box's first click selects its text; its entry by a
            // click is that first click (below).
            m_sinClic = seleccionable;
        } else if (evento->type() == QEvent::FocusOut || evento->type() == QEvent::KeyPress) {
            if (m_sinClic == seleccionable) {
                m_sinClic = nullptr;
            }
        } else if (evento->type() == QEvent::MouseButtonPress && objeto == seleccionable &&
                   m_sinClic == seleccionable && m_clicEntrada != seleccionable &&
                   seleccionable->hasFocus() && !seleccionable->isReadOnly() && !m_ocupado) {
            // Clicked in its text for the first time since it got the focus: the whole text is
            // selected, as on entering, and the press, its moves and its release leave it so.
            // A press on a list's arrow reaches the list, not its text, and opens the list.
            m_sinClic = nullptr;
            seleccionable->selectAll();
            m_clicEntrada = seleccionable;
            return true;
        }
    }
    if (evento->type() == QEvent::MouseButtonPress && objeto != m_clicEntrada) {
        // The press that entered the box went elsewhere (a list's arrow): none is pending.
        m_clicEntrada = nullptr;
    }
    if (evento->type() == QEvent::FocusIn && !m_ocupado) {
        Control *control = ControlDe(objeto);
        const auto *foco = static_cast<QFocusEvent *>(evento);
        auto *widget = static_cast<QWidget *>(objeto);
        if (control != nullptr &&
            (foco->reason() == Qt::TabFocusReason || foco->reason() == Qt::BacktabFocusReason)) {
            // Tab comes into an option array at its chosen option, not at the first one the
            // chain reaches.
            if (QWidget *elegida = OpcionElegida(widget, *control)) {
                elegida->setFocus(foco->reason());
                return true;
            }
        }
        if (control != nullptr && EsDelUsuario(foco->reason())) {
            if (m_logica.Foco() != control && !Mueve(widget, *control)) {
                // The focus is back in the control that refused; this widget never had it.
                return true;
            }
            // The entry handlers ran and the view showed their text; unless they sent the
            // focus elsewhere, what is typed next replaces it.
            if (m_logica.Foco() == control) {
                Entra(widget, foco->reason());
            }
            if (m_clicEntrada != nullptr && m_sinClic == m_clicEntrada) {
                // The click that entered the box was its first.
                m_sinClic = nullptr;
            }
        }
    } else if ((evento->type() == QEvent::FocusOut || evento->type() == QEvent::KeyPress) &&
               objeto == m_clicEntrada) {
        m_clicEntrada = nullptr;
    } else if ((EsRaton(evento->type()) || evento->type() == QEvent::MouseMove) &&
               m_clicEntrada != nullptr && objeto == m_clicEntrada) {
        if (evento->type() != QEvent::MouseButtonPress) {
            m_clicEntrada = nullptr;
        }
        // The press that brought the focus would put the caret where it fell.
        return true;
    } else if (EsRaton(evento->type()) && DentroDeRechazado(objeto)) {
        if (evento->type() == QEvent::MouseButtonRelease) {
            m_rechazado = nullptr;
        }
        return true;
    }
    return QObject::eventFilter(objeto, evento);
}

bool FiltroFoco::TecleaEnCaja(ControlTexto &control, QLineEdit &linea, const QKeyEvent &tecla)
{
    constexpr QChar Retroceso = QChar(8);
    const QString texto = tecla.text();
    const bool caracter =
        texto.size() == 1 && (texto.at(0) >= QChar(32) || texto.at(0) == Retroceso);
    if (m_ocupado || !caracter ||
        (tecla.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
        return false;
    }
    const std::int32_t codigo = texto.at(0).unicode();
    std::int32_t queda = codigo;
    Ejecuta([&control, codigo, &queda] { queda = pulsaTecla(control, codigo); });
    if (queda == 0) {
        return true;
    }
    if (queda != codigo) {
        // The key the filter put in its place is typed instead (the other decimal separator
        // stands for the user's).
        linea.insert(QString(QChar(static_cast<char16_t>(queda))));
        Ejecuta([&control, &linea] { ponTexto(control, deQt(linea.text())); });
        return true;
    }
    return false;
}

} // namespace dravek::gui
