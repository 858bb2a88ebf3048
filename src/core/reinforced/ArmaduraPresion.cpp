#include "core/reinforced/ArmaduraPresion.h"

#include "core/reinforced/SeccionArmado.h"

#include <algorithm>
#include <cmath>

namespace dravek {

namespace {

// A cylinder sheet comes in steps of 0.5 mm (5 cm2/m) and is never thinner than 1.5 mm.
constexpr double PasoCamisa = 5.0;    // cm2/m
constexpr double MinimoCamisa = 15.0; // cm2/m
// Just under one step: raises to the next multiple of 5 and keeps an exact multiple as it is.
constexpr double RedondeoCamisa = 4.9999999; // cm2/m

// Cylinder area raised to the next sheet step, at least the thinnest sheet.
double AreaCamisa(double area)
{
    const double camisa = PasoCamisa * std::floor((area + RedondeoCamisa) / PasoCamisa);
    return camisa < MinimoCamisa ? MinimoCamisa : camisa;
}

} // namespace

ErrorCalculo ReparteArmaduraPresion(ContextoCalculo &contexto, double &ArmaduraInterior,
                                    double &ArmaduraExterior)
{
    ArmaduraInterior = 0;
    ArmaduraExterior = 0;
    if (ErrorCalculo error = CompruebaFyd(contexto)) {
        return error;
    }
    const DatosTramo &tramo = contexto.estado.tramo;
    const bool soloCamisa = tramo.IndicadorCamisa == 2;

    // Hoop force of the test pressure on a metre of pipe over the steel design strength, cm2/m.
    const double A = tramo.vDi / 2 * contexto.estado.caso.PP / tramo.Fyd * 10000;
    const bool limite = tramo.FijaArmaduraExterior != Falso && tramo.ArmaduraExteriorMaxima > 0;

    if (limite) {
        ArmaduraExterior = A / 2;
        if (A / 2 > tramo.ArmaduraExteriorMaxima) {
            ArmaduraExterior = tramo.ArmaduraExteriorMaxima;
        }
        ArmaduraInterior = A - ArmaduraExterior;
        if (soloCamisa) {
            // CAMMAX is not applied here: the outer maximum takes precedence.
            ArmaduraInterior = AreaCamisa(ArmaduraInterior);
        }
    } else if (tramo.CAMMAX <= 0) {
        ArmaduraInterior = A / 2;
    } else {
        ArmaduraInterior = A / 2;
        if (soloCamisa) {
            // A cap below the thinnest sheet wins over the minimum.
            ArmaduraInterior = std::min(AreaCamisa(A / 2), tramo.CAMMAX * 10);
        }
    }
    ArmaduraExterior = std::max(A - ArmaduraInterior, 0.0);
    return {};
}

} // namespace dravek
