#pragma once

// The project as the adjustment window asks for it, over the data-entry window and the storage
// behind it: the run list of the window, the run reloaded from the project file, the adjustments
// file.

#include "core/adjustment/ObraAjustes.h"
#include "core/entry/ObraEnCaptura.h"

namespace dravek {

class ObraAjustesCaptura final : public ObraAjustes {
public:
    // Must outlive this object.
    explicit ObraAjustesCaptura(ObraEnCaptura &obra) : m_obra(obra) {}

    int PosicionTramo(std::int16_t numero) override;
    bool CargaTramo(int posicion) override;
    bool ValidaDatosTramo() override;
    std::string TituloObra() override;
    std::string DescripcionTramo() override;
    AjustesGuardados *Ajustes() override;
    bool AjustesRehusados() const override { return m_obra.AjustesRehusados(); }
    bool GrabaUnTramoPresion(double DP, std::int16_t TramoActual, double AlturaActual,
                             const std::optional<AjusteGuardado> &eleccion) override;

private:
    ObraEnCaptura &m_obra;
};

} // namespace dravek
