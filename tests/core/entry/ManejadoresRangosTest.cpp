// The pressure and fill-height boxes of the project and of the run: what each leave stores and
// shows, the ranges it refuses, and the open and closed states of the boxes that depend on a
// range.

#include "apoyo/CapturaPrueba.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/LimitesCampos.h"
#include "core/model/TextoRecurso.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::CapturaPrueba;
using pruebas::MensajeMostrado;
using pruebas::Ok;
using pruebas::T;

// Open or closed, as the three properties show it.
std::string Estado(const ControlTexto &c)
{
    if (!c.Locked && c.Enabled && c.BackColor == ColorFondo::Editable) {
        return "abierta";
    }
    if (c.Locked && !c.Enabled && c.BackColor == ColorFondo::Cerrado) {
        return "cerrada";
    }
    return "mixta";
}

class Rangos : public ::testing::Test {
protected:
    // Enters the box, types the text and tries to leave for the project title. True when left.
    bool teclea(ControlTexto &caja, const std::string &texto,
                std::vector<RespuestaMensaje> respuestas = {})
    {
        EXPECT_TRUE(p.captura.cambiaFoco(caja));
        ponTexto(caja, texto);
        for (const RespuestaMensaje r : respuestas) {
            p.mensajes.responde(r);
        }
        return p.captura.cambiaFoco(p.captura.edObra);
    }
    std::vector<MensajeMostrado> mensajes()
    {
        auto m = p.mensajes.mostrados();
        p.mensajes.olvida();
        return m;
    }

    CapturaPrueba p;
    CapturaDatos &v = p.captura;
    DatosObra &o = p.estado.obra;
    DatosTramo &t = p.estado.tramo;
};

TEST_F(Rangos, DPInicialSinMDPInicial)
{
    EXPECT_FALSE(teclea(v.edPrs1, "5", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(274))});
    EXPECT_EQ(v.edPrs1.Text(), "5");
    EXPECT_EQ(v.Foco(), &v.edPrs1);
}

TEST_F(Rangos, PresionesDeLaObra)
{
    // MDP initial left empty.
    EXPECT_FALSE(teclea(v.edPrsM1, "", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(273))});
    EXPECT_EQ(v.Foco(), &v.edPrsM1);

    // MDP initial 11 derives DP initial 10 (11 / 1.1); DP initial left empty keeps it.
    ponTexto(v.edPrsM1, "11");
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(v.edPrsM1.Text(), "11,00");
    EXPECT_EQ(v.edPrs1.Text(), "10,00");
    o.DPInicialObra = 0;
    EXPECT_TRUE(teclea(v.edPrs1, ""));
    EXPECT_DOUBLE_EQ(o.DPInicialObra, 10);
    EXPECT_EQ(v.edPrs1.Text(), "10,00");

    // MDP final left empty: takes the initial one, the step is 0 and shows "0", DP final is
    // derived, and leaving closes the step and DP-final boxes.
    EXPECT_TRUE(teclea(v.edPrsM2, ""));
    EXPECT_DOUBLE_EQ(o.MDPFinalObra, 11);
    EXPECT_EQ(o.IncrementoPresionObra, 0);
    EXPECT_EQ(v.edPrs3.Text(), "0");
    EXPECT_EQ(v.edPrs2.Text(), "10,00");
    EXPECT_EQ(Estado(v.edPrs3), "cerrada");
    EXPECT_EQ(Estado(v.edPrs2), "cerrada");

    // With a single MDP, leaving DP initial copies it into DP final.
    o.DPFinalObra = 0;
    EXPECT_TRUE(teclea(v.edPrs1, "9"));
    EXPECT_DOUBLE_EQ(o.DPFinalObra, 9);
    EXPECT_EQ(v.edPrs2.Text(), "9,00");
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{});
    // Pressure boxes do not mark the run.
    EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
}

