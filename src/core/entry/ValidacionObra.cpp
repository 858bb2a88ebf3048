#include "core/entry/AyudasValidacion.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/ValidacionTramo.h"
#include "core/model/TextosComunes.h"
#include "core/validation/FuncionesGenerales.h"

#include <cstdint>
#include <string>

namespace dravek {

using validacion::Muestra;
using validacion::SinDosPuntos;
using validacion::T;

namespace {

constexpr std::string_view Mascara = "#####0.00";
constexpr double MinimoPresion = -1e-10; // lets 0 (an empty box) through, stops negatives
constexpr double MinimoAltura = 1e-10;   // m
constexpr double AlturaMinima = 1.0;     // m, the least fill the load formulas are valid for
// Steps below these are refused: a run of steps so small that it would calculate for hours,
// while the heights snap to 0.01 m anyway. The pressure floor is in the units shown.
constexpr double PasoAlturaMinimo = 0.01; // m
constexpr double PasoPresionMinimo = 0.01;

constexpr std::int32_t TextoSinMDPInicial = 273;      // "No ha capturado la Presión MDP..."
constexpr std::int32_t TextoMDPMenorQueDP = 274;      // "La presión MDP no puede ser inferior..."
constexpr std::int32_t TextoSobraIncremento = 275;    // "Debe seleccionar un Incremento de..."
constexpr std::int32_t TextoSinIncremento = 276;      // "... Incremento de Presión superior a 0"
constexpr std::int32_t TextoAlturaMenorUno = 171;     // "La altura de tierra no puede ser..."
constexpr std::int32_t TextoAlturaFinalMenor = 310;   // "Altura de tierras Final Inferior..."
constexpr std::int32_t TextoPasoAlturaPequeno = 1280; // "El incremento de altura ... 0,01 m."
constexpr std::int32_t TextoDPFinalMenor = 522;       // "Presión DP Final Inferior a la Inicial"

class ValidadorObra {
public:
    explicit ValidadorObra(CapturaDatos &v) : m_v(v), m_o(v.estado().obra) {}

    // What the check derives or shows again through a mask is no change of the engineer's:
    // a project opened and printed untouched has nothing to save.
    bool Valida()
    {
        const bool modificada = m_o.CabeceraModificada;
        const bool valida = ValidaPresiones() && ValidaAlturas();
        m_o.CabeceraModificada = modificada;
        return valida;
    }

private:
    // A message without a title of its own: the platform shows the application's.
    void Mensaje(std::int32_t texto, const std::string &titulo = {})
    {
        m_v.mensajes().Muestra(T(m_v, texto), BotonesMensaje::Aceptar, IconoMensaje::Ninguno,
                               titulo);
    }

    // The window reads a box's number as strictly as its keys let it be typed.
    bool Numero(CajaTexto &caja, double &variable, double minimo, const std::string &titulo)
    {
        return ValidaNumero(m_v.estado().ejecucion, m_v.mensajes(), minimo, caja.Text(), variable,
                            titulo, LecturaNumero::Estricta);
    }

    // The project page, the box unlocked and given the focus.
    bool Rechaza(CajaTexto &caja)
    {
        ponPestana(m_v.TabPrincipal, 0);
        caja.Locked = false;
        m_v.SetFocus(caja);
        return false;
    }

    // The same for a step box, which may be closed (grey, read-only, disabled) and must be opened
    // for the engineer to type the step it asks for.
    bool RechazaIncremento(CajaTexto &caja)
    {
        ponPestana(m_v.TabPrincipal, 0);
        caja.Locked = false;
        caja.Enabled = true;
        m_v.SetFocus(caja);
        caja.BackColor = ColorFondo::Editable;
        return false;
    }

    // The page and the focus first, then the message.
    bool RechazaConMensaje(CajaTexto &caja, std::int32_t texto)
    {
        ponPestana(m_v.TabPrincipal, 0);
        m_v.SetFocus(caja);
        Mensaje(texto);
        return false;
    }

