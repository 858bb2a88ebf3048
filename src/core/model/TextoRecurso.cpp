#include "core/model/TextoRecurso.h"

#include "core/model/TablaTextos.h"

#include <algorithm>
#include <charconv>
#include <utility>

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
    return it->texto;
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

TextoTabla TextoTabla::Falta(std::int32_t id)
{
    constexpr std::string_view Marca = "Falta Recurso ";
    TextoTabla texto;
    std::copy(Marca.begin(), Marca.end(), texto.m_marca.begin());
    char *const inicio = texto.m_marca.data();
    const auto escrito = std::to_chars(inicio + Marca.size(), inicio + texto.m_marca.size(), id);
    texto.m_propio = true;
    texto.std::string_view::operator=(
        std::string_view(inicio, static_cast<std::size_t>(escrito.ptr - inicio)));
    return texto;
}

std::string operator+(const std::string &a, const TextoTabla &b)
{
    std::string texto;
    texto.reserve(a.size() + b.size());
    texto.append(a);
    texto.append(b);
    return texto;
}

std::string operator+(std::string &&a, const TextoTabla &b)
{
    a.append(b);
    return std::move(a);
}

std::string operator+(const TextoTabla &a, const std::string &b)
{
    std::string texto;
    texto.reserve(a.size() + b.size());
    texto.append(a);
    texto.append(b);
    return texto;
}

std::string operator+(const TextoTabla &a, std::string &&b)
{
    b.insert(0, a);
    return std::move(b);
}

std::string operator+(const TextoTabla &a, const TextoTabla &b)
{
    std::string texto;
    texto.reserve(a.size() + b.size());
    texto.append(a);
    texto.append(b);
    return texto;
}

std::string operator+(const TextoTabla &a, const char *b)
{
    const std::string_view cola(b);
    std::string texto;
    texto.reserve(a.size() + cola.size());
    texto.append(a);
    texto.append(cola);
    return texto;
}

std::string operator+(const char *a, const TextoTabla &b)
{
    const std::string_view cabeza(a);
    std::string texto;
    texto.reserve(cabeza.size() + b.size());
    texto.append(cabeza);
    texto.append(b);
    return texto;
}

std::string operator+(const TextoTabla &a, char b)
{
    std::string texto;
    texto.reserve(a.size() + 1);
    texto.append(a);
    texto.push_back(b);
    return texto;
}

std::string operator+(char a, const TextoTabla &b)
{
    std::string texto;
    texto.reserve(b.size() + 1);
    texto.push_back(a);
    texto.append(b);
    return texto;
}

TextoTabla TextoRecurso(std::int32_t id)
{
    const std::optional<std::string_view> texto = TextoDeLaTabla(id);
    if (!texto || texto->empty()) {
        // The marker stands where the text would have gone (caption, message, listing line or
        // file name); a missing text is never reported otherwise.
        return TextoTabla::Falta(id);
    }
    return TextoTabla(*texto);
}

int CuentaIdiomas()
{
    return CuentaIdiomasEn(TablaTextos());
}

} // namespace dravek
