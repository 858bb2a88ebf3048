// The adjustment window over a project as the engineer makes it: typed into the data-entry
// window in SI or MKS, saved, then opened again from the main menu, its run chosen and the
// window opened by the menu command; the steps between pressures and heights and a store.

#include "AjustesPrueba.h"
#include "apoyo/AlmacenConfiguracionEnMemoria.h"
#include "apoyo/ObraPrueba.h"
#include "apoyo/ProgramaPrueba.h"
#include "apoyo/ProgresoGrabador.h"
#include "apoyo/TextosPlataformaGrabadora.h"
#include "apoyo/TrabajoFalso.h"
#include "apoyo/TramosTecleados.h"
#include "apoyo/VentanasNulas.h"
#include "apoyo/VistaCapturaNula.h"
#include "core/entry/ObraCapturaDatos.h"
#include "core/model/TextoRecurso.h"
#include "core/shell/ComandosCalculo.h"
#include "core/shell/FormaPrincipal.h"
#include "core/storage/FicheroAjustes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace dravek {
namespace {

using pruebas::MensajeMostrado;

const std::string Ruta = "/obras/sifon.dvk";

MensajeMostrado Aviso(std::int32_t n)
{
    return {Texto(0, n), BotonesMensaje::Aceptar, IconoMensaje::Exclamacion, Texto(0, 689)};
}

// A new project whose pressures are the project's: MDP 8 to 12 at by 2 (0.8 to 1.2 MPa by 0.2),
// the DP of each end left for the window to derive (MDP / 1.1), shown as 7.27 and 10.91 at or
// 0.73 and 1.09 MPa; one reinforced run with fill heights 2 to 4 m by 1 and no pressures of
// its own, saved. The project's bytes.
std::string ObraTecleada(bool enSI)
{
    pruebas::ObraPrueba o;
    pruebas::Tecleo t(o, enSI);
    t.ObraNueva("Sifón del canal");
    CapturaDatos &v = o.captura;
    // Typed as the engineer types them, each box left for the next.
    const std::pair<ControlTexto *, double> presiones[] = {
        {&v.edPrsM1, 8}, {&v.edPrsM2, 12}, {&v.edPrs3, 2}};
    for (const auto &[caja, mks] : presiones) {
        EXPECT_TRUE(v.cambiaFoco(*caja)) << caja->Name();
        ponTexto(*caja, t.numero(mks, "#####0.00"));
    }
    EXPECT_TRUE(v.cambiaFoco(v.edObra));
    EXPECT_EQ(v.edPrs1.Text(), enSI ? "0,73" : "7,27");
    EXPECT_EQ(v.edPrs2.Text(), enSI ? "1,09" : "10,91");
    pruebas::TramoTecleado tramo;
    tramo.descripcion = "Cruce del canal";
    tramo.MDPInicial = 0;
    t.Teclea(tramo);
    t.Graba(Ruta);
    EXPECT_FALSE(o.estado.ejecucion.DatosModificados);
    return o.ficheros.Contenido(Ruta);
}

class VentanasAjustes final : public pruebas::VentanasNulas {
public:
    // The window is modal: the engineer works in it before the command returns.
    void MuestraAjustes() override
    {
        std::unique_ptr<frAjustes> v = calculo->CargaAjustes();
        ASSERT_NE(v, nullptr);
        enLaVentana(*v);
    }

    ComandosCalculo *calculo = nullptr;
    std::function<void(frAjustes &)> enLaVentana;
};

// The main window with the real data-entry window and calculation commands, over files in
// memory, the project opened from the menu and its run chosen.
class Banco {
public:
    explicit Banco(const std::string &bytes)
    {
        estado.ejecucion.CarpetaDepuracion = m_programa.carpeta().string();
        for (int j = 1; j <= 100; ++j) {
            estado.tablas.ArmadurasInternasPredeterminadas[static_cast<std::size_t>(j)] = 5.0 * j;
        }
        estado.tablas.NumeroArmadurasInternas = 100;
        ventanas.calculo = &calculo;
        forma.Conecta(obra, ventanas, calculo);
        obra.PonComandos(calculo);

        ficheros.Pon(Ruta, bytes);
        dialogos.responde(Ruta);
        pulsa(forma.menu().MnAbriFichero);
        EXPECT_NE(obra.Captura(), nullptr);
        if (CapturaDatos *v = obra.Captura()) {
            ponTexto(v->edTramo, "1");
            bool Cancel = false;
            v->edTramo_Validate(Cancel);
            EXPECT_FALSE(Cancel);
        }
    }
    Banco(const Banco &) = delete;
    Banco &operator=(const Banco &) = delete;

    // The menu command, with what the engineer does in the window.
    void ajusta(std::function<void(frAjustes &)> enLaVentana)
    {
        ventanas.enLaVentana = std::move(enLaVentana);
        pulsa(forma.menu().mnAjustarArmaduras);
    }
    // The case's entry as the adjustments file holds it.
    std::optional<AjusteGuardado> entrada(double DP, double altura)
    {
        FicheroAjustes f(ficheros, "/obras/sifon.dpe", estado.ejecucion);
        const std::int16_t k = f.BuscaAjusteGuardado(DP, 1, altura);
        return k > 0 ? f.LeeAjusteGuardado(k) : std::nullopt;
    }

