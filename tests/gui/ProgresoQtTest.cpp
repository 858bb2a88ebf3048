#include "gui/plataforma/ProgresoQt.h"

#include "apoyo/DialogosFicheroGuionizados.h"
#include "core/model/TextoRecurso.h"
#include "core/shell/PrincipalPrueba.h"
#include "gui/PdfPrueba.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/ImpresoraQt.h"
#include "gui/plataforma/TrabajoImpresionQt.h"

#include <QApplication>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace dravek::gui {
namespace {

using namespace std::chrono_literals;

class ProgresoQtTest : public pruebas::PdfPrueba<QApplication> {};

// A project of many runs printed to a PDF file: the progress dialog counts the runs, each its
// share of steps, with the busy cursor, and its Cancel button stops the print with no file left,
// the listing window still there to print again and the run shown back.
TEST_F(ProgresoQtTest, LaImpresionDeLaObraSeDetieneSinDejarFichero)
{
    pruebas::PrincipalPrueba p;
    p.obra.cargada = true;
    p.estado.obra.AbrirObraExistente = Verdadero;
    constexpr int Tramos = 40;
    constexpr int P = ComandosCalculo::PasosPorTramo;
    for (int i = 1; i <= Tramos; ++i) {
        p.captura.edTramo.AddItem(std::to_string(i));
    }
    p.obra.CargaTramo(5);

    ImpresoraQt impresora;
    SalidaListado salida(p.reloj, impresora);
    pruebas::DialogosFicheroGuionizados dialogos;
    TrabajoImpresionQt trabajo(p.estado, impresora, dialogos, p.almacen);
    const QString pdf = carpeta.filePath(QStringLiteral("obra.pdf"));
    pruebas::SinImpresoraAPdf(trabajo, pdf);
    // Shown at once: the test needs no half-second wait.
    ProgresoQt progreso(nullptr, 0ms);
    ComandosCalculo calculo(p.estado, {p.mensajes, salida, p.depuracion, p.diseno, p.obra,
                                       p.ventanas, trabajo, progreso, nullptr});
    p.calculoPtr = &calculo;
    p.forma.Conecta(p.obra, p.ventanas, calculo);

    pulsa(p.forma.menu().MnImprimir);
    ASSERT_EQ(p.ventanas.listados.size(), 1u);
    EXPECT_EQ(progreso.dialogo(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    struct Visto {
        QString titulo;
        QString texto;
        QString boton;
        int valor = -1;
        int maximo = -1;
        bool modal = false;
        bool cursorOcupado = false;
    } visto;
    QTimer vigia;
    QObject::connect(&vigia, &QTimer::timeout, [&] {
        QProgressDialog *dialogo = progreso.dialogo();
        if (!dialogo || !dialogo->isVisible() || dialogo->value() < 2 * P) {
            return;
        }
        vigia.stop();
        auto *boton = dialogo->findChild<QPushButton *>();
        ASSERT_NE(boton, nullptr);
        visto = {dialogo->windowTitle(),
                 dialogo->labelText(),
                 boton->text(),
                 dialogo->value(),
                 dialogo->maximum(),
                 dialogo->windowModality() == Qt::ApplicationModal,
                 QApplication::overrideCursor() &&
                     QApplication::overrideCursor()->shape() == Qt::BusyCursor};
        boton->click();
    });
    vigia.start(0);
    p.diseno.tramos.clear();
    p.obra.cargas.clear();
    pulsa(calculo.listado().btImprimeTramo);
    vigia.stop();

    EXPECT_EQ(visto.titulo, QStringLiteral("DRAVEK"));
    EXPECT_EQ(visto.texto, aQt(Texto(0, 1529)));
    EXPECT_EQ(visto.boton, aQt(Texto(0, 214)));
    EXPECT_EQ(visto.maximo, Tramos * P);
    EXPECT_GE(visto.valor, 2 * P);
    EXPECT_LT(visto.valor, Tramos * P);
    EXPECT_TRUE(visto.modal);
    EXPECT_TRUE(visto.cursorOcupado);

    // Stopped soon after: the runs printed are far fewer than the project's.
    EXPECT_LT(p.diseno.tramos.size(), static_cast<std::size_t>(9 * Tramos / 2));
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(p.mensajes.mostrados().empty());
    EXPECT_TRUE(calculo.listado().Cargada());
    ASSERT_FALSE(p.obra.cargas.empty());
    EXPECT_EQ(p.obra.cargas.back(), 5);
    EXPECT_EQ(progreso.dialogo(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // Printed again without stopping: the whole document.
    pulsa(calculo.listado().btImprimeTramo);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_FALSE(calculo.listado().Cargada());
}

// A job shorter than the wait shows nothing; a longer one shows the dialog from the wait on.
TEST_F(ProgresoQtTest, SoloSeMuestraPasadaLaEspera)
{
    ProgresoQt progreso(nullptr, 200ms);
    progreso.Empieza("Calculando", "Cancelar", 10);
    EXPECT_TRUE(progreso.Sigue(1));
    EXPECT_EQ(progreso.dialogo(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    progreso.Termina();

    progreso.Empieza("Calculando", "Cancelar", 10);
    std::this_thread::sleep_for(250ms);
    EXPECT_TRUE(progreso.Sigue(4));
    ASSERT_NE(progreso.dialogo(), nullptr);
    EXPECT_TRUE(progreso.dialogo()->isVisible());
    EXPECT_EQ(progreso.dialogo()->value(), 4);
    EXPECT_EQ(progreso.dialogo()->maximum(), 10);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    progreso.dialogo()->cancel();
    EXPECT_FALSE(progreso.Sigue(5));
    // Stopped stays stopped till the job ends.
    EXPECT_FALSE(progreso.Sigue(5));
    progreso.Termina();
    EXPECT_EQ(progreso.dialogo(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace dravek::gui
