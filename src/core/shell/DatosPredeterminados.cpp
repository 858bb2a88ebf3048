#include "core/shell/DatosPredeterminados.h"

#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/model/Utf8.h"
#include "core/validation/FuncionesGenerales.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace dravek {

namespace {

// Texts of the messages about the default-data files.
constexpr std::int32_t TextoExcedidoTamano = 395;
constexpr std::int32_t TextoDeDimensiones = 396;
constexpr std::int32_t TextoDeArmaduras = 397;
constexpr std::int32_t TextoNoExisteFichero = 398;
constexpr std::int32_t TextoErrorNumero = 399;
constexpr std::int32_t TextoErrorFormato = 401;

// Error numbers of the old runtime: a file that exists but cannot be opened (a folder of that
// name, no permission) is its "Path/File access error"; a failure to read a file once open is
// its "Device I/O error".
constexpr int ErrorAccesoFichero = 75;
constexpr int ErrorLecturaDispositivo = 57;

constexpr int LineasCabeceraGeometria = 3;
constexpr int CampoAncho = 4; // characters of every number of "LUR#GM"
constexpr int Grupos = 5;
constexpr double PasoArmaduraDefecto = 5.0; // cm2/m

// Bytes of one line at most: far more than the 79 characters of a row of "LUR#GM", even in
// four-byte characters and with a remark after them. A longer line, like more lines than the
// table takes, makes the file too long: it is not read further, so that a device or a pipe
// that never ends is not read for ever.
constexpr std::size_t LongitudMaximaLinea = 4096;

enum class Apertura { Leido, NoExiste, Fallo };

struct FicheroLeido {
    Apertura apertura = Apertura::Leido;
    int error = 0; // old runtime's error number when apertura is Fallo
    bool fallaLectura = false;
    std::vector<std::string> lineas;
    // More lines than were asked for, or a line longer than LongitudMaximaLinea; the head of
    // such a line is in lineaCortada.
    bool demasiadoLargo = false;
    std::string lineaCortada;
};

// Splits bytes into lines as they arrive. Lines end in "\n" or "\r\n"; a line end at the very
// end opens no further line, so only a real empty line reads as one. A UTF-8 byte-order mark
// is not part of the first line.
class PartidorLineas {
public:
    PartidorLineas(FicheroLeido &fichero, std::size_t maximoLineas)
        : m_fichero(fichero), m_maximoLineas(maximoLineas)
    {
    }

    // False once the file has proved too long: nothing more is taken.
    bool Anade(std::string_view bytes)
    {
        for (const char c : bytes) {
            if (!m_marcaDecidida) {
                m_inicio += c;
                if (m_inicio == MarcaOrden) {
                    m_marcaDecidida = true;
                } else if (!MarcaOrden.starts_with(m_inicio)) {
                    m_marcaDecidida = true;
                    if (!AnadeBytes(m_inicio)) {
                        return false;
                    }
                }
                continue;
            }
            if (!AnadeByte(c)) {
                return false;
            }
        }
        return true;
    }

    void Termina()
    {
        if (!m_marcaDecidida) {
            m_marcaDecidida = true;
            if (!AnadeBytes(m_inicio)) {
                return;
            }
        }
        if (m_abierta) {
            CierraLinea();
        }
    }

private:
    static constexpr std::string_view MarcaOrden = "\xEF\xBB\xBF";

    bool AnadeBytes(std::string_view bytes)
    {
        for (const char c : bytes) {
            if (!AnadeByte(c)) {
                return false;
            }
        }
        return true;
    }

    bool AnadeByte(char c)
    {
        if (!m_abierta) {
            if (m_fichero.lineas.size() >= m_maximoLineas) {
                m_fichero.demasiadoLargo = true;
                return false;
            }
            m_abierta = true;
            m_linea.clear();
        }
        if (c == '\n') {
            CierraLinea();
            return true;
        }
        if (m_linea.size() >= LongitudMaximaLinea) {
            m_fichero.demasiadoLargo = true;
            m_fichero.lineaCortada = m_linea;
            return false;
        }
        m_linea += c;
        return true;
    }

