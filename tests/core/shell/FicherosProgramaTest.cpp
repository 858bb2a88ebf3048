// The per-language files installed beside the program (texts 406 to 432 of the table): each one
// the table names is in data/, readable as its format, and the pictures are what their script
// draws.

#include "apoyo/CarpetaPrueba.h"
#include "core/engine/DatosTramoListado.h"
#include "core/model/TextoRecurso.h"
#include "core/plataforma/Impresora.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace dravek {
namespace {

namespace fs = std::filesystem;

constexpr int Idiomas = 5;
constexpr std::int32_t SaltoIdioma = 5000;
const std::string Falta = "Falta Recurso ";

struct FicheroPrograma {
    std::int32_t n = 0;
    int idioma = 0;
    std::string nombre;
};

std::string Descripcion(const FicheroPrograma &f)
{
    return "\"" + f.nombre + "\" (text " + std::to_string(f.n) + ", language " +
           std::to_string(f.idioma) + ")";
}

// Every file name that texts 406 to 432 hold, in every language.
std::vector<FicheroPrograma> FicherosDeLaTabla()
{
    std::vector<FicheroPrograma> ficheros;
    for (std::int32_t n = 406; n <= 432; ++n) {
        for (int idioma = 1; idioma <= Idiomas; ++idioma) {
            std::string nombre = TextoRecurso((idioma - 1) * SaltoIdioma + n);
            if (nombre.rfind(Falta, 0) != 0) {
                ficheros.push_back({n, idioma, std::move(nombre)});
            }
        }
    }
    return ficheros;
}

bool EsFigura(std::int32_t n)
{
    return n == 406 || (n >= 412 && n <= 420) || (n >= 430 && n <= 432);
}

bool EsTextoEnriquecido(std::int32_t n)
{
    return n >= 407 && n <= 411;
}

std::string Minusculas(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string Extension(const std::string &nombre)
{
    return Minusculas(fs::path(nombre).extension().string());
}

std::string LeeFichero(const fs::path &ruta)
{
    std::ifstream entrada(ruta, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

fs::path Datos(const std::string &nombre)
{
    return fs::path(DRAVEK_DATOS_PROGRAMA) / nombre;
}

// --- BMP -----------------------------------------------------------------------------------

struct Bmp {
    std::string error; // empty when the file is a sound uncompressed Windows bitmap
    std::int32_t ancho = 0;
    std::int32_t alto = 0;
    std::int32_t puntosPorMetroX = 0;
    std::int32_t puntosPorMetroY = 0;
};

std::uint32_t Lee32(const std::string &b, std::size_t i)
{
    std::uint32_t v = 0;
    for (std::size_t k = 4; k-- > 0;) {
        v = (v << 8) | static_cast<unsigned char>(b[i + k]);
    }
    return v;
}

std::uint16_t Lee16(const std::string &b, std::size_t i)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[i]) |
                                      (static_cast<unsigned char>(b[i + 1]) << 8));
}

// The file header and a BITMAPINFOHEADER, uncompressed, with a pixel array that the file holds
// whole: what every reader of the format accepts.
Bmp LeeBmp(const std::string &b)
{
    Bmp r;
    constexpr std::size_t Cabeceras = 14 + 40;
    if (b.size() < Cabeceras || b.compare(0, 2, "BM") != 0) {
        r.error = "no BMP signature";
        return r;
    }
    const std::uint32_t tamano = Lee32(b, 2);
    const std::uint32_t inicioPixeles = Lee32(b, 10);
    const std::uint32_t cabecera = Lee32(b, 14);
    r.ancho = static_cast<std::int32_t>(Lee32(b, 18));
    r.alto = static_cast<std::int32_t>(Lee32(b, 22));
    const std::uint16_t planos = Lee16(b, 26);
    const std::uint16_t bits = Lee16(b, 28);
    const std::uint32_t compresion = Lee32(b, 30);
    r.puntosPorMetroX = static_cast<std::int32_t>(Lee32(b, 38));
    r.puntosPorMetroY = static_cast<std::int32_t>(Lee32(b, 42));
    const std::uint32_t coloresUsados = Lee32(b, 46);
    if (tamano != b.size()) {
        r.error = "header size " + std::to_string(tamano) + ", file " + std::to_string(b.size());
    } else if (cabecera != 40) {
        r.error = "info header of " + std::to_string(cabecera) + " bytes";
    } else if (r.ancho < 1 || r.ancho > 2000 || r.alto < 1 || r.alto > 2000) {
        r.error = "size " + std::to_string(r.ancho) + " x " + std::to_string(r.alto);
    } else if (planos != 1 || (bits != 8 && bits != 24) || compresion != 0) {
        r.error = "planes " + std::to_string(planos) + ", bits " + std::to_string(bits) +
                  ", compression " + std::to_string(compresion);
    } else if (r.puntosPorMetroX <= 0 || r.puntosPorMetroY <= 0) {
        r.error = "no resolution";
    } else {
        const std::uint64_t colores = bits == 8 ? (coloresUsados == 0 ? 256 : coloresUsados) : 0;
        const std::uint64_t fila = (static_cast<std::uint64_t>(r.ancho) * bits + 31) / 32 * 4;
        if (colores > 256 || inicioPixeles < Cabeceras + 4 * colores) {
            r.error = "palette of " + std::to_string(colores) + " colours does not fit";
        } else if (inicioPixeles + fila * static_cast<std::uint64_t>(r.alto) > b.size()) {
            r.error = "pixel array runs past the end of the file";
        }
    }
    return r;
}

double AnchoMilimetros(const Bmp &bmp)
{
    return bmp.ancho * 1000.0 / bmp.puntosPorMetroX;
}

// --- RTF -----------------------------------------------------------------------------------

struct Rtf {
    std::string error; // empty when the file keeps to the subset the program reads
    std::string texto; // the text it shows, UTF-8
};

void AnadeUtf8(std::string &s, std::uint32_t c)
{
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The subset: the font and colour tables, paragraphs, bold, italic, underline, font size and
// colour, tabs, escaped characters and \uN with one fallback character.
const std::set<std::string> PalabrasPermitidas = {
    "rtf",      "ansi",     "ansicpg", "deff",  "uc",   "fonttbl", "f",   "fswiss",
    "fcharset", "colortbl", "red",     "green", "blue", "pard",    "par", "b",
    "i",        "ul",       "ulnone",  "fs",    "cf",   "tab",     "u"};

Rtf LeeRtf(const std::string &b)
{
    Rtf r;
    if (b.rfind("{\\rtf1", 0) != 0) {
        r.error = "does not start with {\\rtf1";
        return r;
    }
    // One entry per open group: whether its text is a table (fonts, colours), not shown.
    std::vector<bool> grupos;
    std::size_t i = 0;
    while (i < b.size()) {
        const char c = b[i];
        if (static_cast<unsigned char>(c) >= 0x80) {
            r.error = "byte above 127 at " + std::to_string(i) + ": RTF is 7-bit";
            return r;
        }
        if (grupos.empty() && i > 0) {
            if (!std::isspace(static_cast<unsigned char>(c))) {
                r.error = "text after the document's closing brace at " + std::to_string(i);
                return r;
            }
            ++i;
            continue;
        }
        const bool oculto = !grupos.empty() && grupos.back();
        if (c == '{') {
            grupos.push_back(oculto);
            ++i;
        } else if (c == '}') {
            grupos.pop_back();
            ++i;
        } else if (c == '\\') {
            if (i + 1 >= b.size()) {
                r.error = "backslash at the end";
                return r;
            }
            const char s = b[i + 1];
            if (std::isalpha(static_cast<unsigned char>(s))) {
                std::size_t j = i + 1;
                while (j < b.size() && std::isalpha(static_cast<unsigned char>(b[j]))) {
                    ++j;
                }
                const std::string palabra = b.substr(i + 1, j - i - 1);
                const std::size_t inicioNumero = j;
                if (j < b.size() && b[j] == '-') {
                    ++j;
                }
                while (j < b.size() && std::isdigit(static_cast<unsigned char>(b[j]))) {
                    ++j;
                }
                const std::string numero = b.substr(inicioNumero, j - inicioNumero);
                if (j < b.size() && b[j] == ' ') {
                    ++j;
                }
                if (PalabrasPermitidas.count(palabra) == 0) {
                    r.error = "control word \\" + palabra + " is outside the subset";
                    return r;
                }
                if (palabra == "fonttbl" || palabra == "colortbl") {
                    grupos.back() = true;
                } else if (palabra == "uc" && numero != "1") {
                    r.error = "\\uc" + numero + ": one fallback character is read";
                    return r;
                } else if (palabra == "u") {
                    const long valor =
                        numero.empty() || numero == "-" ? 100000 : std::stol(numero);
                    if (valor < -32768 || valor > 32767 || j >= b.size() || b[j] == '\\' ||
                        b[j] == '{' || b[j] == '}') {
                        r.error = "\\u" + numero + " without a value and a fallback character";
                        return r;
                    }
                    const auto codigo =
                        static_cast<std::uint32_t>(valor < 0 ? valor + 65536 : valor);
                    if (codigo < 0x20 || (codigo >= 0xD800 && codigo <= 0xDFFF)) {
                        r.error = "\\u" + numero + " is not a character";
                        return r;
                    }
                    if (!oculto) {
                        AnadeUtf8(r.texto, codigo);
                    }
                    ++j;
                } else if (!oculto && palabra == "par") {
                    r.texto += '\n';
                } else if (!oculto && palabra == "tab") {
                    r.texto += '\t';
                }
                i = j;
            } else if (s == '\\' || s == '{' || s == '}') {
                if (!oculto) {
                    r.texto += s;
                }
                i += 2;
            } else if (s == '\'' && i + 3 < b.size() &&
                       std::isxdigit(static_cast<unsigned char>(b[i + 2])) &&
                       std::isxdigit(static_cast<unsigned char>(b[i + 3]))) {
                if (!oculto) {
                    AnadeUtf8(r.texto, static_cast<std::uint32_t>(
                                           std::stoul(b.substr(i + 2, 2), nullptr, 16)));
                }
                i += 4;
            } else {
                r.error = std::string("control symbol \\") + s + " is outside the subset";
                return r;
            }
        } else {
            if (!oculto && c != '\r' && c != '\n') {
                r.texto += c;
            }
            ++i;
        }
    }
    if (!grupos.empty()) {
        r.error = std::to_string(grupos.size()) + " group(s) left open";
    }
    return r;
}

// --- Tests ---------------------------------------------------------------------------------

TEST(FicherosPrograma, LaTablaNombraUnFicheroPorIdiomaDeCadaFiguraYNota)
{
    const std::vector<FicheroPrograma> ficheros = FicherosDeLaTabla();
    for (std::int32_t n = 406; n <= 432; ++n) {
        SCOPED_TRACE("text " + std::to_string(n));
        const auto idiomas = std::count_if(ficheros.begin(), ficheros.end(),
                                           [n](const FicheroPrograma &f) { return f.n == n; });
        // Texts 421 to 429 are old picture names that nothing reads.
        EXPECT_EQ(idiomas, n >= 421 && n <= 429 ? 0 : Idiomas);
    }
    for (const FicheroPrograma &f : ficheros) {
        SCOPED_TRACE(Descripcion(f));
        EXPECT_EQ(Extension(f.nombre), EsFigura(f.n) ? ".bmp" : ".rtf");
    }
}

TEST(FicherosPrograma, CadaFicheroQueNombraLaTablaEstaEnDatosYSeLeeEnSuFormato)
{
    for (const FicheroPrograma &f : FicherosDeLaTabla()) {
        SCOPED_TRACE(Descripcion(f));
        ASSERT_TRUE(fs::is_regular_file(Datos(f.nombre)));
        const std::string contenido = LeeFichero(Datos(f.nombre));
        if (EsFigura(f.n)) {
            EXPECT_EQ(LeeBmp(contenido).error, "");
        } else {
            ASSERT_TRUE(EsTextoEnriquecido(f.n));
            const Rtf rtf = LeeRtf(contenido);
            EXPECT_EQ(rtf.error, "");
            EXPECT_GT(rtf.texto.size(), 200u);
        }
    }
}

// A picture carries words (the labels of its parts, the logo's subtitle): each language names a
// file of its own, the Spanish name with that language's tag, and that file is in data/ and is
// not another language's drawing. A language that named the Spanish file would show Spanish
// labels in its window and printed listing.
TEST(FicherosPrograma, CadaIdiomaNombraSuPropiaFiguraEnDatos)
{
    const std::vector<std::string> etiquetas = {"", "ing", "cat", "por", "fra"};
    for (std::int32_t n = 406; n <= 432; ++n) {
        if (!EsFigura(n)) {
            continue;
        }
        const fs::path espanol(TextoRecurso(n));
        const std::string raiz = Minusculas(espanol.stem().string());
        std::vector<std::string> contenidos;
        for (int idioma = 1; idioma <= Idiomas; ++idioma) {
            const std::string nombre = TextoRecurso((idioma - 1) * SaltoIdioma + n);
            SCOPED_TRACE("\"" + nombre + "\" (text " + std::to_string(n) + ", language " +
                         std::to_string(idioma) + ")");
            if (idioma > 1) {
                const std::string etiqueta = etiquetas[static_cast<std::size_t>(idioma - 1)];
                const std::string propio = Minusculas(fs::path(nombre).stem().string());
                EXPECT_TRUE(propio == raiz + etiqueta || propio == raiz + "_" + etiqueta)
                    << "not the Spanish name \"" << espanol.string() << "\" with the tag "
                    << etiqueta;
                EXPECT_EQ(Extension(nombre), Extension(espanol.string()));
            }
            ASSERT_TRUE(fs::is_regular_file(Datos(nombre)));
            const std::string contenido = LeeFichero(Datos(nombre));
            for (std::size_t otro = 0; otro < contenidos.size(); ++otro) {
                EXPECT_FALSE(contenido == contenidos[otro])
                    << "the same drawing as language " << otro + 1;
            }
            contenidos.push_back(contenido);
        }
    }
}

TEST(FicherosPrograma, LasFigurasDelListadoCabenEnSuSitioDeLaPagina)
{
    const double anchoImprimible = AnchoHoja - 2.0 * MargenImpresora;
    for (const FicheroPrograma &f : FicherosDeLaTabla()) {
        double anchoMaximo = 0;
        if (f.n >= 412 && f.n <= 417) {
            anchoMaximo = anchoImprimible - XFiguraColocacion;
        } else if (f.n >= 418 && f.n <= 420) {
            anchoMaximo = anchoImprimible - XFiguraTubo;
        } else if (f.n >= 430 && f.n <= 432) {
            // The cradle stands left of the installation picture, on the same line.
            anchoMaximo = XFiguraColocacion - XFiguraCuna;
        } else {
            continue;
        }
        SCOPED_TRACE(Descripcion(f));
        const Bmp bmp = LeeBmp(LeeFichero(Datos(f.nombre)));
        ASSERT_EQ(bmp.error, "");
        EXPECT_LE(AnchoMilimetros(bmp), anchoMaximo);
    }
}

TEST(FicherosPrograma, CadaNotaDiceLoSuyoEnCadaIdioma)
{
    // Words that each note holds in every language.
    const std::vector<std::pair<std::int32_t, std::vector<std::string>>> claves = {
        {407, {"DRAVEK", "Eduardo Torroja", "4"}},
        {408, {"LUR#GM", "LUR#ES", "LUR#PM", "MPa", "kp/cm"}},
        {409, {"Marston", ".dpe", "90", "120"}},
        {410, {"pH", "CO2", "NH4", "Mg2+", "SO4", "mV"}},
        {411, {".dpe"}}};
    for (const auto &[n, palabras] : claves) {
        std::set<std::string> textos;
        for (int idioma = 1; idioma <= Idiomas; ++idioma) {
            const std::string nombre = TextoRecurso((idioma - 1) * SaltoIdioma + n);
            SCOPED_TRACE(nombre);
            const Rtf rtf = LeeRtf(LeeFichero(Datos(nombre)));
            ASSERT_EQ(rtf.error, "");
            for (const std::string &palabra : palabras) {
                EXPECT_NE(rtf.texto.find(palabra), std::string::npos) << palabra;
            }
            textos.insert(rtf.texto);
        }
        // Each language has its own wording, not a copy of another's.
        EXPECT_EQ(textos.size(), static_cast<std::size_t>(Idiomas)) << "text " << n;
    }
}

TEST(FicherosPrograma, ElLectorDeRtfRechazaLoQueElProgramaNoLee)
{
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"{\\rtf1 Hola}", ""},
        {"{\\rtf1\\uc1 Ni\\u241?o \\{x\\}\\par}", ""},
        {"{\\rtf1 Hola", "1 group(s) left open"},
        {"{\\rtf1 Hola}}", "text after the document's closing brace at 12"},
        {"{\\rtf Hola}", "does not start with {\\rtf1"},
        {"{\\rtf1 {\\pict 0101}}", "control word \\pict is outside the subset"},
        {"{\\rtf1 Ni\xC3\xB1o}", "byte above 127 at 9: RTF is 7-bit"},
        {"{\\rtf1 \\u241}", "\\u241 without a value and a fallback character"},
        {"{\\rtf1\\uc2 x}", "\\uc2: one fallback character is read"}};
    for (const auto &[rtf, error] : casos) {
        SCOPED_TRACE(rtf);
        EXPECT_EQ(LeeRtf(rtf).error, error);
    }
    EXPECT_EQ(LeeRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}\\uc1 Ni\\u241?o\\tab x\\par}").texto,
              "Ni\xC3\xB1o\tx\n");
}

