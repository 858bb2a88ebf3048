// What the whole-run check leaves when it passes: every box copied into its run variable, the
// values it derives, the variables of the other typology and of the fields the installation does
// not use cleared, and the fill-height range of the calculation.

#include "core/entry/ValidacionTramo.h"

#include "TramoCapturado.h"
#include "VentanaValidacion.h"
#include "apoyo/CapturaPrueba.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Aviso;
using pruebas::VentanaValidacion;
using pruebas::Vista;

// Variables that other runs may have left, so that the check is seen to write them.
void EnsuciaVariables(EstadoObra &e)
{
    DatosTramo &t = e.tramo;
    t.ITIT = "OTRO";
    t.TipoControl = 9;
    t.IndicadorCamisa = 9;
    t.GamaY = 1.1;
    t.GamaF = 1.5;
    t.Es = 5;
    t.Sf = 5;
    t.Epsr = 5;
    t.FijaPresionPrimario = Verdadero;
    t.TipoRelleno = 99;
    t.DistanciaTerrenoNatural = 9;
    t.IndiceAsentamiento = 9;
    t.CalculoCargas = 0;
    t.TipoCargaConcentrada = 1;
    e.caso.vQ = 7;
    e.caso.vQH = 7;
}

// A new reinforced-concrete run in MKS with its defaults: every value reaches its variable.
TEST(ValidaDatosTramo, CopiaUnTramoArmado)
{
    for (const bool mover : {true, false}) {
        SCOPED_TRACE(mover ? "moving the focus" : "in place");
        VentanaValidacion p;
        pruebas::TramoArmado(p);
        EnsuciaVariables(p.estado);
        const Vista inicial = pruebas::VistaDe(p.captura);

        ASSERT_TRUE(ValidaDatosTramo(p.captura, mover));

        EXPECT_TRUE(p.avisos().empty());
        EXPECT_EQ(pruebas::VistaDe(p.captura), inicial);
        EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
        EXPECT_EQ(p.ajustes.veces(), 0);
        const DatosTramo &t = p.estado.tramo;
        EXPECT_EQ(t.ITIT, "TRAMO 1");
        EXPECT_EQ(t.DPInicialTramo, 0);
        EXPECT_EQ(t.DPFinalTramo, 0);
        EXPECT_EQ(t.MDPInicialTramo, 0);
        EXPECT_EQ(t.MDPFinalTramo, 0);
        EXPECT_EQ(t.EsArmado, Verdadero);
        EXPECT_EQ(t.TipoPostesado, 0);
        EXPECT_EQ(t.ClaseFisuracion, 3);
        EXPECT_EQ(t.FijaArmaduraExterior, Falso);
        EXPECT_EQ(t.TipoControl, 1);     // "Intenso"
        EXPECT_EQ(t.IndicadorCamisa, 2); // "Sólo Camisa"
        EXPECT_EQ(t.CAMMAX, 6.0);
        EXPECT_EQ(t.FCK, 350.0);
        // 0.45 x 350^(2/3) = 0.45 x 49.664 kp/cm2, shown as the box shows it in MKS.
        EXPECT_NEAR(t.Fct, 22.349, 0.0005);
        EXPECT_EQ(p.captura.edFct.Text(), "22");
        EXPECT_EQ(t.Fyk, 2100.0);
        EXPECT_EQ(t.Fyd, 1400.0);
        EXPECT_EQ(t.GamaB, 1.5);
        EXPECT_EQ(t.GamaY, 1.0);
        EXPECT_EQ(t.GamaF, 1.0);
        // The post-tensioned variables are cleared; the cylinder steel keeps its strength.
        EXPECT_EQ(t.FijaPresionPrimario, Falso);
        EXPECT_EQ(t.Es, 0);
        EXPECT_EQ(t.Sf, 0);
        EXPECT_EQ(t.Epsr, 0);
        EXPECT_EQ(t.vDi, 1.0);
        EXPECT_EQ(t.ESP, 12.0);
        EXPECT_EQ(t.RECI, 2.5);
        EXPECT_EQ(t.RECE, 2.5);
        EXPECT_DOUBLE_EQ(t.vDE, 1.24);
        EXPECT_EQ(p.captura.edDe0.Text(), "1,240");
        EXPECT_EQ(t.vGAMAB, 2.5);
        EXPECT_EQ(t.vICUNA, 1);
        EXPECT_EQ(t.CodigoColocacion, 12);
        EXPECT_EQ(t.AnchoZanja, 2.416);
        EXPECT_EQ(t.vGAMAT, 1.8);
        EXPECT_EQ(t.AnguloRozamiento, 30.0);
        EXPECT_EQ(t.TipoRelleno, 21);
        EXPECT_EQ(t.DistanciaTerrenoNatural, 0);
        EXPECT_EQ(t.IndiceAsentamiento, 0);
        EXPECT_EQ(t.CargaVerticalTotal, 0);
        EXPECT_EQ(t.CalculoCargas, 1);
        // The box shows the axle of 13 t: the variable takes its code at last.
        EXPECT_EQ(t.TipoCargaConcentrada, 2);
        // The project's fill height, single.
        EXPECT_EQ(p.estado.calculo.AlturaInicial, 3.0);
        EXPECT_EQ(p.estado.calculo.AlturaFinal, 3.0);
        EXPECT_EQ(p.estado.caso.AlturaActual, 3.0);
        EXPECT_EQ(t.IncrementoAltura, 0);
        // The loads of a typed total are the calculation's to derive; none is preset here.
        EXPECT_EQ(p.estado.caso.vQ, 7);
        EXPECT_EQ(p.estado.caso.vQH, 7);
    }
}

