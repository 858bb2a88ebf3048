#include "core/plataforma/Reloj.h"

#include <array>
#include <ctime>

namespace dravek {

namespace {

std::string HoraLocal(const char *formato)
{
    const std::time_t ahora = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &ahora);
#else
    localtime_r(&ahora, &local);
#endif
    std::array<char, 32> texto{};
    const std::size_t escrito = std::strftime(texto.data(), texto.size(), formato, &local);
    return std::string(texto.data(), escrito);
}

} // namespace

std::string RelojSistema::FechaCorta() const
{
    return HoraLocal("%d/%m/%Y");
}

std::string RelojSistema::HoraCorta() const
{
    return HoraLocal("%H:%M");
}

} // namespace dravek
