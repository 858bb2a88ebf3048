#include "app/Programa.h"

#include "core/design/DisenoTubo.h"
#include "core/engine/CalculaCasos.h"
#include "core/entry/ObraCapturaDatos.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Reloj.h"
#include "core/shell/ComandosCalculo.h"
#include "core/shell/FormaPrincipal.h"
#include "core/storage/Ficheros.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/AlmacenConfiguracionQt.h"
#include "gui/plataforma/CerrojosFicheroQt.h"
#include "gui/plataforma/DialogosFicheroQt.h"
#include "gui/plataforma/ImpresoraQt.h"
#include "gui/plataforma/LocalUsuarioQt.h"
#include "gui/plataforma/MensajesQt.h"
#include "gui/plataforma/ProgresoQt.h"
#include "gui/plataforma/ServicioImpresorasQt.h"
#include "gui/plataforma/TemporizadorQt.h"
#include "gui/plataforma/TrabajoImpresionQt.h"
#include "gui/plataforma/TraduccionesQt.h"
#include "gui/shell/CapturaEnMarco.h"
#include "gui/shell/FormaPrincipalVista.h"
#include "gui/shell/VentanasPrincipalQt.h"

#include <QDir>
#include <QStandardPaths>

namespace dravek::gui {

// What the start-up needs before it knows whether it goes on.
struct Programa::Base {
    EstadoObra estado;
    MensajesQt mensajes;
    LocalUsuarioQt local;
    AlmacenConfiguracionQt almacen;
    RelojSistema reloj;
    ImpresoraQt impresora;
    SalidaListado salida{reloj, impresora};
    TraduccionesQt traducciones;
    FormaPrincipal logica{estado, mensajes, almacen, traducciones};
};

namespace {

// The debug files of the calculation and of the adjustment go to the engineer's own data
// folder: the program's folder may not be writable.
const std::string &PonCarpetaDepuracion(EstadoObra &estado)
{
    const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(carpeta);
    estado.ejecucion.CarpetaDepuracion = deQt(carpeta);
    return estado.ejecucion.CarpetaDepuracion;
}

} // namespace

// The windows and commands of a program that started, in the order they need each other.
struct Programa::Ventanas {
    explicit Ventanas(Base &b)
        : vista(b.logica), dialogos(&vista), trabajo(b.estado, b.impresora, dialogos, b.almacen),
          ventanas(vista, b.estado, b.mensajes, b.almacen, impresoras, b.salida, trabajo),
          depuracion(PonCarpetaDepuracion(b.estado)),
          // Every file dialog starts where the last file was chosen, kept in the settings.
          obra(b.estado,
               {b.mensajes, b.logica.menu(), ficheros, dialogos, b.almacen, cerrojos, b.logica,
                // The data-entry window's Qt view opens inside the main window's
                // frame, made at each load.
                [this](CapturaDatos &captura) {
                    return std::make_unique<CapturaEnMarco>(captura, vista);
                }}),
          progreso(&vista), calculo(b.estado, {b.mensajes, b.salida, depuracion, diseno, obra,
                                               ventanas, trabajo, progreso, &depuracion})
    {
        b.mensajes.PonPadre(&vista);
        obra.PonComandos(calculo);
        ventanas.PonCalculo(calculo);
        b.logica.Conecta(obra, ventanas, calculo);
    }

    FormaPrincipalVista vista;
    DialogosFicheroQt dialogos;
    ServicioImpresorasQt impresoras;
    TrabajoImpresionQt trabajo;
    VentanasPrincipalQt ventanas;
    FicheroDepuracion depuracion;
    DisenoTubo diseno;
    SistemaFicherosDisco ficheros;
    CerrojosFicheroQt cerrojos; // a project is open in one copy of the program at a time
    ObraCapturaDatos obra;
    ProgresoQt progreso;
    ComandosCalculo calculo;
    TemporizadorQt temporizador;
};

Programa::Programa() : m_base(std::make_unique<Base>()) {}

Programa::~Programa() = default;

bool Programa::Arranca(const std::string &carpetaPrograma, const std::string &obra)
{
    if (!m_base->logica.Arranca(carpetaPrograma, m_base->local)) {
        return false;
    }
    PreparaMemoriaPantalla(m_base->salida);
    m_ventanas = std::make_unique<Ventanas>(*m_base);
    m_ventanas->vista.Refresca();
    m_ventanas->vista.show();
    m_base->logica.ArrancaTimer1(m_ventanas->temporizador);
    if (!obra.empty()) {
        m_ventanas->obra.almacen().EligeFichero(obra);
        m_base->logica.MnAbriFichero_Click();
        m_ventanas->vista.Refresca();
    }
    return true;
}

QWidget *Programa::VentanaPrincipal()
{
    return m_ventanas ? &m_ventanas->vista : nullptr;
}

} // namespace dravek::gui
