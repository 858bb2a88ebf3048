#pragma once

// The lines that the reinforced-concrete design of a case writes while it designs: a full
// report per case on the Normal printed listing, warnings, a strength line and the result
// lines on the screen and the Pantalla listing, one table row per case on the Tabular listing.
// Each call writes only to the listing kinds its block belongs to; the design calls them in
// the order of its steps. Areas in cm2/m, pressures in at, forces in t.m/m and t/m, wall and
// covers in m: the calculation units.

#include "core/engine/ContextoCalculo.h"
#include "core/engine/HipotesisArmado.h"
#include "core/listing/CamposTexto.h"
#include "core/reinforced/AjustesGuardados.h"
#include "core/reinforced/ListadoAvisos.h"

#include <array>
#include <cstdint>
#include <string>

namespace dravek {

// The hypothesis names of the design listing, and the labels of its result lines before the
// value: inner and outer face on the Normal listing, the same on the screen and the Pantalla
// listing, and the total.
inline constexpr CampoTextos CampoHipotesisArmado{541, 5, 26};
inline constexpr CampoTextos CampoRotuloNormal{568, 2, 23};
inline constexpr CampoTextos CampoRotuloPantalla{572, 2, 23};
inline constexpr CampoTextos CampoRotuloTotal{576, 1, 23};
inline constexpr std::array CamposListadoArmado{CampoHipotesisArmado, CampoRotuloNormal,
                                                CampoRotuloPantalla, CampoRotuloTotal};

// Name of hypothesis h (1..5) in the design listing, at the width of its field.
std::string NombreHipotesisArmado(std::int32_t DesplazamientoIdioma, std::int16_t h);

// The final values of a case that its result lines show.
struct ResultadoArmado {
    double ArmaduraInterior = 0; // cm2/m, the stored interior when an override is used
    double ArmaduraExterior = 0; // cm2/m
    double ArmaduraTotal = 0;    // cm2/m
    bool hayAjuste = false;      // a stored override of the case is used
    AjusteGuardado ajuste;       // its areas
};

// Normal listing: a new page with its page header, the materials, the wall and the covers.
void ListaCabeceraArmado(ContextoCalculo &contexto, std::int32_t numeroCaso);

// Normal listing: the pressures of the hypotheses and the moment and axial force of each
// hypothesis at crown, haunch and invert.
void ListaEsfuerzosArmado(ContextoCalculo &contexto, const TablaHipotesis &MomentosPorHipotesis,
                          const TablaHipotesis &AxilesPorHipotesis);

// Normal listing: the heading of the totals of the hypotheses, a total row per hypothesis
// designed, and the blank line that ends the sweep.
void ListaCabeceraTotales(ContextoCalculo &contexto);
void ListaTotalHipotesis(ContextoCalculo &contexto, std::int16_t NHIPO, double ArmaduraTotal);
void ListaFinBarrido(ContextoCalculo &contexto);

// A section refused by the limit moment. It must never look designed: the line goes wherever
// the listing is read, and on the Normal listing at every call, the sweep included.
void ListaMomentoTope(ContextoCalculo &contexto);

// A steel ratio ASCR above its limit (screen, Pantalla, and Normal as pasada says).
void ListaCuantiaExcesiva(ContextoCalculo &contexto, double ASCR, PasadaNormal pasada);

// Normal listing: the outer face of the pressure hypothesis needs more than one layer.
void ListaVariasCapasExterior(ContextoCalculo &contexto);

// The wall is too thin for the case, which ends without results: a page of its own on the
// Normal listing, a line on the screen and the Pantalla listing; the Tabular table gets no row.
void ListaEspesorInsuficiente(ContextoCalculo &contexto, std::int32_t numeroCaso);

// The results of the case in every listing kind: the Normal result block and cracking check,
// the strength and result lines of the screen and the Pantalla listing, the Tabular row. A case
// with a section refused by the limit moment (EstadoDiseno 4) says so in every kind: on the
// Normal listing in place of the result block, on the screen and the Pantalla listing before
// the result lines, at the end of its Tabular row.
void ListaResultadosArmado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                           const ResultadoArmado &resultado);

} // namespace dravek
