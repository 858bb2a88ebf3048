#include "core/hydraulics/CalculoHidraulico.h"

#include "core/hydraulics/ListadosHidraulicos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/plataforma/Impresora.h"
#include "core/validation/FuncionesGenerales.h"

#include <limits>
#include <optional>

namespace dravek {

namespace {

constexpr std::int32_t TxVentana = 750;
constexpr std::int32_t TxMetodo = 751;
constexpr std::int32_t TxTipoDato = 752;
constexpr std::int32_t TxOpcionPendiente = 753;
constexpr std::int32_t TxOpcionCaudal = 754;
constexpr std::int32_t TxCalcular = 757;
constexpr std::int32_t TxImprimir = 758;
constexpr std::int32_t TxCerrar = 759;
constexpr std::int32_t TxRugosidadKa = 760;
constexpr std::int32_t TxRugosidadKs = 761;
constexpr std::int32_t TxOmisionHazen = 762;
constexpr std::int32_t TxCoeficienteHazen = 763;
constexpr std::int32_t TxPendiente = 764;
constexpr std::int32_t TxCaudal = 765;
constexpr std::int32_t TxError = 766;
constexpr std::int32_t TxDebeCapturar = 767;
constexpr std::int32_t TxElValorDe = 768;
constexpr std::int32_t TxMayorQueCero = 769;
constexpr std::int32_t TxNotaHazen = 795;
constexpr std::int32_t TxNotaHormigon = 796;
constexpr std::int32_t TxNotaLocalizadas = 797;
constexpr std::int32_t TxAyudaCalcular = 942;
constexpr std::int32_t TxAyudaImprimir = 943;
constexpr std::int32_t TxAyudaCerrar = 944;
constexpr std::int32_t TxImpresionFallida = 1200;

// Decimals a field may grow to while its value does not read back the same.
constexpr int DecimalesMaximos = 20;

// Every number is read by the fields' own checks: the physical bounds refuse a negative one,
// naming the bound.
constexpr double NumeroMinimo = std::numeric_limits<double>::lowest();

} // namespace

CalculoHidraulico::CalculoHidraulico(EstadoObra &estado, Mensajes &mensajes, SalidaListado &salida,
                                     TrabajoImpresion &trabajo)
    : m_estado(estado), m_mensajes(mensajes), m_salida(salida), m_trabajo(trabajo)
{
    lbTextoAyuda.Locked = true;
    edPantallaCh.Locked = true;
    // Closing is always within reach, whatever a field holds: its check is not run.
    btCerrarHidraulico.CausesValidation = false;
    rdTipoCalculo.Click = [this](int Index) { rdTipoCalculo_Click(Index); };
    rdTipoDato.Click = [this](int Index) { rdTipoDato_Click(Index); };
    txDatoOrigen.GotFocus = [this] { txDatoOrigen_GotFocus(); };
    txDatoOrigen.KeyPress = [this](std::int32_t &KeyAscii) { txDatoOrigen_KeyPress(KeyAscii); };
    txDatoOrigen.Validate = [this](bool &Cancel) { txDatoOrigen_Validate(Cancel); };
    txRugosidad.GotFocus = [this] { txRugosidad_GotFocus(); };
    txRugosidad.KeyPress = [this](std::int32_t &KeyAscii) { txRugosidad_KeyPress(KeyAscii); };
    txRugosidad.Validate = [this](bool &Cancel) { txRugosidad_Validate(Cancel); };
    btCalculoHidraulico.Click = [this] { btCalculoHidraulico_Click(); };
    btImprimeCh.Click = [this] { btImprimeCh_Click(); };
    btCerrarHidraulico.Click = [this] { btCerrarHidraulico_Click(); };
}

std::string CalculoHidraulico::T(std::int32_t n) const
{
    return Texto(m_estado.ejecucion.DesplazamientoIdioma, n);
}

void CalculoHidraulico::Error(const std::string &texto)
{
    m_mensajes.Muestra(texto, BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, T(TxError));
}

std::string CalculoHidraulico::Muestra(double valor, int decimales) const
{
    const std::string &separador = m_estado.ejecucion.SeparadorDecimalLocal;
    std::string texto;
    for (int d = decimales; d <= DecimalesMaximos; ++d) {
        texto = FormateaMascara(valor, "######0." + std::string(static_cast<std::size_t>(d), '0'),
                                separador);
        const std::optional<double> leido = ConvierteNumeroLocal(texto, separador);
        if (leido && *leido == valor) {
            break;
        }
    }
    return texto;
}

void CalculoHidraulico::Form_Load()
{
    Caption = T(TxVentana);
    frTipoCalculo.Caption = T(TxMetodo);
    frTipoDato.Caption = T(TxTipoDato);
    rdTipoDato[DatoPendiente].Caption = T(TxOpcionPendiente);
    rdTipoDato[DatoCaudal].Caption = T(TxOpcionCaudal);
    btCalculoHidraulico.Caption = T(TxCalcular);
    btImprimeCh.Caption = T(TxImprimir);
    btCerrarHidraulico.Caption = T(TxCerrar);
    btCalculoHidraulico.ToolTipText = T(TxAyudaCalcular);
    btImprimeCh.ToolTipText = T(TxAyudaImprimir);
    btCerrarHidraulico.ToolTipText = T(TxAyudaCerrar);
    // The formulas are named alike in every language.
    rdTipoCalculo[FormulaPrandtlColebrook].Caption = "PRANDTL - COLEBROOK";
    rdTipoCalculo[FormulaDarcyWeisbach].Caption = "DARCY - WEISSBACH";
    rdTipoCalculo[FormulaHazenWilliams].Caption = "HAZEN - WILLIAMS";

    ponValor(rdTipoCalculo, FormulaDarcyWeisbach, true);
    PonRugosidad();
    ponValor(rdTipoDato, DatoPendiente, true);
    PonDatoOrigen();
    PoneBotones(false);
}

void CalculoHidraulico::PonRugosidad()
{
    const std::string &separador = m_estado.ejecucion.SeparadorDecimalLocal;
    switch (rdTipoCalculo.Seleccionada()) {
    case FormulaPrandtlColebrook:
        ponTexto(txRugosidad, "0" + separador + "060");
        lbOmision.Caption = "(0" + separador + "060)";
        m_datos.Rugosidad = 0.06;
        lbRugosidad.Caption = T(TxRugosidadKs);
        break;
    case FormulaDarcyWeisbach:
        ponTexto(txRugosidad, "0" + separador + "050");
        lbOmision.Caption = "(0" + separador + "050)";
        m_datos.Rugosidad = 0.05;
        lbRugosidad.Caption = T(TxRugosidadKa);
        break;
    case FormulaHazenWilliams:
        ponTexto(txRugosidad, "0");
        lbOmision.Caption = T(TxOmisionHazen);
        m_datos.Rugosidad = 0;
        lbRugosidad.Caption = T(TxCoeficienteHazen);
        break;
    default:
        break;
    }
}

void CalculoHidraulico::PonDatoOrigen()
{
    lbDatorigen.Caption = T(rdTipoDato.Value(DatoCaudal) ? TxCaudal : TxPendiente);
    ponTexto(txDatoOrigen, "");
    m_datos.DatoOrigen = 0;
}

void CalculoHidraulico::rdTipoCalculo_Click(int /*Index*/)
{
    PonRugosidad();
    ponTexto(lbTextoAyuda,
             EsHazen() ? T(TxNotaHazen) : T(TxNotaHormigon) + "\r\n\r\n" + T(TxNotaLocalizadas));
}

void CalculoHidraulico::rdTipoDato_Click(int /*Index*/)
{
    PonDatoOrigen();
}

void CalculoHidraulico::txDatoOrigen_GotFocus()
{
    if (Recorta(txDatoOrigen.Text()).empty()) {
        ponTexto(txDatoOrigen,
                 FormateaMascara(0, "######0.000", m_estado.ejecucion.SeparadorDecimalLocal));
        m_datos.DatoOrigen = 0;
    }
    m_seleccion = &txDatoOrigen;
}

void CalculoHidraulico::txDatoOrigen_KeyPress(std::int32_t &KeyAscii)
{
    RechazaSigno(KeyAscii, MagnitudDato(), lbDatorigen.Caption);
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, txDatoOrigen.Text());
}

