#pragma once

#include "core/shell/ObraEnCaptura.h"

namespace dravek {

// No data-entry window: nothing loads and no run is ever there, so every command that needs
// one does nothing.
class ObraSinCaptura final : public ObraEnCaptura {
public:
    void CargaCaptura() override {}
    void DescargaCaptura() override {}
    CapturaDatos *Captura() override { return nullptr; }
    bool ValidaPresionesAlturasObra() override { return false; }
    bool ValidaDatosTramo(bool) override { return false; }
    void GrabaObra() override {}
    void NuevoTramo() override {}
    void CancelaCapturaTramo() override {}
    void ConfirmaGrabaTramo() override {}
    bool CargaTramo(int) override { return false; }
    AjustesGuardados *Ajustes() override { return nullptr; }
};

} // namespace dravek
