#pragma once

// The notices and notes installed beside the program are rich-text (RTF) files. They are read
// here into paragraphs of runs of text with their look, which a view turns into its own
// document. Only what those files use is kept: bold, italic, underline, font size, colour
// (through the colour table), tabs and line breaks. Every other control word, and every
// destination that holds no text to show (font table, style sheet, document information,
// pictures, "\*" groups), is passed over without complaint.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravek {

// The colour of a run that names none: the text colour of the box that shows it.
inline constexpr std::int32_t ColorPredeterminado = -1;
// Font size of a run that names none: the format's default of 24 half-points.
inline constexpr double PuntosPredeterminados = 12.0;

struct AtributosTexto {
    bool negrita = false;
    bool cursiva = false;
    bool subrayado = false;
    double puntos = PuntosPredeterminados;    // font size, pt
    std::int32_t color = ColorPredeterminado; // 0xRRGGBB

    bool operator==(const AtributosTexto &) const = default;
};

// Text of one look. UTF-8; "\t" is a tab and "\n" a line break inside the paragraph.
struct TramoTexto {
    std::string texto;
    AtributosTexto atributos;

    bool operator==(const TramoTexto &) const = default;
};

// Neighbouring runs of one paragraph never share their look: they are joined as they are read.
struct ParrafoTexto {
    std::vector<TramoTexto> tramos;

    bool operator==(const ParrafoTexto &) const = default;
};

struct DocumentoRico {
    std::vector<ParrafoTexto> parrafos;

    // The text without its look, paragraphs separated by "\n", as a text box holds it.
    std::string TextoPlano() const;
    // A plain text ("\n" between paragraphs) as a document of the default look.
    static DocumentoRico DeTextoPlano(const std::string &texto);

    bool operator==(const DocumentoRico &) const = default;
};

// Nothing when the text is not rich text ("{\rtf" at its start) or ends before its outer group
// is closed (a truncated file).
std::optional<DocumentoRico> LeeTextoRico(std::string_view rtf);

// Nothing when the file cannot be read or its content is not whole rich text.
std::optional<DocumentoRico> LeeFicheroTextoRico(const std::string &ruta);

} // namespace dravek
