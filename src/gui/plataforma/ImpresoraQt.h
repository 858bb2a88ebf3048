#pragma once

#include "core/model/EstadoObra.h"
#include "core/plataforma/Impresora.h"
#include "gui/comun/CopiaControles.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QString>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace dravek::gui {

// Paints the listings with QPainter on a QPrinter. A system printer and a PDF file take the
// same path: PonFicheroPdf only gives the QPrinter an output file. The page is A4 with the
// listing's margins in both orientations, and lines advance by the listing's own line height,
// so the pages match the paging the listing decided.
//
// The QPrinter is built on first use (a print, a PDF file, a printer chosen): building it loads
// the print system's plugin and library, which would cost start-up a fifth of its time.
class ImpresoraQt : public Impresora {
public:
    ImpresoraQt();

    // The system printer by name (empty: the default printer) for the next document.
    void PonNombreImpresora(const QString &nombre);
    // The next document goes to this PDF file. It is written beside it under a temporary name
    // and takes the file's place only when whole: a print that fails or is cancelled leaves an
    // existing file as it was.
    void PonFicheroPdf(const QString &ruta);
    // The printer the printer choice made current, with its copies, for the next documents.
    // False when that is the PDF printer (no printer installed, or none chosen and no
    // default): the caller then names the file with PonFicheroPdf.
    bool PonImpresoraActual(const ImpresoraActual &actual);
    // What the next document will be given: the printer's name (empty for a PDF file) and its
    // copies.
    QString NombreImpresora();
    int Copias() const { return m_copias; }

    void PonOrientacion(Orientacion orientacion) override;
    void PonCopias(int copias) override;
    void PonNombreFuente(const std::string &nombre) override;
    void PonTamanoFuente(double puntos) override;
    void PonNegrita(bool negrita) override;
    void PonSubrayado(bool subrayado) override;
    void ImprimeLinea(const std::string &linea) override;
    double PosicionVertical() const override { return m_y; }
    void PonPosicionVertical(double y) override { m_y = y; }
    double AltoLinea() const override { return AltoLineaFuente(m_tamano); }
    double AltoPagina() const override;
    void PonGrosorLapiz(int puntos) override { m_grosor = puntos; }
    void Linea(double x1, double y1, double x2, double y2, std::uint32_t color) override;
    int DibujaImagen(const std::string &fichero, double x, double y) override;
    int DibujaImagenEnRectangulo(const std::string &fichero, double x, double y, double ancho,
                                 double alto) override;
    void NuevaPagina() override;
    int FinDocumento() override;
    // Drops the document begun: nothing reaches the printer, and a PDF file begun is removed
    // (the file named keeps what it held).
    void Aborta();

private:
    // The document starts with its first painting; false when the printer cannot start it.
    bool Empieza();
    // The printer, built at the first call.
    QPrinter &Printer();
    void AplicaPagina();
    double Px(double mm) const;
    int PintaImagen(const std::string &fichero, double x, double y, double ancho, double alto);

    // A size and style of the current font with its ascent on the printer, built once per
    // document: the listing switches between a few of them for every heading.
    struct VarianteFuente {
        double tamano = 0; // points
        bool negrita = false;
        bool subrayado = false;
        QFont fuente;
        double ascenso = 0; // device pixels
    };
    std::size_t VarianteActual();
    void OlvidaFuentes();
    // The picture of a file, read once per document: the PDF writer keeps a picture it has
    // been given before as one object, where a picture read again would be stored again (a
    // whole project prints the same few pictures for every run).
    const QImage &Imagen(const std::string &fichero);
    // The PDF document ended: its temporary takes the named file's place when the document is
    // whole, and is removed otherwise. The document's result, or the failure to rename.
    int PonPdfEnSuSitio(int resultado);
    void QuitaTemporalPdf();

    // Declared before the painter, which must end before the printer goes. Null until
    // Printer() is first called.
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    Orientacion m_orientacion = Orientacion::Vertical;
    Orientacion m_orientacionPagina = Orientacion::Vertical; // of the page being painted
    int m_copias = 1;
    QString m_fuente = FuenteListado().family();
    double m_tamano = 10; // points
    bool m_negrita = false;
    bool m_subrayado = false;
    double m_y = 0; // mm
    int m_grosor = 1;
    int m_error = SinErrorImpresora; // first failure of the document
    double m_pixelesPorMm = 0;       // of the document being painted
    std::vector<VarianteFuente> m_fuentes;
    std::size_t m_fuentePintor = 0; // the variant the painter holds, when m_pintorConFuente
    bool m_pintorConFuente = false;
    struct ImagenLeida {
        std::string fichero;
        QImage imagen;
    };
    std::vector<ImagenLeida> m_imagenes; // of the document being painted
    QString m_destinoPdf;                // the PDF file named, empty when printing to a printer
};

} // namespace dravek::gui
