// The section, installation, fill and load boxes: the automatic trench width and its warning,
// the soil checks, the distance to the natural ground, the code lists of the laying, and the
// typed total load against the live load.

#include "apoyo/CapturaPrueba.h"
#include "core/entry/CapturaDatos.h"
#include "core/model/TextoRecurso.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::CapturaPrueba;
using pruebas::MensajeMostrado;
using pruebas::Ok;
using pruebas::T;

class Seccion : public ::testing::Test {
protected:
    Seccion()
    {
        // A run in capture: the save button is enabled and records its clicks.
        v.btGrabar.Click = [this] { ++grabaciones; };
    }
    bool teclea(ControlTexto &caja, const std::string &texto,
                std::vector<RespuestaMensaje> respuestas = {})
    {
        EXPECT_TRUE(v.cambiaFoco(caja));
        ponTexto(caja, texto);
        for (const RespuestaMensaje r : respuestas) {
            p.mensajes.responde(r);
        }
        return v.cambiaFoco(v.edObra);
    }
    std::vector<MensajeMostrado> mensajes()
    {
        auto m = p.mensajes.mostrados();
        p.mensajes.olvida();
        return m;
    }
    // The installation option without its own handling (which belongs to the layout).
    void colocacion(int indice)
    {
        p.estado.ejecucion.Cargando = true;
        ponValor(v.rdTipoColocacion, indice, true);
        p.estado.ejecucion.Cargando = false;
        t.IndiceColocacion = static_cast<std::int16_t>(indice);
    }

    CapturaPrueba p;
    CapturaDatos &v = p.captura;
    DatosTramo &t = p.estado.tramo;
    int grabaciones = 0;
};

TEST_F(Seccion, AnchoDeZanjaAutomatico)
{
    colocacion(0);
    t.vDE = 1.2;
    // 1.4 x 1.2 + 0.68 = 2.36 m.
    v.cambiaFoco(v.edB0);
    EXPECT_EQ(v.edB0.Text(), "2,360");
    EXPECT_DOUBLE_EQ(t.AnchoZanja, 2.36);
    v.cambiaFoco(v.edObra);

    ponTexto(v.edB0, "");
    colocacion(2);
    v.cambiaFoco(v.edB0);
    EXPECT_EQ(v.edB0.Text(), "");
    ponTexto(v.edB0, "x");
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(v.edB0.Text(), "x");
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{});
}

TEST_F(Seccion, AvisoDeZanjaAnchaBajoTerraplen)
{
    colocacion(1);
    t.vDi = 1.0;
    t.vDE = 1.2;
    t.AnchoZanja = 2.36;
    ponTexto(v.edB0, "2,360");
    p.estado.tablas.LimiteAnchoZanja = 3;
    EXPECT_TRUE(teclea(v.edB0, "3,5", {RespuestaMensaje::Aceptar}));
    const MensajeMostrado aviso{T(513) + " \n3 " + T(514), BotonesMensaje::Aceptar,
                                IconoMensaje::Pregunta, T(515)};
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{aviso});
    EXPECT_EQ(v.edB0.Text(), "3,500");
    EXPECT_EQ(t.AnchoZanjaAutomatico, Falso);
    // Left again without a change: nothing.
    EXPECT_TRUE(teclea(v.edB0, "3,500"));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{});
    // Without the factor the warning never shows.
    p.estado.tablas.LimiteAnchoZanja = 0;
    EXPECT_TRUE(teclea(v.edB0, "4"));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{});
}

