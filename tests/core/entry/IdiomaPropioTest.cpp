// The stored interface language.

#include "core/entry/IdiomaPropio.h"

#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/MensajesGrabadora.h"
#include "core/storage/Registro.h"

#include <gtest/gtest.h>

#include <string>

namespace dravek {
namespace {

using pruebas::AlmacenConfiguracionEnMemoria;
using pruebas::Guion;
using pruebas::MensajesGrabadora;

std::optional<std::string> Guardado(const AlmacenConfiguracionEnMemoria &almacen)
{
    const auto v =
        almacen.valor(RaizRegistro::MaquinaLocal, ClaveRegistroPrograma, ValorRegistroIdioma);
    return v ? std::optional<std::string>(v->datos) : std::nullopt;
}

TEST(IdiomaPropio, LeeYGraba)
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

} // namespace
} // namespace dravek
