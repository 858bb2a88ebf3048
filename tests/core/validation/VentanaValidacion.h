#pragma once

// A data-entry window for the tests of the project and run checks: its message boxes are
// recorded together with what the window showed at that moment (the pages of its tab strips and
// the control asked to take the focus), so that a test sees in which order a check showed its
// message, turned the pages and moved the focus.

#include "apoyo/AlmacenObraPrueba.h"
#include "apoyo/AnulacionAjustesGrabadora.h"
#include "apoyo/EntornoIdiomaPrueba.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/SeparadorPrueba.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/MenuPrincipal.h"
#include "core/model/EstadoObra.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace dravek::pruebas {

// The pages of TabPrincipal, TabTipologia, TabPostesados and TabDatosColocacion, and the
// control asked to take the focus ("" for none).
struct Vista {
    int principal = 0;
    int tipologia = 0;
    int postesados = 0;
    int colocacion = 0;
    std::string foco;

    bool operator==(const Vista &) const = default;
};

inline std::ostream &operator<<(std::ostream &os, const Vista &v)
{
    return os << "{pages " << v.principal << "/" << v.tipologia << "/" << v.postesados << "/"
              << v.colocacion << ", focus \"" << v.foco << "\"}";
}

inline Vista VistaDe(const CapturaDatos &v)
{
    const Control *foco = v.PeticionFoco();
    return {v.TabPrincipal.Tab(), v.TabTipologia.Tab(), v.TabPostesados.Tab(),
            v.TabDatosColocacion.Tab(), foco != nullptr ? foco->Name() : ""};
}

// A message box and what the window showed while it was up.
struct Aviso {
    std::string texto;
    std::string titulo;
    Vista vista;

    bool operator==(const Aviso &) const = default;
};

inline std::ostream &operator<<(std::ostream &os, const Aviso &a)
{
    return os << "\"" << a.texto << "\" titled \"" << a.titulo << "\" at " << a.vista;
}

class MensajesObservados : public Mensajes {
public:
    RespuestaMensaje Muestra(const std::string &texto, BotonesMensaje botones, IconoMensaje icono,
                             const std::string &titulo) override
    {
        avisos.push_back({texto, titulo, ventana != nullptr ? VistaDe(*ventana) : Vista{}});
        return grabadora.Muestra(texto, botones, icono, titulo);
    }

    const CapturaDatos *ventana = nullptr;
    MensajesGrabadora grabadora{Guion::Libre};
    std::vector<Aviso> avisos;
};

// The window in MKS with the comma as decimal separator, its code lists filled.
struct VentanaValidacion {
    VentanaValidacion()
    {
        mensajes.ventana = &captura;
        pruebas::PonSeparador(estado.ejecucion, ',');
        captura.LlenaListasCodigos();
        muestraSI(false);
    }

    void muestraSI(bool si)
    {
        ponValor(captura.rdSistemaUnidades, si ? 0 : 1, true);
        estado.ejecucion.SistemaUnidades = si ? "SI" : "MKS";
    }

    const std::vector<Aviso> &avisos() const { return mensajes.avisos; }

    EstadoObra estado;
    MensajesObservados mensajes;
    MenuPrincipal menu;
    AnulacionAjustesGrabadora ajustes;
    EntornoIdiomaPrueba idioma{estado, mensajes};
    AlmacenObraPrueba obra{estado, mensajes, idioma.configuracion};
    CapturaDatos captura{estado, {mensajes, menu, ajustes, idioma.principal, obra.almacen}};
};

} // namespace dravek::pruebas
