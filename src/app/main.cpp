#include "core/engine/DisenoTubo.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Reloj.h"
#include "core/shell/ComandosCalculo.h"
#include "core/shell/FormaPrincipal.h"
#include "core/shell/ObraSinCaptura.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/AlmacenConfiguracionQt.h"
#include "gui/plataforma/ImpresoraQt.h"
#include "gui/plataforma/LocalUsuarioQt.h"
#include "gui/plataforma/MemoriaImpresion.h"
#include "gui/plataforma/MensajesQt.h"
#include "gui/plataforma/ServicioImpresorasQt.h"
#include "gui/plataforma/TemporizadorQt.h"
#include "gui/plataforma/TrabajoImpresionQt.h"
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
    dravek::gui::ServicioImpresorasQt impresoras;
    dravek::gui::VentanasPrincipalQt ventanas(vista, estado, mensajes, almacen, impresoras,
                                              salida);
    dravek::gui::TrabajoImpresionQt trabajo(estado, impresora, &vista);
    dravek::FicheroDepuracion depuracion(estado.ejecucion.RutaAplicacion);
    dravek::DisenoTubo diseno;

    // The data-entry window's glue (opening, saving and loading a project, the window itself)
    // plugs in here, built over the main window's menu and given `logica` as the language
    // environment of its window; while it is null the project commands do nothing.
    dravek::ObraEnCaptura *obra = nullptr;

    dravek::ObraSinCaptura sinCaptura;
    dravek::ComandosCalculo calculo(estado, {mensajes, salida, depuracion, diseno,
                                             obra ? *obra : sinCaptura, ventanas, trabajo});
    calculo.PonFicheroDepuracion(&depuracion);
    ventanas.PonCalculo(&calculo);
    logica.Conecta(obra, ventanas, &calculo);

    dravek::gui::TemporizadorQt temporizador;
    vista.Refresca();
    vista.show();
    logica.ArrancaTimer1(temporizador);
    return QApplication::exec();
}
