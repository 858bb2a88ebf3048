#include "core/listing/Depuracion.h"

#include <array>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "core/model/Utf8.h"

namespace dravek {

namespace {

// Significant digits of the general format.
constexpr int DigitosGenerales = 15;

} // namespace

std::string NumeroGeneral(double valor, std::string_view separadorDecimal)
{
    // -0 is written as 0, as the old format did.
    if (valor == 0) {
        valor = 0;
    }
    // The C "%.15G" rule; to_chars never looks at the locale.
    std::array<char, 64> buffer{};
    const auto [fin, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), valor,
                                            std::chars_format::general, DigitosGenerales);
    std::string texto = error == std::errc{} ? std::string(buffer.data(), fin) : std::string("0");
    for (char &c : texto) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }

    // ".25" and "-.25": no zero before the separator of a number below 1.
    if (texto.rfind("0.", 0) == 0) {
        texto.erase(0, 1);
    } else if (texto.rfind("-0.", 0) == 0) {
        texto.erase(1, 1);
    }
    const std::size_t punto = texto.find('.');
    if (punto != std::string::npos) {
        texto.replace(punto, 1, separadorDecimal);
    }
    return texto;
}

LineaDepuracion::LineaDepuracion(std::string_view separadorDecimal, int columnaInicial)
    : m_separador(separadorDecimal)
{
    const int blancos = columnaInicial > 1 ? columnaInicial - 1 : 0;
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
    const bool negativo = std::signbit(valor) && valor != 0;
    std::string numero = negativo ? std::string() : std::string(" ");
    numero += NumeroGeneral(valor, m_separador);
    numero += ' ';
    return Anade(std::string_view(numero));
}

LineaDepuracion &LineaDepuracion::SiguienteZona()
{
    const auto ancho = static_cast<std::size_t>(AnchoZonaDepuracion);
    const std::size_t siguiente = (m_columnas / ancho + 1) * ancho;
    m_linea.append(siguiente - m_columnas, ' ');
    m_columnas = siguiente;
    return *this;
}

FicheroDepuracion::FicheroDepuracion(std::string carpeta) : m_carpeta(std::move(carpeta))
{
    m_ruta = (std::filesystem::path(m_carpeta) / std::string(NombreFicheroDepuracion)).string();
}

bool FicheroDepuracion::Reinicia()
{
    m_lineasPerdidas = 0;
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_carpeta), error);
    std::ofstream fichero(m_ruta, std::ios::binary | std::ios::trunc);
    fichero.close();
    return !fichero.fail();
}

void FicheroDepuracion::EscribeLinea(const std::string &linea)
{
    std::ofstream fichero(m_ruta, std::ios::binary | std::ios::app);
    fichero << linea << "\r\n";
    fichero.close();
    if (fichero.fail()) {
        ++m_lineasPerdidas;
    }
}

} // namespace dravek
