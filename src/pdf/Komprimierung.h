#pragma once

// zlib streams (two-byte header, deflate data, Adler-32) for the PDF's Flate filter.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct z_stream_s;

namespace senvio::pdf {

// Builds one zlib stream piece by piece, so a picture need not be held twice.
class Verdichter {
public:
    Verdichter();
    ~Verdichter();
    Verdichter(const Verdichter&) = delete;
    Verdichter& operator=(const Verdichter&) = delete;

    void Nimm(std::span<const std::uint8_t> daten);
    // Ends the stream and hands out its bytes; the object is used up then.
    std::string Schliesse();

private:
    void Verdichte(int modus);

    z_stream_s* m_strom;
    std::string m_ergebnis;
};

// The zlib stream of the bytes; of no bytes, the 8-byte stream 78 9C 03 00 00 00 00 01.
std::string Komprimiere(std::string_view daten);

} // namespace senvio::pdf
