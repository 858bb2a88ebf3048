#include "core/entry/CambioTipologia.h"

#include "apoyo/CapturaPrueba.h"
#include "core/entry/LimpiezaTramo.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::CapturaPrueba;
using pruebas::MensajeMostrado;

const MensajeMostrado Confirmacion = {
    "Al cambiar de Tipología se van a limpiar \nlos datos de pantalla automáticamente\nEsto no "
    "alterará los tramos ya grabados\n¿ Desea Continuar ?",
    BotonesMensaje::SiNo, IconoMensaje::Ninguno, "AVISO"};

// A run being captured, with its section typed; the thickness list tells which typology group
// the lists were filled from (10 cm for 1210, 11 for 2211, 12 for 2221).
class Tipologia : public ::testing::Test {
protected:
    Tipologia()
    {
        pruebas::PonGeometria(p.estado.tablas,
                              {{1000, {}, {30, 30, 100}, {}, {25, 25, 110}, {25, 60, 120}}});
        LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
        PonDefectosArmado(v);
        ponTexto(v.edDi0, "1,000");
        ponTexto(v.edEsp0, "10,0");
        t.vDi = 1.0;
        t.ESP = 10.0;
        ponPestana(v.TabPrincipal, 1);
        e.ejecucion.ModoCaptura = "ALTAS";
        e.ejecucion.DatosModificados = false; // as if just saved
    }
    // Puts the run on the post-tensioned tab without a question.
    void Postesado()
    {
        e.ejecucion.ModoCaptura = "ALTAS";
        e.ejecucion.DatosModificados = false;
        ponPestana(v.TabTipologia, 1);
        ASSERT_EQ(t.Tipologia, 2211);
        p.mensajes.olvida();
        p.ajustes.olvida();
        v.SetFocus(v.edDi0);
        v.cumplePeticionFoco();
    }

    CapturaPrueba p;
    CapturaDatos &v = p.captura;
    EstadoObra &e = p.estado;
    DatosTramo &t = p.estado.tramo;
};

struct Cambio {
    std::string nombre;
    bool desdePostesado;
    std::string ModoCaptura;
    bool modificados;
    std::optional<RespuestaMensaje> respuesta; // the question, when asked
    std::int16_t Tipologia;                    // the typology it ends with
};

// The switch by the tab strip, with and without its question, in each capture mode.
TEST_F(Tipologia, CambioPorLasPestanas)
{
    using R = RespuestaMensaje;
    const std::vector<Cambio> casos = {
        {"new run, unchanged, to post-tensioned", false, "ALTAS", false, {}, 2211},
        {"new run, changed, to post-tensioned, Yes", false, "ALTAS", true, R::Si, 2211},
        {"new run, changed, to post-tensioned, No", false, "ALTAS", true, R::No, 1210},
        {"stored run, to post-tensioned, Yes", false, "MODIFICACIONES", false, R::Si, 2211},
        {"stored run (any case), to post-tensioned, No", false, "modificaciones", false, R::No,
         1210},
        {"no run shown, to post-tensioned", false, " ", false, {}, 2211},
        {"new run, unchanged, to reinforced", true, "ALTAS", false, {}, 1210},
        {"stored run, to reinforced, Yes", true, "MODIFICACIONES", false, R::Si, 1210},
        {"stored run, to reinforced, No", true, "MODIFICACIONES", false, R::No, 2211},
        {"new run, changed, to reinforced, No", true, "ALTAS", true, R::No, 2211},
    };
    for (const Cambio &c : casos) {
        SCOPED_TRACE(c.nombre);
        CapturaPrueba q;
        // Each row on a fresh window of its own.
        pruebas::PonGeometria(q.estado.tablas,
                              {{1000, {}, {30, 30, 100}, {}, {25, 25, 110}, {25, 60, 120}}});
        CapturaDatos &w = q.captura;
        EstadoObra &f = q.estado;
        LimpiaDatosPantalla(w, NivelLimpiezaTramo::Completa);
        PonDefectosArmado(w);
        ponTexto(w.edDi0, "1,000");
        f.tramo.vDi = 1.0;
        if (c.desdePostesado) {
            f.ejecucion.ModoCaptura = "ALTAS";
            f.ejecucion.DatosModificados = false;
            ponPestana(w.TabTipologia, 1);
            w.cumplePeticionFoco();
        }
        q.mensajes.olvida();
        q.ajustes.olvida();
        f.ejecucion.ModoCaptura = c.ModoCaptura;
        f.ejecucion.DatosModificados = c.modificados;
        if (c.respuesta) {
            q.mensajes.responde(*c.respuesta);
        }
        const std::int16_t antes = f.tramo.Tipologia;
        const std::string fck = w.edFck.Text();
        const std::string es = w.edEs.Text();

        ponPestana(w.TabTipologia, c.desdePostesado ? 0 : 1);

        EXPECT_EQ(q.mensajes.mostrados(), c.respuesta ? std::vector<MensajeMostrado>{Confirmacion}
                                                      : std::vector<MensajeMostrado>{});
        EXPECT_EQ(f.tramo.Tipologia, c.Tipologia);
        const bool armado = c.Tipologia == 1210;
        const bool cambio = c.Tipologia != antes;
        EXPECT_EQ(w.TabTipologia.Tab(), armado ? 0 : 1);
        EXPECT_EQ(f.tramo.EsArmado, armado ? Verdadero : Falso);
        EXPECT_EQ(f.tramo.TipoPostesado, armado ? 0 : 1);
        EXPECT_EQ(f.tramo.ClaseFisuracion, armado ? 3 : 0);
        EXPECT_EQ(w.btAjustar.Visible, armado);
        EXPECT_EQ(q.menu.mnAjustarArmaduras.Enabled, armado);
        // The focus goes back to the tab strip when a question was asked.
        EXPECT_EQ(w.PeticionFoco(), c.respuesta ? &w.TabTipologia : nullptr);
        // The materials of the new typology at their defaults; a declined switch keeps all.
        if (cambio) {
            EXPECT_EQ(w.edFck.Text(), armado ? "350" : "");
            EXPECT_EQ(w.edEs.Text(), armado ? "" : "2100000");
        } else {
            EXPECT_EQ(w.edFck.Text(), fck);
            EXPECT_EQ(w.edEs.Text(), es);
        }
        EXPECT_EQ(w.edEsp0.List(0), armado ? "10,0" : "11,0");
        EXPECT_EQ(w.ptPostesado.Picture, armado ? "" : q.figura("Lur2211.bmp"));
        EXPECT_EQ(w.edDi0.Text(), "1,000");
        EXPECT_EQ(f.tramo.vDi, 1.0);
        // A declined switch leaves the run as unchanged as it was.
        EXPECT_EQ(f.ejecucion.DatosModificados, cambio || c.modificados);
        // A post-tensioned run keeps no stored overrides; a reinforced one keeps its own.
        EXPECT_EQ(q.ajustes.veces() > 0, !armado);
    }
}

