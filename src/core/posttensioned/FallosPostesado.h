#pragma once

// Where the post-tensioned design sends its failures: the listing writer of the design records
// the text as the case's failure and, outside the search pass, writes it to the listing.

#include <cstdint>
#include <string>

namespace dravek {

class EscritorFallosPostesado {
public:
    virtual ~EscritorFallosPostesado() = default;
    // texto already in the interface language; hipotesis 0 before the hypotheses; pasada 0
    // before the passes (always written), 1 search (only recorded), 2 listing.
    virtual void EscribeErrorPostesado(const std::string &texto, std::int32_t numeroCaso,
                                       std::int16_t hipotesis, std::int16_t pasada) = 0;
};

} // namespace dravek
