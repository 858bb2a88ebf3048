// Loading a stored run into the data-entry window: every box and variable, the layout of the
// typology and of the installation, the pictures, the ranges, and the runs that cannot be
// loaded.

#include "apoyo/ObraPrueba.h"
#include "core/entry/AlmacenObra.h"
#include "core/storage/RegistrosObra.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::LeeFicheroPrueba;
using pruebas::ObraPrueba;

const std::string Ruta = "/obras/presa.dvk";

FicheroRegistros Golden(const char *nombre = "obra_coma.dvk")
{
    return FicheroRegistros(LeeFicheroPrueba(std::string(DRAVEK_FIJOS_OBRA) + "/" + nombre));
}

// The golden project with some records of block k changed (offset, text), the run count and
// the run numbers given; opened in the window.
struct Cambio {
    std::int32_t desplazamiento;
    std::string texto;
};

void Abre(ObraPrueba &o, FicheroRegistros f)
{
    o.ficheros.Pon(Ruta, f.Bytes());
    ASSERT_TRUE(o.abre(Ruta));
}

FicheroRegistros ConCambios(const std::vector<Cambio> &cambios, bool mks = false)
{
    FicheroRegistros f = Golden();
    if (mks) {
        f.Escribe(3, "SisUnid: MKS");
    }
    for (const Cambio &c : cambios) {
        f.Escribe(BaseBloque(1) + c.desplazamiento, c.texto);
    }
    return f;
}

