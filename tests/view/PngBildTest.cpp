// PNG decoding (colour types made opaque over white, light logos, bad files), the placeholder pictures.
#include "view/PngBild.h"
#include "TestDateien.h"
#include "view/Platzhalter.h"

#include <QPainter>
#include <QTemporaryDir>
#include <png.h>
#include <sys/stat.h>

#include <array>
#include <csetjmp>
#include <functional>
#include <tuple>

namespace senvio {
namespace {

using namespace senvio::test;

// A PNG file written with libpng from rows given byte by byte.
struct PngVorlage {
    int farbtyp = PNG_COLOR_TYPE_RGB;
    int bittiefe = 8;
    int breite = 1;
    std::vector<QByteArray> zeilen{}; // packed as stored: samples left to right, 16 bits big-endian
    std::vector<png_color> palette{};
    std::vector<png_byte> paletteAlpha{};            // tRNS of a palette
    std::optional<png_color_16> transparenteFarbe{}; // tRNS of grey or RGB: {0, r, g, b, grey}
    bool interlaced = false;
};

void HaengeAn(png_structp png, png_bytep daten, size_t anzahl) {
    static_cast<QByteArray*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(daten), qsizetype(anzahl));
}

// libpng jumps back here on an error; the locals are trivially destructible.
[[gnu::noinline]] bool SchreibeGeschuetzt(png_structp png, png_infop info, const PngVorlage& v, QByteArray& ziel) {
    if (setjmp(png_jmpbuf(png)) != 0)
        return false;
    png_set_write_fn(png, &ziel, HaengeAn, [](png_structp) {});
    png_set_IHDR(png, info, png_uint_32(v.breite), png_uint_32(v.zeilen.size()), v.bittiefe, v.farbtyp,
                 v.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!v.palette.empty())
        png_set_PLTE(png, info, v.palette.data(), int(v.palette.size()));
    if (!v.paletteAlpha.empty())
        png_set_tRNS(png, info, v.paletteAlpha.data(), int(v.paletteAlpha.size()), nullptr);
    if (v.transparenteFarbe)
        png_set_tRNS(png, info, nullptr, 0, &*v.transparenteFarbe);
    png_write_info(png, info);
    for (int d = png_set_interlace_handling(png); d > 0; --d)
        for (const QByteArray& zeile : v.zeilen)
            png_write_row(png, reinterpret_cast<png_const_bytep>(zeile.constData()));
    png_write_end(png, nullptr);
    return true;
}

// The PNG file of the template; empty when libpng refused it.
QByteArray SchreibePng(const PngVorlage& vorlage) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    QByteArray datei;
    const bool gut = info != nullptr && SchreibeGeschuetzt(png, info, vorlage, datei);
    png_destroy_write_struct(&png, &info);
    return gut ? datei : QByteArray();
}

// Decoded pixels as numbers that show in a failing comparison.
using Farbe = std::array<int, 3>;

std::vector<Farbe> Zeile(const QImage& bild, int y) {
    std::vector<Farbe> farben;
    for (int x = 0; x < bild.width() && y < bild.height(); ++x)
        farben.push_back({qRed(bild.pixel(x, y)), qGreen(bild.pixel(x, y)), qBlue(bild.pixel(x, y))});
    return farben;
}

const Farbe Weiss{255, 255, 255};
constexpr int Palette = PNG_COLOR_TYPE_PALETTE, Grau = PNG_COLOR_TYPE_GRAY, GrauAlpha = PNG_COLOR_TYPE_GRAY_ALPHA,
              Rgb = PNG_COLOR_TYPE_RGB, Rgba = PNG_COLOR_TYPE_RGBA;

// One row of a picture as stored, and as decoded; the row's length is the picture's width.
struct Fall {
    int farbtyp;
    int bittiefe;
    QByteArray zeile;
    std::vector<Farbe> erwartet;
    std::optional<png_color_16> transparenteFarbe = {}; // {0, r, g, b, grey}
    std::vector<png_color> palette = {};
    std::vector<png_byte> paletteAlpha = {};
};

// Interlaced: the passes must fill every pixel.
const PngVorlage ZweiPixel{.breite = 2, .zeilen = {Bytes({10, 20, 30, 40, 50, 60})}, .interlaced = true};

