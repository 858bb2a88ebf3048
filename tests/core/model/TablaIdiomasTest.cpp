// The text table as a whole, in its five languages: every text present in all of them, the
// blanks that fix a text's width kept, every language its own wording, one access letter per
// caption.

#include "IdiomasPrueba.h"
#include "core/model/Utf8.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Caracteres;
using pruebas::Celda;
using pruebas::Idioma;
using pruebas::Idiomas;
using pruebas::PrimerTexto;
using pruebas::Traducciones;
using pruebas::UltimoTexto;

std::string Id(const Idioma &idioma, std::int32_t n)
{
    return std::string(idioma.nombre) + ", text " + std::to_string(n);
}

// Spanish text n; nothing for a number that holds no text.
std::optional<std::string> Espanol(std::int32_t n)
{
    return Celda(Idiomas[0], n);
}

TEST(TablaIdiomas, CadaNumeroTieneTextoEnLosCincoIdiomasOEnNinguno)
{
    int conTexto = 0;
    for (std::int32_t n = PrimerTexto; n <= UltimoTexto; ++n) {
        std::vector<std::string> llenos;
        for (const Idioma &idioma : Idiomas) {
            if (Celda(idioma, n)) {
                llenos.push_back(idioma.nombre);
            }
        }
        if (llenos.size() == Idiomas.size()) {
            ++conTexto;
        }
        EXPECT_TRUE(llenos.empty() || llenos.size() == Idiomas.size())
            << "text " << n << " is in " << llenos.size() << " languages only";
    }
    // The inherited table alone holds more than 800 texts: a table that lost its languages
    // would pass the loop above with nothing in it.
    EXPECT_GT(conTexto, 800);
}

// A Spanish text that begins or ends with blanks is a label padded to the width of its place in
// a line (or a piece of a sentence joined to a value): its length is part of the layout, so
// every language keeps that length and keeps a blank at each end where the Spanish has one.
TEST(TablaIdiomas, LosBlancosDeLosExtremosFijanElLargo)
{
    int rellenos = 0;
    for (std::int32_t n = PrimerTexto; n <= UltimoTexto; ++n) {
        const std::optional<std::string> es = Espanol(n);
        if (!es || (es->front() != ' ' && es->back() != ' ')) {
            continue;
        }
        ++rellenos;
        for (const Idioma &idioma : Traducciones) {
            const std::optional<std::string> texto = Celda(idioma, n);
            ASSERT_TRUE(texto) << Id(idioma, n);
            SCOPED_TRACE(Id(idioma, n) + " \"" + *texto + "\", Spanish \"" + *es + "\"");
            EXPECT_EQ(Caracteres(*texto), Caracteres(*es));
            if (es->front() == ' ') {
                EXPECT_EQ(texto->front(), ' ');
            }
            if (es->back() == ' ') {
                EXPECT_EQ(texto->back(), ' ');
            }
        }
    }
    EXPECT_GT(rellenos, 100);
}

// --- Every language its own wording ---------------------------------------------------------

// A character of a word: ASCII letters, the Latin letters of the five languages (from U+00C0,
// without the multiplication and division signs) and the Catalan middle dot of "l·l". The
// ordinal and degree signs are symbols.
bool EsLetra(std::int32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == 0xB7 ||
           (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7);
}

// The words of a text, ASCII letters in lower case; the access letter's mark is no break.
std::vector<std::string> Palabras(const std::string &texto)
{
    std::vector<std::string> palabras;
    std::string palabra;
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t largo = LongitudCaracterUtf8(texto, i);
        if (texto[i] == '&') {
            ++i;
            continue;
        }
        if (EsLetra(CodigoCaracterUtf8(texto, i))) {
            for (std::size_t k = 0; k < largo; ++k) {
                const char c = texto[i + k];
                palabra.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
            }
        } else if (!palabra.empty()) {
            palabras.push_back(palabra);
            palabra.clear();
        }
        i += largo;
    }
    if (!palabra.empty()) {
        palabras.push_back(palabra);
    }
    return palabras;
}

// Units, symbols of the design printed in the listings, and names: the same in every language.
const std::set<std::string> &Simbolos()
{
    static const std::set<std::string> simbolos = {
        // units
        "at", "kp", "cm", "mm", "m", "t", "kn", "mpa", "s", "km",
        // pressures, the unit system, the sulphate-resisting cement, forces, strengths, radii
        // and ratios of the listings, the roughness coefficients of the hydraulic formulas
        "dp", "mdp", "pp", "stp", "mks", "sr", "n", "fck", "fct", "fyd", "e", "ri", "re", "as",
        "acr", "tot", "cr", "cwh", "diam",
        // the program and the authors of the hydraulic formulas
        "dravek", "prandtl", "colebrook", "hazen", "williams", "darcy", "weissbach"};
    return simbolos;
}

