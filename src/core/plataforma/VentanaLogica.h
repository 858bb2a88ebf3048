#pragma once

// Base of the logic class of every window: the window's caption, its controls (which register
// themselves on construction) and the focus. The logic class declares its controls as members,
// named as the window names them, and its handlers as member functions named after the control
// and the event (edFck_Validate(bool &Cancel), btCalcular_Click()), which it hangs on the
// controls in its constructor.
//
// Focus: the view tells the logic where the engineer wants the focus to go (cambiaFoco); the
// move runs the leave check of the control that has it, and a Cancel keeps the focus there.
// Handlers that want the focus elsewhere ask for it (SetFocus); the view carries the request
// out after the handler returns, through the same move (cumplePeticionFoco).

#include "core/plataforma/Controles.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace dravek {

// A window's code or view named a control the window has not: a fault of the program, raised
// in every build where a silent null would leave a handler unwired or a widget without its
// control.
class ControlDesconocido : public std::logic_error {
public:
    explicit ControlDesconocido(const std::string &nombre)
        : std::logic_error("no control named \"" + nombre + "\" on the window")
    {
    }
};

class VentanaLogica {
public:
    VentanaLogica() = default;
    virtual ~VentanaLogica() = default;
    VentanaLogica(const VentanaLogica &) = delete;
    VentanaLogica &operator=(const VentanaLogica &) = delete;

    std::string Caption;

    // The controls in the order they were declared.
    const std::vector<Control *> &Controles() const { return m_controles; }
    // The control of that name (label array items are named "lbEtiquetas(7)"); null if none.
    Control *BuscaControl(const std::string &nombre) const;
    // The control of that name, which the caller knows the window has; throws
    // ControlDesconocido when it has none.
    Control &ControlLlamado(const std::string &nombre) const;

    // The control that has the focus; null before any has it.
    Control *Foco() const { return m_foco; }
    // The engineer moves the focus to a control: the control that has it runs its leave check
    // (Validate); Cancel keeps the focus there and returns false. Otherwise it loses the focus
    // (LostFocus) and the new one gets it (GotFocus). A control that is disabled, hidden or
    // cannot take the focus refuses it (false, nothing runs); moving to the control that
    // already has the focus does nothing and returns true. A move to a control whose
    // CausesValidation is False skips the check; the box left keeps it pending, and the next
    // move to a control that causes validation runs it, a refusal sending the focus back to
    // that box.
    bool cambiaFoco(Control &destino);
    // While a move runs the leave check, the control the focus is going to; null when no move
    // is under way (a check that code runs itself). A check may judge a pair of boxes by it:
    // the engineer going from one box of the pair to the other is still at work on the pair.
    Control *DestinoFoco() const { return m_destino; }
    // Code asks for the focus to go to a control; the last request wins.
    void SetFocus(Control &destino) { m_peticion = &destino; }
    Control *PeticionFoco() const { return m_peticion; }
    // Carries out the pending request, if any, as a move of the engineer's (with its leave
    // check); requests made meanwhile by the handlers of the move are carried out too, a few
    // at most. True when no request is left refused.
    bool cumplePeticionFoco();

    // One line per control, in declaration order: the whole visible state of the window, with
    // the window's caption first and the control that has the focus last.
    std::vector<std::string> Instantanea() const;

private:
    friend class Control;
    void registra(Control &control) { m_controles.push_back(&control); }

    std::vector<Control *> m_controles;
    Control *m_foco = nullptr;
    Control *m_peticion = nullptr;
    Control *m_destino = nullptr;
    // The box whose leave check a move to a control without validation skipped.
    Control *m_pendiente = nullptr;
};

} // namespace dravek
