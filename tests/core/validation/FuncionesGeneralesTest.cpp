#include "core/validation/FuncionesGenerales.h"

#include "apoyo/MensajesGrabadora.h"
#include "apoyo/SeparadorPrueba.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::MensajeMostrado;
using pruebas::MensajesGrabadora;

const std::string NoNumerico = "Seleccione un valor numérico ";
const std::string Incorrecto = "Valor incorrecto";
const std::string Caption = "Diámetro Interior (m)";

TEST(ConvierteNumeroLocal, AceptaNumerosDelSeparadorDelUsuario)
{
    struct Caso {
        std::string texto;
        std::string separador;
        double esperado;
    };
    const std::vector<Caso> casos = {
        {"1.25", ".", 1.25},    {"1,25", ",", 1.25},    {"  -3.5  ", ".", -3.5},
        {"+2", ".", 2.0},       {".5", ".", 0.5},       {"5,", ",", 5.0},
        {"1.5e3", ".", 1500.0}, {"1,5E-2", ",", 0.015}, {"007", ".", 7.0},
        {"\t12\t", ".", 12.0},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE("\"" + c.texto + "\" [" + c.separador + "]");
        const std::optional<double> leido = ConvierteNumeroLocal(c.texto, c.separador);
        ASSERT_TRUE(leido.has_value());
        EXPECT_DOUBLE_EQ(*leido, c.esperado);
    }
}

TEST(ConvierteNumeroLocal, RechazaLoQueNoEsUnNumero)
{
    struct Caso {
        std::string texto;
        std::string separador;
    };
    const std::vector<Caso> casos = {
        {"", "."},          {"   ", "."},   {"-", "."},      {".", "."},       {"1,25", "."},
        {"1.25", ","},      {"1.2.3", "."}, {"1,,5", ","},   {"1,234.5", "."}, {"1.234,5", ","},
        {"1 000", "."},     {"12abc", "."}, {"abc", "."},    {"1e", "."},      {"1e+", "."},
        {"e5", "."},        {"1e999", "."}, {"-1e999", "."}, {"nan", "."},     {"inf", "."},
        {"-Infinity", "."}, {"0x10", "."},  {"--1", "."},    {"+-1", "."},     {"- 1", "."},
        {"$5", "."},        {"(5)", "."},   {"5-", "."},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE("\"" + c.texto + "\" [" + c.separador + "]");
        EXPECT_FALSE(ConvierteNumeroLocal(c.texto, c.separador).has_value());
    }
}

