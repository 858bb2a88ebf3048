// The hydraulic formulas against values computed by hand from the laws (a separate calculation
// carried to ten significant digits) and against the rounded figures engineers quote for them.

#include "core/hydraulics/FormulasHidraulicas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace dravek {
namespace {

constexpr double Pi = 3.141592654;

// Relative closeness for values carried to ten significant digits.
void Cerca(double esperado, double obtenido, double relativa = 1e-8)
{
    EXPECT_NEAR(obtenido, esperado, std::fabs(esperado) * relativa);
}

DatosHidraulicos Calculado(void (*calculo)(DatosHidraulicos &), double rugosidad, double dato)
{
    DatosHidraulicos d;
    d.Rugosidad = rugosidad;
    d.DatoOrigen = dato;
    calculo(d);
    return d;
}

TEST(CargaDiametros, QuinceDiametrosConSuSeccionLlenaYParcial)
{
    DatosHidraulicos d;
    CargaDiametros(d);
    EXPECT_EQ(d.DiametroMm[0], 0.0);
    EXPECT_DOUBLE_EQ(d.RadioHidraulico[1], 0.15);
    EXPECT_DOUBLE_EQ(d.AreaLlena[1], Pi * 0.36 / 4);
    EXPECT_DOUBLE_EQ(d.RadioHidraulico[15], 0.5);
    EXPECT_DOUBLE_EQ(d.AreaLlena[15], Pi);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(d.DiametroMm[i], 500.0 + 100.0 * i);
        EXPECT_DOUBLE_EQ(d.DiametroM[i], d.DiametroMm[i] / 1000);
        // The segment of half angle 2.64 rad: 0.9745 of the area, 1.1597 of the radius.
        EXPECT_NEAR(d.AreaParcial[i] / d.AreaLlena[i], 0.97454, 1e-5);
        EXPECT_NEAR(d.RadioHidraulicoParcial[i] / d.RadioHidraulico[i], 1.15969, 1e-5);
        // Wetted perimeter 2.64 D.
        EXPECT_NEAR(d.AreaParcial[i] / d.RadioHidraulicoParcial[i], 2.64 * d.DiametroM[i], 1e-12);
    }
}

TEST(Regimen, LimitesDeReynoldsYDeRugosidadRelativa)
{
    // D = 0.6 m, k = 0.06 mm: the smooth range ends at Re 230000, the transitional at 5600000
    // (both a hair below in binary, so the rows keep one unit off them).
    const double D = 0.6;
    const double k = 0.06e-3;
    struct Caso {
        double Re;
        RegimenFlujo regimen;
    };
    const std::vector<Caso> casos = {
        {1000, RegimenFlujo::Laminar},      {2400, RegimenFlujo::Laminar},
        {2400.001, RegimenFlujo::Critico},  {4000, RegimenFlujo::Critico},
        {4000.001, RegimenFlujo::Liso},     {229999, RegimenFlujo::Liso},
        {230001, RegimenFlujo::Transicion}, {5599999, RegimenFlujo::Transicion},
        {5600001, RegimenFlujo::Rugoso},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.Re);
        EXPECT_EQ(Regimen(c.Re, D, k), c.regimen);
    }
    // With a coarse roughness the smooth range is empty: 4001 is already transitional.
    EXPECT_EQ(Regimen(4001, 0.6, 10e-3), RegimenFlujo::Transicion);
}

TEST(FactorRegimen, LeyesDeCadaRegimen)
{
    const double D = 0.6;
    const double k = 0.06e-3;
    EXPECT_DOUBLE_EQ(FactorRegimen(RegimenFlujo::Laminar, 1600, D, k), 0.04);
    EXPECT_DOUBLE_EQ(FactorRegimen(RegimenFlujo::Critico, 3000, D, k), 1.0);
    // (100 x 100000)^-1/4 = 1/56.2341325...
    Cerca(0.01778279410, FactorRegimen(RegimenFlujo::Liso, 100000, D, k));
    // y = 1.8 log10(1e6 / (0.06e-3 x 1e6 / 6 + 7)) = 1.8 log10(58823.53) = 8.585182...
    Cerca(0.0135675047252, FactorRegimen(RegimenFlujo::Transicion, 1e6, D, k));
    // y = 2 log10(0.6 x 3.7 / 0.06e-3) = 2 log10(37000)
    Cerca(1.0 / std::pow(2 * std::log10(37000.0), 2),
          FactorRegimen(RegimenFlujo::Rugoso, 1e7, D, k), 1e-14);
}

