#include "core/model/TextoRecurso.h"
#include "core/plataforma/Progreso.h"
#include "core/shell/PrincipalPrueba.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/ProgresoQt.h"
#include "gui/shell/frEscribePantallaVista.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QClipboard>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>

namespace dravek::gui {
namespace {

using namespace std::chrono_literals;

// The program's progress, with a look at every report made while the listing window is being
// filled: the listing handed to the window, the window not shown yet.
class ProgresoVigilado final : public Progreso {
public:
    ProgresoVigilado(ProgresoQt &qt, std::function<bool()> llenando, std::function<void()> mira)
        : m_qt(qt), m_llenando(std::move(llenando)), m_mira(std::move(mira))
    {
    }
    void Empieza(const std::string &texto, const std::string &cancelar,
                 std::int64_t total) override
    {
        m_qt.Empieza(texto, cancelar, total);
    }
    bool Sigue(std::int64_t hechos) override
    {
        if (m_llenando()) {
            m_mira();
        }
        return m_qt.Sigue(hechos);
    }
    void Termina() override { m_qt.Termina(); }

private:
    ProgresoQt &m_qt;
    std::function<bool()> m_llenando;
    std::function<void()> m_mira;
};

// What the progress dialog showed at the first report of the filling.
struct Visto {
    bool llenando = false;
    bool visible = false;
    QString texto;
    int maximo = -1;
    bool cursorOcupado = false;
};

// A saved project of three runs numbered 3, 7 and 9, the second one shown and made large:
// fill heights of 1 to 20 m by 0.05 m and MDPs 0.01 at apart, whose DPs run on 0.2 at past
// the final one: 41 DPs a height, 15 621 cases. The progress
// dialog shows at once.
class ListadoPantallaTest : public ::testing::Test {
protected:
    // demora: how long the job runs before the progress dialog shows.
    explicit ListadoPantallaTest(std::chrono::milliseconds demora = 0ms) : qt(nullptr, demora)
    {
        p.obra.cargada = true;
        p.estado.obra.AbrirObraExistente = Verdadero;
        for (const char *tramo : {"3", "7", "9"}) {
            p.captura.edTramo.AddItem(tramo);
        }
        p.obra.CargaTramo(2);
        p.obra.cargas.clear();
        DatosTramo &t = p.estado.tramo;
        t.AlturaInicialTramo = 1;
        t.AlturaFinalTramo = 20;
        t.IncrementoAltura = 0.05;
        t.MDPInicialTramo = 4.4;
        t.MDPFinalTramo = 4.585;
        t.IncrementoPresionTramo = 0.01;
        t.DPInicialTramo = 4;
        t.DPFinalTramo = t.MDPFinalTramo / 1.1;
    }

    bool Llenando()
    {
        return !p.calculo.listado().edPantalla.Text().empty() &&
               p.ventanas.listados.size() == listadosAntes;
    }
    void Mira()
    {
        if (visto.llenando) {
            return;
        }
        QProgressDialog *dialogo = qt.dialogo();
        visto = {true, dialogo && dialogo->isVisible(), dialogo ? dialogo->labelText() : QString(),
                 dialogo ? dialogo->maximum() : -1,
                 QApplication::overrideCursor() &&
                     QApplication::overrideCursor()->shape() == Qt::BusyCursor};
        if (detenerAlLlenar && dialogo) {
            dialogo->findChild<QPushButton *>()->click();
        }
    }

