#include "core/storage/FicheroAjustes.h"

#include "core/storage/FormasRegistro.h"

#include <cmath>
#include <utility>

namespace dravek {

namespace {

constexpr std::int32_t RegistrosEntrada = 8;
// Cases closer than this in DP (at) and in fill height (m) are the same case.
constexpr double ToleranciaCaso = 0.05;

constexpr std::int32_t Registro(std::int16_t k, std::int32_t j)
{
    return RegistrosEntrada * (k - 1) + j;
}

} // namespace

FicheroAjustes::FicheroAjustes(SistemaFicheros &ficheros, std::string nombre,
                               const EstadoEjecucion &ejecucion)
    : m_ficheros(ficheros), m_nombre(std::move(nombre)), m_ejecucion(ejecucion)
{
}

bool FicheroAjustes::Carga(ResultadoAjustes &resultado)
{
    m_leido = true;
    const LecturaFichero lectura = m_ficheros.Lee(m_nombre);
    switch (lectura.estado) {
    case LecturaFichero::Estado::NoExiste:
        m_fichero = FicheroRegistros();
        m_legible = true;
        break;
    case LecturaFichero::Estado::Leido:
        m_fichero = FicheroRegistros(lectura.bytes);
        m_legible = true;
        break;
    case LecturaFichero::Estado::Fallo:
        m_fichero = FicheroRegistros();
        m_legible = false;
        resultado = {ResultadoAjustes::Estado::Ilegible, lectura.error};
        break;
    }
    return m_legible;
}

bool FicheroAjustes::Cargado()
{
    if (!m_leido) {
        ResultadoAjustes ignorado;
        Carga(ignorado);
    }
    return m_legible;
}

std::optional<std::int32_t> FicheroAjustes::UltimoRegistro() const
{
    const std::optional<std::string> s = m_fichero.LeeRegistro(1);
    if (!s) {
        return std::nullopt;
    }
    if (EstaVacio(*s)) {
        return 0;
    }
    const std::optional<std::int16_t> valor = LeeEntero(*s, m_ejecucion);
    if (!valor || *valor < 0) {
        return std::nullopt;
    }
    return *valor;
}

std::optional<FicheroAjustes::Entrada> FicheroAjustes::LeeEntrada(std::int16_t k) const
{
    const auto real = [&](std::int32_t j) -> std::optional<double> {
        const std::optional<std::string> s = m_fichero.LeeRegistro(Registro(k, j));
        if (!s) {
            return std::nullopt;
        }
        return EstaVacio(*s) ? std::optional<double>(0.0) : LeeReal(*s, m_ejecucion);
    };
    const std::optional<std::string> tramo = m_fichero.LeeRegistro(Registro(k, 3));
    const std::optional<double> dp = real(2);
    const std::optional<double> altura = real(7);
    if (!tramo || !dp || !altura) {
        return std::nullopt;
    }
    Entrada entrada{*dp, 0, *altura};
    if (!EstaVacio(*tramo)) {
        const std::optional<std::int16_t> numero = LeeEntero(*tramo, m_ejecucion);
        if (!numero) {
            return std::nullopt;
        }
        entrada.Tramo = *numero;
    }
    return entrada;
}

std::int16_t FicheroAjustes::Busca(double DP, std::int16_t TramoActual, double AlturaActual) const
{
    const std::optional<std::int32_t> ultimo = UltimoRegistro();
    if (!ultimo) {
        return AjustesIlegibles;
    }
    const auto n = static_cast<std::int16_t>(*ultimo / RegistrosEntrada);
    std::int16_t libre = 0;
    for (std::int16_t k = 1; k <= n; ++k) {
        const std::optional<Entrada> e = LeeEntrada(k);
        if (!e) {
            return AjustesIlegibles;
        }
        if (std::abs(e->DP - DP) < ToleranciaCaso && e->Tramo == TramoActual &&
            std::abs(e->Altura - AlturaActual) < ToleranciaCaso) {
            return k;
        }
        if (e->DP == 0 && e->Tramo == 0 && e->Altura == 0) {
            libre = k;
        }
    }
    return static_cast<std::int16_t>(-libre);
}

std::int16_t FicheroAjustes::BuscaAjusteGuardado(double DP, std::int16_t TramoActual,
                                                 double AlturaActual)
{
    if (!Cargado()) {
        return AjustesIlegibles;
    }
    return Busca(DP, TramoActual, AlturaActual);
}

std::optional<AjusteGuardado> FicheroAjustes::LeeAjusteGuardado(std::int16_t k)
{
    if (!Cargado()) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> ultimo = UltimoRegistro();
    if (!ultimo || k < 1 || k > *ultimo / RegistrosEntrada) {
        return std::nullopt;
    }
    double areas[3] = {0, 0, 0};
    for (std::int32_t j = 4; j <= 6; ++j) {
        const std::optional<std::string> s = m_fichero.LeeRegistro(Registro(k, j));
        if (!s) {
            return std::nullopt;
        }
        if (!EstaVacio(*s)) {
            const std::optional<double> valor = LeeReal(*s, m_ejecucion);
            if (!valor) {
                return std::nullopt;
            }
            areas[j - 4] = *valor;
        }
    }
    return AjusteGuardado{areas[0], areas[1], areas[2]};
}

std::string FicheroAjustes::Texto(double valor) const
{
    return TextoReal(valor, Mascara2, m_ejecucion.SeparadorDecimalLocal);
}

ResultadoAjustes FicheroAjustes::Guarda(const FicheroRegistros &nuevo)
{
    const std::string error = m_ficheros.EscribeEntero(m_nombre, nuevo.Bytes());
    if (!error.empty()) {
        return {ResultadoAjustes::Estado::FalloEscritura, error};
    }
    m_fichero = nuevo;
    return {};
}

ResultadoAjustes FicheroAjustes::GrabaUnTramoPresion(double DP, std::int16_t TramoActual,
                                                     double AlturaActual,
                                                     const std::optional<AjusteGuardado> &eleccion)
{
    ResultadoAjustes resultado;
    if (!Carga(resultado)) {
        return resultado;
    }
    const std::optional<std::int32_t> ultimo = UltimoRegistro();
    const std::int16_t r = Busca(DP, TramoActual, AlturaActual);
    if (!ultimo || r == AjustesIlegibles) {
        return {ResultadoAjustes::Estado::Ilegible, {}};
    }
    FicheroRegistros nuevo = m_fichero;
    if (r > 0) {
        if (eleccion) {
            nuevo.Escribe(Registro(r, 4), Texto(eleccion->Camisa));
            nuevo.Escribe(Registro(r, 5), Texto(eleccion->Refuerzo));
            nuevo.Escribe(Registro(r, 6), Texto(eleccion->Exterior));
            nuevo.Escribe(Registro(r, 7), Texto(AlturaActual));
        } else {
            for (std::int32_t j = 2; j <= 7; ++j) {
                nuevo.Escribe(Registro(r, j), Texto(0));
            }
        }
        return Guarda(nuevo);
    }
    if (!eleccion) {
        return {};
    }
    std::int16_t k = static_cast<std::int16_t>(-r);
    if (k == 0) {
        const std::int32_t n = *ultimo / RegistrosEntrada;
        if (n >= MaximoAjustes) {
            return {ResultadoAjustes::Estado::Lleno, {}};
        }
        k = static_cast<std::int16_t>(n + 1);
        nuevo.Escribe(1, TextoEntero(RegistrosEntrada * k + 1));
    }
    nuevo.Escribe(Registro(k, 2), Texto(DP));
    nuevo.Escribe(Registro(k, 3), Texto(TramoActual));
    nuevo.Escribe(Registro(k, 4), Texto(eleccion->Camisa));
    nuevo.Escribe(Registro(k, 5), Texto(eleccion->Refuerzo));
    nuevo.Escribe(Registro(k, 6), Texto(eleccion->Exterior));
    nuevo.Escribe(Registro(k, 7), Texto(AlturaActual));
    return Guarda(nuevo);
}

ResultadoAjustes FicheroAjustes::AnulaAjustesTramo(std::int16_t TramoActual)
{
    ResultadoAjustes resultado;
    if (!Carga(resultado)) {
        return resultado;
    }
    const std::optional<std::int32_t> ultimo = UltimoRegistro();
    if (!ultimo) {
        return {ResultadoAjustes::Estado::Ilegible, {}};
    }
    FicheroRegistros nuevo = m_fichero;
    bool cambiado = false;
    const std::int32_t n = *ultimo / RegistrosEntrada;
    for (std::int16_t k = 1; k <= n; ++k) {
        const std::optional<Entrada> e = LeeEntrada(k);
        if (!e) {
            return {ResultadoAjustes::Estado::Ilegible, {}};
        }
        if (e->Tramo == TramoActual) {
            for (std::int32_t j = 2; j <= RegistrosEntrada + 1; ++j) {
                nuevo.Escribe(Registro(k, j), Texto(0));
            }
            cambiado = true;
        }
    }
    return cambiado ? Guarda(nuevo) : ResultadoAjustes{};
}

ResultadoAjustes FicheroAjustes::Vacia()
{
    m_leido = true;
    m_legible = true;
    if (m_ficheros.Lee(m_nombre).estado == LecturaFichero::Estado::NoExiste) {
        m_fichero = FicheroRegistros();
        return {};
    }
    return Guarda(FicheroRegistros());
}

} // namespace dravek
