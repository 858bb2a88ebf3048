// Handlers of the project's and the run's pressure and fill-height ranges and of the run's
// description. They keep the range variables in step with the boxes, derive a DP left empty
// (MDP / 1.1) and a final value left empty (the initial one), refuse inconsistent ranges, and
// open or close the boxes that a range without extent makes meaningless. A run value of 0 means
// the project's.

#include "core/entry/AyudasManejadores.h"
#include "core/entry/CapturaDatos.h"
#include "core/model/TextosComunes.h"

#include <string>

namespace dravek {

using namespace manejadores;

namespace {

constexpr std::string_view Mascara = "#####0.00";
constexpr double MinimoRango = -1e-10;     // lets an empty box through as 0
constexpr double MinimoIncremento = 1e-10; // an empty or zero step is refused
constexpr double AlturaMinima = 1.0;       // m

constexpr std::int32_t TextoAlturaMenorUno = 171;
constexpr std::int32_t TextoSinMDPInicial = 273;
constexpr std::int32_t TextoMDPMenorQueDP = 274;
constexpr std::int32_t TextoSinIncremento = 276;
constexpr std::int32_t TextoAlturaFinalMenor = 310;
constexpr std::int32_t TextoPresionInicialDP = 519;
constexpr std::int32_t TextoPresionFinalDP = 520;
constexpr std::int32_t TextoDPFinalMenorTramo = 521;
constexpr std::int32_t TextoDPFinalMenorObra = 522;
// The run's own message for its heights is the same literal in every language.
constexpr const char *AlturaFinalMenorTramo = "Altura de tierras Final Inferior a la Inicial";

bool CompruebaCaja(CapturaDatos &v, const ControlTexto &caja, double minimo, double &variable,
                   std::int32_t caption)
{
    return Comprueba(v, caja, minimo, variable, T(v, caption));
}

// The order the boxes are opened in is the rule's own; only the three properties change.
void AbreCajaFondoPrimero(ControlTexto &caja)
{
    caja.BackColor = ColorFondo::Editable;
    caja.Locked = false;
    caja.Enabled = true;
}

void CierraCaja(ControlTexto &caja)
{
    caja.Locked = true;
    caja.Enabled = false;
    caja.BackColor = ColorFondo::Cerrado;
}

// An ordered pair of boxes (an initial and a final value) is judged when the focus leaves the
// pair, not between its two boxes: the engineer who has typed an initial value above the final
// one may mend either box next, and a check that sent the focus from one to the other would
// let only the final one be mended. Leaving one box for its partner checks nothing of the
// order; the save and the calculation check the whole range again.
bool HaciaLaPareja(const CapturaDatos &v, const Control &pareja)
{
    return v.DestinoFoco() == &pareja;
}

// The final box of a pair can be typed in: a closed one follows the initial value by the
// rules of its range, so the initial box must not hold the pair's order against it.
bool Abierta(const ControlTexto &caja)
{
    return caja.Visible && caja.Enabled && !caja.Locked;
}

// A final value below the initial one: a pair the engineer has not finished mending.
bool Desordenado(double inicial, double final)
{
    return final > 0 && final < inicial;
}

} // namespace

// Project pressures.

void CapturaDatos::edPrsM1_GotFocus() {}

void CapturaDatos::edPrsM1_Validate(bool &Cancel)
{
    DatosObra &o = m_estado.obra;
    if (!CompruebaCaja(*this, edPrsM1, MinimoRango, o.MDPInicialObra, TextoMDPInicial)) {
        Cancel = true;
    }
    if (o.MDPInicialObra <= 0) {
        Cancel = true;
        Avisa(*this, T(*this, TextoSinMDPInicial));
        return;
    }
    Muestra(*this, edPrsM1, o.MDPInicialObra, Mascara);
    if (o.DPInicialObra == 0) {
        o.DPInicialObra = o.MDPInicialObra / RelacionMDPDP;
    }
    MuestraOBlanco(*this, edPrs1, o.DPInicialObra, Mascara);
    if (!Cancel && !HaciaLaPareja(*this, edPrsM2) && Abierta(edPrsM2) &&
        Desordenado(o.MDPInicialObra, o.MDPFinalObra)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoMDPFinalMenor));
    }
}

