#pragma once

// One calculation for a test: its own state, a clock fixed at 05/03/2024 09:41, a recording
// printer, the listing sink on them, a debug file and the designs of a case, wired into the
// context every step is handed. The test chooses the debug file and the designs: null ones where
// the step under test never reaches them, recording ones where it checks what they were given.

#include "apoyo/DisenoCasoPrueba.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "core/engine/ContextoCalculo.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"

#include <cstdint>
#include <string>
#include <utility>

namespace dravek::pruebas {

// A debug file that drops every line.
class DepuracionNula final : public DepuracionCalculo {
public:
    void EscribeLinea(const std::string &) override {}
};

// Designs that do nothing and never fail.
class DisenoNulo final : public DisenoCasoPrueba {
public:
    ErrorCalculo CalculaArmado(ContextoCalculo &, std::int32_t) override { return {}; }
    ErrorCalculo CalculaPostesado(ContextoCalculo &, std::int32_t, std::int16_t, double) override
    {
        return {};
    }
};

template <class Depuracion = DepuracionNula, class Diseno = DisenoNulo> struct ContextoPrueba {
    ContextoPrueba() = default;
    explicit ContextoPrueba(EstadoObra inicial) : estado(std::move(inicial)) {}

    EstadoObra estado;
    RelojFijo reloj;
    ImpresoraGrabadora impresora;
    SalidaListado salida{reloj, impresora};
    Depuracion depuracion;
    Diseno diseno;
    ContextoCalculo contexto{estado, salida, depuracion, diseno};
};

} // namespace dravek::pruebas
