#include "gui/shell/AyudaVista.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace dravek::gui {

AyudaVista::AyudaVista(const QString &fichero, const QString &titulo, QWidget *padre)
    : QDialog(padre), m_navegador(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("Ayuda"));
    setWindowTitle(titulo);
    m_navegador->setOpenExternalLinks(false);
    m_navegador->setSource(QUrl::fromLocalFile(fichero));
    auto *todo = new QVBoxLayout(this);
    todo->addWidget(m_navegador);
    resize(760, 600);
}

} // namespace dravek::gui
