#include "core/listing/Depuracion.h"

#include "core/listing/DigitosDecimales.h"
#include "core/model/Utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace dravek {

namespace {

// Below 1E-04 or from 1E+15 up (the 15 significant digits) a number is written with an exponent.
constexpr int ExponenteMinimoFijo = -4;

// Room for a number in general format but its separator: a minus sign, 15 digits, up to three
// zeros after the separator, an exponent of up to five characters, and the spare bytes of the
// fixed-size copies below.
constexpr std::size_t BytesNumeroGeneral = 48;

// Room kept after the text of a debug line, so that its items are written in place.
constexpr std::size_t HolguraLinea = 128;

// A separator up to this long lets a number of a debug line be laid out in a buffer of its own.
constexpr std::size_t SeparadorCorto = 8;

// Copies the first cuantos of 16 bytes: a fixed-size copy is a couple of moves, where one of a
// varying size is a call. The bytes past cuantos are written too and left to be overwritten.
char *CopiaCifras(char *texto, const char *digitos, std::size_t cuantos)
{
    std::memcpy(texto, digitos, 16);
    return texto + cuantos;
}

// Writes the general format of a finite valor from texto on (BytesNumeroGeneral bytes and the
// separator at most) and returns the end; conSeparador tells whether the separator is part of
// it.
char *EscribeNumeroGeneral(char *texto, double valor, std::string_view separadorDecimal,
                           bool &conSeparador)
{
    conSeparador = false;
    // -0 is written as 0, as the old format did.
    if (valor == 0) {
        *texto++ = '0';
        return texto;
    }
    if (valor < 0) {
        *texto++ = '-';
    }
    // A whole number below 1E+15 is its own 15-digit form: its digits are written straight.
    // Most numbers of the debug lines are counts and codes.
    const double magnitud = std::fabs(valor);
    if (magnitud < EnteroMaximoDirecto) {
        // Below 1E+15 dropping the fraction is exact.
        const auto entero = static_cast<std::uint64_t>(magnitud);
        if (static_cast<double>(entero) == magnitud) {
            return std::to_chars(texto, texto + DigitosSignificativos, entero).ptr;
        }
    }
    // The C "%.15G" rule on the 15 significant digits, trailing zeros dropped.
    const DigitosDecimales quince = QuinceDigitos(magnitud);
    const char *digitos = quince.digitos.data();
    const auto cuantos = static_cast<std::size_t>(quince.cuantos);
    const int x = quince.exponente;
    const auto separador = [&](char *p) {
        conSeparador = true;
        if (separadorDecimal.size() == 1) {
            *p = separadorDecimal[0];
            return p + 1;
        }
        return std::copy(separadorDecimal.begin(), separadorDecimal.end(), p);
    };
    if (x < ExponenteMinimoFijo || x >= DigitosSignificativos) {
        *texto++ = digitos[0];
        if (cuantos > 1) {
            texto = separador(texto);
            texto = CopiaCifras(texto, digitos + 1, cuantos - 1);
        }
        *texto++ = 'E';
        *texto++ = x < 0 ? '-' : '+';
        int e = x < 0 ? -x : x;
        constexpr int Cien = 100;
        constexpr int Diez = 10;
        if (e >= Cien) {
            *texto++ = static_cast<char>('0' + e / Cien);
            e %= Cien;
        }
        *texto++ = static_cast<char>('0' + e / Diez);
        *texto++ = static_cast<char>('0' + e % Diez);
        return texto;
    }
    if (x < 0) {
        // ".25": no zero before the separator of a number below 1.
        texto = separador(texto);
        std::memcpy(texto, "000", 3);
        texto += -x - 1;
        return CopiaCifras(texto, digitos, cuantos);
    }
    // The places from cuantos on hold '0': the integer part is copied whole either way.
    const auto enteros = static_cast<std::size_t>(x) + 1;
    texto = CopiaCifras(texto, digitos, enteros);
    if (cuantos <= enteros) {
        return texto;
    }
    texto = separador(texto);
    return CopiaCifras(texto, digitos + enteros, cuantos - enteros);
}

// Appends the general format of valor, between antes and despues (a blank each, or nothing);
// true when the decimal separator is part of it. A NaN or an infinity, which no calculation
// should hand over, is written as the library writes it, in capitals ("NAN", "INF").
bool AnadeNumeroGeneral(std::string &destino, double valor, std::string_view separadorDecimal,
                        std::string_view antes = {}, std::string_view despues = {})
{
    if (!std::isfinite(valor)) {
        destino.append(antes);
        std::array<char, 16> texto{};
        const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                       std::chars_format::general, DigitosSignificativos);
        for (const char *p = texto.data(); p != fin.ptr; ++p) {
            const char c = *p;
            destino.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
        }
        destino.append(despues);
        return false;
    }
    bool conSeparador = false;
    // Written in place at the end of the text, which is then cut to what was written.
    destino.append(antes);
    const std::size_t inicio = destino.size();
    destino.resize(inicio + BytesNumeroGeneral + separadorDecimal.size() + despues.size());
    char *fin =
        EscribeNumeroGeneral(destino.data() + inicio, valor, separadorDecimal, conSeparador);
    fin = std::copy(despues.begin(), despues.end(), fin);
    destino.resize(static_cast<std::size_t>(fin - destino.data()));
    return conSeparador;
}

