#pragma once

// The adviser's report: a heading, the factors given, and the protective measures, written
// into the window's result box and, when asked, printed line for line.

#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Mensajes.h"
#include "core/protection/Agresividad.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace dravek {

// The captions the report prints, as the adviser window shows them.
struct EtiquetasAgresividad {
    std::array<std::string, NumeroEntradasAgresividad> lbAguas{};         // input names
    std::array<std::string, NumeroEntradasAgresividad> lbUnidadesAgres{}; // their units
    std::string Frame2;                                                   // waters
    std::string Frame3;                                                   // soils
    std::string Frame4; // soils of low resistivity
    std::string Frame5; // stray currents
    std::string Check1; // wet and dry cycles
};

// Characters an input's name (lbAguas) is padded to in a factor line of the report, so that
// the values stand in one column.
inline constexpr std::size_t AnchoNombreFactor = 40;

// The captions in the language whose offset is given; the chemical names and the units other
// than the resistivity's are the same in every language.
EtiquetasAgresividad EtiquetasAgresividadIdioma(std::int32_t DesplazamientoIdioma);

// Appends antes line feeds, the text and despues line feeds to the result box's text.
void EscribeLineaAgres(std::string &edResultadoAgres, int antes, const std::string &texto,
                       int despues);

// Where a long measure text is split on paper: -1 when it has at most 65 characters, else the
// last blank among its first 65 characters (from 1), or 65 when there is none.
int BuscaBlanco(const std::string &texto);

// Writes the report of the values into edResultadoAgres (emptied first) and, when
// PorImpresora, prints it on the sink's printer. The result is SinErrorImpresora, or the
// printer's failure number when the document could not be printed whole.
int EscribeInformeAgresividad(EstadoObra &estado, SalidaListado &salida,
                              const EtiquetasAgresividad &etiquetas,
                              const ValoresAgresion &valores, bool Check1, bool PorImpresora,
                              std::string &edResultadoAgres);

// What the adviser's input boxes hold when a report is asked for.
struct EntradasAgresividad {
    std::array<std::string, NumeroEntradasAgresividad> txpH{};
    bool Check1 = false;
};

enum class ResultadoAgresividad {
    Escrito,           // on screen, and printed when asked
    EntradaIncorrecta, // a box is not a number or is negative: nothing written
    FalloImpresora,    // on screen, but the printed document failed
};

struct InformeAgresividad {
    ResultadoAgresividad resultado = ResultadoAgresividad::Escrito;
    int elementoIncorrecto = -1; // the first box refused
};

// The report from the boxes themselves. A box that is empty is 0; a box that is not a number
// or is negative refuses the whole report with the box check's own message, titled with the
// input's name, and leaves the result box as it was. A failed print is told to the engineer;
// the report stays on screen.
InformeAgresividad CalculaAgresividad(EstadoObra &estado, SalidaListado &salida,
                                      Mensajes &mensajes, const EtiquetasAgresividad &etiquetas,
                                      const EntradasAgresividad &entradas, bool PorImpresora,
                                      std::string &edResultadoAgres);

} // namespace dravek
