// The data-entry window's unit switch, installation layout, tab checks, cradle, fill-soil,
// water-hammer and cylinder-steel fields, and its captions.

#include "apoyo/CapturaPrueba.h"
#include "core/entry/CamposCaptura.h"
#include "core/entry/CapturaDatos.h"
#include "core/model/TextoRecurso.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::CapturaPrueba;
using pruebas::MensajeMostrado;

constexpr const char *Figuras[] = {"Zanja1a.bmp", "ZanjaT1a.bmp", "Terrapl1.bmp",
                                   "Zanja2a.bmp", "ZanjaT2a.bmp", "Terrapl2.bmp"};

class Ventana : public ::testing::Test {
protected:
    Ventana()
    {
        for (const char *f : Figuras) {
            std::ofstream(p.figura(f)) << "BM";
        }
        v.PonTextosCaptura();
    }

    CapturaPrueba p;
    CapturaDatos &v = p.captura;
    EstadoObra &e = p.estado;
    DatosTramo &t = p.estado.tramo;
};

// Every unit-dependent box with a value that its mask rounds in the other system.
struct CajaUnidades {
    const char *caja;
    const char *textoMKS;
    const char *textoSI;
};

TEST_F(Ventana, IdaYVueltaDeUnidadesSinCambiarNingunValor)
{
    const std::vector<CajaUnidades> cajas = {
        {"edPrs1", "12,34", "1,23"},     {"edPrs2", "15,00", "1,50"},
        {"edPrs3", "0,55", "0,06"},      {"edPrsM1", "13,57", "1,36"},
        {"edPrsM2", "16,50", "1,65"},    {"edPrs1Tram", "7,77", "0,78"},
        {"edPrs2Tram", "9,99", "1,00"},  {"edPrs3Tram", "0,25", "0,03"},
        {"edPrsM1Tram", "8,85", "0,89"}, {"edPrsM2Tram", "11,05", "1,11"},
        {"edFck", "355", "35,5"},        {"edFyk", "2105", "210,5"},
        {"edFyd", "1404", "140,4"},      {"edFYKPost", "2107", "210,7"},
        {"edEs", "2100005", "210001"},   {"edEp", "2000004", "200000"},
        {"edFckno", "303", "30,3"},      {"edFckn", "404", "40,4"},
        {"edFckr", "356", "35,6"},       {"edSFck", "17004", "1700"},
        {"edSf", "12755", "1276"},       {"edQDato0", "2,50", "0,03"},
    };
    // The boxes as the engineer typed them, each read into its variable.
    for (const CajaUnidades &c : cajas) {
        ControlTexto &caja = BuscaCampo(c.caja)->control(v);
        ponTexto(caja, c.textoMKS);
        const CampoNumerico &campo = *BuscaCampo(caja.Name());
        campo.variable.de(e) = std::stod([&] {
            std::string s = c.textoMKS;
            std::replace(s.begin(), s.end(), ',', '.');
            return s;
        }());
    }
    ponTexto(v.edFct, "22");
    e.ejecucion.DatosModificados = false;
    e.ejecucion.SFckModificado = false;
    p.ajustes.olvida();
    std::vector<double> antes;
    for (const CajaUnidades &c : cajas) {
        antes.push_back(BuscaCampo(c.caja)->variable.de(e));
    }

    ponValor(v.rdSistemaUnidades, 0, true);
    EXPECT_EQ(e.ejecucion.SistemaUnidades, "SI");
    for (const CajaUnidades &c : cajas) {
        SCOPED_TRACE(c.caja);
        EXPECT_EQ(BuscaCampo(c.caja)->control(v).Text(), c.textoSI);
    }
    // 0.45 x 355^(2/3) = 22.57 kp/cm2, 2.257 MPa: the rule the calculation uses.
    EXPECT_NEAR(t.Fct, 2.257, 0.001);
    EXPECT_EQ(v.edFct.Text(), "2,3");
    EXPECT_NEAR(t.CargaVerticalTotal, 0.025, 1e-12);

    ponValor(v.rdSistemaUnidades, 1, true);
    EXPECT_EQ(e.ejecucion.SistemaUnidades, "MKS");
    for (std::size_t i = 0; i < cajas.size(); ++i) {
        const CajaUnidades &c = cajas[i];
        SCOPED_TRACE(c.caja);
        EXPECT_EQ(BuscaCampo(c.caja)->control(v).Text(), c.textoMKS);
        EXPECT_NEAR(BuscaCampo(c.caja)->variable.de(e), antes[i], 1e-9);
    }
    EXPECT_EQ(v.edFct.Text(), "23");
    // A display change: no override voided, the run not marked, the header marked.
    EXPECT_EQ(p.ajustes.veces(), 0);
    EXPECT_FALSE(e.ejecucion.DatosModificados);
    EXPECT_FALSE(e.ejecucion.SFckModificado);
    EXPECT_TRUE(e.obra.CabeceraModificada);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
}

