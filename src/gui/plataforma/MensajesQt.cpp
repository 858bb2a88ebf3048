#include "gui/plataforma/MensajesQt.h"

#include "gui/comun/TextoQt.h"

#include <QMessageBox>

namespace dravek::gui {

namespace {

QMessageBox::StandardButtons botonesQt(BotonesMensaje botones)
{
    switch (botones) {
    case BotonesMensaje::AceptarCancelar:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case BotonesMensaje::SiNo:
        return QMessageBox::Yes | QMessageBox::No;
    case BotonesMensaje::SiNoCancelar:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case BotonesMensaje::ReintentarCancelar:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case BotonesMensaje::Aceptar:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon iconoQt(IconoMensaje icono)
{
    switch (icono) {
    case IconoMensaje::Critico:
        return QMessageBox::Critical;
    case IconoMensaje::Pregunta:
        return QMessageBox::Question;
    case IconoMensaje::Exclamacion:
        return QMessageBox::Warning;
    case IconoMensaje::Informacion:
        return QMessageBox::Information;
    case IconoMensaje::Ninguno:
        break;
    }
    return QMessageBox::NoIcon;
}

RespuestaMensaje respuesta(int boton)
{
    switch (boton) {
    case QMessageBox::Yes:
        return RespuestaMensaje::Si;
    case QMessageBox::No:
        return RespuestaMensaje::No;
    case QMessageBox::Cancel:
        return RespuestaMensaje::Cancelar;
    case QMessageBox::Retry:
        return RespuestaMensaje::Reintentar;
    default:
        return RespuestaMensaje::Aceptar;
    }
}

} // namespace

RespuestaMensaje MensajesQt::Muestra(const std::string &texto, BotonesMensaje botones,
                                     IconoMensaje icono, const std::string &titulo)
{
    QMessageBox caja(iconoQt(icono), aQt(titulo.empty() ? std::string(TituloAplicacion) : titulo),
                     aQt(texto), botonesQt(botones), m_padre);
    return respuesta(caja.exec());
}

} // namespace dravek::gui