// A field holds what its key filter lets through and nothing else.
TEST(ConvierteNumeroCampo, SoloDigitosYUnSeparador)
{
    struct Caso {
        std::string texto;
        std::string separador;
        std::optional<double> esperado;
    };
    const std::vector<Caso> casos = {
        {"1,25", ",", 1.25},  {" 007 ", ".", 7.0}, {",5", ",", 0.5}, {"5,", ",", 5.0},
        {"-1", ".", {}},      {"+1", ".", {}},     {"1e3", ".", {}}, {"1.5", ",", {}},
        {"1,234.5", ".", {}}, {"", ".", {}},       {".", ".", {}},   {"1..", ".", {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE("\"" + c.texto + "\" [" + c.separador + "]");
        EXPECT_EQ(ConvierteNumeroCampo(c.texto, c.separador), c.esperado);
    }
}

TEST(ConvierteEntero16, ComoLaConversionEnteraDelPrograma)
{
    struct Caso {
        std::string texto;
        std::string separador;
        std::int16_t valor;
        ErrorConversion error;
    };
    const std::vector<Caso> casos = {
        {"12", ".", 12, ErrorConversion::Ninguno},
        {"  -7 ", ".", -7, ErrorConversion::Ninguno},
        {"+3", ".", 3, ErrorConversion::Ninguno},
        // Halves go to the even neighbour.
        {"2.5", ".", 2, ErrorConversion::Ninguno},
        {"3.5", ".", 4, ErrorConversion::Ninguno},
        {"-2.5", ".", -2, ErrorConversion::Ninguno},
        {"0.5", ".", 0, ErrorConversion::Ninguno},
        {"2.6", ".", 3, ErrorConversion::Ninguno},
        {"-2.4", ".", -2, ErrorConversion::Ninguno},
        {"1,5", ",", 2, ErrorConversion::Ninguno},
        {"32767", ".", 32767, ErrorConversion::Ninguno},
        {"-32768", ".", -32768, ErrorConversion::Ninguno},
        {"-32768.5", ".", -32768, ErrorConversion::Ninguno},
        {"32767.5", ".", 0, ErrorConversion::Desbordamiento},
        {"32768", ".", 0, ErrorConversion::Desbordamiento},
        {"-32769", ".", 0, ErrorConversion::Desbordamiento},
        {"1e999", ".", 0, ErrorConversion::Desbordamiento},
        {"", ".", 0, ErrorConversion::TipoIncorrecto},
        {"abc", ".", 0, ErrorConversion::TipoIncorrecto},
        {"1,5", ".", 0, ErrorConversion::TipoIncorrecto},
        {"12x", ".", 0, ErrorConversion::TipoIncorrecto},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE("\"" + c.texto + "\" [" + c.separador + "]");
        const Entero16 r = ConvierteEntero16(c.texto, c.separador);
        EXPECT_EQ(r.error, c.error);
        if (c.error == ErrorConversion::Ninguno) {
            EXPECT_EQ(r.valor, c.valor);
        }
    }
}

class ValidaNumeroTest : public ::testing::Test {
protected:
    EstadoEjecucion m_ejecucion = pruebas::Coma();
    MensajesGrabadora m_mensajes;

    void EsperaMensaje(const std::string &texto)
    {
        ASSERT_EQ(m_mensajes.mostrados().size(), 1U);
        const MensajeMostrado &m = m_mensajes.mostrados().front();
        EXPECT_EQ(m.texto, texto);
        EXPECT_EQ(m.titulo, Caption);
        EXPECT_EQ(m.botones, BotonesMensaje::Aceptar);
        EXPECT_EQ(m.icono, IconoMensaje::Ninguno);
    }
};

TEST_F(ValidaNumeroTest, NumeroCorrectoSeGuardaSinMensaje)
{
    double valor = 7.0;
    EXPECT_TRUE(ValidaNumero(m_ejecucion, m_mensajes, 0.001, " 1,25 ", valor, Caption));
    EXPECT_DOUBLE_EQ(valor, 1.25);
    EXPECT_TRUE(m_mensajes.mostrados().empty());
}

TEST_F(ValidaNumeroTest, IgualAlMinimoSeAcepta)
{
    double valor = 7.0;
    EXPECT_TRUE(ValidaNumero(m_ejecucion, m_mensajes, 0.5, "0,5", valor, Caption));
    EXPECT_DOUBLE_EQ(valor, 0.5);
    EXPECT_TRUE(m_mensajes.mostrados().empty());
}

TEST_F(ValidaNumeroTest, VacioEsCero)
{
    for (const std::string texto : {"", "   "}) {
        SCOPED_TRACE("\"" + texto + "\"");
        m_mensajes.olvida();
        double valor = 7.0;
        EXPECT_TRUE(ValidaNumero(m_ejecucion, m_mensajes, 0.0, texto, valor, Caption));
        EXPECT_DOUBLE_EQ(valor, 0.0);
        EXPECT_TRUE(m_mensajes.mostrados().empty());

        valor = 7.0;
        EXPECT_FALSE(ValidaNumero(m_ejecucion, m_mensajes, 0.001, texto, valor, Caption));
        EXPECT_DOUBLE_EQ(valor, 0.0);
        EsperaMensaje(Incorrecto);
    }
}

TEST_F(ValidaNumeroTest, BajoElMinimoQuedaGuardado)
{
    double valor = 7.0;
    EXPECT_FALSE(ValidaNumero(m_ejecucion, m_mensajes, 1.0, "0,2", valor, Caption));
    EXPECT_DOUBLE_EQ(valor, 0.2);
    EsperaMensaje(Incorrecto);
}

TEST_F(ValidaNumeroTest, TextoNoNumericoDejaElValorAnterior)
{
    for (const std::string texto :
         {"12abc", "1.5", "1,2,3", "1.234,5", "1e999", "nan", "inf", "Diámetro"}) {
        SCOPED_TRACE("\"" + texto + "\"");
        m_mensajes.olvida();
        double valor = 7.0;
        EXPECT_FALSE(ValidaNumero(m_ejecucion, m_mensajes, 0.0, texto, valor, Caption));
        EXPECT_DOUBLE_EQ(valor, 7.0);
        EsperaMensaje(NoNumerico);
    }
}

// Read strictly, a pasted text meets the key filter's rule: a sign, an exponent or a group
// separator is not a number, and the value is left as it was; read by the locale, a pasted
// negative number is a number below the minimum.
TEST_F(ValidaNumeroTest, LecturaEstrictaComoLasTeclas)
{
    for (const std::string texto : {"-5", "+5", "1,5e3", "1E3", "1 000", "- 1", ",", "1,5,"}) {
        SCOPED_TRACE("\"" + texto + "\"");
        m_mensajes.olvida();
        double valor = 7.0;
        EXPECT_FALSE(ValidaNumero(m_ejecucion, m_mensajes, 0.0, texto, valor, Caption,
                                  LecturaNumero::Estricta));
        EXPECT_DOUBLE_EQ(valor, 7.0);
        EsperaMensaje(NoNumerico);
    }
    double valor = 7.0;
    EXPECT_TRUE(ValidaNumero(m_ejecucion, m_mensajes, 0.0, " 1,5 ", valor, Caption,
                             LecturaNumero::Estricta));
    EXPECT_DOUBLE_EQ(valor, 1.5);

    m_mensajes.olvida();
    EXPECT_FALSE(ValidaNumero(m_ejecucion, m_mensajes, 0.0, "-5", valor, Caption));
    EXPECT_DOUBLE_EQ(valor, -5.0);
    EsperaMensaje(Incorrecto);
}

struct CasoTecla {
    std::int32_t tecla;
    std::string texto;
    std::int32_t esperada;
};

void CompruebaTeclas(const EstadoEjecucion &ejecucion, const std::vector<CasoTecla> &casos)
{
    for (const CasoTecla &c : casos) {
        SCOPED_TRACE("tecla " + std::to_string(c.tecla) + " en \"" + c.texto + "\"");
        std::int32_t tecla = c.tecla;
        FiltraTeclaNumerica(ejecucion, tecla, c.texto);
        EXPECT_EQ(tecla, c.esperada);
    }
}

TEST(FiltraTeclaNumerica, LocalConComa)
{
    const std::vector<CasoTecla> casos = {
        {'.', "", ','},
        {',', "", ','},
        {'.', "12", ','},
        // One separator at most, even when the one there lies in the text the key replaces.
        {'.', "1,5", 0},
        {',', "1,5", 0},
        {',', ",", 0},
        {'0', "1,5", '0'},
        {'9', "", '9'},
        {8, "1,5", 8},
        {8, "", 8},
        {'-', "", 0},
        {'+', "", 0},
        {'e', "1", 0},
        {'a', "", 0},
        {' ', "1", 0},
        {13, "1", 0},
        {9, "1", 0},
    };
    CompruebaTeclas(pruebas::Coma(), casos);
}

TEST(FiltraTeclaNumerica, LocalConPunto)
{
    const std::vector<CasoTecla> casos = {
        {',', "", '.'},    {'.', "12", '.'}, {',', "1.5", 0}, {'.', "1.5", 0},
        {'5', "1.5", '5'}, {8, "1.5", 8},    {'-', "1", 0},
    };
    CompruebaTeclas(pruebas::Punto(), casos);
}

TEST(TextoANumero, AceptaCualquierSeparador)
{
    struct Caso {
        EstadoEjecucion ejecucion;
        std::string texto;
        double esperado;
    };
    const std::vector<Caso> casos = {
        {pruebas::Coma(), "1.25", 1.25},   {pruebas::Coma(), "1,25", 1.25},
        {pruebas::Coma(), " 350 ", 350.0}, {pruebas::Punto(), "1,25", 1.25},
        {pruebas::Punto(), "1.25", 1.25},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE("\"" + c.texto + "\" [" + c.ejecucion.SeparadorDecimalLocal + "]");
        const std::optional<double> leido = TextoANumero(c.ejecucion, c.texto);
        ASSERT_TRUE(leido.has_value());
        EXPECT_DOUBLE_EQ(*leido, c.esperado);
    }
}

TEST(TextoANumero, TextoDanadoNoDaValor)
{
    for (const std::string texto : {"", "abc", "1.234,5", "1,2.5", "12 m", "nan"}) {
        SCOPED_TRACE("\"" + texto + "\"");
        EXPECT_FALSE(TextoANumero(pruebas::Coma(), texto).has_value());
        EXPECT_FALSE(TextoANumero(pruebas::Punto(), texto).has_value());
    }
}

// A bound named in a message reads back as the bound: no trailing zeros, the user's separator.
TEST(CotaEnMensaje, LasCifrasJustasConElSeparadorDelUsuario)
{
    struct Caso {
        double cota;
        const char *coma;
        const char *punto;
    };
    for (const Caso &c : std::vector<Caso>{{100, "100", "100"},
                                           {0.0001, "0,0001", "0.0001"},
                                           {14, "14", "14"},
                                           {0, "0", "0"},
                                           {1000000, "1000000", "1000000"},
                                           {0.05, "0,05", "0.05"}}) {
        SCOPED_TRACE(c.coma);
        EXPECT_EQ(CotaEnMensaje(pruebas::Coma(), c.cota), c.coma);
        EXPECT_EQ(CotaEnMensaje(pruebas::Punto(), c.cota), c.punto);
    }
}

// Outside the bounds of its quantity a number is refused naming the bound it passed, in the
// interface language, titled with the box's caption; inside them (0 where the quantity admits
// it) nothing is shown.
TEST(CompruebaLimiteFisico, NombraElLimiteRebasado)
{
    struct Caso {
        Magnitud magnitud;
        double valor;
        std::int32_t desplazamiento;
        std::string mensaje; // empty: accepted
    };
    const std::vector<Caso> casos = {
        {Magnitud::PendienteHidraulica, 150, 0, "Valor incorrecto (máximo 100)"},
        {Magnitud::PendienteHidraulica, 99999999999999, 0, "Valor incorrecto (máximo 100)"},
        {Magnitud::PendienteHidraulica, 0.00005, 0, "Valor incorrecto (mínimo 0,0001)"},
        {Magnitud::PendienteHidraulica, -5, 0, "Valor incorrecto (mínimo 0,0001)"},
        {Magnitud::PendienteHidraulica, 100, 0, ""},
        {Magnitud::RugosidadHidraulica, 101, 5000, "Incorrect value (maximum 100)"},
        {Magnitud::PHAgua, 657, 20000, "Valeur incorrecte (maximum 14)"},
        {Magnitud::PHAgua, 0, 0, ""},
        {Magnitud::PHAgua, -0.5, 10000, "Valor incorrecte (mínim 0)"},
        {Magnitud::CoeficienteHazen, 0, 0, ""},
        {Magnitud::CoeficienteHazen, 0.5, 15000, "Valor incorreto (mínimo 1)"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::to_string(c.valor) + " " + c.mensaje);
        EstadoEjecucion ejecucion = pruebas::Coma();
        ejecucion.DesplazamientoIdioma = c.desplazamiento;
        MensajesGrabadora mensajes{pruebas::Guion::Estricto};
        if (!c.mensaje.empty()) {
            mensajes.responde(RespuestaMensaje::Aceptar);
        }
        EXPECT_EQ(CompruebaLimiteFisico(ejecucion, mensajes, c.magnitud, c.valor, "Caja"),
                  c.mensaje.empty());
        std::vector<MensajeMostrado> esperados;
        if (!c.mensaje.empty()) {
            esperados.push_back(
                {c.mensaje, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "Caja"});
        }
        EXPECT_EQ(mensajes.mostrados(), esperados);
    }
}

} // namespace
} // namespace dravek
