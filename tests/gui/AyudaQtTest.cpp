// The help of each language as the help window shows it: Qt's rich-text reader finds in it every
// anchor that its internal links name, so each link of the help window lands.

#include "core/model/TextoRecurso.h"

#include <QApplication>
#include <QFile>
#include <QString>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>

namespace dravek {
namespace {

constexpr std::int32_t SaltoIdioma = 5000;
constexpr std::int32_t TextoFicheroAyuda = 433;

class AyudaQtTest : public ::testing::Test {
protected:
    int argc = 1;
    char nombre[12] = "AyudaQt";
    char *argv[2] = {nombre, nullptr};
    QApplication app{argc, argv};
};

TEST_F(AyudaQtTest, LaVentanaDeAyudaEncuentraCadaAnclaQueNombranSusEnlaces)
{
    for (int idioma = 1; idioma <= 5; ++idioma) {
        const std::string fichero =
            TextoRecurso((idioma - 1) * SaltoIdioma + TextoFicheroAyuda) + ".html";
        SCOPED_TRACE(fichero);
        const QString ruta =
            QString::fromUtf8(DRAVEK_DATOS_PROGRAMA "/") + QString::fromStdString(fichero);
        ASSERT_TRUE(QFile::exists(ruta));

        QTextBrowser ventana;
        ventana.setSource(QUrl::fromLocalFile(ruta));
        const QTextDocument *doc = ventana.document();
        EXPECT_FALSE(doc->toPlainText().trimmed().isEmpty());
        // The title and the accented words come through as UTF-8.
        EXPECT_TRUE(doc->metaInformation(QTextDocument::DocumentTitle)
                        .startsWith(QString::fromUtf8("DRAVEK")));
        EXPECT_TRUE(doc->toPlainText().contains(QString::fromUtf8("LUR#GM")));

        std::set<std::string> anclas;
        std::set<std::string> enlaces;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat formato = it.fragment().charFormat();
                for (const QString &ancla : formato.anchorNames()) {
                    anclas.insert(ancla.toStdString());
                }
                const QString href = formato.anchorHref();
                if (href.startsWith(QLatin1Char('#'))) {
                    enlaces.insert(href.mid(1).toStdString());
                }
            }
        }
        EXPECT_GE(enlaces.size(), 15U);
        for (const std::string &enlace : enlaces) {
            EXPECT_EQ(anclas.count(enlace), 1U) << "#" << enlace;
        }
    }
}

} // namespace
} // namespace dravek
