#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>

class QWidget;

namespace dravek::gui {

// The smallest screen the program is used on, px: every window fits it whole, its frame
// included.
inline constexpr QSize PantallaMinima(1280, 800);
// The room a window manager's frame may take around a window, px, where it is not known yet:
// the title bar above, the borders at the sides and below. The main window's frame leaves the
// same 30 px of height.
inline constexpr QMargins MarcoGestor(2, 24, 2, 6);

// The most a window may measure, its frame excluded: the smallest screen, or the screen it
// opens on when that is smaller.
QSize TamanoMaximoVentana(const QWidget &ventana);

// Places a window about to be shown: no larger than TamanoMaximoVentana, its frame centred over
// the frame of `sobre` (the main window) and kept on the screen.
void ColocaVentana(QWidget &ventana, const QWidget &sobre);

// Every dialog window shown while it is installed on the application (a message box excepted,
// which sizes and centres itself over the window it belongs to) is placed by ColocaVentana over
// the main window.
class ColocacionDialogos : public QObject {
    Q_OBJECT
public:
    // The main window, which the filter is a child of.
    explicit ColocacionDialogos(QWidget &principal);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    QWidget &m_principal;
};

} // namespace dravek::gui
