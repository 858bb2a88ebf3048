#pragma once

#include "core/model/EstadoObra.h"

#include <string>

namespace dravek::pruebas {

// The run-time state of a user whose decimal separator is the comma, or the point.
inline EstadoEjecucion EjecucionCon(char separador)
{
    EstadoEjecucion e;
    e.SeparadorDecimalLocal = std::string(1, separador);
    e.CodigoSeparadorLocal = separador;
    e.CodigoOtroSeparador = separador == ',' ? '.' : ',';
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
