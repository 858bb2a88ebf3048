// Milliseconds per page of the whole project's Normal listing printed to a PDF file, as the
// engineer does it: the project opened from its file, the print command of the main menu
// (every run loaded, validated and calculated into the listing window), then the window's print
// button with no printer installed, which calculates every run again into one PDF document
// through the Qt printer while the debug file is written. The project holds 200 runs,
// reinforced concrete with a cylinder and spirals and post-tensioned ones in turn, each over
// two fill heights and two DPs. The time is that of the print button alone.

#include "MedidasQt.h"
#include "ProgramaMedida.h"
#include "TramosMedida.h"
#include "apoyo/VentanasNulas.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Progreso.h"
#include "core/shell/ComandosCalculo.h"
#include "gui/PdfSinImpresora.h"
#include "gui/plataforma/TrabajoImpresionQt.h"

#include <QFile>
#include <QGuiApplication>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

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

// The pages of a PDF file.
int CuentaPaginas(const QString &ruta)
{
    QFile fichero(ruta);
    return fichero.open(QIODevice::ReadOnly) ? pruebas::CuentaPaginas(fichero.readAll()) : 0;
}

void BM_ObraNormalPdf(benchmark::State &medida)
{
    ProgramaMedida p(TramosObra, [](EstadoObra &estado, int k) {
        PreparaTramo(estado, k % 2 == 1 ? ClaseTramo::ArmadoConCamisa : ClaseTramo::Postesado,
                     AlturasTramo, PresionesTramo, DatosPrograma());
    });
    if (!p.fallo.empty()) {
        medida.SkipWithError(p.fallo.c_str());
        return;
    }
    // The windows apart.
    VentanasObra ventanas;
    gui::TrabajoImpresionQt trabajo(p.estado, p.impresora, p.dialogos, p.configuracion);
    const QString pdf = p.Ruta(QStringLiteral("obra.pdf"));
    pruebas::SinImpresoraAPdf(trabajo, pdf);
    SinProgreso progreso;
    ComandosCalculo &calculo = p.Conecta(ventanas, trabajo, progreso);

    // The project opened, and the whole project calculated into the listing window.
    if (!p.Abre()) {
        medida.SkipWithError("the project did not open");
        return;
    }
    p.forma.menu().MnImprimir.Click();
    if (p.mensajes.mostrados() > 0 || ventanas.listados != 1) {
        medida.SkipWithError("the project was not calculated");
        return;
    }
    frEscribePantalla &listado = calculo.listado();
    listado.rdTipoListado_Click(static_cast<int>(ClaseListado::Normal));

    int paginas = 0;
    for (auto _ : medida) {
        // The window's print button; every print is a fresh document.
        listado.btImprimeTramo_Click();
        if (p.mensajes.mostrados() > 0 || listado.Cargada()) {
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
    return dravek::medida::EjecutaMedidasQt<QGuiApplication>(argc, argv);
}
