#include "core/entry/PatronCampos.h"

#include "apoyo/CapturaPrueba.h"
#include "core/entry/CamposCaptura.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::CapturaPrueba;
using pruebas::MensajeMostrado;

enum class Cambio { Ninguno, Marca, Ajustes };

// What a change of each box's text does, whoever writes it.
TEST(Cambios, MarcanElTramoYAnulanLosAjustesSegunLaCaja)
{
    struct Caso {
        std::string caja;
        Cambio cambio;
    };
    std::vector<Caso> casos;
    for (const char *c :
         {"edAdato", "edCamMax", "edFck", "edFyk", "edFyd", "edGamaB", "edTipoControl",
          "edTipoCamisa", "edHr0", "edB0", "edGr0", "edFi0", "edHr1", "edQDato0", "edIAs",
          "edICar0", "edTipoApoyo0", "edTipoCuna0", "edTipoRelleno0", "edFYKPost",
          // The section decides the design too.
          "edEsp0", "edReci0", "edRece0", "edGc0", "edDi0"}) {
        casos.push_back({c, Cambio::Ajustes});
    }
    for (const char *c :
         {"edDelca", "edCoepre1", "edEs", "edEp", "edFckno", "edFckn", "edFckr", "edSf", "edRel",
          "edFic", "edFir", "edEpsc", "edEpsr", "edDescriTramo", "edSFck"}) {
        casos.push_back({c, Cambio::Marca});
    }
    for (const char *c : {"edPrs1",     "edPrs2",     "edPrs3",     "edPrsM1",       "edPrsM2",
                          "edPrs1Tram", "edPrs2Tram", "edPrs3Tram", "edPrsM1Tram",   "edPrsM2Tram",
                          "edAlt1",     "edAlt2",     "edAlt3",     "edHr0Final",    "edHr0Delta",
                          "edFct",      "edDe0",      "edTramo",    "edIdioma",      "edGamaY",
                          "edGamaF",    "edObra",     "edCliente",  "edDescriTramo2"}) {
        casos.push_back({c, Cambio::Ninguno});
    }
    for (const bool cargando : {false, true}) {
        for (const Caso &c : casos) {
            SCOPED_TRACE(c.caja + (cargando ? " loading" : ""));
            CapturaPrueba p;
            p.estado.ejecucion.Cargando = cargando;
            auto &caja = dynamic_cast<ControlTexto &>(*p.captura.BuscaControl(c.caja));
            ponTexto(caja, "1");
            EXPECT_EQ(p.estado.ejecucion.DatosModificados, c.cambio != Cambio::Ninguno);
            EXPECT_EQ(p.ajustes.veces(), c.cambio == Cambio::Ajustes && !cargando ? 1 : 0);
            EXPECT_EQ(p.estado.ejecucion.SFckModificado, c.caja == "edSFck");
            EXPECT_EQ(p.estado.tramo.AnchoZanjaAutomatico,
                      c.caja == "edDi0" && !cargando ? Verdadero : Falso);

            // The same text again changes nothing.
            p.estado.ejecucion.DatosModificados = false;
            ponTexto(caja, "1");
            EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
        }
    }
}

