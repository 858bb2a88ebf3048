#include "core/storage/FormasRegistro.h"

#include "core/listing/FormatoNumeros.h"
#include "core/validation/FuncionesGenerales.h"

namespace dravek {

std::string TextoReal(double valor, std::string_view mascara, std::string_view separador)
{
    return FormateaMascara(valor, mascara, separador);
}

std::string TextoEntero(std::int32_t valor)
{
    return std::to_string(valor);
}

std::string TextoPar(ParValores valor, std::string_view mascaraMKS, std::string_view mascaraSI,
                     std::string_view separador)
{
    std::string texto = TextoReal(valor.mks, mascaraMKS, separador);
    texto += SeparadorPar;
    texto += TextoReal(valor.si, mascaraSI, separador);
    return texto;
}

std::optional<ElementosPar> SeparaPar(std::string_view registro)
{
    const std::size_t corte = registro.find(SeparadorPar);
    if (corte == std::string_view::npos) {
        return std::nullopt;
    }
    return ElementosPar{std::string(registro.substr(0, corte)),
                        std::string(registro.substr(corte + SeparadorPar.size()))};
}

std::string NormalizaSeparador(std::string_view texto, const EstadoEjecucion &ejecucion)
{
    const std::int32_t otro = ejecucion.CodigoOtroSeparador;
    std::string normalizado;
    normalizado.reserve(texto.size());
    for (const char c : texto) {
        if (otro > 0 && otro < 128 && c == static_cast<char>(otro)) {
            normalizado += ejecucion.SeparadorDecimalLocal;
        } else {
            normalizado.push_back(c);
        }
    }
    return normalizado;
}

bool EsCeroDeMascara(std::string_view elemento, std::string_view mascara)
{
    const std::size_t punto = mascara.find('.');
    if (punto == std::string_view::npos) {
        return elemento == "0";
    }
    const std::size_t decimales = mascara.size() - punto - 1;
    if (elemento.size() != decimales + 2 || elemento[0] != '0' ||
        (elemento[1] != ',' && elemento[1] != '.')) {
        return false;
    }
    return elemento.substr(2).find_first_not_of('0') == std::string_view::npos;
}

bool EstaVacio(std::string_view texto)
{
    return texto.find_first_not_of(' ') == std::string_view::npos;
}

std::optional<double> LeeReal(std::string_view texto, const EstadoEjecucion &ejecucion)
{
    if (EstaVacio(texto)) {
        return std::nullopt;
    }
    return ConvierteNumeroLocal(NormalizaSeparador(texto, ejecucion),
                                ejecucion.SeparadorDecimalLocal);
}

std::optional<std::int16_t> LeeEntero(std::string_view texto, const EstadoEjecucion &ejecucion)
{
    if (EstaVacio(texto)) {
        return std::nullopt;
    }
    const Entero16 entero =
        ConvierteEntero16(NormalizaSeparador(texto, ejecucion), ejecucion.SeparadorDecimalLocal);
    if (entero.error != ErrorConversion::Ninguno) {
        return std::nullopt;
    }
    return entero.valor;
}

} // namespace dravek
