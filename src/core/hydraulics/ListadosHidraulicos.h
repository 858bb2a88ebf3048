#pragma once

// The listings of the six hydraulic calculations: fixed-width lines of the fifteen diameters in
// the calculator's result box and, when asked, the same results on the printer in a portrait
// layout of their own (no page header or number; the part-full section on a second page).

#include "core/hydraulics/FormulasHidraulicas.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"

#include <string>

namespace dravek {

// Where a hydraulic listing goes. The state gives the language and the user's decimal
// separator, and Imprimiendo, which a printed listing sets and leaves set (every other listing
// sets it before it prints).
struct SalidaHidraulica {
    EstadoObra &estado;
    SalidaListado &listado;    // its printer
    std::string &edPantallaCh; // the text of the window's result box
};

// Appends n line feeds, the text and m line feeds to the result box.
void SumaTextoCh(std::string &edPantallaCh, int n, const std::string &texto, int m);

// Each listing empties the result box and writes its lines there; with PorImpresora it prints
// them too and returns what the printer reported at the end of the document (SinErrorImpresora
// when all went to paper, or when nothing was printed). The datum and the roughness (mm) are
// the values the calculation used; the Hazen-Williams listings read the coefficient from
// datos.Rugosidad.
int Sub3000(SalidaHidraulica &salida, const DatosHidraulicos &datos, double pendiente,
            double rugosidad, bool PorImpresora);
int Sub3000_P(SalidaHidraulica &salida, const DatosHidraulicos &datos, double caudal,
              double rugosidad, bool PorImpresora);
int Sub3500(SalidaHidraulica &salida, const DatosHidraulicos &datos, double pendiente,
            double rugosidad, bool PorImpresora);
int Sub3500_P(SalidaHidraulica &salida, const DatosHidraulicos &datos, double caudal,
              double rugosidad, bool PorImpresora);
int Sub3000_Hazen(SalidaHidraulica &salida, const DatosHidraulicos &datos, double pendiente,
                  bool PorImpresora);
int Sub3000_Hazen_P(SalidaHidraulica &salida, const DatosHidraulicos &datos, double caudal,
                    bool PorImpresora);

} // namespace dravek
