#include "core/shell/IndiceLineas.h"

#include <algorithm>
#include <cstring>

namespace dravek {

namespace {

// How much text is indexed between two looks at whether to go on, bytes: some milliseconds.
constexpr std::size_t Tramo = std::size_t{1} << 20;

// The line ends of a stretch of text, found as the index finds them: a search for the next one
// goes through a long line many bytes at a time.
std::size_t FinesDeLinea(const char *p, const char *const fin)
{
    std::size_t fines = 0;
    while (const void *salto = std::memchr(p, '\n', static_cast<std::size_t>(fin - p))) {
        ++fines;
        p = static_cast<const char *>(salto) + 1;
    }
    return fines;
}

} // namespace

bool IndiceLineas::Indexa(std::string_view texto, const std::function<bool()> &sigue)
{
    Vacia();
    // Room for every line at once: grown by doubling, the index of a long listing would be
    // copied a dozen times over fresh memory.
    const char *const base = texto.data();
    m_inicios.reserve(FinesDeLinea(base, base + texto.size()) + 1);
    m_inicios.push_back(0);
    std::size_t desde = 0;
    while (desde < texto.size()) {
        const std::size_t hasta = std::min(texto.size(), desde + Tramo);
        const char *p = base + desde;
        const char *const fin = base + hasta;
        while (const void *salto = std::memchr(p, '\n', static_cast<std::size_t>(fin - p))) {
            const auto inicio =
                static_cast<std::size_t>(static_cast<const char *>(salto) - base) + 1;
            m_masLarga = std::max(m_masLarga, inicio - 1 - m_inicios.back());
            m_inicios.push_back(inicio);
            p = base + inicio;
        }
        desde = hasta;
        if (sigue && desde < texto.size() && !sigue()) {
            Vacia();
            return false;
        }
    }
    m_masLarga = std::max(m_masLarga, texto.size() - m_inicios.back());
    if (sigue && !sigue()) {
        Vacia();
        return false;
    }
    m_datos = base;
    m_tamano = texto.size();
    return true;
}

void IndiceLineas::Vacia()
{
    // The memory stays for the next listing, which is most often as long.
    m_inicios.clear();
    m_datos = nullptr;
    m_tamano = 0;
    m_masLarga = 0;
}

std::string_view IndiceLineas::Linea(std::string_view texto, std::size_t i) const
{
    if (i >= m_inicios.size()) {
        return {};
    }
    const std::size_t inicio = m_inicios[i];
    if (inicio > texto.size()) {
        return {};
    }
    const std::size_t fin = i + 1 < m_inicios.size() ? m_inicios[i + 1] - 1 : texto.size();
    return texto.substr(inicio, fin - inicio);
}

} // namespace dravek
