// The captions of the data-entry window in the interface language, as far as the language
// choice needs them: the language list, the code lists, the field captions that name a laying
// or load item, the tabs and the command buttons.

#include <cstdint>
#include <utility>

#include "core/entry/AyudasManejadores.h"
#include "core/entry/CapturaDatos.h"

namespace dravek {

using namespace manejadores;

namespace {

constexpr std::int32_t TextoPrimeraLengua = 101; // "Español"; the others follow
constexpr std::int32_t DesplazamientoPorIdioma = 5000;

} // namespace

void CapturaDatos::PonTextosCaptura()
{
    EstadoEjecucion &e = m_estado.ejecucion;
    e.DesplazamientoIdioma = (e.Idioma - 1) * DesplazamientoPorIdioma;
    edIdioma.Clear();
    for (int i = 0; i < CuentaIdiomas(); ++i) {
        edIdioma.AddItem(T(*this, TextoPrimeraLengua + i));
    }
    // The text chooses the entry without a click: showing the language is no new choice.
    ponTexto(edIdioma, edIdioma.List(e.Idioma - 1));
    LlenaListasCodigos();

    constexpr std::pair<int, std::int32_t> Etiquetas[] = {
        {22, 228}, {26, 232}, {29, 235}, {32, 238}, {34, 242}, {50, 239}, {53, 240}};
    for (const auto &[item, texto] : Etiquetas) {
        lbEtiquetas(item).Caption = T(*this, texto);
    }
    TabPrincipal.TabCaption = {T(*this, 151), T(*this, 152), T(*this, 153)};
    TabDatosColocacion.TabCaption = {T(*this, 222), T(*this, 223), T(*this, 224)};
    const auto boton = [this](Boton &b, std::int32_t caption, std::int32_t consejo) {
        b.Caption = T(*this, caption);
        b.ToolTipText = T(*this, consejo);
    };
    boton(CommandButton2, 181, 973);
    boton(btGrabaObra, 182, 974);
    boton(btCerrarObra, 183, 975);
    boton(btNuevoTramo, 213, 983);
    // A stored run being edited is re-read, not cancelled.
    boton(btCancelar, e.ModoCaptura == "MODIFICACIONES" ? 383 : 214, 984);
    boton(btGrabar, 215, 985);
    boton(btCalcular, 216, 986);
    boton(btAjustar, 217, 987);
}

} // namespace dravek
