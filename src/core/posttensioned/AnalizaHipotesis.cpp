#include "core/posttensioned/AnalizaHipotesis.h"

#include "core/engine/mdOvaliz.h"
#include "core/model/TextoRecurso.h"
#include "core/posttensioned/PresionPruebaPostesado.h"
#include "core/posttensioned/mdPreten.h"

#include <cmath>
#include <cstddef>
#include <string>

namespace dravek {

namespace {

// pi as the wire area has always been computed with (not the 3.14159265 of the force ranges).
constexpr double PiArea = 3.141592;
// The initial core stresses may reach 55% of the core strength at wrapping.
constexpr double FraccionCompresionInicial = 0.55;

constexpr std::int32_t TextoEspesorInsuficientePostesado = 800;
constexpr std::int32_t TextoResistenciaInicial = 802;
constexpr std::int32_t TextoTensionChapa = 803;
constexpr std::int32_t TextoTensionHormigon = 804;

// v - v is 0 for a finite v and not a number for an infinity or a not-a-number, and a sum of
// such terms is 0 exactly when every one is: every turn of the analysis checks some fifty
// values, and this asks two operations of each instead of a test and a branch.
template <typename... Valores> bool Finitos(Valores... valores)
{
    double suma = 0;
    ((suma += valores - valores), ...);
    return suma == 0;
}

bool Finitos(const ValoresSeccion &tabla)
{
    return Finitos(tabla[1], tabla[2], tabla[3]);
}

std::size_t Fila(std::int16_t indiceAlambre)
{
    return static_cast<std::size_t>(indiceAlambre);
}

// 1. Clear gap; below the wire's narrowest gap the next wire starts at its widest. False when
// no wider wire is left.
bool AjustaAlambre(SeccionPostesado &sc, const DatosPostesado &dt, double &d, double &N,
                   std::int16_t &alambre)
{
    sc.SeparacionLibre = SeparacionAlambres(d, N);
    if (10.0 * sc.SeparacionLibre < dt.SeparacionMinimaAlambres[Fila(alambre)]) {
        alambre = static_cast<std::int16_t>(alambre + 1);
        if (alambre > NumeroAlambres) {
            alambre = NumeroAlambres;
            return false;
        }
        d = dt.DiametrosAlambre[Fila(alambre)] / 10.0;
        N = EspirasPorMetro(dt.DiametrosAlambre[Fila(alambre)],
                            dt.SeparacionMaximaAlambres[Fila(alambre)] / 10.0);
    }
    return true;
}

// 2. Whole turns, except that up to 0.02 of a turn over a whole number is kept.
void RedondeaEspiras(double &N)
{
    const double entero = std::floor(N);
    if (entero + 0.02 < N) {
        N = entero + 1.0;
    }
}

// The cubes of the two thicknesses, taken again only when a thickness changes: the same pow
// calls on the same values, so the same results to the last bit.
const CubosEspesores &Cubos(CubosEspesores &cubos, double tp, double tr)
{
    if (!cubos.hechos || cubos.primario != tp || cubos.revestimiento != tr) {
        cubos.hechos = true;
        cubos.primario = tp;
        cubos.revestimiento = tr;
        cubos.cuboPrimario = std::pow(tp, 3);
        cubos.cuboRevestimiento = std::pow(tr, 3);
    }
    return cubos;
}

// 3. Homogenised section: a strip 1 cm wide, thicknesses across the wall; 4. Lame coefficients
// of core and coating.
void SeccionHomogeneizada(SeccionPostesado &sc, CubosEspesores &cubos, const DatosPostesado &dt,
                          double d, double N)
{
    const double ri = dt.RadioInterior;
    const double rcam = dt.RadioCamisa;
    const double rc = dt.RadioNucleo;
    const double re = dt.RadioExterior;
    const double e = dt.Delca;
    const double m = dt.RelacionModulosCamisa;
    const double n = dt.n;
    const double n1 = dt.n1;
    const double n2 = dt.n2;

    const double tp = rc - ri; // core thickness
    const double tr = re - rc; // coating thickness
    sc.EspesorPrimarioHomogeneo = tp + (m - 1.0) * e;
    const double t0 = sc.EspesorPrimarioHomogeneo;
    sc.DistanciaCentroPrimario = (tp * tp / 2.0 + (m - 1.0) * (rcam - ri) * e) / t0;
    sc.AreaPostesado = N * PiArea * d * d / 4.0 / 100.0;
    const double Ap = sc.AreaPostesado;
    sc.sro = (n - 1.0) * Ap + t0 + tr * n2;
    // The wire's centre lies d/2 outside the core, the coating's centroid halfway across it.
    sc.yi = (t0 * sc.DistanciaCentroPrimario + (n - 1.0) * Ap * (d / 2.0 + rc - ri) +
             tr * n2 * ((re + rc) / 2.0 - ri)) /
            sc.sro;
    sc.ye = tp - sc.yi;
    sc.yr = tr + sc.ye;
    sc.rco = ri + t0;
    sc.rro = sc.rco + re - rc;
    const double yi = sc.yi;
    const CubosEspesores &cubo = Cubos(cubos, tp, tr);
    sc.Io = cubo.cuboPrimario / 12.0 + tp * std::pow(tp / 2.0 - yi, 2) +
            n2 * (cubo.cuboRevestimiento / 12.0 + tr * std::pow((re + rc) / 2.0 - ri - yi, 2)) +
            (m - 1.0) * e * std::pow(rcam - ri - yi, 2) +
            (n - 1.0) * Ap * std::pow(d / 2.0 + rc - ri - yi, 2);

    sc.A = 2.0 * ri * ri / (sc.rco * sc.rco - ri * ri);
    sc.B = sc.A + 1.0;
    sc.C = sc.A + 2.0;
    sc.Ar = 2.0 * sc.rco * sc.rco / (sc.rro * sc.rro - sc.rco * sc.rco);
    sc.Br = sc.Ar + 1.0;
    sc.Cr = rc / Ap;
    sc.k = sc.B / sc.Br;
    sc.D = n2 * sc.B * (n1 * sc.Br + sc.Cr) + sc.Br * sc.Cr;
}

// 5. Initial stresses of the core at stressing: the wire presses on it from outside.
void TensionesIniciales(SeccionPostesado &sc, const DatosPostesado &dt)
{
    const double ri = dt.RadioInterior;
    const double rc = dt.RadioNucleo;
    const double Sf = dt.Sf;
    const double Ap = sc.AreaPostesado;
    sc.PerdidaAcortamientoElastico = dt.ni * Sf * (rc + ri) / (4.0 * sc.Cr * (rc - ri));
    sc.TensionAlambreInicial = Sf - sc.PerdidaAcortamientoElastico;
    const double s2 = sc.TensionAlambreInicial;
    sc.TensionInicialIntPrimario = -sc.C * Ap * s2 / rc;
    sc.TensionInicialExtPrimario = -sc.B * Ap * s2 / rc;
}

bool InicialesFinitas(const SeccionPostesado &sc, double d, double N)
{
    return Finitos(sc.SeparacionLibre, d, N, sc.EspesorPrimarioHomogeneo,
                   sc.DistanciaCentroPrimario, sc.AreaPostesado, sc.sro, sc.yi, sc.ye, sc.yr,
                   sc.rco, sc.rro, sc.Io, sc.A, sc.Ar, sc.Cr, sc.k, sc.D,
                   sc.PerdidaAcortamientoElastico, sc.TensionInicialIntPrimario,
                   sc.TensionInicialExtPrimario);
}

// 6. Losses; Epsc and Epsr are negative, so shrinkage adds to the loss. 7. Final prestress at
// the four faces.
void PerdidasYPretensadoFinal(SeccionPostesado &sc, const DatosPostesado &dt)
{
    const double rc = dt.RadioNucleo;
    const double n = dt.n;
    const double n1 = dt.n1;
    const double n2 = dt.n2;
    const double Sf = dt.Sf;
    const double Fic = dt.Fic;
    const double Fir = dt.Fir;
    const double Ep = dt.Ep;
    const double Ap = sc.AreaPostesado;
    const double s2 = sc.TensionAlambreInicial;

    sc.RelajacionNominal = dt.Rel / 100.0 * Sf;
    sc.TensionAlambreRelajada = s2 - sc.RelajacionNominal;
    const double s3 = sc.TensionAlambreRelajada;
    sc.TensionPruebaIntPrimario = (s3 / s2) * sc.TensionInicialIntPrimario;
    sc.PerdidaFluenciaRetraccion =
        2.0 *
        (n * Fic * Ap * sc.B * s3 * (1.0 + Fir) - Ep * dt.Epsc * (1.0 + Fir) * rc -
         Ep * dt.Epsr * n2 * sc.k * rc) /
        (2.0 * rc * ((1.0 + Fir) + n2 * sc.k) + n * Ap * sc.B * (1.0 + Fir) * (2.0 + Fic));
    sc.PresionInterfaz =
        (Ep * dt.Epsr + sc.PerdidaFluenciaRetraccion) / (n1 * sc.Br * (1.0 + Fir));
    const double pI = sc.PresionInterfaz;
    sc.PerdidaRelajacion = (1.0 - 2.0 * sc.PerdidaFluenciaRetraccion / Sf) * sc.RelajacionNominal;
    sc.TensionResidualAcero = Sf - (sc.PerdidaAcortamientoElastico + sc.PerdidaRelajacion +
                                    sc.PerdidaFluenciaRetraccion);
    // The final wire stress never exceeds 60% of the ultimate stress.
    if (sc.TensionResidualAcero - 0.6 * dt.SFck > 0.0) {
        sc.TensionResidualAcero = 0.6 * dt.SFck;
    }
    const double sF = sc.TensionResidualAcero;

    sc.TensionFinalIntPrimario = -sc.C * (Ap * sF / rc - pI);
    sc.TensionFinalExtPrimario = -sc.B * (Ap * sF / rc - pI);
    sc.TensionFinalIntRevestimiento = -pI * sc.Br;
    sc.TensionFinalExtRevestimiento = -pI * sc.Ar;
}

// 8. Core test pressure: the wound core, not yet coated, keeps 5 kp/cm2 of compression at its
// inner face with a cylinder, and may reach 10 kp/cm2 of tension without one.
void PresionPruebaNucleo(SeccionPostesado &sc, const DatosPostesado &dt)
{
    const double n = dt.n;
    sc.LimitePruebaPrimario = dt.TipoPostesado <= 1 ? 5.0 : -10.0;
    sc.PresionPruebaPrimario = -(sc.TensionPruebaIntPrimario + sc.LimitePruebaPrimario) /
                               (sc.B - n * sc.A * sc.C / (n * sc.B + sc.Cr));
}

// 9. Ring stresses of the hypothesis' moments and axial forces.
void TensionesOvalizacion(SeccionPostesado &sc, const EstadoPostesado &p, double d)
{
    const double n = p.datos.n;
    const double n2 = p.datos.n2;
    for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
        const double M = p.MomentoHipotesis[s];
        const double Nx = p.AxilHipotesis[s];
        sc.TensionOvalAcero[s] = -n * ((d / 2.0 + sc.ye) * M / sc.Io - Nx / sc.sro);
        sc.TensionOvalIntPrimario[s] = sc.yi * M / sc.Io + Nx / sc.sro;
        sc.TensionOvalExtPrimario[s] = -M * sc.ye / sc.Io + Nx / sc.sro;
        sc.TensionOvalIntRevestimiento[s] = -n2 * (sc.ye * M / sc.Io - Nx / sc.sro);
        sc.TensionOvalExtRevestimiento[s] = -n2 * (sc.yr * M / sc.Io - Nx / sc.sro);
    }
    const auto maximo = [](const ValoresSeccion &v) { return Maximo3(v[1], v[2], v[3]); };
    sc.MaximoOvalIntPrimario = maximo(sc.TensionOvalIntPrimario);
    sc.MaximoOvalExtPrimario = maximo(sc.TensionOvalExtPrimario);
    sc.MaximoOvalIntRevestimiento = maximo(sc.TensionOvalIntRevestimiento);
    sc.MaximoOvalExtRevestimiento = maximo(sc.TensionOvalExtRevestimiento);
}

// 10. Stresses of a unit internal pressure on the complete pipe.
void TensionesUnitarias(SeccionPostesado &sc, const DatosPostesado &dt)
{
    const double n1 = dt.n1;
    const double n2 = dt.n2;
    const double rigidez = n1 * sc.Br + sc.Cr;
    sc.TensionUnitariaIntPrimario = sc.B - sc.C * n2 * sc.A * rigidez / sc.D;
    sc.TensionUnitariaExtPrimario = (1.0 - sc.B * n2 * rigidez / sc.D) * sc.A;
    sc.TensionUnitariaIntRevestimiento = sc.Br * n2 * sc.A * sc.Cr / sc.D;
    sc.TensionUnitariaExtRevestimiento = sc.Ar * n2 * sc.A * sc.Cr / sc.D;
    sc.TensionUnitariaAcero = sc.Cr * n2 * sc.A * n1 * sc.Br / sc.D;
}

// 11. Pressure at which each face reaches its limit; 12. pressure of the hypothesis.
void PresionesLimite(SeccionPostesado &sc, const DatosPostesado &dt, HipotesisPostesado hipotesis)
{
    const double L = LimiteTensionPrimario(hipotesis, dt.FctkPrimario);
    const double fctr = dt.FctkRevestimiento;
    sc.PresionLimiteIntPrimario = (L - sc.MaximoOvalIntPrimario - sc.TensionFinalIntPrimario) /
                                  sc.TensionUnitariaIntPrimario;
    sc.PresionLimiteExtPrimario = (L - sc.MaximoOvalExtPrimario - sc.TensionFinalExtPrimario) /
                                  sc.TensionUnitariaExtPrimario;
    sc.PresionLimiteIntRevestimiento =
        (fctr - sc.MaximoOvalIntRevestimiento - sc.TensionFinalIntRevestimiento) /
        sc.TensionUnitariaIntRevestimiento;
    sc.PresionLimiteExtRevestimiento =
        (fctr - sc.MaximoOvalExtRevestimiento - sc.TensionFinalExtRevestimiento) /
        sc.TensionUnitariaExtRevestimiento;
    sc.PresionCapacidad =
        Minimo4(sc.PresionLimiteIntPrimario, sc.PresionLimiteExtPrimario,
                sc.PresionLimiteIntRevestimiento, sc.PresionLimiteExtRevestimiento);

    sc.PresionHipotesis = PresionHipotesisPostesado(hipotesis, dt.DP, dt.MDP, dt.STP);
}

bool FinalesFinitas(const SeccionPostesado &sc)
{
    return Finitos(sc.TensionPruebaIntPrimario, sc.PerdidaFluenciaRetraccion, sc.PresionInterfaz,
                   sc.PerdidaRelajacion, sc.TensionResidualAcero, sc.TensionFinalIntPrimario,
                   sc.TensionFinalExtPrimario, sc.TensionFinalIntRevestimiento,
                   sc.TensionFinalExtRevestimiento, sc.PresionPruebaPrimario,
                   sc.TensionUnitariaIntPrimario, sc.TensionUnitariaExtPrimario,
                   sc.TensionUnitariaIntRevestimiento, sc.TensionUnitariaExtRevestimiento,
                   sc.TensionUnitariaAcero, sc.PresionLimiteIntPrimario,
                   sc.PresionLimiteExtPrimario, sc.PresionLimiteIntRevestimiento,
                   sc.PresionLimiteExtRevestimiento, sc.PresionHipotesis) &&
           Finitos(sc.TensionOvalAcero) && Finitos(sc.TensionOvalIntPrimario) &&
           Finitos(sc.TensionOvalExtPrimario) && Finitos(sc.TensionOvalIntRevestimiento) &&
           Finitos(sc.TensionOvalExtRevestimiento);
}

// 14. Stress state of the accepted hypothesis.
void TensionesAceptadas(TensionesHipotesisPostesado &t, const SeccionPostesado &sc, std::int16_t h,
                        double d, double N)
{
    t.NumeroHipotesis = h;
    t.FIPR = d;
    t.NESP = N;
    t.PresionHipotesis = sc.PresionHipotesis;
    t.TensionPresionIntPrimario = sc.TensionUnitariaIntPrimario * sc.PresionHipotesis;
    t.TensionPresionExtPrimario = sc.TensionUnitariaExtPrimario * sc.PresionHipotesis;
    t.TensionPresionIntRevestimiento = sc.TensionUnitariaIntRevestimiento * sc.PresionHipotesis;
    t.TensionPresionExtRevestimiento = sc.TensionUnitariaExtRevestimiento * sc.PresionHipotesis;
    t.TensionPresionAcero = sc.TensionUnitariaAcero * sc.PresionHipotesis;
    for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
        t.TensionOvalPostesadoIntPrimario[s] =
            sc.TensionFinalIntPrimario + sc.TensionOvalIntPrimario[s];
        t.TensionOvalPostesadoExtPrimario[s] =
            sc.TensionFinalExtPrimario + sc.TensionOvalExtPrimario[s];
        t.TensionOvalPostesadoIntRevestimiento[s] =
            sc.TensionFinalIntRevestimiento + sc.TensionOvalIntRevestimiento[s];
        t.TensionOvalPostesadoExtRevestimiento[s] =
            sc.TensionFinalExtRevestimiento + sc.TensionOvalExtRevestimiento[s];
        t.TensionOvalPostesadoAcero[s] = sc.TensionResidualAcero + sc.TensionOvalAcero[s];
        t.TensionTotalIntPrimario[s] =
            t.TensionPresionIntPrimario + t.TensionOvalPostesadoIntPrimario[s];
        t.TensionTotalExtPrimario[s] =
            t.TensionPresionExtPrimario + t.TensionOvalPostesadoExtPrimario[s];
        t.TensionTotalIntRevestimiento[s] =
            t.TensionPresionIntRevestimiento + t.TensionOvalPostesadoIntRevestimiento[s];
        t.TensionTotalExtRevestimiento[s] =
            t.TensionPresionExtRevestimiento + t.TensionOvalPostesadoExtRevestimiento[s];
        t.TensionTotalAcero[s] = t.TensionPresionAcero + t.TensionOvalPostesadoAcero[s];
    }
}

} // namespace