TEST(Teclas, LasCajasNumericasFiltranSusTeclas)
{
    const std::vector<std::string> filtradas = {
        "edCamMax",   "edFck",   "edFct",      "edFyk",       "edFyd",       "edEs",
        "edEp",       "edFckno", "edFckn",     "edFckr",      "edSf",        "edRel",
        "edFic",      "edFir",   "edEpsc",     "edEpsr",      "edSFck",      "edPrs1",
        "edPrs2",     "edPrsM2", "edPrs1Tram", "edPrs2Tram",  "edPrsM2Tram", "edAlt2",
        "edHr0Final", "edPrs3",  "edPrsM1",    "edPrsM1Tram", "edAlt1",      "edAlt3",
        "edHr0Delta", "edHr0",   "edDi0",      "edEsp0",      "edReci0",     "edRece0",
        "edDe0",      "edB0",    "edGr0",      "edFi0",       "edHr1",       "edQDato0",
        "edGc0"};
    for (const std::string &nombre : filtradas) {
        SCOPED_TRACE(nombre);
        CapturaPrueba p;
        auto &caja = dynamic_cast<ControlTexto &>(*p.captura.BuscaControl(nombre));
        teclea(caja, "1a-+e 2.5,3\b4");
        EXPECT_EQ(caja.Text(), "12,54");
    }
    // Boxes without the filter take any key; their leave check refuses what is not a number.
    for (const std::string nombre : {"edAdato", "edGamaB", "edDelca", "edCoepre1", "edPrs3Tram",
                                     "edFYKPost", "edDescriTramo"}) {
        SCOPED_TRACE(nombre);
        CapturaPrueba p;
        auto &caja = dynamic_cast<ControlTexto &>(*p.captura.BuscaControl(nombre));
        teclea(caja, "1a-");
        EXPECT_EQ(caja.Text(), "1a-");
    }
}

class Patron : public ::testing::Test {
protected:
    const CampoNumerico &fck = *BuscaCampo("edFck");
    const CampoNumerico &prs1 = *BuscaCampo("edPrs1");
    const CampoCodigo &control = *BuscaCampoCodigo("edTipoControl");
    const CampoCodigo &cargas = *BuscaCampoCodigo("edICar0");
    CapturaPrueba p;
    CapturaDatos &v = p.captura;
    EstadoObra &e = p.estado;
};

TEST_F(Patron, EntradaPoneElDefectoEnUnaCajaVacia)
{
    p.muestraSI(true);
    EntraCampoNumerico(v, fck);
    EXPECT_EQ(v.edFck.Text(), "35,0");
    EXPECT_EQ(e.tramo.FCK, 35.0);

    ponTexto(v.edFck, "40");
    EntraCampoNumerico(v, fck);
    EXPECT_EQ(v.edFck.Text(), "40");

    EntraCampoNumerico(v, prs1); // no default
    EXPECT_EQ(v.edPrs1.Text(), "");

    EntraCampoCodigo(v, cargas);
    EXPECT_EQ(v.edICar0.Text(), "Eje de 13 Toneladas");
    EXPECT_EQ(e.tramo.TipoCargaConcentrada, 2);
}

struct Salida {
    std::string nombre;
    bool conDefecto; // edFck (default 350) or edPrs1 (none)
    std::string texto;
    bool aceptado;
    double valor; // the variable afterwards
    std::string mostrado;
    std::string mensaje;
};

TEST_F(Patron, SalidaNumerica)
{
    const std::string incorrecto = "Valor incorrecto";
    const std::string noNumerico = "Seleccione un valor numérico ";
    const std::vector<Salida> casos = {
        {"accepted", true, "300", true, 300, "300", ""},
        {"reformatted", true, "300,4", true, 300.4, "300", ""},
        {"empty with a default", true, "", false, 350, "350", incorrecto},
        {"below the minimum with a default", true, "0,0001", false, 350, "350", incorrecto},
        {"not a number with a default", true, "3x", false, 350, "350", noNumerico},
        {"pasted sign", true, "-300", false, 350, "350", noNumerico},
        {"pasted exponent", true, "3e2", false, 350, "350", noNumerico},
        {"not a number, no default: the old value", false, "abc", false, 2.5, "2,50", noNumerico},
        {"below the minimum, no default: it stays", false, "0,0004", false, 0.0004, "0,00",
         incorrecto},
    };
    for (const Salida &c : casos) {
        SCOPED_TRACE(c.nombre);
        p.mensajes.olvida();
        if (!c.mensaje.empty()) {
            p.mensajes.responde(RespuestaMensaje::Aceptar);
        }
        const CampoNumerico &campo = c.conDefecto ? fck : prs1;
        campo.variable.de(e) = 2.5;
        ponTexto(campo.control(v), c.texto);
        bool Cancel = false;
        EXPECT_EQ(SaleCampoNumerico(v, campo, 0.001, 148, Cancel), c.aceptado);
        EXPECT_EQ(Cancel, !c.aceptado);
        EXPECT_DOUBLE_EQ(campo.variable.de(e), c.valor);
        EXPECT_EQ(campo.control(v).Text(), c.mostrado);
        std::vector<MensajeMostrado> esperados;
        if (!c.mensaje.empty()) {
            esperados.push_back({c.mensaje, BotonesMensaje::Aceptar, IconoMensaje::Ninguno,
                                 "Característica del hormigón a compresión  "});
        }
        EXPECT_EQ(p.mensajes.mostrados(), esperados);
    }
}

