#include "view/PngBild.h"

#include <QDir>
#include <QTemporaryDir>
#include <array>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "PngTestDateien.h"
#include "TestDateien.h"

using namespace senvio;
using namespace senvio::test;

namespace {

using Rgb = std::array<int, 3>;

PngVorlage Vorlage(int farbtyp, int bittiefe, int breite, std::vector<QByteArray> zeilen) {
    PngVorlage v;
    v.farbtyp = farbtyp;
    v.bittiefe = bittiefe;
    v.breite = breite;
    v.hoehe = int(zeilen.size());
    v.zeilen = std::move(zeilen);
    return v;
}

// Writes the template, decodes it, and checks size and format on the way.
QImage Dekodiert(const PngVorlage& v) {
    const QByteArray datei = SchreibePng(v);
    EXPECT_FALSE(datei.isEmpty()) << "libpng hat die Vorlage nicht geschrieben";
    const QImage bild = DekodierePng(datei);
    EXPECT_EQ(bild.format(), QImage::Format_RGB32);
    EXPECT_EQ(bild.width(), v.breite);
    EXPECT_EQ(bild.height(), v.hoehe);
    return bild;
}

std::vector<std::string> Zeile(const QImage& bild, int y) {
    std::vector<std::string> farben;
    for (int x = 0; x < bild.width() && y < bild.height(); ++x) {
        farben.push_back(Farbe(bild.pixel(x, y)));
    }
    return farben;
}

std::vector<std::string> Farben(std::initializer_list<Rgb> liste) {
    std::vector<std::string> farben;
    for (const Rgb& f : liste) {
        farben.push_back(Farbe(f[0], f[1], f[2]));
    }
    return farben;
}

const Rgb Weiss{255, 255, 255};
const Rgb Schwarz{0, 0, 0};

} // namespace

TEST(PngFarbtypen, PaletteMitAchtBit) {
    PngVorlage v = Vorlage(PNG_COLOR_TYPE_PALETTE, 8, 4, {Bytes({2, 0, 1, 0})});
    v.palette = {{10, 20, 30}, {200, 100, 50}, {0, 255, 7}};
    EXPECT_EQ(Zeile(Dekodiert(v), 0), Farben({{0, 255, 7}, {10, 20, 30}, {200, 100, 50}, {10, 20, 30}}));
}

TEST(PngFarbtypen, PaletteMitTransparenz) {
    // tRNS covers the first three entries; entry 3 has none and stays opaque.
    // Entry 1, (200, 100, 50) at alpha 128: 200·128 + 255·127 = 57985, / 255 = 227.4 → 227;
    // 100·128 + 32385 = 45185 → 177.2 → 177; 50·128 + 32385 = 38785 → 152.1 → 152.
    PngVorlage v = Vorlage(PNG_COLOR_TYPE_PALETTE, 8, 4, {Bytes({0, 1, 2, 3})});
    v.palette = {{10, 20, 30}, {200, 100, 50}, {0, 0, 0}, {40, 50, 60}};
    v.paletteAlpha = {255, 128, 0};
    EXPECT_EQ(Zeile(Dekodiert(v), 0), Farben({{10, 20, 30}, {227, 177, 152}, Weiss, {40, 50, 60}}));
}

TEST(PngFarbtypen, PaletteMitEinZweiVierBit) {
    const std::vector<png_color> palette = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {1, 2, 3}, {4, 5, 6},
                                            {7, 8, 9}, {9, 9, 9},   {8, 8, 8},   {7, 7, 7},   {6, 6, 6}, {5, 5, 5},
                                            {4, 4, 4}, {3, 3, 3},   {2, 2, 2},   {90, 80, 70}};
    // 1 bit: 1 0 1 1 0 0 0 0 | 1 → B0 80.
    PngVorlage eins = Vorlage(PNG_COLOR_TYPE_PALETTE, 1, 9, {Bytes({0xB0, 0x80})});
    eins.palette = {palette[0], palette[1]};
    const Rgb rot{255, 0, 0};
    EXPECT_EQ(Zeile(Dekodiert(eins), 0), Farben({rot, Schwarz, rot, rot, Schwarz, Schwarz, Schwarz, Schwarz, rot}));

    // 2 bits: indices 3 2 1 0 | 3 → 11 10 01 00 = E4, 11 00 00 00 = C0.
    PngVorlage zwei = Vorlage(PNG_COLOR_TYPE_PALETTE, 2, 5, {Bytes({0xE4, 0xC0})});
    zwei.palette = {palette.begin(), palette.begin() + 4};
    EXPECT_EQ(Zeile(Dekodiert(zwei), 0), Farben({{0, 0, 255}, {0, 255, 0}, rot, Schwarz, {0, 0, 255}}));

    // 4 bits: indices F 4 | 7 → F4 70; entry 4 at half transparency: 1·128 + 32385 = 32513 → 127.5… → 128,
    // 2·128 + 32385 = 32641 → 128.0 → 128, 3·128 + 32385 = 32769 → 128.5… → 129.
    PngVorlage vier = Vorlage(PNG_COLOR_TYPE_PALETTE, 4, 3, {Bytes({0xF4, 0x70})});
    vier.palette = palette;
    vier.paletteAlpha = {255, 255, 255, 255, 128};
    EXPECT_EQ(Zeile(Dekodiert(vier), 0), Farben({{90, 80, 70}, {128, 128, 129}, {9, 9, 9}}));
}

