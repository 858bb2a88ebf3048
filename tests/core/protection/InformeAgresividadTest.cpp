#include "core/protection/InformeAgresividad.h"

#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/SeparadorPrueba.h"
#include "apoyo/TextoPrueba.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::B;
using pruebas::Guiones;
using pruebas::ImpresoraGrabadora;
using pruebas::Lineas;
using pruebas::MensajeMostrado;
using pruebas::MensajesGrabadora;

// The Spanish texts of the report, typed out.
const std::string Titulo = "ANÁLISIS DE MEDIOS AGRESIVOS";
const std::string Factores = "Factores que deben considerarse";
const std::string Medidas = "MEDIDAS DE PROTECCION";
const std::string Aguas = "Medio agresivo: agua exterior e interior";
const std::string Terrenos = "Medio agresivo: terrenos";
const std::string BajaResistividad = "Medio agresivo: suelos con baja resistividad";
const std::string Vagabundas = "Medio agresivo: corrientes vagabundas";
const std::string Ciclos = "Alterna ciclos humedad/desecación o tuberias semienterradas";
const std::string TerrenosAguasTubo = "Terrenos y aguas exteriores al tubo";
const std::string SuelosBaja = "Suelos con baja resistividad";
const std::string Aislar = "Aislar la tubería mediante pintura adecuada";
const std::string Sales1 = "Los valores de resistividad  del terreno indican gran ";
const std::string Sales2 = "concentración de sales solubles. Aplicar entre 300 y 400 micras";
const std::string Existencia = "Existencia de corrientes vagabundas";
const std::string Junta1 = "La discontinuidad de la junta elastica dificulta la circulación ";
const std::string Junta2 = "de corrientes y beneficia al tubo";
const std::string Eliminar = "Eliminar o controlar";
const std::string SinProteccion = "No es necesaria ninguna protección contra agresión química";

std::string Iguales(int n)
{
    return std::string(static_cast<std::size_t>(n), '=');
}

// The factor line: the name padded to 40 characters, " = ", the value in 8, a blank, the unit.
std::string Factor(const std::string &nombre, const std::string &numero, const std::string &unidad)
{
    return pruebas::Fijo(nombre, 40) + " = " + pruebas::R(numero, 8) + " " + unidad;
}

std::vector<std::string> Cabecera()
{
    return {Titulo, Iguales(28), ""};
}

std::vector<std::string> InicioFactores()
{
    return {Factores, Guiones(31)};
}

std::vector<std::string> InicioMedidas()
{
    return {"", Medidas, Iguales(21), ""};
}

std::vector<std::string> Une(std::initializer_list<std::vector<std::string>> partes)
{
    std::vector<std::string> todo;
    for (const std::vector<std::string> &p : partes) {
        pruebas::Anade(todo, p);
    }
    return todo;
}

class InformeAgresividadTest : public ::testing::Test {
protected:
    InformeAgresividadTest() { estado.ejecucion.SistemaUnidades = "SI"; }

    void ConComa() { pruebas::PonSeparador(estado.ejecucion, ','); }

    // The screen report of the values, as lines.
    std::vector<std::string> Pantalla(const ValoresAgresion &v, bool ciclos = false,
                                      bool imprime = false)
    {
        std::string texto = "texto anterior";
        error = EscribeInformeAgresividad(estado, salida, EtiquetasAgresividadIdioma(0), v, ciclos,
                                          imprime, texto);
        return Lineas(texto);
    }

    EstadoObra estado;
    pruebas::RelojFijo reloj;
    ImpresoraGrabadora impresora;
    SalidaListado salida{reloj, impresora};
    int error = -1;
};

ValoresAgresion Todos()
{
    ValoresAgresion v{};
    v[ElementoPH] = 6;
    v[ElementoCO2] = 20;
    v[ElementoSulfatosExterior] = 1000;
    v[ElementoSulfatosTerreno] = 5000;
    v[ElementoResistividad] = 10;
    v[ElementoCorriente] = 300;
    v[ElementoSulfatosInterior] = 100;
    return v;
}

