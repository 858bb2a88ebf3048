#include "gui/shell/frmTipVista.h"

#include "core/shell/frmTip.h"
#include "gui/comun/CopiaControles.h"
#include "gui/comun/TextoQt.h"
#include "gui/comun/TextoRicoQt.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

namespace dravek::gui {

frmTipVista::frmTipVista(frmTip &logica, QWidget *padre)
    : QDialog(padre), m_logica(logica), m_picture1(new QLabel(this)),
      m_rtBox1(new QTextEdit(this)), m_chkLoadTipsAtStartup(new QCheckBox(this)),
      m_cmdOK(new QPushButton(this))
{
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_rtBox1->setObjectName(QStringLiteral("rtBox1"));
    m_chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));

    const int lado = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    m_picture1->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(lado));
    m_picture1->setAlignment(Qt::AlignTop);
    m_rtBox1->setReadOnly(true);
    m_rtBox1->setMinimumSize(420, 240);
    m_cmdOK->setDefault(true);

    auto *arriba = new QHBoxLayout;
    arriba->addWidget(m_picture1);
    arriba->addWidget(m_rtBox1, 1);
    auto *abajo = new QHBoxLayout;
    abajo->addWidget(m_chkLoadTipsAtStartup);
    abajo->addStretch();
    abajo->addWidget(m_cmdOK);
    auto *principal = new QVBoxLayout(this);
    principal->addLayout(arriba, 1);
    principal->addLayout(abajo);

    connect(m_chkLoadTipsAtStartup, &QCheckBox::clicked, this, [this](bool marcada) {
        m_logica.cambiaFoco(m_logica.chkLoadTipsAtStartup);
        ponValor(m_logica.chkLoadTipsAtStartup,
                 marcada ? EstadoCasilla::Marcada : EstadoCasilla::Vacia);
        Despues();
    });
    connect(m_cmdOK, &QPushButton::clicked, this, [this] {
        m_logica.cambiaFoco(m_logica.cmdOK);
        pulsa(m_logica.cmdOK);
        Despues();
    });

    m_logica.Form_Load();
    Despues();
}

void frmTipVista::Despues()
{
    m_logica.cumplePeticionFoco();
    Refresca();
    if (m_logica.Foco() == &m_logica.cmdOK) {
        m_cmdOK->setFocus(Qt::OtherFocusReason);
    }
    if (m_logica.Descargada()) {
        accept();
    }
}

void frmTipVista::Refresca()
{
    setWindowTitle(aQt(m_logica.Caption));
    if (!(m_logica.Documento() == m_mostrado)) {
        m_mostrado = m_logica.Documento();
        MuestraDocumento(*m_rtBox1, m_mostrado);
    }
    Copia(m_chkLoadTipsAtStartup, m_logica.chkLoadTipsAtStartup);
    Copia(m_cmdOK, m_logica.cmdOK);
}

void MuestraAdvertencia(EstadoObra &estado, AlmacenConfiguracion &almacen, QWidget *padre)
{
    frmTip logica(estado, almacen);
    frmTipVista vista(logica, padre);
    vista.exec();
}

} // namespace dravek::gui