    void CierraLinea()
    {
        if (m_linea.ends_with('\r')) {
            m_linea.pop_back();
        }
        m_fichero.lineas.push_back(m_linea);
        m_abierta = false;
    }

    FicheroLeido &m_fichero;
    std::size_t m_maximoLineas;
    bool m_marcaDecidida = false;
    std::string m_inicio;
    bool m_abierta = false;
    std::string m_linea;
};

// Reads at most maximoLineas lines of the file, each of LongitudMaximaLinea bytes at most.
FicheroLeido LeeFichero(const std::filesystem::path &ruta, std::size_t maximoLineas)
{
    FicheroLeido fichero;
    std::error_code ec;
    const auto estado = std::filesystem::status(ruta, ec);
    if (estado.type() == std::filesystem::file_type::not_found) {
        fichero.apertura = Apertura::NoExiste;
        return fichero;
    }
    if (ec || std::filesystem::is_directory(estado)) {
        fichero.apertura = Apertura::Fallo;
        fichero.error = ErrorAccesoFichero;
        return fichero;
    }
    std::ifstream entrada(ruta, std::ios::binary);
    if (!entrada.is_open()) {
        fichero.apertura = Apertura::Fallo;
        fichero.error = ErrorAccesoFichero;
        return fichero;
    }
    PartidorLineas partidor(fichero, maximoLineas);
    std::array<char, 16384> bloque{};
    while (entrada.read(bloque.data(), bloque.size()) || entrada.gcount() > 0) {
        if (!partidor.Anade(
                std::string_view(bloque.data(), static_cast<std::size_t>(entrada.gcount())))) {
            return fichero;
        }
        if (!entrada) {
            break;
        }
    }
    if (entrada.bad()) {
        fichero.fallaLectura = true;
        fichero.lineas.clear();
        return fichero;
    }
    partidor.Termina();
    return fichero;
}

// Characters of a UTF-8 line, each as its bytes; a byte that starts no valid sequence (a file
// saved in a one-byte code page) counts as one character.
std::vector<std::string_view> Caracteres(std::string_view linea)
{
    std::vector<std::string_view> caracteres;
    std::size_t i = 0;
    while (i < linea.size()) {
        const std::size_t largo = LongitudCaracterUtf8(linea, i);
        caracteres.push_back(linea.substr(i, largo));
        i += largo;
    }
    return caracteres;
}

// Characters inicio (from 1) to inicio + largo - 1, as many as the line holds.
std::string Medio(const std::vector<std::string_view> &caracteres, int inicio, int largo)
{
    std::string texto;
    for (int p = inicio; p < inicio + largo && p <= static_cast<int>(caracteres.size()); ++p) {
        texto += caracteres[static_cast<std::size_t>(p - 1)];
    }
    return texto;
}

bool EnBlanco(std::string_view texto)
{
    return texto.find_first_not_of(' ') == std::string_view::npos;
}

ErrorDatosPredeterminados Fallo(std::string texto)
{
    ErrorDatosPredeterminados error;
    error.hayError = true;
    error.texto = std::move(texto);
    return error;
}

ErrorDatosPredeterminados NoExiste(std::int32_t desplazamiento, const std::string &nombre)
{
    return Fallo(Texto(desplazamiento, TextoNoExisteFichero) + " " + nombre);
}

ErrorDatosPredeterminados FalloApertura(std::int32_t desplazamiento, int error,
                                        const std::string &nombre)
{
    return Fallo(Texto(desplazamiento, TextoErrorNumero) + std::to_string(error) + "\n" +
                 Texto(desplazamiento, TextoAlAbrirFichero) + " " + nombre);
}

ErrorDatosPredeterminados FalloDecodificacion(std::int32_t desplazamiento, int error,
                                              const std::string &nombre)
{
    return Fallo(Texto(desplazamiento, TextoErrorNumero) + std::to_string(error) + "\n" +
                 Texto(desplazamiento, TextoAlDecodificarFichero) + " " + nombre);
}

// Text 401 names "LUR#GM" itself; the message names the file concerned in its place, once, so
// that an error in "LUR#ES" does not point at the geometry file. A translation that does not
// hold the name gets the file's name after it.
ErrorDatosPredeterminados FalloFormato(std::int32_t desplazamiento, const std::string &nombre)
{
    std::string texto = Texto(desplazamiento, TextoErrorFormato);
    const std::string_view nombreEnTexto = FicheroGeometria;
    const auto posicion = texto.find(nombreEnTexto);
    if (posicion == std::string::npos) {
        texto += " " + nombre;
    } else {
        texto.replace(posicion, nombreEnTexto.size(), nombre);
    }
    return Fallo(std::move(texto));
}

ErrorDatosPredeterminados FalloConversion(std::int32_t desplazamiento, ErrorConversion error,
                                          const std::string &nombre)
{
    if (error == ErrorConversion::TipoIncorrecto) {
        return FalloFormato(desplazamiento, nombre);
    }
    return FalloDecodificacion(desplazamiento, static_cast<int>(error), nombre);
}

ErrorDatosPredeterminados FalloTamano(std::int32_t desplazamiento, std::int32_t queTabla)
{
    ErrorDatosPredeterminados error =
        Fallo(Texto(desplazamiento, TextoExcedidoTamano) + "\n" + Texto(desplazamiento, queTabla));
    error.icono = IconoMensaje::Critico;
    error.titulo = Texto(desplazamiento, TextoAviso);
    return error;
}

ErrorDatosPredeterminados FalloFichero(std::int32_t desplazamiento, const FicheroLeido &fichero,
                                       const std::string &nombre)
{
    if (fichero.apertura == Apertura::Fallo) {
        return FalloApertura(desplazamiento, fichero.error, nombre);
    }
    // A read error once the file is open has no message of its own: it is reported as a file
    // that could not be decoded, with the runtime's I/O error number.
    return FalloDecodificacion(desplazamiento, ErrorLecturaDispositivo, nombre);
}

} // namespace