    EstadoObra estado;
    pruebas::MensajesGrabadora mensajes{pruebas::Guion::Estricto};
    pruebas::FicherosEnMemoria ficheros;
    pruebas::DialogosFicheroGuionizados dialogos;
    pruebas::AlmacenConfiguracionEnMemoria configuracion;
    pruebas::TextosPlataformaGrabadora textos;
    FormaPrincipal forma{estado, mensajes, configuracion, textos};
    pruebas::CerrojosEnMemoria cerrojos;
    ObraCapturaDatos obra{estado,
                          {mensajes, forma.menu(), ficheros, dialogos, configuracion, cerrojos,
                           forma, pruebas::SinVista()}};
    VentanasAjustes ventanas;
    pruebas::TrabajoFalso trabajo;
    pruebas::RelojFijo reloj;
    pruebas::ImpresoraGrabadora impresora;
    SalidaListado salida{reloj, impresora};
    pruebas::DepuracionNula depuracion;
    pruebas::DisenoFijo diseno;
    pruebas::ProgresoGrabador progreso;
    ComandosCalculo calculo{
        estado,
        {mensajes, salida, depuracion, diseno, obra, ventanas, trabajo, progreso, nullptr}};

private:
    pruebas::ProgramaPrueba m_programa{estado, "dravek_ajustes_obra"};
};

// The steps of a project saved in either system: the DP law from 7.27 (7.3 in SI, as 0.73 MPa
// was saved) to 10.91 (10.9) at, a DP step of 2 / (4 / 3.64) = 1.82 at (0.2 / (0.4 / 0.36) =
// 0.18 MPa, 1.8 at); the window works in at and shows the unit of the project.
TEST(frAjustesObra, PasosDePresionYAlturaEnAmbosSistemas)
{
    struct Caso {
        bool enSI;
        double DP[3];         // at
        const char *visto[3]; // txPresion
        const char *unidad;
    };
    const Caso casos[] = {
        {false, {7.27, 9.09, 10.91}, {"7,27", "9,09", "10,91"}, " (at)"},
        {true, {7.3, 9.1, 10.9}, {"0,73", "0,91", "1,09"}, " (MPa)"},
    };
    for (const Caso &c : casos) {
        SCOPED_TRACE(c.enSI ? "SI" : "MKS");
        Banco b(ObraTecleada(c.enSI));
        ASSERT_NE(b.obra.Captura(), nullptr);
        EXPECT_EQ(b.estado.ejecucion.SistemaUnidades, c.enSI ? "SI" : "MKS");
        bool abierta = false;
        b.ajusta([&](frAjustes &v) {
            abierta = true;
            const auto caso = [&] { return b.diseno.casos.back(); };
            const auto enCaso = [&](double H, int p) {
                EXPECT_NEAR(caso().first, H, 1e-9);
                EXPECT_NEAR(caso().second, c.DP[p], 1e-9);
                EXPECT_NEAR(v.PRSaCalcular, c.DP[p], 1e-9);
                EXPECT_EQ(v.txPresion.Text(), c.visto[p]);
            };
            EXPECT_EQ(v.Label2.Caption, Texto(0, 919) + c.unidad);
            enCaso(2, 0);
            b.mensajes.responde(RespuestaMensaje::Aceptar);
            pulsa(v.btAnteriorPresion);
            pulsa(v.btSiguientePresion);
            enCaso(2, 1);
            pulsa(v.btSiguientePresion);
            enCaso(2, 2);
            b.mensajes.responde(RespuestaMensaje::Aceptar);
            pulsa(v.btSiguientePresion);
            pulsa(v.btAnteriorPresion);
            enCaso(2, 1);

            b.mensajes.responde(RespuestaMensaje::Aceptar);
            pulsa(v.btAnteriorAltura);
            pulsa(v.btSiguienteAltura);
            enCaso(3, 1);
            pulsa(v.btSiguienteAltura);
            enCaso(4, 1);
            EXPECT_EQ(v.txAltura.Text(), "4,00");
            b.mensajes.responde(RespuestaMensaje::Aceptar);
            pulsa(v.btSiguienteAltura);
            pulsa(v.btAnteriorAltura);
            enCaso(3, 1);
            EXPECT_EQ(b.diseno.casos.size(), 7u);
            EXPECT_EQ(
                b.mensajes.mostrados(),
                (std::vector<MensajeMostrado>{Aviso(923), Aviso(923), Aviso(922), Aviso(922)}));

            // A choice stored on the case reached by the steps goes under its DP in at.
            ponValor(v.obSeleccion, 5, true);
            pulsa(v.btAceptarAjuste);
            EXPECT_TRUE(v.Descargada());
        });
        EXPECT_TRUE(abierta);
        const std::optional<AjusteGuardado> e = b.entrada(c.DP[1], 3);
        ASSERT_TRUE(e.has_value());
        EXPECT_DOUBLE_EQ(e->Camisa, 20);
        EXPECT_FALSE(b.entrada(c.DP[0], 3).has_value());
        EXPECT_FALSE(b.entrada(c.DP[1], 2).has_value());
        // The window leaves the run on screen in the project's units.
        EXPECT_FALSE(b.estado.ejecucion.EnUnidadesCalculo);
        EXPECT_NEAR(b.estado.obra.DPInicialObra, c.enSI ? 0.73 : 7.27, 1e-9);
    }
}

} // namespace
} // namespace dravek
