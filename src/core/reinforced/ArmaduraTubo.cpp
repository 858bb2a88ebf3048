#include "core/reinforced/ArmaduraTubo.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <utility>

#include "core/model/TextoRecurso.h"
#include "core/reinforced/ComprobacionesArmado.h"
#include "core/reinforced/DisponeArmadura.h"
#include "core/reinforced/FlexionCompuesta.h"
#include "core/reinforced/SeccionArmado.h"
#include "core/reinforced/TraccionCompuesta.h"

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

} // namespace

ErrorCalculo ArmaduraTubo(ContextoCalculo &contexto, double ESP, double RECI, double RECE,
                          const TablaHipotesis &MomentosPorHipotesis,
                          const TablaHipotesis &AxilesPorHipotesis, std::int16_t IndicadorCamisa,
                          std::int16_t NHIPO, std::int16_t ultimaHipotesis, std::int16_t NSEC,
                          std::int16_t &IESP, double CAMMAX, RegistroTraccion *registro)
{
    EstadoObra &estado = contexto.estado;
    ResultadosCaso &r = estado.resultados;
    const DatosTramo &tramo = estado.tramo;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;

    r.EstadoDiseno = 0;
    r.BRAZO = ESP - RECI - RECE;
    const double z = r.BRAZO; // m, between the two layers

    if (ErrorCalculo error = CompruebaMaterialesSeccion(contexto)) {
        return error;
    }
    // The lever arm and both effective depths are divided by: a wall no thicker than its covers
    // is a wall too thin, and ends the case as such.
    if (!(z > 0 && ESP - RECI > 0 && ESP - RECE > 0)) {
        IESP = 1;
        return {};
    }

    // A maximum of 0 is no limit, as the pressure hypothesis takes it.
    const double maximo = tramo.ArmaduraExteriorMaxima;
    bool limite = tramo.FijaArmaduraExterior != Falso && maximo > 0;

    // Scan of the sections. a and b are held across the scan: a section refused by the limit
    // moment leaves them as they were and adds nothing.
    double Afi = 0;
    double Afe = 0;
    double a = 0;
    double b = 0;
    SeccionTraccion Tmas;
    SeccionTraccion Tmenos;
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
                    if (v > Tmas.clave) {
                        Tmas = {true, M, N, v, {}};
                    }
                } else {
                    const double v = N * z - M;
                    if (v > Tmenos.clave) {
                        Tmenos = {true, M, N, v, {}};
                    }
                }
            } else if (M > 0) {
                FlexionCompuesta(contexto, M, N, ESP, RECI, RECE, a, CaraInterior);
                if (a > Afi) {
                    Afi = a;
                }
            } else {
                FlexionCompuesta(contexto, -M, N, ESP, RECI, RECE, b, CaraExterior);
                if (b > Afe) {
                    Afe = b;
                }
            }
        }
    }

    for (SeccionTraccion *t : {&Tmas, &Tmenos}) {
        if (t->hay) {
            t->diseno.emplace(estado, t->M, t->N);
        }
    }

    if (limite && Afe > maximo) {
        AvisoSeccion(contexto, Texto(d, TextoExteriorMayorQueMaxima));
        limite = false; // the maximum is no longer pursued
    }

    // Without a cylinder the checks lay both faces out again: the layer warning is owed to
    // their layouts, not to these.
    const AvisoCapas avisoFinal =
        IndicadorCamisa > 0 ? AvisoCapas::Escribir : AvisoCapas::Informar;
    DisposicionArmadura interior;
    DisposicionArmadura exterior;
    const auto disponeInterior = [&](double area, AvisoCapas aviso) {
        ErrorCalculo error = DisponeArmadura(contexto, area, IndicadorCamisa, CAMMAX, interior,
                                             IESP, CaraInterior, aviso);
        r.CAMISA = interior.Camisa;
        r.FIIN = interior.Diametro;
        r.NESPIN = static_cast<double>(interior.Espiras);
        return error;
    };
    const auto disponeExterior = [&](double area) {
        ErrorCalculo error = DisponeArmadura(contexto, area, SoloEspiras, CAMMAX, exterior, IESP,
                                             CaraExterior, avisoFinal);
        r.FIEX = exterior.Diametro;
        r.NEXPEX = static_cast<double>(exterior.Espiras);
        return error;
    };
    // The combined-tension area of this face with the other face's area; false when the share
    // iteration did not settle.
    const auto traccion = [registro](const SeccionTraccion &t, double otra, double &area) {
        if (registro != nullptr) {
            return registro->Resuelve(*t.diseno, t.M, t.N, otra, area).converge;
        }
        return t.diseno->Resuelve(otra, area).converge;
    };
    const auto sinSolucion = [&](std::int32_t texto) {
        return FalloArmado(contexto, Texto(d, texto));
    };
    // Whether the outer face comes down to the maximum with the inner face at the top of the
    // raises, its area given by otraMaxima (cm2/m). The outer area only falls as the inner one
    // grows, so a maximum not met there is met by no raise: it is said at once instead of
    // raising the inner face to an absurd layout. A share iteration that does not settle there
    // decides nothing, and the raises go on.
    const auto alcanzaConElevaciones = [&](double otraMaxima) {
        double AeTope = 0;
        return !traccion(Tmenos, otraMaxima, AeTope) || AeTope <= maximo;
    };

    double Ai = 0;
    double Ae = 0;
    if (!Tmas.hay && !Tmenos.hay) {
        Ai = Afi;
        Ae = Afe;
        if (ErrorCalculo error = disponeInterior(Ai, avisoFinal); error || IESP > 0) {
            return error;
        }
        if (ErrorCalculo error = disponeExterior(Ae); error || IESP > 0) {
            return error;
        }
    } else if (!Tmenos.hay) {
        // The outer face first, from bending alone; the inner face follows from it.
        Ae = Afe;
        if (ErrorCalculo error = disponeExterior(Ae); error || IESP > 0) {
            return error;
        }
        if (!traccion(Tmas, exterior.AreaDispuesta, Ai)) {
            return sinSolucion(TextoSinSolucionMMasYMenos);
        }
        if (Ai < Afi) {
            Ai = Afi;
        }
        if (ErrorCalculo error = disponeInterior(Ai, avisoFinal); error || IESP > 0) {
            return error;
        }
    } else if (!Tmas.hay) {
        Ai = Afi;
        // A maximum below what the outer face needs however thick the inner face is: said at
        // once, and the inner face is not raised in vain.
        bool persigue = limite;
        if (persigue && !Tmenos.diseno->Alcanza(maximo)) {
            AvisoSeccion(contexto, Texto(d, TextoSinSolucionMMenos));
            persigue = false;
        }
        for (std::int32_t k = 0;;) {
            // A trial layout: its layer warning, if any, belongs to the layout kept.
            if (ErrorCalculo error = disponeInterior(Ai, AvisoCapas::Informar);
                error || IESP > 0) {
                return error;
            }
            if (!traccion(Tmenos, interior.AreaDispuesta, Ae)) {
                return sinSolucion(TextoSinSolucionMMenos);
            }
            if (Ae < Afe) {
                Ae = Afe;
                break;
            }
            if (!persigue || Ae <= maximo) {
                break;
            }
            if (k == 0) {
                // Before the first raise: the inner face as the last raise would lay it out.
                DisposicionArmadura tope;
                std::int16_t IESPTope = 0;
                if (ErrorCalculo error =
                        DisponeArmadura(contexto, Ai + ElevacionMaxima, IndicadorCamisa, CAMMAX,
                                        tope, IESPTope, CaraInterior, AvisoCapas::Informar)) {
                    return error;
                }
                if (!alcanzaConElevaciones(tope.AreaDispuesta)) {
                    AvisoSeccion(contexto, Texto(d, TextoSinSolucionMMenos));
                    break;
                }
            }
            if (++k > MaximoElevaciones) {
                AvisoSeccion(contexto, Texto(d, TextoSinSolucionMMenos));
                break;
            }
            Ai += PasoElevacion;
        }
        if (ErrorCalculo error = disponeInterior(Ai, avisoFinal); error || IESP > 0) {
            return error;
        }
        if (ErrorCalculo error = disponeExterior(Ae); error || IESP > 0) {
            return error;
        }
    } else {
        // Each face takes its share from the other: alternate until the outer face settles.
        double X = Afe;
        bool limitada = false;
        for (std::int32_t ronda = 0;; ++ronda) {
            if (ronda == MaximoRepeticionesCaras) {
                return sinSolucion(TextoSinSolucionMMasYMenos);
            }
            if (!traccion(Tmas, X, Ai)) {
                return sinSolucion(TextoSinSolucionMMasYMenos);
            }
            if (Ai < Afi) {
                Ai = Afi;
            }
            if (!traccion(Tmenos, Ai, Ae)) {
                return sinSolucion(TextoSinSolucionMMasYMenos);
            }
            if (Ae < Afe) {
                Ae = Afe;
            }
            if (limite && Ae > maximo) {
                limitada = true;
                break;
            }
            if (std::abs(Ae - X) <= ToleranciaCaras) {
                break;
            }
            X = Ae;
        }
        if (limitada) {
            // The inner face for an outer face at its maximum, raised until the outer face
            // needs no more than that.
            if (!traccion(Tmas, maximo, Ai)) {
                return sinSolucion(TextoSinSolucionMMasYMenos);
            }
            if (Ai < Afi) {
                Ai = Afi;
            }
            if (!Tmenos.diseno->Alcanza(maximo)) {
                AvisoSeccion(contexto, Texto(d, TextoSinSolucionMMasYMenos));
            } else {
                for (std::int32_t k = 0;;) {
                    if (!traccion(Tmenos, Ai, Ae)) {
                        return sinSolucion(TextoSinSolucionMMasYMenos);
                    }
                    if (Ae <= maximo) {
                        break;
                    }
                    if (k == 0) {
                        if (!alcanzaConElevaciones(Ai + ElevacionMaxima)) {
                            AvisoSeccion(contexto, Texto(d, TextoSinSolucionMMasYMenos));
                            break;
                        }
                    }
                    if (++k > MaximoElevaciones) {
                        AvisoSeccion(contexto, Texto(d, TextoSinSolucionMMasYMenos));
                        break;
                    }
                    Ai += PasoElevacion;
                }
            }
        }
        if (ErrorCalculo error = disponeInterior(Ai, avisoFinal); error || IESP > 0) {
            return error;
        }
        if (!traccion(Tmenos, interior.AreaDispuesta, Ae)) {
            return sinSolucion(TextoSinSolucionMMasYMenos);
        }
        if (Ae < Afe) {
            Ae = Afe;
        }
        if (ErrorCalculo error = disponeExterior(Ae); error || IESP > 0) {
            return error;
        }
    }

    if (ErrorCalculo error = CompruebaArmado(
            contexto, ESP, RECI, RECE, MomentosPorHipotesis, AxilesPorHipotesis, NHIPO,
            ultimaHipotesis, NSEC, IndicadorCamisa, Afi, Afe, interior, exterior, IESP, CAMMAX)) {
        return error;
    }
    if (IndicadorCamisa > 0 || IESP > 0) {
        return {};
    }
    // The faces as the cracking check left them, with the layer warnings they call for.
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
    return {};
}

} // namespace dravek
