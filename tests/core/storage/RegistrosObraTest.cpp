// The project file's header and run blocks: the texts the writers put in each record, the
// golden bytes of a saved project under both decimal separators, and every loading rule.

#include "core/storage/RegistrosObra.h"

#include "apoyo/SeparadorPrueba.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Coma;
using pruebas::Punto;

std::string LeeFijo(const std::string &nombre)
{
    std::ifstream f(std::string(DRAVEK_DATOS_PRUEBA) + "/" + nombre, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// The header of the golden files, and the texts its height boxes show under that separator.
CabeceraObra CabeceraEjemplo(char s)
{
    const std::string sep(1, s);
    CabeceraObra c;
    c.Idioma = 1;
    c.NombreIdioma = "Español";
    c.SistemaUnidades = "SI";
    c.GolpeArieteCalculado = true;
    c.Obra = "Conducción Río Ebro – Tramo Norte";
    c.Cliente = "Aguas del Norte, S.A.";
    c.DPInicialObra = {15, 1.5};
    c.DPFinalObra = {25, 2.5};
    c.IncrementoPresionObra = {5, 0.5};
    c.MDPInicialObra = {16.5, 1.65};
    c.MDPFinalObra = {27.5, 2.75};
    c.Alt1 = "3" + sep + "00";
    c.Alt2 = "6" + sep + "00";
    c.Alt3 = "1" + sep + "00";
    c.NumeroTramos = 1;
    return c;
}

// A reinforced-concrete run of 1.2 m in a trench, DP 10 to 12 at by 1, heights 2 to 4 m.
BloqueTramo BloqueEjemplo()
{
    BloqueTramo b;
    b.Numero = "1";
    b.Descripcion = "Tramo 1 – cruce del arroyo";
    b.Tipologia = 1210;
    b.TipoControl = 1;
    b.IndicadorCamisa = 2;
    b.ClaseFisuracion = 3;
    b.CAMMAX = 6;
    b.FCK = {350, 35};
    b.Fct = {22.35, 2.235};
    b.Fyk = {5000, 500};
    b.Fyd = {5000 * 2.0 / 3.0, 500 * 2.0 / 3.0};
    b.GamaB = 1.5;
    b.GamaY = 1;
    b.GamaF = 1;
    b.vDi = 1.2;
    b.ESP = 12;
    b.vDE = 1.44;
    b.RECI = 3;
    b.RECE = 3;
    b.vGAMAB = 2.5;
    b.vICUNA = 1;
    b.CodigoColocacion = 12;
    b.AlturaInicialTramo = 2;
    b.AnchoZanja = 1.4 * 1.44 + 0.68;
    b.vGAMAT = 1.8;
    b.AnguloRozamiento = 30;
    b.TipoRelleno = 21;
    b.CalculoCargas = 1;
    b.TipoCargaConcentrada = 2;
    b.DPInicialTramo = {10, 1};
    b.DPFinalTramo = {12, 1.2};
    b.IncrementoPresionTramo = {1, 0.1};
    b.MDPInicialTramo = {11, 1.1};
    b.MDPFinalTramo = {13.2, 1.32};
    b.AlturaFinalTramo = 4;
    b.IncrementoAltura = 1;
    return b;
}

FicheroRegistros ObraEjemplo(char s)
{
    const std::string sep(1, s);
    FicheroRegistros f;
    EXPECT_FALSE(EscribeRegistros(f, 1, TextosCabecera(CabeceraEjemplo(s), sep)));
    EXPECT_FALSE(EscribeRegistros(f, BaseBloque(1) + PrimerDesplazamiento,
                                  TextosBloque(BloqueEjemplo(), 1, sep)));
    return f;
}

// A saved project of one run has exactly records 1 to 80, byte for byte as the format lays them
// down, under either decimal separator.
TEST(RegistrosObra, BytesDeUnaObraGuardada)
{
    EXPECT_EQ(ObraEjemplo(',').Bytes(), LeeFijo("obra_coma.dvk"));
    EXPECT_EQ(ObraEjemplo('.').Bytes(), LeeFijo("obra_punto.dvk"));
    EXPECT_EQ(ObraEjemplo(',').Bytes().size(), 80u * 128u);
}

TEST(RegistrosObra, TextosDeLaCabecera)
{
    CabeceraObra c = CabeceraEjemplo(',');
    c.SistemaUnidades = "MKS";
    c.GolpeArieteCalculado = false;
    c.Idioma = 3;
    c.NombreIdioma = "Català";
    c.NumeroTramos = 12;
    const auto t = TextosCabecera(c, ",");
    EXPECT_EQ(t[1], "IDIOMA : 3 Català");
    // 39 characters for MKS, 38 for SI.
    EXPECT_EQ(t[2], "SisUnid: MKS" + std::string(27, ' '));
    EXPECT_EQ(t[2].size(), 39u);
    EXPECT_EQ(TextosCabecera(CabeceraEjemplo(','), ",")[2].size(), 38u);
    EXPECT_EQ(t[3], "GAriete: No");
    EXPECT_EQ(t[8], "5,00");
    EXPECT_EQ(t[19], "12");
}

TEST(RegistrosObra, CerosYRedondeos)
{
    BloqueTramo b;
    b.FCK = {0, 0};
    b.Fyd = {1400.6, 140.06};
    b.CargaVerticalTotal = {25, 0.25};
    b.Epsc = 0.00026;
    b.vDi = -0.0001;
    const auto t = TextosBloque(b, 0, ",");
    EXPECT_EQ(t[16 - 6], "0 // 0,0");
    EXPECT_EQ(t[19 - 6], "1401 // 140,1");
    EXPECT_EQ(t[53 - 6], "25,000 // 0,250");
    EXPECT_EQ(t[36 - 6], "0,0003");
    EXPECT_EQ(t[38 - 6], "0,000");
    EXPECT_EQ(t[56 - 6], "0,00 // 0,00");
    EXPECT_EQ(t[26 - 6], "0 // 0");
    EXPECT_EQ(t[65 - 6], "0");
    EXPECT_EQ(t[66 - 6], "0");
}

// Saving run 1 again once run 2 exists rewrites the record shared with block 2 (its run count,
// never read) and nothing else of block 2; the run list still reads back 1, 2.
TEST(RegistrosObra, BloquesSolapados)
{
    FicheroRegistros f = ObraEjemplo(',');
    BloqueTramo dos = BloqueEjemplo();
    dos.Numero = "2";
    CabeceraObra c = CabeceraEjemplo(',');
    c.NumeroTramos = 2;
    ASSERT_FALSE(EscribeRegistros(f, 1, TextosCabecera(c, ",")));
    ASSERT_FALSE(EscribeRegistros(f, BaseBloque(2) + 6, TextosBloque(dos, 2, ",")));
    EXPECT_EQ(f.LeeRegistro(80), std::string("2"));
    EXPECT_EQ(f.LeeRegistro(81), std::string("2"));
    const std::string bloque2 = f.Bytes().substr(80 * 128);

    ASSERT_FALSE(EscribeRegistros(f, BaseBloque(1) + 6, TextosBloque(BloqueEjemplo(), 2, ",")));
    EXPECT_EQ(f.LeeRegistro(20), std::string("2"));
    EXPECT_EQ(f.LeeRegistro(80), std::string("0"));
    EXPECT_EQ(f.Bytes().substr(80 * 128), bloque2);

    const LecturaCabecera l = LeeCabecera(f, Coma());
    ASSERT_EQ(l.fallo, FalloCabecera::Ninguno);
    EXPECT_EQ(l.cabecera.Tramos, (std::vector<TramoEnFichero>{{"1", 1}, {"2", 2}}));
}

// Block 545 is the last one within the 16-bit record numbers.
TEST(RegistrosObra, UltimoBloque)
{
    EXPECT_EQ(BaseBloque(MaximoTramos) + 64, 32718);
    EXPECT_EQ(BaseBloque(MaximoTramos) + 66, 32720);
    FicheroRegistros f;
    EXPECT_FALSE(
        EscribeRegistros(f, BaseBloque(545) + 6, TextosBloque(BloqueEjemplo(), 545, ",")));
    const FalloTextos fallo =
        EscribeRegistros(f, BaseBloque(546) + 6, TextosBloque(BloqueEjemplo(), 546, ","));
    EXPECT_EQ(fallo.fallo, FalloRegistro::FueraDeRango);
    EXPECT_EQ(fallo.registro, 32768);
    // Nothing of block 546 was written.
    EXPECT_EQ(f.Bytes().size(), 32720u * 128u);
    EXPECT_FALSE(LeeBloque(f, 546, true, Coma()).correcta);
}

// A text that does not fit stops the whole write before any record is written.
TEST(RegistrosObra, TextosQueNoCabenNoEscribenNada)
{
    struct Caso {
        std::string obra;
        std::string descripcion;
        FalloRegistro fallo;
        std::int32_t registro;
    };
    const Caso casos[] = {
        {std::string(127, 'T'), "", FalloRegistro::DemasiadoLargo, 5},
        {"Presa Ω", "", FalloRegistro::NoCodificable, 5},
        {"Presa", std::string(127, 'D'), FalloRegistro::DemasiadoLargo, BaseBloque(1) + 8},
        {"Presa", "Tramo ≥ 3", FalloRegistro::NoCodificable, BaseBloque(1) + 8},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.registro);
        FicheroRegistros f = ObraEjemplo(',');
        const std::string antes = f.Bytes();
        CabeceraObra c = CabeceraEjemplo(',');
        c.Obra = caso.obra;
        BloqueTramo b = BloqueEjemplo();
        b.Descripcion = caso.descripcion;
        FalloTextos fallo = EscribeRegistros(f, 1, TextosCabecera(c, ","));
        if (!fallo) {
            fallo = EscribeRegistros(f, BaseBloque(1) + 6, TextosBloque(b, 1, ","));
        }
        EXPECT_EQ(fallo.fallo, caso.fallo);
        EXPECT_EQ(fallo.registro, caso.registro);
        if (caso.registro == 5) {
            EXPECT_EQ(f.Bytes(), antes);
        }
    }
}

// The other typology's materials are written as the clearing leaves them.
TEST(RegistrosObra, MaterialesDeLaOtraTipologia)
{
    BloqueTramo armado = BloqueEjemplo();
    armado.FykPost = {2100, 210};
    armado.Es = {2100000, 210000};
    armado.Delca = 1.5;
    armado.FijaPresionPrimario = true;
    armado.CoefPresionPrimario = 1.2;
    const auto t = TextosBloque(SinMaterialesAjenos(armado), 1, ",");
    EXPECT_EQ(t[64 - 6], "0 // 0,0");
    EXPECT_EQ(t[26 - 6], "0 // 0");
    EXPECT_EQ(t[25 - 6], "0,00");
    EXPECT_EQ(t[23 - 6], "0");
    EXPECT_EQ(t[24 - 6], "0,000");
    EXPECT_EQ(t[16 - 6], "350 // 35,0");

    BloqueTramo postesado = armado;
    postesado.Tipologia = 2221;
    postesado.FijaArmaduraExterior = true;
    postesado.ArmaduraExteriorMaxima = 5;
    const auto p = TextosBloque(SinMaterialesAjenos(postesado), 1, ",");
    EXPECT_EQ(p[64 - 6], "2100 // 210,0");
    EXPECT_EQ(p[26 - 6], "2100000 // 210000");
    EXPECT_EQ(p[10 - 6], "0");
    EXPECT_EQ(p[11 - 6], "0,000");
    for (int d : {12, 13}) {
        EXPECT_EQ(p[d - 6], "0") << d;
    }
    for (int d : {16, 17, 18, 19}) {
        EXPECT_EQ(p[d - 6], "0 // 0,0") << d;
    }
    EXPECT_EQ(p[15 - 6], "0,0");
    for (int d : {20, 21, 22}) {
        EXPECT_EQ(p[d - 6], "0,00") << d;
    }
    // The section, installation and loads are every typology's.
    EXPECT_EQ(p[38 - 6], "1,200");
    EXPECT_EQ(p[9 - 6], "2221");
}

} // namespace
} // namespace dravek
