#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace dravek {

// Root keys of the old registry; the program only uses MaquinaLocal.
enum class RaizRegistro { UsuarioActual, MaquinaLocal };

inline constexpr std::uint32_t TipoTexto = 1;  // a string value
inline constexpr std::uint32_t TipoNumero = 4; // a 32-bit number, little-endian bytes

struct ValorRegistro {
    std::uint32_t tipo = 0;
    std::string datos; // the value's raw bytes
};

// Stand-in for the registry and the per-user settings store: typed values under key paths
// ("Software\DRAVEK"), plus string settings by application, section and key.
class AlmacenConfiguracion {
public:
    virtual ~AlmacenConfiguracion() = default;

    virtual bool ExisteClave(RaizRegistro raiz, const std::string &ruta) = 0;
    // Creates the key when missing; false when it cannot be created.
    virtual bool CreaClave(RaizRegistro raiz, const std::string &ruta) = 0;
    // Nothing when the key or the value is missing.
    virtual std::optional<ValorRegistro> LeeValor(RaizRegistro raiz, const std::string &ruta,
                                                  const std::string &nombre) = 0;
    // False (and nothing written) when the key does not exist or cannot be written.
    virtual bool EscribeValor(RaizRegistro raiz, const std::string &ruta,
                              const std::string &nombre, const ValorRegistro &valor) = 0;

    virtual std::optional<std::string> LeeAjuste(const std::string &aplicacion,
                                                 const std::string &seccion,
                                                 const std::string &clave) = 0;
    virtual void GrabaAjuste(const std::string &aplicacion, const std::string &seccion,
                             const std::string &clave, const std::string &valor) = 0;
};

// The user's locale: only the decimal separator is asked of it.
class LocalUsuario {
public:
    virtual ~LocalUsuario() = default;
    // The separator as the locale gives it; empty when the locale gives none.
    virtual std::string SeparadorDecimal() = 0;
};

} // namespace dravek
