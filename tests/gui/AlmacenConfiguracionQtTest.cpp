#include "gui/plataforma/AlmacenConfiguracionQt.h"

#include "core/storage/Registro.h"
#include "gui/plataforma/LocalUsuarioQt.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace dravek::gui {
namespace {

constexpr auto HKLM = RaizRegistro::MaquinaLocal;

// First in this file: the system locale is read once per process.
TEST(LocalUsuarioQt, SeparadorDelLocalDelSistema)
{
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
    LocalUsuarioQt local;
    EXPECT_EQ(local.SeparadorDecimal(), ",");
}

class AlmacenQt : public ::testing::Test {
protected:
    QTemporaryDir m_carpeta;
};

TEST_F(AlmacenQt, ClavesCreadasConLasDeEncima)
{
    AlmacenConfiguracionQt almacen(m_carpeta.path());
    EXPECT_TRUE(almacen.ExisteClave(HKLM, ""));
    EXPECT_FALSE(almacen.ExisteClave(HKLM, "Software\\DRAVEK"));

    ASSERT_TRUE(almacen.CreaClave(HKLM, "Software\\DRAVEK"));
    EXPECT_TRUE(almacen.ExisteClave(HKLM, "Software"));
    EXPECT_TRUE(almacen.ExisteClave(HKLM, "Software\\DRAVEK"));
    EXPECT_FALSE(almacen.ExisteClave(RaizRegistro::UsuarioActual, "Software\\DRAVEK"));
    EXPECT_FALSE(almacen.ExisteClave(HKLM, "Software\\DRAVEK\\Otra"));

    // A key without values is kept from one run to the next.
    AlmacenConfiguracionQt otraVez(m_carpeta.path());
    EXPECT_TRUE(otraVez.ExisteClave(HKLM, "Software\\DRAVEK"));
}

TEST_F(AlmacenQt, RutasMalFormadasNoSeCrean)
{
    AlmacenConfiguracionQt almacen(m_carpeta.path());
    for (const char *ruta : {"\\Software", "Software\\", "Software\\\\DRAVEK"}) {
        SCOPED_TRACE(ruta);
        EXPECT_FALSE(almacen.CreaClave(HKLM, ruta));
        EXPECT_FALSE(almacen.ExisteClave(HKLM, ruta));
    }
}

TEST_F(AlmacenQt, ValoresConSuTipoYSusBytes)
{
    std::string todos;
    for (int b = 0; b < 256; ++b) {
        todos += static_cast<char>(b);
    }
    struct Caso {
        std::string nombre;
        ValorRegistro valor;
    };
    const std::vector<Caso> casos = {
        {"Idioma", {TipoTexto, "3"}},
        {"ConNUL", {TipoTexto, std::string("3\0", 2)}},
        {"Numero", {TipoNumero, std::string("\x05\0\0\0", 4)}},
        {"Binario", {3, todos}},
        {"Vacio", {TipoTexto, ""}},
        {"Acentos", {TipoTexto, "Español"}},
        {"", {TipoTexto, "por defecto"}},
        {"a/b", {TipoTexto, "barra"}},
        {"a%2Fb", {TipoTexto, "escapado"}},
        {"a\\b", {TipoTexto, "barra invertida"}},
        {"tipo:x", {TipoTexto, "prefijo"}},
        {"Mostrar sugerencias al iniciar", {TipoTexto, "blancos"}},
    };
    {
        AlmacenConfiguracionQt almacen(m_carpeta.path());
        ASSERT_TRUE(almacen.CreaClave(HKLM, "Software\\DRAVEK"));
        for (const Caso &caso : casos) {
            ASSERT_TRUE(almacen.EscribeValor(HKLM, "Software\\DRAVEK", caso.nombre, caso.valor));
        }
    }
    AlmacenConfiguracionQt almacen(m_carpeta.path());
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const auto leido = almacen.LeeValor(HKLM, "Software\\DRAVEK", caso.nombre);
        ASSERT_TRUE(leido.has_value());
        EXPECT_EQ(leido->tipo, caso.valor.tipo);
        EXPECT_EQ(leido->datos, caso.valor.datos);
    }
    EXPECT_FALSE(almacen.LeeValor(HKLM, "Software\\DRAVEK", "Falta").has_value());
    EXPECT_FALSE(almacen.LeeValor(HKLM, "Software", "Idioma").has_value());
    EXPECT_FALSE(almacen.LeeValor(RaizRegistro::UsuarioActual, "Software\\DRAVEK", "Idioma"));
}

