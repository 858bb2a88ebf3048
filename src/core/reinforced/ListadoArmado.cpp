#include "core/reinforced/ListadoArmado.h"

#include "core/listing/CamposTexto.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/reinforced/DisponeArmadura.h"
#include "core/reinforced/ListadoAvisos.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace dravek {

namespace {

constexpr std::int32_t TextoEspesorInsuficiente = 565;
constexpr std::int32_t TextoEspesorInsuficienteResaltado = 566;
constexpr std::int32_t TextoEspesorInsuficientePantalla = 567;
constexpr std::int32_t TextoArmaduraMayorMaxima = 670;
constexpr std::int32_t TextoPorRetraccionLisas = 671;
constexpr std::int32_t TextoArmaduraMayorMaximaResaltado = 672;
constexpr std::int32_t TextoCuantia = 675;
constexpr std::int32_t TextoMomentoTope = 1082;

bool Imprime(const EstadoObra &estado, ClaseListado clase)
{
    return estado.listado.Imprimiendo && estado.listado.TipoListado == clase;
}

// The calls of one block share these.
class Bloque {
public:
    explicit Bloque(ContextoCalculo &contexto)
        : m_contexto(contexto), m_estado(contexto.estado), m_salida(contexto.salida),
          m_d(contexto.estado.ejecucion.DesplazamientoIdioma)
    {
    }

    std::string T(std::int32_t n) const { return Texto(m_d, n); }
    std::string F(double valor, int ancho, int decimales, std::string_view clave = "",
                  bool conUnidad = false) const
    {
        return sNumeroDob(m_estado.ejecucion, valor, ancho, decimales, clave, conUnidad);
    }
    void Linea(const std::string &linea) { m_salida.ImprimeLinea(linea); }
    void Salta(int n) { m_salida.SaltaLineas(m_estado, n); }
    void Pantalla(int antes, const std::string &texto, int despues)
    {
        m_salida.EscribePantalla(antes, texto, despues);
    }
    void Negrita(bool negrita) { m_salida.impresora().PonNegrita(negrita); }
    void Tamano(double puntos) { m_salida.impresora().PonTamanoFuente(puntos); }

