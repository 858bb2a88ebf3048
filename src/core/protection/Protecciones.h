#pragma once

// Logic of the protection adviser window: nine numeric inputs grouped by medium, the wet and dry
// cycles box, a note on the aggressive media, the report box and three buttons (view, print,
// close). The inputs live only while the window is open.

#include "core/listing/SalidaListado.h"
#include "core/listing/TextoRico.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Controles.h"
#include "core/plataforma/Mensajes.h"
#include "core/plataforma/TrabajoImpresion.h"
#include "core/plataforma/VentanaLogica.h"
#include "core/protection/InformeAgresividad.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dravek {

class Protecciones : public VentanaLogica {
public:
    // All must outlive the window; the report prints on the sink's printer, readied by the
    // print job (the chosen printer and its copies, or a PDF file).
    Protecciones(EstadoObra &estado, Mensajes &mensajes, SalidaListado &salida,
                 TrabajoImpresion &trabajo);

    // Frames are plain captions here: they only group and title the inputs.
    Etiqueta Frame1{*this, "Frame1"};
    Etiqueta Frame2{*this, "Frame2"};
    // The note on the aggressive media; its notes file, when there is one, replaces it.
    CajaTexto lbNota{*this, "lbNota"};
    std::array<CajaTexto, NumeroEntradasAgresividad> txpH{{
        {*this, "txpH(0)"},
        {*this, "txpH(1)"},
        {*this, "txpH(2)"},
        {*this, "txpH(3)"},
        {*this, "txpH(4)"},
        {*this, "txpH(5)"},
        {*this, "txpH(6)"},
        {*this, "txpH(7)"},
        {*this, "txpH(8)"},
    }};
    MatrizEtiquetas lbAguas{*this, "lbAguas"};
    MatrizEtiquetas lbUnidadesAgres{*this, "lbUnidadesAgres"};
    Etiqueta Frame3{*this, "Frame3"};
    Casilla Check1{*this, "Check1"};
    Etiqueta Frame4{*this, "Frame4"};
    Etiqueta Frame5{*this, "Frame5"};
    CajaTexto edResultadoAgres{*this, "edResultadoAgres"};
    Boton btCalculoAgres{*this, "btCalculoAgres"};
    Boton btImprimeAgres{*this, "btImprimeAgres"};
    Boton btCerrarAgres{*this, "btCerrarAgres"};

    void Form_Load();
    void txpH_GotFocus(int Index);
    void txpH_KeyPress(int Index, std::int32_t &KeyAscii);
    void txpH_Validate(int Index, bool &Cancel);
    void btCalculoAgres_Click();
    void btImprimeAgres_Click();
    void btCerrarAgres_Click();

    // The last value accepted or stored by each box's leave check.
    const std::array<double, NumeroEntradasAgresividad> &ValoresAgresividad() const
    {
        return m_ValoresAgresividad;
    }

    // The notes file shown in lbNota when it exists and reads as rich text (full path).
    const std::string &FicheroNotas() const { return m_ficheroNotas; }
    // What lbNota shows, with its look: the notes file, or the example text.
    const DocumentoRico &Nota() const { return m_nota; }

    // The order in which Tab walks the controls.
    std::vector<Control *> OrdenTabulacion();

    // Shift+End sent to a box (its text selected from the caret to the end): the view carries
    // the last request out after the handler, then forgets it.
    CajaTexto *SeleccionPendiente() const { return m_seleccion; }
    void OlvidaSeleccion() { m_seleccion = nullptr; }

    // The window asked to be unloaded.
    bool Descargada() const { return m_descargada; }

private:
    void CalculaAgresividad(bool PorImpresora);
    EtiquetasAgresividad Etiquetas();
    std::string Formatea(double valor) const;
    std::string T(std::int32_t n) const;

    EstadoObra &m_estado;
    Mensajes &m_mensajes;
    SalidaListado &m_salida;
    TrabajoImpresion &m_trabajo;
    std::array<double, NumeroEntradasAgresividad> m_ValoresAgresividad{};
    std::string m_ficheroNotas;
    DocumentoRico m_nota;
    CajaTexto *m_seleccion = nullptr;
    bool m_descargada = false;
};

} // namespace dravek
