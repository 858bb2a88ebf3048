#include "core/validation/GeometriaEstandar.h"

#include "apoyo/CapturaPrueba.h"
#include "apoyo/MensajesGrabadora.h"
#include "core/entry/ListasDimensiones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::FilaGeometria;
using pruebas::MensajeMostrado;
using pruebas::MensajesGrabadora;

// Diameter (mm); groups 1100, 1210, 2100, 2211, 2221 as inner cover, outer cover, thickness.
const std::vector<FilaGeometria> Tabla = {
    {600, {}, {25, 25, 70}, {}, {20, 20, 80}, {20, 30, 90}},
    {1000, {}, {30, 30, 100}, {}, {25, 25, 110}, {25, 60, 120}},
    {1000, {}, {40, 40, 200}, {}, {40, 40, 200}, {40, 40, 200}}, // a repeated diameter
    {1200, {}, {}, {}, {30, 30, 120}, {}},                       // no reinforced-concrete data
    {601, {}, {21, 21, 71}, {}, {}, {}},
    {1400, {}, {50, 50, 140}, {}, {}, {}}, // covers outside the band
};

struct Busqueda {
    std::string nombre;
    double vDi;
    std::int16_t Tipologia;
    ModoGeometria modo;
    ResultadoGeometria resultado;
    std::optional<double> escrito; // cm, the value the mode writes
};

TEST(BuscaGeometriaRecomendada, BuscaLaFilaYEscribeSoloLoDeSuModo)
{
    using M = ModoGeometria;
    using R = ResultadoGeometria;
    const double infinito = std::numeric_limits<double>::infinity();
    const std::vector<Busqueda> casos = {
        {"row 600", 0.6, 1210, M::Espesor, R::Encontrado, 7.0},
        {"0.4 mm below", 0.5996, 1210, M::Espesor, R::Encontrado, 7.0},
        {"0.4 mm above", 0.6004, 1210, M::Espesor, R::Encontrado, 7.0},
        {"0.6 mm above goes to 601", 0.6006, 1210, M::Espesor, R::Encontrado, 7.1},
        {"first of two rows", 1.0, 1210, M::Espesor, R::Encontrado, 10.0},
        {"inner cover", 1.0, 1210, M::RecubrimientoInterior, R::Encontrado, 3.0},
        {"outer cover 2211", 1.0, 2211, M::RecubrimientoExterior, R::Encontrado, 2.5},
        {"group of 2212 is 2211's", 1.0, 2212, M::Espesor, R::Encontrado, 11.0},
        {"outer cover 2221", 1.0, 2221, M::RecubrimientoExterior, R::Encontrado, 6.0},
        {"commercial", 1.0, 1220, M::Comercial, R::Encontrado, {}},
        {"empty group, mode 0", 1.2, 1210, M::Comercial, R::SinDatos, {}},
        {"empty group, mode 1", 1.2, 1210, M::Espesor, R::SinDatos, {}},
        {"empty group, comparing", 1.2, 1210, M::Compara, R::SinDatos, {}},
        {"other group of the row", 1.2, 2211, M::Espesor, R::Encontrado, 12.0},
        {"empty 1100 group", 0.6, 1100, M::Comercial, R::SinDatos, {}},
        {"no such row", 0.7, 1210, M::Comercial, R::NoEsFila, {}},
        {"no typology group", 1.0, 9999, M::Espesor, R::SinDatos, {}},
        {"absurd diameter", 1e300, 1210, M::Espesor, R::NoEsFila, {}},
        {"beyond a whole number", 3e6, 1210, M::Comercial, R::NoEsFila, {}},
        {"infinite", infinito, 1210, M::Comercial, R::NoEsFila, {}},
        {"not a number", std::nan(""), 1210, M::Comercial, R::NoEsFila, {}},
    };
    for (const Busqueda &c : casos) {
        SCOPED_TRACE(c.nombre);
        TablasPredeterminadas tablas;
        pruebas::PonGeometria(tablas, Tabla);
        EstadoEjecucion ejecucion;
        MensajesGrabadora mensajes(pruebas::Guion::Estricto);
        double esp = -1, reci = -2, rece = -3;
        EXPECT_EQ(BuscaGeometriaRecomendada(tablas, ejecucion, mensajes, esp, reci, rece,
                                            c.Tipologia, c.vDi, c.modo),
                  c.resultado);
        const double esperado = c.escrito.value_or(0.0);
        EXPECT_EQ(esp, c.modo == M::Espesor && c.escrito ? esperado : -1);
        EXPECT_EQ(reci, c.modo == M::RecubrimientoInterior && c.escrito ? esperado : -2);
        EXPECT_EQ(rece, c.modo == M::RecubrimientoExterior && c.escrito ? esperado : -3);
    }
}

