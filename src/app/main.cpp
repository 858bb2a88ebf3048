#include "core/model/EstadoObra.h"
#include "core/shell/FormaPrincipal.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/LocalUsuarioQt.h"
#include "gui/plataforma/MemoriaImpresion.h"
#include "gui/plataforma/MensajesQt.h"
#include "gui/shell/FormaPrincipalVista.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    dravek::gui::PreparaMemoriaImpresion();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DRAVEK"));
    QApplication::setOrganizationName(QStringLiteral("DRAVEK"));

    dravek::EstadoObra estado;
    dravek::gui::MensajesQt mensajes;
    dravek::gui::LocalUsuarioQt local;
    dravek::FormaPrincipal logica(estado, mensajes);

    // A start-up that cannot go on has already told the engineer why.
    if (!logica.Arranca(dravek::gui::deQt(QApplication::applicationDirPath()), local))
        return 1;

    dravek::gui::FormaPrincipalVista vista(logica);
    mensajes.PonPadre(&vista);
    vista.show();
    return QApplication::exec();
}
