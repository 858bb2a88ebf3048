#include "core/entry/ValidacionTramo.h"

#include "core/engine/PresionesCaso.h"
#include "core/entry/AyudasValidacion.h"
#include "core/entry/CambioTipologia.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/CamposSeccion.h"
#include "core/entry/CapturaDatos.h"
#include "core/model/CodigosColocacion.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextosComunes.h"
#include "core/validation/FuncionesGenerales.h"
#include "core/validation/GeometriaEstandar.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace dravek {

using validacion::Muestra;
using validacion::SinDosPuntos;
using validacion::T;

namespace {

constexpr std::int16_t Armado = 1210;
constexpr std::int16_t CamisaEmbebida = 2211;
constexpr std::int16_t CamisaRevestida = 2221;

constexpr double MinimoPresion = -1e-10; // lets 0 (an empty box) through, stops negatives
constexpr double MinimoIncremento = 1e-10;
constexpr double MinimoMaterial = 0.001;

constexpr std::int32_t TextoAlturaMenorUno = 171;
constexpr std::int32_t TextoDPFinalMenor = 521;
constexpr std::int32_t TextoDensidadTubo = 230;
constexpr std::int32_t TextoAnchoZanjaMetros = 235;
constexpr std::int32_t TextoSinIncremento = 276;
constexpr std::int32_t TextoFaltaIncrementoAltura = 280;
constexpr std::int32_t TextoSinNumeroTramo = 281;
constexpr std::int32_t TextoSinTipoControl = 285;
constexpr std::int32_t TextoSinIndicadorCamisa = 288;
constexpr std::int32_t TextoIndicadorCamisaIncorrecto = 289;
constexpr std::int32_t TextoPrimarioFinalMenor = 300;
constexpr std::int32_t TextoSinEleccion = 307;
constexpr std::int32_t TextoFaltaAlturaTierras = 309;
constexpr std::int32_t TextoAlturaFinalMenor = 310;
constexpr std::int32_t TextoDistanciaGeneratriz = 313;
constexpr std::int32_t TextoDistanciaClaveSuperficie = 314;
constexpr std::int32_t TextoMayorQueAlturaRelleno = 315;
constexpr std::int32_t TextoSinRazonAsentamiento = 317;
constexpr std::int32_t TextoSinCargaConcentrada = 320;
constexpr std::int32_t TextoRecubrimientoInteriorMinimo = 1160;
constexpr std::int32_t TextoPasoAlturaPequeno = 1280;
constexpr double MinimoRetraccion = 0.0001;
constexpr double AlturaMinima = 1.0;          // m, the least fill the load formulas are valid for
constexpr double PasoAlturaMinimo = 0.01;     // m: the heights snap at 0.01 m anyway
constexpr double PasoPresionMinimoMKS = 0.01; // at (0.001 MPa)
constexpr double CargaMinima = 0.001;         // a smaller total load counts as none
constexpr double AnguloMaximo = 90.0;         // degrees

// Pages of the three tab strips; -1 leaves a strip as it is.
struct Paginas {
    int principal = -1;
    int tipologia = -1;
    int postesados = -1;
    int colocacion = -1;
};

constexpr Paginas PaginaTramo{1};
constexpr Paginas PaginaArmado{1, 0};
constexpr Paginas PaginaPostesado{1, 1};
constexpr Paginas PaginaDimensiones{2, -1, -1, 0};
constexpr Paginas PaginaRelleno{2, -1, -1, 1};
constexpr Paginas PaginaCargas{2, -1, -1, 2};

constexpr Paginas PaginaPostesados(int pagina)
{
    return {1, 1, pagina};
}

// A post-tensioned material box: its variable, minimum, caption and page of TabPostesados
// (-1: the box stands on the post-tensioned page itself).
struct MaterialPostesado {
    CajaTexto CapturaDatos::*caja;
    double DatosTramo::*variable;
    double minimo;
    std::int32_t titulo;
    int pagina;
};

class ValidadorTramo {
public:
    ValidadorTramo(CapturaDatos &v, bool MoverFoco)
        : m_v(v), m_e(v.estado()), m_t(v.estado().tramo), m_mover(MoverFoco)
    {
    }

    bool Valida()
    {
        if (!ValidaCabecera() || !ValidaPresiones() || !ValidaTipologia()) {
            return false;
        }
        const bool materiales = m_t.EsArmado != Falso ? ValidaArmado() : ValidaPostesado();
        return materiales && ValidaSeccion() && ValidaColocacion() && ValidaAlturas() &&
               ValidaRelleno() && ValidaCargas();
    }

private:
    // The failure protocol, after the message: the pages outer strip first and the focus when
    // the focus moves, the step's own actions whatever it does.
    bool Falla(const Paginas &paginas, Control &foco, const std::function<void()> &acciones = {})
    {
        if (m_mover) {
            SeleccionaPaginas(paginas);
        }
        if (acciones) {
            acciones();
        }
        if (m_mover) {
            m_v.SetFocus(foco);
        }
        return false;
    }

