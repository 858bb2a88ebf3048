// The help of each language (text 433 of the table, plus ".html"): present in data/, well formed
// enough for the help window, every internal link lands on an anchor of the same file, and every
// language has the same sections as the Spanish help.

#include "core/model/TextoRecurso.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace dravek {
namespace {

namespace fs = std::filesystem;

constexpr int Idiomas = 5;
constexpr std::int32_t SaltoIdioma = 5000;
constexpr std::int32_t TextoFicheroAyuda = 433;

std::string LeeFichero(const fs::path &ruta)
{
    std::ifstream entrada(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

std::string NombreAyuda(int idioma)
{
    return TextoRecurso((idioma - 1) * SaltoIdioma + TextoFicheroAyuda) + ".html";
}

std::string Minusculas(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// One tag of the file: its lower-case name, whether it closes, and its attributes.
struct Etiqueta {
    std::string nombre;
    bool cierre = false;
    std::map<std::string, std::string> atributos;
};

// What the checks need of a help file: its tags in order, or the first fault in reading them.
struct Documento {
    std::vector<Etiqueta> etiquetas;
    std::string fallo;
};

// Reads attributes name="value" (double quotes only: the help is written that way, and a value
// without quotes would hide a fault from the link checks).
std::map<std::string, std::string> LeeAtributos(const std::string &dentro, std::string &fallo)
{
    std::map<std::string, std::string> atributos;
    std::size_t i = 0;
    while (i < dentro.size()) {
        while (i < dentro.size() && std::isspace(static_cast<unsigned char>(dentro[i])) != 0) {
            ++i;
        }
        if (i >= dentro.size() || dentro[i] == '/') {
            break;
        }
        std::size_t fin = i;
        while (fin < dentro.size() && dentro[fin] != '=' &&
               std::isspace(static_cast<unsigned char>(dentro[fin])) == 0) {
            ++fin;
        }
        const std::string nombre = Minusculas(dentro.substr(i, fin - i));
        if (fin < dentro.size() && dentro[fin] == '=') {
            if (fin + 1 >= dentro.size() || dentro[fin + 1] != '"') {
                fallo = "attribute " + nombre + " without double quotes";
                return atributos;
            }
            const std::size_t cierra = dentro.find('"', fin + 2);
            if (cierra == std::string::npos) {
                fallo = "unterminated attribute " + nombre;
                return atributos;
            }
            atributos[nombre] = dentro.substr(fin + 2, cierra - fin - 2);
            i = cierra + 1;
        } else {
            atributos[nombre] = "";
            i = fin;
        }
    }
    return atributos;
}

Documento LeeHtml(const std::string &html)
{
    Documento doc;
    std::size_t i = 0;
    while ((i = html.find('<', i)) != std::string::npos) {
        if (html.compare(i, 4, "<!--") == 0) {
            const std::size_t fin = html.find("-->", i);
            if (fin == std::string::npos) {
                doc.fallo = "unterminated comment";
                return doc;
            }
            i = fin + 3;
            continue;
        }
        const std::size_t fin = html.find('>', i);
        if (fin == std::string::npos) {
            doc.fallo = "unterminated tag";
            return doc;
        }
        std::string dentro = html.substr(i + 1, fin - i - 1);
        i = fin + 1;
        if (!dentro.empty() && dentro[0] == '!') {
            continue; // the document type
        }
        Etiqueta e;
        if (!dentro.empty() && dentro[0] == '/') {
            e.cierre = true;
            dentro.erase(0, 1);
        }
        std::size_t n = 0;
        while (n < dentro.size() && std::isalnum(static_cast<unsigned char>(dentro[n])) != 0) {
            ++n;
        }
        if (n == 0) {
            doc.fallo = "a \"<\" that opens no tag (write &lt;)";
            return doc;
        }
        e.nombre = Minusculas(dentro.substr(0, n));
        e.atributos = LeeAtributos(dentro.substr(n), doc.fallo);
        if (!doc.fallo.empty()) {
            return doc;
        }
        doc.etiquetas.push_back(std::move(e));
    }
    return doc;
}

// Tags that must open and close in nesting order; the others (p, li, td, br, meta...) HTML 4
// lets the help window close by itself.
bool SeEquilibra(const std::string &nombre)
{
    const std::set<std::string> equilibradas = {"html", "head", "title", "body",  "h1",
                                                "h2",   "h3",   "h4",    "table", "tr",
                                                "ul",   "ol",   "a",     "b",     "i"};
    return equilibradas.count(nombre) != 0;
}

// The first nesting fault of the balanced tags, or empty.
std::string FalloDeAnidamiento(const Documento &doc)
{
    std::vector<std::string> abiertas;
    for (const Etiqueta &e : doc.etiquetas) {
        if (!SeEquilibra(e.nombre)) {
            continue;
        }
        if (!e.cierre) {
            const bool esTitulo = e.nombre.size() == 2 && e.nombre[0] == 'h';
            if (esTitulo && std::any_of(abiertas.begin(), abiertas.end(), [](const auto &a) {
                    return a.size() == 2 && a[0] == 'h';
                })) {
                return "<" + e.nombre + "> inside another heading";
            }
            abiertas.push_back(e.nombre);
        } else if (abiertas.empty() || abiertas.back() != e.nombre) {
            return "</" + e.nombre + "> closes " +
                   (abiertas.empty() ? std::string("nothing") : "<" + abiertas.back() + ">");
        } else {
            abiertas.pop_back();
        }
    }
    return abiertas.empty() ? std::string() : "<" + abiertas.back() + "> never closed";
}

std::set<std::string> Anclas(const Documento &doc)
{
    std::set<std::string> anclas;
    for (const Etiqueta &e : doc.etiquetas) {
        for (const char *atributo : {"id", "name"}) {
            const auto it = e.atributos.find(atributo);
            if (!e.cierre && it != e.atributos.end() && (e.nombre == "a" || *atributo == 'i')) {
                anclas.insert(it->second);
            }
        }
    }
    return anclas;
}

std::vector<std::string> EnlacesInternos(const Documento &doc)
{
    std::vector<std::string> enlaces;
    for (const Etiqueta &e : doc.etiquetas) {
        const auto it = e.atributos.find("href");
        if (!e.cierre && e.nombre == "a" && it != e.atributos.end() && !it->second.empty() &&
            it->second[0] == '#') {
            enlaces.push_back(it->second.substr(1));
        }
    }
    return enlaces;
}

bool Tiene(const Documento &doc, const std::string &nombre)
{
    return std::any_of(doc.etiquetas.begin(), doc.etiquetas.end(),
                       [&](const Etiqueta &e) { return !e.cierre && e.nombre == nombre; });
}

TEST(AyudaDelPrograma, ElLectorVeLosFallosQueRomperianLaAyuda)
{
    struct Caso {
        const char *html;
        const char *fallo;
    };
    const Caso casos[] = {
        {"<html><body><h2>a</h2></body></html>", ""},
        {"<html><body><h2>a</h3></body></html>", "</h3> closes <h2>"},
        {"<html><body><h2>a<h3>b</h3></h2></body></html>", "<h3> inside another heading"},
        {"<html><body><h2>a</body></html>", "</body> closes <h2>"},
        {"<html><body><p>a<p>b</body></html>", ""},
        {"<html><body><table><tr><td>a</table></body></html>", "</table> closes <tr>"},
        {"<html><body>", "<body> never closed"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.html);
        const Documento doc = LeeHtml(c.html);
        ASSERT_EQ(doc.fallo, "");
        EXPECT_EQ(FalloDeAnidamiento(doc), c.fallo);
    }
    EXPECT_EQ(LeeHtml("<a href=#x>").fallo, "attribute href without double quotes");
    EXPECT_EQ(LeeHtml("a < b <p>").fallo, "a \"<\" that opens no tag (write &lt;)");

    const Documento doc =
        LeeHtml("<h2><a name=\"uno\"></a>x</h2><p id=\"dos\"><a href=\"#tres\">y</a>"
                "<a href=\"http://x\">z</a><span name=\"cuatro\"></span>");
    EXPECT_EQ(Anclas(doc), (std::set<std::string>{"uno", "dos"}));
    EXPECT_EQ(EnlacesInternos(doc), std::vector<std::string>{"tres"});
}

TEST(AyudaDelPrograma, CadaIdiomaTieneSuAyudaBienFormadaConEnlacesQueLlegan)
{
    std::set<std::string> anclasEspanol;
    for (int idioma = 1; idioma <= Idiomas; ++idioma) {
        const std::string nombre = NombreAyuda(idioma);
        SCOPED_TRACE(nombre);
        const fs::path ruta = fs::path(DRAVEK_DATOS_PROGRAMA) / nombre;
        ASSERT_TRUE(fs::is_regular_file(ruta));
        const std::string html = LeeFichero(ruta);

        const Documento doc = LeeHtml(html);
        ASSERT_EQ(doc.fallo, "");
        EXPECT_TRUE(Tiene(doc, "html"));
        EXPECT_TRUE(Tiene(doc, "body"));
        EXPECT_TRUE(Tiene(doc, "h1"));
        EXPECT_EQ(FalloDeAnidamiento(doc), "");
        // What the help window cannot show: scripts, style sheets, frames.
        for (const char *prohibida : {"script", "link", "style", "iframe", "frame"}) {
            EXPECT_FALSE(Tiene(doc, prohibida)) << prohibida;
        }

        const std::set<std::string> anclas = Anclas(doc);
        const std::vector<std::string> enlaces = EnlacesInternos(doc);
        EXPECT_GE(anclas.size(), 15U) << "a section per window";
        for (const std::string &enlace : enlaces) {
            EXPECT_EQ(anclas.count(enlace), 1U) << "#" << enlace;
        }
        // Every section can be reached from the table of contents or another section.
        const std::set<std::string> enlazadas(enlaces.begin(), enlaces.end());
        for (const std::string &ancla : anclas) {
            EXPECT_EQ(enlazadas.count(ancla), 1U) << "no link to #" << ancla;
        }

        if (idioma == 1) {
            anclasEspanol = anclas;
        } else {
            EXPECT_EQ(anclas, anclasEspanol);
        }
        // The help is for the program: it names the default-data files it ships as samples.
        for (const char *fichero : {"LUR#GM", "LUR#ES", "LUR#PM"}) {
            EXPECT_NE(html.find(fichero), std::string::npos) << fichero;
        }
    }
}

#ifdef DRAVEK_CARPETA_PROGRAMA
TEST(AyudaDelPrograma, LaConstruccionLaCopiaJuntoAlPrograma)
{
    for (int idioma = 1; idioma <= Idiomas; ++idioma) {
        const std::string nombre = NombreAyuda(idioma);
        SCOPED_TRACE(nombre);
        const fs::path copia = fs::path(DRAVEK_CARPETA_PROGRAMA) / nombre;
        ASSERT_TRUE(fs::is_regular_file(copia));
        EXPECT_TRUE(LeeFichero(copia) == LeeFichero(fs::path(DRAVEK_DATOS_PROGRAMA) / nombre));
    }
}
#endif

} // namespace
} // namespace dravek
