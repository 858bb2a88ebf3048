#include "core/storage/Registro.h"

#include "apoyo/AlmacenConfiguracionEnMemoria.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dravek {
namespace {

using pruebas::AlmacenConfiguracionEnMemoria;
using pruebas::LocalUsuarioFijo;

constexpr auto HKLM = RaizRegistro::MaquinaLocal;
constexpr std::uint32_t TipoBinario = 3;

std::string Bytes(std::initializer_list<unsigned char> bytes)
{
    std::string texto;
    for (unsigned char b : bytes) {
        texto += static_cast<char>(b);
    }
    return texto;
}

TEST(ValidaClaveRegistro, Rutas)
{
    struct Caso {
        std::string ruta;
        bool valida;
    };
    const std::vector<Caso> casos = {
        {"Software\\DRAVEK", true},
        {"\\Software\\DRAVEK", false},
        {"Software\\DRAVEK\\", false},
        {"Software\\\\DRAVEK", false},
        {"", true},
        {"Software", true},
        {"\\", false},
        {"Software\\\\\\DRAVEK", false},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.ruta);
        EXPECT_EQ(ValidaClaveRegistro(caso.ruta), caso.valida);
    }
}

TEST(LeeValorRegistro, SegunLosBytesGuardados)
{
    struct Caso {
        const char *que;
        ValorRegistro guardado;
        bool leido;
        std::string texto; // "previo" when the read leaves it alone
    };
    std::string conNulFinal(1024, 'a');
    conNulFinal.back() = '\0';
    std::vector<Caso> casos;
    const auto anade = [&](const char *que, std::uint32_t tipo, std::string datos, bool leido,
                           std::string texto) {
        casos.push_back({que, {tipo, std::move(datos)}, leido, std::move(texto)});
    };
    anade("texto sin NUL", TipoTexto, "3", true, "3");
    anade("texto con su NUL", TipoTexto, std::string("3\0", 2), true, "3");
    anade("solo se quita un NUL", TipoTexto, std::string("3\0\0", 3), true, std::string("3\0", 2));
    anade("texto UTF-8", TipoTexto, "Español", true, "Español");
    anade("numero 5", TipoNumero, Bytes({0x05, 0, 0, 0}), true, "&h000005");
    anade("numero 2^24", TipoNumero, Bytes({0, 0, 0, 0x01}), true, "&h01000000");
    anade("numero 0x12AB34CD", TipoNumero, Bytes({0xCD, 0x34, 0xAB, 0x12}), true, "&h12AB34CD");
    anade("numero 0", TipoNumero, Bytes({0, 0, 0, 0}), true, "&h000000");
    anade("binario", TipoBinario, Bytes({0x01, 0x02}), true, "");
    anade("longitud 0", TipoTexto, "", false, "previo");
    anade("cabe justo", TipoTexto, std::string(1024, 'a'), true, std::string(1024, 'a'));
    anade("NUL al final de 1024", TipoTexto, conNulFinal, true, std::string(1023, 'a'));
    anade("no cabe", TipoTexto, std::string(1025, 'a'), false, "previo");
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.que);
        AlmacenConfiguracionEnMemoria almacen;
        almacen.ponValor(HKLM, "Software\\DRAVEK", "Idioma", caso.guardado);
        std::string valor = "previo";
        EXPECT_EQ(LeeValorRegistro(almacen, HKLM, "Software\\DRAVEK", "Idioma", valor),
                  caso.leido);
        EXPECT_EQ(valor, caso.texto);
    }
}

TEST(LeeValorRegistro, FaltaRutaClaveOValor)
{
    AlmacenConfiguracionEnMemoria almacen;
    const ValorRegistro tres{TipoTexto, "3"};
    almacen.ponValor(HKLM, "Software\\DRAVEK", "Otro", tres);
    almacen.ponValor(RaizRegistro::UsuarioActual, "Software\\DRAVEK", "Idioma", tres);
    // The store would answer for these paths: only the path check keeps them out.
    almacen.ponValor(HKLM, "\\Software\\DRAVEK", "Idioma", tres);
    almacen.ponValor(HKLM, "Software\\\\DRAVEK", "Idioma", tres);

    struct Caso {
        const char *ruta;
        const char *nombre;
    };
    const std::vector<Caso> casos = {
        {"Software\\NADA", "Idioma"},     // missing key
        {"Software\\DRAVEK", "Idioma"},   // missing value (only under the other root)
        {"\\Software\\DRAVEK", "Idioma"}, // bad path
        {"Software\\\\DRAVEK", "Idioma"}, // bad path
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.ruta);
        std::string valor = "previo";
        EXPECT_FALSE(LeeValorRegistro(almacen, HKLM, caso.ruta, caso.nombre, valor));
        EXPECT_EQ(valor, "previo");
    }
}

TEST(GrabaValorRegistro, ElIdiomaSeGuardaSinNULYSeRelee)
{
    AlmacenConfiguracionEnMemoria almacen;
    CreaClaveRegistro(almacen, ClaveRegistroPrograma, HKLM);
    EXPECT_TRUE(almacen.ExisteClave(HKLM, "Software"));
    GrabaValorRegistro(almacen, HKLM, ClaveRegistroPrograma, ValorRegistroIdioma, std::string("3"),
                       1);

    const auto guardado = almacen.valor(HKLM, ClaveRegistroPrograma, ValorRegistroIdioma);
    ASSERT_TRUE(guardado.has_value());
    EXPECT_EQ(guardado->tipo, TipoTexto);
    EXPECT_EQ(guardado->datos, "3"); // one byte, no NUL

    std::string valor;
    ASSERT_TRUE(LeeValorRegistro(almacen, HKLM, "Software\\DRAVEK", "Idioma", valor));
    EXPECT_EQ(valor, "3");
}

