#include "core/entry/AyudasCaptura.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/validation/FuncionesGenerales.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace dravek {

namespace {

constexpr std::int32_t TextoDosTerciosLimiteElastico = 1750; // "(2/3 LE)"

// A unit-dependent box with the masks the switch shows it with in each system.
struct CampoUnidades {
    std::string_view caja;
    std::string_view mascaraSI;
    std::string_view mascaraMKS;
};

constexpr std::string_view M2 = "#####0.00";
constexpr std::string_view M1 = "#####0.0";
constexpr std::string_view M0 = "#####0";

// In the order the switch converts them; edFct is computed from edFck, not converted.
constexpr CampoUnidades PresionesObra[] = {{"edPrs1", M2, M2},
                                           {"edPrs2", M2, M2},
                                           {"edPrs3", M2, M2},
                                           {"edPrsM1", M2, M2},
                                           {"edPrsM2", M2, M2}};
constexpr CampoUnidades PresionesTramo[] = {{"edPrs1Tram", M2, M2},
                                            {"edPrs2Tram", M2, M2},
                                            {"edPrs3Tram", M2, M2},
                                            {"edPrsM1Tram", M2, M2},
                                            {"edPrsM2Tram", M2, M2}};
constexpr CampoUnidades ResistenciasArmado[] = {
    {"edFck", M1, M0}, {"edFyk", M1, M0}, {"edFyd", M1, M0}};
constexpr CampoUnidades ValoresPostesado[] = {
    {"edFYKPost", M1, M0}, {"edEs", M0, M0},   {"edEp", M0, M0},   {"edFckno", M1, M0},
    {"edFckn", M1, M0},    {"edFckr", M1, M0}, {"edSFck", M0, M0}, {"edSf", M0, M0}};
constexpr CampoUnidades CargaVertical[] = {{"edQDato0", M2, M2}};

using captura::Vacio;
// The value a box stands for, in the system left. The text is what the box shows, rounded by its
// mask: while it is still the variable as the program showed it (by this switch's mask or by the
// box's own), the unrounded variable is what is meant; a text the engineer changed is read.
// Empty: 0. A text that is no number keeps the variable.
double ValorDeCaja(CapturaDatos &v, const CampoNumerico &campo, const CampoUnidades &u, bool deSI)
{
    EstadoObra &e = v.estado();
    const ControlTexto &caja = campo.control(v);
    const std::string &texto = caja.Text();
    if (Vacio(texto)) {
        return 0.0;
    }
    const double variable = campo.variable.de(e);
    const std::string &sep = e.ejecucion.SeparadorDecimalLocal;
    const std::string recortado = Recorta(texto);
    if (recortado == FormateaMascara(variable, deSI ? u.mascaraSI : u.mascaraMKS, sep) ||
        recortado == FormateaMascara(variable, campo.mascara(deSI), sep)) {
        return variable;
    }
    return TextoANumero(e.ejecucion, texto).value_or(variable);
}

} // namespace

void CapturaDatos::rdSistemaUnidades_Click(int Index)
{
    RevisaUnidades(Index);
}