FinAnalisis AnalizaHipotesis(EstadoObra &estado, EscritorFallosPostesado &fallos,
                             std::int32_t numeroCaso)
{
    EstadoPostesado &p = estado.postesado;
    const DatosPostesado &dt = p.datos;
    SeccionPostesado &sc = p.seccion;
    const std::int16_t h = p.NumeroHipotesis;
    // Whatever an earlier analysis accepted is no longer the state of this one.
    p.aceptada = {};
    sc = {};

    const auto falla = [&](std::int16_t codigo, const std::string &texto) {
        estado.resultados.EstadoDiseno = codigo;
        fallos.EscribeErrorPostesado(texto, numeroCaso, h, p.NumeroPasada);
        return FinAnalisis::Rechazada;
    };
    const auto fallaTexto = [&](std::int16_t codigo, std::int32_t texto) {
        return falla(codigo, Texto(estado.ejecucion.DesplazamientoIdioma, texto));
    };
    // Data no wire can help: written at once (pass 0), whatever the pass, since the case ends;
    // nothing half computed (a NaN, an infinity) is left behind.
    const auto anula = [&](std::int32_t texto) {
        sc = {};
        estado.resultados.EstadoDiseno = CodigoPostesado::DatosNoValidos;
        fallos.EscribeErrorPostesado(Texto(estado.ejecucion.DesplazamientoIdioma, texto),
                                     numeroCaso, h, 0);
        return FinAnalisis::CasoAnulado;
    };

    const double ri = dt.RadioInterior;
    const double rc = dt.RadioNucleo;
    const double re = dt.RadioExterior;
    // Written so that a NaN radius is refused as well.
    if (!(ri > 0.0 && rc > ri && re > rc)) {
        return anula(TextoRadiosNoValidos);
    }
    if (h < 1 || h > NumeroHipotesisPostesado || p.IndiceAlambre < 1 ||
        p.IndiceAlambre > NumeroAlambres) {
        return anula(TextoDatosNoValidos);
    }
    const auto hipotesis = static_cast<HipotesisPostesado>(h);
    double &d = p.FIPR;
    double &N = p.NESP;

    for (int vuelta = 1;; ++vuelta) {
        if (vuelta > MaximoVueltasAnalisis) {
            return fallaTexto(CodigoPostesado::EspesorInsuficiente,
                              TextoEspesorInsuficientePostesado);
        }
        if (!AjustaAlambre(sc, dt, d, N, p.IndiceAlambre)) {
            return fallaTexto(CodigoPostesado::EspesorInsuficiente,
                              TextoEspesorInsuficientePostesado);
        }
        RedondeaEspiras(N);
        SeccionHomogeneizada(sc, p.cubos, dt, d, N);
        TensionesIniciales(sc, dt);
        if (!InicialesFinitas(sc, d, N)) {
            return anula(TextoDatosNoValidos);
        }
        const double limiteInicial = FraccionCompresionInicial * dt.Fck0;
        if (std::abs(sc.TensionInicialIntPrimario) > limiteInicial ||
            std::abs(sc.TensionInicialExtPrimario) > limiteInicial) {
            return fallaTexto(CodigoPostesado::ResistenciaInicial, TextoResistenciaInicial);
        }
        PerdidasYPretensadoFinal(sc, dt);
        PresionPruebaNucleo(sc, dt);
        TensionesOvalizacion(sc, p, d);
        TensionesUnitarias(sc, dt);
        PresionesLimite(sc, dt, hipotesis);
        if (!FinalesFinitas(sc)) {
            return anula(TextoDatosNoValidos);
        }

        // 13. One more turn while the core test pressure asked for is not reached, or the
        // hypothesis' pressure exceeds what the ring carries; equality passes.
        const bool pruebaInsuficiente = dt.FijaPresionPrimario != 0 &&
                                        dt.DP * dt.CoefPresionPrimario > sc.PresionPruebaPrimario;
        if (pruebaInsuficiente || sc.PresionHipotesis > sc.PresionCapacidad) {
            N = N + 1.0;
            continue;
        }
        break;
    }

    TensionesHipotesisPostesado t;
    TensionesAceptadas(t, sc, h, d, N);

    // 15. Material checks.
    const std::int16_t chapa = CompruebaTensionChapa(
        t.TensionTotalExtPrimario, t.TensionTotalIntPrimario, dt.RelacionModulosChapa);
    if (chapa != CodigoPostesado::Aceptado) {
        return fallaTexto(chapa, TextoTensionChapa);
    }
    const std::int16_t hormigon = CompruebaTensionHormigon(
        t.TensionTotalIntPrimario, t.TensionTotalExtPrimario, t.TensionTotalIntRevestimiento,
        t.TensionTotalExtRevestimiento, hipotesis, dt.Fckn, dt.Fckr);
    if (hormigon != CodigoPostesado::Aceptado) {
        return fallaTexto(hormigon, TextoTensionHormigon);
    }
    estado.resultados.EstadoDiseno = CodigoPostesado::Aceptado;
    p.aceptada = t;
    return FinAnalisis::Aceptada;
}

} // namespace dravek
