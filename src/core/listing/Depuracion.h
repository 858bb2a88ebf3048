#pragma once

// The debug file of the calculation ("Debugzuk_cal.txt") and the layout of its lines: items
// written one after the other from column 10, numbers in the general format of the old
// Print # statement, print zones of 14 columns. Nothing here depends on the C locale.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

namespace dravek {

// The debug file of the ring analysis and the reinforced-concrete design ("Debugzuk_cal.txt").
// A line that cannot be written is dropped: the debug file never stops a calculation.
class DepuracionCalculo {
public:
    virtual ~DepuracionCalculo() = default;
    virtual void EscribeLinea(const std::string &linea) = 0;

    // False when no debug file is being written: the callers then do not build their lines at
    // all, as formatting them costs a case about as much as its arithmetic.
    virtual bool Activa() const { return true; }
};

inline constexpr std::string_view NombreFicheroDepuracion = "Debugzuk_cal.txt";

// The whole numbers below this have 15 digits at most.
inline constexpr double EnteroMaximoDirecto = 1e15;

// Width of a print zone; zones start at columns 1, 15, 29, ...
inline constexpr int AnchoZonaDepuracion = 14;

// Column where every debug line starts (nine blanks before it).
inline constexpr int ColumnaDepuracion = 10;

// A number in general format, without the blanks the line puts around it: at most 15
// significant digits, trailing zeros dropped, no zero before the decimal separator of a number
// below 1 (".25", "-.25"), exponent form for magnitudes of 1E+15 and up or below 1E-04
// ("1E-07", "1.23456789012346E+17"), the decimal separator given.
std::string NumeroGeneral(double valor, std::string_view separadorDecimal);

// One debug line built item by item:
//   LineaDepuracion(sep).Anade(Texto(d, 639)).Anade(vDi).SiguienteZona().Anade(vDE) ...
// A number is written with a blank before it when it is not negative (its minus sign
// otherwise) and one blank after it; a text as it is; SiguienteZona moves to the start of the
// next print zone, always at least one blank on.
class LineaDepuracion {
public:
    explicit LineaDepuracion(std::string_view separadorDecimal,
                             int columnaInicial = ColumnaDepuracion);
    // The same, built in the memory of memoria, which a caller keeps from one line to the next
    // so that a line does not ask for memory of its own; memoria gets it back when the line
    // ends, its text left unspecified.
    LineaDepuracion(std::string &memoria, std::string_view separadorDecimal,
                    int columnaInicial = ColumnaDepuracion);
    LineaDepuracion(const LineaDepuracion &otra);
    LineaDepuracion(LineaDepuracion &&otra) noexcept;
    LineaDepuracion &operator=(const LineaDepuracion &) = delete;
    LineaDepuracion &operator=(LineaDepuracion &&) = delete;
    ~LineaDepuracion();

    LineaDepuracion &Anade(std::string_view texto);
    LineaDepuracion &Anade(const char *texto) { return Anade(std::string_view(texto)); }
    LineaDepuracion &Anade(const std::string &texto) { return Anade(std::string_view(texto)); }
    LineaDepuracion &Anade(double valor)
    {
        // A whole number below 1E+15, the usual item (a count, a code), is its own 15-digit
        // form: written here, a blank or its minus sign in front.
        const double magnitud = std::fabs(valor);
        if (magnitud < EnteroMaximoDirecto) {
            // Below 1E+15 dropping the fraction is exact.
            const auto entero = static_cast<std::uint64_t>(magnitud);
            if (static_cast<double>(entero) == magnitud) {
                constexpr std::size_t Cifras = 15;
                char *const inicio = Sitio(Cifras + 2);
                char *fin = inicio;
                // -0 is written as 0, as the old format did.
                *fin++ = valor < 0 ? '-' : ' ';
                fin = std::to_chars(fin, fin + Cifras, entero).ptr;
                *fin++ = ' ';
                const auto bytes = static_cast<std::size_t>(fin - inicio);
                m_bytes += bytes;
                m_columnas += bytes;
                return *this;
            }
        }
        return AnadeNumero(valor);
    }
    LineaDepuracion &Anade(std::int32_t valor) { return Anade(static_cast<double>(valor)); }
    LineaDepuracion &SiguienteZona();
    // A text whose characters are known: a part of a line kept from an earlier case.
    LineaDepuracion &Anade(std::string_view texto, std::size_t caracteres)
    {
        Copia(texto);
        m_columnas += caracteres;
        return *this;
    }

