#include "core/posttensioned/ListadoPostesado.h"

#include "core/listing/FormatoNumeros.h"
#include "core/listing/TextosFijos.h"
#include "core/model/TextoPlano.h"
#include "core/model/TextoRecurso.h"
#include "core/posttensioned/mdPreten.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace dravek {

namespace {

constexpr std::string_view ClaveTensiones = "Kp/cm2->MPa";
constexpr std::string_view ClavePresiones = "at->MPa";
constexpr std::string_view ClaveMomentos = "kp.cm/cm->N.m/cm";
constexpr std::string_view ClaveAxiles = "kp/cm->N/cm";
constexpr std::string_view SinClave = "";

// The initial core stresses may reach 55% of the core strength at wrapping (compression).
constexpr double FraccionCompresionInicial = 0.55;

static_assert(CampoHipotesisPostesado.primero ==
              TextoHipotesisPostesado(HipotesisPostesado::HipotesisDPCargasFijas));
static_assert(CampoHipotesisPostesado.cuantos == NumeroHipotesisPostesado);

// Lines the materials header of the Tabular listing takes from the page budget.
constexpr std::int32_t LineasCabeceraMateriales = 6;

// Lines the summary of a case reserves on the Pantalla page.
constexpr std::int32_t LineasResumenPantalla = 6;

// The characteristics page has the header of the run's first case.
constexpr std::int32_t CasoCaracteristicas = 1;

std::string Guiones(int n)
{
    return std::string(static_cast<std::size_t>(n), '-');
}

bool EsSI(const EstadoEjecucion &ejecucion)
{
    return ejecucion.SistemaUnidades == "SI";
}

// Unit texts of the report. They follow the same test as the conversion of the values (exactly
// "SI"), so that a label never names a unit its numbers are not in.
struct UnidadesInforme {
    std::string tensiones;
    std::string momentos;
    std::string axiles;
};

UnidadesInforme Unidades(const EstadoEjecucion &ejecucion)
{
    if (EsSI(ejecucion)) {
        return {"MPa", "N.m/cm", "N/cm"};
    }
    return {"kp/cm2", "kp.cm/cm", "kp/cm"};
}

bool ImprimiendoClase(const EstadoListado &listado, ClaseListado clase)
{
    return listado.Imprimiendo && listado.TipoListado == clase;
}

// The lines of one listing routine: texts, fields and headings, all through the listing sink.
class Hoja {
public:
    explicit Hoja(ContextoCalculo &contexto)
        : m_contexto(contexto), m_d(contexto.estado.ejecucion.DesplazamientoIdioma)
    {
    }

    ContextoCalculo &contexto() { return m_contexto; }
    EstadoObra &estado() { return m_contexto.estado; }
    SalidaListado &salida() { return m_contexto.salida; }
    Impresora &impresora() { return m_contexto.salida.impresora(); }

    std::string T(std::int32_t n) const { return Texto(m_d, n); }
    std::string Campo(const CampoTextos &campo, int n) const
    {
        return TextoEnCampo(m_d, campo, n);
    }

    // Name of hypothesis h (texts 888 to 893); empty outside 1 to 6.
    std::string Nombre(std::int16_t h) const
    {
        if (h < 1 || h > NumeroHipotesisPostesado) {
            return {};
        }
        return T(TextoHipotesisPostesado(static_cast<HipotesisPostesado>(h)));
    }

    std::string F(double valor, int ancho, int decimales, std::string_view clave = SinClave,
                  bool conUnidad = false) const
    {
        return sNumeroDob(m_contexto.estado.ejecucion, valor, ancho, decimales, clave, conUnidad);
    }
    // The same with the unit appended.
    std::string FU(double valor, int ancho, int decimales, std::string_view clave) const
    {
        return F(valor, ancho, decimales, clave, true);
    }

    void Linea(const std::string &linea) { salida().ImprimeLinea(linea); }
    void Salta(int n) { salida().SaltaLineas(estado(), n); }
    void Pantalla(int antes, const std::string &texto, int despues)
    {
        salida().EscribePantalla(antes, texto, despues);
    }

