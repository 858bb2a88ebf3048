#pragma once

// What the tests that print into PDF files share: the application object, a folder for the
// files, and printing with no printer (PdfSinImpresora).

#include "gui/PdfSinImpresora.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dravek::pruebas {

// Aplicacion: QGuiApplication or QApplication, as the test chooses.
template <class Aplicacion> class PdfPrueba : public ::testing::Test {
protected:
    // Fonts and printers need an application object; it must outlive the printer.
    int argc = 1;
    char nombre[16] = "PdfPrueba";
    char *argv[2] = {nombre, nullptr};
    Aplicacion app{argc, argv};
    QTemporaryDir carpeta;
};

} // namespace dravek::pruebas
