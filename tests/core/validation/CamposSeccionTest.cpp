#include "core/entry/CamposSeccion.h"

#include "apoyo/CapturaPrueba.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::CapturaPrueba;
using pruebas::CompruebaInstantanea;
using pruebas::MensajeMostrado;

const MensajeMostrado Incorrecto(const std::string &titulo)
{
    return {"Valor incorrecto", BotonesMensaje::Aceptar, IconoMensaje::Ninguno, titulo};
}

class Seccion : public ::testing::Test {
protected:
    Seccion()
    {
        pruebas::PonGeometria(p.estado.tablas,
                              {
                                  {600, {}, {25, 25, 70}, {}, {20, 20, 80}, {20, 30, 90}},
                                  {1000, {}, {30, 30, 100}, {}, {25, 25, 110}, {25, 60, 120}},
                                  {1200, {}, {}, {}, {30, 30, 120}, {}},
                              });
        p.estado.tramo.Tipologia = 1210;
    }
    const std::vector<MensajeMostrado> &mostrados() { return p.mensajes.mostrados(); }
    CapturaPrueba p;
    CapturaDatos &v = p.captura;
    DatosTramo &t = p.estado.tramo;
};

TEST_F(Seccion, DiametroVacioEsIncorrecto)
{
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    t.vDi = 0.6;
    EXPECT_FALSE(ValidaDiametro(v, ""));
    EXPECT_EQ(t.vDi, 0.0);
    EXPECT_EQ(mostrados(), std::vector<MensajeMostrado>{Incorrecto("Diámetro Interior (m)")});
}

// A commercial diameter typed for the first time brings its recommended section.
TEST_F(Seccion, DiametroComercialTraeLaSeccionRecomendada)
{
    const auto antes = v.Instantanea();
    EXPECT_TRUE(ValidaDiametro(v, "1"));
    EXPECT_TRUE(mostrados().empty());
    EXPECT_EQ(t.DiametroComercial, Verdadero);
    EXPECT_EQ(t.vDi, 1.0);
    EXPECT_EQ(t.ESP, 10.0);
    EXPECT_EQ(t.RECI, 3.0);
    EXPECT_EQ(t.RECE, 3.0);
    EXPECT_DOUBLE_EQ(t.vDE, 1.2);
    EXPECT_EQ(t.RangoRecomendadoMin, 8);
    EXPECT_EQ(t.RangoRecomendadoMax, 12);
    const std::string lista = " Locked=0 Enabled=1 Visible=1 BackColor=Editable";
    CompruebaInstantanea(antes, v.Instantanea(),
                         {
                             "edEsp0: Text=\"10,0\" ListIndex=-1 List=[]" + lista,
                             "edReci0: Text=\"3,0\" ListIndex=-1 List=[]" + lista,
                             "edRece0: Text=\"3,0\" ListIndex=-1 List=[]" + lista,
                             "edDe0: Text=\"1,200\" ListIndex=-1 List=[]" + lista,
                             "lbEtiquetas(21): Caption=\"Espesor (cm.) (8 - 12)\" Enabled=1 "
                             "Visible=1",
                             "lbEtiquetas(22): Caption=\"Recubrim. Interior (cm.) (2 - 4)\" "
                             "Enabled=1 Visible=1",
                             "lbEtiquetas(23): Caption=\"Recubrim. Exterior (cm.) (2 - 4)\" "
                             "Enabled=1 Visible=1",
                         });

    // Left again unchanged: boxes the engineer changed stay, the variables take the
    // recommended values and the outer diameter follows them.
    ponTexto(v.edEsp0, "9,0");
    ponTexto(v.edReci0, "2,5");
    ponTexto(v.edRece0, "3,5");
    t.ESP = 9.0;
    t.RECI = 2.5;
    t.RECE = 3.5;
    EXPECT_TRUE(ValidaDiametro(v, "1"));
    EXPECT_EQ(v.edEsp0.Text(), "9,0");
    EXPECT_EQ(v.edReci0.Text(), "2,5");
    EXPECT_EQ(v.edRece0.Text(), "3,5");
    EXPECT_EQ(t.ESP, 10.0);
    EXPECT_EQ(t.RECI, 3.0);
    EXPECT_EQ(t.RECE, 3.0);
    EXPECT_EQ(v.edDe0.Text(), "1,200");

    // An emptied box takes its recommended value again.
    ponTexto(v.edRece0, " ");
    EXPECT_TRUE(ValidaDiametro(v, "1"));
    EXPECT_EQ(v.edRece0.Text(), "3,0");
}

