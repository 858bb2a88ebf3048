#include "apoyo/AlmacenConfiguracionEnMemoria.h"

namespace dravek::pruebas {

bool AlmacenConfiguracionEnMemoria::ExisteClave(RaizRegistro raiz, const std::string &ruta)
{
    // The empty path is the root key itself, which always exists.
    return ruta.empty() || m_claves.contains({raiz, ruta});
}

bool AlmacenConfiguracionEnMemoria::CreaClave(RaizRegistro raiz, const std::string &ruta)
{
    if (m_fallaEscritura) {
        return false;
    }
    anotaClave(raiz, ruta);
    return true;
}

std::optional<ValorRegistro> AlmacenConfiguracionEnMemoria::LeeValor(RaizRegistro raiz,
                                                                     const std::string &ruta,
                                                                     const std::string &nombre)
{
    if (!ExisteClave(raiz, ruta)) {
        return std::nullopt;
    }
    return valor(raiz, ruta, nombre);
}

bool AlmacenConfiguracionEnMemoria::EscribeValor(RaizRegistro raiz, const std::string &ruta,
                                                 const std::string &nombre,
                                                 const ValorRegistro &valor)
{
    if (m_fallaEscritura || !ExisteClave(raiz, ruta)) {
        return false;
    }
    m_valores[{raiz, ruta, nombre}] = valor;
    return true;
}

std::optional<std::string> AlmacenConfiguracionEnMemoria::LeeAjuste(const std::string &aplicacion,
                                                                    const std::string &seccion,
                                                                    const std::string &clave)
{
    return ajuste(aplicacion, seccion, clave);
}

void AlmacenConfiguracionEnMemoria::GrabaAjuste(const std::string &aplicacion,
                                                const std::string &seccion,
                                                const std::string &clave, const std::string &valor)
{
    if (!m_fallaEscritura) {
        m_ajustes[{aplicacion, seccion, clave}] = valor;
    }
}

void AlmacenConfiguracionEnMemoria::ponValor(RaizRegistro raiz, const std::string &ruta,
                                             const std::string &nombre, const ValorRegistro &valor)
{
    anotaClave(raiz, ruta);
    m_valores[{raiz, ruta, nombre}] = valor;
}

std::optional<ValorRegistro> AlmacenConfiguracionEnMemoria::valor(RaizRegistro raiz,
                                                                  const std::string &ruta,
                                                                  const std::string &nombre) const
{
    const auto encontrado = m_valores.find({raiz, ruta, nombre});
    if (encontrado == m_valores.end()) {
        return std::nullopt;
    }
    return encontrado->second;
}

std::optional<std::string> AlmacenConfiguracionEnMemoria::ajuste(const std::string &aplicacion,
                                                                 const std::string &seccion,
                                                                 const std::string &clave) const
{
    const auto encontrado = m_ajustes.find({aplicacion, seccion, clave});
    if (encontrado == m_ajustes.end()) {
        return std::nullopt;
    }
    return encontrado->second;
}

void AlmacenConfiguracionEnMemoria::anotaClave(RaizRegistro raiz, const std::string &ruta)
{
    // "Software\DRAVEK" also makes "Software".
    for (std::size_t separador = ruta.find('\\'); separador != std::string::npos;
         separador = ruta.find('\\', separador + 1)) {
        m_claves.insert({raiz, ruta.substr(0, separador)});
    }
    m_claves.insert({raiz, ruta});
}

} // namespace dravek::pruebas