    // The fill-height checks select the pages and move the focus before their message, which
    // has no title of its own.
    bool FallaAntes(const Paginas &paginas, Control &foco, std::int32_t texto,
                    const std::function<void()> &acciones = {})
    {
        if (m_mover) {
            SeleccionaPaginas(paginas);
        }
        if (acciones) {
            acciones();
        }
        if (m_mover) {
            m_v.SetFocus(foco);
        }
        Mensaje(T(m_v, texto), {});
        return false;
    }

    void SeleccionaPaginas(const Paginas &p)
    {
        if (p.principal >= 0) {
            ponPestana(m_v.TabPrincipal, p.principal);
        }
        if (p.tipologia >= 0) {
            ponPestana(m_v.TabTipologia, p.tipologia);
        }
        if (p.postesados >= 0) {
            ponPestana(m_v.TabPostesados, p.postesados);
        }
        if (p.colocacion >= 0) {
            ponPestana(m_v.TabDatosColocacion, p.colocacion);
        }
    }

    void Mensaje(const std::string &texto, const std::string &titulo)
    {
        m_v.mensajes().Muestra(texto, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, titulo);
    }

    void MensajeError(std::int32_t texto) { Mensaje(T(m_v, texto), validacion::TituloError(m_v)); }

    // The window reads a box's number as strictly as its keys let it be typed.
    bool Numero(ControlTexto &caja, double &variable, double minimo, const std::string &titulo)
    {
        return ValidaNumero(m_e.ejecucion, m_v.mensajes(), minimo, caja.Text(), variable, titulo,
                            LecturaNumero::Estricta);
    }

    // A value the check derives, written into its box. Such a write is no change of the
    // engineer's: it voids no stored override, and a stored run checked for printing stays
    // unchanged.
    void EscribeDerivado(ControlTexto &caja, double valor, std::string_view mascara)
    {
        const CapturaDatos::SinAnularAjustes sinAnular(m_v);
        Muestra(m_v, caja, valor, mascara);
        if (!m_mover) {
            m_e.ejecucion.DatosModificados = false;
        }
    }

    // A hidden or closed box shown again, editable, with its caption label.
    std::function<void()> Reabre(ControlTexto &caja, int etiqueta = -1)
    {
        return [this, &caja, etiqueta] {
            caja.Visible = true;
            caja.Locked = false;
            caja.Enabled = true;
            caja.BackColor = ColorFondo::Editable;
            if (etiqueta >= 0) {
                m_v.lbEtiquetas(etiqueta).Visible = true;
            }
        };
    }

    // A hidden box shown again with the window colour, and its caption label.
    std::function<void()> MuestraOculta(ControlTexto &caja, int etiqueta)
    {
        return [this, &caja, etiqueta] {
            caja.Visible = true;
            caja.BackColor = ColorFondo::Editable;
            m_v.lbEtiquetas(etiqueta).Visible = true;
        };
    }

    enum class Eleccion { Valida, Vacia, Invalida };

    // The list-position rule: an empty box (blanks trimmed) is no choice and leaves the variable
    // as it was; otherwise the variable starts at inicial and takes the value of every entry the
    // untrimmed text equals, letter case aside, so the last equal entry wins.
    Eleccion Elige(const Lista &lista, std::int16_t &variable, std::int16_t inicial,
                   const std::function<std::int16_t(int posicion)> &valor)
    {
        if (SinBlancosNiTabuladores(lista.Text()).empty()) {
            return Eleccion::Vacia;
        }
        variable = inicial;
        const int entradas = lista.ListCount();
        for (int i = 1; i <= entradas; ++i) {
            if (IgualSinMayusculas(lista.Text(), lista.List(i - 1))) {
                variable = valor(i);
            }
        }
        return variable == inicial ? Eleccion::Invalida : Eleccion::Valida;
    }

    // The code of a list's position from the list's row of the box table (0 past its entries).
    static std::function<std::int16_t(int)> CodigoDe(std::string_view nombre)
    {
        const CampoCodigo *campo = BuscaCampoCodigo(nombre);
        return [campo](int posicion) -> std::int16_t {
            if (campo == nullptr || posicion < 1 || posicion > campo->entradas) {
                return 0;
            }
            return campo->codigos[static_cast<std::size_t>(posicion - 1)];
        };
    }

    // A choice box of the laying page: missing and invalid choices are "No ha seleccionado" and
    // "Valor Incorrecto del" followed by the field's caption without its colon.
    std::string NombreCampo(std::int32_t caption, std::int32_t prefijo)
    {
        return T(m_v, prefijo) + " " + SinDosPuntos(T(m_v, caption));
    }

