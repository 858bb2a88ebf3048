#include "core/entry/CamposCaptura.h"

#include "core/entry/CapturaDatos.h"
#include "core/model/CodigosColocacion.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace dravek {

namespace {

constexpr VariableCampo DeObra(double DatosObra::*miembro)
{
    return {miembro, nullptr};
}

constexpr VariableCampo DeTramo(double DatosTramo::*miembro)
{
    return {nullptr, miembro};
}

using U = UnidadCampo;
using L = NivelLimpieza;
using VS = ValoresSI;
using T = DatosTramo;
using O = DatosObra;

constexpr std::string_view M2 = "#####0.00";
constexpr std::string_view M3 = "#####0.000";
constexpr std::string_view M1 = "#####0.0";
constexpr std::string_view M0 = "#####0";
constexpr std::string_view M7 = "######0";
constexpr std::string_view M4 = "######0.0000";

// Strengths are whole kp/cm2 in MKS and tenths of MPa in SI.
const CampoNumerico Campos[] = {
    // Project ranges.
    {"edPrs1", DeObra(&O::DPInicialObra), U::Presion, &VS::DPInicialObraSI, {}, L::Obra, M2, M2},
    {"edPrs2", DeObra(&O::DPFinalObra), U::Presion, &VS::DPFinalObraSI, {}, L::Obra, M2, M2},
    {"edPrs3",
     DeObra(&O::IncrementoPresionObra),
     U::Presion,
     &VS::IncrementoPresionObraSI,
     {},
     L::Obra,
     M2,
     M2},
    {"edPrsM1",
     DeObra(&O::MDPInicialObra),
     U::Presion,
     &VS::MDPInicialObraSI,
     {},
     L::Obra,
     M2,
     M2},
    {"edPrsM2", DeObra(&O::MDPFinalObra), U::Presion, &VS::MDPFinalObraSI, {}, L::Obra, M2, M2},
    {"edAlt1", DeObra(&O::AlturaInicialObra), U::Metro, nullptr, 3.0, L::Obra, M2, M2},
    {"edAlt2", DeObra(&O::AlturaFinalObra), U::Metro, nullptr, {}, L::Obra, M2, M2},
    {"edAlt3", DeObra(&O::IncrementoAlturaObra), U::Metro, nullptr, {}, L::Obra, M2, M2},
    // Run pressures; 0 means the project's.
    {"edPrsM1Tram",
     DeTramo(&T::MDPInicialTramo),
     U::Presion,
     &VS::MDPInicialTramoSI,
     {},
     L::Completa,
     M2,
     M2},
    {"edPrsM2Tram",
     DeTramo(&T::MDPFinalTramo),
     U::Presion,
     &VS::MDPFinalTramoSI,
     {},
     L::Completa,
     M2,
     M2},
    {"edPrs1Tram",
     DeTramo(&T::DPInicialTramo),
     U::Presion,
     &VS::DPInicialTramoSI,
     {},
     L::Completa,
     M2,
     M2},
    {"edPrs2Tram",
     DeTramo(&T::DPFinalTramo),
     U::Presion,
     &VS::DPFinalTramoSI,
     {},
     L::Completa,
     M2,
     M2},
    {"edPrs3Tram",
     DeTramo(&T::IncrementoPresionTramo),
     U::Presion,
     &VS::IncrementoPresionTramoSI,
     {},
     L::Completa,
     M2,
     M2},
    // Reinforced-concrete materials.
    {"edAdato",
     DeTramo(&T::ArmaduraExteriorMaxima),
     U::AreaMetro,
     nullptr,
     {},
     L::Materiales,
     M3,
     M3},
    {"edCamMax", DeTramo(&T::CAMMAX), U::Milimetro, nullptr, 6.0, L::Materiales, M1, M1},
    {"edFck", DeTramo(&T::FCK), U::Tension, &VS::FckSI, 350.0, L::Materiales, M0, M1},
    {"edFct", DeTramo(&T::Fct), U::Tension, &VS::FctSI, {}, L::Materiales, M0, M1},
    {"edFyk", DeTramo(&T::Fyk), U::Tension, &VS::FykSI, 2100.0, L::Materiales, M0, M1},
    {"edFyd", DeTramo(&T::Fyd), U::Tension, &VS::FydSI, 1400.0, L::Materiales, M0, M1},
    {"edGamaB", DeTramo(&T::GamaB), U::Ninguna, nullptr, 1.5, L::Materiales, M2, M2},
    {"edGamaY", DeTramo(&T::GamaY), U::Ninguna, nullptr, 1.1, L::Materiales, M2, M2},
    {"edGamaF", DeTramo(&T::GamaF), U::Ninguna, nullptr, 1.5, L::Materiales, M2, M2},
    // Post-tensioned materials.
    {"edCoepre1",
     DeTramo(&T::CoefPresionPrimario),
     U::Ninguna,
     nullptr,
     {},
     L::Materiales,
     M3,
     M3},
    {"edDelca", DeTramo(&T::Delca), U::Milimetro, nullptr, 1.5, L::Materiales, M2, M2},
    {"edEs", DeTramo(&T::Es), U::Tension, &VS::EsSI, 2100000.0, L::Materiales, M7, M7},
    {"edEp", DeTramo(&T::Ep), U::Tension, &VS::EpSI, 2000000.0, L::Materiales, M7, M7},
    {"edFYKPost", DeTramo(&T::FykPost), U::Tension, &VS::FykPostSI, 2100.0, L::Ninguna, M0, M1},
    {"edFckno", DeTramo(&T::Fckno), U::Tension, &VS::FcknoSI, 300.0, L::Materiales, M2, M2},
    {"edFckn", DeTramo(&T::Fckn), U::Tension, &VS::FcknSI, 400.0, L::Materiales, M2, M2},
    {"edFckr", DeTramo(&T::Fckr), U::Tension, &VS::FckrSI, 350.0, L::Materiales, M2, M2},
    {"edSFck", DeTramo(&T::SFck), U::Tension, &VS::SFckSI, 17000.0, L::Materiales, M0, M0},
    {"edSf", DeTramo(&T::Sf), U::Tension, &VS::SfSI, 12750.0, L::Materiales, M0, M0},
    {"edRel", DeTramo(&T::Rel), U::Porcentaje, nullptr, 2.0, L::Materiales, M2, M2},
    {"edFic", DeTramo(&T::Fic), U::Ninguna, nullptr, 1.5, L::Materiales, M3, M3},
    {"edFir", DeTramo(&T::Fir), U::Ninguna, nullptr, 0.75, L::Materiales, M3, M3},
    {"edEpsc", DeTramo(&T::Epsc), U::Ninguna, nullptr, 0.0002, L::Materiales, M4, M4},
    {"edEpsr", DeTramo(&T::Epsr), U::Ninguna, nullptr, 0.0003, L::Materiales, M4, M4},
    // Section.
    {"edDi0", DeTramo(&T::vDi), U::Metro, nullptr, {}, L::Completa, M3, M3},
    {"edEsp0", DeTramo(&T::ESP), U::Centimetro, nullptr, {}, L::Completa, M1, M1},
    {"edReci0", DeTramo(&T::RECI), U::Centimetro, nullptr, {}, L::Completa, M1, M1},
    {"edRece0", DeTramo(&T::RECE), U::Centimetro, nullptr, {}, L::Completa, M1, M1},
    {"edDe0", DeTramo(&T::vDE), U::Metro, nullptr, {}, L::Completa, M3, M3},
    {"edGc0", DeTramo(&T::vGAMAB), U::Densidad, nullptr, 2.5, L::Completa, M2, M2},
    // Run fill heights; 0 means the project's.
    {"edHr0", DeTramo(&T::AlturaInicialTramo), U::Metro, nullptr, {}, L::Completa, M2, M2},
    {"edHr0Final", DeTramo(&T::AlturaFinalTramo), U::Metro, nullptr, {}, L::Completa, M2, M2},
    {"edHr0Delta", DeTramo(&T::IncrementoAltura), U::Metro, nullptr, {}, L::Completa, M2, M2},
    // Installation and fill.
    {"edB0", DeTramo(&T::AnchoZanja), U::Metro, nullptr, {}, L::Completa, M3, M3},
    {"edGr0", DeTramo(&T::vGAMAT), U::Densidad, nullptr, 1.8, L::Completa, M2, M2},
    {"edFi0", DeTramo(&T::AnguloRozamiento), U::Grado, nullptr, 30.0, L::Completa, M2, M2},
    {"edHr1", DeTramo(&T::DistanciaTerrenoNatural), U::Metro, nullptr, {}, L::Completa, M3, M3},
    // Loads; 0 means the loads are computed.
    {"edQDato0", DeTramo(&T::CargaVerticalTotal), U::Carga, &VS::QDatoSI, {}, L::Completa, M2, M2},
};

const CampoCodigo Codigos[] = {
    {"edTipoControl", &T::TipoControl, 113, 2, {1, 2}, 0},
    {"edTipoCamisa", &T::IndicadorCamisa, 115, 2, {1, 2}, 1},
    {"edTipoCuna0", &T::vICUNA, 117, 2, {1, 2}, 0},
    {"edTipoApoyo0", &T::CodigoColocacion, 119, 2, {ZanjaSinCompactar, ZanjaCompactada}, 1},
    {"edICar0", &T::TipoCargaConcentrada, 121, 5, {0, 1, 2, 3, 4}, EntradaCargaMovilInicial},
    {"edTipoRelleno0", &T::TipoRelleno, 126, 5, CodigosRelleno, 2},
    {"edIAs", &T::IndiceAsentamiento, 131, 3, {1, 2, 3}, -1},
};

} // namespace

