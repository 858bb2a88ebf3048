#pragma once

// The printer as the listings use it. Coordinates are millimetres from the top-left corner of
// the printable area; text is UTF-8.

#include <cstdint>
#include <string>

namespace dravek {

// Failure numbers of a printer operation, as the listings report them.
inline constexpr int SinErrorImpresora = 0;
// The printer's own error: the operation that failed may be skipped and printing go on.
inline constexpr int ErrorPropioImpresora = 482;
// A picture file that cannot be read; any number other than 482 ends the printed listing.
inline constexpr int ErrorImagenNoValida = 481;

enum class Orientacion : std::int16_t { Vertical = 1, Horizontal = 2 };

// The page the listings were laid out for: A4 with the 1/6 in (4.23 mm) unprintable margin of
// the laser printers of the time. Every printer uses this geometry, so the paging decided by
// the listing is the paging on paper.
inline constexpr double AnchoHoja = 210.0;            // mm
inline constexpr double AltoHoja = 297.0;             // mm
inline constexpr double MargenImpresora = 25.4 / 6.0; // mm, on each side

// Printable height: 288.5 mm portrait, 201.5 mm landscape.
constexpr double AltoPaginaImprimible(Orientacion orientacion)
{
    const double alto = orientacion == Orientacion::Horizontal ? AnchoHoja : AltoHoja;
    return alto - 2.0 * MargenImpresora;
}

// Height of a printed line: Courier New's line spacing is 2320/2048 em (ascent 1705 and descent
// 615 font units), so 10 points take 3.996 mm. That gives 72 lines to a portrait page (the
// budget of the Pantalla listing) and 50 to a landscape page (the Tabular budget).
constexpr double AltoLineaFuente(double puntos)
{
    return puntos * 25.4 / 72.0 * 2320.0 / 2048.0;
}

// Pen width unit: one dot of a 600 dpi printer, so the usual width 5 draws 0.21 mm.
inline constexpr double MilimetrosPorPuntoLapiz = 25.4 / 600.0;

// A printer starts each document portrait, one copy, Courier New 10 regular, at the top.
class Impresora {
public:
    virtual ~Impresora() = default;

    // Taken when the document starts (the orientation also at a new page); the listing sets
    // them before its first line.
    virtual void PonOrientacion(Orientacion orientacion) = 0;
    virtual void PonCopias(int copias) = 0;

    // Font of the lines printed next.
    virtual void PonNombreFuente(const std::string &nombre) = 0;
    virtual void PonTamanoFuente(double puntos) = 0;
    virtual void PonNegrita(bool negrita) = 0;
    virtual void PonSubrayado(bool subrayado) = 0;

    // Prints the line at the left edge and the current vertical position, then moves that
    // position down by AltoLinea(). A printer never starts a page by itself: the listing does
    // (SalidaListado::ImprimeLinea), so every line is meant to go through the listing.
    virtual void ImprimeLinea(const std::string &linea) = 0;
    virtual double PosicionVertical() const = 0; // mm
    virtual void PonPosicionVertical(double y) = 0;
    virtual double AltoLinea() const = 0;  // mm the next line takes with the current font
    virtual double AltoPagina() const = 0; // printable height of the current page, mm

    // Straight line between two points; colour as red + 256 green + 65536 blue, 0 black.
    virtual void PonGrosorLapiz(int puntos) = 0;
    virtual void Linea(double x1, double y1, double x2, double y2, std::uint32_t color) = 0;

    // A picture file with its top-left corner at (x, y), at its own size or scaled into a
    // rectangle. An empty file name is the empty picture and paints nothing. The result is
    // SinErrorImpresora or the failure number.
    [[nodiscard]] virtual int DibujaImagen(const std::string &fichero, double x, double y) = 0;
    [[nodiscard]] virtual int DibujaImagenEnRectangulo(const std::string &fichero, double x,
                                                       double y, double ancho, double alto) = 0;

    virtual void NuevaPagina() = 0;
    // Hands the document over (or writes the file). The result is SinErrorImpresora or the
    // first failure of the document, which was then not printed whole.
    [[nodiscard]] virtual int FinDocumento() = 0;
};

} // namespace dravek