void CapturaDatos::RevisaUnidades(int Index)
{
    EstadoObra &e = m_estado;
    const bool aSI = Index == 0;
    const std::string destino = aSI ? "SI" : "MKS";
    const std::string origen = aSI ? "MKS" : "SI";
    const std::string &sep = e.ejecucion.SeparadorDecimalLocal;

    if (e.ejecucion.SistemaUnidades == origen) {
        // A change of units changes how the values read, not the values: the rewritten boxes
        // neither mark the run as changed nor void its stored overrides. The project header,
        // which stores the unit system, has changed.
        const bool modificados = e.ejecucion.DatosModificados;
        const bool sfck = e.ejecucion.SFckModificado;
        const SinAnularAjustes sinAnular(*this);

        const auto convierte = [&](std::span<const CampoUnidades> campos) {
            for (const CampoUnidades &u : campos) {
                const CampoNumerico &campo = *BuscaCampo(u.caja);
                const double factor = FactorUnidad(campo.unidad);
                const double valor = ValorDeCaja(*this, campo, u, !aSI);
                campo.variable.de(e) = aSI ? valor / factor : valor * factor;
            }
            for (const CampoUnidades &u : campos) {
                const CampoNumerico &campo = *BuscaCampo(u.caja);
                ControlTexto &caja = campo.control(*this);
                if (!Vacio(caja.Text())) {
                    ponTexto(caja, FormateaMascara(campo.variable.de(e),
                                                   aSI ? u.mascaraSI : u.mascaraMKS, sep));
                }
            }
        };
        convierte(PresionesObra);
        convierte(PresionesTramo);
        // The tensile strength follows the converted compressive strength, by the rule the
        // calculation uses.
        convierte(ResistenciasArmado);
        e.tramo.Fct = FctDeFck(e.tramo.FCK, aSI);
        if (!Vacio(edFct.Text())) {
            ponTexto(edFct, FormateaMascara(e.tramo.Fct, aSI ? M1 : M0, sep));
        }
        convierte(ValoresPostesado);
        convierte(CargaVertical);

        e.ejecucion.DatosModificados = modificados;
        e.ejecucion.SFckModificado = sfck;
        e.obra.CabeceraModificada = true;
    }
    e.ejecucion.SistemaUnidades = destino;

    const RotulosUnidades &r = Rotulos;
    const std::int32_t d = e.ejecucion.DesplazamientoIdioma;
    Caption = Texto(d, 184) + ". " + Texto(d, aSI ? 267 : 268);
    const std::string &presion = aSI ? r.UnidadPresionSI : r.UnidadPresionMKS;
    const std::string &tension = aSI ? r.UnidadTensionSI : r.UnidadTensionMKS;
    frDatosPresion.Caption = r.RotuloDatosPresion + " " + presion;
    lbEtiquetas(37).Caption = r.RotuloPresionDP + " " + presion;
    lbEtiquetas(41).Caption = r.RotuloPresionMDP + " " + presion;
    frResistenciasArmado.Caption = r.RotuloResistenciasArmado + " " + tension;
    frElasticidadPostesado.Caption = r.RotuloElasticidadPostesado + " " + tension;
    frResistenciasPostesado.Caption = r.RotuloResistenciasPostesado + " " + tension;
    frTensionesPostesado.Caption = r.RotuloTensionesPostesado + " " + tension;
    lbEtiquetas(33).Caption =
        r.RotuloCargaVertical + " " + (aSI ? r.UnidadCargaSI : r.UnidadCargaMKS) + ": 0";
    // The markers in parentheses are the defaults in that system, written the same in every
    // language; the design strength's, two thirds of the elastic limit, is abbreviated in each.
    lbEtiquetas(EtiquetaFck).Caption = r.RotuloFck + (aSI ? "(35)" : "(350)");
    lbEtiquetas(EtiquetaFyk).Caption = r.RotuloFyk + (aSI ? "(210)" : "(2100)");
    lbEtiquetas(EtiquetaFyd).Caption =
        r.RotuloFyd + (aSI ? " " : "") + Texto(d, TextoDosTerciosLimiteElastico);
    lbEtiquetas(EtiquetaFYKPost).Caption =
        Recorta(r.RotuloFyk) + " " + tension + " " + (aSI ? "(210)" : "(2100)");
    lbEtiquetas(72).Caption = Recorta(r.RotuloEs) + " " + (aSI ? "(210.000)" : "(2.100.000)");
    lbEtiquetas(77).Caption = Recorta(r.RotuloEp) + " " + (aSI ? "(200.000)" : "(2.000.000)");
    lbEtiquetas(73).Caption = Recorta(r.RotuloFckno) + " " + (aSI ? "(30)" : "(300)");
    lbEtiquetas(74).Caption = Recorta(r.RotuloFckn) + " " + (aSI ? "(40)" : "(400)");
    lbEtiquetas(75).Caption = Recorta(r.RotuloFckr) + " " + (aSI ? "(35)" : "(350)");
    lbEtiquetas(76).Caption = Recorta(r.RotuloSFck) + " " + (aSI ? "(1.700)" : "(17.000)");
}

} // namespace dravek
