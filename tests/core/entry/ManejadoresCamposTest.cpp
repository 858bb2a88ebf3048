// The field handlers box by box: enter a box, type, leave it; then the box's text, its variable,
// the messages shown, where the focus is, and the changed flag.

#include "apoyo/CapturaPrueba.h"
#include "core/entry/CapturaDatos.h"
#include "core/model/TextoRecurso.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::CapturaPrueba;
using pruebas::MensajeMostrado;
using pruebas::Ok;
using pruebas::T;

using Prepara = std::function<void(CapturaPrueba &)>;
using Lee = std::function<double(const EstadoObra &)>;

// A row names only what it sets; the members a row may leave out carry their default here, so the
// compiler takes the omission as meant.
struct Fila {
    std::string nombre;
    Prepara prepara = {};
    std::string caja;
    std::string tecleado; // written after entering; "-" leaves the box as the entry left it
    std::vector<RespuestaMensaje> respuestas = {};
    // Expected.
    std::string texto;
    Lee variable;
    double valor = 0;
    std::vector<MensajeMostrado> mensajes = {};
    bool rechaza = false;
};

ControlTexto &Caja(CapturaPrueba &p, const std::string &nombre)
{
    return dynamic_cast<ControlTexto &>(*p.captura.BuscaControl(nombre));
}

// Enters the box, types, and tries to leave it for the project title (which has no handlers).
void Ejecuta(const Fila &f)
{
    SCOPED_TRACE(f.nombre);
    CapturaPrueba p;
    if (f.prepara) {
        f.prepara(p);
    }
    ControlTexto &caja = Caja(p, f.caja);
    ASSERT_TRUE(p.captura.cambiaFoco(caja));
    if (f.tecleado != "-") {
        ponTexto(caja, f.tecleado);
    }
    for (const RespuestaMensaje r : f.respuestas) {
        p.mensajes.responde(r);
    }
    const bool sale = p.captura.cambiaFoco(p.captura.edObra);
    EXPECT_EQ(sale, !f.rechaza);
    EXPECT_EQ(p.captura.Foco(), f.rechaza ? static_cast<Control *>(&caja) : &p.captura.edObra);
    EXPECT_EQ(caja.Text(), f.texto);
    if (f.variable) {
        EXPECT_NEAR(f.variable(p.estado), f.valor, 1e-9);
    }
    EXPECT_EQ(p.mensajes.mostrados(), f.mensajes);
}

// The run's materials typed by hand, as a run in capture has them (MKS).
void MaterialesArmado(CapturaPrueba &p)
{
    DatosTramo &t = p.estado.tramo;
    t.Fyk = 2100;
    ponTexto(p.captura.edFyk, "2100");
    t.Fyd = 1300;
    ponTexto(p.captura.edFyd, "1300");
}

