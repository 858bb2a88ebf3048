#include "core/model/TextoRecurso.h"

#include "core/model/TablaTextos.h"

#include <algorithm>

namespace dravek {

std::optional<std::string_view> BuscaTexto(std::span<const EntradaTablaTextos> tabla,
                                           std::int32_t id)
{
    const auto it = std::lower_bound(tabla.begin(), tabla.end(), id,
                                     [](const EntradaTablaTextos &entrada, std::int32_t buscado) {
                                         return entrada.id < buscado;
                                     });
    if (it == tabla.end() || it->id != id) {
        return std::nullopt;
    }
    return std::string_view(it->texto);
}

int CuentaIdiomasEn(std::span<const EntradaTablaTextos> tabla)
{
    // Language names are texts 101 onward of language 1; the count stops at the first gap, so
    // languages must be numbered without holes.
    int resultado = 0;
    for (std::int32_t n = 101; n <= 112; ++n) {
        const std::optional<std::string_view> texto = BuscaTexto(tabla, n);
        if (!texto) {
            return resultado;
        }
        if (!texto->empty()) {
            resultado = n - 100;
        }
    }
    return resultado;
}

std::string TextoRecurso(std::int32_t id)
{
    const std::optional<std::string_view> texto = BuscaTexto(TablaTextos(), id);
    if (!texto || texto->empty()) {
        // The marker stands where the text would have gone (caption, message, listing line or
        // file name); a missing text is never reported otherwise.
        return "Falta Recurso " + std::to_string(id);
    }
    return std::string(*texto);
}

int CuentaIdiomas()
{
    return CuentaIdiomasEn(TablaTextos());
}

} // namespace dravek