TEST_F(Seccion, CamisaRevestidaNoTocaElRecubrimientoInterior)
{
    t.Tipologia = 2221;
    t.RECI = 7.0;
    ponTexto(v.edReci0, "");
    EXPECT_TRUE(ValidaDiametro(v, "1"));
    EXPECT_EQ(t.ESP, 12.0);
    EXPECT_EQ(t.RECE, 6.0);
    EXPECT_EQ(t.RECI, 7.0);
    EXPECT_EQ(v.edReci0.Text(), "");
    EXPECT_EQ(v.lbEtiquetas(22).Caption, "Recubrimiento Interior (cm.)");
    EXPECT_EQ(v.lbEtiquetas(21).Caption, "Espesor (cm.) (10 - 14)");
}

TEST_F(Seccion, DiametroNoComercial)
{
    const MensajeMostrado pregunta = {"¿ Desea Cambiarlo ?", BotonesMensaje::SiNo,
                                      IconoMensaje::Ninguno, "Este Diametro no es Comercial"};
    ASSERT_TRUE(ValidaDiametro(v, "1"));
    t.ESP = 8.0;

    // Yes: the engineer changes it; the diameter is refused and nothing else changes.
    p.mensajes.responde(RespuestaMensaje::Si);
    const auto antes = v.Instantanea();
    EXPECT_FALSE(ValidaDiametro(v, "0,7"));
    EXPECT_EQ(t.DiametroComercial, Falso);
    EXPECT_EQ(v.Instantanea(), antes);

    // No: accepted with plain captions and the outer diameter from the current thickness.
    p.mensajes.responde(RespuestaMensaje::No);
    EXPECT_TRUE(ValidaDiametro(v, "0,7"));
    EXPECT_EQ(mostrados(), (std::vector<MensajeMostrado>{pregunta, pregunta}));
    EXPECT_EQ(t.RangoRecomendadoMin, 0);
    EXPECT_EQ(t.RangoRecomendadoMax, 0);
    EXPECT_EQ(v.lbEtiquetas(21).Caption, "Espesor (cm.)");
    EXPECT_EQ(v.lbEtiquetas(22).Caption, "Recubrimiento Interior (cm.)");
    EXPECT_EQ(v.lbEtiquetas(23).Caption, "Recubrimiento Exterior (cm.)");
    EXPECT_EQ(v.edDe0.Text(), "0,860");
    EXPECT_EQ(v.edEsp0.Text(), "10,0");
}

struct CasoCampo {
    std::string nombre;
    std::int16_t comercial;
    std::string texto;
    ResultadoCampo resultado;
    double ESP; // after the check
    std::vector<MensajeMostrado> mensajes;
};

TEST_F(Seccion, EspesorSegunElDiametro)
{
    const MensajeMostrado noNumerico = {"Seleccione un valor numérico ", BotonesMensaje::Aceptar,
                                        IconoMensaje::Ninguno, "Espesor (cm.)"};
    const std::vector<CasoCampo> casos = {
        {"commercial, empty: recommended", Verdadero, "", ResultadoCampo::Aceptado, 10.0, {}},
        {"commercial, typed", Verdadero, "9,5", ResultadoCampo::Aceptado, 9.5, {}},
        {"commercial, not a number",
         Verdadero,
         "9a",
         ResultadoCampo::VuelveAlDiametro,
         4.0,
         {noNumerico}},
        {"not commercial, empty",
         Falso,
         "",
         ResultadoCampo::MantieneFoco,
         0.0,
         {Incorrecto("Espesor (cm.)")}},
        {"not commercial, typed", Falso, "9,5", ResultadoCampo::Aceptado, 9.5, {}},
    };
    for (const CasoCampo &c : casos) {
        SCOPED_TRACE(c.nombre);
        p.mensajes.olvida();
        for (std::size_t i = 0; i < c.mensajes.size(); ++i) {
            p.mensajes.responde(RespuestaMensaje::Aceptar);
        }
        t.vDi = 1.0;
        t.ESP = 4.0;
        t.DiametroComercial = c.comercial;
        EXPECT_EQ(ValidaEspesor(v, c.texto), c.resultado);
        EXPECT_EQ(t.ESP, c.ESP);
        EXPECT_EQ(mostrados(), c.mensajes);
        if (c.resultado == ResultadoCampo::Aceptado) {
            EXPECT_DOUBLE_EQ(t.vDE, 1.0 + 2 * c.ESP / 100);
        }
    }
}

// A commercial diameter whose typology has no data gives no recommended value.
TEST_F(Seccion, SinValorRecomendadoVuelveAlDiametro)
{
    t.vDi = 1.2;
    t.DiametroComercial = Verdadero;
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_EQ(ValidaRecubrimientoExterior(v, ""), ResultadoCampo::VuelveAlDiametro);
    EXPECT_EQ(mostrados(), (std::vector<MensajeMostrado>{
                               {"Este Diametro no es Comercial", BotonesMensaje::Aceptar,
                                IconoMensaje::Ninguno, "Recubrimiento Exterior (cm.)"}}));
    EXPECT_EQ(t.RECE, 0.0);
}

