#include "apoyo/ProgresoGrabador.h"
#include "core/model/TextoRecurso.h"
#include "core/shell/PrincipalPrueba.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace dravek {
namespace {

using pruebas::ProgresoGrabador;
using Trabajo = ProgresoGrabador::Trabajo;

std::string T(std::int32_t n)
{
    return Texto(0, n);
}

// A saved project of three runs numbered 3, 7 and 9, the second one shown, with the commands
// reporting to a recording progress. Every run has three heights by three pressures.
struct ObraSeguida : pruebas::PrincipalPrueba {
    ObraSeguida()
    {
        obra.cargada = true;
        estado.obra.AbrirObraExistente = Verdadero;
        estado.obra.NombreFicheroObra = "/obras/presa.dvk";
        ponTexto(captura.edObra, "Presa de Itoiz");
        for (const char *tramo : {"3", "7", "9"}) {
            captura.edTramo.AddItem(tramo);
        }
        obra.CargaTramo(2);
        obra.cargas.clear();
    }
    bool Impreso() const
    {
        const auto &ops = impresora.operaciones();
        return std::any_of(ops.begin(), ops.end(), [](const pruebas::OperacionImpresora &op) {
            return op.tipo == pruebas::TipoOperacion::FinDocumento;
        });
    }
};

std::vector<std::int64_t> Serie(std::int64_t desde, std::int64_t hasta)
{
    std::vector<std::int64_t> v;
    for (std::int64_t i = desde; i <= hasta; ++i) {
        v.push_back(i);
    }
    return v;
}

// The project's runs are its steps, each shared out among its nine cases: every case reports
// the runs done so far and its share of the run it is in, every run its end.
constexpr std::int64_t P = ComandosCalculo::PasosPorTramo;
std::vector<std::int64_t> PasosObra(int tramos)
{
    std::vector<std::int64_t> v;
    for (int t = 0; t < tramos; ++t) {
        for (int caso = 1; caso <= 9; ++caso) {
            v.push_back(t * P + P * caso / 9);
        }
        v.push_back((t + 1) * P);
    }
    return v;
}

// The filling of the listing window ends the job: a short listing reports once more, with
// every step done.
std::vector<std::int64_t> YLlenado(std::vector<std::int64_t> pasos)
{
    pasos.push_back(pasos.back());
    return pasos;
}

TEST(ProgresoComandos, CadaOrdenCuentaSusPasos)
{
    {
        SCOPED_TRACE("un tramo, sus casos");
        ObraSeguida p;
        pulsa(p.forma.menu().mnCalculaTramo);
        EXPECT_EQ(p.progreso.trabajos, (std::vector<Trabajo>{{T(1526), T(214), 9}}));
        EXPECT_EQ(p.progreso.sigues, YLlenado(Serie(1, 9)));
        EXPECT_EQ(p.progreso.terminados, 1);
        EXPECT_EQ(p.ventanas.abiertas, std::vector<std::string>{"frEscribePantalla"});

        // Its print counts the same cases.
        p.progreso = {};
        pulsa(p.calculo.listado().btImprimeTramo);
        EXPECT_EQ(p.progreso.trabajos, (std::vector<Trabajo>{{T(1528), T(214), 9}}));
        EXPECT_EQ(p.progreso.sigues, Serie(1, 9));
        EXPECT_EQ(p.progreso.terminados, 1);
        EXPECT_TRUE(p.Impreso());
    }
    {
        SCOPED_TRACE("la obra, sus tramos");
        ObraSeguida p;
        pulsa(p.forma.menu().MnImprimir);
        EXPECT_EQ(p.progreso.trabajos, (std::vector<Trabajo>{{T(1527), T(214), 3 * P}}));
        EXPECT_EQ(p.progreso.sigues, YLlenado(PasosObra(3)));
        EXPECT_EQ(p.progreso.terminados, 1);
        ASSERT_EQ(p.ventanas.listados.size(), 1u);

        p.progreso = {};
        pulsa(p.calculo.listado().btImprimeTramo);
        EXPECT_EQ(p.progreso.trabajos, (std::vector<Trabajo>{{T(1529), T(214), 3 * P}}));
        EXPECT_EQ(p.progreso.sigues, PasosObra(3));
        EXPECT_EQ(p.progreso.terminados, 1);
        EXPECT_TRUE(p.Impreso());
    }
    {
        SCOPED_TRACE("una obra de un solo tramo avanza con sus casos");
        ObraSeguida p;
        p.captura.edTramo.Clear();
        p.captura.edTramo.AddItem("7");
        p.obra.CargaTramo(1);
        p.obra.cargas.clear();
        pulsa(p.forma.menu().MnImprimir);
        EXPECT_EQ(p.progreso.trabajos, (std::vector<Trabajo>{{T(1527), T(214), P}}));
        EXPECT_EQ(p.progreso.sigues, YLlenado(PasosObra(1)));
        EXPECT_GT(p.progreso.sigues.front(), 0);
    }
    {
        SCOPED_TRACE("un tramo rehusado antes de su primer caso no empieza nada");
        ObraSeguida p;
        p.estado.tramo.IncrementoAltura = 0.00001; // far too many cases
        p.mensajes.responde(RespuestaMensaje::Aceptar);
        pulsa(p.forma.menu().mnCalculaTramo);
        EXPECT_TRUE(p.progreso.trabajos.empty());
        EXPECT_TRUE(p.progreso.sigues.empty());
        EXPECT_EQ(p.progreso.terminados, 0);
    }
}

// Stopping a calculation, a listing or a print leaves nothing half done: no listing window,
// no message, no document, the run shown and its values as they were.
TEST(ProgresoComandos, DetenerNoDejaNadaAMedias)
{
    {
        SCOPED_TRACE("el cálculo de un tramo");
        ObraSeguida p;
        const DatosTramo antes = p.estado.tramo;
        p.progreso.detenerEn = 4;
        pulsa(p.forma.menu().mnCalculaTramo);
        EXPECT_EQ(p.diseno.tramos, std::vector<std::int16_t>(4, 7));
        EXPECT_EQ(p.progreso.sigues, Serie(1, 4));
        EXPECT_EQ(p.progreso.terminados, 1);
        EXPECT_TRUE(p.ventanas.abiertas.empty());
        EXPECT_TRUE(p.mensajes.mostrados().empty());
        EXPECT_FALSE(p.estado.ejecucion.EnUnidadesCalculo);
        EXPECT_DOUBLE_EQ(p.estado.tramo.ESP, antes.ESP);
        EXPECT_DOUBLE_EQ(p.estado.tramo.RECI, antes.RECI);
        EXPECT_DOUBLE_EQ(p.estado.tramo.RECE, antes.RECE);
        EXPECT_EQ(p.estado.tramo.vICUNA, antes.vICUNA);
        EXPECT_FALSE(p.estado.ejecucion.DatosModificados);

        // The next command is not stopped by the last one.
        p.progreso = {};
        p.diseno.tramos.clear();
        pulsa(p.forma.menu().mnCalculaTramo);
        EXPECT_EQ(p.diseno.tramos, std::vector<std::int16_t>(9, 7));
        EXPECT_EQ(p.ventanas.abiertas, std::vector<std::string>{"frEscribePantalla"});
    }
    {
        SCOPED_TRACE("el listado de la obra");
        ObraSeguida p;
        p.progreso.detenerEn = P; // as the first run ends
        pulsa(p.forma.menu().MnImprimir);
        EXPECT_EQ(p.diseno.tramos, std::vector<std::int16_t>(9, 3));
        EXPECT_TRUE(p.ventanas.abiertas.empty());
        EXPECT_TRUE(p.mensajes.mostrados().empty());
        EXPECT_EQ(p.progreso.terminados, 1);
        // The first run calculated, then the run shown back.
        EXPECT_EQ(p.obra.cargas, (std::vector<int>{1, 2}));
        EXPECT_EQ(p.captura.edTramo.Text(), "7");
        EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
    }
    {
        SCOPED_TRACE("el llenado de la ventana con el listado de un tramo");
        ObraSeguida p;
        const DatosTramo antes = p.estado.tramo;
        // The nine cases are calculated; the engineer stops the job as the window is filled.
        p.progreso.detenerEnAviso = 10;
        pulsa(p.forma.menu().mnCalculaTramo);
        EXPECT_EQ(p.diseno.tramos, std::vector<std::int16_t>(9, 7));
        EXPECT_EQ(p.progreso.sigues, YLlenado(Serie(1, 9)));
        EXPECT_EQ(p.progreso.terminados, 1);
        EXPECT_TRUE(p.ventanas.abiertas.empty());
        EXPECT_TRUE(p.mensajes.mostrados().empty());
        EXPECT_EQ(p.calculo.listado().edPantalla.Text(), "");
        EXPECT_EQ(p.calculo.listado().lineasPantalla.Lineas(), 0u);
        EXPECT_FALSE(p.estado.ejecucion.EnUnidadesCalculo);
        EXPECT_DOUBLE_EQ(p.estado.tramo.ESP, antes.ESP);
        EXPECT_EQ(p.captura.edTramo.Text(), "7");

        // The next command shows its whole listing, line by line as it was written.
        p.progreso = {};
        pulsa(p.forma.menu().mnCalculaTramo);
        ASSERT_EQ(p.ventanas.listados.size(), 1u);
        const frEscribePantalla &listado = p.calculo.listado();
        const std::string &texto = listado.edPantalla.Text();
        EXPECT_EQ(texto, p.ventanas.listados[0]);
        ASSERT_TRUE(listado.lineasPantalla.De(texto));
        std::string juntas;
        for (std::size_t i = 0; i < listado.lineasPantalla.Lineas(); ++i) {
            juntas.append(listado.lineasPantalla.Linea(texto, i)).push_back('\n');
        }
        EXPECT_EQ(juntas, texto + "\n");
    }
    {
        SCOPED_TRACE("el llenado de la ventana con el listado de la obra");
        ObraSeguida p;
        p.progreso.detenerEnAviso = PasosObra(3).size() + 1;
        pulsa(p.forma.menu().MnImprimir);
        EXPECT_EQ(p.diseno.tramos.size(), 27u);
        EXPECT_EQ(p.progreso.sigues, YLlenado(PasosObra(3)));
        EXPECT_TRUE(p.ventanas.abiertas.empty());
        EXPECT_TRUE(p.mensajes.mostrados().empty());
        EXPECT_EQ(p.calculo.listado().edPantalla.Text(), "");
        EXPECT_EQ(p.progreso.terminados, 1);
        // Every run calculated, then the run shown back.
        EXPECT_EQ(p.obra.cargas, (std::vector<int>{1, 2, 3, 2}));
        EXPECT_EQ(p.captura.edTramo.Text(), "7");
        EXPECT_FALSE(p.estado.ejecucion.DatosModificados);
    }
    {
        SCOPED_TRACE("la impresión de la obra");
        ObraSeguida p;
        pulsa(p.forma.menu().MnImprimir);
        ASSERT_EQ(p.ventanas.listados.size(), 1u);
        p.progreso = {};
        p.progreso.detenerEn = 2 * P; // as the second run ends
        p.diseno.tramos.clear();
        p.obra.cargas.clear();
        pulsa(p.calculo.listado().btImprimeTramo);
        std::vector<std::int16_t> impresos(9, 3);
        impresos.insert(impresos.end(), 9, 7);
        EXPECT_EQ(p.diseno.tramos, impresos);
        EXPECT_EQ(p.trabajo.empezados, 1);
        EXPECT_EQ(p.trabajo.abortados, 1);
        EXPECT_FALSE(p.Impreso());
        EXPECT_TRUE(p.mensajes.mostrados().empty());
        EXPECT_EQ(p.obra.cargas, (std::vector<int>{1, 2, 2}));
        // The listing window stays, to print again.
        EXPECT_TRUE(p.calculo.listado().Cargada());
        EXPECT_EQ(p.progreso.terminados, 1);
    }
    {
        SCOPED_TRACE("la impresión de un tramo");
        ObraSeguida p;
        pulsa(p.forma.menu().mnCalculaTramo);
        p.progreso = {};
        p.progreso.detenerEn = 5;
        p.diseno.tramos.clear();
        pulsa(p.calculo.listado().btImprimeTramo);
        EXPECT_EQ(p.diseno.tramos, std::vector<std::int16_t>(5, 7));
        EXPECT_EQ(p.trabajo.abortados, 1);
        EXPECT_FALSE(p.Impreso());
        EXPECT_TRUE(p.mensajes.mostrados().empty());
        EXPECT_TRUE(p.calculo.listado().Cargada());
        EXPECT_FALSE(p.estado.ejecucion.EnUnidadesCalculo);
    }
}

} // namespace
} // namespace dravek
