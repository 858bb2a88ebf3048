#pragma once

#include "core/engine/ContextoCalculo.h"
#include "core/reinforced/CalculaArmado.h"

namespace dravek {

// The designs of a case as the program runs them: reinforced concrete or post-tensioned, chosen
// by the run's typology in the case loop.
class DisenoTubo final : public DisenoCaso {
public:
    ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso) override;
    ErrorCalculo CalculaPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                                  std::int16_t FijaPresionPrimario,
                                  double CoefPresionPrimario) override;
    void ListaCaracteristicasPostesado(ContextoCalculo &contexto) override;

private:
    // Kept from one reinforced-concrete case to the next: their memory is asked for once, and
    // a case replays what the same pressure at the height before solved.
    RegistrosTraccionTramo m_registros;
};

} // namespace dravek
