#pragma once

#include <cstdint>

namespace dravek {

// The desktop's own texts (the buttons of the message boxes, the file dialogs, the menus of
// the text boxes) in the interface language.
class TextosPlataforma {
public:
    virtual ~TextosPlataforma() = default;
    // Idioma as the text table numbers the languages: 1 Spanish, 2 English, 3 Catalan,
    // 4 Portuguese, 5 French.
    virtual void PonIdioma(std::int16_t Idioma) = 0;
};

} // namespace dravek
