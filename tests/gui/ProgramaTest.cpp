// The program as its main wires it (Programa), driven on the offscreen platform through its
// menus and its real dialogs: a stored project opened, one run calculated into the listing
// window, the project closed. Only this test and the start-up benchmark build that wiring, so a
// collaborator it leaves unwired shows here: no lock on the open project, no debug file, no
// listing.

#include "app/Programa.h"

#include "core/listing/Depuracion.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/CerrojosFicheroQt.h"
#include "gui/shell/FormaPrincipalVista.h"
#include "gui/shell/frmTipVista.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace dravek::gui {
namespace {

// The settings and the engineer's data folder of the program under test, under a folder of
// its own: the engineer's are never touched. Set before the application object exists.
bool PonCarpetasPropias(const QTemporaryDir &carpeta)
{
    const QByteArray raiz = carpeta.path().toUtf8();
    return carpeta.isValid() &&
           setenv("XDG_CONFIG_HOME", (raiz + "/config").constData(), 1) == 0 &&
           setenv("XDG_DATA_HOME", (raiz + "/datos").constData(), 1) == 0;
}

// Answers the modal windows the program opens, as an engineer would, and records them: the
// project file chosen in the file dialog, the listing window read and closed, the start-up
// notice closed, a question answered Yes, any other window (a message box) recorded by its text
// and closed.
class Ingeniero : public QObject {
public:
    explicit Ingeniero(QString obra) : m_obra(std::move(obra))
    {
        connect(&m_reloj, &QTimer::timeout, this, [this] { Atiende(); });
        m_reloj.start(20);
    }

    QStringList preguntas; // the questions answered Yes
    QStringList otras;     // the other windows that showed
    QStringList listados;  // the text of the listing window each time it showed
    int ficherosPedidos = 0;

private:
    void Atiende()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == nullptr || qobject_cast<QProgressDialog *>(modal) != nullptr) {
            return;
        }
        if (auto *dialogo = qobject_cast<QFileDialog *>(modal)) {
            // A busy machine may leave the dialog open past the accept, until it has read its
            // folder: it is still the one request.
            if (dialogo != m_dialogo) {
                ++ficherosPedidos;
                m_dialogo = dialogo;
            }
            dialogo->selectFile(m_obra);
            static_cast<QDialog *>(dialogo)->accept();
        } else if (modal->objectName() == QStringLiteral("frEscribePantalla")) {
            // The listing's lines, as the window's view holds them.
            auto *vista = modal->findChild<QAbstractItemView *>(QStringLiteral("edPantalla"));
            QString texto;
            for (int fila = 0; vista != nullptr && fila < vista->model()->rowCount(); ++fila) {
                texto += vista->model()->index(fila, 0).data().toString() + u'\n';
            }
            listados << texto;
            modal->close();
        } else if (dynamic_cast<frmTipVista *>(modal) != nullptr) {
            modal->close();
        } else if (auto *caja = qobject_cast<QMessageBox *>(modal)) {
            if (QAbstractButton *si = caja->button(QMessageBox::Yes)) {
                preguntas << caja->text();
                si->click();
            } else {
                otras << caja->text();
                caja->reject();
            }
        } else if (auto *otra = qobject_cast<QDialog *>(modal)) {
            otras << otra->objectName();
            otra->reject();
        }
    }

    QString m_obra;
    QPointer<QFileDialog> m_dialogo; // the file dialog last answered
    QTimer m_reloj;
};

class ProgramaTest : public ::testing::Test {
protected:
    QTemporaryDir carpeta;
    bool carpetasPropias = PonCarpetasPropias(carpeta);
    int argc = 1;
    char nombre[16] = "ProgramaTest";
    char *argv[2] = {nombre, nullptr};
    QApplication app{argc, argv};
};

TEST_F(ProgramaTest, AbreCalculaYCierraUnaObra)
{
    ASSERT_TRUE(carpetasPropias);
    QApplication::setApplicationName(QStringLiteral("DRAVEK"));
    QApplication::setOrganizationName(QStringLiteral("DRAVEK"));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    const QString obra = carpeta.filePath(QStringLiteral("presa.dvk"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(DRAVEK_FIJOS_OBRA "/obra_coma.dvk"), obra));
    const QString cerrojo = CerrojosFicheroQt::FicheroCerrojo(deQt(obra));
    const QString depuracion = carpeta.filePath(QStringLiteral("datos/DRAVEK/DRAVEK/")) +
                               aQt(std::string(NombreFicheroDepuracion));

    Programa programa;
    ASSERT_TRUE(programa.Arranca(DRAVEK_DATOS_PROGRAMA "/"));
    auto *principal = dynamic_cast<FormaPrincipalVista *>(programa.VentanaPrincipal());
    ASSERT_NE(principal, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(principal));
    Ingeniero ingeniero(obra);

    // Opened through the file dialog, and held against another copy of the program.
    principal->Accion(QStringLiteral("MnAbriFichero"))->trigger();
    EXPECT_EQ(ingeniero.ficherosPedidos, 1);
    const QPointer<QComboBox> tramos =
        principal->findChild<QComboBox *>(QStringLiteral("edTramo"));
    ASSERT_NE(tramos, nullptr);
    ASSERT_GT(tramos->count(), 0);
    EXPECT_TRUE(QFile::exists(cerrojo));
    EXPECT_FALSE(principal->Accion(QStringLiteral("MnAbriFichero"))->isEnabled());

    // The first run typed into the run box, which is then left, and calculated: the listing
    // window shows its cases, and the debug file is written.
    ASSERT_TRUE(QTest::qWaitForWindowActive(principal));
    QTest::mouseClick(tramos->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(tramos->lineEdit(), tramos->itemText(0));
    QTest::keyClick(tramos->lineEdit(), Qt::Key_Tab);
    QApplication::processEvents();
    ASSERT_TRUE(principal->Accion(QStringLiteral("mnCalculaTramo"))->isEnabled());
    principal->Accion(QStringLiteral("mnCalculaTramo"))->trigger();
    // The run's steel design stress is above the usual one: the calculation asks once whether
    // to go on.
    EXPECT_EQ(ingeniero.preguntas.size(), 1);
    ASSERT_EQ(ingeniero.listados.size(), 1);
    EXPECT_FALSE(ingeniero.listados[0].trimmed().isEmpty());
    QFile fichero(depuracion);
    ASSERT_TRUE(fichero.open(QIODevice::ReadOnly)) << depuracion.toStdString();
    EXPECT_GT(fichero.size(), 0);

    // Closed: the lock goes with it, and another project may be opened.
    principal->Accion(QStringLiteral("mnCerrarObra"))->trigger();
    EXPECT_TRUE(tramos.isNull() || !tramos->isVisible());
    EXPECT_FALSE(QFile::exists(cerrojo));
    EXPECT_TRUE(principal->Accion(QStringLiteral("MnAbriFichero"))->isEnabled());
    EXPECT_TRUE(ingeniero.otras.isEmpty())
        << ingeniero.otras.join(QStringLiteral(" | ")).toStdString();
}

} // namespace
} // namespace dravek::gui
