#pragma once

// The program as the benchmarks that open a project drive it: a temporary folder of its own
// holding the project file (ObraMedida) and the debug files, and the program's objects wired as
// its main wires them, with the Qt printer and file locks and nobody at the keyboard. The
// windows, the print job and the progress are each benchmark's own: they are handed to
// Conecta, then Abre opens the project as the main menu's "open" does.

#include "ObraMedida.h"
#include "TramosMedida.h"
#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/PlataformaNula.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "apoyo/VistaCapturaNula.h"
#include "core/design/DisenoTubo.h"
#include "core/engine/CalculaCasos.h"
#include "core/entry/ObraCapturaDatos.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Progreso.h"
#include "core/shell/ComandosCalculo.h"
#include "core/shell/FormaPrincipal.h"
#include "core/shell/VentanasPrincipal.h"
#include "core/storage/Ficheros.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/CerrojosFicheroQt.h"
#include "gui/plataforma/ImpresoraQt.h"

#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <string>

namespace dravek::medida {

// The program's folder, where its data files are, with its closing slash.
inline std::string DatosPrograma()
{
    return std::string(DRAVEK_DATOS_PROGRAMA) + "/";
}

// A fresh state whose debug files go to carpeta, which the debug file takes when it is made.
inline EstadoObra EstadoDepurandoEn(const std::string &carpeta)
{
    EstadoObra estado;
    estado.ejecucion.CarpetaDepuracion = carpeta;
    return estado;
}

class ProgramaMedida {
public:
    // The project file of `tramos` runs prepared by prepara(estado, k) (ObraMedida) written,
    // and the program started with its screen listing's memory made ready, as its main starts
    // it; fallo says why not.
    template <typename Prepara> ProgramaMedida(int tramos, const Prepara &prepara)
    {
        if (!carpeta.isValid()) {
            fallo = "no temporary folder";
        } else if (!EscribeProyectoDeMedida(rutaObra, tramos, prepara)) {
            fallo = "the project file was not written";
        } else if (!forma.Arranca(DatosPrograma(), local)) {
            fallo = "the program did not start";
        } else {
            PreparaMemoriaPantalla(salida);
        }
    }

    // The path of a file in the folder.
    QString Ruta(const QString &nombre) const { return carpeta.filePath(nombre); }

    // The commands wired with these windows, print job and progress, as the main wires them.
    ComandosCalculo &Conecta(VentanasPrincipal &ventanas, TrabajoImpresion &trabajo,
                             Progreso &progreso)
    {
        calculo.emplace(estado, ServiciosCalculo{mensajes, salida, depuracion, diseno, obra,
                                                 ventanas, trabajo, progreso, &depuracion});
        obra.PonComandos(*calculo);
        forma.Conecta(obra, ventanas, *calculo);
        return *calculo;
    }

    // The project opened from the main menu; false when its window did not load or a message
    // box was shown.
    bool Abre()
    {
        forma.menu().MnAbriFichero.Click();
        return obra.Captura() != nullptr && mensajes.mostrados() == 0;
    }

    QTemporaryDir carpeta;
    std::string rutaObra = gui::deQt(carpeta.filePath(QStringLiteral("obra.dvk")));
    std::string fallo;
    EstadoObra estado = EstadoDepurandoEn(gui::deQt(carpeta.filePath(QStringLiteral("dep"))));
    pruebas::MensajesConsola mensajes;
    pruebas::ConfiguracionNula configuracion;
    RelojFijo reloj;
    gui::ImpresoraQt impresora;
    SalidaListado salida{reloj, impresora};
    pruebas::TextosPlataformaGrabadora textos;
    FormaPrincipal forma{estado, mensajes, configuracion, textos};
    pruebas::LocalUsuarioFijo local{"."};
    FicheroDepuracion depuracion{estado.ejecucion.CarpetaDepuracion};
    DisenoTubo diseno;
    SistemaFicherosDisco ficheros;
    pruebas::DialogosSinUsuario dialogos{rutaObra};
    gui::CerrojosFicheroQt cerrojos;
    ObraCapturaDatos obra{estado,
                          {mensajes, forma.menu(), ficheros, dialogos, configuracion, cerrojos,
                           forma, pruebas::SinVista()}};
    std::optional<ComandosCalculo> calculo;
};

} // namespace dravek::medida