// The report of every medium with wet and dry cycles: waters of grade 1 (350 kg/m3) and
// outer-water sulphates of 1000 mg/l (sulphate-resisting cement).
std::vector<std::string> PantallaTodos(const std::string &coma)
{
    const auto n = [&coma](const std::string &entero, const std::string &decimales) {
        return entero + coma + decimales;
    };
    return Une({
        Cabecera(),
        InicioFactores(),
        {"", Aguas, Factor("pH", n("6", "00"), ""), Factor("CO2 agresivo", n("20", "00"), "mg/l"),
         Factor("SO4 (2-) (agua exterior)", n("1000", "00"), "mg/l")},
        {"", Terrenos, Factor("SO4 (2-)", n("5000", "00"), "mg/Kg"), Ciclos + "  "},
        {"", BajaResistividad, Factor("Resistividad del terreno", n("10", "00"), "Ohmio x m")},
        {"", Vagabundas, Factor("Corriente", n("300", "00"), "mV"),
         Factor("SO4 (2-) (agua interior)", n("100", "00"), "mg/l")},
        InicioMedidas(),
        {TerrenosAguasTubo, "Dosificación de cemento " + B(6) + "  " + n("350", "00") + " kg/m3",
         "Relación a/c            " + B(6) + "    " + n("0", "50"),
         "Tipo de cemento         " + B(12) + "SR", "Necesidades adicionales " + B(12) + "No"},
        {"", SuelosBaja, Aislar, Sales1 + Sales2},
        {"", Existencia, Eliminar, ""},
    });
}

TEST_F(InformeAgresividadTest, TodosLosMediosLineaALineaEnSIyMKS)
{
    for (const char *sistema : {"SI", "MKS"}) {
        SCOPED_TRACE(sistema);
        // The report converts no unit: both systems give the same lines.
        estado.ejecucion.SistemaUnidades = sistema;
        EXPECT_EQ(Pantalla(Todos(), true), PantallaTodos("."));
        EXPECT_EQ(error, SinErrorImpresora);
    }
    EXPECT_TRUE(impresora.operaciones().empty());
}

TEST_F(InformeAgresividadTest, ConElSeparadorDelUsuario)
{
    ConComa();
    EXPECT_EQ(Pantalla(Todos(), true), PantallaTodos(","));
}

TEST_F(InformeAgresividadTest, ImpresoTodosLosMedios)
{
    const std::vector<std::string> pantalla = Pantalla(Todos(), true, true);
    EXPECT_EQ(pantalla, PantallaTodos("."));
    EXPECT_EQ(error, SinErrorImpresora);

    const auto L = [](const std::string &texto) { return "Linea |" + texto + "|"; };
    const std::string blanco = L(" ");
    const std::vector<std::string> esperado = {
        "Orientacion 1",
        blanco,
        blanco,
        blanco,
        blanco,
        "Fuente Courier New",
        "Tamano 10.0",
        "Negrita 1",
        L(Titulo),
        L(Iguales(28)),
        "Negrita 0",
        blanco,
        L(Factores),
        L(Guiones(31)),
        blanco,
        L(Aguas),
        L(Factor("pH", "6.00", "")),
        L(Factor("CO2 agresivo", "20.00", "mg/l")),
        L(Factor("SO4 (2-) (agua exterior)", "1000.00", "mg/l")),
        blanco,
        L(Terrenos),
        L(Factor("SO4 (2-)", "5000.00", "mg/Kg")),
        L(Ciclos),
        blanco,
        L(BajaResistividad),
        L(Factor("Resistividad del terreno", "10.00", "Ohmio x m")),
        blanco,
        L(Vagabundas),
        L(Factor("Corriente", "300.00", "mV")),
        L(Factor("SO4 (2-) (agua interior)", "100.00", "mg/l")),
        blanco,
        L(Medidas),
        L(Iguales(21)),
        L(TerrenosAguasTubo),
        L("Dosificación de cemento " + B(6) + "  350.00 kg/m3"),
        L("Relación a/c            " + B(6) + "    0.50"),
        L("Tipo de cemento         " + B(12) + "SR"),
        L("Necesidades adicionales " + B(12) + "No"),
        blanco,
        L(SuelosBaja),
        L(Aislar),
        L(Sales1),
        L(Sales2),
        blanco,
        L(Existencia),
        L(Eliminar),
        "FinDocumento",
    };
    EXPECT_EQ(impresora.descripciones(), esperado);
    // The sink stays on the printer, the font regular.
    EXPECT_TRUE(estado.listado.Imprimiendo);
    EXPECT_FALSE(impresora.negrita());
    EXPECT_EQ(impresora.orientacion(), Orientacion::Vertical);

    // A later report on screen only leaves the printer alone.
    impresora.olvida();
    EXPECT_EQ(Pantalla(Todos(), true, false), PantallaTodos("."));
    EXPECT_TRUE(impresora.operaciones().empty());
}

