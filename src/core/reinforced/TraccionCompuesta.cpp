#include "core/reinforced/TraccionCompuesta.h"

#include <cmath>

namespace dravek {

namespace {

// Both faces alike at the start.
constexpr double ParteInicial = 0.5;
// cm2/m: the iteration stops after the first change strictly below this.
constexpr double Tolerancia = 0.01;
// Minimum steel: 0.04 fck h / fyk over the whole thickness.
constexpr double CuantiaMinima = 0.04;
constexpr double TAKp = 1000.0;    // t over kp/cm2 to cm2
constexpr double M2ACm2 = 10000.0; // m to cm2 per metre

// The area of the face for a share k of the axial force. The moment share |M| / (z N) does
// not change while k is iterated: it is worked out once, by the same operations, so every
// iteration gives the same area to the last bit.
class AreaTraccion {
public:
    AreaTraccion(const EstadoObra &estado, double momento, double N)
        : m_parteMomento(momento / (estado.resultados.BRAZO * N)), m_N(N),
          m_Fyd(estado.tramo.Fyd)
    {
    }
    double operator()(double k) const { return (m_parteMomento + k) * m_N / m_Fyd * TAKp; }

private:
    double m_parteMomento;
    double m_N;
    double m_Fyd;
};

double Minimo(const EstadoObra &estado)
{
    const DatosTramo &t = estado.tramo;
    return CuantiaMinima * t.FCK * t.GamaY * t.ESP / (t.GamaB * t.Fyk) * M2ACm2;
}

} // namespace

IteracionTraccion TraccionCompuesta(const EstadoObra &estado, double M, double N, double x,
                                    double &As)
{
    const double momento = std::abs(M);
    IteracionTraccion resultado;
    const AreaTraccion area(estado, momento, N);
    As = area(ParteInicial);
    if (std::abs(As) >= Tolerancia) {
        while (true) {
            if (resultado.iteraciones == MaximoIteracionesTraccion) {
                resultado.converge = false;
                break;
            }
            const double anterior = As;
            As = area(As / (x + As));
            ++resultado.iteraciones;
            if (std::abs(As - anterior) < Tolerancia) {
                break;
            }
        }
    }
    const double minimo = Minimo(estado);
    if (As < minimo) {
        As = minimo;
    }
    return resultado;
}

bool TraccionCompuestaAlcanza(const EstadoObra &estado, double M, double N, double maximo)
{
    return Minimo(estado) <= maximo && AreaTraccion(estado, std::abs(M), N)(0) < maximo;
}

} // namespace dravek
