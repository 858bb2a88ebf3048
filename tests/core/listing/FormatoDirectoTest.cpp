// The listing numbers are formatted straight from the width and the decimals, and their digits
// found from the shortest form of the value. These tests hold them to the plain rule they
// replace, written out here the long way: the value printed with 15 significant digits (to_chars
// in scientific form with 14 decimals), rounded half away from zero on that text, laid out as
// the mask would. Values are drawn to hit the hard places: halfway points and their neighbours,
// every magnitude, 16- and 17-digit values.

#include "core/listing/Depuracion.h"
#include "core/listing/DigitosDecimales.h"
#include "core/listing/FormatoNumeros.h"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace dravek {
namespace {

// to_chars' 15 significant digits: "d.dddddddddddddde+XX".
struct Referencia15 {
    std::string digitos; // 15 of them
    int exponente = 0;
};

Referencia15 Quince(double magnitud)
{
    std::array<char, 64> texto{};
    const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), magnitud,
                                   std::chars_format::scientific, 14);
    Referencia15 r;
    const char *p = texto.data();
    for (; p != fin.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            r.digitos.push_back(*p);
        }
    }
    ++p;
    if (*p == '+') {
        ++p;
    }
    std::from_chars(p, fin.ptr, r.exponente);
    return r;
}

// The mask formatter as a plain rule: "0.00"-style mask with the given decimals, one integer
// digit at least.
std::string FijoReferencia(double valor, int decimales, const std::string &separador)
{
    const double magnitud = std::fabs(valor);
    std::string digitos;
    if (magnitud == 0) {
        digitos = "0";
    } else {
        const Referencia15 q = Quince(magnitud);
        const int conservados = q.exponente + decimales + 1;
        if (conservados <= 0) {
            digitos.assign(1, conservados == 0 && q.digitos[0] >= '5' ? '1' : '0');
        } else {
            const auto n = static_cast<std::size_t>(conservados);
            std::string d = q.digitos;
            d.resize(std::max(n, d.size()), '0');
            digitos = d.substr(0, n);
            if (n < d.size() && d[n] >= '5') {
                // Decimal addition of one unit in the last place kept.
                int i = static_cast<int>(n) - 1;
                while (i >= 0 && digitos[static_cast<std::size_t>(i)] == '9') {
                    digitos[static_cast<std::size_t>(i--)] = '0';
                }
                if (i < 0) {
                    digitos.insert(0, 1, '1');
                } else {
                    ++digitos[static_cast<std::size_t>(i)];
                }
            }
        }
    }
    const auto nDec = static_cast<std::size_t>(decimales);
    if (digitos.size() < nDec + 1) {
        digitos.insert(0, nDec + 1 - digitos.size(), '0');
    }
    std::string texto;
    if (std::signbit(valor) && digitos.find_first_not_of('0') != std::string::npos) {
        texto.push_back('-');
    }
    texto += digitos.substr(0, digitos.size() - nDec);
    if (nDec > 0) {
        texto += separador + digitos.substr(digitos.size() - nDec);
    }
    return texto;
}

// The "%.15G" general format of the debug lines as a plain rule.
std::string GeneralReferencia(double valor, const std::string &separador)
{
    if (valor == 0) {
        valor = 0;
    }
    std::array<char, 64> texto{};
    const auto fin = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                   std::chars_format::general, 15);
    std::string s(texto.data(), fin.ptr);
    for (char &c : s) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (s.rfind("0.", 0) == 0) {
        s.erase(0, 1);
    } else if (s.rfind("-0.", 0) == 0) {
        s.erase(1, 1);
    }
    const std::size_t punto = s.find('.');
    if (punto != std::string::npos) {
        s.replace(punto, 1, separador);
    }
    return s;
}

std::string Mascara(int decimales)
{
    return decimales > 0 ? "#####0." + std::string(static_cast<std::size_t>(decimales), '0')
                         : std::string("#####0");
}

