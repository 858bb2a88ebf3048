#include "core/engine/Ovaliz.h"

#include "core/listing/Depuracion.h"
#include "core/listing/FormatoNumeros.h"
#include "core/listing/TextosFijos.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dravek {

namespace {

constexpr std::int32_t TextoDentroOvaliz = 638;

std::string SinBlancosFinales(std::string texto)
{
    const std::size_t ultimo = texto.find_last_not_of(' ');
    texto.erase(ultimo == std::string::npos ? 0 : ultimo + 1);
    return texto;
}

// The heading and the table of load cases go to the printed Normal listing only, with the
// first case of each fill height.
bool ListaAnillo(const EstadoObra &estado)
{
    return estado.caso.NuevaAltura && estado.listado.Imprimiendo &&
           estado.listado.TipoListado == ClaseListado::Normal;
}

// Name of a listed load case in its field: cases 1 to 7 are the first field's entries, 8 to 11
// the second's; CasoNulo is never listed.
std::string NombreCasoCarga(std::int32_t d, CasoCarga k)
{
    const int n = static_cast<int>(indice(k));
    if (n <= CampoCasosCarga.cuantos) {
        return TextoEnCampo(d, CampoCasosCarga, n);
    }
    return TextoEnCampo(d, CampoCasosCargaAnadidos, n - CampoCasosCarga.cuantos);
}

struct NombreCuna {
    int entrada;         // of CampoCunaAnillo
    std::int64_t angulo; // degrees
};

NombreCuna CunaDeCabecera(std::int16_t vICUNA)
{
    switch (vICUNA) {
    case 1:
        return {1, 90};
    case 2:
        return {2, 90};
    case 3:
        return {2, 120};
    default:
        return {3, 90};
    }
}

// The three debug lines of the analysis; the detail of an error message repeats the last two.
struct LineasArgumentos {
    std::string cabecera;
    std::string diametros;
    std::string cargas;
};

// The third: the loads of the case, which change from case to case, added to linea up to the
// case number.
LineaDepuracion &AnadeCargasHastaCaso(LineaDepuracion &linea, const EstadoObra &estado,
                                      double vLANDA)
{
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const DatosTramo &tramo = estado.tramo;
    return linea.Anade(Texto(d, 640))
        .Anade(vLANDA)
        .SiguienteZona()
        .Anade(estado.caso.vQ)
        .SiguienteZona()
        .Anade(tramo.vICUNA)
        .SiguienteZona()
        .Anade(estado.obra.TIGEN)
        .SiguienteZona()
        .Anade(tramo.ITIT)
        .SiguienteZona();
}

// The same from the case number on.
LineaDepuracion &AnadeCargasDesdeCaso(LineaDepuracion &linea, const EstadoObra &estado,
                                      std::int32_t vICASO)
{
    return linea.Anade(vICASO).SiguienteZona().Anade(estado.caso.vQH);
}

LineaDepuracion &AnadeCargas(LineaDepuracion &linea, const EstadoObra &estado, double vLANDA,
                             std::int32_t vICASO)
{
    return AnadeCargasDesdeCaso(AnadeCargasHastaCaso(linea, estado, vLANDA), estado, vICASO);
}

std::string LineaCargas(const EstadoObra &estado, double vLANDA, std::int32_t vICASO, int columna)
{
    LineaDepuracion linea(estado.ejecucion.SeparadorDecimalLocal, columna);
    return AnadeCargas(linea, estado, vLANDA, vICASO).Linea();
}

LineasArgumentos Argumentos(const EstadoObra &estado, double vLANDA, std::int32_t vICASO,
                            int columna)
{
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const std::string &sep = estado.ejecucion.SeparadorDecimalLocal;
    const DatosTramo &tramo = estado.tramo;
    LineasArgumentos lineas;
    lineas.cabecera = LineaDepuracion(sep, columna)
                          .Anade(Texto(d, TextoDentroOvaliz))
                          .Anade(std::string(60, '='))
                          .Linea();
    lineas.diametros = LineaDepuracion(sep, columna)
                           .Anade(Texto(d, 639))
                           .Anade(tramo.vDi)
                           .SiguienteZona()
                           .Anade(tramo.vDE)
                           .SiguienteZona()
                           .Anade(tramo.vGAMAB)
                           .SiguienteZona()
                           .Anade(tramo.vGAMAT)
                           .Linea();
    lineas.cargas = LineaCargas(estado, vLANDA, vICASO, columna);
    return lineas;
}

void ImprimeCabeceraAnillo(ContextoCalculo &contexto, double vLANDA)
{
    EstadoObra &estado = contexto.estado;
    SalidaListado &salida = contexto.salida;
    const EstadoEjecucion &ejecucion = estado.ejecucion;
    const std::int32_t d = ejecucion.DesplazamientoIdioma;
    const DatosTramo &tramo = estado.tramo;
    const NombreCuna cuna = CunaDeCabecera(tramo.vICUNA);

    salida.ImprimeLinea(Blancos(9) + Texto(d, 654));
    salida.ImprimeLinea(Blancos(9) + Texto(d, ejecucion.SistemaUnidades == "SI" ? 655 : 656));
    Impresora &impresora = salida.impresora();
    impresora.PonGrosorLapiz(5);
    const double y = impresora.PosicionVertical() + 2; // mm
    impresora.Linea(18, y, 165, y, 0);
    salida.SaltaLineas(estado, 1);
    // Diameters in whole millimetres in both unit systems.
    salida.ImprimeLinea(Blancos(5) + sNumeroDob(ejecucion, tramo.vDi * 1000, 10, 0, "", false) +
                        sNumeroDob(ejecucion, tramo.vDE * 1000, 10, 0, "", false) +
                        sNumeroDob(ejecucion, tramo.vGAMAB, 10, 3, "", false) +
                        sNumeroDob(ejecucion, tramo.vGAMAT, 10, 3, "", false) +
                        sNumeroDob(ejecucion, vLANDA, 7, 3, "", false) +
                        sNumeroDob(ejecucion, estado.caso.vQ, 10, 3, "T/M2->kN/M2", false) + " " +
                        TextoEnCampo(d, CampoCunaAnillo, cuna.entrada) +
                        sNumeroEnt(cuna.angulo, 4) + "º");
}

// A ring analysis that cannot be done ends the case: the message goes wherever the warnings of
// a case go (the screen, the Pantalla listing) and to the Normal listing too, as no result of
// the case will follow it; the Tabular listing has no place for it.
ErrorCalculo ErrorAnillo(ContextoCalculo &contexto, double vLANDA, std::int32_t vICASO)
{
    EstadoObra &estado = contexto.estado;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const LineasArgumentos detalle = Argumentos(estado, vLANDA, vICASO, 1);
    const std::vector<std::string> lineas = {Texto(d, TextoError) + ": " +
                                                 SinBlancosFinales(Texto(d, TextoDentroOvaliz)),
                                             detalle.diametros, detalle.cargas};

    std::string mensaje;
    for (const std::string &linea : lineas) {
        if (!mensaje.empty()) {
            mensaje += '\n';
        }
        mensaje += linea;
    }

    const EstadoListado &listado = estado.listado;
    if (!listado.Imprimiendo) {
        contexto.salida.EscribePantalla(1, mensaje, 1);
    } else if (listado.TipoListado != ClaseListado::Tabular) {
        contexto.salida.SaltaLineas(estado, 1);
        for (const std::string &linea : lineas) {
            contexto.salida.ImprimeLinea(Blancos(9) + linea);
        }
    }
    return ErrorCalculo::Con(mensaje);
}

} // namespace

