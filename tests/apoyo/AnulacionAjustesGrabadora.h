#pragma once

#include "core/entry/CapturaDatos.h"

namespace dravek::pruebas {

// Counts how many times the run's stored overrides were voided.
class AnulacionAjustesGrabadora : public AnulacionAjustes {
public:
    void AnulaAjustesTramo() override { ++m_veces; }
    int veces() const { return m_veces; }
    void olvida() { m_veces = 0; }

private:
    int m_veces = 0;
};

} // namespace dravek::pruebas
