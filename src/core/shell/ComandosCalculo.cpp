#include "core/shell/ComandosCalculo.h"

#include "core/engine/CalculaCasos.h"
#include "core/engine/UnidadesCalculo.h"
#include "core/entry/CapturaDatos.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <limits>

namespace dravek {

namespace {

constexpr std::int32_t TextoGrabeTramoOCancele = 376;
constexpr std::int32_t TextoGrabeObraAntes = 379;
constexpr std::int32_t TextoGrabeCambiosAntes = 380;
constexpr std::int32_t TextoCalculoSeDetiene = 1520;
constexpr std::int32_t TextoListadoNoImpreso = 1521;
constexpr std::int32_t TextoCalculandoTramo = 1526;
constexpr std::int32_t TextoCalculandoObra = 1527;
constexpr std::int32_t TextoImprimiendoTramo = 1528;
constexpr std::int32_t TextoImprimiendoObra = 1529;

} // namespace

std::int16_t NumeroTramoDeTexto(const std::string &texto)
{
    const auto i = texto.find_first_not_of(' ');
    if (i == std::string::npos) {
        return 0;
    }
    std::int32_t n = 0;
    const auto [fin, error] = std::from_chars(texto.data() + i, texto.data() + texto.size(), n);
    if (error != std::errc() || n < 0 || n > std::numeric_limits<std::int16_t>::max()) {
        return 0;
    }
    (void)fin;
    return static_cast<std::int16_t>(n);
}

void ComandosCalculo::AvanceComando::EmpiezaTramo(const std::string &texto,
                                                  const std::string &cancelar)
{
    m_texto = texto;
    m_cancelar = cancelar;
    m_porTramos = false;
    m_activo = true;
    m_empezado = false;
    m_detenido = false;
    m_hechos = 0;
    m_tramosHechos = 0;
    m_casosTramo = 0;
    m_casosHechos = 0;
}

void ComandosCalculo::AvanceComando::EmpiezaObra(const std::string &texto,
                                                 const std::string &cancelar, std::int64_t tramos)
{
    EmpiezaTramo(texto, cancelar);
    m_porTramos = true;
    m_progreso.Empieza(m_texto, m_cancelar, tramos * PasosPorTramo);
    m_empezado = true;
}

void ComandosCalculo::AvanceComando::Casos(std::int64_t total)
{
    // A run's cases are the steps of a command on that run only; on the project they share
    // out the run's steps.
    if (m_porTramos) {
        m_casosTramo = total;
        m_casosHechos = 0;
        return;
    }
    m_progreso.Empieza(m_texto, m_cancelar, total);
    m_empezado = true;
    m_hechos = 0;
}

bool ComandosCalculo::AvanceComando::Sigue()
{
    if (!m_detenido && m_empezado && !m_progreso.Sigue(m_hechos)) {
        m_detenido = true;
    }
    return !m_detenido;
}

bool ComandosCalculo::AvanceComando::CasoHecho()
{
    if (!m_porTramos) {
        ++m_hechos;
    } else if (m_casosTramo > 0) {
        m_casosHechos = std::min(m_casosHechos + 1, m_casosTramo);
        m_hechos = m_tramosHechos * PasosPorTramo + PasosPorTramo * m_casosHechos / m_casosTramo;
    }
    return Sigue();
}

bool ComandosCalculo::AvanceComando::TramoHecho()
{
    ++m_tramosHechos;
    m_casosTramo = 0;
    m_hechos = m_tramosHechos * PasosPorTramo;
    return Sigue();
}

void ComandosCalculo::AvanceComando::Termina()
{
    if (m_empezado) {
        m_progreso.Termina();
    }
    m_activo = false;
    m_empezado = false;
}

ComandosCalculo::ComandosCalculo(EstadoObra &estado, ServiciosCalculo servicios)
    : m_estado(estado), m_s(servicios), m_listado(estado), m_obraAjustes(servicios.obra),
      m_avance(servicios.progreso)
{
    m_listado.Imprime = [this] { return ImprimeListado(); };
}

ErrorCalculo ComandosCalculo::PasadaTramo()
{
    AjustesGuardados *ajustes = m_s.obra.Ajustes();
    // Overrides that should have been voided are not applied, nor is the run calculated
    // without them: the engineer has been told why.
    if (m_s.obra.AjustesRehusados()) {
        return ErrorCalculo::YaAvisado();
    }
    ContextoCalculo contexto{m_estado,   m_s.salida, m_s.depuracion,
                             m_s.diseno, ajustes,    m_avance.Seguido()};
    try {
        GuardaUnidadesCalculo enUnidadesCalculo(m_estado);
        std::int32_t caso = 1;
        return CalculaCasos(contexto, caso, -1, -1);
    } catch (const std::exception &e) {
        return ErrorCalculo::Con(
            Texto(m_estado.ejecucion.DesplazamientoIdioma, TextoErrorInesperado) + " " + e.what());
    }
}

void ComandosCalculo::AbreDepuracion(std::optional<GuardaFicheroDepuracion> &guarda)
{
    if (m_s.ficheroDepuracion) {
        guarda.emplace(*m_s.ficheroDepuracion);
    }
}

void ComandosCalculo::MuestraError(const ErrorCalculo &error)
{
    if (!error || error.avisado) {
        return;
    }
    m_s.mensajes.Muestra(error.mensaje, BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, "");
}

void ComandosCalculo::PreparaListado()
{
    if (!m_listado.Cargada()) {
        m_listado.Form_Load();
    }
    m_s.salida.VaciaPantalla();
    ponTexto(m_listado.edPantalla, "");
    m_listado.lineasPantalla.Vacia();
    PonTituloListado();
}

void ComandosCalculo::PonTituloListado()
{
    m_listado.Caption = std::string(9, ' ') + Texto(m_estado.ejecucion.DesplazamientoIdioma, 378);
}

void ComandosCalculo::PonTextosListado()
{
    if (!m_listado.Cargada()) {
        return;
    }
    m_listado.PonTextos();
    PonTituloListado();
}

bool ComandosCalculo::LlenaListado()
{
    // The sink gets the window's former text, whose memory the next listing is written in.
    cambiaTexto(m_listado.edPantalla, m_s.salida.Pantalla());
    if (m_listado.lineasPantalla.Indexa(m_listado.edPantalla.Text(),
                                        [this] { return m_avance.Llenando(); })) {
        return true;
    }
    ponTexto(m_listado.edPantalla, "");
    return false;
}

void ComandosCalculo::DatosCabecera()
{
    if (CapturaDatos *captura = m_s.obra.Captura()) {
        // The page header prints the title and the client as their boxes show them now, typed
        // or read from the file.
        m_estado.obra.TIGEN = captura->edObra.Text();
        m_estado.obra.Cliente = captura->edCliente.Text();
        m_estado.tramo.ITIT = captura->edDescriTramo.Text();
    }
}

bool ComandosCalculo::PreparaComandoTramo(bool exigeGrabado)
{
    CapturaDatos *captura = m_s.obra.Captura();
    if (!captura || !m_s.obra.ValidaPresionesAlturasObra() || !m_s.obra.ValidaDatosTramo(true)) {
        return false;
    }
    const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
    if (!m_estado.obra.AbrirObraExistente) {
        m_s.mensajes.Muestra(Texto(d, TextoGrabeObraAntes), BotonesMensaje::Aceptar,
                             IconoMensaje::Exclamacion, Texto(d, TextoAviso));
        return false;
    }
    if (exigeGrabado && m_estado.ejecucion.DatosModificados) {
        m_s.mensajes.Muestra(Texto(d, TextoGrabeCambiosAntes), BotonesMensaje::Aceptar,
                             IconoMensaje::Exclamacion, Texto(d, TextoAviso));
        return false;
    }
    DatosCabecera();
    m_estado.listado.Imprimiendo = false;
    m_estado.listado.NumeroPagina = 0;
    m_imprimeObraCompleta = false;
    m_estado.tramo.TramoActual = NumeroTramoDeTexto(captura->edTramo.Text());
    PreparaListado();
    return true;
}

void ComandosCalculo::CalculaTramo()
{
    if (!PreparaComandoTramo(false)) {
        return;
    }
    // The window's own loading sets the options for the run now on screen.
    m_listado.Form_Load();
    {
        std::optional<GuardaFicheroDepuracion> depuracion;
        AbreDepuracion(depuracion);
        const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
        m_avance.EmpiezaTramo(Texto(d, TextoCalculandoTramo), Texto(d, TextoCancelar));
        // The job the engineer waits for and may stop: the calculation and the filling of the
        // window.
        const FinAvance fin{m_avance};
        // A calculation that stops keeps its message in the listing too, which is shown.
        const ErrorCalculo error = PasadaTramo();
        MuestraError(error);
        // A run refused before its first case, or stopped by the engineer, has no listing to
        // show.
        if (error && error.avisado) {
            return;
        }
        if (!LlenaListado()) {
            return;
        }
    }
    m_s.ventanas.MuestraListado();
}

bool ComandosCalculo::PasadaObra()
{
    CapturaDatos *captura = m_s.obra.Captura();
    if (!captura) {
        return false;
    }
    const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
    const int tramos = captura->edTramo.ListCount();
    for (int posicion = 1; posicion <= tramos; ++posicion) {
        // The run's own number, which the stored overrides and the listing go by; it need not
        // be its position in the list.
        const std::string numero = captura->edTramo.List(posicion - 1);
        const auto detiene = [&] {
            m_s.mensajes.Muestra(Texto(d, TextoCalculoSeDetiene) + " " + numero,
                                 BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, "");
            return false;
        };
        if (!m_s.obra.CargaTramo(posicion)) {
            return detiene();
        }
        m_estado.ejecucion.DatosModificados = false;
        if (!m_s.obra.ValidaDatosTramo(false)) {
            return detiene();
        }
        DatosCabecera();
        m_estado.tramo.TramoActual = NumeroTramoDeTexto(numero);
        if (const ErrorCalculo error = PasadaTramo()) {
            // Stopped by the engineer: nothing to tell.
            if (m_avance.Detenido()) {
                return false;
            }
            MuestraError(error);
            return detiene();
        }
        if (!m_avance.TramoHecho()) {
            return false;
        }
    }
    return true;
}

void ComandosCalculo::ImprimeObra()
{
    const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
    if (m_estado.ejecucion.DatosModificados) {
        m_s.mensajes.Muestra(Texto(d, TextoGrabeTramoOCancele), BotonesMensaje::Aceptar,
                             IconoMensaje::Ninguno, Texto(d, TextoAviso));
        return;
    }
    CapturaDatos *captura = m_s.obra.Captura();
    if (!captura || !m_s.obra.ValidaPresionesAlturasObra()) {
        return;
    }
    m_estado.listado.Imprimiendo = false;
    m_imprimeObraCompleta = true;
    m_estado.listado.NumeroPagina = 0;
    PreparaListado();
    const int mostrado = captura->edTramo.ListIndex();
    bool lleno = false;
    {
        std::optional<GuardaFicheroDepuracion> depuracion;
        AbreDepuracion(depuracion);
        m_avance.EmpiezaObra(Texto(d, TextoCalculandoObra), Texto(d, TextoCancelar),
                             captura->edTramo.ListCount());
        const FinAvance fin{m_avance};
        PasadaObra();
        // Stopped by the engineer: the half-made listing is not shown. The runs calculated
        // before a failing one keep their listing, which is.
        lleno = !m_avance.Detenido() && LlenaListado();
    }
    // The run the engineer was on comes back, stored as it is: the pass left no change.
    if (mostrado >= 0) {
        m_s.obra.CargaTramo(mostrado + 1);
    }
    if (!lleno) {
        return;
    }
    if (!m_listado.edPantalla.Text().empty()) {
        m_estado.ejecucion.VentanaModalAbierta = true;
        m_s.ventanas.MuestraListado();
        m_estado.ejecucion.VentanaModalAbierta = false;
    }
}

void ComandosCalculo::AjustaArmaduras()
{
    // The window works on the stored run: unsaved changes are refused.
    if (!PreparaComandoTramo(true)) {
        return;
    }
    // Every recalculation of the window appends to the calculation's debug file.
    std::optional<GuardaFicheroDepuracion> depuracion;
    AbreDepuracion(depuracion);
    m_s.ventanas.MuestraAjustes();
}

std::unique_ptr<frAjustes> ComandosCalculo::CargaAjustes()
{
    m_depuracionAjuste =
        std::make_unique<FicheroDepuracionAjuste>(m_estado.ejecucion.CarpetaDepuracion);
    auto ventana = std::make_unique<frAjustes>(
        m_estado, ServiciosAjustes{m_s.mensajes, m_obraAjustes, m_s.salida, m_s.depuracion,
                                   m_s.diseno, *m_depuracionAjuste});
    ventana->Form_Load();
    if (!ventana->Abierta()) {
        return nullptr;
    }
    ventana->Caption = std::string(9, ' ') + Texto(m_estado.ejecucion.DesplazamientoIdioma, 381);
    return ventana;
}

bool ComandosCalculo::ImprimeListado()
{
    CapturaDatos *captura = m_s.obra.Captura();
    if (!captura || !m_s.impresion.Empieza()) {
        return false;
    }
    const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
    m_estado.listado.Imprimiendo = true;
    m_estado.listado.NumeroPagina = 0;
    DatosCabecera();
    Impresora &impresora = m_s.salida.impresora();
    impresora.PonOrientacion(m_estado.listado.TipoListado == ClaseListado::Tabular
                                 ? Orientacion::Horizontal
                                 : Orientacion::Vertical);
    // The print calculates again, and the sink writes the screen text as it goes: the window
    // keeps the listing it shows.
    bool completo = true;
    std::optional<GuardaFicheroDepuracion> depuracion;
    AbreDepuracion(depuracion);
    if (m_imprimeObraCompleta) {
        m_avance.EmpiezaObra(Texto(d, TextoImprimiendoObra), Texto(d, TextoCancelar),
                             captura->edTramo.ListCount());
    } else {
        m_avance.EmpiezaTramo(Texto(d, TextoImprimiendoTramo), Texto(d, TextoCancelar));
    }
    // Till the document has been handed over, which may take a while of its own.
    const FinAvance fin{m_avance};
    if (m_imprimeObraCompleta) {
        const int mostrado = captura->edTramo.ListIndex();
        completo = PasadaObra();
        if (mostrado >= 0) {
            m_s.obra.CargaTramo(mostrado + 1);
        }
    } else {
        m_estado.tramo.TramoActual = NumeroTramoDeTexto(captura->edTramo.Text());
        if (const ErrorCalculo error = PasadaTramo()) {
            MuestraError(error);
            completo = false;
        }
    }
    if (!completo) {
        // Half a listing, stopped by the engineer too, is not handed to the printer.
        m_s.impresion.Aborta();
        return false;
    }
    if (const int error = impresora.FinDocumento(); error != SinErrorImpresora) {
        // What the printer took of a failed document is dropped, a half-written file too.
        m_s.impresion.Aborta();
        m_s.mensajes.Muestra(Texto(d, TextoListadoNoImpreso) + " " + std::to_string(error),
                             BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, "");
        return false;
    }
    return true;
}

} // namespace dravek
