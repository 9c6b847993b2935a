#include "PngBild.h"

#include "view/Fehlersprung.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <png.h>
#include <utility>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace senvio {

namespace {

// Ancillary chunks we have no use for: libpng skips them unread (no text inflated,
// no profile parsed). Gamma and background are not applied anyway.
constexpr png_byte UebergangeneChunks[] = "bKGD\0cHRM\0eXIf\0gAMA\0hIST\0iCCP\0iTXt\0oFFs\0pCAL\0pHYs\0"
                                          "sBIT\0sCAL\0sPLT\0sRGB\0tEXt\0tIME\0zTXt";
constexpr int AnzahlUebergangeneChunks = sizeof(UebergangeneChunks) / 5;

// The bytes libpng reads through LiesBytes.
struct PngQuelle {
    const png_byte* daten;
    size_t groesse;
    size_t gelesen;
};

struct PngKopf {
    png_uint_32 breite = 0;
    png_uint_32 hoehe = 0;
    int durchgaenge = 1;
};

void LiesBytes(png_structp png, png_bytep ziel, size_t anzahl) {
    auto* quelle = static_cast<PngQuelle*>(png_get_io_ptr(png));
    if (anzahl > quelle->groesse - quelle->gelesen) {
        png_error(png, "Datei zu kurz");
    }
    std::memcpy(ziel, quelle->daten + quelle->gelesen, anzahl);
    quelle->gelesen += anzahl;
}

// Owns libpng's read and info structures.
class PngLeser {
public:
    PngLeser() : png(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, SpringeZurueck, UebergeheWarnung)) {
        if (png != nullptr) {
            info = png_create_info_struct(png);
        }
    }
    ~PngLeser() { png_destroy_read_struct(&png, &info, nullptr); }
    PngLeser(const PngLeser&) = delete;
    PngLeser& operator=(const PngLeser&) = delete;

    png_structp png = nullptr;
    png_infop info = nullptr;
};

void SetzeGrenzen(png_structp png) {
    png_set_user_limits(png, GroessteSeitePng, GroessteSeitePng);
    png_set_chunk_cache_max(png, 128);
    png_set_chunk_malloc_max(png, png_alloc_size_t(4) << 20);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, UebergangeneChunks, AnzahlUebergangeneChunks);
    // The chunk CRCs guard the data already; zlib's own checksum costs a tenth of the
    // decoding of a logo and is skipped.
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
}

// Reads the header and asks libpng for 8-bit R, G, B, A bytes per pixel, whatever
// the file holds.
void LiesKopf(png_structp png, png_infop info, PngKopf& kopf) {
    png_read_info(png, info);
    kopf.breite = png_get_image_width(png, info);
    kopf.hoehe = png_get_image_height(png, info);
    if (qint64(kopf.breite) * kopf.hoehe > GroesstePixelzahlPng) {
        png_error(png, "Bild zu groß");
    }
    png_set_expand(png); // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_scale_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER); // only where no alpha came out
    kopf.durchgaenge = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_bit_depth(png, info) != 8 || png_get_channels(png, info) != 4 ||
        png_get_rowbytes(png, info) != size_t(kopf.breite) * 4) {
        png_error(png, "unerwartetes Zeilenformat");
    }
}

// Interlaced files fill every row once per pass; libpng merges the passes in place.
void LiesZeilen(png_structp png, QImage& bild, int durchgaenge) {
    const int hoehe = bild.height();
    for (int d = 0; d < durchgaenge; ++d) {
        for (int y = 0; y < hoehe; ++y) {
            png_read_row(png, bild.scanLine(y), nullptr);
        }
    }
}

// One channel blended over white: round((c·a + 255·(255 − a)) / 255). For an integer
// x, x / 255 never ends in exactly one half, so (x + 127) / 255 rounds it to nearest.
inline int UeberWeiss(int c, int a) {
    return (c * a + 255 * (255 - a) + 127) / 255;
}

inline quint32 MischePixel(const uchar* rgba) {
    const int a = rgba[3];
    return 0xFF000000u | quint32(UeberWeiss(rgba[0], a)) << 16 | quint32(UeberWeiss(rgba[1], a)) << 8 |
           quint32(UeberWeiss(rgba[2], a));
}

