#pragma once

namespace dravek {

// The commands the data-entry window's buttons start and the main menu's commands carry out:
// the window asks, the shell's calculation commands implement them.
class ComandosCaptura {
public:
    virtual ~ComandosCaptura() = default;
    virtual void CalculaTramo() = 0;
    virtual void AjustaArmaduras() = 0;
    virtual void ImprimeObra() = 0;
};

} // namespace dravek
