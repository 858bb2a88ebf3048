#pragma once

// A file of fixed 128-byte records numbered from 1, as the project file (".dvk") and the
// adjustments file (".dpe") are: record n holds bytes 128 (n - 1) to 128 n - 1, a 2-byte
// little-endian length L and then L bytes of text in the Windows-1252 code page. The file is
// held whole in memory and written back whole (Ficheros.h), so a save never leaves it half
// written.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace dravek {

inline constexpr std::size_t LongitudRegistro = 128;
inline constexpr std::size_t MaximoBytesTexto = LongitudRegistro - 2;
// Record numbers are 16-bit signed integers in the file's data model.
inline constexpr std::int32_t MaximoNumeroRegistro = 32767;

enum class FalloRegistro {
    Ninguno,
    NoCodificable,  // a character the code page has not
    DemasiadoLargo, // more than 126 bytes in the code page
    FueraDeRango,   // a record number outside 1..32767
};

// Whether a text fits a record: encodable in the code page and at most 126 bytes there.
FalloRegistro CompruebaTextoRegistro(std::string_view texto);

class FicheroRegistros {
public:
    FicheroRegistros() = default;
    explicit FicheroRegistros(std::string bytes) : m_bytes(std::move(bytes)) {}

    // The text of record n, as UTF-8: every reader of the two files reads through it. A record
    // never written, inside or beyond the end of the file, reads as the empty text. Nothing when
    // the record is damaged: a length above 126, a record cut short by the end of the file, or a
    // number outside 1..32767.
    std::optional<std::string> LeeRegistro(std::int32_t n) const;

    // Writes the text into record n, extending the file with empty records when n lies beyond
    // its end. The bytes after the text are cleared, so a record's bytes depend on its text
    // alone. Nothing is changed when the text does not fit or n is out of range.
    FalloRegistro Escribe(std::int32_t n, std::string_view texto);

    const std::string &Bytes() const { return m_bytes; }
    bool Vacio() const { return m_bytes.empty(); }

private:
    std::string m_bytes;
};

} // namespace dravek
