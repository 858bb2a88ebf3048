#pragma once

#include "core/plataforma/Mensajes.h"

class QWidget;

namespace dravek::gui {

// Message boxes shown with QMessageBox over the given parent window.
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
