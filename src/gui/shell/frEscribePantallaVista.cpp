#include "gui/shell/frEscribePantallaVista.h"

#include "core/shell/frEscribePantalla.h"
#include "gui/comun/CopiaControles.h"
#include "gui/comun/TextoQt.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
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
    m_edPantalla->setFont(FuenteListado());

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
    Copia(m_edPantalla, m_logica.edPantalla);
    // The listing is only read, though its control is not locked.
    m_edPantalla->setReadOnly(true);
    Copia(m_frTipoListado, m_logica.frTipoListado);
    m_frTipoListado->setToolTip(aQt(m_logica.frTipoListadoToolTipText));
    for (int i = 0; i < 4; ++i) {
        Copia(m_rdTipoListado[i], m_logica.rdTipoListado, i);
    }
    Copia(m_btImprimeTramo, m_logica.btImprimeTramo);
    Copia(m_btSalir, m_logica.btSalir);
}

} // namespace dravek::gui
