#include "gui/shell/frmAboutBoxVista.h"

#include "core/shell/frmAboutBox.h"
#include "gui/comun/CopiaControles.h"
#include "gui/comun/TextoQt.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace dravek::gui {

namespace {

constexpr std::int32_t TeclaEscape = 27;
constexpr std::int32_t TeclaIntro = 13;

} // namespace

std::int32_t CodigoTecla(const QKeyEvent &evento)
{
    switch (evento.key()) {
    case Qt::Key_Escape:
        return TeclaEscape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TeclaIntro;
    default:
        break;
    }
    const QString texto = evento.text();
    return texto.size() == 1 ? texto.at(0).unicode() : 0;
}

frmAboutBoxVista::frmAboutBoxVista(frmAboutBox &logica, QWidget *padre)
    : QDialog(padre), m_logica(logica), m_picIcon(new QLabel(this)),
      m_lblLabels0(new QLabel(this)), m_lblLabels1(new QLabel(this)),
      m_cmdOK(new QPushButton(this))
{
    m_picIcon->setObjectName(QStringLiteral("picIcon"));
    m_lblLabels0->setObjectName(QStringLiteral("lblLabels(0)"));
    m_lblLabels1->setObjectName(QStringLiteral("lblLabels(1)"));
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));

    const int lado = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    const QIcon icono = QApplication::windowIcon().isNull()
                            ? style()->standardIcon(QStyle::SP_ComputerIcon, nullptr, this)
                            : QApplication::windowIcon();
    m_picIcon->setPixmap(icono.pixmap(lado));
    m_picIcon->setAlignment(Qt::AlignTop);
    m_lblLabels0->setWordWrap(true);

    auto *rejilla = new QGridLayout(this);
    rejilla->addWidget(m_picIcon, 0, 0, 2, 1);
    rejilla->addWidget(m_lblLabels0, 0, 1);
    rejilla->addWidget(m_lblLabels1, 1, 1);
    rejilla->addWidget(m_cmdOK, 2, 1, Qt::AlignRight);
    rejilla->setColumnStretch(1, 1);
    setMinimumWidth(380);

    m_cmdOK->setDefault(true);
    m_cmdOK->installEventFilter(this);
    connect(m_cmdOK, &QPushButton::clicked, this, [this] {
        pulsa(m_logica.cmdOK);
        Despues();
    });

    m_logica.Form_Load();
    Despues();
}

bool frmAboutBoxVista::eventFilter(QObject *objeto, QEvent *evento)
{
    // Every key that types a character closes the box from its button too, Space and Enter
    // included, before the button takes them as a click.
    if (objeto == m_cmdOK && evento->type() == QEvent::KeyPress) {
        const std::int32_t codigo = CodigoTecla(*static_cast<QKeyEvent *>(evento));
        if (codigo != 0) {
            pulsaTecla(m_logica.cmdOK, codigo);
            Despues();
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmAboutBoxVista::keyPressEvent(QKeyEvent *evento)
{
    std::int32_t codigo = CodigoTecla(*evento);
    if (codigo == 0) {
        QDialog::keyPressEvent(evento);
        return;
    }
    m_logica.Form_KeyPress(codigo);
    Despues();
}

void frmAboutBoxVista::Despues()
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

void frmAboutBoxVista::Refresca()
{
    setWindowTitle(aQt(m_logica.Caption));
    Copia(m_lblLabels0, m_logica.lblLabels(0));
    Copia(m_lblLabels1, m_logica.lblLabels(1));
    Copia(m_cmdOK, m_logica.cmdOK);
}

void MuestraAcercaDe(const EstadoObra &estado, QWidget *padre)
{
    frmAboutBox logica(estado);
    frmAboutBoxVista vista(logica, padre);
    vista.exec();
}

} // namespace dravek::gui
