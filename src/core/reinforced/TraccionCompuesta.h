#pragma once

// Steel of one face of a reinforced-concrete wall section in tension with a small eccentricity
// (both layers in tension): the moment share |M| / z of the force plus the share k of the axial
// force that this face takes of the steel of both faces, iterated from an equal split.

#include "core/model/EstadoObra.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace dravek {

// The share iteration always settles for a positive force and a non-negative other face, in a
// handful of steps for real sections; the cap only keeps an absurd input from looping for ever.
inline constexpr std::int32_t MaximoIteracionesTraccion = 1000;

// Two share iterations a round: an even cap can only be reached between rounds.
static_assert(MaximoIteracionesTraccion % 2 == 0);

struct IteracionTraccion {
    std::int32_t iteraciones = 0; // share iterations after the start value
    bool converge = true;         // false: the cap was reached, As is not a result
};

// The combined-tension design of one section (M, N), solved for as many areas of the other
// face as the design tries: the share iteration is the only part that depends on that area.
// Reads BRAZO (m), ESP (m), FCK, Fyk, Fyd, GamaB and GamaY when built.
class TraccionCompuestaSeccion {
public:
    TraccionCompuestaSeccion(const EstadoObra &estado, double M, double N);

    // As TraccionCompuesta with x the other face's area. In the header, so that the design
    // that solves a section a hundred times a case keeps its values in registers.
    IteracionTraccion Resuelve(double x, double &As) const
    {
        IteracionTraccion resultado;
        double area = m_inicial;
        if (std::abs(area) >= Tolerancia) {
            std::int32_t iteraciones = 0;
            while (true) {
                if (iteraciones == MaximoIteracionesTraccion) {
                    resultado.converge = false;
                    break;
                }
                double anterior = area;
                area = Area(area / (x + area));
                if (std::abs(area - anterior) < Tolerancia) {
                    ++iteraciones;
                    break;
                }
                anterior = area;
                area = Area(area / (x + area));
                iteraciones += 2;
                if (std::abs(area - anterior) < Tolerancia) {
                    break;
                }
            }
            resultado.iteraciones = iteraciones;
        }
        As = area < m_minimo ? m_minimo : area;
        return resultado;
    }
    // As TraccionCompuestaAlcanza.
    bool Alcanza(double maximo) const;

private:
    // cm2/m: the iteration stops after the first change strictly below this.
    static constexpr double Tolerancia = 0.01;
    static constexpr double TAKp = 1000.0; // t over kp/cm2 to cm2

    // The area for a share k of the axial force.
    double Area(double k) const { return (m_parteMomento + k) * m_N / m_Fyd * TAKp; }

    double m_parteMomento; // |M| / (z N)
    double m_N;
    double m_Fyd;
    double m_minimo;  // cm2/m
    double m_inicial; // cm2/m, the area of the equal split
};

// The combined-tension solutions of one design pass, in the order they were asked, handed to a
// later pass: a pass that asks the same sections (M, N) with the same other-face areas in the
// same order gets the same answers without iterating again. The first question that differs
// ends the replay, and from there on every solution is worked out anew, so an answer is only
// ever reused for exactly the same question. An answer depends on nothing else but the run's
// materials and wall (TraccionCompuestaSeccion), which the owner of a record keeps unchanged
// while it replays.
class RegistroTraccion {
public:
    // Solves as seccion.Resuelve would; while recording the answer is kept, while replaying it
    // is taken from the record when the question is the next one recorded.
    IteracionTraccion Resuelve(const TraccionCompuestaSeccion &seccion, double M, double N,
                               double x, double &As)
    {
        if (m_siguiente < m_repetibles) {
            const Solucion &s = m_soluciones[m_siguiente];
            if (s.M == M && s.N == N && s.x == x) {
                ++m_siguiente;
                As = s.As;
                return s.iteracion;
            }
        }
        return ResuelveFueraDelRegistro(seccion, M, N, x, As);
    }

    // From now on the recorded answers are handed out, from the first; after the first question
    // that differs nothing more is recorded.
    void Repite();
    // As Repite, but from the first question that differs on, the record is made anew from
    // this pass's questions, for a later pass.
    void Retoma();
    // Recording anew, for another case: the record is emptied but keeps its memory, so that a
    // run does not ask for it again case after case.
    void Empieza();

private:
    struct Solucion {
        double M;
        double N;
        double x;
        double As;
        IteracionTraccion iteracion;
    };

    // A question the record does not answer: the end of a replay, if one was under way, and
    // the answer worked out, and kept when recording.
    IteracionTraccion ResuelveFueraDelRegistro(const TraccionCompuestaSeccion &seccion, double M,
                                               double N, double x, double &As);

    std::vector<Solucion> m_soluciones;
    std::size_t m_siguiente = 0;
    std::size_t m_repetibles = 0; // the answers a replay may hand out; 0 outside a replay
    bool m_graba = true;          // answers worked out are recorded
};

// M (t.m/m, only |M| counts), N (t/m, > 0), x the steel area of the other face (cm2/m, >= 0);
// As (cm2/m) is written, raised to the minimum of the whole wall thickness. Reads BRAZO (m),
// ESP (m), FCK, Fyk, Fyd, GamaB and GamaY; ArmaduraTubo has checked that the divisors are
// positive.
IteracionTraccion TraccionCompuesta(const EstadoObra &estado, double M, double N, double x,
                                    double &As);

// Whether some area of the other face, however large, brings this face's area down to maximo
// (cm2/m) or below. As the other face grows the share k tends to 0 without reaching it, so the
// area falls towards the moment share from above, and never below the minimum.
bool TraccionCompuestaAlcanza(const EstadoObra &estado, double M, double N, double maximo);

} // namespace dravek
