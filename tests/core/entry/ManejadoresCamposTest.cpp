// The field handlers box by box: enter a box, type, leave it; then the box's text, its variable,
// the messages shown, where the focus is, and the changed flag.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "apoyo/CapturaPrueba.h"
#include "core/entry/CapturaDatos.h"
#include "core/model/TextoRecurso.h"

namespace dravek {
namespace {

using pruebas::CapturaPrueba;
using pruebas::MensajeMostrado;
using pruebas::Ok;
using pruebas::T;

using Prepara = std::function<void(CapturaPrueba &)>;
using Lee = std::function<double(const EstadoObra &)>;

struct Fila {
    std::string nombre;
    Prepara prepara;
    std::string caja;
    std::string tecleado; // written after entering; "-" leaves the box as the entry left it
    std::vector<RespuestaMensaje> respuestas;
    // Expected.
    std::string texto;
    Lee variable;
    double valor;
    std::vector<MensajeMostrado> mensajes;
    bool rechaza;
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
        {"fck below the minimum is raised with a warning",
         {},
         "edFck",
         "250",
         {RespuestaMensaje::Aceptar},
         "275",
         fck,
         275,
         {Ok("AVISO: Valor Mínimo 275 (Kp/cm2)", tituloFck)},
         false},
        {"fck at the minimum", {}, "edFck", "275", {}, "275", fck, 275, {}, false},
        {"fck in SI below the minimum",
         [](CapturaPrueba &p) { p.muestraSI(true); },
         "edFck",
         "25",
         {RespuestaMensaje::Aceptar},
         "27,5",
         fck,
         27.5,
         {Ok("AVISO: Valor Mínimo 27,5 (MPa)", tituloFck)},
         false},
        {"empty fck puts the default back",
         {},
         "edFck",
         "",
         {RespuestaMensaje::Aceptar},
         "350",
         fck,
         350,
         {Ok(T(287), tituloFck)},
         true},
        {"empty fck in SI",
         [](CapturaPrueba &p) { p.muestraSI(true); },
         "edFck",
         "",
         {RespuestaMensaje::Aceptar},
         "35,0",
         fck,
         35,
         {Ok(T(287), tituloFck)},
         true},
        {"fyd within the admissible stress",
         MaterialesArmado,
         "edFyd",
         "1000",
         {},
         "1000",
         fyd,
         1000,
         {},
         false},
        {"fyd empty puts two thirds of fyk back",
         MaterialesArmado,
         "edFyd",
         "",
         {RespuestaMensaje::Aceptar},
         "1400",
         fyd,
         1400,
         {Ok(T(287), T(294))},
         true},
        {"gamma_c of 0 with its literal caption",
         {},
         "edGamaB",
         "0",
         {RespuestaMensaje::Aceptar},
         "1,50",
         [](const EstadoObra &e) { return e.tramo.GamaB; },
         1.5,
         {Ok(T(287), "Coeficiente Minoración del Hormigón")},
         true},
        {"sheet thickness accepts 0",
         {},
         "edCamMax",
         "0",
         {},
         "0,0",
         [](const EstadoObra &e) { return e.tramo.CAMMAX; },
         0,
         {},
         false},
        {"outer ceiling at 35.06 asks nothing",
         {},
         "edAdato",
         "35,06",
         {},
         "35,060",
         adato,
         35.06,
         {},
         false},
        {"outer ceiling above 35.06 declined",
         {},
         "edAdato",
         "35,07",
         {RespuestaMensaje::No},
         "35,070",
         adato,
         35.07,
         {{T(509) + "\n" + T(510) + "\n" + T(511) + " " + T(512), BotonesMensaje::SiNo,
           IconoMensaje::Ninguno, T(377)}},
         true},
        {"outer ceiling above 35.06 confirmed",
         {},
         "edAdato",
         "35,07",
         {RespuestaMensaje::Si},
         "35,070",
         adato,
         35.07,
         {{T(509) + "\n" + T(510) + "\n" + T(511) + " " + T(512), BotonesMensaje::SiNo,
           IconoMensaje::Ninguno, T(377)}},
         false},
        {"outer ceiling of 0 keeps the value and asks nothing",
         {},
         "edAdato",
         "0",
         {RespuestaMensaje::Aceptar},
         "0,000",
         adato,
         0,
         {Ok(T(287), "Valor Máximo Armadura Exterior")},
         true},
        {"control level not in the list",
         {},
         "edTipoControl",
         "Bueno",
         {RespuestaMensaje::Aceptar},
         T(113),
         [](const EstadoObra &e) { return e.tramo.TipoControl; },
         1,
         {Ok(T(287), T(219))},
         true},
        {"cylinder kind chosen by its text",
         {},
         "edTipoCamisa",
         T(115),
         {},
         T(115),
         [](const EstadoObra &e) { return e.tramo.IndicadorCamisa; },
         1,
         {},
         false},
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
        {"empty fckn in SI",
         si,
         "edFckn",
         "-",
         {},
         "40,00",
         [](const EstadoObra &e) { return e.tramo.Fckn; },
         40,
         {},
         false},
        {"empty fckn in MKS",
         {},
         "edFckn",
         "-",
         {},
         "400,00",
         [](const EstadoObra &e) { return e.tramo.Fckn; },
         400,
         {},
         false},
        {"empty steel modulus in SI",
         si,
         "edEs",
         "-",
         {},
         "210000",
         [](const EstadoObra &e) { return e.tramo.Es; },
         210000,
         {},
         false},
        {"empty wire strength in SI",
         si,
         "edSFck",
         "-",
         {},
         "1700",
         [](const EstadoObra &e) { return e.tramo.SFck; },
         1700,
         {},
         false},
        {"wire strength 0 accepted",
         {},
         "edSFck",
         "0",
         {},
         "0",
         [](const EstadoObra &e) { return e.tramo.Sf; },
         0,
         {},
         false},
        {"shrinkage below its minimum",
         {},
         "edEpsr",
         "0,00005",
         {RespuestaMensaje::Aceptar},
         "0,0003",
         [](const EstadoObra &e) { return e.tramo.Epsr; },
         0.0003,
         {Ok(T(287), T(306))},
         true},
        {"relaxation not a number",
         {},
         "edRel",
         "1,2,",
         {RespuestaMensaje::Aceptar},
         "2,00",
         [](const EstadoObra &e) { return e.tramo.Rel; },
         2,
         {Ok(T(693), T(208))},
         true},
        {"pressure coefficient keeps a refused value",
         {},
         "edCoepre1",
         "0",
         {RespuestaMensaje::Aceptar},
         "0,000",
         [](const EstadoObra &e) { return e.tramo.CoefPresionPrimario; },
         0,
         {Ok(T(287), T(295))},
         true},
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
