#include "core/shell/ObraAjustesCaptura.h"

#include "core/entry/CapturaDatos.h"
#include "core/shell/ComandosCalculo.h"

namespace dravek {

int ObraAjustesCaptura::PosicionTramo(std::int16_t numero)
{
    CapturaDatos *captura = m_obra.Captura();
    if (captura == nullptr || numero <= 0) {
        return 0;
    }
    for (int i = 0; i < captura->edTramo.ListCount(); ++i) {
        if (NumeroTramoDeTexto(captura->edTramo.List(i)) == numero) {
            return i + 1;
        }
    }
    return 0;
}

bool ObraAjustesCaptura::CargaTramo(int posicion)
{
    return m_obra.CargaTramo(posicion);
}

bool ObraAjustesCaptura::ValidaDatosTramo()
{
    return m_obra.ValidaDatosTramo(false);
}

std::string ObraAjustesCaptura::TituloObra()
{
    CapturaDatos *captura = m_obra.Captura();
    return captura != nullptr ? captura->edObra.Text() : std::string();
}

std::string ObraAjustesCaptura::DescripcionTramo()
{
    CapturaDatos *captura = m_obra.Captura();
    return captura != nullptr ? captura->edDescriTramo.Text() : std::string();
}

AjustesGuardados *ObraAjustesCaptura::Ajustes()
{
    return m_obra.Ajustes();
}

bool ObraAjustesCaptura::GrabaUnTramoPresion(double DP, std::int16_t TramoActual,
                                             double AlturaActual,
                                             const std::optional<AjusteGuardado> &eleccion)
{
    return m_obra.GrabaUnTramoPresion(DP, TramoActual, AlturaActual, eleccion);
}

} // namespace dravek
