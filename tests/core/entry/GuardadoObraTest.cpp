// Saving a project on the disk through the faults a save meets: a disk that fills, a folder made
// read-only in the middle of the save, read-only and linked files, a project saved over another
// one with its adjustments. Each ends with the old files byte for byte or the new ones whole,
// and a message that says what was and was not written. And a project open in two windows of
// the program.

#include "apoyo/CarpetaPrueba.h"
#include "apoyo/CerrojosEnMemoria.h"
#include "apoyo/ObraPrueba.h"
#include "core/entry/AlmacenObra.h"
#include "core/storage/FicheroAjustes.h"
#include "core/storage/Ficheros.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace dravek {
namespace {

namespace fs = std::filesystem;
using pruebas::CerrojosEnMemoria;
using pruebas::LeeFicheroPrueba;
using pruebas::MensajeMostrado;
using pruebas::ObraPrueba;
using Paso = SistemaFicherosDisco::Paso;

MensajeMostrado Error(const std::string &texto)
{
    return {texto, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, ""};
}

MensajeMostrado Pregunta(const std::string &ruta)
{
    return {"El fichero ya existe. ¿ Desea reemplazarlo ? Se perderán la obra y los ajustes de "
            "armadura que contiene.\n" +
                ruta,
            BotonesMensaje::SiNo, IconoMensaje::Exclamacion, "CONFIRMACION"};
}

std::string Registro(const std::string &bytes, std::int32_t n)
{
    return FicheroRegistros(bytes).LeeRegistro(n).value_or("<dañado>");
}

constexpr fs::perms SoloLecturaTodos =
    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;

// A folder with the project "presa" and its adjustments file, a disk that fails where the test
// says, and a new project in the window to be saved over "presa".
class GuardadoEnDisco : public ::testing::Test {
public: // the rows of a table of cases prepare and check it
    void SetUp() override { Prepara(); }
    void TearDown() override { Limpia(); }

    void Prepara()
    {
        m_carpeta = pruebas::CarpetaPrueba("dravek-guardado");
        fs::create_directories(m_carpeta / "obras");
        dvk = (m_carpeta / "obras" / "presa.dvk").string();
        dpe = (m_carpeta / "obras" / "presa.dpe").string();
        viejaObra = LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_coma.dvk");
        ASSERT_EQ(m_disco.EscribeEntero(dvk, viejaObra), "");
        FicheroAjustes ajustes(m_disco, dpe, o.estado.ejecucion);
        ASSERT_TRUE(ajustes.GrabaUnTramoPresion(10, 1, 2, AjusteGuardado{15, 2, 2}));
        ASSERT_TRUE(ajustes.GrabaUnTramoPresion(12, 2, 3, AjusteGuardado{16, 3, 1}));
        viejosAjustes = LeeFicheroPrueba(dpe);
        // Two entries: the count, the first entry whole, the second without its spare records.
        ASSERT_EQ(viejosAjustes.size(), 15u * 128u);

        o.almacen.NuevaObra();
        ponTexto(o.captura.edObra, "Nueva");
    }
    void Limpia()
    {
        fs::permissions(m_carpeta, fs::perms::all, fs::perm_options::add);
        fs::remove_all(m_carpeta);
    }

    // "Save" of the new project: its file chosen over "presa" (the replacement confirmed) and
    // written, with every message box answered.
    bool GrabaSobrePresa(int avisos)
    {
        o.dialogos.responde(dvk);
        o.mensajes.responde(RespuestaMensaje::Si);
        for (int i = 0; i < avisos; ++i) {
            o.mensajes.responde(RespuestaMensaje::Aceptar);
        }
        return o.almacen.GrabaObra(o.captura);
    }

    std::vector<std::string> Nombres(const fs::path &carpeta) const
    {
        std::vector<std::string> nombres;
        for (const fs::directory_entry &e : fs::directory_iterator(carpeta)) {
            nombres.push_back(e.path().filename().string());
        }
        std::sort(nombres.begin(), nombres.end());
        return nombres;
    }

