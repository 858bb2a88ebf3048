#include "core/entry/PatronCampos.h"

#include "core/entry/AyudasCaptura.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/LimitesCampos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/validation/FuncionesGenerales.h"

#include <string>

namespace dravek {

namespace {

constexpr std::int32_t TextoDatoRequerido = 518; // "Dato Requerido"

using captura::EnSI;
using captura::Vacio;
void Muestra(CapturaDatos &v, const CampoNumerico &campo)
{
    const EstadoEjecucion &ejecucion = v.estado().ejecucion;
    ponTexto(campo.control(v),
             FormateaMascara(campo.variable.de(v.estado()), campo.mascara(EnSI(ejecucion)),
                             ejecucion.SeparadorDecimalLocal));
}

void PonDefectoCodigo(CapturaDatos &v, const CampoCodigo &campo)
{
    Lista &lista = campo.control(v);
    const int p = campo.posicionDefecto;
    ponTexto(lista, p >= 0 ? lista.List(p) : std::string());
    v.estado().tramo.*campo.variable =
        p >= 0 ? campo.codigos[static_cast<std::size_t>(p)] : std::int16_t{0};
}

} // namespace

void EntraCampoNumerico(CapturaDatos &v, const CampoNumerico &campo)
{
    if (!campo.defecto || !Vacio(campo.control(v).Text())) {
        return;
    }
    campo.variable.de(v.estado()) = campo.defectoEn(EnSI(v.estado().ejecucion));
    Muestra(v, campo);
}

bool SaleCampoNumerico(CapturaDatos &v, const CampoNumerico &campo, double minimo,
                       std::int32_t textoCaption, bool &Cancel)
{
    EstadoObra &e = v.estado();
    double &variable = campo.variable.de(e);
    const std::string caption = Texto(e.ejecucion.DesplazamientoIdioma, textoCaption);
    const double anterior = variable;
    const bool aceptado = ValidaNumero(e.ejecucion, v.mensajes(), minimo, campo.control(v).Text(),
                                       variable, caption, LecturaNumero::Estricta) &&
                          CompruebaLimitesCaja(v, campo.caja, variable, anterior, caption);
    if (!aceptado) {
        Cancel = true;
        if (campo.defecto) {
            variable = campo.defectoEn(EnSI(e.ejecucion));
        }
    }
    Muestra(v, campo);
    return aceptado;
}

void EntraCampoCodigo(CapturaDatos &v, const CampoCodigo &campo)
{
    if (campo.posicionDefecto >= 0 && Vacio(campo.control(v).Text())) {
        PonDefectoCodigo(v, campo);
    }
}

bool SaleCampoCodigo(CapturaDatos &v, const CampoCodigo &campo, std::int32_t textoCaption,
                     bool &Cancel)
{
    EstadoObra &e = v.estado();
    std::int16_t &variable = e.tramo.*campo.variable;
    const std::int16_t anterior = variable;
    Lista &lista = campo.control(v);
    const std::string caption = Texto(e.ejecucion.DesplazamientoIdioma, textoCaption);
    const auto rechaza = [&](std::int32_t texto) {
        v.mensajes().Muestra(Texto(e.ejecucion.DesplazamientoIdioma, texto),
                             BotonesMensaje::Aceptar, IconoMensaje::Ninguno, caption);
        Cancel = true;
        PonDefectoCodigo(v, campo);
        return false;
    };
    if (Vacio(lista.Text())) {
        return rechaza(TextoDatoRequerido);
    }
    // Compared exactly, untrimmed; of two equal entries the last one counts.
    int posicion = -1;
    for (int p = 0; p < lista.ListCount() && p < campo.entradas; ++p) {
        if (lista.Text() == lista.List(p)) {
            posicion = p;
        }
    }
    if (posicion < 0) {
        return rechaza(TextoValorIncorrecto);
    }
    variable = campo.codigos[static_cast<std::size_t>(posicion)];
    if (variable != anterior) {
        e.ejecucion.DatosModificados = true;
        v.AnulaAjustesTramo();
    }
    return true;
}

void EligeEnLista(CapturaDatos &v, Lista &lista)
{
    if (v.estado().ejecucion.Cargando || !lista.Validate) {
        return;
    }
    bool Cancel = false;
    lista.Validate(Cancel);
}

} // namespace dravek
