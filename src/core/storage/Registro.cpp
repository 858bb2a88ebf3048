#include "core/storage/Registro.h"

#include "core/model/TextoPlano.h"
#include "core/model/Utf8.h"

#include <charconv>
#include <optional>

namespace dravek {

namespace {

std::string TextoDe(const DatoRegistro &vValor)
{
    if (const auto *texto = std::get_if<std::string>(&vValor)) {
        return *texto;
    }
    return std::to_string(std::get<std::int32_t>(vValor));
}

// A number given as a text must be a whole 32-bit number; blanks around it are allowed.
std::optional<std::int32_t> NumeroDe(const DatoRegistro &vValor)
{
    if (const auto *numero = std::get_if<std::int32_t>(&vValor)) {
        return *numero;
    }
    const std::string_view texto = SinBlancos(std::get<std::string>(vValor));
    std::string_view cifras = texto;
    if (!cifras.empty() && cifras.front() == '+') {
        cifras.remove_prefix(1);
    }
    std::int32_t numero = 0;
    const auto [fin, error] =
        std::from_chars(cifras.data(), cifras.data() + cifras.size(), numero);
    if (cifras.empty() || error != std::errc{} || fin != cifras.data() + cifras.size()) {
        return std::nullopt;
    }
    return numero;
}

} // namespace

bool ValidaClaveRegistro(std::string_view sRuta)
{
    if (sRuta.empty()) {
        return true;
    }
    return sRuta.front() != '\\' && sRuta.back() != '\\' &&
           sRuta.find("\\\\") == std::string_view::npos;
}

bool LeeValorRegistro(AlmacenConfiguracion &almacen, RaizRegistro hClave, const std::string &sRuta,
                      const std::string &sNombre, std::string &sValor)
{
    if (!ValidaClaveRegistro(sRuta)) {
        return false;
    }
    const std::optional<ValorRegistro> valor = almacen.LeeValor(hClave, sRuta, sNombre);
    if (!valor || valor->datos.empty() || valor->datos.size() > CapacidadLecturaRegistro) {
        return false;
    }
    // Only one trailing NUL is dropped: a text stored with its terminator reads as the text.
    std::string_view guardados = valor->datos;
    if (guardados.back() == '\0') {
        guardados.remove_suffix(1);
    }

    std::string texto;
    if (valor->tipo == TipoTexto) {
        texto = guardados;
    } else if (valor->tipo == TipoNumero) {
        // The kept bytes from the last to the first; a number whose top byte is 0 therefore
        // shows only its three low bytes, as it always did.
        constexpr const char *Cifras = "0123456789ABCDEF";
        texto = "&h";
        for (auto i = guardados.rbegin(); i != guardados.rend(); ++i) {
            const auto b = static_cast<unsigned char>(*i);
            texto += Cifras[b >> 4];
            texto += Cifras[b & 0x0F];
        }
    }
    sValor = texto;
    return true;
}

void GrabaValorRegistro(AlmacenConfiguracion &almacen, RaizRegistro hClave,
                        const std::string &sRuta, const std::string &sNombre,
                        const DatoRegistro &vValor, std::int32_t lTipo)
{
    EscribeValorRegistro(almacen, hClave, sRuta, sNombre, lTipo, vValor);
}

std::int32_t EscribeValorRegistro(AlmacenConfiguracion &almacen, RaizRegistro hClaveAbierta,
                                  const std::string &sRuta, const std::string &sNombre,
                                  std::int32_t lTipo, const DatoRegistro &vValor)
{
    ValorRegistro valor;
    if (lTipo == static_cast<std::int32_t>(TipoTexto)) {
        valor.tipo = TipoTexto;
        valor.datos = TextoDe(vValor);
    } else if (lTipo == static_cast<std::int32_t>(TipoNumero)) {
        const std::optional<std::int32_t> numero = NumeroDe(vValor);
        if (!numero) {
            return ErrorTipoRegistro;
        }
        const auto bits = static_cast<std::uint32_t>(*numero);
        valor.tipo = TipoNumero;
        for (int i = 0; i < 4; ++i) {
            valor.datos += static_cast<char>((bits >> (8 * i)) & 0xFFu);
        }
    } else {
        return 0;
    }
    return almacen.EscribeValor(hClaveAbierta, sRuta, sNombre, valor) ? 0 : ErrorEscrituraRegistro;
}

void CreaClaveRegistro(AlmacenConfiguracion &almacen, const std::string &sRuta,
                       RaizRegistro hClave)
{
    almacen.CreaClave(hClave, sRuta);
}

std::string SeparadorDecimal(LocalUsuario &local)
{
    std::string separador = local.SeparadorDecimal();
    std::erase(separador, '\0');
    return std::string(SinBlancos(separador));
}

void PonSeparadorDecimal(EstadoEjecucion &ejecucion, LocalUsuario &local)
{
    const std::string delLocal = SeparadorDecimal(local);
    // A locale that gives no separator (the query failed) is taken as the point, so that
    // every number reader still has one.
    const std::string separador = delLocal.empty() ? std::string(".") : delLocal;
    ejecucion.SeparadorDecimalLocal = separador;
    ejecucion.CodigoSeparadorLocal = CodigoCaracterUtf8(separador, 0);
    ejecucion.CodigoOtroSeparador = separador == "," ? '.' : ',';
}

} // namespace dravek