TEST(MaterialesArmado, EntrarTeclearYSalir)
{
    const Lee fck = [](const EstadoObra &e) { return e.tramo.FCK; };
    const Lee fyd = [](const EstadoObra &e) { return e.tramo.Fyd; };
    const Lee adato = [](const EstadoObra &e) { return e.tramo.ArmaduraExteriorMaxima; };
    const std::string tituloFck = T(291);
    const std::vector<Fila> filas = {
        {.nombre = "fck below the minimum is raised with a warning",
         .caja = "edFck",
         .tecleado = "250",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = "275",
         .variable = fck,
         .valor = 275,
         .mensajes = {Ok("AVISO: Valor Mínimo 275 (Kp/cm2)", tituloFck)}},
        {.nombre = "fck at the minimum",
         .caja = "edFck",
         .tecleado = "275",
         .texto = "275",
         .variable = fck,
         .valor = 275},
        {.nombre = "fck in SI below the minimum",
         .prepara = [](CapturaPrueba &p) { p.muestraSI(true); },
         .caja = "edFck",
         .tecleado = "25",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = "27,5",
         .variable = fck,
         .valor = 27.5,
         .mensajes = {Ok("AVISO: Valor Mínimo 27,5 (MPa)", tituloFck)}},
        {.nombre = "empty fck puts the default back",
         .caja = "edFck",
         .tecleado = "",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = "350",
         .variable = fck,
         .valor = 350,
         .mensajes = {Ok(T(287), tituloFck)},
         .rechaza = true},
        {.nombre = "empty fck in SI",
         .prepara = [](CapturaPrueba &p) { p.muestraSI(true); },
         .caja = "edFck",
         .tecleado = "",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = "35,0",
         .variable = fck,
         .valor = 35,
         .mensajes = {Ok(T(287), tituloFck)},
         .rechaza = true},
        {.nombre = "fyd within the admissible stress",
         .prepara = MaterialesArmado,
         .caja = "edFyd",
         .tecleado = "1000",
         .texto = "1000",
         .variable = fyd,
         .valor = 1000},
        {.nombre = "fyd empty puts two thirds of fyk back",
         .prepara = MaterialesArmado,
         .caja = "edFyd",
         .tecleado = "",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = "1400",
         .variable = fyd,
         .valor = 1400,
         .mensajes = {Ok(T(287), T(294))},
         .rechaza = true},
        {.nombre = "gamma_c of 0 with its literal caption",
         .caja = "edGamaB",
         .tecleado = "0",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = "1,50",
         .variable = [](const EstadoObra &e) { return e.tramo.GamaB; },
         .valor = 1.5,
         .mensajes = {Ok(T(287), "Coeficiente Minoración del Hormigón")},
         .rechaza = true},
        {.nombre = "sheet thickness accepts 0",
         .caja = "edCamMax",
         .tecleado = "0",
         .texto = "0,0",
         .variable = [](const EstadoObra &e) { return e.tramo.CAMMAX; },
         .valor = 0},
        {.nombre = "outer ceiling at 35.06 asks nothing",
         .caja = "edAdato",
         .tecleado = "35,06",
         .texto = "35,060",
         .variable = adato,
         .valor = 35.06},
        {.nombre = "outer ceiling above 35.06 declined",
         .caja = "edAdato",
         .tecleado = "35,07",
         .respuestas = {RespuestaMensaje::No},
         .texto = "35,070",
         .variable = adato,
         .valor = 35.07,
         .mensajes = {{T(509) + "\n" + T(510) + "\n" + T(511) + " " + T(512), BotonesMensaje::SiNo,
                       IconoMensaje::Ninguno, T(377)}},
         .rechaza = true},
        {.nombre = "outer ceiling above 35.06 confirmed",
         .caja = "edAdato",
         .tecleado = "35,07",
         .respuestas = {RespuestaMensaje::Si},
         .texto = "35,070",
         .variable = adato,
         .valor = 35.07,
         .mensajes = {{T(509) + "\n" + T(510) + "\n" + T(511) + " " + T(512), BotonesMensaje::SiNo,
                       IconoMensaje::Ninguno, T(377)}}},
        {.nombre = "outer ceiling of 0 keeps the value and asks nothing",
         .caja = "edAdato",
         .tecleado = "0",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = "0,000",
         .variable = adato,
         .valor = 0,
         .mensajes = {Ok(T(287), "Valor Máximo Armadura Exterior")},
         .rechaza = true},
        {.nombre = "control level not in the list",
         .caja = "edTipoControl",
         .tecleado = "Bueno",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = T(113),
         .variable = [](const EstadoObra &e) { return e.tramo.TipoControl; },
         .valor = 1,
         .mensajes = {Ok(T(287), T(219))},
         .rechaza = true},
        {.nombre = "cylinder kind chosen by its text",
         .caja = "edTipoCamisa",
         .tecleado = T(115),
         .texto = T(115),
         .variable = [](const EstadoObra &e) { return e.tramo.IndicadorCamisa; },
         .valor = 1},
    };
    for (const Fila &f : filas) {
        Ejecuta(f);
    }
}

TEST(MaterialesArmado, FckMuestraLaResistenciaATraccionQueUsaElCalculo)
{
    CapturaPrueba p;
    p.captura.cambiaFoco(p.captura.edFck);
    EXPECT_EQ(p.captura.edFck.Text(), "350");
    // 0.45 x 350^(2/3) = 0.45 x 49.66 = 22.35 kp/cm2.
    EXPECT_EQ(p.captura.edFct.Text(), "22");
    ponTexto(p.captura.edFck, "400");
    p.captura.cambiaFoco(p.captura.edObra);
    // 0.45 x 400^(2/3) = 0.45 x 54.29 = 24.43 kp/cm2.
    EXPECT_NEAR(p.estado.tramo.Fct, 24.43, 0.01);
    EXPECT_EQ(p.captura.edFct.Text(), "24");
}

