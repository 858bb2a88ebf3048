// Handlers of the material boxes of both typologies: reinforced concrete (strengths, partial
// factor, cylinder sheet, outer-reinforcement ceiling, control level, cylinder kind) and
// post-tensioned concrete (cylinder sheet, moduli, strengths, stresses, coefficients).

#include "core/entry/AyudasManejadores.h"
#include "core/entry/CambioTipologia.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/PatronCampos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextosComunes.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace dravek {

using namespace manejadores;

namespace {

constexpr double ArmaduraExteriorLimite = 35.06; // cm2/m: 31 bars of 12 mm in two layers
constexpr double FckMinimo = 275.0;              // kp/cm2; raised to it with a warning
constexpr double FraccionTesado = 0.75;          // Sf follows 75 % of SFck

constexpr std::int32_t TextoUnidadMPa = 140;
constexpr std::int32_t TextoUnidadKpCm2 = 141;
constexpr std::int32_t TextoArmaduraExteriorMayor = 509;
constexpr std::int32_t TextoRedondosDoce = 510;
constexpr std::int32_t TextoDosCapas = 511;
constexpr std::int32_t TextoContinua = 512;
constexpr std::int32_t TextoValorMinimo = 516;

// The plain leave check of a numeric box with a default: a refused text puts the default back.
// The box then shows its variable through its mask. True when accepted.
bool SalePlano(CapturaDatos &v, std::string_view caja, double minimo, const std::string &caption,
               bool &Cancel)
{
    const CampoNumerico &campo = Campo(caja);
    EstadoObra &e = v.estado();
    double &variable = campo.variable.de(e);
    const bool aceptado = Comprueba(v, campo.control(v), minimo, variable, caption);
    if (!aceptado) {
        Cancel = true;
        if (campo.defecto) {
            variable = campo.defectoEn(EnSI(e.ejecucion));
        }
    }
    Muestra(v, campo.control(v), variable, campo.mascara(EnSI(e.ejecucion)));
    return aceptado;
}

void CalculaFct(CapturaDatos &v)
{
    DatosTramo &t = v.estado().tramo;
    const bool si = EnSI(v.estado().ejecucion);
    t.Fct = FctDeFck(t.FCK, si);
    Muestra(v, v.edFct, t.Fct, Campo("edFct").mascara(si));
}

// Caption of the tensioning stress, with the value its box shows.
void EtiquetaTesado(CapturaDatos &v)
{
    const std::string valor = Recorta(v.edSf.Text());
    v.lbEtiquetas(78).Caption = T(v, 207) + "(" + valor + ")";
}

void MuestraPagina(Pestanas &pestanas, int pagina)
{
    if (pestanas.Tab() != pagina) {
        ponPestana(pestanas, pagina);
    }
}

} // namespace

// Reinforced concrete.

void CapturaDatos::edFck_GotFocus()
{
    // On the post-tensioned page the box is not shown.
    if (TabTipologia.Tab() == 1) {
        SetFocus(edDelca);
        return;
    }
    if (Vacio(edFck.Text())) {
        EntraCampoNumerico(*this, Campo("edFck"));
        CalculaFct(*this);
    }
}

void CapturaDatos::edFck_Validate(bool &Cancel)
{
    const bool si = EnSI(m_estado.ejecucion);
    const double minimo = si ? FckMinimo / FactorTensiones : FckMinimo;
    const std::string unidad = T(*this, si ? TextoUnidadMPa : TextoUnidadKpCm2);
    SalePlano(*this, "edFck", 0.001, T(*this, TextoResistenciaHormigon), Cancel);
    DatosTramo &t = m_estado.tramo;
    if (t.FCK < minimo) {
        Avisa(*this,
              T(*this, TextoAviso) + ": " + T(*this, TextoValorMinimo) + " " +
                  NumeroSimple(minimo, estado().ejecucion.SeparadorDecimalLocal) + " " + unidad,
              T(*this, TextoResistenciaHormigon));
        t.FCK = minimo;
    }
    Muestra(*this, edFck, t.FCK, Campo("edFck").mascara(si));
    CalculaFct(*this);
}

void CapturaDatos::edFyk_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edFyk"));
    m_FykAnterior = TextoANumero(m_estado.ejecucion, edFyk.Text()).value_or(0.0);
}

void CapturaDatos::edFyk_Validate(bool &Cancel)
{
    SalePlano(*this, "edFyk", 0.001, T(*this, TextoResistenciaAcero), Cancel);
    DatosTramo &t = m_estado.tramo;
    // A design strength typed by hand survives a visit that leaves Fyk as it was.
    if (t.Fyk != m_FykAnterior) {
        t.Fyd = 2.0 * t.Fyk / 3.0;
        Muestra(*this, edFyd, t.Fyd, Campo("edFyd").mascara(EnSI(m_estado.ejecucion)));
    }
}

void CapturaDatos::edFyd_GotFocus()
{
    DatosTramo &t = m_estado.tramo;
    if (Vacio(edFyd.Text())) {
        t.Fyd = 2.0 * t.Fyk / 3.0;
        Muestra(*this, edFyd, t.Fyd, Campo("edFyd").mascara(EnSI(m_estado.ejecucion)));
    }
}

