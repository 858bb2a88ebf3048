#pragma once

#include "core/model/EstadoObra.h"
#include "core/plataforma/TrabajoImpresion.h"

#include <QString>
#include <functional>

class QWidget;

namespace dravek::gui {

class ImpresoraQt;

// A print job on the printer the printer choice left current (the system's default one until
// a printer is chosen), with its copies; with no printer installed, or the PDF printer chosen,
// on a PDF file the engineer names in a save dialog.
class TrabajoImpresionQt : public TrabajoImpresion {
public:
    TrabajoImpresionQt(const EstadoObra &estado, ImpresoraQt &impresora, QWidget *padre);

    // The window the save dialog is shown over.

    bool Empieza() override;
    void Aborta() override;

    // Asks for the PDF file (an empty path: cancelled); a save dialog unless a test gives one.
    std::function<QString()> PideFicheroPdf;
    // Whether a printer is installed; the system's answer unless a test gives one.
    std::function<bool()> HayImpresora;

private:
    const EstadoObra &m_estado;
    ImpresoraQt &m_impresora;
    QWidget *m_padre;
};

} // namespace dravek::gui