TEST(BuscaGeometriaRecomendada, TablaVaciaNoTieneFilas)
{
    TablasPredeterminadas tablas;
    EstadoEjecucion ejecucion;
    MensajesGrabadora mensajes(pruebas::Guion::Estricto);
    double esp = 0, reci = 0, rece = 0;
    EXPECT_EQ(BuscaGeometriaRecomendada(tablas, ejecucion, mensajes, esp, reci, rece, 1210, 0.0,
                                        ModoGeometria::Comercial),
              ResultadoGeometria::NoEsFila);
}

struct Comparacion {
    std::string nombre;
    double vDi;
    std::int16_t Tipologia;
    double esp, reci, rece; // cm
    bool pregunta;
};

// The section against the recommended one: thickness within 2 % of the diameter, covers
// 20-40 mm (of a lined cylinder only the thickness, the one value of its section that is typed
// and banded), equal values always accepted.
TEST(BuscaGeometriaRecomendada, ComparaConTolerancias)
{
    const std::vector<Comparacion> casos = {
        {.nombre = "recommended",
         .vDi = 1.0,
         .Tipologia = 1210,
         .esp = 10.0,
         .reci = 3.0,
         .rece = 3.0,
         .pregunta = false},
        {.nombre = "thickness -2 %",
         .vDi = 1.0,
         .Tipologia = 1210,
         .esp = 8.0,
         .reci = 3.0,
         .rece = 3.0,
         .pregunta = false},
        {.nombre = "thickness +2 %",
         .vDi = 1.0,
         .Tipologia = 1210,
         .esp = 12.0,
         .reci = 3.0,
         .rece = 3.0,
         .pregunta = false},
        {.nombre = "thickness below the band",
         .vDi = 1.0,
         .Tipologia = 1210,
         .esp = 7.9,
         .reci = 3.0,
         .rece = 3.0,
         .pregunta = true},
        {.nombre = "thickness above the band",
         .vDi = 1.0,
         .Tipologia = 1210,
         .esp = 12.1,
         .reci = 3.0,
         .rece = 3.0,
         .pregunta = true},
        {.nombre = "covers at the band's ends",
         .vDi = 1.0,
         .Tipologia = 1210,
         .esp = 10.0,
         .reci = 2.0,
         .rece = 4.0,
         .pregunta = false},
        {.nombre = "inner cover 19 mm",
         .vDi = 1.0,
         .Tipologia = 1210,
         .esp = 10.0,
         .reci = 1.9,
         .rece = 3.0,
         .pregunta = true},
        {.nombre = "outer cover 41 mm",
         .vDi = 1.0,
         .Tipologia = 1210,
         .esp = 10.0,
         .reci = 3.0,
         .rece = 4.1,
         .pregunta = true},
        {.nombre = "lined: outer cover free",
         .vDi = 1.0,
         .Tipologia = 2221,
         .esp = 12.0,
         .reci = 2.5,
         .rece = 7.0,
         .pregunta = false},
        // The inner cover that follows from thickness and outer cover is never compared.
        {.nombre = "lined: derived inner cover not compared",
         .vDi = 1.0,
         .Tipologia = 2221,
         .esp = 12.0,
         .reci = 6.0,
         .rece = 6.0,
         .pregunta = false},
        {.nombre = "lined: thickness above the band",
         .vDi = 1.0,
         .Tipologia = 2221,
         .esp = 14.1,
         .reci = 8.1,
         .rece = 6.0,
         .pregunta = true},
        {.nombre = "equal to a row outside the band",
         .vDi = 1.4,
         .Tipologia = 1210,
         .esp = 14.0,
         .reci = 5.0,
         .rece = 5.0,
         .pregunta = false},
        {.nombre = "near but not equal to it",
         .vDi = 1.4,
         .Tipologia = 1210,
         .esp = 14.0,
         .reci = 5.0,
         .rece = 4.9,
         .pregunta = true},
    };
    for (const Comparacion &c : casos) {
        SCOPED_TRACE(c.nombre);
        TablasPredeterminadas tablas;
        pruebas::PonGeometria(tablas, Tabla);
        EstadoEjecucion ejecucion;
        MensajesGrabadora mensajes(pruebas::Guion::Estricto);
        if (c.pregunta) {
            mensajes.responde(RespuestaMensaje::No);
        }
        double esp = c.esp, reci = c.reci, rece = c.rece;
        EXPECT_EQ(BuscaGeometriaRecomendada(tablas, ejecucion, mensajes, esp, reci, rece,
                                            c.Tipologia, c.vDi, ModoGeometria::Compara),
                  ResultadoGeometria::Encontrado);
        EXPECT_EQ(mensajes.mostrados().size(), c.pregunta ? 1U : 0U);
        EXPECT_EQ(esp, c.esp);
        EXPECT_EQ(reci, c.reci);
        EXPECT_EQ(rece, c.rece);
    }
}

