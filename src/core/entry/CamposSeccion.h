#pragma once

// The checks of the pipe-section fields of the data-entry window, run when the engineer leaves
// one: each reads its box's text, stores the number and does what the field means for the
// section (commercial diameters bring their recommended thickness and covers, the lined
// cylinder's inner cover follows from the thickness and the outer cover, an empty trench width
// follows from the outer diameter). The text is read as strictly as the key filter types it.

#include <string>

namespace dravek {

class CapturaDatos;

// What a thickness or cover check tells its leave handler.
enum class ResultadoCampo : int {
    Aceptado = 0,         // the handler reformats the field from its variable
    MantieneFoco = 1,     // refused while the diameter is not commercial: focus stays
    VuelveAlDiametro = 2, // refused while it is, or no recommended value: focus to edDi0
    // Lined cylinder: the inner cover that follows (thickness minus outer cover) would be below
    // 0.001 m; the thickness or outer cover is stored, the inner cover is not, and the focus
    // goes to the outer cover.
    VaAlRecubrimientoExterior = 3,
};

bool ValidaDiametro(CapturaDatos &ventana, const std::string &texto);
ResultadoCampo ValidaEspesor(CapturaDatos &ventana, const std::string &texto);
ResultadoCampo ValidaRecubrimientoInterior(CapturaDatos &ventana, const std::string &texto);
ResultadoCampo ValidaRecubrimientoExterior(CapturaDatos &ventana, const std::string &texto);
bool ValidaAnchoZanja(CapturaDatos &ventana, const std::string &texto);

// Smallest inner cover a lined cylinder may be left with, cm (0.001 m).
inline constexpr double RecubrimientoInteriorMinimo = 0.1;

} // namespace dravek