    // The run number and the description.
    bool ValidaCabecera()
    {
        CapturaDatos &v = m_v;
        if (SinBlancosNiTabuladores(v.edTramo.Text()).empty()) {
            MensajeError(TextoSinNumeroTramo); // "No tiene número de Tramo"
            return Falla(PaginaTramo, v.edTramo, [&v] {
                v.edTramo.Locked = false;
                v.edTramo.BackColor = ColorFondo::Editable;
            });
        }
        m_t.ITIT = v.edDescriTramo.Text();
        return true;
    }

    // The run's pressure step, required whenever its DP range has extent: a number of at least
    // 0.01 at (0.001 MPa), below which a run would take millions of cases.
    bool LeePasoPresion()
    {
        CapturaDatos &v = m_v;
        CajaTexto &caja = v.edPrs3Tram;
        if (!Numero(caja, m_t.IncrementoPresionTramo, MinimoIncremento,
                    SinDosPuntos(T(v, TextoIncrementoPresion)))) {
            return Falla(PaginaTramo, caja, Reabre(caja));
        }
        const double minimo =
            v.MuestraSI() ? PasoPresionMinimoMKS / FactorTensiones : PasoPresionMinimoMKS;
        if (m_t.IncrementoPresionTramo < minimo) {
            MensajeError(
                TextoSinIncremento); // "Debe seleccionar un Incremento de Presión superior a 0"
            return Falla(PaginaTramo, caja, Reabre(caja));
        }
        return true;
    }

    // A DP box shown, or emptied when its value is 0.
    void MuestraOVacia(CajaTexto &caja, double valor)
    {
        if (valor != 0) {
            Muestra(m_v, caja, valor, "#####0.00");
        } else {
            ponTexto(caja, "");
        }
    }

    // The run's own pressure range; 0 everywhere means the project's.
    bool ValidaPresiones()
    {
        CapturaDatos &v = m_v;
        DatosTramo &t = m_t;
        if (!Numero(v.edPrs1Tram, t.DPInicialTramo, MinimoPresion, T(v, TextoPresionInicial))) {
            return Falla(PaginaTramo, v.edPrs1Tram);
        }
        if (!Numero(v.edPrs2Tram, t.DPFinalTramo, MinimoPresion, T(v, TextoPresionFinal))) {
            return Falla(PaginaTramo, v.edPrs2Tram);
        }
        if (!Numero(v.edPrsM1Tram, t.MDPInicialTramo, MinimoPresion, T(v, TextoMDPInicial))) {
            return Falla(PaginaTramo, v.edPrsM1Tram);
        }
        if (!Numero(v.edPrsM2Tram, t.MDPFinalTramo, MinimoPresion, T(v, TextoMDPFinal))) {
            return Falla(PaginaTramo, v.edPrsM2Tram);
        }
        if (t.MDPFinalTramo > 0 && t.MDPFinalTramo < t.MDPInicialTramo) {
            // "Presión Final MDP inferior a la Inicial", without a title of its own.
            Mensaje(T(v, TextoMDPFinalMenor), {});
            return Falla(PaginaTramo, v.edPrsM1Tram);
        }
        if (t.MDPFinalTramo == 0 && t.MDPInicialTramo > 0) {
            t.MDPFinalTramo = t.MDPInicialTramo;
        }
        if (t.MDPFinalTramo != 0) {
            Muestra(v, v.edPrsM2Tram, t.MDPFinalTramo, "#####0.00");
        }
        const bool dpInicialDerivado = v.edPrs1Tram.Text().empty() && t.MDPInicialTramo > 0;
        if (dpInicialDerivado) {
            t.DPInicialTramo = t.MDPInicialTramo / RelacionMDPDP;
        }
        const bool dpFinalDerivado = v.edPrs2Tram.Text().empty() && t.MDPFinalTramo > 0;
        if (dpFinalDerivado) {
            t.DPFinalTramo = t.MDPFinalTramo / RelacionMDPDP;
        }
        // What is derived must make a range that passes this same check again once stored: a
        // single MDP is a single DP, so a derived DP takes the one typed beside it; a DP range
        // with extent needs its step, which is read once the range is complete, whether its DP
        // values were typed or derived; a range without extent has none.
        if (t.MDPFinalTramo == t.MDPInicialTramo) {
            if (dpFinalDerivado && !dpInicialDerivado) {
                t.DPFinalTramo = t.DPInicialTramo;
            } else if (dpInicialDerivado && !dpFinalDerivado) {
                t.DPInicialTramo = t.DPFinalTramo;
            }
        }
        MuestraOVacia(v.edPrs1Tram, t.DPInicialTramo);
        MuestraOVacia(v.edPrs2Tram, t.DPFinalTramo);
        // The boxes let a DP range be left downwards while its other box is mended.
        if (t.DPFinalTramo > 0 && t.DPFinalTramo < t.DPInicialTramo) {
            // "Presión DP Final Inferior a la Inicial", without a title of its own.
            Mensaje(T(v, TextoDPFinalMenor), {});
            return Falla(PaginaTramo, v.edPrs1Tram);
        }
        if (t.DPFinalTramo > t.DPInicialTramo) {
            return LeePasoPresion();
        }
        // A range without extent asks for no step, but a step typed or stored stays as it
        // is shown, for when the range is widened: the box is left alone and the run keeps
        // the number it holds (none when it is empty; what it had when it is no number).
        if (SinBlancosNiTabuladores(v.edPrs3Tram.Text()).empty()) {
            t.IncrementoPresionTramo = 0;
        } else if (const std::optional<double> paso = ConvierteNumeroCampo(
                       v.edPrs3Tram.Text(), m_e.ejecucion.SeparadorDecimalLocal)) {
            t.IncrementoPresionTramo = *paso;
        }
        return true;
    }