TEST(MaterialesArmado, FydSigueAFykSoloSiFykCambia)
{
    CapturaPrueba p;
    MaterialesArmado(p);
    p.captura.cambiaFoco(p.captura.edFyk);
    p.captura.cambiaFoco(p.captura.edObra);
    EXPECT_EQ(p.captura.edFyd.Text(), "1300");
    p.captura.cambiaFoco(p.captura.edFyk);
    ponTexto(p.captura.edFyk, "2400");
    p.captura.cambiaFoco(p.captura.edObra);
    EXPECT_EQ(p.estado.tramo.Fyd, 1600);
    EXPECT_EQ(p.captura.edFyd.Text(), "1600");
}

TEST(MaterialesArmado, FckEnLaPaginaDePostesadoPasaElFocoAlEspesorDeCamisa)
{
    CapturaPrueba p;
    p.estado.ejecucion.Cargando = true; // no typology switch
    ponPestana(p.captura.TabTipologia, 1);
    p.estado.ejecucion.Cargando = false;
    p.captura.cambiaFoco(p.captura.edFck);
    EXPECT_EQ(p.captura.PeticionFoco(), &p.captura.edDelca);
    EXPECT_EQ(p.captura.edFck.Text(), "");
}

TEST(MaterialesArmado, LaCasillaDelTechoExteriorMuestraYVaciaSuCaja)
{
    CapturaPrueba p;
    ponValor(p.captura.edIcontes0, EstadoCasilla::Marcada);
    EXPECT_TRUE(p.captura.edAdato.Visible);
    EXPECT_TRUE(p.captura.lbEtiquetas(8).Visible);
    EXPECT_EQ(p.estado.tramo.FijaArmaduraExterior, Verdadero);
    EXPECT_TRUE(p.estado.ejecucion.DatosModificados);
    ponTexto(p.captura.edAdato, "20");
    p.estado.tramo.ArmaduraExteriorMaxima = 20;
    p.estado.ejecucion.DatosModificados = false;
    p.ajustes.olvida();

    ponValor(p.captura.edIcontes0, EstadoCasilla::Vacia);
    EXPECT_FALSE(p.captura.edAdato.Visible);
    EXPECT_EQ(p.captura.edAdato.BackColor, ColorFondo::Cerrado);
    EXPECT_EQ(p.captura.edAdato.Text(), "");
    EXPECT_FALSE(p.captura.lbEtiquetas(8).Visible);
    EXPECT_EQ(p.estado.tramo.ArmaduraExteriorMaxima, 0);
    EXPECT_EQ(p.estado.tramo.FijaArmaduraExterior, Falso);
    EXPECT_TRUE(p.estado.ejecucion.DatosModificados);
    EXPECT_GE(p.ajustes.veces(), 1);

    ponValor(p.captura.edIcontes0, EstadoCasilla::Marcada);
    EXPECT_EQ(p.captura.edAdato.Text(), "");
}

TEST(MaterialesPostesado, EntrarTeclearYSalir)
{
    const auto si = [](CapturaPrueba &p) { p.muestraSI(true); };
    const std::vector<Fila> filas = {
        {.nombre = "empty fckn in SI",
         .prepara = si,
         .caja = "edFckn",
         .tecleado = "-",
         .texto = "40,00",
         .variable = [](const EstadoObra &e) { return e.tramo.Fckn; },
         .valor = 40},
        {.nombre = "empty fckn in MKS",
         .caja = "edFckn",
         .tecleado = "-",
         .texto = "400,00",
         .variable = [](const EstadoObra &e) { return e.tramo.Fckn; },
         .valor = 400},
        {.nombre = "empty steel modulus in SI",
         .prepara = si,
         .caja = "edEs",
         .tecleado = "-",
         .texto = "210000",
         .variable = [](const EstadoObra &e) { return e.tramo.Es; },
         .valor = 210000},
        {.nombre = "empty wire strength in SI",
         .prepara = si,
         .caja = "edSFck",
         .tecleado = "-",
         .texto = "1700",
         .variable = [](const EstadoObra &e) { return e.tramo.SFck; },
         .valor = 1700},
        {.nombre = "wire strength 0 accepted",
         .caja = "edSFck",
         .tecleado = "0",
         .texto = "0",
         .variable = [](const EstadoObra &e) { return e.tramo.Sf; },
         .valor = 0},
        {.nombre = "shrinkage below its minimum",
         .caja = "edEpsr",
         .tecleado = "0,00005",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = "0,0003",
         .variable = [](const EstadoObra &e) { return e.tramo.Epsr; },
         .valor = 0.0003,
         .mensajes = {Ok(T(287), T(306))},
         .rechaza = true},
        {.nombre = "relaxation not a number",
         .caja = "edRel",
         .tecleado = "1,2,",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = "2,00",
         .variable = [](const EstadoObra &e) { return e.tramo.Rel; },
         .valor = 2,
         .mensajes = {Ok(T(693), T(208))},
         .rechaza = true},
        {.nombre = "pressure coefficient keeps a refused value",
         .caja = "edCoepre1",
         .tecleado = "0",
         .respuestas = {RespuestaMensaje::Aceptar},
         .texto = "0,000",
         .variable = [](const EstadoObra &e) { return e.tramo.CoefPresionPrimario; },
         .valor = 0,
         .mensajes = {Ok(T(287), T(295))},
         .rechaza = true},
    };
    for (const Fila &f : filas) {
        Ejecuta(f);
    }
}