TEST(PrColeBrook_Pendiente, VelocidadesYCaudalesLlenosYParciales)
{
    const DatosHidraulicos d = Calculado(PrColeBrook_Pendiente, 0.06, 0.001);
    struct Fila {
        int i;
        double V, Q, Vp, Qp;
    };
    const std::vector<Fila> filas = {
        {1, 0.8914822475, 0.2520606672, 0.9798898786, 0.2700022362},
        {5, 1.232330557, 0.9678701565, 1.352138813, 1.034924975},
        {10, 1.586790916, 2.804091011, 1.73889098, 2.994625106},
        {15, 1.89470132, 5.952379748, 2.074639249, 6.351702809},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.i);
        Cerca(f.V, d.Velocidad[f.i]);
        Cerca(f.Q, d.Caudal[f.i]);
        Cerca(f.Vp, d.VelocidadParcial[f.i]);
        Cerca(f.Qp, d.CaudalParcial[f.i]);
    }
    // As quoted: 0.89 and 1.89 m/s full, 0.98 and 2.07 m/s part-full.
    EXPECT_NEAR(d.Velocidad[1], 0.89, 0.005);
    EXPECT_NEAR(d.Velocidad[15], 1.89, 0.005);
    EXPECT_NEAR(d.VelocidadParcial[1], 0.98, 0.005);
    EXPECT_NEAR(d.VelocidadParcial[15], 2.07, 0.005);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        EXPECT_GT(d.VelocidadParcial[i], d.Velocidad[i]) << i;
    }
}

TEST(PrColeBrook_Caudal, PerdidaDeCargaConElFactorDeColebrookEnNuevePasadas)
{
    const DatosHidraulicos d = Calculado(PrColeBrook_Caudal, 0.06, 0.5);
    Cerca(1.768388256, d.Velocidad[1]);
    // After 8 passes 0.0136962569, after 10 0.0136971537: the ninth pass ends it.
    EXPECT_NEAR(Calcula_CLANDA(d, 1, 0.06e-3), 0.0136968647856, 1e-12);
    Cerca(0.003642244457, d.Pendiente[1]);
    EXPECT_NEAR(d.Pendiente[1] * 1000, 3.64, 0.005);
    // 2000 mm: 0.159 m/s, ended by the eighth pass.
    EXPECT_NEAR(Calcula_CLANDA(d, 15, 0.06e-3), 0.0153298576398, 1e-12);
    Cerca(9.905863015e-06, d.Pendiente[15]);
}

TEST(DarcyWeiss_Pendiente, TransicionEnLaPrimeraPasada)
{
    const DatosHidraulicos d = Calculado(DarcyWeiss_Pendiente, 0.05, 0.001);
    // Start 0.8971179 m/s (Prandtl-Colebrook), Re 410900: transitional, f = 0.0146134742,
    // V = sqrt(0.6 x 19.6 x 0.001 / f), within 1 % of the start.
    Cerca(0.8970712168, d.Velocidad[1]);
    Cerca(0.8970712168 * Pi * 0.36 / 4, d.Caudal[1]);
    Cerca(410872.313, d.Reynolds[1]);
    EXPECT_NEAR(d.Velocidad[1], 0.90, 0.005);
    Cerca(1.892280335, d.Velocidad[15]);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        EXPECT_DOUBLE_EQ(d.Reynolds[i], d.DiametroM[i] * d.Velocidad[i] / VISC) << i;
    }
}

TEST(CalculaF, RegimenCriticoTerminaEnSeguida)
{
    DatosHidraulicos d;
    CargaDiametros(d);
    // Re 3000 at 600 mm.
    double V0 = 3000 * VISC / 0.6;
    const double inicio = V0;
    double Re = 0;
    double V = 0;
    EXPECT_EQ(CalculaF(d, 0.001, 0.05e-3, 1, V0, Re, V), 1.0);
    EXPECT_EQ(V, inicio);
    EXPECT_DOUBLE_EQ(Re, 3000);
}