    // The typology the tabs or the loaded run set.
    bool ValidaTipologia()
    {
        switch (m_t.Tipologia) {
        case Armado:
            m_t.EsArmado = Verdadero;
            m_t.TipoPostesado = 0;
            return true;
        case CamisaEmbebida:
        case CamisaRevestida:
            m_t.EsArmado = Falso;
            m_t.TipoPostesado = 1;
            return true;
        default:
            MensajeError(TextoSinTipologia); // "Sin definir la Tipología"
            return Falla(PaginaArmado, m_v.TabTipologia);
        }
    }

    // The materials of a reinforced-concrete run.
    bool ValidaArmado()
    {
        CapturaDatos &v = m_v;
        DatosTramo &t = m_t;
        // Only a ticked box counts; the greyed state is not ticked.
        if (v.edIcontes0.Value() == EstadoCasilla::Marcada) {
            if (!Numero(v.edAdato, t.ArmaduraExteriorMaxima, MinimoMaterial,
                        T(v, TextoArmaduraExteriorMaxima))) {
                return Falla(PaginaArmado, v.edAdato, MuestraOculta(v.edAdato, 8));
            }
            t.FijaArmaduraExterior = Verdadero;
        } else {
            t.FijaArmaduraExterior = Falso;
            t.ArmaduraExteriorMaxima = 0;
        }

        switch (Elige(v.edTipoControl, t.TipoControl, 0,
                      [](int p) { return static_cast<std::int16_t>(p); })) {
        case Eleccion::Vacia:
            MensajeError(TextoSinTipoControl); // "No ha capturado Tipo de Control"
            return Falla(PaginaArmado, v.edTipoControl);
        case Eleccion::Invalida:
            Mensaje(T(v, TextoValorIncorrecto),
                    T(v, TextoTipoControl)); // "Valor incorrecto", "Tipo de Control"
            return Falla(PaginaArmado, v.edTipoControl);
        case Eleccion::Valida:
            break;
        }
        switch (Elige(v.edTipoCamisa, t.IndicadorCamisa, 0,
                      [](int p) { return static_cast<std::int16_t>(p); })) {
        case Eleccion::Vacia:
            MensajeError(TextoSinIndicadorCamisa); // "No ha capturado Indicador de Camisa"
            return Falla(PaginaArmado, v.edTipoCamisa);
        case Eleccion::Invalida:
            MensajeError(
                TextoIndicadorCamisaIncorrecto); // "Valor Incorrecto de Indicador de Camisa"
            return Falla(PaginaArmado, v.edTipoCamisa);
        case Eleccion::Valida:
            break;
        }
        t.ClaseFisuracion = 3;

        if (!Numero(v.edCamMax, t.CAMMAX, 0, T(v, TextoEspesorMaximoCamisa))) {
            return Falla(PaginaArmado, v.edCamMax);
        }
        if (!Numero(v.edFck, t.FCK, MinimoMaterial, T(v, TextoResistenciaHormigon))) {
            return Falla(PaginaArmado, v.edFck);
        }
        // The tensile strength the calculation uses, in the units shown.
        t.Fct = FctDeFck(t.FCK, v.MuestraSI());
        // Shown as every other writer of the box shows it, by the mask of the unit system.
        EscribeDerivado(v.edFct, t.Fct, BuscaCampo("edFct")->mascara(v.MuestraSI()));
        if (!(t.Fct > 0)) {
            MensajeError(
                TextoTraccionHormigon); // "Caracteristica de Hormigón a Tracción Incorrecto"
            return Falla(PaginaArmado, v.edFck);
        }
        if (!Numero(v.edFyk, t.Fyk, MinimoMaterial, T(v, TextoResistenciaAcero))) {
            return Falla(PaginaArmado, v.edFyk);
        }
        if (!Numero(v.edFyd, t.Fyd, MinimoMaterial, T(v, TextoResistenciaCalculoAcero))) {
            return Falla(PaginaArmado, v.edFyd);
        }
        // A fixed caption, the same in every language.
        if (!Numero(v.edGamaB, t.GamaB, MinimoMaterial, "Coeficiente Minoración del Hormigón")) {
            return Falla(PaginaArmado, v.edGamaB);
        }
        t.GamaY = 1.0;
        t.GamaF = 1.0;

        if (CompruebaTensionAcero(v, m_mover) == 1) {
            // The question was the message.
            if (m_mover) {
                SeleccionaPaginas(PaginaArmado);
                v.SetFocus(v.edFyd);
            }
            m_e.ejecucion.DatosModificados = m_mover;
            v.btCancelar.Enabled = true;
            v.btGrabar.Enabled = true;
            return false;
        }

        t.FijaPresionPrimario = Falso;
        for (double DatosTramo::*x :
             {&DatosTramo::CoefPresionPrimario, &DatosTramo::Delca, &DatosTramo::Es,
              &DatosTramo::Fckno, &DatosTramo::Fckn, &DatosTramo::Fckr, &DatosTramo::SFck,
              &DatosTramo::Ep, &DatosTramo::Sf, &DatosTramo::Rel, &DatosTramo::Fic,
              &DatosTramo::Fir, &DatosTramo::Epsc, &DatosTramo::Epsr}) {
            t.*x = 0;
        }
        return true;
    }