// Values that stress the rounding: halfway points at each count of decimals and their closest
// neighbours, 16- and 17-digit values, random magnitudes from 1e-9 to 1e17, and the extremes.
std::vector<double> ValoresDificiles()
{
    std::vector<double> valores = {0.0,
                                   -0.0,
                                   2.675,
                                   1.005,
                                   0.125,
                                   9.995,
                                   0.00035,
                                   0.005,
                                   0.0049999999999999,
                                   123456789012345.5,
                                   999999999999999.4,
                                   3999999999999.5,
                                   4e12,
                                   1e15,
                                   1e20,
                                   0.30000000000000004,
                                   std::numeric_limits<double>::denorm_min(),
                                   std::numeric_limits<double>::min(),
                                   std::numeric_limits<double>::max()};
    std::mt19937_64 azar(20240305);
    std::uniform_int_distribution<std::int64_t> entero(0, 99999999);
    std::uniform_real_distribution<double> exponente(-9, 17);
    for (int d = 0; d <= 6; ++d) {
        const double escala = std::pow(10.0, d);
        for (int i = 0; i < 3000; ++i) {
            const double medio = (static_cast<double>(entero(azar) % 1000000) + 0.5) / escala;
            double abajo = medio;
            double arriba = medio;
            for (int k = 0; k < 3; ++k) {
                abajo = std::nextafter(abajo, 0.0);
                arriba = std::nextafter(arriba, 1e300);
                valores.push_back(abajo);
                valores.push_back(arriba);
            }
            valores.push_back(medio);
        }
    }
    for (int i = 0; i < 60000; ++i) {
        valores.push_back(std::pow(10.0, exponente(azar)));
    }
    for (int i = 0; i < 20000; ++i) {
        // 16 and 17 significant digits.
        valores.push_back(static_cast<double>(entero(azar) * 100000000 + entero(azar)) /
                          std::pow(10.0, static_cast<double>(entero(azar) % 20)));
    }
    const std::size_t positivos = valores.size();
    for (std::size_t i = 0; i < positivos; i += 3) {
        valores.push_back(-valores[i]);
    }
    return valores;
}

// QuinceDigitos against the reference for the magnitude of every value but 0; the first ten
// differences are told.
void ComparaQuinceDigitos(const std::vector<double> &valores)
{
    int fallos = 0;
    for (const double v : valores) {
        const double x = std::fabs(v);
        if (x == 0) {
            continue;
        }
        const DigitosDecimales q = QuinceDigitos(x);
        Referencia15 r = Quince(x);
        while (r.digitos.size() > 1 && r.digitos.back() == '0') {
            r.digitos.pop_back();
        }
        const std::string digitos(q.digitos.data(), static_cast<std::size_t>(q.cuantos));
        if (digitos != r.digitos || q.exponente != r.exponente) {
            ADD_FAILURE() << std::hexfloat << x << ": " << digitos << "e" << q.exponente
                          << " instead of " << r.digitos << "e" << r.exponente;
            if (++fallos == 10) {
                return;
            }
        }
    }
}

TEST(FormatoDirecto, QuinceDigitosComoToCharsConCatorceDecimales)
{
    std::mt19937_64 azar(7);
    std::vector<double> valores = ValoresDificiles();
    // Any bit pattern of a finite positive double.
    for (int i = 0; i < 200000; ++i) {
        double x = 0;
        const std::uint64_t bits = azar() & 0x7FFFFFFFFFFFFFFFULL;
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x)) {
            valores.push_back(x);
        }
    }
    ComparaQuinceDigitos(valores);
}

// The 15th digit decided by arithmetic: values on a half of it and their closest neighbours,
// and values that round up to the next power of ten, at every magnitude a calculation writes.
TEST(FormatoDirecto, QuinceDigitosJuntoAlMedioDeLaUltimaCifra)
{
    std::mt19937_64 azar(15);
    std::uniform_int_distribution<std::int64_t> cifras(100000000000000, 999999999999999);
    std::vector<double> valores;
    for (int e = -10; e <= 16; ++e) {
        const double escala = std::pow(10.0, static_cast<double>(e - 15));
        for (int i = 0; i < 400; ++i) {
            const double medio = (static_cast<double>(cifras(azar)) * 10 + 5) * escala;
            double abajo = medio;
            double arriba = medio;
            valores.push_back(medio);
            for (int k = 0; k < 3; ++k) {
                abajo = std::nextafter(abajo, 0.0);
                arriba = std::nextafter(arriba, 1e300);
                valores.push_back(abajo);
                valores.push_back(arriba);
            }
        }
        const double potencia = std::pow(10.0, static_cast<double>(e));
        double cerca = potencia;
        for (int k = 0; k < 40; ++k) {
            cerca = std::nextafter(cerca, 0.0);
            valores.push_back(cerca);
        }
        valores.push_back(potencia * (1 - 4e-16));
        valores.push_back(potencia * (1 - 6e-16));
    }
    ComparaQuinceDigitos(valores);
}

