#include "core/entry/LimpiezaTramo.h"

#include "apoyo/CapturaPrueba.h"
#include "core/entry/MenuPrincipal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::CapturaPrueba;
using pruebas::CompruebaInstantanea;
using pruebas::Figuras;

// Expected snapshot lines, written out by hand.
std::string Caja(const std::string &nombre, const std::string &texto, bool visible = true,
                 bool cerrado = false, bool locked = false, bool enabled = true)
{
    return nombre + ": Text=\"" + texto + "\" Locked=" + (locked ? "1" : "0") +
           " Enabled=" + (enabled ? "1" : "0") + " Visible=" + (visible ? "1" : "0") +
           " BackColor=" + (cerrado ? "Cerrado" : "Editable");
}

std::string Lista(const std::string &nombre, const std::string &texto, int indice,
                  const std::string &entradas, bool visible = true, bool cerrado = false)
{
    return nombre + ": Text=\"" + texto + "\" ListIndex=" + std::to_string(indice) + " List=[" +
           entradas + "] Locked=0 Enabled=1 Visible=" + (visible ? "1" : "0") +
           " BackColor=" + (cerrado ? "Cerrado" : "Editable");
}

std::string Etiqueta(int item, bool visible)
{
    return "lbEtiquetas(" + std::to_string(item) +
           "): Caption=\"\" Enabled=1 Visible=" + (visible ? "1" : "0");
}

const std::string Control = "Intenso|Normal";
const std::string Camisa = "Camisa y espiras|Sólo Camisa";
const std::string Cuna = "Granular, 90 grd|Hormigón, 120 grd";
const std::string Apoyo = "Relleno sin Compactar|Relleno Compactado";
const std::string Cargas = "No se considera|Eje de 7 Toneladas|Eje de 13 Toneladas|Carro de 60 "
                           "Toneladas|Tráfico ferroviario";
const std::string Relleno = "No cohesivo, Rocas Machacadas|No cohesivo, Rocas con Gravas|"
                            "Cohesivo, Arena Arcillosa|Cohesivo, Arcillas ordinarias|Cohesivo, "
                            "Arcillas plásticas";
const std::string Asiento = "Roca o suelo no asentable|Suelo Ordinario|Suelo Asentable";

