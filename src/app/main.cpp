#include "app/Programa.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/MemoriaImpresion.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    dravek::gui::PreparaMemoriaImpresion();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DRAVEK"));
    QApplication::setOrganizationName(QStringLiteral("DRAVEK"));

    dravek::gui::Programa programa;
    // A start-up that cannot go on has already told the engineer why.
    if (!programa.Arranca(dravek::gui::deQt(QApplication::applicationDirPath())))
        return 1;
    return QApplication::exec();
}