#ifdef DRAVEK_CARPETA_PROGRAMA
TEST(FicherosPrograma, LaConstruccionLosCopiaJuntoAlPrograma)
{
    for (const FicheroPrograma &f : FicherosDeLaTabla()) {
        SCOPED_TRACE(Descripcion(f));
        const fs::path copia = fs::path(DRAVEK_CARPETA_PROGRAMA) / f.nombre;
        ASSERT_TRUE(fs::is_regular_file(copia));
        EXPECT_TRUE(LeeFichero(copia) == LeeFichero(Datos(f.nombre)));
    }
}
#endif

TEST(FigurasDelPrograma, ElGuionLasReproduceByteAByte)
{
    // The script makes its output folder itself.
    const fs::path carpeta = pruebas::CarpetaPrueba("dravek_figuras_reproducidas") / "figuras";
    const std::string orden = std::string("\"") + DRAVEK_PYTHON + "\" \"" + DRAVEK_RAIZ +
                              "/tools/figuras/figuras.py\" --tabla \"" + DRAVEK_RAIZ +
                              "/src/core/model/textos.tsv\" --salida \"" + carpeta.string() + "\"";
    ASSERT_EQ(std::system(orden.c_str()), 0)
        << orden
        << "\nThe pictures' script needs Debian's python3-pil and fonts-liberation2 "
           "(scripts/comun.sh installs them).";

    std::set<std::string> esperadas;
    for (const FicheroPrograma &f : FicherosDeLaTabla()) {
        if (EsFigura(f.n)) {
            esperadas.insert(f.nombre);
        }
    }
    // The desktop's icon, at each size its theme asks for, beside them.
    esperadas.insert("iconos");
    const std::set<std::string> iconos = {"dravek-48.png", "dravek-128.png", "dravek-256.png"};
    for (const std::string &icono : iconos) {
        esperadas.insert("iconos/" + icono);
    }
    std::set<std::string> dibujadas;
    for (const fs::directory_entry &entrada : fs::recursive_directory_iterator(carpeta)) {
        dibujadas.insert(entrada.path().lexically_relative(carpeta).generic_string());
    }
    EXPECT_EQ(dibujadas, esperadas);
    esperadas.erase("iconos");
    for (const std::string &nombre : esperadas) {
        SCOPED_TRACE(nombre);
        EXPECT_TRUE(LeeFichero(carpeta / nombre) == LeeFichero(Datos(nombre)))
            << "data/" << nombre << " is not what tools/figuras/figuras.py draws: run it again "
            << "and commit the pictures";
    }
    fs::remove_all(carpeta);
}

// The icon theme files an icon by its size: each must be square at the size its name gives, in
// a colour type with transparency (RGBA), or the desktop shows it stretched or on a white box.
TEST(FigurasDelPrograma, CadaIconoTieneElTamanoDeSuNombre)
{
    const auto entero = [](const std::string &b, std::size_t en) {
        std::uint32_t v = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            v = (v << 8) | static_cast<unsigned char>(b[en + i]);
        }
        return v;
    };
    for (const std::uint32_t lado : {48U, 128U, 256U}) {
        SCOPED_TRACE(lado);
        const std::string png =
            LeeFichero(Datos("iconos/dravek-" + std::to_string(lado) + ".png"));
        ASSERT_GT(png.size(), 26U);
        EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
        EXPECT_EQ(png.substr(12, 4), "IHDR");
        EXPECT_EQ(entero(png, 16), lado);
        EXPECT_EQ(entero(png, 20), lado);
        EXPECT_EQ(static_cast<unsigned char>(png[25]), 6U); // colour type: RGBA
    }
}

} // namespace
} // namespace dravek
