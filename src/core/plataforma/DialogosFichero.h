#pragma once

// The open and save file dialogs. The core says what to ask; the answer is a path, or nothing
// when the engineer cancelled.

#include <optional>
#include <string>
#include <vector>

namespace dravek {

// One entry of a dialog's file-type list: its description and its pattern ("*.dvk").
struct FiltroFichero {
    std::string descripcion;
    std::string patron;

    bool operator==(const FiltroFichero &) const = default;
};

class DialogosFichero {
public:
    virtual ~DialogosFichero() = default;
    // The dialogs neither ask before overwriting nor check that the file exists: the caller
    // decides. carpeta is the folder the dialog starts in; the first filter is selected.
    virtual std::optional<std::string>
    PideFicheroGuardar(const std::string &titulo, const std::string &carpeta,
                       const std::vector<FiltroFichero> &filtros) = 0;
    virtual std::optional<std::string>
    PideFicheroAbrir(const std::string &titulo, const std::string &carpeta,
                     const std::vector<FiltroFichero> &filtros) = 0;
    // The user's documents folder, as the desktop names it; empty when it names none.
    virtual std::string CarpetaDocumentos() { return {}; }
};

} // namespace dravek
