#include "core/shell/PrincipalPrueba.h"
#include "core/storage/Registro.h"

#include <gtest/gtest.h>

#include <vector>

namespace dravek {
namespace {

// The desktop's texts follow the menus: the language start-up settles, Spanish for the
// Spanish-only message about a stored language not accepted, and each language chosen on the
// data-entry window.
TEST(FormaPrincipal, LosTextosDelEscritorioSiguenAlMenu)
{
    struct Fila {
        const char *nombre;
        const char *guardado;
        std::vector<std::int16_t> esperados;
    };
    const Fila filas[] = {
        {"francés guardado", "5", {5}},
        {"nada guardado", nullptr, {1}},
        {"idioma no aceptado", "9", {1, 1}},
    };
    for (const Fila &f : filas) {
        SCOPED_TRACE(f.nombre);
        pruebas::PrincipalPrueba p;
        const auto &textos = p.textos;
        if (f.guardado) {
            p.almacen.ponValor(RaizRegistro::MaquinaLocal, ClaveRegistroPrograma,
                               ValorRegistroIdioma, {TipoTexto, f.guardado});
        }
        if (f.esperados.size() > 1) {
            p.mensajes.responde(RespuestaMensaje::Aceptar);
        }
        pruebas::LocalUsuarioFijo local(",");
        ASSERT_TRUE(p.forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
        EXPECT_EQ(textos.idiomas, f.esperados);
    }

    pruebas::PrincipalPrueba p;
    const auto &textos = p.textos;
    pruebas::LocalUsuarioFijo local(",");
    ASSERT_TRUE(p.forma.Arranca(DRAVEK_DATOS_PROGRAMA, local));
    p.captura.PonTextosCaptura();
    ponIndice(p.captura.edIdioma, 2);
    ponIndice(p.captura.edIdioma, 1);
    EXPECT_EQ(textos.idiomas, (std::vector<std::int16_t>{1, 3, 2}));
    EXPECT_TRUE(p.mensajes.mostrados().empty());
}

} // namespace
} // namespace dravek