TEST(MaterialesPostesado, LaTensionDeTesadoSigueALaDeRoturaSoloSiEstaCambia)
{
    CapturaPrueba p;
    p.estado.tramo.SFck = 17000;
    ponTexto(p.captura.edSFck, "17000");
    p.estado.tramo.Sf = 13000;
    ponTexto(p.captura.edSf, "13000");
    p.captura.cambiaFoco(p.captura.edSFck);
    EXPECT_EQ(p.captura.TabPostesados.Tab(), 2);
    p.captura.cambiaFoco(p.captura.edObra);
    EXPECT_EQ(p.estado.tramo.Sf, 13000);

    p.captura.cambiaFoco(p.captura.edSFck);
    ponTexto(p.captura.edSFck, "16000");
    p.captura.cambiaFoco(p.captura.edObra);
    EXPECT_EQ(p.estado.tramo.Sf, 12000);
    EXPECT_EQ(p.captura.edSf.Text(), "12000");
    EXPECT_EQ(p.captura.lbEtiquetas(78).Caption, T(207) + "(12000)");

    // A tensioning stress of 0 is refused and 75 % of the wire strength put back.
    p.captura.cambiaFoco(p.captura.edSf);
    ponTexto(p.captura.edSf, "0");
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(p.captura.cambiaFoco(p.captura.edObra));
    EXPECT_EQ(p.mensajes.mostrados(), std::vector<MensajeMostrado>{Ok(T(287), T(207))});
    EXPECT_EQ(p.captura.edSf.Text(), "12000");
}

TEST(MaterialesPostesado, PaginasQueSiguenAlFocoYPasoALaColocacion)
{
    CapturaPrueba p;
    // A run is chosen: the laying page is entered only for one.
    ponTexto(p.captura.edTramo, "1");
    ponPestana(p.captura.TabPostesados, 1);
    p.captura.cambiaFoco(p.captura.edFic);
    EXPECT_EQ(p.captura.TabPostesados.Tab(), 3);
    p.captura.cambiaFoco(p.captura.edEpsr);
    ponTexto(p.captura.edEpsr, "0,0003");
    EXPECT_TRUE(p.captura.cambiaFoco(p.captura.edObra));
    EXPECT_EQ(p.captura.TabPrincipal.Tab(), 2);
    EXPECT_EQ(p.captura.TabDatosColocacion.Tab(), 0);
    EXPECT_EQ(p.captura.PeticionFoco(), &p.captura.TabPrincipal);
}

TEST(MaterialesPostesado, LaCasillaDelCoeficienteNoAnulaAjustes)
{
    CapturaPrueba p;
    ponValor(p.captura.edIcontes1, EstadoCasilla::Marcada);
    EXPECT_TRUE(p.captura.edCoepre1.Visible);
    EXPECT_EQ(p.estado.tramo.FijaPresionPrimario, Verdadero);
    ponTexto(p.captura.edCoepre1, "1,2");
    p.estado.tramo.CoefPresionPrimario = 1.2;
    p.estado.ejecucion.DatosModificados = false;
    ponValor(p.captura.edIcontes1, EstadoCasilla::Vacia);
    EXPECT_FALSE(p.captura.edCoepre1.Visible);
    EXPECT_FALSE(p.captura.lbEtiquetas(7).Visible);
    EXPECT_EQ(p.captura.edCoepre1.Text(), "");
    EXPECT_EQ(p.captura.edCoepre1.BackColor, ColorFondo::Cerrado);
    EXPECT_EQ(p.estado.tramo.CoefPresionPrimario, 0);
    EXPECT_EQ(p.estado.tramo.FijaPresionPrimario, Falso);
    EXPECT_TRUE(p.estado.ejecucion.DatosModificados);
    EXPECT_EQ(p.ajustes.veces(), 0);
}

} // namespace
} // namespace dravek
