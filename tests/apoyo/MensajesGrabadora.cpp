#include "apoyo/MensajesGrabadora.h"

namespace dravek::pruebas {

RespuestaMensaje MensajesGrabadora::Muestra(const std::string &texto, BotonesMensaje botones,
                                            IconoMensaje icono, const std::string &titulo)
{
    m_mostrados.push_back({texto, botones, icono, titulo});
    if (!m_respuestas.empty()) {
        const RespuestaMensaje r = m_respuestas.front();
        m_respuestas.pop_front();
        return r;
    }
    switch (botones) {
    case BotonesMensaje::SiNo:
    case BotonesMensaje::SiNoCancelar:
        return RespuestaMensaje::Si;
    case BotonesMensaje::ReintentarCancelar:
        return RespuestaMensaje::Reintentar;
    default:
        return RespuestaMensaje::Aceptar;
    }
}

} // namespace dravek::pruebas