    fs::path m_carpeta;
    std::map<std::pair<std::string, Paso>, int> fallos; // error number by file and step
    SistemaFicherosDisco m_disco{[this](Paso paso, const std::string &fichero) {
        const auto it = fallos.find({fichero, paso});
        return it == fallos.end() ? 0 : it->second;
    }};
    ObraPrueba o{',', &m_disco};
    std::string dvk, dpe, viejaObra, viejosAjustes;
};

// The message of a save refused with both files as they were.
std::function<std::string(const GuardadoEnDisco &)> NoGrabado(const std::string &error)
{
    return [error](const GuardadoEnDisco &g) {
        return "No se ha podido grabar el fichero " + g.dvk + "\n" + error +
               "\nEl fichero queda como estaba.\nEl fichero de ajustes de armadura queda como "
               "estaba: " +
               g.dpe;
    };
}

// Every fault leaves the new project beside an empty adjustments file or the old project beside
// its own, on the disk: a program started afresh on the file finds the overrides of the project
// the file holds and no other.
TEST_F(GuardadoEnDisco, FallosAlGrabarUnaObraSobreOtra)
{
    enum class Quedan { Viejos, Nuevos };
    struct Caso {
        std::string nombre;
        std::function<void(GuardadoEnDisco &)> prepara;
        bool grabada;
        std::function<std::string(const GuardadoEnDisco &)> mensaje; // empty: none
        Quedan quedan;
    };
    const std::vector<Caso> casos = {
        {"sin fallo", [](GuardadoEnDisco &) {}, true, nullptr, Quedan::Nuevos},
        {"el disco se llena al escribir la obra",
         [](GuardadoEnDisco &g) {
             g.fallos[{g.dvk, Paso::Escribe}] = ENOSPC;
         },
         false, NoGrabado("No space left on device"), Quedan::Viejos},
        {"la carpeta pasa a solo lectura antes de renombrar",
         [](GuardadoEnDisco &g) {
             g.fallos[{g.dvk, Paso::Renombra}] = EROFS;
             g.fallos[{g.dvk, Paso::Borra}] = EROFS;
         },
         false, NoGrabado("Read-only file system"), Quedan::Viejos},
        {"no queda sitio para vaciar los ajustes",
         [](GuardadoEnDisco &g) {
             g.fallos[{g.dpe, Paso::Crea}] = ENOSPC;
         },
         false, NoGrabado("No space left on device"), Quedan::Viejos},
        {"el disco se llena al guardar la copia de los ajustes",
         [](GuardadoEnDisco &g) {
             g.fallos[{g.dpe, Paso::Escribe}] = ENOSPC;
         },
         false, NoGrabado("No space left on device"), Quedan::Viejos},
        {"el disco falla al vaciar los ajustes",
         [](GuardadoEnDisco &g) {
             g.fallos[{g.dpe, Paso::Vacia}] = EIO;
         },
         false, NoGrabado("Input/output error"), Quedan::Viejos},
        {"los ajustes vaciados no ocupan su sitio",
         [](GuardadoEnDisco &g) {
             g.fallos[{g.dpe, Paso::Renombra}] = EACCES;
         },
         false, NoGrabado("Permission denied"), Quedan::Viejos},
        {"la obra no ocupa su sitio tras los ajustes vaciados",
         [](GuardadoEnDisco &g) {
             g.fallos[{g.dvk, Paso::Renombra}] = EACCES;
         },
         false, NoGrabado("Permission denied"), Quedan::Viejos},
        {"la carpeta no se vacia tras renombrar",
         [](GuardadoEnDisco &g) {
             g.fallos[{g.dvk, Paso::VaciaCarpeta}] = EIO;
             g.fallos[{g.dpe, Paso::VaciaCarpeta}] = EIO;
         },
         true, nullptr, Quedan::Nuevos},
        {"la obra es de solo lectura",
         [](GuardadoEnDisco &g) { fs::permissions(g.dvk, SoloLecturaTodos); }, false,
         [](const GuardadoEnDisco &g) {
             return "El fichero es de solo lectura; no se ha grabado nada: " + g.dvk;
         },
         Quedan::Viejos},
        {"los ajustes son de solo lectura",
         [](GuardadoEnDisco &g) { fs::permissions(g.dpe, SoloLecturaTodos); }, false,
         [](const GuardadoEnDisco &g) {
             return "El fichero es de solo lectura; no se ha grabado nada: " + g.dpe;
         },
         Quedan::Viejos},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        Limpia();
        fallos.clear();
        o.mensajes.olvida();
        Prepara();
        c.prepara(*this);
        const auto permisosObra = fs::status(dvk).permissions();
        const auto permisosAjustes = fs::status(dpe).permissions();

        EXPECT_EQ(GrabaSobrePresa(c.mensaje ? 1 : 0), c.grabada);
        std::vector<MensajeMostrado> esperados{Pregunta(dvk)};
        if (c.mensaje) {
            esperados.push_back(Error(c.mensaje(*this)));
        }
        EXPECT_EQ(o.mensajes.mostrados(), esperados);

        const std::string obra = LeeFicheroPrueba(dvk);
        const std::string ajustes = LeeFicheroPrueba(dpe);
        if (c.quedan == Quedan::Viejos) {
            EXPECT_EQ(obra, viejaObra);
            EXPECT_EQ(ajustes, viejosAjustes);
            EXPECT_EQ(o.estado.obra.AbrirObraExistente, Falso);
        } else {
            EXPECT_EQ(obra.size(), 20u * 128u);
            EXPECT_EQ(Registro(obra, 5), "Nueva");
            EXPECT_EQ(Registro(obra, 20), "0");
            EXPECT_EQ(ajustes, "");
            EXPECT_EQ(o.estado.obra.NombreFicheroObra, dvk);
        }
        // A file's permissions are as they were, read-only ones included.
        EXPECT_EQ(fs::status(dvk).permissions(), permisosObra);
        EXPECT_EQ(fs::status(dpe).permissions(), permisosAjustes);
        // A temporary stays only where the folder no longer let it be removed.
        EXPECT_EQ(Nombres(m_carpeta / "obras").size(),
                  c.nombre.find("solo lectura antes") != std::string::npos ? 3u : 2u);

        // The program started again on the file, the disk whole again.
        fallos.clear();
        fs::permissions(dvk, fs::perms::owner_write, fs::perm_options::add);
        fs::permissions(dpe, fs::perms::owner_write, fs::perm_options::add);
        ObraPrueba otra{',', &m_disco};
        ASSERT_TRUE(otra.abre(dvk));
        EXPECT_EQ(otra.captura.edObra.Text(),
                  c.quedan == Quedan::Viejos ? Registro(viejaObra, 5) : std::string("Nueva"));
        // Run 1 of either project, at the cases the old one had overrides for.
        otra.estado.tramo.TramoActual = 1;
        AlmacenObra::AjustesCalculo calculo = otra.almacen.AjustesParaCalcular(otra.captura);
        EXPECT_TRUE(calculo.permitido);
        ASSERT_NE(calculo.ajustes, nullptr);
        if (c.quedan == Quedan::Viejos) {
            EXPECT_EQ(calculo.ajustes->BuscaAjusteGuardado(10, 1, 2), 1);
            EXPECT_EQ(calculo.ajustes->BuscaAjusteGuardado(12, 2, 3), 2);
        } else {
            EXPECT_EQ(calculo.ajustes->BuscaAjusteGuardado(10, 1, 2), 0);
            EXPECT_EQ(calculo.ajustes->BuscaAjusteGuardado(12, 2, 3), 0);
        }
        EXPECT_TRUE(otra.mensajes.mostrados().empty());
    }
}

// A save refused because the replaced overrides could not be emptied changes nothing, and the
// same save goes through once the disk lets it: the old overrides are gone with the old project.
TEST_F(GuardadoEnDisco, GrabarDeNuevoTrasUnDiscoLleno)
{
    fallos[{dpe, Paso::Crea}] = ENOSPC;
    ASSERT_FALSE(GrabaSobrePresa(1));
    EXPECT_EQ(LeeFicheroPrueba(dpe), viejosAjustes);
    EXPECT_FALSE(o.almacen.TieneFichero());

    fallos.clear();
    o.mensajes.olvida();
    ASSERT_TRUE(GrabaSobrePresa(0));
    EXPECT_EQ(LeeFicheroPrueba(dpe), "");
    o.estado.tramo.TramoActual = 1;
    AlmacenObra::AjustesCalculo calculo = o.almacen.AjustesParaCalcular(o.captura);
    EXPECT_TRUE(calculo.permitido);
    ASSERT_NE(calculo.ajustes, nullptr);
    EXPECT_EQ(calculo.ajustes->BuscaAjusteGuardado(10, 1, 2), 0);
    EXPECT_EQ(o.mensajes.mostrados(), std::vector<MensajeMostrado>{Pregunta(dvk)});
}

// A project opened through a link is saved through it: the file it points to is replaced in its
// own folder and the link stays a link. A read-only project is refused and named.
TEST_F(GuardadoEnDisco, ObraEnlazadaOSoloLectura)
{
    const fs::path real = m_carpeta / "real";
    fs::create_directories(real);
    const std::string destino = (real / "presa.dvk").string();
    fs::rename(dvk, destino);
    fs::create_symlink(destino, dvk);
    ASSERT_TRUE(o.abre(dvk));
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
    ponTexto(o.captura.edObra, "Por el enlace");
    EXPECT_TRUE(o.almacen.GrabaObra(o.captura));
    EXPECT_TRUE(o.mensajes.mostrados().empty());
    EXPECT_TRUE(fs::is_symlink(dvk));
    EXPECT_EQ(Registro(LeeFicheroPrueba(destino), 5), "Por el enlace");
    EXPECT_EQ(Nombres(real), std::vector<std::string>{"presa.dvk"});

    fs::permissions(destino, SoloLecturaTodos);
    const std::string antes = LeeFicheroPrueba(destino);
    ponTexto(o.captura.edObra, "Otra vez");
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.GrabaTramo(o.captura, false));
    EXPECT_EQ(o.mensajes.mostrados(),
              std::vector<MensajeMostrado>{
                  Error("El fichero es de solo lectura; no se ha grabado nada: " + dvk)});
    EXPECT_EQ(LeeFicheroPrueba(destino), antes);
    EXPECT_EQ(fs::status(destino).permissions() & fs::perms::mask, SoloLecturaTodos);
}

