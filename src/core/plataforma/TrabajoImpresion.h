#pragma once

namespace dravek {

// Where a printed document goes.
class TrabajoImpresion {
public:
    virtual ~TrabajoImpresion() = default;
    // Readies the printer for a new document: the chosen printer, or a PDF file asked for
    // when no printer is installed. False when the engineer cancelled.
    virtual bool Empieza() = 0;
    // Drops the document begun: nothing of it reaches the printer or the file.
    virtual void Aborta() = 0;
};

} // namespace dravek
