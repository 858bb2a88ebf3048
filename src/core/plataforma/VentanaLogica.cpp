#include "core/plataforma/VentanaLogica.h"

namespace dravek {

namespace {

// Requests that the handlers of a carried-out move may chain before the rest is dropped: a
// pair of handlers that keep sending the focus to each other must not hang the window.
constexpr int PeticionesEncadenadas = 8;

} // namespace

Control *VentanaLogica::BuscaControl(const std::string &nombre) const
{
    for (Control *c : m_controles) {
        if (c->Name() == nombre) {
            return c;
        }
    }
    return nullptr;
}

Control &VentanaLogica::ControlLlamado(const std::string &nombre) const
{
    Control *control = BuscaControl(nombre);
    if (control == nullptr) {
        throw ControlDesconocido(nombre);
    }
    return *control;
}

bool VentanaLogica::cambiaFoco(Control &destino)
{
    if (&destino == m_foco) {
        return true;
    }
    if (!destino.Enfocable() || !destino.Enabled || !destino.Visible) {
        return false;
    }
    Control *anterior = m_foco;
    Control *aComprobar = m_pendiente != nullptr ? m_pendiente : anterior;
    if (!destino.CausesValidation || aComprobar == &destino) {
        m_pendiente = destino.CausesValidation ? nullptr : aComprobar;
        aComprobar = nullptr;
    } else {
        m_pendiente = nullptr;
    }
    if (aComprobar != nullptr && aComprobar->Validate) {
        bool Cancel = false;
        Control *const destinoPrevio = m_destino;
        m_destino = &destino;
        aComprobar->Validate(Cancel);
        m_destino = destinoPrevio;
        if (Cancel) {
            if (aComprobar != anterior) {
                // The box that refuses takes the focus back from the control that skipped its
                // check.
                SetFocus(*aComprobar);
            }
            return false;
        }
        // The check may have closed the control the engineer was going to.
        if (!destino.Enabled || !destino.Visible) {
            return false;
        }
    }
    m_foco = &destino;
    if (anterior != nullptr && anterior->LostFocus) {
        anterior->LostFocus();
    }
    if (m_foco == &destino && destino.GotFocus) {
        destino.GotFocus();
    }
    return true;
}

bool VentanaLogica::cumplePeticionFoco()
{
    bool cumplida = true;
    for (int i = 0; i < PeticionesEncadenadas && m_peticion != nullptr; ++i) {
        Control *destino = m_peticion;
        m_peticion = nullptr;
        cumplida = cambiaFoco(*destino);
    }
    m_peticion = nullptr;
    return cumplida;
}

std::vector<std::string> VentanaLogica::Instantanea() const
{
    std::vector<std::string> lineas;
    lineas.push_back("Caption=\"" + Caption + "\"");
    for (const Control *c : m_controles) {
        lineas.push_back(c->Estado());
    }
    lineas.push_back("Foco=" + (m_foco != nullptr ? m_foco->Name() : std::string("-")));
    return lineas;
}

} // namespace dravek
