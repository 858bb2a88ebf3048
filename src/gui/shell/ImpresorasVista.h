#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace dravek {
class Impresoras;
class Mensajes;
class ServicioImpresoras;
struct EstadoObra;
} // namespace dravek

namespace dravek::gui {

class FiltroFoco;

// The printer choice: a passive view over Impresoras. Choosing a printer, typing the copies,
// the spin button's arrows and the button go to the logic's handlers, focus moves through the
// copies box's leave check; the logic's state is copied back with the signals blocked.
class ImpresorasVista : public QDialog {
    Q_OBJECT
public:
    // Runs the window's Form_Load. The logic must outlive the view.
    explicit ImpresorasVista(Impresoras &logica, QWidget *padre = nullptr);

    void Refresca();

private:
    // After every forwarded action: the focus the logic asked for, the state, the selection it
    // sent, and closing when it unloaded.
    void Despues();

    Impresoras &m_logica;
    FiltroFoco *m_filtro;
    QListWidget *m_ListaImpresoras;
    QLabel *m_lbCopias;
    QLineEdit *m_tbCopias;
    QToolButton *m_spCopiasArriba;
    QToolButton *m_spCopiasAbajo;
    QPushButton *m_btAceptar;
};

// Shows the printer choice modally over the window given (the menu's command). The choice is
// left in estado.Printer.
void MuestraImpresoras(EstadoObra &estado, Mensajes &mensajes, ServicioImpresoras &servicio,
                       QWidget *padre);

} // namespace dravek::gui
