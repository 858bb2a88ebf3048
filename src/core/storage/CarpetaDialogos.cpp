#include "core/storage/CarpetaDialogos.h"

#include "core/model/TextoPlano.h"
#include "core/storage/Registro.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace dravek {

namespace {

namespace fs = std::filesystem;

// The folder holding the file, absolute; empty when the name has none.
std::string CarpetaDe(const std::string &fichero)
{
    std::error_code ec;
    const fs::path absoluta = fs::absolute(fs::path(fichero), ec);
    if (ec || !absoluta.has_parent_path()) {
        return {};
    }
    return absoluta.parent_path().string();
}

bool EsCarpeta(const std::string &ruta)
{
    std::error_code ec;
    return !ruta.empty() && fs::is_directory(ruta, ec);
}

} // namespace

std::string CarpetaInicialDialogo(AlmacenConfiguracion &almacen, const DatosObra &obra,
                                  const std::string &documentos)
{
    if (obra.AbrirObraExistente != Falso && !Recorta(obra.NombreFicheroObra).empty()) {
        const std::string carpeta = CarpetaDe(obra.NombreFicheroObra);
        if (!carpeta.empty()) {
            return carpeta;
        }
    }
    // A folder since removed, or an unplugged disk, is passed over.
    const std::optional<std::string> ultima =
        almacen.LeeAjuste(AplicacionAjustes, SeccionOpciones, ClaveUltimaCarpeta);
    if (ultima && EsCarpeta(*ultima)) {
        return *ultima;
    }
    return documentos;
}

void RecuerdaCarpetaDialogo(AlmacenConfiguracion &almacen, const std::string &fichero)
{
    const std::string carpeta = CarpetaDe(fichero);
    if (!carpeta.empty()) {
        almacen.GrabaAjuste(AplicacionAjustes, SeccionOpciones, ClaveUltimaCarpeta, carpeta);
    }
}

} // namespace dravek
