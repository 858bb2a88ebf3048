// The six listings of the hydraulic calculator in every language, laid out as the Spanish
// ones: the same calculation in each language gives, in the result box and on paper, the same
// lines on the same pages with the same numbers in the same columns.

#include "ColumnasPrueba.h"
#include "IdiomasPrueba.h"

#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "core/hydraulics/FormulasHidraulicas.h"
#include "core/hydraulics/ListadosHidraulicos.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Idioma;
using pruebas::Renglon;

// One calculation of the window: the formula over the fifteen diameters, then its listing.
struct CalculoHidraulicoPrueba {
    const char *nombre;
    void (*formula)(DatosHidraulicos &datos);
    double dato;      // slope (m/m) or flow (m3/s)
    double rugosidad; // Ks or Ka (mm), or the Hazen-Williams coefficient (0: per diameter)
    int (*listado)(SalidaHidraulica &salida, const DatosHidraulicos &datos, double dato,
                   double rugosidad, bool PorImpresora);
};

int HazenPendiente(SalidaHidraulica &salida, const DatosHidraulicos &datos, double dato, double,
                   bool PorImpresora)
{
    return Sub3000_Hazen(salida, datos, dato, PorImpresora);
}

int HazenCaudal(SalidaHidraulica &salida, const DatosHidraulicos &datos, double dato, double,
                bool PorImpresora)
{
    return Sub3000_Hazen_P(salida, datos, dato, PorImpresora);
}

const std::vector<CalculoHidraulicoPrueba> Calculos = {
    {"Prandtl-Colebrook, slope", PrColeBrook_Pendiente, 0.002, 0.06, Sub3000},
    {"Prandtl-Colebrook, flow", PrColeBrook_Caudal, 1.5, 0.06, Sub3000_P},
    {"Darcy-Weisbach, slope", DarcyWeiss_Pendiente, 0.002, 0.05, Sub3500},
    {"Darcy-Weisbach, flow", DarcyWeiss_Caudal, 1.5, 0.05, Sub3500_P},
    {"Hazen-Williams, slope, coefficient given", Hazen_Pendiente, 0.002, 130, HazenPendiente},
    {"Hazen-Williams, flow, coefficient per diameter", Hazen_Caudal, 1.5, 0, HazenCaudal},
};

std::vector<Renglon> Lista(const CalculoHidraulicoPrueba &calculo, const Idioma &idioma,
                           bool PorImpresora)
{
    EstadoObra estado;
    estado.ejecucion.DesplazamientoIdioma = idioma.desplazamiento;
    estado.ejecucion.Idioma = static_cast<std::int16_t>(idioma.desplazamiento / 5000 + 1);
    pruebas::RelojFijo reloj;
    pruebas::ImpresoraGrabadora impresora;
    SalidaListado listado(reloj, impresora);
    std::string pantalla;
    SalidaHidraulica salida{estado, listado, pantalla};

    DatosHidraulicos datos;
    CargaDiametros(datos);
    datos.DatoOrigen = calculo.dato;
    datos.Rugosidad = calculo.rugosidad;
    calculo.formula(datos);
    EXPECT_EQ(calculo.listado(salida, datos, calculo.dato, calculo.rugosidad, PorImpresora),
              SinErrorImpresora);
    if (!PorImpresora) {
        return pruebas::RenglonesPantalla(pantalla);
    }
    std::vector<Renglon> renglones;
    for (const pruebas::OperacionImpresora &op : impresora.operaciones()) {
        if (op.tipo == pruebas::TipoOperacion::Linea) {
            renglones.push_back({op.pagina, op.texto});
        }
    }
    return renglones;
}

TEST(HidraulicaIdiomas, MismasLineasYMismasColumnasQueEnEspanol)
{
    for (const CalculoHidraulicoPrueba &calculo : Calculos) {
        for (const bool PorImpresora : {false, true}) {
            SCOPED_TRACE(std::string(calculo.nombre) + (PorImpresora ? ", paper" : ", screen"));
            const std::vector<Renglon> espanol = Lista(calculo, pruebas::Idiomas[0], PorImpresora);
            ASSERT_GT(espanol.size(), 15U);
            const std::vector<pruebas::Rotulo> rotulosEspanol =
                pruebas::RotulosConNumeros(pruebas::TextosDelIdioma(pruebas::Idiomas[0]));
            for (const Idioma &idioma : pruebas::Traducciones) {
                SCOPED_TRACE(idioma.nombre);
                pruebas::EsperaMismaDisposicion(
                    espanol, rotulosEspanol, Lista(calculo, idioma, PorImpresora),
                    pruebas::RotulosConNumeros(pruebas::TextosDelIdioma(idioma)), idioma);
            }
        }
    }
}

} // namespace
} // namespace dravek