// 1-bit grey, white only in the first pixel: pictures at the caps stay small as files.
PngVorlage GrauMitEinemBit(int breite, int hoehe) {
    PngVorlage v{.farbtyp = PNG_COLOR_TYPE_GRAY, .bittiefe = 1, .breite = breite};
    v.zeilen.assign(size_t(hoehe), QByteArray((breite + 7) / 8, '\0'));
    v.zeilen[0][0] = char(0x80);
    return v;
}

// Blending over white, per channel: round((c·a + 255·(255 − a)) / 255), worked out by hand
// below; 255·127 = 32385 and 255·191 = 48705 recur.
TEST(PngFarbtypen, JedeArtWirdDeckendUeberWeiss) {
    const Fall faelle[] = {
        // Indices 2 0 | 1 → 20 10, the first pixel in the high nibble.
        {Palette, 4, Bytes({0x20, 0x10}), {{7, 8, 9}, {1, 2, 3}, {4, 5, 6}}, {}, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}},
        // Entry 0 at alpha 128: 25600 + 32385 = 57985 → 227.4; 45185 → 177.2; 38785 → 152.1.
        // Entry 1 lies past the tRNS entries and stays opaque.
        {Palette, 8, Bytes({0, 1}), {{227, 177, 152}, {4, 5, 6}}, {}, {{200, 100, 50}, {4, 5, 6}}, {128}},
        // Levels 0 1 2 3 → 1B, 85 apart; level 1 is transparent.
        {Grau, 2, Bytes({0x1B}), {{0, 0, 0}, Weiss, {170, 170, 170}, Weiss}, png_color_16{0, 0, 0, 0, 1}},
        // Rounded to nearest: 12F0 = 4848 / 257 = 18.9 → 19; 7F80 = 32640 / 257 = 127.0 → 127.
        {Grau, 16, Bytes({0x12, 0xF0, 0x7F, 0x80, 0xFF, 0xFF}), {{19, 19, 19}, {127, 127, 127}, Weiss}},
        // Grey 100 at alpha 64: 6400 + 48705 = 55105 → 216.1. Grey 0 at 128: 32385 → 127.
        {GrauAlpha, 8, Bytes({100, 64, 0, 128, 9, 0, 9, 255}), {{216, 216, 216}, {127, 127, 127}, Weiss, {9, 9, 9}}},
        {Rgb, 8, Bytes({1, 2, 3, 1, 2, 4, 3, 2, 1}), {Weiss, {1, 2, 4}, {3, 2, 1}}, png_color_16{0, 1, 2, 3, 0}},
        // (FFFF, 0, 12F0, 8000) → (255, 0, 19, 128): 255, 127, 2432 + 32385 = 34817 → 136.5… → 137.
        {Rgba, 16, Bytes({0xFF, 0xFF, 0x00, 0x00, 0x12, 0xF0, 0x80, 0x00}), {{255, 127, 137}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE("Farbtyp " + std::to_string(f.farbtyp) + ", " + std::to_string(f.bittiefe) + " Bit");
        const int breite = int(f.erwartet.size());
        const QImage bild = DekodierePng(
            SchreibePng({f.farbtyp, f.bittiefe, breite, {f.zeile}, f.palette, f.paletteAlpha, f.transparenteFarbe}));
        EXPECT_EQ(bild.format(), QImage::Format_RGB32);
        EXPECT_EQ(Zeile(bild, 0), f.erwartet);
    }
}

// A light logo keeps its alpha (its top left pixel shows it); any other decodes as before.
void PruefeLogo(const DekodiertesLogo& logo, bool hell, QRgb obenLinks, const QImage& wieVorher) {
    EXPECT_EQ(logo.hell, hell);
    if (logo.hell)
        EXPECT_EQ(logo.bild.pixel(0, 0), obenLinks) << logo.bild.format();
    else
        EXPECT_EQ(logo.bild, wieVorher);
}

// 100 pixels in two rows of 50 (four at a time and two left over): d of (0, 0, 0, a), h of
// (w, 255, w), the rest red. Light from 20 transparent with 80 % of the rest white, or
// from 50 with 40 %.
TEST(PngHelligkeit, HellNurAbDenSchwellen) {
    const std::tuple<int, int, int, int, bool> faelle[] = {
        {19, 81, 0, 255, false},   {20, 80, 0, 255, true},   {20, 63, 0, 255, false}, // 63 / 80 = 78.75 %
        {20, 64, 0, 255, true},    {49, 40, 0, 255, false},                           // 40 / 51 = 78.4 %
        {50, 19, 0, 255, false},   {50, 20, 0, 255, true},   {100, 0, 0, 255, false}, // nothing opaque
        {20, 80, 128, 255, false}, {20, 80, 127, 255, true}, {50, 50, 0, 223, false}, {50, 50, 0, 224, true}};
    for (const auto& [d, h, a, w, hell] : faelle) {
        SCOPED_TRACE(testing::Message() << d << " Alpha " << a << ", " << h << " hell (" << w << ")");
        PngVorlage v{.farbtyp = PNG_COLOR_TYPE_RGBA, .breite = 50, .zeilen = {{}, {}}};
        for (int i = 0; i < 100; ++i)
            v.zeilen[size_t(i / 50)] += i < d       ? Bytes({0, 0, 0, uchar(a)})
                                        : i < d + h ? Bytes({uchar(w), 255, uchar(w), 255})
                                                    : Bytes({200, 30, 40, 255});
        PruefeLogo(DekodiereLogo(SchreibePng(v)), hell, qRgba(0, 0, 0, a), DekodierePng(SchreibePng(v)));
    }
}

// Three block letters E at (x, 125), (x + 120, 125), (x + 240, 125): each a 40 × 200 stem
// and three 60 × 40 arms, 15200 pixels, 45600 in all.
void MaleSchrift(QPainter& maler, int x, QColor farbe) {
    for (int b = x; b < x + 360; b += 120) {
        maler.fillRect(b, 125, 40, 200, farbe);
        for (int arm = 125; arm < 325; arm += 80)
            maler.fillRect(b + 40, arm, 60, 40, farbe);
    }
}

// 800 × 450 logos as real ones are drawn, 360000 pixels; the shares in the comments are
// transparent of all and white of the opaque pixels. Written by Qt, read back from the file.
TEST(PngHelligkeit, LogoartenAusDemAlltag) {
    const QColor magenta(226, 0, 116), blau(0, 80, 160), rot(200, 30, 40);
    const struct {
        const char* name;
        bool hell;
        std::function<void(QPainter&)> male;
    } faelle[] = {
        // Bar 270 × 100 = 27000, slanted: 287400 = 79.8 %, 45600 / 72600 = 62.8 %.
        {"weiße Schrift, farbiger Balken", true,
         [&](QPainter& m) {
             MaleSchrift(m, 40, Qt::white);
             m.setPen(Qt::NoPen);
             m.setBrush(magenta);
             m.drawPolygon(QPolygonF({{480, 175}, {750, 175}, {720, 275}, {450, 275}}));
         }},
        // Square 40000: 274400 = 76.2 %, 45600 / 85600 = 53.3 %.
        {"weiße Schrift, farbiges Quadrat", true,
         [&](QPainter& m) {
             MaleSchrift(m, 40, Qt::white);
             m.fillRect(500, 125, 200, 200, rot);
         }},
        // 512 × 262 = 134144 with 500 × 250 = 125000 inside: 62.7 %, 9144 / 134144 = 6.8 %.
        {"farbig, dünner weißer Umriss", false,
         [&](QPainter& m) {
             m.fillRect(144, 94, 512, 262, Qt::white);
             m.fillRect(150, 100, 500, 250, blau);
         }},
        // Field 560 × 280 = 156800: 203200 = 56.4 %, 45600 / 156800 = 29.1 %.
        {"weiße Schrift im farbigen Feld", false,
         [&](QPainter& m) {
             m.fillRect(120, 85, 560, 280, rot);
             MaleSchrift(m, 220, Qt::white);
         }},
        // 314400 = 87.3 %, all of the opaque ones at 230.
        {"hellgrau", true, [&](QPainter& m) { MaleSchrift(m, 220, QColor(230, 230, 230)); }},
        // White ground: nothing transparent, 314400 / 360000 = 87.3 % white.
        {"deckend", false,
         [&](QPainter& m) {
             m.fillRect(0, 0, 800, 450, Qt::white);
             MaleSchrift(m, 220, blau);
         }},
    };
    QTemporaryDir dir;
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        QImage bild(800, 450, QImage::Format_ARGB32);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        f.male(maler);
        maler.end();
        const QString pfad = dir.filePath(QString::fromUtf8(f.name) + QStringLiteral(".png"));
        ASSERT_TRUE(bild.save(pfad));
        PruefeLogo(LeseLogodatei(pfad), f.hell, qRgba(0, 0, 0, 0), LesePngDatei(pfad));
    }
}

