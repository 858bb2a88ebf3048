#pragma once

#include "core/plataforma/TrabajoImpresion.h"

namespace dravek::pruebas {

// A print job that counts the documents begun and dropped; acepta false is the engineer
// cancelling the choice of a file.
class TrabajoFalso final : public TrabajoImpresion {
public:
    bool Empieza() override
    {
        ++empezados;
        return acepta;
    }
    void Aborta() override { ++abortados; }
    bool acepta = true;
    int empezados = 0;
    int abortados = 0;
};

} // namespace dravek::pruebas
