#include "core/listing/FormatoNumeros.h"

#include "core/model/TextoPlano.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace dravek {
namespace {

EstadoEjecucion Ejecucion(const std::string &sistema, const std::string &separador)
{
    EstadoEjecucion ejecucion;
    ejecucion.DesplazamientoIdioma = 0;
    ejecucion.SistemaUnidades = sistema;
    ejecucion.SeparadorDecimalLocal = separador;
    return ejecucion;
}

struct CasoDob {
    std::string sistema;
    std::string separador;
    double valor;
    int ancho;
    int decimales;
    std::string clave;
    bool conUnidad;
    std::string esperado;
};

void CompruebaDob(const std::vector<CasoDob> &casos)
{
    for (const CasoDob &c : casos) {
        SCOPED_TRACE(c.sistema + " [" + c.separador + "] " + std::to_string(c.valor) + " w" +
                     std::to_string(c.ancho) + " d" + std::to_string(c.decimales) + " \"" +
                     c.clave + "\"");
        EXPECT_EQ(sNumeroDob(Ejecucion(c.sistema, c.separador), c.valor, c.ancho, c.decimales,
                             c.clave, c.conUnidad),
                  c.esperado);
    }
}

TEST(sNumeroDob, EjemplosResueltos)
{
    CompruebaDob({
        {"SI", ".", 12.5, 9, 2, "Kp/cm2->MPa", true, "    1.250 MPa"},
        {"MKS", ".", 12.5, 9, 2, "Kp/cm2->MPa", true, "    12.50 kp/cm2"},
        {"SI", ".", 3.46, 7, 1, "T->kN", false, "     35"},
        {"MKS", ".", 3.46, 7, 1, "T->kN", false, "    3.5"},
        {"MKS", ".", 8.0, 6, 1, "at->MPa", true, "  8.00 at"},
        {"SI", ".", 8.0, 6, 1, "at->MPa", true, " 0.800 MPa"},
        {"SI", ".", 123456.7, 6, 2, "", false, "123456.70"},
        {"MKS", ".", 123456.7, 6, 2, "", false, "123456.70"},
    });
}

TEST(sNumeroDob, AnchosYDecimales)
{
    CompruebaDob({
        {"MKS", ".", 0.004, 8, 2, "", false, "    0.00"},
        {"MKS", ".", -1.5, 6, 1, "", false, "  -1.5"},
        // Width 3 and width 2 with 2 decimals both give the mask "0.00"; the text is not cut.
        {"MKS", ".", 1.234, 3, 2, "", false, "1.23"},
        {"MKS", ".", 1.234, 2, 2, "", false, "1.23"},
        {"MKS", ".", 0.5, 9, 2, "", false, "     0.50"},
        // No decimals: no point, the place of the point stays reserved in the mask only.
        {"MKS", ".", 41.7, 5, 0, "", false, "   42"},
        {"MKS", ".", 1234567.0, 3, 0, "", false, "1234567"},
        // Never grouped, whatever the size.
        {"MKS", ".", 98765432.1, 12, 1, "", false, "  98765432.1"},
        // A negative value that rounds to zero has no minus sign.
        {"MKS", ".", -0.004, 6, 2, "", false, "  0.00"},
        {"MKS", ".", -0.0, 6, 2, "", false, "  0.00"},
    });
}

TEST(sNumeroDob, SeparadorDelUsuario)
{
    CompruebaDob({
        {"SI", ",", 12.5, 9, 2, "Kp/cm2->MPa", true, "    1,250 MPa"},
        {"MKS", ",", 12.5, 9, 2, "Kp/cm2->MPa", true, "    12,50 kp/cm2"},
        {"MKS", ",", -1.5, 6, 1, "", false, "  -1,5"},
        {"MKS", ",", 123456.7, 6, 2, "", false, "123456,70"},
        {"SI", ",", 3.46, 7, 1, "T->kN", false, "     35"},
    });
}

// Every key with 2.5 in calculation units, width 8 and 2 decimals asked, hand-converted.
TEST(sNumeroDob, ClavesDeConversion)
{
    CompruebaDob({
        {"SI", ".", 2.5, 8, 2, "", true, "    2.50 "},
        {"MKS", ".", 2.5, 8, 2, "", true, "    2.50 "},
        {"SI", ".", 2.5, 8, 2, "at->MPa", true, "  0.2500 MPa"},
        {"MKS", ".", 2.5, 8, 2, "at->MPa", true, "   2.500 at"},
        {"SI", ".", 2.5, 8, 2, "Kp/cm2->MPa", true, "   0.250 MPa"},
        {"MKS", ".", 2.5, 8, 2, "Kp/cm2->MPa", true, "    2.50 kp/cm2"},
        {"SI", ".", 2.5, 8, 2, "T/M2->MPa", true, "   0.025 MPa"},
        {"MKS", ".", 2.5, 8, 2, "T/M2->MPa", true, "    2.50 T/M2"},
        {"SI", ".", 2.5, 8, 2, "T/M2->kN/M2", true, "    25.0 kN/M2"},
        {"MKS", ".", 2.5, 8, 2, "T/M2->kN/M2", true, "    2.50 T/M2"},
        {"SI", ".", 2.5, 8, 2, "T->kN", true, "    25.0 kN"},
        {"MKS", ".", 2.5, 8, 2, "T->kN", true, "    2.50 t"},
        {"SI", ".", 2.5, 8, 2, "mT->mkN", true, "    25.0 m.kN"},
        {"MKS", ".", 2.5, 8, 2, "mT->mkN", true, "    2.50 m.t"},
        {"SI", ".", 2.5, 8, 2, "kp/cm->N/cm", true, "    25.0 N/cm"},
        {"MKS", ".", 2.5, 8, 2, "kp/cm->N/cm", true, "    2.50 kp/cm"},
        {"SI", ".", 2.5, 8, 2, "kp.cm/cm->N.m/cm", true, "   0.250 N.m/cm"},
        {"MKS", ".", 2.5, 8, 2, "kp.cm/cm->N.m/cm", true, "    2.50 kp.cm/cm"},
    });
}

TEST(sNumeroDob, DecimalesAjustadosPorLaClave)
{
    CompruebaDob({
        // The count never goes below 0.
        {"SI", ".", 3.46, 4, 0, "T->kN", false, "  35"},
        {"SI", ".", 1234.0, 5, 0, "kp.cm/cm->N.m/cm", false, "  123"},
        {"SI", ".", 1234.56, 8, 1, "kp.cm/cm->N.m/cm", false, "  123.46"},
        {"MKS", ".", 1234.56, 8, 1, "kp.cm/cm->N.m/cm", false, "  1234.6"},
        {"MKS", ".", 7.25, 6, 1, "at->MPa", false, "  7.25"},
        {"SI", ".", 7.25, 6, 1, "at->MPa", false, " 0.725"},
        // A negative value is converted and its decimals adjusted like a positive one.
        {"SI", ".", -3.46, 7, 1, "T->kN", false, "    -35"},
        {"SI", ".", -12.5, 9, 2, "Kp/cm2->MPa", false, "   -1.250"},
    });
}

TEST(sNumeroDob, ClaveDesconocidaYSistemaNoExacto)
{
    CompruebaDob({
        // Keys are case-sensitive: the lower-case k is no key.
        {"SI", ".", 12.5, 9, 2, "kp/cm2->MPa", true, "-999999999.00 "},
        {"MKS", ".", 12.5, 9, 0, "bar->MPa", false, "-999999999"},
        // Only exactly "SI" converts.
        {"si", ".", 12.5, 9, 2, "Kp/cm2->MPa", true, "    12.50 kp/cm2"},
    });
}

// The stars take the places of the mask, as digits would.
TEST(sNumeroDob, ValorNoFinitoSeMuestraConAsteriscos)
{
    const EstadoEjecucion si = Ejecucion("SI", ",");
    EXPECT_EQ(sNumeroDob(si, std::numeric_limits<double>::quiet_NaN(), 9, 2, "", false),
              "*********");
    EXPECT_EQ(sNumeroDob(si, std::numeric_limits<double>::infinity(), 9, 1, "T->kN", true),
              " ******** kN");
    EXPECT_EQ(sNumeroDob(si, -std::numeric_limits<double>::infinity(), 6, 0, "", false), " *****");
}

TEST(ConvierteUnidad, DevuelveValorUnidadYDecimales)
{
    const UnidadConvertida si = ConvierteUnidad(Ejecucion("SI", "."), 12.5, "Kp/cm2->MPa", 2);
    EXPECT_DOUBLE_EQ(si.valor, 1.25);
    EXPECT_EQ(si.unidad, "MPa");
    EXPECT_EQ(si.decimales, 3);

    const UnidadConvertida mks = ConvierteUnidad(Ejecucion("MKS", "."), 8.0, "at->MPa", 1);
    EXPECT_DOUBLE_EQ(mks.valor, 8.0);
    EXPECT_EQ(mks.unidad, "at");
    EXPECT_EQ(mks.decimales, 2);

    const UnidadConvertida desconocida = ConvierteUnidad(Ejecucion("SI", "."), 5.0, "T->KN", 4);
    EXPECT_DOUBLE_EQ(desconocida.valor, -999999999.0);
    EXPECT_EQ(desconocida.unidad, "");
    EXPECT_EQ(desconocida.decimales, 4);
}

struct CasoMascara {
    double valor;
    std::string mascara;
    std::string separador;
    std::string esperado;
};

TEST(FormateaMascara, MascarasDeLosCampos)
{
    const std::vector<CasoMascara> casos = {
        {0.0, "#####0.00", ".", "0.00"},
        {0.0, "#####0.00", ",", "0,00"},
        {3.0, "#####0.00", ",", "3,00"},
        {1.5, "#####0.00", ".", "1.50"},
        {1234567.891, "#####0.00", ".", "1234567.89"},
        {22.35, "#####0.000", ",", "22,350"},
        {2.36, "#####0.000", ".", "2.360"},
        {6.0, "#####0.0", ".", "6.0"},
        {0.25, "######0.0000", ".", "0.2500"},
        {123.456789, "######0.0000", ",", "123,4568"},
        {12.0, "###0", ".", "12"},
        {12.5, "###0", ".", "13"},
        {0.0, "###0", ".", "0"},
        {123456.0, "###0", ".", "123456"},
        {1275.0, "#####0", ",", "1275"},
        {210000.0, "#####0", ".", "210000"},
        {5.3, "00.0", ".", "05.3"},
        {1e20, "0.00", ".", "100000000000000000000.00"},
        {-2.5, "#####0.00", ",", "-2,50"},
    };
    for (const CasoMascara &c : casos) {
        SCOPED_TRACE(c.mascara + " " + std::to_string(c.valor));
        EXPECT_EQ(FormateaMascara(c.valor, c.mascara, c.separador), c.esperado);
    }
}

// Halfway values are resolved on their 15-digit decimal form, half away from zero.
TEST(FormateaMascara, MitadSeRedondeaLejosDelCero)
{
    const std::vector<CasoMascara> casos = {
        {0.125, "0.00", ".", "0.13"},
        {-0.125, "0.00", ".", "-0.13"},
        {2.675, "0.00", ".", "2.68"},
        {1.005, "0.00", ".", "1.01"},
        {0.00035, "######0.0000", ".", "0.0004"},
        {2.5, "###0", ".", "3"},
        {-2.5, "###0", ".", "-3"},
        {9.995, "0.00", ".", "10.00"},
        {0.5, "0", ".", "1"},
        {0.0049, "0.00", ".", "0.00"},
        {-0.005, "0.00", ".", "-0.01"},
        {-0.0049, "0.00", ".", "0.00"},
    };
    for (const CasoMascara &c : casos) {
        SCOPED_TRACE(c.mascara + " " + std::to_string(c.valor));
        EXPECT_EQ(FormateaMascara(c.valor, c.mascara, c.separador), c.esperado);
    }
}

TEST(FormateaMascara, ValorNoFinito)
{
    EXPECT_EQ(FormateaMascara(std::nan(""), "#####0.00", "."), "*********");
    EXPECT_EQ(FormateaMascara(std::numeric_limits<double>::infinity(), "###0", "."), "****");
}

TEST(sNumeroEnt, AlineaALaDerechaSinCortar)
{
    EXPECT_EQ(sNumeroEnt(-7, 4), "  -7");
    EXPECT_EQ(sNumeroEnt(12345, 3), "12345");
    EXPECT_EQ(sNumeroEnt(0, 3), "  0");
    EXPECT_EQ(sNumeroEnt(42, 2), "42");
    EXPECT_EQ(sNumeroEnt(-32768, 8), "  -32768");
    EXPECT_EQ(sNumeroEnt(5, 0), "5");
}

TEST(CamposListado, BlancosYRecorta)
{
    EXPECT_EQ(Blancos(3), "   ");
    EXPECT_EQ(Blancos(0), "");
    // A width worked out below zero gives no blanks rather than a huge allocation.
    EXPECT_EQ(Blancos(-2), "");

    // Only ' ' is a blank: a tab or a line end is part of the text, and inner blanks stay.
    EXPECT_EQ(Recorta("  12.5 "), "12.5");
    EXPECT_EQ(Recorta(" DP: 4 at  "), "DP: 4 at");
    EXPECT_EQ(Recorta("   "), "");
    EXPECT_EQ(Recorta(""), "");
    EXPECT_EQ(Recorta("\t7 \n"), "\t7 \n");
}

TEST(sTextoFijo, CuentaCaracteresNoBytes)
{
    struct Caso {
        std::string texto;
        int ancho;
        std::string esperado;
    };
    const std::vector<Caso> casos = {
        {"CLAVE", 3, "CLA"},
        {"SI", 4, "SI  "},
        {"", 2, "  "},
        {"CLAVE", 0, ""},
        {"RIÑONES", 7, "RIÑONES"},
        {"RIÑONES", 9, "RIÑONES  "},
        // The cut keeps the two bytes of "Ñ" together.
        {"RIÑONES", 3, "RIÑ"},
        {"RIÑONES", 2, "RI"},
        {"Hormigón, 120°", 9, "Hormigón,"},
        {"Hormigón, 120°", 16, "Hormigón, 120°  "},
        // Long texts, told eight bytes at a time while they are ASCII.
        {"ARMADURA INTERIOR POR METRO", 20, "ARMADURA INTERIOR PO"},
        {"ARMADURA INTERIOR", 24, "ARMADURA INTERIOR       "},
        {"ARMADURA EXTERIOR", 16, "ARMADURA EXTERIO"},
        {"PRESIÓN INTERIOR DE CÁLCULO", 18, "PRESIÓN INTERIOR D"},
        {"PRESION INTERIOR ÑÑÑÑ", 18, "PRESION INTERIOR Ñ"},
        {"PRESION INTERIOR ÑÑÑÑ", 24, "PRESION INTERIOR ÑÑÑÑ   "},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.texto + " " + std::to_string(c.ancho));
        EXPECT_EQ(sTextoFijo(c.texto, c.ancho), c.esperado);
        // Appended in place, after what the line already holds.
        std::string linea = "> ";
        AnadeTextoFijo(linea, c.texto, c.ancho);
        EXPECT_EQ(linea, "> " + c.esperado);
    }
}

TEST(sTextoFijo, TextoUtf8DanadoSeMideSinRomperse)
{
    // A stray continuation byte and a truncated sequence each count as one character.
    const std::string danado = std::string("A") + '\x80' + "B" + '\xC3';
    EXPECT_EQ(sTextoFijo(danado, 5), danado + " ");
    EXPECT_EQ(sTextoFijo(danado, 2), std::string("A") + '\x80');
}

// The whole value, as a box keeps it to be read back unchanged, with the user's separator.
TEST(NumeroSimple, ValorEnteroConElSeparadorDelUsuario)
{
    EXPECT_EQ(NumeroSimple(275, ","), "275");
    EXPECT_EQ(NumeroSimple(27.5, ","), "27,5");
    EXPECT_EQ(NumeroSimple(0.1 + 0.2, "."), "0.30000000000000004");
    EXPECT_EQ(NumeroSimple(-3.25, ","), "-3,25");
}

} // namespace
} // namespace dravek
