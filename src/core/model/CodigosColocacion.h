#pragma once

// The installation and fill-soil codes a run stores. Stored files and the load tables hold
// these numbers, so they never change.

#include <array>
#include <cstdint>

namespace dravek {

// Installation codes (CodigoColocacion): the tens digit the installation, the units digit the
// fill (1 uncompacted, 2 compacted).
constexpr std::int16_t ZanjaSinCompactar = 11;
constexpr std::int16_t ZanjaCompactada = 12;
constexpr std::int16_t ZanjaTerraplenSinCompactar = 21; // trench under an embankment
constexpr std::int16_t ZanjaTerraplenCompactada = 22;
constexpr std::int16_t Terraplen = 31;

// Fill-soil codes of a trench (TipoRelleno), in the order of the list that chooses them.
constexpr std::int16_t RellenoRocasMachacadas = 11; // not cohesive
constexpr std::int16_t RellenoRocasConGravas = 12;  // not cohesive
constexpr std::int16_t RellenoArenaArcillosa = 21;  // cohesive; the default
constexpr std::int16_t RellenoArcillasOrdinarias = 22;
constexpr std::int16_t RellenoArcillasPlasticas = 23;
constexpr std::array<std::int16_t, 5> CodigosRelleno = {
    RellenoRocasMachacadas, RellenoRocasConGravas, RellenoArenaArcillosa,
    RellenoArcillasOrdinarias, RellenoArcillasPlasticas};

// The trench width usual for the pipe, taken while the width follows the diameter: 1.4 outer
// diameters plus 0.68 m.
constexpr double AnchoZanjaAutomatico(double vDE)
{
    return 1.4 * vDE + 0.68;
}

} // namespace dravek
