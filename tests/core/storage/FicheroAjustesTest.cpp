// The adjustments file: entries found, written, blanked and voided, and a file that is missing,
// unreadable or cannot be written.

#include "core/storage/FicheroAjustes.h"

#include "apoyo/FicherosEnMemoria.h"
#include "apoyo/SeparadorPrueba.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Coma;
using pruebas::FicherosEnMemoria;
using pruebas::Punto;

const std::string Nombre = "/obras/presa.dpe";

// The texts of records 1 to n of the file.
std::vector<std::string> Registros(const FicherosEnMemoria &ficheros, std::int32_t n)
{
    const FicheroRegistros f(ficheros.Contenido(Nombre));
    std::vector<std::string> textos;
    for (std::int32_t i = 1; i <= n; ++i) {
        textos.push_back(f.LeeRegistro(i).value_or("<dañado>"));
    }
    return textos;
}

// The three areas of an entry read back; empty when it cannot be read.
std::vector<double> Areas(const std::optional<AjusteGuardado> &a)
{
    return a ? std::vector<double>{a->Camisa, a->Refuerzo, a->Exterior} : std::vector<double>{};
}

struct Ajustes {
    EstadoEjecucion ejecucion = Coma();
    FicherosEnMemoria ficheros;

    // A fresh object each time, as each user of the file opens it around its own use.
    FicheroAjustes Abre() { return FicheroAjustes(ficheros, Nombre, ejecucion); }
};

TEST(FicheroAjustes, AnadeEntradas)
{
    Ajustes a;
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10, 3, 2.5, AjusteGuardado{15, 3.35, 2.5}));
    EXPECT_EQ(
        Registros(a.ficheros, 9),
        (std::vector<std::string>{"9", "10,00", "3,00", "15,00", "3,35", "2,50", "2,50", "", ""}));
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(12, 3, 2.5, AjusteGuardado{16, 4, 3}));
    EXPECT_EQ(Registros(a.ficheros, 17)[0], "17");
    EXPECT_EQ(Registros(a.ficheros, 17)[9], "12,00");

    FicheroAjustes f = a.Abre();
    EXPECT_EQ(f.BuscaAjusteGuardado(10, 3, 2.5), 1);
    EXPECT_EQ(f.BuscaAjusteGuardado(12, 3, 2.5), 2);
    EXPECT_EQ(Areas(f.LeeAjusteGuardado(1)), (std::vector<double>{15, 3.35, 2.5}));
    EXPECT_EQ(Areas(f.LeeAjusteGuardado(2)), (std::vector<double>{16, 4, 3}));
    EXPECT_FALSE(f.LeeAjusteGuardado(3).has_value());
    EXPECT_EQ(f.NombreFicheroAjustes(), Nombre);

    // A new choice for a stored case rewrites its areas and height in place.
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10.02, 3, 2.51, AjusteGuardado{20, 0, 1}));
    EXPECT_EQ(Registros(a.ficheros, 9),
              (std::vector<std::string>{"17", "10,00", "3,00", "20,00", "0,00", "1,00", "2,51", "",
                                        ""}));
}

// A case matches when DP and height are both strictly within 0.05 and the run is the same.
TEST(FicheroAjustes, ToleranciaDelCaso)
{
    Ajustes a;
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10, 3, 2, AjusteGuardado{1, 1, 1}));
    struct Caso {
        double DP;
        std::int16_t tramo;
        double altura;
        std::int16_t entrada;
    };
    const Caso casos[] = {
        {10, 3, 2, 1},    {10.049, 3, 2, 1}, {9.951, 3, 1.951, 1}, {10.051, 3, 2, 0},
        {9.949, 3, 2, 0}, {10, 3, 2.051, 0}, {10, 3, 1.949, 0},    {10, 4, 2, 0},
    };
    FicheroAjustes f = a.Abre();
    for (const Caso &c : casos) {
        SCOPED_TRACE(std::to_string(c.DP) + " " + std::to_string(c.altura));
        EXPECT_EQ(f.BuscaAjusteGuardado(c.DP, c.tramo, c.altura), c.entrada);
    }
}

