// Saving the project: its file chosen and checked, the header and the run written in one piece
// or not at all, the run list kept in step with the file, and the stored overrides voided only
// when a change of the run's design is saved.

#include "core/entry/AlmacenObra.h"

#include "apoyo/ObraPrueba.h"
#include "core/storage/FicheroAjustes.h"
#include "core/storage/RegistrosObra.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::LeeFicheroPrueba;
using pruebas::MensajeMostrado;
using pruebas::ObraPrueba;

const std::string Ruta = "/obras/presa.dvk";
const std::string RutaAjustes = "/obras/presa.dpe";
const MensajeMostrado NoHaSalvado{"No ha salvado ningun Fichero", BotonesMensaje::Aceptar,
                                  IconoMensaje::Ninguno, ""};

std::string Golden(const char *nombre)
{
    return LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/" + nombre);
}

MensajeMostrado Error(const std::string &texto)
{
    return {texto, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, ""};
}

// The golden project opened and its run loaded.
void AbreYCarga(ObraPrueba &o, const std::string &bytes)
{
    o.ficheros.Pon(Ruta, bytes);
    ASSERT_TRUE(o.abre(Ruta));
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
}

std::string Registro(const std::string &bytes, std::int32_t n)
{
    return FicheroRegistros(bytes).LeeRegistro(n).value_or("<dañado>");
}

// A run loaded and saved again gives the bytes it was loaded from, whichever separator reads it
// and writes it back and whichever unit system the screen shows.
TEST(GrabaTramo, UnTramoCargadoYGrabadoDaLosMismosBytes)
{
    struct Caso {
        const char *fichero;
        char separador;
        bool mks;
        const char *esperado;
    };
    const Caso casos[] = {
        {"obra_coma.dvk", ',', false, "obra_coma.dvk"},
        {"obra_punto.dvk", '.', false, "obra_punto.dvk"},
        {"obra_coma.dvk", '.', false, "obra_punto.dvk"},
        {"obra_punto.dvk", ',', false, "obra_coma.dvk"},
        {"obra_coma.dvk", ',', true, "obra_coma.dvk"},
        {"obra_punto.dvk", ',', true, "obra_coma.dvk"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.fichero) + " con " + c.separador + (c.mks ? " MKS" : " SI"));
        ObraPrueba o(c.separador);
        FicheroRegistros f(Golden(c.fichero));
        FicheroRegistros esperado(Golden(c.esperado));
        if (c.mks) {
            f.Escribe(3, "SisUnid: MKS" + std::string(27, ' '));
            esperado.Escribe(3, "SisUnid: MKS" + std::string(27, ' '));
        }
        AbreYCarga(o, f.Bytes());
        ASSERT_TRUE(o.almacen.GrabaTramo(o.captura, false));
        EXPECT_EQ(o.ficheros.Contenido(Ruta), esperado.Bytes());
        // The working values are back in the screen's system.
        EXPECT_DOUBLE_EQ(o.estado.tramo.FCK, c.mks ? 350 : 35);
        EXPECT_DOUBLE_EQ(o.estado.obra.DPInicialObra, c.mks ? 15 : 1.5);
        EXPECT_EQ(o.ficheros.Escrituras(Ruta), 1);
        EXPECT_EQ(o.captura.edTramo.ListCount(), 1);
    }
}

TEST(ConExtensionObra, SoloElNombreDelFichero)
{
    const std::pair<std::string, std::string> casos[] = {
        {"Obra1", "Obra1.dvk"},
        {"Obra1.txt", "Obra1.txt"},
        {"Obra1.DVK", "Obra1.DVK"},
        {"/home/ana/.config/v1.2/presa", "/home/ana/.config/v1.2/presa.dvk"},
        {"C:\\Proyectos\\v2.0\\presa", "C:\\Proyectos\\v2.0\\presa.dvk"},
        {"/obras/.presa", "/obras/.presa.dvk"},
        {"presa.", "presa.dvk"},
    };
    for (const auto &[nombre, esperado] : casos) {
        SCOPED_TRACE(nombre);
        const std::string obra = ConExtensionObra(nombre);
        EXPECT_EQ(obra, esperado);
        // The adjustments file is never the project file.
        EXPECT_NE(DerivaNombreFicheroAjustes(obra), obra);
    }
}