// A cylinder choice left over from before must not give the run the lined cylinder's lists:
// the switch ends with the embedded cylinder, and so do its lists.
TEST_F(Tipologia, LasListasSonDeLaTipologiaFinal)
{
    e.ejecucion.Cargando = true;
    ponValor(v.TipoCamisa, 1, true);
    e.ejecucion.Cargando = false;
    ponPestana(v.TabTipologia, 1);
    EXPECT_EQ(t.Tipologia, 2211);
    EXPECT_TRUE(v.TipoCamisa.Value(0));
    EXPECT_EQ(v.edEsp0.List(0), "11,0");
    EXPECT_EQ(v.ptPostesado.Picture, p.figura("Lur2211.bmp"));
    EXPECT_TRUE(v.edReci0.Visible);
}

TEST_F(Tipologia, LaPestanaDeColocacionPasaALaDeTipologias)
{
    ponTexto(v.edTramo, "1"); // the laying page is entered only with a run chosen
    ponPestana(v.TabPrincipal, 2);
    ponPestana(v.TabTipologia, 1);
    EXPECT_EQ(v.TabPrincipal.Tab(), 1);
    EXPECT_EQ(v.TabPostesados.Tab(), 0);
}

TEST_F(Tipologia, MientrasCargaNoHaceNada)
{
    e.ejecucion.Cargando = true;
    const auto antes = v.Instantanea();
    ponPestana(v.TabTipologia, 1);
    ponValor(v.TipoCamisa, 1, true);
    e.ejecucion.Cargando = false;
    EXPECT_EQ(t.Tipologia, 1210);
    auto despues = v.Instantanea();
    pruebas::CompruebaInstantanea(
        antes, despues,
        {"TabTipologia: Tab=1 Enabled=1 Visible=1",
         "TipoCamisa: Value=1 Enabled=1 Visible=1 Opciones=[\"\"/1/1|\"\"/1/1]"});
}

TEST_F(Tipologia, TipoDeCamisa)
{
    Postesado();
    ponTexto(v.edReci0, "2,5");
    const auto antes = v.Instantanea();

    ponValor(v.TipoCamisa, 1, true);
    EXPECT_EQ(t.Tipologia, 2221);
    EXPECT_TRUE(e.ejecucion.DatosModificados);
    pruebas::CompruebaInstantanea(
        antes, v.Instantanea(),
        {"TipoCamisa: Value=1 Enabled=1 Visible=1 Opciones=[\"\"/1/1|\"\"/1/1]",
         "edReci0: Text=\"\" ListIndex=-1 List=[2,5] Locked=0 Enabled=1 Visible=0 "
         "BackColor=Cerrado",
         "edEsp0: Text=\"10,0\" ListIndex=-1 List=[12,0] Locked=0 Enabled=1 Visible=1 "
         "BackColor=Editable",
         "edRece0: Text=\"\" ListIndex=-1 List=[6,0] Locked=0 Enabled=1 Visible=1 "
         "BackColor=Editable",
         "lbEtiquetas(22): Caption=\"\" Enabled=1 Visible=0",
         "ptPostesado: Picture=\"" + p.figura("Lur2221.bmp") + "\" Enabled=1 Visible=1"});
    EXPECT_EQ(e.frFiguras.ptPostesado, p.figura("Lur2221.bmp"));

    e.ejecucion.DatosModificados = false;
    ponValor(v.TipoCamisa, 0, true);
    EXPECT_EQ(t.Tipologia, 2211);
    EXPECT_TRUE(e.ejecucion.DatosModificados);
    EXPECT_TRUE(v.edReci0.Visible);
    EXPECT_EQ(v.edReci0.BackColor, ColorFondo::Editable);
    EXPECT_TRUE(v.lbEtiquetas(22).Visible);
    EXPECT_EQ(v.edEsp0.List(0), "11,0");
    EXPECT_EQ(v.ptPostesado.Picture, p.figura("Lur2211.bmp"));
    EXPECT_TRUE(p.mensajes.mostrados().empty());
}

