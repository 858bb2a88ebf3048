// The necessary-reinforcement check against values worked by hand.
//
// The reference case: wall 10 cm, covers 2 + 2 cm (lever arm z = 6 cm, useful depth d = 8 cm),
// Fyd 4000 kp/cm2, FCK 300 kp/cm2 with GamaB 1.5 and GamaF 1.6 (Fcad = 125 kp/cm2), inner
// diameter 1 m, DP 10 kp/cm2. Governing forces: crown 0.3 t.m and 2 t, haunch -1.2 t.m and 1 t,
// invert 2.5 t.m and -10 t. With hypothesis 4 (DP kept):
//   crown   M = 30000, N = (2 + 10*10*1/2)*1000 = 52000, e = 0.577 <= 3: small eccentricity,
//           interior in tension, A1 = 10, A2 = 5: (0.577/6 + 10/15) * 52000/4000 = 9.9167
//   haunch  M = 120000 (moment below 0: exterior in tension), N = 51000, e = 2.353 <= 3,
//           A1 = 5, A2 = 10: (2.353/6 + 1/3) * 51000/4000 = 9.25
//   invert  M = 250000, N = 40000, e = 6.25 > 3: large eccentricity, K1 = (6.25-3)/8 = 0.40625,
//           K2 = (250000 - 40000*3)/(125*100*64) = 0.1625,
//           A = (1 + 0.97*0.40625*1.1625) * 40000/4000 = 14.5810

#include "core/adjustment/ArmaduraNecesaria.h"

