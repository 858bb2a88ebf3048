#include "gui/entry/CapturaDatosVista.h"

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/CapturaPrueba.h"
#include "apoyo/CerrojosEnMemoria.h"
#include "apoyo/ComandosCapturaGrabadora.h"
#include "apoyo/DialogosFicheroGuionizados.h"
#include "apoyo/FicherosEnMemoria.h"
#include "apoyo/ObraPrueba.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "apoyo/VentanasNulas.h"
#include "core/entry/CapturaTramo.h"
#include "core/entry/ObraCapturaDatos.h"
#include "core/model/TextoRecurso.h"
#include "core/shell/FormaPrincipal.h"
#include "gui/comun/TextoQt.h"
#include "gui/shell/FormaPrincipalVista.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dravek::gui {
namespace {

using pruebas::MensajeMostrado;

class CapturaDatosVistaTest : public ::testing::Test {
protected:
    template <typename W> W *En(const CapturaDatosVista &vista, const std::string &nombre)
    {
        auto *widget = qobject_cast<W *>(vista.Widget(nombre));
        EXPECT_NE(widget, nullptr) << nombre;
        return widget;
    }

    int m_argc = 1;
    char m_nombre[24] = "CapturaDatosVistaTest";
    char *m_argv[2] = {m_nombre, nullptr};
    QApplication m_app{m_argc, m_argv};
};

// Tab goes through the boxes of each page in reading order: the reinforced-concrete page gave
// its resistances before the control level, the cylinder and its thickness above them, and the
// post-tensioned page its cylinder kind before the two boxes left of it.
TEST_F(CapturaDatosVistaTest, ElTabuladorSigueElOrdenDeLectura)
{
    pruebas::CapturaPrueba p;
    p.captura.PonTextosCaptura();
    CapturaDatosVista vista(p.captura);
    const std::vector<std::vector<std::string>> paginas = {
        {"edTramo", "edPrsM1Tram", "edPrsM2Tram", "edPrs1Tram", "edPrs2Tram", "edPrs3Tram"},
        {"edIcontes0", "edAdato", "edTipoControl", "edTipoCamisa", "edCamMax", "edFck", "edFct",
         "edFyk", "edFyd", "edGamaB"},
        {"edIcontes1", "edCoepre1", "edDelca", "TipoCamisa(0)"},
        {"edTramo2", "edTipoCuna0", "edTipoApoyo0", "edHr0", "edHr0Final", "edHr0Delta", "edB0",
         "edGr0", "edFi0", "edTipoRelleno0", "edHr1", "edIAs", "rdTipoColocacion(0)"},
    };
    for (const std::vector<std::string> &orden : paginas) {
        SCOPED_TRACE(orden.front());
        QWidget *primero = vista.Widget(orden.front());
        ASSERT_NE(primero, nullptr);
        std::vector<std::string> vistos;
        QWidget *w = primero;
        do {
            const std::string nombre = deQt(w->objectName());
            if (std::find(orden.begin(), orden.end(), nombre) != orden.end()) {
                vistos.push_back(nombre);
            }
            w = w->nextInFocusChain();
        } while (w != primero && vistos.size() < orden.size());
        EXPECT_EQ(vistos, orden);
    }
}

// Every control of the logic has its widget, found by the control's name; the strips show the
// logic's captions and the buttons their tips.
TEST_F(CapturaDatosVistaTest, CadaControlTieneSuWidget)
{
    pruebas::CapturaPrueba p;
    p.captura.PonTextosCaptura();
    CapturaDatosVista vista(p.captura);
    for (const Control *control : p.captura.Controles()) {
        SCOPED_TRACE(control->Name());
        if (const auto *grupo = dynamic_cast<const GrupoOpciones *>(control)) {
            for (int i = 0; i < grupo->Count(); ++i) {
                const std::string nombre = control->Name() + "(" + std::to_string(i) + ")";
                auto *opcion = En<QRadioButton>(vista, nombre);
                ASSERT_NE(opcion, nullptr);
                EXPECT_EQ(opcion->text(), aQt((*grupo)[i].Caption));
                const auto ayuda = p.captura.TextosAyuda.find(nombre);
                if (ayuda != p.captura.TextosAyuda.end()) {
                    EXPECT_EQ(opcion->toolTip(), aQt(ayuda->second));
                }
            }
            continue;
        }
        ASSERT_NE(vista.Widget(control->Name()), nullptr);
    }
    auto *tab = En<QTabBar>(vista, "TabPrincipal");
    ASSERT_NE(tab, nullptr);
    ASSERT_EQ(tab->count(), 3);
    EXPECT_EQ(tab->tabText(2), aQt(Texto(0, 153)));
    EXPECT_EQ(En<QPushButton>(vista, "btCalcular")->toolTip(), aQt(Texto(0, 986)));
    EXPECT_EQ(En<QLineEdit>(vista, "edFck")->toolTip(), aQt(Texto(0, 993)));
    EXPECT_EQ(En<QComboBox>(vista, "edTipoCuna0")->count(), p.captura.edTipoCuna0.ListCount());
    // Both check boxes say what ticking them asks for.
    EXPECT_EQ(En<QCheckBox>(vista, "edIcontes0")->text(),
              QStringLiteral("¿ Fija el valor Máximo de la Armadura Exterior ?"));
    EXPECT_EQ(En<QCheckBox>(vista, "edIcontes1")->text(),
              QStringLiteral("¿ Fija el Coeficiente de Presión de prueba del Primario ?"));
    EXPECT_LE(vista.width(), 1280);
    EXPECT_LE(vista.height(), 800);
}

// What the logic changes outside an event is shown after Refresca: enabled, visible, caption,
// text, colour, options, tabs and the chosen entry of a list.
TEST_F(CapturaDatosVistaTest, RefrescaMuestraElEstadoDeLaLogica)
{
    pruebas::CapturaPrueba p;
    p.captura.PonTextosCaptura();
    CapturaDatosVista vista(p.captura);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));

    CapturaDatos &c = p.captura;
    c.Caption = "Captura de prueba";
    c.edFct.Enabled = false;
    c.edFct.BackColor = ColorFondo::Cerrado;
    ponTexto(c.edFct, "22");
    c.edReci0.Visible = false;
    c.lbEtiquetas(22).Visible = false;
    c.lbEtiquetas(50).Caption = "Distancia hr'' (m):";
    c.rdSistemaUnidades[1].Enabled = false;
    c.btCancelar.Caption = "Releer";
    c.btAjustar.Visible = false;
    c.frTipoCamisa.Caption = "Camisa";
    c.avCargas1.BackColor = ColorFondo::Aviso;
    ponIndice(c.edTipoCuna0, 1);
    vista.Refresca();

    EXPECT_EQ(vista.windowTitle(), QStringLiteral("Captura de prueba"));
    auto *fct = En<QLineEdit>(vista, "edFct");
    EXPECT_FALSE(fct->isEnabled());
    EXPECT_EQ(fct->text(), QStringLiteral("22"));
    EXPECT_EQ(fct->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_TRUE(vista.Widget("edReci0")->isHidden());
    EXPECT_TRUE(vista.Widget("lbEtiquetas(22)")->isHidden());
    EXPECT_FALSE(vista.Widget("lbEtiquetas(21)")->isHidden());
    EXPECT_EQ(En<QLabel>(vista, "lbEtiquetas(50)")->text(), QStringLiteral("Distancia hr'' (m):"));
    EXPECT_TRUE(En<QRadioButton>(vista, "rdSistemaUnidades(0)")->isEnabled());
    EXPECT_FALSE(En<QRadioButton>(vista, "rdSistemaUnidades(1)")->isEnabled());
    EXPECT_TRUE(En<QRadioButton>(vista, "rdSistemaUnidades(1)")->isChecked());
    EXPECT_EQ(En<QPushButton>(vista, "btCancelar")->text(), QStringLiteral("Releer"));
    EXPECT_TRUE(vista.Widget("btAjustar")->isHidden());
    EXPECT_EQ(En<QGroupBox>(vista, "frTipoCamisa")->title(), QStringLiteral("Camisa"));
    EXPECT_EQ(vista.Widget("avCargas1")->palette().color(QPalette::Base),
              QColor(0x00, 0xC0, 0xC0));
    auto *cuna = En<QComboBox>(vista, "edTipoCuna0");
    EXPECT_EQ(cuna->currentIndex(), 1);
    EXPECT_EQ(cuna->currentText(), aQt(c.edTipoCuna0.List(1)));

    // Back again: what the logic restores is shown again.
    c.edFct.BackColor = ColorFondo::Editable;
    c.edReci0.Visible = true;
    c.btAjustar.Visible = true;
    vista.Refresca();
    EXPECT_EQ(fct->palette().color(QPalette::Base), QPalette().color(QPalette::Base));
    EXPECT_FALSE(vista.Widget("edReci0")->isHidden());
    EXPECT_FALSE(vista.Widget("btAjustar")->isHidden());
}

