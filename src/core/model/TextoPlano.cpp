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

} // namespace dravek