// Smooth and transitional friction laws jump at Re k / D = 23: at a slope of 0.003 and 0.01 mm
// the smooth law puts 1200 to 1500 mm above the limit and the transitional law below it, and
// the passes used to swing between the two up to their limit. The flow runs at the limit:
// Re = 23 D / k, V = 23 VISC / k = 3.013 m/s, and f is what the slope asks there.
TEST(CalculaF, SaltoEntreLisoYTransicionSeAsientaEnElLimite)
{
    const double J = 0.003;
    const double k = 0.01e-3;
    DatosHidraulicos d;
    CargaDiametros(d);
    for (int i = 7; i <= 10; ++i) {
        SCOPED_TRACE(d.DiametroMm[i]);
        const double D = d.DiametroM[i];
        double V0 = VelocidadPrandtlColebrook(J, k, d.RadioHidraulico[i]);
        double Re = 0;
        double V = 0;
        const double f = CalculaF(d, J, k, i, V0, Re, V);
        Cerca(3.013, V, 1e-12);
        Cerca(23 * D / k, Re, 1e-12);
        Cerca(D * 19.6 * J / (3.013 * 3.013), f, 1e-12);
        // Between the two laws at the limit.
        EXPECT_GT(f, FactorRegimen(RegimenFlujo::Liso, 23 * D / k, D, k));
        EXPECT_LT(f, FactorRegimen(RegimenFlujo::Transicion, 23 * D / k, D, k));
    }

    const DatosHidraulicos r = Calculado(DarcyWeiss_Pendiente, 0.01, J);
    // 1100 mm stays smooth (third pass), 1600 mm transitional (first pass).
    Cerca(2.83360373726, r.Velocidad[6]);
    Cerca(3.09625793439, r.Velocidad[11]);
    for (int i = 1; i <= NumeroDiametros; ++i) {
        SCOPED_TRACE(r.DiametroMm[i]);
        EXPECT_DOUBLE_EQ(r.Reynolds[i], r.DiametroM[i] * r.Velocidad[i] / VISC);
        if (i > 1) {
            EXPECT_GE(r.Velocidad[i], r.Velocidad[i - 1]);
        }
    }
}

// The passes may stop within 1 % on a velocity that the law used does not own: at 1000 mm,
// 0.8 mm and 0.00082 the transitional law gives 0.92322 m/s, past the rough limit of
// 560 VISC / k = 0.917 m/s, and the rough law's own velocity stays rough.
TEST(CalculaF, VelocidadFueraDeSuRegimenPasaAlRegimenQueLaContiene)
{
    const double J = 0.00082;
    const double k = 0.8e-3;
    DatosHidraulicos d;
    CargaDiametros(d);
    double V0 = VelocidadPrandtlColebrook(J, k, d.RadioHidraulico[5]);
    double Re = 0;
    double V = 0;
    const double f = CalculaF(d, J, k, 5, V0, Re, V);
    // f = 1 / (2 log10(3.7 / 0.0008))^2, V = sqrt(19.6 x 0.00082 / f).
    Cerca(0.01861082262, f);
    Cerca(0.9292919539, V);
    Cerca(709383.1709, Re);
    EXPECT_EQ(Regimen(Re, 1.0, k), RegimenFlujo::Rugoso);
}