// A pressure beyond the physical bounds the calculation's check holds to is refused at its box,
// in either unit system, with the bound it passed: the project keeps, and the box shows, the
// value held before. An initial MDP of 999 999 999 therefore never reaches the final MDP's
// check, which refused every leave against it.
TEST_F(Rangos, PresionFueraDeLimitesSeRechazaEnLaCaja)
{
    struct Caso {
        bool si;
        const char *anterior;
        const char *mostrado;
        const char *tecleado;
        const char *maximo;
    };
    for (const Caso c : {Caso{false, "11", "11,00", "999999999", "1000,00"},
                         Caso{false, "11", "11,00", "1000,01", "1000,00"},
                         Caso{true, "1,1", "1,10", "100,5", "100,00"}}) {
        SCOPED_TRACE(std::string(c.tecleado) + (c.si ? " SI" : " MKS"));
        CapturaPrueba q;
        q.muestraSI(c.si);
        CapturaDatos &w = q.captura;
        EXPECT_TRUE(w.cambiaFoco(w.edPrsM1));
        ponTexto(w.edPrsM1, c.anterior);
        EXPECT_TRUE(w.cambiaFoco(w.edObra));
        const double anterior = q.estado.obra.MDPInicialObra;

        EXPECT_TRUE(w.cambiaFoco(w.edPrsM1));
        ponTexto(w.edPrsM1, c.tecleado);
        q.mensajes.responde(RespuestaMensaje::Aceptar);
        EXPECT_FALSE(w.cambiaFoco(w.edPrsM2));
        EXPECT_EQ(q.mensajes.mostrados(),
                  std::vector<MensajeMostrado>{
                      Ok(T(287) + " (" + T(1123) + " " + c.maximo + ")", T(271))});
        EXPECT_EQ(w.Foco(), &w.edPrsM1);
        EXPECT_DOUBLE_EQ(q.estado.obra.MDPInicialObra, anterior);
        EXPECT_EQ(w.edPrsM1.Text(), c.mostrado);

        // What the box shows is what it holds: it lets the focus go, and the final MDP takes
        // a value above it.
        q.mensajes.olvida();
        EXPECT_TRUE(w.cambiaFoco(w.edPrsM2));
        ponTexto(w.edPrsM2, c.si ? "2" : "20");
        EXPECT_TRUE(w.cambiaFoco(w.edObra));
        EXPECT_TRUE(q.mensajes.mostrados().empty());
        EXPECT_DOUBLE_EQ(q.estado.obra.MDPFinalObra, c.si ? 2 : 20);
    }
}

// An initial MDP refused from an empty box leaves the box empty, as the project holds no MDP.
TEST_F(Rangos, PrimeraPresionFueraDeLimites)
{
    EXPECT_FALSE(
        teclea(v.edPrsM1, "999999999", {RespuestaMensaje::Aceptar, RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), (std::vector<MensajeMostrado>{
                              Ok(T(287) + " (" + T(1123) + " 1000,00)", T(271)), Ok(T(273))}));
    EXPECT_EQ(o.MDPInicialObra, 0);
    EXPECT_EQ(v.edPrsM1.Text(), "");
    EXPECT_EQ(v.Foco(), &v.edPrsM1);
}

// A bound in a message is written as its box writes values: "100.000" beside a box of tenths
// of a millimetre reads as a hundred thousand to a Spanish reader. A bound finer than the box
// keeps the decimals it needs, and one beyond any number is named.
TEST(CotaEnMensaje, ComoLaCaja)
{
    struct Caso {
        double cota;
        const char *mascara;
        const char *escrita;
    };
    CapturaPrueba p;
    for (const Caso &c : {Caso{100.0, "#####0.0", "100,0"}, Caso{1000.0, "#####0.00", "1000,00"},
                          Caso{1e6, "#####0", "1000000"}, Caso{0.001, "#####0.00", "0,001"},
                          Caso{0.05, "#####0.0", "0,05"}, Caso{0.00001, "#####0", "0,00001"},
                          Caso{2.5, "#####0", "2,5"}}) {
        SCOPED_TRACE(c.escrita);
        EXPECT_EQ(CotaComoLaCaja(p.captura, c.cota, c.mascara), c.escrita);
    }
    EXPECT_EQ(CotaComoLaCaja(p.captura, std::numeric_limits<double>::infinity(), "#####0.0"),
              T(1121));
}

// The steel sheet's bound in millimetres, as its box of tenths shows them.
TEST_F(Rangos, LaCotaSeEscribeComoLaCaja)
{
    EXPECT_FALSE(teclea(v.edCamMax, "150", {RespuestaMensaje::Aceptar}));
    const std::vector<MensajeMostrado> vistos = mensajes();
    ASSERT_EQ(vistos.size(), 1u);
    EXPECT_EQ(vistos[0].texto, T(287) + " (" + T(1123) + " 100,0)");
}

TEST_F(Rangos, RangoDeMDPAbreElIncrementoYDerivaLaDPFinal)
{
    o.MDPInicialObra = 11;
    o.DPInicialObra = 10;
    v.edPrs2.Locked = true;
    v.edPrs2.Enabled = false;
    v.edPrs2.BackColor = ColorFondo::Cerrado;
    EXPECT_TRUE(teclea(v.edPrsM2, "16,5"));
    EXPECT_EQ(Estado(v.edPrs3), "abierta");
    EXPECT_EQ(Estado(v.edPrs2), "abierta");
    // DP final left empty: 16.5 / 1.1 = 15.
    o.DPFinalObra = 0;
    EXPECT_TRUE(teclea(v.edPrs2, ""));
    EXPECT_EQ(v.edPrs2.Text(), "15,00");

    // The step: empty refused while the MDP range has extent.
    EXPECT_FALSE(teclea(v.edPrs3, "", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(287), T(539))});
    ponTexto(v.edPrs3, "1");
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(v.edPrs3.Text(), "1,00");

    // DP final above MDP final; below DP initial.
    EXPECT_FALSE(teclea(v.edPrs2, "17", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(274))});
    ponTexto(v.edPrs2, "9");
    p.mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_FALSE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(522))});
}

