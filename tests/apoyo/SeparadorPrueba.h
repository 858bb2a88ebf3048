#pragma once

// The user's decimal separator as start-up puts it into the run-time state: the separator of
// the locale, and the other one, which input also accepts.

#include "core/model/EstadoObra.h"

#include <string>

namespace dravek::pruebas {

inline void PonSeparador(EstadoEjecucion &e, char separador)
{
    // Built from a character: GCC 12 warns falsely (-Wrestrict) on a short literal here.
    e.SeparadorDecimalLocal = std::string(1, separador);
    e.CodigoSeparadorLocal = separador;
    e.CodigoOtroSeparador = separador == ',' ? '.' : ',';
}

// The run-time state of a user whose decimal separator is the comma, or the point.
inline EstadoEjecucion EjecucionCon(char separador)
{
    EstadoEjecucion e;
    PonSeparador(e, separador);
    return e;
}

inline EstadoEjecucion Coma()
{
    return EjecucionCon(',');
}

inline EstadoEjecucion Punto()
{
    return EjecucionCon('.');
}

} // namespace dravek::pruebas