// Each key typed reaches the box's Change handler once; a key the box's filter swallows
// reaches nothing, and the text on the screen is the logic's.
TEST_F(CapturaDatosVistaTest, LoTecleadoLlegaUnaVez)
{
    pruebas::CapturaPrueba p;
    p.captura.PonTextosCaptura();
    CapturaDatos &c = p.captura;
    int cambios = 0;
    const auto original = c.edFck.Change;
    c.edFck.Change = [&] {
        ++cambios;
        original();
    };
    // The run's page, with the focus in the run number, as the tab change leaves it.
    ponTexto(c.edPrs1, "0");
    ponTexto(c.edPrs2, "0");
    ponPestana(c.TabPrincipal, 1);
    c.cumplePeticionFoco();
    ASSERT_EQ(c.Foco(), &c.edTramo);

    CapturaDatosVista vista(c);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    auto *fck = En<QLineEdit>(vista, "edFck");
    ASSERT_TRUE(fck->isVisible());
    // Leaving an empty run number offers a new run; the engineer declines.
    p.mensajes.responde(RespuestaMensaje::No);
    QTest::mouseClick(fck, Qt::LeftButton);
    ASSERT_EQ(p.mensajes.mostrados().size(), 1u);
    ASSERT_EQ(c.Foco(), &c.edFck);
    EXPECT_TRUE(fck->hasFocus());
    // Entering the box showed its default, all of it selected: the engineer types over it.
    EXPECT_EQ(fck->text(), aQt(c.edFck.Text()));
    EXPECT_FALSE(fck->text().isEmpty());
    EXPECT_EQ(fck->selectedText(), fck->text());
    c.estado().ejecucion.DatosModificados = false;
    p.ajustes.olvida();
    cambios = 0;

    QTest::keyClicks(fck, QStringLiteral("3x5"));
    EXPECT_EQ(cambios, 2);
    EXPECT_EQ(c.edFck.Text(), "35");
    EXPECT_EQ(fck->text(), QStringLiteral("35"));
    EXPECT_TRUE(c.estado().ejecucion.DatosModificados);
    EXPECT_EQ(p.ajustes.veces(), 2);
}

