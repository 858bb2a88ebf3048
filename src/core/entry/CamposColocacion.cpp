#include "core/entry/AyudasCaptura.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/PatronCampos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/CodigosColocacion.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/validation/FuncionesGenerales.h"

#include <array>
#include <string>

namespace dravek {

namespace {

constexpr std::int32_t TextoGolpeArieteNoCalculado = 536;

constexpr std::int32_t TextoDatoRequerido = 518;

using captura::SinDosPuntos;
using captura::Vacio;
// The last entry equal to the text, counted from 1; 0 when none is.
int EntradaIgual(const Lista &lista)
{
    int posicion = 0;
    for (int i = 0; i < lista.ListCount(); ++i) {
        if (lista.Text() == lista.List(i)) {
            posicion = i + 1;
        }
    }
    return posicion;
}

} // namespace

void CapturaDatos::edTipoCuna0_Click()
{
    EligeEnLista(*this, edTipoCuna0);
}

void CapturaDatos::edTipoCuna0_GotFocus()
{
    if (TabDatosColocacion.Tab() != 1) {
        ponPestana(TabDatosColocacion, 1);
    }
    if (Vacio(edTipoCuna0.Text())) {
        ponTexto(edTipoCuna0, edTipoCuna0.List(0));
        m_estado.tramo.vICUNA = 1;
    }
}

void CapturaDatos::edTipoCuna0_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
    const std::int16_t anterior = t.vICUNA;
    const auto rechaza = [&](std::int32_t texto) {
        mensajes().Muestra(Texto(d, texto), BotonesMensaje::Aceptar, IconoMensaje::Ninguno,
                           SinDosPuntos(Texto(d, TextoTipoApoyo)));
        Cancel = true;
        t.vICUNA = 1;
    };
    if (Vacio(edTipoCuna0.Text())) {
        rechaza(TextoDatoRequerido);
    } else {
        t.vICUNA = static_cast<std::int16_t>(EntradaIgual(edTipoCuna0));
        if (t.vICUNA == 0) {
            rechaza(TextoValorIncorrecto);
        }
    }
    CargaFiguraColocacion();
    ponTexto(edTipoCuna0, edTipoCuna0.List(t.vICUNA - 1));
    if (t.vICUNA != anterior) {
        MarcaConAjustes();
    }
}

void CapturaDatos::edTipoRelleno0_Click()
{
    EligeEnLista(*this, edTipoRelleno0);
}

void CapturaDatos::edTipoRelleno0_GotFocus()
{
    if (rdTipoColocacion.Value(0) && Vacio(edTipoRelleno0.Text())) {
        ponTexto(edTipoRelleno0, edTipoRelleno0.List(2));
        m_estado.tramo.TipoRelleno = RellenoArenaArcillosa;
    }
}

void CapturaDatos::edTipoRelleno0_Validate(bool &Cancel)
{
    // Only a trench uses the fill soil; the run check decides what another installation keeps.
    if (rdTipoColocacion.Value(1) || rdTipoColocacion.Value(2)) {
        return;
    }
    DatosTramo &t = m_estado.tramo;
    const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
    const std::int16_t anterior = t.TipoRelleno;
    const auto rechaza = [&](std::int32_t texto) {
        mensajes().Muestra(Texto(d, texto), BotonesMensaje::Aceptar, IconoMensaje::Ninguno,
                           SinDosPuntos(Texto(d, TextoTipoRelleno)));
        Cancel = true;
        ponTexto(edTipoRelleno0, edTipoRelleno0.List(2));
        t.TipoRelleno = RellenoArenaArcillosa;
    };
    if (Vacio(edTipoRelleno0.Text())) {
        rechaza(TextoDatoRequerido);
        return;
    }
    const int entrada = EntradaIgual(edTipoRelleno0);
    if (entrada < 1 || entrada > static_cast<int>(CodigosRelleno.size())) {
        rechaza(TextoValorIncorrecto);
        return;
    }
    t.TipoRelleno = CodigosRelleno[static_cast<std::size_t>(entrada - 1)];
    if (t.TipoRelleno != anterior) {
        MarcaConAjustes();
    }
}

void CapturaDatos::rdGolpeAriete_Click(int Index)
{
    // A project-level setting: it changes the header, not the run.
    m_estado.obra.CabeceraModificada = true;
    if (Index != 1 || m_estado.obra.AbrirObraExistente != Falso || !rdGolpeAriete.Value(1)) {
        return;
    }
    const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
    if (mensajes().Muestra(Texto(d, TextoGolpeArieteNoCalculado), BotonesMensaje::SiNo,
                           IconoMensaje::Pregunta, Texto(d, TextoAviso)) == RespuestaMensaje::No) {
        ponValor(rdGolpeAriete, 0, true);
    }
}

void CapturaDatos::edFYKPost_GotFocus()
{
    const CampoNumerico &campo = *BuscaCampo("edFYKPost");
    EntraCampoNumerico(*this, campo);
}

void CapturaDatos::edFYKPost_Validate(bool &Cancel)
{
    const CampoNumerico &campo = *BuscaCampo("edFYKPost");
    SaleCampoNumerico(*this, campo, 0.001, TextoResistenciaAcero, Cancel);
}

} // namespace dravek
