#include "core/posttensioned/CasoPostesadoPrueba.h"
#include "core/posttensioned/mdPreten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <vector>

namespace dravek {
namespace {

// Expected values computed by hand (python3 as a calculator) from the formulas as written.

TEST(FormulasPostesado, ModuloElasticidadSegunResistencia)
{
    struct Fila {
        double fck;
        double modulo; // 39453.505 x (fck + 80)^(1/3) x factor, kp/cm2
    };
    const std::vector<Fila> filas = {
        {250, 320352.49051240075}, // factor 1.2375 held to 1.175
        {400, 362969.8376297057},  // factor 1.2 held to 1.175
        {500, 386603.8036428448},  // 1.3 - 0.125 = 1.175 exactly
        {600, 398981.78534567443}, // factor 1.15
        {700, 408572.98554978106}, // factor 1.125
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.fck);
        EXPECT_NEAR(ModuloElasticidadHormigon(f.fck), f.modulo, 1e-8);
    }
}

TEST(FormulasPostesado, ResistenciaATraccionSegunResistencia)
{
    struct Fila {
        double fck;
        double fct;
    };
    const std::vector<Fila> filas = {
        {350, 22.448317577371466}, // 0.452 x 350^(2/3)
        {400, 24.53833525401795},
        {500, 28.474215727624127}, // still 0.452 x fck^(2/3)
        {600, 31.35346870762468},  // 1.28 x 600^(1/2)
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.fck);
        EXPECT_NEAR(ResistenciaTraccionHormigon(f.fck), f.fct, 1e-12);
    }
}

TEST(FormulasPostesado, FuerzaEspirasYSeparacionDeUnAlambre)
{
    struct Fila {
        double diametroMm;
        double fuerza; // t: 0.6 x 17000 x 3.14159265 x d^2 / 4 / 100000
        double separacionCm;
        double espiras; // 100 / (d / 10 + s)
    };
    const std::vector<Fila> filas = {
        {4, 1.2817698012, 4.6, 20.0},
        {5, 2.0027653143750004, 4.5, 20.0},
        {6, 2.8839820527000004, 1.9, 40.0},
        {7, 3.9254200161750004, 4.3, 20.0},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.diametroMm);
        EXPECT_NEAR(FuerzaAlambre(f.diametroMm, 3.14159265, 17000), f.fuerza, 1e-12);
        EXPECT_NEAR(EspirasPorMetro(f.diametroMm, f.separacionCm), f.espiras, 1e-12);
        // The gap formula takes the diameter in cm and gives back the gap.
        EXPECT_NEAR(SeparacionAlambres(f.diametroMm / 10, f.espiras), f.separacionCm, 1e-12);
    }
    EXPECT_NEAR(FuerzaAlambre(7, 3.14159265, 17000), 3.925, 0.0005);
}

// f(i) the force of wire i, t(i, g) its turns at the gap g:
// min(1) = f(4 mm) x 20, min(2) = max(1) = f(5 mm) x 20, max(2) = 0.9 x f(5 mm) x 100,
// max(3) = 0.9 x f(6 mm) x 83.33, max(4) = f(7 mm) x 76.92.
TEST(FormulasPostesado, RangosDeFuerzaContiguosDeLosCuatroAlambres)
{
    const ValoresAlambre minima = {0, 25.635396024000002, 40.05530628750001, 180.24887829375004,
                                   216.29865395250005};
    const ValoresAlambre maxima = {0, 40.05530628750001, 180.24887829375004, 216.29865395250005,
                                   301.95538585961543};
    for (const std::int16_t tipologia : {std::int16_t{2211}, std::int16_t{2221}}) {
        SCOPED_TRACE(tipologia);
        DatosPostesado datos;
        PreparaTablaAlambres(tipologia, 17000, datos);
        for (std::size_t i = 1; i <= 4; ++i) {
            SCOPED_TRACE(i);
            EXPECT_NEAR(datos.FuerzaMinimaAlambre[i], minima[i], 1e-10);
            EXPECT_NEAR(datos.FuerzaMaximaAlambre[i], maxima[i], 1e-10);
        }
        EXPECT_EQ(datos.DiametrosAlambre, (ValoresAlambre{0, 4, 5, 6, 7}));
        EXPECT_EQ(datos.SeparacionMinimaAlambres, (ValoresAlambre{0, 4, 5, 6, 6}));
        const ValoresAlambre anchas = tipologia == 2221 ? ValoresAlambre{0, 46, 45, 19, 18}
                                                        : ValoresAlambre{0, 46, 45, 44, 43};
        EXPECT_EQ(datos.SeparacionMaximaAlambres, anchas);
    }
}