    ContextoCalculo &contexto() { return m_contexto; }
    EstadoObra &estado() { return m_estado; }
    SalidaListado &salida() { return m_salida; }
    std::int32_t d() const { return m_d; }

private:
    ContextoCalculo &m_contexto;
    EstadoObra &m_estado;
    SalidaListado &m_salida;
    std::int32_t m_d;
};

// "ARMADURA INTERIOR        ..." : the label in its field, 2 blanks, the value, the unit.
std::string LineaResultado(const Bloque &b, int sangria, const CampoTextos &rotulo, int entrada,
                           double valor, int decimales, std::int32_t unidad)
{
    return Blancos(sangria) + TextoEnCampo(b.d(), rotulo, entrada) + Blancos(2) +
           b.F(valor, 10, decimales) + b.T(unidad);
}

void ListaResultadosNormal(Bloque &b, const ResultadoArmado &r)
{
    const EstadoObra &estado = b.estado();
    if (estado.resultados.MomentoTopeSuperado) {
        ListaMomentoTope(b.contexto());
    } else {
        b.Salta(3);
        b.Tamano(10);
        b.Negrita(true);
        b.Salta(1);
        b.Linea(LineaResultado(b, 8, CampoRotuloNormal, 1, r.ArmaduraInterior, 1, 570));
        b.Linea(LineaResultado(b, 8, CampoRotuloNormal, 2, r.ArmaduraExterior, 1, 571));
        b.Salta(1);
        b.Linea(LineaResultado(b, 8, CampoRotuloTotal, 1, r.ArmaduraTotal, 1, 577));
        b.Negrita(false);
        b.Tamano(10);
    }
    if (estado.tramo.IndicadorCamisa == 0) {
        b.Salta(2);
        b.Tamano(10);
        b.Negrita(true);
        b.Linea(Blancos(8) + b.T(578));
        b.Negrita(false);
        b.Tamano(10);
        b.Salta(1);
        b.Linea(Blancos(8) + b.T(579) + b.F(estado.resultados.TensionMaxima, 10, 2) + b.T(581));
        b.Linea(Blancos(8) + b.T(580) + b.F(estado.resultados.TensionAdmisible, 10, 2) + b.T(582));
    }
}

// LineaResultado written into linea, the numbers in place: the screen gets these every case.
const std::string &LineaResultado(std::string &linea, Bloque &b, int sangria,
                                  const CampoTextos &rotulo, int entrada, double valor,
                                  int decimales, std::int32_t unidad)
{
    linea.assign(static_cast<std::size_t>(sangria), ' ');
    AnadeTextoEnCampo(linea, b.d(), rotulo, entrada);
    linea.append(2, ' ');
    ClaveNumero(b.estado().ejecucion, "").Anade(linea, valor, 10, decimales);
    linea += b.T(unidad);
    return linea;
}

void ListaResultadosEnPantalla(Bloque &b, const ResultadoArmado &r)
{
    const DatosTramo &tramo = b.estado().tramo;
    // Built in the context's line buffer, whose memory is kept from case to case.
    std::string &linea = b.contexto().memoria.linea;
    const ClaveNumero tensiones(b.estado().ejecucion, "Kp/cm2->MPa");
    linea.assign(19, ' ');
    linea += b.T(583);
    tensiones.Anade(linea, tramo.FCK, 7, 2, true);
    linea += b.T(584);
    tensiones.Anade(linea, tramo.Fyd, 7, 2, true);
    b.Pantalla(1, linea, 1);
    if (b.estado().resultados.MomentoTopeSuperado) {
        ListaMomentoTope(b.contexto());
    }
    b.Pantalla(1, LineaResultado(linea, b, 14, CampoRotuloPantalla, 1, r.ArmaduraInterior, 2, 574),
               1);
    b.Pantalla(0, LineaResultado(linea, b, 14, CampoRotuloPantalla, 2, r.ArmaduraExterior, 2, 575),
               1);
    b.Pantalla(0, LineaResultado(linea, b, 14, CampoRotuloTotal, 1, r.ArmaduraTotal, 2, 577), 1);
}

void ListaResultadosPantalla(Bloque &b, const ResultadoArmado &r)
{
    EstadoObra &estado = b.estado();
    const DatosTramo &tramo = estado.tramo;
    b.salida().CabeceraCaso(estado, 2);
    b.Salta(1);
    b.Linea(Blancos(18) + b.T(585) + b.F(tramo.FCK, 10, 2, "Kp/cm2->MPa", true) + Blancos(3) +
            b.T(586) + b.F(tramo.Fyd, 10, 2, "Kp/cm2->MPa", true));
    if (estado.resultados.MomentoTopeSuperado) {
        ListaMomentoTope(b.contexto());
    }

    // A stored override shows as typed, with one decimal; a cylinder without spirals has a
    // total of one decimal.
    int decimales = 2;
    int decimalesTotal = estado.resultados.NESPIN > 0 ? 2 : 1;
    if (r.hayAjuste) {
        decimales = 1;
        decimalesTotal = 1;
    }
    b.salida().CabeceraCaso(estado, r.hayAjuste ? 4 : 6);
    b.Salta(1);
    b.Linea(LineaResultado(b, 18, CampoRotuloPantalla, 1, r.ArmaduraInterior, decimales, 574));
    b.Linea(LineaResultado(b, 18, CampoRotuloPantalla, 2, r.ArmaduraExterior, decimales, 575));
    b.Linea(LineaResultado(b, 18, CampoRotuloTotal, 1, r.ArmaduraTotal, decimalesTotal, 577));
}

void ListaFilaTabular(Bloque &b, std::int32_t numeroCaso, const ResultadoArmado &r)
{
    EstadoObra &estado = b.estado();
    EstadoListado &listado = estado.listado;
    const ResultadosCaso &res = estado.resultados;

    --listado.LineasRestantes;
    if (listado.LineasRestantes <= 0) {
        ++listado.NumeroPagina;
        b.salida().impresora().NuevaPagina();
        b.salida().CabeceraPagina(estado, numeroCaso, true);
        b.salida().CabeceraTablaArmado(estado);
    }

    // Rows of one fill height show it on their first row only. Exact comparison on purpose:
    // both values are copies of the same height.
    std::string altura = Blancos(6);
    if (estado.caso.AlturaActual != listado.UltimaAlturaListada) {
        altura = b.F(estado.caso.AlturaActual, 6, 2);
        listado.UltimaAlturaListada = estado.caso.AlturaActual;
    }

    // Each column keeps one format whether the row is designed or a stored override, so that
    // the pressures and areas of a column are read alike: the pressure as the designed rows
    // print it, the reinforcement to one decimal as every other area of the row.
    std::string fila =
        Blancos(5) + altura + Blancos(2) + b.F(estado.caso.DP, 7, 1, "at->MPa") + Blancos(4);
    if (r.hayAjuste) {
        fila += b.F(r.ajuste.Camisa, 6, 1) + Blancos(4) +
                (r.ajuste.Refuerzo == 0 ? Blancos(5) : b.F(r.ajuste.Refuerzo, 5, 1));
    } else {
        fila += b.F(res.ArmaduraCalculadaCamisa, 6, 1) + Blancos(4) +
                (res.NESPIN <= 0 ? Blancos(5) : b.F(res.ArmaduraCalculadaRefuerzo, 5, 1));
    }
    fila += Blancos(1) + b.F(r.ArmaduraInterior, 7, 1) + Blancos(2) +
            b.F(r.ArmaduraExterior, 10, 1) + Blancos(7) + b.F(r.ArmaduraTotal, 6, 1);
    // A refused section is no design: the row says so, as a failed post-tensioned row does.
    if (res.MomentoTopeSuperado) {
        fila += Blancos(4) + b.T(TextoMomentoTope);
    }
    b.Linea(fila);
}

} // namespace

