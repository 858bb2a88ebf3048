#pragma once

#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace dravek {

// Key and value of the interface language.
inline constexpr const char *ClaveRegistroPrograma = "Software\\DRAVEK";
inline constexpr const char *ValorRegistroIdioma = "Idioma";

// Per-user setting of the start-up notice. The application name is the program's own name,
// the one its windows carry, so that the setting follows the program and not its file name.
inline constexpr const char *AplicacionAjustes = "DRAVEK";
inline constexpr const char *SeccionOpciones = "Opciones Rev 2002";
inline constexpr const char *ClaveMostrarSugerencias = "Mostrar sugerencias al iniciar";

// Largest value the read accepts, in bytes: the size of the old read buffer. A longer value
// does not fit and the read fails.
inline constexpr std::size_t CapacidadLecturaRegistro = 1024;

// Result code of a value that the store refused to set (the registry's "access denied").
inline constexpr std::int32_t ErrorEscrituraRegistro = 5;
// Result code of a number value given as a text that is not a 32-bit integer (the old
// runtime's "type mismatch"); nothing is written.
inline constexpr std::int32_t ErrorTipoRegistro = 13;

// A value to write: a text, or a number.
using DatoRegistro = std::variant<std::string, std::int32_t>;

// True when the path neither begins nor ends with "\" nor holds "\\"; an empty path passes.
bool ValidaClaveRegistro(std::string_view sRuta);

// Reads value sNombre of key sRuta. True and sValor set when it was read; False and sValor
// unchanged for a bad path, a missing key or value, an empty value or one that does not fit.
// One trailing NUL is dropped; a number reads as "&h" and its kept bytes in hexadecimal, from
// the last to the first; any other type reads as an empty text.
bool LeeValorRegistro(AlmacenConfiguracion &almacen, RaizRegistro hClave, const std::string &sRuta,
                      const std::string &sNombre, std::string &sValor);

// Writes value sNombre of type lTipo into the existing key sRuta. Silent: a key that does not
// exist or a value that cannot be set leaves the store as it was.
void GrabaValorRegistro(AlmacenConfiguracion &almacen, RaizRegistro hClave,
                        const std::string &sRuta, const std::string &sNombre,
                        const DatoRegistro &vValor, std::int32_t lTipo);

// Writes one value into key sRuta, which must exist. Type 1: the text's bytes without a
// terminating NUL; type 4: the 32-bit number in little-endian bytes. Returns 0 on success, a
// non-zero code when the store refused it; any other type writes nothing and returns 0.
std::int32_t EscribeValorRegistro(AlmacenConfiguracion &almacen, RaizRegistro hClaveAbierta,
                                  const std::string &sRuta, const std::string &sNombre,
                                  std::int32_t lTipo, const DatoRegistro &vValor);

// Creates key sRuta (and the keys above it) when missing. Silent.
void CreaClaveRegistro(AlmacenConfiguracion &almacen, const std::string &sRuta,
                       RaizRegistro hClave);

// The user's decimal separator: the locale's text without NULs and without blanks around it.
std::string SeparadorDecimal(LocalUsuario &local);

// Sets SeparadorDecimalLocal, CodigoSeparadorLocal and CodigoOtroSeparador from the locale.
void PonSeparadorDecimal(EstadoEjecucion &ejecucion, LocalUsuario &local);

} // namespace dravek