    int argc = 1;
    char nombre[24] = "ListadoPantallaTest";
    char *argv[2] = {nombre, nullptr};
    QApplication app{argc, argv};
    ProgresoQt qt;
    ProgresoVigilado vigilado{qt, [this] { return Llenando(); }, [this] { Mira(); }};
    // The calculation reports to the progress dialog, watched.
    pruebas::PrincipalPrueba p{vigilado};
    std::size_t listadosAntes = 0;
    bool detenerAlLlenar = false;
    Visto visto;
};

// The large run's listing, some twenty megabytes, fills the window under the progress dialog
// and is shown whole: every line of it, the last one reached by the scroll bar.
TEST_F(ListadoPantallaTest, UnTramoGrandeSeMuestraEntero)
{
    QString primera;
    QString ultima;
    int filas = 0;
    bool alFinal = false;
    QString copiado;
    p.ventanas.alMostrarListado = [&] {
        // The dialog is gone before the window shows.
        EXPECT_EQ(qt.dialogo(), nullptr);
        frEscribePantallaVista vista(p.calculo.listado());
        vista.show();
        auto *lista = vista.findChild<QTableView *>(QStringLiteral("edPantalla"));
        ASSERT_NE(lista, nullptr);
        EXPECT_TRUE(lista->font().fixedPitch());
        QApplication::processEvents();
        QAbstractItemModel *modelo = lista->model();
        filas = modelo->rowCount();
        primera = modelo->index(0, 0).data().toString();
        ultima = modelo->index(filas - 1, 0).data().toString();
        QScrollBar *barra = lista->verticalScrollBar();
        barra->setValue(barra->maximum());
        QApplication::processEvents();
        alFinal = barra->maximum() > 0 && lista->viewport()->rect().intersects(
                                              lista->visualRect(modelo->index(filas - 1, 0)));
        vista.grab().save(QStringLiteral(DRAVEK_ARTEFACTOS "/listado-grande.png"));
        // The last two lines selected and copied, as they stand in the listing.
        lista->selectionModel()->select(
            QItemSelection(modelo->index(filas - 2, 0), modelo->index(filas - 1, 0)),
            QItemSelectionModel::Select);
        lista->setFocus();
        QTest::keySequence(lista, QKeySequence::Copy);
        copiado = QApplication::clipboard()->text();
    };
    pulsa(p.forma.menu().mnCalculaTramo);

    EXPECT_EQ(p.estado.caso.ContadorCasos, 381 * 41);
    ASSERT_EQ(p.ventanas.listados.size(), 1u);
    const std::string &texto = p.ventanas.listados[0];
    EXPECT_GT(texto.size(), 10'000'000u);
    const auto lineas = std::count(texto.begin(), texto.end(), '\n') + 1;
    EXPECT_EQ(filas, lineas);
    EXPECT_EQ(deQt(primera), texto.substr(0, texto.find('\n')));
    EXPECT_EQ(deQt(ultima), texto.substr(texto.rfind('\n') + 1));
    EXPECT_TRUE(alFinal);
    const std::size_t penultima = texto.rfind('\n', texto.rfind('\n') - 1) + 1;
    EXPECT_EQ(deQt(copiado), texto.substr(penultima));

    // The dialog was up while the window was filled, every case done.
    EXPECT_TRUE(visto.llenando);
    EXPECT_TRUE(visto.visible);
    EXPECT_EQ(visto.texto, aQt(Texto(0, 1526)));
    EXPECT_EQ(visto.maximo, 381 * 41);
    EXPECT_TRUE(visto.cursorOcupado);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Cancel while the window is being filled, after every case has been calculated: no listing
// window and no half listing, the run shown back as it was; the next command shows it whole.
TEST_F(ListadoPantallaTest, DetenerAlLlenarNoDejaListado)
{
    const DatosTramo antes = p.estado.tramo;
    detenerAlLlenar = true;
    pulsa(p.forma.menu().mnCalculaTramo);

    EXPECT_TRUE(visto.llenando);
    EXPECT_TRUE(visto.visible);
    EXPECT_EQ(p.estado.caso.ContadorCasos, 381 * 41);
    EXPECT_TRUE(p.ventanas.abiertas.empty());
    EXPECT_TRUE(p.calculo.listado().edPantalla.Text().empty());
    EXPECT_TRUE(p.mensajes.mostrados().empty());
    EXPECT_EQ(qt.dialogo(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(p.estado.ejecucion.EnUnidadesCalculo);
    EXPECT_EQ(p.captura.edTramo.Text(), "7");
    EXPECT_DOUBLE_EQ(p.estado.tramo.AlturaFinalTramo, antes.AlturaFinalTramo);
    EXPECT_DOUBLE_EQ(p.estado.tramo.ESP, antes.ESP);
    EXPECT_DOUBLE_EQ(p.estado.tramo.vDi, antes.vDi);
    EXPECT_FALSE(p.estado.ejecucion.DatosModificados);

    detenerAlLlenar = false;
    visto = {};
    pulsa(p.forma.menu().mnCalculaTramo);
    ASSERT_EQ(p.ventanas.listados.size(), 1u);
    EXPECT_EQ(p.ventanas.listados[0], p.calculo.listado().edPantalla.Text());
    EXPECT_GT(p.ventanas.listados[0].size(), 10'000'000u);
}

// The whole project stopped the same way: no listing, and the run that was shown loaded back.
TEST_F(ListadoPantallaTest, DetenerAlLlenarLaObraDevuelveElTramoMostrado)
{
    detenerAlLlenar = true;
    pulsa(p.forma.menu().MnImprimir);

    EXPECT_TRUE(visto.llenando);
    EXPECT_TRUE(visto.visible);
    EXPECT_EQ(visto.texto, aQt(Texto(0, 1527)));
    EXPECT_EQ(visto.maximo, 3 * ComandosCalculo::PasosPorTramo);
    EXPECT_TRUE(p.ventanas.abiertas.empty());
    EXPECT_TRUE(p.calculo.listado().edPantalla.Text().empty());
    EXPECT_TRUE(p.mensajes.mostrados().empty());
    EXPECT_EQ(p.obra.cargas, (std::vector<int>{1, 2, 3, 2}));
    EXPECT_EQ(p.captura.edTramo.Text(), "7");
    EXPECT_EQ(qt.dialogo(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The same run with a progress dialog that would show only after an hour.
class ListadoPantallaTardioTest : public ListadoPantallaTest {
protected:
    ListadoPantallaTardioTest() : ListadoPantallaTest(1h) {}
};

// Before the progress dialog shows, the windows are still repainted while the job runs.
TEST_F(ListadoPantallaTardioTest, LasVentanasSeRepintanMientrasCalcula)
{
    QWidget testigo;
    testigo.resize(200, 100);
    testigo.show();
    QApplication::processEvents();
    struct Pintura final : QObject {
        bool eventFilter(QObject *, QEvent *evento) override
        {
            if (evento->type() == QEvent::Paint) {
                ++veces;
            }
            return false;
        }
        int veces = 0;
    } pintura;
    testigo.installEventFilter(&pintura);
    int antesDeMostrar = -1;
    p.ventanas.alMostrarListado = [&] { antesDeMostrar = pintura.veces; };
    testigo.update();
    pulsa(p.forma.menu().mnCalculaTramo);
    EXPECT_GE(antesDeMostrar, 1);
    EXPECT_EQ(qt.dialogo(), nullptr);
}

// A listing text written without its index is indexed by the window itself, and a new text
// replaces the lines shown at the next refresh.
TEST_F(ListadoPantallaTest, UnTextoSinIndiceSeMuestraIgual)
{
    frEscribePantalla &logica = p.calculo.listado();
    logica.Form_Load();
    ponTexto(logica.edPantalla, "uno\n\nTRES Ñ");
    frEscribePantallaVista vista(logica);
    auto *lista = vista.findChild<QTableView *>(QStringLiteral("edPantalla"));
    ASSERT_NE(lista, nullptr);
    const auto lineas = [lista] {
        QStringList texto;
        for (int i = 0; i < lista->model()->rowCount(); ++i) {
            texto << lista->model()->index(i, 0).data().toString();
        }
        return texto;
    };
    EXPECT_EQ(lineas(), (QStringList{QStringLiteral("uno"), QString(), QStringLiteral("TRES Ñ")}));

    ponTexto(logica.edPantalla, "cuatro\n");
    vista.Refresca();
    EXPECT_EQ(lineas(), (QStringList{QStringLiteral("cuatro"), QString()}));
}

// Tab goes through the window as it reads: the listing, the kinds of listing under it, then
// Imprimir and Salir; it went from the buttons to the kinds of listing.
TEST_F(ListadoPantallaTest, ElTabuladorSigueElOrdenDeLectura)
{
    frEscribePantalla &logica = p.calculo.listado();
    logica.Form_Load();
    frEscribePantallaVista vista(logica);
    const QStringList orden = {QStringLiteral("edPantalla"),     QStringLiteral("rdTipoListado0"),
                               QStringLiteral("rdTipoListado1"), QStringLiteral("rdTipoListado2"),
                               QStringLiteral("rdTipoListado3"), QStringLiteral("btImprimeTramo"),
                               QStringLiteral("btSalir")};
    auto *primero = vista.findChild<QWidget *>(orden.front());
    ASSERT_NE(primero, nullptr);
    QStringList vistos;
    QWidget *w = primero;
    do {
        if (orden.contains(w->objectName())) {
            vistos << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != primero && vistos.size() < orden.size());
    EXPECT_EQ(deQt(vistos.join(QLatin1Char(' '))), deQt(orden.join(QLatin1Char(' '))));
}

} // namespace
} // namespace dravek::gui