// A new project chooses its file at its first save; a cancel or an empty name writes nothing.
TEST(GrabaObra, ProyectoNuevo)
{
    ObraPrueba o;
    o.almacen.NuevaObra();
    o.menu.MnImprimir.Enabled = false;
    o.menu.MnSeleccionarImpresora.Enabled = false;
    ponTexto(o.captura.edObra, "Presa");

    o.dialogos.responde(std::nullopt);
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.GrabaObra(o.captura));
    EXPECT_EQ(o.mensajes.mostrados(), std::vector<MensajeMostrado>{NoHaSalvado});
    EXPECT_EQ(o.estado.obra.NombreFicheroObra, " ");
    EXPECT_EQ(o.estado.obra.AbrirObraExistente, Falso);

    o.mensajes.olvida();
    o.dialogos.responde("   ");
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.GrabaObra(o.captura));
    EXPECT_EQ(o.mensajes.mostrados(),
              std::vector<MensajeMostrado>{Error("No ha seleccionado un nombre")});
    EXPECT_EQ(o.estado.obra.AbrirObraExistente, Falso);

    o.mensajes.olvida();
    o.dialogos.responde(std::string("/obras/Obra1\0basura", 19));
    EXPECT_TRUE(o.almacen.GrabaObra(o.captura));
    EXPECT_TRUE(o.mensajes.mostrados().empty());
    EXPECT_EQ(o.estado.obra.NombreFicheroObra, "/obras/Obra1.dvk");
    EXPECT_EQ(o.estado.obra.AbrirObraExistente, Verdadero);
    EXPECT_TRUE(o.menu.MnImprimir.Enabled);
    EXPECT_TRUE(o.menu.MnSeleccionarImpresora.Enabled);
    const std::string &bytes = o.ficheros.Contenido("/obras/Obra1.dvk");
    EXPECT_EQ(bytes.size(), 20u * 128u);
    EXPECT_EQ(Registro(bytes, 1), "Version: 2009-Mar.02");
    EXPECT_EQ(Registro(bytes, 5), "Presa");
    EXPECT_EQ(Registro(bytes, 20), "0");
    ASSERT_EQ(o.dialogos.mostrados().size(), 3u);
    EXPECT_EQ(o.dialogos.mostrados()[0].titulo, "Seleccione el nombre del Fichero principal");
    EXPECT_EQ(o.dialogos.mostrados()[0].carpeta, o.dialogos.documentos);
    EXPECT_EQ(o.dialogos.mostrados()[0].filtros,
              (std::vector<FiltroFichero>{{"Ficheros DRAVEK (*.dvk)", "*.DVK"},
                                          {"Todos los Ficheros (*.*)", "*.*"}}));

    // From then on the header is written in place, with no dialog.
    ponTexto(o.captura.edObra, "Presa 2");
    EXPECT_TRUE(o.almacen.GrabaObra(o.captura));
    EXPECT_EQ(Registro(o.ficheros.Contenido("/obras/Obra1.dvk"), 5), "Presa 2");
}

// Choosing an existing file asks first; replacing it starts from an empty file and an empty
// adjustments file. A name that cannot be a file is told and chosen again.
TEST(GrabaObra, FicheroExistenteONombreImposible)
{
    ObraPrueba o;
    o.almacen.NuevaObra();
    o.ficheros.Pon(Ruta, Golden("obra_coma.dvk"));
    FicheroRegistros ajustes;
    ajustes.Escribe(1, "9");
    o.ficheros.Pon(RutaAjustes, ajustes.Bytes());
    o.ficheros.NombreMalo("/no/existe.dvk");

    const MensajeMostrado pregunta{
        "El fichero ya existe. ¿ Desea reemplazarlo ? Se perderán la obra y los ajustes de "
        "armadura que contiene.\n/obras/presa.dvk",
        BotonesMensaje::SiNo, IconoMensaje::Exclamacion, "CONFIRMACION"};
    o.dialogos.responde("/obras/presa.dvk");
    o.mensajes.responde(RespuestaMensaje::No);
    o.dialogos.responde("/no/existe");
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    o.dialogos.responde("/obras/presa");
    o.mensajes.responde(RespuestaMensaje::Si);
    EXPECT_TRUE(o.almacen.GrabaObra(o.captura));
    EXPECT_EQ(o.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  pregunta,
                  Error("No se puede crear un fichero con ese nombre /no/existe.dvk\nNo such file "
                        "or directory"),
                  pregunta}));
    EXPECT_EQ(o.ficheros.Contenido(Ruta).size(), 20u * 128u);
    EXPECT_EQ(Registro(o.ficheros.Contenido(Ruta), 20), "0");
    EXPECT_EQ(o.ficheros.Contenido(RutaAjustes), "");
    EXPECT_TRUE(o.almacen.Tramos().empty());
}

