// The program's files on the disk: whole reads, and writes that replace a file at once or leave
// it as it was.

#include "apoyo/CarpetaPrueba.h"
#include "core/storage/Ficheros.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace dravek {
namespace {

namespace fs = std::filesystem;

class FicherosDisco : public ::testing::Test {
protected:
    void SetUp() override { m_carpeta = pruebas::CarpetaPrueba("dravek-ficheros"); }
    void TearDown() override { fs::remove_all(m_carpeta); }

    std::string Ruta(const std::string &nombre) const { return (m_carpeta / nombre).string(); }

    static std::string Contenido(const std::string &ruta)
    {
        std::ifstream f(ruta, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }

    fs::path m_carpeta;
    SistemaFicherosDisco disco;
};

TEST_F(FicherosDisco, EscribeYLeeElFicheroEntero)
{
    const std::string ruta = Ruta("Obra1.dvk");
    EXPECT_EQ(disco.Lee(ruta).estado, LecturaFichero::Estado::NoExiste);

    const std::string bytes("uno\0dos\xFF", 8);
    EXPECT_EQ(disco.EscribeEntero(ruta, bytes), "");
    LecturaFichero l = disco.Lee(ruta);
    EXPECT_EQ(l.estado, LecturaFichero::Estado::Leido);
    EXPECT_EQ(l.bytes, bytes);

    // A shorter content replaces the whole file: nothing of the old one is left at its end.
    EXPECT_EQ(disco.EscribeEntero(ruta, "x"), "");
    EXPECT_EQ(Contenido(ruta), "x");
    // No temporary file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(m_carpeta), fs::directory_iterator()), 1);
}

// The temporary file cannot be made (a folder stands in its place): the write fails, says why,
// and the old file is whole.
TEST_F(FicherosDisco, UnFalloDejaElFicheroViejoEntero)
{
    const std::string ruta = Ruta("Obra1.dvk");
    ASSERT_EQ(disco.EscribeEntero(ruta, "contenido viejo"), "");
    fs::create_directory(ruta + ".~tmp");
    EXPECT_NE(disco.EscribeEntero(ruta, "contenido nuevo"), "");
    EXPECT_EQ(Contenido(ruta), "contenido viejo");
}

TEST_F(FicherosDisco, NoSeEscribeSobreUnaCarpeta)
{
    const std::string ruta = Ruta("carpeta.dvk");
    fs::create_directory(ruta);
    EXPECT_NE(disco.EscribeEntero(ruta, "x"), "");
    EXPECT_TRUE(fs::is_directory(ruta));
    EXPECT_FALSE(fs::exists(ruta + ".~tmp"));

    const LecturaFichero l = disco.Lee(ruta);
    EXPECT_EQ(l.estado, LecturaFichero::Estado::Fallo);
    EXPECT_NE(l.error, "");
    EXPECT_NE(disco.CompruebaNombreNuevo(ruta), "");
}

TEST_F(FicherosDisco, NombresNuevos)
{
    EXPECT_EQ(disco.CompruebaNombreNuevo(Ruta("nueva.dvk")), "");
    EXPECT_NE(disco.CompruebaNombreNuevo(Ruta("no-existe/nueva.dvk")), "");
    EXPECT_EQ(disco.Lee(Ruta("no-existe/nueva.dvk")).estado, LecturaFichero::Estado::NoExiste);
    EXPECT_NE(disco.EscribeEntero(Ruta("no-existe/nueva.dvk"), "x"), "");
    EXPECT_FALSE(fs::exists(Ruta("no-existe")));
}

} // namespace
} // namespace dravek
