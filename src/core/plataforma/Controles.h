#pragma once

// The controls of a window, as state without widgets: what the engineer sees (text, caption,
// enabled, visible, colour, list entries, chosen entry, selected page) and the handlers that
// the window's logic class hangs on them. The Qt view copies this state into its widgets and
// forwards the engineer's actions back through the same helpers that code uses.
//
// Event rules, those of the old window system:
// - A value written by code raises that control's handler at once, exactly once, before the
//   writer goes on: ponTexto raises Change (text box, list), ponIndice raises Click (list),
//   ponValor raises Click (option, check box), ponPestana raises Click (tab strip).
// - A handler runs only when the value really changes: writing the text a box already holds,
//   re-selecting the chosen entry, option or page raises nothing; so does writing False to an
//   option (only the option that becomes selected clicks).
// - Handlers are not silenced by the framework: a window that must ignore clicks while it
//   loads (Cargando) checks its flag in the handler itself.
// - The leave check (Validate with Cancel), GotFocus and LostFocus are run by the window's
//   focus moves (VentanaLogica); KeyPress by pulsaTecla.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace dravek {

class VentanaLogica;

// Background of a box: the system window colour of a box that can be typed in (&H80000005), the
// light grey of a computed or closed one (&HC0C0C0), the button face of a note that blends with
// the window (&H8000000F), or the teal of a note that warns (&HC0C000).
enum class ColorFondo { Editable, Cerrado, Cara, Aviso };

// What every control has. A control belongs to one window and registers itself with it on
// construction, under its name, so that the window can list and snapshot its controls.
class Control {
public:
    Control(VentanaLogica &ventana, std::string nombre);
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const std::string &Name() const { return m_nombre; }

    bool Enabled = true;
    bool Visible = true;
    // False for a control that must stay reachable while a box refuses to be left (closing,
    // cancelling): moving the focus to it runs no leave check; the check is left pending and
    // runs on the next move to a control that has it True.
    bool CausesValidation = true;

    // Focus handlers; kinds that never take the focus simply leave them empty.
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    // The leave check: raised when the focus is about to move to another control; Cancel True
    // keeps the focus here.
    std::function<void(bool &Cancel)> Validate;
    // A key typed into the control: KeyAscii is the character code; set it to 0 to swallow it.
    std::function<void(std::int32_t &KeyAscii)> KeyPress;

    // Whether the control can hold the focus at all (a label or a picture cannot).
    virtual bool Enfocable() const { return true; }
    // One line of state, "Name: Property=value ...", for whole-window snapshots in tests and
    // for debugging a view.
    virtual std::string Estado() const = 0;

protected:
    // Runs a handler unless the same control is already this deep in its own handlers: a
    // handler that keeps rewriting its own control would otherwise never return.
    template <typename F, typename... A> void dispara(const F &manejador, A &&...args)
    {
        if (!manejador || m_profundidad >= ProfundidadMaxima) {
            return;
        }
        ++m_profundidad;
        manejador(std::forward<A>(args)...);
        --m_profundidad;
    }
    std::string EstadoComun() const;

private:
    static constexpr int ProfundidadMaxima = 16;
    std::string m_nombre;
    int m_profundidad = 0;
};

// What a text box and a drop-down combo box share: a text that may be typed, Locked and the
// background colour, and the Change handler.
class ControlTexto : public Control {
public:
    using Control::Control;

    const std::string &Text() const { return m_texto; }
    bool Locked = false;
    ColorFondo BackColor = ColorFondo::Editable;

    std::function<void()> Change;

protected:
    friend void ponTexto(ControlTexto &control, const std::string &texto);
    // Writes texto as ponTexto does, by exchanging it with the control's text: a long text changes
    // hands without a copy, and texto keeps the former one's memory for the next.
    void cambiaTexto(ControlTexto &control, std::string &texto);
    friend void cambiaTexto(ControlTexto &control, std::string &texto);
    // What else a new text changes in the control (a list chooses the entry that matches).
    virtual void alCambiarTexto() {}
    std::string m_texto;
};

// Text box (also the rich-text boxes, whose plain text is all the core uses).
class CajaTexto : public ControlTexto {
public:
    using ControlTexto::ControlTexto;

    std::string Estado() const override;
};

// Drop-down combo box: a text that may be typed, and a list of entries numbered from 0.
// ListIndex is the chosen entry, -1 for none.
class Lista : public ControlTexto {
public:
    using ControlTexto::ControlTexto;

    int ListIndex() const { return m_indice; }
    int ListCount() const { return static_cast<int>(m_entradas.size()); }
    // Entry i counted from 0; the empty text outside the list.
    std::string List(int i) const;
    // Removes every entry; the text typed or chosen stays, and no handler runs.
    void Clear();
    void AddItem(const std::string &entrada);

    std::function<void()> Click;

    std::string Estado() const override;

private:
    friend void ponIndice(Lista &lista, int indice);
    void alCambiarTexto() override;
    int m_indice = -1;
    std::vector<std::string> m_entradas;
};

// An array of option buttons of which at most one is selected (index from 0).
class GrupoOpciones : public Control {
public:
    GrupoOpciones(VentanaLogica &ventana, std::string nombre, int numero);

    struct Opcion {
        std::string Caption;
        bool Enabled = true;
        bool Visible = true;
    };

    int Count() const { return static_cast<int>(m_opciones.size()); }
    Opcion &operator[](int indice);
    const Opcion &operator[](int indice) const;
    bool Value(int indice) const;
    // The selected option, -1 when none is.
    int Seleccionada() const { return m_seleccionada; }

