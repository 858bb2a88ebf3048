#pragma once

// The one pattern every box of the data-entry window follows, written once over the rows of the
// box table: the entry handler puts the default into an empty box, the leave handler checks the
// number, stores it and shows it again through the box's mask, a code list stores the code of
// the chosen entry, and choosing an entry with the mouse runs the list's own leave check. Each
// box's handlers call these with the box's minimum and caption. Numbers are read as strictly as
// the key filter lets them be typed, so a pasted sign or exponent is not a number.

#include <cstdint>

namespace dravek {

class CapturaDatos;
class Lista;
struct CampoCodigo;
struct CampoNumerico;

// Empty box: its variable takes the default (over FactorTensiones in SI) and the box shows it.
void EntraCampoNumerico(CapturaDatos &ventana, const CampoNumerico &campo);

// The leave check of a numeric box. A refused text sets Cancel and, for a box with a default,
// puts the default back into the variable; either way the box then shows its variable.
// True when accepted.
bool SaleCampoNumerico(CapturaDatos &ventana, const CampoNumerico &campo, double minimo,
                       std::int32_t textoCaption, bool &Cancel);

// Empty list: the default entry and its code.
void EntraCampoCodigo(CapturaDatos &ventana, const CampoCodigo &campo);

// The leave check of a code list: an empty text or one that is not an entry is refused with its
// message and the default entry put back; an accepted entry stores its code, and a new code
// marks the run as changed and voids its stored overrides. True when accepted.
bool SaleCampoCodigo(CapturaDatos &ventana, const CampoCodigo &campo, std::int32_t textoCaption,
                     bool &Cancel);

// An entry chosen with the mouse: the list's own leave check at once, its refusal ignored;
// nothing while a run is being loaded.
void EligeEnLista(CapturaDatos &ventana, Lista &lista);

} // namespace dravek
