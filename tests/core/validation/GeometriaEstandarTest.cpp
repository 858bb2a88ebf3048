#include "core/validation/GeometriaEstandar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "apoyo/CapturaPrueba.h"
#include "apoyo/MensajesGrabadora.h"
#include "core/entry/ListasDimensiones.h"

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
        {"recommended", 1.0, 1210, 10.0, 3.0, 3.0, false},
        {"thickness -2 %", 1.0, 1210, 8.0, 3.0, 3.0, false},
        {"thickness +2 %", 1.0, 1210, 12.0, 3.0, 3.0, false},
        {"thickness below the band", 1.0, 1210, 7.9, 3.0, 3.0, true},
        {"thickness above the band", 1.0, 1210, 12.1, 3.0, 3.0, true},
        {"covers at the band's ends", 1.0, 1210, 10.0, 2.0, 4.0, false},
        {"inner cover 19 mm", 1.0, 1210, 10.0, 1.9, 3.0, true},
        {"outer cover 41 mm", 1.0, 1210, 10.0, 3.0, 4.1, true},
        {"lined: outer cover free", 1.0, 2221, 12.0, 2.5, 7.0, false},
        // The inner cover that follows from thickness and outer cover is never compared.
        {"lined: derived inner cover not compared", 1.0, 2221, 12.0, 6.0, 6.0, false},
        {"lined: thickness above the band", 1.0, 2221, 14.1, 8.1, 6.0, true},
        {"equal to a row outside the band", 1.4, 1210, 14.0, 5.0, 5.0, false},
        {"near but not equal to it", 1.4, 1210, 14.0, 5.0, 4.9, true},
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
        {"not commercial", Falso, 1.0, 50, 3, 3, false},
        {"no thickness", Verdadero, 1.0, 0, 3, 3, false},
        {"no inner cover", Verdadero, 1.0, 50, 0, 3, false},
        {"no outer cover", Verdadero, 1.0, 50, 3, 0, false},
        {"no diameter", Verdadero, 0.0, 50, 3, 3, false},
        {"out of tolerance", Verdadero, 1.0, 50, 3, 3, true},
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
