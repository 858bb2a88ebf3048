#pragma once

// Printing into PDF files on a computer with no printer installed, for the tests and the
// benchmarks that print: the print job's answers, and the count of the pages a PDF holds.
// Without GoogleTest, so that a benchmark takes it alone.

#include "gui/plataforma/TrabajoImpresionQt.h"

#include <QByteArray>
#include <QString>

namespace dravek::pruebas {

// The print job finds no printer and is given pdf as the file to write.
inline void SinImpresoraAPdf(gui::TrabajoImpresionQt &trabajo, const QString &pdf)
{
    trabajo.HayImpresora = [] { return false; };
    trabajo.PideFicheroPdf = [pdf] { return pdf; };
}

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
