#include "core/reinforced/AjustesGuardados.h"

#include <algorithm>
#include <cstddef>

namespace dravek {

namespace {

constexpr std::string_view ExtensionObra = ".dvk";
// Written in lower case whatever the case of the project's ending, as the program always
// named the file.
constexpr std::string_view ExtensionAjustes = ".dpe";

char Minuscula(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool TerminaEn(std::string_view texto, std::string_view final)
{
    if (texto.size() < final.size()) {
        return false;
    }
    const std::string_view cola = texto.substr(texto.size() - final.size());
    return std::equal(cola.begin(), cola.end(), final.begin(),
                      [](char a, char b) { return Minuscula(a) == Minuscula(b); });
}

} // namespace

std::string DerivaNombreFicheroAjustes(std::string_view NombreFicheroObra)
{
    // Project files may come from either system: both separators end a folder.
    const std::size_t separador = NombreFicheroObra.find_last_of("/\\");
    const std::string_view fichero = separador == std::string_view::npos
                                         ? NombreFicheroObra
                                         : NombreFicheroObra.substr(separador + 1);
    if (fichero.find_first_not_of(' ') == std::string_view::npos) {
        return {};
    }
    std::string nombre(NombreFicheroObra);
    if (TerminaEn(fichero, ExtensionObra)) {
        nombre.resize(nombre.size() - ExtensionObra.size());
    }
    nombre += ExtensionAjustes;
    return nombre;
}

} // namespace dravek
