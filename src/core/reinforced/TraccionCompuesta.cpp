#include "core/reinforced/TraccionCompuesta.h"

#include <cmath>

namespace dravek {

namespace {

// Both faces alike at the start.
constexpr double ParteInicial = 0.5;
// Minimum steel: 0.04 fck h / fyk over the whole thickness.
constexpr double CuantiaMinima = 0.04;
constexpr double M2ACm2 = 10000.0; // m to cm2 per metre

double Minimo(const EstadoObra &estado)
{
    const DatosTramo &t = estado.tramo;
    return CuantiaMinima * t.FCK * t.GamaY * t.ESP / (t.GamaB * t.Fyk) * M2ACm2;
}

} // namespace

// What does not depend on the other face is worked out here, by the same operations the
// iteration used to repeat, so every area stays the same to the last bit. Done once, it also
// leaves the divisions of the iteration as the only ones a solution waits for.
TraccionCompuestaSeccion::TraccionCompuestaSeccion(const EstadoObra &estado, double M, double N)
    : m_parteMomento(std::abs(M) / (estado.resultados.BRAZO * N)), m_N(N), m_Fyd(estado.tramo.Fyd),
      m_minimo(Minimo(estado)), m_inicial(Area(ParteInicial))
{
}

bool TraccionCompuestaSeccion::Alcanza(double maximo) const
{
    return m_minimo <= maximo && Area(0) < maximo;
}

IteracionTraccion
RegistroTraccion::ResuelveFueraDelRegistro(const TraccionCompuestaSeccion &seccion, double M,
                                           double N, double x, double &As)
{
    if (m_repetibles != 0) {
        // The end of the replay. What was recorded after the first difference answers
        // questions this pass no longer asks in that order.
        if (m_graba) {
            m_soluciones.resize(m_siguiente);
        }
        m_repetibles = 0;
    }
    const IteracionTraccion iteracion = seccion.Resuelve(x, As);
    if (m_graba) {
        m_soluciones.push_back({M, N, x, As, iteracion});
    }
    return iteracion;
}

void RegistroTraccion::Repite()
{
    m_siguiente = 0;
    m_repetibles = m_soluciones.size();
    m_graba = false;
}

void RegistroTraccion::Retoma()
{
    m_siguiente = 0;
    m_repetibles = m_soluciones.size();
    m_graba = true;
}

void RegistroTraccion::Empieza()
{
    m_soluciones.clear();
    m_siguiente = 0;
    m_repetibles = 0;
    m_graba = true;
}

IteracionTraccion TraccionCompuesta(const EstadoObra &estado, double M, double N, double x,
                                    double &As)
{
    return TraccionCompuestaSeccion(estado, M, N).Resuelve(x, As);
}

bool TraccionCompuestaAlcanza(const EstadoObra &estado, double M, double N, double maximo)
{
    return TraccionCompuestaSeccion(estado, M, N).Alcanza(maximo);
}

} // namespace dravek
