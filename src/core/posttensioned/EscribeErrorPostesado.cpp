#include "core/posttensioned/EscribeErrorPostesado.h"

#include "core/posttensioned/ListadoPostesado.h"

namespace dravek {

namespace {

// The search pass only records its failures: the listing pass meets them again with the
// fixed wire and writes them there.
constexpr std::int16_t PasadaBusqueda = 1;

// Lines the failure takes on the Pantalla page: the blank line and the message.
constexpr std::int32_t LineasFalloPantalla = 2;

constexpr double PuntosMensaje = 12;
constexpr double PuntosNormales = 10;

} // namespace

void EscritorFallosListado::EscribeErrorPostesado(const std::string &texto,
                                                  std::int32_t numeroCaso, std::int16_t hipotesis,
                                                  std::int16_t pasada)
{
    EstadoObra &estado = m_contexto.estado;
    SalidaListado &salida = m_contexto.salida;
    estado.resultados.MensajeFallo = texto;
    if (pasada == PasadaBusqueda) {
        return;
    }

    const EstadoListado &listado = estado.listado;
    if (!listado.Imprimiendo) {
        salida.EscribePantalla(1, "  ** " + texto + " **", 1);
        return;
    }
    Impresora &impresora = salida.impresora();
    switch (listado.TipoListado) {
    case ClaseListado::Normal:
        ++estado.listado.NumeroPagina;
        impresora.NuevaPagina();
        salida.CabeceraPagina(estado, numeroCaso, false);
        ListaHipotesis(m_contexto, hipotesis);
        impresora.PonNegrita(true);
        impresora.PonTamanoFuente(PuntosMensaje);
        salida.ImprimeLinea(texto);
        impresora.PonTamanoFuente(PuntosNormales);
        impresora.PonNegrita(false);
        break;
    case ClaseListado::Pantalla:
        salida.CabeceraCaso(estado, LineasFalloPantalla);
        salida.SaltaLineas(estado, 1);
        impresora.PonNegrita(true);
        salida.ImprimeLinea("** " + texto + " **");
        impresora.PonNegrita(false);
        break;
    case ClaseListado::Tabular:
        break;
    }
}

} // namespace dravek
