#pragma once

// The platform of a program run with nobody at the keyboard (the listing tool, the benchmarks):
// every message box on standard error, answered with its first button; no file dialog but the
// opening of a given file; no settings kept. Header only and without GoogleTest, so that a tool
// or a benchmark takes it without the tests' library.

#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/DialogosFichero.h"
#include "core/plataforma/Mensajes.h"

#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dravek::pruebas {

// The answer of a box's first button (Yes, OK, Retry), the one Enter presses.
inline RespuestaMensaje PrimerBoton(BotonesMensaje botones)
{
    switch (botones) {
    case BotonesMensaje::SiNo:
    case BotonesMensaje::SiNoCancelar:
        return RespuestaMensaje::Si;
    case BotonesMensaje::ReintentarCancelar:
        return RespuestaMensaje::Reintentar;
    default:
        return RespuestaMensaje::Aceptar;
    }
}

// Message boxes to standard error, answered with their first button, and counted.
class MensajesConsola final : public Mensajes {
public:
    RespuestaMensaje Muestra(const std::string &texto, BotonesMensaje botones, IconoMensaje,
                             const std::string &) override
    {
        ++m_mostrados;
        std::cerr << texto << '\n';
        return PrimerBoton(botones);
    }
    int mostrados() const { return m_mostrados; }

private:
    int m_mostrados = 0;
};

// The open dialog gives the file named, if any; nothing is ever saved.
class DialogosSinUsuario final : public DialogosFichero {
public:
    DialogosSinUsuario() = default;
    explicit DialogosSinUsuario(std::string abrir) : m_abrir(std::move(abrir)) {}

    std::optional<std::string> PideFicheroGuardar(const std::string &, const std::string &,
                                                  const std::vector<FiltroFichero> &) override
    {
        return std::nullopt;
    }
    std::optional<std::string> PideFicheroAbrir(const std::string &, const std::string &,
                                                const std::vector<FiltroFichero> &) override
    {
        return m_abrir;
    }

private:
    std::optional<std::string> m_abrir;
};

// No settings are kept: start-up reads none and stores none.
class ConfiguracionNula final : public AlmacenConfiguracion {
public:
    bool ExisteClave(RaizRegistro, const std::string &) override { return false; }
    bool CreaClave(RaizRegistro, const std::string &) override { return false; }
    std::optional<ValorRegistro> LeeValor(RaizRegistro, const std::string &,
                                          const std::string &) override
    {
        return std::nullopt;
    }
    bool EscribeValor(RaizRegistro, const std::string &, const std::string &,
                      const ValorRegistro &) override
    {
        return false;
    }
    std::optional<std::string> LeeAjuste(const std::string &, const std::string &,
                                         const std::string &) override
    {
        return std::nullopt;
    }
    void GrabaAjuste(const std::string &, const std::string &, const std::string &,
                     const std::string &) override
    {
    }
};

} // namespace dravek::pruebas
