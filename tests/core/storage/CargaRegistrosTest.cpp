// Reading the project file back: the header checks, the run list, and every rule by which a run
// block reaches the boxes, under either decimal separator and either unit system.

#include "apoyo/SeparadorPrueba.h"
#include "core/storage/RegistrosObra.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Coma;
using pruebas::Punto;

FicheroRegistros Fijo(const std::string &nombre)
{
    std::ifstream f(std::string(DRAVEK_DATOS_PRUEBA) + "/" + nombre, std::ios::binary);
    return FicheroRegistros(
        std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()));
}

// Record B(1) + offset of a copy of the golden comma file changed to a text.
FicheroRegistros ConBloque(std::int32_t desplazamiento, const std::string &texto)
{
    FicheroRegistros f = Fijo("obra_coma.dvk");
    f.Escribe(BaseBloque(1) + desplazamiento, texto);
    return f;
}

TEST(CargaCabecera, ObraGuardadaBajoCualquierSeparador)
{
    for (const char *nombre : {"obra_coma.dvk", "obra_punto.dvk"}) {
        for (const EstadoEjecucion &e : {Coma(), Punto()}) {
            SCOPED_TRACE(std::string(nombre) + " leído con " + e.SeparadorDecimalLocal);
            const std::string s = e.SeparadorDecimalLocal;
            const LecturaCabecera l = LeeCabecera(Fijo(nombre), e);
            ASSERT_EQ(l.fallo, FalloCabecera::Ninguno);
            const CabeceraCargada &c = l.cabecera;
            EXPECT_EQ(c.TextoIdioma, "1");
            EXPECT_EQ(c.SistemaUnidades, "SI");
            EXPECT_TRUE(c.GolpeArieteCalculado);
            EXPECT_EQ(c.Obra, "Conducción Río Ebro – Tramo Norte");
            EXPECT_EQ(c.Cliente, "Aguas del Norte, S.A.");
            // The SI elements, in the reader's separator.
            EXPECT_EQ(c.Prs1, (CajaCargada{"1" + s + "50", 1.5}));
            EXPECT_EQ(c.Prs2, (CajaCargada{"2" + s + "50", 2.5}));
            EXPECT_EQ(c.Prs3, (CajaCargada{"0" + s + "50", 0.5}));
            EXPECT_EQ(c.PrsM1, (CajaCargada{"1" + s + "65", 1.65}));
            EXPECT_EQ(c.PrsM2, (CajaCargada{"2" + s + "75", 2.75}));
            EXPECT_EQ(c.Alt1, (CajaCargada{"3" + s + "00", 3.0}));
            EXPECT_EQ(c.Alt2, (CajaCargada{"6" + s + "00", 6.0}));
            EXPECT_EQ(c.Alt3, (CajaCargada{"1" + s + "00", 1.0}));
            EXPECT_EQ(c.NumeroTramos, 1);
            EXPECT_EQ(c.Tramos, (std::vector<TramoEnFichero>{{"1", 1}}));
        }
    }
}

TEST(CargaCabecera, RegistrosDeFormato)
{
    struct Caso {
        std::int32_t registro;
        std::string texto;
        FalloCabecera fallo;
    };
    const Caso casos[] = {
        {1, "Version: 2009-Mar.02 ", FalloCabecera::Version},
        {1, "", FalloCabecera::Version},
        {1, "version: 2009-Mar.02", FalloCabecera::Version},
        {2, "IDIOMA: 1 Español", FalloCabecera::Idioma},
        {3, "SisUnid:MKS", FalloCabecera::Unidades},
        {4, "Gariete: Si", FalloCabecera::GolpeAriete},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.texto);
        FicheroRegistros f = Fijo("obra_coma.dvk");
        f.Escribe(caso.registro, caso.texto);
        const LecturaCabecera l = LeeCabecera(f, Coma());
        EXPECT_EQ(l.fallo, caso.fallo);
        EXPECT_EQ(l.registro, caso.registro);
    }
    // An empty file (a name that is not a project) is refused at its first record.
    EXPECT_EQ(LeeCabecera(FicheroRegistros(), Coma()).fallo, FalloCabecera::Version);
}