TEST(PngFarbtypen, GrauMitAllenBittiefen) {
    // 1 bit: 1 0 1 0 1 1 0 0 | 1 0 → AC 80; 1 is white.
    EXPECT_EQ(Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_GRAY, 1, 10, {Bytes({0xAC, 0x80})})), 0),
              Farben({Weiss, Schwarz, Weiss, Schwarz, Weiss, Weiss, Schwarz, Schwarz, Weiss, Schwarz}));
    // 2 bits: 0 1 2 3 → 1B; the steps are 0, 85, 170, 255.
    EXPECT_EQ(Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_GRAY, 2, 4, {Bytes({0x1B})})), 0),
              Farben({Schwarz, {85, 85, 85}, {170, 170, 170}, Weiss}));
    // 4 bits: 5 A 7 → 5A 70; each step is 17.
    EXPECT_EQ(Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_GRAY, 4, 3, {Bytes({0x5A, 0x70})})), 0),
              Farben({{85, 85, 85}, {170, 170, 170}, {119, 119, 119}}));
    EXPECT_EQ(Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_GRAY, 8, 3, {Bytes({0, 77, 255})})), 0),
              Farben({Schwarz, {77, 77, 77}, Weiss}));
    // 16 bits round to nearest: 12F0 = 4848, / 257 = 18.9 → 19; 7F80 = 32640 → 127.0 → 127.
    EXPECT_EQ(Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_GRAY, 16, 3, {Bytes({0x12, 0xF0, 0x7F, 0x80, 0xFF, 0xFF})})), 0),
              Farben({{19, 19, 19}, {127, 127, 127}, Weiss}));
}

TEST(PngFarbtypen, GrauMitTransparenterFarbe) {
    PngVorlage acht = Vorlage(PNG_COLOR_TYPE_GRAY, 8, 3, {Bytes({50, 51, 0})});
    acht.transparenteFarbe = png_color_16{0, 0, 0, 0, 50};
    EXPECT_EQ(Zeile(Dekodiert(acht), 0), Farben({Weiss, {51, 51, 51}, Schwarz}));

    // 1235 = 4661, / 257 = 18.1 → 18.
    PngVorlage sechzehn = Vorlage(PNG_COLOR_TYPE_GRAY, 16, 2, {Bytes({0x12, 0x34, 0x12, 0x35})});
    sechzehn.transparenteFarbe = png_color_16{0, 0, 0, 0, 0x1234};
    EXPECT_EQ(Zeile(Dekodiert(sechzehn), 0), Farben({Weiss, {18, 18, 18}}));

    // 2 bits, grey level 1 transparent.
    PngVorlage zwei = Vorlage(PNG_COLOR_TYPE_GRAY, 2, 4, {Bytes({0x1B})});
    zwei.transparenteFarbe = png_color_16{0, 0, 0, 0, 1};
    EXPECT_EQ(Zeile(Dekodiert(zwei), 0), Farben({Schwarz, Weiss, {170, 170, 170}, Weiss}));
}

TEST(PngFarbtypen, GrauMitAlpha) {
    // Grey 100 at alpha 64: 100·64 + 255·191 = 55105, / 255 = 216.1 → 216. Grey 0 at 128: 32385 → 127.
    EXPECT_EQ(Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_GRAY_ALPHA, 8, 4, {Bytes({100, 64, 0, 128, 9, 0, 9, 255})})), 0),
              Farben({{216, 216, 216}, {127, 127, 127}, Weiss, {9, 9, 9}}));
    // 16 bits: grey 12F0 → 19 at alpha FFFF → 255; grey 0 at alpha 8000 → 128: 255·127 = 32385 → 127.
    EXPECT_EQ(Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_GRAY_ALPHA, 16, 2,
                                      {Bytes({0x12, 0xF0, 0xFF, 0xFF, 0x00, 0x00, 0x80, 0x00})})),
                    0),
              Farben({{19, 19, 19}, {127, 127, 127}}));
}

