#include "gui/plataforma/MemoriaImpresion.h"

#include <cstddef>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace dravek::gui {

namespace {

// The ceiling glibc's own adaptive limits reach on 64-bit systems, fixed from the start.
constexpr std::size_t BloqueMaximoEnMonticulo = std::size_t{32} * 1024 * 1024; // bytes
constexpr std::size_t LibreAntesDeDevolver = 2 * BloqueMaximoEnMonticulo;      // bytes

} // namespace

void PreparaMemoriaImpresion()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, static_cast<int>(BloqueMaximoEnMonticulo));
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(LibreAntesDeDevolver));
#endif
}

} // namespace dravek::gui
