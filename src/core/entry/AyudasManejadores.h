#pragma once

// What the field handlers of the data-entry window share: the unit system shown, the numeric
// check of a box with its caption, showing a value through a mask, and the open and closed
// states of a box.

#include "core/entry/AyudasCaptura.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/LimitesCampos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/validation/FuncionesGenerales.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dravek::manejadores {

using captura::EnSI;
using captura::Formato;
using captura::Muestra;
using captura::T;
using captura::Vacio;

// Shows the value, or blanks the box when it is 0 (a run value of 0 means the project's).
inline void MuestraOBlanco(CapturaDatos &v, ControlTexto &caja, double valor,
                           std::string_view mascara)
{
    ponTexto(caja, valor != 0 ? Formato(v, valor, mascara) : std::string());
}

// ValidaNumero on the box's text, read as strictly as its key filter types it, then the
// physical bounds of the box's quantity (a number outside them leaves the variable as it was).
inline bool Comprueba(CapturaDatos &v, const ControlTexto &caja, double minimo, double &variable,
                      const std::string &caption)
{
    const double anterior = variable;
    return ValidaNumero(v.estado().ejecucion, v.mensajes(), minimo, caja.Text(), variable, caption,
                        LecturaNumero::Estricta) &&
           CompruebaLimitesCaja(v, caja.Name(), variable, anterior, caption);
}

// A message with an OK button and no icon; an empty title shows the application's.
inline void Avisa(CapturaDatos &v, const std::string &texto, const std::string &titulo = {})
{
    v.mensajes().Muestra(texto, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, titulo);
}

inline const CampoNumerico &Campo(std::string_view caja)
{
    return *BuscaCampo(caja);
}

inline const CampoCodigo &CampoLista(std::string_view lista)
{
    return *BuscaCampoCodigo(lista);
}

} // namespace dravek::manejadores
