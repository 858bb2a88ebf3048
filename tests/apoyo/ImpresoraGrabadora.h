#pragma once

#include "core/plataforma/Impresora.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace dravek::pruebas {

enum class TipoOperacion {
    Orientacion,
    Copias,
    NombreFuente,
    TamanoFuente,
    Negrita,
    Subrayado,
    Linea, // a printed line of text
    PosicionVertical,
    GrosorLapiz,
    Recta, // a straight line
    Imagen,
    ImagenEnRectangulo,
    NuevaPagina,
    FinDocumento,
};

struct OperacionImpresora {
    TipoOperacion tipo;
    std::string texto; // the printed line, the font name or the picture file
    // The operation's numbers in the order of its arguments; a printed line keeps the font it
    // was printed with: size, bold (1) and underline (1).
    std::array<double, 4> valores{};
    double y = 0;                  // vertical position before the operation, mm
    int pagina = 1;                // page of the document, from 1
    int error = SinErrorImpresora; // what a picture or the end of the document returned

    // "Negrita 1", "Subrayado 1", "Tamano 14", "Linea |text|",
    // "Recta (18.0, 36.6)-(185.0, 36.6) 0", ...
    std::string Describe() const;
};

// Records every printer operation in order and moves the vertical position as a printer does
// (AltoLineaFuente of the current size per line, back to the top on a new page), so tests can
// assert what reached the paper and on which page.
class ImpresoraGrabadora : public Impresora {
public:
    void PonOrientacion(Orientacion orientacion) override;
    void PonCopias(int copias) override;
    void PonNombreFuente(const std::string &nombre) override;
    void PonTamanoFuente(double puntos) override;
    void PonNegrita(bool negrita) override;
    void PonSubrayado(bool subrayado) override;
    void ImprimeLinea(const std::string &linea) override;
    double PosicionVertical() const override { return m_y; }
    void PonPosicionVertical(double y) override;
    double AltoLinea() const override { return AltoLineaFuente(m_tamano); }
    double AltoPagina() const override { return AltoPaginaImprimible(m_orientacion); }
    void PonGrosorLapiz(int puntos) override;
    void Linea(double x1, double y1, double x2, double y2, std::uint32_t color) override;
    int DibujaImagen(const std::string &fichero, double x, double y) override;
    int DibujaImagenEnRectangulo(const std::string &fichero, double x, double y, double ancho,
                                 double alto) override;
    void NuevaPagina() override;
    int FinDocumento() override;

    // The next picture painted fails with this number (and paints nothing).
    void FallaSiguienteImagen(int numero) { m_fallosImagen.push_back(numero); }
    // The next end of document reports this number, as a printer that is missing or failed
    // does.
    void FallaFinDocumento(int numero) { m_falloFin = numero; }

    const std::vector<OperacionImpresora> &operaciones() const { return m_operaciones; }
    std::vector<std::string> descripciones() const;
    // The printed text lines only, in order; of one page when pagina is given.
    std::vector<std::string> lineas() const;
    std::vector<std::string> lineas(int pagina) const;
    int pagina() const { return m_pagina; }
    // Forgets what was recorded so far; the printer's state stays.
    void olvida() { m_operaciones.clear(); }

    Orientacion orientacion() const { return m_orientacion; }
    int copias() const { return m_copias; }
    const std::string &nombreFuente() const { return m_fuente; }
    double tamanoFuente() const { return m_tamano; }
    bool negrita() const { return m_negrita; }
    bool subrayado() const { return m_subrayado; }

private:
    OperacionImpresora &Graba(TipoOperacion tipo, std::string texto = {},
                              std::array<double, 4> valores = {});
    int Imagen(TipoOperacion tipo, const std::string &fichero, std::array<double, 4> valores);

    std::vector<OperacionImpresora> m_operaciones;
    std::deque<int> m_fallosImagen;
    int m_falloFin = SinErrorImpresora;
    Orientacion m_orientacion = Orientacion::Vertical;
    int m_copias = 1;
    std::string m_fuente = "Courier New";
    double m_tamano = 10;
    bool m_negrita = false;
    bool m_subrayado = false;
    double m_y = 0;
    int m_pagina = 1;
};

} // namespace dravek::pruebas
