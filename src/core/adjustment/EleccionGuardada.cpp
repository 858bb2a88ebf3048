#include "core/adjustment/EleccionGuardada.h"

#include "core/listing/FormatoNumeros.h"
#include "core/validation/FuncionesGenerales.h"

namespace dravek {

namespace {

double ComoSeMuestra(const EstadoEjecucion &ejecucion, double valor)
{
    return TextoANumero(ejecucion,
                        FormateaMascara(valor, "####0.00", ejecucion.SeparadorDecimalLocal))
        .value_or(0.0);
}

} // namespace

EleccionRestaurada RecuperaEleccion(const EstadoEjecucion &ejecucion,
                                    const AjusteGuardado &guardado, const FilasTanteo &filas)
{
    EleccionRestaurada r;
    if (guardado.Refuerzo == 0) {
        for (std::size_t i = 1; i <= 7; ++i) {
            if (guardado.Camisa == ComoSeMuestra(ejecucion, filas.V[i]) &&
                guardado.Exterior == ComoSeMuestra(ejecucion, filas.E[i])) {
                r.FilaSeleccionada = static_cast<std::int16_t>(i);
                return r;
            }
        }
    }
    r.SeleccionDirectaActiva = true;
    r.Directa = {guardado.Camisa, guardado.Refuerzo, guardado.Exterior};
    return r;
}

} // namespace dravek
