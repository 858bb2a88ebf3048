// The data-entry window's load (a new project, or a project file opened), the choice of a run
// in the run-number box, and the window's unload with its offer to save what changed.

#include "core/entry/AlmacenObra.h"
#include "core/entry/AyudasManejadores.h"
#include "core/entry/CambioTipologia.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/LimpiezaTramo.h"
#include "core/entry/MenuPrincipal.h"
#include "core/entry/TramoEnVentana.h"
#include "core/entry/ValidacionTramo.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextosComunes.h"
#include "core/storage/FormasRegistro.h"
#include "core/storage/RegistrosObra.h"

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

namespace dravek {

using namespace manejadores;

namespace {

constexpr std::int32_t TextoCapturaDeDatos = 184;
constexpr std::int32_t TextoDeseaContinuar = 325;
constexpr std::int32_t TextoReleer = 383;
constexpr std::int32_t TextoCapturaDatos = 384;
constexpr std::int32_t TextoModificacion = 386;
constexpr std::int32_t TextoNumeroTramo = 523;
constexpr std::int32_t TextoCreaTramo = 524;
constexpr std::int32_t TextoCambiosSinSalvar = 525;
constexpr std::int32_t TextoNingunFichero = 528;
constexpr std::int32_t TextoIdiomaDesconocido = 531;
constexpr std::int32_t TextoSalvaAntesDeCerrar = 1600;

constexpr const char *NoExisteTramo = "No existe ese Tramo";
constexpr const char *Modificaciones = "MODIFICACIONES";
constexpr const char *Altas = "ALTAS";

// The default first fill height of a new project, m.
constexpr double AlturaInicialNueva = 3.0;

// The run number a value stands for: the nearest whole number, a half going to the even one;
// nothing beyond the run numbers the file can hold.
std::optional<std::int16_t> NumeroRedondeado(double valor)
{
    const double abajo = std::floor(valor);
    const double resto = valor - abajo;
    double n = abajo;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(abajo, 2.0) != 0.0)) {
        n = abajo + 1;
    }
    if (n < 0 || n > 32767) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(n);
}

} // namespace

void CapturaDatos::Form_Load()
{
    EstadoEjecucion &e = m_estado.ejecucion;
    // The language in force: start-up read the stored one (with its checks and its fallback
    // when the help is missing) and every change of language stores it, so reading the store
    // again could only set this window apart from the menus.
    if (e.Idioma < 1 || e.Idioma > CuentaIdiomas()) {
        e.Idioma = 1;
    }
    // A new project records the interface's language until the engineer chooses another.
    m_estado.obra.IdiomaObra = 0;
    // The unit option starts on the system in force, so that captioning the window converts
    // no value of the previous project (empty boxes would read as 0).
    ponValor(rdSistemaUnidades, e.SistemaUnidades == "MKS" ? 1 : 0, true);
    PonTextosCaptura();
    e.DatosModificados = false;

    edDi0.Clear();
    const TablasPredeterminadas &tablas = m_estado.tablas;
    for (int i = 1; i <= tablas.NumeroDimensiones; ++i) {
        const double diametro = tablas.DimensionesPredeterminadas[static_cast<std::size_t>(i)][1];
        edDi0.AddItem(Formato(*this, diametro / 1000.0, "#####0.000"));
    }

    m_estado.listado.TipoListado = ClaseListado::Normal;
    m_estado.listado.ListadoLame = false;
    m_estado.tramo.TramoActual = 0;

    if (m_estado.obra.AbrirObraExistente != Falso) {
        if (!CargaObraExistente()) {
            // Nothing was read: the window goes at once and has nothing to save.
            m_estado.obra.NombreFicheroObra.assign(1, ' ');
            e.DatosModificados = false;
            m_estado.obra.CabeceraModificada = false;
            return;
        }
    } else {
        CargaObraNueva();
    }

    // Common end: no run chosen, every run field at its default.
    ponPestana(TabPrincipal, 0);
    for (ControlTexto *caja :
         std::initializer_list<ControlTexto *>{&edFct, &edDe0, &avCargas0, &avCargas1}) {
        caja->Enabled = false;
        caja->BackColor = ColorFondo::Cerrado;
    }
    btNuevoTramo.Enabled = true;
    MenuPrincipal &m = menu();
    m.mnNuevoTramo.Enabled = true;
    for (Boton *b : {&btCancelar, &btGrabar, &btAjustar, &btCalcular}) {
        b->Enabled = false;
    }
    for (ElementoMenu *item :
         {&m.mnCancelar, &m.mnGrabaTramo, &m.mnAjustarArmaduras, &m.mnCalculaTramo}) {
        item->Enabled = false;
    }
    m_estado.tramo.TramoActual = 0;
    {
        const Cargando cargando(*this);
        LimpiaDatosPantalla(*this, NivelLimpiezaTramo::Completa);
    }
    // What the load wrote is the project as it stands: nothing to save yet.
    e.DatosModificados = false;
    m_estado.obra.CabeceraModificada = false;
}

