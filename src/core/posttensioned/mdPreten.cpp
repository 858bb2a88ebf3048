#include "core/posttensioned/mdPreten.h"

#include <cmath>
#include <initializer_list>

namespace dravek {

namespace {

// pi as the wire force ranges have always been computed with.
constexpr double PiFuerzas = 3.14159265;

} // namespace

void CargaHipotesis(const EstadoObra &estado, TablaHipotesisPostesado &MomentosHipotesisPostesado,
                    TablaHipotesisPostesado &AxilesHipotesisPostesado)
{
    using enum CasoCarga;
    using enum HipotesisPostesado;
    const TablaEsfuerzos &Mc = estado.resultados.MomentosCaso;
    const TablaEsfuerzos &Nc = estado.resultados.AxilesCaso;
    const auto fijas = {CasoPesoFluido, CasoPesoPropio, CasoVerticalPura, CasoTimpanos,
                        CasoEmpujeSinMovil};
    const auto pesos = {CasoPesoFluido, CasoPesoPropio};
    const auto unMetro = {CasoPesoFluido, CasoPesoPropio, CasoTierrasUnMetro};
    const auto moviles = {CasoPropioFluidoTierrasMovil};

    const auto carga = [&](HipotesisPostesado h, std::initializer_list<CasoCarga> casos) {
        for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
            MomentosHipotesisPostesado[indice(h)][s] = SumaCasos(Mc, casos, s);
            AxilesHipotesisPostesado[indice(h)][s] = SumaCasos(Nc, casos, s);
        }
    };
    carga(HipotesisDPCargasFijas, fijas);
    carga(HipotesisMDPCargasFijas, fijas);
    carga(HipotesisDPCargasMoviles, moviles);
    carga(HipotesisMDPPesoPropioAgua, pesos);
    carga(HipotesisSTPUnMetroTierras, unMetro);
    carga(HipotesisCargasMovilesSinPresion, moviles);
}

double PresionHipotesisPostesado(HipotesisPostesado hipotesis, double DP, double MDP, double STP)
{
    switch (hipotesis) {
    case HipotesisPostesado::HipotesisDPCargasFijas:
    case HipotesisPostesado::HipotesisDPCargasMoviles:
        return DP;
    case HipotesisPostesado::HipotesisMDPCargasFijas:
        return MDP + 1.0; // the 0.1 MPa of the hypothesis' name
    case HipotesisPostesado::HipotesisMDPPesoPropioAgua:
        return MDP;
    case HipotesisPostesado::HipotesisSTPUnMetroTierras:
        return STP;
    case HipotesisPostesado::HipotesisCargasMovilesSinPresion:
        break;
    }
    return 0.0;
}

double LimiteTensionPrimario(HipotesisPostesado hipotesis, double FctkPrimario)
{
    switch (hipotesis) {
    case HipotesisPostesado::HipotesisMDPCargasFijas:
        return FctkPrimario;
    case HipotesisPostesado::HipotesisDPCargasMoviles:
        return 0.0;
    default:
        return -5.0;
    }
}

double EspirasPorMetro(double diametro, double separacion)
{
    return 100.0 / (diametro / 10.0 + separacion);
}

double FuerzaAlambre(double diametro, double pi, double tensionRotura)
{
    return 0.6 * tensionRotura * pi * diametro * diametro / 4.0 / 100000.0;
}

double SeparacionAlambres(double diametro, double espiras)
{
    return (100.0 - diametro * espiras) / espiras;
}

double Maximo3(double a, double b, double c)
{
    double maximo = a;
    if (b > maximo) {
        maximo = b;
    }
    if (c > maximo) {
        maximo = c;
    }
    return maximo;
}

double Minimo4(double a, double b, double c, double d)
{
    double minimo = a;
    for (const double x : {b, c, d}) {
        if (x < minimo) {
            minimo = x;
        }
    }
    return minimo;
}

double ModuloElasticidadHormigon(double fck)
{
    double factor = 1.3 - fck / 4000.0;
    if (factor >= 1.175) {
        factor = 1.175;
    }
    return 39453.505 * std::pow(fck + 80.0, 1.0 / 3.0) * factor;
}

double ResistenciaTraccionHormigon(double fck)
{
    if (fck <= 500.0) {
        return 0.452 * std::pow(fck, 2.0 / 3.0);
    }
    return 1.28 * std::sqrt(fck);
}

