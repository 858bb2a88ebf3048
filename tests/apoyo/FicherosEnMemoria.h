#pragma once

#include "core/storage/Ficheros.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dravek::pruebas {

// Files in memory, by path. A test can make the reads or the writes of a path fail, or the n-th
// write from now fail, or mark a file read-only, and counts the writes that reached each file.
class FicherosEnMemoria : public SistemaFicheros {
public:
    LecturaFichero Lee(const std::string &ruta) override
    {
        ++m_lecturas[ruta];
        if (m_lecturasFallidas.count(ruta) != 0) {
            return {LecturaFichero::Estado::Fallo, {}, "Input/output error"};
        }
        const auto it = m_ficheros.find(ruta);
        if (it == m_ficheros.end()) {
            return {LecturaFichero::Estado::NoExiste, {}, {}};
        }
        return {LecturaFichero::Estado::Leido, it->second, {}};
    }

    std::string EscribeEntero(const std::string &ruta, std::string_view bytes) override
    {
        if (std::string error = Falla(ruta); !error.empty()) {
            return error;
        }
        m_ficheros[ruta] = std::string(bytes);
        ++m_escrituras[ruta];
        return {};
    }

    // The companion's write is counted first, as the disk writes it first; either failing
    // leaves both files as they were.
    std::string EscribePar(const std::string &ruta, std::string_view bytes,
                           const std::string &companero, std::string_view bytesCompanero) override
    {
        if (std::string error = Falla(companero); !error.empty()) {
            return error;
        }
        if (std::string error = Falla(ruta); !error.empty()) {
            return error;
        }
        m_ficheros[companero] = std::string(bytesCompanero);
        ++m_escrituras[companero];
        m_ficheros[ruta] = std::string(bytes);
        ++m_escrituras[ruta];
        return {};
    }

    void LimpiaTemporales(const std::string &ruta) override { m_limpiados.push_back(ruta); }

    std::string CompruebaNombreNuevo(const std::string &ruta) override
    {
        return m_nombresMalos.count(ruta) != 0 ? "No such file or directory" : std::string();
    }

    bool SoloLectura(const std::string &ruta) override
    {
        return m_soloLectura.count(ruta) != 0 && m_ficheros.count(ruta) != 0;
    }

    void Pon(const std::string &ruta, std::string bytes) { m_ficheros[ruta] = std::move(bytes); }
    bool Existe(const std::string &ruta) const { return m_ficheros.count(ruta) != 0; }
    const std::string &Contenido(const std::string &ruta) const { return m_ficheros.at(ruta); }
    int Escrituras(const std::string &ruta) const
    {
        const auto it = m_escrituras.find(ruta);
        return it == m_escrituras.end() ? 0 : it->second;
    }
    int Lecturas(const std::string &ruta) const
    {
        const auto it = m_lecturas.find(ruta);
        return it == m_lecturas.end() ? 0 : it->second;
    }

    void FallaLectura(const std::string &ruta) { m_lecturasFallidas.insert(ruta); }
    void FallaEscritura(const std::string &ruta) { m_escriturasFallidas.insert(ruta); }
    void ArreglaEscritura(const std::string &ruta) { m_escriturasFallidas.erase(ruta); }
    // The write after n successful ones fails (0: the next one).
    void FallaEscrituraTras(int n) { m_fallaTras = n; }
    void NombreMalo(const std::string &ruta) { m_nombresMalos.insert(ruta); }
    // The file is marked read-only (mode 0444).
    void MarcaSoloLectura(const std::string &ruta) { m_soloLectura.insert(ruta); }

    // The files whose temporaries were asked to be cleaned, in order.
    const std::vector<std::string> &Limpiados() const { return m_limpiados; }

private:
    std::string Falla(const std::string &ruta)
    {
        if (m_soloLectura.count(ruta) != 0) {
            return "Permission denied";
        }
        if (m_escriturasFallidas.count(ruta) != 0) {
            return "No space left on device";
        }
        if (m_fallaTras >= 0) {
            if (m_fallaTras == 0) {
                m_fallaTras = -1;
                return "No space left on device";
            }
            --m_fallaTras;
        }
        return {};
    }

    std::map<std::string, std::string> m_ficheros;
    std::vector<std::string> m_limpiados;
    std::map<std::string, int> m_escrituras;
    std::map<std::string, int> m_lecturas;
    std::set<std::string> m_lecturasFallidas;
    std::set<std::string> m_escriturasFallidas;
    std::set<std::string> m_nombresMalos;
    std::set<std::string> m_soloLectura;
    int m_fallaTras = -1;
};

} // namespace dravek::pruebas