std::string NombreHipotesisArmado(std::int32_t DesplazamientoIdioma, std::int16_t h)
{
    return TextoEnCampo(DesplazamientoIdioma, CampoHipotesisArmado, h);
}

void ListaCabeceraArmado(ContextoCalculo &contexto, std::int32_t numeroCaso)
{
    EstadoObra &estado = contexto.estado;
    if (!Imprime(estado, ClaseListado::Normal)) {
        return;
    }
    Bloque b(contexto);
    Impresora &impresora = contexto.salida.impresora();
    const DatosTramo &tramo = estado.tramo;

    ++estado.listado.NumeroPagina;
    impresora.NuevaPagina();
    contexto.salida.CabeceraPagina(estado, numeroCaso, false);
    b.Linea(Blancos(17) + b.T(546));
    impresora.PonGrosorLapiz(5);
    const double y = impresora.PosicionVertical() + 2; // mm
    impresora.Linea(32, y, 155, y, 0);
    b.Salta(1);
    b.Linea(Blancos(10) + b.F(tramo.FCK, 10, 0, "Kp/cm2->MPa") +
            b.F(tramo.Fct, 10, 1, "Kp/cm2->MPa") + b.F(tramo.Fyd, 10, 0, "Kp/cm2->MPa") +
            b.F(tramo.ESP, 10, 3) + b.F(tramo.RECI, 10, 3) + b.F(tramo.RECE, 10, 3));
}

void ListaEsfuerzosArmado(ContextoCalculo &contexto, const TablaHipotesis &MomentosPorHipotesis,
                          const TablaHipotesis &AxilesPorHipotesis)
{
    const EstadoObra &estado = contexto.estado;
    if (!Imprime(estado, ClaseListado::Normal)) {
        return;
    }
    Bloque b(contexto);
    const DatosCaso &caso = estado.caso;
    b.Salta(2);
    b.Linea(Blancos(9) + b.T(548) + b.F(caso.DP, 6, 1, "at->MPa", true));
    b.Linea(Blancos(9) + b.T(549) + b.F(caso.MDP, 6, 1, "at->MPa", true));
    b.Linea(Blancos(9) + b.T(550) + b.F(caso.STP, 6, 1, "at->MPa", true));
    b.Linea(Blancos(9) + b.T(551) + b.F(caso.PP, 6, 1, "at->MPa", true));

    b.Salta(1);
    b.Linea(Blancos(7) + b.T(553));
    b.Linea(Blancos(7) + b.T(554));
    for (std::int16_t h = 1; h <= NumeroHipotesisArmado; ++h) {
        std::string fila = Blancos(7) + NombreHipotesisArmado(b.d(), h);
        const auto hh = static_cast<std::size_t>(h);
        for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
            fila += b.F(MomentosPorHipotesis[hh][s], 10, 3, "mT->mkN") +
                    b.F(AxilesPorHipotesis[hh][s], 10, 3, "T->kN");
        }
        b.Linea(fila);
    }
}

void ListaCabeceraTotales(ContextoCalculo &contexto)
{
    if (!Imprime(contexto.estado, ClaseListado::Normal)) {
        return;
    }
    Bloque b(contexto);
    b.Salta(2);
    for (const std::int32_t texto : {555, 556, 557, 558}) {
        b.Linea(Blancos(19) + b.T(texto));
    }
}