// A write that fails is told; the file stays whole and the project keeps its state.
TEST(GrabaObra, FalloDeEscritura)
{
    ObraPrueba o;
    o.almacen.NuevaObra();
    o.menu.MnImprimir.Enabled = false;
    o.ficheros.FallaEscritura("/obras/Obra1.dvk");
    o.dialogos.responde("/obras/Obra1");
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.GrabaObra(o.captura));
    EXPECT_EQ(o.mensajes.mostrados(),
              std::vector<MensajeMostrado>{
                  Error("No se ha podido grabar el fichero /obras/Obra1.dvk\nNo space left on "
                        "device\nEl fichero queda como estaba.")});
    EXPECT_FALSE(o.ficheros.Existe("/obras/Obra1.dvk"));
    EXPECT_EQ(o.estado.obra.AbrirObraExistente, Falso);
    EXPECT_FALSE(o.menu.MnImprimir.Enabled);
}

// Saving a new run: the header counts it and the run list gets it only once the file is
// written. A failed write leaves the file whole and the list as it was; saving again adds the
// run once.
TEST(GrabaTramo, TramoNuevo)
{
    ObraPrueba o;
    AbreYCarga(o, Golden("obra_coma.dvk"));
    const std::string antes = o.ficheros.Contenido(Ruta);
    ponTexto(o.captura.edTramo, "2");
    ponTexto(o.captura.edDescriTramo, "Tramo 2");

    o.ficheros.FallaEscritura(Ruta);
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.GrabaTramo(o.captura, true));
    EXPECT_EQ(o.ficheros.Contenido(Ruta), antes);
    EXPECT_EQ(o.captura.edTramo.ListCount(), 1);
    EXPECT_EQ(o.almacen.NumeroBloques(), 1);
    ASSERT_EQ(o.mensajes.mostrados().size(), 1u);

    o.ficheros.ArreglaEscritura(Ruta);
    EXPECT_TRUE(o.almacen.GrabaTramo(o.captura, true));
    const std::string &bytes = o.ficheros.Contenido(Ruta);
    EXPECT_EQ(bytes.size(), 140u * 128u);
    EXPECT_EQ(Registro(bytes, 20), "2");
    EXPECT_EQ(Registro(bytes, 80), "2");
    EXPECT_EQ(Registro(bytes, 81), "2");
    EXPECT_EQ(Registro(bytes, 82), "Tramo 2");
    // Block 1 is untouched but for the run count the header holds.
    EXPECT_EQ(bytes.substr(20 * 128, 59 * 128), antes.substr(20 * 128, 59 * 128));
    ASSERT_EQ(o.captura.edTramo.ListCount(), 2);
    EXPECT_EQ(o.captura.edTramo.List(1), "2");
    EXPECT_EQ(o.almacen.Tramos(), (std::vector<TramoEnFichero>{{"1", 1}, {"2", 2}}));

    // The run saved again is no new run: the list keeps one entry for it.
    EXPECT_TRUE(o.almacen.GrabaTramo(o.captura, false));
    EXPECT_EQ(o.captura.edTramo.ListCount(), 2);
    EXPECT_EQ(o.ficheros.Contenido(Ruta).size(), 140u * 128u);
}

TEST(GrabaTramo, TramoQueNoEstaEnLaLista)
{
    ObraPrueba o;
    AbreYCarga(o, Golden("obra_coma.dvk"));
    ponTexto(o.captura.edTramo, "9");
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.GrabaTramo(o.captura, false));
    EXPECT_EQ(o.mensajes.mostrados(),
              std::vector<MensajeMostrado>{Error("No esta ni en Altas ni en Modificaciones")});
    EXPECT_EQ(o.ficheros.Escrituras(Ruta), 0);
}

