// The debug file of whole runs as a calculation command writes it: open for the command and
// written in blocks, it must hold byte for byte what the line-at-a-time writer wrote, however
// the command ends; a debug file that cannot be opened must not stop or change the calculation.

#include "apoyo/CarpetaPrueba.h"
#include "apoyo/DepuracionGrabadora.h"
#include "apoyo/DisenoCasoPrueba.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/TramoPrueba.h"
#include "core/design/DisenoTubo.h"
#include "core/engine/ContextoCalculo.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace dravek {
namespace {

const std::string Ruta = DRAVEK_DATOS_PROGRAMA "/";

enum class Final { Bien, Error, Excepcion };

// The real designs, except that the case numbered falla (counted over the run) ends the
// calculation with an error or an exception before its design.
class DisenoQueFalla final : public pruebas::DisenoCasoPrueba {
public:
    DisenoQueFalla(Final final, std::int32_t falla) : m_final(final), m_falla(falla) {}

    ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso) override
    {
        if (ErrorCalculo error = Falla(contexto)) {
            return error;
        }
        return m_real.CalculaArmado(contexto, numeroCaso);
    }
    ErrorCalculo CalculaPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                                  std::int16_t FijaPresionPrimario,
                                  double CoefPresionPrimario) override
    {
        if (ErrorCalculo error = Falla(contexto)) {
            return error;
        }
        return m_real.CalculaPostesado(contexto, numeroCaso, FijaPresionPrimario,
                                       CoefPresionPrimario);
    }

private:
    ErrorCalculo Falla(const ContextoCalculo &contexto) const
    {
        if (contexto.estado.caso.ContadorCasos != m_falla || m_final == Final::Bien) {
            return {};
        }
        if (m_final == Final::Excepcion) {
            throw std::runtime_error("the design gave up");
        }
        return ErrorCalculo::Con("ERROR: the design gave up");
    }

    Final m_final;
    std::int32_t m_falla;
    DisenoTubo m_real;
};

struct Resultado {
    std::string pantalla;
    std::string error; // the message of an error, "exception" for an exception, "" when none
};

// The calculate command on the test run (nine cases) with the given debug file.
Resultado CalculaTramo(DepuracionCalculo &depuracion, Final final, const std::string &separador)
{
    EstadoObra estado;
    pruebas::PreparaTramoArmado(estado, false, Ruta);
    estado.ejecucion.SeparadorDecimalLocal = separador;
    pruebas::RelojFijo reloj;
    pruebas::ImpresoraGrabadora impresora;
    SalidaListado salida(reloj, impresora);
    DisenoQueFalla diseno(final, 6);
    ContextoCalculo contexto{estado, salida, depuracion, diseno};
    Resultado resultado;
    try {
        resultado.error = pruebas::CalculaEnPantalla(contexto).mensaje;
    } catch (const std::runtime_error &) {
        resultado.error = "exception";
    }
    resultado.pantalla = salida.TextoPantalla();
    return resultado;
}

class DepuracionTramoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_carpeta = pruebas::CarpetaPrueba("dravek-depuracion-tramo");
        // The debug file makes its own folder.
        std::filesystem::remove(m_carpeta);
    }
    void TearDown() override { std::filesystem::remove_all(m_carpeta); }

    static std::string Lee(const std::string &ruta) { return pruebas::LeeFicheroPrueba(ruta); }

    std::filesystem::path m_carpeta;
};

TEST_F(DepuracionTramoTest, FicheroAbiertoParaElComandoIgualAlEscritoLineaALinea)
{
    struct Caso {
        const char *nombre;
        Final final;
        const char *separador;
        std::size_t bloque; // bytes gathered before a write
    };
    const std::vector<Caso> casos = {
        {"whole run", Final::Bien, ".", FicheroDepuracion::BloquePorDefecto},
        {"whole run, decimal comma", Final::Bien, ",", FicheroDepuracion::BloquePorDefecto},
        {"whole run, a write per line", Final::Bien, ".", 1},
        {"whole run, many small blocks", Final::Bien, ".", 700},
        {"ends with an error", Final::Error, ".", FicheroDepuracion::BloquePorDefecto},
        {"ends with an exception", Final::Excepcion, ".", 700},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        const std::filesystem::path carpeta = m_carpeta / c.nombre;

        // As every line was written before: the file opened and closed for each.
        FicheroDepuracion lineaALinea((carpeta / "linea").string());
        ASSERT_TRUE(lineaALinea.Reinicia());
        const Resultado antes = CalculaTramo(lineaALinea, c.final, c.separador);

        FicheroDepuracion abierto((carpeta / "abierto").string(), c.bloque);
        Resultado ahora;
        {
            const GuardaFicheroDepuracion comando(abierto);
            ahora = CalculaTramo(abierto, c.final, c.separador);
        }

        const std::string esperado = Lee(lineaALinea.Ruta());
        // The three lines of every ring analysis at least, each ended by CR LF.
        const auto calculados = c.final == Final::Bien ? 9 : 5;
        EXPECT_GE(std::count(esperado.begin(), esperado.end(), '\n'), 3 * calculados);
        EXPECT_EQ(std::count(esperado.begin(), esperado.end(), '\r'),
                  std::count(esperado.begin(), esperado.end(), '\n'));
        EXPECT_EQ(Lee(abierto.Ruta()), esperado);
        EXPECT_EQ(abierto.LineasPerdidas(), 0);
        EXPECT_EQ(lineaALinea.LineasPerdidas(), 0);
        EXPECT_EQ(ahora.pantalla, antes.pantalla);
        EXPECT_EQ(ahora.error, antes.error);
        EXPECT_EQ(ahora.error.empty(), c.final == Final::Bien);
    }
}