    // The materials of a post-tensioned run.
    bool ValidaPostesado()
    {
        CapturaDatos &v = m_v;
        DatosTramo &t = m_t;
        if (v.edIcontes1.Value() == EstadoCasilla::Marcada) {
            if (!Numero(v.edCoepre1, t.CoefPresionPrimario, MinimoMaterial,
                        T(v, TextoCoeficientePresion))) {
                return Falla(PaginaPostesado, v.edCoepre1, MuestraOculta(v.edCoepre1, 7));
            }
            t.FijaPresionPrimario = Verdadero;
        } else {
            t.FijaPresionPrimario = Falso;
            t.CoefPresionPrimario = 0;
        }

        using C = CapturaDatos;
        using D = DatosTramo;
        constexpr double M = MinimoMaterial;
        const MaterialPostesado antes[] = {
            {&C::edDelca, &D::Delca, M, TextoEspesorMaximo, -1},
            {&C::edEs, &D::Es, M, TextoModuloElasticidadAcero, 0},
            {&C::edEp, &D::Ep, M, TextoModuloElasticidadAlambre, 0},
            {&C::edFYKPost, &D::FykPost, M, TextoResistenciaAcero, 1},
            {&C::edFckno, &D::Fckno, M, TextoResistenciaPrimarioZunchar, 1},
            {&C::edFckn, &D::Fckn, M, TextoResistenciaPrimarioFinal, 1},
        };
        const MaterialPostesado despues[] = {
            {&C::edRel, &D::Rel, M, TextoRelajacionFinal, 2},
            {&C::edFic, &D::Fic, M, TextoFluenciaPrimario, 3},
            {&C::edFir, &D::Fir, M, TextoFluenciaRevestimiento, 3},
            {&C::edEpsc, &D::Epsc, MinimoRetraccion, TextoRetraccionPrimario, 3},
            {&C::edEpsr, &D::Epsr, MinimoRetraccion, TextoRetraccionRevestimiento, 3},
        };
        const auto valida = [this, &v, &t](const MaterialPostesado &m) {
            if (Numero(v.*m.caja, t.*m.variable, m.minimo, T(v, m.titulo))) {
                return true;
            }
            return Falla(m.pagina < 0 ? PaginaPostesado : PaginaPostesados(m.pagina), v.*m.caja);
        };
        for (const MaterialPostesado &m : antes) {
            if (!valida(m)) {
                return false;
            }
        }
        if (t.Fckn < t.Fckno) {
            MensajeError(TextoPrimarioFinalMenor); // "Resistencia del Primario al final menor que
                                                   // al zunchar"
            return Falla(PaginaPostesados(1), v.edFckn);
        }
        if (!valida({&C::edFckr, &D::Fckr, M, TextoResistenciaRevestimiento, 1}) ||
            !valida({&C::edSFck, &D::SFck, M, TextoTensionRoturaAlambre, 2})) {
            return false;
        }
        if (SinBlancosNiTabuladores(v.edSf.Text()).empty()) {
            t.Sf = 0.75 * t.SFck;
            EscribeDerivado(v.edSf, t.Sf, "#####0");
        } else if (!valida({&C::edSf, &D::Sf, MinimoIncremento, TextoTensionTesado, 2})) {
            return false;
        }
        for (const MaterialPostesado &m : despues) {
            if (!valida(m)) {
                return false;
            }
        }

        t.EsArmado = Falso;
        t.FijaArmaduraExterior = Falso;
        t.TipoControl = 0;
        t.IndicadorCamisa = 0;
        t.ClaseFisuracion = 0;
        for (double DatosTramo::*x :
             {&DatosTramo::ArmaduraExteriorMaxima, &DatosTramo::CAMMAX, &DatosTramo::FCK,
              &DatosTramo::Fct, &DatosTramo::Fyd, &DatosTramo::GamaB, &DatosTramo::GamaY,
              &DatosTramo::GamaF}) {
            t.*x = 0;
        }
        return true;
    }

