#include "gui/plataforma/DialogosFicheroQt.h"

#include "gui/comun/TextoQt.h"

#include <QFileDialog>
#include <QStringList>

namespace dravek::gui {

QString FiltrosQt(const std::vector<FiltroFichero> &filtros)
{
    QStringList partes;
    for (const FiltroFichero &f : filtros)
        partes << aQt(f.descripcion) + QStringLiteral(" (") + aQt(f.patron) + QStringLiteral(")");
    return partes.join(QStringLiteral(";;"));
}

namespace {

std::optional<std::string> Respuesta(const QString &ruta)
{
    if (ruta.isEmpty())
        return std::nullopt;
    return deQt(ruta);
}

} // namespace

std::optional<std::string>
DialogosFicheroQt::PideFicheroGuardar(const std::string &titulo, const std::string &carpeta,
                                      const std::vector<FiltroFichero> &filtros)
{
    return Respuesta(QFileDialog::getSaveFileName(m_padre, aQt(titulo), aQt(carpeta),
                                                  FiltrosQt(filtros), nullptr,
                                                  QFileDialog::DontConfirmOverwrite));
}

std::optional<std::string>
DialogosFicheroQt::PideFicheroAbrir(const std::string &titulo, const std::string &carpeta,
                                    const std::vector<FiltroFichero> &filtros)
{
    return Respuesta(
        QFileDialog::getOpenFileName(m_padre, aQt(titulo), aQt(carpeta), FiltrosQt(filtros)));
}

} // namespace dravek::gui
