// The interface language setting of the user.

#include <gtest/gtest.h>

#include <string>

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/MensajesGrabadora.h"
#include "core/entry/IdiomaPropio.h"
#include "core/shell/Registro.h"

namespace dravek {
namespace {

using pruebas::AlmacenConfiguracionEnMemoria;
using pruebas::Guion;
using pruebas::MensajesGrabadora;

std::optional<std::string> Guardado(const AlmacenConfiguracionEnMemoria &almacen)
{
    const auto v =
        almacen.valor(RaizRegistro::UsuarioActual, ClaveRegistroPrograma, ValorRegistroIdioma);
    return v ? std::optional<std::string>(v->datos) : std::nullopt;
}

TEST(IdiomaPropio, LeeYGrabaEnLosAjustesDelUsuario)
{
    AlmacenConfiguracionEnMemoria almacen;
    MensajesGrabadora mensajes{Guion::Estricto};
    EXPECT_EQ(IdiomaPropio(almacen, mensajes, 0, "LEELO"), "");
    EXPECT_EQ(IdiomaPropio(almacen, mensajes, 0, "GRABALO", "3"), "");
    EXPECT_EQ(Guardado(almacen), "3");
    EXPECT_EQ(IdiomaPropio(almacen, mensajes, 0, "LEELO"), "3");
    IdiomaPropio(almacen, mensajes, 0, "GRABALO", "2");
    EXPECT_EQ(IdiomaPropio(almacen, mensajes, 0, "LEELO"), "2");

    mensajes.responde(RespuestaMensaje::Aceptar);
    EXPECT_EQ(IdiomaPropio(almacen, mensajes, 0, "leelo"), "");
    EXPECT_EQ(mensajes.mostrados().back().texto,
              "ATENCION: Accion invalida en IdiomaPropio=leelo");
}

TEST(IdiomaPropio, UnaEscrituraRechazadaSeAvisa)
{
    AlmacenConfiguracionEnMemoria almacen;
    MensajesGrabadora mensajes{Guion::Estricto};
    almacen.fallaEscritura(true);
    mensajes.responde(RespuestaMensaje::Aceptar);
    IdiomaPropio(almacen, mensajes, 5000, "GRABALO", "2");
    ASSERT_EQ(mensajes.mostrados().size(), 1u);
    EXPECT_EQ(mensajes.mostrados()[0].texto,
              "The chosen language could not be saved; it will be used until you close the "
              "program.");
    EXPECT_EQ(Guardado(almacen), std::nullopt);
}

TEST(IdiomaPropio, IdiomaAlArrancar)
{
    struct Caso {
        const char *guardado; // null: nothing stored
        std::int16_t idioma;
        bool aviso;
        const char *queda;
    };
    const Caso casos[] = {
        {nullptr, 1, false, "1"}, {"3", 3, false, "3"}, {"5", 5, false, "5"}, {"6", 1, true, "1"},
        {"9", 1, true, "1"},      {"0", 1, true, "1"},  {" 2", 1, true, "1"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.guardado != nullptr ? c.guardado : "(nada)");
        AlmacenConfiguracionEnMemoria almacen;
        MensajesGrabadora mensajes{Guion::Estricto};
        if (c.guardado != nullptr) {
            almacen.ponValor(RaizRegistro::UsuarioActual, ClaveRegistroPrograma,
                             ValorRegistroIdioma, ValorRegistro{TipoTexto, c.guardado});
        }
        if (c.aviso) {
            mensajes.responde(RespuestaMensaje::Aceptar);
        }
        EXPECT_EQ(IdiomaAlArrancar(almacen, mensajes, 0), c.idioma);
        EXPECT_EQ(mensajes.mostrados().size(), c.aviso ? 1u : 0u);
        if (c.aviso) {
            EXPECT_EQ(mensajes.mostrados()[0].texto.rfind("El idioma de la Aplicación DRAVEK", 0),
                      0u);
        }
        EXPECT_EQ(Guardado(almacen), c.queda);
    }
}

} // namespace
} // namespace dravek
