#pragma once

// Small text helpers for writing expected listing lines by hand: blanks and rules counted out,
// numbers typed in their column, texts split into lines and searched. They are the tests' own,
// apart from the listing's formatters, so an expected line never depends on the code it checks.

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace dravek::pruebas {

// n blanks.
inline std::string B(int n)
{
    return std::string(static_cast<std::size_t>(n), ' ');
}

// A rule of n hyphens.
inline std::string Guiones(int n)
{
    return std::string(static_cast<std::size_t>(n), '-');
}

// A number typed by hand, right-aligned in its column.
inline std::string R(const std::string &numero, int ancho)
{
    return B(ancho - static_cast<int>(numero.size())) + numero;
}

// A UTF-8 text padded with blanks to a width counted in characters ("RIÑONES" is 7 wide): every
// byte but the continuation bytes (10xxxxxx) starts a character.
inline std::string Fijo(const std::string &texto, std::size_t ancho)
{
    const auto caracteres =
        static_cast<std::size_t>(std::count_if(texto.begin(), texto.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
        }));
    return caracteres < ancho ? texto + std::string(ancho - caracteres, ' ') : texto;
}

// The lines of a screen text; a text that ends in a line end has an empty last line.
inline std::vector<std::string> Lineas(const std::string &texto)
{
    std::vector<std::string> lineas;
    std::size_t inicio = 0;
    for (std::size_t fin = texto.find('\n'); fin != std::string::npos;
         fin = texto.find('\n', inicio)) {
        lineas.push_back(texto.substr(inicio, fin - inicio));
        inicio = fin + 1;
    }
    lineas.push_back(texto.substr(inicio));
    return lineas;
}

// Occurrences of a text, overlapping ones included.
inline std::size_t Cuenta(const std::string &texto, const std::string &buscado)
{
    std::size_t n = 0;
    for (std::size_t i = texto.find(buscado); i != std::string::npos;
         i = texto.find(buscado, i + 1)) {
        ++n;
    }
    return n;
}

inline std::size_t Cuenta(const std::vector<std::string> &lineas, const std::string &buscado)
{
    std::size_t n = 0;
    for (const std::string &l : lineas) {
        n += Cuenta(l, buscado);
    }
    return n;
}

// The last n lines, or all of them when there are fewer.
inline std::vector<std::string> Cola(const std::vector<std::string> &lineas, std::size_t n)
{
    const std::size_t desde = lineas.size() > n ? lineas.size() - n : 0;
    return {lineas.begin() + static_cast<std::ptrdiff_t>(desde), lineas.end()};
}

// Appends the lines b to a.
inline void Anade(std::vector<std::string> &a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
}

} // namespace dravek::pruebas