void CapturaDatos::CargaObraNueva()
{
    m_servicios.almacen.NuevaObra();
    edTramo.Clear();
    edPrs3.Locked = true;
    edPrs3.BackColor = ColorFondo::Cerrado;
    // The previous project's titles and ranges do not carry over to a new one.
    DatosObra &o = m_estado.obra;
    o.TIGEN.clear();
    o.Cliente.clear();
    o.DPInicialObra = 0;
    o.DPFinalObra = 0;
    o.IncrementoPresionObra = 0;
    o.MDPInicialObra = 0;
    o.MDPFinalObra = 0;
    o.AlturaFinalObra = 0;
    o.IncrementoAlturaObra = 0;
    o.AlturaInicialObra = AlturaInicialNueva;
    ponTexto(edAlt1, Formato(*this, AlturaInicialNueva, "#####0.00"));
    ponValor(rdGolpeAriete, 0, true);
    ponValor(rdSistemaUnidades, 0, true);
    m_estado.ejecucion.SistemaUnidades = "SI";
    Caption = T(*this, TextoCapturaDeDatos) + TextoSistemaUnidades(*this);
}

bool CapturaDatos::CargaObraExistente()
{
    AlmacenObra &almacen = m_servicios.almacen;
    const std::optional<std::string> ruta = almacen.PideFicheroObra();
    if (!ruta) {
        Avisa(*this, T(*this, TextoNingunFichero));
        return false;
    }
    // The header is read whole before anything of it is used: a file that fails leaves the
    // project's values and the window as they were.
    const std::optional<CabeceraCargada> cabecera = almacen.AbreObra(*ruta);
    if (!cabecera) {
        return false;
    }
    // Only a language of the text table is taken: another would show no texts at all. The
    // project keeps its language for its file until the engineer chooses one; the interface,
    // and the language box that names it, stay in the engineer's.
    std::int16_t &idiomaObra = m_estado.obra.IdiomaObra;
    idiomaObra = 0;
    for (int i = 1; i <= CuentaIdiomas(); ++i) {
        if (cabecera->TextoIdioma == std::to_string(i)) {
            idiomaObra = static_cast<std::int16_t>(i);
        }
    }
    if (idiomaObra == 0) {
        Avisa(*this, T(*this, TextoIdiomaDesconocido));
    }
    ponIndice(edIdioma, m_estado.ejecucion.Idioma - 1);
    PonCabeceraEnVentana(*this, *cabecera);
    edPrsM2_LostFocus();
    edAlt2_LostFocus();
    ponPestana(TabTipologia, 0);
    return true;
}

bool CapturaDatos::ConfirmaCierre()
{
    EstadoObra &e = m_estado;
    if (!e.ejecucion.DatosModificados && !e.obra.CabeceraModificada) {
        return true;
    }
    const RespuestaMensaje r =
        mensajes().Muestra(T(*this, TextoSalvaAntesDeCerrar), BotonesMensaje::SiNoCancelar,
                           IconoMensaje::Pregunta, T(*this, TextoAviso));
    if (r == RespuestaMensaje::No) {
        e.ejecucion.DatosModificados = false;
        e.obra.CabeceraModificada = false;
        return true;
    }
    if (r != RespuestaMensaje::Si) {
        return false;
    }
    AlmacenObra &almacen = m_servicios.almacen;
    const std::string modo = Mayusculas(Recorta(e.ejecucion.ModoCaptura));
    if (e.ejecucion.DatosModificados && (modo == Altas || modo == Modificaciones)) {
        // The run is written with the header.
        if (!ValidaObraYTramo(*this, true) || !almacen.GrabaTramo(*this, modo == Altas)) {
            return false;
        }
    } else if (!ValidaPresionesAlturasObra(*this) || !almacen.GrabaObra(*this)) {
        return false;
    }
    // Changes typed outside any run have nowhere to be saved.
    e.ejecucion.DatosModificados = false;
    e.obra.CabeceraModificada = false;
    return true;
}

void CapturaDatos::Form_Unload(bool &Cancel)
{
    if (!ConfirmaCierre()) {
        Cancel = true;
        return;
    }
    MenuPrincipal &m = menu();
    m.mnTramos.Enabled = false;
    m.MnNuevaObra.Enabled = true;
    m.MnAbriFichero.Enabled = true;
    for (ElementoMenu *item :
         {&m.mnCerrarObra, &m.mnGrabaObra, &m.MnImprimir, &m.MnSeleccionarImpresora}) {
        item->Enabled = false;
    }
}

void CapturaDatos::edTramo_Click()
{
    if (!edTramo.Locked) {
        bool Cancel = false;
        edTramo_Validate(Cancel);
    }
}

void CapturaDatos::edTramo_Change() {}

void CapturaDatos::edTramo_GotFocus()
{
    if (TabPrincipal.Tab() == 0) {
        ponPestana(TabPrincipal, 1);
    }
}

void CapturaDatos::HabilitaOrdenesTramo()
{
    for (Boton *b : {&btNuevoTramo, &btCancelar, &btGrabar, &btAjustar, &btCalcular}) {
        b->Enabled = true;
    }
    MenuPrincipal &m = menu();
    for (ElementoMenu *item :
         {&m.mnNuevoTramo, &m.mnCancelar, &m.mnGrabaTramo, &m.mnCalculaTramo}) {
        item->Enabled = true;
    }
    m.mnAjustarArmaduras.Enabled = TabTipologia.Tab() == 0;
    edTramo.Locked = true;
    edTramo.BackColor = ColorFondo::Cerrado;
}

