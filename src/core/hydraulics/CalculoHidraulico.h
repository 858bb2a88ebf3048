#pragma once

// Logic of the hydraulic calculator window: the formula and the kind of datum, the datum and the
// roughness (or the Hazen-Williams coefficient) with their checks, and the buttons that list the
// fifteen standard diameters in the result box, print them, or close the window. Everything
// lives while the window is open; nothing is stored.

#include "core/hydraulics/FormulasHidraulicas.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/model/LimitesFisicos.h"
#include "core/plataforma/Controles.h"
#include "core/plataforma/Mensajes.h"
#include "core/plataforma/TrabajoImpresion.h"
#include "core/plataforma/VentanaLogica.h"

#include <cstdint>
#include <string>

namespace dravek {

// Elements of rdTipoCalculo and rdTipoDato.
inline constexpr int FormulaPrandtlColebrook = 0;
inline constexpr int FormulaDarcyWeisbach = 1;
inline constexpr int FormulaHazenWilliams = 2;
inline constexpr int DatoPendiente = 0;
inline constexpr int DatoCaudal = 1;

class CalculoHidraulico : public VentanaLogica {
public:
    // All must outlive the window; the listings print on the sink's printer, readied by the
    // print job (the chosen printer and its copies, or a PDF file).
    CalculoHidraulico(EstadoObra &estado, Mensajes &mensajes, SalidaListado &salida,
                      TrabajoImpresion &trabajo);

    // Frames are plain captions here: they only group and title the controls (frRugosidad has
    // none).
    Etiqueta frTipoCalculo{*this, "frTipoCalculo"};
    GrupoOpciones rdTipoCalculo{*this, "rdTipoCalculo", 3};
    Etiqueta frRugosidad{*this, "frRugosidad"};
    Etiqueta lbRugosidad{*this, "lbRugosidad"};
    CajaTexto txRugosidad{*this, "txRugosidad"};
    Etiqueta lbOmision{*this, "lbOmision"};
    CajaTexto lbTextoAyuda{*this, "lbTextoAyuda"}; // a note the engineer reads, not edits
    Etiqueta frTipoDato{*this, "frTipoDato"};
    GrupoOpciones rdTipoDato{*this, "rdTipoDato", 2};
    Etiqueta lbDatorigen{*this, "lbDatorigen"};
    CajaTexto txDatoOrigen{*this, "txDatoOrigen"};
    CajaTexto edPantallaCh{*this, "edPantallaCh"}; // the result listing, read only
    Boton btCalculoHidraulico{*this, "btCalculoHidraulico"};
    Boton btImprimeCh{*this, "btImprimeCh"};
    Boton btCerrarHidraulico{*this, "btCerrarHidraulico"};

    void Form_Load();
    void rdTipoCalculo_Click(int Index);
    void rdTipoDato_Click(int Index);
    void txDatoOrigen_GotFocus();
    void txDatoOrigen_KeyPress(std::int32_t &KeyAscii);
    void txDatoOrigen_Validate(bool &Cancel);
    void txRugosidad_GotFocus();
    void txRugosidad_KeyPress(std::int32_t &KeyAscii);
    void txRugosidad_Validate(bool &Cancel);
    void btCalculoHidraulico_Click();
    void btImprimeCh_Click();
    void btCerrarHidraulico_Click();

    void PonRugosidad();
    void PonDatoOrigen();
    // True when a calculation may run; otherwise the engineer has been told why.
    bool ValidaDatosHidraulicos();
    // Empties the result box unless the flag is True.
    void PoneBotones(bool flag);

    // The values last accepted by the two fields, and the results of the last calculation.
    const DatosHidraulicos &Datos() const { return m_datos; }
    double Rugosidad() const { return m_datos.Rugosidad; }
    double DatoOrigen() const { return m_datos.DatoOrigen; }

    // Shift+End sent to a box (its text selected from the caret to the end): the view carries
    // the last request out after the handler, then forgets it.
    CajaTexto *SeleccionPendiente() const { return m_seleccion; }
    void OlvidaSeleccion() { m_seleccion = nullptr; }

    // The window asked to be unloaded.
    bool Descargada() const { return m_descargada; }

private:
    // The calculation of the selected formula and datum kind, with its listing; the printer's
    // failure is told to the engineer, and the result box keeps the listing.
    void Calcula(bool PorImpresora);
    bool EsHazen() const { return rdTipoCalculo.Value(FormulaHazenWilliams); }
    // The quantities of the two fields, by the datum kind and the formula selected.
    Magnitud MagnitudDato() const;
    Magnitud MagnitudRugosidad() const;
    // A minus sign typed into a field is swallowed with the window's message of a value below
    // the field's minimum.
    void RechazaSigno(std::int32_t &KeyAscii, Magnitud magnitud, const std::string &caption);
    // A field's value with at least the mask's decimals and as many more as reading the text
    // back needs to give the same value.
    std::string Muestra(double valor, int decimales) const;
    std::string T(std::int32_t n) const;
    void Error(const std::string &texto);

    EstadoObra &m_estado;
    Mensajes &m_mensajes;
    SalidaListado &m_salida;
    TrabajoImpresion &m_trabajo;
    DatosHidraulicos m_datos;
    CajaTexto *m_seleccion = nullptr;
    bool m_descargada = false;
};

} // namespace dravek
