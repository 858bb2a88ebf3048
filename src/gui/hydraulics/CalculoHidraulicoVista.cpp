#include "gui/hydraulics/CalculoHidraulicoVista.h"

#include "core/hydraulics/CalculoHidraulico.h"
#include "gui/comun/CopiaControles.h"
#include "gui/comun/FiltroFoco.h"
#include "gui/comun/TextoQt.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace dravek::gui {

namespace {

QPushButton *NuevoBoton(const char *nombre, QWidget *padre)
{
    QPushButton *boton = gui::NuevoBoton(padre);
    boton->setObjectName(QString::fromLatin1(nombre));
    return boton;
}

} // namespace

CalculoHidraulicoVista::CalculoHidraulicoVista(CalculoHidraulico &logica, QWidget *padre)
    : QDialog(padre), m_logica(logica), m_filtro(new FiltroFoco(
                                            logica, [this] { Despues(); }, this))
{
    m_frTipoCalculo = new QGroupBox(this);
    auto *formulas = new QVBoxLayout(m_frTipoCalculo);
    for (int i = 0; i < 3; ++i) {
        m_rdTipoCalculo[i] = new QRadioButton(m_frTipoCalculo);
        m_rdTipoCalculo[i]->setObjectName(QStringLiteral("rdTipoCalculo(%1)").arg(i));
        formulas->addWidget(m_rdTipoCalculo[i]);
        Observa(m_rdTipoCalculo[i], m_logica.rdTipoCalculo);
        connect(m_rdTipoCalculo[i], &QRadioButton::clicked, this,
                [this, i] { ClickOpcion(0, i); });
    }

    m_frRugosidad = new QGroupBox(this);
    auto *rugosidad = new QGridLayout(m_frRugosidad);
    m_lbRugosidad = new QLabel(m_frRugosidad);
    m_txRugosidad = new QLineEdit(m_frRugosidad);
    m_txRugosidad->setObjectName(QStringLiteral("txRugosidad"));
    m_lbOmision = new QLabel(m_frRugosidad);
    m_lbTextoAyuda = new QPlainTextEdit(m_frRugosidad);
    m_lbTextoAyuda->setObjectName(QStringLiteral("lbTextoAyuda"));
    m_lbTextoAyuda->setFocusPolicy(Qt::NoFocus);
    rugosidad->addWidget(m_lbRugosidad, 0, 0, 1, 2);
    rugosidad->addWidget(m_txRugosidad, 1, 0);
    rugosidad->addWidget(m_lbOmision, 1, 1);
    rugosidad->addWidget(m_lbTextoAyuda, 0, 2, 3, 1);
    rugosidad->setColumnStretch(2, 1);
    Observa(m_txRugosidad, m_logica.txRugosidad);
    m_filtro->SeleccionaAlEntrar(m_txRugosidad);

    m_frTipoDato = new QGroupBox(this);
    auto *datos = new QVBoxLayout(m_frTipoDato);
    for (int i = 0; i < 2; ++i) {
        m_rdTipoDato[i] = new QRadioButton(m_frTipoDato);
        m_rdTipoDato[i]->setObjectName(QStringLiteral("rdTipoDato(%1)").arg(i));
        datos->addWidget(m_rdTipoDato[i]);
        Observa(m_rdTipoDato[i], m_logica.rdTipoDato);
        connect(m_rdTipoDato[i], &QRadioButton::clicked, this, [this, i] { ClickOpcion(1, i); });
    }
    m_lbDatorigen = new QLabel(m_frTipoDato);
    m_txDatoOrigen = new QLineEdit(m_frTipoDato);
    m_txDatoOrigen->setObjectName(QStringLiteral("txDatoOrigen"));
    datos->addWidget(m_lbDatorigen);
    datos->addWidget(m_txDatoOrigen);
    Observa(m_txDatoOrigen, m_logica.txDatoOrigen);
    m_filtro->SeleccionaAlEntrar(m_txDatoOrigen);

    m_btCalculoHidraulico = NuevoBoton("btCalculoHidraulico", this);
    m_btImprimeCh = NuevoBoton("btImprimeCh", this);
    m_btCerrarHidraulico = NuevoBoton("btCerrarHidraulico", this);
    const std::pair<QPushButton *, Boton *> botones[] = {
        {m_btCalculoHidraulico, &m_logica.btCalculoHidraulico},
        {m_btImprimeCh, &m_logica.btImprimeCh},
        {m_btCerrarHidraulico, &m_logica.btCerrarHidraulico},
    };
    auto *filaBotones = new QHBoxLayout;
    for (const auto &boton : botones) {
        // Named apart, not bound as a pair: clang 14, which checks the tree, cannot capture a
        // structured binding in the lambda below.
        QPushButton *widget = boton.first;
        Boton *control = boton.second;
        filaBotones->addWidget(widget);
        Observa(widget, *control);
        connect(widget, &QPushButton::clicked, this, [this, control] {
            // A click whose focus move the leave check refused does not press the button.
            if (m_filtro->Acepta(*control)) {
                m_filtro->Ejecuta([control] { pulsa(*control); });
            }
        });
    }

    m_edPantallaCh = new QPlainTextEdit(this);
    m_edPantallaCh->setObjectName(QStringLiteral("edPantallaCh"));
    m_edPantallaCh->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edPantallaCh->setFont(FuenteListado());
    m_edPantallaCh->setFocusPolicy(Qt::ClickFocus);

    auto *rejilla = new QGridLayout(this);
    rejilla->addWidget(m_frTipoCalculo, 0, 0);
    rejilla->addWidget(m_frRugosidad, 0, 1);
    rejilla->addWidget(m_frTipoDato, 1, 0);
    rejilla->addLayout(filaBotones, 1, 1);
    rejilla->addWidget(m_edPantallaCh, 2, 0, 1, 2);
    rejilla->setRowStretch(2, 1);
    rejilla->setColumnStretch(1, 1);
    resize(820, 640);

    for (QLineEdit *campo : {m_txRugosidad, m_txDatoOrigen}) {
        CajaTexto *caja = static_cast<CajaTexto *>(m_controles.value(campo));
        connect(campo, &QLineEdit::textEdited, this, [this, caja](const QString &texto) {
            m_filtro->Ejecuta([caja, &texto] { ponTexto(*caja, deQt(texto)); });
        });
    }

    m_filtro->Ejecuta([this] { m_logica.Form_Load(); });
}

