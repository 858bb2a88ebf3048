// Where the file dialogs start when neither a project nor a last folder says: the user's
// documents folder, or the home folder on a desktop that has none.

#include "gui/plataforma/DialogosFicheroQt.h"

#include "gui/comun/TextoQt.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace dravek::gui {
namespace {

// The user's folders of a home made for the test, restored after it.
class CasaDePrueba {
public:
    explicit CasaDePrueba(const QString &casa)
        : m_home(qgetenv("HOME")), m_config(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("HOME", casa.toUtf8());
        // No user-dirs file: the documents folder is the home's "Documents".
        qputenv("XDG_CONFIG_HOME", (casa + QStringLiteral("/.config")).toUtf8());
    }
    ~CasaDePrueba()
    {
        qputenv("HOME", m_home);
        qputenv("XDG_CONFIG_HOME", m_config);
    }
    CasaDePrueba(const CasaDePrueba &) = delete;
    CasaDePrueba &operator=(const CasaDePrueba &) = delete;

private:
    QByteArray m_home;
    QByteArray m_config;
};

TEST(DialogosFicheroQt, SinCarpetaDeDocumentosEmpiezaEnLaCasa)
{
    QTemporaryDir casa;
    ASSERT_TRUE(casa.isValid());
    const CasaDePrueba entorno(casa.path());
    DialogosFicheroQt dialogos(nullptr);

    // A folder that does not exist would be offered as the file's name.
    EXPECT_EQ(dialogos.CarpetaDocumentos(), deQt(QDir(casa.path()).absolutePath()));

    ASSERT_TRUE(QDir(casa.path()).mkdir(QStringLiteral("Documents")));
    EXPECT_EQ(dialogos.CarpetaDocumentos(), deQt(casa.filePath(QStringLiteral("Documents"))));
}

} // namespace
} // namespace dravek::gui
