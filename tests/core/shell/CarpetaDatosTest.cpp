#include "core/shell/CarpetaDatos.h"

#include "apoyo/CarpetaPrueba.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace dravek {
namespace {

namespace fs = std::filesystem;

// A prefix of the test's own with bin/ (the program's folder) and, as the row says, files in
// bin/ and in share/dravek/.
struct Caso {
    std::string nombre;
    std::vector<std::string> enPrograma; // files beside the program
    std::vector<std::string> instalados; // files in share/dravek; "/" alone: the folder, empty
    std::string esperada;                // "bin/", "share/dravek/" or "" for none
};

TEST(CarpetaDatos, LaInstaladaAntesQueLaDelPrograma)
{
    const std::vector<Caso> casos = {
        {"instalado", {"dravek"}, {"LUR#GM", "Anagrama2.bmp"}, "share/dravek/"},
        {"arbol de construccion", {"dravek", "LUR#GM", "Anagrama2.bmp"}, {}, "bin/"},
        {"los dos", {"dravek", "LUR#GM"}, {"LUR#GM"}, "share/dravek/"},
        // A folder with some of the files is the data folder: start-up names the one missing.
        {"solo un fichero de datos", {"dravek"}, {"LUR#PM"}, "share/dravek/"},
        {"solo el logo de otra lengua", {"dravek", "Anagrama2Ing.bmp"}, {}, "bin/"},
        {"carpeta instalada vacia", {"dravek", "LUR#ES"}, {"/"}, "bin/"},
        {"sin datos", {"dravek", "dravek.log"}, {}, ""},
        {"carpeta instalada vacia y sin datos", {"dravek"}, {"/"}, ""},
        {"un fichero que no lo es", {"dravek"}, {"LUR#GM/"}, ""},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const fs::path prefijo = pruebas::CarpetaPrueba("dravek_carpeta_datos");
        fs::create_directories(prefijo / "bin");
        for (const std::string &f : caso.enPrograma) {
            std::ofstream(prefijo / "bin" / f) << "x";
        }
        for (const std::string &f : caso.instalados) {
            fs::create_directories(prefijo / "share" / "dravek");
            if (f.back() == '/') {
                if (f != "/") {
                    fs::create_directories(prefijo / "share" / "dravek" / f);
                }
            } else {
                std::ofstream(prefijo / "share" / "dravek" / f) << "x";
            }
        }
        const std::string raiz = prefijo.string() + "/";
        const std::vector<std::string> buscadas = {raiz + "share/dravek/", raiz + "bin/"};

        // The program's folder as the platform gives it, with or without the separator.
        for (const std::string &programa : {raiz + "bin", raiz + "bin/"}) {
            SCOPED_TRACE(programa);
            const CarpetaDatos datos = BuscaCarpetaDatos(programa);
            EXPECT_EQ(datos.carpeta, caso.esperada.empty() ? "" : raiz + caso.esperada);
            EXPECT_EQ(datos.buscadas, buscadas);
        }
        fs::remove_all(prefijo);
    }
}

} // namespace
} // namespace dravek
