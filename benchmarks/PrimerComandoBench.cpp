// The first calculate command of a fresh program against the commands after it, on the runs of
// CalculoBench (reinforced concrete with a cylinder and spirals, with a cylinder only, and
// post-tensioned) at 400, 1 600 and 6 400 cases. Every repetition starts a fresh process of this
// executable, which builds the run as CalculoBench does, runs the command four times and tells
// what each cost: the processor time of the process, the wall time and the minor page faults.
// The first command is the one that reaches code, tables and memory the process has not touched
// yet.
//
// Counters, medians over the repetitions: "1er/resto", the first command's processor time a
// case over that of the later commands (the median of the three); "1er/resto reloj" the same by
// the wall clock; "s/caso" the later commands' processor time a case; "fallos 1er" and "fallos
// resto" the minor page faults of the first command and of a later one; "carga" the load
// average of the last minute, which the wall clock depends on. The manual time is the first
// command's wall time.

#include "InformeMedida.h"
#include "ProcesoMedida.h"
#include "TramosMedida.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <vector>

extern char **environ;

namespace dravek::medida {
namespace {

// The option that makes this executable the measured process instead of the benchmark; the
// run's class (its number in ClaseTramo) and its fill heights = DPs per height follow.
constexpr const char *OpcionComandos = "--comandos-en-proceso-nuevo";

// Commands after the first, of which the median counts.
constexpr int ComandosSiguientes = 3;

struct Instante {
    std::int64_t procesador = 0; // ns of processor time of the process
    std::int64_t reloj = 0;      // ns, monotonic
    long fallos = 0;             // minor page faults of the process
};

Instante Ahora()
{
    Instante instante;
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    instante.procesador = static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
    instante.reloj = AhoraNs();
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    instante.fallos = uso.ru_minflt;
    return instante;
}

// The measured process: the run built, then the commands one after the other, each between
// two instants; their cases on the first line of standard output, then a line per command with
// its processor time, wall time and faults. Exit status 1 when a command failed.
int ComandosEnProcesoNuevo(ClaseTramo clase, int n)
{
    CalculoDeTramo tramo(clase, n, n, std::string(DRAVEK_DATOS_PROGRAMA) + "/");
    std::array<Instante, ComandosSiguientes + 2> instantes{};
    for (int k = 0; k <= ComandosSiguientes; ++k) {
        instantes[k] = Ahora();
        if (tramo.Comando() || tramo.estado.caso.ContadorCasos != n * n) {
            return 1;
        }
    }
    instantes[ComandosSiguientes + 1] = Ahora();
    std::printf("%d\n", n * n);
    for (int k = 0; k <= ComandosSiguientes; ++k) {
        const Instante &a = instantes[k];
        const Instante &b = instantes[k + 1];
        std::printf("%lld %lld %ld\n", static_cast<long long>(b.procesador - a.procesador),
                    static_cast<long long>(b.reloj - a.reloj), b.fallos - a.fallos);
    }
    return 0;
}

struct CosteComando {
    double procesador = 0; // s a case
    double reloj = 0;      // s a case
    double fallos = 0;
};

double Mediana(std::vector<double> valores)
{
    std::sort(valores.begin(), valores.end());
    const std::size_t m = valores.size() / 2;
    return valores.size() % 2 == 1 ? valores[m] : (valores[m - 1] + valores[m]) / 2;
}

// The commands of one fresh process, the first one first; empty when it failed.
std::vector<CosteComando> MideProceso(const std::string &ejecutable, ClaseTramo clase, int n)
{
    const auto proceso = EjecutaProceso(
        ejecutable, {OpcionComandos, std::to_string(static_cast<int>(clase)), std::to_string(n)},
        environ);
    if (!proceso) {
        return {};
    }
    std::istringstream salida(proceso->salida);
    double casos = 0;
    salida >> casos;
    std::vector<CosteComando> comandos;
    long long procesador = 0;
    long long reloj = 0;
    long fallos = 0;
    while (salida >> procesador >> reloj >> fallos) {
        comandos.push_back({static_cast<double>(procesador) / 1e9 / casos,
                            static_cast<double>(reloj) / 1e9 / casos,
                            static_cast<double>(fallos)});
    }
    if (casos != static_cast<double>(n) * n || comandos.size() != ComandosSiguientes + 1) {
        return {};
    }
    return comandos;
}

// Argument: fill heights = DPs per height, so n x n cases. One process a repetition.
void PrimerComando(benchmark::State &medida, const std::string &ejecutable, ClaseTramo clase)
{
    const int n = static_cast<int>(medida.range(0));
    for (auto _ : medida) {
        const std::vector<CosteComando> comandos = MideProceso(ejecutable, clase, n);
        if (comandos.empty()) {
            medida.SkipWithError("the measured process failed");
            return;
        }
        std::vector<double> procesador;
        std::vector<double> reloj;
        std::vector<double> fallos;
        for (std::size_t k = 1; k < comandos.size(); ++k) {
            procesador.push_back(comandos[k].procesador);
            reloj.push_back(comandos[k].reloj);
            fallos.push_back(comandos[k].fallos);
        }
        const CosteComando &primero = comandos.front();
        const CosteComando resto{Mediana(procesador), Mediana(reloj), Mediana(fallos)};
        medida.SetIterationTime(primero.reloj * n * n);
        medida.counters["casos"] = static_cast<double>(n) * n;
        medida.counters["s/caso"] = resto.procesador;
        medida.counters["1er/resto"] = primero.procesador / resto.procesador;
        medida.counters["1er/resto reloj"] = primero.reloj / resto.reloj;
        medida.counters["fallos 1er"] = primero.fallos;
        medida.counters["fallos resto"] = resto.fallos;
        double carga[1] = {0};
        if (getloadavg(carga, 1) == 1) {
            medida.counters["carga"] = carga[0];
        }
    }
}

void Registra(const std::string &ejecutable, const char *nombre, ClaseTramo clase)
{
    benchmark::RegisterBenchmark(nombre, PrimerComando, ejecutable, clase)
        ->Arg(20)
        ->Arg(40)
        ->Arg(80)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(9)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMillisecond);
}

} // namespace
} // namespace dravek::medida

int main(int argc, char **argv)
{
    using namespace dravek::medida;
    if (argc == 4 && std::strcmp(argv[1], OpcionComandos) == 0) {
        const int clase = std::atoi(argv[2]);
        const int n = std::atoi(argv[3]);
        if (clase < 0 || clase > static_cast<int>(ClaseTramo::Postesado) || n < 1) {
            return 1;
        }
        return ComandosEnProcesoNuevo(static_cast<ClaseTramo>(clase), n);
    }
    const std::string ejecutable = EsteEjecutable();
    if (ejecutable.empty()) {
        std::fprintf(stderr, "this executable cannot be found\n");
        return 1;
    }
    Registra(ejecutable, "BM_PrimerComandoArmadoConCamisa", ClaseTramo::ArmadoConCamisa);
    Registra(ejecutable, "BM_PrimerComandoArmadoSoloCamisa", ClaseTramo::ArmadoSoloCamisa);
    Registra(ejecutable, "BM_PrimerComandoPostesado", ClaseTramo::Postesado);
    return EjecutaMedidas(argc, argv);
}