// A lined post-tensioned run: its inner cover follows, the shown Sf default is taken when the box
// is empty, and the reinforced-concrete variables are cleared but for the steel's Fyk.
TEST(ValidaDatosTramo, CopiaUnTramoPostesadoRevestido)
{
    VentanaValidacion p;
    pruebas::TramoPostesado(p, true);
    EnsuciaVariables(p.estado);
    p.estado.tramo.Fyk = 2100;
    ponTexto(p.captura.edSf, "");
    ponTexto(p.captura.edSFck, "16000");
    ponTexto(p.captura.edTipoControl, "Normal");

    ASSERT_TRUE(ValidaDatosTramo(p.captura, true));

    EXPECT_TRUE(p.avisos().empty());
    const DatosTramo &t = p.estado.tramo;
    EXPECT_EQ(t.EsArmado, Falso);
    EXPECT_EQ(t.TipoPostesado, 1);
    EXPECT_EQ(t.ClaseFisuracion, 0);
    EXPECT_EQ(t.TipoControl, 0);
    EXPECT_EQ(t.IndicadorCamisa, 0);
    EXPECT_EQ(t.FCK, 0);
    EXPECT_EQ(t.Fct, 0);
    EXPECT_EQ(t.Fyd, 0);
    EXPECT_EQ(t.GamaB, 0);
    EXPECT_EQ(t.GamaY, 0);
    EXPECT_EQ(t.GamaF, 0);
    EXPECT_EQ(t.Fyk, 2100);
    EXPECT_EQ(t.FijaPresionPrimario, Falso);
    EXPECT_EQ(t.Delca, 1.5);
    EXPECT_EQ(t.FykPost, 2100);
    EXPECT_EQ(t.Es, 2100000);
    EXPECT_EQ(t.Ep, 2000000);
    EXPECT_EQ(t.Fckno, 300);
    EXPECT_EQ(t.Fckn, 400);
    EXPECT_EQ(t.Fckr, 350);
    EXPECT_EQ(t.SFck, 16000);
    EXPECT_EQ(t.Sf, 12000);
    EXPECT_EQ(p.captura.edSf.Text(), "12000");
    EXPECT_EQ(t.Rel, 2);
    EXPECT_EQ(t.Fic, 1.5);
    EXPECT_EQ(t.Fir, 0.75);
    EXPECT_EQ(t.Epsc, 0.0002);
    EXPECT_EQ(t.Epsr, 0.0003);
    EXPECT_EQ(t.ESP, 10);
    EXPECT_EQ(t.RECE, 2.5);
    EXPECT_EQ(t.RECI, 7.5);
    EXPECT_EQ(p.captura.edReci0.Text(), "7,5");
    EXPECT_DOUBLE_EQ(t.vDE, 1.2);
}

