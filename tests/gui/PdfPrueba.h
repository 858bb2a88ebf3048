#pragma once

// What the tests that print into PDF files share: the application object, a folder for the
// files, and the count of the pages a PDF holds.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QTemporaryDir>

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

// Page objects of a PDF: "/Type /Page" but not the page tree's "/Type /Pages".
inline int CuentaPaginas(const QByteArray &pdf)
{
    const QByteArray marca("/Type /Page");
    int paginas = 0;
    for (qsizetype i = pdf.indexOf(marca); i >= 0; i = pdf.indexOf(marca, i + 1)) {
        const qsizetype despues = i + marca.size();
        if (despues >= pdf.size() || pdf.at(despues) != 's') {
            ++paginas;
        }
    }
    return paginas;
}

} // namespace dravek::pruebas
