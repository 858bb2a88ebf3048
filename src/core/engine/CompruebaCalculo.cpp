#include "core/engine/CompruebaCalculo.h"

#include "core/engine/PresionesCaso.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/CodigosColocacion.h"
#include "core/model/LimitesFisicos.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace dravek {

namespace {

// A next height closer than this to the final one is taken as the final one (strict), m.
constexpr double ToleranciaAlturaFinal = 0.01;

// A DP up to this much above the final DP is calculated unchanged; one that passes it by less
// than its step less the second margin gives a last case at the final DP, at.
constexpr double MargenPresionFinal = 0.2;
constexpr double MargenUltimoPaso = 0.1;

// Height and DP both at or below this: the run's whole ranges.
constexpr double LimiteLlamadaCompleta = -0.5;

// Between these a value is shown with three decimals, as the loop's messages show it; outside
// it would read 0.000 or run to a line of digits.
constexpr double MenorConDecimales = 0.0005;
constexpr double MayorConDecimales = 1e15;
constexpr int CifrasExponente = 3;

// A series of heights or DPs is followed this far at most; a longer one is counted from its
// range and step instead.
constexpr std::int64_t TopeSerie = MaximoCasosCalculo + 1;

constexpr std::int32_t TextoMDP = 165;
constexpr std::int32_t TextoDP = 166;
constexpr std::int32_t TextoAlturasPorDefecto = 172;
constexpr std::int32_t TextoTipoCamisa = 190;
constexpr std::int32_t TextoIncrementoAlturaCalculo = 234;
constexpr std::int32_t TextoDistanciaTerrenoNatural = 316;
constexpr std::int32_t TextoResistenciaTraccion = 337;
constexpr std::int32_t TextoMinoracionHormigon = 340;
constexpr std::int32_t TextoAltura = 918;
constexpr std::int32_t TextoGamaY = 998;
constexpr std::int32_t TextoNoEsNumero = 1120;
constexpr std::int32_t TextoInfinito = 1121;
constexpr std::int32_t TextoNumeroCasos = 1122;

// Conversion keys that show a value in the units of the screen.
constexpr std::string_view ClavePresion = "at->MPa";
constexpr std::string_view ClaveTension = "Kp/cm2->MPa";
constexpr std::string_view ClaveCarga = "T/M2->MPa";

// A number of a message in exponent form, with the user's separator.
std::string Exponente(const EstadoEjecucion &ejecucion, double valor)
{
    std::array<char, 32> texto{};
    const auto escrito = std::to_chars(texto.data(), texto.data() + texto.size(), valor,
                                       std::chars_format::general, CifrasExponente);
    std::string resultado;
    for (const char *p = texto.data(); p != escrito.ptr; ++p) {
        if (*p == '.') {
            resultado += ejecucion.SeparadorDecimalLocal;
        } else {
            resultado += *p;
        }
    }
    return resultado;
}

// How many cases: whole, or in exponent form when too many for whole digits.
std::string CuentaEnMensaje(const EstadoEjecucion &ejecucion, double casos)
{
    if (casos < MayorConDecimales) {
        return FormateaMascara(casos, "0", ejecucion.SeparadorDecimalLocal);
    }
    return Exponente(ejecucion, casos);
}

// The first failing field of the run gives the message; every later check does nothing.
class Comprobacion {
public:
    explicit Comprobacion(const EstadoObra &estado)
        : m_ejecucion(estado.ejecucion), m_d(estado.ejecucion.DesplazamientoIdioma)
    {
    }

    bool Falla() const { return !m_mensaje.empty(); }
    const std::string &Mensaje() const { return m_mensaje; }

    // A text of the table as a field caption: without its access-key mark, its leading blanks
    // and its trailing blanks, dots and colon.
    std::string Rotulo(std::int32_t texto) const
    {
        std::string rotulo;
        for (const char c : Texto(m_d, texto)) {
            if (c != '&') {
                rotulo += c;
            }
        }
        const std::size_t fin = rotulo.find_last_not_of(" .:");
        rotulo.erase(fin == std::string::npos ? 0 : fin + 1);
        return Recorta(rotulo);
    }

