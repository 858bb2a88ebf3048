#include "apoyo/ImpresoraGrabadora.h"

#include <cstdio>
#include <utility>

namespace dravek::pruebas {

namespace {

std::string Numero(double valor)
{
    std::array<char, 32> texto{};
    const int escrito = std::snprintf(texto.data(), texto.size(), "%.1f", valor);
    return std::string(texto.data(), static_cast<std::size_t>(escrito));
}

std::string Punto(double x, double y)
{
    std::string punto = "(";
    punto += Numero(x);
    punto += ", ";
    punto += Numero(y);
    punto += ")";
    return punto;
}

} // namespace

std::string OperacionImpresora::Describe() const
{
    const auto entero = [this](std::size_t i) {
        return std::to_string(static_cast<long>(valores[i]));
    };
    switch (tipo) {
    case TipoOperacion::Orientacion:
        return "Orientacion " + entero(0);
    case TipoOperacion::Copias:
        return "Copias " + entero(0);
    case TipoOperacion::NombreFuente:
        return "Fuente " + texto;
    case TipoOperacion::TamanoFuente:
        return "Tamano " + Numero(valores[0]);
    case TipoOperacion::Negrita:
        return "Negrita " + entero(0);
    case TipoOperacion::Subrayado:
        return "Subrayado " + entero(0);
    case TipoOperacion::Linea:
        return "Linea |" + texto + "|";
    case TipoOperacion::PosicionVertical:
        return "PosY " + Numero(valores[0]);
    case TipoOperacion::GrosorLapiz:
        return "Lapiz " + entero(0);
    case TipoOperacion::Recta:
        return "Recta " + Punto(valores[0], valores[1]) + "-" + Punto(valores[2], valores[3]) +
               " " + texto;
    case TipoOperacion::Imagen:
        return "Imagen " + texto + " " + Punto(valores[0], valores[1]);
    case TipoOperacion::ImagenEnRectangulo:
        return "Imagen " + texto + " " + Punto(valores[0], valores[1]) + " " + Numero(valores[2]) +
               "x" + Numero(valores[3]);
    case TipoOperacion::NuevaPagina:
        return "NuevaPagina";
    case TipoOperacion::FinDocumento:
        return "FinDocumento";
    }
    return {};
}

OperacionImpresora &ImpresoraGrabadora::Graba(TipoOperacion tipo, std::string texto,
                                              std::array<double, 4> valores)
{
    m_operaciones.push_back({tipo, std::move(texto), valores, m_y, m_pagina, SinErrorImpresora});
    return m_operaciones.back();
}

void ImpresoraGrabadora::PonOrientacion(Orientacion orientacion)
{
    Graba(TipoOperacion::Orientacion, {}, {static_cast<double>(orientacion)});
    m_orientacion = orientacion;
}

void ImpresoraGrabadora::PonCopias(int copias)
{
    Graba(TipoOperacion::Copias, {}, {static_cast<double>(copias)});
    m_copias = copias;
}

void ImpresoraGrabadora::PonNombreFuente(const std::string &nombre)
{
    Graba(TipoOperacion::NombreFuente, nombre);
    m_fuente = nombre;
}

void ImpresoraGrabadora::PonTamanoFuente(double puntos)
{
    Graba(TipoOperacion::TamanoFuente, {}, {puntos});
    m_tamano = puntos;
}

void ImpresoraGrabadora::PonNegrita(bool negrita)
{
    Graba(TipoOperacion::Negrita, {}, {negrita ? 1.0 : 0.0});
    m_negrita = negrita;
}

void ImpresoraGrabadora::PonSubrayado(bool subrayado)
{
    Graba(TipoOperacion::Subrayado, {}, {subrayado ? 1.0 : 0.0});
    m_subrayado = subrayado;
}

void ImpresoraGrabadora::ImprimeLinea(const std::string &linea)
{
    Graba(TipoOperacion::Linea, linea, {m_tamano, m_negrita ? 1.0 : 0.0, m_subrayado ? 1.0 : 0.0});
    m_y += AltoLinea();
}

void ImpresoraGrabadora::PonPosicionVertical(double y)
{
    Graba(TipoOperacion::PosicionVertical, {}, {y});
    m_y = y;
}

void ImpresoraGrabadora::PonGrosorLapiz(int puntos)
{
    Graba(TipoOperacion::GrosorLapiz, {}, {static_cast<double>(puntos)});
}

void ImpresoraGrabadora::Linea(double x1, double y1, double x2, double y2, std::uint32_t color)
{
    Graba(TipoOperacion::Recta, std::to_string(color), {x1, y1, x2, y2});
}

int ImpresoraGrabadora::Imagen(TipoOperacion tipo, const std::string &fichero,
                               std::array<double, 4> valores)
{
    OperacionImpresora &operacion = Graba(tipo, fichero, valores);
    if (!m_fallosImagen.empty()) {
        operacion.error = m_fallosImagen.front();
        m_fallosImagen.pop_front();
    }
    return operacion.error;
}

int ImpresoraGrabadora::DibujaImagen(const std::string &fichero, double x, double y)
{
    return Imagen(TipoOperacion::Imagen, fichero, {x, y});
}

int ImpresoraGrabadora::DibujaImagenEnRectangulo(const std::string &fichero, double x, double y,
                                                 double ancho, double alto)
{
    return Imagen(TipoOperacion::ImagenEnRectangulo, fichero, {x, y, ancho, alto});
}

void ImpresoraGrabadora::NuevaPagina()
{
    Graba(TipoOperacion::NuevaPagina);
    ++m_pagina;
    m_y = 0;
}

int ImpresoraGrabadora::FinDocumento()
{
    OperacionImpresora &operacion = Graba(TipoOperacion::FinDocumento);
    operacion.error = m_falloFin;
    m_falloFin = SinErrorImpresora;
    m_pagina = 1;
    m_y = 0;
    return operacion.error;
}

std::vector<std::string> ImpresoraGrabadora::descripciones() const
{
    std::vector<std::string> textos;
    textos.reserve(m_operaciones.size());
    for (const OperacionImpresora &operacion : m_operaciones) {
        textos.push_back(operacion.Describe());
    }
    return textos;
}

std::vector<std::string> ImpresoraGrabadora::lineas() const
{
    std::vector<std::string> textos;
    for (const OperacionImpresora &operacion : m_operaciones) {
        if (operacion.tipo == TipoOperacion::Linea) {
            textos.push_back(operacion.texto);
        }
    }
    return textos;
}

std::vector<std::string> ImpresoraGrabadora::lineas(int pagina) const
{
    std::vector<std::string> textos;
    for (const OperacionImpresora &operacion : m_operaciones) {
        if (operacion.tipo == TipoOperacion::Linea && operacion.pagina == pagina) {
            textos.push_back(operacion.texto);
        }
    }
    return textos;
}

} // namespace dravek::pruebas
