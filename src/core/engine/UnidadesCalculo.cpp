#include "core/engine/UnidadesCalculo.h"

#include "core/engine/PresionesCaso.h"
#include "core/model/TextoPlano.h"

#include <array>
#include <cmath>

namespace dravek {

namespace {

// The data-entry window keeps SistemaUnidades in step with its unit option (SI selected).
bool SIEnPantalla(const EstadoObra &estado)
{
    return IgualSinMayusculas(estado.ejecucion.SistemaUnidades, "SI");
}

// Concrete tensile strength the calculation uses, kp/cm2, from the compressive one in kp/cm2.
// The formula is not homogeneous in units, so it is applied in kp/cm2 only: the SI value shown
// is this one converted, never the formula applied to MPa.
double ResistenciaTraccion(double fck)
{
    return 0.45 * std::cbrt(fck * fck);
}

struct CampoConvertido {
    double &trabajo; // working value, units of the screen or of the calculation
    double &copiaSI;
    double factor; // MKS value / SI value
};

// Every unit-dependent field but Fct, which in SI is recomputed from FCK.
std::array<CampoConvertido, 22> CamposConvertidos(EstadoObra &estado)
{
    DatosObra &o = estado.obra;
    DatosTramo &t = estado.tramo;
    ValoresSI &si = estado.valoresSI;
    return {{
        {o.DPInicialObra, si.DPInicialObraSI, FactorTensiones},
        {o.DPFinalObra, si.DPFinalObraSI, FactorTensiones},
        {o.IncrementoPresionObra, si.IncrementoPresionObraSI, FactorTensiones},
        {o.MDPInicialObra, si.MDPInicialObraSI, FactorTensiones},
        {o.MDPFinalObra, si.MDPFinalObraSI, FactorTensiones},
        {t.DPInicialTramo, si.DPInicialTramoSI, FactorTensiones},
        {t.DPFinalTramo, si.DPFinalTramoSI, FactorTensiones},
        {t.IncrementoPresionTramo, si.IncrementoPresionTramoSI, FactorTensiones},
        {t.MDPInicialTramo, si.MDPInicialTramoSI, FactorTensiones},
        {t.MDPFinalTramo, si.MDPFinalTramoSI, FactorTensiones},
        {t.FCK, si.FckSI, FactorTensiones},
        {t.Fyk, si.FykSI, FactorTensiones},
        {t.Fyd, si.FydSI, FactorTensiones},
        {t.Es, si.EsSI, FactorTensiones},
        {t.Ep, si.EpSI, FactorTensiones},
        {t.Fckno, si.FcknoSI, FactorTensiones},
        {t.Fckn, si.FcknSI, FactorTensiones},
        {t.Fckr, si.FckrSI, FactorTensiones},
        {t.SFck, si.SFckSI, FactorTensiones},
        {t.Sf, si.SfSI, FactorTensiones},
        {t.FykPost, si.FykPostSI, FactorTensiones},
        {t.CargaVerticalTotal, si.QDatoSI, FactorCargas},
    }};
}

// The entered pressure increment is an increment of MDP; divided by the law's slope it becomes
// the DP step, so consecutive cases differ by the entered increment in MDP. A law whose MDP does
// not rise with DP (slope 0, negative or not finite), or an increment that is not a positive
// number, gives no usable step: the step is then 0, and the case loop calculates one DP per
// height instead of dividing by zero or never reaching the final DP.
double PasoPresion(const EstadoObra &estado)
{
    const DatosTramo &tramo = estado.tramo;
    const bool rangoTramo = RangoPresionesDelTramo(tramo);
    // A run's DP range without extent is one DP, whatever step the run keeps for a wider range:
    // that step would otherwise add DPs up to the margin above the final one.
    if (rangoTramo && !(tramo.DPFinalTramo > tramo.DPInicialTramo)) {
        return 0;
    }
    const double incremento =
        rangoTramo ? tramo.IncrementoPresionTramo : estado.obra.IncrementoPresionObra;
    const double pendiente = estado.calculo.PendienteLeyMDP;
    if (!(std::isfinite(pendiente) && pendiente > 0) ||
        !(std::isfinite(incremento) && incremento > 0)) {
        return 0;
    }
    const double paso = incremento / pendiente;
    return std::isfinite(paso) ? paso : 0;
}

void ParaCalculo(EstadoObra &estado)
{
    DatosTramo &tramo = estado.tramo;
    ValoresSI &si = estado.valoresSI;
    if (SIEnPantalla(estado)) {
        for (CampoConvertido &campo : CamposConvertidos(estado)) {
            campo.copiaSI = campo.trabajo;
            campo.trabajo *= campo.factor;
        }
        tramo.Fct = ResistenciaTraccion(tramo.FCK);
    } else {
        for (CampoConvertido &campo : CamposConvertidos(estado)) {
            campo.copiaSI = campo.trabajo / campo.factor;
        }
    }
    si.FctSI = tramo.Fct / FactorTensiones;
}

void ParaPantalla(EstadoObra &estado)
{
    if (!SIEnPantalla(estado)) {
        return;
    }
    for (CampoConvertido &campo : CamposConvertidos(estado)) {
        campo.trabajo = campo.copiaSI;
    }
    estado.tramo.Fct = estado.valoresSI.FctSI;
}

} // namespace

void ConvierteUnidades(EstadoObra &estado, std::string_view modo)
{
    bool &enUnidadesCalculo = estado.ejecucion.EnUnidadesCalculo;
    if (IgualSinMayusculas(modo, "ParaCalculo")) {
        if (!enUnidadesCalculo) {
            ParaCalculo(estado);
            enUnidadesCalculo = true;
        }
        PreparaLeyMDP(estado);
        estado.calculo.IncrementoPresion = PasoPresion(estado);
    } else {
        // The law points and the DP step stay as the calculation left them.
        if (enUnidadesCalculo) {
            ParaPantalla(estado);
            enUnidadesCalculo = false;
        }
    }
}

GuardaUnidadesCalculo::GuardaUnidadesCalculo(EstadoObra &estado) : m_estado(estado)
{
    if (!m_estado.ejecucion.EnUnidadesCalculo) {
        ConvierteUnidades(m_estado, "ParaCalculo");
        m_convertido = true;
    }
}

GuardaUnidadesCalculo::~GuardaUnidadesCalculo()
{
    if (m_convertido) {
        ConvierteUnidades(m_estado, "ParaPantalla");
    }
}

} // namespace dravek