TEST_F(Ventana, UnaCajaCambiadaSeLeeDeSuTextoYUnaVaciaSigueVacia)
{
    ponTexto(v.edFck, "350");
    t.FCK = 300; // the engineer typed 350 and has not left the box yet
    t.Fyk = 2100;
    ponValor(v.rdSistemaUnidades, 0, true);
    EXPECT_EQ(v.edFck.Text(), "35,0");
    EXPECT_DOUBLE_EQ(t.FCK, 35.0);
    EXPECT_EQ(v.edFyk.Text(), "");
    EXPECT_EQ(t.Fyk, 0.0);
    ponValor(v.rdSistemaUnidades, 1, true);
    EXPECT_EQ(v.edFyk.Text(), "");
}

TEST_F(Ventana, ElSistemaVigenteSoloCambiaLosRotulos)
{
    ponTexto(v.edFck, "350");
    t.FCK = 350;
    e.obra.CabeceraModificada = false;
    v.RevisaUnidades(1);
    EXPECT_EQ(v.edFck.Text(), "350");
    EXPECT_EQ(t.FCK, 350.0);
    EXPECT_FALSE(e.obra.CabeceraModificada);
    EXPECT_EQ(v.Caption, "Captura de datos. Sistema unidades: MKS");
    EXPECT_EQ(v.frDatosPresion.Caption, "Datos por defecto de Presión interior (Atmósferas)");
    EXPECT_EQ(v.lbEtiquetas(CapturaDatos::EtiquetaFck).Caption,
              "Característica del hormigón a compresión  (350)");
    ponValor(v.rdSistemaUnidades, 0, true);
    EXPECT_EQ(v.lbEtiquetas(CapturaDatos::EtiquetaFck).Caption,
              "Característica del hormigón a compresión  (35)");
    EXPECT_EQ(v.lbEtiquetas(76).Caption, "De rotura del alambre de postesar (1.700)");
}

struct CasoColocacion {
    int clase;
    const char *B0;
    bool B0Visible;
    bool rellenoVisible;
    bool hr1Visible;
    const char *apoyo;
    bool asentamientoVisible;
    const char *asentamiento;
    std::int16_t codigo;
    std::int16_t indiceAsentamiento;
    const char *figura;
};

