#pragma once

#include "core/listing/TextoRico.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTextEdit;

namespace dravek {
class AlmacenConfiguracion;
class frmTip;
struct EstadoObra;
} // namespace dravek

namespace dravek::gui {

// The start-up notice: a passive view over frmTip. The check box and the button go to the
// logic's handlers; the notice is shown with its look, read-only.
class frmTipVista : public QDialog {
    Q_OBJECT
public:
    // Runs the window's Form_Load. The logic must outlive the view.
    explicit frmTipVista(frmTip &logica, QWidget *padre = nullptr);

    // Copies the logic's control state into the widgets.
    void Refresca();

private:
    void Despues();

    frmTip &m_logica;
    QLabel *m_picture1;
    QTextEdit *m_rtBox1;
    QCheckBox *m_chkLoadTipsAtStartup;
    QPushButton *m_cmdOK;
    DocumentoRico m_mostrado;
};

// Shows the notice modally over the window given: from the menu, and from the start-up timer
// once PreparaAdvertenciaInicio said so.
void MuestraAdvertencia(EstadoObra &estado, AlmacenConfiguracion &almacen, QWidget *padre);

} // namespace dravek::gui
