#include "core/shell/CarpetaDatos.h"

#include "core/model/TextoRecurso.h"
#include "core/shell/DatosPredeterminados.h"

#include <filesystem>

namespace dravek {

namespace {

constexpr std::int32_t TextoFicheroLogo = 406;
constexpr std::int32_t SaltoIdioma = 5000;

std::string ConBarra(std::string ruta)
{
    if (ruta.empty() || ruta.back() != '/') {
        ruta += '/';
    }
    return ruta;
}

bool TieneDatos(const std::string &carpeta)
{
    std::vector<std::string> ficheros = {FicheroGeometria, FicheroArmaduras, FicheroAnchoZanja};
    for (int idioma = 1; idioma <= CuentaIdiomas(); ++idioma) {
        ficheros.push_back(Texto((idioma - 1) * SaltoIdioma, TextoFicheroLogo));
    }
    for (const std::string &f : ficheros) {
        std::error_code error;
        if (std::filesystem::is_regular_file(carpeta + f, error)) {
            return true;
        }
    }
    return false;
}

} // namespace

CarpetaDatos BuscaCarpetaDatos(const std::string &carpetaPrograma)
{
    const std::string propia = ConBarra(carpetaPrograma);
    // Written without the "..", as the engineer would look for it.
    const std::string instalada =
        ConBarra((std::filesystem::path(propia) / DatosInstaladosDesdePrograma)
                     .lexically_normal()
                     .string());
    CarpetaDatos r;
    r.buscadas = {instalada, propia};
    for (const std::string &c : r.buscadas) {
        if (TieneDatos(c)) {
            r.carpeta = c;
            break;
        }
    }
    return r;
}

} // namespace dravek