// In SI the tensile strength is the one the calculation uses, in MPa: 22.349 kp/cm2 / 10,
// shown with the one decimal of the box in SI.
TEST(ValidaDatosTramo, ResistenciaATraccionEnSI)
{
    VentanaValidacion p;
    p.muestraSI(true);
    pruebas::TramoArmado(p);
    ASSERT_EQ(p.captura.edFck.Text(), "35,0");
    ASSERT_TRUE(ValidaDatosTramo(p.captura, true));
    EXPECT_NEAR(p.estado.tramo.Fct, 2.2349, 0.00005);
    EXPECT_EQ(p.captura.edFct.Text(), "2,2");
}

struct Presiones {
    const char *nombre;
    // edPrs1Tram, edPrs2Tram, edPrs3Tram, edPrsM1Tram, edPrsM2Tram as typed, and afterwards.
    std::array<std::string, 5> escritas;
    std::array<std::string, 5> mostradas;
    std::array<double, 5> valores; // DPI, DPF, step, MDPI, MDPF
    bool estable = true;           // checked again as shown, the same values
};

std::array<CajaTexto *, 5> CajasPresion(CapturaDatos &v)
{
    return {&v.edPrs1Tram, &v.edPrs2Tram, &v.edPrs3Tram, &v.edPrsM1Tram, &v.edPrsM2Tram};
}

// The run's pressures and the values derived from them. Each range the check completes passes
// the check again as it is shown, giving the same values: a run saved after the check reads
// back as the same run.
TEST(ValidaDatosTramo, PresionesDelTramo)
{
    const std::vector<Presiones> casos = {
        {"TodoDelProyecto", {"", "", "", "", ""}, {"", "", "", "", ""}, {0, 0, 0, 0, 0}},
        {"UnaMDP",
         {"", "", "", "11", ""},
         {"10,00", "10,00", "", "11", "11,00"},
         {10, 10, 0, 11, 11}},
        // A single MDP is a single DP: the derived DP takes the one typed beside it, and no step
        // is wanted.
        {"DPInicialConUnaMDP",
         {"9", "", "", "10", ""},
         {"9,00", "9,00", "", "10", "10,00"},
         {9, 9, 0, 10, 10}},
        {"DPFinalConUnaMDP",
         {"", "9", "", "10", ""},
         {"9,00", "9,00", "", "10", "10,00"},
         {9, 9, 0, 10, 10}},
        {"RangoMDPConPaso",
         {"", "", "1,1", "11", "22"},
         {"10,00", "20,00", "1,1", "11", "22,00"},
         {10, 20, 1.1, 11, 22}},
        {"RangoCompleto",
         {"4", "10", "3,3", "4,4", "11"},
         {"4,00", "10,00", "3,3", "4,4", "11,00"},
         {4, 10, 3.3, 4.4, 11}},
        // A DP range without extent asks for no step: the box is left as it is, and the run
        // keeps the step it had when the box holds no number.
        {"SinExtensionNoSePideElPaso",
         {"8", "8", "abc", "9", "9"},
         {"8,00", "8,00", "abc", "9", "9,00"},
         {8, 8, 0.5, 9, 9}},
        // Blanks are not an empty box: the value is 0, nothing is derived, the box is emptied.
        // (Emptied, the box is derived the next time: the one range that does not come back.)
        {"SoloBlancos",
         {"  ", "", "", "11", ""},
         {"", "", "", "11", "11,00"},
         {0, 0, 0, 11, 11},
         false},
        {"PasoEnElLimite",
         {"4", "10", "0,01", "4,4", "11"},
         {"4,00", "10,00", "0,01", "4,4", "11,00"},
         {4, 10, 0.01, 4.4, 11}},
    };
    for (const Presiones &c : casos) {
        SCOPED_TRACE(c.nombre);
        VentanaValidacion p;
        pruebas::TramoArmado(p);
        p.estado.tramo.IncrementoPresionTramo = 0.5; // left by another run
        const auto cajas = CajasPresion(p.captura);
        for (std::size_t i = 0; i < cajas.size(); ++i) {
            ponTexto(*cajas[i], c.escritas[i]);
        }
        for (int vuelta = 0; vuelta < (c.estable ? 2 : 1); ++vuelta) {
            SCOPED_TRACE(vuelta == 0 ? "as typed" : "as shown after the check");
            ASSERT_TRUE(ValidaDatosTramo(p.captura, true));
            EXPECT_TRUE(p.avisos().empty());
            const DatosTramo &t = p.estado.tramo;
            const std::array<double, 5> valores = {t.DPInicialTramo, t.DPFinalTramo,
                                                   t.IncrementoPresionTramo, t.MDPInicialTramo,
                                                   t.MDPFinalTramo};
            for (std::size_t i = 0; i < cajas.size(); ++i) {
                EXPECT_EQ(cajas[i]->Text(), c.mostradas[i]) << i;
                EXPECT_NEAR(valores[i], c.valores[i], 1e-12) << i;
            }
        }
    }
}

