#include "core/entry/ValoresSI.h"

#include "apoyo/CapturaPrueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace dravek {
namespace {

using pruebas::CapturaPrueba;

// 0.45 fck^(2/3) of 350 kp/cm2, worked out by hand: 350^(2/3) = 49.664, x 0.45 = 22.349.
constexpr double Fct350 = 22.349;

TEST(ValoresSI, PresionesDeLaObraEnSI)
{
    CapturaPrueba p;
    p.muestraSI(true);
    ponTexto(p.captura.edPrs1, "1,5");
    ponTexto(p.captura.edPrsM1, "");
    ponTexto(p.captura.edPrsM2, " 2 ");
    EXPECT_EQ(LeePresionesSI(p.captura, true), "");
    const EstadoObra &e = p.estado;
    EXPECT_DOUBLE_EQ(e.valoresSI.DPInicialObraSI, 1.5);
    EXPECT_DOUBLE_EQ(e.obra.DPInicialObra, 15.0);
    EXPECT_EQ(e.valoresSI.MDPInicialObraSI, 0.0);
    EXPECT_EQ(e.obra.MDPInicialObra, 0.0);
    EXPECT_DOUBLE_EQ(e.obra.MDPFinalObra, 20.0);
    RestauraPresionesSI(p.estado);
    EXPECT_DOUBLE_EQ(e.obra.DPInicialObra, 1.5);
    EXPECT_DOUBLE_EQ(e.obra.MDPFinalObra, 2.0);
}

// The tensile strength is the one the calculation uses, in both systems: 22.3 kp/cm2 and
// 2.23 MPa for 350 kp/cm2, never the rule applied to MPa (4.81).
TEST(ValoresSI, DatosDelTramo)
{
    for (const bool si : {false, true}) {
        SCOPED_TRACE(si ? "SI" : "MKS");
        CapturaPrueba p;
        p.muestraSI(si);
        CapturaDatos &v = p.captura;
        ponTexto(v.edFck, si ? "35,0" : "350");
        ponTexto(v.edFct, si ? "4,8" : "22"); // not read
        ponTexto(v.edQDato0, si ? "0,25" : "25");
        ponTexto(v.edEs, si ? "210000" : "2100000");
        EXPECT_EQ(LeeDatosSI(v, si), "");
        const EstadoObra &e = p.estado;
        EXPECT_DOUBLE_EQ(e.tramo.FCK, 350.0);
        EXPECT_DOUBLE_EQ(e.valoresSI.FckSI, 35.0);
        EXPECT_NEAR(e.tramo.Fct, Fct350, 0.001);
        EXPECT_NEAR(e.valoresSI.FctSI, Fct350 / 10, 0.0001);
        EXPECT_DOUBLE_EQ(e.tramo.CargaVerticalTotal, 25.0);
        EXPECT_DOUBLE_EQ(e.valoresSI.QDatoSI, 0.25);
        EXPECT_DOUBLE_EQ(e.tramo.Es, 2100000.0);
        EXPECT_DOUBLE_EQ(e.valoresSI.EsSI, 210000.0);
        EXPECT_EQ(e.tramo.Fyk, 0.0); // an empty box
        EXPECT_EQ(e.valoresSI.FykSI, 0.0);

        RestauraDatosSI(p.estado);
        EXPECT_DOUBLE_EQ(e.tramo.FCK, si ? 35.0 : 350.0);
        EXPECT_NEAR(e.tramo.Fct, si ? Fct350 / 10 : Fct350, 0.001);
        EXPECT_DOUBLE_EQ(e.tramo.CargaVerticalTotal, si ? 0.25 : 25.0);
    }
}

// A box that is not a number stops the capture before anything is converted.
TEST(ValoresSI, UnaCajaDanadaNoConvierteNada)
{
    CapturaPrueba p;
    p.muestraSI(true);
    ponTexto(p.captura.edFck, "35");
    ponTexto(p.captura.edFyk, "2,1x");
    p.estado.tramo.FCK = 30;
    EXPECT_EQ(LeeDatosSI(p.captura, true), "edFyk");
    EXPECT_EQ(p.estado.tramo.FCK, 30);
    EXPECT_EQ(p.estado.valoresSI.FckSI, 0);

    ponTexto(p.captura.edPrs2, "-1");
    EXPECT_EQ(LeePresionesSI(p.captura, true), "edPrs2");
}

TEST(ValorNumerico, VacioEsCeroYLoDemasEstricto)
{
    EstadoEjecucion e;
    e.SeparadorDecimalLocal.assign(1, ',');
    EXPECT_EQ(ValorNumerico(e, ""), 0.0);
    EXPECT_EQ(ValorNumerico(e, " 1,25 "), 1.25);
    EXPECT_FALSE(ValorNumerico(e, "  ").has_value());
    EXPECT_FALSE(ValorNumerico(e, "1.25").has_value());
}

} // namespace
} // namespace dravek
