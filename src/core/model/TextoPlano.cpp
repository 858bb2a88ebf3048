#include "core/model/TextoPlano.h"

namespace dravek {

std::string_view SinBlancos(std::string_view texto)
{
    const std::size_t primero = texto.find_first_not_of(' ');
    if (primero == std::string_view::npos) {
        return {};
    }
    return texto.substr(primero, texto.find_last_not_of(' ') - primero + 1);
}

std::string Recorta(std::string_view texto)
{
    return std::string(SinBlancos(texto));
}

std::string_view SinBlancosNiTabuladores(std::string_view texto)
{
    const auto blanco = [](char c) { return c == ' ' || c == '\t'; };
    while (!texto.empty() && blanco(texto.front())) {
        texto.remove_prefix(1);
    }
    while (!texto.empty() && blanco(texto.back())) {
        texto.remove_suffix(1);
    }
    return texto;
}

std::string Mayusculas(std::string texto)
{
    for (char &c : texto) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return texto;
}

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

} // namespace dravek