TEST(DarcyWeiss_Caudal, PerdidasPorRegimen)
{
    struct Caso {
        double Q;
        int i;
        RegimenFlujo regimen;
        double Re;
        double J;
    };
    const std::vector<Caso> casos = {
        {0.5, 1, RegimenFlujo::Transicion, 809948.8197, 0.003606911606},
        {0.5, 15, RegimenFlujo::Liso, 242984.6459, 9.203637146e-06},
        // 1.5 l/s: critical; the head loss is computed with f = 1 and not listed.
        {0.0015, 1, RegimenFlujo::Critico, 2429.846459, 2.393263029e-06},
        {0.001, 1, RegimenFlujo::Laminar, 1619.897639, 4.202428328e-08},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::to_string(c.Q) + " m3/s, " + std::to_string(c.i));
        const DatosHidraulicos d = Calculado(DarcyWeiss_Caudal, 0.05, c.Q);
        Cerca(c.Re, d.Reynolds[c.i]);
        EXPECT_EQ(Regimen(d.Reynolds[c.i], d.DiametroM[c.i], 0.05e-3), c.regimen);
        Cerca(c.J, d.Pendiente[c.i]);
    }
    const DatosHidraulicos d = Calculado(DarcyWeiss_Caudal, 0.05, 0.5);
    EXPECT_NEAR(d.Pendiente[1] * 1000, 3.61, 0.005);
}

TEST(Hazen, VelocidadesYPerdidasConCoeficienteCalculadoOEscrito)
{
    struct Fila {
        double Cwh;
        int i;
        double V, Q, Vp, Qp; // slope 0.001
        double J, Jp;        // flow 0.5 m3/s
    };
    const std::vector<Fila> filas = {
        {0, 1, 0.883204079, 0.2497200702, 0.9696110751, 0.2671699792, 0.003617128959,
         0.003191841996},
        {0, 15, 2.008229427, 6.309038815, 2.204701654, 6.749901071, 9.143736725e-06,
         8.06865423e-06},
        {120, 1, 0.739650286, 0.2091311914, 0.812012904, 0.2237448357, 0.005023665649,
         0.004433003957},
        {120, 15, 1.579210559, 4.96123629, 1.733710344, 5.307916963, 1.426946133e-05,
         1.259171747e-05},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE("Cwh " + std::to_string(f.Cwh) + ", " + std::to_string(f.i));
        const DatosHidraulicos p = Calculado(Hazen_Pendiente, f.Cwh, 0.001);
        Cerca(f.V, p.Velocidad[f.i]);
        Cerca(f.Q, p.Caudal[f.i]);
        Cerca(f.Vp, p.VelocidadParcial[f.i]);
        Cerca(f.Qp, p.CaudalParcial[f.i]);
        const DatosHidraulicos q = Calculado(Hazen_Caudal, f.Cwh, 0.5);
        Cerca(0.5 / q.AreaLlena[f.i], q.Velocidad[f.i], 1e-14);
        Cerca(0.5 / q.AreaParcial[f.i], q.VelocidadParcial[f.i], 1e-14);
        Cerca(f.J, q.Pendiente[f.i]);
        Cerca(f.Jp, q.PendienteParcial[f.i]);
    }
    // As quoted for 600 mm with the coefficient computed (143.29): 0.88 m/s; 3.62 and 3.19 m/km.
    EXPECT_DOUBLE_EQ(CoeficienteHazen(0, 0.6), 139.3 + 6.65 * 0.6);
    EXPECT_EQ(CoeficienteHazen(120, 0.6), 120);
}

// The largest roughness the window lets through, on the smallest pipe and the smallest datum:
// every logarithm keeps a positive argument below 1, so no result is zero, negative or NaN.
TEST(Formulas, RugosidadMaximaDaResultadosFinitos)
{
    using Calculo = void (*)(DatosHidraulicos &);
    const std::vector<Calculo> calculos = {PrColeBrook_Pendiente, PrColeBrook_Caudal,
                                           DarcyWeiss_Pendiente, DarcyWeiss_Caudal};
    for (const double dato : {0.0001, 0.001, 1.0, 100.0}) {
        for (const Calculo calculo : calculos) {
            const DatosHidraulicos d = Calculado(calculo, RugosidadMaxima, dato);
            for (int i = 1; i <= NumeroDiametros; ++i) {
                SCOPED_TRACE(std::to_string(dato) + " / " + std::to_string(i));
                for (const PorDiametro *a : {&d.Velocidad, &d.Caudal, &d.Pendiente, &d.Reynolds}) {
                    EXPECT_TRUE(std::isfinite((*a)[i]));
                    EXPECT_GE((*a)[i], 0.0);
                }
                EXPECT_GT(d.Velocidad[i], 0.0);
            }
        }
    }
}

} // namespace
} // namespace dravek
