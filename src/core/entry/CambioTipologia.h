#pragma once

// The switch of the current run between reinforced concrete and post-tensioned concrete, the
// warning on the steel's design strength, and the words of the window's caption and of the
// project file that follow from the window's options.

#include <string>

namespace dravek {

class CapturaDatos;

// Applies the typology of the tab TabTipologia shows. bandera is non-zero when the engineer
// clicked the tab strip (the focus then goes back to it), 0 when the full clearing calls.
// Where data would be lost it asks first; a No puts the tab strip back and changes nothing
// else.
void CambiaTipologia(CapturaDatos &ventana, int bandera);

// 1 when Fyd is above 1400 kp/cm2 (140 MPa) and the engineer declined to go on, else 0. With
// MoverFoco a decline sends the focus to edFyd; without it (a stored run checked for a print)
// the focus is left alone.
int CompruebaTensionAcero(CapturaDatos &ventana, bool MoverFoco = true);

// ". " and the name of the unit system the window's option shows.
std::string TextoSistemaUnidades(const CapturaDatos &ventana);

// "Si" when the water hammer was calculated, else "No"; the same in every language.
std::string TextoGolpeAriete(const CapturaDatos &ventana);

// The stress unit of the unit system shown, for a message: " MPa" or " Kp/cm2" for kind 1; the
// empty text for any other kind.
std::string EtiquetaUnidad(const CapturaDatos &ventana, int tipo);

} // namespace dravek