TEST(CargaTramo, TodasLasCajasDeUnTramoGuardado)
{
    ObraPrueba o;
    Abre(o, Golden());
    CapturaDatos &v = o.captura;
    const EstadoObra &e = o.estado;
    o.estado.ejecucion.DatosModificados = true;
    ASSERT_TRUE(o.almacen.CargaTramo(v, 1));

    EXPECT_FALSE(e.ejecucion.Cargando);
    EXPECT_FALSE(e.ejecucion.DatosModificados);
    EXPECT_EQ(v.edTramo.Text(), "1");
    EXPECT_EQ(v.edTramo.ListIndex(), 0);
    EXPECT_EQ(v.edDescriTramo.Text(), "Tramo 1 – cruce del arroyo");

    const DatosTramo &t = e.tramo;
    EXPECT_EQ(t.Tipologia, 1210);
    EXPECT_EQ(t.EsArmado, Verdadero);
    EXPECT_EQ(t.TipoPostesado, 0);
    EXPECT_EQ(t.ClaseFisuracion, 3);
    EXPECT_EQ(v.TabTipologia.Tab(), 0);
    EXPECT_TRUE(v.btAjustar.Visible);
    EXPECT_TRUE(o.menu.mnAjustarArmaduras.Enabled);

    const std::vector<std::string> cajas = {
        "edIcontes0: Value=0 Enabled=1 Visible=1 Caption=\"\"",
        "edAdato: Text=\"0,000\" Locked=0 Enabled=1 Visible=0 BackColor=Cerrado",
        "edCamMax: Text=\"6,0\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edFck: Text=\"35,0\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edFyd: Text=\"333,3\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edGamaB: Text=\"1,50\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edCoepre1: Text=\"0,000\" Locked=0 Enabled=1 Visible=0 BackColor=Cerrado",
        "edEs: Text=\"\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edFYKPost: Text=\"\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edGc0: Text=\"2,50\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edHr0: Text=\"2,00\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edB0: Text=\"2,696\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edHr1: Text=\"0,00\" Locked=0 Enabled=1 Visible=0 BackColor=Cerrado",
        "edQDato0: Text=\"0,000\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edPrs1Tram: Text=\"1,00\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edPrs2Tram: Text=\"1,20\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edPrs3Tram: Text=\"0,10\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edPrsM2Tram: Text=\"1,32\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edHr0Final: Text=\"4,00\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
        "edHr0Delta: Text=\"1,00\" Locked=0 Enabled=1 Visible=1 BackColor=Editable",
    };
    for (const std::string &linea : cajas) {
        const std::string nombre = linea.substr(0, linea.find(':'));
        EXPECT_EQ(v.BuscaControl(nombre)->Estado(), linea);
    }
    EXPECT_EQ(v.edTipoControl.Text(), "Intenso");
    EXPECT_EQ(v.edTipoCamisa.Text(), "Sólo Camisa");
    EXPECT_EQ(v.edTipoCuna0.Text(), "Granular, 90 grd");
    EXPECT_EQ(v.edTipoApoyo0.Text(), "Relleno Compactado");
    EXPECT_EQ(v.edTipoRelleno0.Text(), "Cohesivo, Arena Arcillosa");
    EXPECT_EQ(v.edICar0.Text(), "Eje de 13 Toneladas");
    EXPECT_TRUE(v.edICar0.Visible);
    EXPECT_EQ(v.edIAs.Text(), " ");
    EXPECT_FALSE(v.edIAs.Visible);
    EXPECT_TRUE(v.rdTipoColocacion.Value(0));
    EXPECT_EQ(v.ptColocacion.Picture, o.figura("Zanja1a.bmp"));
    EXPECT_EQ(e.frFiguras.ptColocacion, o.figura("Zanja1a.bmp"));
    EXPECT_FALSE(v.lbEtiquetas(8).Visible);
    EXPECT_TRUE(v.lbEtiquetas(22).Visible);

    EXPECT_EQ(t.FijaArmaduraExterior, Falso);
    EXPECT_EQ(t.TipoControl, 1);
    EXPECT_EQ(t.IndicadorCamisa, 2);
    EXPECT_DOUBLE_EQ(t.CAMMAX, 6);
    EXPECT_DOUBLE_EQ(t.FCK, 35);
    EXPECT_DOUBLE_EQ(t.Fct, 2.2);
    EXPECT_DOUBLE_EQ(t.Fyk, 500);
    EXPECT_DOUBLE_EQ(t.Fyd, 333.3);
    EXPECT_DOUBLE_EQ(t.GamaB, 1.5);
    EXPECT_DOUBLE_EQ(t.GamaY, 1.0);
    EXPECT_DOUBLE_EQ(t.GamaF, 1.0);
    EXPECT_DOUBLE_EQ(t.Es, 0);
    EXPECT_DOUBLE_EQ(t.vDi, 1.2);
    EXPECT_DOUBLE_EQ(t.ESP, 12);
    EXPECT_DOUBLE_EQ(t.vDE, 1.44);
    EXPECT_DOUBLE_EQ(t.RECI, 3);
    EXPECT_DOUBLE_EQ(t.RECE, 3);
    EXPECT_EQ(t.vICUNA, 1);
    EXPECT_EQ(t.CodigoColocacion, 12);
    EXPECT_EQ(t.IndiceColocacion, 0);
    EXPECT_EQ(t.TipoRelleno, 21);
    EXPECT_EQ(t.IndiceAsentamiento, 0);
    EXPECT_EQ(t.CalculoCargas, 1);
    EXPECT_EQ(t.TipoCargaConcentrada, 2);
    EXPECT_DOUBLE_EQ(t.DPInicialTramo, 1.0);
    EXPECT_DOUBLE_EQ(t.DPFinalTramo, 1.2);
    EXPECT_DOUBLE_EQ(t.IncrementoPresionTramo, 0.1);
    EXPECT_DOUBLE_EQ(t.MDPInicialTramo, 1.1);
    EXPECT_DOUBLE_EQ(t.MDPFinalTramo, 1.32);
    EXPECT_DOUBLE_EQ(t.AlturaInicialTramo, 2);
    EXPECT_DOUBLE_EQ(t.AlturaFinalTramo, 4);
    EXPECT_DOUBLE_EQ(t.IncrementoAltura, 1);
    EXPECT_DOUBLE_EQ(t.FykPost, 0);
    // The fill-height range of the calculation follows the run.
    EXPECT_DOUBLE_EQ(e.calculo.AlturaInicial, 2);
    EXPECT_DOUBLE_EQ(e.calculo.AlturaFinal, 4);
    EXPECT_DOUBLE_EQ(e.caso.AlturaActual, 2);
    EXPECT_DOUBLE_EQ(e.caso.vQ, 0);
    EXPECT_TRUE(o.mensajes.mostrados().empty());
}

