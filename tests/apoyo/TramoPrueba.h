#pragma once

// A small reinforced-concrete run as the run validation leaves it, a design that lists a few
// lines per case as the real designs do, and the two ways a command runs the case loop (screen
// listing, printed listing), for tests of whole calculations.

#include "apoyo/DisenoCasoPrueba.h"
#include "core/engine/CalculaCasos.h"
#include "core/engine/ContextoCalculo.h"
#include "core/engine/ImprimeDatosCaso.h"
#include "core/engine/UnidadesCalculo.h"
#include "core/listing/FormatoNumeros.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/model/TextoRecurso.h"
#include "core/plataforma/Impresora.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace dravek::pruebas {

// Reinforced concrete with a cylinder (1210): Di 1.0 m, a 12 cm wall with 2.5 cm covers
// (De 1.24 m), a trench with compacted fill of the default width 1.4 De + 0.68 = 2.416 m in
// sandy clay (21), the granular 90 degree cradle, the axle of 13 t; fill heights 1 to 3 m by 1 m;
// DP 4 to 10 at with MDP = 1.1 DP and an MDP increment of 3.3 at (a DP step of 3 at); water
// hammer estimated. With enSI the same run as an SI project holds it: pressures and strengths
// in MPa. The values are in entry units, as the data-entry window and the run validation leave
// them; rutaAplicacion is the program's folder, where the listing's pictures are.
inline void PreparaTramoArmado(EstadoObra &e, bool enSI, const std::string &rutaAplicacion)
{
    const double f = enSI ? 1.0 / FactorTensiones : 1.0; // entry value per at or kp/cm2

    e.ejecucion.SistemaUnidades = enSI ? "SI" : "MKS";
    e.ejecucion.RutaAplicacion = rutaAplicacion;
    e.frFiguras.ptArmado = rutaAplicacion + "Lur2110.bmp";
    e.frFiguras.ptColocacion = rutaAplicacion + "Zanja2a.bmp";

    DatosObra &o = e.obra;
    o.TIGEN = "ABASTECIMIENTO DE AGUA A LA COMARCA DEL CAMPO - CONDUCCIÓN PRINCIPAL";
    o.Cliente = "MANCOMUNIDAD DE AGUAS";
    o.GolpeArieteCalculado = Falso;
    // The project's defaults, which the run's own ranges override.
    o.DPInicialObra = 2 * f;
    o.DPFinalObra = 6 * f;
    o.IncrementoPresionObra = 2.2 * f;
    o.MDPInicialObra = 2.2 * f;
    o.MDPFinalObra = 6.6 * f;
    o.AlturaInicialObra = 1;
    o.AlturaFinalObra = 2;
    o.IncrementoAlturaObra = 1;
    o.AbrirObraExistente = Verdadero;

    DatosTramo &t = e.tramo;
    t.TramoActual = 3;
    t.ITIT = "TRAMO 3 - CRUCE DE LA CARRETERA";
    t.DPInicialTramo = 4 * f;
    t.DPFinalTramo = 10 * f;
    t.IncrementoPresionTramo = 3.3 * f;
    t.MDPInicialTramo = 4.4 * f;
    t.MDPFinalTramo = 11 * f;
    t.AlturaInicialTramo = 1;
    t.AlturaFinalTramo = 3;
    t.IncrementoAltura = 1;

    t.Tipologia = 1210;
    t.EsArmado = Verdadero;
    t.TipoPostesado = 0;
    t.ClaseFisuracion = 3;
    t.TipoControl = 1;
    t.IndicadorCamisa = 1;
    t.CAMMAX = 3;
    t.FCK = 350 * f;
    t.Fct = 0.45 * std::cbrt(t.FCK * t.FCK); // as the entry window computes it
    t.Fyk = 5100 * f;
    t.Fyd = t.Fyk / 1.15;
    t.GamaB = 1.5;
    t.GamaY = 1;
    t.GamaF = 1;

    t.vDi = 1.0;
    t.ESP = 12;
    t.RECI = 2.5;
    t.RECE = 2.5;
    t.vDE = t.vDi + 2 * t.ESP / 100;
    t.vGAMAB = 2.5;

    t.IndiceColocacion = 0;
    t.CodigoColocacion = 12;
    t.vICUNA = 1;
    t.AnchoZanja = 1.4 * t.vDE + 0.68;
    t.vGAMAT = 1.8;
    t.AnguloRozamiento = 30;
    t.TipoRelleno = 21;
    t.DistanciaTerrenoNatural = 0;
    t.IndiceAsentamiento = 0;

    t.CargaVerticalTotal = 0;
    t.TipoCargaConcentrada = 2;
    t.CalculoCargas = 1;
}

