#pragma once

#include <string>
#include <string_view>

// The PDF's standard fonts read their text as WinAnsiEncoding, that is Windows-1252.
namespace senvio::hilfe {

// UTF-8 to Windows-1252. Only characters that the standard fonts can show pass: printable
// ASCII and the printable rest of Windows-1252. Anything else, and bytes that are no
// UTF-8, throw HilfeFehler naming the line `zeile` and the character.
std::string NachWindows1252(std::string_view utf8, int zeile);

} // namespace senvio::hilfe
