#include "gui/shell/FormaPrincipalVista.h"

#include "core/shell/FormaPrincipal.h"
#include "gui/comun/ColocaVentana.h"
#include "gui/comun/TextoQt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace dravek::gui {

namespace {

// The data-entry window's own size, px, which the frame's area is made to hold.
constexpr QSize TamanoCaptura(1040, 740);
// The most the frame takes of the smallest screen the program is used on (1280x800), px: the
// window manager's title bar is left its room.
constexpr QSize TamanoMaximoMarco(1280, 770);

} // namespace

// The frame's area: the logo painted behind the windows.
class AreaMarco final : public QMdiArea {
public:
    using QMdiArea::QMdiArea;

    void PonLogo(const QPixmap &logo)
    {
        m_logo = logo;
        viewport()->update();
    }
    const QPixmap &logo() const { return m_logo; }

    // Where the logo goes in the viewport: across the top quarter, scaled down when it is
    // larger, never up. A box centred over the frame (the start-up notice) leaves it in sight
    // there.
    QRect Rectangulo() const
    {
        if (m_logo.isNull()) {
            return {};
        }
        constexpr int Margen = 12; // px
        const QSize sitio(viewport()->width() - 2 * Margen, viewport()->height() / 4);
        QSize tamano = m_logo.deviceIndependentSize().toSize();
        if (tamano.width() > sitio.width() || tamano.height() > sitio.height()) {
            tamano.scale(sitio, Qt::KeepAspectRatio);
        }
        return {QPoint(std::max(0, (viewport()->width() - tamano.width()) / 2), Margen), tamano};
    }

protected:
    void paintEvent(QPaintEvent *evento) override
    {
        QMdiArea::paintEvent(evento);
        if (m_logo.isNull()) {
            return;
        }
        QPainter pintor(viewport());
        pintor.setRenderHint(QPainter::SmoothPixmapTransform);
        pintor.drawPixmap(Rectangulo(), m_logo);
    }

private:
    QPixmap m_logo;
};

FormaPrincipalVista::FormaPrincipalVista(FormaPrincipal &logica, QWidget *padre)
    : QMainWindow(padre), m_logica(logica), m_area(new AreaMarco(this))
{
    setObjectName(QStringLiteral("FormaPrincipal"));
    m_area->setObjectName(QStringLiteral("AreaVentanas"));
    m_area->setBackground(palette().brush(QPalette::Base));
    m_area->setFrameShape(QFrame::NoFrame);
    // A window the engineer restores from its full size stays reachable whole.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);

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
    for (QMenu *menu : {obras, tramos, otras, ayuda}) {
        connect(menu, &QMenu::aboutToShow, this, &FormaPrincipalVista::Refresca);
    }
    qApp->installEventFilter(this);
    // Every dialog opens centred over this window, whole on the smallest screen.
    qApp->installEventFilter(new ColocacionDialogos(*this));
    Refresca();
    // Sized from the start to hold the data-entry window whole: it does not jump when a
    // project is opened.
    resize(QSize(TamanoCaptura.width(), TamanoCaptura.height() + menuBar()->sizeHint().height())
               .boundedTo(TamanoMaximoMarco));
}

QMdiArea *FormaPrincipalVista::area() const
{
    return m_area;
}

void FormaPrincipalVista::AbreHija(QMdiSubWindow *subventana)
{
    m_area->addSubWindow(subventana);
    // What the window needs beyond the area as it is, the frame takes on, up to the screen.
    const QSize falta =
        (subventana->widget()->size() - m_area->viewport()->size()).expandedTo(QSize(0, 0));
    if (falta.width() > 0 || falta.height() > 0) {
        resize((size() + falta).boundedTo(TamanoMaximoMarco).expandedTo(size()));
    }
    subventana->showMaximized();
    m_area->setActiveSubWindow(subventana);
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
    if (atajo) {
        accion->setShortcut(QKeySequence(QString::fromLatin1(atajo)));
    }
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
    for (const Entrada &e : m_entradas) {
        if (e.accion->objectName() == nombre) {
            return e.accion;
        }
    }
    return nullptr;
}

void FormaPrincipalVista::Refresca()
{
    // "DRAVEK - presa.dvk* - [Captura Datos]": the file open, its unsaved changes marked the
    // desktop's way, and the caption of the data-entry window, whose own title bar the frame
    // hides while it fills the area.
    QString titulo = aQt(m_logica.TituloMarco());
    if (m_logica.ObraAbierta()) {
        titulo += QStringLiteral("[*]");
        if (const QMdiSubWindow *hija = m_area->currentSubWindow();
            hija && !hija->windowTitle().isEmpty()) {
            titulo += QStringLiteral(" - [") + hija->windowTitle() + QLatin1Char(']');
        }
    }
    if (windowTitle() != titulo) {
        setWindowTitle(titulo);
    }
    setWindowModified(m_logica.ObraModificada());
    for (const Entrada &e : m_entradas) {
        e.accion->setText(aQt(e.elemento->Caption));
        e.accion->setVisible(e.elemento->Visible);
        e.accion->setEnabled(e.elemento->Enabled && (!e.menu || e.menu->Enabled));
    }
    if (m_rutaLogo != aQt(m_logica.Picture())) {
        m_rutaLogo = aQt(m_logica.Picture());
        const QPixmap logo(m_rutaLogo);
        m_area->PonLogo(logo);
        // The program's icon on this window and every window and dialog it opens: the drawing
        // the desktop's menu shows. The build and the installation put those files beside the
        // logo; a data folder copied without them leaves the desktop's default icon.
        QIcon icono;
        for (const std::string &fichero : m_logica.FicherosIcono()) {
            if (QFileInfo::exists(aQt(fichero))) {
                icono.addFile(aQt(fichero));
            }
        }
        if (!icono.isNull()) {
            QApplication::setWindowIcon(icono);
            setWindowIcon(icono);
        }
    }
}

QRect FormaPrincipalVista::RectanguloLogo() const
{
    const QRect r = m_area->Rectangulo();
    return r.isEmpty() ? r : QRect(m_area->viewport()->mapToGlobal(r.topLeft()), r.size());
}

bool FormaPrincipalVista::TieneLogo() const
{
    return !m_area->logo().isNull();
}

bool FormaPrincipalVista::eventFilter(QObject *objeto, QEvent *evento)
{
    // Sent to the focused widget before the shortcut map matches the key.
    if (evento->type() == QEvent::ShortcutOverride) {
        Refresca();
    }
    // A click or a key on the data-entry window may have changed the run commands, whose
    // states the menu bar keeps in sight: copied again once the event has been handled.
    if (evento->type() == QEvent::MouseButtonRelease || evento->type() == QEvent::KeyRelease) {
        QMetaObject::invokeMethod(this, &FormaPrincipalVista::Refresca, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(objeto, evento);
}

void FormaPrincipalVista::closeEvent(QCloseEvent *evento)
{
    // Exit has asked already; the window's own close control asks here.
    if (m_terminando || m_logica.MDIForm_QueryUnload()) {
        evento->accept();
    } else {
        evento->ignore();
    }
}

} // namespace dravek::gui
