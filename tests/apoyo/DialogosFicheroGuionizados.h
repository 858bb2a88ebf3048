#pragma once

#include "core/plataforma/DialogosFichero.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace dravek::pruebas {

struct DialogoMostrado {
    bool guardar = true;
    std::string titulo;
    std::string carpeta;
    std::vector<FiltroFichero> filtros;
};

// File dialogs answered from a script, in order: a path, or nothing for a cancel. A dialog with
// no answer scripted fails the test, and so does an answer left unused.
class DialogosFicheroGuionizados : public DialogosFichero {
public:
    ~DialogosFicheroGuionizados() override
    {
        EXPECT_TRUE(m_respuestas.empty()) << m_respuestas.size() << " dialog answers left unused";
    }

    std::optional<std::string>
    PideFicheroGuardar(const std::string &titulo, const std::string &carpeta,
                       const std::vector<FiltroFichero> &filtros) override
    {
        return Responde({true, titulo, carpeta, filtros});
    }
    std::optional<std::string> PideFicheroAbrir(const std::string &titulo,
                                                const std::string &carpeta,
                                                const std::vector<FiltroFichero> &filtros) override
    {
        return Responde({false, titulo, carpeta, filtros});
    }

    std::string CarpetaDocumentos() override { return documentos; }

    void responde(std::optional<std::string> ruta) { m_respuestas.push_back(std::move(ruta)); }
    // The documents folder the desktop names.
    std::string documentos = "/home/ingeniero/Documentos";
    const std::vector<DialogoMostrado> &mostrados() const { return m_mostrados; }

private:
    std::optional<std::string> Responde(DialogoMostrado dialogo)
    {
        m_mostrados.push_back(std::move(dialogo));
        if (m_respuestas.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << m_mostrados.back().titulo;
            return std::nullopt;
        }
        std::optional<std::string> r = m_respuestas.front();
        m_respuestas.pop_front();
        return r;
    }

    std::deque<std::optional<std::string>> m_respuestas;
    std::vector<DialogoMostrado> m_mostrados;
};

} // namespace dravek::pruebas