// A step typed while the MDP range had extent survives a DP range without extent, on save and
// on calculation alike: the box still shows it and the run keeps it.
TEST(ValidaDatosTramo, PasoTecleadoSinExtensionDeDP)
{
    for (const bool mover : {true, false}) {
        SCOPED_TRACE(mover ? "save or calculate" : "print");
        VentanaValidacion p;
        pruebas::TramoArmado(p);
        ponTexto(p.captura.edPrsM1Tram, "11");
        ponTexto(p.captura.edPrsM2Tram, "13");
        ponTexto(p.captura.edPrs3Tram, "1,5");
        // What the box shows is what the run keeps, whatever the variable held.
        p.estado.tramo.IncrementoPresionTramo = 0.5;
        ponTexto(p.captura.edPrs1Tram, "10");
        ponTexto(p.captura.edPrs2Tram, "10");
        ASSERT_TRUE(ValidaDatosTramo(p.captura, mover));
        EXPECT_TRUE(p.avisos().empty());
        EXPECT_EQ(p.captura.edPrs3Tram.Text(), "1,5");
        EXPECT_DOUBLE_EQ(p.estado.tramo.IncrementoPresionTramo, 1.5);
        EXPECT_DOUBLE_EQ(p.estado.tramo.DPInicialTramo, 10);
        EXPECT_DOUBLE_EQ(p.estado.tramo.DPFinalTramo, 10);
    }
}

// In SI the least pressure step is 0.001 MPa (0.01 at).
TEST(ValidaDatosTramo, PasoDePresionMinimoEnSI)
{
    for (const auto &[paso, acepta] :
         std::vector<std::pair<std::string, bool>>{{"0,001", true}, {"0,0009", false}}) {
        SCOPED_TRACE(paso);
        VentanaValidacion p;
        p.muestraSI(true);
        pruebas::TramoArmado(p);
        ponTexto(p.captura.edPrs1Tram, "0,4");
        ponTexto(p.captura.edPrs2Tram, "1");
        ponTexto(p.captura.edPrs3Tram, paso);
        EXPECT_EQ(ValidaDatosTramo(p.captura, false), acepta);
        EXPECT_EQ(p.avisos().size(), acepta ? 0U : 1U);
    }
}

struct Alturas {
    const char *nombre;
    double proyecto;                     // the project's first height, m (a single height)
    std::array<std::string, 3> escritas; // edHr0, edHr0Final, edHr0Delta
    double inicial, final, paso;
};

// The fill-height range of the calculation: the run's own when it gives one, with its own step;
// otherwise the project's.
TEST(ValidaDatosTramo, RangoDeAlturas)
{
    const std::vector<Alturas> casos = {
        {"DelProyecto", 3, {"", "", "0,5"}, 3, 3, 0},
        {"PropioConPaso", 3, {"2", "5", "0,5"}, 2, 5, 0.5},
        {"PropioSinProyecto", 0, {"2", "5", "1"}, 2, 5, 1},
        {"UnaSolaAltura", 3, {"2", "2", ""}, 2, 2, 0},
        {"SoloLaPrimera", 3, {"4", "", "7"}, 4, 0, 0},
        {"JustoUnMetro", 3, {"1", "1,5", "0,01"}, 1, 1.5, 0.01},
    };
    for (const Alturas &c : casos) {
        SCOPED_TRACE(c.nombre);
        VentanaValidacion p;
        pruebas::TramoArmado(p);
        p.estado.obra.AlturaInicialObra = c.proyecto;
        p.estado.obra.AlturaFinalObra = c.proyecto;
        p.estado.obra.IncrementoAlturaObra = 0;
        p.estado.tramo.IncrementoAltura = 0.3; // left by another run
        ponTexto(p.captura.edHr0, c.escritas[0]);
        ponTexto(p.captura.edHr0Final, c.escritas[1]);
        ponTexto(p.captura.edHr0Delta, c.escritas[2]);
        ASSERT_TRUE(ValidaDatosTramo(p.captura, true));
        EXPECT_TRUE(p.avisos().empty());
        EXPECT_EQ(p.estado.calculo.AlturaInicial, c.inicial);
        EXPECT_EQ(p.estado.calculo.AlturaFinal, c.final);
        EXPECT_EQ(p.estado.caso.AlturaActual, c.inicial);
        EXPECT_EQ(p.estado.tramo.IncrementoAltura, c.paso);
    }
}

