// Cases per second of a calculation as the calculate command runs it: the real designs, the
// screen listing and the debug file written to a real file. Each run is measured at 400, 1 600
// and 6 400 cases; the report ends with the cost of one case at the largest size over that at
// the smallest, which stays near 1 when nothing grows with the run. Also one case calculated
// alone, as the reinforcement adjustment window recalculates it.

#include "InformeMedida.h"
#include "TramosMedida.h"
#include "core/listing/Depuracion.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace dravek::medida {
namespace {

void ContadoresCasos(benchmark::State &medida, std::int32_t casos)
{
    medida.counters["casos"] = static_cast<double>(casos);
    medida.counters["casos/s"] = benchmark::Counter(static_cast<double>(casos),
                                                    benchmark::Counter::kIsIterationInvariantRate);
    medida.counters["s/caso"] = benchmark::Counter(static_cast<double>(casos),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

// Argument: fill heights = DPs per height, so n x n cases.
//
// The first command is timed apart ("1er s/caso", wall clock): it is the one that first reaches
// the code and tables of the case loop and, in a run larger than the screen text made ready at
// start-up (some 2.4 kB a case), fresh memory for the listing, which a later command of the same
// size finds ready. The iterations measure the commands after it, so that the cost per
// case of the larger runs shows what grows with the run rather than that first touch;
// "1er/resto" is the first command's cost per case over theirs, by the same clock. Only the
// process's first benchmark finds code and memory untouched: PrimerComandoBench times the first
// command of fresh processes.
void CalculaTramo(benchmark::State &medida, ClaseTramo clase)
{
    const int n = static_cast<int>(medida.range(0));
    CalculoDeTramo tramo(clase, n, n, std::string(DRAVEK_DATOS_PROGRAMA) + "/");

    const auto inicio = std::chrono::steady_clock::now();
    if (const ErrorCalculo error = tramo.Comando()) {
        medida.SkipWithError(error.mensaje.c_str());
        return;
    }
    const std::chrono::duration<double> primero = std::chrono::steady_clock::now() - inicio;
    const std::int32_t casos = tramo.estado.caso.ContadorCasos;
    if (casos != n * n) {
        medida.SkipWithError("the run did not calculate all its cases");
        return;
    }

    std::chrono::duration<double> despues{0};
    for (auto _ : medida) {
        const auto comienzo = std::chrono::steady_clock::now();
        if (const ErrorCalculo error = tramo.Comando()) {
            medida.SkipWithError(error.mensaje.c_str());
            break;
        }
        benchmark::DoNotOptimize(tramo.salida.TextoPantalla().data());
        despues += std::chrono::steady_clock::now() - comienzo;
    }
    ContadoresCasos(medida, casos);
    const double primeroPorCaso = primero.count() / casos;
    const double despuesPorCaso =
        despues.count() / (static_cast<double>(medida.iterations()) * casos);
    medida.counters["1er s/caso"] = primeroPorCaso;
    // The first command's cost per case over that of the later ones, both by the same clock.
    medida.counters["1er/resto"] = despuesPorCaso > 0 ? primeroPorCaso / despuesPorCaso : 0;
}

void BM_TramoArmadoConCamisa(benchmark::State &medida)
{
    CalculaTramo(medida, ClaseTramo::ArmadoConCamisa);
}

void BM_TramoArmadoSoloCamisa(benchmark::State &medida)
{
    CalculaTramo(medida, ClaseTramo::ArmadoSoloCamisa);
}

void BM_TramoPostesado(benchmark::State &medida)
{
    CalculaTramo(medida, ClaseTramo::Postesado);
}

// One case of the reinforced-concrete run, at 3 m of fill and 8 at, with the screen listing and
// the debug file, as the adjustment window recalculates the case it shows.
void BM_RecalculaUnCaso(benchmark::State &medida)
{
    CalculoDeTramo tramo(ClaseTramo::ArmadoConCamisa, 20, 20,
                         std::string(DRAVEK_DATOS_PROGRAMA) + "/");

    for (auto _ : medida) {
        tramo.salida.VaciaPantalla();
        const GuardaFicheroDepuracion ficheroAbierto(tramo.depuracion);
        const ErrorCalculo error = CalculaComoComando(tramo.contexto, 3, 8);
        if (error || tramo.estado.caso.ContadorCasos != 1) {
            medida.SkipWithError(error ? error.mensaje.c_str() : "not one case");
            break;
        }
        benchmark::DoNotOptimize(tramo.salida.TextoPantalla().data());
    }
}

BENCHMARK(BM_TramoArmadoConCamisa)->Arg(20)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TramoArmadoSoloCamisa)->Arg(20)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TramoPostesado)->Arg(20)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecalculaUnCaso)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace dravek::medida

int main(int argc, char **argv)
{
    return dravek::medida::EjecutaMedidas(argc, argv);
}
