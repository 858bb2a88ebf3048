#pragma once

// The reinforcement overrides that the adjustment window stores per case in the adjustments
// file (".dpe", beside the project file), as the reinforced-concrete design reads them. The
// design only reads: asking for an override never creates the file nor writes to it.

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace dravek {

// The areas stored for one case, cm2 per metre of pipe; an empty record reads as 0.
struct AjusteGuardado {
    double Camisa = 0;   // cylinder
    double Refuerzo = 0; // inner spirals
    double Exterior = 0; // outer spirals
};

// BuscaAjusteGuardado's answer when the file exists but cannot be read. No entry number comes
// near it: the file numbers at most 4095 entries.
inline constexpr std::int16_t AjustesIlegibles = std::numeric_limits<std::int16_t>::min();

class AjustesGuardados {
public:
    virtual ~AjustesGuardados() = default;

    // The entry k > 0 of the case: DP within 0.05 at of DP, run number TramoActual, fill height
    // within 0.05 m of AlturaActual (both differences strictly below 0.05); otherwise minus the
    // last free entry, or 0. A missing file has no entries. AjustesIlegibles when the file
    // cannot be read.
    virtual std::int16_t BuscaAjusteGuardado(double DP, std::int16_t TramoActual,
                                             double AlturaActual) = 0;

    // The stored areas of entry k, or nothing when a record of it is not a number or cannot be
    // read.
    virtual std::optional<AjusteGuardado> LeeAjusteGuardado(std::int16_t k) = 0;

    // The file's path, for the messages.
    virtual std::string NombreFicheroAjustes() const = 0;
};

// The adjustments file of a project file. The ending ".dvk" of the file name, in any letter
// case, becomes ".dpe"; a name without that ending gets ".dpe" appended, so the result is never
// the project file itself. Folders on the path are never changed, whatever they are called.
// Empty (no adjustments file) when there is no project file: an empty or blank name, or a path
// that ends in a folder separator.
std::string DerivaNombreFicheroAjustes(std::string_view NombreFicheroObra);

} // namespace dravek
