#pragma once

// The layout of the data-entry window per installation and per cylinder kind, written once:
// the window's own option handlers and the putting of a stored run on the window both lay the
// window out through these.

#include <cstdint>

namespace dravek {

class CapturaDatos;
class Control;
class Etiqueta;

// A box that applies to the run (shown, window colour) or not (hidden, grey), with its caption.
void MuestraCaja(Control &caja, Etiqueta &etiqueta, bool visible);

// Where the caption of the distance to the natural ground comes from. The option handler
// builds it from the text table in the interface language; a stored run put on the window
// shows it in Spanish in every language, as the program always has.
enum class RotuloDistancia { Texto, Literal };

// The boxes of installation k (0 trench, 1 trench under an embankment, 2 embankment): the
// trench width and the compaction for a trench, with or without embankment; the fill soil for a
// plain trench; the distance to the natural ground (hr'' under an embankment, hr' beside one)
// otherwise, with its caption. Only visibility, colours and that caption: what a hidden box
// held is the caller's.
void DisponColocacion(CapturaDatos &ventana, int k, RotuloDistancia rotulo);

// The picture of installation k with cradle cuna (1 granular, 2 concrete): a text number, 0 for
// another cradle or no installation.
std::int32_t FiguraColocacion(std::int16_t cuna, int k);

// The picture of the cylinder kind: lined or embedded.
std::int32_t FiguraCamisa(bool revestida);

// The layout of a post-tensioned run's cylinder kind: the inner cover only with an embedded
// cylinder (a lined one's follows from the thickness and the outer cover), and the kind's
// picture.
void DisponCamisa(CapturaDatos &ventana, bool revestida);

} // namespace dravek
