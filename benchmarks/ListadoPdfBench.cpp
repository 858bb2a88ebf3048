// Milliseconds per page of a printed Normal listing written to a PDF file through the Qt
// printer: the reinforced-concrete run with its real design, its pictures and every page as
// the print button produces it. Measured at about 25 and about 100 pages; the time per page
// should not grow with the document.

#include "MedidasQt.h"
#include "TramosMedida.h"
#include "core/design/DisenoTubo.h"
#include "core/engine/ContextoCalculo.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "gui/plataforma/ImpresoraQt.h"

#include <QGuiApplication>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

namespace dravek::medida {
namespace {

// Hands every operation to the Qt printer and counts the pages it starts.
class ImpresoraContadora final : public Impresora {
public:
    explicit ImpresoraContadora(Impresora &destino) : m_destino(destino) {}

    int paginas() const { return m_paginas; }

    void PonOrientacion(Orientacion o) override { m_destino.PonOrientacion(o); }
    void PonCopias(int c) override { m_destino.PonCopias(c); }
    void PonNombreFuente(const std::string &n) override { m_destino.PonNombreFuente(n); }
    void PonTamanoFuente(double p) override { m_destino.PonTamanoFuente(p); }
    void PonNegrita(bool b) override { m_destino.PonNegrita(b); }
    void PonSubrayado(bool s) override { m_destino.PonSubrayado(s); }
    void ImprimeLinea(const std::string &l) override { m_destino.ImprimeLinea(l); }
    double PosicionVertical() const override { return m_destino.PosicionVertical(); }
    void PonPosicionVertical(double y) override { m_destino.PonPosicionVertical(y); }
    double AltoLinea() const override { return m_destino.AltoLinea(); }
    double AltoPagina() const override { return m_destino.AltoPagina(); }
    void PonGrosorLapiz(int p) override { m_destino.PonGrosorLapiz(p); }
    void Linea(double x1, double y1, double x2, double y2, std::uint32_t c) override
    {
        m_destino.Linea(x1, y1, x2, y2, c);
    }
    int DibujaImagen(const std::string &f, double x, double y) override
    {
        return m_destino.DibujaImagen(f, x, y);
    }
    int DibujaImagenEnRectangulo(const std::string &f, double x, double y, double an,
                                 double al) override
    {
        return m_destino.DibujaImagenEnRectangulo(f, x, y, an, al);
    }
    void NuevaPagina() override
    {
        ++m_paginas;
        m_destino.NuevaPagina();
    }
    int FinDocumento() override { return m_destino.FinDocumento(); }

private:
    Impresora &m_destino;
    int m_paginas = 1;
};

// The debug file is not what this measures: it is dropped.
class DepuracionNula final : public DepuracionCalculo {
public:
    void EscribeLinea(const std::string &) override {}
};

// Argument: fill heights of the run, four DPs each.
void ListadoNormalPdf(benchmark::State &medida, ClaseTramo clase)
{
    QTemporaryDir carpeta;
    if (!carpeta.isValid()) {
        medida.SkipWithError("no temporary folder");
        return;
    }
    const QString ruta = carpeta.filePath(QStringLiteral("listado.pdf"));
    EstadoObra estado;
    PreparaTramo(estado, clase, static_cast<int>(medida.range(0)), 4,
                 std::string(DRAVEK_DATOS_PROGRAMA) + "/");
    RelojFijo reloj;
    DepuracionNula depuracion;
    DisenoTubo diseno;

    int paginas = 0;
    for (auto _ : medida) {
        // As the listing window's print button: a printer for the document, from page 0.
        gui::ImpresoraQt qt;
        qt.PonFicheroPdf(ruta);
        ImpresoraContadora impresora(qt);
        SalidaListado salida(reloj, impresora);
        ContextoCalculo contexto{estado, salida, depuracion, diseno};
        estado.listado.Imprimiendo = true;
        estado.listado.TipoListado = ClaseListado::Normal;
        estado.listado.NumeroPagina = 0;
        impresora.PonOrientacion(Orientacion::Vertical);
        const ErrorCalculo error = CalculaComoComando(contexto);
        const int fin = impresora.FinDocumento();
        if (error || fin != SinErrorImpresora) {
            medida.SkipWithError(error ? error.mensaje.c_str() : "the PDF was not written");
            break;
        }
        paginas = impresora.paginas();
    }
    medida.counters["paginas"] = paginas;
    medida.counters["s/pagina"] = benchmark::Counter(
        paginas, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ListadoNormalPdf(benchmark::State &medida)
{
    ListadoNormalPdf(medida, ClaseTramo::ArmadoConCamisa);
}

void BM_ListadoNormalPostesadoPdf(benchmark::State &medida)
{
    ListadoNormalPdf(medida, ClaseTramo::Postesado);
}

BENCHMARK(BM_ListadoNormalPdf)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListadoNormalPostesadoPdf)->Arg(4)->Arg(16)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace dravek::medida

int main(int argc, char **argv)
{
    // Fonts and the PDF writer need an application object; no display is needed.
    return dravek::medida::EjecutaMedidasQt<QGuiApplication>(argc, argv);
}
