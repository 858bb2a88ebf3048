#pragma once

// Aggressiveness of the waters and soils around a buried concrete pipe, and the protective
// measures of the concrete it calls for: cement content, water/cement ratio, cement type and
// whether additional measures are needed.

#include "core/model/LimitesFisicos.h"

#include <array>
#include <cstdint>

namespace dravek {

// The adviser's nine inputs, numbered as its input boxes are.
enum ElementoAgresividad : int {
    ElementoPH = 0,
    ElementoCO2 = 1,              // mg/l
    ElementoNH4 = 2,              // mg/l
    ElementoMg = 3,               // mg/l
    ElementoSulfatosExterior = 4, // mg/l, outer water
    ElementoSulfatosTerreno = 5,  // mg/kg, soil
    ElementoResistividad = 6,     // ohm x m, soil
    ElementoCorriente = 7,        // mV, stray current
    ElementoSulfatosInterior = 8, // mg/l, inner water
};
inline constexpr int NumeroEntradasAgresividad = 9;

using ValoresAgresion = std::array<double, NumeroEntradasAgresividad>;

// The quantity of an input, whose physical bounds its box keeps.
Magnitud MagnitudAgresividad(int elemento);

enum class ClaseCemento : std::int16_t { Normal, SR };

struct MedidasAgresividad {
    int GradoAguas = 0;             // 0 none, 1 weak, 2 medium, 3 strong
    int GradoAgresividad = 0;       // outer-water sulphates, 0 none .. 4
    double DosificacionCemento = 0; // kg/m3; 0 none recommended, else 350 or 400
    double RelacionAguaCemento = 0; // 0.50 with 350 kg/m3, 0.45 with 400 kg/m3
    ClaseCemento TipoCemento = ClaseCemento::Normal;
    bool NecesidadesAdicionales = false;
};

// Grades of one property of the water, 0 to 3. A bound belongs to the band it is written in:
// pH 4.5..6.5 weak, 4.0..<4.5 medium, <4.0 strong; CO2 15..60 weak, >60..100 medium, >100
// strong; NH4+ 15..30, >30..60, >60; Mg2+ 300..1500, >1500..3000, >3000.
// A pH of 0 or less is a pH not given (an empty box), not an acid water.
int GradoPH(double pH);
int GradoCO2(double co2);
int GradoNH4(double nh4);
int GradoMg(double mg);

// The grade of the waters: the highest of the four.
int GradoAguas(const ValoresAgresion &valores);

// The measures for the nine values and the wet-and-dry-cycles box (Check1).
MedidasAgresividad CalculaMedidas(const ValoresAgresion &valores, bool Check1);

} // namespace dravek