// Bytes of the separator beyond its characters: none for the usual "." or ",", told at once.
std::size_t BytesDeMas(std::string_view separador)
{
    if (separador.size() == 1 && static_cast<unsigned char>(separador[0]) < 0x80U) {
        return 0;
    }
    return separador.size() - CuentaCaracteresUtf8(separador);
}

} // namespace

std::string NumeroGeneral(double valor, std::string_view separadorDecimal)
{
    std::string texto;
    AnadeNumeroGeneral(texto, valor, separadorDecimal);
    return texto;
}

LineaDepuracion::LineaDepuracion(std::string_view separadorDecimal, int columnaInicial)
    : m_separador(separadorDecimal), m_bytesDeMasSeparador(BytesDeMas(separadorDecimal))
{
    const auto blancos = static_cast<std::size_t>(columnaInicial > 1 ? columnaInicial - 1 : 0);
    m_linea.resize(blancos + HolguraLinea);
    std::memset(m_linea.data(), ' ', blancos);
    m_bytes = blancos;
    m_columnas = blancos;
}

LineaDepuracion::LineaDepuracion(std::string &memoria, std::string_view separadorDecimal,
                                 int columnaInicial)
    : m_separador(separadorDecimal), m_bytesDeMasSeparador(BytesDeMas(separadorDecimal)),
      m_memoria(&memoria)
{
    m_linea.swap(memoria);
    const auto blancos = static_cast<std::size_t>(columnaInicial > 1 ? columnaInicial - 1 : 0);
    m_linea.resize(blancos + HolguraLinea);
    std::memset(m_linea.data(), ' ', blancos);
    m_bytes = blancos;
    m_columnas = blancos;
}

// A copy has memory of its own.
LineaDepuracion::LineaDepuracion(const LineaDepuracion &otra)
    : m_separador(otra.m_separador), m_bytesDeMasSeparador(otra.m_bytesDeMasSeparador),
      m_linea(otra.m_linea), m_bytes(otra.m_bytes), m_columnas(otra.m_columnas)
{
}

LineaDepuracion::LineaDepuracion(LineaDepuracion &&otra) noexcept
    : m_separador(std::move(otra.m_separador)), m_bytesDeMasSeparador(otra.m_bytesDeMasSeparador),
      m_linea(std::move(otra.m_linea)), m_bytes(otra.m_bytes), m_columnas(otra.m_columnas),
      m_memoria(otra.m_memoria)
{
    otra.m_memoria = nullptr;
}

LineaDepuracion::~LineaDepuracion()
{
    if (m_memoria != nullptr) {
        m_memoria->swap(m_linea);
    }
}

void LineaDepuracion::Crece(std::size_t n)
{
    m_linea.resize(m_bytes + n + HolguraLinea);
}

LineaDepuracion &LineaDepuracion::Anade(std::string_view texto)
{
    Copia(texto);
    m_columnas += CuentaCaracteresUtf8(texto);
    return *this;
}

LineaDepuracion &LineaDepuracion::AnadeNumero(double valor)
{
    const bool conMenos = std::signbit(valor) && valor != 0;
    if (std::isfinite(valor) && m_separador.size() <= SeparadorCorto) {
        // The usual number, written in place.
        char *const inicio = Sitio(1 + BytesNumeroGeneral + SeparadorCorto + 1);
        char *fin = inicio;
        if (!conMenos) {
            *fin++ = ' ';
        }
        bool conSeparador = false;
        fin = EscribeNumeroGeneral(fin, valor, m_separador, conSeparador);
        *fin++ = ' ';
        const auto bytes = static_cast<std::size_t>(fin - inicio);
        m_bytes += bytes;
        // Every character of a number is one byte, but those of the separator.
        m_columnas += bytes - (conSeparador ? m_bytesDeMasSeparador : 0);
        return *this;
    }
    std::string numero;
    const bool conSeparador =
        AnadeNumeroGeneral(numero, valor, m_separador, conMenos ? "" : " ", " ");
    Copia(numero);
    m_columnas += numero.size() - (conSeparador ? m_bytesDeMasSeparador : 0);
    return *this;
}

LineaDepuracion &LineaDepuracion::SiguienteZona()
{
    const auto ancho = static_cast<std::size_t>(AnchoZonaDepuracion);
    const std::size_t siguiente = (m_columnas / ancho + 1) * ancho;
    // A whole zone of blanks, of which the line keeps what it needs.
    std::memset(Sitio(ancho), ' ', ancho);
    m_bytes += siguiente - m_columnas;
    m_columnas = siguiente;
    return *this;
}

FicheroDepuracion::FicheroDepuracion(std::string carpeta, std::size_t bloque)
    : m_carpeta(std::move(carpeta)), m_bloque(bloque)
{
    m_ruta = (std::filesystem::path(m_carpeta) / std::string(NombreFicheroDepuracion)).string();
    // The block and a long line, asked for once and written over now, at start-up, and kept
    // from command to command: grown by doubling, the block would be copied and its memory
    // touched twice over, and memory first written during a command costs that command a page
    // fault a page, which the first command of a session would pay alone.
    m_pendiente.reserve(m_bloque + LineaLarga);
    m_pendiente.resize(m_pendiente.capacity());
    m_pendiente.clear();
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
    m_pendiente.clear();
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