TEST_F(Patron, SalidaDeUnaListaDeCodigos)
{
    const auto titulo = "Tipo de Control";
    bool Cancel = false;
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(SaleCampoCodigo(v, control, 219, Cancel));
    EXPECT_TRUE(Cancel);
    EXPECT_EQ(v.edTipoControl.Text(), "Intenso");
    EXPECT_EQ(e.tramo.TipoControl, 1);

    Cancel = false;
    ponTexto(v.edTipoControl, "normal"); // compared exactly
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(SaleCampoCodigo(v, control, 219, Cancel));
    EXPECT_TRUE(Cancel);
    EXPECT_EQ(v.edTipoControl.Text(), "Intenso");
    EXPECT_EQ(p.mensajes.mostrados(),
              (std::vector<MensajeMostrado>{
                  {"Dato Requerido", BotonesMensaje::Aceptar, IconoMensaje::Ninguno, titulo},
                  {"Valor incorrecto", BotonesMensaje::Aceptar, IconoMensaje::Ninguno, titulo}}));

    // A new code marks the run and voids its overrides; the same code again does neither.
    Cancel = false;
    e.ejecucion.DatosModificados = false;
    p.ajustes.olvida();
    ponTexto(v.edTipoControl, "Normal");
    e.ejecucion.DatosModificados = false;
    p.ajustes.olvida();
    EXPECT_TRUE(SaleCampoCodigo(v, control, 219, Cancel));
    EXPECT_FALSE(Cancel);
    EXPECT_EQ(e.tramo.TipoControl, 2);
    EXPECT_TRUE(e.ejecucion.DatosModificados);
    EXPECT_EQ(p.ajustes.veces(), 1);
    e.ejecucion.DatosModificados = false;
    EXPECT_TRUE(SaleCampoCodigo(v, control, 219, Cancel));
    EXPECT_FALSE(e.ejecucion.DatosModificados);
    EXPECT_EQ(p.ajustes.veces(), 1);

    // The first entry of the live loads has the code 0, and is a valid choice.
    ponTexto(v.edICar0, "No se considera");
    e.tramo.TipoCargaConcentrada = 2;
    EXPECT_TRUE(SaleCampoCodigo(v, cargas, 242, Cancel));
    EXPECT_EQ(e.tramo.TipoCargaConcentrada, 0);
    EXPECT_FALSE(Cancel);
}

// Choosing with the mouse stores the choice at once; not while a run is being loaded.
TEST_F(Patron, ElegirConElRatonValidaEnElActo)
{
    v.edTipoControl.Validate = [this](bool &Cancel) { SaleCampoCodigo(v, control, 219, Cancel); };
    v.edTipoControl.Click = [this] { EligeEnLista(v, v.edTipoControl); };
    e.tramo.TipoControl = 1;
    e.ejecucion.Cargando = true;
    ponIndice(v.edTipoControl, 1);
    EXPECT_EQ(e.tramo.TipoControl, 1);
    e.ejecucion.Cargando = false;
    ponIndice(v.edTipoControl, 0);
    ponIndice(v.edTipoControl, 1);
    EXPECT_EQ(e.tramo.TipoControl, 2);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
}

} // namespace
} // namespace dravek
