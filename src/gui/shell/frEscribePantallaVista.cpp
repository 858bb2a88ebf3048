#include "gui/shell/frEscribePantallaVista.h"

#include "core/shell/frEscribePantalla.h"
#include "gui/comun/CopiaControles.h"
#include "gui/comun/TextoQt.h"
#include "gui/shell/ModeloLineas.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

namespace dravek::gui {

frEscribePantallaVista::frEscribePantallaVista(frEscribePantalla &logica, QWidget *padre)
    : QDialog(padre), m_logica(logica), m_lineas(new ModeloLineas(this)),
      m_edPantalla(new QTableView(this)), m_frTipoListado(new QGroupBox(this)),
      m_btImprimeTramo(new QPushButton(this)), m_btSalir(new QPushButton(this))
{
    setObjectName(QStringLiteral("frEscribePantalla"));
    m_edPantalla->setObjectName(QStringLiteral("edPantalla"));
    m_edPantalla->setFont(FuenteListado());
    // One column of lines, all as high as a line of the font and the column as wide as the
    // longest line (set with the text): the view lays out and draws only the lines on screen.
    m_edPantalla->horizontalHeader()->hide();
    m_edPantalla->verticalHeader()->hide();
    m_edPantalla->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_edPantalla->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int alto = QFontMetrics(m_edPantalla->font()).lineSpacing();
    m_edPantalla->verticalHeader()->setMinimumSectionSize(alto);
    m_edPantalla->verticalHeader()->setDefaultSectionSize(alto);
    m_edPantalla->setShowGrid(false);
    m_edPantalla->setWordWrap(false);
    m_edPantalla->setCornerButtonEnabled(false);
    // Tab leaves the listing for the buttons, as it leaves a text box.
    m_edPantalla->setTabKeyNavigation(false);
    m_edPantalla->setTextElideMode(Qt::ElideNone);
    m_edPantalla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_edPantalla->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_edPantalla->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_edPantalla->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_edPantalla->setModel(m_lineas);
    // The listing is only read, but what is selected of it can be copied.
    auto *copiar = new QAction(m_edPantalla);
    copiar->setShortcut(QKeySequence::Copy);
    copiar->setShortcutContext(Qt::WidgetShortcut);
    m_edPantalla->addAction(copiar);
    connect(copiar, &QAction::triggered, this, [this] { CopiaSeleccion(); });

    auto *opciones = new QHBoxLayout(m_frTipoListado);
    for (int i = 0; i < 4; ++i) {
        m_rdTipoListado[i] = new QRadioButton(m_frTipoListado);
        m_rdTipoListado[i]->setObjectName(QStringLiteral("rdTipoListado%1").arg(i));
        opciones->addWidget(m_rdTipoListado[i]);
        connect(m_rdTipoListado[i], &QRadioButton::toggled, this, [this, i](bool marcada) {
            if (marcada) {
                Ejecuta([this, i] { ponValor(m_logica.rdTipoListado, i, true); });
            }
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
    // The kinds of listing are made after the buttons: Tab goes as the window reads, the
    // listing, its kind, then the buttons.
    QWidget::setTabOrder(m_edPantalla, m_rdTipoListado[0]);
    for (int i = 1; i < 4; ++i) {
        QWidget::setTabOrder(m_rdTipoListado[i - 1], m_rdTipoListado[i]);
    }
    QWidget::setTabOrder(m_rdTipoListado[3], m_btImprimeTramo);
    QWidget::setTabOrder(m_btImprimeTramo, m_btSalir);
    resize(1000, 700);
    Refresca();
}

void frEscribePantallaVista::Ejecuta(const std::function<void()> &accion)
{
    accion();
    Refresca();
    if (!m_logica.Cargada()) {
        accept();
    }
}

void frEscribePantallaVista::Refresca()
{
    setWindowTitle(aQt(m_logica.Caption));
    CopiaListado();
    Copia(m_frTipoListado, m_logica.frTipoListado);
    m_frTipoListado->setToolTip(aQt(m_logica.frTipoListadoToolTipText));
    for (int i = 0; i < 4; ++i) {
        Copia(m_rdTipoListado[i], m_logica.rdTipoListado, i);
    }
    Copia(m_btImprimeTramo, m_logica.btImprimeTramo);
    Copia(m_btSalir, m_logica.btSalir);
}

void frEscribePantallaVista::CopiaListado()
{
    const std::string &texto = m_logica.edPantalla.Text();
    const IndiceLineas *indice = &m_logica.lineasPantalla;
    if (!indice->De(texto)) {
        // The commands index the listing as part of their job; a text written without that is
        // indexed here.
        if (!m_indicePropio.De(texto)) {
            m_indicePropio.Indexa(texto, nullptr);
        }
        indice = &m_indicePropio;
    }
    if (!m_lineas->Muestra(texto, *indice)) {
        m_lineas->Pon(texto, *indice);
        // Room for the longest line in the fixed-pitch font, and the margins of a cell's text.
        const int margen = 2 * (m_edPantalla->style()->pixelMetric(QStyle::PM_FocusFrameHMargin,
                                                                   nullptr, m_edPantalla) +
                                1);
        const auto caracteres = static_cast<int>(std::min<std::size_t>(indice->MasLarga(), 4096));
        m_edPantalla->setColumnWidth(
            0,
            QFontMetrics(m_edPantalla->font()).horizontalAdvance(QLatin1Char('M')) * caracteres +
                margen);
    }
    m_edPantalla->setEnabled(m_logica.edPantalla.Enabled);
    m_edPantalla->setVisible(m_logica.edPantalla.Visible);
}

void frEscribePantallaVista::CopiaSeleccion()
{
    std::vector<std::pair<int, int>> tramos;
    for (const QItemSelectionRange &rango : m_edPantalla->selectionModel()->selection()) {
        tramos.emplace_back(rango.top(), rango.bottom());
    }
    std::sort(tramos.begin(), tramos.end());
    if (tramos.empty()) {
        return;
    }
    QString texto;
    for (std::size_t i = 0; i < tramos.size(); ++i) {
        if (i > 0) {
            texto += QLatin1Char('\n');
        }
        texto += m_lineas->Texto(tramos[i].first, tramos[i].second);
    }
    QGuiApplication::clipboard()->setText(texto);
}

} // namespace dravek::gui
