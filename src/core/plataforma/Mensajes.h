#pragma once

#include <string>

namespace dravek {

enum class BotonesMensaje { Aceptar, AceptarCancelar, SiNo, SiNoCancelar, ReintentarCancelar };
enum class IconoMensaje { Ninguno, Critico, Pregunta, Exclamacion, Informacion };
enum class RespuestaMensaje { Aceptar, Cancelar, Si, No, Reintentar };

// Application title shown by a message box that has no title of its own.
inline constexpr const char *TituloAplicacion = "DRAVEK";

// Message boxes. The core only says what to show; the answer comes back synchronously.
class Mensajes {
public:
    virtual ~Mensajes() = default;
    // An empty title shows the application's title.
    virtual RespuestaMensaje Muestra(const std::string &texto, BotonesMensaje botones,
                                     IconoMensaje icono, const std::string &titulo) = 0;
};

} // namespace dravek
