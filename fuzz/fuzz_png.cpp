// Feeds any bytes to the PNG decoder and checks what must hold for every file.
// libpng itself is not instrumented, so the fuzzer sees little of what happens inside
// it; to let mutated headers, palettes and transparency reach the decoding, the bytes
// are decoded twice: as they are, and with the CRC of every whole chunk made right.
// Extra counters tell the fuzzer which kinds of header (colour type, bit depth,
// interlacing) it has seen decode and fail, so it keeps inputs of every kind.
//
// Invariants, for B = DekodierePng(bytes), when B is not null:
// 1. B is Format_RGB32, at least 1 × 1, at most GroessteSeitePng per side and
//    GroesstePixelzahlPng pixels in all.
// 2. Every pixel is opaque: its alpha byte is FF.
// 3. Decoding the same bytes again gives the same pixels, so no uninitialised
//    memory reaches the picture (interlaced files fill their rows over seven passes).
// 4. DekodiereLogo decodes the same bytes: a logo that is not light is B itself, a
//    light one keeps its alpha as Format_RGBA8888 of B's size.
// 5. A picture of at most 2^16 pixels (any shape, 1 × 16384 included) also makes
//    its logo tile, from the logo: 96 × 96, Format_RGB32, every pixel opaque.
#include "Invariante.h"
#include "logos/Kachelbild.h"
#include "view/PngBild.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <zlib.h>

using namespace senvio;
using senvio::fuzz::Pruefe;

namespace {

quint32 LiesZahl(const uchar* b) {
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | b[3];
}

// The bytes with the CRC of every chunk that lies wholly inside them recomputed.
QByteArray MitRichtigenPruefsummen(QByteArray bytes) {
    auto* b = reinterpret_cast<uchar*>(bytes.data());
    qint64 pos = 8;
    while (pos + 12 <= bytes.size()) {
        const qint64 laenge = LiesZahl(b + pos);
        if (laenge > bytes.size() - pos - 12) {
            break;
        }
        const quint32 crc = quint32(crc32(0, b + pos + 4, uInt(laenge + 4)));
        for (int i = 0; i < 4; ++i) {
            b[pos + 8 + laenge + i] = uchar(crc >> (24 - 8 * i));
        }
        pos += 12 + laenge;
    }
    return bytes;
}

// libFuzzer counts every counter in this section as a feature of the input.
__attribute__((section("__libfuzzer_extra_counters"))) uint8_t Kopfarten[2 * 2 * 8 * 17];

void ZaehleKopfart(const QByteArray& bytes, bool dekodiert) {
    if (bytes.size() < 29) {
        return;
    }
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
    const int tiefe = std::min<int>(b[24], 16);
    const int farbtyp = std::min<int>(b[25], 7);
    const int interlace = b[28] != 0 ? 1 : 0;
    ++Kopfarten[((int(dekodiert) * 2 + interlace) * 8 + farbtyp) * 17 + tiefe];
}

void PruefeDekodierung(const QByteArray& bytes) {
    const QImage bild = DekodierePng(bytes);
    ZaehleKopfart(bytes, !bild.isNull());
    if (bild.isNull()) {
        return;
    }
    Pruefe(bild.format() == QImage::Format_RGB32, "Format ist nicht RGB32");
    Pruefe(bild.width() >= 1 && bild.height() >= 1, "leeres Bild");
    Pruefe(bild.width() <= GroessteSeitePng && bild.height() <= GroessteSeitePng, "Seite über der Grenze");
    Pruefe(qint64(bild.width()) * bild.height() <= GroesstePixelzahlPng, "Pixelzahl über der Grenze");
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            Pruefe(qAlpha(zeile[x]) == 255, "Pixel nicht deckend");
        }
    }
    Pruefe(DekodierePng(bytes) == bild, "zweites Dekodieren ergibt andere Pixel");
    const DekodiertesLogo logo = DekodiereLogo(bytes);
    Pruefe(logo.hell ? logo.bild.format() == QImage::Format_RGBA8888 && logo.bild.size() == bild.size()
                     : logo.bild == bild,
           "Logo anders dekodiert als das Bild");
    if (qint64(bild.width()) * bild.height() <= (1 << 16)) {
        const QImage kachel = SkaliereKachellogo(logo);
        Pruefe(kachel.size() == QSize(96, 96) && kachel.format() == QImage::Format_RGB32, "Kachel falsch bemessen");
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 96; ++x)
                Pruefe(qAlpha(kachel.pixel(x, y)) == 255, "Kachelpixel nicht deckend");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const QByteArray bytes(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
    PruefeDekodierung(bytes);
    const QByteArray repariert = MitRichtigenPruefsummen(bytes);
    if (repariert != bytes) {
        PruefeDekodierung(repariert);
    }
    return 0;
}