TEST(CargaTramo, EnMKS)
{
    ObraPrueba o;
    Abre(o, ConCambios({}, true));
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
    EXPECT_EQ(o.captura.edFck.Text(), "350");
    EXPECT_EQ(o.captura.edFct.Text(), "22");
    EXPECT_EQ(o.captura.edPrs1Tram.Text(), "10,00");
    EXPECT_DOUBLE_EQ(o.estado.tramo.FCK, 350);
    EXPECT_DOUBLE_EQ(o.estado.tramo.MDPFinalTramo, 13.2);
    EXPECT_EQ(o.captura.edPrs1.Text(), "15,00");
    EXPECT_DOUBLE_EQ(o.estado.obra.DPInicialObra, 15);
}

// The typology lays the window out: tab, adjustment command, cylinder option, inner cover and
// its caption, pictures and the dimension lists of the group it is laid out as.
TEST(CargaTramo, DisposicionDeLaTipologia)
{
    struct Caso {
        std::string tipologia;
        int pestana;
        bool ajustar;
        int camisa; // the cylinder option selected, -1 none
        bool reci;
        std::string figura;
        std::int16_t Tipologia;
    };
    const Caso casos[] = {
        {.tipologia = "1210",
         .pestana = 0,
         .ajustar = true,
         .camisa = -1,
         .reci = true,
         .figura = "",
         .Tipologia = 1210},
        {.tipologia = "1100",
         .pestana = 0,
         .ajustar = true,
         .camisa = -1,
         .reci = true,
         .figura = "",
         .Tipologia = 1100},
        {.tipologia = "",
         .pestana = 0,
         .ajustar = true,
         .camisa = -1,
         .reci = true,
         .figura = "",
         .Tipologia = 0},
        {.tipologia = "2211",
         .pestana = 1,
         .ajustar = false,
         .camisa = 0,
         .reci = true,
         .figura = "Lur2211.bmp",
         .Tipologia = 2211},
        {.tipologia = "2221",
         .pestana = 1,
         .ajustar = false,
         .camisa = 1,
         .reci = false,
         .figura = "Lur2221.bmp",
         .Tipologia = 2221},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.tipologia);
        ObraPrueba o;
        Abre(o, ConCambios({{9, c.tipologia}}));
        ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
        CapturaDatos &v = o.captura;
        EXPECT_EQ(o.estado.tramo.Tipologia, c.Tipologia);
        EXPECT_EQ(v.TabTipologia.Tab(), c.pestana);
        EXPECT_EQ(v.btAjustar.Visible, c.ajustar);
        EXPECT_EQ(o.menu.mnAjustarArmaduras.Enabled, c.ajustar);
        EXPECT_EQ(v.TipoCamisa.Seleccionada(), c.camisa);
        EXPECT_EQ(v.edReci0.Visible, c.reci);
        EXPECT_EQ(v.lbEtiquetas(22).Visible, c.reci);
        EXPECT_EQ(v.ptPostesado.Picture, c.figura.empty() ? "" : o.figura(c.figura));
        EXPECT_EQ(o.estado.tramo.ClaseFisuracion, c.pestana == 0 ? 3 : 0);
        EXPECT_FALSE(o.estado.ejecucion.Cargando);
        EXPECT_FALSE(o.estado.ejecucion.DatosModificados);
    }
}

