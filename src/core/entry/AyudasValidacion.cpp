#include "core/entry/AyudasValidacion.h"

namespace dravek::validacion {

namespace {

// Folds a capital to its small letter: ASCII, and the Latin-1 capitals À..Þ (but ×), which UTF-8
// writes as 0xC3 0x80..0x9E; their small letters are 0x20 further on.
std::string Minusculas(std::string_view texto)
{
    std::string resultado(texto);
    for (std::size_t i = 0; i < resultado.size(); ++i) {
        const auto c = static_cast<unsigned char>(resultado[i]);
        if (c >= 'A' && c <= 'Z') {
            resultado[i] = static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < resultado.size()) {
            const auto d = static_cast<unsigned char>(resultado[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) {
                resultado[i + 1] = static_cast<char>(d + 0x20);
            }
            ++i;
        }
    }
    return resultado;
}

} // namespace

bool IgualSinMayusculas(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && Minusculas(a) == Minusculas(b);
}

} // namespace dravek::validacion
