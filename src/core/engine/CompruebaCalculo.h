#pragma once

// What the case loop refuses before its first case: a run it cannot calculate (a value that is
// not a number, out of its physical bounds or outside its list of codes), a fill-height range
// that would calculate nothing, a step too fine to end, and a run of more cases than can be
// calculated in reasonable time. The run validation keeps such data from the engineer; this
// holds for whatever the state carries (a damaged project file, another caller).

#include "core/engine/ContextoCalculo.h"
#include "core/engine/mdMarston.h"

#include <cstdint>
#include <string>

namespace dravek {

// Heights times DPs of one calculation, at most.
inline constexpr std::int64_t MaximoCasosCalculo = 100000;

// The cases of the run's whole height and pressure ranges, heights times DPs; for a run that
// CompruebaDatosCalculo has let through, with RangoAlturas and PreparaLeyMDP run.
std::int64_t CuentaCasos(const EstadoObra &estado);

// The fill height after H (m) of a range ending at alturaFinal with the step paso, into
// siguiente: false after the last one. The final height is the last one; a next height within
// 0.01 m of it becomes it; a step that is not a positive number, or too small to move H, ends
// the range.
[[nodiscard]] bool AlturaSiguiente(double H, double alturaFinal, double paso, double &siguiente);

// The DP after presion (at) of a height's cases up to the final DP limite with the DP step
// paso: false when the height has no more cases. siguiente is the DP the loop keeps: moved by
// the step whenever the step moves it, even past the last case. A DP up to 0.2 at above limite
// is calculated unchanged; one that passes it by less than its step less 0.1 at is brought back
// to limite. A step that is not a positive number is one DP per height.
[[nodiscard]] bool PresionSiguiente(double presion, double limite, double paso, double &siguiente);

// A value of a message: three decimals with the user's separator; a value too small or too
// large for them in exponent form; a value that is not finite by name, never as digits.
std::string ValorEnMensaje(const EstadoEjecucion &ejecucion, double valor);

// "ERROR: <caption of the faulty entry field>: <value>" of a load of fill height H (m) that
// the Marston theory cannot compute.
std::string MensajeErrorCargasCaso(const EstadoObra &estado, ErrorMarston error, double H);

// Checks, before the first case, every value the case loop and the designs read, in the order
// the run validation reads them; the first failure gives "ERROR: <field caption>: <value>".
// Expects the run's geometry as entered (ESP, RECI, RECE in cm, Delca in mm), the rest in
// calculation units, and RangoAlturas and PreparaLeyMDP run. altura (m) and dp (at) are the
// loop's arguments: both at or below -0.5 for the whole ranges, else the one case.
ErrorCalculo CompruebaDatosCalculo(const EstadoObra &estado, double altura, double dp);

} // namespace dravek
