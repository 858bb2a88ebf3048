#pragma once

// Comparison of a listing in another language with the Spanish one, line by line: the same
// number of lines, each on the same page, and on every line the same numbers in the same
// columns. A translated label of another length than the Spanish one would move the values
// after it; a translated message that wraps differently would add a line.

#include "IdiomasPrueba.h"
#include "core/model/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace dravek::pruebas {

// A line of a listing: on the screen (page 0) or printed on a page.
struct Renglon {
    int pagina = 0;
    std::string texto;
};

// The lines of a screen text.
inline std::vector<Renglon> RenglonesPantalla(std::string_view texto)
{
    std::vector<Renglon> renglones;
    for (std::size_t fin = texto.find('\n'); fin != std::string_view::npos;
         fin = texto.find('\n')) {
        renglones.push_back({0, std::string(texto.substr(0, fin))});
        texto.remove_prefix(fin + 1);
    }
    renglones.push_back({0, std::string(texto)});
    return renglones;
}

// Every text of a language, to look for the labels among them.
inline std::vector<std::string> TextosDelIdioma(const Idioma &idioma)
{
    std::vector<std::string> textos;
    for (std::int32_t n = PrimerTexto; n <= UltimoTexto; ++n) {
        if (const std::optional<std::string> texto = Celda(idioma, n)) {
            textos.push_back(*texto);
        }
    }
    return textos;
}

inline bool EsLetra(std::int32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0;
}

inline bool EsDigito(std::int32_t c)
{
    return c >= '0' && c <= '9';
}

// A number of a line: a run of digits (with a sign right before it and decimal separators
// between digits) that is not part of a word ("cm2", "SO4" hold none), and the column, counted
// in characters, where it starts.
struct Numero {
    std::size_t columna = 0;
    std::size_t inicio = 0; // bytes
    std::size_t fin = 0;    // bytes, past its last digit
    std::string texto;

    bool operator==(const Numero &otro) const
    {
        return columna == otro.columna && texto == otro.texto;
    }
};

inline std::vector<Numero> Numeros(const std::string &linea)
{
    std::vector<std::size_t> bytes; // start of each character
    std::vector<std::int32_t> c;
    for (std::size_t i = 0; i < linea.size(); i += LongitudCaracterUtf8(linea, i)) {
        bytes.push_back(i);
        c.push_back(CodigoCaracterUtf8(linea, i));
    }
    bytes.push_back(linea.size());
    std::vector<Numero> numeros;
    for (std::size_t k = 0; k < c.size();) {
        if (!EsDigito(c[k]) || (k > 0 && (EsLetra(c[k - 1]) || EsDigito(c[k - 1])))) {
            ++k;
            continue;
        }
        std::size_t desde = k > 0 && c[k - 1] == '-' ? k - 1 : k;
        std::size_t hasta = k;
        while (hasta < c.size() &&
               (EsDigito(c[hasta]) || ((c[hasta] == '.' || c[hasta] == ',') &&
                                       hasta + 1 < c.size() && EsDigito(c[hasta + 1])))) {
            ++hasta;
        }
        numeros.push_back({desde, bytes[desde], bytes[hasta],
                           linea.substr(bytes[desde], bytes[hasta] - bytes[desde])});
        k = hasta;
    }
    return numeros;
}

// A label that carries numbers of its own ("Eje de 13 t", "STP + 1 M TIERRAS", "Cohesivo,
// Arena Arcillosa (0,150)"): they move with the wording and are part of the label, not of the
// layout. Whatever follows the label still has to stand where it does in Spanish, so the label
// keeps its width. A label is found in a line by its start up to its last number (at least one
// letter included), then as far as the line goes on matching it, so a label the listing cuts is
// found too.
struct Rotulo {
    std::string texto;
    std::size_t minimo = 0; // bytes
};

// The labels among the texts given: those that hold a number of their own.
inline std::vector<Rotulo> RotulosConNumeros(const std::vector<std::string> &textos)
{
    std::vector<Rotulo> rotulos;
    for (std::string texto : textos) {
        texto.erase(0, texto.find_first_not_of(' '));
        texto.erase(texto.find_last_not_of(' ') + 1);
        const std::vector<Numero> numeros = Numeros(texto);
        if (numeros.empty()) {
            continue;
        }
        std::size_t minimo = numeros.back().fin;
        const auto conLetra = [&] {
            for (std::size_t i = 0; i < minimo; i += LongitudCaracterUtf8(texto, i)) {
                if (EsLetra(CodigoCaracterUtf8(texto, i))) {
                    return true;
                }
            }
            return false;
        };
        while (!conLetra() && minimo < texto.size()) {
            minimo += LongitudCaracterUtf8(texto, minimo);
        }
        if (conLetra()) {
            rotulos.push_back({texto, minimo});
        }
    }
    return rotulos;
}