#include "apoyo/CarpetaPrueba.h"
#include "apoyo/DepuracionAjusteGrabadora.h"
#include "core/adjustment/CasoReferencia.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace dravek {
namespace {

using pruebas::DepuracionAjusteGrabadora;

using pruebas::EstadoReferencia;

TEST(ArmaduraNecesaria, FormulasSueltas)
{
    EXPECT_DOUBLE_EQ(CalculaM(-1.2), 120000.0);
    EXPECT_DOUBLE_EQ(CalculaN(2, 10, 1.0), 52000.0);

    DatosCaso caso;
    caso.PPNeta = 9;
    caso.STP = 12;
    caso.MDP = 11;
    EXPECT_DOUBLE_EQ(PresionHipotesis(1, 10, caso), 9.0);
    EXPECT_DOUBLE_EQ(PresionHipotesis(2, 10, caso), 0.0);
    EXPECT_DOUBLE_EQ(PresionHipotesis(3, 10, caso), 12.0);
    EXPECT_DOUBLE_EQ(PresionHipotesis(4, 10, caso), 10.0);
    EXPECT_DOUBLE_EQ(PresionHipotesis(5, 10, caso), 11.0);

    double caso_exc = -1;
    // Crown of the reference case with the share 0.5: (0.577/6 + 0.5) * 13 = 7.75.
    EXPECT_NEAR(Linea_5050(52000, 30000, 6, 4000, 8, 125, caso_exc).value(), 7.75, 1e-9);
    EXPECT_EQ(caso_exc, 1.0);
    EXPECT_NEAR(Linea_5050(40000, 250000, 6, 4000, 8, 125, caso_exc).value(), 14.5809765625, 1e-9);
    EXPECT_EQ(caso_exc, 0.0);
    // Compression always takes the large-eccentricity rule: K1 = (-25 - 3)/8 = -3.5,
    // K2 = (250000 + 30000)/800000 = 0.35, A = (1 - 0.97*3.5*1.35) * -10000/4000 = 8.958125.
    EXPECT_NEAR(Linea_5050(-10000, 250000, 6, 4000, 8, 125, caso_exc).value(), 8.958125, 1e-9);
    EXPECT_EQ(caso_exc, 0.0);

    // The inverse forms of the small-eccentricity rule, crown of the reference case: with 10 in
    // the other layer the tension side needs exactly 6.25, since (0.577/6 + 6.25/16.25) * 13
    // = 6.25; and with 6.25 on the tension side the other layer needs 10.
    EXPECT_NEAR(Linea_6000(6, 4000, 10, 52000, 30000).value(), 6.25, 1e-9);
    EXPECT_NEAR(Linea_6030(4000, 6, 6.25, 52000, 30000).value(), 10.0, 1e-9);

    // Quotients without a value give none.
    EXPECT_FALSE(Linea_5050(0, 30000, 6, 4000, 8, 125, caso_exc).has_value());
    EXPECT_FALSE(Linea_5240(250000, 40000, 6, 0, 125, 4000, caso_exc).has_value());
    EXPECT_FALSE(Linea_5240(250000, 40000, 6, 8, 0, 4000, caso_exc).has_value());
    EXPECT_FALSE(Linea_6000(0, 4000, 10, 52000, 30000).has_value());
    EXPECT_FALSE(Linea_6030(4000, 6, 1.25, 52000, 30000).has_value()); // 30000 - 4000*6*1.25
}

struct FilaEsperada {
    const char *dispuesta;
    const char *necesaria; // nullptr: not checkable
    bool alerta;
};

struct CasoComprobacion {
    const char *nombre;
    std::int16_t hipotesis;
    ArmaduraElegida elegida;
    RecubrimientosComprobacion recubrimientos;
    double Fyd;
    double GamaB;
    double axilClave; // t/m
    FilaEsperada clave, rinones, solera;
};

TEST(ArmaduraNecesaria, TablaDeCasos)
{
    const ArmaduraElegida base{6, 4, 5};
    const RecubrimientosComprobacion rec{2, 2};
    const CasoComprobacion casos[] = {
        {"hypothesis 4, cylinder and spirals",
         4,
         base,
         rec,
         4000,
         1.5,
         2,
         {"10.00", "9.92", false},
         {"5.00", "9.25", true},
         {"10.00", "14.58", true}},
        {"without cylinder",
         4,
         {0, 10, 5},
         rec,
         4000,
         1.5,
         2,
         {"10.00", "9.92", false},
         {"5.00", "9.25", true},
         {"10.00", "14.58", true}},
        {"cylinder only",
         4,
         {10, 0, 5},
         rec,
         4000,
         1.5,
         2,
         {"10.00", "9.92", false},
         {"5.00", "9.25", true},
         {"10.00", "14.58", true}},
        // p = 0: crown N = 2000, e = 15 > 3, K1 = 1.5, K2 = 0.03, A = 2.49865 * 0.5 = 1.2493;
        // haunch N = 1000, e = 120, K1 = 14.625, K2 = 0.14625, A = 17.26099 * 0.25 = 4.3152;
        // invert N = -10000: 8.958125.
        {"hypothesis 2, no pressure",
         2,
         base,
         rec,
         4000,
         1.5,
         2,
         {"10.00", "1.25", false},
         {"5.00", "4.32", false},
         {"10.00", "8.96", false}},
        // STP 12: crown N = 62000, (0.4839/6 + 2/3) * 15.5 = 11.5833; haunch N = 61000,
        // (1.9672/6 + 1/3) * 15.25 = 10.0833; invert N = 50000, e = 5, K1 = 0.25, K2 = 0.125,
        // A = 1.2728125 * 12.5 = 15.9102.
        {"hypothesis 3, test pressure",
         3,
         base,
         rec,
         4000,
         1.5,
         2,
         {"10.00", "11.58", true},
         {"5.00", "10.08", true},
         {"10.00", "15.91", true}},
        // MDP 11: crown N = 57000, 1.25 + 9.5 = 10.75; haunch N = 56000, 5 + 4.6667 = 9.6667;
        // invert N = 45000, K1 = 0.31944, K2 = 0.14375, A = 1.354404 * 11.25 = 15.2370.
        {"hypothesis 5, maximum pressure",
         5,
         base,
         rec,
         4000,
         1.5,
         2,
         {"10.00", "10.75", true},
         {"5.00", "9.67", true},
         {"10.00", "15.24", true}},
        // Covers 3 + 1: z stays 6, the invert's d becomes 7: K1 = 3.25/7 = 0.46429,
        // K2 = 130000/612500 = 0.21224, A = 1.545943 * 10 = 15.4594.
        {"alternative covers",
         4,
         base,
         {3, 1},
         4000,
         1.5,
         2,
         {"10.00", "9.92", false},
         {"5.00", "9.25", true},
         {"10.00", "15.46", true}},
        // Fyd 5000: every area times 4000/5000.
        {"other steel stress",
         4,
         base,
         rec,
         5000,
         1.5,
         2,
         {"10.00", "7.93", false},
         {"5.00", "7.40", true},
         {"10.00", "11.66", true}},
        {"zero areas",
         4,
         {0, 0, 0},
         rec,
         4000,
         1.5,
         2,
         {"0.00", nullptr, true},
         {"0.00", nullptr, true},
         {"0.00", "14.58", true}},
        {"zero concrete factor",
         4,
         base,
         rec,
         4000,
         0,
         2,
         {"10.00", "9.92", false},
         {"5.00", "9.25", true},
         {"10.00", nullptr, true}},
        // Inner cover = wall: z = 0 and d = 0 on the interior side; the haunch (exterior side,
        // d = 10): K1 = 2.3529/10, K2 = 120000/1250000 = 0.096, A = 1.250141 * 12.75 = 15.9394.
        {"zero useful depth",
         4,
         base,
         {10, 0},
         4000,
         1.5,
         2,
         {"10.00", nullptr, true},
         {"5.00", "15.94", true},
         {"10.00", nullptr, true}},
        {"zero axial force at the crown",
         4,
         base,
         rec,
         4000,
         1.5,
         -50,
         {"10.00", nullptr, true},
         {"5.00", "9.25", true},
         {"10.00", "14.58", true}},
    };
    for (const CasoComprobacion &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EstadoObra estado = EstadoReferencia();
        estado.resultados.HipotesisPesima = caso.hipotesis;
        estado.tramo.Fyd = caso.Fyd;
        estado.tramo.GamaB = caso.GamaB;
        estado.resultados.AxilesPesimos[1] = caso.axilClave;
        DepuracionAjusteGrabadora depuracion;
        const ResultadoComprobacion r =
            Calculo_Arm_Necesaria(estado, caso.elegida, caso.recubrimientos, depuracion);
        const FilaEsperada *esperadas[] = {&caso.clave, &caso.rinones, &caso.solera};
        const char *posiciones[] = {"Clave", "Riñones", "Solera"};
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(posiciones[i]);
            const FilaComprobacion &fila = r.filas[i];
            EXPECT_EQ(fila.Posicion, posiciones[i]);
            EXPECT_EQ(fila.Dispuesta, esperadas[i]->dispuesta);
            const bool comprobable = esperadas[i]->necesaria != nullptr;
            EXPECT_EQ(fila.Comprobable, comprobable);
            EXPECT_EQ(fila.Necesaria, comprobable ? esperadas[i]->necesaria : "No comprobable");
            EXPECT_EQ(fila.Alerta, esperadas[i]->alerta);
        }
        EXPECT_EQ(depuracion.escrituras(), 1);
        EXPECT_TRUE(r.DepuracionEscrita);
        EXPECT_FALSE(r.DepuracionFallida);
        for (const std::string &linea : depuracion.lineas()) {
            EXPECT_EQ(linea.find("nan"), std::string::npos) << linea;
            EXPECT_EQ(linea.find("inf"), std::string::npos) << linea;
        }
    }
}