void CalculoHidraulico::txDatoOrigen_Validate(bool &Cancel)
{
    // An empty field, or 0, is no datum yet: left as such, and Calcular asks for one. So the
    // 0 that entering the field shows never keeps the engineer in it.
    bool valido = ValidaNumero(m_estado.ejecucion, m_mensajes, NumeroMinimo, txDatoOrigen.Text(),
                               m_datos.DatoOrigen, lbDatorigen.Caption);
    // A datum at overflow scale would be calculated into numbers beyond any listing.
    if (valido && m_datos.DatoOrigen != 0 &&
        !CompruebaLimiteFisico(m_estado.ejecucion, m_mensajes, MagnitudDato(), m_datos.DatoOrigen,
                               lbDatorigen.Caption)) {
        valido = false;
    }
    if (!valido) {
        Cancel = true;
        PonDatoOrigen();
        m_seleccion = &txDatoOrigen;
    }
    // Shown with as many decimals as it takes to read the value back unchanged: three decimals
    // showed 0.0004 as 0.000, and leaving the field again then took 0.
    ponTexto(txDatoOrigen, Muestra(m_datos.DatoOrigen, 3));
}

void CalculoHidraulico::txRugosidad_GotFocus()
{
    if (Recorta(txRugosidad.Text()).empty()) {
        ponTexto(txRugosidad,
                 FormateaMascara(0, "######0.000", m_estado.ejecucion.SeparadorDecimalLocal));
        m_datos.Rugosidad = 0;
    }
    m_seleccion = &txRugosidad;
}