TEST_F(Seccion, Suelo)
{
    struct Caso {
        const char *caja;
        const char *texto;
        bool sale;
        const char *muestra;
        std::vector<MensajeMostrado> mensajes;
    };
    const std::string densidad = "Densidad del material del tubo ";
    ASSERT_EQ(T(359), densidad + ":");
    const std::vector<Caso> casos = {
        {"edGc0", "0", false, "2,50", {Ok(T(287), densidad)}},
        {"edGr0", "2", true, "2,00", {}},
        {"edGr0", "", false, "1,80", {Ok(T(287), T(311))}},
        {"edFi0", "90", true, "90,00", {}},
        {"edFi0", "90,5", false, "90,50", {Ok(T(517), T(286))}},
        {"edFi0", "3,,", false, "30,00", {Ok(T(693), T(312))}},
        {"edFi0", "0", true, "0,00", {}},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::string(c.caja) + " " + c.texto);
        CapturaPrueba q;
        auto &caja = dynamic_cast<ControlTexto &>(*q.captura.BuscaControl(c.caja));
        q.captura.cambiaFoco(caja);
        ponTexto(caja, c.texto);
        for (std::size_t i = 0; i < c.mensajes.size(); ++i) {
            q.mensajes.responde(RespuestaMensaje::Aceptar);
        }
        EXPECT_EQ(q.captura.cambiaFoco(q.captura.edObra), c.sale);
        EXPECT_EQ(caja.Text(), c.muestra);
        EXPECT_EQ(q.mensajes.mostrados(), c.mensajes);
    }
}

TEST_F(Seccion, DistanciaAlTerrenoNatural)
{
    p.estado.obra.AlturaInicialObra = 5;
    colocacion(1);
    EXPECT_FALSE(teclea(v.edHr1, "6", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(314) + "\n" + T(315) + " ", T(286))});
    EXPECT_EQ(v.edHr1.Text(), "6,000");
    colocacion(2);
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{});
    EXPECT_DOUBLE_EQ(t.DistanciaTerrenoNatural, 6);
}

TEST_F(Seccion, CargaVerticalTotalFrenteALaSobrecarga)
{
    // The loads page is entered only with the heights, the diameter and the width it builds on.
    p.estado.obra.AlturaInicialObra = 1;
    t.vDE = 1.2;
    t.AnchoZanja = 3;
    v.cambiaFoco(v.edQDato0);
    EXPECT_EQ(v.TabDatosColocacion.Tab(), 2);
    EXPECT_EQ(v.edQDato0.Text(), "0,000");
    ponTexto(v.edQDato0, "10");
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(v.edQDato0.Text(), "10,00");
    EXPECT_FALSE(v.edICar0.Visible);
    EXPECT_EQ(v.edICar0.BackColor, ColorFondo::Cerrado);
    EXPECT_FALSE(v.lbEtiquetas(34).Visible);
    EXPECT_EQ(t.CalculoCargas, 0);
    EXPECT_EQ(t.TipoCargaConcentrada, 0);
    // A value already there stays on entry.
    v.cambiaFoco(v.edQDato0);
    EXPECT_EQ(v.edQDato0.Text(), "10,00");
    ponTexto(v.edQDato0, "0");
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_TRUE(v.edICar0.Visible);
    EXPECT_EQ(v.edICar0.BackColor, ColorFondo::Editable);
    EXPECT_TRUE(v.lbEtiquetas(34).Visible);
    EXPECT_EQ(t.CalculoCargas, 1);
}

TEST_F(Seccion, CargaEnZanjaSinAnchoNoDivideEntreCero)
{
    // The loads page is entered with a width; the width is then lost (a cleared run whose width
    // box was never visited): width 0.
    p.estado.obra.AlturaInicialObra = 1;
    t.CodigoColocacion = 11;
    t.vDE = 1.2;
    t.AnchoZanja = 3;
    v.cambiaFoco(v.edQDato0);
    ASSERT_EQ(v.TabDatosColocacion.Tab(), 2);
    t.AnchoZanja = 0;
    EXPECT_TRUE(teclea(v.edQDato0, "10"));
    // vQH over the automatic width: 1.2 x 10 / (1.4 x 1.2 + 0.68) = 12 / 2.36 = 5.0847 t/m2.
    EXPECT_NEAR(p.estado.caso.vQH, 5.0847, 1e-4);
    EXPECT_DOUBLE_EQ(p.estado.caso.vQ, 10);
    // With its width: 12 / 3 = 4.
    t.AnchoZanja = 3;
    EXPECT_TRUE(teclea(v.edQDato0, "10,5"));
    EXPECT_NEAR(p.estado.caso.vQH, 1.2 * 10.5 / 3, 1e-12);
}