ErrorCalculo Ovaliz(ContextoCalculo &contexto, double vLANDA, std::int32_t vICASO)
{
    EstadoObra &estado = contexto.estado;
    const DatosTramo &tramo = estado.tramo;
    const DatosCaso &caso = estado.caso;

    if (contexto.depuracion.Activa()) {
        // The first two lines are the run's: built at its first case and kept.
        TextosFijos &fijas = contexto.memoria.depuracionAnillo;
        FirmaTextos firma;
        firma.Con(estado.ejecucion.DesplazamientoIdioma)
            .Con(std::string_view(estado.ejecucion.SeparadorDecimalLocal))
            .Con(tramo.vDi)
            .Con(tramo.vDE)
            .Con(tramo.vGAMAB)
            .Con(tramo.vGAMAT);
        if (fijas.Renueva(firma, 2)) {
            LineasArgumentos lineas = Argumentos(estado, vLANDA, vICASO, ColumnaDepuracion);
            fijas[0] = std::move(lineas.cabecera);
            fijas[1] = std::move(lineas.diametros);
        }
        contexto.depuracion.EscribeLinea(fijas[0]);
        contexto.depuracion.EscribeLinea(fijas[1]);
        // The loads line but its case number is the fill height's: the parts before and after
        // that number are built at the height's first case and kept.
        const std::string &sep = estado.ejecucion.SeparadorDecimalLocal;
        TextosFijos &cargas = contexto.memoria.cargasAnillo;
        FirmaTextos firmaCargas;
        firmaCargas.Con(estado.ejecucion.DesplazamientoIdioma)
            .Con(std::string_view(sep))
            .Con(vLANDA)
            .Con(caso.vQ)
            .Con(tramo.vICUNA)
            .Con(std::string_view(estado.obra.TIGEN))
            .Con(std::string_view(tramo.ITIT))
            .Con(caso.vQH);
        if (cargas.Renueva(firmaCargas, 2)) {
            LineaDepuracion hastaCaso(sep);
            AnadeCargasHastaCaso(hastaCaso, estado, vLANDA);
            cargas[0] = hastaCaso.Linea();
            contexto.memoria.caracteresAntesCaso = hastaCaso.Caracteres();
            cargas[1] = LineaDepuracion(sep, 1).Anade(caso.vQH).Linea();
        }
        // Built in the context's line buffer, whose memory is kept from case to case.
        LineaDepuracion linea(contexto.memoria.linea, sep, 1);
        linea.Anade(cargas[0], contexto.memoria.caracteresAntesCaso)
            .Anade(vICASO)
            .SiguienteZona()
            .Anade(cargas[1]);
        contexto.depuracion.EscribeLinea(linea.Linea());
    }

    const bool lista = ListaAnillo(estado);
    if (lista) {
        ++estado.listado.NumeroPagina;
        contexto.salida.impresora().NuevaPagina();
        contexto.salida.CabeceraPagina(estado, vICASO, false);
        ImprimeCabeceraAnillo(contexto, vLANDA);
    }

    // The earth load of 1 m of fill is computed with the pressures of 1 m of fill, handed over
    // beside the case's own: the case's vQ, vQH and CargaMovil are never touched.
    const PresionesAnillo presionesCaso{caso.vQ, caso.vQH, caso.CargaMovil};
    const PresionesAnillo presionesUnMetro{caso.vQUnMetro, caso.vQHUnMetro,
                                           caso.CargaMovilUnMetro};
    ResultadosCaso &resultados = estado.resultados;
    const ErrorEsfuerzos error = CalculaEsfuerzosCasos(
        tramo.vDi, tramo.vDE, tramo.vGAMAB, tramo.vGAMAT, vLANDA, tramo.vICUNA, presionesCaso,
        presionesUnMetro, resultados.MomentosCaso, resultados.AxilesCaso);
    if (error != ErrorEsfuerzos::Ninguno) {
        return ErrorAnillo(contexto, vLANDA, vICASO);
    }

    ImprimeEsfuerzos(contexto, vICASO);
    return {};
}

