#pragma once

#include "apoyo/DisenoCasoPrueba.h"
#include "core/engine/ContextoCalculo.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace dravek::pruebas {

// What a design was called with, and the state the case loop had left for it.
struct LlamadaDiseno {
    bool armado = true; // CalculaArmado (true) or CalculaPostesado
    std::int32_t numeroCaso = 0;
    std::int16_t FijaPresionPrimario = 0;
    double CoefPresionPrimario = 0;
    // Case values.
    std::int32_t NumeroCaso = 0;
    std::int32_t ContadorCasos = 0;
    bool PrimerCaso = false;
    bool NuevaAltura = false;
    double DP = 0;           // at
    double MDP = 0;          // at
    double AlturaActual = 0; // m
    double vQ = 0;           // t/m2
    double vQH = 0;          // t/m2
    double CargaMovil = 0;   // t/m2
    double CargaNoAdoptada = 0;
    // Geometry as the designs see it.
    double Delca = 0; // cm
    double ESP = 0;   // m
    double RECI = 0;  // m
    double RECE = 0;  // m
    std::int16_t vICUNA = 0;
    double RadioExterior = 0; // cm
    double RadioInterior = 0; // cm
    double RadioCamisa = 0;   // cm
    double RadioNucleo = 0;   // cm
    double Epsc = 0;
    double Epsr = 0;
    // Listing counters.
    std::int32_t LineasRestantes = 0;
    std::int32_t LineasImpresas = 0;
};

// Records every design call of the case loop. It can fail a chosen call with an error or an
// exception, to prove what the loop does then.
class DisenoCasoGrabador : public DisenoCasoPrueba {
public:
    ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso) override
    {
        return Graba(contexto, numeroCaso, true, 0, 0);
    }

    ErrorCalculo CalculaPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                                  std::int16_t FijaPresionPrimario,
                                  double CoefPresionPrimario) override
    {
        return Graba(contexto, numeroCaso, false, FijaPresionPrimario, CoefPresionPrimario);
    }

    // The call numbered n (from 1) returns this error after recording itself.
    void FallaEnLlamada(std::size_t n, std::string mensaje)
    {
        m_llamadaFallida = n;
        m_mensaje = std::move(mensaje);
    }
    // The call numbered n (from 1) throws std::runtime_error after recording itself.
    void LanzaEnLlamada(std::size_t n) { m_llamadaQueLanza = n; }

    const std::vector<LlamadaDiseno> &llamadas() const { return m_llamadas; }

    // The fill height and DP of every call, in order.
    std::vector<double> alturas() const
    {
        std::vector<double> resultado;
        for (const LlamadaDiseno &l : m_llamadas) {
            resultado.push_back(l.AlturaActual);
        }
        return resultado;
    }
    std::vector<double> presiones() const
    {
        std::vector<double> resultado;
        for (const LlamadaDiseno &l : m_llamadas) {
            resultado.push_back(l.DP);
        }
        return resultado;
    }

private:
    ErrorCalculo Graba(ContextoCalculo &contexto, std::int32_t numeroCaso, bool armado,
                       std::int16_t fija, double coeficiente)
    {
        const EstadoObra &e = contexto.estado;
        LlamadaDiseno l;
        l.armado = armado;
        l.numeroCaso = numeroCaso;
        l.FijaPresionPrimario = fija;
        l.CoefPresionPrimario = coeficiente;
        l.NumeroCaso = e.caso.NumeroCaso;
        l.ContadorCasos = e.caso.ContadorCasos;
        l.PrimerCaso = e.caso.PrimerCaso;
        l.NuevaAltura = e.caso.NuevaAltura;
        l.DP = e.caso.DP;
        l.MDP = e.caso.MDP;
        l.AlturaActual = e.caso.AlturaActual;
        l.vQ = e.caso.vQ;
        l.vQH = e.caso.vQH;
        l.CargaMovil = e.caso.CargaMovil;
        l.CargaNoAdoptada = e.caso.CargaNoAdoptada;
        l.Delca = e.tramo.Delca;
        l.ESP = e.tramo.ESP;
        l.RECI = e.tramo.RECI;
        l.RECE = e.tramo.RECE;
        l.vICUNA = e.tramo.vICUNA;
        l.RadioExterior = e.calculo.RadioExterior;
        l.RadioInterior = e.calculo.RadioInterior;
        l.RadioCamisa = e.calculo.RadioCamisa;
        l.RadioNucleo = e.calculo.RadioNucleo;
        l.Epsc = e.tramo.Epsc;
        l.Epsr = e.tramo.Epsr;
        l.LineasRestantes = e.listado.LineasRestantes;
        l.LineasImpresas = e.listado.LineasImpresas;
        m_llamadas.push_back(l);

        const std::size_t n = m_llamadas.size();
        if (n == m_llamadaQueLanza) {
            throw std::runtime_error("fallo del diseno");
        }
        if (n == m_llamadaFallida) {
            return ErrorCalculo::Con(m_mensaje);
        }
        return {};
    }

    std::vector<LlamadaDiseno> m_llamadas;
    std::size_t m_llamadaFallida = 0;
    std::size_t m_llamadaQueLanza = 0;
    std::string m_mensaje;
};

} // namespace dravek::pruebas