    // A heading: bold at 10 points, then back to normal weight at 10 points.
    void Titulo(const std::string &linea)
    {
        impresora().PonNegrita(true);
        impresora().PonTamanoFuente(10);
        Linea(linea);
        impresora().PonNegrita(false);
        impresora().PonTamanoFuente(10);
    }

    // A new page of the Normal listing under the short page header.
    void NuevaPaginaNormal(std::int32_t numeroCaso)
    {
        ++estado().listado.NumeroPagina;
        impresora().NuevaPagina();
        salida().CabeceraPagina(estado(), numeroCaso, false);
    }

private:
    ContextoCalculo &m_contexto;
    std::int32_t m_d;
};

// Losses, residual wire stress, initial core stresses with their limit and final stresses.
void ListaPerdidasTensiones(Hoja &hoja, double LimiteCompresionInicial)
{
    const SeccionPostesado &sc = hoja.estado().postesado.seccion;
    const auto linea = [&hoja](std::int32_t texto, double valor) {
        hoja.Linea(Blancos(8) + hoja.T(texto) + Blancos(6) +
                   hoja.FU(valor, 10, 2, ClaveTensiones));
    };

    hoja.Salta(1);
    hoja.Titulo(Blancos(14) + hoja.T(807));
    hoja.Salta(1);
    linea(808, sc.PerdidaAcortamientoElastico);
    linea(809, sc.PerdidaRelajacion);
    linea(810, sc.PerdidaFluenciaRetraccion);
    hoja.Salta(1);
    hoja.Titulo(Blancos(14) + hoja.T(811));
    hoja.Salta(1);
    linea(812, sc.TensionResidualAcero);
    hoja.Salta(1);
    hoja.Titulo(Blancos(14) + hoja.T(813));
    hoja.Salta(1);
    linea(814, sc.TensionInicialIntPrimario);
    linea(815, sc.TensionInicialExtPrimario);
    hoja.Linea(Blancos(8) + "0.55*FCK0" + Blancos(41) +
               hoja.FU(LimiteCompresionInicial, 10, 2, ClaveTensiones));

    hoja.Salta(1);
    hoja.Titulo(Blancos(14) + hoja.T(816));
    hoja.Salta(1);
    const auto final = [&hoja](std::int32_t texto, int blancos, double valor) {
        hoja.Linea(Blancos(8) + hoja.T(texto) + Blancos(blancos) +
                   hoja.FU(valor, 10, 2, ClaveTensiones));
    };
    final(817, 33, sc.TensionFinalIntPrimario);
    final(818, 33, sc.TensionFinalExtPrimario);
    final(819, 28, sc.TensionFinalIntRevestimiento);
    final(820, 28, sc.TensionFinalExtRevestimiento);
}

void ListaEsfuerzosOvalizacion(Hoja &hoja, const UnidadesInforme &unidades)
{
    const EstadoPostesado &p = hoja.estado().postesado;
    hoja.Salta(1);
    hoja.Titulo(Blancos(14) + hoja.T(821));
    hoja.Salta(1);
    hoja.Linea(Blancos(33) + hoja.T(822));
    std::string momentos = Blancos(8) + "M" + Blancos(1) + sTextoFijo(unidades.momentos, 13);
    std::string axiles = Blancos(8) + "N" + Blancos(1) + sTextoFijo(unidades.axiles, 13);
    for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
        momentos += hoja.F(p.MomentoHipotesis[s], 15, 2, ClaveMomentos);
        axiles += hoja.F(p.AxilHipotesis[s], 15, 2, ClaveAxiles);
    }
    hoja.Linea(momentos);
    hoja.Linea(axiles);
}

