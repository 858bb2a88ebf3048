#include "core/reinforced/ComprobacionesArmado.h"

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/reinforced/ListadoArmado.h"
#include "core/reinforced/ListadoAvisos.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>

namespace dravek {

namespace {

constexpr double Equivalencia = 11.0; // steel counted 11 times in the homogenised section
constexpr double AnchoFaja = 100.0;   // cm, the metre of wall
constexpr double CmPorM = 100.0;
constexpr double CmCuadradosPorM2 = 10000.0;
constexpr double KpPorT = 1000.0;
constexpr double KpCmPorTm = 100000.0;
constexpr double IncrementoFisuracion = 0.5;   // cm2/m added to a cracked face
constexpr double SinTensionAdmisible = 1.0e20; // kp/cm2, start of the smallest admissible stress

constexpr std::array<double, 3> CoeficientesFisuracion = {1.5, 1.6, 1.7};
constexpr std::int16_t ControlIntenso = 1;

constexpr std::int32_t TextoMm = 589;
constexpr std::int32_t TextoCm2 = 593;
constexpr std::int32_t TextoEspesorInsuficiente = 565;
constexpr std::int32_t TextoComprobacionFisuracion = 578;
constexpr std::int32_t TextoArmaduraSinFisuracion = 663;
constexpr std::int32_t TextoPorMetro = 664;
constexpr std::int32_t TextoCaraInteriorDiametro = 665;
constexpr std::int32_t TextoCaraExteriorDiametro = 666;
constexpr std::int32_t TextoEspiras = 667;
constexpr std::int32_t TextoTotal = 668;

bool Positivo(double x)
{
    return std::isfinite(x) && x > 0;
}

// The wall as the checks need it, or the message that refuses it.
ErrorCalculo CompruebaGeometria(ContextoCalculo &contexto, double ESP, double RECI, double RECE)
{
    const std::int32_t rotulo = !Positivo(ESP)    ? TextoEspesor
                                : !Positivo(RECI) ? TextoRecubrimientoInterior
                                : !Positivo(RECE) ? TextoRecubrimientoExterior
                                                  : 0;
    if (rotulo == 0) {
        return {};
    }
    return FalloValorIncorrecto(contexto, rotulo);
}

void CompruebaCuantiaMaxima(ContextoCalculo &contexto, double ESP, double RECI, double RECE,
                            double Afi, double Afe, double Pi, double Pe)
{
    // Inner and outer ratios of the bending areas over a strip twice the cover deep, the total
    // ratio of the laid-out areas over the whole wall; a metre of pipe in every case.
    const double ri = Afi / (2.0 * RECI * CmCuadradosPorM2);
    const double re = Afe / (2.0 * RECE * CmCuadradosPorM2);
    const double rt = (Pi + Pe) / (ESP * CmCuadradosPorM2);
    const double ASC = CuantiaMaximaRetraccion(contexto.estado.tramo.FCK);
    if (ri > ASC || re > ASC || rt > ASC) {
        ListaCuantiaExcesiva(contexto, rt, PasadaNormal::Definitiva);
        contexto.estado.resultados.EstadoDiseno = EstadoCuantiaExcesiva;
    }
}

void ListaCara(ContextoCalculo &contexto, std::int32_t textoDiametro,
               const DisposicionArmadura &cara)
{
    EstadoObra &estado = contexto.estado;
    SalidaListado &salida = contexto.salida;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    salida.ImprimeLinea(Blancos(8) + Texto(d, textoDiametro) +
                        sNumeroDob(estado.ejecucion, cara.Diametro, 5, 0, "", false) + " " +
                        Texto(d, TextoMm));
    salida.ImprimeLinea(Blancos(8) + Texto(d, TextoEspiras) + sNumeroEnt(cara.Espiras, 5) + " " +
                        Texto(d, TextoPorMetro));
    salida.ImprimeLinea(Blancos(8) + Texto(d, TextoTotal) +
                        sNumeroDob(estado.ejecucion, cara.AreaDispuesta, 9, 1, "", false) + " " +
                        Texto(d, TextoCm2));
}

void ListaArmaduraSinFisuracion(ContextoCalculo &contexto, const DisposicionArmadura &interior,
                                const DisposicionArmadura &exterior)
{
    EstadoObra &estado = contexto.estado;
    if (!estado.listado.Imprimiendo || estado.listado.TipoListado != ClaseListado::Normal ||
        !estado.resultados.PasadaDefinitiva) {
        return;
    }
    SalidaListado &salida = contexto.salida;
    Impresora &impresora = salida.impresora();
    salida.SaltaLineas(estado, 2);
    impresora.PonTamanoFuente(10);
    impresora.PonNegrita(true);
    salida.ImprimeLinea(Blancos(8) +
                        Texto(estado.ejecucion.DesplazamientoIdioma, TextoArmaduraSinFisuracion));
    impresora.PonTamanoFuente(10);
    impresora.PonNegrita(false);
    salida.SaltaLineas(estado, 1);
    ListaCara(contexto, TextoCaraInteriorDiametro, interior);
    salida.SaltaLineas(estado, 1);
    ListaCara(contexto, TextoCaraExteriorDiametro, exterior);
}

// The check gave up: the wall cannot be kept from cracking by adding steel. The case ends, so
// the line goes to the Normal listing in any pass.
void ListaFisuracionSinSolucion(ContextoCalculo &contexto)
{
    const std::int32_t d = contexto.estado.ejecucion.DesplazamientoIdioma;
    ListaAvisoCaso(contexto,
                   Texto(d, TextoComprobacionFisuracion) + ": " +
                       Texto(d, TextoEspesorInsuficiente),
                   PasadaNormal::Cualquiera);
}

ResultadoSeccion CompruebaFisuracion(ContextoCalculo &contexto, double ESP, double RECI,
                                     double RECE, const TablaHipotesis &M, const TablaHipotesis &N,
                                     std::int16_t NHIPO, std::int16_t ultimaHipotesis,
                                     std::int16_t NSEC, std::int16_t IndicadorCamisa,
                                     DisposicionArmadura &interior, DisposicionArmadura &exterior,
                                     double CAMMAX)
{
    EstadoObra &estado = contexto.estado;
    ResultadosCaso &resultados = estado.resultados;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;

    const double Fct = estado.tramo.Fct;
    if (!Positivo(Fct)) {
        return {FalloArmado(contexto, Texto(d, TextoTraccionHormigon))};
    }
    const double c = CoeficienteFisuracion(estado.tramo.ClaseFisuracion, estado.tramo.TipoControl);
    if (!(c > 0)) {
        return {FalloValorIncorrecto(contexto, TextoComprobacionFisuracion)};
    }

    // Rows and sections outside the tables are not looked at.
    const std::size_t primera = static_cast<std::size_t>(std::max<std::int16_t>(NHIPO, 1));
    const std::size_t ultima = static_cast<std::size_t>(
        std::clamp<std::int16_t>(ultimaHipotesis, 0, FilasTablaHipotesis));
    const std::size_t secciones =
        static_cast<std::size_t>(std::clamp<std::int16_t>(NSEC, 0, NumeroSecciones));

    const double h = ESP * CmPorM;
    const double ri = RECI * CmPorM;
    const double re = RECE * CmPorM;
    double Pi = interior.AreaDispuesta;
    double Pe = exterior.AreaDispuesta;

    resultados.TensionMaxima = 0;
    resultados.TensionAdmisibleMinima = SinTensionAdmisible;
    int pasada = 1;
    std::int32_t reinicios = 0;
    for (;;) {
        const SeccionHomogeneizada seccion = Homogeneiza(h, ri, re, Pi, Pe);
        bool fisura = false;
        for (std::size_t hip = primera; hip <= ultima && !fisura; ++hip) {
            for (std::size_t sec = 1; sec <= secciones; ++sec) {
                const double m = M[hip][sec];
                const TensionesFisuracion t = TensionesSeccion(seccion, h, m, N[hip][sec], Fct, c);
                if (t.sa < resultados.TensionAdmisibleMinima) {
                    resultados.TensionAdmisibleMinima = t.sa;
                }
                if (t.s > resultados.TensionMaxima) {
                    resultados.TensionMaxima = t.s;
                    resultados.TensionAdmisible = t.sa;
                }
                if (t.s > t.sa) {
                    fisura = true;
                    if (++reinicios > MaximoReiniciosFisuracion) {
                        ListaFisuracionSinSolucion(contexto);
                        return {{}, 1};
                    }
                    // Steel on the tension face, on both when the section has no moment.
                    if (m >= 0) {
                        Pi += IncrementoFisuracion;
                    }
                    if (m <= 0) {
                        Pe += IncrementoFisuracion;
                    }
                    resultados.TensionMaxima = 0;
                    break;
                }
            }
        }
        if (fisura) {
            continue;
        }
        if (pasada == 2) {
            // Steel added in this pass is not laid out: the layouts stay those of pass 1.
            return {};
        }
        // The check writes no layer warning; the caller writes it once for the layouts it keeps.
        if (ErrorCalculo e = DisponeArmadura(contexto, Pi, IndicadorCamisa, CAMMAX, interior,
                                             CaraInterior, AvisoCapas::Informar)) {
            return {std::move(e)};
        }
        if (ErrorCalculo e = DisponeArmadura(contexto, Pe, IndicadorCamisa, CAMMAX, exterior,
                                             CaraExterior, AvisoCapas::Informar)) {
            return {std::move(e)};
        }
        Pi = interior.AreaDispuesta;
        Pe = exterior.AreaDispuesta;
        pasada = 2;
    }
}

} // namespace

double CuantiaMaximaRetraccion(double FCK)
{
    if (FCK <= 350) {
        return 0.096;
    }
    if (FCK <= 400) {
        return 0.096 + (FCK - 350) * 0.049 / 100;
    }
    if (FCK <= 500) {
        return 0.125 + (FCK - 400) * 0.075 / 100;
    }
    if (FCK <= 600) {
        return 0.2 + (FCK - 500) * 0.13 / 100;
    }
    return 0.33;
}

double CoeficienteFisuracion(std::int16_t ClaseFisuracion, std::int16_t TipoControl)
{
    if (ClaseFisuracion < 1 || ClaseFisuracion > 3) {
        return 0;
    }
    const double c = CoeficientesFisuracion[static_cast<std::size_t>(ClaseFisuracion - 1)];
    return TipoControl == ControlIntenso ? c - 0.1 : c;
}

SeccionHomogeneizada Homogeneiza(double h, double ri, double re, double Pi, double Pe)
{
    SeccionHomogeneizada s;
    s.Ah = Equivalencia * (Pi + Pe) + AnchoFaja * h;
    s.yg = (AnchoFaja / 2.0 * h * h + Equivalencia * (Pi * ri + Pe * (h - re))) / s.Ah;
    s.I = AnchoFaja * h * h * h / 12.0 + AnchoFaja * h * (s.yg - h / 2.0) * (s.yg - h / 2.0) +
          Equivalencia * (Pe * (h - s.yg - re) * (h - s.yg - re) + Pi * (s.yg - ri) * (s.yg - ri));
    return s;
}

TensionesFisuracion TensionesSeccion(const SeccionHomogeneizada &seccion, double h, double M,
                                     double N, double Fct, double c)
{
    TensionesFisuracion t;
    t.sM = M > 0 ? M * seccion.yg / seccion.I * KpCmPorTm
                 : -M * (h - seccion.yg) / seccion.I * KpCmPorTm;
    t.sN = KpPorT * N / seccion.Ah;
    if (t.sN <= 0) {
        t.f = 1.4;
    } else {
        const double q = t.sM / t.sN;
        if (q <= 5) {
            t.f = 1 + 0.05 * q;
        } else if (q < 10) {
            t.f = 1.25 + 0.03 * (q - 5);
        } else {
            t.f = 1.4;
        }
    }
    t.sa = Fct * t.f / c;
    t.s = t.sN + t.sM;
    return t;
}

ResultadoSeccion CompruebaArmado(ContextoCalculo &contexto, double ESP, double RECI, double RECE,
                                 const TablaHipotesis &MomentosPorHipotesis,
                                 const TablaHipotesis &AxilesPorHipotesis, std::int16_t NHIPO,
                                 std::int16_t ultimaHipotesis, std::int16_t NSEC,
                                 std::int16_t IndicadorCamisa, double Afi, double Afe,
                                 DisposicionArmadura &interior, DisposicionArmadura &exterior,
                                 double CAMMAX)
{
    if (ErrorCalculo e = CompruebaGeometria(contexto, ESP, RECI, RECE)) {
        return {std::move(e)};
    }
    if (IndicadorCamisa > 0) {
        CompruebaCuantiaMaxima(contexto, ESP, RECI, RECE, Afi, Afe, interior.AreaDispuesta,
                               exterior.AreaDispuesta);
        return {};
    }
    ListaArmaduraSinFisuracion(contexto, interior, exterior);
    return CompruebaFisuracion(contexto, ESP, RECI, RECE, MomentosPorHipotesis, AxilesPorHipotesis,
                               NHIPO, ultimaHipotesis, NSEC, IndicadorCamisa, interior, exterior,
                               CAMMAX);
}

} // namespace dravek
