#pragma once

// A data-entry window wired to the project's storage, with files in memory, scripted file
// dialogs, recording message boxes, the code lists filled and a program folder of its own that
// holds the pictures.

#include "apoyo/CerrojosEnMemoria.h"
#include "apoyo/ComandosCapturaGrabadora.h"
#include "apoyo/DialogosFicheroGuionizados.h"
#include "apoyo/EntornoIdiomaPrueba.h"
#include "apoyo/FicherosEnMemoria.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/ProgramaPrueba.h"
#include "core/entry/AlmacenObra.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/MenuPrincipal.h"
#include "core/entry/TramoEnVentana.h"
#include "core/model/EstadoObra.h"

#include <gtest/gtest.h>

#include <string>

namespace dravek::pruebas {

class ObraPrueba {
public:
    // disco: the files the project is stored in, instead of the files in memory; comunes: the
    // locks shared with other windows, instead of the window's own; ajustes: the settings
    // kept from an earlier run of the program, instead of the window's own.
    explicit ObraPrueba(char separador = ',', SistemaFicheros *disco = nullptr,
                        CerrojosFichero *comunes = nullptr,
                        AlmacenConfiguracion *ajustes = nullptr)
        : sistema(disco != nullptr ? *disco : ficheros),
          cerrojos(comunes != nullptr ? *comunes : propios),
          configuracion(ajustes != nullptr ? *ajustes : idioma.configuracion),
          m_programa(estado, "dravek_obra", separador)
    {
        captura.LlenaListasCodigos();
        ponTexto(captura.edIdioma, "Español");
    }
    ObraPrueba(const ObraPrueba &) = delete;
    ObraPrueba &operator=(const ObraPrueba &) = delete;

    void ponSeparador(char separador) { PonSeparador(estado.ejecucion, separador); }

    // The unit option and the unit system it stands for.
    void muestraSI(bool si)
    {
        ponValor(captura.rdSistemaUnidades, si ? 0 : 1, true);
        estado.ejecucion.SistemaUnidades = si ? "SI" : "MKS";
    }

    // Opens a project file held in memory and puts its header into the window.
    bool abre(const std::string &ruta)
    {
        const std::optional<CabeceraCargada> cabecera = almacen.AbreObra(ruta);
        if (!cabecera) {
            return false;
        }
        PonCabeceraEnVentana(captura, *cabecera);
        return true;
    }

    std::string figura(const std::string &fichero) const { return m_programa.figura(fichero); }

    EstadoObra estado;
    MensajesGrabadora mensajes{Guion::Estricto};
    MenuPrincipal menu;
    FicherosEnMemoria ficheros;
    SistemaFicheros &sistema; // where the project is stored: ficheros unless a disk was given
    DialogosFicheroGuionizados dialogos;
    CerrojosEnMemoria propios;
    CerrojosFichero &cerrojos; // where the project's lock is taken: propios unless others given
    EntornoIdiomaPrueba idioma{estado, mensajes};
    // Where the last folder chosen is kept: the main window's settings unless others given.
    AlmacenConfiguracion &configuracion;
    AlmacenObra almacen{estado, mensajes, sistema, dialogos, configuracion, cerrojos};
    ComandosCapturaGrabadora comandos;
    CapturaDatos captura{
        estado, {mensajes, menu, almacen, idioma.principal, almacen, &comandos, &comandos}};

private:
    // Last: the window is built before the program's folder is named, as the program does.
    ProgramaPrueba m_programa;
};

} // namespace dravek::pruebas
