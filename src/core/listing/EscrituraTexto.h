#pragma once

// Text written straight into the end of a string, for a listing that writes many short pieces
// in a row (the case heading's table of forces): room is made once for many pieces instead of
// once for each, and the string is cut to what was written when the writing ends. Nothing else
// may touch the string meanwhile.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace dravek {

class EscrituraTexto {
public:
    // Room for holgura bytes is made at once; more is made whenever a piece asks for it.
    EscrituraTexto(std::string &destino, std::size_t holgura)
        : m_destino(destino), m_holgura(holgura)
    {
        const std::size_t inicio = m_destino.size();
        m_destino.resize(inicio + m_holgura);
        m_p = m_destino.data() + inicio;
        m_fin = m_destino.data() + m_destino.size();
    }
    ~EscrituraTexto() { m_destino.resize(static_cast<std::size_t>(m_p - m_destino.data())); }
    EscrituraTexto(const EscrituraTexto &) = delete;
    EscrituraTexto &operator=(const EscrituraTexto &) = delete;
    EscrituraTexto(EscrituraTexto &&) = delete;
    EscrituraTexto &operator=(EscrituraTexto &&) = delete;

    // Where the next piece goes, with room for n bytes from there on; Avanza then says where
    // the piece ended.
    char *Sitio(std::size_t n)
    {
        if (static_cast<std::size_t>(m_fin - m_p) < n) {
            Crece(n);
        }
        return m_p;
    }
    void Avanza(char *fin) { m_p = fin; }

    // Where the string's written text ends, and what is written from such a place on.
    std::size_t Escrito() const { return static_cast<std::size_t>(m_p - m_destino.data()); }
    std::string_view Desde(std::size_t inicio) const
    {
        return std::string_view(m_destino).substr(inicio, Escrito() - inicio);
    }

    void Anade(std::string_view texto)
    {
        // An empty view may have no bytes at all, which memcpy may not be given.
        if (!texto.empty()) {
            std::memcpy(Sitio(texto.size()), texto.data(), texto.size());
            m_p += texto.size();
        }
    }
    void Anade(char c)
    {
        *Sitio(1) = c;
        ++m_p;
    }

private:
    // Out of line, so that the pieces written every time stay small enough to be inlined.
    void Crece(std::size_t n);

    std::string &m_destino;
    std::size_t m_holgura;
    char *m_p = nullptr;   // the end of what is written
    char *m_fin = nullptr; // the end of the room
};

} // namespace dravek
