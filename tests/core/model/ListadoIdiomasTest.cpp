// Whole-run listings in every language, laid out as the Spanish ones: the same runs calculated
// with the real designs in each language give, on the screen and in the three printed kinds,
// the same number of lines, each on the same page, and on every line the same numbers in the
// same columns. A translated label of another length than the Spanish one would move the
// values after it, and a translated message that wraps differently would add a line.

#include "IdiomasPrueba.h"

#include "apoyo/ContextoPrueba.h"
#include "apoyo/TramoPrueba.h"
#include "core/engine/DisenoTubo.h"
#include "core/model/EstadoObra.h"
#include "core/model/TablaTextos.h"
#include "core/model/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
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

struct Renglon {
    int pagina = 0; // 0 on the screen
    std::string texto;
};

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
        std::string_view texto = c.salida.TextoPantalla();
        for (std::size_t fin = texto.find('\n'); fin != std::string_view::npos;
             fin = texto.find('\n')) {
            listado.renglones.push_back({0, std::string(texto.substr(0, fin))});
            texto.remove_prefix(fin + 1);
        }
        listado.renglones.push_back({0, std::string(texto)});
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

// --- The numbers of a line and their columns --------------------------------------------------

bool EsLetra(std::int32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0;
}

bool EsDigito(std::int32_t c)
{
    return c >= '0' && c <= '9';
}

// A number of a line: a run of digits (with a sign right before it and decimal separators
// between digits) that is not part of a word ("cm2", "SO4" hold none), and the column, counted
// in characters, where it starts.
struct Numero {
    std::size_t columna = 0;
    std::size_t inicio = 0; // bytes
    std::size_t fin = 0;    // bytes, past its last digit
    std::string texto;

    bool operator==(const Numero &otro) const
    {
        return columna == otro.columna && texto == otro.texto;
    }
};

std::vector<Numero> Numeros(const std::string &linea)
{
    std::vector<std::size_t> bytes; // start of each character
    std::vector<std::int32_t> c;
    for (std::size_t i = 0; i < linea.size(); i += LongitudCaracterUtf8(linea, i)) {
        bytes.push_back(i);
        c.push_back(CodigoCaracterUtf8(linea, i));
    }
    bytes.push_back(linea.size());
    std::vector<Numero> numeros;
    for (std::size_t k = 0; k < c.size();) {
        if (!EsDigito(c[k]) || (k > 0 && (EsLetra(c[k - 1]) || EsDigito(c[k - 1])))) {
            ++k;
            continue;
        }
        std::size_t desde = k > 0 && c[k - 1] == '-' ? k - 1 : k;
        std::size_t hasta = k;
        while (hasta < c.size() &&
               (EsDigito(c[hasta]) || ((c[hasta] == '.' || c[hasta] == ',') &&
                                       hasta + 1 < c.size() && EsDigito(c[hasta + 1])))) {
            ++hasta;
        }
        numeros.push_back({desde, bytes[desde], bytes[hasta],
                           linea.substr(bytes[desde], bytes[hasta] - bytes[desde])});
        k = hasta;
    }
    return numeros;
}

// A label that carries numbers of its own ("Eje de 13 t", "STP + 1 M TIERRAS", "Cohesivo,
// Arena Arcillosa (0,150)"): they move with the wording and are part of the label, not of the
// layout. Whatever follows the label still has to stand where it does in Spanish, so the label
// keeps its width. A label is found in a line by its start up to its last number (at least one
// letter included), then as far as the line goes on matching it, so a label the listing cuts is
// found too.
struct Rotulo {
    std::string texto;
    std::size_t minimo = 0; // bytes
};