TEST(PngFehler, KaputteUndZuGrosseDateienGebenKeinBildDieGrenzeSelbstSchon) {
    // Signature, header up to byte 33, then the one pixel data chunk, then the 12 bytes of IEND.
    const QByteArray gut = SchreibePng(ZweiPixel);
    ASSERT_EQ(gut.mid(37, 4), "IDAT");
    QByteArray falscheSumme = gut;
    falscheSumme[gut.size() - 13] = char(gut[gut.size() - 13] ^ 1); // last byte of the pixel data's CRC
    const struct {
        const char* name;
        QByteArray datei;
    } faelle[] = {
        {"kein PNG", "GIF89a"},
        {"abgeschnitten in den Pixeldaten", gut.left((41 + gut.size() - 16) / 2)},
        {"falsche Prüfsumme", falscheSumme},
        {"breiter als 16384", SchreibePng(GrauMitEinemBit(16385, 1))},
        {"mehr als 2^25 Pixel", SchreibePng(GrauMitEinemBit(16384, 2049))},
    };
    testing::internal::CaptureStderr();
    for (const auto& f : faelle)
        EXPECT_TRUE(DekodierePng(f.datei).isNull()) << f.name;
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "libpng meldet sich nicht auf stderr";
    // 16384 × 2048 = 2^25 pixels: one row less than the refused picture.
    const QImage grenze = DekodierePng(SchreibePng(GrauMitEinemBit(16384, 2048)));
    ASSERT_EQ(grenze.size(), QSize(16384, 2048));
    EXPECT_EQ(grenze.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(grenze.pixel(16383, 2047), qRgb(0, 0, 0));
}

TEST(PngDatei, LiestNurGewoehnlicheDateien) {
    QTemporaryDir dir;
    const QString logo = dir.filePath(QStringLiteral("Süd Welle.png"));
    Schreib(logo, SchreibePng(ZweiPixel));
    EXPECT_EQ(Zeile(LesePngDatei(logo), 0), (std::vector<Farbe>{{10, 20, 30}, {40, 50, 60}}));
    // A pipe is never opened: reading it would wait for a writer.
    const QString rohr = dir.filePath(QStringLiteral("rohr.png"));
    ASSERT_EQ(mkfifo(QFile::encodeName(rohr).constData(), 0600), 0);
    for (const QString& pfad : {dir.filePath(QStringLiteral("fehlt.png")), dir.path(), rohr})
        EXPECT_TRUE(LesePngDatei(pfad).isNull()) << pfad.toStdString();
}

// White, framed and lettered in their colour.
TEST(Platzhalterbild, WeisserGrundRahmenUndSchriftInSeinerFarbe) {
    // Black, blue, gold, red, light green; any other number gives picture 0.
    const QRgb farben[] = {qRgb(0, 0, 0), qRgb(0, 162, 232), qRgb(255, 201, 14), qRgb(237, 28, 36), qRgb(181, 230, 29)};
    for (const int k : {0, 1, 2, 3, 4, -1, 5}) {
        const QRgb farbe = farben[k >= 0 && k < 5 ? k : 0];
        const QImage& bild = Platzhalterbild(k);
        ASSERT_EQ(bild.size(), QSize(200, 100)) << k;
        EXPECT_EQ(bild.pixel(0, 0), qRgb(255, 255, 255)) << k;
        // The frame runs round all four sides, the words fill the middle.
        for (const QPoint p : {QPoint(100, 5), QPoint(100, 94), QPoint(5, 50), QPoint(194, 50)})
            EXPECT_EQ(bild.pixel(p), farbe) << k << ": " << p.x() << ", " << p.y();
        int schrift = 0;
        for (int y = 25; y < 75; ++y)
            for (int x = 20; x < 180; ++x)
                schrift += bild.pixel(x, y) == farbe;
        EXPECT_GT(schrift, 200) << k;
    }
}

} // namespace
} // namespace senvio
