#pragma once

#include "core/plataforma/Mensajes.h"

class QFont;
class QString;
class QWidget;

namespace dravek::gui {

// The width a message box needs for the window manager to show its whole title, px, within the
// screen.
int AnchoParaTitulo(const QString &titulo, const QFont &fuente);

// Message boxes shown with QMessageBox over the given parent window, each as wide as its title.
class MensajesQt : public Mensajes {
public:
    explicit MensajesQt(QWidget *padre = nullptr) : m_padre(padre) {}
    void PonPadre(QWidget *padre) { m_padre = padre; }

    RespuestaMensaje Muestra(const std::string &texto, BotonesMensaje botones, IconoMensaje icono,
                             const std::string &titulo) override;

private:
    QWidget *m_padre;
};

} // namespace dravek::gui
