#include "gui/plataforma/DialogosFicheroQt.h"

#include "gui/comun/TextoQt.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace dravek::gui {

QString FiltrosQt(const std::vector<FiltroFichero> &filtros)
{
    QStringList partes;
    for (const FiltroFichero &f : filtros) {
        // The names of this system's files tell case apart, where the patterns were written
        // for one that does not: both cases match.
        QStringList patrones;
        for (const QString &patron : aQt(f.patron).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            patrones << patron.toLower() << patron.toUpper();
        }
        patrones.removeDuplicates();
        partes << aQt(f.descripcion) + QStringLiteral(" (") + patrones.join(QLatin1Char(' ')) +
                      QStringLiteral(")");
    }
    return partes.join(QStringLiteral(";;"));
}

namespace {

std::optional<std::string> Respuesta(const QString &ruta)
{
    if (ruta.isEmpty()) {
        return std::nullopt;
    }
    return deQt(ruta);
}

} // namespace

std::optional<std::string>
DialogosFicheroQt::PideFicheroGuardar(const std::string &titulo, const std::string &carpeta,
                                      const std::vector<FiltroFichero> &filtros)
{
    return Respuesta(QFileDialog::getSaveFileName(
        m_padre, aQt(titulo), aQt(carpeta), FiltrosQt(filtros), nullptr,
        QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails));
}

std::optional<std::string>
DialogosFicheroQt::PideFicheroAbrir(const std::string &titulo, const std::string &carpeta,
                                    const std::vector<FiltroFichero> &filtros)
{
    return Respuesta(QFileDialog::getOpenFileName(m_padre, aQt(titulo), aQt(carpeta),
                                                  FiltrosQt(filtros), nullptr,
                                                  QFileDialog::HideNameFilterDetails));
}

std::string DialogosFicheroQt::CarpetaDocumentos()
{
    // A desktop without a documents folder (none made, or removed) starts in the home folder:
    // a folder that does not exist would be taken by the dialog as a file name.
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return deQt(QFileInfo(documentos).isDir() ? documentos : QDir::homePath());
}

} // namespace dravek::gui
