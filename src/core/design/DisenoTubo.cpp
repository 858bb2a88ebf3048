#include "core/design/DisenoTubo.h"

#include "core/posttensioned/CalculaPostesado.h"
#include "core/posttensioned/ListadoPostesado.h"
#include "core/reinforced/CalculaArmado.h"

namespace dravek {

ErrorCalculo DisenoTubo::CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso)
{
    return dravek::CalculaArmado(contexto, numeroCaso, m_registros);
}

ErrorCalculo DisenoTubo::CalculaPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                                          std::int16_t FijaPresionPrimario,
                                          double CoefPresionPrimario)
{
    return dravek::CalculaPostesado(contexto, numeroCaso, FijaPresionPrimario,
                                    CoefPresionPrimario);
}

void DisenoTubo::ListaCaracteristicasPostesado(ContextoCalculo &contexto)
{
    dravek::ListaCaracteristicasPostesado(contexto);
}

} // namespace dravek
