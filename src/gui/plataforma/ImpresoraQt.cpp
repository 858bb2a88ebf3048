#include "gui/plataforma/ImpresoraQt.h"

#include "core/storage/Ficheros.h"
#include "gui/comun/TextoQt.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPen>
#include <QPointF>
#include <QPrinterInfo>
#include <QRectF>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace dravek::gui {

namespace {

constexpr double MilimetrosPorPulgada = 25.4;
// A picture file that does not say its resolution is taken at the screen's 96 dpi.
constexpr double PuntosPorMetroImagen = 96.0 / MilimetrosPorPulgada * 1000.0;

// The file a PDF is written to before it takes its place: beside the file it will replace (a
// link's target), hidden, and of this program's process alone, so that the rename stays on
// one file system and two programs never share it.
QString TemporalPdf(const QString &destino)
{
    QFileInfo info(destino);
    if (info.isSymLink() && info.exists()) {
        info = QFileInfo(info.canonicalFilePath());
    }
    return info.dir().filePath(
        QStringLiteral(".%1.%2.tmp").arg(info.fileName()).arg(QCoreApplication::applicationPid()));
}

QPageLayout::Orientation OrientacionQt(Orientacion orientacion)
{
    return orientacion == Orientacion::Horizontal ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

ImpresoraQt::ImpresoraQt() = default;

QPrinter &ImpresoraQt::Printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setFullPage(false);
        AplicaPagina();
    }
    return *m_printer;
}

void ImpresoraQt::PonNombreImpresora(const QString &nombre)
{
    QPrinter &printer = Printer();
    m_destinoPdf.clear();
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::NativeFormat);
    printer.setPrinterName(nombre);
}

void ImpresoraQt::PonFicheroPdf(const QString &ruta)
{
    QPrinter &printer = Printer();
    m_destinoPdf = ruta;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(ruta.isEmpty() ? QString() : TemporalPdf(ruta));
    // What killed prints of this file left beside it goes before a new one begins.
    if (!ruta.isEmpty()) {
        QFileInfo destino(ruta);
        if (destino.isSymLink() && destino.exists()) {
            destino = QFileInfo(destino.canonicalFilePath());
        }
        BorraTemporalesHuerfanos(deQt(destino.absoluteFilePath()));
    }
}

bool ImpresoraQt::PonImpresoraActual(const ImpresoraActual &actual)
{
    PonCopias(actual.Copies);
    const QString nombre = actual.ArchivoPdf           ? QString()
                           : actual.DeviceName.empty() ? QPrinterInfo::defaultPrinterName()
                                                       : aQt(actual.DeviceName);
    if (nombre.isEmpty()) {
        QPrinter &printer = Printer();
        m_destinoPdf.clear();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString());
        return false;
    }
    PonNombreImpresora(nombre);
    return true;
}

QString ImpresoraQt::NombreImpresora()
{
    QPrinter &printer = Printer();
    return printer.outputFormat() == QPrinter::PdfFormat ? QString() : printer.printerName();
}

void ImpresoraQt::AplicaPagina()
{
    const QPageLayout disposicion(
        QPageSize(QPageSize::A4), OrientacionQt(m_orientacion),
        QMarginsF(MargenImpresora, MargenImpresora, MargenImpresora, MargenImpresora),
        QPageLayout::Millimeter);
    Printer().setPageLayout(disposicion);
    m_orientacionPagina = m_orientacion;
}

bool ImpresoraQt::Empieza()
{
    if (m_painter.isActive()) {
        return true;
    }
    if (m_error != SinErrorImpresora) {
        return false;
    }
    // A file the engineer may not write is not replaced behind its back.
    if (!m_destinoPdf.isEmpty()) {
        const QFileInfo destino(m_destinoPdf);
        // The file's own write bits too: for root every file is writable (and so is the
        // bit Qt reports for the current user).
        constexpr auto escritura =
            QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        if (destino.exists() &&
            (!destino.isWritable() || (destino.permissions() & escritura) == 0)) {
            m_error = ErrorPropioImpresora;
            return false;
        }
    }
    AplicaPagina();
    QPrinter &printer = Printer();
    printer.setCopyCount(m_copias);
    if (!m_painter.begin(&printer)) {
        m_error = ErrorPropioImpresora;
        return false;
    }
    // The fonts are measured on this document's device, whose resolution may not be the last
    // one's (a PDF file, then a system printer).
    m_pixelesPorMm = printer.resolution() / MilimetrosPorPulgada;
    OlvidaFuentes();
    return true;
}