// The numbers of a line, each marked when it lies inside a label of its own.
struct NumeroEnLinea {
    Numero numero;
    bool deRotulo = false;
};

inline std::vector<NumeroEnLinea> NumerosDeLinea(const std::string &linea,
                                                 const std::vector<Rotulo> &rotulos)
{
    std::vector<bool> tapado(linea.size(), false);
    for (const Rotulo &r : rotulos) {
        const std::string_view inicio(r.texto.data(), r.minimo);
        for (std::size_t p = linea.find(inicio); p != std::string::npos;
             p = linea.find(inicio, p + 1)) {
            std::size_t largo = r.minimo;
            while (largo < r.texto.size() && p + largo < linea.size() &&
                   linea[p + largo] == r.texto[largo]) {
                ++largo;
            }
            std::fill(tapado.begin() + static_cast<std::ptrdiff_t>(p),
                      tapado.begin() + static_cast<std::ptrdiff_t>(p + largo), true);
        }
    }
    std::vector<NumeroEnLinea> numeros;
    for (const Numero &n : Numeros(linea)) {
        numeros.push_back({n, tapado[n.inicio]});
    }
    return numeros;
}

// The numbers the layout places on a Spanish line and on the same line in another language.
// The k-th occurrence of a number on one line goes with the k-th occurrence of the same number
// on the other; a pair is left out when either is inside a label (a label's wording may happen
// to hold the value that follows it, as "Em betão 120 graus" before a 120º angle), and a number
// with no partner must lie inside a label.
struct Colocados {
    std::vector<Numero> espanol;
    std::vector<Numero> otro;
};

inline Colocados NumerosColocados(const std::vector<NumeroEnLinea> &espanol,
                                  const std::vector<NumeroEnLinea> &otro)
{
    Colocados colocados;
    std::vector<bool> emparejado(otro.size(), false);
    for (const NumeroEnLinea &e : espanol) {
        std::size_t k = 0;
        while (k < otro.size() && (emparejado[k] || otro[k].numero.texto != e.numero.texto)) {
            ++k;
        }
        if (k == otro.size()) {
            if (!e.deRotulo) {
                colocados.espanol.push_back(e.numero);
            }
            continue;
        }
        emparejado[k] = true;
        if (!e.deRotulo && !otro[k].deRotulo) {
            colocados.espanol.push_back(e.numero);
            colocados.otro.push_back(otro[k].numero);
        }
    }
    for (std::size_t k = 0; k < otro.size(); ++k) {
        if (!emparejado[k] && !otro[k].deRotulo) {
            colocados.otro.push_back(otro[k].numero);
        }
    }
    return colocados;
}

inline std::string Columnas(const std::vector<Numero> &numeros)
{
    std::string s;
    for (const Numero &n : numeros) {
        s += " " + n.texto + "@" + std::to_string(n.columna);
    }
    return s;
}

// The listing in another language laid out as the Spanish one; rotulos are the labels with
// numbers of their own in each language. One failure is reported per kind of line moved.
inline void EsperaMismaDisposicion(const std::vector<Renglon> &espanol,
                                   const std::vector<Rotulo> &rotulosEspanol,
                                   const std::vector<Renglon> &otro,
                                   const std::vector<Rotulo> &rotulos, const Idioma &idioma)
{
    EXPECT_EQ(otro.size(), espanol.size()) << "lines";
    int diferentes = 0;
    std::set<std::string> vistas; // lines reported, their digits aside
    const std::size_t lineas = std::min(otro.size(), espanol.size());
    for (std::size_t i = 0; i < lineas; ++i) {
        const Renglon &es = espanol[i];
        const Renglon &r = otro[i];
        EXPECT_EQ(r.texto.find("Falta Recurso"), std::string::npos) << r.texto;
        const Colocados colocados = NumerosColocados(NumerosDeLinea(es.texto, rotulosEspanol),
                                                     NumerosDeLinea(r.texto, rotulos));
        if (r.pagina == es.pagina && colocados.otro == colocados.espanol) {
            continue;
        }
        ++diferentes;
        std::string forma = es.texto;
        std::replace_if(
            forma.begin(), forma.end(), [](char c) { return c >= '0' && c <= '9'; }, '#');
        if (vistas.insert(forma).second && vistas.size() <= 12) {
            ADD_FAILURE() << "line " << i + 1 << ", page " << r.pagina << " (" << es.pagina
                          << " in Spanish)\n  Spanish: |" << es.texto << "|\n          "
                          << Columnas(colocados.espanol) << "\n  " << idioma.nombre << ": |"
                          << r.texto << "|\n          " << Columnas(colocados.otro);
        }
    }
    EXPECT_EQ(diferentes, 0) << "lines laid out otherwise than in Spanish";
}

} // namespace dravek::pruebas
