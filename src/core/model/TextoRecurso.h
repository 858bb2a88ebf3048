#pragma once

#include <cstdint>
#include <string>

namespace dravek {

// Text id of the compiled-in five-language table: entry (L - 1) * 5000 + n holds text n of
// language L. A missing entry (or an empty cell) yields "Falta Recurso " and the id.
std::string TextoRecurso(std::int32_t id);

// Number of languages the table holds, counted from entry 101 up to the first gap.
int CuentaIdiomas();

// Text n in the language whose offset is given: the usual way callers read the table.
inline std::string Texto(std::int32_t DesplazamientoIdioma, std::int32_t n)
{
    return TextoRecurso(DesplazamientoIdioma + n);
}

} // namespace dravek
