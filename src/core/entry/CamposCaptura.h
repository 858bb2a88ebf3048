#pragma once

// The one table of the data-entry window's numeric boxes: box, project-wide variable, unit, SI
// copy, default, clearing level and display mask; and the table of its code lists. Clearing,
// defaults, SI copies and the field handlers are written over these rows instead of box by
// box.

#include "core/model/EstadoObra.h"
#include "core/plataforma/Controles.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace dravek {

class CapturaDatos;

enum class UnidadCampo {
    Ninguna,    // ratios, coefficients
    Metro,      // m
    Centimetro, // cm
    Milimetro,  // mm
    Presion,    // at (kp/cm2) / MPa
    Tension,    // kp/cm2 / MPa
    Carga,      // t/m2 / MPa
    Densidad,   // t/m3
    Grado,      // degrees
    Porcentaje, // %
    AreaMetro,  // cm2/m
};

// MKS value over SI value of a quantity in that unit: FactorTensiones for pressures, strengths
// and moduli, FactorCargas for the total vertical load, 1 for the rest.
double FactorUnidad(UnidadCampo unidad);

// Which clearing of the run empties a box (and zeroes its variable).
enum class NivelLimpieza {
    Obra,       // a project field: no run clearing touches it
    Completa,   // the full clearing only (level 0)
    Materiales, // every level
    Ninguna,    // none (the cylinder steel strength, which the defaults set)
};

// A variable of the project or of the current run.
struct VariableCampo {
    double DatosObra::*obra = nullptr;
    double DatosTramo::*tramo = nullptr;

    double &de(EstadoObra &estado) const
    {
        return obra != nullptr ? estado.obra.*obra : estado.tramo.*tramo;
    }
};

struct CampoNumerico {
    std::string_view caja;
    VariableCampo variable;
    UnidadCampo unidad;
    double ValoresSI::*copiaSI; // null: no SI copy
    // What the defaults (or a new project) put, in MKS; SI is this over the unit's factor.
    std::optional<double> defecto;
    NivelLimpieza limpieza;
    std::string_view mascaraMKS;
    std::string_view mascaraSI;

    bool dependeUnidades() const { return FactorUnidad(unidad) != 1.0; }
    std::string_view mascara(bool enSI) const { return enSI ? mascaraSI : mascaraMKS; }
    // The default in the unit system shown.
    double defectoEn(bool enSI) const;
    ControlTexto &control(CapturaDatos &ventana) const;
};

// Every numeric box of the window, project fields first, in the window's order.
std::span<const CampoNumerico> CamposNumericos();
// The row of a box; null when the box has none.
const CampoNumerico *BuscaCampo(std::string_view caja);

// The concrete's tensile strength from its compressive strength, in the unit system shown:
// 0.45 x fck^(2/3) with fck in kp/cm2, which is what the calculation uses; in SI the MKS value
// over FactorTensiones (2.2 MPa for 35 MPa), not the rule applied to MPa.
double FctDeFck(double FCK, bool enSI);

// The live load a new run starts with: the 13-tonne axle, entry 2 of its list, whose code is
// its position.
constexpr std::int16_t EntradaCargaMovilInicial = 2;

// A list whose variable holds a code derived from the position of the chosen entry.
struct CampoCodigo {
    std::string_view lista;
    std::int16_t DatosTramo::*variable;
    std::int32_t primerTexto; // text number of entry 0; the others follow
    int entradas;
    // The code of each position. For the laying list these are the trench codes; a trench
    // under an embankment counts from 20 instead of 10.
    std::array<std::int16_t, 5> codigos;
    int posicionDefecto; // the entry a new run shows; -1 when it shows none

    Lista &control(CapturaDatos &ventana) const;
};

// The code lists in the order their entries are filled.
std::span<const CampoCodigo> CamposCodigo();
const CampoCodigo *BuscaCampoCodigo(std::string_view lista);

} // namespace dravek