TEST(ArmaduraNecesaria, TraccionPuraSinFicheroDeDepuracion)
{
    EstadoObra estado = EstadoReferencia();
    estado.resultados.HipotesisPesima = 1;
    // Hypothesis 1: interior 10, exterior 4.004 (shown 4.00), total 14.004.
    estado.resultados.ResultadosHipotesis[1][1] = 10;
    estado.resultados.ResultadosHipotesis[1][2] = 4.004;
    estado.resultados.ResultadosHipotesis[1][3] = 14.004;
    DepuracionAjusteGrabadora depuracion;
    const ResultadoComprobacion r = Calculo_Arm_Necesaria(estado, {6, 3, 4}, {2, 2}, depuracion);
    EXPECT_EQ(r.filas[0].Posicion, "EXTERIOR");
    EXPECT_EQ(r.filas[0].Dispuesta, "4.00");
    EXPECT_EQ(r.filas[0].Necesaria, "4.00");
    EXPECT_FALSE(r.filas[0].Alerta); // equal as shown
    EXPECT_EQ(r.filas[1].Posicion, "INTERIOR");
    EXPECT_EQ(r.filas[1].Dispuesta, "9.00");
    EXPECT_EQ(r.filas[1].Necesaria, "10.00");
    EXPECT_TRUE(r.filas[1].Alerta);
    EXPECT_EQ(r.filas[2].Posicion, "TOTAL");
    EXPECT_EQ(r.filas[2].Dispuesta, "13.00");
    EXPECT_EQ(r.filas[2].Necesaria, "14.00");
    EXPECT_TRUE(r.filas[2].Alerta);
    EXPECT_EQ(depuracion.escrituras(), 0);
    EXPECT_FALSE(r.DepuracionFallida);
}

