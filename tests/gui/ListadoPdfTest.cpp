// A whole run printed through the Qt printer into a PDF file has the pages the listing decided:
// as many as the recording printer counts for the same run.

#include "apoyo/DepuracionGrabadora.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/TramoPrueba.h"
#include "core/engine/ContextoCalculo.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "gui/PdfPrueba.h"
#include "gui/plataforma/ImpresoraQt.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek::gui {
namespace {

using pruebas::CuentaPaginas;

class ListadoPdfTest : public pruebas::PdfPrueba<QApplication> {};

// The listing window's print button on the test run (MKS), with the program's own pictures.
ErrorCalculo ImprimeTramo(Impresora &impresora, ClaseListado tipo, double alturaFinal,
                          int &finDocumento)
{
    EstadoObra estado;
    pruebas::PreparaTramoArmado(estado, false, std::string(DRAVEK_DATOS_PROGRAMA) + "/");
    estado.tramo.AlturaFinalTramo = alturaFinal;
    pruebas::RelojFijo reloj;
    SalidaListado salida(reloj, impresora);
    pruebas::DepuracionGrabadora depuracion;
    pruebas::DisenoCasoBreve diseno;
    ContextoCalculo contexto{estado, salida, depuracion, diseno};
    return pruebas::ImprimeTramo(contexto, tipo, finDocumento);
}

TEST_F(ListadoPdfTest, PaginasDelTramoEnPdf)
{
    ASSERT_TRUE(carpeta.isValid());
    struct Caso {
        const char *nombre;
        ClaseListado tipo;
        double alturaFinal; // m, from 1 m by 1 m
        int paginas;
    };
    const std::vector<Caso> casos = {
        // Two pages of run data report, then per height two of ring analysis and one per case.
        {"Normal", ClaseListado::Normal, 3, 2 + 3 * (2 + 3)},
        // Landscape: six heights fill the 50 lines of the first page, two go to the second.
        {"Tabular", ClaseListado::Tabular, 8, 2},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        pruebas::ImpresoraGrabadora grabadora;
        int finGrabado = -1;
        ASSERT_FALSE(ImprimeTramo(grabadora, c.tipo, c.alturaFinal, finGrabado));
        ASSERT_FALSE(grabadora.operaciones().empty());
        const int paginasGrabadas = grabadora.operaciones().back().pagina;
        EXPECT_EQ(paginasGrabadas, c.paginas);

        const QString ruta =
            carpeta.filePath(QString::fromLatin1(c.nombre) + QStringLiteral(".pdf"));
        ImpresoraQt impresora;
        impresora.PonFicheroPdf(ruta);
        int fin = -1;
        const ErrorCalculo error = ImprimeTramo(impresora, c.tipo, c.alturaFinal, fin);
        ASSERT_FALSE(error) << error.mensaje; // the pictures were found and painted
        EXPECT_EQ(fin, SinErrorImpresora);

        QFile fichero(ruta);
        ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
        EXPECT_EQ(CuentaPaginas(fichero.readAll()), paginasGrabadas);
    }
}

} // namespace
} // namespace dravek::gui
