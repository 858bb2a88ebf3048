#include "core/engine/SeccionArmado.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/engine/DisponeArmadura.h"
#include "core/model/TextoRecurso.h"

namespace dravek {

namespace {

constexpr std::int32_t TextoValorIncorrecto = 287;

std::string Blancos(int n)
{
    return std::string(static_cast<std::size_t>(n), ' ');
}

bool Positivo(double valor)
{
    return std::isfinite(valor) && valor > 0;
}

// "Resistencia de cálculo del acero: Valor incorrecto", as the data checks put a caption and
// text 287.
ErrorCalculo ValorIncorrecto(ContextoCalculo &contexto, std::int32_t rotulo)
{
    const std::int32_t d = contexto.estado.ejecucion.DesplazamientoIdioma;
    return FalloArmado(contexto, Texto(d, rotulo) + ": " + Texto(d, TextoValorIncorrecto));
}

} // namespace

void AvisoSeccion(ContextoCalculo &contexto, const std::string &texto)
{
    EstadoObra &estado = contexto.estado;
    SalidaListado &salida = contexto.salida;
    if (!estado.listado.Imprimiendo) {
        salida.EscribePantalla(1, Blancos(2) + "** " + texto + " **", 1);
        return;
    }
    switch (estado.listado.TipoListado) {
    case ClaseListado::Normal:
        if (estado.resultados.PasadaDefinitiva) {
            salida.SaltaLineas(estado, 1);
            salida.ImprimeLinea(Blancos(10) + texto);
            salida.SaltaLineas(estado, 2);
        }
        break;
    case ClaseListado::Pantalla:
        salida.CabeceraCaso(estado, 2);
        salida.SaltaLineas(estado, 1);
        salida.impresora().PonNegrita(true);
        salida.ImprimeLinea(Blancos(9) + texto);
        salida.impresora().PonNegrita(false);
        break;
    case ClaseListado::Tabular:
        break;
    }
}

ErrorCalculo CompruebaFyd(ContextoCalculo &contexto)
{
    if (!Positivo(contexto.estado.tramo.Fyd)) {
        return ValorIncorrecto(contexto, 294); // "Resistencia de cálculo del acero"
    }
    return {};
}

ErrorCalculo CompruebaMaterialesSeccion(ContextoCalculo &contexto)
{
    const DatosTramo &tramo = contexto.estado.tramo;
    if (!Positivo(tramo.FCK)) {
        return ValorIncorrecto(contexto, 291); // "Resist. del hormigón a compresión"
    }
    if (!Positivo(tramo.Fyk)) {
        return ValorIncorrecto(contexto, 293); // "Resistencia característica del acero"
    }
    if (ErrorCalculo error = CompruebaFyd(contexto)) {
        return error;
    }
    if (!Positivo(tramo.GamaB)) {
        return ValorIncorrecto(contexto, 997); // "Gamab: Coeficiente de Minoración del hormigón"
    }
    if (!Positivo(tramo.GamaF)) {
        return ValorIncorrecto(contexto, 999); // "Gamaf: Coeficiente de Mayoración de Cargas"
    }
    return {};
}

} // namespace dravek
