// Whole-run listings in every language, laid out as the Spanish ones: the same runs calculated
// with the real designs in each language give, on the screen and in the three printed kinds,
// the same lines on the same pages with the same numbers in the same columns.

#include "ColumnasPrueba.h"
#include "IdiomasPrueba.h"
#include "apoyo/ContextoPrueba.h"
#include "apoyo/TramoPrueba.h"
#include "core/design/DisenoTubo.h"
#include "core/model/EstadoObra.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Idioma;
using pruebas::Idiomas;

const std::string Ruta = DRAVEK_DATOS_PROGRAMA "/";

// --- The runs ---------------------------------------------------------------------------------

// A reinforced-concrete pipe without a cylinder in an embankment: the concrete cradle, railway
// traffic, an ordinary soil 1 m below the pipe's crown, a calculated water hammer.
void HazArmadoEnTerraplen(EstadoObra &e)
{
    DatosTramo &t = e.tramo;
    t.Tipologia = 1100;
    t.IndiceColocacion = 2;
    t.CodigoColocacion = 31;
    t.IndiceAsentamiento = 2;
    t.DistanciaTerrenoNatural = 1;
    t.vICUNA = 2;
    t.TipoCargaConcentrada = 4;
    e.obra.GolpeArieteCalculado = Verdadero;
    e.frFiguras.ptColocacion = Ruta + "Terrapl2.bmp";
}

// A post-tensioned pipe with a lined cylinder, its Lamé page listed, in a trench under an
// embankment 0.5 m above the pipe's crown with uncompacted fill.
void HazPostesadoRevestido(EstadoObra &e, bool enSI)
{
    pruebas::HazTramoPostesado(e, enSI, Ruta);
    DatosTramo &t = e.tramo;
    t.Tipologia = 2221;
    t.TipoPostesado = 2;
    t.IndiceColocacion = 1;
    t.CodigoColocacion = 21;
    t.DistanciaTerrenoNatural = 0.5;
    e.frFiguras.ptPostesado = Ruta + "Lur2221.bmp";
    e.frFiguras.ptColocacion = Ruta + "ZanjaT2a.bmp";
    e.listado.ListadoLame = true;
}

// A reinforced-concrete pipe with a thin wall under a typed total load, in a trench under an
// embankment with compacted fill, on a cradle under 90 degrees, with no live load.
void HazArmadoConCargaDada(EstadoObra &e)
{
    DatosTramo &t = e.tramo;
    t.ESP = 5;
    t.RECI = 1.5;
    t.RECE = 1.5;
    t.vDE = t.vDi + 2 * t.ESP / 100;
    t.IndiceColocacion = 1;
    t.CodigoColocacion = 22;
    t.DistanciaTerrenoNatural = 0.5;
    t.vICUNA = 4;
    t.TipoCargaConcentrada = 0;
    t.CalculoCargas = 0;
    t.CargaVerticalTotal = 40; // t/m2
    e.frFiguras.ptColocacion = Ruta + "ZanjaT2a.bmp";
}

// The post-tensioned pipe with a core too thin for its pressures: cases that fail.
void HazPostesadoDelgado(EstadoObra &e, bool enSI)
{
    pruebas::HazTramoPostesado(e, enSI, Ruta);
    DatosTramo &t = e.tramo;
    t.ESP = 3;
    t.RECE = 1;
    t.vDE = t.vDi + 2 * t.ESP / 100;
}

struct Tramo {
    const char *nombre;
    bool enSI;
    void (*prepara)(EstadoObra &e, bool enSI);
};

const std::vector<Tramo> Tramos = {
    {"reinforced in a trench, MKS", false, [](EstadoObra &, bool) {}},
    {"reinforced in a trench, SI", true, [](EstadoObra &, bool) {}},
    {"reinforced in an embankment, MKS", false,
     [](EstadoObra &e, bool) { HazArmadoEnTerraplen(e); }},
    {"reinforced, thin wall under a typed load, MKS", false,
     [](EstadoObra &e, bool) { HazArmadoConCargaDada(e); }},
    {"post-tensioned, embedded cylinder, MKS", false,
     [](EstadoObra &e, bool enSI) { pruebas::HazTramoPostesado(e, enSI, Ruta); }},
    {"post-tensioned, embedded cylinder, SI", true,
     [](EstadoObra &e, bool enSI) { pruebas::HazTramoPostesado(e, enSI, Ruta); }},
    {"post-tensioned, lined cylinder, MKS", false, HazPostesadoRevestido},
    {"post-tensioned, thin core, MKS", false, HazPostesadoDelgado},
};