TEST(FormatoDirecto, MascaraYsNumeroDobComoLaReglaLarga)
{
    EstadoEjecucion mks;
    mks.SistemaUnidades = "MKS";
    int fallos = 0;
    for (const std::string separador : {".", ","}) {
        mks.SeparadorDecimalLocal = separador;
        for (const double v : ValoresDificiles()) {
            for (int d = 0; d <= 6; ++d) {
                const std::string esperado = FijoReferencia(v, d, separador);
                const std::string mascara = FormateaMascara(v, Mascara(d), separador);
                // Width 12, the unit key that leaves the value alone.
                std::string alineado = esperado;
                if (alineado.size() < 12) {
                    alineado.insert(0, 12 - alineado.size(), ' ');
                }
                const std::string listado = sNumeroDob(mks, v, 12, d, "", false);
                if (mascara != esperado || listado != alineado) {
                    ADD_FAILURE() << std::hexfloat << v << " d" << d << ": \"" << mascara
                                  << "\" / \"" << listado << "\" instead of \"" << esperado
                                  << "\"";
                    if (++fallos == 10) {
                        return;
                    }
                }
            }
        }
    }
}

TEST(FormatoDirecto, NumeroGeneralComoElFormatoG)
{
    int fallos = 0;
    std::vector<double> valores = ValoresDificiles();
    for (const double especial :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(), 1e-4,
          9.99999999999999e-5, 999999999999999.0, 1e15, 0.0001, 123456.789}) {
        valores.push_back(especial);
    }
    for (const std::string separador : {".", ","}) {
        for (const double v : valores) {
            const std::string esperado = GeneralReferencia(v, separador);
            const std::string obtenido = NumeroGeneral(v, separador);
            if (obtenido != esperado) {
                ADD_FAILURE() << std::hexfloat << v << ": \"" << obtenido << "\" instead of \""
                              << esperado << "\"";
                if (++fallos == 10) {
                    return;
                }
            }
        }
    }
}

// The same rules once more, through the C library's printf as the old runtime formatted: "%.14e"
// for the 15 significant digits of a fixed-decimal number, "%.15G" for the debug file. They
// check the writers that lay a number straight into the screen text and the debug line.

// The digits "%.14e" gives, and its exponent.
Referencia15 QuincePrintf(double magnitud)
{
    std::array<char, 64> texto{};
    const int n = std::snprintf(texto.data(), texto.size(), "%.14e", magnitud);
    Referencia15 r;
    int i = 0;
    for (; i < n && texto[static_cast<std::size_t>(i)] != 'e'; ++i) {
        const char c = texto[static_cast<std::size_t>(i)];
        if (c >= '0' && c <= '9') {
            r.digitos.push_back(c);
        }
    }
    r.exponente = std::atoi(texto.data() + i + 1);
    return r;
}

// A fixed-decimal number by hand: the 15 digits rounded half away from zero at the last
// decimal, at least one integer digit, no minus on a zero.
std::string FijoPrintf(double valor, int decimales, const std::string &separador)
{
    const double magnitud = std::fabs(valor);
    const auto d = static_cast<std::size_t>(decimales);
    // Every digit from the units' place to the last decimal, as a whole number's digits.
    std::string cifras;
    if (magnitud != 0) {
        const Referencia15 q = QuincePrintf(magnitud);
        // Place of each of the 15 digits: q.exponente down to q.exponente - 14.
        std::string exacto; // the digits from 10^max(exponente, 0) down to 10^(-d - 1) and on
        const int primera = std::max(q.exponente, 0);
        for (int lugar = primera; lugar >= q.exponente - 14 || lugar >= -decimales; --lugar) {
            const int indice = q.exponente - lugar;
            exacto.push_back(
                indice >= 0 && indice < 15 ? q.digitos[static_cast<std::size_t>(indice)] : '0');
        }
        const auto conservadas = static_cast<std::size_t>(primera + decimales + 1);
        cifras = exacto.substr(0, conservadas);
        if (exacto.size() > conservadas && exacto[conservadas] >= '5') {
            std::size_t i = cifras.size();
            while (i > 0 && cifras[i - 1] == '9') {
                cifras[--i] = '0';
            }
            if (i == 0) {
                cifras.insert(0, 1, '1');
            } else {
                ++cifras[i - 1];
            }
        }
        while (cifras.size() > d + 1 && cifras[0] == '0') {
            cifras.erase(0, 1);
        }
    } else {
        cifras.assign(d + 1, '0');
    }
    std::string texto;
    if (std::signbit(valor) && cifras.find_first_not_of('0') != std::string::npos) {
        texto = "-";
    }
    texto += cifras.substr(0, cifras.size() - d);
    if (d > 0) {
        texto += separador + cifras.substr(cifras.size() - d);
    }
    return texto;
}

