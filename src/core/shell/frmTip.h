#pragma once

// Logic of the start-up notice window: the notice of the current language in a rich-text box,
// a check box that decides whether the notice is shown at start-up, and a close button.

#include "core/listing/TextoRico.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/AlmacenConfiguracion.h"
#include "core/plataforma/Controles.h"
#include "core/plataforma/VentanaLogica.h"

#include <string>

namespace dravek {

class frmTip : public VentanaLogica {
public:
    // Both must outlive the window.
    frmTip(EstadoObra &estado, AlmacenConfiguracion &almacen);

    // The notice as plain text; Documento() holds it with its look.
    CajaTexto rtBox1{*this, "rtBox1"};
    Casilla chkLoadTipsAtStartup{*this, "chkLoadTipsAtStartup"};
    Boton cmdOK{*this, "cmdOK"};
    // A fixed icon: the view draws it, no file is named.
    Imagen Picture1{*this, "Picture1"};

    void Form_Load();
    void chkLoadTipsAtStartup_Click();
    void cmdOK_Click();

    // Loads a notice file into rtBox1. False, and rtBox1 untouched, when the name is empty or
    // the file is missing, unreadable or not whole rich text.
    bool LoadTips(const std::string &sFile);

    // What rtBox1 shows, with its look.
    const DocumentoRico &Documento() const { return m_documento; }

    // The window asked to be unloaded.
    bool Descargada() const { return m_descargada; }

private:
    std::string T(std::int32_t n) const;

    EstadoObra &m_estado;
    AlmacenConfiguracion &m_almacen;
    DocumentoRico m_documento;
    // While the window loads, the box is set from the setting and writes nothing back.
    bool m_cargando = false;
    bool m_descargada = false;
};

// Whether the notice is shown at start-up: the per-user setting read as a whole number, "1"
// when it is absent; a text that is not a number does not show it.
bool MostrarAdvertenciaAlIniciar(AlmacenConfiguracion &almacen);

// The start-up timer's event: true when the notice window is to be shown now, with
// ModoAdvertencia set to the start-up notice.
bool PreparaAdvertenciaInicio(EstadoEjecucion &ejecucion, AlmacenConfiguracion &almacen);

} // namespace dravek
