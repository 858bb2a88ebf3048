#pragma once

#include <string>

#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/Mensajes.h"

namespace dravek {

// Logic of the main window: its caption and picture, and the start-up that fills the state.
class FormaPrincipal {
public:
    FormaPrincipal(EstadoObra &estado, Mensajes &mensajes);

    // Start-up from the program's folder. False when the program cannot go on; the engineer
    // has been told why (a missing logo, an unreadable default-data file).
    bool Arranca(const std::string &carpetaPrograma, LocalUsuario &local);

    const std::string &Caption() const { return m_caption; }
    // The logo file shown as the window's picture; empty before start-up.
    const std::string &Picture() const { return m_picture; }

private:
    EstadoObra &m_estado;
    Mensajes &m_mensajes;
    std::string m_caption = "DRAVEK";
    std::string m_picture;
};

} // namespace dravek