TEST_F(InformeAgresividadTest, PHSoloDeUnaVentanaRecienAbierta)
{
    ValoresAgresion v{};
    v[ElementoPH] = 7;
    EXPECT_EQ(Pantalla(v), Une({Cabecera(),
                                InicioFactores(),
                                {"", Aguas, Factor("pH", "7.00", "")},
                                InicioMedidas(),
                                {SinProteccion, ""}}));
}

TEST_F(InformeAgresividadTest, CasosDeLasMedidas)
{
    struct Caso {
        std::string nombre;
        ValoresAgresion valores;
        bool ciclos;
        std::vector<std::string> informe;
    };
    const auto v = [](std::initializer_list<std::pair<int, double>> dados) {
        ValoresAgresion valores{};
        for (const auto &[i, x] : dados) {
            valores[static_cast<std::size_t>(i)] = x;
        }
        return valores;
    };
    const auto cemento = [](const std::string &dosificacion, const std::string &relacion,
                            const std::string &tipo, const std::string &adicionales) {
        return std::vector<std::string>{
            TerrenosAguasTubo, "Dosificación de cemento " + B(6) + dosificacion + " kg/m3",
            "Relación a/c            " + B(6) + relacion,
            "Tipo de cemento         " + B(12) + tipo,
            "Necesidades adicionales " + B(12) + adicionales};
    };
    const std::vector<Caso> casos = {
        {"ningun factor: sin lista ni titulo de medidas", v({}), false,
         Une({Cabecera(), {SinProteccion, ""}})},
        {"pH justo bajo 4.0: grado 3", v({{ElementoPH, 3.99}}), false,
         Une({Cabecera(),
              InicioFactores(),
              {"", Aguas, Factor("pH", "3.99", "")},
              InicioMedidas(),
              cemento("  400.00", "    0.45", "Normal", "Sí"),
              {""}})},
        // An empty pH box (0) is no pH: not listed, and the waters are not aggressive.
        {"sulfatos interiores 100 con pH 0", v({{ElementoSulfatosInterior, 100}}), false,
         Une({Cabecera(),
              InicioFactores(),
              {"", Aguas, Factor("SO4 (2-) (agua interior)", "100.00", "mg/l")},
              InicioMedidas(),
              {SinProteccion, ""}})},
        {"pH 7, corriente 50 e interior 100",
         v({{ElementoPH, 7}, {ElementoCorriente, 50}, {ElementoSulfatosInterior, 100}}), false,
         Une({Cabecera(),
              InicioFactores(),
              {"", Aguas, Factor("pH", "7.00", ""), "", Vagabundas,
               Factor("Corriente", "50.00", "mV"),
               Factor("SO4 (2-) (agua interior)", "100.00", "mg/l")},
              InicioMedidas(),
              {Existencia, Junta1 + Junta2, "", SinProteccion, ""}})},
        {"corriente 200: sin medida", v({{ElementoCorriente, 200}}), false,
         Une({Cabecera(),
              InicioFactores(),
              {"", Vagabundas, Factor("Corriente", "200.00", "mV")},
              InicioMedidas(),
              {Existencia, Junta1 + Junta2, "", SinProteccion, ""}})},
        {"corriente sobre 200", v({{ElementoCorriente, 200.01}}), false,
         Une({Cabecera(),
              InicioFactores(),
              {"", Vagabundas, Factor("Corriente", "200.01", "mV")},
              InicioMedidas(),
              {Existencia, Eliminar, ""}})},
        {"resistividad 15: listada, sin medida", v({{ElementoResistividad, 15}}), false,
         Une({Cabecera(),
              InicioFactores(),
              {"", BajaResistividad, Factor("Resistividad del terreno", "15.00", "Ohmio x m")},
              InicioMedidas(),
              {SinProteccion, ""}})},
        {"resistividad justo bajo 15", v({{ElementoResistividad, 14.99}}), false,
         Une({Cabecera(),
              InicioFactores(),
              {"", BajaResistividad, Factor("Resistividad del terreno", "14.99", "Ohmio x m")},
              InicioMedidas(),
              {SuelosBaja, Aislar, Sales1 + Sales2, ""}})},
        {"terreno 2000: listado, nada mas", v({{ElementoSulfatosTerreno, 2000}}), false,
         Une({Cabecera(),
              InicioFactores(),
              {"", Terrenos, Factor("SO4 (2-)", "2000.00", "mg/Kg")},
              InicioMedidas(),
              {SinProteccion, ""}})},
        {"terreno 20000 con ciclos", v({{ElementoSulfatosTerreno, 20000}}), true,
         Une({Cabecera(),
              InicioFactores(),
              {"", Terrenos, Factor("SO4 (2-)", "20000.00", "mg/Kg"), Ciclos + "  "},
              InicioMedidas(),
              cemento("  400.00", "    0.45", "SR", "Sí"),
              {""}})},
        // Waters of grade 2 already ask for 400 kg/m3; the outer-water sulphates still ask for
        // the sulphate-resisting cement.
        {"aguas grado 2 con exterior 1000",
         v({{ElementoPH, 4.2}, {ElementoSulfatosExterior, 1000}}), false,
         Une({Cabecera(),
              InicioFactores(),
              {"", Aguas, Factor("pH", "4.20", ""),
               Factor("SO4 (2-) (agua exterior)", "1000.00", "mg/l")},
              InicioMedidas(),
              cemento("  400.00", "    0.45", "SR", "No"),
              {""}})},
        {"cemento, baja resistividad y corriente 100",
         v({{ElementoMg, 400}, {ElementoResistividad, 3}, {ElementoCorriente, 100}}), false,
         Une({Cabecera(),
              InicioFactores(),
              {"", Aguas, Factor("Mg (2+)", "400.00", "mg/l"), "", BajaResistividad,
               Factor("Resistividad del terreno", "3.00", "Ohmio x m"), "", Vagabundas,
               Factor("Corriente", "100.00", "mV")},
              InicioMedidas(),
              cemento("  350.00", "    0.50", "Normal", "No"),
              {"", SuelosBaja, Aislar, Sales1 + Sales2, "", Existencia, Junta1 + Junta2, ""}})},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(Pantalla(c.valores, c.ciclos), c.informe);
    }
}

