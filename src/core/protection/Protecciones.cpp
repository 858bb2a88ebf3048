#include "core/protection/Protecciones.h"

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/validation/FuncionesGenerales.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <utility>

namespace dravek {

namespace {

constexpr const char *MascaraAgresividad = "######0.00";
constexpr double PHNeutro = 7;

} // namespace

Protecciones::Protecciones(EstadoObra &estado, Mensajes &mensajes, SalidaListado &salida,
                           TrabajoImpresion &trabajo)
    : m_estado(estado), m_mensajes(mensajes), m_salida(salida), m_trabajo(trabajo)
{
    for (int i = 0; i < NumeroEntradasAgresividad; ++i) {
        CajaTexto &caja = txpH[static_cast<std::size_t>(i)];
        caja.GotFocus = [this, i] { txpH_GotFocus(i); };
        caja.KeyPress = [this, i](std::int32_t &KeyAscii) { txpH_KeyPress(i, KeyAscii); };
        caja.Validate = [this, i](bool &Cancel) { txpH_Validate(i, Cancel); };
        lbAguas(i);
        lbUnidadesAgres(i);
    }
    btCalculoAgres.Click = [this] { btCalculoAgres_Click(); };
    btImprimeAgres.Click = [this] { btImprimeAgres_Click(); };
    btCerrarAgres.Click = [this] { btCerrarAgres_Click(); };
    // Closing is always within reach, whatever a box holds: its check is not run.
    btCerrarAgres.CausesValidation = false;
    // The note and the report are read, not typed.
    lbNota.Locked = true;
    edResultadoAgres.Locked = true;
}

std::string Protecciones::T(std::int32_t n) const
{
    return Texto(m_estado.ejecucion.DesplazamientoIdioma, n);
}

std::string Protecciones::Formatea(double valor) const
{
    return FormateaMascara(valor, MascaraAgresividad, m_estado.ejecucion.SeparadorDecimalLocal);
}

void Protecciones::Form_Load()
{
    Caption = T(710);
    Frame1.Caption = T(711);
    Frame2.Caption = T(712);
    ponTexto(lbNota, T(714));
    Frame3.Caption = T(715);
    Check1.Caption = T(716);
    Frame4.Caption = T(717);
    Frame5.Caption = T(720);
    // The chemical names and most units are the same in every language; the table gives them
    // all, so the report prints exactly what the window shows.
    const EtiquetasAgresividad e =
        EtiquetasAgresividadIdioma(m_estado.ejecucion.DesplazamientoIdioma);
    for (int i = 0; i < NumeroEntradasAgresividad; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lbAguas(i).Caption = e.lbAguas[k];
        lbUnidadesAgres(i).Caption = e.lbUnidadesAgres[k];
    }

    btCalculoAgres.Caption = T(722);
    btImprimeAgres.Caption = T(723);
    btCerrarAgres.Caption = T(724);
    btCalculoAgres.ToolTipText = T(959);
    btImprimeAgres.ToolTipText = T(960);
    btCerrarAgres.ToolTipText = T(961);

    m_ficheroNotas = m_estado.ejecucion.RutaAplicacion + T(410);
    // A missing or unreadable notes file leaves the example in place, and nothing is said.
    if (std::optional<DocumentoRico> notas = LeeFicheroTextoRico(m_ficheroNotas)) {
        m_nota = std::move(*notas);
    } else {
        m_nota = DocumentoRico::DeTextoPlano(lbNota.Text());
    }
    ponTexto(lbNota, m_nota.TextoPlano());
    ponTexto(edResultadoAgres, "");
    for (CajaTexto &caja : txpH) {
        ponTexto(caja, "");
    }
    // The first control that can take the focus.
    SetFocus(txpH[ElementoPH]);
}

std::vector<Control *> Protecciones::OrdenTabulacion()
{
    return {&txpH[0],        &txpH[1],        &txpH[2],      &txpH[3], &txpH[4],
            &txpH[8],        &txpH[5],        &Check1,       &txpH[6], &txpH[7],
            &btCalculoAgres, &btImprimeAgres, &btCerrarAgres};
}

void Protecciones::txpH_GotFocus(int Index)
{
    CajaTexto &caja = txpH[static_cast<std::size_t>(Index)];
    if (Recorta(caja.Text()).empty()) {
        // The value the box shows is the value it holds: a leave refused later puts it back.
        const double omision = Index == ElementoPH ? PHNeutro : 0.0;
        m_ValoresAgresividad[static_cast<std::size_t>(Index)] = omision;
        ponTexto(caja, Formatea(omision));
    }
    m_seleccion = &caja;
}

void Protecciones::txpH_KeyPress(int Index, std::int32_t &KeyAscii)
{
    // The key filter would drop the sign and keep the digits: -5 typed became 5. The engineer
    // is told instead.
    if (KeyAscii == '-') {
        KeyAscii = 0;
        m_mensajes.Muestra(
            MensajeCota(m_estado.ejecucion, false, Limite(MagnitudAgresividad(Index)).minimo),
            BotonesMensaje::Aceptar, IconoMensaje::Ninguno, lbAguas(Index).Caption);
        return;
    }
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii,
                        txpH[static_cast<std::size_t>(Index)].Text());
}

