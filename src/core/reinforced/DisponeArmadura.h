#pragma once

// Layout of the steel of one face of a reinforced-concrete pipe wall as the factory makes it: a
// cylinder sheet in half-millimetre steps, spirals of 8, 10 or 12 mm with a whole number of turns
// per metre, or both. Areas in cm2 per metre of pipe, sheets and bar diameters in mm.

#include "core/engine/ContextoCalculo.h"
#include "core/listing/CamposTexto.h"

#include <cstdint>
#include <string>

namespace dravek {

// Layout modes (the run's IndicadorCamisa for the inner face, spirals only for the outer one);
// any other value lays out a cylinder alone.
inline constexpr std::int16_t SoloEspiras = 0;
inline constexpr std::int16_t CamisaYEspiras = 1;

inline constexpr std::int16_t CaraInterior = 1;
inline constexpr std::int16_t CaraExterior = 2;

// The face's name inside the several-layers warning, entry CaraInterior or CaraExterior.
inline constexpr CampoTextos CampoNombreCara{676, 2, 8};

// Required outer area above which a stored adjustment warns of a second layer: 31 turns of 12 mm,
// the most that fit in one layer.
inline constexpr double ArmaduraMaximaUnaCapa = 35.06; // cm2/m

// What a layout of one face gives.
struct DisposicionArmadura {
    // Turns per metre (NESPIN, NEXPEX). 32-bit: a huge required area must not wrap the count.
    std::int32_t Espiras = 0;
    double Diametro = 0;      // mm, spiral bar (FIIN, FIEX); 0 without spirals
    double Camisa = 0;        // mm, cylinder sheet (CAMISA of the inner face)
    double AreaDispuesta = 0; // cm2/m, cylinder plus spirals; never below the area asked for
    bool VariasCapas = false; // the spirals need more than one layer: the warning applies
};

// Who writes the "more than one layer" warning. A caller that lays a face out again and again
// while it searches asks for Informar and writes the warning once, for the layout it keeps
// (EscribeAvisoVariasCapas), so that the listing does not repeat it at every step.
enum class AvisoCapas : std::int8_t { Escribir, Informar };

// Lays out the required area A (cm2/m) of face cara (CaraInterior, CaraExterior) in the given
// mode, CAMMAX (mm) limiting the sheet of a cylinder with spirals. The arguments keep the order of
// the section design's calls: A, modo, CAMMAX, then the layout (turns, bar, sheet, area
// provided), cara. A layout never finds a wall too thin: that is the section design's to say.
//
// The bar that over-provides least is taken (ties to the larger bar); when its turns do not fit
// in one layer (clear spacing below the bar diameter or below 2 cm) the next larger bar is tried,
// and when even 12 mm does not fit the 12 mm layout stands and the warning applies. With an
// adjustment of the case stored, the bar chosen stands and the warning applies only when the
// stored outer area is above ArmaduraMaximaUnaCapa.
//
// Any area gets a layout; a required area that is not a number, one too large to count its turns
// or a negative CAMMAX in mode CamisaYEspiras is refused with a message in the listing, the layout
// left empty.
[[nodiscard]] ErrorCalculo DisponeArmadura(ContextoCalculo &contexto, double A, std::int16_t modo,
                                           double CAMMAX, DisposicionArmadura &disposicion,
                                           std::int16_t cara,
                                           AvisoCapas aviso = AvisoCapas::Escribir);

// The "more than one layer" warning of face cara: on the screen and the Pantalla listing always,
// on the Normal listing only in the final pass of the design, never on the Tabular listing.
void EscribeAvisoVariasCapas(ContextoCalculo &contexto, std::int16_t cara);

// A fault that stops the reinforced-concrete design: the message goes to the screen and to the
// Normal and Pantalla listings (a printed Tabular table is left whole: the command shows the
// message) and comes back for the caller to return.
[[nodiscard]] ErrorCalculo FalloArmado(ContextoCalculo &contexto, const std::string &mensaje);

// FalloArmado for a value of the run the design cannot work with, as the data checks word it:
// the caption rotulo, ": " and "Valor incorrecto".
[[nodiscard]] ErrorCalculo FalloValorIncorrecto(ContextoCalculo &contexto, std::int32_t rotulo);

} // namespace dravek