// Every text is checked before anything is written.
TEST(GrabaTramo, TextosQueNoCaben)
{
    struct Caso {
        CajaTexto CapturaDatos::*caja;
        std::string texto;
        std::string mensaje;
    };
    const Caso casos[] = {
        {&CapturaDatos::edDescriTramo, std::string(127, 'd'),
         "Texto demasiado largo para el fichero (más de 126 caracteres): Descripción del tramo"},
        {&CapturaDatos::edDescriTramo, "Tramo ≥ 3",
         "El texto tiene caracteres que el fichero no admite: Descripción del tramo"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.texto);
        ObraPrueba o;
        AbreYCarga(o, Golden("obra_coma.dvk"));
        ponTexto(o.captura.*c.caja, c.texto);
        ponTexto(o.captura.edObra, std::string(126, 'o') + "ñ");
        o.mensajes.responde(RespuestaMensaje::Aceptar);
        EXPECT_FALSE(o.almacen.GrabaTramo(o.captura, false));
        EXPECT_EQ(o.mensajes.mostrados(),
                  std::vector<MensajeMostrado>{Error(
                      "Texto demasiado largo para el fichero (más de 126 caracteres): Título "
                      "de la obra")});
        ponTexto(o.captura.edObra, "Presa");
        o.mensajes.olvida();
        o.mensajes.responde(RespuestaMensaje::Aceptar);
        EXPECT_FALSE(o.almacen.GrabaTramo(o.captura, false));
        EXPECT_EQ(o.mensajes.mostrados(), std::vector<MensajeMostrado>{Error(c.mensaje)});
        EXPECT_EQ(o.ficheros.Escrituras(Ruta), 0);
    }
}

// The 16-bit record numbers hold 545 runs: a 546th is refused before anything is asked or
// written.
TEST(GrabaTramo, NoCabenMasTramos)
{
    ObraPrueba o;
    FicheroRegistros f(Golden("obra_coma.dvk"));
    f.Escribe(20, "545");
    AbreYCarga(o, f.Bytes());
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.GrabaTramo(o.captura, true));
    EXPECT_EQ(o.mensajes.mostrados(),
              std::vector<MensajeMostrado>{Error("La obra ya tiene el número máximo de tramos "
                                                 "(545); no se puede añadir otro.")});
    EXPECT_EQ(o.ficheros.Escrituras(Ruta), 0);
}

// The adjustments file with an override of run 1 and one of run 2.
void ConAjustes(ObraPrueba &o)
{
    FicheroAjustes a(o.ficheros, RutaAjustes, o.estado.ejecucion);
    ASSERT_TRUE(a.GrabaUnTramoPresion(10, 1, 2, AjusteGuardado{15, 2, 2}));
    ASSERT_TRUE(a.GrabaUnTramoPresion(10, 2, 2, AjusteGuardado{15, 2, 2}));
}

std::int16_t Busca(ObraPrueba &o, std::int16_t tramo)
{
    return FicheroAjustes(o.ficheros, RutaAjustes, o.estado.ejecucion)
        .BuscaAjusteGuardado(10, tramo, 2);
}