TEST_F(AlmacenQt, SubclaveYValorDelMismoNombre)
{
    AlmacenConfiguracionQt almacen(m_carpeta.path());
    ASSERT_TRUE(almacen.CreaClave(HKLM, "Software\\DRAVEK\\existe"));
    EXPECT_FALSE(almacen.LeeValor(HKLM, "Software\\DRAVEK", "existe").has_value());
    ASSERT_TRUE(almacen.EscribeValor(HKLM, "Software\\DRAVEK", "existe", {TipoTexto, "v"}));
    EXPECT_EQ(almacen.LeeValor(HKLM, "Software\\DRAVEK", "existe")->datos, "v");
    EXPECT_TRUE(almacen.ExisteClave(HKLM, "Software\\DRAVEK\\existe"));
}

TEST_F(AlmacenQt, SinClaveNoSeEscribe)
{
    AlmacenConfiguracionQt almacen(m_carpeta.path());
    EXPECT_FALSE(almacen.EscribeValor(HKLM, "Software\\DRAVEK", "Idioma", {TipoTexto, "1"}));
    EXPECT_FALSE(almacen.LeeValor(HKLM, "Software\\DRAVEK", "Idioma").has_value());
}

TEST_F(AlmacenQt, UnFicheroQueNoSePuedeGrabarSeDice)
{
    // The folder of the files is an ordinary file: nothing can be written under it.
    const QString bloqueo = m_carpeta.filePath(QStringLiteral("bloqueo"));
    QFile fichero(bloqueo);
    ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
    fichero.close();

    AlmacenConfiguracionQt almacen(bloqueo);
    EXPECT_FALSE(almacen.CreaClave(HKLM, "Software\\DRAVEK"));
    almacen.GrabaAjuste("DRAVEK", "Opciones Rev 2002", "Mostrar sugerencias al iniciar", "0");
    EXPECT_FALSE(
        almacen.LeeAjuste("DRAVEK", "Opciones Rev 2002", "Mostrar sugerencias al iniciar"));
}

TEST_F(AlmacenQt, ElIdiomaPorLasRutinasDelRegistro)
{
    AlmacenConfiguracionQt almacen(m_carpeta.path());
    CreaClaveRegistro(almacen, ClaveRegistroPrograma, HKLM);
    GrabaValorRegistro(almacen, HKLM, ClaveRegistroPrograma, ValorRegistroIdioma, std::string("2"),
                       1);
    std::string idioma;
    ASSERT_TRUE(
        LeeValorRegistro(almacen, HKLM, ClaveRegistroPrograma, ValorRegistroIdioma, idioma));
    EXPECT_EQ(idioma, "2");
    EXPECT_EQ(almacen.LeeValor(HKLM, ClaveRegistroPrograma, ValorRegistroIdioma)->datos, "2");
}

TEST_F(AlmacenQt, AjustesPorAplicacionSeccionYClave)
{
    AlmacenConfiguracionQt almacen(m_carpeta.path());
    EXPECT_FALSE(almacen.LeeAjuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias));

    almacen.GrabaAjuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias, "0");
    almacen.GrabaAjuste("Otra", SeccionOpciones, ClaveMostrarSugerencias, "1");
    EXPECT_EQ(almacen.LeeAjuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias), "0");
    EXPECT_EQ(almacen.LeeAjuste("Otra", SeccionOpciones, ClaveMostrarSugerencias), "1");
    EXPECT_FALSE(almacen.LeeAjuste(AplicacionAjustes, "Otra seccion", ClaveMostrarSugerencias));

    // The section and the key keep their names in the application's own file.
    EXPECT_EQ(almacen.ficheroAjustes(AplicacionAjustes),
              m_carpeta.filePath(QStringLiteral("DRAVEK.ini")));
    QSettings fichero(m_carpeta.filePath(QStringLiteral("DRAVEK.ini")), QSettings::IniFormat);
    fichero.beginGroup(QStringLiteral("Opciones Rev 2002"));
    EXPECT_EQ(fichero.value(QStringLiteral("Mostrar sugerencias al iniciar")).toString(),
              QStringLiteral("0"));
}

} // namespace
} // namespace dravek::gui