    const std::string &Linea() const
    {
        m_linea.resize(m_bytes);
        return m_linea;
    }
    // Characters written so far, the blanks the line starts with included.
    std::size_t Caracteres() const { return m_columnas; }

private:
    // Where the next n bytes go: the line is written straight into m_linea, which is kept
    // longer than its text, so that an item costs no call to grow it.
    char *Sitio(std::size_t n)
    {
        if (m_linea.size() - m_bytes < n) {
            Crece(n);
        }
        return m_linea.data() + m_bytes;
    }
    void Crece(std::size_t n);
    LineaDepuracion &AnadeNumero(double valor);
    void Copia(std::string_view texto)
    {
        // An empty view may have no bytes at all, which memcpy may not be given.
        if (!texto.empty()) {
            std::memcpy(Sitio(texto.size()), texto.data(), texto.size());
            m_bytes += texto.size();
        }
    }

    std::string m_separador;
    std::size_t m_bytesDeMasSeparador; // bytes of the separator beyond its characters
    // The text in its first m_bytes bytes, then room; cut to the text when it is asked for.
    mutable std::string m_linea;
    std::size_t m_bytes = 0;
    std::size_t m_columnas = 0;       // characters written so far, the nine blanks included
    std::string *m_memoria = nullptr; // whose memory m_linea holds, given back at the end
};

// The debug file in a folder given by the program (a folder of the user's, writable), each
// line ended by a carriage return and a line feed.
//
// A calculation command opens it for its whole length (GuardaFicheroDepuracion): the file starts
// empty, stays open, and its lines are gathered and written in blocks, then flushed and closed
// when the command ends, whichever way it ends; should the program be killed meanwhile, the
// file may lose its last lines. Outside such a command every line is appended on its own: the
// file is opened and closed for it.
//
// A line that cannot be written is counted and dropped, and a file that cannot be opened is no
// error: the debug file never stops a calculation.
class FicheroDepuracion : public DepuracionCalculo {
public:
    // Bytes gathered before they are written while the file is open.
    static constexpr std::size_t BloquePorDefecto = 64 * 1024;

    explicit FicheroDepuracion(std::string carpeta, std::size_t bloque = BloquePorDefecto);
    ~FicheroDepuracion() override;
    FicheroDepuracion(const FicheroDepuracion &) = delete;
    FicheroDepuracion &operator=(const FicheroDepuracion &) = delete;
    FicheroDepuracion(FicheroDepuracion &&) = delete;
    FicheroDepuracion &operator=(FicheroDepuracion &&) = delete;

    // Starts the file empty: every calculation command does, so that the file holds the lines
    // of the last command only instead of growing for ever. The folder is created when it does
    // not exist yet. False when the file could not be started; the lost-line count restarts.
    bool Reinicia();

    // Starts the file empty, as Reinicia, and keeps it open until Cierra. False when it cannot
    // be opened: until Cierra no debug file is written and Activa is false, so the calculation
    // goes on without building its debug lines.
    bool Abre();

    // Writes the lines gathered and closes the file. False when a line of the command could
    // not be written or the file could not be opened; true, doing nothing, outside a command.
    bool Cierra();

    void EscribeLinea(const std::string &linea) override;
    bool Activa() const override { return !m_sinFichero; }

    // Lines that could not be written since the last Reinicia or Abre.
    std::int64_t LineasPerdidas() const { return m_lineasPerdidas; }
    const std::string &Ruta() const { return m_ruta; }

private:
    void Vuelca();

    // Room beyond the block for the line that overflows it.
    static constexpr std::size_t LineaLarga = 4096;

    std::string m_carpeta;
    std::string m_ruta;
    std::size_t m_bloque;
    std::int64_t m_lineasPerdidas = 0;
    std::ofstream m_fichero;   // open between Abre and Cierra
    bool m_sinFichero = false; // Abre could not open the file
    std::string m_pendiente;   // lines gathered, not yet written
    std::int64_t m_lineasPendientes = 0;
};

// Holds the debug file open for a calculation command: opened (empty) at its start, flushed and
// closed on every way out of the command, an early error return or an exception included.
class GuardaFicheroDepuracion {
public:
    explicit GuardaFicheroDepuracion(FicheroDepuracion &fichero) : m_fichero(fichero)
    {
        m_fichero.Abre();
    }
    ~GuardaFicheroDepuracion() { m_fichero.Cierra(); }
    GuardaFicheroDepuracion(const GuardaFicheroDepuracion &) = delete;
    GuardaFicheroDepuracion &operator=(const GuardaFicheroDepuracion &) = delete;
    GuardaFicheroDepuracion(GuardaFicheroDepuracion &&) = delete;
    GuardaFicheroDepuracion &operator=(GuardaFicheroDepuracion &&) = delete;

private:
    FicheroDepuracion &m_fichero;
};

} // namespace dravek
