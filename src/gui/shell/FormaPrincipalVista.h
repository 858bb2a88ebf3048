#pragma once

#include <QMainWindow>

class QLabel;

namespace dravek {
class FormaPrincipal;
}

namespace dravek::gui {

// The main window: caption and logo come from the core's FormaPrincipal.
class FormaPrincipalVista : public QMainWindow {
    Q_OBJECT
public:
    explicit FormaPrincipalVista(const FormaPrincipal &logica, QWidget *padre = nullptr);

    // Copies the logic's control state into the widgets.
    void Refresca();
    bool TieneLogo() const;

private:
    const FormaPrincipal &m_logica;
    QLabel *m_logo;
};

} // namespace dravek::gui
