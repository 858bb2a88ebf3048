// Cases per second of the case loop on a reinforced-concrete run listed on the screen: loads,
// case pressures, titles, ring analysis and a design that lists a few lines per case. The same
// run with four times the cases shows how the cost grows; the time per case should stay flat.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "core/engine/CalculaCasos.h"
#include "core/engine/ContextoCalculo.h"
#include "core/engine/UnidadesCalculo.h"
#include "core/engine/mdOvaliz.h"
#include "core/listing/FormatoNumeros.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Impresora.h"
#include "core/plataforma/Reloj.h"

namespace dravek {
namespace {

// The screen listing never reaches the printer.
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

// The debug file is left out: it measures the disk, not the engine.
class DepuracionNula final : public DepuracionCalculo {
public:
    void EscribeLinea(const std::string &) override {}
};

// Stands in for the designs until their modules exist: it lists the forces of three load cases
// as a design lists its hypotheses, so each case costs the formatting of a few listing lines.
class DisenoListado final : public DisenoCaso {
public:
    ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso) override
    {
        const EstadoObra &estado = contexto.estado;
        const ResultadosCaso &r = estado.resultados;
        contexto.salida.EscribePantalla(0, "     CASO " + sNumeroEnt(numeroCaso, 5), 1);
        for (const CasoCarga k :
             {CasoCarga::CasoPesoPropio, CasoCarga::CasoTierras, CasoCarga::CasoMovil}) {
            std::string linea = "     HIPOTESIS" + sNumeroEnt(static_cast<std::int16_t>(k), 3);
            for (const Seccion s : {Seccion::Clave, Seccion::Rinones, Seccion::Solera}) {
                linea += sNumeroDob(estado.ejecucion, r.MomentosCaso[indice(k)][indice(s)], 10, 3,
                                    "mT->mkN", false);
                linea += sNumeroDob(estado.ejecucion, r.AxilesCaso[indice(k)][indice(s)], 10, 3,
                                    "T->kN", false);
            }
            contexto.salida.EscribePantalla(0, linea, 1);
        }
        return {};
    }

    ErrorCalculo CalculaPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso, std::int16_t,
                                  double) override
    {
        return CalculaArmado(contexto, numeroCaso);
    }
};

// A reinforced-concrete run in MKS, in entry units: 1000 mm inside, 100 mm wall, compacted
// trench, 13 t axle; n fill heights from 1 m by 0.25 m and n DPs from 4 at by 0.5 at.
void PreparaTramo(EstadoObra &e, int n)
{
    e.ejecucion.SistemaUnidades = "MKS";
    e.obra.TIGEN = "OBRA DE MEDIDA";
    DatosTramo &t = e.tramo;
    t.TramoActual = 1;
    t.ITIT = "TRAMO DE MEDIDA";
    t.Tipologia = 1210;
    t.EsArmado = Verdadero;
    t.ClaseFisuracion = 3;
    t.TipoControl = 1;
    t.IndicadorCamisa = 1;
    t.FCK = 350;
    t.Fyk = 5100;
    t.Fyd = 4435;
    t.GamaB = 1.5;
    t.GamaY = 1;
    t.GamaF = 1;
    t.vDi = 1.0;
    t.ESP = 10;
    t.RECI = 2.5;
    t.RECE = 2.0;
    t.vDE = 1.2;
    t.vGAMAB = 2.5;
    t.CodigoColocacion = 12;
    t.vICUNA = 1;
    t.AnchoZanja = 2.36;
    t.vGAMAT = 1.8;
    t.AnguloRozamiento = 30;
    t.TipoRelleno = 21;
    t.TipoCargaConcentrada = 2;
    t.CalculoCargas = 1;
    t.AlturaInicialTramo = 1;
    t.AlturaFinalTramo = 1 + 0.25 * (n - 1);
    t.IncrementoAltura = 0.25;
    t.DPInicialTramo = 4;
    t.DPFinalTramo = 4 + 0.5 * (n - 1);
    t.IncrementoPresionTramo = 0.5;
    t.MDPInicialTramo = 4;
    t.MDPFinalTramo = t.DPFinalTramo;
}

// Argument: fill heights = pressures per height.
void BM_CalculaTramoArmado(benchmark::State &medida)
{
    const int n = static_cast<int>(medida.range(0));
    EstadoObra estado;
    PreparaTramo(estado, n);
    ImpresoraNula impresora;
    RelojNulo reloj;
    SalidaListado salida(reloj, impresora);
    DepuracionNula depuracion;
    DisenoListado diseno;
    ContextoCalculo contexto{estado, salida, depuracion, diseno};

    std::int32_t casos = 0;
    for (auto _ : medida) {
        // As the calculate command: an empty screen listing and calculation units.
        salida.VaciaPantalla();
        const GuardaUnidadesCalculo unidades(estado);
        std::int32_t numeroCaso = 1;
        const ErrorCalculo error = CalculaCasos(contexto, numeroCaso, -1, -1);
        if (error) {
            medida.SkipWithError(error.mensaje.c_str());
            break;
        }
        casos = estado.caso.ContadorCasos;
        benchmark::DoNotOptimize(salida.TextoPantalla().data());
    }
    medida.counters["casos"] = static_cast<double>(casos);
    medida.counters["casos/s"] = benchmark::Counter(static_cast<double>(casos),
                                                    benchmark::Counter::kIsIterationInvariantRate);
    medida.counters["s/caso"] = benchmark::Counter(static_cast<double>(casos),
                                                   benchmark::Counter::kIsIterationInvariantRate |
                                                       benchmark::Counter::kInvert);
}

BENCHMARK(BM_CalculaTramoArmado)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace dravek