// Keeping the calculated result frees the case's entry (records 8 and 9 untouched); the next
// override, of any case, takes that entry; with two free entries the later one is taken.
TEST(FicheroAjustes, EntradasLibres)
{
    Ajustes a;
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10, 1, 2, AjusteGuardado{1, 1, 1}));
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(11, 1, 2, AjusteGuardado{2, 2, 2}));
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(12, 1, 2, AjusteGuardado{3, 3, 3}));

    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10, 1, 2, std::nullopt));
    EXPECT_EQ(
        Registros(a.ficheros, 9),
        (std::vector<std::string>{"25", "0,00", "0,00", "0,00", "0,00", "0,00", "0,00", "", ""}));
    EXPECT_EQ(a.Abre().BuscaAjusteGuardado(99, 5, 9), -1);
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(11, 1, 2, std::nullopt));
    EXPECT_EQ(a.Abre().BuscaAjusteGuardado(99, 5, 9), -2);

    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(20, 2, 3, AjusteGuardado{4, 4, 4}));
    EXPECT_EQ(Registros(a.ficheros, 1)[0], "25");
    EXPECT_EQ(a.Abre().BuscaAjusteGuardado(20, 2, 3), 2);
    EXPECT_EQ(a.Abre().BuscaAjusteGuardado(99, 5, 9), -1);

    // No choice for a case without an entry writes nothing.
    const int escrituras = a.ficheros.Escrituras(Nombre);
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(30, 2, 3, std::nullopt));
    EXPECT_EQ(a.ficheros.Escrituras(Nombre), escrituras);
}

// Voiding a run frees every entry of that run, spare records included, and no other.
TEST(FicheroAjustes, AnulaLosAjustesDeUnTramo)
{
    Ajustes a;
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10, 1, 2, AjusteGuardado{1, 1, 1}));
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10, 2, 2, AjusteGuardado{2, 2, 2}));
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(11, 2, 3, AjusteGuardado{3, 3, 3}));
    ASSERT_TRUE(a.Abre().AnulaAjustesTramo(2));
    const std::vector<std::string> r = Registros(a.ficheros, 25);
    EXPECT_EQ(std::vector<std::string>(r.begin() + 9, r.end()),
              std::vector<std::string>(16, "0,00"));
    FicheroAjustes f = a.Abre();
    EXPECT_EQ(f.BuscaAjusteGuardado(10, 1, 2), 1);
    EXPECT_EQ(f.BuscaAjusteGuardado(10, 2, 2), -3);

    // Nothing of the run left: nothing is written.
    const int escrituras = a.ficheros.Escrituras(Nombre);
    ASSERT_TRUE(a.Abre().AnulaAjustesTramo(2));
    ASSERT_TRUE(a.Abre().AnulaAjustesTramo(7));
    EXPECT_EQ(a.ficheros.Escrituras(Nombre), escrituras);
}

// A missing file has no entries and is created by no reader and by no voiding.
TEST(FicheroAjustes, FicheroQueNoExiste)
{
    Ajustes a;
    FicheroAjustes f = a.Abre();
    EXPECT_EQ(f.BuscaAjusteGuardado(10, 1, 2), 0);
    EXPECT_FALSE(f.LeeAjusteGuardado(1).has_value());
    EXPECT_TRUE(a.Abre().AnulaAjustesTramo(1));
    EXPECT_TRUE(a.Abre().Vacia());
    EXPECT_FALSE(a.ficheros.Existe(Nombre));
}

// Written under one decimal separator, read under the other.
TEST(FicheroAjustes, CualquierSeparador)
{
    Ajustes a;
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10.5, 3, 2.5, AjusteGuardado{15, 3.35, 2.5}));
    a.ejecucion = Punto();
    FicheroAjustes f = a.Abre();
    EXPECT_EQ(f.BuscaAjusteGuardado(10.5, 3, 2.5), 1);
    EXPECT_EQ(Areas(f.LeeAjusteGuardado(1)), (std::vector<double>{15, 3.35, 2.5}));
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(11, 3, 2.5, AjusteGuardado{1, 2, 3}));
    EXPECT_EQ(Registros(a.ficheros, 10)[9], "11.00");
}