// The choice boxes compare their entries letter case aside, accented capitals included; the
// text is not trimmed.
TEST(ValidaDatosTramo, ListasSinDistinguirMayusculas)
{
    VentanaValidacion p;
    pruebas::TramoArmado(p);
    ponTexto(p.captura.edTipoControl, "NORMAL");
    ponTexto(p.captura.edTipoCamisa, "SÓLO CAMISA");
    ponTexto(p.captura.edTipoCuna0, "HORMIGÓN, 120 GRD");
    ponTexto(p.captura.edTipoRelleno0, "no cohesivo, rocas con gravas");
    ponTexto(p.captura.edICar0, "TRÁFICO FERROVIARIO");
    ASSERT_TRUE(ValidaDatosTramo(p.captura, true));
    const DatosTramo &t = p.estado.tramo;
    EXPECT_EQ(t.TipoControl, 2);
    EXPECT_EQ(t.IndicadorCamisa, 2);
    EXPECT_EQ(t.vICUNA, 2);
    EXPECT_EQ(t.TipoRelleno, 12);
    EXPECT_EQ(t.TipoCargaConcentrada, 4);
}

struct Colocacion {
    const char *nombre;
    int indice;                 // IndiceColocacion
    std::string apoyo, asiento; // edTipoApoyo0, edIAs
    std::string distancia;      // edHr1
    std::int16_t codigo;
    std::int16_t relleno;
    double anchura, distanciaGuardada;
    std::int16_t asentamiento;
};

// The installation code and the fields each installation uses; the others are cleared.
TEST(ValidaDatosTramo, CodigosDeColocacion)
{
    const std::vector<Colocacion> casos = {
        {"ZanjaCompactada", 0, "Relleno Compactado", "", "2", 12, 21, 2.416, 0, 0},
        {"ZanjaSinCompactar", 0, "Relleno sin Compactar", "", "", 11, 21, 2.416, 0, 0},
        {"BajoTerraplen", 1, "relleno sin compactar", "", "2,5", 21, 0, 2.416, 2.5, 0},
        // A distance equal to the first fill height passes.
        {"BajoTerraplenAlLimite", 1, "Relleno Compactado", "", "3", 22, 0, 2.416, 3, 0},
        // An embankment: no trench width, no fill soil, a distance never compared.
        {"Terraplen", 2, "", "Suelo Asentable", "7", 31, 0, 0, 7, 3},
    };
    for (const Colocacion &c : casos) {
        SCOPED_TRACE(c.nombre);
        VentanaValidacion p;
        pruebas::TramoArmado(p);
        p.estado.tramo.IndiceColocacion = static_cast<std::int16_t>(c.indice);
        ponTexto(p.captura.edTipoApoyo0, c.apoyo);
        ponTexto(p.captura.edIAs, c.asiento);
        ponTexto(p.captura.edHr1, c.distancia);
        ASSERT_TRUE(ValidaDatosTramo(p.captura, true));
        EXPECT_TRUE(p.avisos().empty());
        const DatosTramo &t = p.estado.tramo;
        EXPECT_EQ(t.CodigoColocacion, c.codigo);
        EXPECT_EQ(t.TipoRelleno, c.relleno);
        EXPECT_EQ(t.AnchoZanja, c.anchura);
        EXPECT_EQ(t.DistanciaTerrenoNatural, c.distanciaGuardada);
        EXPECT_EQ(t.IndiceAsentamiento, c.asentamiento);
    }
}

