#include "core/reinforced/ArmaduraTubo.h"

#include "core/model/TextoRecurso.h"
#include "core/reinforced/ComprobacionesArmado.h"
#include "core/reinforced/DisponeArmadura.h"
#include "core/reinforced/FlexionCompuesta.h"
#include "core/reinforced/SeccionArmado.h"
#include "core/reinforced/TraccionCompuesta.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

namespace dravek {

namespace {

constexpr double PasoElevacion = 0.5; // cm2/m added to the inner face per raise
// cm2/m: the most the raises can add to the inner face.
constexpr double ElevacionMaxima = PasoElevacion * static_cast<double>(MaximoElevaciones);
constexpr double ToleranciaCaras = 0.01; // cm2/m, change of the outer face that ends the rounds

constexpr std::int32_t TextoExteriorMayorQueMaxima = 660;
constexpr std::int32_t TextoSinSolucionMMenos = 661;
constexpr std::int32_t TextoSinSolucionMMasYMenos = 662;

// A section in tension with a small eccentricity that governs one face, with its key.
struct SeccionTraccion {
    bool hay = false;
    double M = 0;     // t.m/m
    double N = 0;     // t/m
    double clave = 0; // t.m/m
    // Its combined-tension design, set once the scan has found the section.
    std::optional<TraccionCompuestaSeccion> diseno;
};

// What the scan of the sections leaves to size the faces from.
struct SeccionesGobernantes {
    double Afi = 0;         // cm2/m, the inner face from bending
    double Afe = 0;         // cm2/m, the outer face from bending
    SeccionTraccion Tmas;   // positive moment: sizes the inner face
    SeccionTraccion Tmenos; // negative moment: sizes the outer face
};

// Sorts every section of the hypotheses NHIPO to ultimaHipotesis into combined tension with a
// small eccentricity, keeping the governing one of each sign with its design, or bending with
// axial force, keeping the largest area of each face. a and b are held across the scan: a
// section refused by the limit moment leaves them as they were and adds nothing.
void BarreSecciones(ContextoCalculo &contexto, double ESP, double RECI, double RECE, double z,
                    const TablaHipotesis &MomentosPorHipotesis,
                    const TablaHipotesis &AxilesPorHipotesis, std::int16_t NHIPO,
                    std::int16_t ultimaHipotesis, std::int16_t NSEC, SeccionesGobernantes &g)
{
    double a = 0;
    double b = 0;
    // Rows and sections beyond the tables are not there to design.
    const auto acota = [](std::int16_t n, std::int16_t tope) {
        return static_cast<std::size_t>(std::clamp<std::int16_t>(n, 0, tope));
    };
    const std::size_t primera = static_cast<std::size_t>(std::max<std::int16_t>(NHIPO, 1));
    const std::size_t ultima = acota(ultimaHipotesis, FilasTablaHipotesis);
    const std::size_t secciones = acota(NSEC, NumeroSecciones);
    for (std::size_t h = primera; h <= ultima; ++h) {
        for (std::size_t s = 1; s <= secciones; ++s) {
            const double M = MomentosPorHipotesis[h][s];
            const double N = AxilesPorHipotesis[h][s];
            // Only a tension is divided by: a section without axial force is in bending.
            if (N > 0 && std::abs(M) / N <= z / 2) {
                if (M > 0) {
                    const double v = M + N * z;
                    if (v > g.Tmas.clave) {
                        g.Tmas = {true, M, N, v, {}};
                    }
                } else {
                    const double v = N * z - M;
                    if (v > g.Tmenos.clave) {
                        g.Tmenos = {true, M, N, v, {}};
                    }
                }
            } else if (M > 0) {
                FlexionCompuesta(contexto, M, N, ESP, RECI, RECE, a, CaraInterior);
                if (a > g.Afi) {
                    g.Afi = a;
                }
            } else {
                FlexionCompuesta(contexto, -M, N, ESP, RECI, RECE, b, CaraExterior);
                if (b > g.Afe) {
                    g.Afe = b;
                }
            }
        }
    }

    for (SeccionTraccion *t : {&g.Tmas, &g.Tmenos}) {
        if (t->hay) {
            t->diseno.emplace(contexto.estado, t->M, t->N);
        }
    }
}

// The two faces sized from the governing sections and laid out, in the way the tension
// sections found call for. Each way returns a fault of a layout or of a combined-tension
// design that did not settle. A layout never finds the wall too thin.
class DisenoCaras {
public:
    DisenoCaras(ContextoCalculo &contexto, const SeccionesGobernantes &g,
                std::int16_t IndicadorCamisa, double CAMMAX, double maximo,
                RegistroTraccion &registro, DisposicionArmadura &interior,
                DisposicionArmadura &exterior)
        : m_contexto(contexto), m_g(g), m_IndicadorCamisa(IndicadorCamisa), m_CAMMAX(CAMMAX),
          m_maximo(maximo), m_registro(registro), m_interior(interior), m_exterior(exterior)
    {
    }

