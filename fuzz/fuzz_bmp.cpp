// Feeds any bytes to the BMP reader and checks what must hold for every file.
//
// Invariants, for a file the reader takes:
// 1. The picture is within the limits, 3 or 4 bytes a pixel, and its pixel buffer
//    holds exactly width × height pixels.
// 2. Written as a 32-bit BMP file and read again, the picture has the same size and
//    the same blue, green and red bytes.
// A file the reader refuses must give a message that names it.
#include "Invariante.h"
#include "pdf/BmpDatei.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace senvio;
using senvio::fuzz::Pruefe;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    BmpBild bild;
    try {
        bild = DekodiereBmp({daten, groesse}, "f.bmp");
    } catch (const BmpFehler& f) {
        Pruefe(std::string(f.what()).starts_with("Datei f.bmp "), "Meldung nennt die Datei nicht");
        return 0;
    }
    Pruefe(bild.Breite > 0 && bild.Hoehe > 0 && bild.Breite <= BmpGroessteSeite && bild.Hoehe <= BmpGroessteSeite,
           "Größe außerhalb der Grenzen");
    Pruefe(std::int64_t(bild.Breite) * bild.Hoehe <= BmpGroesstePixelzahl, "zu viele Pixel");
    Pruefe(bild.BytesJePixel == 3 || bild.BytesJePixel == 4, "Bytes je Pixel");
    Pruefe(bild.Pixel.size() == std::size_t(bild.Breite) * std::size_t(bild.Hoehe) * std::size_t(bild.BytesJePixel),
           "Pixelpuffer passt nicht zur Größe");

    const std::vector<std::uint8_t> datei = KodiereBmp(bild.Ansicht());
    const BmpBild wieder = DekodiereBmp(datei, "g.bmp");
    Pruefe(wieder.Breite == bild.Breite && wieder.Hoehe == bild.Hoehe && wieder.BytesJePixel == 4,
           "geschriebenes Bild hat eine andere Größe");
    for (std::size_t p = 0; p < std::size_t(bild.Breite) * std::size_t(bild.Hoehe); ++p) {
        for (std::size_t k = 0; k < 3; ++k) {
            Pruefe(wieder.Pixel[p * 4 + k] == bild.Pixel[p * std::size_t(bild.BytesJePixel) + k],
                   "geschriebenes Bild hat andere Pixel");
        }
    }
    return 0;
}