TEST(CargaCabecera, IdiomaUnidadesYGolpeDeAriete)
{
    struct Caso {
        std::int32_t registro;
        std::string texto;
        std::string idioma;
        std::string unidades;
        bool calculado;
    };
    const Caso casos[] = {
        {2, "IDIOMA : 12 ???", "12", "SI", true},
        {2, "IDIOMA : 3 Català", "3", "SI", true},
        {3, "SisUnid: MKS" + std::string(27, ' '), "1", "MKS", true},
        {3, "SisUnid: mks", "1", "SI", true},
        {3, "SisUnid:    MKS   ", "1", "MKS", true},
        {4, "GAriete: No", "1", "SI", false},
        // The writer's own "Si", whatever the language, and the Yes of every language.
        {4, "GAriete: Si", "1", "SI", true},
        {4, "GAriete: Sim", "1", "SI", true},
        {4, "GAriete: Sí", "1", "SI", true},
        {4, "GAriete: Yes", "1", "SI", true},
        {4, "GAriete: Oui", "1", "SI", true},
        {4, "GAriete: Non", "1", "SI", false},
        {4, "GAriete: ", "1", "SI", false},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.texto);
        FicheroRegistros f = Fijo("obra_coma.dvk");
        f.Escribe(caso.registro, caso.texto);
        const LecturaCabecera l = LeeCabecera(f, Coma());
        ASSERT_EQ(l.fallo, FalloCabecera::Ninguno);
        EXPECT_EQ(l.cabecera.TextoIdioma, caso.idioma);
        EXPECT_EQ(l.cabecera.SistemaUnidades, caso.unidades);
        EXPECT_EQ(l.cabecera.GolpeArieteCalculado, caso.calculado);
    }
}

// A zero pressure is an empty box, whichever separator wrote the file and whichever reads it.
TEST(CargaCabecera, ElCeroDeUnaPresionEsUnaCajaVacia)
{
    for (const char *cero : {"0,00 // 0,00", "0.00 // 0.00"}) {
        for (const EstadoEjecucion &e : {Coma(), Punto()}) {
            SCOPED_TRACE(std::string(cero) + " leído con " + e.SeparadorDecimalLocal);
            FicheroRegistros f = Fijo("obra_coma.dvk");
            f.Escribe(8, cero);
            const LecturaCabecera l = LeeCabecera(f, e);
            ASSERT_EQ(l.fallo, FalloCabecera::Ninguno);
            EXPECT_EQ(l.cabecera.Prs2, CajaCargada{});
        }
    }
    // MKS takes the first element.
    FicheroRegistros f = Fijo("obra_coma.dvk");
    f.Escribe(3, "SisUnid: MKS");
    const LecturaCabecera l = LeeCabecera(f, Punto());
    EXPECT_EQ(l.cabecera.Prs1, (CajaCargada{"15.00", 15.0}));
}

// An empty run-number record gives no run, and every later run keeps its own block.
TEST(CargaCabecera, ListaDeTramos)
{
    FicheroRegistros f = Fijo("obra_coma.dvk");
    f.Escribe(20, "4");
    f.Escribe(RegistroNumeroTramo(1), "1");
    f.Escribe(RegistroNumeroTramo(2), "  ");
    f.Escribe(RegistroNumeroTramo(3), " 5 ");
    f.Escribe(RegistroNumeroTramo(4), "7");
    const LecturaCabecera l = LeeCabecera(f, Coma());
    ASSERT_EQ(l.fallo, FalloCabecera::Ninguno);
    EXPECT_EQ(l.cabecera.NumeroTramos, 4);
    EXPECT_EQ(l.cabecera.Tramos, (std::vector<TramoEnFichero>{{"1", 1}, {"5", 3}, {"7", 4}}));

    f.Escribe(20, "");
    EXPECT_EQ(LeeCabecera(f, Coma()).cabecera.Tramos, std::vector<TramoEnFichero>{});
}

