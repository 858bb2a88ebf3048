#include "core/shell/IdiomaPrograma.h"

#include <utility>

#include "core/model/TextoRecurso.h"
#include "core/shell/Registro.h"

namespace dravek {

namespace {

constexpr std::int32_t DesplazamientoPorIdioma = 5000;

} // namespace

void PonTextosMenu(EstadoEjecucion &ejecucion, MenuPrincipal &menu)
{
    ejecucion.DesplazamientoIdioma = (ejecucion.Idioma - 1) * DesplazamientoPorIdioma;
    const std::pair<ElementoMenu *, std::int32_t> elementos[] = {
        {&menu.MnSeleccionarImpresora, 1049}, {&menu.MnImprimir, 1050},
        {&menu.mnNuevoTramo, 1055},           {&menu.mnCancelar, 1056},
        {&menu.mnGrabaTramo, 1057},           {&menu.mnCalculaTramo, 1058},
        {&menu.mnAjustarArmaduras, 1059},
    };
    for (const auto &[elemento, texto] : elementos) {
        elemento->Caption = Texto(ejecucion.DesplazamientoIdioma, texto);
    }
}

void IdiomaPrograma::PonTextosMenu()
{
    dravek::PonTextosMenu(m_ejecucion, m_menu);
}

void IdiomaPrograma::GrabaIdioma(std::int16_t Idioma)
{
    CreaClaveRegistro(m_almacen, ClaveRegistroPrograma, RaizRegistro::MaquinaLocal);
    GrabaValorRegistro(m_almacen, RaizRegistro::MaquinaLocal, ClaveRegistroPrograma,
                       ValorRegistroIdioma, std::to_string(Idioma),
                       static_cast<std::int32_t>(TipoTexto));
}

} // namespace dravek
