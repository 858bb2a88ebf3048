#include "gui/shell/FormaPrincipalVista.h"

#include "core/shell/FormaPrincipal.h"
#include "gui/comun/TextoQt.h"

#include <QLabel>
#include <QPixmap>

namespace dravek::gui {

FormaPrincipalVista::FormaPrincipalVista(const FormaPrincipal &logica, QWidget *padre)
    : QMainWindow(padre), m_logica(logica), m_logo(new QLabel(this))
{
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setBackgroundRole(QPalette::Base);
    m_logo->setAutoFillBackground(true);
    setCentralWidget(m_logo);
    Refresca();
}

void FormaPrincipalVista::Refresca()
{
    setWindowTitle(aQt(m_logica.Caption()));
    const QPixmap imagen(aQt(m_logica.Picture()));
    m_logo->setPixmap(imagen);
    if (!imagen.isNull())
        resize(imagen.size().grownBy(QMargins(40, 40, 40, 40)));
}

bool FormaPrincipalVista::TieneLogo() const
{
    return !m_logo->pixmap().isNull();
}

} // namespace dravek::gui
