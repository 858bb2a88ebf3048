#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace dravek {

// A text of the table as a lookup returns it, without a copy: a view of the compiled-in text,
// which lives as long as the program, or, for a missing entry, its marker "Falta Recurso n",
// held inside the object. It reads as a std::string_view, joins std::strings with +, and turns
// into a std::string where one is asked for. Kept as a std::string_view it must not outlive the
// statement: the marker of a missing text would go with it.
class TextoTabla : public std::string_view {
public:
    constexpr explicit TextoTabla(std::string_view texto) : std::string_view(texto) {}

    // The marker of an entry the table does not hold.
    static TextoTabla Falta(std::int32_t id);

    TextoTabla(const TextoTabla &otro) noexcept
        : std::string_view(otro), m_marca(otro.m_marca), m_propio(otro.m_propio)
    {
        Reapunta();
    }
    TextoTabla &operator=(const TextoTabla &otro) noexcept
    {
        std::string_view::operator=(otro);
        m_marca = otro.m_marca;
        m_propio = otro.m_propio;
        Reapunta();
        return *this;
    }
    ~TextoTabla() = default;

    operator std::string() const { return std::string(data(), size()); }

private:
    TextoTabla() = default;
    void Reapunta()
    {
        if (m_propio) {
            std::string_view::operator=(std::string_view(m_marca.data(), size()));
        }
    }

    // "Falta Recurso " and an entry number of at most 11 characters.
    std::array<char, 28> m_marca{};
    bool m_propio = false;
};

std::string operator+(const std::string &a, const TextoTabla &b);
std::string operator+(std::string &&a, const TextoTabla &b);
std::string operator+(const TextoTabla &a, const std::string &b);
std::string operator+(const TextoTabla &a, std::string &&b);
std::string operator+(const TextoTabla &a, const TextoTabla &b);
std::string operator+(const TextoTabla &a, const char *b);
std::string operator+(const char *a, const TextoTabla &b);
std::string operator+(const TextoTabla &a, char b);
std::string operator+(char a, const TextoTabla &b);

// Text id of the compiled-in five-language table: entry (L - 1) * 5000 + n holds text n of
// language L. A missing entry (or an empty cell) yields "Falta Recurso " and the id.
TextoTabla TextoRecurso(std::int32_t id);

// Number of languages the table holds, counted from entry 101 up to the first gap.
int CuentaIdiomas();

// Text n in the language whose offset is given: the usual way callers read the table.
inline TextoTabla Texto(std::int32_t DesplazamientoIdioma, std::int32_t n)
{
    return TextoRecurso(DesplazamientoIdioma + n);
}

} // namespace dravek
