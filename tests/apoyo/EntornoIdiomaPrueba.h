#pragma once

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Mensajes.h"
#include "core/shell/FormaPrincipal.h"

namespace dravek::pruebas {

// The main window's side of a language change on a data-entry window, as the program has it:
// its menus re-captioned, its help file and the language stored, over settings in memory and
// the desktop's texts recorded.
struct EntornoIdiomaPrueba {
    EntornoIdiomaPrueba(EstadoObra &estado, Mensajes &mensajes)
        : principal(estado, mensajes, configuracion, textos)
    {
    }
    EntornoIdiomaPrueba(const EntornoIdiomaPrueba &) = delete;
    EntornoIdiomaPrueba &operator=(const EntornoIdiomaPrueba &) = delete;

    AlmacenConfiguracionEnMemoria configuracion;
    TextosPlataformaGrabadora textos;
    FormaPrincipal principal;
};

} // namespace dravek::pruebas
