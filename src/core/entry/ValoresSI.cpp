#include "core/entry/ValoresSI.h"

#include "core/entry/CamposCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/validation/FuncionesGenerales.h"

#include <vector>

namespace dravek {

namespace {

bool EsSI(const std::string &s)
{
    return s.size() == 2 && (s[0] == 'S' || s[0] == 's') && (s[1] == 'I' || s[1] == 'i');
}

bool DeLaObra(const CampoNumerico &c)
{
    return c.limpieza == NivelLimpieza::Obra;
}

// Reads the boxes of one share first and writes only when all of them are numbers, so that a
// damaged box never leaves half the values converted.
std::string Lee(CapturaDatos &v, bool esSI, bool obra)
{
    EstadoObra &e = v.estado();
    struct Lectura {
        const CampoNumerico *campo;
        double valor;
    };
    std::vector<Lectura> lecturas;
    for (const CampoNumerico &c : CamposNumericos()) {
        // The tensile strength follows from the compressive one; its box is not read.
        if (c.copiaSI == nullptr || DeLaObra(c) != obra || c.caja == "edFct") {
            continue;
        }
        const std::optional<double> valor = ValorNumerico(e.ejecucion, c.control(v).Text());
        if (!valor) {
            return std::string(c.caja);
        }
        lecturas.push_back({&c, *valor});
    }
    for (const Lectura &l : lecturas) {
        const double factor = FactorUnidad(l.campo->unidad);
        double &trabajo = l.campo->variable.de(e);
        double &copia = e.valoresSI.*(l.campo->copiaSI);
        if (esSI) {
            copia = l.valor;
            trabajo = factor * copia;
        } else {
            trabajo = l.valor;
            copia = trabajo / factor;
        }
    }
    if (!obra) {
        // The value the calculation uses, in both systems.
        e.tramo.Fct = FctDeFck(e.tramo.FCK, false);
        e.valoresSI.FctSI = e.tramo.Fct / FactorTensiones;
    }
    return {};
}

void Restaura(EstadoObra &e, bool obra)
{
    if (!EsSI(e.ejecucion.SistemaUnidades)) {
        return;
    }
    for (const CampoNumerico &c : CamposNumericos()) {
        if (c.copiaSI != nullptr && DeLaObra(c) == obra && c.caja != "edFct") {
            c.variable.de(e) = e.valoresSI.*(c.copiaSI);
        }
    }
    if (!obra) {
        e.tramo.Fct = FctDeFck(e.valoresSI.FckSI, true);
    }
}

} // namespace

std::optional<double> ValorNumerico(const EstadoEjecucion &ejecucion, const std::string &texto)
{
    if (texto.empty()) {
        return 0.0;
    }
    return ConvierteNumeroCampo(texto, ejecucion.SeparadorDecimalLocal);
}

std::string LeePresionesSI(CapturaDatos &v, bool esSI)
{
    return Lee(v, esSI, true);
}

std::string LeeDatosSI(CapturaDatos &v, bool esSI)
{
    return Lee(v, esSI, false);
}

void RestauraPresionesSI(EstadoObra &estado)
{
    Restaura(estado, true);
}

void RestauraDatosSI(EstadoObra &estado)
{
    Restaura(estado, false);
}

} // namespace dravek
