#pragma once

// A data-entry window wired to recording fakes and to the real main-window logic (itself over
// fakes) for its language side, with the code lists filled, a standard-geometry table given row
// by row and a program folder of its own that holds (or lacks) the pictures.

#include "apoyo/AlmacenObraPrueba.h"
#include "apoyo/AnulacionAjustesGrabadora.h"
#include "apoyo/EntornoIdiomaPrueba.h"
#include "apoyo/GeometriaPrueba.h"
#include "apoyo/MensajesGrabadora.h"
#include "apoyo/ProgramaPrueba.h"
#include "core/entry/CapturaDatos.h"
#include "core/entry/MenuPrincipal.h"
#include "core/model/EstadoObra.h"
#include "core/model/TextoRecurso.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace dravek::pruebas {

enum class Figuras { Presentes, Ausentes };

class CapturaPrueba {
public:
    explicit CapturaPrueba(Figuras figuras = Figuras::Presentes)
        : m_programa(estado, "dravek_captura", ',',
                     figuras == Figuras::Presentes
                         ? std::initializer_list<const char *>{"Lur2211.bmp", "Lur2221.bmp",
                                                               "Zanja1a.bmp"}
                         : std::initializer_list<const char *>{})
    {
        captura.LlenaListasCodigos();
        muestraSI(false);
    }
    CapturaPrueba(const CapturaPrueba &) = delete;
    CapturaPrueba &operator=(const CapturaPrueba &) = delete;

    // The unit option and the unit system it stands for.
    void muestraSI(bool si)
    {
        ponValor(captura.rdSistemaUnidades, si ? 0 : 1, true);
        estado.ejecucion.SistemaUnidades = si ? "SI" : "MKS";
    }

    std::string figura(const std::string &fichero) const { return m_programa.figura(fichero); }

    EstadoObra estado;
    MensajesGrabadora mensajes{Guion::Estricto};
    MenuPrincipal menu;
    AnulacionAjustesGrabadora ajustes;
    EntornoIdiomaPrueba idioma{estado, mensajes};
    AlmacenObraPrueba obra{estado, mensajes, idioma.configuracion};
    CapturaDatos captura{estado, {mensajes, menu, ajustes, idioma.principal, obra.almacen}};

private:
    // Last: the window is built before the program's folder is named, as the program does.
    ProgramaPrueba m_programa;
};

// Whole-window comparison: every line of the snapshot after an action is the line before it,
// except for the controls listed, whose lines must be exactly the ones given.
inline void CompruebaInstantanea(const std::vector<std::string> &antes,
                                 const std::vector<std::string> &despues,
                                 const std::vector<std::string> &cambios)
{
    ASSERT_EQ(antes.size(), despues.size());
    const auto nombre = [](const std::string &linea) {
        const auto p = linea.find(':');
        const auto q = linea.find('=');
        return linea.substr(0, std::min(p, q));
    };
    std::vector<bool> usado(cambios.size(), false);
    for (std::size_t i = 0; i < despues.size(); ++i) {
        bool esperado = false;
        for (std::size_t k = 0; k < cambios.size(); ++k) {
            if (nombre(cambios[k]) == nombre(despues[i])) {
                EXPECT_EQ(despues[i], cambios[k]);
                usado[k] = true;
                esperado = true;
            }
        }
        if (!esperado) {
            EXPECT_EQ(despues[i], antes[i]) << "a control changed that should not have";
        }
    }
    for (std::size_t k = 0; k < cambios.size(); ++k) {
        EXPECT_TRUE(usado[k]) << "no such control: " << cambios[k];
    }
}

// Spanish text n of the table, as the window shows it in the tests' language.
inline std::string T(std::int32_t n)
{
    return Texto(0, n);
}

// A plain information box with its text and title, as the field handlers show it.
inline MensajeMostrado Ok(const std::string &texto, const std::string &titulo = {})
{
    return {texto, BotonesMensaje::Aceptar, IconoMensaje::Ninguno, titulo};
}

} // namespace dravek::pruebas