    // "Valor Incorrecto del <caption>", the wording of an invalid choice.
    std::string RotuloEleccion(std::int32_t texto) const
    {
        return Rotulo(TextoValorIncorrectoDel) + " " + Rotulo(texto);
    }

    // A value in the units of the screen: calculation units converted by its key in SI.
    std::string Valor(double valor, std::string_view clave) const
    {
        return ValorEnMensaje(m_ejecucion, ConvierteUnidad(m_ejecucion, valor, clave, 0).valor);
    }

    void Error(const std::string &rotulo, const std::string &valor)
    {
        if (!Falla()) {
            m_mensaje = Recorta(Texto(m_d, TextoError)) + ": " + rotulo + ": " + valor;
        }
    }

    void Mensaje(const std::string &mensaje)
    {
        if (!Falla()) {
            m_mensaje = mensaje;
        }
    }

    // Any number the run holds, used or not: a number at least.
    void Finito(double valor, std::int32_t texto, std::string_view clave = "")
    {
        if (!Falla() && !std::isfinite(valor)) {
            Error(Rotulo(texto), Valor(valor, clave));
        }
    }

    void Numero(double valor, Magnitud magnitud, std::int32_t texto, std::string_view clave = "")
    {
        if (!Falla() && !DentroDeLimites(magnitud, valor)) {
            Error(Rotulo(texto), Valor(valor, clave));
        }
    }

    // A step of a range: below its minimum the message says the minimum too.
    void Paso(double valor, Magnitud magnitud, std::int32_t texto, std::string_view clave = "")
    {
        if (Falla() || DentroDeLimites(magnitud, valor)) {
            return;
        }
        const double minimo = Limite(magnitud).minimo;
        std::string detalle = Valor(valor, clave);
        if (std::isfinite(valor) && valor < minimo) {
            detalle += " (" + Rotulo(TextoMinimo) + " " + Valor(minimo, clave) + ")";
        }
        Error(Rotulo(texto), detalle);
    }

