#include "gui/plataforma/ImpresoraQt.h"

#include "apoyo/RelojFijo.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "gui/PdfPrueba.h"
#include "gui/comun/TextoQt.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dravek::gui {
namespace {

using pruebas::CuentaPaginas;

class ImpresoraQtTest : public pruebas::PdfPrueba<QGuiApplication> {};

TEST_F(ImpresoraQtTest, ListadoDeDosPaginasEnPdf)
{
    ASSERT_TRUE(carpeta.isValid());
    const QString ruta = carpeta.filePath(QStringLiteral("listado.pdf"));
    ImpresoraQt impresora;
    impresora.PonFicheroPdf(ruta);
    pruebas::RelojFijo reloj;
    SalidaListado salida(reloj, impresora);
    EstadoObra estado;
    estado.listado.Imprimiendo = true;
    estado.obra.TIGEN = "CONDUCCIÓN DE PRUEBA";

    impresora.PonNombreFuente("Courier New");
    estado.listado.NumeroPagina = 1;
    salida.CabeceraPagina(estado, 1, true);
    salida.ImprimeLinea("        RIÑONES     1.250 MPa");
    impresora.NuevaPagina();
    EXPECT_DOUBLE_EQ(impresora.PosicionVertical(), 0.0);
    salida.ImprimeLinea("        SOLERA      0.800 MPa");
    EXPECT_EQ(impresora.FinDocumento(), SinErrorImpresora);

    QFile fichero(ruta);
    ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
    EXPECT_EQ(CuentaPaginas(fichero.readAll()), 2);
}

TEST_F(ImpresoraQtTest, ImagenesYFallos)
{
    ASSERT_TRUE(carpeta.isValid());
    const QString dibujo = carpeta.filePath(QStringLiteral("cuna.png"));
    QImage imagen(40, 20, QImage::Format_RGB32);
    imagen.fill(QColor(0, 0, 0));
    ASSERT_TRUE(imagen.save(dibujo));

    ImpresoraQt impresora;
    impresora.PonFicheroPdf(carpeta.filePath(QStringLiteral("figuras.pdf")));
    EXPECT_EQ(impresora.DibujaImagen(deQt(dibujo), 17, 40), SinErrorImpresora);
    EXPECT_EQ(impresora.DibujaImagenEnRectangulo(deQt(dibujo), 81, 40, 50, 30), SinErrorImpresora);
    EXPECT_EQ(impresora.DibujaImagen("", 17, 40), SinErrorImpresora);
    EXPECT_EQ(impresora.DibujaImagen(deQt(carpeta.filePath(QStringLiteral("falta.bmp"))), 17, 40),
              ErrorImagenNoValida);
    EXPECT_EQ(impresora.FinDocumento(), SinErrorImpresora);

    // A document that cannot be written is the printer's own failure, never a success.
    const QString imposible = carpeta.filePath(QStringLiteral("no/existe/listado.pdf"));
    impresora.PonFicheroPdf(imposible);
    impresora.ImprimeLinea("linea");
    EXPECT_EQ(impresora.DibujaImagen(deQt(dibujo), 17, 40), ErrorPropioImpresora);
    EXPECT_EQ(impresora.FinDocumento(), ErrorPropioImpresora);
    EXPECT_FALSE(QFileInfo::exists(imposible));

    // The next document starts afresh.
    impresora.PonFicheroPdf(carpeta.filePath(QStringLiteral("otra.pdf")));
    impresora.ImprimeLinea("linea");
    EXPECT_EQ(impresora.FinDocumento(), SinErrorImpresora);
}

// A print to a PDF file that already exists replaces it only when the new document is whole:
// cancelled or failed, the old file keeps its bytes, and no temporary stays in the folder in
// any case. A read-only file is refused, also for root; a link keeps pointing at its file,
// which gets the new document.
TEST_F(ImpresoraQtTest, UnPdfViejoSoloSeSustituyeEntero)
{
    ASSERT_TRUE(carpeta.isValid());
    const QByteArray viejo("el listado de ayer");
    enum class Fin { Termina, Aborta };
    struct Caso {
        const char *nombre;
        Fin fin;
        bool existe;
        bool soloLectura;
        bool enlace;
        int resultado;
        bool nuevo; // the file holds the new document afterwards
    };
    const Caso casos[] = {
        {.nombre = "termina sobre un fichero",
         .fin = Fin::Termina,
         .existe = true,
         .soloLectura = false,
         .enlace = false,
         .resultado = SinErrorImpresora,
         .nuevo = true},
        {.nombre = "se cancela sobre un fichero",
         .fin = Fin::Aborta,
         .existe = true,
         .soloLectura = false,
         .enlace = false,
         .resultado = SinErrorImpresora,
         .nuevo = false},
        {.nombre = "se cancela sin fichero",
         .fin = Fin::Aborta,
         .existe = false,
         .soloLectura = false,
         .enlace = false,
         .resultado = SinErrorImpresora,
         .nuevo = false},
        {.nombre = "fichero de solo lectura",
         .fin = Fin::Termina,
         .existe = true,
         .soloLectura = true,
         .enlace = false,
         .resultado = ErrorPropioImpresora,
         .nuevo = false},
        {.nombre = "a traves de un enlace",
         .fin = Fin::Termina,
         .existe = true,
         .soloLectura = false,
         .enlace = true,
         .resultado = SinErrorImpresora,
         .nuevo = true},
    };
    int n = 0;
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const QDir dir(carpeta.filePath(QString::number(++n)));
        ASSERT_TRUE(dir.mkpath(QStringLiteral(".")));
        const QString fichero = dir.filePath(QStringLiteral("listado.pdf"));
        if (caso.existe) {
            QFile f(fichero);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(viejo);
        }
        // The mode of the file replaced is kept: here group and others may not read it.
        const auto modo = caso.soloLectura ? QFileDevice::ReadOwner | QFileDevice::ReadUser
                                           : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadUser | QFileDevice::WriteUser;
        if (caso.existe) {
            QFile::setPermissions(fichero, modo);
        }
        QString destino = fichero;
        if (caso.enlace) {
            destino = dir.filePath(QStringLiteral("enlace.pdf"));
            ASSERT_TRUE(QFile::link(QStringLiteral("listado.pdf"), destino));
        }

        ImpresoraQt impresora;
        impresora.PonFicheroPdf(destino);
        impresora.ImprimeLinea("linea");
        impresora.NuevaPagina();
        impresora.ImprimeLinea("linea");
        if (caso.fin == Fin::Termina) {
            EXPECT_EQ(impresora.FinDocumento(), caso.resultado);
        } else {
            impresora.Aborta();
        }

        QFile f(fichero);
        if (caso.existe) {
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray bytes = f.readAll();
            EXPECT_EQ(QFileInfo(fichero).permissions() &
                          (QFileDevice::ReadGroup | QFileDevice::ReadOther),
                      0);
            if (caso.nuevo) {
                EXPECT_TRUE(bytes.startsWith("%PDF"));
                EXPECT_EQ(CuentaPaginas(bytes), 2);
            } else {
                EXPECT_EQ(bytes, viejo);
            }
        } else {
            EXPECT_FALSE(f.exists());
        }
        if (caso.enlace) {
            EXPECT_TRUE(QFileInfo(destino).isSymLink());
        }
        if (caso.soloLectura) {
            EXPECT_EQ(QFileInfo(fichero).permissions() & QFileDevice::WriteOwner, 0);
        }
        const QStringList quedan =
            dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        EXPECT_EQ(quedan.size(), (caso.existe ? 1 : 0) + (caso.enlace ? 1 : 0))
            << quedan.join(QStringLiteral(", ")).toStdString();
    }
}

