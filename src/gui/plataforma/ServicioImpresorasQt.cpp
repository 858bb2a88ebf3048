#include "gui/plataforma/ServicioImpresorasQt.h"

#include "gui/comun/TextoQt.h"

#include <QPrinterInfo>
#include <QStringList>

namespace dravek::gui {

std::vector<std::string> ServicioImpresorasQt::Instaladas()
{
    std::vector<std::string> nombres;
    for (const QString &nombre : QPrinterInfo::availablePrinterNames()) {
        nombres.push_back(deQt(nombre));
    }
    return nombres;
}

std::string ServicioImpresorasQt::Predeterminada()
{
    return deQt(QPrinterInfo::defaultPrinterName());
}

} // namespace dravek::gui