void CalculoHidraulicoVista::Observa(QWidget *widget, Control &control)
{
    m_controles.insert(widget, &control);
    m_filtro->Observa(widget, control);
    // The keys typed go through the field's own filter.
    widget->installEventFilter(this);
}

void CalculoHidraulicoVista::Despues()
{
    m_logica.cumplePeticionFoco();
    Refresca();
    if (m_logica.Descargada()) {
        accept();
    }
}

void CalculoHidraulicoVista::ClickOpcion(int grupo, int indice)
{
    GrupoOpciones &opciones = grupo == 0 ? m_logica.rdTipoCalculo : m_logica.rdTipoDato;
    if (m_filtro->Acepta(opciones)) {
        m_filtro->Ejecuta([&opciones, indice] { ponValor(opciones, indice, true); });
    }
}

bool CalculoHidraulicoVista::eventFilter(QObject *objeto, QEvent *evento)
{
    auto *widget = qobject_cast<QWidget *>(objeto);
    Control *control = m_controles.value(widget);
    if (control == nullptr) {
        return QDialog::eventFilter(objeto, evento);
    }
    auto *campo = qobject_cast<QLineEdit *>(widget);
    auto *caja = dynamic_cast<ControlTexto *>(control);
    if (evento->type() == QEvent::KeyPress && campo != nullptr && caja != nullptr &&
        m_filtro->TecleaEnCaja(*caja, *campo, *static_cast<QKeyEvent *>(evento))) {
        return true;
    }
    return QDialog::eventFilter(objeto, evento);
}

void CalculoHidraulicoVista::Refresca()
{
    setWindowTitle(aQt(m_logica.Caption));
    Copia(m_frTipoCalculo, m_logica.frTipoCalculo);
    for (int i = 0; i < m_logica.rdTipoCalculo.Count(); ++i) {
        Copia(m_rdTipoCalculo[i], m_logica.rdTipoCalculo, i);
    }
    Copia(m_frRugosidad, m_logica.frRugosidad);
    Copia(m_lbRugosidad, m_logica.lbRugosidad);
    Copia(m_txRugosidad, m_logica.txRugosidad);
    Copia(m_lbOmision, m_logica.lbOmision);
    Copia(m_lbTextoAyuda, m_logica.lbTextoAyuda);
    Copia(m_frTipoDato, m_logica.frTipoDato);
    for (int i = 0; i < m_logica.rdTipoDato.Count(); ++i) {
        Copia(m_rdTipoDato[i], m_logica.rdTipoDato, i);
    }
    Copia(m_lbDatorigen, m_logica.lbDatorigen);
    Copia(m_txDatoOrigen, m_logica.txDatoOrigen);
    Copia(m_edPantallaCh, m_logica.edPantallaCh);
    Copia(m_btCalculoHidraulico, m_logica.btCalculoHidraulico);
    Copia(m_btImprimeCh, m_logica.btImprimeCh);
    Copia(m_btCerrarHidraulico, m_logica.btCerrarHidraulico);
    EnfocaControl();

    // Shift+End: the text from the caret to the end.
    if (CajaTexto *caja = m_logica.SeleccionPendiente()) {
        QLineEdit *campo = caja == &m_logica.txDatoOrigen ? m_txDatoOrigen : m_txRugosidad;
        const int desde = campo->cursorPosition();
        campo->setSelection(desde, static_cast<int>(campo->text().size()) - desde);
        m_logica.OlvidaSeleccion();
    }
}

void CalculoHidraulicoVista::EnfocaControl()
{
    const Control *foco = m_logica.Foco();
    if (foco == nullptr) {
        return;
    }
    QWidget *destino = nullptr;
    for (auto it = m_controles.cbegin(); it != m_controles.cend(); ++it) {
        if (it.value() == foco && (destino == nullptr || it.key()->hasFocus())) {
            destino = it.key();
        }
    }
    // An option array has one focus: the selected option's button takes it.
    if (foco == &m_logica.rdTipoCalculo || foco == &m_logica.rdTipoDato) {
        const auto &grupo = static_cast<const GrupoOpciones &>(*foco);
        QRadioButton *const *botones =
            foco == &m_logica.rdTipoCalculo ? m_rdTipoCalculo : m_rdTipoDato;
        const int i = grupo.Seleccionada();
        if (i >= 0 && !(destino != nullptr && destino->hasFocus())) {
            destino = botones[i];
        }
    }
    if (destino != nullptr) {
        m_filtro->Enfoca(destino);
    }
}

} // namespace dravek::gui
