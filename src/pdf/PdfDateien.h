#pragma once

// The file traffic of the PDF writer. Every failure throws PdfDateiFehler naming the
// file as the caller gave it.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace senvio::pdf {

// Creates or replaces the file with the pieces, one after the other. A file that
// could not be written whole is removed again.
void SchreibeDatei(const std::string& pfad, std::initializer_list<std::string_view> teile);

// Replaces the file atomically: the pieces go to a new file in the same folder, which
// is flushed to disk and renamed over the old one. On any failure the new file is
// removed and the old one stays as it was. A replaced file keeps its permissions.
void SchreibeDateiAtomar(const std::string& pfad, std::initializer_list<std::string_view> teile);

// Appends the whole file to `ziel`; a plain file of at most `hoechstens` bytes.
void HaengeDateiAn(const std::string& pfad, std::string& ziel, std::size_t hoechstens);

} // namespace senvio::pdf
