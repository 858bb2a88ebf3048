#include "core/listing/CamposTexto.h"

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"

namespace dravek {

std::string TextoEnCampo(std::int32_t DesplazamientoIdioma, const CampoTextos &campo, int n)
{
    if (n < 1 || n > campo.cuantos) {
        return Blancos(campo.ancho);
    }
    return sTextoFijo(Texto(DesplazamientoIdioma, campo.primero + n - 1), campo.ancho);
}

} // namespace dravek
