#pragma once

#include "core/shell/IndiceLineas.h"

#include <QDialog>

#include <functional>

class QTableView;
class QGroupBox;
class QRadioButton;
class QPushButton;

namespace dravek {
class frEscribePantalla;
}

namespace dravek::gui {

class ModeloLineas;

// The listing window: the listing in a monospaced box, the printed listing kind and the print
// and close buttons; it closes when the logic unloads it. The listing, tens of megabytes for a
// large run, is shown by a view of its lines, one column of rows of fixed height, that lays
// out and draws only those on screen.
class frEscribePantallaVista : public QDialog {
    Q_OBJECT
public:
    explicit frEscribePantallaVista(frEscribePantalla &logica, QWidget *padre = nullptr);

    void Refresca();

private:
    void Ejecuta(const std::function<void()> &accion);
    void CopiaListado();
    // The selected lines to the clipboard, in the listing's order.
    void CopiaSeleccion();

    frEscribePantalla &m_logica;
    ModeloLineas *m_lineas;
    // The index of a listing text written without one.
    IndiceLineas m_indicePropio;
    QTableView *m_edPantalla;
    QGroupBox *m_frTipoListado;
    QRadioButton *m_rdTipoListado[4];
    QPushButton *m_btImprimeTramo;
    QPushButton *m_btSalir;
};

} // namespace dravek::gui
