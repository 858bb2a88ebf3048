#include "core/listing/EscrituraTexto.h"

namespace dravek {

void EscrituraTexto::Crece(std::size_t n)
{
    const auto escrito = static_cast<std::size_t>(m_p - m_destino.data());
    m_destino.resize(escrito + n + m_holgura);
    m_p = m_destino.data() + escrito;
    m_fin = m_destino.data() + m_destino.size();
}

} // namespace dravek