// An ordered pair (MDP, DP, heights, of the project and of the run) with its initial value typed
// above the final one: going from one box of the pair to the other checks nothing of the order,
// so either box may be mended next; leaving the pair unmended is refused with the pair's message,
// from either box, the focus staying there; mended, the pair is left in silence and the boxes
// that follow the range are as they were.
TEST_F(Rangos, UnParDesordenadoSeCorrigeDesdeCualquierCaja)
{
    using Caja = CajaTexto CapturaDatos::*;
    struct Par {
        const char *nombre;
        std::vector<std::pair<Caja, const char *>> previos; // typed and left first, in order
        Caja inicial;
        Caja final;
        const char *desordenado; // an initial value above the final one
        const char *finalCorregido;
        const char *inicialCorregido;
        std::string mensaje;
        Caja dependiente; // a box that follows the range, open throughout
    };
    using C = CapturaDatos;
    const std::vector<Par> pares = {
        {"project MDP",
         {{&C::edPrsM1, "10"}, {&C::edPrsM2, "12"}},
         &C::edPrsM1,
         &C::edPrsM2,
         "999",
         "1000",
         "11",
         T(282),
         &C::edPrs2},
        {"project DP",
         {{&C::edPrsM1, "20"}, {&C::edPrsM2, "30"}, {&C::edPrs1, "15"}, {&C::edPrs2, "16"}},
         &C::edPrs1,
         &C::edPrs2,
         "19",
         "25",
         "14",
         T(522),
         &C::edPrs3},
        {"project heights",
         {{&C::edAlt1, "3"}, {&C::edAlt2, "6"}},
         &C::edAlt1,
         &C::edAlt2,
         "8",
         "9",
         "4",
         T(310),
         &C::edAlt3},
        {"run MDP",
         {{&C::edPrsM1Tram, "10"}, {&C::edPrsM2Tram, "12"}},
         &C::edPrsM1Tram,
         &C::edPrsM2Tram,
         "14",
         "15",
         "11",
         T(282),
         &C::edPrs2Tram},
        {"run DP",
         {{&C::edPrsM1Tram, "20"},
          {&C::edPrsM2Tram, "30"},
          {&C::edPrs1Tram, "15"},
          {&C::edPrs2Tram, "16"}},
         &C::edPrs1Tram,
         &C::edPrs2Tram,
         "19",
         "25",
         "14",
         T(521),
         &C::edPrsM2Tram},
        {"run heights",
         {{&C::edHr0, "3"}, {&C::edHr0Final, "6"}},
         &C::edHr0,
         &C::edHr0Final,
         "8",
         "9",
         "4",
         "Altura de tierras Final Inferior a la Inicial",
         &C::edHr0Delta},
    };
    for (const Par &par : pares) {
        for (const bool corrigeFinal : {true, false}) {
            SCOPED_TRACE(std::string(par.nombre) + (corrigeFinal ? ", final" : ", initial"));
            CapturaPrueba q;
            CapturaDatos &w = q.captura;
            CajaTexto &inicial = w.*par.inicial;
            CajaTexto &final = w.*par.final;
            for (const auto &[caja, texto] : par.previos) {
                ASSERT_TRUE(w.cambiaFoco(w.*caja));
                ponTexto(w.*caja, texto);
                ASSERT_TRUE(w.cambiaFoco(w.edObra));
            }
            ASSERT_EQ(q.mensajes.mostrados(), std::vector<MensajeMostrado>{});
            ASSERT_EQ(Estado(w.*par.dependiente), "abierta");

            // The initial value above the final one; over to the final box and back, freely.
            ASSERT_TRUE(w.cambiaFoco(inicial));
            ponTexto(inicial, par.desordenado);
            EXPECT_TRUE(w.cambiaFoco(final));
            EXPECT_TRUE(w.cambiaFoco(inicial));
            EXPECT_TRUE(w.cambiaFoco(final));
            EXPECT_EQ(q.mensajes.mostrados(), std::vector<MensajeMostrado>{});
            EXPECT_EQ(Estado(w.*par.dependiente), "abierta");

            // Leaving the pair unmended, from either box: refused, the focus kept.
            for (CajaTexto *caja : {&final, &inicial}) {
                ASSERT_TRUE(w.cambiaFoco(*caja));
                q.mensajes.responde(RespuestaMensaje::Aceptar);
                EXPECT_FALSE(w.cambiaFoco(w.edObra));
                EXPECT_EQ(w.Foco(), caja);
                EXPECT_EQ(q.mensajes.mostrados(), std::vector<MensajeMostrado>{Ok(par.mensaje)});
                q.mensajes.olvida();
            }

            // Mended from the box chosen, and left in silence.
            CajaTexto &corregida = corrigeFinal ? final : inicial;
            EXPECT_TRUE(w.cambiaFoco(corregida));
            ponTexto(corregida, corrigeFinal ? par.finalCorregido : par.inicialCorregido);
            EXPECT_TRUE(w.cambiaFoco(w.edObra));
            EXPECT_EQ(q.mensajes.mostrados(), std::vector<MensajeMostrado>{});
            EXPECT_EQ(w.Foco(), &w.edObra);
            EXPECT_EQ(Estado(w.*par.dependiente), "abierta");
        }
    }
}

