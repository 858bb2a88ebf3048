// The stored projects the listing tool's tests list: written by the storage code as an engineer
// types them, and checked in beside the tests. Set DRAVEK_REGENERA_FIJOS to write them again.

#include "ProyectosGuardados.h"

#include "core/storage/FicheroRegistros.h"
#include "core/storage/RegistrosObra.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace dravek {
namespace {

using pruebas::LeeFicheroPrueba;

std::string Fijo(const std::string &nombre)
{
    return std::string(DRAVEK_DATOS_PRUEBA) + "/" + nombre;
}

std::string Registro(const std::string &bytes, std::int32_t n)
{
    return FicheroRegistros(bytes).LeeRegistro(n).value_or("<dañado>");
}

TEST(ProyectosGuardados, ComoLosEscribeElPrograma)
{
    const bool regenera = std::getenv("DRAVEK_REGENERA_FIJOS") != nullptr;
    for (const pruebas::ProyectoGuardado &p : pruebas::ProyectosGuardados()) {
        SCOPED_TRACE(p.nombre);
        for (const auto &[final, bytes] : {std::pair{".dvk", p.dvk}, std::pair{".dpe", p.dpe}}) {
            if (bytes.empty()) {
                continue;
            }
            const std::string fichero = Fijo(p.nombre + final);
            if (regenera) {
                std::ofstream(fichero, std::ios::binary) << bytes;
            }
            EXPECT_EQ(LeeFicheroPrueba(fichero), bytes) << fichero;
        }
    }
}

// What the projects hold, record by record where it matters to their listings.
TEST(ProyectosGuardados, Contenido)
{
    const std::string armado = LeeFicheroPrueba(Fijo("armado.dvk"));
    EXPECT_EQ(Registro(armado, 3), "SisUnid: MKS" + std::string(27, ' '));
    EXPECT_EQ(Registro(armado, 5), "Conducción Río Ebro – Tramo Norte");
    EXPECT_EQ(Registro(armado, 11), "11,00 // 1,10");
    EXPECT_EQ(Registro(armado, 20), "2");
    EXPECT_EQ(Registro(armado, BaseBloque(1) + 9), "1210");
    EXPECT_EQ(Registro(armado, BaseBloque(1) + 59), "11,00 // 1,10");
    EXPECT_EQ(Registro(armado, BaseBloque(1) + 60), "13,20 // 1,32");
    EXPECT_EQ(Registro(armado, BaseBloque(2) + 7), "2");
    EXPECT_EQ(Registro(armado, BaseBloque(2) + 38), "0,800");
    const std::string ajustes = LeeFicheroPrueba(Fijo("armado.dpe"));
    EXPECT_EQ(Registro(ajustes, 1), "9");
    EXPECT_EQ(Registro(ajustes, 2), "10,00");
    EXPECT_EQ(Registro(ajustes, 3), "1,00");
    EXPECT_EQ(Registro(ajustes, 6), "40,00");

    const std::string postesado = LeeFicheroPrueba(Fijo("postesado.dvk"));
    EXPECT_EQ(Registro(postesado, BaseBloque(1) + 9), "2211");
    EXPECT_EQ(Registro(postesado, BaseBloque(2) + 9), "2221");
    EXPECT_EQ(Registro(postesado, BaseBloque(1) + 26), "2100000 // 210000");
    EXPECT_EQ(Registro(postesado, BaseBloque(1) + 16), "0 // 0.0");
    EXPECT_EQ(Registro(postesado, BaseBloque(1) + 64), "2100 // 210.0");

    const std::string carga = LeeFicheroPrueba(Fijo("carga_si.dvk"));
    EXPECT_EQ(Registro(carga, 3), "SisUnid: SI" + std::string(27, ' '));
    EXPECT_EQ(Registro(carga, BaseBloque(1) + 53), "25,000 // 0,250");
    EXPECT_EQ(Registro(carga, BaseBloque(1) + 54), "0");
    EXPECT_EQ(Registro(carga, BaseBloque(1) + 55), "0");
    EXPECT_EQ(Registro(carga, BaseBloque(1) + 16), "350 // 35,0");
}

} // namespace
} // namespace dravek
