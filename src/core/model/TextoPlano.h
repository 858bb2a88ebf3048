#pragma once

// Trimming and case of the texts the program compares: boxes, file records, registry values.
// Blanks are ' ' only, as the fixed-width records pad with them (tabs too where a name says
// so); case changes touch ASCII letters only (and, in a comparison, the accented capitals of
// Latin-1), so a UTF-8 text keeps its other characters whole whatever the C locale.

#include <string>
#include <string_view>

namespace dravek {

// The text without the blanks at either end; a text of blanks only gives "".
std::string_view SinBlancos(std::string_view texto);
std::string Recorta(std::string_view texto);

// The text without blanks and tabs at either end, as a typed number may carry them.
std::string_view SinBlancosNiTabuladores(std::string_view texto);

std::string Mayusculas(std::string texto);

// Two texts equal but for letter case, accented capitals included ("SÓLO CAMISA" is "Sólo
// Camisa"), as the list entries are compared with what a box holds.
bool IgualSinMayusculas(std::string_view a, std::string_view b);

} // namespace dravek