    void Codigo(std::int32_t valor, std::initializer_list<std::int32_t> lista,
                const std::string &rotulo)
    {
        if (Falla()) {
            return;
        }
        for (const std::int32_t codigo : lista) {
            if (codigo == valor) {
                return;
            }
        }
        Error(rotulo, std::to_string(valor));
    }

private:
    const EstadoEjecucion &m_ejecucion;
    std::int32_t m_d;
    std::string m_mensaje;
};

// The pressures of the run, then the project's. A pressure of the set the loop does not use
// need only be a number (it decides which set is used).
void CompruebaPresiones(Comprobacion &c, const EstadoObra &estado, bool unSoloCaso)
{
    const DatosTramo &t = estado.tramo;
    const DatosObra &o = estado.obra;
    const bool rangoTramo = RangoPresionesDelTramo(t);
    const bool leyTramo = rangoTramo || t.MDPInicialTramo > 0 || t.MDPFinalTramo > 0;
    const bool rangoUsado = !unSoloCaso;

    const auto presion = [&](double valor, std::int32_t texto, bool usada) {
        if (usada) {
            c.Numero(valor, Magnitud::Presion, texto, ClavePresion);
        } else {
            c.Finito(valor, texto, ClavePresion);
        }
    };
    // A step of 0 is one DP; any other must move the DP, even one lost in the rounding of the
    // first DP, which would silently cut the range to its first DP.
    const auto paso = [&](double valor, bool usado) {
        if (usado && valor != 0) {
            c.Paso(valor, Magnitud::PasoPresion, TextoIncrementoPresion, ClavePresion);
        } else {
            c.Finito(valor, TextoIncrementoPresion, ClavePresion);
        }
    };
    presion(t.DPInicialTramo, TextoPresionInicial, leyTramo || (rangoUsado && rangoTramo));
    presion(t.DPFinalTramo, TextoPresionFinal, leyTramo || (rangoUsado && rangoTramo));
    // A run whose DP range has no extent takes no step: the step it keeps for a wider range
    // need only be a number.
    paso(t.IncrementoPresionTramo, rangoUsado && rangoTramo && t.DPFinalTramo > t.DPInicialTramo);
    presion(t.MDPInicialTramo, TextoMDPInicial, leyTramo);
    presion(t.MDPFinalTramo, TextoMDPFinal, leyTramo);
    // The run's MDP law must not fall: its validation refuses it with this message alone.
    if (t.MDPFinalTramo > 0 && t.MDPFinalTramo < t.MDPInicialTramo) {
        c.Mensaje(Texto(estado.ejecucion.DesplazamientoIdioma, TextoMDPFinalMenor));
    }
    presion(o.DPInicialObra, TextoPresionInicial, !leyTramo || (rangoUsado && !rangoTramo));
    presion(o.DPFinalObra, TextoPresionFinal, !leyTramo || (rangoUsado && !rangoTramo));
    paso(o.IncrementoPresionObra, rangoUsado && !rangoTramo);
    presion(o.MDPInicialObra, TextoMDPInicial, !leyTramo);
    presion(o.MDPFinalObra, TextoMDPFinal, !leyTramo);
}

// The reinforced-concrete materials, as the design reads them.
void CompruebaArmado(Comprobacion &c, const DatosTramo &t)
{
    c.Finito(t.ArmaduraExteriorMaxima, TextoArmaduraExteriorMaxima);
    if (t.FijaArmaduraExterior != Falso) {
        c.Numero(t.ArmaduraExteriorMaxima, Magnitud::ArmaduraMaxima, TextoArmaduraExteriorMaxima);
    }
    c.Codigo(t.TipoControl, {1, 2}, c.Rotulo(TextoTipoControl));
    c.Codigo(t.IndicadorCamisa, {1, 2}, c.Rotulo(TextoIndicadorCamisa));
    c.Numero(t.CAMMAX, Magnitud::EspesorChapa, TextoEspesorMaximoCamisa);
    c.Numero(t.FCK, Magnitud::Resistencia, TextoResistenciaHormigon, ClaveTension);
    c.Numero(t.Fct, Magnitud::Resistencia, TextoResistenciaTraccion, ClaveTension);
    c.Numero(t.Fyk, Magnitud::Resistencia, TextoResistenciaAcero, ClaveTension);
    c.Numero(t.Fyd, Magnitud::Resistencia, TextoResistenciaCalculoAcero, ClaveTension);
    c.Numero(t.GamaB, Magnitud::CoeficienteSeguridad, TextoMinoracionHormigon);
    c.Numero(t.GamaY, Magnitud::CoeficienteSeguridad, TextoGamaY);
    c.Numero(t.GamaF, Magnitud::CoeficienteSeguridad, TextoGamaF);
}

// The post-tensioned materials, as the design and its listings read them.
void CompruebaPostesado(Comprobacion &c, const DatosTramo &t)
{
    c.Finito(t.CoefPresionPrimario, TextoCoeficientePresion);
    if (t.FijaPresionPrimario != Falso) {
        c.Numero(t.CoefPresionPrimario, Magnitud::CoeficientePresion, TextoCoeficientePresion);
    }
    c.Codigo(t.TipoPostesado, {1, 2}, c.Rotulo(TextoTipoCamisa));
    c.Numero(t.Delca, Magnitud::EspesorChapa, TextoEspesorMaximo);
    c.Numero(t.Es, Magnitud::Resistencia, TextoModuloElasticidadAcero, ClaveTension);
    c.Numero(t.Ep, Magnitud::Resistencia, TextoModuloElasticidadAlambre, ClaveTension);
    c.Numero(t.Fckno, Magnitud::Resistencia, TextoResistenciaPrimarioZunchar, ClaveTension);
    c.Numero(t.Fckn, Magnitud::Resistencia, TextoResistenciaPrimarioFinal, ClaveTension);
    c.Numero(t.Fckr, Magnitud::Resistencia, TextoResistenciaRevestimiento, ClaveTension);
    c.Numero(t.SFck, Magnitud::Resistencia, TextoTensionRoturaAlambre, ClaveTension);
    c.Numero(t.Sf, Magnitud::Resistencia, TextoTensionTesado, ClaveTension);
    c.Numero(t.Rel, Magnitud::Relajacion, TextoRelajacionFinal);
    c.Numero(t.Fic, Magnitud::CoeficienteFluencia, TextoFluenciaPrimario);
    c.Numero(t.Fir, Magnitud::CoeficienteFluencia, TextoFluenciaRevestimiento);
    c.Numero(t.Epsc, Magnitud::Retraccion, TextoRetraccionPrimario);
    c.Numero(t.Epsr, Magnitud::Retraccion, TextoRetraccionRevestimiento);
}

// The section, thickness and covers as entered (cm).
void CompruebaSeccion(Comprobacion &c, const EstadoObra &estado)
{
    const DatosTramo &t = estado.tramo;
    c.Numero(t.vDi, Magnitud::DiametroTubo, TextoDiametroInterior);
    c.Numero(t.ESP, Magnitud::EspesorPared, TextoEspesor);
    c.Numero(t.RECI, Magnitud::Recubrimiento, TextoRecubrimientoInterior);
    c.Numero(t.RECE, Magnitud::Recubrimiento, TextoRecubrimientoExterior);
    // A cover is measured inside the wall.
    if (!(t.RECI < t.ESP)) {
        c.Error(c.Rotulo(TextoRecubrimientoInterior), c.Valor(t.RECI, ""));
    }
    if (!(t.RECE < t.ESP)) {
        c.Error(c.Rotulo(TextoRecubrimientoExterior), c.Valor(t.RECE, ""));
    }
    if (!DentroDeLimites(Magnitud::DiametroTubo, t.vDE) || !(t.vDE > t.vDi)) {
        c.Mensaje(MensajeErrorCargasCaso(estado, ErrorMarston::DiametroNoValido, 0));
    }
}

// The fill-height range the loop walks. A final height of 0 or less is the first
// height alone; any other below the first, or one that is not a number, would calculate
// nothing and is refused naming the range.
void CompruebaAlturas(Comprobacion &c, const EstadoObra &estado)
{
    const DatosTramo &t = estado.tramo;
    const DatosCalculo &calculo = estado.calculo;
    // The heights of the range not used need only be numbers (they decide which is used).
    const bool rangoTramo = t.AlturaInicialTramo > 0 || t.AlturaFinalTramo > 0;
    if (rangoTramo) {
        c.Finito(estado.obra.AlturaInicialObra, TextoAlturaInicial);
        c.Finito(estado.obra.AlturaFinalObra, TextoAlturaFinal);
    } else {
        c.Finito(t.AlturaInicialTramo, TextoAlturaInicial);
        c.Finito(t.AlturaFinalTramo, TextoAlturaFinal);
    }
    const std::int32_t textoRango = rangoTramo ? TextoAlturasCalculo : TextoAlturasPorDefecto;
    const std::int32_t textoPaso =
        rangoTramo ? TextoIncrementoAlturaCalculo : TextoIncrementoAltura;
    const double inicial = calculo.AlturaInicial;
    const double final = calculo.AlturaFinal;

    c.Numero(inicial, Magnitud::AlturaRelleno, TextoAlturaInicial);
    if (!std::isfinite(final) || (final > 0 && final < inicial)) {
        c.Error(c.Rotulo(textoRango), c.Valor(inicial, "") + " - " + c.Valor(final, ""));
    }
    if (final > 0) {
        c.Numero(final, Magnitud::AlturaRelleno, TextoAlturaFinal);
    }
    // A step of 0 is a single height, as the loop has always taken it.
    if (final > inicial && t.IncrementoAltura != 0) {
        c.Paso(t.IncrementoAltura, Magnitud::PasoAltura, textoPaso);
    }
}

// The installation, the fill and the loads.
void CompruebaInstalacion(Comprobacion &c, const EstadoObra &estado)
{
    const DatosTramo &t = estado.tramo;
    const std::int16_t codigo = t.CodigoColocacion;
    const bool cargasMarston = t.CalculoCargas == 1;
    const auto marston = [&](bool valido, ErrorMarston error) {
        if (!valido) {
            c.Mensaje(MensajeErrorCargasCaso(estado, error, 0));
        }
    };

    // Listed for every installation; a width for the trench kinds.
    marston(codigo < 30 ? DentroDeLimites(Magnitud::AnchoZanja, t.AnchoZanja)
                        : std::isfinite(t.AnchoZanja),
            ErrorMarston::AnchoZanjaNoValido);
    c.Numero(t.vGAMAT, Magnitud::PesoEspecifico, TextoDensidadTerreno);
    // The Marston theory needs the angle strictly inside; with a given load it only sets the
    // lateral pressure, which 0 and 90 degrees still give.
    const double phi = t.AnguloRozamiento;
    marston(DentroDeLimites(Magnitud::AnguloRozamiento, phi) &&
                (!cargasMarston || (phi > 0 && phi < 90)),
            ErrorMarston::AnguloRozamientoNoValido);
    if (codigo < 20) {
        bool valido = false;
        for (const std::int16_t relleno : CodigosRelleno) {
            valido = valido || t.TipoRelleno == relleno;
        }
        marston(valido, ErrorMarston::RellenoNoValido);
    }
    if (codigo > 20) {
        marston(DentroDeLimites(Magnitud::DistanciaTerreno, t.DistanciaTerrenoNatural),
                ErrorMarston::DistanciaTerrenoNoValida);
    }
    if (codigo > 30) {
        marston(t.IndiceAsentamiento >= 1 && t.IndiceAsentamiento <= 3,
                ErrorMarston::RazonAsentamientoNoValida);
    }
    if (!cargasMarston) {
        c.Numero(t.CargaVerticalTotal, Magnitud::CargaVertical, TextoCargaVerticalTotal,
                 ClaveCarga);
    }
    marston(t.TipoCargaConcentrada >= 0 && t.TipoCargaConcentrada <= 4,
            ErrorMarston::CargaMovilNoValida);
}

// Members of a series from its first one by its rule; past TopeSerie, counted from the range
// and the step.
template <typename Siguiente>
double CuentaSerie(double primero, double ultimo, double paso, Siguiente siguiente)
{
    double actual = primero;
    std::int64_t n = 1;
    double proximo = 0;
    while (siguiente(actual, proximo)) {
        actual = proximo;
        if (++n > TopeSerie) {
            return std::max(std::floor((ultimo - primero) / paso) + 1, static_cast<double>(n));
        }
    }
    return static_cast<double>(n);
}

// The MDP of a DP by the run's law: within the pressures' bounds.
void CompruebaMDP(Comprobacion &c, const EstadoObra &estado, double DP)
{
    const DatosCalculo &calculo = estado.calculo;
    const double MDP =
        (DP - calculo.DPInicialLey) * calculo.PendienteLeyMDP + calculo.MDPInicialLey;
    if (!DentroDeLimites(Magnitud::Presion, MDP)) {
        c.Error(c.Rotulo(TextoMDP), c.Valor(MDP, ClavePresion));
    }
}

// Heights times DPs of the whole ranges.
double CasosSerie(const EstadoObra &estado)
{
    const DatosTramo &t = estado.tramo;
    const DatosCalculo &calculo = estado.calculo;
    const double inicio = PresionInicialCasos(estado);
    const double limite = RangoPresionesDelTramo(t) ? t.DPFinalTramo : estado.obra.DPFinalObra;
    const double pasoDP = calculo.IncrementoPresion;
    const double inicial = calculo.AlturaInicial;
    const double final = calculo.AlturaFinal > 0 ? calculo.AlturaFinal : inicial;
    const double pasoAltura = t.IncrementoAltura;
    const double alturas = CuentaSerie(inicial, final, pasoAltura, [&](double H, double &proxima) {
        return AlturaSiguiente(H, final, pasoAltura, proxima);
    });
    const double presiones = CuentaSerie(
        inicio, limite + MargenPresionFinal, pasoDP, [&](double presion, double &proxima) {
            return PresionSiguiente(presion, limite, pasoDP, proxima);
        });
    return alturas * presiones;
}

// The whole ranges: the steps, every case's MDP, and how many cases.
void CompruebaSerie(Comprobacion &c, const EstadoObra &estado)
{
    const DatosTramo &t = estado.tramo;
    const DatosCalculo &calculo = estado.calculo;
    const EstadoEjecucion &ejecucion = estado.ejecucion;
    const bool rangoTramo = RangoPresionesDelTramo(t);
    const double inicio = PresionInicialCasos(estado);
    const double limite = rangoTramo ? t.DPFinalTramo : estado.obra.DPFinalObra;
    const double pasoDP = calculo.IncrementoPresion;
    c.Finito(pasoDP, TextoIncrementoPresion, ClavePresion);
    if (c.Falla()) {
        return;
    }
    const auto siguientePresion = [&](double presion, double &proxima) {
        return PresionSiguiente(presion, limite, pasoDP, proxima);
    };
    double segunda = 0;
    if (siguientePresion(inicio, segunda)) {
        c.Paso(rangoTramo ? t.IncrementoPresionTramo : estado.obra.IncrementoPresionObra,
               Magnitud::PasoPresion, TextoIncrementoPresion, ClavePresion);
    }

    const double casos = CasosSerie(estado);
    if (casos > static_cast<double>(MaximoCasosCalculo)) {
        c.Error(c.Rotulo(TextoNumeroCasos),
                CuentaEnMensaje(ejecucion, casos) + " (" + c.Rotulo(TextoMaximo) + " " +
                    CuentaEnMensaje(ejecucion, static_cast<double>(MaximoCasosCalculo)) + ")");
    }
    if (c.Falla()) {
        return;
    }
    // Every height has the same DPs.
    double DP = inicio;
    CompruebaMDP(c, estado, DP);
    while (!c.Falla() && siguientePresion(DP, DP)) {
        CompruebaMDP(c, estado, DP);
    }
}

} // namespace

