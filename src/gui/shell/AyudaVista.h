#pragma once

#include <QDialog>

class QTextBrowser;

namespace dravek::gui {

// The help window: our HTML help file of the interface language, links followed inside it.
class AyudaVista : public QDialog {
    Q_OBJECT
public:
    AyudaVista(const QString &fichero, const QString &titulo, QWidget *padre = nullptr);

    QTextBrowser *navegador() const { return m_navegador; }

private:
    QTextBrowser *m_navegador;
};

} // namespace dravek::gui
