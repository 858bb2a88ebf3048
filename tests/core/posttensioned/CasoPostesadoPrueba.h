#pragma once

// The post-tensioned case the section tests share, and a writer that records every failure.

#include "core/model/EstadoObra.h"
#include "core/model/EstadoPostesado.h"
#include "core/posttensioned/FallosPostesado.h"
#include "core/posttensioned/mdPreten.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dravek::pruebas {

struct FalloEscrito {
    std::string texto;
    std::int32_t numeroCaso = 0;
    std::int16_t hipotesis = 0;
    std::int16_t pasada = 0;
};

class FallosGrabadora : public EscritorFallosPostesado {
public:
    void EscribeErrorPostesado(const std::string &texto, std::int32_t numeroCaso,
                               std::int16_t hipotesis, std::int16_t pasada) override
    {
        escritos.push_back({texto, numeroCaso, hipotesis, pasada});
    }
    std::vector<FalloEscrito> escritos;
};

inline constexpr std::int32_t CasoPrueba = 7;

// The program's own failure texts of the design, in Spanish.
inline const std::string MensajePPNoDeterminada = "PRESION DE PRUEBA EN FABRICA NO DETERMINADA";
inline const std::string MensajePPSinLimite = "PRESION DE PRUEBA EN FABRICA SIN LIMITE";
inline const std::string MensajePPNegativa = "PRESION DE PRUEBA EN FABRICA NEGATIVA";
inline const std::string MensajeRadiosNoValidos =
    "RADIOS NO VALIDOS: EL PRIMARIO O EL REVESTIMIENTO NO TIENE ESPESOR";
inline const std::string MensajeDatosNoValidos =
    "DATOS DE POSTESADO NO VALIDOS: RESULTADO NO CALCULABLE";

// A pipe of 1000 mm inner diameter with a 75 mm core around a 1.5 mm steel cylinder 10 mm
// from the bore, and a 25 mm coating; core 250 kp/cm2 at wrapping and 400 final, coating 350;
// wire of 17000 kp/cm2 ultimate stress stressed to 11900. DP 4, MDP 5, STP 6 kp/cm2.
inline EstadoObra EstadoCasoPrueba()
{
    EstadoObra estado;
    estado.calculo.RadioInterior = 50.0;
    estado.calculo.RadioCamisa = 51.0;
    estado.calculo.RadioNucleo = 57.5;
    estado.calculo.RadioExterior = 60.0;
    estado.tramo.Delca = 0.15;
    estado.tramo.Tipologia = 2211;
    estado.tramo.TipoPostesado = 1;
    estado.tramo.Fckno = 250;
    estado.tramo.Fckn = 400;
    estado.tramo.Fckr = 350;
    estado.tramo.Es = 2.1e6;
    estado.tramo.Ep = 2.0e6;
    estado.tramo.SFck = 17000;
    estado.tramo.Sf = 11900;
    estado.tramo.Rel = 5;
    estado.tramo.Fic = 2.0;
    estado.tramo.Fir = 2.0;
    estado.tramo.Epsc = 0.0002;
    estado.tramo.Epsr = 0.0003;
    estado.caso.DP = 4;
    estado.caso.MDP = 5;
    estado.caso.STP = 6;
    return estado;
}

// Derives the case's values and sets hypothesis h of pass 1 with the wire to start from and
// the same forces at every hypothesis: crown 300, haunch -250, invert 350 kp.cm/cm with
// -20, -25, -18 kp/cm.
inline void PreparaHipotesis(EstadoObra &estado, std::int16_t h, double FIPR, double NESP,
                             std::int16_t IndiceAlambre, std::int16_t FijaPresionPrimario = 0,
                             double CoefPresionPrimario = 0)
{
    EstadoPostesado &p = estado.postesado;
    p.datos = PreparaDatosPostesado(estado, FijaPresionPrimario, CoefPresionPrimario);
    p.FIPR = FIPR;
    p.NESP = NESP;
    p.IndiceAlambre = IndiceAlambre;
    p.NumeroHipotesis = h;
    p.NumeroPasada = 1;
    p.MomentoHipotesis = {0, 300, -250, 350};
    p.AxilHipotesis = {0, -20, -25, -18};
}

} // namespace dravek::pruebas