std::int64_t CuentaCasos(const EstadoObra &estado)
{
    return static_cast<std::int64_t>(CasosSerie(estado));
}

bool AlturaSiguiente(double H, double alturaFinal, double paso, double &siguiente)
{
    siguiente = H;
    // The case at the final height is the last one: with a step of 0.01 m or less the snapping
    // rule would bring the next height back to the final one for ever.
    if (H == alturaFinal) {
        return false;
    }
    // A step of 0 is a single height; a negative or non-finite one would never end.
    if (!(paso > 0) || !std::isfinite(paso)) {
        return false;
    }
    double proxima = H + paso;
    if (std::abs(alturaFinal - proxima) < ToleranciaAlturaFinal) {
        proxima = alturaFinal;
    }
    if (!(proxima > H)) {
        return false;
    }
    siguiente = proxima;
    return proxima <= alturaFinal;
}

bool PresionSiguiente(double presion, double limite, double paso, double &siguiente)
{
    siguiente = presion;
    // A step of 0 is one DP per height. A negative step (a DP->MDP law whose MDP falls while DP
    // rises) or one that is not finite would never reach the end of the range: one DP too.
    if (!(paso > 0) || !std::isfinite(paso)) {
        return false;
    }
    const double proxima = presion + paso;
    if (!(proxima > presion)) {
        return false; // a step lost in the rounding of a huge DP
    }
    siguiente = proxima;
    if (proxima <= limite + MargenPresionFinal) {
        return true;
    }
    if (proxima <= limite + paso - MargenUltimoPaso) {
        siguiente = limite;
        return true;
    }
    return false;
}