// Two windows of the program on one project: the second is told, naming the file, and does not
// open it, nor save another project over it; once the first lets it go, it opens.
TEST(DosVentanas, LaSegundaNoAbreLaObra)
{
    const std::string ruta = "/obras/presa.dvk";
    const std::string obra = LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_coma.dvk");
    CerrojosEnMemoria cerrojos;
    ObraPrueba a(',', nullptr, &cerrojos);
    ObraPrueba b(',', nullptr, &cerrojos);
    for (ObraPrueba *v : {&a, &b}) {
        v->ficheros.Pon(ruta, obra);
        v->ficheros.Pon("/obras/otra.dvk", obra);
        v->almacen.NuevaObra();
    }
    ASSERT_TRUE(a.abre(ruta));
    EXPECT_TRUE(cerrojos.Tomado(ruta));

    b.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(b.abre(ruta));
    EXPECT_EQ(b.mensajes.mostrados(),
              std::vector<MensajeMostrado>{
                  Error("La obra está abierta en otra ventana del programa: /obras/presa.dvk\nNo "
                        "se abre en esta ventana; ciérrela en la otra para abrirla aquí.")});
    EXPECT_EQ(b.estado.obra.AbrirObraExistente, Falso);
    EXPECT_TRUE(b.almacen.Tramos().empty());

    // Nor is another project saved over it.
    b.mensajes.olvida();
    ponTexto(b.captura.edObra, "Nueva");
    b.dialogos.responde(ruta);
    b.mensajes.responde(RespuestaMensaje::Si);
    b.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(b.almacen.GrabaObra(b.captura));
    EXPECT_EQ(b.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  Pregunta(ruta),
                  Error("La obra está abierta en otra ventana del programa: /obras/presa.dvk\nEl "
                        "fichero queda como estaba.")}));
    EXPECT_EQ(b.ficheros.Escrituras(ruta), 0);
    EXPECT_EQ(b.estado.obra.AbrirObraExistente, Falso);

    // The first window opens its own project again, and saves it.
    ASSERT_TRUE(a.abre(ruta));
    EXPECT_TRUE(a.almacen.GrabaObra(a.captura));
    EXPECT_TRUE(a.mensajes.mostrados().empty());

    // Another project in the first window lets the first one go.
    ASSERT_TRUE(a.abre("/obras/otra.dvk"));
    EXPECT_FALSE(cerrojos.Tomado(ruta));
    b.mensajes.olvida();
    EXPECT_TRUE(b.abre(ruta));
    EXPECT_TRUE(b.mensajes.mostrados().empty());
    a.almacen.NuevaObra();
    EXPECT_FALSE(cerrojos.Tomado("/obras/otra.dvk"));
}

// Where no lock can be made beside the file, the project opens and saves as before.
TEST(DosVentanas, SinCerrojoPosibleLaObraSeAbre)
{
    ObraPrueba o;
    o.propios.SinCerrojos();
    o.ficheros.Pon("/obras/presa.dvk",
                   LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/obra_coma.dvk"));
    EXPECT_TRUE(o.abre("/obras/presa.dvk"));
    EXPECT_TRUE(o.almacen.GrabaObra(o.captura));
    EXPECT_TRUE(o.mensajes.mostrados().empty());
}

} // namespace
} // namespace dravek