TEST(PngFarbtypen, RgbMitAchtUndSechzehnBit) {
    EXPECT_EQ(Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_RGB, 8, 2, {Bytes({1, 2, 3, 250, 128, 0})})), 0),
              Farben({{1, 2, 3}, {250, 128, 0}}));
    EXPECT_EQ(Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_RGB, 16, 1, {Bytes({0xFF, 0xFF, 0x12, 0xF0, 0x80, 0x80})})), 0),
              Farben({{255, 19, 128}}));

    PngVorlage mitTrns = Vorlage(PNG_COLOR_TYPE_RGB, 8, 3, {Bytes({1, 2, 3, 1, 2, 4, 3, 2, 1})});
    mitTrns.transparenteFarbe = png_color_16{0, 1, 2, 3, 0};
    EXPECT_EQ(Zeile(Dekodiert(mitTrns), 0), Farben({Weiss, {1, 2, 4}, {3, 2, 1}}));
}

TEST(PngFarbtypen, RgbaUeberWeissGemischt) {
    // Per channel round((c·a + 255·(255 − a)) / 255), worked by hand:
    // (255, 0, 0, 128): 255 and 32385 / 255 = 127.
    // (100, 200, 50, 64): 6400 + 48705 = 55105 → 216.1 → 216; 12800 + 48705 = 61505 → 241.2 → 241;
    //                     3200 + 48705 = 51905 → 203.5… (203.549) → 204.
    // (0, 128, 255, 1): 64770 → 254; 128 + 64770 = 64898 → 254.5… (254.502) → 255; 255.
    // (0, 128, 255, 254): 255 → 1; 32512 + 255 = 32767 → 128.5… (128.498) → 128; 255.
    // (7, 7, 7, 0) is white, (9, 8, 7, 255) unchanged.
    const QByteArray zeile =
        Bytes({255, 0, 0, 128, 100, 200, 50, 64, 0, 128, 255, 1, 0, 128, 255, 254, 7, 7, 7, 0, 9, 8, 7, 255});
    EXPECT_EQ(Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_RGBA, 8, 6, {zeile})), 0),
              Farben({{255, 127, 127}, {216, 241, 204}, {254, 255, 255}, {1, 128, 255}, Weiss, {9, 8, 7}}));

    // 16 bits: (FFFF, 0, 12F0, 8000) → (255, 0, 19, 128) → 255, 127, 19·128 + 32385 = 34817 → 136.5… → 137.
    EXPECT_EQ(
        Zeile(Dekodiert(Vorlage(PNG_COLOR_TYPE_RGBA, 16, 1, {Bytes({0xFF, 0xFF, 0x00, 0x00, 0x12, 0xF0, 0x80, 0x00})})),
              0),
        Farben({{255, 127, 137}}));
}

TEST(PngInterlace, Adam7InAchtBitRgb) {
    // 9 × 9 touches all seven passes; pixel (x, y) is (20x, 20y, 10(x + y)).
    PngVorlage v = Vorlage(PNG_COLOR_TYPE_RGB, 8, 9, {});
    v.interlaced = true;
    v.hoehe = 9;
    for (int y = 0; y < 9; ++y) {
        QByteArray zeile;
        for (int x = 0; x < 9; ++x) {
            zeile.append(char(20 * x)).append(char(20 * y)).append(char(10 * (x + y)));
        }
        v.zeilen.push_back(zeile);
    }
    const QImage bild = Dekodiert(v);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(Farbe(bild.pixel(x, y)), Farbe(20 * x, 20 * y, 10 * (x + y))) << x << ", " << y;
        }
    }
}

TEST(PngInterlace, Adam7MitEinBitPaletteUndTransparenz) {
    // 11 × 3, a checkerboard of entry 0 (transparent) and entry 1 (blue).
    PngVorlage v = Vorlage(PNG_COLOR_TYPE_PALETTE, 1, 11, {});
    v.interlaced = true;
    v.palette = {{0, 0, 0}, {0, 0, 255}};
    v.paletteAlpha = {0};
    // Row 0: 0 1 0 1 0 1 0 1 | 0 1 0 → 55 40; row 1: 1 0 1 0 … → AA A0.
    v.zeilen = {Bytes({0x55, 0x40}), Bytes({0xAA, 0xA0}), Bytes({0x55, 0x40})};
    v.hoehe = 3;
    const QImage bild = Dekodiert(v);
    const Rgb blau{0, 0, 255};
    const auto gerade = Farben({Weiss, blau, Weiss, blau, Weiss, blau, Weiss, blau, Weiss, blau, Weiss});
    const auto ungerade = Farben({blau, Weiss, blau, Weiss, blau, Weiss, blau, Weiss, blau, Weiss, blau});
    EXPECT_EQ(Zeile(bild, 0), gerade);
    EXPECT_EQ(Zeile(bild, 1), ungerade);
    EXPECT_EQ(Zeile(bild, 2), gerade);
}