void CapturaDatos::edFyd_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    const std::string_view mascara = Campo("edFyd").mascara(EnSI(m_estado.ejecucion));
    if (!Comprueba(*this, edFyd, 0.001, t.Fyd, T(*this, TextoResistenciaCalculoAcero))) {
        Cancel = true;
        t.Fyd = 2.0 * t.Fyk / 3.0;
        Muestra(*this, edFyd, t.Fyd, mascara);
        return;
    }
    Muestra(*this, edFyd, t.Fyd, mascara);
    if (CompruebaTensionAcero(*this) == 1) {
        Cancel = true;
        Muestra(*this, edFyd, t.Fyd, mascara);
    }
}

void CapturaDatos::edGamaB_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edGamaB"));
}

void CapturaDatos::edGamaB_Validate(bool &Cancel)
{
    // This caption is the same in every language.
    SalePlano(*this, "edGamaB", 0.001, "Coeficiente Minoración del Hormigón", Cancel);
}

void CapturaDatos::edCamMax_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edCamMax"));
}

void CapturaDatos::edCamMax_Validate(bool &Cancel)
{
    SalePlano(*this, "edCamMax", 0, T(*this, TextoEspesorMaximoCamisa), Cancel);
}

void CapturaDatos::edAdato_GotFocus() {}

void CapturaDatos::edAdato_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    // This caption is the same in every language; a refused value stays.
    if (!Comprueba(*this, edAdato, 0.001, t.ArmaduraExteriorMaxima,
                   "Valor Máximo Armadura Exterior")) {
        Cancel = true;
    }
    Muestra(*this, edAdato, t.ArmaduraExteriorMaxima, "#####0.000");
    if (t.ArmaduraExteriorMaxima > ArmaduraExteriorLimite) {
        const std::string pregunta = T(*this, TextoArmaduraExteriorMayor) + "\n" +
                                     T(*this, TextoRedondosDoce) + "\n" + T(*this, TextoDosCapas) +
                                     " " + T(*this, TextoContinua);
        if (mensajes().Muestra(pregunta, BotonesMensaje::SiNo, IconoMensaje::Ninguno,
                               T(*this, TextoAviso)) == RespuestaMensaje::No) {
            Cancel = true;
        }
    }
}

void CapturaDatos::edIcontes0_Click()
{
    if (m_estado.ejecucion.Cargando) {
        return;
    }
    DatosTramo &t = m_estado.tramo;
    if (edIcontes0.Value() != EstadoCasilla::Marcada) {
        edAdato.Visible = false;
        edAdato.BackColor = ColorFondo::Cerrado;
        ponTexto(edAdato, "");
        lbEtiquetas(8).Visible = false;
        t.ArmaduraExteriorMaxima = 0;
        if (t.FijaArmaduraExterior != Falso) {
            MarcaConAjustes();
        }
        t.FijaArmaduraExterior = Falso;
    } else {
        edAdato.Visible = true;
        edAdato.BackColor = ColorFondo::Editable;
        if (t.FijaArmaduraExterior == Falso) {
            MarcaConAjustes();
        }
        t.FijaArmaduraExterior = Verdadero;
        lbEtiquetas(8).Visible = true;
    }
}

void CapturaDatos::edTipoControl_GotFocus()
{
    EntraCampoCodigo(*this, CampoLista("edTipoControl"));
}

void CapturaDatos::edTipoControl_Validate(bool &Cancel)
{
    SaleCampoCodigo(*this, CampoLista("edTipoControl"), TextoTipoControl, Cancel);
}

void CapturaDatos::edTipoControl_Click()
{
    EligeEnLista(*this, edTipoControl);
}

void CapturaDatos::edTipoCamisa_GotFocus()
{
    EntraCampoCodigo(*this, CampoLista("edTipoCamisa"));
}

void CapturaDatos::edTipoCamisa_Validate(bool &Cancel)
{
    SaleCampoCodigo(*this, CampoLista("edTipoCamisa"), TextoIndicadorCamisa, Cancel);
}

void CapturaDatos::edTipoCamisa_Click()
{
    EligeEnLista(*this, edTipoCamisa);
}

// Post-tensioned concrete.

void CapturaDatos::edDelca_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edDelca"));
}

void CapturaDatos::edDelca_Validate(bool &Cancel)
{
    SalePlano(*this, "edDelca", 0.001, T(*this, TextoEspesorMaximo), Cancel);
}

void CapturaDatos::edEs_GotFocus()
{
    MuestraPagina(TabPostesados, 0);
    EntraCampoNumerico(*this, Campo("edEs"));
}

void CapturaDatos::edEs_Validate(bool &Cancel)
{
    SalePlano(*this, "edEs", 0.001, T(*this, TextoModuloElasticidadAcero), Cancel);
}

void CapturaDatos::edEp_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edEp"));
}

void CapturaDatos::edEp_Validate(bool &Cancel)
{
    SalePlano(*this, "edEp", 0.001, T(*this, TextoModuloElasticidadAlambre), Cancel);
}