TEST_F(Rangos, ConMDPUnicaElTextoDelIncrementoNoCuenta)
{
    o.MDPInicialObra = 11;
    o.MDPFinalObra = 11;
    v.edPrs3.Enabled = true;
    EXPECT_TRUE(teclea(v.edPrs3, "7"));
    EXPECT_EQ(o.IncrementoPresionObra, 0);
    EXPECT_EQ(v.edPrs3.Text(), "7");
}

TEST_F(Rangos, PresionesDelTramo)
{
    t.MDPInicialTramo = 11;
    t.DPInicialTramo = 10;
    ponTexto(v.edPrsM1Tram, "11,00");
    ponTexto(v.edPrs1Tram, "10,00");

    // DP final equal to DP initial: the step and MDP-final boxes are blanked and closed, the step
    // is 0, the MDP final keeps its value.
    t.MDPFinalTramo = 13;
    t.IncrementoPresionTramo = 1;
    ponTexto(v.edPrsM2Tram, "13,00");
    ponTexto(v.edPrs3Tram, "1,00");
    EXPECT_TRUE(teclea(v.edPrs2Tram, "10"));
    EXPECT_EQ(v.edPrs3Tram.Text(), "");
    EXPECT_EQ(v.edPrsM2Tram.Text(), "");
    EXPECT_EQ(Estado(v.edPrs3Tram), "cerrada");
    EXPECT_EQ(Estado(v.edPrsM2Tram), "cerrada");
    EXPECT_EQ(t.IncrementoPresionTramo, 0);
    EXPECT_DOUBLE_EQ(t.MDPFinalTramo, 13);

    // DP final below DP initial: text 521 for a run.
    EXPECT_FALSE(teclea(v.edPrs2Tram, "9", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(521))});
    t.DPFinalTramo = 12;
    ponTexto(v.edPrs2Tram, "12");
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(Estado(v.edPrs3Tram), "abierta");
    EXPECT_EQ(Estado(v.edPrsM2Tram), "abierta");

    // MDP final made equal to MDP initial after a step of 1: the step becomes 0 and shows "0".
    t.IncrementoPresionTramo = 1;
    ponTexto(v.edPrs3Tram, "1,00");
    EXPECT_TRUE(teclea(v.edPrsM2Tram, "11"));
    EXPECT_EQ(t.IncrementoPresionTramo, 0);
    EXPECT_EQ(v.edPrs3Tram.Text(), "0");
    EXPECT_EQ(Estado(v.edPrs3Tram), "cerrada");
    EXPECT_EQ(Estado(v.edPrs2Tram), "cerrada");
    // Pressure boxes do not mark the run.
    EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
}

