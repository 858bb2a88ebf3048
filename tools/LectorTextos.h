#pragma once

// Reading of textos.tsv, the source of the compiled-in text table, and writing of the C++
// table built from it. Used by the build-time generator and by its tests.

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravek::herramientas {

// Languages of the table, in column order after the text number: Spanish, English, Catalan,
// Portuguese, French. Entry (L - 1) * 5000 + n holds text n of language L.
inline constexpr int NumeroIdiomas = 5;
inline constexpr std::int32_t SaltoIdioma = 5000;

struct EntradaGenerada {
    std::int32_t id = 0;
    std::string texto; // UTF-8, never empty
};

struct LecturaTextos {
    std::vector<EntradaGenerada> entradas; // sorted by id
    std::string error;                     // empty when the file was accepted
};

// The cell's escapes \n, \t and \\ turned into line feed, tab and backslash; nothing for any
// other escape or for a backslash that ends the cell.
std::optional<std::string> DesescapaCelda(std::string_view celda);

// Reads the rows "n<TAB>es<TAB>en<TAB>ca<TAB>pt<TAB>fr". Lines that begin with '#' are
// comments. Every number from primero to ultimoObligatorio must have exactly one row; numbers
// above it up to ultimo may have one (the program's own texts). A row with another column
// count, a number outside the range or twice, a bad escape or bytes that are not UTF-8 rejects
// the whole file, the error naming the line.
LecturaTextos LeeTablaTextos(std::istream &entrada, int primero, int ultimoObligatorio,
                             int ultimo);

// The C++ source of the table: a sorted constexpr array returned by dravek::TablaTextos().
std::string EscribeTablaCpp(const std::vector<EntradaGenerada> &entradas);

} // namespace dravek::herramientas
