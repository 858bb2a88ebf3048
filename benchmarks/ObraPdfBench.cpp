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
#include "ObraMedida.h"
#include "TramosMedida.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "apoyo/VentanasNulas.h"
#include "apoyo/VistaCapturaNula.h"
#include "core/design/DisenoTubo.h"
#include "core/entry/ObraCapturaDatos.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Progreso.h"
#include "core/shell/ComandosCalculo.h"
#include "core/shell/FormaPrincipal.h"
#include "core/storage/Ficheros.h"
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

// The windows apart: no progress is shown, and the print always goes on.
class SinProgreso final : public Progreso {
public:
    void Empieza(const std::string &, const std::string &, std::int64_t) override {}
    bool Sigue(std::int64_t) override { return true; }
    void Termina() override {}
};

// The listing window closes at once; the other windows never open.
class VentanasObra final : public pruebas::VentanasNulas {
public:
    void MuestraListado() override { ++listados; }
    int listados = 0;
};

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
    const std::string bytes = ProyectoDeMedida(TramosObra, [&datos](EstadoObra &estado, int k) {
        PreparaTramo(estado, k % 2 == 1 ? ClaseTramo::ArmadoConCamisa : ClaseTramo::Postesado,
                     AlturasTramo, PresionesTramo, datos);
    });
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
    DialogoObra dialogos(rutaObra);
    gui::TrabajoImpresionQt trabajo(estado, impresora, dialogos, configuracion);
    const QString pdf = carpeta.filePath(QStringLiteral("obra.pdf"));
    trabajo.HayImpresora = [] { return false; };
    trabajo.PideFicheroPdf = [&pdf] { return pdf; };
    estado.ejecucion.CarpetaDepuracion = gui::deQt(carpeta.filePath(QStringLiteral("dep")));
    FicheroDepuracion depuracion(estado.ejecucion.CarpetaDepuracion);
    DisenoTubo diseno;
    gui::CerrojosFicheroQt cerrojos;
    ObraCapturaDatos obra(estado, {mensajes, forma.menu(), ficheros, dialogos, configuracion,
                                   cerrojos, forma, pruebas::SinVista()});
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