std::string ValorEnMensaje(const EstadoEjecucion &ejecucion, double valor)
{
    const std::int32_t d = ejecucion.DesplazamientoIdioma;
    if (std::isnan(valor)) {
        return Texto(d, TextoNoEsNumero);
    }
    if (std::isinf(valor)) {
        std::string texto = valor < 0 ? "-" : "";
        texto += Texto(d, TextoInfinito);
        return texto;
    }
    const double magnitud = std::fabs(valor);
    if (magnitud == 0 || (magnitud >= MenorConDecimales && magnitud < MayorConDecimales)) {
        return Recorta(sNumeroDob(ejecucion, valor, 0, 3, "", false));
    }
    return Exponente(ejecucion, valor);
}

std::string MensajeErrorCargasCaso(const EstadoObra &estado, ErrorMarston error, double H)
{
    const DatosTramo &tramo = estado.tramo;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const auto valor = [&](double x) { return ValorEnMensaje(estado.ejecucion, x); };
    const auto etiqueta = [&](std::int32_t texto) { return Recorta(Texto(d, texto)); };
    std::string detalle;
    switch (error) {
    case ErrorMarston::Ninguno:
        break;
    case ErrorMarston::AlturaNoValida:
        detalle = etiqueta(TextoAltura) + ": " + valor(H); // "Altura (m)"
        break;
    case ErrorMarston::DiametroNoValido:
        detalle = etiqueta(TextoDiametroExterior) + ": " + valor(tramo.vDE); // "Diámetro Exterior"
        break;
    case ErrorMarston::AnchoZanjaNoValido:
        detalle =
            etiqueta(TextoAnchoZanja) + ": " + valor(tramo.AnchoZanja); // "Anchura Zanja (m)"
        break;
    case ErrorMarston::AnguloRozamientoNoValido:
        detalle = etiqueta(
            TextoAnguloRozamientoFueraRango); // "Angulo de Rozamiento debe estar entre 0º y 90º"
        break;
    case ErrorMarston::DistanciaTerrenoNoValida:
    case ErrorMarston::SinConvergencia:
    case ErrorMarston::ResultadoNoFinito:
        // The plane of equal settlement is found from h' / Bc: an h' of 0, or one so large that
        // the load overflows, is what these faults come from.
        detalle =
            etiqueta(TextoDistanciaTerrenoNatural) + ": " + valor(tramo.DistanciaTerrenoNatural);
        break;
    case ErrorMarston::RellenoNoValido:
        detalle = etiqueta(TextoValorIncorrectoDel) + " " + etiqueta(TextoTipoRelleno) +
                  " " + // "Valor Incorrecto del Tipo..."
                  std::to_string(tramo.TipoRelleno);
        break;
    case ErrorMarston::RazonAsentamientoNoValida:
        detalle = etiqueta(TextoRazonAsentamientoIncorrecta) + ": " +
                  std::to_string(tramo.IndiceAsentamiento);
        break;
    case ErrorMarston::CargaMovilNoValida:
        detalle = etiqueta(TextoCargaConcentradaIncorrecta) + ": " +
                  std::to_string(tramo.TipoCargaConcentrada);
        break;
    }
    return etiqueta(TextoError) + ": " + detalle; // "ERROR"
}

