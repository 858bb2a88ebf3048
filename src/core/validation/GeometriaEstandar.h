#pragma once

// The standard geometry of commercial pipes: whether a diameter is commercial for a typology,
// its recommended thickness and covers, and the comparison of a run's section with them.

#include "core/model/EstadoObra.h"
#include "core/plataforma/Mensajes.h"

#include <cstdint>

namespace dravek {

enum class ModoGeometria : int {
    Comercial = 0,             // only whether the diameter is commercial for the typology
    Espesor = 1,               // writes the recommended thickness
    RecubrimientoInterior = 2, // writes the recommended inner cover
    RecubrimientoExterior = 3, // writes the recommended outer cover
    Compara = 5,               // compares the given section and asks when it differs
};

enum class ResultadoGeometria : int {
    Encontrado = 0, // found; comparing: matches, within tolerance, or kept by the engineer
    NoEsFila = 1,   // the diameter is not a row of the table (nor any diameter at all)
    SinDatos = 2,   // the row has no data for the typology
    Cambiar = 3,    // comparing: the engineer chose to change the values
};

// First column of the typology's group in the table (2, 5, 8, 11, 14); 0 for a code that has
// none.
int ColumnaGrupo(std::int16_t Tipologia);

// Looks the diameter (m) up in the standard-geometry table. Writes only the argument its mode
// names (cm), and only when it finds it. The comparison asks through the messages unless
// OmitePreguntaGeometria is set. A typology without a group counts as having no data.
ResultadoGeometria BuscaGeometriaRecomendada(const TablasPredeterminadas &tablas,
                                             const EstadoEjecucion &ejecucion, Mensajes &mensajes,
                                             double &ESP, double &RECI, double &RECE,
                                             std::int16_t Tipologia, double vDi,
                                             ModoGeometria modo);

// The comparison for the current run, when its diameter is commercial and its section given.
ResultadoGeometria CompruebaGeometria(EstadoObra &estado, Mensajes &mensajes);

} // namespace dravek
