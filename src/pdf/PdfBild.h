#pragma once

// A picture as the PDF writer places and stores it.
#include "BildPixel.h"
#include "BmpDatei.h"

#include <cstdint>
#include <string>

namespace senvio::pdf {

struct Platzierung {
    std::int64_t breite = 0;
    std::int64_t hoehe = 0;
};

// The placed size in page units of a picture shown at dpiX × dpiY pixels per inch:
// a screen of 10.066 × 13.38 inches fills the page. Each side is rounded to the
// nearest integer, halves to the even one. Throws std::invalid_argument when the
// resolution is not positive or the size does not fit the page numbers.
Platzierung PlatziereBild(int breite, int hoehe, int seitenbreite, int seitenhoehe, double dpiX, double dpiY);

// The picture's pixels as rows of red, green, blue bytes from top to bottom, without
// padding; zlib-compressed when `komprimiert`.
std::string Bilddaten(const BildPixel& bild, bool komprimiert);
// The same, the pixels turned into red, green and blue where they lie, so no second copy
// of the picture is made; the picture's pixels are used up, its memory stays.
std::string BilddatenAnOrt(BmpBild& bild, bool komprimiert);

// The picture object's dictionary up to and including the "stream" line.
std::string Bildkopf(int breite, int hoehe, int nummer, std::size_t laenge, bool komprimiert);

} // namespace senvio::pdf