// The overrides of a run are voided when a change of its design is saved, and only then.
TEST(GrabaTramo, AjustesAnuladosAlGrabarUnCambioDelDiseno)
{
    struct Caso {
        std::string nombre;
        void (*cambia)(ObraPrueba &);
        bool anula;
    };
    const Caso casos[] = {
        {"resistencia del hormigón", [](ObraPrueba &o) { ponTexto(o.captura.edFck, "40,0"); },
         true},
        // The section's variables are the validation's to fill; it runs before every save.
        {"espesor",
         [](ObraPrueba &o) {
             ponTexto(o.captura.edEsp0, "14,0");
             o.estado.tramo.ESP = 14;
         },
         true},
        {"recubrimiento exterior",
         [](ObraPrueba &o) {
             ponTexto(o.captura.edRece0, "2,5");
             o.estado.tramo.RECE = 2.5;
         },
         true},
        {"descripción", [](ObraPrueba &o) { ponTexto(o.captura.edDescriTramo, "Otro"); }, false},
        // A leave that rewrote the same value: marked, but nothing of the design changed.
        {"sin cambio", [](ObraPrueba &o) { o.almacen.AnulaAjustesTramo(); }, false},
        {"presión", [](ObraPrueba &o) { ponTexto(o.captura.edPrs1Tram, "1,05"); }, false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        ObraPrueba o;
        AbreYCarga(o, Golden("obra_coma.dvk"));
        ConAjustes(o);
        o.estado.tramo.TramoActual = 1;
        c.cambia(o);
        // A calculation of the unsaved run ignores the overrides its change makes stale.
        AlmacenObra::AjustesCalculo calculo = o.almacen.AjustesParaCalcular(o.captura);
        EXPECT_TRUE(calculo.permitido);
        EXPECT_EQ(calculo.ajustes == nullptr, c.anula);
        // Nothing is voided before the save.
        EXPECT_EQ(Busca(o, 1), 1);
        ASSERT_TRUE(o.almacen.GrabaTramo(o.captura, false));
        EXPECT_EQ(Busca(o, 1), c.anula ? -1 : 1);
        EXPECT_EQ(Busca(o, 2), 2);
        calculo = o.almacen.AjustesParaCalcular(o.captura);
        EXPECT_NE(calculo.ajustes, nullptr);
    }
}

// Changes that are loaded over (a cancel re-reads the run) keep the overrides.
TEST(GrabaTramo, UnCambioCanceladoConservaLosAjustes)
{
    ObraPrueba o;
    AbreYCarga(o, Golden("obra_coma.dvk"));
    ConAjustes(o);
    ponTexto(o.captura.edFck, "40,0");
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
    ASSERT_TRUE(o.almacen.GrabaTramo(o.captura, false));
    EXPECT_EQ(Busca(o, 1), 1);
}

// Voiding that cannot write the adjustments file is told, and the run is not calculated until
// voiding succeeds.
TEST(GrabaTramo, AnulacionQueFalla)
{
    ObraPrueba o;
    AbreYCarga(o, Golden("obra_coma.dvk"));
    ConAjustes(o);
    o.estado.tramo.TramoActual = 1;
    ponTexto(o.captura.edFck, "40,0");
    o.ficheros.FallaEscritura(RutaAjustes);
    const MensajeMostrado fallo =
        Error("No se han podido anular los ajustes de armadura guardados del tramo 1: "
              "/obras/presa.dpe\nNo space left on device\nEl tramo no se calculará mientras no se "
              "anulen sus ajustes de armadura guardados.");
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    ASSERT_TRUE(o.almacen.GrabaTramo(o.captura, false));
    EXPECT_EQ(o.mensajes.mostrados(), std::vector<MensajeMostrado>{fallo});
    EXPECT_EQ(Busca(o, 1), 1);

    o.mensajes.olvida();
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    AlmacenObra::AjustesCalculo calculo = o.almacen.AjustesParaCalcular(o.captura);
    EXPECT_FALSE(calculo.permitido);
    EXPECT_EQ(calculo.ajustes, nullptr);
    EXPECT_EQ(o.mensajes.mostrados(), std::vector<MensajeMostrado>{fallo});

    o.ficheros.ArreglaEscritura(RutaAjustes);
    calculo = o.almacen.AjustesParaCalcular(o.captura);
    EXPECT_TRUE(calculo.permitido);
    EXPECT_NE(calculo.ajustes, nullptr);
    EXPECT_EQ(Busca(o, 1), -1);
    EXPECT_EQ(Busca(o, 2), 2);
}

// A project without a file has no overrides; a missing adjustments file is not created.
TEST(GrabaTramo, SinFicheroNiAjustes)
{
    ObraPrueba o;
    o.almacen.NuevaObra();
    EXPECT_EQ(o.almacen.AjustesParaCalcular(o.captura).ajustes, nullptr);
    EXPECT_EQ(o.almacen.NombreFicheroAjustes(), "");
    AbreYCarga(o, Golden("obra_coma.dvk"));
    ponTexto(o.captura.edFck, "40,0");
    ASSERT_TRUE(o.almacen.GrabaTramo(o.captura, false));
    EXPECT_FALSE(o.ficheros.Existe(RutaAjustes));
}

TEST(AlmacenAbreObra, FicherosQueNoSeAbren)
{
    struct Caso {
        std::string bytes;
        std::string mensaje;
    };
    FicheroRegistros danado(Golden("obra_coma.dvk"));
    danado.Escribe(8, "25,00");
    FicheroRegistros version(Golden("obra_coma.dvk"));
    version.Escribe(1, "Version: 2009-Mar.02 ");
    const Caso casos[] = {
        {version.Bytes(), "Registro inicial: El fichero .DVK no está grabado con el formato de "
                          "la versión actual. Version: 2009-Mar.02"},
        {danado.Bytes(), "Fichero de la obra dañado: /obras/presa.dvk (registro 8)"},
    };
    for (const Caso &c : casos) {
        ObraPrueba o;
        o.ficheros.Pon(Ruta, c.bytes);
        o.mensajes.responde(RespuestaMensaje::Aceptar);
        EXPECT_FALSE(o.almacen.AbreObra(Ruta).has_value());
        EXPECT_EQ(o.mensajes.mostrados(), std::vector<MensajeMostrado>{Error(c.mensaje)});
        EXPECT_FALSE(o.almacen.TieneFichero());
    }

    // A name that names no file: told, and no file is created.
    ObraPrueba o;
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.AbreObra("/obras/nada.dvk").has_value());
    EXPECT_FALSE(o.ficheros.Existe("/obras/nada.dvk"));
    o.ficheros.Pon(Ruta, Golden("obra_coma.dvk"));
    o.ficheros.FallaLectura(Ruta);
    EXPECT_FALSE(o.almacen.AbreObra(Ruta).has_value());
    EXPECT_EQ(o.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  Error("No existe el fichero /obras/nada.dvk"),
                  Error("No se ha podido leer el fichero /obras/presa.dvk\nInput/output error")}));
}