TEST(ArmaduraNecesaria, LineasDelFicheroDeDepuracion)
{
    EstadoObra estado = EstadoReferencia();
    DepuracionAjusteGrabadora depuracion;
    Calculo_Arm_Necesaria(estado, {6, 4, 5}, {2, 2}, depuracion);
    const std::vector<std::string> &l = depuracion.lineas();
    const std::string n9(9, ' ');
    const std::string n19(19, ' ');
    const std::vector<std::string> cabecera = {
        "", "", "", n19 + "DATOS BASICOS", n19 + "=============", "",
        n9 + "DIAMETRO INTERIOR  ####. mm  1000 ", "",
        n9 + "ALTURA DE TIERRAS = #.# m. 3       PRESION ##.# ATM 10 ", "", "", "",
        n9 + "tension admisible arm. int. =####. kp/cm2 4000 ",
        n9 + "tension admisible arm. ext. =####. kp/cm2 4000 ", "", "", "",
        n9 + "ARM. INTERIOR CAMISA = ##.## cm2/m 6 ",
        n9 + "ARM. INTERIOR ESPIRAS = ##.## cm2/m 4 ", "", "",
        n9 + "ARM. INTERIOR TOTAL = ##.## cm2/m 10 ", "", "", "",
        n9 + "ARM. EXTERIOR = ##.## cm2/m 5 ",
        // Invert block, large eccentricity.
        "", n9 + "CANTO UTIL cm. = ##.# 8            BRAZO cm = ##.# 6 ", "",
        n9 + "MOMENTO = ######. 250000 ",
        n9 + "AXIL= (###.### +##.#*10*#.###/2 ) * 1000.=######.-10  10  1  40000 ", "", "",
        n9 + " A1 = ###.##                  A2 = ###.## 10  5 ", "", "",
        n9 + " M/N = ######. / ######.= ###.##  250000  40000  6.25 ", "",
        n9 + " M / N  > BRAZO / 2 = ##.## / 2 = ###.##  6     3 ", "",
        n9 + "K1 = (M / N - BRAZO/2 ) / CANTO",
        n9 + "K1 = (######. / ######. - ##.## /2) / ##.## 250000  40000  6  8 ",
        n9 + "K1 = ###.### .40625 ", n9 + "K2 = (M - N * BRAZO/2 ) /(Fcad*ANCHO*CANTO*CANTO)",
        n9 + "K2 = (######. - ######. * ##.## /2) / (###.##*100*##.##*##.##) 250000  40000  6  "
             "125  8  8 ",
        n9 + "K2 = ####.### .1625 ", n9 + "A1 = N /####. * ( 1 + K1 * 0.97 * (1+K2)) 4000 ",
        n9 + "A1 = ######. /####. * ( 1 + ####.### * 0.97 * (1+####.###)) 40000  4000  .40625  "
             ".1625 ",
        "",
        n9 + " ARMADURA DISPUESTA ###.## cm2/m  ARMADURA NECESARIA ###.## cm2/m 10  "
             "14.5809765625 ",
        // Crown block, small eccentricity.
        "\f", "", "", n19 + "CLAVE", "", "",
        n9 + "CANTO UTIL cm. = ##.# 8            BRAZO cm = ##.# 6 ", "",
        n9 + "MOMENTO = ######. 30000 ",
        n9 + "AXIL= (###.### +##.#*10*#.###/2 ) * 1000.=######. 2  10  1  52000 ", "", "",
        n9 + " A1 = ###.##                  A2 = ###.## 10  5 ", "", "",
        n9 + " M/N = ######. / ######.= ###.##  30000  52000  .576923076923077 ", "",
        n9 + " M / N  <= BRAZO / 2 = ##.## / 2 = ##.##  6     3 ", "",
        n9 + "A1 / ( A1 + A2 ) = ###.## / ( ###.## + ###.## ) = #.##  10  10  5  "
             ".666666666666667 ",
        "",
        n9 + " ARMADURA DISPUESTA ###.## cm2/m ARMADURA NECESARIA ###.## cm2/m 10  "
             "9.91666666666667 ",
        "", "", "", n19 + "RIÑONES", ""};
    ASSERT_GE(l.size(), cabecera.size());
    for (std::size_t i = 0; i < cabecera.size(); ++i) {
        EXPECT_EQ(l[i], cabecera[i]) << "line " << i;
    }
    // The haunch block uses its own axial-force heading and the file ends with a form feed.
    EXPECT_EQ(l[cabecera.size() + 4],
              n9 + "AXIL= (###.### +##.#*10*#.###/2 )*1000.=######. 1  10  1  51000 ");
    EXPECT_EQ(l.back(), "\f");
}

