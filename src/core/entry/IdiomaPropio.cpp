#include "core/entry/IdiomaPropio.h"

#include "core/model/TextoRecurso.h"
#include "core/storage/Registro.h"

namespace dravek {

namespace {

constexpr std::int32_t TextoIdiomaNoGrabado = 1480;

constexpr RaizRegistro RaizIdioma = RaizRegistro::MaquinaLocal;

} // namespace

std::string IdiomaPropio(AlmacenConfiguracion &almacen, Mensajes &mensajes,
                         std::int32_t DesplazamientoIdioma, const std::string &accion,
                         const std::string &valor)
{
    std::string resultado;
    if (accion == "LEELO") {
        LeeValorRegistro(almacen, RaizIdioma, ClaveRegistroPrograma, ValorRegistroIdioma,
                         resultado);
    } else if (accion == "GRABALO") {
        const bool grabado =
            almacen.CreaClave(RaizIdioma, ClaveRegistroPrograma) &&
            almacen.EscribeValor(RaizIdioma, ClaveRegistroPrograma, ValorRegistroIdioma,
                                 ValorRegistro{TipoTexto, valor});
        if (!grabado) {
            mensajes.Muestra(Texto(DesplazamientoIdioma, TextoIdiomaNoGrabado),
                             BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, "");
        }
    } else {
        mensajes.Muestra("ATENCION: Accion invalida en IdiomaPropio=" + accion,
                         BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
    }
    return resultado;
}

} // namespace dravek
