// Every text number the program's sources name has a text in every language: an empty cell
// shows "Falta Recurso n" on screen. The numbers are read from the sources themselves, so that
// a text added to the code is checked without being listed here.

#include "IdiomasPrueba.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Celda;
using pruebas::Idioma;
using pruebas::Idiomas;
using pruebas::PrimerTexto;
using pruebas::UltimoTexto;

// The source without its comments, which may quote text numbers that nothing looks up.
std::string SinComentarios(const std::string &fuente)
{
    static const std::regex linea(R"(//[^\n]*)");
    static const std::regex bloque(R"(/\*[\s\S]*?\*/)");
    return std::regex_replace(std::regex_replace(fuente, bloque, " "), linea, "");
}

// The ways the sources name a text: a literal given to a lookup (T(780), Texto(d, 780),
// TextoRecurso(DesplazamientoIdioma + 780), the first of a run of texts T(406 + i)), a named text
// constant (constexpr std::int32_t TxPendiente = 780;), and a row of a table that gives a control
// or a menu item its text ({"edFck", 993}, {&menu, 151}). Numbers outside the table's range belong
// to other lookups of the same name (fields of a record) and are left out.
std::set<std::int32_t> NumerosNombrados(const std::string &fuente)
{
    static const std::vector<std::regex> formas = {
        std::regex(R"(\b(?:T|Texto|TextoRecurso)\((?:[^();{}]*?,\s*)?(?:[\w.]+\s*\+\s*)?(\d+))"
                   R"((?:\s*\+\s*\w+)?\s*\))"),
        std::regex(R"(constexpr\s+std::int32_t\s+(?:Tx|Texto)\w*\s*=\s*(\d+)\s*;)"),
        std::regex(R"(\{\s*(?:"[^"\n]*"|&?[\w.>\[\]-]+)\s*,\s*(\d+)\s*\})"),
    };
    std::set<std::int32_t> numeros;
    const std::string codigo = SinComentarios(fuente);
    for (const std::regex &forma : formas) {
        for (auto it = std::sregex_iterator(codigo.begin(), codigo.end(), forma);
             it != std::sregex_iterator(); ++it) {
            const std::int32_t n = std::stoi((*it)[1].str());
            if (n >= PrimerTexto && n <= UltimoTexto) {
                numeros.insert(n);
            }
        }
    }
    return numeros;
}

TEST(TextosNombrados, LasFormasDeNombrarUnTextoSeReconocen)
{
    struct Caso {
        const char *fuente;
        std::set<std::int32_t> numeros;
    };
    const std::vector<Caso> casos = {
        {"e.Papel(T(780) + Blancos(2));", {780}},
        {"const std::string s = Texto(m_estado.ejecucion.DesplazamientoIdioma, 705);", {705}},
        {"return TextoRecurso(DesplazamientoIdioma + 1200);", {1200}},
        {"for (int i = 0; i < 3; ++i) { e.Papel(T(v, 406 + i)); }", {406}},
        {"constexpr std::int32_t TxPendiente = 780;", {780}},
        {"constexpr std::int32_t TextoAvisoIlegible = 1705;", {1705}},
        {"    {\"edFck\", 993},\n    {\"edFckn\", 1008},", {993, 1008}},
        {"{&mnuArchivo, 151}, {2, 155}", {151, 155}},
        // Other numbers are no text: values, counts, a field of a record, a commented number.
        {"if (FCK <= 500) { return GradoCreciente(mg, 300, 1500, 3000); }", {}},
        {"constexpr int PasadasColebrook = 200;", {}},
        {"const double a = T(5) + T(8);", {}},
        {"// the tooltip is text 993, T(993)\n/* T(1008) */", {}},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.fuente);
        EXPECT_EQ(NumerosNombrados(caso.fuente), caso.numeros);
    }
}

std::string Lee(const std::filesystem::path &ruta)
{
    std::ifstream entrada(ruta, std::ios::binary);
    std::ostringstream contenido;
    contenido << entrada.rdbuf();
    return contenido.str();
}

TEST(TextosNombrados, CadaTextoQueElProgramaNombraTieneTextoEnCadaIdioma)
{
    // Text number -> the source files that name it.
    std::map<std::int32_t, std::set<std::string>> nombrados;
    const std::filesystem::path raiz = DRAVEK_FUENTES;
    for (const auto &entrada : std::filesystem::recursive_directory_iterator(raiz)) {
        const std::string extension = entrada.path().extension().string();
        if (!entrada.is_regular_file() || (extension != ".cpp" && extension != ".h")) {
            continue;
        }
        for (const std::int32_t n : NumerosNombrados(Lee(entrada.path()))) {
            nombrados[n].insert(entrada.path().lexically_relative(raiz).generic_string());
        }
    }
    // The program names several hundred texts, among them a table's (the tooltip of edFck), a
    // lookup's (the notice's fallback) and a constant's (a hydraulic column head): a scan that
    // lost one of its forms, or the sources, would pass the loop below with nothing checked.
    EXPECT_GT(nombrados.size(), 600U);
    for (const std::int32_t n : {993, 705, 780}) {
        EXPECT_EQ(nombrados.count(n), 1U) << "text " << n << " is not found in the sources";
    }

    for (const auto &[n, ficheros] : nombrados) {
        std::string donde;
        for (const std::string &fichero : ficheros) {
            donde += (donde.empty() ? "" : ", ") + fichero;
        }
        for (const Idioma &idioma : Idiomas) {
            EXPECT_TRUE(Celda(idioma, n).has_value())
                << idioma.nombre << " text " << n << " (named in " << donde << ") is empty";
        }
    }
}

} // namespace
} // namespace dravek
