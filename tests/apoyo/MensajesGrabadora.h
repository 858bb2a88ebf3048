#pragma once

#include "core/plataforma/Mensajes.h"

#include <deque>
#include <string>
#include <vector>

namespace dravek::pruebas {

struct MensajeMostrado {
    std::string texto;
    BotonesMensaje botones;
    IconoMensaje icono;
    std::string titulo;
};

// Records every message box; answers come from a script. A box shown when no answer is
// scripted is answered with the first button, which is what an OK box expects.
class MensajesGrabadora : public Mensajes {
public:
    RespuestaMensaje Muestra(const std::string &texto, BotonesMensaje botones, IconoMensaje icono,
                             const std::string &titulo) override;

    void responde(RespuestaMensaje r) { m_respuestas.push_back(r); }
    const std::vector<MensajeMostrado> &mostrados() const { return m_mostrados; }
    void olvida() { m_mostrados.clear(); }

private:
    std::vector<MensajeMostrado> m_mostrados;
    std::deque<RespuestaMensaje> m_respuestas;
};

} // namespace dravek::pruebas
