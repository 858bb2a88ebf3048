#pragma once

// The compiled-in text table behind TextoRecurso: every non-empty cell of textos.tsv, generated
// at build time into TablaTextos.cpp. Callers use TextoRecurso / Texto; this header serves the
// lookup itself and its tests.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace dravek {

// One cell: entry (L - 1) * 5000 + n holds text n of language L, UTF-8.
struct EntradaTablaTextos {
    std::int32_t id;
    std::string_view texto;
};

// The whole table, sorted by id, ids unique.
std::span<const EntradaTablaTextos> TablaTextos();

// Text of entry id of the compiled-in table, found through an index built with it; nothing when
// the table holds no such entry. The same answer as BuscaTexto(TablaTextos(), id), without the
// search: a case of a run looks up several hundred texts.
std::optional<std::string_view> TextoDeLaTabla(std::int32_t id);

// Text of entry id in a table sorted by id; nothing when the table holds no such entry.
std::optional<std::string_view> BuscaTexto(std::span<const EntradaTablaTextos> tabla,
                                           std::int32_t id);

// Languages of a table, counted from entry 101 up to the first entry that is missing; each
// non-empty text of 101..112 raises the count to its own language number.
int CuentaIdiomasEn(std::span<const EntradaTablaTextos> tabla);

} // namespace dravek
