#pragma once

#include "core/adjustment/DepuracionAjuste.h"
#include "core/adjustment/frAjustes.h"
#include "core/engine/ContextoCalculo.h"
#include "core/entry/ComandosCaptura.h"
#include "core/entry/ObraEnCaptura.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Mensajes.h"
#include "core/plataforma/Progreso.h"
#include "core/plataforma/TrabajoImpresion.h"
#include "core/shell/ObraAjustesCaptura.h"
#include "core/shell/VentanasPrincipal.h"
#include "core/shell/frEscribePantalla.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace dravek {

struct ServiciosCalculo {
    Mensajes &mensajes;
    SalidaListado &salida; // screen text, and the printer when Imprimiendo
    DepuracionCalculo &depuracion;
    DisenoCaso &diseno;
    ObraEnCaptura &obra;
    VentanasPrincipal &ventanas;
    TrabajoImpresion &impresion;
    // How far the calculations, listings and prints of the commands have gone; it may stop them.
    Progreso &progreso;
    // The debug file the calculations append to, started empty by every command and closed
    // when its calculation ends; null: the depuracion service alone, no file kept.
    FicheroDepuracion *ficheroDepuracion;
};

// The commands that calculate: one run into the screen listing, the whole project, and the
// opening of the reinforcement adjustment; and the print of the listing window. They own the
// listing window.
class ComandosCalculo final : public ComandosCaptura {
public:
    ComandosCalculo(EstadoObra &estado, ServiciosCalculo servicios);

    void CalculaTramo() override;
    void ImprimeObra() override;
    void AjustaArmaduras() override;

    // The adjustment window's logic over the run AjustaArmaduras chose, loaded, with the caption
    // of its opener; null when it did not open (the engineer was told why).
    std::unique_ptr<frAjustes> CargaAjustes();

    frEscribePantalla &listado() { return m_listado; }
    // After a change of language: the listing window, when loaded, in the new language.
    void PonTextosListado();
    bool ImprimeObraCompleta() const { return m_imprimeObraCompleta; }

    // The steps of each run in a command on the whole project: a run's cases share them, so
    // that a project of one long run shows it going on, not 0 % till it ends.
    static constexpr std::int64_t PasosPorTramo = 1000;

private:
    // How far a command has gone: the cases of its one run, or the runs of the project, each
    // run PasosPorTramo steps shared out among its cases. The case loop asks it after every
    // case whether to go on; once the engineer has stopped the command it says no until the
    // command ends.
    class AvanceComando final : public AvanceCasos {
    public:
        explicit AvanceComando(Progreso &progreso) : m_progreso(progreso) {}
        // Counts the cases of the run the command calculates.
        void EmpiezaTramo(const std::string &texto, const std::string &cancelar);
        // Counts the project's runs.
        void EmpiezaObra(const std::string &texto, const std::string &cancelar,
                         std::int64_t tramos);
        // A run of the project is done; false when the command has been stopped.
        [[nodiscard]] bool TramoHecho();
        // A stretch of the listing has been handed to the window, which counts no step of its
        // own; false when the command has been stopped.
        [[nodiscard]] bool Llenando() { return Sigue(); }
        bool Detenido() const { return m_detenido; }
        // The command has ended, whole or stopped.
        void Termina();
        // What the case loop is handed: null outside a command that shows its progress.
        AvanceCasos *Seguido() { return m_activo ? this : nullptr; }

        void Casos(std::int64_t total) override;
        [[nodiscard]] bool CasoHecho() override;

    private:
        bool Sigue();

        Progreso &m_progreso;
        std::string m_texto;
        std::string m_cancelar;
        bool m_porTramos = false;
        bool m_activo = false;
        bool m_empezado = false; // the progress has been told of the job
        bool m_detenido = false;
        std::int64_t m_hechos = 0;
        std::int64_t m_tramosHechos = 0; // of a command on the project
        std::int64_t m_casosTramo = 0;   // the cases of the project's run being calculated
        std::int64_t m_casosHechos = 0;  // and how many of them are done
    };
    // Ends the command's progress on every way out.
    struct FinAvance {
        AvanceComando &avance;
        ~FinAvance() { avance.Termina(); }
    };

    // Calculates the run now in the working values with its whole ranges; the working values
    // are back in the screen's units afterwards, whatever happened.
    ErrorCalculo PasadaTramo();
    void PreparaListado();
    void PonTituloListado();
    // Hands the listing over to the window: its text without a copy (that of a large run is
    // tens of megabytes) and where each of its lines starts, as part of the command's job.
    // False when the engineer stopped the command meanwhile: the window is left empty.
    bool LlenaListado();
    void DatosCabecera();
    // The checks and the listing's set-up a command on the run shown makes first; false when
    // refused (told). exigeGrabado refuses unsaved changes too.
    bool PreparaComandoTramo(bool exigeGrabado);
    // Every run of the project, in list order; false when one could not be calculated (told).
    bool PasadaObra();
    bool ImprimeListado();
    // Opens the debug file for one command's calculations; it closes when the guard goes.
    void AbreDepuracion(std::optional<GuardaFicheroDepuracion> &guarda);
    void MuestraError(const ErrorCalculo &error);

    EstadoObra &m_estado;
    ServiciosCalculo m_s;
    frEscribePantalla m_listado;
    ObraAjustesCaptura m_obraAjustes;
    // The check's debug file of the adjustment window, in the calculation's debug folder.
    std::unique_ptr<FicheroDepuracionAjuste> m_depuracionAjuste;
    // The listing on screen belongs to the whole project: its print prints every run again.
    bool m_imprimeObraCompleta = false;
    AvanceComando m_avance;
};

// The whole number a run box shows ("12" -> 12); 0 when it holds none or one that does not
// fit a run number.
std::int16_t NumeroTramoDeTexto(const std::string &texto);

} // namespace dravek
