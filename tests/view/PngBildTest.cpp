#include "view/PngBild.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "PngTestDateien.h"
#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

namespace {

const Farbe Weiss{255, 255, 255};
const Farbe Schwarz{0, 0, 0};
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

} // namespace

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
        {Grau, 2, Bytes({0x1B}), {Schwarz, Weiss, {170, 170, 170}, Weiss}, png_color_16{0, 0, 0, 0, 1}},
        // Rounded to nearest: 12F0 = 4848 / 257 = 18.9 → 19; 7F80 = 32640 / 257 = 127.0 → 127.
        {Grau, 16, Bytes({0x12, 0xF0, 0x7F, 0x80, 0xFF, 0xFF}), {{19, 19, 19}, {127, 127, 127}, Weiss}},
        // Grey 100 at alpha 64: 6400 + 48705 = 55105 → 216.1. Grey 0 at 128: 32385 → 127.
        {GrauAlpha, 8, Bytes({100, 64, 0, 128, 9, 0, 9, 255}), {{216, 216, 216}, {127, 127, 127}, Weiss, {9, 9, 9}}},
        {Rgb, 8, Bytes({1, 2, 3, 1, 2, 4, 3, 2, 1}), {Weiss, {1, 2, 4}, {3, 2, 1}}, png_color_16{0, 1, 2, 3, 0}},
        // (255, 0, 0, 128): 65025 → 255, 32385 → 127.
        // (100, 200, 50, 64): 55105 → 216.1; 61505 → 241.2; 51905 → 203.55 → 204.
        // (0, 128, 255, 1): 64770 → 254.0; 64898 → 254.502 → 255. (0, 128, 255, 254): 255 → 1; 32767 → 128.498.
        {Rgba,
         8,
         Bytes({255, 0, 0, 128, 100, 200, 50, 64, 0, 128, 255, 1, 0, 128, 255, 254, 7, 7, 7, 0, 9, 8, 7, 255}),
         {{255, 127, 127}, {216, 241, 204}, {254, 255, 255}, {1, 128, 255}, Weiss, {9, 8, 7}}},
        // (FFFF, 0, 12F0, 8000) → (255, 0, 19, 128): 255, 127, 2432 + 32385 = 34817 → 136.5… → 137.
        {Rgba, 16, Bytes({0xFF, 0xFF, 0x00, 0x00, 0x12, 0xF0, 0x80, 0x00}), {{255, 127, 137}}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE("Farbtyp " + std::to_string(f.farbtyp) + ", " + std::to_string(f.bittiefe) + " Bit");
        const int breite = int(f.erwartet.size());
        const QImage bild = DekodierePng(
            SchreibePng({f.farbtyp, f.bittiefe, breite, {f.zeile}, f.palette, f.paletteAlpha, f.transparenteFarbe}));
        EXPECT_EQ(bild.format(), QImage::Format_RGB32);
        EXPECT_EQ(bild.size(), QSize(breite, 1));
        EXPECT_EQ(Zeile(bild, 0), f.erwartet);
    }
}

// Every channel value at every alpha, four pixels at a time and the two left over:
// round((c·a + 255·(255 − a)) / 255), which never lies halfway.
TEST(PngFarbtypen, JedeMischungUeberWeissStimmt) {
    PngVorlage v{.farbtyp = PNG_COLOR_TYPE_RGBA, .breite = 258};
    for (int a = 0; a < 256; ++a) {
        v.zeilen.emplace_back();
        for (int x = 0; x < 258; ++x)
            v.zeilen.back() += Bytes({uchar(x), uchar(255 - x % 256), uchar(x * 7), uchar(a)});
    }
    const QImage bild = DekodierePng(SchreibePng(v));
    ASSERT_EQ(bild.size(), QSize(258, 256));
    const auto gemischt = [](int c, int a) { return int(std::lround((c * a + 255.0 * (255 - a)) / 255.0)); };
    int falsch = 0;
    for (int a = 0; a < 256; ++a)
        for (int x = 0; x < 258; ++x) {
            const QRgb p = bild.pixel(x, a);
            const Farbe erwartet{gemischt(x % 256, a), gemischt(255 - x % 256, a), gemischt(x * 7 % 256, a)};
            falsch += Farbe{qRed(p), qGreen(p), qBlue(p)} != erwartet || qAlpha(p) != 255;
        }
    EXPECT_EQ(falsch, 0);
}

TEST(PngInterlace, Adam7FuelltJedesPixel) {
    // 9 × 9 touches all seven passes; pixel (x, y) is (20x, 20y, 0), opaque but for (5, 3) at alpha 128:
    // 12800 + 32385 = 45185 → 177.2; 7680 + 32385 = 40065 → 157.1; 0 → 127.
    PngVorlage v{.farbtyp = PNG_COLOR_TYPE_RGBA, .breite = 9, .interlaced = true};
    for (int y = 0; y < 9; ++y) {
        v.zeilen.emplace_back();
        for (int x = 0; x < 9; ++x) {
            v.zeilen.back() += Bytes({uchar(20 * x), uchar(20 * y), 0, uchar(x == 5 && y == 3 ? 128 : 255)});
        }
    }
    const QImage bild = DekodierePng(SchreibePng(v));
    ASSERT_EQ(bild.size(), QSize(9, 9));
    EXPECT_EQ(bild.format(), QImage::Format_RGB32);
    for (int y = 0; y < 9; ++y) {
        std::vector<Farbe> erwartet;
        for (int x = 0; x < 9; ++x) {
            erwartet.push_back(x == 5 && y == 3 ? Farbe{177, 157, 127} : Farbe{20 * x, 20 * y, 0});
        }
        EXPECT_EQ(Zeile(bild, y), erwartet) << "Zeile " << y;
    }
}

// 100 pixels in two rows of 50 (four at a time and two left over): d of (0, 0, 0, a), h of
// (w, 255, w), the rest red. A light logo keeps its alpha, any other decodes as before.
TEST(PngHelligkeit, HellNurAbDenSchwellen) {
    const std::tuple<int, int, int, int, bool> faelle[] = {
        {50, 50, 0, 255, true},  {0, 100, 0, 255, false}, {19, 81, 0, 255, false},   {20, 80, 0, 255, true},
        {50, 39, 0, 255, false}, {50, 40, 0, 255, true},  {20, 80, 128, 255, false}, {20, 80, 127, 255, true},
        {50, 50, 0, 223, false}, {50, 50, 0, 224, true},  {50, 0, 0, 255, false},    {100, 0, 0, 255, false}};
    for (const auto& [d, h, a, w, hell] : faelle) {
        SCOPED_TRACE(testing::Message() << d << " Alpha " << a << ", " << h << " hell (" << w << ")");
        PngVorlage v{.farbtyp = PNG_COLOR_TYPE_RGBA, .breite = 50, .zeilen = {{}, {}}};
        for (int i = 0; i < 100; ++i)
            v.zeilen[size_t(i / 50)] += i < d       ? Bytes({0, 0, 0, uchar(a)})
                                        : i < d + h ? Bytes({uchar(w), 255, uchar(w), 255})
                                                    : Bytes({200, 30, 40, 255});
        const DekodiertesLogo logo = DekodiereLogo(SchreibePng(v));
        EXPECT_EQ(logo.hell, hell);
        if (logo.hell)
            EXPECT_EQ(logo.bild.pixel(0, 0), qRgba(0, 0, 0, a)) << logo.bild.format();
        else
            EXPECT_EQ(logo.bild, DekodierePng(SchreibePng(v)));
    }
}
