#pragma once

// Switch of the working values between the units shown on screen (SI or MKS) and the units of
// the calculation, which always runs in MKS: pressures and stresses in kp/cm2, the total
// vertical load in t/m2.

#include "core/model/EstadoObra.h"

#include <string_view>

namespace dravek {

// "ParaCalculo" (any letter case) brings the working values into calculation units, keeps the SI
// value of every unit-dependent field in ValoresSI, recomputes Fct, sets the DP->MDP law and the
// DP step IncrementoPresion. Any other mode ("ParaPantalla") puts the entry values back.
// EnUnidadesCalculo tells which state the values are in; a call that finds the values already in
// the state it asks for converts nothing, so they are never converted twice.
void ConvierteUnidades(EstadoObra &estado, std::string_view modo);

// Holds the working values in calculation units for its lifetime: the entry units come back on
// every way out of the calculation, an exception or an early error return included. When the
// values are already in calculation units (an enclosing calculation holds them), it leaves them
// as they are and restores nothing.
class GuardaUnidadesCalculo {
public:
    explicit GuardaUnidadesCalculo(EstadoObra &estado);
    ~GuardaUnidadesCalculo();
    GuardaUnidadesCalculo(const GuardaUnidadesCalculo &) = delete;
    GuardaUnidadesCalculo &operator=(const GuardaUnidadesCalculo &) = delete;
    GuardaUnidadesCalculo(GuardaUnidadesCalculo &&) = delete;
    GuardaUnidadesCalculo &operator=(GuardaUnidadesCalculo &&) = delete;

private:
    EstadoObra &m_estado;
    bool m_convertido = false;
};

} // namespace dravek
