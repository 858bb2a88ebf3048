#include "core/engine/PresionesCaso.h"
#include "core/entry/AyudasCaptura.h"
#include "core/entry/CambioTipologia.h"
#include "core/entry/CapturaDatos.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"
#include "core/validation/FuncionesGenerales.h"

#include <string>

namespace dravek {

namespace {

using captura::SinDosPuntos;
using captura::Vacio;

constexpr std::int32_t TextoAnchoZanjaMetros = 235;
constexpr std::int32_t TextoSinEleccion = 307;
constexpr std::int32_t TextoSinEfectoArco = 537;
constexpr std::int32_t TextoCargaPorOtroMetodo = 538;
constexpr std::int32_t TextoSinTramoElegido = 540;

} // namespace

void CapturaDatos::TabPrincipal_Click(int PreviousTab)
{
    EstadoObra &e = m_estado;
    const std::int32_t d = e.ejecucion.DesplazamientoIdioma;
    const auto numero = [&](double minimo, const ControlTexto &caja, double &valor,
                            std::int32_t caption) {
        return ValidaNumero(e.ejecucion, mensajes(), minimo, caja.Text(), valor, Texto(d, caption),
                            LecturaNumero::Estricta);
    };
    const auto vuelve = [&](int pestana, Control &foco) {
        ponPestana(TabPrincipal, pestana);
        SetFocus(foco);
    };

    if (PreviousTab == 0) {
        DatosObra &o = e.obra;
        if (!numero(-1E-10, edPrs1, o.DPInicialObra, TextoPresionInicial)) {
            vuelve(0, edPrs1);
            return;
        }
        if (!numero(-1E-10, edPrs2, o.DPFinalObra, TextoPresionFinal)) {
            vuelve(0, edPrs1);
            return;
        }
        if (o.DPFinalObra > o.DPInicialObra &&
            !numero(1E-10, edPrs3, o.IncrementoPresionObra, TextoIncrementoPresion)) {
            vuelve(0, edPrs3);
            return;
        }
    }
    if (TabPrincipal.Tab() == 2) {
        if (Vacio(edTramo.Text())) {
            mensajes().Muestra(Texto(d, TextoSinTramoElegido), BotonesMensaje::Aceptar,
                               IconoMensaje::Ninguno, "");
            vuelve(1, edTramo);
            return;
        }
        DatosTramo &t = e.tramo;
        if (!numero(-1E-10, edPrs1Tram, t.DPInicialTramo, TextoPresionInicial) ||
            !numero(-1E-10, edPrs2Tram, t.DPFinalTramo, TextoPresionFinal) ||
            (t.DPFinalTramo > t.DPInicialTramo &&
             !numero(1E-10, edPrs3Tram, t.IncrementoPresionTramo, TextoIncrementoPresion))) {
            vuelve(1, edPrs1Tram);
            return;
        }
    }
    if (Vacio(edDescriTramo2.Text())) {
        ponTexto(edDescriTramo2, edDescriTramo.Text());
    }

    const bool sinTramo = Vacio(e.ejecucion.ModoCaptura);
    const std::string unidades = TextoSistemaUnidades(*this);
    const auto habilitaUnidades = [&](bool habilita) {
        rdSistemaUnidades[0].Enabled = habilita;
        rdSistemaUnidades[1].Enabled = habilita;
    };
    if (TabPrincipal.Tab() == 0 || sinTramo) {
        Caption = Texto(d, 384) + unidades;
        habilitaUnidades(sinTramo);
    } else {
        habilitaUnidades(false);
        Caption = Texto(d, 384) + " " + Texto(d, e.ejecucion.ModoCaptura == "ALTAS" ? 385 : 386) +
                  unidades;
    }
    if (TabPrincipal.Tab() == 1) {
        SetFocus(edTramo);
    } else if (TabPrincipal.Tab() == 2) {
        SetFocus(rdTipoColocacion);
    }
}

void CapturaDatos::TabDatosColocacion_Click(int /*PreviousTab*/)
{
    if (TabDatosColocacion.Tab() != 2) {
        return;
    }
    EstadoObra &e = m_estado;
    const std::int32_t d = e.ejecucion.DesplazamientoIdioma;
    const auto falta = [&](std::int32_t dato, int pestana, Control &foco) {
        mensajes().Muestra(Texto(d, TextoSinEleccion) + " " + SinDosPuntos(Texto(d, dato)),
                           BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "");
        ponPestana(TabDatosColocacion, pestana);
        SetFocus(foco);
    };

    RangoAlturas(e);
    const DatosTramo &t = e.tramo;
    const DatosCalculo &c = e.calculo;
    if (c.AlturaInicial < 0.001) {
        falta(TextoAlturasCalculo, 1, edHr0);
    } else if (t.vDE < 0.001) {
        falta(TextoDiametroExterior, 0, edDi0);
    } else if (t.AnchoZanja < 0.001 && t.CodigoColocacion < 30) {
        falta(TextoAnchoZanjaMetros, 1, edB0);
    } else if (c.AlturaFinal > 5 * t.vDE && c.AlturaFinal > 5.0) {
        // Beyond five diameters and five metres of fill the arching of the soil would lower the
        // load, which the calculation leaves out.
        PonAvisoEfectoArco();
    } else {
        avCargas1.BackColor = ColorFondo::Cara;
        ponTexto(avCargas1, "");
    }
}

void CapturaDatos::PonAvisoEfectoArco()
{
    const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
    avCargas1.BackColor = ColorFondo::Aviso;
    ponTexto(avCargas1, Texto(d, TextoSinEfectoArco) + " " + Texto(d, TextoCargaPorOtroMetodo));
}

} // namespace dravek
