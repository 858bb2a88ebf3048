#pragma once

// The five languages of the text table and small text helpers for the checks of every
// language against the Spanish one.

#include "core/model/TablaTextos.h"
#include "core/model/Utf8.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dravek::pruebas {

struct Idioma {
    const char *nombre;
    std::int32_t desplazamiento; // DesplazamientoIdioma
};

inline constexpr std::array<Idioma, 5> Idiomas{{
    {"Spanish", 0},
    {"English", 5000},
    {"Catalan", 10000},
    {"Portuguese", 15000},
    {"French", 20000},
}};

// The languages other than Spanish, whose wording this table adds to the inherited one.
inline constexpr std::array<Idioma, 4> Traducciones{
    {Idiomas[1], Idiomas[2], Idiomas[3], Idiomas[4]}};

// Text numbers of the table: the inherited ones from 101, the program's own up to 1999.
inline constexpr std::int32_t PrimerTexto = 101;
inline constexpr std::int32_t UltimoTexto = 1999;

// Text n of a language as the compiled-in table holds it; nothing for an empty cell.
inline std::optional<std::string> Celda(const Idioma &idioma, std::int32_t n)
{
    const std::optional<std::string_view> texto =
        BuscaTexto(TablaTextos(), idioma.desplazamiento + n);
    if (!texto) {
        return std::nullopt;
    }
    return std::string(*texto);
}

inline std::size_t Caracteres(std::string_view texto)
{
    return CuentaCaracteresUtf8(texto);
}

// The text without its trailing blanks: what a field that cuts the text must hold whole.
inline std::string SinBlancosFinales(std::string texto)
{
    texto.erase(texto.find_last_not_of(' ') + 1);
    return texto;
}

} // namespace dravek::pruebas
