#include "core/reinforced/ListadoAvisos.h"

#include "core/listing/FormatoNumeros.h"

namespace dravek {

bool EscribeEnNormal(const EstadoObra &estado, PasadaNormal pasada)
{
    return pasada == PasadaNormal::Cualquiera || estado.resultados.PasadaDefinitiva;
}

void ListaAvisoCaso(ContextoCalculo &contexto, const std::string &texto, PasadaNormal pasada)
{
    EstadoObra &estado = contexto.estado;
    SalidaListado &salida = contexto.salida;
    if (!estado.listado.Imprimiendo) {
        salida.EscribePantalla(1, Blancos(2) + "** " + texto + " **", 1);
        return;
    }
    switch (estado.listado.TipoListado) {
    case ClaseListado::Normal:
        if (EscribeEnNormal(estado, pasada)) {
            salida.SaltaLineas(estado, 1);
            salida.ImprimeLinea(Blancos(10) + texto);
            salida.SaltaLineas(estado, 2);
        }
        break;
    case ClaseListado::Pantalla:
        salida.CabeceraCaso(estado, 2);
        salida.SaltaLineas(estado, 1);
        salida.impresora().PonNegrita(true);
        salida.ImprimeLinea(Blancos(9) + texto);
        salida.impresora().PonNegrita(false);
        break;
    case ClaseListado::Tabular:
        break;
    }
}

void ListaAvisoResaltado(ContextoCalculo &contexto, const std::string &texto, PasadaNormal pasada)
{
    EstadoObra &estado = contexto.estado;
    SalidaListado &salida = contexto.salida;
    if (!estado.listado.Imprimiendo) {
        salida.EscribePantalla(1, Blancos(2) + texto, 1);
        return;
    }
    switch (estado.listado.TipoListado) {
    case ClaseListado::Normal:
        if (!EscribeEnNormal(estado, pasada)) {
            return;
        }
        break;
    case ClaseListado::Pantalla:
        salida.CabeceraCaso(estado, 3);
        break;
    case ClaseListado::Tabular:
        return;
    }
    salida.SaltaLineas(estado, 1);
    salida.impresora().PonNegrita(true);
    salida.ImprimeLinea(Blancos(10) + texto);
    salida.impresora().PonNegrita(false);
    salida.SaltaLineas(estado, 1);
}

} // namespace dravek
