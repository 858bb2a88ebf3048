#include "gui/plataforma/MensajesQt.h"

#include "gui/comun/TextoQt.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QSpacerItem>

#include <algorithm>

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

int AnchoParaTitulo(const QString &titulo, const QFont &fuente)
{
    // The window manager writes the title in a bold face of its own, a little larger than the
    // box's, between the window's icon and its buttons.
    QFont negrita = fuente;
    negrita.setBold(true);
    negrita.setPointSizeF(negrita.pointSizeF() * 1.15);
    constexpr int Botones = 160; // px: the icon, three buttons and the margins
    const int ancho = QFontMetrics(negrita).horizontalAdvance(titulo) + Botones;
    const QScreen *pantalla = QGuiApplication::primaryScreen();
    return pantalla ? std::min(ancho, pantalla->availableGeometry().width() - 40) : ancho;
}

RespuestaMensaje MensajesQt::Muestra(const std::string &texto, BotonesMensaje botones,
                                     IconoMensaje icono, const std::string &titulo)
{
    const QString tituloQt = aQt(titulo.empty() ? std::string(TituloAplicacion) : titulo);
    QMessageBox caja(iconoQt(icono), tituloQt, aQt(texto), botonesQt(botones), m_padre);
    // A box as wide as its title needs: the window manager cuts a longer title, however short
    // the message under it is. The box lays out its own grid; a row of its width is added.
    if (auto *rejilla = qobject_cast<QGridLayout *>(caja.layout())) {
        rejilla->addItem(new QSpacerItem(AnchoParaTitulo(tituloQt, caja.font()), 0,
                                         QSizePolicy::Minimum, QSizePolicy::Fixed),
                         rejilla->rowCount(), 0, 1, rejilla->columnCount());
    }
    return respuesta(caja.exec());
}

} // namespace dravek::gui
