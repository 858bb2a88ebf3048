#include "core/engine/TablaCargas.h"

#include "core/engine/CompruebaCalculo.h"
#include "core/listing/FormatoNumeros.h"
#include "core/model/TextoRecurso.h"
#include "core/model/TextosComunes.h"

#include <cmath>
#include <cstddef>

namespace dravek {

namespace {

constexpr std::int32_t TextoDistanciaTerrenoNatural = 316;

// A height within this distance of the final height is taken as the final height, m.
constexpr double ToleranciaAlturaFinal = 0.01;

// A field label of the data-entry window without its trailing colon, dots and blanks.
std::string Rotulo(std::int32_t DesplazamientoIdioma, std::int32_t n)
{
    std::string texto = Texto(DesplazamientoIdioma, n);
    const std::size_t fin = texto.find_last_not_of(" .:");
    return fin == std::string::npos ? std::string() : texto.substr(0, fin + 1);
}

std::string Valor(const EstadoEjecucion &ejecucion, double valor)
{
    return sNumeroDob(ejecucion, valor, 1, 3, "", false);
}

bool ImprimiendoNormal(const EstadoListado &listado)
{
    return listado.Imprimiendo && listado.TipoListado == ClaseListado::Normal;
}

void EscribeEnListado(ContextoCalculo &contexto, const std::string &mensaje)
{
    if (contexto.estado.listado.Imprimiendo) {
        contexto.salida.ImprimeLinea(Blancos(8) + mensaje);
    } else {
        contexto.salida.EscribePantalla(0, mensaje, 1);
    }
}

// One row of the load table from the case loads of height H (t/m2).
std::string FilaTabla(const EstadoObra &estado, double H)
{
    const EstadoEjecucion &ejecucion = estado.ejecucion;
    const DatosCaso &caso = estado.caso;
    const double vDE = estado.tramo.vDE;
    const bool enSI = ejecucion.SistemaUnidades == "SI";

    const auto campo = [&](double valor) {
        return sNumeroDob(ejecucion, enSI ? valor * FactorFuerzas : valor, 7, 1, "", false);
    };
    // Pressure (t/m2) and load per metre of pipe (t/m).
    const auto grupo = [&](double presion) { return campo(presion) + " " + campo(presion * vDE); };
    const std::string vacio = Blancos(15);

    const double adoptada = caso.vQ - caso.CargaMovil;
    const double otra = caso.CargaNoAdoptada;
    const std::string movil = grupo(caso.CargaMovil);
    const std::string total = grupo(caso.vQ);

    std::string zanja;
    std::string terraplen;
    std::string adoptadaTexto;
    std::string movilTexto = movil;
    if (estado.tramo.CodigoColocacion > 30) {
        zanja = vacio;
        terraplen = grupo(adoptada);
        adoptadaTexto = vacio;
        // The SI table leaves out the zero live load of an embankment without one; MKS prints it.
        if (estado.tramo.TipoCargaConcentrada == 0 && enSI) {
            movilTexto = vacio;
        }
    } else if (estado.calculo.TerraplenAdoptado == Falso) {
        zanja = grupo(adoptada);
        terraplen = grupo(otra);
        adoptadaTexto = grupo(adoptada);
    } else {
        zanja = grupo(otra);
        terraplen = grupo(adoptada);
        adoptadaTexto = grupo(adoptada);
    }
    return Blancos(8) + sNumeroDob(ejecucion, H, 5, 2, "", false) + " " + zanja + " " + terraplen +
           " " + adoptadaTexto + " " + movilTexto + " " + total;
}

} // namespace

std::string MensajeErrorCargas(const EstadoObra &estado, ErrorMarston error, double altura)
{
    const std::int32_t d = estado.ejecucion.DesplazamientoIdioma;
    const EstadoEjecucion &ejecucion = estado.ejecucion;
    const DatosTramo &tramo = estado.tramo;

    std::string dato;
    switch (error) {
    case ErrorMarston::Ninguno:
        return {};
    case ErrorMarston::AlturaNoValida:
        dato = Rotulo(d, TextoAlturasCalculo) + " = " + Valor(ejecucion, altura);
        break;
    case ErrorMarston::DiametroNoValido:
        dato = Rotulo(d, TextoDiametroExterior) + " = " + Valor(ejecucion, tramo.vDE);
        break;
    case ErrorMarston::AnchoZanjaNoValido:
        dato = Rotulo(d, TextoAnchoZanja) + " = " + Valor(ejecucion, tramo.AnchoZanja);
        break;
    case ErrorMarston::AnguloRozamientoNoValido:
        dato = Rotulo(d, TextoAnguloRozamientoTerreno) + " = " +
               Valor(ejecucion, tramo.AnguloRozamiento);
        break;
    case ErrorMarston::RellenoNoValido:
        dato = Rotulo(d, TextoTipoRelleno) + " = " + std::to_string(tramo.TipoRelleno);
        break;
    case ErrorMarston::RazonAsentamientoNoValida:
        dato =
            Rotulo(d, TextoRazonAsentamiento) + " = " + std::to_string(tramo.IndiceAsentamiento);
        break;
    case ErrorMarston::CargaMovilNoValida:
        dato = Rotulo(d, TextoTipoCargaConcentrada) + " = " +
               std::to_string(tramo.TipoCargaConcentrada);
        break;
    case ErrorMarston::DistanciaTerrenoNoValida:
    case ErrorMarston::SinConvergencia:
    case ErrorMarston::ResultadoNoFinito:
        // With valid data only an extreme projection over the natural ground gets here.
        dato = Rotulo(d, TextoDistanciaTerrenoNatural) + " = " +
               Valor(ejecucion, tramo.DistanciaTerrenoNatural);
        break;
    }
    return Texto(d, TextoError) + ": " + Texto(d, TextoValorIncorrecto) + " - " + dato +
           " (HR = " + Valor(ejecucion, altura) + " m)";
}

ErrorMarston CargasMarstonAltura(EstadoObra &estado, double altura, std::int16_t TipoCargaMovil,
                                 double &CoeficienteImpacto)
{
    DatosTramo &tramo = estado.tramo;
    DatosCaso &caso = estado.caso;
    const double vDE = tramo.vDE;

    EntradaMarston entrada;
    entrada.Altura = altura;
    entrada.AnchoZanja = tramo.AnchoZanja;
    entrada.DistanciaTerrenoNatural = tramo.DistanciaTerrenoNatural;
    entrada.PesoEspecificoRelleno = tramo.vGAMAT;
    entrada.AnguloRozamiento = tramo.AnguloRozamiento;
    entrada.CodigoColocacion = tramo.CodigoColocacion;
    entrada.CodigoRelleno = tramo.TipoRelleno;
    entrada.RazonAsentamiento = tramo.IndiceAsentamiento;
    entrada.TipoCargaMovil = TipoCargaMovil;
    entrada.DiametroExterior = vDE;
    // Back to t/m, so that a load the routine leaves as it was is divided to the same t/m2.
    entrada.WAnterior = caso.vQ * vDE;
    entrada.W2Anterior = caso.vQH * vDE;
    entrada.CargaNoAdoptadaAnterior = caso.CargaNoAdoptada * vDE;

    const ResultadoMarston resultado = CalculaCargasMarston(entrada);
    if (resultado.Error != ErrorMarston::Ninguno) {
        return resultado.Error;
    }

    // vDE is above 0 here: the routine refuses any other diameter.
    caso.vQ = resultado.W / vDE; // t/m -> t/m2
    caso.vQH = resultado.W2 / vDE;
    caso.CargaMovil = resultado.CargaMovil / vDE;
    caso.CargaNoAdoptada = resultado.CargaNoAdoptada / vDE;
    estado.calculo.TerraplenAdoptado = resultado.TerraplenAdoptado;
    tramo.DistanciaTerrenoNatural = resultado.DistanciaTerrenoNatural;
    CoeficienteImpacto = resultado.CoeficienteImpacto;
    return ErrorMarston::Ninguno;
}

ErrorCalculo CalculaCargasAltura(ContextoCalculo &contexto, double altura,
                                 std::int16_t TipoCargaMovil, double &CoeficienteImpacto)
{
    const ErrorMarston error =
        CargasMarstonAltura(contexto.estado, altura, TipoCargaMovil, CoeficienteImpacto);
    if (error == ErrorMarston::Ninguno) {
        return {};
    }
    const std::string mensaje = MensajeErrorCargas(contexto.estado, error, altura);
    EscribeEnListado(contexto, mensaje);
    return ErrorCalculo::Con(mensaje);
}

ErrorCalculo CalculaCargasUnMetro(ContextoCalculo &contexto)
{
    DatosCaso &caso = contexto.estado.caso;
    const DatosCaso guardado = caso;
    double coeficiente = 0;
    const ErrorCalculo error = CalculaCargasAltura(contexto, 1.0, 0, coeficiente);
    if (!error) {
        caso.vQUnMetro = caso.vQ;
        caso.vQHUnMetro = caso.vQH;
        caso.CargaMovilUnMetro = caso.CargaMovil;
        caso.CargaNoAdoptadaUnMetro = caso.CargaNoAdoptada;
    }
    caso.vQ = guardado.vQ;
    caso.vQH = guardado.vQH;
    caso.CargaMovil = guardado.CargaMovil;
    caso.CargaNoAdoptada = guardado.CargaNoAdoptada;
    return error;
}

ErrorCalculo ListaCargas(ContextoCalculo &contexto, double CoeficienteImpacto)
{
    EstadoObra &estado = contexto.estado;
    if (!ImprimiendoNormal(estado.listado)) {
        return CalculaCargasUnMetro(contexto);
    }

    SalidaListado &salida = contexto.salida;
    const EstadoEjecucion &ejecucion = estado.ejecucion;
    const std::int32_t d = ejecucion.DesplazamientoIdioma;
    const DatosTramo &tramo = estado.tramo;
    const DatosCalculo &calculo = estado.calculo;
    DatosCaso &caso = estado.caso;
    const std::string sangria = Blancos(8);

    const auto indiceCarga = static_cast<std::size_t>(tramo.TipoCargaConcentrada + 1);
    const std::string nombreCarga = indiceCarga < estado.etiquetas.NombresCargaMovil.size()
                                        ? estado.etiquetas.NombresCargaMovil[indiceCarga]
                                        : std::string();
    salida.ImprimeLinea(sangria + Texto(d, 391) + Blancos(2) +
                        sTextoFijo(nombreCarga, CampoCargaMovilTabla.ancho));
    salida.ImprimeLinea(sangria + Texto(d, 392) +
                        sNumeroDob(ejecucion, CoeficienteImpacto, 6, 2, "", false));
    salida.SaltaLineas(estado, 1);
    const std::string regla =
        "----- --------------- --------------- --------------- --------------- ---------------";
    salida.ImprimeLinea(sangria + Texto(d, 393));
    salida.ImprimeLinea(sangria + Texto(d, 394));
    salida.ImprimeLinea(sangria + regla);
    if (ejecucion.SistemaUnidades == "SI") {
        salida.ImprimeLinea(sangria + "  M     kN/m2    kN/m   kN/m2    kN/m   kN/m2    kN/m   "
                                      "kN/m2    kN/m   kN/m2    kN/m");
    } else {
        salida.ImprimeLinea(sangria + "  M      T/m2     T/m    T/m2     T/m    T/m2     T/m    "
                                      "T/m2     T/m    T/m2     T/m");
    }
    salida.ImprimeLinea(sangria + regla);

    double coeficiente = CoeficienteImpacto;
    const auto fila = [&](double H, std::int16_t tipoCarga) {
        const ErrorCalculo error = CalculaCargasAltura(contexto, H, tipoCarga, coeficiente);
        if (!error) {
            salida.ImprimeLinea(FilaTabla(estado, H));
            salida.SaltaLineas(estado, 1);
        }
        return error;
    };

    // 1 m of fill without live load, for load case 8 of the ring analysis.
    if (ErrorCalculo error = fila(1.0, 0)) {
        return error;
    }
    caso.vQUnMetro = caso.vQ;
    caso.vQHUnMetro = caso.vQH;
    caso.CargaMovilUnMetro = caso.CargaMovil;
    caso.CargaNoAdoptadaUnMetro = caso.CargaNoAdoptada;

    // The heights of the case loop. A run without a final height has the initial one only.
    const double alturaFinal =
        calculo.AlturaFinal > 0 ? calculo.AlturaFinal : calculo.AlturaInicial;
    const double incremento = tramo.IncrementoAltura;
    double H = calculo.AlturaInicial;
    if (std::abs(alturaFinal - H) < ToleranciaAlturaFinal) {
        H = alturaFinal;
    }
    // The rows after the first follow the case loop's rule: the row of the final height is the
    // last, no step gives the initial height alone, and a step too small to move the height
    // ends the table. However far a range reaches, no more rows than a range within the
    // physical bounds can hold.
    for (int filas = 0; H <= alturaFinal && filas < FilasMaximasTablaCargas; ++filas) {
        if (ErrorCalculo error = fila(H, tramo.TipoCargaConcentrada)) {
            return error;
        }
        if (!AlturaSiguiente(H, alturaFinal, incremento, H)) {
            break;
        }
    }
    return {};
}

} // namespace dravek