// A typed total vertical load: the loads are not computed, there is no live load (its box is
// not even read), and the typed value is kept as typed for the calculation to convert.
TEST(ValidaDatosTramo, CargaVerticalTecleada)
{
    struct Caso {
        const char *carga;
        std::string cargaMovil;
        std::int16_t calculo, tipo;
    };
    const std::vector<Caso> casos = {
        {"3", "", 0, 0},
        {"0,001", "", 0, 0},
        {"", "No se considera", 1, 0},
        {"0,0009", "Carro de 60 Toneladas", 1, 3},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.carga);
        VentanaValidacion p;
        pruebas::TramoArmado(p);
        ponTexto(p.captura.edQDato0, c.carga);
        ponTexto(p.captura.edICar0, c.cargaMovil);
        p.estado.caso.vQ = 0;
        p.estado.caso.vQH = 0;
        ASSERT_TRUE(ValidaDatosTramo(p.captura, true));
        EXPECT_TRUE(p.avisos().empty());
        EXPECT_EQ(p.estado.tramo.CalculoCargas, c.calculo);
        EXPECT_EQ(p.estado.tramo.TipoCargaConcentrada, c.tipo);
        EXPECT_EQ(p.estado.caso.vQ, 0);
        EXPECT_EQ(p.estado.caso.vQH, 0);
    }
}

// Only a ticked check box counts: the greyed state is not ticked, here as everywhere.
TEST(ValidaDatosTramo, CasillaGrisNoEstaMarcada)
{
    VentanaValidacion armado;
    pruebas::TramoArmado(armado);
    ponValor(armado.captura.edIcontes0, EstadoCasilla::Gris);
    ponTexto(armado.captura.edAdato, "5");
    armado.estado.tramo.ArmaduraExteriorMaxima = 5;
    ASSERT_TRUE(ValidaDatosTramo(armado.captura, true));
    EXPECT_EQ(armado.estado.tramo.FijaArmaduraExterior, Falso);
    EXPECT_EQ(armado.estado.tramo.ArmaduraExteriorMaxima, 0);

    VentanaValidacion postesado;
    pruebas::TramoPostesado(postesado, false);
    ponValor(postesado.captura.edIcontes1, EstadoCasilla::Gris);
    ponTexto(postesado.captura.edCoepre1, "1,2");
    ASSERT_TRUE(ValidaDatosTramo(postesado.captura, true));
    EXPECT_EQ(postesado.estado.tramo.FijaPresionPrimario, Falso);
    EXPECT_EQ(postesado.estado.tramo.CoefPresionPrimario, 0);

    // Ticked, the values count.
    ponValor(armado.captura.edIcontes0, EstadoCasilla::Marcada);
    ASSERT_TRUE(ValidaDatosTramo(armado.captura, true));
    EXPECT_EQ(armado.estado.tramo.FijaArmaduraExterior, Verdadero);
    EXPECT_EQ(armado.estado.tramo.ArmaduraExteriorMaxima, 5);
}

// The automatic trench width follows the outer diameter while the engineer edits the run. The
// check's own writes void no stored override, and a stored run checked for printing keeps the
// width it was saved with, whatever the flag was left at by another run.
TEST(ValidaDatosTramo, AnchoDeZanjaAutomatico)
{
    for (const bool mover : {true, false}) {
        SCOPED_TRACE(mover ? "moving the focus" : "in place");
        VentanaValidacion p;
        pruebas::TramoArmado(p);
        ponTexto(p.captura.edEsp0, "10");
        ponTexto(p.captura.edB0, "3,000");
        p.estado.tramo.AnchoZanjaAutomatico = Verdadero;
        pruebas::EmpiezaLimpio(p);

        ASSERT_TRUE(ValidaDatosTramo(p.captura, mover));

        // 1.4 x 1.2 + 0.68 m, read back by the trench-width step.
        EXPECT_EQ(p.captura.edB0.Text(), mover ? "2,360" : "3,000");
        EXPECT_DOUBLE_EQ(p.estado.tramo.AnchoZanja, mover ? 2.36 : 3.0);
        EXPECT_EQ(p.ajustes.veces(), 0);
        EXPECT_EQ(p.estado.ejecucion.DatosModificados, mover);
    }
}

