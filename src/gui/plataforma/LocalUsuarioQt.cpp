#include "gui/plataforma/LocalUsuarioQt.h"

#include "gui/comun/TextoQt.h"

#include <QLocale>

namespace dravek::gui {

std::string LocalUsuarioQt::SeparadorDecimal()
{
    return deQt(QLocale::system().decimalPoint());
}

} // namespace dravek::gui
