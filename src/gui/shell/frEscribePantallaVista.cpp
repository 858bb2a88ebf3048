#include "gui/shell/frEscribePantallaVista.h"

#include "core/shell/frEscribePantalla.h"
#include "gui/comun/TextoQt.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace dravek::gui {

frEscribePantallaVista::frEscribePantallaVista(frEscribePantalla &logica, QWidget *padre)
    : QDialog(padre), m_logica(logica), m_edPantalla(new QPlainTextEdit(this)),
      m_frTipoListado(new QGroupBox(this)), m_btImprimeTramo(new QPushButton(this)),
      m_btSalir(new QPushButton(this))
{
    setObjectName(QStringLiteral("frEscribePantalla"));
    m_edPantalla->setObjectName(QStringLiteral("edPantalla"));
    m_edPantalla->setReadOnly(true);
    m_edPantalla->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fuente(QStringLiteral("Courier New"));
    fuente.setStyleHint(QFont::TypeWriter);
    fuente.setFixedPitch(true);
    fuente.setPointSize(10);
    m_edPantalla->setFont(fuente);

    auto *opciones = new QHBoxLayout(m_frTipoListado);
    for (int i = 0; i < 4; ++i) {
        m_rdTipoListado[i] = new QRadioButton(m_frTipoListado);
        m_rdTipoListado[i]->setObjectName(QStringLiteral("rdTipoListado%1").arg(i));
        opciones->addWidget(m_rdTipoListado[i]);
        connect(m_rdTipoListado[i], &QRadioButton::toggled, this, [this, i](bool marcada) {
            if (marcada)
                Ejecuta([this, i] { ponValor(m_logica.rdTipoListado, i, true); });
        });
    }
    m_btImprimeTramo->setObjectName(QStringLiteral("btImprimeTramo"));
    m_btSalir->setObjectName(QStringLiteral("btSalir"));
    connect(m_btImprimeTramo, &QPushButton::clicked, this,
            [this] { Ejecuta([this] { pulsa(m_logica.btImprimeTramo); }); });
    connect(m_btSalir, &QPushButton::clicked, this,
            [this] { Ejecuta([this] { pulsa(m_logica.btSalir); }); });

    auto *abajo = new QHBoxLayout;
    abajo->addWidget(m_frTipoListado, 1);
    abajo->addWidget(m_btImprimeTramo);
    abajo->addWidget(m_btSalir);
    auto *todo = new QVBoxLayout(this);
    todo->addWidget(m_edPantalla, 1);
    todo->addLayout(abajo);
    resize(1000, 700);
    Refresca();
}

void frEscribePantallaVista::Ejecuta(const std::function<void()> &accion)
{
    accion();
    Refresca();
    if (!m_logica.Cargada())
        accept();
}

void frEscribePantallaVista::Refresca()
{
    setWindowTitle(aQt(m_logica.Caption));
    if (m_edPantalla->toPlainText() != aQt(m_logica.edPantalla.Text()))
        m_edPantalla->setPlainText(aQt(m_logica.edPantalla.Text()));
    m_frTipoListado->setTitle(aQt(m_logica.frTipoListado.Caption));
    m_frTipoListado->setToolTip(aQt(m_logica.frTipoListadoToolTipText));
    for (int i = 0; i < 4; ++i) {
        const QSignalBlocker bloqueo(m_rdTipoListado[i]);
        m_rdTipoListado[i]->setText(aQt(m_logica.rdTipoListado[i].Caption));
        m_rdTipoListado[i]->setVisible(m_logica.rdTipoListado[i].Visible);
        m_rdTipoListado[i]->setEnabled(m_logica.rdTipoListado[i].Enabled);
        m_rdTipoListado[i]->setChecked(m_logica.rdTipoListado.Value(i));
    }
    m_btImprimeTramo->setText(aQt(m_logica.btImprimeTramo.Caption));
    m_btSalir->setText(aQt(m_logica.btSalir.Caption));
}

} // namespace dravek::gui