double ImpresoraQt::Px(double mm) const
{
    return mm * m_pixelesPorMm;
}

void ImpresoraQt::OlvidaFuentes()
{
    m_fuentes.clear();
    m_pintorConFuente = false;
}

std::size_t ImpresoraQt::VarianteActual()
{
    for (std::size_t k = 0; k < m_fuentes.size(); ++k) {
        const VarianteFuente &v = m_fuentes[k];
        if (v.tamano == m_tamano && v.negrita == m_negrita && v.subrayado == m_subrayado) {
            return k;
        }
    }
    VarianteFuente v;
    v.tamano = m_tamano;
    v.negrita = m_negrita;
    v.subrayado = m_subrayado;
    v.fuente = QFont(m_fuente);
    // Where Courier New is missing, another fixed-pitch font keeps the columns.
    v.fuente.setStyleHint(QFont::TypeWriter);
    v.fuente.setFixedPitch(true);
    v.fuente.setPointSizeF(m_tamano);
    v.fuente.setBold(m_negrita);
    v.fuente.setUnderline(m_subrayado);
    v.ascenso = QFontMetricsF(v.fuente, &Printer()).ascent();
    m_fuentes.push_back(std::move(v));
    return m_fuentes.size() - 1;
}

void ImpresoraQt::PonOrientacion(Orientacion orientacion)
{
    m_orientacion = orientacion;
}

void ImpresoraQt::PonCopias(int copias)
{
    m_copias = std::max(copias, 1);
}

void ImpresoraQt::PonNombreFuente(const std::string &nombre)
{
    const QString fuente = aQt(nombre);
    if (fuente != m_fuente) {
        m_fuente = fuente;
        OlvidaFuentes();
    }
}

void ImpresoraQt::PonTamanoFuente(double puntos)
{
    m_tamano = puntos;
}

void ImpresoraQt::PonNegrita(bool negrita)
{
    m_negrita = negrita;
}

void ImpresoraQt::PonSubrayado(bool subrayado)
{
    m_subrayado = subrayado;
}

double ImpresoraQt::AltoPagina() const
{
    return AltoPaginaImprimible(m_painter.isActive() ? m_orientacionPagina : m_orientacion);
}

void ImpresoraQt::ImprimeLinea(const std::string &linea)
{
    if (Empieza()) {
        const std::size_t k = VarianteActual();
        if (!m_pintorConFuente || m_fuentePintor != k) {
            m_painter.setFont(m_fuentes[k].fuente);
            m_fuentePintor = k;
            m_pintorConFuente = true;
        }
        m_painter.drawText(QPointF(0, Px(m_y) + m_fuentes[k].ascenso), aQt(linea));
    }
    m_y += AltoLinea();
}

void ImpresoraQt::Linea(double x1, double y1, double x2, double y2, std::uint32_t color)
{
    if (!Empieza()) {
        return;
    }
    const QColor colorQt(static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8) & 0xFFU),
                         static_cast<int>((color >> 16) & 0xFFU));
    QPen lapiz(colorQt);
    lapiz.setWidthF(std::max(1.0, Px(m_grosor * MilimetrosPorPuntoLapiz)));
    m_painter.setPen(lapiz);
    m_painter.drawLine(QPointF(Px(x1), Px(y1)), QPointF(Px(x2), Px(y2)));
}