void CapturaDatos::edFckno_GotFocus()
{
    MuestraPagina(TabPostesados, 1);
    EntraCampoNumerico(*this, Campo("edFckno"));
}

void CapturaDatos::edFckno_Validate(bool &Cancel)
{
    SalePlano(*this, "edFckno", 0.001, T(*this, TextoResistenciaPrimarioZunchar), Cancel);
}

void CapturaDatos::edFckn_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edFckn"));
}

void CapturaDatos::edFckn_Validate(bool &Cancel)
{
    SalePlano(*this, "edFckn", 0.001, T(*this, TextoResistenciaPrimarioFinal), Cancel);
}

void CapturaDatos::edFckr_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edFckr"));
}

void CapturaDatos::edFckr_Validate(bool &Cancel)
{
    SalePlano(*this, "edFckr", 0.001, T(*this, TextoResistenciaRevestimiento), Cancel);
}

void CapturaDatos::edSFck_GotFocus()
{
    MuestraPagina(TabPostesados, 2);
    EntraCampoNumerico(*this, Campo("edSFck"));
    m_estado.ejecucion.SFckModificado = false;
}

void CapturaDatos::edSFck_Validate(bool &Cancel)
{
    SalePlano(*this, "edSFck", 0, T(*this, TextoTensionRoturaAlambre), Cancel);
    DatosTramo &t = m_estado.tramo;
    // A tensioning stress typed by hand survives a visit that leaves SFck as it was.
    if (m_estado.ejecucion.SFckModificado) {
        t.Sf = FraccionTesado * t.SFck;
        Muestra(*this, edSf, t.Sf, "######0");
        EtiquetaTesado(*this);
    }
}

void CapturaDatos::edSf_GotFocus()
{
    DatosTramo &t = m_estado.tramo;
    if (Vacio(edSf.Text())) {
        t.Sf = FraccionTesado * t.SFck;
        Muestra(*this, edSf, t.Sf, "#####0");
    }
}

void CapturaDatos::edSf_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (!Comprueba(*this, edSf, 1e-10, t.Sf, T(*this, TextoTensionTesado))) {
        Cancel = true;
        t.Sf = FraccionTesado * t.SFck;
    }
    Muestra(*this, edSf, t.Sf, "#####0");
    EtiquetaTesado(*this);
}

void CapturaDatos::edRel_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edRel"));
}

void CapturaDatos::edRel_Validate(bool &Cancel)
{
    SalePlano(*this, "edRel", 0, T(*this, TextoRelajacionFinal), Cancel);
}

void CapturaDatos::edFic_GotFocus()
{
    MuestraPagina(TabPostesados, 3);
    EntraCampoNumerico(*this, Campo("edFic"));
}

void CapturaDatos::edFic_Validate(bool &Cancel)
{
    SalePlano(*this, "edFic", 0.001, T(*this, TextoFluenciaPrimario), Cancel);
}

void CapturaDatos::edFir_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edFir"));
}

void CapturaDatos::edFir_Validate(bool &Cancel)
{
    SalePlano(*this, "edFir", 0.001, T(*this, TextoFluenciaRevestimiento), Cancel);
}

void CapturaDatos::edEpsc_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edEpsc"));
}

void CapturaDatos::edEpsc_Validate(bool &Cancel)
{
    SalePlano(*this, "edEpsc", 0.0001, T(*this, TextoRetraccionPrimario), Cancel);
}

void CapturaDatos::edEpsr_GotFocus()
{
    EntraCampoNumerico(*this, Campo("edEpsr"));
}

void CapturaDatos::edEpsr_Validate(bool &Cancel)
{
    if (!SalePlano(*this, "edEpsr", 0.0001, T(*this, TextoRetraccionRevestimiento), Cancel)) {
        return;
    }
    // The last material: the window moves on to the laying data.
    ponPestana(TabPrincipal, 2);
    ponPestana(TabDatosColocacion, 0);
    SetFocus(TabPrincipal);
}

void CapturaDatos::edCoepre1_GotFocus() {}

void CapturaDatos::edCoepre1_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    // No default: a refused value stays.
    if (!Comprueba(*this, edCoepre1, 0.001, t.CoefPresionPrimario,
                   T(*this, TextoCoeficientePresion))) {
        Cancel = true;
    }
    Muestra(*this, edCoepre1, t.CoefPresionPrimario, "#####0.000");
}

void CapturaDatos::edIcontes1_Click()
{
    if (m_estado.ejecucion.Cargando) {
        return;
    }
    DatosTramo &t = m_estado.tramo;
    if (edIcontes1.Value() != EstadoCasilla::Marcada) {
        edCoepre1.Visible = false;
        edCoepre1.BackColor = ColorFondo::Cerrado;
        ponTexto(edCoepre1, "");
        lbEtiquetas(7).Visible = false;
        t.CoefPresionPrimario = 0;
        t.FijaPresionPrimario = Falso;
    } else {
        edCoepre1.Visible = true;
        edCoepre1.BackColor = ColorFondo::Editable;
        lbEtiquetas(7).Visible = true;
        t.FijaPresionPrimario = Verdadero;
    }
    MarcaModificado();
}

} // namespace dravek