// A leave check that refuses keeps the focus in the box, with its message shown once, and the
// field clicked never gets the focus.
TEST_F(CapturaDatosVistaTest, UnaSalidaRechazadaDejaElFoco)
{
    pruebas::CapturaPrueba p;
    p.captura.PonTextosCaptura();
    CapturaDatos &c = p.captura;
    int entradas = 0;
    c.edAlt1.GotFocus = [&] { ++entradas; };
    CapturaDatosVista vista(c);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));

    auto *prs1 = En<QLineEdit>(vista, "edPrs1");
    auto *alt1 = En<QLineEdit>(vista, "edAlt1");
    QTest::mouseClick(prs1, Qt::LeftButton);
    ASSERT_EQ(c.Foco(), &c.edPrs1);
    // An initial DP above the initial MDP (empty, 0) cannot be left.
    QTest::keyClicks(prs1, QStringLiteral("5"));
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::mouseClick(alt1, Qt::LeftButton);

    ASSERT_EQ(p.mensajes.mostrados().size(), 1u);
    EXPECT_EQ(p.mensajes.mostrados()[0].texto, Texto(0, 274));
    EXPECT_EQ(c.Foco(), &c.edPrs1);
    EXPECT_TRUE(prs1->hasFocus());
    EXPECT_FALSE(alt1->hasFocus());
    EXPECT_EQ(entradas, 0);
    EXPECT_EQ(prs1->text(), aQt(c.edPrs1.Text()));
}

// Going to the laying tab with no run number is refused by the tab's own check: its message,
// the run's tab shown again and the focus in the run number.
TEST_F(CapturaDatosVistaTest, LaPestanaDeColocacionPideUnTramo)
{
    pruebas::CapturaPrueba p;
    p.captura.PonTextosCaptura();
    CapturaDatos &c = p.captura;
    ponTexto(c.edPrs1, "0");
    ponTexto(c.edPrs2, "0");
    CapturaDatosVista vista(c);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));

    auto *tab = En<QTabBar>(vista, "TabPrincipal");
    auto *paginas =
        qobject_cast<QStackedWidget *>(tab->parentWidget()->findChild<QStackedWidget *>());
    ASSERT_NE(paginas, nullptr);
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::mouseClick(tab, Qt::LeftButton, {}, tab->tabRect(2).center());

    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {Texto(0, 540), BotonesMensaje::Aceptar, IconoMensaje::Ninguno, ""}}));
    EXPECT_EQ(c.TabPrincipal.Tab(), 1);
    EXPECT_EQ(tab->currentIndex(), 1);
    EXPECT_EQ(paginas->currentIndex(), 1);
    EXPECT_EQ(c.Foco(), &c.edTramo);
    EXPECT_TRUE(vista.Widget("edTramo")->hasFocus());
    // The run commands come with the run's page.
    EXPECT_TRUE(vista.Widget("btGrabar")->isVisible());
}

// Turning to the laying page with a run on the window: the Qt focus is where the logic put it.
TEST_F(CapturaDatosVistaTest, LaPestanaDeColocacionLlevaElFocoDeLaLogica)
{
    pruebas::CapturaPrueba p;
    p.captura.PonTextosCaptura();
    CapturaDatos &c = p.captura;
    ponTexto(c.edPrs1, "0");
    ponTexto(c.edPrs2, "0");
    ponTexto(c.edTramo, "1");
    CapturaDatosVista vista(c);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    auto *tab = En<QTabBar>(vista, "TabPrincipal");
    QTest::mouseClick(tab, Qt::LeftButton, {}, tab->tabRect(2).center());
    ASSERT_EQ(c.TabPrincipal.Tab(), 2);
    ASSERT_NE(c.Foco(), nullptr);
    QWidget *enfocado = QApplication::focusWidget();
    ASSERT_NE(enfocado, nullptr);
    std::string nombre = c.Foco()->Name();
    // An option array's focus is on its selected button.
    if (const auto *grupo = dynamic_cast<const GrupoOpciones *>(c.Foco())) {
        nombre += "(" + std::to_string(std::max(grupo->Seleccionada(), 0)) + ")";
    }
    SCOPED_TRACE(nombre);
    const QWidget *esperado = vista.Widget(nombre);
    ASSERT_NE(esperado, nullptr);
    EXPECT_TRUE(enfocado == esperado || esperado->isAncestorOf(enfocado))
        << c.Foco()->Name() << " / " << enfocado->objectName().toStdString();
}

