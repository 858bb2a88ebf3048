#pragma once

// The physical bounds of the quantities a run is calculated from, applied where the engineer
// types them: a box whose quantity has a row in the bounds table the calculation's own check
// uses refuses a number outside it as it is left, instead of storing it for the calculation
// to refuse later (or for another box's check to keep refusing every leave).

#include "core/model/LimitesFisicos.h"

#include <optional>
#include <string>
#include <string_view>

namespace dravek {

class CapturaDatos;

// The quantity of a numeric box of the data-entry window; none for a box without bounds.
std::optional<Magnitud> MagnitudCaja(std::string_view caja);

// A bound in a message, written as the box writes its values, through the box's mask: a
// reader takes "100.000" beside a box of whole millimetres for a hundred thousand. A bound
// finer than the mask shows (0.001 MPa in a box of hundredths) keeps the decimals it needs.
std::string CotaComoLaCaja(const CapturaDatos &ventana, double cota, std::string_view mascara);

// After a box's text was read into variable (in the unit system shown): a value outside the
// bounds of the box's quantity shows "Valor incorrecto" with the bound it passed, titled with
// the caption; the variable takes its previous value back and the box shows it (empty for 0),
// so that what the box shows is what is stored. A 0 is left to the box's own minimum. True
// when the value is within the bounds or the box has none.
bool CompruebaLimitesCaja(CapturaDatos &ventana, std::string_view caja, double &variable,
                          double anterior, const std::string &caption);

} // namespace dravek
