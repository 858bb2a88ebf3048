#include "core/posttensioned/CalculaPostesado.h"

#include "core/engine/ImprimeDatosCaso.h"
#include "core/model/TextoRecurso.h"
#include "core/posttensioned/EscribeErrorPostesado.h"
#include "core/posttensioned/ListadoPostesado.h"
#include "core/posttensioned/PresionPruebaPostesado.h"
#include "core/posttensioned/mdPreten.h"

#include <cmath>
#include <cstddef>

namespace dravek {

namespace {

constexpr std::int32_t TextoEspesorInsuficientePostesado = 800;
constexpr std::int32_t TextoAlambreDistinto = 801;

constexpr std::int16_t SinHipotesis = 0;
constexpr std::int16_t AntesDePasadas = 0;
constexpr std::int16_t PasadaBusqueda = 1;
constexpr std::int16_t PasadaListado = 2;

// The row of the wire table the design starts with: that of the first force range holding the
// ring force, the 5 mm wire below the first range and in place of the 4 mm one; 0 when the
// force reaches the top of the largest wire's range.
std::int16_t FilaAlambreInicial(const DatosPostesado &datos)
{
    const double fuerza = datos.FuerzaAnillo;
    if (fuerza < datos.FuerzaMinimaAlambre[1]) {
        return 2;
    }
    for (std::int16_t i = 1; i <= NumeroAlambres; ++i) {
        const auto fila = static_cast<std::size_t>(i);
        if (datos.FuerzaMinimaAlambre[fila] <= fuerza &&
            fuerza < datos.FuerzaMaximaAlambre[fila]) {
            return i == 1 ? std::int16_t{2} : i;
        }
    }
    return 0;
}

// The ring force and the force ranges the starting wire is chosen by: a value that is not a
// number would otherwise read as a wall too thin.
bool FuerzasFinitas(const DatosPostesado &datos)
{
    if (!std::isfinite(datos.FuerzaAnillo)) {
        return false;
    }
    for (std::size_t i = 1; i <= NumeroAlambres; ++i) {
        if (!std::isfinite(datos.FuerzaMinimaAlambre[i]) ||
            !std::isfinite(datos.FuerzaMaximaAlambre[i])) {
            return false;
        }
    }
    return true;
}

class DisenoPostesado {
public:
    DisenoPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                    const AnalisisHipotesisPostesado &analiza)
        : m_contexto(contexto), m_estado(contexto.estado), m_p(contexto.estado.postesado),
          m_fallos(contexto), m_numeroCaso(numeroCaso), m_analiza(analiza)
    {
    }

    ErrorCalculo Calcula(std::int16_t FijaPresionPrimario, double CoefPresionPrimario);

private:
    bool ImprimiendoTabular() const
    {
        return m_estado.listado.Imprimiendo &&
               m_estado.listado.TipoListado == ClaseListado::Tabular;
    }

    // The wire in use becomes row i of the table at its widest gap.
    void PonAlambre(std::int16_t i)
    {
        const auto fila = static_cast<std::size_t>(i);
        const DatosPostesado &datos = m_p.datos;
        m_p.IndiceAlambre = i;
        m_p.FIPR = datos.DiametrosAlambre[fila] / 10.0;
        m_p.NESP = EspirasPorMetro(datos.DiametrosAlambre[fila],
                                   datos.SeparacionMaximaAlambres[fila] / 10.0);
    }

    void PonAlambreDefinitivo()
    {
        m_p.FIPR = m_p.FIPRDEFI;
        m_p.NESP = m_p.NESPDEFI;
        // The row goes with the wire, so that a wire change starts from the right one.
        m_p.IndiceAlambre = m_indiceDefinitivo;
    }

    bool AlambreDefinitivo() const { return m_p.FIPR == m_p.FIPRDEFI && m_p.NESP == m_p.NESPDEFI; }

    // Hypothesis h of the current pass to the section analysis, its forces in kp.cm/cm and
    // kp/cm.
    FinAnalisis Analiza(std::int16_t h)
    {
        const auto fila = static_cast<std::size_t>(h);
        m_p.NumeroHipotesis = h;
        for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
            m_p.MomentoHipotesis[s] = m_momentos[fila][s] * 1000.0;
            m_p.AxilHipotesis[s] = m_axiles[fila][s] * 10.0;
        }
        return m_analiza(m_estado, m_fallos, m_numeroCaso);
    }

    // A case that ends before its wire is fixed: the Tabular listing still gets its row, with
    // PP 0 and the failure text.
    ErrorCalculo TerminaSinAlambre()
    {
        if (ImprimiendoTabular()) {
            m_estado.caso.PP = 0;
            ListaFilaTabularPostesado(m_contexto, m_numeroCaso);
        }
        return {};
    }

    ContextoCalculo &m_contexto;
    EstadoObra &m_estado;
    EstadoPostesado &m_p;
    EscritorFallosListado m_fallos;
    std::int32_t m_numeroCaso;
    const AnalisisHipotesisPostesado &m_analiza;
    TablaHipotesisPostesado m_momentos{}; // t.m/m
    TablaHipotesisPostesado m_axiles{};   // t/m
    std::int16_t m_indiceDefinitivo = 0;
};

