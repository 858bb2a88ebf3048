#include "tools/LectorTextos.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <set>

namespace dravek::herramientas {

namespace {

std::vector<std::string_view> PartePorTabuladores(std::string_view linea)
{
    std::vector<std::string_view> campos;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t tab = linea.find('\t', inicio);
        if (tab == std::string_view::npos) {
            campos.push_back(linea.substr(inicio));
            return campos;
        }
        campos.push_back(linea.substr(inicio, tab - inicio));
        inicio = tab + 1;
    }
}

// Strict: the whole field is decimal digits, no sign and no blanks.
std::optional<int> LeeNumero(std::string_view campo)
{
    if (campo.empty() || campo.size() > 6) {
        return std::nullopt;
    }
    int valor = 0;
    const char *fin = campo.data() + campo.size();
    const auto [resto, ec] = std::from_chars(campo.data(), fin, valor);
    if (ec != std::errc{} || resto != fin || campo.front() == '-' || campo.front() == '+') {
        return std::nullopt;
    }
    return valor;
}

// Well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate, nothing above
// U+10FFFF.
bool EsUtf8(std::string_view texto)
{
    std::size_t i = 0;
    while (i < texto.size()) {
        const auto b = static_cast<unsigned char>(texto[i]);
        std::size_t continuacion = 0;
        unsigned char minimo = 0x80;
        unsigned char maximo = 0xBF;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            continuacion = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            continuacion = 2;
            minimo = b == 0xE0 ? 0xA0 : 0x80;
            maximo = b == 0xED ? 0x9F : 0xBF;
        } else if (b >= 0xF0 && b <= 0xF4) {
            continuacion = 3;
            minimo = b == 0xF0 ? 0x90 : 0x80;
            maximo = b == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + continuacion >= texto.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= continuacion; ++k) {
            const auto c = static_cast<unsigned char>(texto[i + k]);
            const unsigned char bajo = k == 1 ? minimo : 0x80;
            const unsigned char alto = k == 1 ? maximo : 0xBF;
            if (c < bajo || c > alto) {
                return false;
            }
        }
        i += continuacion + 1;
    }
    return true;
}

std::string Error(std::size_t linea, const std::string &mensaje)
{
    return "line " + std::to_string(linea) + ": " + mensaje;
}

} // namespace

std::optional<std::string> DesescapaCelda(std::string_view celda)
{
    std::string texto;
    texto.reserve(celda.size());
    for (std::size_t i = 0; i < celda.size(); ++i) {
        if (celda[i] != '\\') {
            texto.push_back(celda[i]);
            continue;
        }
        if (i + 1 == celda.size()) {
            return std::nullopt;
        }
        switch (celda[++i]) {
        case 'n':
            texto.push_back('\n');
            break;
        case 't':
            texto.push_back('\t');
            break;
        case '\\':
            texto.push_back('\\');
            break;
        default:
            return std::nullopt;
        }
    }
    return texto;
}

LecturaTextos LeeTablaTextos(std::istream &entrada, int primero, int ultimoObligatorio, int ultimo)
{
    LecturaTextos lectura;
    std::set<int> vistos;
    std::string linea;
    std::size_t numeroLinea = 0;
    while (std::getline(entrada, linea)) {
        ++numeroLinea;
        // A checkout with Windows line ends must not add a carriage return to the last column.
        if (!linea.empty() && linea.back() == '\r') {
            linea.pop_back();
        }
        if (!linea.empty() && linea.front() == '#') {
            continue;
        }
        const std::vector<std::string_view> campos = PartePorTabuladores(linea);
        if (campos.size() != NumeroIdiomas + 1) {
            lectura.error = Error(numeroLinea, std::to_string(campos.size()) +
                                                   " columns, expected the text number and " +
                                                   std::to_string(NumeroIdiomas) + " languages");
            return lectura;
        }
        const std::optional<int> numero = LeeNumero(campos[0]);
        if (!numero) {
            lectura.error = Error(numeroLinea, "text number \"" + std::string(campos[0]) +
                                                   "\" is not a whole number");
            return lectura;
        }
        if (*numero < primero || *numero > ultimo) {
            lectura.error =
                Error(numeroLinea, "text number " + std::to_string(*numero) + " outside " +
                                       std::to_string(primero) + ".." + std::to_string(ultimo));
            return lectura;
        }
        if (!vistos.insert(*numero).second) {
            lectura.error =
                Error(numeroLinea, "text number " + std::to_string(*numero) + " appears twice");
            return lectura;
        }
        for (int idioma = 1; idioma <= NumeroIdiomas; ++idioma) {
            const std::optional<std::string> texto =
                DesescapaCelda(campos[static_cast<std::size_t>(idioma)]);
            if (!texto) {
                lectura.error = Error(numeroLinea,
                                      "language " + std::to_string(idioma) +
                                          ": unknown escape (only \\n, \\t and \\\\ are allowed)");
                return lectura;
            }
            if (!EsUtf8(*texto)) {
                lectura.error =
                    Error(numeroLinea, "language " + std::to_string(idioma) + ": not UTF-8");
                return lectura;
            }
            if (!texto->empty()) {
                lectura.entradas.push_back({(idioma - 1) * SaltoIdioma + *numero, *texto});
            }
        }
    }
    for (int n = primero; n <= ultimoObligatorio; ++n) {
        if (vistos.count(n) == 0) {
            lectura.error = "text number " + std::to_string(n) + " has no row";
            return lectura;
        }
    }
    if (lectura.entradas.empty()) {
        lectura.error = "the table holds no text at all";
        return lectura;
    }
    std::sort(lectura.entradas.begin(), lectura.entradas.end(),
              [](const EntradaGenerada &a, const EntradaGenerada &b) { return a.id < b.id; });
    return lectura;
}

