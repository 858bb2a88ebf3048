#include "core/entry/AlmacenObra.h"

#include "core/entry/MenuPrincipal.h"
#include "core/entry/TramoEnVentana.h"
#include "core/entry/ValoresSI.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/reinforced/AjustesGuardados.h"
#include "core/storage/CarpetaDialogos.h"
#include "core/validation/GeometriaEstandar.h"

#include <array>
#include <utility>

namespace dravek {

namespace {

constexpr std::int32_t TextoNoGrabado = 1320;
constexpr std::int32_t TextoQuedaComoEstaba = 1321;
constexpr std::int32_t TextoNoLeido = 1322;
constexpr std::int32_t TextoNoExiste = 1323;
constexpr std::int32_t TextoDemasiadoLargo = 1324;
constexpr std::int32_t TextoNoCodificable = 1325;
constexpr std::int32_t TextoReemplazar = 1326;
constexpr std::int32_t TextoNombreImposible = 1327;
constexpr std::int32_t TextoMaximoTramos = 1328;
constexpr std::int32_t TextoMaximoAjustes = 1329;
constexpr std::int32_t TextoTramoDanado = 1330;
constexpr std::int32_t TextoRegistro = 1331;
constexpr std::int32_t TextoObraDanada = 1332;
constexpr std::int32_t TextoNoAnulados = 1333;
constexpr std::int32_t TextoNoSeCalcula = 1334;
constexpr std::int32_t TextoCampoTitulo = 1335;
constexpr std::int32_t TextoCampoCliente = 1336;
constexpr std::int32_t TextoCampoDescripcion = 1337;
constexpr std::int32_t TextoCampoNumero = 1338;
constexpr std::int32_t TextoCampoAlturas = 1339;
constexpr std::int32_t TextoCampoIdioma = 1340;
constexpr std::int32_t TextoAjustesDanados = 1341;
constexpr std::int32_t TextoSoloLectura = 1350;
constexpr std::int32_t TextoAjustesComoEstaban = 1351;
constexpr std::int32_t TextoAbiertaEnOtra = 1354;
constexpr std::int32_t TextoCierreAlli = 1355;
constexpr std::int32_t TextoConfirmacion = 388;
constexpr std::int32_t TextoAbrirObra = 527;
// The file types of the project's dialogs.
constexpr std::int32_t TextoFiltroObras = 1760;
constexpr std::int32_t TextoFiltroTodos = 1761;
// Format checks of the header, records 1 to 4.
constexpr std::int32_t TextoVersion = 529;
constexpr std::int32_t TextoRegistroIdioma = 530;
constexpr std::int32_t TextoUnidades = 532;
constexpr std::int32_t TextoGolpeAriete = 533;

// The literal messages and dialog texts of the save, the same in every language.
constexpr const char *NoHaSalvado = "No ha salvado ningun Fichero";
constexpr const char *NoHaSeleccionado = "No ha seleccionado un nombre";
constexpr const char *NoEstaEnLista = "No esta ni en Altas ni en Modificaciones";
constexpr const char *TituloDialogo = "Seleccione el nombre del Fichero principal";

// The records of a run block that decide its reinforced-concrete design: typology, materials,
// section, installation, fill and loads. A change of one of them voids the run's overrides;
// pressures, heights other than the first and the description do not.
constexpr std::array<std::int32_t, 34> DesplazamientosDiseno = {
    9,  10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 38, 39, 40, 41, 42, 43,
    44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 64, 23, 24, 25, 14};

// What a file operation reported, on a line of its own after a message; nothing when it
// reported nothing.
std::string ConError(const std::string &error)
{
    return error.empty() ? std::string() : "\n" + error;
}

// The block of the run of that number: the first entry of the run list with that number, as
// integers; 0 when none has it.
std::int16_t BloqueDelTramo(const std::vector<TramoEnFichero> &tramos, std::int16_t numero,
                            const EstadoEjecucion &ejecucion)
{
    for (const TramoEnFichero &t : tramos) {
        if (LeeEntero(t.numero, ejecucion) == numero) {
            return t.bloque;
        }
    }
    return 0;
}

} // namespace

std::string ConExtensionObra(const std::string &nombre)
{
    const std::size_t separador = nombre.find_last_of("/\\");
    const std::size_t inicio = separador == std::string::npos ? 0 : separador + 1;
    const std::size_t punto = nombre.rfind('.');
    // A dot that starts the name (a hidden file) or ends it is no ending.
    if (punto != std::string::npos && punto > inicio && punto + 1 < nombre.size()) {
        return nombre;
    }
    if (!nombre.empty() && nombre.back() == '.') {
        return nombre + "dvk";
    }
    return nombre + ".dvk";
}

BloqueTramo BloqueConValores(BloqueTramo b, const DatosTramo &t, const ValoresSI &si)
{
    b.Tipologia = t.Tipologia;
    b.ArmaduraExteriorMaxima = t.ArmaduraExteriorMaxima;
    b.TipoControl = t.TipoControl;
    b.IndicadorCamisa = t.IndicadorCamisa;
    b.ClaseFisuracion = t.ClaseFisuracion;
    b.CAMMAX = t.CAMMAX;
    b.FCK = {t.FCK, si.FckSI};
    b.Fct = {t.Fct, si.FctSI};
    b.Fyk = {t.Fyk, si.FykSI};
    b.Fyd = {t.Fyd, si.FydSI};
    b.GamaB = t.GamaB;
    b.GamaY = t.GamaY;
    b.GamaF = t.GamaF;
    b.CoefPresionPrimario = t.CoefPresionPrimario;
    b.Delca = t.Delca;
    b.Es = {t.Es, si.EsSI};
    b.Ep = {t.Ep, si.EpSI};
    b.Fckno = {t.Fckno, si.FcknoSI};
    b.Fckn = {t.Fckn, si.FcknSI};
    b.Fckr = {t.Fckr, si.FckrSI};
    b.SFck = {t.SFck, si.SFckSI};
    b.Sf = {t.Sf, si.SfSI};
    b.Rel = t.Rel;
    b.Fic = t.Fic;
    b.Fir = t.Fir;
    b.Epsc = t.Epsc;
    b.Epsr = t.Epsr;
    b.vDi = t.vDi;
    b.ESP = t.ESP;
    b.vDE = t.vDE;
    b.RECI = t.RECI;
    b.RECE = t.RECE;
    b.vGAMAB = t.vGAMAB;
    b.vICUNA = t.vICUNA;
    b.CodigoColocacion = t.CodigoColocacion;
    b.AlturaInicialTramo = t.AlturaInicialTramo;
    b.AnchoZanja = t.AnchoZanja;
    b.vGAMAT = t.vGAMAT;
    b.AnguloRozamiento = t.AnguloRozamiento;
    b.TipoRelleno = t.TipoRelleno;
    b.DistanciaTerrenoNatural = t.DistanciaTerrenoNatural;
    b.IndiceAsentamiento = t.IndiceAsentamiento;
    b.CargaVerticalTotal = {t.CargaVerticalTotal, si.QDatoSI};
    b.CalculoCargas = t.CalculoCargas;
    b.TipoCargaConcentrada = t.TipoCargaConcentrada;
    b.DPInicialTramo = {t.DPInicialTramo, si.DPInicialTramoSI};
    b.DPFinalTramo = {t.DPFinalTramo, si.DPFinalTramoSI};
    b.IncrementoPresionTramo = {t.IncrementoPresionTramo, si.IncrementoPresionTramoSI};
    b.MDPInicialTramo = {t.MDPInicialTramo, si.MDPInicialTramoSI};
    b.MDPFinalTramo = {t.MDPFinalTramo, si.MDPFinalTramoSI};
    b.AlturaFinalTramo = t.AlturaFinalTramo;
    b.IncrementoAltura = t.IncrementoAltura;
    b.FykPost = {t.FykPost, si.FykPostSI};
    // What belongs to the other typology is stored as the clearing leaves it, so that the
    // bytes of a run never depend on the run shown before it.
    return SinMaterialesAjenos(std::move(b));
}

AlmacenObra::AlmacenObra(EstadoObra &estado, Mensajes &mensajes, SistemaFicheros &ficheros,
                         DialogosFichero &dialogos, AlmacenConfiguracion &configuracion,
                         CerrojosFichero &cerrojos)
    : m_estado(estado), m_mensajes(mensajes), m_ficheros(ficheros), m_dialogos(dialogos),
      m_cerrojos(cerrojos), m_configuracion(configuracion)
{
}

std::string AlmacenObra::T(std::int32_t n) const
{
    return Texto(m_estado.ejecucion.DesplazamientoIdioma, n);
}

void AlmacenObra::MuestraError(const std::string &texto)
{
    m_mensajes.Muestra(texto, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
}

void AlmacenObra::MuestraNoAnulados(std::int16_t tramo, const std::string &fichero,
                                    const std::string &error)
{
    MuestraError(T(TextoNoAnulados) + " " + std::to_string(tramo) + ": " + fichero +
                 ConError(error) + "\n" + T(TextoNoSeCalcula));
}

bool AlmacenObra::TieneFichero() const
{
    return m_estado.obra.AbrirObraExistente != Falso &&
           !Recorta(m_estado.obra.NombreFicheroObra).empty();
}

std::string AlmacenObra::NombreFicheroAjustes() const
{
    return TieneFichero() ? DerivaNombreFicheroAjustes(m_estado.obra.NombreFicheroObra)
                          : std::string();
}

std::optional<CabeceraCargada> AlmacenObra::AbreObra(const std::string &ruta)
{
    const LecturaFichero lectura = m_ficheros.Lee(ruta);
    if (lectura.estado == LecturaFichero::Estado::NoExiste) {
        MuestraError(T(TextoNoExiste) + " " + ruta);
        return std::nullopt;
    }
    if (lectura.estado == LecturaFichero::Estado::Fallo) {
        MuestraError(T(TextoNoLeido) + " " + ruta + "\n" + lectura.error);
        return std::nullopt;
    }
    FicheroRegistros imagen(lectura.bytes);
    LecturaCabecera cabecera = LeeCabecera(imagen, m_estado.ejecucion);
    std::int32_t texto = 0;
    switch (cabecera.fallo) {
    case FalloCabecera::Ninguno:
        break;
    case FalloCabecera::Version:
        texto = TextoVersion;
        break;
    case FalloCabecera::Idioma:
        texto = TextoRegistroIdioma;
        break;
    case FalloCabecera::Unidades:
        texto = TextoUnidades;
        break;
    case FalloCabecera::GolpeAriete:
        texto = TextoGolpeAriete;
        break;
    case FalloCabecera::Danada:
        MuestraError(T(TextoObraDanada) + " " + ruta + " (" + T(TextoRegistro) + " " +
                     std::to_string(cabecera.registro) + ")");
        return std::nullopt;
    }
    if (texto != 0) {
        MuestraError(T(texto) + " " + std::string(MarcaVersion));
        return std::nullopt;
    }
    CerrojoNuevo cerrojo = TomaCerrojo(ruta, false);
    if (!cerrojo.libre) {
        return std::nullopt;
    }
    QuedaCerrojo(std::move(cerrojo));
    // The project is this program's now: what killed writers of its files left goes.
    m_ficheros.LimpiaTemporales(ruta);
    m_ficheros.LimpiaTemporales(DerivaNombreFicheroAjustes(ruta));
    m_imagen = std::move(imagen);
    m_tramos = cabecera.cabecera.Tramos;
    m_bloques = cabecera.cabecera.NumeroTramos;
    m_marcado = false;
    m_anulacionesPendientes.clear();
    m_estado.obra.NombreFicheroObra = ruta;
    m_estado.obra.AbrirObraExistente = Verdadero;
    return std::move(cabecera.cabecera);
}

void AlmacenObra::NuevaObra()
{
    m_imagen = FicheroRegistros();
    m_tramos.clear();
    m_bloques = 0;
    m_marcado = false;
    m_anulacionesPendientes.clear();
    m_cerrojo.reset();
    m_estado.obra.NombreFicheroObra.assign(1, ' ');
    m_estado.obra.AbrirObraExistente = Falso;
}

std::string AlmacenObra::CarpetaDialogo() const
{
    return CarpetaInicialDialogo(m_configuracion, m_estado.obra, m_dialogos.CarpetaDocumentos());
}

std::vector<FiltroFichero> AlmacenObra::FiltrosObra() const
{
    return {{T(TextoFiltroObras), "*.DVK"}, {T(TextoFiltroTodos), "*.*"}};
}

std::optional<std::string> AlmacenObra::PideFicheroObra()
{
    std::optional<std::string> elegido = std::exchange(m_elegido, std::nullopt);
    if (!elegido) {
        elegido = m_dialogos.PideFicheroAbrir(T(TextoAbrirObra), CarpetaDialogo(), FiltrosObra());
    }
    if (!elegido) {
        return std::nullopt;
    }
    std::string ruta = Recorta(elegido->substr(0, elegido->find('\0')));
    if (ruta.empty()) {
        return std::nullopt;
    }
    RecuerdaCarpetaDialogo(m_configuracion, ruta);
    return ruta;
}

std::optional<AlmacenObra::Nombre> AlmacenObra::PideNombre()
{
    for (;;) {
        const std::optional<std::string> elegido =
            m_dialogos.PideFicheroGuardar(TituloDialogo, CarpetaDialogo(), FiltrosObra());
        if (!elegido) {
            m_mensajes.Muestra(NoHaSalvado, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
            m_estado.obra.NombreFicheroObra = " ";
            return std::nullopt;
        }
        std::string ruta = elegido->substr(0, elegido->find('\0'));
        ruta = Recorta(ruta);
        if (ruta.empty()) {
            m_mensajes.Muestra(NoHaSeleccionado, BotonesMensaje::Aceptar, IconoMensaje::Ninguno,
                               "");
            m_estado.obra.NombreFicheroObra = "";
            return std::nullopt;
        }
        ruta = ConExtensionObra(ruta);
        RecuerdaCarpetaDialogo(m_configuracion, ruta);
        const LecturaFichero sonda = m_ficheros.Lee(ruta);
        if (sonda.estado == LecturaFichero::Estado::Leido) {
            // Replacing another project loses it: asked first.
            if (m_mensajes.Muestra(T(TextoReemplazar) + "\n" + ruta, BotonesMensaje::SiNo,
                                   IconoMensaje::Exclamacion,
                                   T(TextoConfirmacion)) == RespuestaMensaje::Si) {
                return Nombre{ruta, true};
            }
            continue;
        }
        std::string error = sonda.error;
        if (sonda.estado == LecturaFichero::Estado::NoExiste) {
            error = m_ficheros.CompruebaNombreNuevo(ruta);
        }
        if (error.empty()) {
            return Nombre{ruta, false};
        }
        // A name the file cannot be created under: told, and the engineer chooses again.
        MuestraError(T(TextoNombreImposible) + " " + ruta + "\n" + error);
    }
}

bool AlmacenObra::MuestraFalloTextos(const FalloTextos &fallo, std::int32_t base)
{
    if (!fallo) {
        return false;
    }
    std::int32_t campo = 0;
    if (base == 0) {
        switch (fallo.registro) {
        case 2:
            campo = TextoCampoIdioma;
            break;
        case 5:
            campo = TextoCampoTitulo;
            break;
        case 6:
            campo = TextoCampoCliente;
            break;
        default:
            campo = TextoCampoAlturas;
            break;
        }
    } else {
        campo = fallo.registro - base == 7 ? TextoCampoNumero : TextoCampoDescripcion;
    }
    if (fallo.fallo == FalloRegistro::FueraDeRango) {
        MuestraError(T(TextoMaximoTramos));
    } else {
        const std::int32_t texto = fallo.fallo == FalloRegistro::DemasiadoLargo
                                       ? TextoDemasiadoLargo
                                       : TextoNoCodificable;
        MuestraError(T(texto) + " " + T(campo));
    }
    return true;
}

std::optional<CabeceraObra> AlmacenObra::CabeceraDeVentana(CapturaDatos &v)
{
    EstadoObra &e = v.estado();
    const std::string caja = LeePresionesSI(v, v.MuestraSI());
    if (!caja.empty()) {
        m_mensajes.Muestra(T(TextoValorNoNumerico), BotonesMensaje::Aceptar, IconoMensaje::Ninguno,
                           caja);
        return std::nullopt;
    }
    const DatosObra &o = e.obra;
    const ValoresSI &si = e.valoresSI;
    CabeceraObra c;
    c.Idioma = IdiomaDeLaObra(e);
    c.NombreIdioma = v.edIdioma.Text();
    c.SistemaUnidades = e.ejecucion.SistemaUnidades;
    c.GolpeArieteCalculado = v.rdGolpeAriete.Value(0);
    c.Obra = v.edObra.Text();
    c.Cliente = v.edCliente.Text();
    c.DPInicialObra = {o.DPInicialObra, si.DPInicialObraSI};
    c.DPFinalObra = {o.DPFinalObra, si.DPFinalObraSI};
    c.IncrementoPresionObra = {o.IncrementoPresionObra, si.IncrementoPresionObraSI};
    c.MDPInicialObra = {o.MDPInicialObra, si.MDPInicialObraSI};
    c.MDPFinalObra = {o.MDPFinalObra, si.MDPFinalObraSI};
    c.Alt1 = v.edAlt1.Text();
    c.Alt2 = v.edAlt2.Text();
    c.Alt3 = v.edAlt3.Text();
    c.NumeroTramos = m_bloques;
    RestauraPresionesSI(e);
    return c;
}

std::optional<BloqueTramo> AlmacenObra::BloqueDeVentana(CapturaDatos &v)
{
    EstadoObra &e = v.estado();
    const std::string caja = LeeDatosSI(v, v.MuestraSI());
    if (!caja.empty()) {
        m_mensajes.Muestra(T(TextoValorNoNumerico), BotonesMensaje::Aceptar, IconoMensaje::Ninguno,
                           caja);
        return std::nullopt;
    }
    BloqueTramo b;
    b.Numero = v.edTramo.Text();
    b.Descripcion = v.edDescriTramo.Text();
    // Ticked is the state 1 alone: the greyed state is not ticked, as the validation reads it.
    b.FijaArmaduraExterior = v.edIcontes0.Value() == EstadoCasilla::Marcada;
    b.FijaPresionPrimario = v.edIcontes1.Value() == EstadoCasilla::Marcada;
    b = BloqueConValores(std::move(b), e.tramo, e.valoresSI);
    RestauraDatosSI(e);
    return b;
}

AlmacenObra::CerrojoNuevo AlmacenObra::TomaCerrojo(const std::string &ruta, bool grabando)
{
    CerrojoNuevo nuevo;
    if (m_cerrojo && TieneFichero() && ruta == m_estado.obra.NombreFicheroObra) {
        nuevo.propio = true;
        return nuevo;
    }
    CerrojosFichero::Toma toma = m_cerrojos.TomaCerrojo(ruta);
    if (toma.estado == CerrojosFichero::Toma::Estado::Ocupado) {
        MuestraError(T(TextoAbiertaEnOtra) + " " + ruta + "\n" +
                     T(grabando ? TextoQuedaComoEstaba : TextoCierreAlli));
        nuevo.libre = false;
        return nuevo;
    }
    nuevo.cerrojo = std::move(toma.cerrojo);
    return nuevo;
}

void AlmacenObra::QuedaCerrojo(CerrojoNuevo &&cerrojo)
{
    if (!cerrojo.propio) {
        m_cerrojo = std::move(cerrojo.cerrojo);
    }
}

bool AlmacenObra::EscribeObra(CapturaDatos &v, const std::optional<Nombre> &nuevo,
                              const FicheroRegistros &imagen)
{
    const std::string ruta = nuevo ? nuevo->ruta : m_estado.obra.NombreFicheroObra;
    const bool reemplaza = nuevo && nuevo->reemplaza;
    const std::string rutaAjustes = DerivaNombreFicheroAjustes(ruta);
    // A file the engineer marked read-only is kept as it is, and so is the project whose
    // adjustments file is marked so: nothing of either is written.
    for (const std::string &fichero : {ruta, rutaAjustes}) {
        if ((fichero == ruta || reemplaza) && m_ficheros.SoloLectura(fichero)) {
            MuestraError(T(TextoSoloLectura) + " " + fichero);
            return false;
        }
    }
    CerrojoNuevo cerrojo;
    if (nuevo) {
        cerrojo = TomaCerrojo(ruta, true);
        if (!cerrojo.libre) {
            return false;
        }
    }
    // What killed writers of these files left beside them goes before the folder gets more.
    m_ficheros.LimpiaTemporales(ruta);
    m_ficheros.LimpiaTemporales(rutaAjustes);
    std::string error;
    const LecturaFichero ajustes = reemplaza ? m_ficheros.Lee(rutaAjustes) : LecturaFichero{};
    if (ajustes.estado == LecturaFichero::Estado::Fallo) {
        // Whether the replaced project left overrides cannot be known: the new project is not
        // put beside them.
        error = ajustes.error;
    } else if (ajustes.estado == LecturaFichero::Estado::Leido) {
        // The replaced project's overrides must not outlive it, not even across a restart: the
        // new project file takes its place only together with an empty adjustments file.
        error =
            m_ficheros.EscribePar(ruta, imagen.Bytes(), rutaAjustes, FicheroRegistros().Bytes());
    } else {
        error = m_ficheros.EscribeEntero(ruta, imagen.Bytes());
    }
    if (!error.empty()) {
        MuestraError(T(TextoNoGrabado) + " " + ruta + "\n" + error + "\n" +
                     T(TextoQuedaComoEstaba) +
                     (reemplaza ? "\n" + T(TextoAjustesComoEstaban) + " " + rutaAjustes : ""));
        return false;
    }
    m_imagen = imagen;
    // Every write carries the header as the window shows it.
    m_estado.obra.CabeceraModificada = false;
    if (nuevo) {
        QuedaCerrojo(std::move(cerrojo));
        m_estado.obra.NombreFicheroObra = ruta;
        m_estado.obra.AbrirObraExistente = Verdadero;
        v.menu().MnSeleccionarImpresora.Enabled = true;
        v.menu().MnImprimir.Enabled = true;
    }
    if (reemplaza) {
        // The replaced project took its overrides with it.
        m_anulacionesPendientes.clear();
    }
    return true;
}

bool AlmacenObra::GrabaObra(CapturaDatos &v)
{
    std::optional<Nombre> nuevo;
    if (!TieneFichero()) {
        nuevo = PideNombre();
        if (!nuevo) {
            return false;
        }
    }
    const std::optional<CabeceraObra> cabecera = CabeceraDeVentana(v);
    if (!cabecera) {
        return false;
    }
    FicheroRegistros imagen = nuevo && nuevo->reemplaza ? FicheroRegistros() : m_imagen;
    const std::string &sep = m_estado.ejecucion.SeparadorDecimalLocal;
    if (MuestraFalloTextos(EscribeRegistros(imagen, 1, TextosCabecera(*cabecera, sep)), 0)) {
        return false;
    }
    if (!EscribeObra(v, nuevo, imagen)) {
        return false;
    }
    if (nuevo && nuevo->reemplaza) {
        m_tramos.clear();
        m_bloques = 0;
    }
    return true;
}

bool AlmacenObra::GrabaTramo(CapturaDatos &v, bool nuevo)
{
    if (nuevo && m_bloques >= MaximoTramos) {
        MuestraError(T(TextoMaximoTramos));
        return false;
    }
    std::optional<Nombre> nombre;
    if (!TieneFichero()) {
        nombre = PideNombre();
        if (!nombre) {
            return false;
        }
    }
    const bool vacio = nombre && nombre->reemplaza;
    const std::vector<TramoEnFichero> tramos = vacio ? std::vector<TramoEnFichero>{} : m_tramos;
    const std::int16_t bloques = vacio ? std::int16_t{0} : m_bloques;

    // The run's block: a new run goes after the last block; a stored one is found by its number
    // (the first entry of the list with that number, as integers).
    std::int16_t bloque = 0;
    const std::string numero = Recorta(v.edTramo.Text());
    const std::optional<std::int16_t> n = LeeEntero(numero, m_estado.ejecucion);
    if (nuevo) {
        bloque = static_cast<std::int16_t>(bloques + 1);
    } else if (n) {
        bloque = BloqueDelTramo(tramos, *n, m_estado.ejecucion);
    }
    if (bloque == 0) {
        m_mensajes.Muestra(NoEstaEnLista, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
        return false;
    }

    std::optional<CabeceraObra> cabecera = CabeceraDeVentana(v);
    if (!cabecera) {
        return false;
    }
    cabecera->NumeroTramos = nuevo ? bloque : bloques;
    const std::optional<BloqueTramo> datos = BloqueDeVentana(v);
    if (!datos) {
        return false;
    }
    // Whether the overrides of the run must go: a change of what decides its design, looked at
    // before the old block is overwritten.
    const bool anula = nuevo || vacio || (m_marcado && CambiaDiseno(v, bloque));

    FicheroRegistros imagen = vacio ? FicheroRegistros() : m_imagen;
    const std::string &sep = m_estado.ejecucion.SeparadorDecimalLocal;
    if (MuestraFalloTextos(EscribeRegistros(imagen, 1, TextosCabecera(*cabecera, sep)), 0) ||
        MuestraFalloTextos(EscribeRegistros(imagen, BaseBloque(bloque) + PrimerDesplazamiento,
                                            TextosBloque(*datos, cabecera->NumeroTramos, sep)),
                           BaseBloque(bloque))) {
        return false;
    }
    if (!EscribeObra(v, nombre, imagen)) {
        return false;
    }
    m_tramos = tramos;
    m_bloques = cabecera->NumeroTramos;
    if (nuevo) {
        m_tramos.push_back({numero, bloque});
        if (vacio) {
            v.edTramo.Clear();
        }
        v.edTramo.AddItem(numero);
    }
    m_marcado = false;
    if (anula && n) {
        AnulaAjustesGuardados(*n);
    }
    return true;
}

bool AlmacenObra::CambiaDiseno(CapturaDatos &v, std::int16_t bloque)
{
    const std::optional<BloqueTramo> datos = BloqueDeVentana(v);
    if (!datos) {
        return true;
    }
    const EstadoEjecucion &e = m_estado.ejecucion;
    const auto nuevos = TextosBloque(*datos, 0, e.SeparadorDecimalLocal);
    for (const std::int32_t d : DesplazamientosDiseno) {
        const std::optional<std::string> guardado = m_imagen.LeeRegistro(BaseBloque(bloque) + d);
        if (!guardado ||
            NormalizaSeparador(*guardado, e) != nuevos[static_cast<std::size_t>(d - 6)]) {
            return true;
        }
    }
    return false;
}

void AlmacenObra::AnulaAjustesGuardados(std::int16_t tramo)
{
    FicheroAjustes ajustes(m_ficheros, NombreFicheroAjustes(), m_estado.ejecucion);
    const ResultadoAjustes r = ajustes.AnulaAjustesTramo(tramo);
    if (r) {
        m_anulacionesPendientes.erase(tramo);
        return;
    }
    m_anulacionesPendientes.insert(tramo);
    MuestraNoAnulados(tramo, ajustes.NombreFicheroAjustes(), r.error);
}

void AlmacenObra::AnulaAjustesTramo()
{
    if (TieneFichero() && !m_estado.ejecucion.Cargando) {
        m_marcado = true;
    }
}

AlmacenObra::AjustesCalculo AlmacenObra::AjustesParaCalcular(CapturaDatos &v)
{
    AjustesCalculo calculo;
    if (!TieneFichero()) {
        return calculo;
    }
    const std::int16_t tramo = m_estado.tramo.TramoActual;
    if (m_anulacionesPendientes.count(tramo) != 0) {
        FicheroAjustes ajustes(m_ficheros, NombreFicheroAjustes(), m_estado.ejecucion);
        const ResultadoAjustes r = ajustes.AnulaAjustesTramo(tramo);
        if (!r) {
            calculo.permitido = false;
            MuestraNoAnulados(tramo, ajustes.NombreFicheroAjustes(), r.error);
            return calculo;
        }
        m_anulacionesPendientes.erase(tramo);
    }
    if (m_estado.ejecucion.DatosModificados && m_marcado) {
        // The run on the screen is not the stored one: what the engineer chose for the stored
        // design does not apply to it.
        const std::int16_t bloque = BloqueDelTramo(m_tramos, tramo, m_estado.ejecucion);
        if (bloque == 0 || CambiaDiseno(v, bloque)) {
            return calculo;
        }
    }
    calculo.ajustes =
        std::make_unique<FicheroAjustes>(m_ficheros, NombreFicheroAjustes(), m_estado.ejecucion);
    return calculo;
}

bool AlmacenObra::GrabaUnTramoPresion(double DP, std::int16_t TramoActual, double AlturaActual,
                                      const std::optional<AjusteGuardado> &eleccion)
{
    if (!TieneFichero()) {
        return false;
    }
    FicheroAjustes ajustes(m_ficheros, NombreFicheroAjustes(), m_estado.ejecucion);
    const ResultadoAjustes r =
        ajustes.GrabaUnTramoPresion(DP, TramoActual, AlturaActual, eleccion);
    switch (r.estado) {
    case ResultadoAjustes::Estado::Hecho:
        return true;
    case ResultadoAjustes::Estado::Lleno:
        MuestraError(T(TextoMaximoAjustes));
        break;
    case ResultadoAjustes::Estado::Ilegible:
        MuestraError(T(TextoAjustesDanados) + " " + ajustes.NombreFicheroAjustes() +
                     ConError(r.error));
        break;
    case ResultadoAjustes::Estado::FalloEscritura:
        MuestraError(T(TextoNoGrabado) + " " + ajustes.NombreFicheroAjustes() + "\n" + r.error +
                     "\n" + T(TextoQuedaComoEstaba));
        break;
    }
    return false;
}

bool AlmacenObra::CargaTramo(CapturaDatos &v, std::int16_t k)
{
    EstadoObra &e = v.estado();
    if (k < 1 || static_cast<std::size_t>(k) > m_tramos.size()) {
        return false;
    }
    const TramoEnFichero &tramo = m_tramos[static_cast<std::size_t>(k - 1)];
    const bool enMKS = e.ejecucion.SistemaUnidades == "MKS";
    const LecturaBloque lectura = LeeBloque(m_imagen, tramo.bloque, enMKS, e.ejecucion);
    if (!lectura.correcta) {
        MuestraError(T(TextoTramoDanado) + " " + tramo.numero + " (" + T(TextoRegistro) + " " +
                     std::to_string(lectura.registro) + ")");
        return false;
    }
    PonTramoEnVentana(v, lectura.bloque);
    m_marcado = false;
    return true;
}

} // namespace dravek
