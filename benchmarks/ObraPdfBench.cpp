// Milliseconds per page of the whole project's Normal listing printed to a PDF file, as the
// engineer does it: the project opened from its file, the print command of the main menu
// (every run loaded, validated and calculated into the listing window), then the window's print
// button with no printer installed, which calculates every run again into one PDF document
// through the Qt printer while the debug file is written. The project holds 200 runs,
// reinforced concrete with a cylinder and spirals and post-tensioned ones in turn, each over
// two fill heights and two DPs. The time is that of the print button alone.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "InformeMedida.h"
#include "TramosMedida.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "apoyo/VentanasNulas.h"
#include "apoyo/VistaCapturaNula.h"
#include "core/design/DisenoTubo.h"
#include "core/entry/ObraCapturaDatos.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/DialogosFichero.h"
#include "core/plataforma/Mensajes.h"
#include "core/plataforma/Progreso.h"
#include "core/shell/ComandosCalculo.h"
#include "core/shell/FormaPrincipal.h"
#include "core/storage/FicheroRegistros.h"
#include "core/storage/Ficheros.h"
#include "core/storage/RegistrosObra.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/CerrojosFicheroQt.h"
#include "gui/plataforma/ImpresoraQt.h"
#include "gui/plataforma/MemoriaImpresion.h"
#include "gui/plataforma/TrabajoImpresionQt.h"

