#pragma once

// Lines of a listing that only the run and the language decide, kept from one case to the next
// instead of being built again for every case. Each set is kept under the values it was built
// from (its signature): a case whose values differ (another run, language, units system or
// separator) has the set built anew, so a kept line can never show another run's figures.

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace dravek {

// The values a set of lines is built from, as bytes, compared whole. Held in place (a case
// builds one): values beyond its room leave it unusable, and the set is then built every time.
class FirmaTextos {
public:
    template <typename T> FirmaTextos &Con(const T &valor)
    {
        static_assert(std::is_arithmetic_v<T> || std::is_enum_v<T>);
        Anade(&valor, sizeof(T));
        return *this;
    }
    FirmaTextos &Con(std::string_view texto)
    {
        // The length first, so that two texts cannot run into each other.
        Con(texto.size());
        Anade(texto.data(), texto.size());
        return *this;
    }

    // Empty when the values did not fit.
    std::string_view Bytes() const
    {
        return m_cabe ? std::string_view(m_bytes.data(), m_cuantos) : std::string_view();
    }

private:
    void Anade(const void *datos, std::size_t n)
    {
        if (n > m_bytes.size() - m_cuantos) {
            m_cabe = false;
            return;
        }
        std::memcpy(m_bytes.data() + m_cuantos, datos, n);
        m_cuantos += n;
    }

    std::array<char, 192> m_bytes{};
    std::size_t m_cuantos = 0;
    bool m_cabe = true;
};

class TextosFijos {
public:
    // True when the set must be built for firma: it was built from other values, or never.
    // The set then comes back with cuantos empty texts, kept under firma from now on.
    bool Renueva(const FirmaTextos &firma, std::size_t cuantos)
    {
        if (m_hecho && !firma.Bytes().empty() && m_firma == firma.Bytes()) {
            return false;
        }
        m_firma.assign(firma.Bytes());
        m_textos.assign(cuantos, std::string());
        m_hecho = true;
        return true;
    }

    std::string &operator[](std::size_t i) { return m_textos[i]; }
    const std::string &operator[](std::size_t i) const { return m_textos[i]; }

private:
    bool m_hecho = false;
    std::string m_firma;
    std::vector<std::string> m_textos;
};

} // namespace dravek