void CapturaDatos::edPrs1_GotFocus() {}

void CapturaDatos::edPrs1_Validate(bool &Cancel)
{
    DatosObra &o = m_estado.obra;
    if (!CompruebaCaja(*this, edPrs1, MinimoRango, o.DPInicialObra, TextoPresionInicialDP)) {
        Cancel = true;
    }
    if (o.DPInicialObra == 0) {
        o.DPInicialObra = o.MDPInicialObra / RelacionMDPDP;
    }
    if (o.DPInicialObra > o.MDPInicialObra) {
        Cancel = true;
        Avisa(*this, T(*this, TextoMDPMenorQueDP));
        return;
    }
    Muestra(*this, edPrs1, o.DPInicialObra, Mascara);
    if (!Cancel && !HaciaLaPareja(*this, edPrs2) && Abierta(edPrs2) &&
        Desordenado(o.DPInicialObra, o.DPFinalObra)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoDPFinalMenorObra));
    }
}

void CapturaDatos::edPrs1_LostFocus()
{
    DatosObra &o = m_estado.obra;
    if (o.DPInicialObra == 0) {
        o.DPInicialObra = o.MDPInicialObra / RelacionMDPDP;
    }
    Muestra(*this, edPrs1, o.DPInicialObra, Mascara);
    // A single MDP value has a single DP.
    if (o.MDPInicialObra == o.MDPFinalObra) {
        o.DPFinalObra = o.DPInicialObra;
        Muestra(*this, edPrs2, o.DPFinalObra, Mascara);
        CierraCaja(edPrs2);
    }
}

void CapturaDatos::edPrsM2_GotFocus()
{
    edPrs3.Enabled = true;
    edPrsM2.Enabled = true;
}

void CapturaDatos::edPrsM2_Validate(bool &Cancel)
{
    DatosObra &o = m_estado.obra;
    if (!CompruebaCaja(*this, edPrsM2, MinimoRango, o.MDPFinalObra, TextoMDPFinal)) {
        Cancel = true;
        return;
    }
    if (!HaciaLaPareja(*this, edPrsM1) && Desordenado(o.MDPInicialObra, o.MDPFinalObra)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoMDPFinalMenor));
        return;
    }
    if (o.MDPFinalObra == 0 && o.MDPInicialObra > 0) {
        o.MDPFinalObra = o.MDPInicialObra;
    }
    if (o.MDPFinalObra <= 0 || o.MDPFinalObra == o.MDPInicialObra) {
        o.IncrementoPresionObra = 0;
        Muestra(*this, edPrs3, 0, "#####0");
    }
    MuestraOBlanco(*this, edPrsM2, o.MDPFinalObra, Mascara);
    if (o.DPFinalObra == 0) {
        o.DPFinalObra = o.MDPFinalObra / RelacionMDPDP;
    }
    MuestraOBlanco(*this, edPrs2, o.DPFinalObra, Mascara);
}

void CapturaDatos::edPrsM2_LostFocus()
{
    const DatosObra &o = m_estado.obra;
    // The boxes that follow the range wait until the pair is mended.
    if (o.MDPFinalObra <= 0 || Desordenado(o.MDPInicialObra, o.MDPFinalObra)) {
        return;
    }
    if (o.MDPFinalObra > o.MDPInicialObra) {
        AbreCajaFondoPrimero(edPrs3);
        AbreCajaFondoPrimero(edPrs2);
    } else {
        CierraCaja(edPrs3);
        CierraCaja(edPrs2);
    }
}

void CapturaDatos::edPrs2_GotFocus() {}

void CapturaDatos::edPrs2_Validate(bool &Cancel)
{
    DatosObra &o = m_estado.obra;
    if (!CompruebaCaja(*this, edPrs2, MinimoRango, o.DPFinalObra, TextoPresionFinalDP)) {
        Cancel = true;
        return;
    }
    if (o.DPInicialObra > 0 && o.MDPFinalObra > o.MDPInicialObra && o.DPFinalObra < 0.01) {
        o.DPFinalObra = o.MDPFinalObra / RelacionMDPDP;
    }
    if (!HaciaLaPareja(*this, edPrs1) && Desordenado(o.DPInicialObra, o.DPFinalObra)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoDPFinalMenorObra));
        return;
    }
    if (o.DPFinalObra > o.MDPFinalObra) {
        Cancel = true;
        Avisa(*this, T(*this, TextoMDPMenorQueDP));
        return;
    }
    Muestra(*this, edPrs2, o.DPFinalObra, Mascara);
}

