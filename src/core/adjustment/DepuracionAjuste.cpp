#include "core/adjustment/DepuracionAjuste.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

namespace dravek {

FicheroDepuracionAjuste::FicheroDepuracionAjuste(std::string carpeta)
    : m_carpeta(std::move(carpeta))
{
    m_ruta =
        (std::filesystem::path(m_carpeta) / std::string(NombreFicheroDepuracionAjuste)).string();
}

bool FicheroDepuracionAjuste::Reescribe(const std::vector<std::string> &lineas)
{
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(m_carpeta), error);
    const std::string temporal = m_ruta + ".tmp";
    {
        std::ofstream fichero(temporal, std::ios::binary | std::ios::trunc);
        for (const std::string &linea : lineas) {
            fichero << linea << "\r\n";
        }
        fichero.flush();
        if (!fichero) {
            fichero.close();
            std::filesystem::remove(temporal, error);
            return false;
        }
    }
    std::filesystem::rename(temporal, m_ruta, error);
    if (error) {
        std::filesystem::remove(temporal, error);
        return false;
    }
    return true;
}

} // namespace dravek
