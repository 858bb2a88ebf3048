// Page header of the Normal listing with a project title of growing length: the title is split
// into lines of 72 on every page, so the time should grow with the title's length, not with its
// square.

#include "TramosMedida.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Impresora.h"
#include "core/plataforma/Reloj.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace dravek {
namespace {

using medida::ImpresoraNula;
using medida::RelojFijo;

// The argument is the title's length in characters: words of seven letters and a blank.
void BM_CabeceraConTituloLargo(benchmark::State &state)
{
    EstadoObra estado;
    estado.listado.Imprimiendo = true;
    estado.listado.TipoListado = ClaseListado::Normal;
    estado.listado.NumeroPagina = 1;
    for (std::int64_t i = 0; i < state.range(0) / 8; ++i) {
        estado.obra.TIGEN += "abcdefg ";
    }
    const RelojFijo reloj;
    ImpresoraNula impresora;
    SalidaListado salida(reloj, impresora);
    for (auto _ : state) {
        salida.CabeceraPagina(estado, 1, true);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CabeceraConTituloLargo)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

} // namespace
} // namespace dravek