// Choosing the embankment shows the fields it needs and hides the trench's, as the logic lays
// them out.
TEST_F(CapturaDatosVistaTest, LaColocacionElegidaMuestraSusCampos)
{
    pruebas::CapturaPrueba p;
    p.captura.PonTextosCaptura();
    CapturaDatos &c = p.captura;
    ponTexto(c.edPrs1, "0");
    ponTexto(c.edPrs2, "0");
    ponTexto(c.edTramo, "1");
    ponPestana(c.TabPrincipal, 2);
    ponPestana(c.TabDatosColocacion, 1);
    CapturaDatosVista vista(c);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    // A radio button is clicked on its round mark, at its left.
    const auto marca = [](QWidget *boton) { return QPoint(6, boton->height() / 2); };
    auto *zanja = En<QRadioButton>(vista, "rdTipoColocacion(0)");
    QTest::mouseClick(zanja, Qt::LeftButton, {}, marca(zanja));
    ASSERT_TRUE(c.rdTipoColocacion.Value(0));
    EXPECT_TRUE(vista.Widget("edB0")->isVisible());
    EXPECT_FALSE(vista.Widget("edHr1")->isVisible());
    EXPECT_FALSE(vista.Widget("lbEtiquetas(50)")->isVisible());

    // The trench's default cradle is the first; the arrow key chooses the next, which the
    // list's Click handler stores.
    auto *cuna = En<QComboBox>(vista, "edTipoCuna0");
    QTest::mouseClick(cuna->lineEdit(), Qt::LeftButton);
    ASSERT_EQ(c.Foco(), &c.edTipoCuna0);
    ASSERT_EQ(c.edTipoCuna0.ListIndex(), 0);
    QTest::keyClick(cuna, Qt::Key_Down);
    EXPECT_EQ(c.edTipoCuna0.ListIndex(), 1);
    EXPECT_EQ(cuna->currentText(), aQt(c.edTipoCuna0.List(1)));
    EXPECT_EQ(p.estado.tramo.vICUNA, 2);

    auto *terraplen = En<QRadioButton>(vista, "rdTipoColocacion(2)");
    QTest::mouseClick(terraplen, Qt::LeftButton, {}, marca(terraplen));

    EXPECT_TRUE(c.rdTipoColocacion.Value(2));
    EXPECT_TRUE(terraplen->isChecked());
    EXPECT_FALSE(En<QRadioButton>(vista, "rdTipoColocacion(0)")->isChecked());
    for (const char *oculto : {"edB0", "lbEtiquetas(29)", "edTipoRelleno0", "edTipoApoyo0"}) {
        SCOPED_TRACE(oculto);
        EXPECT_FALSE(vista.Widget(oculto)->isVisible());
    }
    for (const char *visible : {"edHr1", "lbEtiquetas(50)", "edIAs", "lbEtiquetas(53)"}) {
        SCOPED_TRACE(visible);
        EXPECT_TRUE(vista.Widget(visible)->isVisible());
    }
    EXPECT_EQ(En<QLabel>(vista, "lbEtiquetas(50)")->text(), aQt(c.lbEtiquetas(50).Caption));
    EXPECT_EQ(En<QComboBox>(vista, "edIAs")->currentText(), aQt(c.edIAs.List(1)));
    EXPECT_TRUE(p.mensajes.mostrados().empty());
}

// The close box runs the close button's command, which decides (it may ask to save first); the
// window goes only when the logic closes it.
struct CierreGrabado final : CierreCaptura {
    void CierraVentana() override { ++cierres; }
    int cierres = 0;
};

TEST_F(CapturaDatosVistaTest, CerrarPasaPorLaLogica)
{
    pruebas::CapturaPrueba p;
    CierreGrabado cierre;
    CapturaDatos c(p.estado, {p.mensajes, p.menu, p.ajustes, p.idioma.principal, p.obra.almacen,
                              nullptr, &cierre});
    c.LlenaListasCodigos();
    c.PonTextosCaptura();
    CapturaDatosVista vista(c);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));

    vista.close();
    EXPECT_EQ(cierre.cierres, 1);
    EXPECT_TRUE(vista.isVisible());

    vista.Cierra();
    EXPECT_FALSE(vista.isVisible());
    EXPECT_EQ(cierre.cierres, 1);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
}