// The post-tensioned variant of the same run: a 1000 mm pipe with a 75 mm core around an
// embedded 1.5 mm cylinder 10 mm from the bore and a 25 mm coating, the default materials.
inline void HazTramoPostesado(EstadoObra &e, bool enSI, const std::string &rutaAplicacion)
{
    const double f = enSI ? 1.0 / FactorTensiones : 1.0;
    DatosTramo &t = e.tramo;
    t.Tipologia = 2211;
    t.EsArmado = Falso;
    t.TipoPostesado = 1;
    t.ClaseFisuracion = 0;
    t.ESP = 10;
    t.RECI = 1;
    t.RECE = 2.5;
    t.vDE = t.vDi + 2 * t.ESP / 100;
    t.Delca = 1.5;
    t.FykPost = 2100 * f;
    t.Es = 2100000 * f;
    t.Ep = 2000000 * f;
    t.Fckno = 300 * f;
    t.Fckn = 400 * f;
    t.Fckr = 350 * f;
    t.SFck = 17000 * f;
    t.Sf = 12750 * f;
    t.Rel = 2;
    t.Fic = 1.5;
    t.Fir = 0.75;
    t.Epsc = 0.0002;
    t.Epsr = 0.0003;
    e.frFiguras.ptPostesado = rutaAplicacion + "Lur2211.bmp";
}

// The case as the case loop left it for the design.
struct CasoListado {
    std::int32_t numeroCaso = 0;
    double AlturaActual = 0; // m
    double DP = 0;           // at
    double MDP = 0;          // at
    double PP = 0;           // at
    double STP = 0;          // at
    double vQ = 0;           // t/m2
};

// Stands in for the reinforced-concrete design: it records each case and writes a few lines of
// it where the real design writes its own, by the same paging rules. Normal listing: a page of
// the case with its page header and the case pressures. Tabular: one row of the summary table
// (height and DP), starting a page with its headers when the page's budget runs out. Pantalla:
// the pressures in a block of lineasPantalla lines, paged by CabeceraCaso. Screen: the pressures.
// On every listing it calls the case heading (ImprimeDatosCaso) as the real design does.
class DisenoCasoBreve : public DisenoCasoPrueba {
public:
    explicit DisenoCasoBreve(std::int32_t lineasPantalla = 6) : m_lineasPantalla(lineasPantalla) {}

    ErrorCalculo CalculaArmado(ContextoCalculo &contexto, std::int32_t numeroCaso) override
    {
        EstadoObra &e = contexto.estado;
        SalidaListado &salida = contexto.salida;
        EstadoListado &listado = e.listado;
        m_casos.push_back({numeroCaso, e.caso.AlturaActual, e.caso.DP, e.caso.MDP, e.caso.PP,
                           e.caso.STP, e.caso.vQ});

        const bool normal = listado.Imprimiendo && listado.TipoListado == ClaseListado::Normal;
        if (normal) {
            ++listado.NumeroPagina;
            salida.impresora().NuevaPagina();
            salida.CabeceraPagina(e, numeroCaso, false);
            salida.SaltaLineas(e, 2);
            for (const std::string &linea : Presiones(e)) {
                salida.ImprimeLinea(linea);
            }
        }
        if (ErrorCalculo error = ImprimeDatosCaso(contexto)) {
            return error;
        }

        if (!listado.Imprimiendo) {
            for (const std::string &linea : Presiones(e)) {
                salida.EscribePantalla(0, linea, 1);
            }
        } else if (listado.TipoListado == ClaseListado::Pantalla) {
            salida.CabeceraCaso(e, m_lineasPantalla);
            salida.SaltaLineas(e, 1);
            for (const std::string &linea : Presiones(e)) {
                salida.ImprimeLinea(linea);
            }
            salida.SaltaLineas(e, m_lineasPantalla - 5);
        } else if (listado.TipoListado == ClaseListado::Tabular) {
            FilaTabla(contexto, numeroCaso);
        }
        return {};
    }

