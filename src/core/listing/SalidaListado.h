#pragma once

// Where every listing of a calculation goes: the text of the screen listing window, or the
// printer in one of the three printed kinds (Normal, Tabular, Pantalla), with the page layout
// they share. The selection and the page counters are in EstadoObra::listado.

#include "core/model/EstadoObra.h"
#include "core/plataforma/Impresora.h"
#include "core/plataforma/Reloj.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dravek {

// Splits the head line off a text of at most ancho characters (UTF-8 characters, not bytes):
// at a carriage return within the first ancho + 1 characters (a line feed right after it goes
// too), else, when the text is longer, at the last blank or control character among the first
// ancho; a word with no such character is cut at ancho. resto keeps what follows, without
// leading and trailing blanks.
void PartirTexto(std::string &resto, std::string &linea, int ancho);

class SalidaListado {
public:
    // Both must outlive the listing.
    SalidaListado(const Reloj &reloj, Impresora &impresora)
        : m_reloj(reloj), m_impresora(impresora)
    {
    }

    Impresora &impresora() { return m_impresora; }

    // The screen listing grows for a whole command and is emptied by the next one.
    const std::string &TextoPantalla() const { return m_pantalla; }
    void VaciaPantalla() { m_pantalla.clear(); }
    // The screen text itself, for a listing that writes its lines and numbers straight into it
    // rather than through a line of its own.
    std::string &Pantalla() { return m_pantalla; }
    // Room for this many more bytes of screen text, made ready at once: a long run, whose
    // cases write the same text each, asks for all it will write after its first cases.
    void ReservaPantalla(std::size_t bytes);

    // Appends to the screen text, whatever Imprimiendo says: a line feed per blank line before,
    // the text, a line feed per line end after.
    void EscribePantalla(int lineasAntes, std::string_view texto, int finesDespues);

    // Prints one line, first starting a new page when the line would run past the bottom: the
    // old printer did that by itself, without a page header and without counting a page number,
    // and the Normal listing relies on it. Every printed line of the listings goes through here.
    void ImprimeLinea(const std::string &linea);

    // n lines of one blank on the printer; nothing on the screen.
    void SaltaLineas(const EstadoObra &estado, int n);

    // Page header of the Normal listing, page line of the Tabular one (which starts the page's
    // line budget); nothing on the Pantalla listing or the screen. The caller starts the page
    // and counts NumeroPagina.
    void CabeceraPagina(EstadoObra &estado, std::int32_t numeroCaso, bool conTitulo);

    // Pantalla listing: room for a block of n lines, on a new page with a case header when the
    // block does not fit in the page's 72 lines.
    void CabeceraCaso(EstadoObra &estado, std::int32_t lineas);

    // Headings of the summary tables of the Tabular listing; the first row under either shows
    // its height even when the row above the heading had the same one.
    void CabeceraTablaArmado(EstadoObra &estado);
    void CabeceraTablaPostesado(EstadoObra &estado);

private:
    void LineasEnBlanco(int n);
    static void ListaAlturaBajoCabecera(EstadoObra &estado);
    void CabeceraNormal(EstadoObra &estado, std::int32_t numeroCaso, bool conTitulo);
    void CabeceraTabular(EstadoObra &estado);

    const Reloj &m_reloj;
    Impresora &m_impresora;
    std::string m_pantalla;
};

} // namespace dravek