TEST_F(DepuracionTramoTest, ComandoSiguienteEmpiezaElFicheroDeNuevo)
{
    FicheroDepuracion fichero(m_carpeta.string());
    {
        const GuardaFicheroDepuracion comando(fichero);
        CalculaTramo(fichero, Final::Bien, ".");
    }
    const std::string primero = Lee(fichero.Ruta());
    {
        const GuardaFicheroDepuracion comando(fichero);
        CalculaTramo(fichero, Final::Error, ".");
    }
    const std::string segundo = Lee(fichero.Ruta());
    ASSERT_FALSE(segundo.empty());
    EXPECT_LT(segundo.size(), primero.size());
    EXPECT_EQ(primero.rfind(segundo, 0),
              0U); // the same first cases, nothing of the first run after
}

// Records whether a caller offered a line to a debug file that writes none.
class DepuracionApagada final : public DepuracionCalculo {
public:
    void EscribeLinea(const std::string &) override { ++m_lineas; }
    bool Activa() const override { return false; }
    int lineas() const { return m_lineas; }

private:
    int m_lineas = 0;
};

TEST_F(DepuracionTramoTest, FicheroQueNoSePuedeAbrirNoDetieneNiCambiaElCalculo)
{
    // A folder that is a file: nothing can be written under it, whoever runs the test.
    std::filesystem::create_directories(m_carpeta);
    const std::filesystem::path noCarpeta = m_carpeta / "no-es-carpeta";
    std::ofstream(noCarpeta) << "x";

    pruebas::DepuracionGrabadora grabadora;
    const Resultado conFichero = CalculaTramo(grabadora, Final::Bien, ".");
    ASSERT_TRUE(conFichero.error.empty());
    ASSERT_FALSE(grabadora.lineas().empty());

    FicheroDepuracion fichero(noCarpeta.string());
    Resultado sinFichero;
    {
        GuardaFicheroDepuracion comando(fichero);
        EXPECT_FALSE(fichero.Activa());
        sinFichero = CalculaTramo(fichero, Final::Bien, ".");
        EXPECT_EQ(fichero.LineasPerdidas(), 0); // not even built
    }
    EXPECT_EQ(sinFichero.error, "");
    EXPECT_EQ(sinFichero.pantalla, conFichero.pantalla);
    EXPECT_FALSE(std::filesystem::exists(noCarpeta / "Debugzuk_cal.txt"));
    // The command is over: the file is tried again line by line, and the failure counted.
    EXPECT_TRUE(fichero.Activa());
    fichero.EscribeLinea("perdida");
    EXPECT_EQ(fichero.LineasPerdidas(), 1);
    // The command is told, should it ask, that no debug file was written.
    EXPECT_FALSE(fichero.Abre());
    EXPECT_FALSE(fichero.Cierra());

    // No caller builds a line for a debug file that writes none.
    DepuracionApagada apagada;
    const Resultado apagado = CalculaTramo(apagada, Final::Bien, ".");
    EXPECT_EQ(apagada.lineas(), 0);
    EXPECT_EQ(apagado.pantalla, conFichero.pantalla);
}

// The debug lines of a calculate command on the test run, in a context of its own or in one
// kept from earlier commands of the same program.
std::vector<std::string> LineasDelComando(ContextoCalculo &contexto,
                                          pruebas::DepuracionGrabadora &depuracion)
{
    depuracion.olvida();
    EXPECT_FALSE(pruebas::CalculaEnPantalla(contexto));
    return depuracion.lineas();
}

