#include "core/listing/Depuracion.h"

#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "core/listing/DigitosDecimales.h"
#include "core/model/Utf8.h"

namespace dravek {

namespace {

// Below 1E-04 or from 1E+15 up (the 15 significant digits) a number is written with an exponent.
constexpr int ExponenteMinimoFijo = -4;

// Appends the general format of valor; true when the decimal separator is part of it. A NaN or
// an infinity, which no calculation should hand over, is written as the library writes it, in
// capitals ("NAN", "INF").
bool AnadeNumeroGeneral(std::string &destino, double valor, std::string_view separadorDecimal)
{
    if (!std::isfinite(valor)) {
        std::array<char, 16> texto{};
        const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                       std::chars_format::general, DigitosSignificativos);
        for (const char *p = texto.data(); p != fin.ptr; ++p) {
            const char c = *p;
            destino.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
        }
        return false;
    }
    // -0 is written as 0, as the old format did.
    if (valor == 0) {
        destino.push_back('0');
        return false;
    }
    if (valor < 0) {
        destino.push_back('-');
    }
    // The C "%.15G" rule on the 15 significant digits, trailing zeros dropped.
    const DigitosDecimales quince = QuinceDigitos(std::fabs(valor));
    const std::string_view digitos(quince.digitos.data(),
                                   static_cast<std::size_t>(quince.cuantos));
    const int x = quince.exponente;
    bool conSeparador = false;
    if (x < ExponenteMinimoFijo || x >= DigitosSignificativos) {
        destino.push_back(digitos[0]);
        conSeparador = digitos.size() > 1;
        if (conSeparador) {
            destino.append(separadorDecimal);
            destino.append(digitos.substr(1));
        }
        destino.push_back('E');
        destino.push_back(x < 0 ? '-' : '+');
        std::array<char, 8> exponente{};
        const auto fin =
            std::to_chars(exponente.data(), exponente.data() + exponente.size(), x < 0 ? -x : x);
        if (fin.ptr - exponente.data() < 2) {
            destino.push_back('0');
        }
        destino.append(exponente.data(), fin.ptr);
    } else if (x < 0) {
        // ".25": no zero before the separator of a number below 1.
        conSeparador = true;
        destino.append(separadorDecimal);
        destino.append(static_cast<std::size_t>(-x - 1), '0');
        destino.append(digitos);
    } else {
        const auto enteros = static_cast<std::size_t>(x) + 1;
        if (digitos.size() <= enteros) {
            destino.append(digitos);
            destino.append(enteros - digitos.size(), '0');
        } else {
            conSeparador = true;
            destino.append(digitos.substr(0, enteros));
            destino.append(separadorDecimal);
            destino.append(digitos.substr(enteros));
        }
    }
    return conSeparador;
}

} // namespace

std::string NumeroGeneral(double valor, std::string_view separadorDecimal)
{
    std::string texto;
    AnadeNumeroGeneral(texto, valor, separadorDecimal);
    return texto;
}

LineaDepuracion::LineaDepuracion(std::string_view separadorDecimal, int columnaInicial)
    : m_separador(separadorDecimal),
      m_bytesDeMasSeparador(separadorDecimal.size() - CuentaCaracteresUtf8(separadorDecimal))
{
    const int blancos = columnaInicial > 1 ? columnaInicial - 1 : 0;
    m_linea.reserve(128);
    m_linea.assign(static_cast<std::size_t>(blancos), ' ');
    m_columnas = static_cast<std::size_t>(blancos);
}

LineaDepuracion &LineaDepuracion::Anade(std::string_view texto)
{
    m_linea.append(texto);
    m_columnas += CuentaCaracteresUtf8(texto);
    return *this;
}

LineaDepuracion &LineaDepuracion::Anade(double valor)
{
    const std::size_t inicio = m_linea.size();
    if (!(std::signbit(valor) && valor != 0)) {
        m_linea.push_back(' ');
    }
    const bool conSeparador = AnadeNumeroGeneral(m_linea, valor, m_separador);
    m_linea.push_back(' ');
    // Every character of a number is one byte, but those of the separator.
    m_columnas += m_linea.size() - inicio - (conSeparador ? m_bytesDeMasSeparador : 0);
    return *this;
}

LineaDepuracion &LineaDepuracion::SiguienteZona()
{
    const auto ancho = static_cast<std::size_t>(AnchoZonaDepuracion);
    const std::size_t siguiente = (m_columnas / ancho + 1) * ancho;
    m_linea.append(siguiente - m_columnas, ' ');
    m_columnas = siguiente;
    return *this;
}

FicheroDepuracion::FicheroDepuracion(std::string carpeta, std::size_t bloque)
    : m_carpeta(std::move(carpeta)), m_bloque(bloque)
{
    m_ruta = (std::filesystem::path(m_carpeta) / std::string(NombreFicheroDepuracion)).string();
}

FicheroDepuracion::~FicheroDepuracion()
{
    Cierra();
}

bool FicheroDepuracion::Reinicia()
{
    Cierra();
    m_lineasPerdidas = 0;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_carpeta), error);
    std::ofstream fichero(m_ruta, std::ios::binary | std::ios::trunc);
    fichero.close();
    return !fichero.fail();
}

bool FicheroDepuracion::Abre()
{
    // Emptied and closed first, then opened to append: a file rewritten through the handle that
    // truncated it is forced to disk when that handle closes on some file systems (ext4), which
    // would cost a one-case command more than its calculation.
    m_sinFichero = !Reinicia();
    if (!m_sinFichero) {
        m_fichero.clear();
        m_fichero.open(m_ruta, std::ios::binary | std::ios::app);
        m_sinFichero = !m_fichero.is_open();
    }
    return !m_sinFichero;
}

bool FicheroDepuracion::Cierra()
{
    if (!m_fichero.is_open()) {
        const bool abierto = !m_sinFichero;
        m_sinFichero = false;
        return abierto;
    }
    Vuelca();
    m_fichero.close();
    m_pendiente = std::string();
    return m_lineasPerdidas == 0;
}

void FicheroDepuracion::Vuelca()
{
    if (!m_pendiente.empty()) {
        m_fichero.write(m_pendiente.data(), static_cast<std::streamsize>(m_pendiente.size()));
        m_fichero.flush();
    }
    if (m_fichero.fail()) {
        m_lineasPerdidas += m_lineasPendientes;
    }
    m_pendiente.clear();
    m_lineasPendientes = 0;
}

void FicheroDepuracion::EscribeLinea(const std::string &linea)
{
    if (m_fichero.is_open()) {
        m_pendiente.append(linea);
        m_pendiente.append("\r\n");
        ++m_lineasPendientes;
        if (m_pendiente.size() >= m_bloque) {
            Vuelca();
        }
        return;
    }
    if (m_sinFichero) {
        ++m_lineasPerdidas;
        return;
    }
    std::ofstream fichero(m_ruta, std::ios::binary | std::ios::app);
    fichero << linea << "\r\n";
    fichero.close();
    if (fichero.fail()) {
        ++m_lineasPerdidas;
    }
}

} // namespace dravek
