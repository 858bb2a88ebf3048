#pragma once

#include "core/plataforma/AlmacenConfiguracion.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace dravek::pruebas {

// The settings store as a map. Key paths are kept as given, unchecked, so that a routine that
// forgets to check a path is caught by what it reads or writes. A key exists once created,
// and creating one creates every key above it, as the registry does.
class AlmacenConfiguracionEnMemoria : public AlmacenConfiguracion {
public:
    bool ExisteClave(RaizRegistro raiz, const std::string &ruta) override;
    bool CreaClave(RaizRegistro raiz, const std::string &ruta) override;
    std::optional<ValorRegistro> LeeValor(RaizRegistro raiz, const std::string &ruta,
                                          const std::string &nombre) override;
    bool EscribeValor(RaizRegistro raiz, const std::string &ruta, const std::string &nombre,
                      const ValorRegistro &valor) override;
    std::optional<std::string> LeeAjuste(const std::string &aplicacion, const std::string &seccion,
                                         const std::string &clave) override;
    void GrabaAjuste(const std::string &aplicacion, const std::string &seccion,
                     const std::string &clave, const std::string &valor) override;

    // From now on no key is created and nothing is written; every write reports its failure
    // (settings are dropped silently, as the interface has no result for them).
    void fallaEscritura(bool falla) { m_fallaEscritura = falla; }

    // Puts a value in place as another program would have left it, creating its key; it
    // ignores fallaEscritura.
    void ponValor(RaizRegistro raiz, const std::string &ruta, const std::string &nombre,
                  const ValorRegistro &valor);
    // What the store holds, without the rules of the interface.
    std::optional<ValorRegistro> valor(RaizRegistro raiz, const std::string &ruta,
                                       const std::string &nombre) const;
    std::optional<std::string> ajuste(const std::string &aplicacion, const std::string &seccion,
                                      const std::string &clave) const;

private:
    void anotaClave(RaizRegistro raiz, const std::string &ruta);

    std::set<std::pair<RaizRegistro, std::string>> m_claves;
    std::map<std::tuple<RaizRegistro, std::string, std::string>, ValorRegistro> m_valores;
    std::map<std::tuple<std::string, std::string, std::string>, std::string> m_ajustes;
    bool m_fallaEscritura = false;
};

// A locale whose decimal separator is fixed by the test.
class LocalUsuarioFijo : public LocalUsuario {
public:
    explicit LocalUsuarioFijo(std::string separador) : m_separador(std::move(separador)) {}
    std::string SeparadorDecimal() override { return m_separador; }

private:
    std::string m_separador;
};

} // namespace dravek::pruebas