int ImpresoraQt::PintaImagen(const std::string &fichero, double x, double y, double ancho,
                             double alto)
{
    if (fichero.empty()) {
        return SinErrorImpresora;
    }
    const QImage &imagen = Imagen(fichero);
    if (imagen.isNull()) {
        return ErrorImagenNoValida;
    }
    if (!Empieza()) {
        return m_error;
    }
    if (ancho <= 0 || alto <= 0) {
        const double ppmX =
            imagen.dotsPerMeterX() > 0 ? imagen.dotsPerMeterX() : PuntosPorMetroImagen;
        const double ppmY =
            imagen.dotsPerMeterY() > 0 ? imagen.dotsPerMeterY() : PuntosPorMetroImagen;
        ancho = imagen.width() / ppmX * 1000.0;
        alto = imagen.height() / ppmY * 1000.0;
    }
    m_painter.drawImage(QRectF(Px(x), Px(y), Px(ancho), Px(alto)), imagen);
    return SinErrorImpresora;
}

const QImage &ImpresoraQt::Imagen(const std::string &fichero)
{
    for (const ImagenLeida &leida : m_imagenes) {
        if (leida.fichero == fichero) {
            return leida.imagen;
        }
    }
    m_imagenes.push_back({fichero, QImage(aQt(fichero))});
    return m_imagenes.back().imagen;
}

int ImpresoraQt::DibujaImagen(const std::string &fichero, double x, double y)
{
    return PintaImagen(fichero, x, y, 0, 0);
}

int ImpresoraQt::DibujaImagenEnRectangulo(const std::string &fichero, double x, double y,
                                          double ancho, double alto)
{
    if (ancho <= 0 || alto <= 0) {
        return SinErrorImpresora; // an empty rectangle holds nothing
    }
    return PintaImagen(fichero, x, y, ancho, alto);
}

void ImpresoraQt::NuevaPagina()
{
    if (Empieza()) {
        // An orientation given during the document applies from this page on.
        AplicaPagina();
        if (!Printer().newPage()) {
            m_error = ErrorPropioImpresora;
        }
    }
    m_y = 0;
}

int ImpresoraQt::FinDocumento()
{
    int resultado = m_error;
    const bool empezado = m_painter.isActive();
    if (empezado && !m_painter.end() && resultado == SinErrorImpresora) {
        resultado = ErrorPropioImpresora;
    }
    if (empezado) {
        resultado = PonPdfEnSuSitio(resultado);
    }
    m_error = SinErrorImpresora;
    m_y = 0;
    m_imagenes.clear();
    return resultado;
}

void ImpresoraQt::Aborta()
{
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
    QuitaTemporalPdf();
    m_error = SinErrorImpresora;
    m_y = 0;
    m_imagenes.clear();
}

int ImpresoraQt::PonPdfEnSuSitio(int resultado)
{
    if (!m_printer || m_printer->outputFormat() != QPrinter::PdfFormat || m_destinoPdf.isEmpty()) {
        return resultado;
    }
    if (resultado != SinErrorImpresora) {
        QuitaTemporalPdf();
        return resultado;
    }
    QFileInfo destino(m_destinoPdf);
    if (destino.isSymLink() && destino.exists()) {
        destino = QFileInfo(destino.canonicalFilePath());
    }
    // The file replaced keeps its mode.
    if (destino.exists()) {
        QFile::setPermissions(m_printer->outputFileName(), destino.permissions());
    }
    // rename() replaces the old file in one step, where QFile::rename would refuse it.
    const QByteArray desde = QFile::encodeName(m_printer->outputFileName());
    const QByteArray hacia = QFile::encodeName(destino.absoluteFilePath());
    if (std::rename(desde.constData(), hacia.constData()) != 0) {
        QuitaTemporalPdf();
        return ErrorPropioImpresora;
    }
    return resultado;
}

void ImpresoraQt::QuitaTemporalPdf()
{
    // Never built: no document was begun.
    if (m_printer && m_printer->outputFormat() == QPrinter::PdfFormat && !m_destinoPdf.isEmpty() &&
        !m_printer->outputFileName().isEmpty()) {
        QFile::remove(m_printer->outputFileName());
    }
}

} // namespace dravek::gui