void PreparaTablaAlambres(std::int16_t Tipologia, double SFck, DatosPostesado &datos)
{
    // Typology 2221 winds the 6 and 7 mm wires closer from the start.
    const bool tipologia2221 = Tipologia == 2221;
    datos.DiametrosAlambre = {0, 4, 5, 6, 7};
    datos.SeparacionMaximaAlambres = {0, 46, 45, tipologia2221 ? 19.0 : 44.0,
                                      tipologia2221 ? 18.0 : 43.0};
    datos.SeparacionMinimaAlambres = {0, 4, 5, 6, 6};

    const auto f = [&](std::size_t i) {
        return FuerzaAlambre(datos.DiametrosAlambre[i], PiFuerzas, SFck);
    };
    const auto t = [&](std::size_t i, double separacionMm) {
        return EspirasPorMetro(datos.DiametrosAlambre[i], separacionMm / 10.0);
    };
    ValoresAlambre &minima = datos.FuerzaMinimaAlambre;
    ValoresAlambre &maxima = datos.FuerzaMaximaAlambre;
    minima = {};
    maxima = {};
    // The widest gaps of rows 3 and 4 do not bound the ranges; the 0.9 keeps the 5 and 6 mm
    // wires short of their narrowest gap, while the 7 mm wire may reach it.
    minima[1] = f(1) * t(1, datos.SeparacionMaximaAlambres[1]);
    minima[2] = f(2) * t(2, datos.SeparacionMaximaAlambres[2]);
    maxima[1] = minima[2];
    maxima[2] = 0.9 * f(2) * t(2, datos.SeparacionMinimaAlambres[2]);
    minima[3] = maxima[2];
    maxima[3] = 0.9 * f(3) * t(3, datos.SeparacionMinimaAlambres[3]);
    minima[4] = maxima[3];
    maxima[4] = f(4) * t(4, datos.SeparacionMinimaAlambres[4]);
}

DatosPostesado PreparaDatosPostesado(const EstadoObra &estado, std::int16_t FijaPresionPrimario,
                                     double CoefPresionPrimario)
{
    const DatosTramo &tramo = estado.tramo;
    DatosPostesado datos;
    datos.RadioInterior = estado.calculo.RadioInterior;
    datos.RadioCamisa = estado.calculo.RadioCamisa;
    datos.RadioNucleo = estado.calculo.RadioNucleo;
    datos.RadioExterior = estado.calculo.RadioExterior;
    datos.Tipologia = tramo.Tipologia;
    datos.TipoPostesado = tramo.TipoPostesado;

    datos.Fckn = tramo.Fckn;
    datos.Fckr = tramo.Fckr;
    datos.Fck0 = tramo.Fckno;
    datos.Ep = tramo.Ep;
    datos.Sf = tramo.Sf;
    datos.SFck = tramo.SFck;
    datos.Rel = tramo.Rel;
    datos.Fic = tramo.Fic;
    datos.Fir = tramo.Fir;
    // Shrinkage shortens: the losses take it negative whatever sign it was entered with.
    datos.Epsc = -std::abs(tramo.Epsc);
    datos.Epsr = -std::abs(tramo.Epsr);
    datos.FctkRevestimiento = ResistenciaTraccionHormigon(tramo.Fckr);
    datos.FctkPrimario = ResistenciaTraccionHormigon(tramo.Fckn);

    datos.ModuloPrimarioInicial = ModuloElasticidadHormigon(tramo.Fckno);
    datos.ModuloPrimario = ModuloElasticidadHormigon(tramo.Fckn);
    datos.ModuloRevestimiento = ModuloElasticidadHormigon(tramo.Fckr);
    datos.ni = tramo.Ep / datos.ModuloPrimarioInicial;
    datos.n = tramo.Ep / datos.ModuloPrimario;
    datos.n1 = tramo.Ep / datos.ModuloRevestimiento;
    datos.n2 = datos.ModuloRevestimiento / datos.ModuloPrimario;
    datos.Delca = tramo.Delca;
    datos.RelacionModulosCamisa = 0;
    if (tramo.TipoPostesado == 1) {
        datos.RelacionModulosCamisa = tramo.Es / datos.ModuloPrimario;
    } else if (tramo.TipoPostesado == 2) {
        datos.Delca = 0; // no cylinder
    }
    datos.RelacionModulosChapa = tramo.Es / datos.ModuloPrimario;

    datos.DP = estado.caso.DP;
    datos.MDP = estado.caso.MDP;
    datos.STP = estado.caso.STP;
    datos.FijaPresionPrimario = FijaPresionPrimario;
    datos.CoefPresionPrimario = CoefPresionPrimario;
    // DP in t/m2 on the core's outer radius in m: t per m.
    datos.FuerzaAnillo = estado.caso.DP * 10.0 * datos.RadioNucleo / 100.0;

    PreparaTablaAlambres(tramo.Tipologia, tramo.SFck, datos);
    return datos;
}

} // namespace dravek
