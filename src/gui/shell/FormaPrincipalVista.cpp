#include "gui/shell/FormaPrincipalVista.h"

#include "core/shell/FormaPrincipal.h"
#include "gui/comun/TextoQt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>

namespace dravek::gui {

FormaPrincipalVista::FormaPrincipalVista(FormaPrincipal &logica, QWidget *padre)
    : QMainWindow(padre), m_logica(logica), m_logo(new QLabel(this))
{
    setObjectName(QStringLiteral("FormaPrincipal"));
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setBackgroundRole(QPalette::Base);
    m_logo->setAutoFillBackground(true);
    setCentralWidget(m_logo);

    MenuPrincipal &m = logica.menu();
    QMenu *obras = AnadeMenu(m.MnArchivo);
    AnadeAccion(obras, m.MnArchivo, m.MnAbriFichero, "Ctrl+A");
    AnadeAccion(obras, m.MnArchivo, m.MnNuevaObra, "Ctrl+O");
    obras->addSeparator();
    AnadeAccion(obras, m.MnArchivo, m.MnSeleccionarImpresora);
    AnadeAccion(obras, m.MnArchivo, m.MnImprimir, "Ctrl+P");
    obras->addSeparator();
    AnadeAccion(obras, m.MnArchivo, m.mnGrabaObra, "Ctrl+G");
    AnadeAccion(obras, m.MnArchivo, m.mnCerrarObra, "Ctrl+X");
    obras->addSeparator();
    AnadeAccion(obras, m.MnArchivo, m.mnSalir);
    QMenu *tramos = AnadeMenu(m.mnTramos);
    AnadeAccion(tramos, m.mnTramos, m.mnNuevoTramo, "Ctrl+N");
    AnadeAccion(tramos, m.mnTramos, m.mnCancelar, "Ctrl+K");
    AnadeAccion(tramos, m.mnTramos, m.mnGrabaTramo, "Ctrl+S");
    AnadeAccion(tramos, m.mnTramos, m.mnCalculaTramo, "Ctrl+T");
    AnadeAccion(tramos, m.mnTramos, m.mnAjustarArmaduras, "Ctrl+R");
    QMenu *otras = AnadeMenu(m.mnOtras);
    AnadeAccion(otras, m.mnOtras, m.mnCalculoHidraulico);
    AnadeAccion(otras, m.mnOtras, m.mnMedidas);
    QMenu *ayuda = AnadeMenu(m.mnAyuda);
    AnadeAccion(ayuda, m.mnAyuda, m.mnAyudaSobreAyuda);
    AnadeAccion(ayuda, m.mnAyuda, m.mnAcercaDe);
    AnadeAccion(ayuda, m.mnAyuda, m.mnAdvertencia);
    for (QMenu *menu : {obras, tramos, otras, ayuda})
        connect(menu, &QMenu::aboutToShow, this, &FormaPrincipalVista::Refresca);
    qApp->installEventFilter(this);
    Refresca();
}

QMenu *FormaPrincipalVista::AnadeMenu(ElementoMenu &elemento)
{
    QMenu *menu = menuBar()->addMenu(QString());
    menu->setObjectName(aQt(elemento.Name()));
    menu->menuAction()->setObjectName(aQt(elemento.Name()));
    m_entradas.push_back({&elemento, nullptr, menu->menuAction()});
    return menu;
}

void FormaPrincipalVista::AnadeAccion(QMenu *menu, ElementoMenu &padre, ElementoMenu &elemento,
                                      const char *atajo)
{
    QAction *accion = menu->addAction(QString());
    accion->setObjectName(aQt(elemento.Name()));
    if (atajo)
        accion->setShortcut(QKeySequence(QString::fromLatin1(atajo)));
    // The shortcut works from the data-entry window too.
    accion->setShortcutContext(Qt::ApplicationShortcut);
    addAction(accion);
    connect(accion, &QAction::triggered, this, [this, &elemento] {
        pulsa(elemento);
        Refresca();
    });
    m_entradas.push_back({&elemento, &padre, accion});
}

QAction *FormaPrincipalVista::Accion(const QString &nombre) const
{
    for (const Entrada &e : m_entradas)
        if (e.accion->objectName() == nombre)
            return e.accion;
    return nullptr;
}

void FormaPrincipalVista::Refresca()
{
    setWindowTitle(aQt(m_logica.Caption()));
    for (const Entrada &e : m_entradas) {
        e.accion->setText(aQt(e.elemento->Caption));
        e.accion->setVisible(e.elemento->Visible);
        e.accion->setEnabled(e.elemento->Enabled && (!e.menu || e.menu->Enabled));
    }
    if (m_rutaLogo != aQt(m_logica.Picture())) {
        m_rutaLogo = aQt(m_logica.Picture());
        const QPixmap imagen(m_rutaLogo);
        m_logo->setPixmap(imagen);
        if (!imagen.isNull())
            resize(imagen.size().grownBy(QMargins(120, 80, 120, 80)).boundedTo(QSize(1280, 760)));
    }
}

bool FormaPrincipalVista::TieneLogo() const
{
    return !m_logo->pixmap().isNull();
}

bool FormaPrincipalVista::eventFilter(QObject *objeto, QEvent *evento)
{
    // Sent to the focused widget before the shortcut map matches the key.
    if (evento->type() == QEvent::ShortcutOverride)
        Refresca();
    return QMainWindow::eventFilter(objeto, evento);
}

void FormaPrincipalVista::closeEvent(QCloseEvent *evento)
{
    // Exit has asked already; the window's own close control asks here.
    if (m_terminando || m_logica.MDIForm_QueryUnload())
        evento->accept();
    else
        evento->ignore();
}

} // namespace dravek::gui