TEST_F(Rangos, AlturasDeLaObra)
{
    for (const char *texto : {"", "0,5"}) {
        SCOPED_TRACE(texto);
        EXPECT_FALSE(teclea(v.edAlt1, texto, {RespuestaMensaje::Aceptar}));
        EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(171))});
        o.AlturaInicialObra = 3;
        ponTexto(v.edAlt1, "3");
        EXPECT_TRUE(v.cambiaFoco(v.edObra));
    }
    EXPECT_EQ(v.edAlt1.Text(), "3,00");
    ponTexto(v.edAlt3, "1,00");
    EXPECT_TRUE(teclea(v.edAlt2, ""));
    EXPECT_DOUBLE_EQ(o.AlturaFinalObra, 3);
    EXPECT_EQ(o.IncrementoAlturaObra, 0);
    EXPECT_EQ(v.edAlt3.Text(), "");
    EXPECT_EQ(Estado(v.edAlt3), "cerrada");
    EXPECT_TRUE(teclea(v.edAlt2, "6"));
    EXPECT_EQ(Estado(v.edAlt3), "abierta");
    EXPECT_FALSE(teclea(v.edAlt2, "2", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(310))});
}

TEST_F(Rangos, AlturasDelTramo)
{
    o.AlturaInicialObra = 3;
    o.AlturaFinalObra = 5;
    // Below 1 m is allowed while the project gives a height.
    EXPECT_TRUE(teclea(v.edHr0, "0,5"));
    EXPECT_EQ(v.edHr0.Text(), "0,50");
    EXPECT_DOUBLE_EQ(p.estado.calculo.AlturaInicial, 0.5);
    // Empty: blanked, the project's height applies.
    EXPECT_TRUE(teclea(v.edHr0, ""));
    EXPECT_EQ(v.edHr0.Text(), "");
    EXPECT_DOUBLE_EQ(p.estado.calculo.AlturaInicial, 3);
    // Without a project height it must be at least 1 m.
    o.AlturaInicialObra = 0;
    EXPECT_FALSE(teclea(v.edHr0, "0,5", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(T(171))});
    EXPECT_EQ(v.edHr0.Text(), "0,50");
    ponTexto(v.edHr0, "4");
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    // The run's initial height marks the run and voids the overrides.
    EXPECT_TRUE(p.estado.ejecucion.DatosModificados);
    EXPECT_GE(p.ajustes.veces(), 1);

    // Final below initial: the Spanish literal, in English too.
    p.estado.ejecucion.Idioma = 2;
    p.estado.ejecucion.DesplazamientoIdioma = 5000;
    EXPECT_FALSE(teclea(v.edHr0Final, "2", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(),
              std::vector<MensajeMostrado>{Ok("Altura de tierras Final Inferior a la Inicial")});
    // Equal: no step, its box blanked and closed.
    ponTexto(v.edHr0Delta, "1,00");
    t.IncrementoAltura = 1;
    ponTexto(v.edHr0Final, "4");
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(t.IncrementoAltura, 0);
    EXPECT_EQ(v.edHr0Delta.Text(), "");
    EXPECT_EQ(Estado(v.edHr0Delta), "cerrada");
    // Above: the step box opens and asks for a step.
    EXPECT_TRUE(teclea(v.edHr0Final, "8"));
    EXPECT_EQ(Estado(v.edHr0Delta), "abierta");
    EXPECT_DOUBLE_EQ(p.estado.calculo.AlturaFinal, 8);
    EXPECT_FALSE(teclea(v.edHr0Delta, "", {RespuestaMensaje::Aceptar}));
    EXPECT_EQ(mensajes(), std::vector<MensajeMostrado>{Ok(Texto(5000, 287), Texto(5000, 279))});
}

TEST_F(Rangos, DescripcionDelTramo)
{
    for (const char *texto : {"Conducción norte", ""}) {
        EXPECT_TRUE(teclea(v.edDescriTramo, texto));
        EXPECT_EQ(v.edDescriTramo2.Text(), texto);
        EXPECT_EQ(t.ITIT, texto);
    }
}

} // namespace
} // namespace dravek
