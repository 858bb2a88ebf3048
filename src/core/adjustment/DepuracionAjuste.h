#pragma once

// The debug file of the adjustment window's reinforcement check ("Debug_cal.txt"), rewritten
// whole by every check, in the same per-user folder as the calculation's debug file.

#include <string>
#include <string_view>
#include <vector>

namespace dravek {

inline constexpr std::string_view NombreFicheroDepuracionAjuste = "Debug_cal.txt";

class DepuracionAjuste {
public:
    virtual ~DepuracionAjuste() = default;
    // Replaces the file with these lines. False when it could not be written; the old file
    // is then left as it was.
    virtual bool Reescribe(const std::vector<std::string> &lineas) = 0;
};

// The file in a folder of the user's: written to a temporary file beside it, then renamed over
// the old one, each line ended by a carriage return and a line feed.
class FicheroDepuracionAjuste : public DepuracionAjuste {
public:
    explicit FicheroDepuracionAjuste(std::string carpeta);
    bool Reescribe(const std::vector<std::string> &lineas) override;
    const std::string &Ruta() const { return m_ruta; }

private:
    std::string m_carpeta;
    std::string m_ruta;
};

} // namespace dravek
