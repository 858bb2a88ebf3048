#include "gui/plataforma/TrabajoImpresionQt.h"

#include "core/model/TextoRecurso.h"
#include "core/storage/CarpetaDialogos.h"
#include "gui/comun/TextoQt.h"
#include "gui/plataforma/ImpresoraQt.h"

#include <QPrinterInfo>

#include <cstdint>
#include <optional>

namespace dravek::gui {

namespace {

constexpr std::int32_t TextoDocumentosPdf = 1522;
constexpr std::int32_t TextoSinImpresoraGuardePdf = 1523;

} // namespace

TrabajoImpresionQt::TrabajoImpresionQt(const EstadoObra &estado, ImpresoraQt &impresora,
                                       DialogosFichero &dialogos, AlmacenConfiguracion &almacen)
    : m_estado(estado), m_impresora(impresora), m_dialogos(dialogos), m_almacen(almacen)
{
    HayImpresora = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };
    PideFicheroPdf = [this] {
        const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
        const std::optional<std::string> elegido = m_dialogos.PideFicheroGuardar(
            Texto(d, TextoSinImpresoraGuardePdf),
            CarpetaInicialDialogo(m_almacen, m_estado.obra, m_dialogos.CarpetaDocumentos()),
            {{Texto(d, TextoDocumentosPdf), "*.pdf"}});
        QString ruta = elegido ? aQt(*elegido) : QString();
        if (ruta.isEmpty()) {
            return ruta;
        }
        if (!ruta.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
            ruta += QStringLiteral(".pdf");
        }
        RecuerdaCarpetaDialogo(m_almacen, deQt(ruta));
        return ruta;
    };
}

bool TrabajoImpresionQt::Empieza()
{
    if (HayImpresora() && m_impresora.PonImpresoraActual(m_estado.Printer)) {
        return true;
    }
    const QString ruta = PideFicheroPdf();
    if (ruta.isEmpty()) {
        return false;
    }
    m_impresora.PonFicheroPdf(ruta);
    return true;
}

void TrabajoImpresionQt::Aborta()
{
    m_impresora.Aborta();
}

} // namespace dravek::gui
