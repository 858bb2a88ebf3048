#include "core/shell/FormaPrincipal.h"

#include "core/entry/CapturaDatos.h"
#include "core/entry/IdiomaPropio.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/shell/CarpetaDatos.h"
#include "core/shell/ComandosCalculo.h"
#include "core/shell/DatosPredeterminados.h"
#include "core/shell/frmTip.h"
#include "core/storage/Registro.h"

#include <filesystem>
#include <utility>
#include <vector>

namespace dravek {

namespace {

constexpr std::int32_t TextoNoExisteFichero = 398;
constexpr std::int32_t TextoIdiomaSinElegir = 526;
constexpr std::int32_t TextoSinCarpetaDatos = 1720;

bool ExisteFichero(const std::string &ruta)
{
    std::error_code error;
    return std::filesystem::is_regular_file(ruta, error);
}

} // namespace

std::string RutaAyuda(const std::string &rutaAplicacion, std::int32_t DesplazamientoIdioma)
{
    return rutaAplicacion + Texto(DesplazamientoIdioma, 433) + ".html";
}

FormaPrincipal::FormaPrincipal(EstadoObra &estado, Mensajes &mensajes,
                               AlmacenConfiguracion &almacen, TextosPlataforma &textos)
    : m_estado(estado), m_mensajes(mensajes), m_almacen(almacen), m_textosPlataforma(textos)
{
    m_menu.Caption = m_caption;
    m_menu.MnAbriFichero.Click = [this] { MnAbriFichero_Click(); };
    m_menu.MnNuevaObra.Click = [this] { MnNuevaObra_Click(); };
    m_menu.MnSeleccionarImpresora.Click = [this] { MnSeleccionarImpresora_Click(); };
    m_menu.MnImprimir.Click = [this] { MnImprimir_Click(); };
    m_menu.mnGrabaObra.Click = [this] { mnGrabaObra_Click(); };
    m_menu.mnCerrarObra.Click = [this] { mnCerrarObra_Click(); };
    m_menu.mnSalir.Click = [this] { mnSalir_Click(); };
    m_menu.mnNuevoTramo.Click = [this] { mnNuevoTramo_Click(); };
    m_menu.mnCancelar.Click = [this] { mnCancelar_Click(); };
    m_menu.mnGrabaTramo.Click = [this] { mnGrabaTramo_Click(); };
    m_menu.mnCalculaTramo.Click = [this] { mnCalculaTramo_Click(); };
    m_menu.mnAjustarArmaduras.Click = [this] { mnAjustarArmaduras_Click(); };
    m_menu.mnCalculoHidraulico.Click = [this] { mnCalculoHidraulico_Click(); };
    m_menu.mnMedidas.Click = [this] { mnMedidas_Click(); };
    m_menu.mnAyudaSobreAyuda.Click = [this] { mnAyudaSobreAyuda_Click(); };
    m_menu.mnAcercaDe.Click = [this] { mnAcercaDe_Click(); };
    m_menu.mnAdvertencia.Click = [this] { mnAdvertencia_Click(); };
}

std::string FormaPrincipal::TituloMarco() const
{
    const DatosObra &obra = m_estado.obra;
    const std::string ruta = Recorta(obra.NombreFicheroObra);
    if (!ObraAbierta() || obra.AbrirObraExistente == Falso || ruta.empty()) {
        return m_caption;
    }
    return m_caption + " - " + std::filesystem::path(ruta).filename().string();
}

bool FormaPrincipal::ObraModificada() const
{
    return ObraAbierta() &&
           (m_estado.ejecucion.DatosModificados || m_estado.obra.CabeceraModificada);
}

void FormaPrincipal::Conecta(ObraEnCaptura &obra, VentanasPrincipal &ventanas,
                             ComandosCaptura &comandos)
{
    m_obra.Pon(obra);
    m_ventanas.Pon(ventanas);
    m_comandos.Pon(comandos);
}

void FormaPrincipal::Conecta(ObraEnCaptura &obra, VentanasPrincipal &ventanas,
                             ComandosCalculo &calculo)
{
    Conecta(obra, ventanas, static_cast<ComandosCaptura &>(calculo));
    m_calculo.Pon(calculo);
}

std::int16_t FormaPrincipal::ElIdioma()
{
    EstadoEjecucion &ejecucion = m_estado.ejecucion;
    ejecucion.Idioma = -1;
    const std::string s = IdiomaPropio(m_almacen, m_mensajes, 0, "LEELO");
    if (!s.empty()) {
        // Exactly one digit of a language the table has: " 1", "01" and a language beyond
        // the table's are refused, never shown as missing texts.
        if (s.size() == 1 && s[0] >= '1' && s[0] - '0' <= CuentaIdiomas()) {
            ejecucion.Idioma = static_cast<std::int16_t>(s[0] - '0');
        } else {
            // Always Spanish, its button too: no language is in force yet.
            m_textosPlataforma.PonIdioma(1);
            m_mensajes.Muestra(Texto(0, TextoIdiomaSinElegir), BotonesMensaje::Aceptar,
                               IconoMensaje::Ninguno, "");
        }
    }
    if (ejecucion.Idioma == -1) {
        ejecucion.Idioma = 1;
        // The default is stored quietly: a store that cannot keep it (the listing tool runs
        // without settings) costs nothing but asking again at the next start.
        CreaClaveRegistro(m_almacen, ClaveRegistroPrograma, RaizRegistro::MaquinaLocal);
        GrabaValorRegistro(m_almacen, RaizRegistro::MaquinaLocal, ClaveRegistroPrograma,
                           ValorRegistroIdioma, std::string("1"), TipoTexto);
    }
    const std::int16_t elegido = ejecucion.Idioma;
    ejecucion.DesplazamientoIdioma = (ejecucion.Idioma - 1) * 5000;
    m_ficheroAyuda = RutaAyuda(ejecucion.RutaAplicacion, ejecucion.DesplazamientoIdioma);
    // The stored language stays: the next start tries it again.
    if (!ExisteFichero(m_ficheroAyuda)) {
        ejecucion.Idioma = 1;
        ejecucion.DesplazamientoIdioma = 0;
        m_ficheroAyuda = RutaAyuda(ejecucion.RutaAplicacion, 0);
    }
    return elegido;
}

void FormaPrincipal::MenuSinObra()
{
    m_menu.MnAbriFichero.Enabled = true;
    m_menu.MnNuevaObra.Enabled = true;
    m_menu.mnSalir.Enabled = true;
    m_menu.mnCerrarObra.Enabled = false;
    m_menu.mnGrabaObra.Enabled = false;
    m_menu.MnImprimir.Enabled = false;
    m_menu.MnSeleccionarImpresora.Enabled = false;
    m_menu.mnTramos.Enabled = false;
}

bool FormaPrincipal::Arranca(const std::string &carpetaPrograma, LocalUsuario &local)
{
    EstadoEjecucion &ejecucion = m_estado.ejecucion;
    const CarpetaDatos datos = BuscaCarpetaDatos(carpetaPrograma);
    ejecucion.RutaAplicacion = datos.carpeta.empty() ? datos.buscadas.back() : datos.carpeta;

    const std::int16_t elegido = ElIdioma();
    PonTextosMenu();
    PonSeparadorDecimal(ejecucion, local);
    MenuSinObra();

    if (datos.carpeta.empty()) {
        // Without the data folder no help file is found in any language, so the fallback to
        // Spanish says nothing of the engineer's: the text table is compiled in, and the
        // message and its button are worded in the language the settings chose.
        m_textosPlataforma.PonIdioma(elegido);
        std::string texto = Texto((elegido - 1) * 5000, TextoSinCarpetaDatos);
        for (const std::string &carpeta : datos.buscadas) {
            texto += "\n" + carpeta;
        }
        m_mensajes.Muestra(texto, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
        return false;
    }

    const std::string logo = Texto(ejecucion.DesplazamientoIdioma, 406);
    if (!ExisteFichero(ejecucion.RutaAplicacion + logo)) {
        m_mensajes.Muestra(Texto(ejecucion.DesplazamientoIdioma, TextoNoExisteFichero) + " " +
                               logo,
                           BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
        return false;
    }
    m_picture = ejecucion.RutaAplicacion + logo;

    using Lector = ErrorDatosPredeterminados (*)(const std::string &, const EstadoEjecucion &,
                                                 TablasPredeterminadas &);
    const std::vector<Lector> lectores = {LeeGeometriaPredeterminada, LeeArmadurasPredeterminadas};
    for (Lector lee : lectores) {
        const ErrorDatosPredeterminados e =
            lee(ejecucion.RutaAplicacion, ejecucion, m_estado.tablas);
        if (e.hayError) {
            m_mensajes.Muestra(e.texto, e.botones, e.icono, e.titulo);
            return false;
        }
    }
    // The hidden picture window that the printed listing paints from starts with the section
    // of a reinforced-concrete pipe; a missing file only leaves that picture blank on paper.
    m_estado.frFiguras.ptArmado =
        ejecucion.RutaAplicacion + Texto(ejecucion.DesplazamientoIdioma, 420);
    Timer1Interval = 1000; // ms
    const ErrorDatosPredeterminados e =
        LeeLimiteAnchoZanja(ejecucion.RutaAplicacion, ejecucion, m_estado.tablas);
    if (e.hayError) {
        m_mensajes.Muestra(e.texto, e.botones, e.icono, e.titulo);
        return false;
    }
    return true;
}

std::string FormaPrincipal::Picture() const
{
    if (m_picture.empty()) {
        return {};
    }
    const EstadoEjecucion &ejecucion = m_estado.ejecucion;
    const std::string logo = ejecucion.RutaAplicacion + Texto(ejecucion.DesplazamientoIdioma, 406);
    return ExisteFichero(logo) ? logo : m_picture;
}

std::vector<std::string> FormaPrincipal::FicherosIcono() const
{
    if (m_picture.empty()) {
        return {};
    }
    const std::string &carpeta = m_estado.ejecucion.RutaAplicacion;
    return {carpeta + "iconos/dravek-48.png", carpeta + "iconos/dravek-128.png",
            carpeta + "iconos/dravek-256.png"};
}

void FormaPrincipal::ArrancaTimer1(Temporizador &temporizador)
{
    if (Timer1Interval > 0) {
        temporizador.Programa(Timer1Interval, [this] { Timer1_Timer(); });
    } else {
        temporizador.Detiene();
    }
}

void FormaPrincipal::Timer1_Timer()
{
    Timer1Interval = 0;
    // A setting that is not a whole number shows nothing and is passed over silently.
    if (PreparaAdvertenciaInicio(m_estado.ejecucion, m_almacen)) {
        m_ventanas->MuestraAviso(m_estado.ejecucion.ModoAdvertencia);
    }
}

void FormaPrincipal::PonTextosMenu()
{
    EstadoEjecucion &ejecucion = m_estado.ejecucion;
    ejecucion.DesplazamientoIdioma = (ejecucion.Idioma - 1) * 5000;
    const std::pair<ElementoMenu *, std::int32_t> textos[] = {
        {&m_menu.MnArchivo, 1046},         {&m_menu.MnAbriFichero, 1047},
        {&m_menu.MnNuevaObra, 1048},       {&m_menu.MnSeleccionarImpresora, 1049},
        {&m_menu.MnImprimir, 1050},        {&m_menu.mnGrabaObra, 1051},
        {&m_menu.mnCerrarObra, 1052},      {&m_menu.mnSalir, 1053},
        {&m_menu.mnTramos, 1054},          {&m_menu.mnNuevoTramo, 1055},
        {&m_menu.mnCancelar, 1056},        {&m_menu.mnGrabaTramo, 1057},
        {&m_menu.mnCalculaTramo, 1058},    {&m_menu.mnAjustarArmaduras, 1059},
        {&m_menu.mnOtras, 1060},           {&m_menu.mnCalculoHidraulico, 1061},
        {&m_menu.mnMedidas, 1062},         {&m_menu.mnAyuda, 1063},
        {&m_menu.mnAyudaSobreAyuda, 1065}, {&m_menu.mnAcercaDe, 1066},
        {&m_menu.mnAdvertencia, 1067},
    };
    for (const auto &[elemento, n] : textos) {
        elemento->Caption = Texto(ejecucion.DesplazamientoIdioma, n);
    }
    // A listing window left loaded and hidden keeps no captions of the language before.
    if (m_calculo.Dada()) {
        m_calculo->PonTextosListado();
    }
    // Start-up and the language list both caption the menus: the desktop's buttons and
    // dialogs follow them into the same language.
    m_textosPlataforma.PonIdioma(ejecucion.Idioma);
}

void FormaPrincipal::GrabaIdioma(std::int16_t Idioma)
{
    IdiomaPropio(m_almacen, m_mensajes, m_estado.ejecucion.DesplazamientoIdioma, "GRABALO",
                 std::to_string(Idioma));
}

bool FormaPrincipal::PuedeCerrarObra()
{
    // The engineer may save or drop what changed.
    return m_obra->PermiteCerrar();
}

bool FormaPrincipal::MDIForm_QueryUnload()
{
    return PuedeCerrarObra();
}

void FormaPrincipal::MnAbriFichero_Click()
{
    m_estado.obra.AbrirObraExistente = Verdadero;
    m_obra->CargaCaptura();
    if (m_estado.obra.NombreFicheroObra != " ") {
        m_menu.mnTramos.Enabled = true;
        m_menu.mnCerrarObra.Enabled = true;
        m_menu.mnGrabaObra.Enabled = true;
        m_menu.MnImprimir.Enabled = true;
        m_menu.MnSeleccionarImpresora.Enabled = true;
        m_menu.MnNuevaObra.Enabled = false;
        m_menu.MnAbriFichero.Enabled = false;
    } else {
        m_obra->DescargaCaptura();
        MenuSinObra();
    }
}

void FormaPrincipal::MnNuevaObra_Click()
{
    m_menu.MnNuevaObra.Enabled = false;
    m_menu.MnAbriFichero.Enabled = false;
    m_menu.MnImprimir.Enabled = false;
    m_menu.MnSeleccionarImpresora.Enabled = false;
    m_menu.mnCerrarObra.Enabled = true;
    m_menu.mnGrabaObra.Enabled = true;
    m_estado.obra.AbrirObraExistente = Falso;
    m_menu.mnTramos.Enabled = true;
    m_obra->CargaCaptura();
}

void FormaPrincipal::MnSeleccionarImpresora_Click()
{
    m_ventanas->MuestraImpresoras();
}

void FormaPrincipal::MnImprimir_Click()
{
    m_comandos->ImprimeObra();
}

void FormaPrincipal::mnGrabaObra_Click()
{
    if (m_obra->ValidaPresionesAlturasObra()) {
        m_obra->GrabaObra();
    }
}

void FormaPrincipal::mnCerrarObra_Click()
{
    if (!PuedeCerrarObra()) {
        return;
    }
    m_obra->DescargaCaptura();
    MenuSinObra();
}

void FormaPrincipal::mnSalir_Click()
{
    if (!PuedeCerrarObra()) {
        return;
    }
    m_ventanas->Termina();
}

void FormaPrincipal::mnNuevoTramo_Click()
{
    if (CapturaDatos *captura = m_obra->Captura(); captura && captura->TabPrincipal.Tab() != 1) {
        ponPestana(captura->TabPrincipal, 1);
    }
    m_obra->NuevoTramo();
}

void FormaPrincipal::mnCancelar_Click()
{
    m_obra->CancelaCapturaTramo();
}

void FormaPrincipal::mnGrabaTramo_Click()
{
    m_obra->ConfirmaGrabaTramo();
}

void FormaPrincipal::mnCalculaTramo_Click()
{
    m_comandos->CalculaTramo();
}

void FormaPrincipal::mnAjustarArmaduras_Click()
{
    m_comandos->AjustaArmaduras();
}

void FormaPrincipal::mnCalculoHidraulico_Click()
{
    m_ventanas->MuestraCalculoHidraulico();
}

void FormaPrincipal::mnMedidas_Click()
{
    m_ventanas->MuestraProtecciones();
}

void FormaPrincipal::mnAyudaSobreAyuda_Click()
{
    m_ventanas->MuestraIndiceAyuda(m_ficheroAyuda);
}

void FormaPrincipal::mnAcercaDe_Click()
{
    m_ventanas->MuestraAcercaDe();
}

void FormaPrincipal::mnAdvertencia_Click()
{
    m_ventanas->MuestraAviso(m_estado.ejecucion.ModoAdvertencia);
}

} // namespace dravek
