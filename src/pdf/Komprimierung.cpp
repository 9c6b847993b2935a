#include "Komprimierung.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>
#include <zlib.h>

namespace senvio::pdf {

// zlib's default level: the file format promises it. Level 2 would take about half
// the time on page pictures for some 25 % more bytes.
constexpr int Stufe = Z_DEFAULT_COMPRESSION;

Verdichter::Verdichter() : m_strom(new z_stream{}) {
    if (deflateInit(m_strom, Stufe) != Z_OK) {
        delete m_strom;
        throw std::bad_alloc();
    }
}

Verdichter::~Verdichter() {
    deflateEnd(m_strom);
    delete m_strom;
}

void Verdichter::Verdichte(int modus) {
    for (;;) {
        const std::size_t frei = 64 * 1024;
        const std::size_t alt = m_ergebnis.size();
        m_ergebnis.resize(alt + frei);
        m_strom->next_out = reinterpret_cast<Bytef*>(m_ergebnis.data() + alt);
        m_strom->avail_out = uInt(frei);
        const int antwort = deflate(m_strom, modus);
        m_ergebnis.resize(alt + frei - m_strom->avail_out);
        if (antwort == Z_STREAM_ERROR) {
            throw std::logic_error("deflate: Z_STREAM_ERROR");
        }
        // Done when deflate left output room: all input taken (and, when finishing, the end written).
        if (modus == Z_FINISH ? antwort == Z_STREAM_END : m_strom->avail_out != 0) {
            return;
        }
    }
}

void Verdichter::Nimm(std::span<const std::uint8_t> daten) {
    // avail_in is 32 bits wide: hand over large inputs in parts.
    constexpr std::size_t teil = std::size_t(1) << 30;
    while (!daten.empty()) {
        const std::size_t n = std::min(daten.size(), teil);
        m_strom->next_in = const_cast<Bytef*>(daten.data());
        m_strom->avail_in = uInt(n);
        Verdichte(Z_NO_FLUSH);
        daten = daten.subspan(n);
    }
}

std::string Verdichter::Schliesse() {
    m_strom->next_in = nullptr;
    m_strom->avail_in = 0;
    Verdichte(Z_FINISH);
    return std::move(m_ergebnis);
}

std::string Komprimiere(std::string_view daten) {
    Verdichter v;
    v.Nimm({reinterpret_cast<const std::uint8_t*>(daten.data()), daten.size()});
    return v.Schliesse();
}

} // namespace senvio::pdf
