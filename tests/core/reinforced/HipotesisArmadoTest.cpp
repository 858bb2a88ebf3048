#include "core/engine/HipotesisArmado.h"

#include "core/model/EstadoObra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

namespace dravek {
namespace {

constexpr double Marca = -7777.0; // what the caller left in the table before the call

TablaHipotesis TablaMarcada()
{
    TablaHipotesis t{};
    for (auto &fila : t) {
        fila.fill(Marca);
    }
    return t;
}

// Every element outside rows 1-5 x sections 1-3 still holds the caller's mark.
void EsperaIntactoFueraDeLasHipotesis(const TablaHipotesis &t)
{
    for (std::size_t h = 0; h < t.size(); ++h) {
        for (std::size_t s = 0; s < t[h].size(); ++s) {
            if (h >= 1 && h <= 5 && s >= 1) {
                continue;
            }
            EXPECT_EQ(t[h][s], Marca) << "row " << h << " section " << s;
        }
    }
}

// Load case k at section s: moment s * 10^(k-1), axial force minus that, so that every load case
// shows as its own decimal digit and every section as a multiple; all twelve cases are filled so
// a case that does not belong to a hypothesis shows too.
EstadoObra EstadoDigitos()
{
    EstadoObra e;
    double potencia = 1;
    for (std::size_t k = 1; k <= 12; ++k) {
        for (std::size_t s = 1; s <= 3; ++s) {
            e.resultados.MomentosCaso[k][s] = static_cast<double>(s) * potencia;
            e.resultados.AxilesCaso[k][s] = -static_cast<double>(s) * potencia;
        }
        potencia *= 10;
    }
    // With R = 0.5 m the ring tensions R * p * 10 are 35, 55, 65 and 85 t/m.
    e.caso.PPNeta = 7;
    e.caso.STP = 11;
    e.caso.DP = 13;
    e.caso.MDP = 17;
    return e;
}

struct FilaHipotesis {
    HipotesisArmado h;
    std::size_t s;
    double M, N; // t.m/m, t/m
};

TEST(CombinaHipotesis, CadaHipotesisSumaSusCasosYSuTraccion)
{
    using enum HipotesisArmado;
    // By hand: 2 = cases 3+1+4 -> 1101 s; 3 = 2+1+8 -> 10000011 s; 4 = 2+1+3+4 -> 1111 s;
    // 5 = 2+1+11+9+10 -> 11100000011 s; N = T(p) minus the same sum.
    const std::vector<FilaHipotesis> filas = {
        {HipotesisPPNeta, 1, 0, 35},
        {HipotesisPPNeta, 2, 0, 35},
        {HipotesisPPNeta, 3, 0, 35},
        {HipotesisVacio, 1, 1101, -1101},
        {HipotesisVacio, 2, 2202, -2202},
        {HipotesisVacio, 3, 3303, -3303},
        {HipotesisSTP, 1, 10000011, 55 - 10000011},
        {HipotesisSTP, 2, 20000022, 55 - 20000022},
        {HipotesisSTP, 3, 30000033, 55 - 30000033},
        {HipotesisDP, 1, 1111, 65 - 1111},
        {HipotesisDP, 2, 2222, 65 - 2222},
        {HipotesisDP, 3, 3333, 65 - 3333},
        {HipotesisMDP, 1, 11100000011.0, 85 - 11100000011.0},
        {HipotesisMDP, 2, 22200000022.0, 85 - 22200000022.0},
        {HipotesisMDP, 3, 33300000033.0, 85 - 33300000033.0},
    };
    const EstadoObra e = EstadoDigitos();
    TablaHipotesis M = TablaMarcada();
    TablaHipotesis N = TablaMarcada();
    ASSERT_EQ(CombinaHipotesis(e, M, N, 0.5), ErrorHipotesis::Ninguno);

    for (const FilaHipotesis &f : filas) {
        SCOPED_TRACE(testing::Message() << "hypothesis " << indice(f.h) << " section " << f.s);
        // Integers below 2^53: the sums are exact.
        EXPECT_EQ(M[indice(f.h)][f.s], f.M);
        EXPECT_EQ(N[indice(f.h)][f.s], f.N);
    }
    EsperaIntactoFueraDeLasHipotesis(M);
    EsperaIntactoFueraDeLasHipotesis(N);
}

TEST(CombinaHipotesis, PresionSoloEnElAxilYSinFuerzasDeAnillo)
{
    // Di = 1.0 m, PP = 10 at: 0.5 m * 100 t/m2 = 50 t/m at all three sections. With every load
    // case 0 hypothesis 2 vanishes and 3 to 5 keep only their ring tension.
    EstadoObra e;
    e.caso.PPNeta = 10;
    e.caso.STP = 8;
    e.caso.DP = 6;
    e.caso.MDP = 6.6;
    TablaHipotesis M = TablaMarcada();
    TablaHipotesis N = TablaMarcada();
    ASSERT_EQ(CombinaHipotesis(e, M, N, 1.0 / 2), ErrorHipotesis::Ninguno);

    const double esperado[] = {0, 50, 0, 40, 30, 33}; // t/m by hypothesis 1..5
    for (std::size_t h = 1; h <= 5; ++h) {
        for (std::size_t s = 1; s <= 3; ++s) {
            SCOPED_TRACE(testing::Message() << "hypothesis " << h << " section " << s);
            EXPECT_EQ(M[h][s], 0.0);
            EXPECT_NEAR(N[h][s], esperado[h], 1e-12);
        }
    }
    EsperaIntactoFueraDeLasHipotesis(M);
    EsperaIntactoFueraDeLasHipotesis(N);
}

TEST(CombinaHipotesis, LaPresionNoCambiaMomentosNiLaHipotesisVacio)
{
    EstadoObra e = EstadoDigitos();
    TablaHipotesis M1{}, N1{}, M2{}, N2{};
    ASSERT_EQ(CombinaHipotesis(e, M1, N1, 0.5), ErrorHipotesis::Ninguno);
    e.caso.PPNeta += 1;
    e.caso.STP += 2;
    e.caso.DP += 3;
    e.caso.MDP += 4;
    ASSERT_EQ(CombinaHipotesis(e, M2, N2, 0.5), ErrorHipotesis::Ninguno);

    const double aumento[] = {0, 5, 0, 10, 15, 20}; // t/m: 0.5 m * dp * 10
    for (std::size_t h = 1; h <= 5; ++h) {
        for (std::size_t s = 1; s <= 3; ++s) {
            SCOPED_TRACE(testing::Message() << "hypothesis " << h << " section " << s);
            EXPECT_EQ(M2[h][s], M1[h][s]);
            EXPECT_EQ(N2[h][s] - N1[h][s], aumento[h]);
        }
    }
}

TEST(CombinaHipotesis, DatoNoFinitoSeRechazaSinNaN)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double max = std::numeric_limits<double>::max();
    struct Fila {
        const char *nombre;
        double R;                  // m
        double DP;                 // at
        double momento3, momento4; // crown moments of the earth and live load cases, t.m/m
    };
    const std::vector<Fila> filas = {
        {"R NaN", nan, 5, 1, 1},
        {"R infinite with PP 0: inf * 0", inf, 5, 1, 1},
        {"DP infinite", 0.5, inf, 1, 1},
        {"earth-load moment NaN", 0.5, 5, nan, 1},
        {"finite moments whose sum overflows", 0.5, 5, max, max},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.nombre);
        EstadoObra e;
        e.caso.DP = f.DP;
        e.resultados.MomentosCaso[3][1] = f.momento3;
        e.resultados.MomentosCaso[4][1] = f.momento4;
        TablaHipotesis M = TablaMarcada();
        TablaHipotesis N = TablaMarcada();
        EXPECT_EQ(CombinaHipotesis(e, M, N, f.R), ErrorHipotesis::ResultadoNoFinito);
        for (std::size_t h = 1; h <= 5; ++h) {
            for (std::size_t s = 1; s <= 3; ++s) {
                EXPECT_EQ(M[h][s], 0.0) << "hypothesis " << h << " section " << s;
                EXPECT_EQ(N[h][s], 0.0) << "hypothesis " << h << " section " << s;
            }
        }
        EsperaIntactoFueraDeLasHipotesis(M);
        EsperaIntactoFueraDeLasHipotesis(N);
    }
}

} // namespace
} // namespace dravek