// Words each language spells exactly as Spanish does: a text made of these (and symbols) is a
// real translation that happens to read as the Spanish.
const std::set<std::string> &PalabrasComunes(const Idioma &idioma)
{
    static const std::vector<std::set<std::string>> comunes = {
        {},
        {"error", "final", "granular", "no", "total"},
        {"armadura", "calcular", "camisa", "carro", "de", "el", "error", "exterior", "final",
         "fórmula", "granular", "idioma", "imprimir", "inicial", "interior", "neta", "no",
         "normal", "número", "obra", "pantalla", "revestida", "solera", "sí", "tabular", "total",
         "transversal", "valor",
         // the unit system's name and symbol, "Sistema Internacional (SI)"
         "sistema", "internacional", "si",
         // "LE", the elastic limit ("límit elàstic")
         "le"},
        {"altura", "alturas", "armadura", "aviso", "calculado", "calcular", "camisa", "cancelar",
         "cargas", "casos", "caudal", "cliente", "coeficiente", "coeficientes", "cálculo", "de",
         "embebida", "espiras", "estimado", "exterior", "final", "fórmula", "granular",
         "hidráulico", "idioma", "imprimir", "incremento", "infinito", "inicial", "intenso",
         "interior", "metro", "máximo", "método", "mínimo", "natural", "normal", "número", "obra",
         "obras", "personalizar", "por", "recomendado", "revestida", "seg", "tabular", "terreno",
         "tipo", "total", "transversal", "tubo", "visualizar",
         // the unit system's name and symbol, "Sistema Internacional (SI)"
         "sistema", "internacional", "si",
         // "LE", the elastic limit ("limite elástico")
         "le"},
        // "LE", the elastic limit ("limite élastique")
        {"total", "le"},
    };
    return comunes[static_cast<std::size_t>(idioma.desplazamiento / 5000)];
}

// Headers of the debug file: the names of the program's variables, the same in every language.
const std::set<std::int32_t> CabecerasDepuracion = {547, 559, 560, 561, 562, 563, 564, 639, 640};

TEST(TablaIdiomas, CadaIdiomaTieneSuPropiaRedaccion)
{
    for (std::int32_t n = PrimerTexto; n <= UltimoTexto; ++n) {
        const std::optional<std::string> es = Espanol(n);
        // The file names 406 to 433 have their own check (TextoRecursoTest).
        if (!es || (n >= 406 && n <= 433) || CabecerasDepuracion.count(n) != 0) {
            continue;
        }
        for (const Idioma &idioma : Traducciones) {
            const std::optional<std::string> texto = Celda(idioma, n);
            if (!texto || *texto != *es) {
                continue;
            }
            for (const std::string &palabra : Palabras(*texto)) {
                EXPECT_TRUE(Simbolos().count(palabra) != 0 ||
                            PalabrasComunes(idioma).count(palabra) != 0)
                    << Id(idioma, n) << " is the Spanish \"" << *es << "\": \"" << palabra
                    << "\" is not translated";
            }
        }
    }
}

// --- Access letters -------------------------------------------------------------------------

std::size_t CuentaAmpersands(const std::string &texto)
{
    std::size_t n = 0;
    for (const char c : texto) {
        n += c == '&' ? 1 : 0;
    }
    return n;
}

// A caption marks its access letter with one "&" where the Spanish has one, in every
// language, and the mark stands before a letter or a digit; a text without a mark gets none.
TEST(TablaIdiomas, UnaLetraDeAccesoDondeElEspanolLaTiene)
{
    int rotulos = 0;
    for (std::int32_t n = PrimerTexto; n <= UltimoTexto; ++n) {
        const std::optional<std::string> es = Espanol(n);
        if (!es) {
            continue;
        }
        const std::size_t marcas = CuentaAmpersands(*es);
        ASSERT_LE(marcas, 1U) << "text " << n;
        rotulos += static_cast<int>(marcas);
        for (const Idioma &idioma : Traducciones) {
            const std::optional<std::string> texto = Celda(idioma, n);
            ASSERT_TRUE(texto) << Id(idioma, n);
            SCOPED_TRACE(Id(idioma, n) + " \"" + *texto + "\"");
            EXPECT_EQ(CuentaAmpersands(*texto), marcas);
            const std::size_t p = texto->find('&');
            if (marcas == 1 && p != std::string::npos) {
                ASSERT_LT(p + 1, texto->size());
                const std::int32_t letra = CodigoCaracterUtf8(*texto, p + 1);
                EXPECT_TRUE(EsLetra(letra) || (letra >= '0' && letra <= '9'));
            }
        }
    }
    EXPECT_GT(rotulos, 10);
}

} // namespace
} // namespace dravek