// An initial MDP of 999 999 999 is refused at its box, which then shows what the project holds
// (nothing); the click that tried to leave did not land in the final MDP; closing the project
// stays within reach of the refused box, and Escape never closes it.
TEST_F(CapturaDatosVistaTest, UnaCajaRechazadaNoAtrapaElFoco)
{
    pruebas::CapturaPrueba p;
    CierreGrabado cierre;
    CapturaDatos c(p.estado, {p.mensajes, p.menu, p.ajustes, p.idioma.principal, p.obra.almacen,
                              nullptr, &cierre});
    c.LlenaListasCodigos();
    c.PonTextosCaptura();
    CapturaDatosVista vista(c);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    auto *inicial = En<QLineEdit>(vista, "edPrsM1");
    auto *final = En<QLineEdit>(vista, "edPrsM2");
    auto *cerrar = En<QPushButton>(vista, "btCerrarObra");
    ASSERT_TRUE(inicial && final && cerrar);

    QTest::mouseClick(inicial, Qt::LeftButton);
    ASSERT_EQ(c.Foco(), &c.edPrsM1);
    QTest::keyClicks(inicial, QStringLiteral("999999999"));
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::mouseClick(final, Qt::LeftButton);
    ASSERT_EQ(p.mensajes.mostrados().size(), 2u);
    EXPECT_EQ(p.mensajes.mostrados()[0].texto,
              Texto(0, 287) + " (" + Texto(0, 1123) + " 1000,00)");
    EXPECT_EQ(c.Foco(), &c.edPrsM1);
    EXPECT_EQ(QApplication::focusWidget(), inicial);
    EXPECT_EQ(inicial->text(), QString());
    EXPECT_EQ(p.estado.obra.MDPInicialObra, 0);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    EXPECT_EQ(inicial->text(), QStringLiteral("12"));
    EXPECT_EQ(final->text(), QString());
    EXPECT_TRUE(vista.grab().toImage().save(
        QStringLiteral(DRAVEK_ARTEFACTOS "/captura_mdp_rechazada.png")));

    // Escape closes nothing.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(vista.isVisible());
    EXPECT_EQ(cierre.cierres, 0);

    // Closing is reached with a box that would refuse, and asks nothing of it.
    QTest::keyClicks(inicial, QStringLiteral("999999"));
    QTest::mouseClick(cerrar, Qt::LeftButton);
    EXPECT_EQ(cierre.cierres, 1);
    EXPECT_EQ(p.mensajes.mostrados().size(), 2u);
}

// A project with MDP from 10 to 12: an initial MDP of 999 typed over the 10 sets the pair out of
// order. The engineer goes to the final MDP and back to the initial one without a word, as often
// as wanted; leaving the pair so for another box is refused once, the focus staying; the initial
// MDP mended, the pair is left in silence. The window is saved with 999 in the initial box and
// the focus back in it, the picture of the trap that is no longer there.
TEST_F(CapturaDatosVistaTest, UnParDesordenadoSeCorrigeDesdeLaCajaInicial)
{
    pruebas::CapturaPrueba p;
    p.captura.PonTextosCaptura();
    CapturaDatos &c = p.captura;
    for (const auto &[caja, texto] : {std::pair<CajaTexto *, const char *>{&c.edPrsM1, "10"},
                                      std::pair<CajaTexto *, const char *>{&c.edPrsM2, "12"}}) {
        ASSERT_TRUE(c.cambiaFoco(*caja));
        ponTexto(*caja, texto);
        ASSERT_TRUE(c.cambiaFoco(c.edObra));
    }
    ASSERT_TRUE(p.mensajes.mostrados().empty());

    CapturaDatosVista vista(c);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    auto *inicial = En<QLineEdit>(vista, "edPrsM1");
    auto *final = En<QLineEdit>(vista, "edPrsM2");
    auto *alt1 = En<QLineEdit>(vista, "edAlt1");
    ASSERT_TRUE(inicial && final && alt1);
    EXPECT_EQ(final->text(), QStringLiteral("12,00"));

    QTest::mouseClick(inicial, Qt::LeftButton);
    ASSERT_EQ(c.Foco(), &c.edPrsM1);
    inicial->selectAll();
    QTest::keyClicks(inicial, QStringLiteral("999"));
    ASSERT_EQ(c.edPrsM1.Text(), "999");

    // To the final MDP and back, twice: no message, the focus goes where it is sent.
    for (int vez = 0; vez < 2; ++vez) {
        QTest::mouseClick(final, Qt::LeftButton);
        EXPECT_EQ(c.Foco(), &c.edPrsM2);
        EXPECT_TRUE(final->hasFocus());
        QTest::mouseClick(inicial, Qt::LeftButton);
        EXPECT_EQ(c.Foco(), &c.edPrsM1);
        EXPECT_TRUE(inicial->hasFocus());
    }
    EXPECT_TRUE(p.mensajes.mostrados().empty());
    EXPECT_EQ(inicial->text(), QStringLiteral("999,00"));
    QApplication::processEvents();
    EXPECT_TRUE(vista.grab().toImage().save(
        QStringLiteral(DRAVEK_ARTEFACTOS "/captura_par_desordenado.png")));

    // Leaving the pair unmended: refused once, with the pair's message.
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    QTest::mouseClick(alt1, Qt::LeftButton);
    ASSERT_EQ(p.mensajes.mostrados().size(), 1u);
    EXPECT_EQ(p.mensajes.mostrados()[0].texto, Texto(0, 282));
    EXPECT_EQ(c.Foco(), &c.edPrsM1);
    EXPECT_TRUE(inicial->hasFocus());

    // Mended from the initial box, the pair is left in silence.
    inicial->selectAll();
    QTest::keyClicks(inicial, QStringLiteral("11"));
    QTest::mouseClick(alt1, Qt::LeftButton);
    EXPECT_EQ(p.mensajes.mostrados().size(), 1u);
    EXPECT_EQ(c.Foco(), &c.edAlt1);
    EXPECT_TRUE(alt1->hasFocus());
    EXPECT_EQ(inicial->text(), QStringLiteral("11,00"));
    EXPECT_DOUBLE_EQ(p.estado.obra.MDPInicialObra, 11);
    EXPECT_DOUBLE_EQ(p.estado.obra.MDPFinalObra, 12);
}

