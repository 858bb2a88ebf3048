#include "gui/shell/ImpresorasVista.h"

#include "core/shell/Impresoras.h"
#include "gui/comun/CopiaControles.h"
#include "gui/comun/FiltroFoco.h"
#include "gui/comun/TextoQt.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace dravek::gui {

ImpresorasVista::ImpresorasVista(Impresoras &logica, QWidget *padre)
    : QDialog(padre), m_logica(logica), m_filtro(new FiltroFoco(
                                            logica, [this] { Despues(); }, this)),
      m_ListaImpresoras(new QListWidget(this)), m_lbCopias(new QLabel(this)),
      m_tbCopias(new QLineEdit(this)), m_spCopiasArriba(new QToolButton(this)),
      m_spCopiasAbajo(new QToolButton(this)), m_btAceptar(new QPushButton(this))
{
    m_ListaImpresoras->setObjectName(QStringLiteral("ListaImpresoras"));
    m_lbCopias->setObjectName(QStringLiteral("lbCopias"));
    m_tbCopias->setObjectName(QStringLiteral("tbCopias"));
    m_spCopiasArriba->setObjectName(QStringLiteral("spCopias(arriba)"));
    m_spCopiasAbajo->setObjectName(QStringLiteral("spCopias(abajo)"));
    m_btAceptar->setObjectName(QStringLiteral("btAceptar"));

    // The spin button's arrows take no focus: stepping the copies does not leave the box.
    m_spCopiasArriba->setArrowType(Qt::UpArrow);
    m_spCopiasAbajo->setArrowType(Qt::DownArrow);
    for (QToolButton *flecha : {m_spCopiasArriba, m_spCopiasAbajo}) {
        flecha->setFocusPolicy(Qt::NoFocus);
        flecha->setAutoRepeat(true);
    }
    // Enter presses nothing: the button goes through the leave check of the box.
    m_btAceptar->setAutoDefault(false);
    m_tbCopias->setAlignment(Qt::AlignRight);
    m_lbCopias->setBuddy(m_tbCopias);

    auto *giro = new QVBoxLayout;
    giro->setSpacing(0);
    giro->addWidget(m_spCopiasArriba);
    giro->addWidget(m_spCopiasAbajo);
    auto *copias = new QHBoxLayout;
    copias->addWidget(m_lbCopias);
    copias->addWidget(m_tbCopias);
    copias->addLayout(giro);
    copias->addStretch();
    copias->addWidget(m_btAceptar);
    auto *principal = new QVBoxLayout(this);
    principal->addWidget(m_ListaImpresoras, 1);
    principal->addLayout(copias);
    resize(420, 300);

    m_filtro->Observa(m_ListaImpresoras, m_logica.ListaImpresoras);
    m_filtro->Observa(m_tbCopias, m_logica.tbCopias);
    m_filtro->SeleccionaAlEntrar(m_tbCopias);
    m_filtro->Observa(m_btAceptar, m_logica.btAceptar);
    setTabOrder(m_ListaImpresoras, m_tbCopias);
    setTabOrder(m_tbCopias, m_btAceptar);

    // The printer chosen is the row selected: the list taking the focus makes a row current
    // without choosing it.
    connect(m_ListaImpresoras, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> elegidas = m_ListaImpresoras->selectedItems();
        if (elegidas.size() == 1) {
            const int fila = m_ListaImpresoras->row(elegidas.front());
            m_filtro->Ejecuta([this, fila] { ponIndice(m_logica.ListaImpresoras, fila); });
        }
    });
    connect(m_tbCopias, &QLineEdit::textEdited, this, [this](const QString &texto) {
        m_filtro->Ejecuta([this, &texto] { ponTexto(m_logica.tbCopias, deQt(texto)); });
    });
    connect(m_spCopiasArriba, &QToolButton::clicked, this,
            [this] { m_filtro->Ejecuta([this] { giraArriba(m_logica.spCopias); }); });
    connect(m_spCopiasAbajo, &QToolButton::clicked, this,
            [this] { m_filtro->Ejecuta([this] { giraAbajo(m_logica.spCopias); }); });
    connect(m_btAceptar, &QPushButton::clicked, this, [this] {
        if (m_filtro->Acepta(m_logica.btAceptar)) {
            m_filtro->Ejecuta([this] { pulsa(m_logica.btAceptar); });
        }
    });

    m_filtro->Ejecuta([this] { m_logica.Form_Load(); });
}

void ImpresorasVista::Despues()
{
    m_logica.cumplePeticionFoco();
    Refresca();
    m_filtro->Enfoca(m_filtro->Widget(m_logica.Foco()));
    if (m_logica.SeleccionPendiente() == &m_logica.tbCopias) {
        // Shift+End: the text from the caret to the end.
        m_tbCopias->end(true);
        m_logica.OlvidaSeleccion();
    }
    if (m_logica.Descargada()) {
        accept();
    }
}

void ImpresorasVista::Refresca()
{
    setWindowTitle(aQt(m_logica.Caption));
    {
        const QSignalBlocker bloqueo(m_ListaImpresoras);
        const Lista &lista = m_logica.ListaImpresoras;
        if (m_ListaImpresoras->count() != lista.ListCount()) {
            m_ListaImpresoras->clear();
        }
        for (int i = 0; i < lista.ListCount(); ++i) {
            if (i < m_ListaImpresoras->count()) {
                m_ListaImpresoras->item(i)->setText(aQt(lista.List(i)));
            } else {
                m_ListaImpresoras->addItem(aQt(lista.List(i)));
            }
        }
        if (lista.ListIndex() >= 0) {
            m_ListaImpresoras->setCurrentRow(lista.ListIndex());
        } else {
            m_ListaImpresoras->clearSelection();
        }
    }
    Copia(m_lbCopias, m_logica.lbCopias);
    Copia(m_tbCopias, m_logica.tbCopias);
    Copia(m_btAceptar, m_logica.btAceptar);
}

void MuestraImpresoras(EstadoObra &estado, Mensajes &mensajes, ServicioImpresoras &servicio,
                       QWidget *padre)
{
    Impresoras logica(estado, mensajes, servicio);
    ImpresorasVista vista(logica, padre);
    vista.exec();
}

} // namespace dravek::gui