#ifdef __SSE2__
// Four pixels at once: blending over white is a fifth of the decoding of a logo.
// c·a + 255·(255 − a) + 127 = 65152 − a·(255 − c) fits in 16 bits, and for such t,
// t / 255 = (t · 0x8081) >> 23 exactly, so every result equals UeberWeiss.
inline __m128i MischeVierPixel(__m128i rgba) {
    const __m128i null = _mm_setzero_si128();
    const auto halb = [&](__m128i c) { // two pixels as 16-bit R, G, B, A
        const __m128i a = _mm_shufflehi_epi16(_mm_shufflelo_epi16(c, 0xFF), 0xFF);
        const __m128i rest = _mm_mullo_epi16(a, _mm_sub_epi16(_mm_set1_epi16(255), c));
        const __m128i t = _mm_sub_epi16(_mm_set1_epi16(short(65152)), rest);
        const __m128i q = _mm_srli_epi16(_mm_mulhi_epu16(t, _mm_set1_epi16(short(0x8081))), 7);
        // R, G, B, A to B, G, R, A: the byte order of Format_RGB32.
        return _mm_shufflehi_epi16(_mm_shufflelo_epi16(q, 0xC6), 0xC6);
    };
    const __m128i ergebnis = _mm_packus_epi16(halb(_mm_unpacklo_epi8(rgba, null)), halb(_mm_unpackhi_epi8(rgba, null)));
    return _mm_or_si128(ergebnis, _mm_set1_epi32(int(0xFF000000u)));
}
#endif

// Turns the R, G, B, A bytes of every pixel into an opaque RGB32 pixel in place.
// Alpha 255 gives c and alpha 0 gives 255 by the same formula, so there are no branches.
void MischeUeberWeiss(QImage& bild) {
    const int breite = bild.width();
    const int hoehe = bild.height();
    for (int y = 0; y < hoehe; ++y) {
        uchar* zeile = bild.scanLine(y);
        int x = 0;
#ifdef __SSE2__
        for (; x + 4 <= breite; x += 4) {
            auto* vier = reinterpret_cast<__m128i*>(zeile + 4 * x);
            _mm_storeu_si128(vier, MischeVierPixel(_mm_loadu_si128(vier)));
        }
#endif
        for (; x < breite; ++x) {
            const quint32 pixel = MischePixel(zeile + 4 * x);
            std::memcpy(zeile + 4 * x, &pixel, 4);
        }
    }
}

// What a light logo is made of: pixels with alpha below 128, the other pixels, and
// those of them with R, G and B all at least 224.
struct Helligkeit {
    qint64 durchsichtig = 0;
    qint64 deckend = 0;
    qint64 weiss = 0;

    // Mostly white on some transparency, or white lettering beside a coloured mark on a
    // mostly transparent ground (WDR, SR): without the plate such lettering vanishes on
    // paper. A coloured badge with white text or a white outline stays below 40 %.
    bool IstHell() const {
        const qint64 alle = durchsichtig + deckend;
        const bool weissAufDurchsichtig = durchsichtig * 5 >= alle && weiss * 5 >= deckend * 4;
        const bool schriftNebenFarbe = durchsichtig * 2 >= alle && weiss * 5 >= deckend * 2;
        return deckend > 0 && (weissAufDurchsichtig || schriftNebenFarbe);
    }
};

