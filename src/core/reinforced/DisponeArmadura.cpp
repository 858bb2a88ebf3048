#include "core/reinforced/DisponeArmadura.h"

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/reinforced/ListadoAvisos.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

namespace dravek {

namespace {

constexpr double Pi = 3.1415926535898;

// Candidate spiral bars, smallest first: the search moves up this list when turns do not fit.
constexpr std::array<double, 3> DiametrosBarra = {8.0, 10.0, 12.0}; // mm

constexpr double AreaCamisaMinima = 15.0;       // cm2/m, the 1.5 mm sheet
constexpr double PasoAreaCamisa = 5.0;          // cm2/m, half a millimetre of sheet
constexpr double AreaPorMilimetroCamisa = 10.0; // cm2/m per mm of sheet
constexpr std::int32_t EspirasMinimas = 5;      // turns per metre
constexpr double FaltaAdmitida = 0.02;          // turn: a shortfall this small is accepted
constexpr double SeparacionMinima = 2.0;        // cm, clear spacing between turns
constexpr double LongitudTubo = 100.0;          // cm, the metre of pipe the turns share

// Beyond this the turn count cannot be held; the area is refused instead.
constexpr double EspirasRepresentables =
    static_cast<double>(std::numeric_limits<std::int32_t>::max() - 1);

constexpr std::int32_t TextoAvisoArmadura = 678;
constexpr std::int32_t TextoAvisoVariasCapas = 679;
constexpr std::int32_t TextoArmaduraInterior = 568;
constexpr std::int32_t TextoArmaduraExterior = 569;

// The old Int(): the largest whole number not greater than x.
double Int(double x)
{
    return std::floor(x);
}

// "ARMADURA INTERIOR: Valor incorrecto", as the data checks put a caption and text 287.
std::string MensajeAreaIncorrecta(std::int32_t d, std::int16_t cara)
{
    const std::int32_t rotulo =
        cara == CaraExterior ? TextoArmaduraExterior : TextoArmaduraInterior;
    return Recorta(Texto(d, rotulo)) + ": " + Texto(d, TextoValorIncorrecto);
}

struct Candidato {
    double d = 0;       // mm
    std::int32_t N = 0; // turns per metre
    double Ag = 0;      // cm2/m
};

// Clear spacing between turns no smaller than the bar and no smaller than 2 cm.
bool CabeEnUnaCapa(const Candidato &c)
{
    const double N = static_cast<double>(c.N);
    const double s = (LongitudTubo - N * c.d / 10.0) / N; // cm
    return c.d / 10.0 <= s && s >= SeparacionMinima;
}

} // namespace

ErrorCalculo FalloArmado(ContextoCalculo &contexto, const std::string &mensaje)
{
    // In any pass: the design stops here, so there is no final pass to wait for.
    ListaAvisoCaso(contexto, mensaje, PasadaNormal::Cualquiera);
    return ErrorCalculo::Con(mensaje);
}

ErrorCalculo FalloValorIncorrecto(ContextoCalculo &contexto, std::int32_t rotulo)
{
    const std::int32_t d = contexto.estado.ejecucion.DesplazamientoIdioma;
    return FalloArmado(contexto, Texto(d, rotulo) + ": " + Texto(d, TextoValorIncorrecto));
}

void EscribeAvisoVariasCapas(ContextoCalculo &contexto, std::int16_t cara)
{
    const std::int32_t d = contexto.estado.ejecucion.DesplazamientoIdioma;
    ListaAvisoResaltado(
        contexto,
        Texto(d, TextoAvisoArmadura) +
            TextoEnCampo(d, CampoNombreCara, cara == CaraExterior ? CaraExterior : CaraInterior) +
            Texto(d, TextoAvisoVariasCapas),
        PasadaNormal::Definitiva);
}

ErrorCalculo DisponeArmadura(ContextoCalculo &contexto, double A, std::int16_t modo, double CAMMAX,
                             DisposicionArmadura &disposicion, std::int16_t cara, AvisoCapas aviso)
{
    const EstadoObra &estado = contexto.estado;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;

    disposicion = {};
    if (!std::isfinite(A)) {
        return FalloArmado(contexto, MensajeAreaIncorrecta(d, cara));
    }

    double Ac = 0; // cm2/m carried by the cylinder
    double Ar = A; // cm2/m left to the spirals
    if (modo == CamisaYEspiras) {
        if (!(CAMMAX >= 0)) {
            return FalloValorIncorrecto(contexto, TextoEspesorMaximoCamisa);
        }
        if (A <= AreaCamisaMinima) {
            disposicion.Camisa = AreaCamisaMinima / AreaPorMilimetroCamisa;
            disposicion.AreaDispuesta = AreaCamisaMinima;
            return {};
        }
        Ac = PasoAreaCamisa * Int(Int(A) / PasoAreaCamisa);
        disposicion.Camisa = Ac / AreaPorMilimetroCamisa;
        if (disposicion.Camisa > CAMMAX) {
            disposicion.Camisa = CAMMAX;
            Ac = CAMMAX * AreaPorMilimetroCamisa;
        }
        Ar = A - Ac;
    } else if (modo != SoloEspiras) {
        double area = PasoAreaCamisa * Int(Int(A) / PasoAreaCamisa);
        if (area < A) {
            area = PasoAreaCamisa * (Int(Int(A) / PasoAreaCamisa) + 1);
        }
        area = std::max(area, AreaCamisaMinima);
        disposicion.Camisa = area / AreaPorMilimetroCamisa;
        disposicion.AreaDispuesta = area;
        return {};
    }

    std::array<Candidato, DiametrosBarra.size()> candidatos{};
    for (std::size_t i = 0; i < DiametrosBarra.size(); ++i) {
        Candidato &c = candidatos[i];
        c.d = DiametrosBarra[i];
        const double n = Ar / (Pi * c.d * c.d / 400.0);
        if (!(std::fabs(n) <= EspirasRepresentables)) {
            return FalloArmado(contexto, MensajeAreaIncorrecta(d, cara));
        }
        c.N = static_cast<std::int32_t>(Int(n));
        if (static_cast<double>(c.N) + FaltaAdmitida < n) {
            ++c.N;
        }
        c.N = std::max(c.N, EspirasMinimas);
        c.Ag = c.d * c.d * static_cast<double>(c.N) * Pi / 400.0;
    }

    // Unbounded start: every area, however large, has a least candidate. Equal areas go to the
    // larger bar.
    std::size_t elegido = 0;
    double mejor = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < candidatos.size(); ++i) {
        if (candidatos[i].Ag <= mejor) {
            mejor = candidatos[i].Ag;
            elegido = i;
        }
    }

    bool variasCapas = false;
    while (!CabeEnUnaCapa(candidatos[elegido])) {
        if (estado.resultados.HayAjusteGuardado) {
            // The stored adjustment decides the steel; only its outer area can call for a
            // second layer, whichever face this is.
            variasCapas = estado.resultados.ArmaduraCalculadaExterior > ArmaduraMaximaUnaCapa;
            break;
        }
        if (elegido + 1 < candidatos.size()) {
            ++elegido;
            continue;
        }
        variasCapas = true;
        break;
    }

    const Candidato &c = candidatos[elegido];
    disposicion.Espiras = c.N;
    disposicion.Diametro = c.d;
    // The accepted shortfall of a turn is made up in the area provided, never below A.
    disposicion.AreaDispuesta = c.Ag < Ar ? Ac + Ar : Ac + c.Ag;
    disposicion.VariasCapas = variasCapas;
    if (variasCapas && aviso == AvisoCapas::Escribir) {
        EscribeAvisoVariasCapas(contexto, cara);
    }
    return {};
}

} // namespace dravek
