#include "gui/protection/ProteccionesVista.h"

#include "core/protection/Protecciones.h"
#include "gui/comun/CopiaControles.h"
#include "gui/comun/FiltroFoco.h"
#include "gui/comun/TextoQt.h"
#include "gui/comun/TextoRicoQt.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace dravek::gui {

namespace {

constexpr std::int32_t TeclaRetroceso = 8;
// Characters of the report box's width.
constexpr int ColumnasInforme = 64;

} // namespace

ProteccionesVista::ProteccionesVista(Protecciones &logica, QWidget *padre)
    : QDialog(padre), m_logica(logica), m_filtro(new FiltroFoco(
                                            logica, [this] { Despues(); }, this)),
      m_frame1(new QGroupBox(this)), m_frame2(new QGroupBox(m_frame1)),
      m_frame3(new QGroupBox(m_frame1)), m_frame4(new QGroupBox(m_frame1)),
      m_frame5(new QGroupBox(m_frame1)), m_lbNota(new QTextEdit(m_frame2)),
      m_check1(new QCheckBox(m_frame3)), m_edResultadoAgres(new QPlainTextEdit(m_frame1)),
      m_btCalculoAgres(new QPushButton(this)), m_btImprimeAgres(new QPushButton(this)),
      m_btCerrarAgres(new QPushButton(this))
{
    // Inputs by frame, in the order they are shown.
    const std::array<std::pair<QGroupBox *, std::vector<int>>, 4> marcos = {{
        {m_frame2, {0, 1, 2, 3, 4, 8}},
        {m_frame3, {5}},
        {m_frame4, {6}},
        {m_frame5, {7}},
    }};
    auto *columna = new QVBoxLayout;
    for (const auto &[marco, elementos] : marcos) {
        auto *rejilla = new QGridLayout(marco);
        int fila = 0;
        if (marco == m_frame2) {
            rejilla->addWidget(m_lbNota, fila++, 0, 1, 3);
        }
        for (const int i : elementos) {
            const auto k = static_cast<std::size_t>(i);
            m_lbAguas[k] = new QLabel(marco);
            m_txpH[k] = new QLineEdit(marco);
            m_lbUnidadesAgres[k] = new QLabel(marco);
            m_txpH[k]->setAlignment(Qt::AlignRight);
            rejilla->addWidget(m_lbAguas[k], fila, 0);
            rejilla->addWidget(m_txpH[k], fila, 1);
            rejilla->addWidget(m_lbUnidadesAgres[k], fila, 2);
            ++fila;
        }
        if (marco == m_frame3) {
            rejilla->addWidget(m_check1, fila, 0, 1, 3);
        }
        columna->addWidget(marco);
    }
    auto *agresividad = new QHBoxLayout(m_frame1);
    agresividad->addLayout(columna);
    agresividad->addWidget(m_edResultadoAgres, 1);

    auto *botones = new QHBoxLayout;
    botones->addStretch();
    for (QPushButton *b : {m_btCalculoAgres, m_btImprimeAgres, m_btCerrarAgres}) {
        // Enter presses nothing: every button goes through the leave check of the box.
        b->setAutoDefault(false);
        botones->addWidget(b);
    }
    auto *principal = new QVBoxLayout(this);
    principal->addWidget(m_frame1);
    principal->addLayout(botones);

    const QFont courier = FuenteListado();
    m_edResultadoAgres->setFont(courier);
    // Wide enough for every factor line of the report (name, value and unit, some 62
    // characters); the few longer measure texts wrap instead of widening the window beyond the
    // smallest screen.
    m_edResultadoAgres->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_edResultadoAgres->setMinimumWidth(
        ColumnasInforme * QFontMetrics(courier).horizontalAdvance(QLatin1Char('M')) +
        m_edResultadoAgres->verticalScrollBar()->sizeHint().width() +
        2 * m_edResultadoAgres->frameWidth() + 8);
    m_lbNota->setMaximumHeight(120);
    // The note and the report take the focus when clicked, not on the way through the inputs.
    m_lbNota->setFocusPolicy(Qt::ClickFocus);
    m_edResultadoAgres->setFocusPolicy(Qt::ClickFocus);

    const std::vector<std::pair<QWidget *, Control *>> controles = {
        {m_lbNota, &m_logica.lbNota},
        {m_check1, &m_logica.Check1},
        {m_edResultadoAgres, &m_logica.edResultadoAgres},
        {m_btCalculoAgres, &m_logica.btCalculoAgres},
        {m_btImprimeAgres, &m_logica.btImprimeAgres},
        {m_btCerrarAgres, &m_logica.btCerrarAgres},
    };
    for (const auto &[widget, control] : controles) {
        // Found by the control's name, as the logic names it.
        widget->setObjectName(aQt(control->Name()));
        m_filtro->Observa(widget, *control);
    }
    for (std::size_t k = 0; k < m_txpH.size(); ++k) {
        CajaTexto &caja = m_logica.txpH[k];
        m_txpH[k]->setObjectName(aQt(caja.Name()));
        m_filtro->Observa(m_txpH[k], caja);
        m_filtro->SeleccionaAlEntrar(m_txpH[k]);
        // The keys typed go through the box's own filter.
        m_txpH[k]->installEventFilter(this);
        connect(m_txpH[k], &QLineEdit::textChanged, this, [this, &caja](const QString &texto) {
            m_filtro->Ejecuta([&caja, &texto] { ponTexto(caja, deQt(texto)); });
        });
    }
    connect(m_check1, &QCheckBox::clicked, this, [this](bool marcada) {
        // A click whose focus move the leave check refused does not tick the box.
        if (m_filtro->Acepta(m_logica.Check1)) {
            m_filtro->Ejecuta([this, marcada] {
                ponValor(m_logica.Check1, marcada ? EstadoCasilla::Marcada : EstadoCasilla::Vacia);
            });
        }
    });
    for (QPushButton *b : {m_btCalculoAgres, m_btImprimeAgres, m_btCerrarAgres}) {
        connect(b, &QPushButton::clicked, this, [this, b] { Pulsa(b); });
    }

    const std::vector<Control *> orden = m_logica.OrdenTabulacion();
    for (std::size_t i = 1; i < orden.size(); ++i) {
        setTabOrder(m_filtro->Widget(orden[i - 1]), m_filtro->Widget(orden[i]));
    }

    m_filtro->Ejecuta([this] { m_logica.Form_Load(); });
}