// Counts over the R, G, B, A bytes, before they are blended.
Helligkeit ZaehleHelligkeit(const QImage& bild) {
    const int breite = bild.width();
    qint64 deckend = 0, weiss = 0;
    for (int y = 0; y < bild.height(); ++y) {
        const uchar* zeile = bild.constScanLine(y);
        int x = 0;
#ifdef __SSE2__
        // Four pixels at once: one byte comparison against (224, 224, 224, 128) gives
        // FF in every byte that reaches it; a pixel is opaque when its alpha byte is FF
        // and opaque near-white when all four are. Each lane counts down by one per hit.
        const __m128i schwelle = _mm_set1_epi32(int(0x80E0E0E0u));
        const __m128i alle = _mm_set1_epi32(-1);
        __m128i deckendVier = _mm_setzero_si128(), weissVier = _mm_setzero_si128();
        for (; x + 4 <= breite; x += 4) {
            const __m128i vier = _mm_loadu_si128(reinterpret_cast<const __m128i*>(zeile + 4 * x));
            const __m128i erreicht = _mm_cmpeq_epi8(_mm_max_epu8(vier, schwelle), vier);
            deckendVier = _mm_add_epi32(deckendVier, _mm_srai_epi32(erreicht, 24));
            weissVier = _mm_add_epi32(weissVier, _mm_cmpeq_epi32(erreicht, alle));
        }
        alignas(16) qint32 d[4], w[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(d), deckendVier);
        _mm_store_si128(reinterpret_cast<__m128i*>(w), weissVier);
        deckend -= qint64(d[0]) + d[1] + d[2] + d[3];
        weiss -= qint64(w[0]) + w[1] + w[2] + w[3];
#endif
        for (; x < breite; ++x) {
            const uchar* p = zeile + 4 * x;
            if (p[3] >= 128) {
                ++deckend;
                weiss += p[0] >= 224 && p[1] >= 224 && p[2] >= 224;
            }
        }
    }
    return {qint64(breite) * bild.height() - deckend, deckend, weiss};
}

// The decoded R, G, B, A bytes as Format_RGBA8888; null for anything that is not a
// decodable PNG within the caps.
QImage DekodiereRgba(const QByteArray& bytes) {
    const auto* daten = reinterpret_cast<const png_byte*>(bytes.constData());
    if (bytes.size() < 8 || png_sig_cmp(daten, 0, 8) != 0) {
        return {};
    }
    PngLeser leser;
    if (leser.png == nullptr || leser.info == nullptr) {
        return {};
    }
    PngQuelle quelle{daten, size_t(bytes.size()), 0};
    PngKopf kopf;
    const bool kopfGelesen = FangeFehlersprung(png_jmpbuf(leser.png), [&] {
        SetzeGrenzen(leser.png);
        png_set_read_fn(leser.png, &quelle, LiesBytes);
        LiesKopf(leser.png, leser.info, kopf);
    });
    if (!kopfGelesen) {
        return {};
    }
    QImage bild(int(kopf.breite), int(kopf.hoehe), QImage::Format_RGBA8888);
    if (bild.isNull()) {
        return {};
    }
    if (kopf.durchgaenge > 1) {
        bild.fill(Qt::white); // early passes leave pixels unwritten until the last one
    }
    if (!FangeFehlersprung(png_jmpbuf(leser.png), [&] { LiesZeilen(leser.png, bild, kopf.durchgaenge); })) {
        return {};
    }
    return bild;
}

// Blends in place; the bytes then are those of Format_RGB32.
QImage GemischtUeberWeiss(QImage bild) {
    MischeUeberWeiss(bild);
    bild.reinterpretAsFormat(QImage::Format_RGB32);
    return bild;
}

QImage LiesDatei(const QString& pfad) {
    // Only a plain file: a pipe or a device could feed bytes without end.
    const QFileInfo info(pfad);
    if (!info.isFile() || info.size() > GroesstePngDatei) {
        return {};
    }
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = datei.read(info.size());
    if (datei.error() != QFileDevice::NoError) {
        return {};
    }
    return DekodiereRgba(bytes);
}

DekodiertesLogo AlsLogo(QImage rgba) {
    if (rgba.isNull())
        return {};
    if (ZaehleHelligkeit(rgba).IstHell())
        return {std::move(rgba), true};
    return {GemischtUeberWeiss(std::move(rgba)), false};
}

} // namespace

DekodiertesLogo DekodiereLogo(const QByteArray& bytes) {
    return AlsLogo(DekodiereRgba(bytes));
}

DekodiertesLogo LeseLogodatei(const QString& pfad) {
    return AlsLogo(LiesDatei(pfad));
}

QImage DekodierePng(const QByteArray& bytes) {
    QImage bild = DekodiereRgba(bytes);
    return bild.isNull() ? bild : GemischtUeberWeiss(std::move(bild));
}

QImage LesePngDatei(const QString& pfad) {
    QImage bild = LiesDatei(pfad);
    return bild.isNull() ? bild : GemischtUeberWeiss(std::move(bild));
}

} // namespace senvio
