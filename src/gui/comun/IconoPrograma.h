#pragma once

#include <QIcon>
#include <QPixmap>

namespace dravek::gui {

// The program's icon: the pipe section of its logo (the ring at the logo's left, as
// tools/figuras/figuras.py draws it), cut round on a transparent ground. Null without a logo.
QIcon IconoDelLogo(const QPixmap &logo);

} // namespace dravek::gui
