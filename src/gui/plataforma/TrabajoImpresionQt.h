#pragma once

#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/DialogosFichero.h"
#include "core/plataforma/TrabajoImpresion.h"

#include <QString>

#include <functional>

namespace dravek::gui {

class ImpresoraQt;

// A print job on the printer the printer choice left current (the system's default one until
// a printer is chosen), with its copies; with no printer installed, or the PDF printer chosen,
// on a PDF file the engineer names in a save dialog, which starts where the program's file
// dialogs start (CarpetaDialogos.h).
class TrabajoImpresionQt : public TrabajoImpresion {
public:
    // dialogos: the program's file dialogs, over its main window; almacen: the settings that
    // keep the last folder a file was chosen in.
    TrabajoImpresionQt(const EstadoObra &estado, ImpresoraQt &impresora, DialogosFichero &dialogos,
                       AlmacenConfiguracion &almacen);

    bool Empieza() override;
    void Aborta() override;

    // Asks for the PDF file (an empty path: cancelled); a save dialog unless a test gives one.
    std::function<QString()> PideFicheroPdf;
    // Whether a printer is installed; the system's answer unless a test gives one.
    std::function<bool()> HayImpresora;

private:
    const EstadoObra &m_estado;
    ImpresoraQt &m_impresora;
    DialogosFichero &m_dialogos;
    AlmacenConfiguracion &m_almacen;
};

} // namespace dravek::gui
