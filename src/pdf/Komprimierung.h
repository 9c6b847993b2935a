#pragma once

#include "basis/Dateimeldung.h"

// zlib streams (two-byte header, deflate data, Adler-32) for the PDF's Flate filter,
// made by libdeflate at level 6, the default level of zlib: the same format and about
// the same size, in about half the time. Tests make the compressor's memory run out
// through libdeflate_set_memory_allocator.
#include <stdexcept>
#include <string>
#include <string_view>

namespace senvio::pdf {

// The compressor could not get its memory; what() is a German message in UTF-8.
class KomprimierFehler : public Meldungsfehler {
public:
    KomprimierFehler();
};

// The zlib stream of the bytes. Throws KomprimierFehler when memory runs out.
std::string Komprimiere(std::string_view daten);

} // namespace senvio::pdf
