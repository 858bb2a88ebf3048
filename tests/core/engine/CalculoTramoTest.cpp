// Whole runs calculated with the real designs, as the commands will run them: every case is
// designed and listed in every kind and in both unit systems, and nothing unreadable reaches
// the engineer.

#include "apoyo/ContextoPrueba.h"
#include "apoyo/DepuracionGrabadora.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/TramoPrueba.h"
#include "core/design/DisenoTubo.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace dravek {
namespace {

const std::string Ruta = DRAVEK_DATOS_PROGRAMA "/";

void SinTextosIlegibles(const std::string &texto)
{
    for (const char *mal : {"nan", "inf", "NaN", "Falta Recurso", "-999999999"}) {
        EXPECT_EQ(texto.find(mal), std::string::npos) << mal;
    }
}

std::size_t Cuenta(const std::string &texto, const std::string &buscado)
{
    std::size_t n = 0;
    for (std::size_t p = texto.find(buscado); p != std::string::npos;
         p = texto.find(buscado, p + buscado.size())) {
        ++n;
    }
    return n;
}

struct Caso {
    const char *nombre;
    bool armado;
    bool enSI;
};

class CalculoTramo : public ::testing::TestWithParam<Caso>,
                     protected pruebas::ContextoPrueba<pruebas::DepuracionGrabadora, DisenoTubo> {
protected:
    void SetUp() override
    {
        pruebas::PreparaTramoArmado(estado, GetParam().enSI, Ruta);
        if (!GetParam().armado) {
            pruebas::HazTramoPostesado(estado, GetParam().enSI, Ruta);
        }
        entrada = estado.tramo;
    }

    DatosTramo entrada;
};

// Heights 1, 2, 3 m with DP 4, 7, 10 at: nine cases, each designed and separated.
TEST_P(CalculoTramo, PantallaDeTodosLosCasos)
{
    ASSERT_FALSE(pruebas::CalculaEnPantalla(contexto)) << "the run must calculate";
    const std::string &texto = salida.TextoPantalla();
    EXPECT_EQ(Cuenta(texto, std::string(70, '=')), 9u);
    EXPECT_EQ(Cuenta(texto, Texto(0, 244)), 9u);
    SinTextosIlegibles(texto);
    EXPECT_TRUE(std::isfinite(estado.resultados.CAMISA));
    EXPECT_TRUE(std::isfinite(estado.caso.PP));
    // The entry values come back whole after the calculation.
    EXPECT_EQ(estado.tramo.ESP, entrada.ESP);
    EXPECT_EQ(estado.tramo.FCK, entrada.FCK);
    EXPECT_EQ(estado.tramo.Epsc, entrada.Epsc);
    EXPECT_EQ(estado.tramo.Delca, entrada.Delca);
}

TEST_P(CalculoTramo, CadaListadoImpresoTerminaSinError)
{
    for (ClaseListado tipo :
         {ClaseListado::Normal, ClaseListado::Tabular, ClaseListado::Pantalla}) {
        SCOPED_TRACE(static_cast<int>(tipo));
        pruebas::ImpresoraGrabadora papel;
        SalidaListado impresa(reloj, papel);
        ContextoCalculo enPapel{estado, impresa, depuracion, diseno};
        int fin = -1;
        ASSERT_FALSE(pruebas::ImprimeTramo(enPapel, tipo, fin));
        EXPECT_EQ(fin, SinErrorImpresora);
        std::string todo;
        for (const std::string &linea : papel.lineas()) {
            todo += linea + "\n";
        }
        EXPECT_FALSE(todo.empty());
        SinTextosIlegibles(todo);
        EXPECT_EQ(estado.tramo.ESP, entrada.ESP);
    }
}

INSTANTIATE_TEST_SUITE_P(Tramos, CalculoTramo,
                         ::testing::Values(Caso{"ArmadoMKS", true, false},
                                           Caso{"ArmadoSI", true, true},
                                           Caso{"PostesadoMKS", false, false},
                                           Caso{"PostesadoSI", false, true}),
                         [](const ::testing::TestParamInfo<Caso> &parametro) {
                             return std::string(parametro.param.nombre);
                         });

} // namespace
} // namespace dravek
