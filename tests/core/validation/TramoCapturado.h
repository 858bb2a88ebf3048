#pragma once

// Runs as the engineer leaves them before a command: a new run (the full clearing and the
// defaults of its typology) with the few boxes typed that the defaults leave empty, and the
// project's ranges checked.

#include "VentanaValidacion.h"
#include "core/entry/LimpiezaTramo.h"
#include "core/entry/ValidacionTramo.h"

#include <gtest/gtest.h>

namespace dravek::pruebas {

// Forgets the messages and voidings of the preparation; the run counts as unchanged, as after a
// load or a save.
inline void EmpiezaLimpio(VentanaValidacion &p)
{
    p.mensajes.avisos.clear();
    p.mensajes.grabadora.olvida();
    p.ajustes.olvida();
    p.estado.ejecucion.DatosModificados = false;
}

// Reinforced concrete: project MDP 10 and a fill of 3 m; run 1, a 1 m pipe with a 12 cm wall and
// 2.5 cm covers in a 2.416 m trench (1.4 x 1.24 + 0.68), the defaults for the rest.
inline void TramoArmado(VentanaValidacion &p)
{
    CapturaDatos &v = p.captura;
    LimpiaDatosPantalla(v, NivelLimpiezaTramo::Completa);
    PonDefectosArmado(v);
    ponTexto(v.edPrsM1, "10");
    ponTexto(v.edAlt1, "3");
    ASSERT_TRUE(ValidaPresionesAlturasObra(v));
    ponTexto(v.edTramo, "1");
    ponTexto(v.edDescriTramo, "TRAMO 1");
    ponTexto(v.edDi0, "1");
    ponTexto(v.edEsp0, "12");
    ponTexto(v.edReci0, "2,5");
    ponTexto(v.edRece0, "2,5");
    ponTexto(v.edB0, "2,416");
    EmpiezaLimpio(p);
}

// The same run made post-tensioned by the typology tab (embedded cylinder, or lined), with a
// 10 cm wall, a 1 cm inner cover (embedded only) and a 2.5 cm coating.
inline void TramoPostesado(VentanaValidacion &p, bool revestido)
{
    TramoArmado(p);
    CapturaDatos &v = p.captura;
    ponPestana(v.TabTipologia, 1);
    if (revestido) {
        ponValor(v.TipoCamisa, 1, true);
    }
    ASSERT_EQ(p.estado.tramo.Tipologia, revestido ? 2221 : 2211);
    ponTexto(v.edEsp0, "10");
    if (!revestido) {
        ponTexto(v.edReci0, "1");
    }
    ponTexto(v.edRece0, "2,5");
    ponPestana(v.TabPrincipal, 0);
    EmpiezaLimpio(p);
}

} // namespace dravek::pruebas
