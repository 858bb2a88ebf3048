#pragma once

#include <QDialog>

#include <functional>

class QPlainTextEdit;
class QGroupBox;
class QRadioButton;
class QPushButton;

namespace dravek {
class frEscribePantalla;
}

namespace dravek::gui {

// The listing window: the listing in a monospaced box, the printed listing kind and the print
// and close buttons; it closes when the logic unloads it.
class frEscribePantallaVista : public QDialog {
    Q_OBJECT
public:
    explicit frEscribePantallaVista(frEscribePantalla &logica, QWidget *padre = nullptr);

    void Refresca();

private:
    void Ejecuta(const std::function<void()> &accion);

    frEscribePantalla &m_logica;
    QPlainTextEdit *m_edPantalla;
    QGroupBox *m_frTipoListado;
    QRadioButton *m_rdTipoListado[4];
    QPushButton *m_btImprimeTramo;
    QPushButton *m_btSalir;
};

} // namespace dravek::gui