// Image objects of a PDF, and whether one of them is that wide.
struct ImagenesPdf {
    int objetos = 0;
    bool hayAncho = false;
};

ImagenesPdf LeeImagenes(const QString &ruta, int ancho)
{
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray pdf = fichero.readAll();
    return {static_cast<int>(pdf.count(QByteArrayLiteral("/Subtype /Image"))),
            pdf.contains("/Width " + QByteArray::number(ancho))};
}

// A picture drawn on every run of a whole project is stored once in the document; the next
// document reads the file again.
TEST_F(ImpresoraQtTest, CadaDibujoUnaVezPorDocumento)
{
    ASSERT_TRUE(carpeta.isValid());
    const QString cuna = carpeta.filePath(QStringLiteral("cuna.png"));
    const QString zanja = carpeta.filePath(QStringLiteral("zanja.png"));
    const auto guarda = [](const QString &ruta, int ancho, QColor color) {
        QImage imagen(ancho, 20, QImage::Format_RGB32);
        imagen.fill(color);
        return imagen.save(ruta);
    };
    ASSERT_TRUE(guarda(cuna, 40, QColor(0, 0, 0)));
    ASSERT_TRUE(guarda(zanja, 30, QColor(0, 0, 255)));

    ImpresoraQt impresora;
    const QString obra = carpeta.filePath(QStringLiteral("obra.pdf"));
    impresora.PonFicheroPdf(obra);
    for (int tramo = 0; tramo < 3; ++tramo) {
        if (tramo > 0) {
            impresora.NuevaPagina();
        }
        EXPECT_EQ(impresora.DibujaImagen(deQt(cuna), 17, 40), SinErrorImpresora);
        EXPECT_EQ(impresora.DibujaImagenEnRectangulo(deQt(zanja), 81, 40, 50, 30),
                  SinErrorImpresora);
    }
    EXPECT_EQ(impresora.FinDocumento(), SinErrorImpresora);
    const ImagenesPdf primera = LeeImagenes(obra, 40);
    EXPECT_EQ(primera.objetos, 2);
    EXPECT_TRUE(primera.hayAncho);

    ASSERT_TRUE(guarda(cuna, 60, QColor(255, 0, 0)));
    const QString otra = carpeta.filePath(QStringLiteral("otra.pdf"));
    impresora.PonFicheroPdf(otra);
    EXPECT_EQ(impresora.DibujaImagen(deQt(cuna), 17, 40), SinErrorImpresora);
    EXPECT_EQ(impresora.FinDocumento(), SinErrorImpresora);
    const ImagenesPdf segunda = LeeImagenes(otra, 60);
    EXPECT_EQ(segunda.objetos, 1);
    EXPECT_TRUE(segunda.hayAncho);
}

