#include "apoyo/MensajesGrabadora.h"

#include <gtest/gtest.h>

namespace dravek::pruebas {

MensajesGrabadora::~MensajesGrabadora()
{
    if (m_guion == Guion::Estricto && !m_respuestas.empty()) {
        ADD_FAILURE() << m_respuestas.size() << " scripted answer(s) left unused: a message box "
                      << "the test expected was not shown";
    }
}

RespuestaMensaje MensajesGrabadora::Muestra(const std::string &texto, BotonesMensaje botones,
                                            IconoMensaje icono, const std::string &titulo)
{
    m_mostrados.push_back({texto, botones, icono, titulo});
    if (!m_respuestas.empty()) {
        const RespuestaMensaje r = m_respuestas.front();
        m_respuestas.pop_front();
        return r;
    }
    if (m_guion == Guion::Estricto) {
        ADD_FAILURE() << "Unexpected message box \"" << texto << "\" titled \"" << titulo << "\"";
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