std::size_t Caracteres(const std::string &texto)
{
    std::size_t n = 0;
    for (const char c : texto) {
        n += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    }
    return n;
}

// A number of a listing by hand: converted as ConvierteUnidad says, right-aligned by
// characters, then the unit after a blank.
std::string ListadoPrintf(const EstadoEjecucion &ejecucion, double valor, int ancho, int decimales,
                          const std::string &clave, bool conUnidad)
{
    const UnidadConvertida c = ConvierteUnidad(ejecucion, valor, clave, decimales);
    std::string texto =
        FijoPrintf(c.valor, std::max(c.decimales, 0), ejecucion.SeparadorDecimalLocal);
    const std::size_t caracteres = Caracteres(texto);
    if (ancho > 0 && caracteres < static_cast<std::size_t>(ancho)) {
        texto.insert(0, static_cast<std::size_t>(ancho) - caracteres, ' ');
    }
    if (conUnidad) {
        texto += " " + c.unidad;
    }
    return texto;
}

// A number of a debug line by hand: "%.15G" with the usual separator exchanged, no zero before
// it, 0 for -0, and a blank before (unless negative) and after.
std::string DepuracionPrintf(double valor, const std::string &separador)
{
    std::array<char, 64> texto{};
    std::snprintf(texto.data(), texto.size(), "%.15G", valor == 0 ? 0.0 : valor);
    std::string s(texto.data());
    const bool negativo = s[0] == '-';
    std::string cuerpo = negativo ? s.substr(1) : s;
    if (cuerpo.rfind("0.", 0) == 0) {
        cuerpo.erase(0, 1);
    }
    const std::size_t punto = cuerpo.find('.');
    if (punto != std::string::npos) {
        cuerpo.replace(punto, 1, separador);
    }
    return (negativo ? "-" : " ") + cuerpo + " ";
}

// Awkward values for the writers: halves at each decimal, values that round up across a power
// of ten, the places where the exponent form starts, the edge of the direct rounding, -0.
std::vector<double> ValoresIncomodos()
{
    std::vector<double> valores = {0.0,
                                   -0.0,
                                   0.125,
                                   -0.125,
                                   2.675,
                                   1.005,
                                   0.0005,
                                   -0.0004,
                                   -0.0005,
                                   9.9999995,
                                   9.99999949999,
                                   99.9995,
                                   999.9995,
                                   -999.9995,
                                   0.9995,
                                   9.5,
                                   99.5,
                                   0.00001,
                                   0.0001,
                                   9.99999999999999e-5,
                                   1e-5,
                                   1.5e-9,
                                   123456.789,
                                   999999999999999.0,
                                   999999999999999.5,
                                   1e15,
                                   1e15 - 1,
                                   1e16,
                                   9.999999999999995e14,
                                   3999999999999.995,
                                   4e12,
                                   -999999999.0,
                                   1e22,
                                   1e100,
                                   1e-300,
                                   std::numeric_limits<double>::denorm_min(),
                                   std::numeric_limits<double>::max()};
    for (int e = -9; e <= 16; ++e) {
        const double potencia = std::pow(10.0, e);
        valores.push_back(potencia);
        valores.push_back(std::nextafter(potencia, 0.0));
        valores.push_back(std::nextafter(potencia, 1e300));
        // 9.99...95 just under the power, at 3 and 7 decimals.
        valores.push_back(potencia * (1 - 5e-4));
        valores.push_back(potencia * (1 - 5e-8));
    }
    std::mt19937_64 azar(33);
    std::uniform_real_distribution<double> exponente(-6, 13);
    for (int i = 0; i < 300; ++i) {
        valores.push_back(std::pow(10.0, exponente(azar)));
    }
    const std::size_t positivos = valores.size();
    for (std::size_t i = 0; i < positivos; ++i) {
        valores.push_back(-valores[i]);
    }
    return valores;
}

const std::initializer_list<const char *> ClavesListado = {
    "",      "at->MPa", "Kp/cm2->MPa", "T/M2->MPa",        "T/M2->kN/M2",
    "T->kN", "mT->mkN", "kp/cm->N/cm", "kp.cm/cm->N.m/cm", "desconocida"};

// Separators: the usual two, a two-byte character (one column), two ASCII bytes, and one too
// long for the short buffers.
const std::initializer_list<const char *> Separadores = {".", ",", "\xC2\xB7",
                                                         "::", "<un separador largo>"};

// A value the key turns into an infinity (the largest double in SI) is shown as stars, a rule
// of its own tested apart: left out here.
bool ConvertidoFinito(const EstadoEjecucion &ejecucion, double valor, const std::string &clave)
{
    return std::isfinite(ConvierteUnidad(ejecucion, valor, clave, 0).valor);
}

