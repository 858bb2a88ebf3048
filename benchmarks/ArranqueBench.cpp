// Wall time of the program's start-up, from the start of its process to the first moment its
// event loop is idle (about to wait for events) with the main window shown: every iteration
// starts a fresh process of this executable, which loads the same libraries, builds the same
// objects and shows the same window through the same code as the program's main, and stops
// at that first idle moment. The time counts the loading of the libraries and plugins as well.
// The process runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise, with
// settings and data folders of its own, so that the engineer's are never touched.

#include "InformeMedida.h"
#include "ProcesoMedida.h"
#include "app/Programa.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/MemoriaImpresion.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char **environ;

namespace {

// The option that makes this executable the started program instead of the benchmark.
constexpr const char *OpcionArranque = "--arranque-hasta-reposo";

// Watches the main window's first paint, then takes the time of the loop's next wait and
// ends the loop.
class PrimerReposo final : public QObject {
public:
    explicit PrimerReposo(QWidget &ventana) : m_ventana(ventana) {}

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (objeto == &m_ventana && evento->type() == QEvent::Paint) {
            m_pintada = true;
        }
        return false;
    }
    void LoopEspera()
    {
        if (m_pintada && m_momento == 0) {
            m_momento = dravek::medida::AhoraNs();
            QCoreApplication::exit(0);
        }
    }
    std::int64_t Momento() const { return m_momento; }

private:
    QWidget &m_ventana;
    bool m_pintada = false;
    std::int64_t m_momento = 0;
};

// The program's start-up, built by the same code as its main, up to the first idle moment of the
// event loop; the monotonic clock then goes to standard output. Exit status 0 when the window came
// up, 1 when the start-up refused to go on.
int ArrancaHastaReposo(int argc, char **argv)
{
    dravek::gui::PreparaMemoriaImpresion();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DRAVEK"));
    QApplication::setOrganizationName(QStringLiteral("DRAVEK"));

    dravek::gui::Programa programa;
    if (!programa.Arranca(dravek::gui::deQt(QApplication::applicationDirPath()))) {
        return 1;
    }
    QWidget &vista = *programa.VentanaPrincipal();

    // The first time the loop would wait once the main window has painted itself. The loop
    // also says it would wait before it has looked at the events already posted (the first
    // paint among them), so the moment after that paint is the one that counts.
    PrimerReposo reposo(vista);
    app.installEventFilter(&reposo);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &app, [&reposo] { reposo.LoopEspera(); });
    const int resultado = QApplication::exec();
    if (resultado != 0 || reposo.Momento() == 0) {
        return 1;
    }
    std::printf("%lld\n", static_cast<long long>(reposo.Momento()));
    return 0;
}

// Starts this executable as the program and waits for it; the nanoseconds from just before
// its start to its first idle moment, or -1 when it failed.
std::int64_t MideArranque(const std::string &ejecutable, char **entorno)
{
    const auto programa = dravek::medida::EjecutaProceso(ejecutable, {OpcionArranque}, entorno);
    if (!programa || programa->salida.empty()) {
        return -1;
    }
    return std::strtoll(programa->salida.c_str(), nullptr, 10) - programa->inicio;
}

// The environment of the started program: this one's, with the offscreen platform unless
// another is named, and settings and data folders under a temporary folder.
class EntornoArranque {
public:
    explicit EntornoArranque(const std::string &carpeta)
    {
        bool plataforma = false;
        for (char **v = environ; *v != nullptr; ++v) {
            const std::string variable = *v;
            if (variable.rfind("XDG_CONFIG_HOME=", 0) == 0 ||
                variable.rfind("XDG_DATA_HOME=", 0) == 0) {
                continue;
            }
            plataforma = plataforma || variable.rfind("QT_QPA_PLATFORM=", 0) == 0;
            m_textos.push_back(variable);
        }
        if (!plataforma) {
            m_textos.push_back("QT_QPA_PLATFORM=offscreen");
        }
        m_textos.push_back("XDG_CONFIG_HOME=" + carpeta + "/config");
        m_textos.push_back("XDG_DATA_HOME=" + carpeta + "/datos");
        for (std::string &t : m_textos) {
            m_punteros.push_back(t.data());
        }
        m_punteros.push_back(nullptr);
    }
    char **Variables() { return m_punteros.data(); }

private:
    std::vector<std::string> m_textos;
    std::vector<char *> m_punteros;
};

void ArranqueHastaReposo(benchmark::State &medida, const std::string &ejecutable)
{
    char plantilla[] = "/tmp/dravek_arranque_XXXXXX";
    if (mkdtemp(plantilla) == nullptr) {
        medida.SkipWithError("no temporary folder");
        return;
    }
    const std::string carpeta = plantilla;
    EntornoArranque entorno(carpeta);
    for (auto _ : medida) {
        const std::int64_t ns = MideArranque(ejecutable, entorno.Variables());
        if (ns < 0) {
            medida.SkipWithError("the program did not come up");
            break;
        }
        medida.SetIterationTime(static_cast<double>(ns) / 1e9);
    }
    QDir(QString::fromStdString(carpeta)).removeRecursively();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 2 && std::strcmp(argv[1], OpcionArranque) == 0) {
        int argcPrograma = 1;
        return ArrancaHastaReposo(argcPrograma, argv);
    }
    const std::string ejecutable = dravek::medida::EsteEjecutable();
    if (ejecutable.empty()) {
        std::fprintf(stderr, "this executable cannot be found\n");
        return 1;
    }
    benchmark::RegisterBenchmark("BM_ArranqueHastaReposo", ArranqueHastaReposo, ejecutable)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(10)
        ->ComputeStatistics(
            "min",
            [](const std::vector<double> &v) { return *std::min_element(v.begin(), v.end()); })
        ->Unit(benchmark::kMillisecond);
    return dravek::medida::EjecutaMedidas(argc, argv);
}
