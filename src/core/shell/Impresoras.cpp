#include "core/shell/Impresoras.h"

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/validation/FuncionesGenerales.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace dravek {

namespace {

constexpr std::int32_t TxTitulo = 680;
constexpr std::int32_t TxCopias = 681;
constexpr std::int32_t TxAceptar = 682;
constexpr std::int32_t TxErrorImpresora = 683;
constexpr std::int32_t TxDescripcion = 684;
constexpr std::int32_t TxSeleccioneMayorQueCero = 685;
constexpr std::int32_t TxTituloCopias = 686;
constexpr std::int32_t TxQuiereImprimir = 687;
constexpr std::int32_t TxCopiasPregunta = 688;
constexpr std::int32_t TxSeUsara = 690;
constexpr std::int32_t TxSeImprimiran = 691;
constexpr std::int32_t TxPorLaImpresora = 692;
constexpr std::int32_t TxNoEntero = 694;
constexpr std::int32_t TxFicheroPdf = 1400;
constexpr std::int32_t TxDemasiadasCopias = 1401;
constexpr std::int32_t TxNoInstalada = 1402;

// Error numbers told by Establecer, as the old runtime numbered them.
constexpr std::int32_t ErrorDesbordamiento = 6;
constexpr std::int32_t ErrorImpresora = 482;

constexpr double CopiasMinimas = -32768.0; // the spin button goes no lower

std::string Entero(double n)
{
    return std::to_string(static_cast<std::int32_t>(n));
}

} // namespace

std::string BotonGiro::Estado() const
{
    return Name() + ": " + EstadoComun();
}

void giraArriba(BotonGiro &giro)
{
    if (giro.Enabled && giro.Visible && giro.SpinUp) {
        giro.SpinUp();
    }
}

void giraAbajo(BotonGiro &giro)
{
    if (giro.Enabled && giro.Visible && giro.SpinDown) {
        giro.SpinDown();
    }
}

Impresoras::Impresoras(EstadoObra &estado, Mensajes &mensajes, ServicioImpresoras &servicio)
    : m_estado(estado), m_mensajes(mensajes), m_servicio(servicio)
{
    btAceptar.Click = [this] { btAceptar_Click(); };
    spCopias.SpinUp = [this] { spCopias_SpinUp(); };
    spCopias.SpinDown = [this] { spCopias_SpinDown(); };
    tbCopias.Validate = [this](bool &Cancel) { tbCopias_Validate(Cancel); };
}

std::string Impresoras::T(std::int32_t n) const
{
    return Texto(m_estado.ejecucion.DesplazamientoIdioma, n);
}

void Impresoras::Aviso(std::int32_t n)
{
    m_mensajes.Muestra(T(n), BotonesMensaje::Aceptar, IconoMensaje::Ninguno, T(TxTituloCopias));
}

void Impresoras::Form_Load()
{
    Obtener_Impresoras();
    ponTexto(tbCopias, std::to_string(m_estado.Printer.Copies));
    ComprobarCopias = true;
    Caption = T(TxTitulo);
    lbCopias.Caption = T(TxCopias);
    btAceptar.Caption = T(TxAceptar);
    SetFocus(ListaImpresoras);
}

void Impresoras::Obtener_Impresoras()
{
    ListaImpresoras.Clear();
    const std::vector<std::string> instaladas = m_servicio.Instaladas();
    const ImpresoraActual &actual = m_estado.Printer;
    m_soloPdf = instaladas.empty();
    if (m_soloPdf) {
        // With no printer installed the PDF printer stands in, and it is then the current one:
        // a print is written to a file.
        ListaImpresoras.AddItem(T(TxFicheroPdf));
        ponIndice(ListaImpresoras, 0);
        return;
    }
    // Until the engineer chooses, prints go to the system's default printer.
    const std::string nombre = actual.ArchivoPdf           ? std::string()
                               : actual.DeviceName.empty() ? m_servicio.Predeterminada()
                                                           : actual.DeviceName;
    int seleccion = -1;
    for (std::size_t i = 0; i < instaladas.size(); ++i) {
        ListaImpresoras.AddItem(instaladas[i]);
        if (!nombre.empty() && instaladas[i] == nombre) {
            seleccion = static_cast<int>(i);
        }
    }
    if (seleccion >= 0) {
        ponIndice(ListaImpresoras, seleccion);
    }
}

double Impresoras::ValorCopias() const
{
    return TextoANumero(m_estado.ejecucion, Recorta(tbCopias.Text())).value_or(0.0);
}

void Impresoras::PonCopias(double n)
{
    ComprobarCopias = false;
    ponTexto(tbCopias, Entero(n));
    ComprobarCopias = true;
}

void Impresoras::spCopias_SpinUp()
{
    // Rounded half to even, as the old integer conversion did. Deliberate.
    const double n = std::nearbyint(ValorCopias());
    // At the printer's limit the box stays as it is, as it does at 1 going down.
    if (n >= CopiasMaximas) {
        return;
    }
    PonCopias(std::max(n, CopiasMinimas - 1.0) + 1.0);
}

void Impresoras::spCopias_SpinDown()
{
    const double n = std::nearbyint(ValorCopias());
    if (n > 1) {
        PonCopias(std::min(n - 1.0, static_cast<double>(CopiasMaximas)));
    }
}

void Impresoras::tbCopias_Validate(bool &Cancel)
{
    if (!ComprobarCopias) {
        return;
    }
    const std::string s = Recorta(tbCopias.Text());
    if (s.empty()) {
        return;
    }
    const std::optional<double> valor = TextoANumero(m_estado.ejecucion, s);
    std::int32_t rechazo = 0;
    if (!valor) {
        rechazo = TextoValorNoNumerico;
    } else if (*valor > std::floor(*valor)) {
        rechazo = TxNoEntero;
    } else if (*valor > CopiasMaximas) {
        // The printer counts copies in 16 bits: a larger number would overflow it.
        rechazo = TxDemasiadasCopias;
    }
    if (rechazo != 0) {
        Aviso(rechazo);
        Cancel = true;
        m_seleccion = &tbCopias;
    }
}

bool Impresoras::ValidarNumeroCopias()
{
    const double n = std::floor(ValorCopias());
    if (n < 1) {
        Aviso(TxSeleccioneMayorQueCero);
        return false;
    }
    if (n > CopiasMaximas) {
        Aviso(TxDemasiadasCopias);
        return false;
    }
    if (n > 1) {
        const RespuestaMensaje r =
            m_mensajes.Muestra(T(TxQuiereImprimir) + Entero(n) + T(TxCopiasPregunta),
                               BotonesMensaje::SiNo, IconoMensaje::Pregunta, T(TextoAvisoTitulo));
        return r != RespuestaMensaje::No;
    }
    return true;
}

void Impresoras::Error(std::int32_t numero, const std::string &descripcion)
{
    m_mensajes.Muestra(T(TxErrorImpresora) + std::to_string(numero) + "\n" + T(TxDescripcion) +
                           descripcion,
                       BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
}

bool Impresoras::Establecer(const std::string &DeviceName)
{
    const double copias = std::nearbyint(ValorCopias());
    if (copias < 1 || copias > CopiasMaximas) {
        Error(ErrorDesbordamiento, T(TxDemasiadasCopias));
        return false;
    }
    ImpresoraActual elegida;
    elegida.Copies = static_cast<std::int16_t>(copias);
    if (m_soloPdf && DeviceName == T(TxFicheroPdf)) {
        elegida.ArchivoPdf = true;
    } else {
        // Asked again: the printer may have gone since the list was filled.
        const std::vector<std::string> instaladas = m_servicio.Instaladas();
        if (std::find(instaladas.begin(), instaladas.end(), DeviceName) == instaladas.end()) {
            Error(ErrorImpresora, T(TxNoInstalada) + " " + DeviceName);
            return false;
        }
        elegida.DeviceName = DeviceName;
    }
    m_estado.Printer = elegida;
    return true;
}

void Impresoras::btAceptar_Click()
{
    if (!ValidarNumeroCopias()) {
        return;
    }
    const double n = std::floor(ValorCopias());
    const int fila = ListaImpresoras.ListIndex();
    if (fila < 0) {
        return;
    }
    if (!Establecer(ListaImpresoras.List(fila))) {
        return;
    }
    const ImpresoraActual &actual = m_estado.Printer;
    const std::string nombre = actual.ArchivoPdf ? T(TxFicheroPdf) : actual.DeviceName;
    const std::string texto = n == 1
                                  ? T(TxSeUsara) + nombre
                                  : T(TxSeImprimiran) + Entero(n) + T(TxPorLaImpresora) + nombre;
    m_mensajes.Muestra(texto, BotonesMensaje::Aceptar, IconoMensaje::Informacion, "");
    m_descargada = true;
}

} // namespace dravek
