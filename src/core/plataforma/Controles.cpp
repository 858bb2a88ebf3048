#include "core/plataforma/Controles.h"

#include "core/plataforma/VentanaLogica.h"

#include <tuple>
#include <utility>

namespace dravek {

namespace {

constexpr std::int32_t TeclaRetroceso = 8;

std::string Bit(bool valor)
{
    return valor ? "1" : "0";
}

std::string Entrecomillado(const std::string &texto)
{
    return "\"" + texto + "\"";
}

std::string Fondo(ColorFondo color)
{
    switch (color) {
    case ColorFondo::Editable:
        return "Editable";
    case ColorFondo::Cerrado:
        return "Cerrado";
    case ColorFondo::Cara:
        return "Cara";
    case ColorFondo::Aviso:
        return "Aviso";
    }
    return "Editable";
}

// The character of a key code, in UTF-8.
std::string Caracter(std::int32_t codigo)
{
    std::string s;
    const auto c = static_cast<std::uint32_t>(codigo);
    if (c < 0x80) {
        s.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        s.push_back(static_cast<char>(0xC0 | (c >> 6)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        s.push_back(static_cast<char>(0xE0 | (c >> 12)));
        s.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        s.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
    return s;
}

// The text without its last character (a whole UTF-8 sequence).
std::string SinUltimo(std::string texto)
{
    while (!texto.empty()) {
        const auto c = static_cast<unsigned char>(texto.back());
        texto.pop_back();
        if ((c & 0xC0) != 0x80) {
            break;
        }
    }
    return texto;
}

// The text after one key typed at its end, or nothing when the key was swallowed.
bool AplicaTecla(Control &control, std::string &texto, char tecla)
{
    const std::int32_t queda = pulsaTecla(control, static_cast<unsigned char>(tecla));
    if (queda == 0) {
        return false;
    }
    texto = queda == TeclaRetroceso ? SinUltimo(texto) : texto + Caracter(queda);
    return true;
}

} // namespace

Control::Control(VentanaLogica &ventana, std::string nombre) : m_nombre(std::move(nombre))
{
    ventana.registra(*this);
}

std::string Control::EstadoComun() const
{
    return "Enabled=" + Bit(Enabled) + " Visible=" + Bit(Visible);
}

std::string CajaTexto::Estado() const
{
    return Name() + ": Text=" + Entrecomillado(m_texto) + " Locked=" + Bit(Locked) + " " +
           EstadoComun() + " BackColor=" + Fondo(BackColor);
}

std::string Lista::List(int i) const
{
    if (i < 0 || i >= ListCount()) {
        return {};
    }
    return m_entradas[static_cast<std::size_t>(i)];
}

void Lista::alCambiarTexto()
{
    m_indice = -1;
    for (int i = 0; i < ListCount(); ++i) {
        if (m_entradas[static_cast<std::size_t>(i)] == m_texto) {
            m_indice = i;
            break;
        }
    }
}

void Lista::Clear()
{
    m_entradas.clear();
    m_indice = -1;
}

void Lista::AddItem(const std::string &entrada)
{
    m_entradas.push_back(entrada);
}

std::string Lista::Estado() const
{
    std::string entradas;
    for (std::size_t i = 0; i < m_entradas.size(); ++i) {
        entradas += (i == 0 ? "" : "|") + m_entradas[i];
    }
    return Name() + ": Text=" + Entrecomillado(m_texto) +
           " ListIndex=" + std::to_string(m_indice) + " List=[" + entradas +
           "] Locked=" + Bit(Locked) + " " + EstadoComun() + " BackColor=" + Fondo(BackColor);
}

GrupoOpciones::GrupoOpciones(VentanaLogica &ventana, std::string nombre, int numero)
    : Control(ventana, std::move(nombre)), m_opciones(static_cast<std::size_t>(numero))
{
}

GrupoOpciones::Opcion &GrupoOpciones::operator[](int indice)
{
    return m_opciones.at(static_cast<std::size_t>(indice));
}

const GrupoOpciones::Opcion &GrupoOpciones::operator[](int indice) const
{
    return m_opciones.at(static_cast<std::size_t>(indice));
}

bool GrupoOpciones::Value(int indice) const
{
    return indice >= 0 && indice == m_seleccionada;
}

std::string GrupoOpciones::Estado() const
{
    std::string opciones;
    for (std::size_t i = 0; i < m_opciones.size(); ++i) {
        const Opcion &o = m_opciones[i];
        opciones += std::string(i == 0 ? "" : "|") + Entrecomillado(o.Caption) + "/" +
                    Bit(o.Enabled) + "/" + Bit(o.Visible);
    }
    return Name() + ": Value=" + std::to_string(m_seleccionada) + " " + EstadoComun() +
           " Opciones=[" + opciones + "]";
}

std::string Casilla::Estado() const
{
    return Name() + ": Value=" + std::to_string(static_cast<int>(m_valor)) + " " + EstadoComun() +
           " Caption=" + Entrecomillado(Caption);
}

Pestanas::Pestanas(VentanaLogica &ventana, std::string nombre, int numero)
    : Control(ventana, std::move(nombre)), TabCaption(static_cast<std::size_t>(numero))
{
}

std::string Pestanas::Estado() const
{
    return Name() + ": Tab=" + std::to_string(m_pestana) + " " + EstadoComun();
}

std::string Etiqueta::Estado() const
{
    return Name() + ": Caption=" + Entrecomillado(Caption) + " " + EstadoComun();
}

std::string Marco::Estado() const
{
    return Name() + ": Caption=" + Entrecomillado(Caption) + " " + EstadoComun();
}

MatrizEtiquetas::MatrizEtiquetas(VentanaLogica &ventana, std::string nombre)
    : m_ventana(ventana), m_nombre(std::move(nombre))
{
}

Etiqueta &MatrizEtiquetas::operator()(int indice)
{
    auto it = m_etiquetas.find(indice);
    if (it == m_etiquetas.end()) {
        it = m_etiquetas
                 .emplace(std::piecewise_construct, std::forward_as_tuple(indice),
                          std::forward_as_tuple(m_ventana,
                                                m_nombre + "(" + std::to_string(indice) + ")"))
                 .first;
    }
    return it->second;
}

std::string Imagen::Estado() const
{
    // Most pictures carry no tip; their state reads as it always did.
    return Name() + ": Picture=" + Entrecomillado(Picture) + " " + EstadoComun() +
           (ToolTipText.empty() ? std::string() : " ToolTipText=" + Entrecomillado(ToolTipText));
}

std::string Boton::Estado() const
{
    return Name() + ": Caption=" + Entrecomillado(Caption) + " " + EstadoComun() +
           " ToolTipText=" + Entrecomillado(ToolTipText);
}

std::string ElementoMenu::Estado() const
{
    return Name() + ": Caption=" + Entrecomillado(Caption) + " " + EstadoComun() +
           " Checked=" + Bit(Checked);
}

void ponTexto(ControlTexto &control, const std::string &texto)
{
    const bool cambia = control.m_texto != texto;
    control.m_texto = texto;
    control.alCambiarTexto();
    if (cambia) {
        control.dispara(control.Change);
    }
}

void cambiaTexto(ControlTexto &control, std::string &texto)
{
    const bool cambia = control.m_texto != texto;
    control.m_texto.swap(texto);
    control.alCambiarTexto();
    if (cambia) {
        control.dispara(control.Change);
    }
}

void ponIndice(Lista &lista, int indice)
{
    if (indice < -1 || indice >= lista.ListCount()) {
        return;
    }
    lista.m_texto = lista.List(indice);
    if (lista.m_indice == indice) {
        return;
    }
    lista.m_indice = indice;
    lista.dispara(lista.Click);
}

void ponValor(GrupoOpciones &grupo, int indice, bool valor)
{
    if (indice < 0 || indice >= grupo.Count()) {
        return;
    }
    if (!valor) {
        if (grupo.m_seleccionada == indice) {
            grupo.m_seleccionada = -1;
        }
        return;
    }
    if (grupo.m_seleccionada == indice) {
        return;
    }
    grupo.m_seleccionada = indice;
    grupo.dispara(grupo.Click, indice);
}

void ponValor(Casilla &casilla, EstadoCasilla valor)
{
    if (casilla.m_valor == valor) {
        return;
    }
    casilla.m_valor = valor;
    casilla.dispara(casilla.Click);
}

void ponPestana(Pestanas &pestanas, int pagina)
{
    if (pagina < 0 || pagina >= pestanas.Tabs() || pagina == pestanas.m_pestana) {
        return;
    }
    const int anterior = pestanas.m_pestana;
    pestanas.m_pestana = pagina;
    pestanas.dispara(pestanas.Click, anterior);
}

void pulsa(Boton &boton)
{
    if (boton.Enabled && boton.Visible) {
        boton.dispara(boton.Click);
    }
}

void pulsa(ElementoMenu &elemento)
{
    if (elemento.Enabled && elemento.Visible) {
        elemento.dispara(elemento.Click);
    }
}

std::int32_t pulsaTecla(Control &control, std::int32_t KeyAscii)
{
    if (control.KeyPress) {
        control.KeyPress(KeyAscii);
    }
    return KeyAscii;
}

void teclea(ControlTexto &control, const std::string &teclas)
{
    if (control.Locked || !control.Enabled) {
        return;
    }
    for (const char tecla : teclas) {
        std::string texto = control.Text();
        if (AplicaTecla(control, texto, tecla)) {
            ponTexto(control, texto);
        }
    }
}

} // namespace dravek