namespace dravek::medida {
namespace {

constexpr int TramosObra = 200;
constexpr int AlturasTramo = 2;
constexpr int PresionesTramo = 2;

// Every message box is counted and answered with its first button: none is expected.
class MensajesContados final : public Mensajes {
public:
    RespuestaMensaje Muestra(const std::string &texto, BotonesMensaje, IconoMensaje,
                             const std::string &) override
    {
        ++m_mostrados;
        std::fprintf(stderr, "%s\n", texto.c_str());
        return RespuestaMensaje::Aceptar;
    }
    int mostrados() const { return m_mostrados; }

private:
    int m_mostrados = 0;
};

// The open dialog gives the project file; nothing is saved.
class DialogoObra final : public DialogosFichero {
public:
    explicit DialogoObra(std::string ruta) : m_ruta(std::move(ruta)) {}
    std::optional<std::string> PideFicheroGuardar(const std::string &, const std::string &,
                                                  const std::vector<FiltroFichero> &) override
    {
        return std::nullopt;
    }
    std::optional<std::string> PideFicheroAbrir(const std::string &, const std::string &,
                                                const std::vector<FiltroFichero> &) override
    {
        return m_ruta;
    }

private:
    std::string m_ruta;
};

// The windows apart: no progress is shown, and the print always goes on.
class SinProgreso final : public Progreso {
public:
    void Empieza(const std::string &, const std::string &, std::int64_t) override {}
    bool Sigue(std::int64_t) override { return true; }
    void Termina() override {}
};

// No settings are kept.
class SinConfiguracion final : public AlmacenConfiguracion {
public:
    bool ExisteClave(RaizRegistro, const std::string &) override { return false; }
    bool CreaClave(RaizRegistro, const std::string &) override { return false; }
    std::optional<ValorRegistro> LeeValor(RaizRegistro, const std::string &,
                                          const std::string &) override
    {
        return std::nullopt;
    }
    bool EscribeValor(RaizRegistro, const std::string &, const std::string &,
                      const ValorRegistro &) override
    {
        return false;
    }
    std::optional<std::string> LeeAjuste(const std::string &, const std::string &,
                                         const std::string &) override
    {
        return std::nullopt;
    }
    void GrabaAjuste(const std::string &, const std::string &, const std::string &,
                     const std::string &) override
    {
    }
};

class LocalPunto final : public LocalUsuario {
public:
    std::string SeparadorDecimal() override { return "."; }
};

// The listing window closes at once; the other windows never open.
class VentanasObra final : public pruebas::VentanasNulas {
public:
    void MuestraListado() override { ++listados; }
    int listados = 0;
};

// A run's stored values as the save command takes them from its working values (MKS; the SI
// element of a pair is never read in an MKS project).
BloqueTramo BloqueDe(const DatosTramo &t, const std::string &numero)
{
    const auto par = [](double mks) { return ParValores{mks, mks / 10}; };
    BloqueTramo b;
    b.Numero = numero;
    b.Descripcion = "TRAMO " + numero;
    b.Tipologia = t.Tipologia;
    b.TipoControl = t.TipoControl;
    b.IndicadorCamisa = t.IndicadorCamisa;
    b.ClaseFisuracion = t.ClaseFisuracion;
    b.CAMMAX = t.CAMMAX;
    b.FCK = par(t.FCK);
    b.Fct = par(t.Fct);
    b.Fyk = par(t.Fyk);
    b.Fyd = par(t.Fyd);
    b.GamaB = t.GamaB;
    b.GamaY = t.GamaY;
    b.GamaF = t.GamaF;
    b.Delca = t.Delca;
    b.Es = par(t.Es);
    b.Ep = par(t.Ep);
    b.Fckno = par(t.Fckno);
    b.Fckn = par(t.Fckn);
    b.Fckr = par(t.Fckr);
    b.SFck = par(t.SFck);
    b.Sf = par(t.Sf);
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
    b.CargaVerticalTotal = par(t.CargaVerticalTotal);
    b.CalculoCargas = t.CalculoCargas;
    b.TipoCargaConcentrada = t.TipoCargaConcentrada;
    b.DPInicialTramo = par(t.DPInicialTramo);
    b.DPFinalTramo = par(t.DPFinalTramo);
    b.IncrementoPresionTramo = par(t.IncrementoPresionTramo);
    b.MDPInicialTramo = par(t.MDPInicialTramo);
    b.MDPFinalTramo = par(t.MDPFinalTramo);
    b.AlturaFinalTramo = t.AlturaFinalTramo;
    b.IncrementoAltura = t.IncrementoAltura;
    b.FykPost = par(t.FykPost);
    return SinMaterialesAjenos(std::move(b));
}

// The bytes of the project file: its header and one block per run, written by the storage
// code's own codec.
std::string ProyectoDeMedida(const std::string &ruta)
{
    FicheroRegistros fichero;
    CabeceraObra cabecera;
    cabecera.Idioma = 1;
    cabecera.NombreIdioma = "Español";
    cabecera.SistemaUnidades = "MKS";
    cabecera.GolpeArieteCalculado = false;
    cabecera.Obra = "ABASTECIMIENTO DE AGUA A LA COMARCA DEL CAMPO - CONDUCCIÓN PRINCIPAL";
    cabecera.Cliente = "MANCOMUNIDAD DE AGUAS";
    // The project's MDP and first fill height, those of its runs.
    cabecera.MDPInicialObra = {RelacionMDPDP * PresionInicial,
                               RelacionMDPDP * PresionInicial / 10};
    cabecera.Alt1 = "1.00";
    cabecera.NumeroTramos = TramosObra;
    const std::string separador = ".";
    for (int k = 1; k <= TramosObra; ++k) {
        EstadoObra estado;
        PreparaTramo(estado, k % 2 == 1 ? ClaseTramo::ArmadoConCamisa : ClaseTramo::Postesado,
                     AlturasTramo, PresionesTramo, ruta);
        // The highest design stress of the steel the run's check accepts without asking.
        estado.tramo.Fyd = std::min(estado.tramo.Fyd, 1400.0);
        const BloqueTramo bloque = BloqueDe(estado.tramo, std::to_string(k));
        if (EscribeRegistros(fichero, BaseBloque(k) + PrimerDesplazamiento,
                             TextosBloque(bloque, static_cast<std::int16_t>(k), separador))) {
            return {};
        }
    }
    // As after the last run's save: the header last, since block 1 starts at its run count.
    if (EscribeRegistros(fichero, 1, TextosCabecera(cabecera, separador))) {
        return {};
    }
    return fichero.Bytes();
}

// The pages of a PDF file: its page objects, not its page tree.
int CuentaPaginas(const QString &ruta)
{
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) {
        return 0;
    }
    const QByteArray pdf = fichero.readAll();
    const QByteArray marca("/Type /Page");
    int paginas = 0;
    for (qsizetype i = pdf.indexOf(marca); i >= 0; i = pdf.indexOf(marca, i + 1)) {
        const qsizetype despues = i + marca.size();
        if (despues >= pdf.size() || pdf.at(despues) != 's') {
            ++paginas;
        }
    }
    return paginas;
}

void BM_ObraNormalPdf(benchmark::State &medida)
{
    QTemporaryDir carpeta;
    if (!carpeta.isValid()) {
        medida.SkipWithError("no temporary folder");
        return;
    }
    const std::string datos = std::string(DRAVEK_DATOS_PROGRAMA) + "/";
    const std::string rutaObra = gui::deQt(carpeta.filePath(QStringLiteral("obra.dvk")));
    SistemaFicherosDisco ficheros;
    const std::string bytes = ProyectoDeMedida(datos);
    if (bytes.empty() || !ficheros.EscribeEntero(rutaObra, bytes).empty()) {
        medida.SkipWithError("the project file was not written");
        return;
    }

    // Wired as the program wires them, the windows apart.
    EstadoObra estado;
    MensajesContados mensajes;
    SinConfiguracion configuracion;
    RelojFijo reloj;
    gui::ImpresoraQt impresora;
    SalidaListado salida(reloj, impresora);
    pruebas::TextosPlataformaGrabadora textos;
    FormaPrincipal forma(estado, mensajes, configuracion, textos);
    LocalPunto local;
    if (!forma.Arranca(datos, local)) {
        medida.SkipWithError("the program did not start");
        return;
    }
    VentanasObra ventanas;
    gui::TrabajoImpresionQt trabajo(estado, impresora, nullptr);
    const QString pdf = carpeta.filePath(QStringLiteral("obra.pdf"));
    trabajo.HayImpresora = [] { return false; };
    trabajo.PideFicheroPdf = [&pdf] { return pdf; };
    estado.ejecucion.CarpetaDepuracion = gui::deQt(carpeta.filePath(QStringLiteral("dep")));
    FicheroDepuracion depuracion(estado.ejecucion.CarpetaDepuracion);
    DisenoTubo diseno;
    DialogoObra dialogos(rutaObra);
    gui::CerrojosFicheroQt cerrojos;
    ObraCapturaDatos obra(estado, {mensajes, forma.menu(), ficheros, dialogos, cerrojos, forma,
                                   pruebas::SinVista()});
    SinProgreso progreso;
    ComandosCalculo calculo(estado, {mensajes, salida, depuracion, diseno, obra, ventanas, trabajo,
                                     progreso, &depuracion});
    obra.PonComandos(calculo);
    forma.Conecta(obra, ventanas, calculo);

    // The project opened, and the whole project calculated into the listing window.
    forma.menu().MnAbriFichero.Click();
    forma.menu().MnImprimir.Click();
    if (mensajes.mostrados() > 0 || ventanas.listados != 1) {
        medida.SkipWithError("the project was not calculated");
        return;
    }
    frEscribePantalla &listado = calculo.listado();
    listado.rdTipoListado_Click(static_cast<int>(ClaseListado::Normal));

    int paginas = 0;
    for (auto _ : medida) {
        // The window's print button; every print is a fresh document.
        listado.btImprimeTramo_Click();
        if (mensajes.mostrados() > 0 || listado.Cargada()) {
            medida.SkipWithError("the PDF was not written");
            break;
        }
        medida.PauseTiming();
        paginas = CuentaPaginas(pdf);
        listado.Form_Load();
        listado.rdTipoListado_Click(static_cast<int>(ClaseListado::Normal));
        medida.ResumeTiming();
    }
    medida.counters["tramos"] = TramosObra;
    medida.counters["paginas"] = paginas;
    medida.counters["s/pagina"] = benchmark::Counter(
        paginas, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_ObraNormalPdf)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace dravek::medida

int main(int argc, char **argv)
{
    // Fonts and the PDF writer need an application object; no display is needed.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    // As the program starts.
    dravek::gui::PreparaMemoriaImpresion();
    QGuiApplication aplicacion(argc, argv);
    return dravek::medida::EjecutaMedidas(argc, argv);
}