// The project named when the program started is taken by the first opening without a dialog;
// the next opening asks again.
TEST(AlmacenAbreObra, ElFicheroElegidoSeTomaUnaVezSinPreguntar)
{
    ObraPrueba o;
    o.almacen.EligeFichero("/obras/de la linea.dvk");
    EXPECT_EQ(o.almacen.PideFicheroObra(), "/obras/de la linea.dvk");
    EXPECT_TRUE(o.dialogos.mostrados().empty());

    o.dialogos.responde(Ruta);
    EXPECT_EQ(o.almacen.PideFicheroObra(), Ruta);
    EXPECT_EQ(o.dialogos.mostrados().size(), 1U);
}

// The adjustment window's choice for a case, stored through the project: a full, unreadable or
// unwritable adjustments file is told and changes nothing.
TEST(GrabaUnTramoPresion, EleccionDelCaso)
{
    ObraPrueba o;
    AbreYCarga(o, Golden("obra_coma.dvk"));
    EXPECT_TRUE(o.almacen.GrabaUnTramoPresion(10, 1, 2, AjusteGuardado{15, 5, 40}));
    EXPECT_EQ(Busca(o, 1), 1);
    EXPECT_TRUE(o.almacen.GrabaUnTramoPresion(10, 1, 2, std::nullopt));
    EXPECT_EQ(Busca(o, 1), -1);

    o.ficheros.FallaEscritura(RutaAjustes);
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.GrabaUnTramoPresion(10, 1, 2, AjusteGuardado{15, 5, 40}));
    EXPECT_EQ(o.mensajes.mostrados(),
              std::vector<MensajeMostrado>{
                  Error("No se ha podido grabar el fichero /obras/presa.dpe\nNo space left on "
                        "device\nEl fichero queda como estaba.")});
    EXPECT_EQ(Busca(o, 1), -1);

    FicheroRegistros lleno;
    lleno.Escribe(1, "32761");
    for (std::int16_t k = 1; k <= MaximoAjustes; ++k) {
        lleno.Escribe(8 * (k - 1) + 3, "7,00");
    }
    o.ficheros.ArreglaEscritura(RutaAjustes);
    o.ficheros.Pon(RutaAjustes, lleno.Bytes());
    o.mensajes.olvida();
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.GrabaUnTramoPresion(10, 1, 2, AjusteGuardado{15, 5, 40}));
    EXPECT_EQ(o.mensajes.mostrados(),
              std::vector<MensajeMostrado>{
                  Error("El fichero de ajustes ya tiene el número máximo de armaduras guardadas "
                        "(4095); no se puede guardar otra.")});
    EXPECT_EQ(o.ficheros.Contenido(RutaAjustes), lleno.Bytes());

    o.ficheros.FallaLectura(RutaAjustes);
    o.mensajes.olvida();
    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.GrabaUnTramoPresion(10, 1, 2, AjusteGuardado{15, 5, 40}));
    EXPECT_EQ(o.mensajes.mostrados(),
              std::vector<MensajeMostrado>{
                  Error("El fichero de ajustes de armadura está dañado o no se puede leer: "
                        "/obras/presa.dpe\nInput/output error")});
}

} // namespace
} // namespace dravek