// What a new run looks like after the full clearing and the reinforced-concrete defaults.
std::vector<std::string> NuevoTramoArmado(bool si, const std::string &figuraZanja)
{
    std::vector<std::string> l = {
        std::string("Caption=\"Captura de datos. Sistema unidades: ") +
            (si ? "Internacional(SI)" : "MKS") + "\"",
        "TabTipologia: Tab=0 Enabled=1 Visible=1",
        "TabPostesados: Tab=0 Enabled=1 Visible=1",
        "TabDatosColocacion: Tab=0 Enabled=1 Visible=1",
        Lista("edTramo", "", -1, ""),
        Caja("edDescriTramo", ""),
        Caja("edPrsM1Tram", ""),
        Caja("edPrsM2Tram", ""),
        Caja("edPrs1Tram", ""),
        Caja("edPrs2Tram", "", true, true),
        Caja("edPrs3Tram", "", true, true, true, false),
        "edIcontes0: Value=0 Enabled=1 Visible=1 Caption=\"\"",
        Caja("edAdato", "", false, true),
        Lista("edTipoControl", "Intenso", 0, Control),
        Lista("edTipoCamisa", "Sólo Camisa", 1, Camisa),
        Caja("edCamMax", "6,0"),
        Caja("edFck", si ? "35,0" : "350"),
        // What the calculation uses, 22.35 kp/cm2, also in SI.
        Caja("edFct", si ? "2,2" : "22"),
        Caja("edFyk", si ? "210,0" : "2100"),
        Caja("edFyd", si ? "140,0" : "1400"),
        Caja("edGamaB", "1,50"),
        Caja("edGamaY", ""),
        Caja("edGamaF", ""),
        "edIcontes1: Value=0 Enabled=1 Visible=1 Caption=\"\"",
        Caja("edCoepre1", "", false, true),
        Caja("edDelca", ""),
        "TipoCamisa: Value=-1 Enabled=1 Visible=1 Opciones=[\"\"/1/1|\"\"/1/1]",
        "ptPostesado: Picture=\"\" Enabled=1 Visible=1",
        Lista("edTramo2", "", -1, ""),
        Caja("edDescriTramo2", ""),
        Lista("edDi0", "", -1, ""),
        Lista("edEsp0", "", -1, ""),
        Lista("edReci0", "", -1, ""),
        Lista("edRece0", "", -1, ""),
        Lista("edDe0", "", -1, ""),
        Caja("edGc0", "2,50"),
        "rdTipoColocacion: Value=0 Enabled=1 Visible=1 Opciones=[\"\"/1/1|\"\"/1/1|\"\"/1/1]",
        "ptColocacion: Picture=\"" + figuraZanja + "\" Enabled=1 Visible=1",
        Lista("edTipoCuna0", "Granular, 90 grd", 0, Cuna),
        Lista("edTipoApoyo0", "Relleno Compactado", 1, Apoyo),
        Caja("edHr0", ""),
        Caja("edHr0Final", ""),
        Caja("edHr0Delta", ""),
        Caja("edB0", ""),
        Caja("edGr0", "1,80"),
        Caja("edFi0", "30,00"),
        Lista("edTipoRelleno0", "Cohesivo, Arena Arcillosa", 2, Relleno),
        Caja("edHr1", "", false, true),
        Lista("edIAs", "", -1, Asiento, false, true),
        Caja("edQDato0", ""),
        Lista("edICar0", "Eje de 13 Toneladas", 2, Cargas),
        Caja("avCargas1", "", true, true),
        "btCancelar: Caption=\"Cancelar\" Enabled=1 Visible=1 ToolTipText=\"\"",
        "btAjustar: Caption=\"\" Enabled=1 Visible=1 ToolTipText=\"\"",
        Etiqueta(7, false),
        Etiqueta(8, false),
        Etiqueta(22, true),
        Etiqueta(26, true),
        Etiqueta(32, true),
        // The live load's caption: its box is shown with the 13-tonne axle.
        Etiqueta(34, true),
        Etiqueta(50, false),
        Etiqueta(53, false),
    };
    for (const char *c : {"edEs", "edEp", "edFckno", "edFckn", "edFckr", "edSFck", "edSf", "edRel",
                          "edFic", "edFir", "edEpsc", "edEpsr"}) {
        l.push_back(Caja(c, ""));
    }
    return l;
}

enum class Partida { VentanaNueva, TramoPostesadoRevestido, SinFiguras };

struct CasoLimpieza {
    std::string nombre;
    bool si;
    Partida partida;
};

class LimpiezaCompleta : public ::testing::TestWithParam<CasoLimpieza> {};

