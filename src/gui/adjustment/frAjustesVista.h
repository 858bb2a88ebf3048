#pragma once

#include <QDialog>

#include <array>
#include <utility>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace dravek {
class Boton;
class CajaTexto;
class frAjustes;
} // namespace dravek

namespace dravek::gui {

class FiltroFoco;

// The reinforcement adjustment window. Passive: the engineer's focus moves, edits and clicks go
// to the logic's handlers, and the logic's control state is copied back with the widgets'
// signals blocked. Widgets are named as the controls they show; the buttons show pictures of
// the style with the logic's tooltips. Closing it through its frame is the logic's to decide.
class frAjustesVista : public QDialog {
    Q_OBJECT
public:
    // The logic is already loaded (Form_Load) and must outlive the view.
    explicit frAjustesVista(frAjustes &logica, QWidget *padre = nullptr);

    void Refresca();

public slots:
    void reject() override;

private:
    void Despues();
    QLineEdit *NuevaCaja(CajaTexto &caja, QWidget *padre, bool escribible);
    QPushButton *NuevoBoton(Boton &boton, int icono, QWidget *padre);
    void ClickOpcion(int indice);
    void EnfocaControl();

    frAjustes &m_logica;
    FiltroFoco *m_filtro;
    std::vector<std::pair<QLineEdit *, CajaTexto *>> m_cajas;
    std::vector<std::pair<QPushButton *, Boton *>> m_botones;

    QGroupBox *m_Frame3;
    QLabel *m_Label1;
    QGroupBox *m_Frame2;
    QLabel *m_Label2;
    QGroupBox *m_frArmDisponibles;
    std::array<QLabel *, 4> m_cabeceras{};
    std::array<QRadioButton *, 9> m_obSeleccion{};
    QGroupBox *m_Frame1;
    std::array<QLabel *, 3> m_lbPosicion{};
    std::array<QLabel *, 3> m_imAlerta{};
    QLabel *m_lbDispuesta;
    QLabel *m_lbNecesaria;
    QGroupBox *m_frrecubrimientos;
    QLabel *m_lbInterior;
    QLabel *m_lbExterior;
    QTextEdit *m_tbAviso;
    QPlainTextEdit *m_edAvisoCaldera;
};

} // namespace dravek::gui