    ErrorCalculo CalculaPostesado(ContextoCalculo &, std::int32_t, std::int16_t, double) override
    {
        return ErrorCalculo::Con("post-tensioned design not expected");
    }

    const std::vector<CasoListado> &casos() const { return m_casos; }

private:
    // DP, MDP, STP and PP, as the design lists the pressures of its hypotheses.
    static std::vector<std::string> Presiones(const EstadoObra &e)
    {
        const std::int32_t d = e.ejecucion.DesplazamientoIdioma;
        const auto linea = [&](std::int32_t texto, double presion) {
            return std::string(9, ' ') + Texto(d, texto) +
                   sNumeroDob(e.ejecucion, presion, 6, 1, "at->MPa", true);
        };
        return {linea(548, e.caso.DP), linea(549, e.caso.MDP), linea(550, e.caso.STP),
                linea(551, e.caso.PP)};
    }

    static void FilaTabla(ContextoCalculo &contexto, std::int32_t numeroCaso)
    {
        EstadoObra &e = contexto.estado;
        SalidaListado &salida = contexto.salida;
        EstadoListado &listado = e.listado;
        --listado.LineasRestantes;
        if (listado.LineasRestantes <= 0) {
            ++listado.NumeroPagina;
            salida.impresora().NuevaPagina();
            salida.CabeceraPagina(e, numeroCaso, true);
            salida.CabeceraTablaArmado(e);
        }
        std::string altura(6, ' ');
        // Exact comparison on purpose: both are copies of the same height.
        if (e.caso.AlturaActual != listado.UltimaAlturaListada) {
            altura = sNumeroDob(e.ejecucion, e.caso.AlturaActual, 6, 2, "", false);
            listado.UltimaAlturaListada = e.caso.AlturaActual;
        }
        salida.ImprimeLinea(std::string(5, ' ') + altura + std::string(2, ' ') +
                            sNumeroDob(e.ejecucion, e.caso.DP, 7, 1, "at->MPa", false));
    }

    std::int32_t m_lineasPantalla;
    std::vector<CasoListado> m_casos;
};

// The calculate command: the screen listing, emptied first, of the whole run in calculation
// units.
inline ErrorCalculo CalculaEnPantalla(ContextoCalculo &contexto)
{
    EstadoObra &e = contexto.estado;
    e.listado.Imprimiendo = false;
    e.listado.NumeroPagina = 0;
    contexto.salida.VaciaPantalla();
    std::int32_t numeroCaso = 1;
    const GuardaUnidadesCalculo unidades(e);
    return CalculaCasos(contexto, numeroCaso, -1, -1);
}

// The listing window's print button for one run: the printer from page 0, landscape for the
// Tabular kind, the whole run in calculation units, then the end of the document, whose result
// goes to finDocumento.
inline ErrorCalculo ImprimeTramo(ContextoCalculo &contexto, ClaseListado tipo, int &finDocumento)
{
    EstadoObra &e = contexto.estado;
    e.listado.Imprimiendo = true;
    e.listado.TipoListado = tipo;
    e.listado.NumeroPagina = 0;
    Impresora &impresora = contexto.salida.impresora();
    impresora.PonOrientacion(tipo == ClaseListado::Tabular ? Orientacion::Horizontal
                                                           : Orientacion::Vertical);
    ErrorCalculo error;
    {
        std::int32_t numeroCaso = 1;
        const GuardaUnidadesCalculo unidades(e);
        error = CalculaCasos(contexto, numeroCaso, -1, -1);
    }
    finDocumento = impresora.FinDocumento();
    return error;
}

} // namespace dravek::pruebas