    // limite: the outer face is held under its maximum.
    ErrorCalculo Disena(bool limite);

private:
    ErrorCalculo SoloFlexion();
    ErrorCalculo TraccionMas();
    ErrorCalculo TraccionMenos(bool limite);
    ErrorCalculo TraccionAmbas(bool limite);
    ErrorCalculo DisponeInterior(double area, AvisoCapas aviso);
    ErrorCalculo DisponeExterior(double area);
    // The combined-tension area of this face with the other face's area; false when the share
    // iteration did not settle. In the class, so that the rounds take a replayed answer
    // without a call.
    bool Traccion(const SeccionTraccion &t, double otra, double &area) const
    {
        return m_registro.Resuelve(*t.diseno, t.M, t.N, otra, area).converge;
    }
    // Without a cylinder the checks lay both faces out again: the layer warning is owed to
    // their layouts, not to these.
    AvisoCapas AvisoFinal() const
    {
        return m_IndicadorCamisa > 0 ? AvisoCapas::Escribir : AvisoCapas::Informar;
    }
    ErrorCalculo SinSolucion(std::int32_t texto);
    void Avisa(std::int32_t texto);
    bool AlcanzaConElevaciones(double otraMaxima) const;
    ErrorCalculo ElevaInteriorDispuesta(double &Ai, double &Ae, bool persigue);
    bool AlternaCaras(double &Ai, double &Ae, bool limite, bool &limitada) const;
    ErrorCalculo ElevaInteriorHastaMaxima(double &Ai, double &Ae);

