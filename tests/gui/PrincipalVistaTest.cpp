#include "apoyo/AlmacenObraPrueba.h"
#include "apoyo/ComandosCapturaGrabadora.h"
#include "apoyo/DialogosFicheroGuionizados.h"
#include "apoyo/ServicioImpresorasEnMemoria.h"
#include "apoyo/TemporizadorGrabador.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "core/model/TextoRecurso.h"
#include "core/shell/PrincipalPrueba.h"
#include "core/storage/CarpetaDialogos.h"
#include "core/storage/Registro.h"
#include "gui/PdfPrueba.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/ImpresoraQt.h"
#include "gui/plataforma/TrabajoImpresionQt.h"
#include "gui/shell/AyudaVista.h"
#include "gui/shell/FormaPrincipalVista.h"
#include "gui/shell/VentanasPrincipalQt.h"
#include "gui/shell/frEscribePantallaVista.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <sys/wait.h>
#include <unistd.h>

namespace dravek::gui {
namespace {

class PrincipalVistaTest : public pruebas::PdfPrueba<QApplication> {};

TEST_F(PrincipalVistaTest, MenusAtajosYCaptura)
{
    pruebas::PrincipalPrueba p;
    pruebas::LocalUsuarioFijo local(",");
    ASSERT_TRUE(p.forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
    FormaPrincipalVista vista(p.forma);
    vista.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&vista));
    EXPECT_LE(vista.width(), 1280);
    EXPECT_LE(vista.height(), 800);
    EXPECT_TRUE(vista.TieneLogo());
    EXPECT_TRUE(vista.grab().save(QStringLiteral(DRAVEK_ARTEFACTOS "/ventana_principal.png")));

