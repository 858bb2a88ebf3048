#pragma once

#include "core/plataforma/Mensajes.h"

#include <deque>
#include <ostream>
#include <string>
#include <vector>

namespace dravek::pruebas {

struct MensajeMostrado {
    std::string texto;
    BotonesMensaje botones;
    IconoMensaje icono;
    std::string titulo;

    bool operator==(const MensajeMostrado &) const = default;
};

// A recorded box reads in a failed comparison as its text, buttons, icon and title, not as bytes.
void PrintTo(const MensajeMostrado &m, std::ostream *os);

// How strictly the script is held to.
enum class Guion {
    // A box with no answer scripted is answered with its first button (Yes, OK, Retry).
    Libre,
    // Every box must have its answer scripted, OK boxes too: a box with none fails the test, and
    // so does an answer left unused when the recorder goes away.
    Estricto,
};

// Records every message box; answers come from a script, in order.
class MensajesGrabadora : public Mensajes {
public:
    explicit MensajesGrabadora(Guion guion = Guion::Libre) : m_guion(guion) {}
    ~MensajesGrabadora() override;
    MensajesGrabadora(const MensajesGrabadora &) = delete;
    MensajesGrabadora &operator=(const MensajesGrabadora &) = delete;

    RespuestaMensaje Muestra(const std::string &texto, BotonesMensaje botones, IconoMensaje icono,
                             const std::string &titulo) override;

    void responde(RespuestaMensaje r) { m_respuestas.push_back(r); }
    const std::vector<MensajeMostrado> &mostrados() const { return m_mostrados; }
    // Forgets the boxes shown so far (not the answers still scripted).
    void olvida() { m_mostrados.clear(); }
    // Answers scripted and not used yet.
    std::size_t pendientes() const { return m_respuestas.size(); }

private:
    Guion m_guion;
    std::vector<MensajeMostrado> m_mostrados;
    std::deque<RespuestaMensaje> m_respuestas;
};

} // namespace dravek::pruebas