TEST(ArmaduraNecesaria, SeccionNoComprobableEnElFichero)
{
    EstadoObra estado = EstadoReferencia();
    estado.resultados.AxilesPesimos[1] = -50; // N = 0 at the crown
    DepuracionAjusteGrabadora depuracion;
    const ResultadoComprobacion r = Calculo_Arm_Necesaria(estado, {6, 4, 5}, {2, 2}, depuracion);
    EXPECT_FALSE(r.filas[0].Comprobable);
    const std::string n9(9, ' ');
    bool hallada = false;
    for (const std::string &linea : depuracion.lineas()) {
        if (linea == n9 + " ARMADURA DISPUESTA ###.## cm2/m ARMADURA NECESARIA ###.## cm2/m 10 "
                          "No comprobable") {
            hallada = true;
        }
    }
    EXPECT_TRUE(hallada);
}

TEST(ArmaduraNecesaria, FalloDelFicheroDeDepuracionNoImpideLaComprobacion)
{
    EstadoObra estado = EstadoReferencia();
    DepuracionAjusteGrabadora depuracion;
    depuracion.falla(true);
    const ResultadoComprobacion r = Calculo_Arm_Necesaria(estado, {6, 4, 5}, {2, 2}, depuracion);
    EXPECT_TRUE(r.DepuracionFallida);
    EXPECT_EQ(r.filas[2].Necesaria, "14.58");
}

TEST(FicheroDepuracionAjuste, ReescribeEntero)
{
    // Two levels that do not exist yet: the file makes both.
    const auto carpeta = pruebas::CarpetaPrueba("dravek-depuracion-ajuste") / "depuracion";
    FicheroDepuracionAjuste fichero((carpeta / "sub").string());
    ASSERT_TRUE(fichero.Reescribe({"uno", "dos", "tres"}));
    ASSERT_TRUE(fichero.Reescribe({"a", "\f"}));
    EXPECT_EQ(std::filesystem::path(fichero.Ruta()).filename().string(), "Debug_cal.txt");
    std::ifstream entrada(fichero.Ruta(), std::ios::binary);
    const std::string contenido((std::istreambuf_iterator<char>(entrada)),
                                std::istreambuf_iterator<char>());
    EXPECT_EQ(contenido, "a\r\n\f\r\n");

    // A folder that is a file: nothing can be written, and it says so.
    std::ofstream(carpeta / "ocupado") << "x";
    FicheroDepuracionAjuste imposible((carpeta / "ocupado").string());
    EXPECT_FALSE(imposible.Reescribe({"x"}));
    std::filesystem::remove_all(carpeta);
}

} // namespace
} // namespace dravek