ErrorCalculo CompruebaDatosCalculo(const EstadoObra &estado, double altura, double dp)
{
    const DatosTramo &t = estado.tramo;
    const bool unSoloCaso = altura > LimiteLlamadaCompleta || dp > LimiteLlamadaCompleta;
    Comprobacion c(estado);

    CompruebaPresiones(c, estado, unSoloCaso);
    if (t.EsArmado != Falso) {
        c.Codigo(t.Tipologia, {1100, 1210, 1220}, c.Rotulo(TextoSinTipologia));
        CompruebaArmado(c, t);
    } else {
        c.Codigo(t.Tipologia, {2100, 2211, 2212, 2221, 2222}, c.Rotulo(TextoSinTipologia));
        CompruebaPostesado(c, t);
    }
    CompruebaSeccion(c, estado);
    c.Numero(t.vGAMAB, Magnitud::PesoEspecifico, TextoDensidadMaterialTubo);
    c.Codigo(t.vICUNA, {1, 2, 3, 4}, c.RotuloEleccion(TextoTipoApoyo));
    c.Codigo(t.CodigoColocacion,
             {ZanjaSinCompactar, ZanjaCompactada, ZanjaTerraplenSinCompactar,
              ZanjaTerraplenCompactada, Terraplen},
             c.RotuloEleccion(TextoTipoColocacion));
    CompruebaAlturas(c, estado);
    CompruebaInstalacion(c, estado);

    if (unSoloCaso) {
        if (!DentroDeLimites(Magnitud::AlturaRelleno, altura)) {
            c.Mensaje(MensajeErrorCargasCaso(estado, ErrorMarston::AlturaNoValida, altura));
        }
        c.Numero(dp, Magnitud::Presion, TextoDP, ClavePresion);
        if (!c.Falla()) {
            CompruebaMDP(c, estado, dp);
        }
    } else if (!c.Falla()) {
        CompruebaSerie(c, estado);
    }

    if (c.Falla()) {
        return ErrorCalculo::Con(c.Mensaje());
    }
    return {};
}

} // namespace dravek
