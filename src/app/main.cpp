#include "core/engine/DisenoTubo.h"
#include "core/entry/ObraCapturaDatos.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Reloj.h"
#include "core/shell/ComandosCalculo.h"
#include "core/shell/FormaPrincipal.h"
#include "core/storage/Ficheros.h"
#include "gui/comun/TextoQt.h"
#include "gui/entry/CapturaDatosVista.h"
#include "gui/plataforma/AlmacenConfiguracionQt.h"
#include "gui/plataforma/DialogosFicheroQt.h"
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
#include <QDir>
#include <QStandardPaths>

#include <memory>

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
    // The debug files of the calculation and of the adjustment go to the engineer's own data
    // folder: the program's folder may not be writable.
    const QString carpetaDatos =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(carpetaDatos);
    estado.ejecucion.CarpetaDepuracion = dravek::gui::deQt(carpetaDatos);
    dravek::FicheroDepuracion depuracion(estado.ejecucion.CarpetaDepuracion);
    dravek::DisenoTubo diseno;

    // The data-entry window: the project's files behind it and its Qt view, made at each load.
    dravek::SistemaFicherosDisco ficheros;
    dravek::gui::DialogosFicheroQt dialogos(&vista);
    dravek::ObraCapturaDatos obra(estado, {mensajes, logica.menu(), ficheros, dialogos});
    obra.PonFabricaVista([&vista](dravek::CapturaDatos &captura) {
        return std::make_unique<dravek::gui::CapturaDatosVista>(captura, &vista);
    });
    obra.PonEntornoIdioma(&logica);

    dravek::ComandosCalculo calculo(
        estado, {mensajes, salida, depuracion, diseno, obra, ventanas, trabajo});
    calculo.PonFicheroDepuracion(&depuracion);
    obra.PonComandos(&calculo);
    ventanas.PonCalculo(&calculo);
    ventanas.PonTrabajo(&trabajo);
    logica.Conecta(&obra, ventanas, &calculo);

    dravek::gui::TemporizadorQt temporizador;
    vista.Refresca();
    vista.show();
    logica.ArrancaTimer1(temporizador);
    return QApplication::exec();
}