TEST(BuscaGeometriaRecomendada, LaPreguntaMuestraLasTresLineas)
{
    TablasPredeterminadas tablas;
    pruebas::PonGeometria(tablas, Tabla);
    EstadoEjecucion ejecucion;
    ejecucion.SeparadorDecimalLocal = ",";
    MensajesGrabadora mensajes(pruebas::Guion::Estricto);
    mensajes.responde(RespuestaMensaje::Si);
    double esp = 7.9, reci = 3.0, rece = 3.04;
    EXPECT_EQ(BuscaGeometriaRecomendada(tablas, ejecucion, mensajes, esp, reci, rece, 1210, 1.0,
                                        ModoGeometria::Compara),
              ResultadoGeometria::Cambiar);
    const MensajeMostrado esperado = {"\n\nEspesor       : 79,00 Recomendado: 100,00\n"
                                      "Rec.  Interior: 30,00 Recomendado: 30,00\n"
                                      "Rec.  Exterior: 30,00 Recomendado: 30,00\n"
                                      "¿ Desea Cambiarlos ?",
                                      BotonesMensaje::SiNo, IconoMensaje::Ninguno,
                                      "***  DATOS DIFERENTES DE LOS RECOMENDADOS  ***"};
    EXPECT_EQ(mensajes.mostrados(), std::vector<MensajeMostrado>{esperado});

    // A run checked without moving the focus is never asked about.
    ejecucion.OmitePreguntaGeometria = true;
    esp = 50.0;
    EXPECT_EQ(BuscaGeometriaRecomendada(tablas, ejecucion, mensajes, esp, reci, rece, 1210, 1.0,
                                        ModoGeometria::Compara),
              ResultadoGeometria::Encontrado);
    EXPECT_EQ(mensajes.mostrados().size(), 1U);
}

