#pragma once

// What every step of a calculation is handed: the state, the listing sink, the debug file and
// the designs of a case. A step that cannot go on returns an ErrorCalculo; the caller stops
// the calculation, restores the state it changed and lets the command show the message.

#include "core/engine/HipotesisArmado.h"
#include "core/listing/Depuracion.h"
#include "core/listing/FormatoNumeros.h"
#include "core/listing/SalidaListado.h"
#include "core/listing/TextosFijos.h"
#include "core/model/EstadoObra.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace dravek {

// Not to be dropped: a calculation that stopped has left the state and the listing half done.
struct [[nodiscard]] ErrorCalculo {
    bool hayError = false;
    std::string mensaje; // already in the interface language
    // The engineer knows already: told where it arose, or he stopped the calculation himself.
    // The command shows nothing more, nor the listing of a run stopped or refused.
    bool avisado = false;

    explicit operator bool() const { return hayError; }
    static ErrorCalculo Con(std::string texto) { return {true, std::move(texto), false}; }
    static ErrorCalculo YaAvisado() { return {true, {}, true}; }
};

// The designs of one case, reinforced concrete or post-tensioned, each in its own module. The
// engine reaches them through this interface only: the choice of the designs sits above both.
class DisenoCaso {
public:
    virtual ~DisenoCaso() = default;
    virtual ErrorCalculo CalculaArmado(struct ContextoCalculo &contexto,
                                       std::int32_t numeroCaso) = 0;
    virtual ErrorCalculo CalculaPostesado(struct ContextoCalculo &contexto,
                                          std::int32_t numeroCaso,
                                          std::int16_t FijaPresionPrimario,
                                          double CoefPresionPrimario) = 0;
    // The post-tensioned design's page of the run data report, which the report prints
    // before the first case.
    virtual void ListaCaracteristicasPostesado(struct ContextoCalculo &contexto) = 0;
};

// Told by the case loop as it goes, by a command that shows how far it has gone.
class AvanceCasos {
public:
    virtual ~AvanceCasos() = default;
    // The cases about to be calculated, once the run has been checked.
    virtual void Casos(std::int64_t total) = 0;
    // After each case. False stops the loop, the engineer having asked to: no further case is
    // calculated or listed, and the loop returns an error the engineer already knows of.
    [[nodiscard]] virtual bool CasoHecho() = 0;
};

// Kept from one case to the next of a command: the lines only the run decides, and a line
// buffer whose memory a case reuses instead of asking for it again.
struct MemoriaCasos {
    TextosFijos tituloCaso;   // the texts of the case title on the screen
    TextosFijos cabeceraCaso; // the fixed lines of the case heading on the screen
    // Its forces, M and N of each section in each hypothesis, as last written.
    std::array<CampoGuardado, 2 * NumeroSecciones * NumeroHipotesisArmado> esfuerzosCabecera;
    TextosFijos esfuerzosPostesado; // the headings of the post-tensioned hypothesis forces
    TextosFijos depuracionAnillo;   // the debug lines of the ring analysis that the run decides
    // The ring analysis's debug line of loads, which the fill height decides but for the case
    // number: what comes before that number, and after it; and the characters before it.
    TextosFijos cargasAnillo;
    std::size_t caracteresAntesCaso = 0;
    // The parts of the layout's debug lines that the run decides: the first pass over the
    // hypotheses, then the final one.
    std::array<TextosFijos, 2> depuracionDisposicion;
    std::string linea; // a line being built
};

struct ContextoCalculo {
    EstadoObra &estado;
    SalidaListado &salida;
    DepuracionCalculo &depuracion;
    DisenoCaso &diseno;
    // The stored reinforcement overrides of the project; nullptr when there is no such file.
    class AjustesGuardados *ajustes = nullptr;
    // Told of every case; nullptr when nobody watches.
    AvanceCasos *avance = nullptr;
    MemoriaCasos memoria = {};
};

} // namespace dravek