void CapturaDatos::edPrs2_LostFocus() {}

void CapturaDatos::edPrs3_GotFocus() {}

void CapturaDatos::edPrs3_Validate(bool &Cancel)
{
    DatosObra &o = m_estado.obra;
    if (o.MDPFinalObra > o.MDPInicialObra) {
        if (!CompruebaCaja(*this, edPrs3, MinimoIncremento, o.IncrementoPresionObra,
                           TextoIncrementoPresion)) {
            Cancel = true;
        }
    } else {
        o.IncrementoPresionObra = 0;
    }
    if (!Cancel && o.MDPFinalObra > 0 && o.IncrementoPresionObra == 0 &&
        o.MDPInicialObra != o.MDPFinalObra) {
        Cancel = true;
        Avisa(*this, T(*this, TextoSinIncremento));
    }
    if (o.IncrementoPresionObra > 0) {
        Muestra(*this, edPrs3, o.IncrementoPresionObra, Mascara);
    }
}

// Run pressures.

void CapturaDatos::edPrsM1Tram_GotFocus() {}

void CapturaDatos::edPrsM1Tram_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (!CompruebaCaja(*this, edPrsM1Tram, MinimoRango, t.MDPInicialTramo, TextoMDPInicial)) {
        Cancel = true;
    }
    MuestraOBlanco(*this, edPrsM1Tram, t.MDPInicialTramo, Mascara);
    if (t.MDPInicialTramo < t.MDPFinalTramo) {
        edPrs3Tram.Enabled = true;
    }
    if (t.DPInicialTramo == 0) {
        t.DPInicialTramo = t.MDPInicialTramo / RelacionMDPDP;
    }
    MuestraOBlanco(*this, edPrs1Tram, t.DPInicialTramo, Mascara);
    if (!Cancel && !HaciaLaPareja(*this, edPrsM2Tram) && Abierta(edPrsM2Tram) &&
        Desordenado(t.MDPInicialTramo, t.MDPFinalTramo)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoMDPFinalMenor));
    }
}

void CapturaDatos::edPrs1Tram_GotFocus() {}

void CapturaDatos::edPrs1Tram_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (!CompruebaCaja(*this, edPrs1Tram, MinimoRango, t.DPInicialTramo, TextoPresionInicialDP)) {
        Cancel = true;
    }
    if (t.DPInicialTramo == 0) {
        t.DPInicialTramo = t.MDPInicialTramo / RelacionMDPDP;
    }
    if (t.DPInicialTramo > t.MDPInicialTramo) {
        Cancel = true;
        Avisa(*this, T(*this, TextoMDPMenorQueDP));
        return;
    }
    MuestraOBlanco(*this, edPrs1Tram, t.DPInicialTramo, Mascara);
    if (!Cancel && !HaciaLaPareja(*this, edPrs2Tram) && Abierta(edPrs2Tram) &&
        Desordenado(t.DPInicialTramo, t.DPFinalTramo)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoDPFinalMenorTramo));
    }
}

void CapturaDatos::edPrs1Tram_LostFocus()
{
    DatosTramo &t = m_estado.tramo;
    if (t.DPInicialTramo == 0) {
        t.DPInicialTramo = t.MDPInicialTramo / RelacionMDPDP;
    }
    MuestraOBlanco(*this, edPrs1Tram, t.DPInicialTramo, Mascara);
    if (t.MDPInicialTramo == t.MDPFinalTramo) {
        t.DPFinalTramo = t.DPInicialTramo;
        MuestraOBlanco(*this, edPrs2Tram, t.DPFinalTramo, Mascara);
        CierraCaja(edPrs2Tram);
    }
}

void CapturaDatos::edPrsM2Tram_GotFocus()
{
    edPrs3Tram.Enabled = true;
    edPrsM2Tram.Enabled = true;
}

