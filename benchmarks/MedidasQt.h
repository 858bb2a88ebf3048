#pragma once

// The main of a benchmark that needs Qt: the application object of type Aplicacion
// (QGuiApplication for fonts and the PDF writer, QApplication for windows), offscreen unless
// QT_QPA_PLATFORM names a display, and the memory for printing prepared as the program's start
// prepares it.

#include "InformeMedida.h"
#include "gui/plataforma/MemoriaImpresion.h"

#include <QByteArray>
#include <QtGlobal>

namespace dravek::medida {

template <typename Aplicacion> int EjecutaMedidasQt(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    gui::PreparaMemoriaImpresion();
    Aplicacion aplicacion(argc, argv);
    return EjecutaMedidas(argc, argv);
}

} // namespace dravek::medida
