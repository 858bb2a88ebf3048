#pragma once

#include "core/model/EstadoObra.h"
#include "core/shell/ObraEnCaptura.h"

#include <QString>
#include <functional>

class QWidget;

namespace dravek::gui {

class ImpresoraQt;

// A print job on the chosen system printer (the default one unless the printer choice named
// another), or, with no printer installed, on a PDF file the engineer names.
class TrabajoImpresionQt : public TrabajoImpresion {
public:
    TrabajoImpresionQt(const EstadoObra &estado, ImpresoraQt &impresora, QWidget *padre);

    bool Empieza() override;
    void Aborta() override;

    // The printer of the next jobs; empty: the system's default printer.
    void PonNombreImpresora(const QString &nombre) { m_nombre = nombre; }
    // Asks for the PDF file (an empty path: cancelled); a save dialog unless a test gives one.
    std::function<QString()> PideFicheroPdf;
    // Whether a printer is installed; the system's answer unless a test gives one.
    std::function<bool()> HayImpresora;

private:
    const EstadoObra &m_estado;
    ImpresoraQt &m_impresora;
    QWidget *m_padre;
    QString m_nombre;
};

} // namespace dravek::gui
