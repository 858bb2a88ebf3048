#pragma once

#include <QDialog>

#include <cstdint>

class QKeyEvent;
class QLabel;
class QPushButton;

namespace dravek {
class frmAboutBox;
struct EstadoObra;
} // namespace dravek

namespace dravek::gui {

// The about box: a passive view over frmAboutBox. A click on the button or any character key
// goes to the logic, which closes the box.
class frmAboutBoxVista : public QDialog {
    Q_OBJECT
public:
    // Runs the window's Form_Load. The logic must outlive the view.
    explicit frmAboutBoxVista(frmAboutBox &logica, QWidget *padre = nullptr);

    void Refresca();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;

private:
    void Despues();

    frmAboutBox &m_logica;
    QLabel *m_picIcon;
    QLabel *m_lblLabels0;
    QLabel *m_lblLabels1;
    QPushButton *m_cmdOK;
};

// The key code the old window system gave a key press: its character, Escape 27, Enter 13; 0
// for a key that types none (Shift, an arrow).
std::int32_t CodigoTecla(const QKeyEvent &evento);

// Shows the about box modally over the window given (the menu's command).
void MuestraAcercaDe(const EstadoObra &estado, QWidget *padre);

} // namespace dravek::gui