std::string EscribeTablaCpp(const std::vector<EntradaGenerada> &entradas)
{
    std::string fuente =
        "// Generated by dravek_genera_textos from textos.tsv: edit that file, not this one.\n"
        "#include \"core/model/TablaTextos.h\"\n"
        "\n"
        "#include <algorithm>\n"
        "#include <array>\n"
        "#include <cstddef>\n"
        "#include <iterator>\n"
        "\n"
        "namespace dravek {\n"
        "\n"
        "namespace {\n"
        "\n"
        "constexpr EntradaTablaTextos kEntradas[] = {\n";
    for (const EntradaGenerada &entrada : entradas) {
        fuente += "    {" + std::to_string(entrada.id) + ", \"";
        for (const char c : entrada.texto) {
            const auto b = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                fuente += '\\';
                fuente += c;
            } else if (b >= 0x20 && b < 0x7F && c != '?') {
                fuente += c;
            } else {
                // Octal escapes take at most three digits, so a following digit stays itself;
                // '?' is escaped too so that no trigraph can form.
                const char octal[] = {'\\', static_cast<char>('0' + ((b >> 6) & 7)),
                                      static_cast<char>('0' + ((b >> 3) & 7)),
                                      static_cast<char>('0' + (b & 7))};
                fuente.append(octal, sizeof octal);
            }
        }
        fuente += "\"},\n";
    }
    fuente +=
        "};\n"
        "\n"
        "static_assert(std::is_sorted(std::begin(kEntradas), std::end(kEntradas),\n"
        "                             [](const EntradaTablaTextos &a, const "
        "EntradaTablaTextos &b) {\n"
        "                                 return a.id < b.id;\n"
        "                             }));\n"
        "\n"
        "// Every id from the first to the last of the table, with the position of its entry "
        "plus\n"
        "// one (0: no entry), worked out by the compiler: a lookup is one read, not a search.\n"
        "constexpr std::int32_t kPrimerId = std::begin(kEntradas)->id;\n"
        "constexpr std::size_t kIdsCubiertos =\n"
        "    static_cast<std::size_t>(std::rbegin(kEntradas)->id - kPrimerId) + 1;\n"
        "static_assert(std::size(kEntradas) < 0xFFFF);\n"
        "\n"
        "constexpr auto kIndice = [] {\n"
        "    std::array<std::uint16_t, kIdsCubiertos> indice{};\n"
        "    for (std::size_t i = 0; i < std::size(kEntradas); ++i) {\n"
        "        indice[static_cast<std::size_t>(kEntradas[i].id - kPrimerId)] =\n"
        "            static_cast<std::uint16_t>(i + 1);\n"
        "    }\n"
        "    return indice;\n"
        "}();\n"
        "\n"
        "} // namespace\n"
        "\n"
        "std::span<const EntradaTablaTextos> TablaTextos()\n"
        "{\n"
        "    return kEntradas;\n"
        "}\n"
        "\n"
        "std::optional<std::string_view> TextoDeLaTabla(std::int32_t id)\n"
        "{\n"
        "    if (id < kPrimerId || static_cast<std::size_t>(id - kPrimerId) >= kIdsCubiertos) {\n"
        "        return std::nullopt;\n"
        "    }\n"
        "    const std::uint16_t posicion = kIndice[static_cast<std::size_t>(id - kPrimerId)];\n"
        "    if (posicion == 0) {\n"
        "        return std::nullopt;\n"
        "    }\n"
        "    return kEntradas[posicion - 1].texto;\n"
        "}\n"
        "\n"
        "} // namespace dravek\n";
    return fuente;
}

} // namespace dravek::herramientas
