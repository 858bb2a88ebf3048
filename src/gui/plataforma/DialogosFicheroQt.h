#pragma once

#include "core/plataforma/DialogosFichero.h"

#include <QString>

class QWidget;

namespace dravek::gui {

// The file-type list of a Qt file dialog: "description (patterns)" entries joined by ";;", each
// pattern in lower and upper case. The dialogs show the descriptions alone, as the text table
// words them.
QString FiltrosQt(const std::vector<FiltroFichero> &filtros);

// The open and save dialogs of Qt. The save dialog does not ask before overwriting: the
// project's save asks in the program's own words.
class DialogosFicheroQt final : public DialogosFichero {
public:
    explicit DialogosFicheroQt(QWidget *padre = nullptr) : m_padre(padre) {}
    void PonPadre(QWidget *padre) { m_padre = padre; }

    std::optional<std::string>
    PideFicheroGuardar(const std::string &titulo, const std::string &carpeta,
                       const std::vector<FiltroFichero> &filtros) override;
    std::optional<std::string>
    PideFicheroAbrir(const std::string &titulo, const std::string &carpeta,
                     const std::vector<FiltroFichero> &filtros) override;
    std::string CarpetaDocumentos() override;

private:
    QWidget *m_padre;
};

} // namespace dravek::gui
