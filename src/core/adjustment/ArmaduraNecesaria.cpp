#include "core/adjustment/ArmaduraNecesaria.h"

#include "core/listing/Depuracion.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/Utf8.h"
#include "core/validation/FuncionesGenerales.h"

#include <cmath>
#include <string_view>

namespace dravek {

namespace {

constexpr double AnchoBanda = 100.0; // cm, the strip of one metre of pipe
constexpr std::string_view MascaraArmadura = "####0.00";
constexpr int TextoNoComprobable = 1560;

std::optional<double> SiFinito(double valor)
{
    if (!std::isfinite(valor)) {
        return std::nullopt;
    }
    return valor;
}

void Vacias(std::vector<std::string> &lineas, int n)
{
    for (int i = 0; i < n; ++i) {
        lineas.emplace_back();
    }
}

// Puts a second item at column `columna` of the line, or on a new line when the first part
// already reaches it.
LineaDepuracion SegundaColumna(std::vector<std::string> &lineas, const std::string &separador,
                               const LineaDepuracion &primera, int columna)
{
    const auto ocupadas = static_cast<int>(CuentaCaracteresUtf8(primera.Linea()));
    if (ocupadas < columna - 1) {
        LineaDepuracion linea = primera;
        linea.Anade(std::string(static_cast<std::size_t>(columna - 1 - ocupadas), ' '));
        return linea;
    }
    lineas.push_back(primera.Linea());
    return LineaDepuracion(separador, columna);
}

std::string Formatea(const EstadoObra &estado, double valor)
{
    return FormateaMascara(valor, MascaraArmadura, estado.ejecucion.SeparadorDecimalLocal);
}

// The shown text read back as a number; a text of the mask always reads.
double Relee(const EstadoObra &estado, const std::string &texto)
{
    return TextoANumero(estado.ejecucion, texto).value_or(0.0);
}

} // namespace

CantidadesComprobacion CalculaCantidades(const EstadoObra &estado,
                                         const RecubrimientosComprobacion &recubrimientos)
{
    CantidadesComprobacion c;
    c.s = estado.tramo.Fyd;
    const double factores = estado.tramo.GamaB * estado.tramo.GamaF;
    c.Fcad = factores != 0 ? estado.tramo.FCK / factores : 0.0;
    if (!std::isfinite(c.Fcad)) {
        c.Fcad = 0;
    }
    c.t = estado.calculo.EspesorTramo;
    c.ci = recubrimientos.Interior;
    c.ce = recubrimientos.Exterior;
    c.z = c.t - c.ci - c.ce;
    return c;
}

int ElementoSeccion(SeccionComprobacion seccion)
{
    switch (seccion) {
    case SeccionComprobacion::Clave:
        return 1;
    case SeccionComprobacion::Rinones:
        return 2;
    case SeccionComprobacion::Solera:
        break;
    }
    return 3;
}

int FilaSeccion(SeccionComprobacion seccion)
{
    return ElementoSeccion(seccion) - 1;
}

bool TraccionInterior(SeccionComprobacion seccion, double momento)
{
    return seccion == SeccionComprobacion::Rinones ? momento > 0 : momento >= 0;
}

double CalculaM(double M)
{
    return std::abs(M) * 100000.0;
}

double PresionHipotesis(std::int16_t HipotesisPesima, double p, const DatosCaso &caso)
{
    switch (HipotesisPesima) {
    case 1:
        return caso.PPNeta;
    case 2:
        return 0.0;
    case 3:
        return caso.STP;
    case 5:
        return caso.MDP;
    default:
        return p;
    }
}

double CalculaN(double N, double p, double D)
{
    return (N + p * 10.0 * D / 2.0) * 1000.0;
}

std::optional<double> Linea_5240(double M, double N, double z, double d, double Fcad, double s,
                                 double &CasoExcentricidad)
{
    CasoExcentricidad = 0.0;
    if (N == 0 || d == 0 || Fcad == 0 || s == 0) {
        return std::nullopt;
    }
    const double K1 = (M / N - z / 2.0) / d;
    const double K2 = (M - N * z / 2.0) / (Fcad * AnchoBanda * d * d);
    return SiFinito((1.0 + 0.97 * K1 * (1.0 + K2)) * N / s);
}

std::optional<double> Linea_5050(double N, double M, double z, double s, double d, double Fcad,
                                 double &CasoExcentricidad)
{
    if (N == 0) {
        CasoExcentricidad = 0.0;
        return std::nullopt;
    }
    if (N >= 0 && M / N <= z / 2.0) {
        CasoExcentricidad = 1.0;
        if (z == 0 || s == 0) {
            return std::nullopt;
        }
        return SiFinito((M / N / z + 0.5) * N / s);
    }
    return Linea_5240(M, N, z, d, Fcad, s, CasoExcentricidad);
}

std::optional<double> Linea_6000(double a, double b, double c, double d, double e)
{
    if (a * b == 0) {
        return std::nullopt;
    }
    const double B = a * b * c - a * d - e;
    const double discriminante = B * B + 4.0 * a * b * c * e;
    if (discriminante < 0) {
        return std::nullopt;
    }
    return SiFinito((-B + std::sqrt(discriminante)) / 2.0 / b / a);
}

std::optional<double> Linea_6030(double a, double b, double c, double d, double e)
{
    const double divisor = e - a * b * c;
    if (divisor == 0) {
        return std::nullopt;
    }
    return SiFinito((a * b * c * c - b * d * c - c * e) / divisor);
}

std::optional<double> Lineas_1050(double A1, double A2, double M, double z, double N, double s,
                                  double d, double Fcad, std::vector<std::string> &lineas,
                                  const std::string &separador)
{
    lineas.push_back(LineaDepuracion(separador)
                         .Anade(" A1 = ###.##                  A2 = ###.##")
                         .Anade(A1)
                         .Anade(A2)
                         .Linea());
    Vacias(lineas, 2);
    if (N == 0) {
        lineas.push_back(LineaDepuracion(separador)
                             .Anade(" M/N = ######. / ######.= ")
                             .Anade(M)
                             .Anade(N)
                             .Linea());
        return std::nullopt;
    }
    const double e = M / N;
    lineas.push_back(LineaDepuracion(separador)
                         .Anade(" M/N = ######. / ######.= ###.## ")
                         .Anade(M)
                         .Anade(N)
                         .Anade(e)
                         .Linea());
    if (N < 0) {
        lineas.push_back(LineaDepuracion(separador).Anade(" N  < 0.  ").Linea());
    }
    Vacias(lineas, 1);

    if (N >= 0 && e <= z / 2.0) {
        lineas.push_back(LineaDepuracion(separador)
                             .Anade(" M / N  <= BRAZO / 2 = ##.## / 2 = ##.## ")
                             .Anade(z)
                             .SiguienteZona()
                             .Anade(z / 2.0)
                             .Linea());
        Vacias(lineas, 1);
        if (A1 + A2 == 0 || z == 0 || s == 0) {
            return std::nullopt;
        }
        const double reparto = A1 / (A1 + A2);
        lineas.push_back(LineaDepuracion(separador)
                             .Anade("A1 / ( A1 + A2 ) = ###.## / ( ###.## + ###.## ) = #.## ")
                             .Anade(A1)
                             .Anade(A1)
                             .Anade(A2)
                             .Anade(reparto)
                             .Linea());
        return SiFinito((e / z + reparto) * N / s);
    }

    if (N < 0) {
        lineas.push_back(LineaDepuracion(separador, 1).Anade(" N  < 0.").Linea());
    } else {
        lineas.push_back(LineaDepuracion(separador)
                             .Anade(" M / N  > BRAZO / 2 = ##.## / 2 = ###.## ")
                             .Anade(z)
                             .SiguienteZona()
                             .Anade(z / 2.0)
                             .Linea());
        Vacias(lineas, 1);
    }
    if (d == 0 || Fcad == 0 || s == 0) {
        return std::nullopt;
    }
    const double K1 = (e - z / 2.0) / d;
    const double K2 = (M - N * z / 2.0) / (Fcad * AnchoBanda * d * d);
    lineas.push_back(LineaDepuracion(separador).Anade("K1 = (M / N - BRAZO/2 ) / CANTO").Linea());
    lineas.push_back(LineaDepuracion(separador)
                         .Anade("K1 = (######. / ######. - ##.## /2) / ##.##")
                         .Anade(M)
                         .Anade(N)
                         .Anade(z)
                         .Anade(d)
                         .Linea());
    lineas.push_back(LineaDepuracion(separador).Anade("K1 = ###.###").Anade(K1).Linea());
    lineas.push_back(LineaDepuracion(separador)
                         .Anade("K2 = (M - N * BRAZO/2 ) /(Fcad*ANCHO*CANTO*CANTO)")
                         .Linea());
    lineas.push_back(LineaDepuracion(separador)
                         .Anade("K2 = (######. - ######. * ##.## /2) / (###.##*100*##.##*##.##)")
                         .Anade(M)
                         .Anade(N)
                         .Anade(z)
                         .Anade(Fcad)
                         .Anade(d)
                         .Anade(d)
                         .Linea());
    lineas.push_back(LineaDepuracion(separador).Anade("K2 = ####.###").Anade(K2).Linea());
    lineas.push_back(LineaDepuracion(separador)
                         .Anade("A1 = N /####. * ( 1 + K1 * 0.97 * (1+K2))")
                         .Anade(s)
                         .Linea());
    lineas.push_back(LineaDepuracion(separador)
                         .Anade("A1 = ######. /####. * ( 1 + ####.### * 0.97 * (1+####.###))")
                         .Anade(N)
                         .Anade(s)
                         .Anade(K1)
                         .Anade(K2)
                         .Linea());
    return SiFinito((1.0 + 0.97 * K1 * (1.0 + K2)) * N / s);
}

namespace {

ResultadoComprobacion TraccionPura(const EstadoObra &estado, double Ai, double Ae)
{
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const auto &h1 = estado.resultados.ResultadosHipotesis[1];
    ResultadoComprobacion r;
    const std::array<int, 3> textos{677, 676, 668};
    const std::array<double, 3> dispuestas{Ae, Ai, Ai + Ae};
    const std::array<double, 3> necesarias{h1[2], h1[1], h1[3]};
    for (std::size_t i = 0; i < 3; ++i) {
        FilaComprobacion &fila = r.filas[i];
        fila.Posicion = Recorta(Texto(d, textos[i]));
        fila.Dispuesta = Formatea(estado, dispuestas[i]);
        fila.Necesaria = Formatea(estado, necesarias[i]);
        fila.Alerta = Relee(estado, fila.Necesaria) > Relee(estado, fila.Dispuesta);
    }
    return r;
}

} // namespace

ResultadoComprobacion Calculo_Arm_Necesaria(const EstadoObra &estado,
                                            const ArmaduraElegida &elegida,
                                            const RecubrimientosComprobacion &recubrimientos,
                                            DepuracionAjuste &depuracion)
{
    const double Ai = elegida.Camisa + elegida.Refuerzo;
    const double Ae = elegida.Exterior;
    const ResultadosCaso &res = estado.resultados;
    if (res.HipotesisPesima == 1) {
        return TraccionPura(estado, Ai, Ae);
    }

    const std::int32_t desp = estado.ejecucion.DesplazamientoIdioma;
    const std::string &sep = estado.ejecucion.SeparadorDecimalLocal;
    const CantidadesComprobacion c = CalculaCantidades(estado, recubrimientos);
    ResultadoComprobacion r;
    r.filas[0].Posicion = Texto(desp, 915);
    r.filas[1].Posicion = Texto(desp, 916);
    r.filas[2].Posicion = Texto(desp, 917);

    std::vector<std::string> lineas;
    Vacias(lineas, 3);
    lineas.push_back(LineaDepuracion(sep, 20).Anade("DATOS BASICOS").Linea());
    lineas.push_back(LineaDepuracion(sep, 20).Anade("=============").Linea());
    Vacias(lineas, 1);
    lineas.push_back(LineaDepuracion(sep)
                         .Anade("DIAMETRO INTERIOR  ####. mm ")
                         .Anade(estado.tramo.vDi * 1000.0)
                         .Linea());
    Vacias(lineas, 1);
    {
        LineaDepuracion altura = LineaDepuracion(sep)
                                     .Anade("ALTURA DE TIERRAS = #.# m.")
                                     .Anade(estado.caso.AlturaActual);
        lineas.push_back(SegundaColumna(lineas, sep, altura, 45)
                             .Anade("PRESION ##.# ATM")
                             .Anade(estado.caso.DP)
                             .Linea());
    }
    Vacias(lineas, 3);
    lineas.push_back(LineaDepuracion(sep)
                         .Anade("tension admisible arm. int. =####. kp/cm2")
                         .Anade(c.s)
                         .Linea());
    lineas.push_back(LineaDepuracion(sep)
                         .Anade("tension admisible arm. ext. =####. kp/cm2")
                         .Anade(c.s)
                         .Linea());
    Vacias(lineas, 3);
    lineas.push_back(LineaDepuracion(sep)
                         .Anade("ARM. INTERIOR CAMISA = ##.## cm2/m")
                         .Anade(elegida.Camisa)
                         .Linea());
    lineas.push_back(LineaDepuracion(sep)
                         .Anade("ARM. INTERIOR ESPIRAS = ##.## cm2/m")
                         .Anade(elegida.Refuerzo)
                         .Linea());
    Vacias(lineas, 2);
    lineas.push_back(
        LineaDepuracion(sep).Anade("ARM. INTERIOR TOTAL = ##.## cm2/m").Anade(Ai).Linea());
    Vacias(lineas, 3);
    lineas.push_back(LineaDepuracion(sep).Anade("ARM. EXTERIOR = ##.## cm2/m").Anade(Ae).Linea());

    double p = estado.caso.DP;
    for (const SeccionComprobacion seccion : OrdenSecciones) {
        if (seccion == SeccionComprobacion::Clave) {
            lineas.emplace_back("\f");
            Vacias(lineas, 2);
            lineas.push_back(LineaDepuracion(sep, 20).Anade("CLAVE").Linea());
            Vacias(lineas, 1);
        } else if (seccion == SeccionComprobacion::Rinones) {
            Vacias(lineas, 3);
            lineas.push_back(LineaDepuracion(sep, 20).Anade("RIÑONES").Linea());
            Vacias(lineas, 1);
        }
        const int elemento = ElementoSeccion(seccion);
        const double momento = res.MomentosPesimos[static_cast<std::size_t>(elemento)];
        const double axil = res.AxilesPesimos[static_cast<std::size_t>(elemento)];
        const bool interior = TraccionInterior(seccion, momento);
        const double d = interior ? c.t - c.ci : c.t - c.ce;
        const double A1 = interior ? Ai : Ae;
        const double A2 = interior ? Ae : Ai;
        const double M = CalculaM(momento);
        p = PresionHipotesis(res.HipotesisPesima, p, estado.caso);
        const double N = CalculaN(axil, p, estado.tramo.vDi);

        Vacias(lineas, 1);
        {
            LineaDepuracion canto = LineaDepuracion(sep).Anade("CANTO UTIL cm. = ##.#").Anade(d);
            lineas.push_back(SegundaColumna(lineas, sep, canto, 45)
                                 .Anade("BRAZO cm = ##.#")
                                 .Anade(c.z)
                                 .Linea());
        }
        Vacias(lineas, 1);
        lineas.push_back(LineaDepuracion(sep).Anade("MOMENTO = ######.").Anade(M).Linea());
        lineas.push_back(LineaDepuracion(sep)
                             .Anade(seccion == SeccionComprobacion::Rinones
                                        ? "AXIL= (###.### +##.#*10*#.###/2 )*1000.=######."
                                        : "AXIL= (###.### +##.#*10*#.###/2 ) * 1000.=######.")
                             .Anade(axil)
                             .Anade(p)
                             .Anade(estado.tramo.vDi)
                             .Anade(N)
                             .Linea());
        Vacias(lineas, 2);
        const std::optional<double> A =
            Lineas_1050(A1, A2, M, c.z, N, c.s, d, c.Fcad, lineas, sep);
        Vacias(lineas, 1);

        FilaComprobacion &fila = r.filas[static_cast<std::size_t>(FilaSeccion(seccion))];
        fila.Dispuesta = Formatea(estado, A1);
        LineaDepuracion final = LineaDepuracion(sep)
                                    .Anade(seccion == SeccionComprobacion::Solera
                                               ? " ARMADURA DISPUESTA ###.## cm2/m  ARMADURA "
                                                 "NECESARIA ###.## cm2/m"
                                               : " ARMADURA DISPUESTA ###.## cm2/m ARMADURA "
                                                 "NECESARIA ###.## cm2/m")
                                    .Anade(A1);
        if (A) {
            fila.Necesaria = Formatea(estado, *A);
            fila.Alerta = A1 < Relee(estado, fila.Necesaria);
            final.Anade(*A);
        } else {
            // No value to compare with: the section is shown as not checkable and warned.
            fila.Comprobable = false;
            fila.Necesaria = Texto(desp, TextoNoComprobable);
            fila.Alerta = true;
            final.Anade(fila.Necesaria);
        }
        lineas.push_back(final.Linea());
    }
    lineas.emplace_back("\f");

    r.DepuracionEscrita = depuracion.Reescribe(lineas);
    r.DepuracionFallida = !r.DepuracionEscrita;
    return r;
}

} // namespace dravek
