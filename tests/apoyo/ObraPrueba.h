#pragma once

// A data-entry window wired to the project's storage, with files in memory, scripted file
// dialogs, recording message boxes, the code lists filled and a program folder of its own that
// holds the pictures.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "apoyo/CarpetaPrueba.h"
#include "apoyo/DialogosFicheroGuionizados.h"
#include "apoyo/FicherosEnMemoria.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/OrdenesCapturaGrabadora.h"
#include "core/entry/AlmacenObra.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/MenuPrincipal.h"
#include "core/model/EstadoObra.h"

namespace dravek::pruebas {

class ObraPrueba {
public:
    // disco: the files the project is stored in, instead of the files in memory.
    explicit ObraPrueba(char separador = ',', SistemaFicheros *disco = nullptr)
        : sistema(disco != nullptr ? *disco : ficheros)
    {
        m_carpeta = CarpetaPrueba("dravek_obra");
        for (const char *f : {"Lur2211.bmp", "Lur2221.bmp", "Zanja1a.bmp", "ZanjaT1a.bmp",
                              "Terrapl1.bmp", "Zanja2a.bmp", "ZanjaT2a.bmp", "Terrapl2.bmp"}) {
            std::ofstream(m_carpeta / f) << "BM";
        }
        EstadoEjecucion &e = estado.ejecucion;
        e.RutaAplicacion = m_carpeta.string() + "/";
        ponSeparador(separador);
        captura.LlenaListasCodigos();
        ponTexto(captura.edIdioma, "Español");
    }
    ~ObraPrueba() { std::filesystem::remove_all(m_carpeta); }
    ObraPrueba(const ObraPrueba &) = delete;
    ObraPrueba &operator=(const ObraPrueba &) = delete;

    void ponSeparador(char separador)
    {
        EstadoEjecucion &e = estado.ejecucion;
        e.SeparadorDecimalLocal = std::string(1, separador);
        e.CodigoSeparadorLocal = separador;
        e.CodigoOtroSeparador = separador == ',' ? '.' : ',';
    }

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
        almacen.CargaCabecera(captura, *cabecera);
        return true;
    }

    std::string figura(const std::string &fichero) const { return (m_carpeta / fichero).string(); }

    EstadoObra estado;
    MensajesGrabadora mensajes{Guion::Estricto};
    MenuPrincipal menu;
    FicherosEnMemoria ficheros;
    SistemaFicheros &sistema; // where the project is stored: ficheros unless a disk was given
    DialogosFicheroGuionizados dialogos;
    AlmacenObra almacen{estado, mensajes, sistema, dialogos};
    OrdenesCapturaGrabadora ordenes;
    CapturaDatos captura{estado, {mensajes, menu, almacen, &almacen, &ordenes}};

private:
    std::filesystem::path m_carpeta;
};

} // namespace dravek::pruebas
