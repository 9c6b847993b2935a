#pragma once

#include "basis/Dateimeldung.h"

// BMP files: the reader takes uncompressed 24- and 32-bit pictures, bottom-up or
// top-down, and survives any bytes; the writer writes 32-bit bottom-up pictures.
#include "BildPixel.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace senvio {

// A BMP file that cannot be read; what() is a German message in UTF-8 naming the file.
class BmpFehler : public Meldungsfehler {
public:
    using Meldungsfehler::Meldungsfehler;
};

struct BmpBild {
    int Breite = 0;
    int Hoehe = 0;
    int BytesJePixel = 4;            // as in the file: 3 or 4
    std::vector<std::uint8_t> Pixel; // rows top to bottom, no padding, bytes as in BildPixel

    BildPixel Ansicht() const { return {Breite, Hoehe, BytesJePixel, 0, Pixel}; }
};

// Limits that keep a hostile file from asking for much memory.
constexpr int BmpGroessteSeite = 20000;
constexpr std::int64_t BmpGroesstePixelzahl = 40'000'000;

// Decodes a BMP file's bytes; `name` is the file name for the messages.
BmpBild DekodiereBmp(std::span<const std::uint8_t> bytes, const std::string& name);

// Reads and decodes the BMP file. The second form reuses the picture's buffer, which
// saves time when many pictures of one size are read one after the other.
BmpBild LeseBmp(const std::string& pfad);
void LeseBmp(const std::string& pfad, BmpBild& bild);

// The bytes of a 32-bit bottom-up BMP file of the picture (fourth bytes as 0).
// Throws std::invalid_argument when the picture is not valid.
std::vector<std::uint8_t> KodiereBmp(const BildPixel& bild);

// Writes the picture as a 32-bit BMP file; throws PdfDateiFehler and removes a file
// it could not write whole. The files are the scratch pictures of one print run, so
// they are not flushed to disk one by one: that took a third of a long print.
void SchreibeBmp(const std::string& pfad, const BildPixel& bild);

} // namespace senvio
