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
#include "core/model/Utf8.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
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

// The units are the language's own: "sg", the Spanish abbreviation of the second, stays in the
// Spanish listings only ("m2/sg" showed in French).
TEST(HidraulicaIdiomas, LasUnidadesDeCadaIdioma)
{
    for (const CalculoHidraulicoPrueba &calculo : Calculos) {
        for (const bool PorImpresora : {false, true}) {
            for (const Idioma &idioma : pruebas::Idiomas) {
                SCOPED_TRACE(std::string(calculo.nombre) +
                             (PorImpresora ? ", paper, " : ", screen, ") + idioma.nombre);
                const bool espanol = idioma.desplazamiento == 0;
                bool viscosidad = false;
                for (const Renglon &r : Lista(calculo, idioma, PorImpresora)) {
                    EXPECT_EQ(r.texto.find("sg") != std::string::npos,
                              espanol && (r.texto.find(" m2/sg") != std::string::npos ||
                                          r.texto.find(" m3/sg.") != std::string::npos))
                        << r.texto;
                    viscosidad = viscosidad ||
                                 r.texto.ends_with(espanol ? " m2/sg" : "0,000001310 m2/s") ||
                                 r.texto.ends_with(espanol ? " m2/sg" : "0.000001310 m2/s");
                }
                EXPECT_EQ(viscosidad,
                          calculo.listado != HazenPendiente && calculo.listado != HazenCaudal);
            }
        }
    }
}

// --- Column heads over their rules ---------------------------------------------------------

// Columns [first, last] of a line's pieces: runs of characters that are not blanks, where a run
// of heads joined by one blank ("NUM. REYNOLDS") is one piece.
std::vector<std::pair<std::size_t, std::size_t>> Piezas(const std::string &linea)
{
    std::vector<std::int32_t> caracteres;
    for (std::size_t i = 0; i < linea.size(); i += LongitudCaracterUtf8(linea, i)) {
        caracteres.push_back(CodigoCaracterUtf8(linea, i));
    }
    std::vector<std::pair<std::size_t, std::size_t>> piezas;
    for (std::size_t c = 0; c < caracteres.size(); ++c) {
        if (caracteres[c] == ' ') {
            continue;
        }
        const bool sigue =
            !piezas.empty() && c >= 2 && piezas.back().second + 2 == c && caracteres[c - 1] == ' ';
        if (sigue || (!piezas.empty() && piezas.back().second + 1 == c)) {
            piezas.back().second = c;
        } else {
            piezas.push_back({c, c});
        }
    }
    return piezas;
}

bool EsLineaDeRayas(const std::string &linea)
{
    return linea.find('=') != std::string::npos &&
           linea.find_first_not_of("= ") == std::string::npos;
}

// Over each rule "=====" of a table stand the heads, then the units of the columns, each inside
// its rule's columns: a head shorter than the Spanish one, joined to the next with the same
// fixed blanks, pulls every head after it off its column; a unit off its rule names another
// column's quantity.
TEST(HidraulicaIdiomas, CadaCabeceraSobreSuRaya)
{
    for (const CalculoHidraulicoPrueba &calculo : Calculos) {
        for (const bool PorImpresora : {false, true}) {
            for (const Idioma &idioma : pruebas::Idiomas) {
                SCOPED_TRACE(std::string(calculo.nombre) +
                             (PorImpresora ? ", paper, " : ", screen, ") + idioma.nombre);
                const std::vector<Renglon> renglones = Lista(calculo, idioma, PorImpresora);
                int tablas = 0;
                for (std::size_t r = 1; r < renglones.size(); ++r) {
                    if (!EsLineaDeRayas(renglones[r].texto)) {
                        continue;
                    }
                    ++tablas;
                    ASSERT_GE(r, 2U);
                    const std::string &cabecera = renglones[r - 2].texto;
                    const std::string &unidades = renglones[r - 1].texto;
                    SCOPED_TRACE("\n" + cabecera + "\n" + unidades + "\n" + renglones[r].texto);
                    const auto rayas = Piezas(renglones[r].texto);
                    const auto cabeceras = Piezas(cabecera);
                    ASSERT_EQ(cabeceras.size(), rayas.size());
                    for (std::size_t k = 0; k < rayas.size(); ++k) {
                        EXPECT_GE(cabeceras[k].first, rayas[k].first) << "head " << k + 1;
                        EXPECT_LE(cabeceras[k].second, rayas[k].second) << "head " << k + 1;
                    }
                    // Every unit under a rule of its own, in the rules' order; the Reynolds
                    // number has none.
                    const auto piezasUnidades = Piezas(unidades);
                    EXPECT_GE(piezasUnidades.size(), rayas.size() - 1);
                    std::size_t k = 0;
                    for (const auto &unidad : piezasUnidades) {
                        while (k < rayas.size() && rayas[k].second < unidad.second) {
                            ++k;
                        }
                        ASSERT_LT(k, rayas.size());
                        EXPECT_GE(unidad.first, rayas[k].first);
                        EXPECT_LE(unidad.second, rayas[k].second);
                        ++k;
                    }
                }
                EXPECT_GE(tablas, 1);
            }
        }
    }
}

} // namespace
} // namespace dravek