TEST_F(Seccion, RecubrimientoInteriorDeLaCamisaRevestida)
{
    t.Tipologia = 2221;
    t.vDi = 1.0;
    t.DiametroComercial = Verdadero;
    t.ESP = 12.0;
    t.RECI = 1.0;
    EXPECT_EQ(ValidaRecubrimientoExterior(v, "6"), ResultadoCampo::Aceptado);
    EXPECT_EQ(t.RECE, 6.0);
    EXPECT_EQ(t.RECI, 6.0);
    EXPECT_EQ(v.edReci0.Text(), "6,0");

    // The thickness only brings the inner cover along once an outer cover is given.
    ponTexto(v.edReci0, "");
    ponTexto(v.edRece0, "");
    EXPECT_EQ(ValidaEspesor(v, "14"), ResultadoCampo::Aceptado);
    EXPECT_EQ(v.edReci0.Text(), "");
    ponTexto(v.edRece0, "6,0");
    EXPECT_EQ(ValidaEspesor(v, "14"), ResultadoCampo::Aceptado);
    EXPECT_EQ(t.RECI, 8.0);
    EXPECT_EQ(v.edReci0.Text(), "8,0");
    EXPECT_TRUE(mostrados().empty());
}

// A thickness not above the outer cover would leave the lined cylinder a negative inner cover:
// refused, the focus to the outer cover, the inner cover as it was.
TEST_F(Seccion, CamisaRevestidaSinRecubrimientoInteriorSeRechaza)
{
    const MensajeMostrado aviso = {
        "El recubrimiento interior (espesor menos recubrimiento exterior) resulta menor de 0,1 cm",
        BotonesMensaje::Aceptar, IconoMensaje::Ninguno, "Recubrimiento Exterior (cm.)"};
    struct Caso {
        std::string nombre;
        bool espesor; // the thickness is checked, else the outer cover
        std::string texto;
        ResultadoCampo resultado;
    };
    const std::vector<Caso> casos = {
        {"outer cover equal to the thickness", false, "12",
         ResultadoCampo::VaAlRecubrimientoExterior},
        {"outer cover above it", false, "13", ResultadoCampo::VaAlRecubrimientoExterior},
        {"inner cover 0.05 cm", false, "11,95", ResultadoCampo::VaAlRecubrimientoExterior},
        {"inner cover 0.1 cm", false, "11,9", ResultadoCampo::Aceptado},
        {"thickness below the outer cover", true, "5", ResultadoCampo::VaAlRecubrimientoExterior},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        p.mensajes.olvida();
        t.Tipologia = 2221;
        t.vDi = 1.0;
        t.DiametroComercial = Verdadero;
        t.ESP = 12.0;
        t.RECE = 6.0;
        t.RECI = 6.0;
        ponTexto(v.edRece0, "6,0");
        ponTexto(v.edReci0, "6,0");
        const bool rechazo = c.resultado != ResultadoCampo::Aceptado;
        if (rechazo) {
            p.mensajes.responde(RespuestaMensaje::Aceptar);
        }
        EXPECT_EQ(c.espesor ? ValidaEspesor(v, c.texto) : ValidaRecubrimientoExterior(v, c.texto),
                  c.resultado);
        EXPECT_EQ(mostrados(),
                  rechazo ? std::vector<MensajeMostrado>{aviso} : std::vector<MensajeMostrado>{});
        if (rechazo) {
            EXPECT_EQ(t.RECI, 6.0);
            EXPECT_EQ(v.edReci0.Text(), "6,0");
        } else {
            EXPECT_NEAR(t.RECI, 0.1, 1e-9);
        }
        if (c.espesor) {
            EXPECT_EQ(t.ESP, 5.0);
            EXPECT_EQ(v.edDe0.Text(), "1,100");
        }
    }
}

TEST_F(Seccion, AnchoDeZanja)
{
    t.vDE = 1.2;
    EXPECT_TRUE(ValidaAnchoZanja(v, ""));
    EXPECT_DOUBLE_EQ(t.AnchoZanja, 2.36);
    EXPECT_EQ(v.edB0.Text(), "2,360");
    EXPECT_TRUE(ValidaAnchoZanja(v, "3"));
    EXPECT_EQ(t.AnchoZanja, 3.0);
    EXPECT_EQ(v.edB0.Text(), "2,360");

    p.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(ValidaAnchoZanja(v, "-1"));
    EXPECT_EQ(t.AnchoZanja, 3.0);
    EXPECT_EQ(mostrados(), (std::vector<MensajeMostrado>{
                               {"Seleccione un valor numérico ", BotonesMensaje::Aceptar,
                                IconoMensaje::Ninguno, "Anchura Zanja (m)"}}));
}

} // namespace
} // namespace dravek