void PaginaLame(Hoja &hoja, std::int32_t numeroCaso)
{
    const EstadoPostesado &p = hoja.estado().postesado;
    const DatosPostesado &dt = p.datos;
    const SeccionPostesado &sc = p.seccion;
    // Outer radii of core and pipe with the steel cylinder homogenised into the core, cm.
    const double rco = dt.RadioNucleo + (dt.RelacionModulosCamisa - 1.0) * dt.Delca;
    const double rro = dt.RadioExterior + (dt.RelacionModulosCamisa - 1.0) * dt.Delca;

    hoja.NuevaPaginaNormal(numeroCaso);
    ListaHipotesis(hoja.contexto(), p.NumeroHipotesis);
    hoja.Salta(1);
    // The font size stays as the head lines left it.
    const auto grupo = [&hoja](std::int32_t texto) {
        hoja.impresora().PonNegrita(true);
        hoja.Linea(Blancos(14) + hoja.T(texto));
        hoja.impresora().PonNegrita(false);
        hoja.Salta(1);
    };
    const auto valor = [&hoja](std::int32_t texto, int blancos, double x) {
        hoja.Linea(Blancos(8) + hoja.T(texto) + Blancos(blancos) + hoja.F(x, 10, 3));
    };
    const auto texto = [&hoja](std::int32_t n) { hoja.Linea(Blancos(8) + hoja.T(n)); };

    grupo(823);
    valor(824, 3, dt.ni);
    valor(825, 3, dt.n);
    valor(826, 3, dt.n1);
    valor(827, 3, dt.n2);
    hoja.Salta(2);

    grupo(828);
    valor(829, 3, sc.A);
    valor(830, 3, sc.B);
    valor(831, 3, sc.C);
    valor(832, 3, sc.Ar);
    valor(833, 3, sc.Br);
    texto(834);
    valor(835, 3, sc.Cr);
    texto(836);
    valor(837, 3, sc.k);
    texto(838);
    valor(839, 3, sc.D);
    hoja.Salta(2);

    grupo(840);
    valor(841, 2, sc.sro);
    valor(842, 2, sc.yi);
    valor(843, 2, sc.ye);
    valor(844, 2, sc.yr);
    valor(845, 2, sc.Io);
    valor(846, 2, rco);
    texto(847);
    valor(848, 2, rro);
}

// Ring stresses of the hypothesis' forces at the three sections.
void ListaTensionesOvalizacion(Hoja &hoja, const UnidadesInforme &unidades)
{
    const SeccionPostesado &sc = hoja.estado().postesado.seccion;
    hoja.Salta(1);
    hoja.Titulo(Blancos(14) + hoja.T(811) + Blancos(2) + sTextoFijo(unidades.tensiones, 8));
    hoja.Salta(1);
    const auto linea = [&hoja](std::int32_t texto, const ValoresSeccion &x, int ancho) {
        hoja.Linea(Blancos(8) + hoja.T(texto) + hoja.F(x[1], ancho, 2, ClaveTensiones) +
                   hoja.F(x[2], 15, 2, ClaveTensiones) + hoja.F(x[3], 15, 2, ClaveTensiones));
    };
    linea(850, sc.TensionOvalIntPrimario, 13);
    linea(851, sc.TensionOvalExtPrimario, 13);
    linea(852, sc.TensionOvalIntRevestimiento, 8);
    linea(853, sc.TensionOvalExtRevestimiento, 8);
    linea(854, sc.TensionOvalAcero, 11);
}

// Pressure stress beside the final prestress plus the ring stress, per section.
void ListaTensionesPresion(Hoja &hoja, const UnidadesInforme &unidades)
{
    const TensionesHipotesisPostesado &t = hoja.estado().postesado.aceptada;
    hoja.Salta(2);
    hoja.Linea(Blancos(24) + hoja.T(855) + Blancos(6) + "(" + unidades.tensiones + ")");
    hoja.Salta(1);
    hoja.Linea(Blancos(33) + hoja.T(856));
    hoja.Linea(Blancos(46) + hoja.T(857));
    const auto secciones = [&hoja](const ValoresSeccion &s) {
        return hoja.F(s[1], 12, 2, ClaveTensiones) + Blancos(2) +
               hoja.F(s[2], 12, 2, ClaveTensiones) + hoja.F(s[3], 12, 2, ClaveTensiones);
    };
    const auto linea = [&](std::int32_t texto, const std::string &antes, int ancho, double P,
                           const ValoresSeccion &S) {
        hoja.Linea(Blancos(8) + hoja.T(texto) + antes + hoja.F(P, ancho, 2, ClaveTensiones) +
                   secciones(S));
    };
    linea(858, Blancos(2), 12, t.TensionPresionIntPrimario, t.TensionOvalPostesadoIntPrimario);
    linea(859, Blancos(2), 12, t.TensionPresionExtPrimario, t.TensionOvalPostesadoExtPrimario);
    linea(860, "", 9, t.TensionPresionIntRevestimiento, t.TensionOvalPostesadoIntRevestimiento);
    linea(861, "", 9, t.TensionPresionExtRevestimiento, t.TensionOvalPostesadoExtRevestimiento);
    linea(862, "", 12, t.TensionPresionAcero, t.TensionOvalPostesadoAcero);
}

