#include "core/entry/CapturaDatos.h"

#include "core/entry/CamposCaptura.h"
#include "core/model/TextoRecurso.h"

namespace dravek {

namespace {

// The caption items the window has, made up front so that a snapshot lists them in order.
constexpr int ItemsEtiquetas[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 13, 16, 19, 20,
                                  21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36,
                                  37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52,
                                  53, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80, 81, 82, 83};

} // namespace

CapturaDatos::CapturaDatos(EstadoObra &estado, ServiciosCaptura servicios)
    : m_estado(estado), m_servicios(servicios)
{
    for (const int item : ItemsEtiquetas) {
        lbEtiquetas(item);
    }
}

void CapturaDatos::LlenaListasCodigos()
{
    const std::int32_t desplazamiento = m_estado.ejecucion.DesplazamientoIdioma;
    for (const CampoCodigo &campo : CamposCodigo()) {
        Lista &lista = campo.control(*this);
        lista.Clear();
        for (int p = 0; p < campo.entradas; ++p) {
            lista.AddItem(Texto(desplazamiento, campo.primerTexto + p));
        }
        ponIndice(lista, -1);
    }
}

void CapturaDatos::AnulaAjustesTramo()
{
    if (!m_estado.ejecucion.Cargando) {
        m_servicios.ajustes.AnulaAjustesTramo();
    }
}

} // namespace dravek
