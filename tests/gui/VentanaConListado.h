#pragma once

// A window whose logic writes into a listing (the hydraulic calculator, the protection
// adviser) over recording fakes, with the application object it needs; the view shown.

#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/TrabajoFalso.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"

#include <QApplication>

#include <utility>

namespace dravek::pruebas {

template <class Logica, class Vista> struct VentanaConListado {
    // inicial: the state the window opens on (language, decimal separator).
    explicit VentanaConListado(EstadoObra inicial = {}) : estado(std::move(inicial))
    {
        vista.show();
    }

    int argc = 1;
    char nombre[18] = "VentanaConListado";
    char *argv[2] = {nombre, nullptr};
    QApplication app{argc, argv};
    EstadoObra estado;
    MensajesGrabadora mensajes{Guion::Estricto};
    RelojFijo reloj;
    ImpresoraGrabadora impresora;
    SalidaListado salida{reloj, impresora};
    TrabajoFalso trabajo;
    Logica logica{estado, mensajes, salida, trabajo};
    Vista vista{logica};
};

} // namespace dravek::pruebas