void ImprimeEsfuerzos(ContextoCalculo &contexto, std::int32_t numeroCaso)
{
    EstadoObra &estado = contexto.estado;
    if (!ListaAnillo(estado)) {
        return;
    }
    for (const CasoCarga k : {CasoCarga::CasoPesoPropio, CasoCarga::CasoPesoFluido,
                              CasoCarga::CasoTierrasUnMetro, CasoCarga::CasoVerticalPura}) {
        ImprimeCasoCarga(contexto, k);
    }
    ++estado.listado.NumeroPagina;
    contexto.salida.impresora().NuevaPagina();
    contexto.salida.CabeceraPagina(estado, numeroCaso, false);
    for (const CasoCarga k : {CasoCarga::CasoMovil, CasoCarga::CasoEmpujeConMovil,
                              CasoCarga::CasoEmpujeSinMovil, CasoCarga::CasoTimpanos}) {
        ImprimeCasoCarga(contexto, k);
    }
}

void ImprimeCasoCarga(ContextoCalculo &contexto, CasoCarga k)
{
    EstadoObra &estado = contexto.estado;
    SalidaListado &salida = contexto.salida;
    Impresora &impresora = salida.impresora();
    const EstadoEjecucion &ejecucion = estado.ejecucion;
    const std::int32_t d = ejecucion.DesplazamientoIdioma;

    salida.SaltaLineas(estado, 2);
    impresora.PonNegrita(true);
    salida.ImprimeLinea(Blancos(15) + Texto(d, 657) + NombreCasoCarga(d, k));
    impresora.PonNegrita(false);
    salida.SaltaLineas(estado, 1);
    impresora.PonSubrayado(true);
    salida.ImprimeLinea(Blancos(20) + Texto(d, ejecucion.SistemaUnidades == "SI" ? 658 : 659));
    impresora.PonSubrayado(false);
    const ResultadosCaso &resultados = estado.resultados;
    for (const Seccion s : {Seccion::Clave, Seccion::Rinones, Seccion::Solera}) {
        salida.ImprimeLinea(Blancos(20) +
                            TextoEnCampo(d, CampoSeccionAnillo, static_cast<int>(s)) + Blancos(4) +
                            sNumeroDob(ejecucion, resultados.MomentosCaso[indice(k)][indice(s)],
                                       10, 3, "mT->mkN", false) +
                            Blancos(7) +
                            sNumeroDob(ejecucion, resultados.AxilesCaso[indice(k)][indice(s)], 10,
                                       3, "T->kN", false));
    }
}

} // namespace dravek