void CapturaDatos::edTramo_Validate(bool &Cancel)
{
    EstadoObra &e = m_estado;
    const std::int16_t anterior = e.tramo.TramoActual;
    const auto vuelveAlAnterior = [&] {
        // No run chosen shows an empty box: a 0 would offer a new run on leaving it.
        ponTexto(edTramo, anterior != 0 ? Formato(*this, anterior, "###0") : std::string());
        e.tramo.TramoActual = anterior;
    };

    double valor = 0;
    if (!ValidaNumero(e.ejecucion, mensajes(), 0, edTramo.Text(), valor,
                      T(*this, TextoNumeroTramo))) {
        Cancel = true;
        return;
    }
    const std::optional<std::int16_t> numero = NumeroRedondeado(valor);

    if (numero && *numero == 0) {
        e.tramo.TramoActual = 0;
        if (mensajes().Muestra(T(*this, TextoCreaTramo), BotonesMensaje::SiNo,
                               IconoMensaje::Ninguno,
                               T(*this, TextoAviso)) == RespuestaMensaje::Si) {
            btNuevoTramo_Click();
            e.tramo.TramoActual =
                LeeEntero(Recorta(edTramo.Text()), e.ejecucion).value_or(std::int16_t{0});
        }
        return;
    }

    // The run already on the window: nothing is reloaded. Only a run really in capture counts,
    // so that a number left over from a dropped run cannot stand for a loaded one.
    if (numero && *numero == anterior && !Recorta(e.ejecucion.ModoCaptura).empty()) {
        // A new run keeps the commands of a new run: no other new run starts from it.
        if (Mayusculas(Recorta(e.ejecucion.ModoCaptura)) != Altas) {
            HabilitaOrdenesTramo();
        }
        return;
    }

    // The run is looked for before anything is dropped: a number not listed changes nothing.
    int posicion = 0;
    for (int i = 0; numero && i < edTramo.ListCount() && posicion == 0; ++i) {
        const std::optional<double> n = LeeReal(Recorta(edTramo.List(i)), e.ejecucion);
        if (n && NumeroRedondeado(*n) == numero) {
            posicion = i + 1;
        }
    }
    if (posicion == 0) {
        vuelveAlAnterior();
        Cancel = true;
        Avisa(*this, NoExisteTramo);
        return;
    }

    if (e.ejecucion.DatosModificados) {
        const std::string pregunta =
            T(*this, TextoCambiosSinSalvar) + " " + "\n" + T(*this, TextoDeseaContinuar);
        if (mensajes().Muestra(pregunta, BotonesMensaje::SiNo, IconoMensaje::Ninguno,
                               T(*this, TextoAviso)) != RespuestaMensaje::Si) {
            vuelveAlAnterior();
            return;
        }
    }

    if (!CargaTramoElegido(posicion)) {
        Cancel = true;
    }
}

bool CapturaDatos::CargaTramoElegido(int posicion)
{
    EstadoObra &e = m_estado;
    if (posicion < 1 || posicion > edTramo.ListCount()) {
        return false;
    }
    const std::string numero = Recorta(edTramo.List(posicion - 1));
    ponTexto(edTramo2, numero);
    if (!m_servicios.almacen.CargaTramo(*this, static_cast<std::int16_t>(posicion))) {
        // A block that cannot be read (told by the loader): the window is left with no run
        // rather than with the previous run's data under this number.
        {
            const SinAnularAjustes sinAnular(*this);
            const Cargando cargando(*this);
            LimpiaDatosPantalla(*this, NivelLimpiezaTramo::Completa);
        }
        e.tramo.TramoActual = 0;
        ponTexto(edTramo, "");
        ponTexto(edTramo2, "");
        edTramo.Locked = false;
        edTramo.BackColor = ColorFondo::Editable;
        btNuevoTramo.Enabled = true;
        menu().mnNuevoTramo.Enabled = true;
        for (Boton *b : {&btCancelar, &btGrabar, &btAjustar, &btCalcular}) {
            b->Enabled = false;
        }
        MenuPrincipal &m = menu();
        for (ElementoMenu *item :
             {&m.mnCancelar, &m.mnGrabaTramo, &m.mnAjustarArmaduras, &m.mnCalculaTramo}) {
            item->Enabled = false;
        }
        return false;
    }
    // The stored overrides and the listing go by the run's own number, not by its position.
    e.tramo.TramoActual = LeeEntero(numero, e.ejecucion).value_or(std::int16_t{0});
    e.ejecucion.ModoCaptura = Modificaciones;
    btCancelar.Caption = T(*this, TextoReleer);
    Caption = T(*this, TextoCapturaDatos) + " " + T(*this, TextoModificacion) +
              TextoSistemaUnidades(*this);
    HabilitaOrdenesTramo();
    return true;
}

} // namespace dravek
