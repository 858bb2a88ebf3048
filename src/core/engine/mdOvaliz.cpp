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

ErrorEsfuerzos CalculaEsfuerzosCaso(double vDi, double vDE, double vGAMAB, double vGAMAT,
                                    double vLANDA, double vQ, EsfuerzosSeccion &M,
                                    EsfuerzosSeccion &N, std::int16_t vICUNA, CasoCarga k,
                                    double vQH, double CargaMovil)
{
    anula(M, N);

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
    const auto caso = static_cast<std::int16_t>(k);
    if (caso < 1 || caso > NumeroCasosCarga) {
        return ErrorEsfuerzos::CasoFueraDeRango;
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
    const double factor = vICUNA == 4 ? FactorCunaMenor : 1.0;

    for (std::size_t s = 1; s <= 3; ++s) {
        const std::size_t i = 3 * fila + (s - 1);

        const double Mpp = KM1[i] * Wp * Dm;
        const double Npp = KN1[i] * Wp;
        const double Mw = KM1[i] * Ww * Dm;
        const double Nw = KN2[i] * Ww;
        const double Mt = CoefLineal(KM2[i], x, KM3[i]) * Wt * Dm;
        const double Nt = CoefLineal(KN3[i], x, KN4[i]) * Wt;
        const double Mv = CoefLineal(KM4[i], x, KM5[i]) * We * Dm;
        const double Nv = CoefLineal(KN5[i], x, KN6[i]) * We;
        const double Ml = CoefLineal(KM4[i], x, KM5[i]) * WL * Dm;
        const double Nl = CoefLineal(KN5[i], x, KN6[i]) * WL;
        const double Me1 = CoefEmpuje(H1, KM6[i], KM7[i], x, vDE, KM8[i], KM9[i]) * Lambda * Dm;
        const double Ne1 = CoefEmpuje(H1, KN7[i], KN8[i], x, vDE, KN9[i], KN10[i]) * Lambda;
        const double Me2 = CoefEmpuje(H2, KM6[i], KM7[i], x, vDE, KM8[i], KM9[i]) * Lambda * Dm;
        const double Ne2 = CoefEmpuje(H2, KN7[i], KN8[i], x, vDE, KN9[i], KN10[i]) * Lambda;

        // Sums in the order the load cases have always been added.
        double m = 0;
        double n = 0;
        switch (k) {
        case CasoCarga::CasoPesoPropio:
            m = Mpp;
            n = Npp;
            break;
        case CasoCarga::CasoPesoFluido:
            m = Mw;
            n = Nw;
            break;
        case CasoCarga::CasoTierras:
            m = Me1 + Mt + Mv;
            n = Ne1 + Nt + Nv;
            break;
        case CasoCarga::CasoMovil:
            m = Ml;
            n = Nl;
            break;
        case CasoCarga::CasoEmpujeConMovil:
            m = Me1;
            n = Ne1;
            break;
        case CasoCarga::CasoPropioFluidoTierras:
            m = Mw + Mpp + Mt + Me1 + Mv;
            n = Npp + Nw + Nt + Ne1 + Nv;
            break;
        case CasoCarga::CasoPropioFluidoTierrasMovil:
            m = Mw + Mpp + Mt + Me1 + Mv + Ml;
            n = Npp + Nw + Nt + Ne1 + Nv + Nl;
            break;
        case CasoCarga::CasoTierrasUnMetro:
            m = Me2 + Mt + Mv;
            n = Ne2 + Nt + Nv;
            break;
        case CasoCarga::CasoTimpanos:
            m = Mt;
            n = Nt;
            break;
        case CasoCarga::CasoEmpujeSinMovil:
            m = Me2;
            n = Ne2;
            break;
        case CasoCarga::CasoVerticalPura:
            m = Mv;
            n = Nv;
            break;
        case CasoCarga::CasoNulo:
            break;
        }
        M[s] = m * factor;
        N[s] = n * factor;
    }

    // Finite but huge data can still overflow; the results are never left infinite.
    for (std::size_t s = 1; s <= 3; ++s) {
        if (!std::isfinite(M[s]) || !std::isfinite(N[s])) {
            anula(M, N);
            return ErrorEsfuerzos::DatosNoValidos;
        }
    }
    return ErrorEsfuerzos::Ninguno;
}

ErrorEsfuerzos CalculaEsfuerzosCasos(double vDi, double vDE, double vGAMAB, double vGAMAT,
                                     double vLANDA, std::int16_t vICUNA,
                                     const PresionesAnillo &presionesCaso,
                                     const PresionesAnillo &presionesUnMetro,
                                     TablaEsfuerzos &MomentosCaso, TablaEsfuerzos &AxilesCaso)
{
    TablaEsfuerzos momentos{};
    TablaEsfuerzos axiles{};
    for (std::int16_t k = 1; k <= NumeroCasosCarga; ++k) {
        const auto caso = static_cast<CasoCarga>(k);
        // The earth load of 1 m of fill is the only case computed with other pressures.
        const PresionesAnillo &p =
            caso == CasoCarga::CasoTierrasUnMetro ? presionesUnMetro : presionesCaso;
        const ErrorEsfuerzos error =
            CalculaEsfuerzosCaso(vDi, vDE, vGAMAB, vGAMAT, vLANDA, p.vQ, momentos[indice(caso)],
                                 axiles[indice(caso)], vICUNA, caso, p.vQH, p.CargaMovil);
        if (error != ErrorEsfuerzos::Ninguno) {
            MomentosCaso = TablaEsfuerzos{};
            AxilesCaso = TablaEsfuerzos{};
            return error;
        }
    }
    MomentosCaso = momentos;
    AxilesCaso = axiles;
    return ErrorEsfuerzos::Ninguno;
}

} // namespace dravek
