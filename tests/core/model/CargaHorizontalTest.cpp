#include "core/model/CargaHorizontal.h"

#include <gtest/gtest.h>

#include <optional>

namespace dravek {
namespace {

struct CasoCarga {
    const char *nombre;
    std::int16_t codigo;
    double ancho;
    ReglaAnchoZanja regla;
    std::optional<double> esperada;
};

// A run with outer diameter 1.2 m, a given load of 5 t/m2, fill weight 1.8 t/m3 and a fill of
// 2 m: vDE x load = 6, the fill's weight 3.6.
TEST(CargaHorizontalDada, CadaReglaDelAnchoDeZanja)
{
    const CasoCarga casos[] = {
        {"loader: 4 m trench", ZanjaSinCompactar, 4.0, ReglaAnchoZanja::SoloMayorQueTres, 1.5},
        {"loader: 3 m is not above 3", ZanjaSinCompactar, 3.0, ReglaAnchoZanja::SoloMayorQueTres,
         0.0},
        {"loader: no width", ZanjaSinCompactar, 0.0, ReglaAnchoZanja::SoloMayorQueTres, 0.0},
        {"leave: 2.4 m trench", ZanjaSinCompactar, 2.4, ReglaAnchoZanja::AutomaticaSiFalta, 2.5},
        // 1.4 x 1.2 + 0.68 = 2.36 m.
        {"leave: no width takes the automatic one", ZanjaSinCompactar, 0.0,
         ReglaAnchoZanja::AutomaticaSiFalta, 6.0 / 2.36},
        {"loop: 3 m trench", ZanjaSinCompactar, 3.0, ReglaAnchoZanja::Exigida, 2.0},
        {"loop: no width is refused", ZanjaSinCompactar, 0.0, ReglaAnchoZanja::Exigida,
         std::nullopt},
        {"loop: negative width is refused", ZanjaSinCompactar, -1.0, ReglaAnchoZanja::Exigida,
         std::nullopt},
        {"compacted trench: the load", ZanjaCompactada, 0.0, ReglaAnchoZanja::Exigida, 5.0},
        {"compacted trench, loader", ZanjaCompactada, 0.0, ReglaAnchoZanja::SoloMayorQueTres, 5.0},
        {"trench under embankment: fill weight", ZanjaTerraplenSinCompactar, 0.0,
         ReglaAnchoZanja::Exigida, 3.6},
        {"embankment: fill weight", Terraplen, 0.0, ReglaAnchoZanja::AutomaticaSiFalta, 3.6},
    };
    for (const CasoCarga &caso : casos) {
        SCOPED_TRACE(caso.nombre);
        DatosTramo t;
        t.CodigoColocacion = caso.codigo;
        t.AnchoZanja = caso.ancho;
        t.vDE = 1.2;
        t.CargaVerticalTotal = 5.0;
        t.vGAMAT = 1.8;
        const std::optional<double> vQH = CargaHorizontalDada(t, 2.0, caso.regla);
        ASSERT_EQ(vQH.has_value(), caso.esperada.has_value());
        if (vQH) {
            EXPECT_NEAR(*vQH, *caso.esperada, 1e-12);
        }
    }
}

} // namespace
} // namespace dravek
