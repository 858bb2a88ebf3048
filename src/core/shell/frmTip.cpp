#include "core/shell/frmTip.h"

#include "core/model/TextoRecurso.h"
#include "core/storage/Registro.h"
#include "core/validation/FuncionesGenerales.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>

namespace dravek {

namespace {

constexpr std::int32_t TextoArchivoNoEncontrado = 703;
constexpr std::int32_t TextoAdvertenciaDerechoUso = 704;
constexpr std::int32_t TextoInstruccionTorroja = 705;

constexpr std::int16_t AdvertenciaInicio = 1;
constexpr const char *AjusteMostrar = "1";
constexpr const char *AjusteOcultar = "0";

} // namespace

frmTip::frmTip(EstadoObra &estado, AlmacenConfiguracion &almacen)
    : m_estado(estado), m_almacen(almacen)
{
    chkLoadTipsAtStartup.Click = [this] { chkLoadTipsAtStartup_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    rtBox1.Locked = true;
}

std::string frmTip::T(std::int32_t n) const
{
    return Texto(m_estado.ejecucion.DesplazamientoIdioma, n);
}

void frmTip::Form_Load()
{
    Caption = T(701);
    chkLoadTipsAtStartup.Caption = T(702);
    cmdOK.Caption = T(682);

    // The box shows what the setting holds; only the engineer's own change is written, so
    // opening the notice never turns "show at start-up" back on by itself.
    m_cargando = true;
    ponValor(chkLoadTipsAtStartup, MostrarAdvertenciaAlIniciar(m_almacen) ? EstadoCasilla::Marcada
                                                                          : EstadoCasilla::Vacia);
    m_cargando = false;

    std::int16_t &modo = m_estado.ejecucion.ModoAdvertencia;
    if (modo != 2 && modo != 3) {
        modo = AdvertenciaInicio;
    }

    const std::string fichero = T(407);
    if (!LoadTips(m_estado.ejecucion.RutaAplicacion + fichero)) {
        const std::string texto = T(TextoArchivoNoEncontrado) + fichero + "\n" +
                                  T(TextoAdvertenciaDerechoUso) + "\n" +
                                  T(TextoInstruccionTorroja);
        m_documento = DocumentoRico::DeTextoPlano(texto);
        ponTexto(rtBox1, texto);
    }
    SetFocus(cmdOK);
}

bool frmTip::LoadTips(const std::string &sFile)
{
    if (sFile.empty()) {
        return false;
    }
    std::error_code error;
    if (!std::filesystem::is_regular_file(sFile, error)) {
        return false;
    }
    std::optional<DocumentoRico> documento = LeeFicheroTextoRico(sFile);
    if (!documento) {
        return false;
    }
    m_documento = std::move(*documento);
    ponTexto(rtBox1, m_documento.TextoPlano());
    return true;
}

void frmTip::chkLoadTipsAtStartup_Click()
{
    if (m_cargando || m_estado.ejecucion.ModoAdvertencia != AdvertenciaInicio) {
        return;
    }
    m_almacen.GrabaAjuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias,
                          chkLoadTipsAtStartup.Value() == EstadoCasilla::Marcada ? AjusteMostrar
                                                                                 : AjusteOcultar);
}

void frmTip::cmdOK_Click()
{
    m_descargada = true;
}

bool MostrarAdvertenciaAlIniciar(AlmacenConfiguracion &almacen)
{
    const std::string valor =
        almacen.LeeAjuste(AplicacionAjustes, SeccionOpciones, ClaveMostrarSugerencias)
            .value_or(AjusteMostrar);
    const std::optional<double> numero = ConvierteNumeroLocal(valor, ".");
    if (!numero) {
        return false;
    }
    // Read as the 32-bit whole number it is stored as: a value beyond it is no number at all.
    const double entero = std::nearbyint(*numero);
    if (entero < std::numeric_limits<std::int32_t>::min() ||
        entero > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    return entero != 0;
}

bool PreparaAdvertenciaInicio(EstadoEjecucion &ejecucion, AlmacenConfiguracion &almacen)
{
    if (!MostrarAdvertenciaAlIniciar(almacen)) {
        return false;
    }
    ejecucion.ModoAdvertencia = AdvertenciaInicio;
    return true;
}

} // namespace dravek
