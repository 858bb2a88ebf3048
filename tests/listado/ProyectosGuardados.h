#pragma once

// The stored projects of the listing tool's tests, as the storage code writes them when an
// engineer types them: a reinforced-concrete project with a stored reinforcement override, a
// post-tensioned one, and one in SI with a total vertical load typed.

#include "apoyo/ObraPrueba.h"
#include "apoyo/TramosTecleados.h"
#include "core/storage/FicheroAjustes.h"

#include <string>
#include <vector>

namespace dravek::pruebas {

struct ProyectoGuardado {
    std::string nombre; // file name without its ending
    std::string dvk;    // bytes of the project file
    std::string dpe;    // bytes of the adjustments file; empty when it has none
};

inline TramoTecleado ArmadoListado()
{
    TramoTecleado t;
    t.descripcion = "Tramo 1 – cruce del arroyo";
    t.alturaFinal = 3;
    return t;
}

inline std::vector<ProyectoGuardado> ProyectosGuardados()
{
    std::vector<ProyectoGuardado> proyectos;
    const std::string ruta = "/obras/proyecto.dvk";
    const std::string rutaAjustes = "/obras/proyecto.dpe";

    {
        // Reinforced concrete in MKS under a comma locale: two runs, and an override of run 1
        // at DP 10 at and 2 m of fill.
        ObraPrueba o(',');
        Tecleo t(o, false);
        t.ObraNueva("Conducción Río Ebro – Tramo Norte");
        t.Teclea(ArmadoListado());
        t.Graba(ruta);
        TramoTecleado dos;
        dos.descripcion = "Tramo 2 – ladera";
        dos.vDi = 0.8;
        dos.ESP = 8;
        dos.RECI = 2.5;
        dos.RECE = 2.5;
        dos.alturaInicial = 2.5;
        dos.alturaFinal = 2.5;
        dos.incrementoAltura = 0;
        dos.MDPInicial = 0;
        t.Teclea(dos);
        t.Graba();
        FicheroAjustes ajustes(o.ficheros, rutaAjustes, o.estado.ejecucion);
        EXPECT_TRUE(ajustes.GrabaUnTramoPresion(10, 1, 2, AjusteGuardado{15, 5, 40}));
        proyectos.push_back(
            {"armado", o.ficheros.Contenido(ruta), o.ficheros.Contenido(rutaAjustes)});
    }
    {
        // Post-tensioned in MKS under a point locale: an embedded and a lined cylinder.
        ObraPrueba o('.');
        Tecleo t(o, false);
        t.ObraNueva("Arteria de la Vega");
        TramoTecleado embebida;
        embebida.Tipologia = 2211;
        embebida.descripcion = "Camisa embebida";
        embebida.ESP = 10;
        embebida.RECI = 1;
        embebida.RECE = 2.5;
        embebida.alturaFinal = 3;
        t.Teclea(embebida);
        t.Graba(ruta);
        TramoTecleado revestida = embebida;
        revestida.Tipologia = 2221;
        revestida.descripcion = "Camisa revestida";
        revestida.alturaInicial = 4;
        revestida.alturaFinal = 4;
        revestida.incrementoAltura = 0;
        revestida.MDPInicial = 0;
        t.Teclea(revestida);
        t.Graba();
        proyectos.push_back({"postesado", o.ficheros.Contenido(ruta), {}});
    }
    {
        // SI under a comma locale, a total vertical load of 25 t/m2 typed (0,25 MPa), the
        // project's heights and pressures.
        ObraPrueba o(',');
        Tecleo t(o, true);
        t.ObraNueva("Colector de la ronda");
        TramoTecleado carga;
        carga.descripcion = "Carga total dada";
        carga.cargaTotal = 25;
        carga.alturaInicial = 0;
        carga.MDPInicial = 0;
        t.Teclea(carga);
        t.Graba(ruta);
        proyectos.push_back({"carga_si", o.ficheros.Contenido(ruta), {}});
    }
    return proyectos;
}

} // namespace dravek::pruebas