ErrorDatosPredeterminados LeeGeometriaPredeterminada(const std::string &RutaAplicacion,
                                                     const EstadoEjecucion &ejecucion,
                                                     TablasPredeterminadas &tablas)
{
    const std::int32_t desplazamiento = ejecucion.DesplazamientoIdioma;
    const std::string nombre = FicheroGeometria;
    tablas.NumeroDimensiones = 0;

    // One line more than the header and the table hold is already too many.
    const FicheroLeido fichero =
        LeeFichero(std::filesystem::path(RutaAplicacion) / nombre,
                   LineasCabeceraGeometria + TablasPredeterminadas::MaxFilas);
    if (fichero.apertura == Apertura::NoExiste) {
        return NoExiste(desplazamiento, nombre);
    }
    if (fichero.apertura == Apertura::Fallo || fichero.fallaLectura) {
        return FalloFichero(desplazamiento, fichero, nombre);
    }

    const std::string &separador = ejecucion.SeparadorDecimalLocal;
    for (std::size_t n = LineasCabeceraGeometria; n < fichero.lineas.size(); ++n) {
        const std::vector<std::string_view> caracteres = Caracteres(fichero.lineas[n]);
        std::array<std::int32_t, 17> fila{};
        std::array<std::string, 6> marcas{};

        // The diameter has no blank test: a blank or missing diameter is a format error.
        const Entero16 diametro = ConvierteEntero16(Medio(caracteres, 1, CampoAncho), separador);
        if (diametro.error != ErrorConversion::Ninguno) {
            return FalloConversion(desplazamiento, diametro.error, nombre);
        }
        fila[1] = diametro.valor;

        // Group g: marker at 5 + 15 (g - 1), then three numbers five positions apart, into
        // columns 3 g - 1 to 3 g + 1. A blank or missing number is 0.
        for (int g = 1; g <= Grupos; ++g) {
            const int posicionMarca = 5 + 15 * (g - 1);
            marcas[static_cast<std::size_t>(g)] = Medio(caracteres, posicionMarca, 1);
            for (int k = 0; k < 3; ++k) {
                const std::string campo = Medio(caracteres, posicionMarca + 1 + 5 * k, CampoAncho);
                if (EnBlanco(campo)) {
                    continue;
                }
                const Entero16 valor = ConvierteEntero16(campo, separador);
                if (valor.error != ErrorConversion::Ninguno) {
                    return FalloConversion(desplazamiento, valor.error, nombre);
                }
                fila[static_cast<std::size_t>(3 * g - 1 + k)] = valor.valor;
            }
        }

        ++tablas.NumeroDimensiones;
        const auto r = static_cast<std::size_t>(tablas.NumeroDimensiones);
        tablas.DimensionesPredeterminadas[r] = fila;
        tablas.MarcasDimensiones[r] = marcas;
    }
    if (fichero.demasiadoLargo) {
        return FalloTamano(desplazamiento, TextoDeDimensiones);
    }
    return {};
}

