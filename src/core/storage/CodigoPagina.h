#pragma once

// The one-byte code page of the project and adjustments files: Windows-1252, the ANSI code
// page the program has always written them in. Core texts are UTF-8; these two functions are
// the only way between the two.

#include <optional>
#include <string>
#include <string_view>

namespace dravek {

// The bytes of a UTF-8 text in Windows-1252; nothing when the text is not valid UTF-8 or holds
// a character the code page has not (a Greek letter, a CJK ideograph, an emoji).
std::optional<std::string> CodificaWindows1252(std::string_view utf8);

// A Windows-1252 text as UTF-8. Every byte has a character: the five bytes the code page leaves
// unassigned (81, 8D, 8F, 90, 9D) become the control characters of the same number, as Windows
// itself reads them, so a text read and written again keeps its bytes.
std::string DecodificaWindows1252(std::string_view bytes);

} // namespace dravek
