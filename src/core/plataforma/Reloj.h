#pragma once

#include <string>

namespace dravek {

// The current date and time as the page header prints them.
class Reloj {
public:
    virtual ~Reloj() = default;
    virtual std::string FechaCorta() const = 0;
    virtual std::string HoraCorta() const = 0;
};

// The computer's local date and time. Day first and a 24-hour clock ("dd/mm/yyyy", "hh:mm"),
// the short forms of the Spanish-speaking users the listing is written for, whatever the
// interface language.
class RelojSistema final : public Reloj {
public:
    std::string FechaCorta() const override;
    std::string HoraCorta() const override;
};

} // namespace dravek