ErrorDatosPredeterminados LeeArmadurasPredeterminadas(const std::string &RutaAplicacion,
                                                      const EstadoEjecucion &ejecucion,
                                                      TablasPredeterminadas &tablas)
{
    const std::int32_t desplazamiento = ejecucion.DesplazamientoIdioma;
    const std::string nombre = FicheroArmaduras;
    tablas.NumeroArmadurasInternas = 0;

    const FicheroLeido fichero = LeeFichero(std::filesystem::path(RutaAplicacion) / nombre,
                                            TablasPredeterminadas::MaxFilas);
    if (fichero.apertura == Apertura::Fallo || fichero.fallaLectura) {
        return FalloFichero(desplazamiento, fichero, nombre);
    }
    for (const std::string &linea : fichero.lineas) {
        const Entero16 valor = ConvierteEntero16(linea, ejecucion.SeparadorDecimalLocal);
        if (valor.error != ErrorConversion::Ninguno) {
            return FalloConversion(desplazamiento, valor.error, nombre);
        }
        ++tablas.NumeroArmadurasInternas;
        tablas.ArmadurasInternasPredeterminadas[static_cast<std::size_t>(
            tablas.NumeroArmadurasInternas)] = valor.valor;
    }
    if (fichero.demasiadoLargo) {
        return FalloTamano(desplazamiento, TextoDeArmaduras);
    }

    if (tablas.NumeroArmadurasInternas == 0) {
        for (int i = 1; i <= TablasPredeterminadas::MaxFilas; ++i) {
            tablas.ArmadurasInternasPredeterminadas[static_cast<std::size_t>(i)] =
                PasoArmaduraDefecto * i;
        }
        tablas.NumeroArmadurasInternas = TablasPredeterminadas::MaxFilas;
    }
    return {};
}

ErrorDatosPredeterminados LeeLimiteAnchoZanja(const std::string &RutaAplicacion,
                                              const EstadoEjecucion &ejecucion,
                                              TablasPredeterminadas &tablas)
{
    const std::int32_t desplazamiento = ejecucion.DesplazamientoIdioma;
    const std::string nombre = FicheroAnchoZanja;
    tablas.LimiteAnchoZanja = 0;

    // Only the start of the first line is read; the rest of the file does not matter.
    const FicheroLeido fichero = LeeFichero(std::filesystem::path(RutaAplicacion) / nombre, 1);
    if (fichero.apertura == Apertura::NoExiste) {
        return {};
    }
    if (fichero.apertura == Apertura::Fallo || fichero.fallaLectura) {
        return FalloFichero(desplazamiento, fichero, nombre);
    }
    const std::string &primera =
        fichero.lineas.empty() ? fichero.lineaCortada : fichero.lineas.front();
    if (primera.empty()) {
        return {};
    }
    const std::string factor = Medio(Caracteres(primera), 1, 2);
    if (EnBlanco(factor)) {
        return {};
    }
    // Two characters that are not a number ("ab") get the format message of the other files,
    // naming this one.
    const Entero16 valor = ConvierteEntero16(factor, ejecucion.SeparadorDecimalLocal);
    if (valor.error != ErrorConversion::Ninguno) {
        return FalloConversion(desplazamiento, valor.error, nombre);
    }
    tablas.LimiteAnchoZanja = valor.valor;
    return {};
}

} // namespace dravek
