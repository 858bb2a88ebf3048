#include "gui/comun/TextoRicoQt.h"

#include "core/listing/TextoRico.h"
#include "gui/comun/TextoQt.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace dravek::gui {

void LlenaDocumento(QTextDocument &documento, const DocumentoRico &rico)
{
    documento.clear();
    QTextCursor cursor(&documento);
    bool primero = true;
    for (const ParrafoTexto &parrafo : rico.parrafos) {
        if (!primero) {
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        }
        primero = false;
        for (const TramoTexto &tramo : parrafo.tramos) {
            const AtributosTexto &a = tramo.atributos;
            QTextCharFormat formato;
            formato.setFontWeight(a.negrita ? QFont::Bold : QFont::Normal);
            formato.setFontItalic(a.cursiva);
            formato.setFontUnderline(a.subrayado);
            formato.setFontPointSize(a.puntos);
            if (a.color != ColorPredeterminado) {
                formato.setForeground(
                    QColor((a.color >> 16) & 0xFF, (a.color >> 8) & 0xFF, a.color & 0xFF));
            }
            QString texto = aQt(tramo.texto);
            texto.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
            cursor.insertText(texto, formato);
        }
    }
}

void MuestraDocumento(QTextEdit &caja, const DocumentoRico &rico)
{
    LlenaDocumento(*caja.document(), rico);
    caja.moveCursor(QTextCursor::Start);
    caja.ensureCursorVisible();
}

} // namespace dravek::gui
