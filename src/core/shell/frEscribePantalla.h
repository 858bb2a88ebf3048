#pragma once

#include "core/model/EstadoObra.h"
#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"
#include "core/shell/IndiceLineas.h"

#include <functional>
#include <string>

namespace dravek {

// The screen listing window ("RESUMEN DE CALCULO"): the listing text, the choice of the printed
// listing kind and the print button, which calculates again with the printer as destination.
class frEscribePantalla : public VentanaLogica {
public:
    explicit frEscribePantalla(EstadoObra &estado);

    CajaTexto edPantalla{*this, "edPantalla"}; // monospaced
    // Where each line of edPantalla's text starts, for a view that draws only the lines on
    // screen; made by the command that fills the text.
    IndiceLineas lineasPantalla;
    Marco frTipoListado{*this, "frTipoListado"};
    std::string frTipoListadoToolTipText;
    GrupoOpciones rdTipoListado{*this, "rdTipoListado", 4}; // Normal, Tabular, Pantalla, Lamé
    Boton btImprimeTramo{*this, "btImprimeTramo"};
    Boton btSalir{*this, "btSalir"};

    // Loaded (not necessarily shown): the commands load it before they fill it.
    bool Cargada() const { return m_cargada; }
    void Form_Load();
    // The captions and the tip in the interface language: on loading, and again on a change of
    // language while the window stays loaded (hidden after a calculation that listed nothing,
    // or behind the adjustment window).
    void PonTextos();
    void Unload() { m_cargada = false; }

    void rdTipoListado_Click(int Index);
    void btImprimeTramo_Click();
    void btSalir_Click();

    // The printing itself, which the calculation commands own.
    std::function<bool()> Imprime;

private:
    EstadoObra &m_estado;
    bool m_cargada = false;
};

} // namespace dravek
