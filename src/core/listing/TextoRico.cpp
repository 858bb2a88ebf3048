#include "core/listing/TextoRico.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <fstream>
#include <iterator>
#include <limits>

namespace dravek {

namespace {

// A notice is a few kilobytes; anything this large is not one of ours and is not read.
constexpr std::size_t BytesMaximosTextoRico = 16u * 1024u * 1024u;

constexpr std::int32_t CaracterSustituto = 0xFFFD;
constexpr std::int32_t EspacioDuro = 0x00A0;
constexpr std::int32_t GuionDuro = 0x2011;
constexpr std::int32_t LargoMaximoParametro = 10; // digits of a control word's parameter
// Font sizes are half-points in a 16-bit field.
constexpr std::int32_t MediosPuntosMaximos = 3276;

// Destinations that hold no text to show. A group that starts with one of these, or with
// "\*", is read only to find where it ends.
constexpr std::string_view DestinosOcultos[] = {
    "fonttbl",
    "filetbl",
    "stylesheet",
    "listtable",
    "listoverridetable",
    "revtbl",
    "rsidtbl",
    "info",
    "title",
    "subject",
    "author",
    "operator",
    "keywords",
    "comment",
    "doccomm",
    "creatim",
    "revtim",
    "printim",
    "buptim",
    "generator",
    "pict",
    "object",
    "objdata",
    "header",
    "headerl",
    "headerr",
    "headerf",
    "footer",
    "footerl",
    "footerr",
    "footerf",
    "footnote",
    "annotation",
    "xmlnstbl",
    "themedata",
    "colorschememapping",
    "datastore",
    "latentstyles",
    "fldinst",
    "pgdsctbl",
};

// Characters that Windows-1252 puts where Latin-1 has control codes (0x80-0x9F); 0 where the
// code page has none.
constexpr std::array<std::int32_t, 32> Windows1252Altos = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::int32_t DeWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const std::int32_t codigo = Windows1252Altos[static_cast<std::size_t>(byte - 0x80)];
        return codigo != 0 ? codigo : CaracterSustituto;
    }
    return byte;
}

std::string Utf8(std::int32_t codigo)
{
    auto c = static_cast<std::uint32_t>(codigo);
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = CaracterSustituto;
    }
    std::string s;
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        s.push_back(static_cast<char>(0xE0 | (c >> 12)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xF0 | (c >> 18)));
        s.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return s;
}

