#include "core/engine/mdMarston.h"

#include "core/model/CodigosColocacion.h"

#include <array>
#include <cmath>
#include <utility>

namespace dravek {

namespace {

// Marston coefficient K mu' of the trench formula by fill soil code.
constexpr std::array<std::pair<std::int16_t, double>, 5> TablaKMuZanja{{
    {RellenoRocasMachacadas, 0.192},
    {RellenoRocasConGravas, 0.165},
    {RellenoArenaArcillosa, 0.15},
    {RellenoArcillasOrdinarias, 0.13},
    {RellenoArcillasPlasticas, 0.11},
}};

// Settlement ratio r of the embankment by the choice 1, 2, 3.
constexpr std::array<double, 3> TablaRazonAsentamiento{1.0, 0.5, 0.3};

// The trench and trench-under-embankment loads are compared with the projecting condition at
// this settlement ratio.
constexpr double RazonAsentamientoComparacion = 0.5;

// Below this height the impact coefficient grows as 1 + 0.3 / H, m.
constexpr double AlturaSinImpacto = 3.0;

constexpr double TopeNewton = 0.00001;

// 0 for a code outside the table: the trench formula would then divide 0 by 0.
double KMuZanja(std::int16_t codigoRelleno)
{
    for (const auto &[codigo, valor] : TablaKMuZanja) {
        if (codigo == codigoRelleno) {
            return valor;
        }
    }
    return 0.0;
}

bool Positivo(double valor)
{
    return std::isfinite(valor) && valor > 0.0;
}

// Load of the projecting (embankment) condition for the projection ratio p and the settlement
// ratio r, in t/m; 2K mu must be above 0.
ErrorMarston CargaCondicionSaliente(double dosKMu, double r, double p, double H, double Bc,
                                    double gamma, double &carga)
{
    const double c = dosKMu * r * p + 1.0;
    double x = 0.0;
    const ErrorMarston error = ResuelveNewton(x, c, dosKMu * p);
    if (error != ErrorMarston::Ninguno) {
        return error;
    }
    // Height of the plane of equal settlement, m.
    const double He = x * Bc / dosKMu;
    double Ce = 0.0;
    if (H < He) {
        // Complete condition: the plane of equal settlement lies above the fill.
        const double y = x * H / He;
        Ce = (std::exp(y) - 1.0) / y;
    } else {
        Ce = (std::exp(x) - 1.0) / (dosKMu * H / Bc) + (1.0 - He / H) * std::exp(x);
    }
    carga = Ce * gamma * H * Bc;
    return ErrorMarston::Ninguno;
}

// Crown pressure of the live load, t/m2; the type is 1 to 4.
double PresionCargaMovil(std::int16_t tipo, double H)
{
    const double H2 = H * H;
    switch (tipo) {
    case 1: // axle of 7 t
        if (H > 1.21) {
            return 7.0 / (1.54 * H2 + 3.5 * H + 0.46);
        }
        return 3.5 / (1.54 * H2 + 0.7 * H + 0.06);
    case 2: // axle of 13 t
        if (H >= 1.0) {
            return 13.0 / (1.54 * H2 + 3.92 * H + 0.52);
        }
        return 6.5 / (1.54 * H2 + 1.12 * H + 0.12);
    case 3: // vehicle of 60 t
        if (H <= 0.93) {
            return 10.0 / (1.54 * H2 + 1.12 * H + 0.12);
        }
        if (H < 1.0) {
            return 30.0 / (1.54 * H2 + 5.2 * H + 1.92);
        }
        return 60.0 / (1.54 * H2 + 8.12 * H + 8.32);
    default: { // railway; its factor never falls below 1
        double f = 1.67 - 0.1 * (H - 1.0);
        if (f < 1.0) {
            f = 1.0;
        }
        return (135.5 * H + 1142.3) * f / (1.96 * H2 + 11.2 * H + 13.11) / 10.0;
    }
    }
}

ErrorMarston CompruebaEntrada(const EntradaMarston &e)
{
    const std::int16_t codigo = e.CodigoColocacion;
    if (!Positivo(e.Altura)) {
        return ErrorMarston::AlturaNoValida;
    }
    if (!Positivo(e.DiametroExterior)) {
        return ErrorMarston::DiametroNoValido;
    }
    if (e.TipoCargaMovil < 0 || e.TipoCargaMovil > 4) {
        return ErrorMarston::CargaMovilNoValida;
    }
    if (codigo == 30) {
        return ErrorMarston::Ninguno;
    }
    // Outside (0, 90) degrees 2K mu is zero or negative and no settlement plane exists.
    if (!(e.AnguloRozamiento > 0.0 && e.AnguloRozamiento < 90.0)) {
        return ErrorMarston::AnguloRozamientoNoValido;
    }
    if (codigo < 30 && !Positivo(e.AnchoZanja)) {
        return ErrorMarston::AnchoZanjaNoValido;
    }
    if (codigo < 20 && KMuZanja(e.CodigoRelleno) == 0.0) {
        return ErrorMarston::RellenoNoValido;
    }
    if (codigo >= 20 && !Positivo(e.DistanciaTerrenoNatural)) {
        return ErrorMarston::DistanciaTerrenoNoValida;
    }
    if (codigo > 30 && (e.RazonAsentamiento < 1 || e.RazonAsentamiento > 3)) {
        return ErrorMarston::RazonAsentamientoNoValida;
    }
    return ErrorMarston::Ninguno;
}

// The smaller of the trench load (already in r.W, r.W2) and the projecting-condition load is
// adopted; on equality the embankment condition.
void ComparaConTerraplen(double cargaSaliente, double cargaPrisma, ResultadoMarston &r)
{
    if (r.W < cargaSaliente) {
        r.TerraplenAdoptado = Falso;
        r.CargaNoAdoptada = cargaSaliente;
    } else {
        r.TerraplenAdoptado = Verdadero;
        r.CargaNoAdoptada = r.W;
        r.W = cargaSaliente;
        r.W2 = cargaPrisma;
    }
}

ErrorMarston CalculaCargaTierras(const EntradaMarston &e, double dosKMu, ResultadoMarston &r)
{
    const double H = e.Altura;
    const double B = e.AnchoZanja;
    const double Bc = e.DiametroExterior;
    const double gamma = e.PesoEspecificoRelleno;
    const std::int16_t codigo = e.CodigoColocacion;
    const double cargaPrisma = gamma * H * Bc;
    double cargaSaliente = 0.0;

    if (codigo < 20) {
        // Trench.
        const double s = 2.0 * KMuZanja(e.CodigoRelleno) * H / B;
        const double Cd = (1.0 - std::exp(-s)) / s;
        if (codigo == ZanjaSinCompactar) {
            r.W = Cd * gamma * H * B;
        } else if (codigo == ZanjaCompactada) {
            r.W = Cd * gamma * H * Bc;
        }
        r.W2 = Cd * gamma * H * Bc;
        // A trench is compared with a pipe projecting its own diameter (p = 1); the projection
        // handed in is replaced by Bc, as the callers have always received it back.
        r.DistanciaTerrenoNatural = Bc;
        const ErrorMarston error =
            CargaCondicionSaliente(dosKMu, RazonAsentamientoComparacion,
                                   r.DistanciaTerrenoNatural / Bc, H, Bc, gamma, cargaSaliente);
        if (error != ErrorMarston::Ninguno) {
            return error;
        }
        ComparaConTerraplen(cargaSaliente, cargaPrisma, r);
    } else if (codigo < 30) {
        // Trench under an embankment: negative settlement ratio by the projection ratio p'.
        const double pz = e.DistanciaTerrenoNatural / B;
        double rs = 0.0;
        if (pz < 0.5) {
            rs = -0.1;
        } else if (pz < 1.5) {
            rs = (0.5 - pz) * 0.4 - 0.1;
        } else if (pz < 2.0) {
            rs = 1.0 - pz;
        } else {
            rs = -1.0;
        }
        const double c = dosKMu * std::abs(rs * pz) + 1.0;
        double x = 0.0;
        const ErrorMarston error = ResuelveNewton(x, c, -dosKMu * pz);
        if (error != ErrorMarston::Ninguno) {
            return error;
        }
        const double He = x * B / (-dosKMu);
        double Cd = 0.0;
        if (H < He) {
            const double y = x * H / He;
            Cd = (1.0 - std::exp(y)) / (-y);
        } else {
            Cd = (1.0 - std::exp(x)) / (dosKMu * H / B) + (1.0 - He / H) * std::exp(x);
        }
        if (codigo == ZanjaTerraplenSinCompactar) {
            r.W = Cd * gamma * H * B;
        } else if (codigo == ZanjaTerraplenCompactada) {
            r.W = Cd * gamma * H * Bc;
        }
        r.W2 = Cd * gamma * H * Bc;
        const ErrorMarston errorSaliente =
            CargaCondicionSaliente(dosKMu, RazonAsentamientoComparacion,
                                   e.DistanciaTerrenoNatural / Bc, H, Bc, gamma, cargaSaliente);
        if (errorSaliente != ErrorMarston::Ninguno) {
            return errorSaliente;
        }
        ComparaConTerraplen(cargaSaliente, cargaPrisma, r);
    } else if (codigo > 30) {
        // Embankment.
        const double razon =
            TablaRazonAsentamiento[static_cast<std::size_t>(e.RazonAsentamiento - 1)];
        const ErrorMarston error = CargaCondicionSaliente(
            dosKMu, razon, e.DistanciaTerrenoNatural / Bc, H, Bc, gamma, cargaSaliente);
        if (error != ErrorMarston::Ninguno) {
            return error;
        }
        r.W = cargaSaliente;
        r.W2 = cargaPrisma;
    }
    // Code 30 computes no earth load: W and W2 stay as the caller had them.
    return ErrorMarston::Ninguno;
}

void SumaCargaMovil(const EntradaMarston &e, ResultadoMarston &r)
{
    const double H = e.Altura;
    const double cargaTierras = r.W;
    const double q = PresionCargaMovil(e.TipoCargaMovil, H);
    r.CoeficienteImpacto = H < AlturaSinImpacto ? 1.0 + 0.3 / H : 1.0;
    r.W = r.W + q * e.DiametroExterior * r.CoeficienteImpacto;
    r.W2 = r.W2 + q * e.DiametroExterior * r.CoeficienteImpacto;
    r.CargaMovil = r.W - cargaTierras;
}

bool ResultadoFinito(const ResultadoMarston &r)
{
    return std::isfinite(r.W) && std::isfinite(r.W2) && std::isfinite(r.CoeficienteImpacto) &&
           std::isfinite(r.CargaNoAdoptada) && std::isfinite(r.CargaMovil);
}

ResultadoMarston Fallo(const EntradaMarston &e, ErrorMarston error)
{
    ResultadoMarston r;
    r.DistanciaTerrenoNatural = e.DistanciaTerrenoNatural;
    r.Error = error;
    return r;
}

} // namespace

ResultadoMarston CalculaCargasMarston(const EntradaMarston &entrada)
{
    const ErrorMarston errorEntrada = CompruebaEntrada(entrada);
    if (errorEntrada != ErrorMarston::Ninguno) {
        return Fallo(entrada, errorEntrada);
    }

    // W, W2 and CargaNoAdoptada are not cleared: a branch that does not compute one leaves the
    // caller's value.
    ResultadoMarston r;
    r.W = entrada.WAnterior;
    r.W2 = entrada.W2Anterior;
    r.CargaNoAdoptada = entrada.CargaNoAdoptadaAnterior;
    r.DistanciaTerrenoNatural = entrada.DistanciaTerrenoNatural;

    if (entrada.CodigoColocacion != 30) {
        const double tanK = TanGrados(45.0 - entrada.AnguloRozamiento / 2.0);
        const double K = tanK * tanK;
        const double mu = TanGrados(entrada.AnguloRozamiento);
        const double dosKMu = 2.0 * K * mu;
        // Close to 90 degrees the rounded pi can turn tan(phi) negative.
        if (!Positivo(dosKMu)) {
            return Fallo(entrada, ErrorMarston::AnguloRozamientoNoValido);
        }
        const ErrorMarston error = CalculaCargaTierras(entrada, dosKMu, r);
        if (error != ErrorMarston::Ninguno) {
            return Fallo(entrada, error);
        }
    }

    if (entrada.TipoCargaMovil != 0) {
        SumaCargaMovil(entrada, r);
    }

    if (!ResultadoFinito(r)) {
        return Fallo(entrada, ErrorMarston::ResultadoNoFinito);
    }
    return r;
}

double TanGrados(double angulo)
{
    const double a = angulo * PiMarston / 180.0;
    return std::sin(a) / std::cos(a);
}

ErrorMarston ResuelveNewton(double &x, double c, double x0)
{
    double actual = x0;
    for (int paso = 0; paso < IteracionesMaximasNewton; ++paso) {
        const double siguiente = actual - FuncionAsiento(actual, c) / DerivadaAsiento(actual);
        // A zero derivative (start at 0 with c = 1) or an overflowing exponential.
        if (!std::isfinite(siguiente)) {
            return ErrorMarston::SinConvergencia;
        }
        x = siguiente;
        if (std::abs(siguiente - actual) < TopeNewton) {
            return ErrorMarston::Ninguno;
        }
        actual = siguiente;
    }
    return ErrorMarston::SinConvergencia;
}

double FuncionAsiento(double x, double c)
{
    return std::exp(x) - x - c;
}

double DerivadaAsiento(double x)
{
    return std::exp(x) - 1.0;
}

} // namespace dravek