// A locked run list (a run is on the window) shows its lock: grey, and its entries do not open,
// since none could be chosen; before a run is chosen they open.
TEST_F(CapturaDatosVistaTest, LaListaDeTramosBloqueadaNoSeAbre)
{
    pruebas::ObraPrueba o('.');
    o.estado.ejecucion.RutaAplicacion = std::string(DRAVEK_DATOS_PROGRAMA) + "/";
    o.captura.PonTextosCaptura();
    const std::string ruta = "/obras/presa.dvk";
    o.ficheros.Pon(ruta,
                   pruebas::LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_punto.dvk"));
    ASSERT_TRUE(o.abre(ruta));
    CapturaDatosVista vista(o.captura);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));
    auto *tramos = En<QComboBox>(vista, "edTramo");
    ASSERT_NE(tramos, nullptr);
    ASSERT_GT(tramos->count(), 0);
    tramos->showPopup();
    EXPECT_TRUE(tramos->view()->isVisible());
    tramos->hidePopup();
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    // The window system gives the window its activation back once the list is closed.
    vista.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&vista));

    ponTexto(o.captura.edTramo, o.captura.edTramo.List(0));
    bool Cancel = false;
    o.captura.edTramo_Validate(Cancel);
    ASSERT_FALSE(Cancel);
    ASSERT_TRUE(o.captura.edTramo.Locked);
    vista.Refresca();
    EXPECT_TRUE(tramos->lineEdit()->isReadOnly());
    EXPECT_NE(tramos->palette().color(QPalette::Base),
              En<QLineEdit>(vista, "edFck")->palette().color(QPalette::Base));
    tramos->showPopup();
    EXPECT_FALSE(tramos->view()->isVisible());
    QTest::keyClick(tramos, Qt::Key_F4);
    EXPECT_FALSE(tramos->view()->isVisible());
    EXPECT_TRUE(o.mensajes.mostrados().empty());

    // The run's diameter, a number list, is typed over after a click into its text.
    ponPestana(o.captura.TabPrincipal, 2);
    o.captura.cumplePeticionFoco();
    vista.Refresca();
    QApplication::processEvents();
    auto *diametro = En<QComboBox>(vista, "edDi0");
    ASSERT_TRUE(diametro->isVisible());
    const QString antes = diametro->currentText();
    ASSERT_FALSE(antes.isEmpty());
    QTest::mouseClick(diametro->lineEdit(), Qt::LeftButton);
    ASSERT_NE(o.captura.Foco(), nullptr);
    EXPECT_EQ(o.captura.Foco()->Name(), "edDi0");
    EXPECT_EQ(diametro->lineEdit()->selectedText(), antes);
    EXPECT_TRUE(o.mensajes.mostrados().empty());
}

