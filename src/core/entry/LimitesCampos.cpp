#include "core/entry/LimitesCampos.h"

#include "core/engine/CompruebaCalculo.h"
#include "core/entry/AyudasManejadores.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextosComunes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace dravek {

using namespace manejadores;

namespace {

// The friction angle is left to its box's own check, which refuses more than 90 degrees with
// a message of its own.
using M = Magnitud;
constexpr std::array<std::pair<std::string_view, Magnitud>, 50> MagnitudesCajas{{
    {"edPrs1", M::Presion},
    {"edPrs2", M::Presion},
    {"edPrs3", M::PasoPresion},
    {"edPrsM1", M::Presion},
    {"edPrsM2", M::Presion},
    {"edAlt1", M::AlturaRelleno},
    {"edAlt2", M::AlturaRelleno},
    {"edAlt3", M::PasoAltura},
    {"edPrsM1Tram", M::Presion},
    {"edPrsM2Tram", M::Presion},
    {"edPrs1Tram", M::Presion},
    {"edPrs2Tram", M::Presion},
    {"edPrs3Tram", M::PasoPresion},
    {"edAdato", M::ArmaduraMaxima},
    {"edCamMax", M::EspesorChapa},
    {"edFck", M::Resistencia},
    {"edFct", M::Resistencia},
    {"edFyk", M::Resistencia},
    {"edFyd", M::Resistencia},
    {"edGamaB", M::CoeficienteSeguridad},
    {"edGamaY", M::CoeficienteSeguridad},
    {"edGamaF", M::CoeficienteSeguridad},
    {"edCoepre1", M::CoeficientePresion},
    {"edDelca", M::EspesorChapa},
    {"edEs", M::Resistencia},
    {"edEp", M::Resistencia},
    {"edFYKPost", M::Resistencia},
    {"edFckno", M::Resistencia},
    {"edFckn", M::Resistencia},
    {"edFckr", M::Resistencia},
    {"edSFck", M::Resistencia},
    {"edSf", M::Resistencia},
    {"edRel", M::Relajacion},
    {"edFic", M::CoeficienteFluencia},
    {"edFir", M::CoeficienteFluencia},
    {"edEpsc", M::Retraccion},
    {"edEpsr", M::Retraccion},
    {"edDi0", M::DiametroTubo},
    {"edEsp0", M::EspesorPared},
    {"edReci0", M::Recubrimiento},
    {"edRece0", M::Recubrimiento},
    {"edDe0", M::DiametroTubo},
    {"edGc0", M::PesoEspecifico},
    {"edHr0", M::AlturaRelleno},
    {"edHr0Final", M::AlturaRelleno},
    {"edHr0Delta", M::PasoAltura},
    {"edB0", M::AnchoZanja},
    {"edGr0", M::PesoEspecifico},
    {"edHr1", M::DistanciaTerreno},
    {"edQDato0", M::CargaVertical},
}};

constexpr int DecimalesMaximos = 9;

int Decimales(std::string_view mascara)
{
    const std::size_t punto = mascara.find('.');
    return punto == std::string_view::npos ? 0 : static_cast<int>(mascara.size() - punto - 1);
}

} // namespace

std::string CotaComoLaCaja(const CapturaDatos &v, double cota, std::string_view mascara)
{
    const EstadoEjecucion &ejecucion = v.estado().ejecucion;
    if (!std::isfinite(cota)) {
        return ValorEnMensaje(ejecucion, cota);
    }
    int decimales = Decimales(mascara);
    // The fewest decimals, from the mask's on, that write the bound itself.
    const double tolerancia = 1e-9 * std::max(1.0, std::fabs(cota));
    while (decimales < DecimalesMaximos) {
        const double escala = std::pow(10.0, decimales);
        if (std::fabs(std::round(cota * escala) / escala - cota) <= tolerancia) {
            break;
        }
        ++decimales;
    }
    const std::string mascaraCota =
        decimales > 0 ? "0." + std::string(static_cast<std::size_t>(decimales), '0') : "0";
    return Recorta(FormateaMascara(cota, mascaraCota, ejecucion.SeparadorDecimalLocal));
}

std::optional<Magnitud> MagnitudCaja(std::string_view caja)
{
    for (const auto &[nombre, magnitud] : MagnitudesCajas) {
        if (nombre == caja) {
            return magnitud;
        }
    }
    return std::nullopt;
}

bool CompruebaLimitesCaja(CapturaDatos &v, std::string_view caja, double &variable,
                          double anterior, const std::string &caption)
{
    const std::optional<Magnitud> magnitud = MagnitudCaja(caja);
    const CampoNumerico *campo = BuscaCampo(caja);
    if (!magnitud || campo == nullptr || variable == 0) {
        return true;
    }
    const EstadoEjecucion &ejecucion = v.estado().ejecucion;
    const double factor = EnSI(ejecucion) ? FactorUnidad(campo->unidad) : 1.0;
    if (DentroDeLimites(*magnitud, variable * factor)) {
        return true;
    }
    const LimiteFisico &limite = Limite(*magnitud);
    const bool porArriba = !std::isfinite(variable) || variable * factor > limite.maximo;
    const double cota = (porArriba ? limite.maximo : limite.minimo) / factor;
    Avisa(v,
          Recorta(T(v, TextoValorIncorrecto)) + " (" +
              T(v, porArriba ? TextoMaximo : TextoMinimo) + " " +
              CotaComoLaCaja(v, cota, campo->mascara(EnSI(ejecucion))) + ")",
          caption);
    // The box shows what it holds again, not the number it refused.
    variable = anterior;
    ponTexto(campo->control(v), anterior != 0
                                    ? Formato(v, anterior, campo->mascara(EnSI(ejecucion)))
                                    : std::string());
    return false;
}

} // namespace dravek
