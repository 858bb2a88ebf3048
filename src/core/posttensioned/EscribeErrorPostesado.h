#pragma once

// The listing writer of the post-tensioned failures: every failure of a case becomes the case's
// MensajeFallo and, outside the search pass, a line of the listing where it happened.

#include "core/engine/ContextoCalculo.h"
#include "core/posttensioned/FallosPostesado.h"

#include <cstdint>
#include <string>

namespace dravek {

class EscritorFallosListado final : public EscritorFallosPostesado {
public:
    // The context must outlive the writer.
    explicit EscritorFallosListado(ContextoCalculo &contexto) : m_contexto(contexto) {}

    // Always records the text in MensajeFallo. Pass 1 writes nothing more. Otherwise: the
    // screen gets "  ** text **"; the Normal listing a new page with the short page header, the
    // case's pressure and wire lines (and the hypothesis line when hipotesis > 0) and the text
    // in bold at 12 points; the Pantalla listing "** text **" in bold after a blank line; the
    // Tabular listing nothing (its row shows MensajeFallo).
    void EscribeErrorPostesado(const std::string &texto, std::int32_t numeroCaso,
                               std::int16_t hipotesis, std::int16_t pasada) override;

private:
    ContextoCalculo &m_contexto;
};

} // namespace dravek
