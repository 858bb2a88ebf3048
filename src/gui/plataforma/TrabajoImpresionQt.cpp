#include "gui/plataforma/TrabajoImpresionQt.h"

#include <cstdint>

#include "core/model/TextoRecurso.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/ImpresoraQt.h"

#include <QFileDialog>
#include <QPrinterInfo>

namespace dravek::gui {

namespace {

constexpr std::int32_t TextoSinImpresoraGuardePdf = 1523;

} // namespace

TrabajoImpresionQt::TrabajoImpresionQt(const EstadoObra &estado, ImpresoraQt &impresora,
                                       QWidget *padre)
    : m_estado(estado), m_impresora(impresora), m_padre(padre)
{
    HayImpresora = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
    PideFicheroPdf = [this] {
        const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
        QString ruta = QFileDialog::getSaveFileName(
            m_padre, aQt(Texto(d, TextoSinImpresoraGuardePdf)), QString(), aQt(Texto(d, 1522)));
        if (!ruta.isEmpty() && !ruta.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
            ruta += QStringLiteral(".pdf");
        return ruta;
    };
}

bool TrabajoImpresionQt::Empieza()
{
    if (HayImpresora() && m_impresora.PonImpresoraActual(m_estado.Printer))
        return true;
    const QString ruta = PideFicheroPdf();
    if (ruta.isEmpty())
        return false;
    m_impresora.PonFicheroPdf(ruta);
    return true;
}

void TrabajoImpresionQt::Aborta()
{
    m_impresora.Aborta();
}

} // namespace dravek::gui