TEST_F(Ventana, CadaClaseDeColocacion)
{
    const CasoColocacion casos[] = {
        // The settlement list is hidden, not emptied, when a trench follows the embankment.
        {0, "2,080", true, true, false, "Relleno Compactado", false, "Suelo Ordinario", 0, 0,
         "Zanja1a.bmp"},
        {1, "2,080", true, false, true, "Relleno Compactado", false, "", 0, 0, "ZanjaT1a.bmp"},
        {2, "", false, false, true, "", true, "Suelo Ordinario", 31, 2, "Terrapl1.bmp"},
    };
    for (const CasoColocacion &c : casos) {
        SCOPED_TRACE(c.clase);
        CapturaPrueba q;
        for (const char *f : Figuras) {
            std::ofstream(q.figura(f)) << "BM";
        }
        CapturaDatos &w = q.captura;
        w.PonTextosCaptura();
        ponTexto(w.edDi0, "0,800");
        q.estado.tramo.vDE = 1.0;
        ponTexto(w.edTipoCuna0, w.edTipoCuna0.List(0));
        q.estado.tramo.vICUNA = 1;
        // Start from another kind so that the choice is a change.
        ponValor(w.rdTipoColocacion, c.clase == 0 ? 2 : 0, true);
        ponTexto(w.edHr1, "1,000");
        q.estado.tramo.DistanciaTerrenoNatural = 1;
        ponTexto(w.edB0, "");
        ponTexto(w.edTipoApoyo0, "");
        ponValor(w.rdTipoColocacion, c.clase, true);

        const DatosTramo &u = q.estado.tramo;
        EXPECT_EQ(u.IndiceColocacion, c.clase);
        EXPECT_EQ(w.edB0.Text(), c.B0);
        EXPECT_EQ(w.edB0.Visible, c.B0Visible);
        EXPECT_EQ(w.edTipoRelleno0.Visible, c.rellenoVisible);
        EXPECT_EQ(w.edHr1.Visible, c.hr1Visible);
        EXPECT_EQ(w.edHr1.Text(), c.hr1Visible ? "1,000" : "");
        EXPECT_EQ(w.edTipoApoyo0.Text(), c.apoyo);
        EXPECT_EQ(w.edIAs.Visible, c.asentamientoVisible);
        EXPECT_EQ(w.edIAs.Text(), c.asentamiento);
        EXPECT_EQ(u.CodigoColocacion, c.codigo);
        EXPECT_EQ(u.IndiceAsentamiento, c.indiceAsentamiento);
        EXPECT_EQ(w.ptColocacion.Picture, q.figura(c.figura));
        EXPECT_EQ(q.estado.frFiguras.ptColocacion, q.figura(c.figura));
        if (c.clase == 2) {
            EXPECT_EQ(u.AnchoZanja, 0.0);
            EXPECT_EQ(u.TipoRelleno, 0);
            EXPECT_EQ(w.edB0.BackColor, ColorFondo::Cerrado);
        } else {
            // 1.4 x 1.0 + 0.68 m
            EXPECT_DOUBLE_EQ(u.AnchoZanja, 2.08);
        }
        if (c.clase == 0) {
            EXPECT_EQ(u.DistanciaTerrenoNatural, 0.0);
        } else {
            EXPECT_EQ(w.lbEtiquetas(50).Caption,
                      std::string("Distancia de la Generatriz superior del Tubo a la superficie "
                                  "del terreno natural hr") +
                          (c.clase == 1 ? "'' (m):" : "' (m):"));
        }
    }
}

TEST_F(Ventana, ColocacionSinFiguraNiDiametroYMientrasCarga)
{
    std::filesystem::remove(p.figura("ZanjaT1a.bmp"));
    ponTexto(v.edTipoCuna0, v.edTipoCuna0.List(0));
    ponValor(v.rdTipoColocacion, 1, true);
    // A missing picture shows none, and the layout goes on; no diameter, no trench width.
    EXPECT_EQ(v.ptColocacion.Picture, "");
    EXPECT_EQ(v.edB0.Text(), "");
    EXPECT_EQ(v.edTipoApoyo0.Text(), "Relleno Compactado");

    ponTexto(v.edB0, "3,000");
    ponValor(v.rdTipoColocacion, 0, true);
    EXPECT_EQ(v.edB0.Text(), "3,000"); // kept between the trench kinds

    e.ejecucion.Cargando = true;
    const auto antes = v.Instantanea();
    ponValor(v.rdTipoColocacion, 2, true);
    pruebas::CompruebaInstantanea(antes, v.Instantanea(),
                                  {"rdTipoColocacion: Value=2 Enabled=1 Visible=1 "
                                   "Opciones=[\"ZANJA\"/1/1|\"ZANJATERRAPLENADA\"/1/1|"
                                   "\"TERRAPLEN\"/1/1]"});
}

