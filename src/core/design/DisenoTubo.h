#pragma once

#include "core/engine/ContextoCalculo.h"

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
};

} // namespace dravek