TEST(FormulasPostesado, PresionYLimiteDelPrimarioDeCadaHipotesis)
{
    struct Fila {
        HipotesisPostesado hipotesis;
        double presion; // DP 4, MDP 5, STP 6
        double limite;  // FctkPrimario 24.5
        std::int32_t texto;
    };
    using enum HipotesisPostesado;
    const std::vector<Fila> filas = {
        {HipotesisDPCargasFijas, 4, -5, 888},     {HipotesisMDPCargasFijas, 6, 24.5, 889},
        {HipotesisDPCargasMoviles, 4, 0, 890},    {HipotesisMDPPesoPropioAgua, 5, -5, 891},
        {HipotesisSTPUnMetroTierras, 6, -5, 892}, {HipotesisCargasMovilesSinPresion, 0, -5, 893},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(indice(f.hipotesis));
        EXPECT_EQ(PresionHipotesisPostesado(f.hipotesis, 4, 5, 6), f.presion);
        EXPECT_EQ(LimiteTensionPrimario(f.hipotesis, 24.5), f.limite);
        EXPECT_EQ(TextoHipotesisPostesado(f.hipotesis), f.texto);
    }
}

// Load case k at section s: moment s x 10^(k-1), axial force minus twice that, so every load
// case shows as its own decimal digit.
TEST(FormulasPostesado, CargaHipotesisSumaLosCasosDeCadaHipotesis)
{
    EstadoObra estado;
    for (std::size_t k = 1; k <= 12; ++k) {
        for (std::size_t s = 1; s <= 3; ++s) {
            const double v = static_cast<double>(s) * std::pow(10.0, static_cast<double>(k - 1));
            estado.resultados.MomentosCaso[k][s] = v;
            estado.resultados.AxilesCaso[k][s] = -2 * v;
        }
    }
    TablaHipotesisPostesado M{};
    TablaHipotesisPostesado N{};

    CargaHipotesis(estado, M, N);

    // Digits of the cases summed, case 12 first: h1, h2 cases 1, 2, 9, 10, 11; h3, h6 case 7;
    // h4 cases 1, 2; h5 cases 1, 2, 8.
    const std::vector<double> porHipotesis = {0,    11100000011.0, 11100000011.0, 1000000.0,
                                              11.0, 10000011.0,    1000000.0};
    for (std::size_t h = 1; h <= 6; ++h) {
        for (std::size_t s = 1; s <= 3; ++s) {
            SCOPED_TRACE(testing::Message() << "h " << h << " s " << s);
            EXPECT_EQ(M[h][s], static_cast<double>(s) * porHipotesis[h]);
            EXPECT_EQ(N[h][s], -2.0 * static_cast<double>(s) * porHipotesis[h]);
        }
    }
}

TEST(FormulasPostesado, DatosDelCasoConRetraccionNegativaSinTocarLaObra)
{
    EstadoObra estado = pruebas::EstadoCasoPrueba();
    estado.tramo.Epsc = -0.0002; // the sign it was entered with does not matter

    const DatosPostesado d = PreparaDatosPostesado(estado, -1, 1.5);

    EXPECT_EQ(d.Epsc, -0.0002);
    EXPECT_EQ(d.Epsr, -0.0003);
    EXPECT_EQ(estado.tramo.Epsc, -0.0002);
    EXPECT_EQ(estado.tramo.Epsr, 0.0003);
    // Moduli 320352.49 (250), 362969.84 (400), 349901.88 (350) kp/cm2.
    EXPECT_NEAR(d.ni, 6.243122994926679, 1e-12);
    EXPECT_NEAR(d.n, 5.510099718093817, 1e-12);
    EXPECT_NEAR(d.n1, 5.715888114182266, 1e-12);
    EXPECT_NEAR(d.n2, 0.9639971266096258, 1e-12);
    EXPECT_NEAR(d.RelacionModulosCamisa, 5.785604703998508, 1e-12);
    EXPECT_NEAR(d.RelacionModulosChapa, 5.785604703998508, 1e-12);
    EXPECT_NEAR(d.FctkPrimario, 24.53833525401795, 1e-12);
    EXPECT_NEAR(d.FctkRevestimiento, 22.448317577371466, 1e-12);
    EXPECT_EQ(d.Fck0, 250);
    EXPECT_EQ(d.Delca, 0.15);
    EXPECT_NEAR(d.FuerzaAnillo, 23.0, 1e-12); // 4 at x 10 x 0.575 m
    EXPECT_EQ(d.FijaPresionPrimario, -1);
    EXPECT_EQ(d.CoefPresionPrimario, 1.5);
}

TEST(FormulasPostesado, SinCamisaNoHayChapaEnLaSeccion)
{
    EstadoObra estado = pruebas::EstadoCasoPrueba();
    estado.tramo.TipoPostesado = 2;

    const DatosPostesado d = PreparaDatosPostesado(estado, 0, 0);

    EXPECT_EQ(d.Delca, 0.0);
    EXPECT_EQ(d.RelacionModulosCamisa, 0.0);
    EXPECT_NEAR(d.RelacionModulosChapa, 5.785604703998508, 1e-12);
    EXPECT_EQ(estado.tramo.Delca, 0.15);
}

} // namespace
} // namespace dravek