bool EsLetra(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool EsCifra(char c)
{
    return c >= '0' && c <= '9';
}

int ValorHexadecimal(char c)
{
    if (EsCifra(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// What a group inherits from the group around it and gives back when it closes.
struct EstadoGrupo {
    AtributosTexto atributos;
    int uc = 1;                // characters of the plain fallback after each \u
    bool oculto = false;       // inside a destination whose text is not shown
    bool tablaColores = false; // inside the colour table
};

class LectorRtf {
public:
    explicit LectorRtf(std::string_view rtf) : m_rtf(rtf) {}

    std::optional<DocumentoRico> Lee()
    {
        const std::size_t inicio = m_rtf.find_first_not_of(" \t\r\n");
        if (inicio == std::string_view::npos || m_rtf.substr(inicio, 5) != "{\\rtf") {
            return std::nullopt;
        }
        m_pos = inicio;
        bool cerrado = false;
        while (!cerrado && !m_truncado && m_pos < m_rtf.size()) {
            const char c = m_rtf[m_pos++];
            switch (c) {
            case '{':
                AbreGrupo();
                break;
            case '}':
                cerrado = CierraGrupo();
                break;
            case '\\':
                Control();
                break;
            case '\r':
            case '\n':
                break;
            default:
                m_inicioGrupo = false;
                Caracter(DeWindows1252(static_cast<unsigned char>(c)));
                break;
            }
        }
        if (!cerrado || m_truncado) {
            return std::nullopt;
        }
        if (!m_parrafo.tramos.empty()) {
            m_documento.parrafos.push_back(std::move(m_parrafo));
        }
        return std::move(m_documento);
    }

private:
    void AbreGrupo()
    {
        m_pila.push_back(m_estado);
        m_inicioGrupo = true;
        m_saltar = 0;
    }

    // True when the outer group, the whole document, has closed.
    bool CierraGrupo()
    {
        m_saltar = 0;
        m_inicioGrupo = false;
        if (m_pila.empty()) {
            return true;
        }
        m_estado = m_pila.back();
        m_pila.pop_back();
        return m_pila.empty();
    }

    // After a backslash.
    void Control()
    {
        if (m_pos >= m_rtf.size()) {
            m_truncado = true;
            return;
        }
        const char c = m_rtf[m_pos];
        if (EsLetra(c)) {
            PalabraControl();
            return;
        }
        ++m_pos;
        m_inicioGrupo = false;
        switch (c) {
        case '\'': {
            if (m_pos + 2 > m_rtf.size()) {
                m_truncado = true;
                return;
            }
            const int alto = ValorHexadecimal(m_rtf[m_pos]);
            const int bajo = ValorHexadecimal(m_rtf[m_pos + 1]);
            m_pos += 2;
            if (alto >= 0 && bajo >= 0) {
                Caracter(DeWindows1252(static_cast<unsigned char>(alto * 16 + bajo)));
            }
            return;
        }
        case '{':
        case '}':
        case '\\':
            Caracter(static_cast<unsigned char>(c));
            return;
        case '~':
            Caracter(EspacioDuro);
            return;
        case '_':
            Caracter(GuionDuro);
            return;
        case '*':
            m_estado.oculto = true;
            return;
        case '\r':
        case '\n':
            if (!Saltado()) {
                FinParrafo();
            }
            return;
        default:
            // The optional hyphen and any other symbol: nothing to show, but it still counts
            // as one character of a fallback being passed over.
            Saltado();
            return;
        }
    }

    void PalabraControl()
    {
        const std::size_t inicio = m_pos;
        while (m_pos < m_rtf.size() && EsLetra(m_rtf[m_pos])) {
            ++m_pos;
        }
        const std::string_view palabra = m_rtf.substr(inicio, m_pos - inicio);
        bool hayParametro = false;
        bool negativo = false;
        std::int64_t parametro = 0;
        if (m_pos + 1 < m_rtf.size() && m_rtf[m_pos] == '-' && EsCifra(m_rtf[m_pos + 1])) {
            negativo = true;
            ++m_pos;
        }
        for (int cifras = 0; m_pos < m_rtf.size() && EsCifra(m_rtf[m_pos]); ++cifras) {
            // Digits beyond a 32-bit parameter are read and dropped: the word ends after them.
            if (cifras < LargoMaximoParametro) {
                parametro = parametro * 10 + (m_rtf[m_pos] - '0');
            }
            hayParametro = true;
            ++m_pos;
        }
        if (m_pos < m_rtf.size() && m_rtf[m_pos] == ' ') {
            ++m_pos;
        }
        parametro = std::clamp<std::int64_t>(negativo ? -parametro : parametro,
                                             std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::int32_t>::max());
        const bool inicioGrupo = m_inicioGrupo;
        m_inicioGrupo = false;
        if (Saltado()) {
            return;
        }
        if (inicioGrupo && std::find(std::begin(DestinosOcultos), std::end(DestinosOcultos),
                                     palabra) != std::end(DestinosOcultos)) {
            m_estado.oculto = true;
        }
        Aplica(palabra, hayParametro, static_cast<std::int32_t>(parametro));
    }

    void Aplica(std::string_view palabra, bool hayParametro, std::int32_t p)
    {
        AtributosTexto &a = m_estado.atributos;
        const bool activa = !hayParametro || p != 0;
        if (palabra == "par" || palabra == "sect" || palabra == "page" || palabra == "row") {
            if (!m_estado.oculto) {
                FinParrafo();
            }
        } else if (palabra == "line") {
            Muestra('\n');
        } else if (palabra == "tab" || palabra == "cell") {
            Muestra('\t');
        } else if (palabra == "plain") {
            a = AtributosTexto{};
        } else if (palabra == "b") {
            a.negrita = activa;
        } else if (palabra == "i") {
            a.cursiva = activa;
        } else if (palabra == "ul") {
            a.subrayado = activa;
        } else if (palabra == "ulnone") {
            a.subrayado = false;
        } else if (palabra == "uld" || palabra == "uldb" || palabra == "ulw" ||
                   palabra == "uldash" || palabra == "ulth" || palabra == "ulwave") {
            a.subrayado = true;
        } else if (palabra == "fs") {
            if (hayParametro && p > 0 && p <= MediosPuntosMaximos) {
                a.puntos = p / 2.0;
            }
        } else if (palabra == "cf") {
            a.color = hayParametro && p >= 0 && static_cast<std::size_t>(p) < m_colores.size()
                          ? m_colores[static_cast<std::size_t>(p)]
                          : ColorPredeterminado;
        } else if (palabra == "colortbl") {
            m_estado.tablaColores = true;
            m_estado.oculto = true;
            m_componentes = {};
            m_colorDefinido = false;
        } else if (palabra == "red" || palabra == "green" || palabra == "blue") {
            if (m_estado.tablaColores) {
                const int i = palabra == "red" ? 0 : palabra == "green" ? 1 : 2;
                m_componentes[static_cast<std::size_t>(i)] = std::clamp(p, 0, 255);
                m_colorDefinido = true;
            }
        } else if (palabra == "uc") {
            if (hayParametro && p >= 0 && p <= LargoMaximoParametro) {
                m_estado.uc = p;
            }
        } else if (palabra == "u") {
            if (hayParametro) {
                Unicode(p);
            }
        } else if (palabra == "bin") {
            const auto bytes = static_cast<std::size_t>(std::max(p, 0));
            if (bytes > m_rtf.size() - m_pos) {
                m_truncado = true;
            } else {
                m_pos += bytes;
            }
        } else if (palabra == "emdash") {
            Muestra(0x2014);
        } else if (palabra == "endash") {
            Muestra(0x2013);
        } else if (palabra == "bullet") {
            Muestra(0x2022);
        } else if (palabra == "lquote") {
            Muestra(0x2018);
        } else if (palabra == "rquote") {
            Muestra(0x2019);
        } else if (palabra == "ldblquote") {
            Muestra(0x201C);
        } else if (palabra == "rdblquote") {
            Muestra(0x201D);
        } else if (palabra == "emspace" || palabra == "enspace" || palabra == "qmspace") {
            Muestra(' ');
        }
        // Any other word (paragraph layout, fonts, languages, unknown ones) changes nothing
        // that is shown.
    }

    // \uN: a 16-bit code, negative above 32767; a pair of surrogates makes one character. The
    // plain fallback that follows is passed over.
    void Unicode(std::int32_t n)
    {
        std::int32_t codigo = n < 0 ? n + 65536 : n;
        if (codigo < 0 || codigo > 0xFFFF) {
            codigo = CaracterSustituto;
        }
        if (codigo >= 0xD800 && codigo <= 0xDBFF) {
            if (m_sustitutoAlto != 0) {
                Muestra(CaracterSustituto);
            }
            m_sustitutoAlto = codigo;
        } else if (codigo >= 0xDC00 && codigo <= 0xDFFF) {
            const std::int32_t alto = m_sustitutoAlto;
            m_sustitutoAlto = 0;
            Muestra(alto != 0 ? 0x10000 + ((alto - 0xD800) << 10) + (codigo - 0xDC00)
                              : CaracterSustituto);
        } else {
            Muestra(codigo);
        }
        m_saltar = m_estado.uc;
    }

    // True when the item just read is part of a fallback being passed over.
    bool Saltado()
    {
        if (m_saltar > 0) {
            --m_saltar;
            return true;
        }
        return false;
    }

    // A character of the text (a byte, an escaped byte or symbol).
    void Caracter(std::int32_t codigo)
    {
        if (Saltado()) {
            return;
        }
        if (m_estado.tablaColores && codigo == ';') {
            const std::int32_t color =
                m_colorDefinido
                    ? (m_componentes[0] << 16) | (m_componentes[1] << 8) | m_componentes[2]
                    : ColorPredeterminado;
            m_colores.push_back(color);
            m_componentes = {};
            m_colorDefinido = false;
            return;
        }
        Muestra(codigo);
    }

    void Muestra(std::int32_t codigo)
    {
        if (m_estado.oculto) {
            return;
        }
        if (m_sustitutoAlto != 0) {
            m_sustitutoAlto = 0;
            Anade(Utf8(CaracterSustituto));
        }
        Anade(Utf8(codigo));
    }

    void Anade(const std::string &texto)
    {
        std::vector<TramoTexto> &tramos = m_parrafo.tramos;
        if (!tramos.empty() && tramos.back().atributos == m_estado.atributos) {
            tramos.back().texto += texto;
        } else {
            tramos.push_back({texto, m_estado.atributos});
        }
    }

    void FinParrafo()
    {
        m_documento.parrafos.push_back(std::move(m_parrafo));
        m_parrafo = {};
    }

    std::string_view m_rtf;
    std::size_t m_pos = 0;
    bool m_truncado = false;
    std::vector<EstadoGrupo> m_pila;
    EstadoGrupo m_estado;
    bool m_inicioGrupo = false;
    int m_saltar = 0;
    std::int32_t m_sustitutoAlto = 0;
    std::vector<std::int32_t> m_colores;
    std::array<std::int32_t, 3> m_componentes{};
    bool m_colorDefinido = false;
    DocumentoRico m_documento;
    ParrafoTexto m_parrafo;
};

} // namespace

std::string DocumentoRico::TextoPlano() const
{
    std::string texto;
    for (std::size_t i = 0; i < parrafos.size(); ++i) {
        if (i > 0) {
            texto += '\n';
        }
        for (const TramoTexto &tramo : parrafos[i].tramos) {
            texto += tramo.texto;
        }
    }
    return texto;
}

DocumentoRico DocumentoRico::DeTextoPlano(const std::string &texto)
{
    DocumentoRico documento;
    if (texto.empty()) {
        return documento;
    }
    std::size_t inicio = 0;
    while (true) {
        const std::size_t fin = texto.find('\n', inicio);
        const std::string linea =
            texto.substr(inicio, fin == std::string::npos ? fin : fin - inicio);
        ParrafoTexto parrafo;
        if (!linea.empty()) {
            parrafo.tramos.push_back({linea, {}});
        }
        documento.parrafos.push_back(std::move(parrafo));
        if (fin == std::string::npos) {
            break;
        }
        inicio = fin + 1;
    }
    return documento;
}

std::optional<DocumentoRico> LeeTextoRico(std::string_view rtf)
{
    return LectorRtf(rtf).Lee();
}

std::optional<DocumentoRico> LeeFicheroTextoRico(const std::string &ruta)
{
    std::ifstream fichero(ruta, std::ios::binary);
    if (!fichero) {
        return std::nullopt;
    }
    std::string contenido;
    char bloque[4096];
    while (fichero.read(bloque, sizeof bloque) || fichero.gcount() > 0) {
        contenido.append(bloque, static_cast<std::size_t>(fichero.gcount()));
        if (contenido.size() > BytesMaximosTextoRico) {
            return std::nullopt;
        }
    }
    if (fichero.bad()) {
        return std::nullopt;
    }
    return LeeTextoRico(contenido);
}

} // namespace dravek
