#include "core/engine/ImprimeDatosCaso.h"

#include "core/engine/HipotesisArmado.h"
#include "core/engine/mdOvaliz.h"
#include "core/listing/EscrituraTexto.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/CodigosColocacion.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace dravek {

namespace {

constexpr double MilimetrosPorMetro = 1000.0;

// Units of the forces table: the hypothesis forces are in calculation units, and sNumeroDob
// with "mT->mkN" and "T->kN" turns them into m.kN/m and kN/m in SI.
constexpr const char *UnidadMomentoMKS = "(t.m/m)";
constexpr const char *UnidadAxilMKS = "(t/m)";
constexpr const char *UnidadMomentoSI = "(m.kN/m)";
constexpr const char *UnidadAxilSI = "(kN/m)";

std::size_t CuentaCaracteres(const std::string &texto)
{
    return static_cast<std::size_t>(std::count_if(texto.begin(), texto.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

int EntradaColocacion(std::int16_t CodigoColocacion)
{
    switch (CodigoColocacion) {
    case ZanjaSinCompactar:
        return 1;
    case ZanjaCompactada:
        return 2;
    case ZanjaTerraplenSinCompactar:
        return 3;
    case ZanjaTerraplenCompactada:
        return 4;
    case Terraplen:
        return 5;
    default:
        return 0;
    }
}

// The unit captions of the forces table (texts 632, 633 on the screen, 636, 637 on the printer)
// read kp.cm/cm and kp/cm (N.m/cm and N/cm in SI), yet the numbers under them are the
// hypothesis forces in t.m/m and t/m (m.kN/m and kN/m in SI). Each parenthesised unit of the
// text, moment and axial force in turn, is replaced by the unit actually shown, right-aligned
// where the old one ended, so the text's other words and its columns stay as they are.
std::string CorrigeUnidades(const std::string &texto, bool enSI)
{
    const std::string momento = enSI ? UnidadMomentoSI : UnidadMomentoMKS;
    const std::string axil = enSI ? UnidadAxilSI : UnidadAxilMKS;

    std::string resultado;
    std::size_t i = 0;
    bool esMomento = true;
    while (i < texto.size()) {
        const std::size_t abre = texto.find('(', i);
        const std::size_t cierra =
            abre == std::string::npos ? std::string::npos : texto.find(')', abre);
        if (cierra == std::string::npos) {
            resultado.append(texto, i, std::string::npos);
            break;
        }
        resultado.append(texto, i, abre - i);
        const std::size_t ancho = CuentaCaracteres(texto.substr(abre, cierra - abre + 1));
        const std::string &unidad = esMomento ? momento : axil;
        if (unidad.size() <= ancho) {
            resultado.append(ancho - unidad.size(), ' ');
        } else {
            // A longer unit takes the blanks in front of it first.
            std::size_t sobra = unidad.size() - ancho;
            while (sobra > 0 && !resultado.empty() && resultado.back() == ' ') {
                resultado.pop_back();
                --sobra;
            }
        }
        resultado.append(unidad);
        esMomento = !esMomento;
        i = cierra + 1;
    }
    return resultado;
}

// The lines of the heading that only the run decides, the same on the screen and the printer
// except for the pipe block.
struct LineasCabecera {
    std::string tipo;
    std::string camisa;
    std::string cuna;       // the cradle and the installation
    std::string cargaMovil; // the live load
};

LineasCabecera LineasFijas(const EstadoObra &estado)
{
    const DatosTramo &tramo = estado.tramo;
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    int tipo = 2;
    int camisa = 2;
    if (tramo.Tipologia == 1210) {
        tipo = 1;
        camisa = 1;
    } else if (tramo.Tipologia == 2221) {
        camisa = 3;
    }
    LineasCabecera l;
    l.tipo = Texto(d, 618) + TextoEnCampo(d, CampoTipoTubo, tipo);
    l.camisa = TextoEnCampo(d, CampoCamisa, camisa) + Blancos(6) + Texto(d, 620);
    l.cuna = Texto(d, 623) + TextoEnCampo(d, CampoCuna, tramo.vICUNA) + Texto(d, 624) +
             TextoEnCampo(d, CampoColocacion, EntradaColocacion(tramo.CodigoColocacion));
    l.cargaMovil =
        Texto(d, 628) + TextoEnCampo(d, CampoCargaMovil, tramo.TipoCargaConcentrada + 1);
    return l;
}

// Lines of the screen heading that only the run decides, in the order they are written.
enum FijaPantalla : std::size_t {
    FijaTubo,       // the pipe block and the blank line under it, to the cradle line
    FijaAltura,     // the caption of the fill height
    FijaTrasAltura, // what follows the height on its line
    FijaPresion,    // the caption of the internal pressure
    FijaCargaMovil, // the live-load line
    FijaHipotesis,  // the heading of the forces of hypothesis 1, then one per hypothesis
    NumeroFijasPantalla = FijaHipotesis + NumeroHipotesisArmado
};

// The screen heading. Its fixed lines are built at the run's first case and kept; the height,
// the pressure and the forces are written straight into the screen text.
ErrorCalculo CabeceraPantalla(ContextoCalculo &contexto, const TablaHipotesis &M,
                              const TablaHipotesis &N, ErrorCalculo error)
{
    const EstadoObra &estado = contexto.estado;
    const DatosTramo &tramo = estado.tramo;
    const EstadoEjecucion &ejecucion = estado.ejecucion;
    const std::int32_t d = ejecucion.DesplazamientoIdioma;
    const bool esArmado = tramo.EsArmado != Falso;
    const bool enSI = ejecucion.SistemaUnidades == "SI";

    TextosFijos &fijas = contexto.memoria.cabeceraCaso;
    FirmaTextos firma;
    firma.Con(d)
        .Con(enSI)
        .Con(std::string_view(ejecucion.SeparadorDecimalLocal))
        .Con(tramo.Tipologia)
        .Con(tramo.vICUNA)
        .Con(tramo.CodigoColocacion)
        .Con(tramo.TipoCargaConcentrada)
        .Con(tramo.vDi)
        .Con(tramo.ESP)
        .Con(tramo.RECI)
        .Con(tramo.RECE);
    if (fijas.Renueva(firma, NumeroFijasPantalla)) {
        // They were written in other units or with another separator.
        for (CampoGuardado &campo : contexto.memoria.esfuerzosCabecera) {
            campo.Olvida();
        }
        const LineasCabecera l = LineasFijas(estado);
        const auto milimetros = [&ejecucion](double metros, int decimales) {
            return sNumeroDob(ejecucion, metros * MilimetrosPorMetro, 5, decimales, "", false) +
                   " mm";
        };
        fijas[FijaTubo] =
            "  " + l.tipo + Blancos(3) + Texto(d, 619) +
            sNumeroDob(ejecucion, tramo.vDi * MilimetrosPorMetro, 5, 0, "", false) + " " +
            Texto(d, 589) + "\n" +
            // The wall thickness keeps a decimal on the screen (none on the printer).
            Blancos(8) + l.camisa + milimetros(tramo.ESP, 1) + "\n" + Blancos(30) + Texto(d, 621) +
            milimetros(tramo.RECI, 0) + "\n" + Blancos(30) + Texto(d, 622) +
            milimetros(tramo.RECE, 0) + "\n\n" + l.cuna + "\n";
        fijas[FijaAltura] = Texto(d, 625);
        fijas[FijaTrasAltura] = " " + Texto(d, 626) + "\n";
        fijas[FijaPresion] = Texto(d, 627);
        fijas[FijaCargaMovil] = l.cargaMovil + "\n";
        const std::string unidades = CorrigeUnidades(Texto(d, enSI ? 632 : 633), enSI);
        std::string regla;
        for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
            regla += " " + std::string(17, '-');
        }
        for (std::size_t h = 1; h <= NumeroHipotesisArmado; ++h) {
            fijas[FijaHipotesis + h - 1] =
                "\n" + Texto(d, 629) +
                Texto(d, CampoHipotesis.primero + static_cast<std::int32_t>(h) - 1) + "\n" +
                Texto(d, 630) + "\n" + Texto(d, 631) + "\n" + unidades + "\n" + regla + "\n";
        }
    }

    // Written straight into the screen text a block at a time, room being made for a block at
    // once: its texts and its numbers at some twenty bytes each (more is made if need be). A
    // block stays small, as the room is blanked first.
    constexpr std::size_t BytesNumero = 24;
    std::string &texto = contexto.salida.Pantalla();
    {
        EscrituraTexto pantalla(
            texto, campo_numero::BytesCampo + fijas[FijaTubo].size() + fijas[FijaAltura].size() +
                       fijas[FijaTrasAltura].size() + fijas[FijaPresion].size() +
                       fijas[FijaCargaMovil].size() + 2 * BytesNumero);
        pantalla.Anade(fijas[FijaTubo]);
        pantalla.Anade(fijas[FijaAltura]);
        ClaveNumero(ejecucion, "").Anade(pantalla, estado.caso.AlturaActual, 7, 2);
        pantalla.Anade(fijas[FijaTrasAltura]);
        pantalla.Anade(fijas[FijaPresion]);
        ClaveNumero(ejecucion, "at->MPa").Anade(pantalla, estado.caso.DP, 7, 2, true);
        pantalla.Anade('\n');
        pantalla.Anade(fijas[FijaCargaMovil]);
    }
    if (!error && esArmado) {
        const ClaveNumero momentos(ejecucion, "mT->mkN");
        const ClaveNumero axiles(ejecucion, "T->kN");
        for (std::size_t h = 1; h <= NumeroHipotesisArmado; ++h) {
            const std::string &titulo = fijas[FijaHipotesis + h - 1];
            EscrituraTexto pantalla(texto, campo_numero::BytesCampo + titulo.size() +
                                               2 * NumeroSecciones * BytesNumero);
            pantalla.Anade(titulo);
            // The moments stay the same along the pressures of a fill height, and so do the
            // axial forces of the hypotheses without pressure.
            CampoGuardado *campo =
                &contexto.memoria.esfuerzosCabecera[2 * NumeroSecciones * (h - 1)];
            for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
                pantalla.Anade("  ");
                (campo++)->Anade(pantalla, momentos, M[h][s], 7, 3);
                pantalla.Anade("  ");
                (campo++)->Anade(pantalla, axiles, N[h][s], 7, 3);
            }
            pantalla.Anade('\n');
        }
    }
    if (error) {
        contexto.salida.EscribePantalla(1, error.mensaje, 1);
    }
    return error;
}

// The heading with the hypothesis forces M and N of a reinforced-concrete run, or with the
// fault met in combining them.
ErrorCalculo Cabecera(ContextoCalculo &contexto, const TablaHipotesis &M, const TablaHipotesis &N,
                      ErrorCalculo error)
{
    EstadoObra &estado = contexto.estado;
    SalidaListado &salida = contexto.salida;
    const DatosTramo &tramo = estado.tramo;
    const EstadoEjecucion &ejecucion = estado.ejecucion;
    const std::int32_t d = ejecucion.DesplazamientoIdioma;
    const bool esArmado = tramo.EsArmado != Falso;
    const bool enSI = ejecucion.SistemaUnidades == "SI";

    if (!estado.listado.Imprimiendo) {
        return CabeceraPantalla(contexto, M, N, std::move(error));
    }

    if (estado.listado.TipoListado != ClaseListado::Pantalla) {
        // Nothing of the heading here; a fault still has to reach the listing being printed.
        if (error) {
            salida.ImprimeLinea(Blancos(4) + error.mensaje);
        }
        return error;
    }

    const LineasCabecera l = LineasFijas(estado);
    const std::array<std::string, 4> instalacion{
        l.cuna,
        Texto(d, 625) + sNumeroDob(ejecucion, estado.caso.AlturaActual, 7, 2, "", false) + " " +
            Texto(d, 626),
        Texto(d, 627) + sNumeroDob(ejecucion, estado.caso.DP, 7, 2, "at->MPa", true),
        l.cargaMovil};
    const auto milimetros = [&ejecucion](double metros, int decimales) {
        return sNumeroDob(ejecucion, metros * MilimetrosPorMetro, 5, decimales, "", false) + " mm";
    };

    salida.CabeceraCaso(estado, 5);
    salida.SaltaLineas(estado, 1);
    salida.ImprimeLinea(Blancos(9) + l.tipo + Blancos(5) + Texto(d, 619) +
                        milimetros(tramo.vDi, 0));
    salida.ImprimeLinea(Blancos(17) + l.camisa + milimetros(tramo.ESP, 0));
    salida.ImprimeLinea(Blancos(39) + Texto(d, 621) + milimetros(tramo.RECI, 0));
    salida.ImprimeLinea(Blancos(39) + Texto(d, 622) + milimetros(tramo.RECE, 0));

    salida.CabeceraCaso(estado, 5);
    salida.SaltaLineas(estado, 1);
    for (const std::string &linea : instalacion) {
        salida.ImprimeLinea(Blancos(4) + linea);
    }

    salida.CabeceraCaso(estado, 10);
    salida.SaltaLineas(estado, 1);
    if (error) {
        salida.ImprimeLinea(Blancos(4) + error.mensaje);
        return error;
    }
    if (!esArmado) {
        return error;
    }

    salida.ImprimeLinea(Blancos(42) + Texto(d, 634));
    salida.ImprimeLinea(Blancos(39) + Texto(d, 635));
    salida.ImprimeLinea(Blancos(11) + CorrigeUnidades(Texto(d, enSI ? 636 : 637), enSI));
    const std::string raya(18, '-');
    salida.ImprimeLinea(Blancos(6) + std::string(26, '-') + Blancos(2) + raya + Blancos(2) + raya +
                        Blancos(2) + raya);
    for (std::size_t h = 1; h <= NumeroHipotesisArmado; ++h) {
        std::string fila = Blancos(6) + TextoEnCampo(d, CampoHipotesis, static_cast<int>(h));
        for (std::size_t s = 1; s <= NumeroSecciones; ++s) {
            fila.append(sNumeroDob(ejecucion, M[h][s], 10, 3, "mT->mkN", false));
            fila.append(sNumeroDob(ejecucion, N[h][s], 10, 3, "T->kN", false));
        }
        salida.ImprimeLinea(fila);
    }
    return error;
}

} // namespace

ErrorCalculo ImprimeDatosCaso(ContextoCalculo &contexto)
{
    const EstadoObra &estado = contexto.estado;
    ErrorCalculo error;
    TablaHipotesis M{};
    TablaHipotesis N{};
    if (estado.tramo.EsArmado != Falso &&
        CombinaHipotesis(estado, M, N, estado.tramo.vDi / 2) != ErrorHipotesis::Ninguno) {
        // Written from existing texts ("ERROR: ESFUERZOS DE OVALIZACION"): the ring forces
        // of the case are what failed.
        const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
        error =
            ErrorCalculo::Con(Texto(d, TextoError) + ": " + Texto(d, TextoEsfuerzosOvalizacion));
    }
    return Cabecera(contexto, M, N, std::move(error));
}

ErrorCalculo ImprimeDatosCaso(ContextoCalculo &contexto, const TablaHipotesis &M,
                              const TablaHipotesis &N)
{
    return Cabecera(contexto, M, N, {});
}

} // namespace dravek