TEST_F(Ventana, AlSalirDeLaPestanaDeObra)
{
    struct Caso {
        const char *prs1, *prs2, *prs3;
        const char *titulo;
        const char *foco;
    };
    const Caso casos[] = {
        {"1,2,3", "", "", "Presión inicial", "edPrs1"},
        {"1", "1,,", "", "Presión final", "edPrs1"},
        {"1", "5", "0", "Incremento de Presión", "edPrs3"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.titulo);
        CapturaPrueba q;
        CapturaDatos &w = q.captura;
        w.PonTextosCaptura();
        ponTexto(w.edPrs1, c.prs1);
        ponTexto(w.edPrs2, c.prs2);
        ponTexto(w.edPrs3, c.prs3);
        q.mensajes.responde(RespuestaMensaje::Aceptar);
        ponPestana(w.TabPrincipal, 1);
        ASSERT_EQ(q.mensajes.mostrados().size(), 1u);
        EXPECT_EQ(q.mensajes.mostrados()[0].titulo, c.titulo);
        EXPECT_EQ(w.TabPrincipal.Tab(), 0);
        EXPECT_EQ(w.PeticionFoco(), w.BuscaControl(c.foco));
    }
    // Equal ends: the step is not looked at.
    ponTexto(v.edPrs1, "5");
    ponTexto(v.edPrs2, "5");
    ponPestana(v.TabPrincipal, 1);
    EXPECT_EQ(v.TabPrincipal.Tab(), 1);
    EXPECT_EQ(v.PeticionFoco(), &v.edTramo);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
}

TEST_F(Ventana, AlEntrarEnLaPestanaDeColocacion)
{
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    ponPestana(v.TabPrincipal, 2);
    ASSERT_EQ(p.mensajes.mostrados().size(), 1u);
    EXPECT_EQ(p.mensajes.mostrados()[0],
              (MensajeMostrado{"Debe seleccionar un Tramo", BotonesMensaje::Aceptar,
                               IconoMensaje::Ninguno, ""}));
    EXPECT_EQ(v.TabPrincipal.Tab(), 1);
    EXPECT_EQ(v.PeticionFoco(), &v.edTramo);

    p.mensajes.olvida();
    ponTexto(v.edTramo, "3");
    ponTexto(v.edPrs1Tram, "4");
    ponTexto(v.edPrs2Tram, "8");
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    ponPestana(v.TabPrincipal, 2);
    EXPECT_EQ(v.TabPrincipal.Tab(), 1);
    EXPECT_EQ(v.PeticionFoco(), &v.edPrs1Tram);
    EXPECT_EQ(p.mensajes.mostrados().size(), 1u);

    p.mensajes.olvida();
    ponTexto(v.edPrs3Tram, "1");
    ponTexto(v.edDescriTramo, "Tramo norte");
    e.ejecucion.ModoCaptura = "ALTAS";
    ponPestana(v.TabPrincipal, 2);
    EXPECT_EQ(v.TabPrincipal.Tab(), 2);
    EXPECT_EQ(v.edDescriTramo2.Text(), "Tramo norte");
    EXPECT_EQ(v.Caption, "Captura Datos (Alta de Tramo). Sistema unidades: MKS");
    EXPECT_FALSE(v.rdSistemaUnidades[0].Enabled);
    EXPECT_FALSE(v.rdSistemaUnidades[1].Enabled);
    EXPECT_EQ(v.PeticionFoco(), &v.rdTipoColocacion);

    ponPestana(v.TabPrincipal, 0);
    EXPECT_EQ(v.Caption, "Captura Datos. Sistema unidades: MKS");
    EXPECT_FALSE(v.rdSistemaUnidades[0].Enabled);
    e.ejecucion.ModoCaptura = " ";
    ponPestana(v.TabPrincipal, 1);
    EXPECT_TRUE(v.rdSistemaUnidades[0].Enabled);
    EXPECT_TRUE(p.mensajes.mostrados().empty());
}