void CalculoHidraulico::txRugosidad_KeyPress(std::int32_t &KeyAscii)
{
    RechazaSigno(KeyAscii, MagnitudRugosidad(), lbRugosidad.Caption);
    FiltraTeclaNumerica(m_estado.ejecucion, KeyAscii, txRugosidad.Text());
}

void CalculoHidraulico::txRugosidad_Validate(bool &Cancel)
{
    const bool hazen = EsHazen();
    // 0 is the Hazen-Williams coefficient computed per diameter; for the two other formulas it
    // is a roughness not given yet, which Calcular asks for. A roughness of the order of the
    // diameter takes the logarithms of the laws to zero or below; a coefficient of 1e-300 or
    // 1e300 gives numbers beyond any listing.
    bool valido = ValidaNumero(m_estado.ejecucion, m_mensajes, NumeroMinimo, txRugosidad.Text(),
                               m_datos.Rugosidad, lbRugosidad.Caption);
    if (valido && m_datos.Rugosidad != 0 &&
        !CompruebaLimiteFisico(m_estado.ejecucion, m_mensajes, MagnitudRugosidad(),
                               m_datos.Rugosidad, lbRugosidad.Caption)) {
        valido = false;
    }
    if (!valido) {
        Cancel = true;
        PonRugosidad();
        m_seleccion = &txRugosidad;
    }
    ponTexto(txRugosidad, Muestra(m_datos.Rugosidad, hazen ? 2 : 3));
}

Magnitud CalculoHidraulico::MagnitudDato() const
{
    return rdTipoDato.Value(DatoCaudal) ? Magnitud::CaudalHidraulico
                                        : Magnitud::PendienteHidraulica;
}

Magnitud CalculoHidraulico::MagnitudRugosidad() const
{
    return EsHazen() ? Magnitud::CoeficienteHazen : Magnitud::RugosidadHidraulica;
}