TEST_F(InformeAgresividadTest, ImpresoSinMedidasTrasLaCorriente)
{
    ValoresAgresion v{};
    v[ElementoCorriente] = 200;
    Pantalla(v, false, true);
    const std::vector<std::string> esperado = {
        " ",         " ",         " ",         " ",
        Titulo,      Iguales(28), " ",         Factores,
        Guiones(31), " ",         Vagabundas,  Factor("Corriente", "200.00", "mV"),
        " ",         Medidas,     Iguales(21), Existencia,
        Junta1,      Junta2,      " ",         SinProteccion,
    };
    EXPECT_EQ(impresora.lineas(), esperado);
}

TEST(BuscaBlanco, CorteDeLasLineasLargas)
{
    struct Caso {
        std::string nombre;
        std::string texto;
        int posicion;
    };
    std::string enes;
    for (int i = 0; i < 60; ++i) {
        enes += "ñ";
    }
    const std::vector<Caso> casos = {
        {"65 caracteres", std::string(64, 'a') + " ", -1},
        {"66 sin blancos", std::string(66, 'a'), 65},
        {"blanco en 65", std::string(64, 'a') + " " + std::string(10, 'b'), 65},
        {"blanco solo en 66", std::string(65, 'a') + " b", 65},
        {"el ultimo blanco", "a b" + std::string(70, 'c'), 2},
        {"cuenta caracteres, no bytes", enes + " " + std::string(10, 'x'), 61},
        {"texto de las sales solubles", Sales1 + Sales2, 54},
        {"texto de la junta", Junta1 + Junta2, 64},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        EXPECT_EQ(BuscaBlanco(c.texto), c.posicion);
    }
}