    ContextoCalculo &m_contexto;
    const SeccionesGobernantes &m_g;
    const std::int16_t m_IndicadorCamisa;
    const double m_CAMMAX;
    const double m_maximo;
    RegistroTraccion &m_registro;
    DisposicionArmadura &m_interior;
    DisposicionArmadura &m_exterior;
};

ErrorCalculo DisenoCaras::DisponeInterior(double area, AvisoCapas aviso)
{
    ErrorCalculo error = DisponeArmadura(m_contexto, area, m_IndicadorCamisa, m_CAMMAX, m_interior,
                                         CaraInterior, aviso);
    ResultadosCaso &r = m_contexto.estado.resultados;
    r.CAMISA = m_interior.Camisa;
    r.FIIN = m_interior.Diametro;
    r.NESPIN = static_cast<double>(m_interior.Espiras);
    return error;
}

ErrorCalculo DisenoCaras::DisponeExterior(double area)
{
    ErrorCalculo error = DisponeArmadura(m_contexto, area, SoloEspiras, m_CAMMAX, m_exterior,
                                         CaraExterior, AvisoFinal());
    ResultadosCaso &r = m_contexto.estado.resultados;
    r.FIEX = m_exterior.Diametro;
    r.NEXPEX = static_cast<double>(m_exterior.Espiras);
    return error;
}

ErrorCalculo DisenoCaras::SinSolucion(std::int32_t texto)
{
    return FalloArmado(m_contexto, Texto(m_contexto.estado.ejecucion.DesplazamientoIdioma, texto));
}

void DisenoCaras::Avisa(std::int32_t texto)
{
    AvisoSeccion(m_contexto, Texto(m_contexto.estado.ejecucion.DesplazamientoIdioma, texto));
}

// Whether the outer face comes down to the maximum with the inner face at the top of the
// raises, its area given by otraMaxima (cm2/m). The outer area only falls as the inner one
// grows, so a maximum not met there is met by no raise: it is said at once instead of raising
// the inner face to an absurd layout. A share iteration that does not settle there decides
// nothing, and the raises go on.
bool DisenoCaras::AlcanzaConElevaciones(double otraMaxima) const
{
    double AeTope = 0;
    return !Traccion(m_g.Tmenos, otraMaxima, AeTope) || AeTope <= m_maximo;
}

ErrorCalculo DisenoCaras::Disena(bool limite)
{
    if (!m_g.Tmas.hay && !m_g.Tmenos.hay) {
        return SoloFlexion();
    }
    if (!m_g.Tmenos.hay) {
        return TraccionMas();
    }
    if (!m_g.Tmas.hay) {
        return TraccionMenos(limite);
    }
    return TraccionAmbas(limite);
}

// Neither tension section: each face from bending alone.
ErrorCalculo DisenoCaras::SoloFlexion()
{
    if (ErrorCalculo error = DisponeInterior(m_g.Afi, AvisoFinal())) {
        return error;
    }
    return DisponeExterior(m_g.Afe);
}

// The positive-moment tension alone: the outer face first, from bending alone; the inner face
// follows from it.
ErrorCalculo DisenoCaras::TraccionMas()
{
    if (ErrorCalculo error = DisponeExterior(m_g.Afe)) {
        return error;
    }
    double Ai = 0;
    if (!Traccion(m_g.Tmas, m_exterior.AreaDispuesta, Ai)) {
        return SinSolucion(TextoSinSolucionMMasYMenos);
    }
    if (Ai < m_g.Afi) {
        Ai = m_g.Afi;
    }
    return DisponeInterior(Ai, AvisoFinal());
}

// The negative-moment tension alone: the outer face from the inner one as laid out, the inner
// face raised while the outer one needs more than its maximum.
ErrorCalculo DisenoCaras::TraccionMenos(bool limite)
{
    double Ai = m_g.Afi;
    double Ae = 0;
    // A maximum below what the outer face needs however thick the inner face is: said at
    // once, and the inner face is not raised in vain.
    bool persigue = limite;
    if (persigue && !m_g.Tmenos.diseno->Alcanza(m_maximo)) {
        Avisa(TextoSinSolucionMMenos);
        persigue = false;
    }
    if (ErrorCalculo error = ElevaInteriorDispuesta(Ai, Ae, persigue)) {
        return error;
    }
    if (ErrorCalculo error = DisponeInterior(Ai, AvisoFinal())) {
        return error;
    }
    return DisponeExterior(Ae);
}

// The raises of TraccionMenos, each inner face laid out before the outer one is worked from
// it.
ErrorCalculo DisenoCaras::ElevaInteriorDispuesta(double &Ai, double &Ae, bool persigue)
{
    for (std::int32_t k = 0;;) {
        // A trial layout: its layer warning, if any, belongs to the layout kept.
        if (ErrorCalculo error = DisponeInterior(Ai, AvisoCapas::Informar)) {
            return error;
        }
        if (!Traccion(m_g.Tmenos, m_interior.AreaDispuesta, Ae)) {
            return SinSolucion(TextoSinSolucionMMenos);
        }
        if (Ae < m_g.Afe) {
            Ae = m_g.Afe;
            return {};
        }
        if (!persigue || Ae <= m_maximo) {
            return {};
        }
        if (k == 0) {
            // Before the first raise: the inner face as the last raise would lay it out.
            DisposicionArmadura tope;
            if (ErrorCalculo error =
                    DisponeArmadura(m_contexto, Ai + ElevacionMaxima, m_IndicadorCamisa, m_CAMMAX,
                                    tope, CaraInterior, AvisoCapas::Informar)) {
                return error;
            }
            if (!AlcanzaConElevaciones(tope.AreaDispuesta)) {
                Avisa(TextoSinSolucionMMenos);
                return {};
            }
        }
        if (++k > MaximoElevaciones) {
            Avisa(TextoSinSolucionMMenos);
            return {};
        }
        Ai += PasoElevacion;
    }
}

// Tension sections of both signs: each face takes its share from the other, the rounds
// alternate until the outer face settles, and an outer face above its maximum has the inner
// face raised until it needs no more.
ErrorCalculo DisenoCaras::TraccionAmbas(bool limite)
{
    double Ai = 0;
    double Ae = 0;
    bool limitada = false;
    if (!AlternaCaras(Ai, Ae, limite, limitada)) {
        return SinSolucion(TextoSinSolucionMMasYMenos);
    }
    if (limitada) {
        if (ErrorCalculo error = ElevaInteriorHastaMaxima(Ai, Ae)) {
            return error;
        }
    }
    if (ErrorCalculo error = DisponeInterior(Ai, AvisoFinal())) {
        return error;
    }
    if (!Traccion(m_g.Tmenos, m_interior.AreaDispuesta, Ae)) {
        return SinSolucion(TextoSinSolucionMMasYMenos);
    }
    if (Ae < m_g.Afe) {
        Ae = m_g.Afe;
    }
    return DisponeExterior(Ae);
}

// The rounds of TraccionAmbas, from the outer face of bending; limitada when the outer face
// went above its maximum. False when a share iteration or the rounds did not settle.
bool DisenoCaras::AlternaCaras(double &Ai, double &Ae, bool limite, bool &limitada) const
{
    double X = m_g.Afe;
    for (std::int32_t ronda = 0;; ++ronda) {
        if (ronda == MaximoRepeticionesCaras) {
            return false;
        }
        if (!Traccion(m_g.Tmas, X, Ai)) {
            return false;
        }
        if (Ai < m_g.Afi) {
            Ai = m_g.Afi;
        }
        if (!Traccion(m_g.Tmenos, Ai, Ae)) {
            return false;
        }
        if (Ae < m_g.Afe) {
            Ae = m_g.Afe;
        }
        if (limite && Ae > m_maximo) {
            limitada = true;
            return true;
        }
        if (std::abs(Ae - X) <= ToleranciaCaras) {
            return true;
        }
        X = Ae;
    }
}

// The inner face for an outer face at its maximum, raised until the outer face needs no more
// than that.
ErrorCalculo DisenoCaras::ElevaInteriorHastaMaxima(double &Ai, double &Ae)
{
    if (!Traccion(m_g.Tmas, m_maximo, Ai)) {
        return SinSolucion(TextoSinSolucionMMasYMenos);
    }
    if (Ai < m_g.Afi) {
        Ai = m_g.Afi;
    }
    if (!m_g.Tmenos.diseno->Alcanza(m_maximo)) {
        Avisa(TextoSinSolucionMMasYMenos);
        return {};
    }
    for (std::int32_t k = 0;;) {
        if (!Traccion(m_g.Tmenos, Ai, Ae)) {
            return SinSolucion(TextoSinSolucionMMasYMenos);
        }
        if (Ae <= m_maximo) {
            return {};
        }
        if (k == 0) {
            if (!AlcanzaConElevaciones(Ai + ElevacionMaxima)) {
                Avisa(TextoSinSolucionMMasYMenos);
                return {};
            }
        }
        if (++k > MaximoElevaciones) {
            Avisa(TextoSinSolucionMMasYMenos);
            return {};
        }
        Ai += PasoElevacion;
    }
}

// The faces as the cracking check left them, with the layer warnings they call for.
void PonCarasComprobadas(ContextoCalculo &contexto, const DisposicionArmadura &interior,
                         const DisposicionArmadura &exterior)
{
    ResultadosCaso &r = contexto.estado.resultados;
    r.CAMISA = interior.Camisa;
    r.FIIN = interior.Diametro;
    r.NESPIN = static_cast<double>(interior.Espiras);
    r.FIEX = exterior.Diametro;
    r.NEXPEX = static_cast<double>(exterior.Espiras);
    for (const auto &[disposicion, cara] :
         {std::pair{&interior, CaraInterior}, std::pair{&exterior, CaraExterior}}) {
        if (disposicion->VariasCapas) {
            EscribeAvisoVariasCapas(contexto, cara);
        }
    }
}

} // namespace

ResultadoSeccion ArmaduraTubo(ContextoCalculo &contexto, double ESP, double RECI, double RECE,
                              const TablaHipotesis &MomentosPorHipotesis,
                              const TablaHipotesis &AxilesPorHipotesis,
                              std::int16_t IndicadorCamisa, std::int16_t NHIPO,
                              std::int16_t ultimaHipotesis, std::int16_t NSEC, double CAMMAX,
                              RegistroTraccion *registro)
{
    EstadoObra &estado = contexto.estado;
    ResultadosCaso &r = estado.resultados;
    const DatosTramo &tramo = estado.tramo;

    r.EstadoDiseno = 0;
    r.BRAZO = ESP - RECI - RECE;
    const double z = r.BRAZO; // m, between the two layers

    if (ErrorCalculo error = CompruebaMaterialesSeccion(contexto)) {
        return {std::move(error)};
    }
    // The lever arm and both effective depths are divided by: a wall no thicker than its covers
    // is a wall too thin, and ends the case as such.
    if (!(z > 0 && ESP - RECI > 0 && ESP - RECE > 0)) {
        return {{}, 1};
    }

    // A maximum of 0 is no limit, as the pressure hypothesis takes it.
    const double maximo = tramo.ArmaduraExteriorMaxima;
    bool limite = tramo.FijaArmaduraExterior != Falso && maximo > 0;

    SeccionesGobernantes g;
    BarreSecciones(contexto, ESP, RECI, RECE, z, MomentosPorHipotesis, AxilesPorHipotesis, NHIPO,
                   ultimaHipotesis, NSEC, g);

    if (limite && g.Afe > maximo) {
        AvisoSeccion(contexto,
                     Texto(estado.ejecucion.DesplazamientoIdioma, TextoExteriorMayorQueMaxima));
        limite = false; // the maximum is no longer pursued
    }

    DisposicionArmadura interior;
    DisposicionArmadura exterior;
    // Without a record of the caller's, the solutions are recorded for this pass alone.
    RegistroTraccion registroPropio;
    DisenoCaras caras(contexto, g, IndicadorCamisa, CAMMAX, maximo,
                      registro != nullptr ? *registro : registroPropio, interior, exterior);
    if (ErrorCalculo error = caras.Disena(limite)) {
        return {std::move(error)};
    }

    ResultadoSeccion comprobado = CompruebaArmado(
        contexto, ESP, RECI, RECE, MomentosPorHipotesis, AxilesPorHipotesis, NHIPO,
        ultimaHipotesis, NSEC, IndicadorCamisa, g.Afi, g.Afe, interior, exterior, CAMMAX);
    if (comprobado.error || comprobado.IESP > 0 || IndicadorCamisa > 0) {
        return comprobado;
    }
    PonCarasComprobadas(contexto, interior, exterior);
    return {};
}

} // namespace dravek