// The printer choice reaches every later document: its copies go to the printer, and the
// orientation each listing asks for still reaches the page. With the PDF printer (none
// installed) the caller is told to name the file.
TEST_F(ImpresoraQtTest, ImpresoraElegidaConSusCopias)
{
    ASSERT_TRUE(carpeta.isValid());
    ImpresoraQt impresora;
    ImpresoraActual pdf;
    pdf.ArchivoPdf = true;
    pdf.Copies = 3;
    EXPECT_FALSE(impresora.PonImpresoraActual(pdf));
    EXPECT_EQ(impresora.Copias(), 3);
    EXPECT_TRUE(impresora.NombreImpresora().isEmpty());

    const QString ruta = carpeta.filePath(QStringLiteral("tabular.pdf"));
    impresora.PonFicheroPdf(ruta);
    impresora.PonOrientacion(Orientacion::Horizontal);
    impresora.ImprimeLinea("linea apaisada");
    impresora.NuevaPagina();
    impresora.PonOrientacion(Orientacion::Vertical);
    impresora.NuevaPagina();
    impresora.ImprimeLinea("linea vertical");
    EXPECT_EQ(impresora.FinDocumento(), SinErrorImpresora);
    EXPECT_EQ(impresora.Copias(), 3);

    QFile fichero(ruta);
    ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
    const QByteArray contenido = fichero.readAll();
    EXPECT_EQ(CuentaPaginas(contenido), 3);
    // A4 in points: landscape first, portrait from the orientation's next page on.
    EXPECT_EQ(contenido.count("/MediaBox [0 0 842"), 2);
    EXPECT_EQ(contenido.count("/MediaBox [0 0 595"), 1);

    // A printer chosen by name keeps its name for the native print system; one copy is the
    // least a document is printed with.
    ImpresoraActual nombrada;
    nombrada.DeviceName = "Oficina 2";
    nombrada.Copies = 0;
    EXPECT_TRUE(impresora.PonImpresoraActual(nombrada));
    EXPECT_EQ(impresora.Copias(), 1);
}

} // namespace
} // namespace dravek::gui
