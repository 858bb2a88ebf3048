#include "core/engine/mdOvaliz.h"

#include <cmath>

namespace dravek {

namespace {

// The value of pi the ring analysis has always used.
constexpr double PI = 3.1415926535898;

// Cradle 4 (under 90 degrees) is the granular 90 degree cradle with every force raised by 25 %.
constexpr double FactorCunaMenor = 1.25;

// Coefficient tables: element 3 * (row - 1) + (section - 1); row 1 granular 90 degrees, row 2
// concrete 90 degrees, row 3 concrete 120 degrees; sections crown, haunch, invert.
using TablaCoeficientes = std::array<double, 9>;

// clang-format off
// Moments. KM1 serves the self weight and the fluid weight alike.
constexpr TablaCoeficientes KM1{
      0.03151,  -0.03662,   0.04169,
      0.02681,  -0.03149,   0.01564,
      0.01551,  -0.01777,  -0.01143
};
constexpr TablaCoeficientes KM2{
     -0.02934,   0.06323,  -0.03836,
     -0.02934,   0.06323,  -0.03836,
     -0.02934,   0.06323,  -0.03836
};
constexpr TablaCoeficientes KM3{
      0.06453,  -0.11759,   0.09671,
      0.05983,  -0.11247,   0.07066,
      0.04853,  -0.09874,   0.04359
};
constexpr TablaCoeficientes KM4{
     -0.04069,   0.03125,  -0.02179,
     -0.04069,   0.03125,  -0.02179,
     -0.04069,   0.03125,  -0.02179
};
constexpr TablaCoeficientes KM5{
      0.10727,  -0.09912,   0.09092,
      0.10257,  -0.09399,   0.06487,
      0.09127,  -0.08027,    0.0378
};
constexpr TablaCoeficientes KM6{
      -0.1149,   0.11364,  -0.08459,
      -0.1149,   0.11364,  -0.08459,
     -0.10496,   0.10056,  -0.06892
};
constexpr TablaCoeficientes KM7{
      0.05369,  -0.05255,    0.0287,
      0.05369,  -0.05255,    0.0287,
      0.04707,  -0.04347,   0.02224
};
constexpr TablaCoeficientes KM8{
      0.01275,  -0.02214,   0.00978,
      0.01275,  -0.02214,   0.00978,
      0.00743,  -0.01486,   0.00453
};
constexpr TablaCoeficientes KM9{
     -0.03764,   0.05213,  -0.04024,
     -0.03764,   0.05213,  -0.04024,
     -0.02967,   0.04167,  -0.02762
};

// Axial forces.
constexpr TablaCoeficientes KN1{
      0.04542,     -0.25,  -0.25252,
      0.02567,     -0.25,  -0.31482,
     -0.02427,     -0.25,  -0.39647
};
constexpr TablaCoeficientes KN2{
      0.20458,    0.0683,   0.22493,
      0.18483,    0.0683,   0.16263,
      0.13488,    0.0683,   0.08098
};
constexpr TablaCoeficientes KN3{
      0.20316,         0,  -0.20316,
      0.20316,         0,  -0.20316,
      0.20316,         0,  -0.20316
};
constexpr TablaCoeficientes KN4{
     -0.13573,      -0.5,  -0.07137,
     -0.15548,      -0.5,  -0.13367,
     -0.20543,      -0.5,  -0.21532
};
constexpr TablaCoeficientes KN5{
       0.1061,         0,   -0.1061,
       0.1061,         0,   -0.1061,
       0.1061,         0,   -0.1061
};
constexpr TablaCoeficientes KN6{
      -0.0872,      -0.5,   -0.1199,
     -0.10695,      -0.5,   -0.1822,
      -0.1569,      -0.5,  -0.26385
};
constexpr TablaCoeficientes KN7{
     -0.45709,         0,  -0.39646,
     -0.45709,         0,  -0.39646,
     -0.41104,         0,  -0.33896
};
constexpr TablaCoeficientes KN8{
     -0.03751,         0,   0.03751,
     -0.03751,         0,   0.03751,
     -0.06892,         0,   0.06892
};
constexpr TablaCoeficientes KN9{
      0.02812,         0,  -0.02812,
      0.02812,         0,  -0.02812,
       0.0029,         0,   -0.0029
};
constexpr TablaCoeficientes KN10{
     -0.17954,         0,   -0.1847,
     -0.17954,         0,   -0.1847,
     -0.14267,         0,  -0.13858
};
// clang-format on

void anula(EsfuerzosSeccion &M, EsfuerzosSeccion &N)
{
    M.fill(0.0);
    N.fill(0.0);
}

} // namespace

double SumaCasos(const TablaEsfuerzos &tabla, std::initializer_list<CasoCarga> casos,
                 std::size_t s)
{
    double suma = 0;
    for (const CasoCarga caso : casos) {
        suma += tabla[indice(caso)][s];
    }
    return suma;
}

double CoefLineal(double a, double x, double b)
{
    return a * x + b;
}

double CoefEmpuje(double p1, double b1, double a1, double x, double p2, double a2, double b2)
{
    return p1 * (a1 * x + b1) + p2 * (a2 * x + b2);
}

namespace {

// The load components of one section, each as the ring analysis has always computed it: the
// load cases are sums of them.
struct ComponentesSeccion {
    double Mpp = 0, Npp = 0; // self weight
    double Mw = 0, Nw = 0;   // fluid
    double Mt = 0, Nt = 0;   // haunch fill
    double Mv = 0, Nv = 0;   // vertical earth without the live load
    double Ml = 0, Nl = 0;   // live load
    double Me1 = 0, Ne1 = 0; // lateral thrust with the live load
    double Me2 = 0, Ne2 = 0; // lateral thrust without it
};

// The components of the three sections (positions 1 to 3) for one set of pressures, with the
// factor of the cradle.
struct ComponentesAnillo {
    std::array<ComponentesSeccion, 4> seccion{};
    double factor = 1.0;
};

// The checks of the data, in the order they have always been made, and the components of every
// section: the twelve load cases of one set of pressures share them, so they are worked out
// once instead of once a load case.
ErrorEsfuerzos CalculaComponentes(double vDi, double vDE, double vGAMAB, double vGAMAT,
                                  double vLANDA, double vQ, std::int16_t vICUNA, double vQH,
                                  double CargaMovil, ComponentesAnillo &c)
{
    // Refused rather than computed: a mean diameter of 0 and a fill weight of 0 are divisors,
    // and a wall with De <= Di would give a negative self weight.
    const bool datosFinitos = std::isfinite(vDi) && std::isfinite(vDE) && std::isfinite(vGAMAB) &&
                              std::isfinite(vGAMAT) && std::isfinite(vLANDA) &&
                              std::isfinite(vQ) && std::isfinite(vQH) && std::isfinite(CargaMovil);
    if (!datosFinitos || vDi < 0 || vDE <= vDi || vGAMAT <= 0) {
        return ErrorEsfuerzos::DatosNoValidos;
    }
    if (vICUNA < 1 || vICUNA > 4) {
        return ErrorEsfuerzos::CunaFueraDeRango;
    }

    // Loads per metre of pipe.
    const double q = CargaMovil;       // t/m2
    const double Dm = (vDi + vDE) / 2; // m
    const double x = vDE / Dm;
    const double Wp = (vDE * vDE - vDi * vDi) * vGAMAB * PI / 4;     // t/m
    const double Ww = vDi * vDi * PI / 4;                            // t/m, 1 t/m3 fluid
    const double Wt = (vDE * vDE / 2 - PI * vDE * vDE / 8) * vGAMAT; // t/m
    const double We = (vQ - q) * vDE;                                // t/m
    const double WL = q * vDE;                                       // t/m
    const double Lambda = vLANDA * vGAMAT * vDE;                     // t/m2
    const double H1 = vQH / vGAMAT;                                  // m, with live load
    const double H2 = H1 - q / vGAMAT;                               // m, without it

    // The cradle under 90 degrees takes the granular 90 degree row.
    const std::size_t fila = vICUNA == 4 ? 0 : static_cast<std::size_t>(vICUNA - 1);
    c.factor = vICUNA == 4 ? FactorCunaMenor : 1.0;

    for (std::size_t s = 1; s <= 3; ++s) {
        const std::size_t i = 3 * fila + (s - 1);
        ComponentesSeccion &k = c.seccion[s];
        k.Mpp = KM1[i] * Wp * Dm;
        k.Npp = KN1[i] * Wp;
        k.Mw = KM1[i] * Ww * Dm;
        k.Nw = KN2[i] * Ww;
        k.Mt = CoefLineal(KM2[i], x, KM3[i]) * Wt * Dm;
        k.Nt = CoefLineal(KN3[i], x, KN4[i]) * Wt;
        k.Mv = CoefLineal(KM4[i], x, KM5[i]) * We * Dm;
        k.Nv = CoefLineal(KN5[i], x, KN6[i]) * We;
        k.Ml = CoefLineal(KM4[i], x, KM5[i]) * WL * Dm;
        k.Nl = CoefLineal(KN5[i], x, KN6[i]) * WL;
        k.Me1 = CoefEmpuje(H1, KM6[i], KM7[i], x, vDE, KM8[i], KM9[i]) * Lambda * Dm;
        k.Ne1 = CoefEmpuje(H1, KN7[i], KN8[i], x, vDE, KN9[i], KN10[i]) * Lambda;
        k.Me2 = CoefEmpuje(H2, KM6[i], KM7[i], x, vDE, KM8[i], KM9[i]) * Lambda * Dm;
        k.Ne2 = CoefEmpuje(H2, KN7[i], KN8[i], x, vDE, KN9[i], KN10[i]) * Lambda;
    }
    return ErrorEsfuerzos::Ninguno;
}

// Load case k of every section from the components; false when a result is not finite (finite
// but huge data can still overflow), and then both are left 0.
bool CombinaCaso(const ComponentesAnillo &c, CasoCarga k, EsfuerzosSeccion &M, EsfuerzosSeccion &N)
{
    for (std::size_t s = 1; s <= 3; ++s) {
        const ComponentesSeccion &p = c.seccion[s];
        // Sums in the order the load cases have always been added.
        double m = 0;
        double n = 0;
        switch (k) {
        case CasoCarga::CasoPesoPropio:
            m = p.Mpp;
            n = p.Npp;
            break;
        case CasoCarga::CasoPesoFluido:
            m = p.Mw;
            n = p.Nw;
            break;
        case CasoCarga::CasoTierras:
            m = p.Me1 + p.Mt + p.Mv;
            n = p.Ne1 + p.Nt + p.Nv;
            break;
        case CasoCarga::CasoMovil:
            m = p.Ml;
            n = p.Nl;
            break;
        case CasoCarga::CasoEmpujeConMovil:
            m = p.Me1;
            n = p.Ne1;
            break;
        case CasoCarga::CasoPropioFluidoTierras:
            m = p.Mw + p.Mpp + p.Mt + p.Me1 + p.Mv;
            n = p.Npp + p.Nw + p.Nt + p.Ne1 + p.Nv;
            break;
        case CasoCarga::CasoPropioFluidoTierrasMovil:
            m = p.Mw + p.Mpp + p.Mt + p.Me1 + p.Mv + p.Ml;
            n = p.Npp + p.Nw + p.Nt + p.Ne1 + p.Nv + p.Nl;
            break;
        case CasoCarga::CasoTierrasUnMetro:
            m = p.Me2 + p.Mt + p.Mv;
            n = p.Ne2 + p.Nt + p.Nv;
            break;
        case CasoCarga::CasoTimpanos:
            m = p.Mt;
            n = p.Nt;
            break;
        case CasoCarga::CasoEmpujeSinMovil:
            m = p.Me2;
            n = p.Ne2;
            break;
        case CasoCarga::CasoVerticalPura:
            m = p.Mv;
            n = p.Nv;
            break;
        case CasoCarga::CasoNulo:
            break;
        }
        M[s] = m * c.factor;
        N[s] = n * c.factor;
    }

    for (std::size_t s = 1; s <= 3; ++s) {
        if (!std::isfinite(M[s]) || !std::isfinite(N[s])) {
            anula(M, N);
            return false;
        }
    }
    return true;
}

} // namespace

ErrorEsfuerzos CalculaEsfuerzosCaso(double vDi, double vDE, double vGAMAB, double vGAMAT,
                                    double vLANDA, double vQ, EsfuerzosSeccion &M,
                                    EsfuerzosSeccion &N, std::int16_t vICUNA, CasoCarga k,
                                    double vQH, double CargaMovil)
{
    anula(M, N);
    ComponentesAnillo c;
    if (const ErrorEsfuerzos error =
            CalculaComponentes(vDi, vDE, vGAMAB, vGAMAT, vLANDA, vQ, vICUNA, vQH, CargaMovil, c);
        error != ErrorEsfuerzos::Ninguno) {
        return error;
    }
    const auto caso = static_cast<std::int16_t>(k);
    if (caso < 1 || caso > NumeroCasosCarga) {
        return ErrorEsfuerzos::CasoFueraDeRango;
    }
    return CombinaCaso(c, k, M, N) ? ErrorEsfuerzos::Ninguno : ErrorEsfuerzos::DatosNoValidos;
}

ErrorEsfuerzos CalculaEsfuerzosCasos(double vDi, double vDE, double vGAMAB, double vGAMAT,
                                     double vLANDA, std::int16_t vICUNA,
                                     const PresionesAnillo &presionesCaso,
                                     const PresionesAnillo &presionesUnMetro,
                                     TablaEsfuerzos &MomentosCaso, TablaEsfuerzos &AxilesCaso)
{
    // The components of the case's pressures serve eleven load cases, those of 1 m of fill the
    // earth load of 1 m; the load cases are taken in order, so that a refusal is the one the
    // first refused load case gives.
    const auto componentes = [&](const PresionesAnillo &p, ComponentesAnillo &c) {
        return CalculaComponentes(vDi, vDE, vGAMAB, vGAMAT, vLANDA, p.vQ, vICUNA, p.vQH,
                                  p.CargaMovil, c);
    };
    const auto rechaza = [&](ErrorEsfuerzos error) {
        MomentosCaso = TablaEsfuerzos{};
        AxilesCaso = TablaEsfuerzos{};
        return error;
    };
    ComponentesAnillo delCaso;
    if (const ErrorEsfuerzos error = componentes(presionesCaso, delCaso);
        error != ErrorEsfuerzos::Ninguno) {
        return rechaza(error);
    }
    TablaEsfuerzos momentos{};
    TablaEsfuerzos axiles{};
    for (std::int16_t k = 1; k <= NumeroCasosCarga; ++k) {
        const auto caso = static_cast<CasoCarga>(k);
        const ComponentesAnillo *c = &delCaso;
        ComponentesAnillo unMetro;
        if (caso == CasoCarga::CasoTierrasUnMetro) {
            if (const ErrorEsfuerzos error = componentes(presionesUnMetro, unMetro);
                error != ErrorEsfuerzos::Ninguno) {
                return rechaza(error);
            }
            c = &unMetro;
        }
        if (!CombinaCaso(*c, caso, momentos[indice(caso)], axiles[indice(caso)])) {
            return rechaza(ErrorEsfuerzos::DatosNoValidos);
        }
    }
    MomentosCaso = momentos;
    AxilesCaso = axiles;
    return ErrorEsfuerzos::Ninguno;
}

} // namespace dravek