TEST(CargaTramo, DisposicionDeLaColocacion)
{
    struct Caso {
        std::string codigo;
        std::string cuna;
        int opcion;
        bool ancho, relleno, distancia, apoyo;
        std::string apoyoTexto;
        std::string figura;
        std::string etiqueta50;
    };
    const std::string hr = "Distancia de la Generatriz superior del Tubo a la superficie del "
                           "terreno natural hr";
    const Caso casos[] = {
        {"11", "1", 0, true, true, false, true, "Relleno sin Compactar", "Zanja1a.bmp", ""},
        {"12", "2", 0, true, true, false, true, "Relleno Compactado", "Zanja2a.bmp", ""},
        {"21", "1", 1, true, false, true, true, "Relleno sin Compactar", "ZanjaT1a.bmp",
         hr + "'' (m):"},
        {"22", "2", 1, true, false, true, true, "Relleno Compactado", "ZanjaT2a.bmp",
         hr + "'' (m):"},
        {"31", "2", 2, false, false, true, false, "", "Terrapl2.bmp", hr + "' (m):"},
        {"31", "1", 2, false, false, true, false, "", "Terrapl1.bmp", hr + "' (m):"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.codigo + " cuna " + c.cuna);
        ObraPrueba o;
        Abre(o, ConCambios({{45, c.codigo}, {44, c.cuna}}));
        ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
        CapturaDatos &v = o.captura;
        EXPECT_EQ(v.rdTipoColocacion.Seleccionada(), c.opcion);
        EXPECT_EQ(o.estado.tramo.IndiceColocacion, c.opcion);
        EXPECT_EQ(v.edB0.Visible, c.ancho);
        EXPECT_EQ(v.lbEtiquetas(29).Visible, c.ancho);
        EXPECT_EQ(v.edTipoRelleno0.Visible, c.relleno);
        EXPECT_EQ(v.lbEtiquetas(32).Visible, c.relleno);
        EXPECT_EQ(v.edHr1.Visible, c.distancia);
        EXPECT_EQ(v.lbEtiquetas(50).Visible, c.distancia);
        EXPECT_EQ(v.edTipoApoyo0.Visible, c.apoyo);
        EXPECT_EQ(v.lbEtiquetas(26).Visible, c.apoyo);
        EXPECT_EQ(v.edTipoApoyo0.Text(), c.apoyoTexto);
        EXPECT_EQ(v.ptColocacion.Picture, o.figura(c.figura));
        EXPECT_EQ(v.lbEtiquetas(50).Caption, c.etiqueta50);
        EXPECT_EQ(v.edTipoApoyo0.BackColor, c.apoyo ? ColorFondo::Editable : ColorFondo::Cerrado);
    }
}

// The caption of the distance to the natural ground: a stored run shows it as loading always
// wrote it, in Spanish whatever the interface language, while choosing the installation writes
// it in the interface language.
TEST(CargaTramo, EtiquetaDeLaDistanciaAlTerrenoEnOtroIdioma)
{
    ObraPrueba o;
    o.estado.ejecucion.DesplazamientoIdioma = 5000; // English
    Abre(o, ConCambios({{45, "21"}, {44, "1"}}));
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
    CapturaDatos &v = o.captura;
    EXPECT_EQ(v.lbEtiquetas(50).Caption, "Distancia de la Generatriz superior del Tubo a la "
                                         "superficie del terreno natural hr'' (m):");
    ponValor(v.rdTipoColocacion, 2, true);
    EXPECT_EQ(v.lbEtiquetas(50).Caption,
              "Distance from pipe crown to natural ground surface hr' (m):");
    EXPECT_FALSE(v.edB0.Visible);
    EXPECT_TRUE(v.edHr1.Visible);
}

// Loads derived from a typed total load.
TEST(CargaTramo, CargasDeUnaCargaTotal)
{
    struct Caso {
        std::vector<Cambio> cambios;
        double vQH;
    };
    const Caso casos[] = {
        {{{45, "11"}, {47, "3,000"}, {53, "5,000 // 0,050"}, {40, "1,200"}}, 0},
        {{{45, "11"}, {47, "4,000"}, {53, "5,000 // 0,050"}, {40, "1,200"}}, 1.5},
        {{{45, "12"}, {53, "5,000 // 0,050"}}, 5},
        {{{45, "31"}, {48, "1,80"}, {46, "2,00"}, {53, "5,000 // 0,050"}}, 3.6},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.vQH);
        ObraPrueba o;
        Abre(o, ConCambios(c.cambios, true));
        ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
        EXPECT_NEAR(o.estado.caso.vQH, c.vQH, 1e-12);
        EXPECT_DOUBLE_EQ(o.estado.caso.vQ, 5);
    }

    // A typed load: the live load is none, its box shows the stored code's entry and is hidden.
    ObraPrueba o;
    Abre(o, ConCambios({{53, "25,000 // 0,250"}, {54, "0"}, {55, "3"}}, true));
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
    EXPECT_EQ(o.estado.tramo.CalculoCargas, 0);
    EXPECT_EQ(o.estado.tramo.TipoCargaConcentrada, 0);
    EXPECT_EQ(o.captura.edICar0.Text(), "Carro de 60 Toneladas");
    EXPECT_FALSE(o.captura.edICar0.Visible);
    EXPECT_FALSE(o.captura.lbEtiquetas(34).Visible);
    EXPECT_EQ(o.captura.edQDato0.Text(), "25,000");
}

