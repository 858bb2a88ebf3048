#include "gui/comun/FiltroFoco.h"

#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"
#include "gui/comun/TextoQt.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

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

bool FiltroFoco::DentroDeRechazado(const QObject *objeto) const
{
    const auto *widget = qobject_cast<const QWidget *>(objeto);
    return m_rechazado != nullptr && widget != nullptr &&
           (widget == m_rechazado || m_rechazado->isAncestorOf(widget));
}

bool FiltroFoco::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::FocusIn && !m_ocupado) {
        Control *control = ControlDe(objeto);
        const auto *foco = static_cast<QFocusEvent *>(evento);
        if (control != nullptr && EsDelUsuario(foco->reason()) && m_logica.Foco() != control &&
            !Mueve(static_cast<QWidget *>(objeto), *control)) {
            // The focus is back in the control that refused; this widget never had it.
            return true;
        }
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