void ListaTensionesTotales(Hoja &hoja)
{
    const TensionesHipotesisPostesado &t = hoja.estado().postesado.aceptada;
    hoja.Salta(2);
    hoja.Linea(Blancos(54) + hoja.T(863));
    hoja.Linea(Blancos(46) + hoja.T(857));
    const auto linea = [&hoja](std::int32_t texto, int blancos, const ValoresSeccion &x) {
        hoja.Linea(Blancos(8) + hoja.T(texto) + Blancos(blancos) +
                   hoja.F(x[1], 12, 2, ClaveTensiones) + Blancos(1) +
                   hoja.F(x[2], 13, 2, ClaveTensiones) + hoja.F(x[3], 12, 2, ClaveTensiones));
    };
    linea(858, 14, t.TensionTotalIntPrimario);
    linea(859, 14, t.TensionTotalExtPrimario);
    linea(860, 9, t.TensionTotalIntRevestimiento);
    linea(861, 9, t.TensionTotalExtRevestimiento);
    linea(862, 12, t.TensionTotalAcero);
}

// Materials header of the Tabular listing, once per run, ending in the table heading.
void CabeceraMateriales(Hoja &hoja)
{
    EstadoObra &estado = hoja.estado();
    const DatosPostesado &dt = estado.postesado.datos;
    Impresora &impresora = hoja.impresora();

    impresora.PonNegrita(true);
    impresora.PonTamanoFuente(10);
    hoja.Linea(Blancos(12) + hoja.T(805));
    hoja.Linea(Blancos(12) + hoja.T(806));
    if (EsSI(estado.ejecucion)) {
        hoja.Linea(Blancos(12) + Blancos(3) +
                   "(MPa)      (MPa)     (MPa)     (MPa)        (MPa)      (MPa)       (MPa)    "
                   "(mm)" +
                   Blancos(13));
    } else {
        hoja.Linea(Blancos(12) + Blancos(1) +
                   "(kp/cm2)   (kp/cm2)  (kp/cm2)  (kp/cm2)     (kp/cm2)    (kp/cm2)    (kp/cm2)  "
                   "(mm)" +
                   Blancos(13));
    }
    hoja.Linea(Blancos(12) + Guiones(96));
    impresora.PonNegrita(false);

    // The column is headed as the cylinder steel's modulus, so it shows Es; the wire's modulus
    // has its own line on the characteristics page.
    hoja.Linea(Blancos(9) + hoja.F(dt.Fck0, 10, 0, ClaveTensiones) + Blancos(1) +
               hoja.F(dt.Fckn, 10, 0, ClaveTensiones) + hoja.F(dt.Fckr, 10, 0, ClaveTensiones) +
               Blancos(1) + hoja.F(dt.FctkRevestimiento, 10, 2, ClaveTensiones) + Blancos(3) +
               hoja.F(estado.tramo.Es, 10, 0, ClaveTensiones) + Blancos(1) +
               hoja.F(dt.SFck, 10, 0, ClaveTensiones) + Blancos(2) +
               hoja.F(dt.Sf, 10, 0, ClaveTensiones) + hoja.F(dt.Delca * 10, 9, 2) + Blancos(2) +
               sTextoFijo(estado.caso.TextoTipoCamisa, CampoTipoCamisa.ancho));

    impresora.PonNegrita(true);
    hoja.Salta(1);
    estado.listado.LineasRestantes -= LineasCabeceraMateriales;
    hoja.salida().CabeceraTablaPostesado(hoja.estado());
}

} // namespace