TEST_F(Ventana, AlEntrarEnLasCargas)
{
    struct Caso {
        double hr0, hrFinal, vDE, B;
        std::int16_t codigo;
        const char *mensaje; // empty: no message
        int pestana;
        const char *foco;
        bool nota;
    };
    const Caso casos[] = {
        {.hr0 = 0,
         .hrFinal = 0,
         .vDE = 1.2,
         .B = 2,
         .codigo = 12,
         .mensaje = "No ha seleccionado Alturas de cálculo del Relleno (mts.)",
         .pestana = 1,
         .foco = "edHr0",
         .nota = false},
        {.hr0 = 2,
         .hrFinal = 6,
         .vDE = 0,
         .B = 2,
         .codigo = 12,
         .mensaje = "No ha seleccionado Diámetro Exterior (mts)",
         .pestana = 0,
         .foco = "edDi0",
         .nota = false},
        {.hr0 = 2,
         .hrFinal = 6,
         .vDE = 1.2,
         .B = 0,
         .codigo = 12,
         .mensaje = "No ha seleccionado Ancho de Zanja (mts.)",
         .pestana = 1,
         .foco = "edB0",
         .nota = false},
        // an embankment needs no trench width
        {.hr0 = 2,
         .hrFinal = 6,
         .vDE = 1.2,
         .B = 0,
         .codigo = 31,
         .mensaje = "",
         .pestana = 2,
         .foco = nullptr,
         .nota = false},
        // 6 m above 5 diameters and 5 m
        {.hr0 = 2,
         .hrFinal = 6,
         .vDE = 1.1,
         .B = 2,
         .codigo = 12,
         .mensaje = "",
         .pestana = 2,
         .foco = nullptr,
         .nota = true},
        // exactly 5 m
        {.hr0 = 2,
         .hrFinal = 5,
         .vDE = 0.9,
         .B = 2,
         .codigo = 12,
         .mensaje = "",
         .pestana = 2,
         .foco = nullptr,
         .nota = false},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.mensaje);
        SCOPED_TRACE(c.vDE);
        CapturaPrueba q;
        CapturaDatos &w = q.captura;
        w.PonTextosCaptura();
        DatosTramo &u = q.estado.tramo;
        u.AlturaInicialTramo = c.hr0;
        u.AlturaFinalTramo = c.hrFinal;
        u.vDE = c.vDE;
        u.AnchoZanja = c.B;
        u.CodigoColocacion = c.codigo;
        if (*c.mensaje != '\0') {
            q.mensajes.responde(RespuestaMensaje::Aceptar);
        }
        ponPestana(w.TabDatosColocacion, 2);
        if (*c.mensaje != '\0') {
            ASSERT_EQ(q.mensajes.mostrados().size(), 1u);
            EXPECT_EQ(q.mensajes.mostrados()[0].texto, c.mensaje);
            EXPECT_EQ(w.PeticionFoco(), w.BuscaControl(c.foco));
        } else {
            EXPECT_TRUE(q.mensajes.mostrados().empty());
        }
        EXPECT_EQ(w.TabDatosColocacion.Tab(), c.pestana);
        if (c.nota) {
            EXPECT_EQ(w.avCargas1.BackColor, ColorFondo::Aviso);
            EXPECT_EQ(w.avCargas1.Text().rfind("En el cálculo de las cargas verticales", 0), 0u);
        } else {
            EXPECT_EQ(w.avCargas1.Text(), "");
        }
    }
}

TEST_F(Ventana, Cuna)
{
    ponValor(v.rdTipoColocacion, 0, true);
    p.ajustes.olvida();
    e.ejecucion.DatosModificados = false;
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    bool Cancel = false;
    v.edTipoCuna0_Validate(Cancel);
    EXPECT_TRUE(Cancel);
    EXPECT_EQ(p.mensajes.mostrados().back(),
              (MensajeMostrado{"Dato Requerido", BotonesMensaje::Aceptar, IconoMensaje::Ninguno,
                               "Tipo de Apoyo"}));
    EXPECT_EQ(v.edTipoCuna0.Text(), "Granular, 90 grd");
    EXPECT_EQ(v.ptColocacion.Picture, p.figura("Zanja1a.bmp"));

    p.mensajes.responde(RespuestaMensaje::Aceptar);
    ponTexto(v.edTipoCuna0, "hormigón, 120 grd");
    Cancel = false;
    v.edTipoCuna0_Validate(Cancel);
    EXPECT_EQ(p.mensajes.mostrados().back().texto, "Valor incorrecto");
    EXPECT_EQ(t.vICUNA, 1);

    p.ajustes.olvida();
    e.ejecucion.DatosModificados = false;
    ponIndice(v.edTipoCuna0, 1);
    EXPECT_EQ(t.vICUNA, 2);
    EXPECT_EQ(v.ptColocacion.Picture, p.figura("Zanja2a.bmp"));
    EXPECT_EQ(e.frFiguras.ptColocacion, p.figura("Zanja2a.bmp"));
    EXPECT_TRUE(e.ejecucion.DatosModificados);
    EXPECT_GE(p.ajustes.veces(), 1);
}

