#include "gui/comun/TextoRicoQt.h"

#include "core/listing/TextoRico.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace dravek::gui {
namespace {

struct Fragmento {
    QString texto;
    bool negrita;
    bool cursiva;
    bool subrayado;
    double puntos;
    QColor color; // invalid: the widget's own colour
};

// One block per paragraph and one fragment per run, each with its look; tabs and line breaks
// kept.
TEST(TextoRicoQt, DocumentoConSuAspecto)
{
    int argc = 1;
    char nombre[] = "TextoRicoQtTest";
    char *argv[] = {nombre, nullptr};
    QGuiApplication app(argc, argv);

    const std::optional<DocumentoRico> rico =
        LeeTextoRico("{\\rtf1{\\colortbl;\\red200\\green0\\blue0;}\\b\\fs28 T\\'edtulo\\b0\\par"
                     "\\fs20 a\\tab{\\i b}\\line{\\ul\\cf1 c}\\par\\par fin}");
    ASSERT_TRUE(rico.has_value());
    QTextDocument documento;
    documento.setPlainText(QStringLiteral("lo que había"));
    LlenaDocumento(documento, *rico);

    const std::vector<std::vector<Fragmento>> esperado = {
        {{QStringLiteral("Título"), true, false, false, 14, QColor()}},
        {{QStringLiteral("a\t"), false, false, false, 10, QColor()},
         {QStringLiteral("b"), false, true, false, 10, QColor()},
         {QString(QChar(QChar::LineSeparator)), false, false, false, 10, QColor()},
         {QStringLiteral("c"), false, false, true, 10, QColor(200, 0, 0)}},
        {},
        {{QStringLiteral("fin"), false, false, false, 10, QColor()}},
    };
    ASSERT_EQ(documento.blockCount(), static_cast<int>(esperado.size()));
    QTextBlock bloque = documento.firstBlock();
    for (std::size_t i = 0; i < esperado.size(); ++i, bloque = bloque.next()) {
        SCOPED_TRACE(i);
        std::size_t k = 0;
        for (auto it = bloque.begin(); !it.atEnd(); ++it, ++k) {
            ASSERT_LT(k, esperado[i].size());
            const Fragmento &f = esperado[i][k];
            const QTextCharFormat formato = it.fragment().charFormat();
            EXPECT_EQ(it.fragment().text(), f.texto);
            EXPECT_EQ(formato.fontWeight() == QFont::Bold, f.negrita);
            EXPECT_EQ(formato.fontItalic(), f.cursiva);
            EXPECT_EQ(formato.fontUnderline(), f.subrayado);
            EXPECT_DOUBLE_EQ(formato.fontPointSize(), f.puntos);
            EXPECT_EQ(formato.hasProperty(QTextFormat::ForegroundBrush), f.color.isValid());
            if (f.color.isValid()) {
                EXPECT_EQ(formato.foreground().color(), f.color);
            }
        }
        EXPECT_EQ(k, esperado[i].size());
    }
}

} // namespace
} // namespace dravek::gui