    // The pipe section and its unit weight.
    bool ValidaSeccion()
    {
        CapturaDatos &v = m_v;
        DatosTramo &t = m_t;
        EstadoEjecucion &ejecucion = m_e.ejecucion;
        if (!Numero(v.edDi0, t.vDi, MinimoMaterial, T(v, TextoDiametroInterior))) {
            return Falla(PaginaDimensiones, v.edDi0);
        }
        t.DiametroComercial = Verdadero;
        ejecucion.OmitePreguntaGeometria = !m_mover;
        if (BuscaGeometriaRecomendada(m_e.tablas, ejecucion, v.mensajes(), t.ESP, t.RECI, t.RECE,
                                      t.Tipologia, t.vDi, ModoGeometria::Comercial) !=
            ResultadoGeometria::Encontrado) {
            t.DiametroComercial = Falso;
        }
        ejecucion.OmitePreguntaGeometria = false;

        if (!Numero(v.edEsp0, t.ESP, MinimoMaterial, T(v, TextoEspesor))) {
            return Falla(PaginaDimensiones, v.edEsp0);
        }
        t.vDE = t.vDi + 2 * t.ESP / 100;
        EscribeDerivado(v.edDe0, t.vDE, "#####0.000");
        // The width follows the diameter only while the engineer edits the run: a stored run
        // checked for printing or recalculation keeps the width it was saved with.
        if (m_mover && t.AnchoZanjaAutomatico != Falso) {
            t.AnchoZanja = AnchoZanjaAutomatico(t.vDE);
            EscribeDerivado(v.edB0, t.AnchoZanja, "#####0.000");
        }
        if (t.Tipologia != CamisaRevestida &&
            !Numero(v.edReci0, t.RECI, MinimoMaterial, T(v, TextoRecubrimientoInterior))) {
            return Falla(PaginaDimensiones, v.edReci0, MuestraOculta(v.edReci0, 22));
        }
        if (!Numero(v.edRece0, t.RECE, MinimoMaterial, T(v, TextoRecubrimientoExterior))) {
            return Falla(PaginaDimensiones, v.edRece0);
        }
        if (t.Tipologia == CamisaRevestida) {
            // The lined cylinder's inner cover follows from the thickness and the outer cover;
            // a thickness not above the outer cover leaves none, which the calculation cannot
            // take. The difference of two typed tenths carries rounding: 12 - 11.9 passes.
            const double interior = t.ESP - t.RECE;
            if (!(interior >= RecubrimientoInteriorMinimo - 1e-9)) {
                Mensaje(T(v, TextoRecubrimientoInteriorMinimo), T(v, TextoRecubrimientoExterior));
                return Falla(PaginaDimensiones, v.edRece0);
            }
            t.RECI = interior;
            EscribeDerivado(v.edReci0, t.RECI, "#####0.0");
        }
        ejecucion.OmitePreguntaGeometria = !m_mover;
        const ResultadoGeometria comparacion = CompruebaGeometria(m_e, v.mensajes());
        ejecucion.OmitePreguntaGeometria = false;
        if (comparacion != ResultadoGeometria::Encontrado) {
            // The engineer chose to change the section: the question was the message.
            SeleccionaPaginas(PaginaDimensiones);
            v.SetFocus(v.edDi0);
            return false;
        }

        // Text 230 is the caption with its default value, colon included.
        if (!Numero(v.edGc0, t.vGAMAB, MinimoMaterial, T(v, TextoDensidadTubo))) {
            return Falla(PaginaDimensiones, v.edGc0);
        }
        return true;
    }

    // The cradle and the installation code.
    bool ValidaColocacion()
    {
        CapturaDatos &v = m_v;
        DatosTramo &t = m_t;
        switch (Elige(v.edTipoCuna0, t.vICUNA, 0, CodigoDe("edTipoCuna0"))) {
        case Eleccion::Vacia:
            Mensaje(NombreCampo(TextoTipoApoyo, TextoSinEleccion), validacion::TituloError(v));
            return Falla(PaginaRelleno, v.edTipoCuna0);
        case Eleccion::Invalida:
            Mensaje(NombreCampo(TextoTipoApoyo, TextoValorIncorrectoDel),
                    validacion::TituloError(v));
            return Falla(PaginaRelleno, v.edTipoCuna0);
        case Eleccion::Valida:
            break;
        }

        if (t.IndiceColocacion >= 2) {
            t.CodigoColocacion = Terraplen;
            return true;
        }
        // 10 + position in a trench, 20 + position in a trench under an embankment.
        const auto base = static_cast<std::int16_t>(t.IndiceColocacion == 0 ? 10 : 20);
        const auto codigo = [base](int p) { return static_cast<std::int16_t>(base + p); };
        switch (Elige(v.edTipoApoyo0, t.CodigoColocacion, 0, codigo)) {
        case Eleccion::Vacia:
            Mensaje(NombreCampo(TextoTipoColocacion, TextoSinEleccion),
                    validacion::TituloError(v));
            return Falla(PaginaRelleno, v.edTipoApoyo0, MuestraOculta(v.edTipoApoyo0, 26));
        case Eleccion::Invalida:
            Mensaje(NombreCampo(TextoTipoColocacion, TextoValorIncorrectoDel),
                    validacion::TituloError(v));
            return Falla(PaginaRelleno, v.edTipoApoyo0, MuestraOculta(v.edTipoApoyo0, 26));
        case Eleccion::Valida:
            break;
        }
        return true;
    }

