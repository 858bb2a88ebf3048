#pragma once

// The adjustment window over a small reinforced-concrete run: the project behind it with its
// adjustments file in memory, a design that sets the governing forces of a case by hand (or the
// real one), and the recording fakes of the other services.

#include "apoyo/CarpetaPrueba.h"
#include "apoyo/ContextoPrueba.h"
#include "apoyo/DepuracionAjusteGrabadora.h"
#include "apoyo/FicherosEnMemoria.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/SeparadorPrueba.h"
#include "apoyo/TramoPrueba.h"
#include "core/adjustment/frAjustes.h"
#include "core/design/DisenoTubo.h"
#include "core/storage/FicheroAjustes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dravek::pruebas {

// The project: its run list, the stored run that every reload brings back, and the
// adjustments file.
class ObraAjustesPrueba final : public ObraAjustes {
public:
    explicit ObraAjustesPrueba(EstadoObra &estado) : m_estado(estado) {}

    int PosicionTramo(std::int16_t numero) override
    {
        for (std::size_t i = 0; i < numeros.size(); ++i) {
            if (numeros[i] == numero) {
                return static_cast<int>(i + 1);
            }
        }
        return 0;
    }
    bool CargaTramo(int posicion) override
    {
        cargas.push_back(posicion);
        m_estado.tramo = guardado;
        return true;
    }
    bool ValidaDatosTramo() override { return valida; }
    std::string TituloObra() override { return "OBRA"; }
    std::string DescripcionTramo() override { return "TRAMO"; }
    bool AjustesRehusados() const override { return sinFichero && rehusa; }
    AjustesGuardados *Ajustes() override
    {
        m_ajustes.reset();
        if (sinFichero) {
            return nullptr;
        }
        m_ajustes = std::make_unique<FicheroAjustes>(ficheros, nombre, m_estado.ejecucion);
        return m_ajustes.get();
    }
    bool GrabaUnTramoPresion(double DP, std::int16_t TramoActual, double AlturaActual,
                             const std::optional<AjusteGuardado> &eleccion) override
    {
        ++grabaciones;
        FicheroAjustes fichero(ficheros, nombre, m_estado.ejecucion);
        return static_cast<bool>(
            fichero.GrabaUnTramoPresion(DP, TramoActual, AlturaActual, eleccion));
    }

    // The entry of a case as the file holds it now.
    std::optional<AjusteGuardado> Entrada(double DP, std::int16_t tramo, double altura)
    {
        FicheroAjustes fichero(ficheros, nombre, m_estado.ejecucion);
        const std::int16_t k = fichero.BuscaAjusteGuardado(DP, tramo, altura);
        return k > 0 ? fichero.LeeAjusteGuardado(k) : std::nullopt;
    }

    std::vector<std::int16_t> numeros{1, 3}; // run 3 is second in the list
    DatosTramo guardado;
    bool valida = true;
    bool sinFichero = false;
    bool rehusa = false; // with sinFichero: refused, and told by the store
    std::string nombre = "/obras/obra.dpe";
    FicherosEnMemoria ficheros;
    std::vector<int> cargas;
    int grabaciones = 0;

private:
    EstadoObra &m_estado;
    std::unique_ptr<FicheroAjustes> m_ajustes;
};

// A design that leaves the governing forces and the chosen reinforcement given here.
class DisenoFijo final : public DisenoCasoPrueba {
public:
    ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t) override
    {
        EstadoObra &e = contexto.estado;
        casos.emplace_back(e.caso.AlturaActual, e.caso.DP);
        if (std::abs(e.caso.AlturaActual - fallaEnAltura) < 1e-9) {
            return ErrorCalculo::Con("FALLO DEL DISEÑO");
        }
        ResultadosCaso &r = e.resultados;
        r.HipotesisPesima = hipotesis;
        r.MomentosPesimos = momentos;
        r.AxilesPesimos = axiles;
        r.ArmaduraCalculadaCamisa = calculada.Camisa;
        r.ArmaduraCalculadaRefuerzo = calculada.Refuerzo;
        r.ArmaduraCalculadaExterior = calculada.Exterior;
        r.ResultadosHipotesis[1][1] = hipotesis1[0];
        r.ResultadosHipotesis[1][2] = hipotesis1[1];
        r.ResultadosHipotesis[1][3] = hipotesis1[2];
        return {};
    }
    ErrorCalculo CalculaPostesado(ContextoCalculo &, std::int32_t, std::int16_t, double) override
    {
        return {};
    }

    // Hypothesis 2 (no pressure): crown small eccentricity, haunch without forces, invert large
    // eccentricity with the exterior in tension.
    std::int16_t hipotesis = 2;
    std::array<double, 4> momentos{0, 0.05, 0, -0.3}; // t.m/m
    std::array<double, 4> axiles{0, 2, 0, 1};         // t/m
    ArmaduraElegida calculada{10, 2, 4};              // cm2/m
    std::array<double, 3> hipotesis1{0, 0, 0};        // interior, exterior, total
    double fallaEnAltura = -1;                        // m
    std::vector<std::pair<double, double>> casos;     // (H, DP) designed
};

// The window on run 3 of Ajustes: heights 1 to 3 m by 1, DP 4 to 10 at by 3 (MKS, or the same
// run in SI), covers 2.5 cm on a 12 cm wall, the table of areas 5, 10, ..., 500.
template <class Diseno = DisenoFijo> struct BancoAjustes {
    explicit BancoAjustes(bool enSI = false)
    {
        carpeta = CarpetaPrueba("dravek_ajustes");
        PreparaTramoArmado(contexto.estado, enSI, carpeta.string() + "/");
        EstadoObra &e = contexto.estado;
        PonSeparador(e.ejecucion, '.');
        for (int j = 1; j <= 100; ++j) {
            e.tablas.ArmadurasInternasPredeterminadas[static_cast<std::size_t>(j)] = 5.0 * j;
        }
        e.tablas.NumeroArmadurasInternas = 100;
        obra.guardado = e.tramo;
    }
    ~BancoAjustes() { std::filesystem::remove_all(carpeta); }
    BancoAjustes(const BancoAjustes &) = delete;
    BancoAjustes &operator=(const BancoAjustes &) = delete;

    EstadoObra &estado() { return contexto.estado; }
    // Loads the window; true when it opened.
    bool abre()
    {
        v.Form_Load();
        return v.Abierta();
    }
    // The engineer types into a row-8 box and leaves it; false when the box kept the focus.
    bool teclea(CajaTexto &caja, const std::string &texto)
    {
        ponTexto(caja, texto);
        bool Cancel = false;
        caja.Validate(Cancel);
        return !Cancel;
    }
    const std::string &texto(const CajaTexto &caja) const { return caja.Text(); }

    std::filesystem::path carpeta;
    ContextoPrueba<DepuracionNula, Diseno> contexto;
    MensajesGrabadora mensajes{Guion::Estricto};
    DepuracionAjusteGrabadora comprobacion;
    ObraAjustesPrueba obra{contexto.estado};
    frAjustes v{
        contexto.estado,
        {mensajes, obra, contexto.salida, contexto.depuracion, contexto.diseno, comprobacion}};
};

} // namespace dravek::pruebas
