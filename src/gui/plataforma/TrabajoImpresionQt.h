#pragma once

#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/DialogosFichero.h"
#include "core/plataforma/TrabajoImpresion.h"
#include "gui/plataforma/DialogosFicheroQt.h"

#include <QString>
#include <functional>

class QWidget;

namespace dravek::gui {

class ImpresoraQt;

// A print job on the printer the printer choice left current (the system's default one until
// a printer is chosen), with its copies; with no printer installed, or the PDF printer chosen,
// on a PDF file the engineer names in a save dialog, which starts where the program's file
// dialogs start (CarpetaDialogos.h).
class TrabajoImpresionQt : public TrabajoImpresion {
public:
    TrabajoImpresionQt(const EstadoObra &estado, ImpresoraQt &impresora, QWidget *padre);

    // The window the save dialog is shown over.
    void PonPadre(QWidget *padre) { m_dialogosPropios.PonPadre(padre); }
    // The program's file dialogs, and the settings that keep the last folder used (either may
    // be null: Qt's own dialogs, no folder kept).
    void PonDialogos(DialogosFichero *dialogos, AlmacenConfiguracion *almacen)
    {
        m_dialogos = dialogos;
        m_almacen = almacen;
    }

    bool Empieza() override;
    void Aborta() override;

    // Asks for the PDF file (an empty path: cancelled); a save dialog unless a test gives one.
    std::function<QString()> PideFicheroPdf;
    // Whether a printer is installed; the system's answer unless a test gives one.
    std::function<bool()> HayImpresora;

private:
    const EstadoObra &m_estado;
    ImpresoraQt &m_impresora;
    DialogosFicheroQt m_dialogosPropios;
    DialogosFichero *m_dialogos = nullptr;
    AlmacenConfiguracion *m_almacen = nullptr;
};

} // namespace dravek::gui