// The full clearing and the reinforced-concrete defaults, as the new-run command runs them:
// every control and variable of a run not entered yet, whatever was shown before.
TEST_P(LimpiezaCompleta, DejaUnTramoNuevoDeHormigonArmado)
{
    const CasoLimpieza &c = GetParam();
    CapturaPrueba p(c.partida == Partida::SinFiguras ? Figuras::Ausentes : Figuras::Presentes);
    CapturaDatos &v = p.captura;
    EstadoObra &e = p.estado;
    p.muestraSI(c.si);
    if (c.partida == Partida::TramoPostesadoRevestido) {
        // A lined post-tensioned run with its section, heights and load, being edited.
        ponPestana(v.TabTipologia, 1);
        ponValor(v.TipoCamisa, 1, true);
        ASSERT_EQ(e.tramo.Tipologia, 2221);
        ponTexto(v.edDi0, "1,000");
        e.tramo.vDi = 1.0;
        ponTexto(v.edHr0, "5,00");
        ponTexto(v.edHr0Final, "8,00");
        ponTexto(v.edHr0Delta, "1,00");
        e.tramo.AlturaInicialTramo = 5;
        e.tramo.AlturaFinalTramo = 8;
        e.tramo.IncrementoAltura = 1;
        e.caso.AlturaActual = 5;
        // A typed total load: the live load does not apply and its choice is hidden.
        ponTexto(v.edQDato0, "3,00");
        e.tramo.CargaVerticalTotal = 3;
        e.tramo.CalculoCargas = 0;
        v.edICar0.Visible = false;
        v.edICar0.BackColor = ColorFondo::Cerrado;
        v.lbEtiquetas(34).Visible = false;
        e.caso.vQ = 3;
        ponTexto(v.edTramo, "4");
        e.tramo.TramoActual = 4;
        e.ejecucion.ModoCaptura = "MODIFICACIONES";
        e.ejecucion.DatosModificados = true;
    }
    e.tramo.FykPost = 1234;
    ponTexto(v.edFYKPost, "1234");
    p.ajustes.olvida();
    const auto antes = v.Instantanea();

    LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
    PonDefectosArmado(v);

    EXPECT_TRUE(p.mensajes.mostrados().empty());
    CompruebaInstantanea(
        antes, v.Instantanea(),
        NuevoTramoArmado(c.si, c.partida == Partida::SinFiguras ? "" : p.figura("Zanja1a.bmp")));
    const double F = c.si ? 10.0 : 1.0;
    const DatosTramo &t = e.tramo;
    EXPECT_EQ(t.Tipologia, 1210);
    EXPECT_EQ(t.EsArmado, Verdadero);
    EXPECT_EQ(t.ClaseFisuracion, 3);
    EXPECT_EQ(t.TipoPostesado, 0);
    EXPECT_EQ(t.TipoControl, 1);
    EXPECT_EQ(t.IndicadorCamisa, 2);
    EXPECT_EQ(t.CAMMAX, 6.0);
    EXPECT_DOUBLE_EQ(t.FCK, 350 / F);
    EXPECT_NEAR(t.Fct, 0.45 * std::cbrt(350.0 * 350.0) / F, 1e-12);
    EXPECT_NEAR(t.Fct, 22.35 / F, 0.01 / F);
    EXPECT_DOUBLE_EQ(t.Fyk, 2100 / F);
    EXPECT_DOUBLE_EQ(t.Fyd, 1400 / F);
    EXPECT_EQ(t.GamaB, 1.5);
    EXPECT_EQ(t.GamaY, 1.1);
    EXPECT_EQ(t.GamaF, 1.5);
    EXPECT_EQ(t.FijaArmaduraExterior, Falso);
    EXPECT_EQ(t.ArmaduraExteriorMaxima, 0);
    EXPECT_EQ(t.FijaPresionPrimario, Falso);
    for (const double x : {t.CoefPresionPrimario, t.Delca, t.Es, t.Ep, t.Fckno, t.Fckn, t.Fckr,
                           t.SFck, t.Sf, t.Rel, t.Fic, t.Fir, t.Epsc, t.Epsr}) {
        EXPECT_EQ(x, 0);
    }
    EXPECT_EQ(t.FykPost, 1234); // the cylinder steel stays until the post-tensioned defaults
    EXPECT_EQ(v.edFYKPost.Text(), "1234");
    for (const double x : {t.MDPInicialTramo, t.MDPFinalTramo, t.DPInicialTramo, t.DPFinalTramo,
                           t.IncrementoPresionTramo, t.vDi, t.ESP, t.RECI, t.RECE, t.vDE,
                           t.AnchoZanja, t.DistanciaTerrenoNatural, t.CargaVerticalTotal}) {
        EXPECT_EQ(x, 0);
    }
    // A new run does not inherit the heights of the run shown before.
    EXPECT_EQ(t.AlturaInicialTramo, 0);
    EXPECT_EQ(t.AlturaFinalTramo, 0);
    EXPECT_EQ(t.IncrementoAltura, 0);
    EXPECT_EQ(e.caso.AlturaActual, 0);
    EXPECT_EQ(e.caso.vQ, 0);
    EXPECT_EQ(t.vGAMAB, 2.5);
    EXPECT_EQ(t.IndiceColocacion, 0);
    EXPECT_EQ(t.CodigoColocacion, 12);
    EXPECT_EQ(t.vICUNA, 1);
    EXPECT_EQ(t.vGAMAT, 1.8);
    EXPECT_EQ(t.AnguloRozamiento, 30);
    EXPECT_EQ(t.TipoRelleno, 21);
    EXPECT_EQ(t.IndiceAsentamiento, 0);
    // The 13-tonne axle the box shows is the one held.
    EXPECT_EQ(t.TipoCargaConcentrada, 2);
    EXPECT_EQ(e.ejecucion.ModoCaptura, " ");
    EXPECT_FALSE(e.ejecucion.DatosModificados);
    EXPECT_EQ(e.frFiguras.ptPostesado, "");
    EXPECT_EQ(e.frFiguras.ptColocacion, v.ptColocacion.Picture);
    EXPECT_TRUE(p.menu.mnAjustarArmaduras.Enabled);
    // Starting a new run voids nothing stored for the run shown before.
    EXPECT_EQ(p.ajustes.veces(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LimpiezaCompleta,
    ::testing::Values(CasoLimpieza{"MKS_nueva", false, Partida::VentanaNueva},
                      CasoLimpieza{"SI_nueva", true, Partida::VentanaNueva},
                      CasoLimpieza{"MKS_postesado", false, Partida::TramoPostesadoRevestido},
                      CasoLimpieza{"SI_postesado", true, Partida::TramoPostesadoRevestido},
                      CasoLimpieza{"MKS_sin_figuras", false, Partida::SinFiguras}),
    [](const auto &caso) { return caso.param.nombre; });

// The post-tensioned defaults on a cleared run, in each unit system.
TEST(PonDefectosPostesado, MaterialesYCamisaEmbebida)
{
    for (const bool si : {false, true}) {
        SCOPED_TRACE(si ? "SI" : "MKS");
        CapturaPrueba p;
        CapturaDatos &v = p.captura;
        p.muestraSI(si);
        LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
        p.estado.tramo.FijaPresionPrimario = Verdadero;
        ponValor(v.edIcontes1, EstadoCasilla::Marcada);
        ponTexto(v.edCoepre1, "1,5");
        v.edCoepre1.Visible = true;
        ponPestana(v.TabPostesados, 3);
        p.estado.ejecucion.DatosModificados = true;
        const auto antes = v.Instantanea();

        PonDefectosPostesado(v);

        const std::string sf = si ? "1275" : "12750";
        CompruebaInstantanea(
            antes, v.Instantanea(),
            {
                "edIcontes1: Value=0 Enabled=1 Visible=1 Caption=\"\"",
                Caja("edCoepre1", "", false, true),
                Caja("edDelca", "1,50"),
                "TipoCamisa: Value=0 Enabled=1 Visible=1 Opciones=[\"\"/1/1|\"\"/1/1]",
                "ptPostesado: Picture=\"" + p.figura("Lur2211.bmp") + "\" Enabled=1 Visible=1",
                "TabPostesados: Tab=0 Enabled=1 Visible=1",
                Caja("edRel", "2,00"),
                Caja("edFic", "1,500"),
                Caja("edFir", "0,750"),
                Caja("edEpsc", "0,0002"),
                Caja("edEpsr", "0,0003"),
                Caja("edFYKPost", si ? "210,0" : "2100"),
                Caja("edEs", si ? "210000" : "2100000"),
                Caja("edEp", si ? "200000" : "2000000"),
                Caja("edFckno", si ? "30,0" : "300,00"),
                Caja("edFckn", si ? "40,0" : "400,00"),
                Caja("edFckr", si ? "35,0" : "350,00"),
                Caja("edSFck", si ? "1700" : "17000"),
                Caja("edSf", sf),
                "lbEtiquetas(78): Caption=\"Tensión de tesado (" + sf + ")\" Enabled=1 Visible=1",
                Etiqueta(7, false),
            });
        const DatosTramo &t = p.estado.tramo;
        const double F = si ? 10.0 : 1.0;
        EXPECT_EQ(t.Tipologia, 2211); // through the embedded cylinder's click
        EXPECT_EQ(t.FijaPresionPrimario, Falso);
        EXPECT_EQ(t.CoefPresionPrimario, 0);
        EXPECT_EQ(t.Delca, 1.5);
        EXPECT_DOUBLE_EQ(t.FykPost, 2100 / F);
        EXPECT_DOUBLE_EQ(t.Es, 2100000 / F);
        EXPECT_DOUBLE_EQ(t.Ep, 2000000 / F);
        EXPECT_DOUBLE_EQ(t.Fckno, 300 / F);
        EXPECT_DOUBLE_EQ(t.Fckn, 400 / F);
        EXPECT_DOUBLE_EQ(t.Fckr, 350 / F);
        EXPECT_DOUBLE_EQ(t.SFck, 17000 / F);
        EXPECT_DOUBLE_EQ(t.Sf, 12750 / F);
        EXPECT_EQ(t.Rel, 2.0);
        EXPECT_EQ(t.Fic, 1.5);
        EXPECT_EQ(t.Fir, 0.75);
        EXPECT_EQ(t.Epsc, 0.0002);
        EXPECT_EQ(t.Epsr, 0.0003);
        EXPECT_EQ(p.estado.frFiguras.ptPostesado, p.figura("Lur2211.bmp"));
        EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
        EXPECT_TRUE(p.mensajes.mostrados().empty());
    }
}

// Clearing the materials only, as a change of typology does: the section, installation, fill
// and loads stay; level 2 keeps the cylinder choice and its picture.
TEST(LimpiaDatosPantalla, SoloMateriales)
{
    for (const auto nivel :
         {NivelLimpiezaTramo::Materiales, NivelLimpiezaTramo::MaterialesConCamisa}) {
        const bool conCamisa = nivel == NivelLimpiezaTramo::MaterialesConCamisa;
        SCOPED_TRACE(conCamisa ? "level 2" : "level 1");
        CapturaPrueba p;
        CapturaDatos &v = p.captura;
        LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
        ponPestana(v.TabTipologia, 1);
        ponValor(v.TipoCamisa, 1, true);
        ponTexto(v.edDi0, "1,200");
        ponTexto(v.edHr0, "4,00");
        p.estado.tramo.AlturaInicialTramo = 4;
        p.estado.ejecucion.DatosModificados = true;
        const auto antes = v.Instantanea();

        LimpiaDatosPantalla(v, nivel);

        std::vector<std::string> cambios = {
            "edIcontes1: Value=0 Enabled=1 Visible=1 Caption=\"\"",
            Caja("edCoepre1", "", false, true),
            Caja("edDelca", ""),
            "TabPostesados: Tab=0 Enabled=1 Visible=1",
        };
        for (const char *c : {"edEs", "edEp", "edFckno", "edFckn", "edFckr", "edSFck", "edSf",
                              "edRel", "edFic", "edFir", "edEpsc", "edEpsr", "edCamMax", "edFck",
                              "edFct", "edFyk", "edFyd", "edGamaB"}) {
            cambios.push_back(Caja(c, ""));
        }
        if (!conCamisa) {
            cambios.push_back(
                "TipoCamisa: Value=-1 Enabled=1 Visible=1 Opciones=[\"\"/1/1|\"\"/1/1]");
            cambios.push_back("ptPostesado: Picture=\"\" Enabled=1 Visible=1");
        }
        CompruebaInstantanea(antes, v.Instantanea(), cambios);
        EXPECT_EQ(p.estado.tramo.AlturaInicialTramo, 4);
        EXPECT_EQ(p.estado.tramo.Tipologia, 2221);
        EXPECT_EQ(p.estado.tramo.Es, 0);
        EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
    }
}

// Opening a window clears it with the loading flag set: no click handler starts a change of its
// own, and the run still ends reinforced concrete with its lists.
TEST(LimpiaDatosPantalla, AlAbrirLaVentana)
{
    CapturaPrueba p;
    pruebas::PonGeometria(p.estado.tablas, {{1000, {}, {30, 30, 100}, {}, {}, {}}});
    p.estado.ejecucion.Cargando = true;
    LimpiaDatosPantalla(p.captura, NivelLimpiezaTramo::Completa);
    p.estado.ejecucion.Cargando = false;
    EXPECT_EQ(p.estado.tramo.Tipologia, 1210);
    EXPECT_EQ(p.captura.edEsp0.ListCount(), 1);
    EXPECT_EQ(p.captura.edEsp0.List(0), "10,0");
    EXPECT_EQ(p.captura.edFck.Text(), "");
    EXPECT_EQ(p.estado.tramo.FCK, 0);
    EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
}

} // namespace
} // namespace dravek
