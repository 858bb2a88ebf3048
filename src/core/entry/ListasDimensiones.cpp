#include "core/entry/ListasDimensiones.h"

#include "core/entry/CapturaDatos.h"
#include "core/listing/FormatoNumeros.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace dravek {

void CargaListasDimensiones(CapturaDatos &ventana, int grupo)
{
    const TablasPredeterminadas &tablas = ventana.estado().tablas;
    const std::string &separador = ventana.estado().ejecucion.SeparadorDecimalLocal;
    const int filas = std::min<int>(tablas.NumeroDimensiones, TablasPredeterminadas::MaxFilas);
    if (grupo < 2 || grupo + 2 > 16) {
        return;
    }
    const auto valor = [&tablas](int fila, int columna) {
        return tablas.DimensionesPredeterminadas[static_cast<std::size_t>(fila)]
                                                [static_cast<std::size_t>(columna)];
    };
    const auto enCm = [&separador](std::int32_t mm) {
        return FormateaMascara(mm / 10.0, "#####0.0", separador);
    };

    ventana.edEsp0.Clear();
    for (int i = 1; i <= filas; ++i) {
        ventana.edEsp0.AddItem(enCm(valor(i, grupo + 2)));
    }
    const auto llenaSinRepetidos = [&](Lista &lista, int columna) {
        lista.Clear();
        std::int32_t anterior = -1;
        for (int i = 1; i <= filas; ++i) {
            if (valor(i, columna) != anterior) {
                anterior = valor(i, columna);
                lista.AddItem(enCm(anterior));
            }
        }
    };
    llenaSinRepetidos(ventana.edReci0, grupo);
    llenaSinRepetidos(ventana.edRece0, grupo + 1);
}

} // namespace dravek
