#pragma once

// PNG files for the tests, written with libpng from rows given byte by byte, and the
// decoded pixels as numbers that show in a failing comparison.
#include <QByteArray>
#include <QImage>
#include <optional>
#include <ostream>
#include <png.h>
#include <vector>

namespace senvio::test {

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

// The PNG file of the template; empty when libpng refused it.
QByteArray SchreibePng(const PngVorlage& vorlage);

struct Farbe {
    int r, g, b;
    bool operator==(const Farbe&) const = default;
};

inline void PrintTo(const Farbe& f, std::ostream* aus) {
    *aus << '(' << f.r << ", " << f.g << ", " << f.b << ')';
}

inline std::vector<Farbe> Zeile(const QImage& bild, int y) {
    std::vector<Farbe> farben;
    for (int x = 0; x < bild.width() && y < bild.height(); ++x) {
        const QRgb p = bild.pixel(x, y);
        farben.push_back({qRed(p), qGreen(p), qBlue(p)});
    }
    return farben;
}

} // namespace senvio::test