bool ProteccionesVista::eventFilter(QObject *objeto, QEvent *evento)
{
    auto *caja = qobject_cast<QLineEdit *>(objeto);
    Control *control = m_filtro->ControlDe(objeto);
    if (caja != nullptr && control != nullptr && evento->type() == QEvent::KeyPress) {
        const auto *tecla = static_cast<QKeyEvent *>(evento);
        const bool conControl =
            (tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
        std::int32_t codigo = 0;
        if (tecla->key() == Qt::Key_Backspace) {
            codigo = TeclaRetroceso;
        } else if (!conControl && tecla->text().size() == 1 && tecla->text()[0].isPrint()) {
            codigo = tecla->text()[0].unicode();
        }
        if (codigo != 0) {
            const std::int32_t queda = pulsaTecla(*control, codigo);
            if (queda == 0) {
                return true;
            }
            if (queda != codigo) {
                // The other decimal separator becomes the user's.
                caja->insert(QString(QChar(static_cast<char16_t>(queda))));
                return true;
            }
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void ProteccionesVista::Pulsa(QPushButton *boton)
{
    auto *control = static_cast<Boton *>(m_filtro->ControlDe(boton));
    // A click reaches the button only when the leave check of the box let the focus go; the
    // press whose move was refused never became a click.
    if (m_filtro->Acepta(*control)) {
        m_filtro->Ejecuta([control] { pulsa(*control); });
    }
}

void ProteccionesVista::Despues()
{
    m_logica.cumplePeticionFoco();
    Refresca();
    m_filtro->Enfoca(m_filtro->Widget(m_logica.Foco()));
    if (CajaTexto *caja = m_logica.SeleccionPendiente()) {
        if (auto *edit = qobject_cast<QLineEdit *>(m_filtro->Widget(caja))) {
            edit->end(true);
        }
        m_logica.OlvidaSeleccion();
    }
    if (m_logica.Descargada()) {
        accept();
    }
}

void ProteccionesVista::Refresca()
{
    setWindowTitle(aQt(m_logica.Caption));
    Copia(m_frame1, m_logica.Frame1);
    Copia(m_frame2, m_logica.Frame2);
    Copia(m_frame3, m_logica.Frame3);
    Copia(m_frame4, m_logica.Frame4);
    Copia(m_frame5, m_logica.Frame5);
    if (!(m_logica.Nota() == m_notaMostrada)) {
        m_notaMostrada = m_logica.Nota();
        MuestraDocumento(*m_lbNota, m_notaMostrada);
    }
    m_lbNota->setReadOnly(m_logica.lbNota.Locked);
    for (std::size_t k = 0; k < m_txpH.size(); ++k) {
        const int i = static_cast<int>(k);
        Copia(m_txpH[k], m_logica.txpH[k]);
        Copia(m_lbAguas[k], m_logica.lbAguas(i));
        Copia(m_lbUnidadesAgres[k], m_logica.lbUnidadesAgres(i));
    }
    Copia(m_check1, m_logica.Check1);
    Copia(m_edResultadoAgres, m_logica.edResultadoAgres);
    Copia(m_btCalculoAgres, m_logica.btCalculoAgres);
    Copia(m_btImprimeAgres, m_logica.btImprimeAgres);
    Copia(m_btCerrarAgres, m_logica.btCerrarAgres);
}

} // namespace dravek::gui