void ListaTotalHipotesis(ContextoCalculo &contexto, std::int16_t NHIPO, double ArmaduraTotal)
{
    if (!Imprime(contexto.estado, ClaseListado::Normal)) {
        return;
    }
    Bloque b(contexto);
    b.Linea(Blancos(19) + NombreHipotesisArmado(b.d(), NHIPO) + Blancos(3) +
            b.F(ArmaduraTotal, 6, 1));
}

void ListaFinBarrido(ContextoCalculo &contexto)
{
    if (!Imprime(contexto.estado, ClaseListado::Normal)) {
        return;
    }
    contexto.salida.SaltaLineas(contexto.estado, 1);
}

void ListaMomentoTope(ContextoCalculo &contexto)
{
    const std::int32_t d = contexto.estado.ejecucion.DesplazamientoIdioma;
    ListaAvisoResaltado(contexto, Texto(d, TextoMomentoTope), PasadaNormal::Cualquiera);
}

void ListaCuantiaExcesiva(ContextoCalculo &contexto, double ASCR, PasadaNormal pasada)
{
    EstadoObra &estado = contexto.estado;
    Bloque b(contexto);
    const std::string cuantia = b.T(TextoCuantia) + b.F(ASCR, 9, 4);
    if (!estado.listado.Imprimiendo) {
        b.Pantalla(1, b.T(TextoArmaduraMayorMaximaResaltado), 1);
        b.Pantalla(0, cuantia, 1);
        return;
    }
    switch (estado.listado.TipoListado) {
    case ClaseListado::Normal:
        if (EscribeEnNormal(estado, pasada)) {
            b.Salta(2);
            b.Linea(Blancos(10) + b.T(TextoArmaduraMayorMaxima));
            b.Linea(Blancos(10) + b.T(TextoPorRetraccionLisas));
            b.Salta(1);
            b.Linea(Blancos(10) + cuantia);
        }
        break;
    case ClaseListado::Pantalla:
        contexto.salida.CabeceraCaso(estado, 4);
        b.Salta(1);
        b.Negrita(true);
        b.Linea(Blancos(9) + b.T(TextoArmaduraMayorMaximaResaltado));
        b.Negrita(false);
        b.Linea(Blancos(9) + cuantia);
        break;
    case ClaseListado::Tabular:
        break;
    }
}

void ListaVariasCapasExterior(ContextoCalculo &contexto)
{
    // The warning of the layouts, which on the Normal listing of the final pass is this block.
    if (Imprime(contexto.estado, ClaseListado::Normal) &&
        contexto.estado.resultados.PasadaDefinitiva) {
        EscribeAvisoVariasCapas(contexto, CaraExterior);
    }
}

void ListaEspesorInsuficiente(ContextoCalculo &contexto, std::int32_t numeroCaso)
{
    EstadoObra &estado = contexto.estado;
    Bloque b(contexto);
    if (!estado.listado.Imprimiendo) {
        b.Pantalla(1, Blancos(2) + b.T(TextoEspesorInsuficienteResaltado), 1);
        return;
    }
    switch (estado.listado.TipoListado) {
    case ClaseListado::Normal:
        ++estado.listado.NumeroPagina;
        contexto.salida.impresora().NuevaPagina();
        contexto.salida.CabeceraPagina(estado, numeroCaso, false);
        b.Negrita(true);
        b.Tamano(14);
        b.Linea(Blancos(9) + b.T(TextoEspesorInsuficiente));
        b.Tamano(10);
        b.Negrita(false);
        break;
    case ClaseListado::Pantalla:
        contexto.salida.CabeceraCaso(estado, 2);
        b.Salta(1);
        b.Negrita(true);
        b.Linea(Blancos(9) + b.T(TextoEspesorInsuficientePantalla));
        b.Negrita(false);
        break;
    case ClaseListado::Tabular:
        break;
    }
}

void ListaResultadosArmado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                           const ResultadoArmado &resultado)
{
    Bloque b(contexto);
    const EstadoListado &listado = contexto.estado.listado;
    if (!listado.Imprimiendo) {
        ListaResultadosEnPantalla(b, resultado);
        return;
    }
    switch (listado.TipoListado) {
    case ClaseListado::Normal:
        ListaResultadosNormal(b, resultado);
        break;
    case ClaseListado::Pantalla:
        ListaResultadosPantalla(b, resultado);
        break;
    case ClaseListado::Tabular:
        ListaFilaTabular(b, numeroCaso, resultado);
        break;
    }
}

} // namespace dravek
