#include "core/validation/GeometriaEstandar.h"

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"

#include <cmath>
#include <string>

namespace dravek {

namespace {

constexpr std::int32_t TextoEspesorActual = 1040;
constexpr std::int32_t TextoRecInteriorActual = 1041;
constexpr std::int32_t TextoRecExteriorActual = 1042;
constexpr std::int32_t TextoRecomendado = 1043;
constexpr std::int32_t TextoDeseaCambiarlos = 1044;
constexpr std::int32_t TextoDatosNoRecomendados = 1045;

constexpr double ToleranciaEspesor = 0.02; // of the diameter, either way
constexpr double RecubrimientoMinimo = 20; // mm
constexpr double RecubrimientoMaximo = 40; // mm

// To the nearest whole number, a half to the even one, as the old conversions did. Kept in
// floating point so that no diameter, however absurd, overflows a whole-number type: a key
// that no row can hold just finds no row.
double RedondeoPar(double x)
{
    const double suelo = std::floor(x);
    const double resto = x - suelo;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(suelo, 2.0) != 0.0)) {
        return suelo + 1.0;
    }
    return suelo;
}

std::string Milimetros(const EstadoEjecucion &ejecucion, double mm)
{
    return FormateaMascara(mm, "#####0.00", ejecucion.SeparadorDecimalLocal);
}

} // namespace

int ColumnaGrupo(std::int16_t Tipologia)
{
    switch (Tipologia) {
    case 1100:
        return 2;
    case 1210:
    case 1220:
        return 5;
    case 2100:
        return 8;
    case 2211:
    case 2212:
        return 11;
    case 2221:
    case 2222:
        return 14;
    default:
        return 0;
    }
}

ResultadoGeometria BuscaGeometriaRecomendada(const TablasPredeterminadas &tablas,
                                             const EstadoEjecucion &ejecucion, Mensajes &mensajes,
                                             double &ESP, double &RECI, double &RECE,
                                             std::int16_t Tipologia, double vDi,
                                             ModoGeometria modo)
{
    const double clave = RedondeoPar(vDi * 1000.0 + 0.0001); // mm
    if (!std::isfinite(clave)) {
        return ResultadoGeometria::NoEsFila;
    }
    int fila = 0;
    for (int i = 1; i <= tablas.NumeroDimensiones && i <= TablasPredeterminadas::MaxFilas; ++i) {
        if (static_cast<double>(
                tablas.DimensionesPredeterminadas[static_cast<std::size_t>(i)][1]) == clave) {
            fila = i;
            break;
        }
    }
    if (fila == 0) {
        return ResultadoGeometria::NoEsFila;
    }
    const int g = ColumnaGrupo(Tipologia);
    const auto &datos = tablas.DimensionesPredeterminadas[static_cast<std::size_t>(fila)];
    const auto columna = [&datos](int c) {
        return static_cast<double>(datos[static_cast<std::size_t>(c)]);
    };
    if (g == 0 || columna(g) == 0) {
        return ResultadoGeometria::SinDatos;
    }
    switch (modo) {
    case ModoGeometria::Comercial:
        return ResultadoGeometria::Encontrado;
    case ModoGeometria::Espesor:
        ESP = columna(g + 2) / 10.0;
        return ResultadoGeometria::Encontrado;
    case ModoGeometria::RecubrimientoInterior:
        RECI = columna(g) / 10.0;
        return ResultadoGeometria::Encontrado;
    case ModoGeometria::RecubrimientoExterior:
        RECE = columna(g + 1) / 10.0;
        return ResultadoGeometria::Encontrado;
    case ModoGeometria::Compara:
        break;
    }

    const double espesor = RedondeoPar(ESP * 10.0 + 0.01); // mm
    const double interior = RedondeoPar(RECI * 10.0 + 0.01);
    const double exterior = RedondeoPar(RECE * 10.0 + 0.01);
    const double espesorTabla = columna(g + 2);
    const double interiorTabla = columna(g);
    const double exteriorTabla = columna(g + 1);
    // Only what the engineer typed is compared. A lined cylinder's inner cover is not typed: it
    // is the thickness less the outer cover, which no cover band fits; and its outer cover is
    // the coating, free of the band. So of a lined cylinder only the thickness is compared.
    const bool revestida = Tipologia == 2221;
    if (espesor == espesorTabla && (revestida || interior == interiorTabla) &&
        exterior == exteriorTabla) {
        return ResultadoGeometria::Encontrado;
    }
    const auto recubrimientoBueno = [](double r) {
        return r >= RecubrimientoMinimo && r <= RecubrimientoMaximo;
    };
    const double banda = ToleranciaEspesor * clave;
    bool aceptable = espesor >= espesorTabla - banda && espesor <= espesorTabla + banda;
    if (!revestida) {
        aceptable = aceptable && recubrimientoBueno(interior) && recubrimientoBueno(exterior);
    }
    if (aceptable || ejecucion.OmitePreguntaGeometria) {
        return ResultadoGeometria::Encontrado;
    }

    const std::int32_t d = ejecucion.DesplazamientoIdioma;
    const std::string recomendado = Texto(d, TextoRecomendado);
    const std::string pregunta =
        "\n\n" + Texto(d, TextoEspesorActual) + Milimetros(ejecucion, espesor) + recomendado +
        Milimetros(ejecucion, espesorTabla) + "\n" + Texto(d, TextoRecInteriorActual) +
        Milimetros(ejecucion, interior) + recomendado + Milimetros(ejecucion, interiorTabla) +
        "\n" + Texto(d, TextoRecExteriorActual) + Milimetros(ejecucion, exterior) + recomendado +
        Milimetros(ejecucion, exteriorTabla) + "\n" + Texto(d, TextoDeseaCambiarlos);
    const RespuestaMensaje r = mensajes.Muestra(
        pregunta, BotonesMensaje::SiNo, IconoMensaje::Ninguno, Texto(d, TextoDatosNoRecomendados));
    return r == RespuestaMensaje::Si ? ResultadoGeometria::Cambiar
                                     : ResultadoGeometria::Encontrado;
}

ResultadoGeometria CompruebaGeometria(EstadoObra &estado, Mensajes &mensajes)
{
    DatosTramo &t = estado.tramo;
    if (t.DiametroComercial == Falso || !(t.ESP > 0) || !(t.RECI > 0) || !(t.RECE > 0) ||
        !(t.vDi > 0)) {
        return ResultadoGeometria::Encontrado;
    }
    return BuscaGeometriaRecomendada(estado.tablas, estado.ejecucion, mensajes, t.ESP, t.RECI,
                                     t.RECE, t.Tipologia, t.vDi, ModoGeometria::Compara);
}

} // namespace dravek
