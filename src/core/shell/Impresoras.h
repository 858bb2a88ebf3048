#pragma once

// Logic of the printer-choice window: the installed printers, the number of copies with a spin
// button, and the acceptance that makes the chosen printer the one every later print uses.
// Nothing is stored: the choice holds while the program runs.

#include "core/model/EstadoObra.h"
#include "core/plataforma/Controles.h"
#include "core/plataforma/Mensajes.h"
#include "core/plataforma/ServicioImpresoras.h"
#include "core/plataforma/VentanaLogica.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace dravek {

// Most copies a printer takes: its count is a 16-bit integer.
inline constexpr std::int32_t CopiasMaximas = 32767;

// Spin button: a step up or down, raised by the engineer's click. It never takes the focus.
class BotonGiro : public Control {
public:
    using Control::Control;

    std::function<void()> SpinUp;
    std::function<void()> SpinDown;

    bool Enfocable() const override { return false; }
    std::string Estado() const override;
};

// A click on the spin button's arrows, while it is enabled and visible.
void giraArriba(BotonGiro &giro);
void giraAbajo(BotonGiro &giro);

class Impresoras : public VentanaLogica {
public:
    // All three must outlive the window; the choice is kept in estado.Printer.
    Impresoras(EstadoObra &estado, Mensajes &mensajes, ServicioImpresoras &servicio);

    Lista ListaImpresoras{*this, "ListaImpresoras"};
    Etiqueta lbCopias{*this, "lbCopias"};
    CajaTexto tbCopias{*this, "tbCopias"};
    BotonGiro spCopias{*this, "spCopias"};
    Boton btAceptar{*this, "btAceptar"};

    void Form_Load();
    void btAceptar_Click();
    void spCopias_SpinUp();
    void spCopias_SpinDown();
    void tbCopias_Validate(bool &Cancel);

    void Obtener_Impresoras();
    // Makes the installed printer of that name (or the PDF printer) the current one, with the
    // copies of tbCopias. False after telling the engineer why it could not.
    bool Establecer(const std::string &DeviceName);
    bool ValidarNumeroCopias();

    // The leave check of tbCopias runs only while this is true.
    bool ComprobarCopias = false;

    // Shift+End sent to the box (its text selected from the caret to the end): the view
    // carries the last request out after the handler, then forgets it.
    CajaTexto *SeleccionPendiente() const { return m_seleccion; }
    void OlvidaSeleccion() { m_seleccion = nullptr; }

    // The window asked to be unloaded.
    bool Descargada() const { return m_descargada; }

private:
    std::string T(std::int32_t n) const;
    void Aviso(std::int32_t n);
    // The number the box holds, in either decimal separator; 0 when it holds none.
    double ValorCopias() const;
    // Writes a whole number of copies into the box without its leave check.
    void PonCopias(double n);
    void Error(std::int32_t numero, const std::string &descripcion);

    EstadoObra &m_estado;
    Mensajes &m_mensajes;
    ServicioImpresoras &m_servicio;
    // No printer is installed: the list offers the PDF printer alone.
    bool m_soloPdf = false;
    CajaTexto *m_seleccion = nullptr;
    bool m_descargada = false;
};

} // namespace dravek
