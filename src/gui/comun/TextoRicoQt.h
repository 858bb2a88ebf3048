#pragma once

class QTextDocument;

namespace dravek {
struct DocumentoRico;
}

namespace dravek::gui {

// Replaces the document's content with the rich text read by the core: one block per
// paragraph, each run with its weight, slant, underline, size and colour; a line break inside
// a paragraph stays a line break, tabs stay tabs. A run of the default colour takes the
// widget's text colour.
void LlenaDocumento(QTextDocument &documento, const DocumentoRico &rico);

} // namespace dravek::gui
