#include "core/reinforced/SeccionArmado.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "core/reinforced/DisponeArmadura.h"
#include "core/reinforced/ListadoAvisos.h"

namespace dravek {

namespace {

bool Positivo(double valor)
{
    return std::isfinite(valor) && valor > 0;
}

} // namespace

void AvisoSeccion(ContextoCalculo &contexto, const std::string &texto)
{
    ListaAvisoCaso(contexto, texto, PasadaNormal::Definitiva);
}

ErrorCalculo CompruebaFyd(ContextoCalculo &contexto)
{
    if (!Positivo(contexto.estado.tramo.Fyd)) {
        return FalloValorIncorrecto(contexto, 294); // "Resistencia de cálculo del acero"
    }
    return {};
}

ErrorCalculo CompruebaMaterialesSeccion(ContextoCalculo &contexto)
{
    const DatosTramo &tramo = contexto.estado.tramo;
    if (!Positivo(tramo.FCK)) {
        return FalloValorIncorrecto(contexto, 291); // "Resist. del hormigón a compresión"
    }
    if (!Positivo(tramo.Fyk)) {
        return FalloValorIncorrecto(contexto, 293); // "Resistencia característica del acero"
    }
    if (ErrorCalculo error = CompruebaFyd(contexto)) {
        return error;
    }
    if (!Positivo(tramo.GamaB)) {
        return FalloValorIncorrecto(contexto,
                                    997); // "Gamab: Coeficiente de Minoración del hormigón"
    }
    if (!Positivo(tramo.GamaF)) {
        return FalloValorIncorrecto(contexto, 999); // "Gamaf: Coeficiente de Mayoración de Cargas"
    }
    return {};
}

} // namespace dravek
