// dravek-listado on the stored projects: the whole listing of each, on screen and in each
// printed kind, held as golden files; its messages and exit status when a project or a run
// cannot be listed. Set DRAVEK_REGENERA_FIJOS to write the golden listings again.

#include "apoyo/CarpetaPrueba.h"
#include "apoyo/ObraPrueba.h"
#include "core/storage/FicheroRegistros.h"
#include "core/storage/RegistrosObra.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace dravek {
namespace {

using pruebas::LeeFicheroPrueba;

std::string Fijo(const std::string &nombre)
{
    return std::string(DRAVEK_DATOS_PRUEBA) + "/" + nombre;
}

struct Resultado {
    int estado = -1;
    std::string salida;
    std::string errores;
};

// Runs the tool under the C locale (a point separator) with the page headers dated
// 05/03/2024 09:41.
Resultado Lista(const std::vector<std::string> &argumentos)
{
    std::string nombre = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    for (char &c : nombre) {
        if (c == '/') {
            c = '_';
        }
    }
    const std::filesystem::path errores =
        std::filesystem::temp_directory_path() / ("dravek_listado_" + nombre + ".err");
    std::string orden =
        "LC_ALL=C SOURCE_DATE_EPOCH=1709631660 '" + std::string(DRAVEK_LISTADO) + "'";
    for (const std::string &a : argumentos) {
        orden += " '" + a + "'";
    }
    orden += " 2>'" + errores.string() + "'";
    Resultado r;
    FILE *tubo = popen(orden.c_str(), "r");
    if (tubo == nullptr) {
        ADD_FAILURE() << "cannot run " << orden;
        return r;
    }
    std::array<char, 4096> bloque{};
    for (std::size_t n; (n = std::fread(bloque.data(), 1, bloque.size(), tubo)) > 0;) {
        r.salida.append(bloque.data(), n);
    }
    const int fin = pclose(tubo);
    r.estado = WIFEXITED(fin) ? WEXITSTATUS(fin) : -1;
    r.errores = LeeFicheroPrueba(errores.string());
    std::filesystem::remove(errores);
    return r;
}

struct Caso {
    const char *proyecto;
    const char *clase; // nullptr: the screen listing
};

class ListadoObra : public ::testing::TestWithParam<Caso> {};

TEST_P(ListadoObra, ListadoEntero)
{
    const Caso &c = GetParam();
    std::vector<std::string> argumentos = {Fijo(std::string(c.proyecto) + ".dvk")};
    if (c.clase != nullptr) {
        argumentos.insert(argumentos.end(), {"--kind", c.clase});
    }
    const Resultado r = Lista(argumentos);
    EXPECT_EQ(r.estado, 0);
    EXPECT_EQ(r.errores, "");
    const std::string golden = Fijo(std::string(c.proyecto) + "_" +
                                    (c.clase != nullptr ? c.clase : "pantalla_screen") + ".txt");
    if (std::getenv("DRAVEK_REGENERA_FIJOS") != nullptr) {
        std::ofstream(golden, std::ios::binary) << r.salida;
    }
    EXPECT_TRUE(r.salida == LeeFicheroPrueba(golden)) << golden;
    for (const char *mal : {" nan", " inf ", "Falta Recurso", "-999999999"}) {
        EXPECT_EQ(r.salida.find(mal), std::string::npos) << mal;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Proyectos, ListadoObra,
    ::testing::Values(Caso{"armado", nullptr}, Caso{"armado", "pantalla"},
                      Caso{"armado", "normal"}, Caso{"armado", "tabular"},
                      Caso{"postesado", nullptr}, Caso{"postesado", "pantalla"},
                      Caso{"postesado", "normal"}, Caso{"postesado", "tabular"},
                      Caso{"carga_si", nullptr}, Caso{"carga_si", "pantalla"},
                      Caso{"carga_si", "normal"}, Caso{"carga_si", "tabular"}),
    [](const ::testing::TestParamInfo<Caso> &p) {
        return std::string(p.param.proyecto) + "_" +
               (p.param.clase != nullptr ? p.param.clase : "pantalla_screen");
    });

// A folder of its own for a test's copies of the projects.
class Carpeta {
public:
    Carpeta() : m_ruta(pruebas::CarpetaPrueba("dravek_listado")) {}
    ~Carpeta() { std::filesystem::remove_all(m_ruta); }
    Carpeta(const Carpeta &) = delete;
    Carpeta &operator=(const Carpeta &) = delete;

    std::string ruta(const std::string &nombre) const { return (m_ruta / nombre).string(); }
    std::string copia(const std::string &nombre, const std::string &bytes) const
    {
        std::ofstream(ruta(nombre), std::ios::binary) << bytes;
        return ruta(nombre);
    }

private:
    std::filesystem::path m_ruta;
};

std::string ConRegistro(const std::string &bytes, std::int32_t n, const std::string &texto)
{
    FicheroRegistros f(bytes);
    EXPECT_EQ(f.Escribe(n, texto), FalloRegistro::Ninguno);
    return f.Bytes();
}

const std::string Golden = LeeFicheroPrueba(Fijo("armado_pantalla_screen.txt"));
// Where run 2 starts in the screen listing of the reinforced project (its only case).
std::size_t InicioTramo2()
{
    return Golden.rfind("  CALCULANDO EL CASO : 1/   2");
}

// One run by its number: its listing alone.
TEST(ListadoObraUnTramo, PorSuNumero)
{
    const Resultado dos = Lista({Fijo("armado.dvk"), "2"});
    EXPECT_EQ(dos.estado, 0);
    ASSERT_NE(InicioTramo2(), std::string::npos);
    EXPECT_TRUE(dos.salida == Golden.substr(InicioTramo2()));
    const Resultado uno = Lista({Fijo("armado.dvk"), "1"});
    EXPECT_TRUE(uno.salida == Golden.substr(0, InicioTramo2()));

    const Resultado siete = Lista({Fijo("armado.dvk"), "7"});
    EXPECT_EQ(siete.estado, 1);
    EXPECT_EQ(siete.salida, "");
    EXPECT_EQ(siete.errores, "No existe ese tramo en la obra: 7\n");
}

TEST(ListadoObraFallos, FicherosQueNoSeLeen)
{
    Carpeta c;
    const Resultado falta = Lista({c.ruta("nada.dvk")});
    EXPECT_EQ(falta.estado, 2);
    EXPECT_EQ(falta.salida, "");
    EXPECT_EQ(falta.errores, "No existe el fichero " + c.ruta("nada.dvk") + "\n");
    EXPECT_FALSE(std::filesystem::exists(c.ruta("nada.dvk")));

    const std::string otro = c.copia(
        "otro.dvk", ConRegistro(LeeFicheroPrueba(Fijo("armado.dvk")), 1, "Version: 2009-Mar.01"));
    const Resultado formato = Lista({otro});
    EXPECT_EQ(formato.estado, 2);
    EXPECT_EQ(formato.errores, "Registro inicial: El fichero .DVK no está grabado con el "
                               "formato de la versión actual. Version: 2009-Mar.02\n");

    EXPECT_EQ(Lista({}).estado, 2);
    EXPECT_EQ(Lista({Fijo("armado.dvk"), "--kind", "resumen"}).estado, 2);
}

// A run that cannot be listed ends the listing with its message; what was listed before it
// stays written.
TEST(ListadoObraFallos, TramoRechazado)
{
    Carpeta c;
    const std::string armado = LeeFicheroPrueba(Fijo("armado.dvk"));
    const std::string danado =
        c.copia("danado.dvk", ConRegistro(armado, BaseBloque(2) + 39, "ocho"));
    c.copia("danado.dpe", LeeFicheroPrueba(Fijo("armado.dpe")));
    const Resultado r = Lista({danado});
    EXPECT_EQ(r.estado, 1);
    EXPECT_TRUE(r.salida == Golden.substr(0, InicioTramo2()));
    EXPECT_EQ(r.errores, "Tramo dañado en el fichero de la obra: 2 (registro " +
                             std::to_string(BaseBloque(2) + 39) + ")\n");

    const std::string tipologia =
        c.copia("tipologia.dvk", ConRegistro(armado, BaseBloque(1) + 9, "1220"));
    const Resultado t = Lista({tipologia});
    EXPECT_EQ(t.estado, 1);
    EXPECT_EQ(t.salida, "");
    EXPECT_EQ(t.errores, "Sin definir la Tipología\n");
}

// The overrides are those of the project's own adjustments file: without it the case shows the
// design's reinforcement; an adjustments file that cannot be read stops the calculation.
TEST(ListadoObraFallos, FicheroDeAjustes)
{
    Carpeta c;
    const std::string armado = c.copia("armado.dvk", LeeFicheroPrueba(Fijo("armado.dvk")));
    const Resultado sin = Lista({armado, "1"});
    EXPECT_EQ(sin.estado, 0);
    EXPECT_NE(sin.salida, Golden.substr(0, InicioTramo2()));
    EXPECT_NE(sin.salida.find("ARMADURA INTERIOR             30.00 cm2/m"), std::string::npos);
    EXPECT_EQ(Golden.find("ARMADURA INTERIOR             30.00 cm2/m"), std::string::npos);
    EXPECT_NE(Golden.find("ARMADURA INTERIOR             20.00 cm2/m"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(c.ruta("armado.dpe")));

    std::filesystem::create_directory(c.ruta("armado.dpe"));
    const Resultado ilegible = Lista({armado, "1"});
    EXPECT_EQ(ilegible.estado, 1);
    EXPECT_NE(ilegible.errores.find(c.ruta("armado.dpe")), std::string::npos) << ilegible.errores;
}

} // namespace
} // namespace dravek
