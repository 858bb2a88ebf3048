// Access letters ("&" before a letter of a caption) are unique within a window or a menu, in
// every language: two captions with the same letter would leave one unreachable from the
// keyboard.

#include "IdiomasPrueba.h"
#include "apoyo/ImpresoraGrabadora.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/RelojFijo.h"
#include "apoyo/TrabajoFalso.h"
#include "core/hydraulics/CalculoHidraulico.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/model/TextoRecurso.h"
#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"
#include "core/protection/Protecciones.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace dravek {
namespace {

using pruebas::Idioma;
using pruebas::Idiomas;

// The access letter of a caption, in lower case; empty when it has none.
std::string LetraDeAcceso(const std::string &rotulo)
{
    const std::size_t p = rotulo.find('&');
    if (p == std::string::npos || p + 1 >= rotulo.size()) {
        return {};
    }
    std::string letra = rotulo.substr(p + 1, LongitudCaracterUtf8(rotulo, p + 1));
    if (letra.size() == 1 && letra[0] >= 'A' && letra[0] <= 'Z') {
        letra[0] = static_cast<char>(letra[0] - 'A' + 'a');
    }
    return letra;
}

// Captions that share a letter, one line each; empty when every letter is unique.
std::string Repetidas(const std::vector<std::string> &rotulos)
{
    std::map<std::string, std::vector<std::string>> porLetra;
    for (const std::string &rotulo : rotulos) {
        const std::string letra = LetraDeAcceso(rotulo);
        if (!letra.empty()) {
            porLetra[letra].push_back(rotulo);
        }
    }
    std::string repetidas;
    for (const auto &[letra, conLetra] : porLetra) {
        if (conLetra.size() > 1) {
            repetidas += "  \"" + letra + "\":";
            for (const std::string &rotulo : conLetra) {
                repetidas += " \"" + rotulo + "\"";
            }
            repetidas += "\n";
        }
    }
    return repetidas;
}

// Every caption a window shows: labels and frames, check boxes, buttons, options, tabs. Menu
// items are grouped by their menu, not by the window.
std::vector<std::string> RotulosDeVentana(const VentanaLogica &ventana)
{
    std::vector<std::string> rotulos;
    for (const Control *control : ventana.Controles()) {
        if (const auto *etiqueta = dynamic_cast<const Etiqueta *>(control)) {
            rotulos.push_back(etiqueta->Caption);
        } else if (const auto *casilla = dynamic_cast<const Casilla *>(control)) {
            rotulos.push_back(casilla->Caption);
        } else if (const auto *boton = dynamic_cast<const Boton *>(control)) {
            rotulos.push_back(boton->Caption);
        } else if (const auto *opciones = dynamic_cast<const GrupoOpciones *>(control)) {
            for (int i = 0; i < opciones->Count(); ++i) {
                rotulos.push_back((*opciones)[i].Caption);
            }
        } else if (const auto *pestanas = dynamic_cast<const Pestanas *>(control)) {
            rotulos.insert(rotulos.end(), pestanas->TabCaption.begin(),
                           pestanas->TabCaption.end());
        }
    }
    return rotulos;
}

// The side tools' windows as they open in a language, with their captions set by their own
// load handlers.
struct Herramientas {
    explicit Herramientas(const Idioma &idioma)
    {
        estado.ejecucion.Idioma = static_cast<std::int16_t>(idioma.desplazamiento / 5000 + 1);
        estado.ejecucion.DesplazamientoIdioma = idioma.desplazamiento;
        protecciones.Form_Load();
        hidraulico.Form_Load();
    }

    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes;
    pruebas::RelojFijo reloj;
    pruebas::ImpresoraGrabadora impresora;
    SalidaListado salida{reloj, impresora};
    pruebas::TrabajoFalso trabajo;
    Protecciones protecciones{estado, mensajes, salida, trabajo};
    CalculoHidraulico hidraulico{estado, mensajes, salida, trabajo};
};

TEST(Aceleradores, UnicosEnCadaVentana)
{
    for (const Idioma &idioma : Idiomas) {
        SCOPED_TRACE(idioma.nombre);
        Herramientas h(idioma);
        struct Ventana {
            const char *nombre;
            const VentanaLogica &ventana;
        };
        for (const Ventana &v : {Ventana{"protection adviser", h.protecciones},
                                 Ventana{"hydraulic calculator", h.hidraulico}}) {
            const std::vector<std::string> rotulos = RotulosDeVentana(v.ventana);
            // The window is captioned: a window left with empty captions would pass vacuously.
            EXPECT_GT(rotulos.size(), 5U) << v.nombre;
            EXPECT_EQ(Repetidas(rotulos), "") << v.nombre;
        }
    }
}

// Captions of windows whose logic is not built yet, as those windows show them: the data-entry
// window (its four tab strips), the start-up notice and the main menu. When a window's logic
// lands it joins the test above and leaves this list.
TEST(Aceleradores, UnicosEnLasVentanasPorConstruir)
{
    struct Grupo {
        const char *nombre;
        std::vector<std::int32_t> textos;
    };
    const std::vector<Grupo> grupos = {
        {"data-entry window", {151, 152, 153, 188, 189, 193, 194, 195, 196, 222, 223, 224}},
        {"start-up notice", {700, 702}},
        {"main menu bar", {1046, 1054, 1060, 1063}},
        {"menu of the side tools", {1061, 1062}},
    };
    for (const Idioma &idioma : Idiomas) {
        for (const Grupo &grupo : grupos) {
            SCOPED_TRACE(std::string(idioma.nombre) + ", " + grupo.nombre);
            std::vector<std::string> rotulos;
            for (const std::int32_t n : grupo.textos) {
                rotulos.push_back(Texto(idioma.desplazamiento, n));
                EXPECT_NE(LetraDeAcceso(rotulos.back()), "") << rotulos.back();
            }
            EXPECT_EQ(Repetidas(rotulos), "");
        }
    }
}

} // namespace
} // namespace dravek
