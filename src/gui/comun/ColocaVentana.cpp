#include "gui/comun/ColocaVentana.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMessageBox>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace dravek::gui {

namespace {

// The screen area windows may take (without the desktop's own panels).
QRect AreaPantalla(const QWidget &ventana)
{
    const QScreen *pantalla = ventana.screen();
    if (pantalla == nullptr) {
        pantalla = QGuiApplication::primaryScreen();
    }
    return pantalla != nullptr ? pantalla->availableGeometry()
                               : QRect(QPoint(0, 0), PantallaMinima);
}

// The frame the window manager put around the main window, which a dialog gets too (none on a
// platform without one).
QMargins MarcoDe(const QWidget &principal)
{
    const QRect marco = principal.frameGeometry();
    const QRect interior = principal.geometry();
    return {interior.left() - marco.left(), interior.top() - marco.top(),
            marco.right() - interior.right(), marco.bottom() - interior.bottom()};
}

} // namespace

QSize TamanoMaximoVentana(const QWidget &ventana)
{
    const QSize pantalla = AreaPantalla(ventana).size().boundedTo(PantallaMinima);
    return pantalla.shrunkBy(MarcoGestor).expandedTo(QSize(1, 1));
}

void ColocaVentana(QWidget &ventana, const QWidget &sobre)
{
    // A dialog about to show may not have taken yet the size its layout needs (a first size
    // is bounded to two thirds of the screen): placed at the size it will have.
    if (ventana.layout() != nullptr) {
        ventana.layout()->activate();
    }
    const QSize tamano =
        ventana.size().expandedTo(ventana.minimumSize()).boundedTo(TamanoMaximoVentana(ventana));
    if (tamano != ventana.size()) {
        ventana.resize(tamano);
    }
    const QWidget &principal = *sobre.window();
    const QMargins marco = MarcoDe(principal);
    // What the frame may take where it is not known: the screen keeps room for it.
    const QMargins holgura = marco.isNull() ? MarcoGestor : marco;
    const QRect area = AreaPantalla(principal);
    // The frame's centre over the main window's frame's centre.
    QRect rectangulo(QPoint(0, 0), ventana.size());
    rectangulo.moveCenter(
        principal.frameGeometry().center() -
        QPoint((marco.right() - marco.left()) / 2, (marco.bottom() - marco.top()) / 2));
    // Kept on the screen, frame included; the title bar before all.
    const QRect dentro = area.marginsRemoved(holgura);
    rectangulo.moveLeft(std::max(
        dentro.left(), std::min(rectangulo.left(), dentro.right() + 1 - rectangulo.width())));
    rectangulo.moveTop(std::max(
        dentro.top(), std::min(rectangulo.top(), dentro.bottom() + 1 - rectangulo.height())));
    ventana.setGeometry(rectangulo);
}

ColocacionDialogos::ColocacionDialogos(QWidget &principal)
    : QObject(&principal), m_principal(principal)
{
}

bool ColocacionDialogos::eventFilter(QObject *objeto, QEvent *evento)
{
    if (evento->type() == QEvent::Show && !evento->spontaneous()) {
        auto *dialogo = qobject_cast<QDialog *>(objeto);
        if (dialogo != nullptr && dialogo->isWindow() && dialogo != &m_principal &&
            qobject_cast<QMessageBox *>(dialogo) == nullptr) {
            ColocaVentana(*dialogo, m_principal);
        }
    }
    return QObject::eventFilter(objeto, evento);
}

} // namespace dravek::gui