TEST(CargaTramo, CajasDeLosRangos)
{
    struct Caso {
        std::vector<Cambio> cambios;
        bool incremento; // edPrs3Tram open
        std::string textoIncremento;
        bool final;   // edPrs2Tram open
        bool alturas; // edHr0Delta open
        std::string textoAlturas;
    };
    const Caso casos[] = {
        // DP 10 to 12 by 1, MDP 11 to 13.2, heights 2 to 4 by 1.
        {{}, true, "1,00", true, true, "1,00"},
        // DP final 0: the step box is closed and emptied, then the stored step fills it again;
        // an MDP range without extent closes both.
        {{{57, "0,00 // 0,00"}, {60, "11,00 // 1,10"}}, false, "1,00", false, true, "1,00"},
        // A single height closes and empties the height step.
        {{{61, "2,00"}}, true, "1,00", true, false, ""},
        {{{61, "0,00"}}, true, "1,00", true, false, ""},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.textoAlturas);
        ObraPrueba o;
        Abre(o, ConCambios(c.cambios, true));
        ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
        const CapturaDatos &v = o.captura;
        EXPECT_EQ(!v.edPrs3Tram.Locked, c.incremento);
        EXPECT_EQ(v.edPrs3Tram.Text(), c.textoIncremento);
        EXPECT_EQ(v.edPrs2Tram.Enabled, c.final);
        EXPECT_EQ(!v.edHr0Delta.Locked, c.alturas);
        EXPECT_EQ(v.edHr0Delta.Text(), c.textoAlturas);
        // The boxes closed by the load keep their variables.
        EXPECT_DOUBLE_EQ(o.estado.tramo.IncrementoAltura, 1);
    }
}

// A run's boxes never depend on the run shown before it: a code of 0 is no choice, a greyed
// check box is not ticked, an empty record empties its box.
TEST(CargaTramo, NadaDelTramoAnterior)
{
    ObraPrueba o;
    FicheroRegistros f = Golden();
    f.Escribe(20, "2");
    BloqueTramo dos;
    dos.Numero = "2";
    dos.Tipologia = 2211;
    dos.Descripcion = "Conduccion postesada";
    const auto textos = TextosBloque(dos, 2, ",");
    ASSERT_FALSE(EscribeRegistros(f, BaseBloque(2) + 6, textos));
    // Run 1 with its outer maximum ticked and the greyed primary-pressure check.
    f.Escribe(BaseBloque(1) + 10, "1");
    f.Escribe(BaseBloque(1) + 11, "5,000");
    f.Escribe(BaseBloque(1) + 23, "2");
    f.Escribe(BaseBloque(2) + 11, "");
    Abre(o, f);
    CapturaDatos &v = o.captura;
    ASSERT_TRUE(o.almacen.CargaTramo(v, 1));
    EXPECT_EQ(v.edIcontes0.Value(), EstadoCasilla::Marcada);
    EXPECT_TRUE(v.edAdato.Visible);
    EXPECT_EQ(v.edIcontes1.Value(), EstadoCasilla::Vacia);
    EXPECT_FALSE(v.edCoepre1.Visible);
    EXPECT_EQ(o.estado.tramo.FijaPresionPrimario, Falso);

    ASSERT_TRUE(o.almacen.CargaTramo(v, 2));
    for (const Lista *l :
         {&v.edTipoControl, &v.edTipoCamisa, &v.edTipoCuna0, &v.edTipoApoyo0, &v.edTipoRelleno0}) {
        SCOPED_TRACE(l->Name());
        EXPECT_EQ(l->ListIndex(), -1);
        EXPECT_EQ(l->Text(), "");
    }
    EXPECT_EQ(o.estado.tramo.TipoControl, 0);
    EXPECT_EQ(o.estado.tramo.vICUNA, 0);
    EXPECT_EQ(v.edIcontes0.Value(), EstadoCasilla::Vacia);
    EXPECT_FALSE(v.edAdato.Visible);
    EXPECT_EQ(v.edAdato.Text(), "");
    EXPECT_DOUBLE_EQ(o.estado.tramo.ArmaduraExteriorMaxima, 0);
    EXPECT_EQ(v.edFck.Text(), "0,0");
    EXPECT_EQ(v.ptColocacion.Picture, "");
    // The live load "none" (code 0) is a choice.
    EXPECT_EQ(v.edICar0.Text(), "No se considera");

    // The installation page's copy of the description is the loaded run's, whichever was shown.
    EXPECT_EQ(v.edDescriTramo2.Text(), "Conduccion postesada");
    ASSERT_TRUE(o.almacen.CargaTramo(v, 1));
    EXPECT_EQ(v.edDescriTramo.Text(), "Tramo 1 – cruce del arroyo");
    EXPECT_EQ(v.edDescriTramo2.Text(), "Tramo 1 – cruce del arroyo");
}

