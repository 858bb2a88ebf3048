#include "core/reinforced/FlexionCompuesta.h"

#include "core/reinforced/ListadoArmado.h"

#include <cmath>

namespace dravek {

namespace {

// Limit moment of the concrete: 0.35 fck d^2 / GamaB.
constexpr double CoeficienteMomentoTope = 0.35;
// Lever factor of the closed formula, kept as the design has always used it.
constexpr double FactorBrazo = 0.97;
// Minimum steel: 0.04 fck d / fyk.
constexpr double CuantiaMinima = 0.04;
// kp/cm2 times m2 to t (x 10); t over kp/cm2 to cm2 (x 1000); m to cm2 per metre (x 10000).
constexpr double KpCm2M2AT = 10.0;
constexpr double TAKp = 1000.0;
constexpr double M2ACm2 = 10000.0;

} // namespace

bool FlexionCompuesta(ContextoCalculo &contexto, double M, double N, double h, double RECI,
                      double RECE, double &As, std::int16_t cara)
{
    EstadoObra &estado = contexto.estado;
    const DatosTramo &t = estado.tramo;
    const double r = cara == CaraInterior ? RECI : RECE;
    const double d = h - r; // m, effective depth
    const double momento = std::abs(M);

    const double Mlim = CoeficienteMomentoTope * t.FCK * d * d / t.GamaB * KpCm2M2AT;
    // A compression adds its moment about the tension steel; a tension is left out.
    const double Md = N < 0 ? t.GamaF * (momento - N * (h / 2 - r)) : t.GamaF * momento;
    if (Md > Mlim) {
        ListaMomentoTope(contexto);
        estado.resultados.EstadoDiseno = EstadoMomentoTope;
        estado.resultados.MomentoTopeSuperado = true;
        return false;
    }

    // The half distance between the layers, not h / 2 - r as above: kept as designed.
    const double z = estado.resultados.BRAZO;
    const double M1 = momento - N * z / 2; // t.m/m, about the tension layer
    const double K = t.FCK / (t.GamaF * t.GamaB) * d * d * KpCm2M2AT;
    double area = 0;
    if (N != 0) {
        const double e = momento / N - z / 2; // m, eccentricity from the tension layer
        area = TAKp * N / t.Fyd * (1 + FactorBrazo * (e / d) * (1 + M1 / K));
    } else {
        // The limit of the formula above as N tends to 0, where N x e tends to |M|.
        area = TAKp / t.Fyd * FactorBrazo * (momento / d) * (1 + M1 / K);
    }
    const double minimo = CuantiaMinima * t.FCK * t.GamaY * d / (t.Fyk * t.GamaB) * M2ACm2;
    As = area < minimo ? minimo : area;
    return true;
}

} // namespace dravek
