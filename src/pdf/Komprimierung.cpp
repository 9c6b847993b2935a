#include "Komprimierung.h"

#include <libdeflate.h>
#include <memory>

namespace senvio::pdf {

namespace {

// zlib's default level, which the file format promises.
constexpr int Stufe = 6;

struct KompressorFrei {
    void operator()(libdeflate_compressor* k) const { libdeflate_free_compressor(k); }
};

} // namespace

KomprimierFehler::KomprimierFehler() : Meldungsfehler("Zu wenig Arbeitsspeicher, um die PDF-Datei zu komprimieren") {}

// A compressor is made for each stream: it costs little next to a page picture, and
// streams compressed on several threads need one each anyway.
std::string Komprimiere(std::string_view daten) {
    const std::unique_ptr<libdeflate_compressor, KompressorFrei> kompressor(libdeflate_alloc_compressor(Stufe));
    if (!kompressor) {
        throw KomprimierFehler();
    }
    // Room for the worst case, left uninitialised; only the stream itself is kept.
    const std::size_t platz = libdeflate_zlib_compress_bound(kompressor.get(), daten.size());
    const std::unique_ptr<char[]> puffer(new char[platz]);
    const std::size_t laenge =
        libdeflate_zlib_compress(kompressor.get(), daten.data(), daten.size(), puffer.get(), platz);
    if (laenge == 0) {
        throw std::logic_error("libdeflate_zlib_compress: die Schranke reichte nicht");
    }
    return std::string(puffer.get(), laenge);
}

} // namespace senvio::pdf