void ListaHipotesis(ContextoCalculo &contexto, std::int16_t h)
{
    if (!ImprimiendoClase(contexto.estado.listado, ClaseListado::Normal)) {
        return;
    }
    Hoja hoja(contexto);
    const EstadoObra &estado = contexto.estado;
    Impresora &impresora = hoja.impresora();

    // Text 550 is "STP" and "=" among blanks in every language.
    std::string etiquetaSTP = hoja.T(550);
    std::erase(etiquetaSTP, '=');
    etiquetaSTP = Recorta(etiquetaSTP);

    // A test pressure that could not be set shows its failure text, never a number.
    const std::string &falloPP = estado.postesado.FalloPP;
    const std::string presion =
        falloPP.empty() ? Recorta(hoja.FU(estado.caso.PP, 7, 1, ClavePresiones)) : falloPP;

    impresora.PonNegrita(true);
    impresora.PonTamanoFuente(10);
    hoja.Linea(Blancos(8) + hoja.T(896) + Blancos(1) + presion + Blancos(5) + etiquetaSTP + ":" +
               Blancos(1) + Recorta(hoja.FU(estado.caso.STP, 7, 1, ClavePresiones)));
    hoja.Linea(Blancos(8) + hoja.T(894) + Blancos(1) + hoja.F(estado.postesado.FIPR * 10, 10, 1) +
               " mm" + Blancos(6) + hoja.T(895) + Blancos(1) +
               hoja.F(estado.postesado.NESP, 4, 0));
    if (h > 0) {
        hoja.Salta(1);
        hoja.Linea(Blancos(12) + hoja.T(897) + Blancos(2) + sNumeroEnt(h, 1) + ".- " +
                   hoja.Nombre(h));
    }
    impresora.PonNegrita(false);
    impresora.PonTamanoFuente(10);
    hoja.Salta(1);
}

void ListaInformeHipotesis(ContextoCalculo &contexto, std::int32_t numeroCaso)
{
    Hoja hoja(contexto);
    EstadoObra &estado = contexto.estado;
    const EstadoListado &listado = estado.listado;
    const bool normal = ImprimiendoClase(listado, ClaseListado::Normal);
    const UnidadesInforme unidades = Unidades(estado.ejecucion);
    const double LimiteCompresionInicial =
        -FraccionCompresionInicial * estado.postesado.datos.Fck0;

    if (!listado.Imprimiendo || listado.TipoListado == ClaseListado::Pantalla) {
        ListaEsfuerzosHipotesis(contexto);
        return;
    }
    if (!normal) {
        return;
    }
    hoja.NuevaPaginaNormal(numeroCaso);
    ListaHipotesis(contexto, estado.postesado.NumeroHipotesis);
    ListaPerdidasTensiones(hoja, LimiteCompresionInicial);
    ListaEsfuerzosOvalizacion(hoja, unidades);
    if (listado.ListadoLame) {
        PaginaLame(hoja, numeroCaso);
    }
    ListaTensionesOvalizacion(hoja, unidades);
    ListaTensionesPresion(hoja, unidades);
    ListaTensionesTotales(hoja);
}