TEST(CargaCabecera, RegistrosDanados)
{
    struct Caso {
        std::int32_t registro;
        std::string texto;
    };
    const Caso casos[] = {
        {7, "15,00"},                                   // a pair without " // "
        {8, "x // 2,50"},                               // an element that is not a number
        {11, "1,65 // 1;65"},                           // the element not shown
        {13, "tres"},         {20, "uno"}, {20, "546"}, // more runs than the file can hold
        {20, "-1"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(caso.texto);
        FicheroRegistros f = Fijo("obra_coma.dvk");
        f.Escribe(caso.registro, caso.texto);
        const LecturaCabecera l = LeeCabecera(f, Coma());
        EXPECT_EQ(l.fallo, FalloCabecera::Danada);
        EXPECT_EQ(l.registro, caso.registro);
    }
    // A run-number record with a length above 126.
    FicheroRegistros f = Fijo("obra_coma.dvk");
    std::string bytes = f.Bytes();
    bytes[(RegistroNumeroTramo(1) - 1) * 128] = 127;
    const LecturaCabecera l = LeeCabecera(FicheroRegistros(bytes), Coma());
    EXPECT_EQ(l.fallo, FalloCabecera::Danada);
    EXPECT_EQ(l.registro, RegistroNumeroTramo(1));
}

// Every box of the golden run, in both unit systems, read under either separator.
TEST(CargaBloque, ObraGuardada)
{
    for (const char *nombre : {"obra_coma.dvk", "obra_punto.dvk"}) {
        for (const EstadoEjecucion &e : {Coma(), Punto()}) {
            SCOPED_TRACE(std::string(nombre) + " leído con " + e.SeparadorDecimalLocal);
            const std::string s = e.SeparadorDecimalLocal;
            const auto n = [&s](const std::string &entero, const std::string &decimales) {
                return entero + s + decimales;
            };
            for (const bool enMKS : {true, false}) {
                SCOPED_TRACE(enMKS ? "MKS" : "SI");
                const LecturaBloque l = LeeBloque(Fijo(nombre), 1, enMKS, e);
                ASSERT_TRUE(l.correcta);
                const BloqueCargado &b = l.bloque;
                EXPECT_EQ(b.edTramo, "1");
                EXPECT_EQ(b.edDescriTramo, "Tramo 1 – cruce del arroyo");
                EXPECT_EQ(b.Tipologia, 1210);
                EXPECT_FALSE(b.edIcontes0);
                EXPECT_EQ(b.edAdato, (CajaCargada{n("0", "000"), 0}));
                EXPECT_EQ(b.TipoControl, 1);
                EXPECT_EQ(b.IndicadorCamisa, 2);
                EXPECT_EQ(b.edCamMax, (CajaCargada{n("6", "0"), 6}));
                if (enMKS) {
                    EXPECT_EQ(b.edFck, (CajaCargada{"350", 350}));
                    EXPECT_EQ(b.edFct, (CajaCargada{"22", 22}));
                    EXPECT_EQ(b.edFyk, (CajaCargada{"5000", 5000}));
                    EXPECT_EQ(b.edFyd, (CajaCargada{"3333", 3333}));
                    EXPECT_EQ(b.edPrs1Tram, (CajaCargada{n("10", "00"), 10}));
                    EXPECT_EQ(b.edPrs2Tram, (CajaCargada{n("12", "00"), 12}));
                    EXPECT_EQ(b.edPrs3Tram, (CajaCargada{n("1", "00"), 1}));
                    EXPECT_EQ(b.edPrsM1Tram, (CajaCargada{n("11", "00"), 11}));
                    EXPECT_EQ(b.edPrsM2Tram, (CajaCargada{n("13", "20"), 13.2}));
                } else {
                    EXPECT_EQ(b.edFck, (CajaCargada{n("35", "0"), 35}));
                    EXPECT_EQ(b.edFct, (CajaCargada{n("2", "2"), 2.2}));
                    EXPECT_EQ(b.edFyk, (CajaCargada{n("500", "0"), 500}));
                    EXPECT_EQ(b.edFyd, (CajaCargada{n("333", "3"), 333.3}));
                    EXPECT_EQ(b.edPrs1Tram, (CajaCargada{n("1", "00"), 1}));
                    EXPECT_EQ(b.edPrs2Tram, (CajaCargada{n("1", "20"), 1.2}));
                    EXPECT_EQ(b.edPrs3Tram, (CajaCargada{n("0", "10"), 0.1}));
                    EXPECT_EQ(b.edPrsM1Tram, (CajaCargada{n("1", "10"), 1.1}));
                    EXPECT_EQ(b.edPrsM2Tram, (CajaCargada{n("1", "32"), 1.32}));
                }
                EXPECT_EQ(b.edGamaB, (CajaCargada{n("1", "50"), 1.5}));
                EXPECT_FALSE(b.edIcontes1);
                EXPECT_EQ(b.edCoepre1, (CajaCargada{n("0", "000"), 0}));
                EXPECT_EQ(b.edDelca, (CajaCargada{n("0", "00"), 0}));
                // Zero moduli, strengths and stresses of the post-tensioned materials are empty
                // boxes in either system.
                for (const CajaCargada *c : {&b.edEs, &b.edEp, &b.edFckno, &b.edFckn, &b.edFckr,
                                             &b.edSFck, &b.edSf, &b.edFYKPost}) {
                    EXPECT_EQ(*c, CajaCargada{});
                }
                EXPECT_EQ(b.edRel, (CajaCargada{n("0", "00"), 0}));
                EXPECT_EQ(b.edEpsc, (CajaCargada{n("0", "0000"), 0}));
                EXPECT_EQ(b.edDi0, (CajaCargada{n("1", "200"), 1.2}));
                EXPECT_EQ(b.edEsp0, (CajaCargada{n("12", "0"), 12}));
                EXPECT_EQ(b.edDe0, (CajaCargada{n("1", "440"), 1.44}));
                EXPECT_EQ(b.edReci0, (CajaCargada{n("3", "0"), 3}));
                EXPECT_EQ(b.edRece0, (CajaCargada{n("3", "0"), 3}));
                EXPECT_EQ(b.edGc0, (CajaCargada{n("2", "50"), 2.5}));
                EXPECT_EQ(b.vICUNA, 1);
                EXPECT_EQ(b.CodigoColocacion, 12);
                EXPECT_EQ(b.edHr0, (CajaCargada{n("2", "00"), 2}));
                EXPECT_EQ(b.edB0, (CajaCargada{n("2", "696"), 2.696}));
                EXPECT_EQ(b.edGr0, (CajaCargada{n("1", "80"), 1.8}));
                EXPECT_EQ(b.edFi0, (CajaCargada{n("30", "00"), 30}));
                EXPECT_EQ(b.TipoRelleno, 21);
                EXPECT_EQ(b.edHr1, (CajaCargada{n("0", "00"), 0}));
                EXPECT_EQ(b.IndiceAsentamiento, 0);
                // The total load shows its zero as stored.
                EXPECT_EQ(b.edQDato0, (CajaCargada{n("0", "000"), 0}));
                EXPECT_EQ(b.CalculoCargas, 1);
                EXPECT_EQ(b.TipoCargaConcentrada, 2);
                EXPECT_EQ(b.edHr0Final, (CajaCargada{n("4", "00"), 4}));
                EXPECT_EQ(b.edHr0Delta, (CajaCargada{n("1", "00"), 1}));
            }
        }
    }
}

// One record changed at a time, each rule with what it gives under MKS and under SI.
TEST(CargaBloque, Reglas)
{
    struct Caso {
        std::int32_t desplazamiento;
        std::string texto;
        CajaCargada BloqueCargado::*caja;
        CajaCargada mks;
        CajaCargada si;
    };
    const Caso casos[] = {
        {16, "350 // 35,0", &BloqueCargado::edFck, {"350", 350}, {"35,0", 35}},
        {16, "0 // 0,0", &BloqueCargado::edFck, {"0", 0}, {"0,0", 0}},
        {16, "350 // ", &BloqueCargado::edFck, {"350", 350}, {}},
        {53, "0,000 // 0,000", &BloqueCargado::edQDato0, {"0,000", 0}, {"0,000", 0}},
        {53, "25,000 // 0,250", &BloqueCargado::edQDato0, {"25,000", 25}, {"0,250", 0.25}},
        {56, "0,00 // 0,00", &BloqueCargado::edPrs1Tram, {}, {}},
        {56, "0.00 // 0.00", &BloqueCargado::edPrs1Tram, {}, {}},
        {56, "15,00 // 0,00", &BloqueCargado::edPrs1Tram, {"15,00", 15}, {}},
        {56, "15.00 // 1.50", &BloqueCargado::edPrs1Tram, {"15,00", 15}, {"1,50", 1.5}},
        {26, "0 // 0", &BloqueCargado::edEs, {}, {}},
        {26, "2100000 // 210000", &BloqueCargado::edEs, {"2100000", 2100000}, {"210000", 210000}},
        {28, "300 // 30,0", &BloqueCargado::edFckno, {"300", 300}, {"30,0", 30}},
        {28, "0 // 0,0", &BloqueCargado::edFckno, {}, {}},
        {64, "2100 // 210,0", &BloqueCargado::edFYKPost, {"2100", 2100}, {"210,0", 210}},
        // Number rule: the text as stored, blanks included; an empty record empties the box.
        {11, " 2,500", &BloqueCargado::edAdato, {" 2,500", 2.5}, {" 2,500", 2.5}},
        {11, "", &BloqueCargado::edAdato, {}, {}},
        {46, "   ", &BloqueCargado::edHr0, {}, {}},
        {38, "1.500", &BloqueCargado::edDi0, {"1,500", 1.5}, {"1,500", 1.5}},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(std::to_string(caso.desplazamiento) + ": " + caso.texto);
        const FicheroRegistros f = ConBloque(caso.desplazamiento, caso.texto);
        const LecturaBloque mks = LeeBloque(f, 1, true, Coma());
        const LecturaBloque si = LeeBloque(f, 1, false, Coma());
        ASSERT_TRUE(mks.correcta);
        ASSERT_TRUE(si.correcta);
        EXPECT_EQ(mks.bloque.*caso.caja, caso.mks);
        EXPECT_EQ(si.bloque.*caso.caja, caso.si);
    }
}

TEST(CargaBloque, CodigosYCasillas)
{
    struct Caso {
        std::int32_t desplazamiento;
        std::string texto;
        std::int16_t BloqueCargado::*codigo;
        std::int16_t valor;
    };
    const Caso casos[] = {
        {9, "2221", &BloqueCargado::Tipologia, 2221},
        {9, "", &BloqueCargado::Tipologia, 0},
        {9, "1100", &BloqueCargado::Tipologia, 1100},
        {12, "2", &BloqueCargado::TipoControl, 2},
        {12, "0", &BloqueCargado::TipoControl, 0},
        {12, "", &BloqueCargado::TipoControl, 0},
        {13, "1", &BloqueCargado::IndicadorCamisa, 1},
        {44, "2", &BloqueCargado::vICUNA, 2},
        {45, "31", &BloqueCargado::CodigoColocacion, 31},
        {50, "0", &BloqueCargado::TipoRelleno, 0},
        {50, "13", &BloqueCargado::TipoRelleno, 13},
        {52, "3", &BloqueCargado::IndiceAsentamiento, 3},
        {54, "0", &BloqueCargado::CalculoCargas, 0},
        {54, "", &BloqueCargado::CalculoCargas, 1},
        {55, "0", &BloqueCargado::TipoCargaConcentrada, 0},
        {55, "4", &BloqueCargado::TipoCargaConcentrada, 4},
        {55, "", &BloqueCargado::TipoCargaConcentrada, -1},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(std::to_string(caso.desplazamiento) + ": " + caso.texto);
        const LecturaBloque l =
            LeeBloque(ConBloque(caso.desplazamiento, caso.texto), 1, true, Coma());
        ASSERT_TRUE(l.correcta);
        EXPECT_EQ(l.bloque.*caso.codigo, caso.valor);
    }

    // Ticked is 1 alone: clear, empty and the greyed state read as not ticked.
    const std::pair<std::string, bool> casillas[] = {
        {"1", true}, {"0", false}, {"", false}, {"2", false}};
    for (const auto &[texto, marcada] : casillas) {
        SCOPED_TRACE(texto);
        EXPECT_EQ(LeeBloque(ConBloque(10, texto), 1, true, Coma()).bloque.edIcontes0, marcada);
        EXPECT_EQ(LeeBloque(ConBloque(23, texto), 1, true, Coma()).bloque.edIcontes1, marcada);
    }

    // An empty total-load record with a load typed: the loads are not computed.
    FicheroRegistros f = ConBloque(54, "");
    f.Escribe(BaseBloque(1) + 53, "25,000 // 0,250");
    EXPECT_EQ(LeeBloque(f, 1, true, Coma()).bloque.CalculoCargas, 0);
}

// A damaged record makes the whole block damaged, with the record where it was found.
TEST(CargaBloque, BloquesDanados)
{
    struct Caso {
        std::int32_t desplazamiento;
        std::string texto;
    };
    const Caso casos[] = {
        {9, "mil"},    {10, "3"},          {10, "sí"},     {11, "2,5x"},       {12, "3"},
        {12, "-1"},    {13, "9"},          {16, "350"},    {16, "350 /// 35"}, {17, "22 // dos"},
        {26, "0 //0"}, {44, "3"},          {52, "4"},      {55, "5"},          {55, "-2"},
        {56, "10,00"}, {60, "abc // 1,0"}, {61, "4,00 m"}, {64, "2100"},       {45, "99999"},
    };
    for (const Caso &caso : casos) {
        SCOPED_TRACE(std::to_string(caso.desplazamiento) + ": " + caso.texto);
        const LecturaBloque l =
            LeeBloque(ConBloque(caso.desplazamiento, caso.texto), 1, true, Coma());
        EXPECT_FALSE(l.correcta);
        EXPECT_EQ(l.registro, BaseBloque(1) + caso.desplazamiento);
    }

    FicheroRegistros f = Fijo("obra_coma.dvk");
    std::string bytes = f.Bytes();
    bytes[(BaseBloque(1) + 39 - 1) * 128] = 127;
    const LecturaBloque l = LeeBloque(FicheroRegistros(bytes), 1, false, Coma());
    EXPECT_FALSE(l.correcta);
    EXPECT_EQ(l.registro, BaseBloque(1) + 39);
}

// The offsets never read: their contents do not matter.
TEST(CargaBloque, RegistrosQueNoSeLeen)
{
    FicheroRegistros f = Fijo("obra_coma.dvk");
    for (const std::int32_t d : {14, 21, 22, 58, 65, 66}) {
        f.Escribe(BaseBloque(1) + d, "basura");
    }
    EXPECT_TRUE(LeeBloque(f, 1, true, Coma()).correcta);
}

} // namespace
} // namespace dravek
