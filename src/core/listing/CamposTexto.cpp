#include "core/listing/CamposTexto.h"

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"

#include <algorithm>
#include <cstddef>

namespace dravek {

std::string TextoEnCampo(std::int32_t DesplazamientoIdioma, const CampoTextos &campo, int n)
{
    if (n < 1 || n > campo.cuantos) {
        return Blancos(campo.ancho);
    }
    return sTextoFijo(Texto(DesplazamientoIdioma, campo.primero + n - 1), campo.ancho);
}

void AnadeTextoEnCampo(std::string &destino, std::int32_t DesplazamientoIdioma,
                       const CampoTextos &campo, int n)
{
    if (n < 1 || n > campo.cuantos) {
        destino.append(static_cast<std::size_t>(std::max(campo.ancho, 0)), ' ');
        return;
    }
    AnadeTextoFijo(destino, Texto(DesplazamientoIdioma, campo.primero + n - 1), campo.ancho);
}

} // namespace dravek
