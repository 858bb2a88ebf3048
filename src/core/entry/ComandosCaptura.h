#pragma once

namespace dravek {

// The commands the data-entry window's buttons and the main menu's start in other windows: the
// calculation of the run, the adjustment of its reinforcement, the print of the whole project.
// The shell's calculation commands implement them.
class ComandosCaptura {
public:
    virtual ~ComandosCaptura() = default;
    virtual void CalculaTramo() = 0;
    virtual void AjustaArmaduras() = 0;
    virtual void ImprimeObra() = 0;
};

} // namespace dravek