    // The fill heights of the calculation. The run's own heights are read from their
    // boxes like every other value, so that what is calculated is what the window shows.
    bool ValidaAlturas()
    {
        CapturaDatos &v = m_v;
        DatosTramo &t = m_t;
        DatosCalculo &calculo = m_e.calculo;
        if (!Numero(v.edHr0, t.AlturaInicialTramo, 0, T(v, TextoAlturaInicial))) {
            return Falla(PaginaRelleno, v.edHr0);
        }
        if (!Numero(v.edHr0Final, t.AlturaFinalTramo, 0, T(v, TextoAlturaFinal))) {
            return Falla(PaginaRelleno, v.edHr0Final);
        }
        RangoAlturas(m_e);
        if (calculo.AlturaInicial <= 0) {
            // "Debe teclear altura de tierras para toda la Obra o para el tramo en particular"
            return FallaAntes(PaginaRelleno, v.edHr0, TextoFaltaAlturaTierras);
        }
        // The load formulas need at least 1 m of fill, whichever range gives the first height.
        if (calculo.AlturaInicial < AlturaMinima) {
            return FallaAntes(PaginaRelleno, v.edHr0, TextoAlturaMenorUno);
        }
        const bool rangoPropio = t.AlturaInicialTramo > 0 || t.AlturaFinalTramo > 0;
        if (calculo.AlturaFinal <= 0 || calculo.AlturaFinal == calculo.AlturaInicial) {
            // A single height: the run's own range has no step.
            if (rangoPropio) {
                t.IncrementoAltura = 0;
            }
            return true;
        }
        if (calculo.AlturaFinal < calculo.AlturaInicial) {
            // "Altura de tierras Final Inferior a la Inicial"
            return FallaAntes(PaginaRelleno, v.edHr0, TextoAlturaFinalMenor);
        }
        if (!rangoPropio) {
            // The project's step, which the project check has already required.
            if (!(t.IncrementoAltura >= PasoAlturaMinimo)) {
                return FallaAntes(PaginaRelleno, v.edHr0Delta, TextoFaltaIncrementoAltura,
                                  Reabre(v.edHr0Delta));
            }
            return true;
        }
        // The run's own range takes its step from its own box, checked like any number.
        if (!Numero(v.edHr0Delta, t.IncrementoAltura, 0, T(v, TextoIncrementoAltura))) {
            return Falla(PaginaRelleno, v.edHr0Delta, Reabre(v.edHr0Delta));
        }
        if (t.IncrementoAltura <= 0) {
            // "Debe seleccionar un incremento de alturas"
            return FallaAntes(PaginaRelleno, v.edHr0Delta, TextoFaltaIncrementoAltura,
                              Reabre(v.edHr0Delta));
        }
        if (t.IncrementoAltura < PasoAlturaMinimo) {
            return FallaAntes(PaginaRelleno, v.edHr0Delta, TextoPasoAlturaPequeno,
                              Reabre(v.edHr0Delta));
        }
        return true;
    }

