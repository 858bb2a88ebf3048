#include "core/hydraulics/FormulasHidraulicas.h"

#include <cmath>
#include <initializer_list>

namespace dravek {

namespace {

constexpr double G = 9.8;                       // m/s2
constexpr double DosG = 19.6;                   // m/s2
constexpr double TreintaYDosG = 313.6;          // m/s2
constexpr double Pi = 3.141592654;              // as the old table computed the areas
constexpr double SemiAnguloParcial = 2.64;      // rad, half angle of the part-full section
constexpr double FactorManning = 0.0023716;     // 2 g n^2, Manning's n = 0.011
constexpr double ViscosoVelocidad = 1.64405e-6; // m2/s, 1.255 VISC
constexpr double ViscosoFriccion = 3.2881e-6;   // m2/s, 2.51 VISC
constexpr double LimiteLaminar = 2400;
constexpr double LimiteCritico = 4000;
constexpr double LimiteLiso = 23;        // Re k / D
constexpr double LimiteTransicion = 560; // Re k / D
constexpr double FactorHazen = 0.849;
constexpr double ExponenteRadioHazen = 0.63;
constexpr double ExponentePendienteHazen = 0.54;

constexpr int PasadasColebrook = 200;
constexpr int PasadasDarcy = 2000;

// Velocity of a regime's own law for the slope J: the V with V = sqrt(D 2g J / f(Re(V))), with
// no regard to the limits of the regime. Turbulent regimes only.
double VelocidadPropia(RegimenFlujo regimen, double J, double k, double D)
{
    const double dosGDJ = D * DosG * J;
    switch (regimen) {
    case RegimenFlujo::Liso:
        // f = (100 D V / VISC)^-1/4 gives V^(7/4) = D 2g J (100 D / VISC)^(1/4).
        return std::pow(dosGDJ * std::pow(100.0 * D / VISC, 0.25), 4.0 / 7.0);
    case RegimenFlujo::Rugoso:
        return std::sqrt(dosGDJ / FactorRegimen(regimen, 0, D, k));
    case RegimenFlujo::Transicion: {
        // V = sqrt(D 2g J) 1.8 log10(Re / (k Re / 10 D + 7)) grows with V towards its value at
        // an infinite Re; from there the passes fall steadily onto the solution.
        const double tope = std::sqrt(dosGDJ) * 1.8 * std::log10(10.0 * D / k);
        if (!(tope > 0)) {
            return 0;
        }
        double V = tope;
        for (int n = 0; n < PasadasColebrook; ++n) {
            const double siguiente =
                std::sqrt(dosGDJ / FactorRegimen(regimen, D * V / VISC, D, k));
            const bool fin = std::fabs(siguiente - V) <= siguiente * 1e-13;
            V = siguiente;
            if (fin) {
                break;
            }
        }
        return V;
    }
    case RegimenFlujo::Laminar:
    case RegimenFlujo::Critico:
        break;
    }
    return 0;
}

bool Turbulento(RegimenFlujo regimen)
{
    return regimen == RegimenFlujo::Liso || regimen == RegimenFlujo::Transicion ||
           regimen == RegimenFlujo::Rugoso;
}

struct Solucion {
    double V = 0;
    double f = 1;
};

// The friction laws jump at the limits of the turbulent regimes, so the passes may end on a
// velocity whose own regime is not the one that gave it, or swing between two regimes for good
// (1300 to 1500 mm at a slope of 0.003 with 0.01 mm). The regime is settled here: the velocity
// of the final velocity's regime when its own law keeps it there, else that of the regime the
// passes used, else of any turbulent regime whose law keeps it inside; when no law does, the
// slope falls in the jump of the friction factor at a limit, and the flow runs at that limit's
// velocity, with the friction factor the slope asks for there. False when nothing settles (the
// laminar and critical ranges are not settled: no slope the window accepts reaches them).
bool AsientaRegimen(double J, double k, double D, RegimenFlujo deLasPasadas,
                    RegimenFlujo deLaVelocidad, Solucion &solucion)
{
    const auto consistente = [&](RegimenFlujo regimen, Solucion &s) {
        const double V = VelocidadPropia(regimen, J, k, D);
        if (!(V > 0) || Regimen(D * V / VISC, D, k) != regimen) {
            return false;
        }
        s = {V, FactorRegimen(regimen, D * V / VISC, D, k)};
        return true;
    };
    for (const RegimenFlujo regimen : {deLaVelocidad, deLasPasadas, RegimenFlujo::Liso,
                                       RegimenFlujo::Transicion, RegimenFlujo::Rugoso}) {
        if (consistente(regimen, solucion)) {
            return true;
        }
    }
    // A limit where the lower regime's law runs above it and the upper one's below it. The
    // limits are Re k / D values, so their velocity is the same for every diameter.
    const struct {
        RegimenFlujo abajo;
        RegimenFlujo arriba;
        double limite; // Re k / D
    } limites[] = {{RegimenFlujo::Liso, RegimenFlujo::Transicion, LimiteLiso},
                   {RegimenFlujo::Transicion, RegimenFlujo::Rugoso, LimiteTransicion}};
    for (const auto &l : limites) {
        const double Vlimite = l.limite * VISC / k;
        if (D * l.limite / k > LimiteCritico && VelocidadPropia(l.abajo, J, k, D) > Vlimite &&
            VelocidadPropia(l.arriba, J, k, D) < Vlimite) {
            solucion = {Vlimite, D * DosG * J / (Vlimite * Vlimite)};
            return true;
        }
    }
    return false;
}

} // namespace

RegimenFlujo Regimen(double Re, double D, double k)
{
    if (Re <= LimiteLaminar) {
        return RegimenFlujo::Laminar;
    }
    if (Re <= LimiteCritico) {
        return RegimenFlujo::Critico;
    }
    if (Re <= D * LimiteLiso / k) {
        return RegimenFlujo::Liso;
    }
    if (Re <= D * LimiteTransicion / k) {
        return RegimenFlujo::Transicion;
    }
    return RegimenFlujo::Rugoso;
}

double FactorRegimen(RegimenFlujo regimen, double Re, double D, double k)
{
    switch (regimen) {
    case RegimenFlujo::Laminar:
        return 64.0 / Re;
    case RegimenFlujo::Critico:
        break;
    case RegimenFlujo::Liso:
        return 1.0 / std::pow(100.0 * Re, 0.25);
    case RegimenFlujo::Transicion: {
        const double y = 1.8 * std::log10(Re / (k * Re / 10.0 / D + 7.0));
        return 1.0 / (y * y);
    }
    case RegimenFlujo::Rugoso: {
        const double y = 2.0 * std::log10(D * 3.7 / k);
        return 1.0 / (y * y);
    }
    }
    return 1.0;
}

void CargaDiametros(DatosHidraulicos &datos)
{
    const double t = SemiAnguloParcial;
    double diametro = 500;
    for (int i = 1; i <= NumeroDiametros; ++i) {
        diametro += 100;
        const double D = diametro / 1000;
        datos.DiametroMm[i] = diametro;
        datos.DiametroM[i] = D;
        datos.AreaLlena[i] = D * Pi * D / 4;
        datos.RadioHidraulico[i] = D / 4;
        // Circular segment: the wetted perimeter is t D.
        datos.AreaParcial[i] = D * D * (t - std::cos(t) * std::sin(t)) / 4;
        datos.RadioHidraulicoParcial[i] = datos.AreaParcial[i] / t / D;
    }
}

double VelocidadPrandtlColebrook(double J, double k, double R)
{
    const double s = std::sqrt(R * TreintaYDosG * J);
    return -s * std::log10(k / 14.8 / R + ViscosoVelocidad / R / s);
}

double CoeficienteHazen(double Rugosidad, double D)
{
    return Rugosidad == 0 ? D * 6.65 + 139.3 : Rugosidad;
}

double Calcula_CLANDA(const DatosHidraulicos &datos, int i, double k)
{
    const double D = datos.DiametroM[i];
    const double R = datos.RadioHidraulico[i];
    const double V = datos.Velocidad[i];
    // Start from Manning's friction factor.
    double lambda0 = FactorManning * D / std::pow(R, 4.0 / 3.0);
    double lambda = lambda0;
    for (int n = 1; n <= PasadasColebrook; ++n) {
        const double x =
            -2.0 * std::log10(k / 3.71 / D + ViscosoFriccion / V / D / std::sqrt(lambda0));
        lambda = 1.0 / x / x;
        if (std::fabs(lambda - lambda0) <= lambda / 1000) {
            break;
        }
        lambda0 = (lambda0 + lambda) / 2;
    }
    return lambda;
}

double CalculaF(const DatosHidraulicos &datos, double J, double k, int i, double &V0, double &Re,
                double &V)
{
    const double D = datos.DiametroM[i];
    double f = 1;
    RegimenFlujo usado = RegimenFlujo::Critico;
    for (int n = 0; n < PasadasDarcy;) {
        Re = D * V0 / VISC;
        usado = Regimen(Re, D, k);
        if (usado == RegimenFlujo::Critico) {
            V = V0;
            return 1;
        }
        f = FactorRegimen(usado, Re, D, k);
        V = std::sqrt(D * DosG * J / f);
        const double salto = std::fabs(V - V0);
        if (salto <= V / 100 || (n > 15 && salto <= V / 10)) {
            break;
        }
        V0 = V;
        ++n;
    }
    // The Reynolds number listed is always the one of the velocity listed.
    Re = D * V / VISC;
    const RegimenFlujo final = Regimen(Re, D, k);
    Solucion solucion;
    if (final != usado && Turbulento(final) && Turbulento(usado) &&
        AsientaRegimen(J, k, D, usado, final, solucion)) {
        V = solucion.V;
        Re = D * V / VISC;
        return solucion.f;
    }
    return f;
}

double CalculaF_P(const DatosHidraulicos &datos, double k, int i, double &Re)
{
    const double D = datos.DiametroM[i];
    Re = datos.Velocidad[i] * D / VISC;
    return FactorRegimen(Regimen(Re, D, k), Re, D, k);
}

void PrColeBrook_Pendiente(DatosHidraulicos &datos)
{
    CargaDiametros(datos);
    const double k = datos.Rugosidad / 1000;
    const double J = datos.DatoOrigen;
    for (int i = 1; i <= NumeroDiametros; ++i) {
        datos.Velocidad[i] = VelocidadPrandtlColebrook(J, k, datos.RadioHidraulico[i]);
        datos.Caudal[i] = datos.AreaLlena[i] * datos.Velocidad[i];
        datos.VelocidadParcial[i] =
            VelocidadPrandtlColebrook(J, k, datos.RadioHidraulicoParcial[i]);
        datos.CaudalParcial[i] = datos.AreaParcial[i] * datos.VelocidadParcial[i];
    }
}

void PrColeBrook_Caudal(DatosHidraulicos &datos)
{
    CargaDiametros(datos);
    const double k = datos.Rugosidad / 1000;
    const double Q = datos.DatoOrigen;
    for (int i = 1; i <= NumeroDiametros; ++i) {
        const double V = Q / datos.AreaLlena[i];
        datos.Velocidad[i] = V;
        const double lambda = Calcula_CLANDA(datos, i, k);
        datos.Pendiente[i] = V * V * lambda / datos.DiametroM[i] / 2 / G;
    }
}

void DarcyWeiss_Pendiente(DatosHidraulicos &datos)
{
    CargaDiametros(datos);
    const double k = datos.Rugosidad / 1000;
    const double J = datos.DatoOrigen;
    for (int i = 1; i <= NumeroDiametros; ++i) {
        double V0 = VelocidadPrandtlColebrook(J, k, datos.RadioHidraulico[i]);
        double Re = 0;
        double V = 0;
        CalculaF(datos, J, k, i, V0, Re, V);
        datos.Velocidad[i] = V;
        datos.Caudal[i] = datos.AreaLlena[i] * V;
        datos.Reynolds[i] = Re;
    }
}

void DarcyWeiss_Caudal(DatosHidraulicos &datos)
{
    CargaDiametros(datos);
    const double k = datos.Rugosidad / 1000;
    const double Q = datos.DatoOrigen;
    for (int i = 1; i <= NumeroDiametros; ++i) {
        const double V = Q / datos.AreaLlena[i];
        datos.Velocidad[i] = V;
        double Re = 0;
        const double f = CalculaF_P(datos, k, i, Re);
        // With f = 1 in the critical regime; the listing shows the regime instead.
        datos.Pendiente[i] = f * V * V / 2 / G / datos.DiametroM[i];
        datos.Reynolds[i] = Re;
    }
}

void Hazen_Pendiente(DatosHidraulicos &datos)
{
    CargaDiametros(datos);
    const double J = datos.DatoOrigen;
    const double JHazen = std::pow(J, ExponentePendienteHazen);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        const double Cwh = CoeficienteHazen(datos.Rugosidad, datos.DiametroM[i]);
        datos.Velocidad[i] =
            JHazen * std::pow(datos.RadioHidraulico[i], ExponenteRadioHazen) * FactorHazen * Cwh;
        datos.Caudal[i] = datos.AreaLlena[i] * datos.Velocidad[i];
        datos.VelocidadParcial[i] =
            JHazen * std::pow(datos.RadioHidraulicoParcial[i], ExponenteRadioHazen) * FactorHazen *
            Cwh;
        datos.CaudalParcial[i] = datos.AreaParcial[i] * datos.VelocidadParcial[i];
    }
}

void Hazen_Caudal(DatosHidraulicos &datos)
{
    CargaDiametros(datos);
    const double Q = datos.DatoOrigen;
    const auto pendiente = [](double V, double Cwh, double R) {
        return std::pow(V / (FactorHazen * Cwh * std::pow(R, ExponenteRadioHazen)),
                        1.0 / ExponentePendienteHazen);
    };
    for (int i = 1; i <= NumeroDiametros; ++i) {
        const double Cwh = CoeficienteHazen(datos.Rugosidad, datos.DiametroM[i]);
        datos.Velocidad[i] = Q / datos.AreaLlena[i];
        datos.VelocidadParcial[i] = Q / datos.AreaParcial[i];
        datos.Pendiente[i] = pendiente(datos.Velocidad[i], Cwh, datos.RadioHidraulico[i]);
        datos.PendienteParcial[i] =
            pendiente(datos.VelocidadParcial[i], Cwh, datos.RadioHidraulicoParcial[i]);
    }
}

} // namespace dravek
