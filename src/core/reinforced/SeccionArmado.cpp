#include "core/reinforced/SeccionArmado.h"

#include "core/model/TextosComunes.h"
#include "core/reinforced/DisponeArmadura.h"
#include "core/reinforced/ListadoAvisos.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace dravek {

namespace {

constexpr std::int32_t TextoGamaB = 997;

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
        return FalloValorIncorrecto(contexto, TextoResistenciaCalculoAcero);
    }
    return {};
}

ErrorCalculo CompruebaMaterialesSeccion(ContextoCalculo &contexto)
{
    const DatosTramo &tramo = contexto.estado.tramo;
    if (!Positivo(tramo.FCK)) {
        return FalloValorIncorrecto(contexto, TextoResistenciaHormigon);
    }
    if (!Positivo(tramo.Fyk)) {
        return FalloValorIncorrecto(contexto, TextoResistenciaAcero);
    }
    if (ErrorCalculo error = CompruebaFyd(contexto)) {
        return error;
    }
    if (!Positivo(tramo.GamaB)) {
        return FalloValorIncorrecto(contexto, TextoGamaB);
    }
    if (!Positivo(tramo.GamaF)) {
        return FalloValorIncorrecto(contexto, TextoGamaF);
    }
    return {};
}

} // namespace dravek