// The layout's debug lines keep what only the run decides (the wall, its covers, the count of
// hypotheses, the cylinder's maximum) from case to case: a later command of the same program
// on another wall, other covers, another maximum or another separator writes what a fresh
// program would, never the first run's.
TEST(DepuracionDisposicion, CadaComandoConLosDatosDeSuTramo)
{
    EstadoObra estado;
    pruebas::PreparaTramoArmado(estado, false, Ruta);
    pruebas::RelojFijo reloj;
    pruebas::ImpresoraGrabadora impresora;
    SalidaListado salida(reloj, impresora);
    pruebas::DepuracionGrabadora depuracion;
    DisenoTubo diseno;
    ContextoCalculo seguido{estado, salida, depuracion, diseno};

    struct Comando {
        const char *nombre;
        double masESP, masRECI, masRECE, masCAMMAX;
        const char *separador;
    };
    const std::vector<Comando> comandos = {
        {"the run", 0, 0, 0, 0, "."},
        {"another wall and covers", 1, 0.5, 0.25, 0, "."},
        {"another maximum", 1, 0.5, 0.25, 0.5, "."},
        {"another separator", 1, 0.5, 0.25, 0.5, ","},
        {"the run again", 0, 0, 0, 0, "."},
    };
    const DatosTramo original = estado.tramo;
    std::vector<std::string> anteriores;
    for (const Comando &c : comandos) {
        SCOPED_TRACE(c.nombre);
        estado.tramo.ESP = original.ESP + c.masESP;
        estado.tramo.RECI = original.RECI + c.masRECI;
        estado.tramo.RECE = original.RECE + c.masRECE;
        estado.tramo.CAMMAX = original.CAMMAX + c.masCAMMAX;
        estado.ejecucion.SeparadorDecimalLocal = c.separador;
        const std::vector<std::string> lineas = LineasDelComando(seguido, depuracion);

        SalidaListado otraSalida(reloj, impresora);
        pruebas::DepuracionGrabadora otraDepuracion;
        DisenoTubo otroDiseno;
        ContextoCalculo nuevo{estado, otraSalida, otraDepuracion, otroDiseno};
        EXPECT_EQ(lineas, LineasDelComando(nuevo, otraDepuracion));
        EXPECT_GE(lineas.size(), 9U * 3U);
        // Each command's data show: its lines are not the previous command's.
        EXPECT_NE(lineas, anteriores);
        anteriores = lineas;
    }
}

// The case heading on screen keeps its forces' texts along a fill height, the ring analysis
// its loads line, and the case title and debug lines what only the run decides: a later
// command of the same program on another pipe, with another title, fill, separator, units or
// language, shows and writes what a fresh program would.
TEST(CabeceraYCargas, CadaComandoConLosDatosDeSuTramo)
{
    EstadoObra estado;
    pruebas::PreparaTramoArmado(estado, false, Ruta);
    pruebas::RelojFijo reloj;
    pruebas::ImpresoraGrabadora impresora;
    SalidaListado salida(reloj, impresora);
    pruebas::DepuracionGrabadora depuracion;
    DisenoTubo diseno;
    ContextoCalculo seguido{estado, salida, depuracion, diseno};

    const EstadoObra original = estado;
    struct Comando {
        const char *nombre;
        void (*cambia)(EstadoObra &);
    };
    const std::vector<Comando> comandos = {
        {"the run", [](EstadoObra &) {}},
        {"another title", [](EstadoObra &e) { e.obra.TIGEN += " - SEGUNDA FASE"; }},
        {"another run description", [](EstadoObra &e) { e.tramo.ITIT = "TRAMO 4"; }},
        {"another diameter",
         [](EstadoObra &e) {
             e.tramo.vDi += 0.2;
             e.tramo.vDE += 0.2;
         }},
        {"cylinder only", [](EstadoObra &e) { e.tramo.IndicadorCamisa = 2; }},
        {"another fill", [](EstadoObra &e) { e.tramo.vGAMAT += 0.1; }},
        {"another separator", [](EstadoObra &e) { e.ejecucion.SeparadorDecimalLocal = ","; }},
        {"SI on screen", [](EstadoObra &e) { e.ejecucion.SistemaUnidades = "SI"; }},
        {"another language", [](EstadoObra &e) { e.ejecucion.DesplazamientoIdioma = 5000; }},
        {"the run again", [](EstadoObra &) {}},
    };
    struct Salidas {
        std::string pantalla;
        std::vector<std::string> depuracion;
    };
    const auto calcula = [](ContextoCalculo &contexto, pruebas::DepuracionGrabadora &lineas) {
        contexto.salida.VaciaPantalla();
        Salidas s;
        s.depuracion = LineasDelComando(contexto, lineas);
        s.pantalla = contexto.salida.TextoPantalla();
        return s;
    };
    Salidas anteriores;
    for (const Comando &c : comandos) {
        SCOPED_TRACE(c.nombre);
        estado.obra = original.obra;
        estado.tramo = original.tramo;
        estado.ejecucion = original.ejecucion;
        c.cambia(estado);
        const Salidas seguidas = calcula(seguido, depuracion);

        SalidaListado otraSalida(reloj, impresora);
        pruebas::DepuracionGrabadora otraDepuracion;
        DisenoTubo otroDiseno;
        ContextoCalculo nuevo{estado, otraSalida, otraDepuracion, otroDiseno};
        const Salidas nuevas = calcula(nuevo, otraDepuracion);
        EXPECT_EQ(seguidas.pantalla, nuevas.pantalla);
        EXPECT_EQ(seguidas.depuracion, nuevas.depuracion);
        // Each command's data show: what it shows or writes is not the previous command's.
        EXPECT_TRUE(seguidas.pantalla != anteriores.pantalla ||
                    seguidas.depuracion != anteriores.depuracion);
        anteriores = seguidas;
    }
}

} // namespace
} // namespace dravek