TEST(EscribeLineaAgres, SaltosAntesYDespues)
{
    std::string texto = "a";
    EscribeLineaAgres(texto, 2, "b", 1);
    EscribeLineaAgres(texto, 0, "c", 0);
    EXPECT_EQ(texto, "a\n\nb\nc");
}

// --- Reading the boxes --------------------------------------------------------------------------

class CalculaAgresividadTest : public InformeAgresividadTest {
protected:
    InformeAgresividad Calcula(bool imprime)
    {
        return CalculaAgresividad(estado, salida, mensajes, EtiquetasAgresividadIdioma(0),
                                  entradas, imprime, resultado);
    }

    MensajesGrabadora mensajes;
    EntradasAgresividad entradas;
    std::string resultado = "informe anterior";
};

TEST_F(CalculaAgresividadTest, LeeLasCajasConElSeparadorDelUsuario)
{
    ConComa();
    entradas.txpH = {" 6,00 ", "20", "", "  ", "1000,00", "5000", "10", "300", "100"};
    entradas.Check1 = true;
    const InformeAgresividad informe = Calcula(false);
    EXPECT_EQ(informe.resultado, ResultadoAgresividad::Escrito);
    EXPECT_EQ(Lineas(resultado), PantallaTodos(","));
    EXPECT_TRUE(mensajes.mostrados().empty());
}

TEST_F(CalculaAgresividadTest, UnaCajaIncorrectaNoEscribeNada)
{
    struct Caso {
        std::size_t elemento;
        std::string texto;
        std::string mensaje;
        std::string titulo;
    };
    const std::vector<Caso> casos = {
        {2, "abc", "Seleccione un valor numérico ", "NH4 (+) "},
        {6, "-1", "Valor incorrecto (mínimo 0)", "Resistividad del terreno"},
        {0, "15", "Valor incorrecto (máximo 14)", "pH"},
        {8, "1e999", "Seleccione un valor numérico ", "SO4 (2-) (agua interior)"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.texto);
        entradas = {};
        entradas.txpH[c.elemento] = c.texto;
        mensajes.olvida();
        const InformeAgresividad informe = Calcula(true);
        EXPECT_EQ(informe.resultado, ResultadoAgresividad::EntradaIncorrecta);
        EXPECT_EQ(informe.elementoIncorrecto, static_cast<int>(c.elemento));
        ASSERT_EQ(mensajes.mostrados().size(), 1U);
        EXPECT_EQ(mensajes.mostrados()[0].texto, c.mensaje);
        EXPECT_EQ(mensajes.mostrados()[0].titulo, c.titulo);
        EXPECT_EQ(resultado, "informe anterior");
        EXPECT_TRUE(impresora.operaciones().empty());
    }
}

// A printer that fails the document it was given.
class ImpresoraQueFalla : public ImpresoraGrabadora {
public:
    int FinDocumento() override
    {
        static_cast<void>(ImpresoraGrabadora::FinDocumento());
        return ErrorPropioImpresora;
    }
};

TEST(CalculaAgresividadImpresora, UnFalloSeAvisaYElInformeQuedaEnPantalla)
{
    EstadoObra estado;
    pruebas::RelojFijo reloj;
    ImpresoraQueFalla impresora;
    SalidaListado salida{reloj, impresora};
    MensajesGrabadora mensajes;
    EntradasAgresividad entradas;
    entradas.txpH[ElementoPH] = "7.00";
    std::string resultado;
    const InformeAgresividad informe = CalculaAgresividad(
        estado, salida, mensajes, EtiquetasAgresividadIdioma(0), entradas, true, resultado);
    EXPECT_EQ(informe.resultado, ResultadoAgresividad::FalloImpresora);
    ASSERT_EQ(mensajes.mostrados().size(), 1U);
    EXPECT_EQ(mensajes.mostrados()[0].texto, "ERROR:482\nal imprimir");
    EXPECT_EQ(mensajes.mostrados()[0].titulo, "");
    EXPECT_EQ(mensajes.mostrados()[0].botones, BotonesMensaje::Aceptar);
    EXPECT_EQ(Lineas(resultado), Une({Cabecera(),
                                      InicioFactores(),
                                      {"", Aguas, Factor("pH", "7.00", "")},
                                      InicioMedidas(),
                                      {SinProteccion, ""}}));
}

} // namespace
} // namespace dravek