enum class Salida { Pantalla, Normal, Tabular, PantallaImpresa };

struct ClaseSalida {
    const char *nombre;
    Salida salida;
};

void PrintTo(const ClaseSalida &clase, std::ostream *os)
{
    *os << clase.nombre;
}

const std::vector<ClaseSalida> Salidas = {
    {"screen", Salida::Pantalla},
    {"Normal", Salida::Normal},
    {"Tabular", Salida::Tabular},
    {"Pantalla", Salida::PantallaImpresa},
};

using pruebas::Renglon;

struct Listado {
    std::vector<Renglon> renglones;
    EtiquetasTramo etiquetas; // the label tables the run built in its language
    std::string error;        // the message of a calculation that stopped
};

Listado Calcula(const Tramo &tramo, const ClaseSalida &clase, const Idioma &idioma)
{
    pruebas::ContextoPrueba<pruebas::DepuracionNula, DisenoTubo> c;
    pruebas::PreparaTramoArmado(c.estado, tramo.enSI, Ruta);
    tramo.prepara(c.estado, tramo.enSI);
    c.estado.ejecucion.Idioma = static_cast<std::int16_t>(idioma.desplazamiento / 5000 + 1);
    c.estado.ejecucion.DesplazamientoIdioma = idioma.desplazamiento;

    Listado listado;
    if (clase.salida == Salida::Pantalla) {
        listado.error = pruebas::CalculaEnPantalla(c.contexto).mensaje;
        listado.renglones = pruebas::RenglonesPantalla(c.salida.TextoPantalla());
    } else {
        const ClaseListado tipo = clase.salida == Salida::Normal    ? ClaseListado::Normal
                                  : clase.salida == Salida::Tabular ? ClaseListado::Tabular
                                                                    : ClaseListado::Pantalla;
        int fin = 0;
        listado.error = pruebas::ImprimeTramo(c.contexto, tipo, fin).mensaje;
        for (const pruebas::OperacionImpresora &op : c.impresora.operaciones()) {
            if (op.tipo == pruebas::TipoOperacion::Linea) {
                listado.renglones.push_back({op.pagina, op.texto});
            }
        }
    }
    listado.etiquetas = c.estado.etiquetas;
    return listado;
}

// The labels with numbers of their own in a run's listing: the texts of its language and the
// label tables the run built from them.
std::vector<pruebas::Rotulo> Rotulos(const Idioma &idioma, const EtiquetasTramo &etiquetas)
{
    std::vector<std::string> textos = pruebas::TextosDelIdioma(idioma);
    const auto anade = [&textos](const auto &tabla) {
        textos.insert(textos.end(), tabla.begin(), tabla.end());
    };
    anade(etiquetas.NombresCargaMovil);
    anade(etiquetas.NombresAsentamiento);
    anade(etiquetas.NombresCuna);
    for (const auto &fila : etiquetas.NombresRelleno) {
        anade(fila);
    }
    for (const auto &fila : etiquetas.NombresColocacion) {
        anade(fila);
    }
    return pruebas::RotulosConNumeros(textos);
}

// --- The comparison -------------------------------------------------------------------------

class ListadoIdiomas : public ::testing::TestWithParam<ClaseSalida> {};

TEST_P(ListadoIdiomas, MismasLineasYMismasColumnasQueEnEspanol)
{
    const ClaseSalida &clase = GetParam();
    for (const Tramo &tramo : Tramos) {
        SCOPED_TRACE(tramo.nombre);
        const Listado espanol = Calcula(tramo, clase, Idiomas[0]);
        ASSERT_EQ(espanol.error, "") << "the run must calculate";
        ASSERT_GT(espanol.renglones.size(), 10U);
        const std::vector<pruebas::Rotulo> rotulosEspanol = Rotulos(Idiomas[0], espanol.etiquetas);
        for (const Idioma &idioma : pruebas::Traducciones) {
            SCOPED_TRACE(idioma.nombre);
            const Listado listado = Calcula(tramo, clase, idioma);
            EXPECT_EQ(listado.error, "");
            pruebas::EsperaMismaDisposicion(espanol.renglones, rotulosEspanol, listado.renglones,
                                            Rotulos(idioma, listado.etiquetas), idioma);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Salidas, ListadoIdiomas, ::testing::ValuesIn(Salidas),
                         [](const ::testing::TestParamInfo<ClaseSalida> &parametro) {
                             return std::string(parametro.param.nombre);
                         });

} // namespace
} // namespace dravek
