#include "core/storage/FicheroRegistros.h"

#include "core/storage/CodigoPagina.h"

#include <algorithm>
#include <cstddef>

namespace dravek {

namespace {

bool NumeroValido(std::int32_t n)
{
    return n >= 1 && n <= MaximoNumeroRegistro;
}

} // namespace

FalloRegistro CompruebaTextoRegistro(std::string_view texto)
{
    const std::optional<std::string> bytes = CodificaWindows1252(texto);
    if (!bytes) {
        return FalloRegistro::NoCodificable;
    }
    if (bytes->size() > MaximoBytesTexto) {
        return FalloRegistro::DemasiadoLargo;
    }
    return FalloRegistro::Ninguno;
}

std::optional<std::string> FicheroRegistros::LeeRegistro(std::int32_t n) const
{
    if (!NumeroValido(n)) {
        return std::nullopt;
    }
    const std::size_t inicio = LongitudRegistro * static_cast<std::size_t>(n - 1);
    if (inicio >= m_bytes.size()) {
        return std::string();
    }
    const std::size_t disponibles = m_bytes.size() - inicio;
    const auto byte = [&](std::size_t i) {
        return i < disponibles ? static_cast<unsigned char>(m_bytes[inicio + i]) : 0U;
    };
    const std::size_t largo = byte(0) | (byte(1) << 8);
    if (largo > MaximoBytesTexto || 2 + largo > disponibles) {
        return std::nullopt;
    }
    return DecodificaWindows1252(std::string_view(m_bytes).substr(inicio + 2, largo));
}

FalloRegistro FicheroRegistros::Escribe(std::int32_t n, std::string_view texto)
{
    if (!NumeroValido(n)) {
        return FalloRegistro::FueraDeRango;
    }
    const std::optional<std::string> bytes = CodificaWindows1252(texto);
    if (!bytes) {
        return FalloRegistro::NoCodificable;
    }
    if (bytes->size() > MaximoBytesTexto) {
        return FalloRegistro::DemasiadoLargo;
    }
    const std::size_t inicio = LongitudRegistro * static_cast<std::size_t>(n - 1);
    if (m_bytes.size() < inicio + LongitudRegistro) {
        m_bytes.resize(inicio + LongitudRegistro, '\0');
    }
    m_bytes[inicio] = static_cast<char>(bytes->size() & 0xFF);
    m_bytes[inicio + 1] = static_cast<char>((bytes->size() >> 8) & 0xFF);
    m_bytes.replace(inicio + 2, bytes->size(), *bytes);
    std::fill(m_bytes.begin() + static_cast<std::ptrdiff_t>(inicio + 2 + bytes->size()),
              m_bytes.begin() + static_cast<std::ptrdiff_t>(inicio + LongitudRegistro), '\0');
    return FalloRegistro::Ninguno;
}

} // namespace dravek