void ListaEsfuerzosHipotesis(ContextoCalculo &contexto)
{
    Hoja hoja(contexto);
    const EstadoObra &estado = contexto.estado;
    const EstadoPostesado &p = estado.postesado;
    const std::int16_t h = p.NumeroHipotesis;
    const bool si = EsSI(estado.ejecucion);

    if (!estado.listado.Imprimiendo) {
        // The heading of each hypothesis is built once for the language and the units system;
        // the row is written straight into the screen text.
        TextosFijos &cabeceras = contexto.memoria.esfuerzosPostesado;
        FirmaTextos firma;
        firma.Con(estado.ejecucion.DesplazamientoIdioma).Con(si);
        if (cabeceras.Renueva(firma, NumeroHipotesisPostesado + 1)) {
            for (std::int16_t k = 0; k <= NumeroHipotesisPostesado; ++k) {
                cabeceras[static_cast<std::size_t>(k)] =
                    "\n" + hoja.T(629) + hoja.Nombre(k) + "\n" + hoja.T(630) + "\n" + hoja.T(631) +
                    "\n" + hoja.T(si ? 632 : 633) + "\n" + Blancos(1) + Guiones(17) + Blancos(1) +
                    Guiones(17) + Blancos(1) + Guiones(17) + "\n";
            }
        }
        // Outside 1 to 6 the heading names no hypothesis, as entry 0.
        const bool conNombre = h >= 1 && h <= NumeroHipotesisPostesado;
        std::string &pantalla = hoja.salida().Pantalla();
        pantalla += cabeceras[conNombre ? static_cast<std::size_t>(h) : 0];
        const ClaveNumero momentos(estado.ejecucion, ClaveMomentos);
        const ClaveNumero axiles(estado.ejecucion, ClaveAxiles);
        for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
            pantalla += ' ';
            momentos.Anade(pantalla, p.MomentoHipotesis[s], 8, 2);
            pantalla += ' ';
            axiles.Anade(pantalla, p.AxilHipotesis[s], 8, 2);
        }
        pantalla += '\n';
        return;
    }
    if (estado.listado.TipoListado != ClaseListado::Pantalla) {
        return;
    }
    // The six rows of a case stand under one heading; they are not counted on the page.
    if (h == 1) {
        hoja.Linea(Blancos(47) + hoja.T(634));
        hoja.Linea(Blancos(44) + hoja.T(635));
        hoja.Linea(Blancos(16) + hoja.T(si ? 636 : 637));
        hoja.Linea(Blancos(11) + Guiones(26) + Blancos(2) + Guiones(18) + Blancos(2) +
                   Guiones(18) + Blancos(2) + Guiones(18));
    }
    std::string fila = Blancos(11) + hoja.Campo(CampoHipotesisPostesado, h);
    for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
        fila += Blancos(1) + hoja.F(p.MomentoHipotesis[s], 9, 2, ClaveMomentos) + Blancos(1) +
                hoja.F(p.AxilHipotesis[s], 9, 2, ClaveAxiles);
    }
    hoja.Linea(fila);
}

void ListaResumenPostesado(ContextoCalculo &contexto)
{
    Hoja hoja(contexto);
    EstadoObra &estado = contexto.estado;
    const std::string alambre = hoja.F(estado.postesado.FIPR * 10, 5, 1) + "  mm";
    const std::string espiras = hoja.F(estado.postesado.NESP, 5, 0);
    const std::string &falloPP = estado.postesado.FalloPP;
    const std::string presion =
        falloPP.empty() ? hoja.FU(estado.caso.PP, 7, 2, ClaveTensiones) : falloPP;

    if (!estado.listado.Imprimiendo) {
        hoja.Pantalla(0, Blancos(14) + hoja.T(865) + alambre, 1);
        hoja.Pantalla(0, Blancos(14) + hoja.T(866) + espiras, 1);
        hoja.Pantalla(1, Blancos(14) + hoja.T(896) + Blancos(5) + presion, 1);
        return;
    }
    if (estado.listado.TipoListado != ClaseListado::Pantalla) {
        return;
    }
    hoja.salida().CabeceraCaso(estado, LineasResumenPantalla);
    hoja.Salta(1);
    hoja.Linea(Blancos(14) + hoja.T(865) + Blancos(5) + alambre);
    hoja.Linea(Blancos(14) + hoja.T(866) + Blancos(5) + espiras);
    hoja.Linea(Blancos(14) + hoja.T(896) + Blancos(10) + presion);
}

void ListaFilaTabularPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso)
{
    Hoja hoja(contexto);
    EstadoObra &estado = contexto.estado;
    EstadoListado &listado = estado.listado;
    const DatosCaso &caso = estado.caso;
    const bool tabular = ImprimiendoClase(listado, ClaseListado::Tabular);

    if (estado.caso.PrimerCaso) {
        estado.caso.PrimerCaso = false;
        if (tabular) {
            CabeceraMateriales(hoja);
        }
    }
    if (!tabular) {
        return;
    }

    --listado.LineasRestantes;
    if (listado.LineasRestantes <= 0) {
        ++listado.NumeroPagina;
        hoja.impresora().NuevaPagina();
        hoja.salida().CabeceraPagina(estado, numeroCaso, true);
        hoja.salida().CabeceraTablaPostesado(hoja.estado());
    }

    // Rows of one fill height show it on their first row only.
    std::string altura = Blancos(6);
    if (caso.AlturaActual != listado.UltimaAlturaListada) {
        altura = hoja.F(caso.AlturaActual, 6, 2);
        listado.UltimaAlturaListada = caso.AlturaActual;
    }
    // A failed test pressure leaves its column blank; the row's failure text says why.
    const std::string presion =
        estado.postesado.FalloPP.empty() ? hoja.F(caso.PP, 6, 2, ClavePresiones) : Blancos(6);
    hoja.Linea(Blancos(32) + altura + Blancos(3) + hoja.F(caso.DP, 6, 2, ClavePresiones) +
               Blancos(5) + hoja.F(estado.postesado.FIPR * 10, 5, 1) + Blancos(4) +
               hoja.F(estado.postesado.NESP, 5, 0) + Blancos(8) + presion + Blancos(4) +
               estado.resultados.MensajeFallo);
}

void ListaCaracteristicasPostesado(ContextoCalculo &contexto)
{
    EstadoObra &estado = contexto.estado;
    if (!ImprimiendoClase(estado.listado, ClaseListado::Normal)) {
        return;
    }
    Hoja hoja(contexto);
    const DatosTramo &tramo = estado.tramo;
    // The radii the case loop will hand to this run's design, cm, from the diameters and covers
    // in m: the loop sets its own copies only after this page.
    const double RadioExterior = 50 * tramo.vDE;
    const double RadioInterior = 50 * tramo.vDi;
    const double RadioCamisa = RadioInterior + 100 * tramo.RECI;
    const double RadioNucleo = RadioExterior - 100 * tramo.RECE;
    // The design works these out again for every case.
    const double FctkPrimario = ResistenciaTraccionHormigon(tramo.Fckn);
    const double FctkRevestimiento = ResistenciaTraccionHormigon(tramo.Fckr);
    const std::string mm = sTextoFijo(" mm" + Blancos(5), 8);

    hoja.NuevaPaginaNormal(CasoCaracteristicas);
    hoja.Salta(3);
    hoja.Salta(1);
    hoja.Titulo(Blancos(14) + hoja.T(869));
    hoja.Salta(1);

    const auto linea = [&hoja](std::int32_t texto, const std::string &valor) {
        hoja.Linea(Blancos(8) + hoja.T(texto) + Blancos(5) + valor);
    };
    const auto tension = [&hoja](double valor, int decimales) {
        return hoja.FU(valor, 10, decimales, ClaveTensiones);
    };
    const bool conCamisa = tramo.TipoPostesado == 1;
    linea(870, hoja.F(10 * RadioInterior, 10, 1) + mm);
    linea(871, hoja.F(10 * (RadioNucleo - RadioInterior), 10, 1) + mm);
    if (conCamisa) {
        linea(872, hoja.F(10 * (RadioCamisa - RadioInterior), 10, 1) + mm);
        linea(873, hoja.F(10 * tramo.Delca, 10, 2) + mm);
        linea(874, tension(tramo.Es, 0));
    }
    linea(875, hoja.F(10 * (RadioExterior - RadioNucleo), 10, 1) + mm);
    linea(876, tension(tramo.Fckno, 0));
    linea(877, tension(tramo.Fckn, 0));
    linea(1081, tension(FctkPrimario, 0));
    linea(878, tension(tramo.Fckr, 0));
    linea(879, tension(FctkRevestimiento, 2));
    linea(880, hoja.F(tramo.Fic, 10, 2));
    linea(881, hoja.F(tramo.Fir, 10, 2));
    linea(882, hoja.F(tramo.Epsc, 10, 5));
    linea(883, hoja.F(tramo.Epsr, 10, 5));
    linea(884, tension(tramo.SFck, 0));
    linea(885, tension(tramo.Ep, 0));
    linea(886, hoja.F(tramo.Rel, 10, 2) + Blancos(1) + "%");
    linea(887, tension(tramo.Sf, 2));
}

} // namespace dravek
