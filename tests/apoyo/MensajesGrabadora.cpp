#include "apoyo/MensajesGrabadora.h"

#include "apoyo/PlataformaNula.h"

#include <gtest/gtest.h>

namespace dravek::pruebas {

namespace {

const char *Nombre(BotonesMensaje b)
{
    switch (b) {
    case BotonesMensaje::Aceptar:
        return "Aceptar";
    case BotonesMensaje::AceptarCancelar:
        return "AceptarCancelar";
    case BotonesMensaje::SiNo:
        return "SiNo";
    case BotonesMensaje::SiNoCancelar:
        return "SiNoCancelar";
    case BotonesMensaje::ReintentarCancelar:
        return "ReintentarCancelar";
    }
    return "?";
}

const char *Nombre(IconoMensaje i)
{
    switch (i) {
    case IconoMensaje::Ninguno:
        return "Ninguno";
    case IconoMensaje::Critico:
        return "Critico";
    case IconoMensaje::Pregunta:
        return "Pregunta";
    case IconoMensaje::Exclamacion:
        return "Exclamacion";
    case IconoMensaje::Informacion:
        return "Informacion";
    }
    return "?";
}

} // namespace

void PrintTo(const MensajeMostrado &m, std::ostream *os)
{
    // The texts as they stand (accents and line breaks too), for the engineer's eye.
    *os << "{\"" << m.texto << "\", " << Nombre(m.botones) << ", " << Nombre(m.icono) << ", \""
        << m.titulo << "\"}";
}

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
    return PrimerBoton(botones);
}

} // namespace dravek::pruebas
