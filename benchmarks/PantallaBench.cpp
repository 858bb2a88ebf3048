// Wall time of a large calculation from the engineer's click to its listing on screen and
// usable: the project opened from its file, wired as the program wires it with the listing
// window's Qt view and the progress dialog (shown after half a second, as in the program). The
// time runs from the click of "Calcular el Tramo" (or of "Imprimir Obra") to the first idle
// moment of the listing window's event loop after it has painted itself, been moved to the
// last line of the listing and painted that too: the listing is then shown and can be
// scrolled. It covers the calculation with the screen listing and the debug file written, the
// filling of the window and its first paints.
//
// BM_TramoGrande: one reinforced-concrete run with a cylinder and spirals over fill heights of
// 1 to 20 m by 0.05 m and MDPs 0.01 at apart (381 x 41 = 15 621 cases, some 37 MB of listing).
// BM_ObraDe200Tramos: a project of 200 runs, reinforced concrete and post-tensioned in turn, of
// 13 fill heights by 6 DPs each (15 600 cases), listed whole from the main menu's print.

#include "MedidasQt.h"
#include "ProgramaMedida.h"
#include "TramosMedida.h"
#include "core/entry/CapturaDatos.h"
#include "core/model/EstadoObra.h"
#include "core/shell/ComandosCalculo.h"
#include "gui/plataforma/ProgresoQt.h"
#include "gui/plataforma/ServicioImpresorasQt.h"
#include "gui/plataforma/TrabajoImpresionQt.h"
#include "gui/shell/FormaPrincipalVista.h"
#include "gui/shell/VentanasPrincipalQt.h"

#include <QAbstractEventDispatcher>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QScrollBar>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>

namespace dravek::medida {
namespace {

using Reloj = std::chrono::steady_clock;

// Watches the listing window once it opens: after its first paint, at the next idle moment,
// it moves the listing to its last line; after the paint of that, at the next idle moment, it
// takes the time and closes the window.
class VigiaListado final : public QObject {
public:
    VigiaListado()
    {
        qApp->installEventFilter(this);
        m_conexion = connect(QAbstractEventDispatcher::instance(),
                             &QAbstractEventDispatcher::aboutToBlock, this, [this] { Reposo(); });
    }
    ~VigiaListado() override
    {
        disconnect(m_conexion);
        qApp->removeEventFilter(this);
    }

    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Paint && objeto->isWidgetType()) {
            QWidget *ventana = static_cast<QWidget *>(objeto)->window();
            if (ventana->objectName() == QStringLiteral("frEscribePantalla")) {
                m_ventana = ventana;
                m_pintada = true;
            }
        }
        return false;
    }
    Reloj::time_point Momento() const { return m_momento; }
    bool AlFinal() const { return m_alFinal; }

private:
    void Reposo()
    {
        if (!m_pintada || !m_ventana) {
            return;
        }
        m_pintada = false;
        if (!m_movida) {
            auto *listado =
                m_ventana->findChild<QAbstractScrollArea *>(QStringLiteral("edPantalla"));
            if (!listado) {
                return;
            }
            QScrollBar *barra = listado->verticalScrollBar();
            barra->setValue(barra->maximum());
            m_alFinal = barra->maximum() > 0 && barra->value() == barra->maximum();
            m_movida = true;
            return;
        }
        m_momento = Reloj::now();
        static_cast<QDialog *>(m_ventana)->reject();
        m_ventana = nullptr;
    }

    QMetaObject::Connection m_conexion;
    QWidget *m_ventana = nullptr;
    bool m_pintada = false;
    bool m_movida = false;
    bool m_alFinal = false;
    Reloj::time_point m_momento{};
};

// The program with the main window's Qt view, the listing window's and the progress dialog
// (ProgramaMedida); the data-entry window has no view. The project is open once made, or
// p.fallo says why not.
struct ProgramaEnPantalla {
    template <typename Prepara>
    ProgramaEnPantalla(int tramos, const Prepara &prepara) : p(tramos, prepara)
    {
        if (!p.fallo.empty()) {
            return;
        }
        ventanas.PonCalculo(p.Conecta(ventanas, trabajo, progreso));
        vista.Refresca();
        vista.show();
        if (!p.Abre()) {
            p.fallo = "the project did not open";
        }
    }