void CapturaDatos::edPrsM2Tram_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (!CompruebaCaja(*this, edPrsM2Tram, MinimoRango, t.MDPFinalTramo, TextoMDPFinal)) {
        Cancel = true;
        return;
    }
    if (!HaciaLaPareja(*this, edPrsM1Tram) && Desordenado(t.MDPInicialTramo, t.MDPFinalTramo)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoMDPFinalMenor));
        return;
    }
    if (t.MDPFinalTramo == 0 && t.MDPInicialTramo > 0) {
        t.MDPFinalTramo = t.MDPInicialTramo;
    }
    if ((t.MDPFinalTramo <= 0 || t.MDPFinalTramo == t.MDPInicialTramo) &&
        t.IncrementoPresionTramo != 0) {
        t.IncrementoPresionTramo = 0;
        Muestra(*this, edPrs3Tram, 0, "#####0");
    }
    MuestraOBlanco(*this, edPrsM2Tram, t.MDPFinalTramo, Mascara);
    if (t.DPFinalTramo == 0) {
        t.DPFinalTramo = t.MDPFinalTramo / RelacionMDPDP;
    }
    MuestraOBlanco(*this, edPrs2Tram, t.DPFinalTramo, Mascara);
    if (t.MDPInicialTramo < t.MDPFinalTramo) {
        edPrs3Tram.Enabled = true;
    }
}

void CapturaDatos::edPrsM2Tram_LostFocus()
{
    const DatosTramo &t = m_estado.tramo;
    if (t.MDPFinalTramo <= 0 || Desordenado(t.MDPInicialTramo, t.MDPFinalTramo)) {
        return;
    }
    if (t.MDPFinalTramo > t.MDPInicialTramo) {
        AbreCajaFondoPrimero(edPrs3Tram);
        AbreCajaFondoPrimero(edPrs2Tram);
    } else {
        CierraCaja(edPrs3Tram);
        CierraCaja(edPrs2Tram);
    }
}

void CapturaDatos::edPrs2Tram_GotFocus()
{
    edPrs3Tram.Enabled = true;
}

void CapturaDatos::edPrs2Tram_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (!CompruebaCaja(*this, edPrs2Tram, MinimoRango, t.DPFinalTramo, TextoPresionFinalDP)) {
        Cancel = true;
        return;
    }
    if (t.DPInicialTramo > 0 && t.MDPFinalTramo >= t.MDPInicialTramo && t.DPFinalTramo < 0.01) {
        t.DPFinalTramo = t.MDPFinalTramo / RelacionMDPDP;
    }
    if (!HaciaLaPareja(*this, edPrs1Tram) && Desordenado(t.DPInicialTramo, t.DPFinalTramo)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoDPFinalMenorTramo));
        return;
    }
    if (t.DPFinalTramo > t.MDPFinalTramo) {
        Cancel = true;
        Avisa(*this, T(*this, TextoMDPMenorQueDP));
        return;
    }
    MuestraOBlanco(*this, edPrs2Tram, t.DPFinalTramo, Mascara);
}

void CapturaDatos::edPrs2Tram_LostFocus()
{
    DatosTramo &t = m_estado.tramo;
    if (Desordenado(t.DPInicialTramo, t.DPFinalTramo)) {
        return;
    }
    if (t.DPFinalTramo > 0) {
        if (t.DPFinalTramo > t.DPInicialTramo) {
            AbreCajaFondoPrimero(edPrs3Tram);
            AbreCajaFondoPrimero(edPrsM2Tram);
        } else {
            CierraCaja(edPrs3Tram);
            CierraCaja(edPrsM2Tram);
        }
    }
    // A run DP range without extent has no step and shows no MDP final; MDPFinalTramo keeps
    // its value.
    if (t.DPFinalTramo == 0 || t.DPFinalTramo == t.DPInicialTramo) {
        CierraCaja(edPrs3Tram);
        ponTexto(edPrs3Tram, "");
        t.IncrementoPresionTramo = 0;
        CierraCaja(edPrsM2Tram);
        ponTexto(edPrsM2Tram, "");
    }
}

void CapturaDatos::edPrs3Tram_GotFocus() {}