TEST_F(Seccion, ListasDeLaColocacion)
{
    // Settlement ratio: only for an embankment.
    colocacion(0);
    EXPECT_TRUE(teclea(v.edIAs, "cualquiera"));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{});
    colocacion(2);
    EXPECT_FALSE(teclea(v.edIAs, "cualquiera", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(287), T(240))});
    EXPECT_EQ(v.edIAs.Text(), T(132));
    EXPECT_EQ(t.IndiceAsentamiento, 2);

    // Compaction: 10 + position in a trench, 20 + position under an embankment; every valid
    // leave voids the overrides.
    for (const int k : {0, 1}) {
        SCOPED_TRACE(k);
        CapturaPrueba q;
        q.estado.ejecucion.Cargando = true;
        ponValor(q.captura.rdTipoColocacion, k, true);
        q.estado.ejecucion.Cargando = false;
        q.captura.cambiaFoco(q.captura.edTipoApoyo0);
        ponTexto(q.captura.edTipoApoyo0, T(119));
        q.ajustes.olvida();
        q.estado.ejecucion.DatosModificados = false;
        EXPECT_TRUE(q.captura.cambiaFoco(q.captura.edObra));
        EXPECT_EQ(q.estado.tramo.CodigoColocacion, k == 0 ? 11 : 21);
        EXPECT_EQ(q.ajustes.veces(), 1);
        EXPECT_TRUE(q.estado.ejecucion.DatosModificados);
    }
    colocacion(0);
    EXPECT_FALSE(teclea(v.edTipoApoyo0, "", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(518), "Tipo de Colocación")});
    EXPECT_EQ(v.edTipoApoyo0.Text(), T(120));
    EXPECT_EQ(t.CodigoColocacion, 12);
}

TEST_F(Seccion, LaSobrecargaOfreceGrabarSoloAlSalirYConElBotonActivo)
{
    // Left by the keyboard: stored and the save offered.
    EXPECT_TRUE(teclea(v.edICar0, T(125)));
    EXPECT_EQ(t.TipoCargaConcentrada, 4);
    EXPECT_EQ(grabaciones, 1);
    // Chosen from the list: stored, no save.
    ponIndice(v.edICar0, 1);
    EXPECT_EQ(t.TipoCargaConcentrada, 1);
    EXPECT_EQ(grabaciones, 1);
    // No run in capture (the save button is disabled): nothing is saved.
    v.btGrabar.Enabled = false;
    EXPECT_TRUE(teclea(v.edICar0, T(121)));
    EXPECT_EQ(t.TipoCargaConcentrada, 0);
    EXPECT_EQ(grabaciones, 1);
    // Entering an empty box shows the 13-tonne axle, and the variable holds it too.
    CapturaPrueba q;
    q.estado.tramo.TipoCargaConcentrada = 1;
    q.captura.cambiaFoco(q.captura.edICar0);
    EXPECT_EQ(q.captura.edICar0.Text(), T(123));
    EXPECT_EQ(q.estado.tramo.TipoCargaConcentrada, 2);
}

TEST_F(Seccion, DiametroYEspesorLlevanElAnchoConsigo)
{
    colocacion(0);
    t.Tipologia = 1100;
    pruebas::PonGeometria(p.estado.tablas, {{1200, {20, 20, 120}, {}, {}, {}, {}}});
    ponTexto(v.edDi0, "1");
    EXPECT_TRUE(teclea(v.edDi0, "1,2"));
    EXPECT_DOUBLE_EQ(t.vDi, 1.2);
    EXPECT_EQ(t.AnchoZanjaAutomatico, Verdadero);
    // The commercial 1.2 m pipe takes its 12 cm wall: outer diameter 1.44 m, trench width
    // 1.4 x 1.44 + 0.68 = 2.696 m.
    EXPECT_NEAR(t.vDE, 1.44, 1e-12);
    EXPECT_NEAR(t.AnchoZanja, 2.696, 1e-12);
    EXPECT_EQ(v.edB0.Text(), "2,696");
    EXPECT_TRUE(teclea(v.edB0, "5"));
    EXPECT_EQ(t.AnchoZanjaAutomatico, Falso);
    // An inner cover of a lined cylinder is never examined.
    t.Tipologia = 2221;
    EXPECT_TRUE(teclea(v.edReci0, "zz"));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{});
}

} // namespace
} // namespace dravek
