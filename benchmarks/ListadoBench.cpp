// Page header of the Normal listing with a project title of growing length: the title is split
// into lines of 72 on every page, so the time should grow with the title's length, not with its
// square.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Impresora.h"
#include "core/plataforma/Reloj.h"

namespace dravek {
namespace {

class ImpresoraNula final : public Impresora {
public:
    void PonOrientacion(Orientacion) override {}
    void PonCopias(int) override {}
    void PonNombreFuente(const std::string &) override {}
    void PonTamanoFuente(double) override {}
    void PonNegrita(bool) override {}
    void PonSubrayado(bool) override {}
    void ImprimeLinea(const std::string &) override {}
    double PosicionVertical() const override { return 0; }
    void PonPosicionVertical(double) override {}
    double AltoLinea() const override { return AltoLineaFuente(10); }
    double AltoPagina() const override { return AltoPaginaImprimible(Orientacion::Vertical); }
    void PonGrosorLapiz(int) override {}
    void Linea(double, double, double, double, std::uint32_t) override {}
    int DibujaImagen(const std::string &, double, double) override { return SinErrorImpresora; }
    int DibujaImagenEnRectangulo(const std::string &, double, double, double, double) override
    {
        return SinErrorImpresora;
    }
    void NuevaPagina() override {}
    int FinDocumento() override { return SinErrorImpresora; }
};

class RelojNulo final : public Reloj {
public:
    std::string FechaCorta() const override { return "01/01/2024"; }
    std::string HoraCorta() const override { return "00:00"; }
};

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
    const RelojNulo reloj;
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
