#include "core/listing/SalidaListado.h"

#include "core/model/Utf8.h"

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace dravek {

namespace {

constexpr char RetornoCarro = '\r';
constexpr char SaltoLinea = '\n';

// Lines of a Pantalla page.
constexpr std::int32_t LineasPaginaPantalla = 72;

// Rounding of the summed line heights must not push the last line of a full page over.
constexpr double ToleranciaPagina = 1e-9; // mm

// PartirTexto on a view of the rest, which moves past the head line. Only the first ancho + 1
// characters decide where the line breaks, so no more of the text is looked at: a title split
// line by line is read once, however long it is.
void PartirVista(std::string_view &resto, std::string &linea, int ancho)
{
    const std::string_view s = resto;
    // At least one character per line, so that a caller splitting until the rest is empty ends.
    const std::size_t w = static_cast<std::size_t>(std::max(ancho, 1));

    // Byte offset of characters 1 to w + 1 (as many as there are), then the offset after them:
    // character k (from 1) is s[inicio[k - 1], inicio[k]).
    std::vector<std::size_t> inicio;
    std::size_t i = 0;
    while (i < s.size() && inicio.size() <= w) {
        inicio.push_back(i);
        i += LongitudCaracterUtf8(s, i);
    }
    const std::size_t vistos = inicio.size();
    inicio.push_back(i);
    const bool masLargo = vistos > w;
    const std::size_t m = std::min(w, vistos);
    // Character k (from 1) as a byte; every character of more than one byte is above 127.
    const auto codigo = [&](std::size_t k) {
        return static_cast<unsigned char>(s[inicio[k - 1]]);
    };

    // A carriage return beyond character w + 1 breaks nothing here.
    std::size_t p = 0;
    for (std::size_t k = 1; k <= vistos; ++k) {
        if (codigo(k) == static_cast<unsigned char>(RetornoCarro)) {
            p = k;
            break;
        }
    }
    if (p == 0) {
        if (masLargo) {
            for (std::size_t k = m; k >= 1; --k) {
                if (codigo(k) <= 32U) {
                    p = k;
                    break;
                }
            }
        }
        if (p == 0) {
            linea.assign(s.substr(0, inicio[m]));
            resto = SinBlancos(s.substr(inicio[m]));
            return;
        }
    }
    linea.assign(s.substr(0, inicio[p - 1]));
    std::size_t siguiente = inicio[p];
    if (siguiente < s.size() && s[siguiente] == SaltoLinea) {
        ++siguiente;
    }
    resto = SinBlancos(s.substr(siguiente));
}

} // namespace

void PartirTexto(std::string &resto, std::string &linea, int ancho)
{
    std::string_view vista = resto;
    PartirVista(vista, linea, ancho);
    resto = std::string(vista);
}

void SalidaListado::EscribePantalla(int lineasAntes, std::string_view texto, int finesDespues)
{
    // Appended in place: the text grows for a whole project listing.
    m_pantalla.append(static_cast<std::size_t>(std::max(lineasAntes, 0)), SaltoLinea);
    m_pantalla.append(texto);
    m_pantalla.append(static_cast<std::size_t>(std::max(finesDespues, 0)), SaltoLinea);
}

void SalidaListado::ReservaPantalla(std::size_t bytes)
{
    const std::size_t antes = m_pantalla.capacity();
    m_pantalla.reserve(m_pantalla.size() + bytes);
    if (m_pantalla.capacity() == antes) {
        return;
    }
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    // The pages of the new room are asked for in one call instead of one fault each as the text
    // reaches them: on a virtual machine a fault costs the first command of a session (whose
    // memory is all fresh) as much as its calculation. Only whole pages past the text, which
    // nothing has written yet; a kernel without this request refuses it and nothing changes.
    const auto pagina = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto desde = reinterpret_cast<std::uintptr_t>(m_pantalla.data() + m_pantalla.size());
    const auto hasta = reinterpret_cast<std::uintptr_t>(m_pantalla.data() + m_pantalla.capacity());
    const std::uintptr_t primera = (desde + pagina - 1) / pagina * pagina;
    const std::uintptr_t ultima = hasta / pagina * pagina;
    if (ultima > primera) {
        // Large pages where the system lends them: fewer pages to ask for.
        madvise(reinterpret_cast<void *>(primera), ultima - primera, MADV_HUGEPAGE);
        madvise(reinterpret_cast<void *>(primera), ultima - primera, MADV_POPULATE_WRITE);
    }
#endif
}

void SalidaListado::ImprimeLinea(const std::string &linea)
{
    // Never at the top of a page, so a line taller than a page cannot start pages forever.
    const double y = m_impresora.PosicionVertical();
    if (y > 0 && y + m_impresora.AltoLinea() > m_impresora.AltoPagina() + ToleranciaPagina) {
        m_impresora.NuevaPagina();
    }
    m_impresora.ImprimeLinea(linea);
}

void SalidaListado::LineasEnBlanco(int n)
{
    for (int i = 0; i < n; ++i) {
        ImprimeLinea(" ");
    }
}

void SalidaListado::SaltaLineas(const EstadoObra &estado, int n)
{
    if (estado.listado.Imprimiendo) {
        LineasEnBlanco(n);
    }
}

void SalidaListado::CabeceraPagina(EstadoObra &estado, std::int32_t numeroCaso, bool conTitulo)
{
    if (!estado.listado.Imprimiendo) {
        return;
    }
    switch (estado.listado.TipoListado) {
    case ClaseListado::Normal:
        CabeceraNormal(estado, numeroCaso, conTitulo);
        break;
    case ClaseListado::Tabular:
        CabeceraTabular(estado);
        break;
    case ClaseListado::Pantalla:
        break;
    }
}

void SalidaListado::CabeceraNormal(EstadoObra &estado, std::int32_t numeroCaso, bool conTitulo)
{
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const EstadoEjecucion &ejecucion = estado.ejecucion;

    SaltaLineas(estado, 2);
    m_impresora.PonNegrita(true);
    m_impresora.PonTamanoFuente(14);
    // The page label of the language, as the Tabular listing prints it: "Pag.:" in Spanish.
    ImprimeLinea(Blancos(6) + Blancos(32) + Blancos(11) + Texto(d, 251) + ":" +
                 sNumeroEnt(estado.listado.NumeroPagina, 5));
    m_impresora.PonNegrita(false);
    m_impresora.PonTamanoFuente(10);

    if (conTitulo) {
        SaltaLineas(estado, 2);
        m_impresora.PonNegrita(true);
        // Split through a view: the title stays whole for the next run.
        std::string_view resto = estado.obra.TIGEN;
        std::string linea;
        do {
            PartirVista(resto, linea, 72);
            ImprimeLinea(Blancos(10) + sTextoFijo(linea, 72));
        } while (!resto.empty());
        SaltaLineas(estado, 1);
        ImprimeLinea(Blancos(10) + Texto(d, 163) + " " + sTextoFijo(estado.obra.Cliente, 40) +
                     Blancos(3) + Texto(d, 250) + ": " + m_reloj.FechaCorta() + " " +
                     m_reloj.HoraCorta());
        m_impresora.PonNegrita(false);
        m_impresora.PonGrosorLapiz(5);
        const double y = m_impresora.PosicionVertical() + 3;
        m_impresora.Linea(18, y, 185, y, 0);
    }

    SaltaLineas(estado, 2);
    m_impresora.PonTamanoFuente(10);
    m_impresora.PonNegrita(true);

    const bool esArmado = estado.tramo.EsArmado != Falso;
    const std::int32_t pagina = estado.listado.NumeroPagina;
    const std::string descripcion = Blancos(8) + sTextoFijo(estado.tramo.ITIT, 40);
    const std::string caso = Blancos(8) + Texto(d, 247) + " " +
                             Recorta(sNumeroEnt(numeroCaso, 5)) + "/" +
                             sNumeroEnt(estado.tramo.TramoActual, 4);
    const std::string presiones =
        Texto(d, 166) + " " +
        Recorta(sNumeroDob(ejecucion, estado.caso.DP, 6, 1, "at->MPa", true)) + Blancos(5) +
        Texto(d, 165) + " " +
        Recorta(sNumeroDob(ejecucion, estado.caso.MDP, 7, 1, "at->MPa", true));
    const std::string altura =
        descripcion + Blancos(24) +
        "HR=" + sNumeroDob(ejecucion, estado.caso.AlturaActual, 6, 3, "", false) + " m";
    if (pagina < 3 || (pagina == 3 && !esArmado)) {
        ImprimeLinea(descripcion);
    } else if (estado.tramo.CalculoCargas == 1) {
        ImprimeLinea(altura);
        if (!estado.caso.NuevaAltura) {
            ImprimeLinea(caso + " :      " + presiones);
        }
    } else if (estado.caso.NuevaAltura) {
        ImprimeLinea(descripcion);
    } else {
        ImprimeLinea(caso + " : " + sTextoFijo(estado.tramo.ITIT, 40) + Blancos(6) + presiones);
    }

    m_impresora.PonNegrita(false);
    if (esArmado) {
        SaltaLineas(estado, 2);
    }
}

void SalidaListado::CabeceraTabular(EstadoObra &estado)
{
    SaltaLineas(estado, 4);
    m_impresora.PonNegrita(true);
    m_impresora.PonTamanoFuente(12);
    ImprimeLinea(Blancos(4) + Blancos(32) + Blancos(64) +
                 Texto(estado.ejecucion.DesplazamientoIdioma, 251) + ":" +
                 sNumeroEnt(estado.listado.NumeroPagina, 5));
    SaltaLineas(estado, 1);
    m_impresora.PonNegrita(false);
    m_impresora.PonTamanoFuente(10);
    estado.listado.LineasRestantes = estado.listado.LineasPorPagina - 6;
}

void SalidaListado::CabeceraCaso(EstadoObra &estado, std::int32_t lineas)
{
    EstadoListado &listado = estado.listado;
    if (listado.LineasImpresas + lineas <= LineasPaginaPantalla) {
        listado.LineasImpresas += lineas;
        return;
    }
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    m_impresora.NuevaPagina();
    LineasEnBlanco(2);
    ImprimeLinea(Blancos(9) + Texto(d, 247) + ": " +
                 Recorta(sNumeroEnt(estado.caso.NumeroCaso, 5)) + "/" +
                 sNumeroEnt(estado.tramo.TramoActual, 4) + " : " +
                 sTextoFijo(estado.tramo.ITIT, 40) + Blancos(7) + Texto(d, 166) +
                 sNumeroDob(estado.ejecucion, estado.caso.DP, 6, 2, "at->MPa", true));
    // The header lines are not counted, as the page budget always was.
    listado.LineasImpresas = lineas;
}

void SalidaListado::CabeceraTablaArmado(EstadoObra &estado)
{
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    m_impresora.PonNegrita(true);
    m_impresora.PonTamanoFuente(10);
    const std::int32_t unidades = estado.ejecucion.SistemaUnidades == "SI" ? 259 : 260;
    for (const std::int32_t texto : {256, 257, 258, unidades, 261}) {
        ImprimeLinea(Blancos(5) + Texto(d, texto));
    }
    m_impresora.PonNegrita(false);
    estado.listado.LineasRestantes -= 5;
    ListaAlturaBajoCabecera(estado);
}

void SalidaListado::CabeceraTablaPostesado(EstadoObra &estado)
{
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const std::string unidades = estado.ejecucion.SistemaUnidades == "SI"
                                     ? "   (m)     (MPa)     (mm)                   (MPa)"
                                     : "   (m)     (at)      (mm)                   (at)";
    const std::string sangria = Blancos(5) + Blancos(26);
    ImprimeLinea(sangria + Texto(d, 252));
    ImprimeLinea(sangria + Texto(d, 253));
    ImprimeLinea(sangria + unidades);
    ImprimeLinea(sangria + Texto(d, 255));
    m_impresora.PonNegrita(false);
    estado.listado.LineasRestantes -= 4;
    ListaAlturaBajoCabecera(estado);
}

void SalidaListado::ListaAlturaBajoCabecera(EstadoObra &estado)
{
    // The first row under a repeated heading prints its height again, in both summary tables.
    // Exact comparison on purpose: both values are copies of the same height.
    if (estado.listado.UltimaAlturaListada == estado.caso.AlturaActual) {
        estado.listado.UltimaAlturaListada = 999; // m
    }
}

} // namespace dravek
