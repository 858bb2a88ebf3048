#pragma once

#include "core/model/EstadoObra.h"
#include "core/plataforma/Mensajes.h"

#include <string>

namespace dravek {

// The default-data files of the program's folder; the same names in every language.
inline constexpr const char *FicheroGeometria = "LUR#GM";  // standard geometry
inline constexpr const char *FicheroArmaduras = "LUR#ES";  // reinforcement areas, cm2/m
inline constexpr const char *FicheroAnchoZanja = "LUR#PM"; // trench-width factor

// A failure that stops the reading: the message start-up shows before the program ends.
// Nothing is shown here; hayError false means the file was read (or its defaults applied).
struct ErrorDatosPredeterminados {
    bool hayError = false;
    std::string texto;
    BotonesMensaje botones = BotonesMensaje::Aceptar;
    IconoMensaje icono = IconoMensaje::Ninguno;
    std::string titulo; // empty: the application's title
};

// Each reader opens its file as the folder and the file name, reads the numbers with the
// user's decimal separator and words its messages in the language of DesplazamientoIdioma.
// On a failure the tables keep what was read before the failing line.

// "LUR#GM", which must exist: NumeroDimensiones rows of DimensionesPredeterminadas and
// MarcasDimensiones.
ErrorDatosPredeterminados LeeGeometriaPredeterminada(const std::string &RutaAplicacion,
                                                     const EstadoEjecucion &ejecucion,
                                                     TablasPredeterminadas &tablas);

// "LUR#ES": ArmadurasInternasPredeterminadas; when missing or empty, 5, 10, ..., 500.
ErrorDatosPredeterminados LeeArmadurasPredeterminadas(const std::string &RutaAplicacion,
                                                      const EstadoEjecucion &ejecucion,
                                                      TablasPredeterminadas &tablas);

// "LUR#PM": LimiteAnchoZanja from the first two characters of the first line; 0 when
// missing.
ErrorDatosPredeterminados LeeLimiteAnchoZanja(const std::string &RutaAplicacion,
                                              const EstadoEjecucion &ejecucion,
                                              TablasPredeterminadas &tablas);

} // namespace dravek
