#include "core/model/LimitesFisicos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace dravek {
namespace {

// Every row: a finite range, its minimum not above its maximum, and never below 0 (no quantity
// of a pipe run, of the calculator or of the adviser is negative).
TEST(LimitesFisicos, CadaFilaEsUnIntervaloFinito)
{
    for (const LimiteFisico &l : LimitesFisicos) {
        SCOPED_TRACE(static_cast<int>(l.magnitud));
        EXPECT_TRUE(std::isfinite(l.minimo) && std::isfinite(l.maximo));
        EXPECT_GE(l.minimo, 0.0);
        EXPECT_LT(l.minimo, l.maximo);
        EXPECT_TRUE(DentroDeLimites(l.magnitud, l.minimo) || l.minimo == 0);
        EXPECT_TRUE(DentroDeLimites(l.magnitud, l.maximo));
        EXPECT_FALSE(DentroDeLimites(l.magnitud, std::nextafter(l.maximo, 1e300)));
        EXPECT_FALSE(DentroDeLimites(l.magnitud, -1.0));
        EXPECT_FALSE(DentroDeLimites(l.magnitud, std::numeric_limits<double>::quiet_NaN()));
        EXPECT_FALSE(DentroDeLimites(l.magnitud, std::numeric_limits<double>::infinity()));
        EXPECT_EQ(DentroDeLimites(l.magnitud, 0.0), l.ceroAdmitido || l.minimo == 0);
    }
}

// The hydraulic calculator's and the adviser's inputs, at and beyond their bounds.
TEST(LimitesFisicos, CalculadoraYConsejero)
{
    struct Caso {
        Magnitud magnitud;
        double valor;
        bool dentro;
    };
    const std::vector<Caso> casos = {
        {Magnitud::PendienteHidraulica, 0.0001, true},
        {Magnitud::PendienteHidraulica, 0.00009, false},
        {Magnitud::PendienteHidraulica, 100, true},
        {Magnitud::PendienteHidraulica, 150, false},
        {Magnitud::PendienteHidraulica, 99999999999999, false},
        {Magnitud::CaudalHidraulico, 1000, true},
        {Magnitud::CaudalHidraulico, 1000.01, false},
        {Magnitud::RugosidadHidraulica, 100, true},
        {Magnitud::RugosidadHidraulica, 0.0001, true},
        {Magnitud::RugosidadHidraulica, 0, false},
        {Magnitud::CoeficienteHazen, 0, true},
        {Magnitud::CoeficienteHazen, 0.5, false},
        {Magnitud::CoeficienteHazen, 1000, true},
        {Magnitud::PHAgua, 0, true},
        {Magnitud::PHAgua, 6.5, true},
        {Magnitud::PHAgua, 14, true},
        {Magnitud::PHAgua, 14.01, false},
        {Magnitud::PHAgua, 657, false},
        {Magnitud::ConcentracionAgua, 0, true},
        {Magnitud::ConcentracionAgua, 6001, true},
        {Magnitud::ConcentracionAgua, 100000, true},
        {Magnitud::ConcentracionAgua, 100001, false},
        {Magnitud::SulfatosTerreno, 20000, true},
        {Magnitud::SulfatosTerreno, 1000000, true},
        {Magnitud::SulfatosTerreno, 1000001, false},
        {Magnitud::ResistividadTerreno, 14.99, true},
        {Magnitud::ResistividadTerreno, 1000001, false},
        {Magnitud::CorrienteVagabunda, 200, true},
        {Magnitud::CorrienteVagabunda, 100000, true},
        {Magnitud::CorrienteVagabunda, 100001, false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.magnitud)) + " " + std::to_string(c.valor));
        EXPECT_EQ(DentroDeLimites(c.magnitud, c.valor), c.dentro);
    }
}

} // namespace
} // namespace dravek