    QAction *nuevoTramo = vista.Accion(QStringLiteral("mnNuevoTramo"));
    ASSERT_NE(nuevoTramo, nullptr);
    EXPECT_EQ(nuevoTramo->text(), aQt(Texto(0, 1055)));
    EXPECT_EQ(nuevoTramo->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    // The run menu is disabled after start-up: its items and their shortcuts with it.
    EXPECT_TRUE(p.forma.menu().mnNuevoTramo.Enabled);
    EXPECT_FALSE(nuevoTramo->isEnabled());
    QTest::keyClick(&vista, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(p.obra.nuevos, 0);

    // Ctrl+O starts a new project; Ctrl+N then runs the new-run command once.
    QTest::keyClick(&vista, Qt::Key_O, Qt::ControlModifier);
    EXPECT_TRUE(p.obra.cargada);
    EXPECT_FALSE(vista.Accion(QStringLiteral("MnAbriFichero"))->isEnabled());
    EXPECT_TRUE(nuevoTramo->isEnabled());
    QTest::keyClick(&vista, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(p.obra.nuevos, 1);

    // The data-entry window sets the run items without the view knowing: the shortcut
    // follows the logic's state all the same.
    p.forma.menu().mnNuevoTramo.Enabled = false;
    vista.Refresca();
    EXPECT_FALSE(nuevoTramo->isEnabled());
    p.forma.menu().mnNuevoTramo.Enabled = true;
    QTest::keyClick(&vista, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(p.obra.nuevos, 2);
    EXPECT_TRUE(nuevoTramo->isEnabled());
    p.forma.menu().mnNuevoTramo.Enabled = false;
    QTest::keyClick(&vista, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(p.obra.nuevos, 2);
    EXPECT_FALSE(nuevoTramo->isEnabled());

    // The close control asks the data-entry window first; a refusal keeps the program.
    p.estado.ejecucion.DatosModificados = true;
    EXPECT_FALSE(vista.close());
    EXPECT_TRUE(vista.isVisible());
    p.estado.ejecucion.DatosModificados = false;
    EXPECT_TRUE(vista.close());
}

// The modal window a command opens, as seen from inside its own event loop, then closed.
struct VentanaVista {
    QString clase;
    QString titulo;
    bool sobreLaPrincipal;
    bool operator==(const VentanaVista &) const = default;
};

std::vector<VentanaVista> AbreYCierra(const std::function<void()> &orden, QWidget &principal)
{
    std::vector<VentanaVista> vistas;
    QTimer::singleShot(0, [&] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            vistas.push_back({QString::fromLatin1(w->metaObject()->className()), w->windowTitle(),
                              w->parentWidget() == &principal});
            w->close();
        }
    });
    orden();
    return vistas;
}

// Every window of the menu opens modally over the main window; the notice also from the
// start-up timer.
TEST_F(PrincipalVistaTest, VentanasDelMenuSobreLaPrincipal)
{
    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes;
    pruebas::AlmacenConfiguracionEnMemoria almacen;
    pruebas::TextosPlataformaGrabadora textos;
    FormaPrincipal forma(estado, mensajes, almacen, textos);
    pruebas::LocalUsuarioFijo local(",");
    ASSERT_TRUE(forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
    FormaPrincipalVista vista(forma);
    pruebas::ServicioImpresorasEnMemoria impresoras({"Oficina", "Planta"}, "Oficina");
    ImpresoraQt impresora;
    pruebas::RelojFijo reloj;
    SalidaListado salida(reloj, impresora);
    pruebas::TrabajoFalso trabajo;
    VentanasPrincipalQt ventanas(vista, estado, mensajes, almacen, impresoras, salida, trabajo);
    pruebas::AnulacionAjustesGrabadora ajustes;
    pruebas::AlmacenObraPrueba ficheros{estado, mensajes, almacen};
    CapturaDatos captura{estado, {mensajes, forma.menu(), ajustes, forma, ficheros.almacen}};
    pruebas::ObraFalsa obra{estado, captura};
    pruebas::ComandosCapturaGrabadora comandos;
    forma.Conecta(obra, ventanas, comandos);
    vista.show();

    const auto T = [](std::int32_t n) { return aQt(Texto(0, n)); };
    MenuPrincipal &m = forma.menu();
    m.MnSeleccionarImpresora.Enabled = true; // as with a project open
    vista.Refresca();
    struct Fila {
        ElementoMenu *elemento;
        const char *clase;
        QString titulo; // empty: the window's own
    };
    const std::vector<Fila> filas = {
        {&m.MnSeleccionarImpresora, "ImpresorasVista", {}},
        {&m.mnCalculoHidraulico, "CalculoHidraulicoVista", {}},
        {&m.mnMedidas, "ProteccionesVista", {}},
        {&m.mnAyudaSobreAyuda, "AyudaVista", T(1524)},
        {&m.mnAcercaDe, "frmAboutBoxVista", T(695)},
        {&m.mnAdvertencia, "frmTipVista", T(701)},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.elemento->Name());
        const auto vistas =
            AbreYCierra([&] { vista.Accion(aQt(f.elemento->Name()))->trigger(); }, vista);
        ASSERT_EQ(vistas.size(), 1u);
        EXPECT_EQ(vistas[0].clase, QStringLiteral("dravek::gui::") + QLatin1String(f.clase));
        EXPECT_TRUE(vistas[0].sobreLaPrincipal);
        if (!f.titulo.isEmpty()) {
            EXPECT_EQ(vistas[0].titulo, f.titulo);
        }
    }
    EXPECT_TRUE(mensajes.mostrados().empty());

    // The start-up notice, one second after start-up.
    pruebas::TemporizadorGrabador temporizador;
    forma.ArrancaTimer1(temporizador);
    EXPECT_EQ(temporizador.intervalo(), 1000);
    const auto aviso = AbreYCierra([&] { temporizador.dispara(); }, vista);
    ASSERT_EQ(aviso.size(), 1u);
    EXPECT_EQ(aviso[0].clase, QStringLiteral("dravek::gui::frmTipVista"));
    EXPECT_EQ(estado.ejecucion.ModoAdvertencia, 1);
}

// The PDF printer chosen, or no printer at all, asks for a file whatever printer was named.
TEST_F(PrincipalVistaTest, ElTrabajoVaALaImpresoraElegida)
{
    EstadoObra estado;
    ImpresoraQt impresora;
    pruebas::DialogosFicheroGuionizados dialogos;
    pruebas::AlmacenConfiguracionEnMemoria almacen;
    TrabajoImpresionQt trabajo(estado, impresora, dialogos, almacen);
    bool hayImpresora = true;
    int pedidos = 0;
    trabajo.HayImpresora = [&] { return hayImpresora; };
    trabajo.PideFicheroPdf = [&] {
        ++pedidos;
        return carpeta.filePath(QStringLiteral("elegida.pdf"));
    };

    estado.Printer = {"", true, 1};
    ASSERT_TRUE(trabajo.Empieza());
    EXPECT_EQ(pedidos, 1);
    EXPECT_TRUE(impresora.NombreImpresora().isEmpty());

    estado.Printer = {"Oficina", false, 3};
    hayImpresora = false;
    ASSERT_TRUE(trabajo.Empieza());
    EXPECT_EQ(pedidos, 2);

    // A cancelled save dialog starts nothing.
    trabajo.PideFicheroPdf = [&] {
        ++pedidos;
        return QString();
    };
    EXPECT_FALSE(trabajo.Empieza());
    EXPECT_EQ(pedidos, 3);
}

// With no printer the PDF's save dialog starts where the project's dialogs start, offers PDF
// documents in the interface language and keeps the folder chosen; what killed prints of the
// chosen file left beside it goes, a print under way in a live program stays.
TEST_F(PrincipalVistaTest, ElPdfEmpiezaEnLaCarpetaDeLaObra)
{
    EstadoObra estado;
    estado.ejecucion.DesplazamientoIdioma = 5000;
    ImpresoraQt impresora;
    pruebas::DialogosFicheroGuionizados dialogos;
    pruebas::AlmacenConfiguracionEnMemoria almacen;
    TrabajoImpresionQt trabajo(estado, impresora, dialogos, almacen);
    trabajo.HayImpresora = [] { return false; };

    const std::string destino = deQt(carpeta.filePath(QStringLiteral("listado")));
    // A program that has ended.
    const pid_t muerto = ::fork();
    if (muerto == 0) {
        ::_exit(0);
    }
    ASSERT_GT(muerto, 0);
    int fin = 0;
    ::waitpid(muerto, &fin, 0);
    const QString huerfano =
        carpeta.filePath(QStringLiteral(".listado.pdf.%1.tmp").arg(static_cast<qint64>(muerto)));
    const QString vivo = carpeta.filePath(
        QStringLiteral(".listado.pdf.%1.tmp").arg(QCoreApplication::applicationPid()));
    for (const QString &f : {huerfano, vivo}) {
        QFile fichero(f);
        ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
    }

    dialogos.responde(destino);
    ASSERT_TRUE(trabajo.Empieza());
    ASSERT_EQ(dialogos.mostrados().size(), 1u);
    EXPECT_EQ(dialogos.mostrados()[0].carpeta, dialogos.documentos);
    EXPECT_EQ(dialogos.mostrados()[0].filtros,
              (std::vector<FiltroFichero>{{"PDF documents (*.pdf)", "*.pdf"}}));
    EXPECT_EQ(almacen.ajuste(AplicacionAjustes, SeccionOpciones, ClaveUltimaCarpeta),
              deQt(carpeta.path()));
    EXPECT_FALSE(QFile::exists(huerfano));
    EXPECT_TRUE(QFile::exists(vivo));
    QFile::remove(vivo);

    // A project open: its folder.
    estado.obra.AbrirObraExistente = Verdadero;
    estado.obra.NombreFicheroObra = "/obras/presa.dvk";
    dialogos.responde(std::nullopt);
    EXPECT_FALSE(trabajo.Empieza());
    ASSERT_EQ(dialogos.mostrados().size(), 2u);
    EXPECT_EQ(dialogos.mostrados()[1].carpeta, "/obras");
}

TEST_F(PrincipalVistaTest, LaAyudaMuestraNuestraPagina)
{
    AyudaVista ayuda(QStringLiteral(DRAVEK_DATOS_PROGRAMA "/Dravekesp.html"), aQt(Texto(0, 1524)));
    EXPECT_TRUE(ayuda.navegador()->toPlainText().contains(QStringLiteral("Nuevo Tramo")));
}

// The whole project calculated, shown in the listing window and printed from it to a PDF file
// with no printer installed.
TEST_F(PrincipalVistaTest, ObraCalculadaEImpresaEnPdf)
{
    pruebas::PrincipalPrueba p;
    p.obra.cargada = true;
    p.estado.obra.AbrirObraExistente = Verdadero;
    p.captura.edTramo.AddItem("3");
    p.captura.edTramo.AddItem("7");
    p.obra.CargaTramo(1);

    ImpresoraQt impresora;
    SalidaListado salida(p.reloj, impresora);
    pruebas::DialogosFicheroGuionizados dialogos;
    TrabajoImpresionQt trabajo(p.estado, impresora, dialogos, p.almacen);
    const QString pdf = carpeta.filePath(QStringLiteral("obra.pdf"));
    pruebas::SinImpresoraAPdf(trabajo, pdf);
    ComandosCalculo calculo(p.estado, {p.mensajes, salida, p.depuracion, p.diseno, p.obra,
                                       p.ventanas, trabajo, p.progreso, nullptr});
    p.calculoPtr = &calculo;
    p.forma.Conecta(p.obra, p.ventanas, calculo);

    QString mostrado;
    p.ventanas.alMostrarListado = [&] {
        frEscribePantallaVista vista(calculo.listado());
        vista.show();
        auto *texto = vista.findChild<QTableView *>(QStringLiteral("edPantalla"));
        QStringList lineas;
        for (int i = 0; i < texto->model()->rowCount(); ++i) {
            lineas << texto->model()->index(i, 0).data().toString();
        }
        mostrado = lineas.join(QLatin1Char('\n'));
        EXPECT_TRUE(texto->font().fixedPitch());
        EXPECT_FALSE(vista.findChild<QRadioButton *>(QStringLiteral("rdTipoListado3"))
                         ->isVisibleTo(&vista));
        vista.findChild<QPushButton *>(QStringLiteral("btImprimeTramo"))->click();
        EXPECT_EQ(vista.result(), QDialog::Accepted);
    };
    pulsa(p.forma.menu().MnImprimir);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
    ASSERT_EQ(p.ventanas.listados.size(), 1u);
    EXPECT_EQ(mostrado, aQt(p.ventanas.listados[0]));

    QFile::copy(pdf, QStringLiteral(DRAVEK_ARTEFACTOS "/obra.pdf"));
    QFile fichero(pdf);
    ASSERT_TRUE(fichero.open(QIODevice::ReadOnly));
    // The pages the listing itself decided, as the recording printer counts them for the same
    // print.
    pruebas::PrincipalPrueba grabada;
    grabada.obra.cargada = true;
    grabada.estado.obra.AbrirObraExistente = Verdadero;
    grabada.captura.edTramo.AddItem("3");
    grabada.captura.edTramo.AddItem("7");
    grabada.obra.CargaTramo(1);
    pulsa(grabada.forma.menu().MnImprimir);
    pulsa(grabada.calculo.listado().btImprimeTramo);
    int paginas = 0;
    for (const auto &op : grabada.impresora.operaciones()) {
        paginas = std::max(paginas, op.pagina);
    }
    ASSERT_GT(paginas, 2);
    EXPECT_EQ(pruebas::CuentaPaginas(fichero.readAll()), paginas);
    // The text on paper, read back by the PDF text tool the test scripts install.
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    ASSERT_FALSE(pdftotext.isEmpty()) << "pdftotext (Debian package poppler-utils) is needed";
    QProcess extrae;
    extrae.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(extrae.waitForFinished());
    const QString impreso = QString::fromUtf8(extrae.readAllStandardOutput()).simplified();
    // Every pressure line of the screen listing is on paper too.
    int lineas = 0;
    for (const QString &linea : mostrado.split(QLatin1Char('\n'))) {
        if (linea.contains(aQt(Texto(0, 548)))) {
            ++lineas;
            EXPECT_TRUE(impreso.contains(linea.simplified())) << deQt(linea);
        }
    }
    EXPECT_EQ(lineas, 18);
}

} // namespace
} // namespace dravek::gui
