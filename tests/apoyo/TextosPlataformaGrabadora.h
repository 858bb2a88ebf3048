#pragma once

#include "core/plataforma/TextosPlataforma.h"

#include <cstdint>
#include <vector>

namespace dravek::pruebas {

// The languages the desktop's own texts are put in, in order.
class TextosPlataformaGrabadora final : public TextosPlataforma {
public:
    void PonIdioma(std::int16_t Idioma) override { idiomas.push_back(Idioma); }
    std::vector<std::int16_t> idiomas;
};

} // namespace dravek::pruebas
