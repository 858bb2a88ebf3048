#include "gui/plataforma/CerrojosFicheroQt.h"

#include "gui/comun/TextoQt.h"

#include <QFileInfo>
#include <QLockFile>

#include <memory>

namespace dravek::gui {

namespace {

class CerrojoQt final : public CerrojoFichero {
public:
    explicit CerrojoQt(std::unique_ptr<QLockFile> fichero) : m_fichero(std::move(fichero)) {}

private:
    std::unique_ptr<QLockFile> m_fichero; // unlocked and removed when destroyed
};

} // namespace

QString CerrojosFicheroQt::FicheroCerrojo(const std::string &ruta)
{
    QFileInfo fichero(aQt(ruta));
    // The same project reached through a link is locked as the file itself.
    const QString canonico = fichero.canonicalFilePath();
    if (!canonico.isEmpty()) {
        fichero.setFile(canonico);
    }
    return fichero.absolutePath() + QStringLiteral("/.") + fichero.fileName() +
           QStringLiteral(".lock");
}

CerrojosFichero::Toma CerrojosFicheroQt::TomaCerrojo(const std::string &ruta)
{
    Toma toma;
    auto fichero = std::make_unique<QLockFile>(FicheroCerrojo(ruta));
    // Only a lock whose program is gone is stale, whatever its age.
    fichero->setStaleLockTime(0);
    if (fichero->tryLock(0)) {
        toma.estado = Toma::Estado::Tomado;
        toma.cerrojo = std::make_unique<CerrojoQt>(std::move(fichero));
        return toma;
    }
    toma.estado = fichero->error() == QLockFile::LockFailedError ? Toma::Estado::Ocupado
                                                                 : Toma::Estado::SinCerrojo;
    return toma;
}

} // namespace dravek::gui
