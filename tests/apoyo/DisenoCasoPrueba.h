#pragma once

// The base of the tests' designs of a case: they stand in for the designs of each case only, so
// the post-tensioned page of the run data report stays the program's own.

#include "core/engine/ContextoCalculo.h"
#include "core/posttensioned/ListadoPostesado.h"

namespace dravek::pruebas {

class DisenoCasoPrueba : public DisenoCaso {
public:
    void ListaCaracteristicasPostesado(ContextoCalculo &contexto) override
    {
        dravek::ListaCaracteristicasPostesado(contexto);
    }
};

} // namespace dravek::pruebas
