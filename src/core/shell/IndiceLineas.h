#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace dravek {

// Where each line of a long text starts, so that a view can draw the few lines on screen
// without laying out the whole text first: the listing of a large run is tens of megabytes.
// The lines are those a text box shows: split at every "\n", so that a text of n line ends has
// n + 1 lines and the empty text one empty line.
class IndiceLineas {
public:
    // Indexes texto. sigue is asked after every stretch of some megabyte and once at the end
    // (null: never); when it says no the index is left empty and false is returned.
    bool Indexa(std::string_view texto, const std::function<bool()> &sigue);
    void Vacia();

    // Whether this is the index of texto: made from the same characters, left unchanged since.
    bool De(std::string_view texto) const
    {
        return !m_inicios.empty() && texto.data() == m_datos && texto.size() == m_tamano;
    }
    std::size_t Lineas() const { return m_inicios.size(); }
    // Line i of the text indexed, without its "\n".
    std::string_view Linea(std::string_view texto, std::size_t i) const;
    // Bytes of the longest line.
    std::size_t MasLarga() const { return m_masLarga; }

private:
    std::vector<std::size_t> m_inicios;
    const char *m_datos = nullptr;
    std::size_t m_tamano = 0;
    std::size_t m_masLarga = 0;
};

} // namespace dravek
