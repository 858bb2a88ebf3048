#pragma once

#include "core/plataforma/AlmacenConfiguracion.h"

#include <QString>

namespace dravek::gui {

// The registry and the per-user settings as INI files in one folder: "registro.ini" holds the
// registry keys, one group per key under the root's name, each value as its type and its raw
// bytes; "<application>.ini" holds that application's settings, section and key as named.
class AlmacenConfiguracionQt : public AlmacenConfiguracion {
public:
    // The folder "DRAVEK" of the user's configuration folder.
    AlmacenConfiguracionQt();
    explicit AlmacenConfiguracionQt(const QString &carpeta);

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

    QString ficheroRegistro() const;
    QString ficheroAjustes(const std::string &aplicacion) const;

private:
    QString m_carpeta;
};

} // namespace dravek::gui
