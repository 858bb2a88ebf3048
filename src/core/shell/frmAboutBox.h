#pragma once

// Logic of the about box: the program's name, what it is for and its version, in the current
// language. Any key or the button closes it.

#include "core/model/EstadoObra.h"
#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"

#include <cstdint>
#include <string>

namespace dravek {

class frmAboutBox : public VentanaLogica {
public:
    // The state must outlive the window.
    explicit frmAboutBox(const EstadoObra &estado);

    // The program's icon: the view draws it, no file is named.
    Imagen picIcon{*this, "picIcon"};
    MatrizEtiquetas lblLabels{*this, "lblLabels"};
    Boton cmdOK{*this, "cmdOK"};

    void Form_Load();
    void cmdOK_Click();
    void cmdOK_KeyPress(std::int32_t &KeyAscii);
    void Form_KeyPress(std::int32_t &KeyAscii);

    // The window asked to be unloaded.
    bool Descargada() const { return m_descargada; }

private:
    const EstadoObra &m_estado;
    bool m_descargada = false;
};

} // namespace dravek