void CapturaDatos::edPrs3Tram_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (t.MDPFinalTramo > t.MDPInicialTramo) {
        if (!CompruebaCaja(*this, edPrs3Tram, MinimoIncremento, t.IncrementoPresionTramo,
                           TextoIncrementoPresion)) {
            Cancel = true;
        }
    } else {
        t.IncrementoPresionTramo = 0;
    }
    if (!Cancel && t.MDPFinalTramo > 0 && t.IncrementoPresionTramo == 0 &&
        t.MDPInicialTramo != t.MDPFinalTramo) {
        Cancel = true;
        Avisa(*this, T(*this, TextoSinIncremento));
    }
    if (t.MDPInicialTramo > 0 && t.IncrementoPresionTramo > 0) {
        Muestra(*this, edPrs3Tram, t.IncrementoPresionTramo, Mascara);
    }
}

// Project fill heights.

void CapturaDatos::edAlt1_GotFocus() {}

void CapturaDatos::edAlt1_Validate(bool &Cancel)
{
    DatosObra &o = m_estado.obra;
    if (!CompruebaCaja(*this, edAlt1, MinimoRango, o.AlturaInicialObra, TextoAlturaInicial)) {
        Cancel = true;
    }
    if (o.AlturaInicialObra < AlturaMinima) {
        Cancel = true;
        Avisa(*this, T(*this, TextoAlturaMenorUno));
        return;
    }
    Muestra(*this, edAlt1, o.AlturaInicialObra, Mascara);
    if (!Cancel && !HaciaLaPareja(*this, edAlt2) && Abierta(edAlt2) &&
        Desordenado(o.AlturaInicialObra, o.AlturaFinalObra)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoAlturaFinalMenor));
    }
}

void CapturaDatos::edAlt2_GotFocus()
{
    edAlt3.Enabled = true;
}

void CapturaDatos::edAlt2_Validate(bool &Cancel)
{
    DatosObra &o = m_estado.obra;
    if (!CompruebaCaja(*this, edAlt2, MinimoRango, o.AlturaFinalObra, TextoAlturaFinal)) {
        Cancel = true;
        return;
    }
    if (!HaciaLaPareja(*this, edAlt1) && Desordenado(o.AlturaInicialObra, o.AlturaFinalObra)) {
        Cancel = true;
        Avisa(*this, T(*this, TextoAlturaFinalMenor));
        return;
    }
    if (o.AlturaFinalObra == 0 && o.AlturaInicialObra > 0) {
        o.AlturaFinalObra = o.AlturaInicialObra;
    }
    if (o.AlturaFinalObra <= 0 || o.AlturaFinalObra == o.AlturaInicialObra) {
        o.IncrementoAlturaObra = 0;
        ponTexto(edAlt3, "");
    }
    Muestra(*this, edAlt2, o.AlturaFinalObra, Mascara);
}

void CapturaDatos::edAlt2_LostFocus()
{
    const DatosObra &o = m_estado.obra;
    if (Desordenado(o.AlturaInicialObra, o.AlturaFinalObra)) {
        return;
    }
    if (o.AlturaFinalObra > 0) {
        if (o.AlturaFinalObra > o.AlturaInicialObra) {
            AbreCajaFondoPrimero(edAlt3);
        } else {
            CierraCaja(edAlt3);
            ponTexto(edAlt3, "");
        }
    }
    if (o.AlturaFinalObra == 0) {
        CierraCaja(edAlt3);
        ponTexto(edAlt3, "");
    }
}

void CapturaDatos::edAlt3_GotFocus() {}

void CapturaDatos::edAlt3_Validate(bool &Cancel)
{
    DatosObra &o = m_estado.obra;
    if (o.AlturaFinalObra > o.AlturaInicialObra) {
        if (!CompruebaCaja(*this, edAlt3, MinimoIncremento, o.IncrementoAlturaObra,
                           TextoIncrementoAltura)) {
            Cancel = true;
        }
    } else {
        o.IncrementoAlturaObra = 0;
    }
    Muestra(*this, edAlt3, o.IncrementoAlturaObra, Mascara);
}

// Run fill heights.

void CapturaDatos::edHr0_GotFocus() {}

