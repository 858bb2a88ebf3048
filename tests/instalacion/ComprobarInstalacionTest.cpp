// The data lookup of an installed program, pointed at its installed binary: the program's start-up
// finds the default-data files, the logo, the help and the notices in the prefix's data folder.
// DRAVEK_PROGRAMA_INSTALADO names the installed binary, DRAVEK_PREFIJO_INSTALADO the prefix it
// was installed into (scripts/comprueba-instalacion sets both).

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "core/listing/TextoRico.h"
#include "core/model/EstadoObra.h"
#include "core/model/TextoRecurso.h"
#include "core/shell/FormaPrincipal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

namespace dravek {
namespace {

namespace fs = std::filesystem;

std::string Variable(const char *nombre)
{
    const char *valor = std::getenv(nombre);
    return valor ? valor : "";
}

class ComprobarInstalacion : public ::testing::Test {
protected:
    void SetUp() override
    {
        programa = Variable("DRAVEK_PROGRAMA_INSTALADO");
        prefijo = Variable("DRAVEK_PREFIJO_INSTALADO");
        ASSERT_FALSE(programa.empty()) << "DRAVEK_PROGRAMA_INSTALADO names no installed program";
        ASSERT_FALSE(prefijo.empty()) << "DRAVEK_PREFIJO_INSTALADO names no prefix";
        ASSERT_TRUE(fs::is_regular_file(programa)) << programa;
    }
    fs::path programa;
    fs::path prefijo;
};

// The prefix's bin/ holds the program alone: no data, no test tool.
TEST_F(ComprobarInstalacion, ElProgramaSoloEnBin)
{
    std::set<std::string> enBin;
    for (const fs::directory_entry &e : fs::directory_iterator(prefijo / "bin")) {
        enBin.insert(e.path().filename().string());
    }
    EXPECT_EQ(enBin, std::set<std::string>{"dravek"});
}

TEST_F(ComprobarInstalacion, ArrancaConLosDatosDelPrefijo)
{
    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes;
    pruebas::LocalUsuarioFijo local(",");
    pruebas::AlmacenConfiguracionEnMemoria almacen;
    pruebas::TextosPlataformaGrabadora textos;
    FormaPrincipal forma(estado, mensajes, almacen, textos);

    // As the installed program starts: from the folder of its binary.
    ASSERT_TRUE(forma.Arranca(programa.parent_path().string(), local));
    EXPECT_TRUE(mensajes.mostrados().empty());
    const std::string datos = (prefijo / "share" / "dravek").lexically_normal().string() + "/";
    EXPECT_EQ(estado.ejecucion.RutaAplicacion, datos);
    EXPECT_GT(estado.tablas.NumeroDimensiones, 0);
    EXPECT_GT(estado.tablas.NumeroArmadurasInternas, 0);

    // Every language's logo, help and notices are there, and the notices read whole.
    for (int idioma = 1; idioma <= CuentaIdiomas(); ++idioma) {
        const std::int32_t d = (idioma - 1) * 5000;
        SCOPED_TRACE(idioma);
        EXPECT_TRUE(fs::is_regular_file(datos + Texto(d, 406)));
        EXPECT_TRUE(fs::is_regular_file(datos + Texto(d, 433) + ".html"));
        for (const std::int32_t aviso : {407, 411}) {
            const std::string fichero = datos + Texto(d, aviso);
            SCOPED_TRACE(fichero);
            const std::optional<DocumentoRico> rico = LeeFicheroTextoRico(fichero);
            ASSERT_TRUE(rico.has_value());
            EXPECT_FALSE(rico->TextoPlano().empty());
        }
    }
}

} // namespace
} // namespace dravek