TEST(TipoDeCamisa, SinFicheroDeFiguraNoMuestraNinguna)
{
    CapturaPrueba p(pruebas::Figuras::Ausentes);
    LimpiaDatosPantalla(p.captura, NivelLimpiezaTramo::Completa);
    ponPestana(p.captura.TabTipologia, 1);
    ponValor(p.captura.TipoCamisa, 1, true);
    EXPECT_EQ(p.estado.tramo.Tipologia, 2221);
    EXPECT_EQ(p.captura.ptPostesado.Picture, "");
    EXPECT_EQ(p.estado.frFiguras.ptPostesado, "");
}

// The limit is written as the steel boxes write their values, a blank after the words; a
// decline sends the focus to the steel box only when the check may move it.
TEST(CompruebaTensionAcero, AvisaPorEncimaDelLimite)
{
    struct Caso {
        std::string nombre;
        bool si;
        double Fyd;
        std::optional<RespuestaMensaje> respuesta;
        int resultado;
        bool mover = true;
    };
    using R = RespuestaMensaje;
    const std::vector<Caso> casos = {
        {"MKS at the limit", false, 1400.0, {}, 0},
        {"MKS above, go on", false, 1400.5, R::Si, 0},
        {"MKS above, go back", false, 1500.0, R::No, 1},
        {"MKS above, go back, the focus left alone", false, 1500.0, R::No, 1, false},
        {"SI at the limit", true, 140.0, {}, 0},
        {"SI above, go back", true, 140.01, R::No, 1},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.nombre);
        CapturaPrueba p;
        p.muestraSI(c.si);
        p.estado.tramo.Fyd = c.Fyd;
        if (c.respuesta) {
            p.mensajes.responde(*c.respuesta);
        }
        EXPECT_EQ(CompruebaTensionAcero(p.captura, c.mover), c.resultado);
        std::vector<MensajeMostrado> esperados;
        if (c.respuesta) {
            esperados.push_back({std::string("La Tensión de cálculo del acero supera el valor ") +
                                     (c.si ? "140,0 MPa" : "1400 Kp/cm2") +
                                     "\n¿ Desea Continuar ?",
                                 BotonesMensaje::SiNo, IconoMensaje::Ninguno, "AVISO"});
        }
        EXPECT_EQ(p.mensajes.mostrados(), esperados);
        EXPECT_EQ(p.captura.PeticionFoco(),
                  c.resultado == 1 && c.mover ? &p.captura.edFyd : nullptr);
        EXPECT_EQ(p.estado.tramo.Fyd, c.Fyd);
    }
}

TEST(TextosDeLaVentana, SegunLasOpciones)
{
    CapturaPrueba p;
    CapturaDatos &v = p.captura;
    p.muestraSI(false);
    EXPECT_EQ(TextoSistemaUnidades(v), ". Sistema unidades: MKS");
    EXPECT_EQ(EtiquetaUnidad(v, 1), " Kp/cm2");
    EXPECT_EQ(EtiquetaUnidad(v, 2), "");
    p.muestraSI(true);
    EXPECT_EQ(TextoSistemaUnidades(v), ". Sistema unidades: Internacional(SI)");
    EXPECT_EQ(EtiquetaUnidad(v, 1), " MPa");
    // The window's option counts, not the unit system's variable.
    p.estado.ejecucion.SistemaUnidades = "MKS";
    EXPECT_EQ(EtiquetaUnidad(v, 1), " MPa");

    // A project tied to its file: choosing "No" asks nothing.
    p.estado.obra.AbrirObraExistente = Verdadero;
    ponValor(v.rdGolpeAriete, 0, true);
    EXPECT_EQ(TextoGolpeAriete(v), "Si");
    ponValor(v.rdGolpeAriete, 1, true);
    EXPECT_EQ(TextoGolpeAriete(v), "No");
    p.estado.ejecucion.DesplazamientoIdioma = 5000; // the word is the same in every language
    EXPECT_EQ(TextoGolpeAriete(v), "No");
}

} // namespace
} // namespace dravek