double FactorUnidad(UnidadCampo unidad)
{
    switch (unidad) {
    case UnidadCampo::Presion:
    case UnidadCampo::Tension:
        return FactorTensiones;
    case UnidadCampo::Carga:
        return FactorCargas;
    default:
        return 1.0;
    }
}

double FctDeFck(double FCK, bool enSI)
{
    const double mks = enSI ? FCK * FactorTensiones : FCK;
    const double fct = 0.45 * std::cbrt(mks * mks);
    return enSI ? fct / FactorTensiones : fct;
}

double CampoNumerico::defectoEn(bool enSI) const
{
    const double mks = defecto.value_or(0.0);
    return enSI ? mks / FactorUnidad(unidad) : mks;
}

ControlTexto &CampoNumerico::control(CapturaDatos &ventana) const
{
    return dynamic_cast<ControlTexto &>(ventana.ControlLlamado(std::string(caja)));
}

std::span<const CampoNumerico> CamposNumericos()
{
    return Campos;
}

const CampoNumerico *BuscaCampo(std::string_view caja)
{
    const auto it = std::find_if(std::begin(Campos), std::end(Campos),
                                 [caja](const CampoNumerico &c) { return c.caja == caja; });
    return it == std::end(Campos) ? nullptr : &*it;
}

Lista &CampoCodigo::control(CapturaDatos &ventana) const
{
    return dynamic_cast<Lista &>(ventana.ControlLlamado(std::string(lista)));
}

std::span<const CampoCodigo> CamposCodigo()
{
    return Codigos;
}

const CampoCodigo *BuscaCampoCodigo(std::string_view lista)
{
    const auto it = std::find_if(std::begin(Codigos), std::end(Codigos),
                                 [lista](const CampoCodigo &c) { return c.lista == lista; });
    return it == std::end(Codigos) ? nullptr : &*it;
}

} // namespace dravek
