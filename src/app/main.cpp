#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Reloj.h"
#include "core/shell/FormaPrincipal.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/AlmacenConfiguracionQt.h"
#include "gui/plataforma/ImpresoraQt.h"
#include "gui/plataforma/LocalUsuarioQt.h"
#include "gui/plataforma/MemoriaImpresion.h"
#include "gui/plataforma/MensajesQt.h"
#include "gui/shell/FormaPrincipalVista.h"
#include "gui/shell/VentanasPrincipalQt.h"

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
    dravek::gui::AlmacenConfiguracionQt almacen;
    dravek::RelojSistema reloj;
    dravek::gui::ImpresoraQt impresora;
    dravek::SalidaListado salida(reloj, impresora);
    dravek::FormaPrincipal logica(estado, mensajes, almacen);

    // A start-up that cannot go on has already told the engineer why.
    if (!logica.Arranca(dravek::gui::deQt(QApplication::applicationDirPath()), local))
        return 1;

    dravek::gui::FormaPrincipalVista vista(logica);
    mensajes.PonPadre(&vista);
    // The data-entry window's glue (opening, saving and loading a project) is wired here when
    // it lands; until then the project commands do nothing.
    dravek::gui::VentanasPrincipalQt ventanas(vista, estado, mensajes, salida, nullptr);
    logica.Conecta(nullptr, ventanas, nullptr);
    vista.Refresca();
    vista.show();
    vista.ArrancaTemporizador();
    return QApplication::exec();
}
