#include "app/Programa.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/MemoriaImpresion.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>

#include <string>

int main(int argc, char *argv[])
{
    dravek::gui::PreparaMemoriaImpresion();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DRAVEK"));
    QApplication::setOrganizationName(QStringLiteral("DRAVEK"));

    // The one argument the program takes: a project file to open, as a file manager or the
    // desktop menu passes it. Qt has taken its own options out of the list already.
    const QStringList argumentos = QApplication::arguments();
    std::string obra;
    if (argumentos.size() > 1) {
        obra = dravek::gui::deQt(QFileInfo(argumentos.at(1)).absoluteFilePath());
    }

    dravek::gui::Programa programa;
    // A start-up that cannot go on has already told the engineer why.
    if (!programa.Arranca(dravek::gui::deQt(QApplication::applicationDirPath()), obra)) {
        return 1;
    }
    return QApplication::exec();
}