void CapturaDatos::edHr0_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    const DatosObra &o = m_estado.obra;
    // Without a project height the run must give its own, of at least 1 m.
    const double minimo = o.AlturaInicialObra <= 0 ? 0.001 : 0.0;
    if (!CompruebaCaja(*this, edHr0, minimo, t.AlturaInicialTramo, TextoAlturaInicial)) {
        Cancel = true;
    }
    if (minimo > 0 && t.AlturaInicialTramo < AlturaMinima) {
        Cancel = true;
        Avisa(*this, T(*this, TextoAlturaMenorUno));
    }
    if (t.AlturaInicialTramo != 0) {
        Muestra(*this, edHr0, t.AlturaInicialTramo, Mascara);
        m_estado.calculo.AlturaInicial = t.AlturaInicialTramo;
    } else {
        ponTexto(edHr0, "");
        m_estado.calculo.AlturaInicial = o.AlturaInicialObra;
    }
    if (!Cancel && !HaciaLaPareja(*this, edHr0Final) && Abierta(edHr0Final) &&
        Desordenado(t.AlturaInicialTramo, t.AlturaFinalTramo)) {
        Cancel = true;
        Avisa(*this, AlturaFinalMenorTramo);
    }
}

void CapturaDatos::edHr0Final_GotFocus()
{
    edHr0Delta.Enabled = true;
}

void CapturaDatos::edHr0Final_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (!CompruebaCaja(*this, edHr0Final, MinimoRango, t.AlturaFinalTramo, TextoAlturaFinal)) {
        Cancel = true;
        return;
    }
    if (!HaciaLaPareja(*this, edHr0) && Desordenado(t.AlturaInicialTramo, t.AlturaFinalTramo)) {
        Cancel = true;
        Avisa(*this, AlturaFinalMenorTramo);
        return;
    }
    if (t.AlturaFinalTramo == 0 && t.AlturaInicialTramo > 0) {
        t.AlturaFinalTramo = t.AlturaInicialTramo;
    }
    if (t.AlturaFinalTramo <= 0 || t.AlturaFinalTramo == t.AlturaInicialTramo) {
        t.IncrementoAltura = 0;
        ponTexto(edHr0Delta, "");
    }
    if (t.AlturaInicialTramo != 0) {
        Muestra(*this, edHr0Final, t.AlturaFinalTramo, Mascara);
        m_estado.calculo.AlturaFinal = t.AlturaFinalTramo;
    } else {
        ponTexto(edHr0Final, "");
        m_estado.calculo.AlturaFinal = m_estado.obra.AlturaFinalObra;
    }
}

void CapturaDatos::edHr0Final_LostFocus()
{
    const DatosTramo &t = m_estado.tramo;
    if (Desordenado(t.AlturaInicialTramo, t.AlturaFinalTramo)) {
        return;
    }
    if (t.AlturaFinalTramo > 0) {
        if (t.AlturaFinalTramo > t.AlturaInicialTramo) {
            AbreCajaFondoPrimero(edHr0Delta);
        } else {
            CierraCaja(edHr0Delta);
            ponTexto(edHr0Delta, "");
        }
    }
    if (t.AlturaFinalTramo == 0) {
        CierraCaja(edHr0Delta);
        ponTexto(edHr0Delta, "");
    }
}

void CapturaDatos::edHr0Delta_GotFocus() {}

void CapturaDatos::edHr0Delta_Validate(bool &Cancel)
{
    DatosTramo &t = m_estado.tramo;
    if (t.AlturaFinalTramo > t.AlturaInicialTramo) {
        if (!CompruebaCaja(*this, edHr0Delta, MinimoIncremento, t.IncrementoAltura,
                           TextoIncrementoAltura)) {
            Cancel = true;
        }
    } else {
        t.IncrementoAltura = 0;
    }
    Muestra(*this, edHr0Delta, t.IncrementoAltura, Mascara);
}

// Run description.

void CapturaDatos::edDescriTramo_GotFocus() {}

void CapturaDatos::edDescriTramo_Validate(bool & /*Cancel*/)
{
    ponTexto(edDescriTramo2, edDescriTramo.Text());
    m_estado.tramo.ITIT = edDescriTramo.Text();
}

} // namespace dravek