std::vector<Rotulo> RotulosConNumeros(const Idioma &idioma, const EtiquetasTramo &etiquetas)
{
    std::vector<std::string> textos;
    for (std::int32_t n = pruebas::PrimerTexto; n <= pruebas::UltimoTexto; ++n) {
        if (const std::optional<std::string> texto = pruebas::Celda(idioma, n)) {
            textos.push_back(*texto);
        }
    }
    const auto anade = [&textos](const auto &tabla) {
        for (const auto &texto : tabla) {
            textos.push_back(texto);
        }
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

    std::vector<Rotulo> rotulos;
    for (std::string texto : textos) {
        texto.erase(0, texto.find_first_not_of(' '));
        texto.erase(texto.find_last_not_of(' ') + 1);
        const std::vector<Numero> numeros = Numeros(texto);
        if (numeros.empty()) {
            continue;
        }
        std::size_t minimo = numeros.back().fin;
        const auto conLetra = [&] {
            for (std::size_t i = 0; i < minimo; i += LongitudCaracterUtf8(texto, i)) {
                if (EsLetra(CodigoCaracterUtf8(texto, i))) {
                    return true;
                }
            }
            return false;
        };
        while (!conLetra() && minimo < texto.size()) {
            minimo += LongitudCaracterUtf8(texto, minimo);
        }
        if (conLetra()) {
            rotulos.push_back({texto, minimo});
        }
    }
    return rotulos;
}

// The numbers of a line, each marked when it lies inside a label of its own.
struct NumeroEnLinea {
    Numero numero;
    bool deRotulo = false;
};

std::vector<NumeroEnLinea> NumerosDeLinea(const std::string &linea,
                                          const std::vector<Rotulo> &rotulos)
{
    std::vector<bool> tapado(linea.size(), false);
    for (const Rotulo &r : rotulos) {
        const std::string_view inicio(r.texto.data(), r.minimo);
        for (std::size_t p = linea.find(inicio); p != std::string::npos;
             p = linea.find(inicio, p + 1)) {
            std::size_t largo = r.minimo;
            while (largo < r.texto.size() && p + largo < linea.size() &&
                   linea[p + largo] == r.texto[largo]) {
                ++largo;
            }
            std::fill(tapado.begin() + static_cast<std::ptrdiff_t>(p),
                      tapado.begin() + static_cast<std::ptrdiff_t>(p + largo), true);
        }
    }
    std::vector<NumeroEnLinea> numeros;
    for (const Numero &n : Numeros(linea)) {
        numeros.push_back({n, tapado[n.inicio]});
    }
    return numeros;
}

// The numbers the layout places on a Spanish line and on the same line in another language.
// The k-th occurrence of a number on one line goes with the k-th occurrence of the same number
// on the other; a pair is left out when either is inside a label (a label's wording may happen
// to hold the value that follows it, as "Em betão 120 graus" before a 120º angle), and a number
// with no partner must lie inside a label.
struct Colocados {
    std::vector<Numero> espanol;
    std::vector<Numero> otro;
};

Colocados NumerosColocados(const std::vector<NumeroEnLinea> &espanol,
                           const std::vector<NumeroEnLinea> &otro)
{
    Colocados colocados;
    std::vector<bool> emparejado(otro.size(), false);
    for (const NumeroEnLinea &e : espanol) {
        std::size_t k = 0;
        while (k < otro.size() && (emparejado[k] || otro[k].numero.texto != e.numero.texto)) {
            ++k;
        }
        if (k == otro.size()) {
            if (!e.deRotulo) {
                colocados.espanol.push_back(e.numero);
            }
            continue;
        }
        emparejado[k] = true;
        if (!e.deRotulo && !otro[k].deRotulo) {
            colocados.espanol.push_back(e.numero);
            colocados.otro.push_back(otro[k].numero);
        }
    }
    for (std::size_t k = 0; k < otro.size(); ++k) {
        if (!emparejado[k] && !otro[k].deRotulo) {
            colocados.otro.push_back(otro[k].numero);
        }
    }
    return colocados;
}

std::string Columnas(const std::vector<Numero> &numeros)
{
    std::string s;
    for (const Numero &n : numeros) {
        s += " " + n.texto + "@" + std::to_string(n.columna);
    }
    return s;
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
        const std::vector<Rotulo> rotulosEspanol =
            RotulosConNumeros(Idiomas[0], espanol.etiquetas);

        for (const Idioma &idioma : pruebas::Traducciones) {
            SCOPED_TRACE(idioma.nombre);
            const Listado listado = Calcula(tramo, clase, idioma);
            EXPECT_EQ(listado.error, "");
            EXPECT_EQ(listado.renglones.size(), espanol.renglones.size());
            const std::vector<Rotulo> rotulos = RotulosConNumeros(idioma, listado.etiquetas);
            int diferentes = 0;
            std::set<std::string> vistas; // lines reported, their digits aside
            const std::size_t lineas =
                std::min(listado.renglones.size(), espanol.renglones.size());
            for (std::size_t i = 0; i < lineas; ++i) {
                const Renglon &es = espanol.renglones[i];
                const Renglon &otro = listado.renglones[i];
                EXPECT_EQ(otro.texto.find("Falta Recurso"), std::string::npos) << otro.texto;
                const Colocados colocados = NumerosColocados(
                    NumerosDeLinea(es.texto, rotulosEspanol), NumerosDeLinea(otro.texto, rotulos));
                const std::vector<Numero> &columnasEs = colocados.espanol;
                const std::vector<Numero> &columnas = colocados.otro;
                if (otro.pagina != es.pagina || columnas != columnasEs) {
                    // One report per kind of line is enough to see what moved.
                    std::string forma = es.texto;
                    std::replace_if(
                        forma.begin(), forma.end(), [](char ch) { return ch >= '0' && ch <= '9'; },
                        '#');
                    if (++diferentes, vistas.insert(forma).second && vistas.size() <= 12) {
                        ADD_FAILURE()
                            << "line " << i + 1 << ", page " << otro.pagina << " (" << es.pagina
                            << " in Spanish)\n  Spanish: |" << es.texto << "|\n          "
                            << Columnas(columnasEs) << "\n  " << idioma.nombre << ": |"
                            << otro.texto << "|\n          " << Columnas(columnas);
                    }
                }
            }
            EXPECT_EQ(diferentes, 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Salidas, ListadoIdiomas, ::testing::ValuesIn(Salidas),
                         [](const ::testing::TestParamInfo<ClaseSalida> &parametro) {
                             return std::string(parametro.param.nombre);
                         });

} // namespace
} // namespace dravek
