#pragma once

#include <QDialog>
#include <QHash>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace dravek {
class CajaTexto;
class CalculoHidraulico;
class Control;
} // namespace dravek

namespace dravek::gui {

class FiltroFoco;

// The hydraulic calculator window. Passive: the engineer's focus moves, keys, edits and clicks
// go to the logic's handlers, and the logic's control state is copied back with the widgets'
// signals blocked. Widgets are named as the controls they show.
class CalculoHidraulicoVista : public QDialog {
    Q_OBJECT
public:
    // Loads the window (Form_Load); the logic must outlive the view.
    explicit CalculoHidraulicoVista(CalculoHidraulico &logica, QWidget *padre = nullptr);

    // Copies the logic's control state into the widgets, then carries out its focus and
    // selection requests.
    void Refresca();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // After every forwarded action: the focus the logic asked for, the state, and closing when
    // the logic unloaded.
    void Despues();
    void Observa(QWidget *widget, Control &control);
    void EnfocaControl();
    void ClickOpcion(int grupo, int indice);

    CalculoHidraulico &m_logica;
    // Focus moves through the leave checks of the fields; actions one at a time.
    FiltroFoco *m_filtro;
    QHash<QWidget *, Control *> m_controles;

    QGroupBox *m_frTipoCalculo;
    QRadioButton *m_rdTipoCalculo[3];
    QGroupBox *m_frRugosidad;
    QLabel *m_lbRugosidad;
    QLineEdit *m_txRugosidad;
    QLabel *m_lbOmision;
    QPlainTextEdit *m_lbTextoAyuda;
    QGroupBox *m_frTipoDato;
    QRadioButton *m_rdTipoDato[2];
    QLabel *m_lbDatorigen;
    QLineEdit *m_txDatoOrigen;
    QPlainTextEdit *m_edPantallaCh;
    QPushButton *m_btCalculoHidraulico;
    QPushButton *m_btImprimeCh;
    QPushButton *m_btCerrarHidraulico;
};

} // namespace dravek::gui