void Protecciones::txpH_Validate(int Index, bool &Cancel)
{
    const auto k = static_cast<std::size_t>(Index);
    CajaTexto &caja = txpH[k];
    const double anterior = m_ValoresAgresividad[k];
    // Every number read goes to the physical bounds of the input, which refuse a negative one
    // as well, naming the bound: a pH of 657 or a concentration typed with its decimal
    // separator lost is refused instead of graded.
    bool valido =
        ValidaNumero(m_estado.ejecucion, m_mensajes, std::numeric_limits<double>::lowest(),
                     caja.Text(), m_ValoresAgresividad[k], lbAguas(Index).Caption);
    if (valido &&
        !CompruebaLimiteFisico(m_estado.ejecucion, m_mensajes, MagnitudAgresividad(Index),
                               m_ValoresAgresividad[k], lbAguas(Index).Caption)) {
        // The box shows what it holds again, not the number it refused.
        m_ValoresAgresividad[k] = anterior;
        valido = false;
    }
    if (!valido) {
        Cancel = true;
        m_seleccion = &caja;
    }
    ponTexto(caja, Formatea(m_ValoresAgresividad[k]));
}

EtiquetasAgresividad Protecciones::Etiquetas()
{
    EtiquetasAgresividad e;
    for (int i = 0; i < NumeroEntradasAgresividad; ++i) {
        const auto k = static_cast<std::size_t>(i);
        e.lbAguas[k] = lbAguas(i).Caption;
        e.lbUnidadesAgres[k] = lbUnidadesAgres(i).Caption;
    }
    e.Frame2 = Frame2.Caption;
    e.Frame3 = Frame3.Caption;
    e.Frame4 = Frame4.Caption;
    e.Frame5 = Frame5.Caption;
    e.Check1 = Check1.Caption;
    return e;
}

void Protecciones::CalculaAgresividad(bool PorImpresora)
{
    // The printer the engineer chose, or a PDF file: cancelled, nothing is printed.
    if (PorImpresora && !m_trabajo.Empieza()) {
        return;
    }
    EntradasAgresividad entradas;
    for (std::size_t i = 0; i < txpH.size(); ++i) {
        entradas.txpH[i] = txpH[i].Text();
    }
    entradas.Check1 = Check1.Value() == EstadoCasilla::Marcada;
    std::string texto = edResultadoAgres.Text();
    const InformeAgresividad informe = ::dravek::CalculaAgresividad(
        m_estado, m_salida, m_mensajes, Etiquetas(), entradas, PorImpresora, texto);
    ponTexto(edResultadoAgres, texto);
    // Half a report, or none, is not handed to the printer or left in the file.
    if (PorImpresora && informe.resultado != ResultadoAgresividad::Escrito) {
        m_trabajo.Aborta();
    }
    if (informe.resultado == ResultadoAgresividad::EntradaIncorrecta) {
        CajaTexto &caja = txpH[static_cast<std::size_t>(informe.elementoIncorrecto)];
        SetFocus(caja);
        m_seleccion = &caja;
    }
}

void Protecciones::btCalculoAgres_Click()
{
    CalculaAgresividad(false);
}

void Protecciones::btImprimeAgres_Click()
{
    CalculaAgresividad(true);
}

void Protecciones::btCerrarAgres_Click()
{
    m_descargada = true;
}

} // namespace dravek