TEST(FicheroAjustes, FicheroIlegible)
{
    Ajustes a;
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10, 3, 2, AjusteGuardado{1, 1, 1}));
    const std::string antes = a.ficheros.Contenido(Nombre);

    // A record that is not a number.
    for (const std::int32_t registro : {1, 2, 3, 7}) {
        SCOPED_TRACE(registro);
        FicheroRegistros f(antes);
        f.Escribe(registro, "diez");
        a.ficheros.Pon(Nombre, f.Bytes());
        EXPECT_EQ(a.Abre().BuscaAjusteGuardado(10, 3, 2), AjustesIlegibles);
        EXPECT_EQ(a.Abre().GrabaUnTramoPresion(10, 3, 2, AjusteGuardado{2, 2, 2}).estado,
                  ResultadoAjustes::Estado::Ilegible);
        EXPECT_EQ(a.Abre().AnulaAjustesTramo(3).estado, ResultadoAjustes::Estado::Ilegible);
        EXPECT_EQ(a.ficheros.Contenido(Nombre), f.Bytes());
    }
    FicheroRegistros f(antes);
    f.Escribe(5, "tres");
    a.ficheros.Pon(Nombre, f.Bytes());
    EXPECT_EQ(a.Abre().BuscaAjusteGuardado(10, 3, 2), 1);
    EXPECT_FALSE(a.Abre().LeeAjusteGuardado(1).has_value());

    // A file that cannot be read at all.
    a.ficheros.Pon(Nombre, antes);
    a.ficheros.FallaLectura(Nombre);
    EXPECT_EQ(a.Abre().BuscaAjusteGuardado(10, 3, 2), AjustesIlegibles);
    EXPECT_FALSE(a.Abre().LeeAjusteGuardado(1).has_value());
    const ResultadoAjustes r = a.Abre().AnulaAjustesTramo(3);
    EXPECT_EQ(r.estado, ResultadoAjustes::Estado::Ilegible);
    EXPECT_NE(r.error, "");
}

// A write that fails leaves the file as it was and says so.
TEST(FicheroAjustes, FalloDeEscritura)
{
    Ajustes a;
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10, 3, 2, AjusteGuardado{1, 1, 1}));
    const std::string antes = a.ficheros.Contenido(Nombre);
    a.ficheros.FallaEscritura(Nombre);
    for (const ResultadoAjustes &r :
         {a.Abre().AnulaAjustesTramo(3), a.Abre().GrabaUnTramoPresion(11, 3, 2, AjusteGuardado{}),
          a.Abre().Vacia()}) {
        EXPECT_EQ(r.estado, ResultadoAjustes::Estado::FalloEscritura);
        EXPECT_EQ(r.error, "No space left on device");
    }
    EXPECT_EQ(a.ficheros.Contenido(Nombre), antes);
}

// 4095 entries fill the 16-bit record numbers: a new case is refused before anything is
// written; a free entry is still taken.
TEST(FicheroAjustes, FicheroLleno)
{
    Ajustes a;
    FicheroRegistros f;
    f.Escribe(1, "32761");
    for (std::int16_t k = 1; k <= MaximoAjustes; ++k) {
        f.Escribe(8 * (k - 1) + 3, "1,00");
    }
    a.ficheros.Pon(Nombre, f.Bytes());
    const ResultadoAjustes r = a.Abre().GrabaUnTramoPresion(10, 3, 2, AjusteGuardado{1, 1, 1});
    EXPECT_EQ(r.estado, ResultadoAjustes::Estado::Lleno);
    EXPECT_EQ(a.ficheros.Escrituras(Nombre), 0);

    f.Escribe(8 * (MaximoAjustes - 1) + 3, "0,00");
    a.ficheros.Pon(Nombre, f.Bytes());
    EXPECT_TRUE(a.Abre().GrabaUnTramoPresion(10, 3, 2, AjusteGuardado{1, 1, 1}));
    EXPECT_EQ(a.Abre().BuscaAjusteGuardado(10, 3, 2), MaximoAjustes);
}

TEST(FicheroAjustes, VaciaUnFicheroViejo)
{
    Ajustes a;
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10, 3, 2, AjusteGuardado{1, 1, 1}));
    ASSERT_TRUE(a.Abre().Vacia());
    EXPECT_EQ(a.ficheros.Contenido(Nombre), "");
    EXPECT_EQ(a.Abre().BuscaAjusteGuardado(10, 3, 2), 0);
}

// The design reads the file once per calculation, not once per case.
TEST(FicheroAjustes, UnaLecturaPorCalculo)
{
    Ajustes a;
    ASSERT_TRUE(a.Abre().GrabaUnTramoPresion(10, 3, 2, AjusteGuardado{1, 1, 1}));
    const int lecturas = a.ficheros.Lecturas(Nombre);
    FicheroAjustes f = a.Abre();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(f.BuscaAjusteGuardado(10, 3, 2), 1);
        EXPECT_TRUE(f.LeeAjusteGuardado(1).has_value());
    }
    EXPECT_EQ(a.ficheros.Lecturas(Nombre), lecturas + 1);
}

} // namespace
} // namespace dravek