ErrorCalculo DisenoPostesado::Calcula(std::int16_t FijaPresionPrimario, double CoefPresionPrimario)
{
    ResultadosCaso &resultados = m_estado.resultados;
    const std::int32_t idioma = m_estado.ejecucion.DesplazamientoIdioma;

    // Nothing of an earlier case is kept: the wire, the stresses and the failure start afresh.
    resultados.MensajeFallo.clear();
    m_p = {};

    if (ErrorCalculo error = ImprimeDatosCaso(m_contexto)) {
        return error;
    }

    resultados.EstadoDiseno = CodigoPostesado::Aceptado;
    // Shrinkage taken negative and the cylinder of a pipe without one at 0 on the design's own
    // copies: the run's entered values stay as they are for the next case.
    m_p.datos = PreparaDatosPostesado(m_estado, FijaPresionPrimario, CoefPresionPrimario);
    if (!FuerzasFinitas(m_p.datos)) {
        resultados.EstadoDiseno = CodigoPostesado::DatosNoValidos;
        m_fallos.EscribeErrorPostesado(Texto(idioma, TextoDatosNoValidos), m_numeroCaso,
                                       SinHipotesis, AntesDePasadas);
        return TerminaSinAlambre();
    }

    const std::int16_t fila = FilaAlambreInicial(m_p.datos);
    if (fila == 0) {
        resultados.EstadoDiseno = CodigoPostesado::EspesorInsuficiente;
        m_fallos.EscribeErrorPostesado(Texto(idioma, TextoEspesorInsuficientePostesado),
                                       m_numeroCaso, SinHipotesis, AntesDePasadas);
        return TerminaSinAlambre();
    }
    PonAlambre(fila);
    CargaHipotesis(m_estado, m_momentos, m_axiles);

    // Search pass: the wire carries from one hypothesis to the next, so it only grows. A
    // hypothesis that fails (even for want of a wire) ends only itself: the pass goes on and the
    // listing pass writes each failure with its hypothesis.
    m_p.NumeroPasada = PasadaBusqueda;
    for (std::int16_t h = 1; h <= NumeroHipotesisPostesado; ++h) {
        if (Analiza(h) == FinAnalisis::CasoAnulado) {
            return TerminaSinAlambre();
        }
    }
    m_p.FIPRDEFI = m_p.FIPR;
    m_p.NESPDEFI = m_p.NESP;
    m_indiceDefinitivo = m_p.IndiceAlambre;

    // Factory test pressure from this case's hypothesis 4 rerun with the fixed wire.
    resultados.EstadoDiseno = CodigoPostesado::Aceptado;
    if (Analiza(static_cast<std::int16_t>(HipotesisPostesado::HipotesisMDPPesoPropioAgua)) ==
        FinAnalisis::CasoAnulado) {
        return TerminaSinAlambre();
    }
    const bool presionFijada = FijaPPPostesado(m_estado, m_fallos, m_numeroCaso);
    // The rerun may have moved the wire; the case's result is the fixed one.
    PonAlambreDefinitivo();

    if (ImprimiendoTabular()) {
        ListaFilaTabularPostesado(m_contexto, m_numeroCaso);
        return {};
    }

    m_p.NumeroPasada = PasadaListado;
    for (std::int16_t h = 1; h <= NumeroHipotesisPostesado; ++h) {
        PonAlambreDefinitivo();
        resultados.EstadoDiseno = CodigoPostesado::Aceptado;
        if (Analiza(h) == FinAnalisis::CasoAnulado) {
            return {};
        }
        if (!AlambreDefinitivo()) {
            resultados.EstadoDiseno = CodigoPostesado::AlambreDistinto;
            m_fallos.EscribeErrorPostesado(Texto(idioma, TextoAlambreDistinto), m_numeroCaso, h,
                                           PasadaListado);
            return {};
        }
        if (resultados.EstadoDiseno == CodigoPostesado::Aceptado) {
            ListaInformeHipotesis(m_contexto, m_numeroCaso);
        }
    }
    ListaResumenPostesado(m_contexto);
    // An accepted last hypothesis does not hide a test pressure that could not be set.
    if (!presionFijada && resultados.EstadoDiseno == CodigoPostesado::Aceptado) {
        resultados.EstadoDiseno = CodigoPostesado::PresionPruebaNoValida;
    }
    return {};
}

} // namespace

ErrorCalculo CalculaPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                              std::int16_t FijaPresionPrimario, double CoefPresionPrimario)
{
    return CalculaPostesado(contexto, numeroCaso, FijaPresionPrimario, CoefPresionPrimario,
                            AnalizaHipotesis);
}

ErrorCalculo CalculaPostesado(ContextoCalculo &contexto, std::int32_t numeroCaso,
                              std::int16_t FijaPresionPrimario, double CoefPresionPrimario,
                              const AnalisisHipotesisPostesado &analiza)
{
    DisenoPostesado diseno(contexto, numeroCaso, analiza);
    return diseno.Calcula(FijaPresionPrimario, CoefPresionPrimario);
}

} // namespace dravek
