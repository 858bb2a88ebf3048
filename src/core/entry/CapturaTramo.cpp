#include "core/entry/CapturaTramo.h"

#include "core/entry/AlmacenObra.h"
#include "core/entry/AyudasCaptura.h"
#include "core/entry/CambioTipologia.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/LimpiezaTramo.h"
#include "core/entry/MenuPrincipal.h"
#include "core/entry/ValidacionTramo.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/Conexion.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/storage/FormasRegistro.h"
#include "core/storage/RegistrosObra.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

namespace dravek {

namespace {

constexpr std::int32_t TextoCancelarCaptura = 382;
constexpr std::int32_t TextoReleer = 383;
constexpr std::int32_t TextoCapturaDatos = 384;
constexpr std::int32_t TextoAlta = 385;
constexpr std::int32_t TextoModificacion = 386;
constexpr std::int32_t TextoSalvaTramo = 387;
constexpr std::int32_t TextoConfirmacion = 388;
constexpr std::int32_t TextoLimpia = 389;
constexpr std::int32_t TextoMaximoTramos = 1328;

constexpr const char *Altas = "ALTAS";
constexpr const char *Modificaciones = "MODIFICACIONES";

using captura::T;
bool Pregunta(CapturaDatos &v, std::int32_t texto, std::int32_t titulo)
{
    return v.mensajes().Muestra(T(v, texto), BotonesMensaje::SiNo, IconoMensaje::Ninguno,
                                T(v, titulo)) == RespuestaMensaje::Si;
}

// The window's caption for a run in capture: new (385) or stored (386).
void PonTitulo(CapturaDatos &v, std::int32_t modo)
{
    v.Caption = T(v, TextoCapturaDatos) + " " + T(v, modo) + TextoSistemaUnidades(v);
}

// The run commands. The reinforcement adjustment applies to reinforced concrete alone (the
// typology tab 0), whatever the state.
void PonOrdenes(CapturaDatos &v, bool nuevo, bool resto)
{
    MenuPrincipal &menu = v.menu();
    v.btNuevoTramo.Enabled = nuevo;
    menu.mnNuevoTramo.Enabled = nuevo;
    for (Boton *b : {&v.btCancelar, &v.btGrabar, &v.btAjustar, &v.btCalcular}) {
        b->Enabled = resto;
    }
    for (ElementoMenu *m : {&menu.mnCancelar, &menu.mnGrabaTramo, &menu.mnCalculaTramo}) {
        m->Enabled = resto;
    }
    menu.mnAjustarArmaduras.Enabled = resto && v.TabTipologia.Tab() == 0;
}

void LiberaNumero(CapturaDatos &v)
{
    v.edTramo.Locked = false;
    v.edTramo.BackColor = ColorFondo::Editable;
}

} // namespace

void HabilitaSistemaUnidades(CapturaDatos &v, bool &habilitar)
{
    v.rdSistemaUnidades[0].Enabled = habilitar;
    v.rdSistemaUnidades[1].Enabled = habilitar;
}

void NuevoTramo(CapturaDatos &v)
{
    EstadoObra &e = v.estado();
    AlmacenObra &almacen = v.almacen();
    // The file holds 545 runs at most: a run that could never be saved is not started.
    if (almacen.NumeroBloques() >= MaximoTramos) {
        v.mensajes().Muestra(T(v, TextoMaximoTramos), BotonesMensaje::Aceptar,
                             IconoMensaje::Ninguno, "");
        return;
    }
    if (!Recorta(v.edTramo.Text()).empty()) {
        if (Pregunta(v, TextoLimpia, TextoConfirmacion)) {
            LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
            PonDefectosArmado(v);
        } else {
            e.ejecucion.DatosModificados = true;
        }
    }
    // After the highest number listed, so that a number is never given twice.
    std::int32_t ultimo = 0;
    for (int i = 0; i < v.edTramo.ListCount(); ++i) {
        const std::optional<std::int16_t> n = LeeEntero(v.edTramo.List(i), e.ejecucion);
        if (n) {
            ultimo = std::max<std::int32_t>(ultimo, *n);
        }
    }
    const std::int32_t numero = std::min<std::int32_t>(ultimo + 1, 32767);
    const std::string texto = FormateaMascara(numero, "###0", e.ejecucion.SeparadorDecimalLocal);
    ponTexto(v.edTramo, texto);
    ponTexto(v.edTramo2, texto);
    e.tramo.TramoActual = static_cast<std::int16_t>(numero);

    PonOrdenes(v, false, true);
    e.ejecucion.ModoCaptura = Altas;
    v.btCancelar.Caption = T(v, TextoCancelar);
    PonTitulo(v, TextoAlta);
    bool habilitar = false;
    HabilitaSistemaUnidades(v, habilitar);
    v.edTramo.Locked = true;
    v.edTramo.BackColor = ColorFondo::Cerrado;
    v.SetFocus(v.edDescriTramo);
    almacen.OlvidaCambios();
    e.ejecucion.DatosModificados = true;
}

void ConfirmaGrabaTramo(CapturaDatos &v)
{
    EstadoObra &e = v.estado();
    // With no run in capture there is nothing to save (the live-load box offers a save on
    // leaving, whatever the state).
    const std::string modo = Mayusculas(Recorta(e.ejecucion.ModoCaptura));
    if (modo != Altas && modo != Modificaciones) {
        return;
    }
    if (!Pregunta(v, TextoSalvaTramo, TextoConfirmacion)) {
        return;
    }
    if (!ValidaObraYTramo(v, true)) {
        return;
    }
    if (!v.almacen().GrabaTramo(v, modo == Altas)) {
        return;
    }
    LiberaNumero(v);
    PonOrdenes(v, true, true);
    ponPestana(v.TabPrincipal, 1);
    e.ejecucion.ModoCaptura = Modificaciones;
    PonTitulo(v, TextoModificacion);
    v.SetFocus(v.edTramo);
    e.ejecucion.DatosModificados = false;
}

void CancelaCapturaTramo(CapturaDatos &v)
{
    EstadoObra &e = v.estado();
    const std::string modo = Mayusculas(e.ejecucion.ModoCaptura);
    if (modo != Altas && modo != Modificaciones) {
        e.ejecucion.DatosModificados = false;
        return;
    }
    if ((modo == Altas || e.ejecucion.DatosModificados) &&
        !Pregunta(v, TextoCancelarCaptura, TextoAviso)) {
        return;
    }
    PonOrdenes(v, true, false);
    LiberaNumero(v);
    AlmacenObra &almacen = v.almacen();
    if (modo == Altas) {
        LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
    } else {
        e.ejecucion.ModoCaptura.clear();
        v.btCancelar.Caption = T(v, TextoCancelar);
        const std::string numero = Mayusculas(v.edTramo.Text());
        int posicion = -1;
        for (int i = 0; i < v.edTramo.ListCount() && posicion < 0; ++i) {
            if (Mayusculas(v.edTramo.List(i)) == numero) {
                posicion = i;
            }
        }
        // A run whose block cannot be read is left unloaded, as one no longer listed.
        if (posicion >= 0) {
            ponTexto(v.edTramo2, v.edTramo.Text());
            if (almacen.CargaTramo(v, static_cast<std::int16_t>(posicion + 1))) {
                e.ejecucion.ModoCaptura = Modificaciones;
                v.btCancelar.Caption = T(v, TextoReleer);
                PonOrdenes(v, true, true);
            }
        }
    }
    if (Recorta(e.ejecucion.ModoCaptura).empty()) {
        v.Caption = T(v, TextoCapturaDatos) + TextoSistemaUnidades(v);
        bool habilitar = true;
        HabilitaSistemaUnidades(v, habilitar);
    } else {
        bool habilitar = false;
        HabilitaSistemaUnidades(v, habilitar);
        PonTitulo(v, Mayusculas(e.ejecucion.ModoCaptura) == Altas ? TextoAlta : TextoModificacion);
    }
    ponPestana(v.TabPrincipal, 1);
    v.SetFocus(v.edTramo);
    almacen.OlvidaCambios();
    e.ejecucion.DatosModificados = false;
}

// The command buttons.

void CapturaDatos::btNuevoTramo_Click()
{
    NuevoTramo(*this);
}

void CapturaDatos::btCancelar_Click()
{
    CancelaCapturaTramo(*this);
}

void CapturaDatos::btGrabar_Click()
{
    ConfirmaGrabaTramo(*this);
}

void CapturaDatos::btCalcular_Click()
{
    Conectado(m_servicios.comandos, "ComandosCaptura").CalculaTramo();
}

void CapturaDatos::btAjustar_Click()
{
    Conectado(m_servicios.comandos, "ComandosCaptura").AjustaArmaduras();
}

void CapturaDatos::CommandButton2_Click()
{
    Conectado(m_servicios.comandos, "ComandosCaptura").ImprimeObra();
}

void CapturaDatos::btGrabaObra_Click()
{
    if (ValidaPresionesAlturasObra(*this)) {
        m_servicios.almacen.GrabaObra(*this);
    }
}

void CapturaDatos::btCerrarObra_Click()
{
    // The unload itself offers to save what changed.
    Conectado(m_servicios.cierre, "CierreCaptura").CierraVentana();
}

} // namespace dravek
