#pragma once

// The console report of Google Benchmark, followed by how the cost of one case grows with the
// size of the run: for every benchmark that counts its cases ("casos") and their cost
// ("s/caso") at several sizes, the cost per case of the largest size over that of the smallest;
// and, where the first command is timed apart ("1er/resto"), its cost per case over that of
// the later commands at each size, by the wall clock too where that is counted apart ("1er/resto
// reloj").

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace dravek::medida {

class InformeCostePorCaso : public benchmark::ConsoleReporter {
public:
    // Plain text, so that a report kept in a file or pasted in the README reads cleanly.
    InformeCostePorCaso() : benchmark::ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            // Repeated runs count by their median; single runs as they come.
            const bool mediana =
                run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if ((run.run_type != Run::RT_Iteration && !mediana) || run.error_occurred) {
                continue;
            }
            const auto casos = run.counters.find("casos");
            const auto coste = run.counters.find("s/caso");
            if (casos == run.counters.end() || coste == run.counters.end()) {
                continue;
            }
            auto &familia = mediana ? m_medianas : m_familias;
            Medidas &m = familia[run.run_name.function_name][casos->second.value];
            m.suma += coste->second.value;
            ++m.veces;
            if (const auto primero = run.counters.find("1er/resto");
                primero != run.counters.end()) {
                m.sumaPrimero += primero->second.value;
                ++m.vecesPrimero;
            }
            if (const auto reloj = run.counters.find("1er/resto reloj");
                reloj != run.counters.end()) {
                m.sumaPrimeroReloj += reloj->second.value;
            }
        }
    }

    void Finalize() override
    {
        benchmark::ConsoleReporter::Finalize();
        std::ostream &salida = GetOutputStream();
        for (const auto &[familia, tamanos] : m_medianas.empty() ? m_familias : m_medianas) {
            // The first command of a session against the later ones, size by size.
            for (const auto &[n, medidas] : tamanos) {
                if (medidas.vecesPrimero > 0) {
                    char linea[160];
                    std::snprintf(linea, sizeof linea,
                                  "%-32s primer comando / siguientes a %6.0f casos = %.2f",
                                  familia.c_str(), n, medidas.MediaPrimero());
                    salida << linea;
                    if (medidas.sumaPrimeroReloj > 0) {
                        std::snprintf(linea, sizeof linea, " (reloj %.2f)",
                                      medidas.sumaPrimeroReloj / medidas.vecesPrimero);
                        salida << linea;
                    }
                    salida << '\n';
                }
            }
            if (tamanos.size() < 2) {
                continue;
            }
            const auto &[menos, menor] = *tamanos.begin();
            const auto &[mas, mayor] = *tamanos.rbegin();
            const double razon = mayor.Media() / menor.Media();
            char linea[160];
            std::snprintf(linea, sizeof linea, "%-32s coste por caso %6.0f / %4.0f casos = %.3f\n",
                          familia.c_str(), mas, menos, razon);
            salida << linea;
        }
    }

private:
    struct Medidas {
        double suma = 0;
        int veces = 0;
        double sumaPrimero = 0;      // of the first command's cost per case over the later ones'
        double sumaPrimeroReloj = 0; // the same by the wall clock, where counted apart
        int vecesPrimero = 0;
        double Media() const { return suma / veces; }
        double MediaPrimero() const { return sumaPrimero / vecesPrimero; }
    };
    // Per benchmark, per number of cases.
    std::map<std::string, std::map<double, Medidas>> m_familias;
    std::map<std::string, std::map<double, Medidas>> m_medianas;
};

// main() of a benchmark program that ends its report with the growth of the cost per case.
inline int EjecutaMedidas(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    InformeCostePorCaso informe;
    benchmark::RunSpecifiedBenchmarks(&informe);
    benchmark::Shutdown();
    return 0;
}

} // namespace dravek::medida