TEST(CompruebaGeometria, SoloConDiametroComercialYSeccionDada)
{
    struct Caso {
        std::string nombre;
        std::int16_t comercial;
        double vDi, esp, reci, rece;
        bool pregunta;
    };
    const std::vector<Caso> casos = {
        {.nombre = "not commercial",
         .comercial = Falso,
         .vDi = 1.0,
         .esp = 50,
         .reci = 3,
         .rece = 3,
         .pregunta = false},
        {.nombre = "no thickness",
         .comercial = Verdadero,
         .vDi = 1.0,
         .esp = 0,
         .reci = 3,
         .rece = 3,
         .pregunta = false},
        {.nombre = "no inner cover",
         .comercial = Verdadero,
         .vDi = 1.0,
         .esp = 50,
         .reci = 0,
         .rece = 3,
         .pregunta = false},
        {.nombre = "no outer cover",
         .comercial = Verdadero,
         .vDi = 1.0,
         .esp = 50,
         .reci = 3,
         .rece = 0,
         .pregunta = false},
        {.nombre = "no diameter",
         .comercial = Verdadero,
         .vDi = 0.0,
         .esp = 50,
         .reci = 3,
         .rece = 3,
         .pregunta = false},
        {.nombre = "out of tolerance",
         .comercial = Verdadero,
         .vDi = 1.0,
         .esp = 50,
         .reci = 3,
         .rece = 3,
         .pregunta = true},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        EstadoObra estado;
        pruebas::PonGeometria(estado.tablas, Tabla);
        estado.tramo = {};
        estado.tramo.Tipologia = 1210;
        estado.tramo.DiametroComercial = c.comercial;
        estado.tramo.vDi = c.vDi;
        estado.tramo.ESP = c.esp;
        estado.tramo.RECI = c.reci;
        estado.tramo.RECE = c.rece;
        MensajesGrabadora mensajes(pruebas::Guion::Estricto);
        if (c.pregunta) {
            mensajes.responde(RespuestaMensaje::Si);
        }
        EXPECT_EQ(CompruebaGeometria(estado, mensajes),
                  c.pregunta ? ResultadoGeometria::Cambiar : ResultadoGeometria::Encontrado);
    }
}

std::vector<std::string> Entradas(const Lista &lista)
{
    std::vector<std::string> e;
    for (int i = 0; i < lista.ListCount(); ++i) {
        e.push_back(lista.List(i));
    }
    return e;
}

TEST(CargaListasDimensiones, UnEspesorPorFilaYRecubrimientosSinRepetirSeguidos)
{
    pruebas::CapturaPrueba p;
    pruebas::PonGeometria(p.estado.tablas, {
                                               {500, {}, {20, 30, 60}, {}, {}, {}},
                                               {600, {}, {20, 30, 70}, {}, {}, {}},
                                               {700, {}, {25, 30, 70}, {}, {}, {}},
                                               {800, {}, {20, 35, 0}, {}, {}, {}},
                                           });
    ponTexto(p.captura.edEsp0, "8,5");
    CargaListasDimensiones(p.captura, 5);
    EXPECT_EQ(Entradas(p.captura.edEsp0), (std::vector<std::string>{"6,0", "7,0", "7,0", "0,0"}));
    EXPECT_EQ(Entradas(p.captura.edReci0), (std::vector<std::string>{"2,0", "2,5", "2,0"}));
    EXPECT_EQ(Entradas(p.captura.edRece0), (std::vector<std::string>{"3,0", "3,5"}));
    // What the engineer typed stays.
    EXPECT_EQ(p.captura.edEsp0.Text(), "8,5");

    // An empty group lists its zeros; another group replaces the lists.
    CargaListasDimensiones(p.captura, 11);
    EXPECT_EQ(Entradas(p.captura.edEsp0), (std::vector<std::string>{"0,0", "0,0", "0,0", "0,0"}));
    EXPECT_EQ(Entradas(p.captura.edReci0), (std::vector<std::string>{"0,0"}));

    p.estado.tablas.NumeroDimensiones = 0;
    CargaListasDimensiones(p.captura, 5);
    EXPECT_EQ(p.captura.edEsp0.ListCount(), 0);
    EXPECT_EQ(p.captura.edReci0.ListCount(), 0);
}

} // namespace
} // namespace dravek