TEST(FormatoDirecto, NumeroDeListadoComoPrintf)
{
    int fallos = 0;
    const std::vector<double> valores = ValoresIncomodos();
    for (const std::string sistema : {"MKS", "SI"}) {
        for (const std::string separador : Separadores) {
            EstadoEjecucion ejecucion;
            ejecucion.SistemaUnidades = sistema;
            ejecucion.SeparadorDecimalLocal = separador;
            for (const std::string clave : ClavesListado) {
                const ClaveNumero numero(ejecucion, clave);
                for (const double v : valores) {
                    if (!ConvertidoFinito(ejecucion, v, clave)) {
                        continue;
                    }
                    for (const int ancho : {0, 7, 64, 70}) {
                        for (const int decimales : {0, 1, 3, 6, 16}) {
                            const bool conUnidad = (ancho + decimales) % 2 == 0;
                            std::string obtenido = "<";
                            numero.Anade(obtenido, v, ancho, decimales, conUnidad);
                            std::string esperado = "<";
                            esperado +=
                                ListadoPrintf(ejecucion, v, ancho, decimales, clave, conUnidad);
                            std::string suelto = "<";
                            suelto += ancho == 7 ? sNumeroDob(ejecucion, v, ancho, decimales,
                                                              clave, conUnidad)
                                                 : esperado.substr(1);
                            if (obtenido != esperado || suelto != esperado) {
                                ADD_FAILURE()
                                    << std::hexfloat << v << " " << sistema << " \"" << separador
                                    << "\" " << clave << " w" << ancho << " d" << decimales
                                    << ": \"" << obtenido << "\" / \"" << suelto
                                    << "\" instead of \"" << esperado << "\"";
                                if (++fallos == 10) {
                                    return;
                                }
                            }
                        }
                    }
                }
            }
        }
    }
}

// The forces of the case heading, through the keys that convert them in SI, over the hard
// values of the rounding.
TEST(FormatoDirecto, NumeroDeCabeceraSobreLosValoresDificiles)
{
    int fallos = 0;
    const std::vector<double> valores = ValoresDificiles();
    EstadoEjecucion ejecucion;
    ejecucion.SistemaUnidades = "SI";
    ejecucion.SeparadorDecimalLocal = ",";
    for (const std::string clave : {"at->MPa", "mT->mkN", "T->kN"}) {
        const ClaveNumero numero(ejecucion, clave);
        for (const double v : valores) {
            if (!ConvertidoFinito(ejecucion, v, clave)) {
                continue;
            }
            std::string obtenido;
            numero.Anade(obtenido, v, 7, 3, clave == "at->MPa");
            const std::string esperado =
                ListadoPrintf(ejecucion, v, 7, 3, clave, clave == "at->MPa");
            if (obtenido != esperado) {
                ADD_FAILURE() << std::hexfloat << v << " " << clave << ": \"" << obtenido
                              << "\" instead of \"" << esperado << "\"";
                if (++fallos == 10) {
                    return;
                }
            }
        }
    }
}

// Each number of a debug line, and the columns it takes: the next print zone starts where the
// characters written put it.
TEST(FormatoDirecto, NumeroDeDepuracionComoPrintf)
{
    int fallos = 0;
    std::vector<double> valores = ValoresDificiles();
    const std::vector<double> incomodos = ValoresIncomodos();
    valores.insert(valores.end(), incomodos.begin(), incomodos.end());
    for (const std::string separador : Separadores) {
        for (const double v : valores) {
            const std::string numero = DepuracionPrintf(v, separador);
            const std::string esperado = std::string(9, ' ') + numero;
            const std::size_t columnas = 9 + Caracteres(numero);
            const auto zona = static_cast<std::size_t>(AnchoZonaDepuracion);
            const std::string conZona =
                esperado + std::string((columnas / zona + 1) * zona - columnas, ' ') + "|";
            LineaDepuracion linea(separador);
            linea.Anade(v);
            std::string memoria;
            LineaDepuracion siguiente(memoria, separador);
            siguiente.Anade(v).SiguienteZona().Anade("|");
            if (linea.Linea() != esperado || siguiente.Linea() != conZona) {
                ADD_FAILURE() << std::hexfloat << v << " \"" << separador << "\": \""
                              << linea.Linea() << "\" / \"" << siguiente.Linea()
                              << "\" instead of \"" << conZona << "\"";
                if (++fallos == 10) {
                    return;
                }
            }
        }
    }
}

} // namespace
} // namespace dravek
