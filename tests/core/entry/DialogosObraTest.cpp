// Where the project's file dialogs start, what file types they offer in each language, and the
// cleaning of killed writers' temporaries when a project is opened or saved.

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/CarpetaPrueba.h"
#include "apoyo/ObraPrueba.h"
#include "core/entry/AlmacenObra.h"
#include "core/storage/CarpetaDialogos.h"
#include "core/storage/Registro.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dravek {
namespace {

namespace fs = std::filesystem;
using pruebas::AlmacenConfiguracionEnMemoria;
using pruebas::LeeFicheroPrueba;
using pruebas::ObraPrueba;

const std::string Documentos = "/home/ingeniero/Documentos";

std::optional<std::string> UltimaCarpeta(const AlmacenConfiguracionEnMemoria &almacen)
{
    return almacen.ajuste(AplicacionAjustes, SeccionOpciones, ClaveUltimaCarpeta);
}

// The open project's folder first, then the last folder used while it still exists, then the
// documents folder.
TEST(CarpetaDialogos, DondeEmpiezaCadaDialogo)
{
    const fs::path carpeta = pruebas::CarpetaPrueba("dravek-carpetas");
    const std::string usada = (carpeta / "usada").string();
    fs::create_directories(usada);
    const std::string borrada = (carpeta / "borrada").string();
    struct Caso {
        const char *nombre;
        std::int16_t abierta;              // AbrirObraExistente
        std::string fichero;               // NombreFicheroObra
        std::optional<std::string> ultima; // the setting
        std::string esperada;
    };
    const std::vector<Caso> casos = {
        {"obra abierta", Verdadero, "/obras/presa.dvk", usada, "/obras"},
        {"obra abierta sin carpeta", Verdadero, "presa.dvk", std::nullopt,
         fs::current_path().string()},
        {"obra nueva sin grabar", Falso, " ", usada, usada},
        {"obra nueva tras otra abierta", Falso, "/obras/presa.dvk", usada, usada},
        {"la ultima carpeta ya no existe", Falso, " ", borrada, Documentos},
        {"nada guardado", Falso, " ", std::nullopt, Documentos},
        {"nombre en blanco", Verdadero, "  ", std::nullopt, Documentos},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        AlmacenConfiguracionEnMemoria almacen;
        if (c.ultima) {
            almacen.GrabaAjuste(AplicacionAjustes, SeccionOpciones, ClaveUltimaCarpeta, *c.ultima);
        }
        DatosObra obra;
        obra.AbrirObraExistente = c.abierta;
        obra.NombreFicheroObra = c.fichero;
        EXPECT_EQ(CarpetaInicialDialogo(almacen, obra, Documentos), c.esperada);
    }
    fs::remove_all(carpeta);
}

// The folder of every file the engineer chooses becomes the start of the next dialog, in this
// run of the program and the next; a project open starts its dialogs in its own folder.
TEST(DialogosObra, LaCarpetaElegidaSeRecuerda)
{
    const fs::path carpeta = pruebas::CarpetaPrueba("dravek-dialogos");
    const std::string obras = (carpeta / "obras").string();
    const std::string otras = (carpeta / "otras").string();
    fs::create_directories(obras);
    fs::create_directories(otras);
    AlmacenConfiguracionEnMemoria almacen;
    {
        ObraPrueba o(',', nullptr, nullptr, &almacen);
        o.almacen.NuevaObra();
        ponTexto(o.captura.edObra, "Presa");
        o.dialogos.responde(obras + "/Obra1");
        ASSERT_TRUE(o.almacen.GrabaObra(o.captura));
        EXPECT_EQ(UltimaCarpeta(almacen), obras);
        // The project now open: the open dialog starts beside it.
        o.dialogos.responde(std::nullopt);
        EXPECT_EQ(o.almacen.PideFicheroObra(), std::nullopt);
        // A cancelled dialog changes nothing.
        EXPECT_EQ(UltimaCarpeta(almacen), obras);

        o.almacen.NuevaObra();
        o.dialogos.responde(otras + "/Obra2.dvk");
        ASSERT_TRUE(o.almacen.GrabaObra(o.captura));

        const std::vector<pruebas::DialogoMostrado> &d = o.dialogos.mostrados();
        ASSERT_EQ(d.size(), 3u);
        EXPECT_EQ(d[0].carpeta, Documentos);
        EXPECT_EQ(d[1].carpeta, obras);
        EXPECT_FALSE(d[1].guardar);
        EXPECT_EQ(d[2].carpeta, obras);
        EXPECT_EQ(UltimaCarpeta(almacen), otras);
    }
    // The program started again: the last folder used, from the settings.
    ObraPrueba o(',', nullptr, nullptr, &almacen);
    o.dialogos.responde(otras + "/Obra2.dvk");
    EXPECT_EQ(o.almacen.PideFicheroObra(), otras + "/Obra2.dvk");
    ASSERT_EQ(o.dialogos.mostrados().size(), 1u);
    EXPECT_EQ(o.dialogos.mostrados()[0].carpeta, otras);
    fs::remove_all(carpeta);
}

// The file types of the open and save dialogs in the interface language; the patterns stay.
TEST(DialogosObra, TiposDeFicheroEnCadaIdioma)
{
    const std::vector<std::pair<std::string, std::string>> esperados = {
        {"Ficheros DRAVEK (*.dvk)", "Todos los Ficheros (*.*)"},
        {"DRAVEK files (*.dvk)", "All files (*.*)"},
        {"Fitxers DRAVEK (*.dvk)", "Tots els fitxers (*.*)"},
        {"Ficheiros DRAVEK (*.dvk)", "Todos os ficheiros (*.*)"},
        {"Fichiers DRAVEK (*.dvk)", "Tous les fichiers (*.*)"},
    };
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        SCOPED_TRACE(esperados[i].first);
        ObraPrueba o;
        o.estado.ejecucion.DesplazamientoIdioma = static_cast<std::int32_t>(i) * 5000;
        o.almacen.NuevaObra();
        o.dialogos.responde(std::nullopt);
        EXPECT_EQ(o.almacen.PideFicheroObra(), std::nullopt);
        o.dialogos.responde(std::nullopt);
        o.mensajes.responde(RespuestaMensaje::Aceptar);
        EXPECT_FALSE(o.almacen.GrabaObra(o.captura));
        const std::vector<FiltroFichero> filtros = {{esperados[i].first, "*.DVK"},
                                                    {esperados[i].second, "*.*"}};
        ASSERT_EQ(o.dialogos.mostrados().size(), 2u);
        EXPECT_EQ(o.dialogos.mostrados()[0].filtros, filtros);
        EXPECT_EQ(o.dialogos.mostrados()[1].filtros, filtros);
    }
}

// Opening a project and saving one clean the temporaries of both its files, and only once the
// project is this program's: a file refused cleans nothing.
TEST(DialogosObra, TemporalesDeLaObraAlAbrirYGrabar)
{
    const std::string ruta = "/obras/presa.dvk";
    ObraPrueba o;
    o.ficheros.Pon(ruta, LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_coma.dvk"));
    o.ficheros.Pon("/obras/mala.dvk", "no es una obra");
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.abre("/obras/mala.dvk"));
    EXPECT_TRUE(o.ficheros.Limpiados().empty());

    ASSERT_TRUE(o.abre(ruta));
    EXPECT_EQ(o.ficheros.Limpiados(), (std::vector<std::string>{ruta, "/obras/presa.dpe"}));
    ponTexto(o.captura.edObra, "Otra");
    ASSERT_TRUE(o.almacen.GrabaObra(o.captura));
    EXPECT_EQ(o.ficheros.Limpiados(),
              (std::vector<std::string>{ruta, "/obras/presa.dpe", ruta, "/obras/presa.dpe"}));
}

} // namespace
} // namespace dravek