    ProgramaMedida p;
    gui::FormaPrincipalVista vista{p.forma};
    gui::ServicioImpresorasQt impresoras;
    gui::TrabajoImpresionQt trabajo{p.estado, p.impresora, p.dialogos, p.configuracion};
    gui::VentanasPrincipalQt ventanas{vista,      p.estado, p.mensajes, p.configuracion,
                                      impresoras, p.salida, trabajo};
    gui::ProgresoQt progreso{&vista};
};

// One click of the menu item, timed to the listing shown and moved to its end; false when the
// listing window did not come up whole.
bool MideClic(benchmark::State &medida, ProgramaMedida &p, ElementoMenu &elemento)
{
    VigiaListado vigia;
    const Reloj::time_point inicio = Reloj::now();
    pulsa(elemento);
    if (p.mensajes.mostrados() > 0 || vigia.Momento() == Reloj::time_point{} || !vigia.AlFinal()) {
        return false;
    }
    medida.SetIterationTime(std::chrono::duration<double>(vigia.Momento() - inicio).count());
    return true;
}

void Informa(benchmark::State &medida, ProgramaMedida &p, std::int64_t casos)
{
    medida.counters["casos"] = static_cast<double>(casos);
    // The listing the window was filled with; it keeps it once closed.
    medida.counters["MB"] =
        static_cast<double>(p.calculo->listado().edPantalla.Text().size()) / 1e6;
}

void BM_TramoGrande(benchmark::State &medida)
{
    ProgramaEnPantalla programa(1, [](EstadoObra &estado, int) {
        PreparaTramo(estado, ClaseTramo::ArmadoConCamisa, 2, 2, DatosPrograma());
        DatosTramo &t = estado.tramo;
        t.AlturaInicialTramo = 1;
        t.AlturaFinalTramo = 20;
        t.IncrementoAltura = 0.05;
        // Values the project file keeps whole (two decimals): DPs 2 to 2.16 at, MDPs 2.2 to
        // 2.38 at by 0.01 at; the DPs run on 0.2 at past the final one, 41 a height.
        t.DPInicialTramo = 2;
        t.DPFinalTramo = 2.16;
        t.MDPInicialTramo = 2.2;
        t.MDPFinalTramo = 2.38;
        t.IncrementoPresionTramo = 0.01;
    });
    ProgramaMedida &p = programa.p;
    if (!p.fallo.empty()) {
        medida.SkipWithError(p.fallo.c_str());
        return;
    }
    CapturaDatos *captura = p.obra.Captura();
    if (captura->edTramo.ListCount() != 1) {
        medida.SkipWithError("the project did not open");
        return;
    }
    ponIndice(captura->edTramo, 0);
    for (auto _ : medida) {
        if (!MideClic(medida, p, p.forma.menu().mnCalculaTramo)) {
            medida.SkipWithError("the listing was not shown");
            return;
        }
    }
    Informa(medida, p, p.estado.caso.ContadorCasos);
}

void BM_ObraDe200Tramos(benchmark::State &medida)
{
    constexpr int Tramos = 200;
    constexpr int Alturas = 13;
    constexpr int Presiones = 6;
    ProgramaEnPantalla programa(Tramos, [](EstadoObra &estado, int k) {
        PreparaTramo(estado, k % 2 == 1 ? ClaseTramo::ArmadoConCamisa : ClaseTramo::Postesado,
                     Alturas, Presiones, DatosPrograma());
    });
    ProgramaMedida &p = programa.p;
    if (!p.fallo.empty()) {
        medida.SkipWithError(p.fallo.c_str());
        return;
    }
    for (auto _ : medida) {
        if (!MideClic(medida, p, p.forma.menu().MnImprimir)) {
            medida.SkipWithError("the listing was not shown");
            return;
        }
    }
    Informa(medida, p, static_cast<std::int64_t>(Tramos) * Alturas * Presiones);
}

// One click a repetition: every click is timed as the engineer waits for it.
BENCHMARK(BM_TramoGrande)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ObraDe200Tramos)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace dravek::medida

int main(int argc, char **argv)
{
    // Windows are made and painted; no display is needed unless QT_QPA_PLATFORM names one.
    return dravek::medida::EjecutaMedidasQt<QApplication>(argc, argv);
}
