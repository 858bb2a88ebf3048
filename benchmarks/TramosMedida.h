#pragma once

// The runs the benchmarks calculate: the same pipe as reinforced concrete with a cylinder and
// spirals, reinforced concrete with a cylinder only, and post-tensioned, over the same ranges of
// fill height and pressure cut into more or fewer heights and pressures, so that a larger run is
// the same work with more cases. Also the null clock and printer of a screen listing, the
// command's way of running a whole run, and the objects of such a command on one run.

#include "core/design/DisenoTubo.h"
#include "core/engine/CalculaCasos.h"
#include "core/engine/ContextoCalculo.h"
#include "core/engine/UnidadesCalculo.h"
#include "core/listing/Depuracion.h"
#include "core/listing/SalidaListado.h"
#include "core/model/EstadoObra.h"
#include "core/plataforma/Impresora.h"
#include "core/plataforma/Reloj.h"

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>

namespace dravek::medida {

// The cylinder classes the calculation accepts for reinforced concrete: cylinder and spirals (1),
// cylinder only (2); spirals alone (0) is refused before the first case.
enum class ClaseTramo { ArmadoConCamisa, ArmadoSoloCamisa, Postesado };

// Fill heights from 1 m and DPs from 2 at, over 4 m and 20 at whatever the counts are. The DP
// step stays above the 0.2 at by which the case loop still calculates a DP past the final one
// (0.25 at with 80 DPs), so a run has exactly the cases asked for.
inline constexpr double AlturaInicial = 1;   // m
inline constexpr double TramoAlturas = 4;    // m
inline constexpr double PresionInicial = 2;  // at
inline constexpr double TramoPresiones = 20; // at
inline constexpr double RelacionMDPDP = 1.1;

// A run as the run validation leaves it, in entry units (MKS): 1000 mm inside, a 120 mm wall
// with 25 mm covers, a compacted trench of 1.4 De + 0.68 m in sandy clay, the granular 90
// degree cradle, the 13 t axle, Marston loads; alturas fill heights with presiones DPs each.
inline void PreparaTramo(EstadoObra &e, ClaseTramo clase, int alturas, int presiones,
                         const std::string &ruta)
{
    e.ejecucion.SistemaUnidades = "MKS";
    e.ejecucion.RutaAplicacion = ruta;
    e.frFiguras.ptArmado = ruta + "Lur2110.bmp";
    e.frFiguras.ptPostesado = ruta + "Lur2211.bmp";
    e.frFiguras.ptColocacion = ruta + "Zanja2a.bmp";
    e.obra.TIGEN = "ABASTECIMIENTO DE AGUA A LA COMARCA DEL CAMPO - CONDUCCIÓN PRINCIPAL";
    e.obra.Cliente = "MANCOMUNIDAD DE AGUAS";
    e.obra.GolpeArieteCalculado = Falso;
    e.obra.AbrirObraExistente = Verdadero;

    const double pasoAltura = TramoAlturas / alturas;      // m
    const double pasoPresion = TramoPresiones / presiones; // at
    DatosTramo &t = e.tramo;
    t.TramoActual = 1;
    t.ITIT = "TRAMO DE MEDIDA";
    t.AlturaInicialTramo = AlturaInicial;
    t.AlturaFinalTramo = AlturaInicial + pasoAltura * (alturas - 1);
    t.IncrementoAltura = pasoAltura;
    t.DPInicialTramo = PresionInicial;
    t.DPFinalTramo = PresionInicial + pasoPresion * (presiones - 1);
    t.MDPInicialTramo = RelacionMDPDP * t.DPInicialTramo;
    t.MDPFinalTramo = RelacionMDPDP * t.DPFinalTramo;
    t.IncrementoPresionTramo = RelacionMDPDP * pasoPresion;

    t.Tipologia = 1210;
    t.EsArmado = Verdadero;
    t.TipoPostesado = 0;
    t.ClaseFisuracion = 3;
    t.TipoControl = 1;
    t.IndicadorCamisa = clase == ClaseTramo::ArmadoSoloCamisa ? 2 : 1;
    t.CAMMAX = 3;
    t.FCK = 350;
    t.Fct = 0.45 * std::cbrt(t.FCK * t.FCK);
    t.Fyk = 5100;
    t.Fyd = t.Fyk / 1.15;
    t.GamaB = 1.5;
    t.GamaY = 1;
    t.GamaF = 1;
    t.vDi = 1.0;
    t.ESP = 12;
    t.RECI = 2.5;
    t.RECE = 2.5;

    if (clase == ClaseTramo::Postesado) {
        // A 75 mm core around an embedded 1.5 mm cylinder 10 mm from the bore, 25 mm coating.
        t.Tipologia = 2211;
        t.EsArmado = Falso;
        t.TipoPostesado = 1;
        t.ClaseFisuracion = 0;
        t.ESP = 10;
        t.RECI = 1;
        t.RECE = 2.5;
        t.Delca = 1.5;
        t.FykPost = 2100;
        t.Es = 2100000;
        t.Ep = 2000000;
        t.Fckno = 300;
        t.Fckn = 400;
        t.Fckr = 350;
        t.SFck = 17000;
        t.Sf = 12750;
        t.Rel = 2;
        t.Fic = 1.5;
        t.Fir = 0.75;
        t.Epsc = 0.0002;
        t.Epsr = 0.0003;
    }
    t.vDE = t.vDi + 2 * t.ESP / 100;
    t.vGAMAB = 2.5;

    t.IndiceColocacion = 0;
    t.CodigoColocacion = 12;
    t.vICUNA = 1;
    t.AnchoZanja = 1.4 * t.vDE + 0.68;
    t.vGAMAT = 1.8;
    t.AnguloRozamiento = 30;
    t.TipoRelleno = 21;
    t.DistanciaTerrenoNatural = 0;
    t.IndiceAsentamiento = 0;
    t.CargaVerticalTotal = 0;
    t.TipoCargaConcentrada = 2;
    t.CalculoCargas = 1;
}

// The screen listing never reaches the printer.
class ImpresoraNula final : public Impresora {
public:
    void PonOrientacion(Orientacion) override {}
    void PonCopias(int) override {}
    void PonNombreFuente(const std::string &) override {}
    void PonTamanoFuente(double) override {}
    void PonNegrita(bool) override {}
    void PonSubrayado(bool) override {}
    void ImprimeLinea(const std::string &) override {}
    double PosicionVertical() const override { return 0; }
    void PonPosicionVertical(double) override {}
    double AltoLinea() const override { return AltoLineaFuente(10); }
    double AltoPagina() const override { return AltoPaginaImprimible(Orientacion::Vertical); }
    void PonGrosorLapiz(int) override {}
    void Linea(double, double, double, double, std::uint32_t) override {}
    int DibujaImagen(const std::string &, double, double) override { return SinErrorImpresora; }
    int DibujaImagenEnRectangulo(const std::string &, double, double, double, double) override
    {
        return SinErrorImpresora;
    }
    void NuevaPagina() override {}
    int FinDocumento() override { return SinErrorImpresora; }
};

class RelojFijo final : public Reloj {
public:
    std::string FechaCorta() const override { return "05/03/2024"; }
    std::string HoraCorta() const override { return "09:41"; }
};

// The case loop as a command runs it, in calculation units for its length; a whole run for
// altura and dp of -1, one case otherwise.
inline ErrorCalculo CalculaComoComando(ContextoCalculo &contexto, double altura = -1,
                                       double dp = -1)
{
    std::int32_t numeroCaso = 1;
    const GuardaUnidadesCalculo unidades(contexto.estado);
    return CalculaCasos(contexto, numeroCaso, altura, dp);
}

// The debug file goes to a folder of its own under the system's temporary folder.
inline std::string CarpetaDepuracion()
{
    return (std::filesystem::temp_directory_path() / "dravek-medida").string();
}

// One run with what its calculate command writes to: the screen listing and the debug file, in
// a real file.
struct CalculoDeTramo {
    CalculoDeTramo(ClaseTramo clase, int alturas, int presiones, const std::string &ruta)
    {
        PreparaTramo(estado, clase, alturas, presiones, ruta);
        // As the program does at start-up.
        PreparaMemoriaPantalla(salida);
    }

    // As the calculate command: an empty screen listing and a fresh debug file, open for the
    // command.
    ErrorCalculo Comando()
    {
        salida.VaciaPantalla();
        const GuardaFicheroDepuracion ficheroAbierto(depuracion);
        return CalculaComoComando(contexto);
    }

    EstadoObra estado;
    ImpresoraNula impresora;
    RelojFijo reloj;
    SalidaListado salida{reloj, impresora};
    FicheroDepuracion depuracion{CarpetaDepuracion()};
    DisenoTubo diseno;
    ContextoCalculo contexto{estado, salida, depuracion, diseno};
};

} // namespace dravek::medida