// The window with a stored run loaded, on each of its three pages, saved for a look.
TEST_F(CapturaDatosVistaTest, ImagenConUnTramoCargado)
{
    pruebas::ObraPrueba o('.');
    o.estado.ejecucion.RutaAplicacion = std::string(DRAVEK_DATOS_PROGRAMA) + "/";
    o.captura.PonTextosCaptura();
    const std::string ruta = "/obras/presa.dvk";
    o.ficheros.Pon(ruta,
                   pruebas::LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_punto.dvk"));
    ASSERT_TRUE(o.abre(ruta));
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));

    CapturaDatosVista vista(o.captura);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));
    EXPECT_LE(vista.width(), 1280);
    EXPECT_LE(vista.height(), 800);
    EXPECT_FALSE(o.captura.edTramo.Text().empty());
    EXPECT_FALSE(En<QLabel>(vista, "ptArmado")->pixmap().isNull());

    // The page of the main strip and of the laying strip each picture shows.
    struct Vista {
        int principal;
        int colocacion;
        const char *fichero;
    };
    const Vista vistas[] = {{0, 0, "captura_obra.png"},
                            {1, 0, "captura_tipologia.png"},
                            {2, 0, "captura_dimensiones.png"},
                            {2, 1, "captura_relleno.png"},
                            {2, 2, "captura_cargas.png"}};
    const QSize tamano = vista.size();
    for (const Vista &v : vistas) {
        SCOPED_TRACE(v.fichero);
        ponPestana(o.captura.TabPrincipal, v.principal);
        ponPestana(o.captura.TabDatosColocacion, v.colocacion);
        o.captura.cumplePeticionFoco();
        vista.Refresca();
        ASSERT_EQ(o.captura.TabPrincipal.Tab(), v.principal);
        ASSERT_EQ(o.captura.TabDatosColocacion.Tab(), v.colocacion);
        QApplication::processEvents();
        const QImage imagen = vista.grab().toImage();
        EXPECT_FALSE(imagen.isNull());
        // The window keeps its size whichever page it shows.
        EXPECT_EQ(vista.size(), tamano);
        EXPECT_EQ(imagen.size(), vista.size());
        EXPECT_TRUE(imagen.save(QString::fromLatin1(DRAVEK_ARTEFACTOS "/") +
                                QString::fromLatin1(v.fichero)));
    }
    EXPECT_TRUE(o.mensajes.mostrados().empty());

    // The post-tensioned materials, once the engineer agrees to the switch.
    ponPestana(o.captura.TabPrincipal, 1);
    o.mensajes.responde(RespuestaMensaje::Si);
    ponPestana(o.captura.TabTipologia, 1);
    EXPECT_EQ(o.mensajes.mostrados().size(), 1u);
    o.captura.cumplePeticionFoco();
    vista.Refresca();
    ASSERT_EQ(o.captura.TabTipologia.Tab(), 1);
    EXPECT_TRUE(vista.Widget("btAjustar")->isHidden());
    QApplication::processEvents();
    EXPECT_TRUE(
        vista.grab().toImage().save(QStringLiteral(DRAVEK_ARTEFACTOS "/captura_postesado.png")));
}

// A new project as the window opens it, a new run and its inner diameter chosen: the outside
// diameter the trench width uses is shown in its closed box, and the notes under the total load
// are read in black on their grey.
TEST_F(CapturaDatosVistaTest, DiametroExteriorYNotasDeCargasLegibles)
{
    pruebas::ObraPrueba o('.');
    o.estado.ejecucion.RutaAplicacion = std::string(DRAVEK_DATOS_PROGRAMA) + "/";
    o.captura.Form_Load();
    NuevoTramo(o.captura);
    o.captura.cumplePeticionFoco();
    // A diameter the (empty) table does not list, kept, and its wall.
    o.captura.cambiaFoco(o.captura.edDi0);
    ponTexto(o.captura.edDi0, "1.200");
    o.mensajes.responde(RespuestaMensaje::No);
    o.captura.cambiaFoco(o.captura.edEsp0);
    ponTexto(o.captura.edEsp0, "12");
    o.captura.cambiaFoco(o.captura.edGc0);
    ASSERT_EQ(o.mensajes.mostrados().size(), 1u);
    ASSERT_EQ(o.captura.edDe0.Text(), "1.440");
    ASSERT_FALSE(o.captura.edDe0.Enabled);

    CapturaDatosVista vista(o.captura);
    vista.Muestra();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));
    ponPestana(o.captura.TabPrincipal, 2);
    ponPestana(o.captura.TabDatosColocacion, 0);
    o.captura.cumplePeticionFoco();
    vista.Refresca();
    QApplication::processEvents();
    auto *exterior = En<QComboBox>(vista, "edDe0");
    ASSERT_NE(exterior, nullptr);
    EXPECT_TRUE(exterior->isVisible());
    EXPECT_EQ(exterior->lineEdit()->text(), QStringLiteral("1.440"));
    EXPECT_TRUE(vista.grab().toImage().save(
        QStringLiteral(DRAVEK_ARTEFACTOS "/captura_diametro_exterior.png")));

    ponPestana(o.captura.TabDatosColocacion, 2);
    o.captura.cumplePeticionFoco();
    vista.Refresca();
    QApplication::processEvents();
    auto *nota = qobject_cast<QPlainTextEdit *>(vista.Widget("avCargas0"));
    ASSERT_NE(nota, nullptr);
    EXPECT_EQ(nota->toPlainText().toStdString(), o.captura.avCargas0.Text());
    EXPECT_FALSE(nota->toPlainText().isEmpty());
    // Drawn as enabled text, never in the disabled grey; and still not for editing.
    EXPECT_TRUE(nota->isEnabled());
    EXPECT_TRUE(nota->isReadOnly());
    EXPECT_EQ(nota->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(vista.grab().toImage().save(
        QStringLiteral(DRAVEK_ARTEFACTOS "/captura_notas_cargas.png")));
}

// The main window as the program wires it, the data-entry window opening over it, and the
// stored project obra_coma.dvk at RutaObra; started by Arranca once the settings are the test's.
const std::string RutaObra = "/obras/presa.dvk";

