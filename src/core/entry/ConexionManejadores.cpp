// The data-entry window's table of handlers and the one loop that hangs them on the controls.

#include "core/entry/ConexionManejadores.h"

#include "core/entry/CapturaDatos.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>

namespace dravek {

namespace {

using C = CapturaDatos;

const ManejadoresControl Filas[] = {
    {.control = "TabPrincipal", .ClickIndice = &C::TabPrincipal_Click},
    {.control = "TabTipologia", .ClickIndice = &C::TabTipologia_Click},
    {.control = "TabDatosColocacion", .ClickIndice = &C::TabDatosColocacion_Click},
    {.control = "edIdioma",
     .GotFocus = &C::edIdioma_GotFocus,
     .Validate = &C::edIdioma_Validate,
     .Click = &C::edIdioma_Click},
    {.control = "edPrsM1",
     .GotFocus = &C::edPrsM1_GotFocus,
     .Validate = &C::edPrsM1_Validate,
     .KeyPress = &C::edPrsM1_KeyPress},
    {.control = "edPrsM2",
     .GotFocus = &C::edPrsM2_GotFocus,
     .Validate = &C::edPrsM2_Validate,
     .LostFocus = &C::edPrsM2_LostFocus,
     .KeyPress = &C::edPrsM2_KeyPress},
    {.control = "edPrs1",
     .GotFocus = &C::edPrs1_GotFocus,
     .Validate = &C::edPrs1_Validate,
     .LostFocus = &C::edPrs1_LostFocus,
     .KeyPress = &C::edPrs1_KeyPress},
    {.control = "edPrs2",
     .GotFocus = &C::edPrs2_GotFocus,
     .Validate = &C::edPrs2_Validate,
     .LostFocus = &C::edPrs2_LostFocus,
     .KeyPress = &C::edPrs2_KeyPress},
    {.control = "edPrs3",
     .GotFocus = &C::edPrs3_GotFocus,
     .Validate = &C::edPrs3_Validate,
     .KeyPress = &C::edPrs3_KeyPress},
    {.control = "edAlt1",
     .GotFocus = &C::edAlt1_GotFocus,
     .Validate = &C::edAlt1_Validate,
     .KeyPress = &C::edAlt1_KeyPress},
    {.control = "edAlt2",
     .GotFocus = &C::edAlt2_GotFocus,
     .Validate = &C::edAlt2_Validate,
     .LostFocus = &C::edAlt2_LostFocus,
     .KeyPress = &C::edAlt2_KeyPress},
    {.control = "edAlt3",
     .GotFocus = &C::edAlt3_GotFocus,
     .Validate = &C::edAlt3_Validate,
     .KeyPress = &C::edAlt3_KeyPress},
    {.control = "rdGolpeAriete", .ClickIndice = &C::rdGolpeAriete_Click},
    {.control = "rdSistemaUnidades", .ClickIndice = &C::rdSistemaUnidades_Click},
    {.control = "CommandButton2", .Click = &C::CommandButton2_Click},
    {.control = "btGrabaObra", .Click = &C::btGrabaObra_Click},
    {.control = "btCerrarObra", .Click = &C::btCerrarObra_Click},
    {.control = "edTramo",
     .GotFocus = &C::edTramo_GotFocus,
     .Validate = &C::edTramo_Validate,
     .Change = &C::edTramo_Change,
     .Click = &C::edTramo_Click},
    {.control = "edDescriTramo",
     .GotFocus = &C::edDescriTramo_GotFocus,
     .Validate = &C::edDescriTramo_Validate,
     .Change = &C::edDescriTramo_Change},
    {.control = "edPrsM1Tram",
     .GotFocus = &C::edPrsM1Tram_GotFocus,
     .Validate = &C::edPrsM1Tram_Validate,
     .KeyPress = &C::edPrsM1Tram_KeyPress},
    {.control = "edPrsM2Tram",
     .GotFocus = &C::edPrsM2Tram_GotFocus,
     .Validate = &C::edPrsM2Tram_Validate,
     .LostFocus = &C::edPrsM2Tram_LostFocus,
     .KeyPress = &C::edPrsM2Tram_KeyPress},
    {.control = "edPrs1Tram",
     .GotFocus = &C::edPrs1Tram_GotFocus,
     .Validate = &C::edPrs1Tram_Validate,
     .LostFocus = &C::edPrs1Tram_LostFocus,
     .KeyPress = &C::edPrs1Tram_KeyPress},
    {.control = "edPrs2Tram",
     .GotFocus = &C::edPrs2Tram_GotFocus,
     .Validate = &C::edPrs2Tram_Validate,
     .LostFocus = &C::edPrs2Tram_LostFocus,
     .KeyPress = &C::edPrs2Tram_KeyPress},
    {.control = "edPrs3Tram",
     .GotFocus = &C::edPrs3Tram_GotFocus,
     .Validate = &C::edPrs3Tram_Validate},
    {.control = "edIcontes0", .Click = &C::edIcontes0_Click},
    {.control = "edAdato",
     .GotFocus = &C::edAdato_GotFocus,
     .Validate = &C::edAdato_Validate,
     .Change = &C::edAdato_Change},
    {.control = "edTipoControl",
     .GotFocus = &C::edTipoControl_GotFocus,
     .Validate = &C::edTipoControl_Validate,
     .Change = &C::edTipoControl_Change,
     .Click = &C::edTipoControl_Click},
    {.control = "edTipoCamisa",
     .GotFocus = &C::edTipoCamisa_GotFocus,
     .Validate = &C::edTipoCamisa_Validate,
     .Change = &C::edTipoCamisa_Change,
     .Click = &C::edTipoCamisa_Click},
    {.control = "edCamMax",
     .GotFocus = &C::edCamMax_GotFocus,
     .Validate = &C::edCamMax_Validate,
     .Change = &C::edCamMax_Change,
     .KeyPress = &C::edCamMax_KeyPress},
    {.control = "edFck",
     .GotFocus = &C::edFck_GotFocus,
     .Validate = &C::edFck_Validate,
     .Change = &C::edFck_Change,
     .KeyPress = &C::edFck_KeyPress},
    {.control = "edFct", .KeyPress = &C::edFct_KeyPress},
    {.control = "edFyk",
     .GotFocus = &C::edFyk_GotFocus,
     .Validate = &C::edFyk_Validate,
     .Change = &C::edFyk_Change,
     .KeyPress = &C::edFyk_KeyPress},
    {.control = "edFyd",
     .GotFocus = &C::edFyd_GotFocus,
     .Validate = &C::edFyd_Validate,
     .Change = &C::edFyd_Change,
     .KeyPress = &C::edFyd_KeyPress},
    {.control = "edGamaB",
     .GotFocus = &C::edGamaB_GotFocus,
     .Validate = &C::edGamaB_Validate,
     .Change = &C::edGamaB_Change},
    {.control = "edIcontes1", .Click = &C::edIcontes1_Click},
    {.control = "edCoepre1",
     .GotFocus = &C::edCoepre1_GotFocus,
     .Validate = &C::edCoepre1_Validate,
     .Change = &C::edCoepre1_Change},
    {.control = "edDelca",
     .GotFocus = &C::edDelca_GotFocus,
     .Validate = &C::edDelca_Validate,
     .Change = &C::edDelca_Change},
    {.control = "TipoCamisa", .ClickIndice = &C::TipoCamisa_Click},
    {.control = "edEs",
     .GotFocus = &C::edEs_GotFocus,
     .Validate = &C::edEs_Validate,
     .Change = &C::edEs_Change,
     .KeyPress = &C::edEs_KeyPress},
    {.control = "edEp",
     .GotFocus = &C::edEp_GotFocus,
     .Validate = &C::edEp_Validate,
     .Change = &C::edEp_Change,
     .KeyPress = &C::edEp_KeyPress},
    {.control = "edFYKPost",
     .GotFocus = &C::edFYKPost_GotFocus,
     .Validate = &C::edFYKPost_Validate,
     .Change = &C::edFYKPost_Change},
    {.control = "edFckno",
     .GotFocus = &C::edFckno_GotFocus,
     .Validate = &C::edFckno_Validate,
     .Change = &C::edFckno_Change,
     .KeyPress = &C::edFckno_KeyPress},
    {.control = "edFckn",
     .GotFocus = &C::edFckn_GotFocus,
     .Validate = &C::edFckn_Validate,
     .Change = &C::edFckn_Change,
     .KeyPress = &C::edFckn_KeyPress},
    {.control = "edFckr",
     .GotFocus = &C::edFckr_GotFocus,
     .Validate = &C::edFckr_Validate,
     .Change = &C::edFckr_Change,
     .KeyPress = &C::edFckr_KeyPress},
    {.control = "edSFck",
     .GotFocus = &C::edSFck_GotFocus,
     .Validate = &C::edSFck_Validate,
     .Change = &C::edSFck_Change,
     .KeyPress = &C::edSFck_KeyPress},
    {.control = "edSf",
     .GotFocus = &C::edSf_GotFocus,
     .Validate = &C::edSf_Validate,
     .Change = &C::edSf_Change,
     .KeyPress = &C::edSf_KeyPress},
    {.control = "edRel",
     .GotFocus = &C::edRel_GotFocus,
     .Validate = &C::edRel_Validate,
     .Change = &C::edRel_Change,
     .KeyPress = &C::edRel_KeyPress},
    {.control = "edFic",
     .GotFocus = &C::edFic_GotFocus,
     .Validate = &C::edFic_Validate,
     .Change = &C::edFic_Change,
     .KeyPress = &C::edFic_KeyPress},
    {.control = "edFir",
     .GotFocus = &C::edFir_GotFocus,
     .Validate = &C::edFir_Validate,
     .Change = &C::edFir_Change,
     .KeyPress = &C::edFir_KeyPress},
    {.control = "edEpsc",
     .GotFocus = &C::edEpsc_GotFocus,
     .Validate = &C::edEpsc_Validate,
     .Change = &C::edEpsc_Change,
     .KeyPress = &C::edEpsc_KeyPress},
    {.control = "edEpsr",
     .GotFocus = &C::edEpsr_GotFocus,
     .Validate = &C::edEpsr_Validate,
     .Change = &C::edEpsr_Change,
     .KeyPress = &C::edEpsr_KeyPress},
    {.control = "edDi0",
     .GotFocus = &C::edDi0_GotFocus,
     .Validate = &C::edDi0_Validate,
     .Change = &C::edDi0_Change,
     .KeyPress = &C::edDi0_KeyPress,
     .Click = &C::edDi0_Click},
    {.control = "edEsp0",
     .GotFocus = &C::edEsp0_GotFocus,
     .Validate = &C::edEsp0_Validate,
     .Change = &C::edEsp0_Change,
     .KeyPress = &C::edEsp0_KeyPress,
     .Click = &C::edEsp0_Click},
    {.control = "edReci0",
     .GotFocus = &C::edReci0_GotFocus,
     .Validate = &C::edReci0_Validate,
     .Change = &C::edReci0_Change,
     .KeyPress = &C::edReci0_KeyPress,
     .Click = &C::edReci0_Click},
    {.control = "edRece0",
     .GotFocus = &C::edRece0_GotFocus,
     .Validate = &C::edRece0_Validate,
     .Change = &C::edRece0_Change,
     .KeyPress = &C::edRece0_KeyPress,
     .Click = &C::edRece0_Click},
    {.control = "edDe0", .KeyPress = &C::edDe0_KeyPress},
    {.control = "edGc0",
     .GotFocus = &C::edGc0_GotFocus,
     .Validate = &C::edGc0_Validate,
     .Change = &C::edGc0_Change,
     .KeyPress = &C::edGc0_KeyPress},
    {.control = "rdTipoColocacion", .ClickIndice = &C::rdTipoColocacion_Click},
    {.control = "edTipoCuna0",
     .GotFocus = &C::edTipoCuna0_GotFocus,
     .Validate = &C::edTipoCuna0_Validate,
     .Change = &C::edTipoCuna0_Change,
     .Click = &C::edTipoCuna0_Click},
    {.control = "edTipoApoyo0",
     .GotFocus = &C::edTipoApoyo0_GotFocus,
     .Validate = &C::edTipoApoyo0_Validate,
     .Change = &C::edTipoApoyo0_Change,
     .Click = &C::edTipoApoyo0_Click},
    {.control = "edHr0",
     .GotFocus = &C::edHr0_GotFocus,
     .Validate = &C::edHr0_Validate,
     .Change = &C::edHr0_Change,
     .KeyPress = &C::edHr0_KeyPress},
    {.control = "edHr0Final",
     .GotFocus = &C::edHr0Final_GotFocus,
     .Validate = &C::edHr0Final_Validate,
     .LostFocus = &C::edHr0Final_LostFocus,
     .KeyPress = &C::edHr0Final_KeyPress},
    {.control = "edHr0Delta",
     .GotFocus = &C::edHr0Delta_GotFocus,
     .Validate = &C::edHr0Delta_Validate,
     .KeyPress = &C::edHr0Delta_KeyPress},
    {.control = "edB0",
     .GotFocus = &C::edB0_GotFocus,
     .Validate = &C::edB0_Validate,
     .Change = &C::edB0_Change,
     .KeyPress = &C::edB0_KeyPress},
    {.control = "edGr0",
     .GotFocus = &C::edGr0_GotFocus,
     .Validate = &C::edGr0_Validate,
     .Change = &C::edGr0_Change,
     .KeyPress = &C::edGr0_KeyPress},
    {.control = "edFi0",
     .GotFocus = &C::edFi0_GotFocus,
     .Validate = &C::edFi0_Validate,
     .Change = &C::edFi0_Change,
     .KeyPress = &C::edFi0_KeyPress},
    {.control = "edTipoRelleno0",
     .GotFocus = &C::edTipoRelleno0_GotFocus,
     .Validate = &C::edTipoRelleno0_Validate,
     .Change = &C::edTipoRelleno0_Change,
     .Click = &C::edTipoRelleno0_Click},
    {.control = "edHr1",
     .GotFocus = &C::edHr1_GotFocus,
     .Validate = &C::edHr1_Validate,
     .Change = &C::edHr1_Change,
     .KeyPress = &C::edHr1_KeyPress},
    {.control = "edIAs",
     .GotFocus = &C::edIAs_GotFocus,
     .Validate = &C::edIAs_Validate,
     .Change = &C::edIAs_Change,
     .Click = &C::edIAs_Click},
    {.control = "edQDato0",
     .GotFocus = &C::edQDato0_GotFocus,
     .Validate = &C::edQDato0_Validate,
     .Change = &C::edQDato0_Change,
     .KeyPress = &C::edQDato0_KeyPress},
    {.control = "edICar0",
     .GotFocus = &C::edICar0_GotFocus,
     .Validate = &C::edICar0_Validate,
     .Change = &C::edICar0_Change,
     .Click = &C::edICar0_Click},
    {.control = "btNuevoTramo", .Click = &C::btNuevoTramo_Click},
    {.control = "btCancelar", .Click = &C::btCancelar_Click},
    {.control = "btGrabar", .Click = &C::btGrabar_Click},
    {.control = "btCalcular", .Click = &C::btCalcular_Click},
    {.control = "btAjustar", .Click = &C::btAjustar_Click},
};

std::logic_error SinEvento(const Control &control, const char *evento)
{
    return std::logic_error("\"" + control.Name() + "\" raises no " + evento);
}

// Hangs the row's handler, if it names one, on the event of the control, once.
template <typename... A>
void Cuelga(CapturaDatos &ventana, const Control &control, const char *evento,
            std::function<void(A...)> &manejado, void (CapturaDatos::*manejador)(A...))
{
    if (manejador == nullptr) {
        return;
    }
    if (manejado) {
        throw std::logic_error("the " + std::string(evento) + " of \"" + control.Name() +
                               "\" already has a handler");
    }
    manejado = [&ventana, manejador](A... argumentos) {
        (ventana.*manejador)(std::forward<A>(argumentos)...);
    };
}

std::function<void()> &ChangeDe(Control &control)
{
    if (auto *texto = dynamic_cast<ControlTexto *>(&control)) {
        return texto->Change;
    }
    throw SinEvento(control, "Change");
}

std::function<void()> &ClickDe(Control &control)
{
    if (auto *lista = dynamic_cast<Lista *>(&control)) {
        return lista->Click;
    }
    if (auto *casilla = dynamic_cast<Casilla *>(&control)) {
        return casilla->Click;
    }
    if (auto *boton = dynamic_cast<Boton *>(&control)) {
        return boton->Click;
    }
    throw SinEvento(control, "Click");
}

std::function<void(int)> &ClickIndiceDe(Control &control)
{
    if (auto *grupo = dynamic_cast<GrupoOpciones *>(&control)) {
        return grupo->Click;
    }
    if (auto *pestanas = dynamic_cast<Pestanas *>(&control)) {
        return pestanas->Click;
    }
    throw SinEvento(control, "Click with an index");
}

} // namespace

std::span<const ManejadoresControl> ManejadoresCaptura()
{
    return Filas;
}

void ConectaManejadores(CapturaDatos &ventana, std::span<const ManejadoresControl> filas)
{
    for (const ManejadoresControl &fila : filas) {
        Control &control = ventana.ControlLlamado(std::string(fila.control));
        Cuelga(ventana, control, "GotFocus", control.GotFocus, fila.GotFocus);
        Cuelga(ventana, control, "Validate", control.Validate, fila.Validate);
        Cuelga(ventana, control, "LostFocus", control.LostFocus, fila.LostFocus);
        Cuelga(ventana, control, "KeyPress", control.KeyPress, fila.KeyPress);
        if (fila.Change != nullptr) {
            Cuelga(ventana, control, "Change", ChangeDe(control), fila.Change);
        }
        if (fila.Click != nullptr) {
            Cuelga(ventana, control, "Click", ClickDe(control), fila.Click);
        }
        if (fila.ClickIndice != nullptr) {
            Cuelga(ventana, control, "Click", ClickIndiceDe(control), fila.ClickIndice);
        }
    }
}

} // namespace dravek