// A damaged block is reported; the window and the variables stay as they were and the next
// run still loads.
TEST(CargaTramo, TramoDanado)
{
    ObraPrueba o;
    FicheroRegistros f = Golden();
    f.Escribe(20, "2");
    BloqueTramo dos;
    dos.Numero = "2";
    dos.Tipologia = 1210;
    dos.vDi = 0.8;
    ASSERT_FALSE(EscribeRegistros(f, BaseBloque(2) + 6, TextosBloque(dos, 2, ",")));
    f.Escribe(BaseBloque(1) + 39, "doce");
    Abre(o, f);
    CapturaDatos &v = o.captura;
    const std::vector<std::string> antes = v.Instantanea();
    const DatosTramo tramo = o.estado.tramo;

    o.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(o.almacen.CargaTramo(v, 1));
    EXPECT_EQ(o.mensajes.mostrados(),
              (std::vector<pruebas::MensajeMostrado>{
                  {"Tramo dañado en el fichero de la obra: 1 (registro 53)",
                   BotonesMensaje::Aceptar, IconoMensaje::Ninguno, ""}}));
    EXPECT_EQ(v.Instantanea(), antes);
    EXPECT_DOUBLE_EQ(o.estado.tramo.vDi, tramo.vDi);
    EXPECT_FALSE(o.estado.ejecucion.Cargando);

    EXPECT_TRUE(o.almacen.CargaTramo(v, 2));
    EXPECT_EQ(v.edDi0.Text(), "0,800");
}

// A block whose run number is empty has no entry in the run list; the runs after it still load
// their own blocks.
TEST(CargaTramo, NumeroVacioNoDesplazaLosTramos)
{
    ObraPrueba o;
    FicheroRegistros f = Golden();
    f.Escribe(20, "3");
    for (std::int16_t k = 2; k <= 3; ++k) {
        BloqueTramo b;
        b.Numero = k == 2 ? "" : "7";
        b.Tipologia = 1210;
        b.vDi = k * 0.1;
        ASSERT_FALSE(EscribeRegistros(f, BaseBloque(k) + 6, TextosBloque(b, 3, ",")));
    }
    Abre(o, f);
    CapturaDatos &v = o.captura;
    ASSERT_EQ(v.edTramo.ListCount(), 2);
    EXPECT_EQ(v.edTramo.List(1), "7");
    ASSERT_TRUE(o.almacen.CargaTramo(v, 2));
    EXPECT_EQ(v.edTramo.Text(), "7");
    EXPECT_EQ(v.edDi0.Text(), "0,300");
}

// A picture file that is missing shows no picture, and the load goes on.
TEST(CargaTramo, FiguraQueFalta)
{
    ObraPrueba o;
    std::filesystem::remove(o.figura("Zanja1a.bmp"));
    Abre(o, Golden());
    ASSERT_TRUE(o.almacen.CargaTramo(o.captura, 1));
    EXPECT_EQ(o.captura.ptColocacion.Picture, "");
    EXPECT_EQ(o.estado.frFiguras.ptColocacion, "");
    EXPECT_EQ(o.captura.edFck.Text(), "35,0");
    EXPECT_TRUE(o.mensajes.mostrados().empty());
}

} // namespace
} // namespace dravek
