#pragma once

class QTextDocument;
class QTextEdit;

namespace dravek {
struct DocumentoRico;
}

namespace dravek::gui {

// Replaces the document's content with the rich text read by the core: one block per
// paragraph, each run with its weight, slant, underline, size and colour; a line break inside
// a paragraph stays a line break, tabs stay tabs. A run of the default colour takes the
// widget's text colour.
void LlenaDocumento(QTextDocument &documento, const DocumentoRico &rico);

// The document into a text box, shown from its first line: the box's own cursor would
// otherwise follow the text inserted and leave it scrolled to the end.
void MuestraDocumento(QTextEdit &caja, const DocumentoRico &rico);

} // namespace dravek::gui
