#pragma once

#include "core/listing/TextoRico.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

namespace dravek {
class Control;
class Protecciones;
} // namespace dravek

namespace dravek::gui {

class FiltroFoco;

// The protection adviser: a passive view over Protecciones. It forwards loading, typing, focus
// moves, the check box and the buttons to the logic's handlers, then copies the logic's state
// back into the widgets with their signals blocked. It closes when the logic unloads.
class ProteccionesVista : public QDialog {
    Q_OBJECT
public:
    // Runs the window's Form_Load. The logic must outlive the view.
    explicit ProteccionesVista(Protecciones &logica, QWidget *padre = nullptr);

    // Copies the logic's control state into the widgets.
    void Refresca();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    // After every forwarded action: the focus the logic asked for, the state, the selection
    // the logic sent, and closing when it unloaded.
    void Despues();
    void Pulsa(QPushButton *boton);

    Protecciones &m_logica;
    // Focus moves through the leave checks of the boxes.
    FiltroFoco *m_filtro;
    QGroupBox *m_frame1;
    QGroupBox *m_frame2;
    QGroupBox *m_frame3;
    QGroupBox *m_frame4;
    QGroupBox *m_frame5;
    QTextEdit *m_lbNota;
    DocumentoRico m_notaMostrada;
    std::array<QLineEdit *, 9> m_txpH{};
    std::array<QLabel *, 9> m_lbAguas{};
    std::array<QLabel *, 9> m_lbUnidadesAgres{};
    QCheckBox *m_check1;
    QPlainTextEdit *m_edResultadoAgres;
    QPushButton *m_btCalculoAgres;
    QPushButton *m_btImprimeAgres;
    QPushButton *m_btCerrarAgres;
};

} // namespace dravek::gui