    bool ValidaPresiones()
    {
        CapturaDatos &v = m_v;
        // An empty DP box is derived from its MDP value once both MDP values are read and
        // completed: derived before, a DP final would come from an MDP final still at 0.
        const bool dpInicialVacio = v.edPrs1.Text().empty();
        const bool dpFinalVacio = v.edPrs2.Text().empty();
        if (!dpInicialVacio) {
            if (!Numero(v.edPrs1, m_o.DPInicialObra, MinimoPresion, T(v, TextoPresionInicial))) {
                return Rechaza(v.edPrs1);
            }
            Muestra(v, v.edPrs1, m_o.DPInicialObra, Mascara);
        }
        if (!dpFinalVacio) {
            if (!Numero(v.edPrs2, m_o.DPFinalObra, MinimoPresion, T(v, TextoPresionFinal))) {
                return Rechaza(v.edPrs2);
            }
            Muestra(v, v.edPrs2, m_o.DPFinalObra, Mascara);
        }
        if (!v.edPrs3.Text().empty()) {
            if (!Numero(v.edPrs3, m_o.IncrementoPresionObra, MinimoPresion,
                        SinDosPuntos(T(v, TextoIncrementoPresion)))) {
                return Rechaza(v.edPrs3);
            }
            Muestra(v, v.edPrs3, m_o.IncrementoPresionObra, Mascara);
        } else {
            m_o.IncrementoPresionObra = 0;
            ponTexto(v.edPrs3, "");
        }
        if (!LeeOCero(v.edPrsM1, m_o.MDPInicialObra, TextoMDPInicial) ||
            !LeeOCero(v.edPrsM2, m_o.MDPFinalObra, TextoMDPFinal)) {
            return false;
        }
        if (m_o.MDPInicialObra <= 0) {
            Mensaje(TextoSinMDPInicial, validacion::TituloError(v));
            ponPestana(v.TabPrincipal, 0);
            v.SetFocus(v.edPrsM1);
            return false;
        }
        if (m_o.MDPFinalObra == 0) {
            m_o.MDPFinalObra = m_o.MDPInicialObra;
            Muestra(v, v.edPrsM2, m_o.MDPFinalObra, Mascara);
            m_o.IncrementoPresionObra = 0;
            Muestra(v, v.edPrs3, 0, Mascara);
        }
        // A range that runs downwards would calculate nothing; the boxes let the engineer
        // leave one so while mending the other, so every save and calculation checks it.
        if (m_o.MDPFinalObra < m_o.MDPInicialObra) {
            return RechazaConMensaje(v.edPrsM1, TextoMDPFinalMenor);
        }
        if (dpInicialVacio) {
            m_o.DPInicialObra = m_o.MDPInicialObra / RelacionMDPDP;
            Muestra(v, v.edPrs1, m_o.DPInicialObra, Mascara);
        }
        if (dpFinalVacio) {
            m_o.DPFinalObra = m_o.MDPFinalObra / RelacionMDPDP;
            Muestra(v, v.edPrs2, m_o.DPFinalObra, Mascara);
        }

        if (m_o.DPInicialObra > m_o.MDPInicialObra) {
            return RechazaConMensaje(v.edPrs1, TextoMDPMenorQueDP);
        }
        if (m_o.DPFinalObra > m_o.MDPFinalObra) {
            return RechazaConMensaje(v.edPrs2, TextoMDPMenorQueDP);
        }
        if (m_o.DPFinalObra > 0 && m_o.DPFinalObra < m_o.DPInicialObra) {
            return RechazaConMensaje(v.edPrs1, TextoDPFinalMenor);
        }
        const bool unaMDP = m_o.MDPFinalObra == m_o.MDPInicialObra;
        if ((unaMDP && m_o.IncrementoPresionObra != 0) ||
            (!unaMDP && m_o.IncrementoPresionObra < PasoPresionMinimo)) {
            // The step box may have been closed by a single MDP typed before: it is opened so
            // that the step asked for can be typed.
            ponPestana(v.TabPrincipal, 0);
            v.edPrs3.Locked = false;
            v.edPrs3.Enabled = true;
            v.edPrs3.BackColor = ColorFondo::Editable;
            v.SetFocus(v.edPrs3);
            Mensaje(unaMDP ? TextoSobraIncremento : TextoSinIncremento);
            return false;
        }
        return true;
    }

    // An MDP box: its number, or 0 shown when it is empty.
    bool LeeOCero(CajaTexto &caja, double &variable, std::int32_t titulo)
    {
        if (caja.Text().empty()) {
            variable = 0;
        } else if (!Numero(caja, variable, MinimoPresion, T(m_v, titulo))) {
            return Rechaza(caja);
        }
        Muestra(m_v, caja, variable, Mascara);
        return true;
    }

    bool ValidaAlturas()
    {
        CapturaDatos &v = m_v;
        if (v.edAlt1.Text().empty()) {
            m_o.AlturaInicialObra = 0;
        } else if (!Numero(v.edAlt1, m_o.AlturaInicialObra, MinimoAltura,
                           T(v, TextoAlturaInicial))) {
            return Rechaza(v.edAlt1);
        }
        Muestra(v, v.edAlt1, m_o.AlturaInicialObra, Mascara);
        if (m_o.AlturaInicialObra < AlturaMinima) {
            Mensaje(TextoAlturaMenorUno);
            return Rechaza(v.edAlt1);
        }

        if (v.edAlt2.Text().empty()) {
            m_o.AlturaFinalObra = m_o.AlturaInicialObra;
        } else if (!Numero(v.edAlt2, m_o.AlturaFinalObra, MinimoAltura, T(v, TextoAlturaFinal))) {
            return Rechaza(v.edAlt2);
        }
        Muestra(v, v.edAlt2, m_o.AlturaFinalObra, Mascara);
        // A final height below the first one would calculate nothing at all.
        if (m_o.AlturaFinalObra < m_o.AlturaInicialObra) {
            Mensaje(TextoAlturaFinalMenor);
            return Rechaza(v.edAlt2);
        }

        if (m_o.AlturaFinalObra == m_o.AlturaInicialObra) {
            m_o.IncrementoAlturaObra = 0;
            Muestra(v, v.edAlt3, 0, Mascara);
            return true;
        }
        if (!Numero(v.edAlt3, m_o.IncrementoAlturaObra, MinimoAltura,
                    T(v, TextoIncrementoAltura))) {
            return RechazaIncremento(v.edAlt3);
        }
        if (m_o.IncrementoAlturaObra < PasoAlturaMinimo) {
            Mensaje(TextoPasoAlturaPequeno);
            return RechazaIncremento(v.edAlt3);
        }
        Muestra(v, v.edAlt3, m_o.IncrementoAlturaObra, Mascara);
        return true;
    }

    CapturaDatos &m_v;
    DatosObra &m_o;
};

} // namespace

bool ValidaPresionesAlturasObra(CapturaDatos &ventana)
{
    return ValidadorObra(ventana).Valida();
}

bool ValidaObraYTramo(CapturaDatos &ventana, bool MoverFoco)
{
    return ValidaPresionesAlturasObra(ventana) && ValidaDatosTramo(ventana, MoverFoco);
}

} // namespace dravek