void CalculoHidraulico::RechazaSigno(std::int32_t &KeyAscii, Magnitud magnitud,
                                     const std::string &caption)
{
    // The key filter would drop the sign and keep the digits: -5 typed became 5, and was
    // calculated. The engineer is told instead.
    if (KeyAscii == '-') {
        KeyAscii = 0;
        m_mensajes.Muestra(MensajeCota(m_estado.ejecucion, false, Limite(magnitud).minimo),
                           BotonesMensaje::Aceptar, IconoMensaje::Ninguno, caption);
    }
}

bool CalculoHidraulico::ValidaDatosHidraulicos()
{
    if (m_datos.DatoOrigen == 0) {
        Error(T(TxDebeCapturar) + lbDatorigen.Caption);
        return false;
    }
    if (m_datos.DatoOrigen < 0) {
        Error(T(TxElValorDe) + lbDatorigen.Caption + T(TxMayorQueCero));
        return false;
    }
    if (!EsHazen() && m_datos.Rugosidad == 0) {
        Error(T(TxDebeCapturar) + lbRugosidad.Caption);
        return false;
    }
    if (m_datos.Rugosidad < 0) {
        Error(T(TxElValorDe) + lbRugosidad.Caption + T(TxMayorQueCero));
        return false;
    }
    return true;
}

void CalculoHidraulico::PoneBotones(bool flag)
{
    if (!flag) {
        ponTexto(edPantallaCh, "");
    }
}

void CalculoHidraulico::Calcula(bool PorImpresora)
{
    // The printer the engineer chose, or a PDF file: cancelled, nothing is printed.
    if (PorImpresora && !m_trabajo.Empieza()) {
        return;
    }
    std::string texto;
    SalidaHidraulica salida{m_estado, m_salida, texto};
    // The listings are handed copies of the values the calculation reads.
    const double dato = m_datos.DatoOrigen;
    const double rugosidad = m_datos.Rugosidad;
    const bool pendiente = rdTipoDato.Value(DatoPendiente);
    int resultado = SinErrorImpresora;
    switch (rdTipoCalculo.Seleccionada()) {
    case FormulaPrandtlColebrook:
        if (pendiente) {
            PrColeBrook_Pendiente(m_datos);
            resultado = Sub3000(salida, m_datos, dato, rugosidad, PorImpresora);
        } else {
            PrColeBrook_Caudal(m_datos);
            resultado = Sub3000_P(salida, m_datos, dato, rugosidad, PorImpresora);
        }
        break;
    case FormulaDarcyWeisbach:
        if (pendiente) {
            DarcyWeiss_Pendiente(m_datos);
            resultado = Sub3500(salida, m_datos, dato, rugosidad, PorImpresora);
        } else {
            DarcyWeiss_Caudal(m_datos);
            resultado = Sub3500_P(salida, m_datos, dato, rugosidad, PorImpresora);
        }
        break;
    case FormulaHazenWilliams:
        if (pendiente) {
            Hazen_Pendiente(m_datos);
            resultado = Sub3000_Hazen(salida, m_datos, dato, PorImpresora);
        } else {
            Hazen_Caudal(m_datos);
            resultado = Sub3000_Hazen_P(salida, m_datos, dato, PorImpresora);
        }
        break;
    default:
        if (PorImpresora) {
            m_trabajo.Aborta();
        }
        return;
    }
    ponTexto(edPantallaCh, texto);
    // No printer, a printer that fails or refuses the document: the engineer is told, the
    // window stays open and the result box keeps the listing.
    if (resultado != SinErrorImpresora) {
        if (PorImpresora) {
            m_trabajo.Aborta();
        }
        Error(T(TxImpresionFallida));
    }
}

void CalculoHidraulico::btCalculoHidraulico_Click()
{
    if (!ValidaDatosHidraulicos()) {
        return;
    }
    ponTexto(edPantallaCh, "");
    Calcula(false);
}

void CalculoHidraulico::btImprimeCh_Click()
{
    if (!ValidaDatosHidraulicos()) {
        return;
    }
    ponTexto(edPantallaCh, "");
    Calcula(true);
}

void CalculoHidraulico::btCerrarHidraulico_Click()
{
    m_descargada = true;
}

} // namespace dravek
