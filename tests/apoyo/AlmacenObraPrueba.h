#pragma once

#include "apoyo/CerrojosEnMemoria.h"
#include "apoyo/DialogosFicheroGuionizados.h"
#include "apoyo/FicherosEnMemoria.h"
#include "core/entry/AlmacenObra.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/Mensajes.h"

namespace dravek::pruebas {

// The project's files for a data-entry window whose tests keep to the window: a new project
// with no file, files in memory, locks in memory, and file dialogs that fail the test when one
// opens unscripted.
struct AlmacenObraPrueba {
    AlmacenObraPrueba(EstadoObra &estado, Mensajes &mensajes, AlmacenConfiguracion &configuracion)
        : almacen(estado, mensajes, ficheros, dialogos, configuracion, cerrojos)
    {
    }
    AlmacenObraPrueba(const AlmacenObraPrueba &) = delete;
    AlmacenObraPrueba &operator=(const AlmacenObraPrueba &) = delete;

    FicherosEnMemoria ficheros;
    DialogosFicheroGuionizados dialogos;
    CerrojosEnMemoria cerrojos;
    AlmacenObra almacen;
};

} // namespace dravek::pruebas