    // Trench width, soil, distance to the natural ground, settlement ratio.
    bool ValidaRelleno()
    {
        CapturaDatos &v = m_v;
        DatosTramo &t = m_t;
        if (t.CodigoColocacion == Terraplen) {
            t.AnchoZanja = 0;
        } else if (!Numero(v.edB0, t.AnchoZanja, MinimoMaterial,
                           SinDosPuntos(T(v, TextoAnchoZanjaMetros)))) {
            return Falla(PaginaRelleno, v.edB0, MuestraOculta(v.edB0, 29));
        }
        if (!Numero(v.edGr0, t.vGAMAT, MinimoMaterial, T(v, TextoDensidadTerreno))) {
            return Falla(PaginaRelleno, v.edGr0);
        }
        if (!Numero(v.edFi0, t.AnguloRozamiento, 0, T(v, TextoAnguloRozamientoTerreno))) {
            return Falla(PaginaRelleno, v.edFi0);
        }
        if (t.AnguloRozamiento > AnguloMaximo) {
            // A fixed text, the same in every language.
            Mensaje("Angulo de Rozamiento debe estar entre 0º y 90º", "ERROR");
            return Falla(PaginaRelleno, v.edFi0);
        }

        if (t.CodigoColocacion < 20) {
            switch (Elige(v.edTipoRelleno0, t.TipoRelleno, 0, CodigoDe("edTipoRelleno0"))) {
            case Eleccion::Vacia:
                Mensaje(NombreCampo(TextoTipoRelleno, TextoSinEleccion),
                        validacion::TituloError(v));
                return Falla(PaginaRelleno, v.edTipoRelleno0, MuestraOculta(v.edTipoRelleno0, 32));
            case Eleccion::Invalida:
                Mensaje(NombreCampo(TextoTipoRelleno, TextoValorIncorrectoDel),
                        validacion::TituloError(v));
                return Falla(PaginaRelleno, v.edTipoRelleno0, MuestraOculta(v.edTipoRelleno0, 32));
            case Eleccion::Valida:
                break;
            }
        } else {
            t.TipoRelleno = 0;
        }

        if (t.CodigoColocacion > 20) {
            const auto muestraDistancia = [this, &v] {
                MuestraOculta(v.edHr1, 50)();
                const char *unidad = v.rdTipoColocacion.Value(1) ? "' (m):" : "'' (m):";
                v.lbEtiquetas(50).Caption = T(v, 316) + unidad;
            };
            if (!Numero(v.edHr1, t.DistanciaTerrenoNatural, MinimoMaterial,
                        T(v, TextoDistanciaGeneratriz))) {
                return Falla(PaginaRelleno, v.edHr1, muestraDistancia);
            }
            if (t.CodigoColocacion < Terraplen &&
                t.DistanciaTerrenoNatural > m_e.calculo.AlturaInicial) {
                Mensaje(T(v, TextoDistanciaClaveSuperficie) + "\n" +
                            T(v, TextoMayorQueAlturaRelleno),
                        "ERROR");
                return Falla(PaginaRelleno, v.edHr1, muestraDistancia);
            }
        } else {
            t.DistanciaTerrenoNatural = 0;
        }

        if (t.CodigoColocacion > 30) {
            switch (Elige(v.edIAs, t.IndiceAsentamiento, 0, CodigoDe("edIAs"))) {
            case Eleccion::Vacia:
                MensajeError(
                    TextoSinRazonAsentamiento); // "No ha seleccionado Razón de Asentamiento"
                return Falla(PaginaRelleno, v.edIAs, MuestraOculta(v.edIAs, 53));
            case Eleccion::Invalida:
                MensajeError(TextoRazonAsentamientoIncorrecta); // "Valor Incorrecto de Razón de
                                                                // Asentamiento"
                return Falla(PaginaRelleno, v.edIAs, MuestraOculta(v.edIAs, 53));
            case Eleccion::Valida:
                break;
            }
        } else {
            t.IndiceAsentamiento = 0;
        }
        return true;
    }

    // A typed total vertical load, or the live load of computed loads. The loads of a typed
    // total are derived by the calculation from it in calculation units, so nothing is preset
    // here in the units shown.
    bool ValidaCargas()
    {
        CapturaDatos &v = m_v;
        DatosTramo &t = m_t;
        if (!Numero(v.edQDato0, t.CargaVerticalTotal, 0, T(v, TextoCargaVerticalTotal))) {
            return Falla(PaginaCargas, v.edQDato0, [&v] {
                v.edQDato0.Locked = false;
                v.edQDato0.BackColor = ColorFondo::Editable;
            });
        }
        if (t.CargaVerticalTotal >= CargaMinima) {
            t.CalculoCargas = 0;
            t.TipoCargaConcentrada = 0;
            return true;
        }
        t.CalculoCargas = 1;
        switch (Elige(v.edICar0, t.TipoCargaConcentrada, -1, CodigoDe("edICar0"))) {
        case Eleccion::Vacia:
            MensajeError(
                TextoSinCargaConcentrada); // "No ha seleccionado Tipos de Carga Concentrada"
            return Falla(PaginaCargas, v.edICar0, MuestraOculta(v.edICar0, 34));
        case Eleccion::Invalida:
            MensajeError(TextoCargaConcentradaIncorrecta); // "Valor Incorrecto de Tipos de Carga
                                                           // Concentrada"
            return Falla(PaginaCargas, v.edICar0, MuestraOculta(v.edICar0, 34));
        case Eleccion::Valida:
            break;
        }
        return true;
    }

    CapturaDatos &m_v;
    EstadoObra &m_e;
    DatosTramo &m_t;
    bool m_mover;
};

} // namespace

bool ValidaDatosTramo(CapturaDatos &ventana, bool MoverFoco)
{
    return ValidadorTramo(ventana, MoverFoco).Valida();
}

} // namespace dravek
