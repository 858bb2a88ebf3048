#pragma once

// The program as a test runs it: a program folder of the test's own, holding the pictures the
// data-entry window shows, and the decimal separator of the user's locale, both put into the
// run-time state. The folder goes with the object.

#include "apoyo/CarpetaPrueba.h"
#include "apoyo/SeparadorPrueba.h"
#include "core/model/EstadoObra.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

namespace dravek::pruebas {

// The pictures of every typology, laying and embankment the data-entry window may show.
inline constexpr std::initializer_list<const char *> FigurasCaptura = {
    "Lur2211.bmp",  "Lur2221.bmp", "Zanja1a.bmp",  "ZanjaT1a.bmp",
    "Terrapl1.bmp", "Zanja2a.bmp", "ZanjaT2a.bmp", "Terrapl2.bmp"};

class ProgramaPrueba {
public:
    // prefijo names the folder (CarpetaPrueba); figuras are written into it, as bitmaps in
    // name only.
    ProgramaPrueba(EstadoObra &estado, const std::string &prefijo, char separador = ',',
                   std::initializer_list<const char *> figuras = FigurasCaptura)
        : m_carpeta(CarpetaPrueba(prefijo))
    {
        for (const char *f : figuras) {
            std::ofstream(m_carpeta / f) << "BM";
        }
        estado.ejecucion.RutaAplicacion = m_carpeta.string() + "/";
        PonSeparador(estado.ejecucion, separador);
    }
    ~ProgramaPrueba() { std::filesystem::remove_all(m_carpeta); }
    ProgramaPrueba(const ProgramaPrueba &) = delete;
    ProgramaPrueba &operator=(const ProgramaPrueba &) = delete;

    const std::filesystem::path &carpeta() const { return m_carpeta; }
    std::string figura(const std::string &fichero) const { return (m_carpeta / fichero).string(); }

private:
    std::filesystem::path m_carpeta;
};

} // namespace dravek::pruebas