    std::function<void(int Index)> Click;

    std::string Estado() const override;

private:
    friend void ponValor(GrupoOpciones &grupo, int indice, bool valor);
    std::vector<Opcion> m_opciones;
    int m_seleccionada = -1;
};

// Check box with its three states.
enum class EstadoCasilla : int { Vacia = 0, Marcada = 1, Gris = 2 };

class Casilla : public Control {
public:
    using Control::Control;

    EstadoCasilla Value() const { return m_valor; }
    std::string Caption;

    std::function<void()> Click;

    std::string Estado() const override;

private:
    friend void ponValor(Casilla &casilla, EstadoCasilla valor);
    EstadoCasilla m_valor = EstadoCasilla::Vacia;
};

// Tab strip: pages counted from 0; Click gets the page shown before.
class Pestanas : public Control {
public:
    Pestanas(VentanaLogica &ventana, std::string nombre, int numero);

    int Tab() const { return m_pestana; }
    int Tabs() const { return static_cast<int>(TabCaption.size()); }
    std::vector<std::string> TabCaption;

    std::function<void(int PreviousTab)> Click;

    std::string Estado() const override;

private:
    friend void ponPestana(Pestanas &pestanas, int pagina);
    int m_pestana = 0;
};

class Etiqueta : public Control {
public:
    using Control::Control;

    std::string Caption;

    bool Enfocable() const override { return false; }
    std::string Estado() const override;
};

// A frame: a captioned group of controls.
class Marco : public Control {
public:
    using Control::Control;

    std::string Caption;

    bool Enfocable() const override { return false; }
    std::string Estado() const override;
};

// A label array addressed by item number, as the window's field captions are. Items are made
// on first use.
class MatrizEtiquetas {
public:
    MatrizEtiquetas(VentanaLogica &ventana, std::string nombre);
    Etiqueta &operator()(int indice);
    bool Existe(int indice) const { return m_etiquetas.count(indice) != 0; }

private:
    VentanaLogica &m_ventana;
    std::string m_nombre;
    std::map<int, Etiqueta> m_etiquetas;
};

// A control array of one kind, items named "name(i)" from 0. The controls never move once
// made (the window keeps their addresses), hence a deque.
template <class C> class MatrizControles {
public:
    MatrizControles(VentanaLogica &ventana, const std::string &nombre, int numero)
    {
        for (int i = 0; i < numero; ++i) {
            m_controles.emplace_back(ventana, nombre + "(" + std::to_string(i) + ")");
        }
    }
    C &operator[](int i) { return m_controles[static_cast<std::size_t>(i)]; }
    const C &operator[](int i) const { return m_controles[static_cast<std::size_t>(i)]; }
    int Count() const { return static_cast<int>(m_controles.size()); }

private:
    std::deque<C> m_controles;
};

// Picture box: only the file's full path is kept; empty means no picture.
class Imagen : public Control {
public:
    using Control::Control;

    std::string Picture;
    std::string ToolTipText;

    bool Enfocable() const override { return false; }
    std::string Estado() const override;
};

class Boton : public Control {
public:
    using Control::Control;

    std::string Caption;
    std::string ToolTipText;

    std::function<void()> Click;

    std::string Estado() const override;

private:
    friend void pulsa(Boton &boton);
};

// An item of a window's menu bar.
class ElementoMenu : public Control {
public:
    using Control::Control;

    std::string Caption;
    bool Checked = false;

    std::function<void()> Click;

    bool Enfocable() const override { return false; }
    std::string Estado() const override;

private:
    friend void pulsa(ElementoMenu &elemento);
};

// Writing values, by code or for the engineer (the view forwards typing, choosing and clicking
// through these). Each raises the control's handler once when the value changes.

// Change when the text differs. In a list, the text also chooses the first entry equal to it
// (ListIndex -1 when none is), without a Click.
void ponTexto(ControlTexto &control, const std::string &texto);
// Writes texto as ponTexto does, by exchanging it with the control's text: a long text changes
// hands without a copy, and texto keeps the former one's memory for the next.
void cambiaTexto(ControlTexto &control, std::string &texto);
// Chooses entry i (-1: none, with an empty text) and shows its text; Click when the chosen
// entry changes, and no Change. An index outside the list is ignored.
void ponIndice(Lista &lista, int indice);
// Selecting an option deselects the others of the array and raises Click(Index) when it was
// not selected; deselecting raises nothing. An index outside the array is ignored.
void ponValor(GrupoOpciones &grupo, int indice, bool valor);
// Click when the state changes.
void ponValor(Casilla &casilla, EstadoCasilla valor);
// Click(PreviousTab) when the page changes. A page outside the strip is ignored.
void ponPestana(Pestanas &pestanas, int pagina);
// Click, only while the button (item) is enabled and visible.
void pulsa(Boton &boton);
void pulsa(ElementoMenu &elemento);

// A key typed into a control: raises KeyPress and returns the key that is left (0: swallowed).
std::int32_t pulsaTecla(Control &control, std::int32_t KeyAscii);
// Typing ASCII keys at the end of a box's text, one by one, as the engineer would: each key goes
// through KeyPress; a key left over is appended (Backspace, 8, removes the last character) and the
// new text raises Change. Locked or disabled boxes take no keys.
void teclea(ControlTexto &control, const std::string &teclas);

} // namespace dravek