TEST_F(Ventana, RellenoGolpeDeArieteYAceroDeLaCamisa)
{
    ponValor(v.rdTipoColocacion, 0, true);
    ponTexto(v.edTipoRelleno0, "Cohesivo, Arcillas plásticas");
    bool Cancel = false;
    v.edTipoRelleno0_Validate(Cancel);
    EXPECT_FALSE(Cancel);
    EXPECT_EQ(t.TipoRelleno, 23);

    ponValor(v.rdTipoColocacion, 2, true);
    ponTexto(v.edTipoRelleno0, "arena");
    t.TipoRelleno = 12;
    v.edTipoRelleno0_Validate(Cancel);
    EXPECT_EQ(t.TipoRelleno, 12); // not a trench: left alone, silently

    // A new project: "No" asks, and No puts "Si" back.
    ponValor(v.rdGolpeAriete, 0, true);
    p.mensajes.responde(RespuestaMensaje::No);
    ponValor(v.rdGolpeAriete, 1, true);
    EXPECT_TRUE(v.rdGolpeAriete.Value(0));
    EXPECT_EQ(p.mensajes.mostrados().back().titulo, "AVISO");
    EXPECT_TRUE(e.obra.CabeceraModificada);

    // The steel's default in the system shown; 0 is refused and the default comes back.
    p.muestraSI(true);
    v.edFYKPost_GotFocus();
    EXPECT_EQ(v.edFYKPost.Text(), "210,0");
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    ponTexto(v.edFYKPost, "0");
    Cancel = false;
    v.edFYKPost_Validate(Cancel);
    EXPECT_TRUE(Cancel);
    EXPECT_EQ(p.mensajes.mostrados().back().texto, "Valor incorrecto");
    EXPECT_EQ(v.edFYKPost.Text(), "210,0");
    EXPECT_DOUBLE_EQ(t.FykPost, 210.0);
}

TEST_F(Ventana, TextosEnDosIdiomas)
{
    EXPECT_EQ(v.TabPrincipal.TabCaption[0], "Datos de la &Obra");
    EXPECT_EQ(v.frDatosArmado.Caption, "Coeficientes");
    EXPECT_EQ(v.TabPostesados.TabCaption[3], "Coe&ficientes");
    EXPECT_EQ(v.edIdioma.ListIndex(), 0);
    EXPECT_EQ(v.edIdioma.Text(), "Español");
    EXPECT_EQ(v.edTipoCuna0.List(1), "Hormigón, 120 grd");
    EXPECT_EQ(v.frDatosPresion.Caption, "Datos por defecto de Presión interior (Atmósferas)");
    EXPECT_EQ(v.TextosAyuda.at("edTramo"),
              "Número de Tramo. En ALTAS se rellena pulsando NUEVO TRAMO");

    ponTexto(v.edPrs1, "3,00");
    e.obra.DPInicialObra = 3;
    e.ejecucion.Idioma = 2;
    v.PonTextosCaptura();
    EXPECT_EQ(e.ejecucion.DesplazamientoIdioma, 5000);
    EXPECT_EQ(v.edIdioma.Text(), "English");
    EXPECT_EQ(v.edIdioma.List(0), "Spanish");
    EXPECT_EQ(v.edIdioma.ListIndex(), 1);
    EXPECT_EQ(v.TabPrincipal.TabCaption[0], TextoRecurso(5151));
    // The unit system and the values stay.
    EXPECT_EQ(e.ejecucion.SistemaUnidades, "MKS");
    EXPECT_EQ(v.edPrs1.Text(), "3,00");
    EXPECT_EQ(e.obra.DPInicialObra, 3.0);
}

} // namespace
} // namespace dravek