struct PrincipalConCaptura {
    // False when the main window does not start.
    bool Arranca()
    {
        if (!forma.Arranca(DRAVEK_DATOS_PROGRAMA, local)) {
            return false;
        }
        principal.emplace(forma);
        principal->show();
        ficheros.Pon(RutaObra,
                     pruebas::LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_coma.dvk"));
        obra.PonComandos(comandos);
        forma.Conecta(obra, ventanas, comandos);
        principal->Refresca();
        return true;
    }

    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes{pruebas::Guion::Estricto};
    pruebas::AlmacenConfiguracionEnMemoria configuracion;
    pruebas::TextosPlataformaGrabadora textos;
    FormaPrincipal forma{estado, mensajes, configuracion, textos};
    pruebas::LocalUsuarioFijo local{","};
    // Built once the main window has started, as the program builds it.
    std::optional<FormaPrincipalVista> principal;
    pruebas::FicherosEnMemoria ficheros;
    pruebas::DialogosFicheroGuionizados dialogos;
    pruebas::VentanasNulas ventanas;
    CapturaDatosVista *mostrada = nullptr;
    pruebas::CerrojosEnMemoria cerrojos;
    pruebas::ComandosCapturaGrabadora comandos;
    // Last: its window goes before the main window.
    ObraCapturaDatos obra{estado,
                          {mensajes, forma.menu(), ficheros, dialogos, configuracion, cerrojos,
                           forma, [this](CapturaDatos &captura) {
                               auto vista =
                                   std::make_unique<CapturaDatosVista>(captura, &*principal);
                               mostrada = vista.get();
                               return vista;
                           }}};
};

// The program's own wiring: the main window's "open" asks for the project, the data-entry
// window then shows over the main window with the project's runs listed, and closing the
// project from the menu closes it.
TEST_F(CapturaDatosVistaTest, LaPrincipalAbreYCierraLaCaptura)
{
    PrincipalConCaptura p;
    ASSERT_TRUE(p.Arranca());

    p.dialogos.responde(RutaObra);
    p.principal->Accion(QStringLiteral("MnAbriFichero"))->trigger();
    ASSERT_NE(p.mostrada, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(p.mostrada));
    EXPECT_EQ(p.mostrada->parentWidget(), &*p.principal);
    EXPECT_EQ(p.estado.obra.NombreFicheroObra, RutaObra);
    auto *tramos = En<QComboBox>(*p.mostrada, "edTramo");
    EXPECT_GT(tramos->count(), 0);
    EXPECT_EQ(tramos->count(), p.obra.Captura()->edTramo.ListCount());
    EXPECT_FALSE(p.principal->Accion(QStringLiteral("MnAbriFichero"))->isEnabled());

    p.principal->Accion(QStringLiteral("mnCerrarObra"))->trigger();
    EXPECT_FALSE(p.mostrada->isVisible());
    EXPECT_EQ(p.obra.Captura(), nullptr);
    EXPECT_TRUE(p.principal->Accion(QStringLiteral("MnAbriFichero"))->isEnabled());
    EXPECT_TRUE(p.mensajes.mostrados().empty());
}

// An engineer working in English opens, twice, a project saved from a Spanish interface: the
// data-entry window, its pages and lists and the main window's menus are in English each time,
// and the language box names English, the language the window is shown in.
TEST_F(CapturaDatosVistaTest, ObraDeOtraLenguaNoCambiaLaDelInterfaz)
{
    PrincipalConCaptura p;
    p.configuracion.ponValor(RaizRegistro::MaquinaLocal, "Software\\DRAVEK", "Idioma",
                             {TipoTexto, "2"});
    ASSERT_TRUE(p.Arranca());
    ASSERT_EQ(p.estado.ejecucion.Idioma, 2);

    constexpr std::int32_t Ingles = 5000;
    for (int vez = 1; vez <= 2; ++vez) {
        SCOPED_TRACE(vez);
        p.dialogos.responde(RutaObra);
        p.principal->Accion(QStringLiteral("MnAbriFichero"))->trigger();
        ASSERT_NE(p.mostrada, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(p.mostrada));
        EXPECT_EQ(p.mostrada->windowTitle(), aQt(Texto(Ingles, 184) + ". " + Texto(Ingles, 267)));
        auto *paginas = En<QTabBar>(*p.mostrada, "TabPrincipal");
        EXPECT_EQ(paginas->tabText(0), aQt(Texto(Ingles, 151)));
        EXPECT_EQ(En<QComboBox>(*p.mostrada, "edIdioma")->currentText(), aQt(Texto(Ingles, 102)));
        EXPECT_EQ(En<QComboBox>(*p.mostrada, "edIdioma")->itemText(1), aQt(Texto(Ingles, 102)));
        EXPECT_EQ(p.principal->Accion(QStringLiteral("mnCerrarObra"))->text(),
                  aQt(Texto(Ingles, 1052)));
        if (vez == 1) {
            QApplication::processEvents();
            EXPECT_TRUE(p.mostrada->grab().toImage().save(
                QStringLiteral(DRAVEK_ARTEFACTOS "/captura_obra_espanola_en_ingles.png")));
        }
        p.principal->Accion(QStringLiteral("mnCerrarObra"))->trigger();
        ASSERT_EQ(p.obra.Captura(), nullptr);
        p.mostrada = nullptr;
    }
    EXPECT_EQ(p.estado.ejecucion.Idioma, 2);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
}

} // namespace
} // namespace dravek::gui