TEST(GrabaValorRegistro, SinLaClaveNoEscribeNada)
{
    AlmacenConfiguracionEnMemoria almacen;
    GrabaValorRegistro(almacen, HKLM, ClaveRegistroPrograma, ValorRegistroIdioma, std::string("3"),
                       1);
    EXPECT_FALSE(almacen.valor(HKLM, ClaveRegistroPrograma, ValorRegistroIdioma).has_value());
}

TEST(EscribeValorRegistro, BytesSegunElTipo)
{
    struct Caso {
        const char *que;
        std::int32_t tipo;
        DatoRegistro dato;
        std::int32_t resultado;
        std::optional<ValorRegistro> guardado;
    };
    const std::vector<Caso> casos = {
        {"texto", 1, std::string("12"), 0, ValorRegistro{TipoTexto, "12"}},
        {"numero como texto", 1, std::int32_t{42}, 0, ValorRegistro{TipoTexto, "42"}},
        {"numero 5", 4, std::int32_t{5}, 0, ValorRegistro{TipoNumero, Bytes({5, 0, 0, 0})}},
        {"numero -1", 4, std::int32_t{-1}, 0,
         ValorRegistro{TipoNumero, Bytes({0xFF, 0xFF, 0xFF, 0xFF})}},
        {"texto como numero", 4, std::string(" 258 "), 0,
         ValorRegistro{TipoNumero, Bytes({0x02, 0x01, 0, 0})}},
        {"texto que no es numero", 4, std::string("abc"), ErrorTipoRegistro, std::nullopt},
        {"tipo binario", 3, std::string("x"), 0, std::nullopt},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.que);
        AlmacenConfiguracionEnMemoria almacen;
        ASSERT_TRUE(almacen.CreaClave(HKLM, "Software\\DRAVEK"));
        EXPECT_EQ(
            EscribeValorRegistro(almacen, HKLM, "Software\\DRAVEK", "v", caso.tipo, caso.dato),
            caso.resultado);
        const auto guardado = almacen.valor(HKLM, "Software\\DRAVEK", "v");
        ASSERT_EQ(guardado.has_value(), caso.guardado.has_value());
        if (guardado) {
            EXPECT_EQ(guardado->tipo, caso.guardado->tipo);
            EXPECT_EQ(guardado->datos, caso.guardado->datos);
        }
    }
}

TEST(EscribeValorRegistro, UnaEscrituraRechazadaNoEsUnExito)
{
    AlmacenConfiguracionEnMemoria almacen;
    CreaClaveRegistro(almacen, ClaveRegistroPrograma, HKLM);
    almacen.ponValor(HKLM, ClaveRegistroPrograma, ValorRegistroIdioma, {TipoTexto, "2"});
    almacen.fallaEscritura(true);

    EXPECT_NE(EscribeValorRegistro(almacen, HKLM, ClaveRegistroPrograma, ValorRegistroIdioma, 1,
                                   std::string("4")),
              0);
    GrabaValorRegistro(almacen, HKLM, ClaveRegistroPrograma, ValorRegistroIdioma, std::string("5"),
                       1);
    std::string valor;
    ASSERT_TRUE(
        LeeValorRegistro(almacen, HKLM, ClaveRegistroPrograma, ValorRegistroIdioma, valor));
    EXPECT_EQ(valor, "2");

    CreaClaveRegistro(almacen, "Software\\Otra", HKLM);
    EXPECT_FALSE(almacen.ExisteClave(HKLM, "Software\\Otra"));
}

TEST(SeparadorDecimal, TresVariablesSegunElLocal)
{
    struct Caso {
        const char *que;
        std::string delLocal;
        std::string separador;
        std::int32_t codigo;
        std::int32_t otro;
    };
    const std::vector<Caso> casos = {
        {"coma", ",", ",", 44, 46},
        {"punto", ".", ".", 46, 44},
        {"vacio", "", ".", 46, 44},
        {"solo blancos", "   ", ".", 46, 44},
        {"con NUL y blancos", std::string(" ,\0\0 ", 5), ",", 44, 46},
        {"ni coma ni punto", "'", "'", 39, 44},
        {"separador arabe", "\xD9\xAB", "\xD9\xAB", 0x066B, 44},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.que);
        LocalUsuarioFijo local(caso.delLocal);
        EstadoEjecucion ejecucion;
        ejecucion.SeparadorDecimalLocal = "?";
        PonSeparadorDecimal(ejecucion, local);
        EXPECT_EQ(ejecucion.SeparadorDecimalLocal, caso.separador);
        EXPECT_EQ(ejecucion.CodigoSeparadorLocal, caso.codigo);
        EXPECT_EQ(ejecucion.CodigoOtroSeparador, caso.otro);
    }
}

TEST(SeparadorDecimal, DevuelveLoQueDaElLocalLimpio)
{
    LocalUsuarioFijo vacio("");
    EXPECT_EQ(SeparadorDecimal(vacio), "");
    LocalUsuarioFijo sucio(std::string("\0 ,\0", 4));
    EXPECT_EQ(SeparadorDecimal(sucio), ",");
}

} // namespace
} // namespace dravek