// The comparison with the recommended section: asked only when the focus moves; Yes sends the
// engineer back to the diameter, No goes on. A lined cylinder's derived inner cover is never
// compared, so a standard lined-cylinder section is not asked about.
TEST(ValidaDatosTramo, SeccionDistintaDeLaRecomendada)
{
    const std::vector<pruebas::FilaGeometria> tabla = {
        {1000, {}, {30, 30, 100}, {}, {25, 25, 110}, {25, 60, 120}},
    };
    const std::string pregunta = "\n\nEspesor       : 125,00 Recomendado: 100,00\n"
                                 "Rec.  Interior: 25,00 Recomendado: 30,00\n"
                                 "Rec.  Exterior: 25,00 Recomendado: 30,00\n"
                                 "¿ Desea Cambiarlos ?";
    const std::string titulo = "***  DATOS DIFERENTES DE LOS RECOMENDADOS  ***";
    for (const auto &[mover, respuesta] :
         std::vector<std::pair<bool, RespuestaMensaje>>{{true, RespuestaMensaje::Si},
                                                        {true, RespuestaMensaje::No},
                                                        {false, RespuestaMensaje::Si}}) {
        SCOPED_TRACE(std::to_string(mover) + (respuesta == RespuestaMensaje::Si ? " Si" : " No"));
        VentanaValidacion p;
        pruebas::PonGeometria(p.estado.tablas, tabla);
        pruebas::TramoArmado(p);
        ponTexto(p.captura.edEsp0, "12,5");
        p.mensajes.grabadora.responde(respuesta);
        const Vista inicial = pruebas::VistaDe(p.captura);
        const bool cambia = mover && respuesta == RespuestaMensaje::Si;

        EXPECT_EQ(ValidaDatosTramo(p.captura, mover), !cambia);

        EXPECT_EQ(p.estado.tramo.DiametroComercial, Verdadero);
        EXPECT_FALSE(p.estado.ejecucion.OmitePreguntaGeometria);
        if (mover) {
            EXPECT_EQ(p.avisos(), (std::vector<Aviso>{{pregunta, titulo, inicial}}));
        } else {
            EXPECT_TRUE(p.avisos().empty());
            p.mensajes.grabadora.olvida();
            EXPECT_EQ(p.mensajes.grabadora.pendientes(), 1U);
        }
        EXPECT_EQ(pruebas::VistaDe(p.captura), (cambia ? Vista{2, 0, 0, 0, "edDi0"} : inicial));
    }

    // A standard lined cylinder: 120 mm wall, 60 mm coating, 60 mm inner cover that follows.
    VentanaValidacion revestida;
    pruebas::PonGeometria(revestida.estado.tablas, tabla);
    pruebas::TramoPostesado(revestida, true);
    ponTexto(revestida.captura.edEsp0, "12");
    ponTexto(revestida.captura.edRece0, "6");
    EXPECT_TRUE(ValidaDatosTramo(revestida.captura, true));
    EXPECT_TRUE(revestida.avisos().empty());
    EXPECT_EQ(revestida.estado.tramo.RECI, 6);
}

// The entry point of the commands: the project's ranges first; the run only when they pass.
TEST(ValidaObraYTramo, PrimeroElProyecto)
{
    VentanaValidacion p;
    pruebas::TramoArmado(p);
    ponTexto(p.captura.edAlt1, "0,5");
    ponTexto(p.captura.edTramo, "");
    EXPECT_FALSE(ValidaObraYTramo(p.captura, true));
    ASSERT_EQ(p.avisos().size(), 1U);
    EXPECT_EQ(p.avisos()[0].texto, "La altura de tierra no puede ser inferior a 1 m.");

    ponTexto(p.captura.edAlt1, "2");
    ponTexto(p.captura.edAlt2, "");
    ponTexto(p.captura.edTramo, "1");
    pruebas::EmpiezaLimpio(p);
    EXPECT_TRUE(ValidaObraYTramo(p.captura, true));
    EXPECT_EQ(p.avisos(), std::vector<Aviso>{});
    EXPECT_EQ(p.estado.calculo.AlturaInicial, 2.0);
    EXPECT_EQ(p.estado.tramo.TipoCargaConcentrada, 2);
}

} // namespace
} // namespace dravek
