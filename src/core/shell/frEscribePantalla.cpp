#include "core/shell/frEscribePantalla.h"

#include "core/model/TextoRecurso.h"

namespace dravek {

frEscribePantalla::frEscribePantalla(EstadoObra &estado) : m_estado(estado)
{
    rdTipoListado.Click = [this](int Index) { rdTipoListado_Click(Index); };
    btImprimeTramo.Click = [this] { btImprimeTramo_Click(); };
    btSalir.Click = [this] { btSalir_Click(); };
}

void frEscribePantalla::PonTextos()
{
    const std::int32_t d = m_estado.ejecucion.DesplazamientoIdioma;
    frTipoListado.Caption = Texto(d, 502);
    frTipoListadoToolTipText = Texto(d, 958);
    for (int i = 0; i < 4; ++i) {
        rdTipoListado[i].Caption = Texto(d, 503 + i);
    }
    btImprimeTramo.Caption = Texto(d, 507);
    btSalir.Caption = Texto(d, 508);
}

void frEscribePantalla::Form_Load()
{
    m_cargada = true;
    PonTextos();
    rdTipoListado[3].Visible = m_estado.tramo.Tipologia >= 2211;

    const EstadoListado &listado = m_estado.listado;
    const int opcion = listado.TipoListado == ClaseListado::Normal && listado.ListadoLame
                           ? 3
                           : static_cast<int>(listado.TipoListado);
    // The option may already be the selected one from an earlier loading: the kind is set
    // from it all the same, as a click would.
    if (rdTipoListado.Seleccionada() == opcion) {
        rdTipoListado_Click(opcion);
    } else {
        ponValor(rdTipoListado, opcion, true);
    }
}

void frEscribePantalla::rdTipoListado_Click(int Index)
{
    EstadoListado &listado = m_estado.listado;
    if (Index == 3) {
        listado.ListadoLame = true;
        listado.TipoListado = ClaseListado::Normal;
    } else {
        listado.TipoListado = static_cast<ClaseListado>(Index);
        listado.ListadoLame = false;
    }
}

void frEscribePantalla::btImprimeTramo_Click()
{
    // A print stopped by a run that cannot be calculated keeps the window open.
    if (Imprime && Imprime()) {
        Unload();
    }
}

void frEscribePantalla::btSalir_Click()
{
    Unload();
}

} // namespace dravek
